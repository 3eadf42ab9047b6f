#include "soccerclasses/divisionstrength.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "records_roundtrip.h"
#include "soccerclasses/datafile.h"

namespace {

CDivisionStrength StrengthSample() {
    CDivisionStrength s;
    s.m_Base = 20;
    s.m_Spread = 10;
    s.m_Bytes = {7, 0, 0, 0, 0, 3};
    s.m_Flag = 1;
    for (int i = 0; i < 100; ++i) s.m_Factors[static_cast<size_t>(i)] = 2.0 - i / 100.0;
    return s;
}

std::vector<uint8_t> FileOf(const std::vector<CDivisionStrength>& recs) {
    return recordtest::Write([&](FILE* f) { CDivisionStrengthList::WriteFile(f, recs); });
}

TEST(DivisionStrength, GeneratedFileReadsBackWithUsableFactors) {
    CDivisionStrengthList list;
    ASSERT_EQ(list.GetSize(), 4);  // one per strength class our divisions use
    for (int c = 0; c < list.GetSize(); ++c) {
        const CDivisionStrength* s = list.GetAt(c);
        EXPECT_EQ(s->Problem(), nullptr);
        for (int x = 1; x < 100; ++x) EXPECT_LT(s->GetFactor(x), s->GetFactor(x - 1)) << c << " " << x;
        EXPECT_GT(s->GetRelocationFigure(), 0);
        if (c > 0) {
            // Lower levels start managers less discontented and move players for less.
            EXPECT_LE(s->GetStartingDiscontent(), list.GetAt(c - 1)->GetStartingDiscontent());
            EXPECT_LT(s->m_Base, list.GetAt(c - 1)->m_Base);
        }
    }
}

TEST(DivisionStrength, RecordLayoutIsSixBytesFlagBaseSpreadFactors) {
    auto bytes = FileOf({StrengthSample()});
    ASSERT_EQ(bytes.size(), 4u + 6 + 1 + 4 + 4 + 800);
    EXPECT_EQ(bytes[4], 7);    // first of the six bytes
    EXPECT_EQ(bytes[9], 3);    // last of the six bytes
    EXPECT_EQ(bytes[10], 1);   // flag
    EXPECT_EQ(bytes[11], 20);  // base
    EXPECT_EQ(bytes[15], 10);  // spread
    recordtest::InstallGameFile(CDivisionStrengthList::kFileName, bytes);
    CDivisionStrengthList list;
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list.GetAt(0)->GetStartingDiscontent(), 7);
    EXPECT_TRUE(list.GetAt(0)->IsProfessional());
    EXPECT_EQ(FileOf({*list.GetAt(0)}), bytes);
}

TEST(DivisionStrength, RandomValueRunsFromBaseToBasePlusSpread) {
    CDivisionStrength s = StrengthSample();
    platform::SeedRandom(1);
    int lo = 1000, hi = -1;
    for (int i = 0; i < 40000; ++i) {
        int v = s.GetRandomValue();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_EQ(lo, 20);
    EXPECT_EQ(hi, 30);  // the generator's top value is reached within a full period's share
}

TEST(DivisionStrength, FactorIsLookedUpByTheWholePartAndKeptInTheTable) {
    CDivisionStrength s = StrengthSample();
    struct Case { double x; size_t index; } cases[] = {
        {57.9, 57}, {0.0, 0}, {99.99, 99},
        {-0.5, 0},   // floor gives -1: clamped, not read before the table
        {100.0, 99}, {250.0, 99}};
    for (auto c : cases) EXPECT_DOUBLE_EQ(s.GetFactor(c.x), s.m_Factors[c.index]) << c.x;
}

TEST(DivisionStrength, UnusableFilesAreRefused) {
    auto badFactor = [](double v) {
        CDivisionStrength s = StrengthSample();
        s.m_Factors[42] = v;
        return FileOf({s});
    };
    std::vector<std::vector<uint8_t>> bad = {badFactor(5.0), badFactor(0.0), badFactor(-1.0), badFactor(7.5)};
    auto good = FileOf({StrengthSample(), StrengthSample()});
    bad.emplace_back(good.begin(), good.end() - 1);  // truncated
    auto count = good;
    count[0] = 0xFF; count[1] = 0xFF; count[2] = 0xFF; count[3] = 0x7F;  // absurd count
    bad.push_back(count);
    for (size_t i = 0; i < bad.size(); ++i) {
        recordtest::InstallGameFile(CDivisionStrengthList::kFileName, bad[i]);
        EXPECT_THROW(CDivisionStrengthList(), DataFileError) << i;
    }
    recordtest::InstallGameFile(CDivisionStrengthList::kFileName, good);
    EXPECT_NO_THROW(CDivisionStrengthList());
}

TEST(DivisionStrength, MissingFileIsReported) {
    try {
        CDivisionStrengthList list("Data\\NoSuchStrengths.bin");
        FAIL();
    } catch (const DataFileError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot find file"), std::string::npos);
    }
}

}  // namespace
