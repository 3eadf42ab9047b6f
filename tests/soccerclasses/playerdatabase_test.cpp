#include <gtest/gtest.h>

#include <functional>

#include "clubs_world.h"
#include "people_io.h"
#include "platform/files.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"

namespace {

using peopleio::LoadBytes;
using peopleio::SaveBytes;

struct Rec {
    int club;
    int age = 25;
    int position = 2;
    int country = 1;
    int path = -1;  // -1: as generated
};

class PlayersFile : public clubtest::ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        platform::SetInstallFolder(testenv::GameDir());
        paths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
        money = std::make_unique<CSkillMoneyValueList>(CSkillMoneyValueList::kFile);
        InstallPeopleTables(paths.get(), money.get(), &world.GetPopularityList());
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0),
                                                 Record("Port Ellis", 1)}));
        ASSERT_EQ(world.GetClubList().GetRealCount(), 3);
    }
    void TearDown() override {
        InstallPeopleTables(nullptr, nullptr, nullptr);
        platform::ResetFolders();
        ClubWorld::TearDown();
    }

    static std::vector<Rec> Squad(int club, int n) { return std::vector<Rec>(static_cast<size_t>(n), Rec{club}); }
    static std::vector<Rec> Join(std::initializer_list<std::vector<Rec>> parts) {
        std::vector<Rec> all;
        for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    }

    void Write(const std::vector<Rec>& recs, int count = -1) {
        SaveBytes([&](FILE* f) {
            SaveInt32(f, count < 0 ? static_cast<int32_t>(recs.size()) : count);
            int k = 0;
            for (const Rec& r : recs) {
                CPlayer p;
                p.m_Football.Generate(25, static_cast<uint8_t>(std::min(r.position, 3)), 60);
                if (r.position > 3) p.m_Football.m_Position = static_cast<uint8_t>(r.position);
                if (r.path >= 0) p.m_Football.m_CareerPath = static_cast<uint8_t>(r.path);
                p.m_Person.Set("T", "Player" + std::to_string(k++), static_cast<uint8_t>(std::max(r.age, 16)),
                               static_cast<uint8_t>(r.country));
                SaveByte(f, 0);
                SaveInt32(f, r.club);
                if (r.age >= 16) {
                    p.WriteDatabase(f);
                    continue;
                }
                // A record the game's writer would never make: written by hand.
                WriteGameFile("T", 1, 2, f);
                CExtString("Young").Save(f);
                SaveByte(f, static_cast<uint8_t>(r.age));
                for (int b = 0; b < 12; ++b) SaveByte(f, b == 2 ? 1 : 0);
                p.m_Football.WriteDatabase(f);
                for (int b = 0; b < 10; ++b) SaveByte(f, 0);
            }
        });
    }

    bool Read() {
        return LoadBytes([&](FILE* f) { world.GetPlayerList().ReadDatabase(f, 3); });
    }

    int SquadCount(int club) {
        int n = 0;
        for (int s = 0; s < kSquadSlots; ++s) n += world.GetClubList().GetAt(club)->GetPlayerId(s) != kEmptySlot;
        return n;
    }

    std::unique_ptr<CSoccerPlayerCareerPathList> paths;
    std::unique_ptr<CSkillMoneyValueList> money;
};

TEST_F(PlayersFile, RecordsGoToTheirClubsByRecordNumber) {
    // Club 2 is of a results-only country; club 9 does not exist.
    Write(Join({Squad(0, 16), Squad(2, 20), Squad(9, 2), Squad(1, 30)}));
    ASSERT_TRUE(Read());
    const CPlayerList& players = world.GetPlayerList();
    EXPECT_EQ(players.GetSize(), CPlayerList::DatabaseSlots(3));
    EXPECT_EQ(players.CountPlayers(), 46);
    EXPECT_EQ(SquadCount(0), 16);
    EXPECT_EQ(SquadCount(1), 30);
    EXPECT_EQ(SquadCount(2), 0);
    EXPECT_EQ(players.GetAt(16), nullptr);
    EXPECT_EQ(players.GetAt(37), nullptr);
    EXPECT_EQ(world.GetClubList().GetAt(1)->GetPlayerId(0), 38);
    const CPlayer& p = *players.GetAt(38);
    EXPECT_GT(p.m_Person.GetWeeklyWage(), 0);
    EXPECT_EQ(p.m_Person.GetWeeksAtClub(), 7);
}

TEST_F(PlayersFile, BrokenFilesAreRefusedAndLeaveNothingBehind) {
    struct Case {
        const char* what;
        std::vector<Rec> recs;
        int count = -1;
    } cases[] = {
        {"split club", Join({Squad(0, 16), Squad(1, 16), Squad(0, 1)})},
        {"too few", Join({Squad(0, 15), Squad(1, 16)})},
        {"too few at the end", Join({Squad(0, 16), Squad(1, 15)})},
        {"too many", Join({Squad(0, 31)})},
        {"too young", Join({{Rec{0, 15}}, Squad(0, 16)})},
        {"position 4", Join({{Rec{0, 25, 4}}, Squad(0, 16)})},
        {"no such country", Join({{Rec{0, 25, 2, 77}}, Squad(0, 16)})},
        {"no such career path", Join({{Rec{0, 25, 2, 1, 99}}, Squad(0, 16)})},
        {"more records than slots", Squad(0, 16), CPlayerList::DatabaseSlots(3) + 1},
        {"file ends early", Squad(0, 16), 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write(c.recs, c.count);
        EXPECT_FALSE(Read());
        EXPECT_EQ(world.GetPlayerList().CountPlayers(), 0);
        EXPECT_EQ(SquadCount(0), 0);
        EXPECT_EQ(SquadCount(1), 0);
    }
}

}  // namespace
