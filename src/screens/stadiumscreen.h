#pragma once
// The club's ground: the stadium plan (34) with hover and selection of the
// own club's stands, Stand Development (109), where one stand's rebuilding
// is planned, priced and started, and the side view (110) with its reverse
// and cut-away views. One class serves the three pages; g_nScreenId at
// construction says which.
#include <string>
#include <vector>

#include "screens/standplan.h"
#include "shell/screensinfo.h"

class CClub;

class CStadiumScreen : public CScreensInfo {
public:
    static constexpr int kPlanPage = 34, kStandPage = 109, kSidePage = 110;
    static constexpr int kPlanX = 12, kPlanY = 30;

    CStadiumScreen();
    ~CStadiumScreen() override;

    void Initialise() override;
    void Refresh() override;
    void Show() override;
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    bool GetToolTipText(int index, std::string& text) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetPage() const { return m_nPage; }
    CClub* GetShownClub() const { return m_pClub; }
    bool IsOwnClub() const { return m_bOwnClub; }
    // The stand under the pointer and the selected stand, 0 none.
    int GetHoveredStand() const { return m_nHovered; }
    static int GetSelectedStand() { return s_nSelected; }
    static bool IsReversed() { return s_bReverse; }
    static bool IsCut() { return s_bCut; }
    static const StandPlan& GetPlan() { return s_Plan; }
    // Stand (1..8) under a page point, 0 none.
    int StandAt(platform::win::Point pt) const;
    // The samples the plan played: hovering (17) and selecting (18).
    int GetHoverSoundCount() const { return m_nHoverSounds; }
    int GetSelectSoundCount() const { return m_nSelectSounds; }
    // The overlay pictures, for tests and the benchmarks.
    std::string GetOverlayName(int index) const;
    bool IsOverlayShown(int index) const;
    CXStatic* GetHoverText() const { return m_pHoverText; }
    CXStatic* GetMessageLine() const { return m_pMessage; }
    CXStatic* FindLabelAt(int x, int y);
    CXButton* FindButton(uint32_t id);

    // Draws the plan page, the Stand Development page or the side view.
    void DrawPlan();
    void DrawStandPage();
    void DrawSideView(bool wipe);

private:
    bool IsUnderDevelopment(int stand) const;
    void PlacePlanParts();
    void SetHovered(int stand);
    void ClickStand(int stand);
    void ShowPlanned();
    void OnOk();
    void OpenPage(int page);
    // Overlay `index` shows archive entry `entry` ("" hides it).
    void SetOverlay(int index, const std::string& entry, int x, int y);

    int m_nPage;
    CClub* m_pClub = nullptr;
    bool m_bOwnClub = false;
    int m_nHovered = 0;
    int m_nHoverSounds = 0, m_nSelectSounds = 0;
    CXStatic* m_pHoverText = nullptr;
    CXStatic* m_pMessage = nullptr;
    std::string m_strElevation;
    std::vector<std::string> m_OverlayNames;

    static int s_nSelected;
    static bool s_bReverse, s_bCut;
    static StandPlan s_Plan;
};
