#pragma once
// Helpers for the competition records' tests: write a record through the
// save-file channel into bytes, and read bytes back through it.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "soccerclasses/extbytearray.h"

namespace recordtest {

std::vector<uint8_t> Write(const std::function<void(FILE*)>& save);
// Reads `bytes` with `load`; false when the channel found the file damaged
// or `load` left bytes unread.
bool Read(const std::vector<uint8_t>& bytes, const std::function<void(FILE*)>& load);
// Puts `bytes` at `gamePath` under a fresh game folder of the running test
// and makes that folder the installation folder.
void InstallGameFile(const std::string& gamePath, const std::vector<uint8_t>& bytes);
// A double round robin for n clubs laid out as the game's schedules are.
CExtByteArray RoundRobin(int n);

}  // namespace recordtest
