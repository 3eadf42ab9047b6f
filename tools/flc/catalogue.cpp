#include "catalogue.h"

#include <sstream>

namespace clipgen {

bool ParseCatalogue(const std::string& text, std::vector<ClipSpec>& out, std::string* error) {
    out.clear();
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        if (error) *error = "scenes line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::istringstream words(line);
        ClipSpec s;
        s.line = lineNo;
        std::string w;
        if (!(words >> s.number)) return fail("a clip number expected");
        if (!(words >> w)) return fail("a folder or mirror-of expected");
        if (w == "mirror-of") {
            if (!(words >> s.mirrorOf)) return fail("mirror-of needs a clip number");
            out.push_back(s);
            continue;
        }
        s.folder = w;
        // Folder names may hold a space ("Half Time"): written with '+'.
        for (char& c : s.folder)
            if (c == '+') c = ' ';
        if (!(words >> s.name >> s.tmpl)) return fail("a name and a template expected");
        while (words >> w) {
            const size_t eq = w.find('=');
            if (eq == std::string::npos) return fail("parameters are key=value: " + w);
            s.params[w.substr(0, eq)] = w.substr(eq + 1);
        }
        out.push_back(s);
    }
    return true;
}

int SpecKind(const ClipSpec& spec) {
    auto it = spec.params.find("kind");
    return it == spec.params.end() ? 0 : std::stoi(it->second);
}

bool IsNeutralClip(int n) {
    struct R {
        int a, b;
    };
    static constexpr R kNeutral[] = {{0, 14},    {67, 73},   {210, 251}, {290, 290}, {293, 293}, {304, 304},
                                     {309, 309}, {314, 327}, {382, 385}, {394, 396}, {399, 401}, {650, 665}};
    for (const R& r : kNeutral)
        if (n >= r.a && n <= r.b) return true;
    return false;
}

}  // namespace clipgen
