#pragma once
// Photo-fit faces: a face is layered from pictures of the "photofit"
// archive chosen by eleven feature bytes. Every path operation first brings
// the fields it uses into range, so any bytes (a damaged save, a stray
// profile value) still name pictures that exist. Message boxes and pages
// draw a person's face through DrawPhotofitFace.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/canvas.h"

struct CFace;

inline constexpr int kPhotofitSkinCount = 5;
inline constexpr int kPhotofitHairColourCount = 5;
inline constexpr int kHairStyleCount = 45;

// The kinds of a hair-style entry: 0..4 styles with a rear layer (its name
// in kRearHairNames), a single-layer style, an empty entry.
inline constexpr int kHairKindSingle = 5;
inline constexpr int kHairKindEmpty = 6;
inline constexpr std::array<const char*, 5> kRearHairNames = {"cl", "cm", "fm", "fl", "dl"};
inline constexpr std::array<const char*, kPhotofitSkinCount> kSkinFolders = {"white", "caribbean", "asian",
                                                                             "oriental", "latin"};
inline constexpr std::array<const char*, kPhotofitHairColourCount> kHairColourFolders = {
    "black", "grey", "medbrown", "ginger", "blonde"};
// The beard picture of each beard value: 4 and 5 share one.
inline constexpr std::array<const char*, 8> kBeardPictureNames = {"0", "1", "2", "3", "5", "5", "6", "7"};
// The picture drawn as the rear layer of a single-layer style (the builders
// leave it out; see the face builders).
inline constexpr const char* kSingleLayerOverlayPath = "gfx\\photofit\\hair\\white\\black\\1.bmp";

struct HairStyleEntry {
    int8_t picture = 0;
    int8_t kind = kHairKindEmpty;
    bool operator==(const HairStyleEntry&) const = default;
};
using HairStyleRow = std::array<HairStyleEntry, kHairStyleCount>;
using HairStyleTable = std::array<HairStyleRow, kPhotofitSkinCount>;

// Reads the hair-style text (a row of 45 entries per skin: "n" single
// layer, "n/cl" with a rear layer, "-" empty; "#" starts a comment). False
// with a reason when a row is missing, short, long or holds a bad entry.
bool ParseHairStyleTable(std::string_view text, HairStyleTable& table, std::string* error = nullptr);
// The table shipped with the pictures, compiled in.
const HairStyleTable& GetHairStyleTable();
// The table the faces walk: the shipped one, unless a test lends another
// (null gives the shipped one back).
const HairStyleTable& ActiveHairStyleTable();
void UseHairStyleTable(const HairStyleTable* table);

struct PhotofitFace {
    int8_t skin = 0;        // 0..4
    int8_t hairColour = 0;  // 0..4
    int8_t chin = 0;        // 0..11
    int8_t eyes = 0;        // 0..4
    int8_t hairStyle = 0;   // 0..44, a column of the skin's hair-style row
    int8_t mouth = 0;       // 0..6
    int8_t nose = 0;        // 0..5
    int8_t beard = 0;       // 0..7
    int8_t back = 0;        // 0..6
    int8_t layered = 0;     // 1 when the hair style has a rear layer
    int8_t step = 0;        // -1, 0, +1: the direction of the last hair-style change

    // The face a person's saved face fields describe; the ninth feature is
    // the background. Values are taken as stored: the path rules bring them
    // into range when the face is drawn.
    static PhotofitFace FromFace(const CFace& face);

    // The layers' paths. With `reevaluate` the layered flag follows the
    // current style's kind first; the style then moves to one that suits
    // the flag, walking in the step's direction.
    std::string GetHairPath(bool reevaluate);
    std::string GetHairOverlayPath();
    std::string GetEyesPath();
    std::string GetNosePath();
    std::string GetMouthPath();
    std::string GetChinPath();
    std::string GetBeardPath();
    std::string GetBackPath();
    PhotofitFace* GetThis() { return this; }

    bool operator==(const PhotofitFace&) const = default;

private:
    void ClampSkin();
    void MakeHairStyleValid();
};
static_assert(sizeof(PhotofitFace) == 11);

// The layers of a face in drawing order, each at its offset from the face's
// origin as page overlays place it. The back comes only when asked; the rear
// hair only for a style that has one (a single-layer style's fixed rear
// path names a real hair picture of another skin, so it is never drawn).
enum class FaceLayerRole { Back, Rear, Eyes, Chin, Mouth, Nose, Beard, Hair };
struct FaceLayer {
    FaceLayerRole role;
    std::string path;
    int x = 0, y = 0;
};
std::array<FaceLayer, 8> PhotofitLayerSlots();  // internal order and offsets
int PhotofitLayers(PhotofitFace face, bool withBack, std::array<FaceLayer, 8>& out);

// Draws the face at (x, y) as page overlays lay it: its back picture at
// (x - 14, y + 2), then the layers keyed. False when no layer could be drawn
// (the archive is not loaded).
bool DrawPhotofitFace(platform::gfx::Canvas& dc, const PhotofitFace& face, int x, int y);
