#pragma once
// The ground as one 3-D model: the pitch with its surroundings and the eight
// stands at any layout, drawn through the art library's depth buffer into
// the stadium archive's three views (plan, side view, elevation).
#include <array>
#include <string>
#include <vector>

#include "platform/gfx/bmp.h"
#include "platform/gfx/surface.h"
#include "raster3d.h"
#include "soccerclasses/stadium.h"

namespace stadiumart {

constexpr int kSupersample = 3;

// Stand `stand` (1..8) at a layout, or its works; every triangle carries
// object `stand`. Units are plan pixels; z is up.
art::Mesh StandMesh(int stand, const StandLayout& layout, bool underDevelopment);
// The pitch, its apron and goals (object 0); with `surroundings` also the
// town, car parks and trees round the ground.
art::Mesh GroundMesh(bool surroundings);

art::View3 SideView(bool supersampled);

// Each picture of the archive by its entry name; false for a name no rule gives.
bool RenderEntry(const std::string& entry, platform::gfx::Bitmap8& out, bool& keyed);

// The ground at these layouts in one depth-buffered render of the side view,
// at the picture's size (the composition of its layers must match it).
platform::gfx::Surface RenderWholeGround(const std::array<StandLayout, 8>& stands,
                                         const std::array<bool, 8>& underDevelopment);

}  // namespace stadiumart
