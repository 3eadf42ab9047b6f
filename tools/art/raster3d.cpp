#include "raster3d.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace art {

namespace {

double Dot3(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Unit(Vec3 a) {
    const double l = std::sqrt(Dot3(a, a));
    return l > 0 ? Vec3{a.x / l, a.y / l, a.z / l} : a;
}

// A hash grain in [0, 1), stable for a cell of the world.
double Grain(int x, int y, int z) {
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u ^
                 static_cast<uint32_t>(z) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFF) / 65536.0;
}

double Axis(Vec3 p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

}  // namespace

void Mesh::Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 normal, const Tri3& look) {
    Tri3 t = look;
    t.normal = Unit(normal);
    t.p[0] = a, t.p[1] = b, t.p[2] = c;
    tris.push_back(t);
    t.p[0] = a, t.p[1] = c, t.p[2] = d;
    tris.push_back(t);
}

View3 View3::TopDown(double scale, double x0, double y0) {
    View3 v;
    v.right = {1, 0, 0};
    v.down = {0, 1, 0};
    v.forward = {0, 0, -1};
    v.scale = scale;
    v.ox = -x0 * scale;
    v.oy = -y0 * scale;
    return v;
}

View3 View3::ThreeQuarter(double yawDeg, double pitchDeg, double scale, double ox, double oy) {
    const double yaw = yawDeg * M_PI / 180, pitch = pitchDeg * M_PI / 180;
    // The horizontal direction the eye looks along (y grows southwards).
    const Vec3 look{-std::sin(yaw), -std::cos(yaw), 0};
    View3 v;
    v.right = {std::cos(yaw), -std::sin(yaw), 0};
    v.down = {-look.x * std::sin(pitch), -look.y * std::sin(pitch), -std::cos(pitch)};
    v.forward = {look.x * std::cos(pitch), look.y * std::cos(pitch), -std::sin(pitch)};
    v.scale = scale;
    v.ox = ox;
    v.oy = oy;
    return v;
}

View3 View3::Front(double scale, double ox, double oy) {
    View3 v;
    v.right = {1, 0, 0};
    v.down = {0, 0, -1};
    v.forward = {0, -1, 0};
    v.scale = scale;
    v.ox = ox;
    v.oy = oy;
    return v;
}

Rgb SurfaceColour(const Tri3& t, Vec3 p) {
    Rgb c = t.base;
    auto scaleBy = [&c](double f) {
        c.r *= f, c.g *= f, c.b *= f;
    };
    switch (t.surface) {
        case Surface3::Stripes: {
            const double u = Axis(p, t.axis) / t.period;
            const double f = u - std::floor(u);
            scaleBy(f < 0.5 ? 1 + t.contrast : 1 - t.contrast);
            break;
        }
        case Surface3::Checks: {
            const int a = static_cast<int>(std::floor(p.x / t.period)), b = static_cast<int>(std::floor(p.y / t.period));
            scaleBy(((a + b) & 1) ? 1 + t.contrast : 1 - t.contrast);
            break;
        }
        case Surface3::Noise: {
            const double g = Grain(static_cast<int>(std::floor(p.x * 2)), static_cast<int>(std::floor(p.y * 2)),
                                   static_cast<int>(std::floor(p.z * 2)));
            scaleBy(1 + t.contrast * (g - 0.5));
            break;
        }
        case Surface3::TwoTone: {
            const double u = Axis(p, t.axis) / t.period;
            if (u - std::floor(u) >= t.share) c = t.alt;
            break;
        }
        default: break;
    }
    return c;
}

Frame3::Frame3(int width, int height)
    : w_(width), h_(height), colour_(static_cast<size_t>(width) * height), depth_(colour_.size()),
      object_(colour_.size(), -1) {}

void Frame3::Clear(Rgb background) {
    std::fill(colour_.begin(), colour_.end(),
              Colour3{static_cast<float>(background.r), static_cast<float>(background.g), static_cast<float>(background.b)});
    std::fill(depth_.begin(), depth_.end(), std::numeric_limits<float>::infinity());
    std::fill(object_.begin(), object_.end(), -1);
}

void Frame3::Draw(const Mesh& mesh, const View3& view, const Light3& light) {
    for (const Tri3& t : mesh.tris) Raster(t, view, light);
}

void Frame3::Raster(const Tri3& t, const View3& view, const Light3& light) {
    double sx[3], sy[3], sz[3];
    for (int i = 0; i < 3; ++i) {
        sx[i] = Dot3(t.p[i], view.right) * view.scale + view.ox;
        sy[i] = Dot3(t.p[i], view.down) * view.scale + view.oy;
        sz[i] = Dot3(t.p[i], view.forward);
    }
    const double area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
    if (std::fabs(area) < 1e-9) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({sx[0], sx[1], sx[2]}))));
    const int x1 = std::min(w_ - 1, static_cast<int>(std::ceil(std::max({sx[0], sx[1], sx[2]}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({sy[0], sy[1], sy[2]}))));
    const int y1 = std::min(h_ - 1, static_cast<int>(std::ceil(std::max({sy[0], sy[1], sy[2]}))));
    if (x0 > x1 || y0 > y1) return;
    double lit = 1;
    if (t.surface != Surface3::Emissive) {
        const double n = std::max(0.0, Dot3(t.normal, Unit(light.towardsSun)));
        lit = light.ambient + light.diffuse * n;
    }
    const bool plain = t.surface == Surface3::Flat || t.surface == Surface3::Emissive;
    const Rgb flat{t.base.r * lit, t.base.g * lit, t.base.b * lit};
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5;
            const double w0 = ((sx[1] - px) * (sy[2] - py) - (sx[2] - px) * (sy[1] - py)) / area;
            const double w1 = ((sx[2] - px) * (sy[0] - py) - (sx[0] - px) * (sy[2] - py)) / area;
            const double w2 = 1 - w0 - w1;
            // Top-left style tie-breaking is not needed: shared edges only
            // overdraw the same surface's neighbour at equal depth.
            if (w0 < 0 || w1 < 0 || w2 < 0) continue;
            const double z = w0 * sz[0] + w1 * sz[1] + w2 * sz[2];
            const size_t i = Index(x, y);
            if (z >= depth_[i] - 1e-5) continue;
            depth_[i] = static_cast<float>(z);
            object_[i] = t.object;
            if (plain) {
                SetColour(x, y, flat);
            } else {
                const Vec3 wp{w0 * t.p[0].x + w1 * t.p[1].x + w2 * t.p[2].x, w0 * t.p[0].y + w1 * t.p[1].y + w2 * t.p[2].y,
                              w0 * t.p[0].z + w1 * t.p[1].z + w2 * t.p[2].z};
                const Rgb c = SurfaceColour(t, wp);
                SetColour(x, y, {c.r * lit, c.g * lit, c.b * lit});
            }
        }
    }
}

}  // namespace art
