// The performance panel's eight views and the shoot-out board, their
// buttons and tables, and the presses that change a side's formation and
// tactics while the match runs.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/gfx/canvas.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/highscreen.h"
#include "screens/highscreen_texts.h"
#include "shell/ddsurface.h"
#include "shell/kitcolours.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

using platform::LoadString;
using platform::gfx::Surface;
using platform::gfx::TA_CENTER;
using platform::gfx::TA_LEFT;
using platform::gfx::TA_RIGHT;
using namespace highscreen;

namespace highscreen {

std::array<int, 3> ThirdShares(double left, double middle, double right) {
    const double total = left + middle + right;
    if (total <= 0) return {0, 100, 0};
    const int l = static_cast<int>(left / total * 100), m = static_cast<int>(middle / total * 100);
    return {l, m, 100 - l - m};
}

int PowerBarLength(int value) { return value * 67 / 160; }

}  // namespace highscreen

namespace {

std::string HsViewNumber(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return text;
}

// The five power series' colours: goal, defence, midfield, attack, overall.
constexpr int kHsSeriesColour[5][3] = {{17, 228, 0}, {227, 255, 0}, {99, 139, 253}, {255, 60, 60}, {226, 0, 214}};

// The normalised value of series k of a side's performance at a minute.
int HsSeriesValue(const CSoccerPlayerPerformanceList& list, int k, int minute) {
    switch (k) {
        case 0: return static_cast<int>(list.GetValueAt(minute));
        case 1: return list.GetDefenceAt(minute) / 4;
        case 2: return list.GetMidfieldAt(minute) / 3;
        case 3: return list.GetAttackAt(minute) / 3;
        default: return static_cast<int>(list.GetTeamRating(minute));
    }
}

// The tactics pictures of a row: the side's default, then the five levels.
constexpr const char* kHsTacticPictures[3][6] = {
    {"teamagg1", "a-lowaggress", "a-belowavaggress", "a-avaggress", "a-abovavaggress", "a-hiaggress"},
    {"teamagg2", "a-verydefens", "a-defensive", "a-avdefens", "a-attacking", "a-alloutattack"},
    {"teamagg3", "a-shortpass", "a-mainlyshort", "a-mixpass", "a-mainlong", "a-allongpass"}};

std::string HsTacticPath(int row, int k, bool pressed) {
    std::string name = kHsTacticPictures[row][k];
    if (pressed) name = k == 0 ? name + " hi" : "a-hi" + name.substr(2);
    return "gfx\\buttons\\tactics\\" + name + ".bmp";
}

}  // namespace

void CHighScreen::SetUpLevelButtonPictures() {
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 5; ++k) {
            SurfacePtr released, pressed;
            LoadPicture(HsTacticPath(g, k + 1, false), released, 28, 17, true);
            LoadPicture(HsTacticPath(g, k + 1, true), pressed, 28, 17, true);
            SurfaceButton& b = g_LevelButtons[static_cast<size_t>(g * 5 + k)];
            b.released = std::move(released);
            b.pressed = std::move(pressed);
        }
}

void CHighScreen::SetUpPanelButtons() {
    std::shared_ptr<Surface> radioOff, radioOn, checkOff, checkOn;
    {
        SurfacePtr a, b, c, d;
        LoadMatchPicture("radio_off", a, 16, 16, true);
        LoadMatchPicture("radio_on", b, 16, 16, true);
        LoadPicture("gfx\\buttons\\check_off.bmp", c, 16, 16, true);
        LoadPicture("gfx\\buttons\\check_on.bmp", d, 16, 16, true);
        radioOff = std::move(a);
        radioOn = std::move(b);
        checkOff = std::move(c);
        checkOn = std::move(d);
    }
    std::array<std::array<std::shared_ptr<Surface>, 6>, 3> released, pressed;
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 6; ++k) {
            SurfacePtr a, b;
            LoadPicture(HsTacticPath(row, k, false), a, 28, 17, true);
            LoadPicture(HsTacticPath(row, k, true), b, 28, 17, true);
            released[static_cast<size_t>(row)][static_cast<size_t>(k)] = std::move(a);
            pressed[static_cast<size_t>(row)][static_cast<size_t>(k)] = std::move(b);
        }
    static constexpr int kRowY[3] = {254, 272, 290};
    static constexpr int kSwitchY[5] = {50, 76, 102, 128, 154};
    static constexpr int kArrowY[4] = {136, 168, 198, 228};
    for (int side = 0; side < 2; ++side) {
        const size_t sd = static_cast<size_t>(side);
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 6; ++k) {
                SurfaceButton& b = m_InstructionButtons[sd][static_cast<size_t>(row * 6 + k)];
                b = SurfaceButton{};
                b.x = 20 + 30 * k;
                b.y = kRowY[row];
                b.flags = kSbPicture | kSbToggle | kSbNoOffset;
                b.released = released[static_cast<size_t>(row)][static_cast<size_t>(k)];
                b.pressed = pressed[static_cast<size_t>(row)][static_cast<size_t>(k)];
            }
        for (int i = 0; i < 5; ++i) {
            SurfaceButton& b = m_SwitchButtons[sd][static_cast<size_t>(i)];
            b = SurfaceButton{};
            b.x = side == 0 ? 8 : 337;
            b.y = kSwitchY[i];
            b.flags = kSbPicture | kSbToggle | kSbNoOffset;
            b.state = m_bPowerSwitch[sd][static_cast<size_t>(i)];
            b.released = radioOff;
            b.pressed = radioOn;
        }
        for (int i = 0; i < 10; ++i) {
            SurfaceButton& b = m_TacticsButtons[sd][static_cast<size_t>(i)];
            b = SurfaceButton{};
            if (i < 2) {
                // Their captions are their tips: the labels stand beside them.
                b.x = 327;
                b.y = i == 0 ? 92 : 113;
                b.flags = kSbPicture | kSbToggle | kSbNoOffset;
                b.released = checkOff;
                b.pressed = checkOn;
                b.tip = LoadString(i == 0 ? hstext::kUseOffsideTrap : hstext::kPlayOnTheBreak);
            } else {
                const bool next = (i % 2) == 1;
                b.x = next ? 323 : 262;
                b.y = kArrowY[(i - 2) / 2];
                b.flags = kSbPicture | kSbMomentary;
                b.released = m_CardButtons[0][next ? 1 : 0].released;
                b.pressed = m_CardButtons[0][next ? 1 : 0].pressed;
                b.tip = LoadString(next ? hstext::kNextPlayer : hstext::kPreviousPlayer);
            }
        }
    }
}

std::array<std::array<std::array<int32_t, 10>, 30>, 3>* CHighScreen::InstructionTable(int side) const {
    const CClub* club = SideClub(side);
    CHumanManager* manager = club && club->IsHumanManaged() ? club->GetHumanManager() : nullptr;
    return manager ? &manager->m_Instructions : nullptr;
}

int CHighScreen::SelectedFormation(int side) const {
    const SurfaceTable& t = m_FormationTable[static_cast<size_t>(side & 1)];
    for (int r = 0; r < t.rowCount; ++r)
        if (t.selected[static_cast<size_t>(r)]) return r;
    return 0;
}

void CHighScreen::FillFormationTable(int side) {
    const size_t sd = static_cast<size_t>(side & 1);
    const CClub* club = SideClub(side);
    const CHumanManager* manager = club && club->IsHumanManaged() ? club->GetHumanManager() : nullptr;
    int count = 0;
    while (club && count < CHumanManager::kFormations && club->GetTacticByIndex(count)) ++count;
    SurfaceTable& t = m_FormationTable[sd];
    SurfaceScrollBar& bar = m_FormationBar[sd];
    t = SurfaceTable{};
    t.Init(16, 72, 136, 184, 2, count, 23);
    t.headerTop = 46;
    t.sortable = 0;
    t.SetColumn(LoadString(hstext::kFormationColumn), LoadString(hstext::kFormationsAvailable), 0, 0, 0);
    t.SetColumn(LoadString(hstext::kRating), LoadString(hstext::kRatingInFormation), 1, 0, 0);
    t.columnStart[0] = 0;
    t.columnStart[1] = 96;
    bar = SurfaceScrollBar{};
    bar.Init(177, 68, 26, 184, count, 23);
    for (int i = 0; i < count; ++i) {
        const CSoccerTactic* tactic = club->GetTacticByIndex(i);
        SetSurfaceTableCell(t, 0, i, manager ? manager->GetTacticName(i) : std::string(tactic->m_Name), 0);
        // "Rating" is the side's familiarity with the formation, as on the
        // squad pages: the name with it in brackets does not fit the column.
        SetSurfaceTableCell(t, 1, i,
                            manager ? manager->GetTacticFamiliarity(static_cast<uint8_t>(i)) : tactic->GetFamiliarityText(),
                            0);
    }
    const int current = m_pMatchPlay ? m_pMatchPlay->GetCurrentFormation(side) : (club ? club->GetTacticIndex() : 0);
    if (count > 0) t.selected[static_cast<size_t>(std::clamp(current, 0, count - 1))] = 1;
    bar.requested = std::clamp(current, 0, std::max(0, count - 1));
    bar.UpdateThumb();
}

void CHighScreen::PressInstructionButtons(int side) {
    const size_t sd = static_cast<size_t>(side & 1);
    for (SurfaceButton& b : m_InstructionButtons[sd]) b.state = 0;
    const int row = m_nCardPlayer[sd];
    auto* table = InstructionTable(side);
    if (!table || row < 1 || row > 10) return;
    const int formation = std::clamp(SelectedFormation(side), 0, 29);
    for (int r = 0; r < 3; ++r) {
        int v = (*table)[static_cast<size_t>(r)][static_cast<size_t>(formation)][static_cast<size_t>(row - 1)];
        // A value outside the row read from a saved game is the side's setting.
        if (v < 0 || v > 5) v = 0;
        m_InstructionButtons[sd][static_cast<size_t>(r * 6 + v)].state = 1;
    }
}

void CHighScreen::PressLevelButtonsFor(int side) {
    const bool home = (side & 1) == 0;
    const int values[3] = {home ? m_pMatchPlay->GetHomeAggression() : m_pMatchPlay->GetAwayAggression(),
                           home ? m_pMatchPlay->GetHomeBias() : m_pMatchPlay->GetAwayBias(),
                           home ? m_pMatchPlay->GetHomePassingStyle() : m_pMatchPlay->GetAwayPassingStyle()};
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 5; ++k)
            g_LevelButtons[static_cast<size_t>(g * 5 + k)].state = k == LevelButtonFor(values[g]) ? 1 : 0;
    auto& t = m_TacticsButtons[static_cast<size_t>(side & 1)];
    t[0].state = (home ? m_pMatchPlay->GetHomeOffsideTrap() : m_pMatchPlay->GetAwayOffsideTrap()) ? 1 : 0;
    t[1].state = (home ? m_pMatchPlay->GetHomeOnTheBreak() : m_pMatchPlay->GetAwayOnTheBreak()) ? 1 : 0;
}

void CHighScreen::DrawLineGraph(double x0, double y0, double xScale, double yScale, const std::vector<int>& values,
                                Surface* surface, int red, int green, int blue) {
    if (!surface || values.empty()) return;
    platform::gfx::Canvas dc(*surface);
    dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(red, green, blue)));
    dc.MoveTo(static_cast<int>(x0), static_cast<int>(y0 - values[0] / yScale));
    bool stretch = false;
    for (size_t i = 0; i < values.size(); ++i) {
        const int x = static_cast<int>(x0 + static_cast<double>(i) * xScale);
        if (values[i] > 0) {
            const int y = static_cast<int>(y0 - values[i] / yScale);
            if (!stretch) dc.MoveTo(x, y);
            dc.LineTo(x, y);
            dc.SetPixel(x, y, platform::gfx::RGB(red, green, blue));
            stretch = true;
        } else {
            dc.MoveTo(x, static_cast<int>(y0));
            stretch = false;
        }
    }
}

void CHighScreen::DrawPerformancePanel(bool blit) {
    Surface* s = m_pPerformance.get();
    if (!s || m_bEnlargedView || !m_bDirty[kPerformance]) return;
    if (m_nChoiceState != 0) {
        DrawShootoutBoard();
    } else {
        auto background = [&](int picture) {
            if (Surface* b = m_pCentre[static_cast<size_t>(picture)].get()) BlitSurfaceToSurface(0, 0, b, s);
        };
        auto title = [&](unsigned id) { DrawShadowText(1, TA_LEFT, s, LoadString(id), 16, 9); };
        switch (std::clamp(m_nSection, 0, 7)) {
            case 0: background(kCentreZones); title(hstext::kZoneInformation); DrawPowerBars(); break;
            case 1: background(kCentreTerritoryDark); title(hstext::kSections + 1); DrawActionAreas(); break;
            case 2: background(kCentreManMarking); title(hstext::kSections + 2); DrawBallTrail(); break;
            case 3: background(kCentreStatistics); title(hstext::kStatisticsTitle); DrawMatchStatistics(); break;
            case 4: DrawLatestScores(blit); m_bDirty[kPerformance] = 0; return;
            case 5: background(kCentreFormation); DrawFormationView(); break;
            case 6: background(kCentrePlayingStyles); DrawTacticsView(); break;
            default: background(kCentreSubstitutions); title(hstext::kSubstitutionsTitle); DrawSubstitutions(); break;
        }
    }
    if (m_nTipPanel == kPerformance) DrawToolTip(s);
    if (blit) BlitSurfaceToScreen(s, 210, 225);
    m_bDirty[kPerformance] = 0;
}

void CHighScreen::DrawShootoutBoard() {
    Surface* s = m_pPerformance.get();
    if (Surface* b = m_pCentre[kCentreMotivation].get()) BlitSurfaceToSurface(0, 0, b, s);
    DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kPenaltyShootout), 16, 9);
    const int x = IsHumanSide(0) ? 30 : 203;
    for (int i = 0; i < m_nTakersChosen && i < 5; ++i)
        DrawNameInRoom(1, 3, TA_LEFT, s, m_Takers[static_cast<size_t>(i)].name, x, 59 + 20 * i, 160);
    if (m_nChoiceState != 2) return;
    DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kHome), 30, 177);
    DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kAway), 30, 219);
    const int k = m_nShootoutKicks;
    for (int side = 0; side < 2; ++side) {
        const int shown = side == 0 ? (k + 1) / 2 : k / 2;
        const int y = side == 0 ? 177 : 219;
        int scored = 0;
        for (int i = 0; i < shown && i < 5; ++i) {
            const int outcome = side == 0 ? m_pMatchPlay->GetHomeShootoutKick(i) : m_pMatchPlay->GetAwayShootoutKick(i);
            if (outcome == 0) ++scored;
            if (Surface* mark = outcome == 0 ? m_pPenGoal.get() : m_pPenMiss.get())
                BlitSurfaceKeyedAt(100 + 30 * i, y - 4, mark, s);
        }
        DrawShadowText(1, TA_LEFT, s, HsViewNumber(scored), 300, y);
    }
}

void CHighScreen::DrawPowerBars() {
    Surface* s = m_pPerformance.get();
    static constexpr int kLabelY[5] = {50, 76, 102, 128, 154};
    for (int k = 0; k < 5; ++k)
        DrawShadowText(1, TA_CENTER, s, LoadString(hstext::kSeriesNames + static_cast<unsigned>(k)), 182, kLabelY[k]);
    CMatchVars* vars = GetWorldData() ? GetWorldData()->GetMatchVars() : nullptr;
    if (!vars) return;
    const int m = std::max(0, m_nMinute);
    for (int side = 0; side < 2; ++side) {
        const CSoccerPlayerPerformanceList& list = vars->GetPerformanceList(side);
        for (int k = 0; k < 5; ++k) {
            const int length = PowerBarLength(HsSeriesValue(list, k, m));
            // A bar of two pixels or less is not drawn.
            if (length <= 2) continue;
            DrawFramedRect(s, side == 0 ? 99 - length : 271, kLabelY[k] + 4, length, 12, kHsSeriesColour[k][0],
                           kHsSeriesColour[k][1], kHsSeriesColour[k][2]);
        }
        if (m > 0) {
            // In extra time the graphs show minutes 91 on, over the width
            // ninety minutes take in normal time.
            const bool extra = m_bExtraTimeShown != 0;
            const int first = extra ? 91 : 0;
            const int last = extra ? std::min(m, 120) : std::min(m, 90);
            for (int k = 0; k < 5; ++k) {
                if (!m_bPowerSwitch[static_cast<size_t>(side)][static_cast<size_t>(k)]) continue;
                std::vector<int> values;
                for (int i = first; i <= last; ++i) values.push_back(HsSeriesValue(list, k, i));
                DrawLineGraph(side == 0 ? 33 : 187, 244, extra ? 4.9 : 1.6, 2.7, values, s, kHsSeriesColour[k][0],
                              kHsSeriesColour[k][1], kHsSeriesColour[k][2]);
            }
        }
    }
    for (int side = 0; side < 2; ++side)
        DrawSurfaceButtons(s, m_SwitchButtons[static_cast<size_t>(side)].data(), 5);
}

void CHighScreen::DrawActionAreas() {
    Surface* s = m_pPerformance.get();
    static constexpr int kLeft[3] = {35, 134, 232}, kRight[3] = {134, 232, 331};
    // Before the first minute the middle third is lit and no zone is read.
    const int minute = m_pMatchPlay->GetMinute();
    const int zone = minute >= 1 ? m_pMatchPlay->GetZoneOfMinute(minute - 1) : 6;
    const int lit = zone < 4 ? 0 : zone >= 9 ? 2 : 1;
    if (Surface* light = m_pCentre[kCentreTerritoryLight].get())
        CopySurfaceRectTo(kLeft[lit], 42, kRight[lit] - kLeft[lit], 247 - 42, light, kLeft[lit], 42, s);
    const std::array<int, 3> shares = ThirdShares(m_pMatchPlay->GetZoneCounter(0), m_pMatchPlay->GetZoneCounter(1),
                                                  m_pMatchPlay->GetZoneCounter(2));
    static constexpr int kShareX[3] = {73, 183, 293};
    for (int i = 0; i < 3; ++i) {
        const std::string text = platform::StrPrintf(LoadString(hstext::kPercent).c_str(), shares[static_cast<size_t>(i)]);
        DrawColourText(2, TA_CENTER, s, text, kShareX[i], 132, i == lit ? 255 : 0, 255, 255);
    }
    const bool awayBall = m_pMatchPlay->GetPossessionSide() == 1;
    Surface* home = (awayBall ? m_pSmallKit[0] : m_pDimKit[0]).get();
    Surface* away = (awayBall ? m_pDimKit[1] : m_pSmallKit[1]).get();
    if (home) BlitSurfaceKeyed(48, 44, 32, 32, home, s);
    if (away) BlitSurfaceKeyed(286, 44, 32, 32, away, s);
}

void CHighScreen::DrawBallTrail() {
    Surface* s = m_pPerformance.get();
    for (int i = static_cast<int>(m_BallTrail.size()) - 1; i >= 0; --i) {
        const BallTrailEntry& e = m_BallTrail[static_cast<size_t>(i)];
        Surface* ball = m_pBall[e.side != 0 ? 1 : 0].get();
        if (ball) BlitFade(e.x, e.y, (4 - i) * 64 - 1, ball, s);
    }
}

void CHighScreen::DrawMatchStatistics() {
    Surface* s = m_pPerformance.get();
    const CMatchPlay& e = *m_pMatchPlay;
    std::array<std::array<int, 2>, 10> rows = ResultStatistics();
    // The goals as the score panel shows them, each after its clip.
    rows[9] = {m_nDisplayedScore[0], m_nDisplayedScore[1]};
    const KitColour home = KitColourAt(e.GetHomeKitByte(3)), away = KitColourAt(e.GetAwayKitByte(3));
    for (int i = 0; i < 10; ++i) {
        const int y = 38 + 22 * i;
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kStatisticsRows[i]), 24, y);
        DrawShareBar(s, 222, y, rows[static_cast<size_t>(i)][0], rows[static_cast<size_t>(i)][1], home.red, home.green, home.blue, away.red, away.green,
                     away.blue);
    }
}

void CHighScreen::DrawLatestScores(bool blit) {
    Surface* s = m_pPerformance.get();
    Surface* clean = m_pCentre[kCentreLatestScores].get();
    if (clean) BlitSurfaceToSurface(0, 0, clean, s);
    const std::vector<CFixture*>& related = m_pMatchPlay->GetRelatedFixtures();
    const int n = static_cast<int>(related.size());
    const int t = m_nTickerPosition;
    for (int i = 0; i < n; ++i) {
        int y = -1;
        if (n < 8) {
            y = i * 32 + 32;
        } else {
            const int d = i * 32 - t;
            if (d > -32 && d < 288)
                y = d + 32;
            else if (d <= -32 && d < (n - 9) * -32)
                y = d + n * 32 + 32;
        }
        if (y < 0) continue;
        const CFixture& f = *related[static_cast<size_t>(i)];
        DrawNameInRoom(1, 3, TA_RIGHT, s, f.GetHomeTeamName(), 142, y, 136);
        DrawShadowText(1, TA_CENTER, s, HsViewNumber(f.m_Events.CountHomeGoals(m_nMinute)), 162, y);
        DrawShadowText(1, TA_CENTER, s, "-", 182, y);
        DrawShadowText(1, TA_CENTER, s, HsViewNumber(f.m_Events.CountAwayGoals(m_nMinute)), 202, y);
        DrawNameInRoom(1, 3, TA_LEFT, s, f.GetAwayTeamName(), 222, y, 136);
    }
    if (clean) {
        // Rows scrolled under the bands disappear behind them.
        CopySurfaceRectTo(0, 0, 365, 32, clean, 0, 0, s);
        CopySurfaceRectTo(0, 258, 365, 10, clean, 0, 258, s);
    }
    if (m_nTipPanel == kPerformance) DrawToolTip(s);
    if (blit) BlitSurfaceToScreen(s, 210, 225);
}

void CHighScreen::DrawFormationView() {
    Surface* s = m_pPerformance.get();
    const int side = m_nFormationSide & 1;
    if (m_bBothHuman) {
        DrawColourText(1, TA_CENTER, s, LoadString(hstext::kHomeFormation), 96, 9, side == 0 ? 255 : 128,
                       side == 0 ? 255 : 128, side == 0 ? 255 : 128);
        DrawColourText(1, TA_CENTER, s, LoadString(hstext::kAwayFormation), 270, 9, side == 1 ? 255 : 128,
                       side == 1 ? 255 : 128, side == 1 ? 255 : 128);
    } else {
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kFormationColumn), 16, 9);
    }
    m_FormationTable[static_cast<size_t>(side)].Draw(*this, s, m_FormationBar[static_cast<size_t>(side)]);
    m_FormationBar[static_cast<size_t>(side)].Draw(*this, s);
    const auto& shirts = m_pTinyShirt[static_cast<size_t>(side)];
    if (shirts[0]) BlitSurfaceKeyedAt(268, 42, shirts[0].get(), s);
    const CSoccerTactic* tactic = side == 0 ? m_pMatchPlay->GetHomeTactic() : m_pMatchPlay->GetAwayTactic();
    if (!tactic) return;
    for (int k = 0; k < CSoccerTactic::kPlayers; ++k) {
        Surface* shirt = shirts[static_cast<size_t>(k + 1)].get();
        if (!shirt) continue;
        const int row = tactic->m_Depth[static_cast<size_t>(k)], column = tactic->m_Width[static_cast<size_t>(k)];
        BlitSurfaceKeyedAt(332 - column * 16, row * 15 + 42, shirt, s);
    }
}

void CHighScreen::DrawTacticsView() {
    Surface* s = m_pPerformance.get();
    const int side = m_nTacticsSide & 1;
    if (m_bBothHuman) {
        DrawColourText(1, TA_CENTER, s, LoadString(hstext::kHomeTactic), 96, 9, side == 0 ? 255 : 128,
                       side == 0 ? 255 : 128, side == 0 ? 255 : 128);
        DrawColourText(1, TA_CENTER, s, LoadString(hstext::kAwayTactic), 270, 9, side == 1 ? 255 : 128,
                       side == 1 ? 255 : 128, side == 1 ? 255 : 128);
    } else {
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kSections + 6), 16, 9);
    }
    static constexpr int kLabelY[9] = {30, 51, 71, 92, 113, 141, 170, 200, 230};
    for (int i = 0; i < 9; ++i)
        DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kTacticsLabels[i]), 18, kLabelY[i]);
    PressLevelButtonsFor(side);
    DrawSurfaceButtons(s, g_LevelButtons.data(), kLevelButtons);
    for (int i = 0; i < 4; ++i) {
        const int n = std::clamp(m_nTakers[static_cast<size_t>(i)], 1, 11);
        if (Surface* shirt = m_pTakerShirt[static_cast<size_t>(n - 1)].get())
            BlitSurfaceKeyedAt(295, 140 + 30 * i, shirt, s);
    }
    DrawSurfaceButtons(s, m_TacticsButtons[static_cast<size_t>(side)].data(), 10);
}

void CHighScreen::DrawSubstitutions() {
    Surface* s = m_pPerformance.get();
    DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kHome), 20, 39);
    DrawShadowText(1, TA_LEFT, s, LoadString(hstext::kAway), 20, 149);
    for (int side = 0; side < 2; ++side) {
        const int count = side == 0 ? m_pMatchPlay->GetHomeSubstitutesUsed() : m_pMatchPlay->GetAwaySubstitutesUsed();
        for (int i = 0; i < count; ++i) {
            std::string line;
            if (side == 0)
                m_pMatchPlay->GetHomeSubstitutionText(line, i);
            else
                m_pMatchPlay->GetAwaySubstitutionText(line, i);
            DrawColourText(3, TA_LEFT, s, line, 20, (side == 0 ? 60 : 170) + 18 * i, 255, 255, 255);
        }
    }
}

void CHighScreen::PressPerformancePanel(int x, int y) {
    m_bDirty[kPerformance] = 1;
    if (m_nChoiceState != 0) return;
    const bool inPlay = m_nPhase >= 1 && m_nPhase <= 3;
    switch (m_nSection) {
        case 0:
            for (int side = 0; side < 2; ++side) {
                auto& set = m_SwitchButtons[static_cast<size_t>(side)];
                const int hit = HitTestSurfaceButtons(set.data(), 5, x, y, false);
                if (hit >= 0) {
                    m_bPowerSwitch[static_cast<size_t>(side)][static_cast<size_t>(hit)] =
                        static_cast<uint8_t>(set[static_cast<size_t>(hit)].state ? 1 : 0);
                    return;
                }
            }
            return;
        case 5: {
            if (y < 30 && m_bBothHuman) {
                m_nFormationSide = x >= 183 ? 1 : 0;
                return;
            }
            if (!inPlay) return;
            const int side = m_nFormationSide & 1;
            const size_t sd = static_cast<size_t>(side);
            // Only a human side changes its formation.
            if (!IsHumanSide(side)) return;
            if (m_FormationBar[sd].OnClick(x, y)) return;
            const int before = SelectedFormation(side);
            if (m_FormationTable[sd].OnClick(m_FormationBar[sd], x, y, 0, 0) == 1) {
                // The selection never empties: a click on the selected row keeps it.
                int chosen = -1;
                for (int r = 0; r < m_FormationTable[sd].rowCount; ++r)
                    if (m_FormationTable[sd].selected[static_cast<size_t>(r)] && r != before) chosen = r;
                if (chosen < 0) chosen = before;
                m_FormationTable[sd].selected.fill(0);
                m_FormationTable[sd].selected[static_cast<size_t>(chosen)] = 1;
                if (side == 0)
                    m_pMatchPlay->SetHomeFormation(chosen);
                else
                    m_pMatchPlay->SetAwayFormation(chosen);
                if (m_nCardPlayer[sd] >= 1 && m_nCardPlayer[sd] <= 10) PressInstructionButtons(side);
                m_bDirty[side == 0 ? kHomePanel : kAwayPanel] = 1;
            }
            return;
        }
        case 6: {
            if (y < 30 && m_bBothHuman) {
                m_nTacticsSide = x >= 183 ? 1 : 0;
                return;
            }
            if (!inPlay) return;
            const int side = m_nTacticsSide & 1;
            if (!IsHumanSide(side)) return;
            const bool home = side == 0;
            auto& set = m_TacticsButtons[static_cast<size_t>(side)];
            const int hit = HitTestSurfaceButtons(set.data(), 10, x, y, false);
            if (hit == 0) {
                home ? m_pMatchPlay->ToggleHomeOffsideTrap() : m_pMatchPlay->ToggleAwayOffsideTrap();
                return;
            }
            if (hit == 1) {
                home ? m_pMatchPlay->ToggleHomeOnTheBreak() : m_pMatchPlay->ToggleAwayOnTheBreak();
                return;
            }
            if (hit >= 2) {
                const int taker = (hit - 2) / 2;
                const int lowest = taker == 0 ? 1 : 2;
                int& n = m_nTakers[static_cast<size_t>(taker)];
                n = std::clamp(n + (hit % 2 == 1 ? 1 : -1), lowest, 11);
                return;
            }
            const int level = HitTestSurfaceButtons(g_LevelButtons.data(), kLevelButtons, x, y, false);
            if (level < 0) return;
            const int g = level / 5, value = LevelValue(level % 5);
            int current = 0;
            if (g == 0) current = home ? m_pMatchPlay->GetHomeAggression() : m_pMatchPlay->GetAwayAggression();
            if (g == 1) current = home ? m_pMatchPlay->GetHomeBias() : m_pMatchPlay->GetAwayBias();
            if (g == 2) current = home ? m_pMatchPlay->GetHomePassingStyle() : m_pMatchPlay->GetAwayPassingStyle();
            if (g == 0) home ? m_pMatchPlay->SetHomeAggression(value) : m_pMatchPlay->SetAwayAggression(value);
            if (g == 1) home ? m_pMatchPlay->SetHomeBias(value) : m_pMatchPlay->SetAwayBias(value);
            if (g == 2) home ? m_pMatchPlay->SetHomePassingStyle(value) : m_pMatchPlay->SetAwayPassingStyle(value);
            if (value != current) PlaySample(0, 0);
            return;
        }
        default: return;
    }
}

void CHighScreen::ReleasePerformancePanel() {
    if (m_nPhase < 1) return;
    switch (m_nSection) {
        case 5: m_FormationBar[static_cast<size_t>(m_nFormationSide & 1)].EndDrag(); break;
        case 6:
            ClearCurrentSurfaceButton();
            for (auto& set : m_TacticsButtons) ReleaseSurfaceButtons(set.data(), 10);
            // The check boxes keep the engine's bytes.
            PressLevelButtonsFor(m_nTacticsSide);
            break;
        default: return;
    }
    m_bDirty[kPerformance] = 1;
}
