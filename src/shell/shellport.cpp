#include "shell/shellport.h"

#include "ui/usermessagebox.h"

#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "platform/window/services.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/userport.h"

namespace {

class ShellPort : public UserPort {
public:
    CMainFrame* frame = nullptr;
    CBrixholmView* view = nullptr;

    // The game's own boxes answer the model's questions.
    int ShowMessageBox(const MessageBoxRequest& r) override { return ShowUserMessageBox(r); }
    // Pages that answer the model come with the screen framework.
    int RunScreenModal(int, void*, intptr_t, intptr_t, intptr_t) override { return 0; }
    void ShowProgress(int, const std::string&, int, int) override {}
    void StepProgress() override {}
    int GetCurrentScreenId() override { return ::GetCurrentScreenId(); }
    void UpdateStatusBar() override {
        if (frame) frame->UpdateStatusBar();
    }
    void FillTree(int) override {}
    void SetTreeMode(int) override {}
    // The match-day screen and the view's commands come with the screen
    // framework's handlers.
    void OpenMatchDayScreen(const std::string&, const CMatchTime&, const void*, const CDivision*) override {}
    void SendViewCommand(int) override {}
    bool ChooseSaveFile(const SaveFileRequest& r, std::string& path) override {
        platform::win::FileDialogRequest request;
        request.save = r.save;
        request.folder = r.folder;
        request.filter = r.filter;
        request.title = r.title;
        request.defaultExt = r.defaultExt;
        request.pathMustExist = true;
        std::optional<std::string> chosen = platform::win::RunFileDialog(request);
        if (!chosen) return false;
        path = *chosen;
        return true;
    }
};

ShellPort g_port;

}  // namespace

void InstallShellPort(CMainFrame* frame, CBrixholmView* view) {
    g_port.frame = frame;
    g_port.view = view;
    SetUserPort(&g_port);
}

void RemoveShellPort() {
    g_port.frame = nullptr;
    g_port.view = nullptr;
    SetUserPort(nullptr);
}
