#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Six clubs, match day 1 on day 10 (0-1, 2-3, 4-5); user 0 manages club 0,
// which holds 12 players. Day 11 has no match.
class AdvisorsReport : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        SixClubLeague({1, 2, 3, 4, 5, 6});
        for (int i = 0; i < 12; ++i) Own().AddPlayerToSquad(AddPlayer(i % 4));
        MakeUser(Own(), 0);
        world.GetClock().Set(5, 11, 2, 1999, 10, 5);
        // A fixed reference amount for the club's finances.
        CPopularity* row = world.GetPopularityList().GetAt(Own().GetPopularityIndex());
        row->m_BalanceBase = 100000.0;
        row->m_BalanceSpread = 0.0;
    }
    CClub& Own() { return *world.GetClub(0); }
    CManager& Boss() { return *Own().GetManagerObject(); }
    CHumanManager& User(int slot = 0) { return *world.GetUser(slot); }
    CPlayer& SquadPlayer(int s) { return *world.GetPlayer(Own().GetPlayerId(s)); }

    // Runs one report from an empty inbox; the inbox codes it posted that
    // lie in `wanted` (all when empty), in order.
    std::vector<int> Report(const std::set<int>& wanted = {}) {
        User().ClearMessages();
        User().UpdateAdvisors();
        return Codes(User(), wanted);
    }
    static std::vector<int> Codes(const CHumanManager& user, const std::set<int>& wanted) {
        std::vector<int> out;
        for (const auto& m : user.GetInbox())
            if (wanted.empty() || wanted.count(m.code)) out.push_back(m.code);
        return out;
    }
    static std::set<int> Range(int first, int last) {
        std::set<int> s;
        for (int c = first; c <= last; ++c) s.insert(c);
        return s;
    }
    std::vector<CHumanManager::AdvisorMessage> MessagesFor(int32_t id) {
        std::vector<CHumanManager::AdvisorMessage> out;
        for (const auto& m : User().GetInbox())
            if (m.id == id) out.push_back(m);
        return out;
    }
};

TEST_F(AdvisorsReport, TrainingLevelsDecayAndGainByTheirBands) {
    struct Case {
        const char* what;
        uint8_t level, load;
        double progress;
        uint8_t levelAfter;
        double progressAfter;
    } cases[] = {
        {"level 30 neither decays nor gains without load", 30, 0, 0.5, 30, 0.5},
        {"31..50 decays by 0.05", 40, 0, 0.5, 40, 0.45},
        {"51..70 by 0.1, falling below 0 drops a level", 60, 0, 0.05, 59, 1.0},
        {"71..90 by 0.15", 80, 0, 0.5, 80, 0.35},
        {"91 up by 0.2", 95, 0, 0.5, 95, 0.3},
        {"a light load gains 0.25", 40, 1, 0.5, 40, 0.7},
        {"a heavy load gains more and passes 1.0", 40, 4, 0.5, 41, 0.0},
        {"below 31 a heavy load gains only 0.25", 20, 5, 0.5, 20, 0.75},
        {"71..90 heavy: 0.1 per load above 2", 75, 4, 0.2, 75, 0.05 + 0.25 + 0.2},
        {"level 99 gains nothing", 99, 5, 0.5, 99, 0.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int k = 0; k < 4; ++k) {
            User().m_TrainLevel[size_t(k)] = c.level;
            User().m_TrainLoad[size_t(k)] = c.load;
            User().m_TrainProgress[size_t(k)] = c.progress;
        }
        Report();
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(User().m_TrainLevel[size_t(k)], c.levelAfter);
            EXPECT_NEAR(User().m_TrainProgress[size_t(k)], c.progressAfter, 1e-9);
        }
    }
}

TEST_F(AdvisorsReport, ResultStreaksPostOnlyAtTheirExactCounts) {
    const std::set<int> streakCodes{1, 2, 3, 4, 5, 7, 9, 11};
    // 1 away defeat, 2 away win, 3 home defeat, 4 home win, 5 draw; the
    // newest result is the last.
    struct Case {
        const char* what;
        std::array<uint8_t, 11> results;
        std::vector<int> codes;
    } cases[] = {
        {"four defeats", {0, 0, 0, 0, 0, 4, 5, 1, 3, 1, 3}, {2}},
        {"empty bytes are passed over", {0, 0, 0, 0, 0, 0, 0, 3, 1, 3, 1}, {2}},
        {"three defeats, then a win", {0, 0, 0, 0, 0, 0, 5, 1, 3, 1, 2}, {}},
        {"five defeats", {0, 0, 0, 0, 0, 0, 1, 3, 1, 3, 1}, {}},
        {"ten defeats", {5, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3}, {1}},
        {"eleven defeats", {1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1}, {}},
        {"four wins", {0, 0, 0, 0, 0, 0, 1, 2, 4, 2, 4}, {4}},
        {"ten wins", {3, 2, 4, 2, 4, 2, 4, 2, 4, 2, 4}, {3}},
        {"ten home wins, a draw last", {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5}, {5}},
        {"ten wins, all at home", {1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {3, 5}},
        {"a home defeat ends the home wins", {4, 3, 4, 4, 4, 4, 4, 4, 4, 4, 5}, {}},
        {"ten home defeats", {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5}, {9}},
        {"ten away wins", {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 5}, {7}},
        {"ten away defeats", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5}, {11}},
        {"an away win ends the away defeats", {1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        User().Results() = c.results;
        EXPECT_EQ(Report(streakCodes), c.codes);
    }
}

TEST_F(AdvisorsReport, LeaguePositionByBandsOfTheDivisionsSize) {
    const std::set<int> positionCodes = Range(25, 29);
    struct Case {
        int clubs, position, played;
        std::vector<int> codes;
    } cases[] = {
        {20, 0, 6, {25}},  {20, 1, 6, {26}},  {20, 2, 6, {}},   {20, 3, 6, {27}},  {20, 4, 6, {27}},
        {20, 5, 6, {}},    {20, 15, 6, {}},   {20, 16, 6, {28}}, {20, 18, 6, {28}}, {20, 19, 6, {29}},
        {24, 4, 6, {27}},  {24, 5, 6, {}},    {24, 18, 6, {}},   {24, 19, 6, {28}}, {24, 23, 6, {29}},
        {20, 0, 5, {}},    {20, 19, 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clubs << " clubs, position " << c.position << ", " << c.played
                                        << " played");
        world.GetDivision(0)->SetClubRange(0, uint8_t(c.clubs));
        Own().LeagueRow().m_Position = uint8_t(c.position);
        Own().LeagueRow().m_HomePlayed = c.played / 2;
        Own().LeagueRow().m_AwayPlayed = c.played - c.played / 2;
        EXPECT_EQ(Report(positionCodes), c.codes);
    }
}

TEST_F(AdvisorsReport, ConfidenceAndStressBands) {
    struct Case {
        int value;
        int board, fans, stress;
    } cases[] = {
        {100, 69, 77, 59}, {92, 69, 77, 59}, {91, 69, 77, 58}, {90, 70, 78, 58}, {82, 70, 78, 58},
        {81, 70, 78, 57},  {72, 71, 79, 57}, {71, 71, 79, 56}, {62, 72, 80, 56}, {61, 72, 80, 55},
        {52, 73, 81, 55},  {51, 73, 81, 54}, {41, 74, 82, 54}, {31, 75, 83, 54}, {30, 76, 84, 54},
        {0, 76, 84, 54},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        Boss().m_BoardConfidence = Boss().m_FanConfidence = Boss().m_Discontent = uint8_t(c.value);
        EXPECT_EQ(Report(Range(69, 76)), std::vector<int>{c.board});
        EXPECT_EQ(Report(Range(77, 84)), std::vector<int>{c.fans});
        EXPECT_EQ(Report(Range(54, 59)), std::vector<int>{c.stress});
    }
}

TEST_F(AdvisorsReport, TheManagersBankAccountWithinItsLimits) {
    // A weekly wage of 1000: the limits are 8400, 6000 and 2400.
    Boss().Person().SetWeeklyWage(1000.0);
    struct Case {
        const char* what;
        int balance, previous;
        std::vector<int> codes;
    } cases[] = {
        {"below 8.4 weekly wages overdrawn: nothing", -8401, 0, {}},
        {"at the lowest limit", -8400, 0, {50}},
        {"just above the middle limit", -6001, 0, {50}},
        {"at the middle limit", -6000, 0, {49}},
        {"above the upper limit", -2401, 5, {49}},
        {"freshly overdrawn", -2400, 0, {48}},
        {"still overdrawn", -100, -5, {53}},
        {"back in credit", 5, 0, {52}},
        {"in credit", 5, 3, {53}},
        {"nothing at all", 0, 0, {53}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Boss().m_Savings = c.balance;
        Boss().m_PreviousSavings = c.previous;
        EXPECT_EQ(Report({48, 49, 50, 51, 52, 53}), c.codes);
        for (const auto& m : User().GetInbox())
            if (m.code >= 48 && m.code <= 53) { EXPECT_EQ(m.text1, Own().FormatMoney(c.balance)); }
    }
}

TEST_F(AdvisorsReport, EachSquadPlayerGetsHisNotesInOrder) {
    struct Case {
        const char* what;
        int missed, goals, sendingsOff, bookings, motm, suspensions, run, appearances, suspension, fitness;
        std::vector<int> codes;
    } cases[] = {
        {"nothing to note: his fitness", 0, 0, 0, 0, 0, 0, 0, 0, 0, 95, {107}},
        {"fitness 90", 0, 0, 0, 0, 0, 0, 0, 0, 0, 90, {108}},
        {"fitness 81", 0, 0, 0, 0, 0, 0, 0, 0, 0, 81, {108}},
        {"fitness 80", 0, 0, 0, 0, 0, 0, 0, 0, 0, 80, {109}},
        {"fitness 11", 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, {115}},
        {"fitness 10", 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, {106}},
        {"twenty missed and no condition note", 20, 0, 0, 0, 0, 0, 0, 0, 0, 50, {105}},
        {"ten missed", 10, 0, 0, 0, 0, 0, 0, 0, 0, 50, {104}},
        {"eleven missed: his fitness", 11, 0, 0, 0, 0, 0, 0, 0, 0, 50, {112}},
        {"the five season counters", 0, 20, 10, 5, 20, 10, 0, 0, 0, 50, {169, 173, 177, 178, 182}},
        {"runs of appearances", 0, 0, 0, 0, 0, 0, 3, 10, 0, 50, {186, 188}},
        {"suspended after another note", 10, 5, 0, 0, 0, 0, 0, 0, 2, 50, {104, 171, 161}},
        {"suspended alone", 0, 0, 0, 0, 0, 0, 0, 0, 1, 50, {161}},
        {"counters off their marks", 0, 7, 0, 0, 0, 0, 4, 9, 0, 51, {111}},
    };
    // Slot 3 is the player looked at; the others keep their notes to
    // themselves through their own ids.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPlayer& p = SquadPlayer(3);
        p.m_MissedRun = uint8_t(c.missed);
        p.m_SeasonGoals = uint8_t(c.goals);
        p.m_SeasonSendingsOff = uint8_t(c.sendingsOff);
        p.m_SeasonBookings = uint8_t(c.bookings);
        p.m_SeasonMotm = uint8_t(c.motm);
        p.m_SeasonSuspensions = uint8_t(c.suspensions);
        p.m_AppearanceRun = uint8_t(c.run);
        p.m_SeasonAppearances = uint8_t(c.appearances);
        p.m_Suspension = uint8_t(c.suspension);
        p.Football().m_Fitness = uint8_t(c.fitness);
        Report();
        std::vector<int> codes;
        for (const auto& m : MessagesFor(Own().GetPlayerId(3))) {
            codes.push_back(m.code);
            EXPECT_EQ(m.text1, p.GetName());
        }
        EXPECT_EQ(codes, c.codes);
    }
    // Every man of the squad is known to the user afterwards, and gets a note.
    for (int s = 0; s < 12; ++s) {
        EXPECT_TRUE(SquadPlayer(s).Football().IsKnownBy(0));
        EXPECT_FALSE(MessagesFor(Own().GetPlayerId(s)).empty());
    }
}

TEST_F(AdvisorsReport, TheClubsFinancesAgainstItsReferenceAmount) {
    // The reference amount is 100000.
    struct Case {
        double balance;
        std::vector<int> codes;
    } cases[] = {
        {150001, {116}}, {150000, {117}}, {100001, {117}}, {100000, {118}}, {50001, {118}}, {50000, {119}},
        {1, {119}},      {0, {122}},      {-49999, {122}}, {-50000, {123}}, {-89999, {123}}, {-90000, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "balance " << c.balance);
        Own().SetBankBalance(c.balance);
        EXPECT_EQ(Report(Range(116, 123)), c.codes);
        for (const auto& m : User().GetInbox())
            if (m.code >= 116 && m.code <= 123) { EXPECT_EQ(m.text1, Own().FormatMoney(c.balance)); }
    }
}

TEST_F(AdvisorsReport, TodaysLeagueOpponentsByTableAndForm) {
    world.GetClock().SetMatchDay(10);  // club 0 plays club 1 in the league
    CClub& other = *world.GetClub(1);
    struct Case {
        const char* what;
        int ownPlayed, otherPosition, otherPlayed, otherWins, otherLosses;
        int code;
    } cases[] = {
        {"the leaders", 6, 0, 6, 0, 0, 126},
        {"the top fifth", 6, 1, 6, 0, 0, 127},
        {"the last", 6, 5, 6, 0, 0, 129},
        {"the bottom fifth", 6, 4, 6, 0, 0, 128},
        {"mid-table without a win", 6, 2, 6, 0, 3, 130},
        {"mid-table with two wins", 6, 3, 6, 2, 1, 131},
        {"mid-table with five wins", 6, 2, 7, 5, 0, 132},
        {"mid-table with six wins", 6, 2, 8, 6, 0, 133},
        {"mid-table with too few games: by strength", 6, 2, 5, 6, 0, 137},
        {"our own five games: by strength", 5, 0, 6, 0, 0, 137},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Own().LeagueRow().m_HomePlayed = c.ownPlayed;
        other.LeagueRow().m_HomePlayed = c.otherPlayed;
        other.LeagueRow().m_Position = uint8_t(c.otherPosition);
        *other.GetCurrentForm() = CCurrentForm();
        for (int k = 0; k < c.otherWins; ++k) other.GetCurrentForm()->AddResult(2, 0, 3, 1);
        for (int k = 0; k < c.otherLosses; ++k) other.GetCurrentForm()->AddResult(0, 1, 3, 1);
        const std::vector<int> codes = Report(Range(126, 140));
        ASSERT_EQ(codes, std::vector<int>{c.code});
        EXPECT_TRUE(User().HasMessage(197)) << "today's match: the suggested team";
        for (const auto& m : User().GetInbox()) {
            if (m.code < 126 || m.code > 140) continue;
            if (m.code <= 129) { EXPECT_EQ(m.text1, "Club 1"); }
            if (m.code >= 130 && m.code <= 133) {
                EXPECT_EQ(m.text1, "Club 1");
                EXPECT_EQ(m.text2, std::to_string(c.otherWins));
                EXPECT_EQ(m.text3, std::to_string(c.otherLosses));
            }
            if (m.code >= 134) { EXPECT_EQ(m.text2, "Club 1"); }
        }
    }
}

TEST_F(AdvisorsReport, OtherOpponentsByTheDifferenceInStrength) {
    world.GetClock().SetMatchDay(10);
    Own().SetPopularityIndex(50);
    struct Case {
        int d, code;
    } cases[] = {{41, 140}, {40, 139}, {21, 139}, {20, 138}, {11, 138}, {10, 137}, {-9, 137},
                 {-10, 136}, {-19, 136}, {-20, 135}, {-29, 135}, {-30, 134}, {-50, 134}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "d = " << c.d);
        world.GetClub(1)->SetPopularityIndex(uint8_t(50 - c.d));
        EXPECT_EQ(Report(Range(126, 140)), std::vector<int>{c.code});
    }
    // Nothing about opponents on a day without a match.
    world.GetClock().SetMatchDay(11);
    EXPECT_TRUE(Report(Range(126, 140)).empty());
    EXPECT_FALSE(User().HasMessage(197));
}

TEST_F(AdvisorsReport, TheOpeningGameAndTheStaffsRemark) {
    world.GetClock().SetMatchDay(10);
    Report();
    const auto inbox = User().GetInbox();
    auto opening = std::find_if(inbox.begin(), inbox.end(), [](const auto& m) { return m.code == 224; });
    ASSERT_NE(opening, inbox.end());
    EXPECT_EQ(opening->text1, "Club 1");
    EXPECT_EQ(Report(Range(151, 154)).size(), 1u) << "one remark a day";

    Own().LeagueRow().m_AwayPlayed = 1;
    EXPECT_TRUE(Report({224}).empty()) << "a league game played";
    Own().LeagueRow().m_AwayPlayed = 0;
    world.GetClock().SetMatchDay(11);
    EXPECT_TRUE(Report({224}).empty()) << "no league match today";
    EXPECT_EQ(Report(Range(151, 154)).size(), 1u);
}

TEST_F(AdvisorsReport, FriendliesOnTheDivisionsFriendlySlots) {
    CDivision& div = *world.GetDivision(0);
    for (int k = 0; k < 4; ++k) div.SetCalendarSlot(20 + k, uint8_t(CDivision::kFriendly0 + k));
    struct Case {
        const char* what;
        int day;
        int arranged;  // slot with a friendly, -1 none
        std::vector<int> codes;
    } cases[] = {
        {"today's friendly, the first", 21, 1, {212}},
        {"a friendly on an earlier slot", 22, 1, {}},
        {"none arranged, slot 2", 22, -1, {222}},
        {"none arranged, slot 3", 23, -1, {223}},
        {"none arranged, slot 1", 21, -1, {}},
        {"not a friendly day", 11, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        world.GetClock().SetMatchDay(c.day);
        Own().ResetFriendlies();
        if (c.arranged >= 0) {
            Own().SetFriendly(c.arranged, 3, 0);
            if (c.day - 20 > c.arranged) Own().SetFriendly(c.day - 20, 4, 0);
        }
        EXPECT_EQ(Report({212, 222, 223}), c.codes);
        for (const auto& m : User().GetInbox())
            if (m.code == 212) { EXPECT_EQ(m.text1, Own().GetFriendlyOpponentName(c.day - 20)); }
    }
}

TEST_F(AdvisorsReport, OneWelcomePerUserOnTheGamesFirstDay) {
    MakeUser(*world.GetClub(2), 3);
    MakeUser(*world.GetClub(4), 6);
    struct Case {
        const char* what;
        int year, month, day, week, season;
        std::vector<int> codes;
    } cases[] = {
        {"a Saturday", 1999, 8, 7, 0, 0, {198}},
        {"a Tuesday", 1999, 8, 10, 0, 0, {199}},
        {"the second week", 1999, 8, 14, 1, 0, {}},
        {"a later season", 2000, 8, 5, 0, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        world.GetClock().Set(c.week, 11, c.season, c.year, c.month, c.day);
        for (int u : {0, 3, 6}) User(u).ClearMessages();
        world.RestoreCurrentUser(3);
        world.GetUserList().UpdateAdvisors();
        EXPECT_EQ(world.GetCurrentUserIndex(), 3);
        for (int u : {0, 3, 6}) {
            SCOPED_TRACE(testing::Message() << "user " << u);
            EXPECT_EQ(Codes(User(u), {198, 199}), c.codes);
            for (const auto& m : User(u).GetInbox())
                if (m.code == 198 || m.code == 199) { EXPECT_EQ(m.text1, User(u).GetClubName()); }
        }
    }
    EXPECT_NE(User(0).GetClubName(), User(3).GetClubName());
}

TEST_F(AdvisorsReport, AManagerWithoutAJobHearsNothing) {
    User().m_TrainLevel.fill(60);
    User().m_TrainLoad.fill(3);
    User().m_TrainProgress.fill(0.5);
    User().Results() = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5};
    Boss().LeaveClub(world.GetTime());
    Own().SetManagerIndex(-1);
    EXPECT_TRUE(Report().empty());
    EXPECT_EQ(User().m_TrainLevel[0], 60);
    EXPECT_EQ(User().m_TrainProgress[0], 0.5);
}

}  // namespace
}  // namespace clubtest
