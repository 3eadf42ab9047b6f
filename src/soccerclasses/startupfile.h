#pragma once
// Reading the start-up files of the Data folder: a file that is missing,
// truncated or holds values the game cannot run with is refused with a clear
// message instead of being carried on with.
#include <cstdio>
#include <stdexcept>
#include <string>

class StartupFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens `relPath` ("Data\\Division.bin") from the game folders for reading
// through the save-file channel.
FILE* OpenStartupFile(const char* relPath);
// Closes it; a file that ended early is refused.
void CloseStartupFile(FILE* file, const char* relPath);
// Closes the channel and throws: `relPath` holds `why`.
[[noreturn]] void RefuseStartupFile(FILE* file, const char* relPath, const std::string& why);
