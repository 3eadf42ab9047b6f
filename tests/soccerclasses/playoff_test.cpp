// League play-offs over the generated world: entrants from table places,
// the draw, the clubs that go up and a saved play-off list.
#include <gtest/gtest.h>

#include <set>

#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"
#include "records_roundtrip.h"
#include "support/match_world.h"

#include "competition_world.h"

namespace {

using testsupport::MatchWorld;

class PlayOffPlay : public CompetitionWorldTest {
protected:
    void SetUp() override {
        CompetitionWorldTest::SetUp();
        if (HasFatalFailure()) return;
        // Club i of the division stands at table position i.
        for (int i = 0; i < Div().GetClubCount(); ++i) Club(i).LeagueRow().m_Position = static_cast<uint8_t>(i);
        auto p = std::make_unique<CPlayOff>();
        p->m_Name = "Test Play-offs";
        p->m_Id = 7;
        p->m_ExtraPlaces = 1;
        p->m_CountryIndex = Div().GetCountry();
        p->m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(Club(0).GetStadiumIndex()));
        playOff = p.get();
        W().GetPlayOffList().Add(std::move(p));
    }
    CCupRound& AddRound(uint8_t entrants, uint8_t kind, int drawSlot, int matchSlot, int nameIndex = 45) {
        auto r = std::make_unique<CCupRound>();
        CCupRound::NameIdsOfIndex(nameIndex, r->m_FullNameId, r->m_ShortNameId);
        r->m_Entrants = entrants;
        r->m_Kind = kind;
        r->m_DrawSlot = static_cast<uint8_t>(drawSlot);
        r->m_MatchSlot = static_cast<uint8_t>(matchSlot);
        CCupRound& ref = *r;
        playOff->m_Rounds.Add(std::move(r));
        return ref;
    }
    int DivisionPosition() {
        const CCountry& c = *W().GetCountry(Div().GetCountry());
        for (int i = 0; i < c.GetDivisionCount(); ++i)
            if (c.GetDivision(i) == &Div()) return i;
        return -1;
    }
    // A group stage of `groups` groups of four, every match won at home by
    // the tie number, so the tables follow from the schedule alone.
    void PlayGroups(int groups) {
        const int today = W().GetMatchDay();
        const auto n = static_cast<uint8_t>(4 * groups);
        CCupRound& g = AddRound(n, 10, today, today + 1, 49);
        g.m_GroupSize = 4;
        AddRound(n, 10, today, today + 2, 50);
        AddRound(n, 10, today, today + 3, 51);
        CExtDWordArray entrants;
        for (int i = 0; i < n; ++i) entrants.Add(static_cast<uint32_t>(ClubIndex(i)));
        g.MakePairings(*playOff, entrants);
        playOff->ScheduleFollowingRounds(g, entrants);
        for (int d = 0; d < 3; ++d)
            for (int t = 0; t < playOff->GetRound(d)->m_Ties.GetSize(); ++t) {
                CFixture& f = *playOff->GetRound(d)->m_Ties.GetAt(t);
                f.m_HomeGoals = static_cast<uint8_t>(1 + t % 3);
                f.m_AwayGoals = 0;
                f.m_ScriptLength = 90;
            }
    }

    CPlayOff* playOff = nullptr;
};

TEST_F(PlayOffPlay, DivisionsSendTheirTablePlacesAndFindByIdTakesTheLater) {
    const int n = Div().GetClubCount();
    ASSERT_GE(n, 10);
    Div().m_PromotionPlayOff = 7;
    Div().m_AutoPromotion = 2;
    Div().m_PromotionPlayOffClubs = 4;
    Div().m_RelegationPlayOff = 8;
    Div().m_ExchangeCount = 3;
    Div().m_RelegationPlayOffClubs = 2;
    CExtDWordArray promotion, relegation, none;
    W().GetDivisionList().CollectPlayOffClubs(7, promotion);
    W().GetDivisionList().CollectPlayOffClubs(8, relegation);
    W().GetDivisionList().CollectPlayOffClubs(9, none);
    ASSERT_EQ(promotion.GetSize(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(static_cast<int32_t>(promotion.GetAt(i)), ClubIndex(2 + i));
    ASSERT_EQ(relegation.GetSize(), 2);
    EXPECT_EQ(static_cast<int32_t>(relegation.GetAt(0)), ClubIndex(n - 5));
    EXPECT_EQ(static_cast<int32_t>(relegation.GetAt(1)), ClubIndex(n - 4));
    EXPECT_TRUE(none.IsEmpty());
    W().GetDivisionList().CollectPlayOffClubs(0, none);
    EXPECT_TRUE(none.IsEmpty());

    auto later = std::make_unique<CPlayOff>();
    later->m_Id = 7;
    CPlayOff* second = later.get();
    W().GetPlayOffList().Add(std::move(later));
    EXPECT_EQ(W().GetPlayOffList().FindById(7), second);
    EXPECT_EQ(W().GetPlayOffList().FindById(9), nullptr);
    EXPECT_EQ(W().GetPlayOffList().FindById(0), nullptr);
}

TEST_F(PlayOffPlay, FirstRoundDrawsTheNamedDivisionsClubsAndOnlyOnItsDay) {
    const int today = W().GetMatchDay();
    Div().m_PromotionPlayOff = 7;
    Div().m_AutoPromotion = 2;
    Div().m_PromotionPlayOffClubs = 4;
    CCupRound& semis = AddRound(4, 4, today + 1, today + 2, 44);
    AddRound(4, 5, today + 1, today + 3, 44);
    W().GetPlayOffList().DrawAll();
    EXPECT_EQ(semis.m_Ties.GetSize(), 0);
    semis.m_DrawSlot = static_cast<uint8_t>(today);
    W().GetPlayOffList().DrawAll();
    ASSERT_EQ(semis.m_Ties.GetSize(), 2);
    std::set<int> clubs;
    for (int t = 0; t < 2; ++t) {
        clubs.insert(semis.m_Ties.GetAt(t)->m_Home);
        clubs.insert(semis.m_Ties.GetAt(t)->m_Away);
    }
    EXPECT_EQ(clubs, (std::set<int>{ClubIndex(2), ClubIndex(3), ClubIndex(4), ClubIndex(5)}));
    // The second legs are the first legs reversed.
    ASSERT_EQ(playOff->GetRound(1)->m_Ties.GetSize(), 2);
    EXPECT_EQ(playOff->GetRound(1)->m_Ties.GetAt(0)->m_Home, semis.m_Ties.GetAt(0)->m_Away);
    EXPECT_TRUE(W().GetPlayOffList().IsClubInvolved(ClubIndex(3)));
    EXPECT_FALSE(W().GetPlayOffList().IsClubInvolved(ClubIndex(0)));
    // Drawn twice, it keeps its ties.
    W().GetPlayOffList().DrawAll();
    EXPECT_EQ(semis.m_Ties.GetSize(), 2);
}

TEST_F(PlayOffPlay, KnockOutFinalSendsTheWinnerAndNamesTheBeatenFinalistThenResets) {
    const int today = W().GetMatchDay();
    Div().m_PromotionPlayOff = 7;
    Div().SetChampion(ClubIndex(0));
    CCupRound& final = AddRound(2, 24, today - 2, today - 1);
    final.m_Ties.AddFixture(CFixture::kNeutral, static_cast<int16_t>(ClubIndex(2)), static_cast<int16_t>(ClubIndex(3)),
                            5, 3, 0, 0);
    CFixture& f = *final.m_Ties.GetAt(0);
    f.m_HomeGoals = 0;
    f.m_AwayGoals = 1;
    f.m_ScriptLength = 90;
    const int position = DivisionPosition();
    ASSERT_GE(position, 0);
    const CCountry& country = *W().GetCountry(Div().GetCountry());
    EXPECT_EQ(country.GetPlayOffWinner(position), ClubIndex(3));
    EXPECT_TRUE(playOff->IsClubInvolved(ClubIndex(2)));

    Club(2).LowerReputation(255);
    Club(3).LowerReputation(255);
    CExtDWordArray out;
    playOff->GetOutcome(out, 1);
    ASSERT_EQ(out.GetSize(), 2);
    // Going up is a win, the beaten finalist's a runner-up's mark.
    EXPECT_EQ(Club(3).GetReputation(), 20);
    EXPECT_EQ(Club(2).GetReputation(), 10);
    EXPECT_EQ(static_cast<int32_t>(out.GetAt(0)), ClubIndex(3));
    EXPECT_EQ(static_cast<int32_t>(out.GetAt(1)), ClubIndex(2));
    // Cleared for the next season: the division's champion answers.
    EXPECT_EQ(final.m_Ties.GetSize(), 0);
    EXPECT_FALSE(playOff->IsClubInvolved(ClubIndex(2)));
    EXPECT_EQ(country.GetPlayOffWinner(position), ClubIndex(0));
    EXPECT_EQ(country.GetPlayOffWinner(country.GetDivisionCount()), -1);
}

TEST_F(PlayOffPlay, GroupOutcomeGivesTwoPlacesFromOneGroupOrOneFromEachOfTwo) {
    for (int groups : {1, 2}) {
        SCOPED_TRACE(groups);
        playOff->m_Rounds.RemoveAll();
        playOff->m_ExtraPlaces = 2;
        PlayGroups(groups);
        CExtDWordArray all;
        playOff->GetGroupQualifiers(all, 0);
        ASSERT_EQ(all.GetSize(), 4 * groups);
        for (int i = 0; i < 4 * groups; ++i) Club(i).LowerReputation(255);
        CExtDWordArray out;
        playOff->GetOutcome(out, 0);
        // Without the mark nobody is honoured.
        for (int i = 0; i < 4 * groups; ++i) EXPECT_EQ(Club(i).GetReputation(), 0);
        ASSERT_EQ(out.GetSize(), 2);
        if (groups == 1) {
            EXPECT_EQ(out.GetAt(0), all.GetAt(0));
            EXPECT_EQ(out.GetAt(1), all.GetAt(1));
        } else {
            EXPECT_EQ(out.GetAt(0), all.GetAt(0));
            EXPECT_EQ(out.GetAt(1), all.GetAt(4));
        }
        EXPECT_EQ(playOff->GetRound(0)->m_Ties.GetSize(), 0);
    }
}

TEST_F(PlayOffPlay, SavedListWithGroupsReloadsToTheSameBytes) {
    PlayGroups(2);
    const auto bytes = recordtest::Write([&](FILE* f) { W().GetPlayOffList().Save(f); });
    CPlayOffList back;
    auto p = std::make_unique<CPlayOff>();
    for (int i = 0; i < playOff->GetRoundCount(); ++i) p->m_Rounds.Add(std::make_unique<CCupRound>());
    back.Add(std::move(p));
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.GetAt(0)->m_Id, 7);
    EXPECT_EQ(back.GetAt(0)->GetRound(2)->m_Ties.GetSize(), 4);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
}

// A knock-out play-off as the data tool writes it: semi-finals over two
// legs and a final at a neutral ground.
CPlayOff PlayOffRecordSample() {
    CPlayOff p;
    p.m_Name = "Second Division Play-offs";
    p.m_Id = 4;
    p.m_CountryIndex = 2;
    p.m_ExtraPlaces = 1;
    p.m_Venues.SetSizeAndFill(CCup::kVenues, 0);
    p.m_Venues.SetAt(0, 12);
    p.m_PreviousResults = {3, 7, -1, -1};
    struct R { uint8_t entrants, kind, draw, match; } rounds[] = {{4, 4, 40, 44}, {4, 5, 40, 48}, {2, 24, 50, 60}};
    for (auto r : rounds) {
        auto round = std::make_unique<CCupRound>();
        round->m_Entrants = r.entrants;
        round->m_Kind = r.kind;
        round->m_DrawSlot = r.draw;
        round->m_MatchSlot = r.match;
        p.m_Rounds.Add(std::move(round));
    }
    return p;
}

const char* PlayOffReadRecord(CPlayOff& into, const std::vector<uint8_t>& bytes) {
    const char* why = "unread";
    recordtest::Read(bytes, [&](FILE* f) {
        why = into.ReadRecord(f, 5, {40, [](int) { return 5000; }}, [](const CupNonLeagueRecord&) { return 0; });
    });
    return why;
}

TEST(PlayOffRecord, ReadsAsWrittenAndRefusesWhatTheGameCannotRun) {
    const CPlayOff sample = PlayOffRecordSample();
    const std::vector<uint8_t> names{44, 44, 45};
    const auto bytes = recordtest::Write([&](FILE* f) { sample.WriteRecord(f, {}, names); });
    CPlayOff back;
    const char* why = PlayOffReadRecord(back, bytes);
    ASSERT_EQ(why, nullptr) << why;
    EXPECT_EQ(back.m_Id, 4);
    EXPECT_EQ(back.m_CountryIndex, 2);
    EXPECT_EQ(back.m_ExtraPlaces, 1);
    EXPECT_EQ(back.m_Name, sample.m_Name);
    ASSERT_EQ(back.GetRoundCount(), 3);
    EXPECT_EQ(back.GetRound(2)->m_Kind, 24);
    // The file's previous results are kept by no play-off.
    EXPECT_EQ(back.m_PreviousResults, (std::array<int32_t, 4>{-1, -1, -1, -1}));

    struct Case { size_t at; uint8_t value; const char* label; };
    for (const Case& c : {Case{0, 0, "id 0"}, Case{1, 5, "country outside"}, Case{3, 0, "no places"},
                          Case{3, 3, "three places"}}) {
        auto bad = bytes;
        bad[c.at] = c.value;
        CPlayOff p;
        EXPECT_NE(PlayOffReadRecord(p, bad), nullptr) << c.label;
    }
    auto cut = bytes;
    cut.resize(bytes.size() / 2);
    CPlayOff p;
    EXPECT_NE(PlayOffReadRecord(p, cut), nullptr);
}

}  // namespace
