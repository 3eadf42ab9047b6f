#include "screens/pages.h"

// Each page file gives one Register...() function; list it here.

void RegisterGamePages() {
    RegisterSquadScreen();
}
