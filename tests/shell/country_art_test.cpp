// The country page's pictures as the tool draws them: the flag sheets'
// cells, the maps' country raster under the flags, and the keyed buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "pictures.h"
#include "platform/gfx/png.h"
#include "soccerclasses/selectablecountries.h"
#include "support/test_env.h"

namespace {

using platform::gfx::Bitmap8;

struct CountryArtRgb {
    int r, g, b;
};

CountryArtRgb CountryArtPixel(const Bitmap8& b, int x, int y) {
    const uint8_t i = b.pixels[static_cast<size_t>(y * b.width + x)];
    return {b.palette[i * 4u + 2], b.palette[i * 4u + 1], b.palette[i * 4u]};
}

class CountryArtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pictures = new std::map<std::string, Bitmap8>();
        for (art::Picture& p : art::CountryPictures(testenv::SourceDir() / "assets"))
            (*pictures)[p.archive + "\\" + p.entry] = std::move(p.bitmap);
        // Pictures for people to look at; never the check.
        const auto dir = testenv::BuildDir() / "title-shots";
        std::filesystem::create_directories(dir);
        for (const char* name : {"backgrounds\\countryselectioneurope.bmp", "backgrounds\\countryselectionworld.bmp",
                                 "flags\\flags.bmp", "flags\\flagslo.bmp"}) {
            const Bitmap8& b = pictures->at(name);
            platform::gfx::Surface s(b.width, b.height);
            for (int y = 0; y < b.height; ++y)
                for (int x = 0; x < b.width; ++x) {
                    const CountryArtRgb c = CountryArtPixel(b, x, y);
                    s.Row(y)[x] = platform::gfx::MakePixel(c.r, c.g, c.b);
                }
            std::string file = std::string(name).substr(std::string(name).find('\\') + 1);
            platform::gfx::WritePng(s, dir / (file + ".png"));
        }
    }
    static void TearDownTestSuite() {
        delete pictures;
        pictures = nullptr;
    }
    static std::map<std::string, Bitmap8>* pictures;
};
std::map<std::string, Bitmap8>* CountryArtTest::pictures = nullptr;

TEST_F(CountryArtTest, FlagSheetsHoldEveryMapCountryAndTheDimSheetIsDarker) {
    const Bitmap8& bright = pictures->at("flags\\flags.bmp");
    const Bitmap8& dim = pictures->at("flags\\flagslo.bmp");
    for (const Bitmap8* b : {&bright, &dim}) {
        EXPECT_EQ(b->width, 120);
        EXPECT_EQ(b->height, 144);
    }
    // The unused cells: Europe's last row has its 49th entry at column 6 of
    // row 6, so the first unused cell is World row 10, column 1.
    const CountryArtRgb unused = CountryArtPixel(bright, 17 * 1 + 9, 13 * 10 + 7);
    for (const SelectableCountry& c : GetSelectableCountries()) {
        const int column = c.order % 7, row = (c.map == SelectableCountry::kEurope ? 0 : 7) + c.order / 7;
        int differs = 0, brighterSum = 0, dimSum = 0;
        for (int y = 1; y < 13; ++y)
            for (int x = 1; x < 17; ++x) {
                const CountryArtRgb p = CountryArtPixel(bright, 17 * column + x, 13 * row + y);
                const CountryArtRgb q = CountryArtPixel(dim, 17 * column + x, 13 * row + y);
                differs += p.r != unused.r || p.g != unused.g || p.b != unused.b;
                brighterSum += p.r + p.g + p.b;
                dimSum += q.r + q.g + q.b;
                EXPECT_LE(q.r + q.g + q.b, p.r + p.g + p.b + 12) << c.name << " at " << x << "," << y;
            }
        EXPECT_GT(differs, 100) << c.name << " is drawn in its cell";
        EXPECT_LT(dimSum * 2, brighterSum) << c.name << " is dimmed";
    }
}

TEST_F(CountryArtTest, EveryFlagStandsOnItsOwnCountryAndEveryCountryIsVisible) {
    for (bool europe : {true, false}) {
        const std::vector<int> raster = art::CountryMapRaster(testenv::SourceDir() / "assets", europe);
        ASSERT_EQ(raster.size(), 788u * 550u);
        std::map<int, int> pixels;
        for (int id : raster) ++pixels[id];
        for (const SelectableCountry& c : GetMapCountries(europe ? SelectableCountry::kEurope : SelectableCountry::kWorld)) {
            const int cx = c.flagX + 9, cy = c.flagY + 7;
            EXPECT_EQ(raster[static_cast<size_t>(cy * 788 + cx)], c.id) << c.name;
            EXPECT_GE(pixels[c.id], 12) << c.name;
        }
        // No land in the header, the tab strip or under the group buttons.
        for (int x = 0; x < 788; ++x) {
            EXPECT_EQ(raster[static_cast<size_t>(50 * 788 + x)], 0);
            EXPECT_EQ(raster[static_cast<size_t>(105 * 788 + x)], 0);
        }
        for (int x = 17; x < (europe ? 266 : 140); ++x) EXPECT_EQ(raster[static_cast<size_t>(530 * 788 + x)], 0);
    }
}

TEST_F(CountryArtTest, ButtonsAndMapsHaveTheirSizesAndTheKeyIsExact) {
    struct Case {
        const char* name;
        int w, h;
        bool keyed;
    };
    const Case cases[] = {{"buttons\\blankcountry.bmp", 60, 24, true},
                          {"buttons\\4upblank.bmp", 120, 32, true},
                          {"backgrounds\\countryselectioneurope.bmp", 788, 550, false},
                          {"backgrounds\\countryselectionworld.bmp", 788, 550, false},
                          {"backgrounds\\data selection2.bmp", 788, 550, false}};
    for (const Case& c : cases) {
        const Bitmap8& b = pictures->at(c.name);
        EXPECT_EQ(b.width, c.w) << c.name;
        EXPECT_EQ(b.height, c.h) << c.name;
        int key = 0, nearKey = 0;
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) {
                const CountryArtRgb p = CountryArtPixel(b, x, y);
                if (p.r == 255 && p.g == 0 && p.b == 143) ++key;
                else if (std::abs(p.r - 255) < 8 && p.g < 8 && std::abs(p.b - 143) < 8) ++nearKey;
            }
        EXPECT_EQ(key > 0, c.keyed) << c.name;
        EXPECT_EQ(nearKey, 0) << c.name;
    }
}

// The maps place real outlines: each anchor lands exactly on its flag's
// centre and the warp never folds the land over itself.
TEST_F(CountryArtTest, TheMapWarpHitsEveryFlagAndDoesNotFold) {
    const auto assets = testenv::SourceDir() / "assets";
    std::map<int, std::pair<double, double>> anchors;
    std::ifstream table(assets / "maps" / "outlines.txt");
    std::string header;
    std::getline(table, header);
    std::string second;
    std::getline(table, second);
    EXPECT_NE((header + second).find("Natural Earth"), std::string::npos) << "the table names its source";
    for (std::string line; std::getline(table, line);) {
        if (line.rfind("anchor ", 0) != 0) continue;
        int id = 0;
        double lon = 0, lat = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "anchor %d %lf %lf", &id, &lon, &lat), 3) << line;
        anchors[id] = {lon, lat};
    }
    for (bool europe : {true, false}) {
        const art::CountryMapProjection projection(assets, europe);
        for (const SelectableCountry& c : GetMapCountries(europe ? SelectableCountry::kEurope : SelectableCountry::kWorld)) {
            ASSERT_TRUE(anchors.count(c.id)) << c.name;
            const auto [x, y] = projection.Map(anchors[c.id].first, anchors[c.id].second);
            EXPECT_NEAR(x, c.flagX + 9, 1e-6) << c.name;
            EXPECT_NEAR(y, c.flagY + 7, 1e-6) << c.name;
        }
        // The Jacobian over a fine grid of every point that lands on the map
        // panel, by central differences.
        int sampled = 0, folded = 0;
        const double step = europe ? 0.25 : 0.75, h = 1e-4;
        for (double lat = -75; lat <= 85; lat += step)
            for (double lon = -180; lon <= 190; lon += step) {
                const auto [x, y] = projection.Map(lon, lat);
                if (x < 0 || x >= 788 || y < 117 || y >= 550) continue;
                const auto e0 = projection.Map(lon - h, lat), e1 = projection.Map(lon + h, lat);
                const auto n0 = projection.Map(lon, lat - h), n1 = projection.Map(lon, lat + h);
                // East goes right and north goes up: with y down, the
                // determinant of (d/dlon, d/dlat) is negative when unfolded.
                const double det = (e1.first - e0.first) * (n1.second - n0.second) -
                                   (e1.second - e0.second) * (n1.first - n0.first);
                ++sampled;
                if (det >= 0) ++folded;
            }
        EXPECT_GT(sampled, 1000);
        EXPECT_EQ(folded, 0) << (europe ? "Europe" : "World");
    }
}

// The borders of 1999 and the British home nations.
TEST_F(CountryArtTest, TheEuropeMapDrawsTheBordersOf1999) {
    const auto assets = testenv::SourceDir() / "assets";
    const std::vector<int> raster = art::CountryMapRaster(assets, true);
    const art::CountryMapProjection projection(assets, true);
    struct Case {
        const char* place;
        double lon, lat;
        int id;
    };
    const Case cases[] = {{"Crimea", 34.2, 45.1, 179},     {"Montenegro", 19.26, 42.60, 190},
                          {"Kosovo", 20.90, 42.55, 190},   {"northern Cyprus", 33.70, 35.30, 46},
                          {"Glasgow", -4.25, 55.86, 150},  {"the Highlands", -4.5, 57.3, 150},
                          {"mid Wales", -3.7, 52.4, 187},  {"York", -1.08, 53.96, 55},
                          {"Northern Ireland", -6.6, 54.6, 127}, {"Dublin", -7.2, 53.2, 140}};
    for (const Case& c : cases) {
        const auto [x, y] = projection.Map(c.lon, c.lat);
        const int id = raster[static_cast<size_t>(static_cast<int>(y) * 788 + static_cast<int>(x))];
        EXPECT_EQ(id, c.id) << c.place;
    }
    std::map<int, int> pixels;
    for (int id : raster) ++pixels[id];
    for (int id : {55, 150, 187, 127}) EXPECT_GT(pixels[id], 150) << id << " is more than its flag's disc";
}

// The flag table holds the designs flown in 1999: each case names colours
// that must each cover a share of the flag, which today's designs (Georgia's
// five crosses, a plain bicolour for Wales or Belarus) would not.
TEST_F(CountryArtTest, TheFlagTableHoldsThe1999Designs) {
    std::map<std::string, art::FlagDesign> designs;
    for (art::FlagDesign& d : art::ReadFlagTable(testenv::SourceDir() / "assets")) designs[d.code] = d;
    struct Share {
        int r, g, b;
        double least;  // share of the flag's pixels near this colour
    };
    struct Case {
        const char* code;
        std::vector<Share> shares;
    };
    const Case cases[] = {
        {"yug", {{12, 64, 118, 0.25}, {255, 255, 255, 0.25}, {198, 54, 60, 0.25}}},
        {"bih", {{0, 35, 149, 0.35}, {254, 203, 0, 0.15}, {255, 255, 255, 0.01}}},
        {"mkd", {{210, 0, 0, 0.3}, {255, 230, 0, 0.25}}},
        {"blr", {{200, 49, 62, 0.4}, {74, 166, 87, 0.2}, {255, 255, 255, 0.04}}},
        {"geo", {{140, 28, 43, 0.6}, {0, 0, 0, 0.05}, {255, 255, 255, 0.05}}},
        {"hkg", {{222, 41, 16, 0.55}, {255, 255, 255, 0.05}}},
        {"rsa", {{224, 60, 49, 0.1}, {0, 20, 137, 0.1}, {0, 119, 73, 0.1}, {255, 255, 255, 0.03},
                 {255, 182, 18, 0.02}, {0, 0, 0, 0.03}}},
        {"eng", {{255, 255, 255, 0.5}, {206, 17, 36, 0.2}}},
        {"sco", {{0, 94, 184, 0.5}, {255, 255, 255, 0.06}}},
        {"wal", {{255, 255, 255, 0.25}, {0, 177, 64, 0.25}, {211, 7, 49, 0.08}}},
        {"nir", {{255, 255, 255, 0.3}, {206, 17, 36, 0.2}, {242, 194, 0, 0.005}}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(designs.count(c.code)) << c.code;
        const art::FlagDesign& d = designs[c.code];
        const platform::gfx::Surface flag = art::FlagSurface(d.pattern, d.colours, 60, 40);
        for (const Share& share : c.shares) {
            int near = 0, all = 0;
            for (int y = 1; y < 39; ++y)
                for (int x = 1; x < 59; ++x, ++all) {
                    const platform::gfx::Pixel p = flag.Row(y)[x];
                    near += std::abs(platform::gfx::PixelR(p) - share.r) + std::abs(platform::gfx::PixelG(p) - share.g) +
                                std::abs(platform::gfx::PixelB(p) - share.b) < 60;
                }
            EXPECT_GE(near, share.least * all) << c.code << " (" << share.r << "," << share.g << "," << share.b << ")";
        }
    }
    // The Ulster banner is not St George's cross.
    const platform::gfx::Surface eng = art::FlagSurface(designs["eng"].pattern, designs["eng"].colours, 60, 40);
    const platform::gfx::Surface nir = art::FlagSurface(designs["nir"].pattern, designs["nir"].colours, 60, 40);
    int differ = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) differ += eng.Row(y)[x] != nir.Row(y)[x];
    EXPECT_GT(differ, 60);
}

}  // namespace

