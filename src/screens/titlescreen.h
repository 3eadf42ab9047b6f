#pragma once
// The pages that draw themselves before and around a game: the opening page
// with the intro (115), the title menu (91), the credits (59), country
// selection (79), initialisation (112) and the processing page (114).
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "shell/pageparams.h"
#include "shell/screensinfo.h"
#include "shell/surfacewidgets.h"
#include "soccerclasses/selectablecountries.h"

class CWorldData;

class CTitleScreen : public CScreensInfo, public ProgressPage {
public:
    static constexpr uint32_t kPageTimer = 2;
    static constexpr uint32_t kTickMs = 55;
    static constexpr int kCreditsWrap = 1500;

    CTitleScreen();
    // The processing page: a bar of `count` steps with its text.
    CTitleScreen(int count, unsigned textId, int step);
    CTitleScreen(int count, std::string text, int step);
    ~CTitleScreen() override;

    void SetPageParams(const PageParams& params) override;
    void Initialise() override;
    void Close() override;
    void OnTimerTick(uint32_t id) override;
    PageFactory GetPageFactory() const override;

    // Draws the page and copies it to the screen.
    void DrawPage();

    // The processing page's bar: a new step (or a new count, when not 0)
    // redraws at once, inside the long operation; the same step does nothing.
    void SetProgress(int step, int count) override;
    void StepProgress() override { SetProgress(m_nProgressStep + 1, 0); }
    void DrawProgress() override;
    int GetProgressStep() const { return m_nProgressStep; }
    int GetProgressCount() const { return m_nProgressCount; }
    void SetWeekSummaryMode(bool on) { m_bWeekSummary = on ? 1 : 0; }
    // The filled width of a bar `full` wide at `step` of `count`: whole from
    // step count - 1 on (and for a count of 1), never wider than its frame.
    static int ProgressBarWidth(int full, int step, int count);
    struct BarLayout {
        int x, y, full, height;
    };
    // The bar's frame for the page as it stands: the week summary, the save
    // layout, or the load and reset layout.
    BarLayout GetBarLayout() const;

    int GetScreen() const { return m_nScreen; }
    int GetIntroState() const { return m_nIntroState; }
    int GetHoveredItem() const { return m_nHovered; }
    int GetCreditsCounter() const { return m_nCredits; }
    int GetDrawCount() const { return m_nDraws; }
    const platform::gfx::Surface* GetWork() const { return m_pWork.get(); }
    const platform::gfx::Surface* GetPicture() const { return m_pPicture.get(); }
    // The picture the page was made on.
    const std::string& GetPicturePath() const { return m_strPicture; }
    // The menu item whose box holds the point: 0 "New Game", 1 "Load Game",
    // 2 "Credits", -1 none.
    static int MenuItemAt(int x, int y);
    // The credit line with start tick s shows while s <= counter < s + 400,
    // at y = s - counter + 500; -1 while it is off the page.
    static int CreditLineY(int start, int counter);

    // Country selection (79). The group buttons: Europe "All", "None",
    // "Top 10", "Top 20"; World "All", "None".
    enum GroupButton { kGroupAll, kGroupNone, kGroupTop10, kGroupTop20 };
    static constexpr int kEuropeGroupCount = 4;
    static constexpr int kWorldGroupCount = 2;
    static constexpr int kFlagWidth = 18, kFlagHeight = 14;
    static SurfaceButton s_ContinueButton[1];
    static SurfaceButton s_EuropeGroupButtons[kEuropeGroupCount];
    static SurfaceButton s_WorldGroupButtons[kWorldGroupCount];
    int GetMapTab() const { return m_nMapTab; }
    int GetHoveredCountry() const { return m_nHoveredCountry; }
    bool IsContinueEnabled() const { return !(s_ContinueButton[0].flags & kSbDisabled); }
    // The id of the last flag of `map` strictly holding the point, or -1;
    // `entry` gets its table entry.
    static int FlagAt(SelectableCountry::Map map, int x, int y, const SelectableCountry** entry = nullptr);
    // Clears all 255 bytes, then selects the default 27.
    static void SetDefaultCountrySelection(CWorldData& world);
    // Chooses a map's countries by a group button: cleared first, then the
    // button's group.
    static void ApplyGroupButton(CWorldData& world, SelectableCountry::Map map, int button);
    static int CountSelectedCountries(const CWorldData& world);

    // The week summary of the processing page, kept for one date, user slot
    // and club at a time.
    struct WeekSummary {
        bool valid = false;
        int64_t date = 0;
        int slot = -1;
        int club = -1;
        std::string clubName;
        std::string labels[12];
        std::string values[12];
    };
    static WeekSummary& GetWeekSummary();
    // The weekly result's line: its label (848 a profit, 849 a loss, a
    // result of 0 included) and the amount shown (a loss without its sign,
    // cut to whole units).
    static std::pair<unsigned, double> WeeklyResultLine(double net);
    // Fills the summary from the current user's club unless it already
    // holds that date, slot and club; false when no employed user.
    static bool UpdateWeekSummary(CWorldData& world);

protected:
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    void OnChar(uint8_t ch, uint32_t repeatCount) override;

private:
    void Reset();
    void LoadPictures();
    void OnClick(platform::win::Point pt);
    void SetUpCountryPage();
    void DrawCountryPage();
    void OnCountryPageClick(platform::win::Point pt);
    void UpdateContinueButton();
    void StepInitialise();
    void FinishInitialise();
    void DrawInitialisePage();
    void StepIntro();
    // Shows a new title-class page as `screen`, full page and not recorded.
    void OpenTitlePage(int screen, const char* background);
    void DrawTitleMenu();
    void DrawCredits();
    bool ManagerEmployed() const;

    int m_nScreen = -1;  // the row it was built as
    uint32_t m_nTimer = 0;
    int m_nIntroState = 0;
    uint8_t m_bStepDone = 0;
    std::unique_ptr<platform::gfx::Surface> m_pPicture;  // the page's picture
    std::string m_strPicture;
    std::unique_ptr<platform::gfx::Surface> m_pWork;     // the page as drawn
    int m_nHovered = -1;
    int m_nLastDrawn = -1;
    int m_nCredits = 0;
    uint8_t m_bDrawnOnce = 0;
    int m_nDraws = 0;
    int m_nProgressStep = 0;
    int m_nProgressCount = 1;
    std::string m_strProgressText;
    uint8_t m_bWeekSummary = 0;
    uint8_t m_bFallbackBuilt = 0;
    // Country selection.
    int m_nMapTab = 0;  // 0 Europe, 1 World
    int m_nHoveredCountry = -1;
    int m_nNameX = 0, m_nNameY = 0;
    std::unique_ptr<platform::gfx::Surface> m_pMaps[2];
    std::unique_ptr<platform::gfx::Surface> m_pFlags, m_pFlagsLo;
};

void RegisterTitleScreen();
