// Cup group stages: the later match days of each group, a group's clubs and
// table, and the clubs that go on from the groups.
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform/random.h"
#include "platform/trace.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/tabledata.h"
#include "soccerclasses/worlddata.h"

namespace {

using CupGroupDay = std::vector<std::pair<int, int>>;  // (home, away), 1-based group places

// Match days 2 on of a single round robin by group size; day 1 is the draw's.
std::vector<CupGroupDay> CupGroupLaterDays(int size) {
    switch (size) {
        case 4: return {{{2, 3}, {4, 1}}, {{1, 3}, {4, 2}}};
        case 5: return {{{2, 5}, {3, 1}}, {{1, 5}, {4, 2}}, {{3, 2}, {5, 4}}, {{1, 4}, {3, 5}}};
        case 6:
            return {{{2, 5}, {3, 1}, {4, 6}}, {{1, 5}, {6, 3}, {4, 2}}, {{3, 2}, {5, 4}, {6, 1}}, {{1, 4}, {2, 6}, {3, 5}}};
        case 8: {
            // The eight-club league schedule's days 2 to 7, its second slot at home.
            std::vector<CupGroupDay> days;
            CWorldData* w = GetWorldData();
            const CExtByteArray* s = w ? w->GetSchedule(8) : nullptr;
            if (!s || s->GetSize() < 7 * 8) return days;
            for (int d = 1; d < 7; ++d) {
                CupGroupDay day;
                for (int p = 0; p < 4; ++p) day.emplace_back(s->GetAt(d * 8 + 2 * p + 1), s->GetAt(d * 8 + 2 * p));
                days.push_back(day);
            }
            return days;
        }
        default: return {};
    }
}

CupGroupDay CupGroupFirstDay(int size) {
    CupGroupDay day;
    for (int k = 1; k + 1 <= size; k += 2) day.emplace_back(k, k + 1);
    return day;
}

}  // namespace

int CCupRound::GetGroupCount() const { return m_GroupSize ? m_Entrants / m_GroupSize : 0; }

void CCup::ScheduleGroups(const CCupRound& group, const CExtDWordArray& entrants) {
    const int s = group.m_GroupSize;
    std::vector<CupGroupDay> days = CupGroupLaterDays(s);
    if (days.empty()) {
        platform::Trace(m_Name + ": a group size without a schedule\n");
        return;
    }
    days.insert(days.begin(), CupGroupFirstDay(s));
    if (group.m_Legs == 2) {
        const size_t n = days.size();
        for (size_t d = 0; d < n; ++d) {
            CupGroupDay back;
            for (auto [h, a] : days[d]) back.emplace_back(a, h);
            days.push_back(back);
        }
    }
    const int first = GetRoundIndex(&group);
    for (int g = 0; g < group.GetGroupCount(); ++g) {
        auto club = [&](int place) {
            const int at = g * s + place - 1;
            return at < entrants.GetSize() ? static_cast<int16_t>(static_cast<int32_t>(entrants.GetAt(at))) : int16_t(0);
        };
        if ((g + 1) * s > entrants.GetSize()) {
            platform::Trace(m_Name + ": a group without its clubs\n");
            return;
        }
        for (size_t d = 1; d < days.size(); ++d) {
            const int index = first + static_cast<int>(d);
            if (index >= GetRoundCount()) break;
            CCupRound* r = GetRound(index);
            for (auto [h, a] : days[d])
                r->m_Ties.AddFixture(CFixture::kCupHome, club(h), club(a), m_SubsNamed, m_SubsAllowed, 0, 0);
        }
    }
}

void CCupRound::CollectGroupClubs(int g, CExtDWordArray& clubs, const CCupRound* next) const {
    if (m_GroupSize == 5) {
        for (int t = 2 * g; t <= 2 * g + 1 && t < m_Ties.GetSize(); ++t) {
            clubs.Add(static_cast<uint32_t>(static_cast<int32_t>(m_Ties.GetAt(t)->m_Home)));
            clubs.Add(static_cast<uint32_t>(static_cast<int32_t>(m_Ties.GetAt(t)->m_Away)));
        }
        // The club that rested on the first day is away on the second.
        if (next && 2 * g < next->m_Ties.GetSize())
            clubs.Add(static_cast<uint32_t>(static_cast<int32_t>(next->m_Ties.GetAt(2 * g)->m_Away)));
        return;
    }
    const int per = m_GroupSize / 2;
    for (int t = g * per; t < (g + 1) * per && t < m_Ties.GetSize(); ++t) {
        clubs.Add(static_cast<uint32_t>(static_cast<int32_t>(m_Ties.GetAt(t)->m_Home)));
        clubs.Add(static_cast<uint32_t>(static_cast<int32_t>(m_Ties.GetAt(t)->m_Away)));
    }
}

void CCupRoundList::BuildGroupTable(const CCup& cup, int g, CTableDataList& table, int count,
                                    const CCupRound* groupRound) const {
    const CCupRound* group = groupRound ? groupRound : GetFirstGroupRound();
    if (!group) return;
    int start = 0, n = count;
    if (cup.m_Format == 3) {
        start = IndexOf(group);
        if (start >= 7 && start <= 11) start = 6;
        else if (start >= 12 && start <= 18) start = 12;
        n = 6;
    } else if (n == 0) {
        for (int i = 0; i < GetSize(); ++i) n += CCupRound::IsGroupKind(GetAt(i)->m_Kind);
    }
    const int s = group->m_GroupSize;
    const int per = s == 5 ? 2 : s / 2;
    for (int i = start; i < start + n && i < GetSize(); ++i) {
        const CCupRound* r = GetAt(i);
        for (int t = g * per; t < (g + 1) * per && t < r->m_Ties.GetSize(); ++t) table.AddGroupResult(*r->m_Ties.GetAt(t));
    }
    table.AddLeagueBonus(cup.m_LeaguePointsShare);
}

void CCup::GetGroupQualifiers(CExtDWordArray& out, int wanted) const {
    CollectQualifiers(out, wanted, m_Rounds.GetFirstGroupRound(), false);
}

void CCup::GetSecondPhaseQualifiers(CExtDWordArray& out, int wanted, bool withNextPlaced) const {
    const CCupRound* group = m_Rounds.GetFirstGroupRound();
    if (wanted == 8)
        for (int i = 0; i < GetRoundCount(); ++i)
            if (CCupRound::IsGroupKind(GetRound(i)->m_Kind) && GetRound(i)->m_Entrants == 16) {
                group = GetRound(i);
                break;
            }
    CollectQualifiers(out, wanted, group, withNextPlaced);
}

void CCup::CollectQualifiers(CExtDWordArray& out, int wanted, const CCupRound* group, bool withNextPlaced) const {
    const CCupRound* next = group ? m_Rounds.GetNextRound(group) : nullptr;
    const int groups = group ? group->GetGroupCount() : 0;
    if (!group || !next || groups < 1) {
        platform::Trace(m_Name + ": group qualifiers without a group stage\n");
        return;
    }
    const int perGroup = wanted ? wanted / groups : group->m_GroupSize;
    const int extra = wanted ? wanted % groups : 0;
    if (perGroup < 1 && extra == 0) return;
    std::vector<CTableData> nextPlaced;
    for (int g = 0; g < groups; ++g) {
        CExtDWordArray clubs;
        group->CollectGroupClubs(g, clubs, next);
        CTableDataList table;
        table.CreateRows(clubs.GetSize());
        table.ResetAll();
        table.SetClubs(clubs);
        m_Rounds.BuildGroupTable(*this, g, table, 0, group);
        table.Sort();
        for (int p = 0; p < perGroup && p < table.GetSize(); ++p) out.Add(static_cast<uint32_t>(table.GetAt(p)->m_Club));
        if (withNextPlaced && perGroup < table.GetSize())
            out.Add(static_cast<uint32_t>(table.GetAt(perGroup)->m_Club));
        if (extra > 0 && perGroup < table.GetSize()) nextPlaced.push_back(*table.GetAt(perGroup));
    }
    if (extra > 0) {
        std::vector<CTableData*> rows;
        for (auto& r : nextPlaced) rows.push_back(&r);
        SortTableRows(rows);
        for (int i = 0; i < extra && i < static_cast<int>(rows.size()); ++i)
            out.Add(static_cast<uint32_t>(rows[static_cast<size_t>(i)]->m_Club));
    }
}

void CCup::DrawSecondGroupPhase(int i, CExtDWordArray& entrants) const {
    if (i < 3) return;
    const CCupRound* rounds[3] = {GetRound(i - 3), GetRound(i - 2), GetRound(i - 1)};
    for (int t = 0; t < rounds[0]->m_Ties.GetSize(); ++t) {
        struct Row { int club, points, diff; };
        std::vector<Row> table;
        auto row = [&](int club) {
            for (size_t k = 0; k < table.size(); ++k)
                if (table[k].club == club) return k;
            table.push_back({club, 0, 0});
            return table.size() - 1;
        };
        for (const CCupRound* r : rounds) {
            if (t >= r->m_Ties.GetSize()) continue;
            const CFixture& f = *r->m_Ties.GetAt(t);
            const size_t hi = row(f.m_Home), ai = row(f.m_Away);
            Row& h = table[hi];
            Row& a = table[ai];
            h.diff += f.m_HomeGoals - f.m_AwayGoals;
            a.diff += f.m_AwayGoals - f.m_HomeGoals;
            if (f.m_HomeGoals > f.m_AwayGoals) h.points += 3;
            else if (f.m_HomeGoals < f.m_AwayGoals) a.points += 3;
            else {
                h.points += 1;
                a.points += 1;
            }
        }
        // Neighbours exchanged until ordered by points, then goal difference.
        for (bool swapped = true; swapped;) {
            swapped = false;
            for (size_t k = 1; k < table.size(); ++k) {
                const Row &x = table[k - 1], &y = table[k];
                if (y.points > x.points || (y.points == x.points && y.diff > x.diff)) {
                    std::swap(table[k - 1], table[k]);
                    swapped = true;
                }
            }
        }
        if (table.size() < 2) continue;
        if (table.size() < 3 || table[1].points != table[2].points) {
            entrants.Add(static_cast<uint32_t>(table[0].club));
            entrants.Add(static_cast<uint32_t>(table[1].club));
        } else {
            entrants.Add(static_cast<uint32_t>(Random(10) == 10 ? table[1].club : table[0].club));
        }
    }
}
