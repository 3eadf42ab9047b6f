#pragma once
// A headless session with a main window holding one page over the title
// picture, the archives and the interface sounds loaded, as the game has
// them once the title page ran.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "shell/screen.h"
#include "shell/soundengine.h"
#include "support/test_env.h"

namespace uitest {
#include "support/ui_loop.h"

using namespace platform::win;

class MainWnd : public Window {
protected:
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), 0x202020); }
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_EQ(StartDirectSound(), 0);
        for (int i = 0; i < 20; ++i)
            LoadSample(i, (std::string("SND\\GEN\\") + kInterfaceSampleNames[i] + ".wav").c_str());
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        page = std::make_unique<CScreen>();
        page->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(page->Create(&main));
        page->Show();
        page->Enable();
        Drain();
    }
    void TearDown() override {
        page.reset();
        EndDirectSound();
        Ui::Get().Stop();
        FreeArchiveIndexes();
    }
    void Drain() { testsupport::DrainMessages(main); }
    // Runs the loop for `ms` of virtual time (scripted input included).
    // A ticking timer keeps the headless clock moving while nothing else is due.
    void RunFor(uint64_t ms) { testsupport::RunVirtualTime(*backend, main, ms); }
    // Sample `slot` was played since the last call.
    bool Played(int slot) {
        const SampleRecord* s = GetSample(slot);
        bool was = s && s->playing;
        StopSample(slot);
        return was;
    }
    const Picture& Frame() {
        Ui::Get().PresentNow();
        return backend->LastFrame();
    }
    // The frame's pixel at a point of the page.
    uint32_t At(int x, int y) { return Ui::Get().MainPicture()->Get(x, y); }
    uint32_t Back(int x, int y) { return page->GetBackBuffer().Get(x, y); }
    // Pictures for people to look at; never the check.
    void Save(const std::string& name) {
        auto dir = testenv::BuildDir() / "widget-shots";
        std::filesystem::create_directories(dir);
        platform::gfx::WritePng(Frame(), dir / (name + ".png"));
    }

    HeadlessBackend* backend = nullptr;
    MainWnd main;
    std::unique_ptr<CScreen> page;
};

}  // namespace uitest
