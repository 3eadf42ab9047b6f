#include <gtest/gtest.h>

#include <fstream>

#include "records_roundtrip.h"
#include "soccerclasses/clubsdata.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/stadium.h"
#include "support/test_env.h"

namespace {

StadiumFileRecord Ground(const std::string& name) {
    StadiumFileRecord s;
    s.name = name;
    s.firstFigure = 1904;
    for (int i = 0; i < 8; ++i) s.stands[size_t(i)] = {3, 1, 1, 0};
    s.capacity = 0;
    for (int i = 0; i < 8; ++i) s.capacity += GetStandPlaces(i, s.stands[size_t(i)]);
    return s;
}

class StadiumFile : public ::testing::Test {
protected:
    void TearDown() override { ResetGameFileChannel(); }
    std::string Path() const { return (testenv::TestFolder() / "Stadiums.bin").string(); }
};

TEST_F(StadiumFile, ReadsStadiumsWithNoWorkInProgress) {
    ASSERT_TRUE(WriteStadiumsFile(Path(), {Ground("Mill Lane"), Ground("Abbey Park")}));
    CStadiumList list;
    list.ReadFile(Path());
    ASSERT_EQ(list.GetSize(), 2);
    const CStadium& s = *list.GetAt(1);
    EXPECT_EQ(s.name, "Abbey Park");
    EXPECT_EQ(s.firstFigure, 1904);
    EXPECT_EQ(s.GetCapacity(), s.GetPlacesOfStands());
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(s.stands[i].workState, 0);
        EXPECT_EQ(s.stands[i].weeksLeft, 0);
        EXPECT_EQ(s.stands[i].seatsBeingAdded, 0);
        EXPECT_EQ(s.stands[i].layout, (StandLayout{3, 1, 1, 0}));
    }
}

TEST_F(StadiumFile, RefusesDamagedFiles) {
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
    };
    ASSERT_TRUE(WriteStadiumsFile(Path(), {Ground("Mill Lane")}));
    std::vector<uint8_t> good;
    {
        std::ifstream in(Path(), std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::vector<Case> cases = {
        {"truncated", [](auto& b) { b.resize(b.size() - 3); }},
        {"negative count", [](auto& b) { b[3] = 0x80; }},
        {"count beyond the file", [](auto& b) { b[0] = 50; }},
        {"empty name", [](auto& b) {
             // name length 0: drop the name's bytes
             b.erase(b.begin() + 8, b.begin() + 8 + 9);
             b[4] = 0;
         }},
    };
    for (const auto& c : cases) {
        auto bytes = good;
        c.damage(bytes);
        {
            std::ofstream out(Path(), std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        CStadiumList list;
        EXPECT_THROW(list.ReadFile(Path()), DataFileError) << c.what;
        EXPECT_EQ(list.GetSize(), 0) << c.what;
        ResetGameFileChannel();
    }
}

TEST_F(StadiumFile, MissingFileIsReported) {
    CStadiumList list;
    try {
        list.ReadFile(Path() + ".none");
        FAIL();
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.GetKind(), DataFileError::kMissing);
        EXPECT_NE(std::string(e.what()).find("ERROR! Cannot find file : "), std::string::npos);
    }
}

TEST_F(StadiumFile, SaveAndLoadKeepTheWorks) {
    ASSERT_TRUE(WriteStadiumsFile(Path(), {Ground("Mill Lane")}));
    CStadiumList list;
    list.ReadFile(Path());
    CStand& st = list.GetAt(0)->stands[4];
    st.workState = 1;
    st.weeksLeft = 3;
    st.seatsBeingAdded = 2000;
    st.secondFigure = 7;
    st.newLayout = {4, 2, 1, 1};
    const auto bytes = recordtest::Write([&](FILE* f) { list.Save(f); });
    CStadiumList other;
    other.ReadFile(Path());
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { other.Load(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { other.Save(f); }), bytes);
    EXPECT_EQ(other.GetAt(0)->CountStandsInWork(), 1);
}

TEST(Stadium, WorkWithOneWeekLeftFinishesAtTheNextStep) {
    CStadium s;
    s.stands.totalCapacity = 10000;
    s.stands[2].workState = 1;
    s.stands[2].weeksLeft = 2;
    s.stands[2].seatsBeingAdded = 1500;
    s.stands[2].newLayout = {3, 1, 1, 1};
    EXPECT_FALSE(s.AdvanceWorks());
    EXPECT_EQ(s.GetCapacity(), 10000);
    EXPECT_TRUE(s.AdvanceWorks());
    EXPECT_EQ(s.GetCapacity(), 11500);
    EXPECT_EQ(s.stands[2].layout, (StandLayout{3, 1, 1, 1}));
    EXPECT_EQ(s.stands[2].workState, 0);
    EXPECT_EQ(s.stands[2].seatsBeingAdded, 0);
}

TEST(Stadium, CapacityChangesBelowOneAreIgnored) {
    CStadium s;
    s.stands.totalCapacity = 500;
    s.ReduceCapacity(0);
    s.IncreaseCapacity(-5);
    EXPECT_EQ(s.GetCapacity(), 500);
    s.ReduceCapacity(100);
    EXPECT_EQ(s.GetCapacity(), 400);
}

TEST(Stands, PlacesFollowTheSizeStepsAndStandingRoom) {
    EXPECT_EQ(GetStandPlaces(3, {5, 0, 1, 0}), 13000);  // end stand, seated
    EXPECT_EQ(GetStandPlaces(1, {2, 0, 0, 0}), 2600);   // side stand, standing
    EXPECT_EQ(GetStandPlaces(0, {1, 0, 0, 0}), 0);      // corner size 1
    EXPECT_EQ(GetStandPlaces(7, {3, 1, 1, 1}), 1050);
}

TEST(Stands, LayoutRules) {
    std::array<StandLayout, 8> s;
    for (auto& l : s) l = {3, 1, 1, 0};
    EXPECT_EQ(CheckStandLayout(0, s, false), "");
    s[0].size = 4;  // corner larger than its neighbours
    EXPECT_NE(CheckStandLayout(0, s, false), "");
    s[0] = {1, 1, 0, 0};  // roof on a small corner
    EXPECT_NE(CheckStandLayout(0, s, false), "");
    s[0] = {0, 0, 0, 0};  // corner below size 1
    EXPECT_NE(CheckStandLayout(0, s, false), "");
    s[3] = {2, 1, 1, 1};  // boxes on a small end stand
    EXPECT_NE(CheckStandLayout(3, s, false), "");
    s[4] = {4, 1, 0, 0};  // standing terrace of size 4
    EXPECT_EQ(CheckStandLayout(4, s, false), "");
    EXPECT_NE(CheckStandLayout(4, s, true), "");
}

TEST_F(StadiumFile, PlansRoundTrip) {
    const std::string path = (testenv::TestFolder() / "Plans.bin").string();
    ASSERT_TRUE(WritePlansFile(path, {{1, {1, 2, 3}}, {2, {}}}));
    CStadiumPlanList plans;
    plans.ReadFile(path);
    ASSERT_EQ(plans.GetSize(), 2);
    EXPECT_EQ(plans.GetAt(0)->bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(plans.GetAt(1)->firstFigure, 2);
}

}  // namespace
