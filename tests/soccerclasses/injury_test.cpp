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
