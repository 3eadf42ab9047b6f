#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class PlayerClub : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 1)}));
    }
    CClub& Club(int i) { return *world.GetClubList().GetAt(i); }
    CPlayer& Player(uint16_t id) { return *world.GetPlayer(id); }
};

TEST_F(PlayerClub, TheSquadThatHoldsHimGivesHisClubTexts) {
    const uint16_t id = AddPlayer(2);
    ASSERT_TRUE(Club(1).AddPlayerToSquad(id));
    EXPECT_EQ(Player(id).GetClub(), &Club(1));
    EXPECT_EQ(Player(id).GetClubCountry(), Club(1).GetCountry());
    EXPECT_EQ(Player(id).GetClubName(), "Port Ellis");
    EXPECT_EQ(Player(id).GetClubNameConverted(), "PORT ELLIS");
}

TEST_F(PlayerClub, APlayerOfNoSquadHasNoClub) {
    const uint16_t id = AddPlayer(1);
    EXPECT_EQ(Player(id).GetClub(), nullptr);
    EXPECT_EQ(Player(id).GetClubCountry(), nullptr);
    EXPECT_EQ(Player(id).GetClubName(), "");
    EXPECT_EQ(Player(id).GetClubNameConverted(), "");
    EXPECT_EQ(Player(id).GetClubUser(), -1);
    CPlayer outside;  // not in the world's list at all
    EXPECT_EQ(outside.GetClub(), nullptr);
}

TEST_F(PlayerClub, AReplacedPlayerBecomesKnownOnlyToTheHumanWhoManagesHisClub) {
    const uint16_t human = AddPlayer(3), computer = AddPlayer(3), source = AddPlayer(0);
    Club(0).AddPlayerToSquad(human);
    Club(1).AddPlayerToSquad(computer);
    MakeHuman(Club(0));
    world.GetUserList().GetAt(5)->SetManagerIndex(Club(0).GetManager());
    CContractOffer offer;
    offer.m_Years = 3;
    offer.m_WeeklyWage = 1234.0;

    Player(human).ReplaceWith(Player(source), offer);
    Player(computer).ReplaceWith(Player(source), offer);

    EXPECT_EQ(Player(human).GetClubUser(), 5);
    EXPECT_TRUE(Player(human).Football().IsKnownBy(5));
    EXPECT_FALSE(Player(human).Football().IsKnownBy(0));
    EXPECT_FALSE(Player(computer).Football().IsKnownBy(5));
    EXPECT_EQ(Player(human).GetPosition(), 0);
    EXPECT_EQ(Player(human).Person().GetContractYears(), 3);
    EXPECT_EQ(Player(human).Person().GetWeeklyWage(), 1234.0);
}

TEST_F(PlayerClub, FillingAScreenListVisitsOccupiedSlotsWithTheirIds) {
    CPlayerList local(false);
    CPlayer a, b;
    local.Append(&a);
    local.Append(nullptr);
    local.Append(&b);
    RecordingListRows rows;
    std::vector<std::pair<const CPlayer*, uint16_t>> seen;
    local.FillList(rows, 77, {10, 11}, [&](const CPlayer& p, CListRows& list, uint16_t extra, uint16_t value) {
        EXPECT_EQ(extra, 77);
        list.AddRow("r", 0, 0, 0);
        seen.emplace_back(&p, value);
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(static_cast<const CPlayer*>(&a), uint16_t(10)));
    // Past the end of a short id array the slot gets the empty mark.
    EXPECT_EQ(seen[1], std::make_pair(static_cast<const CPlayer*>(&b), CPlayer::kNoPlayer));
    EXPECT_EQ(rows.Rows().size(), 2u);
}

}  // namespace
}  // namespace clubtest
