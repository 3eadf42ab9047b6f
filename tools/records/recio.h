#pragma once
// Opening the game's channel on a file of the game folder, for the tools that
// write the competitions' start-up files with the game's own writers.
#include <cstdio>
#include <filesystem>
#include <string>

namespace recio {

// Opens gameDir / gamePath for writing through the save-file channel,
// creating its folder; exits with a message on failure.
FILE* OpenForWriting(const std::filesystem::path& gameDir, const std::string& gamePath);
// Closes the channel; exits with a message when the write failed.
void Finish(FILE* file, const std::string& gamePath);

}  // namespace recio
