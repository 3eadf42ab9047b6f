#pragma once
// The game's registry profile (sections "Options", "manager%d", "Install")
// and its installation settings file, kept as INI files under ConfigFolder():
// "profile.ini" and "install.ini" (section "Vantorel 2000").
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

// An INI document. Section and key names match case-insensitively, as the
// profile functions they stand in for did. Lines that make no sense are
// ignored, so a damaged file reads as whatever survives of it.
class IniFile {
public:
    static IniFile Parse(std::string_view text);
    static IniFile Load(const fs::path& path);  // empty when missing
    bool Save(const fs::path& path) const;      // atomic replace

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;

private:
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Section = std::map<std::string, std::string, NoCase>;
    std::map<std::string, Section, NoCase> sections_;
};

int GetProfileInt(std::string_view section, std::string_view key, int defaultValue);
std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue);
bool WriteProfileInt(std::string_view section, std::string_view key, int value);
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);

std::string GetInstallSetting(std::string_view key, std::string_view defaultValue);
int GetInstallSettingInt(std::string_view key, int defaultValue);
bool WriteInstallSetting(std::string_view key, std::string_view value);

fs::path ProfilePath();
fs::path InstallSettingsPath();

}  // namespace platform
