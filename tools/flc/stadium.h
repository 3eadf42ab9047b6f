#pragma once
// The ground every clip is filmed in: the clip palette, the fixed cameras
// and the still backdrop each camera sees (sky, stands and crowd, boards
// with invented names, the striped pitch, lines, goals and nets).
#include <array>
#include <cstdint>
#include <string>

#include "camera.h"
#include "canvas.h"
#include "flcwriter.h"

namespace clipgen {

inline constexpr int kWidth = 320, kHeight = 200;
inline constexpr double kPitchLength = 105, kPitchWidth = 68;

// Entries of the clips' own colours (1-63); 64-95 the grass ramp, 128-255
// the four kit ramps the player recolours.
namespace pal {
inline constexpr uint8_t kSeeThrough = 0, kOutline = 1;
inline constexpr uint8_t kSkin[4] = {2, 5, 8, 11};  // three entries each
inline constexpr uint8_t kHair[4] = {14, 15, 16, 17};
inline constexpr uint8_t kBoots = 18, kWhiteBoots = 19;
inline constexpr uint8_t kBall = 21, kBallPatch = 24;
inline constexpr uint8_t kKeeperShirt = 25, kKeeperShorts = 28, kReferee = 31, kPhysio = 34, kStretcher = 37;
inline constexpr uint8_t kRedCross = 40, kNet = 41, kPost = 44, kSuit = 45;
inline constexpr uint8_t kFanClothes = 48;  // six colours
inline constexpr uint8_t kFlash = 54, kBoardDigits = 55, kBoardBlack = 56, kGloves = 57;
inline constexpr uint8_t kFlagRed = 60, kFlagYellow = 61, kGrey = 62;
inline constexpr uint8_t kGrass = 64;  // entry k: green 128 - 4k
inline constexpr uint8_t kSideShirt = 128, kSideShorts = 160, kOtherShirt = 192, kOtherShorts = 224;
// Grass shades: the backdrop's two mowing stripes and the frames' shadow.
inline constexpr uint8_t kStripeLight = 64 + 6, kStripeDark = 64 + 9, kShadow = 64 + 17;
}  // namespace pal

// The colours of every clip's first frame.
flcw::FlcPalette ClipPalette();

struct CameraSetup {
    const char* name;
    art::Vec3 eye, target;
    double span;
    bool sparseCrowd = false;  // the emptying stadium
    bool netInFront = false;   // filmed through the net from behind the goal
};

// The set-up named `name`, or null.
const CameraSetup* FindCamera(const std::string& name);
art::Camera MakeCamera(const CameraSetup& setup);

// The backdrop of a camera as a 320 x 200 picture with its own palette
// (blue, green, red, reserved), the pitch only in the grass ramp's greens.
struct Backdrop {
    art::Canvas8 pixels;
    std::array<uint8_t, 1024> palette{};
};
Backdrop DrawBackdrop(const CameraSetup& setup);

// The ground's fixed things in the clips' own colours, for frames that must
// draw over the actors (the net seen from behind the goal).
void DrawNetInFront(art::Canvas8& frame, const art::Camera& cam, double bulge);

}  // namespace clipgen
