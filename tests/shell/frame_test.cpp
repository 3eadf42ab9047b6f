#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/files.h"
#include "platform/gfx/colour.h"
#include "platform/profile.h"
#include "platform/window/headless.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"
#include "shell/aboutbox.h"
#include "shell/archive_bitmap.h"
#include "shell/screen.h"
#include "shell/brixholmapp.h"
#include "shell/helpcontext.h"
#include "shell/helpwindow.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/timer.h"
#include "shell/view.h"
#include "ui/usermessagebox.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

using namespace platform::win;

namespace {

class ShellTest : public ::testing::Test {
protected:
    void Start(Size desktop = {1024, 768}) {
        auto b = std::make_unique<HeadlessBackend>(desktop);
        backend = b.get();
        Ui::Get().Start(std::move(b));
    }
    bool Open(std::vector<std::string> args = {}) {
        Start();
        app = std::make_unique<CBrixholmApp>();
        return app->InitInstance(args);
    }
    void TearDown() override {
        app.reset();
        Ui::Get().Stop();
        platform::ResetFolders();
    }
    void Drain() {
        Message m;
        while (Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
        app->GetMainFrame()->UpdateNow();
    }
    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
};

TEST_F(ShellTest, DisplayCheckBounds) {
    struct Case {
        Size desktop;
        bool passes;
    };
    for (const Case& c : {Case{{799, 599}, true}, Case{{800, 600}, true}, Case{{798, 599}, false},
                          Case{{799, 598}, false}}) {
        SCOPED_TRACE(std::to_string(c.desktop.cx) + "x" + std::to_string(c.desktop.cy));
        Start(c.desktop);
        CBrixholmApp a;
        EXPECT_EQ(a.InitInstance({}), c.passes);
        if (!c.passes) {
            ASSERT_EQ(backend->Boxes().size(), 1u);
            EXPECT_EQ(backend->Boxes()[0].text, kDisplayTooSmallText);
        } else {
            EXPECT_TRUE(backend->Boxes().empty());
        }
        Ui::Get().Stop();
    }
}

TEST_F(ShellTest, DiscFolderSwitch) {
    struct Case {
        std::vector<std::string> args;
        bool found;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {{"-cdrom:/media/cd"}, true, "/media/cd"},
        {{"--headless", "-cdrom:D:\\"}, true, "D:\\"},
        {{"--headless"}, false, ""},   // our own switches never become a folder
        {{"-cdrom:"}, false, ""},      // an empty value leaves the settings' folder
        {{"x-cdrom:/a"}, false, ""},   // only an argument that starts with it
    };
    for (const auto& c : cases) {
        std::string folder;
        EXPECT_EQ(CBrixholmApp::DiscFolderFromArguments(c.args, folder), c.found);
        EXPECT_EQ(folder, c.folder);
    }
}

TEST_F(ShellTest, InstallSettingsReplaceTheProfileFolders) {
    platform::WriteProfileString("Install", "SourceDir", "/a/very/long/disc/folder/from/the/profile");
    platform::WriteProfileString("Install", "InstallDir", "/a/very/long/install/folder/from/the/profile");
    CBrixholmApp::ReadInstallSettings();
    EXPECT_EQ(g_strSourceDir, "/a/very/long/disc/folder/from/the/profile");
    EXPECT_EQ(NumberOfShirts, 50);
    EXPECT_EQ(NumberOfShorts, 34);
    EXPECT_EQ(NumberOfSleeves, 30);

    platform::WriteInstallSetting("SrcDataPath", "/cd");
    platform::WriteInstallSetting("Directory", "/g");
    platform::WriteProfileInt("Install", "NumberOfShirts", 12);
    CBrixholmApp::ReadInstallSettings();
    EXPECT_EQ(g_strSourceDir, "/cd");
    EXPECT_EQ(g_strInstallDir, "/g");
    EXPECT_EQ(NumberOfShirts, 12);
}

TEST_F(ShellTest, ASettingsFileLackingAKeyLeavesThatFolder) {
    platform::WriteProfileString("Install", "SourceDir", "/profile/disc");
    platform::WriteProfileString("Install", "InstallDir", "/profile/install");
    platform::WriteInstallSetting("Directory", "/settings/install");
    CBrixholmApp::ReadInstallSettings();
    EXPECT_EQ(g_strSourceDir, "/profile/disc");
    EXPECT_EQ(g_strInstallDir, "/settings/install");
}

TEST_F(ShellTest, TheViewHoldsTheInstanceLockUntilItGoes) {
    // A runtime folder of this test's own, so no other run holds the lock.
    setenv("XDG_RUNTIME_DIR", testenv::TestFolder().c_str(), 1);
    ASSERT_TRUE(Open());
    ASSERT_NE(g_pInstanceLock, nullptr);
    platform::win::InstanceLock second("QZR2000EXE");
    EXPECT_FALSE(second.HeldAlone());  // a second copy is not refused, only marked
    app.reset();
    EXPECT_EQ(g_pInstanceLock, nullptr);
    platform::win::InstanceLock third("QZR2000EXE");
    EXPECT_TRUE(third.HeldAlone());
}

TEST_F(ShellTest, TheWorldComesFromTheFactoryAndItsFailureEndsTheStart) {
    CBrixholmApp::SetWorldFactory([] { return std::unique_ptr<CWorldData>(); });
    EXPECT_FALSE(Open());
    app.reset();
    Ui::Get().Stop();
    CBrixholmApp::SetWorldFactory([] { return std::make_unique<CWorldData>(CWorldData::Empty{}); });
    ASSERT_TRUE(Open());
    EXPECT_NE(app->GetWorld(), nullptr);
    EXPECT_EQ(GetWorldData(), app->GetWorld());
    CBrixholmApp::SetWorldFactory(nullptr);
    app.reset();
    EXPECT_EQ(GetWorldData(), nullptr);
}

TEST_F(ShellTest, FrameGeometryAndLimits) {
    ASSERT_TRUE(Open());
    CMainFrame* f = app->GetMainFrame();
    Rect r = f->WindowRect();
    EXPECT_EQ(r.Width(), 800);
    EXPECT_EQ(r.Height(), 600);
    // Centred on the full-screen client area of a 1024x768 desktop.
    EXPECT_EQ(r.left, (1024 - 800) / 2);
    EXPECT_EQ(r.top, (768 - 19 + 19 - 600) / 2);
    EXPECT_EQ(f->ClientRect(), (Rect{0, 0, 792, 573}));
    EXPECT_EQ(app->GetView()->WindowRect(), (Rect{0, 0, 792, 554}));
    EXPECT_EQ(app->GetView()->ClientRect(), (Rect{0, 0, 788, 550}));
    EXPECT_EQ(f->GetStatusBar().WindowRect(), (Rect{0, 554, 792, 573}));
    // Full-page mode: no wider than 800, never taller.
    EXPECT_EQ(backend->MinClient(), (Size{792, 573}));
    EXPECT_EQ(backend->MaxClient(), (Size{792, 573}));
    Ui::Get().ResizeMainClient({1200, 900});
    EXPECT_EQ(f->WindowRect().Width(), 800);
    EXPECT_EQ(f->WindowRect().Height(), 600);
    app->GetView()->SetFullPage(0);
    EXPECT_EQ(backend->MaxClient(), (Size{1592, 573}));
    Ui::Get().ResizeMainClient({1200, 900});
    EXPECT_EQ(f->WindowRect().Width(), 1208);
    EXPECT_EQ(f->WindowRect().Height(), 600);
    Ui::Get().ResizeMainClient({2000, 100});
    EXPECT_EQ(f->WindowRect(), Rect::XYWH(r.left, r.top, 1600, 600));
    f->ResizeTo800x600();
    EXPECT_EQ(f->WindowRect(), Rect::XYWH(r.left, r.top, 800, 600));
    EXPECT_EQ(backend->Title(), "Vantorel 2000");
    EXPECT_EQ(backend->Icon().width, 32);
    EXPECT_EQ(backend->Icon().argb[0] >> 24, 0u);  // the key colour is transparent
}

TEST_F(ShellTest, ViewShowsTheTitlePageAndTheDividersOutsideFullPage) {
    ASSERT_TRUE(Open());
    Drain();
    Drain();  // the page made by the view's first paint paints in the next round
    const auto& shot = backend->LastFrame();
    ASSERT_NE(app->GetView()->GetPage(), nullptr);
    EXPECT_EQ(g_nScreenId, 115);
    auto title = LoadArchivedSurface("gfx\\backgrounds\\titlescreen.bmp");
    ASSERT_TRUE(title.has_value());
    // The view's client starts 2 px in (the sunken edge); the page covers it.
    for (platform::gfx::Point p : {platform::gfx::Point{600, 300}, {10, 77}, {400, 20}, {787, 549}})
        EXPECT_EQ(shot.Get(2 + p.x, 2 + p.y), title->Get(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_TRUE(app->GetView()->SetupDone());
    // Without the page, the view's own drawing shows.
    app->GetView()->GetPage()->Window::Show(false);
    app->GetView()->SetFullPage(0);
    Drain();
    const auto& after = backend->LastFrame();
    using platform::gfx::MakePixel;
    // Vertical divider at x 599..604 from y 81; horizontal one at y 75..80.
    EXPECT_EQ(after.Get(2 + 600, 2 + 300), MakePixel(255, 255, 255));
    EXPECT_EQ(after.Get(2 + 601, 2 + 300), MakePixel(192, 192, 192));
    EXPECT_EQ(after.Get(2 + 603, 2 + 300), MakePixel(128, 128, 128));
    EXPECT_EQ(after.Get(2 + 10, 2 + 76), MakePixel(255, 255, 255));
    EXPECT_EQ(after.Get(2 + 10, 2 + 77), MakePixel(192, 192, 192));
    EXPECT_EQ(after.Get(2 + 10, 2 + 79), MakePixel(128, 128, 128));
    EXPECT_EQ(after.Get(2 + 300, 2 + 300), 0u);
}

TEST_F(ShellTest, StatusBarPanes) {
    ASSERT_TRUE(Open());
    CXStatusBar& bar = app->GetMainFrame()->GetStatusBar();
    ASSERT_EQ(bar.PaneCount(), 4u);
    EXPECT_EQ(bar.GetPane(0).style, SBPS_NOBORDERS | SBPS_STRETCH);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(bar.GetPane(i).id, 368u + i);
        EXPECT_NE(bar.GetPane(i).style & SBPS_DISABLED, 0u);
        EXPECT_EQ(bar.GetPaneText(i), "");
    }
    EXPECT_EQ(bar.CommandToIndex(500), -1);
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed(&world);
    app->GetMainFrame()->UpdateStatusBar();
    Drain();
    bar.UpdatePanes();
    EXPECT_EQ(app->GetMainFrame()->StatusBarEmpty(), 0);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(bar.GetPane(i).width, 100);
        EXPECT_EQ(bar.GetPane(i).style & SBPS_DISABLED, 0u);
    }
    EXPECT_EQ(bar.GetPaneText(1), world.GetCurrentManagerName());
    EXPECT_EQ(bar.GetPaneText(2), world.GetCurrentClubName());
    EXPECT_EQ(bar.GetPaneText(3), world.GetDateText());
    EXPECT_FALSE(bar.GetPaneText(3).empty());
    app->GetMainFrame()->ResetStatusBar();
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(bar.GetPaneText(i), "");
        EXPECT_NE(bar.GetPane(i).style & SBPS_DISABLED, 0u);
    }
}

TEST_F(ShellTest, HelpContextTable) {
    struct Case {
        int screen;
        HelpModes modes;
        int context;
    };
    auto m = [](int second, int kind, int a, int b, int title) { return HelpModes{second, kind, a, b, title}; };
    const std::vector<Case> cases = {
        {6, {}, 1}, {114, {}, 1}, {22, m(1, 0, 0, 0, 0), 232}, {22, m(0, 0, 0, 0, 0), 231},
        {60, m(0, 0, 0, 0, 0), 611}, {60, m(0, 3, 0, 0, 0), 612}, {60, m(0, 4, 0, 0, 0), 612},
        {60, m(0, 5, 0, 0, 0), 613}, {60, m(0, 1, 0, 0, 0), 613}, {60, m(0, 7, 0, 0, 0), 61},
        {62, {}, 62}, {64, m(0, 0, 0, 0, 0), 6511}, {64, m(0, 0, 0, 2, 0), 6513}, {64, m(0, 0, 2, 1, 0), 6522},
        {64, m(0, 0, 1, 0, 0), 65}, {64, m(0, 0, 0, 3, 0), 65}, {80, {}, 36}, {110, {}, 35},
        {115, m(0, 0, 0, 0, 1), 113}, {115, m(0, 0, 0, 0, 0), 1}, {23, {}, 24}, {0, {}, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpContextFor(c.screen, c.modes), c.context) << "screen " << c.screen;
}

TEST_F(ShellTest, F1AsksThePageForItsHelpContext) {
    ASSERT_TRUE(Open());
    g_nScreenId = 64;
    SetHelpModesQuery([](HelpModes& m) {
        m.matchStateA = 2;
        m.matchStateB = 0;
        return true;
    });
    size_t before = HelpRequests().size();
    std::string shownTitle;
    backend->OnModalShown([&] {
        if (auto* help = dynamic_cast<CHelpWindow*>(Ui::Get().GetActiveWindow())) shownTitle = help->Caption();
        backend->Key(VK_ESCAPE);
    });
    backend->Key(VK_F1);
    Ui::Get().Run();
    EXPECT_EQ(shownTitle, "The result");  // the result view's own topic
    SetHelpModesQuery(nullptr);
    g_nScreenId = 0;
    ASSERT_EQ(HelpRequests().size(), before + 1);
    EXPECT_EQ(HelpRequests().back(), 6521u);
}

TEST(HelpTopicsTest, ParsingAndFallback) {
    auto topics = ParseHelpTopics("# c\n@7 Squad\nFirst line\nsame paragraph\n\nSecond \xC2\xA3\n@x bad\nlost\n@8\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[7].title, "Squad");
    EXPECT_EQ(topics[7].text, "First line same paragraph\n\nSecond \xA3");
    EXPECT_EQ(topics[8].text, "");
    EXPECT_EQ(HelpTopicFor(1).title, "Vantorel 2000 Help");
    EXPECT_EQ(&HelpTopicFor(987654), &HelpTopicFor(1));
    EXPECT_FALSE(HelpTopicFor(1).text.empty());
}

TEST_F(ShellTest, QuitQuestionIsTheGamesBoxAndItsAnswerDecides) {
    // By the "Yes" or "No" button, or by Enter (Yes) and Escape (No).
    struct Case {
        const char* how;
        bool closes;
    };
    for (const Case& c : {Case{"No", false}, Case{"Yes", true}, Case{"Escape", false}, Case{"Enter", true}}) {
        SCOPED_TRACE(c.how);
        ASSERT_TRUE(Open());
        std::string seen;
        std::vector<std::string> labels;
        backend->OnModalShown([&] {
            auto* box = dynamic_cast<CYesNoUserMessageBoxDlg*>(Ui::Get().GetActiveWindow());
            if (!box) return;
            seen = box->ShownText();
            labels = box->GetButtonLabels();
            const std::string how = c.how;
            if (how == "Escape" || how == "Enter") {
                backend->Key(how == "Escape" ? VK_ESCAPE : VK_RETURN);
                return;
            }
            const Rect r = box->GetButtonRects()[how == "Yes" ? 0 : 1];
            Point p = box->ClientToScreen(Point{r.left + 20, r.top + 10});
            backend->Click(app->GetMainFrame()->ScreenToClient(p));
        });
        backend->Close(10);
        if (!c.closes) {
            backend->Pause(500);
            backend->SetEndWhenScriptDone(true);
        }
        int code = Ui::Get().Run();
        EXPECT_EQ(seen, "Are you sure you wish to quit this game?");
        EXPECT_EQ(labels, (std::vector<std::string>{"Yes", "No"}));
        EXPECT_TRUE(backend->Boxes().empty());  // not the system's box
        EXPECT_EQ(app->GetMainFrame()->IsAlive(), !c.closes);
        EXPECT_EQ(code, 0);
        app.reset();
        Ui::Get().Stop();
    }
}

TEST_F(ShellTest, CtrlF1ShowsTheAboutBoxAndOkClosesIt) {
    ASSERT_TRUE(Open());
    bool shown = false;
    int iconPixels = 0;
    backend->OnModalShown([&] {
        Window* about = Ui::Get().GetActiveWindow();
        shown = dynamic_cast<CAboutDlg*>(about) != nullptr;
        if (!shown) return;
        Ui::Get().GetActiveWindow()->UpdateNow();
        Point at = app->GetMainFrame()->ScreenToClient(about->ClientToScreen(CAboutDlg::kIconAt));
        int drawn = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) drawn += backend->LastFrame().Get(at.x + x, at.y + y) != 0xC0C0C0u;
        iconPixels = drawn;
        Point ok = about->ClientToScreen(Point{CAboutDlg::kSize.cx - 60, CAboutDlg::kSize.cy - 25});
        backend->Click(app->GetMainFrame()->ScreenToClient(ok));
    });
    backend->KeyDown(VK_CONTROL, 10);
    backend->Key(VK_F1, 10);
    backend->KeyUp(VK_CONTROL, 10);
    backend->Pause(100);
    Ui::Get().Run();
    EXPECT_TRUE(shown);
    EXPECT_GT(iconPixels, 100);  // the program's icon, drawn keyed
    EXPECT_LT(iconPixels, 32 * 32);
    EXPECT_TRUE(app->GetMainFrame()->IsAlive());
    EXPECT_TRUE(app->GetMainFrame()->IsEnabled());
    EXPECT_EQ(Ui::Get().ModalDepth(), 0);
}

TEST_F(ShellTest, TimerStepOnTheVirtualClock) {
    Start();
    CTimer t;
    EXPECT_EQ(t.Step(100, 50), 1);  // twice in one millisecond
    backend->AdvanceTime(20);
    EXPECT_EQ(t.Step(100, 50), 50);  // 100 units, 50 ms, 20 ms a frame
    backend->AdvanceTime(80);
    EXPECT_EQ(t.Step(100, 50), 100);  // a frame slower than the whole time
    EXPECT_EQ(t.Step(100, 50), 1);
}

}  // namespace
