// The screen history: at most eight entries, forward entries dropped by a
// new page, and removals that keep the index on the same page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/history.h"

namespace {

HistoryState HistoryPerson(intptr_t who, intptr_t owner = -1, intptr_t kind = 1) { return {who, owner, kind}; }

std::vector<std::string> HistoryTitles(const CHistory& h) {
    std::vector<std::string> out;
    for (int i = 0; i < h.GetCount(); ++i) out.push_back(h.GetAt(i)->title);
    return out;
}

TEST(History, ANinthPageDropsTheOldestAndANewPageDropsTheForwardOnes) {
    CHistory h;
    for (int i = 0; i < 9; ++i) EXPECT_EQ(h.AddHistoryEntry("p" + std::to_string(i), nullptr, {}, i, 30000 + i), std::min(i, 7));
    EXPECT_EQ(h.GetCount(), 8);
    EXPECT_EQ(h.GetAt(0)->title, "p1");
    EXPECT_EQ(h.GetCurrent(), 7);
    h.SetCurrent(4);
    h.AddHistoryEntry("new", nullptr, {}, 50, 1);
    EXPECT_EQ(HistoryTitles(h), (std::vector<std::string>{"p1", "p2", "p3", "p4", "p5", "new"}));
    EXPECT_EQ(h.GetCurrent(), 5);
    EXPECT_EQ(h.GetHistoryCommand(0), 30001);
    EXPECT_EQ(h.GetHistoryCommand(6), -1);
    EXPECT_EQ(h.GetHistoryCommand(-1), -1);
    // Values, the calendar position and the state go to the current entry.
    h.MarkCurrentEntry(42, 3);
    h.SetCurrentState(HistoryPerson(9));
    EXPECT_EQ(h.GetAt(5)->valueSet, 1);
    EXPECT_EQ(h.GetAt(5)->value, 42);
    EXPECT_EQ(h.GetAt(5)->subValue, 3);
    EXPECT_EQ(h.GetAt(5)->state, HistoryPerson(9));
    EXPECT_TRUE(h.GetAt(4)->time.IsUnset());
    h.ClearAll();
    EXPECT_EQ(h.GetCount(), 0);
    EXPECT_EQ(h.GetCurrent(), 0);
    h.MarkCurrentEntry(1, 1);  // nothing to mark
}

TEST(History, RemovingAPersonKeepsTheIndexOnTheSamePage) {
    struct Case {
        const char* name;
        std::vector<int> people;  // entry i shows person people[i] (0: nobody)
        int current;
        HistoryState removed;
        bool wholeList;
        std::vector<std::string> left;
        int newCurrent;
        bool showAgain;
    };
    const std::vector<Case> cases = {
        {"before the index", {5, 7, 5, 8}, 3, HistoryPerson(5), false, {"e1", "e3"}, 1, false},
        {"the current entry", {1, 5, 5, 2}, 2, HistoryPerson(5), false, {"e0", "e3"}, 0, true},
        {"past the index", {1, 2, 5, 5}, 1, HistoryPerson(5), false, {"e0", "e1"}, 1, false},
        {"every entry", {5, 5}, 1, HistoryPerson(5), false, {}, 0, true},
        {"a whole list", {5, 6, 1, 7}, 3, HistoryPerson(0, 4, 2), true, {"e2"}, 0, true},
        {"another kind", {5, 5}, 0, HistoryPerson(5, -1, 3), false, {"e0", "e1"}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHistory h;
        for (size_t i = 0; i < c.people.size(); ++i) {
            // A whole-list case keeps its people in owner 4's list of kind 2.
            const HistoryState s = c.wholeList && c.people[i] != 1 ? HistoryPerson(c.people[i], 4, 2)
                                                                    : HistoryPerson(c.people[i]);
            h.AddHistoryEntry("e" + std::to_string(i), nullptr, s, 0, 0);
        }
        h.SetCurrent(c.current);
        EXPECT_EQ(h.RemoveHistoryEntries(c.removed, c.wholeList), c.showAgain);
        EXPECT_EQ(HistoryTitles(h), c.left);
        EXPECT_EQ(h.GetCurrent(), c.newCurrent);
    }
}

}  // namespace
