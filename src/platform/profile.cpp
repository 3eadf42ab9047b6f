#include "platform/profile.h"

#include <cstdlib>

#include "platform/cp1252.h"

namespace platform {
namespace {

constexpr std::string_view kInstallSection = "Vantorel 2000";

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Windows' GetProfileInt reads leading digits; anything else falls back.
int ParseIntOr(const std::optional<std::string>& text, int fallback) {
    if (!text) return fallback;
    const char* s = text->c_str();
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (end == s) return fallback;
    if (v > 2147483647L || v < -2147483647L - 1) return fallback;
    return static_cast<int>(v);
}

}  // namespace

bool IniFile::NoCase::operator()(const std::string& a, const std::string& b) const {
    return Cp1252CompareNoCase(a, b) < 0;
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    Section* current = nullptr;
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = TrimSpaces(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            if (close == std::string_view::npos) {
                current = nullptr;
                continue;
            }
            current = &ini.sections_[std::string(TrimSpaces(line.substr(1, close - 1)))];
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        std::string_view key = TrimSpaces(line.substr(0, eq));
        if (key.empty()) continue;
        (*current)[std::string(key)] = std::string(TrimSpaces(line.substr(eq + 1)));
    }
    return ini;
}

IniFile IniFile::Load(const fs::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return IniFile();
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool IniFile::Save(const fs::path& path) const {
    std::string text = Text();
    return WriteFileAtomic(path, text.data(), text.size());
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    auto s = sections_.find(std::string(section));
    if (s == sections_.end()) return std::nullopt;
    auto k = s->second.find(std::string(key));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    // A line break in a value would split it into a stray line on reload.
    std::string v;
    for (char c : value) v += (c == '\n' || c == '\r') ? ' ' : c;
    sections_[std::string(section)][std::string(key)] = v;
}

std::string IniFile::Text() const {
    std::string out;
    for (const auto& [name, keys] : sections_) {
        out += "[" + name + "]\n";
        for (const auto& [k, v] : keys) out += k + "=" + v + "\n";
        out += "\n";
    }
    return out;
}

fs::path ProfilePath() { return ConfigFolder() / "profile.ini"; }
fs::path InstallSettingsPath() { return ConfigFolder() / "install.ini"; }

int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    return ParseIntOr(IniFile::Load(ProfilePath()).Get(section, key), defaultValue);
}

std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue) {
    auto v = IniFile::Load(ProfilePath()).Get(section, key);
    return v ? *v : std::string(defaultValue);
}

bool WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value) {
    IniFile ini = IniFile::Load(ProfilePath());
    ini.Set(section, key, value);
    return ini.Save(ProfilePath());
}

std::string GetInstallSetting(std::string_view key, std::string_view defaultValue) {
    auto v = IniFile::Load(InstallSettingsPath()).Get(kInstallSection, key);
    return v ? *v : std::string(defaultValue);
}

int GetInstallSettingInt(std::string_view key, int defaultValue) {
    return ParseIntOr(IniFile::Load(InstallSettingsPath()).Get(kInstallSection, key), defaultValue);
}

bool WriteInstallSetting(std::string_view key, std::string_view value) {
    IniFile ini = IniFile::Load(InstallSettingsPath());
    ini.Set(kInstallSection, key, value);
    return ini.Save(InstallSettingsPath());
}

}  // namespace platform
