#include <gtest/gtest.h>

#include "records_roundtrip.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/transferhistory.h"
#include "soccerclasses/trophyhistory.h"

namespace {

TEST(TrophyHistory, KindsAndPictures) {
    CTrophyHistoryList list;
    list.AddWinnerHonour("League", "Club", "1999/00", 3, 0);
    list.AddRunnerUpHonour("League", "Club", "2000/01", 3, 0);
    list.AddWinnerHonour("Cup", "Club", "2001", 12, 1);
    list.AddRunnerUpHonour("Cup", "Club", "2002", 12, 1);
    const uint8_t kinds[] = {0, 1, 2, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.GetAt(i)->m_Kind, kinds[i]);
    EXPECT_EQ(list.GetAt(1)->GetPicturePath(), "gfx\\trophies\\division\\trophy03.bmp");
    EXPECT_EQ(list.GetAt(3)->GetPicturePath(), "gfx\\trophies\\cup\\trophy12.bmp");
}

TEST(TrophyHistory, SaveLoadAndSizes) {
    CTrophyHistoryList one;
    one.AddWinnerHonour("ABCDE", "1234567", "", 4, 0);
    auto bytes = recordtest::Write([&](FILE* f) { one.Save(f); });
    EXPECT_EQ(bytes.size(), 4u + 26);  // 3 x 4 + 12 + 2 after the count
    EXPECT_EQ(bytes[4], 5);            // title first, then detail, then extra
    EXPECT_EQ(bytes[13], 0);

    CTrophyHistoryList four;
    for (int i = 0; i < 4; ++i) four.AddWinnerHonour("T", "E", "D", 1, 1);
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { four.Load(f); }));
    ASSERT_EQ(four.GetSize(), 1);
    EXPECT_EQ(four.GetAt(0)->m_Title, "ABCDE");
    EXPECT_EQ(four.GetAt(0)->m_Extra, "1234567");
    EXPECT_EQ(four.GetAt(0)->m_Detail, "");  // a shorter list does not keep the old text
    EXPECT_EQ(recordtest::Write([&](FILE* f) { four.Save(f); }), bytes);

    auto none = recordtest::Write([](FILE* f) { CTrophyHistoryList().Save(f); });
    CTrophyHistoryList grown;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { grown.Load(f); }));
    ASSERT_TRUE(recordtest::Read(none, [&](FILE* f) { grown.Load(f); }));
    EXPECT_EQ(grown.GetSize(), 0);
}

TEST(TransferLogs, ClubLogRoundTripsInFieldOrder) {
    CTransferHistoryList log;
    log.Add("J. Smith", "Old Town", 250000.0, "New City", 4711);
    log.Add("P. Jones", "New City", 0.0, "Far Rovers", 12);
    EXPECT_TRUE(log.GetAt(1)->IsFree());
    EXPECT_FALSE(log.GetAt(0)->IsFree());
    auto bytes = recordtest::Write([&](FILE* f) { log.Save(f); });
    // count, name, from club, fee, player index, to club
    EXPECT_EQ(bytes.size(), 4u + (4 + 8) + (4 + 8) + 8 + 4 + (4 + 8) + (4 + 8) + (4 + 8) + 8 + 4 + (4 + 10));
    EXPECT_EQ(bytes[4 + 4 + 8 + 4 + 8 + 8], 0x67);  // 4711 = 0x1267 right after the fee
    CTransferHistoryList back;
    back.Add("stale", "x", 1, "y", 1);
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_EQ(back.GetAt(0)->m_ToClub, "New City");
    EXPECT_EQ(back.GetAt(0)->m_PlayerIndex, 4711);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    auto empty = recordtest::Write([](FILE* f) { CTransferHistoryList().Save(f); });
    ASSERT_TRUE(recordtest::Read(empty, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.GetSize(), 0);
}

TEST(TransferLogs, PlayerHistoryRoundTrips) {
    CPlayerTransferHistoryList h;
    EXPECT_EQ(h.GetFirstDate(), "");
    h.Add("Sat 03 Jul 99", 1500.0, "Old Town");
    h.Add("Tue 06 Jul 99", -1.0, "New City");
    EXPECT_EQ(h.GetFirstDate(), "Sat 03 Jul 99");
    auto bytes = recordtest::Write([&](FILE* f) { h.Save(f); });
    EXPECT_EQ(bytes.size(), 4u + (4 + 13 + 8 + 4 + 8) * 2);
    CPlayerTransferHistoryList back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_DOUBLE_EQ(back.GetAt(1)->m_Fee, -1.0);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
}

TEST(SquadTraining, DefaultsWeightAndNineBytes) {
    CSoccerSquadTraining t;
    EXPECT_EQ(t.GetWeightedValue(), 8);
    t.SetSetting(1, 0);
    EXPECT_EQ(t.GetWeightedValue(), 0);
    t.SetSetting(1, 33);
    t.SetSetting(4, 50);
    EXPECT_EQ(t.GetWeightedValue(), 16);  // 16.5 truncated
    auto bytes = recordtest::Write([&](FILE* f) { t.Save(f); });
    ASSERT_EQ(bytes.size(), 9u);
    EXPECT_EQ(bytes[0], 33);
    EXPECT_EQ(bytes[1], 10);
    CSoccerSquadTraining back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.m_Settings, t.m_Settings);
}

}  // namespace

#include "soccerclasses/scriptedport.h"

namespace {

TEST(TrophyHistory, ListRowsWithPicturesAndColumnsByKind) {
    CTrophyHistoryList list;
    RecordingListRows empty;
    list.FillListControl(empty);
    EXPECT_EQ(empty.RowSetting(), -1);  // no honours: the layout stays
    EXPECT_EQ(empty.Rows().size(), 0u);

    list.AddWinnerHonour("Premier Division", "Club", "Champions 1999/00", 2, 0);
    list.AddRunnerUpHonour("National Cup", "Club", "Finalists 2000", 7, 1);
    RecordingListRows rows;
    list.FillListControl(rows);
    EXPECT_EQ(rows.RowSetting(), 5);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells[0], "gfx\\trophies\\division\\trophy02.bmp");
    EXPECT_EQ(rows.Rows()[0].cells[2], "Champions 1999/00");
    EXPECT_EQ(rows.Rows()[0].cells[3], "");
    EXPECT_EQ(rows.Rows()[1].cells[0], "gfx\\trophies\\cup\\trophy07.bmp");
    EXPECT_EQ(rows.Rows()[1].cells[1], "National Cup");
    EXPECT_EQ(rows.Rows()[1].cells[2], "");
    EXPECT_EQ(rows.Rows()[1].cells[3], "Finalists 2000");
    EXPECT_EQ(rows.Rows()[1].colour, 0xFFFFFFu);
}

}  // namespace
