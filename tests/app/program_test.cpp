// The program as a user starts it: the headless runs, a run without a
// display, the quit question on a scripted close, and a termination signal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/gfx/png.h"
#include "support/test_env.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;       // exit code; -1 when it did not exit by itself
    std::string errors;  // what it wrote to standard error
};

class Program {
public:
    // Starts the program with `args`; `drop` names variables left out of its
    // environment, `add` ones put in ("NAME=value").
    Program(const std::vector<std::string>& args, const std::vector<std::string>& drop = {},
            const std::vector<std::string>& add = {}) {
        errFile_ = testenv::TestFolder() / ("stderr-" + std::to_string(++count_));
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            std::string kv = *e;
            bool dropped = false;
            for (const std::string& d : drop) dropped |= kv.rfind(d + "=", 0) == 0;
            if (!dropped) env.push_back(kv);
        }
        env.insert(env.end(), add.begin(), add.end());
        std::vector<std::string> argv = {VT_PROGRAM};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> a, e;
        for (auto& s : argv) a.push_back(s.data());
        a.push_back(nullptr);
        for (auto& s : env) e.push_back(s.data());
        e.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawn(&pid_, VT_PROGRAM, &actions, nullptr, a.data(), e.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Program() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool Started() const { return pid_ > 0; }
    bool StillRunning() {
        if (exited_) return false;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == 0) return true;
        Finish(status);
        return false;
    }
    void Signal(int sig) { ::kill(pid_, sig); }
    // Waits until the program has written `fragment` to standard error (true),
    // or has ended, or `limitMs` of real time have passed (false). Waiting for
    // what the program says, rather than for a fixed time, keeps a busy
    // machine from changing the outcome.
    bool WaitForOutput(const std::string& fragment, int limitMs = 120000) {
        for (int waited = 0; waited < limitMs; waited += 10) {
            std::ifstream in(errFile_);
            std::string text(std::istreambuf_iterator<char>(in), {});
            if (text.find(fragment) != std::string::npos) return true;
            if (!StillRunning()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Waits for the end, at most `limitMs` of real time (then it is killed).
    Outcome Wait(int limitMs = 120000) {
        for (int waited = 0; StillRunning() && waited < limitMs; waited += 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!exited_) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            exited_ = true;
        }
        std::ifstream in(errFile_);
        run_.errors.assign(std::istreambuf_iterator<char>(in), {});
        return run_;
    }

private:
    void Finish(int status) {
        exited_ = true;
        run_.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static inline int count_ = 0;
    pid_t pid_ = -1;
    bool exited_ = false;
    Outcome run_;
    fs::path errFile_;
};

fs::path Script(const std::string& name, const std::string& text) {
    fs::path p = testenv::TestFolder() / name;
    std::ofstream(p) << text;
    return p;
}

TEST(ProgramTest, WithoutADisplayAndWithoutHeadlessItSaysSoAndFails) {
    Program p({}, {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
    ASSERT_TRUE(p.Started());
    Outcome r = p.Wait();
    EXPECT_NE(r.code, 0);
    EXPECT_NE(r.code, -1);
    EXPECT_NE(r.errors.find("needs a display"), std::string::npos) << r.errors;
}

TEST(ProgramTest, HeadlessRunsItsTimeWritesFramesAndEnds) {
    const fs::path frames = testenv::TestFolder() / "frames", shot = testenv::TestFolder() / "shot.png";
    fs::create_directories(frames);
    Program p({"--headless", "--run-ms", "1500", "--frames", frames.string(), "--screenshot", shot.string()});
    Outcome r = p.Wait();
    EXPECT_EQ(r.code, 0) << r.errors;
    EXPECT_FALSE(fs::is_empty(frames));
    auto picture = platform::gfx::ReadPng(shot);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Width(), 792);   // the frame's client: the view and the status bar
    EXPECT_EQ(picture->Height(), 573);
    EXPECT_EQ(picture->Get(300, 573 - 8), platform::gfx::MakePixel(192, 192, 192));  // the status bar's face
}

TEST(ProgramTest, AScriptedCloseAsksTheQuitQuestion) {
    // Escape answers "No": the frame stays and a later frame is written;
    // Return answers "Yes": the program ends at once, with code 0.
    struct Case {
        const char* key;
        bool stays;
    };
    for (Case c : {Case{"escape", true}, Case{"return", false}}) {
        const fs::path after = testenv::TestFolder() / (std::string("after-") + c.key + ".png");
        fs::path script = Script(std::string("close-") + c.key,
                                 "wait 300\nclose\nwait 300\nkey " + std::string(c.key) + "\nwait 300\nframe " +
                                     after.string() + "\n");
        Program p({"--headless", "--script", script.string()});
        Outcome r = p.Wait();
        EXPECT_EQ(r.code, 0) << c.key << r.errors;
        EXPECT_EQ(fs::exists(after), c.stays) << c.key;
    }
}

// The SDL backend's trace line once the program is up: its loop runs and its
// signal handlers are in place.
constexpr const char* kUp = "sdl: presenting frames";

TEST(ProgramTest, ATerminationSignalEndsItWithoutTheQuitQuestion) {
    // A real window on SDL's dummy video driver runs on the real clock until told to stop.
    Program p({}, {"DISPLAY", "WAYLAND_DISPLAY"},
              {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "VANTOREL_TRACE=1"});
    ASSERT_TRUE(p.Started());
    if (!p.WaitForOutput(kUp)) {
        if (!p.StillRunning()) GTEST_SKIP() << "SDL's dummy video driver is not available here: " << p.Wait().errors;
        FAIL() << "not up after two minutes";
    }
    p.Signal(SIGTERM);
    Outcome r = p.Wait();
    EXPECT_EQ(r.code, 0) << r.errors;
    EXPECT_EQ(r.errors.find("quit"), std::string::npos) << r.errors;
}

TEST(ProgramTest, AScriptPlaysInTheRealWindowWritesItsFrameAndEnds) {
    // Without --headless the script plays on the real clock in the SDL window
    // (here on the dummy video driver) and the run ends with the script.
    const fs::path shot = testenv::TestFolder() / "real-window.png";
    fs::remove(shot);
    fs::path script = Script("real-window", "wait 1500\nframe " + shot.string() + "\n");
    Program p({"--script", script.string(), "--run-ms", "60000"}, {"DISPLAY", "WAYLAND_DISPLAY"},
              {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"});
    ASSERT_TRUE(p.Started());
    Outcome r = p.Wait();
    if (r.code != 0 && r.errors.find("cannot open the display") != std::string::npos)
        GTEST_SKIP() << "SDL's dummy video driver is not available here: " << r.errors;
    EXPECT_EQ(r.code, 0) << r.errors;
    auto picture = platform::gfx::ReadPng(shot);
    ASSERT_TRUE(picture.has_value()) << r.errors;
    EXPECT_EQ(picture->Width(), 792);
    EXPECT_EQ(picture->Height(), 573);
    EXPECT_EQ(picture->Get(300, 573 - 8), platform::gfx::MakePixel(192, 192, 192));
}

// An X server of our own, for a display that goes away under the program.
// The server picks a free display itself and names it once it takes
// connections: two tests starting servers at once never meet on one display.
class XServer {
public:
    XServer() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        std::vector<std::string> argv = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"};
        std::vector<char*> a;
        for (auto& s : argv) a.push_back(s.data());
        a.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
        if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, a.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        // The display number, ended by a new line; the end of the pipe
        // without it means the server did not start.
        std::string number;
        for (int waited = 0; pid_ > 0 && waited < 60000;) {
            pollfd p{fds[0], POLLIN, 0};
            const int ready = ::poll(&p, 1, 100);
            if (ready == 0) {
                waited += 100;
                continue;
            }
            char c = 0;
            if (ready < 0 || ::read(fds[0], &c, 1) != 1 || c == '\n') break;
            number += c;
        }
        ::close(fds[0]);
        ready_ = pid_ > 0 && !number.empty();
        display_ = ready_ ? std::atoi(number.c_str()) : -1;
    }
    ~XServer() { Stop(); }
    bool Ready() const { return ready_; }
    std::string Display() const { return "DISPLAY=:" + std::to_string(display_); }
    void Stop() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int display_ = 0;
    bool ready_ = false;
};

TEST(ProgramTest, ALostDisplayEndsItInsteadOfHangingOnTheDeadConnection) {
    XServer x;
    if (!x.Ready()) GTEST_SKIP() << "no Xvfb here";
    // The X library ends the program from inside; leaks at that point are
    // the system's to reclaim, not ours to report.
    Program p({}, {"WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "ASAN_OPTIONS"},
              {x.Display(), "SDL_AUDIODRIVER=dummy", "ASAN_OPTIONS=detect_leaks=0", "VANTOREL_TRACE=1"});
    ASSERT_TRUE(p.Started());
    if (!p.WaitForOutput(kUp)) {
        if (!p.StillRunning()) GTEST_SKIP() << "SDL could not open the X display: " << p.Wait().errors;
        FAIL() << "not up after two minutes";
    }
    x.Stop();
    Outcome r = p.Wait();
    EXPECT_EQ(r.code, 1) << "-1: still running, or ended by a signal: " << r.errors;
    EXPECT_NE(r.errors.find("lost the connection to its display"), std::string::npos) << r.errors;
}

}  // namespace
