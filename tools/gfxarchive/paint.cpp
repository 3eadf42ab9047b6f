#include "paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/gfx/colour.h"

using namespace platform::gfx;

namespace art {

bool NearKey(int r, int g, int b) { return (r >> 3) == 31 && (g >> 2) == 0 && (b >> 3) == (143 >> 3); }

double Noise(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.0;
}

static int Clamp8(double v) { return static_cast<int>(std::clamp(std::lround(v), 0L, 255L)); }

void Blend(Pixel& d, double r, double g, double b, double a) {
    a = std::clamp(a, 0.0, 1.0);
    d = MakePixel(Clamp8(PixelR(d) * (1 - a) + r * a), Clamp8(PixelG(d) * (1 - a) + g * a),
                  Clamp8(PixelB(d) * (1 - a) + b * a));
}

void Add(Pixel& d, double r, double g, double b) {
    d = MakePixel(Clamp8(PixelR(d) + r), Clamp8(PixelG(d) + g), Clamp8(PixelB(d) + b));
}

Surface Shrink(const Surface& big, int f, bool keyed) {
    Surface out(big.Width() / f, big.Height() / f);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0, keys = 0;
            for (int dy = 0; dy < f; ++dy)
                for (int dx = 0; dx < f; ++dx) {
                    Pixel p = big.Get(x * f + dx, y * f + dy);
                    if (keyed && p == kKeyPixel) {
                        ++keys;
                        continue;
                    }
                    r += PixelR(p);
                    g += PixelG(p);
                    b += PixelB(p);
                    ++n;
                }
            if (keyed && keys * 2 > f * f)
                out.Set(x, y, kKeyPixel);
            else
                out.Set(x, y, MakePixel((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return out;
}

namespace {

struct Box {
    std::vector<uint32_t> colours;  // 0x00RRGGBB, with weights in a parallel vector
    std::vector<uint32_t> weights;
};

int Channel(uint32_t c, int ch) { return (c >> (16 - 8 * ch)) & 255; }

std::vector<Pixel> MedianCut(const std::vector<uint32_t>& colours, const std::vector<uint32_t>& weights,
                             int wanted) {
    std::vector<Box> boxes(1);
    boxes[0].colours = colours;
    boxes[0].weights = weights;
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box with the widest weighted range.
        int best = -1, bestCh = 0;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) continue;
            uint64_t total = 0;
            for (uint32_t w : boxes[i].weights) total += w;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255, hi = 0;
                for (uint32_t c : boxes[i].colours) {
                    lo = std::min(lo, Channel(c, ch));
                    hi = std::max(hi, Channel(c, ch));
                }
                double score = (hi - lo) * std::sqrt(static_cast<double>(total)) * (ch == 1 ? 1.2 : 1.0);
                if (score > bestScore) {
                    bestScore = score;
                    best = static_cast<int>(i);
                    bestCh = ch;
                }
            }
        }
        if (best < 0) break;
        Box& b = boxes[best];
        std::vector<size_t> order(b.colours.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](size_t a, size_t c) { return Channel(b.colours[a], bestCh) < Channel(b.colours[c], bestCh); });
        uint64_t total = 0, acc = 0;
        for (uint32_t w : b.weights) total += w;
        size_t cut = 1;
        for (size_t i = 0; i < order.size() - 1; ++i) {
            acc += b.weights[order[i]];
            cut = i + 1;
            if (acc * 2 >= total) break;
        }
        Box lo, hi;
        for (size_t i = 0; i < order.size(); ++i) {
            Box& t = i < cut ? lo : hi;
            t.colours.push_back(b.colours[order[i]]);
            t.weights.push_back(b.weights[order[i]]);
        }
        boxes[best] = std::move(lo);
        boxes.push_back(std::move(hi));
    }
    std::vector<Pixel> out;
    for (const Box& b : boxes) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (size_t i = 0; i < b.colours.size(); ++i) {
            r += Channel(b.colours[i], 0) * static_cast<double>(b.weights[i]);
            g += Channel(b.colours[i], 1) * static_cast<double>(b.weights[i]);
            bl += Channel(b.colours[i], 2) * static_cast<double>(b.weights[i]);
            n += b.weights[i];
        }
        if (n > 0) out.push_back(MakePixel(Clamp8(r / n), Clamp8(g / n), Clamp8(bl / n)));
    }
    return out;
}

}  // namespace

Bitmap8 Quantise(const Surface& s, bool keyed, bool dither) {
    // Histogram of 6-bit-per-channel colours.
    std::vector<uint32_t> hist(1 << 18, 0);
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            Pixel p = s.Get(x, y);
            if (keyed && p == kKeyPixel) continue;
            ++hist[((PixelR(p) >> 2) << 12) | ((PixelG(p) >> 2) << 6) | (PixelB(p) >> 2)];
        }
    std::vector<uint32_t> colours, weights;
    for (uint32_t i = 0; i < hist.size(); ++i)
        if (hist[i]) {
            colours.push_back(MakePixel(((i >> 12) << 2) | 2, (((i >> 6) & 63) << 2) | 2, ((i & 63) << 2) | 2));
            weights.push_back(hist[i]);
        }
    const int first = keyed ? 1 : 0;
    std::vector<Pixel> pal = colours.empty() ? std::vector<Pixel>{kBlack} : MedianCut(colours, weights, 256 - first);
    for (Pixel& p : pal)
        if (NearKey(PixelR(p), PixelG(p), PixelB(p))) p = MakePixel(PixelR(p), PixelG(p), PixelB(p) - 16);

    Bitmap8 b;
    b.width = s.Width();
    b.height = s.Height();
    b.coloursUsed = 256;
    std::vector<Pixel> entries(256, kBlack);
    if (keyed) entries[0] = kKeyPixel;
    for (size_t i = 0; i < pal.size(); ++i) entries[first + i] = pal[i];
    for (int i = 0; i < 256; ++i) {
        b.palette[i * 4] = static_cast<uint8_t>(PixelB(entries[i]));
        b.palette[i * 4 + 1] = static_cast<uint8_t>(PixelG(entries[i]));
        b.palette[i * 4 + 2] = static_cast<uint8_t>(PixelR(entries[i]));
    }
    const int used = first + static_cast<int>(pal.size());
    std::vector<int> cache(1 << 18, -1);
    auto nearest = [&](int r, int g, int bl) {
        r = std::clamp(r, 0, 255);
        g = std::clamp(g, 0, 255);
        bl = std::clamp(bl, 0, 255);
        int key = ((r >> 2) << 12) | ((g >> 2) << 6) | (bl >> 2);
        if (cache[key] >= 0) return cache[key];
        int best = first, bestD = 1 << 30;
        for (int i = first; i < used; ++i) {
            int dr = PixelR(entries[i]) - r, dg = PixelG(entries[i]) - g, db = PixelB(entries[i]) - bl;
            int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (d < bestD) {
                bestD = d;
                best = i;
            }
        }
        return cache[key] = best;
    };
    b.pixels.resize(static_cast<size_t>(b.width) * b.height);
    std::vector<std::array<float, 3>> err((b.width + 2) * 2, {0, 0, 0});
    for (int y = 0; y < b.height; ++y) {
        auto* cur = &err[(y & 1) * (b.width + 2)];
        auto* next = &err[((y + 1) & 1) * (b.width + 2)];
        for (int i = 0; i < b.width + 2; ++i) next[i] = {0, 0, 0};
        for (int x = 0; x < b.width; ++x) {
            Pixel p = s.Get(x, y);
            uint8_t& out = b.pixels[static_cast<size_t>(y) * b.width + x];
            if (keyed && p == kKeyPixel) {
                out = 0;
                continue;
            }
            float want[3] = {PixelR(p) + (dither ? cur[x + 1][0] : 0), PixelG(p) + (dither ? cur[x + 1][1] : 0),
                             PixelB(p) + (dither ? cur[x + 1][2] : 0)};
            int idx = nearest(static_cast<int>(want[0] + 0.5f), static_cast<int>(want[1] + 0.5f),
                              static_cast<int>(want[2] + 0.5f));
            out = static_cast<uint8_t>(idx);
            if (!dither) continue;
            const int got[3] = {PixelR(entries[idx]), PixelG(entries[idx]), PixelB(entries[idx])};
            for (int c = 0; c < 3; ++c) {
                float e = std::clamp(want[c] - got[c], -48.0f, 48.0f);
                cur[x + 2][c] += e * 7 / 16;
                next[x][c] += e * 3 / 16;
                next[x + 1][c] += e * 5 / 16;
                next[x + 2][c] += e * 1 / 16;
            }
        }
    }
    return b;
}

}  // namespace art
