#pragma once
// A headless program window over the small people world, with the game's
// pages registered and one human manager at the world's first club in user
// slot 0. The section fixtures add their own openers on top.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/archive.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/clubs_world.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/scriptedport.h"
#include "support/test_env.h"
#include "support/ui_loop.h"

namespace pagesfixture {

class PeoplePages : public clubtest::PeopleWorld {
protected:
    void SetUp() override {
        PeopleWorld::SetUp();
        PrepareWorld();
        SetUserPort(&port);
        auto b = std::make_unique<platform::win::HeadlessBackend>(platform::win::Size{1024, 768});
        backend = b.get();
        platform::win::Ui::Get().Start(std::move(b));
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_TRUE(main.Create(nullptr, platform::win::Rect{0, 0, 800, 600}, platform::win::WS_VISIBLE));
        platform::win::Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(manager.Create(&main, platform::win::Rect::XYWH(2, 2, CScreen::kWidth, CScreen::kHeight)));
        RegisterGamePages();
        // The tree selection of an earlier test names a world that is gone.
        g_nTreeSelectionData = 0;
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionLevel = 0;
        MakeUser(Club(), 0);
        world.SetCurrentUser(0);
    }
    void TearDown() override {
        manager.Destroy();
        main.Destroy();
        platform::win::Ui::Get().Stop();
        FreeArchiveIndexes();
        SetUserPort(nullptr);
        PeopleWorld::TearDown();
    }
    // Changes to the world before the program comes up.
    virtual void PrepareWorld() {}

    CHumanManager& User() { return *world.GetUserList().GetAt(0); }
    void Drain() { testsupport::DrainMessages(main); }
    // Pictures for people to look at; never the check.
    void Save(const std::string& name) {
        platform::win::Ui::Get().PresentNow();
        auto dir = testenv::BuildDir() / "page-shots";
        std::filesystem::create_directories(dir);
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
    // Clicks a point of the page with the real mouse path.
    void Click(int x, int y, bool dbl = false) {
        using namespace platform::win;
        const Point p = main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(Point{x, y}));
        backend->Click(p, MouseButton::Left, 20);
        if (dbl) backend->Click(p, MouseButton::Left, 60);
        testsupport::RunVirtualTime(*backend, main, 300);
    }

    ScriptedUserPort port;
    platform::win::HeadlessBackend* backend = nullptr;
    platform::win::Window main;
    CScreenManager manager;
};

}  // namespace pagesfixture
