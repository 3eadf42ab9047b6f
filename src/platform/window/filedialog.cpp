#include "platform/window/filedialog.h"

#include <algorithm>
#include <cctype>

namespace platform::win {

namespace fs = std::filesystem;

namespace {

std::string Trim(std::string_view s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const size_t b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string_view::npos) bar = filter.size();
        parts.emplace_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    // A "||" ends the list.
    while (!parts.empty() && parts.back().empty()) parts.pop_back();
    std::vector<FileFilter> out;
    for (size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty() && (i + 1 >= parts.size() || parts[i + 1].empty())) break;
        FileFilter f;
        f.description = Trim(parts[i]);
        if (i + 1 < parts.size()) {
            std::string_view list = parts[i + 1];
            size_t p = 0;
            while (p <= list.size()) {
                size_t semi = list.find(';', p);
                if (semi == std::string_view::npos) semi = list.size();
                std::string pattern = Trim(list.substr(p, semi - p));
                if (!pattern.empty()) f.patterns.push_back(pattern);
                p = semi + 1;
            }
        }
        out.push_back(std::move(f));
    }
    return out;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with one backtrack point for the last '*'.
    size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool MatchesFilter(std::string_view name, const FileFilter& filter) {
    if (filter.patterns.empty()) return true;
    return std::any_of(filter.patterns.begin(), filter.patterns.end(),
                       [&](const std::string& p) { return MatchesPattern(name, p); });
}

std::vector<FolderEntry> ListFolder(const fs::path& folder, const FileFilter& filter) {
    std::vector<std::string> folders, files;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return {};
    for (const fs::directory_entry& e : it) {
        std::string name = e.path().filename().string();
        if (name.empty() || name[0] == '.') continue;  // hidden
        if (e.is_directory(ec)) folders.push_back(name);
        else if (MatchesFilter(name, filter)) files.push_back(name);
    }
    std::sort(folders.begin(), folders.end(), LessNoCase);
    std::sort(files.begin(), files.end(), LessNoCase);
    std::vector<FolderEntry> out;
    if (fs::absolute(folder, ec) != fs::absolute(folder, ec).root_path()) out.push_back({"..", true});
    for (auto& f : folders) out.push_back({std::move(f), true});
    for (auto& f : files) out.push_back({std::move(f), false});
    return out;
}

std::optional<std::string> ResolveChosenPath(const FileDialogRequest& request, const fs::path& folder,
                                             std::string_view name) {
    const std::string typed = Trim(name);
    if (typed.empty()) return std::nullopt;
    fs::path path(typed);
    if (path.is_relative() && !folder.empty()) path = folder / path;
    if (!request.defaultExt.empty() && path.extension().empty() && !path.filename().empty()) {
        const std::string ext = request.defaultExt[0] == '.' ? request.defaultExt : "." + request.defaultExt;
        path += ext;
    }
    if (request.pathMustExist) {
        std::error_code ec;
        const fs::path parent = path.parent_path();
        if (!parent.empty() && !fs::is_directory(parent, ec)) return std::nullopt;
    }
    return path.string();
}

}  // namespace platform::win
