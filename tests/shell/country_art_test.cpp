// The country page's pictures as the tool draws them: the flag sheets'
// cells, the maps' country raster under the flags, and the keyed buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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

}  // namespace
