// The league countries' newspapers in the generated "Data\Country.bin":
// mastheads that fit their places, emblems and colour schemes.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "soccerclasses/country.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"
#include "worldtable/worldtable.h"

namespace {

using namespace platform::gfx;

const worldtable::World& PaperWorldTable() {
    static const worldtable::World w = worldtable::Load(testenv::SourceDir() / "assets");
    return w;
}

// The width of a masthead text in the masthead face at an em height.
int PaperTextWidth(const std::string& text, int height, bool italic) {
    Surface s(4, 4, MakePixel(255, 255, 255));
    Canvas cv(s);
    auto font = Font::Create("Times New Roman", -height, 700, italic);
    cv.SelectFont(font);
    return cv.GetTextExtent(text).cx;
}

class NewspaperData : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<CWorldData>();
        world->ReadFederationsAndCountries();
    }
    void TearDown() override {
        world.reset();
        ResetModuleState();
    }
    std::unique_ptr<CWorldData> world;
};

TEST_F(NewspaperData, EveryLeagueCountryHasAPaperWhoseMastheadsFit) {
    int papers = 0;
    std::set<std::string> names;
    for (const auto& c : PaperWorldTable().countries) {
        const CCountry* country = world->GetCountry(c.id);
        ASSERT_NE(country, nullptr);
        if (!c.HasLeague()) {
            EXPECT_EQ(country->GetNewspaperLogo(), 0) << c.name;
            continue;
        }
        ++papers;
        const std::string t1 = country->GetNewspaperText(1), t2 = country->GetNewspaperText(2),
                          t3 = country->GetNewspaperText(3);
        EXPECT_FALSE(t1.empty() || t2.empty() || t3.empty()) << c.name;
        EXPECT_LE(PaperTextWidth(t1, 39, false), 86) << c.name << ": " << t1;
        EXPECT_LE(PaperTextWidth(t2, 26, false), 108) << c.name << ": " << t2;
        EXPECT_LE(PaperTextWidth(t3, 44, true), 200) << c.name << ": " << t3;
        EXPECT_GE(country->GetNewspaperLogo(), 1) << c.name;
        EXPECT_LE(country->GetNewspaperLogo(), 23) << c.name;
        EXPECT_EQ(country->GetNewspaperLogo() == 23, c.id == 55) << c.name << ": emblem 23 is England's alone";
        EXPECT_LE(country->GetNewspaperScheme(), 3) << c.name;
        EXPECT_TRUE(names.insert(t1 + " " + t2).second) << c.name << " shares its masthead";
        EXPECT_EQ(country->GetNewspaperText(0), "");
        EXPECT_EQ(country->GetNewspaperText(4), "");
    }
    EXPECT_EQ(papers, 71);
}

TEST_F(NewspaperData, AFederationsLeagueCountriesUseMoreThanOneColourScheme) {
    std::map<int, std::set<int>> schemes;
    for (const auto& c : PaperWorldTable().countries)
        if (c.HasLeague()) schemes[c.federation].insert(world->GetCountry(c.id)->GetNewspaperScheme());
    for (const auto& [fed, set] : schemes) EXPECT_GE(set.size(), 2u) << "federation " << fed;
}

}  // namespace
