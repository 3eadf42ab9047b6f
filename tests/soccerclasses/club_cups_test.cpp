#include <gtest/gtest.h>

#include "clubs_world.h"
#include "records_roundtrip.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/playoff.h"

namespace clubtest {
namespace {

// Six clubs of the followed country with a league day (10), a country cup
// (a first round on 20 with replays on 22, a neutral second round on 30),
// a shield (5), a play-off (40) and a federation cup (50).
class ClubCups : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        CDivision& div = SixClubLeague({1, 2, 3, 4, 5, 6});
        div.m_SubsNamed = 7;
        for (int k = 0; k < 4; ++k) div.SetCalendarSlot(60 + k, uint8_t(208 + k));

        auto nonLeague = std::make_unique<CNonLeagueClub>();
        nonLeague->Set("Dunmore Rovers", 1);
        nonLeague->m_Country = 1;
        world.GetNonLeagueClubList().Add(std::move(nonLeague));

        auto cup = std::make_unique<CCup>();
        cup->m_Name = "Harwick Cup";
        cup->m_Venues.Add(2);
        CCupRound* first = AddRound(*cup, 183, 0, 20);
        first->m_ReplaySlot = 22;
        first->m_Ties.AddFixture(1, 0, 3, 3, 3, 0, 0);
        first->m_Ties.AddFixture(1, -1, 2, 3, 3, 0, 0);
        first->m_Replays.AddFixture(1, 3, 0, 3, 3, 0, 0);
        AddRound(*cup, 187, 11, 30)->m_Ties.AddFixture(4, 4, 5, 3, 3, 0, 0);
        cupObject = cup.get();
        world.GetCountry(1)->GetCups().Add(std::move(cup));

        auto shield = std::make_unique<CCharityShield>();
        shield->m_Name = "Harwick Shield";
        AddRound(*shield, 183, 1, 5)->m_Ties.AddFixture(1, 1, 2, 5, 3, 0, 0);
        world.GetCharityShieldList().Add(std::move(shield));
        auto playOff = std::make_unique<CPlayOff>();
        playOff->m_Name = "Play-Off";
        AddRound(*playOff, 183, 1, 40)->m_Ties.AddFixture(1, 3, 4, 5, 3, 0, 0);
        world.GetPlayOffList().Add(std::move(playOff));
        auto fedCup = std::make_unique<CFederationCup>();
        fedCup->m_Name = "Federation Cup";
        AddRound(*fedCup, 183, 1, 50)->m_Ties.AddFixture(1, 5, 0, 5, 3, 0, 0);
        world.GetFederationCupList().Add(std::move(fedCup));
    }
    static CCupRound* AddRound(CCup& cup, uint32_t nameId, uint8_t kind, uint8_t slot) {
        auto r = std::make_unique<CCupRound>();
        r->m_FullNameId = nameId;
        r->m_Kind = kind;
        r->m_MatchSlot = slot;
        CCupRound* raw = r.get();
        cup.m_Rounds.Add(std::move(r));
        return raw;
    }
    CClub& Club(int i) { return *world.GetClub(i); }
    void Human(int slot, int club) { world.GetUser(slot)->SetManagerIndex(Club(club).GetManager()); }

    CCup* cupObject = nullptr;
};

TEST_F(ClubCups, CountryCupTiesAndReplaysOnTheirDays) {
    CFixtureInfo info;
    ASSERT_TRUE(Club(0).GetCountryCupFixtureInfo(info, 20));
    EXPECT_EQ(info.home, 0);
    EXPECT_EQ(info.away, 3);
    EXPECT_EQ(info.awayName, "Club 3");
    EXPECT_EQ(info.homeCountry, 2);  // the country's id + 1
    EXPECT_EQ(info.title, "Harwick Cup 1st Round");
    EXPECT_EQ(info.competition, "Harwick Cup");
    EXPECT_EQ(info.cup, cupObject);
    EXPECT_EQ(info.stadium, Club(0).GetStadiumName());
    EXPECT_EQ(info.extraFlag, 0);
    EXPECT_EQ(info.leagueFlag, 0);
    EXPECT_EQ(info.substitutes, 3);
    EXPECT_EQ(info.fixture, cupObject->GetRound(0)->m_Ties.GetAt(0));

    EXPECT_FALSE(Club(0).GetCountryCupFixtureInfo(info, 21));
    ASSERT_TRUE(Club(0).GetCountryCupFixtureInfo(info, 22));  // the replay, the other way round
    EXPECT_EQ(info.home, 3);
    EXPECT_EQ(info.title, "Harwick Cup 1st Round Replay");
    EXPECT_EQ(info.fixture, cupObject->GetRound(0)->m_Replays.GetAt(0));
    // Replays belong to their own day only.
    EXPECT_FALSE(Club(2).GetCountryCupFixtureInfo(info, 22));
    EXPECT_FALSE(Club(1).GetCountryCupFixtureInfo(info, 20));
}

TEST_F(ClubCups, NonLeagueGroundsAndNeutralVenues) {
    CFixtureInfo info;
    ASSERT_TRUE(Club(2).GetCountryCupFixtureInfo(info, 20));
    EXPECT_EQ(info.home, -1);
    EXPECT_EQ(info.homeName, "Dunmore Rovers");
    EXPECT_EQ(info.homeCountry, 2);
    EXPECT_EQ(info.stadium, "Ground 1");
    EXPECT_EQ(info.extraFlag, 14);

    ASSERT_TRUE(Club(5).GetCountryCupFixtureInfo(info, 30));
    EXPECT_EQ(info.stadium, "Ground 2");  // the cup's first venue, not the home ground
    EXPECT_EQ(info.extraFlag, 1);
    EXPECT_EQ(info.title, "Harwick Cup 2nd Round");
}

TEST_F(ClubCups, EveryCompetitionIsAskedAndEachFinderKeepsToItsOwn) {
    using Finder = bool (CClub::*)(CFixtureInfo&, int) const;
    struct Case {
        int club, day;
        Finder own;
        const char* competition;
    } cases[] = {
        {1, 5, &CClub::GetShieldFixtureInfo, "Harwick Shield"},
        {3, 40, &CClub::GetPlayOffFixtureInfo, "Play-Off"},
        {0, 50, &CClub::GetFederationCupFixtureInfo, "Federation Cup"},
        {3, 20, &CClub::GetCountryCupFixtureInfo, "Harwick Cup"},
    };
    const Finder all[] = {&CClub::GetShieldFixtureInfo, &CClub::GetPlayOffFixtureInfo,
                          &CClub::GetFederationCupFixtureInfo, &CClub::GetCountryCupFixtureInfo};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.competition);
        CFixtureInfo info;
        for (Finder f : all) EXPECT_EQ((Club(k.club).*f)(info, k.day), f == k.own);
        CFixtureInfo any;
        ASSERT_TRUE(Club(k.club).GetFixtureInfoForDay(any, k.day));
        EXPECT_EQ(any.competition, k.competition);
        EXPECT_TRUE(Club(k.club).GetCupTieInfo(any, k.day));
        CFixtureInfo found;
        ASSERT_TRUE(Club(k.club).GetManagerObject()->FindMatchOn(k.day, found));
        EXPECT_EQ(found.fixture, any.fixture);
    }
    // The league comes first, and a day without a match finds nothing.
    CFixtureInfo info;
    ASSERT_TRUE(Club(0).GetFixtureInfoForDay(info, 10));
    EXPECT_EQ(info.leagueFlag, 1);
    EXPECT_EQ(info.fixture, world.GetDivision(0)->m_Fixtures.GetAt(0));
    EXPECT_FALSE(Club(0).GetCupTieInfo(info, 10));
    EXPECT_FALSE(Club(1).GetFixtureInfoForDay(info, 20));
    EXPECT_FALSE(Club(1).GetManagerObject()->FindMatchOn(20, info));
}

TEST_F(ClubCups, PlayOffAndFederationCupListsHandOutTheirFixture) {
    CFixture* f = nullptr;
    ASSERT_TRUE(world.GetPlayOffList().FindFixture(40, 4, &f));
    EXPECT_EQ(f->m_Home, 3);
    f = nullptr;
    EXPECT_FALSE(world.GetFederationCupList().FindFixture(40, 4, &f));
    EXPECT_EQ(f, nullptr);
    EXPECT_TRUE(world.GetFederationCupList().FindFixture(50, 5, &f));
    EXPECT_FALSE(world.GetPlayOffList().FindFixture(40, 4, nullptr));
    EXPECT_FALSE(world.GetPlayOffList().FindFixture(40, -1, &f));
    CFixtureInfo info;
    EXPECT_FALSE(world.GetCharityShieldList().FindFixture(5, -1, info));
}

TEST_F(ClubCups, SubstitutesOfTodaysMatch) {
    world.GetClock().SetMatchDay(20);
    EXPECT_EQ(Club(0).GetSubstitutesForNextMatch(), 3);  // the cup tie's bench
    EXPECT_EQ(Club(1).GetSubstitutesForNextMatch(), 7);  // no match: the division's bench
    world.GetClock().SetMatchDay(10);
    EXPECT_EQ(Club(1).GetSubstitutesForNextMatch(), 7);  // a league match
}

TEST_F(ClubCups, HumanMatchDayCountsCupTies) {
    CMatchTime date;
    date.SetMatchDay(20);
    Human(0, 0);
    Human(1, 3);
    EXPECT_FALSE(world.IsHumanMatchDay(date));  // the same tie
    Human(1, 2);
    EXPECT_TRUE(world.IsHumanMatchDay(date));
    date.SetMatchDay(21);
    EXPECT_FALSE(world.IsHumanMatchDay(date));
}

TEST_F(ClubCups, FriendlyTextsAndTheWorldsFixture) {
    CFriendlyMatchList& list = world.GetFriendlyMatchList();
    ASSERT_TRUE(world.GetClubList().ArrangeFriendly(60, 0, 4));
    CFixtureInfo info;
    ASSERT_TRUE(Club(4).GetFriendlyFixtureInfo(info, 60));
    EXPECT_EQ(info.fixture, list.GetAt(0));
    EXPECT_EQ(Club(0).GetFriendlyText(0), "0 - 0");
    EXPECT_EQ(Club(4).GetFriendlyText(0), "0 - 0");
    EXPECT_EQ(Club(0).GetFriendlyText(1), "");
    EXPECT_EQ(Club(1).GetFriendlyText(0), "");
    EXPECT_EQ(Club(0).CountFreeFriendlyDays(), 3);
    EXPECT_EQ(Club(0).GetFriendlyDateText(1), world.GetDivision(0)->GetMarkerDateText(1));
}

TEST_F(ClubCups, SeasonEndTakesTheClubsFriendliesOffTheWorldsList) {
    CFriendlyMatchList& list = world.GetFriendlyMatchList();
    ASSERT_TRUE(world.GetClubList().ArrangeFriendly(60, 0, 4));
    ASSERT_TRUE(world.GetClubList().ArrangeFriendly(61, 2, 0));
    ASSERT_TRUE(world.GetClubList().ArrangeFriendly(60, 1, 2));
    Club(0).EndOfSeason();
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list.GetAt(0)->m_Home, 1);
    EXPECT_EQ(list.GetMatchDay(0), 60);
    EXPECT_EQ(Club(0).CountFreeFriendlyDays(), 4);
    // Next season's friendlies against the same clubs can be arranged again.
    EXPECT_TRUE(Club(0).CanArrangeFriendly(60, 4));
}

TEST_F(ClubCups, TheSavedGameKeepsTheFriendlies) {
    CFriendlyMatchList& list = world.GetFriendlyMatchList();
    ASSERT_TRUE(world.GetClubList().ArrangeFriendly(60, 0, 4));
    ASSERT_TRUE(world.GetClubList().ArrangeFriendly(62, 3, 1));
    list.GetAt(1)->m_HomeGoals = 3;
    const auto bytes = recordtest::Write([&](FILE* f) { world.SaveCompetitionSections(f); });
    list.RemoveClubFriendlies(0);
    list.RemoveClubFriendlies(3);
    ASSERT_EQ(list.GetSize(), 0);
    bool loaded = false;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { loaded = world.LoadCompetitionSections(f); }));
    EXPECT_TRUE(loaded);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetMatchDay(1), 62);
    EXPECT_EQ(list.GetAt(1)->m_HomeGoals, 3);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { world.SaveCompetitionSections(f); }), bytes);

    // A section that does not start with the marker is refused.
    auto damaged = bytes;
    damaged[4] = 'X';
    recordtest::Read(damaged, [&](FILE* f) { loaded = world.LoadCompetitionSections(f); });
    EXPECT_FALSE(loaded);
}

}  // namespace
}  // namespace clubtest
