#include <gtest/gtest.h>

#include <functional>

#include "people_fixture.h"
#include "platform/files.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/soccerplayer.h"

namespace {

namespace fs = std::filesystem;

// ------------------------------------------------------------ generated files

class GeneratedTables : public PeopleTablesFixture {};

TEST_F(GeneratedTables, PopularityRowsPassTheChecksAndStayInsideTheTable) {
    const int n = popularity->GetSize();
    ASSERT_GE(n, 50);
    for (int i = 0; i < n; ++i) {
        const CPopularity& r = *popularity->GetAt(i);
        EXPECT_EQ(r.CheckRow(), "") << "row " << i;
        EXPECT_LE(r.m_BonusBase + r.m_BonusSpread, 15);
        EXPECT_LE(popularity->GetStaffLevelMaximum(i), 100);
        EXPECT_LT(i + popularity->GetDownwardStep(i), n);
        EXPECT_GE(i - popularity->GetUpwardStep(i), 0);
        for (int e = 0; e < 4; ++e) {
            EXPECT_LE(r.m_BandA[e] + r.m_BandB[e], 99) << "row " << i;
            EXPECT_LT(r.m_AbilityBase[e], r.GetAbilityUpperBound(e));
        }
        if (i > 0) {
            EXPECT_LE(r.m_CrowdBase, popularity->GetAt(i - 1)->m_CrowdBase);
            EXPECT_LE(r.m_BalanceBase, popularity->GetAt(i - 1)->m_BalanceBase);
        }
    }
}

TEST_F(GeneratedTables, PopularityFiguresFitTheEconomyOf1999) {
    const CPopularity& top = *popularity->GetAt(0);
    const CPopularity& bottom = *popularity->GetAt(popularity->GetSize() - 1);
    for (int k = 0; k < 20; ++k) {
        double balance = top.GetValue(100);
        EXPECT_GE(balance, 10e6);
        EXPECT_LT(balance, 100e6);
    }
    EXPECT_GE(popularity->GetCrowdBase(0), 10000);
    EXPECT_LT(popularity->GetCrowdBase(0), 100000);
    EXPECT_TRUE(popularity->IsBaseCountOver25000(0));
    EXPECT_FALSE(popularity->IsBaseCountOver25000(popularity->GetSize() - 1));
    EXPECT_GE(bottom.m_BalanceBase, 50000);
    EXPECT_LT(bottom.m_BalanceBase, 1e6);
    EXPECT_LT(bottom.m_CrowdBase, 5000);
    // Stronger clubs field stronger players, in every band.
    for (int e = 0; e < 4; ++e) EXPECT_GT(top.m_AbilityBase[e], bottom.m_AbilityBase[e] + 20);
}

TEST_F(GeneratedTables, CareerPathsHaveTwoSoundGroups) {
    EXPECT_EQ(paths->Check(), "");
    const int start = paths->GetSecondGroupStart();
    ASSERT_GT(start, 0);
    ASSERT_LT(start, paths->GetSize());
    EXPECT_EQ(paths->GetAt(start - 1)->m_Weight, 100);
    EXPECT_EQ(paths->GetAt(paths->GetSize() - 1)->m_Weight, 100);
    for (int p = 0; p < paths->GetSize(); ++p) {
        EXPECT_GT(paths->GetGainFactor(p, 17), 1.0) << "young players gain fast, path " << p;
        EXPECT_LT(paths->GetGainFactor(p, 33), 1.0) << "path " << p;
        EXPECT_GT(paths->GetLossFactor(p, 36), paths->GetLossFactor(p, 24)) << "path " << p;
    }
    // Goalkeepers peak later than outfield players on average.
    auto peak = [&](int first, int end) {
        double sum = 0;
        for (int p = first; p < end; ++p) {
            int age = 16;
            while (age < 40 && paths->GetGainFactor(p, static_cast<uint8_t>(age + 1)) > 1.0) ++age;
            sum += age;
        }
        return sum / (end - first);
    };
    EXPECT_GT(peak(0, start), peak(start, paths->GetSize()));
}

TEST_F(GeneratedTables, DrawsStayInsideTheirGroup) {
    const int start = paths->GetSecondGroupStart();
    for (int k = 0; k < 2000; ++k) {
        EXPECT_LT(paths->PickCareerPath(), start);
        int p = paths->PickCareerPathFromSecondGroup();
        EXPECT_GE(p, start);
        EXPECT_LT(p, paths->GetSize());
    }
}

TEST_F(GeneratedTables, SkillMoneyRowsRiseWithAbility) {
    ASSERT_GE(money->GetSize(), 100);
    for (int a = 0; a < 100; ++a) {
        const CSkillMoneyValue& r = money->GetEntry(a);
        EXPECT_GE(r.m_WageBase, 100);
        if (a > 0) {
            EXPECT_GT(money->GetValue(a), money->GetValue(a - 1));
            EXPECT_GE(r.m_WageBase, money->GetEntry(a - 1).m_WageBase);
        }
    }
}

CSoccerPlayer MakePlayer(int position, int ability, int pace) {
    CSoccerPlayer p;
    p.Reset();
    p.SetPosition(position, false);
    p.m_Ability = static_cast<uint8_t>(ability);
    p.m_Pace = static_cast<uint8_t>(pace);
    return p;
}

TEST_F(GeneratedTables, StarsEarnMillionsAndLowerLeaguePlayersAFraction) {
    MoneyScale top{100};
    CSoccerPlayer star = MakePlayer(CSoccerPlayer::kAttacker, 90, 85);
    int value = star.GetValue(27, 4, top.percent);
    EXPECT_GE(value, 1000000);
    EXPECT_LT(value, 50000000);
    EXPECT_GE(star.GetMinimumWage(27, top), 10000);
    EXPECT_LT(star.GetMaximumWage(27, top), 100000);
    EXPECT_GT(star.GetTransferFee(27, 4, top), 0.0);

    MoneyScale small{60};
    CSoccerPlayer journeyman = MakePlayer(CSoccerPlayer::kMidfielder, 40, 70);
    EXPECT_LT(journeyman.GetValue(27, 4, small.percent), value / 20);
    EXPECT_LT(journeyman.GetMaximumWage(27, small), star.GetMinimumWage(27, top) / 10);
    // Players who carry a fee keep one above the 5,000 floor.
    EXPECT_GT(journeyman.GetMinimumFee(27, 4, small) / 100 * small.percent, 5000);
}

// --------------------------------------------------------- damaged tables

class DamagedTables : public ::testing::Test {
protected:
    void SetUp() override {
        install = testenv::TestFolder() / "install";
        fs::create_directories(install / "Data");
        platform::SetInstallFolder(install);
    }
    void TearDown() override {
        ResetGameFileChannel();
        platform::ResetFolders();
    }
    template <class List>
    void Write(const List& list, const char* gamePath) {
        FILE* f = OpenGameFile(platform::MapPath(install, gamePath).string(), "wb");
        ASSERT_NE(f, nullptr);
        list.Save(f);
        ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    }
    void Truncate(const char* gamePath, int by) {
        fs::path p = platform::MapPath(install, gamePath);
        fs::resize_file(p, fs::file_size(p) - static_cast<uintmax_t>(by));
    }
    fs::path install;
};

CPopularity SoundRow() {
    CPopularity r;
    for (double* d : {&r.m_BaseValue, &r.m_ManagerWageBase, &r.m_ManagerWageSpread, &r.m_YouthWage,
                      &r.m_TicketPriceBase, &r.m_TicketPriceSpread, &r.m_BalanceBase,
                      &r.m_BalanceSpread, &r.m_GeneralWagesBase, &r.m_GeneralWagesSpread,
                      &r.m_Value12, &r.m_RunningCostBase, &r.m_RunningCostSpread,
                      &r.m_SpendingFigure, &r.m_TransferFigure, &r.m_SponsorshipBase,
                      &r.m_SponsorshipSpread, &r.m_TelevisionBase, &r.m_TelevisionSpread,
                      &r.m_MerchandisingRate})
        *d = 10;
    r.m_BaseCount = r.m_CrowdBase = 1000;
    r.m_LevelByte = r.m_Byte16 = r.m_StandingByte = r.m_RenewalByte = 50;
    r.m_StaffLevelMinimum = 40;
    r.m_StaffLevelRange = 20;
    r.m_ManagerRatingThreshold = r.m_UnlistedRefusalChance = 30;
    r.m_BandA = {40, 40, 40, 40};
    r.m_BandB = {10, 10, 10, 10};
    r.m_AbilityBase = {30, 30, 30, 30};
    r.m_AbilitySpread = {10, 10, 10, 10};
    return r;
}

TEST_F(DamagedTables, PopularityRowsThatBreakAReadingCheckAreRefused) {
    struct Case {
        const char* what;
        std::function<void(CPopularity&)> spoil;
    } cases[] = {
        {"sound", [](CPopularity&) {}},
        {"bonus past the table", [](CPopularity& r) { r.m_BonusBase = 10, r.m_BonusSpread = 6; }},
        {"staff above 100", [](CPopularity& r) { r.m_StaffLevelMinimum = 90, r.m_StaffLevelRange = 11; }},
        {"bands above 255", [](CPopularity& r) { r.m_BandA[2] = 200, r.m_BandB[2] = 60; }},
        {"zero money", [](CPopularity& r) { r.m_TelevisionBase = 0; }},
        {"zero crowd", [](CPopularity& r) { r.m_CrowdBase = 0; }},
        {"first band 0", [](CPopularity& r) { r.m_AbilitySpread[0] = 0; }},
        {"step off the end", [](CPopularity& r) { r.m_DownwardStep = 2; }},
        {"step off the top", [](CPopularity& r) { r.m_UpwardStep = 2; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CPopularityList list;
        list.Add(SoundRow());
        CPopularity last = SoundRow();
        c.spoil(last);
        list.Add(last);
        Write(list, CPopularityList::kFile);
        if (std::string(c.what) == "sound") {
            CPopularityList read(CPopularityList::kFile);
            EXPECT_EQ(read.GetSize(), 2);
        } else {
            EXPECT_THROW(CPopularityList read(CPopularityList::kFile), DataFileError);
        }
    }
}

TEST_F(DamagedTables, ShortPopularityFileIsRefused) {
    CPopularityList list;
    list.Add(SoundRow());
    Write(list, CPopularityList::kFile);
    Truncate(CPopularityList::kFile, 1);
    EXPECT_THROW(CPopularityList read(CPopularityList::kFile), DataFileError);
}

CSoccerPlayerCareerPath PathOf(int weight) {
    CSoccerPlayerCareerPath p;
    p.m_Weight = static_cast<uint8_t>(weight);
    p.m_Gain.fill(1.0);
    p.m_Loss.fill(1.0);
    return p;
}

TEST_F(DamagedTables, CareerPathGroupsMustReach100AndTheSecondMustStartInside) {
    struct Case {
        std::vector<int> weights;
        int start;
        bool sound;
    } cases[] = {
        {{100, 100}, 1, true},
        {{40, 100, 50, 100}, 2, true},
        {{40, 99, 100}, 2, false},   // the keepers' group stops short of 100
        {{100, 60}, 1, false},       // so does the outfield group
        {{100, 100}, 2, false},      // second group starts past the end
        {{100, 100}, 0, false},      // no keepers' group
    };
    for (const auto& c : cases) {
        CSoccerPlayerCareerPathList list;
        for (int w : c.weights) list.Add(PathOf(w));
        list.SetSecondGroupStart(c.start);
        Write(list, CSoccerPlayerCareerPathList::kFile);
        if (c.sound)
            EXPECT_NO_THROW(CSoccerPlayerCareerPathList read(CSoccerPlayerCareerPathList::kFile));
        else
            EXPECT_THROW(CSoccerPlayerCareerPathList read(CSoccerPlayerCareerPathList::kFile), DataFileError);
    }
}

TEST_F(DamagedTables, SkillMoneyNeedsEveryAbilityAndWageBasesOf100) {
    auto make = [](int rows, int lowWage) {
        CSkillMoneyValueList list;
        for (int a = 0; a < rows; ++a) {
            CSkillMoneyValue v{1000 * a, 10, 100, 10, a == 7 ? lowWage : 150, 10, 100, 10};
            list.Add(v);
        }
        return list;
    };
    Write(make(100, 100), CSkillMoneyValueList::kFile);
    EXPECT_NO_THROW(CSkillMoneyValueList read(CSkillMoneyValueList::kFile));
    Write(make(99, 150), CSkillMoneyValueList::kFile);
    EXPECT_THROW(CSkillMoneyValueList read(CSkillMoneyValueList::kFile), DataFileError);
    Write(make(100, 99), CSkillMoneyValueList::kFile);
    EXPECT_THROW(CSkillMoneyValueList read(CSkillMoneyValueList::kFile), DataFileError);
    Write(make(100, 150), CSkillMoneyValueList::kFile);
    Truncate(CSkillMoneyValueList::kFile, 4);
    EXPECT_THROW(CSkillMoneyValueList read(CSkillMoneyValueList::kFile), DataFileError);
}

TEST_F(DamagedTables, MissingTableIsReportedAsMissing) {
    try {
        CPopularityList read(CPopularityList::kFile);
        FAIL() << "no exception";
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.GetKind(), DataFileError::kMissing);
    }
}

// ------------------------------------------------------------- rules

TEST(CareerPathRules, AgesOutsideTheTableUseItsEnds) {
    CSoccerPlayerCareerPathList list;
    CSoccerPlayerCareerPath p = PathOf(100);
    for (int k = 0; k < CSoccerPlayerCareerPath::kAges; ++k) p.m_Gain[k] = 16 + k, p.m_Loss[k] = -k;
    list.Add(p);
    list.Add(PathOf(100));
    list.SetSecondGroupStart(1);
    EXPECT_EQ(list.GetGainFactor(0, 15), 16.0);
    EXPECT_EQ(list.GetGainFactor(0, 16), 16.0);
    EXPECT_EQ(list.GetGainFactor(0, 43), 40.0);
    EXPECT_EQ(list.GetLossFactor(0, 255), -24.0);
    // A group whose first weight is 100 always gives its first path.
    for (int k = 0; k < 200; ++k) EXPECT_EQ(list.PickCareerPath(), 0);
}

TEST(PopularityRules, AttendanceBandsAndBonuses) {
    CPopularityList list;
    CPopularity r = SoundRow();
    r.m_BandA = {200, 40, 40, 40};
    r.m_BandB = {100, 10, 10, 10};
    r.m_BaseCount = 25000;
    list.Add(r);
    r.m_BaseCount = 25001;
    list.Add(r);
    // The two band bytes add as a byte: 300 wraps to 44.
    EXPECT_TRUE(list.GetAt(0)->IsAbilityInBand(44, 0));
    EXPECT_FALSE(list.GetAt(0)->IsAbilityInBand(45, 0));
    EXPECT_FALSE(list.IsBaseCountOver25000(0));
    EXPECT_TRUE(list.IsBaseCountOver25000(1));
    EXPECT_EQ(list.GetAttendance(5, 1, 1, 20, 20, 1, 30000, 100.0, 0, 1, 1.0), 1);
    platform::SeedRandom(7);
    int a = list.GetAttendance(1, 10, 10, 20, 20, 0, 30000, 10.0, 0, 1, 1.0);
    // H = A = 1000: between H/2 + A/2.5 and that plus the random parts.
    EXPECT_GE(a, 900);
    EXPECT_LE(a, 1000 / 4 + 500 + 1000 / 5 + 400 + 135);
    EXPECT_EQ(list.GetManagerBonus(0), CPopularityList::kManagerBonusIds[0]);
}

}  // namespace
