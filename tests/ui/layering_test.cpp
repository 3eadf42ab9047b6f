// The widgets link below the shell: they may use only the shell's base
// services (sound, archives, timer, the screen globals, faces), and those
// reach neither the widgets nor the rest of the shell.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The base library's sources, as the shell's build file lists them.
std::set<std::string> BaseSources() {
    const std::string cmake = ReadAll(testenv::SourceDir() / "src/shell/CMakeLists.txt");
    std::set<std::string> names;
    const std::string key = "set(_base_names";
    const size_t at = cmake.find(key);
    if (at == std::string::npos) return names;
    const size_t end = cmake.find(')', at);
    std::stringstream list(cmake.substr(at + key.size(), end - at - key.size()));
    for (std::string n; list >> n;) names.insert(n);
    return names;
}

// The headers of `layer` a source file includes ("shell/timer.h" gives "timer.h").
std::vector<std::string> Includes(const fs::path& file, const std::string& layer) {
    std::vector<std::string> found;
    std::stringstream text(ReadAll(file));
    const std::string prefix = "#include \"" + layer + "/";
    for (std::string line; std::getline(text, line);) {
        if (line.rfind(prefix, 0) != 0) continue;
        const size_t close = line.find('"', prefix.size());
        if (close != std::string::npos) found.push_back(line.substr(prefix.size(), close - prefix.size()));
    }
    return found;
}

std::string Stem(const std::string& name) { return fs::path(name).stem().string(); }

TEST(Layering, WidgetsUseOnlyTheShellsBaseAndTheBaseStaysBelowThem) {
    const std::set<std::string> base = BaseSources();
    ASSERT_TRUE(base.count("soundengine.cpp"));
    ASSERT_TRUE(base.count("archive.cpp"));
    std::set<std::string> baseStems;
    for (const auto& n : base) baseStems.insert(Stem(n));

    int widgetFiles = 0;
    for (const auto& e : fs::directory_iterator(testenv::SourceDir() / "src/ui")) {
        if (e.path().extension() != ".h" && e.path().extension() != ".cpp") continue;
        ++widgetFiles;
        for (const std::string& h : Includes(e.path(), "shell"))
            EXPECT_TRUE(baseStems.count(Stem(h))) << e.path().filename() << " reaches shell/" << h;
    }
    EXPECT_GT(widgetFiles, 10);

    for (const std::string& stem : baseStems) {
        for (const char* ext : {".h", ".cpp"}) {
            const fs::path p = testenv::SourceDir() / "src/shell" / (stem + ext);
            if (!fs::exists(p)) continue;
            EXPECT_TRUE(Includes(p, "ui").empty()) << p.filename() << " reaches the widgets";
            EXPECT_TRUE(Includes(p, "screens").empty()) << p.filename() << " reaches the pages";
            for (const std::string& h : Includes(p, "shell"))
                EXPECT_TRUE(baseStems.count(Stem(h))) << p.filename() << " reaches shell/" << h;
        }
    }
}

}  // namespace

TEST(Layering, NeitherTheShellNorTheWidgetsReachThePages) {
    int files = 0;
    for (const char* layer : {"src/shell", "src/ui"}) {
        for (const auto& e : fs::directory_iterator(testenv::SourceDir() / layer)) {
            if (e.path().extension() != ".h" && e.path().extension() != ".cpp") continue;
            ++files;
            EXPECT_TRUE(Includes(e.path(), "screens").empty()) << e.path().filename() << " reaches the pages";
        }
    }
    EXPECT_GT(files, 40);
}
