#pragma once
// An 8-bit picture of palette indexes with the few shapes our painters
// need. Index 0 is "nothing drawn" for sprites; a canvas used as a whole
// picture simply paints every pixel.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace art {

// Three entries of one colour ramp: lit, middle and shaded. Light comes
// from the upper left, so the upper-left side of a shape takes `lit`.
struct Shade {
    uint8_t lit = 0, mid = 0, shade = 0;
};

// Three bands of a 32-entry ramp that starts at `first` (entry k is the
// colour less k thirty-seconds of it): bright, middle and dark.
constexpr Shade RampShade(int first) {
    return {static_cast<uint8_t>(first + 2), static_cast<uint8_t>(first + 9), static_cast<uint8_t>(first + 17)};
}
constexpr Shade Flat(uint8_t c) { return {c, c, c}; }

class Canvas8 {
public:
    Canvas8() = default;
    Canvas8(int width, int height, uint8_t fill = 0)
        : w_(width), h_(height), px_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

    int Width() const { return w_; }
    int Height() const { return h_; }
    std::vector<uint8_t>& Pixels() { return px_; }
    const std::vector<uint8_t>& Pixels() const { return px_; }

    uint8_t Get(int x, int y) const { return Inside(x, y) ? px_[Index(x, y)] : 0; }
    void Set(int x, int y, uint8_t c) {
        if (Inside(x, y)) px_[Index(x, y)] = c;
    }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }

    void FillRect(int x0, int y0, int x1, int y1, uint8_t c);  // inclusive corners
    void FillEllipse(double cx, double cy, double rx, double ry, uint8_t c);
    // A disc shaded in three bands by the light from the upper left.
    void ShadedDisc(double cx, double cy, double r, Shade s);
    // A thick segment with round ends, shaded across its width.
    void Capsule(double x0, double y0, double x1, double y1, double r0, double r1, Shade s);
    // A convex or concave polygon, even-odd filled.
    void FillPolygon(const double* xy, int points, uint8_t c);
    void Line(double x0, double y0, double x1, double y1, uint8_t c);

    // Draws the non-zero pixels of `src` with its top-left at (x, y).
    void Blit(const Canvas8& src, int x, int y);
    // A one-pixel outline of colour `c` round every drawn (non-zero) shape.
    void Outline(uint8_t c);
    // Left to right, in place.
    void FlipHorizontal();

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x); }
    int w_ = 0, h_ = 0;
    std::vector<uint8_t> px_;
};

}  // namespace art
