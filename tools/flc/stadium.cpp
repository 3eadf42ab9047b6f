#include "stadium.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace clipgen {

namespace {

struct Rgb {
    uint8_t r, g, b;
};

void Put(flcw::FlcPalette& p, int i, Rgb c) {
    p[static_cast<size_t>(3 * i)] = c.r;
    p[static_cast<size_t>(3 * i + 1)] = c.g;
    p[static_cast<size_t>(3 * i + 2)] = c.b;
}

constexpr Rgb kOwn[64] = {
    {252, 0, 140},   {16, 16, 20},                                        // see-through, outline
    {240, 200, 165}, {214, 168, 132}, {172, 128, 98},                     // skin tones
    {212, 160, 116}, {180, 130, 90},  {138, 98, 68},
    {150, 100, 66},  {120, 80, 52},   {90, 58, 38},
    {106, 70, 48},   {80, 52, 36},    {56, 36, 26},
    {32, 26, 22},    {96, 60, 34},    {226, 196, 120}, {178, 92, 42},  // hair
    {24, 24, 26},    {236, 236, 236}, {120, 120, 124},                    // boots
    {252, 252, 252}, {214, 214, 220}, {162, 162, 174}, {36, 36, 44},      // ball
    {206, 244, 44},  {162, 204, 26},  {116, 150, 16},                     // keeper's shirt
    {62, 62, 84},    {42, 42, 60},    {26, 26, 40},                       // keeper's shorts
    {74, 74, 80},    {46, 46, 52},    {26, 26, 30},                       // officials' black
    {44, 156, 210},  {26, 118, 164},  {14, 82, 118},                      // physio
    {238, 238, 238}, {204, 204, 210}, {152, 152, 164},                    // stretcher
    {214, 30, 30},                                                        // its red cross
    {244, 244, 244}, {204, 204, 210}, {164, 164, 174},                    // net
    {255, 255, 255},                                                      // posts
    {72, 78, 98},    {52, 56, 74},    {32, 36, 50},                       // managers' suits
    {204, 60, 50},   {60, 92, 172},   {232, 232, 232}, {242, 202, 40}, {60, 142, 70}, {122, 122, 132},  // fans
    {255, 255, 246},                                                      // camera flash
    {96, 255, 96},   {20, 20, 20},                                        // the board
    {244, 124, 32},  {204, 96, 20},   {150, 70, 14},                      // keeper's gloves
    {222, 22, 22},   {250, 222, 30},                                      // flag colours
    {128, 128, 128}, {92, 92, 92},
};

// A tiny block font for the advertising boards.
const char* Glyph(char c) {
    switch (c) {
    case 'A': return "010101111101101";
    case 'B': return "110101110101110";
    case 'C': return "011100100100011";
    case 'D': return "110101101101110";
    case 'E': return "111100110100111";
    case 'F': return "111100110100100";
    case 'G': return "011100101101011";
    case 'H': return "101101111101101";
    case 'I': return "111010010010111";
    case 'K': return "101101110101101";
    case 'L': return "100100100100111";
    case 'M': return "101111111101101";
    case 'N': return "110101101101101";
    case 'O': return "010101101101010";
    case 'P': return "110101110100100";
    case 'R': return "110101110101101";
    case 'S': return "011100010001110";
    case 'T': return "111010010010010";
    case 'U': return "101101101101111";
    case 'V': return "101101101101010";
    case 'X': return "101101010101101";
    case 'Y': return "101101010010010";
    case 'Z': return "111001010100111";
    default: return "000000000000000";
    }
}

struct BoardAd {
    const char* text;
    uint8_t back, ink;
};

// Backdrop palette entries (0-63 and 96-255; 64-95 the grass ramp).
namespace bd {
constexpr uint8_t kSky = 1;         // 8 entries, top to horizon
constexpr uint8_t kRoof = 9, kRoofEdge = 10, kConcrete = 11, kConcreteDark = 12, kSeat = 13, kSeatDark = 14;
constexpr uint8_t kLine = 15, kPost = 16, kNet = 17, kNetDark = 18, kTunnel = 19, kBench = 20, kBenchRoof = 21;
constexpr uint8_t kTracksuitHome = 22, kTracksuitAway = 23, kBenchSeat = 46, kPerspexEdge = 47;
constexpr uint8_t kBoard = 24;      // 8 board backs, then 8 inks
constexpr uint8_t kCrowd = 96;      // 96 crowd colours
constexpr uint8_t kSkinC = 40;      // 6 skin tones of the crowd
}  // namespace bd

// Invented names that are palindromes of letters the font draws symmetric,
// so that a board still reads right in the left-hand clips, which are the
// right-hand ones flipped.
const BoardAd kAds[] = {
    {"AVOXOVA", 0, 8}, {"TIMIT", 1, 9},  {"HOVOH", 2, 10}, {"YAMAY", 3, 11},
    {"UMAMU", 4, 12},  {"TAHAT", 5, 13}, {"OMIMO", 6, 14}, {"VAXAV", 7, 15},
};

uint32_t Hash(uint32_t x, uint32_t y, uint32_t s) {
    uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u ^ s * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

std::array<uint8_t, 1024> BackdropPalette() {
    std::array<uint8_t, 1024> p{};
    auto set = [&](int i, int r, int g, int b) {
        p[static_cast<size_t>(4 * i)] = static_cast<uint8_t>(b);
        p[static_cast<size_t>(4 * i + 1)] = static_cast<uint8_t>(g);
        p[static_cast<size_t>(4 * i + 2)] = static_cast<uint8_t>(r);
    };
    for (int k = 0; k < 8; ++k) set(bd::kSky + k, 70 + 12 * k, 120 + 11 * k, 200 + 6 * k);
    set(bd::kRoof, 58, 62, 70);
    set(bd::kRoofEdge, 150, 154, 162);
    set(bd::kConcrete, 150, 146, 140);
    set(bd::kConcreteDark, 98, 94, 90);
    set(bd::kSeat, 40, 60, 120);
    set(bd::kSeatDark, 26, 40, 86);
    set(bd::kLine, 236, 240, 236);
    set(bd::kPost, 255, 255, 255);
    set(bd::kNet, 206, 208, 212);
    set(bd::kNetDark, 150, 152, 160);
    set(bd::kTunnel, 22, 22, 26);
    set(bd::kBench, 40, 40, 46);
    set(bd::kBenchRoof, 170, 200, 220);
    set(bd::kTracksuitHome, 36, 48, 92);
    set(bd::kTracksuitAway, 70, 74, 82);
    set(bd::kBenchSeat, 150, 30, 34);
    set(bd::kPerspexEdge, 228, 236, 242);
    const int backs[8][3] = {{200, 20, 30}, {20, 60, 160}, {250, 250, 250}, {250, 200, 0},
                             {20, 130, 60}, {30, 30, 34},  {240, 110, 10}, {110, 30, 140}};
    const int inks[8][3] = {{255, 255, 255}, {255, 220, 0}, {200, 20, 30}, {20, 20, 20},
                            {255, 255, 255}, {80, 230, 255}, {255, 255, 255}, {255, 255, 255}};
    for (int i = 0; i < 8; ++i) {
        set(bd::kBoard + i, backs[i][0], backs[i][1], backs[i][2]);
        set(bd::kBoard + 8 + i, inks[i][0], inks[i][1], inks[i][2]);
    }
    const int skins[6][3] = {{236, 196, 160}, {210, 162, 126}, {170, 124, 92}, {130, 86, 58}, {92, 60, 40}, {224, 184, 150}};
    for (int i = 0; i < 6; ++i) set(bd::kSkinC + i, skins[i][0], skins[i][1], skins[i][2]);
    for (int k = 0; k < 32; ++k) set(pal::kGrass + k, 0, 128 - 4 * k, 0);
    // The crowd's clothes: many hues at three lightnesses.
    for (int i = 0; i < 96; ++i) {
        const double hue = (i % 32) / 32.0 * 6.0;
        const double light = 0.5 + 0.22 * (i / 32);
        const int sector = static_cast<int>(hue);
        const double f = hue - sector;
        double r = 0, g = 0, b = 0;
        switch (sector % 6) {
        case 0: r = 1, g = f, b = 0; break;
        case 1: r = 1 - f, g = 1, b = 0; break;
        case 2: r = 0, g = 1, b = f; break;
        case 3: r = 0, g = 1 - f, b = 1; break;
        case 4: r = f, g = 0, b = 1; break;
        default: r = 1, g = 0, b = 1 - f; break;
        }
        // Muted and a little dark, as clothes in a crowd are.
        const double grey = 0.42;
        r = (r * 0.38 + grey * 0.62) * light * 230;
        g = (g * 0.38 + grey * 0.62) * light * 230;
        b = (b * 0.38 + grey * 0.62) * light * 230;
        set(bd::kCrowd + i, static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
    }
    return p;
}

// The stands: a wall of seats behind the boards rising to a roof. `u`
// runs along the stand and `z` is the height; a cell of 0.55 x 0.45 m is
// one seat, filled by a spectator unless the stand is emptying.
uint8_t StandPixel(double u, double z, double depthScale, uint32_t standId, bool sparse) {
    if (z > 15.5) return bd::kRoof;
    if (z > 15.0) return bd::kRoofEdge;
    if (z < 1.2) return bd::kConcreteDark;
    if (z < 1.5) return bd::kConcrete;
    const double cellW = 0.55, cellH = 0.45;
    const double rowF = (z - 1.5) / cellH, colF = u / cellW;
    const int row = static_cast<int>(std::floor(rowF));
    const double rowShift = (row % 2) * 0.5;
    const int col = static_cast<int>(std::floor(colF + rowShift));
    // Gangways every 24 seats.
    const int block = ((col % 26) + 26) % 26;
    if (block == 0 || block == 1) return (row % 2) ? bd::kConcrete : bd::kConcreteDark;
    const uint32_t h = Hash(static_cast<uint32_t>(col + 5000), static_cast<uint32_t>(row + 100), standId);
    const bool occupied = sparse ? (h % 23) == 0 : (h % 9) != 0;
    const double fx = colF + rowShift - std::floor(colF + rowShift), fy = rowF - row;
    if (!occupied) return fy > 0.55 ? bd::kSeatDark : bd::kSeat;
    // Far away a spectator is a dot of his clothes, mostly dark ones, with a
    // face now and then; close, a head and a body.
    if (depthScale < 6) {
        if (fy > 0.62 && (h >> 20) % 3 == 0) return static_cast<uint8_t>(bd::kSkinC + (h >> 4) % 6);
        return static_cast<uint8_t>(bd::kCrowd + (h >> 8) % 64);
    }
    const double headY = 0.72, headR = 0.16;
    const double dx = fx - 0.5, dy = fy - headY;
    if (dx * dx + dy * dy < headR * headR) return static_cast<uint8_t>(bd::kSkinC + (h >> 4) % 6);
    if (fy < 0.58 && std::fabs(dx) < 0.36) return static_cast<uint8_t>(bd::kCrowd + (h >> 8) % 96);
    return fy > 0.55 ? bd::kSeatDark : bd::kSeat;
}

uint8_t BoardPixel(double u, double z) {
    // Boards of 9 m, each an advert with a name in block letters.
    const double boardLen = 9.0;
    const int index = static_cast<int>(std::floor(u / boardLen));
    const BoardAd& ad = kAds[((index % 8) + 8) % 8];
    const double local = u - index * boardLen;
    if (local < 0.08) return bd::kConcreteDark;
    const int len = static_cast<int>(std::strlen(ad.text));
    const double letterW = 0.75, gap = 0.2, letterH = 0.62;
    const double textW = len * letterW + (len - 1) * gap;
    const double x0 = (boardLen - textW) / 2, y0 = (0.9 - letterH) / 2;
    const double lx = local - x0, ly = z - y0;
    if (lx >= 0 && lx < textW && ly >= 0 && ly < letterH) {
        const int li = static_cast<int>(lx / (letterW + gap));
        const double inLetter = lx - li * (letterW + gap);
        if (li < len && inLetter < letterW) {
            const int gx = std::clamp(static_cast<int>(inLetter / letterW * 3), 0, 2);
            const int gy = std::clamp(4 - static_cast<int>(ly / letterH * 5), 0, 4);
            if (Glyph(ad.text[li])[gy * 3 + gx] == '1') return static_cast<uint8_t>(bd::kBoard + ad.ink);
        }
    }
    return static_cast<uint8_t>(bd::kBoard + ad.back);
}

// A dugout seen from the pitch: a perspex shelter 8 m long and 2.4 m high,
// a row of red seats inside with the substitutes in their tracksuits.
// `local` runs 0..8 along it.
uint8_t DugoutPixel(double local, double z, bool home) {
    if (z > 2.25) return bd::kPerspexEdge;
    if (z > 2.0) return bd::kBenchRoof;
    if (local < 0.12 || local > 7.88) return bd::kPerspexEdge;
    if (local < 0.35 || local > 7.65) return bd::kBenchRoof;
    if (z < 0.25) return bd::kConcrete;
    const double seatW = 0.62;
    const int seat = static_cast<int>(std::floor((local - 0.35) / seatW));
    const double fx = (local - 0.35) / seatW - seat;
    const uint32_t h = Hash(static_cast<uint32_t>(seat + 77), home ? 1u : 2u, 9u);
    const bool taken = h % 5 != 0;
    const bool seatBack = z > 0.45 && z < 1.0 && fx > 0.1 && fx < 0.9;
    if (taken) {
        // Head and shoulders over the seat back, knees at its foot.
        const double dx = fx - 0.5, dy = z - 1.17;
        if (dx * dx + dy * dy < 0.017) return static_cast<uint8_t>(bd::kSkinC + (h >> 4) % 6);
        if (z > 0.55 && z < 1.06 && std::fabs(dx) < 0.3 - (z - 0.55) * 0.2) return home ? bd::kTracksuitHome : bd::kTracksuitAway;
        if (z > 0.25 && z < 0.55 && std::fabs(dx) < 0.22) return home ? bd::kTracksuitHome : bd::kTracksuitAway;
    }
    if (seatBack || (z > 0.4 && z < 0.5)) return bd::kBenchSeat;
    return bd::kBench;
}

double DistToSeg(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double qx = ax + t * dx - px, qy = ay + t * dy - py;
    return std::sqrt(qx * qx + qy * qy);
}

bool OnLine(double x, double y, double w) {
    const double L = kPitchLength, W = kPitchWidth, cx = L / 2, cy = W / 2;
    auto seg = [&](double ax, double ay, double bx, double by) { return DistToSeg(x, y, ax, ay, bx, by) < w; };
    auto arc = [&](double ox, double oy, double r) { return std::fabs(std::hypot(x - ox, y - oy) - r) < w; };
    if (seg(0, 0, L, 0) || seg(0, W, L, W) || seg(0, 0, 0, W) || seg(L, 0, L, W) || seg(cx, 0, cx, W)) return true;
    if (arc(cx, cy, 9.15) || std::hypot(x - cx, y - cy) < w * 2.2) return true;
    for (int side = 0; side < 2; ++side) {
        const double gx = side ? L : 0, s = side ? -1 : 1;
        const double bx = gx + s * 16.5, sx = gx + s * 5.5;
        if (seg(gx, cy - 20.16, bx, cy - 20.16) || seg(gx, cy + 20.16, bx, cy + 20.16) || seg(bx, cy - 20.16, bx, cy + 20.16))
            return true;
        if (seg(gx, cy - 9.16, sx, cy - 9.16) || seg(gx, cy + 9.16, sx, cy + 9.16) || seg(sx, cy - 9.16, sx, cy + 9.16))
            return true;
        const double px = gx + s * 11;
        if (std::hypot(x - px, y - cy) < w * 2.2) return true;
        // The arc outside the area.
        const double d = std::hypot(x - px, y - cy);
        if (std::fabs(d - 9.15) < w && s * (x - bx) > 0) return true;
        // Corner arcs.
        for (double cyy : {0.0, W})
            if (std::fabs(std::hypot(x - gx, y - cyy) - 1.0) < w && s * (x - gx) >= 0 && (cyy == 0 ? y >= 0 : y <= W)) return true;
    }
    return false;
}

void DrawGoal(art::Canvas8& c, const art::Camera& cam, bool right, uint8_t post, uint8_t net, uint8_t netDark) {
    const double gx = right ? kPitchLength : 0, back = right ? kPitchLength + 2.0 : -2.0;
    const double y0 = kPitchWidth / 2 - 3.66, y1 = kPitchWidth / 2 + 3.66, h = 2.44;
    auto line = [&](art::Vec3 a, art::Vec3 b, uint8_t col, double widthM) {
        const art::ScreenPoint pa = cam.Project(a), pb = cam.Project(b);
        if (!pa.visible || !pb.visible) return;
        const double r = std::max(0.5, widthM * (pa.scale + pb.scale) / 2);
        if (r <= 0.7)
            c.Line(pa.x, pa.y, pb.x, pb.y, col);
        else
            c.Capsule(pa.x, pa.y, pb.x, pb.y, r, r, art::Flat(col));
    };
    // The net: a mesh over the back, the sides and the roof.
    const int n = 14;
    for (int i = 0; i <= n; ++i) {
        const double y = y0 + (y1 - y0) * i / n;
        line({gx, y, h}, {back, y, h * 0.9}, net, 0.01);
        line({back, y, h * 0.9}, {back, y, 0}, netDark, 0.01);
    }
    for (int k = 0; k <= 6; ++k) {
        const double z = h * 0.9 * k / 6;
        line({back, y0, z}, {back, y1, z}, netDark, 0.01);
        line({gx, y0, z * 1.1}, {back, y0, z}, net, 0.01);
        line({gx, y1, z * 1.1}, {back, y1, z}, net, 0.01);
    }
    for (int k = 0; k <= 4; ++k) {
        const double x = gx + (back - gx) * k / 4;
        line({x, y0, h - 0.1 * k / 4 * h}, {x, y1, h - 0.1 * k / 4 * h}, net, 0.01);
        line({x, y0, 0}, {x, y0, h - 0.1 * k / 4 * h}, netDark, 0.01);
        line({x, y1, 0}, {x, y1, h - 0.1 * k / 4 * h}, netDark, 0.01);
    }
    line({gx, y0, 0}, {gx, y0, h}, post, 0.06);
    line({gx, y1, 0}, {gx, y1, h}, post, 0.06);
    line({gx, y0, h}, {gx, y1, h}, post, 0.06);
}

const CameraSetup kCameras[] = {
    {"centre", {52.5, 104, 24}, {52.5, 30, 0}, 42},
    {"half", {80, 102, 22}, {87, 30, 0}, 44},
    {"box", {93, 88, 13}, {96, 33, 0}, 27},
    {"goal", {117, 58, 7}, {100, 34, 0.5}, 22},
    {"corner-top", {93, 17, 5}, {102, 3, 0.5}, 13},
    {"corner-bottom", {93, 50, 6}, {102, 66, 0.5}, 13},
    {"touchline", {52.5, 54, 2.6}, {52.5, 70, 1.2}, 13},
    {"far-line", {61, 40, 9}, {61, 6, 0}, 24},
    {"dugout-home", {43.5, 59, 2.2}, {43.5, 73, 1.1}, 11},
    {"dugout-away", {61.5, 59, 2.2}, {61.5, 73, 1.1}, 11},
    {"tunnel", {40, 50, 4.5}, {52.5, 72, 1.0}, 20},
    {"close", {52.5, 45, 2.1}, {52.5, 36, 1.0}, 8},
    {"net", {113, 38.5, 2.4}, {94, 33, 0.8}, 14, false, true},
    {"assistant", {60, 11, 1.9}, {60, 0, 1.2}, 6},
    {"referee", {52.5, 43, 1.8}, {52.5, 35, 1.1}, 6},
    {"empty", {52.5, 118, 38}, {52.5, 26, 3}, 92, true},
    {"stadium", {52.5, 112, 30}, {52.5, 28, 2}, 80},
};

}  // namespace

flcw::FlcPalette ClipPalette() {
    flcw::FlcPalette p{};
    for (int i = 0; i < 64; ++i) Put(p, i, kOwn[i]);
    for (int k = 0; k < 32; ++k) Put(p, pal::kGrass + k, {0, static_cast<uint8_t>(128 - 4 * k), 0});
    for (int k = 0; k < 32; ++k) Put(p, 96 + k, {0, 0, 0});
    // Neutral grey ramps for the four kit ranges; the player recolours them.
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 32; ++k) {
            const uint8_t g = static_cast<uint8_t>(255 - 255 * k / 32);
            Put(p, 128 + 32 * r + k, {g, g, g});
        }
    return p;
}

const CameraSetup* FindCamera(const std::string& name) {
    for (const CameraSetup& c : kCameras)
        if (name == c.name) return &c;
    return nullptr;
}

art::Camera MakeCamera(const CameraSetup& s) { return art::Camera(s.eye, s.target, s.span, kWidth, kHeight); }

Backdrop DrawBackdrop(const CameraSetup& setup) {
    const art::Camera cam = MakeCamera(setup);
    Backdrop b;
    b.palette = BackdropPalette();
    b.pixels = art::Canvas8(kWidth, kHeight, 0);
    // The walls round the ground: boards 0.9 m high a few metres off the
    // lines, the stands behind them.
    const double farY = -5, nearY = kPitchWidth + 6, leftX = -6, rightX = kPitchLength + 6;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double sx = x + 0.5, sy = y + 0.5;
            art::Vec3 g;
            uint8_t col = 0;
            const bool hitsGround = cam.Ground(sx, sy, 0, g);
            // A camera on a gantry behind the walls sees the ground below it
            // as the worn turf beyond the lines.
            const art::Vec3 eye = cam.Eye();
            const bool besideEye = (eye.x > rightX && g.x >= rightX) || (eye.x < leftX && g.x <= leftX) ||
                                   (eye.y > nearY && g.y >= nearY) || (eye.y < farY && g.y <= farY);
            if (hitsGround && besideEye) {
                col = static_cast<uint8_t>(((static_cast<int>(std::floor(g.x / 5.25)) % 2 == 0) ? pal::kStripeLight : pal::kStripeDark) + 2);
            } else if (hitsGround && g.x > leftX && g.x < rightX && g.y > farY && g.y < nearY) {
                // Turf: mowing stripes of 5.25 m across the pitch, and lines.
                const art::ScreenPoint sp = cam.Project(g);
                const double lineW = std::max(0.06, 0.7 / std::max(sp.scale, 0.01));
                if (g.x >= -0.2 && g.x <= kPitchLength + 0.2 && g.y >= -0.2 && g.y <= kPitchWidth + 0.2 && OnLine(g.x, g.y, lineW)) {
                    col = bd::kLine;
                } else {
                    const int stripe = static_cast<int>(std::floor(g.x / 5.25));
                    col = (stripe % 2 == 0) ? pal::kStripeLight : pal::kStripeDark;
                    // A slightly darker, worn band beyond the lines.
                    if (g.x < 0 || g.x > kPitchLength || g.y < 0 || g.y > kPitchWidth) col = static_cast<uint8_t>(col + 2);
                }
            } else {
                // The nearest wall the ray meets above the ground.
                double best = 1e18;
                art::Vec3 hit;
                int wall = -1;
                const art::Vec3 e = cam.Eye();
                auto consider = [&](bool ok, const art::Vec3& p, int w) {
                    if (!ok || p.z < 0) return;
                    const double d = (p.x - e.x) * (p.x - e.x) + (p.y - e.y) * (p.y - e.y) + (p.z - e.z) * (p.z - e.z);
                    if (d < best) {
                        best = d;
                        hit = p;
                        wall = w;
                    }
                };
                art::Vec3 p;
                if (e.y > farY) consider(cam.WallY(sx, sy, farY, p) && p.x > leftX - 1 && p.x < rightX + 1, p, 0);
                if (e.y < nearY) consider(cam.WallY(sx, sy, nearY, p) && p.x > leftX - 1 && p.x < rightX + 1, p, 1);
                if (e.x > leftX) consider(cam.WallX(sx, sy, leftX, p) && p.y > farY - 1 && p.y < nearY + 1, p, 2);
                if (e.x < rightX) consider(cam.WallX(sx, sy, rightX, p) && p.y > farY - 1 && p.y < nearY + 1, p, 3);
                if (wall < 0) {
                    const double t = std::clamp(static_cast<double>(y) / kHeight * 2.0, 0.0, 0.999);
                    col = static_cast<uint8_t>(bd::kSky + static_cast<int>(t * 8));
                } else {
                    // Along the wall, left to right as seen from the pitch.
                    const double u = wall == 0 ? hit.x : wall == 1 ? -hit.x : wall == 2 ? -hit.y : hit.y;
                    const art::ScreenPoint sp = cam.Project(hit);
                    if (hit.z > 17.5) {
                        const double t = std::clamp(static_cast<double>(y) / kHeight * 2.0, 0.0, 0.999);
                        col = static_cast<uint8_t>(bd::kSky + static_cast<int>(t * 8));
                    } else if (wall == 1 && std::fabs(std::fabs(hit.x - kPitchLength / 2) - 9) < 4 && hit.z < 2.4) {
                        // The dugouts either side of the tunnel, the home one on the left.
                        const bool home = hit.x < kPitchLength / 2;
                        col = DugoutPixel(hit.x - (kPitchLength / 2 + (home ? -13 : 5)), hit.z, home);
                    } else if (hit.z < 0.9) {
                        col = BoardPixel(u + wall * 3.7, hit.z);
                    } else if (wall == 1 && std::fabs(hit.x - kPitchLength / 2) < 2.2 && hit.z < 3.2) {
                        col = bd::kTunnel;  // the players' tunnel under the main stand
                    } else {
                        col = StandPixel(u, hit.z - 0.9 + 1.2, sp.scale, static_cast<uint32_t>(wall), setup.sparseCrowd);
                    }
                }
            }
            b.pixels.Set(x, y, col);
        }
    DrawGoal(b.pixels, cam, true, bd::kPost, bd::kNet, bd::kNetDark);
    DrawGoal(b.pixels, cam, false, bd::kPost, bd::kNet, bd::kNetDark);
    return b;
}

void DrawNetInFront(art::Canvas8& frame, const art::Camera& cam, double bulge) {
    (void)bulge;
    const double gx = kPitchLength, back = kPitchLength + 2.0;
    const double y0 = kPitchWidth / 2 - 3.66, y1 = kPitchWidth / 2 + 3.66, h = 2.44;
    auto line = [&](art::Vec3 a, art::Vec3 b, uint8_t col) {
        const art::ScreenPoint pa = cam.Project(a), pb = cam.Project(b);
        if (pa.visible && pb.visible) frame.Line(pa.x, pa.y, pb.x, pb.y, col);
    };
    for (int i = 0; i <= 24; ++i) {
        const double y = y0 + (y1 - y0) * i / 24;
        line({back, y, 0}, {back, y, h * 0.9}, pal::kNet + 1);
    }
    for (int k = 0; k <= 10; ++k) {
        const double z = h * 0.9 * k / 10;
        line({back, y0, z}, {back, y1, z}, pal::kNet + 1);
    }
    (void)gx;
}

}  // namespace clipgen
