#pragma once
// Photo-fit faces: a face is layered from pictures of the "photofit"
// archive chosen by eleven feature bytes. Message boxes and pages draw a
// person's face through DrawPhotofitFace.
#include <cstdint>

#include "platform/gfx/canvas.h"

struct CFace;

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

    bool operator==(const PhotofitFace&) const = default;
};
static_assert(sizeof(PhotofitFace) == 11);

// Draws the face's layers at (x, y), the key colour left out. False when
// nothing was drawn: the layered pictures and their hair-style table ship
// with the photo-fit art, and until then a face area stays empty.
bool DrawPhotofitFace(platform::gfx::Canvas& dc, const PhotofitFace& face, int x, int y);
