// Training (page 35) and youth training (pages 80 and 94): the timetables
// condensed into the club's settings at every drop, the individual shares
// with their locks, the practised formation, the set-piece words.
#include "platform/stringtable.h"
#include "screens/squad_fixture.h"
#include "screens/squadselectscreen.h"
#include "screens/tactscreen.h"
#include "screens/squadscreen_fit.h"
#include "screens/trainscreen.h"
#include "screens/ytrainscreen.h"
#include "soccerclasses/player.h"
#include "soccerclasses/squadtraining.h"

namespace squadtest {
namespace {

using Train = CTrainScreen;

std::array<int32_t, 20> TrainTable(std::initializer_list<std::pair<int, int>> runs) {
    std::array<int32_t, 20> t{};
    size_t i = 0;
    for (auto [kind, count] : runs)
        for (int n = 0; n < count; ++n) t[i++] = kind;
    return t;
}

TEST(TrainingCondense, TimetablesGiveTheClubsSettings) {
    struct Case {
        const char* name;
        std::array<int32_t, 20> table;
        std::array<uint8_t, 8> settings;
        std::array<uint8_t, 4> setPieces;
    };
    std::array<int32_t, 20> starting{};
    for (int d = 0; d < 5; ++d)
        for (int s = 0; s < 4; ++s) starting[size_t(d * 4 + s)] = d + s;
    std::array<int32_t, 20> damaged = TrainTable({{1, 10}, {0, 10}});
    damaged[3] = 9;
    damaged[4] = -2;
    const Case cases[] = {
        {"free time only", TrainTable({{0, 20}}), {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0}},
        {"ten five-a-side, five tactics, five individual", TrainTable({{1, 10}, {3, 5}, {2, 5}}),
         {30, 10, 66, 33, 0, 0, 0, 0}, {0, 0, 0, 0}},
        {"the new manager's week", starting, {32, 6, 12, 25, 25, 18, 12, 6}, {8, 6, 4, 2}},
        {"unknown kinds are free time", damaged, {16, 0, 100, 0, 0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Train::Condensed got = Train::Condense(c.table);
        EXPECT_EQ(got.settings, c.settings) << c.name;
        EXPECT_EQ(got.setPieceHours, c.setPieces) << c.name;
    }
}

TEST(TrainingCondense, YouthHoursCountEveryTrainingSessionAlike) {
    EXPECT_EQ(CYTrainScreen::YouthHours(TrainTable({{0, 20}})), 0);
    EXPECT_EQ(CYTrainScreen::YouthHours(TrainTable({{1, 20}})), 40);
    EXPECT_EQ(CYTrainScreen::YouthHours(TrainTable({{5, 10}, {2, 10}})), 40);
    EXPECT_EQ(CYTrainScreen::YouthHours(TrainTable({{7, 4}, {3, 6}, {0, 10}})), 12) << "kind 7 is no youth kind";
}

TEST(TrainingCondense, RatingWordsByTens) {
    EXPECT_EQ(Train::RatingWord(0), "Terrible");
    EXPECT_EQ(Train::RatingWord(25), "Very Poor");
    EXPECT_EQ(Train::RatingWord(59), "Average");
    EXPECT_EQ(Train::RatingWord(79), "Very Good");
    EXPECT_EQ(Train::RatingWord(100), "Excellent");
    EXPECT_EQ(Train::RatingWord(250), "Excellent") << "a damaged rating stays in the table";
}

TEST(TrainingCondense, TheBoardHitsEveryPixelOfADrawnSlot) {
    using timetable::SlotAt;
    struct Case {
        int x, y, slot;
    };
    const Case cases[] = {
        {178, 324, 0},           {178 + 73, 324 + 21, 0},  // Monday's first picture, corner to corner
        {178 + 2 * 81 + 73, 330, 8},                       // Wednesday's last pixel column
        {178 + 3 * 81 + 73, 330, 12},                      // Thursday's
        {178 + 4 * 81 + 73, 324 + 3 * 29 + 21, 19},        // Friday's last pixel, last slot
        {175, 321, 0},           {579, 436, 19},
        {174, 330, -1},          {580, 330, -1},          {300, 437, -1}, {300, 320, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(SlotAt(c.x, c.y), c.slot) << c.x << "," << c.y;
}

class TrainingPage : public SquadPages {
protected:
    void SetUp() override {
        SquadPages::SetUp();
        for (int i = 0; i < 9; ++i)
            ids.push_back(Sign(i == 0 ? CSoccerPlayer::kGoalkeeper : i < 4 ? CSoccerPlayer::kDefender
                                                                       : CSoccerPlayer::kAttacker,
                               "Trainee" + std::to_string(i)));
    }
    template <class T>
    T* OpenPage(int screen) {
        g_nScreenId = screen;
        manager.SetScreen(new T(), true, true, false, true, false);
        Drain();
        return dynamic_cast<T*>(manager.GetCurrentPage());
    }
    Point ToMain(Point p) { return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p)); }
    void ClickAt(Point p, bool dbl = false) {
        backend->Click(ToMain(p), MouseButton::Left, 700);
        if (dbl) backend->Click(ToMain(p), MouseButton::Left, 40);
        testsupport::RunVirtualTime(*backend, main, 800);
    }
    // `shot`: a picture for people to look at, taken half-way.
    void Drag(Point from, Point to, const char* shot = nullptr) {
        backend->Press(ToMain(from), MouseButton::Left, 700);
        backend->MoveTo(ToMain({(from.x + to.x) / 2, (from.y + to.y) / 2}), 30);
        if (shot) backend->Call([this, shot] { Save(shot); }, 10);
        backend->MoveTo(ToMain(to), 30);
        backend->Release(ToMain(to), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
    }
    std::array<uint8_t, 9> Settings() { return Club().GetSquadTraining()->m_Settings; }
    CSoccerPlayer& Football(int i) { return world.GetPlayer(ids[size_t(i)])->Football(); }
    std::vector<uint16_t> ids;
};

TEST_F(TrainingPage, EachDropWritesTheTimetableAndTheClubsSettings) {
    User().m_TableA = TrainTable({{0, 20}});
    Train* page = OpenPage<Train>(Train::kScreen);
    ASSERT_NE(page, nullptr);
    // "Tactics" (kind 3, the fourth of the left column) onto Wednesday's second slot.
    Drag({32 + 30, 264 + 10}, {178 + 2 * 81 + 40, 324 + 29 + 10}, "training-dragging");
    EXPECT_EQ(User().m_TableA[9], 3);
    const Train::Condensed expected = Train::Condense(User().m_TableA);
    for (int n = 0; n < 8; ++n) EXPECT_EQ(Settings()[size_t(n)], expected.settings[size_t(n)]) << n;
    EXPECT_EQ(Settings()[0], 2);
    // "Penalties" onto Friday's last slot: the set-piece hours follow at once.
    Drag({308 + 30, 264 + 10}, {178 + 4 * 81 + 40, 324 + 3 * 29 + 10});
    EXPECT_EQ(User().m_TableA[19], 7);
    EXPECT_EQ(User().m_TrainLoad[3], 2);
    // Off the board nothing changes; a press beside the palette drags nothing.
    const auto before = User().m_TableA;
    Drag({32 + 30, 168 + 10}, {150, 330});
    Drag({32 + 30, 168 + 10}, {400, 440});
    Drag({200, 150}, {178 + 40, 324 + 10});
    EXPECT_EQ(User().m_TableA, before);
    EXPECT_FALSE(page->IsDragging());
    Save("training-schedule");
}

// The dragged picture follows the pointer with its grip kept, its corner
// held within x 23 to 512 and y 164 to 425 however far the pointer goes.
TEST_F(TrainingPage, TheDraggedPictureStaysOnThePage) {
    Train* page = OpenPage<Train>(Train::kScreen);
    ASSERT_NE(page, nullptr);
    const Point grip{32 + 30, 264 + 10};  // 30, 10 into "Tactics" at (32, 264)
    struct Case {
        Point to, corner;
    };
    const Case cases[] = {
        {{300, 300}, {270, 290}},  // inside: the grip kept
        {{780, 540}, {512, 425}},  // beyond the bottom right
        {{2, 2}, {23, 164}},       // beyond the top left
        {{53, 174}, {23, 164}},    // exactly at the lowest corner
        {{542, 435}, {512, 425}},  // exactly at the highest
    };
    for (const Case& c : cases) {
        Point corner{-1, -1};
        bool dragging = false;
        backend->Press(ToMain(grip), MouseButton::Left, 700);
        backend->MoveTo(ToMain({grip.x + 5, grip.y + 5}), 30);
        backend->MoveTo(ToMain(c.to), 30);
        backend->Call([&] {
            dragging = page->IsDragging();
            corner = page->GetDragCorner();
        }, 10);
        backend->Release(ToMain({200, 150}), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
        EXPECT_TRUE(dragging) << c.to.x << "," << c.to.y;
        EXPECT_EQ(corner.x, c.corner.x) << c.to.x << "," << c.to.y;
        EXPECT_EQ(corner.y, c.corner.y) << c.to.x << "," << c.to.y;
    }
}

// The grid's "Mo." column: "U" for a player whose ability rose, "D" for one
// whose ability fell, nothing for one who stayed; the column draws them as
// the movement pictures.
TEST_F(TrainingPage, TheGridShowsWhoIsMovingUpOrDown) {
    struct Case {
        int player, previous, ability;
        const char* shown;
    };
    const Case cases[] = {{1, 50, 53, "U"}, {2, 60, 58, "D"}, {3, 44, 44, ""}};
    for (const Case& c : cases) {
        Football(c.player).m_PreviousAbility = static_cast<uint8_t>(c.previous);
        Football(c.player).m_Ability = static_cast<uint8_t>(c.ability);
    }
    Train* page = OpenPage<Train>(Train::kScreen);
    ASSERT_NE(page, nullptr);
    ClickAt({300, 120});  // Individual Training
    const SurfaceTable& grid = page->GetGrid();
    EXPECT_EQ(grid.columns[1].movement, 1);
    for (const Case& c : cases) {
        const int slot = Club().FindSlotOfPlayer(ids[size_t(c.player)]);
        const auto& slots = page->GetGridSlots();
        const auto row = std::find(slots.begin(), slots.end(), slot) - slots.begin();
        ASSERT_LT(row, static_cast<long>(slots.size()));
        EXPECT_EQ(grid.cells[size_t(row)][1].text, c.shown) << c.player;
    }
}

TEST_F(TrainingPage, TheTabsSwitchAtTheirRanges) {
    Train* page = OpenPage<Train>(Train::kScreen);
    struct Case {
        int x, tab;
    };
    for (const Case c : {Case{201, 0}, Case{202, 1}, Case{393, 1}, Case{394, 2}, Case{14, 0}}) {
        ClickAt({c.x, 120});
        EXPECT_EQ(page->GetTab(), c.tab) << c.x;
    }
}

TEST_F(TrainingPage, SharesMoveInStepsAndGiveBackToTheFreeCategories) {
    Football(0).m_Training = {95, 0, 2, 1, 1, 1, 0};
    Train* page = OpenPage<Train>(Train::kScreen);
    ASSERT_EQ(page->GetCurrentSlot(), 0);
    EXPECT_EQ(page->GetShare(7), 0);
    page->ChangeShare(0, true);
    EXPECT_EQ(page->GetShare(0), 100);
    for (int k = 1; k < 8; ++k) EXPECT_EQ(page->GetShare(k), 0) << k;
    EXPECT_EQ(Football(0).m_Training, (std::array<uint8_t, 7>{100, 0, 0, 0, 0, 0, 0}));

    Football(0).m_Training = {7, 20, 20, 20, 20, 13, 0};
    ClickAt({300, 120});  // Individual Training
    ClickAt({90 + 40, 301 + 12});  // the keeper's row: his shares again
    page->ChangeShare(0, false);
    EXPECT_EQ(page->GetShare(0), 0);
    EXPECT_EQ(page->GetShare(1), 21);
    EXPECT_EQ(page->GetShare(6), 1);
    EXPECT_EQ(page->GetShare(7), 1);
    int sum = 0;
    for (int k = 0; k < 8; ++k) sum += page->GetShare(k);
    EXPECT_EQ(sum, 100);
}

TEST_F(TrainingPage, LocksHoldSixAndTheArrowsOfALockedCategoryDoNothing) {
    Football(0).m_Training = {10, 10, 10, 10, 10, 10, 10};
    Train* page = OpenPage<Train>(Train::kScreen);
    page->ToggleLock(3);
    page->ChangeShare(3, true);
    EXPECT_EQ(page->GetShare(3), 10);
    for (int k : {0, 1, 2, 4, 5}) page->ToggleLock(k);
    // Six locked: 6 and 7 are free; 6 can take only what 7 holds.
    EXPECT_EQ(page->GetShare(7), 30);
    page->ChangeShare(6, true);
    page->ChangeShare(6, true);
    page->ChangeShare(6, true);
    EXPECT_EQ(page->GetShare(6), 40);
    EXPECT_EQ(page->GetShare(7), 0);
    // A seventh lock lets the oldest go.
    page->ToggleLock(6);
    EXPECT_FALSE(page->IsLocked(3));
    EXPECT_TRUE(page->IsLocked(6));
    // An unlock in the middle, then a new lock: still six locked.
    page->ToggleLock(1);
    page->ToggleLock(3);
    int locked = 0;
    for (int k = 0; k < 8; ++k) locked += page->IsLocked(k);
    EXPECT_EQ(locked, 6);
    EXPECT_EQ(page->GetLocks()[0], 1 << 3);
    EXPECT_EQ(page->GetButton(16 + 3).state, 1);
    EXPECT_EQ(page->GetButton(16 + 1).state, 0);
}

TEST_F(TrainingPage, AHeldArrowRepeatsAndAnUnavailablePlayerIsNotShown) {
    Football(0).m_Training = {10, 10, 10, 10, 10, 10, 10};
    Injure(ids[1]);
    const uint8_t otherPace = Football(1).m_Training[4];
    Train* page = OpenPage<Train>(Train::kScreen);
    ClickAt({300, 120});
    ClickAt({90 + 40, 301 + 24 + 12});  // the injured defender's row
    EXPECT_EQ(page->GetCurrentSlot(), 0);
    // The more arrow of "Pace" held for half a second: a step now, and one
    // every 125 ms.
    backend->Press(ToMain({531 + 5, 159 + 5}), MouseButton::Left, 700);
    backend->Release(ToMain({531 + 5, 159 + 5}), MouseButton::Left, 500);
    testsupport::RunVirtualTime(*backend, main, 1500);
    EXPECT_GE(page->GetShare(4), 10 + 12 * 4);
    EXPECT_EQ(Football(0).m_Training[4], page->GetShare(4));
    EXPECT_EQ(Football(1).m_Training[4], otherPace);
    Save("training-individual");
}

// The arrows change the player a click chose, whichever rows the pointer
// crossed on its way to them.
TEST_F(TrainingPage, TheArrowsActOnTheClickedPlayerNotARowThePointerCrossed) {
    for (int i = 0; i < 5; ++i) Football(i).m_Training = {10, 10, 10, 10, 10, 10, 10};
    Train* page = OpenPage<Train>(Train::kScreen);
    ClickAt({300, 120});
    ClickAt({90 + 40, 301 + 2 * 24 + 12});
    ASSERT_EQ(page->GetCurrentSlot(), Club().FindSlotOfPlayer(ids[2]));
    for (int row : {0, 4, 1}) {
        backend->MoveTo(ToMain({90 + 40, 301 + row * 24 + 12}), 30);
        testsupport::RunVirtualTime(*backend, main, 100);
    }
    ClickAt({531 + 5, 159 + 5});  // "Pace", more
    EXPECT_EQ(Football(2).m_Training[4], 22);
    for (int i : {0, 1, 4}) EXPECT_EQ(Football(i).m_Training[4], 10) << i;
}

// A name too long for the grid's first column ends with "." inside it; a
// short one is whole.
TEST_F(TrainingPage, ALongNameEndsWithADotInsideItsColumn) {
    world.GetPlayer(ids[1])->Person().SetSurname("Vasilopoulos-Papadimitriou");
    Train* page = OpenPage<Train>(Train::kScreen);
    ClickAt({300, 120});
    const SurfaceTable& grid = page->GetGrid();
    const std::string shown = grid.cells[1][0].text;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), '.') << shown;
    EXPECT_LE(PageTextWidth(*page, 0, shown), grid.columnStart[1] - grid.columnStart[0] - 4) << shown;
    EXPECT_EQ(grid.cells[2][0].text, world.GetPlayer(ids[2])->GetName());
    Save("training-individual-long-name");
}

TEST_F(TrainingPage, AFilterTakesItsFirstRowAndAnEmptyOneKeepsThePlayer) {
    Train* page = OpenPage<Train>(Train::kScreen);
    ClickAt({300, 120});
    ClickAt({24 + 30, 308 + 15});  // goalkeepers
    EXPECT_EQ(page->GetFilter(), 1);
    ASSERT_EQ(page->GetGridSlots().size(), 1u);
    ClickAt({24 + 30, 341 + 15});  // defenders
    EXPECT_EQ(page->GetGridSlots().size(), 3u);
    EXPECT_EQ(page->GetCurrentSlot(), Club().FindSlotOfPlayer(ids[1]));
    ClickAt({24 + 30, 375 + 15});  // midfielders: nobody
    EXPECT_TRUE(page->GetGridSlots().empty());
    EXPECT_EQ(page->GetCurrentSlot(), Club().FindSlotOfPlayer(ids[1]));
    const auto& grid = page->GetGrid();
    EXPECT_EQ(grid.rowCount, 0);
}

TEST_F(TrainingPage, TeamTrainingRecordsThePractisedFormation) {
    User().m_TrainLevel = {100, 45, 12, 70};
    Train* page = OpenPage<Train>(Train::kScreen);
    ClickAt({450, 120});
    ASSERT_EQ(page->GetTab(), Train::kTeam);
    ClickAt({60, 164 + 23 * 2 + 11});
    EXPECT_EQ(page->GetShownFormation(), 2);
    EXPECT_EQ(Settings()[8], 2);
    const CSoccerTactic& t = *User().GetTactic(2);
    EXPECT_EQ(page->PitchPlace(4), (Point{305 + 21 * t.m_Depth[4], 139 + 20 * t.m_Width[4]}));
    Save("training-team");
    ClickAt({60, 164 + 23 * 3 + 11}, true);
    EXPECT_NE(dynamic_cast<CTactScreen*>(manager.GetCurrentPage()), nullptr);
    EXPECT_EQ(g_nScreenId, CTactScreen::kScreen);
}

TEST_F(TrainingPage, YouthTimetableDropsWriteTheYouthHours) {
    for (int screen : {80, 94}) {
        SCOPED_TRACE(screen);
        User().m_TableB = TrainTable({{0, 20}});
        Club().SetYouthDevelopment(10);
        auto* page = OpenPage<CYTrainScreen>(screen);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->GetScreen(), screen);
        // "Pace" (kind 4) onto Tuesday's first slot and Monday's third.
        Drag({308 + 30, 200 + 10}, {178 + 81 + 40, 324 + 10});
        Drag({308 + 30, 200 + 10}, {178 + 40, 324 + 2 * 29 + 10});
        EXPECT_EQ(User().m_TableB[4], 4);
        EXPECT_EQ(User().m_TableB[2], 4);
        EXPECT_EQ(Club().GetYouthDevelopment(), 4);
        Drag({308 + 30, 200 + 10}, {178 - 10, 330});
        EXPECT_EQ(Club().GetYouthDevelopment(), 4);
        Save(screen == 80 ? "youth-training" : "youth-training-94");
    }
}

TEST_F(TrainingPage, WithoutAClubNothingIsWrittenEvenOnClose) {
    CManager& boss = *User().GetManager();
    const int club = boss.GetClubIndex();
    boss.SetClubIndex(-1);
    const auto settings = Settings();
    const auto tableA = User().m_TableA;
    Club().SetYouthDevelopment(17);
    Train* page = OpenPage<Train>(Train::kScreen);
    ASSERT_EQ(page->GetClub(), nullptr);
    Drag({32 + 30, 264 + 10}, {178 + 40, 324 + 10});
    OpenPage<CYTrainScreen>(80);
    Drag({308 + 30, 200 + 10}, {178 + 40, 324 + 10});
    OpenPage<Train>(Train::kScreen);  // closes the youth page
    boss.SetClubIndex(club);
    EXPECT_EQ(Settings(), settings);
    EXPECT_EQ(User().m_TableA, tableA);
    EXPECT_EQ(Club().GetYouthDevelopment(), 17);
}

// The surface pages cannot run without their timer: each says so and the
// program ends.
TEST_F(TrainingPage, WithoutATimerEverySurfacePageSaysSoAndTheProgramEnds) {
    const std::string text = platform::LoadString(44000);
    ASSERT_EQ(text, "No more timers available");
    const auto told = [&] {
        const auto& boxes = backend->Boxes();
        return std::count_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.text == text; });
    };
    Ui::Get().SetTimersFail(true);
    const std::pair<const char*, std::function<CScreen*()>> pages[] = {
        {"team selection", [&] { return OpenPage<CSquadSelectScreen>(4); }},
        {"tactics", [&] { return OpenPage<CTactScreen>(26); }},
        {"training", [&] { return OpenPage<Train>(Train::kScreen); }},
        {"youth training", [&] { return OpenPage<CYTrainScreen>(80); }},
        {"youth training from the youth page", [&] { return OpenPage<CYTrainScreen>(94); }},
    };
    for (const auto& [name, open] : pages) {
        const auto before = told();
        EXPECT_NE(open(), nullptr) << name;
        EXPECT_EQ(told(), before + 1) << name;
        EXPECT_TRUE(Ui::Get().QuitRequested()) << name;
    }
    Ui::Get().SetTimersFail(false);
}

}  // namespace
}  // namespace squadtest
