// The title pages in the running program: the intro on the virtual clock,
// skipped by a click, then the sound engine and the title menu; the menu's
// boxes and the credits' roll.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/sound/audio.h"
#include "platform/files.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "shell/helpcontext.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/titlescreen.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "platform/gfx/png.h"
#include "support/test_env.h"
#include "support/ui_loop.h"

using namespace platform::win;

namespace {

TEST(TitleMenuTest, ItemsFollowTheirBoxes) {
    struct Case {
        int x, y, item;
    };
    const Case cases[] = {{432, 28, 0},  {752, 91, 0},  {600, 95, -1}, {600, 100, 1}, {600, 163, 1},
                          {600, 172, 2}, {600, 235, 2}, {600, 236, -1}, {431, 50, -1}, {753, 50, -1}};
    for (const Case& c : cases) EXPECT_EQ(CTitleScreen::MenuItemAt(c.x, c.y), c.item) << c.x << "," << c.y;
}

TEST(TitleMenuTest, CreditLinesRiseFromFiveHundredToOneHundred) {
    EXPECT_EQ(CTitleScreen::CreditLineY(50, 49), -1);
    EXPECT_EQ(CTitleScreen::CreditLineY(50, 50), 500);
    EXPECT_EQ(CTitleScreen::CreditLineY(50, 449), 101);
    EXPECT_EQ(CTitleScreen::CreditLineY(50, 450), -1);
}

// The twenty interface samples, slot by slot, as every page plays them.
TEST(TitleMenuTest, TheInterfaceSamplesTakeTheirSlotsInOrder) {
    const char* const expected[20] = {"buttonpress",       "buttondispress",    "toolpress",       "tooldispress",
                                      "toolmouseover",     "editincreasepress", "editdecreasepress", "treeitemselect",
                                      "treeexpand",        "treecollapse",      "treescroll",      "listitemselect",
                                      "listcolumnselect",  "listscroll",        "rightmousebutton", "radiopress",
                                      "checkboxtrue",      "standover",         "standselect",     "pageturn"};
    for (int i = 0; i < 20; ++i) EXPECT_STREQ(kInterfaceSampleNames[i], expected[i]) << "slot " << i;
}

class TitlePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        RegisterGamePages();
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        testsupport::DrainMessages(*app->GetMainFrame());
        manager = app->GetView()->GetScreenManager();
    }
    void TearDown() override {
        app.reset();
        Ui::Get().Stop();
    }
    void Run(uint64_t ms) { testsupport::RunVirtualTime(*backend, *app->GetMainFrame(), ms); }
    CTitleScreen* Page() { return dynamic_cast<CTitleScreen*>(manager->GetCurrentPage()); }
    // Input goes in the main window's client coordinates.
    Point OnPage(int x, int y) { return app->GetMainFrame()->ScreenToClient(Page()->ClientToScreen(Point{x, y})); }

    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    CScreenManager* manager = nullptr;

    // Pictures for people to look at; never the check.
    void Save(const std::string& name) {
        const auto dir = testenv::BuildDir() / "title-shots";
        std::filesystem::create_directories(dir);
        Ui::Get().PresentNow();
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
};

TEST_F(TitlePagesTest, TheIntroPlaysThenTheSoundsLoadAndTheTitleMenuShows) {
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 115);
    Run(300);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetIntroState(), 1);
    EXPECT_TRUE(Page()->IsVideoPlaying());
    EXPECT_FALSE(IsSoundRunning()) << "the engine starts after the intro";
    Run(13000);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 91);
    EXPECT_EQ(g_nCurrentScreen, 91);
    EXPECT_EQ(Page()->GetBackgroundName(), "gfx\\backgrounds\\92.bmp");
    for (int i = 0; i < 20; ++i) {
        const SampleRecord* s = GetSample(i);
        EXPECT_TRUE(s && s->loaded) << "slot " << i;
    }
}

// The intro's own soundtrack sounds in the mixer whatever "Sfx" says, and
// without an audio device the intro plays silently to the title page.
TEST_F(TitlePagesTest, TheIntroSoundsWithSfxOnOrOffAndPlaysSilentlyWithoutADevice) {
    struct Case {
        platform::AudioBackend audio;
        uint8_t sfx;
    };
    const uint8_t sfxBefore = g_bSfx;
    for (Case c : {Case{platform::AudioBackend::Memory, 1}, Case{platform::AudioBackend::Memory, 0},
                   Case{platform::AudioBackend::None, 1}}) {
        SCOPED_TRACE(testing::Message() << "sfx " << int(c.sfx) << ", device " << (c.audio == platform::AudioBackend::Memory));
        TearDown();
        platform::CloseAudio();
        platform::SetAudioBackend(c.audio);
        SetUp();
        g_bSfx = c.sfx;  // the profile's value is read at start
        Run(3000);
        ASSERT_NE(Page(), nullptr);
        ASSERT_EQ(Page()->GetScreen(), 115);
        ASSERT_TRUE(Page()->IsVideoPlaying());
        const std::vector<int16_t> mixed = platform::PullAudio(11025);
        const bool heard = std::any_of(mixed.begin(), mixed.end(), [](int16_t v) { return v != 0; });
        EXPECT_EQ(heard, c.audio == platform::AudioBackend::Memory);
        Run(11000);
        ASSERT_NE(Page(), nullptr);
        EXPECT_EQ(Page()->GetScreen(), 91);
    }
    g_bSfx = sfxBefore;
    TearDown();
    platform::CloseAudio();
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    SetUp();
}

// A game folder of its own, the shipped one's files linked in, whose intro
// is replaced by `intro` (none when empty).
std::filesystem::path GameFolderWithIntro(const std::string& name, const std::string& intro) {
    namespace fs = std::filesystem;
    const fs::path game = testenv::GameDir(), own = testenv::TestFolder() / name;
    fs::create_directories(own / "SND");
    for (const auto& e : fs::directory_iterator(game))
        if (e.path().filename() != "SND") fs::create_directory_symlink(e.path(), own / e.path().filename());
    for (const auto& e : fs::directory_iterator(game / "SND"))
        if (e.path().filename() != "intro.avi") {
            if (e.is_directory())
                fs::create_directory_symlink(e.path(), own / "SND" / e.path().filename());
            else
                fs::create_symlink(e.path(), own / "SND" / e.path().filename());
        }
    if (!intro.empty()) std::ofstream(own / "SND" / "intro.avi", std::ios::binary) << intro;
    return own;
}

// A damaged intro, or one that is no clip of ours, is skipped with a trace
// line: the engine starts and the title page shows. A missing one ends the
// program with the data-path resolver's message.
TEST_F(TitlePagesTest, ADamagedIntroIsSkippedAndAMissingOneEndsTheProgram) {
    std::string shipped;
    {
        std::ifstream in(testenv::GameDir() / "SND" / "intro.avi", std::ios::binary);
        shipped.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(shipped.size(), 400000u);
    std::string damaged = shipped.substr(0, 300000);
    for (size_t i = 200000; i < damaged.size(); i += 97) damaged[i] = static_cast<char>(damaged[i] ^ 0x5a);
    struct Case {
        const char* name;
        std::string intro;
    };
    const Case cases[] = {{"truncated", shipped.substr(0, 250000)},
                          {"damaged", damaged},
                          {"not-ours", "RIFF\x10\0\0\0WAVEfmt nothing of a clip"},
                          {"missing", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        const std::filesystem::path folder = GameFolderWithIntro(c.name, c.intro);
        platform::SetInstallFolder(folder);
        platform::SetDiscFolder(folder);
        platform::TraceCapture trace;
        SetUp();
        Run(3000);
        if (std::string(c.name) == "missing") {
            const auto& boxes = backend->Boxes();
            EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](const auto& b) {
                return b.text.find("ERROR! Cannot find file : ") == 0 && b.text.find("intro.avi") != std::string::npos;
            }));
            EXPECT_TRUE(Ui::Get().QuitRequested());
        } else {
            ASSERT_NE(Page(), nullptr);
            EXPECT_EQ(Page()->GetScreen(), 91) << "well before the clip's twelve seconds";
            EXPECT_TRUE(IsSoundRunning());
            if (std::string(c.name) == "not-ours") {
                EXPECT_TRUE(trace.Contains("cannot be played")) << "the trace line";
            }
        }
        platform::ResetFolders();
    }
    TearDown();
    SetUp();
}

TEST_F(TitlePagesTest, AClickSkipsTheIntroAndTheEngineStillStarts) {
    Run(500);
    ASSERT_TRUE(Page()->IsVideoPlaying());
    backend->Click(OnPage(300, 300));
    Run(600);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 91) << "skipped well before the clip's twelve seconds";
    const SampleRecord* s = GetSample(0);
    EXPECT_TRUE(s && s->loaded);
}

// Tick by tick after the video: the black picture first, then the sound
// engine and the samples, and only then the title page.
TEST_F(TitlePagesTest, AfterTheVideoTheBlankPictureThenTheSoundsThenTheTitle) {
    Run(500);
    CTitleScreen* page = Page();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->IsVideoPlaying());
    ASSERT_FALSE(IsSoundRunning());
    page->StopVideo();
    page->OnTimerTick(CTitleScreen::kPageTimer);
    ASSERT_EQ(page->GetIntroState(), 2);
    const platform::gfx::Surface* blank = page->GetPicture();
    ASSERT_NE(blank, nullptr);
    int lit = 0;
    for (int y = 0; y < blank->Height(); y += 5)
        for (int x = 0; x < blank->Width(); x += 5) lit += (blank->Get(x, y) & 0xFFFFFF) != 0;
    EXPECT_EQ(lit, 0) << "blank.bmp is black, like the clip's last frame";
    EXPECT_TRUE(backend->Boxes().empty()) << "the picture was found: " << backend->Boxes().front().text;
    EXPECT_FALSE(IsSoundRunning());
    page->OnTimerTick(CTitleScreen::kPageTimer);
    EXPECT_EQ(page->GetIntroState(), 3);
    EXPECT_TRUE(IsSoundRunning());
    for (int i = 0; i < 20; ++i) {
        const SampleRecord* s = GetSample(i);
        EXPECT_TRUE(s && s->loaded) << "slot " << i;
    }
    EXPECT_EQ(Page(), page) << "the title page comes at the next tick";
    page->OnTimerTick(CTitleScreen::kPageTimer);
    testsupport::DrainMessages(*app->GetMainFrame());
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 91);
}

TEST_F(TitlePagesTest, TheMenuRedrawsOnlyWhenTheHoveredItemChangesAndCreditsRollAndReturn) {
    backend->Click(OnPage(300, 300), MouseButton::Left, 400);
    Run(1200);
    ASSERT_EQ(Page()->GetScreen(), 91);
    const int before = Page()->GetDrawCount();
    backend->MoveTo(OnPage(600, 40));
    Run(100);
    EXPECT_EQ(Page()->GetHoveredItem(), 0);
    const int afterFirst = Page()->GetDrawCount();
    EXPECT_GT(afterFirst, before);
    backend->MoveTo(OnPage(610, 50));
    Run(100);
    EXPECT_EQ(Page()->GetDrawCount(), afterFirst) << "the same item: no redraw";
    // A click acts on the item of the last move.
    backend->MoveTo(OnPage(600, 200));
    Run(100);
    ASSERT_EQ(Page()->GetHoveredItem(), 2);
    Save("title-menu-credits-hovered");
    backend->Click(OnPage(600, 200));
    Run(1100);
    ASSERT_NE(Page(), nullptr);
    ASSERT_EQ(Page()->GetScreen(), 59);
    EXPECT_GT(Page()->GetCreditsCounter(), 20) << "two a tick of 55 ms";
    EXPECT_EQ(Page()->GetCreditsCounter() % 2, 0);
    Run(8000);
    Save("credits");
    const CTitleScreen* credits = Page();
    for (uint32_t key : {uint32_t{VK_RETURN}, uint32_t{VK_ESCAPE}, uint32_t{'C'}}) {
        backend->Key(key);
        Run(100);
        ASSERT_EQ(Page(), credits) << "keys change nothing: " << key;
    }
    backend->Click(OnPage(10, 10));
    Run(200);
    EXPECT_EQ(Page()->GetScreen(), 91);
}

// On the title page a click outside the three plates and any key change
// nothing; "Load Game" asks for a file in the save folder with the page's
// title and filter, a cancel leaves the page and a file opens the
// initialise page with the load pending; "New Game" opens the country page.
TEST_F(TitlePagesTest, TheTitleMenusClicksKeysAndItsLoadAndNewGameRoads) {
    backend->Click(OnPage(300, 300), MouseButton::Left, 400);
    Run(1200);
    ASSERT_EQ(Page()->GetScreen(), 91);
    const CTitleScreen* title = Page();
    for (Point at : {Point{300, 60}, Point{600, 95}, Point{760, 130}, Point{600, 300}}) {
        backend->MoveTo(OnPage(at.x, at.y));
        Run(60);
        backend->Click(OnPage(at.x, at.y));
        Run(200);
        ASSERT_EQ(Page(), title) << at.x << "," << at.y;
        EXPECT_EQ(Page()->GetScreen(), 91);
    }
    for (uint32_t key : {uint32_t{VK_RETURN}, uint32_t{VK_SPACE}, uint32_t{VK_ESCAPE}, uint32_t{'N'}}) {
        backend->Key(key);
        Run(100);
        ASSERT_EQ(Page(), title) << key;
    }

    const size_t dialogs = backend->FileDialogs().size();
    backend->QueueFilePath(std::nullopt);
    backend->MoveTo(OnPage(600, 130));
    Run(60);
    backend->Click(OnPage(600, 130));
    Run(300);
    ASSERT_EQ(backend->FileDialogs().size(), dialogs + 1);
    const FileDialogRequest& asked = backend->FileDialogs().back();
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.title, platform::LoadString(412));
    EXPECT_EQ(asked.filter, platform::LoadString(403));
    EXPECT_NE(asked.folder.find("save"), std::string::npos) << asked.folder;
    ASSERT_EQ(Page(), title) << "a cancel leaves the page as it was";
    EXPECT_EQ(g_SetupState.loadPending, 0);

    const std::string path = (testenv::TestFolder() / "chosen.qzs").string();
    { std::ofstream(path) << "not a game"; }
    backend->QueueFilePath(path);
    backend->Click(OnPage(600, 130));
    Run(30);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 112);
    EXPECT_EQ(g_SetupState.loadPending, 1);
    EXPECT_EQ(g_SetupState.loadPath, path);
    g_SetupState = SetupState{};
}

TEST_F(TitlePagesTest, NewGameOnTheTitleOpensTheCountryPage) {
    backend->Click(OnPage(300, 300), MouseButton::Left, 400);
    Run(1200);
    ASSERT_EQ(Page()->GetScreen(), 91);
    backend->MoveTo(OnPage(600, 60));
    Run(60);
    backend->Click(OnPage(600, 60));
    Run(300);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 79);
    EXPECT_EQ(g_nCurrentScreen, 79);
}

// Without a timer the page says so and the program ends with code 255.
TEST_F(TitlePagesTest, WithoutATimerThePageSaysSoAndTheProgramEndsWith255) {
    Ui::Get().SetTimersFail(true);
    g_nScreenId = 91;
    auto* page = new CTitleScreen();
    page->SetBackground("gfx\\backgrounds\\92.bmp");
    manager->SetScreen(page, true, false, true, false, false);
    Ui::Get().SetTimersFail(false);
    const auto& boxes = backend->Boxes();
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(),
                            [](const auto& b) { return b.text == platform::LoadString(44000); }));
    EXPECT_EQ(static_cast<uint8_t>(Ui::Get().ExitCode()), 255);
}

}  // namespace

namespace {

// F1 on the pages of a new game: context 1, and 113 on the initialise page.
TEST(NewGameHelpTest, ThePagesOfANewGameGiveTheirHelpContexts) {
    const HelpModes none{};
    for (int screen : {6, 59, 61, 79, 90, 91, 96, 97, 98, 111, 114, 115})
        EXPECT_EQ(HelpContextFor(screen, none), 1) << "screen " << screen;
    EXPECT_EQ(HelpContextFor(112, none), 113);
}

TEST(ProgressBarTest, FillsInEqualStepsAndStaysInsideItsFrame) {
    struct Case {
        int step, count, width;
    };
    const Case cases[] = {{0, 7, 0},   {1, 7, 62},  {3, 7, 188}, {6, 7, 377}, {9, 7, 377},
                          {0, 1, 0},   {1, 1, 377}, {4, 1, 377}, {1, 2, 377}, {-1, 7, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CTitleScreen::ProgressBarWidth(377, c.step, c.count), c.width) << c.step << "/" << c.count;
    // The initialise page's bar: empty after stage 0, 379 px after stage 6.
    EXPECT_EQ(CTitleScreen::ProgressBarWidth(379, 0, 7), 0);
    EXPECT_EQ(CTitleScreen::ProgressBarWidth(379, 6, 7), 379);
}

// Without a current user the processing page has the load-and-save
// picture and layout: in week-summary mode too, with no summary drawn.
TEST_F(TitlePagesTest, TheProcessingPagesLayoutsWithoutAManager) {
    struct Case {
        uint8_t weekSummary, saving;
        const char* picture;
        int x, y, full, height;
    };
    const Case cases[] = {{1, 0, "gfx\\backgrounds\\loadsave.bmp", 301, 392, 267, 31},
                          {0, 1, "gfx\\backgrounds\\loadsave.bmp", 301, 392, 267, 31},
                          {0, 0, "gfx\\backgrounds\\loadsave2.bmp", 48, 428, 377, 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "week summary " << int(c.weekSummary) << ", saving " << int(c.saving));
        g_SetupState.saving = c.saving;
        ProgressPage* bar = manager->ShowProgressScreen(9, "Saturday", c.weekSummary);
        ASSERT_NE(bar, nullptr);
        bar->SetProgress(4, 0);
        ASSERT_NE(Page(), nullptr);
        EXPECT_EQ(Page()->GetPicturePath(), c.picture);
        const CTitleScreen::BarLayout layout = Page()->GetBarLayout();
        EXPECT_EQ(layout.x, c.x);
        EXPECT_EQ(layout.y, c.y);
        EXPECT_EQ(layout.full, c.full);
        EXPECT_EQ(layout.height, c.height);
        // Where the summary's rows would stand the picture is bare.
        const platform::gfx::Surface* work = Page()->GetWork();
        const platform::gfx::Surface* picture = Page()->GetPicture();
        ASSERT_TRUE(work && picture);
        int written = 0;
        for (int y = 60; y < 300; y += 2)
            for (int x = 36; x < 560; x += 2) written += work->Get(x, y) != picture->Get(x, y);
        EXPECT_EQ(written, 0);
        g_SetupState.saving = 0;
    }
}

// The credits' counter rises by two a tick up to 1500 and starts again at 0.
TEST_F(TitlePagesTest, TheCreditsCounterWrapsFrom1500ToNought) {
    g_nScreenId = 59;
    auto* page = new CTitleScreen();
    page->SetBackground("gfx\\backgrounds\\61.bmp");
    manager->SetScreen(page, true, false, true, false, false);
    testsupport::DrainMessages(*app->GetMainFrame());
    ASSERT_EQ(Page(), page);
    int previous = page->GetCreditsCounter(), highest = previous;
    bool wrapped = false;
    // The lines rise out from under "Click to continue" (from y 446 down
    // the page shows no line), and are read above it.
    const uint32_t lineColours[] = {platform::gfx::MakePixel(0, 64, 192), platform::gfx::MakePixel(0, 128, 255)};
    int linePixelsAbove = 0;
    for (int tick = 0; tick < 900 && !wrapped; ++tick) {
        Run(55);
        if (tick % 10 == 0) {
            const platform::gfx::Surface* work = page->GetWork();
            ASSERT_NE(work, nullptr);
            for (int y = 90; y < 510; ++y)
                for (int x = 100; x < 700; ++x) {
                    const uint32_t p = work->Get(x, y);
                    if (p != lineColours[0] && p != lineColours[1]) continue;
                    ASSERT_LT(y, 446) << "a credit line under the footer at counter " << page->GetCreditsCounter();
                    ++linePixelsAbove;
                }
        }
        const int now = page->GetCreditsCounter();
        if (now < previous) {
            wrapped = true;
            EXPECT_EQ(previous, 1500);
            EXPECT_LE(now, 2);
        } else {
            EXPECT_LE(now - previous, 4) << "two a tick";
        }
        highest = std::max(highest, now);
        previous = now;
    }
    EXPECT_TRUE(wrapped);
    EXPECT_EQ(highest, 1500);
    EXPECT_GT(linePixelsAbove, 1000) << "the lines show above the footer";
}

TEST_F(TitlePagesTest, TheProcessingPageRedrawsOnlyForANewStepAndFillsItsBar) {
    g_nScreenId = 114;
    auto* page = new CTitleScreen(7, std::string("Loading Game"), 0);
    manager->SetScreen(page, true, false, true, false, false);
    testsupport::DrainMessages(*app->GetMainFrame());
    ASSERT_EQ(Page(), page);
    const CTitleScreen::BarLayout bar = page->GetBarLayout();
    EXPECT_EQ(bar.x, 48) << "the load and reset layout";
    EXPECT_EQ(bar.y, 428);
    const int draws = page->GetDrawCount();
    page->SetProgress(0, 0);
    EXPECT_EQ(page->GetDrawCount(), draws) << "the same step";
    page->SetProgress(3, 0);
    EXPECT_EQ(page->GetDrawCount(), draws + 1);
    const auto* work = page->GetWork();
    ASSERT_NE(work, nullptr);
    const uint32_t gold = platform::gfx::MakePixel(254, 209, 69);
    EXPECT_EQ(work->Get(bar.x + 1, bar.y + 5), gold);
    EXPECT_EQ(work->Get(bar.x + 188, bar.y + 5), gold);
    EXPECT_NE(work->Get(bar.x + 190, bar.y + 5), gold) << "half of six sixths";
    // The window shows the new step at once, before any return to the loop.
    const Point shown = OnPage(bar.x + 100, bar.y + 5);
    EXPECT_EQ(backend->LastFrame().Get(shown.x, shown.y), gold) << "presented by SetProgress itself";
    page->StepProgress();
    page->StepProgress();
    page->StepProgress();
    EXPECT_EQ(page->GetProgressStep(), 6);
    // Each redraw makes a new work surface.
    work = page->GetWork();
    ASSERT_NE(work, nullptr);
    EXPECT_EQ(work->Get(bar.x + 377, bar.y + 5), gold);
    EXPECT_EQ(work->Get(bar.x + 378, bar.y + 5), 0u) << "the frame";
    // Saving takes the save layout.
    g_SetupState.saving = 1;
    EXPECT_EQ(page->GetBarLayout().x, 301);
    g_SetupState.saving = 0;
}

}  // namespace
