#include "soccerclasses/cup.h"

#include <gtest/gtest.h>

#include "records_roundtrip.h"

namespace {

struct Def {
    CCup cup;
    std::vector<CupNonLeagueRecord> nonLeague;
    std::vector<uint8_t> names;
};

Def SampleDefinition() {
    Def d;
    d.cup.m_Name = "Challenge Cup";
    d.cup.m_Venues.SetSizeAndFill(CCup::kVenues, 0);
    d.cup.m_Venues.SetAt(0, 12);
    d.cup.m_PreviousResults = {3, 7, -1, -1};
    d.cup.m_ShieldIndex = 2;
    d.cup.m_RecordRole = 4;
    CupNonLeagueRecord nl;
    nl.name = "Village Wanderers";
    nl.stadium = 30;
    nl.homeKit = {1, 2, 3, 4, 5, 6, 7, 8};
    d.nonLeague = {nl, nl};
    d.nonLeague[1].name = "Town Amateurs";
    struct R { uint8_t name, entrants, kind, draw, match, replay; } rounds[] = {
        {5, 40, 0, 10, 14, 16}, {9, 20, 0, 20, 24, 26}, {37, 8, 1, 40, 44, 255}, {45, 2, 24, 60, 70, 255}};
    for (auto r : rounds) {
        auto round = std::make_unique<CCupRound>();
        round->m_Entrants = r.entrants;
        round->m_Kind = r.kind;
        round->m_DrawSlot = r.draw;
        round->m_MatchSlot = r.match;
        round->m_ReplaySlot = r.replay;
        d.cup.m_Rounds.Add(std::move(round));
        d.names.push_back(r.name);
    }
    return d;
}

std::vector<uint8_t> DefinitionBytes(const Def& d) {
    return recordtest::Write([&](FILE* f) { d.cup.WriteDefinition(f, d.nonLeague, d.names); });
}

CCup::Limits Stadiums(int n) {
    return {n, [](int) { return 5000; }};
}

const char* ReadInto(CCup& cup, const std::vector<uint8_t>& bytes, const CCup::Limits& limits,
                     std::vector<std::string>* added = nullptr) {
    const char* why = "unread";
    recordtest::Read(bytes, [&](FILE* f) {
        why = cup.ReadDefinition(f, 3, limits, [&](const CupNonLeagueRecord& r) {
            if (added) added->push_back(r.name);
            return 100 + static_cast<int>(added ? added->size() : 0);
        });
    });
    return why;
}

TEST(CupDefinition, ReadsAsWrittenWithNamesAndNonLeagueClubs) {
    Def d = SampleDefinition();
    auto bytes = DefinitionBytes(d);
    CCup cup;
    std::vector<std::string> added;
    ASSERT_EQ(ReadInto(cup, bytes, Stadiums(40), &added), nullptr);
    EXPECT_EQ(added, (std::vector<std::string>{"Village Wanderers", "Town Amateurs"}));
    EXPECT_EQ(cup.m_NonLeagueClubs.GetAt(1), 102u);
    EXPECT_EQ(cup.m_CountryIndex, 3);
    EXPECT_EQ(cup.GetRoundCount(), 4);
    EXPECT_EQ(cup.GetRound(0)->m_FullNameId, 183u);
    EXPECT_EQ(cup.GetRound(2)->m_FullNameId, 215u);  // index 37: the quarter final
    EXPECT_EQ(cup.GetRoundFullName(3), "Challenge Cup Final");
    EXPECT_EQ(cup.GetReplayName(0), "Challenge Cup 1st Round Replay");
    EXPECT_EQ(cup.GetRewardByte(), 4);
    EXPECT_EQ(cup.CountDisplayRounds(), 4);  // no replays played yet
    Def again;
    again.cup.m_Name = cup.m_Name;
    EXPECT_EQ(recordtest::Write([&](FILE* f) { cup.WriteDefinition(f, d.nonLeague, d.names); }), bytes);
}

TEST(CupDefinition, RoundNamesAndReplayNames) {
    uint32_t full = 1, shortId = 1;
    ASSERT_TRUE(CCupRound::NameIdsOfIndex(0, full, shortId));
    EXPECT_EQ(full, 0u);
    EXPECT_EQ(shortId, 0u);
    struct Case { int index; uint32_t full, shortId; } cases[] = {
        {1, 178, 178}, {4, 182, 178}, {5, 183, 183}, {8, 186, 183}, {48, 226, 223}, {49, 227, 246},
        {52, 230, 230}, {67, 245, 242}, {68, 724, 724}, {79, 743, 740}, {95, 764, 761}, {96, 34275, 34275},
        {113, 34415, 34513}, {119, 34421, 34514}};
    for (auto c : cases) {
        ASSERT_TRUE(CCupRound::NameIdsOfIndex(c.index, full, shortId));
        EXPECT_EQ(full, c.full) << c.index;
        EXPECT_EQ(shortId, c.shortId) << c.index;
    }
    EXPECT_FALSE(CCupRound::NameIdsOfIndex(120, full, shortId));
    struct Replay { uint32_t full, replay; } replays[] = {
        {178, 180}, {182, 180}, {183, 184}, {186, 184}, {185, 0}, {223, 224}, {226, 224},
        {230, 231}, {233, 231}, {234, 235}, {237, 235}, {228, 0}, {724, 0}};
    for (auto r : replays) EXPECT_EQ(CCupRound::ReplayNameId(r.full), r.replay) << r.full;
    // A round named by index 0 is titled with the cup's name and a blank.
    CCup cup;
    cup.m_Name = "Cup";
    cup.m_Rounds.Add(std::make_unique<CCupRound>());
    EXPECT_EQ(cup.GetRoundFullName(0), "Cup ");
}

TEST(CupDefinition, KindAbove31IsTakenAs31) {
    Def d = SampleDefinition();
    d.cup.GetRound(1)->m_Kind = 40;
    CCup cup;
    ASSERT_EQ(ReadInto(cup, DefinitionBytes(d), Stadiums(40)), nullptr);
    EXPECT_EQ(cup.GetRound(1)->m_Kind, 31);
}

TEST(CupDefinition, UnusableDefinitionsAreRefused) {
    struct Case { const char* what; std::function<void(Def&)> change; int stadiums; } cases[] = {
        {"subs named 0", [](Def& d) { d.cup.m_SubsNamed = 0; }, 40},
        {"subs named 6", [](Def& d) { d.cup.m_SubsNamed = 6; d.cup.m_SubsAllowed = 3; }, 40},
        {"subs allowed 0", [](Def& d) { d.cup.m_SubsAllowed = 0; }, 40},
        {"subs allowed above named", [](Def& d) { d.cup.m_SubsNamed = 2; }, 40},
        {"200 entrants", [](Def& d) { d.cup.GetRound(0)->m_Entrants = 200; }, 40},
        {"match slot 106", [](Def& d) { d.cup.GetRound(0)->m_MatchSlot = 106; }, 40},
        {"draw slot 150", [](Def& d) { d.cup.GetRound(0)->m_DrawSlot = 150; }, 40},
        {"replay slot 106", [](Def& d) { d.cup.GetRound(0)->m_ReplaySlot = 106; }, 40},
        {"venue outside", [](Def&) {}, 12},
        {"ground outside", [](Def& d) { d.nonLeague[0].stadium = 39; }, 39},
        {"50 rounds", [](Def& d) { while (d.cup.GetRoundCount() < 50) { d.cup.m_Rounds.Add(std::make_unique<CCupRound>()); d.names.push_back(5); } }, 40},
        {"unknown name", [](Def& d) { d.names[0] = 120; }, 40},
    };
    for (auto& c : cases) {
        Def d = SampleDefinition();
        c.change(d);
        CCup cup;
        EXPECT_NE(ReadInto(cup, DefinitionBytes(d), Stadiums(c.stadiums)), nullptr) << c.what;
    }
    Def ok = SampleDefinition();
    ok.cup.GetRound(0)->m_ReplaySlot = 255;
    CCup cup;
    EXPECT_EQ(ReadInto(cup, DefinitionBytes(ok), Stadiums(40)), nullptr);
}

TEST(Cup, SaveAndLoadKeepRoundsTiesPoolAndHeldBackClubs) {
    Def d = SampleDefinition();
    CCup cup;
    ASSERT_EQ(ReadInto(cup, DefinitionBytes(d), Stadiums(40)), nullptr);
    cup.GetRound(0)->m_NonLeagueEntrants = 2;
    ASSERT_TRUE(cup.GetRound(0)->m_Ties.AddFixture(1, 4, -2, 5, 3, 0, 9));
    ASSERT_TRUE(cup.GetRound(0)->m_Replays.AddFixture(1, -2, 4, 5, 3, 0, 9));
    cup.m_Pool.Add(11);
    cup.m_Pool.Add(12);
    cup.m_HeldBack.Add(13);
    cup.m_LeaguePointsShare = 50;
    cup.m_NewsPaperEvents.SetDrawText("Challenge Cup draw!");
    EXPECT_EQ(cup.CountDisplayRounds(), 5);
    auto bytes = recordtest::Write([&](FILE* f) { cup.Save(f); });
    CCup back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.GetRound(0)->m_NonLeagueEntrants, 2);
    EXPECT_EQ(back.GetRound(0)->m_Ties.GetAt(0)->m_Away, -2);
    EXPECT_EQ(back.m_HeldBack.GetAt(0), 13u);
    EXPECT_EQ(back.m_LeaguePointsShare, 0);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    // Loading into a cup with more rounds drops the surplus.
    CCup longer;
    for (int i = 0; i < 7; ++i) longer.m_Rounds.Add(std::make_unique<CCupRound>());
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { longer.Load(f); }));
    EXPECT_EQ(longer.GetRoundCount(), 4);

    CCupList cups;
    cups.Add(std::make_unique<CCup>());
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { cups.GetAt(0)->Load(f); }));
    EXPECT_EQ(cups.FindFixture(14, 4), cups.GetAt(0)->GetRound(0)->m_Ties.GetAt(0));
    EXPECT_EQ(cups.FindFixture(16, -2), cups.GetAt(0)->GetRound(0)->m_Replays.GetAt(0));
    EXPECT_EQ(cups.FindFixture(15, 4), nullptr);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { CCupList().Save(f); }).size(), 0u);
}

}  // namespace

#include "platform/stringtable.h"

namespace {

TEST(CupDefinition, EveryRoundNameHasAText) {
    for (int i = 1; i < 120; ++i) {
        uint32_t full = 0, shortId = 0;
        ASSERT_TRUE(CCupRound::NameIdsOfIndex(i, full, shortId));
        EXPECT_FALSE(platform::LoadString(full).empty()) << i << " " << full;
        EXPECT_FALSE(platform::LoadString(shortId).empty()) << i << " " << shortId;
        if (uint32_t replay = CCupRound::ReplayNameId(full)) {
            EXPECT_FALSE(platform::LoadString(replay).empty());
        }
    }
    EXPECT_EQ(platform::LoadString(215), "Quarter Final");
    EXPECT_EQ(platform::LoadString(217), "Quarter Final 1st Leg");
}

}  // namespace

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"

namespace {

class CupInWorld : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 6; ++i) {
            auto club = std::make_unique<CClub>();
            club->SetName("Club " + std::to_string(i));
            world.GetClubList().AddRealClub(std::move(club));
        }
        world.GetClock().Set(0, 0, 0, 1999, 7, 3);
        Def d = SampleDefinition();
        ASSERT_EQ(ReadInto(cup, DefinitionBytes(d), Stadiums(40)), nullptr);
    }
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    CCup cup;
};

TEST_F(CupInWorld, RoundDatesWalkTheCalendarWithinASeason) {
    CMatchTime t;
    ASSERT_TRUE(cup.GetRound(0)->GetFirstLegDate(t));
    EXPECT_EQ(t.GetMatchDay(), 14);
    EXPECT_EQ(cup.GetRound(0)->GetSecondLegDateText(), "Sat 28 Aug 99");
    EXPECT_FALSE(cup.GetRound(2)->GetSecondLegDate(t));  // no replay day
    cup.GetRound(1)->m_MatchSlot = 200;  // a day no season has: the walk ends
    EXPECT_FALSE(cup.GetRound(1)->GetFirstLegDate(t));
    EXPECT_EQ(cup.GetRound(1)->GetFirstLegDateText(), "");
    // Played: the walk goes back to the day.
    ASSERT_TRUE(cup.GetRound(0)->m_Ties.AddFixture(1, 0, 1, 5, 3, 0, 0));
    cup.GetRound(0)->m_Ties.GetAt(0)->m_ScriptLength = 93;
    ASSERT_TRUE(cup.GetRound(0)->GetFirstLegDate(t));
    EXPECT_EQ(t.GetMatchDay(), 14);
    EXPECT_TRUE(cup.GetRound(0)->IsComplete());
}

TEST_F(CupInWorld, RoundsTiesAndDays) {
    CCupRound* first = cup.GetRound(0);
    ASSERT_TRUE(first->m_Ties.AddFixture(1, 0, 1, 5, 3, 0, 0));
    ASSERT_TRUE(first->m_Ties.AddFixture(1, 2, 3, 5, 3, 0, 0));
    ASSERT_TRUE(first->m_Replays.AddFixture(1, 3, 2, 5, 3, 0, 0));
    first->m_Ties.GetAt(0)->m_ScriptLength = 91;
    first->m_Ties.GetAt(0)->m_HomeGoals = 2;
    EXPECT_EQ(cup.FindRoundOfFixture(first->m_Replays.GetAt(0)), first);
    EXPECT_EQ(CCupRound::GetClubGoals(first->m_Ties, 0), 2);
    EXPECT_EQ(CCupRound::GetClubGoals(first->m_Ties, 5), 0);
    EXPECT_EQ(cup.GetRoundNameForDay(14), "Challenge Cup 1st Round");
    EXPECT_EQ(cup.GetRoundNameForDay(16), "Challenge Cup 1st Round Replay");
    EXPECT_EQ(cup.GetRoundNameForDay(15), "");
    EXPECT_EQ(cup.GetLastRoundIndexOnDay(44), 2);
    EXPECT_EQ((cup.ListRoundsForDisplay()), (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {2, 0}, {3, 0}}));
    RecordingListRows rows;
    first->FillFixtureListControl(rows);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells[1], "2 - 0");
    EXPECT_EQ(rows.Rows()[1].cells[1], "-");
    EXPECT_EQ(rows.Rows()[1].cells[0], "Club 2");
    RecordingListRows rounds;
    cup.FillRoundsListControl(rounds);
    ASSERT_EQ(rounds.Rows().size(), 6u);  // four rounds, two of them with a replay day
    EXPECT_EQ(rounds.Rows()[1].cells[1], "Challenge Cup 1st Round Replay");
    EXPECT_EQ(rounds.Rows()[1].data1, static_cast<uintptr_t>(-1));
}

TEST_F(CupInWorld, GroupRoundsListTheirGroups) {
    CCupRound* r = cup.GetRound(1);
    r->m_Kind = 10;
    r->m_GroupSize = 4;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(r->m_Ties.AddFixture(1, static_cast<int16_t>(i), static_cast<int16_t>(i + 1), 5, 3, 0, 0));
    RecordingListRows rows;
    r->FillFixtureListControl(rows);
    ASSERT_EQ(rows.Rows().size(), 6u);
    EXPECT_EQ(rows.Rows()[0].cells[0], "Group 1");
    EXPECT_EQ(rows.Rows()[0].colour, 0xFF0000u);
    EXPECT_EQ(rows.Rows()[3].cells[0], "Group 2");
}

}  // namespace

#include "soccerclasses/charityshield.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/referee.h"

namespace {

TEST_F(CupInWorld, DayGridListsTheTiesOrReplaysOfTheDay) {
    auto nl = std::make_unique<CNonLeagueClub>();
    nl->Set("Village Rovers", 0);
    world.GetNonLeagueClubList().Add(std::move(nl));
    CCupRound* first = cup.GetRound(0);
    ASSERT_TRUE(first->m_Ties.AddFixture(1, -1, 1, 5, 3, 0, 0));  // the non-league club at home
    ASSERT_TRUE(first->m_Ties.AddFixture(1, 2, 3, 5, 3, 0, 0));
    ASSERT_TRUE(first->m_Replays.AddFixture(1, 3, 2, 5, 3, 0, 0));
    first->m_Ties.GetAt(0)->m_HomeGoals = 4;

    CSoccerResultList lines;
    ASSERT_TRUE(cup.FillDayGrid(14, lines));
    ASSERT_EQ(lines.GetSize(), 2);
    EXPECT_EQ(lines.GetAt(0)->m_HomeName, "Village Rovers");
    EXPECT_EQ(lines.GetAt(0)->m_AwayName, "Club 1");
    EXPECT_FALSE(lines.GetAt(0)->HasScore());  // not played yet

    EXPECT_FALSE(cup.FillDayGrid(16, lines));  // only into an empty list
    EXPECT_EQ(lines.GetSize(), 2);

    CSoccerResultList replays;
    ASSERT_TRUE(cup.FillDayGrid(16, replays));
    ASSERT_EQ(replays.GetSize(), 1);
    EXPECT_EQ(replays.GetAt(0)->m_HomeName, "Club 3");

    CSoccerResultList none;
    EXPECT_TRUE(cup.FillDayGrid(15, none));
    EXPECT_EQ(none.GetSize(), 0);

    world.GetClock().StepToMatchDay(20, 0);
    CSoccerResultList played;
    ASSERT_TRUE(cup.FillDayGrid(14, played));
    ASSERT_TRUE(played.GetAt(0)->HasScore());
    EXPECT_EQ(played.GetAt(0)->m_HomeGoals, 4);
}

TEST_F(CupInWorld, ShieldByItsIndex) {
    // Found by the shield index it carries, not by its place in the list.
    for (int32_t index : {1, 0}) {
        auto s = std::make_unique<CCharityShield>();
        s->m_Index = index;
        world.GetCharityShieldList().Add(std::move(s));
    }
    const struct {
        int32_t index;
        int expected;  // -1 none
    } cases[] = {{0, 1}, {1, 0}, {2, -1}, {-1, -1}};
    for (const auto& c : cases) {
        cup.m_ShieldIndex = c.index;
        EXPECT_EQ(cup.GetShield(), c.expected < 0 ? nullptr : world.GetCharityShieldList().GetAt(c.expected)) << c.index;
    }
}

}  // namespace

#include "soccerclasses/country.h"
#include "soccerclasses/manager.h"

namespace {

TEST_F(CupInWorld, TodaysOtherTiesThenTheReplays) {
    auto human = std::make_unique<CManager>();
    human->m_IsHuman = 1;
    world.GetClub(3)->SetManagerIndex(world.GetManagerList().Add(std::move(human)));
    CCupRound* first = cup.GetRound(0);  // played on day 14, replayed on 16
    ASSERT_TRUE(first->m_Ties.AddFixture(1, 0, 1, 5, 3, 0, 0));
    ASSERT_TRUE(first->m_Ties.AddFixture(1, 2, 3, 5, 3, 0, 0));  // the human manager's own tie
    ASSERT_TRUE(first->m_Replays.AddFixture(1, 1, 0, 5, 3, 0, 0));
    for (CFixtureList* l : {&first->m_Ties, &first->m_Replays})
        for (const auto& f : *l) f->m_Date = "today";
    const struct {
        int day;
        CFixture* expected;  // null: nothing collected
    } cases[] = {{14, first->m_Ties.GetAt(0)}, {16, first->m_Replays.GetAt(0)}, {15, nullptr}};
    for (const auto& c : cases) {
        std::vector<CFixture*> out;
        first->FillTodaysFixtures(out, c.day, "today");
        ASSERT_EQ(out.size(), c.expected ? 1u : 0u) << c.day;
        if (c.expected) {
            EXPECT_EQ(out[0], c.expected) << c.day;
        }
    }
}

TEST_F(CupInWorld, NextRoundDateIndexAndSeasonLabel) {
    EXPECT_EQ(cup.m_Rounds.GetNextRound(cup.GetRound(0)), cup.GetRound(1));
    EXPECT_EQ(cup.m_Rounds.GetNextRound(cup.GetRound(cup.GetRoundCount() - 1)), nullptr);
    CCupRound stranger;
    EXPECT_EQ(cup.m_Rounds.GetNextRound(&stranger), nullptr);

    CMatchTime day = world.GetClock();
    day.StepToMatchDay(16, 0);
    EXPECT_EQ(cup.GetRoundIndexForDate(day), 0);  // the first round's replay day
    day.StepToMatchDay(44, 0);
    EXPECT_EQ(cup.GetRoundIndexForDate(day), cup.GetRoundIndexForSlot(44));
    day.StepToMatchDay(15, 0);
    EXPECT_EQ(cup.GetRoundIndexForDate(day), -1);

    EXPECT_EQ(cup.GetSeasonLabel(), "");  // no country
    auto country = std::make_unique<CCountry>();
    country->RefreshSeasonText();
    world.GetCountryList().Add(std::move(country));
    cup.m_CountryIndex = 0;
    ASSERT_FALSE(world.GetSeasonText(0).empty());
    EXPECT_EQ(cup.GetSeasonLabel(), world.GetSeasonText(0));
}

}  // namespace

namespace {

// A cup whose rounds have the given kinds, in order.
CCup CupTestWithKinds(std::initializer_list<uint8_t> kinds) {
    CCup cup;
    for (uint8_t k : kinds) {
        auto round = std::make_unique<CCupRound>();
        round->m_Kind = k;
        cup.m_Rounds.Add(std::move(round));
    }
    return cup;
}

}  // namespace

TEST(CupRound, ASecondLegIsTheRoundAfterAFirstLegWhateverItsOwnKind) {
    struct Case {
        uint8_t previous, kind;
        bool secondLeg;
    } cases[] = {
        {4, 0, true},    {7, 1, true},    {17, 3, true},   {20, 24, true}, {26, 0, true}, {27, 2, true},
        // A kind that usually closes a pairing, after a round that opened none.
        {0, 5, false},   {1, 6, false},   {3, 8, false},   {10, 9, false}, {2, 18, false}, {24, 22, false},
        {5, 4, false},
    };
    for (const Case& c : cases) {
        CCup cup = CupTestWithKinds({c.previous, c.kind});
        EXPECT_EQ(cup.GetRound(1)->IsReplayOfPrevious(cup.GetPreviousRound(cup.GetRound(1))), c.secondLeg)
            << "kinds " << int(c.previous) << " then " << int(c.kind);
    }
    CCup single = CupTestWithKinds({5});
    EXPECT_FALSE(single.GetRound(0)->IsReplayOfPrevious(single.GetPreviousRound(single.GetRound(0))))
        << "a first round has nothing before it";
    EXPECT_FALSE(single.GetRound(0)->IsReplayOfPrevious(single.GetRound(0)));
}
