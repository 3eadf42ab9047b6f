#pragma once
// The intro's pictures and soundtrack: a stadium at night whose floodlights
// come on one by one, a strike into the net under camera flashes, the title
// in gold and a fade to black. Deterministic: the same clip every build.
#include "aviwriter.h"

namespace introart {

inline constexpr int kFrames = 180;  // 12 seconds at 15 a second

aviwriter::Clip MakeIntroClip();

}  // namespace introart
