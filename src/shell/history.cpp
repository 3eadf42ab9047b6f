#include "shell/history.h"
#include <algorithm>

const HistoryEntry* CHistory::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? &m_Entries[static_cast<size_t>(index)] : nullptr;
}

HistoryEntry* CHistory::GetAt(int index) {
    return index >= 0 && index < GetCount() ? &m_Entries[static_cast<size_t>(index)] : nullptr;
}

void CHistory::SetCurrent(int index) {
    if (index >= 0 && index < GetCount()) m_nCurrent = index;
}

void CHistory::Add(const std::string& title) {
    HistoryEntry e;
    e.title = title;
    m_Entries.push_back(std::move(e));
    m_nCurrent = GetCount() - 1;
}

int CHistory::AddHistoryEntry(const std::string& title, PageFactory factory, const HistoryState& state, int screenId,
                              int commandId) {
    if (m_nCurrent + 1 < GetCount()) m_Entries.erase(m_Entries.begin() + m_nCurrent + 1, m_Entries.end());
    while (GetCount() >= kMaxEntries) m_Entries.erase(m_Entries.begin());
    HistoryEntry e;
    e.title = title;
    e.factory = factory;
    e.state = state;
    e.screenId = screenId;
    e.commandId = commandId;
    m_Entries.push_back(std::move(e));
    m_nCurrent = GetCount() - 1;
    return m_nCurrent;
}

void CHistory::MarkCurrentEntry(intptr_t value, uint8_t sub) {
    if (HistoryEntry* e = GetAt(m_nCurrent)) {
        e->valueSet = 1;
        e->value = value;
        e->subValue = sub;
    }
}

void CHistory::SetCurrentFixture(const CMatchTime& time) {
    if (HistoryEntry* e = GetAt(m_nCurrent)) e->time = time;
}

void CHistory::SetCurrentState(const HistoryState& state) {
    if (HistoryEntry* e = GetAt(m_nCurrent)) e->state = state;
}

void CHistory::ClearAll() {
    m_Entries.clear();
    m_nCurrent = 0;
}

bool CHistory::RemoveHistoryEntries(const HistoryState& person, bool wholeList) {
    bool currentGone = false;
    int current = m_nCurrent;
    for (int i = GetCount() - 1; i >= 0; --i) {
        const HistoryState& s = m_Entries[static_cast<size_t>(i)].state;
        const bool match = s.kind == person.kind && s.owner == person.owner && (wholeList || s.identity == person.identity);
        if (!match) continue;
        m_Entries.erase(m_Entries.begin() + i);
        if (i < current) {
            --current;
        } else if (i == current) {
            currentGone = true;
            current = i - 1;
        }
    }
    m_nCurrent = std::max(0, std::min(current, GetCount() - 1));
    return currentGone;
}

int CHistory::GetHistoryCommand(int n) const {
    const HistoryEntry* e = GetAt(n);
    return e ? e->commandId : -1;
}
