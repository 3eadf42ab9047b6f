#include "screens/titlescreen.h"

#include <cstdio>
#include <variant>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/introclip.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "shell/soundengine.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr unsigned kDisclaimerText = 44001;
constexpr unsigned kClickToContinue = 34422;
constexpr int kCreditsFooterTop = 446;
constexpr unsigned kMenuTexts[3] = {21446, 21449, 10060};  // New Game, Load Game, Credits

struct CreditLine {
    int style;  // 1 a job title, 0 the names
    int start;
    unsigned text;
};
// Titles every 150 ticks from 50, names 50 ticks after each; the last title
// closes the roll.
constexpr CreditLine kCredits[] = {
    {1, 50, 44002},  {0, 100, 44003}, {1, 200, 44004},  {0, 250, 44005}, {1, 350, 44006},
    {0, 400, 44007}, {1, 500, 44008}, {0, 550, 44009},  {1, 650, 44010}, {0, 700, 44011},
    {1, 800, 44012}, {0, 850, 44013}, {1, 950, 44003},  {0, 1000, 44001}, {1, 1100, 44014},
};

CScreen* MakeTitleScreen() { return new CTitleScreen(); }

}  // namespace

CTitleScreen::CTitleScreen() { Reset(); }

CTitleScreen::CTitleScreen(int count, unsigned textId, int step) {
    Reset();
    m_nProgressCount = count;
    m_strProgressText = platform::LoadString(textId);
    m_nProgressStep = step;
}

CTitleScreen::CTitleScreen(int count, std::string text, int step) {
    Reset();
    m_nProgressCount = count;
    m_strProgressText = std::move(text);
    m_nProgressStep = step;
}

CTitleScreen::~CTitleScreen() = default;

void CTitleScreen::SetPageParams(const PageParams& params) {
    const auto* progress = std::get_if<ProgressPageParams>(&params);
    if (!progress) return;
    m_nProgressCount = progress->caption;
    m_strProgressText = progress->textId ? platform::LoadString(progress->textId) : progress->text;
    m_nProgressStep = 0;
    m_bWeekSummary = progress->flag ? 1 : 0;
}

void CTitleScreen::Reset() {
    SetBackground("gfx\\backgrounds\\34.bmp");
    m_bDirectDrawPage = 1;
    m_nTimer = 0;
    m_nIntroState = 0;
    m_bStepDone = 0;
    m_nHovered = m_nLastDrawn = -1;
    m_nCredits = 0;
    m_nProgressStep = 0;
    m_nProgressCount = 1;
    m_bWeekSummary = 0;
}

PageFactory CTitleScreen::GetPageFactory() const { return &MakeTitleScreen; }

int CTitleScreen::MenuItemAt(int x, int y) {
    if (x < 432 || x > 752) return -1;
    if (y >= 28 && y <= 91) return 0;
    if (y >= 100 && y <= 163) return 1;
    if (y >= 172 && y <= 235) return 2;
    return -1;
}

int CTitleScreen::CreditLineY(int start, int counter) {
    if (counter < start || counter >= start + 400) return -1;
    return start - counter + 500;
}

void CTitleScreen::LoadPictures() {
    const char* picture = nullptr;
    switch (m_nScreen) {
        case 115: picture = "gfx\\backgrounds\\titlescreen.bmp"; break;
        case 112: picture = "gfx\\backgrounds\\titlescreen.bmp"; break;
        case 79: picture = "gfx\\backgrounds\\countryselectioneurope.BMP"; break;
        case 59: picture = "gfx\\backgrounds\\creditscreen.bmp"; break;
        case 91: picture = "gfx\\backgrounds\\92.bmp"; break;
        default:
            if (m_bWeekSummary)
                picture = ManagerEmployed() ? "gfx\\backgrounds\\progress.bmp" : "gfx\\backgrounds\\loadsave.bmp";
            else
                picture = g_SetupState.saving ? "gfx\\backgrounds\\loadsave.bmp" : "gfx\\backgrounds\\loadsave2.bmp";
            break;
    }
    m_strPicture = picture;
    if (BuildSurfaceFromBitmap(picture, m_pPicture) != 0 || !m_pPicture)
        m_pPicture = std::make_unique<Surface>(kWidth, kHeight);
    CreateFonts(m_pPicture.get());
    CopySurface(m_pPicture.get(), m_pWork);
}

void CTitleScreen::Initialise() {
    m_nScreen = g_nScreenId;
    BuildScreen(m_nScreen);
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    LoadPictures();
    if (m_nScreen == 79) SetUpCountryPage();
    if (m_nScreen == 112) m_nProgressCount = 7;
    if (m_nScreen == 114 && m_bWeekSummary)
        if (CWorldData* world = GetWorldData()) UpdateWeekSummary(*world);
    m_nTimer = StartPageTimer(kPageTimer, kTickMs);
}

void CTitleScreen::Close() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    StopVideo();
    m_pPicture.reset();
    m_pWork.reset();
    for (auto& map : m_pMaps) map.reset();
    m_pFlags.reset();
    m_pFlagsLo.reset();
    DeleteFonts();
    // After a run of days the tree shows the new state of the world.
    if (m_nScreen == 114 && g_SetupState.gameData != kGameDataNone)
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) manager->RefreshTree(0);
    CScreensInfo::Close();
}

void CTitleScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    DrawPage();
}

void CTitleScreen::DrawTitleMenu() {
    CopySurface(m_pPicture.get(), m_pWork);
    for (int i = 0; i < 3; ++i) {
        const int y = 28 + 72 * i + 16;
        if (i == m_nHovered)
            DrawColourText(2, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(kMenuTexts[i]), 592, y,
                           255, 214, 90);
        else
            DrawShadowText(2, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(kMenuTexts[i]), 592, y);
    }
    DrawColourText(4, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(kDisclaimerText), 394, 518, 210,
                   210, 210);
    m_nLastDrawn = m_nHovered;
}

void CTitleScreen::DrawCredits() {
    CopySurface(m_pPicture.get(), m_pWork);
    for (const CreditLine& line : kCredits) {
        const int y = CreditLineY(line.start, m_nCredits);
        if (y < 0) continue;
        if (line.style == 1)
            DrawColourText(4, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(line.text), 400, y, 0, 64,
                           192);
        else
            DrawColourText(4, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(line.text), 400, y, 0,
                           128, 255);
    }
    // The lines rise from under "Click to continue": below its top they are
    // hidden, so no line is ever read through it.
    CopySurfaceRect(0, kCreditsFooterTop, kWidth, kHeight, m_pPicture.get(), m_pWork.get());
    DrawColourText(4, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(kClickToContinue), 400, 450, 128,
                   64, 0);
}

void CTitleScreen::DrawPage() {
    if (!m_pPicture || !IsAlive()) return;
    switch (m_nScreen) {
        case 91: DrawTitleMenu(); break;
        case 59:
            DrawCredits();
            if (m_bDrawnOnce) {
                BlitSurfaceRectToScreen(m_pWork.get(), 0, 90, kWidth, 420);
                ++m_nDraws;
                return;
            }
            m_bDrawnOnce = 1;
            break;
        case 115: CopySurface(m_pPicture.get(), m_pWork); break;
        case 79: DrawCountryPage(); break;
        case 112: DrawInitialisePage(); return;
        default: DrawProgress(); return;
    }
    BlitSurfaceToScreen(m_pWork.get(), 0, 0);
    ++m_nDraws;
}

bool CTitleScreen::ManagerEmployed() const {
    // No user, or no user list while the world is reset, counts as out of work.
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    return user && user->HasManager() && user->IsEmployed();
}

int CTitleScreen::ProgressBarWidth(int full, int step, int count) {
    if (step <= 0) return 0;
    if (count <= 1 || step >= count - 1) return full;
    return full * step / (count - 1);
}

CTitleScreen::BarLayout CTitleScreen::GetBarLayout() const {
    const bool employed = ManagerEmployed();
    if (m_nScreen == 112) return {386, 301, 379, 26};
    if (m_bWeekSummary && employed) return {45, 390, 497, 28};
    if ((m_bWeekSummary && !employed) || g_SetupState.saving) return {301, 392, 267, 31};
    return {48, 428, 377, 25};
}

void CTitleScreen::SetProgress(int step, int count) {
    if (step == m_nProgressStep && (count == 0 || count == m_nProgressCount)) return;
    m_nProgressStep = step;
    if (count != 0) m_nProgressCount = count;
    DrawProgress();
    // Shown now: the operation that steps the bar does not return to the loop.
    if (Window* main = Ui::Get().MainWindow()) main->UpdateNow();
    Ui::Get().PresentNow();
}

void CTitleScreen::DrawProgress() {
    if (!m_pPicture || !IsAlive()) return;
    const bool employed = ManagerEmployed();
    if (m_nScreen != 112 && !employed && !m_bFallbackBuilt) {
        if (BuildSurfaceFromBitmap("gfx\\backgrounds\\loadsave.bmp", m_pPicture) != 0 || !m_pPicture)
            m_pPicture = std::make_unique<Surface>(kWidth, kHeight);
        m_bFallbackBuilt = 1;
    }
    CopySurface(m_pPicture.get(), m_pWork);
    const BarLayout bar = GetBarLayout();
    const bool summary = m_bWeekSummary && employed;
    if (summary) {
        const WeekSummary& s = GetWeekSummary();
        std::string date;
        if (CWorldData* world = GetWorldData()) world->GetMatchTime().GetDateText(date);
        DrawShadowText(2, platform::gfx::TA_CENTER, m_pWork.get(), platform::FormatMessageId(958, {s.clubName, date}),
                       300, 34);
        static constexpr int kRows[12] = {63, 83, 103, 129, 149, 175, 201, 221, 241, 261, 281, 299};
        for (int i = 0; i < 12; ++i) {
            DrawColourText(0, platform::gfx::TA_LEFT, m_pWork.get(), s.labels[i], 40, kRows[i], 255, 255, 255);
            DrawColourText(0, platform::gfx::TA_LEFT, m_pWork.get(), s.values[i], 305, kRows[i], 255, 255, 255);
        }
        DrawShadowText(2, platform::gfx::TA_CENTER, m_pWork.get(),
                       platform::FormatMessageId(734, {m_strProgressText}), 300, 355);
    } else {
        const std::string text = m_bWeekSummary ? platform::FormatMessageId(734, {m_strProgressText}) : m_strProgressText;
        if (bar.x == 301)
            DrawShadowText(2, platform::gfx::TA_LEFT, m_pWork.get(), text, 35, 394);
        else
            DrawShadowText(2, platform::gfx::TA_CENTER, m_pWork.get(), text, 214, 378);
    }
    FillSurfaceRect(m_pWork.get(), bar.x, bar.y, bar.full + 2, bar.height + 2, 0, 0, 0);
    const int width = ProgressBarWidth(bar.full, m_nProgressStep, m_nProgressCount);
    if (width > 0) FillSurfaceRect(m_pWork.get(), bar.x + 1, bar.y + 1, width, bar.height, 254, 209, 69);
    BlitSurfaceToScreen(m_pWork.get(), 0, 0);
    ++m_nDraws;
}

void CTitleScreen::OpenTitlePage(int screen, const char* background) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return;
    g_nScreenId = screen;
    auto* page = new CTitleScreen();
    if (background) page->SetBackground(background);
    manager->SetScreen(page, true, false, true, false, false);
}

void CTitleScreen::StepIntro() {
    switch (m_nIntroState) {
        case 0: {
            DrawPage();
            std::string path;
            try {
                path = FindDataFile("SND\\intro.avi");
            } catch (const DataFileError& e) {
                Ui::Get().MessageBox(e.what(), "Vantorel 2000", 0);
                Ui::Get().PostQuitMessage(1);
                if (m_nTimer) KillTimer(m_nTimer);
                m_nTimer = 0;
                return;
            }
            std::string why;
            auto clip = CIntroClip::ReadFile(path, &why);
            if (!clip)
                platform::TraceF("Intro: %s cannot be played (%s); skipped\n", path.c_str(), why.c_str());
            else if (!PlayVideo(path, std::move(clip)))
                platform::TraceF("Intro: %s did not start; skipped\n", path.c_str());
            m_nIntroState = 1;
            break;
        }
        case 1:
            if (!CheckVideoFinished()) break;
            if (BuildSurfaceFromBitmap("gfx\\backgrounds\\blank.bmp", m_pPicture) != 0 || !m_pPicture)
                m_pPicture = std::make_unique<Surface>(kWidth, kHeight);
            m_nIntroState = 2;
            break;
        case 2:
            if (Window* main = Ui::Get().MainWindow()) main->Invalidate();
            DrawPage();
            StartDirectSound();
            for (int i = 0; i < 20; ++i)
                LoadSample(i, (std::string("SND\\GEN\\") + kInterfaceSampleNames[i] + ".wav").c_str());
            m_nIntroState = 3;
            break;
        case 3:
            m_nIntroState = 4;
            OpenTitlePage(91, "gfx\\backgrounds\\92.bmp");
            break;
        default: break;
    }
}

void CTitleScreen::OnTimerTick(uint32_t id) {
    if (id != kPageTimer) {
        CScreensInfo::OnTimerTick(id);
        return;
    }
    g_SetupState.busy = 0;
    switch (m_nScreen) {
        case 115: StepIntro(); break;
        case 112: StepInitialise(); break;
        case 59:
            m_nCredits = m_nCredits >= kCreditsWrap ? 0 : m_nCredits + 2;
            DrawPage();
            break;
        default: break;
    }
}

void CTitleScreen::OnMouseMove(uint32_t flags, Point pt) {
    CScreensInfo::OnMouseMove(flags, pt);
    if (m_nScreen == 79) {
        const SelectableCountry* entry = nullptr;
        m_nHoveredCountry =
            FlagAt(m_nMapTab == 0 ? SelectableCountry::kEurope : SelectableCountry::kWorld, pt.x, pt.y, &entry);
        if (entry) m_nNameX = entry->flagX + 22, m_nNameY = entry->flagY + 1;
        DrawPage();
        return;
    }
    if (m_nScreen != 91) return;
    m_nHovered = MenuItemAt(pt.x, pt.y);
    if (m_nHovered != m_nLastDrawn) DrawPage();
}

void CTitleScreen::OnLButtonDown(uint32_t, Point pt) { OnClick(pt); }
void CTitleScreen::OnLButtonDblClk(uint32_t, Point pt) { OnClick(pt); }

void CTitleScreen::OnLButtonUp(uint32_t flags, Point pt) {
    CScreensInfo::OnLButtonUp(flags, pt);
    if (m_nScreen != 79) return;
    ReleaseSurfaceButtons(s_ContinueButton, 1);
    ReleaseSurfaceButtons(s_EuropeGroupButtons, kEuropeGroupCount);
    ReleaseSurfaceButtons(s_WorldGroupButtons, kWorldGroupCount);
    DrawPage();
}
// No edit field is active on these pages: keys change nothing.
void CTitleScreen::OnKeyDown(uint32_t, uint32_t, intptr_t) {}
void CTitleScreen::OnChar(uint8_t, uint32_t) {}

void CTitleScreen::OnClick(Point pt) {
    switch (m_nScreen) {
        case 79: OnCountryPageClick(pt); break;
        case 115:
            if (IsVideoPlaying()) StopVideo();
            break;
        case 59: OpenTitlePage(91, "gfx\\backgrounds\\92.bmp"); break;
        case 91:
            if (m_nHovered == 2) {
                OpenTitlePage(59, nullptr);
            } else if (m_nHovered == 0) {
                OpenTitlePage(79, "gfx\\backgrounds\\data selection2.bmp");
            } else if (m_nHovered == 1) {
                std::string path = g_SetupState.loadPath;
                if (CWorldData::ChooseSavedGame(path) == 1) {
                    g_SetupState.loadPath = path;
                    g_SetupState.loadPending = 1;
                    g_SetupState.busy = 1;
                    OpenTitlePage(112, nullptr);
                }
            }
            break;
        default: break;
    }
}

void RegisterTitleScreen() { RegisterPageFactory(PageClass::Title, &MakeTitleScreen); }
