#include "platform/gfx/surface.h"

#include <algorithm>

namespace platform::gfx {

Surface::Surface(int width, int height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
    pixels_.assign(static_cast<size_t>(width_) * height_, fill);
}

std::optional<Surface> Surface::Make(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    return Surface(width, height, fill);
}

Pixel Surface::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
    return Row(y)[x];
}

void Surface::Set(int x, int y, Pixel p) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = p;
}

void Surface::Fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

void Surface::FillRect(const Rect& r, Pixel p) {
    Rect c = r.Intersect(Bounds());
    for (int y = c.top; y < c.bottom; ++y) std::fill(Row(y) + c.left, Row(y) + c.right, p);
}

std::optional<LockedBits> Surface::Lock() {
    if (IsEmpty() || refuseLocks_) return std::nullopt;
    return LockedBits{reinterpret_cast<uint8_t*>(pixels_.data()), width_, height_,
                      width_ * 4};
}

}  // namespace platform::gfx
