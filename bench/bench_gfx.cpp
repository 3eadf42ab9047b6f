// Composing a page and presenting the frame: a background copy, twenty keyed
// overlays and thirty texts on the 788 x 550 page, then the frame's picture
// scaled to the window at 1 and 2.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gfx/blit.h"
#include "platform/gfx/canvas.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"

using namespace platform::gfx;

namespace {

struct Page {
    Surface background{788, 550};
    Surface overlay{64, 64, kKeyPixel};
    Surface work{788, 550};
    FontRef font = Font::Create("Arial Narrow", PointsToHeight(12), 700);
    Page() {
        for (int y = 0; y < 550; ++y)
            for (int x = 0; x < 788; ++x) background.Set(x, y, MakePixel(x / 4, y / 3, 80));
        for (int y = 8; y < 56; ++y)
            for (int x = 8; x < 56; ++x) overlay.Set(x, y, MakePixel(200, x * 3, y * 3));
    }
    void Compose() {
        Blit(work, 0, 0, background, background.Bounds());
        for (int i = 0; i < 20; ++i)
            BlitKeyed(work, (i % 5) * 150 + 10, (i / 5) * 120 + 20, overlay, overlay.Bounds(), kKeyPixel);
        Canvas c(work);
        c.SelectFont(font);
        c.SetBkMode(TRANSPARENT);
        for (int i = 0; i < 30; ++i) {
            c.SetTextColor(RGB(97, 83, 89));
            c.TextOut(21 + (i % 3) * 250, 11 + (i / 3) * 52, "Leading Goal Scorers 1999");
            c.SetTextColor(RGB(255, 255, 255));
            c.TextOut(20 + (i % 3) * 250, 10 + (i / 3) * 52, "Leading Goal Scorers 1999");
        }
    }
};

void BM_ComposePage(benchmark::State& state) {
    Page page;
    for (auto _ : state) {
        page.Compose();
        benchmark::DoNotOptimize(page.work.Data());
    }
}
BENCHMARK(BM_ComposePage)->Unit(benchmark::kMillisecond);

void BM_ComposeAndPresent(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    Page page;
    Surface frame(792, 573);
    Surface window(792 * scale, 573 * scale);
    for (auto _ : state) {
        page.Compose();
        Blit(frame, 2, 2, page.work, page.work.Bounds());
        ScaleInteger(window, 0, 0, frame, scale);
        benchmark::DoNotOptimize(window.Data());
    }
}
BENCHMARK(BM_ComposeAndPresent)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same page as a window of the layer: invalidated, painted through the
// paint path into the frame's picture, and presented by a backend that
// scales the picture as the SDL window does, by a whole factor.
class ScalingBackend : public platform::win::HeadlessBackend {
public:
    explicit ScalingBackend(int factor) : factor_(factor) {}
    void Present(const platform::win::Picture& picture) override {
        if (window_.Width() != picture.Width() * factor_)
            window_ = Surface(picture.Width() * factor_, picture.Height() * factor_);
        ScaleInteger(window_, 0, 0, picture, factor_);
        benchmark::DoNotOptimize(window_.Data());
    }

private:
    int factor_;
    Surface window_{1, 1};
};

class PageWindow : public platform::win::Window {
public:
    Page page;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override {
        page.Compose();
        Canvas dc = pc.MakeCanvas();
        dc.BitBlt(0, 0, page.work.Width(), page.work.Height(), page.work, 0, 0);
    }
};

void BM_PaintAndPresentThroughTheLayer(benchmark::State& state) {
    using namespace platform::win;
    Ui& ui = Ui::Get();
    ui.Start(std::make_unique<ScalingBackend>(static_cast<int>(state.range(0))));
    {
        Window frame;
        PageWindow view;
        frame.Create(nullptr, Rect{0, 0, 792, 573}, WS_VISIBLE);
        ui.SetMainWindow(&frame);
        view.Create(&frame, Rect::XYWH(2, 2, 788, 550), WS_CHILD | WS_VISIBLE);
        frame.UpdateNow();
        for (auto _ : state) {
            view.Invalidate(false);
            frame.UpdateNow();
            ui.PresentNow();
        }
    }
    ui.Stop();
}
BENCHMARK(BM_PaintAndPresentThroughTheLayer)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
