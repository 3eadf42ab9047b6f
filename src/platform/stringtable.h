#pragma once
// The game's string table, compiled into the program from assets/strings.txt:
// one entry a line, the id, a tab, the text (UTF-8 in the file, Windows-1252
// once loaded), with \n, \t and \\ escapes; '#' lines are comments.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct StringTableParse {
    std::map<uint32_t, std::string> texts;  // Windows-1252
    std::vector<std::string> errors;        // "line N: what is wrong"
};

StringTableParse ParseStringTable(std::string_view utf8);

// The compiled-in table, parsed on first use.
const std::map<uint32_t, std::string>& StringTable();
const std::vector<std::string>& StringTableErrors();

// The text of `id`; an empty text and one trace line when there is none.
const std::string& LoadString(uint32_t id);
bool HasString(uint32_t id);

}  // namespace platform
