#include "platform/window/menu.h"

#include <map>

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

constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 8;
constexpr int kMinWidth = 120;

// The menu's own window, drawn over the main window's picture.
class MenuWindow : public Window {
public:
    MenuWindow(const Menu& menu, uint32_t flags, Window* owner) : menu_(menu), flags_(flags), owner_(owner) {}

    bool Open(Point screen) {
        Size size = Measure();
        Rect limit{0, 0, gfx::DesktopSize().cx, gfx::DesktopSize().cy};
        if (Window* main = Ui::Get().MainWindow()) limit = main->ClientToScreen(main->ClientRect());
        int x = std::min(screen.x, limit.right - size.cx), y = std::min(screen.y, limit.bottom - size.cy);
        x = std::max(x, limit.left);
        y = std::max(y, limit.top);
        return CreatePopup(owner_, Rect::XYWH(x, y, size.cx, size.cy), WS_VISIBLE);
    }

    uint32_t Run() {
        Ui& ui = Ui::Get();
        Window* oldFocus = ui.GetFocus();
        ui.SetCapture(this);
        ui.SetFocus(this);
        ui.RunModalLoop(nullptr, [this] { return !done_ && IsAlive(); });
        if (ui.GetCapture() == this) ui.ReleaseCapture();
        if (oldFocus && oldFocus->IsAlive()) ui.SetFocus(oldFocus);
        return chosen_;
    }

protected:
    void OnPaint(const PaintContext& pc) override {
        Rect c = ClientRect();
        pc.Fill(c, SysPixel(gfx::COLOR_MENU));
        gfx::Canvas dc = pc.MakeCanvas();
        Rect edge = c;
        dc.DrawEdge(edge, gfx::EDGE_RAISED, gfx::BF_RECT);
        for (size_t i = 0; i < menu_.items.size(); ++i) {
            const MenuItem& it = menu_.items[i];
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
                MenuDrawItemInfo info;
                info.ctlType = ODT_MENU;
                info.itemId = it.id;
                info.itemAction = ODA_DRAWENTIRE;
                info.itemState = state;
                info.window = this;
                info.paint = &pc;
                info.item = r;
                info.itemData = it.itemData;
                if (owner_ && owner_->IsAlive()) owner_->Send(WM_DRAWITEM, 0, reinterpret_cast<intptr_t>(&info));
                continue;
            }
            bool hot = state & ODS_SELECTED;
            if (hot) pc.Fill(r, SysPixel(gfx::COLOR_HIGHLIGHT));
            uint32_t text = SysPixel((state & ODS_GRAYED) ? gfx::COLOR_GRAYTEXT
                                     : hot               ? gfx::COLOR_HIGHLIGHTTEXT
                                                         : gfx::COLOR_MENUTEXT);
            PaintText(pc, {r.left + 18, r.top, r.right - 4, r.bottom}, it.text, text);
        }
    }

    void OnMouseMove(uint32_t, Point pt) override { SetHot(ItemAt(pt)); }

    void OnLButtonDown(uint32_t, Point pt) override { PressAt(pt); }
    void OnRButtonDown(uint32_t, Point pt) override { PressAt(pt); }
    void OnLButtonUp(uint32_t, Point pt) override { ReleaseAt(pt); }
    void OnRButtonUp(uint32_t, Point pt) override {
        if (flags_ & TPM_RIGHTBUTTON) ReleaseAt(pt);
    }

    void OnKeyDown(uint32_t vk, uint32_t, intptr_t) override {
        switch (vk) {
        case VK_ESCAPE: done_ = true; break;
        case VK_UP: Step(-1); break;
        case VK_DOWN: Step(1); break;
        case VK_RETURN:
            if (hot_ >= 0) Choose(size_t(hot_));
            break;
        default: break;
        }
    }

    void OnCaptureChanged(Window* next) override {
        if (next != this) done_ = true;  // someone else took the mouse: the menu goes
    }

private:
    Size Measure() {
        int y = 3, width = kMinWidth;
        rects_.clear();
        for (const MenuItem& it : menu_.items) {
            int h = (it.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
            if ((it.flags & MF_OWNERDRAW) && owner_ && owner_->IsAlive()) {
                MeasureItemInfo mi{ODT_MENU, it.id, 0, h, it.itemData};
                owner_->Send(WM_MEASUREITEM, 0, reinterpret_cast<intptr_t>(&mi));
                h = mi.itemHeight;
                width = std::max(width, mi.itemWidth + 6);
            } else if (!(it.flags & MF_SEPARATOR)) {
                width = std::max(width, int(it.text.size()) * 7 + 30);
            }
            rects_.push_back({3, y, 0, y + h});
            y += h;
        }
        for (Rect& r : rects_) r.right = width - 3;
        return {width, y + 3};
    }

    int ItemAt(Point pt) const {
        for (size_t i = 0; i < rects_.size(); ++i)
            if (rects_[i].Contains(pt) && !(menu_.items[i].flags & MF_SEPARATOR)) return int(i);
        return -1;
    }

    void SetHot(int i) {
        if (i == hot_) return;
        hot_ = i;
        Invalidate(false);
    }

    void Step(int dir) {
        int n = int(menu_.items.size());
        if (n == 0) return;
        int i = hot_;
        for (int k = 0; k < n; ++k) {
            i = ((i < 0 ? (dir > 0 ? -1 : 0) : i) + dir + n) % n;
            if (!(menu_.items[size_t(i)].flags & MF_SEPARATOR)) break;
        }
        SetHot(i);
    }

    void PressAt(Point pt) {
        if (!ClientRect().Contains(pt)) done_ = true;  // a click outside dismisses
    }

    void ReleaseAt(Point pt) {
        int i = ItemAt(pt);
        if (i >= 0) Choose(size_t(i));
    }

    void Choose(size_t i) {
        const MenuItem& it = menu_.items[i];
        if (it.flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP)) return;
        chosen_ = it.id;
        done_ = true;
    }

    const Menu& menu_;
    uint32_t flags_;
    Window* owner_;
    std::vector<Rect> rects_;
    int hot_ = -1;
    bool done_ = false;
    uint32_t chosen_ = 0;
};

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

uint32_t TrackPopupMenu(const Menu& menu, uint32_t flags, Point screen, Window* owner) {
    if (menu.items.empty()) return 0;
    WindowHandle ownerHandle = owner ? owner->Handle() : 0;
    if (owner) owner->Send(WM_INITMENUPOPUP, 0, 0);
    MenuWindow w(menu, flags, owner);
    if (!w.Open(screen)) return 0;
    uint32_t chosen = w.Run();
    w.Destroy();
    Window* o = Ui::Get().FromHandle(ownerHandle);
    if (chosen && o && !(flags & TPM_RETURNCMD)) o->Send(WM_COMMAND, MakeWParam(chosen, 0), 0);
    return chosen;
}

}  // namespace platform::win
