#pragma once
// The match-day page's drawing set-up the animation benchmarks share: a
// headless window with one page, the 320 x 200 scratch surface with the
// page's fonts, a pitch-green backdrop and a plain palette. Torn down in
// reverse when it goes.
#include <cstdint>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/ddsurface.h"
#include "shell/screen.h"
#include "shell/view.h"

class MatchPageBench {
public:
    MatchPageBench() : ui(platform::win::Ui::Get()) {
        using namespace platform::win;
        ui.Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        frame = std::make_unique<Window>();
        frame->Create(nullptr, Rect{0, 0, 792, 573}, WS_VISIBLE);
        ui.SetMainWindow(frame.get());
        page = std::make_unique<CScreen>();
        page->Create(frame.get());
        page->Show();
        frame->UpdateNow();
        CreatePlainSurface(g_pScratchSurface, 320, 200);
        page->CreateFonts(g_pScratchSurface.get());
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x) backdrop.Set(x, y, platform::gfx::MakePixel(30, 100 + y / 4, 40));
        for (int i = 0; i < 1024; ++i) palette[i] = static_cast<uint8_t>(i * 5);
    }
    ~MatchPageBench() {
        g_pScratchSurface.reset();
        page.reset();
        frame.reset();
        ui.Stop();
    }
    MatchPageBench(const MatchPageBench&) = delete;
    MatchPageBench& operator=(const MatchPageBench&) = delete;

    // One frame's work after decoding: backdrop, mix, banner.
    void DrawFrame(const uint8_t* pixels) {
        page->BlitSurfaceToSurface(0, 0, &backdrop, g_pScratchSurface.get());
        page->BuildMixBitmapSurface(pixels, g_pScratchSurface.get(), palette, 320, 200);
        page->DrawMatchStateBanner();
    }

    platform::win::Ui& ui;
    std::unique_ptr<platform::win::Window> frame;
    std::unique_ptr<CScreen> page;
    Surface backdrop{320, 200};
    uint8_t palette[1024] = {};
};
