#pragma once
// Polygon meshes drawn through a depth buffer: the renderer behind the
// stadium pictures. A mesh is triangles in world units with a surface each;
// a view maps the world to supersampled pixels (orthographic), and the
// frame keeps colour, depth and which object each sample shows.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "camera.h"

namespace art {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// How a triangle's colour is found at each sample.
enum class Surface3 : uint8_t {
    Flat,       // the base colour, lit
    Emissive,   // the base colour, unlit (lamps, lit glass)
    Stripes,    // base colour with bands across `axis`, every `period` units
    Checks,     // two tones in squares of `period` (seats, car parks)
    Noise,      // the base colour with a fine grain (concrete, roofs)
    TwoTone,    // bands of `base` and `alt` across `axis`, `share` of each period `base`
};

struct Tri3 {
    Vec3 p[3];
    Vec3 normal;  // towards the outside
    Rgb base;
    Rgb alt;
    double share = 0.5;
    Surface3 surface = Surface3::Flat;
    double period = 4;
    uint8_t axis = 0;  // 0 x, 1 y, 2 z: the axis the stripes run across
    double contrast = 0.12;
    int object = 0;  // which layer the triangle belongs to
};

struct Mesh {
    std::vector<Tri3> tris;
    // A quad a-b-c-d (in order round its edge) facing `normal`.
    void Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 normal, const Tri3& look);
    void Append(const Mesh& other) { tris.insert(tris.end(), other.tris.begin(), other.tris.end()); }
};

// World to pixels: sx = dot(p, right) * scale + ox, sy = dot(p, down) * scale
// + oy, depth = dot(p, forward) (larger is farther).
struct View3 {
    Vec3 right, down, forward;
    double scale = 1, ox = 0, oy = 0;
    // Straight down, north up: one world unit `scale` pixels, (x0, y0) at the origin.
    static View3 TopDown(double scale, double x0, double y0);
    // Orthographic three-quarter view: from azimuth `yawDeg` (0 looking north
    // from the south, positive turning the eye towards the east) and
    // `pitchDeg` above the ground.
    static View3 ThreeQuarter(double yawDeg, double pitchDeg, double scale, double ox, double oy);
    // From the south, level with the ground (an elevation).
    static View3 Front(double scale, double ox, double oy);
};

struct Light3 {
    Vec3 towardsSun{-0.55, -0.6, 0.58};  // from the north-west, above
    double ambient = 0.5, diffuse = 0.6;
};

class Frame3 {
public:
    Frame3(int width, int height);
    int Width() const { return w_; }
    int Height() const { return h_; }
    // Samples start as "nothing" (object -1) in `background`.
    void Clear(Rgb background);
    void Draw(const Mesh& mesh, const View3& view, const Light3& light);
    Rgb Colour(int x, int y) const {
        const Colour3& c = colour_[Index(x, y)];
        return {c.r, c.g, c.b};
    }
    int Object(int x, int y) const { return object_[Index(x, y)]; }
    void SetColour(int x, int y, Rgb c) {
        colour_[Index(x, y)] = {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)};
    }
    void SetObject(int x, int y, int o) { object_[Index(x, y)] = o; }

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x); }
    void Raster(const Tri3& t, const View3& view, const Light3& light);
    struct Colour3 {
        float r, g, b;
    };
    int w_, h_;
    std::vector<Colour3> colour_;
    std::vector<float> depth_;
    std::vector<int> object_;
};

// The colour of a surface at a world point (lighting not applied).
Rgb SurfaceColour(const Tri3& t, Vec3 p);

}  // namespace art
