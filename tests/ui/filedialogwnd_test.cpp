// The game's own open and save dialog, driven as a user would: it lists the
// folder's games and sub-folders, saves under a typed name, opens a clicked
// game (also from a sub-folder), and cancels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "page_fixture.h"
#include "platform/stringtable.h"
#include "platform/window/services.h"
#include "ui/filedialogwnd.h"
#include "ui/listcontrol.h"
#include "ui/xedit.h"

using namespace platform::win;

namespace {

namespace fs = std::filesystem;

class FileDialogWndTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        folder = testenv::TestFolder() / "saves";
        fs::remove_all(folder);
        fs::create_directories(folder / "old");
        for (const fs::path& p : {folder / "alpha.qzs", folder / "beta.QZS", folder / "notes.txt",
                                  folder / "old" / "gamma.qzs"})
            std::ofstream(p) << "game";
    }
    FileDialogRequest Request(bool save) {
        FileDialogRequest r;
        r.save = save;
        r.folder = folder.string();
        r.filter = platform::LoadString(403);
        r.title = platform::LoadString(save ? 404 : 412);
        r.defaultExt = "qzs";
        return r;
    }
    // Runs the dialog for `r` and lets `act` drive it once it is up.
    std::optional<std::string> Run(const FileDialogRequest& r, std::function<void(CFileDialogWnd&)> act) {
        backend->SetEndWhenScriptDone(false);
        backend->OnModalShown([&, act] {
            auto* box = dynamic_cast<CFileDialogWnd*>(Ui::Get().GetActiveWindow());
            ASSERT_NE(box, nullptr);
            if (act) act(*box);
        });
        const uint32_t tick = Ui::Get().StartPeriodicTimer(5, [] {});
        std::optional<std::string> answer = RunGameFileDialog(r);
        Ui::Get().StopPeriodicTimer(tick);
        return answer;
    }
    // A point of the dialog, in the main window's client.
    Point InMain(CFileDialogWnd& box, Point p) { return main.ScreenToClient(box.ClientToScreen(p)); }
    void ClickRect(CFileDialogWnd& box, const Rect& r, uint64_t after) {
        backend->Click(InMain(box, {r.left + 10, r.top + 10}), MouseButton::Left, after);
    }
    // The middle of the list's row for entry `name`; the entry must exist.
    Point RowPoint(CFileDialogWnd& box, const std::string& name) {
        const auto& entries = box.GetEntries();
        int row = -1;
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].name == name) row = static_cast<int>(i);
        EXPECT_GE(row, 0) << name;
        Rect r;
        box.GetList()->GetRowRect(row, &r, false);
        const Rect list = box.GetList()->GetListRect();
        return InMain(box, {list.left + 40, list.top + 1 + r.top + 6});
    }

    fs::path folder;
};

TEST_F(FileDialogWndTest, ListsTheFoldersAndGamesAndSavesUnderATypedName) {
    std::vector<std::string> rows;
    auto answer = Run(Request(true), [&](CFileDialogWnd& box) {
        for (int r = 0; r < box.GetList()->GetRowCount(); ++r) rows.emplace_back(box.GetList()->GetItemText(r, 0));
        EXPECT_EQ(Ui::Get().GetFocus(), box.GetNameField());
        box.GetNameField()->SetText("Cup Run");
        Drain();
        Save("file-dialog");
        backend->Type(" 2", 10);
        ClickRect(box, box.GetOkRect(), 20);
    });
    // The way up, the sub-folder, then the games whatever their case; no other file.
    EXPECT_EQ(rows, (std::vector<std::string>{"[..]", "[old]", "alpha.qzs", "beta.QZS"}));
    ASSERT_TRUE(answer);
    EXPECT_EQ(fs::path(*answer), fs::weakly_canonical(folder) / "Cup Run 2.qzs");
    // Enter takes the typed name as OK does.
    answer = Run(Request(true), [&](CFileDialogWnd&) {
        backend->Type("Second", 10);
        backend->Key(VK_RETURN, 20);
    });
    ASSERT_TRUE(answer);
    EXPECT_EQ(fs::path(*answer).filename(), "Second.qzs");
}

TEST_F(FileDialogWndTest, OpensAClickedGameAlsoFromASubFolder) {
    auto answer = Run(Request(false), [&](CFileDialogWnd& box) {
        backend->Click(RowPoint(box, "beta.QZS"), MouseButton::Left, 10);
        backend->Pause(30);
        backend->Key(VK_RETURN, 40);
    });
    ASSERT_TRUE(answer);
    EXPECT_EQ(fs::path(*answer), fs::weakly_canonical(folder) / "beta.QZS");

    // A click on the sub-folder opens it (seen while the dialog is up); a
    // double click on its game takes it.
    fs::path seenFolder;
    const uint32_t watch = Ui::Get().StartPeriodicTimer(5, [&] {
        if (auto* box = dynamic_cast<CFileDialogWnd*>(Ui::Get().GetActiveWindow())) seenFolder = box->GetFolder();
    });
    EXPECT_FALSE(Run(Request(false), [&](CFileDialogWnd& box) {
        backend->Click(RowPoint(box, "old"), MouseButton::Left, 10);
        backend->Key(VK_ESCAPE, 200);
    }));
    Ui::Get().StopPeriodicTimer(watch);
    EXPECT_EQ(seenFolder, fs::weakly_canonical(folder / "old"));
    answer = Run(Request(false), [&](CFileDialogWnd& box) {
        box.ClickRow(1);  // "[old]"
        const Point p = RowPoint(box, "gamma.qzs");
        backend->Click(p, MouseButton::Left, 10);
        backend->Click(p, MouseButton::Left, 50);
    });
    ASSERT_TRUE(answer);
    EXPECT_EQ(fs::path(*answer), fs::weakly_canonical(folder / "old") / "gamma.qzs");
}

TEST_F(FileDialogWndTest, CancelEscapeAndAGameThatIsNotThereGiveNothing) {
    EXPECT_FALSE(Run(Request(false), [&](CFileDialogWnd& box) { ClickRect(box, box.GetCancelRect(), 10); }));
    EXPECT_FALSE(Run(Request(true), [&](CFileDialogWnd&) { backend->Key(VK_ESCAPE, 10); }));
    // Opening a name that stands for no game keeps the dialog up.
    bool stayed = false;
    EXPECT_FALSE(Run(Request(false), [&](CFileDialogWnd& box) {
        box.GetNameField()->SetText("missing");
        stayed = !box.Choose();
        backend->Key(VK_RETURN, 10);
        ClickRect(box, box.GetCancelRect(), 30);
    }));
    EXPECT_TRUE(stayed);
}

TEST_F(FileDialogWndTest, InstalledItAnswersThePlatformsDialogAndAScriptedAnswerStillCounts) {
    InstallGameFileDialog(true);
    backend->QueueFilePath((folder / "alpha.qzs").string());
    EXPECT_EQ(RunFileDialog(Request(false)), (folder / "alpha.qzs").string());
    // Without a scripted answer the window is shown.
    bool shown = false;
    backend->SetEndWhenScriptDone(false);
    backend->OnModalShown([&] {
        shown = dynamic_cast<CFileDialogWnd*>(Ui::Get().GetActiveWindow()) != nullptr;
        backend->Key(VK_ESCAPE, 10);
    });
    const uint32_t tick = Ui::Get().StartPeriodicTimer(5, [] {});
    EXPECT_FALSE(RunFileDialog(Request(false)));
    Ui::Get().StopPeriodicTimer(tick);
    EXPECT_TRUE(shown);
    InstallGameFileDialog(false);
}

}  // namespace
