// The country selection page's pictures: the Europe and World maps with
// their page furniture, the two flag sheets and the page's buttons.
//
// The maps draw the real outlines of assets/maps/outlines.txt, placed so
// that each country's anchor lies under its flag: the flags' layout is a
// stylised one, so an affine fit and a thin-plate warp bend the land to it.
// No text is drawn into the pictures.
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

// The outline table: anchors, the British border lines and the rings.
struct MapOutlines {
    struct Line {
        int id = 0;
        std::vector<std::pair<double, double>> points;  // lon, lat
    };
    std::map<int, std::pair<double, double>> anchors;
    std::vector<Line> borders, rings;
};

MapOutlines ReadMapOutlines(const std::filesystem::path& assets) {
    std::ifstream in(assets / "maps" / "outlines.txt");
    if (!in) throw std::runtime_error("no outline table");
    MapOutlines out;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string kind;
        MapOutlines::Line l;
        words >> kind >> l.id;
        for (double lon, lat; words >> lon >> lat;) l.points.emplace_back(lon, lat);
        if (kind == "anchor" && l.points.size() == 1) out.anchors[l.id] = l.points[0];
        else if (kind == "border" && l.points.size() >= 2) out.borders.push_back(std::move(l));
        else if (kind == "ring" && l.points.size() >= 3) out.rings.push_back(std::move(l));
        else throw std::runtime_error("bad outline line: " + line.substr(0, 40));
    }
    return out;
}

// Solves a x = b in place by Gaussian elimination with partial pivoting.
std::vector<double> MapSolve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const size_t n = b.size();
    for (size_t c = 0; c < n; ++c) {
        size_t pivot = c;
        for (size_t r = c + 1; r < n; ++r)
            if (std::abs(a[r][c]) > std::abs(a[pivot][c])) pivot = r;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        if (std::abs(a[c][c]) < 1e-12) throw std::runtime_error("map anchors are degenerate");
        for (size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            if (f == 0) continue;
            for (size_t k = c; k < n; ++k) a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n);
    for (size_t c = n; c-- > 0;) {
        double v = b[c];
        for (size_t k = c + 1; k < n; ++k) v -= a[c][k] * x[k];
        x[c] = v / a[c][c];
    }
    return x;
}

double ThinPlate(double r2) { return r2 <= 0 ? 0 : 0.5 * r2 * std::log(r2); }

}  // namespace

CountryMapProjection::CountryMapProjection(const std::filesystem::path& assets, bool europe) {
    const MapOutlines outlines = ReadMapOutlines(assets);
    std::vector<std::pair<double, double>> target;
    for (const MapCountry& c : ReadMapCountries(assets)) {
        if (c.europe != europe) continue;
        auto a = outlines.anchors.find(c.id);
        if (a == outlines.anchors.end()) throw std::runtime_error("no anchor for " + c.code);
        // Plate carree: x east, y south, in degrees.
        anchors_.emplace_back(a->second.first, -a->second.second);
        target.emplace_back(c.x + 9.0, c.y + 7.0);
    }
    const size_t n = anchors_.size();
    // The affine transform nearest to taking each anchor to its flag.
    std::vector<std::vector<double>> normal(3, std::vector<double>(3, 0.0));
    std::vector<double> bx(3, 0.0), by(3, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const double v[3] = {1.0, anchors_[i].first, anchors_[i].second};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) normal[r][c] += v[r] * v[c];
            bx[r] += v[r] * target[i].first;
            by[r] += v[r] * target[i].second;
        }
    }
    const std::vector<double> ax = MapSolve(normal, bx), ay = MapSolve(normal, by);
    for (int k = 0; k < 3; ++k) affine_[k] = ax[k], affine_[3 + k] = ay[k];
    // A thin-plate spline through the affine fit's residuals puts every
    // anchor exactly on its flag.
    std::vector<std::vector<double>> l(n + 3, std::vector<double>(n + 3, 0.0));
    std::vector<double> rx(n + 3, 0.0), ry(n + 3, 0.0);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            const double dx = anchors_[i].first - anchors_[j].first, dy = anchors_[i].second - anchors_[j].second;
            l[i][j] = ThinPlate(dx * dx + dy * dy);
        }
        const double v[3] = {1.0, anchors_[i].first, anchors_[i].second};
        for (size_t k = 0; k < 3; ++k) l[i][n + k] = l[n + k][i] = v[k];
        const double fx = ax[0] + ax[1] * v[1] + ax[2] * v[2], fy = ay[0] + ay[1] * v[1] + ay[2] * v[2];
        rx[i] = target[i].first - fx;
        ry[i] = target[i].second - fy;
    }
    const std::vector<double> wx = MapSolve(l, rx), wy = MapSolve(l, ry);
    weights_.resize(n + 3);
    for (size_t i = 0; i < n + 3; ++i) weights_[i] = {wx[i], wy[i]};
}

std::pair<double, double> CountryMapProjection::Map(double lon, double lat) const {
    const double px = lon, py = -lat;
    const size_t n = anchors_.size();
    double x = affine_[0] + affine_[1] * px + affine_[2] * py;
    double y = affine_[3] + affine_[4] * px + affine_[5] * py;
    for (size_t i = 0; i < n; ++i) {
        const double dx = px - anchors_[i].first, dy = py - anchors_[i].second;
        const double u = ThinPlate(dx * dx + dy * dy);
        x += weights_[i].first * u;
        y += weights_[i].second * u;
    }
    x += weights_[n].first + weights_[n + 1].first * px + weights_[n + 2].first * py;
    y += weights_[n].second + weights_[n + 1].second * px + weights_[n + 2].second * py;
    return {x, y};
}

namespace {

constexpr int kContextLand = -1;

bool MapLandAllowed(int x, int y, bool europe) {
    if (x < 0 || x >= kMapW || y < kPanelTop || y >= kMapH) return false;
    return !(y >= kButtonStripTop && x < (europe ? 276 : 150));
}

// Fills a polygon by its pixel centres, even-odd.
void MapFillRing(std::vector<int>& ids, const std::vector<std::pair<double, double>>& pts, int id, bool europe) {
    double top = 1e9, bottom = -1e9;
    for (const auto& p : pts) top = std::min(top, p.second), bottom = std::max(bottom, p.second);
    const int y0 = std::max(kPanelTop, static_cast<int>(std::ceil(top - 0.5)));
    const int y1 = std::min(kMapH - 1, static_cast<int>(std::floor(bottom - 0.5)));
    std::vector<double> xs;
    for (int y = y0; y <= y1; ++y) {
        const double cy = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const auto& a = pts[i];
            const auto& b = pts[(i + 1) % pts.size()];
            if ((a.second > cy) != (b.second > cy))
                xs.push_back(a.first + (cy - a.second) * (b.first - a.first) / (b.second - a.second));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            const int xa = std::max(0, static_cast<int>(std::ceil(xs[k] - 0.5)));
            const int xb = std::min(kMapW - 1, static_cast<int>(std::floor(xs[k + 1] - 0.5)));
            for (int x = xa; x <= xb; ++x)
                if (MapLandAllowed(x, y, europe)) ids[static_cast<size_t>(y * kMapW + x)] = id;
        }
    }
}

}  // namespace

// The map's country ids pixel by pixel: 0 for the sea and the furniture,
// -1 for land of no country of this map.
std::vector<int> CountryMapRaster(const std::filesystem::path& assets, bool europe) {
    const MapOutlines outlines = ReadMapOutlines(assets);
    const CountryMapProjection projection(assets, europe);
    std::map<int, std::pair<int, int>> centres;  // the flags' centres
    for (const MapCountry& c : ReadMapCountries(assets))
        if (c.europe == europe) centres[c.id] = {c.x + 9, c.y + 7};
    std::vector<int> ids(static_cast<size_t>(kMapW * kMapH), 0);
    std::vector<std::pair<double, double>> pts;
    for (const MapOutlines::Line& ring : outlines.rings) {
        double lon = 0, lat = 0;
        for (const auto& p : ring.points) lon += p.first, lat += p.second;
        lon /= static_cast<double>(ring.points.size());
        lat /= static_cast<double>(ring.points.size());
        // Europe's map leaves out the Americas and Greenland; the World map
        // leaves out Antarctica.
        if (europe ? lon < -25 : lat < -60) continue;
        pts.clear();
        for (const auto& p : ring.points) pts.push_back(projection.Map(p.first, p.second));
        MapFillRing(ids, pts, centres.count(ring.id) ? ring.id : kContextLand, europe);
    }
    // The border lines cut a country's land; the side holding another
    // country's flag becomes that country.
    for (const MapOutlines::Line& border : outlines.borders) {
        auto home = centres.find(border.id);
        if (home == centres.end()) continue;
        const int split = ids[static_cast<size_t>(home->second.second * kMapW + home->second.first)];
        if (split <= 0) continue;
        std::vector<uint8_t> wall(ids.size(), 0);
        for (size_t i = 0; i + 1 < border.points.size(); ++i) {
            const auto a = projection.Map(border.points[i].first, border.points[i].second);
            const auto b = projection.Map(border.points[i + 1].first, border.points[i + 1].second);
            const int steps = 1 + static_cast<int>(4 * std::hypot(b.first - a.first, b.second - a.second));
            for (int k = 0; k <= steps; ++k) {
                const double t = static_cast<double>(k) / steps;
                const int x = static_cast<int>(std::floor(a.first + (b.first - a.first) * t));
                const int y = static_cast<int>(std::floor(a.second + (b.second - a.second) * t));
                // Two pixels wide, so no four-connected fill slips through.
                for (int dx = 0; dx < 2; ++dx)
                    if (x + dx >= 0 && x + dx < kMapW && y >= 0 && y < kMapH) wall[static_cast<size_t>(y * kMapW + x + dx)] = 1;
            }
        }
        std::vector<int> todo{home->second.second * kMapW + home->second.first};
        while (!todo.empty()) {
            const int i = todo.back();
            todo.pop_back();
            if (wall[static_cast<size_t>(i)] || ids[static_cast<size_t>(i)] != split) continue;
            ids[static_cast<size_t>(i)] = border.id;
            const int x = i % kMapW;
            if (x > 0) todo.push_back(i - 1);
            if (x < kMapW - 1) todo.push_back(i + 1);
            if (i >= kMapW) todo.push_back(i - kMapW);
            if (i + kMapW < kMapW * kMapH) todo.push_back(i + kMapW);
        }
        // The wall itself joins whichever side its neighbours are.
        for (size_t i = 0; i < ids.size(); ++i)
            if (wall[i] && ids[i] == split) {
                const int x = static_cast<int>(i) % kMapW;
                if ((x > 0 && ids[i - 1] == border.id) || (i >= kMapW && ids[i - kMapW] == border.id))
                    ids[i] = border.id;
            }
    }
    // Every country keeps at least a small disc round its flag's centre, so
    // micro-states show and every flag stands on its own country.
    for (const auto& [id, c] : centres)
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (dx * dx + dy * dy <= 9 && MapLandAllowed(c.first + dx, c.second + dy, europe))
                    ids[static_cast<size_t>((c.second + dy) * kMapW + c.first + dx)] = id;
    return ids;
}

namespace {

Bitmap8 CountryMap(const std::filesystem::path& assets, bool europe) {
    const std::vector<int> ids = CountryMapRaster(assets, europe);
    auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kMapW || y >= kMapH) return 0;
        return ids[static_cast<size_t>(y * kMapW + x)];
    };
    // Neighbours take different tones: greedy colouring, the countries with
    // most neighbours first.
    std::map<int, std::set<int>> touching;
    for (int y = 0; y < kMapH - 1; ++y)
        for (int x = 0; x < kMapW - 1; ++x) {
            const int a = at(x, y), b = at(x + 1, y), c = at(x, y + 1);
            if (a > 0 && b > 0 && a != b) touching[a].insert(b), touching[b].insert(a);
            if (a > 0 && c > 0 && a != c) touching[a].insert(c), touching[c].insert(a);
        }
    static const Pixel kTones[8] = {MakePixel(233, 214, 172), MakePixel(214, 186, 146), MakePixel(240, 228, 198),
                                    MakePixel(206, 198, 150), MakePixel(228, 194, 160), MakePixel(220, 212, 178),
                                    MakePixel(236, 204, 150), MakePixel(200, 184, 160)};
    std::vector<MapCountry> order;
    for (const MapCountry& c : ReadMapCountries(assets))
        if (c.europe == europe) order.push_back(c);
    std::stable_sort(order.begin(), order.end(), [&](const MapCountry& a, const MapCountry& b) {
        return touching[a.id].size() > touching[b.id].size();
    });
    std::map<int, int> tone;
    for (const MapCountry& c : order) {
        std::set<int> used;
        for (int n : touching[c.id])
            if (tone.count(n)) used.insert(tone[n]);
        int t = 0;
        while (used.count(t) && t < 7) ++t;
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
    for (int y = kPanelTop; y < kMapH; ++y)
        for (int x = 0; x < kMapW; ++x) {
            Pixel& p = s.Row(y)[x];
            const int id = at(x, y);
            if (!id) {
                // Deep blue to teal, lighter along the coasts.
                const double t = std::clamp((x * 0.6 + (y - kPanelTop)) / 900.0, 0.0, 1.0);
                p = Mix(MakePixel(14, 38, 92), MakePixel(18, 98, 116), t);
                const int d = dist[static_cast<size_t>(y * kMapW + x)];
                if (d < 12) p = Mix(p, MakePixel(96, 170, 178), 0.4 * (1 - d / 12.0));
                // A soft shadow to the lower right of the land.
                double shade = 0;
                for (int k = 1; k <= 4; ++k)
                    if (at(x - k, y - k)) shade += 0.07;
                p = Scale(p, (1.0 - shade) * (0.97 + 0.06 * Fractal(x * 2, y * 2, 21)));
                continue;
            }
            p = id > 0 ? kTones[tone[id]] : MakePixel(184, 180, 166);
            // Relief: light from the upper left over a noise height field.
            const double h0 = Fractal(x * 1.5, y * 1.5, 31), h1 = Fractal(x * 1.5 + 1.5, y * 1.5 + 1.5, 31);
            p = Scale(p, 1.0 + 0.9 * (h0 - h1) + 0.04 * (Fractal(x * 4, y * 4, 32) - 0.5));
            const bool coast = !at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1);
            const int right = at(x + 1, y), below = at(x, y + 1);
            const bool border = (right && right != id) || (below && below != id);
            if (coast) p = MakePixel(52, 48, 40);
            else if (border) p = Scale(p, 0.62);
        }
    // A faint graticule, warped with the map.
    const CountryMapProjection projection(assets, europe);
    const int step = europe ? 10 : 30;
    std::vector<uint8_t> line(ids.size(), 0);
    auto plot = [&](double lon, double lat) {
        const auto [fx, fy] = projection.Map(lon, lat);
        const int x = static_cast<int>(std::floor(fx)), y = static_cast<int>(std::floor(fy));
        if (x >= 0 && x < kMapW && y >= kPanelTop && y < kMapH) line[static_cast<size_t>(y * kMapW + x)] = 1;
    };
    const double fine = europe ? 0.03 : 0.1;
    for (int lon = -180; lon <= 180; lon += step)
        for (double lat = -80; lat <= 85; lat += fine) plot(lon, lat);
    for (int lat = -60; lat <= 80; lat += step)
        for (double lon = -180; lon <= 180; lon += fine) plot(lon, lat);
    for (int y = kPanelTop; y < kMapH; ++y)
        for (int x = 0; x < kMapW; ++x)
            if (line[static_cast<size_t>(y * kMapW + x)]) Blend(s.Row(y)[x], 230, 240, 255, 0.12);
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
