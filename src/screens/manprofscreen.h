#pragma once
// The manager profile (95): the current user's details, face and club kit,
// and under two tabs either his rating week by week or his own finances
// with the house and car his wage affords. Drawn on the page's surfaces.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/screensinfo.h"

class CClub;
class CDivision;
class CHumanManager;

class CManProfScreen : public CScreensInfo {
public:
    static constexpr int kPage = 95;
    static constexpr int kGraphMode = 0, kFinancesMode = 1;
    static constexpr uint32_t kTickTimer = 2;
    static constexpr int kTickMs = 55;
    static constexpr int kOriginX = 73, kOriginY = 414;
    static constexpr int kXPositions = 10;
    static constexpr double kXStep = 50.0, kYStep = 13.6;

    CManProfScreen();
    ~CManProfScreen() override;

    void Initialise() override;
    void Show() override {}
    void Close() override;
    void Refresh() override {}
    void OnTimerTick(uint32_t id) override;
    bool GetToolTipText(int index, std::string& text) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetMode() const { return m_nMode; }
    CClub* GetClub() const { return m_pClub; }
    const platform::gfx::Surface* GetWork() const { return m_pWork.get(); }
    bool HasKit() const { return m_pKit != nullptr; }

    // The lifestyle pictures' numbers for a wealth level (0 to 9).
    static int HouseNumber(int level);
    static int CarNumber(int level);
    // The weeks of rating the graph plots, oldest first (at most ten).
    static std::vector<int> GraphValues(const CHumanManager& user);
    // Where the data line passes: one point a week on the grid's scale.
    static std::vector<platform::gfx::Point> PlotPoints(const std::vector<int>& values);
    // The finance rows' label and value texts, in their order.
    std::vector<std::pair<std::string, std::string>> FinanceRows() const;
    // The detail rows' label and value texts, in their order.
    std::vector<std::pair<std::string, std::string>> DetailRows() const;

    // Selects the tab under a click; true when the click was in the tabs' band.
    bool ClickTabs(int x, int y);
    // Composes the page and shows it.
    void Compose();

    HistoryState m_HistoryBlock{-1, -1, -1};

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    void BuildPictures();
    void BuildLifestyle();
    void DrawDetails(platform::gfx::Surface* work);
    void DrawGraph(platform::gfx::Surface* work);
    void DrawFinances(platform::gfx::Surface* work);

    CClub* m_pClub = nullptr;
    CDivision* m_pDivision = nullptr;
    CHumanManager* m_pUser = nullptr;
    uint32_t m_timer = 0;
    int m_nMode = kGraphMode;
    std::unique_ptr<platform::gfx::Surface> m_pFinanceBack;  // 96a
    std::unique_ptr<platform::gfx::Surface> m_pGraphBack;    // 96b
    std::unique_ptr<platform::gfx::Surface> m_pWork;
    std::unique_ptr<platform::gfx::Surface> m_pKit;
    std::unique_ptr<platform::gfx::Surface> m_pFace;
    std::unique_ptr<platform::gfx::Surface> m_pLifestyle;
};

void RegisterManProfScreen();
