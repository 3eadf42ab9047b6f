// A script played over a real backend: its steps follow the real clock, the
// pictures it writes are the ones the window showed, and the answers to
// boxes and dialogs come from the script, never from the real window.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/messages.h"
#include "platform/window/scripted.h"
#include "platform/window/ui.h"
#include "platform/window/window.h"
#include "support/test_env.h"

namespace {

using namespace platform::win;

// The "real" window: a headless backend without a script, whose clock moves
// only as far as each wait asks, as a real clock would while waiting.
class ScriptedTest : public ::testing::Test {
protected:
    struct Page : Window {
        std::vector<std::pair<uint64_t, Point>> presses;
        uint32_t colour = 0x00336699;
        intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
            if (msg == WM_LBUTTONDOWN) {
                presses.push_back({Ui::Get().GetBackend().NowMs(), {int(int16_t(l & 0xFFFF)), int(int16_t(l >> 16))}});
                colour = 0x00CC2200;
                Invalidate();
            }
            return Window::WindowProc(msg, w, l);
        }
        void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), colour); }
    };

    void SetUp() override {
        auto real = std::make_unique<HeadlessBackend>(Size{1024, 768});
        real_ = real.get();
        auto s = std::make_unique<ScriptedBackend>(std::move(real));
        scripted_ = s.get();
        Ui::Get().Start(std::move(s));
        ASSERT_TRUE(page_.Create(nullptr, Rect{0, 0, 200, 100}, WS_VISIBLE));
    }
    void TearDown() override { Ui::Get().Stop(); }

    HeadlessBackend& Script() { return scripted_->Script(); }

    HeadlessBackend* real_ = nullptr;
    ScriptedBackend* scripted_ = nullptr;
    Page page_;
};

TEST_F(ScriptedTest, StepsWaitForTheRealClockAndFramesShowWhatTheWindowShowed) {
    const auto folder = testenv::TestFolder() / "scripted";
    std::filesystem::create_directories(folder);
    const auto before = folder / "before.png", after = folder / "after.png";
    ASSERT_FALSE(Script().LoadScript("wait 300\nframe " + before.string() + "\nclick 40 30\nwait 200\nframe " +
                                     after.string() + "\n"));
    Ui::Get().Run();
    ASSERT_EQ(page_.presses.size(), 1u);
    // Not before the real clock got there, and not long after (the waits are short).
    EXPECT_GE(page_.presses[0].first, 300u);
    EXPECT_LT(page_.presses[0].first, 300u + 50u);
    EXPECT_EQ(page_.presses[0].second.x, 40);
    EXPECT_EQ(page_.presses[0].second.y, 30);
    // The real window got every picture the script's frames were taken from.
    EXPECT_GT(real_->Presents(), 0u);
    auto a = platform::gfx::ReadPng(before), b = platform::gfx::ReadPng(after);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->Row(50)[100], b->Row(50)[100]);
    EXPECT_EQ(b->Row(50)[100], real_->LastFrame().Row(50)[100]);
    EXPECT_TRUE(Script().Ended());
}

TEST_F(ScriptedTest, BoxesAndDialogsAreAnsweredByTheScriptNotTheRealWindow) {
    ASSERT_FALSE(Script().LoadScript("answer 7\nfile /tmp/some.sav\nwait 10\n"));
    EXPECT_EQ(Ui::Get().MessageBox("Save the game?", "Vantorel", MB_YESNO), 7);
    EXPECT_EQ(Ui::Get().MessageBox("Again?", "Vantorel", MB_YESNO), IDYES);
    FileDialogRequest request;
    EXPECT_EQ(Ui::Get().GetBackend().ChooseFile(request), std::optional<std::string>("/tmp/some.sav"));
    EXPECT_EQ(Script().Boxes().size(), 2u);
    EXPECT_TRUE(real_->Boxes().empty());
    EXPECT_TRUE(real_->FileDialogs().empty());
}

TEST_F(ScriptedTest, ATimeLimitEndsARunWhoseScriptNeverEnds) {
    ASSERT_FALSE(Script().LoadScript("wait 100000\nclick 10 10\n"));
    Script().SetTimeLimit(500);
    Ui::Get().Run();
    EXPECT_TRUE(page_.presses.empty());
    EXPECT_GE(real_->NowMs(), 500u);
    EXPECT_LT(real_->NowMs(), 1000u);
}

}  // namespace
