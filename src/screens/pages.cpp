#include "screens/pages.h"

#include "screens/titlescreen.h"
#include "screens/highscreen.h"

// Each page file gives one Register...() function; list it here.

void RegisterGamePages() {
    RegisterManagerScreen();
    RegisterYouthScreen();
    RegisterPlayerScreen();
    RegisterFinanceScreen();
    RegisterFixtureScreen();
    RegisterInfoScreen();
    RegisterNewsScreen();
    RegisterDisciplineScreen();
    RegisterKitScreen();
    RegisterStatsScreen();
    RegisterGraphScreen();
    RegisterManProfScreen();
    RegisterStadiumScreen();
    RegisterTitleScreen();
    RegisterHighScreen();
    RegisterSquadScreen();
    RegisterOptionScreen();
    RegisterSquadSelectScreen();
    RegisterTactScreen();
    RegisterTrainScreen();
    RegisterYTrainScreen();
}
