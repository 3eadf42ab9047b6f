#include "stadium_model.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "paint.h"
#include "shell/stadiumparts.h"

using art::Mesh;
using art::Rgb;
using art::Surface3;
using art::Tri3;
using art::Vec3;
using platform::gfx::Bitmap8;
using platform::gfx::kKeyPixel;
using platform::gfx::Pixel;
using platform::gfx::Surface;
namespace parts = stadiumparts;

namespace stadiumart {

namespace {

// ---- colours ---------------------------------------------------------------

constexpr Rgb kConcrete{178, 174, 166}, kDarkConcrete{120, 118, 114}, kCladding{96, 104, 118},
    kBrick{150, 84, 62}, kSeatBlue{28, 72, 178}, kSeatRed{186, 28, 36}, kSeatGap{40, 40, 48},
    kBarrierRed{206, 36, 30}, kWhite{238, 238, 236}, kRoofGrey{152, 160, 158}, kRoofSilver{206, 212, 218},
    kRoofDark{70, 76, 90}, kGlass{188, 222, 240}, kLitGlass{255, 226, 150}, kMullion{52, 52, 60},
    kSteel{112, 116, 124}, kLamp{255, 252, 228}, kScaffold{150, 150, 156}, kTarp{44, 122, 104},
    kCrane{236, 184, 26}, kGrassLight{84, 168, 70}, kGrassDark{66, 146, 56}, kApron{58, 122, 52},
    kLine{246, 246, 246}, kAsphalt{92, 94, 98}, kVerge{92, 142, 70}, kTree{46, 104, 50}, kRoofTile{150, 70, 52},
    kHouse{214, 200, 176};

Tri3 Look(Rgb base, int object, Surface3 s = Surface3::Flat) {
    Tri3 t;
    t.base = base;
    t.object = object;
    t.surface = s;
    return t;
}
Tri3 TwoTone(Rgb a, Rgb b, double period, double share, int axis, int object) {
    Tri3 t = Look(a, object, Surface3::TwoTone);
    t.alt = b;
    t.period = period;
    t.share = share;
    t.axis = static_cast<uint8_t>(axis);
    return t;
}
Tri3 Grainy(Rgb base, int object, double contrast = 0.14) {
    Tri3 t = Look(base, object, Surface3::Noise);
    t.contrast = contrast;
    return t;
}

Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Mul(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }

// A world box, axis-aligned.
void WorldBox(Mesh& m, double x0, double y0, double z0, double x1, double y1, double z1, const Tri3& look) {
    m.Quad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {0, 0, 1}, look);
    m.Quad({x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}, {0, 1, 0}, look);
    m.Quad({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}, {0, -1, 0}, look);
    m.Quad({x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}, {x0, y0, z1}, {-1, 0, 0}, look);
    m.Quad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, {1, 0, 0}, look);
}

// A stand's own axes: u along the pitch's edge, v away from the pitch, z up.
struct StandFrame {
    Vec3 origin, u, v;
    Vec3 At(double a, double b, double z) const { return Add(Add(origin, Mul(u, a)), Add(Mul(v, b), {0, 0, z})); }
    // The world axis (0 x, 1 y) that u runs along.
    int UAxis() const { return std::fabs(u.x) > 0.5 ? 0 : 1; }
    int VAxis() const { return std::fabs(v.x) > 0.5 ? 0 : 1; }
};

void LocalBox(Mesh& m, const StandFrame& f, double u0, double u1, double v0, double v1, double z0, double z1,
              const Tri3& look) {
    const Vec3 a = f.At(u0, v0, 0), b = f.At(u1, v1, 0);
    WorldBox(m, std::min(a.x, b.x), std::min(a.y, b.y), z0, std::max(a.x, b.x), std::max(a.y, b.y), z1, look);
}

StandFrame FrameOf(int stand) {
    switch (stand) {
        case 1: return {{168, 112, 0}, {-1, 0, 0}, {0, -1, 0}};
        case 2: return {{168, 112, 0}, {1, 0, 0}, {0, -1, 0}};
        case 3: return {{408, 112, 0}, {1, 0, 0}, {0, -1, 0}};
        case 4: return {{408, 112, 0}, {0, 1, 0}, {1, 0, 0}};
        case 5: return {{168, 112, 0}, {0, 1, 0}, {-1, 0, 0}};
        case 6: return {{168, 272, 0}, {-1, 0, 0}, {0, 1, 0}};
        case 7: return {{168, 272, 0}, {1, 0, 0}, {0, 1, 0}};
        default: return {{408, 272, 0}, {1, 0, 0}, {0, 1, 0}};
    }
}

double DepthOf(int stand, int size) {
    const parts::PlanRect r = parts::GetPlanRect(stand, size);
    return parts::IsCorner(stand) ? r.Width() : parts::GetFamily(stand) == parts::Family::NorthSouth ? r.Height()
                                                                                                    : r.Width();
}

double LengthOf(int stand) { return parts::GetFamily(stand) == parts::Family::NorthSouth ? 240 : 160; }

// The shape a stand's rows follow: a straight stand's rows run its length; a
// corner's are L-shaped round the pitch's corner.
class StandShape {
public:
    StandShape(int stand, int object) : f_(FrameOf(stand)), corner_(parts::IsCorner(stand)), len_(LengthOf(stand)),
                                        object_(object) {}
    const StandFrame& Frame() const { return f_; }
    bool Corner() const { return corner_; }
    // The band between distances v0 and v1 from the pitch, z0..z1 high.
    void Band(Mesh& m, double v0, double v1, double z0, double z1, Tri3 look, bool alongRow = false) const {
        if (!corner_) {
            if (alongRow) look.axis = static_cast<uint8_t>(f_.UAxis());
            LocalBox(m, f_, 0, len_, v0, v1, z0, z1, look);
            return;
        }
        Tri3 a = look, b = look;
        if (alongRow) {
            a.axis = static_cast<uint8_t>(f_.VAxis());
            b.axis = static_cast<uint8_t>(f_.UAxis());
        }
        LocalBox(m, f_, v0, v1, 0, v1, z0, z1, a);
        if (v0 > 0) LocalBox(m, f_, 0, v0, v0, v1, z0, z1, b);
    }
    double Length() const { return len_; }
    int Object() const { return object_; }

private:
    StandFrame f_;
    bool corner_;
    double len_;
    int object_;
};

struct Tier {
    double v0, v1, z0, z1;
    int rows;
};

void Terrace(Mesh& m, const StandShape& s, const Tier& t, int seating, int rowShade) {
    const int obj = s.Object();
    const double step = (t.v1 - t.v0) / t.rows;
    for (int k = 0; k < t.rows; ++k) {
        const double v0 = t.v0 + k * step, v1 = v0 + step;
        const double z = t.z0 + (t.z1 - t.z0) * (k + 1) / t.rows;
        const double light = 0.86 + 0.14 * (k + rowShade) / std::max(1, t.rows);
        Rgb tread{kConcrete.r * light, kConcrete.g * light, kConcrete.b * light};
        s.Band(m, v0, v1, 0, z, Grainy(tread, obj, 0.1));
        if (seating == 0) {
            if (k % 3 == 1)
                s.Band(m, v0 + step * 0.15, v0 + step * 0.3, z + 0.9, z + 1.4, TwoTone(kBarrierRed, kWhite, 6, 0.5, 0, obj),
                       true);
            continue;
        }
        const bool luxury = seating >= 2;
        const Rgb seat = luxury ? kSeatRed : kSeatBlue;
        const double back = luxury ? 0.25 : 0.4;
        s.Band(m, v0 + step * back, v1 - step * 0.05, z, z + (luxury ? 1.1 : 0.8),
               TwoTone(seat, kSeatGap, luxury ? 2.2 : 1.6, 0.78, 0, obj), true);
    }
}

void BackWall(Mesh& m, const StandShape& s, double v, double top) {
    s.Band(m, v, v + 1.4, 0, top, TwoTone(kCladding, kDarkConcrete, 3, 0.8, 2, s.Object()), false);
}

void Roof(Mesh& m, const StandShape& s, int roof, double depth, double height) {
    const int obj = s.Object();
    const StandFrame& f = s.Frame();
    if (roof == 1) {
        // Corrugated sheets on a row of front columns.
        const double front = height + 5, back = height + 7;
        if (!s.Corner())
            for (double u = 6; u < s.Length(); u += 30) LocalBox(m, f, u, u + 1.2, 0.6, 1.8, 0, front, Look(kSteel, obj));
        else
            LocalBox(m, f, 0.6, 1.8, 0.6, 1.8, 0, front, Look(kSteel, obj));
        const int steps = 4;
        for (int i = 0; i < steps; ++i) {
            const double v0 = depth * i / steps, v1 = depth * (i + 1) / steps + 1.4;
            const double z = front + (back - front) * (i + 0.5) / steps;
            Tri3 sheet = TwoTone(kRoofGrey, Rgb{126, 136, 132}, 1.6, 0.5, 0, obj);
            s.Band(m, s.Corner() ? v0 : v0, v1, z, z + 0.8, sheet, true);
        }
        return;
    }
    // Cantilevers rise towards the pitch; the luxury one reaches further
    // with a translucent leading edge and lit gables.
    const bool luxury = roof == 3;
    const double over = s.Corner() ? 0 : luxury ? 7 : 3;
    const double back = height + 4, front = height + (luxury ? 11 : 8);
    const int steps = 5;
    for (int i = 0; i < steps; ++i) {
        const double v0 = -over + (depth + 1.4 + over) * i / steps, v1 = -over + (depth + 1.4 + over) * (i + 1) / steps;
        const double z = front + (back - front) * (i + 0.5) / steps;
        Tri3 sheet = Grainy(luxury ? Rgb{226, 230, 236} : kRoofSilver, obj, 0.06);
        if (s.Corner())
            s.Band(m, std::max(0.0, v0), v1, z, z + 1.0, sheet);
        else
            LocalBox(m, f, 0, s.Length(), v0, v1, z, z + 1.0, sheet);
    }
    if (!s.Corner()) {
        LocalBox(m, f, 0, s.Length(), -over - 0.8, -over, front - 1.6, front + 1.2, Look(kRoofDark, obj));
        if (luxury) {
            LocalBox(m, f, 0, s.Length(), -over, -over + 4, front + 1.0, front + 1.4, Look(kGlass, obj, Surface3::Emissive));
            for (double u : {0.0, s.Length() - 1.2})
                LocalBox(m, f, u, u + 1.2, 2, depth, height * 0.4, back, TwoTone(kLitGlass, kMullion, 3, 0.8, 2, obj));
        }
    } else if (luxury) {
        s.Band(m, depth - 0.5, depth + 1.4, back - 3, back, Look(kLitGlass, obj, Surface3::Emissive));
    }
}

void Floodlight(Mesh& m, const StandShape& s, double depth, bool luxury) {
    const int obj = s.Object();
    const StandFrame& f = s.Frame();
    const double at = std::max(4.0, depth - 3), h = luxury ? 62 : 50;
    // A tapering lattice mast.
    for (int i = 0; i < 6; ++i) {
        const double w = 2.4 - i * 0.3, z0 = h * i / 6, z1 = h * (i + 1) / 6;
        LocalBox(m, f, at - w / 2, at + w / 2, at - w / 2, at + w / 2, z0, z1, TwoTone(kSteel, Rgb{84, 88, 96}, 2, 0.6, 2, obj));
    }
    const double half = luxury ? 6 : 3.5, tall = luxury ? 7 : 4.5;
    LocalBox(m, f, at - half, at + half, at - half, at + half, h, h + tall, Look(Rgb{60, 62, 70}, obj));
    // The lamp bank faces the pitch's corner: lamps on the two inner faces.
    const Tri3 lamps = TwoTone(kLamp, Rgb{170, 170, 150}, luxury ? 1.4 : 1.8, 0.7, 2, obj);
    LocalBox(m, f, at - half - 0.6, at - half, at - half, at + half, h + 0.6, h + tall - 0.6, lamps);
    LocalBox(m, f, at - half, at + half, at - half - 0.6, at - half, h + 0.6, h + tall - 0.6, Look(kLamp, obj, Surface3::Emissive));
    LocalBox(m, f, at - half, at + half, at - half, at + half, h + tall, h + tall + 0.6, Look(kSteel, obj));
}

void Boxes(Mesh& m, const StandShape& s, double v, double z) {
    const int obj = s.Object();
    s.Band(m, v, v + 1.2, z, z + 5, TwoTone(kLitGlass, kMullion, 5, 0.82, 0, obj), true);
    s.Band(m, v - 0.6, v + 1.6, z + 5, z + 5.8, Look(kRoofDark, obj));
}

double HeightOf(double depth, int size) { return 3 + depth * (size >= 5 ? 0.62 : 0.5); }

void BuildStand(Mesh& m, int stand, const StandLayout& layout) {
    const StandShape s(stand, stand);
    const int size = std::clamp<int>(layout.size, 0, 5);
    if (size == 0) return;
    const bool corner = s.Corner();
    const int roof = (corner && size < 2) ? 0 : std::min<int>(layout.roof, 3);
    const int seating = (corner && size < 2) ? 0 : std::min<int>(layout.seating, 2);
    const double depth = DepthOf(stand, size), height = HeightOf(depth, size);
    const int rows = std::max(3, static_cast<int>(depth / 2.6));
    // Front wall to the pitch.
    s.Band(m, 0, 0.6, 0, 2.2, Look(kWhite, stand));
    if (size >= 5) {
        const double split = depth * 0.5, mid = 3 + split * 0.5;
        Terrace(m, s, {0.6, split, 2.2, mid, rows / 2}, seating, 0);
        s.Band(m, split, split + 2, 0, mid + 6, Grainy(kDarkConcrete, stand));
        if (layout.boxes && !corner) Boxes(m, s, split - 1.2, mid);
        Terrace(m, s, {split + 2, depth, mid + 6, height, rows - rows / 2}, seating, rows / 2);
    } else {
        Terrace(m, s, {0.6, depth, 2.2, height, rows}, seating, 0);
        if (layout.boxes && !corner && size >= 3) Boxes(m, s, depth - 2.4, height);
    }
    const double wallTop = height + ((layout.boxes && !corner && size >= 3 && size < 5) ? 6 : 2);
    BackWall(m, s, depth, wallTop);
    if (roof > 0) Roof(m, s, roof, depth, wallTop);
    if (corner) Floodlight(m, s, DepthOf(stand, 5), layout.boxes != 0);
}

void BuildWorks(Mesh& m, int stand, bool large) {
    const StandShape s(stand, stand);
    const StandFrame& f = s.Frame();
    const double depth = DepthOf(stand, large ? 5 : 3), height = HeightOf(depth, large ? 4 : 3);
    const int rows = std::max(3, static_cast<int>(depth / 3));
    // The bare concrete rake, half built.
    Terrace(m, s, {0.6, depth * 0.55, 1.5, height * 0.55, rows / 2}, 0, 0);
    s.Band(m, 0, 0.6, 0, 1.5, Look(kDarkConcrete, stand));
    // Scaffolding round the back, with tarpaulins.
    const double len = s.Corner() ? depth : s.Length();
    for (double u = 2; u < len; u += 8) {
        for (double vv : {depth * 0.6, depth})
            if (s.Corner())
                LocalBox(m, f, u, u + 0.6, vv, vv + 0.6, 0, height, Look(kScaffold, stand));
            else
                LocalBox(m, f, u, u + 0.6, vv, vv + 0.6, 0, height, Look(kScaffold, stand));
    }
    for (double z = 5; z < height; z += 5) {
        s.Band(m, depth * 0.6, depth * 0.6 + 0.6, z, z + 0.5, Look(kScaffold, stand));
        s.Band(m, depth, depth + 0.6, z, z + 0.5, Look(kScaffold, stand));
    }
    s.Band(m, depth + 0.7, depth + 1.2, height * 0.3, height, TwoTone(kTarp, Rgb{30, 92, 80}, 16, 0.6, 0, stand), true);
    // Deck planks on the scaffold.
    s.Band(m, depth * 0.6, depth, height * 0.6, height * 0.6 + 0.5, TwoTone(Rgb{170, 130, 80}, Rgb{130, 96, 58}, 2, 0.7, 0, stand), true);
    // The crane: a yellow lattice tower, jib and counterweight.
    const double tu = s.Corner() ? depth * 0.45 : len * 0.78, tv = depth * 0.45, top = height + 40;
    LocalBox(m, f, tu - 1.2, tu + 1.2, tv - 1.2, tv + 1.2, 0, top, TwoTone(kCrane, Rgb{150, 112, 10}, 2.4, 0.65, 2, stand));
    const double reach = s.Corner() ? depth * 0.4 : std::min(60.0, len * 0.6);
    LocalBox(m, f, tu - reach, tu + 12, tv - 0.8, tv + 0.8, top, top + 1.8, TwoTone(kCrane, Rgb{150, 112, 10}, 2.0, 0.6, f.UAxis(), stand));
    LocalBox(m, f, tu + 7, tu + 12, tv - 1.6, tv + 1.6, top - 3, top, Look(kDarkConcrete, stand));
    LocalBox(m, f, tu - 1.6, tu + 1.6, tv - 1.6, tv + 1.6, top + 1.8, top + 5, Look(kCrane, stand));
    // The hook's line.
    LocalBox(m, f, tu - reach * 0.7, tu - reach * 0.7 + 0.3, tv - 0.15, tv + 0.15, height * 0.7, top, Look(Rgb{40, 40, 40}, stand));
}

// ---- the pitch and surroundings ----------------------------------------------

void BuildPitch(Mesh& m, bool dark) {
    const double k = dark ? 0.45 : 1.0;
    auto shade = [k](Rgb c) { return Rgb{c.r * k, c.g * k, c.b * k}; };
    // Apron and mown stripes.
    WorldBox(m, 168, 112, -0.2, 408, 272, 0, Look(shade(kApron), 0));
    WorldBox(m, 180, 122, 0, 396, 262, 0.05, TwoTone(shade(kGrassLight), shade(kGrassDark), 18, 0.5, 0, 0));
    const Tri3 line = Look(shade(kLine), 0, Surface3::Emissive);
    auto hline = [&](double x0, double x1, double y) { WorldBox(m, x0, y - 0.45, 0.05, x1, y + 0.45, 0.1, line); };
    auto vline = [&](double x, double y0, double y1) { WorldBox(m, x - 0.45, y0, 0.05, x + 0.45, y1, 0.1, line); };
    hline(180, 396, 122), hline(180, 396, 262), vline(180, 122, 262), vline(396, 122, 262), vline(288, 122, 262);
    for (int side = 0; side < 2; ++side) {
        const double gx = side ? 396 : 180, dir = side ? -1 : 1;
        const double box = 38, six = 13;
        vline(gx + dir * box, 192 - 46, 192 + 46);
        hline(std::min(gx, gx + dir * box), std::max(gx, gx + dir * box), 192 - 46);
        hline(std::min(gx, gx + dir * box), std::max(gx, gx + dir * box), 192 + 46);
        vline(gx + dir * six, 192 - 20, 192 + 20);
        hline(std::min(gx, gx + dir * six), std::max(gx, gx + dir * six), 192 - 20);
        hline(std::min(gx, gx + dir * six), std::max(gx, gx + dir * six), 192 + 20);
        WorldBox(m, gx + dir * 26 - 0.8, 191.2, 0.05, gx + dir * 26 + 0.8, 192.8, 0.1, line);
        // The goal: posts, bar and net.
        const double back = gx - dir * 5;
        WorldBox(m, std::min(gx, back), 183, 0, std::max(gx, back), 184, 5, Look(shade(Rgb{220, 220, 220}), 0));
        WorldBox(m, std::min(gx, back), 200, 0, std::max(gx, back), 201, 5, Look(shade(Rgb{220, 220, 220}), 0));
        WorldBox(m, std::min(gx, back), 183, 5, std::max(gx, back), 201, 5.6, TwoTone(shade(kLine), shade(Rgb{200, 200, 204}), 1.2, 0.4, 1, 0));
    }
    // The centre circle, as a ring of short segments.
    for (int i = 0; i < 48; ++i) {
        const double a0 = 2 * M_PI * i / 48, a1 = 2 * M_PI * (i + 1) / 48;
        const Vec3 p0{288 + 20 * std::cos(a0), 192 + 20 * std::sin(a0), 0.1}, p1{288 + 20 * std::cos(a1), 192 + 20 * std::sin(a1), 0.1};
        const Vec3 q0{288 + 19.1 * std::cos(a0), 192 + 19.1 * std::sin(a0), 0.1}, q1{288 + 19.1 * std::cos(a1), 192 + 19.1 * std::sin(a1), 0.1};
        m.Quad(q0, p0, p1, q1, {0, 0, 1}, line);
    }
}

void BuildSurroundings(Mesh& m) {
    // The ground round the stadium: verges, a ring road and car parks.
    WorldBox(m, -600, -700, -1.2, 1200, 900, -1.0, Grainy(kVerge, 0, 0.2));
    WorldBox(m, 80, 30, -1.0, 500, 350, -0.6, Grainy(Rgb{150, 148, 140}, 0, 0.08));
    // Car parks to the south and east, with rows of cars.
    WorldBox(m, 60, 352, -1.0, 540, 470, -0.6, TwoTone(kAsphalt, kLine, 5, 0.88, 0, 0));
    WorldBox(m, 506, 40, -1.0, 640, 340, -0.6, TwoTone(kAsphalt, kLine, 5, 0.88, 1, 0));
    const Rgb cars[6] = {{196, 36, 32}, {30, 60, 150}, {230, 230, 226}, {40, 40, 44}, {200, 170, 40}, {90, 120, 90}};
    int n = 0;
    for (double y = 362; y < 460; y += 16)
        for (double x = 66; x < 532; x += 5) {
            if (art::SurfaceColour(Look(kAsphalt, 0, Surface3::Noise), {x * 7, y * 3, 0}).r > 94 * 1.02) continue;
            WorldBox(m, x + 0.6, y, -0.6, x + 4.2, y + 8, 1.0, Look(cars[(n++) % 6], 0));
        }
    // The town behind: streets of houses with tiled roofs, and trees.
    for (int row = 0; row < 5; ++row)
        for (int i = 0; i < 26; ++i) {
            const double x = -80 + i * 30 + (row % 2) * 14, y = -30 - row * 40;
            const double h = 10 + ((i * 7 + row * 3) % 5) * 3;
            WorldBox(m, x, y, -1.0, x + 20, y + 16, h, Look(row % 2 ? kHouse : Rgb{196, 176, 150}, 0));
            WorldBox(m, x - 1, y - 1, h, x + 21, y + 17, h + 4, Look(kRoofTile, 0));
        }
    for (int i = 0; i < 40; ++i) {
        const double x = -40 + i * 17 + (i % 3) * 4, y = 14 + (i % 4) * 3;
        WorldBox(m, x, y, -1, x + 8, y + 8, 9 + (i % 3) * 2, Grainy(kTree, 0, 0.35));
    }
    for (int i = 0; i < 10; ++i) {
        const double x = -60 + (i % 2) * 14, y = 60 + i * 26;
        WorldBox(m, x, y, -1, x + 9, y + 9, 10, Grainy(kTree, 0, 0.35));
    }
}

// ---- views and pictures -------------------------------------------------------


Pixel ToPixel(Rgb c) {
    auto ch = [](double v) { return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255)); };
    uint8_t r = ch(c.r), g = ch(c.g), b = ch(c.b);
    if (art::NearKey(r, g, b)) g = static_cast<uint8_t>(std::min(255, g + 24));
    return platform::gfx::MakePixel(r, g, b);
}

// The frame's samples as a surface: samples of no object (or, for a layer,
// of another object) become the key.
Surface ToSurface(const art::Frame3& f, int keepObject, bool keyed) {
    Surface s(f.Width(), f.Height());
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x) {
            const bool mine = keepObject < 0 ? f.Object(x, y) >= 0 : f.Object(x, y) == keepObject;
            s.Set(x, y, keyed && !mine ? kKeyPixel : ToPixel(f.Colour(x, y)));
        }
    return s;
}

Bitmap8 Finish(const Surface& big, bool keyed, bool dither) {
    return art::Quantise(art::Shrink(big, kSupersample, keyed), keyed, dither);
}

art::Light3 Sun() { return {}; }

// Evening sky, dark blue above to warm at the horizon.
void Sky(art::Frame3& f, int horizon) {
    for (int y = 0; y < f.Height(); ++y) {
        const double t = std::clamp(static_cast<double>(y) / std::max(1, horizon), 0.0, 1.0);
        const Rgb c{40 + 200 * t * t, 62 + 110 * t, 128 + 40 * t - 20 * t * t};
        for (int x = 0; x < f.Width(); ++x) f.SetColour(x, y, c);
    }
}

Bitmap8 PlanPart(int stand, const StandLayout& l, bool dev) {
    const parts::PlanRect env = parts::GetEnvelope(stand);
    art::Frame3 f(env.Width() * kSupersample, env.Height() * kSupersample);
    f.Clear({});
    Mesh m;
    if (dev)
        BuildWorks(m, stand, l.size >= 4);
    else
        BuildStand(m, stand, l);
    f.Draw(m, art::View3::TopDown(kSupersample, env.left, env.top), Sun());
    return Finish(ToSurface(f, stand, true), true, false);
}

Bitmap8 PlanPitch(bool dark) {
    const parts::PlanRect r = parts::GetPlanRect(0, 0);
    art::Frame3 f(r.Width() * kSupersample, r.Height() * kSupersample);
    f.Clear({});
    Mesh m;
    BuildPitch(m, dark);
    f.Draw(m, art::View3::TopDown(kSupersample, r.left, r.top), Sun());
    return Finish(ToSurface(f, -1, false), false, true);
}

// A ring or capsule outline, 3 px wide with a 1-px dark edge, keyed inside.
Bitmap8 Mark(int stand, int size, bool selected) {
    const parts::MarkSize ms = parts::GetMarkSize(stand, size);
    const int k = kSupersample;
    Surface s(ms.width * k, ms.height * k, kKeyPixel);
    const Pixel tone = selected ? platform::gfx::MakePixel(220, 30, 30) : platform::gfx::MakePixel(250, 250, 250);
    const Pixel edge = platform::gfx::MakePixel(30, 20, 24);
    const double w = ms.width * k, h = ms.height * k, rad = std::min(w, h) / 2;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            // Distance inside the capsule's boundary.
            const double px = x + 0.5, py = y + 0.5;
            double d;
            if (w >= h) {
                const double cx = std::clamp(px, rad, w - rad);
                d = rad - std::hypot(px - cx, py - h / 2);
            } else {
                const double cy = std::clamp(py, rad, h - rad);
                d = rad - std::hypot(px - w / 2, py - cy);
            }
            if (d < 0) continue;
            if (d < 1.0 * k || (d >= 4.0 * k && d < 5.0 * k)) s.Set(x, y, edge);
            else if (d < 4.0 * k) s.Set(x, y, tone);
        }
    return Finish(s, true, false);
}

// Seen from the pitch, a little above: each family at one scale, fitted so
// its largest design stands between the sky rows and the grass.
art::View3 ElevationView(int stand) {
    const double yaw = stand == 1 ? 45 : stand == 2 ? 0 : 90;
    art::View3 v = art::View3::ThreeQuarter(yaw, 22, 1, 0, 0);
    Mesh largest;
    BuildStand(largest, stand, StandLayout{5, 3, 0, 1});
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const Tri3& t : largest.tris)
        for (const Vec3& p : t.p) {
            const double sx = p.x * v.right.x + p.y * v.right.y + p.z * v.right.z;
            const double sy = p.x * v.down.x + p.y * v.down.y + p.z * v.down.z;
            x0 = std::min(x0, sx), x1 = std::max(x1, sx), y0 = std::min(y0, sy), y1 = std::max(y1, sy);
        }
    const double top = parts::kElevationSkyRows + 2, bottom = parts::kElevationHeight - 4;
    const double scale = std::min((parts::kElevationWidth - 12) / (x1 - x0), (bottom - top) / (y1 - y0));
    v.scale = scale * kSupersample;
    v.ox = (parts::kElevationWidth / 2.0 - (x0 + x1) / 2 * scale) * kSupersample;
    v.oy = (bottom - y1 * scale) * kSupersample;
    return v;
}

Bitmap8 Elevation(int stand, const StandLayout& l) {
    const int k = kSupersample;
    art::Frame3 f(parts::kElevationWidth * k, parts::kElevationHeight * k);
    f.Clear({});
    Sky(f, (parts::kElevationHeight - 3) * k);
    Mesh m;
    BuildStand(m, stand, l);
    const art::View3 v = ElevationView(stand);
    // The grass of the pitch in front of the stand, up to its front.
    Mesh lawn;
    const Tri3 grass = TwoTone(kGrassLight, kGrassDark, 9, 0.5, stand == 5 ? 0 : 1, 0);
    if (stand == 2)
        WorldBox(lawn, -400, 112, -0.6, 1000, 600, -0.3, grass);
    else if (stand == 5)
        WorldBox(lawn, 168, -400, -0.6, 700, 800, -0.3, grass);
    else  // the half of the ground in front of the corner's diagonal
        lawn.Quad({-300, 580, -0.3}, {580, -300, -0.3}, {1500, 600, -0.3}, {600, 1500, -0.3}, {0, 0, 1}, grass);
    f.Draw(lawn, v, Sun());
    f.Draw(m, v, Sun());
    Surface s = ToSurface(f, -1, false);
    return Finish(s, false, true);
}

}  // namespace

Mesh StandMesh(int stand, const StandLayout& layout, bool underDevelopment) {
    Mesh m;
    if (underDevelopment)
        BuildWorks(m, stand, true);
    else
        BuildStand(m, stand, layout);
    return m;
}

Mesh GroundMesh(bool surroundings) {
    Mesh m;
    BuildPitch(m, false);
    if (surroundings) BuildSurroundings(m);
    return m;
}

art::View3 SideView(bool supersampled) {
    const double k = supersampled ? kSupersample : 1;
    art::View3 v = art::View3::ThreeQuarter(18, 30, 1.22 * k, 0, 0);
    // The ground's centre a little below the picture's middle.
    const Vec3 c{288, 192, 0};
    v.ox = parts::kSideWidth * k / 2 - (c.x * v.right.x + c.y * v.right.y) * v.scale;
    v.oy = parts::kSideHeight * k * 0.56 - (c.x * v.down.x + c.y * v.down.y + c.z * v.down.z) * v.scale;
    return v;
}

namespace {

Bitmap8 SideStand(int stand, const StandLayout& l, bool dev) {
    // One frame a thread: the side view's frames are large.
    thread_local art::Frame3 f(parts::kSideWidth * kSupersample, parts::kSideHeight * kSupersample);
    f.Clear({});
    f.Draw(StandMesh(stand, l, dev), SideView(true), Sun());
    return Finish(ToSurface(f, stand, true), true, false);
}

Surface SideGroundSurface(const Mesh& stands) {
    art::Frame3 f(parts::kSideWidth * kSupersample, parts::kSideHeight * kSupersample);
    f.Clear({});
    Sky(f, static_cast<int>(f.Height() * 0.3));
    f.Draw(GroundMesh(true), SideView(true), Sun());
    f.Draw(stands, SideView(true), Sun());
    return art::Shrink(ToSurface(f, -1, false), kSupersample, false);
}

using Job = std::function<Bitmap8()>;
struct JobEntry {
    Job job;
    bool keyed;
};

const std::map<std::string, JobEntry>& Jobs() {
    static const std::map<std::string, JobEntry> jobs = [] {
        std::map<std::string, JobEntry> out;
        auto put = [&out](const std::string& name, Job j, bool keyed) {
            out.emplace(name, JobEntry{std::move(j), keyed});
        };
        for (int stand = 1; stand <= 8; ++stand) {
            for (int size = 0; size <= 5; ++size)
                for (uint8_t roof = 0; roof <= 3; ++roof)
                    for (uint8_t seating = 0; seating <= 2; ++seating)
                        for (uint8_t boxes = 0; boxes <= 1; ++boxes) {
                            StandLayout l{static_cast<uint8_t>(size), roof, seating, boxes};
                            if (parts::IsCorner(stand) && size < 2) l.roof = l.seating = 0;
                            if (l.roof > 0) l.seating = 0;
                            put(parts::PlanPartEntry(stand, l, false), [stand, l] { return PlanPart(stand, l, false); }, true);
                            put(parts::ElevationEntry(stand, l), [stand, l] {
                                const int family = parts::IsCorner(stand) ? 1 : parts::GetFamily(stand) == parts::Family::NorthSouth ? 2 : 5;
                                StandLayout el = l;
                                if (family == 1 && el.size == 0) el.size = 1;
                                return Elevation(family, el);
                            }, false);
                            put(parts::SideViewEntry(stand, l, false), [stand, l] {
                                StandLayout sl = l;
                                if (parts::IsCorner(stand) && sl.size == 0) sl.size = 1;
                                return SideStand(stand, sl, false);
                            }, true);
                        }
            put(parts::PlanPartEntry(stand, StandLayout{0, 0, 0, 0}, true), [stand] { return PlanPart(stand, {3, 0, 0, 0}, true); }, true);
            put(parts::PlanPartEntry(stand, StandLayout{5, 0, 0, 0}, true), [stand] { return PlanPart(stand, {5, 0, 0, 0}, true); }, true);
            put(parts::SideViewEntry(stand, StandLayout{}, true), [stand] { return SideStand(stand, {}, true); }, true);
            for (int size : {0, 4})
                for (bool selected : {false, true})
                    put(parts::MarkEntry(stand, size, selected), [stand, size, selected] { return Mark(stand, size, selected); }, true);
        }
        put(parts::PlanPitchEntry(false), [] { return PlanPitch(false); }, false);
        put(parts::PlanPitchEntry(true), [] { return PlanPitch(true); }, false);
        put(parts::SideViewPitchEntry(), [] {
            return art::Quantise(SideGroundSurface(Mesh{}), false, true);
        }, false);
        return out;
    }();
    return jobs;
}

}  // namespace

bool RenderEntry(const std::string& entry, Bitmap8& out, bool& keyed) {
    const auto& jobs = Jobs();
    const auto it = jobs.find(entry);
    if (it == jobs.end()) return false;
    out = it->second.job();
    keyed = it->second.keyed;
    return true;
}

Surface RenderWholeGround(const std::array<StandLayout, 8>& stands, const std::array<bool, 8>& underDevelopment) {
    Mesh all;
    for (int i = 0; i < 8; ++i) {
        StandLayout l = stands[static_cast<size_t>(i)];
        if (parts::IsCorner(i + 1) && l.size == 0) l.size = 1;
        all.Append(StandMesh(i + 1, l, underDevelopment[static_cast<size_t>(i)]));
    }
    return SideGroundSurface(all);
}

}  // namespace stadiumart
