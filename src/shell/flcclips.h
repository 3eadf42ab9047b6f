#pragma once
// The table of animation clips: one row per clip number with where the ball
// ends, the side whose score and caption change after it, its kind, its
// file name and its sound cues. The rows are readable text compiled into
// the program (assets/flc/clips.txt, or the clip generator's table).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kFlcClipCount = 666;

enum FlcClipKind : int {
    kClipPlay = 0,
    kClipGoal = 1,
    kClipMiss = 2,
    kClipPenaltyRunUp = 3,
    kClipInjury = 4,
    kClipBooking = 5,
    kClipSendingOff = 6,
    kClipSubstitution = 7,
    kClipMatchPhase = 8,
};

struct FlcCue {
    int16_t frame = -1;
    int16_t slot = 0;
};

struct FlcClipRow {
    int number = -1;      // -1: no row for this clip
    int32_t endColumn = -1;
    int32_t endRow = -1;
    int32_t side = 0;     // 1 home, 2 away, 0 none
    int32_t kind = 0;
    std::string name;     // "Folder\name", no extension
    std::vector<FlcCue> cues;
};

// The 20 folders of the clip archive and how many clips each holds in the
// full set.
struct FlcFolder {
    const char* name;
    int count;
};
extern const std::array<FlcFolder, 20> kFlcFolders;

// Reads rows `number end-column end-row side kind "Folder\name" frame:slot...`;
// blank lines and lines starting with '#' are skipped. False with a message
// naming the line when a row cannot be read.
bool ParseFlcClipTable(std::string_view text, std::vector<FlcClipRow>& rows, std::string* error);

// Every rule a row set must keep; each fault is one message. With
// `complete` the 666 rows and each folder's count are checked too. Cue
// frames are checked against the clips only by CheckFlcClipFiles.
std::vector<std::string> CheckFlcClipTable(const std::vector<FlcClipRow>& rows, bool complete);

// The compiled-in table, by clip number; null when the number has no row.
const FlcClipRow* FlcClipAt(int number);
// All rows of the compiled-in table, in the text's order.
const std::vector<FlcClipRow>& FlcClipRows();
// Tests play rows of their own: FlcClipAt and FlcClipRows give `rows`
// until RestoreFlcClipTable.
void SetFlcClipTableForTesting(std::vector<FlcClipRow> rows);
void RestoreFlcClipTable();

// The clip that shows the same play at the other end of the pitch (the
// end-swap table); a clip without one is its own.
int FlcEndSwap(int clip);

// The two sides' kit colours (indexes of the kit colour table) a clip is
// recoloured with.
struct FlcSideKits {
    int homeShirt = 0, homeShorts = 0, awayShirt = 0, awayShorts = 0;
};

// The game's recolouring of clip `clip`'s palette (blue, green, red,
// reserved) shown for `side` (0 home, 1 away): its own colours kept, the
// grass and black ranges fixed, the four kit ramps from the sides' kits,
// the cards, the corner flag and the assistant's flag in their colours.
void ConvertFlcClipPalette(int clip, int side, const FlcSideKits& kits, const uint8_t* clipPalette, uint8_t* converted);

// The archive paths of a row's clip and backdrop.
std::string FlcClipPath(const FlcClipRow& row);
std::string FlcBackdropPath(const FlcClipRow& row);

// Checks that each row's clip and backdrop are in the loaded archives and
// readable, within 320 x 200, and that its cues fall inside the clip.
std::vector<std::string> CheckFlcClipFiles(const std::vector<FlcClipRow>& rows);
