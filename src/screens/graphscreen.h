#pragma once
// The graphs: a club's league home gates as bars (28), the league positions
// of up to 30 clubs of one division game by game (33), and the current
// club's income and expenditure as two pies (113). One class serves these
// pages; g_nScreenId at construction says which. Everything is drawn on the
// page's own surfaces.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/screensinfo.h"

class CClub;
class CDivision;

// What a line or bar graph shows: its grid and each club's values.
struct GraphLayout {
    int columns = 1;
    int steps = 1;
    double columnWidth = 464;
    double stepHeight = 13;
    int points = 0;  // the league graph's points with data (of the first club)
    int unit = 1000;  // the attendance graph's people per step
    std::vector<std::vector<int>> values;  // per graph club (one for the bars)
    std::vector<platform::gfx::ColourRef> colours;
};

// One slice of an accounts pie, in screen degrees clockwise from 3 o'clock.
struct GraphPieSlice {
    int item = 0;
    double start = 0;
    double sweep = 0;
};

class CGraphScreen : public CScreensInfo {
public:
    static constexpr int kAttendancePage = 28;
    static constexpr int kLeaguePage = 33;
    static constexpr int kAccountsPage = 113;
    static constexpr int kMaxGraphClubs = 30;
    static constexpr uint32_t kTickTimer = 2;
    static constexpr int kTickMs = 55;
    static constexpr int kOriginX = 70, kOriginY = 414;
    static constexpr int kClear = 0, kWeekly = 1, kSeason = 2;  // the surface buttons

    CGraphScreen();
    ~CGraphScreen() override;

    void Initialise() override;
    void Show() override {}
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    void OnTimerTick(uint32_t id) override;
    int HasGraph() override { return m_nScreen == kAccountsPage ? 0 : 1; }
    void GetHeadings(std::string& title, std::string& heading1, std::string& heading2,
                     std::string& heading3) override;
    void DrawContent(platform::gfx::Canvas* dc) override;
    void Print(platform::gfx::Canvas* dc, PrintInfo* info) override;
    bool GetToolTipText(int index, std::string& text) override;
    PageFactory GetPageFactory() const override;

    int GetScreen() const { return m_nScreen; }
    CClub* GetClub() const { return m_club; }
    int GetGraphClubCount() const { return m_graphClubCount; }
    CClub* GetGraphClub(int i) const { return i >= 0 && i < kMaxGraphClubs ? m_graphClubs[size_t(i)] : nullptr; }
    CDivision* GetGraphDivision() const { return m_graphDivision; }
    bool IsWeekly() const { return m_weekly; }
    const SurfaceButton& GetButton(int i) const { return m_buttons[size_t(i)]; }
    const platform::gfx::Surface* GetWork() const { return m_pWork.get(); }

    // The graphs' arithmetic, open to tests.
    GraphLayout LayOutAttendance() const;
    GraphLayout LayOutLeague() const;
    static std::vector<GraphPieSlice> LayOutPie(const std::vector<double>& amounts);
    // Where legend entry k stands: its colour square's corner (income
    // legend when `income`, else the expenditure legend).
    static platform::gfx::Point LegendSquare(int k, bool income);
    static platform::gfx::ColourRef ClubColour(const CClub& club);
    static platform::gfx::ColourRef SliceColour(int slice);
    // The club whose line passes within 8 pixels of a point of the page.
    CClub* ClubNearLine(int x, int y) const;

    // The commands of the surface buttons.
    void ClearGraph();
    void SetWeekly(bool weekly);
    // Composes the page and shows it.
    void Compose();

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    void SetUpButtons();
    void BuildKit();
    void DrawFrame(platform::gfx::Surface* work, const GraphLayout& g, unsigned yTitle,
                   const std::vector<std::string>& yLabels, const std::vector<int>& labelY);
    void DrawAttendance(platform::gfx::Surface* work);
    void DrawLeague(platform::gfx::Surface* work);
    void DrawAccounts(platform::gfx::Surface* work);
    void DrawPie(platform::gfx::Surface* work, int cx, int cy, const std::vector<double>& amounts, int firstSlice);
    void DrawLegend(platform::gfx::Surface* work, bool income, int count, int firstSlice);
    void DrawLeaguePrint(platform::gfx::Canvas* dc);
    void DrawAttendancePrint(platform::gfx::Canvas* dc);

    int m_nScreen = kLeaguePage;
    CClub* m_club = nullptr;
    std::array<CClub*, kMaxGraphClubs> m_graphClubs{};
    int m_graphClubCount = 0;
    CDivision* m_graphDivision = nullptr;
    bool m_weekly = true;
    uint32_t m_timer = 0;
    std::array<SurfaceButton, 3> m_buttons;
    std::unique_ptr<platform::gfx::Surface> m_pWork;
    std::unique_ptr<platform::gfx::Surface> m_pBack;
    std::unique_ptr<platform::gfx::Surface> m_pKit;
};

void RegisterGraphScreen();
