#include "shell/programicon.h"

#include "platform/gfx/bmp.h"
#include "platform/gfx/colour.h"
#include "platform/trace.h"
#include "shell/archive.h"

std::optional<platform::gfx::Surface> LoadProgramIcon() {
    auto bytes = LoadArchiveEntry(kProgramIconPath);
    if (!bytes) {
        platform::TraceF("Cannot load the program's icon %s\n", kProgramIconPath);
        return std::nullopt;
    }
    auto bmp = platform::gfx::DecodeBmp8(*bytes);
    if (!bmp) return std::nullopt;
    return platform::gfx::ToSurface(*bmp);
}

platform::win::CursorImage IconImage(const platform::gfx::Surface& icon) {
    platform::win::CursorImage img;
    img.width = icon.Width();
    img.height = icon.Height();
    img.argb.reserve(size_t(img.width) * size_t(img.height));
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            uint32_t p = icon.Get(x, y);
            img.argb.push_back(p == platform::gfx::kKeyPixel ? 0u : (0xFF000000u | p));
        }
    return img;
}
