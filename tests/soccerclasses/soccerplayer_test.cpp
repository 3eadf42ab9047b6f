#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "people_fixture.h"
#include "soccerclasses/soccerplayer.h"

namespace {

// Tables built in the test, so each rule sees figures it can predict.
class FootballPart : public ::testing::Test {
protected:
    void SetUp() override {
        for (int k = 0; k < 2; ++k) {
            CSoccerPlayerCareerPath p;
            p.m_Weight = 100;
            p.m_Gain.fill(k == 0 ? 1.0 : 0.5);
            p.m_Loss.fill(1.0);
            paths.Add(p);
        }
        paths.SetSecondGroupStart(1);
        for (int a = 0; a < 100; ++a) {
            money.Add(CSkillMoneyValue{100000 + 1000 * a, 2000, 10000, 5000, 1000 + 10 * a, 500, 300, 100});
        }
        InstallPeopleTables(&paths, &money, nullptr);
        platform::SeedRandom(4242);
    }
    void TearDown() override {
        InstallPeopleTables(nullptr, nullptr, nullptr);
        ResetGameFileChannel();
    }

    static CSoccerPlayer Flat(int position, int skill) {
        CSoccerPlayer p;
        p.Reset();
        p.SetPosition(position, false);
        for (uint8_t* s : {&p.m_Handling, &p.m_Tackling, &p.m_Passing, &p.m_Shooting, &p.m_Pace,
                           &p.m_Strength, &p.m_Heading, &p.m_Flair, &p.m_Dribbling})
            *s = static_cast<uint8_t>(skill);
        p.RecalculateAbility();
        p.m_Rating.Init(p.m_Ability);
        p.m_Fitness = p.m_Energy = 90;
        return p;
    }

    CSoccerPlayerCareerPathList paths;
    CSkillMoneyValueList money;
};

TEST_F(FootballPart, AbilityComesFromTheSkillsByPosition) {
    for (int pos = 0; pos < 4; ++pos) {
        EXPECT_EQ(Flat(pos, 10).GetAbility(), 10);
        EXPECT_EQ(Flat(pos, 99).GetAbility(), 99);
    }
    CSoccerPlayer keeper = Flat(CSoccerPlayer::kGoalkeeper, 10);
    keeper.m_Handling = 90;
    keeper.RecalculateAbility();
    EXPECT_EQ(keeper.GetAbility(), 74);
    // Skills out of range are clamped before they count.
    keeper.m_Handling = 120;
    keeper.RecalculateAbility();
    EXPECT_EQ(keeper.m_Handling, 99);
}

TEST_F(FootballPart, RatingsAverageAndKnowledgeBits) {
    CPlayerRating r;
    r.Init(10);
    r.Add(15);
    EXPECT_EQ(r.GetLatest(), 15);
    EXPECT_EQ(r.GetAverage(), 10);
    CSoccerPlayer p = Flat(2, 50);
    p.SetKnownBy(3);
    p.SetScouted(3);
    p.SetScouted(4);
    p.SetKnownBy(9);  // no such user: nothing
    EXPECT_EQ(p.GetKnownState(3), 3);
    EXPECT_EQ(p.GetKnownState(4), 2);
    EXPECT_EQ(p.GetKnownState(0), 0);
    EXPECT_EQ(p.m_KnownMask, 1 << 3);
}

TEST_F(FootballPart, SavedRecordIs73BytesAndReloadsExactly) {
    CSoccerPlayer p;
    p.Generate(24, CSoccerPlayer::kMidfielder, 70);
    p.m_Progress = {0.125, -0.5, 0.75, 0.3333, 0.1};
    p.m_Rating.Add(77);
    p.SetKnownBy(2);
    std::string path = (testenv::TestFolder() / "fp.bin").string();
    FILE* f = OpenGameFile(path, "wb");
    p.Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(std::filesystem::file_size(path), 73u);
    CSoccerPlayer q;
    f = OpenGameFile(path, "rb");
    q.Load(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(q, p);
}

TEST_F(FootballPart, GenerationGivesOutfieldPlayersNoHandling) {
    for (int k = 0; k < 300; ++k) {
        CSoccerPlayer p;
        int pos = k % 4;
        p.Generate(25, static_cast<uint8_t>(pos), static_cast<uint8_t>(10 + k % 90));
        if (pos != 0) {
            EXPECT_EQ(p.m_Handling, 10);
        }
        EXPECT_GE(p.GetAbility(), 10);
        EXPECT_LE(p.GetAbility(), 99);
        EXPECT_EQ(p.GetPosition(), pos);
        EXPECT_EQ(pos == 0, paths.IsFirstGroup(p.m_CareerPath));
        EXPECT_EQ(p.GetPreviousAbility(), p.GetAbility());
    }
    CSoccerPlayer weak;
    weak.Generate(25, CSoccerPlayer::kGoalkeeper, 10);
    EXPECT_EQ(weak.m_Tackling, 10);
    EXPECT_EQ(weak.m_Passing, 10);
}

TEST_F(FootballPart, YoungAndOldAdjustTheSameDraws) {
    for (int seed = 1; seed < 40; ++seed) {
        CSoccerPlayer adult, young, old;
        platform::SeedRandom(seed);
        adult.Generate(25, static_cast<uint8_t>(seed % 4), 80);
        platform::SeedRandom(seed);
        young.Generate(19, static_cast<uint8_t>(seed % 4), 80);
        platform::SeedRandom(seed);
        old.Generate(33, static_cast<uint8_t>(seed % 4), 80);
        auto skills = [](const CSoccerPlayer& p) {
            return std::array<int, 4>{p.m_Handling, p.m_Tackling, p.m_Passing, p.m_Shooting};
        };
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(skills(young)[i], std::max(10, static_cast<int>(0.8 * skills(adult)[i])));
            EXPECT_EQ(skills(old)[i], std::min(99, static_cast<int>(1.2 * skills(adult)[i])));
        }
    }
}

TEST_F(FootballPart, MatchDevelopmentNeedsARatingAtTheClamp) {
    CSoccerPlayer star = Flat(CSoccerPlayer::kAttacker, 95);
    star.m_Progress[0] = 0.7;
    for (int k = 0; k < 20; ++k) star.Develop(25, 100);
    EXPECT_EQ(star.m_Progress[0], 0.7);
    EXPECT_EQ(star.m_Shooting, 95);

    CSoccerPlayer weak = Flat(CSoccerPlayer::kDefender, 15);
    for (int k = 0; k < 20; ++k) weak.Develop(25, 1);
    EXPECT_EQ(weak.m_Progress[0], 0.0);
    EXPECT_EQ(weak.m_Tackling, 15);

    CSoccerPlayer mid = Flat(CSoccerPlayer::kMidfielder, 50);
    mid.Develop(25, 99);  // clamped to 60: one step of gain
    EXPECT_EQ(mid.m_Rating.GetLatest(), 60);
    EXPECT_EQ(mid.m_Passing, 51);
    EXPECT_NEAR(mid.m_Progress[0], 0.2, 1e-9);
    mid.Develop(25, 1);  // clamped to 40: a loss of 1.0
    EXPECT_EQ(mid.m_Passing, 50);
}

TEST_F(FootballPart, ExactlyEightTenthsMakeOnePoint) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kGoalkeeper, 50);
    p.DevelopGroup(0.8, 20, 0);
    EXPECT_EQ(p.m_Handling, 51);
    EXPECT_EQ(p.m_Progress[1], 0.0);
}

TEST_F(FootballPart, SlowCareersNeitherSpillNorGrowFlair) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kMidfielder, 50);
    p.m_CareerPath = 1;  // gain factor 0.5
    for (int k = 0; k < 30; ++k) p.DevelopGroup(3.0, 20, -1);
    EXPECT_GT(p.m_Passing, 60);
    EXPECT_EQ(p.m_Tackling, 50);
    EXPECT_EQ(p.m_Heading, 50);
    EXPECT_EQ(p.m_Flair, 50);
    EXPECT_EQ(p.m_Dribbling, 50);
}

TEST_F(FootballPart, HardFitnessTrainingNeverTakesEnergyBelow30) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kDefender, 50);
    p.m_Training[6] = 40;
    p.m_Energy = 32;
    p.m_Fitness = 98;
    p.Train(24, 0.5, 0.25);  // intensity 10
    EXPECT_EQ(p.m_Energy, 30);
    EXPECT_EQ(p.m_Fitness, 99);
}

TEST_F(FootballPart, ConditionAfterMatchesAndRest) {
    struct Case {
        int minutes, bracket;
    } cases[] = {{0, 0}, {20, 0}, {21, 1}, {45, 1}, {46, 2}, {69, 2}, {70, 3},
                 {94, 3}, {95, 4}, {105, 4}, {106, 4}, {107, 5}, {130, 5}};
    for (const auto& c : cases) EXPECT_EQ(CSoccerPlayer::MinutesBracket(c.minutes), c.bracket) << c.minutes;
    CSoccerPlayer p = Flat(CSoccerPlayer::kAttacker, 50);
    p.m_Energy = 40;
    p.m_Fitness = 97;
    p.AfterMatchCondition(90);
    EXPECT_EQ(p.m_Energy, 30);
    EXPECT_EQ(p.m_Fitness, 99);
    // Past the recovery table's end a player recovers nothing, and reads no further.
    p.Rest(60);
    EXPECT_EQ(p.m_Energy, 30);
    p.Rest(18);
    EXPECT_EQ(p.m_Energy, 58);
}

TEST_F(FootballPart, ValueFactorsByPositionAndPace) {
    CSoccerPlayer att = Flat(CSoccerPlayer::kAttacker, 60);
    CSoccerPlayer gk = att;
    gk.SetPosition(CSoccerPlayer::kGoalkeeper, false);
    att.m_Pace = gk.m_Pace = 85;
    double base = money.GetValue(att.GetAbility());
    EXPECT_EQ(att.GetValue(25, 4, 100), static_cast<int>(base * 1.1 * 1.0 * 1.017));
    EXPECT_EQ(gk.GetValue(25, 4, 100), static_cast<int>(base * 0.75 * 1.0 * 1.017));
    CSoccerPlayer fast = att, slow = att;
    fast.m_Pace = 81;
    slow.m_Pace = 80;
    EXPECT_EQ(fast.GetValue(25, 4, 100), att.GetValue(25, 4, 100));
    EXPECT_EQ(slow.GetValue(25, 4, 100), static_cast<int>(base * 1.1 * 0.98 * 1.017));
    // A given skill picks its own row.
    EXPECT_EQ(att.GetValue(25, 4, 100, 20), static_cast<int>(money.GetValue(20) * 1.1 * 1.017));
    // Ages a human club kept past 44 are valued as 44.
    EXPECT_EQ(att.GetValue(50, 4, 100), att.GetValue(44, 4, 100));
}

TEST_F(FootballPart, VeteransCarryNoMinimumFee) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kMidfielder, 60);
    MoneyScale m{100};
    EXPECT_GT(p.GetMinimumFee(31, 4, m), 0.0);
    EXPECT_EQ(p.GetMinimumFee(32, 4, m), 0.0);
    for (int k = 0; k < 50; ++k) {
        double fee = p.GetTransferFee(32, 4, m);
        EXPECT_LE(fee, p.GetMaximumFee(32, 4, m));
    }
}

TEST_F(FootballPart, CheckOfferAnswers) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kMidfielder, 50);  // wage base 1500 + 500, fee 10000 + 5000
    const CContractOffer demands{12000, 1800, 0, 3};
    struct Case {
        const char* what;
        CContractOffer offer;
        bool freeAgent;
        int answer;
    } cases[] = {
        {"equal", demands, false, -1},
        {"wage below the base", {12000, 1400, 0, 3}, false, 14},
        {"wage between base and demand, fee fine", {12000, 1600, 0, 3}, false, -1},
        {"wage above the board's limit", {12000, 2100, 0, 3}, false, 15},
        // The board's limit also holds when the player asked for less.
        {"wage above limit and demand", {12000, 2500, 0, 3}, false, 15},
        {"fee below the minimum", {9000, 1800, 0, 3}, false, 16},
        {"fee between minimum and demand", {11000, 1800, 0, 3}, false, -1},
        {"free agent fee above three times the minimum", {31000, 1800, 0, 3}, true, -1},
        {"free agent fee below minimum", {29000, 1800, 0, 3}, true, 16},
    };
    for (const auto& c : cases) {
        CContractOffer d = demands;
        if (c.freeAgent) d.m_SigningOnFee = 40000;
        EXPECT_EQ(p.CheckOffer(d, 25, c.offer, 100, c.freeAgent), c.answer) << c.what;
    }
    EXPECT_EQ(p.GetOfferReply(demands, 25, demands, 100, false, "A.Name"), "T");
    EXPECT_EQ(p.GetOfferReply(demands, 25, {12000, 1400, 0, 3}, 100, false, "A.Name"),
              "A.Name will not accept such a low wage and asks that you increase your offer.");
}

TEST_F(FootballPart, DemandsStayWithinTheBounds) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kMidfielder, 70);
    MoneyScale m{80};
    for (int k = 0; k < 100; ++k) {
        CContractOffer d;
        p.GetContractDemands(d, 34, k % 2 == 0, m);
        EXPECT_GE(d.m_WeeklyWage, p.GetMinimumWage(34, m) - 10);
        EXPECT_LE(d.m_WeeklyWage, p.GetMaximumWage(34, m) + 10);
        EXPECT_GE(d.m_Years, 1);
        EXPECT_LE(d.m_Years, 2);
    }
}

TEST_F(FootballPart, DeclineTakesAPointOnlyOnTheDraw) {
    CSoccerPlayer p = Flat(CSoccerPlayer::kAttacker, 60);
    int declines = 0;
    for (int k = 0; k < 200; ++k) {
        int before = p.m_Shooting;
        p.Decline(1);
        declines += before - p.m_Shooting;
    }
    // Random(1) is 1 once in 32,768 draws; 200 tries almost never hit it.
    EXPECT_LE(declines, 1);
    p.Decline(4);
    EXPECT_GE(p.m_Shooting, 10);
}

}  // namespace
