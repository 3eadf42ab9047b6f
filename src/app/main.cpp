// Vantorel 2000: picks the backend, starts the application and runs it.
//   --headless            no window: a virtual clock, scripted input
//   --script FILE         an input script (see platform/window/headless.cpp);
//                         without --headless it plays on the real clock in
//                         the real window
//   --run-ms N            with --headless or a script: stop after N milliseconds
//                         (virtual ones when headless)
//   --frames DIR          with --headless or a script: write every shown frame into DIR
//   --screenshot FILE     with --headless or a script: write the last frame shown to FILE
//   --desktop WxH         headless: the desktop's usable size (default 1024x768)
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/stringtable.h"
#include "platform/window/frame_png.h"
#include "platform/window/headless.h"
#include "platform/window/scripted.h"
#include "platform/window/sdl_backend.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/brixholmapp.h"
#include "soccerclasses/worlddata.h"

namespace {

void OnTerminationSignal(int) {
    platform::win::Ui::RequestTerminate();
}

struct Options {
    bool headless = false;
    std::string script, frames, screenshot;
    long long runMs = -1;
    platform::win::Size desktop{1024, 768};
    std::vector<std::string> gameArgs;
};

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--headless") o.headless = true;
        else if (a == "--script") { if (!next(o.script)) return false; }
        else if (a == "--frames") { if (!next(o.frames)) return false; }
        else if (a == "--screenshot") { if (!next(o.screenshot)) return false; }
        else if (a == "--run-ms") {
            if (!next(v)) return false;
            o.runMs = std::atoll(v.c_str());
        } else if (a == "--desktop") {
            if (!next(v) || std::sscanf(v.c_str(), "%dx%d", &o.desktop.cx, &o.desktop.cy) != 2) return false;
        } else o.gameArgs.push_back(a);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace platform::win;
    // A write to a connection that has gone away (the display, a printer
    // pipe) must come back as an error to handle, not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Vantorel 2000\n");
            return 0;
        }
    }
    Options opt;
    if (!Parse(argc, argv, opt)) {
        std::fprintf(stderr, "usage: vantorel [--headless] [--script FILE] [--run-ms N] [--frames DIR] "
                             "[--screenshot FILE] [--desktop WxH] [-cdrom:FOLDER]\n");
        return 2;
    }

    std::unique_ptr<Backend> backend;
    // The script's player: the headless backend itself, or the one a
    // scripted real window plays its script on.
    HeadlessBackend* player = nullptr;
    if (opt.headless) {
        auto h = std::make_unique<HeadlessBackend>(opt.desktop);
        player = h.get();
        backend = std::move(h);
    } else {
        std::string why;
        backend = OpenSdlBackend(&why);
        if (!backend) {
            std::fprintf(stderr, "%s\n(%s)\n", platform::LoadString(64000).c_str(), why.c_str());
            return 1;
        }
        if (!opt.script.empty()) {
            auto s = std::make_unique<ScriptedBackend>(std::move(backend));
            player = &s->Script();
            backend = std::move(s);
        }
    }
    if (player) {
        player->SetEchoBoxes(true);
        if (!opt.script.empty()) {
            auto text = platform::ReadWholeFile(opt.script);
            if (!text) {
                std::fprintf(stderr, "vantorel: cannot read the script %s\n", opt.script.c_str());
                return 2;
            }
            if (auto err = player->LoadScript(std::string(text->begin(), text->end()))) {
                std::fprintf(stderr, "vantorel: %s: %s\n", opt.script.c_str(), err->c_str());
                return 2;
            }
        }
        if (opt.runMs >= 0) {
            player->SetTimeLimit(uint64_t(opt.runMs));
            if (opt.script.empty()) player->SetEndWhenScriptDone(false);
        }
        if (!opt.frames.empty()) player->SetFrameFolder(opt.frames);
    }

    Ui::Get().Start(std::move(backend));
    // Only now: starting the session clears a request made before it.
    std::signal(SIGTERM, OnTerminationSignal);
    std::signal(SIGINT, OnTerminationSignal);
    // The world reads its start-up files; a missing one ends the program there.
    RegisterGamePages();
    CBrixholmApp::SetWorldFactory([] { return StartWorld(); });
    int code = 1;
    {
        CBrixholmApp app;
        if (app.InitInstance(opt.gameArgs)) code = Ui::Get().Run();
    }
    if (player && !opt.screenshot.empty() && !WritePngFile(opt.screenshot, player->LastFrame()))
        std::fprintf(stderr, "vantorel: cannot write %s\n", opt.screenshot.c_str());
    Ui::Get().Stop();
    return code;
}
