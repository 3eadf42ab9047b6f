#include "soccerclasses/userport.h"

#include <cstdio>

#include "platform/stringtable.h"

namespace {

// Without a shell there is nobody to ask: say it and take the first button.
class StderrPort : public UserPort {
public:
    int ShowMessageBox(const MessageBoxRequest& r) override {
        std::fprintf(stderr, "%s\n", r.text.c_str());
        return FirstButtonAnswer(r.type);
    }
    int RunScreenModal(int, void*, intptr_t, intptr_t, intptr_t) override { return 0; }
    void ShowProgress(int, const std::string&, int, int) override {}
    void StepProgress() override {}
    int GetCurrentScreenId() override { return 0; }
    void UpdateStatusBar() override {}
    void FillTree(int) override {}
    void SetTreeMode(int) override {}
    void OpenMatchDayScreen(const std::string&, const CMatchTime&, const void*, const CDivision*) override {}
    void SendViewCommand(int) override {}
    // Nobody to choose: as if cancelled.
    bool ChooseSaveFile(const SaveFileRequest&, std::string&) override { return false; }
};

UserPort*& Installed() {
    static UserPort* port = nullptr;
    return port;
}

int Show(MessageBoxRequest r) { return GetUserPort().ShowMessageBox(r); }

}  // namespace

int FirstButtonAnswer(unsigned type) {
    switch (type & 0xF) {
        case 3:  // Yes/No/Cancel-style three buttons
        case 4:  // Yes/No
        case 6:  // four buttons
            return kAnswerYes;
        default:
            return kAnswerOk;
    }
}

UserPort& GetUserPort() {
    static StderrPort fallback;
    return Installed() ? *Installed() : fallback;
}

void SetUserPort(UserPort* port) { Installed() = port; }

int UserMessageBox(unsigned stringId, unsigned type, int picture) {
    MessageBoxRequest r;
    r.stringId = stringId;
    r.text = platform::LoadString(stringId);
    r.type = type;
    r.picture = picture;
    return Show(std::move(r));
}

int UserMessageBoxText(const std::string& text, unsigned type, int picture) {
    MessageBoxRequest r;
    r.text = text;
    r.type = type;
    r.picture = picture;
    return Show(std::move(r));
}

int UserMessageBoxEx(unsigned stringId, unsigned type, int, const std::string& button1, const std::string& button2,
                     const std::string& button3, int picture, int helpCount, int trophy, int leagueTrophyFlag) {
    MessageBoxRequest r;
    r.helpCount = helpCount;
    r.stringId = stringId;
    r.text = platform::LoadString(stringId);
    r.type = type;
    r.picture = picture;
    r.trophy = trophy;
    r.leagueTrophyFlag = leagueTrophyFlag;
    for (const std::string* b : {&button1, &button2, &button3})
        if (!b->empty()) r.buttons.push_back(*b);
    return Show(std::move(r));
}

int UserMessageBoxTextEx(const std::string& text, unsigned type, int, const std::string& button1,
                         const std::string& button2, const std::string& button3, int picture, int trophy,
                         int leagueTrophyFlag, const std::string& button4) {
    MessageBoxRequest r;
    r.text = text;
    r.type = type;
    r.picture = picture;
    r.trophy = trophy;
    r.leagueTrophyFlag = leagueTrophyFlag;
    for (const std::string* b : {&button1, &button2, &button3, &button4})
        if (!b->empty()) r.buttons.push_back(*b);
    return Show(std::move(r));
}
