// The intro clip: our AVI subset written and read back, the shipped clip's
// rules, and damaged files refused or ended at the damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <filesystem>

#include "aviwriter.h"
#include "shell/introclip.h"
#include "platform/gfx/png.h"
#include "support/test_env.h"

namespace {

// A clip of `frames` pictures: bands that move, a block that changes colour,
// noise in one corner, so runs, absolute runs and deltas all occur.
aviwriter::Clip IntroTestClip(int frames) {
    aviwriter::Clip c;
    for (int i = 0; i < 256; ++i) c.palette[size_t(i)] = uint32_t(i) << 16 | uint32_t(255 - i) << 8 | uint32_t(i / 2);
    uint32_t seed = 12345;
    for (int f = 0; f < frames; ++f) {
        std::vector<uint8_t> px(size_t(c.width) * size_t(c.height));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                uint8_t v = uint8_t(((y + f * 3) / 20) % 7);
                if (x > 300 && x < 420 && y > 200 && y < 260) v = uint8_t(100 + f % 5);
                if (x < 40 && y < 30) {
                    seed = seed * 1103515245u + 12345u;
                    v = uint8_t(seed >> 24);
                }
                px[size_t(y) * size_t(c.width) + size_t(x)] = v;
            }
        c.frames.push_back(std::move(px));
    }
    c.sound.resize(size_t(frames) * 1470 * 2);
    for (size_t i = 0; i < c.sound.size(); ++i) c.sound[i] = int16_t((i * 37) % 2000 - 1000);
    return c;
}

TEST(IntroClipTest, WhatTheWriterWritesReadsBackPictureForPictureAndSoundForSound) {
    const aviwriter::Clip source = IntroTestClip(35);
    std::string why;
    auto clip = CIntroClip::Read(aviwriter::WriteAvi(source), &why);
    ASSERT_NE(clip, nullptr) << why;
    EXPECT_EQ(clip->FrameCount(), 35);
    EXPECT_EQ(clip->FrameSize().cx, 788);
    EXPECT_EQ(clip->FrameSize().cy, 550);
    EXPECT_EQ(clip->FrameMs(), 66u);
    EXPECT_EQ(clip->Sound(), source.sound);
    EXPECT_EQ(clip->Palette(), source.palette);
    platform::win::Picture picture;
    // In order, then jumping back to a delta frame (decoded from its key frame).
    for (int f : {0, 1, 2, 29, 30, 31, 34, 17}) {
        ASSERT_TRUE(clip->DecodeFrame(f, picture)) << f;
        EXPECT_EQ(clip->Indexes(), source.frames[size_t(f)]) << "frame " << f;
        EXPECT_EQ(clip->IsKeyFrame(f), f % 30 == 0) << f;
    }
    const uint32_t c = source.palette[source.frames[17][0]];
    EXPECT_EQ(picture.Get(0, 0), platform::gfx::MakePixel(int(c >> 16), int((c >> 8) & 255), int(c & 255)));
    EXPECT_FALSE(clip->DecodeFrame(35, picture));
}

TEST(IntroClipTest, DamagedFilesAreRefusedOrEndAtTheDamage) {
    const std::vector<uint8_t> good = aviwriter::WriteAvi(IntroTestClip(3));
    ASSERT_NE(CIntroClip::Read(good), nullptr);
    auto find = [&](const char* id) {
        for (size_t i = 0; i + 4 <= good.size(); ++i)
            if (std::memcmp(good.data() + i, id, 4) == 0) return i;
        return size_t(0);
    };
    struct Damage {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> apply;
    };
    const Damage refused[] = {
        {"cut short", [](std::vector<uint8_t>& b) { b.resize(b.size() / 2); }},
        {"cut in the headers", [](std::vector<uint8_t>& b) { b.resize(200); }},
        {"not RIFF", [](std::vector<uint8_t>& b) { b[0] = 'X'; }},
        {"another codec", [&](std::vector<uint8_t>& b) { b[find("mrle")] = 'x'; }},
        {"another frame rate", [&](std::vector<uint8_t>& b) { b[find("avih") + 8] ^= 1; }},
        {"an index entry moved", [&](std::vector<uint8_t>& b) { b[find("idx1") + 8 + 8] ^= 4; }},
        {"an index entry dropped",
         [&](std::vector<uint8_t>& b) {
             const size_t at = find("idx1");
             b[at + 4] = uint8_t(b[at + 4] - 16);
         }},
        {"a chunk past movi", [&](std::vector<uint8_t>& b) { b[find("00dc") + 7] = 0x7F; }},
        {"mono sound", [&](std::vector<uint8_t>& b) { b[find("auds") + 56 + 8 + 2] = 1; }},
    };
    for (const Damage& d : refused) {
        std::vector<uint8_t> bytes = good;
        d.apply(bytes);
        std::string why;
        EXPECT_EQ(CIntroClip::Read(bytes, &why), nullptr) << d.what;
        EXPECT_FALSE(why.empty()) << d.what;
    }

    // A run past the row inside the first frame: the clip opens and ends there.
    std::vector<uint8_t> bytes = good;
    const size_t frame = find("00dc") + 8;
    bytes[frame] = 255;
    bytes[frame + 2] = 255;
    bytes[frame + 4] = 255;
    bytes[frame + 6] = 255;
    auto clip = CIntroClip::Read(bytes);
    ASSERT_NE(clip, nullptr);
    platform::win::Picture picture;
    EXPECT_FALSE(clip->DecodeFrame(0, picture));
}

TEST(IntroClipTest, TheShippedIntroKeepsItsRules) {
    const auto path = testenv::GameDir() / "SND" / "intro.avi";
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_LE(std::filesystem::file_size(path), 12u * 1024 * 1024);
    std::string why;
    auto clip = CIntroClip::ReadFile(path.string(), &why);
    ASSERT_NE(clip, nullptr) << why;
    const int frames = clip->FrameCount();
    EXPECT_GE(frames, 150) << "about twelve seconds";
    EXPECT_LE(frames, 200);
    // The sound lasts as long as the pictures, within one frame.
    const long soundFrames = long(clip->Sound().size() / 2);
    EXPECT_LE(std::labs(soundFrames - long(frames) * 1470), 1470L);
    platform::win::Picture picture;
    int lit = 0;
    for (int f = 0; f < frames; ++f) {
        ASSERT_TRUE(clip->DecodeFrame(f, picture)) << f;
        EXPECT_EQ(clip->IsKeyFrame(f), f % 30 == 0) << f;
        // Moments for people to look at; not the check.
        if (f == 20 || f == 60 || f == 97 || f == 130) {
            const auto dir = testenv::BuildDir() / "intro-shots";
            std::filesystem::create_directories(dir);
            platform::gfx::WritePng(picture, dir / ("intro-" + std::to_string(f) + ".png"));
        }
        if (f == 90) lit = int(std::count_if(clip->Indexes().begin(), clip->Indexes().end(), [](uint8_t v) { return v; }));
    }
    EXPECT_GT(lit, 788 * 550 / 2) << "the lit stadium fills most of the picture";
    for (uint8_t v : clip->Indexes()) ASSERT_EQ(clip->Palette()[v] & 0xFFFFFF, 0u) << "the last frame is black";
    // Sound somewhere in the middle.
    int loud = 0;
    for (size_t i = 0; i < clip->Sound().size(); ++i) loud += std::abs(clip->Sound()[i]) > 2000;
    EXPECT_GT(loud, 1000);
}

}  // namespace
