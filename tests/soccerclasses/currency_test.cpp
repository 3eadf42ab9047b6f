#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "platform/profile.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace {

class MoneyTest : public ::testing::Test {
protected:
    void TearDown() override { ResetModuleState(); }
    static std::string Money(const CCurrency& c, double amount) {
        std::string s;
        c.FormatMoney(s, amount);
        return s;
    }
};

TEST_F(MoneyTest, GroupsAbbreviatesAndPlacesTheSymbol) {
    const CCurrency pound(0, "\xA3", 0, 0, 1.0, 1);
    const CCurrency plain(1, "\xA3", 0, 0, 1.0, 0);
    const CCurrency dots(2, "DM", 1, 1, 1.0, 1);
    struct Case {
        const CCurrency* c;
        double amount;
        const char* text;
    };
    const Case cases[] = {
        {&plain, 1234567, "\xA3" "1,234,567"},
        {&plain, -1234, "\xA3-1,234"},
        {&plain, 0, "\xA3" "0"},
        {&pound, 12345678, "\xA3" "12,345t"},
        {&pound, 5000000, "\xA3" "5m"},
        {&pound, 1500000, "\xA3" "1,500t"},
        {&pound, 999999, "\xA3" "999,999"},
        {&pound, -100000, "\xA3-100t"},
        {&pound, 999.6, "\xA3" "1,000"},
        {&dots, 2000000, "2mDM"},
        {&dots, 2000500, "2.000tDM"},
        {&dots, 1234, "1.234DM"},
    };
    for (const Case& c : cases) EXPECT_EQ(Money(*c.c, c.amount), c.text) << c.amount;
    std::string s;
    dots.FormatMoneyDecimals(s, 1234.5);
    EXPECT_EQ(s, "1234.50DM");
    EXPECT_EQ(CCurrency::ThousandsOf(999), 0.0);
    EXPECT_EQ(CCurrency::ThousandsOf(1999), 1.0);
    EXPECT_EQ(CCurrency::ThousandsOf(-12345), -12.0);
}

TEST_F(MoneyTest, DisplayCurrencyAppliesUnderOptionZeroOnly) {
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed(&world);
    CCurrencyList& list = world.GetCurrencyList();
    list.Add(std::make_unique<CCurrency>(0, "\xA3", 0, 0, 1.0, 1));
    list.Add(std::make_unique<CCurrency>(1, "$", 0, 0, 1.6, 1));
    list.Add(std::make_unique<CCurrency>(2, "Pts", 1, 1, 250.0, 1));

    std::string s;
    list.FormatMoney(s, 0, 1000);
    EXPECT_EQ(s, "\xA3" "1,000");
    list.FormatMoney(s, 2, 1000);
    EXPECT_EQ(s, "250.000Pts");

    // Option 0: everything in dollars.
    GetCurrencyDisplay().option = 0;
    SetDisplayCurrency(*list.GetAt(1));
    list.FormatMoney(s, 0, 1000);
    EXPECT_EQ(s, "$1,600");
    list.FormatMoney(s, 2, 1000);
    EXPECT_EQ(s, "$1,600");
    EXPECT_DOUBLE_EQ(list.ToBaseMoney(2, 1600), 1000);

    // Back to each country's own currency: nothing drifted.
    GetCurrencyDisplay().option = 1;
    SetDisplayCurrency(*list.GetAt(0));
    list.FormatMoney(s, 0, 1000);
    EXPECT_EQ(s, "\xA3" "1,000");
    list.FormatMoney(s, 2, 1000);
    EXPECT_EQ(s, "250.000Pts");
    EXPECT_DOUBLE_EQ(list.GetAt(0)->GetOwnRate(), 1.0);
    EXPECT_EQ(list.ToBaseWhole(2, 2600), 10);
}

TEST_F(MoneyTest, OptionsAreReadClampedAndNotTakenForARate) {
    struct Case {
        int currency, exchange;
        uint8_t option, choice;
    };
    const Case cases[] = {{1, 1, 1, 1}, {0, 4, 0, 4}, {5, -3, 1, 0}, {0, 42, 0, 9}};
    for (const Case& c : cases) {
        platform::WriteProfileInt("Options", "Currency", c.currency);
        platform::WriteProfileInt("Options", "Exchange", c.exchange);
        ResetCurrencyDisplay();
        ReadCurrencyOptions();
        EXPECT_EQ(GetCurrencyDisplay().option, c.option);
        EXPECT_EQ(GetCurrencyDisplay().exchangeChoice, c.choice);
        EXPECT_EQ(GetCurrencyDisplay().rate, 1.0);
    }
}

TEST_F(MoneyTest, RoundMoneyUsesTheCountrysCurrency) {
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed(&world);
    world.GetCurrencyList().Add(std::make_unique<CCurrency>(0, "\xA3", 0, 0, 1.0, 1));
    world.GetCurrencyList().Add(std::make_unique<CCurrency>(1, "L", 0, 1, 2930.0, 1));
    CountryRecord r;
    r.currency = 1;
    CCountry italy(r);
    // 1,000 pounds are 2,930,000 lire; tidied to 2,950,000 lire.
    EXPECT_NEAR(RoundMoney(1000, &italy), 2950000 / 2930.0, 1e-9);
    r.currency = 0;
    CCountry england(r);
    EXPECT_EQ(RoundMoney(52.5, &england), 55);
}

TEST_F(MoneyTest, CurrencyFileRefusesBadRates) {
    std::string path = (testenv::TestFolder() / "Currency.bin").string();
    for (double rate : {1.5, 0.0, -2.0, std::nan(""), double(INFINITY)}) {
        CCurrencyList out{CCurrencyList::Empty{}};
        out.Add(std::make_unique<CCurrency>(0, "\xA3", 0, 0, rate, 1));
        FILE* f = OpenGameFile(path, "wb");
        out.WriteStartupFile(f);
        ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
        f = OpenGameFile(path, "rb");
        CCurrencyList in{CCurrencyList::Empty{}};
        in.Read(f);
        bool ok = CloseGameFile(f) == kGameFileClosed;
        EXPECT_EQ(ok, rate == 1.5) << rate;
    }
}

}  // namespace
