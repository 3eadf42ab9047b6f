#include "platform/window/headless.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "platform/sound/audio.h"
#include "platform/cp1252.h"
#include "platform/window/frame_png.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"

namespace platform::win {

HeadlessBackend::HeadlessBackend(Size desktop) : desktop_(desktop) {}

void HeadlessBackend::Add(uint64_t afterMs, InputEvent e) {
    uint64_t base = script_.empty() ? std::max(now_, lastAt_) : lastAt_;
    lastAt_ = base + afterMs;
    script_.push_back({lastAt_, std::move(e), {}, {}});
    scriptGiven_ = true;
}

void HeadlessBackend::MoveTo(Point p, uint64_t afterMs) {
    InputEvent e{InputEvent::Kind::MouseMove};
    e.pt = p;
    Add(afterMs, e);
}

void HeadlessBackend::Press(Point p, MouseButton b, uint64_t afterMs) {
    InputEvent e{InputEvent::Kind::ButtonDown};
    e.pt = p;
    e.button = b;
    Add(afterMs, e);
}

void HeadlessBackend::Release(Point p, MouseButton b, uint64_t afterMs) {
    InputEvent e{InputEvent::Kind::ButtonUp};
    e.pt = p;
    e.button = b;
    Add(afterMs, e);
}

void HeadlessBackend::Click(Point p, MouseButton b, uint64_t afterMs) {
    MoveTo(p, afterMs);
    Press(p, b, 0);
    Release(p, b, 20);
}

void HeadlessBackend::KeyDown(uint32_t vk, uint64_t afterMs) {
    InputEvent e{InputEvent::Kind::KeyDown};
    e.key = vk;
    Add(afterMs, e);
}

void HeadlessBackend::KeyUp(uint32_t vk, uint64_t afterMs) {
    InputEvent e{InputEvent::Kind::KeyUp};
    e.key = vk;
    Add(afterMs, e);
}

void HeadlessBackend::Key(uint32_t vk, uint64_t afterMs) {
    KeyDown(vk, afterMs);
    KeyUp(vk, 20);
}

void HeadlessBackend::HoldKey(uint32_t vk, uint64_t holdMs, uint64_t afterMs) {
    KeyDown(vk, afterMs);
    uint64_t t = kKeyRepeatDelayMs, last = 0;
    for (; t < holdMs; t += kKeyRepeatIntervalMs) {
        InputEvent e{InputEvent::Kind::KeyDown};
        e.key = vk;
        e.repeat = true;
        Add(t - last, e);
        last = t;
    }
    KeyUp(vk, holdMs - last);
}

void HeadlessBackend::Type(std::string utf8, uint64_t afterMs) {
    InputEvent e{InputEvent::Kind::Text};
    e.text = std::move(utf8);
    Add(afterMs, e);
}

void HeadlessBackend::Close(uint64_t afterMs) {
    Add(afterMs, {InputEvent::Kind::CloseRequest});
}

void HeadlessBackend::SaveFrame(std::filesystem::path path, uint64_t afterMs) {
    Add(afterMs, {InputEvent::Kind::Expose});
    script_.back().frame = std::move(path);
}

void HeadlessBackend::Call(std::function<void()> fn, uint64_t afterMs) {
    Add(afterMs, {InputEvent::Kind::Expose});
    script_.back().call = std::move(fn);
}

void HeadlessBackend::Poll(std::vector<InputEvent>& out) {
    // A frame shows everything before it, and nothing after: the steps after
    // it wait until the loop has gone idle and the frame is written. A
    // test's call waits the same way.
    while (pendingFrames_.empty() && pendingCalls_.empty() && !script_.empty() && script_.front().at <= now_) {
        const bool waits = !script_.front().frame.empty() || script_.front().call;
        if (waits && !out.empty()) break;
        Step s = std::move(script_.front());
        script_.pop_front();
        if (!s.frame.empty()) pendingFrames_.push_back(std::move(s.frame));
        else if (s.call) pendingCalls_.push_back(std::move(s.call));
        else if (s.event.kind != InputEvent::Kind::Expose) out.push_back(std::move(s.event));
    }
    if (now_ > limit_) ended_ = true;
    if (ended_) {
        out.push_back({InputEvent::Kind::Terminate});
    }
}

void HeadlessBackend::WritePendingFrames() {
    for (auto& p : pendingFrames_) {
        if (!WritePngFile(p, last_)) std::fprintf(stderr, "cannot write frame %s\n", p.string().c_str());
    }
    pendingFrames_.clear();
}

void HeadlessBackend::Wait(uint64_t deadlineMs) {
    // The loop is idle: everything up to now is handled and shown.
    WritePendingFrames();
    if (!pendingCalls_.empty()) {
        // What a call posts is handled before the clock moves on.
        auto calls = std::move(pendingCalls_);
        pendingCalls_.clear();
        for (auto& fn : calls) fn();
        // The loop that waited looks again at whether it should go on.
        Ui::Get().Post(nullptr, WM_NULL, 0, 0);
        return;
    }
    uint64_t next = deadlineMs;
    if (!script_.empty()) next = std::min(next, script_.front().at);
    bool scriptOver = scriptGiven_ && script_.empty() && endWhenDone_;
    if (scriptOver || next == UINT64_MAX || now_ > limit_ || (limit_ != UINT64_MAX && next > limit_)) {
        if (limit_ != UINT64_MAX && !scriptOver && next != UINT64_MAX) now_ = std::max(now_, limit_);
        ended_ = true;
        return;
    }
    uint64_t before = now_;
    now_ = std::max(now_, next);
    // Sounds play out on the virtual clock, so they end and loops move on.
    platform::AdvanceAudio(static_cast<uint32_t>(std::min<uint64_t>(now_ - before, UINT32_MAX)));
}

void HeadlessBackend::PlaceMainWindow(const Rect& clientOnDesktop, Size minClient, Size maxClient) {
    client_ = clientOnDesktop;
    minClient_ = minClient;
    maxClient_ = maxClient;
}

void HeadlessBackend::Present(const Picture& picture) {
    last_ = picture;
    ++presents_;
    if (!frameFolder_.empty()) {
        char name[32];
        std::snprintf(name, sizeof name, "frame-%05llu.png", static_cast<unsigned long long>(presents_));
        WritePngFile(frameFolder_ / name, picture);
    }
}

int HeadlessBackend::MessageBox(std::string_view text, std::string_view caption, uint32_t type) {
    int answer;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    } else {
        switch (type & MB_TYPEMASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL: answer = IDYES; break;
        case MB_RETRYCANCEL: answer = IDRETRY; break;
        default: answer = IDOK; break;
        }
    }
    boxes_.push_back({std::string(text), std::string(caption), type, answer});
    if (echoBoxes_)
        std::fprintf(stderr, "[%s] %s -> %d\n", Cp1252ToUtf8(caption).c_str(), Cp1252ToUtf8(text).c_str(), answer);
    return answer;
}

std::optional<std::string> HeadlessBackend::ChooseFile(const FileDialogRequest& request) {
    fileDialogs_.push_back(request);
    if (files_.empty()) return std::nullopt;
    auto path = std::move(files_.front());
    files_.pop_front();
    return path;
}

void HeadlessBackend::ModalLoopShown(int /*depth*/) {
    if (modalActions_.empty()) return;
    auto action = std::move(modalActions_.front());
    modalActions_.pop_front();
    action();
}

// Script lines (blank lines and '#' comments are skipped):
//   wait MS | move X Y | click X Y | rclick X Y | down X Y | up X Y
//   key VK | hold VK MS | text WORDS... | close | frame PATH | answer ID
//   file PATH (the next file dialog's answer; the rest of the line) | nofile
// VK is a number or one of: return escape space back delete tab left right
// up down home end f1, or a single letter or digit.
std::optional<std::string> HeadlessBackend::LoadScript(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    int n = 0;
    uint64_t pending = 0;
    auto key = [](const std::string& s) -> std::optional<uint32_t> {
        static const std::pair<const char*, uint32_t> names[] = {
            {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"space", VK_SPACE}, {"back", VK_BACK},
            {"delete", VK_DELETE}, {"tab", VK_TAB},       {"left", VK_LEFT},   {"right", VK_RIGHT},
            {"up", VK_UP},         {"down", VK_DOWN},     {"home", VK_HOME},   {"end", VK_END},
            {"f1", VK_F1},         {"control", VK_CONTROL}, {"shift", VK_SHIFT}};
        for (auto& [name, vk] : names)
            if (s == name) return vk;
        if (s.size() == 1 && std::isalnum(static_cast<unsigned char>(s[0])))
            return uint32_t(std::toupper(static_cast<unsigned char>(s[0])));
        char* end = nullptr;
        unsigned long v = std::strtoul(s.c_str(), &end, 0);
        if (!s.empty() && end && *end == 0 && v < 256) return uint32_t(v);
        return std::nullopt;
    };
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream ls(line);
        std::string cmd;
        if (!(ls >> cmd) || cmd[0] == '#') continue;
        auto bad = [&] { return "line " + std::to_string(n) + ": cannot read \"" + line + "\""; };
        int x = 0, y = 0;
        if (cmd == "wait") {
            long long ms;
            if (!(ls >> ms) || ms < 0) return bad();
            pending += uint64_t(ms);
        } else if (cmd == "move" || cmd == "click" || cmd == "rclick" || cmd == "down" || cmd == "up") {
            if (!(ls >> x >> y)) return bad();
            if (cmd == "move") MoveTo({x, y}, pending);
            else if (cmd == "click") Click({x, y}, MouseButton::Left, pending);
            else if (cmd == "rclick") Click({x, y}, MouseButton::Right, pending);
            else if (cmd == "down") Press({x, y}, MouseButton::Left, pending);
            else Release({x, y}, MouseButton::Left, pending);
            pending = 0;
        } else if (cmd == "key" || cmd == "hold") {
            std::string k;
            if (!(ls >> k)) return bad();
            auto vk = key(k);
            if (!vk) return bad();
            if (cmd == "key") Key(*vk, pending);
            else {
                long long ms;
                if (!(ls >> ms) || ms <= 0) return bad();
                HoldKey(*vk, uint64_t(ms), pending);
            }
            pending = 0;
        } else if (cmd == "text") {
            std::string rest;
            std::getline(ls, rest);
            if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
            Type(rest, pending);
            pending = 0;
        } else if (cmd == "close") {
            Close(pending);
            pending = 0;
        } else if (cmd == "frame") {
            std::string path;
            if (!(ls >> path)) return bad();
            SaveFrame(path, pending);
            pending = 0;
        } else if (cmd == "answer") {
            int id;
            if (!(ls >> id)) return bad();
            QueueAnswer(id);
        } else if (cmd == "file") {
            std::string rest;
            std::getline(ls, rest);
            const size_t first = rest.find_first_not_of(' ');
            if (first == std::string::npos) return bad();
            QueueFilePath(rest.substr(first));
        } else if (cmd == "nofile") {
            QueueFilePath(std::nullopt);
        } else {
            return bad();
        }
    }
    if (pending) Pause(pending);
    return std::nullopt;
}

}  // namespace platform::win
