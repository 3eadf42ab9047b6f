// The federation cups over the generated world: the berths each country's
// clubs take, the entry and draws of the generated cups through a whole
// season in each holder case, the start-up record's refusals and a saved
// federation-cup list.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "platform/files.h"
#include "soccerclasses/club.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"
#include "records_roundtrip.h"
#include "support/test_env.h"

#include "competition_world.h"

namespace {

class FederationCupPlay : public CompetitionWorldTest {
protected:
    void SetUp() override {
        CompetitionWorldTest::SetUp();
        if (HasFatalFailure()) return;
        ReadFederationCupsIntoWorld(W());
        W().GetCountryList().BuildClubRankings();
        ASSERT_EQ(Cups().GetSize(), 2);
    }
    CFederationCupList& Cups() { return W().GetFederationCupList(); }
    CFederationCup& Champions() { return *Cups().GetAt(0); }
    CFederationCup& Second() { return *Cups().GetAt(1); }
    CCountry& Ranked(int rank) { return *W().GetFederation(0)->GetCountryByRank(static_cast<uint8_t>(rank)); }
    int Ranking(int rank, int i) { return static_cast<int32_t>(Ranked(rank).GetClubRanking().GetAt(i)); }
    // Today becomes match day `day` of the first season.
    void GoTo(int day) {
        W().GetClock().Set(0, 0, 0, 1999, 7, 3);
        while (W().GetMatchDay() != day) W().NextMatchDay();
    }
    // The day step's federation-cup parts, in its order, for one day.
    void Day() {
        Cups().StartSeason();
        Cups().PlayToday(false);
        Cups().DrawAll();
        W().NextMatchDay();
        Cups().EndOfSeason();
    }
};

TEST_F(FederationCupPlay, CountryGivesItsBerthsClubByDescriptor) {
    CCountry& c = Ranked(3);
    const int r0 = Ranking(3, 0), r1 = Ranking(3, 1), r2 = Ranking(3, 2), r3 = Ranking(3, 3);
    c.SetCupFinalistA(r0);
    c.SetCupFinalistB(r3);
    c.SetSecondCupFinalistA(r2);
    c.SetCupPairFirst(r1);
    c.SetCupPairSecond(r2);
    auto enter = [&](std::initializer_list<int> clubs) {
        Champions().m_Entrants.RemoveAll();
        for (int club : clubs) Champions().m_Entrants.Add(static_cast<uint32_t>(club));
    };
    struct Case {
        const char* what;
        std::initializer_list<int> entered;
        uint8_t kind;
        int rank;
        int expected;
    } cases[] = {
        {"champion", {}, 0, 2, r0},
        {"champion already in, a top-nine rank", {r0}, 0, 8, r0},
        {"champion already in, a lower rank", {r0}, 0, 9, r1},
        {"runner-up", {}, 1, 5, r1},
        {"runner-up already in, a top-six rank", {r1}, 1, 5, r1},
        {"runner-up already in, a lower rank", {r1}, 1, 6, r2},
        {"cup finalist", {}, 2, 2, r0},
        {"cup finalist in, the other finalist", {r0}, 2, 2, r3},
        {"second cup's winner", {}, 3, 2, r2},
        {"second cup's winner in, the first free", {r2, r0}, 3, 2, r1},
        {"first free", {r0, r1}, 4, 2, r2},
        {"cup pair", {}, 7, 2, r1},
        {"cup pair's first in", {r1}, 7, 2, r2},
        {"an unknown kind takes the first free", {r0}, 5, 2, r1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        enter(k.entered);
        EXPECT_EQ(c.GetFederationCupEntrant(k.kind, k.rank), k.expected);
    }
    // Every club entered: the berth stays empty.
    CExtDWordArray all;
    all.Copy(c.GetClubRanking());
    Champions().m_Entrants.Copy(all);
    EXPECT_EQ(c.GetFederationCupEntrant(4, 2), -1);
    EXPECT_EQ(c.GetFederationCupEntrant(2, 2), -1);
}

TEST_F(FederationCupPlay, HolderWhoQualifiesThroughATopNineBerthIsEnteredOnce) {
    ASSERT_EQ(Champions().m_Holder, Ranking(1, 0)) << "the generated holder is the top country's champion";
    GoTo(Champions().GetRound(0)->m_DrawSlot);
    Cups().StartSeason();
    const CExtDWordArray& e = Champions().m_Entrants;
    ASSERT_GT(e.GetSize(), 2);
    EXPECT_EQ(static_cast<int32_t>(e.GetAt(0)), Champions().m_Holder);
    // His own berth is an empty place, and no place opens for him.
    EXPECT_EQ(static_cast<int32_t>(e.GetAt(1)), -1);
    EXPECT_EQ(e.Find(static_cast<uint32_t>(Champions().m_Holder), 1), -1);
    EXPECT_EQ(Cups().m_HolderFlag, 0);
    EXPECT_EQ(Champions().GetRound(0)->m_Entrants, 18);
    EXPECT_EQ(e.GetSize(), 1 + Champions().m_EntryRounds.GetSize());
    // The second cup's holder is not in the champions' cup: his place stands.
    EXPECT_EQ(Cups().m_HolderSwitch, 1);
    EXPECT_EQ(Second().GetRound(0)->m_Entrants, 82);
    EXPECT_EQ(static_cast<int32_t>(Second().m_Entrants.GetAt(0)), Second().m_Holder);
    // Only on the first round's draw day.
    const int size = e.GetSize();
    W().NextMatchDay();
    Cups().StartSeason();
    EXPECT_EQ(Champions().m_Entrants.GetSize(), size);
}

TEST_F(FederationCupPlay, CupWithoutAHolderStartsWithTheFirstBerthsClub) {
    Champions().m_Holder = -1;
    Second().m_Holder = -1;
    GoTo(Champions().GetRound(0)->m_DrawSlot);
    Cups().StartSeason();
    EXPECT_EQ(static_cast<int32_t>(Champions().m_Entrants.GetAt(0)), Ranking(1, 0));
    EXPECT_EQ(Cups().m_HolderFlag, 0);
    EXPECT_EQ(Cups().m_HolderSwitch, 0);
    EXPECT_EQ(Champions().WalkStart(Cups()), 0);
    EXPECT_EQ(Second().WalkStart(Cups()), 0);
    EXPECT_EQ(Second().GetRound(0)->m_Entrants, 76);
}

// One whole season of both cups, every match given a random score (no
// European country is followed): every round draws as many clubs as its
// entrants byte, no club holds a berth in both cups, and the season ends
// once with new holders.
struct FederationSeasonCase {
    const char* what;
    int championsHolder;  // 0 the data's, 1 a club outside the berths, 2 none
    bool secondHolderInChampions;
    int flag, holderSwitch;
};

TEST_F(FederationCupPlay, WholeSeasonDrawsFullRoundsInEachHolderCase) {
    const FederationSeasonCase cases[] = {
        {"data's holders", 0, false, 0, 1},
        {"champions' holder outside the berths", 1, false, 1, 1},
        {"second cup's holder in the champions' cup", 0, true, 0, 0},
        {"no champions' holder", 2, true, 0, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        for (const auto& c : Cups()) c->ClearFixtures();
        ReadFederationCupsIntoWorld(W());
        if (k.championsHolder == 1) Champions().m_Holder = Ranking(40, 4);
        if (k.championsHolder == 2) Champions().m_Holder = -1;
        if (k.secondHolderInChampions) Second().m_Holder = Ranking(2, 1);
        GoTo(Champions().GetRound(0)->m_DrawSlot);
        std::map<const CCupRound*, bool> checked;
        std::set<int> championsBerths;
        int ends = 0;
        for (int day = 0; day < 100 && ends == 0; ++day) {
            const bool firstDay = day == 0;
            Cups().StartSeason();
            if (firstDay) {
                EXPECT_EQ(Cups().m_HolderFlag, k.flag);
                EXPECT_EQ(Cups().m_HolderSwitch, k.holderSwitch);
                for (uint32_t c : Champions().m_Entrants)
                    if (static_cast<int32_t>(c) >= 0) championsBerths.insert(static_cast<int32_t>(c));
                // No club enters both cups by a berth or as holder.
                for (uint32_t c : Second().m_Entrants)
                    EXPECT_FALSE(static_cast<int32_t>(c) >= 0 && championsBerths.count(static_cast<int32_t>(c)))
                        << W().GetTeamName(static_cast<int32_t>(c));
            }
            Cups().PlayToday(false);
            Cups().DrawAll();
            for (const auto& cup : Cups())
                for (int r = 0; r < cup->GetRoundCount(); ++r) {
                    const CCupRound* round = cup->GetRound(r);
                    if (checked[round] || !round->HasFixtures() || round->m_DrawSlot != W().GetMatchDay()) continue;
                    checked[round] = true;
                    if (CCupRound::IsReverseKind(round->m_Kind)) continue;
                    SCOPED_TRACE(cup->GetRoundFullName(r));
                    // A group stage's first day pairs each group once.
                    EXPECT_EQ(2 * round->m_Ties.GetSize(), round->m_Entrants);
                }
            W().NextMatchDay();
            const bool finalPlayed = Champions().GetRound(Champions().GetRoundCount() - 1)->IsComplete() &&
                                     Champions().GetRound(Champions().GetRoundCount() - 1)->HasFixtures();
            Cups().EndOfSeason();
            if (finalPlayed) {
                ++ends;
                EXPECT_TRUE(Champions().m_Entrants.IsEmpty());
                EXPECT_FALSE(Champions().GetRound(0)->HasFixtures());
                EXPECT_GE(Champions().m_Holder, 0);
                EXPECT_GE(Second().m_Holder, 0);
                // A second closing does nothing.
                const int holder = Champions().m_Holder;
                Cups().EndOfSeason();
                EXPECT_EQ(Champions().m_Holder, holder);
            }
        }
        EXPECT_EQ(ends, 1);
        for (const auto& cup : Cups())
            for (const auto& r : cup->m_Rounds)
                if (!CCupRound::IsReverseKind(r->m_Kind)) {
                    EXPECT_TRUE(checked[r.get()]) << cup->m_Name << " round drawn";
                }
    }
}

TEST_F(FederationCupPlay, SavedListKeepsHoldersFlagAndSwitch) {
    GoTo(Champions().GetRound(0)->m_DrawSlot);
    Cups().StartSeason();
    Cups().DrawAll();
    Cups().m_HolderFlag = 1;
    Second().m_Holder = Ranking(5, 3);
    const auto bytes = recordtest::Write([&](FILE* f) { Cups().Save(f); });
    CFederationCupList back;
    back.Add(std::make_unique<CFederationCup>());
    back.Add(std::make_unique<CFederationCup>());
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.m_HolderFlag, 1);
    EXPECT_EQ(back.m_HolderSwitch, Cups().m_HolderSwitch);
    EXPECT_EQ(back.GetAt(0)->m_Holder, Champions().m_Holder);
    EXPECT_EQ(back.GetAt(1)->m_Holder, Ranking(5, 3));
    EXPECT_EQ(back.GetAt(0)->m_Entrants.GetSize(), Champions().m_Entrants.GetSize());
    EXPECT_EQ(back.GetAt(0)->GetRound(0)->m_Ties.GetSize(), Champions().GetRound(0)->m_Ties.GetSize());
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    // A drawn club is found on its match day, and only there.
    const CFixture* tie = Champions().GetRound(0)->m_Ties.GetAt(0);
    CFixture* found = nullptr;
    EXPECT_TRUE(Cups().FindFixture(Champions().GetRound(0)->m_MatchSlot, tie->m_Home, &found));
    EXPECT_EQ(found, tie);
    EXPECT_FALSE(Cups().FindFixture(Champions().GetRound(0)->m_MatchSlot + 1, tie->m_Home, &found));
    EXPECT_TRUE(Cups().IsClubInvolved(tie->m_Away));
}

// The records the reader refuses, each from the generated champions' cup
// with one fault.
TEST_F(FederationCupPlay, StartupRecordsThatCannotBePlayedAreRefused) {
    struct Case {
        const char* what;
        std::function<void(CFederationCup&, uint8_t&)> spoil;
    } cases[] = {
        {"as written", [](CFederationCup&, uint8_t&) {}},
        {"kind byte 2", [](CFederationCup&, uint8_t& kind) { kind = 2; }},
        {"kind byte 6", [](CFederationCup&, uint8_t& kind) { kind = 6; }},
        {"federation outside the list", [](CFederationCup& c, uint8_t&) { c.m_Federation = 99; }},
        {"no element 49", [](CFederationCup& c, uint8_t&) { c.m_BerthsByRank.SetSize(49); }},
        {"entry rounds too short", [](CFederationCup& c, uint8_t&) { c.m_EntryRounds.SetSize(52); }},
        {"entry round beyond the rounds", [](CFederationCup& c, uint8_t&) { c.m_EntryRounds.SetAt(3, 23); }},
        {"holder not a club", [](CFederationCup& c, uint8_t&) { c.m_Holder = 1 << 20; }},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        ReadFederationCupsIntoWorld(W());
        uint8_t fileKind = 3;
        k.spoil(Champions(), fileKind);
        const auto bytes = recordtest::Write([&](FILE* f) {
            SaveInt32(f, 1);
            std::vector<uint8_t> names(static_cast<size_t>(Champions().GetRoundCount()), 45);
            Champions().WriteRecord(f, fileKind, names);
        });
        recordtest::InstallGameFile(kFederationCupsFile, bytes);
        if (std::string(k.what) == "as written") {
            EXPECT_NO_THROW(ReadFederationCupsIntoWorld(W()));
            EXPECT_EQ(Cups().GetSize(), 1);
        } else {
            EXPECT_THROW(ReadFederationCupsIntoWorld(W()), DataFileError);
        }
        platform::SetInstallFolder(testenv::GameDir());
    }
}

}  // namespace
