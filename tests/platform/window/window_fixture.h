#pragma once
// A headless session with a main window, and a window that writes down
// every message it gets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "platform/window/window.h"

namespace wintest {

using namespace platform::win;

struct Seen {
    uint32_t msg;
    uintptr_t w;
    intptr_t l;
};

class Recorder : public Window {
public:
    std::vector<Seen> seen;
    std::function<void(uint32_t, uintptr_t, intptr_t)> hook;
    uint32_t paintColour = 0;

    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg != WM_PAINT && msg != WM_ERASEBKGND) seen.push_back({msg, w, l});
        else if (msg == WM_PAINT) seen.push_back({msg, 0, 0});
        if (hook) hook(msg, w, l);
        return Window::WindowProc(msg, w, l);
    }
    std::vector<uint32_t> Messages(std::initializer_list<uint32_t> only = {}) const {
        std::vector<uint32_t> out;
        for (auto& s : seen)
            if (only.size() == 0 || std::find(only.begin(), only.end(), s.msg) != only.end()) out.push_back(s.msg);
        return out;
    }
    int Count(uint32_t msg) const {
        int n = 0;
        for (auto& s : seen) n += s.msg == msg;
        return n;
    }

protected:
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), paintColour); }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 400, 300}, WS_VISIBLE));
    }
    void TearDown() override { Ui::Get().Stop(); }

    // Pumps until nothing but waiting is left (no script, no timers due).
    void Drain() {
        Message m;
        while (Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
        main.UpdateNow();
    }
    // Runs the loop until the headless run ends.
    void RunToEnd() { Ui::Get().Run(); }

    HeadlessBackend* backend = nullptr;
    Recorder main;
};

}  // namespace wintest
