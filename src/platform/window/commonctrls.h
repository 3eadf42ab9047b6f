#pragma once
// The up-down control and the tab control of the common controls.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/window/notify.h"
#include "platform/window/window.h"

namespace platform::win {

// Two arrows that step a position within a range. Each step asks the parent
// first (UDN_DELTAPOS; a non-zero answer refuses it), then moves and tells
// the parent with WM_VSCROLL (SB_THUMBPOSITION). Held down, it repeats.
class UpDownCtrl : public Window {
public:
    static constexpr uint32_t kRepeatDelayMs = 500;
    static constexpr uint32_t kRepeatMs = 100;

    bool CreateUpDown(Window* parent, const Rect& rect, uint32_t style, uint32_t id);
    void SetRange(int low, int high);
    void SetPos(int pos);
    int GetPos() const { return pos_; }
    void SetBuddy(Window* buddy) { buddy_ = buddy ? buddy->Handle() : 0; }
    Window* GetBuddy() const;

protected:
    void OnLButtonDown(uint32_t flags, Point pt) override;
    void OnLButtonDblClk(uint32_t flags, Point pt) override { OnLButtonDown(flags, pt); }
    void OnLButtonUp(uint32_t flags, Point pt) override;
    void OnTimer(uint32_t id) override;
    void OnPaint(const PaintContext& pc) override;

private:
    void StepOnce();

    int low_ = 0, high_ = 100, pos_ = 0;
    int held_ = 0;  // +1 upper arrow, -1 lower arrow
    WindowHandle buddy_ = 0;
};

// A row of tabs. A click on a tab asks the parent (TCN_SELCHANGING; non-zero
// refuses), selects it, and reports TCN_SELCHANGE: first to the control's own
// OnSelChange (the framework's reflection; true keeps it from the parent).
class TabCtrl : public Window {
public:
    bool CreateTabs(Window* parent, const Rect& rect, uint32_t style, uint32_t id);
    int InsertItem(int index, std::string textCp1252);
    int GetItemCount() const { return int(items_.size()); }
    int GetCurSel() const { return sel_; }
    int SetCurSel(int index);  // the previous selection; no notification
    Rect GetItemRect(int index) const;
    void SetFont(gfx::FontRef font);
    const gfx::FontRef& GetFont() const { return font_; }

protected:
    virtual bool OnSelChange() { return false; }
    void OnLButtonDown(uint32_t flags, Point pt) override;
    void OnPaint(const PaintContext& pc) override;

private:
    std::vector<std::string> items_;
    int sel_ = -1;
    gfx::FontRef font_;
};

}  // namespace platform::win
