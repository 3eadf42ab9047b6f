// From the intro to a running game and back, as a user does it: clicks and
// keys only, tree and list rows found by their text, the game's own file
// dialog for every save and load, and a second run of the program that
// loads the saved game and saves it to the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>
#include <string>

#include "platform/gfx/png.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/optionscreen.h"
#include "screens/pages.h"
#include "screens/titlescreen.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "shell/view.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/selectablecountries.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"
#include "ui/filedialogwnd.h"
#include "ui/listcontrol.h"
#include "ui/usermessagebox.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"
#include "ui/xstatic.h"
#include "support/ui_loop.h"

using namespace platform::win;

namespace {

std::string EndToEndBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the test compares between the new game and its loaded copy.
struct EndToEndManager {
    std::string name, nationality, club;
    int age = 0, contract = 0;
    uint32_t face = 0;
    bool operator==(const EndToEndManager&) const = default;
};

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_SetupState = SetupState{};
        ResetGameFlags();
        // The world's seeds come from the clock: a fixed one makes every run alike.
        platform::SetRandomClock([] { return int64_t(936000000); });
        saves = testenv::TestFolder() / "endtoend";
        std::filesystem::remove_all(saves);
        std::filesystem::create_directories(saves);
    }
    void TearDown() override {
        StopProgram();
        g_SetupState = SetupState{};
        ResetGameFlags();
        platform::SetRandomClock(nullptr);
    }
    // Starts the program on the intro and clicks it away to the title page.
    void StartProgram() {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        RegisterGamePages();
        // The world the program makes at its start.
        CBrixholmApp::SetWorldFactory([] { return StartWorld(); });
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        testsupport::DrainMessages(*app->GetMainFrame());
        manager = app->GetView()->GetScreenManager();
        AnswerModals();
        ASSERT_EQ(g_nCurrentScreen, 115);
        Run(400);
        ClickPage(300, 300);
        Run(800);
        ASSERT_EQ(g_nCurrentScreen, 91);
    }
    void StopProgram() {
        if (!app) return;
        app.reset();
        Ui::Get().Stop();
        CBrixholmApp::SetWorldFactory(nullptr);
    }
    // Runs the virtual clock for `ms`, and on until every scripted step
    // has been handled.
    void Run(uint64_t ms) {
        testsupport::RunVirtualTime(*backend, *app->GetMainFrame(), ms);
        for (int k = 0; k < 200 && !backend->ScriptDone(); ++k)
            testsupport::RunVirtualTime(*backend, *app->GetMainFrame(), 50);
    }
    Window& Main() { return *app->GetMainFrame(); }
    Point InMain(const Window& w, Point p) { return Main().ScreenToClient(w.ClientToScreen(p)); }
    // A click at page coordinates, after a move there (the title menu acts
    // on the item of the last move).
    void ClickPage(int x, int y) {
        Window* page = manager->GetCurrentPage();
        ASSERT_NE(page, nullptr);
        backend->MoveTo(InMain(*page, {x, y}));
        backend->Click(InMain(*page, {x, y}), MouseButton::Left, 20);
        Run(80);
    }
    // Pictures for people to look at (scripts/screenshots.sh); never the check.
    void Shot(const std::string& name) {
        Ui::Get().PresentNow();
        const auto dir = testenv::BuildDir() / "title-shots";
        std::filesystem::create_directories(dir);
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
    // The presented pixels under a window.
    std::vector<uint32_t> ShownPixels(const Window& w) {
        Ui::Get().PresentNow();
        const auto& frame = backend->LastFrame();
        const Rect r = w.ClientRect();
        const Point at = InMain(w, {0, 0});
        std::vector<uint32_t> out;
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x) out.push_back(frame.Get(at.x + x, at.y + y));
        return out;
    }
    COptionScreen* Options() { return dynamic_cast<COptionScreen*>(manager->GetCurrentPage()); }
    void ClickButton(uint32_t id) {
        ASSERT_NE(Options(), nullptr) << "on page " << g_nCurrentScreen;
        CXButton* b = Options()->FindButton(id);
        ASSERT_NE(b, nullptr) << id;
        ASSERT_TRUE(b->IsEnabled()) << id;
        const Rect r = b->ClientRect();
        backend->Click(InMain(*b, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        Run(100);
    }
    void TypeInto(uint32_t editId, const std::string& text) {
        CXEdit* e = Options()->FindEdit(editId);
        ASSERT_NE(e, nullptr);
        const Rect r = e->ClientRect();
        backend->Click(InMain(*e, {r.left + 4, (r.top + r.bottom) / 2}));
        Run(50);
        ASSERT_EQ(Ui::Get().GetFocus(), e) << "the clicked field takes the keys";
        for (int k = 0; k < 30; ++k) backend->Key(VK_BACK, 2);
        backend->Type(text, 10);
        Run(100);
    }
    // Finds the tree's row of `text`, brings it into view and clicks it.
    void ClickTreeRow(const std::string& text) {
        CTree& tree = app->GetView()->GetTreeWindow()->GetTree();
        std::function<CTreeNode*(CTreeNode*)> find = [&](CTreeNode* n) -> CTreeNode* {
            for (; n; n = n->next) {
                if (n->visible && n->text == text) return n;
                if (CTreeNode* c = find(n->firstChild)) return c;
            }
            return nullptr;
        };
        CTreeNode* node = find(tree.GetRoot());
        ASSERT_NE(node, nullptr) << text;
        auto pointOf = [&](const CTreeNode* n) {
            tree.Invalidate(false);
            tree.UpdateNow();
            for (int i = 0; i < tree.GetRowsDrawn(); ++i)
                if (tree.GetRow(i).node == n) {
                    const Rect r = tree.GetRow(i).rect;
                    return std::optional<Point>(InMain(tree, {r.left + 3, (r.top + r.bottom) / 2}));
                }
            return std::optional<Point>();
        };
        // The tree opens the rows above it by their texts, from the top.
        std::vector<CTreeNode*> above;
        for (CTreeNode* p = node->parent; p && p->parent; p = p->parent) above.insert(above.begin(), p);
        CTreeWindow* pane = app->GetView()->GetTreeWindow();
        pane->Navigate(0, "");
        for (CTreeNode* p : above) {
            pane->Navigate(1, p->text);
            ASSERT_TRUE(p->expanded) << p->text << " opens";
        }
        tree.BringIntoView(node);
        const auto at = pointOf(node);
        ASSERT_TRUE(at) << text << " is shown";
        backend->Click(*at);
        Run(100);
        ASSERT_TRUE(node->selected) << text << " is chosen";
    }
    // Every modal loop of a run goes through here, and the answerer arms
    // itself again for the next one. The game's file dialog gets the planned
    // answer: `name` typed for a save, or the row of `name` clicked for a
    // load, then its OK button. A question box gets the planned answer for
    // its text, else its first button; a menu is dismissed.
    void AnswerModals() {
        modalAnswer = [this] {
            Window* active = Ui::Get().GetActiveWindow();
            if (auto* box = dynamic_cast<CFileDialogWnd*>(active)) {
                AnswerFileDialog(*box);
            } else if (auto* question = dynamic_cast<CUserMessageBoxDlg*>(active)) {
                const std::string text = question->ShownText();
                boxesSeen.push_back(text);
                bool no = false;
                for (auto it = boxAnswers.begin(); it != boxAnswers.end(); ++it)
                    if (text.find(it->first) != std::string::npos) {
                        no = it->second == IDNO;
                        boxAnswers.erase(it);
                        break;
                    }
                // Return is the first button, Escape the second.
                backend->Key(no ? VK_ESCAPE : VK_RETURN, 10);
            } else {
                backend->Key(VK_ESCAPE, 10);
            }
            backend->OnModalShown(modalAnswer);
        };
        backend->OnModalShown(modalAnswer);
    }
    void AnswerFileDialog(CFileDialogWnd& box) {
        dialogFolder = box.GetFolder();
        if (!fileAnswer) {
            ADD_FAILURE() << "a file dialog nobody expected";
            backend->Key(VK_ESCAPE, 10);
            return;
        }
        const auto [name, typed] = *fileAnswer;
        fileAnswer.reset();
        if (typed) {
            backend->Type(name, 10);
        } else {
            int row = -1;
            const auto& entries = box.GetEntries();
            for (size_t i = 0; i < entries.size(); ++i)
                if (entries[i].name == name) row = static_cast<int>(i);
            ASSERT_GE(row, 0) << name << " is listed";
            ASSERT_EQ(std::string(box.GetList()->GetItemText(row, 0)).find(name.substr(0, name.find('.'))), 0u);
            Rect r;
            box.GetList()->GetRowRect(row, &r, false);
            const Rect list = box.GetList()->GetListRect();
            backend->Click(InMain(box, {list.left + 40, list.top + 1 + r.top + 6}), MouseButton::Left, 10);
        }
        const Rect ok = box.GetOkRect();
        backend->Click(InMain(box, {ok.left + 10, ok.top + 10}), MouseButton::Left, 30);
    }
    void PlanFileDialog(const std::string& name, bool typed) { fileAnswer.emplace(name, typed); }
    void OpenGameOptions() {
        Main().Send(WM_COMMAND, 19419, 0);  // the tool box's Options button
        Run(100);
        ASSERT_EQ(g_nCurrentScreen, 6);
    }
    void SaveGameAs(const std::string& name) {
        OpenGameOptions();
        if (name == "endtoenda") Shot("game-options");
        PlanFileDialog(name, true);
        ClickButton(29003);
        Run(300);
        EXPECT_FALSE(fileAnswer) << "the save asked for a file";
        ASSERT_TRUE(std::filesystem::exists(dialogFolder / (name + ".qzs"))) << name;
    }
    // The first club of a country run by a computer manager, and that manager.
    std::pair<std::string, int> ClubOf(int countryId) {
        CWorldData* w = GetWorldData();
        for (int i = 0; i < w->GetClubList().GetSize(); ++i) {
            const CClub* c = w->GetClubList().GetAt(i);
            if (c && c->GetCountry() && c->GetCountry()->GetId() == countryId && c->HasManager()) {
                const CManager* m = w->GetManagerList().GetAt(c->GetManager());
                if (m && !m->IsHuman()) return {c->GetName(), c->GetManager()};
            }
        }
        return {"", -1};
    }
    // The nationality comes from the tree's row of `country`, or, without
    // one, is typed by hand into the field under the note about the tree.
    void MakeManager(const std::string& name, const std::string& country, int countryId) {
        ASSERT_EQ(g_nCurrentScreen, 97);
        TypeInto(21474, name);
        ASSERT_EQ(Options()->FindEdit(21474)->GetText(), name) << "typed";
        CXStatic* note = Options()->FindLabel(314, 163);
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(note->IsVisible()) << "the note shows over the empty field";
        if (!country.empty()) {
            ClickTreeRow(country);
        } else {
            ClickPage(330, 170);
            ASSERT_EQ(Ui::Get().GetFocus(), Options()->FindEdit(kNationalityEdit)) << "a press on the note reaches the field";
            EXPECT_FALSE(note->IsVisible()) << "the note makes way for the typing";
            backend->Type(GetWorldData()->GetCountry(countryId)->GetNationalityName(), 10);
            Run(100);
        }
        if (HasFatalFailure()) return;
        EXPECT_FALSE(note->IsVisible()) << "the nationality can be read";
        ASSERT_EQ(Options()->FindEdit(21474)->GetText(), name) << "the name was typed";
        ASSERT_EQ(Options()->FindEdit(kNationalityEdit)->GetText(), std::string(GetWorldData()->GetCountry(countryId)->GetNationalityName()))
            << "the nationality word, from the tree or typed";
        Shot("setup-manager-" + std::to_string(clubs.size() + 1));
        const auto [club, displaced] = ClubOf(countryId);
        ASSERT_FALSE(club.empty());
        ClickButton(21505);
        ASSERT_EQ(g_nCurrentScreen, 90) << name;
        const std::vector<uint32_t> noClubShown = ShownPixels(*Options()->FindLabel(30, 61));
        ClickTreeRow(club);
        Run(300);
        ASSERT_TRUE(Options()->FindButton(10192)->IsEnabled()) << "the club can be taken";
        CXStatic* clubName = Options()->FindLabel(30, 61);
        ASSERT_NE(clubName, nullptr);
        EXPECT_EQ(clubName->GetText(), club);
        EXPECT_TRUE(ShownPixels(*clubName) != noClubShown) << "the club's name is on the screen";
        if (clubs.empty()) Shot("setup-club");
        ClickButton(10192);
        ASSERT_EQ(g_nCurrentScreen, 61) << name;
        clubs.push_back(club);
        displacedManagers.push_back(displaced);
    }
    std::vector<EndToEndManager> Managers() {
        std::vector<EndToEndManager> out;
        CWorldData* w = GetWorldData();
        for (int slot = 0; slot < 8; ++slot) {
            CHumanManager* u = w->GetUserList().GetAt(slot);
            if (!u || !u->HasManager()) continue;
            CManager* m = u->GetManager();
            out.push_back({m->GetName(), m->Person().GetNationalityText(), u->GetClub() ? u->GetClub()->GetName() : "",
                           m->Person().GetAge(), m->Person().GetContractYears(), m->Person().Face().m_Word1});
        }
        return out;
    }

    static constexpr uint32_t kNationalityEdit = 21476;
    std::filesystem::path saves, dialogFolder;
    std::function<void()> modalAnswer;
    std::optional<std::pair<std::string, bool>> fileAnswer;
    std::vector<std::pair<std::string, int>> boxAnswers;
    std::vector<std::string> boxesSeen;
    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    CScreenManager* manager = nullptr;
    std::vector<std::string> clubs;
    std::vector<int> displacedManagers;
};

TEST_F(EndToEndTest, ANewGameIsSavedLoadedAndSavedAgainToTheSameBytes) {
    StartProgram();
    // 1. New Game; "None" on both maps, then England and Scotland; OK.
    ClickPage(600, 60);
    ASSERT_EQ(g_nCurrentScreen, 79);
    ClickPage(17 + 30, 518 + 12);
    ClickPage(450, 100);
    ClickPage(17 + 30, 518 + 12);
    ClickPage(100, 100);
    for (int id : {55, 150})
        for (const SelectableCountry& c : GetSelectableCountries())
            if (c.id == id) ClickPage(c.flagX + 9, c.flagY + 7);
    ASSERT_EQ(CTitleScreen::CountSelectedCountries(*GetWorldData()), 2);
    ClickPage(644 + 60, 50 + 16);
    Run(300);
    ASSERT_EQ(g_nCurrentScreen, 97) << "the stages ran";

    // 2. Name, nationality from the tree, a changed face; a club from the tree.
    const int eyes = g_SetupState.managerFaces[0].eyes;
    ClickButton(21495);
    EXPECT_EQ(g_SetupState.managerFaces[0].eyes, (eyes + 1) % 5) << "the eyes' next button";
    MakeManager("Kit Moran", "England", 55);
    // 3. A second manager at a Scottish club, with another face; OK opens
    // the start page.
    ClickButton(21511);
    ClickButton(10183);  // the next race
    MakeManager("Ros Vale", "", 150);
    ASSERT_EQ(Options()->GetList(0).GetRowCount(), 2);
    EXPECT_EQ(std::string(Options()->GetList(0).GetItemText(1, 0)), "Ros Vale");
    Shot("setup-managers");
    ClickButton(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    Shot("start-page");
    CWorldData* w = GetWorldData();
    for (int slot : {0, 1}) EXPECT_TRUE(w->GetUserList().GetAt(slot)->HasMessage(199)) << "welcome, slot " << slot;
    const std::vector<EndToEndManager> made = Managers();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0].face & 0xF0u, static_cast<uint32_t>((eyes + 1) % 5) << 4) << "the changed face was kept";
    std::vector<uint8_t> selection(w->GetCountrySelection(), w->GetCountrySelection() + 255);

    // 4. Save to A; load A (not saving first); save to B.
    SaveGameAs("endtoenda");
    const std::filesystem::path a = dialogFolder / "endtoenda.qzs";
    OpenGameOptions();
    boxAnswers.emplace_back(platform::LoadString(828), IDNO);
    PlanFileDialog("endtoenda.qzs", false);
    ClickButton(29002);
    Run(500);
    ASSERT_EQ(g_nCurrentScreen, 96) << "the loaded game opens on the start page";
    EXPECT_TRUE(boxAnswers.empty()) << "the load asked whether to save first";
    SaveGameAs("endtoendb");
    const std::filesystem::path b = dialogFolder / "endtoendb.qzs";

    // 5. The same bytes and the same game.
    EXPECT_EQ(EndToEndBytes(a), EndToEndBytes(b));
    w = GetWorldData();
    EXPECT_EQ(w->GetMatchTime().GetDayOfWeek(), 3) << "Tuesday";
    EXPECT_EQ(w->GetSeason(), 0);
    EXPECT_EQ(w->GetWeek(), 0);
    EXPECT_EQ(w->GetMatchDay(), 1);
    EXPECT_EQ(std::vector<uint8_t>(w->GetCountrySelection(), w->GetCountrySelection() + 255), selection);
    EXPECT_EQ(Managers(), made);
    EXPECT_EQ(made[0].contract, 4);
    EXPECT_EQ(made[1].club, clubs[1]);
    for (int id : displacedManagers) {
        const CManager* m = w->GetManagerList().GetAt(id);
        ASSERT_NE(m, nullptr);
        EXPECT_FALSE(m->IsEmployed()) << m->GetName() << " left his club for the human";
    }
    for (size_t slot = 0; slot < made.size(); ++slot)
        EXPECT_EQ(w->GetUserList().GetAt(int(slot))->GetContacts().GetSize(), 12)
            << "the club's chairman, directors and secretaries for the hubs";
    EXPECT_EQ(w->GetCurrentUserIndex(), 0);
    EXPECT_EQ(g_bGameLoaded, 1);

    // 6. A second run of the program loads A from the title page and saves C.
    StopProgram();
    ResetGameFlags();
    StartProgram();
    PlanFileDialog("endtoenda.qzs", false);
    ClickPage(600, 130);  // Load Game
    Run(1500);
    ASSERT_EQ(g_nCurrentScreen, 96);
    EXPECT_EQ(Managers(), made);
    SaveGameAs("endtoendc");
    EXPECT_EQ(EndToEndBytes(dialogFolder / "endtoendc.qzs"), EndToEndBytes(a));

    // 7. Half a week on: the processing page shows the user's club's week.
    CTitleScreen::GetWeekSummary().valid = false;
    w = GetWorldData();
    const int day = w->GetMatchTime().GetDays();
    Main().Send(WM_COMMAND, 19423, 0);
    Run(300);
    w = GetWorldData();
    EXPECT_GT(w->GetMatchTime().GetDays(), day);
    EXPECT_TRUE(CTitleScreen::GetWeekSummary().valid);
    EXPECT_EQ(CTitleScreen::GetWeekSummary().clubName, clubs.empty() ? "" : made[0].club);

    // The rest of the pictures: Manager Selection, the options hub plain and
    // with an emblem lit, and the processing page's three layouts.
    Main().Send(WM_COMMAND, 19426, 0);
    Run(100);
    ASSERT_EQ(g_nCurrentScreen, 111);
    Shot("manager-selection");
    g_nScreenId = 98;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, false, false);
    Run(100);
    ASSERT_EQ(g_nCurrentScreen, 98);
    Shot("options-hub");
    backend->MoveTo(InMain(*manager->GetCurrentPage(), {148, 105}));
    Run(900);
    Shot("options-hub-hovered");
    struct ProgressShot {
        const char* name;
        uint8_t saving, weekSummary;
    };
    for (const ProgressShot& p : {ProgressShot{"progress-save", 1, 0}, ProgressShot{"progress-load", 0, 0},
                                  ProgressShot{"progress-week-summary", 0, 1}}) {
        g_SetupState.saving = p.saving;
        // The texts and counts the world's save, load and day step pass.
        const std::string text = p.weekSummary ? "Saturday" : platform::LoadString(p.saving ? 938 : 939);
        ProgressPage* page = manager->ShowProgressScreen(p.weekSummary ? 9 : 13, text, p.weekSummary);
        ASSERT_NE(page, nullptr);
        page->SetProgress(3, 0);
        Shot(p.name);
        g_SetupState.saving = 0;
    }
}

}  // namespace
