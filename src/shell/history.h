#pragma once
// The screen history: the pages visited, each with its title, and which of
// them is shown. The tool bar's Back menu lists it; the view keeps it.
#include <cstdint>
#include <string>
#include <vector>

// What a page keeps in a history entry to be made again: whom or what it
// shows by identity, never by address. A person is his index in the
// world's list (owner -1) or in a list an owner holds (a club's staff or
// youths, a country's markets; owner that club's or country's index).
struct HistoryState {
    intptr_t identity = 0;
    intptr_t owner = 0;
    intptr_t kind = 0;
};

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
