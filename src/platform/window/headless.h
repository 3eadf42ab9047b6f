#pragma once
// The headless backend: a virtual clock, scripted input consumed by whatever
// loop runs (modal loops started later included), message boxes answered
// from a list, and frames written as PNG files. Tests, benchmarks and
// screenshots run on it.
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/window/backend.h"

namespace platform::win {

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(Size desktop = {1024, 768});

    const char* Name() const override { return "headless"; }
    uint64_t NowMs() override { return now_; }
    void Poll(std::vector<InputEvent>& out) override;
    void Wait(uint64_t deadlineMs) override;
    Size DesktopSize() override { return desktop_; }
    void PlaceMainWindow(const Rect& clientOnDesktop, Size minClient, Size maxClient) override;
    void SetTitle(std::string_view titleCp1252) override { title_ = std::string(titleCp1252); }
    void ShowMainWindow(bool show) override { shown_ = show; }
    void SetIcon(const CursorImage& image) override { icon_ = image; }
    const CursorImage& Icon() const { return icon_; }
    void Present(const Picture& picture) override;
    void SetStandardCursor(StandardCursor c) override { cursor_ = c == StandardCursor::Wait ? 1 : 0; }
    void SetImageCursor(const CursorImage&) override { cursor_ = 2; }
    int MessageBox(std::string_view text, std::string_view caption, uint32_t type) override;
    void OpenUrl(std::string_view url) override { urls_.emplace_back(url); }
    void ModalLoopShown(int depth) override;

    // The script. Each step comes `afterMs` after the one before it (or after
    // now, when nothing is waiting). Points are in the main window's client.
    void Add(uint64_t afterMs, InputEvent e);
    void MoveTo(Point p, uint64_t afterMs = 0);
    void Press(Point p, MouseButton b = MouseButton::Left, uint64_t afterMs = 0);
    void Release(Point p, MouseButton b = MouseButton::Left, uint64_t afterMs = 0);
    void Click(Point p, MouseButton b = MouseButton::Left, uint64_t afterMs = 0);
    void KeyDown(uint32_t vk, uint64_t afterMs = 0);
    void KeyUp(uint32_t vk, uint64_t afterMs = 0);
    void Key(uint32_t vk, uint64_t afterMs = 0);  // down and up
    // Holds a key for `holdMs`, repeating as a held key does.
    void HoldKey(uint32_t vk, uint64_t holdMs, uint64_t afterMs = 0);
    void Type(std::string utf8, uint64_t afterMs = 0);
    void Close(uint64_t afterMs = 0);
    void Pause(uint64_t ms) { Add(ms, {InputEvent::Kind::Expose}); }
    void SaveFrame(std::filesystem::path path, uint64_t afterMs = 0);
    // Parses a script file's text; a line per step (see the .cpp). Nothing on
    // success, else "line N: ...".
    std::optional<std::string> LoadScript(std::string_view text);
    bool ScriptDone() const { return script_.empty(); }

    // Ends the run when the script has been used up (after its last step was
    // handled) and, independently, once the clock reaches `ms`.
    void SetEndWhenScriptDone(bool on) { endWhenDone_ = on; }
    void SetTimeLimit(uint64_t ms) { limit_ = ms; }
    // Every presented picture is also written to this folder as frame-NNNNN.png.
    void SetFrameFolder(std::filesystem::path folder) { frameFolder_ = std::move(folder); }
    void AdvanceTime(uint64_t ms) { now_ += ms; }

    // Message boxes are also written to standard error (for runs from the shell).
    void SetEchoBoxes(bool on) { echoBoxes_ = on; }
    // Answers for message boxes, in order; without one, the first button.
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    // Answers for file dialogs, in order; without one, the dialog is cancelled.
    void QueueFilePath(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // A scripted answer waits for the next file dialog.
    bool HasFileAnswer() const { return !files_.empty(); }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }

    // Printed pages are remembered, never spooled (tests run on machines
    // with printers).
    bool SpoolPrint(const std::string& file, std::string_view titleCp1252) override {
        spooled_.push_back({file, std::string(titleCp1252)});
        return true;
    }
    const std::vector<std::pair<std::string, std::string>>& Spooled() const { return spooled_; }

    // Runs when the next modal loop has shown its first frame.
    void OnModalShown(std::function<void()> action) { modalActions_.push_back(std::move(action)); }
    // A test's step: `fn` runs on the UI thread, in order with the scripted
    // input, once everything before it has been handled (the loop is idle).
    void Call(std::function<void()> fn, uint64_t afterMs = 0);
    // Runs after every window timer message, with the window and the id.
    void SetTimerAction(std::function<void(uint32_t hwnd, uint32_t id)> action) { timerAction_ = std::move(action); }
    void TimerHandled(WindowHandleValue hwnd, uint32_t id) override {
        if (timerAction_) timerAction_(hwnd, id);
    }

    struct BoxRecord {
        std::string text, caption;
        uint32_t type;
        int answer;
    };
    const std::vector<BoxRecord>& Boxes() const { return boxes_; }
    const std::vector<std::string>& Urls() const { return urls_; }
    const std::string& Title() const { return title_; }
    bool Shown() const { return shown_; }
    int Cursor() const { return cursor_; }
    const Picture& LastFrame() const { return last_; }
    uint64_t Presents() const { return presents_; }
    Rect MainClient() const { return client_; }
    Size MinClient() const { return minClient_; }
    Size MaxClient() const { return maxClient_; }
    bool Ended() const { return ended_; }

private:
    struct Step {
        uint64_t at;
        InputEvent event;
        std::filesystem::path frame;  // a frame to write instead of input
        std::function<void()> call;   // a test's step instead of input
    };
    void WritePendingFrames();

    Size desktop_;
    uint64_t now_ = 0;
    uint64_t lastAt_ = 0;
    std::deque<Step> script_;
    bool scriptGiven_ = false;
    std::vector<std::filesystem::path> pendingFrames_;
    std::vector<std::function<void()>> pendingCalls_;
    std::function<void(uint32_t, uint32_t)> timerAction_;
    bool endWhenDone_ = true;
    uint64_t limit_ = UINT64_MAX;
    bool ended_ = false;
    std::filesystem::path frameFolder_;
    bool echoBoxes_ = false;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> files_;
    std::vector<FileDialogRequest> fileDialogs_;
    std::deque<std::function<void()>> modalActions_;
    std::vector<BoxRecord> boxes_;
    std::vector<std::string> urls_;
    std::vector<std::pair<std::string, std::string>> spooled_;
    std::string title_;
    bool shown_ = false;
    CursorImage icon_;
    int cursor_ = 0;
    Picture last_;
    uint64_t presents_ = 0;
    Rect client_;
    Size minClient_, maxClient_;
};

}  // namespace platform::win
