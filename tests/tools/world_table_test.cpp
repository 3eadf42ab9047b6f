#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "platform/stringtable.h"
#include "worldtable/schedules.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"
#include "worldtable/worldtable.h"

namespace {

struct MapCountry {
    int id;
    const char* name;
    bool europe;
    int group;
    bool byDefault;
};

// The countries of the new-game maps, with the ids their buttons carry.
const MapCountry kMapCountries[] = {
    {1, "Albania", true, 0, false},        {2, "Algeria", false, 0, false},
    {3, "Andorra", true, 0, false},        {6, "Argentina", false, 0, false},
    {7, "Armenia", true, 0, false},        {9, "Australia", false, 0, true},
    {10, "Austria", true, 2, true},        {11, "Azerbaijan", true, 0, false},
    {16, "Belarus", true, 0, false},       {17, "Belgium", true, 2, true},
    {22, "Bosnia-Herzegovina", true, 0, false}, {24, "Brazil", false, 0, true},
    {26, "Bulgaria", true, 0, false},      {30, "Cameroon", false, 0, false},
    {36, "Chile", false, 0, false},        {37, "China PR", false, 0, true},
    {39, "Colombia", false, 0, false},     {44, "Croatia", true, 2, true},
    {46, "Cyprus", true, 0, false},        {47, "Czech Republic", true, 2, true},
    {48, "Denmark", true, 2, true},        {53, "Egypt", false, 0, false},
    {55, "England", true, 1, true},        {57, "Estonia", true, 0, false},
    {59, "Faroe Islands", true, 0, false}, {61, "Finland", true, 0, false},
    {62, "France", true, 1, true},         {63, "FYR Macedonia", true, 0, false},
    {66, "Georgia", true, 0, false},       {67, "Germany", true, 1, true},
    {69, "Greece", true, 0, false},        {78, "Hong Kong", false, 0, false},
    {79, "Hungary", true, 0, false},       {80, "Iceland", true, 0, false},
    {81, "India", false, 0, false},        {85, "Israel", true, 0, false},
    {86, "Italy", true, 1, true},          {87, "Jamaica", false, 0, false},
    {88, "Japan", false, 0, true},         {92, "South Korea", false, 0, false},
    {97, "Latvia", true, 0, false},        {103, "Lithuania", true, 0, false},
    {104, "Luxembourg", true, 0, false},   {111, "Malta", true, 0, false},
    {114, "Mexico", false, 0, false},      {115, "Moldova", true, 0, false},
    {116, "Morocco", false, 0, false},     {121, "Netherlands", true, 1, true},
    {123, "New Zealand", false, 0, false}, {126, "Nigeria", false, 0, true},
    {127, "Northern Ireland", true, 0, false}, {128, "Norway", true, 2, true},
    {133, "Paraguay", false, 0, false},    {136, "Poland", true, 2, true},
    {137, "Portugal", true, 1, true},      {140, "Republic of Ireland", true, 0, false},
    {141, "Romania", true, 2, true},       {142, "Russia", true, 1, true},
    {150, "Scotland", true, 1, true},      {155, "Slovakia", true, 0, false},
    {156, "Slovenia", true, 0, false},     {159, "South Africa", false, 0, true},
    {160, "Spain", true, 1, true},         {165, "Sweden", true, 2, true},
    {166, "Switzerland", true, 2, true},   {176, "Turkey", true, 1, true},
    {179, "Ukraine", true, 0, false},      {181, "USA", false, 0, true},
    {182, "Uruguay", false, 0, false},     {187, "Wales", true, 0, false},
    {190, "Yugoslavia", true, 0, false},
};

// Exchange choice → country and the currency the options screen names.
const std::pair<int, const char*> kExchange[10] = {
    {181, "United States Dollar"}, {55, "Sterling"}, {62, "French Franc"},     {67, "DeutscheMark"},
    {86, "Italian Lira"},          {160, "Peseta"},  {121, "Netherlands Gilder"}, {137, "Portuguese Escudo"},
    {69, "Drachma"},               {142, "Rouble"},
};

const worldtable::World& WorldTable() {
    static const worldtable::World w = worldtable::Load(testenv::SourceDir() / "assets");
    return w;
}

class GeneratedWorldFiles : public ::testing::Test {
protected:
    void TearDown() override { ResetModuleState(); }

    // Reads fed.bin and Country.bin with the given countries selected.
    std::unique_ptr<CWorldData> ReadWith(const std::vector<int>& selected) {
        auto world = std::make_unique<CWorldData>();
        for (int id : selected) world->SelectCountry(id, true);
        world->ReadFederationsAndCountries();
        return world;
    }
};

TEST(WorldTable, KeepsItsRules) {
    const auto& w = WorldTable();
    EXPECT_TRUE(worldtable::CheckRules(w).empty());
    EXPECT_EQ(w.countries.size(), 193u);
    EXPECT_LE(w.ClubCount(), 2181);
    std::set<int> mapIds;
    for (const auto& m : kMapCountries) {
        mapIds.insert(m.id);
        const auto& c = w.countries.at(static_cast<size_t>(m.id));
        EXPECT_EQ(c.name, m.name);
        EXPECT_EQ(c.map, m.europe ? "Europe" : "World") << m.name;
        EXPECT_EQ(c.group, m.group) << m.name;
        EXPECT_EQ(c.defaultSelected, m.byDefault) << m.name;
        EXPECT_TRUE(c.HasLeague()) << m.name;
    }
    EXPECT_EQ(mapIds.size(), 71u);
    // Each map country sits in the federation of its continent.
    const std::map<int, int> worldMap = {{2, 4},   {6, 2},   {9, 5},   {24, 2},  {30, 4},  {36, 2},
                                         {37, 3},  {39, 2},  {53, 4},  {78, 3},  {81, 3},  {87, 2},
                                         {88, 3},  {92, 3},  {114, 2}, {116, 4}, {123, 5}, {126, 4},
                                         {133, 2}, {159, 4}, {181, 2}, {182, 2}};
    for (const auto& m : kMapCountries) {
        int fed = w.countries.at(static_cast<size_t>(m.id)).federation;
        EXPECT_EQ(fed, m.europe ? 0 : worldMap.at(m.id)) << m.name;
    }
    for (const auto& c : w.countries) {
        if (!mapIds.count(c.id)) {
            EXPECT_FALSE(c.HasLeague()) << c.name;
        }
    }
    for (int i = 0; i < 10; ++i) {
        const auto& c = w.countries.at(static_cast<size_t>(kExchange[i].first));
        EXPECT_EQ(w.currencies.at(static_cast<size_t>(c.currency)).name, kExchange[i].second);
        EXPECT_EQ(platform::LoadString(34287 + static_cast<uint32_t>(i)), kExchange[i].second)
            << "the options screen names the same currency";
    }
}

TEST(WorldTable, CountryNamesAreInTheStringTable) {
    EXPECT_TRUE(platform::StringTableErrors().empty());
    for (const auto& c : WorldTable().countries)
        EXPECT_EQ(platform::LoadString(34000 + static_cast<uint32_t>(c.id)), c.name);
}

TEST(WorldTable, SchedulesAreDoubleRoundRobins) {
    for (int n : kScheduleClubCounts) {
        auto bytes = worldtable::MakeDoubleRoundRobin(n);
        ASSERT_EQ(static_cast<int>(bytes.size()), ScheduleBytes(n)) << n;
    }
}

// Every pair meets once at each ground; every club plays at most once a
// match day; the second half mirrors the first; venues stay balanced.
void CheckSchedule(const CExtByteArray& s, int n) {
    int e = n / 2 * 2;
    int days = n % 2 ? 2 * n : 2 * (n - 1);
    ASSERT_EQ(s.GetSize(), days * e) << n;
    std::map<std::pair<int, int>, int> met;
    std::vector<int> home(static_cast<size_t>(n) + 1), run(static_cast<size_t>(n) + 1);
    std::vector<int> last(static_cast<size_t>(n) + 1, -1);
    for (int d = 0; d < days; ++d) {
        std::set<int> playing;
        for (int k = 0; k < e; k += 2) {
            int h = s.GetAt(d * e + k), a = s.GetAt(d * e + k + 1);
            ASSERT_TRUE(h >= 1 && h <= n && a >= 1 && a <= n && h != a) << n;
            ASSERT_TRUE(playing.insert(h).second && playing.insert(a).second) << n << " day " << d;
            ++met[{h, a}];
            if (d < days / 2) ++home[static_cast<size_t>(h)];
            for (auto [club, venue] : {std::pair{h, 1}, std::pair{a, 0}}) {
                run[static_cast<size_t>(club)] = last[static_cast<size_t>(club)] == venue ? run[static_cast<size_t>(club)] + 1 : 1;
                last[static_cast<size_t>(club)] = venue;
                EXPECT_LE(run[static_cast<size_t>(club)], 3) << n << " club " << club << " day " << d;
            }
            int mirror = (d + days / 2) % days;
            EXPECT_EQ(s.GetAt(mirror * e + k), a) << n;
            EXPECT_EQ(s.GetAt(mirror * e + k + 1), h) << n;
        }
        ASSERT_EQ(static_cast<int>(playing.size()), e) << n;
    }
    EXPECT_EQ(static_cast<int>(met.size()), n * (n - 1)) << n;
    for (const auto& [pair, times] : met) EXPECT_EQ(times, 1) << n;
    for (int c = 1; c <= n; ++c) {
        EXPECT_GE(home[static_cast<size_t>(c)], (n - 1) / 2) << n;
        EXPECT_LE(home[static_cast<size_t>(c)], n / 2) << n;
    }
}

TEST_F(GeneratedWorldFiles, WorldIsBuiltFromTheStartUpFiles) {
    CWorldData world;
    const auto& w = WorldTable();
    ASSERT_EQ(world.GetCurrencyList().GetSize(), static_cast<int>(w.currencies.size()));
    for (int i = 0; i < world.GetCurrencyList().GetSize(); ++i) {
        const CCurrency* c = world.GetCurrency(i);
        EXPECT_EQ(c->GetId(), i);
        EXPECT_TRUE(std::isfinite(c->GetOwnRate()) && c->GetOwnRate() > 0);
        EXPECT_DOUBLE_EQ(c->GetOwnRate(), w.currencies[static_cast<size_t>(i)].rate);
        std::string symbol;
        c->GetOwnSymbol(symbol);
        EXPECT_EQ(symbol, w.currencies[static_cast<size_t>(i)].symbol);
    }
    for (int n : kScheduleClubCounts) CheckSchedule(*world.GetSchedule(n), n);
    EXPECT_EQ(world.GetSchedule(7), nullptr);
}

TEST_F(GeneratedWorldFiles, CountriesFollowExactlyTheSelection) {
    std::vector<int> all, byDefault;
    for (const auto& m : kMapCountries) {
        all.push_back(m.id);
        if (m.byDefault) byDefault.push_back(m.id);
    }
    ASSERT_EQ(byDefault.size(), 27u);
    for (const auto& selection : {byDefault, all, std::vector<int>{55}, std::vector<int>{}}) {
        auto world = ReadWith(selection);
        std::set<int> chosen(selection.begin(), selection.end());
        const CCountryList& countries = world->GetCountryList();
        ASSERT_EQ(countries.GetSize(), 193);
        int followed = 0;
        for (int i = 0; i < countries.GetSize(); ++i) {
            const CCountry* c = countries.GetAt(i);
            EXPECT_EQ(c->GetId(), i);
            EXPECT_EQ(c->IsFollowed(), chosen.count(i) == 1) << c->GetName();
            EXPECT_EQ(c->GetYouthMarket() != nullptr, c->IsFollowed());
            followed += c->IsFollowed();
        }
        EXPECT_EQ(followed, static_cast<int>(selection.size()));
        EXPECT_FALSE(countries.GetAt(0)->IsFollowed());
    }
}

TEST_F(GeneratedWorldFiles, CountryRecordsKeepTheDataRules) {
    auto world = ReadWith({});
    const CCountryList& countries = world->GetCountryList();
    const CFederationList& feds = world->GetFederationList();
    ASSERT_EQ(feds.GetSize(), 6);
    for (int i = 0; i < feds.GetSize(); ++i) EXPECT_EQ(feds.GetAt(i)->GetId(), i);
    std::map<int, std::set<int>> ranks;
    for (const auto& m : kMapCountries) EXPECT_EQ(countries.GetAt(m.id)->GetName(), m.name);
    for (int i = 0; i < countries.GetSize(); ++i) {
        const CCountry* c = countries.GetAt(i);
        EXPECT_LT(c->GetCurrency(), world->GetCurrencyList().GetSize());
        EXPECT_LT(c->GetFederation(), feds.GetSize());
        EXPECT_GE(c->GetWageFactor(), 1);
        EXPECT_LE(c->GetWageFactor(), 160);
        EXPECT_EQ(c->GetSeasonKind(), 0);
        EXPECT_TRUE(c->GetSeasonStartDay() >= 1 && c->GetSeasonStartDay() <= 103);
        EXPECT_TRUE(c->GetSeasonEndDay() >= 1 && c->GetSeasonEndDay() <= 103);
        EXPECT_EQ(c->GetDeadlineDays().GetSize() % 2, 0);
        for (uint8_t d : c->GetDeadlineDays()) EXPECT_TRUE(d >= 1 && d <= 103);
        EXPECT_EQ(c->GetThirdName().size(), 3u);
        EXPECT_EQ(c->GetNationalityName(), c->GetSecondName());
        if (i == 0) {
            EXPECT_EQ(c->GetFederationRank(), 0);
        } else {
            EXPECT_TRUE(ranks[c->GetFederation()].insert(c->GetFederationRank()).second) << c->GetName();
        }
        // Every country joined its federation's members as it was read.
        EXPECT_GE(feds.GetAt(c->GetFederation())->GetMembers().Find(static_cast<uint32_t>(i)), 0);
    }
    EXPECT_EQ(countries.GetAt(55)->GetNationalityName(), "English");
    EXPECT_EQ(countries.GetAt(55)->GetThirdName(), "eng");
    for (const auto& [fed, set] : ranks) {
        int expect = 1;
        for (int r : set) EXPECT_EQ(r, expect++) << "federation " << fed;
    }
    for (int choice = 0; choice < 10; ++choice) {
        const CCountry* c = countries.GetAt(kExchangeTable[choice]);
        const auto& cur = WorldTable().currencies.at(c->GetCurrency());
        EXPECT_EQ(cur.name, kExchange[choice].second);
    }
    std::string s;
    world->GetCurrency(countries.GetAt(55)->GetCurrency())->GetOwnSymbol(s);
    EXPECT_EQ(s, "\xA3");
}

}  // namespace

#include "platform/profile.h"

namespace {

TEST_F(GeneratedWorldFiles, OptionsChangeThereAndBackKeepsOwnMoney) {
    auto world = ReadWith({55, 160});
    ScopedWorld installed(world.get());
    const CCountry* england = world->GetCountry(55);
    const CCountry* spain = world->GetCountry(160);
    std::string before, s;
    england->FormatMoney(before, 1000000);
    EXPECT_EQ(before, "\xA3" "1m");
    spain->FormatMoney(s, 1000000);
    EXPECT_EQ(s, "252m" "Pts");

    world->ChangeCurrencyOptions(0, 0);  // all money in dollars
    EXPECT_EQ(platform::GetProfileInt("Options", "Currency", 1), 0);
    EXPECT_EQ(platform::GetProfileInt("Options", "Exchange", 1), 0);
    england->FormatMoney(s, 1000000);
    EXPECT_EQ(s, "$1,620t");
    spain->FormatMoney(s, 1000000);
    EXPECT_EQ(s, "$1,620t");
    EXPECT_NEAR(spain->ToBaseMoney(1620), 1000, 1e-9);

    world->ChangeCurrencyOptions(1, 7);  // each country's own again
    EXPECT_EQ(GetCurrencyDisplay().exchangeChoice, 1);
    england->FormatMoney(s, 1000000);
    EXPECT_EQ(s, before) << "own-currency texts unchanged after the round trip";
    EXPECT_DOUBLE_EQ(world->GetCurrency(england->GetCurrency())->GetOwnRate(), 1.0);
    EXPECT_DOUBLE_EQ(GetCurrencyDisplay().rate, 1.0) << "the display rate is England's file rate";
}

}  // namespace
