#pragma once
// A top-level frame in the manner of the framework the game was built on: a
// caption and border round the client, a status bar along the bottom, one
// active view filling the rest, and commands routed frame → active view →
// document → application. The main frame's client is what the backend shows.
#include <cstdint>
#include <string>

#include "platform/window/window.h"

namespace platform::win {

// Anything commands can be routed to.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when the command was handled.
    virtual bool OnCmdMsg(uint32_t id, uint32_t code) = 0;
};

class FrameWindow : public Window, public CommandTarget {
public:
    // A visible top-level frame at `rect` on the virtual desktop, with the
    // classic caption and border round its client.
    bool CreateFrame(std::string titleCp1252, const Rect& rect, uint32_t style = WS_CAPTION | WS_VISIBLE);
    void SetTitle(std::string titleCp1252);
    const std::string& Title() const { return title_; }

    void SetActiveView(Window* view) { view_ = view ? view->Handle() : 0; }
    Window* ActiveView() const;
    void SetDocument(CommandTarget* doc) { doc_ = doc; }
    void SetApplication(CommandTarget* app) { app_ = app; }
    void SetStatusBarWindow(Window* bar) { bar_ = bar ? bar->Handle() : 0; }
    Window* StatusBarWindow() const;

    // Status bar at the bottom, the view over the rest of the client.
    virtual void RecalcLayout();
    // The frame's own route: view (which asks its document), then the frame
    // itself, then the application.
    bool RouteCommand(uint32_t id, uint32_t code = 0);
    bool OnCmdMsg(uint32_t id, uint32_t code) override { return RouteCommand(id, code); }

    // Sizes the client as the frame's limits allow, as a user's drag would.
    void ResizeClient(Size client);

protected:
    // Commands for the frame itself.
    virtual bool OnFrameCommand(uint32_t /*id*/, uint32_t /*code*/) { return false; }
    bool OnCommand(uint32_t id, uint32_t code, Window* control) override;
    void OnSize(int cx, int cy) override;
    void OnDestroy() override;
    // Tells the backend where the client is and how it may be sized.
    void SyncBackend();

private:
    std::string title_;
    WindowHandle view_ = 0;
    WindowHandle bar_ = 0;
    CommandTarget* doc_ = nullptr;
    CommandTarget* app_ = nullptr;
};

}  // namespace platform::win
