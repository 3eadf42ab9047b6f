#include "screens/pages.h"

#include "screens/highscreen.h"

// Each page file gives one Register...() function; list it here.

void RegisterGamePages() {
    RegisterHighScreen();
}
