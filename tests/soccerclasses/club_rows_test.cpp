#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class ClubRows : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0, 0)}));
    }
    CClub& Club() { return *world.GetClubList().GetAt(0); }
};

TEST_F(ClubRows, AttendanceRowAveragesTheHomeGates) {
    RecordingListRows list;
    Club().AddAttendanceTableRow(list);
    ASSERT_EQ(list.Rows().size(), 1u);
    EXPECT_EQ(list.Rows()[0].cells[1], "Harwick Albion");
    EXPECT_EQ(list.Rows()[0].cells[4], "0");  // no home games yet
    EXPECT_EQ(list.Rows()[0].colour, 16777215u);
    EXPECT_EQ(list.Rows()[0].data1, reinterpret_cast<uintptr_t>(&Club()));
    Club().AddAttendance(12000);
    Club().AddAttendance(9000);
    MakeHuman(Club());
    Club().AddAttendanceTableRow(list);
    ASSERT_EQ(list.Rows().size(), 2u);
    const auto& row = list.Rows()[1];
    EXPECT_EQ(row.cells[2], "2");
    EXPECT_EQ(row.cells[3], std::to_string(Club().GetLastHomeCrowd()));
    EXPECT_EQ(row.cells[4], "10500");
    EXPECT_EQ(row.cells[5], "21000");
    EXPECT_EQ(row.colour, 255u);  // a human manager's club
}

TEST_F(ClubRows, DisciplineRowOnlyOnceTheClubHasPlayed) {
    RecordingListRows list;
    Club().AddBooking();
    Club().AddSendingOff();
    Club().AddDisciplineTableRow(list, true, false);
    EXPECT_TRUE(list.Rows().empty());
    Club().LeagueRow().m_HomePlayed = 2;
    Club().LeagueRow().m_AwayPlayed = 1;
    Club().AddDisciplineTableRow(list, true, false);
    ASSERT_EQ(list.Rows().size(), 1u);
    const auto& row = list.Rows()[0];
    EXPECT_EQ(row.cells[1], "Harwick Albion (" + std::string(Club().GetDivision()->GetName()) + ")");
    EXPECT_EQ(row.cells[2], "3");
    EXPECT_EQ(row.cells[3], "1");
    EXPECT_EQ(row.cells[4], "1");
    EXPECT_EQ(row.cells[5], "9");
}

TEST_F(ClubRows, StaffFillsClearTheListAndShowEveryKind) {
    for (uint8_t kind : {0, 1, 2, 3}) Club().HireNewEmployee(kind);
    RecordingListRows list;
    list.AddRow("stale", 0, 0, 0);
    Club().FillEmployeeRows(list);
    ASSERT_EQ(list.Rows().size(), 4u);
    EXPECT_EQ(list.Rows()[2].cells[0], Club().Staff().GetAt(2)->GetName());
    EXPECT_EQ(list.Rows()[2].data2, 2u);
}

TEST_F(ClubRows, FormRowCountsTheRecentResults) {
    CCurrentForm& form = *Club().GetCurrentForm();
    form.AddResult(2, 0, 3, 1);
    form.AddResult(1, 1, 3, 1);
    form.AddResult(0, 3, 3, 1);
    form.SetFormPosition(4);
    RecordingListRows list;
    Club().AddFormTableRow(list, 0x123456);
    ASSERT_EQ(list.Rows().size(), 1u);
    const auto& row = list.Rows()[0];
    const char* expected[] = {"5", "", "Harwick Albion", "3", "1", "1", "1", "3", "4", "4"};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(row.cells[size_t(c)], expected[c]) << "column " << c;
    EXPECT_EQ(row.colour, 0x123456u);
    MakeHuman(Club());
    Club().AddFormTableRow(list, 0x123456);
    EXPECT_EQ(list.Rows()[1].colour, 65535u);
}

}  // namespace
}  // namespace clubtest
