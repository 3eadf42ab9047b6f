#include "platform/sound/wave.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "platform/bytes.h"
#include "platform/random.h"
#include "support/test_env.h"

namespace {

using platform::ByteWriter;
using platform::ParseWave;
using platform::WaveFormat;

std::vector<uint8_t> SmallWave() {
    std::vector<int16_t> s{0, 1000, -1000, 32767, -32768, 5, 6, 7};
    return platform::EncodeWavePcm16(2, 22050, s);
}

// Builds RIFF files chunk by chunk, so a test can damage exactly one thing.
struct RiffBuilder {
    ByteWriter body;
    std::optional<uint32_t> riffSize;
    std::string form = "WAVE";

    RiffBuilder& Chunk(const char* id, std::vector<uint8_t> bytes,
                       std::optional<uint32_t> size = {}) {
        body.Raw(id, 4);
        body.U32(size.value_or(static_cast<uint32_t>(bytes.size())));
        body.Raw(bytes.data(), bytes.size());
        if (bytes.size() & 1) body.U8(0);
        return *this;
    }
    static std::vector<uint8_t> Fmt(uint16_t tag, uint16_t ch, uint32_t rate, uint16_t align,
                                    uint16_t bits) {
        ByteWriter w;
        w.U16(tag);
        w.U16(ch);
        w.U32(rate);
        w.U32(rate * align);
        w.U16(align);
        w.U16(bits);
        return w.Take();
    }
    std::vector<uint8_t> Build() const {
        ByteWriter w;
        w.Raw("RIFF");
        w.U32(riffSize.value_or(static_cast<uint32_t>(4 + body.Size())));
        w.Raw(form);
        w.Raw(body.Bytes().data(), body.Size());
        return w.Take();
    }
};

TEST(WaveTest, EncodedFileReadsBackExactly) {
    auto file = SmallWave();
    EXPECT_EQ(file.size(), 44u + 16u);
    auto w = ParseWave(file);
    ASSERT_EQ(w.error, platform::kWaveOk);
    EXPECT_EQ(w.format.formatTag, 1);
    EXPECT_EQ(w.format.channels, 2);
    EXPECT_EQ(w.format.samplesPerSec, 22050u);
    EXPECT_EQ(w.format.avgBytesPerSec, 88200u);
    EXPECT_EQ(w.format.blockAlign, 4);
    EXPECT_EQ(w.format.bitsPerSample, 16);
    ASSERT_EQ(w.data.size(), 16u);
    EXPECT_EQ(static_cast<int16_t>(platform::LoadU16(&w.data[6])), 32767);
    EXPECT_EQ(static_cast<int16_t>(platform::LoadU16(&w.data[8])), -32768);
    EXPECT_TRUE(w.format.IsPlayablePcm());
}

TEST(WaveTest, SkipsOtherChunksWithTheirPadding) {
    RiffBuilder b;
    b.Chunk("LIST", {1, 2, 3})  // odd: one pad byte follows
        .Chunk("fmt ", RiffBuilder::Fmt(1, 1, 11025, 1, 8))
        .Chunk("junk", {9, 9})
        .Chunk("data", {128, 255, 0});
    auto w = ParseWave(b.Build());
    ASSERT_EQ(w.error, platform::kWaveOk);
    EXPECT_EQ(w.format.samplesPerSec, 11025u);
    EXPECT_EQ(w.data, (std::vector<uint8_t>{128, 255, 0}));
}

TEST(WaveTest, NonPcmFormatKeepsItsExtraBytes) {
    auto fmt = RiffBuilder::Fmt(2, 1, 22050, 256, 4);
    fmt.insert(fmt.end(), {2, 0, 0xAA, 0xBB});
    RiffBuilder b;
    b.Chunk("fmt ", fmt).Chunk("data", {1, 2, 3, 4});
    auto w = ParseWave(b.Build());
    ASSERT_EQ(w.error, platform::kWaveOk);
    EXPECT_EQ(w.format.formatTag, 2);
    EXPECT_EQ(w.format.extra, (std::vector<uint8_t>{0xAA, 0xBB}));
    EXPECT_FALSE(w.format.IsPlayablePcm());
}

TEST(WaveTest, DamagedFilesAreRefusedWithTheirCode) {
    auto pcm = RiffBuilder::Fmt(1, 2, 22050, 4, 16);
    auto adpcm = RiffBuilder::Fmt(2, 1, 22050, 256, 4);
    auto adpcmOverclaim = adpcm;
    adpcmOverclaim.insert(adpcmOverclaim.end(), {9, 0, 1});
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        uint32_t error;
    };
    auto build = [](auto f) {
        RiffBuilder b;
        f(b);
        return b.Build();
    };
    std::vector<Case> cases = {
        {"empty", {}, platform::kWaveNotWave},
        {"riff header only", {'R', 'I', 'F', 'F', 4, 0, 0, 0}, platform::kWaveNotWave},
        {"not a wave form", build([&](RiffBuilder& b) {
             b.form = "AVI ";
             b.Chunk("fmt ", pcm);
         }),
         platform::kWaveNotWave},
        {"no format", build([&](RiffBuilder& b) {
             b.Chunk("data", {1, 2, 3, 4});
         }),
         platform::kWaveBadFormat},
        {"format of 14 bytes", build([&](RiffBuilder& b) {
             b.Chunk("fmt ", std::vector<uint8_t>(pcm.begin(), pcm.begin() + 14))
                 .Chunk("data", {1, 2, 3, 4});
         }),
         platform::kWaveBadFormat},
        {"format claims 16, file ends", build([&](RiffBuilder& b) {
             b.Chunk("fmt ", std::vector<uint8_t>(pcm.begin(), pcm.begin() + 10), 16);
         }),
         platform::kWaveBadFormat},
        {"non-PCM without its extra count", build([&](RiffBuilder& b) {
             b.Chunk("fmt ", adpcm).Chunk("data", {1, 2});
         }),
         platform::kWaveBadFormat},
        {"non-PCM extra count past the chunk", build([&](RiffBuilder& b) {
             b.Chunk("fmt ", adpcmOverclaim).Chunk("data", {1, 2});
         }),
         platform::kWaveBadFormat},
        {"no data", build([&](RiffBuilder& b) { b.Chunk("fmt ", pcm); }), platform::kWaveShortData},
        {"data claims more than the file", build([&](RiffBuilder& b) {
             b.Chunk("fmt ", pcm).Chunk("data", {1, 2, 3, 4}, 0x7FFFFFF0);
         }),
         platform::kWaveShortData},
        {"data beyond the RIFF size",
         [&] {
             RiffBuilder b;
             b.Chunk("fmt ", pcm).Chunk("data", {1, 2, 3, 4});
             b.riffSize = 4 + 24 + 6;  // cuts the data chunk short
             return b.Build();
         }(),
         platform::kWaveShortData},
        {"chunk size that wraps",
         build([&](RiffBuilder& b) { b.Chunk("junk", {}, 0xFFFFFFFF).Chunk("fmt ", pcm); }),
         platform::kWaveBadFormat},
    };
    for (const auto& c : cases) {
        auto w = ParseWave(c.file);
        EXPECT_EQ(w.error, c.error) << c.name;
        EXPECT_TRUE(w.data.empty()) << c.name;
    }
}

TEST(WaveTest, RiffSizeClaimingTooMuchStillReadsACompleteFile) {
    RiffBuilder b;
    b.Chunk("fmt ", RiffBuilder::Fmt(1, 1, 22050, 2, 16)).Chunk("data", {1, 2});
    b.riffSize = 0xFFFFFFFF;
    auto w = ParseWave(b.Build());
    EXPECT_EQ(w.error, platform::kWaveOk);
    EXPECT_EQ(w.data.size(), 2u);
}

TEST(WaveTest, EveryTruncationIsRefused) {
    auto file = SmallWave();
    for (size_t n = 0; n < file.size(); ++n) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<long>(n));
        EXPECT_NE(ParseWave(cut).error, platform::kWaveOk) << n;
    }
}

// Random damage over a valid file: the reader must stay inside the buffer
// (the sanitizer build watches) and never return more data than the file has.
TEST(WaveTest, RandomDamageNeverReadsPastTheEnd) {
    auto base = SmallWave();
    platform::SeedRandom(77);
    for (int round = 0; round < 3000; ++round) {
        auto file = base;
        int edits = 1 + platform::Rand() % 4;
        for (int e = 0; e < edits; ++e)
            file[static_cast<size_t>(platform::Rand()) % file.size()] =
                static_cast<uint8_t>(platform::Rand());
        if (platform::Rand() % 3 == 0)
            file.resize(static_cast<size_t>(platform::Rand()) % file.size());
        auto w = ParseWave(file);
        if (w.error == platform::kWaveOk)
            EXPECT_LE(w.data.size(), file.size());
        else
            EXPECT_TRUE(w.data.empty());
    }
}

TEST(WaveTest, ReadsFilesAndReportsOneThatCannotOpen) {
    auto path = testenv::TestFolder() / "a.wav";
    auto bytes = SmallWave();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(platform::ReadWaveFile(path).error, platform::kWaveOk);
    EXPECT_EQ(platform::ReadWaveFile(testenv::TestFolder() / "missing.wav").error,
              platform::kWaveCannotOpen);
}

TEST(WaveTest, PlayableFormats) {
    struct Case {
        uint16_t tag, ch, align, bits;
        uint32_t rate;
        bool playable;
    };
    const Case cases[] = {
        {1, 1, 1, 8, 11025, true},   {1, 2, 2, 8, 22050, true},   {1, 1, 2, 16, 44100, true},
        {1, 2, 4, 16, 22050, true},  {1, 2, 4, 16, 0, false},     {1, 3, 6, 16, 22050, false},
        {1, 0, 0, 16, 22050, false}, {1, 2, 6, 24, 22050, false}, {1, 2, 2, 16, 22050, false},
        {3, 2, 8, 32, 22050, false}, {2, 1, 2, 16, 22050, false},
    };
    for (const auto& c : cases) {
        WaveFormat f;
        f.formatTag = c.tag;
        f.channels = c.ch;
        f.blockAlign = c.align;
        f.bitsPerSample = c.bits;
        f.samplesPerSec = c.rate;
        EXPECT_EQ(f.IsPlayablePcm(), c.playable)
            << c.tag << " " << c.ch << " " << c.bits << " " << c.rate;
    }
}

}  // namespace
