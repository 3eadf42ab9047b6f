#include "soccerclasses/tabledata.h"

#include <gtest/gtest.h>

#include "records_roundtrip.h"
#include "soccerclasses/extdwordarray.h"

namespace {

struct Result {
    int h, a, w, d, s;
    // Expected for the home row and the away row: won, drawn, lost, points.
    int homeW, homeD, homeL, homePts, awayW, awayD, awayL, awayPts;
};

TEST(TableData, ResultRulesForDrawsAndShootouts) {
    const Result cases[] = {
        {2, 2, 3, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1},  // draws allowed: both drawn
        {1, 1, 3, 0, 1, 1, 0, 0, 3, 0, 0, 1, 0},  // no draws, home won the shoot-out
        {1, 1, 3, 0, 0, 0, 0, 1, 0, 1, 0, 0, 3},  // no draws, away won it
        {3, 1, 2, 1, 0, 1, 0, 0, 2, 0, 0, 1, 0},  // plain home win
        {0, 2, 3, 1, 0, 0, 0, 1, 0, 1, 0, 0, 3},  // plain away win
    };
    for (const auto& c : cases) {
        CTableData home, away;
        home.AddHomeResult(c.h, c.a, static_cast<uint8_t>(c.w), c.d, static_cast<uint8_t>(c.s));
        away.AddAwayResult(c.h, c.a, static_cast<uint8_t>(c.w), c.d, static_cast<uint8_t>(c.s));
        SCOPED_TRACE(testing::Message() << c.h << "-" << c.a << " d=" << c.d << " s=" << c.s);
        EXPECT_EQ(home.GetWon(), c.homeW);
        EXPECT_EQ(home.GetDrawn(), c.homeD);
        EXPECT_EQ(home.GetLost(), c.homeL);
        EXPECT_EQ(home.m_Points, c.homePts);
        EXPECT_EQ(away.GetWon(), c.awayW);
        EXPECT_EQ(away.GetDrawn(), c.awayD);
        EXPECT_EQ(away.GetLost(), c.awayL);
        EXPECT_EQ(away.m_Points, c.awayPts);
        EXPECT_EQ(home.m_HomePlayed, 1);
        EXPECT_EQ(away.m_AwayPlayed, 1);
        EXPECT_EQ(home.GetGoalsFor(), c.h);
        EXPECT_EQ(away.GetGoalsFor(), c.a);
    }
}

TEST(TableData, RunsFollowResults) {
    CTableData r;
    r.AddHomeResult(2, 0, 3, 1, 0);
    r.AddAwayResult(1, 2, 3, 1, 0);
    EXPECT_EQ(r.m_WinRun, 2);
    EXPECT_EQ(r.m_UnbeatenRun, 2);
    r.AddHomeResult(2, 2, 3, 1, 0);
    EXPECT_EQ(r.m_WinRun, 0);
    EXPECT_EQ(r.m_UnbeatenRun, 3);
    EXPECT_EQ(r.m_NoWinRun, 1);
    EXPECT_EQ(r.m_HomeUnbeatenRun, 2);
    r.AddAwayResult(3, 0, 3, 1, 0);
    EXPECT_EQ(r.m_LoseRun, 1);
    EXPECT_EQ(r.m_UnbeatenRun, 0);
    EXPECT_EQ(r.m_NoWinRun, 2);
    EXPECT_EQ(r.m_AwayLoseRun, 1);
    EXPECT_EQ(r.m_AwayWinRun, 0);
    // A new season keeps the runs.
    r.Reset(4);
    EXPECT_EQ(r.GetPlayed(), 0);
    EXPECT_EQ(r.m_Points, 0);
    EXPECT_EQ(r.m_Position, 4);
    EXPECT_EQ(r.m_LoseRun, 1);
}

struct Row {
    int points, gf, ga;
};

// The club order after sorting rows given in club order 0, 1, 2 ...
std::vector<int> Order(const std::vector<Row>& rows) {
    CTableDataList list;
    list.CreateRows(static_cast<int>(rows.size()));
    CExtDWordArray clubs;
    for (size_t i = 0; i < rows.size(); ++i) clubs.Add(static_cast<uint32_t>(i));
    list.SetClubs(clubs);
    for (size_t i = 0; i < rows.size(); ++i) {
        CTableData* r = list.GetAt(static_cast<int>(i));
        r->m_Points = static_cast<uint8_t>(rows[i].points);
        r->m_HomeFor = static_cast<uint8_t>(rows[i].gf / 2);
        r->m_AwayFor = static_cast<uint8_t>(rows[i].gf - rows[i].gf / 2);
        r->m_HomeAgainst = static_cast<uint8_t>(rows[i].ga / 2);
        r->m_AwayAgainst = static_cast<uint8_t>(rows[i].ga - rows[i].ga / 2);
    }
    list.Sort();
    std::vector<int> order;
    for (int i = 0; i < list.GetSize(); ++i) {
        EXPECT_EQ(list.GetAt(i)->m_Position, i);
        order.push_back(list.GetAt(i)->m_Club);
    }
    return order;
}

TEST(TableData, TableOrderAndTieRules) {
    struct Case {
        const char* what;
        std::vector<Row> rows;
        std::vector<int> order;
    } cases[] = {
        {"points first", {{40, 30, 10}, {41, 10, 15}}, {1, 0}},
        {"then goal difference", {{40, 20, 15}, {40, 30, 20}}, {1, 0}},
        {"then goals", {{40, 30, 20}, {40, 31, 21}}, {1, 0}},
        {"level rows reversed", {{40, 30, 20}, {40, 30, 20}, {40, 30, 20}}, {2, 1, 0}},
        {"goals taken modulo 256", {{40, 300, 290}, {40, 50, 40}}, {1, 0}},
        {"mixed", {{10, 5, 5}, {30, 9, 2}, {30, 9, 1}, {20, 1, 1}}, {2, 1, 3, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(Order(c.rows), c.order) << c.what;
}

TEST(TableData, SavesThirtyBytesWinningRunBeforeLosingRun) {
    CTableData r;
    r.m_Club = 513;
    r.AddHomeResult(4, 1, 3, 1, 0);
    r.m_LoseRun = 9;  // not reachable by play; marks the field
    r.m_Position = 6;
    auto bytes = recordtest::Write([&](FILE* f) { r.Save(f); });
    ASSERT_EQ(bytes.size(), 30u);
    EXPECT_EQ(bytes[0] + 256 * bytes[1], 513);
    EXPECT_EQ(bytes[4], 1);    // home played
    EXPECT_EQ(bytes[8], 4);    // home goals for
    EXPECT_EQ(bytes[26], 1);   // winning run
    EXPECT_EQ(bytes[27], 9);   // losing run
    EXPECT_EQ(bytes[28], 6);
    EXPECT_EQ(bytes[29], 3);
    CTableData back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
}

}  // namespace

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/worlddata.h"

namespace {

class GroupTable : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) world.GetClubList().AddRealClub(std::make_unique<CClub>());
        table.CreateRows(3);
        CExtDWordArray clubs;
        for (uint32_t c : {2u, 0u, 1u}) clubs.Add(c);
        table.SetClubs(clubs);
    }
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    CTableDataList table;
};

TEST_F(GroupTable, GroupResultsCountOnlyPlayedMatches) {
    CFixture f(1, 0, 1, 5, 3, 0);
    f.m_HomeGoals = 2;
    f.m_AwayGoals = 2;
    table.AddGroupResult(f);  // not prepared yet: nothing
    EXPECT_EQ(table.FindClubRow(0)->GetPlayed(), 0);

    f.m_ScriptLength = 91;
    table.AddGroupResult(f);
    EXPECT_EQ(table.FindClubRow(0)->m_Points, 1);
    EXPECT_EQ(table.FindClubRow(1)->m_Points, 1);
    EXPECT_EQ(table.FindClubRow(0)->m_HomeDrawn, 1);
    EXPECT_EQ(table.FindClubRow(1)->m_AwayDrawn, 1);

    f.m_AwayGoals = 3;
    table.AddGroupResult(f);
    EXPECT_EQ(table.FindClubRow(1)->m_Points, 4);
    EXPECT_EQ(table.FindClubRow(0)->m_HomeLost, 1);
    EXPECT_EQ(table.FindClubRow(2)->GetPlayed(), 0);
}

TEST_F(GroupTable, LeagueBonusTakesAShareOfTheLeaguePoints) {
    struct Case {
        uint8_t percent;
        bool accepted;
        int gained;  // by a club with 33 league points
    } cases[] = {{0, true, 0}, {25, true, 8}, {50, true, 16}, {100, true, 33}, {75, false, 0}, {10, false, 0}};
    for (const Case& c : cases) {
        table.ResetAll();
        world.GetClub(0)->LeagueRow().m_Points = 33;
        world.GetClub(2)->LeagueRow().m_Points = 250;
        table.FindClubRow(2)->m_Points = 10;
        EXPECT_EQ(table.AddLeagueBonus(c.percent), c.accepted) << int(c.percent);
        EXPECT_EQ(table.FindClubRow(0)->m_Points, c.gained) << int(c.percent);
        EXPECT_EQ(table.FindClubRow(1)->m_Points, 0) << int(c.percent);
        // A byte total never wraps.
        if (c.percent == 100) {
            EXPECT_EQ(table.FindClubRow(2)->m_Points, 255);
        }
    }
}

}  // namespace
