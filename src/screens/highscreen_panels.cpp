// The match page's panels: the score panel with the clock and the run
// buttons, the control strip, the clip frame, both players panels and the
// performance panel. Each paints only when its dirty flag is set and the
// enlarged clip view is off.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/gfx/canvas.h"
#include "platform/stringtable.h"
#include "screens/highscreen.h"
#include "screens/highscreen_texts.h"
#include "shell/kitcolours.h"
#include "soccerclasses/club.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchplayer.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

using platform::LoadString;
using platform::gfx::Surface;
using platform::gfx::TA_CENTER;
using platform::gfx::TA_LEFT;
using platform::gfx::TA_RIGHT;
using namespace highscreen;

namespace {

std::string HsNumber(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return text;
}

constexpr int kHsStripEdges[9] = {0, 49, 94, 139, 183, 229, 274, 318, 365};

}  // namespace

std::string CHighScreen::DisplayedScoreText(int side) const {
    const int goals = m_nDisplayedScore[static_cast<size_t>(side & 1)];
    if (!m_pMatchPlay || !m_pMatchPlay->IsSecondLegTie()) return HsNumber(goals);
    char text[32];
    std::snprintf(text, sizeof text, "(%d) %d", m_pMatchPlay->GetFirstLegGoals(side), goals);
    return text;
}

void CHighScreen::FillEnlargedViewLines() {
    if (!m_pMatchPlay) return;
    m_strBanner = {m_pMatchPlay->GetHomeTeamName(), DisplayedScoreText(0), m_pMatchPlay->GetAwayTeamName(),
                   DisplayedScoreText(1)};
}

void CHighScreen::DrawNameInRoom(int font, int smaller, unsigned align, Surface* s, const std::string& name, int x,
                                 int y, int room) {
    const platform::gfx::FontRef big = GetPageFont(font), small = GetPageFont(smaller);
    if (!big || !small || big->Measure(name) <= room) {
        DrawShadowText(font, align, s, name, x, y);
        return;
    }
    std::string cut = name;
    while (!cut.empty() && small->Measure(cut) > room) cut.pop_back();
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();
    DrawShadowText(smaller, align, s, cut, x, y + (big->Metrics().height - small->Metrics().height) / 2);
}

std::pair<int, std::string> CHighScreen::FitEventLine(const std::string& line, int room) const {
    const platform::gfx::FontRef normal = GetPageFont(3), narrow = GetPageFont(1);
    if (!normal || !narrow || normal->Measure(line) <= room) return {3, line};
    if (narrow->Measure(line) <= room) return {1, line};
    // The minute starts at the last space before a digit or "(digit": the
    // name before it may hold spaces, the minute and its mark never do.
    size_t tail = std::string::npos;
    for (size_t i = line.size(); i-- > 0;) {
        if (line[i] != ' ' || i + 1 >= line.size()) continue;
        const char next = line[i + 1], after = i + 2 < line.size() ? line[i + 2] : '\0';
        if (std::isdigit(static_cast<unsigned char>(next)) ||
            (next == '(' && std::isdigit(static_cast<unsigned char>(after)))) {
            tail = i;
            break;
        }
    }
    if (tail == std::string::npos) tail = line.size();
    const std::string mark = line.substr(tail);
    std::string name = line.substr(0, tail);
    while (!name.empty() && narrow->Measure(name + "." + mark) > room) name.pop_back();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return {1, name.empty() ? mark : name + "." + mark};
}

void CHighScreen::PaintScorePanel(bool blit) {
    if (!m_pScore || !m_pMatchPlay) return;
    const std::string scores[2] = {DisplayedScoreText(0), DisplayedScoreText(1)};
    if (m_bEnlargedView) {
        FillEnlargedViewLines();
        return;
    }
    if (!m_bDirty[kScorePanel]) return;
    Surface* s = m_pScore.get();
    if (m_pScoreBack) BlitSurfaceToSurface(0, 0, m_pScoreBack.get(), s);
    Surface* run = m_bPaused ? m_pPlay.get() : (m_bRunning ? m_pPause.get() : m_pPauseDark.get());
    if (run) BlitSurfaceKeyedAt(0, 70, run, s);
    if (Surface* exit = m_bSkipAsked ? m_pExitDark.get() : m_pExit.get()) BlitSurfaceKeyedAt(0, 123, exit, s);
    std::string competition;
    m_pMatchPlay->GetCompetitionTitle(competition);
    DrawShadowText(1, TA_LEFT, s, competition, 74, 14);
    DrawShadowText(1, TA_LEFT, s, m_pMatchPlay->GetFixtureTitle(), 350, 14);
    DrawShadowText(4, TA_CENTER, s, HsNumber(m_nMinute), 46, 11);
    if (m_bExtraTimeShown) DrawShadowText(3, TA_LEFT, s, LoadString(hstext::kExtraTime), 9, 16);
    // The names end short of the widest score, "(9) 10".
    DrawNameInRoom(4, 1, TA_LEFT, s, m_pMatchPlay->GetHomeTeamName(), 120, 38, 226);
    DrawNameInRoom(4, 1, TA_LEFT, s, m_pMatchPlay->GetAwayTeamName(), 120, 71, 226);
    DrawShadowText(4, TA_RIGHT, s, scores[0], 396, 38);
    DrawShadowText(4, TA_RIGHT, s, scores[1], 396, 71);
    DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kLatestScore), 74, 198);
    if (m_nHalfTimeHandled != 1 && m_nFinished == 0) {
        const std::string latest = m_pMatchPlay->GetLatestScoresText();
        if (!latest.empty()) DrawShadowText(1, TA_LEFT, s, latest, 154, 198);
    }
    for (int side = 0; side < 2; ++side)
        if (Surface* kit = m_pSmallKit[static_cast<size_t>(side)].get())
            BlitSurfaceKeyed(74, side == 0 ? 37 : 70, 24, 24, kit, s);
    if (!m_bCommentaryHidden) DrawWrappedShadowText(1, TA_LEFT, s, m_strCaption, 80, 114, 340, 64);
    if (m_nTipPanel == kScorePanel) DrawToolTip(s);
    if (blit) BlitSurfaceToScreen(s, 0, 0);
    m_bDirty[kScorePanel] = 0;
}

void CHighScreen::PaintControlStrip(bool blit) {
    if (!m_pStrip || m_bEnlargedView || !m_bDirty[kStrip]) return;
    Surface* s = m_pStrip.get();
    if (m_pStripUnlit) BlitSurfaceToSurface(0, 0, m_pStripUnlit.get(), s);
    const int section = std::clamp(m_nSection, 0, 7);
    if (m_pStripLit)
        CopySurfaceRectTo(kHsStripEdges[section], 0, kHsStripEdges[section + 1] - kHsStripEdges[section], 59,
                          m_pStripLit.get(), kHsStripEdges[section], 0, s);
    // The section names, when the strip's pictures do not carry them.
    for (int i = 0; i < 8 && !m_bStripPictures; ++i) {
        const int mid = (kHsStripEdges[i] + kHsStripEdges[i + 1]) / 2;
        DrawClippedText(kHsStripEdges[i + 1] - kHsStripEdges[i] + 2, 3, TA_CENTER, s,
                        LoadString(hstext::kSections + static_cast<unsigned>(i)), mid, 20, 255, 255,
                        i == section ? 0 : 255);
    }
    if (m_nTipPanel == kStrip) DrawToolTip(s);
    if (blit) BlitSurfaceToScreen(s, 210, 493);
    m_bDirty[kStrip] = 0;
}

void CHighScreen::PaintClipFrame(bool blit) {
    if (!m_bClipFrameDirty || m_bEnlargedView) return;
    if (blit && m_pClipFrame) BlitSurfaceToScreen(m_pClipFrame.get(), 440, 0);
    m_bClipFrameDirty = 0;
}

void CHighScreen::PaintPlayersPanel(int side, bool blit) {
    const size_t sd = static_cast<size_t>(side & 1);
    const int panel = side == 0 ? kHomePanel : kAwayPanel;
    Surface* s = m_pPanel[sd].get();
    if (!s || m_bEnlargedView || !m_bDirty[static_cast<size_t>(panel)]) return;
    const CClub* club = SideClub(side);
    const CSoccerMatchPlayerList* squad = m_pMatchPlay->GetSquad(side);
    const bool home = side == 0;
    if (m_nPanelView[sd] == 0) {
        if (m_pPanelBack[sd]) BlitSurfaceToSurface(0, 0, m_pPanelBack[sd].get(), s);
        DrawNameInRoom(1, 3, TA_LEFT, s, home ? m_pMatchPlay->GetHomeTeamName() : m_pMatchPlay->GetAwayTeamName(),
                       home ? 20 : 14, 6, home ? 185 : 190);
        for (int slot = 0; slot < m_nSquadSlots && club; ++slot) {
            const CPlayer* p = club->GetPlayer(slot);
            // An empty slot is a blank row.
            if (!p) continue;
            const int y = 35 + 17 * slot;
            const CSoccerMatchPlayer* entry = squad ? squad->GetAt(slot) : nullptr;
            const bool substituted = home ? m_pMatchPlay->IsHomePlayerSubstituted(slot)
                                          : m_pMatchPlay->IsAwayPlayerSubstituted(slot);
            const SurfaceRgb colour = substituted ? SurfaceRgb{192, 192, 192} : SurfaceCellColour(p->GetPosition() + 1);
            DrawColourText(3, TA_CENTER, s, HsNumber((entry ? entry->m_Slot : slot) + 1), home ? 25 : 187, y,
                           colour.red, colour.green, colour.blue);
            const int status = m_nPlayerStatus[sd][static_cast<size_t>(std::min(slot, kMaxSquadSlots - 1))];
            if (status >= 1 && status <= 4 && m_pStatusIcon[static_cast<size_t>(status - 1)])
                BlitSurfaceKeyedAt(home ? 132 : 163, 34 + 17 * slot, m_pStatusIcon[static_cast<size_t>(status - 1)].get(), s);
            DrawClippedText(home ? 107 : 108, 3, TA_LEFT, s, p->GetName(), home ? 38 : 68, y, 255, 255, 255);
            if (slot < 11) {
                const int value = home ? m_pMatchPlay->GetHomePlayerMinuteValue(slot, m_nMinute)
                                       : m_pMatchPlay->GetAwayPlayerMinuteValue(slot, m_nMinute);
                const int bar = std::min(99, value / 2);
                if (bar > 0) FillSurfaceRect(s, home ? 150 : 11, 36 + 17 * slot, bar, 11, 255, 0, 0);
            }
        }
        // The dragged player follows the pointer.
        if (m_nDragState == 1 && m_nPressSide == side + 1 && m_DragPoint.x != -1 && club) {
            if (const CPlayer* p = club->GetPlayer(m_nDragSource)) {
                const std::string name = p->GetName();
                DrawShadowText(3, TA_LEFT, s, name, m_DragPoint.x - 4 * static_cast<int>(name.size()), m_DragPoint.y - 6);
            }
        }
    } else {
        DrawPlayerCard(side);
    }
    if (m_nTipPanel == panel) DrawToolTip(s);
    if (blit) BlitSurfaceToScreen(s, home ? 0 : 575, 225);
    m_bDirty[static_cast<size_t>(panel)] = 0;
}

void CHighScreen::DrawPlayerCard(int side) {
    const size_t sd = static_cast<size_t>(side & 1);
    const bool home = side == 0;
    Surface* s = m_pPanel[sd].get();
    const int tab = m_nCardTab[sd];
    Surface* back = (tab == 0 ? m_pCardBack[sd] : m_pCardTabBack[sd]).get();
    if (back) BlitSurfaceToSurface(0, 0, back, s);
    const int slot = m_nCardPlayer[sd];
    const CClub* club = SideClub(side);
    const CPlayer* p = club ? club->GetPlayer(slot) : nullptr;
    if (p) {
        const CSoccerMatchPlayerList* squad = m_pMatchPlay->GetSquad(side);
        const CSoccerMatchPlayer* entry = squad ? squad->GetAt(slot) : nullptr;
        // The away card's labels stand four pixels left of the home card's.
        const int dx = home ? 0 : -4;
        DrawShadowText(1, TA_LEFT, s, HsNumber((entry ? entry->m_Slot : slot) + 1), home ? 47 : 41, 8);
        DrawNameInRoom(1, 3, TA_LEFT, s, p->GetName(), home ? 70 : 64, 8, home ? 134 : 142);
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kRating), home ? 17 : 13, 66);
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kPercentSign), home ? 165 : 160, 66);
        DrawShadowText(1, TA_LEFT, s, HsNumber(p->GetAbility()), home ? 181 : 176, 66);
        const CSoccerPlayer& f = p->Football();
        const int values[7] = {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Dribbling, f.m_Shooting, f.m_Heading, f.m_Pace};
        static constexpr int kLabelX[7] = {17, 65, 112, 161, 17, 65, 112};
        static constexpr int kValueX[7] = {46, 94, 143, 188, 46, 94, 143};
        for (int i = 0; i < 7; ++i) {
            const int y = i < 4 ? 88 : 110;
            DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kAttributeLabels[i]), kLabelX[i] + dx, y);
            DrawShadowText(1, TA_LEFT, s, HsNumber(values[i]), kValueX[i] + dx, y);
        }
        const std::string position = LoadString(hstext::kPositionNames[std::clamp(f.GetPosition(), 0, 3)]) +
                                     LoadString(f.IsLeftFooted() ? hstext::kLeftSide : hstext::kRightSide);
        DrawShadowText(1, TA_LEFT, s, position, 162 + dx, 110);
        const int counts[4] = {entry ? entry->m_Goals : 0, entry ? entry->m_ShotsOn : 0, entry ? entry->m_ShotsOff : 0,
                               entry ? entry->m_Fouls : 0};
        static constexpr int kCountY[4] = {161, 178, 195, 212};
        for (int i = 0; i < 4; ++i) {
            DrawShadowText(1, TA_LEFT, s, LoadString(home ? hstext::kHomeCounts[i] : hstext::kAwayCounts[i]),
                           home ? 20 : 14, kCountY[i]);
            DrawShadowText(1, TA_LEFT, s, HsNumber(counts[i]), home ? 160 : 154, kCountY[i]);
        }
        const int grey = 128;
        DrawColourText(3, TA_LEFT, s, LoadString(hstext::kPerformance), 20, 238, tab == 0 ? 255 : grey,
                       tab == 0 ? 255 : grey, tab == 0 ? 255 : grey);
        DrawColourText(3, TA_LEFT, s, LoadString(hstext::kTactics), 122, 238, tab == 1 ? 255 : grey,
                       tab == 1 ? 255 : grey, tab == 1 ? 255 : grey);
        if (tab == 1) {
            // No instructions for the keeper or the bench.
            if (slot >= 1 && slot <= 10 && IsHumanSide(side))
                DrawSurfaceButtons(s, m_InstructionButtons[sd].data(), 18);
        } else if (m_nMinute > 0) {
            // In extra time the graph shows minutes 91 on over the width
            // ninety take; the graph stops at 90 in normal time.
            const bool extra = m_bExtraTimeShown != 0;
            const int first = extra ? 91 : 0, last = extra ? std::min(m_nMinute, 120) : std::min(m_nMinute, 90);
            std::vector<int> values;
            for (int m = first; m <= last; ++m)
                values.push_back(home ? m_pMatchPlay->GetHomePlayerMinuteValue(slot, m)
                                      : m_pMatchPlay->GetAwayPlayerMinuteValue(slot, m));
            DrawLineGraph(22, 303, extra ? 5.86 : 1.9, 2.0, values, s, 255, 0, 0);
        }
    }
    DrawSurfaceButtons(s, m_CardButtons[sd].data(), kCardButtons);
}
