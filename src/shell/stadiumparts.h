#pragma once
// The stadium pictures' names and the plan's layout: one rule shared by the
// stadium pages and the tool that draws the pictures, so a layout the game
// can hold always names a picture the archive has.
#include <array>
#include <string>
#include <vector>

#include "soccerclasses/stadium.h"

namespace stadiumparts {

constexpr int kStands = 8;  // stands 1..8: NW, N, NE, E, W, SW, S, SE

// The plan: an off-screen picture copied to the page at (12, 30).
constexpr int kPlanWidth = 576, kPlanHeight = 384, kPlanX = 12, kPlanY = 30;
// The side view: every picture the whole 560 x 370 canvas, drawn at (17, 10).
constexpr int kSideWidth = 560, kSideHeight = 370, kSideX = 17, kSideY = 10;
// Stand Development's elevation, drawn at (24, 124); rows 0..45 are sky.
constexpr int kElevationWidth = 232, kElevationHeight = 106, kElevationX = 24, kElevationY = 124,
              kElevationSkyRows = 46;

enum class Family { Corner, NorthSouth, EastWest };
Family GetFamily(int stand);  // stand 1..8
bool IsCorner(int stand);

const char* DirectionCode(int stand);
const char* SizeCode(int size);

// "b"/"nb" (corner: "lf"/"nf") + "_" + roof + "_" + seating, as a stand of
// this layout is named; values above the last code take the last.
std::string LayoutCodes(int stand, const StandLayout& layout);

// Entry names inside the "stadium" archive ("plans\\plan_nw_...bmp").
std::string PlanPartEntry(int stand, const StandLayout& layout, bool underDevelopment);
std::string PlanPitchEntry(bool dark);
std::string ElevationEntry(int stand, const StandLayout& layout);
std::string SideViewEntry(int stand, const StandLayout& layout, bool underDevelopment);
std::string SideViewPitchEntry();
// Mark of a stand at a size: selected "r", hovered "w".
std::string MarkEntry(int stand, int size, bool selected);
// The same names as the page loads them ("gfx\\stadium\\" + entry).
std::string PicturePath(const std::string& entry);

struct PlanRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // plan pixels, right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
// Part 0 is the pitch; stands 1..8 at sizes 0..5 (size 0 is empty).
PlanRect GetPlanRect(int part, int size);
// The stand's envelope: its rectangle at size 5; its plan parts have its size.
PlanRect GetEnvelope(int stand);
// The mark's size: width and height in pixels.
struct MarkSize {
    int width = 0, height = 0;
};
MarkSize GetMarkSize(int stand, int size);
// Where a mark of the stand at that size goes on the plan (centred on the rectangle).
PlanRect GetMarkRect(int stand, int size);

// The table as "assets/stadium/plan.txt" keeps it: doubled coordinates.
std::string PlanTableText();
// Reads that text; false when it is malformed. rects[part][size].
bool ParsePlanTable(const std::string& text, std::array<std::array<PlanRect, 6>, 9>& rects);

// Every entry name the archive must hold, in a fixed order: every name a
// layout keeping the stand rules can give (and a corner of size 0).
std::vector<std::string> AllEntries();

}  // namespace stadiumparts
