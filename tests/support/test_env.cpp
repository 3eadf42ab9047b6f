#include "support/test_env.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"

namespace testenv {
namespace {

std::filesystem::path g_folder;


class IsolationListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vt-test-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) std::abort();
        g_folder = tmpl;
        std::filesystem::create_directories(g_folder / "config");
        std::filesystem::create_directories(g_folder / "data");
        setenv("XDG_CONFIG_HOME", (g_folder / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (g_folder / "data").c_str(), 1);
        setenv("HOME", g_folder.c_str(), 1);
        setenv("XDG_DOCUMENTS_DIR", (g_folder / "documents").c_str(), 1);  // printouts
        setenv("VANTOREL_GAME_DIR", VT_GAME_DIR, 1);
        platform::ResetFolders();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        std::error_code ec;
        std::filesystem::remove_all(g_folder, ec);
        platform::ResetFolders();
    }
};

}  // namespace

std::filesystem::path TestFolder() { return g_folder; }
std::filesystem::path SourceDir() { return VT_SOURCE_DIR; }
std::filesystem::path BuildDir() { return VT_BUILD_DIR; }
std::filesystem::path GameDir() { return VT_GAME_DIR; }

void InstallIsolation() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new IsolationListener);
}

}  // namespace testenv
