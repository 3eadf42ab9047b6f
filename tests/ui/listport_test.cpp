// The model's list fillers fill the real list as they fill the recording
// one: equal texts, colours, data and pictures.
#include <gtest/gtest.h>

#include "shell/archive.h"
#include "soccerclasses/clubs_world.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/trophyhistory.h"
#include "ui/listcontrol.h"

namespace {

class ListPort : public clubtest::ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        ASSERT_TRUE(LoadArchiveIndexes());
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 6; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
        world.GetClubList().ReadFile(WriteClubs(records));
        world.GetDivision(0)->SetClubRange(0, 6);
    }
    void TearDown() override {
        FreeArchiveIndexes();
        ClubWorld::TearDown();
    }
    // A real list with `pictureColumn` holding pictures among 16 columns.
    static void Columns(CListControl& list, int pictureColumn) {
        for (int c = 0; c < 16; ++c) list.AddColumn("c" + std::to_string(c), c == pictureColumn ? kColumnPicture : 0);
    }
    // Row by row and cell by cell the two lists agree; the picture column's
    // recorded path names the picture the real cell holds.
    static void ExpectEqual(const RecordingListRows& rec, const CListControl& list, int pictureColumn) {
        ASSERT_EQ(static_cast<int>(rec.Rows().size()), list.GetRowCount());
        int pictures = 0;
        for (int r = 0; r < list.GetRowCount(); ++r) {
            const auto& row = rec.Rows()[size_t(r)];
            EXPECT_EQ(list.GetItemData(r), row.data1) << r;
            EXPECT_EQ(list.GetItemData2(r), row.data2) << r;
            EXPECT_EQ(list.GetCell(r, 0)->colour, row.colour) << r;
            for (int c = 0; c < 16; ++c) {
                const CListCell* cell = list.GetCell(r, c);
                ASSERT_NE(cell, nullptr);
                if (c != pictureColumn) {
                    EXPECT_EQ(cell->text, row.cells[size_t(c)]) << r << "," << c;
                    continue;
                }
                if (!cell->picture) continue;
                CXBitmap expected;
                ASSERT_TRUE(expected.Load(row.cells[size_t(c)])) << row.cells[size_t(c)];
                ASSERT_TRUE(cell->picture->IsLoaded());
                EXPECT_EQ(cell->pictureWidth, expected.GetWidth());
                EXPECT_EQ(cell->picture->GetSurface().Get(5, 5), expected.GetSurface().Get(5, 5));
                ++pictures;
            }
        }
        EXPECT_GT(pictures, 0);
    }
};

TEST_F(ListPort, LeagueTableRowsWithTheirMovementPictures) {
    for (int i = 0; i < 6; ++i) {
        CClub& club = *world.GetClub(i);
        club.LeagueRow().m_HomePlayed = 3;
        club.LeagueRow().m_Position = uint8_t(5 - i);
        club.LeagueRow().m_Points = uint8_t(3 * i);
        club.LeaguePositions().assign(46, 255);
        club.LeaguePositions()[1] = uint8_t(i % 3 == 0 ? 5 - i : i % 3 == 1 ? 0 : 5);
    }
    RecordingListRows rec;
    CListControl list;
    Columns(list, 1);
    // Filled in club order, so most rows go in beyond the list's end first
    // (the copy made aside) and later ones are inserted before them.
    for (int i = 0; i < 6; ++i) {
        world.GetClub(i)->AddLeagueTableRow(rec, 0xFFFFFF, 65535, 65280, 0, 0, 0xFFFF00);
        world.GetClub(i)->AddLeagueTableRow(list, 0xFFFFFF, 65535, 65280, 0, 0, 0xFFFF00);
    }
    ExpectEqual(rec, list, 1);
}

TEST_F(ListPort, TrophyHistoryAndFixturesFillAlike) {
    CTrophyHistoryList honours;
    honours.AddWinnerHonour("Premier Division", "Club", "Champions 1999/00", 2, 0);
    honours.AddRunnerUpHonour("National Cup", "Club", "Finalists 2000", 7, 1);
    RecordingListRows rec;
    CListControl list;
    Columns(list, 0);
    honours.FillListControl(rec);
    honours.FillListControl(list);
    ExpectEqual(rec, list, 0);
    EXPECT_EQ(list.m_nTextOffset, rec.RowSetting());
}

}  // namespace
