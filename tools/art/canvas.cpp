#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

uint8_t BandOf(double u, Shade s) {
    // u runs from -1 (towards the light) to 1 (away from it).
    if (u < -0.3) return s.lit;
    if (u > 0.4) return s.shade;
    return s.mid;
}

}  // namespace

void Canvas8::FillRect(int x0, int y0, int x1, int y1, uint8_t c) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, w_ - 1);
    y1 = std::min(y1, h_ - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) px_[Index(x, y)] = c;
}

void Canvas8::FillEllipse(double cx, double cy, double rx, double ry, uint8_t c) {
    if (rx <= 0 || ry <= 0) return;
    const int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    const int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
        }
}

void Canvas8::ShadedDisc(double cx, double cy, double r, Shade s) {
    if (r <= 0) return;
    const int y0 = static_cast<int>(std::floor(cy - r)), y1 = static_cast<int>(std::ceil(cy + r));
    const int x0 = static_cast<int>(std::floor(cx - r)), x1 = static_cast<int>(std::ceil(cx + r));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
            if (dx * dx + dy * dy > 1.0) continue;
            Set(x, y, BandOf((dx + dy) * 0.75, s));
        }
}

void Canvas8::Capsule(double x0, double y0, double x1, double y1, double r0, double r1, Shade s) {
    const double rmax = std::max(r0, r1);
    const int bx0 = static_cast<int>(std::floor(std::min(x0, x1) - rmax)), bx1 = static_cast<int>(std::ceil(std::max(x0, x1) + rmax));
    const int by0 = static_cast<int>(std::floor(std::min(y0, y1) - rmax)), by1 = static_cast<int>(std::ceil(std::max(y0, y1) + rmax));
    const double dx = x1 - x0, dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    // The side of the segment that faces the light (up and left).
    double nx = -dy, ny = dx;
    const double nlen = std::sqrt(nx * nx + ny * ny);
    if (nlen > 0) {
        nx /= nlen;
        ny /= nlen;
    } else {
        nx = 1;
        ny = 0;
    }
    if (nx + ny > 0) {
        nx = -nx;
        ny = -ny;
    }
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = len2 > 0 ? (px * dx + py * dy) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double qx = px - t * dx, qy = py - t * dy;
            const double r = r0 + (r1 - r0) * t;
            const double d2 = qx * qx + qy * qy;
            if (d2 > r * r) continue;
            const double side = (qx * nx + qy * ny) / std::max(r, 0.5);  // 1: towards the light
            Set(x, y, BandOf(-side, s));
        }
}

void Canvas8::FillPolygon(const double* xy, int points, uint8_t c) {
    if (points < 3) return;
    double ymin = xy[1], ymax = xy[1];
    for (int i = 1; i < points; ++i) {
        ymin = std::min(ymin, xy[2 * i + 1]);
        ymax = std::max(ymax, xy[2 * i + 1]);
    }
    std::vector<double> xs;
    for (int y = std::max(0, static_cast<int>(std::floor(ymin))); y <= std::min(h_ - 1, static_cast<int>(std::ceil(ymax))); ++y) {
        const double sy = y + 0.5;
        xs.clear();
        for (int i = 0; i < points; ++i) {
            const double ax = xy[2 * i], ay = xy[2 * i + 1];
            const double bx = xy[2 * ((i + 1) % points)], by = xy[2 * ((i + 1) % points) + 1];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) * (bx - ax) / (by - ay));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x <= static_cast<int>(std::floor(xs[i + 1] - 0.5)); ++x)
                Set(x, y, c);
    }
}

void Canvas8::Line(double x0, double y0, double x1, double y1, uint8_t c) {
    const int steps = static_cast<int>(std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)))) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        Set(static_cast<int>(std::floor(x0 + (x1 - x0) * t)), static_cast<int>(std::floor(y0 + (y1 - y0) * t)), c);
    }
}

void Canvas8::Blit(const Canvas8& src, int x, int y) {
    for (int sy = 0; sy < src.h_; ++sy)
        for (int sx = 0; sx < src.w_; ++sx) {
            const uint8_t c = src.px_[src.Index(sx, sy)];
            if (c) Set(x + sx, y + sy, c);
        }
}

void Canvas8::Outline(uint8_t c) {
    std::vector<uint8_t> out = px_;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            if (px_[Index(x, y)]) continue;
            if (Get(x - 1, y) || Get(x + 1, y) || Get(x, y - 1) || Get(x, y + 1)) out[Index(x, y)] = c;
        }
    px_.swap(out);
}

void Canvas8::FlipHorizontal() {
    for (int y = 0; y < h_; ++y) std::reverse(px_.begin() + static_cast<long>(Index(0, y)), px_.begin() + static_cast<long>(Index(0, y)) + w_);
}

}  // namespace art
