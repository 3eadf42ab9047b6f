#include "shell/history.h"

const HistoryEntry* CHistory::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? &m_Entries[static_cast<size_t>(index)] : nullptr;
}

void CHistory::SetCurrent(int index) {
    if (index >= -1 && index < GetCount()) m_nCurrent = index;
}

void CHistory::Add(const std::string& title) {
    m_Entries.push_back({title});
    m_nCurrent = GetCount() - 1;
}
