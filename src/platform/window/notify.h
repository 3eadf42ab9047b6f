#pragma once
// Notification headers and codes of the common controls (WM_NOTIFY's long
// parameter points at a structure that starts with NotifyHeader).
#include <cstdint>
#include <string>

namespace platform::win {

class Window;

struct NotifyHeader {
    Window* from = nullptr;
    uint32_t idFrom = 0;
    uint32_t code = 0;
};

inline constexpr uint32_t TTN_NEEDTEXT = static_cast<uint32_t>(-520);
inline constexpr uint32_t UDN_DELTAPOS = static_cast<uint32_t>(-722);
inline constexpr uint32_t TCN_SELCHANGE = static_cast<uint32_t>(-551);
inline constexpr uint32_t TCN_SELCHANGING = static_cast<uint32_t>(-552);

// TTN_NEEDTEXT: the owner fills `text` (at most 79 characters are shown, as
// the old 80-byte buffer held) for the tool `toolId`.
struct ToolTipText {
    NotifyHeader hdr;
    uintptr_t toolId = 0;
    char szText[80] = {};
};

// UDN_DELTAPOS: a non-zero answer refuses the change.
struct NotifyUpDown {
    NotifyHeader hdr;
    int iPos = 0;
    int iDelta = 0;
};

// Scroll codes of WM_VSCROLL and WM_HSCROLL.
inline constexpr uint32_t SB_LINEUP = 0;
inline constexpr uint32_t SB_LINEDOWN = 1;
inline constexpr uint32_t SB_PAGEUP = 2;
inline constexpr uint32_t SB_PAGEDOWN = 3;
inline constexpr uint32_t SB_THUMBPOSITION = 4;
inline constexpr uint32_t SB_THUMBTRACK = 5;
inline constexpr uint32_t SB_TOP = 6;
inline constexpr uint32_t SB_BOTTOM = 7;
inline constexpr uint32_t SB_ENDSCROLL = 8;

}  // namespace platform::win
