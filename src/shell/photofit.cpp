#include "shell/photofit.h"

#include "soccerclasses/person.h"

PhotofitFace PhotofitFace::FromFace(const CFace& f) {
    PhotofitFace p;
    p.skin = static_cast<int8_t>(f.Race());
    p.hairColour = static_cast<int8_t>(f.Colour());
    p.chin = static_cast<int8_t>(f.Chin());
    p.eyes = static_cast<int8_t>(f.Eye());
    p.hairStyle = static_cast<int8_t>(f.Hair());
    p.mouth = static_cast<int8_t>(f.Mouth());
    p.nose = static_cast<int8_t>(f.Nose());
    p.beard = static_cast<int8_t>(f.Beard());
    p.back = static_cast<int8_t>(f.Ninth());
    // The layered flag is worked out from the hair style when the face is drawn.
    p.layered = 0;
    p.step = 0;
    return p;
}

bool DrawPhotofitFace(platform::gfx::Canvas&, const PhotofitFace&, int, int) { return false; }
