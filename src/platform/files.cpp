#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/cp1252.h"
#include "platform/profile.h"

#ifndef VT_BUILD_GAME_DIR
#define VT_BUILD_GAME_DIR ""
#endif

namespace platform {
namespace {

std::optional<fs::path> g_install;
std::optional<fs::path> g_disc;

std::vector<std::string> SplitGamePath(std::string_view gamePath) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : gamePath) {
        if (c == '\\' || c == '/') {
            if (!cur.empty() && cur != ".") parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty() && cur != ".") parts.push_back(cur);
    // Game paths are Windows-1252; names on disk are UTF-8.
    for (auto& p : parts) p = Cp1252ToUtf8(p);
    return parts;
}

char32_t Fold(char32_t cp) {
    if (cp < 0x100) return Cp1252ToCodePoint(Cp1252ToLower(static_cast<uint8_t>(cp)));
    return cp;
}

bool SameNameNoCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        auto ca = DecodeUtf8(a, i);
        auto cb = DecodeUtf8(b, j);
        if (!ca || !cb) return a == b;
        if (Fold(*ca) != Fold(*cb)) return false;
    }
    return i == a.size() && j == b.size();
}

// The entry of `dir` named `name` in any case, exact match first.
std::optional<fs::path> FindEntry(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (name == "..") return dir / name;
    fs::path exact = dir / name;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameNameNoCase(it->path().filename().string(), name)) return it->path();
    }
    return std::nullopt;
}

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

fs::path HomeFolder() { return EnvOr("HOME", "."); }

}  // namespace

std::optional<fs::path> FindPath(const fs::path& base, std::string_view gamePath) {
    if (base.empty()) return std::nullopt;
    fs::path cur = base;
    std::error_code ec;
    if (!fs::is_directory(cur, ec)) return std::nullopt;
    for (const auto& part : SplitGamePath(gamePath)) {
        auto next = FindEntry(cur, part);
        if (!next) return std::nullopt;
        cur = *next;
    }
    return cur;
}

fs::path MapPath(const fs::path& base, std::string_view gamePath) {
    fs::path cur = base;
    bool matching = true;
    for (const auto& part : SplitGamePath(gamePath)) {
        std::optional<fs::path> next;
        if (matching) next = FindEntry(cur, part);
        if (next) {
            cur = *next;
        } else {
            matching = false;
            cur /= part;
        }
    }
    return cur;
}

fs::path InstallFolder() {
    if (g_install) return *g_install;
    std::string dir = GetProfileString("Install", "InstallDir", "");
    if (dir.empty()) dir = GetInstallSetting("Directory", "");
    if (dir.empty()) dir = EnvOr("VANTOREL_GAME_DIR", "");
    if (dir.empty()) dir = VT_BUILD_GAME_DIR;
    g_install = fs::path(dir);
    return *g_install;
}

void SetInstallFolder(const fs::path& folder) { g_install = folder; }

fs::path DiscFolder() { return g_disc ? *g_disc : fs::path(); }

void SetDiscFolder(const fs::path& folder) { g_disc = folder; }

void ResetFolders() {
    g_install.reset();
    g_disc.reset();
}

std::optional<fs::path> FindGameFile(std::string_view gamePath) {
    if (auto p = FindPath(InstallFolder(), gamePath)) return p;
    return FindPath(DiscFolder(), gamePath);
}

fs::path ConfigFolder() {
    return fs::path(EnvOr("XDG_CONFIG_HOME", (HomeFolder() / ".config").string())) / "vantorel2000";
}

fs::path DataFolder() {
    return fs::path(EnvOr("XDG_DATA_HOME", (HomeFolder() / ".local" / "share").string())) /
           "vantorel2000";
}

fs::path SaveFolder() { return DataFolder() / "save"; }

std::optional<std::vector<uint8_t>> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool WriteFileAtomic(const fs::path& path, const void* data, size_t size) {
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    fs::path tmp = path;
    tmp += ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const auto* p = static_cast<const char*>(data);
    size_t left = size;
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) fs::remove(tmp, ec);
    return ok;
}

}  // namespace platform
