#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <vector>

#include "platform/trace.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/gamefile.h"
#include "support/test_env.h"

namespace {

std::string TestPath(const char* name) { return (testenv::TestFolder() / name).string(); }

void WriteRaw(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<uint8_t> Pattern(size_t n) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return v;
}

class GameFileTest : public ::testing::Test {
protected:
    void TearDown() override { ResetGameFileChannel(); }
};

TEST_F(GameFileTest, ReadsAcrossBlockBoundaries) {
    // Reads that end just before, exactly at and just after the block end,
    // and one larger than a block.
    const size_t total = 3 * kGameFileBlock + 17;
    auto data = Pattern(total);
    std::string path = TestPath("blocks.bin");
    WriteRaw(path, data);
    for (size_t first : {kGameFileBlock - 1, kGameFileBlock, kGameFileBlock + 1, size_t(1), size_t(0)}) {
        FILE* f = OpenGameFile(path, "rb");
        ASSERT_NE(f, nullptr);
        std::vector<uint8_t> got(total);
        ReadGameFile(got.data(), first, f);
        EXPECT_EQ(GameFileBytesLeft(), total - first);
        SkipGameFile(nullptr, 5, f);
        size_t rest = total - first - 5;
        std::vector<uint8_t> tail(rest);
        ReadGameFile(tail.data(), rest, f);
        EXPECT_FALSE(GameFileDamaged()) << first;
        EXPECT_TRUE(std::equal(got.begin(), got.begin() + first, data.begin())) << first;
        EXPECT_TRUE(std::equal(tail.begin(), tail.end(), data.begin() + first + 5)) << first;
        EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
    }
}

TEST_F(GameFileTest, ReadPastTheEndGivesZerosAndMarksTheFileDamaged) {
    std::string path = TestPath("short.bin");
    WriteRaw(path, {1, 2, 3});
    FILE* f = OpenGameFile(path, "rb");
    ASSERT_NE(f, nullptr);
    uint8_t buf[6];
    std::fill(std::begin(buf), std::end(buf), 0xEE);
    ReadGameFile(buf, 6, f);
    EXPECT_EQ(std::vector<uint8_t>(buf, buf + 6), (std::vector<uint8_t>{1, 2, 3, 0, 0, 0}));
    EXPECT_TRUE(GameFileDamaged());
    EXPECT_EQ(CloseGameFile(f), kGameFileFailed);
    EXPECT_TRUE(GameFileDamaged()) << "the mark outlives the close, for the loader to see";

    // A file exactly one block long, read one byte too far.
    WriteRaw(path, Pattern(kGameFileBlock));
    f = OpenGameFile(path, "rb");
    EXPECT_FALSE(GameFileDamaged()) << "opening clears the mark";
    std::vector<uint8_t> all(kGameFileBlock);
    ReadGameFile(all.data(), kGameFileBlock, f);
    EXPECT_FALSE(GameFileDamaged());
    EXPECT_EQ(LoadByte(f), 0);
    EXPECT_TRUE(GameFileDamaged());
    CloseGameFile(f);

    // A skip past the end also counts.
    f = OpenGameFile(path, "rb");
    SkipGameFile(nullptr, kGameFileBlock + 1, f);
    EXPECT_TRUE(GameFileDamaged());
    CloseGameFile(f);
}

TEST_F(GameFileTest, WritesOfAnySizeAreKept) {
    std::string path = TestPath("big.bin");
    auto big = Pattern(kGameFileBlock + 3);
    FILE* f = OpenGameFile(path, "wb");
    ASSERT_NE(f, nullptr);
    SaveInt32(f, -2);
    WriteGameFile(big.data(), 1, kGameFileBlock - 1, f);
    WriteGameFile(big.data(), 1, big.size(), f);
    SaveByte(f, 9);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
    auto bytes = ReadRaw(path);
    ASSERT_EQ(bytes.size(), 4 + kGameFileBlock - 1 + big.size() + 1);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_TRUE(std::equal(big.begin(), big.end(), bytes.begin() + 4 + kGameFileBlock - 1));
    EXPECT_EQ(bytes.back(), 9);
}

TEST_F(GameFileTest, FieldsAreLittleEndian) {
    std::string path = TestPath("fields.bin");
    FILE* f = OpenGameFile(path, "wb");
    SaveByte(f, 0xAB);
    SaveWord(f, 0x1234);
    SaveInt16(f, -2);
    SaveInt32(f, 0x01020304);
    SaveDouble(f, 1.5);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(ReadRaw(path), (std::vector<uint8_t>{0xAB, 0x34, 0x12, 0xFE, 0xFF, 4, 3, 2, 1,
                                                   0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    f = OpenGameFile(path, "rb");
    EXPECT_EQ(LoadByte(f), 0xAB);
    EXPECT_EQ(LoadWord(f), 0x1234);
    EXPECT_EQ(LoadInt16(f), -2);
    EXPECT_EQ(LoadInt32(f), 0x01020304);
    EXPECT_EQ(LoadDouble(f), 1.5);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
}

TEST_F(GameFileTest, OneFileAtATimeAndMisuseIsTraced) {
    std::string a = TestPath("a.bin"), b = TestPath("b.bin");
    WriteRaw(a, {5, 6});
    WriteRaw(b, {7});
    platform::TraceCapture trace;
    FILE* fa = OpenGameFile(a, "rb");
    ASSERT_NE(fa, nullptr);
    EXPECT_EQ(OpenGameFile(b, "rb"), nullptr);
    EXPECT_TRUE(trace.Contains("== File already open=="));
    EXPECT_EQ(LoadByte(fa), 5) << "the open file is undisturbed";
    EXPECT_EQ(CloseGameFile(fa), kGameFileClosed);
    EXPECT_EQ(CloseGameFile(fa), kGameFileNotOpen);
    EXPECT_TRUE(trace.Contains("== No file open to close=="));
    EXPECT_EQ(OpenGameFile(TestPath("missing.bin"), "rb"), nullptr);
    EXPECT_FALSE(GameFileIsOpen());
}

TEST_F(GameFileTest, WriteReplacesTheTargetOnlyWhenComplete) {
    std::string path = TestPath("save.bin");
    WriteRaw(path, {1, 2, 3});
    FILE* f = OpenGameFile(path, "wb");
    SaveInt32(f, 77);
    EXPECT_EQ(ReadRaw(path), (std::vector<uint8_t>{1, 2, 3})) << "old file intact while writing";
    ResetGameFileChannel();  // abandoned
    EXPECT_EQ(ReadRaw(path), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(GameFileTest, FailedWriteIsReportedByClose) {
    // A file-size limit makes the write fail part-way, after the first block.
    std::string path = TestPath("limited.bin");
    WriteRaw(path, {1});
    auto old = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit low = saved;
    low.rlim_cur = 150000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);
    FILE* f = OpenGameFile(path, "wb");
    ASSERT_NE(f, nullptr);
    auto data = Pattern(kGameFileBlock);
    for (int i = 0; i < 3; ++i) WriteGameFile(data.data(), 1, data.size(), f);
    int result = CloseGameFile(f);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old);
    EXPECT_EQ(result, kGameFileFailed);
    EXPECT_EQ(ReadRaw(path), (std::vector<uint8_t>{1})) << "the old file survives";
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(GameFileTest, CountsAndMarkersAreChecked) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t itemBytes;
        bool damaged;
    };
    const Case cases[] = {
        {"fits", {2, 0, 0, 0, 9, 9}, 1, false},
        {"zero", {0, 0, 0, 0}, 8, false},
        {"negative", {0xFF, 0xFF, 0xFF, 0xFF, 1}, 1, true},
        {"more than the file holds", {3, 0, 0, 0, 1, 2}, 1, true},
        {"absurd", {0xFF, 0xFF, 0xFF, 0x7F}, 40, true},
        {"truncated count", {1, 0}, 1, true},
    };
    std::string path = TestPath("count.bin");
    for (const Case& c : cases) {
        WriteRaw(path, c.bytes);
        FILE* f = OpenGameFile(path, "rb");
        int32_t n = LoadCount(f, c.itemBytes);
        EXPECT_EQ(GameFileDamaged(), c.damaged) << c.what;
        if (c.damaged) {
            EXPECT_EQ(n, 0) << c.what;
        }
        CloseGameFile(f);
    }

    FILE* f = OpenGameFile(path, "wb");
    SaveMarker(f, "TEST1");
    SaveMarker(f, "TEST2");
    CloseGameFile(f);
    f = OpenGameFile(path, "rb");
    EXPECT_TRUE(LoadMarker(f, "TEST1"));
    EXPECT_FALSE(GameFileDamaged());
    EXPECT_FALSE(LoadMarker(f, "TEST3"));
    EXPECT_TRUE(GameFileDamaged());
    CloseGameFile(f);
}

}  // namespace
