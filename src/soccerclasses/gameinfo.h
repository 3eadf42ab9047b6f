#pragma once
// "Data\\GameInfo.bin": the title and version of the built game data, so the
// program can tell which data it found.
#include <optional>
#include <string>
#include <vector>

struct GameInfo {
    std::string title;
    std::string version;
};

std::vector<uint8_t> EncodeGameInfo(const GameInfo& info);
std::optional<GameInfo> DecodeGameInfo(const std::vector<uint8_t>& bytes);
// Reads it from the installation (or disc) folder.
std::optional<GameInfo> LoadGameInfo();

inline constexpr const char* kGameInfoFile = "Data\\GameInfo.bin";
