#include <gtest/gtest.h>

#include "people_io.h"
#include "platform/random.h"
#include "soccerclasses/injury.h"

namespace {

using peopleio::LoadBytes;
using peopleio::SaveBytes;

TEST(Injury, WeeksEstimateNeverGoesBelowZero) {
    CInjury in;
    struct Case {
        int time, modifier, weeks;
    } cases[] = {{0, -4, 0}, {0, 4, 0}, {1, 0, 1}, {2, 0, 1}, {5, 0, 2}, {24, 0, 12}};
    for (const auto& c : cases) {
        in.m_TimeLeft = static_cast<uint8_t>(c.time);
        in.m_RecoveryModifier = static_cast<int8_t>(c.modifier);
        EXPECT_EQ(in.GetWeeksEstimate(), c.weeks) << c.time << " " << c.modifier;
    }
    in.m_TimeLeft = 6;
    in.m_DaysOut = 1;
    EXPECT_EQ(in.GetTotalWeeks(), 4);
    EXPECT_EQ(in.GetTotalTimeText(), "4 weeks.");
    in.m_TimeLeft = 1;
    in.m_DaysOut = 0;
    EXPECT_EQ(in.GetTimeText(), "1 week.");
}

TEST(Injury, RecoveryTextFollowsThePhysioDraw) {
    struct Case {
        int modifier, id;
    } cases[] = {{4, 791}, {2, 790}, {0, 323}, {-2, 789}, {-4, 788}};
    for (const auto& c : cases) EXPECT_EQ(CInjury::RecoveryTextId(c.modifier), c.id) << c.modifier;
}

TEST(Injury, FootballInjuriesFollowTheirTable) {
    platform::SeedRandom(11);
    for (int k = 0; k < 3000; ++k) {
        CInjury in;
        int group = k % 5;
        in.MakeFootballInjury(group, k % 100);
        const CInjuryKind& kind = CInjury::kFootball[in.m_Kind];
        if (group < 4) {
            EXPECT_EQ(kind.group, group);
        }
        EXPECT_EQ(in.m_TimeLeft % 2, 1);
        EXPECT_GE(in.m_TimeLeft, kind.baseTime * 2 + 1);
        EXPECT_LE(in.m_TimeLeft, (kind.baseTime + kind.extraTime) * 2 + 1);
        EXPECT_LE(in.m_Severity, 100);
        EXPECT_EQ(in.m_SurgeryCountdown, kind.surgery);
        if (kind.severity < 100) {
            EXPECT_GE(in.m_Severity, kind.severity);
        }
        EXPECT_TRUE(in.m_RecoveryModifier % 2 == 0 && in.m_RecoveryModifier >= -4 && in.m_RecoveryModifier <= 4);
        if (in.m_Kind == 2) {  // a gashed shin: 3 or 5 day steps at 40 to 50
            EXPECT_TRUE(in.m_TimeLeft == 3 || in.m_TimeLeft == 5);
            EXPECT_GE(in.GetFactor(), 0.5);
        }
    }
}

// The raw generator value that makes Random(n) give v.
int InjuryRawDraw(int v, int n) { return n <= 0 ? 0 : (v * platform::kRandMax + n - 1) / n; }

// Rows written out by hand: threshold, group, base and extra time, article,
// surgery, severity and its spread, and the name shown in lists.
TEST(Injury, FootballTableRowsAsWrittenDown) {
    struct Row {
        int kind, threshold, group, base, extra, noArticle, surgery, severity, spread;
        const char* name;
    } rows[] = {
        {0, 4, 0, 1, 0, 0, 0, 20, 10, "Badly bruised toe"},
        {5, 40, 0, 1, 1, 0, 0, 30, 10, "Sprained ankle"},
        {11, 79, 1, 3, 1, 0, 0, 40, 10, "Broken wrist"},
        {13, 81, 2, 3, 2, 1, 0, 60, 10, "Pulled hamstring"},
        {21, 89, 3, 12, 2, 1, 2, 100, 0, "Ruptured ankle ligaments"},
        {24, 93, 3, 12, 2, 0, 2, 100, 0, "Ruptured groin"},
        {26, 95, 2, 12, 4, 0, 1, 100, 0, "Dislocated shoulder"},
        {29, 100, 2, 16, 8, 0, 2, 100, 0, "Compound leg break"},
    };
    for (const Row& r : rows) {
        const CInjuryKind& k = CInjury::kFootball[r.kind];
        EXPECT_EQ(k.threshold, r.threshold) << r.kind;
        EXPECT_EQ(k.group, r.group) << r.kind;
        EXPECT_EQ(k.baseTime, r.base) << r.kind;
        EXPECT_EQ(k.extraTime, r.extra) << r.kind;
        EXPECT_EQ(k.noArticle, r.noArticle) << r.kind;
        EXPECT_EQ(k.surgery, r.surgery) << r.kind;
        EXPECT_EQ(k.severity, r.severity) << r.kind;
        EXPECT_EQ(k.spread, r.spread) << r.kind;
        CInjury in;
        in.m_Kind = uint8_t(r.kind);
        EXPECT_EQ(in.GetNameCapitalised(), r.name);
    }
    // Absences: kind 7 is a fall from a ladder that heals as a broken collar
    // bone; kind 11, the car crash, goes to the papers.
    EXPECT_EQ(CInjury::kAbsences[7].threshold, 71);
    EXPECT_EQ(CInjury::kAbsences[7].baseTime, 3);
    EXPECT_EQ(CInjury::kAbsences[7].extraTime, 3);
    EXPECT_EQ(CInjury::kAbsences[7].becomesKind, 17);
    EXPECT_EQ(CInjury::kAbsences[11].messageId, 324u);
    EXPECT_EQ(CInjury::kAbsences[11].baseTime, 6);
    EXPECT_EQ(CInjury::kAbsences[11].extraTime, 8);
    EXPECT_TRUE(CInjury::kAbsences[11].newspaper);
}

// The physio's work: his ability less a draw of 0..99 puts the recovery
// into a band, and the injury's length in day steps picks the modifier
// within it. Each row's time, weeks and modifier are worked out by hand.
TEST(Injury, PhysioAndDrawSetTheRecoveryByTheInjurysLength) {
    struct Case {
        int kind, extra;   // the table row and its extra-time draw
        int physio, draw;  // ability, and the 0..99 draw against it
        int time, weeks, modifier, recoveryText;
    } cases[] = {
        // Under five day steps: nothing the physio does shows.
        {0, 0, 0, 99, 3, 1, 0, -1},
        {0, 0, 99, 0, 3, 1, 0, -1},
        {5, 0, 80, 10, 3, 1, 0, 323},
        // Five to eight: a poor draw costs, a middling one does not.
        {5, 1, 0, 60, 5, 2, -2, 789},
        {5, 1, 0, 30, 5, 2, 0, 323},
        {5, 1, 80, 10, 5, 2, 2, 790},
        // Nine to twenty: both poor bands cost, the edges of each band.
        {17, 0, 0, 50, 9, 4, -2, 789},
        {17, 0, 0, 49, 9, 4, -2, 789},
        {17, 2, 50, 75, 13, 6, -2, 789},
        {17, 1, 50, 74, 11, 5, 0, 323},
        {17, 0, 76, 50, 9, 4, 2, 790},
        {17, 0, 75, 50, 9, 4, 0, 323},
        // Over twenty: the full swing either way.
        {20, 0, 0, 99, 25, 12, -4, 788},
        {20, 2, 20, 60, 29, 14, -4, 788},
        {20, 0, 100, 0, 25, 12, 4, 791},
        {20, 1, 60, 40, 27, 13, 0, 323},
    };
    const int kindDraw[] = {0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 84, 0, 0, 87};
    for (const Case& c : cases) {
        const CInjuryKind& k = CInjury::kFootball[c.kind];
        CInjury in;
        {
            platform::ScopedRandomScript script;
            script.Push(InjuryRawDraw(kindDraw[c.kind], 99));
            if (k.severity < 100) script.Push(0);
            script.Push(InjuryRawDraw(c.extra, k.extraTime));
            script.Push(InjuryRawDraw(c.draw, 100));
            in.MakeFootballInjury(4, c.physio);
            EXPECT_EQ(script.Pending(), 0);
        }
        const std::string where = "kind " + std::to_string(c.kind) + " physio " + std::to_string(c.physio) +
                                  " draw " + std::to_string(c.draw);
        ASSERT_EQ(in.m_Kind, c.kind) << where;
        EXPECT_EQ(in.m_TimeLeft, c.time) << where;
        EXPECT_EQ(in.GetWeeksEstimate(), c.weeks) << where;
        EXPECT_EQ(in.m_RecoveryModifier, c.modifier) << where;
        // Walked to its end without the surgeon's say, it closes with the
        // text the modifier picks.
        in.m_SurgeryCountdown = 0;
        CInjury::DayNews last;
        for (int step = 0; step < c.time; ++step) last = in.DayStep();
        EXPECT_EQ(in.m_TimeLeft, 0) << where;
        EXPECT_EQ(last.recoveryTextId, c.recoveryText) << where;
    }
}

TEST(Injury, AbsencesListOnlyWhenTheyHealAsInjuries) {
    platform::SeedRandom(21);
    int listed = 0, unlisted = 0;
    for (int k = 0; k < 2000; ++k) {
        CInjury in;
        bool news = false;
        uint32_t id = in.MakeAbsence(&news);
        EXPECT_EQ(in.m_Severity, 100);
        bool heals = id == 263 || id == 264 || id == 265 || id == 266;
        EXPECT_EQ(in.m_ShownInLists, heals ? 1 : 0) << id;
        EXPECT_EQ(in.m_Absence, heals ? 0 : 1);
        if (id == 263) {
            EXPECT_EQ(in.GetText(false), "sprained ankle");
        }
        EXPECT_EQ(news, id == 305 || id == 324 || id == 325 || id == 326);
        (heals ? listed : unlisted)++;
    }
    EXPECT_GT(listed, 0);
    EXPECT_GT(unlisted, 0);
}

TEST(Injury, DayStepsEndTheInjuryWithItsRecoveryText) {
    CInjury in;
    in.m_Kind = 5;
    in.m_Severity = 100;
    in.m_TimeLeft = 3;
    in.m_RecoveryModifier = 4;
    EXPECT_EQ(in.DayStep().recoveryTextId, -1);
    EXPECT_EQ(in.DayStep().recoveryTextId, -1);
    CInjury::DayNews last = in.DayStep();
    EXPECT_EQ(last.recoveryTextId, 791);
    EXPECT_TRUE(last.footballInjury);
    EXPECT_EQ(in.m_TimeLeft, 0);
    EXPECT_EQ(in.m_DaysOut, 3);
    // Surgery never ends an injury on the spot, nor wraps its time.
    platform::SeedRandom(1);
    for (int k = 0; k < 500; ++k) {
        CInjury s;
        s.m_Kind = 20;
        s.m_Severity = 100;
        s.m_TimeLeft = 2;
        s.m_SurgeryCountdown = 1;
        s.DayStep();
        EXPECT_LT(s.m_TimeLeft, 20);
    }
}

TEST(Injury, ListReusesSlotsAndReloadsToTheSameBytes) {
    CInjuryList list;
    EXPECT_EQ(list.NewInjury(), 0);
    EXPECT_EQ(list.NewInjury(), 1);
    EXPECT_EQ(list.NewInjury(), 2);
    list.Remove(1);
    list.GetAt(0)->MakeFootballInjury(4, 50);
    list.GetAt(2)->m_SurgeryMessage = 793;
    list.GetAt(2)->m_RecoveryModifier = -4;
    std::string bytes = SaveBytes([&](FILE* f) { list.Save(f); });
    // Eight bytes and a 32-bit message id per record.
    EXPECT_EQ(bytes.size(), 4u + 3 * 4 + 2 * 12);
    CInjuryList read;
    read.NewInjury();
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(read.GetAt(1), nullptr);
    EXPECT_EQ(SaveBytes([&](FILE* f) { read.Save(f); }), bytes);
    EXPECT_EQ(read.NewInjury(), 1);
}

TEST(Injury, DamagedListsAreRefused) {
    SaveBytes([](FILE* f) {
        SaveInt32(f, 2);
        SaveInt32(f, 1);  // slot 0 claims to be slot 1
    });
    CInjuryList list;
    EXPECT_FALSE(LoadBytes([&](FILE* f) { list.Load(f); }));
    EXPECT_EQ(list.GetSize(), 0);
    SaveBytes([](FILE* f) { SaveInt32(f, 1000000); });
    EXPECT_FALSE(LoadBytes([&](FILE* f) { list.Load(f); }));
}

}  // namespace
