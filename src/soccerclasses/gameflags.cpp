#include "soccerclasses/gameflags.h"

uint8_t g_bGameInProgress = 0;
uint8_t g_bHumanMatchToday = 0;
uint8_t g_nActiveUser = 0;
uint8_t g_bGameLoaded = 0;
uint8_t g_bNewspaperRefresh = 0;

void ResetGameFlags() {
    g_bGameInProgress = 0;
    g_bHumanMatchToday = 0;
    g_nActiveUser = 0;
    g_bGameLoaded = 0;
    g_bNewspaperRefresh = 0;
}
