#pragma once
// A script played on the real clock over a real backend: the window, the
// display and the sound card are the real ones, while the input, the
// message-box and file-dialog answers and the pictures written come from a
// headless script. The screenshots run the program this way under a virtual
// X server, so what they show is what the SDL window shows.
#include <memory>

#include "platform/window/backend.h"
#include "platform/window/headless.h"

namespace platform::win {

class ScriptedBackend : public Backend {
public:
    explicit ScriptedBackend(std::unique_ptr<Backend> inner);

    // The script's steps, answers and frame folder; its clock follows the
    // real one.
    HeadlessBackend& Script() { return script_; }

    const char* Name() const override { return inner_->Name(); }
    uint64_t NowMs() override { return inner_->NowMs(); }
    void Poll(std::vector<InputEvent>& out) override;
    void Wait(uint64_t deadlineMs) override;
    Size DesktopSize() override { return inner_->DesktopSize(); }
    void PlaceMainWindow(const Rect& clientOnDesktop, Size minClient, Size maxClient) override {
        inner_->PlaceMainWindow(clientOnDesktop, minClient, maxClient);
    }
    void SetTitle(std::string_view titleCp1252) override { inner_->SetTitle(titleCp1252); }
    void SetIcon(const CursorImage& image) override { inner_->SetIcon(image); }
    void ShowMainWindow(bool show) override { inner_->ShowMainWindow(show); }
    void Present(const Picture& picture) override;
    void SetStandardCursor(StandardCursor c) override { inner_->SetStandardCursor(c); }
    void SetImageCursor(const CursorImage& image) override { inner_->SetImageCursor(image); }
    // A real box would wait for a hand that never comes: the script answers.
    int MessageBox(std::string_view textCp1252, std::string_view captionCp1252, uint32_t type) override {
        return script_.MessageBox(textCp1252, captionCp1252, type);
    }
    void OpenUrl(std::string_view url) override { script_.OpenUrl(url); }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override {
        return script_.ChooseFile(request);
    }
    bool SpoolPrint(const std::string& file, std::string_view titleCp1252) override {
        return script_.SpoolPrint(file, titleCp1252);
    }
    void ModalLoopShown(int depth) override { script_.ModalLoopShown(depth); }
    void TimerHandled(WindowHandleValue hwnd, uint32_t id) override { script_.TimerHandled(hwnd, id); }

private:
    void FollowRealClock();

    std::unique_ptr<Backend> inner_;
    HeadlessBackend script_;
    uint64_t start_ = 0;
};

}  // namespace platform::win
