#include "screens/graphscreen.h"

#include <algorithm>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/worlddata.h"
#include "ui/tree.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::ColourRef;
using platform::gfx::Surface;

namespace {

constexpr unsigned kAttendanceTitle = 21530;  // "Attendance Graph"
constexpr unsigned kLeagueTitle = 21532;      // "League Graph"
constexpr unsigned kAccountsTitle = 23321;    // "Accounts Chart"
// Ours.
constexpr unsigned kClearText = 50100, kClearTip = 50101, kWeeklyTip = 50102, kSeasonTip = 50103;
constexpr unsigned kAttendanceAxis = 50104, kPositionAxis = 50105, kIncome = 50106, kExpenditure = 50107;
constexpr unsigned kLeaguePosition = 50108, kXTitle = 50109, kWeekEnding = 50110;
constexpr unsigned kWeeklyText = 29009, kSeasonText = 21714;
constexpr int kMaxAttendanceColumns = 23;
constexpr int kAttendanceSteps = 20, kAttendanceStepHeight = 13;
constexpr double kPlotWidth = 464, kPlotHeight = 260;
constexpr double kTipDistance = 8.0;

constexpr ColourRef kClubColours[21] = {
    platform::gfx::RGB(50, 50, 50),    platform::gfx::RGB(110, 140, 140), platform::gfx::RGB(0, 130, 45),
    platform::gfx::RGB(0, 170, 0),     platform::gfx::RGB(255, 255, 0),   platform::gfx::RGB(255, 190, 10),
    platform::gfx::RGB(255, 130, 10),  platform::gfx::RGB(255, 0, 0),     platform::gfx::RGB(215, 10, 0),
    platform::gfx::RGB(230, 0, 185),   platform::gfx::RGB(10, 70, 160),   platform::gfx::RGB(0, 0, 255),
    platform::gfx::RGB(90, 150, 250),  platform::gfx::RGB(0, 196, 196),   platform::gfx::RGB(254, 245, 200),
    platform::gfx::RGB(255, 255, 255), platform::gfx::RGB(192, 192, 192), platform::gfx::RGB(142, 255, 159),
    platform::gfx::RGB(255, 255, 128), platform::gfx::RGB(131, 179, 255), platform::gfx::RGB(255, 205, 132),
};

constexpr ColourRef kSliceColours[18] = {
    platform::gfx::RGB(255, 0, 0),     platform::gfx::RGB(255, 0, 240),   platform::gfx::RGB(0, 255, 0),
    platform::gfx::RGB(18, 0, 255),    platform::gfx::RGB(80, 225, 255),  platform::gfx::RGB(255, 255, 0),
    platform::gfx::RGB(255, 115, 0),   platform::gfx::RGB(255, 174, 1),   platform::gfx::RGB(255, 0, 133),
    platform::gfx::RGB(163, 255, 0),   platform::gfx::RGB(190, 190, 190), platform::gfx::RGB(128, 128, 128),
    platform::gfx::RGB(172, 162, 132), platform::gfx::RGB(255, 255, 255), platform::gfx::RGB(176, 0, 45),
    platform::gfx::RGB(214, 85, 119),  platform::gfx::RGB(53, 230, 160),  platform::gfx::RGB(125, 47, 213),
};

CScreen* MakeGraphScreen() { return new CGraphScreen(); }

// A league position that counts: 255 is none, and 0 is what a country not
// followed in detail keeps.
bool GraphHasPosition(const CClub& club, int game) {
    const uint8_t p = club.GetLeaguePositionAfterGame(game);
    return p != 255 && p != 0;
}

int GraphLeagueDays(const CDivision* d) { return d ? d->CountLeagueSlots() : 0; }

unsigned GraphTitle(int screen) {
    switch (screen) {
        case CGraphScreen::kAttendancePage: return kAttendanceTitle;
        case CGraphScreen::kAccountsPage: return kAccountsTitle;
        default: return kLeagueTitle;
    }
}

}  // namespace

void RegisterGraphScreen() { RegisterPageFactory(PageClass::Graph, &MakeGraphScreen); }

PageFactory CGraphScreen::GetPageFactory() const { return &MakeGraphScreen; }

CGraphScreen::CGraphScreen() {
    m_nScreen = g_nScreenId == kAttendancePage || g_nScreenId == kAccountsPage ? g_nScreenId : kLeaguePage;
    m_bDirectDrawPage = 1;
    SetBackground("gfx\\backgrounds\\34.bmp");
    SetTitle(platform::LoadString(GraphTitle(m_nScreen)));
    CWorldData* world = GetWorldData();
    m_club = world ? world->GetCurrentClub() : nullptr;
    if (m_club) {
        m_graphClubs[0] = m_club;
        m_graphClubCount = 1;
        m_graphDivision = m_club->GetDivision();
    }
}

CGraphScreen::~CGraphScreen() = default;

ColourRef CGraphScreen::ClubColour(const CClub& club) {
    const uint8_t i = club.GetHomeKit().bytes[3];
    return kClubColours[i < 21 ? i : 0];
}

ColourRef CGraphScreen::SliceColour(int slice) { return kSliceColours[size_t(std::clamp(slice, 0, 17))]; }

platform::gfx::Point CGraphScreen::LegendSquare(int k, bool income) {
    const int column = k < 7 ? 0 : 1, row = k < 7 ? k : k - 7;
    return {200 * column + 26, (income ? 144 : 287) + 16 * row};
}

void CGraphScreen::Initialise() {
    BuildScreen(m_nScreen);
    if (m_timer) KillTimer(m_timer), m_timer = 0;
    const char* background = m_nScreen == kAttendancePage ? "gfx\\backgrounds\\29.bmp"
                             : m_nScreen == kAccountsPage ? "gfx\\backgrounds\\114.bmp"
                                                          : "gfx\\backgrounds\\34.bmp";
    if (BuildSurfaceFromBitmap(background, m_pBack) != 0 || !m_pBack)
        m_pBack = std::make_unique<Surface>(kWidth, kHeight);
    CopySurface(m_pBack.get(), m_pWork);
    BuildKit();
    CreateFonts(m_pWork.get());
    SetUpButtons();
    m_timer = StartPageTimer(kTickTimer, kTickMs);
}

void CGraphScreen::Close() {
    if (m_timer) KillTimer(m_timer), m_timer = 0;
    DeleteFonts();
    for (SurfaceButton& b : m_buttons) b.released.reset(), b.pressed.reset();
    m_pWork.reset();
    m_pBack.reset();
    m_pKit.reset();
    CScreensInfo::Close();
}

void CGraphScreen::BuildKit() {
    m_pKit.reset();
    CClub* club = m_nScreen == kAccountsPage ? m_club : m_club;
    if (club) BuildKitSurface(m_pKit, kKitFull, club->GetHomeKit());
}

void CGraphScreen::SetUpButtons() {
    auto picture = [this](const std::string& path) {
        std::unique_ptr<Surface> s;
        BuildSurfaceFromBitmap(path, s);
        return std::shared_ptr<Surface>(std::move(s));
    };
    for (SurfaceButton& b : m_buttons) b = SurfaceButton{};
    SurfaceButton& clear = m_buttons[kClear];
    clear.x = 48;
    clear.y = 412;
    clear.released = picture("gfx\\match\\surfaces\\clearbutton.bmp");
    clear.pressed = picture("gfx\\match\\surfaces\\clearbuttonclicked.bmp");
    const int cw = clear.released ? clear.released->Width() : 56, ch = clear.released ? clear.released->Height() : 20;
    clear.Init(platform::LoadString(kClearText), cw / 2, ch / 2, 192, 192, 192, 255, 255, 255);
    clear.tip = platform::LoadString(kClearTip);
    clear.flags = kSbPicture | kSbCaption;
    if (m_nScreen != kLeaguePage) clear.flags |= kSbHidden | kSbDisabled;
    const auto plate = picture("gfx\\buttons\\button4_2.bmp");
    const int pw = plate ? plate->Width() : 126, ph = plate ? plate->Height() : 29;
    const struct {
        int x;
        unsigned text, tip;
    } modes[2] = {{27, kWeeklyText, kWeeklyTip}, {305, kSeasonText, kSeasonTip}};
    for (int i = 0; i < 2; ++i) {
        SurfaceButton& b = m_buttons[size_t(kWeekly + i)];
        b.x = modes[i].x;
        b.y = 405;
        b.released = b.pressed = plate;
        b.Init(platform::LoadString(modes[i].text), pw / 2, ph / 2, 192, 192, 192, 255, 255, 255);
        b.tip = platform::LoadString(modes[i].tip);
        b.flags = kSbPicture | kSbCaption;
        if (m_nScreen != kAccountsPage) b.flags |= kSbHidden | kSbDisabled;
    }
    // The mode shown is the one that cannot be chosen.
    if (m_nScreen == kAccountsPage) m_buttons[m_weekly ? kWeekly : kSeason].flags |= kSbDisabled;
}

// --- the graphs' arithmetic ---------------------------------------------------

GraphLayout CGraphScreen::LayOutAttendance() const {
    GraphLayout g;
    g.steps = kAttendanceSteps;
    g.stepHeight = kAttendanceStepHeight;
    const CDivision* d = m_club ? m_club->GetDivision() : nullptr;
    g.columns = std::min(GraphLeagueDays(d) / 2 + 1, kMaxAttendanceColumns);
    const int top = m_club ? (m_club->GetGraphScale() / 1000 + 1) * 1000 : 0;
    g.unit = top / kAttendanceSteps;
    g.values.emplace_back();
    if (g.unit == 0 || !m_club) {
        g.columns = 1;
        g.unit = 1000;
    } else {
        for (int i = 0; i < g.columns; ++i) {
            const int gate = m_club->GetGameSeries1(i);
            if (gate == 0) break;
            g.values[0].push_back(gate / g.unit);
        }
    }
    g.columnWidth = static_cast<int>(kPlotWidth) / g.columns;
    g.colours.push_back(m_club ? ClubColour(*m_club) : kClubColours[0]);
    return g;
}

GraphLayout CGraphScreen::LayOutLeague() const {
    GraphLayout g;
    const CDivision* d = m_club ? m_club->GetDivision() : nullptr;
    g.columns = std::max(1, GraphLeagueDays(d));
    g.steps = std::max(1, d ? static_cast<int>(d->GetClubCount()) : 1);
    g.columnWidth = kPlotWidth / g.columns;
    g.stepHeight = kPlotHeight / g.steps;
    if (m_graphClubCount < 1 || !m_graphClubs[0] || GraphLeagueDays(d) == 0) return g;
    while (g.points < g.columns && GraphHasPosition(*m_graphClubs[0], g.points)) ++g.points;
    for (int c = 0; c < m_graphClubCount; ++c) {
        const CClub* club = m_graphClubs[size_t(c)];
        g.values.emplace_back();
        g.colours.push_back(club ? ClubColour(*club) : kClubColours[0]);
        if (!club) continue;
        // Each line ends at its own first missing position.
        for (int i = 0; i < g.points && GraphHasPosition(*club, i); ++i)
            g.values.back().push_back(g.steps - club->GetLeaguePositionAfterGame(i));
    }
    return g;
}

std::vector<GraphPieSlice> CGraphScreen::LayOutPie(const std::vector<double>& amounts) {
    std::vector<GraphPieSlice> slices;
    double total = 0;
    for (double a : amounts) total += a;
    if (total <= 0) return slices;
    double angle = 0;
    for (size_t k = 0; k < amounts.size(); ++k) {
        const double sweep = amounts[k] / total * 360.0;
        // A sliver under a degree is not drawn and takes no room.
        if (amounts[k] <= 0 || sweep < 1.0) continue;
        slices.push_back({static_cast<int>(k), angle, sweep});
        angle += sweep;
    }
    return slices;
}

CClub* CGraphScreen::ClubNearLine(int x, int y) const {
    if (m_nScreen != kLeaguePage || m_graphClubCount < 1) return nullptr;
    if (x < kOriginX || x >= kOriginX + static_cast<int>(kPlotWidth) || y <= 154 || y > kOriginY) return nullptr;
    const GraphLayout g = LayOutLeague();
    if (g.points <= 1) return nullptr;
    const double rx = x - kOriginX, ry = kOriginY - y;
    const int i = static_cast<int>(rx / g.columnWidth);
    if (i >= g.points - 1) return nullptr;
    CClub* best = nullptr;
    double bestDistance = kTipDistance;
    for (size_t c = 0; c < g.values.size(); ++c) {
        const auto& v = g.values[c];
        if (static_cast<int>(v.size()) < i + 2) continue;
        const double y0 = v[size_t(i)] * g.stepHeight, y1 = v[size_t(i + 1)] * g.stepHeight;
        const double f = (rx - i * g.columnWidth) / g.columnWidth;
        const double distance = std::abs(y0 + (y1 - y0) * f - ry);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = m_graphClubs[c];
        }
    }
    return best;
}

// --- commands -------------------------------------------------------------------

void CGraphScreen::ClearGraph() {
    m_graphClubs.fill(nullptr);
    m_graphClubCount = 0;
    m_graphDivision = m_club ? m_club->GetDivision() : nullptr;
    Compose();
}

void CGraphScreen::SetWeekly(bool weekly) {
    m_weekly = weekly;
    m_buttons[kWeekly].flags = weekly ? m_buttons[kWeekly].flags | kSbDisabled : m_buttons[kWeekly].flags & ~kSbDisabled;
    m_buttons[kSeason].flags = weekly ? m_buttons[kSeason].flags & ~kSbDisabled : m_buttons[kSeason].flags | kSbDisabled;
    Compose();
}

void CGraphScreen::OnTreeSelect(const TreeNotice* item) {
    CScreensInfo::OnTreeSelect(item);
    if (!item || item->kind != kContextClub || !item->data || m_nScreen == kAccountsPage) return;
    CClub* club = reinterpret_cast<CClub*>(item->data);
    m_club = club;
    if (club->GetDivision() != m_graphDivision) {
        m_graphClubs.fill(nullptr);
        m_graphClubs[0] = club;
        m_graphClubCount = 1;
        m_graphDivision = club->GetDivision();
    } else if (m_graphClubCount < kMaxGraphClubs &&
               std::find(m_graphClubs.begin(), m_graphClubs.begin() + m_graphClubCount, club) ==
                   m_graphClubs.begin() + m_graphClubCount) {
        m_graphClubs[size_t(m_graphClubCount++)] = club;
    }
    BuildKit();
    Compose();
}

// --- drawing ----------------------------------------------------------------------

void CGraphScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Compose();
}

void CGraphScreen::Compose() {
    Surface* work = m_pWork.get();
    if (!work || !m_pBack || !IsAlive()) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, m_pBack.get(), work);
    if (m_pKit) BlitSurfaceKeyed(524, 31, 48, 48, m_pKit.get(), work);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(GraphTitle(m_nScreen)), 32, 22);
    if (m_nScreen == kAccountsPage) {
        CWorldData* w = GetWorldData();
        std::string ending = CClub::AccountsDate();
        if (ending.empty() && w) ending = w->GetDateText();
        DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::FormatMessageId(kWeekEnding, {ending}), 32, 61);
        DrawAccounts(work);
    } else {
        if (m_club) DrawShadowText(4, platform::gfx::TA_LEFT, work, m_club->GetName(), 32, 61);
        if (m_nScreen == kAttendancePage)
            DrawAttendance(work);
        else
            DrawLeague(work);
    }
    DrawSurfaceButtons(work, m_buttons.data(), static_cast<int>(m_buttons.size()));
    DrawToolTip(work);
    BlitSurfaceToScreen(work, 0, 0);
}

void CGraphScreen::DrawFrame(Surface* work, const GraphLayout& g, unsigned yTitle, const std::vector<std::string>& yLabels,
                             const std::vector<int>& labelY) {
    DrawColourText(3, platform::gfx::TA_LEFT, work, platform::LoadString(yTitle), 80, 134, 255, 255, 255);
    for (size_t k = 0; k < yLabels.size(); ++k)
        DrawColourText(3, platform::gfx::TA_RIGHT, work, yLabels[k], 66, labelY[k], 255, 255, 255);
    for (int i = 1; i < g.columns; i += 2)
        DrawColourText(3, platform::gfx::TA_CENTER, work, std::to_string(i + 1),
                       kOriginX + static_cast<int>(i * g.columnWidth), 418, 255, 255, 255);
    DrawColourText(3, platform::gfx::TA_CENTER, work, platform::LoadString(kXTitle), 302, 432, 255, 255, 255);
    Canvas dc(*work);
    const int right = kOriginX + static_cast<int>(g.columns * g.columnWidth);
    const int top = kOriginY - static_cast<int>(g.steps * g.stepHeight);
    dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(192, 192, 192), 1));
    for (int i = 0; i <= g.columns; ++i) {
        const int x = kOriginX + static_cast<int>(i * g.columnWidth);
        dc.MoveTo(x, kOriginY);
        dc.LineTo(x, top);
    }
    for (int k = 0; k <= g.steps; ++k) {
        const int y = kOriginY - static_cast<int>(k * g.stepHeight);
        dc.MoveTo(kOriginX, y);
        dc.LineTo(right, y);
    }
}

void CGraphScreen::DrawAttendance(Surface* work) {
    const GraphLayout g = LayOutAttendance();
    std::vector<std::string> labels;
    std::vector<int> at;
    for (int k = 0; k <= kAttendanceSteps; ++k) {
        labels.push_back(std::to_string(k * g.unit));
        at.push_back(kOriginY - (kAttendanceStepHeight * k + 6));
    }
    DrawFrame(work, g, kAttendanceAxis, labels, at);
    Canvas dc(*work);
    const int w = static_cast<int>(g.columnWidth);
    for (size_t i = 0; i < g.values[0].size(); ++i) {
        const int h = g.values[0][i] * kAttendanceStepHeight;
        if (h <= 0) continue;
        const int x = kOriginX + static_cast<int>(i) * w;
        dc.FillSolidRect(Rect{x, kOriginY - h, x + w + 1, kOriginY}, platform::gfx::RGB(0, 0, 0));
        dc.FillSolidRect(Rect{x + 1, kOriginY + 1 - h, x + w - 1, kOriginY}, g.colours[0]);
    }
    dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(0, 0, 0), 3));
    dc.MoveTo(kOriginX, kOriginY - g.steps * kAttendanceStepHeight);
    dc.LineTo(kOriginX, kOriginY);
    dc.LineTo(kOriginX + g.columns * w, kOriginY);
}

void CGraphScreen::DrawLeague(Surface* work) {
    const GraphLayout g = LayOutLeague();
    std::vector<std::string> labels;
    std::vector<int> at;
    for (int k = 0; k < g.steps; ++k) {
        labels.push_back(std::to_string(g.steps - k));
        at.push_back(kOriginY - static_cast<int>(20 + k * g.stepHeight));
    }
    DrawFrame(work, g, kPositionAxis, labels, at);
    Canvas dc(*work);
    for (size_t c = 0; c < g.values.size(); ++c) {
        const auto& v = g.values[c];
        if (v.empty()) continue;
        dc.SelectPen(platform::gfx::Pen::Solid(g.colours[c], 2));
        std::vector<platform::gfx::Point> pts;
        for (size_t i = 0; i < v.size(); ++i)
            pts.push_back({kOriginX + static_cast<int>(i * g.columnWidth),
                           kOriginY - static_cast<int>(v[i] * g.stepHeight)});
        if (pts.size() == 1) pts.push_back(pts[0]);
        dc.Polyline(pts);
    }
    dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(0, 0, 0), 3));
    dc.MoveTo(kOriginX, kOriginY - static_cast<int>(g.steps * g.stepHeight));
    dc.LineTo(kOriginX, kOriginY);
    dc.LineTo(kOriginX + static_cast<int>(g.columns * g.columnWidth), kOriginY);
}

void CGraphScreen::DrawPie(Surface* work, int cx, int cy, const std::vector<double>& amounts, int firstSlice) {
    constexpr int kRadius = 58;
    Canvas dc(*work);
    const Rect box{cx - kRadius, cy - kRadius, cx + kRadius, cy + kRadius};
    const auto slices = LayOutPie(amounts);
    dc.SelectPen(platform::gfx::Pen::None());
    if (slices.empty()) {
        dc.SelectBrush(platform::gfx::Brush::Solid(platform::gfx::RGB(0, 0, 0)));
        dc.Ellipse(box);
        return;
    }
    auto at = [&](double degrees) {
        const double a = degrees * M_PI / 180.0;
        return platform::gfx::Point{cx + static_cast<int>(std::lround(kRadius * std::cos(a))),
                                    cy + static_cast<int>(std::lround(kRadius * std::sin(a)))};
    };
    for (const GraphPieSlice& s : slices) {
        dc.SelectBrush(platform::gfx::Brush::Solid(SliceColour(firstSlice + s.item)));
        if (s.sweep >= 359.999) {
            dc.Ellipse(box);
            continue;
        }
        // Clockwise on the screen from start to end is counter-clockwise
        // from the end's radial to the start's.
        dc.Pie(box, at(s.start + s.sweep), at(s.start));
    }
}

void CGraphScreen::DrawLegend(Surface* work, bool income, int count, int firstSlice) {
    if (!m_club) return;
    for (int k = 0; k < count; ++k) {
        const platform::gfx::Point sq = LegendSquare(k, income);
        const platform::gfx::ColourRef c = SliceColour(firstSlice + k);
        FillSurfaceRect(work, sq.x, sq.y, 10, 10, platform::gfx::GetRValue(c), platform::gfx::GetGValue(c),
                        platform::gfx::GetBValue(c));
        const uint32_t name = income ? m_club->GetIncomeItemName(k) : m_club->GetExpenditureItemName(k);
        DrawColourText(3, platform::gfx::TA_LEFT, work, platform::LoadString(name), sq.x + 19, sq.y - 2, 255, 255,
                       255);
    }
}

void CGraphScreen::DrawAccounts(Surface* work) {
    DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kIncome), 28, 124);
    DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kExpenditure), 28, 265);
    const int incomeItems = m_club ? m_club->GetIncomeItemCount() : 0;
    const int expenditureItems = m_club ? m_club->GetExpenditureItemCount() : 0;
    std::vector<double> income(size_t(incomeItems), 0.0), expenditure(size_t(expenditureItems), 0.0);
    if (m_club && incomeItems > 0 && expenditureItems > 0) {
        if (m_weekly) {
            m_club->GetWeeklyIncome(income.data());
            m_club->GetWeeklyExpenditure(expenditure.data());
        } else {
            m_club->GetSeasonIncome(income.data());
            m_club->GetSeasonExpenditure(expenditure.data());
        }
    }
    DrawPie(work, 509, 186, income, 0);
    DrawPie(work, 509, 328, expenditure, incomeItems);
    DrawLegend(work, true, incomeItems, 0);
    DrawLegend(work, false, expenditureItems, incomeItems);
}

// --- input ------------------------------------------------------------------------

void CGraphScreen::OnMouseMove(uint32_t flags, Point pt) {
    if (!HoverSurfaceButtons(m_buttons.data(), static_cast<int>(m_buttons.size()), pt.x, pt.y, 100))
        if (CClub* club = ClubNearLine(pt.x, pt.y)) {
            SurfaceToolTip& tip = SurfaceWidgets().tip;
            tip.candidate = club->GetName();
            tip.candidateSource = 200 + static_cast<int>(std::find(m_graphClubs.begin(), m_graphClubs.end(), club) -
                                                         m_graphClubs.begin());
        }
    TrackToolTip(pt.x, pt.y);
    CScreensInfo::OnMouseMove(flags, pt);
}

void CGraphScreen::OnLButtonDown(uint32_t flags, Point pt) { OnLButtonDblClk(flags, pt); }

void CGraphScreen::OnLButtonDblClk(uint32_t /*flags*/, Point pt) {
    const int hit = HitTestSurfaceButtons(m_buttons.data(), static_cast<int>(m_buttons.size()), pt.x, pt.y, false);
    if (hit == kClear)
        ClearGraph();
    else if (hit == kWeekly)
        SetWeekly(true);
    else if (hit == kSeason)
        SetWeekly(false);
    else if (hit >= 0)
        Compose();
}

void CGraphScreen::OnLButtonUp(uint32_t /*flags*/, Point /*pt*/) {
    ReleaseSurfaceButtons(m_buttons.data(), static_cast<int>(m_buttons.size()));
    if (m_nScreen != kAttendancePage) Compose();
}

void CGraphScreen::OnRButtonDown(uint32_t flags, Point pt) {
    if (!(flags & MK_LBUTTON)) ShowContextMenu(m_nScreen, pt.x, pt.y, 0);
    CScreensInfo::OnRButtonDown(flags, pt);
}

void CGraphScreen::OnTimerTick(uint32_t id) {
    if (id == kTickTimer) {
        if (StepToolTip()) Compose();
        return;
    }
    CScreensInfo::OnTimerTick(id);
}

bool CGraphScreen::GetToolTipText(int /*index*/, std::string& text) {
    text.clear();
    return true;
}

// --- printing -----------------------------------------------------------------------

void CGraphScreen::GetHeadings(std::string& title, std::string& heading1, std::string& heading2,
                               std::string& heading3) {
    CWorldData* world = GetWorldData();
    title = platform::LoadString(m_nScreen == kLeaguePage ? kLeaguePosition : kAttendanceTitle);
    heading1 = m_club ? m_club->GetName() : std::string();
    heading2 = world ? world->GetDateText() : std::string();
    heading3 = m_club ? m_club->GetManagerNameOrNone() : std::string();
}

void CGraphScreen::Print(Canvas* dc, PrintInfo* /*info*/) {
    if (!dc) return;
    std::string lines[4];
    if (m_nScreen == kAccountsPage) {
        lines[0] = platform::LoadString(kAccountsTitle);
    } else {
        GetHeadings(lines[0], lines[1], lines[2], lines[3]);
    }
    BeginPrintedPage(dc, lines, 150);
    if (m_nScreen == kAccountsPage) {
        // The page's pies and legends, as they stand, under the title.
        if (m_pWork) {
            Compose();
            dc->StretchBlt(Rect{150, -500, 1950, -1756}, *m_pWork, Rect{20, 110, 580, 500});
        }
    } else {
        DrawContent(dc);
    }
    dc->RestoreDC(-1);
}

void CGraphScreen::DrawContent(Canvas* dc) {
    if (!dc) return;
    if (m_nScreen == kLeaguePage)
        DrawLeaguePrint(dc);
    else if (m_nScreen == kAttendancePage)
        DrawAttendancePrint(dc);
}

void CGraphScreen::DrawLeaguePrint(Canvas* dc) {
    const GraphLayout g = LayOutLeague();
    const double cw = 1400.0 / g.columns, sh = 1200.0 / g.steps;
    auto font = platform::gfx::Font::Create("Arial", -40, 400);
    dc->SelectFont(font);
    dc->SetTextAlign(platform::gfx::TA_RIGHT | platform::gfx::TA_TOP);
    dc->TextOut(360, -700, platform::LoadString(kPositionAxis));
    for (int k = 0; k < g.steps; ++k)
        dc->TextOut(386, -(2000 - static_cast<int>(50 + k * sh)), std::to_string(g.steps - k));
    dc->SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(128, 128, 128), 5));
    for (int i = 0; i <= g.columns; ++i) {
        dc->MoveTo(400 + static_cast<int>(i * cw), -2000);
        dc->LineTo(400 + static_cast<int>(i * cw), -800);
    }
    for (int k = 0; k <= g.steps; ++k) {
        dc->MoveTo(400, -(2000 - static_cast<int>(k * sh)));
        dc->LineTo(1800, -(2000 - static_cast<int>(k * sh)));
    }
    for (size_t c = 0; c < g.values.size(); ++c) {
        const auto& v = g.values[c];
        if (v.empty()) continue;
        dc->SelectPen(platform::gfx::Pen::Solid(g.colours[c], 7));
        std::vector<platform::gfx::Point> pts;
        for (size_t i = 0; i < v.size(); ++i)
            pts.push_back({400 + static_cast<int>(i * cw), -(2000 - static_cast<int>(v[i] * sh))});
        if (pts.size() == 1) pts.push_back(pts[0]);
        dc->Polyline(pts);
    }
    dc->SetTextAlign(platform::gfx::TA_CENTER | platform::gfx::TA_TOP);
    for (int i = 1; i < g.columns; i += 2)
        dc->TextOut(400 + static_cast<int>(i * cw), -2004, std::to_string(i + 1));
    dc->TextOut(1100, -2120, platform::LoadString(kXTitle));
}

void CGraphScreen::DrawAttendancePrint(Canvas* dc) {
    const GraphLayout g = LayOutAttendance();
    auto font = platform::gfx::Font::Create("Arial", -40, 400);
    dc->SelectFont(font);
    dc->SetTextAlign(platform::gfx::TA_RIGHT | platform::gfx::TA_TOP);
    dc->TextOut(360, -700, platform::LoadString(kAttendanceAxis));
    for (int k = 0; k <= 6; ++k) dc->TextOut(386, -(2000 - (40 + 200 * k)), std::to_string(5000 * k));
    // The page's bars in the printed frame: 0 to 30,000 over 1,200 units.
    const double cw = 1400.0 / g.columns;
    dc->SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(128, 128, 128), 5));
    dc->MoveTo(400, -800);
    dc->LineTo(400, -2000);
    dc->LineTo(1800, -2000);
    dc->SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(0, 0, 0), 3));
    dc->SelectBrush(platform::gfx::Brush::Solid(g.colours[0]));
    for (size_t i = 0; i < g.values[0].size(); ++i) {
        const int people = g.values[0][i] * g.unit;
        const int h = std::min(1200, people * 1200 / 30000);
        if (h <= 0) continue;
        const int x = 400 + static_cast<int>(i * cw);
        dc->Rectangle(Rect{x, -2000 + h, x + static_cast<int>(cw), -2000});
    }
    dc->SetTextAlign(platform::gfx::TA_CENTER | platform::gfx::TA_TOP);
    dc->TextOut(1100, -2120, platform::LoadString(kXTitle));
}
