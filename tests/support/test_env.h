#pragma once
// Each test runs with its own empty configuration and data folders, so no
// test reads or writes the user's real profile or saved games.
#include <filesystem>

namespace testenv {

// The temporary folder of the running test (holds its XDG folders).
std::filesystem::path TestFolder();
// The source tree and the build tree, as ctest gives them.
std::filesystem::path SourceDir();
std::filesystem::path BuildDir();
std::filesystem::path GameDir();

}  // namespace testenv
