#include "platform/window/services.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/trace.h"
#include "platform/window/filedialog.h"
#include "platform/window/ui.h"

namespace platform::win {

namespace {
std::function<void(uint32_t)> g_helpHandler;
std::vector<uint32_t> g_helpRequests;
std::function<std::optional<std::string>(const FileDialogRequest&)> g_fileDialog;
}  // namespace

int PlainMessageBox(std::string_view text, std::string_view caption, uint32_t type) {
    return Ui::Get().MessageBox(text, caption, type);
}

void ShowHelp(uint32_t context) {
    g_helpRequests.push_back(context);
    TraceF("Help context %u\n", context);
    if (g_helpHandler) g_helpHandler(context);
}

void SetHelpHandler(std::function<void(uint32_t)> handler) {
    g_helpHandler = std::move(handler);
}

const std::vector<uint32_t>& HelpRequests() {
    return g_helpRequests;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request) {
    std::optional<std::string> path;
    if (g_fileDialog) path = g_fileDialog(request);
    else if (Ui::Get().Started()) path = Ui::Get().GetBackend().ChooseFile(request);
    if (!path) return std::nullopt;
    return ResolveChosenPath(request, request.folder, *path);
}

void SetFileDialogHandler(std::function<std::optional<std::string>(const FileDialogRequest&)> handler) {
    g_fileDialog = std::move(handler);
}

void OpenUrl(std::string_view url) {
    if (Ui::Get().Started()) Ui::Get().GetBackend().OpenUrl(url);
}

void PaintText(const PaintContext& pc, const Rect& box, std::string_view text, uint32_t colour) {
    if (!pc.picture || text.empty()) return;
    static const gfx::FontRef font = gfx::Font::CreatePoint(80, "MS Sans Serif");
    gfx::Canvas canvas = pc.MakeCanvas();
    canvas.SelectFont(font);
    canvas.SetBkMode(gfx::TRANSPARENT);
    canvas.SetTextColor(gfx::RGB(int(colour >> 16) & 255, int(colour >> 8) & 255, int(colour) & 255));
    Rect r = box;
    canvas.DrawText(text, r, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
}

InstanceLock::InstanceLock(std::string_view name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path dir = (runtime && *runtime) ? std::filesystem::path(runtime)
                                                      : std::filesystem::temp_directory_path();
    auto path = dir / std::string(name);
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) alone_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceLock::~InstanceLock() {
    Close();
}

void InstanceLock::Close() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing releases the lock
        fd_ = -1;
    }
}

}  // namespace platform::win
