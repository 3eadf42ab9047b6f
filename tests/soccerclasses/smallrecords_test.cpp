#include <gtest/gtest.h>

#include "people_io.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/managerofthemonth.h"
#include "soccerclasses/playersearch.h"

namespace {

using peopleio::LoadBytes;
using peopleio::SaveBytes;

TEST(ContractClauses, FindRemoveSwapAndSave) {
    CContractClauseList list;
    list.Add(7, 10, 3);
    list.Add(9, 15, 4);
    list.Add(7, 20, 5);
    EXPECT_EQ(list.Find(7)->m_Percentage, 10);  // the older clause
    EXPECT_EQ(list.Find(8), nullptr);
    list.SwapClubIndexes(3, 5);
    EXPECT_EQ(list.GetAt(0)->m_Club, 5u);
    EXPECT_EQ(list.GetAt(1)->m_Club, 4u);
    EXPECT_EQ(list.GetAt(2)->m_Club, 3u);
    std::string bytes = SaveBytes([&](FILE* f) { list.Save(f); });
    EXPECT_EQ(bytes.size(), 4u + 3 * 9);
    CContractClauseList read;
    read.Add(1, 1, 1);
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(SaveBytes([&](FILE* f) { read.Save(f); }), bytes);
    read.RemovePlayerClauses(7);
    EXPECT_EQ(read.GetSize(), 1);
    EXPECT_EQ(read.GetAt(0)->m_Player, 9u);
}

TEST(PlayerSearch, DefaultsResetAndSet) {
    CPlayerSearch s;
    EXPECT_EQ(s.GetMaxValue(), 40000000.0f);
    EXPECT_EQ(s.GetPositionFlag(0), 1);
    s.SetValueFactor(2.0f);
    s.Reset();
    EXPECT_EQ(s.GetMaxValue(), 80000000.0f);
    s.Set(2, 18, 30, 40, 80, 1000, 500000, 1, 3, 2);
    EXPECT_EQ(s.GetPositionFlag(0), 0);
    EXPECT_EQ(s.GetPositionFlag(2), 1);
    EXPECT_EQ(s.GetPositionFlag(3), 0);
    EXPECT_EQ(s.m_ValueFactor, 1.0f);
    s.m_Option3 = 9;
    std::string bytes = SaveBytes([&](FILE* f) { s.Save(f); });
    EXPECT_EQ(bytes.size(), 27u);
    CPlayerSearch read;
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(read, s);
}

TEST(ManagerOfTheMonth, LoadFitsTheListToTheSavedRows) {
    CManagerOfTheMonthList saved;
    saved.Add("August", "R.Pellow", "Ashford Town");
    saved.Add("September", "No manager", "Carrow Rovers");
    std::string bytes = SaveBytes([&](FILE* f) { saved.Save(f); });
    CManagerOfTheMonthList list;
    for (int i = 0; i < 5; ++i) list.Add("m", "x", "c");
    ASSERT_TRUE(LoadBytes([&](FILE* f) { list.Load(f); }));
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetAt(1)->m_Month, "September");
    EXPECT_EQ(SaveBytes([&](FILE* f) { list.Save(f); }), bytes);
    CManagerOfTheMonthList empty;
    EXPECT_EQ(SaveBytes([&](FILE* f) { empty.Save(f); }), std::string(4, '\0'));
}

}  // namespace
