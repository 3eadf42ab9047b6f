// The country selection page's pictures: the Europe and World maps with
// their page furniture, the two flag sheets and the page's buttons.
//
// The maps are stylised: each map country is the region of the land nearest
// its flag, the land a soft-edged mass round the flags. The flags stand on
// their own country, and no text is drawn into the pictures.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kMapW = 788, kMapH = 550;
constexpr int kPanelTop = 117;
// The group buttons stand at the lower left, under the map.
constexpr int kButtonStripTop = 512;

struct MapCountry {
    int id = 0;
    std::string code;
    bool europe = true;
    int x = 0, y = 0, order = 0;
};

std::vector<std::string> CountrySplit(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, sep);) out.push_back(part);
    if (!s.empty() && s.back() == sep) out.emplace_back();
    return out;
}

std::vector<MapCountry> ReadMapCountries(const std::filesystem::path& assets) {
    std::ifstream in(assets / "world" / "countries.txt");
    if (!in) throw std::runtime_error("no country table");
    std::vector<MapCountry> out;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto f = CountrySplit(line, '|');
        if (f.size() < 12 || (f[9] != "Europe" && f[9] != "World")) continue;
        MapCountry c;
        c.id = std::stoi(f[0]);
        c.code = f[2];
        c.europe = f[9] == "Europe";
        for (size_t k = 12; k < f.size(); ++k) {
            if (f[k].rfind("flag=", 0) == 0) std::sscanf(f[k].c_str() + 5, "%d,%d", &c.x, &c.y);
            if (f[k].rfind("order=", 0) == 0) c.order = std::stoi(f[k].substr(6));
        }
        out.push_back(c);
    }
    std::stable_sort(out.begin(), out.end(), [](const MapCountry& a, const MapCountry& b) {
        return a.europe != b.europe ? a.europe : a.order < b.order;
    });
    return out;
}

// Smooth value noise in [0, 1), for coasts and relief.
double Smooth(double x, double y, uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto n = [&](int a, int b) { return Noise(static_cast<uint32_t>(a + 4096), static_cast<uint32_t>(b + 4096), seed); };
    const double top = n(x0, y0) * (1 - sx) + n(x0 + 1, y0) * sx;
    const double bottom = n(x0, y0 + 1) * (1 - sx) + n(x0 + 1, y0 + 1) * sx;
    return top * (1 - sy) + bottom * sy;
}

double Fractal(double x, double y, uint32_t seed) {
    return 0.55 * Smooth(x / 40, y / 40, seed) + 0.3 * Smooth(x / 17, y / 17, seed + 1) +
           0.15 * Smooth(x / 7, y / 7, seed + 2);
}

Pixel Mix(Pixel a, Pixel b, double t) {
    return MakePixel(static_cast<int>(PixelR(a) + (PixelR(b) - PixelR(a)) * t),
                     static_cast<int>(PixelG(a) + (PixelG(b) - PixelG(a)) * t),
                     static_cast<int>(PixelB(a) + (PixelB(b) - PixelB(a)) * t));
}

Pixel Scale(Pixel p, double f) {
    auto c = [&](int v) { return std::clamp(static_cast<int>(v * f), 0, 255); };
    return MakePixel(c(PixelR(p)), c(PixelG(p)), c(PixelB(p)));
}

}  // namespace

// The map's country ids pixel by pixel: 0 for the sea and the furniture.
std::vector<int> CountryMapRaster(const std::filesystem::path& assets, bool europe) {
    std::vector<MapCountry> sites;
    for (const MapCountry& c : ReadMapCountries(assets))
        if (c.europe == europe) sites.push_back(c);
    std::vector<int> ids(static_cast<size_t>(kMapW * kMapH), 0);
    const double reach = europe ? 30.0 : 44.0;
    const int buttonsRight = europe ? 276 : 150;
    for (int y = kPanelTop + 4; y < kMapH - 4; ++y)
        for (int x = 4; x < kMapW - 4; ++x) {
            if (y >= kButtonStripTop && x < buttonsRight) continue;
            // The coast and the borders wander with the noise.
            const double wx = x + 14 * (Fractal(x, y, 11) - 0.5), wy = y + 14 * (Fractal(x, y, 12) - 0.5);
            double best = 1e18;
            int id = 0;
            for (const MapCountry& c : sites) {
                const double dx = wx - (c.x + 9), dy = (wy - (c.y + 7)) * 1.15;
                const double d = dx * dx + dy * dy;
                if (d < best) best = d, id = c.id;
            }
            const double coast = reach * (0.75 + 0.6 * Fractal(x, y, 13));
            if (std::sqrt(best) < coast) ids[static_cast<size_t>(y * kMapW + x)] = id;
        }
    // Every country keeps at least a small disc round its flag's centre.
    for (const MapCountry& c : sites)
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (dx * dx + dy * dy <= 9)
                    ids[static_cast<size_t>((c.y + 7 + dy) * kMapW + c.x + 9 + dx)] = c.id;
    return ids;
}

namespace {

Bitmap8 CountryMap(const std::filesystem::path& assets, bool europe) {
    const std::vector<int> ids = CountryMapRaster(assets, europe);
    auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kMapW || y >= kMapH) return 0;
        return ids[static_cast<size_t>(y * kMapW + x)];
    };
    // Neighbours take different tones: greedy colouring in id order.
    std::map<int, std::set<int>> touching;
    for (int y = 0; y < kMapH - 1; ++y)
        for (int x = 0; x < kMapW - 1; ++x) {
            const int a = at(x, y), b = at(x + 1, y), c = at(x, y + 1);
            if (a && b && a != b) touching[a].insert(b), touching[b].insert(a);
            if (a && c && a != c) touching[a].insert(c), touching[c].insert(a);
        }
    static const Pixel kTones[6] = {MakePixel(233, 214, 172), MakePixel(214, 190, 148), MakePixel(238, 226, 196),
                                    MakePixel(206, 198, 150), MakePixel(226, 196, 160), MakePixel(218, 210, 176)};
    std::map<int, int> tone;
    for (const MapCountry& c : ReadMapCountries(assets)) {
        if (c.europe != europe) continue;
        std::set<int> used;
        for (int n : touching[c.id])
            if (tone.count(n)) used.insert(tone[n]);
        int t = 0;
        while (used.count(t) && t < 5) ++t;
        tone[c.id] = t;
    }
    // The sea's distance from the land, for the lighter coastal band.
    std::vector<int> dist(ids.size(), 99);
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i]) dist[i] = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < kMapW * kMapH; ++k) {
            const int i = pass == 0 ? k : kMapW * kMapH - 1 - k;
            const int x = i % kMapW, y = i / kMapW, s = pass == 0 ? -1 : 1;
            int& d = dist[static_cast<size_t>(i)];
            if (x + s >= 0 && x + s < kMapW) d = std::min(d, dist[static_cast<size_t>(i + s)] + 1);
            if (y + s >= 0 && y + s < kMapH) d = std::min(d, dist[static_cast<size_t>(i + s * kMapW)] + 1);
        }
    Surface s(kMapW, kMapH, MakePixel(0, 0, 0));
    for (int y = 0; y < kMapH; ++y)
        for (int x = 0; x < kMapW; ++x) {
            Pixel& p = s.Row(y)[x];
            const int id = at(x, y);
            if (y < kPanelTop) continue;
            if (!id) {
                // Deep blue to teal, lighter along the coasts.
                const double t = std::clamp((x * 0.6 + (y - kPanelTop)) / 900.0, 0.0, 1.0);
                p = Mix(MakePixel(14, 38, 92), MakePixel(18, 98, 116), t);
                const int d = dist[static_cast<size_t>(y * kMapW + x)];
                if (d < 14) p = Mix(p, MakePixel(96, 170, 178), 0.45 * (1 - d / 14.0));
                // A soft shadow to the lower right of the land.
                if (at(x - 3, y - 3) || at(x - 2, y - 2)) p = Scale(p, 0.72);
                p = Scale(p, 0.96 + 0.08 * Fractal(x * 2, y * 2, 21));
                continue;
            }
            p = kTones[tone[id]];
            // Relief: light from the upper left over a noise height field.
            const double h0 = Fractal(x * 1.5, y * 1.5, 31), h1 = Fractal(x * 1.5 + 1.5, y * 1.5 + 1.5, 31);
            p = Scale(p, 1.0 + 1.6 * (h0 - h1) + 0.05 * (Fractal(x * 4, y * 4, 32) - 0.5));
            const bool coast = !at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1);
            const bool border = (at(x + 1, y) && at(x + 1, y) != id) || (at(x, y + 1) && at(x, y + 1) != id);
            if (coast) p = MakePixel(58, 52, 40);
            else if (border) p = Scale(p, 0.6);
        }
    // A faint graticule over the panel.
    const int step = europe ? 48 : 64;
    for (int y = kPanelTop; y < kMapH; ++y)
        for (int x = 0; x < kMapW; ++x)
            if ((x % step == step / 2) || ((y - kPanelTop) % step == step / 2)) Blend(s.Row(y)[x], 230, 240, 255, 0.10);
    // Header band for the two hints and "OK".
    for (int y = 0; y < 89; ++y)
        for (int x = 0; x < kMapW; ++x) {
            const double t = y / 88.0;
            s.Row(y)[x] = Mix(MakePixel(238, 236, 226), MakePixel(212, 208, 192), t);
            if (y == 88) s.Row(y)[x] = MakePixel(120, 112, 96);
        }
    // The tab strip: both tabs, this map's in front.
    for (int y = 89; y < kPanelTop; ++y)
        for (int x = 0; x < kMapW; ++x) s.Row(y)[x] = Mix(MakePixel(20, 30, 46), MakePixel(10, 16, 26), (y - 89) / 28.0);
    for (int tab = 0; tab < 2; ++tab) {
        const int cx = tab == 0 ? 80 : 450;
        const bool front = (tab == 0) == europe;
        for (int y = 92; y < kPanelTop; ++y)
            for (int x = cx - 55; x < cx + 55; ++x) {
                Pixel c = front ? MakePixel(26, 78, 98) : MakePixel(30, 42, 56);
                if (x == cx - 55 || x == cx + 54 || y == 92) c = front ? MakePixel(120, 190, 200) : MakePixel(70, 84, 96);
                s.Row(y)[x] = c;
            }
    }
    // A plate under the map for the group buttons.
    const int plateRight = europe ? 276 : 150;
    for (int y = kButtonStripTop; y < kMapH; ++y)
        for (int x = 0; x < plateRight; ++x) {
            Pixel c = Mix(MakePixel(30, 40, 54), MakePixel(14, 20, 30), (y - kButtonStripTop) / 38.0);
            if (y == kButtonStripTop || x == plateRight - 1) c = MakePixel(120, 150, 170);
            s.Row(y)[x] = c;
        }
    return Quantise(s, false, true);
}

// A picture button: a bevelled plate on the key colour, no caption.
Bitmap8 CountryButton(int w, int h) {
    Surface s(w, h, kKeyPixel);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            const bool corner = (x == 1 || x == w - 2) && (y == 1 || y == h - 2);
            if (corner) continue;
            Pixel p = Mix(MakePixel(58, 104, 148), MakePixel(20, 44, 76), double(y) / h);
            if (y == 1 || x == 1) p = MakePixel(150, 190, 222);
            if (y == h - 2 || x == w - 2) p = MakePixel(10, 20, 36);
            s.Row(y)[x] = p;
        }
    return Quantise(s, true, false);
}

}  // namespace

std::vector<Picture> CountryPictures(const std::filesystem::path& assets) {
    std::vector<Picture> out;
    std::map<std::string, const FlagDesign*> designs;
    const std::vector<FlagDesign> table = ReadFlagTable(assets);
    for (const FlagDesign& d : table) designs[d.code] = &d;
    Surface bright(120, 144, MakePixel(24, 26, 32));
    Surface dim(120, 144, MakePixel(24, 26, 32));
    for (const MapCountry& c : ReadMapCountries(assets)) {
        auto d = designs.find(c.code);
        if (d == designs.end()) throw std::runtime_error("no flag for " + c.code);
        const Surface flag = FlagSurface(d->second->pattern, d->second->colours, 18, 14);
        const int column = c.order % 7, row = (c.europe ? 0 : 7) + c.order / 7;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 18; ++x) {
                const Pixel p = flag.Row(y)[x];
                bright.Row(13 * row + y)[17 * column + x] = p;
                // Dimmed and greyed to about 40 %, so a chosen flag stands out.
                const double grey = 0.3 * PixelR(p) + 0.59 * PixelG(p) + 0.11 * PixelB(p);
                auto c2 = [&](int v) { return static_cast<int>((0.5 * v + 0.5 * grey) * 0.4); };
                dim.Row(13 * row + y)[17 * column + x] = MakePixel(c2(PixelR(p)), c2(PixelG(p)), c2(PixelB(p)));
            }
    }
    out.push_back({"flags", "flags.bmp", false, Quantise(bright, false, false)});
    out.push_back({"flags", "flagslo.bmp", false, Quantise(dim, false, false)});
    out.push_back({"buttons", "blankcountry.bmp", true, CountryButton(60, 24)});
    out.push_back({"buttons", "4upblank.bmp", true, CountryButton(120, 32)});
    Bitmap8 europe = CountryMap(assets, true);
    out.push_back({"backgrounds", "countryselectioneurope.bmp", false, europe});
    out.push_back({"backgrounds", "data selection2.bmp", false, europe});
    out.push_back({"backgrounds", "countryselectionworld.bmp", false, CountryMap(assets, false)});
    return out;
}

}  // namespace art
