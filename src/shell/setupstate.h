#pragma once
// The program-wide set-up state the title and option pages share with the
// main frame: the human managers' eight faces (kept for the manager pages),
// the saving flag and the busy byte. The new-game pages complete it.
#include <array>
#include <cstdint>

#include "shell/photofit.h"

inline constexpr int kManagerSlotCount = 8;

struct SetupState {
    std::array<PhotofitFace, kManagerSlotCount> managerFaces{};
    uint8_t saving = 0;  // 1 while a game is being saved
    uint8_t busy = 0;    // set while the title page leaves for the initialise page
    uint8_t managerCount = 1;  // the human managers of a new game (1 to 8); a new game starts at 1
};
extern SetupState g_SetupState;

// Reads the eight faces from the profile's "manager0".."manager7" sections
// ("Race", "Colour", "Hair", "Eye", "Nose", "Chin", "Mouth", "Beard"; a
// missing key gives 0), as the program does at start-up.
void LoadManagerFaces(SetupState& state = g_SetupState);
