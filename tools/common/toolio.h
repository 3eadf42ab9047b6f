#pragma once
// Shared plumbing of the data tools: reading UTF-8 asset tables and writing
// files into the game folder.
#include <filesystem>
#include <string>
#include <vector>

namespace toolio {

struct AssetLine {
    int number;        // 1-based line in the asset file
    std::string text;  // UTF-8, without the line break
};

// The non-blank, non-'#' lines of an asset file; exits with a message naming
// the file when it cannot be read.
std::vector<AssetLine> ReadAssetLines(const std::filesystem::path& file);

// Converts a UTF-8 asset text to Windows-1252; a character 1252 cannot hold is
// a build error naming the file and line.
std::string ToCp1252(const std::filesystem::path& file, int line, const std::string& utf8);

// Writes `bytes` to `gameDir` / `gamePath` ("Data\\X.bin"); exits on failure.
void WriteGameFile(const std::filesystem::path& gameDir, const std::string& gamePath,
                   const std::vector<uint8_t>& bytes);

[[noreturn]] void Fail(const std::string& message);

}  // namespace toolio
