#pragma once
// The program-wide set-up state the title and option pages share with the
// main frame: the human managers' eight faces (kept for the manager pages),
// the saving flag and the busy byte. The new-game pages complete it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/photofit.h"

inline constexpr int kManagerSlotCount = 8;

// The game-data state: whether the start-up database is loaded for the game.
enum GameDataState : int { kGameDataNone = 0, kGameDataLoading = 1, kGameDataLoaded = 2 };

struct SetupState {
    std::array<PhotofitFace, kManagerSlotCount> managerFaces{};
    uint8_t saving = 0;  // 1 while a game is being saved
    uint8_t busy = 0;    // set while the title page leaves for the initialise page
    int gameData = kGameDataNone;
    uint8_t loadPending = 0;  // the initialise page is to load loadPath
    std::string loadPath;
    uint8_t managerCount = 1;  // the number of the manager being set up, 1 to 8
    uint8_t worldInitialised = 0;  // a game has been set up in this run
    // The clubs (world indexes) that refused the manager on the vacancies
    // page; emptied when he takes a job, by a new game and by a load.
    std::vector<uint16_t> turnedDown;
};
extern SetupState g_SetupState;

// Reads the eight faces from the profile's "manager0".."manager7" sections
// ("Race", "Colour", "Hair", "Eye", "Nose", "Chin", "Mouth", "Beard"; a
// missing key gives 0), as the program does at start-up.
void LoadManagerFaces(SetupState& state = g_SetupState);
