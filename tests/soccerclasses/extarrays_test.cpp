#include <gtest/gtest.h>

#include <fstream>

#include "platform/random.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extwordarray.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/indexedintarray.h"
#include "support/test_env.h"

namespace {

std::string ArraysFilePath() { return (testenv::TestFolder() / "arrays.bin").string(); }

std::vector<uint8_t> ReadRaw() {
    std::ifstream in(ArraysFilePath(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteRawArrays(const std::vector<uint8_t>& bytes) {
    std::ofstream out(ArraysFilePath(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ArrayFileTest : public ::testing::Test {
protected:
    void TearDown() override { ResetGameFileChannel(); }
};

TEST_F(ArrayFileTest, ArraysSaveCountThenElementsAndLoadBack) {
    CExtByteArray b{1, 2, 255};
    CExtWordArray w{0x1234, 65535};
    CExtDWordArray d{0xDEADBEEF, 7};
    FILE* f = OpenGameFile(ArraysFilePath(), "wb");
    b.Save(f);
    w.Save(f);
    d.Save(f);
    d.SaveFixed(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(ReadRaw(), (std::vector<uint8_t>{3, 0, 0, 0, 1, 2, 255,                       //
                                               2, 0, 0, 0, 0x34, 0x12, 0xFF, 0xFF,          //
                                               2, 0, 0, 0, 0xEF, 0xBE, 0xAD, 0xDE, 7, 0, 0, 0,  //
                                               0xEF, 0xBE, 0xAD, 0xDE, 7, 0, 0, 0}));
    f = OpenGameFile(ArraysFilePath(), "rb");
    CExtByteArray b2{9, 9, 9, 9, 9};
    CExtWordArray w2;
    CExtDWordArray d2, d3;
    b2.Load(f);
    w2.Load(f);
    d2.Load(f);
    d3.LoadFixed(f, 2);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(b2, b);
    EXPECT_EQ(w2, w);
    EXPECT_EQ(d2, d);
    EXPECT_EQ(d3, d);
}

TEST_F(ArrayFileTest, AbsurdOrTruncatedCountsAreRefused) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"negative", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"a block of data", {0x00, 0x90, 0x01, 0x00}},  // 102,400 bytes
        {"more than the file", {4, 0, 0, 0, 1, 2}},
    };
    for (const Case& c : cases) {
        WriteRawArrays(c.bytes);
        FILE* f = OpenGameFile(ArraysFilePath(), "rb");
        CExtByteArray a{1};
        a.Load(f);
        EXPECT_TRUE(GameFileDamaged()) << c.what;
        EXPECT_EQ(a.GetSize(), 0) << c.what;
        CloseGameFile(f);
    }
}

TEST_F(ArrayFileTest, OversizedArrayMakesTheSaveFail) {
    CExtDWordArray d;
    d.SetSizeAndFill(kGameFileBlock / 4, 1);
    FILE* f = OpenGameFile(ArraysFilePath(), "wb");
    d.Save(f);
    EXPECT_EQ(CloseGameFile(f), kGameFileFailed);
}

TEST(ExtByteArray, Operations) {
    CExtByteArray a{7, 5, 9, 5};
    EXPECT_EQ(a.FindSmallestAtLeast(5), 1);
    EXPECT_EQ(a.FindSmallestAtLeast(10), -1);
    EXPECT_EQ(a.Find(5), 1);
    EXPECT_EQ(a.Find(5, 2), 3);
    EXPECT_EQ(a.Find(6), -1);
    EXPECT_EQ(a.Sum(), 26);
    EXPECT_EQ(a.Count(5), 2);
    EXPECT_EQ(a.CountBetweenZeroAnd(8), 3);

    CExtByteArray o{250, 245, 0};
    o.AddWithoutOverflow(10, 0);
    EXPECT_EQ(o, (CExtByteArray{250, 255, 10}));
    o.SubtractWithoutUnderflow(11, 1);
    EXPECT_EQ(o, (CExtByteArray{250, 244, 10}));
    o.DecrementNonZero();
    EXPECT_EQ(o, (CExtByteArray{249, 243, 9}));

    CExtByteArray r{3, 0, 2};
    for (int v : {1, 2, 3}) EXPECT_EQ(r.IndexOfRunningSum(v), 0) << v;
    for (int v : {4, 5}) EXPECT_EQ(r.IndexOfRunningSum(v), 2) << v;
    EXPECT_EQ(r.IndexOfRunningSum(6), 3);
    EXPECT_EQ(CExtByteArray().IndexOfRunningSum(1), 0);

    CExtByteArray z{4, 0, 6, 0, 9};
    EXPECT_EQ(z.AverageNonZero(4), 5);
    EXPECT_EQ(z.AverageNonZero(0), 6);
    EXPECT_EQ(CExtByteArray{0}.AverageNonZero(1), 0);
    EXPECT_EQ(z.CountZero(), 2);

    CExtByteArray f;
    f.SetSizeAndFill(5, 1);
    f.FillFrom(2, 3);
    f.FillRange(3, 1, 2);
    f.Swap(0, 4);
    EXPECT_EQ(f, (CExtByteArray{2, 3, 3, 2, 1}));
}

TEST(ExtByteArray, RandomIndexOfDrawsOnlyWhenACandidateExists) {
    platform::SeedRandom(5);
    CExtByteArray a{0, 1, 0, 0, 1};
    for (int i = 0; i < 100; ++i) {
        int j = a.RandomIndexOf(1);
        ASSERT_TRUE(j == 1 || j == 4);
    }
    uint32_t before = platform::RandomState();
    EXPECT_EQ(a.RandomIndexOf(7), -1);
    EXPECT_EQ(platform::RandomState(), before) << "no draw without a candidate";
    EXPECT_EQ(CExtByteArray().RandomIndexOf(0), -1);
}

TEST(ExtDWordArray, Operations) {
    CExtDWordArray a{7, 5, 9, 5};
    EXPECT_EQ(a.FindSmallestAtLeast(5), 3) << "ties give the later index";
    EXPECT_EQ(a.Max(), 9u);
    EXPECT_TRUE(a.HasDuplicates());
    EXPECT_FALSE((CExtDWordArray{1, 2, 3}).HasDuplicates());
    EXPECT_EQ(CExtDWordArray().Max(), 0u);

    CExtDWordArray w{0xFFFFFFFF, 1};
    w.AddFrom(1, 0);
    EXPECT_EQ(w, (CExtDWordArray{0, 2})) << "32-bit wrap";

    CExtDWordArray r{1, 2, 3, 2, 1};
    r.RemoveEach(CExtDWordArray{2, 1, 8});
    EXPECT_EQ(r, (CExtDWordArray{3, 2, 1}));

    CExtDWordArray from{1, 2, 3, 4}, to{9};
    to.TakeLast(from, 2);
    EXPECT_EQ(to, (CExtDWordArray{9, 4, 3}));
    EXPECT_EQ(from, (CExtDWordArray{1, 2}));

    CExtDWordArray out;
    (CExtDWordArray{5, 1, 7, 3, 0xFFFFFFFF}).CopyInRange(3, 7, out);
    EXPECT_EQ(out, (CExtDWordArray{5, 7, 3}));

    EXPECT_EQ(CExtDWordArray().GetRandomElement(), CExtDWordArray::kNone);
    EXPECT_EQ(CExtDWordArray().RandomIndex(), 0);
    EXPECT_EQ(CExtDWordArray{42}.GetRandomElement(), 42u);
}

TEST(ExtDWordArray, ShufflesKeepTheElements) {
    platform::SeedRandom(11);
    CExtDWordArray a;
    for (uint32_t i = 0; i < 20; ++i) a.Add(i);
    CExtDWordArray s = a;
    s.Shuffle();
    EXPECT_NE(s, a);
    std::sort(s.begin(), s.end());
    EXPECT_EQ(s, a);

    CExtDWordArray two{1, 2, 3, 4};
    uint32_t before = platform::RandomState();
    two.ShuffleRange(1, 2);
    EXPECT_EQ(two, (CExtDWordArray{1, 2, 3, 4})) << "a range of two stays";
    EXPECT_EQ(platform::RandomState(), before);
    CExtDWordArray part = a;
    part.ShuffleRange(5, 14);
    for (int i : {0, 4, 15, 19}) EXPECT_EQ(part[i], a[i]);
}

TEST(ExtWordArray, Operations) {
    CExtWordArray w;
    w.SetSizeAndFill(3, 65535);
    w[1] = 4;
    EXPECT_EQ(w.Find(4), 1);
    EXPECT_EQ(w.Find(65535, 1), 2);
    CExtWordArray c{1};
    c.Copy(w);
    EXPECT_EQ(c, w);
    c.Fill(0);
    EXPECT_EQ(c, (CExtWordArray{0, 0, 0}));
}

TEST(IndexedIntArray, SortsByValueDescendingAndStable) {
    CIndexedIntArray a;
    a.Add(0, 5);
    a.Add(1, -3);
    a.Add(2, 9);
    a.Add(3, 5);
    a.SortDescending();
    std::vector<int> order;
    for (int i = 0; i < a.GetSize(); ++i) order.push_back(a.GetIndexAt(i));
    EXPECT_EQ(order, (std::vector<int>{2, 0, 3, 1}));
}

}  // namespace

#include "soccerclasses/owninglist.h"

namespace {

TEST(OwningList, OwnsAndHandsOverElements) {
    static int alive = 0;
    struct Item {
        int v;
        explicit Item(int x) : v(x) { ++alive; }
        ~Item() { --alive; }
    };
    {
        OwningList<Item> list;
        list.Add(new Item(1));
        list.Add(std::make_unique<Item>(2));
        list.Add(new Item(3));
        EXPECT_EQ(list.GetSize(), 3);
        EXPECT_EQ(list.GetAt(3), nullptr);
        EXPECT_EQ(list.GetAt(-1), nullptr);
        EXPECT_EQ(list.IndexOf(list.GetAt(1)), 1);
        auto last = list.TakeLast();
        EXPECT_EQ(last->v, 3);
        list.RemoveAt(0);
        EXPECT_EQ(list.GetAt(0)->v, 2);
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0);
}

}  // namespace
