// The match-day page's whole pages: the intro page with both team sheets
// before the match and the result page in its three views after it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/highscreen.h"
#include "screens/highscreen_texts.h"
#include "shell/kitcolours.h"
#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchplayer.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/playerperformance.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

using platform::LoadString;
using platform::gfx::Surface;
using platform::gfx::TA_CENTER;
using platform::gfx::TA_LEFT;
using platform::gfx::TA_RIGHT;
using namespace highscreen;

namespace {

std::string HsPageNumber(const char* format, int n) {
    char text[16];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

}  // namespace

void CHighScreen::FillTeamSheet(int side, SurfaceTable& table) {
    static constexpr int kStarts[13] = {0, 40, 150, 180, 210, 240, 270, 300, 330, 360, 390, 420, 450};
    for (int c = 0; c < 13; ++c) {
        table.columnStart[static_cast<size_t>(c)] = kStarts[c];
        table.SetColumn(LoadString(hstext::kSheetHeaders + static_cast<unsigned>(c)),
                        LoadString(hstext::kSheetLongHeaders + static_cast<unsigned>(c)), c, 0,
                        c == 1 ? kAlignLeft : kAlignCentre);
    }
    const CClub* club = SideClub(side & 1);
    for (auto& row : table.cells)
        for (SurfaceTableCell& cell : row) cell.text.clear();
    // One row per filled slot, in slot order, so every player is listed.
    int row = 0;
    for (int slot = 0; club && slot < m_nSquadSlots && row < table.rowCount; ++slot) {
        const CPlayer* p = club->GetPlayer(slot);
        if (!p) continue;
        const int position = p->GetPosition();
        if (position >= 0 && position <= 3) {
            const int colour = position + 1;
            const CSoccerPlayer& f = p->Football();
            const int values[10] = {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Dribbling, f.m_Shooting,
                                    f.m_Heading,  f.m_Pace,     f.m_Strength, f.m_Flair,  f.m_Energy};
            SetSurfaceTableCell(table, 0, row, HsPageNumber("%02d", slot + 1), colour);
            SetSurfaceTableCell(table, 1, row, p->GetName(), colour);
            SetSurfaceTableCell(table, 2, row, HsPageNumber("%d", p->GetKnownAbility(true)), colour);
            for (int k = 0; k < 10; ++k) SetSurfaceTableCell(table, 3 + k, row, HsPageNumber("%d", values[k]), colour);
        }
        ++row;
    }
}

void CHighScreen::DrawCompetitionHeader(Surface* s) {
    if (m_pCompetition) BlitSurfaceKeyed(24, 3, 60, 58, m_pCompetition.get(), s);
    std::string name;
    m_pMatchPlay->GetCompetitionName(name);
    DrawShadowText(1, TA_LEFT, s, name, 100, 15);
    DrawShadowText(1, TA_LEFT, s, m_pMatchPlay->GetFixtureTitle(), 100, 35);
}

void CHighScreen::RedrawIntroPage() {
    if (!m_bPageDirty) return;
    DrawIntroPage();
    m_bPageDirty = 0;
}

void CHighScreen::DrawIntroPage() {
    Surface* s = m_pPage.get();
    if (!s || !Valid()) return;
    Surface* back = m_nView == 0 ? m_pIntroBack.get() : m_pSheetBack.get();
    if (back) BlitSurfaceToSurface(0, 0, back, s);
    DrawCompetitionHeader(s);
    if (m_nView == 0) {
        std::string names[2] = {m_pMatchPlay->GetHomeTeamName(), m_pMatchPlay->GetAwayTeamName()};
        if (m_pMatchPlay->IsSecondLegTie())
            for (int side = 0; side < 2; ++side)
                names[side] += HsPageNumber(" (%d)", m_pMatchPlay->GetFirstLegGoals(side));
        // Centred on the panel, clear of the kits that end at x 230.
        DrawNameInRoom(5, 4, TA_CENTER, s, names[0], 425, 134, 376);
        DrawNameInRoom(5, 4, TA_CENTER, s, names[1], 425, 342, 376);
        DrawShadowText(4, TA_CENTER, s, LoadString(hstext::kVs), 425, 249);
        for (int side = 0; side < 2; ++side)
            if (Surface* kit = m_pKit[static_cast<size_t>(side)].get())
                BlitSurfaceKeyedAt(kIntroKitLeft, kIntroKitTop[side], kit, s);
    } else {
        const int side = m_nView - 1;
        DrawNameInRoom(2, 1, TA_LEFT, s, side == 0 ? m_pMatchPlay->GetHomeTeamName() : m_pMatchPlay->GetAwayTeamName(),
                       80, 102, 450);
        g_TeamSheet.Draw(*this, s, g_TeamSheetBar);
        g_TeamSheetBar.Draw(*this, s);
        DrawSheetMarkers(s, side);
        if (const CClub* club = SideClub(side)) {
            // The formation on the sheet's pitch, own goal at the top.
            const auto& shirts = m_pTinyShirt[static_cast<size_t>(side)];
            if (shirts[0]) BlitSurfaceKeyedAt(644, 122, shirts[0].get(), s);
            for (int i = 0; i < 10; ++i)
                if (Surface* shirt = shirts[static_cast<size_t>(i + 1)].get())
                    BlitSurfaceKeyedAt(556 + 22 * (8 - club->GetTacticPositionY(i)), 122 + 21 * club->GetTacticPositionX(i),
                                       shirt, s);
            DrawShadowText(1, TA_LEFT, s, club->GetTacticName(), 600, 430);
        }
    }
    DrawSurfaceButtons(s, g_IntroButtons.data(), kIntroButtons);
    BlitSurfaceToScreen(s, 0, 0);
}

void CHighScreen::DrawTeamSheet() { m_bPageDirty = 1; }

void CHighScreen::FillLatestScores() {
    const auto& related = m_pMatchPlay->GetRelatedFixtures();
    const int rows = std::min(SurfaceTable::kMaxRows, static_cast<int>(related.size()) + 1);
    g_LatestScores.Init(90, 114, 570, 336, 4, rows, 28);
    g_LatestScores.headerTop = 88;
    g_LatestScoresBar.Init(674, 108, 30, 336, rows, 28);
    for (auto& row : g_LatestScores.cells)
        for (SurfaceTableCell& cell : row) cell.text.clear();
    static constexpr int kStarts[4] = {0, 240, 285, 525};
    for (int c = 0; c < 4; ++c) {
        g_LatestScores.columnStart[static_cast<size_t>(c)] = kStarts[c];
        const bool goals = c % 2 == 1;
        g_LatestScores.SetColumn(LoadString(goals ? hstext::kGoalsShort : hstext::kTeam),
                                 LoadString(goals ? hstext::kGoalsLong : hstext::kTeamName), c, 0,
                                 goals ? kAlignCentre : kAlignLeft);
    }
    auto setRow = [this](int row, const CFixture& f, int home, int away) {
        SetSurfaceTableCell(g_LatestScores, 0, row, f.GetHomeTeamName(), 0);
        SetSurfaceTableCell(g_LatestScores, 1, row, HsPageNumber("%d", home), 0);
        SetSurfaceTableCell(g_LatestScores, 2, row, f.GetAwayTeamName(), 0);
        SetSurfaceTableCell(g_LatestScores, 3, row, HsPageNumber("%d", away), 0);
    };
    if (m_pFixture) setRow(0, *m_pFixture, m_pFixture->m_HomeGoals, m_pFixture->m_AwayGoals);
    // The other matches with their extra time, so a tie won after ninety
    // minutes does not show as level.
    for (int k = 1; k < rows; ++k) {
        const CFixture* f = related[static_cast<size_t>(k - 1)];
        if (f) setRow(k, *f, f->m_Events.CountHomeGoals(120), f->m_Events.CountAwayGoals(120));
    }
}

void CHighScreen::RedrawResultPage() {
    if (!m_bPageDirty || m_bLeaving) return;
    DrawResultPage();
    m_bPageDirty = 0;
}

void CHighScreen::DrawResultPage() {
    Surface* s = m_pPage.get();
    if (!s || !Valid() || !m_pFixture) return;
    Surface* back = m_nView == 0 ? m_pResultBack.get() : m_nView == 1 ? m_pScoresBack.get() : m_pStatsBack.get();
    if (back) BlitSurfaceToSurface(0, 0, back, s);
    DrawCompetitionHeader(s);
    const CFixture& f = *m_pFixture;
    if (m_nView == 0) {
        // Each name ends short of its side's goals.
        DrawNameInRoom(4, 1, TA_LEFT, s, f.GetHomeTeamName(), 100, 106, 225);
        DrawNameInRoom(4, 1, TA_LEFT, s, f.GetAwayTeamName(), 400, 106, 225);
        DrawShadowText(4, TA_RIGHT, s, HsPageNumber("%d", f.m_HomeGoals), 360, 106);
        DrawShadowText(4, TA_RIGHT, s, HsPageNumber("%d", f.m_AwayGoals), 660, 106);
        if (f.m_Events.HasShootout()) DrawShadowText(1, TA_LEFT, s, f.GetShootoutText(), 400, 140);
        for (int side = 0; side < 2; ++side)
            for (const ResultLine& line : ResultPageLines(side)) {
                if (Surface* icon = m_pResultIcon[static_cast<size_t>(line.icon)].get())
                    BlitSurfaceKeyedAt(side == 0 ? 104 : 404, line.y - 2, icon, s);
                const auto [font, text] = FitEventLine(line.text, kResultLineRoom);
                DrawColourText(font, TA_LEFT, s, text, side == 0 ? 130 : 430, line.y, 255, 255, 255);
            }
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kAttendance) + " " + f.GetAttendanceText(), 510, 434);
        DrawShadowText(1, TA_LEFT, s,
                       platform::StrPrintf(LoadString(hstext::kReferee).c_str(), m_pMatchPlay->GetRefereeName().c_str()),
                       100, 434);
        DrawShadowText(1, TA_LEFT, s,
                       platform::StrPrintf(LoadString(hstext::kManOfMatch).c_str(),
                                           m_pMatchPlay->GetManOfTheMatchName().c_str()),
                       100, 452);
    } else if (m_nView == 1) {
        g_LatestScores.Draw(*this, s, g_LatestScoresBar);
        g_LatestScoresBar.Draw(*this, s);
    } else {
        DrawNameInRoom(1, 3, TA_CENTER, s, f.GetHomeTeamName(), 112, 135, 186);
        DrawNameInRoom(1, 3, TA_CENTER, s, f.GetAwayTeamName(), 675, 135, 186);
        DrawShadowText(1, TA_CENTER, s, LoadString(hstext::kStatistics), 395, 135);
        const CSoccerMatchPlayerList* squads[2] = {m_pMatchPlay->GetSquad(0), m_pMatchPlay->GetSquad(1)};
        CMatchVars* vars = GetWorldData() ? GetWorldData()->GetMatchVars() : nullptr;
        for (const ResultPlayerRow& row : ResultPlayerRows()) {
            const int y = 168 + 18 * row.index;
            const bool home = row.side == 0;
            const CSoccerMatchPlayer* entry = squads[row.side] ? squads[row.side]->GetAt(row.index) : nullptr;
            DrawColourText(3, TA_CENTER, s, HsPageNumber("%d", (entry ? entry->m_Slot : row.index) + 1), home ? 30 : 593,
                           y, 255, 255, 255);
            DrawColourText(3, TA_LEFT, s,
                           home ? m_pMatchPlay->GetHomeMatchPlayerName(row.index)
                                : m_pMatchPlay->GetAwayMatchPlayerName(row.index),
                           home ? 45 : 608, y, 255, 255, 255);
            if (row.rated && vars)
                DrawColourText(3, TA_LEFT, s,
                               HsPageNumber("%d", vars->GetPerformanceList(row.side).GetAverageRating(row.index, std::max(1, m_nMinute))),
                               home ? 196 : 760, y, 255, 255, 255);
        }
        const std::array<std::array<int, 2>, 10> figures = ResultStatistics();
        const KitColour home = KitColourAt(m_pMatchPlay->GetHomeKitByte(3));
        const KitColour away = KitColourAt(m_pMatchPlay->GetAwayKitByte(3));
        for (int k = 0; k < 10; ++k) {
            const int y = 165 + 22 * k;
            DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kStatisticsRows[k]), 230, y);
            DrawShareBar(s, 427, y, figures[static_cast<size_t>(k)][0], figures[static_cast<size_t>(k)][1], home.red,
                         home.green, home.blue, away.red, away.green, away.blue);
        }
    }
    DrawSurfaceButtons(s, g_ResultButtons.data(), 4);
    BlitSurfaceToScreen(s, 0, 0);
}

std::vector<CHighScreen::ResultLine> CHighScreen::ResultPageLines(int side) const {
    std::vector<ResultLine> out;
    if (!m_pFixture) return out;
    const CFixture& f = *m_pFixture;
    const bool home = (side & 1) == 0;
    // A shoot-out's line takes the room above the lists.
    const int top = f.m_Events.HasShootout() ? 180 : 150;
    std::string text;
    const int goals = home ? f.m_HomeGoals : f.m_AwayGoals;
    const int bookings = home ? f.m_Events.CountHomeBookings() : f.m_Events.CountAwayBookings();
    const int sendingsOff = home ? f.m_Events.CountHomeSendingsOff() : f.m_Events.CountAwaySendingsOff();
    // A long list closes up its lines rather than run out of the panel
    // (its foot is at y 424) onto the referee's line.
    const int lines = goals + bookings + sendingsOff;
    int step = 18;
    if (lines > 1 && top + 20 + 18 * (lines - 1) > kResultListsFoot)
        step = std::max(kResultLineLeast, (kResultListsFoot - top - 20) / (lines - 1));
    int y = top;
    for (int i = 0; i < goals; ++i, y += step)
        out.push_back({0, y, home ? f.GetHomeGoalText(text, i) : f.GetAwayGoalText(text, i)});
    y += 10;
    for (int i = 0; i < bookings; ++i, y += step)
        out.push_back({1, y, home ? f.GetHomeBookingText(text, i) : f.GetAwayBookingText(text, i)});
    y += 10;
    for (int i = 0; i < sendingsOff; ++i, y += step)
        out.push_back({2, y, home ? f.GetHomeSendingOffText(text, i) : f.GetAwaySendingOffText(text, i)});
    return out;
}

std::vector<CHighScreen::ResultPlayerRow> CHighScreen::ResultPlayerRows() const {
    std::vector<ResultPlayerRow> out;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < m_nSquadSlots && i < 14; ++i) out.push_back({side, i, i < 11});
    return out;
}

std::array<std::array<int, 2>, 10> CHighScreen::ResultStatistics() const {
    const CMatchPlay& e = *m_pMatchPlay;
    const double h = e.GetPossessionMinutes(0), a = e.GetPossessionMinutes(1);
    // Before any play the possession is even, not a division by nought.
    const int possession = h + a > 0 ? static_cast<int>(h / (h + a) * 100) : 50;
    const int homeGoals = m_pFixture ? m_pFixture->m_HomeGoals : 0, awayGoals = m_pFixture ? m_pFixture->m_AwayGoals : 0;
    return {{{possession, 100 - possession},
             {e.GetHomeTerritory(), e.GetAwayTerritory()},
             {e.GetCount(CMatchPlay::kFouls, 0), e.GetCount(CMatchPlay::kFouls, 1)},
             {e.GetCount(CMatchPlay::kBookings, 0), e.GetCount(CMatchPlay::kBookings, 1)},
             {e.GetCount(CMatchPlay::kSendingsOff, 0), e.GetCount(CMatchPlay::kSendingsOff, 1)},
             {e.GetCount(CMatchPlay::kOffsides, 0), e.GetCount(CMatchPlay::kOffsides, 1)},
             {e.GetCount(CMatchPlay::kCorners, 0), e.GetCount(CMatchPlay::kCorners, 1)},
             {e.GetCount(CMatchPlay::kShotsOn, 0), e.GetCount(CMatchPlay::kShotsOn, 1)},
             {e.GetCount(CMatchPlay::kShotsOff, 0), e.GetCount(CMatchPlay::kShotsOff, 1)},
             {homeGoals, awayGoals}}};
}

void CHighScreen::DrawSheetMarkers(Surface* s, int side) {
    const SurfaceTable& t = g_TeamSheet;
    const auto& shirts = m_pTinyShirt[static_cast<size_t>(side & 1)];
    const int first = std::clamp(g_TeamSheetBar.position, 0, std::max(0, t.rowCount - t.visibleRows));
    for (int r = 0; r < t.visibleRows; ++r) {
        const int row = first + r;
        if (row >= t.rowCount) break;
        // The "No." text holds the slot's number, so the marker follows a sort.
        const int m = std::atoi(t.cells[static_cast<size_t>(row)][0].text.c_str()) - 1;
        if (m < 0 || m >= kMaxSquadSlots || !shirts[static_cast<size_t>(m)]) continue;
        BlitSurfaceKeyedAt(t.x + t.columnStart[0] + 9, t.bodyTop + t.rowHeight * r, shirts[static_cast<size_t>(m)].get(), s);
    }
}
