#pragma once
// Services the old system gave beside windows: the plain message box, help
// by context number, opening a web address, text drawing for the
// framework's controls, and the single-instance lock.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/picture.h"

namespace platform::win {

// The plain system message box (MB_* kind in, ID* answer out). It works
// before any window exists; while it is up the main window takes no input.
int PlainMessageBox(std::string_view textCp1252, std::string_view captionCp1252, uint32_t type);

// Help for a context number. The shell installs the help window; without it
// the request is only remembered (and traced).
void ShowHelp(uint32_t context);
void SetHelpHandler(std::function<void(uint32_t)> handler);
const std::vector<uint32_t>& HelpRequests();

// Opens a web address in the desktop's browser (headless: remembered).
void OpenUrl(std::string_view url);

// Draws a line of text for the framework's controls (status bar panes, the
// plain dialogs) in the system's 8-point "MS Sans Serif", left aligned and
// vertically centred in `box` (client coordinates).
void PaintText(const PaintContext& pc, const Rect& box, std::string_view textCp1252, uint32_t colour);

// The named-lock stand-in: an advisory lock on a file of that name in the
// runtime folder. Never refuses a second copy; released by Close or at exit.
class InstanceLock {
public:
    explicit InstanceLock(std::string_view name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    bool HeldAlone() const { return alone_; }  // no other copy holds it
    void Close();

private:
    int fd_ = -1;
    bool alone_ = false;
};

}  // namespace platform::win
