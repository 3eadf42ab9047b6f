#include "shell/shellport.h"

#include "ui/filedialogwnd.h"
#include "ui/treewindow.h"
#include "ui/usermessagebox.h"

#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "platform/window/services.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
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
    // Progress reaches the progress page only while it is on display.
    void ShowProgress(int total, const std::string& text, int step, int flag) override {
        CScreenManager* manager = view ? view->GetScreenManager() : nullptr;
        if (!manager) return;
        if (ProgressPage* page = manager->ShowProgressScreen(total, text, static_cast<uint8_t>(flag)))
            page->SetProgress(step, total);
    }
    void StepProgress() override {
        CScreenManager* manager = view ? view->GetScreenManager() : nullptr;
        if (ProgressPage* page = manager ? manager->GetProgressPage() : nullptr) page->StepProgress();
    }
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
        // A list that closes up names someone else at every later place:
        // all of its entries go. The page on display showed him: the entry
        // before it comes back.
        if (manager->RemoveHistoryEntries({index, owner, kind}, kind != kPersonListPlayers) &&
            recordedOnDisplay)
            manager->ShowHistoryEntry(manager->GetHistory().GetCurrent());
    }
    void SetTreeMode(int mode) override {
        if (CTreeWindow* tree = view ? view->GetTreeWindow() : nullptr) tree->SetMode(mode);
    }
    // The day step's match was computed without the match-day screen: its
    // summary (page 16) shows the current user's match of the date, which
    // the page finds itself (competition kind 0).
    void OpenMatchDayScreen(const std::string& text, const CMatchTime& date, const void* competition,
                            const CDivision* division) override {
        CScreenManager* manager = view ? view->GetScreenManager() : nullptr;
        if (!manager) return;
        std::string name = text;
        if (name.empty() && competition)
            name = competition == division ? std::string(division->GetName())
                                           : std::string(static_cast<const CCup*>(competition)->m_Name);
        manager->ShowMatchSummary(1, name, 0, 0, 0, date, 0, 0);
    }
    // As the tool bar would send it: through the frame, to the view.
    void SendViewCommand(int command) override {
        platform::win::Window* target = frame ? static_cast<platform::win::Window*>(frame) : view;
        if (target) target->Send(platform::win::WM_COMMAND, static_cast<uintptr_t>(command), 0);
    }
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
    InstallGameFileDialog(true);
}

void RemoveShellPort() {
    g_port.frame = nullptr;
    g_port.view = nullptr;
    SetUserPort(nullptr);
    InstallGameFileDialog(false);
}
