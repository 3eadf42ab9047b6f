#pragma once
// What a backend gives the window layer: a clock, input, a place to show the
// main window's picture, the desktop's size, cursors, and the plain system
// message box. The SDL2 backend is a real window; the headless one runs on a
// virtual clock with scripted input.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/geometry.h"
#include "platform/window/picture.h"

namespace platform::win {

// A window's handle as the backend sees it (0: none).
using WindowHandleValue = uint32_t;

enum class MouseButton : uint8_t { Left, Right, Middle };

struct InputEvent {
    enum class Kind : uint8_t {
        MouseMove,    // pt: in the main window's client coordinates
        ButtonDown,   // pt, button
        ButtonUp,     // pt, button
        Wheel,        // pt, delta (120 a notch, up positive)
        KeyDown,      // key (virtual key), repeat
        KeyUp,        // key
        Text,         // text (UTF-8)
        CloseRequest, // the user asked to close the main window
        Activate,     // the application gained (active) or lost the foreground
        Terminate,    // end now, without the quit question
        Resize,       // the user resized the main window's client to size
        Expose,       // the shown picture was lost: present again
    };
    InputEvent() = default;
    InputEvent(Kind k) : kind(k) {}

    Kind kind = Kind::MouseMove;
    Point pt;
    MouseButton button = MouseButton::Left;
    uint32_t key = 0;
    bool repeat = false;
    bool active = false;
    int delta = 0;
    Size size;
    std::string text;
};

// A cursor picture: 32-bit pixels, where 0x8F00FF-style keys are already
// resolved to an alpha byte (0xFF000000 opaque).
struct CursorImage {
    int width = 0;
    int height = 0;
    Point hotSpot;
    std::vector<uint32_t> argb;
};

enum class StandardCursor : uint8_t { Arrow, Wait };

// What the game's open and save dialogs ask for.
struct FileDialogRequest {
    bool save = false;
    std::string folder;       // where it starts (native path)
    std::string filter;       // "Text (*.ext)|*.ext||", Windows-1252
    std::string title;        // Windows-1252
    std::string defaultExt;
    bool pathMustExist = true;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;

    // Milliseconds of a monotonic clock.
    virtual uint64_t NowMs() = 0;
    // Appends the input that has arrived (or, headless, is due), never waiting.
    virtual void Poll(std::vector<InputEvent>& out) = 0;
    // Waits until input may have arrived or the clock reaches `deadlineMs`
    // (UINT64_MAX: no deadline). Headless moves its clock instead of waiting.
    virtual void Wait(uint64_t deadlineMs) = 0;

    // The usable desktop in frame pixels (after any scaling).
    virtual Size DesktopSize() = 0;
    // The main window's client moved or changed size on the virtual desktop,
    // with the sizes the user may give it.
    virtual void PlaceMainWindow(const Rect& clientOnDesktop, Size minClient, Size maxClient) = 0;
    virtual void SetTitle(std::string_view titleCp1252) = 0;
    // The main window's icon (ARGB, 0xFF000000 opaque).
    virtual void SetIcon(const CursorImage& /*image*/) {}
    virtual void ShowMainWindow(bool show) = 0;
    // Shows the main window's picture.
    virtual void Present(const Picture& picture) = 0;

    virtual void SetStandardCursor(StandardCursor c) = 0;
    virtual void SetImageCursor(const CursorImage& image) = 0;

    // The plain system message box: MB_* kind in, ID* answer out.
    virtual int MessageBox(std::string_view textCp1252, std::string_view captionCp1252,
                           uint32_t type) = 0;
    // Opens a web address; opens help for a context number.
    virtual void OpenUrl(std::string_view url) = 0;

    // A file chosen for an open or save dialog when no in-game dialog is
    // installed; nothing when cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& /*request*/) { return std::nullopt; }

    // Hands a printed page (a PNG file) to the printer: the desktop's `lp`
    // when a printer is set up. True when it was spooled.
    virtual bool SpoolPrint(const std::string& file, std::string_view titleCp1252);

    // A modal loop has shown its first frame (headless runs test actions here).
    virtual void ModalLoopShown(int /*depth*/) {}
    // A window's timer message was handled (headless runs test actions here).
    virtual void TimerHandled(WindowHandleValue /*hwnd*/, uint32_t /*id*/) {}
};

}  // namespace platform::win
