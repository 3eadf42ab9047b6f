#pragma once
// Writes a record through the channel and reads it back, for round trips.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "soccerclasses/gamefile.h"
#include "support/test_env.h"

namespace peopleio {

inline std::string Path() { return (testenv::TestFolder() / "people-record.bin").string(); }

inline std::string SaveBytes(const std::function<void(FILE*)>& save) {
    FILE* f = OpenGameFile(Path(), "wb");
    save(f);
    CloseGameFile(f);
    std::ifstream in(Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// True when the file read well to its end.
inline bool LoadBytes(const std::function<void(FILE*)>& load) {
    FILE* f = OpenGameFile(Path(), "rb");
    load(f);
    bool whole = GameFileBytesLeft() == 0;
    return CloseGameFile(f) == kGameFileClosed && whole;
}

}  // namespace peopleio
