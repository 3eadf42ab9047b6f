#include "platform/window/statusbar.h"

#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

namespace {
uint32_t SysPixel(int index) {
    return gfx::ToPixel(gfx::GetSysColor(index));
}

// The old control's spacing: a border at the left, a gap between panes and
// a two-pixel edge inside each pane around its text.
constexpr int kLeftBorder = 2;
constexpr int kTopBorder = 2;
constexpr int kGap = 2;
constexpr int kEdge = 2;
}  // namespace

StatusBar::StatusBar() = default;

StatusBar::~StatusBar() {
    if (idleId_) Ui::Get().RemoveIdleHandler(idleId_);
}

bool StatusBar::CreateBar(Window* parent, uint32_t id) {
    if (!parent) return false;
    Rect pc = parent->ClientRect();
    return Create(parent, {0, pc.bottom - kStatusBarHeight, pc.right, pc.bottom}, WS_CHILD | WS_VISIBLE, id);
}

int StatusBar::OnCreate() {
    idleId_ = Ui::Get().AddIdleHandler([this] { UpdatePanes(); });
    return 0;
}

void StatusBar::OnDestroy() {
    if (idleId_) Ui::Get().RemoveIdleHandler(idleId_);
    idleId_ = 0;
}

bool StatusBar::SetIndicators(const std::vector<uint32_t>& ids) {
    panes_.clear();
    for (uint32_t id : ids) panes_.push_back({id, SBPS_NORMAL, 0, {}});
    Invalidate();
    return true;
}

void StatusBar::SetPaneInfo(size_t index, uint32_t id, uint32_t style, int width) {
    if (index >= panes_.size()) return;
    Pane& p = panes_[index];
    if (p.id == id && p.style == style && p.width == width) return;
    p.id = id;
    p.style = style;
    p.width = width;
    Invalidate();
}

void StatusBar::SetPaneStyle(size_t index, uint32_t style) {
    if (index >= panes_.size() || panes_[index].style == style) return;
    panes_[index].style = style;
    Invalidate();
}

bool StatusBar::SetPaneText(size_t index, std::string text) {
    if (index >= panes_.size()) return false;
    if (panes_[index].text != text) {
        panes_[index].text = std::move(text);
        InvalidateRect(PaneRect(index));
    }
    return true;
}

int StatusBar::CommandToIndex(uint32_t id) const {
    for (size_t i = 0; i < panes_.size(); ++i)
        if (panes_[i].id == id) return int(i);
    return -1;
}

Rect StatusBar::PaneRect(size_t index) const {
    if (index >= panes_.size()) return {};
    Rect c = ClientRect();
    int fixed = kLeftBorder;
    int stretchers = 0;
    for (const Pane& p : panes_) {
        fixed += p.width + 2 * kEdge + kGap;
        stretchers += (p.style & SBPS_STRETCH) ? 1 : 0;
    }
    int spare = std::max(0, c.Width() - fixed);
    int x = kLeftBorder;
    for (size_t i = 0; i < panes_.size(); ++i) {
        const Pane& p = panes_[i];
        int w = p.width + 2 * kEdge;
        if ((p.style & SBPS_STRETCH) && stretchers > 0) {
            w += spare;
            stretchers = 0;  // the first stretching pane takes it all
        }
        if (i == index) return {x, kTopBorder, std::min(x + w, c.right), c.bottom};
        x += w + kGap;
    }
    return {};
}

void StatusBar::UpdatePanes() {
    if (!update_ || !IsAlive()) return;
    for (size_t i = 0; i < panes_.size(); ++i) {
        PaneUpdate u;
        u.enabled = (panes_[i].style & SBPS_DISABLED) == 0;
        update_(i, panes_[i].id, u);
        uint32_t style = u.enabled ? (panes_[i].style & ~SBPS_DISABLED) : (panes_[i].style | SBPS_DISABLED);
        SetPaneStyle(i, style);
        if (u.setText) SetPaneText(i, u.text);
    }
}

void StatusBar::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    pc.Fill(c, SysPixel(gfx::COLOR_3DFACE));
    pc.Line({0, 0}, {c.right - 1, 0}, SysPixel(gfx::COLOR_3DHIGHLIGHT));
    for (size_t i = 0; i < panes_.size(); ++i) {
        const Pane& p = panes_[i];
        Rect r = PaneRect(i);
        if (r.IsEmpty()) continue;
        if (!(p.style & SBPS_NOBORDERS)) {
            uint32_t dark = SysPixel(gfx::COLOR_3DSHADOW), light = SysPixel(gfx::COLOR_3DHIGHLIGHT);
            if (p.style & SBPS_POPOUT) std::swap(dark, light);
            pc.Line({r.left, r.top}, {r.right - 1, r.top}, dark);
            pc.Line({r.left, r.top}, {r.left, r.bottom - 1}, dark);
            pc.Line({r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, light);
            pc.Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, light);
        }
        if (!(p.style & SBPS_DISABLED))
            PaintText(pc, {r.left + kEdge, r.top + 1, r.right - kEdge, r.bottom - 1}, p.text,
                      SysPixel(gfx::COLOR_BTNTEXT));
    }
}

}  // namespace platform::win
