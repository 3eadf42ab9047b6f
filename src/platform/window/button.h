#pragma once
// The framework's push button, owner-drawn or plain, with the old system's
// behaviour: a press takes the capture and the focus; the button looks
// pushed while the pointer is over it; a release inside is a click
// (WM_COMMAND with BN_CLICKED to the parent); a double click acts as a
// press; Space pushes it from the keyboard.
#include <cstdint>
#include <string>

#include "platform/window/window.h"

namespace platform::win {

// What an owner-drawn item is asked to draw.
struct DrawItemInfo {
    uint32_t ctlType = ODT_BUTTON;
    uint32_t ctlId = 0;
    uint32_t itemId = 0;
    uint32_t itemAction = ODA_DRAWENTIRE;
    uint32_t itemState = 0;
    Window* window = nullptr;
    const PaintContext* paint = nullptr;
    Rect item;
};

class Button : public Window {
public:
    Button();
    // Style: WS_CHILD and WS_VISIBLE as needed, plus BS_OWNERDRAW or a push style.
    bool CreateButton(std::string textCp1252, uint32_t style, const Rect& rect, Window* parent, uint32_t id);
    const std::string& Text() const { return text_; }
    void SetText(std::string textCp1252);
    bool IsPushed() const { return pushed_; }
    bool HasFocus() const;
    bool IsOwnerDrawn() const { return (Style() & BS_TYPEMASK) == BS_OWNERDRAW; }

    // Owner-drawn buttons draw themselves here; the default asks the parent
    // with WM_DRAWITEM.
    virtual void DrawItem(const DrawItemInfo& info);

protected:
    void OnPaint(const PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, Point pt) override;
    void OnLButtonDblClk(uint32_t flags, Point pt) override;
    void OnMouseMove(uint32_t flags, Point pt) override;
    void OnLButtonUp(uint32_t flags, Point pt) override;
    void OnCaptureChanged(Window* next) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    void OnKeyUp(uint32_t vk, intptr_t flags) override;
    void OnSetFocus(Window* old) override;
    void OnKillFocus(Window* next) override;
    void OnEnable(bool enabled) override;

private:
    void SetPushed(bool pushed, uint32_t action);
    void Clicked();
    void DrawPlain(const PaintContext& pc, uint32_t state);

    std::string text_;
    bool pushed_ = false;
    bool tracking_ = false;
    bool spaceDown_ = false;
    uint32_t lastAction_ = ODA_DRAWENTIRE;
};

}  // namespace platform::win
