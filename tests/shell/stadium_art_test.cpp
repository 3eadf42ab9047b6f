// The stadium archive: every name the pages can ask for is shipped, at its
// view's size, and the side view's layers compose into the ground the
// renderer draws in one pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "shell/archive.h"
#include "shell/stadiumparts.h"
#include "soccerclasses/stadium.h"
#include "stadium_model.h"
#include "support/test_env.h"

using namespace platform::gfx;
namespace parts = stadiumparts;

namespace {

class StadiumArchiveTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes(stadiumTable_));
    }
    static void TearDownTestSuite() { platform::ResetFolders(); }
    void SetUp() override { platform::SetInstallFolder(testenv::GameDir()); }

    static std::optional<Bitmap8> Picture(const std::string& entry) {
        auto bytes = LoadArchiveEntry(parts::PicturePath(entry), nullptr, stadiumTable_);
        if (!bytes) return std::nullopt;
        return DecodeBmp8(*bytes);
    }
    static Surface PictureSurface(const std::string& entry) {
        auto b = Picture(entry);
        return b ? ToSurface(*b) : Surface{};
    }
    static ArchiveTable stadiumTable_;
};
ArchiveTable StadiumArchiveTest::stadiumTable_;

// Every layout the stand rules allow for one stand, its neighbours as large as can be.
std::vector<StandLayout> StadiumLegalLayouts(int stand) {
    std::vector<StandLayout> out;
    for (uint8_t size = 0; size <= 5; ++size)
        for (uint8_t roof = 0; roof <= 3; ++roof)
            for (uint8_t seating = 0; seating <= 2; ++seating)
                for (uint8_t boxes = 0; boxes <= 1; ++boxes) {
                    std::array<StandLayout, 8> ground;
                    ground.fill(StandLayout{5, 0, 1, 0});
                    ground[static_cast<size_t>(stand - 1)] = StandLayout{size, roof, seating, boxes};
                    if (CheckStandLayout(stand - 1, ground, false).empty() || (parts::IsCorner(stand) && size == 0 && roof == 0 && seating == 0))
                        out.push_back({size, roof, seating, boxes});
                }
    return out;
}

int StadiumChannelGap(Pixel a, Pixel b) {
    return std::max({std::abs(PixelR(a) - PixelR(b)), std::abs(PixelG(a) - PixelG(b)), std::abs(PixelB(a) - PixelB(b))});
}

TEST(StadiumNames, EveryLayoutTheStandRulesAllowNamesOneOfTheNineHundredAndEightyFourPictures) {
    const std::vector<std::string> all = parts::AllEntries();
    const std::set<std::string> names(all.begin(), all.end());
    EXPECT_EQ(all.size(), 984u);
    EXPECT_EQ(names.size(), all.size());
    int plans = 0, elevations = 0, sides = 0;
    for (const std::string& n : all) {
        plans += n.rfind("plans\\", 0) == 0;
        elevations += n.rfind("stan3d\\", 0) == 0;
        sides += n.rfind("stad3d\\", 0) == 0;
    }
    EXPECT_EQ(plans, 416 + 14);
    EXPECT_EQ(elevations, 149);
    EXPECT_EQ(sides, 405);
    for (int stand = 1; stand <= 8; ++stand) {
        SCOPED_TRACE(stand);
        for (const StandLayout& l : StadiumLegalLayouts(stand)) {
            for (bool dev : {false, true}) {
                EXPECT_TRUE(names.count(parts::PlanPartEntry(stand, l, dev))) << parts::PlanPartEntry(stand, l, dev);
                EXPECT_TRUE(names.count(parts::SideViewEntry(stand, l, dev))) << parts::SideViewEntry(stand, l, dev);
            }
            EXPECT_TRUE(names.count(parts::ElevationEntry(stand, l))) << parts::ElevationEntry(stand, l);
            EXPECT_TRUE(names.count(parts::MarkEntry(stand, l.size, true)));
            EXPECT_TRUE(names.count(parts::MarkEntry(stand, l.size, false)));
        }
    }
    EXPECT_EQ(parts::SideViewEntry(1, StandLayout{0, 0, 0, 1}, false), "stad3d\\stad_nw_vs_lf_nr_ns.bmp")
        << "a corner of size 0 is drawn as size 1";
    EXPECT_EQ(parts::PlanPartEntry(4, StandLayout{3, 2, 2, 1}, false), "plans\\plan_e_m_b_ar_ns.bmp")
        << "a roofed stand is named with its roof and \"ns\"";
    EXPECT_EQ(parts::PlanPartEntry(6, StandLayout{1, 2, 1, 0}, false), "plans\\plan_sw_vs_nf_nr_ns.bmp");
    EXPECT_EQ(parts::PlanPartEntry(7, StandLayout{4, 0, 0, 0}, true), "plans\\plan_s_devl.bmp");
}

TEST(StadiumNames, ThePlanTableInTheAssetsIsTheOneThePagesUse) {
    std::ifstream in(testenv::SourceDir() / "assets" / "stadium" / "plan.txt");
    std::stringstream text;
    text << in.rdbuf();
    std::array<std::array<parts::PlanRect, 6>, 9> rects{};
    ASSERT_TRUE(parts::ParsePlanTable(text.str(), rects));
    for (int part = 0; part <= 8; ++part)
        for (int size = 0; size <= 5; ++size) {
            const parts::PlanRect a = rects[static_cast<size_t>(part)][static_cast<size_t>(size)];
            const parts::PlanRect b = parts::GetPlanRect(part, size);
            EXPECT_TRUE(a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom) << part << " " << size;
        }
    EXPECT_FALSE(parts::ParsePlanTable("0 0 1 2 3\n", rects)) << "a short row";
    EXPECT_FALSE(parts::ParsePlanTable("0 0 336 224 816 544\n", rects)) << "stands missing";
    // The hover text's corner (226, 176) falls on the pitch.
    EXPECT_TRUE(parts::GetPlanRect(0, 0).Contains(226 - parts::kPlanX, 176 - parts::kPlanY));
}

TEST_F(StadiumArchiveTest, EveryPictureIsShippedAtItsViewsSize) {
    for (const std::string& n : parts::AllEntries()) {
        SCOPED_TRACE(n);
        auto b = Picture(n);
        ASSERT_TRUE(b);
        int w = 0, h = 0;
        if (n.rfind("stad3d\\", 0) == 0) {
            w = parts::kSideWidth, h = parts::kSideHeight;
        } else if (n.rfind("stan3d\\", 0) == 0) {
            w = parts::kElevationWidth, h = parts::kElevationHeight;
        } else if (n == "plans\\pitch.bmp" || n == "plans\\darkpitch.bmp") {
            w = parts::GetPlanRect(0, 0).Width(), h = parts::GetPlanRect(0, 0).Height();
        } else if (n.rfind("plans\\select_", 0) == 0) {
            continue;  // the marks' own test
        } else {
            int stand = 0;
            for (int s = 1; s <= 8; ++s)
                if (n.rfind(std::string("plans\\plan_") + parts::DirectionCode(s) + "_", 0) == 0) stand = s;
            ASSERT_GT(stand, 0);
            w = parts::GetEnvelope(stand).Width(), h = parts::GetEnvelope(stand).Height();
        }
        EXPECT_EQ(b->width, w);
        EXPECT_EQ(b->height, h);
    }
}

TEST_F(StadiumArchiveTest, ElevationsLeaveTheirTopRowsToTheSky) {
    const Surface sky = PictureSurface("stan3d\\stand_n_n.bmp");
    ASSERT_FALSE(sky.IsEmpty());
    for (const std::string& n : parts::AllEntries()) {
        if (n.rfind("stan3d\\", 0) != 0) continue;
        const Surface s = PictureSurface(n);
        int off = 0;
        for (int y = 0; y < parts::kElevationSkyRows; ++y)
            for (int x = 0; x < s.Width(); ++x) off += StadiumChannelGap(s.Get(x, y), sky.Get(x, y)) > 24;
        EXPECT_LT(off, 12) << n << ": something stands in the message line's sky";
    }
}

TEST_F(StadiumArchiveTest, MarksAreSymmetricAndKeyedInside) {
    for (bool selected : {true, false})
        for (int size : {0, 4})
            for (int stand : {1, 2, 4}) {
                const std::string n = parts::MarkEntry(stand, size, selected);
                SCOPED_TRACE(n);
                const Surface s = PictureSurface(n);
                const parts::MarkSize m = parts::GetMarkSize(stand, size);
                ASSERT_EQ(s.Width(), m.width);
                ASSERT_EQ(s.Height(), m.height);
                EXPECT_EQ(s.Get(m.width / 2, m.height / 2), kKeyPixel) << "keyed inside";
                int drawn = 0;
                for (int y = 0; y < s.Height(); ++y)
                    for (int x = 0; x < s.Width(); ++x) {
                        const Pixel p = s.Get(x, y);
                        drawn += p != kKeyPixel;
                        EXPECT_EQ(p, s.Get(s.Width() - 1 - x, y));
                        EXPECT_EQ(p, s.Get(x, s.Height() - 1 - y));
                        if (stand == 1) {
                            EXPECT_EQ(p, s.Get(y, x));
                        }
                    }
                EXPECT_GT(drawn, m.width) << "an outline is drawn";
                bool red = false;
                for (int x = 0; x < s.Width() && !red; ++x)
                    red = s.Get(x, s.Height() / 2) != kKeyPixel && PixelR(s.Get(x, s.Height() / 2)) > 180 &&
                          PixelG(s.Get(x, s.Height() / 2)) < 80;
                EXPECT_EQ(red, selected);
            }
}

// Composes a ground's side view from the archive as the page does.
Surface StadiumComposeSideView(const std::array<StandLayout, 8>& stands, const std::array<bool, 8>& dev, bool reverse,
                               Surface (*load)(const std::string&)) {
    Surface out = load(parts::SideViewPitchEntry());
    for (int i = 1; i <= 8; ++i) {
        const int source = reverse ? 9 - i : i;
        const Surface layer = load(parts::SideViewEntry(i, stands[static_cast<size_t>(source - 1)], dev[static_cast<size_t>(source - 1)]));
        for (int y = 0; y < out.Height(); ++y)
            for (int x = 0; x < out.Width(); ++x)
                if (layer.Get(x, y) != kKeyPixel) out.Set(x, y, layer.Get(x, y));
    }
    return out;
}

TEST_F(StadiumArchiveTest, TheSideViewsLayersComposeIntoTheGroundDrawnInOnePass) {
    struct Ground {
        const char* what;
        std::array<StandLayout, 8> stands;
        std::array<bool, 8> dev;
    };
    const Ground grounds[] = {
        {"a large modern ground",
         {StandLayout{4, 3, 0, 1}, {5, 3, 0, 1}, {4, 2, 0, 0}, {5, 3, 0, 1}, {4, 2, 0, 0}, {4, 1, 0, 1}, {5, 2, 0, 1}, {4, 3, 0, 0}},
         {}},
        {"a small ground with works",
         {StandLayout{1, 0, 0, 0}, {2, 1, 0, 0}, {2, 0, 1, 1}, {3, 0, 0, 0}, {2, 0, 2, 0}, {1, 0, 0, 1}, {3, 1, 0, 1}, {2, 0, 0, 0}},
         {false, false, false, true, false, false, false, false}},
    };
    for (const Ground& g : grounds) {
        for (bool reverse : {false, true}) {
            SCOPED_TRACE(std::string(g.what) + (reverse ? ", reversed" : ""));
            std::array<StandLayout, 8> at = g.stands;
            std::array<bool, 8> dev = g.dev;
            if (reverse)
                for (int i = 0; i < 8; ++i) at[static_cast<size_t>(i)] = g.stands[static_cast<size_t>(7 - i)], dev[static_cast<size_t>(i)] = g.dev[static_cast<size_t>(7 - i)];
            const Surface single = stadiumart::RenderWholeGround(at, dev);
            const Surface composed = StadiumComposeSideView(g.stands, g.dev, reverse, &StadiumArchiveTest::PictureSurface);
            ASSERT_EQ(single.Width(), composed.Width());
            ASSERT_EQ(single.Height(), composed.Height());
            int differ = 0;
            for (int y = 0; y < single.Height(); ++y)
                for (int x = 0; x < single.Width(); ++x) differ += StadiumChannelGap(single.Get(x, y), composed.Get(x, y)) > 48;
            EXPECT_LE(differ, single.Width() * single.Height() / 200) << differ << " pixels differ";
        }
    }
}

TEST_F(StadiumArchiveTest, EveryGeneratedStadiumFindsAllItsPictures) {
    CStadiumList list;
    list.ReadDataFile();
    ASSERT_GT(list.GetSize(), 0);
    for (int i = 0; i < list.GetSize(); ++i) {
        const CStadium& s = *list.GetAt(i);
        for (int stand = 1; stand <= 8; ++stand) {
            const StandLayout l = s.stands[stand - 1].layout;
            for (const std::string& n : {parts::PlanPartEntry(stand, l, false), parts::SideViewEntry(stand, l, false),
                                         parts::ElevationEntry(stand, l)})
                EXPECT_TRUE(FindArchiveEntry(parts::PicturePath(n), stadiumTable_)) << s.name << ": " << n;
        }
    }
}

}  // namespace
