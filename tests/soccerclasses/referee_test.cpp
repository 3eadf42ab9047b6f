#include "soccerclasses/referee.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "records_roundtrip.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/division.h"
#include "soccerclasses/scriptedport.h"

namespace {

CSoccerReferee Referee(uint8_t age, uint8_t country, uint16_t division) {
    CSoccerReferee r;
    r.m_Person.Set("P", "Whistler", age, country);
    r.m_RecordBytes = {1, 0};
    r.m_Division = division;
    return r;
}

TEST(Referee, MatchesCountByKindGroup) {
    CSoccerReferee r = Referee(35, 1, 0);
    r.AddMatch(3, 1, 0);
    r.AddMatch(1, 0, 4);
    r.AddMatch(2, 0, 6);
    r.AddMatch(9, 9, 7);  // a friendly counts nothing
    r.AddMatch(9, 9, 8);
    EXPECT_EQ(r.m_Season[0].matches, 1);
    EXPECT_EQ(r.m_Season[1].bookings, 1);
    EXPECT_EQ(r.m_Season[2].bookings, 2);
    EXPECT_EQ(r.m_Career[0].sendingsOff, 1);
    EXPECT_EQ(r.GetSeasonBookings(), 6);
    EXPECT_EQ(r.GetSeasonSendingsOff(), 1);
}

TEST(Referee, ListRowOnlyForCardsShown) {
    CSoccerReferee quiet = Referee(35, 1, 0);
    RecordingListRows rows;
    EXPECT_FALSE(quiet.AddToListControl(rows));
    CSoccerReferee strict = Referee(35, 1, 0);
    strict.AddMatch(4, 1, 0);
    ASSERT_TRUE(strict.AddToListControl(rows));
    ASSERT_EQ(rows.Rows().size(), 1u);
    const auto& row = rows.Rows()[0];
    EXPECT_EQ(row.cells[1], strict.m_Person.GetName());
    EXPECT_EQ(row.cells[2], "4");
    EXPECT_EQ(row.cells[3], "1");
    EXPECT_EQ(row.cells[4], "18");
    EXPECT_EQ(row.data1, reinterpret_cast<uintptr_t>(&strict));  // the whole pointer, not 32 bits of it
}

TEST(Referee, EveryRefereeHasRetiredByFortyNine) {
    platform::SeedRandom(2);
    for (int i = 0; i < 300; ++i) {
        CSoccerReferee r = Referee(48, 1, 0);
        r.AddMatch(1, 1, 0);
        EXPECT_TRUE(r.NewSeason(nullptr));  // 49 after the year: always gone
        EXPECT_GE(r.m_Person.GetAge(), 30);
        EXPECT_LE(r.m_Person.GetAge(), 36);
        EXPECT_EQ(r.m_Career[0].matches, 0);
        EXPECT_EQ(r.m_Person.GetCountry(), 1);
        CSoccerReferee young = Referee(40, 1, 0);
        young.AddMatch(1, 0, 0);
        EXPECT_FALSE(young.NewSeason(nullptr));
        EXPECT_EQ(young.m_Season[0].matches, 0);
        EXPECT_EQ(young.m_Career[0].matches, 1);
    }
    int retired = 0;
    for (int i = 0; i < 3000; ++i) {
        CSoccerReferee r = Referee(43, 1, 0);
        retired += r.NewSeason(nullptr);
    }
    EXPECT_GT(retired, 300);  // at 44 about one in six goes
    EXPECT_LT(retired, 700);
}

TEST(Referee, SavedRecordRoundTrips) {
    CSoccerReferee r = Referee(39, 4, 7);
    r.AddMatch(2, 1, 0);
    r.AddMatch(1, 0, 2);
    auto bytes = recordtest::Write([&](FILE* f) { r.Save(f); });
    auto person = recordtest::Write([&](FILE* f) { r.m_Person.Save(f); });
    EXPECT_EQ(bytes.size(), person.size() + 2 + 2 + 9 + 18);
    CSoccerReferee back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.m_Division, 7);
    EXPECT_EQ(back.m_Career[1].bookings, 1);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
}

TEST(Referee, StartupFileIsCheckedAgainstTheDivisions) {
    CDivisionList divisions;
    for (uint8_t c : {1, 1, 2}) {
        auto d = std::make_unique<CDivision>();
        d->SetCountry(c);
        divisions.Add(std::move(d));
    }
    CSoccerReferee a = Referee(30, 1, 1), b = Referee(41, 2, 2);
    auto file = [&](const CSoccerReferee& second) {
        return recordtest::Write([&](FILE* f) { CSoccerRefereeList::WriteFile(f, {&a, &second}); });
    };
    recordtest::InstallGameFile(CSoccerRefereeList::kFileName, file(b));
    CSoccerRefereeList list;
    list.ReadFile(CSoccerRefereeList::kFileName, divisions, 3);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetAt(1)->m_Person.GetSurname(), "Whistler");
    EXPECT_EQ(list.GetAt(1)->m_Person.GetAge(), 41);
    EXPECT_EQ(list.GetAt(1)->GetGrade(), 1);
    EXPECT_EQ(list.GetAt(1)->GetFilterValue(), 2);
    for (const CSoccerReferee& bad : {Referee(41, 2, 0), Referee(41, 2, 9), Referee(41, 7, 2)}) {
        recordtest::InstallGameFile(CSoccerRefereeList::kFileName, file(bad));
        CSoccerRefereeList l;
        EXPECT_THROW(l.ReadFile(CSoccerRefereeList::kFileName, divisions, 3), DataFileError);
        EXPECT_EQ(l.GetSize(), 0);
    }
}

TEST(ResultLine, WithAndWithoutAFixture) {
    RecordingListRows rows;
    CSoccerResult line;
    line.SetHome("Home", 0, nullptr);
    line.SetAway("Away", 1, nullptr);
    rows.AddRow("", 0, 0, 0);
    line.AddToListControl(rows, 0);
    EXPECT_EQ(rows.Rows()[0].cells[1], "-");
    EXPECT_EQ(rows.Rows()[0].cells[3], "");
    EXPECT_EQ(rows.Rows()[0].colour, 0xFFFF00u);
    CFixture f;
    ASSERT_TRUE(f.Init(0, 1, 2, 5, 3, 9876, 0));
    f.m_HomeGoals = 3;
    line.SetFixture(&f);
    line.AddToListControl(rows, 0);
    EXPECT_EQ(rows.Rows()[0].cells[1], "3 - 0");
    EXPECT_EQ(rows.Rows()[0].cells[3], "9876");
    EXPECT_EQ(rows.Rows()[0].data1, reinterpret_cast<uintptr_t>(&f));
}

}  // namespace

#include "soccerclasses/country.h"
#include "soccerclasses/worlddata.h"

namespace {

TEST(Referee, ARetiredRefereeComesBackAsANewManOfHisCountry) {
    CWorldData world;
    ScopedWorld installed{&world};
    world.ReadFederationsAndCountries();
    const CCountry* england = world.GetCountry(55);
    ASSERT_NE(england, nullptr);
    CSoccerReferee r = Referee(48, 55, 0);
    r.m_Person.SetForename("Q");
    ASSERT_TRUE(r.NewSeason(england));
    EXPECT_NE(r.m_Person.GetSurname(), "Whistler");
    EXPECT_FALSE(r.m_Person.GetSurname().empty());
    EXPECT_EQ(r.m_Person.GetCountry(), 55);
    EXPECT_GE(r.m_Person.GetAge(), 30);
    EXPECT_LE(r.m_Person.GetAge(), 36);
}

}  // namespace
