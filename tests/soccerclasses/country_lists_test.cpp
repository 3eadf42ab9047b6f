#include <gtest/gtest.h>

#include "records_roundtrip.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"

namespace {

class CountryListsTest : public ::testing::Test {
protected:
    void SetUp() override { installed = std::make_unique<ScopedWorld>(&world); }
    void TearDown() override {
        installed.reset();
        ResetModuleState();
    }

    static std::unique_ptr<CCountry> Country(uint8_t id, uint8_t follow) {
        CountryRecord r;
        r.id = id;
        r.name = "Country " + std::to_string(id);
        r.followLevel = follow;
        return std::make_unique<CCountry>(r);
    }

    // A referee of the division who has shown `cards` yellow cards.
    int AddReferee(uint16_t division, uint8_t cards) {
        auto r = std::make_unique<CSoccerReferee>();
        r->m_Person.Set("P", "Whistler" + std::to_string(world.GetRefereeList().GetSize()), 40, 1);
        r->m_Division = division;
        if (cards) r->AddMatch(cards, 0, 0);
        return world.GetRefereeList().Add(std::move(r));
    }

    CWorldData world{CWorldData::Empty{}};
    std::unique_ptr<ScopedWorld> installed;
};

TEST_F(CountryListsTest, RefereeRowsAllOrByFilterValue) {
    auto c = Country(1, kFollowed);
    // Referees of divisions 0 and 1; one of division 1 has shown no card.
    for (auto [division, cards] : {std::pair{0, 2}, {1, 3}, {1, 0}, {0, 1}})
        c->AddReferee(static_cast<uint32_t>(AddReferee(static_cast<uint16_t>(division), static_cast<uint8_t>(cards))));
    AddReferee(0, 5);  // another country's referee

    struct Case {
        int filter;  // -2: all
        std::vector<std::string> names;
    } cases[] = {
        {-2, {"Whistler0", "Whistler1", "Whistler3"}},
        {0, {"Whistler0", "Whistler3"}},
        {1, {"Whistler1"}},
        {7, {}},
    };
    for (const Case& k : cases) {
        RecordingListRows rows;
        if (k.filter == -2)
            c->FillRefereeList(rows);
        else
            c->FillRefereeListFiltered(rows, k.filter);
        std::vector<std::string> names;
        for (const auto& row : rows.Rows()) names.push_back(row.cells[1]);
        for (auto& n : names) n = n.substr(n.find("Whistler"));
        EXPECT_EQ(names, k.names) << "filter " << k.filter;
    }
}

TEST_F(CountryListsTest, WorldRefereeRowsVisitEveryMemberCountryOfEveryFederation) {
    world.GetFederationList().Add(std::make_unique<CFederation>(0, "North", "N"));
    world.GetFederationList().Add(std::make_unique<CFederation>(1, "South", "S"));
    for (uint8_t id = 0; id < 3; ++id) world.GetCountryList().Add(Country(id, kFollowed));
    world.AddCountryToFederation(2, 0);
    world.AddCountryToFederation(1, 1);  // country 0 belongs to no federation
    world.GetCountry(0)->AddReferee(static_cast<uint32_t>(AddReferee(0, 1)));
    world.GetCountry(1)->AddReferee(static_cast<uint32_t>(AddReferee(0, 1)));
    world.GetCountry(2)->AddReferee(static_cast<uint32_t>(AddReferee(0, 1)));
    RecordingListRows rows;
    world.FillRefereeRows(rows);
    ASSERT_EQ(rows.Rows().size(), 2u);
    // Federation order: country 2 (North) first, then country 1.
    EXPECT_EQ(rows.Rows()[0].data1, reinterpret_cast<uintptr_t>(world.GetRefereeList().GetAt(2)));
    EXPECT_EQ(rows.Rows()[1].data1, reinterpret_cast<uintptr_t>(world.GetRefereeList().GetAt(1)));
}

TEST_F(CountryListsTest, MarketsWorkWhenFollowedAndGiveNoneOtherwise) {
    auto away = Country(2, kNotFollowed);
    CBasicEmployee e;
    away->AddAvailableEmployee(e);
    EXPECT_EQ(away->GetAvailableEmployee(0), nullptr);
    EXPECT_EQ(away->GetAvailableYouth(0), nullptr);
    EXPECT_EQ(away->FindAvailableYouthByPosition(-1, 0), -1);
    EXPECT_EQ(away->PickAvailableEmployee(0, 0, 100), nullptr);
    away->ClearMarkets();
    away->RemoveAvailableYouth(0);

    auto home = Country(1, kFollowed);
    home->AddAvailableEmployee(e);
    home->AddAvailableEmployee(e);
    CAvailableEmployee* second = home->GetAvailableEmployee(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(home->FindAvailableEmployee(second), 1);
    home->RemoveAvailableEmployee(second);
    EXPECT_EQ(home->GetStaffMarket()->GetSize(), 1);
    home->RemoveAvailableEmployee(nullptr);  // not in the market: nothing happens
    EXPECT_EQ(home->GetStaffMarket()->GetSize(), 1);
    home->ClearMarkets();
    EXPECT_EQ(home->GetStaffMarket()->GetSize(), 0);
    EXPECT_EQ(home->GetAvailableEmployee(0), nullptr);
}

std::vector<uint8_t> CupBytes(const std::string& name, uint8_t entrants) {
    CCup cup;
    cup.m_Name = name;
    cup.m_Venues.SetSizeAndFill(CCup::kVenues, 0);
    cup.m_PreviousResults = {3, 7, -1, -1};
    auto round = std::make_unique<CCupRound>();
    round->m_Entrants = entrants;
    round->m_Kind = 0;
    round->m_DrawSlot = 10;
    round->m_MatchSlot = 14;
    round->m_ReplaySlot = 16;
    cup.m_Rounds.Add(std::move(round));
    return recordtest::Write([&](FILE* f) { cup.WriteDefinition(f, {}, {45}); });
}

TEST_F(CountryListsTest, CupsFromTheFileAppendInOrderAndABadOneIsNotKept) {
    auto c = Country(4, kFollowed);
    CCup::Limits limits{10, [](int) { return 5000; }};
    auto none = [](const CupNonLeagueRecord&) { return 0; };
    for (const char* name : {"League Cup", "Shield"}) {
        const char* why = "unread";
        ASSERT_TRUE(recordtest::Read(CupBytes(name, 2), [&](FILE* f) { why = c->AddCupFromFile(f, limits, none); }));
        EXPECT_EQ(why, nullptr);
    }
    ASSERT_EQ(c->GetCups().GetSize(), 2);
    EXPECT_EQ(std::string(c->GetCups().GetAt(0)->m_Name), "League Cup");
    EXPECT_EQ(std::string(c->GetCups().GetAt(1)->m_Name), "Shield");
    EXPECT_EQ(c->GetCups().GetAt(1)->m_CountryIndex, 4);
    EXPECT_EQ(std::string(c->GetSeasonText()), world.GetSeasonText(0));

    // A definition cut short is reported and not appended.
    auto bytes = CupBytes("Broken", 2);
    bytes.resize(bytes.size() / 2);
    const char* why = nullptr;
    EXPECT_FALSE(recordtest::Read(bytes, [&](FILE* f) { why = c->AddCupFromFile(f, limits, none); }));
    EXPECT_NE(why, nullptr);
    EXPECT_EQ(c->GetCups().GetSize(), 2);
}

TEST_F(CountryListsTest, HumanMatchDayIsFalseWithoutTwoHumanClubsAndRestoresTheSelectedSlot) {
    CWorldData::SelectedUserSlot() = 3;
    CMatchTime date;
    EXPECT_FALSE(world.IsHumanMatchDay(date));
    EXPECT_EQ(world.GetCurrentUserIndex(), 3);
    world.GetUser(0)->SetManagerIndex(0);  // a manager without a club
    EXPECT_FALSE(world.IsHumanMatchDay(date));
    EXPECT_EQ(world.GetCurrentUserIndex(), 3);
    EXPECT_EQ(world.GetAvailableEmployee(0), nullptr);
    EXPECT_EQ(world.FindAvailableEmployee(nullptr), -1);
}

TEST_F(CountryListsTest, TacticsAreTheCurrentUsersOwn) {
    EXPECT_EQ(world.GetTacticCount(), 0);  // no current user
    EXPECT_EQ(world.GetTacticName(0), "");
    world.SetTacticLevelA(9);  // nothing to set

    world.GetUser(2)->SetManagerIndex(5);
    world.GetUser(6)->SetManagerIndex(7);
    ASSERT_TRUE(world.SetCurrentUser(2));
    EXPECT_EQ(world.GetTacticCount(), CSoccerTacticList::kBuiltIn + CSoccerTacticList::kCustom);
    world.GetUser(2)->GetTacticList().SetCurrent(3);
    EXPECT_EQ(world.GetCurrentTactic(), 3);
    world.SetTacticName(12, "Diamond");
    world.SetTacticLevelA(7);
    world.SetTacticLevelB(2);
    world.SetTacticLevelC(9);
    world.SetTacticFlagA(1);
    world.SetTacticFlagB(1);
    EXPECT_EQ(world.GetTacticName(12), "Diamond");
    EXPECT_EQ(world.GetTacticLevelA(), 7);
    EXPECT_EQ(world.GetTacticLevelB(), 2);
    EXPECT_EQ(world.GetTacticLevelC(), 9);
    EXPECT_EQ(world.GetTacticFlagA(), 1);
    EXPECT_EQ(world.GetTacticFlagB(), 1);
    EXPECT_EQ(world.GetUser(2)->GetTacticList().GetAt(3)->m_Aggression, 9);
    EXPECT_EQ(world.GetTacticLabel(3), world.GetUser(2)->GetTacticList().GetAt(3)->GetLabel());

    // Another user's formations are untouched.
    ASSERT_TRUE(world.SetCurrentUser(6));
    EXPECT_NE(world.GetTacticName(12), "Diamond");
    EXPECT_EQ(world.GetTacticLevelC(), world.GetUser(6)->GetTacticList().GetCurrentTactic()->m_Aggression);
    EXPECT_NE(world.GetUser(6)->GetTacticList().GetAt(0)->m_Aggression, 9);
}

}  // namespace

#include "soccerclasses/competitionfiles.h"

namespace {

TEST(CupResults, LastSeasonsResultsGoWhereTheCupsPlaceSays) {
    const std::array<int32_t, 4> results{11, 12, 13, 14};
    const struct {
        int position;
        std::array<int32_t, 8> expected;  // finalists A B, qualifiers, second cup A B, fourth cup A B
    } cases[] = {
        {0, {11, 12, 13, 14, -1, -1, -1, -1}},
        {1, {-1, -1, -1, -1, 11, 12, -1, -1}},
        {2, {-1, -1, -1, -1, -1, -1, -1, -1}},
        {3, {-1, -1, -1, -1, -1, -1, 11, 12}},
        {4, {-1, -1, -1, -1, -1, -1, -1, -1}},
    };
    for (const auto& c : cases) {
        CCountry country;
        StoreLastSeasonCupResults(country, c.position, results);
        const std::array<int32_t, 8> got{country.GetCupFinalistA(),      country.GetCupFinalistB(),
                                         country.GetCupQualifier(0),     country.GetCupQualifier(1),
                                         country.GetSecondCupFinalistA(), country.GetSecondCupFinalistB(),
                                         country.GetCupPairFirst(),      country.GetCupPairSecond()};
        EXPECT_EQ(got, c.expected) << c.position;
    }
}

}  // namespace
