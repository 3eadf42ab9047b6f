#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "people_fixture.h"
#include "soccerclasses/player.h"

namespace {

class PlayerRecords : public PeopleTablesFixture {
protected:
    std::string Path() const { return (testenv::TestFolder() / "players.sav").string(); }
    std::string Save(const std::function<void(FILE*)>& save) {
        FILE* f = OpenGameFile(Path(), "wb");
        save(f);
        EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
        std::ifstream in(Path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Load(const std::function<void(FILE*)>& load) {
        FILE* f = OpenGameFile(Path(), "rb");
        load(f);
        return CloseGameFile(f) == kGameFileClosed;
    }

    static void Fill(CPlayer& p, int seed) {
        p.m_Person.Set("K", "Marsh" + std::to_string(seed), static_cast<uint8_t>(20 + seed % 10), 55);
        p.m_Person.SetWeeklyWage(1500 + seed);
        p.m_Person.SetContractYears(2);
        p.m_Football.Generate(25, static_cast<uint8_t>(seed % 4), static_cast<uint8_t>(40 + seed));
        p.m_Injury = 3;
        p.m_Suspension = 2;
        p.m_DisciplinePoints = 9;
        p.m_SeasonBookings = 3;
        p.m_CareerBookings = 41;
        p.m_CareerGoals = 312;
        p.m_AskingPrice = 250000;
        p.m_LoanClub = 17;
        p.m_LoanWeeks = 4;
        p.m_MatchStatus = CPlayer::kMatchBooked;
        p.m_MinutesLastMatch = 90;
        p.m_TransferHistory.Add("Sat 03 Jul 99", 125000, "Ashford Town");
        p.m_TransferHistory.Add("Tue 14 Sep 99", 0, "Carrow Rovers");
    }
};

TEST_F(PlayerRecords, PlayerWithInjurySuspensionAndHistoryReloadsToTheSameBytes) {
    CPlayer p;
    Fill(p, 7);
    std::string bytes = Save([&](FILE* f) { p.Save(f); });
    CPlayer q;
    ASSERT_TRUE(Load([&](FILE* f) { q.Load(f); }));
    EXPECT_EQ(Save([&](FILE* f) { q.Save(f); }), bytes);
    EXPECT_EQ(q.m_Injury, 3);
    EXPECT_EQ(q.m_TransferHistory.GetSize(), 2);
    // Per-match state and the signing-on demand are not saved.
    EXPECT_EQ(q.m_MatchStatus, 0);
    EXPECT_EQ(q.m_MinutesLastMatch, 0);
    EXPECT_EQ(q.m_SigningOnDemand, -1.0);
}

TEST_F(PlayerRecords, CreatorsTakeTheFirstEmptySlot) {
    CPlayerList list;
    EXPECT_EQ(list.AddNewPlayer(), 0);
    EXPECT_EQ(list.AddNewPlayer(), 1);
    EXPECT_EQ(list.AddNewPlayer(), 2);
    list.DeleteAt(1);
    EXPECT_EQ(list.GetAt(1), nullptr);
    EXPECT_EQ(list.CountPlayers(), 2);
    CPlayer source;
    Fill(source, 3);
    EXPECT_EQ(list.AddCopyOf(source), 1);
    const CPlayer& copy = *list.GetAt(1);
    EXPECT_EQ(copy.GetName(), source.GetName());
    EXPECT_EQ(copy.m_Football, source.m_Football);
    EXPECT_EQ(copy.m_Injury, -1);
    EXPECT_EQ(copy.m_CareerGoals, 0);
    EXPECT_EQ(copy.m_Person.GetContractYears(), 0);
    EXPECT_EQ(list.FindIndex(list.GetAt(2)), 2);
}

TEST_F(PlayerRecords, SlotsSavedAsAbsentLoadEmpty) {
    CPlayerList saved;
    for (int i = 0; i < 5; ++i) {
        saved.AddNewPlayer();
        Fill(*saved.GetAt(i), i);
    }
    saved.DeleteAt(1);
    saved.DeleteAt(3);
    std::string bytes = Save([&](FILE* f) { saved.Save(f); });

    // A world built for a new game holds players in every slot, and more slots.
    CPlayerList world;
    for (int i = 0; i < 8; ++i) {
        world.AddNewPlayer();
        Fill(*world.GetAt(i), 20 + i);
    }
    ASSERT_TRUE(Load([&](FILE* f) { world.Load(f); }));
    EXPECT_EQ(world.GetSize(), 5);
    EXPECT_EQ(world.GetAt(1), nullptr);
    EXPECT_EQ(world.GetAt(3), nullptr);
    EXPECT_EQ(world.GetAt(2)->GetName(), saved.GetAt(2)->GetName());
    EXPECT_EQ(Save([&](FILE* f) { world.Save(f); }), bytes);

    // A shorter world grows to the saved count without blank players.
    CPlayerList small;
    small.AddNewPlayer();
    ASSERT_TRUE(Load([&](FILE* f) { small.Load(f); }));
    EXPECT_EQ(small.GetSize(), 5);
    EXPECT_EQ(small.CountPlayers(), 3);
    EXPECT_EQ(small.GetAt(3), nullptr);
}

TEST_F(PlayerRecords, AbsurdSlotCountsAreRefusedBeforeAnythingIsMade) {
    Save([&](FILE* f) { SaveInt32(f, 70000); });
    CPlayerList list;
    EXPECT_FALSE(Load([&](FILE* f) { list.Load(f); }));
    EXPECT_EQ(list.CountPlayers(), 0);
    Save([&](FILE* f) {
        SaveInt32(f, 2);
        SaveUInt32(f, 1);
    });
    EXPECT_FALSE(Load([&](FILE* f) { list.Load(f); }));
}

TEST_F(PlayerRecords, DatabaseRecordReadsBackThroughTheLoader) {
    CPlayer p;
    Fill(p, 11);
    p.m_Person.SetForename("@");
    p.m_Football.m_Flair = 2;  // low flair must not wrap dribbling
    p.m_Football.RecalculateAbility();
    std::string bytes = Save([&](FILE* f) { p.WriteDatabase(f); });
    EXPECT_EQ(bytes.size(), 2u + 4 + p.m_Person.GetSurname().size() + 13 + 12 + 10);
    CPlayer q;
    ASSERT_TRUE(Load([&](FILE* f) { q.ReadDatabase(f); }));
    EXPECT_EQ(q.m_Person.GetForename(), "@");
    EXPECT_EQ(q.GetName(), p.m_Person.GetSurname());
    EXPECT_EQ(q.m_Person.GetAge(), p.m_Person.GetAge());
    EXPECT_EQ(q.m_Person.GetFace(), p.m_Person.GetFace());
    EXPECT_EQ(q.m_Person.GetWeeksAtClub(), 7);
    EXPECT_EQ(q.m_Football.m_Handling, p.m_Football.m_Handling);
    EXPECT_EQ(q.GetAbility(), p.GetAbility());
    EXPECT_EQ(q.m_Football.m_CareerPath, p.m_Football.m_CareerPath);
    EXPECT_LE(q.m_Football.m_Dribbling, 11);
    EXPECT_EQ(q.m_CareerGoals, 312);
}

TEST_F(PlayerRecords, LocalListsKeepSortAndAverage) {
    CPlayerList world;
    const int positions[] = {1, 1, 2, 1};
    const int skills[] = {50, 70, 60, 70};
    std::vector<uint16_t> ids;
    for (int i = 0; i < 4; ++i) {
        world.AddNewPlayer();
        CPlayer& p = *world.GetAt(i);
        p.m_Football.SetPosition(positions[i], false);
        p.m_Football.m_Tackling = p.m_Football.m_Passing = static_cast<uint8_t>(skills[i]);
        ids.push_back(static_cast<uint16_t>(i));
    }
    ids.push_back(CPlayer::kNoPlayer);
    {
        CPlayerList local(false);
        local.AddSquad(ids, world);
        EXPECT_EQ(local.GetSize(), 4);
        EXPECT_EQ(local.AveragePositionSkill(), 62);
        local.SortByPositionSkill();
        // Equal values keep their order.
        EXPECT_EQ(local.GetAt(0), world.GetAt(1));
        EXPECT_EQ(local.GetAt(1), world.GetAt(3));
        local.KeepPosition(2);
        ASSERT_EQ(local.GetSize(), 1);
        EXPECT_EQ(local.GetAt(0), world.GetAt(2));
    }
    EXPECT_EQ(world.CountPlayers(), 4);  // the local list owned nothing
}

}  // namespace
