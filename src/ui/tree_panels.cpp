// The panels the navigator shows while a page switches the tree off: the
// league table of the current manager's division, his club's card, and
// his match of the day.
#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/worlddata.h"
#include "ui/tree.h"

using namespace platform::win;
using platform::gfx::Canvas;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr int kTodayY = 424;

// The current user's manager, or null.
CManager* UserManager(CWorldData* w) {
    CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
    if (!user || user->GetManagerIndex() < 0) return nullptr;
    return w->GetManager(user->GetManagerIndex());
}

std::string ClubName(CWorldData* w, int index) {
    if (index >= 0) {
        CClub* c = w->GetClub(index);
        return c ? std::string(c->GetName()) : std::string();
    }
    CNonLeagueClub* n = w->GetNonLeagueClub(-index - 1);
    return n ? std::string(n->GetName()) : std::string();
}

// The opponent of the manager's club today, found by club index so that a
// namesake is never taken for his own club; empty when he does not play.
bool OpponentToday(CWorldData* w, CManager* m, std::string& out) {
    CFixtureInfo info;
    if (!m || !m->FindMatchOn(w->GetMatchDay(), info)) return false;
    out = ClubName(w, info.home != m->GetClubIndex() ? info.home : info.away);
    return true;
}

// The division's clubs in table order.
std::vector<int> ClubsByPosition(CWorldData* w, const CDivision* d) {
    std::vector<int> out;
    for (int p = 0; p < d->GetClubCount(); ++p)
        for (int k = 0; k < d->GetClubCount(); ++k) {
            const int index = d->GetFirstClub() + k;
            const CClub* c = w->GetClub(index);
            if (c && c->GetTablePosition() == p) {
                out.push_back(index);
                break;
            }
        }
    return out;
}

}  // namespace

bool TodaysOpponent(std::string& out) {
    CWorldData* w = GetWorldData();
    return w && OpponentToday(w, UserManager(w), out);
}

int CTree::TableRowTop(int row, int clubs) { return 54 + row * (clubs > 24 ? 14 : 15); }

void CTree::RefreshTable(int mode) {
    CWorldData* w = GetWorldData();
    if (!w || !w->HasHumanManager()) return;
    CDivision* d = w->GetCurrentDivision();
    if (!d) return;
    const int today = w->GetMatchTime().GetDays();
    // A cache built for another day is rebuilt, however valid.
    if (m_nCacheDay == today && (mode != 1 || m_bCacheValid)) return;
    m_bCacheValid = mode == 1 ? 1 : 0;
    m_Cache.fill({});
    if (mode != 1) return;
    m_nCacheDay = today;
    ++m_nCacheBuilds;
    const std::vector<int> order = ClubsByPosition(w, d);
    for (size_t p = 0; p < order.size() && p < m_Cache.size(); ++p) {
        const CClub* c = w->GetClub(order[p]);
        m_Cache[p] = {c->GetName(), c->LeagueRow().GetPlayed(), c->GetPoints(), order[p]};
    }
}

platform::gfx::FontRef CTree::PanelFont(bool bold, int points) {
    if (platform::gfx::kLogPixelsY == 120) points -= 2;
    return platform::gfx::Font::Create("Arial Narrow", platform::gfx::MulDiv(points, -platform::gfx::kLogPixelsY, 72),
                                       bold ? 700 : 400);
}

void CTree::PanelText(Canvas& dc, const platform::gfx::FontRef& font, uint32_t colour, unsigned align, int x, int y,
                      const std::string& text) {
    dc.SelectFont(font);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextColor(colour);
    dc.SetTextAlign(align | platform::gfx::TA_TOP);
    dc.TextOut(x, y, text);
    dc.SetTextAlign(platform::gfx::TA_LEFT | platform::gfx::TA_TOP);
}

void CTree::DrawPanel(Canvas& dc) {
    m_nPanelRows = 0;
    switch (m_nPanelMode) {
        case 1: DrawTable(dc); break;
        case 2: DrawClubCard(dc, false); break;
        case 3: DrawClubCard(dc, true); break;
        default: break;
    }
}

void CTree::DrawTable(Canvas& dc) {
    CWorldData* w = GetWorldData();
    if (!w) return;
    const auto key = platform::gfx::kKeyColourRef;
    m_TableBack.DrawTransparent(dc, 9, 9, key);
    const int mid = m_Buffer.Width() / 2;
    CManager* m = UserManager(w);
    CDivision* d = m ? w->GetCurrentDivision() : nullptr;
    if (!m || !d) {
        const auto bold = PanelFont(true, 9);
        PanelText(dc, bold, kYellow, platform::gfx::TA_CENTER, mid, 20, platform::LoadString(21534));
        PanelText(dc, bold, kYellow, platform::gfx::TA_CENTER, mid, 40, platform::LoadString(424));
        return;
    }
    // The flag of the country the table is for, loaded again when that changes.
    if (CCountry* country = w->GetCurrentCountry()) {
        const std::string code = country->GetThirdName();
        if (code != m_strFlagLoaded) {
            m_Flag.Load("gfx\\tree\\flags\\" + code + ".bmp");
            m_strFlagLoaded = code;
        }
    }
    const auto bold8 = PanelFont(true, 8), regular8 = PanelFont(false, 8);
    PanelText(dc, bold8, kWhite, platform::gfx::TA_LEFT, 44, 19, d->GetName());
    m_Flag.DrawTransparent(dc, 21, 21, key);
    PanelText(dc, regular8, kWhite, platform::gfx::TA_LEFT, 39, 36, platform::LoadString(606));
    PanelText(dc, regular8, kWhite, platform::gfx::TA_CENTER, 134, 36, platform::LoadString(607));
    PanelText(dc, regular8, kWhite, platform::gfx::TA_CENTER, 157, 36, platform::LoadString(608));
    const CClub* first = w->GetClub(d->GetFirstClub());
    const CClub* second = w->GetClub(d->GetFirstClub() + 1);
    if (first && second && first->GetTablePosition() == second->GetTablePosition()) {
        PanelText(dc, regular8, kWhite, platform::gfx::TA_CENTER, mid, 80, platform::LoadString(424));
    } else {
        std::vector<TableRow> rows;
        if (m_bCacheValid) {
            for (const TableRow& r : m_Cache)
                if (r.club >= 0) rows.push_back(r);
        } else {
            for (int index : ClubsByPosition(w, d)) {
                const CClub* c = w->GetClub(index);
                rows.push_back({c->GetName(), c->LeagueRow().GetPlayed(), c->GetPoints(), index});
            }
        }
        for (size_t p = 0; p < rows.size(); ++p) {
            const int y = TableRowTop(static_cast<int>(p), d->GetClubCount());
            if (y + 15 > kTodayY) break;
            m_TableRow.DrawTransparent(dc, 13, y + 2, key);
            ++m_nPanelRows;
            const CClub* c = w->GetClub(rows[p].club);
            const uint32_t colour = c && c->IsHumanManaged() ? kYellow : kWhite;
            PanelText(dc, regular8, colour, platform::gfx::TA_RIGHT, 30, y, platform::StrPrintf("%d", int(p) + 1));
            PanelText(dc, regular8, colour, platform::gfx::TA_LEFT, 37, y, rows[p].name);
            PanelText(dc, regular8, colour, platform::gfx::TA_RIGHT, 142, y, platform::StrPrintf("%d", rows[p].played));
            PanelText(dc, regular8, colour, platform::gfx::TA_RIGHT, 167, y, platform::StrPrintf("%d", rows[p].points));
        }
    }
    PanelText(dc, regular8, kWhite, platform::gfx::TA_LEFT, 23, kTodayY, platform::LoadString(601));
    std::string opponent;
    if (!OpponentToday(w, m, opponent)) opponent = platform::LoadString(599);
    PanelText(dc, regular8, kYellow, platform::gfx::TA_LEFT, 23, kTodayY + 16, opponent);
}

void CTree::DrawClubCard(Canvas& dc, bool withMatch) {
    CWorldData* w = GetWorldData();
    CManager* m = w ? UserManager(w) : nullptr;
    CClub* club = m ? w->GetCurrentClub() : nullptr;
    if (!club) return;
    const int mid = m_Buffer.Width() / 2;
    const auto bold = PanelFont(true, 9);
    PanelText(dc, bold, kBlue, platform::gfx::TA_CENTER, mid, 10, club->GetName());
    PanelText(dc, bold, kWhite, platform::gfx::TA_CENTER, mid, 30, club->GetManagerNameOrNone());
    if (!withMatch) return;
    std::string opponent;
    if (OpponentToday(w, m, opponent)) {
        std::string date;
        w->GetMatchTime().GetDateText(date);
        PanelText(dc, bold, kYellow, platform::gfx::TA_CENTER, mid, 90, date);
        PanelText(dc, bold, kWhite, platform::gfx::TA_CENTER, mid, 130, opponent);
    } else {
        PanelText(dc, bold, kYellow, platform::gfx::TA_CENTER, mid, 90, platform::LoadString(599));
    }
}
