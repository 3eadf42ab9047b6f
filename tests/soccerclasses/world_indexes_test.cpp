// The lookups that spare a world grown over many seasons its long walks: a
// player's place in the world's list, and the clubs whose transfer logs and
// scouts' lists name a player. Each is checked against the walk it replaces,
// through transfers, scouting, retirements and loads.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "records_roundtrip.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/person.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// The index of the player in the list by a walk of every slot.
int IndexesWalkFind(const CPlayerList& list, const CPlayer* player) {
    for (int i = 0; i < list.GetSize(); ++i)
        if (list.GetAt(i) == player) return i;
    return CPlayer::kNoPlayer;
}

// Every player of the world's list is found where a walk finds him, and the
// players of a local list where they stand in it.
void IndexesExpectPlaces(const CPlayerList& world, const CPlayerList& local, const std::string& when) {
    SCOPED_TRACE(when);
    for (int i = 0; i < world.GetSize(); ++i)
        if (const CPlayer* p = world.GetAt(i)) {
            EXPECT_EQ(world.FindIndex(p), i) << "slot " << i;
        }
    for (int i = 0; i < local.GetSize(); ++i) {
        EXPECT_EQ(local.FindIndex(local.GetAt(i)), IndexesWalkFind(local, local.GetAt(i))) << "local " << i;
        EXPECT_EQ(world.FindIndex(local.GetAt(i)), IndexesWalkFind(world, local.GetAt(i))) << "local " << i;
    }
}

TEST(WorldIndexes, PlayersAreFoundInTheirSlotsThroughDeletionsReuseSortsAndLoads) {
    CPlayerList world;
    for (int i = 0; i < 8; ++i) {
        const int at = world.AddNewPlayer();
        world.GetAt(at)->Football().m_Handling = uint8_t(10 + 7 * i % 50);
        world.GetAt(at)->Person().SetSurname("Player " + std::to_string(i));
    }
    CPlayerList local(false);
    for (int i = 7; i >= 0; --i) local.Append(world.GetAt(i));
    IndexesExpectPlaces(world, local, "made");

    // A retirement frees a slot; the next new player takes it.
    local.DeleteAll();
    world.DeleteAt(2);
    world.DeleteAt(5);
    EXPECT_EQ(world.AddNewPlayer(), 2);
    EXPECT_EQ(world.Put(11, std::make_unique<CPlayer>()), 11);
    for (int i = 0; i < world.GetSize(); ++i)
        if (world.GetAt(i)) local.Append(world.GetAt(i));
    local.SortByPositionSkill();
    local.Swap(0, local.GetSize() - 1);
    IndexesExpectPlaces(world, local, "after a deletion, a reuse and a local sort");

    // A player of another list is in none of these.
    CPlayerList stranger;
    stranger.AddNewPlayer();
    EXPECT_EQ(world.FindIndex(stranger.GetAt(0)), CPlayer::kNoPlayer);
    EXPECT_EQ(local.FindIndex(stranger.GetAt(0)), CPlayer::kNoPlayer);

    // A load over a list of other shape: the same slots, found again.
    const auto bytes = recordtest::Write([&](FILE* f) { world.Save(f); });
    CPlayerList loaded;
    for (int i = 0; i < 20; ++i) loaded.AddNewPlayer();
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { loaded.Load(f); }));
    ASSERT_EQ(loaded.GetSize(), world.GetSize());
    CPlayerList none(false);
    IndexesExpectPlaces(loaded, none, "loaded");
    for (int i = 0; i < loaded.GetSize(); ++i) EXPECT_EQ(loaded.GetAt(i) != nullptr, world.GetAt(i) != nullptr) << i;
}

// Three followed clubs of 22 players; the first, user 0's, has a scout.
class NamedPlayers : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Lowbridge", 0)}));
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 22; ++i) L().GetAt(c)->AddPlayerToSquad(AddPlayer(i % 4));
        MakeUser(C(0), 0);
        world.SetCurrentUser(0);
        C(0).SetBankBalance(1000000.0);
        C(0).SetBudgetPercentage(100.0);
        ASSERT_GE(C(0).HireNewEmployee(CBasicEmployee::kScout), 0);
        world.GetClock().Set(10, 20, 1, 1999, 10, 5);
    }
    CClubList& L() { return world.GetClubList(); }
    CClub& C(int i) { return *L().GetAt(i); }

    // The clubs whose logs or scouts' entries in use name the player, by a
    // walk of every club's own lists.
    std::set<const CClub*> NamingByWalk(uint32_t player) {
        std::set<const CClub*> out;
        for (int c = 0; c < L().GetSize(); ++c) {
            const CClub& club = *L().GetAt(c);
            for (int log = 0; log < 2; ++log)
                for (int i = 0; i < club.TransferHistory(log).GetSize(); ++i)
                    if (club.TransferHistory(log).GetAt(i)->m_PlayerIndex == int32_t(player)) out.insert(&club);
            for (const CScout& scout : L().GetAt(c)->Scouts())
                if (scout.HasEntryFor(int32_t(player))) out.insert(&club);
        }
        return out;
    }
    std::set<const CClub*> NamingByIndex(uint32_t player) {
        const std::vector<const CClub*> clubs = L().ClubsNamingPlayer(player);
        EXPECT_EQ(std::set<const CClub*>(clubs.begin(), clubs.end()).size(), clubs.size()) << "a club twice";
        return {clubs.begin(), clubs.end()};
    }
    void Transfer(uint16_t id, int from, int to) {
        CContractOffer offer;
        C(from).CompleteTransfer(id, *world.GetPlayer(id), 250000.0, C(to), offer, false);
    }
    void Scout(uint16_t id) {
        CPlayer* players[CScout::kMaxPlayers] = {world.GetPlayer(id)};
        std::string reply;
        ASSERT_EQ(C(0).Scouts()[0].MakeAssignment(reply, players, true), CScout::kAssignDone) << reply;
    }
    ScriptedUserPort port;
};

TEST_F(NamedPlayers, TheIndexKeepsUpWithTransfersAndScoutingOnceBuilt) {
    const uint16_t mover = C(1).GetPlayerId(4), watched = C(2).GetPlayerId(7);
    EXPECT_TRUE(NamingByIndex(mover).empty());  // built now, from lists that name nobody

    Transfer(mover, 1, 2);
    EXPECT_EQ(NamingByIndex(mover), (std::set<const CClub*>{&C(1), &C(2)}));
    Scout(watched);
    EXPECT_EQ(NamingByIndex(watched), (std::set<const CClub*>{&C(0)}));
    Transfer(mover, 2, 0);
    EXPECT_EQ(NamingByIndex(mover), NamingByWalk(mover));
    EXPECT_EQ(NamingByIndex(mover).size(), 3u);
    Transfer(mover, 0, 1);  // back to a club that named him already
    EXPECT_EQ(NamingByIndex(mover), NamingByWalk(mover));
    EXPECT_EQ(NamingByIndex(mover).size(), 3u);
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 30; ++s)
            if (const uint16_t id = C(c).GetPlayerId(s); id != CPlayer::kNoPlayer) {
                EXPECT_EQ(NamingByIndex(id), NamingByWalk(id)) << "player " << id;
            }
}

// A player who leaves the world leaves the logs as names only and the
// scouts' lists altogether, at every club that held him, and the index.
TEST_F(NamedPlayers, ARetiredPlayerIsForgottenWhereverTheLogsAndScoutsNamedHim) {
    const uint16_t mover = C(1).GetPlayerId(4), stays = C(1).GetPlayerId(5);
    const std::string name = world.GetPlayer(mover)->GetName();
    EXPECT_TRUE(NamingByIndex(mover).empty());
    Transfer(mover, 1, 2);
    Transfer(stays, 1, 2);
    Scout(mover);
    ASSERT_EQ(NamingByWalk(mover).size(), 3u);

    C(2).RemoveFromSquad(C(2).FindSlotOfPlayer(mover));
    ForgetPlayerIndex(mover);
    world.GetPlayerList().DeleteAt(mover);
    EXPECT_TRUE(NamingByWalk(mover).empty());
    EXPECT_TRUE(NamingByIndex(mover).empty());
    const CTransferHistory& sold = *C(1).TransferHistory(1).GetAt(0);
    EXPECT_EQ(sold.m_PlayerIndex, -1);
    EXPECT_EQ(sold.m_Player, name);
    EXPECT_EQ(C(2).TransferHistory(0).GetAt(0)->m_PlayerIndex, -1);
    EXPECT_EQ(C(0).Scouts()[0].Entries()[0].state, CScout::kFree);
    // The other man's lines stand.
    EXPECT_EQ(C(1).TransferHistory(1).GetAt(1)->m_PlayerIndex, stays);
    EXPECT_EQ(NamingByIndex(stays), (std::set<const CClub*>{&C(1), &C(2)}));

    // His slot goes to the next new player, whom no list names.
    EXPECT_EQ(world.GetPlayerList().AddNewPlayer(), mover);
    EXPECT_TRUE(NamingByIndex(mover).empty());
    EXPECT_FALSE(C(0).Scouts()[0].HasEntryFor(mover));
}

// Clubs read from a saved game name players the index never saw: a load
// drops it, and so do lists handed out for change.
TEST_F(NamedPlayers, ALoadAndAListHandedOutForChangeAreSeenByTheIndex) {
    const uint16_t mover = C(1).GetPlayerId(4);
    Transfer(mover, 1, 2);
    const auto saved = recordtest::Write([&](FILE* f) { L().Save(f); });
    ForgetPlayerIndex(mover);
    ASSERT_TRUE(NamingByIndex(mover).empty());
    ASSERT_TRUE(recordtest::Read(saved, [&](FILE* f) { L().Load(f); }));
    EXPECT_EQ(NamingByIndex(mover), (std::set<const CClub*>{&C(1), &C(2)}));

    const uint16_t other = C(0).GetPlayerId(3);
    ASSERT_TRUE(NamingByIndex(other).empty());
    C(1).TransferHistory(0).Add("Some One", "Lowbridge", 0.0, "Harwick Town", other);
    CScout::Entry& e = C(2).Scouts()[1].Entries()[9];
    e = CScout::Entry{int32_t(other), CScout::kDone, "1/1/99", 55};
    EXPECT_EQ(NamingByIndex(other), (std::set<const CClub*>{&C(1), &C(2)}));
    ForgetPlayerIndex(other);
    EXPECT_TRUE(NamingByWalk(other).empty());
}

}  // namespace
}  // namespace clubtest
