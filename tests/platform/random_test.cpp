#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<int> Draw(int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(platform::Rand());
    return v;
}

class RandomTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetRandomClock({}); }
};

TEST_F(RandomTest, SeedOneGivesTheRuntimeSequence) {
    platform::SeedRandom(1);
    EXPECT_EQ(Draw(5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST_F(RandomTest, ValuesStayWithinRandMax) {
    platform::SeedRandom(12345);
    for (int v : Draw(10000)) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, platform::kRandMax);
    }
}

TEST_F(RandomTest, SameSeedReplays) {
    platform::SeedRandom(777);
    auto a = Draw(20);
    platform::SeedRandom(777);
    EXPECT_EQ(a, Draw(20));
}

TEST_F(RandomTest, TimeSeedsNeverRepeatUnderAFrozenClock) {
    platform::SetRandomClock([] { return int64_t{930960000}; });
    std::set<uint32_t> seeds;
    std::set<std::vector<int>> streams;
    for (int i = 0; i < 500; ++i) {
        platform::SeedRandomFromTime();
        seeds.insert(platform::LastRandomSeed());
        streams.insert(Draw(4));
    }
    EXPECT_EQ(seeds.size(), 500u);
    EXPECT_EQ(streams.size(), 500u);
}

TEST_F(RandomTest, FixedClockGivesTheSameSeedsEveryRun) {
    auto run = [] {
        platform::SetRandomClock([] { return int64_t{42}; });
        std::vector<uint32_t> seeds;
        for (int i = 0; i < 10; ++i) {
            platform::SeedRandomFromTime();
            seeds.push_back(platform::LastRandomSeed());
        }
        return seeds;
    };
    EXPECT_EQ(run(), run());
}

TEST_F(RandomTest, TimeSeedFollowsTheClock) {
    int64_t now = 1000;
    platform::SetRandomClock([&] { return now; });
    platform::SeedRandomFromTime();
    uint32_t first = platform::LastRandomSeed();
    platform::SetRandomClock([&] { return now; });
    now = 2000;
    platform::SeedRandomFromTime();
    EXPECT_NE(first, platform::LastRandomSeed());
}

}  // namespace
