// The match clips the generator ships, read back through the game's own
// archive reader and clip decoder: every rule the clip set keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <fstream>
#include <iterator>
#include <set>

#include "catalogue.h"
#include "clipgen.h"
#include "stadium.h"
#include "templates.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "shell/archive.h"
#include "shell/flcclips.h"
#include "shell/flcdecode.h"
#include "support/test_env.h"

namespace {

struct ShippedClip {
    std::vector<std::vector<uint8_t>> frames;  // every frame, decoded
    std::array<uint8_t, 1024> palette{};       // the first frame's
    int transparent = -1;
    int headerFrames = 0;
    std::string fault;
};

class ShippedClipsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes(table_));
    }
    static void TearDownTestSuite() { platform::ResetFolders(); }
    void SetUp() override { platform::SetInstallFolder(testenv::GameDir()); }

    static std::optional<std::vector<uint8_t>> Entry(const std::string& path) {
        auto ref = FindArchiveEntry(path, table_);
        if (!ref) return std::nullopt;
        return ReadArchiveEntry(*ref);
    }
    // Decodes a clip to its last frame as the player does.
    static ShippedClip Decode(const FlcClipRow& row) {
        ShippedClip c;
        auto file = Entry(FlcClipPath(row));
        if (!file) {
            c.fault = "missing";
            return c;
        }
        flc::Header h;
        if (!flc::ReadHeader(*file, h) || h.width != 320 || h.height != 200) {
            c.fault = "header";
            return c;
        }
        c.headerFrames = h.frames;
        std::vector<uint8_t> frame(320 * 200, 0);
        size_t offset = flc::kFileHeaderSize;
        for (int f = 0; f < h.frames; ++f) {
            flc::FrameTarget t{frame.data(), 320, 200, c.palette.data(), &c.transparent, false};
            const flc::FrameResult r = flc::DecodeFrame(*file, offset, t, f == 0);
            if (r != flc::FrameResult::Shown) {
                c.fault = "frame " + std::to_string(f) + " not shown";
                return c;
            }
            c.frames.push_back(frame);
        }
        return c;
    }
    static std::optional<platform::gfx::Bitmap8> Backdrop(const FlcClipRow& row) {
        auto file = Entry(FlcBackdropPath(row));
        if (!file) return std::nullopt;
        return platform::gfx::DecodeBmp8(*file, platform::gfx::PixelStart::AfterPalette);
    }

    static ArchiveTable table_;
};
ArchiveTable ShippedClipsTest::table_;

bool ClipIn(int n, int a, int b) { return n >= a && n <= b; }

// The kit ramps a clip may paint, by its number.
struct RampRule {
    bool sideShirt = true, sideShorts = true, otherShirt = true, otherShorts = true;
};
RampRule RampsOf(int n) {
    RampRule r;
    if (ClipIn(n, 320, 327) || ClipIn(n, 74, 85)) r.otherShorts = false;
    if (ClipIn(n, 382, 385)) r.sideShirt = r.sideShorts = false;
    return r;
}

TEST_F(ShippedClipsTest, EveryClipAndBackdropOpensDecodesAndKeepsThePaletteRules) {
    const std::vector<FlcClipRow>& rows = FlcClipRows();
    ASSERT_EQ(rows.size(), 666u);
    long frames = 0;
    for (const FlcClipRow& row : rows) {
        const ShippedClip c = Decode(row);
        ASSERT_TRUE(c.fault.empty()) << row.number << ": " << c.fault;
        frames += c.headerFrames;
        // Entry 0 is the see-through colour and no other entry has it.
        EXPECT_EQ(c.transparent, 0) << row.number;
        for (int e = 1; e < 256; ++e) {
            const uint8_t* p = c.palette.data() + 4 * e;
            EXPECT_FALSE(p[2] == 252 && p[1] == 0 && p[0] == 140) << row.number << " entry " << e;
            if (e >= 64 && e < 96) { EXPECT_TRUE(p[2] == 0 && p[1] == 128 - 4 * (e - 64) && p[0] == 0) << row.number << " " << e; }
            if (e >= 96 && e < 128) { EXPECT_TRUE(p[2] == 0 && p[1] == 0 && p[0] == 0) << row.number << " " << e; }
            // The kit ramps: neutral greys, each darkening down its 32 entries.
            if (e >= 128) {
                EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << row.number << " " << e;
                if (e % 32 != 0) { EXPECT_LT(p[0], p[-4]) << row.number << " " << e; }
            }
        }
        const RampRule allowed = RampsOf(row.number);
        std::array<bool, 256> used{};
        for (const auto& f : c.frames)
            for (uint8_t v : f) used[v] = true;
        for (int e = 96; e < 128; ++e) { EXPECT_FALSE(used[static_cast<size_t>(e)]) << row.number << " paints " << e; }
        for (int e = 128; e < 256; ++e) {
            const bool ok = e < 160 ? allowed.sideShirt : e < 192 ? allowed.sideShorts : e < 224 ? allowed.otherShirt : allowed.otherShorts;
            if (!ok) { EXPECT_FALSE(used[static_cast<size_t>(e)]) << row.number << " paints " << e; }
        }
        for (const FlcCue& cue : row.cues) { EXPECT_LT(cue.frame, c.headerFrames) << row.number; }
        auto back = Backdrop(row);
        ASSERT_TRUE(back) << row.number;
        EXPECT_EQ(back->width, 320);
        EXPECT_EQ(back->height, 200);
        // The turf is drawn in the grass ramp's greens, so the shadows and
        // turf of the frames match it.
        int turf = 0;
        for (uint8_t v : back->pixels) turf += v >= 64 && v < 96;
        EXPECT_GT(turf, 320 * 200 / 10) << row.number;
        for (int k = 0; k < 32; ++k) {
            const uint8_t* p = back->palette.data() + 4 * (64 + k);
            EXPECT_TRUE(p[2] == 0 && p[1] == 128 - 4 * k && p[0] == 0) << row.number << " backdrop entry " << 64 + k;
        }
    }
    // The check the game itself runs, over the archives it loads.
    ASSERT_TRUE(LoadArchiveIndexes());
    const std::vector<std::string> faults = CheckFlcClipFiles(rows);
    FreeArchiveIndexes();
    EXPECT_TRUE(faults.empty()) << faults.front();
    // About five to eight minutes of clips a league match.
    EXPECT_GT(frames / 666, 20);
    EXPECT_LT(frames / 666, 45);
}

// A clip that draws nobody in its camera's view shows a bare backdrop;
// only the empty stadium after the final whistle may.
TEST_F(ShippedClipsTest, EveryClipButTheEmptyStadiumShowsItsActorsInEveryFrame) {
    for (const FlcClipRow& row : FlcClipRows()) {
        if (row.number == 0) continue;
        const ShippedClip c = Decode(row);
        ASSERT_TRUE(c.fault.empty()) << row.number;
        size_t fewest = SIZE_MAX;
        for (const auto& f : c.frames)
            fewest = std::min(fewest, static_cast<size_t>(std::count_if(f.begin(), f.end(), [](uint8_t v) { return v != 0; })));
        EXPECT_GE(fewest, 150u) << "clip " << row.number << " (" << row.name << ") is nearly empty in a frame";
    }
}

// Clips stored as they are; backdrops packed only where that pays, and one
// stored copy of each picture however many clips show it.
TEST_F(ShippedClipsTest, TheArchiveStoresClipsUnpackedAndEachDistinctBackdropOnce) {
    std::map<uint32_t, std::vector<uint8_t>> backdropAt;
    std::set<std::vector<uint8_t>> distinct;
    for (const FlcClipRow& row : FlcClipRows()) {
        auto clip = FindArchiveEntry(FlcClipPath(row), table_);
        ASSERT_TRUE(clip) << row.number;
        EXPECT_EQ(clip->record.packed, 0u) << row.number;
        auto back = FindArchiveEntry(FlcBackdropPath(row), table_);
        ASSERT_TRUE(back) << row.number;
        if (back->record.packed) { EXPECT_LT(back->record.storedSize, back->record.unpackedSize) << row.number; }
        auto bytes = ReadArchiveEntry(*back);
        ASSERT_TRUE(bytes) << row.number;
        auto [it, fresh] = backdropAt.emplace(back->record.offset, *bytes);
        if (!fresh) { EXPECT_TRUE(it->second == *bytes) << row.number << " shares storage with another picture"; }
        distinct.insert(*bytes);
    }
    // As many stored backdrops as different pictures, and far fewer than clips.
    EXPECT_EQ(backdropAt.size(), distinct.size());
    EXPECT_LT(distinct.size(), 40u);
}

TEST_F(ShippedClipsTest, MirrorPairsAreFlippedPixelForPixelWithTheEndColumnMirrored) {
    int pairs = 0;
    for (int n = 0; n < kFlcClipCount; ++n) {
        const int m = FlcEndSwap(n);
        if (m <= n) continue;
        ++pairs;
        const FlcClipRow* a = FlcClipAt(n);
        const FlcClipRow* b = FlcClipAt(m);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(a->kind, b->kind) << n;
        EXPECT_EQ(a->side, b->side) << n;
        EXPECT_EQ(a->endRow, b->endRow) << n;
        EXPECT_EQ(a->endColumn < 0 ? -1 : 12 - a->endColumn, b->endColumn) << n;
        ASSERT_EQ(a->cues.size(), b->cues.size()) << n;
        for (size_t i = 0; i < a->cues.size(); ++i) {
            EXPECT_EQ(a->cues[i].frame, b->cues[i].frame);
            EXPECT_EQ(a->cues[i].slot, b->cues[i].slot);
        }
        // One of the two names ends in L, the other in R.
        EXPECT_NE(a->name.back(), b->name.back()) << n;
        const ShippedClip ca = Decode(*a), cb = Decode(*b);
        ASSERT_EQ(ca.frames.size(), cb.frames.size()) << n;
        for (size_t f = 0; f < ca.frames.size(); ++f)
            for (int y = 0; y < 200; ++y)
                ASSERT_TRUE(std::equal(ca.frames[f].begin() + y * 320, ca.frames[f].begin() + y * 320 + 320,
                                       cb.frames[f].rbegin() + (199 - y) * 320))
                    << n << "/" << m << " frame " << f << " line " << y;
        auto ba = Backdrop(*a), bb = Backdrop(*b);
        ASSERT_TRUE(ba && bb);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x) {
                const uint8_t* pa = ba->palette.data() + 4 * ba->pixels[static_cast<size_t>(y * 320 + x)];
                const uint8_t* pb = bb->palette.data() + 4 * bb->pixels[static_cast<size_t>(y * 320 + 319 - x)];
                ASSERT_TRUE(std::equal(pa, pa + 3, pb)) << n << " backdrop at " << x << "," << y;
            }
    }
    EXPECT_GT(pairs, 250);
}

TEST_F(ShippedClipsTest, NamesKindsSidesEndsAndCuesFollowTheCatalogueRules) {
    const std::map<std::string, std::string> stems = {
        {"Shots", "shot"}, {"Fouls", "foul"}, {"Free-Kick", "freekick"}, {"Fillers", "filler"}, {"Corners", "corner"},
        {"Penalties", "penalty"}, {"Headers", "header"}, {"Celebrations", "celebrate"}, {"Injured", "injury"},
        {"Own-Goal", "owngoal"}, {"Referee", "referee"}, {"Substitutions", "sub"}, {"Off-Ball", "offball"},
        {"Manager", "manager"}, {"Post-Match", "postmatch"}, {"Kick-Off", "kickoff"}, {"Crosses", "cross"},
        {"Ref_Assist", "assistant"}, {"Pre-Match", "prematch"}, {"Half Time", "halftime"}};
    for (const FlcClipRow& row : FlcClipRows()) {
        const int n = row.number;
        const size_t slash = row.name.find('\\');
        ASSERT_NE(slash, std::string::npos);
        const std::string folder = row.name.substr(0, slash);
        char expect[40];
        std::snprintf(expect, sizeof expect, "%s%03d", stems.at(folder).c_str(), n);
        EXPECT_EQ(row.name.substr(slash + 1, row.name.size() - slash - 2), expect) << n;
        const char end = row.name.back();
        EXPECT_TRUE(end == 'L' || end == 'R') << n;
        if (FlcEndSwap(n) == n) { EXPECT_EQ(end, 'L') << n << " has no mirror"; }
        EXPECT_LE(row.name.size() + 4, 47u);
        // Goals count for the clip side, own goals for the other.
        EXPECT_EQ(row.side, row.kind == kClipGoal ? (ClipIn(n, 328, 345) ? 2 : 1) : 0) << n;
        if (clipgen::IsNeutralClip(n)) {
            EXPECT_TRUE((row.endColumn == -1 && row.endRow == -1) || (row.endColumn == 6 && row.endRow == 4)) << n;
        }
        for (size_t i = 0; i < row.cues.size(); ++i) {
            EXPECT_TRUE(row.cues[i].slot >= 22 && row.cues[i].slot <= 27) << n;
            if (i) { EXPECT_GT(row.cues[i].frame, row.cues[i - 1].frame) << n; }
        }
        // Every goal is heard, after the kick that scores it; every near
        // miss and save draws the crowd's "ooh"; a celebration opens with
        // the roar.
        auto firstOf = [&](std::initializer_list<int> slots) {
            for (const FlcCue& c : row.cues)
                if (std::find(slots.begin(), slots.end(), c.slot) != slots.end()) return static_cast<int>(c.frame);
            return -1;
        };
        if (row.kind == kClipGoal) {
            EXPECT_GE(firstOf({27}), 0) << n;
            EXPECT_GE(firstOf({22, 23, 25}), 0) << n << " scores without a kick";
            EXPECT_LT(firstOf({22, 23, 25}), firstOf({27})) << n;
        }
        if (row.kind == kClipMiss) { EXPECT_GE(firstOf({26}), 0) << n; }
        if (ClipIn(n, 49, 60)) {
            ASSERT_FALSE(row.cues.empty()) << n;
            EXPECT_EQ(row.cues.front().frame, 0) << n;
            EXPECT_EQ(row.cues.front().slot, 27) << n;
        }
    }
    // The kinds the numbers carry by value.
    EXPECT_EQ(FlcClipAt(0)->kind, kClipMatchPhase);
    EXPECT_EQ(FlcClipAt(1)->kind, kClipInjury);
    EXPECT_EQ(FlcClipAt(404)->kind, kClipGoal);
    EXPECT_EQ(FlcClipAt(408)->kind, kClipMiss);
    EXPECT_EQ(FlcClipAt(412)->kind, kClipMiss);
    EXPECT_EQ(FlcClipAt(558)->kind, kClipPlay);
    EXPECT_EQ(FlcClipAt(378)->kind, kClipPenaltyRunUp);
    EXPECT_EQ(FlcClipAt(394)->kind, kClipMatchPhase);
    const auto wad = platform::FindGameFile("gfx\\flc.wad");
    ASSERT_TRUE(wad);
    EXPECT_LE(std::filesystem::file_size(*wad), 64u * 1024 * 1024);
}

TEST_F(ShippedClipsTest, EachTemplateRendersTheSameBytesAsTheShippedClip) {
    std::string text;
    {
        std::ifstream in(testenv::SourceDir() / "assets" / "flc" / "scenes.txt", std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<clipgen::ClipSpec> specs;
    std::string error;
    ASSERT_TRUE(clipgen::ParseCatalogue(text, specs, &error)) << error;
    std::set<std::string> done;
    for (const clipgen::ClipSpec& s : specs) {
        if (s.mirrorOf >= 0 || !done.insert(s.tmpl + (s.params.count("act") ? s.params.at("act") : "")).second) continue;
        clipgen::RenderedClip r;
        ASSERT_TRUE(clipgen::RenderClip(s, r, &error)) << s.number << ": " << error;
        const std::vector<uint8_t> bytes = clipgen::EncodeClip(r.frames, false, false);
        EXPECT_EQ(bytes, clipgen::EncodeClip(r.frames, false, false));
        auto shipped = Entry(FlcClipPath(*FlcClipAt(s.number)));
        ASSERT_TRUE(shipped);
        EXPECT_TRUE(*shipped == bytes) << "clip " << s.number << " differs from the shipped one";
    }
    EXPECT_GE(done.size(), 7u);
}

// The fillers' restarts begin where the laws put the ball (over the
// thrower's head beyond a touchline, in the goal area, in the keeper's
// hands), and every filler keeps the ball in its camera's view as it opens
// and as it ends. Every other clip opens with the ball in view unless it
// comes in as a cross from within 10 m of a touchline.
TEST(ShippedClipScenes, FillersOpenWithTheBallWhereTheRestartIsTakenAndKeepItInView) {
    std::string text;
    {
        std::ifstream in(testenv::SourceDir() / "assets" / "flc" / "scenes.txt", std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<clipgen::ClipSpec> specs;
    std::string error;
    ASSERT_TRUE(clipgen::ParseCatalogue(text, specs, &error)) << error;
    std::map<std::string, int> restarts;
    for (const clipgen::ClipSpec& s : specs) {
        if (s.mirrorOf >= 0) continue;
        clipgen::Scene scene;
        ASSERT_TRUE(clipgen::BuildScene(s, scene, &error)) << s.number << ": " << error;
        const bool filler = s.number >= 15 && s.number <= 48;
        if (!filler) {
            const double y = scene.ball.empty() ? 0 : scene.BallAt(0).y;
            if (scene.ball.empty() || y < 10 || y > clipgen::kPitchWidth - 10) continue;
        }
        ASSERT_FALSE(scene.ball.empty()) << s.number;
        const art::Camera cam = clipgen::MakeCamera(*clipgen::FindCamera(scene.camera));
        for (int f : {0, scene.frames - 1}) {
            if (!filler && f > 0) continue;
            const art::Vec3 b = scene.BallAt(f);
            const art::ScreenPoint p = cam.Project(b);
            EXPECT_TRUE(p.visible && p.x >= 0 && p.x < 320 && p.y >= 0 && p.y < 200)
                << s.number << " frame " << f << " ball at " << b.x << "," << b.y;
        }
        if (!filler) continue;
        const art::Vec3 start = scene.BallAt(0);
        const std::string act = s.params.count("act") ? s.params.at("act") : s.params.at("finish");
        ++restarts[act];
        if (act == "throwin") {
            EXPECT_TRUE(start.y < 0 || start.y > clipgen::kPitchWidth) << s.number;
            EXPECT_GT(start.z, 1.9) << s.number;
        }
        if (act == "goalkick") {
            EXPECT_GE(start.x, clipgen::kPitchLength - 5.5) << s.number;
            EXPECT_LT(std::abs(start.y - clipgen::kPitchWidth / 2), 9.16) << s.number;
            EXPECT_EQ(start.z, 0) << s.number;
        }
        if (act == "keeperthrow") {
            EXPECT_GE(start.x, clipgen::kPitchLength - 16.5) << s.number;
            EXPECT_GT(start.z, 0.8) << s.number;
        }
    }
    // Each kind of restart, and the interceptions, among the fillers.
    for (const char* kind : {"throwin", "goalkick", "keeperthrow", "intercept", "pass", "clear", "dribble"})
        EXPECT_GE(restarts[kind], 1) << kind;
}

TEST(ShippedShortClips, TheSameNamesEachOfTwoFramesThatDecode) {
    // The short set stands in for the clips; every other file comes from
    // the game, as a whole-match test lays them out.
    platform::SetInstallFolder(testenv::GameDir() / "shortclips");
    platform::SetDiscFolder(testenv::GameDir());
    ArchiveTable shortTable;
    ASSERT_TRUE(LoadArchiveIndexes(shortTable));
    for (const FlcClipRow& row : FlcClipRows()) {
        auto ref = FindArchiveEntry(FlcClipPath(row), shortTable);
        ASSERT_TRUE(ref) << row.name;
        auto file = ReadArchiveEntry(*ref);
        ASSERT_TRUE(file) << row.name;
        flc::Header h;
        ASSERT_TRUE(flc::ReadHeader(*file, h)) << row.name;
        EXPECT_EQ(h.frames, 2) << row.name;
        std::vector<uint8_t> frame(320 * 200);
        std::array<uint8_t, 1024> palette{};
        int transparent = -1;
        size_t offset = flc::kFileHeaderSize;
        for (int f = 0; f < h.frames; ++f) {
            flc::FrameTarget t{frame.data(), 320, 200, palette.data(), &transparent, false};
            EXPECT_EQ(flc::DecodeFrame(*file, offset, t, f == 0), flc::FrameResult::Shown) << row.name;
        }
        EXPECT_TRUE(FindArchiveEntry(FlcBackdropPath(row), shortTable)) << row.name;
    }
    platform::ResetFolders();
}

}  // namespace
