#pragma once
// Refusing a start-up file whose values the game cannot run with: the
// channel is closed and the file reported as damaged, naming the fault.
#include <cstdio>
#include <string>

#include "soccerclasses/datafile.h"

[[noreturn]] void RefuseDataFile(FILE* file, const std::string& gamePath, const std::string& why);
