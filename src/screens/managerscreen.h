#pragma once
// The manager section: the hub (99) with the bank manager, the doctor and
// the job agency, Manager of the Month (45) for a division, the manager's
// Honours (70) and Manager Vacancies (116). One class serves these pages;
// g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "ui/xspinedit.h"

class CClub;
class CDivision;

class CManagerScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 99;
    static constexpr int kMonthPage = 45;
    static constexpr int kHonoursPage = 70;
    static constexpr int kVacanciesPage = 116;
    // The tree colour of the clubs without a manager while page 116 is open.
    static constexpr uint32_t kVacantClubColour = 0x00FF00;
    static constexpr int kStaffGroup = 99;
    static constexpr int kManagerSection = 0;  // the tool box's manager button
    static constexpr int kBankManager = 5, kDoctor = 6, kJobAgency = 11;

    // The section commands: the hub's buttons and the menu's.
    static constexpr uint32_t kProfile = 23000, kProfileMenu = 32795;
    static constexpr uint32_t kMonth = 23001, kMonthMenu = 32791;
    static constexpr uint32_t kHonours = 23002, kHonoursMenu = 32792;
    static constexpr uint32_t kRatings = 23004, kRatingsMenu = 32777;
    static constexpr uint32_t kVacancies = 22998, kVacanciesMenu = 32841;

    CManagerScreen();

    void Initialise() override;
    void Refresh() override;
    void OnTreeSelect(const TreeNotice* item) override;
    void Close() override;
    bool GetToolTipText(int index, std::string& text) override;
    void SetPageParams(const PageParams& params) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetPage() const { return m_nPage; }
    CDivision* GetDivision() const { return m_pDivision; }
    CListControl* GetPageList();
    CXStatic* GetHeading();
    CXStatic* GetNoDataLabel();

    // The club whose post model code offers (116), while it waits.
    void* m_pVacancyClub = nullptr;

    // Manager Vacancies (116).
    static constexpr uint32_t kApproach = 21470, kAccept = 21471, kReject = 21472;
    static constexpr uint32_t kSalaryField = 302, kLengthField = 509;
    static constexpr int kMaxTalks = 5;
    // A club picked in the tree (or named by the model call).
    void SelectVacancyClub(CClub* club);
    // The three buttons' commands; Approach gives whether talks went on.
    bool Approach();
    void Reject();
    void Accept();
    // Whether model code waits on this page for the answer.
    bool IsModelCall() const { return m_pVacancyClub != nullptr; }
    CClub* GetTarget() const;
    bool IsClubSelected() const { return m_bClubSelected; }
    bool IsOfferMade() const { return m_bOfferMade; }
    bool IsExitMode() const { return m_bExitMode; }
    bool AreTermsAgreed() const { return m_bTermsAgreed; }
    int GetTalkCount() const { return m_nTalkCount; }
    double GetLastOffer() const { return m_dLastOffer; }
    CXSpinedit& GetSalaryField() { return m_Salary; }
    CXSpinedit& GetLengthField() { return m_Length; }
    CXStatic* GetContractText() { return FindLabel(298, 151); }
    CXStatic* GetClubNameLabel() { return FindLabel(30, 61); }
    CXButton* GetVacancyButton(uint32_t id);
    // The clubs that refused the manager, by world index.
    static bool IsTurnedDown(int club);

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kManagerSection; }
    // The job agency is the user's own contact: asked out of work too.
    bool ListsOwnStaffAlways() const override { return true; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    CScreenManager* PageManager() const;
    CXStatic* FindLabel(int x, int y);
    void FillMonthPage();
    void FillHonoursPage();
    void ShowListOrNoData(bool hasRows);
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;
    void SetUpVacancies();
    void OwnClubPicked();
    void Offer();
    void ClearVacancyClub(bool modelAccept);
    void SetFieldsActive(bool active);
    void SetVacancyValues(const CClub* club);
    void SetContractText(const std::string& text);
    void SetButton(uint32_t id, bool active, unsigned text = 0);
    void CloseVacancies();

    int m_nPage = 0;
    uint8_t m_bMenuShown = 0;
    CDivision* m_pDivision = nullptr;
    CXSpinedit m_Salary;
    CXSpinedit m_Length;
    int m_nTarget = -1;
    bool m_bClubSelected = false;
    bool m_bTalksOpen = false;
    bool m_bOfferMade = false;
    bool m_bLeavingAgreed = false;
    bool m_bExitMode = false;
    bool m_bTermsAgreed = false;  // what "Exit Screen" reports to the model call
    int m_nTalkCount = 0;
    double m_dLastOffer = 0;
    double m_dLastOfferShown = 0;
    HistoryState m_HistoryBlock{-1, -1, -1};
};

void RegisterManagerScreen();
