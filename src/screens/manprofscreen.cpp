#include "screens/manprofscreen.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "screens/pages.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::Surface;

namespace {

constexpr unsigned kProfTitle = 10096;        // "Manager Profile"
constexpr unsigned kProfAge = 21475, kProfNationality = 21476, kProfRating = 45092;
constexpr unsigned kProfProfitLoss = 401;     // "Profit / Loss"
constexpr unsigned kProfXTitle = 50109;       // "Last 10 matches"
// Ours.
constexpr unsigned kProfCurrentClub = 53600, kProfPreviousClub = 53601, kProfContract = 53602;
constexpr unsigned kProfGraphTab = 53603, kProfFinancesTab = 53604;
constexpr unsigned kProfSalary = 53605, kProfIncome = 53606, kProfOutgoings = 53607, kProfBalance = 53608;
constexpr unsigned kProfLifestyle = 53609;

constexpr int kProfHouse[10] = {1, 1, 2, 2, 3, 3, 3, 4, 5, 5};
constexpr int kProfCar[10] = {1, 2, 2, 3, 3, 3, 4, 4, 5, 6};
constexpr int kProfLifestyleX = 431, kProfLifestyleY = 306;
constexpr int kProfTabTop = 244, kProfTabBottom = 267;

CScreen* MakeManProfScreen() { return new CManProfScreen(); }

int ProfLevel(int level) { return std::clamp(level, 0, 9); }

}  // namespace

void RegisterManProfScreen() { RegisterPageFactory(PageClass::ManProf, &MakeManProfScreen); }

PageFactory CManProfScreen::GetPageFactory() const { return &MakeManProfScreen; }

CManProfScreen::CManProfScreen() {
    m_bDirectDrawPage = 1;
    SetBackground("gfx\\backgrounds\\96a.bmp");
    SetTitle(platform::LoadString(kProfTitle));
    if (CWorldData* world = GetWorldData()) {
        m_pUser = world->GetCurrentUser();
        m_pClub = world->GetCurrentClub();
        m_pDivision = m_pClub ? m_pClub->GetDivision() : nullptr;
    }
}

CManProfScreen::~CManProfScreen() = default;

int CManProfScreen::HouseNumber(int level) { return kProfHouse[ProfLevel(level)]; }
int CManProfScreen::CarNumber(int level) { return kProfCar[ProfLevel(level)]; }

std::vector<int> CManProfScreen::GraphValues(const CHumanManager& user) {
    const auto& history = user.GetWageHistory();
    const int count = std::clamp(static_cast<int>(user.GetWeeks()), 0, static_cast<int>(history.size()));
    return std::vector<int>(history.begin(), history.begin() + count);
}

std::vector<platform::gfx::Point> CManProfScreen::PlotPoints(const std::vector<int>& values) {
    std::vector<platform::gfx::Point> pts;
    // A rating is plotted on the grid's own scale: 100 on its top line.
    for (size_t i = 0; i < values.size() && i < size_t(kXPositions); ++i)
        pts.push_back({kOriginX + static_cast<int>(static_cast<double>(i) * kXStep),
                       kOriginY - static_cast<int>(values[i] * kYStep / 10.0)});
    return pts;
}

void CManProfScreen::Initialise() {
    BuildScreen(kPage);
    if (m_timer) KillTimer(m_timer), m_timer = 0;
    BuildPictures();
    CreateFonts(m_pWork.get());
    // Without a timer the page cannot run: StartPageTimer says so and ends.
    m_timer = StartPageTimer(kTickTimer, kTickMs);
}

void CManProfScreen::BuildPictures() {
    if (BuildSurfaceFromBitmap("gfx\\backgrounds\\96a.bmp", m_pFinanceBack) != 0 || !m_pFinanceBack)
        m_pFinanceBack = std::make_unique<Surface>(kWidth, kHeight);
    if (BuildSurfaceFromBitmap("gfx\\backgrounds\\96b.bmp", m_pGraphBack) != 0 || !m_pGraphBack)
        CopySurface(m_pFinanceBack.get(), m_pGraphBack);
    CopySurface(m_pFinanceBack.get(), m_pWork);
    const CManager* manager = m_pUser ? m_pUser->GetManager() : nullptr;
    if (manager) BuildManagerFaceSurface(0, manager, m_pFace);
    BuildLifestyle();
    m_pKit.reset();
    if (m_pClub && m_pUser && m_pUser->IsEmployed()) BuildKitSurface(m_pKit, kKitFull, m_pClub->GetHomeKit());
}

void CManProfScreen::BuildLifestyle() {
    m_pLifestyle.reset();
    if (BuildSurfaceFromBitmap("gfx\\buttons\\profile-back.bmp", m_pLifestyle) != 0 || !m_pLifestyle) return;
    const int level = m_pUser ? m_pUser->GetWealthLevel() : 0;
    for (const std::string& path :
         {platform::StrPrintf("gfx\\buttons\\house%02d.bmp", HouseNumber(level)),
          platform::StrPrintf("gfx\\buttons\\car%02d.bmp", CarNumber(level))}) {
        std::unique_ptr<Surface> picture;
        if (BuildSurfaceFromBitmap(path, picture) == 0 && picture)
            BlitSurfaceKeyedAt(0, 0, picture.get(), m_pLifestyle.get());
    }
}

void CManProfScreen::Close() {
    if (m_timer) KillTimer(m_timer), m_timer = 0;
    DeleteFonts();
    m_pFinanceBack.reset();
    m_pGraphBack.reset();
    m_pWork.reset();
    m_pKit.reset();
    m_pFace.reset();
    m_pLifestyle.reset();
    CScreensInfo::Close();
}

void CManProfScreen::OnTimerTick(uint32_t id) {
    if (id == kTickTimer) {
        if (StepToolTip()) Compose();
        return;
    }
    CScreensInfo::OnTimerTick(id);
}

bool CManProfScreen::GetToolTipText(int /*index*/, std::string& text) {
    text.clear();
    return true;
}

int CManProfScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CManProfScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

// --- the texts ----------------------------------------------------------------

std::vector<std::pair<std::string, std::string>> CManProfScreen::DetailRows() const {
    std::vector<std::pair<std::string, std::string>> rows;
    const CHumanManager* u = m_pUser;
    const std::string rating = u ? std::to_string(static_cast<int>(u->GetManagerRating())) + "%" : std::string();
    rows.push_back({platform::LoadString(kProfAge), u ? u->GetAgeText() : std::string()});
    rows.push_back({platform::LoadString(kProfRating), rating});
    rows.push_back({platform::LoadString(kProfNationality), u ? u->GetNationalityName() : std::string()});
    rows.push_back({platform::LoadString(kProfCurrentClub), u ? u->GetClubName() : std::string()});
    rows.push_back({platform::LoadString(kProfPreviousClub), u ? u->GetPreviousClubName() : std::string()});
    rows.push_back({platform::LoadString(kProfContract), u ? u->GetContractYearsText() : std::string()});
    return rows;
}

std::vector<std::pair<std::string, std::string>> CManProfScreen::FinanceRows() const {
    const CHumanManager* u = m_pUser;
    const bool employed = u && u->IsEmployed();
    return {
        {platform::LoadString(kProfSalary), employed ? u->GetMoneyText2() : std::string("-")},
        {platform::LoadString(kProfIncome), u ? u->GetMoneyText1() : std::string()},
        {platform::LoadString(kProfOutgoings), u ? u->GetMoneyText3() : std::string()},
        {platform::LoadString(kProfProfitLoss), u ? u->GetMoneyText4() : std::string()},
        {platform::LoadString(kProfBalance), u ? u->GetMoneyText5() : std::string()},
    };
}

// --- the mouse ------------------------------------------------------------------

bool CManProfScreen::ClickTabs(int x, int y) {
    if (y < kProfTabTop || y > kProfTabBottom) return false;
    if (x >= 83 && x <= 300) m_nMode = kGraphMode;
    if (x >= 301 && x <= 574) m_nMode = kFinancesMode;
    Compose();
    return true;
}

void CManProfScreen::OnLButtonDown(uint32_t flags, Point pt) {
    ClickTabs(pt.x, pt.y);
    CScreensInfo::OnLButtonDown(flags, pt);
}

void CManProfScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    ClickTabs(pt.x, pt.y);
    CScreensInfo::OnLButtonDblClk(flags, pt);
}

void CManProfScreen::OnRButtonDown(uint32_t flags, Point pt) {
    if (!(flags & MK_LBUTTON)) ShowContextMenu(kPage, pt.x, pt.y, 0);
    CScreensInfo::OnRButtonDown(flags, pt);
}

// --- drawing ----------------------------------------------------------------------

void CManProfScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Compose();
}

void CManProfScreen::Compose() {
    Surface* work = m_pWork.get();
    Surface* back = m_nMode == kGraphMode ? m_pGraphBack.get() : m_pFinanceBack.get();
    if (!work || !back || !IsAlive()) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, back, work);
    if (m_pKit) BlitSurfaceKeyed(524, 31, 48, 48, m_pKit.get(), work);
    DrawDetails(work);
    if (m_pFace) BlitSurfaceKeyedAt(34, 114, m_pFace.get(), work);
    const bool graph = m_nMode == kGraphMode;
    DrawColourText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kProfGraphTab), 87, 250, graph ? 255 : 128,
                   graph ? 255 : 128, graph ? 255 : 128);
    DrawColourText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kProfFinancesTab), 340, 250,
                   graph ? 128 : 255, graph ? 128 : 255, graph ? 128 : 255);
    if (graph)
        DrawGraph(work);
    else
        DrawFinances(work);
    DrawToolTip(work);
    BlitSurfaceToScreen(work, 0, 0);
}

void CManProfScreen::DrawDetails(Surface* work) {
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kProfTitle), 32, 22);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, m_pUser ? m_pUser->GetManagerName() : std::string(), 32, 61);
    const auto rows = DetailRows();
    // Age and rating share the first line; the rest stand one under another.
    DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[0].first, 154, 117);
    DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[0].second, 305, 117);
    DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[1].first, 369, 117);
    DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[1].second, 518, 117);
    constexpr int kRowY[4] = {142, 167, 192, 216};
    for (size_t i = 2; i < rows.size(); ++i) {
        DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[i].first, 152, kRowY[i - 2]);
        DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[i].second, 369, kRowY[i - 2]);
    }
}

void CManProfScreen::DrawGraph(Surface* work) {
    for (int i = 0; i < 10; ++i)
        DrawColourText(3, platform::gfx::TA_RIGHT, work, std::to_string((i + 1) * 10), 69,
                       kOriginY - static_cast<int>(i * kYStep + 15), 255, 255, 255);
    DrawColourText(3, platform::gfx::TA_LEFT, work, platform::LoadString(kProfXTitle), 323, 430, 255, 255, 255);
    for (int i = 0; i < kXPositions; ++i)
        DrawColourText(3, platform::gfx::TA_CENTER, work, std::to_string(i + 1),
                       kOriginX + static_cast<int>(i * kXStep), 418, 255, 255, 255);
    Canvas dc(*work);
    const int right = kOriginX + static_cast<int>((kXPositions - 1) * kXStep);
    const int top = kOriginY - static_cast<int>(10 * kYStep);
    dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(192, 192, 192), 1));
    for (int i = 0; i < kXPositions; ++i) {
        const int x = kOriginX + static_cast<int>(i * kXStep);
        dc.MoveTo(x, kOriginY);
        dc.LineTo(x, top);
    }
    for (int j = 0; j <= 10; ++j) {
        const int y = kOriginY - static_cast<int>(j * kYStep);
        dc.MoveTo(kOriginX, y);
        dc.LineTo(right, y);
    }
    if (m_pUser) {
        std::vector<platform::gfx::Point> pts = PlotPoints(GraphValues(*m_pUser));
        if (!pts.empty()) {
            if (pts.size() == 1) pts.push_back(pts[0]);
            dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(255, 0, 255), 2));
            dc.Polyline(pts);
        }
    }
    dc.SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(0, 0, 0), 3));
    dc.MoveTo(kOriginX, kOriginY);
    dc.LineTo(kOriginX, top);
    dc.MoveTo(kOriginX, kOriginY);
    dc.LineTo(right, kOriginY);
}

void CManProfScreen::DrawFinances(Surface* work) {
    const auto rows = FinanceRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const int y = 280 + static_cast<int>(i) * 34;
        DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[i].first, 87, y);
        DrawShadowText(2, platform::gfx::TA_LEFT, work, rows[i].second, 268, y);
    }
    DrawShadowText(2, platform::gfx::TA_LEFT, work, platform::LoadString(kProfLifestyle), 436, 278);
    if (m_pLifestyle) BlitSurfaceKeyedAt(kProfLifestyleX, kProfLifestyleY, m_pLifestyle.get(), work);
}
