#pragma once
// The one way model code reaches the user: message boxes, modal screens,
// progress, status-bar and tree refreshes. The shell installs the real
// port; tests install a scripted one. Without either, a message box prints
// its text on standard error and takes the first button.
#include <cstdint>
#include <string>
#include <vector>

class CDivision;
class CMatchTime;
class CPerson;

// Message box types the model uses.
inline constexpr unsigned kBoxPlain = 0;
inline constexpr unsigned kBoxNotice = 0x30;     // exclamation, one button
inline constexpr unsigned kBoxYesNo = 0x34;      // Yes 6, No 7
inline constexpr unsigned kBoxThreeButtons = 0x33;  // 6, 7, 2
inline constexpr unsigned kBoxFourButtons = 0x36;   // 6, 7, 2, 9
inline constexpr unsigned kBoxExYesNo = 4;          // the Ex box's Yes/No
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

struct MessageBoxRequest {
    unsigned stringId = 0;  // 0 when the caller built the text
    std::string text;       // the text shown (the string-table text for an id)
    unsigned type = 0;
    int picture = -1;       // the person whose face is shown, -1 none
    std::vector<std::string> buttons;  // labelled buttons of the Ex boxes
    int trophy = -1;
    int leagueTrophyFlag = 1;
    int helpCount = 1;  // the help box's entries from stringId on (type 5 with an id)
    const CPerson* person = nullptr;  // whose face the box draws, when the caller has him
};

// What the game's open and save dialogs ask for.
struct SaveFileRequest {
    bool save = false;
    std::string folder;      // where the dialog starts (absolute)
    std::string filter;      // "QZR 2000 (save games) |*.qzs; *.QZS;||"
    std::string title;
    std::string defaultExt;  // without the dot; empty for none
};

// View commands the model sends.
inline constexpr int kCommandNewspaper = 32788;
inline constexpr int kCommandMultiPlayerResults = 32891;

// What the first button of a box of `type` answers.
int FirstButtonAnswer(unsigned type);

class UserPort {
public:
    virtual ~UserPort() = default;
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Opens a screen for a model object and returns the screen's result.
    virtual int RunScreenModal(int screen, void* object, intptr_t value1, intptr_t value2, intptr_t value3) = 0;
    virtual void ShowProgress(int total, const std::string& text, int step, int flag) = 0;
    virtual void StepProgress() = 0;
    virtual int GetCurrentScreenId() = 0;
    virtual void UpdateStatusBar() = 0;
    virtual void FillTree(int kind) = 0;
    virtual void SetTreeMode(int mode) = 0;
    // A person left the world or a list that closes up: no page may be made
    // again for him (`index` in the world's list when `owner` is -1, else in
    // the owner's list of that kind).
    virtual void PersonDeleted(int /*kind*/, int /*owner*/, int /*index*/) {}
    // The match-day screen for the current user's match: the competition it
    // belongs to (a division, cup or other fixture owner) and the current
    // user's division (NULL without one).
    virtual void OpenMatchDayScreen(const std::string& text, const CMatchTime& date, const void* competition,
                                    const CDivision* division) = 0;
    // A command to the view, as the tool bar would send it (32788 the
    // newspaper, 32891 the multi-player results).
    virtual void SendViewCommand(int command) = 0;
    // The open (save false) or save dialog over the save folder; the chosen
    // path, or false when the user cancelled.
    virtual bool ChooseSaveFile(const SaveFileRequest& request, std::string& path) = 0;
};

// The kinds of person list PersonDeleted names; they are also the person
// pages' subject kinds. Players and referees are in the world's lists
// (owner -1); the others in a club's (staff, youths) or a country's
// (the two markets) list, the owner its index.
inline constexpr int kPersonListPlayers = 0;
inline constexpr int kPersonListStaff = 1;
inline constexpr int kPersonListStaffMarket = 2;
inline constexpr int kPersonListYouths = 3;
inline constexpr int kPersonListYouthMarket = 4;
inline constexpr int kPersonListReferees = 5;

// The installed port; the standard-error one when none is installed.
UserPort& GetUserPort();
void SetUserPort(UserPort* port);

int UserMessageBox(unsigned stringId, unsigned type, int picture);
int UserMessageBoxText(const std::string& text, unsigned type, int picture);
int UserMessageBoxEx(unsigned stringId, unsigned type, int reserved, const std::string& button1,
                     const std::string& button2, const std::string& button3, int picture, int helpParam,
                     int trophy, int leagueTrophyFlag);
int UserMessageBoxTextEx(const std::string& text, unsigned type, int reserved, const std::string& button1,
                         const std::string& button2, const std::string& button3, int picture, int trophy,
                         int leagueTrophyFlag, const std::string& button4);
