#include "soccerclasses/datafile.h"

#include "platform/files.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/gamefile.h"

namespace {

std::string Joined(const platform::fs::path& folder, const std::string& gamePath) {
    return platform::MapPath(folder, gamePath).string();
}

std::optional<std::string> Existing(const platform::fs::path& folder, const std::string& gamePath) {
    if (folder.empty()) return std::nullopt;
    auto found = platform::FindPath(folder, gamePath);
    if (!found) return std::nullopt;
    std::error_code ec;
    if (!platform::fs::is_regular_file(*found, ec)) return std::nullopt;
    return found->string();
}

std::optional<std::string> Lookup(const std::string& gamePath) {
    if (auto p = Existing(platform::InstallFolder(), gamePath)) return p;
    return Existing(platform::DiscFolder(), gamePath);
}

}  // namespace

std::string FindDataFile(const std::string& gamePath) {
    if (auto p = Lookup(gamePath)) {
        platform::Trace(*p + "\n");
        return *p;
    }
    std::string shown = Joined(platform::DiscFolder(), gamePath);
    throw DataFileError(DataFileError::kMissing, gamePath,
                        platform::StrPrintf(kCannotFindFileText, shown.c_str()));
}

std::string FindDataFilePath(const std::string& gamePath) {
    std::string path = Lookup(gamePath).value_or(Joined(platform::DiscFolder(), gamePath));
    platform::Trace(path + "\n");
    return path;
}

void ThrowDamagedDataFile(const std::string& gamePath) {
    const std::string& text = platform::LoadString(kDamagedFileStringId);
    throw DataFileError(DataFileError::kDamaged, gamePath,
                        platform::StrPrintf(text.c_str(), gamePath.c_str()));
}

FILE* OpenDataFile(const std::string& gamePath) {
    std::string path = FindDataFile(gamePath);
    // The order in which a new game reads its files matters (a country joins
    // its federation as it is read; players name their clubs): traced.
    platform::Trace("Start-up file " + gamePath + "\n");
    FILE* f = OpenGameFile(path, "rb");
    if (!f) ThrowDamagedDataFile(gamePath);
    return f;
}

void CloseDataFile(FILE* file, const std::string& gamePath) {
    if (CloseGameFile(file) != kGameFileClosed) ThrowDamagedDataFile(gamePath);
}
