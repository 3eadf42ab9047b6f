#pragma once
// The screen history: the pages visited, each with its title, and which of
// them is shown. The tool bar's Back menu lists it; the view keeps it.
#include <string>
#include <vector>

struct HistoryEntry {
    std::string title;
};

class CHistory {
public:
    int GetCount() const { return static_cast<int>(m_Entries.size()); }
    // Null outside the entries.
    const HistoryEntry* GetAt(int index) const;
    int GetCurrent() const { return m_nCurrent; }
    void SetCurrent(int index);
    // A new entry at the end, which becomes the current one.
    void Add(const std::string& title);

private:
    std::vector<HistoryEntry> m_Entries;
    int m_nCurrent = -1;
};
