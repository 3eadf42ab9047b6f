// The match clips and the sounds made a second time: every file the
// generators write again is byte for byte the one the build shipped, so two
// builds of the same sources ship the same data. (A build that takes its
// data from another build has no generators to run.)
#include <gtest/gtest.h>

#if defined(VT_MAKE_CLIPS) && defined(VT_MAKE_SOUNDS)

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/test_env.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs a data tool as the build does (tool <assets dir> <game dir>); its
// exit code, or -1 when it could not run or did not exit by itself.
int RegenRunTool(const char* tool, const fs::path& gameDir) {
    std::vector<std::string> args = {tool, (testenv::SourceDir() / "assets").string(), gameDir.string()};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, tool, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::vector<char> RegenBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file under `made`, compared with the file at the same place under
// the shipped game folder; the number compared.
int RegenCompareTree(const fs::path& made, const fs::path& shipped) {
    int files = 0;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(made)) {
        if (!e.is_regular_file()) continue;
        const fs::path rel = fs::relative(e.path(), made);
        const fs::path other = shipped / rel;
        EXPECT_TRUE(fs::exists(other)) << rel << " was not shipped";
        if (!fs::exists(other)) continue;
        EXPECT_EQ(fs::file_size(e.path()), fs::file_size(other)) << rel;
        EXPECT_TRUE(RegenBytes(e.path()) == RegenBytes(other)) << rel << " differs from the shipped file";
        ++files;
    }
    return files;
}

TEST(DataRegeneration, TheClipArchivesOfASecondGenerationAreTheShippedBytes) {
    const fs::path out = testenv::TestFolder() / "clips-again";
    ASSERT_EQ(RegenRunTool(VT_MAKE_CLIPS, out), 0);
    // The full archive and the short set, index and data each.
    for (const char* f : {"gfx/flc.idx", "gfx/flc.wad", "shortclips/gfx/flc.idx", "shortclips/gfx/flc.wad"})
        EXPECT_TRUE(fs::exists(out / f)) << f;
    EXPECT_EQ(RegenCompareTree(out, testenv::GameDir()), 4);
}

TEST(DataRegeneration, TheSoundsOfASecondGenerationAreTheShippedBytes) {
    const fs::path out = testenv::TestFolder() / "sounds-again";
    ASSERT_EQ(RegenRunTool(VT_MAKE_SOUNDS, out), 0);
    // The interface sounds, the ambient sets and the 17 match sounds.
    EXPECT_GE(RegenCompareTree(out, testenv::GameDir()), 64 + 17);
}

}  // namespace

#endif
