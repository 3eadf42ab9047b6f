// Text on surfaces in the page's six fonts: shadowed, coloured, cut to a
// width and wrapped; and the framed rectangle and share bar of the
// statistics panels.
#include <algorithm>
#include <cstdio>

#include "platform/gfx/canvas.h"
#include "platform/trace.h"
#include "shell/screen.h"

using platform::gfx::Canvas;
using platform::gfx::ColourRef;
using platform::gfx::FontRef;
using platform::gfx::Surface;

namespace {

constexpr ColourRef kShadowColour = platform::gfx::RGB(97, 83, 89);
constexpr ColourRef kWhiteText = platform::gfx::RGB(255, 255, 255);

struct PageFontSpec {
    const char* face;
    int points;
    int weight;
};

// Points at the surface's 96 dpi; heights are negative (em heights).
constexpr PageFontSpec kPageFonts[CScreen::kPageFontCount] = {
    {"Arial Narrow", 12, 700}, {"Arial Narrow", 10, 700},  {"Arial Narrow", 14, 700},
    {"MS Sans Serif", 9, 400}, {"Arial Narrow", 16, 700}, {"Arial Narrow", 32, 700},
};

// A surface that can be drawn on: GDI's "the DC could be obtained".
bool CanDraw(Surface* s) {
    if (!s || s->IsEmpty() || !s->Lock()) return false;
    s->Unlock();
    return true;
}

unsigned DrawTextFormat(unsigned align) {
    unsigned format = platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX | platform::gfx::DT_NOCLIP;
    if ((align & 6) == platform::gfx::TA_CENTER)
        format |= platform::gfx::DT_CENTER;
    else if ((align & 6) == platform::gfx::TA_RIGHT)
        format |= platform::gfx::DT_RIGHT;
    return format;
}

}  // namespace

void CScreen::CreateFonts(Surface* /*surface*/) {
    // Every surface of ours has the layer's fixed 96 dpi, so the heights do
    // not depend on the surface the fonts are made for.
    for (int i = 0; i < kPageFontCount; ++i) {
        const PageFontSpec& f = kPageFonts[i];
        m_Fonts[i] = platform::gfx::Font::Create(f.face, -platform::gfx::MulDiv(f.points, platform::gfx::kLogPixelsY, 72),
                                                 f.weight);
    }
}

void CScreen::DeleteFonts() {
    for (FontRef& f : m_Fonts) f.reset();
}

FontRef CScreen::GetPageFont(int index) const {
    if (index < 0 || index >= kPageFontCount) return nullptr;
    return m_Fonts[index];
}

void CScreen::DrawTextOnSurface(int font, unsigned align, Surface* surface, std::string_view text, int x, int y,
                                ColourRef colour, bool shadow) {
    if (font < 0 || font >= kPageFontCount) {
        platform::TraceF("CScreen: no page font %d\n", font);
        return;
    }
    if (!CanDraw(surface)) return;
    Canvas dc(*surface);
    if (m_Fonts[font]) dc.SelectFont(m_Fonts[font]);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(align);
    if (shadow) {
        dc.SetTextColor(kShadowColour);
        dc.TextOut(x + 1, y + 1, text);
    }
    dc.SetTextColor(colour);
    dc.TextOut(x, y, text);
}

void CScreen::DrawShadowText(int font, unsigned align, Surface* surface, const std::string& text, int x, int y) {
    DrawTextOnSurface(font, align, surface, text, x, y, kWhiteText, true);
}

void CScreen::DrawShadowTextSz(int font, unsigned align, Surface* surface, const char* text, int x, int y) {
    DrawTextOnSurface(font, align, surface, text ? text : "", x, y, kWhiteText, true);
}

void CScreen::DrawColourText(int font, unsigned align, Surface* surface, const std::string& text, int x, int y,
                             int red, int green, int blue) {
    const ColourRef c = platform::gfx::RGB(red, green, blue);
    DrawTextOnSurface(font, align, surface, text, x, y, c, c != 0);
}

void CScreen::DrawColourTextSz(int font, unsigned align, Surface* surface, const char* text, int x, int y, int red,
                               int green, int blue) {
    DrawColourText(font, align, surface, text ? text : "", x, y, red, green, blue);
}

void CScreen::DrawClippedText(int width, int font, unsigned align, Surface* surface, const std::string& text, int x,
                              int y, int red, int green, int blue) {
    if (font < 0 || font >= kPageFontCount || !CanDraw(surface)) return;
    Canvas dc(*surface);
    if (m_Fonts[font]) dc.SelectFont(m_Fonts[font]);
    std::string cut = text;
    while (!cut.empty() && dc.GetTextExtent(cut).cx > width - 4) cut.pop_back();
    DrawColourText(font, align, surface, cut, x, y, red, green, blue);
}

void CScreen::DrawWrappedShadowText(int font, unsigned align, Surface* surface, const std::string& text, int x, int y,
                                    int width, int height) {
    if (font < 0 || font >= kPageFontCount || !CanDraw(surface)) return;
    Canvas dc(*surface);
    if (m_Fonts[font]) dc.SelectFont(m_Fonts[font]);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(align);
    const unsigned format = DrawTextFormat(align);
    platform::gfx::Rect shadow{x + 1, y + 1, x + width + 1, y + height + 1};
    dc.SetTextColor(kShadowColour);
    dc.DrawText(text, shadow, format);
    platform::gfx::Rect face{x, y, x + width, y + height};
    dc.SetTextColor(kWhiteText);
    dc.DrawText(text, face, format);
}

void CScreen::DrawFramedRect(Surface* surface, int x, int y, int w, int h, int red, int green, int blue) {
    if (w <= 2) return;
    FillSurfaceRect(surface, x, y, w, h, 0, 0, 0);
    FillSurfaceRect(surface, x + 1, y + 1, w - 2, h - 2, red, green, blue);
}

void CScreen::DrawShareBar(Surface* surface, int x, int y, int a, int b, int red1, int green1, int blue1, int red2,
                           int green2, int blue2) {
    constexpr int kInside = 98;
    FillSurfaceRect(surface, x, y, 100, 17, 0, 0, 0);
    int first = kInside / 2;  // nothing to share yet: half and half
    if (a != 0 && b != 0 && a + b != 0)
        first = static_cast<int>(static_cast<long long>(kInside) * a / (static_cast<long long>(a) + b));
    else if (a != 0 && b == 0)
        first = kInside;
    else if (a == 0 && b != 0)
        first = 0;
    // A negative count could push a part outside the frame.
    first = std::clamp(first, 0, kInside);
    if (first != 0) FillSurfaceRect(surface, x + 1, y + 1, first, 15, red1, green1, blue1);
    if (kInside - first != 0) FillSurfaceRect(surface, x + 1 + first, y + 1, kInside - first, 15, red2, green2, blue2);
    char number[16];
    std::snprintf(number, sizeof number, "%d", a);
    DrawShadowText(1, platform::gfx::TA_CENTER, surface, number, x - 20, y);
    std::snprintf(number, sizeof number, "%d", b);
    DrawShadowText(1, platform::gfx::TA_CENTER, surface, number, x + 123, y);
}
