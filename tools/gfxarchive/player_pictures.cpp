// The player section's own pictures: the person page's five sub-page
// buttons (ratings, scout comments, player comment, record, club history),
// each chosen, not chosen and greyed, with an icon and a one-word caption.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kPS = 4;  // drawn at four times the size

bool InPlate(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

enum class PanelLook { Chosen, Plain, Greyed };

// The icon of each sub-page, in a 20 x 16 box (unscaled units) from (x, y).
void PanelIcon(Canvas& cv, int kind, double x, double y, ColourRef ink, ColourRef paper) {
    auto R = [&](double l, double t, double r, double b) {
        return Rect{int((x + l) * kPS), int((y + t) * kPS), int((x + r) * kPS), int((y + b) * kPS)};
    };
    cv.SelectPen(Pen::None());
    switch (kind) {
        case 0:  // ratings: three rising bars
            cv.SelectBrush(Brush::Solid(ink));
            cv.Rectangle(R(3, 10, 7, 16));
            cv.Rectangle(R(8.5, 6, 12.5, 16));
            cv.Rectangle(R(14, 2, 18, 16));
            break;
        case 1:  // scout comments: binoculars
            cv.SelectBrush(Brush::Solid(ink));
            cv.Ellipse(R(1, 6, 10, 15));
            cv.Ellipse(R(10, 6, 19, 15));
            cv.Rectangle(R(7, 4, 13, 9));
            cv.SelectBrush(Brush::Solid(paper));
            cv.Ellipse(R(3, 8, 8, 13));
            cv.Ellipse(R(12, 8, 17, 13));
            break;
        case 2: {  // player comment: a speech bubble with lines
            cv.SelectBrush(Brush::Solid(ink));
            cv.Ellipse(R(1, 1, 19, 12));
            cv.Polygon({{int((x + 5) * kPS), int((y + 9) * kPS)},
                        {int((x + 4) * kPS), int((y + 16) * kPS)},
                        {int((x + 11) * kPS), int((y + 10) * kPS)}});
            cv.SelectBrush(Brush::Solid(paper));
            cv.Rectangle(R(5, 4.5, 15, 5.7));
            cv.Rectangle(R(5, 7.3, 12, 8.5));
            break;
        }
        case 3:  // record: a table of cells
            cv.SelectBrush(Brush::Solid(ink));
            cv.Rectangle(R(2, 1, 18, 16));
            cv.SelectBrush(Brush::Solid(paper));
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    cv.Rectangle(R(3.2 + c * 5, 2.4 + r * 4.6, 6.8 + c * 5, 5.8 + r * 4.6));
            break;
        default:  // club history: a shirt with a return arrow
            cv.SelectBrush(Brush::Solid(ink));
            {
                const std::vector<Point> shirt = {{int((x + 4) * kPS), int((y + 2) * kPS)},  {int((x + 8) * kPS), int((y + 1) * kPS)},
                                        {int((x + 12) * kPS), int((y + 1) * kPS)}, {int((x + 16) * kPS), int((y + 2) * kPS)},
                                        {int((x + 19) * kPS), int((y + 6) * kPS)}, {int((x + 15) * kPS), int((y + 7) * kPS)},
                                        {int((x + 15) * kPS), int((y + 16) * kPS)}, {int((x + 5) * kPS), int((y + 16) * kPS)}};
                cv.Polygon(shirt);
                const std::vector<Point> sleeve = {{int((x + 5) * kPS), int((y + 7) * kPS)},
                                         {int((x + 1) * kPS), int((y + 6) * kPS)},
                                         {int((x + 4) * kPS), int((y + 2) * kPS)}};
                cv.Polygon(sleeve);
            }
            cv.SelectPen(Pen::Solid(paper, kPS + kPS / 2));
            cv.MoveTo(int((x + 13) * kPS), int((y + 8) * kPS));
            cv.LineTo(int((x + 7) * kPS), int((y + 8) * kPS));
            cv.LineTo(int((x + 9) * kPS), int((y + 6) * kPS));
            cv.MoveTo(int((x + 7) * kPS), int((y + 8) * kPS));
            cv.LineTo(int((x + 9) * kPS), int((y + 10) * kPS));
            cv.MoveTo(int((x + 10) * kPS), int((y + 12) * kPS));
            cv.LineTo(int((x + 13) * kPS), int((y + 12) * kPS));
            cv.SelectPen(Pen::None());
            break;
    }
}

// A 56 x 40 plate: the icon over a caption; chosen is lit in the section's
// teal and sunk, plain is dark glass, greyed is flat and faded.
Bitmap8 PanelButton(int kind, PanelLook look) {
    constexpr int W = 56 * kPS, H = 40 * kPS, Rad = 7 * kPS, rim = 2 * kPS;
    static const char* const kWords[5] = {"Ratings", "Scout", "Player", "Record", "History"};
    const int teal[3] = {56, 172, 150};
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InPlate(x, y, W, H, Rad)) continue;
            const double t = double(y) / H;
            const bool edge = !InPlate(x - rim, y - rim, W - 2 * rim, H - 2 * rim, Rad - rim) || x < rim ||
                              y < rim || x >= W - rim || y >= H - rim;
            Pixel p;
            switch (look) {
                case PanelLook::Chosen:
                    p = edge ? MakePixel(150, 240, 215) : MakePixel(teal[0] / 2, teal[1] / 2, teal[2] / 2);
                    if (!edge) Blend(p, teal[0], teal[1], teal[2], 0.35 + 0.35 * t);
                    else Blend(p, 255, 255, 255, 0.2 * (1 - t));
                    break;
                case PanelLook::Plain:
                    p = edge ? MakePixel(60, 120, 110) : MakePixel(16, 30, 40);
                    if (!edge) Blend(p, 60, 120, 130, 0.4 * (1 - t));
                    else Blend(p, 255, 255, 255, 0.25 * (1 - t));
                    break;
                case PanelLook::Greyed:
                    p = edge ? MakePixel(96, 100, 108) : MakePixel(52, 56, 62);
                    if (!edge) Blend(p, 90, 94, 100, 0.25 * (1 - t));
                    break;
            }
            s.Row(y)[x] = p;
        }
    Canvas cv(s);
    const ColourRef ink = look == PanelLook::Chosen  ? RGB(255, 255, 255)
                          : look == PanelLook::Plain ? RGB(150, 225, 205)
                                                     : RGB(128, 132, 138);
    const ColourRef paper = look == PanelLook::Chosen  ? RGB(40, 120, 104)
                            : look == PanelLook::Plain ? RGB(20, 36, 46)
                                                       : RGB(56, 60, 66);
    PanelIcon(cv, kind, 18, 4, ink, paper);
    auto font = Font::Create("Arial Narrow", -11 * kPS, 700);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_CENTER | TA_BASELINE);
    if (look != PanelLook::Greyed) {
        cv.SetTextColor(RGB(0, 0, 0));
        cv.TextOut(28 * kPS + kPS / 2, 35 * kPS + kPS / 2, kWords[kind]);
    }
    cv.SetTextColor(ink);
    cv.TextOut(28 * kPS, 35 * kPS, kWords[kind]);
    return Quantise(Shrink(s, kPS, true), true, false);
}

// An 80 x 28 plate of the transfer list's views: a small icon left of the
// caption; chosen is lit teal, not chosen dark glass, as the panel buttons.
Bitmap8 ModeButton(int kind, bool chosen) {
    constexpr int W = 80 * kPS, H = 28 * kPS, Rad = 6 * kPS, rim = 2 * kPS;
    static const char* const kWords[3] = {"Approach", "Filters", "Scout"};
    const int teal[3] = {56, 172, 150};
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InPlate(x, y, W, H, Rad)) continue;
            const double t = double(y) / H;
            const bool edge = !InPlate(x - rim, y - rim, W - 2 * rim, H - 2 * rim, Rad - rim) || x < rim ||
                              y < rim || x >= W - rim || y >= H - rim;
            Pixel p;
            if (chosen) {
                p = edge ? MakePixel(150, 240, 215) : MakePixel(teal[0] / 2, teal[1] / 2, teal[2] / 2);
                if (!edge) Blend(p, teal[0], teal[1], teal[2], 0.35 + 0.35 * t);
                else Blend(p, 255, 255, 255, 0.2 * (1 - t));
            } else {
                p = edge ? MakePixel(60, 120, 110) : MakePixel(16, 30, 40);
                if (!edge) Blend(p, 60, 120, 130, 0.4 * (1 - t));
                else Blend(p, 255, 255, 255, 0.25 * (1 - t));
            }
            s.Row(y)[x] = p;
        }
    Canvas cv(s);
    const ColourRef ink = chosen ? RGB(255, 255, 255) : RGB(150, 225, 205);
    const ColourRef paper = chosen ? RGB(40, 120, 104) : RGB(20, 36, 46);
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(ink));
    auto R = [&](double l, double t, double r, double b) {
        return Rect{int(l * kPS), int(t * kPS), int(r * kPS), int(b * kPS)};
    };
    switch (kind) {
        case 0:  // approach: a handshake of two blocks meeting
            cv.Rectangle(R(6, 12, 13, 17));
            cv.Rectangle(R(13, 11, 20, 16));
            cv.SelectBrush(Brush::Solid(paper));
            cv.Rectangle(R(12, 13, 14, 15));
            break;
        case 1:  // filters: a funnel
            cv.Polygon({{6 * kPS, 8 * kPS}, {20 * kPS, 8 * kPS}, {15 * kPS, 14 * kPS}, {15 * kPS, 20 * kPS},
                        {11 * kPS, 20 * kPS}, {11 * kPS, 14 * kPS}});
            break;
        default:  // scout: binoculars
            cv.Ellipse(R(5, 10, 13, 18));
            cv.Ellipse(R(13, 10, 21, 18));
            cv.Rectangle(R(10, 8, 16, 12));
            cv.SelectBrush(Brush::Solid(paper));
            cv.Ellipse(R(7, 12, 11, 16));
            cv.Ellipse(R(15, 12, 19, 16));
            break;
    }
    auto font = Font::Create("Arial Narrow", -12 * kPS, 700);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_CENTER | TA_BASELINE);
    cv.SetTextColor(RGB(0, 0, 0));
    cv.TextOut(50 * kPS + kPS / 2, 19 * kPS + kPS / 2, kWords[kind]);
    cv.SetTextColor(ink);
    cv.TextOut(50 * kPS, 19 * kPS, kWords[kind]);
    return Quantise(Shrink(s, kPS, true), true, false);
}

}  // namespace

std::vector<Picture> PlayerPictures() {
    static const char* const kNames[5] = {"ratings", "scoutmanager", "playercomment", "playerrecord", "playerhistory"};
    std::vector<Picture> out;
    for (int k = 0; k < 5; ++k) {
        const std::string n = kNames[k];
        out.push_back({"buttons", n + ".bmp", true, PanelButton(k, PanelLook::Chosen)});
        out.push_back({"buttons", n + "_lo.bmp", true, PanelButton(k, PanelLook::Plain)});
        out.push_back({"buttons", n + "_dis.bmp", true, PanelButton(k, PanelLook::Greyed)});
    }
    static const char* const kModes[3] = {"approach", "search", "scout"};
    for (int k = 0; k < 3; ++k) {
        out.push_back({"buttons", std::string(kModes[k]) + ".bmp", true, ModeButton(k, true)});
        out.push_back({"buttons", std::string(kModes[k]) + "_lo.bmp", true, ModeButton(k, false)});
    }
    return out;
}

}  // namespace art
