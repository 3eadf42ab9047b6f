// Which right-click menu a page opens.
#include <gtest/gtest.h>

#include <map>

#include "shell/pagemenus.h"

namespace {

TEST(PageMenuGroupTest, EveryPageOfTheTableAndNothingElse) {
    const std::map<int, std::vector<int>> groups = {
        {2, {8, 45, 70, 95, 99, 116}},          {3, {4, 26, 35, 36, 40, 80, 94, 100}},
        {4, {9, 24, 34, 71, 72, 101, 109, 110}}, {5, {22, 32, 37, 47, 60, 78, 93, 102, 117}},
        {6, {7, 21, 25, 38, 62, 103, 113}},     {7, {1, 2, 17, 18, 53, 104}},
        {8, {28, 33, 42, 49, 77, 105, 119}},    {9, {10, 13, 86, 106}},
        {10, {43, 84, 87, 107}},                {11, {120}},
        {12, {121}},                            {13, {122}},
    };
    std::map<int, int> want;
    for (const auto& [group, pages] : groups)
        for (int p : pages) want[p] = group;
    for (int page = -5; page <= 130; ++page) {
        const auto it = want.find(page);
        EXPECT_EQ(PageMenuGroup(page), it == want.end() ? -1 : it->second) << page;
    }
    // The edge cases: outside the range, and pages in range without a menu.
    EXPECT_EQ(PageMenuGroup(0), -1);
    EXPECT_EQ(PageMenuGroup(123), -1);
    EXPECT_EQ(PageMenuGroup(120), 11);
    for (int page : {23, 16, 6, 64}) EXPECT_EQ(PageMenuGroup(page), -1) << page;
}

}  // namespace
