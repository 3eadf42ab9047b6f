#include "ui/cursors.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/window/ui.h"

using namespace platform::win;

namespace {

constexpr std::array<int, 11> kTable{0, 106, 143, 147, 146, 158, 159, 191, 190, 237, 240};
constexpr uint32_t kInk = 0xFF101010, kPaper = 0xFFFFFFFF, kNone = 0;

struct Img {
    CursorImage c;
    explicit Img(Point hot) {
        c.width = c.height = 32;
        c.hotSpot = hot;
        c.argb.assign(32 * 32, kNone);
    }
    void Set(int x, int y, uint32_t v) {
        if (x >= 0 && y >= 0 && x < 32 && y < 32) c.argb[y * 32 + x] = v;
    }
    void Box(int x0, int y0, int x1, int y1, uint32_t v) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) Set(x, y, v);
    }
    // A filled disc with an outline.
    void Disc(int cx, int cy, int r, uint32_t fill) {
        for (int y = -r - 1; y <= r + 1; ++y)
            for (int x = -r - 1; x <= r + 1; ++x) {
                double d = std::sqrt(double(x * x + y * y));
                if (d <= r + 0.5) Set(cx + x, cy + y, d > r - 0.7 ? kInk : fill);
            }
    }
};

// The pointer every cursor but the busy one starts from: a white arrow with
// a dark rim, the tip at (0, 0).
void Arrow(Img& m) {
    for (int y = 0; y < 17; ++y) {
        int w = y < 12 ? y : 11 - (y - 11) * 2;
        for (int x = 0; x <= std::max(w, 0); ++x) m.Set(x, y, (x == 0 || x == w || y == 16) ? kInk : kPaper);
    }
    for (int y = 12; y < 19; ++y) {  // the tail
        int x = 4 + (y - 12) / 2;
        m.Set(x, y, kInk);
        m.Set(x + 1, y, kPaper);
        m.Set(x + 2, y, kPaper);
        m.Set(x + 3, y, kInk);
    }
}

CursorImage Make(int resource) {
    switch (resource) {
        case 106: {  // dragging over nothing: no entry sign
            Img m({0, 0});
            Arrow(m);
            m.Disc(20, 20, 7, 0xFFE03030);
            for (int k = -4; k <= 4; ++k) {
                m.Set(20 + k, 20 + k, kPaper);
                m.Set(21 + k, 20 + k, kPaper);
            }
            return m.c;
        }
        case 143: {  // an accepting drop target: a green plus
            Img m({0, 0});
            Arrow(m);
            m.Disc(20, 20, 7, 0xFF30A040);
            m.Box(16, 19, 24, 21, kPaper);
            m.Box(19, 16, 21, 24, kPaper);
            return m.c;
        }
        case 146: {  // over a press spot: a pointing hand
            Img m({6, 0});
            m.Box(4, 0, 8, 12, kInk);
            m.Box(5, 1, 7, 12, kPaper);
            m.Box(2, 10, 18, 22, kInk);
            m.Box(3, 11, 17, 21, kPaper);
            for (int x : {9, 12, 15}) m.Box(x, 8, x + 3, 11, kInk), m.Box(x + 1, 9, x + 2, 11, kPaper);
            return m.c;
        }
        case 240: {  // busy: a sand glass
            Img m({10, 14});
            m.Box(3, 0, 17, 1, kInk);
            m.Box(3, 27, 17, 28, kInk);
            for (int y = 2; y < 27; ++y) {
                int half = y < 14 ? 7 - (y - 2) * 6 / 12 : 1 + (y - 14) * 6 / 12;
                m.Set(10 - half - 1, y, kInk);
                m.Set(10 + half + 1, y, kInk);
                for (int x = 10 - half; x <= 10 + half; ++x)
                    m.Set(x, y, (y > 8 && y < 14) || y > 21 ? 0xFFE8C060 : kPaper);
            }
            return m.c;
        }
        case 147: case 158: case 159: case 190: case 191: case 237: {
            // The arrow with a small coloured mark, one colour per cursor.
            Img m({0, 0});
            Arrow(m);
            uint32_t colour = resource == 147   ? 0xFF3070E0
                              : resource == 158 ? 0xFFE0A020
                              : resource == 159 ? 0xFF9050D0
                              : resource == 190 ? 0xFF20B0B0
                              : resource == 191 ? 0xFFD05090
                                                : 0xFF808080;
            m.Disc(21, 21, 5, colour);
            return m.c;
        }
        default:
            return {};
    }
}

}  // namespace

CursorImage MakeCursorImage(int resource) { return Make(resource); }

int CursorResourceOfState(int state) {
    if (state < 0 || state >= static_cast<int>(kTable.size())) return 0;
    return kTable[state];
}

int LoadCursorResource(int resource) {
    // The layer's ids live as long as its session; a new session starts over.
    static std::array<int, 11> ids{};
    static const Ui* session = nullptr;
    static uint64_t sessionStamp = 0;
    Ui& ui = Ui::Get();
    if (!ui.Started()) return 0;
    uint64_t stamp = reinterpret_cast<uintptr_t>(&ui.GetBackend());
    if (session != &ui || stamp != sessionStamp) {
        ids.fill(0);
        session = &ui;
        sessionStamp = stamp;
    }
    for (size_t i = 1; i < kTable.size(); ++i)
        if (kTable[i] == resource) {
            if (ids[i] == 0) ids[i] = ui.CreateImageCursor(Make(resource));
            return ids[i];
        }
    return 0;
}

int CursorForState(int state) {
    int res = CursorResourceOfState(state);
    return res ? LoadCursorResource(res) : 0;
}
