// League play-offs over the generated world: entrants from table places,
// the draw, the clubs that go up and a saved play-off list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/scriptedport.h"
#include "platform/stringtable.h"
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

// Semi-finals over two legs and a final: club 2 beat club 5 in both legs,
// the final against club 3 not played yet.
class PlayOffRows : public PlayOffPlay {
protected:
    void SetUp() override {
        PlayOffPlay::SetUp();
        if (HasFatalFailure()) return;
        const int today = W().GetMatchDay();
        Div().m_PromotionPlayOff = 7;
        AddRound(4, 4, today - 6, today - 4, 44);
        AddRound(4, 5, today - 6, today - 2, 44);
        AddRound(2, CCupRound::kPlaceholderKind, today - 1, today + 2, 45);
        AddRound(2, 24, today - 1, today + 3, 45);
        Tie(0, 2, 5, 2, 0, 9000);
        Tie(0, 3, 4, 1, 1, 8000);
        Tie(1, 5, 2, 0, 1, 7000);
        Tie(1, 4, 3, 0, 2, 6000);
        Tie(3, 3, 2, -1, -1, 0);
    }
    void Tie(int round, int home, int away, int homeGoals, int awayGoals, int gate) {
        CCupRound& r = *playOff->GetRound(round);
        r.m_Ties.AddFixture(CFixture::kNeutral, static_cast<int16_t>(ClubIndex(home)),
                            static_cast<int16_t>(ClubIndex(away)), 5, 3, 0, 0);
        CFixture& f = *r.m_Ties.GetAt(r.m_Ties.GetSize() - 1);
        if (homeGoals < 0) return;
        f.m_HomeGoals = static_cast<uint8_t>(homeGoals);
        f.m_AwayGoals = static_cast<uint8_t>(awayGoals);
        f.m_Attendance = gate;
        f.m_ScriptLength = 90;
    }
};

TEST_F(PlayOffRows, RoundListFollowsTheClubHomeAndAwayAndSkipsPlaceholders) {
    RecordingListRows rows;
    playOff->FillRoundList(rows, ClubIndex(2));
    ASSERT_EQ(rows.Rows().size(), 3u);
    struct Want { int round; const char* mark; int opponent; const char* score; const char* gate; uint32_t colour; };
    const Want want[] = {{0, "H", 5, "2 - 0", "9000", 0xFFFF00}, {1, "A", 5, "0 - 1", "7000", 16750986},
                         {3, "A", 3, "", "", 16750986}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& row = rows.Rows()[i];
        EXPECT_EQ(row.cells[0], playOff->GetRoundName(want[i].round));
        EXPECT_EQ(row.cells[1], want[i].mark);
        EXPECT_EQ(row.cells[2], Club(want[i].opponent).GetName());
        EXPECT_EQ(row.cells.size() > 3 ? row.cells[3] : std::string(), want[i].score);
        EXPECT_EQ(row.cells.size() > 4 ? row.cells[4] : std::string(), want[i].gate);
        EXPECT_EQ(row.colour, want[i].colour);
    }
    // A club in no tie gets the empty mark in every round and no opponent.
    RecordingListRows none;
    playOff->FillRoundList(none, ClubIndex(9));
    ASSERT_EQ(none.Rows().size(), 3u);
    for (const auto& row : none.Rows()) {
        EXPECT_EQ(row.cells[1], platform::LoadString(32888));
        EXPECT_EQ(row.cells[2], "");
    }
}

TEST_F(PlayOffRows, TieListShowsTheLatestDrawnRoundForTheClubOrEveryone) {
    RecordingListRows all, mine, outside;
    playOff->FillTieList(all, -1);
    ASSERT_EQ(all.Rows().size(), 1u);
    EXPECT_EQ(all.Rows()[0].cells[0], Club(3).GetName());
    EXPECT_EQ(all.Rows()[0].cells[1], "-");
    playOff->FillTieList(mine, ClubIndex(2));
    EXPECT_EQ(mine.Rows().size(), 1u);
    playOff->FillTieList(outside, ClubIndex(5));
    EXPECT_TRUE(outside.Rows().empty());
    // Before the first draw there is no current round.
    playOff->ClearFixtures();
    RecordingListRows empty;
    playOff->FillTieList(empty, -1);
    EXPECT_TRUE(empty.Rows().empty());
    EXPECT_EQ(playOff->GetCurrentRoundIndex(), -1);
}

TEST_F(PlayOffRows, DivisionListsBothPlayOffsButOneSharedPlayOffOnce) {
    auto other = std::make_unique<CPlayOff>();
    other->m_Name = "Relegation Play-offs";
    other->m_Id = 8;
    auto r = std::make_unique<CCupRound>();
    CCupRound::NameIdsOfIndex(45, r->m_FullNameId, r->m_ShortNameId);
    r->m_Kind = 24;
    r->m_Entrants = 2;
    other->m_Rounds.Add(std::move(r));
    W().GetPlayOffList().Add(std::move(other));

    struct Case { int32_t relegation; size_t rounds; };
    for (const Case c : {Case{0, 3}, Case{8, 4}, Case{7, 3}}) {
        SCOPED_TRACE(c.relegation);
        Div().m_RelegationPlayOff = c.relegation;
        RecordingListRows rows, ties;
        Div().FillPlayOffLists(rows, ClubIndex(2));
        EXPECT_EQ(rows.Rows().size(), c.rounds);
        Div().FillPlayOffTies(ties, -1);
        EXPECT_EQ(ties.Rows().size(), 1u);
    }
    Div().m_RelegationPlayOff = 8;
    RecordingListRows rows;
    Div().FillPlayOffLists(rows, ClubIndex(2));
    EXPECT_EQ(rows.Rows().back().cells[0], "Relegation Play-offs " + platform::LoadString(W().GetPlayOffList().FindById(8)->GetRound(0)->m_ShortNameId));
}

// Two group stages as the champions' cup has them (format 3, six match days
// each, home and away): eight clubs in two groups, then sixteen in four. In
// every group the club of the lower offset beats the other, so each group's
// order is known from its members alone.
TEST_F(PlayOffPlay, SecondPhaseQualifiersComeFromTheSixteenClubStageWhenEightAreWanted) {
    // Fourteen clubs in the division: the last two come from the next one.
    ASSERT_GE(W().GetClubList().GetRealCount(), ClubIndex(16));
    const int today = W().GetMatchDay();
    playOff->m_Format = 3;
    std::vector<int> firstStage{7, 0, 6, 1, 5, 2, 4, 3};
    std::vector<int> secondStage{15, 3, 8, 0, 14, 2, 9, 1, 13, 5, 10, 4, 12, 7, 11, 6};
    auto stage = [&](const std::vector<int>& offsets, int nameIndex) {
        const auto n = static_cast<uint8_t>(offsets.size());
        const int first = playOff->GetRoundCount();
        CCupRound& g = AddRound(n, 10, today, today + 1 + first, nameIndex);
        g.m_GroupSize = 4;
        g.m_Legs = 2;
        for (int d = 1; d < 6; ++d) AddRound(n, 10, today, today + 1 + first + d, nameIndex);
        CExtDWordArray entrants;
        for (int o : offsets) entrants.Add(static_cast<uint32_t>(ClubIndex(o)));
        g.MakePairings(*playOff, entrants);
        playOff->ScheduleFollowingRounds(g, entrants);
        for (int d = first; d < first + 6; ++d) {
            ASSERT_EQ(playOff->GetRound(d)->m_Ties.GetSize(), n / 2) << d;
            for (int t = 0; t < playOff->GetRound(d)->m_Ties.GetSize(); ++t) {
                CFixture& f = *playOff->GetRound(d)->m_Ties.GetAt(t);
                const bool homeBetter = f.m_Home < f.m_Away;
                f.m_HomeGoals = homeBetter ? 1 : 0;
                f.m_AwayGoals = homeBetter ? 0 : 1;
                f.m_ScriptLength = 90;
            }
        }
    };
    stage(firstStage, 49);
    stage(secondStage, 52);
    AddRound(8, 4, today + 10, today + 11, 44);
    // Group g's members sorted: the order of its table.
    auto ranked = [&](const std::vector<int>& offsets, int g) {
        std::vector<int> members(offsets.begin() + 4 * g, offsets.begin() + 4 * g + 4);
        std::sort(members.begin(), members.end());
        return members;
    };
    auto clubs = [](const CExtDWordArray& a) {
        std::vector<int> v;
        for (int i = 0; i < a.GetSize(); ++i) v.push_back(static_cast<int32_t>(a.GetAt(i)));
        return v;
    };
    std::vector<int> want8, want8Next, want2;
    for (int g = 0; g < 4; ++g) {
        const auto m = ranked(secondStage, g);
        for (int p = 0; p < 2; ++p) want8.push_back(ClubIndex(m[size_t(p)]));
        for (int p = 0; p < 3; ++p) want8Next.push_back(ClubIndex(m[size_t(p)]));
    }
    for (int g = 0; g < 2; ++g) want2.push_back(ClubIndex(ranked(firstStage, g)[0]));

    CExtDWordArray eight, eightNext, two;
    playOff->GetSecondPhaseQualifiers(eight, 8, false);
    playOff->GetSecondPhaseQualifiers(eightNext, 8, true);
    playOff->GetSecondPhaseQualifiers(two, 2, false);
    EXPECT_EQ(clubs(eight), want8);
    EXPECT_EQ(clubs(eightNext), want8Next);
    EXPECT_EQ(clubs(two), want2);
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
