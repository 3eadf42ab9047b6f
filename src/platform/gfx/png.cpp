#include "platform/gfx/png.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace platform::gfx {
namespace {
struct FileCloser {
    void operator()(FILE* f) const { if (f) std::fclose(f); }
};
// Failures come back as results; libpng prints nothing.
void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}
}  // namespace

bool WritePng(const Surface& s, const std::filesystem::path& file) {
    if (s.IsEmpty()) return false;
    std::unique_ptr<FILE, FileCloser> f(std::fopen(file.c_str(), "wb"));
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<uint8_t> row(static_cast<size_t>(s.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(s.Width()), static_cast<png_uint_32>(s.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < s.Height(); ++y) {
        const Pixel* p = s.Row(y);
        for (int x = 0; x < s.Width(); ++x) {
            row[x * 3] = static_cast<uint8_t>(PixelR(p[x]));
            row[x * 3 + 1] = static_cast<uint8_t>(PixelG(p[x]));
            row[x * 3 + 2] = static_cast<uint8_t>(PixelB(p[x]));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(f.get()) == 0;
}

std::optional<Surface> ReadPng(const std::filesystem::path& file) {
    std::unique_ptr<FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) return std::nullopt;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return std::nullopt;
    }
    std::optional<Surface> out;
    std::vector<uint8_t> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::nullopt;
    }
    png_init_io(png, f.get());
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    const int w = static_cast<int>(png_get_image_width(png, info));
    const int h = static_cast<int>(png_get_image_height(png, info));
    out = Surface::Make(w, h);
    if (!out || png_get_rowbytes(png, info) != static_cast<size_t>(w) * 3) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::nullopt;
    }
    row.resize(static_cast<size_t>(w) * 3);
    for (int y = 0; y < h; ++y) {
        png_read_row(png, row.data(), nullptr);
        Pixel* p = out->Row(y);
        for (int x = 0; x < w; ++x) p[x] = MakePixel(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return out;
}

}  // namespace platform::gfx
