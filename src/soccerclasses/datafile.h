#pragma once
// Reading a start-up file through the game's channel with a clear message
// for a missing, truncated or damaged file.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

// The full path of a start-up file, or nullopt with "ERROR! Cannot find file : %s".
std::optional<std::filesystem::path> FindStartupFile(const char* gamePath, std::string& error);

class StartupFileReader {
public:
    StartupFileReader(const std::filesystem::path& path, std::string& error);
    ~StartupFileReader();
    StartupFileReader(const StartupFileReader&) = delete;
    StartupFileReader& operator=(const StartupFileReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    FILE* File() const { return file_; }
    // Whether the bytes left could hold n records of at least `size` bytes.
    bool CanHold(int64_t n, int64_t size) const;
    // Closes the file and sets the "damaged file" message; always false.
    bool Fail();
    // Closes the file; false with the message when the reads went past its end.
    bool Finish();

private:
    std::filesystem::path path_;
    std::string& error_;
    FILE* file_ = nullptr;
    int64_t size_ = 0;
};
