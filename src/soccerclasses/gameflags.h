#pragma once
// The game's state bytes that the screens, the tool bar and the model all
// read: one value each, held here, under the names the shell has always
// used for them.
#include <cstdint>

// 1 once a new game has been set up or a game loaded; 0 while a new game
// is being built (its replay plays with random scores then).
extern uint8_t g_bGameInProgress;
// 1 when the current user's club plays on the clock's date; the day step
// writes it, the tool bar and the screen manager read it.
extern uint8_t g_bHumanMatchToday;
// The user slot the manager screens have selected; the day step makes it
// the current user again after it has looked at every user.
extern uint8_t g_nActiveUser;
// Set by a successful load; the main frame and the manager screens read
// and clear it.
extern uint8_t g_bGameLoaded;
// Set before each day of the continue loop and by the tool-box commands;
// the newspaper rebuilds its page when it finds it set, and clears it.
extern uint8_t g_bNewspaperRefresh;

// All of them as at start-up.
void ResetGameFlags();
