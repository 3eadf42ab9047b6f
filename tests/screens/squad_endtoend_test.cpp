// From the pages to the pitch: in a new game with one human manager, the
// team is picked by dragging a name on Team Selection, "Custom 1" is chosen
// and edited in the tactics editor with its team instructions, the week's
// training is set by drops on the timetable, and the club's next league
// match kicks off with all of it; afterwards the club's squad order is back
// and the numbering unchanged.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/squadselectscreen.h"
#include "screens/tactscreen.h"
#include "screens/trainscreen.h"
#include "shell/archive.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/squadtraining.h"
#include "support/game_driver.h"
#include "support/scripted_match_driver.h"
#include "support/ui_loop.h"

namespace {

using namespace platform::win;

constexpr uint8_t kEndToEndCountry = 150;

class SquadEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kEndToEndCountry});
        CWorldData& w = World();
        const CDivision* top = w.GetCountry(kEndToEndCountry)->GetDivision(0);
        club = w.GetClub(top->GetFirstClub());
        ASSERT_TRUE(club->HasManager());
        w.GetManagerList().GetAt(club->GetManager())->m_IsHuman = 1;
        w.GetUser(0)->SetManagerIndex(club->GetManager());
        w.RestoreCurrentUser(0);
        CWorldData::SelectedUserSlot() = 0;
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(manager.Create(&main, Rect::XYWH(2, 2, CScreen::kWidth, CScreen::kHeight)));
        RegisterGamePages();
    }
    void TearDown() override {
        manager.Destroy();
        main.Destroy();
        Ui::Get().Stop();
        FreeArchiveIndexes();
        game.reset();
    }
    CWorldData& World() { return game->World(); }
    CHumanManager& User() { return *World().GetUser(0); }
    template <class T>
    T* Open(int screen) {
        g_nScreenId = screen;
        manager.SetScreen(new T(), true, true, false, true, false);
        testsupport::DrainMessages(main);
        return dynamic_cast<T*>(manager.GetCurrentPage());
    }
    Point ToMain(Point p) { return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p)); }
    void ClickAt(Point p) {
        backend->Click(ToMain(p), MouseButton::Left, 700);
        testsupport::RunVirtualTime(*backend, main, 800);
    }
    void Drag(Point from, Point to) {
        backend->Press(ToMain(from), MouseButton::Left, 700);
        backend->MoveTo(ToMain({(from.x + to.x) / 2, (from.y + to.y) / 2}), 30);
        backend->MoveTo(ToMain(to), 30);
        backend->Release(ToMain(to), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
    }
    int SlotNumbered(int number) {
        for (int s = 0; s < kSquadSlots; ++s)
            if (club->GetPlayerId(s) != kEmptySlot && User().GetSelection(s) == number) return s;
        return -1;
    }
    std::map<int, uint16_t> PlayersByNumber() {
        std::map<int, uint16_t> m;
        for (int s = 0; s < kSquadSlots; ++s)
            if (club->GetPlayerId(s) != kEmptySlot && User().GetSelection(s)) m[User().GetSelection(s)] = club->GetPlayerId(s);
        return m;
    }

    std::unique_ptr<testsupport::GameDriver> game;
    CClub* club = nullptr;
    HeadlessBackend* backend = nullptr;
    Window main;
    CScreenManager manager;
};

TEST_F(SquadEndToEnd, TheNextMatchPlaysTheTeamFormationAndTrainingSetOnThePages) {
    // --- Team: a numbered starter is hurt; his name goes onto a fit reserve
    // of his position.
    auto* select = Open<CSquadSelectScreen>(CSquadSelectScreen::kScreen);
    ASSERT_NE(select, nullptr);
    ASSERT_FALSE(select->IsReadOnly());
    const int number = 11;
    const int hurtSlot = SlotNumbered(number);
    ASSERT_GE(hurtSlot, 0);
    CPlayer& hurt = *World().GetPlayer(club->GetPlayerId(hurtSlot));
    const int injury = World().GetInjuryList().NewInjury();
    World().GetInjuryList().GetAt(injury)->SetSeverity(100);
    World().GetInjuryList().GetAt(injury)->m_TimeLeft = 30;
    hurt.m_Injury = injury;
    // The first fit reserve, scrolled into view beside number 11.
    const auto& rows = select->GetRows();
    int hurtRow = -1, reserveRow = -1;
    for (size_t r = 0; r < rows.size(); ++r) {
        const CPlayer* p = World().GetPlayer(club->GetPlayerId(rows[r].slot));
        if (rows[r].slot == hurtSlot) hurtRow = int(r);
        if (reserveRow < 0 && rows[r].number == CSquadSelectScreen::kNoNumber && p->IsAvailable()) reserveRow = int(r);
    }
    ASSERT_EQ(hurtRow, 10);
    ASSERT_GE(reserveRow, 16) << "no fit reserve";
    ASSERT_LE(reserveRow, 21);
    const int reserveSlot = rows[size_t(reserveRow)].slot;
    while (select->GetScrollBar().position < reserveRow - 11) ClickAt({557 + 10, 164 + 276 - 12});
    hurtRow -= select->GetScrollBar().position;
    reserveRow -= select->GetScrollBar().position;
    Drag({CSquadSelectScreen::kTableX + 60, CSquadSelectScreen::kTableTop + 23 * hurtRow + 11},
         {CSquadSelectScreen::kTableX + 60, CSquadSelectScreen::kTableTop + 23 * reserveRow + 11});
    EXPECT_EQ(User().GetSelectedPlayer(reserveSlot), number);
    EXPECT_EQ(User().GetSelectedPlayer(hurtSlot), 0);
    ClickAt({400, 120});
    EXPECT_EQ(select->FormationName(number), World().GetPlayer(club->GetPlayerId(reserveSlot))->GetName());

    // --- Formation: "Custom 1", number 5 moved, team instructions set.
    auto* tact = Open<CTactScreen>(CTactScreen::kScreen);
    ASSERT_NE(tact, nullptr);
    for (int i = 0; i < 3; ++i) ClickAt({251 + 10, 165 + 184 - 12});
    ASSERT_EQ(tact->GetScrollBar().position, 3);
    ClickAt({100, 163 + 23 * 7 + 11});
    ASSERT_EQ(User().GetCurrentTactic(), 10);
    ASSERT_EQ(club->GetTacticIndex(), 10);
    CSoccerTactic& custom = *User().GetTactic(10);
    ASSERT_EQ(custom.m_Depth[3], 2);
    ASSERT_EQ(custom.m_Width[3], 6);
    Drag({282 + 22 * 2 + 11, 141 + 22 * 6 + 11}, {282 + 22 * 4 + 11, 141 + 22 * 8 + 11});
    EXPECT_EQ(custom.m_Depth[3], 4);
    EXPECT_EQ(custom.m_Width[3], 8);
    Drag({282 + 22 * 4 + 11, 141 + 22 * 8 + 11}, {282 + 11, 141 + 22 * 4 + 11});  // into the keeper's zone
    EXPECT_EQ(custom.m_Depth[3], 4);
    ClickAt({400, 120});
    ClickAt({282 + 59 * 4 + 28, 141 + 18});            // highest aggression
    ClickAt({282 + 59 * 4 + 28, 141 + 39 * 2 + 18});   // attacking bias
    ClickAt({559 + 8, 263 + 8});                       // the offside trap
    EXPECT_EQ(custom.m_Aggression, 9);
    EXPECT_EQ(custom.m_Instructions[0], 9);
    EXPECT_EQ(custom.m_Instructions[2], 1);

    // --- Training: tactics on four slots, free time on two.
    Open<CTrainScreen>(CTrainScreen::kScreen);
    for (int i = 0; i < 4; ++i) Drag({32 + 30, 264 + 10}, {178 + 81 * i + 40, 324 + 10});
    for (int i = 0; i < 2; ++i) Drag({32 + 30, 168 + 10}, {178 + 81 * i + 40, 324 + 29 + 10});
    for (int i = 0; i < 4; ++i) EXPECT_EQ(User().m_TableA[size_t(4 * i)], 3);
    const CTrainScreen::Condensed week = CTrainScreen::Condense(User().m_TableA);
    for (int n = 0; n < 8; ++n) EXPECT_EQ(club->GetSquadTraining()->GetSetting(n + 1), week.settings[size_t(n)]) << n;
    EXPECT_EQ(User().m_TrainLoad, week.setPieceHours);

    // --- The next league match.
    const auto numbers = PlayersByNumber();
    std::array<uint16_t, kSquadSlots> order{};
    for (int s = 0; s < kSquadSlots; ++s) order[size_t(s)] = club->GetPlayerId(s);
    testsupport::ScriptedMatchDriver driver;
    testsupport::ScopedMatchDriver scope(&driver);
    bool seen = false;
    std::array<uint16_t, 16> kickOff{};
    std::array<uint8_t, 5> instructions{};
    int tactic = -1;
    driver.onMinute = [&](CMatchPlay&) {
        if (seen || !User().IsSquadInSelectionOrder()) return;
        seen = true;
        for (int s = 0; s < 16; ++s) kickOff[size_t(s)] = club->GetPlayerId(s);
        instructions = club->GetMatchInstructions();
        tactic = club->GetTacticIndex();
    };
    const int played = club->LeagueRow().GetPlayed();
    for (int day = 0; day < 40 && club->LeagueRow().GetPlayed() == played; ++day) World().ProcessDay(1, 0);
    ASSERT_EQ(club->LeagueRow().GetPlayed(), played + 1);
    ASSERT_TRUE(seen);
    // At kick-off the numbered players stand in number order.
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(kickOff[size_t(k - 1)], numbers.at(k)) << k;
    EXPECT_EQ(numbers.at(number), order[size_t(reserveSlot)]);
    EXPECT_EQ(tactic, 10);
    EXPECT_EQ(instructions[0], 9) << "bias";
    EXPECT_EQ(instructions[2], 1) << "offside trap";
    EXPECT_EQ(instructions[3], 0) << "on the break";
    EXPECT_EQ(instructions[4], 9) << "aggression";
    // Afterwards the club's order is back and the numbering as it was.
    EXPECT_FALSE(User().IsSquadInSelectionOrder());
    for (int s = 0; s < kSquadSlots; ++s) EXPECT_EQ(club->GetPlayerId(s), order[size_t(s)]) << s;
    EXPECT_EQ(PlayersByNumber(), numbers);
    EXPECT_EQ(custom.m_Depth[3], 4);
}

}  // namespace
