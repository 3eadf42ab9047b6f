#pragma once
// A headless session with a page of the game's size in a screen area that
// does not start at the frame's corner, so blits to the window can be seen
// cut at the page's own edges.
#include <gtest/gtest.h>

#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "support/ui_loop.h"

namespace pagetest {

using namespace platform::win;

inline constexpr uint32_t kFrameColour = 0x202020;
inline constexpr uint32_t kAreaColour = 0x303030;

class FillWnd : public Window {
public:
    explicit FillWnd(uint32_t colour) : colour_(colour) {}

protected:
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), colour_); }

private:
    uint32_t colour_;
};

class PageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 900, 700}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(area.Create(&main, Rect::XYWH(6, 10, CScreen::kWidth, CScreen::kHeight), WS_CHILD | WS_VISIBLE));
        g_nCurrentScreen = 0;
        ForgetReportedPictures();
    }
    void TearDown() override {
        page.reset();
        Ui::Get().Stop();
        g_nCurrentScreen = 0;
        ForgetReportedPictures();
    }
    void MakePage() {
        page = std::make_unique<CScreen>();
        ASSERT_TRUE(page->Create(&area));
        page->Show();
        page->Enable();
        Drain();
    }
    void Drain() { testsupport::DrainMessages(main); }
    // Runs the loop for `ms` of virtual time.
    void RunFor(uint64_t ms) {
        backend->SetEndWhenScriptDone(false);
        Ui& ui = Ui::Get();
        const uint64_t end = ui.NowMs() + ms;
        const uint32_t tick = ui.StartPeriodicTimer(5, [] {});
        while (ui.NowMs() < end && ui.PumpOne()) {
        }
        ui.StopPeriodicTimer(tick);
    }
    // The frame's picture at a point of the page's client.
    uint32_t OnWindow(int x, int y) {
        Point origin;
        Picture* p = page->PaintPicture(&origin);
        return p ? p->Get(origin.x + x, origin.y + y) : 0xFFFFFFFF;
    }

    HeadlessBackend* backend = nullptr;
    FillWnd main{kFrameColour};
    FillWnd area{kAreaColour};
    std::unique_ptr<CScreen> page;
};

}  // namespace pagetest
