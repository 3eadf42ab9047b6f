// The page's side of the surface widgets: buttons, the table cells' texts,
// the one edit field, the delayed tool tip and the shared pictures.
#include <algorithm>
#include <map>

#include "platform/gfx/canvas.h"
#include "platform/trace.h"
#include "platform/window/messages.h"
#include "shell/screen.h"
#include "shell/soundengine.h"

using platform::gfx::Surface;

Surface* CScreen::SharedPicture(const std::string& path) {
    // Loaded once for the whole run; a picture that could not be had is
    // asked for again next time, so a later archive can still give it.
    static std::map<std::string, std::unique_ptr<Surface>> pictures;
    auto it = pictures.find(path);
    if (it != pictures.end()) return it->second.get();
    std::unique_ptr<Surface> s;
    if (BuildSurfaceFromBitmap(path, s) != 0 || !s) return nullptr;
    return (pictures[path] = std::move(s)).get();
}

void CScreen::DrawSurfaceButtons(Surface* surface, SurfaceButton* buttons, int count) {
    if (!surface || !buttons) return;
    for (int i = 0; i < count; ++i) {
        SurfaceButton& b = buttons[i];
        if (b.flags & kSbHidden) continue;
        const int d = (b.state == 1 && !(b.flags & kSbNoOffset)) ? 1 : 0;
        if (b.flags & kSbPicture) {
            Surface* pic = b.state == 1 ? b.pressed.get() : b.released.get();
            if (pic) BlitSurfaceKeyedAt(b.x + d, b.y + d, pic, surface);
        }
        if (b.flags & kSbCaption) {
            SurfaceRgb c = b.state == 1 ? b.pressedColour : b.releasedColour;
            if (b.flags & kSbDisabled) c = {128, 128, 128};
            // Centred on the point: across by the alignment, down by half the text's height.
            int half = 0;
            if (platform::gfx::FontRef f = GetPageFont(1)) {
                platform::gfx::Canvas dc(*surface);
                dc.SelectFont(f);
                half = dc.GetTextExtent(b.caption.empty() ? std::string("X") : b.caption).cy / 2;
            }
            DrawColourText(1, platform::gfx::TA_CENTER, surface, b.caption, b.x + b.captionX + d,
                           b.y + b.captionY - half + d, c.red, c.green, c.blue);
        }
        if ((b.flags & kSbOverlay) && b.overlay) BlitSurfaceKeyedAt(b.x + d, b.y + d, b.overlay.get(), surface);
    }
}

int CScreen::HitTestSurfaceButtons(SurfaceButton* buttons, int count, int x, int y, bool onRelease) {
    if (!buttons) return -1;
    for (int i = 0; i < count; ++i) {
        SurfaceButton& b = buttons[i];
        if (b.flags & (kSbHidden | kSbDisabled)) continue;
        if (!b.HitRect().Contains(platform::gfx::Point{x, y})) continue;
        int& current = m_SurfaceWidgets.currentButton;
        if (current >= 0 && current != i) {
            current = -2;  // a press that moved off its button
            return -1;
        }
        if (onRelease && !(b.flags & kSbMomentary)) return -1;
        if (b.IsToggle()) {
            b.state = b.state ? 0 : 1;
        } else {
            for (int j = 0; j < count; ++j)
                if (!buttons[j].IsToggle()) buttons[j].state = 0;
            b.state = 1;
        }
        PlaySample(kSampleButtonPress, 0);
        current = i;
        return i;
    }
    return -1;
}

int CScreen::HoverSurfaceButtons(SurfaceButton* buttons, int count, int x, int y, int sourceBase) {
    if (!buttons) return 0;
    for (int i = 0; i < count; ++i) {
        const SurfaceButton& b = buttons[i];
        if (b.flags & (kSbHidden | kSbDisabled)) continue;
        if (!b.HitRect().Contains(platform::gfx::Point{x, y})) continue;
        m_SurfaceWidgets.tip.candidate = b.tip;
        m_SurfaceWidgets.tip.candidateSource = sourceBase + i;
        return 1;
    }
    return 0;
}

void CScreen::ReleaseSurfaceButtons(SurfaceButton* buttons, int count) {
    if (buttons)
        for (int i = 0; i < count; ++i)
            if (!buttons[i].IsToggle()) buttons[i].state = 0;
    m_SurfaceWidgets.currentButton = -1;
}

void CScreen::SetSurfaceTableCell(SurfaceTable& table, int column, int row, const std::string& text, int colourIndex) {
    if (column < 0 || column >= SurfaceTable::kMaxColumns || row < 0 || row >= SurfaceTable::kMaxRows) {
        platform::TraceF("SetSurfaceTableCell: no cell at column %d, row %d\n", column, row);
        return;
    }
    SurfaceTableCell& cell = table.cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    cell.text = text;
    cell.normal = SurfaceCellColour(colourIndex);
    cell.highlight = {255, 0, 0};
}

int CScreen::TrackSurfaceTableHeaderTip(const SurfaceTable& table, int x, int y, int sourceBase) {
    SurfaceToolTip& tip = m_SurfaceWidgets.tip;
    if (tip.suppress || y < table.headerTop || y >= table.bodyTop) return 0;
    const int column = table.ColumnAt(x);
    if (column < 0) return 0;
    tip.candidate = table.columns[static_cast<size_t>(column)].longHeader;
    tip.candidateSource = sourceBase + column;
    return 1;
}

void CScreen::BeginSurfaceTableEdit(SurfaceTable& table, const SurfaceScrollBar& bar, int column, int row) {
    if (column < 0 || column >= table.columnCount || row < 0 || row >= table.rowCount) return;
    SurfaceEditField& e = m_SurfaceWidgets.edit;
    SurfaceTableCell& cell = table.cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    e.x = table.x + table.columnStart[static_cast<size_t>(column)];
    e.width = table.ColumnEnd(column) - table.columnStart[static_cast<size_t>(column)];
    e.y = table.bodyTop + (row - bar.position) * table.rowHeight;
    e.height = table.rowHeight;
    e.colour = table.selected[static_cast<size_t>(row)] ? cell.highlight : cell.normal;
    e.text = cell.text.substr(0, SurfaceEditField::kMaxText);
    cell.text.clear();
    e.table = &table;
    e.column = column;
    e.row = row;
    e.caret = 0;
    e.active = 1;
    PlaySample(kSampleScroll, 0);
}

void CScreen::DrawSurfaceEdit(Surface* surface) {
    const SurfaceEditField& e = m_SurfaceWidgets.edit;
    if (!e.active || !surface) return;
    DrawColourText(0, platform::gfx::TA_LEFT, surface, e.text, e.x, e.y, e.colour.red, e.colour.green, e.colour.blue);
    int caretX = e.x;
    if (platform::gfx::FontRef f = GetPageFont(0)) {
        platform::gfx::Canvas dc(*surface);
        dc.SelectFont(f);
        caretX += dc.GetTextExtent(e.text.substr(0, static_cast<size_t>(e.caret))).cx;
    }
    FillSurfaceRect(surface, caretX, e.y, 2, 21, 255, 255, 0);
}

bool CScreen::OnSurfaceEditKey(uint32_t key, uint32_t /*repeat*/, uint32_t /*flags*/, bool isCharacter) {
    SurfaceEditField& e = m_SurfaceWidgets.edit;
    if (!e.active) return false;
    e.caret = std::clamp(e.caret, 0, static_cast<int>(e.text.size()));
    const size_t caret = static_cast<size_t>(e.caret);
    // The field holds at most 16 characters, wherever the caret stands.
    auto insert = [&](char ch) {
        if (e.text.size() >= SurfaceEditField::kMaxText) return;
        e.text.insert(caret, 1, ch);
        ++e.caret;
    };
    using namespace platform::win;
    if (isCharacter) {
        if (key < 32 || key > 127) return false;
        insert(static_cast<char>(key));
    } else {
        switch (key) {
            case VK_SPACE: insert(' '); break;
            case VK_BACK:
                if (caret > 0) {
                    e.text.erase(caret - 1, 1);
                    --e.caret;
                }
                break;
            case VK_DELETE:
                if (caret < e.text.size()) e.text.erase(caret, 1);
                break;
            case VK_LEFT:
                if (e.caret > 0) --e.caret;
                break;
            case VK_RIGHT:
                e.caret = std::min({e.caret + 1, static_cast<int>(SurfaceEditField::kMaxText), static_cast<int>(e.text.size())});
                break;
            case VK_HOME: e.caret = 0; break;
            case VK_END: e.caret = static_cast<int>(e.text.size()); break;
            case VK_RETURN:
                if (e.table && e.row >= 0 && e.column >= 0)
                    e.table->cells[static_cast<size_t>(e.row)][static_cast<size_t>(e.column)].text = e.text;
                e.active = 0;
                PlaySample(kSampleEditConfirmed, 0);
                return true;
            default: return false;
        }
    }
    PlaySample(kSampleScroll, 0);
    return true;
}

void CScreen::TrackToolTip(int x, int y) {
    SurfaceToolTip& t = m_SurfaceWidgets.tip;
    if (t.candidateSource >= 0) {
        if (t.candidateSource != t.lastSource) {
            t.text = t.candidate;
            t.lastSource = t.candidateSource;
            t.counter = 1;
            if (t.shown) t.redraw = 1;
            t.shown = 0;
        }
        if (t.counter < SurfaceToolTip::kShowAt) {
            t.x = x;
            t.y = y + 16;
        }
    } else {
        if (t.shown) t.redraw = 1;
        t.shown = 0;
        t.text.clear();
        t.counter = 0;
        t.lastSource = -1;
    }
    // The hover tests name the candidate again on every move.
    t.candidate.clear();
    t.candidateSource = -1;
}

int CScreen::StepToolTip() {
    SurfaceToolTip& t = m_SurfaceWidgets.tip;
    if (t.counter >= 1 && t.counter < 180) {
        ++t.counter;
        if (t.counter == SurfaceToolTip::kShowAt) {
            t.shown = 1;
            t.redraw = 1;
        } else if (t.counter == SurfaceToolTip::kHideAt) {
            t.shown = 0;
            t.redraw = 1;
        }
    }
    if (!t.redraw) return 0;
    t.redraw = 0;
    return 1;
}

void CScreen::DrawToolTip(Surface* surface) {
    const SurfaceToolTip& t = m_SurfaceWidgets.tip;
    if (!t.shown || !surface || t.text.empty()) return;
    platform::gfx::Size ext{0, 0};
    if (platform::gfx::FontRef f = GetPageFont(3)) {
        platform::gfx::Canvas dc(*surface);
        dc.SelectFont(f);
        ext = dc.GetTextExtent(t.text);
    }
    const int w = ext.cx + 8, h = ext.cy + 8;
    int x = t.x, y = t.y;
    if (x + w > surface->Width() - 1) x = surface->Width() - 1 - w;
    if (y + h > surface->Height() - 1) y = surface->Height() - 1 - h;
    x = std::max(0, x);
    y = std::max(0, y);
    FillSurfaceRect(surface, x, y, w, h, 0, 0, 0);
    FillSurfaceRect(surface, x + 1, y + 1, w - 2, h - 2, 255, 255, 223);
    DrawColourText(3, platform::gfx::TA_LEFT, surface, t.text, x + 4, y + 4, 0, 0, 0);
}

void CScreen::ClearToolTipText() {
    SurfaceToolTip& t = m_SurfaceWidgets.tip;
    t.candidate.clear();
    t.candidateSource = -1;
}
