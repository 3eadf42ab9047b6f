// Each page's soundscape on the virtual clock: the set chosen by the page,
// its loop kept across pages of the same set, the spots on the page's timer.
#include <gtest/gtest.h>

#include <string>

#include "platform/random.h"
#include "shell/ambient.h"
#include "shell/screen.h"
#include "shell/soundengine.h"
#include "page_fixture.h"

namespace {

class AmbientTest : public pagetest::PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        ASSERT_EQ(StartDirectSound(), 0);
        g_nAmbientSet = 0;
        g_bAmbient = g_bMusicon = g_bSfx = 1;
        platform::SeedRandom(17);
    }
    void TearDown() override {
        pages.clear();
        PageFixture::TearDown();
        EndDirectSound();
        g_nAmbientSet = 0;
        g_bAmbient = g_bMusicon = g_bSfx = 1;
    }
    // Shows page `number` as the screen manager does: the old page goes,
    // the number is set, the new page is created.
    CScreen* Open(int number) {
        if (page) {
            page->Close();
            page->Destroy();
            pages.push_back(std::move(page));
        }
        g_nCurrentScreen = number;
        MakePage();
        return page.get();
    }
    // Slots 29-31 played since the last call (each is told to stop).
    int SpotsPlayed() {
        int n = 0;
        for (int slot = kAmbientFirstSpotSlot; slot < kAmbientFirstSpotSlot + 3; ++slot) {
            const SampleRecord* s = GetSample(slot);
            if (s && s->playing) ++n;
            StopSample(slot);
        }
        return n;
    }
    const SampleRecord* Loop() { return GetSample(kAmbientLoopSlot); }
    uint64_t Now() { return platform::win::Ui::Get().NowMs(); }

    std::vector<std::unique_ptr<CScreen>> pages;
};

TEST(AmbientMapTest, PagesToSets) {
    struct Case {
        int page, set;
    };
    const Case cases[] = {{6, 1},   {114, 1}, {8, 2},   {4, 3},   {9, 4},  {22, 5}, {7, 6},  {64, 7},
                          {112, 7}, {1, 8},   {104, 8}, {28, 9},  {10, 10}, {13, 10}, {43, 11}, {107, 11},
                          {0, 0},   {3, 0},   {115, 0}, {119, 0}, {-1, 0}, {200, 0}};
    for (const Case& c : cases) EXPECT_EQ(AmbientSetForPage(c.page), c.set) << "page " << c.page;
    EXPECT_STREQ(AmbientFile(10, 0), "SND\\AMB\\NEWS\\office loop.wav");
    EXPECT_STREQ(AmbientFile(10, 1), "SND\\AMB\\NEWS\\telephone ringing.wav");
    EXPECT_STREQ(AmbientFile(4, 3), "SND\\AMB\\CLUB\\spot3.wav");
    EXPECT_EQ(AmbientFile(12, 0), nullptr);
    const int delays[8] = {5, 12, 18, 30, 3, 25, 2, 8};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(AmbientSpotDelay(i), delays[i]);
}

TEST_F(AmbientTest, ANewSetWaitsThenLoopsAndTheFirstSpotComesAfterOneSecond) {
    const uint64_t before = Now();
    CScreen* p = Open(4);
    EXPECT_GE(Now() - before, 501u) << "the set change waits on the clock";
    EXPECT_EQ(g_nAmbientSet, 3);
    ASSERT_TRUE(Loop());
    EXPECT_EQ(Loop()->fileName, "SND\\AMB\\SQUAD\\loop.wav");
    EXPECT_EQ(GetSample(31)->fileName, "SND\\AMB\\SQUAD\\spot3.wav");
    EXPECT_TRUE(Loop()->playing);
    EXPECT_EQ(Loop()->loop, 1);
    EXPECT_EQ(p->GetAmbientTimer(), kAmbientTimerId);

    RunFor(990);
    EXPECT_EQ(SpotsPlayed(), 0);
    RunFor(20);
    EXPECT_EQ(SpotsPlayed(), 1) << "one second after the page was created";
    const int countdown = p->GetAmbientCountdown();
    EXPECT_TRUE(countdown == 5 || countdown == 12 || countdown == 18 || countdown == 30 || countdown == 3 ||
                countdown == 25 || countdown == 2 || countdown == 8);
    // The next spot after the delay and one more second.
    RunFor(1000ull * countdown - 10);
    EXPECT_EQ(SpotsPlayed(), 0);
    RunFor(1020);
    EXPECT_EQ(SpotsPlayed(), 1);
}

TEST_F(AmbientTest, PagesOfTheSameSetKeepTheLoopButRestartTheTimer) {
    Open(4);
    RunFor(1010);
    SpotsPlayed();
    const SampleRecord* loop = Loop();
    const uint64_t before = Now();
    CScreen* squad2 = Open(26);  // SQUAD as well
    EXPECT_EQ(Now(), before) << "no wait without a change of set";
    EXPECT_EQ(Loop(), loop) << "not reloaded";
    EXPECT_TRUE(Loop()->playing) << "not stopped";
    EXPECT_EQ(squad2->GetAmbientCountdown(), 0);
    EXPECT_EQ(squad2->GetAmbientTimer(), kAmbientTimerId);
    RunFor(990);
    EXPECT_EQ(SpotsPlayed(), 0);
    RunFor(20);
    EXPECT_EQ(SpotsPlayed(), 1);
}

// The engine ended and started again (a game's sound switched off and on)
// has dropped every sample: the next page of the same set loads it again.
TEST_F(AmbientTest, ASoundEngineStartedAgainGetsTheSetBack) {
    Open(4);
    ASSERT_TRUE(Loop());
    EndDirectSound();
    ASSERT_EQ(StartDirectSound(), 0);
    ASSERT_EQ(Loop(), nullptr);
    Open(26);  // the same set
    ASSERT_TRUE(Loop());
    EXPECT_TRUE(Loop()->loaded);
    EXPECT_TRUE(Loop()->playing);
}

TEST_F(AmbientTest, APageWithoutASetKeepsTheLoopAndPlaysNoSpots) {
    Open(9);
    const SampleRecord* loop = Loop();
    CScreen* p = Open(0);
    EXPECT_EQ(g_nAmbientSet, 4);
    EXPECT_EQ(Loop(), loop);
    EXPECT_TRUE(Loop()->playing);
    EXPECT_EQ(p->GetAmbientTimer(), 0u);
    SpotsPlayed();
    RunFor(40000);
    EXPECT_EQ(SpotsPlayed(), 0);
}

TEST_F(AmbientTest, TheMatchSetNeedsMusicOnAsWell) {
    g_bMusicon = 0;
    Open(64);
    EXPECT_EQ(g_nAmbientSet, kAmbientMatchSet);
    ASSERT_TRUE(Loop());
    EXPECT_EQ(Loop()->fileName, "SND\\AMB\\MATCH\\loop.wav");
    EXPECT_FALSE(Loop()->playing);
    RunFor(40000);
    EXPECT_EQ(SpotsPlayed(), 0);
    // Another set is not held back by "Musicon".
    Open(9);
    EXPECT_TRUE(Loop()->playing);
    RunFor(1010);
    EXPECT_EQ(SpotsPlayed(), 1);
    // "Ambient" off silences every set.
    g_bAmbient = 0;
    Open(10);
    EXPECT_EQ(Loop()->fileName, "SND\\AMB\\NEWS\\office loop.wav");
    EXPECT_FALSE(Loop()->playing);
    RunFor(40000);
    EXPECT_EQ(SpotsPlayed(), 0);
}

TEST_F(AmbientTest, WhilePausedTicksDoNotCountDown) {
    CScreen* p = Open(43);
    RunFor(1010);
    EXPECT_EQ(SpotsPlayed(), 1);
    const int countdown = p->GetAmbientCountdown();
    p->PauseAmbientSound();
    EXPECT_TRUE(p->IsAmbientPaused());
    EXPECT_FALSE(Loop()->playing);
    RunFor(60000);
    EXPECT_EQ(p->GetAmbientCountdown(), countdown);
    EXPECT_EQ(SpotsPlayed(), 0);
    p->ResumeAmbientSound();
    EXPECT_TRUE(Loop()->playing);
    RunFor(1010);
    EXPECT_EQ(p->GetAmbientCountdown(), countdown - 1);
}

TEST_F(AmbientTest, AScriptedStepDueDuringTheWaitDoesNotHoldItForever) {
    backend->SetEndWhenScriptDone(false);
    backend->MoveTo({10, 10}, 100);
    const uint64_t before = Now();
    Open(4);
    EXPECT_GE(Now(), before + 100);
    EXPECT_EQ(g_nAmbientSet, 3);
    EXPECT_TRUE(Loop()->playing);
}

TEST_F(AmbientTest, CloseStopsThePagesTimer) {
    CScreen* p = Open(8);
    p->Close();
    EXPECT_EQ(p->GetAmbientTimer(), 0u);
    SpotsPlayed();
    RunFor(40000);
    EXPECT_EQ(SpotsPlayed(), 0);
}

}  // namespace
