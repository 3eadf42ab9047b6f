// The division's queries and season work over a small world of clubs.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/division.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/trophyhistory.h"
#include "soccerclasses/transferhistory.h"
#include "soccerclasses/worlddata.h"

namespace {

class DivisionWithClubs : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 8; ++i) {
            auto club = std::make_unique<CClub>();
            club->SetName("Club " + std::to_string(i));
            if (i != 5) {  // club 5 has no manager
                auto m = std::make_unique<CManager>();
                m->m_Person.Set("A", "Boss" + std::to_string(i), 45, 1);
                club->SetManagerIndex(world.GetManagerList().Add(std::move(m)));
            }
            world.GetClubList().AddRealClub(std::move(club));
        }
        world.SetClubCount(8);
        division.SetName("League");
        division.SetClubRange(0, 8);
        division.m_AutoPromotion = 2;
        division.m_ExchangeCount = 2;
        division.StartNewSeason();
    }
    CClub* Club(int i) { return world.GetClub(i); }
    CManager* Manager(int club) { return Club(club)->GetManagerObject(); }

    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    CDivision division;
};

TEST_F(DivisionWithClubs, NewSeasonPlacesClubsInOrder) {
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Club(i)->LeagueRow().m_Position, i);
        EXPECT_EQ(division.GetClubIndexAtPosition(i), i);
    }
    EXPECT_EQ(division.GetBottomClubIndex(), 7);
    EXPECT_EQ(division.GetClubIndexAtPosition(8), -1);
    Club(6)->LeagueRow().m_Points = 20;
    Club(2)->LeagueRow().m_Points = 14;
    EXPECT_EQ(division.GetPointsAtPosition(6), 20);
    // Fewer than 14 clubs: safety is position count - 3.
    EXPECT_EQ(division.GetPointsGapToSafety(2), 0 - 14);
}

TEST_F(DivisionWithClubs, RandomClubs) {
    platform::SeedRandom(4);
    for (int i = 0; i < 200; ++i) {
        int c = division.GetRandomOtherClub(3);
        EXPECT_TRUE(c != 3 && division.HoldsClub(c));
        int n = division.GetRandomNonHumanClub(3);
        EXPECT_TRUE(n != 3 && division.HoldsClub(n));
    }
    CDivision one;
    one.SetClubRange(0, 1);
    EXPECT_EQ(one.GetRandomOtherClub(0), -1);
}

TEST_F(DivisionWithClubs, ManagerOfTheMonth) {
    division.m_DaysSinceAward = 1;
    Manager(0)->m_CampaignPoints = 9;
    EXPECT_EQ(division.AwardManagerOfTheMonth(), -1);
    EXPECT_EQ(division.m_DaysSinceAward, 1);  // too soon: nothing, the counter kept
    EXPECT_EQ(Manager(0)->m_CampaignPoints, 9);

    division.m_DaysSinceAward = 4;
    Manager(0)->m_CampaignPoints = 0;
    Manager(2)->m_CampaignPoints = 3;
    Manager(2)->m_CampaignGoalsFor = 1;
    Manager(4)->m_CampaignPoints = 3;
    Manager(4)->m_CampaignGoalsFor = 2;
    Manager(6)->m_CampaignPoints = 3;
    Manager(6)->m_CampaignGoalsFor = 2;  // level with club 4: the first in club order keeps it
    int winner = division.AwardManagerOfTheMonth();
    EXPECT_EQ(winner, Club(4)->GetManager());
    EXPECT_EQ(division.m_DaysSinceAward, 0);
    ASSERT_EQ(division.m_ManagersOfTheMonth.GetSize(), 1);
    EXPECT_EQ(division.m_ManagersOfTheMonth.GetAt(0)->m_Club, "Club 4");
    EXPECT_EQ(division.m_NewsPaperEvents.m_ManagerOfTheMonth, winner);
    for (int c : {0, 1, 2, 3, 4, 6, 7}) EXPECT_EQ(Manager(c)->m_CampaignPoints + Manager(c)->m_CampaignGoalsFor, 0);

    // A month in which nobody earned anything names nobody.
    division.m_DaysSinceAward = 4;
    EXPECT_EQ(division.AwardManagerOfTheMonth(), -1);
    EXPECT_EQ(division.m_ManagersOfTheMonth.GetSize(), 1);
}

TEST_F(DivisionWithClubs, AHumanManagerOfTheMonthIsTold) {
    ScriptedUserPort port;
    Manager(3)->m_IsHuman = 1;
    Manager(3)->m_CampaignPoints = 6;
    division.m_DaysSinceAward = 3;
    EXPECT_EQ(division.AwardManagerOfTheMonth(), Club(3)->GetManager());
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_TRUE(port.AskedText("The League Manager Of The Month for "));
    EXPECT_TRUE(port.AskedText("(Club 3)."));
    Manager(1)->m_CampaignPoints = 6;
    division.m_DaysSinceAward = 3;
    division.AwardManagerOfTheMonth();
    EXPECT_EQ(port.Boxes().size(), 1u);  // a computer manager's award is not shown
}

TEST_F(DivisionWithClubs, LeagueTableRowsAndColours) {
    RecordingListRows rows;
    Club(3)->LeagueRow().AddHomeResult(2, 0, 3, 1, 0);
    division.m_PromotionPlayOffClubs = 2;
    division.FillLeagueTable(rows, nullptr);
    ASSERT_EQ(rows.Rows().size(), 8u);
    const uint32_t expected[] = {65535, 65535, 0xFFFF00, 0xFFFF00, 0xFFFFFF, 0xFFFFFF, 65280, 65280};
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(rows.Rows()[static_cast<size_t>(p)].colour, expected[p]) << p;
        EXPECT_EQ(rows.Rows()[static_cast<size_t>(p)].cells[0], std::to_string(p + 1));
    }
    EXPECT_EQ(rows.Rows()[3].cells[1], "Club 3");
    EXPECT_EQ(rows.Rows()[3].cells[3], "1");
    EXPECT_EQ(rows.Rows()[3].cells[9], "3");
}

TEST(ListFills, HonoursShowTheirPictureAndDetailColumn) {
    CTrophyHistoryList list;
    list.AddWinnerHonour("Premier League", "Club", "1999-00", 2, 0);
    list.AddRunnerUpHonour("England Cup", "Club", "2000-01", 9, 1);
    RecordingListRows rows;
    list.FillListControl(rows);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells[0], "gfx\\trophies\\division\\trophy02.bmp");
    EXPECT_EQ(rows.Rows()[0].cells[2], "1999-00");
    EXPECT_EQ(rows.Rows()[1].cells[0], "gfx\\trophies\\cup\\trophy09.bmp");
    EXPECT_EQ(rows.Rows()[1].cells[2], "");
    EXPECT_EQ(rows.Rows()[1].cells[3], "2000-01");
}

TEST(ListFills, TransferLogRowsKnowTheirPlayerOnlyWhileHeIsThere) {
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    CTransferHistoryList log;
    log.Add("J. Gone", "Old Town", 0.0, "New City", 0);
    log.Add("K. Paid", "Old Town", -5.0, "New City", 40000);
    RecordingListRows rows;
    log.FillList(rows, nullptr);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells[0], "New City");
    EXPECT_EQ(rows.Rows()[0].cells[3], "Free Transfer");
    EXPECT_EQ(rows.Rows()[1].cells[3], "Free Transfer");
    EXPECT_EQ(rows.Rows()[1].data1, 0u);
    CPlayerTransferHistoryList moves;
    moves.Add("Sat 03 Jul 99", 0.0, "Old Town");
    moves.Add("Tue 06 Jul 99", 1500.0, "New City");
    moves.FillListControl(rows, nullptr);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells[2], "FREE");
    EXPECT_NE(rows.Rows()[1].cells[2], "FREE");
    EXPECT_EQ(rows.Rows()[1].colour, 0x0080FFu);
}

}  // namespace

#include "records_roundtrip.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/referee.h"

namespace {

TEST_F(DivisionWithClubs, CalendarFromTheClock) {
    for (int s = 0; s < CDivision::kSlots; ++s) division.SetCalendarSlot(s, CDivision::kNoMatch);
    division.SetCalendarSlot(1, CDivision::kSeasonFirst);
    division.SetCalendarSlot(4, 209);
    for (int m = 1; m <= 14; ++m) division.SetCalendarSlot(5 + m, static_cast<uint8_t>(m));
    division.SetCalendarSlot(103, CDivision::kSeasonLast);
    world.GetClock().Set(0, 0, 0, 1999, 7, 3);
    CMatchTime t;
    ASSERT_TRUE(division.GetMarkerDate(t, 1));
    EXPECT_EQ(t.GetMatchDay(), 4);
    EXPECT_EQ(division.GetMarkerDateText(1), "Sat 17 Jul 99");
    EXPECT_FALSE(division.GetMarkerDate(t, 2));  // no such day: the walk ends
    EXPECT_EQ(division.GetMarkerDateText(2), "");
    CMatchTime last = world.GetMatchTime();
    last.StepToMatchDay(103, 0);
    CMatchTime same = last;
    division.StepForward(same);
    EXPECT_EQ(same.GetMatchDay(), 103);
    CMatchTime first = world.GetMatchTime();
    first.StepToMatchDay(1, 0);
    division.m_Fixtures.CreateBlank(4);
    division.StepBack(first);
    EXPECT_EQ(first.GetMatchDay(), 1);
}

TEST_F(DivisionWithClubs, ResultsOfASlot) {
    CExtByteArray schedule = recordtest::RoundRobin(8);
    for (int s = 0; s < CDivision::kSlots; ++s) division.SetCalendarSlot(s, CDivision::kNoMatch);
    division.SetCalendarSlot(10, 1);
    division.SetCalendarSlot(12, 2);
    division.SetUp(&schedule);
    auto pairs = division.GetPairsForSlot(10);
    ASSERT_EQ(pairs.size(), 4u);
    for (size_t j = 0; j < pairs.size(); ++j) {
        CFixture* f = division.m_Fixtures.GetAt(static_cast<int>(j));
        ASSERT_TRUE(f->Set(0, static_cast<int16_t>(pairs[j].first), static_cast<int16_t>(pairs[j].second), 5, 3, 0));
        f->m_HomeGoals = static_cast<uint8_t>(j);
    }
    world.GetClock().Set(0, 0, 0, 1999, 7, 3);
    world.GetClock().StepToMatchDay(11, 0);
    CSoccerResultList lines;
    division.GetResultsForSlot(10, lines);
    ASSERT_EQ(lines.GetSize(), 4);
    EXPECT_EQ(lines.GetAt(2)->m_HomeName, "Club " + std::to_string(pairs[2].first));
    EXPECT_EQ(lines.GetAt(2)->m_HomeGoals, 2);
    division.GetResultsForSlot(12, lines);  // not yet played
    ASSERT_EQ(lines.GetSize(), 4);
    EXPECT_FALSE(lines.GetAt(0)->HasScore());
    division.GetResultsForSlot(11, lines);
    EXPECT_EQ(lines.GetSize(), 0);
}

}  // namespace

#include "soccerclasses/player.h"

namespace {

TEST_F(DivisionWithClubs, TeamOfTheWeekTakesTheClubsPlayer) {
    auto p = std::make_unique<CPlayer>();
    p->m_Person.Set("J", "Keeper", 25, 1);
    int index = world.GetPlayerList().Add(std::move(p));
    Club(2)->SetPlayerId(0, static_cast<uint16_t>(index));
    CTeamOfTheWeek team;
    team.Reset();
    platform::SeedRandom(8);
    // With ability and skill above the empty place's, the draw decides.
    const CPlayer* player = world.GetPlayer(index);
    bool better = player->m_Football.GetPositionSkill() > 0;
    bool taken = false;
    for (int i = 0; i < 50 && !taken; ++i) taken = team.Consider(0, 0, *Club(2));
    EXPECT_EQ(taken, better);
    if (taken) {
        EXPECT_EQ(team.GetEntry(0)->m_Player, player->GetName());
        EXPECT_EQ(team.GetEntry(0)->m_Club, "Club 2");
    }
    EXPECT_FALSE(team.Consider(0, 1, *Club(2)));  // an empty squad slot
    EXPECT_FALSE(team.Consider(11, 0, *Club(2)));
}

}  // namespace

#include "platform/trace.h"

namespace {

TEST_F(DivisionWithClubs, SeasonEndAndRecordsReset) {
    // Long contracts: no manager comes up for review at these season ends.
    for (int i = 0; i < 8; ++i)
        if (Manager(i)) Manager(i)->m_Person.SetContractYears(9);
    EXPECT_FALSE(division.EndOfSeason());
    Manager(6)->m_IsHuman = 1;
    {
        platform::TraceCapture trace;
        EXPECT_TRUE(division.EndOfSeason());
        EXPECT_FALSE(trace.Contains("two clubs at the top"));
        Club(4)->LeagueRow().m_Position = 0;
        division.EndOfSeason();
        EXPECT_TRUE(trace.Contains("two clubs at the top"));
    }
    Club(4)->LeagueRow().AddHomeResult(3, 0, 3, 1, 0);
    division.m_ManagersOfTheMonth.Add("Sep 99", "X", "Y");
    division.ResetClubSeasonRecords();
    EXPECT_EQ(Club(4)->LeagueRow().m_Position, 4);
    EXPECT_EQ(Club(4)->LeagueRow().m_Points, 0);
    EXPECT_EQ(Club(4)->LeagueRow().m_WinRun, 1);  // runs carry over
    EXPECT_EQ(division.m_ManagersOfTheMonth.GetSize(), 0);
}

}  // namespace

namespace {

TEST_F(DivisionWithClubs, ClockCountsValuesAndStrength) {
    for (int s = 0; s < CDivision::kSlots; ++s) division.SetCalendarSlot(s, CDivision::kNoMatch);
    division.SetCalendarSlot(9, 210);
    division.SetCalendarSlot(40, CDivision::kLeagueEnd);
    world.GetClock().Set(0, 0, 0, 1999, 7, 3);
    world.GetClock().StepToMatchDay(4, 0);
    EXPECT_EQ(division.CountMatchDaysToFriendlyDay(), 5);
    EXPECT_EQ(division.CountToSeasonEnd(), 9);  // 36 match days, in fours
    division.SetUp(nullptr);
    division.m_ClubValues.SetAt(3, 7);
    division.m_ClubValues.SetAt(6, 7);
    CExtDWordArray clubs;
    division.CollectClubsByValue(7, clubs);
    EXPECT_EQ(clubs.GetSize(), 2);
    EXPECT_EQ(clubs.GetAt(1), 6u);
    EXPECT_EQ(division.GetDivisionStrength(), nullptr);  // the empty world has none
}

}  // namespace

#include "platform/files.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/playersearch.h"
#include "support/test_env.h"

namespace {

class DivisionWithSquads : public DivisionWithClubs {
protected:
    // A player of `position` in the club's next free slot; his world index.
    int AddPlayer(int club, int position, uint8_t goals) {
        auto p = std::make_unique<CPlayer>();
        p->m_Person.Set("P", "Player" + std::to_string(world.GetPlayerList().GetSize()), 25, 1);
        p->m_Football.SetPosition(position, false);
        p->m_SeasonGoals = goals;
        const int index = world.GetPlayerList().Add(std::move(p));
        int slot = 0;
        while (Club(club)->GetPlayerId(slot) != 0xFFFF) ++slot;
        Club(club)->SetPlayerId(slot, static_cast<uint16_t>(index));
        return index;
    }
};

TEST_F(DivisionWithSquads, ListFillsAddRowsWithoutClearing) {
    AddPlayer(0, CSoccerPlayer::kGoalkeeper, 5);  // a keeper is no scorer
    AddPlayer(0, 3, 2);
    AddPlayer(5, 3, 1);  // one goal is not enough
    AddPlayer(5, 2, 7);
    RecordingListRows rows;
    rows.AddRow("earlier", 0, 0, 0);

    division.FillManagerList(rows);
    ASSERT_EQ(rows.Rows().size(), 8u);  // seven managed clubs after the row already there
    EXPECT_EQ(rows.Rows()[0].cells[0], "earlier");
    EXPECT_EQ(rows.Rows()[1].data1, reinterpret_cast<uintptr_t>(Manager(0)));

    RecordingListRows scorers;
    division.FillTopScorerList(scorers);
    ASSERT_EQ(scorers.Rows().size(), 2u);
    EXPECT_EQ(scorers.Rows()[0].cells[2], "Club 0");
    EXPECT_EQ(scorers.Rows()[1].cells[2], "Club 5");
    EXPECT_EQ(scorers.Rows()[1].cells[5], "7");

    RecordingListRows discipline;
    division.FillDisciplineList(discipline);
    EXPECT_EQ(discipline.Rows().size(), 0u);  // no club has played yet
    Club(5)->LeagueRow().AddHomeResult(2, 0, 3, 1, 0);
    Club(5)->LeagueRow().AddHomeResult(1, 1, 3, 1, 0);
    division.FillDisciplineList(discipline);
    ASSERT_EQ(discipline.Rows().size(), 2u);  // each player of the club that has
    EXPECT_EQ(discipline.Rows()[0].cells[2], "2");  // its league games

    world.GetPlayer(AddPlayer(2, 1, 0))->m_SeasonMotm = 2;
    RecordingListRows motm;
    division.FillPlayerCountList(motm);
    ASSERT_EQ(motm.Rows().size(), 1u);
    EXPECT_EQ(motm.Rows()[0].cells[3], "2");

    RecordingListRows months;
    division.m_ManagersOfTheMonth.Add("August", "A Boss1", "Club 1");
    division.FillManagerOfTheMonthList(months);
    ASSERT_EQ(months.Rows().size(), 1u);
    EXPECT_EQ(months.Rows()[0].cells[2], "Club 1");
}

TEST_F(DivisionWithSquads, SearchListSkipsClubsWithoutManager) {
    // A player's value, which the search reads, comes from the money table.
    platform::SetInstallFolder(testenv::GameDir());
    CSkillMoneyValueList money(CSkillMoneyValueList::kFile);
    InstallPeopleTables(nullptr, &money, nullptr);
    struct Uninstall {
        ~Uninstall() {
            InstallPeopleTables(nullptr, nullptr, nullptr);
            platform::ResetFolders();
        }
    } uninstall;
    CPlayerSearch everyone;
    everyone.m_Option1 = 4;  // any player
    for (int i = 0; i < 4; ++i) everyone.SetPositionFlag(i, 1);
    for (int c : {0, 3, 5}) AddPlayer(c, 2, 0);
    RecordingListRows rows;
    division.FillPlayerSearchList(rows, everyone);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells[1], "Club 0");
    EXPECT_EQ(rows.Rows()[1].cells[1], "Club 3");
}

TEST_F(DivisionWithSquads, BuyerIsARichComputerClub) {
    const int player = AddPlayer(0, 2, 0);
    platform::SeedRandom(11);
    EXPECT_EQ(division.FindBuyerClub(player, 0, 1000.0), -1);  // no club can pay
    EXPECT_EQ(division.FindBuyerClub(9999, 0, 0.0), -1);       // no such player

    Club(4)->SetBankBalance(1e6);
    Club(6)->SetBankBalance(1e6);
    Manager(6)->m_IsHuman = 1;  // a human's club is never asked
    Club(0)->SetBankBalance(1e6);  // nor the seller
    int found = 0;
    for (int seed = 0; seed < 40; ++seed) {
        platform::SeedRandom(static_cast<uint32_t>(seed));
        const int buyer = division.FindBuyerClub(player, 0, 1000.0);
        EXPECT_TRUE(buyer == -1 || buyer == 4) << buyer;
        found += buyer == 4;
    }
    // Twelve draws among seven clubs miss one club about one time in six.
    EXPECT_GT(found, 25);
}

TEST_F(DivisionWithSquads, OfferGoesToAboutHalfTheOtherClubs) {
    platform::SeedRandom(3);
    int tried = 0;
    for (int i = 0; i < 200; ++i) {
        // No such player: every approach fails, so every club is reached.
        const int n = division.OfferPlayerToClubs(9999, 2);
        EXPECT_LE(n, 7);
        tried += n;
    }
    EXPECT_NEAR(tried / 200.0, 3.5, 0.4);
}

TEST_F(DivisionWithClubs, MatchInformationOfAFixture) {
    CFixture f;
    ASSERT_TRUE(f.Set(CFixture::kCupHome, 3, -1, 4, 2, 0));
    CFixtureInfo info;
    info.extraFlag = 14;
    info.awayName = "kept";
    f.FillMatchInfo(info);
    EXPECT_EQ(info.home, 3);
    EXPECT_EQ(info.away, -1);
    EXPECT_EQ(info.homeName, "Club 3");
    EXPECT_EQ(info.awayName, "kept");  // a non-league name is the cup's to give
    EXPECT_EQ(info.substitutes, 4);
    EXPECT_EQ(info.substitutions, 2);
    EXPECT_EQ(info.extraFlag, 0);
}

}  // namespace

namespace {

TEST_F(DivisionWithClubs, EveryAwardCheckClearsAllThreeCampaignCounters) {
    division.m_DaysSinceAward = 4;
    Manager(1)->m_CampaignPoints = 4;
    Manager(1)->m_CampaignGoalsFor = 6;
    Manager(1)->m_CampaignGoalsAgainst = 3;
    Manager(2)->m_CampaignGoalsAgainst = 9;  // conceded without a point: not the winner, still cleared
    EXPECT_EQ(division.AwardManagerOfTheMonth(), Club(1)->GetManager());
    for (int c : {1, 2}) {
        EXPECT_EQ(Manager(c)->m_CampaignPoints, 0) << c;
        EXPECT_EQ(Manager(c)->m_CampaignGoalsFor, 0) << c;
        EXPECT_EQ(Manager(c)->m_CampaignGoalsAgainst, 0) << c;
    }
}

}  // namespace
