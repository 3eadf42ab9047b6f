#include <gtest/gtest.h>

#include <map>
#include <set>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playoff.h"

namespace clubtest {
namespace {

// Country 1 with three divisions of four clubs: world divisions 0 ("A"
// clubs 0-3), 2 ("B" clubs 4-7) and 3 ("C" clubs 8-11). In every table the
// last club of the block leads: club offset i stands at position 3 - i.
class CountryProcessing : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        for (const char* name : {"Second League", "Third League"}) {
            auto d = std::make_unique<CDivision>();
            d->SetName(name);
            d->SetCountry(1);
            world.GetDivisionList().Add(std::move(d));
        }
        std::vector<ClubFileRecord> records;
        const int divisions[] = {0, 2, 3};
        for (int b = 0; b < 3; ++b)
            for (int i = 0; i < 4; ++i) {
                ClubFileRecord r = Record(std::string(1, char('A' + b)) + std::to_string(i), divisions[b]);
                r.stadium = 0;
                r.manager.country = 1;
                records.push_back(r);
            }
        world.GetClubList().ReadFile(WriteClubs(records));
        for (int b = 0; b < 3; ++b) {
            CDivision* d = world.GetDivision(divisions[b]);
            d->SetClubRange(4 * b, 4);
            Country().AddDivision(static_cast<uint32_t>(divisions[b]));
            for (int i = 0; i < 4; ++i) world.GetClub(4 * b + i)->LeagueRow().m_Position = uint8_t(3 - i);
        }
        world.GetClock().SetMatchDay(Country().GetSeasonEndDay());
        Country().AddDeadlineDay(16);
    }

    CCountry& Country() { return *world.GetCountry(1); }
    std::vector<std::string> NamesOf(int division) {
        const CDivision* d = world.GetDivision(division);
        std::vector<std::string> names;
        for (int c = d->GetFirstClub(); c < d->GetFirstClub() + d->GetClubCount(); ++c)
            names.emplace_back(world.GetClub(c)->GetName());
        return names;
    }
    // A play-off of `id` whose last round holds the ties, each won by its
    // away club.
    CPlayOff& AddPlayOff(uint8_t id, uint8_t places, const std::vector<std::pair<int, int>>& ties) {
        auto p = std::make_unique<CPlayOff>();
        p->m_Name = "Play-offs";
        p->m_Id = id;
        p->m_ExtraPlaces = places;
        p->m_CountryIndex = 1;
        auto r = std::make_unique<CCupRound>();
        r->m_Entrants = static_cast<uint8_t>(2 * ties.size());
        r->m_Kind = 24;
        for (auto [home, away] : ties) {
            r->m_Ties.AddFixture(CFixture::kNeutral, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, 0,
                                 0);
            CFixture& f = *r->m_Ties.GetAt(r->m_Ties.GetSize() - 1);
            f.m_HomeGoals = 0;
            f.m_AwayGoals = 1;
            f.m_ScriptLength = 90;
        }
        p->m_Rounds.Add(std::move(r));
        CPlayOff& ref = *p;
        world.GetPlayOffList().Add(std::move(p));
        return ref;
    }
    int Promotions(const std::string& club) {
        const CClub* c = world.GetClub(world.FindClubByName(club));
        const CManager* m = c ? c->GetManagerObject() : nullptr;
        return m ? m->m_Promotions[1] : -1;
    }
};

TEST_F(CountryProcessing, SeasonEndMovesClubsByPromotionPlacesAndRanksTheFinalTables) {
    world.GetDivision(0)->m_ExchangeCount = 1;  // one club goes up from the second league
    world.GetDivision(2)->m_ExchangeCount = 3;  // three from the third
    ASSERT_TRUE(Country().EndOfSeason());

    EXPECT_EQ(NamesOf(0), (std::vector<std::string>{"B3", "A1", "A2", "A3"}));
    EXPECT_EQ(NamesOf(2), (std::vector<std::string>{"C3", "C2", "C1", "A0"}));
    EXPECT_EQ(NamesOf(3), (std::vector<std::string>{"C0", "B2", "B1", "B0"}));
    // The top division's champion and runner-up as the table stood.
    EXPECT_EQ(world.GetDivision(0)->m_Champion, 3);
    EXPECT_EQ(world.GetDivision(0)->m_RunnerUp, 2);
    // Champions of the lower leagues go up with the promotion's bookkeeping;
    // so do the third league's runner-up and its third club (k = 3). The
    // second league's runner-up stays down (k = 1) and gets none.
    EXPECT_EQ(Promotions("B3"), 1);
    EXPECT_EQ(Promotions("C3"), 1);
    EXPECT_EQ(Promotions("C2"), 1);
    EXPECT_EQ(Promotions("C1"), 1);
    EXPECT_EQ(Promotions("B2"), 0);
    EXPECT_EQ(Promotions("A3"), 0);
    // The ranking follows the final tables, places staying with the slots.
    std::vector<uint32_t> ranking;
    for (int i = 0; i < Country().GetClubRanking().GetSize(); ++i) ranking.push_back(Country().GetClubRanking().GetAt(i));
    EXPECT_EQ(ranking, (std::vector<uint32_t>{3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8}));
    // Every table starts again in club order.
    for (int c = 0; c < 12; ++c) EXPECT_EQ(world.GetClub(c)->LeagueRow().m_Position, c % 4) << c;
}

// Each place a season ends in moves the club's standing: titles, runners-up,
// promotion in its own right, relegation and the very bottom.
TEST_F(CountryProcessing, SeasonEndPlacesMoveEveryClubsReputation) {
    world.GetDivision(0)->m_ExchangeCount = 1;
    world.GetDivision(2)->m_ExchangeCount = 3;
    std::map<std::string, int> before;
    for (int c = 0; c < 12; ++c) {
        world.GetClub(c)->SetReputation(50);
        before[world.GetClub(c)->GetName()] = 50;
    }
    ASSERT_TRUE(Country().EndOfSeason());
    const struct {
        const char* club;
        int change;
    } cases[] = {
        {"A3", +40},  // top champion
        {"A2", +20},  // top runner-up
        {"A1", 0},
        {"A0", -20},  // relegated
        {"B3", +40},  // champion, promoted by its title alone
        {"B2", 0},    // runner-up (+20) who still goes down (-20)
        {"B1", -20},
        {"B0", -20},
        {"C3", +40},
        {"C2", +40},  // runner-up and promoted
        {"C1", +20},  // promoted from the third place
        {"C0", -10},  // bottom of the country
    };
    for (const auto& c : cases) {
        const CClub* club = world.GetClub(world.FindClubByName(c.club));
        ASSERT_NE(club, nullptr) << c.club;
        EXPECT_EQ(club->GetReputation() - before[c.club], c.change) << c.club;
    }
}

TEST_F(CountryProcessing, PlayOffsSendOneOrTwoClubsUpAndSettleTheTopDivision) {
    struct Case {
        const char* name;
        int division;  // the world division that names the play-off
        uint8_t places;
        std::vector<std::pair<int, int>> ties;
        std::vector<std::string> a, b, c;
    };
    // Positions: B3 (7) leads the second league, then B2, B1, B0; likewise C.
    const Case cases[] = {
        // One place: B1 beats B2; the club above A's relegation place (A1,
        // position 2) goes down in its stead, after A0 and B3 swapped.
        {"one place", 2, 1, {{6, 5}}, {"B3", "B1", "A2", "A3"}, {"B0", "A1", "B2", "A0"}, {"C0", "C1", "C2", "C3"}},
        // Two places: C1 beats C2 and B1 (a club of the league above) beats
        // C0. C1 goes up in place of B2, since B1 holds the place above B's
        // relegation; B1 stays and is told so.
        {"two places", 3, 2, {{10, 9}, {8, 5}}, {"A0", "A1", "A2", "A3"}, {"C3", "B1", "C1", "B3"},
         {"C0", "B2", "C2", "B0"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SetUp();
        world.GetDivision(0)->m_ExchangeCount = k.division == 2 ? 1 : 0;
        world.GetDivision(2)->m_ExchangeCount = k.division == 3 ? 1 : 0;
        world.GetDivision(k.division)->m_PromotionPlayOff = 7;
        CPlayOff& p = AddPlayOff(7, k.places, k.ties);
        ASSERT_TRUE(Country().EndOfSeason());
        EXPECT_EQ(NamesOf(0), k.a);
        EXPECT_EQ(NamesOf(2), k.b);
        EXPECT_EQ(NamesOf(3), k.c);
        // The play-off is cleared for the next season.
        EXPECT_FALSE(p.GetRound(0)->HasFixtures());
        TearDown();
    }
    SetUp();
    // A play-off that is not played (spare byte 6) moves nobody.
    world.GetDivision(0)->m_ExchangeCount = 0;
    world.GetDivision(2)->m_ExchangeCount = 0;
    world.GetDivision(2)->m_PromotionPlayOff = 8;
    AddPlayOff(8, 1, {{6, 5}}).m_Spare = 6;
    ASSERT_TRUE(Country().EndOfSeason());
    EXPECT_EQ(NamesOf(0), (std::vector<std::string>{"A0", "A1", "A2", "A3"}));
    TearDown();
}

TEST_F(CountryProcessing, ATopDivisionPlayOffDecidesTheChampion) {
    // A2 (position 1) beats the table's leader A3 in the play-off final.
    world.GetDivision(0)->m_PromotionPlayOff = 9;
    AddPlayOff(9, 1, {{3, 2}});
    ASSERT_TRUE(Country().EndOfSeason());
    EXPECT_EQ(world.GetDivision(0)->m_Champion, 2);
    EXPECT_EQ(world.GetDivision(0)->m_RunnerUp, 3);
    EXPECT_EQ(Country().GetClubRanking().GetAt(0), 2u);
    EXPECT_EQ(Country().GetClubRanking().GetAt(1), 3u);
}

TEST_F(CountryProcessing, SeasonEndOnlyOnTheCountrysDayAndOnlyWithDivisions) {
    world.GetDivision(0)->m_ExchangeCount = 1;
    world.GetClock().SetMatchDay(Country().GetSeasonEndDay() + 1);
    EXPECT_FALSE(Country().EndOfSeason());
    EXPECT_EQ(NamesOf(0), (std::vector<std::string>{"A0", "A1", "A2", "A3"}));
    EXPECT_EQ(world.GetDivision(0)->m_Champion, -1);
    // Country 0 has no division: never a season end.
    world.GetClock().SetMatchDay(world.GetCountry(0)->GetSeasonEndDay());
    EXPECT_FALSE(world.GetCountry(0)->EndOfSeason());
}

TEST_F(CountryProcessing, OneDivisionHasChampionsButNoPromotionLoop) {
    // Country 2's single division borrows the A clubs: only the table counts.
    CDivision* d = world.GetDivision(1);
    d->SetClubRange(0, 4);
    d->m_ExchangeCount = 2;
    world.GetCountry(2)->AddDivision(1);
    world.GetClock().SetMatchDay(world.GetCountry(2)->GetSeasonEndDay());
    ASSERT_TRUE(world.GetCountry(2)->EndOfSeason());
    EXPECT_EQ(d->m_Champion, 3);
    EXPECT_EQ(d->m_RunnerUp, 2);
    EXPECT_EQ(NamesOf(1), (std::vector<std::string>{"A0", "A1", "A2", "A3"}));
    for (int c = 0; c < 4; ++c) {
        const CManager* m = world.GetClub(c)->GetManagerObject();
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->m_Promotions[1] + m->m_Relegations[1], 0) << c;
    }
}

TEST_F(CountryProcessing, DeadlineDaysFlipTheWindowBothWaysWithTheirOwnNews) {
    const CExtByteArray& days = Country().GetDeadlineDays();
    ASSERT_GT(days.GetSize(), 0);
    const int deadline = days.GetAt(0);
    struct Case {
        uint8_t before;
        int day;
        uint8_t after;
        std::string news;  // the news item added, empty for none
    } cases[] = {
        {1, deadline, 0, "The transfer deadline has passed"},
        {0, deadline, 1, "The transfer window is now open."},
        {1, deadline + 1, 1, ""},
    };
    for (const Case& k : cases) {
        Country().GetNews().DeleteAll();
        Country().SetTransferWindow(k.before);
        Country().CheckTransferDeadline(k.day);
        EXPECT_EQ(Country().GetTransferWindow(), k.after) << int(k.before) << " day " << k.day;
        std::vector<std::string> lines;
        Country().GetNews().GetLines(lines, "");
        EXPECT_EQ(lines, k.news.empty() ? std::vector<std::string>{} : std::vector<std::string>{k.news});
    }
}

TEST_F(CountryProcessing, WeeklyWorkTrimsEveryCountrysNewsButWorksOnlyForFollowedLeagues) {
    const int deadline = Country().GetDeadlineDays().GetAt(0);
    world.GetClock().SetMatchDay(deadline);
    for (int c : {1, 2}) {
        for (int i = 0; i < 45; ++i) world.GetCountry(c)->AddNews("item " + std::to_string(i), 0);
        world.GetCountry(c)->SetTransferWindow(1);
    }
    world.GetCountry(2)->AddDivision(1);
    world.GetDivision(1)->SetClubRange(0, 0);
    const uint16_t listed = AddPlayer(2);
    Country().AddTransferListedPlayer(world.GetPlayer(listed));
    world.GetPlayer(listed)->m_WeeksListed = 2;

    world.GetCountryList().ProcessWeek(1);
    // The followed country: 40 old items kept, then the deadline's news.
    EXPECT_EQ(Country().GetNews().GetSize(), kCountryNewsKept + 1);
    EXPECT_EQ(Country().GetTransferWindow(), 0);
    EXPECT_EQ(world.GetPlayer(listed)->m_WeeksListed, 3);
    // The results-only country: trimmed, nothing else.
    EXPECT_EQ(world.GetCountry(2)->GetNews().GetSize(), kCountryNewsKept);
    EXPECT_EQ(world.GetCountry(2)->GetTransferWindow(), 1);

    world.GetCountryList().ProcessMidweek();
    EXPECT_EQ(Country().GetNews().GetSize(), kCountryNewsKept + 1);
    EXPECT_EQ(Country().GetTransferWindow(), 1);  // the same day again: open
    EXPECT_EQ(world.GetCountry(2)->GetTransferWindow(), 1);
}

TEST_F(CountryProcessing, NearbyDivisionByTheDraw) {
    struct Case {
        int division;  // world index
        int raw;       // the generator's value: Random(5) = raw * 5 / 32767
        int expected;
    } cases[] = {
        {3, 0, 3},      // the lowest: nothing below
        {2, 0, 3},      // 0: the one below
        {2, 7000, 0},   // 1: the one above
        {2, 13107, 0},  // 2: the one above
        {0, 7000, 0},   // the top: nothing above
        {2, 20000, 2},  // 3: the same
        {2, 32767, 2},  // 5: the same
    };
    for (const Case& k : cases) {
        platform::ScopedRandomScript script{k.raw};
        EXPECT_EQ(Country().PickNearbyDivision(k.division), world.GetDivision(k.expected))
            << k.division << " raw " << k.raw;
    }
    // A division not of the country is taken as its own position: none here.
    platform::ScopedRandomScript script{20000};
    EXPECT_EQ(Country().PickNearbyDivision(9), nullptr);
}

TEST_F(CountryProcessing, RankingsStartInClubOrderAndSwapsFollowCupPlaces) {
    world.GetCountryList().BuildClubRankings();
    ASSERT_EQ(Country().GetClubRanking().GetSize(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Country().GetClubRanking().GetAt(i), uint32_t(i));
    EXPECT_EQ(world.GetCountry(0)->GetClubRanking().GetSize(), 0);

    // Last season's cup finalists name clubs by index: a swap keeps them on
    // the same clubs.
    Country().SetCupFinalistA(2);
    Country().SetCupQualifier(1, 9);
    world.SwapClubs(2, 9);
    EXPECT_EQ(world.GetClub(Country().GetCupFinalistA())->GetName(), std::string("A2"));
    EXPECT_EQ(world.GetClub(Country().GetCupQualifier(1))->GetName(), std::string("C1"));
}

// Everything that names a club by its place follows the club when two clubs
// exchange places at a season end: before, each of these kept the old place
// and so named the other club.
TEST_F(CountryProcessing, SwappedClubsKeepTheirTitlesCupPlacesAndFriendlies) {
    auto name = [&](int club) { return std::string(club >= 0 && world.GetClub(club) ? world.GetClub(club)->GetName() : "?"); };
    CDivision& b = *world.GetDivision(2);
    b.SetChampion(7);
    b.SetRunnerUp(6);
    auto cup = std::make_unique<CCup>();
    cup->m_CountryIndex = 1;
    cup->m_Pool.Add(7);
    cup->m_Pool.Add(1);
    cup->m_HeldBack.Add(1);
    cup->m_PreviousResults = {7, 1, -1, -1};
    auto round = std::make_unique<CCupRound>();
    round->m_Ties.AddFixture(CFixture::kNeutral, 7, 0, 5, 3, 0, 0);
    round->m_Replays.AddFixture(CFixture::kNeutral, 0, 1, 5, 3, 0, 0);
    cup->m_Rounds.Add(std::move(round));
    CCup& c = *cup;
    Country().GetCups().Add(std::move(cup));
    CPlayOff& p = AddPlayOff(7, 1, {{1, 7}});
    p.m_Pool.Add(7);
    // B3 at home to C1 in friendly slot 0, away at A1 in slot 1.
    world.GetFriendlyMatchList().AddFriendly(7, 9, 30);
    world.GetFriendlyMatchList().AddFriendly(1, 7, 31);
    world.GetClub(7)->SetFriendly(0, 9, 0);
    world.GetClub(9)->SetFriendly(0, 7, 1);
    world.GetClub(7)->SetFriendly(1, 1, 1);
    world.GetClub(1)->SetFriendly(1, 7, 0);

    // B3 (7) goes up in place of A1 (1).
    world.SwapClubs(1, 7);
    EXPECT_EQ(name(b.GetChampion()), "B3");
    EXPECT_EQ(name(b.m_RunnerUp), "B2");
    std::vector<std::string> pool, held, previous;
    for (int i = 0; i < c.m_Pool.GetSize(); ++i) pool.push_back(name(static_cast<int32_t>(c.m_Pool.GetAt(i))));
    EXPECT_EQ(pool, (std::vector<std::string>{"B3", "A1"}));
    EXPECT_EQ(name(static_cast<int32_t>(c.m_HeldBack.GetAt(0))), "A1");
    EXPECT_EQ(name(c.m_PreviousResults[0]), "B3");
    EXPECT_EQ(name(c.m_PreviousResults[1]), "A1");
    EXPECT_EQ(c.m_PreviousResults[2], -1);
    EXPECT_EQ(name(c.GetRound(0)->m_Ties.GetAt(0)->m_Home), "B3");
    EXPECT_EQ(name(c.GetRound(0)->m_Replays.GetAt(0)->m_Away), "A1");
    EXPECT_EQ(name(p.GetRound(0)->m_Ties.GetAt(0)->m_Home), "A1");
    EXPECT_EQ(name(p.GetRound(0)->m_Ties.GetAt(0)->m_Away), "B3");
    EXPECT_EQ(name(static_cast<int32_t>(p.m_Pool.GetAt(0))), "B3");
    // The world's friendlies and each club's friendly slots.
    const CFriendlyMatchList& friendlies = world.GetFriendlyMatchList();
    ASSERT_EQ(friendlies.GetSize(), 2);
    EXPECT_EQ(name(friendlies.GetAt(0)->m_Home), "B3");
    EXPECT_EQ(name(friendlies.GetAt(0)->m_Away), "C1");
    EXPECT_EQ(name(friendlies.GetAt(1)->m_Home), "A1");
    EXPECT_EQ(name(friendlies.GetAt(1)->m_Away), "B3");
    const CClub& c1 = *world.GetClub(world.FindClubByName("C1"));
    const CClub& b3 = *world.GetClub(world.FindClubByName("B3"));
    const CClub& a1 = *world.GetClub(world.FindClubByName("A1"));
    EXPECT_EQ(name(static_cast<int32_t>(c1.GetFriendlyOpponent(0))), "B3");
    EXPECT_EQ(name(static_cast<int32_t>(a1.GetFriendlyOpponent(1))), "B3");
    EXPECT_EQ(name(static_cast<int32_t>(b3.GetFriendlyOpponent(0))), "C1");
    EXPECT_EQ(name(static_cast<int32_t>(b3.GetFriendlyOpponent(1))), "A1");
}

// Country 1 with four divisions: "A" and "B" of four clubs, "C" and "D" of 24
// (world divisions 0, 2, 3 and 4). C's clubs have area code 1 and D's area
// code 2, so each region of the first round is one division.
class TwoRegionCup : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        for (const char* name : {"Second League", "Third League", "Fourth League"}) {
            auto d = std::make_unique<CDivision>();
            d->SetName(name);
            d->SetCountry(1);
            world.GetDivisionList().Add(std::move(d));
        }
        std::vector<ClubFileRecord> records;
        const int divisions[] = {0, 2, 3, 4};
        const int sizes[] = {4, 4, 24, 24};
        int first = 0;
        for (int b = 0; b < 4; ++b) {
            for (int i = 0; i < sizes[b]; ++i) {
                ClubFileRecord r = Record(std::string(1, char('A' + b)) + std::to_string(i), divisions[b]);
                r.stadium = 0;
                r.manager.country = 1;
                r.areaCode = b == 2 ? 1 : b == 3 ? 2 : 0;
                records.push_back(r);
            }
        }
        world.GetClubList().ReadFile(WriteClubs(records));
        for (int b = 0; b < 4; ++b) {
            world.GetDivision(divisions[b])->SetClubRange(first, sizes[b]);
            Country().AddDivision(static_cast<uint32_t>(divisions[b]));
            first += sizes[b];
        }
        today = world.GetMatchDay();
        auto cup = std::make_unique<CCup>();
        cup->m_Name = "Regional Cup";
        cup->m_CountryIndex = 1;
        cup->m_Venues.SetSizeAndFill(CCup::kVenues, 0);
        for (int i = 0; i < 3; ++i) {
            auto r = std::make_unique<CCupRound>();
            CCupRound::NameIdsOfIndex(40 + i, r->m_FullNameId, r->m_ShortNameId);
            r->m_Kind = 1;
            r->m_Groups = i < 2 ? 2 : 0;
            r->m_Entrants = i == 0 ? 32 : i == 1 ? 32 : 16;
            r->m_DrawSlot = static_cast<uint8_t>(today + 10 * i);
            r->m_MatchSlot = static_cast<uint8_t>(today + 10 * i + 5);
            cup->m_Rounds.Add(std::move(r));
        }
        this->cup = cup.get();
        Country().GetCups().Add(std::move(cup));
    }
    CCountry& Country() { return *world.GetCountry(1); }
    int Area(int club) { return world.GetClub(club)->GetAreaCode(); }

    CCup* cup = nullptr;
    int today = 0;
};

TEST_F(TwoRegionCup, FirstRoundPairsWithinRegionsAndSendsEightPairingsThroughToTheSecond) {
    cup->m_Pool.Add(0);
    cup->DrawToday();
    CCupRound& first = *cup->GetRound(0);
    ASSERT_EQ(first.m_Ties.GetSize(), 16);
    ASSERT_EQ(first.m_Replays.GetSize(), 8);
    EXPECT_EQ(first.m_Entrants, 32);
    EXPECT_TRUE(cup->m_Pool.IsEmpty());
    std::set<int> clubs;
    for (const CFixtureList* list : {&first.m_Ties, &first.m_Replays})
        for (int t = 0; t < list->GetSize(); ++t) {
            const CFixture& f = *list->GetAt(t);
            EXPECT_EQ(Area(f.m_Home), Area(f.m_Away)) << t;
            clubs.insert(f.m_Home);
            clubs.insert(f.m_Away);
        }
    // Every club of the third and fourth divisions, once.
    EXPECT_EQ(clubs.size(), 48u);
    EXPECT_EQ(*clubs.begin(), 8);
    EXPECT_EQ(*clubs.rbegin(), 55);
    // Ties 8 to 11 went through first, region one's; the last four, region two's.
    for (int t = 0; t < 4; ++t) EXPECT_EQ(Area(first.m_Replays.GetAt(t)->m_Home), 1);
    for (int t = 4; t < 8; ++t) EXPECT_EQ(Area(first.m_Replays.GetAt(t)->m_Home), 2);
    for (int t = 0; t < 16; ++t) EXPECT_EQ(Area(first.m_Ties.GetAt(t)->m_Home), t < 8 ? 1 : 2);

    // The home clubs win; the second round's blocks keep the regions apart.
    std::set<int> expected;
    for (int t = 0; t < 16; ++t) {
        CFixture& f = *first.m_Ties.GetAt(t);
        f.m_HomeGoals = 2;
        f.m_AwayGoals = 0;
        f.m_ScriptLength = 90;
        expected.insert(f.m_Home);
    }
    for (int t = 0; t < 8; ++t) {
        expected.insert(first.m_Replays.GetAt(t)->m_Home);
        expected.insert(first.m_Replays.GetAt(t)->m_Away);
    }
    first.m_DrawSlot = static_cast<uint8_t>(today + 1);
    cup->GetRound(1)->m_DrawSlot = static_cast<uint8_t>(today);
    cup->DrawToday();
    const CCupRound& second = *cup->GetRound(1);
    ASSERT_EQ(second.m_Ties.GetSize(), 16);
    std::set<int> drawn;
    for (int t = 0; t < 16; ++t) {
        const CFixture& f = *second.m_Ties.GetAt(t);
        EXPECT_EQ(Area(f.m_Home), t < 8 ? 1 : 2) << t;
        EXPECT_EQ(Area(f.m_Away), t < 8 ? 1 : 2) << t;
        drawn.insert(f.m_Home);
        drawn.insert(f.m_Away);
    }
    EXPECT_EQ(drawn, expected);
}

TEST_F(TwoRegionCup, RegionsShortOfTwentyFourAreDrawnAsAnOrdinaryRound) {
    // Only the third division's clubs carry a listed code: one region of 24.
    for (int c = 0; c < 56; ++c) cup->m_Pool.Add(static_cast<uint32_t>(c));
    cup->GetRound(0)->m_Kind = 1;
    world.GetDivision(4)->SetClubRange(32, 0);
    cup->DrawToday();
    const CCupRound& first = *cup->GetRound(0);
    EXPECT_EQ(first.m_Ties.GetSize(), 16);
    EXPECT_EQ(first.m_Replays.GetSize(), 0);
}

}  // namespace
}  // namespace clubtest
