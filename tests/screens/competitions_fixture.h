#pragma once
// The whole program headless over a real game of one country, with a human
// manager at the top club, for the competition pages: tables, statistics,
// fixtures and discipline. Pages open as their buttons open them; tree
// selections arrive as the navigator sends them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/png.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/screen.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"
#include "support/scripted_match_driver.h"
#include "support/test_env.h"
#include "ui/tree.h"
#include "ui/usermessagebox.h"

namespace competitionstest {

inline constexpr uint8_t kCompetitionsScotland = 150;

class CompetitionPages : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kCompetitionsScotland});
        club = game->HumanManagesTopClub(kCompetitionsScotland);
        ASSERT_NE(club, nullptr);
        top = game->World().GetCountry(kCompetitionsScotland)->GetDivision(0);
        // The contacts a manager gains on joining a club: bank manager,
        // doctor, fan, job agency and league secretary among them.
        for (uint8_t kind : {5, 6, 8, 11, 14})
            game->World().GetUser(0)->GetContacts().Add(
                std::make_unique<CEmployee>(kind, *club->GetCountry(), *club->GetPopularity()));
        RegisterGamePages();
        StartApp();
        AnswerEveryBox();
        Command(19410);
    }
    void TearDown() override {
        StopApp();
        scope.reset();
        game.reset();
    }
    CWorldData& W() { return game->World(); }
    CCountry& Scotland() { return *W().GetCountry(kCompetitionsScotland); }
    // Opens `screen` of the class as the section buttons do.
    template <typename Page>
    Page* Open(PageClass kind, int screen) {
        g_nScreenId = screen;
        manager->SetScreen(MakePage(kind), true, true, false, true, false);
        Drain();
        return dynamic_cast<Page*>(manager->GetCurrentPage());
    }
    // Every box is answered with its first button (Return), or with the
    // key given; a box with a button numbered `boxButton` gets a click on
    // that button instead.
    void AnswerEveryBox(uint32_t key = platform::win::VK_RETURN) {
        boxKey = key;
        if (answerBox) return;
        answerBox = [this] {
            ++boxes;
            auto* box = dynamic_cast<CUserMessageBoxDlg*>(platform::win::Ui::Get().GetActiveWindow());
            if (box) boxTexts.push_back(box->ShownText());
            if (box && boxButton >= 0 && static_cast<size_t>(boxButton) < box->GetButtonRects().size()) {
                const platform::win::Rect b = box->GetButtonRects()[static_cast<size_t>(boxButton)];
                const platform::win::Point p = app->GetMainFrame()->ScreenToClient(
                    box->ClientToScreen(platform::win::Point{b.left + 10, b.top + 10}));
                backend->Click(p, platform::win::MouseButton::Left, 10);
            } else {
                backend->Key(boxKey, 10);
            }
            backend->OnModalShown(answerBox);
        };
        backend->OnModalShown(answerBox);
        backend->SetEndWhenScriptDone(false);
    }
    // A command of the page on display, as its buttons send it.
    void PageCommand(uint32_t id) {
        manager->GetCurrentPage()->Send(platform::win::WM_COMMAND, id, 0);
        Drain();
    }
    // A picture of the window for people to look at (scripts/
    // screenshots.sh copies it); never the check.
    bool SaveShot(const std::string& name) {
        Drain();
        platform::win::Ui::Get().PresentNow();
        const auto dir = testenv::BuildDir() / "page-shots";
        std::filesystem::create_directories(dir);
        return platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
    // Day steps under the scripted match screen.
    void RunDays(int n) { game->RunDays(n); }

    std::function<void()> answerBox;
    uint32_t boxKey = platform::win::VK_RETURN;
    int boxButton = -1;
    std::vector<std::string> boxTexts;  // the game's boxes, in the order shown
    int boxes = 0;
    std::unique_ptr<testsupport::GameDriver> game;
    testsupport::ScriptedMatchDriver driver;
    std::unique_ptr<testsupport::ScopedMatchDriver> scope =
        std::make_unique<testsupport::ScopedMatchDriver>(&driver);
    CDivision* top = nullptr;
    CClub* club = nullptr;
};

}  // namespace competitionstest
