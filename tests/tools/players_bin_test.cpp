// The generated players.bin, read record by record with the game's own
// record reader, against the rules of our world.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/files.h"
#include "soccerclasses/careerpath.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/player.h"
#include "support/test_env.h"
#include "worldtable/worldtable.h"

namespace {

struct Squad {
    int club = -1;
    std::vector<std::unique_ptr<CPlayer>> players;
};

class PlayersBin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        world = new worldtable::World(worldtable::Load(testenv::SourceDir() / "assets"));
        platform::SetInstallFolder(testenv::GameDir());
        paths = new CSoccerPlayerCareerPathList(CSoccerPlayerCareerPathList::kFile);
        FILE* f = OpenDataFile(CPlayerList::kDatabaseFile);
        count = LoadInt32(f);
        squads = new std::vector<Squad>();
        for (int i = 0; i < count && !GameFileDamaged(); ++i) {
            LoadByte(f);
            int club = LoadInt32(f);
            if (squads->empty() || squads->back().club != club) squads->push_back(Squad{club, {}});
            auto p = std::make_unique<CPlayer>();
            p->ReadDatabase(f);
            squads->back().players.push_back(std::move(p));
        }
        whole = !GameFileDamaged() && GameFileBytesLeft() == 0;
        CloseGameFile(f);
        platform::ResetFolders();
    }
    static void TearDownTestSuite() {
        delete squads;
        delete paths;
        delete world;
    }

    static worldtable::World* world;
    static CSoccerPlayerCareerPathList* paths;
    static std::vector<Squad>* squads;
    static int count;
    static bool whole;
};

worldtable::World* PlayersBin::world = nullptr;
CSoccerPlayerCareerPathList* PlayersBin::paths = nullptr;
std::vector<Squad>* PlayersBin::squads = nullptr;
int PlayersBin::count = 0;
bool PlayersBin::whole = false;

TEST_F(PlayersBin, EveryClubHasOneContiguousSquadOf22To30) {
    ASSERT_TRUE(whole);
    const int clubs = world->ClubCount();
    ASSERT_LE(clubs, 2181);
    EXPECT_LE(count, CPlayerList::DatabaseSlots(clubs));
    ASSERT_EQ(static_cast<int>(squads->size()), clubs);
    for (int c = 0; c < clubs; ++c) {
        const Squad& s = (*squads)[static_cast<size_t>(c)];
        EXPECT_EQ(s.club, c);
        EXPECT_GE(s.players.size(), 22u);
        EXPECT_LE(s.players.size(), 30u);
    }
}

TEST_F(PlayersBin, SquadsHaveASensibleShape) {
    int left = 0, total = 0;
    for (const Squad& s : *squads) {
        int byPosition[4] = {};
        for (const auto& p : s.players) {
            ++byPosition[p->GetPosition()];
            left += p->m_Football.IsLeftFooted();
            ++total;
            EXPECT_GE(p->GetAge(), 17);
            EXPECT_LE(p->GetAge(), 36);
        }
        EXPECT_GE(byPosition[0], 2) << "club " << s.club;
        EXPECT_GE(byPosition[1], 7);
        EXPECT_GE(byPosition[2], 7);
        EXPECT_GE(byPosition[3], 4);
    }
    EXPECT_GT(left, total / 10);
    EXPECT_LT(left, total / 3);
}

TEST_F(PlayersBin, NamesCountriesFacesAndPathsAreValid) {
    std::set<int> countries;
    for (const auto& c : world->countries) countries.insert(c.id);
    std::set<uint32_t> faces;
    int singles = 0;
    for (const Squad& s : *squads) {
        for (const auto& p : s.players) {
            const std::string& fn = p->m_Person.GetForename();
            EXPECT_TRUE(fn == "@" || (fn.size() >= 1 && fn.size() <= 2)) << fn;
            EXPECT_FALSE(p->m_Person.GetSurname().empty());
            singles += fn == "@";
            EXPECT_TRUE(countries.count(p->m_Person.GetCountry()));
            EXPECT_EQ(p->GetPosition() == 0, paths->IsFirstGroup(p->m_Football.m_CareerPath));
            EXPECT_LE(p->m_Person.GetFace().Race(), 4);
            faces.insert(p->m_Person.GetFace().m_Word1);
        }
    }
    EXPECT_GT(singles, 0);
    EXPECT_GT(faces.size(), 5000u);
}

TEST_F(PlayersBin, StrongerClubsHaveStrongerPlayersAndMoreForeigners) {
    // England's top division against its lowest.
    const worldtable::Country* england = nullptr;
    for (const auto& c : world->countries)
        if (c.id == 55) england = &c;
    ASSERT_NE(england, nullptr);
    auto stats = [&](const worldtable::Division& d, int& foreign) {
        int sum = 0, n = 0;
        foreign = 0;
        for (const auto& club : d.clubs)
            for (const auto& p : (*squads)[static_cast<size_t>(club.index)].players) {
                sum += p->GetAbility();
                ++n;
                foreign += p->m_Person.GetCountry() != 55;
            }
        foreign = foreign * 100 / n;
        return sum / n;
    };
    int topForeign = 0, lowForeign = 0;
    const int top = stats(england->divisions.front(), topForeign);
    const int low = stats(england->divisions.back(), lowForeign);
    EXPECT_GT(top, low + 10);
    EXPECT_GE(topForeign, 8);
    EXPECT_LE(topForeign, 40);
    EXPECT_LT(lowForeign, topForeign);
}

}  // namespace
