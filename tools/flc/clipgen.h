#pragma once
// Turns catalogue lines into clips: renders each scene through its camera,
// derives the table row from what was rendered, and flips mirror clips.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "catalogue.h"
#include "scene.h"

namespace clipgen {

struct RenderedClip {
    std::vector<art::Canvas8> frames;  // 320 x 200 palette indexes, 0 see-through
    std::string camera;
    std::vector<Cue> cues;             // ascending, one a frame, inside the clip
    int endColumn = -1, endRow = -1;   // as filmed (right-hand end)
    int startColumn = -1, startRow = -1;  // the ball's first cell, -1 without a ball
};

// Renders a clip that is not a mirror; false with a message.
bool RenderClip(const ClipSpec& spec, RenderedClip& out, std::string* error);
// Only what the table needs: the scene is simulated but not drawn.
bool DescribeClip(const ClipSpec& spec, RenderedClip& out, std::string* error);

// The clip file: the palette and a key frame, then deltas. `flip` mirrors
// every frame; `shortCut` keeps only the first and last frames.
std::vector<uint8_t> EncodeClip(const std::vector<art::Canvas8>& frames, bool flip, bool shortCut);

// Everything the table row says of a clip.
struct ClipRowInfo {
    int number = 0;
    int endColumn = -1, endRow = -1, side = 0, kind = 0;
    // Where the ball is when the clip opens, mirrored like the end cell: a
    // clip that follows another in one draw opens where that one ended.
    int startColumn = -1, startRow = -1;
    std::string name;  // "Folder\name"
    std::vector<Cue> cues;
    int frames = 0;
    std::string camera;
    bool flipped = false;
    int source = -1;  // the rendered clip this one shows (itself, or its mirror's)
};

// The rows of every catalogue line, in number order: mirrors take their
// source's kind, cues and frame count, with the end column mirrored.
bool DescribeCatalogue(const std::vector<ClipSpec>& specs, std::vector<ClipRowInfo>& rows, std::string* error);
std::string TableText(const std::vector<ClipRowInfo>& rows);

// The cell of the 13 x 9 grid over the pitch that holds (x, y) metres.
std::pair<int, int> PitchCell(double x, double y);

}  // namespace clipgen
