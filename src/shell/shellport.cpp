#include "shell/shellport.h"

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

    int ShowMessageBox(const MessageBoxRequest& r) override {
        using namespace platform::win;
        uint32_t kind = MB_OK;
        const unsigned buttons = r.type & 0xF;
        if (buttons == 4 || r.buttons.size() == 2) kind = MB_YESNO;
        else if (buttons == 3 || r.buttons.size() >= 3) kind = MB_YESNOCANCEL;
        if ((r.type & 0xF0) == 0x30) kind |= MB_ICONWARNING;
        return PlainMessageBox(r.text, platform::LoadString(843), kind);
    }
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
};

ShellPort g_port;

}  // namespace

void InstallShellPort(CMainFrame* frame, CBrixholmView* view) {
    g_port.frame = frame;
    g_port.view = view;
    SetUserPort(frame ? &g_port : nullptr);
}
