// Text on a canvas: single lines with GDI's alignment, and DrawText's
// wrapped and measured rectangles.
#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/fontface.h"

namespace platform::gfx {
namespace {

// Anti-aliased coverage over a pixel, except over the key colour: a blend
// there would make colours near the key that a keyed blit keeps as fringe.
inline void Cover(Pixel& d, Pixel text, int c) {
    if (c == 0) return;
    if (c == 255) {
        d = text;
        return;
    }
    if (d == kKeyPixel) {
        if (c >= 128) d = text;
        return;
    }
    const int inv = 255 - c;
    int r = (PixelR(text) * c + PixelR(d) * inv + 127) / 255;
    int g = (PixelG(text) * c + PixelG(d) * inv + 127) / 255;
    int b = (PixelB(text) * c + PixelB(d) * inv + 127) / 255;
    d = MakePixel(r, g, b);
}

// DrawText's prefix rule: "&x" shows x, "&&" shows "&".
std::string StripPrefix(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) ++i;
        else if (s[i] == '&') continue;
        out += s[i];
    }
    return out;
}

}  // namespace

const FontRef& Canvas::FontOrDefault() const {
    if (st_.font) return st_.font;
    // The system font a fresh DC holds.
    static const FontRef system = Font::Create("MS Sans Serif", PointsToHeight(8), 700);
    return system;
}

const FontRef& Canvas::DeviceFont() const {
    const FontRef& f = FontOrDefault();
    if (st_.mapMode == MapMode::Text || st_.vpExt.cy == st_.winExt.cy) return f;
    const Size key{st_.vpExt.cy, st_.winExt.cy};
    if (scaledFont_ && scaledFrom_ == f && scaledFor_ == key) return scaledFont_;
    LogFont lf = f->Requested();
    int h = lf.height == 0 ? PointsToHeight(10) : lf.height;
    lf.height = MulDiv(h, std::abs(st_.vpExt.cy), std::abs(st_.winExt.cy));
    if (lf.height == 0) lf.height = h < 0 ? -1 : 1;
    scaledFont_ = Font::Create(lf);
    if (!scaledFont_) return f;
    scaledFrom_ = f;
    scaledFor_ = key;
    return scaledFont_;
}

TextMetrics Canvas::GetTextMetrics() const {
    TextMetrics m = DeviceFont()->Metrics();
    if (st_.mapMode != MapMode::Text) {
        auto back = [&](int v) { return std::abs(MulDiv(v, st_.winExt.cy, st_.vpExt.cy)); };
        m.height = back(m.height);
        m.ascent = back(m.ascent);
        m.descent = back(m.descent);
        m.internalLeading = back(m.internalLeading);
        m.externalLeading = back(m.externalLeading);
        m.aveCharWidth = std::abs(MulDiv(m.aveCharWidth, st_.winExt.cx, st_.vpExt.cx));
        m.maxCharWidth = std::abs(MulDiv(m.maxCharWidth, st_.winExt.cx, st_.vpExt.cx));
    }
    return m;
}

Size Canvas::GetTextExtent(std::string_view text) const {
    const FontRef& f = DeviceFont();
    Size s{f->Measure(text), f->Metrics().height};
    if (st_.mapMode != MapMode::Text) {
        s.cx = std::abs(MulDiv(s.cx, st_.winExt.cx, st_.vpExt.cx));
        s.cy = std::abs(MulDiv(s.cy, st_.winExt.cy, st_.vpExt.cy));
    }
    return s;
}

void Canvas::DrawTextLine(int x, int yTop, std::string_view text, const Rect* clip) {
    const FontRef& font = DeviceFont();
    const TextMetrics& m = font->Metrics();
    const int width = font->Measure(text);
    if (st_.bkMode == OPAQUE) {
        Rect cell = Rect::XYWH(x, yTop, width, m.height);
        if (clip) cell = cell.Intersect(*clip);
        Pixel bk = ToPixel(st_.bkColour);
        for (int y = cell.top; y < cell.bottom; ++y) DeviceSpan(y, cell.left, cell.right, bk);
    }
    const Pixel colour = ToPixel(st_.textColour);
    const int baseline = yTop + m.ascent;
    int penX = x;
    FontFace& face = font->Face();
    for (char ch : text) {
        const Glyph& g = face.GlyphFor(static_cast<uint8_t>(ch));
        const int gx = penX + g.left + origin_.x, gy = baseline - g.top + origin_.y;
        Rect box = Rect::XYWH(gx, gy, g.width, g.rows);
        for (const Rect& cr : clipRects_) {
            Rect c = box.Intersect(cr);
            if (clip) c = c.Intersect(clip->Offset(origin_.x, origin_.y));
            for (int y = c.top; y < c.bottom; ++y) {
                Pixel* row = target_->Row(y);
                const uint8_t* cov = g.coverage.data() + static_cast<size_t>(y - gy) * g.width;
                for (int xx = c.left; xx < c.right; ++xx) Cover(row[xx], colour, cov[xx - gx]);
            }
        }
        penX += g.advance;
    }
    if (font->Requested().underline) {
        int thick = std::max(1, m.height / 16);
        for (int i = 0; i < thick; ++i) {
            int y = baseline + 1 + i;
            int a = x, b = x + width;
            if (clip) {
                if (y < clip->top || y >= clip->bottom) continue;
                a = std::max(a, clip->left);
                b = std::min(b, clip->right);
            }
            DeviceSpan(y, a, b, colour);
        }
    }
}

void Canvas::TextOut(int x, int y, std::string_view text) { ExtTextOut(x, y, 0, nullptr, text); }

void Canvas::ExtTextOut(int x, int y, unsigned options, const Rect* rect, std::string_view text) {
    const FontRef& font = DeviceFont();
    const TextMetrics& m = font->Metrics();
    Point d = LPtoDP(Point{x, y});
    const int width = font->Measure(text);
    const unsigned h = st_.textAlign & 6, v = st_.textAlign & 24;
    if (h == TA_CENTER) d.x -= width / 2;
    else if (h == TA_RIGHT) d.x -= width;
    if (v == TA_BASELINE) d.y -= m.ascent;
    else if (v == TA_BOTTOM) d.y -= m.height;
    std::optional<Rect> clip;
    if (rect) {
        Rect dr = LPtoDP(*rect);
        if (options & ETO_OPAQUE) {
            Pixel bk = ToPixel(st_.bkColour);
            for (int yy = dr.top; yy < dr.bottom; ++yy) DeviceSpan(yy, dr.left, dr.right, bk);
        }
        if (options & ETO_CLIPPED) clip = dr;
    }
    DrawTextLine(d.x, d.y, text, clip ? &*clip : nullptr);
}

int Canvas::DrawText(std::string_view textIn, Rect& r, unsigned format) {
    const FontRef& font = DeviceFont();
    const int lineHeight = font->Metrics().height;
    const std::string text = (format & DT_NOPREFIX) ? std::string(textIn) : StripPrefix(textIn);
    const Rect dr = LPtoDP(r);
    const int maxWidth = dr.Width();

    // Break into lines: at line ends unless single-line, and at spaces when
    // a word would pass the right edge with word breaks on. A word longer
    // than the line stays whole, as Windows keeps it.
    std::vector<std::string> lines;
    std::string current;
    auto flush = [&] {
        lines.push_back(current);
        current.clear();
    };
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (!(format & DT_SINGLELINE) && (c == '\r' || c == '\n')) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++i;
            flush();
            continue;
        }
        if (format & DT_WORDBREAK && !(format & DT_SINGLELINE)) {
            size_t end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '\r' && text[end] != '\n') ++end;
            std::string word = text.substr(i, end - i);
            if (!current.empty() && font->Measure(current + word) > maxWidth) {
                while (!current.empty() && current.back() == ' ') current.pop_back();
                flush();
            }
            current += word;
            i = end;
            while (i < text.size() && text[i] == ' ') {
                if (!current.empty()) current += ' ';
                ++i;
            }
            continue;
        }
        current += c;
        ++i;
    }
    if (!current.empty() || lines.empty()) flush();

    int widest = 0;
    for (auto& l : lines) {
        while (format & DT_WORDBREAK && !l.empty() && l.back() == ' ') l.pop_back();
        widest = std::max(widest, font->Measure(l));
    }
    const int total = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        Rect out = dr;
        if (format & DT_WORDBREAK)
            out.right = out.left + std::max(maxWidth, widest);
        else
            out.right = out.left + widest;
        out.bottom = out.top + total;
        r = DPtoLP(out);
        return total;
    }

    int y = dr.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = dr.top + (dr.Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM) y = dr.bottom - lineHeight;
    }
    const Rect* clip = (format & DT_NOCLIP) ? nullptr : &dr;
    for (auto& l : lines) {
        if ((format & DT_END_ELLIPSIS) && font->Measure(l) > dr.Width()) {
            // Cut the line so that it and the dots fit.
            while (!l.empty() && font->Measure(l + "...") > dr.Width()) l.pop_back();
            l += "...";
        }
        int w = font->Measure(l);
        int x = dr.left;
        if (format & DT_CENTER) x = dr.left + (dr.Width() - w) / 2;
        else if (format & DT_RIGHT) x = dr.right - w;
        DrawTextLine(x, y, l, clip);
        y += lineHeight;
    }
    return total;
}

}  // namespace platform::gfx
