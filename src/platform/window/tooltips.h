#pragma once
// The tool-tip manager behind a window's hot-spot tips: the owner says which
// tool lies under a point; after the pointer rests there for the initial
// delay the owner is asked for the text (TTN_NEEDTEXT) and the tip shows
// under the pointer, until the pointer leaves the tool, a button is pressed,
// or the auto-pop delay passes. Delays run on the layer's clock.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/window/notify.h"
#include "platform/window/window.h"

namespace platform::win {

inline constexpr uint32_t kToolTipInitialMs = 500;
inline constexpr uint32_t kToolTipAutoPopMs = 5000;

class ToolTipManager : public Window {
public:
    // The tool under `clientPt` of the owner, or -1.
    using HitTest = std::function<int(Point clientPt)>;

    bool CreateFor(Window* owner, HitTest hitTest);
    // The owner passes its mouse messages here.
    void RelayMouse(uint32_t msg, Point clientPt);
    void Pop();  // hides the tip now
    bool IsShown() const { return IsAlive() && IsShownFlag(); }
    const std::string& Text() const { return text_; }
    int CurrentTool() const { return tool_; }

protected:
    void OnTimer(uint32_t id) override;
    void OnPaint(const PaintContext& pc) override;

private:
    void ShowTip();

    WindowHandle owner_ = 0;
    HitTest hitTest_;
    int tool_ = -1;
    bool suppressed_ = false;  // a press on the tool: no tip until it changes
    std::string text_;
};

}  // namespace platform::win
