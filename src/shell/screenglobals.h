#pragma once
// The screen manager's globals, which every page and the frame read: the
// page being built or shown, the page on display, and the game's state.
#include <cstdint>
#include <functional>

#include "soccerclasses/gameflags.h"

extern int g_nScreenId;           // row of the screen table of the page built or shown
extern int g_nCurrentScreen;      // the page on display, as SetScreen copied it
// g_bGameInProgress, g_bHumanMatchToday and g_nActiveUser are the model's.

// The navigator node last selected through the tree window: its level, the
// model object it stands for and its kind; pages read them.
extern int g_nTreeSelectionLevel;
extern uintptr_t g_nTreeSelectionData;
extern int g_nTreeSelectionKind;

// The person a page's pop-up menu was opened on (the player menu, the
// employee menu); the menu's command acts on him at once.
class CPlayer;
class CBasicEmployee;
extern CPlayer* g_pSelectedPlayer;
extern CBasicEmployee* g_pSelectedEmployee;

int GetCurrentScreenId();

// The state values some pages' help contexts depend on.
struct HelpModes {
    int negotiationSecondMode = 0;  // page 22
    int personKind = -1;            // page 60
    int matchStateA = -1;           // page 64
    int matchStateB = -1;           // page 64
    int titleFlag = 0;              // page 115
};

// Asks the page on display for its help modes; false when no page is shown.
bool QueryHelpModes(HelpModes& modes);
// Installed by the screen manager once it shows pages.
void SetHelpModesQuery(std::function<bool(HelpModes&)> query);
