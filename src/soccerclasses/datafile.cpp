#include "soccerclasses/datafile.h"

#include <system_error>

#include "platform/files.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/globals.h"

namespace {
constexpr uint32_t kDamagedFileText = 60000;
}

std::optional<std::filesystem::path> FindStartupFile(const char* gamePath, std::string& error) {
    auto path = platform::FindGameFile(gamePath);
    if (!path) error = platform::StrPrintf("ERROR! Cannot find file : %s", gamePath);
    return path;
}

StartupFileReader::StartupFileReader(const std::filesystem::path& path, std::string& error)
    : path_(path), error_(error) {
    std::error_code ec;
    size_ = static_cast<int64_t>(std::filesystem::file_size(path, ec));
    if (!ec) file_ = OpenGameFile(path.string().c_str(), "rb");
    if (!file_) error_ = platform::StrPrintf("ERROR! Cannot find file : %s", path.string().c_str());
}

StartupFileReader::~StartupFileReader() {
    if (file_) CloseGameFile(file_);
}

bool StartupFileReader::CanHold(int64_t n, int64_t size) const { return n * size <= size_; }

bool StartupFileReader::Fail() {
    if (file_) CloseGameFile(file_);
    file_ = nullptr;
    error_ = platform::StrPrintf(platform::LoadString(kDamagedFileText).c_str(), path_.string().c_str());
    return false;
}

bool StartupFileReader::Finish() {
    const bool damaged = IsGameFileDamaged();
    if (file_) CloseGameFile(file_);
    file_ = nullptr;
    if (damaged) return Fail();
    return true;
}
