#pragma once
// A port and a list for tests and headless runs: message boxes are answered
// from a table, and everything asked and every row filled is recorded.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "soccerclasses/listrows.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/userport.h"

class ScriptedUserPort : public UserPort {
public:
    ScriptedUserPort();   // installs itself
    ~ScriptedUserPort() override;  // puts back the port it replaced

    // Answers for boxes of a string id, in order; then the default.
    void AnswerId(unsigned stringId, int answer) { m_ById[stringId].push_back(answer); }
    // Answers for boxes in the order they come, before the by-id table.
    void AnswerNext(int answer) { m_Next.push_back(answer); }
    // Without a scripted answer: the box's first button.
    void AnswerScreen(int screen, int result) { m_Screens[screen] = result; }

    const std::vector<MessageBoxRequest>& Boxes() const { return m_Boxes; }
    bool Asked(unsigned stringId) const;
    bool AskedText(const std::string& fragment) const;
    struct ScreenCall {
        int screen;
        void* object;
        intptr_t value1, value2, value3;
    };
    const std::vector<ScreenCall>& Screens() const { return m_ScreenCalls; }
    int StatusBarUpdates() const { return m_StatusBarUpdates; }
    const std::vector<int>& TreeFills() const { return m_TreeFills; }
    const std::vector<int>& TreeModes() const { return m_TreeModes; }
    const std::vector<std::string>& ProgressTexts() const { return m_ProgressTexts; }
    // The step of every progress line shown, in order.
    const std::vector<int>& ProgressLines() const { return m_ProgressLines; }
    int ProgressSteps() const { return m_ProgressSteps; }
    void SetCurrentScreenId(int id) { m_CurrentScreen = id; }
    struct MatchDayCall {
        std::string text;
        CMatchTime date;
        const void* competition;
        const CDivision* division;
    };
    const std::vector<MatchDayCall>& MatchDayScreens() const { return m_MatchDayCalls; }
    const std::vector<int>& ViewCommands() const { return m_ViewCommands; }
    const std::vector<SaveFileRequest>& FileDialogs() const { return m_FileDialogs; }
    // Answers for the file dialogs, in order: a path, or an empty text for
    // cancel. Without one the dialog is cancelled.
    void AnswerFile(const std::string& path) { m_FileAnswers.push_back(path); }

    int ShowMessageBox(const MessageBoxRequest& request) override;
    int RunScreenModal(int screen, void* object, intptr_t value1, intptr_t value2, intptr_t value3) override;
    void ShowProgress(int total, const std::string& text, int step, int flag) override;
    void StepProgress() override { ++m_ProgressSteps; }
    int GetCurrentScreenId() override { return m_CurrentScreen; }
    void UpdateStatusBar() override { ++m_StatusBarUpdates; }
    void FillTree(int kind) override { m_TreeFills.push_back(kind); }
    void SetTreeMode(int mode) override { m_TreeModes.push_back(mode); }
    struct DeletedPerson {
        int kind, owner, index;
    };
    void PersonDeleted(int kind, int owner, int index) override { m_Deleted.push_back({kind, owner, index}); }
    const std::vector<DeletedPerson>& DeletedPeople() const { return m_Deleted; }
    void ClearDeletedPeople() { m_Deleted.clear(); }
    void OpenMatchDayScreen(const std::string& text, const CMatchTime& date, const void* competition,
                            const CDivision* division) override {
        m_MatchDayCalls.push_back({text, date, competition, division});
    }
    void SendViewCommand(int command) override { m_ViewCommands.push_back(command); }
    bool ChooseSaveFile(const SaveFileRequest& request, std::string& path) override;

private:
    UserPort* m_Previous;
    std::map<unsigned, std::deque<int>> m_ById;
    std::deque<int> m_Next;
    std::map<int, int> m_Screens;
    std::vector<MessageBoxRequest> m_Boxes;
    std::vector<ScreenCall> m_ScreenCalls;
    std::vector<int> m_TreeFills, m_TreeModes;
    std::vector<std::string> m_ProgressTexts;
    std::vector<DeletedPerson> m_Deleted;
    std::vector<int> m_ProgressLines;
    std::vector<MatchDayCall> m_MatchDayCalls;
    std::vector<int> m_ViewCommands;
    std::vector<SaveFileRequest> m_FileDialogs;
    std::deque<std::string> m_FileAnswers;
    int m_ProgressSteps = 0;
    int m_StatusBarUpdates = 0;
    int m_CurrentScreen = 0;
};

// Keeps every row as texts by column, with colours and data.
class RecordingListRows : public CListRows {
public:
    struct Row {
        std::vector<std::string> cells;
        uint32_t colour = 0xFFFFFF;
        uintptr_t data1 = 0, data2 = 0;
    };
    explicit RecordingListRows(int columns = 16) : m_Columns(columns) {}

    const std::vector<Row>& Rows() const { return m_Rows; }
    bool Sortable() const { return m_Sortable; }
    int Redraws() const { return m_Redraws; }
    int Resets() const { return m_Resets; }

    void ResetContent() override;
    int AddRow(const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) override;
    int InsertRow(int row, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) override;
    bool SetItem(int row, int column, const std::string& text, uint8_t style, uintptr_t data1,
                 uintptr_t data2) override;
    bool SetItemFromId(int row, int column, unsigned stringId, uint8_t style, uintptr_t data1,
                       uintptr_t data2) override;
    bool SetItemNumber(int row, int column, int number, uint8_t style, uintptr_t data1, uintptr_t data2) override;
    // Recorded as the path in the cell's text.
    bool SetItemBitmap(int row, int column, const std::string& path, uint8_t style, uintptr_t data1,
                       uintptr_t data2) override {
        return SetItem(row, column, path, style, data1, data2);
    }
    void SetRowColour(int row, uint32_t colour) override;
    void SetRowData(int row, uintptr_t data1, uintptr_t data2) override;
    void SetRowData1(int row, uintptr_t data) override;
    void SetRowData2(int row, uintptr_t data) override;
    void SetSortable(bool sortable) override { m_Sortable = sortable; }
    void Redraw() override { ++m_Redraws; }
    void SetRowSetting(int setting) override { m_RowSetting = setting; }
    int RowSetting() const { return m_RowSetting; }

private:
    Row* At(int row);
    int m_Columns;
    std::vector<Row> m_Rows;
    bool m_Sortable = false;
    int m_Redraws = 0;
    int m_Resets = 0;
    int m_RowSetting = -1;
};
