#include <gtest/gtest.h>

#include "clubs_world.h"
#include "people_io.h"
#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/youth.h"

namespace {

using peopleio::LoadBytes;
using peopleio::SaveBytes;

class Staff : public clubtest::PeopleWorld {
protected:
    void SetUp() override {
        PeopleWorld::SetUp();
        country = world.GetCountry(1);
        row = table->GetAt(20);
    }

    CCountry* country = nullptr;
    const CPopularity* row = nullptr;
};

TEST_F(Staff, NewStaffHaveAbilityAgeAndWage) {
    for (int k = 0; k < 200; ++k) {
        CEmployee e(static_cast<uint8_t>(k % 5), *country, *row);
        EXPECT_GE(e.m_Ability, 30);
        EXPECT_LE(e.m_Ability, 99);
        EXPECT_GE(e.m_Person.GetAge(), 35);
        EXPECT_LE(e.m_Person.GetAge(), 59);
        EXPECT_GE(e.m_Person.GetContractYears(), 1);
        EXPECT_GT(e.m_Person.GetWeeklyWage(), 0);
        EXPECT_FALSE(e.GetName().empty());
        EXPECT_FALSE(e.IsContact());
    }
    EXPECT_EQ(CBasicEmployee::JobTitle(5), "BankManager");
}

TEST_F(Staff, EmployeeListOfTwentyReloadsAndMoreAreRefused) {
    CEmployeeList list;
    for (int k = 0; k < 20; ++k) list.Add(std::make_unique<CEmployee>(static_cast<uint8_t>(k % 17), *country, *row));
    EXPECT_EQ(list.Add(std::make_unique<CEmployee>(0, *country, *row)), -1);
    std::string bytes = SaveBytes([&](FILE* f) { list.Save(f); });
    CEmployeeList read;
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(read.GetSize(), 20);
    EXPECT_EQ(SaveBytes([&](FILE* f) { read.Save(f); }), bytes);
    bytes[0] = 21;  // the count
    SaveBytes([&](FILE* f) { WriteGameFile(bytes.data(), 1, bytes.size(), f); });
    EXPECT_FALSE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(read.GetSize(), 0);
}

TEST_F(Staff, OlderStaffStillSignForASeason) {
    CEmployee e(0, *country, *row);
    for (int age : {58, 60, 63, 66}) {
        e.m_Person.SetAge(static_cast<uint8_t>(age));
        for (int k = 0; k < 30; ++k) {
            CContractOffer d;
            e.MakeContractDemand(d, *country);
            EXPECT_GE(d.m_Years, 1) << age;
            EXPECT_LE(age + d.m_Years, std::max(61, age + 1));
        }
    }
}

TEST_F(Staff, EmployeeAnswers) {
    CEmployee e(0, *country, *row);
    e.m_Ability = 60;
    e.m_Person.SetSurname("Crane");
    e.m_Person.SetForename("B");
    const double min = e.GetMinimumWage() / 100 * country->GetWageFactor();
    struct Case {
        const char* what;
        double wage;
        int years;
        char code;
    } cases[] = {
        {"equal", 5000, 3, '1'},
        {"no seasons", 5000, 0, '8'},
        {"far too low", min / 2, 3, '6'},
    };
    for (const auto& c : cases) {
        CContractOffer demand{0, 5000, 0, 3};
        CContractOffer offer{0, c.wage, 0, c.years};
        std::string answer = e.RespondToOffer(demand, Club(), offer);
        ASSERT_FALSE(answer.empty());
        EXPECT_EQ(answer[0], c.code) << c.what << ": " << answer;
    }
    // Equal terms are accepted even above the board's limit.
    CContractOffer rich{0, 1e7, 0, 2};
    CContractOffer same = rich;
    EXPECT_EQ(e.RespondToOffer(rich, Club(), same)[0], '1');
}

TEST_F(Staff, StaffRetireAtSixtySix) {
    CEmployee e(1, *country, *row);
    e.m_Person.SetAge(65);
    e.m_Person.SetContractYears(3);
    e.EndOfSeason(true);
    EXPECT_EQ(e.m_Person.GetStatus(), CPerson::kStatusRetiring);
    EXPECT_EQ(e.m_Person.GetContractYears(), 0);
    EXPECT_EQ(e.m_Person.GetAge(), CBasicEmployee::kRetiredAge);
    CEmployee young(1, *country, *row);
    young.m_Person.SetAge(50);
    young.EndOfSeason(true);
    EXPECT_EQ(young.m_Person.GetAge(), 51);
}

TEST_F(Staff, MarketKeepsHiredKindsAndRefills) {
    CAvailableEmployeeList market;
    market.Update(*country, *row);
    for (int k = 0; k < 60; ++k) market.Update(*country, *row);
    for (int i = 0; i < market.GetSize(); ++i) {
        EXPECT_LE(market.GetAt(i)->m_JobKind, CBasicEmployee::kAssistantManager);
        EXPECT_LT(market.GetAt(i)->m_WeeksOnMarket, 7);
    }
    EXPECT_EQ(market.PickEmployee(0, 200, 255), nullptr);
    CAvailableEmployeeList empty;
    EXPECT_EQ(empty.PickEmployee(0, 0, 100), nullptr);

    // With nine left after the ageing step it gains at most 17.
    CAvailableEmployeeList nine;
    for (int k = 0; k < 30; ++k) {
        nine.RemoveAll();
        for (int i = 0; i < 9; ++i) {
            auto e = std::make_unique<CAvailableEmployee>(*country, *row);
            nine.AddCopy(*e);
        }
        // However many of the nine stay, the refill keeps the market below 26.
        nine.Update(*country, *row);
        EXPECT_LE(nine.GetSize(), 25);
    }
}

TEST_F(Staff, MarketAnswersExactTermsWithoutADraw) {
    CAvailableEmployee e(*country, *row);
    CContractOffer d{0, 700, 0, 2};
    CContractOffer o = d;
    const uint32_t state = platform::RandomState();
    EXPECT_EQ(e.RespondToOffer(d, o, *country), "T");
    EXPECT_EQ(platform::RandomState(), state);
}

TEST_F(Staff, MarketsReloadToTheSameBytesAndAgeOut) {
    CAvailableEmployeeList staff;
    CAvailableYouthList youths;
    staff.Update(*country, *row);
    youths.Update(*country, *row, 1, 10);
    ASSERT_GT(staff.GetSize() + youths.GetSize(), 0);
    std::string bytes = SaveBytes([&](FILE* f) {
        staff.Save(f);
        youths.Save(f);
    });
    CAvailableEmployeeList staff2;
    CAvailableYouthList youths2;
    ASSERT_TRUE(LoadBytes([&](FILE* f) {
        staff2.Load(f);
        youths2.Load(f);
    }));
    EXPECT_EQ(SaveBytes([&](FILE* f) {
                  staff2.Save(f);
                  youths2.Save(f);
              }),
              bytes);
    for (int i = 0; i < youths2.GetSize(); ++i) youths2.GetAt(i)->m_Person.SetAge(18);
    youths2.EndOfSeason();
    EXPECT_EQ(youths2.GetSize(), 0);
}

TEST_F(Staff, YouthSquadGrowsToTwelveAndLetsNineteenYearOldsGo) {
    CYouthList list;
    for (int k = 0; k < 11; ++k) list.AddRandomYouth(*country, *row, k % 4);
    ASSERT_EQ(list.GetSize(), 11);
    list.GenerateYouths(*country, *row, 2);
    EXPECT_LE(list.GetSize(), 12);
    std::string bytes = SaveBytes([&](FILE* f) { list.Save(f); });
    CYouthList read;
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(SaveBytes([&](FILE* f) { read.Save(f); }), bytes);
    read.GetAt(0)->m_Person.SetAge(18);
    read.GetAt(1)->m_Person.SetAge(17);
    const int before = read.GetSize();
    read.SeasonEnd();
    EXPECT_LT(read.GetSize(), before);
    for (int i = 0; i < read.GetSize(); ++i) EXPECT_LE(read.GetAt(i)->m_Person.GetAge(), 18);
}

TEST_F(Staff, YouthContractAnswers) {
    CYouthList list;
    list.AddRandomYouth(*country, *row, 2);
    CYouth& y = *list.GetAt(0);
    CContractOffer d;
    y.GetContractDemands(d, Club());
    CContractOffer same = d;
    EXPECT_EQ(y.AnswerContractOffer(d, Club(), same)[0], '1');
    CContractOffer longOne = d;
    longOne.m_Years = 10;
    CContractOffer demands = d;
    std::string answer = y.AnswerContractOffer(demands, Club(), longOne);
    EXPECT_EQ(answer.substr(0, 1), "9");
    EXPECT_NE(answer.find("shorter contract"), std::string::npos);
    EXPECT_LE(demands.m_Years, d.m_Years);
}

}  // namespace
