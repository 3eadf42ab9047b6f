// Domestic cups in play over the generated world: the draws with their
// entrants, pairings and announcements, ties over one or two legs with
// replays, the notices to human managers, groups and the season's end.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/msgformat.h"
#include "platform/random.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"
#include "records_roundtrip.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"
#include "competition_world.h"

namespace {

using testsupport::MatchWorld;

class CupPlay : public CompetitionWorldTest {
protected:
    void SetUp() override {
        CompetitionWorldTest::SetUp();
        if (HasFatalFailure()) return;
        country = Div().GetCountry();
        cup.m_Name = "Test Cup";
        cup.m_CountryIndex = country;
        cup.m_SubsNamed = 5;
        cup.m_SubsAllowed = 3;
        cup.m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(Club(0).GetStadiumIndex()));
    }
    CCupRound& AddRound(uint8_t entrants, uint8_t kind, int drawSlot, int matchSlot, int replaySlot = 255,
                        int nameIndex = 5) {
        auto r = std::make_unique<CCupRound>();
        CCupRound::NameIdsOfIndex(nameIndex, r->m_FullNameId, r->m_ShortNameId);
        r->m_Entrants = entrants;
        r->m_Kind = kind;
        r->m_DrawSlot = static_cast<uint8_t>(drawSlot);
        r->m_MatchSlot = static_cast<uint8_t>(matchSlot);
        r->m_ReplaySlot = static_cast<uint8_t>(replaySlot);
        CCupRound& ref = *r;
        cup.m_Rounds.Add(std::move(r));
        return ref;
    }
    // The pool: the division's clubs, best first.
    void FillPool(int n) {
        cup.m_Pool.RemoveAll();
        for (int i = 0; i < n; ++i) cup.m_Pool.Add(static_cast<uint32_t>(ClubIndex(i % Div().GetClubCount()) + (i / Div().GetClubCount()) * 1000));
    }
    void MakeUser(CClub& club, int slot) {
        W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1;
        W().GetUser(slot)->SetManagerIndex(club.GetManager());
    }
    CFixture& Tie(CCupRound& r, int home, int away, int hg, int ag) {
        r.m_Ties.AddFixture(CFixture::kCupHome, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, 0, 0);
        CFixture& f = *r.m_Ties.GetAt(r.m_Ties.GetSize() - 1);
        f.m_HomeGoals = static_cast<uint8_t>(hg);
        f.m_AwayGoals = static_cast<uint8_t>(ag);
        f.m_ScriptLength = 90;
        return f;
    }
    static int CountCode(const CHumanManager& h, uint8_t code) {
        int n = 0;
        for (const auto& m : h.GetInbox()) n += m.code == code;
        return n;
    }
    static std::set<int> ClubsOf(const CCupRound& r) {
        std::set<int> s;
        for (int t = 0; t < r.m_Ties.GetSize(); ++t) {
            s.insert(r.m_Ties.GetAt(t)->m_Home);
            s.insert(r.m_Ties.GetAt(t)->m_Away);
        }
        return s;
    }

    ScriptedUserPort port;
    int country = -1;
    CCup cup;
};

TEST_F(CupPlay, ReverseKindRoundMakesNoDrawAndNoNews) {
    const int today = W().GetMatchDay();
    AddRound(8, 4, today - 1, today + 1);
    AddRound(8, 8, today, today + 2);
    FillPool(8);
    cup.GetRound(0)->m_DrawSlot = static_cast<uint8_t>(today - 2);
    const int news = W().GetCountry(country)->GetNews().GetSize();
    cup.DrawToday();
    EXPECT_EQ(cup.GetRound(1)->m_Ties.GetSize(), 0);
    EXPECT_EQ(W().GetCountry(country)->GetNews().GetSize(), news);
    EXPECT_TRUE(cup.m_NewsPaperEvents.m_DrawText.empty());
}

TEST_F(CupPlay, FirstRoundTakesNonLeagueClubsThenTheLastPoolClubs) {
    const int today = W().GetMatchDay();
    for (int i = 0; i < 3; ++i) {
        const int nl = W().AddNonLeagueClub("Village " + std::to_string(i), Club(0).GetStadiumIndex(),
                                            *W().GetCountry(country), CKits{}, CKits{});
        cup.m_NonLeagueClubs.Add(static_cast<uint32_t>(nl));
    }
    AddRound(10, 1, today, today + 1);
    FillPool(16);
    const CExtDWordArray pool = cup.m_Pool;
    cup.DrawToday();
    const CCupRound& r = *cup.GetRound(0);
    ASSERT_EQ(r.m_Ties.GetSize(), 5);
    std::set<int> expected;
    for (int i = 0; i < 3; ++i) expected.insert(-1 - static_cast<int>(cup.m_NonLeagueClubs.GetAt(i)));
    for (int i = 9; i < 16; ++i) expected.insert(static_cast<int32_t>(pool.GetAt(i)));
    EXPECT_EQ(ClubsOf(r), expected);
    EXPECT_EQ(cup.m_Pool.GetSize(), 9);
    // The draw is announced in the country's news and the cup's headline.
    EXPECT_FALSE(cup.m_NewsPaperEvents.m_DrawText.empty());
}

TEST_F(CupPlay, SchemeOneSizesRoundsByHeldBackClubs) {
    const int today = W().GetMatchDay();
    AddRound(60, 1, today, today + 1);
    AddRound(60, 1, today + 2, today + 3);
    AddRound(60, 1, today + 4, today + 5);
    cup.m_EntryScheme = 1;
    FillPool(200);
    for (int i = 0; i < 8; ++i) cup.m_HeldBack.Add(static_cast<uint32_t>(5000 + i));
    cup.DrawToday();
    EXPECT_EQ(cup.GetRound(0)->m_Entrants, 72);
    EXPECT_EQ(cup.GetRound(2)->m_Entrants, 48);
    EXPECT_EQ(cup.GetRound(0)->m_Ties.GetSize(), 36);
}

TEST_F(CupPlay, BlocksNeverPairTheFirstSixteenWithTheLast) {
    const int today = W().GetMatchDay();
    CCupRound& r = AddRound(32, 1, today, today + 1);
    r.m_Groups = 2;
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        platform::SetRandomClock([seed] { return static_cast<int64_t>(seed * 977); });
        r.m_Ties.RemoveAll();
        FillPool(32);
        std::set<int> firstBlock;
        for (int i = 31; i >= 16; --i) firstBlock.insert(static_cast<int32_t>(cup.m_Pool.GetAt(i)));
        cup.DrawToday();
        ASSERT_EQ(r.m_Ties.GetSize(), 16);
        for (int t = 0; t < 16; ++t) {
            const CFixture& f = *r.m_Ties.GetAt(t);
            EXPECT_EQ(firstBlock.count(f.m_Home), firstBlock.count(f.m_Away)) << "tie " << t;
        }
    }
    platform::SetRandomClock({});
}

TEST_F(CupPlay, FinalDrawPostsCodeTwentyOneAndNoBox) {
    const int today = W().GetMatchDay();
    MakeUser(Club(0), 0);
    MakeUser(Club(5), 1);
    struct Case { uint8_t entrants; uint8_t code; bool box; } cases[] = {{2, 21, false}, {4, 18, true}, {8, 15, true}, {16, 24, true}};
    for (const Case& k : cases) {
        cup.m_Rounds.RemoveAll();
        AddRound(k.entrants, 1, today, today + 1);
        cup.m_Pool.RemoveAll();
        for (int i = k.entrants - 1; i >= 0; --i) cup.m_Pool.Add(static_cast<uint32_t>(ClubIndex(i)));
        const size_t boxes = port.Boxes().size();
        const int before = CountCode(*W().GetUser(0), k.code);
        cup.DrawToday();
        EXPECT_EQ(CountCode(*W().GetUser(0), k.code), before + 1) << int(k.entrants);
        EXPECT_EQ(port.Boxes().size() > boxes, k.box) << int(k.entrants);
        if (k.box) {
            EXPECT_TRUE(port.AskedText(Club(0).GetName()));
        }
    }
}

TEST_F(CupPlay, FirstLegDrawFillsTheNextRoundReversed) {
    const int today = W().GetMatchDay();
    AddRound(8, 4, today, today + 1);
    AddRound(8, 8, today, today + 2);
    FillPool(8);
    cup.DrawToday();
    const CCupRound& a = *cup.GetRound(0);
    const CCupRound& b = *cup.GetRound(1);
    ASSERT_EQ(a.m_Ties.GetSize(), 4);
    ASSERT_EQ(b.m_Ties.GetSize(), 4);
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(b.m_Ties.GetAt(t)->m_Home, a.m_Ties.GetAt(t)->m_Away);
        EXPECT_EQ(b.m_Ties.GetAt(t)->m_Away, a.m_Ties.GetAt(t)->m_Home);
    }
}

TEST_F(CupPlay, PairingsStayWithinTheEntrants) {
    CCupRound& r = AddRound(8, 1, 0, 1);
    CExtDWordArray five;
    for (int i = 0; i < 5; ++i) five.Add(static_cast<uint32_t>(ClubIndex(i)));
    r.MakePairings(cup, five);
    EXPECT_EQ(r.m_Ties.GetSize(), 2);
    CExtDWordArray many;
    for (int i = 0; i < 12; ++i) many.Add(static_cast<uint32_t>(ClubIndex(i)));
    r.m_Ties.RemoveAll();
    r.MakePairings(cup, many);
    EXPECT_EQ(r.m_Ties.GetSize(), 4);
}

TEST_F(CupPlay, TwoLeggedTieOnAggregateAwayGoalsAndPenalties) {
    const int a = ClubIndex(0), b = ClubIndex(1);
    for (uint8_t kind : {8, 5}) {
        cup.m_Rounds.RemoveAll();
        CCupRound& first = AddRound(2, 4, 0, 1);
        CCupRound& second = AddRound(2, kind, 0, 2);
        Tie(first, a, b, 1, 0);
        CFixture& leg2 = Tie(second, b, a, 2, 1);
        SCOPED_TRACE(int(kind));
        EXPECT_EQ(second.NeedsExtraTime(&*first.m_Ties.GetAt(0), leg2), kind == 5);
        if (kind == 5) leg2.m_Events.Add(255, CMatchEvent::kHomeShootoutGoal, "");
        CExtDWordArray losers;
        const int winner = second.ResolveTie(0, losers, cup.m_Name, 1, cup);
        // Kind 8: a's away goal decides; kind 5: b won the shoot-out.
        EXPECT_EQ(winner, kind == 8 ? a : b);
        EXPECT_EQ(leg2.m_SubsNamed, 2);
        EXPECT_EQ(leg2.m_SubsAllowed, 2);
    }
}

TEST_F(CupPlay, LevelTieOfKindZeroGoesToAReplayAtTheOtherGround) {
    const int a = ClubIndex(0), b = ClubIndex(1);
    CCupRound& r = AddRound(2, 0, 0, 1, 2);
    Tie(r, a, b, 1, 1);
    cup.ScheduleReplays(r, 0);
    ASSERT_EQ(r.m_Replays.GetSize(), 1);
    CFixture& replay = *r.m_Replays.GetAt(0);
    EXPECT_EQ(replay.m_Home, b);
    EXPECT_EQ(replay.m_Away, a);
    replay.m_HomeGoals = replay.m_AwayGoals = 2;
    CExtDWordArray losers;
    // A level replay goes to its away club.
    EXPECT_EQ(r.ResolveTie(0, losers, cup.m_Name, 1, cup), a);
    ASSERT_EQ(losers.GetSize(), 1);
    EXPECT_EQ(static_cast<int32_t>(losers.GetAt(0)), b);
}

TEST_F(CupPlay, ResultsOnlyDecidedTieIsNeverLevel) {
    int other = -1;
    for (int i = 0; i < W().GetCountryList().GetSize() && other < 0; ++i)
        if (W().GetCountry(i)->GetFollowLevel() == kNotFollowed && W().GetCountry(i)->GetDivisionCount() > 0) other = i;
    ASSERT_GE(other, 0);
    cup.m_CountryIndex = other;
    const int today = W().GetMatchDay();
    CCupRound& r = AddRound(16, 1, today - 1, today);
    const int first = W().GetCountry(other)->FirstClubIndex();
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        platform::SeedRandom(seed);
        r.m_Ties.RemoveAll();
        for (int t = 0; t < 8; ++t) Tie(r, first + 2 * t, first + 2 * t + 1, 0, 0).m_ScriptLength = 0;
        ASSERT_TRUE(cup.PlayToday(false));
        for (int t = 0; t < 8; ++t) {
            EXPECT_FALSE(r.m_Ties.GetAt(t)->IsDraw());
            EXPECT_TRUE(r.m_Ties.GetAt(t)->HasBeenPrepared());
        }
    }
}

TEST_F(CupPlay, NonLeagueClubLeavesNoTraceInTheClubList) {
    const int nl = W().AddNonLeagueClub("Hamlet Rovers", Club(0).GetStadiumIndex(), *W().GetCountry(country), CKits{}, CKits{});
    const int today = W().GetMatchDay();
    CCupRound& r = AddRound(2, 1, today - 1, today);
    Tie(r, -1 - nl, ClubIndex(0), 0, 0).m_ScriptLength = 0;
    platform::SeedRandom(4);
    ASSERT_TRUE(cup.PlayToday(false));
    const CFixture& f = *r.m_Ties.GetAt(0);
    EXPECT_EQ(f.m_Home, -1 - nl);
    EXPECT_FALSE(f.IsDraw());
    for (int slot : {W().GetClubCount(), W().GetClubCount() + 1})
        for (int s = 0; s < 30; ++s) EXPECT_EQ(W().GetClub(slot)->GetPlayerId(s), 0xFFFF) << slot;
}

TEST_F(CupPlay, NonLeagueWinnerOfTheMainCupGivesWayToTheSemiFinalLoser) {
    const int nl = W().AddNonLeagueClub("Hamlet Rovers", Club(0).GetStadiumIndex(), *W().GetCountry(country), CKits{}, CKits{});
    cup.m_RecordRole = 4;
    CCupRound& semi = AddRound(4, 1, 0, 1);
    CCupRound& final = AddRound(2, 24, 2, 3);
    Tie(semi, -1 - nl, ClubIndex(2), 2, 1);
    Tie(semi, ClubIndex(3), ClubIndex(4), 0, 1);
    Tie(final, -1 - nl, ClubIndex(4), 1, 0);
    cup.EndOfSeason(true);
    const CCountry& c = *W().GetCountry(country);
    EXPECT_EQ(c.GetCupFinalistA(), ClubIndex(4));
    EXPECT_EQ(c.GetCupFinalistB(), ClubIndex(2));
    EXPECT_EQ(c.GetCupQualifier(0), ClubIndex(3));
    EXPECT_EQ(cup.GetRound(1)->m_Ties.GetSize(), 0);
}

TEST_F(CupPlay, SeasonEndTellsTheFinalistsOnceAndTheSemiFinalistsNotAgain) {
    // A human club lost its semi-final (told then); a human club reached the final.
    MakeUser(Club(2), 0);
    MakeUser(Club(4), 1);
    cup.m_RecordRole = 4;
    CCupRound& semi = AddRound(4, 1, 0, 1);
    CCupRound& final = AddRound(2, 24, 2, 3);
    Tie(semi, ClubIndex(1), ClubIndex(2), 2, 1);
    Tie(semi, ClubIndex(3), ClubIndex(4), 0, 1);
    Tie(final, ClubIndex(1), ClubIndex(4), 1, 0);
    Club(4).SetReputation(50);
    const size_t semiInbox = W().GetUser(0)->GetInbox().size();
    cup.EndOfSeason(true);
    EXPECT_EQ(W().GetUser(0)->GetInbox().size(), semiInbox);
    // The beaten finalist hears once: -30, not -60.
    EXPECT_EQ(CountCode(*W().GetUser(1), 23), 1);
    EXPECT_EQ(Club(4).GetReputation(), 50 - 30 + 20);  // the final lost, then the runner-up's honour
    const CCountry& c = *W().GetCountry(country);
    EXPECT_EQ(c.GetCupFinalistA(), ClubIndex(1));
    EXPECT_EQ(c.GetCupFinalistB(), ClubIndex(4));
    EXPECT_EQ(c.GetCupQualifier(0), ClubIndex(2));
    EXPECT_EQ(c.GetCupQualifier(1), ClubIndex(3));
}

TEST_F(CupPlay, NoticesByRoundSize) {
    MakeUser(Club(0), 0);
    MakeUser(Club(1), 1);
    struct Case { uint8_t entrants; int startReputation, loserReputation, winnerReputation; uint8_t loserCode, winnerCode; } cases[] = {
        {2, 50, 20, 80, 23, 22}, {8, 10, 2, 18, 17, 16}, {4, 50, 35, 65, 20, 19}, {32, 50, 46, 54, 14, 13}};
    for (const Case& k : cases) {
        cup.m_Rounds.RemoveAll();
        CCupRound& r = AddRound(k.entrants, 1, 0, 1);
        Tie(r, ClubIndex(0), ClubIndex(1), 0, 1);
        Club(0).SetReputation(static_cast<uint8_t>(k.startReputation));
        Club(1).SetReputation(static_cast<uint8_t>(k.startReputation));
        const int loserNews = W().GetUser(0)->GetNews().GetSize();
        const int winnerNews = W().GetUser(1)->GetNews().GetSize();
        CExtDWordArray losers;
        ASSERT_EQ(r.ResolveTie(0, losers, cup.m_Name, 0, cup), ClubIndex(1));
        SCOPED_TRACE(int(k.entrants));
        EXPECT_EQ(Club(0).GetReputation(), k.loserReputation);
        EXPECT_EQ(Club(1).GetReputation(), k.winnerReputation);
        EXPECT_EQ(W().GetUser(0)->GetInbox().back().code, k.loserCode);
        EXPECT_EQ(W().GetUser(1)->GetInbox().back().code, k.winnerCode);
        ASSERT_EQ(W().GetUser(0)->GetNews().GetSize(), loserNews + 1);
        const std::string board = W().GetUser(0)->GetNews()[W().GetUser(0)->GetNews().GetSize() - 1]->GetText();
        if (k.entrants == 2) {
            EXPECT_EQ(board, platform::FormatMessageId(177, {cup.m_Name}));
            EXPECT_TRUE(W().GetUser(0)->HasDeferredMessage());
            EXPECT_EQ(W().GetUser(0)->GetDeferredMessage().code, 210);
            // Only the winner of the final hears he has won the cup.
            ASSERT_EQ(W().GetUser(1)->GetNews().GetSize(), winnerNews + 1);
            EXPECT_EQ(W().GetUser(1)->GetNews()[W().GetUser(1)->GetNews().GetSize() - 1]->GetText(),
                      platform::FormatMessageId(32869, {Club(1).GetManagerName(), cup.m_Name}));
        } else {
            const int strength = Club(0).GetDivision()->GetStrengthIndex();
            EXPECT_EQ(board, platform::FormatMessageId(171 + strength, {cup.m_Name}));
            EXPECT_EQ(W().GetUser(1)->GetNews().GetSize(), winnerNews);
        }
        // A quiet resolution tells nobody.
        const size_t inbox = W().GetUser(0)->GetInbox().size();
        r.ResolveTie(0, losers, cup.m_Name, 1, cup);
        EXPECT_EQ(W().GetUser(0)->GetInbox().size(), inbox);
    }
}

TEST_F(CupPlay, AppearancesFollowEachClubsOwnSelection) {
    MakeUser(Club(0), 0);
    CHumanManager& h = *W().GetUser(0);
    for (int s = 0; s < 30; ++s) h.SetSelection(s, 0);
    // The human picks slots 19 down to 9 as his eleven.
    for (int s = 9; s < 20; ++s) h.SetSelection(s, static_cast<uint8_t>(s - 8));
    auto apps = [&](CClub& c, int slot) { return W().GetPlayer(c.GetPlayerId(slot))->m_SeasonAppearances; };
    ASSERT_NE(W().GetPlayer(Club(0).GetPlayerId(19)), nullptr);
    const int human0 = apps(Club(0), 0), human19 = apps(Club(0), 19);
    const int computer0 = apps(Club(1), 0), computer19 = apps(Club(1), 19);
    CCupRound& r = AddRound(2, 1, 0, 1);
    // Another user is current: his sheet must not decide.
    W().RestoreCurrentUser(1);
    cup.RecordMatch(r, Tie(r, ClubIndex(0), ClubIndex(1), 1, 0));
    EXPECT_EQ(apps(Club(0), 0), human0);
    EXPECT_EQ(apps(Club(0), 19), human19 + 1);
    EXPECT_EQ(apps(Club(1), 0), computer0 + 1);
    EXPECT_EQ(apps(Club(1), 19), computer19);
}

TEST_F(CupPlay, GroupsOfFiveRestEachClubOnceAndMeetEveryPair) {
    const int today = W().GetMatchDay();
    CCupRound& g = AddRound(10, 10, today, today + 1, 255, 49);
    g.m_GroupSize = 5;
    for (int d = 1; d < 5; ++d) AddRound(10, 10, today, today + 1 + d, 255, 49);
    AddRound(4, 1, today + 6, today + 7);
    FillPool(10);
    cup.DrawToday();
    for (int grp = 0; grp < 2; ++grp) {
        CExtDWordArray clubs;
        g.CollectGroupClubs(grp, clubs, cup.GetRound(1));
        ASSERT_EQ(clubs.GetSize(), 5);
        std::set<std::pair<int, int>> pairs;
        std::map<int, int> played;
        for (int d = 0; d < 5; ++d) {
            const CCupRound& r = *cup.GetRound(d);
            ASSERT_EQ(r.m_Ties.GetSize(), 4) << d;
            for (int t = 2 * grp; t < 2 * grp + 2; ++t) {
                const CFixture& f = *r.m_Ties.GetAt(t);
                pairs.insert({std::min<int>(f.m_Home, f.m_Away), std::max<int>(f.m_Home, f.m_Away)});
                ++played[f.m_Home];
                ++played[f.m_Away];
            }
        }
        EXPECT_EQ(pairs.size(), 10u);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(played[static_cast<int32_t>(clubs.GetAt(i))], 4);
    }
}

TEST_F(CupPlay, TwoLeggedGroupsOfFourMirrorTheirFirstThreeDays) {
    const int today = W().GetMatchDay();
    CCupRound& g = AddRound(8, 10, today, today + 1, 255, 108);
    g.m_GroupSize = 4;
    g.m_Legs = 2;
    for (int d = 1; d < 6; ++d) AddRound(8, 10, today, today + 1 + d, 255, 108 + d);
    FillPool(8);
    cup.DrawToday();
    for (int d = 0; d < 3; ++d)
        for (int t = 0; t < 4; ++t) {
            const CFixture& a = *cup.GetRound(d)->m_Ties.GetAt(t);
            const CFixture& b = *cup.GetRound(d + 3)->m_Ties.GetAt(t);
            EXPECT_EQ(a.m_Home, b.m_Away);
            EXPECT_EQ(a.m_Away, b.m_Home);
        }
}

TEST_F(CupPlay, GroupQualifiersTopTwoAndBestThirds) {
    // Four groups of four whose every match the home side wins by the tie
    // number: tables are decided by the schedule alone.
    const int today = W().GetMatchDay();
    CCupRound& g = AddRound(16, 10, today, today + 1, 255, 49);
    g.m_GroupSize = 4;
    AddRound(16, 10, today, today + 2, 255, 50);
    AddRound(16, 10, today, today + 3, 255, 51);
    AddRound(8, 1, today + 4, today + 5);
    FillPool(16);
    cup.DrawToday();
    for (int d = 0; d < 3; ++d)
        for (int t = 0; t < 8; ++t) {
            CFixture& f = *cup.GetRound(d)->m_Ties.GetAt(t);
            f.m_HomeGoals = static_cast<uint8_t>(1 + t % 3);
            f.m_AwayGoals = 0;
            f.m_ScriptLength = 90;
        }
    CExtDWordArray ten, all;
    cup.GetGroupQualifiers(ten, 10);
    EXPECT_EQ(ten.GetSize(), 10);
    EXPECT_FALSE(ten.HasDuplicates());
    cup.GetGroupQualifiers(all, 0);
    EXPECT_EQ(all.GetSize(), 16);
    // The first eight of ten are the groups' top two, group by group.
    for (int i = 0; i < 8; ++i) EXPECT_EQ(ten.GetAt(i), all.GetAt((i / 2) * 4 + i % 2));
}

TEST_F(CupPlay, CatchUpFromTheSeasonStartPlaysNothingAndTwoCupsInListOrder) {
    CCountry& c = *W().GetCountry(country);
    c.GetClubRanking().RemoveAll();
    for (int i = 0; i < 8; ++i) c.GetClubRanking().Add(static_cast<uint32_t>(ClubIndex(i)));
    const int start = c.GetSeasonStartDay();
    while (W().GetMatchDay() != start) W().PreviousMatchDay();
    auto make = [&](const std::string& name) {
        auto k = std::make_unique<CCup>();
        k->m_Name = name;
        k->m_CountryIndex = country;
        k->m_Venues.SetSizeAndFill(CCup::kVenues, 0);
        auto r = std::make_unique<CCupRound>();
        r->m_Entrants = 4;
        r->m_Kind = 0;
        r->m_DrawSlot = static_cast<uint8_t>(start + 1);
        r->m_MatchSlot = static_cast<uint8_t>(start + 2);
        r->m_ReplaySlot = static_cast<uint8_t>(start + 3);
        k->m_Rounds.Add(std::move(r));
        return k;
    };
    CCupList list;
    list.Add(make("First"));
    list.Add(make("Second"));
    list.CatchUpToToday();
    EXPECT_EQ(W().GetMatchDay(), start);
    EXPECT_EQ(list.GetAt(0)->GetRound(0)->m_Ties.GetSize(), 0);
    // Up to a later day: both drawn, played and their level ties replayed.
    for (int i = 0; i < 5; ++i) W().NextMatchDay();
    W().SetGameInProgress(0);
    int replays = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        for (int k = 0; k < 2; ++k) list.GetAt(k)->ClearFixtures();
        platform::SeedRandom(seed);
        list.CatchUpToToday();
        EXPECT_EQ(W().GetMatchDay(), start + 5);
        for (int k = 0; k < 2; ++k) {
            const CCupRound& r = *list.GetAt(k)->GetRound(0);
            ASSERT_EQ(r.m_Ties.GetSize(), 2);
            for (int t = 0; t < 2; ++t) EXPECT_TRUE(r.m_Ties.GetAt(t)->HasBeenPrepared());
            for (int t = 0; t < r.m_Replays.GetSize(); ++t) EXPECT_TRUE(r.m_Replays.GetAt(t)->HasBeenPrepared());
            replays += r.m_Replays.GetSize();
        }
    }
    EXPECT_GT(replays, 0);
    // A country without cups: nothing played, nothing found.
    CCupList none;
    EXPECT_FALSE(none.PlayToday(false));
}

TEST_F(CupPlay, CountsStayInsideWhatExists) {
    const int today = W().GetMatchDay();
    const int nl = W().AddNonLeagueClub("Hamlet Rovers", Club(0).GetStadiumIndex(), *W().GetCountry(country), CKits{}, CKits{});
    struct Case {
        uint8_t scheme, format, nonLeagueEntrants;
        int season, heldBack, pool;
        int expectedEntrants, expectedNonLeague;
    } cases[] = {
        // Asked for 32 non-league clubs in a later season of format 0, the
        // cup brought in one: one enters.
        {0, 0, 0, 2, 0, 100, 16, 1},
        // Scheme 2 with a pool above 52: no non-league clubs, not a wrapped count.
        {2, 1, 0, 0, 0, 60, 16, 0},
        // Scheme 1 outside five to twelve held-back clubs changes nothing.
        {1, 1, 0, 0, 3, 60, 16, 0},
    };
    for (const Case& k : cases) {
        cup.m_Rounds.RemoveAll();
        cup.m_NonLeagueClubs.RemoveAll();
        cup.m_NonLeagueClubs.Add(static_cast<uint32_t>(nl));
        cup.m_EntryScheme = k.scheme;
        cup.m_Format = k.format;
        cup.m_HeldBack.RemoveAll();
        for (int i = 0; i < k.heldBack; ++i) cup.m_HeldBack.Add(static_cast<uint32_t>(9000 + i));
        CCupRound& r = AddRound(16, 1, today, today + 1);
        AddRound(8, 1, today + 2, today + 3);
        AddRound(4, 1, today + 4, today + 5);
        r.m_NonLeagueEntrants = k.nonLeagueEntrants;
        W().GetClock().SetSeason(k.season);
        FillPool(k.pool);
        cup.DrawToday();
        SCOPED_TRACE(int(k.scheme));
        int nonLeague = 0, clubs = 0;
        for (int c : ClubsOf(r)) {
            ++clubs;
            nonLeague += c < 0;
        }
        EXPECT_EQ(clubs, k.expectedEntrants);
        EXPECT_EQ(nonLeague, k.expectedNonLeague);
        EXPECT_EQ(r.m_NonLeagueEntrants == 0 || r.m_NonLeagueEntrants < 200, true);
        EXPECT_EQ(cup.GetRound(2)->m_Entrants, 4);
    }
    W().GetClock().SetSeason(0);
}

TEST_F(CupPlay, ShieldEntrantsAreUniqueAndAShortDrawMakesNoTie) {
    CCharityShield shield;
    shield.AddEntrant(ClubIndex(0));
    shield.AddEntrant(ClubIndex(0));
    shield.AddEntrant(ClubIndex(1));
    EXPECT_EQ(shield.m_Entrants.GetSize(), 2);
    EXPECT_TRUE(shield.HasEntrant(ClubIndex(1)));
    // A round with one club to draw makes no tie that season.
    const int today = W().GetMatchDay();
    CCupRound& r = AddRound(2, 24, today, today + 1, 255, 45);
    FillPool(1);
    cup.DrawToday();
    EXPECT_EQ(r.m_Ties.GetSize(), 0);
}

TEST_F(CupPlay, SecondGroupPhaseTakesTheTopTwoOfEachPosition) {
    // Three rounds of one group position: club 0 wins all, club 1 two, club 2 one.
    for (int d = 0; d < 3; ++d) AddRound(4, 12, 0, d + 1, 255, 108 + d);
    const int c[4] = {ClubIndex(0), ClubIndex(1), ClubIndex(2), ClubIndex(3)};
    Tie(*cup.GetRound(0), c[0], c[1], 2, 0);
    Tie(*cup.GetRound(1), c[0], c[2], 1, 0);
    Tie(*cup.GetRound(2), c[1], c[2], 3, 0);
    CExtDWordArray entrants;
    cup.DrawSecondGroupPhase(3, entrants);
    ASSERT_EQ(entrants.GetSize(), 2);
    EXPECT_EQ(static_cast<int32_t>(entrants.GetAt(0)), c[0]);
    EXPECT_EQ(static_cast<int32_t>(entrants.GetAt(1)), c[1]);
}

TEST_F(CupPlay, SavedMidSeasonWithTiesReplaysAndGroupsReloadsToTheSameBytes) {
    const int today = W().GetMatchDay();
    CCupRound& r = AddRound(8, 0, today - 1, today, today + 1);
    CCupRound& g = AddRound(8, 10, today + 2, today + 3, 255, 49);
    g.m_GroupSize = 4;
    AddRound(8, 10, today + 2, today + 4, 255, 50);
    AddRound(8, 10, today + 2, today + 5, 255, 51);
    for (int t = 0; t < 4; ++t) Tie(r, ClubIndex(2 * t), ClubIndex(2 * t + 1), t % 2, 0);
    cup.ScheduleReplays(r, 0);
    ASSERT_EQ(r.m_Replays.GetSize(), 2);
    FillPool(12);
    for (int i = 0; i < 8; ++i) cup.m_HeldBack.Add(static_cast<uint32_t>(ClubIndex(i)));
    CExtDWordArray entrants;
    for (int i = 0; i < 8; ++i) entrants.Add(static_cast<uint32_t>(ClubIndex(i)));
    g.MakePairings(cup, entrants);
    cup.ScheduleFollowingRounds(g, entrants);
    g.m_NonLeagueEntrants = 3;
    const auto bytes = recordtest::Write([&](FILE* f) { cup.Save(f); });
    CCup back;
    for (int i = 0; i < cup.GetRoundCount(); ++i) back.m_Rounds.Add(std::make_unique<CCupRound>());
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    EXPECT_EQ(back.GetRound(0)->m_Replays.GetSize(), 2);
    EXPECT_EQ(back.GetRound(3)->m_Ties.GetSize(), 4);
    EXPECT_EQ(back.GetRound(1)->m_NonLeagueEntrants, 3);
}

TEST_F(CupPlay, HumanTieIsSetAsideAndPlayedThroughTheEngineAsItsManager) {
    const int today = W().GetMatchDay();
    CCupRound& r = AddRound(4, 1, today - 1, today);
    MakeUser(Club(1), 2);
    W().RestoreCurrentUser(0);
    CWorldData::SelectedUserSlot() = 0;
    Tie(r, ClubIndex(0), ClubIndex(1), 0, 0).m_ScriptLength = 0;
    Tie(r, ClubIndex(2), ClubIndex(3), 0, 0).m_ScriptLength = 0;
    testsupport::ScriptedMatchDriver driver;
    std::vector<int> users;
    driver.onMinute = [&](CMatchPlay&) { users.push_back(W().GetCurrentUserIndex()); };
    testsupport::ScopedMatchDriver scope(&driver);
    platform::SeedRandom(8);
    ASSERT_TRUE(cup.PlayToday(true));
    EXPECT_EQ(driver.opened, 1);
    ASSERT_FALSE(users.empty());
    EXPECT_EQ(users.front(), 2);
    EXPECT_EQ(W().GetCurrentUserIndex(), 0);
    // Decided on the day: extra time and penalties leave no level tie.
    for (int t = 0; t < 2; ++t) {
        const CFixture& f = *r.m_Ties.GetAt(t);
        EXPECT_TRUE(f.HasBeenPrepared());
        EXPECT_FALSE(f.IsDraw() && !f.m_Events.HasShootout()) << t;
    }
}

}  // namespace
