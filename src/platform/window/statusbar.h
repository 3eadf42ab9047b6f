#pragma once
// The framework's status bar: a strip of panes along the bottom of a frame,
// each with an id, a style, a width and a text. One pane may stretch over
// the room the others leave. Panes are brought up to date when the loop is
// idle, through the update handler.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window/window.h"

namespace platform::win {

inline constexpr uint32_t SBPS_NORMAL = 0x0000;
inline constexpr uint32_t SBPS_NOBORDERS = 0x0100;
inline constexpr uint32_t SBPS_POPOUT = 0x0200;
inline constexpr uint32_t SBPS_DISABLED = 0x04000000;
inline constexpr uint32_t SBPS_STRETCH = 0x08000000;

inline constexpr uint32_t ID_SEPARATOR = 0;
inline constexpr uint32_t AFX_IDW_STATUS_BAR = 0xE801;
inline constexpr int kStatusBarHeight = 19;

class StatusBar : public Window {
public:
    struct Pane {
        uint32_t id = 0;
        uint32_t style = SBPS_NORMAL;
        int width = 0;
        std::string text;  // Windows-1252
    };
    // What an update handler may change about a pane.
    struct PaneUpdate {
        bool enabled = true;
        std::string text;
        bool setText = false;
    };
    using UpdateHandler = std::function<void(size_t index, uint32_t id, PaneUpdate& update)>;

    StatusBar();
    ~StatusBar() override;

    // A visible child along the bottom of `parent`, kStatusBarHeight high.
    bool CreateBar(Window* parent, uint32_t id = AFX_IDW_STATUS_BAR);
    // Replaces every pane: one a given id, normal style, zero width, no text.
    bool SetIndicators(const std::vector<uint32_t>& ids);
    size_t PaneCount() const { return panes_.size(); }
    const Pane& GetPane(size_t index) const { return panes_.at(index); }
    void SetPaneInfo(size_t index, uint32_t id, uint32_t style, int width);
    void SetPaneStyle(size_t index, uint32_t style);
    bool SetPaneText(size_t index, std::string text);
    const std::string& GetPaneText(size_t index) const { return panes_.at(index).text; }
    int CommandToIndex(uint32_t id) const;
    // Where a pane is drawn, in the bar's client coordinates.
    Rect PaneRect(size_t index) const;

    void SetUpdateHandler(UpdateHandler handler) { update_ = std::move(handler); }
    // Runs the update handler over every pane (the loop does this when idle).
    void UpdatePanes();

protected:
    int OnCreate() override;
    void OnDestroy() override;
    void OnPaint(const PaintContext& pc) override;

private:
    std::vector<Pane> panes_;
    UpdateHandler update_;
    int idleId_ = 0;
};

}  // namespace platform::win
