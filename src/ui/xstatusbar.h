#pragma once
// The main frame's status bar: the framework's bar with the game's panes.
#include "platform/window/statusbar.h"

class CXStatusBar : public platform::win::StatusBar {
public:
    static constexpr uint32_t kTextPane = 500;

protected:
    // After the framework's own creation: two separator panes and pane 500.
    int OnCreate() override;
};
