#pragma once
// The whole program headless over a new game of one country in which the
// first club of the top division has a human manager in user slot 0. Pages
// are opened as the game opens them; every modal loop (menus, boxes) is
// answered by one self-rearming answerer that records what it saw.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "screens/pages.h"
#include "shell/screenglobals.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"
#include "support/scripted_match_driver.h"
#include "ui/xmenu.h"

namespace testsupport {

// The sub-menu of resource 131 whose commands a shown menu held; -1 for
// none of them.
inline int MenuGroupHolding(const std::vector<uint32_t>& ids) {
    for (int g = 0; g < static_cast<int>(MenuResource131().size()); ++g) {
        const MenuResourceSub* sub = GetSubMenu(g);
        if (!sub || sub->items.size() != ids.size()) continue;
        bool same = true;
        for (size_t i = 0; i < ids.size() && same; ++i) same = sub->items[i].id == ids[i];
        if (same) return g;
    }
    return -1;
}

class HumanGameApp : public HeadlessAppTest {
protected:
    static constexpr uint8_t kHumanGameCountry = 150;

    void SetUp() override {
        game = std::make_unique<GameDriver>(std::vector<uint8_t>{kHumanGameCountry});
        club = game->HumanManagesTopClub(kHumanGameCountry);
        ASSERT_NE(club, nullptr);
        RegisterGamePages();
        StartApp();
        // The program puts in its match-day screen; the scripted one stands
        // in for it here.
        scope = std::make_unique<ScopedMatchDriver>(&driver);
        AnswerModals();
        Command(19410);
    }
    void TearDown() override {
        StopApp();
        scope.reset();
        game.reset();
    }
    CWorldData& World() { return game->World(); }
    CHumanManager& User() { return *World().GetUser(0); }

    // Opens page `screen` of the class as the section buttons do.
    template <class T>
    T* Open(PageClass kind, int screen) {
        g_nScreenId = screen;
        manager->SetScreen(MakePage(kind), true, true, false, true, false);
        Drain();
        return dynamic_cast<T*>(manager->GetCurrentPage());
    }
    platform::win::Window& Main() { return *app->GetMainFrame(); }
    // A point of the current page in the main frame's client.
    platform::win::Point ToMain(platform::win::Point p) {
        return Main().ScreenToClient(manager->GetCurrentPage()->ClientToScreen(p));
    }
    void Run(uint64_t ms) { RunVirtualTime(*backend, Main(), ms); }

    // Every modal loop is answered with `answerKey` (Escape dismisses menus
    // and says No); a menu's commands are recorded first.
    void AnswerModals() {
        if (answer) return;
        answer = [this] {
            ++modals;
            if (const CXMenu* m = CXMenu::Tracking()) {
                std::vector<uint32_t> ids;
                for (int i = 0; i < m->GetItemCount(); ++i) ids.push_back(m->GetItemId(i));
                menus.push_back(std::move(ids));
            }
            backend->Key(answerKey, 10);
            backend->OnModalShown(answer);
        };
        backend->OnModalShown(answer);
        backend->SetEndWhenScriptDone(false);
    }
    static int MenuGroupOf(const std::vector<uint32_t>& ids) { return MenuGroupHolding(ids); }
    // Right-clicks a point of the page with the real mouse path, the left
    // button held when asked; the group of the menu shown, or -1 for none.
    int RightClick(platform::win::Point p, bool leftHeld = false) {
        const size_t before = menus.size();
        const platform::win::Point at = ToMain(p);
        if (leftHeld) backend->Press(at, platform::win::MouseButton::Left, 20);
        backend->Click(at, platform::win::MouseButton::Right, 20);
        if (leftHeld) backend->Release(at, platform::win::MouseButton::Left, 20);
        Run(400);
        if (menus.size() == before) return -1;
        EXPECT_EQ(menus.size(), before + 1) << "one menu for one press";
        return MenuGroupOf(menus.back());
    }

    std::function<void()> answer;
    uint32_t answerKey = platform::win::VK_ESCAPE;
    int modals = 0;
    std::vector<std::vector<uint32_t>> menus;
    std::unique_ptr<GameDriver> game;
    ScriptedMatchDriver driver;
    std::unique_ptr<ScopedMatchDriver> scope;
    CClub* club = nullptr;
};

}  // namespace testsupport
