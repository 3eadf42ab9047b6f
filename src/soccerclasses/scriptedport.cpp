#include "soccerclasses/scriptedport.h"

#include <algorithm>

#include "platform/stringtable.h"

ScriptedUserPort::ScriptedUserPort() : m_Previous(&GetUserPort()) { SetUserPort(this); }

ScriptedUserPort::~ScriptedUserPort() { SetUserPort(m_Previous); }

bool ScriptedUserPort::Asked(unsigned stringId) const {
    for (const auto& b : m_Boxes)
        if (b.stringId == stringId) return true;
    return false;
}

bool ScriptedUserPort::AskedText(const std::string& fragment) const {
    for (const auto& b : m_Boxes)
        if (b.text.find(fragment) != std::string::npos) return true;
    return false;
}

int ScriptedUserPort::ShowMessageBox(const MessageBoxRequest& request) {
    m_Boxes.push_back(request);
    if (!m_Next.empty()) {
        int a = m_Next.front();
        m_Next.pop_front();
        return a;
    }
    auto it = m_ById.find(request.stringId);
    if (request.stringId != 0 && it != m_ById.end() && !it->second.empty()) {
        int a = it->second.front();
        it->second.pop_front();
        return a;
    }
    return FirstButtonAnswer(request.type);
}

int ScriptedUserPort::RunScreenModal(int screen, void* object, intptr_t value1, intptr_t value2, intptr_t value3) {
    m_ScreenCalls.push_back({screen, object, value1, value2, value3});
    auto it = m_Screens.find(screen);
    return it == m_Screens.end() ? 0 : it->second;
}

bool ScriptedUserPort::ChooseSaveFile(const SaveFileRequest& request, std::string& path) {
    m_FileDialogs.push_back(request);
    if (m_FileAnswers.empty()) return false;
    std::string answer = m_FileAnswers.front();
    m_FileAnswers.pop_front();
    if (answer.empty()) return false;
    path = answer;
    return true;
}

void ScriptedUserPort::ShowProgress(int, const std::string& text, int step, int) {
    m_ProgressTexts.push_back(text);
    m_ProgressLines.push_back(step);
}

RecordingListRows::Row* RecordingListRows::At(int row) {
    return row >= 0 && row < static_cast<int>(m_Rows.size()) ? &m_Rows[static_cast<size_t>(row)] : nullptr;
}

void RecordingListRows::ResetContent() {
    m_Rows.clear();
    ++m_Resets;
}

int RecordingListRows::AddRow(const std::string& text, uint8_t, uintptr_t data1, uintptr_t data2) {
    Row r;
    r.cells.assign(static_cast<size_t>(m_Columns), "");
    if (m_Columns > 0) r.cells[0] = text;
    r.data1 = data1;
    r.data2 = data2;
    m_Rows.push_back(std::move(r));
    return static_cast<int>(m_Rows.size()) - 1;
}

int RecordingListRows::InsertRow(int row, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) {
    const int last = AddRow(text, style, data1, data2);
    if (row < 0 || row >= last) return last;
    std::rotate(m_Rows.begin() + row, m_Rows.end() - 1, m_Rows.end());
    return row;
}

bool RecordingListRows::SetItem(int row, int column, const std::string& text, uint8_t, uintptr_t data1,
                                uintptr_t data2) {
    Row* r = At(row);
    if (!r || column < 0 || column >= m_Columns) return false;
    r->cells[static_cast<size_t>(column)] = text;
    // As in the real list, the row's data lives in its first cell.
    if (column == 0) {
        r->data1 = data1;
        r->data2 = data2;
    }
    return true;
}

bool RecordingListRows::SetItemFromId(int row, int column, unsigned stringId, uint8_t style, uintptr_t data1,
                                      uintptr_t data2) {
    return SetItem(row, column, platform::LoadString(stringId), style, data1, data2);
}

bool RecordingListRows::SetItemNumber(int row, int column, int number, uint8_t style, uintptr_t data1,
                                      uintptr_t data2) {
    return SetItem(row, column, std::to_string(number), style, data1, data2);
}

void RecordingListRows::SetRowColour(int row, uint32_t colour) {
    if (Row* r = At(row)) r->colour = colour;
}

void RecordingListRows::SetRowData(int row, uintptr_t data1, uintptr_t data2) {
    if (Row* r = At(row)) {
        r->data1 = data1;
        r->data2 = data2;
    }
}

void RecordingListRows::SetRowData1(int row, uintptr_t data) {
    if (Row* r = At(row)) r->data1 = data;
}

void RecordingListRows::SetRowData2(int row, uintptr_t data) {
    if (Row* r = At(row)) r->data2 = data;
}
