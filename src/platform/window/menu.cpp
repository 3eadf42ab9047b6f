#include "platform/window/menu.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

namespace {

std::map<uint32_t, Menu>& Resources() {
    static std::map<uint32_t, Menu> menus;
    return menus;
}

uint32_t SysPixel(int index) {
    return gfx::ToPixel(gfx::GetSysColor(index));
}

constexpr int kBorder = 3;
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 8;
constexpr int kMinWidth = 120;
constexpr int kCheckMarkWidth = 13;  // the system adds it to an owner-drawn item's width
constexpr int kArrowSpace = 16;

const gfx::FontRef& MenuFont() {
    static const gfx::FontRef font = gfx::Font::CreatePoint(80, "MS Sans Serif");
    return font;
}

bool Refused(const MenuItem& it) {
    return (it.flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) != 0;
}

bool OpensSubMenu(const MenuItem& it) {
    return (it.flags & MF_POPUP) && it.popup && !Refused(it);
}

class Tracker;

// One open menu of the chain: the outermost holds the capture and the focus
// and passes all input to the tracker, which decides for the whole chain.
class MenuLevel : public Window {
public:
    MenuLevel(Tracker& tracker, const Menu& menu, WindowHandle owner, int parentItem)
        : menu(menu), parentItem(parentItem), tracker_(tracker), owner_(owner) {}

    Size Measure();
    int ItemAt(Point client) const {
        for (size_t i = 0; i < rects_.size(); ++i)
            if (rects_[i].Contains(client) && !(menu.items[i].flags & MF_SEPARATOR)) return int(i);
        return -1;
    }
    Rect ItemRect(int i) const { return rects_[size_t(i)]; }
    int Hot() const { return hot_; }
    void SetHot(int i) {
        if (i == hot_) return;
        hot_ = i;
        Invalidate(false);
    }
    // The next item that is not a separator, going `dir`; wraps round.
    void Step(int dir) {
        int n = int(menu.items.size());
        int i = hot_;
        for (int k = 0; k < n; ++k) {
            i = ((i < 0 ? (dir > 0 ? -1 : 0) : i) + dir + n) % n;
            if (!(menu.items[size_t(i)].flags & MF_SEPARATOR)) {
                SetHot(i);
                return;
            }
        }
    }

    const Menu& menu;
    const int parentItem;  // the item of the level before that opened this one

protected:
    void OnPaint(const PaintContext& pc) override;
    void OnMouseMove(uint32_t, Point pt) override { Relay(WM_MOUSEMOVE, pt); }
    void OnLButtonDown(uint32_t, Point pt) override { Relay(WM_LBUTTONDOWN, pt); }
    void OnRButtonDown(uint32_t, Point pt) override { Relay(WM_RBUTTONDOWN, pt); }
    void OnLButtonUp(uint32_t, Point pt) override { Relay(WM_LBUTTONUP, pt); }
    void OnRButtonUp(uint32_t, Point pt) override { Relay(WM_RBUTTONUP, pt); }
    void OnKeyDown(uint32_t vk, uint32_t, intptr_t) override;
    void OnCaptureChanged(Window* next) override;

private:
    void Relay(uint32_t msg, Point client);
    void DrawOwnerItem(const PaintContext& pc, size_t i, uint32_t action, uint32_t state);

    Window* Owner() const { return Ui::Get().FromHandle(owner_); }  // null once it is gone

    Tracker& tracker_;
    WindowHandle owner_;
    std::vector<Rect> rects_;
    int hot_ = -1;
};

class Tracker {
public:
    Tracker(uint32_t flags, Window* owner) : flags_(flags), ownerHandle_(owner ? owner->Handle() : 0) {}
    ~Tracker() { StopTimer(); }

    uint32_t Run(const Menu& menu, Point screen) {
        Tracker* outer = current_;
        current_ = this;
        if (Open(menu, 0, Rect{screen.x, screen.y, screen.x, screen.y}, -1)) {
            Ui& ui = Ui::Get();
            MenuLevel* root = levels_[0].get();
            Window* oldFocus = ui.GetFocus();
            WindowHandle oldFocusHandle = oldFocus ? oldFocus->Handle() : 0;
            ui.SetCapture(root);
            ui.SetFocus(root);
            ui.RunModalLoop(nullptr, [&] { return !done_ && root->IsAlive(); });
            StopTimer();
            if (ui.GetCapture() == root) ui.ReleaseCapture();
            CloseAfter(-1);
            if (Window* f = ui.FromHandle(oldFocusHandle)) ui.SetFocus(f);
        }
        current_ = outer;
        return chosen_;
    }

    void Mouse(uint32_t msg, Point screen) {
        const int d = LevelAt(screen);
        MenuLevel* level = d >= 0 ? levels_[size_t(d)].get() : nullptr;
        const int i = level ? level->ItemAt(level->ScreenToClient(screen)) : -1;
        switch (msg) {
        case WM_MOUSEMOVE:
            if (i < 0) return;
            if (IsOpenFrom(d, i)) {
                StopTimer();
                level->SetHot(i);
                levels_[size_t(d) + 1]->SetHot(-1);
                return;
            }
            level->SetHot(i);
            CloseAfter(d);
            if (OpensSubMenu(level->menu.items[size_t(i)])) Arm(d, i);
            else StopTimer();
            return;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (!level) done_ = true;  // a click outside every menu dismisses them all
            else if (i >= 0 && OpensSubMenu(level->menu.items[size_t(i)])) OpenSub(d, i, false);
            return;
        case WM_RBUTTONUP:
            if (!(flags_ & TPM_RIGHTBUTTON)) return;
            [[fallthrough]];
        case WM_LBUTTONUP:
            if (i >= 0) Choose(d, i, false);
            return;
        default: return;
        }
    }

    void Key(uint32_t vk) {
        const int d = int(levels_.size()) - 1;
        if (d < 0) return;
        MenuLevel* level = levels_[size_t(d)].get();
        switch (vk) {
        case VK_UP:
        case VK_DOWN:
            StopTimer();
            level->Step(vk == VK_DOWN ? 1 : -1);
            break;
        case VK_RIGHT:
            if (level->Hot() >= 0 && OpensSubMenu(level->menu.items[size_t(level->Hot())]))
                OpenSub(d, level->Hot(), true);
            break;
        case VK_LEFT:
            if (d > 0) CloseAfter(d - 1);
            break;
        case VK_ESCAPE:
            if (d > 0) CloseAfter(d - 1);
            else done_ = true;
            break;
        case VK_RETURN:
            if (level->Hot() >= 0) Choose(d, level->Hot(), true);
            break;
        default: break;
        }
    }

    bool IsOurs(const Window* w) const {
        for (const auto& l : levels_)
            if (l.get() == w) return true;
        return false;
    }
    void Dismiss() { done_ = true; }

    static std::vector<Rect> OpenRects() {
        std::vector<Rect> out;
        if (current_)
            for (const auto& l : current_->levels_) out.push_back(l->WindowRect());
        return out;
    }

private:
    // Opens `menu` as level `depth`: at the anchor's top left for the first,
    // beside the parent's item (`anchor`, screen) for the others.
    bool Open(const Menu& menu, size_t depth, Rect anchor, int parentItem) {
        if (menu.items.empty()) return false;
        if (Window* o = Ui::Get().FromHandle(ownerHandle_))
            o->Send(WM_INITMENUPOPUP, reinterpret_cast<uintptr_t>(&menu), parentItem < 0 ? 0 : parentItem);
        auto level = std::make_unique<MenuLevel>(*this, menu, ownerHandle_, parentItem);
        Size size = level->Measure();
        Rect limit{0, 0, gfx::DesktopSize().cx, gfx::DesktopSize().cy};
        if (Window* main = Ui::Get().MainWindow()) limit = main->ClientToScreen(main->ClientRect());
        int x = anchor.left, y = anchor.top;
        if (depth > 0) {
            x = anchor.right - kBorder;
            y = anchor.top - kBorder;
            if (x + size.cx > limit.right) x = anchor.left - size.cx + kBorder;  // no room: the other side
        }
        x = std::max(std::min(x, limit.right - size.cx), limit.left);
        y = std::max(std::min(y, limit.bottom - size.cy), limit.top);
        Window* parent = depth == 0 ? Ui::Get().FromHandle(ownerHandle_) : levels_[0].get();
        if (!level->CreatePopup(parent, Rect::XYWH(x, y, size.cx, size.cy), WS_VISIBLE)) return false;
        levels_.push_back(std::move(level));
        return true;
    }

    bool IsOpenFrom(int d, int item) const {
        return size_t(d) + 1 < levels_.size() && levels_[size_t(d) + 1]->parentItem == item;
    }

    void OpenSub(int d, int item, bool selectFirst) {
        StopTimer();
        MenuLevel* level = levels_[size_t(d)].get();
        level->SetHot(item);
        if (!IsOpenFrom(d, item)) {
            CloseAfter(d);
            const MenuItem& it = level->menu.items[size_t(item)];
            if (!OpensSubMenu(it)) return;
            Rect anchor = level->ClientToScreen(level->ItemRect(item));
            anchor.left = level->WindowRect().left;
            anchor.right = level->WindowRect().right;
            if (!Open(*it.popup, size_t(d) + 1, anchor, item)) return;
        }
        if (selectFirst && levels_.back()->Hot() < 0) levels_.back()->Step(1);
    }

    void Choose(int d, int item, bool byKey) {
        const MenuItem& it = levels_[size_t(d)]->menu.items[size_t(item)];
        if (it.flags & MF_POPUP) {
            if (OpensSubMenu(it)) OpenSub(d, item, byKey);
            return;
        }
        if (Refused(it)) return;  // a grey item or a separator keeps the menu open
        chosen_ = it.id;
        done_ = true;
    }

    // Keeps the levels up to `d`; the others close.
    void CloseAfter(int d) {
        while (int(levels_.size()) > d + 1) {
            if (levels_.back()->IsAlive()) levels_.back()->Destroy();
            closed_.push_back(std::move(levels_.back()));  // freed with the tracker: it may be mid-message
            levels_.pop_back();
        }
    }

    int LevelAt(Point screen) const {
        for (size_t k = levels_.size(); k-- > 0;)
            if (levels_[k]->IsAlive() && levels_[k]->WindowRect().Contains(screen)) return int(k);
        return -1;
    }

    void Arm(int d, int item) {
        StopTimer();
        pendingDepth_ = d;
        pendingItem_ = item;
        timer_ = Ui::Get().StartPeriodicTimer(kSubMenuDelayMs, [this] {
            StopTimer();
            if (size_t(pendingDepth_) < levels_.size() && levels_[size_t(pendingDepth_)]->Hot() == pendingItem_)
                OpenSub(pendingDepth_, pendingItem_, false);
        });
    }

    void StopTimer() {
        if (timer_ && Ui::Get().Started()) Ui::Get().StopPeriodicTimer(timer_);
        timer_ = 0;
    }

    static inline Tracker* current_ = nullptr;

    uint32_t flags_;
    WindowHandle ownerHandle_;
    std::vector<std::unique_ptr<MenuLevel>> levels_;
    std::vector<std::unique_ptr<MenuLevel>> closed_;
    uint32_t timer_ = 0;
    int pendingDepth_ = -1;
    int pendingItem_ = -1;
    bool done_ = false;
    uint32_t chosen_ = 0;
};

Size MenuLevel::Measure() {
    Window* owner = Owner();
    int y = kBorder, width = menu.ownerDraw ? 0 : kMinWidth;
    rects_.clear();
    for (const MenuItem& it : menu.items) {
        int h = (it.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
        if (it.flags & MF_OWNERDRAW) {
            MeasureItemInfo mi{ODT_MENU, it.id, 0, h, it.itemData};
            if (menu.ownerDraw) menu.ownerDraw->MeasureItem(mi);
            else if (owner) owner->Send(WM_MEASUREITEM, 0, reinterpret_cast<intptr_t>(&mi));
            h = mi.itemHeight;
            width = std::max(width, mi.itemWidth + kCheckMarkWidth);
        } else if (!(it.flags & MF_SEPARATOR)) {
            width = std::max(width, MenuFont()->Measure(it.text) + 22 + ((it.flags & MF_POPUP) ? kArrowSpace : 0));
        }
        rects_.push_back({kBorder, y, 0, y + h});
        y += h;
    }
    for (Rect& r : rects_) r.right = kBorder + width;
    return {width + 2 * kBorder, y + kBorder};
}

void MenuLevel::DrawOwnerItem(const PaintContext& pc, size_t i, uint32_t action, uint32_t state) {
    const MenuItem& it = menu.items[i];
    MenuDrawItemInfo info;
    info.ctlType = ODT_MENU;
    info.itemId = it.id;
    info.itemAction = action;
    info.itemState = state;
    info.window = this;
    info.paint = &pc;
    info.item = rects_[i];
    info.itemData = it.itemData;
    if (menu.ownerDraw) menu.ownerDraw->DrawItem(info);
    else if (Window* owner = Owner()) owner->Send(WM_DRAWITEM, 0, reinterpret_cast<intptr_t>(&info));
}

void MenuLevel::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    pc.Fill(c, menu.ownerDraw ? menu.ownerDraw->BackgroundPixel() : SysPixel(gfx::COLOR_MENU));
    gfx::Canvas dc = pc.MakeCanvas();
    Rect edge = c;
    dc.DrawEdge(edge, gfx::EDGE_RAISED, gfx::BF_RECT);
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& it = menu.items[i];
        Rect r = rects_[i];
        if (it.flags & MF_SEPARATOR) {
            int y = r.top + r.Height() / 2;
            pc.Line({r.left + 1, y}, {r.right - 2, y}, SysPixel(gfx::COLOR_3DSHADOW));
            pc.Line({r.left + 1, y + 1}, {r.right - 2, y + 1}, SysPixel(gfx::COLOR_3DHIGHLIGHT));
            continue;
        }
        uint32_t state = 0;
        if (int(i) == hot_) state |= ODS_SELECTED;
        if (it.flags & (MF_GRAYED | MF_DISABLED)) state |= ODS_GRAYED;
        if (it.flags & MF_CHECKED) state |= ODS_CHECKED;
        if (it.flags & MF_OWNERDRAW) {
            DrawOwnerItem(pc, i, ODA_DRAWENTIRE, state);
            continue;
        }
        bool hot = state & ODS_SELECTED;
        if (hot) pc.Fill(r, SysPixel(gfx::COLOR_HIGHLIGHT));
        uint32_t text = SysPixel((state & ODS_GRAYED) ? gfx::COLOR_GRAYTEXT
                                 : hot               ? gfx::COLOR_HIGHLIGHTTEXT
                                                     : gfx::COLOR_MENUTEXT);
        if (state & ODS_CHECKED) {
            const int cy = r.top + r.Height() / 2;
            for (int k = 0; k < 3; ++k) {
                pc.Line({r.left + 4, cy - 1 + k}, {r.left + 6, cy + 1 + k}, text);
                pc.Line({r.left + 6, cy + 1 + k}, {r.left + 11, cy - 4 + k}, text);
            }
        }
        PaintText(pc, {r.left + 18, r.top, r.right - 4, r.bottom}, it.text, text);
        if (it.flags & MF_POPUP) {  // the sub-menu arrow
            const int ax = r.right - 10, ay = r.top + r.Height() / 2;
            for (int k = 0; k < 4; ++k) pc.Line({ax + k, ay - 3 + k}, {ax + k, ay + 4 - k}, text);
        }
    }
    // The highlight comes after every whole item, as a selection change does
    // when the pointer arrives.
    if (hot_ >= 0 && (menu.items[size_t(hot_)].flags & MF_OWNERDRAW)) {
        uint32_t state = ODS_SELECTED;
        if (menu.items[size_t(hot_)].flags & (MF_GRAYED | MF_DISABLED)) state |= ODS_GRAYED;
        DrawOwnerItem(pc, size_t(hot_), ODA_SELECT, state);
    }
}

void MenuLevel::Relay(uint32_t msg, Point client) {
    tracker_.Mouse(msg, ClientToScreen(client));
}

void MenuLevel::OnKeyDown(uint32_t vk, uint32_t, intptr_t) {
    tracker_.Key(vk);
}

void MenuLevel::OnCaptureChanged(Window* next) {
    if (next != this && !tracker_.IsOurs(next)) tracker_.Dismiss();  // someone else took the mouse
}

}  // namespace

Menu& Menu::Append(uint32_t flags, uint32_t id, std::string text, uintptr_t data) {
    items.push_back({id, std::move(text), flags, data, nullptr});
    return *this;
}

Menu* Menu::GetSubMenu(size_t position) const {
    return position < items.size() ? items[position].popup.get() : nullptr;
}

MenuItem* Menu::FindItem(uint32_t id) {
    for (MenuItem& it : items) {
        if (it.id == id && !(it.flags & MF_POPUP)) return &it;
        if (it.popup)
            if (MenuItem* sub = it.popup->FindItem(id)) return sub;
    }
    return nullptr;
}

void RegisterMenuResource(uint32_t id, Menu menu) {
    Resources()[id] = std::move(menu);
}

const Menu* LoadMenuResource(uint32_t id) {
    auto it = Resources().find(id);
    return it == Resources().end() ? nullptr : &it->second;
}

uint32_t MenuOwnerDraw::BackgroundPixel() const {
    return SysPixel(gfx::COLOR_MENU);
}

uint32_t TrackPopupMenu(const Menu& menu, uint32_t flags, Point screen, Window* owner) {
    if (menu.items.empty()) return 0;
    WindowHandle ownerHandle = owner ? owner->Handle() : 0;
    uint32_t chosen = Tracker(flags, owner).Run(menu, screen);
    Window* o = Ui::Get().FromHandle(ownerHandle);
    if (chosen && o && !(flags & TPM_RETURNCMD)) o->Send(WM_COMMAND, MakeWParam(chosen, 0), 0);
    return chosen;
}

std::vector<Rect> OpenMenuRects() {
    return Tracker::OpenRects();
}

}  // namespace platform::win
