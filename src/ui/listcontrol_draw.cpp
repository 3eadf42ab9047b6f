// How the list paints itself into its page's work buffer: header, rows,
// blobs, pictures and its own scroll bar.
#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/trace.h"
#include "ui/listcontrol.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

namespace {
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kPressedHeader = 0x0000FF;  // red
constexpr int kBlob = 12;
}  // namespace

int CListControl::ShownRows() const {
    return (m_nRowLimit != -1 && m_nRowLimit < m_nRowCount) ? std::max(m_nRowLimit, 0) : m_nRowCount;
}

void CListControl::MakeFonts() {
    for (FontSlot* slot : {&m_RowFont, &m_HeaderFont}) {
        if (!slot->changed && slot->font) continue;
        platform::gfx::LogFont lf = slot->lf;
        int points = slot->points;
        // Small fonts on a large-font display were made 2 points smaller.
        if (platform::gfx::kLogPixelsY == 120) points -= 2;
        lf.height = -platform::gfx::MulDiv(points, platform::gfx::kLogPixelsY, 72);
        slot->font = platform::gfx::Font::Create(lf);
        slot->changed = 0;
        if (slot == &m_HeaderFont) {
            m_nHeaderHeight = slot->font->Metrics().height;
            m_bLayoutChanged = 1;
        }
    }
}

bool CListControl::GetRowRect(int row, Rect* rect, bool strict) const {
    const int clientHeight = ClientHeight();
    Rect r;
    r.top = (row - m_nTopRow) * m_nRowHeight + (m_bHeaderHidden ? 0 : m_nHeaderHeight);
    r.left = 1;
    r.right = ClientWidth() - (m_bBarShown ? 0 : 1);
    r.bottom = r.top + m_nRowHeight;
    bool cut = false;
    if (r.bottom > clientHeight - 1) {
        r.bottom = clientHeight - 1;
        cut = true;
    }
    if (rect) *rect = r;
    if (cut && strict) return false;
    return r.top < clientHeight && row != m_nRowCount;
}

void CListControl::LayOut() {
    const int rowHeight = std::max(m_nRowHeight, 1);
    m_nRowsFit = (m_bHeaderHidden ? ClientHeight() : ClientHeight() - m_nHeaderHeight) / rowHeight;
    m_nRowsFit = std::max(m_nRowsFit, 0);
    const int shown = ShownRows();
    if (shown > m_nRowsFit) {
        if (m_bLayoutChanged || !m_bBarShown) {
            m_nScrollMin = 0;
            m_nScrollMax = shown - m_nRowsFit;
            m_nScrollPos = std::clamp(m_nTopRow, 0, m_nScrollMax);
            m_nScrollPage = m_nRowsFit;
            const int track = m_BarRect.Height() - 3 * m_nArrowHeight;
            // A bar too short for its three pictures, or a range without
            // steps, keeps the thumb at the top.
            if (m_nScrollMax < 1 || track <= 0)
                m_dPixelsPerStep = 0;
            else if (m_nScrollMax == 1)
                m_dPixelsPerStep = track;
            else
                m_dPixelsPerStep = static_cast<double>(track) / m_nScrollMax;
            m_nThumbPos = std::min(ThumbFor(m_nScrollPos), std::max(TrackEnd(), m_nArrowHeight));
        }
        m_bBarShown = 1;
    } else {
        m_bBarShown = 0;
    }
    m_bLayoutChanged = 0;
    m_RowsRect = RowsArea();
}

Rect CListControl::RowsArea() const {
    const Point o = ClientOrigin();
    const int top = o.y + (m_bHeaderHidden ? 0 : m_nHeaderHeight);
    int bottom = top;
    Rect r;
    for (int row = m_nTopRow; row < ShownRows() && GetRowRect(row, &r, false); ++row) bottom = o.y + r.bottom;
    return {m_ListRect.left + 1, top, m_ListRect.right - 1, bottom};
}

int CListControl::ThumbFor(int position) const {
    return static_cast<int>(position * m_dPixelsPerStep + m_nArrowHeight);
}

void CListControl::Paint(bool invalidate) {
    if (!m_pOwner || !m_pOwner->IsAlive()) {
        platform::Trace("CListControl: drawn without an owner\n");
        return;
    }
    auto* dc = reinterpret_cast<Canvas*>(m_pOwner->Send(ui::kMsgGetWorkDC));
    if (dc)
        Draw(*dc, invalidate);
    else
        platform::Trace("CListControl: the owner gives no work buffer\n");
    m_pOwner->Send(ui::kMsgDrawingDone);
}

void CListControl::Draw(Canvas& dc, bool invalidate) {
    if (!IsShownFlag()) return;
    MakeFonts();
    LayOut();
    Rect list = m_ListRect;
    m_pOwner->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&list), 0);
    Rect bar = m_BarRect;
    if (!m_ListRect.Contains(bar)) m_pOwner->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&bar), 0);

    const int saved = dc.SaveDC();
    dc.IntersectClipRect(m_ListRect);
    if (!m_bHeaderHidden) DrawHeader(dc);
    if (!m_bEmpty) {
        Rect r;
        for (int row = m_nTopRow; row < ShownRows() && GetRowRect(row, &r, false); ++row) DrawRow(dc, row);
    }
    dc.RestoreDC(saved);
    if (m_bBarShown) DrawBar(dc);
    if (invalidate) {
        m_pOwner->InvalidateRect(m_ListRect, true);
        if (!m_ListRect.Contains(m_BarRect)) m_pOwner->InvalidateRect(m_BarRect, true);
    }
}

void CListControl::DrawHeader(Canvas& dc) {
    dc.SelectFont(m_HeaderFont.font);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(platform::gfx::TA_LEFT | platform::gfx::TA_TOP);
    const Point o = ClientOrigin();
    int x = m_ListRect.left;
    for (int col = 0; col < static_cast<int>(m_Columns.size()); ++col) {
        const CListColumn& c = *m_Columns[col];
        dc.SetTextColor(kBlack);
        dc.TextOut(x + 3, o.y + 1, c.header);
        dc.SetTextColor(col == m_nPressedHeader ? kPressedHeader : m_crHeader);
        dc.TextOut(x + 2, o.y, c.header);
        x += c.width + m_nColumnGap;
    }
}

void CListControl::DrawRow(Canvas& dc, int row, Point shift) {
    Rect rr;
    if (row < m_nTopRow || row >= ShownRows() || !GetRowRect(row, &rr, false)) return;
    const Point o = ClientOrigin();
    rr = rr.Offset(o.x + shift.x, o.y + m_nTextOffset + shift.y);
    const Rect list = m_ListRect.Offset(shift.x, shift.y);
    const bool cut = rr.Height() < m_nRowHeight;
    const platform::gfx::FontRef& font = m_RowFont.font;
    dc.SelectFont(font);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(platform::gfx::TA_LEFT | platform::gfx::TA_TOP);
    const bool marked = IsSelected(row);
    int x = list.left;
    for (int col = 0; col < static_cast<int>(m_Columns.size()); ++col) {
        const CListColumn& c = *m_Columns[col];
        const Rect cellRect{x, rr.top, x + c.width, rr.bottom};
        x += c.width + m_nColumnGap;
        const CListCell* cell = GetCell(row, col);
        if (!cell) continue;
        if (c.format & kColumnBlobs) {
            if (!c.picture || !c.picture->IsLoaded()) continue;
            const int h = std::min(cut ? rr.Height() - 2 : kBlob, c.picture->GetHeight());
            const int edge = std::min(cellRect.right, list.right);
            const int y = rr.top + (m_nRowHeight - kBlob) / 2 + 1;
            for (int i = 0; i < cell->value && h > 0; ++i) {
                const int bx = cellRect.left + 2 + i * kBlob;
                const int w = std::min({kBlob, edge - bx, c.picture->GetWidth()});
                if (w <= 0) break;
                dc.KeyedBlt(bx, y, c.picture->GetSurface(), Rect{0, 0, w, h}, platform::gfx::kKeyColourRef);
            }
            continue;
        }
        if (c.format & kColumnPicture) {
            if (!cell->picture || !cell->picture->IsLoaded()) continue;
            const int px = cellRect.left + (c.width - cell->pictureWidth) / 2;
            const int py = rr.top + (rr.Height() - cell->pictureHeight) / 2;
            if (cell->pictureWidth < c.width && py + cell->pictureHeight < list.bottom)
                cell->picture->DrawTransparent(dc, px, py, platform::gfx::kKeyColourRef);
            continue;
        }
        uint32_t colour = cell->colour;
        if (marked)
            colour = m_crMarked;
        else if (row == m_nCurrentSelection && cell->style != 1)
            colour = m_crSelected;
        else if (c.colour != 0)
            colour = c.colour;
        std::string text = cell->text;
        int width = font ? font->Measure(text) : 0;
        const bool left = !(c.format & (kColumnRight | kColumnCentre));
        if (m_bFitText && font && left && width > cellRect.Width() - 4) {
            // Too long: it ends with "." before the edge, never on half a character.
            while (text.size() > 1 && font->Measure(text + ".") > cellRect.Width() - 4) {
                while (text.size() > 1 && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
                text.pop_back();
            }
            while (text.size() > 1 && (text.back() == ' ' || text.back() == '-')) text.pop_back();
            text += ".";
            width = font->Measure(text);
        }
        int tx = cellRect.left + 2;
        if (c.format & kColumnRight)
            tx = cellRect.right - 4 - width;
        else if (c.format & kColumnCentre)
            tx = cellRect.left + (c.width - width) / 2;
        const int th = font ? font->Metrics().height : 0;
        const int ty = rr.top + (m_nRowHeight - th) / 2;
        const int saved = dc.SaveDC();
        dc.IntersectClipRect(Rect{cellRect.left, cellRect.top, cellRect.right, cellRect.bottom});
        dc.SetTextColor(kBlack);
        dc.TextOut(tx + 1, ty + 1, text);
        dc.SetTextColor(colour);
        dc.TextOut(tx, ty, text);
        dc.RestoreDC(saved);
    }
}

void CListControl::DrawBar(Canvas& dc) {
    const auto key = platform::gfx::kKeyColourRef;
    const Rect& b = m_BarRect;
    m_UpArrow.DrawTransparent(dc, b.left + m_bUpPressed, b.top + m_bUpPressed, key);
    m_DownArrow.DrawTransparent(dc, b.left + m_bDownPressed, b.bottom - m_nArrowHeight + m_bDownPressed, key);
    m_Thumb.DrawTransparent(dc, b.left, b.top + m_nThumbPos, key);
}

void CListControl::OnPaint(const PaintContext& pc) {
    if (!m_pOwner || !m_pOwner->IsAlive()) return;
    auto* dc = reinterpret_cast<Canvas*>(m_pOwner->Send(ui::kMsgGetWorkDC));
    if (dc) {
        Draw(*dc, false);
        Canvas out = pc.MakeCanvas();
        const Rect r = WindowRect();
        out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), r.left, r.top);
    }
    m_pOwner->Send(ui::kMsgDrawingDone);
}
