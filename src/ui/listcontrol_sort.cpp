// Sorting the list by a column, and the set of marked rows.
#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "ui/listcontrol.h"

using namespace platform::win;

namespace {

enum class SortKind { Value, Number, Text, Digits, LongDate, Role, ShortDate };

// Leading blanks, a sign, then digits up to the first other character.
int64_t LeadingNumber(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int64_t v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        if (v < 1'000'000'000'000LL) v = v * 10 + (s[i] - '0');
    return negative ? -v : v;
}

// Every digit of the text as one number, scaled by a "t" (thousands) or "m"
// (millions) right after the last digit, negative when a minus comes before
// the first: money texts such as "-£1,500t".
int64_t DigitsKey(const std::string& s) {
    int64_t v = 0;
    bool any = false, negative = false;
    size_t last = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const char ch = s[i];
        if (ch >= '0' && ch <= '9') {
            if (v < 100'000'000'000LL) v = v * 10 + (ch - '0');
            any = true;
            last = i;
        } else if (ch == '-' && !any) {
            negative = true;
        }
    }
    if (!any) return 0;
    if (last + 1 < s.size()) {
        if (s[last + 1] == 't') v *= 1000;
        if (s[last + 1] == 'm') v *= 1'000'000;
    }
    return negative ? -v : v;
}

int MonthOf(const std::string& name) {
    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m)
        if (name == kMonths[m]) return m + 1;
    return 0;
}

int WeekdayOf(const std::string& name) {
    static const char* const kDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int d = 0; d < 7; ++d)
        if (name == kDays[d]) return d + 1;
    return 0;
}

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> words;
    std::string w;
    for (char ch : s) {
        if (ch == ' ') {
            if (!w.empty()) words.push_back(w);
            w.clear();
        } else {
            w += ch;
        }
    }
    if (!w.empty()) words.push_back(w);
    return words;
}

// "Sat 3 Jul 99" (with the day name) or "3 Jul 99": a calendar order, two-
// digit years 00-49 read as 2000-2049, a weekday digit last.
int64_t DateKey(const std::string& s, bool withDayName) {
    const std::vector<std::string> w = Words(s);
    const size_t need = withDayName ? 4 : 3;
    if (w.size() < need) return 0;
    const size_t at = withDayName ? 1 : 0;
    const int weekday = withDayName ? WeekdayOf(w[0]) : 0;
    const int64_t day = std::clamp<int64_t>(LeadingNumber(w[at]), 0, 99);
    const int month = MonthOf(w[at + 1]);
    int64_t year = std::clamp<int64_t>(LeadingNumber(w[at + 2]), 0, 9999);
    if (w[at + 2].size() <= 2) year += year < 50 ? 2000 : 1900;
    return ((year * 100 + month) * 100 + day) * 10 + weekday;
}

int RoleKey(const std::string& s) {
    static const unsigned kIds[4][3] = {{395, 21, 35}, {396, 22, 36}, {397, 23, 0}, {398, 24, 0}};
    for (int r = 0; r < 4; ++r)
        for (unsigned id : kIds[r])
            if (id && s == platform::LoadString(id)) return r + 1;
    return 0;
}

struct SortKey {
    int64_t number = 0;
    std::string text;  // the text kind: 32 bytes, compared unsigned
};

bool Less(const SortKey& a, const SortKey& b, SortKind kind) {
    if (kind != SortKind::Text) return a.number < b.number;
    return std::memcmp(a.text.data(), b.text.data(), 32) < 0;
}

}  // namespace

void CListControl::SetSortable(bool sortable) {
    for (auto& c : m_Columns) c->sortable = sortable ? 1 : 0;
}

void CListControl::Sort(int col) {
    if (m_nRowCount <= 0) return;
    Ui& ui = Ui::Get();
    ui.BeginWaitCursor();
    m_nPointerRow = -1;
    m_Marked.fill(-1);
    if (!ColumnInRange(col) || !m_Columns[col]->sortable) {
        ui.EndWaitCursor();
        return;
    }
    CListColumn& column = *m_Columns[col];
    if (col != m_nLastSorted) {
        m_nLastSorted = col;
        m_bSameColumnAgain = 0;
    }
    int n = (m_nRowLimit != -1 && m_nRowLimit < m_nRowCount) ? m_nRowLimit : m_nRowCount;
    // Rows counted without cells (added before any column) cannot move.
    for (auto& c : m_Columns) n = std::min(n, static_cast<int>(c->cells.size()));
    n = std::max(n, 0);

    bool numbering = false;
    if (m_bSameColumnAgain) {
        column.direction = column.direction == 0 ? 1 : 0;
    } else {
        m_bSameColumnAgain = 1;
        const CListCell* first = GetCell(0, 0);
        numbering = (m_dwListFlags & kListNumberRows) && first && first->text.empty();
    }

    SortKind kind;
    const uint32_t f = column.format;
    if (f & kColumnBlobs)
        kind = SortKind::Value;
    else if (f & kColumnDigits)
        kind = SortKind::Digits;
    else if (f & kColumnLongDate)
        kind = SortKind::LongDate;
    else if (f & kColumnRole)
        kind = SortKind::Role;
    else if (f & kColumnShortDate)
        kind = SortKind::ShortDate;
    else if ((n > 0 && LeadingNumber(column.cells[0].text) > 0) || (f & kColumnNumber))
        kind = SortKind::Number;
    else
        kind = SortKind::Text;

    std::vector<SortKey> keys(static_cast<size_t>(n));
    for (int r = 0; r < n; ++r) {
        const CListCell& cell = column.cells[r];
        SortKey& k = keys[r];
        switch (kind) {
            case SortKind::Value: k.number = cell.value; break;
            case SortKind::Number: k.number = LeadingNumber(cell.text); break;
            case SortKind::Text:
                k.text = cell.text.substr(0, 32);
                k.text.resize(32, ' ');
                break;
            case SortKind::Digits: k.number = DigitsKey(cell.text); break;
            case SortKind::LongDate: k.number = DateKey(cell.text, true); break;
            case SortKind::ShortDate: k.number = DateKey(cell.text, false); break;
            case SortKind::Role: k.number = RoleKey(cell.text); break;
        }
    }

    const bool ascending = column.direction == 1;
    auto sortRun = [&](int from, int to) {  // [from, to)
        if (to - from < 2) return;
        std::vector<int> order(static_cast<size_t>(to - from));
        std::iota(order.begin(), order.end(), from);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return ascending ? Less(keys[a], keys[b], kind) : Less(keys[b], keys[a], kind);
        });
        for (auto& c : m_Columns) {
            std::vector<CListCell> moved;
            moved.reserve(order.size());
            for (int r : order) moved.push_back(std::move(c->cells[r]));
            for (size_t i = 0; i < moved.size(); ++i) c->cells[from + i] = std::move(moved[i]);
        }
        if (numbering)
            for (int r = from; r < to; ++r) m_Columns[0]->cells[r].text = std::to_string(r + 1);
    };
    // Fixed rows stay where they are and split the rows into runs.
    int start = 0;
    for (int r = 0; r <= n; ++r) {
        if (r == n || column.cells[r].style == 1) {
            sortRun(start, r);
            start = r + 1;
        }
    }
    ui.EndWaitCursor();
    if (m_pOwner && m_pOwner->IsAlive()) m_pOwner->Send(kMsgListSorted, Id(), col);
}

// ---- the marked rows ----

int CListControl::GetSelectedCount() const {
    int n = 0;
    for (int i = 0; i < std::min(m_nMarkedSlotCount, kMarkSlots); ++i)
        if (m_Marked[i] >= 0) ++n;
    return n;
}

int CListControl::GetSelected(int i) const {
    if (i < 0 || i >= std::min(m_nMarkedSlotCount, kMarkSlots)) {
        platform::TraceF("CListControl::GetSelected: no slot %d\n", i);
        return -1;
    }
    return m_Marked[i];
}

bool CListControl::IsSelected(int row) const {
    for (int i = 0; i < std::min(m_nMarkedSlotCount, kMarkSlots); ++i)
        if (m_Marked[i] == row) return true;
    return false;
}

bool CListControl::AddSelected(int row) {
    for (int i = 0; i < std::min(m_nMarkedSlotCount, kMarkSlots); ++i) {
        if (m_Marked[i] == -1) {
            m_Marked[i] = row;
            return true;
        }
    }
    return false;
}

int CListControl::ClearSelected() {
    m_Marked.fill(-1);
    return -1;
}

void CListControl::MarkOnClick(int row, bool* ignored) {
    *ignored = false;
    const int count = std::clamp(m_nMarkedSlotCount, 0, kMarkSlots);
    for (int i = 0; i < count; ++i) {
        if (m_Marked[i] != row) continue;
        if (m_bKeepMark == 1 && count == 1) {
            *ignored = true;
            return;
        }
        for (int j = i; j + 1 < count; ++j) m_Marked[j] = m_Marked[j + 1];
        m_Marked[count - 1] = -1;
        return;
    }
    if (count == 0) return;
    const bool ctrl = Ui::Get().GetKeyState(VK_CONTROL) < 0;
    if (count >= 2 && ctrl && GetSelectedCount() > 0) {
        AddSelected(row);
        return;
    }
    ClearSelected();
    m_Marked[0] = row;
}
