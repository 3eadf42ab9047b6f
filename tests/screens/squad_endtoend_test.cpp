// From the pages to the pitch, in the running program: in a new game with
// one human manager, on the Tuesday before a Saturday match, the team is
// mended by drags on Team Selection, "Custom 1" is chosen and edited in the
// tactics editor with its team instructions, the week's senior and youth
// training is set on the timetables with one player's shares and the
// practised formation, and "Move Half Week Ahead" trains the squad with it
// and then plays the match with it. The game saved, loaded and saved again
// gives the same bytes and the pages show what was set; on a later match
// day a hurt numbered player stops the clock on Team Selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/squadselectscreen.h"
#include "screens/tactscreen.h"
#include "screens/trainscreen.h"
#include "screens/ytrainscreen.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/userport.h"
#include "support/game_driver.h"
#include "support/human_game_app.h"
#include "support/test_env.h"
#include "support/scripted_match_driver.h"
#include "support/ui_loop.h"

namespace {

using namespace platform::win;

constexpr uint32_t kProgramSquadHub = 19411, kProgramMoveHalfWeek = 19423;

// The set-piece ratings after one day's training step, worked out here from
// the rule: each rating above 30 first loses a little progress (a point when
// it runs out), then gains a quarter and more for each hour above 2 while
// it is trained and below 99 (a point when the progress passes 1).
struct SetPieceState {
    std::array<uint8_t, 4> level;
    std::array<double, 4> progress;
};
SetPieceState SetPiecesAfterADay(std::array<uint8_t, 4> level, std::array<double, 4> progress,
                                 const std::array<uint8_t, 4>& hours) {
    for (size_t k = 0; k < 4; ++k) {
        if (level[k] <= 30) continue;
        progress[k] -= level[k] <= 50 ? 0.05 : level[k] <= 70 ? 0.1 : level[k] <= 90 ? 0.15 : 0.2;
        if (progress[k] < 0.0) progress[k] = 1.0, --level[k];
    }
    for (size_t k = 0; k < 4; ++k) {
        if (level[k] >= 99 || hours[k] == 0) continue;
        progress[k] += 0.25;
        const double f = level[k] <= 30 ? 0 : level[k] <= 50 ? 0.2 : level[k] <= 70 ? 0.15 : level[k] <= 90 ? 0.1 : 0.05;
        if (hours[k] > 2) progress[k] += (hours[k] - 2) * f;
        if (progress[k] > 1.0) progress[k] = 0.0, ++level[k];
    }
    return {level, progress};
}

// The shell's port, but every bid for one of the club's players is turned
// down: the week checks what the pages set, and a sale the answerer's
// Return would accept takes a numbered player out of the squad after the
// match.
class KeepTheSquad : public UserPort {
public:
    explicit KeepTheSquad(UserPort& shell) : shell_(shell) {}
    int ShowMessageBox(const MessageBoxRequest& request) override {
        if (request.type == kBoxFourButtons) {
            ++refused;
            return kAnswerNo;
        }
        return shell_.ShowMessageBox(request);
    }
    int RunScreenModal(int screen, void* object, intptr_t v1, intptr_t v2, intptr_t v3) override {
        return shell_.RunScreenModal(screen, object, v1, v2, v3);
    }
    void ShowProgress(int total, const std::string& text, int step, int flag) override {
        shell_.ShowProgress(total, text, step, flag);
    }
    void StepProgress() override { shell_.StepProgress(); }
    int GetCurrentScreenId() override { return shell_.GetCurrentScreenId(); }
    void UpdateStatusBar() override { shell_.UpdateStatusBar(); }
    void FillTree(int kind) override { shell_.FillTree(kind); }
    void SetTreeMode(int mode) override { shell_.SetTreeMode(mode); }
    void PersonDeleted(int kind, int owner, int index) override { shell_.PersonDeleted(kind, owner, index); }
    void OpenMatchDayScreen(const std::string& text, const CMatchTime& date, const void* competition,
                            const CDivision* division) override {
        shell_.OpenMatchDayScreen(text, date, competition, division);
    }
    void SendViewCommand(int command) override { shell_.SendViewCommand(command); }
    bool ChooseSaveFile(const SaveFileRequest& request, std::string& path) override {
        return shell_.ChooseSaveFile(request, path);
    }
    UserPort& Shell() { return shell_; }
    int refused = 0;

private:
    UserPort& shell_;
};

class SquadInTheProgram : public testsupport::HumanGameApp {
protected:
    void SetUp() override {
        HumanGameApp::SetUp();
        answerKey = VK_RETURN;
        keep = std::make_unique<KeepTheSquad>(GetUserPort());
        SetUserPort(keep.get());
    }
    void TearDown() override {
        SetUserPort(&keep->Shell());
        HumanGameApp::TearDown();
    }
    CWorldData& W() { return *GetWorldData(); }
    CClub& Club() { return *W().GetClub(clubIndex); }
    CHumanManager& Boss() { return *W().GetUser(0); }
    bool PlaysOn(int matchDay) {
        CManager* m = W().GetManagerList().GetAt(Club().GetManager());
        CFixtureInfo info;
        return m && m->FindMatchOn(matchDay, info);
    }
    // Day steps to a Tuesday from which the next step reaches a Saturday the
    // club plays on.
    bool RunToEveOfMatch() {
        for (int day = 0; day < 80; ++day) {
            if (W().GetMatchTime().IsTuesday() && !PlaysOn(W().GetMatchDay()) && PlaysOn(W().GetMatchDay() + 1))
                return true;
            W().ProcessDay(0, 0);
        }
        return false;
    }
    void ClickAt(Point p, bool dbl = false) {
        backend->Click(ToMain(p), MouseButton::Left, 700);
        if (dbl) backend->Click(ToMain(p), MouseButton::Left, 40);
        Run(800);
    }
    void Drag(Point from, Point to) {
        backend->Press(ToMain(from), MouseButton::Left, 700);
        backend->MoveTo(ToMain({(from.x + to.x) / 2, (from.y + to.y) / 2}), 30);
        backend->MoveTo(ToMain(to), 30);
        backend->Release(ToMain(to), MouseButton::Left, 30);
        Run(1000);
    }
    // The hub through the tool box, then one of its six section buttons.
    template <class T>
    T* Section(int button) {
        Command(kProgramSquadHub);
        EXPECT_EQ(g_nCurrentScreen, 100);
        ClickAt({23 + 98 * button + 42, 378 + 42});
        return dynamic_cast<T*>(manager->GetCurrentPage());
    }
    std::map<int, uint16_t> Numbering() {
        std::map<int, uint16_t> m;
        for (int s = 0; s < kSquadSlots; ++s)
            if (Club().GetPlayerId(s) != kEmptySlot && Boss().GetSelectedPlayer(s))
                m[Boss().GetSelectedPlayer(s)] = Club().GetPlayerId(s);
        return m;
    }
    // On Team Selection: each numbered player who cannot play gives his
    // number to a fit unnumbered one: a name drag, or his shirt parked and
    // dropped when their rows are too far apart to show at once.
    void MendTeamByNameDrags() {
        auto* select = dynamic_cast<CSquadSelectScreen*>(manager->GetCurrentPage());
        ASSERT_NE(select, nullptr);
        for (int guard = 0; guard < 16; ++guard) {
            auto findRows = [&](int& from, int& to) {
                const auto& rows = select->GetRows();
                from = to = -1;
                for (size_t r = 0; r < rows.size(); ++r) {
                    const CPlayer* p = W().GetPlayer(Club().GetPlayerId(rows[r].slot));
                    if (from < 0 && rows[r].number >= 1 && rows[r].number <= 11 && !p->IsAvailable()) from = int(r);
                    if (to < 0 && rows[r].number == CSquadSelectScreen::kNoNumber && p->IsAvailable()) to = int(r);
                }
            };
            int from = -1, to = -1;
            ClickAt({23 + 32, 144 + 15});  // everyone
            findRows(from, to);
            if (from < 0) return;
            // The filter of his position puts a reserve of it near him.
            const int position = W().GetPlayer(Club().GetPlayerId(select->GetRows()[size_t(from)].slot))->GetPosition();
            ClickAt({23 + 32, 144 + 37 * (position + 1) + 15});
            findRows(from, to);
            if (to < 0) {
                ClickAt({23 + 32, 144 + 15});
                findRows(from, to);
            }
            ASSERT_GE(from, 0);
            ASSERT_GE(to, 0) << "no fit reserve";
            auto scrollTo = [&](int row) {
                for (int i = 0; i < 30 && select->GetScrollBar().position < row - 11; ++i)
                    ClickAt({557 + 10, 164 + 276 - 12});
                for (int i = 0; i < 30 && select->GetScrollBar().position > row; ++i) ClickAt({557 + 10, 164 + 12});
                EXPECT_LE(select->GetScrollBar().position, row);
                EXPECT_GE(select->GetScrollBar().position, row - 11);
            };
            auto rowPoint = [&](int row, int x) {
                return Point{CSquadSelectScreen::kTableX + x,
                             CSquadSelectScreen::kTableTop + 23 * (row - select->GetScrollBar().position) + 11};
            };
            if (to - from <= 11) {
                // Both rows in sight: his name onto the reserve.
                scrollTo(to);
                scrollTo(from);
                Drag(rowPoint(from, 60), rowPoint(to, 60));
            } else {
                // Too far apart: his shirt parked, then dropped on the reserve.
                scrollTo(from);
                Drag(rowPoint(from, 11), {48, 410});
                scrollTo(to);
                Drag({48, 410}, rowPoint(to, 60));
            }
        }
        ClickAt({23 + 32, 144 + 15});
    }

    int clubIndex = -1;
    std::unique_ptr<KeepTheSquad> keep;
};

TEST_F(SquadInTheProgram, AWeekSetOnThePagesTrainsTheSquadAndPlaysItsMatch) {
    clubIndex = W().GetClubList().GetIndex(club);
    ASSERT_TRUE(RunToEveOfMatch());
    const CMatchTime tuesday = W().GetMatchTime();

    // --- Team: a numbered starter is hurt; his name goes onto a fit reserve.
    auto* select = Section<CSquadSelectScreen>(0);
    ASSERT_NE(select, nullptr);
    ASSERT_FALSE(select->IsReadOnly());
    const int hurtNumber = 11;
    int hurtSlot = -1;
    for (int s = 0; s < kSquadSlots; ++s)
        if (Club().PlayerInSlot(s) && Boss().GetSelectedPlayer(s) == hurtNumber) hurtSlot = s;
    ASSERT_GE(hurtSlot, 0);
    {
        CPlayer& hurt = *W().GetPlayer(Club().GetPlayerId(hurtSlot));
        const int injury = W().GetInjuryList().NewInjury();
        W().GetInjuryList().GetAt(injury)->SetSeverity(100);
        W().GetInjuryList().GetAt(injury)->m_TimeLeft = 30;
        hurt.m_Injury = injury;
    }
    MendTeamByNameDrags();
    EXPECT_EQ(Boss().GetSelectedPlayer(hurtSlot), 0) << "the hurt starter gave his number away";
    EXPECT_TRUE(Boss().CheckTeamReady());
    const auto numbers = Numbering();
    ASSERT_EQ(numbers.count(hurtNumber), 1u);
    EXPECT_TRUE(W().GetPlayer(numbers.at(hurtNumber))->IsAvailable()) << "a fit reserve wears it now";
    ClickAt({400, 120});  // the Formation tab
    EXPECT_EQ(select->FormationName(hurtNumber), W().GetPlayer(numbers.at(hurtNumber))->GetName());

    // --- Formation: "Custom 1", number 5 moved, team instructions set.
    auto* tact = Section<CTactScreen>(4);
    ASSERT_NE(tact, nullptr);
    for (int i = 0; i < 3; ++i) ClickAt({251 + 10, 165 + 184 - 12});
    ClickAt({100, 163 + 23 * 7 + 11});
    ASSERT_EQ(Boss().GetCurrentTactic(), 10);
    CSoccerTactic& custom = *Boss().GetTactic(10);
    ASSERT_EQ(custom.m_Depth[3], 2);
    ASSERT_EQ(custom.m_Width[3], 6);
    Drag({282 + 22 * 2 + 11, 141 + 22 * 6 + 11}, {282 + 22 * 4 + 11, 141 + 22 * 8 + 11});
    EXPECT_EQ(custom.m_Depth[3], 4);
    // Number 5's own aggression: the highest.
    ClickAt({282 + 22 * 4 + 11, 141 + 22 * 8 + 11});
    ASSERT_EQ(tact->GetSelectedPlayer(), 3);
    ClickAt({277 + 36 * 5 + 14, 394 + 8});
    EXPECT_EQ(Boss().m_Instructions[0][10][3], 5);
    ClickAt({400, 120});
    ClickAt({282 + 59 * 4 + 28, 141 + 18});           // highest aggression
    ClickAt({282 + 59 * 4 + 28, 141 + 39 * 2 + 18});  // attacking bias
    ClickAt({559 + 8, 263 + 8});                      // the offside trap
    {
        const Point captain = CTactScreen::SetPieceCell(CTactScreen::kCaptain, 3);
        ClickAt({captain.x + 11, captain.y + 11});
    }
    EXPECT_EQ(Boss().m_TacticSliders[CTactScreen::kCaptain], 4);

    // --- Training: the timetable, one player's shares, the practised
    // formation; the youths' timetable.
    auto* train = Section<CTrainScreen>(2);
    ASSERT_NE(train, nullptr);
    for (int i = 0; i < 4; ++i) Drag({32 + 30, 264 + 10}, {178 + 81 * i + 40, 324 + 10});
    for (int i = 0; i < 2; ++i) Drag({32 + 30, 168 + 10}, {178 + 81 * i + 40, 324 + 29 + 10});
    ClickAt({300, 120});           // Individual Training
    ClickAt({90 + 40, 301 + 12});  // the grid's first row
    const int trainedSlot = train->GetCurrentSlot();
    ASSERT_GE(trainedSlot, 0);
    const int fitness = train->GetShare(6);
    const SurfaceButton& more = train->GetButton(2 * 6 + 1);
    ClickAt({more.x + 5, more.y + 5});
    ClickAt({more.x + 5, more.y + 5});
    EXPECT_GT(train->GetShare(6), fitness);
    const SurfaceButton& lock = train->GetButton(16 + 4);
    ClickAt({lock.x + 5, lock.y + 5});
    EXPECT_TRUE(train->IsLocked(4));
    std::array<uint8_t, 7> shares{};
    for (int k = 0; k < 7; ++k) shares[size_t(k)] = static_cast<uint8_t>(train->GetShare(k));
    ClickAt({450, 120});  // Team Training
    for (int i = 0; i < 4; ++i) ClickAt({281 + 10, 163 + 161 - 12});
    ClickAt({60, 164 + 23 * 6 + 11});
    ASSERT_EQ(train->GetShownFormation(), 10);

    ASSERT_NE(Section<CYTrainScreen>(5), nullptr);
    for (int i = 0; i < 2; ++i) Drag({308 + 30, 200 + 10}, {178 + 81 * (i + 2) + 40, 324 + 10});
    EXPECT_EQ(Boss().m_TableB[8], 4);
    EXPECT_EQ(Boss().m_TableB[12], 4);
    ASSERT_NE(Section<CTrainScreen>(2), nullptr);

    // Before the press the club already trains with what the pages show.
    const CTrainScreen::Condensed week = CTrainScreen::Condense(Boss().m_TableA);
    for (int n = 0; n < 8; ++n) EXPECT_EQ(Club().GetSquadTraining()->GetSetting(n + 1), week.settings[size_t(n)]) << n;
    EXPECT_EQ(Club().GetSquadTraining()->GetSetting(9), 10) << "the practised formation";
    EXPECT_EQ(Boss().m_TrainLoad, week.setPieceHours);
    EXPECT_EQ(Club().GetYouthDevelopment(), CYTrainScreen::YouthHours(Boss().m_TableB));
    const uint16_t trainedId = Club().GetPlayerId(trainedSlot);
    EXPECT_EQ(W().GetPlayer(trainedId)->m_Football.m_Training, shares);

    // --- "Move Half Week Ahead" on the training page: Saturday.
    const CSoccerTactic customBefore = custom;
    const int weighted = std::clamp(Club().GetSquadTraining()->GetWeightedValue(), 0, 255);
    const auto levels = Boss().m_TrainLevel;
    const auto progress = Boss().m_TrainProgress;
    Command(kProgramMoveHalfWeek);
    ASSERT_TRUE(W().GetMatchTime().IsSaturday());
    ASSERT_EQ(W().GetMatchDay(), tuesday.GetMatchDay() + 1);
    CSoccerTactic trained = customBefore;
    trained.Train(static_cast<uint8_t>(weighted));
    EXPECT_EQ(custom.m_Familiarity, trained.m_Familiarity);
    EXPECT_EQ(custom.m_Tenths, trained.m_Tenths);
    EXPECT_TRUE(trained.m_Familiarity != customBefore.m_Familiarity || trained.m_Tenths != customBefore.m_Tenths)
        << "the week's tactics hours trained the formation";
    const SetPieceState setPieces = SetPiecesAfterADay(levels, progress, week.setPieceHours);
    EXPECT_EQ(Boss().m_TrainLevel, setPieces.level);
    for (size_t k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(Boss().m_TrainProgress[k], setPieces.progress[k]) << k;
    EXPECT_NE(setPieces.progress, progress) << "the day trained the set pieces";

    // --- The match, played from the same command.
    std::array<uint16_t, kSquadSlots> order{};
    for (int s = 0; s < kSquadSlots; ++s) order[size_t(s)] = Club().GetPlayerId(s);
    bool seen = false;
    std::array<uint16_t, 16> kickOff{};
    std::array<uint8_t, 5> instructions{};
    int tactic = -1;
    std::array<uint8_t, 10> depthAtKickOff{};
    // Through the engine's own getters, for the club's side.
    struct EngineSide {
        int aggression = -1, bias = -1, passing = -1, offsideTrap = -1, onTheBreak = -1;
        CSoccerTactic tactic;
    } engineSide;
    int side = -1;
    CFixture* fixture = nullptr;
    CSoccerTactic customAtKickOff;
    int32_t captainAtKickOff = -1;
    int fiveOwnAggression = -1;
    std::map<uint16_t, CPlayerRating> ratingsBefore;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = Club().PlayerInSlot(s)) ratingsBefore[Club().GetPlayerId(s)] = p->Football().m_Rating;
    driver.onMinute = [&](CMatchPlay& e) {
        if (seen || !Boss().IsSquadInSelectionOrder()) return;
        seen = true;
        for (int s = 0; s < 16; ++s) kickOff[size_t(s)] = Club().GetPlayerId(s);
        instructions = Club().GetMatchInstructions();
        tactic = Club().GetTacticIndex();
        for (int p = 0; p < 10; ++p) depthAtKickOff[size_t(p)] = custom.m_Depth[size_t(p)];
        customAtKickOff = custom;
        fixture = e.GetFixture();
        side = W().GetMatchVars()->GetHomeClub() == &Club() ? 0 : 1;
        engineSide.aggression = side == 0 ? e.GetHomeAggression() : e.GetAwayAggression();
        engineSide.bias = side == 0 ? e.GetHomeBias() : e.GetAwayBias();
        engineSide.passing = side == 0 ? e.GetHomePassingStyle() : e.GetAwayPassingStyle();
        engineSide.offsideTrap = side == 0 ? e.GetHomeOffsideTrap() : e.GetAwayOffsideTrap();
        engineSide.onTheBreak = side == 0 ? e.GetHomeOnTheBreak() : e.GetAwayOnTheBreak();
        if (CSoccerTactic* t = side == 0 ? e.GetHomeTactic() : e.GetAwayTactic()) engineSide.tactic = *t;
        captainAtKickOff = Club().GetDesignatedPlayer(0);
        fiveOwnAggression = Club().GetIndividualInstruction(0, 4);
    };
    const CMatchTime saturday = W().GetMatchTime();
    Command(kProgramMoveHalfWeek);
    if (g_nCurrentScreen == 4 && W().GetMatchTime() == saturday) {
        EXPECT_FALSE(Boss().IsSquadInSelectionOrder());
        MendTeamByNameDrags();
        Command(kProgramMoveHalfWeek);
    }
    ASSERT_TRUE(seen) << "the club's match kicked off";
    const auto atMatch = Numbering();
    std::vector<uint16_t> expected;
    for (const auto& [n, id] : atMatch) expected.push_back(id);
    for (int k = 0; k < 16 && k < int(expected.size()); ++k) EXPECT_EQ(kickOff[size_t(k)], expected[size_t(k)]) << k;
    EXPECT_EQ(tactic, 10);
    EXPECT_EQ(depthAtKickOff[3], 4);
    EXPECT_EQ(instructions[0], 9) << "bias";
    EXPECT_EQ(instructions[2], 1) << "offside trap";
    EXPECT_EQ(instructions[3], 0) << "on the break";
    EXPECT_EQ(instructions[4], 9) << "aggression";
    EXPECT_EQ(captainAtKickOff, kickOff[3]) << "number 4 leads the side out";
    EXPECT_EQ(fiveOwnAggression, 5) << "number 5 plays with his own aggression";
    EXPECT_EQ(engineSide.aggression, 9);
    EXPECT_EQ(engineSide.bias, 9);
    EXPECT_EQ(engineSide.passing, customAtKickOff.m_Instructions[1]);
    EXPECT_EQ(engineSide.offsideTrap, 1);
    EXPECT_EQ(engineSide.onTheBreak, 0);
    EXPECT_EQ(engineSide.tactic.m_Depth, customAtKickOff.m_Depth) << "the side plays Custom 1 as edited";
    EXPECT_EQ(engineSide.tactic.m_Width, customAtKickOff.m_Width);
    EXPECT_EQ(engineSide.tactic.m_Familiarity, trained.m_Familiarity) << "with its trained familiarity";
    EXPECT_FALSE(Boss().IsSquadInSelectionOrder());
    for (int s = 0; s < kSquadSlots; ++s) EXPECT_EQ(Club().GetPlayerId(s), order[size_t(s)]) << s;
    EXPECT_EQ(Numbering(), atMatch);
    // Each of the eleven starters played: the after-match step gave him the
    // match's rating; a man outside the sixteen got none.
    for (int k = 0; k < 11; ++k) {
        const CPlayer* p = W().GetPlayer(kickOff[size_t(k)]);
        ASSERT_NE(p, nullptr);
        const auto& before = ratingsBefore.at(kickOff[size_t(k)]).m_Ratings;
        const auto& after = p->Football().m_Rating.m_Ratings;
        EXPECT_TRUE(std::equal(before.begin(), before.end() - 1, after.begin() + 1) && after[0] >= 10)
            << "number " << k + 1 << " played";
    }
    for (const auto& [id, rating] : ratingsBefore)
        if (std::find(kickOff.begin(), kickOff.end(), id) == kickOff.end() && W().GetPlayer(id)) {
            EXPECT_EQ(W().GetPlayer(id)->Football().m_Rating, rating) << id << " did not play";
        }
    // "Custom 1" took the result's familiarity step (a win four tenths, a
    // draw two, a defeat none); the week's training came with the step to
    // Saturday, not this one.
    ASSERT_NE(fixture, nullptr);
    {
        const int goalsFor = side == 0 ? fixture->m_HomeGoals : fixture->m_AwayGoals;
        const int goalsAgainst = side == 0 ? fixture->m_AwayGoals : fixture->m_HomeGoals;
        CSoccerTactic stepped = customAtKickOff;
        if (goalsFor > goalsAgainst) stepped.AddFamiliarityLarge();
        else if (goalsFor == goalsAgainst) stepped.AddFamiliaritySmall();
        else stepped.NormaliseFamiliarity();
        EXPECT_EQ(custom.m_Familiarity, stepped.m_Familiarity) << goalsFor << "-" << goalsAgainst;
        EXPECT_EQ(custom.m_Tenths, stepped.m_Tenths);
    }

    // --- Saved, loaded and saved again: the same bytes, and the pages show
    // what was set.
    const std::vector<uint8_t> saved = game->SavedGame();
    ASSERT_FALSE(saved.empty());
    const std::filesystem::path path = testenv::TestFolder() / "squad-week.qzs";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(saved.data()), static_cast<std::streamsize>(saved.size()));
    }
    const auto tableA = Boss().m_TableA, tableB = Boss().m_TableB;
    const CSoccerTactic customSaved = custom;
    ASSERT_EQ(CWorldData::LoadGame(path.string()), 1);
    const std::filesystem::path again = testenv::TestFolder() / "squad-week-again.qzs";
    ASSERT_TRUE(W().SaveGame(again.string()));
    {
        std::ifstream in(again, std::ios::binary);
        const std::vector<uint8_t> resaved{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(resaved == saved);
    }
    auto* select2 = Section<CSquadSelectScreen>(0);
    ASSERT_NE(select2, nullptr);
    EXPECT_EQ(Numbering(), atMatch);
    for (const auto& row : select2->GetRows())
        if (Boss().GetSelectedPlayer(row.slot)) {
            EXPECT_EQ(row.number, Boss().GetSelectedPlayer(row.slot));
        }
    auto* tact2 = Section<CTactScreen>(4);
    ASSERT_NE(tact2, nullptr);
    EXPECT_EQ(Boss().GetCurrentTactic(), 10);
    // "Team Tactics" draws the reloaded roles: each row's tick on the kit of
    // its number, and the pressed team buttons.
    ClickAt({400, 120});
    ASSERT_EQ(tact2->GetTab(), 1);
    for (int row = CTactScreen::kCaptain; row <= CTactScreen::kRightCorner; ++row) {
        const int number = Boss().m_TacticSliders[size_t(row)];
        if (number < (row == CTactScreen::kCaptain ? 1 : 2) || number > 11) continue;  // no tick
        const platform::gfx::Surface* tick = tact2->GetTick();
        ASSERT_NE(tick, nullptr);
        const int x = 258 + 26 * number, y = CTactScreen::SetPieceCell(row, 0).y;
        int wrong = 0;
        for (int j = 0; j < tick->Height(); ++j)
            for (int i = 0; i < tick->Width(); ++i)
                if (tick->Get(i, j) != platform::gfx::kKeyPixel && tact2->GetWork()->Get(x + i, y + j) != tick->Get(i, j))
                    ++wrong;
        EXPECT_EQ(wrong, 0) << "row " << row << ", number " << number;
    }
    EXPECT_EQ(tact2->GetTeamButton(4).state, 1) << "highest aggression";
    EXPECT_EQ(tact2->GetTeamButton(3).state, 0);
    EXPECT_EQ(tact2->GetTeamButton(14).state, 1) << "attacking bias";
    EXPECT_EQ(tact2->GetTeamButton(15).state, 1) << "the offside trap";
    ClickAt({100, 120});
    const CSoccerTactic& reloaded = *Boss().GetTactic(10);
    EXPECT_EQ(reloaded.m_Depth, customSaved.m_Depth);
    EXPECT_EQ(reloaded.m_Width, customSaved.m_Width);
    EXPECT_EQ(reloaded.m_Aggression, 9);
    EXPECT_EQ(reloaded.m_Instructions, customSaved.m_Instructions);
    EXPECT_EQ(Boss().m_TacticSliders[CTactScreen::kCaptain], 4);
    EXPECT_EQ(Boss().m_Instructions[0][10][3], 5);
    auto* train2 = Section<CTrainScreen>(2);
    ASSERT_NE(train2, nullptr);
    EXPECT_EQ(Boss().m_TableA, tableA);
    EXPECT_EQ(W().GetPlayer(trainedId)->m_Football.m_Training, shares);
    if (train2->GetCurrentSlot() == Club().FindSlotOfPlayer(trainedId)) {
        for (int k = 0; k < 7; ++k) EXPECT_EQ(train2->GetShare(k), shares[size_t(k)]) << k;
    }
    ClickAt({450, 120});
    EXPECT_EQ(train2->GetShownFormation(), 10);
    ASSERT_NE(Section<CYTrainScreen>(5), nullptr);
    EXPECT_EQ(Boss().m_TableB, tableB);

    // --- A later match day with a numbered player hurt: the same command
    // opens Team Selection and the clock stays.
    for (int day = 0; day < 30 && !PlaysOn(W().GetMatchDay()); ++day) W().ProcessDay(0, 0);
    ASSERT_TRUE(PlaysOn(W().GetMatchDay()));
    Command(kProgramSquadHub);
    int numbered = -1;
    for (int s = 0; s < kSquadSlots && numbered < 0; ++s)
        if (Club().PlayerInSlot(s) && Boss().GetSelectedPlayer(s) == 4) numbered = s;
    ASSERT_GE(numbered, 0);
    {
        const int injury = W().GetInjuryList().NewInjury();
        W().GetInjuryList().GetAt(injury)->SetSeverity(100);
        W().GetInjuryList().GetAt(injury)->m_TimeLeft = 30;
        W().GetPlayer(Club().GetPlayerId(numbered))->m_Injury = injury;
    }
    const CMatchTime matchDay = W().GetMatchTime();
    Command(kProgramMoveHalfWeek);
    EXPECT_EQ(g_nCurrentScreen, 4);
    EXPECT_TRUE(W().GetMatchTime() == matchDay) << "the clock stays";
}

}  // namespace
