#pragma once
// The program's icon, a keyed picture of the "messagebox" archive: for the
// window and the about box.
#include <optional>

#include "platform/gfx/surface.h"
#include "platform/window/backend.h"

inline constexpr const char* kProgramIconPath = "gfx\\messagebox\\vantorel.bmp";

// The icon, or nothing when the archive does not hold it (a trace line).
std::optional<platform::gfx::Surface> LoadProgramIcon();
// The same with the key colour made transparent, for the backend.
platform::win::CursorImage IconImage(const platform::gfx::Surface& icon);
