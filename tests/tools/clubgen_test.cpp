#include <gtest/gtest.h>

#include <map>
#include <set>

#include "clubs/clubgen.h"
#include "soccerclasses/popularity.h"

namespace {

CPopularityList PopularityTable() {
    CPopularityList list;
    for (int i = 0; i < 100; ++i) {
        CPopularity p;
        p.m_CrowdBase = 42000 / (1 + i / 4);
        list.Add(p);
    }
    return list;
}

std::vector<clubgen::CountryPlaces> Countries() {
    std::vector<clubgen::CountryPlaces> c(2);
    c[0].id = 55;
    c[1].id = 67;
    const char* english[] = {"Harwick", "Lowbridge", "Harwick", "Stanmore", "Ellisport", "Coldwater"};
    const char* german[] = {"Bremen", "Kassel", "Bremen", "Ulm"};
    int index = 0;
    for (int tier = 0; tier < 2; ++tier) {
        clubgen::DivisionPlaces d;
        d.index = index++;
        d.tier = tier;
        for (const char* t : english) d.clubs.push_back({t, "", -1});
        c[0].divisions.push_back(d);
    }
    clubgen::DivisionPlaces d;
    d.index = index++;
    for (const char* t : german) d.clubs.push_back({t, "", -1});
    c[1].divisions.push_back(d);
    return c;
}

TEST(ClubGenerator, EveryClubHasANameAStadiumTwoKitsAndAManager) {
    const auto table = PopularityTable();
    const auto out = clubgen::Generate(Countries(), table);
    ASSERT_EQ(out.clubs.size(), 16u);
    std::set<std::string> names;
    for (const auto& c : out.clubs) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_FALSE(c.name.empty());
        EXPECT_GT(c.managerFlag, 0);
        EXPECT_LT(c.managerFlag, 65);
        EXPECT_FALSE(c.manager.surname.empty());
        // One letter: the shown name puts the dot after it ("F.MacAulay").
        ASSERT_EQ(c.manager.initial.size(), 1u) << c.manager.initial;
        EXPECT_TRUE(c.manager.initial[0] >= 'A' && c.manager.initial[0] <= 'Z') << c.manager.initial;
        ASSERT_LT(size_t(c.stadium), out.stadiums.size());
        const auto& s = out.stadiums[size_t(c.stadium)];
        EXPECT_GE(s.capacity, table.GetAt(c.popularity)->m_CrowdBase) << s.name;
        EXPECT_FALSE(clubgen::ColoursAlike(c.homeKit[3], c.awayKit[3])) << c.name;
        EXPECT_LT(c.homeKit[0], clubgen::kSleevePatterns);
        EXPECT_LT(c.homeKit[1], clubgen::kShirtPatterns);
        EXPECT_LT(c.homeKit[2], clubgen::kShortsPatterns);
        for (int i = 3; i < 8; ++i) EXPECT_LT(c.awayKit[size_t(i)], 16);
    }
    // The same town means the same area.
    EXPECT_EQ(out.clubs[0].areaCode, out.clubs[2].areaCode);
    EXPECT_NE(out.clubs[0].areaCode, out.clubs[1].areaCode);
    // German clubs are named in the German manner, English ones in the English.
    EXPECT_NE(out.clubs[12].name.find("Bremen"), std::string::npos);
    EXPECT_EQ(out.plans.size(), 8u);
}

TEST(ClubGenerator, StandsKeepTheRules) {
    const auto out = clubgen::Generate(Countries(), PopularityTable());
    for (size_t i = 0; i < out.clubs.size(); ++i) {
        const auto& s = out.stadiums[size_t(out.clubs[i].stadium)];
        const bool taylor = i < 12;  // England's top two divisions
        int32_t places = 0;
        for (int st = 0; st < 8; ++st) {
            EXPECT_EQ(CheckStandLayout(st, s.stands, taylor), "") << s.name << " stand " << st;
            places += GetStandPlaces(st, s.stands[size_t(st)]);
        }
        EXPECT_EQ(places, s.capacity);
    }
}

TEST(ClubGenerator, PopularityFollowsStanding) {
    EXPECT_EQ(clubgen::PickPopularity(55, 0, 0, 20, 100), 0);
    EXPECT_LT(clubgen::PickPopularity(55, 0, 19, 20, 100), clubgen::PickPopularity(55, 1, 19, 20, 100));
    EXPECT_LT(clubgen::PickPopularity(55, 0, 0, 20, 100), clubgen::PickPopularity(1, 0, 0, 20, 100));
    EXPECT_LE(clubgen::PickPopularity(1, 9, 19, 20, 100), 97);
}

TEST(ClubGenerator, IsDeterministic) {
    const auto a = clubgen::Generate(Countries(), PopularityTable());
    const auto b = clubgen::Generate(Countries(), PopularityTable());
    ASSERT_EQ(a.clubs.size(), b.clubs.size());
    for (size_t i = 0; i < a.clubs.size(); ++i) {
        EXPECT_EQ(a.clubs[i].name, b.clubs[i].name);
        EXPECT_EQ(a.clubs[i].homeKit, b.clubs[i].homeKit);
    }
}

}  // namespace
