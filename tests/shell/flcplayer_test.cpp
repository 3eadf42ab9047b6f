// The animation player on clips our writer made: the queue, opening and
// playing clips through the clip table, the cues, the backdrop and banner
// under and over every frame, the substitution and extra clips, and
// damaged or missing clips skipped rather than played.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "flc_fixture.h"
#include "platform/bytes.h"
#include "platform/gfx/pixelformat.h"
#include "platform/trace.h"
#include "shell/flcdecode.h"

namespace flctest {
namespace {

using platform::gfx::MakePixel;

TEST_F(FlcPageTest, WrittenFramesArePlayedBackExactly) {
    Install({{1, 6}});
    ASSERT_TRUE(page->PushFlcEvent(1, 0));
    ASSERT_EQ(page->StartFlcClip(), 0);
    const FlcPlayerState& f = page->FlcState();
    EXPECT_EQ(f.clip, 1);
    EXPECT_EQ(f.frame, ClipFrame(kClipW, kClipH, 0));
    EXPECT_EQ(page->m_nTransparentIndex, kSeeThrough);
    for (int i = 1; i < 6; ++i) {
        ASSERT_EQ(page->NextFlcFrame(), -1) << "frame " << i;
        EXPECT_EQ(f.frame, ClipFrame(kClipW, kClipH, i)) << "frame " << i;
        EXPECT_EQ(f.frameCounter, i + 1);
    }
    // The clip is over and nothing else is queued.
    EXPECT_EQ(page->NextFlcFrame(), 1 + 1000);
    EXPECT_FALSE(f.open);
}

TEST_F(FlcPageTest, EveryFrameIsMixedOverItsBackdropAndTheBannerDrawnAfter) {
    Install();
    page->m_nMatchState = kBannerNone;
    ASSERT_TRUE(page->PushFlcEvent(1, 0));
    ASSERT_EQ(page->StartFlcClip(), 0);
    const uint32_t backdrop = MakePixel(0, 90, 30);
    EXPECT_EQ(Scratch(2, 2), backdrop);             // see-through pixels show the backdrop
    EXPECT_EQ(Scratch(300, 190), backdrop);         // outside the clip
    EXPECT_NE(Scratch(20, 20), backdrop);           // the clip's own pixel
    // Frame 1's see-through block is one pixel wider: the backdrop comes back there.
    EXPECT_NE(Scratch(4, 1), backdrop);
    page->m_nMatchState = kBannerHalfTime;
    ASSERT_EQ(page->NextFlcFrame(), -1);
    EXPECT_EQ(Scratch(4, 1), backdrop);
    // The banner's white letters lie over the frame.
    int white = 0;
    for (int y = 80; y < 115; ++y)
        for (int x = 100; x < 220; ++x) white += Scratch(x, y) == MakePixel(255, 255, 255);
    EXPECT_GT(white, 20);
}

TEST_F(FlcPageTest, CuesPlayWhenTheirFrameIsShown) {
    Install({{20, 35}});
    ASSERT_TRUE(page->PushFlcEvent(20, 1));
    ASSERT_EQ(page->StartFlcClip(), 0);  // the 1st frame: counter 0
    std::vector<int> at23, at22;
    for (int shown = 2; shown <= 35; ++shown) {
        Played(22), Played(23);
        ASSERT_EQ(page->NextFlcFrame(), -1);
        if (Played(23)) at23.push_back(shown);
        if (Played(22)) at22.push_back(shown);
    }
    EXPECT_EQ(at23, std::vector<int>{21});
    EXPECT_EQ(at22, std::vector<int>{31});
}

TEST_F(FlcPageTest, TheClipRowSetsKindEndPositionAndShotFlag) {
    Install();
    EXPECT_EQ(page->GetFlcClipKind(20), 1);
    EXPECT_EQ(page->GetFlcClipKind(21), 2);
    EXPECT_EQ(page->GetFlcClipKind(1), 0);
    EXPECT_EQ(page->GetFlcClipKind(600), 0);  // no row
    page->PushFlcEvent(20, 0);
    platform::TraceCapture trace;
    ASSERT_EQ(page->StartFlcClip(), 0);
    const FlcPlayerState& f = page->FlcState();
    EXPECT_EQ(f.endColumn, 11);
    EXPECT_EQ(f.endRow, 4);
    EXPECT_EQ(f.kind, kClipGoal);
    EXPECT_TRUE(f.shot);
    EXPECT_TRUE(f.started);
    EXPECT_TRUE(trace.Contains("---FLC = 2003--- gfx\\flc\\Shots\\shot01L.flc -Home Side-"));
}

TEST_F(FlcPageTest, AFullQueueRefusesThePushInsteadOfEmptyingItself) {
    Install();
    int kept = 0;
    for (int i = 0; i < 80; ++i) kept += page->PushFlcEvent(1, 0);
    EXPECT_EQ(kept, 79);
    EXPECT_EQ(page->FlcState().QueueCount(), 79);
    EXPECT_FALSE(page->FlcState().QueueEmpty());
    page->CloseFlc(true);
    EXPECT_TRUE(page->FlcState().QueueEmpty());
}

TEST_F(FlcPageTest, MissingClipsAreSkippedAndNothingToPlayAnswersMinusOne) {
    Install({}, {2});
    EXPECT_EQ(page->StartFlcClip(), -1);  // nothing queued
    page->PushFlcEvent(2, 0);   // not in the archive
    page->PushFlcEvent(600, 0); // no row
    page->PushFlcEvent(1, 1);
    ASSERT_EQ(page->StartFlcClip(), 0);
    EXPECT_EQ(page->FlcState().clip, 1);
    EXPECT_EQ(page->FlcState().side, 1);
    page->PushFlcEvent(2, 0);
    // The clip ends; the next one cannot be had, so the queue reads as run dry.
    for (int i = 0; i < 2; ++i) ASSERT_EQ(page->NextFlcFrame(), -1);
    EXPECT_EQ(page->NextFlcFrame(), 1 + 1000);
}

TEST_F(FlcPageTest, StartingAClipClosesTheOneOpenAndTheNextStartsAtItsEnd) {
    Install({{1, 5}});
    page->PushFlcEvent(1, 0);
    ASSERT_EQ(page->StartFlcClip(), 0);
    ASSERT_EQ(page->NextFlcFrame(), -1);
    page->PushFlcEvent(0, 0);
    ASSERT_EQ(page->StartFlcClip(), 0);  // while clip 1 is open
    EXPECT_EQ(page->FlcState().clip, 0);
    EXPECT_EQ(page->FlcState().frameCounter, 1);
    EXPECT_EQ(page->FlcState().frame, ClipFrame(kClipW, kClipH, 0));
    page->PushFlcEvent(1, 0);
    for (int i = 0; i < 2; ++i) ASSERT_EQ(page->NextFlcFrame(), -1);
    EXPECT_EQ(page->NextFlcFrame(), 0);  // clip 0 ended and clip 1 started
    EXPECT_EQ(page->FlcState().clip, 1);
}

TEST_F(FlcPageTest, ClipsTooLargeOrDamagedAreRefusedAndTheNextPlays) {
    std::vector<uint8_t> wide = WriteClip(3);
    platform::StoreU16(wide.data() + 8, 321);  // 321 wide: beyond the scratch surface
    std::vector<uint8_t> tall = WriteClip(3);
    platform::StoreU16(tall.data() + 10, 201);
    std::vector<uint8_t> none = WriteClip(3);
    platform::StoreU16(none.data() + 6, 0);
    Install({}, {}, {{0, wide}, {2, tall}, {21, none}});
    for (int clip : {0, 2, 21}) {
        page->PushFlcEvent(clip, 0);
        EXPECT_EQ(page->StartFlcClip(), -1) << clip;
        EXPECT_FALSE(page->FlcState().open);
    }
}

TEST_F(FlcPageTest, ADamagedLaterFrameEndsTheClipAndTheNextStarts) {
    // Frame 2's delta claims lines past the frame's height.
    std::vector<uint8_t> clip = WriteClip(3);
    size_t at = flc::kFileHeaderSize;
    for (int f = 0; f < 2; ++f) at += platform::LoadU32(clip.data() + at);
    const size_t lcData = at + flc::kFrameHeaderSize + flc::kChunkHeaderSize;
    ASSERT_EQ(platform::LoadU16(clip.data() + at + flc::kFrameHeaderSize + 4), flc::kLC);
    platform::StoreU16(clip.data() + lcData, 25);      // first line
    platform::StoreU16(clip.data() + lcData + 2, 10);  // ten lines: 35 > 30
    Install({}, {}, {{1, clip}});
    page->PushFlcEvent(1, 0);
    page->PushFlcEvent(0, 1);
    ASSERT_EQ(page->StartFlcClip(), 0);
    const std::vector<uint8_t> before = page->FlcState().frame;
    ASSERT_EQ(page->NextFlcFrame(), -1);
    platform::TraceCapture trace;
    EXPECT_EQ(page->NextFlcFrame(), 1);  // clip 1 ended at its damaged frame; clip 0 started
    EXPECT_TRUE(trace.Contains("damaged"));
    EXPECT_EQ(page->FlcState().clip, 0);
}

TEST(FlcDecode, WriterFramesDecodeToTheFramesGivenInBothPaletteForms) {
    for (bool sixBit : {false, true}) {
        flcw::FlcWriter w(64, 48, sixBit);
        std::vector<std::vector<uint8_t>> frames;
        uint32_t seed = 7;
        for (int f = 0; f < 8; ++f) {
            std::vector<uint8_t> px = frames.empty() ? std::vector<uint8_t>(64 * 48, 3) : frames.back();
            // Runs, noise and untouched lines, so every packet kind is written.
            for (int i = 0; i < 400; ++i) {
                seed = seed * 1103515245 + 12345;
                px[(seed >> 8) % px.size()] = static_cast<uint8_t>(seed >> 24);
            }
            std::fill(px.begin() + 64 * (f % 40), px.begin() + 64 * (f % 40) + 50, static_cast<uint8_t>(f));
            frames.push_back(px);
            w.AddFrame(px, f == 0 || f == 5 ? std::optional<flcw::FlcPalette>(ClipPalette(f)) : std::nullopt);
        }
        const std::vector<uint8_t> file = w.Finish();
        flc::Header h;
        ASSERT_TRUE(flc::ReadHeader(file, h));
        EXPECT_EQ(h.frames, 8);
        EXPECT_EQ(platform::LoadU16(file.data() + 4), flc::kFileMagic);
        std::vector<uint8_t> frame(64 * 48);
        std::array<uint8_t, 1024> pal{};
        int transparent = -1;
        size_t offset = flc::kFileHeaderSize;
        for (int f = 0; f < 8; ++f) {
            flc::FrameTarget t{frame.data(), 64, 48, pal.data(), &transparent, false};
            ASSERT_EQ(flc::DecodeFrame(file, offset, t, f == 0), flc::FrameResult::Shown);
            EXPECT_EQ(frame, frames[static_cast<size_t>(f)]) << "frame " << f << (sixBit ? " (6-bit)" : "");
            EXPECT_EQ(t.paletteChanged, f == 0 || f == 5);
        }
        EXPECT_EQ(transparent, kSeeThrough);
        flc::FrameTarget t{frame.data(), 64, 48, pal.data(), &transparent, false};
        EXPECT_EQ(flc::DecodeFrame(file, offset, t, false), flc::FrameResult::NoFrame);
    }
}

TEST(FlcDecode, PaletteChunksSetTheirEntriesAndTheLowestSeeThroughIndex) {
    // COLOR_64, 256 colours: (63, 0, 35) at 5 and at 200.
    std::vector<uint8_t> chunk = {1, 0, 0, 0};
    for (int i = 0; i < 256; ++i) {
        const bool key = i == 5 || i == 200;
        chunk.push_back(key ? 63 : static_cast<uint8_t>(i & 63));
        chunk.push_back(key ? 0 : 1);
        chunk.push_back(key ? 35 : 2);
    }
    std::array<uint8_t, 1024> pal;
    pal.fill(0xEE);
    int transparent = 77;
    ASSERT_TRUE(flc::ReadPalette(chunk, true, pal.data(), transparent));
    EXPECT_EQ(transparent, 5);
    for (int i = 0; i < 256; ++i) {  // a count of 0 is all 256 entries
        const bool key = i == 5 || i == 200;
        EXPECT_EQ(pal[static_cast<size_t>(4 * i + 2)], key ? 252 : (i & 63) << 2) << i;
        EXPECT_EQ(pal[static_cast<size_t>(4 * i + 1)], key ? 0 : 4) << i;
        EXPECT_EQ(pal[static_cast<size_t>(4 * i)], key ? 140 : 8) << i;
    }
    // A packet from 250 with 10 colours passes the palette: refused, nothing changed.
    std::vector<uint8_t> over = {1, 0, 250, 10};
    over.resize(4 + 30, 9);
    const std::array<uint8_t, 1024> was = pal;
    EXPECT_FALSE(flc::ReadPalette(over, false, pal.data(), transparent));
    EXPECT_EQ(pal, was);
    // No see-through colour: the index stays.
    std::vector<uint8_t> plain = {1, 0, 0, 2, 1, 2, 3, 4, 5, 6};
    pal.fill(0);
    transparent = 33;
    ASSERT_TRUE(flc::ReadPalette(plain, false, pal.data(), transparent));
    EXPECT_EQ(transparent, 33);
}

TEST(FlcDecode, RunsAndPacketsThatPassTheFrameOrTheChunkAreRefused) {
    constexpr int w = 8, h = 4;
    struct Case {
        const char* what;
        bool brun;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {"a run past the line", true, {0, 9, 1}},
        {"literals past the line", true, {0, static_cast<uint8_t>(-9), 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"literals past the chunk", true, {0, static_cast<uint8_t>(-8), 1, 2}},
        {"lines missing", true, {0, 8, 1, 0, 8, 2}},
        {"lines past the height", false, {2, 0, 3, 0}},
        {"a skip past the line", false, {0, 0, 1, 0, 1, 9, 1, 5}},
        {"a copy past the line", false, {0, 0, 1, 0, 1, 4, 5, 1, 2, 3, 4, 5}},
        {"a repeat past the line", false, {0, 0, 1, 0, 1, 4, static_cast<uint8_t>(-5), 7}},
        {"a copy past the chunk", false, {0, 0, 1, 0, 1, 0, 4, 1, 2}},
        {"a header cut short", false, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> frame(w * h + 16, 0xAA);  // 16 guard bytes after the frame
        const bool ok = c.brun ? flc::DecodeBrun(c.data, frame.data(), w, h) : flc::DecodeDelta(c.data, frame.data(), w, h);
        EXPECT_FALSE(ok) << c.what;
        for (size_t i = w * h; i < frame.size(); ++i) ASSERT_EQ(frame[i], 0xAA) << c.what;
    }
    // The same forms within bounds decode.
    std::vector<uint8_t> frame(w * h, 0);
    const std::vector<uint8_t> brun = {0, 8, 1, 0, 8, 2, 0, static_cast<uint8_t>(-8), 1, 2, 3, 4, 5, 6, 7, 8, 0, 4, 3, 4, 4};
    EXPECT_TRUE(flc::DecodeBrun(brun, frame.data(), w, h));
    EXPECT_EQ(frame[20], 5);
    const std::vector<uint8_t> delta = {3, 0, 1, 0, 1, 4, static_cast<uint8_t>(-4), 7};
    EXPECT_TRUE(flc::DecodeDelta(delta, frame.data(), w, h));
    EXPECT_EQ(frame[3 * w + 3], 3);  // skipped: the key frame's
    EXPECT_EQ(frame[3 * w + 4], 7);
    EXPECT_EQ(frame[3 * w + 7], 7);
}

TEST(FlcDecode, AChunkNotDecodedStopsTheFirstFrameAndIsSkippedLater) {
    flcw::FlcWriter w(8, 4);
    w.AddFrame(std::vector<uint8_t>(32, 1), ClipPalette());
    w.AddFrame(std::vector<uint8_t>(32, 2));
    std::vector<uint8_t> file = w.Finish();
    // Turn frame 1's palette chunk (its first) into an SS2 chunk.
    const size_t chunk = flc::kFileHeaderSize + flc::kFrameHeaderSize;
    platform::StoreU16(file.data() + chunk + 4, flc::kSS2);
    std::vector<uint8_t> frame(32, 0);
    std::array<uint8_t, 1024> pal{};
    int transparent = -1;
    size_t offset = flc::kFileHeaderSize;
    flc::FrameTarget t{frame.data(), 8, 4, pal.data(), &transparent, false};
    platform::TraceCapture trace;
    EXPECT_EQ(flc::DecodeFrame(file, offset, t, true), flc::FrameResult::Stopped);
    EXPECT_TRUE(trace.Contains("FLC file contains FLI_SS2 chunk"));
    EXPECT_EQ(frame[0], 0);  // the BRUN after it was not read
    // The next frame is still found.
    EXPECT_EQ(flc::DecodeFrame(file, offset, t, false), flc::FrameResult::Shown);
    EXPECT_EQ(frame[0], 2);
}

}  // namespace
}  // namespace flctest
