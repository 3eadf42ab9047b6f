#pragma once
// The SDL2 backend: a real window whose drawable is the main frame's client,
// scaled by the largest whole factor that fits the display, sharp; mouse and
// keys come back divided by that factor.
#include <memory>
#include <string>

#include "platform/window/backend.h"

namespace platform::win {

// Null, with the reason in `error`, when there is no display to open.
std::unique_ptr<Backend> OpenSdlBackend(std::string* error);

// The largest whole factor by which a frame of `frame` pixels fits `usable`.
int WholeScale(Size usable, Size frame);

}  // namespace platform::win
