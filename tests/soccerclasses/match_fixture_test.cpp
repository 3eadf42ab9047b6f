// Matches computed without the screen: preparation, planning and the
// played script, on a world built from the generated start-up files.
#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/matchplay.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"
#include "support/test_env.h"

namespace {

using testsupport::CountEvents;
using testsupport::MatchWorld;

class MatchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        world.reset();
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CMatchVars& MV() { return *W().GetMatchVars(); }
    CClub& Club(int offset) { return *W().GetClub(W().GetDivision(division)->GetFirstClub() + offset); }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
};

TEST_F(MatchFixture, ManySeededMatchesKeepTheirInvariants) {
    const CDivision& d = *W().GetDivision(division);
    for (int seed = 1; seed <= 60; ++seed) {
        platform::SeedRandom(static_cast<uint32_t>(seed));
        const int a = seed % d.GetClubCount(), b = (seed * 7 + 3) % d.GetClubCount();
        if (a == b) continue;
        CFixture& f = world->LeagueFixture(division, a, b);
        f.Play(seed % 2 ? 13 : 14);
        ASSERT_NE(f.GetReferee(), nullptr);
        EXPECT_EQ(f.m_HomeGoals, CountEvents(f, {1, 7, 9})) << seed;
        EXPECT_EQ(f.m_AwayGoals, CountEvents(f, {2, 8, 10})) << seed;
        EXPECT_EQ(f.m_Bookings[0], CountEvents(f, {3}));
        EXPECT_EQ(f.m_Bookings[1], CountEvents(f, {4}));
        EXPECT_EQ(f.m_SendingsOff[0], CountEvents(f, {5}));
        EXPECT_EQ(f.m_SendingsOff[1], CountEvents(f, {6}));
        EXPECT_LT(f.m_Events.GetSize(), 150);
        EXPECT_GE(f.m_ShotsOn[0], f.m_HomeGoals);
        EXPECT_GE(f.m_ShotsOn[1], f.m_AwayGoals);
        EXPECT_GE(f.m_HomePossession, 0);
        EXPECT_LE(f.m_HomePossession, 76);
        EXPECT_DOUBLE_EQ(f.m_HomePossession + f.m_AwayPossession, 100.0);
        EXPECT_GE(f.m_ScriptLength, 91);
        EXPECT_LE(f.m_ScriptLength, 95);
        EXPECT_GT(f.m_Attendance, 0);
        // No event names a player after his sending-off.
        std::set<std::string> off;
        for (int i = 0; i < f.m_Events.GetSize(); ++i) {
            const CMatchEvent& e = *f.m_Events.GetAt(i);
            EXPECT_EQ(off.count(e.m_Name), 0u) << "seed " << seed << " " << e.m_Name;
            if (e.m_Type == 5 || e.m_Type == 6) off.insert(e.m_Name);
        }
    }
}

TEST_F(MatchFixture, GoalsCountForTheScorerExceptInFriendlies) {
    for (uint8_t kind : {uint8_t(CFixture::kLeague), uint8_t(CFixture::kFriendly)}) {
        int total = 0, credited = 0;
        for (int seed = 1; seed <= 25; ++seed) {
            platform::SeedRandom(static_cast<uint32_t>(seed * 31));
            CFixture& f = world->LeagueFixture(division, 0, 1 + seed % 5);
            f.m_Kind = kind;
            std::vector<int> before;
            CClub* clubs[2] = {&Club(0), &Club(1 + seed % 5)};
            for (CClub* c : clubs)
                for (int s = 0; s < 30; ++s) before.push_back(c->GetPlayer(s) ? c->GetPlayer(s)->m_SeasonGoals : 0);
            f.Play(13);
            size_t i = 0;
            for (CClub* c : clubs)
                for (int s = 0; s < 30; ++s, ++i)
                    // A keeper's goal counters hold the goals he let in.
                    if (c->GetPlayer(s) && c->GetPlayer(s)->GetPosition() != CSoccerPlayer::kGoalkeeper)
                        credited += c->GetPlayer(s)->m_SeasonGoals - before[i];
            total += CountEvents(f, {1, 2, 9, 10});
        }
        EXPECT_EQ(credited, kind == CFixture::kFriendly ? 0 : total);
        EXPECT_GT(total, 0);
    }
}

TEST_F(MatchFixture, RefereeCountsGrowByTheCardsExceptInFriendlies) {
    for (uint8_t kind : {uint8_t(CFixture::kLeague), uint8_t(CFixture::kCupHome), uint8_t(CFixture::kCupHome2),
                         uint8_t(CFixture::kNeutral), uint8_t(CFixture::kFriendly)}) {
        for (int seed = 1; seed <= 8; ++seed) {
            platform::SeedRandom(static_cast<uint32_t>(seed * 5));
            world->RefillRotations();
            CFixture& f = world->LeagueFixture(division, 2, 3);
            f.m_Kind = kind;
            if (kind == CFixture::kNeutral) f.m_Attendance = 20000;
            // The referee is picked inside the preparation; watch them all.
            std::vector<int> before;
            for (int r = 0; r < W().GetRefereeList().GetSize(); ++r)
                before.push_back(W().GetReferee(r)->GetSeasonBookings() + W().GetReferee(r)->GetSeasonSendingsOff());
            f.Play(13);
            int grown = 0;
            for (int r = 0; r < W().GetRefereeList().GetSize(); ++r)
                grown += W().GetReferee(r)->GetSeasonBookings() + W().GetReferee(r)->GetSeasonSendingsOff() -
                         before[static_cast<size_t>(r)];
            const int cards = f.m_Bookings[0] + f.m_Bookings[1] + f.m_SendingsOff[0] + f.m_SendingsOff[1];
            EXPECT_EQ(grown, kind == CFixture::kFriendly ? 0 : cards) << int(kind) << " seed " << seed;
        }
    }
}

TEST_F(MatchFixture, TheSameSeedGivesTheSameSavedFixture) {
    // Twice without the screen, then twice on the scripted screen.
    std::string saved[4];
    for (int run = 0; run < 4; ++run) {
        std::string& out = saved[run];
        world.reset();
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        platform::SeedRandom(99);
        CFixture& f = world->LeagueFixture(division, 0, 1);
        if (run < 2) {
            f.Play(13);
        } else {
            testsupport::ScriptedMatchDriver driver;
            driver.onMinute = [](CMatchPlay& e) {
                if (e.GetMinute() == 50) e.SetHomeAggression(9);
            };
            testsupport::ScopedMatchDriver scope(&driver);
            W().GetMatchPlay()->PlayLeagueMatch(&f, W().GetDivision(division), "League");
        }
        const std::string path = (testenv::TestFolder() / "fixture.bin").string();
        FILE* file = OpenGameFile(path, "wb");
        f.Save(file);
        CloseGameFile(file);
        FILE* in = std::fopen(path.c_str(), "rb");
        char buf[4096];
        size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) out.append(buf, n);
        std::fclose(in);
    }
    EXPECT_EQ(saved[0], saved[1]);
    EXPECT_EQ(saved[2], saved[3]);
    EXPECT_FALSE(saved[0].empty());
    EXPECT_FALSE(saved[2].empty());
}

}  // namespace
