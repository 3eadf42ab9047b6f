#pragma once
// The help context number of the page on display.
#include "shell/screenmanager.h"

int HelpContextFor(int screen, const HelpModes& modes);
