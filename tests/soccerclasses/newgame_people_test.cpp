// The world's people built from the generated start-up files, as a new game
// builds them, and a season of their lives.
#include <gtest/gtest.h>

#include "generated_world.h"

#include <set>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace {

class NewGamePeople : public worldtest::GeneratedWorld {
protected:
    void SetUp() override { Build(99, [](int) { return true; }); }
};

TEST_F(NewGamePeople, EveryFollowedClubHoldsSixteenToThirtyPlayersOfItsOwn) {
    CClubList& clubs = world->GetClubList();
    ASSERT_GT(clubs.GetRealCount(), 1000);
    std::set<uint16_t> seen;
    int followed = 0;
    for (int c = 0; c < clubs.GetRealCount(); ++c) {
        CClub& club = *clubs.GetAt(c);
        if (!club.IsCountryActive()) continue;
        ++followed;
        const int n = club.CountFilledSlots();
        EXPECT_GE(n, 16) << club.GetName();
        EXPECT_LE(n, 30) << club.GetName();
        for (int s = 0; s < kSquadSlots; ++s) {
            const uint16_t id = club.GetPlayerId(s);
            if (id == kEmptySlot) continue;
            EXPECT_TRUE(seen.insert(id).second) << "player " << id << " in two squads";
            ASSERT_NE(world->GetPlayer(id), nullptr);
            EXPECT_GT(world->GetPlayer(id)->m_Person.GetWeeklyWage(), 0);
        }
    }
    EXPECT_GT(followed, 1000);
    EXPECT_EQ(static_cast<int>(seen.size()), world->GetPlayerList().CountPlayers());
}

TEST_F(NewGamePeople, ASeasonKeepsSkillsAndConditionInRange) {
    CClubList& clubs = world->GetClubList();
    // Two clubs of each of a few countries keep it quick.
    std::vector<int> sample;
    for (int c = 0; c < clubs.GetRealCount(); c += 37) sample.push_back(c);
    for (int day = 0; day < 100; ++day) {
        const bool newWeek = day % 2 == 1;
        for (int c : sample) {
            CClub& club = *clubs.GetAt(c);
            for (int s = 0; s < kSquadSlots; ++s) {
                CPlayer* p = world->GetPlayer(club.GetPlayerId(s));
                if (!p) continue;
                p->Update(club, 0, newWeek, newWeek);
                if (s < 11) {
                    p->m_MinutesLastMatch = 90;
                    if (Random(60) == 1) p->Book(club);
                    if (Random(400) == 1) p->Injure(club, 4);
                    p->UpdateAfterMatch(club, static_cast<uint8_t>(1 + Random(99)));
                    if (newWeek) p->WeeklySuspensionStep(club);
                }
            }
        }
    }
    for (int c : sample) {
        CClub& club = *clubs.GetAt(c);
        for (int s = 0; s < kSquadSlots; ++s) {
            CPlayer* p = world->GetPlayer(club.GetPlayerId(s));
            if (!p) continue;
            p->EndSeason(club);
            p->StartNewSeason();
            const CSoccerPlayer& f = p->m_Football;
            for (int v : {int(f.m_Handling), int(f.m_Tackling), int(f.m_Passing), int(f.m_Shooting), int(f.GetAbility())}) {
                EXPECT_GE(v, 10);
                EXPECT_LE(v, 99);
            }
            EXPECT_GE(f.m_Fitness, 30);
            EXPECT_LE(f.m_Fitness, 99);
            EXPECT_GE(f.m_Energy, 30);
            EXPECT_LE(f.m_Energy, 99);
            EXPECT_LE(f.m_Heading, 99);
            EXPECT_LE(f.m_Flair, 99);
            EXPECT_FALSE(p->m_Person.GetSurname().empty());
        }
    }
}

}  // namespace
