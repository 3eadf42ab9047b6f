// The open and save dialogs' model: filters, folder listings, the path a
// typed name stands for, and scripted answers in headless runs.
#include <fstream>

#include "platform/window/filedialog.h"
#include "platform/window/headless.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::win;
namespace fs = std::filesystem;

TEST(FileFilterTest, TheSaveGameFilterAndLists) {
    auto f = ParseFileFilter("QZR 2000 (save games) |*.qzs; *.QZS;||");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].description, "QZR 2000 (save games)");
    EXPECT_EQ(f[0].patterns, (std::vector<std::string>{"*.qzs", "*.QZS"}));
    auto two = ParseFileFilter("Text (*.txt)|*.txt|All files|*.*||");
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].description, "All files");
    EXPECT_EQ(two[1].patterns, (std::vector<std::string>{"*.*"}));
    EXPECT_TRUE(ParseFileFilter("").empty());
    EXPECT_TRUE(ParseFileFilter("||").empty());
    auto bare = ParseFileFilter("Anything");
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_TRUE(MatchesFilter("whatever.bin", bare[0]));  // no patterns: everything
}

TEST(FileFilterTest, Wildcards) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    for (Case c : {Case{"Career.QZS", "*.qzs", true}, {"career.qzs", "*.QZS", true}, {"career.qzs.bak", "*.qzs", false},
                   {"a.qzs", "?.qzs", true}, {"ab.qzs", "?.qzs", false}, {"x", "*", true}, {"", "*", true},
                   {"", "?", false}, {"game1.qzs", "game*1*.qzs", true}, {"gamex.qzs", "game*1*.qzs", false},
                   {"noext", "*.*", false}, {"a.b", "*.*", true}}) {
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
    }
}

TEST(FileDialogModel, FolderListingFoldersFirstThenMatchingFiles) {
    const fs::path dir = testenv::TestFolder() / "save";
    fs::create_directories(dir / "old games");
    fs::create_directories(dir / "Archive");
    for (const char* f : {"b.qzs", "A.QZS", "notes.txt", ".hidden.qzs"}) std::ofstream(dir / f) << "x";
    auto filter = ParseFileFilter("QZR 2000 (save games) |*.qzs; *.QZS;||").at(0);
    std::vector<std::string> names;
    std::vector<bool> folders;
    for (const FolderEntry& e : ListFolder(dir, filter)) {
        names.push_back(e.name);
        folders.push_back(e.folder);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"..", "Archive", "old games", "A.QZS", "b.qzs"}));
    EXPECT_EQ(folders, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_TRUE(ListFolder(dir / "missing", filter).empty());
    auto root = ListFolder("/", filter);
    ASSERT_FALSE(root.empty());
    EXPECT_NE(root[0].name, "..");  // nothing above the root
}

TEST(FileDialogModel, TypedNamesBecomePaths) {
    const fs::path dir = testenv::TestFolder();
    FileDialogRequest save;
    save.save = true;
    save.defaultExt = "qzs";
    EXPECT_EQ(ResolveChosenPath(save, dir, "career"), (dir / "career.qzs").string());
    EXPECT_EQ(ResolveChosenPath(save, dir, "  career.old "), (dir / "career.old").string());
    EXPECT_EQ(ResolveChosenPath(save, dir, (dir / "abs").string()), (dir / "abs.qzs").string());
    EXPECT_EQ(ResolveChosenPath(save, dir, "   "), std::nullopt);
    EXPECT_EQ(ResolveChosenPath(save, dir, "no such folder/career"), std::nullopt);
    save.pathMustExist = false;
    EXPECT_EQ(ResolveChosenPath(save, dir, "no such folder/career"), (dir / "no such folder" / "career.qzs").string());
}

TEST(FileDialogModel, ScriptLinesAnswerTheDialogsInOrder) {
    auto b = std::make_unique<HeadlessBackend>();
    HeadlessBackend* backend = b.get();
    Ui::Get().Start(std::move(b));
    const fs::path dir = testenv::TestFolder();
    const std::string script = "file " + (dir / "my career").string() + "\nnofile\nanswer 6\n";
    ASSERT_EQ(backend->LoadScript(script), std::nullopt);
    EXPECT_NE(backend->LoadScript("file\n"), std::nullopt);  // a path is needed
    FileDialogRequest load;
    load.title = "Continue Career";
    load.defaultExt = "qzs";
    EXPECT_EQ(RunFileDialog(load), (dir / "my career.qzs").string());  // spaces kept, extension added
    EXPECT_EQ(RunFileDialog(load), std::nullopt);
    EXPECT_EQ(RunFileDialog(load), std::nullopt);  // no answers left: cancelled
    EXPECT_EQ(backend->FileDialogs().size(), 3u);
    EXPECT_EQ(backend->FileDialogs()[0].title, "Continue Career");
    Ui::Get().Stop();
}

}  // namespace
