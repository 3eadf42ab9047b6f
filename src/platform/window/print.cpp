#include "platform/window/print.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/gfx/png.h"
#include "platform/gfx/system.h"
#include "platform/trace.h"
#include "platform/window/button.h"
#include "platform/window/dialog.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

extern char** environ;

namespace platform::win {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool OnPath(const char* program) {
    std::string path = Env("PATH");
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(':', start);
        if (end == std::string::npos) end = path.size();
        fs::path dir = path.substr(start, end - start);
        if (dir.empty()) dir = ".";
        if (::access((dir / program).c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Runs a program found on the path with its output thrown away; its exit
// status, or -1 when it could not be started.
int RunQuietly(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A page made smaller by averaging the pixels each target pixel covers, so
// text stays readable in the preview.
gfx::Surface Shrink(const gfx::Surface& page, Size to) {
    gfx::Surface out(to.cx, to.cy);
    for (int y = 0; y < to.cy; ++y) {
        const int y0 = y * page.Height() / to.cy, y1 = std::max(y0 + 1, (y + 1) * page.Height() / to.cy);
        for (int x = 0; x < to.cx; ++x) {
            const int x0 = x * page.Width() / to.cx, x1 = std::max(x0 + 1, (x + 1) * page.Width() / to.cx);
            uint32_t r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    uint32_t p = page.Get(sx, sy);
                    r += (p >> 16) & 255;
                    g += (p >> 8) & 255;
                    b += p & 255;
                    ++n;
                }
            out.Set(x, y, gfx::MakePixel(int(r / n), int(g / n), int(b / n)));
        }
    }
    return out;
}

constexpr uint32_t kPrintButton = 1;
constexpr uint32_t kCloseButton = 2;
constexpr uint32_t kNextButton = 3;
constexpr uint32_t kPreviousButton = 4;

// The look at the pages before printing: one page at a time, "Print" ends
// with 1 and "Close" with 2; the arrow keys and two buttons turn the pages.
class PreviewDialog : public Dialog {
public:
    explicit PreviewDialog(const PrintJob& job) : job_(job) {}
    static constexpr Size kSize{500, 540};
    static constexpr Rect kPageBox{12, Dialog::kCaptionBar + 12, 12 + 340, Dialog::kCaptionBar + 12 + 481};
    int Shown() const { return page_; }

protected:
    bool OnInitDialog() override {
        const int x = kPageBox.right + 16, w = kSize.cx - x - 12;
        auto add = [&](std::unique_ptr<Button>& b, const char* text, int y, uint32_t id) {
            b = std::make_unique<Button>();
            return b->CreateButton(text, WS_CHILD | WS_VISIBLE, Rect::XYWH(x, y, w, 24), this, id);
        };
        return add(print_, "Print", kPageBox.top, kPrintButton) && add(close_, "Close", kPageBox.top + 32, kCloseButton) &&
               add(next_, "Next Page", kPageBox.top + 80, kNextButton) &&
               add(previous_, "Prev Page", kPageBox.top + 112, kPreviousButton);
    }
    bool PreTranslateKey(uint32_t msg, uint32_t vk) override {
        if (msg == WM_KEYDOWN && (vk == VK_RIGHT || vk == VK_LEFT)) {
            Turn(vk == VK_RIGHT ? 1 : -1);
            return true;
        }
        return Dialog::PreTranslateKey(msg, vk);
    }
    bool OnCommand(uint32_t id, uint32_t code, Window* control) override {
        if (code == BN_CLICKED && (id == kNextButton || id == kPreviousButton)) {
            Turn(id == kNextButton ? 1 : -1);
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnPaint(const PaintContext& pc) override {
        Dialog::OnPaint(pc);
        if (job_.PageCount() == 0) return;
        if (thumbPage_ != page_) {
            thumb_ = Shrink(job_.Page(page_), {kPageBox.Width(), kPageBox.Height()});
            thumbPage_ = page_;
        }
        gfx::Canvas dc = pc.MakeCanvas();
        dc.StretchBlt(kPageBox, thumb_, thumb_.Bounds());
        Rect frame = {kPageBox.left - 1, kPageBox.top - 1, kPageBox.right + 1, kPageBox.bottom + 1};
        dc.DrawEdge(frame, gfx::EDGE_SUNKEN, gfx::BF_RECT);
        char line[48];
        std::snprintf(line, sizeof line, "Page %d of %d", page_ + 1, job_.PageCount());
        PaintText(pc, Rect::XYWH(kPageBox.right + 16, kPageBox.top + 150, 120, 20), line,
                  gfx::ToPixel(gfx::GetSysColor(gfx::COLOR_BTNTEXT)));
    }

private:
    void Turn(int by) {
        const int to = std::clamp(page_ + by, 0, std::max(0, job_.PageCount() - 1));
        if (to == page_) return;
        page_ = to;
        Invalidate(false);
    }

    const PrintJob& job_;
    int page_ = 0;
    int thumbPage_ = -1;
    gfx::Surface thumb_{1, 1};
    std::unique_ptr<Button> print_, close_, next_, previous_;
};

}  // namespace

fs::path PrintFolder() {
    fs::path base;
    if (std::string docs = Env("XDG_DOCUMENTS_DIR"); !docs.empty()) {
        base = docs;
    } else {
        std::error_code ec;
        fs::path home = Env("HOME");
        if (!home.empty() && fs::is_directory(home / "Documents", ec)) base = home / "Documents";
        else base = DataFolder();
    }
    return base / "Vantorel 2000";
}

bool PrinterConfigured() {
    if (!OnPath("lp")) return false;
    if (!Env("PRINTER").empty() || !Env("LPDEST").empty()) return true;
    if (!OnPath("lpstat")) return false;
    FILE* p = ::popen("lpstat -d 2>/dev/null", "r");
    if (!p) return false;
    char buf[256];
    std::string out;
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    ::pclose(p);
    // "system default destination: NAME"; without one, "no system default destination".
    return out.rfind("system default destination:", 0) == 0;
}

bool SendToPrinter(const fs::path& file, std::string_view title) {
    if (!OnPath("lp")) return false;
    return RunQuietly({"lp", "-t", Cp1252ToUtf8(title), "--", file.string()}) == 0;
}

bool Backend::SpoolPrint(const std::string& file, std::string_view title) {
    if (!PrinterConfigured()) return false;
    if (SendToPrinter(file, title)) return true;
    TraceF("Printing: lp refused %s\n", file.c_str());
    return false;
}

fs::path NextPrintFile(const fs::path& folder, std::string_view title) {
    std::string name;
    for (char c : title) {
        const unsigned char u = static_cast<unsigned char>(c);
        name += (std::isalnum(u) && u < 128) || c == ' ' || c == '-' || c == '_' ? c : '_';
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (name.empty()) name = "Printout";
    for (int n = 1;; ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, " %03d.png", n);
        fs::path candidate = folder / (name + suffix);
        std::error_code ec;
        if (!fs::exists(candidate, ec)) return candidate;
    }
}

PrintJob::PrintJob(std::string title) : title_(std::move(title)) {}

PrintJob::~PrintJob() = default;

gfx::Canvas& PrintJob::StartPage() {
    if (canvas_) EndPage();
    pages_.push_back(std::make_unique<gfx::Surface>(kPrintPageSize.cx, kPrintPageSize.cy, gfx::MakePixel(255, 255, 255)));
    canvas_ = std::make_unique<gfx::Canvas>(*pages_.back());
    return *canvas_;
}

void PrintJob::EndPage() {
    canvas_.reset();
}

PrintResult PrintJob::Finish(PrintMode mode) {
    EndPage();
    PrintResult result;
    if (pages_.empty()) {
        result.cancelled = true;
        return result;
    }
    if (mode == PrintMode::Preview) {
        PreviewDialog preview(*this);
        const int answer = preview.DoModal(Ui::Get().MainWindow(), PreviewDialog::kSize, title_);
        if (answer != 1) {
            result.cancelled = true;
            return result;
        }
    }
    const fs::path folder = PrintFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const auto& page : pages_) {
        fs::path file = NextPrintFile(folder, title_);
        if (!gfx::WritePng(*page, file)) {
            TraceF("Printing: cannot write %s\n", file.c_str());
            result.failed = true;
            return result;
        }
        result.files.push_back(file);
    }
    for (const fs::path& file : result.files) {
        const bool spooled = Ui::Get().Started() ? Ui::Get().GetBackend().SpoolPrint(file.string(), title_)
                                                 : PrinterConfigured() && SendToPrinter(file, title_);
        result.spooled = spooled || result.spooled;
    }
    return result;
}

}  // namespace platform::win
