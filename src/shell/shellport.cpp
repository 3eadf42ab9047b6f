#include "shell/shellport.h"

#include "ui/treewindow.h"
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
    int RunScreenModal(int screen, void* object, intptr_t value1, intptr_t value2, intptr_t value3) override {
        if (!view) return 0;
        return view->RunScreenModal(screen, reinterpret_cast<intptr_t>(object), value1, value2, value3);
    }
    void ShowProgress(int, const std::string&, int, int) override {}
    void StepProgress() override {}
    int GetCurrentScreenId() override { return ::GetCurrentScreenId(); }
    void UpdateStatusBar() override {
        if (frame) frame->UpdateStatusBar();
    }
    void FillTree(int kind) override {
        if (CTreeWindow* tree = view ? view->GetTreeWindow() : nullptr) tree->FillTree(kind);
    }
    void PersonDeleted(int kind, int owner, int index) override {
        CScreenManager* manager = view ? view->GetScreenManager() : nullptr;
        if (!manager) return;
        const bool recordedOnDisplay = !manager->IsOffHistory();
        // The page on display showed him: the entry before it comes back.
        if (manager->RemoveHistoryEntries({index, owner, kind}) && recordedOnDisplay)
            manager->ShowHistoryEntry(manager->GetHistory().GetCurrent());
    }
    void SetTreeMode(int mode) override {
        if (CTreeWindow* tree = view ? view->GetTreeWindow() : nullptr) tree->SetMode(mode);
    }
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
