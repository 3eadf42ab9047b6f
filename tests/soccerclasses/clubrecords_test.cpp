#include <gtest/gtest.h>

#include "records_roundtrip.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/gamefile.h"

namespace {

TEST(CurrentForm, NewRecordShowsSixDashesAndNoGames) {
    CCurrentForm form;
    EXPECT_EQ(form.GetFormText(), "------");
    EXPECT_EQ(form.GetGames(), 0);
}

TEST(CurrentForm, ResultsStandNewestAtTheRight) {
    CCurrentForm form;
    form.AddResult(2, 1, 3, 1);
    form.AddResult(1, 1, 3, 1);
    form.AddResult(0, 3, 3, 1);
    EXPECT_EQ(form.GetFormText(), "---WDL");
    EXPECT_EQ(form.GetPoints(), 4);
    EXPECT_EQ(form.GetGoalsFor(), 3);
    EXPECT_EQ(form.GetGoalsAgainst(), 5);
    EXPECT_EQ(form.GetWins(), 1);
    EXPECT_EQ(form.GetDraws(), 1);
    EXPECT_EQ(form.GetLosses(), 1);
}

TEST(CurrentForm, KeepsOnlyTheLastSixResults) {
    CCurrentForm form;
    form.AddResult(5, 0, 3, 1);  // dropped later
    for (int i = 0; i < 6; ++i) form.AddResult(0, 1, 3, 1);
    EXPECT_EQ(form.GetFormText(), "LLLLLL");
    EXPECT_EQ(form.GetGoalsFor(), 0);
    EXPECT_EQ(form.GetPoints(), 0);
}

TEST(ClubRecords, GateRecords) {
    CClubRecords r;
    EXPECT_EQ(r.GetHighestGateText(), "-");
    r.AddGate(12000, "Sat 03 Jul 99", "Rovers");
    EXPECT_EQ(r.GetHighestGate(), 12000);
    EXPECT_EQ(r.GetLowestGate(), 12000);  // the first gate sets both
    r.AddGate(12000, "later", "United");  // equal: unchanged
    EXPECT_EQ(r.GetHighestGateDetail(), "Sat 03 Jul 99 (Rovers)");
    r.AddGate(9000, "d2", "City");
    EXPECT_EQ(r.GetLowestGate(), 9000);
    EXPECT_EQ(r.GetLowestGateDetail(), "d2 (City)");
    EXPECT_EQ(r.GetHighestGate(), 12000);
}

TEST(ClubRecords, WinWithTheSameMarginDoesNotReplaceTheRecord) {
    CClubRecords r;
    EXPECT_EQ(r.GetBiggestWinText(), "-");
    r.AddWin(3, 0, "Rovers", "b", "c", "d1");
    r.AddWin(4, 1, "United", "b", "c", "d2");
    EXPECT_EQ(r.GetBiggestWinText(), "3 - 0");
    EXPECT_EQ(r.GetBiggestWinDetail(), "Rovers (d1)");
    r.AddDefeat(0, 2, "City", "b", "c", "d3");
    r.AddDefeat(1, 2, "Town", "b", "c", "d4");
    EXPECT_EQ(r.GetHeaviestDefeatText(), "0 - 2");
}

TEST(ClubRecords, TransferRecordsReportANewRecordPaid) {
    CClubRecords r;
    EXPECT_EQ(r.SetTransferPaid("A. Smith", "Rovers", 100000.0, "d1"), 1);
    EXPECT_EQ(r.SetTransferPaid("B. Jones", "City", 90000.0, "d2"), 0);
    EXPECT_EQ(r.GetRecordFeePaidDetail(), "A. Smith - Rovers (d1)");
    EXPECT_FALSE(r.HasRecordFeeReceived());
}

// A season record exists once its text is set: the first season is always
// taken, later ones only when they beat it.
TEST(ClubRecords, SeasonRecordsStartWithTheFirstSeason) {
    CClubRecords r;
    r.SetBestDivision(3, "1999/00");
    r.SetLowestDivision(3, "1999/00");
    EXPECT_EQ(r.GetBestDivision(), 3);
    r.SetBestDivision(2, "2000/01");
    r.SetBestDivision(4, "2001/02");
    r.SetLowestDivision(4, "2001/02");
    EXPECT_EQ(r.GetBestDivision(), 2);
    EXPECT_EQ(r.Text(14), "2000/01");
    EXPECT_EQ(r.GetLowestDivision(), 4);

    r.SetMostPoints(70, "1999/00", "First");
    r.SetMostPoints(60, "2000/01", "First");
    r.SetMostPoints(80, "2001/02", "First");
    EXPECT_EQ(r.GetMostPoints(), 80);
    EXPECT_EQ(r.GetSecondMostPoints(), 70);
    EXPECT_EQ(r.Text(20), "1999/00");
}

TEST(ClubRecords, SaveAndLoadKeepEveryField) {
    CClubRecords r;
    r.SetTransferPaid("A", "B", 1.5, "C");
    r.SetTransferReceived("D", "E", 2.5, "F");
    r.AddGate(100, "g", "h");
    r.AddReceipts(99.0, "i", "j");
    r.SetBestFinish(1, 2, "k");
    r.SetWorstFinish(9, 3, "l");
    r.SetMostPoints(50, "m", "n");
    r.AddWin(5, 1, "o", "p", "q", "r");
    r.AddDefeat(0, 4, "s", "t", "u", "v");
    const auto bytes = recordtest::Write([&](FILE* f) { r.Save(f); });
    CClubRecords back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    EXPECT_EQ(back.GetBiggestWinDetail(), "o (r)");
}

TEST(Kits, EightBytesRoundTrip) {
    CKits k;
    k.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    const auto bytes = recordtest::Write([&](FILE* f) { k.Save(f); });
    ASSERT_EQ(bytes.size(), 8u);
    CKits back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back, k);
}

TEST(CurrentForm, SaveAndLoad) {
    CCurrentForm form;
    form.AddResult(2, 0, 3, 1);
    form.SetFormPosition(4);
    const auto bytes = recordtest::Write([&](FILE* f) { form.Save(f); });
    ASSERT_EQ(bytes.size(), 4u * 4 + 12);
    CCurrentForm back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.GetFormText(), "-----W");
    EXPECT_EQ(back.GetFormPosition(), 4);
}

}  // namespace
