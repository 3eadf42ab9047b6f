#include "platform/stringtable.h"

#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/trace.h"

extern const unsigned char vt_strings_txt[];
extern const unsigned long vt_strings_txt_size;

namespace platform {
namespace {

bool Unescape(std::string_view in, std::string& out, std::string& error) {
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out += in[i];
            continue;
        }
        if (i + 1 >= in.size()) {
            error = "lone backslash at the end";
            return false;
        }
        switch (in[++i]) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            default:
                error = std::string("unknown escape \\") + in[i];
                return false;
        }
    }
    return true;
}

const StringTableParse& Compiled() {
    static const StringTableParse table = ParseStringTable(
        std::string_view(reinterpret_cast<const char*>(vt_strings_txt), vt_strings_txt_size));
    return table;
}

}  // namespace

StringTableParse ParseStringTable(std::string_view utf8) {
    StringTableParse result;
    int lineNo = 0;
    while (!utf8.empty()) {
        size_t nl = utf8.find('\n');
        std::string_view line = utf8.substr(0, nl);
        utf8 = nl == std::string_view::npos ? std::string_view() : utf8.substr(nl + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        auto fail = [&](const std::string& what) {
            result.errors.push_back("line " + std::to_string(lineNo) + ": " + what);
        };
        size_t tab = line.find('\t');
        std::string_view idText = line.substr(0, tab);
        if (tab == std::string_view::npos || idText.empty() || idText.size() > 9 ||
            idText.find_first_not_of("0123456789") != std::string_view::npos) {
            fail("expected an id, a tab and the text");
            continue;
        }
        uint32_t id = static_cast<uint32_t>(std::strtoul(std::string(idText).c_str(), nullptr, 10));
        std::string text, error;
        if (!Unescape(line.substr(tab + 1), text, error)) {
            fail(error);
            continue;
        }
        size_t bad = 0;
        auto converted = Utf8ToCp1252(text, &bad);
        if (!converted) {
            fail("character at byte " + std::to_string(bad) + " has no Windows-1252 form");
            continue;
        }
        if (!result.texts.emplace(id, std::move(*converted)).second)
            fail("id " + std::to_string(id) + " appears twice");
    }
    return result;
}

const std::map<uint32_t, std::string>& StringTable() { return Compiled().texts; }
const std::vector<std::string>& StringTableErrors() { return Compiled().errors; }

const std::string& LoadString(uint32_t id) {
    static const std::string kEmpty;
    const auto& texts = StringTable();
    auto it = texts.find(id);
    if (it == texts.end()) {
        TraceF("string %u is not in the string table", id);
        return kEmpty;
    }
    return it->second;
}

bool HasString(uint32_t id) { return StringTable().count(id) != 0; }

}  // namespace platform
