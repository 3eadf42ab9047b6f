#pragma once
// The screen history: the pages visited, at most eight, each with what is
// needed to make it again (its page class's factory, its screen id, the
// state block the page gave, a value and a calendar position) and which of
// them is shown. The tool bar's Back menu lists it; the screen manager
// keeps it.
#include <cstdint>
#include <string>
#include <vector>

#include "soccerclasses/matchtime.h"

class CScreen;

// What a page keeps in a history entry to be made again: whom or what it
// shows by identity, never by address. A person is his index in the
// world's list (owner -1) or in a list an owner holds (a club's staff or
// youths, a country's markets; owner that club's or country's index).
struct HistoryState {
    intptr_t identity = 0;
    intptr_t owner = 0;
    intptr_t kind = 0;
    bool operator==(const HistoryState&) const = default;
};

// Makes a new page object of a recorded page's class.
using PageFactory = CScreen* (*)();

struct HistoryEntry {
    std::string title;
    PageFactory factory = nullptr;
    HistoryState state;
    int screenId = 0;
    intptr_t value = 0;
    CMatchTime time;  // not set: week 107
    uint8_t subValue = 255;
    uint8_t valueSet = 0;
    int commandId = -1;
};

class CHistory {
public:
    static constexpr int kMaxEntries = 8;

    int GetCount() const { return static_cast<int>(m_Entries.size()); }
    // Null outside the entries.
    const HistoryEntry* GetAt(int index) const;
    HistoryEntry* GetAt(int index);
    int GetCurrent() const { return m_nCurrent; }
    void SetCurrent(int index);
    // An entry at the end with only a title, which becomes the current one.
    void Add(const std::string& title);

    // Records a page: the entries after the current one go, then the oldest
    // when eight are held; the new entry is current. Its index.
    int AddHistoryEntry(const std::string& title, PageFactory factory, const HistoryState& state, int screenId,
                        int commandId);
    void MarkCurrentEntry(intptr_t value, uint8_t sub);
    void SetCurrentFixture(const CMatchTime& time);
    void SetCurrentState(const HistoryState& state);
    void ClearAll();
    // Removes every entry of the person (identity, owner and kind match), or
    // with `wholeList` every entry of that owner's list of that kind. Entries
    // before the current one take the index down with them; when the current
    // entry goes, the index moves to the one before it (0 at least) and the
    // result is true: the caller shows the current entry again.
    bool RemoveHistoryEntries(const HistoryState& person, bool wholeList = false);
    // The command that opens entry n; -1 outside the entries.
    int GetHistoryCommand(int n) const;

private:
    std::vector<HistoryEntry> m_Entries;
    int m_nCurrent = 0;
};
