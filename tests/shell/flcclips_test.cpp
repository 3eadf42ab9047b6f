// The clip table: the compiled-in rows keep every rule, faulty rows are
// named, and every row's clip and backdrop are found in an archive of the
// clips our writer made.
#include <gtest/gtest.h>

#include <algorithm>

#include "flc_fixture.h"
#include "shell/flcclips.h"

namespace flctest {
namespace {

bool FlcAnyFault(const std::vector<std::string>& faults, const std::string& fragment) {
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) { return f.find(fragment) != std::string::npos; });
}

TEST(FlcClipTable, ThePlayersTestRowsKeepEveryRule) {
    const FlcTestRowsInPlace testRows;
    const std::vector<FlcClipRow>& rows = FlcClipRows();
    ASSERT_FALSE(rows.empty());
    const std::vector<std::string> faults = CheckFlcClipTable(rows, false);
    EXPECT_TRUE(faults.empty()) << faults.front();
    const FlcClipRow* shot = FlcClipAt(20);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->name, "Shots\\shot01L");
    EXPECT_EQ(shot->side, 1);
    ASSERT_EQ(shot->cues.size(), 2u);
    EXPECT_EQ(shot->cues[1].frame, 30);
    EXPECT_EQ(shot->cues[1].slot, 22);
    EXPECT_EQ(FlcClipPath(*shot), "gfx\\flc\\Shots\\shot01L.flc");
    EXPECT_EQ(FlcBackdropPath(*shot), "gfx\\flc\\Shots\\shot01L.bmp");
    EXPECT_EQ(FlcClipAt(-1), nullptr);
    EXPECT_EQ(FlcClipAt(666), nullptr);
    EXPECT_TRUE(FlcAnyFault(CheckFlcClipTable(rows, true), "folder Shots holds"));
}

TEST(FlcClipTable, TheCompiledTableIsTheGeneratorsFullSet) {
    const std::vector<FlcClipRow>& rows = FlcClipRows();
    ASSERT_EQ(rows.size(), static_cast<size_t>(kFlcClipCount));
    const std::vector<std::string> full = CheckFlcClipTable(rows, true);
    EXPECT_TRUE(full.empty()) << full.front();
    for (int n = 0; n < kFlcClipCount; ++n) {
        ASSERT_NE(FlcClipAt(n), nullptr) << n;
        EXPECT_EQ(FlcClipAt(n)->number, n);
    }
}

TEST(FlcClipTable, FaultyRowsAreNamed) {
    struct Case {
        const char* row;
        const char* fault;
    };
    const Case cases[] = {
        {"666 -1 -1 0 0 \"Shots\\a\"", "number outside"},
        {"5 13 0 0 0 \"Shots\\a\"", "end column"},
        {"5 0 9 0 0 \"Shots\\a\"", "end row"},
        {"5 0 0 3 0 \"Shots\\a\"", "side outside"},
        {"5 0 0 0 9 \"Shots\\a\"", "kind outside"},
        {"650 -1 -1 0 0 \"Substitutions\\a\"", "kind must be 7"},
        {"320 -1 -1 0 6 \"Referee\\a\"", "kind must be 5"},
        {"350 -1 -1 0 2 \"Shots\\a\"", "must be in Penalties"},
        {"5 -1 -1 0 0 \"Goals\\a\"", "one of the 20 folders"},
        {"5 -1 -1 0 0 \"Shots\\\"", "one of the 20 folders"},
        {"5 -1 -1 0 0 \"Shots\\a\\b\"", "one of the 20 folders"},
        {"5 -1 -1 0 0 \"Celebrations\\abcdefghijklmnopqrstuvwxyz0123456\"", "longer than 47"},
        {"5 -1 -1 0 0 \"Shots\\a\" 4:1 4:2", "not ascending"},
        {"5 -1 -1 0 0 \"Shots\\a\" 4:28", "cue slot"},
        {"5 -1 -1 0 0 \"Shots\\a\"\n5 -1 -1 0 0 \"Shots\\b\"", "given twice"},
    };
    for (const Case& c : cases) {
        std::vector<FlcClipRow> rows;
        std::string error;
        ASSERT_TRUE(ParseFlcClipTable(c.row, rows, &error)) << error;
        EXPECT_TRUE(FlcAnyFault(CheckFlcClipTable(rows, false), c.fault)) << c.row;
    }
    std::vector<FlcClipRow> rows;
    std::string error;
    for (const char* bad : {"5 -1 -1 0", "5 -1 -1 0 0 Shots\\a", "5 -1 -1 0 0 \"Shots\\a", "5 -1 -1 0 0 \"Shots\\a\" 4-1"}) {
        EXPECT_FALSE(ParseFlcClipTable(bad, rows, &error)) << bad;
        EXPECT_NE(error.find("line 1"), std::string::npos);
    }
}

TEST_F(FlcPageTest, EveryRowsClipAndBackdropResolveAndItsCuesFallInsideTheClip) {
    Install({{20, 31}});
    EXPECT_TRUE(CheckFlcClipFiles(FlcClipRows()).empty());
    FreeArchiveIndexes();
    // Clip 20 too short for its cue at frame 30, clip 1 missing.
    Install({{20, 30}}, {1});
    const std::vector<std::string> faults = CheckFlcClipFiles(FlcClipRows());
    EXPECT_TRUE(FlcAnyFault(faults, "clip 20: cue at frame 30"));
    EXPECT_TRUE(FlcAnyFault(faults, "Fillers\\filler01L.flc not found"));
    EXPECT_EQ(faults.size(), 3u);  // the clip, its backdrop and the cue
}

}  // namespace
}  // namespace flctest
