#pragma once
// Tool tips. The timing every tip shares lives in ToolTipTiming: after the
// pointer rests on a tool for the initial delay the tip shows, until the
// pointer leaves the tool, a button is pressed, or the auto-pop delay
// passes; a pointer that goes straight from a shown tip to another tool
// waits only the reshow delay. ToolTipManager is the framework's tip window
// behind a window's hot-spot tips (TTN_NEEDTEXT); the widgets' own tip
// window uses the same timing. Delays run on the layer's clock.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/window/notify.h"
#include "platform/window/window.h"

namespace platform::win {

inline constexpr uint32_t kToolTipInitialMs = 500;
inline constexpr uint32_t kToolTipAutoPopMs = 5000;
inline constexpr uint32_t kToolTipReshowMs = 100;

class ToolTipTiming {
public:
    struct Hooks {
        std::function<int(Point clientPt)> hitTest;  // the tool under a point, or -1
        std::function<bool(int tool)> show;          // shows the tool's tip; false when it has none
        std::function<void()> hide;
    };

    ToolTipTiming() = default;
    explicit ToolTipTiming(Hooks hooks) : hooks_(std::move(hooks)) {}
    ~ToolTipTiming();
    ToolTipTiming(const ToolTipTiming&) = delete;
    ToolTipTiming& operator=(const ToolTipTiming&) = delete;

    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }
    // The owner's mouse messages, in its client coordinates.
    void Relay(uint32_t msg, Point clientPt);
    // Hides the tip now; the tool under the pointer gets no new tip until
    // the pointer moves to another.
    void Pop();
    // Hides the tip and forgets the tool.
    void Reset();
    bool Shown() const { return shown_; }
    int Tool() const { return tool_; }
    // The delay the tip under way waits, 0 when none waits.
    uint32_t PendingDelay() const { return timer_ && next_ == Next::Show ? delay_ : 0; }

private:
    enum class Next : uint8_t { None, Show, Pop };
    void Arm(Next next, uint32_t ms);
    void Disarm();
    void Due();
    void HideNow(bool byLeaving);

    Hooks hooks_;
    uint32_t timer_ = 0;
    uint32_t delay_ = 0;
    Next next_ = Next::None;
    int tool_ = -1;
    bool shown_ = false;
    bool suppressed_ = false;    // a press on the tool: no tip until it changes
    uint64_t leftShownAt_ = 0;   // when a shown tip was last left by the pointer
    bool leftShown_ = false;
};

class ToolTipManager : public Window {
public:
    // The tool under `clientPt` of the owner, or -1.
    using HitTest = std::function<int(Point clientPt)>;

    bool CreateFor(Window* owner, HitTest hitTest);
    // The owner passes its mouse messages here.
    void RelayMouse(uint32_t msg, Point clientPt) { timing_.Relay(msg, clientPt); }
    void Pop() { timing_.Pop(); }  // hides the tip now
    bool IsShown() const { return IsAlive() && IsShownFlag(); }
    const std::string& Text() const { return text_; }
    int CurrentTool() const { return timing_.Tool(); }
    const ToolTipTiming& Timing() const { return timing_; }

protected:
    void OnPaint(const PaintContext& pc) override;

private:
    bool ShowTip(int tool);

    WindowHandle owner_ = 0;
    ToolTipTiming timing_;
    std::string text_;
};

}  // namespace platform::win
