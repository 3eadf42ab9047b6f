#include "soccerclasses/soccertactic.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "records_roundtrip.h"

namespace {

TEST(Tactics, NewListFamiliarityAndNames) {
    for (uint32_t seed : {1u, 2u, 3u, 99u}) {
        platform::SeedRandom(seed);
        CSoccerTacticList list;
        ASSERT_EQ(list.GetSize(), 30);
        EXPECT_EQ(list.GetAt(0)->m_Name, "4-4-2");
        EXPECT_EQ(list.GetAt(29)->m_Name, "Custom 20");
        EXPECT_GE(list.GetAt(0)->m_Familiarity, 90);
        EXPECT_LE(list.GetAt(0)->m_Familiarity, 99);
        EXPECT_GE(list.GetAt(4)->m_Familiarity, 70);
        EXPECT_LE(list.GetAt(4)->m_Familiarity, 79);
        EXPECT_LT(list.GetCurrent(), 10);
        // The first custom formation takes its value from the built-in one
        // that shares most spots with it.
        const CSoccerTactic* custom = list.GetAt(10);
        int best = 0, from = -1;
        for (int j = 0; j < 10; ++j) {
            int n = list.GetAt(j)->CountSharedPositions(*custom);
            if (n > best) best = n, from = j;
        }
        ASSERT_GE(from, 0);
        // The custom default is the 5-3-2 shape, so it takes that value whole.
        EXPECT_EQ(best, 10);
        EXPECT_EQ(from, 3);
        EXPECT_EQ(custom->m_Familiarity, list.GetAt(from)->m_Familiarity);
        EXPECT_EQ(custom->m_Custom, 1);
    }
}

TEST(Tactics, CustomCopyOfABuiltInTakesItsFamiliarity) {
    CSoccerTacticList list;
    list.SetCurrent(12);
    const CSoccerTactic* ref = list.GetAt(0);
    for (int p = 0; p < 10; ++p) {
        list.SetPositionDepth(p, ref->m_Depth[static_cast<size_t>(p)]);
        list.SetPositionWidth(p, ref->m_Width[static_cast<size_t>(p)]);
    }
    EXPECT_EQ(list.GetAt(12)->m_Familiarity, ref->m_Familiarity);
    EXPECT_EQ(list.GetPositionDepth(7, -1), 10);
    EXPECT_EQ(list.GetPositionWidth(7, 0), 5);
}

TEST(Tactics, InvalidCustomShapeUsesTheLowestBand) {
    CSoccerTacticList list;
    CSoccerTactic* t = list.GetAt(15);
    EXPECT_EQ(t->IsInvalid(), 0);
    for (auto& d : t->m_Depth) d = 2;
    EXPECT_EQ(t->IsInvalid(), 1);
    EXPECT_EQ(t->GetFamiliarityBand(), 7);
    EXPECT_EQ(t->GetPositionProfile(0).defence, 70);
    // A built-in formation is never invalid.
    for (auto& d : list.GetAt(0)->m_Depth) d = 2;
    EXPECT_EQ(list.GetAt(0)->IsInvalid(), 0);
}

TEST(Tactics, ProfilesFromTheTables) {
    CSoccerTactic t;
    t.m_Familiarity = 96;
    t.m_Depth[0] = 0;  t.m_Width[0] = 4;
    t.m_Depth[1] = 6;  t.m_Width[1] = 1;
    t.m_Depth[2] = 11; t.m_Width[2] = 7;
    t.m_Roles.SetAt(2, 9);
    CPositionProfile k = t.GetPositionProfile(0);
    EXPECT_EQ(k.keeper, 100);
    EXPECT_EQ(k.defence, 100);
    EXPECT_EQ(k.midfield, 0);
    EXPECT_EQ(k.centre, 100);
    EXPECT_EQ(k.depthFactor1, 0);
    CPositionProfile m = t.GetPositionProfile(1);
    EXPECT_EQ(m.midfield, 100);
    EXPECT_EQ(m.left, 90);
    EXPECT_EQ(m.right, 0);
    EXPECT_EQ(m.depthFactor2, 1);
    t.m_Familiarity = 72;  // band 4
    CPositionProfile a = t.GetPositionProfile(2);
    EXPECT_EQ(a.attack, 95);
    EXPECT_EQ(a.right, 87);
    EXPECT_EQ(a.centre, 10);
    EXPECT_EQ(a.depthFactor1, 10);
    EXPECT_EQ(a.role, 9);
}

TEST(Tactics, FamiliarityGrowthAndDecay) {
    CSoccerTactic t;
    struct Case { uint8_t fam, tenths, level, fam2, tenths2; } cases[] = {
        {95, 0, 20, 95, 3}, {50, 0, 20, 50, 6}, {50, 8, 4, 51, 0}, {99, 9, 11, 99, 2}};
    for (auto c : cases) {
        t.m_Familiarity = c.fam;
        t.m_Tenths = c.tenths;
        t.Train(c.level);
        EXPECT_EQ(t.m_Familiarity, c.fam2);
        EXPECT_EQ(t.m_Tenths, c.tenths2);
    }
    t.m_Familiarity = 99;
    t.m_Tenths = 9;
    t.AddFamiliarityLarge();
    EXPECT_EQ(t.m_Familiarity, 99);
    CSoccerTacticList list;
    // The draw is below 99, so a familiarity of 98 or 99 never falls.
    for (int i = 0; i < 20; ++i) list.GetAt(i)->m_Familiarity = static_cast<uint8_t>(i == 19 ? 98 : 60 + i);
    list.GetAt(20)->m_Familiarity = 30;
    for (int i = 0; i < 2000; ++i) list.DecayFamiliarity();
    for (int i = 0; i < 19; ++i) EXPECT_EQ(list.GetAt(i)->m_Familiarity, 50) << i;
    EXPECT_EQ(list.GetAt(19)->m_Familiarity, 98);
    EXPECT_EQ(list.GetAt(20)->m_Familiarity, 30);  // below 50 nothing is lost
}

TEST(Tactics, ListSavesAndReloadsFieldByField) {
    CSoccerTacticList list;
    list.SetCurrent(14);
    list.Rename(14, "Diamond");
    list.GetAt(14)->m_Instructions = {1, 2, 3, 4};
    list.GetAt(14)->m_Aggression = 7;
    auto bytes = recordtest::Write([&](FILE* f) { list.Save(f); });
    EXPECT_EQ(bytes[0], 14);
    EXPECT_EQ(bytes[4], 5);  // "4-4-2": its name length first
    CSoccerTacticList back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.GetCurrent(), 14);
    EXPECT_EQ(back.GetAt(14)->m_Name, "Diamond");
    EXPECT_EQ(back.GetAt(14)->m_Aggression, 7);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    // One formation: name, roles, instructions 1-2, aggression, 3-4, positions, four bytes.
    auto one = recordtest::Write([&](FILE* f) { list.GetAt(14)->Save(f); });
    ASSERT_EQ(one.size(), (4u + 7) + (4 + 10) + 5 + 80 + 4);
    EXPECT_EQ(one[25], 1);
    EXPECT_EQ(one[27], 7);
    EXPECT_EQ(one[28], 3);
}

}  // namespace

namespace {

TEST(Tactics, ListNamesFormationsByIndex) {
    CSoccerTacticList list;
    list.GetAt(12)->m_Familiarity = 64;
    list.Rename(12, "Diamond");
    EXPECT_EQ(list.GetName(12), "Diamond");
    EXPECT_EQ(list.GetFamiliarityText(12), "64");
    EXPECT_EQ(list.GetLabel(12), "Diamond (64)");
    EXPECT_EQ(list.GetName(1), "4-3-3");
}

}  // namespace
