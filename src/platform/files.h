#pragma once
// Game paths are written as the game wrote them, with backslashes
// ("Data\\Clubs.bin"); they resolve under a base folder matching every
// component case-insensitively, since the game's names and the files on disk
// need not agree on case.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

// The existing file or folder `gamePath` names under `base`, or nothing.
std::optional<fs::path> FindPath(const fs::path& base, std::string_view gamePath);

// The native path for `gamePath` under `base`, for writing: components that
// exist (in any case) are used as found, the rest as given.
fs::path MapPath(const fs::path& base, std::string_view gamePath);

// The installation folder, found in this order: the profile's
// "Install"/"InstallDir"; the installation settings' "Directory="; the
// environment's VANTOREL_GAME_DIR; the game folder of the build tree.
fs::path InstallFolder();
void SetInstallFolder(const fs::path& folder);
// The disc folder; empty (nothing is found there) unless set.
fs::path DiscFolder();
void SetDiscFolder(const fs::path& folder);
// Forgets folders set or found, so the next call looks again.
void ResetFolders();

// A game file under the installation folder, else under the disc folder.
std::optional<fs::path> FindGameFile(std::string_view gamePath);

// $XDG_CONFIG_HOME/vantorel2000 (default ~/.config/vantorel2000).
fs::path ConfigFolder();
// $XDG_DATA_HOME/vantorel2000 (default ~/.local/share/vantorel2000).
fs::path DataFolder();
// Where saved games go: DataFolder()/save.
fs::path SaveFolder();

std::optional<std::vector<uint8_t>> ReadWholeFile(const fs::path& path);

// Writes to a temporary file beside `path`, flushes it to disk and only then
// renames it over `path`, so a failed write never destroys the old file.
bool WriteFileAtomic(const fs::path& path, const void* data, size_t size);
inline bool WriteFileAtomic(const fs::path& path, const std::vector<uint8_t>& bytes) {
    return WriteFileAtomic(path, bytes.data(), bytes.size());
}

}  // namespace platform
