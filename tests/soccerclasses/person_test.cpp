#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "platform/random.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/person.h"
#include "support/test_env.h"

namespace {

std::string PersonSaveBytes(const std::function<void(FILE*)>& save) {
    std::string path = (testenv::TestFolder() / "record.bin").string();
    FILE* f = OpenGameFile(path, "wb");
    save(f);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void PersonLoadBytes(const std::function<void(FILE*)>& load) {
    std::string path = (testenv::TestFolder() / "record.bin").string();
    FILE* f = OpenGameFile(path, "rb");
    load(f);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
}

CPerson PersonSample() {
    CPerson p;
    p.Set("J", "Whitfield", 27, 55);
    p.SetWeeklyWage(4250.5);
    p.SetTemperament(7);
    p.SetMorale(63);
    p.SetContractYears(3);
    p.SetPendingYears(2);
    p.SetPendingWage(5000);
    p.SetStatus(1);
    p.SetWeeksAtClub(-3);
    platform::SeedRandom(3);
    p.Face().Generate(0, true);
    return p;
}

TEST(Person, SavedRecordReloadsToTheSameBytes) {
    CPerson p = PersonSample();
    std::string bytes = PersonSaveBytes([&](FILE* f) { p.Save(f); });
    EXPECT_EQ(bytes.size(), 33u + 4 + 1 + 4 + 9);
    CPerson q;
    q.Set("X", "Other", 40, 1);
    PersonLoadBytes([&](FILE* f) { q.Load(f); });
    EXPECT_EQ(q, p);
    EXPECT_EQ(PersonSaveBytes([&](FILE* f) { q.Save(f); }), bytes);
}

TEST(Person, UnusedFaceBitsAreWrittenAsZero) {
    CPerson p = PersonSample();
    p.Face().m_Word2 |= 0xFFFFFF80u;
    std::string bytes = PersonSaveBytes([&](FILE* f) { p.Save(f); });
    const std::string word2 = bytes.substr(bytes.size() - 4);
    EXPECT_EQ(static_cast<uint8_t>(word2[1]), 0);
    EXPECT_EQ(static_cast<uint8_t>(word2[3]), 0);
}

TEST(Person, NamesShowTheInitialUnlessThereIsNone) {
    struct Case {
        const char* forename;
        const char* shown;
    } cases[] = {{"J", "J.Whitfield"}, {"JP", "JP.Whitfield"}, {"@", "Whitfield"}, {"", "Whitfield"}};
    for (const auto& c : cases) {
        CPerson p;
        p.Set(c.forename, "Whitfield", 20, 55);
        EXPECT_EQ(p.GetName(), c.shown);
    }
}

TEST(Person, MoraleAndTemperamentTexts) {
    struct Case {
        int morale;
        const char* text;
    } cases[] = {{0, "Extremely poor"}, {1, "Extremely poor"}, {10, "Extremely poor"},
                 {11, "Very poor"},     {90, "Very high"},      {91, "Extremely high"},
                 {100, "Extremely high"}};
    CPerson p;
    for (const auto& c : cases) {
        p.SetMorale(static_cast<uint8_t>(c.morale));
        EXPECT_EQ(p.GetMoraleText(), c.text) << c.morale;
    }
    p.SetTemperament(0);
    EXPECT_EQ(p.GetTemperamentText(), "Very Laidback");
    p.SetTemperament(9);
    EXPECT_EQ(p.GetTemperamentText(), "Very Aggressive");
}

TEST(Person, SeasonEndAppliesAnAgreedRenewal) {
    CPerson p = PersonSample();
    p.SetContractYears(1);
    EXPECT_FALSE(p.EndSeason());
    EXPECT_EQ(p.GetAge(), 28);
    EXPECT_EQ(p.GetContractYears(), 2);
    EXPECT_EQ(p.GetWeeklyWage(), 5000);
    EXPECT_EQ(p.GetPendingYears(), 0);
    EXPECT_EQ(p.GetPendingWage(), 0.0);
    EXPECT_EQ(p.GetStatus(), 0);

    CPerson q = PersonSample();
    q.SetStatus(0);
    q.SetContractYears(1);
    EXPECT_TRUE(q.EndSeason());
    EXPECT_EQ(q.GetContractYears(), 0);
}

TEST(Person, ContractCostIsTheRestOfTheContractOrFourWeeks) {
    CPerson p = PersonSample();
    p.SetContractYears(2);
    p.SetWeeklyWage(100);
    EXPECT_EQ(p.GetContractCost(false, 10), 94 * 100);
    EXPECT_EQ(p.GetContractCost(true, 10), 4 * 100);
    p.SetContractYears(0);
    EXPECT_EQ(p.GetContractCost(false, 10), 0.0);
}

TEST(Person, ApplyContractAddsYearsAndClearsTheRenewal) {
    CPerson p = PersonSample();
    CContractOffer offer{1000, 900, 0, 2};
    p.ApplyContract(offer);
    EXPECT_EQ(p.GetContractYears(), 5);
    EXPECT_EQ(p.GetWeeklyWage(), 900);
    EXPECT_EQ(p.GetStatus(), 0);
    CContractOffer back;
    p.FillOfferFromContract(back);
    EXPECT_EQ(back.m_WeeklyWage, 900);
    EXPECT_EQ(back.m_Years, 5);
}

TEST(Person, GeneratedFacesFollowTheRules) {
    platform::SeedRandom(99);
    for (int row = 0; row < 5; ++row) {
        for (int k = 0; k < 400; ++k) {
            CFace noBeard, any;
            noBeard.Generate(row, false);
            EXPECT_NE(noBeard.Colour(), 1);
            EXPECT_EQ(noBeard.Beard(), 0);
            EXPECT_LE(noBeard.Race(), 4);
            EXPECT_LE(noBeard.Hair(), 44);
            any.Generate(row, true);
            EXPECT_LE(any.Beard(), 7);
            EXPECT_NE(any.Colour(), 1);
        }
    }
}

TEST(Person, RaceRowsGiveTheirCommonRaceMostOften) {
    platform::SeedRandom(5);
    int counts[5] = {};
    for (int k = 0; k < 2000; ++k) {
        CFace f;
        f.Generate(3, false);
        ++counts[f.Race()];
    }
    // Row 3: 30% race 0, 60% race 1, the rest any race.
    EXPECT_GT(counts[1], counts[0]);
    EXPECT_GT(counts[0], counts[2]);
}

}  // namespace
