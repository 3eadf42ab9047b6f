#pragma once
// The private messages widgets exchange with their page and each other.
#include <cstdint>

namespace ui {

inline constexpr uint32_t kMsgDrawDragItem = 0x5F4;      // w: Canvas*, l: Rect* item; the source draws it
inline constexpr uint32_t kMsgCopyBackBuffer = 0x5F5;    // w: Canvas*, l: Rect* on the desktop; the page's back buffer under it
inline constexpr uint32_t kMsgRestoreBackground = 0x5F8; // w: Rect* in page coordinates
inline constexpr uint32_t kMsgGetHistory = 0x5F9;
inline constexpr uint32_t kMsgGoHistory = 0x5FA;
inline constexpr uint32_t kMsgGetWorkDC = 0x5FB;         // returns the page's work Canvas*, 0 when gone
inline constexpr uint32_t kMsgButtonState = 0x5FC;       // w: tool-bar button, l: enable
inline constexpr uint32_t kMsgAllButtons = 0x5FD;        // w: enable every tool-bar button
inline constexpr uint32_t kMsgTreeColour = 0x5FE;        // w: the page's colour, for the tree window
inline constexpr uint32_t kMsgDrawingDone = 0x600;
inline constexpr uint32_t kMsgGetDragRect = 0x602;       // w: Rect* to fill, screen coordinates
inline constexpr uint32_t kMsgMayDrag = 0x603;           // w: Point* in the page's coordinates; nonzero = yes
inline constexpr uint32_t kMsgDraggedItem = 0x604;
inline constexpr uint32_t kMsgTreeExpandLimit = 0x605;   // w: clicks-enabled flag, l: level
inline constexpr uint32_t kMsgTreeNavigate = 0x606;      // w: operation, l: const char* or 0
inline constexpr uint32_t kMsgTreeSelectable = 0x607;    // w: depth
inline constexpr uint32_t kMsgRowAtPoint = 0x608;        // w: Point* in the page's coordinates
inline constexpr uint32_t kMsgTreeBackground = 0x609;    // w: const char* picture, l: tiled flag
inline constexpr uint32_t kMsgTreeItemVisible = 0x60A;   // w: CTreeNode*, l: visible flag
inline constexpr uint32_t kMsgButtonSet = 0x610;         // w: tool-bar button set 0 or 1

// The flags word of a mouse message a widget relays to its page.
inline constexpr uint32_t kRelayedFlags = 0xFFFF;

// The transparent colour of every interface picture, as 0x00RRGGBB.
inline constexpr uint32_t kKeyPixel = 0xFF008F;

}  // namespace ui
