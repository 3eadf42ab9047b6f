#pragma once
// A test that runs the whole program headless: the application, its view and
// screen manager, with a drain and a command sender.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "support/ui_loop.h"
#include "ui/tree.h"

namespace testsupport {

class HeadlessAppTest : public ::testing::Test {
protected:
    // Call from SetUp after registering the pages the test needs.
    void StartApp() {
        auto b = std::make_unique<platform::win::HeadlessBackend>(platform::win::Size{1024, 768});
        backend = b.get();
        platform::win::Ui::Get().Start(std::move(b));
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        Drain();
        view = app->GetView();
        manager = view->GetScreenManager();
        ASSERT_NE(manager, nullptr);
    }
    void StopApp() {
        app.reset();
        platform::win::Ui::Get().Stop();
    }
    void Drain() { DrainMessages(*app->GetMainFrame()); }
    void Command(uint32_t id) {
        app->GetMainFrame()->Send(platform::win::WM_COMMAND, id, 0);
        Drain();
    }
    // The navigator's notice for the node of `data` (and `kind`), as a
    // click on it sends it; false when the tree holds no such node.
    bool Select(const void* data, int kind = 0) {
        CTreeNode* node = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(data), kind);
        if (!node) return false;
        TreeNotice notice;
        notice.text = node->text;
        notice.level = node->GetLevel();
        notice.data = node->data;
        notice.kind = node->kind;
        manager->OnTreeSelect(&notice);
        Drain();
        return true;
    }

    platform::win::HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    CBrixholmView* view = nullptr;
    CScreenManager* manager = nullptr;
};

}  // namespace testsupport
