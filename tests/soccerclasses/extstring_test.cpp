#include <gtest/gtest.h>

#include <fstream>

#include "soccerclasses/extstring.h"
#include "soccerclasses/gamefile.h"
#include "support/test_env.h"

namespace {

std::string TextFilePath() { return (testenv::TestFolder() / "text.bin").string(); }

void WriteRawText(const std::vector<uint8_t>& bytes) {
    std::ofstream out(TextFilePath(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ExtStringTest : public ::testing::Test {
protected:
    void TearDown() override { ResetGameFileChannel(); }
};

TEST_F(ExtStringTest, SavesLengthAndBytesAndLoadsThemBack) {
    FILE* f = OpenGameFile(TextFilePath(), "wb");
    CExtString("").Save(f);
    CExtString("Fran\xE7ois \xA3").Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(std::filesystem::file_size(TextFilePath()), 4u + 4u + 10u);

    f = OpenGameFile(TextFilePath(), "rb");
    CExtString a("old"), b("old");
    a.Load(f);
    b.Load(f);
    EXPECT_EQ(a, "") << "an empty saved text replaces what the object held";
    EXPECT_EQ(b, "Fran\xE7ois \xA3");
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
}

TEST_F(ExtStringTest, DamagedLengthsAreRefused) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"negative", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"100000", {0xA0, 0x86, 0x01, 0x00}},
        {"longer than the file", {5, 0, 0, 0, 'a', 'b'}},
        {"truncated length", {5, 0}},
    };
    for (const Case& c : cases) {
        WriteRawText(c.bytes);
        FILE* f = OpenGameFile(TextFilePath(), "rb");
        CExtString s("old");
        s.Load(f);
        EXPECT_TRUE(GameFileDamaged()) << c.what;
        EXPECT_EQ(s, "") << c.what;
        CloseGameFile(f);
    }
}

TEST_F(ExtStringTest, FixedFieldEndsAtTheFirstNul) {
    std::vector<uint8_t> bytes = {'A', 'b', 'c'};
    bytes.resize(20, 0);
    bytes.insert(bytes.end(), {'x', 'y', 'z'});
    WriteRawText(bytes);
    FILE* f = OpenGameFile(TextFilePath(), "rb");
    CExtString s, t;
    s.LoadFixed(f, 20);
    t.LoadFixed(f, 3);
    EXPECT_EQ(s, "Abc");
    EXPECT_EQ(t, "xyz");
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
}

TEST(ExtString, AppendNumberedMergesMinutesOfOneName) {
    CExtString s;
    s.AppendNumbered(23, "A");
    EXPECT_EQ(s, "(23) A");
    s.AppendNumbered(67, "A");
    EXPECT_EQ(s, "(23, 67) A");
    s.AppendNumbered(40, "B");
    EXPECT_EQ(s, "(23, 67) A, (40) B");
    s.AppendNumbered(88, "B");
    EXPECT_EQ(s, "(23, 67) A, (40, 88) B");
}

}  // namespace
