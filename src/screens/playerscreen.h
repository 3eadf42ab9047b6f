#pragma once
// The person and transfer-market pages: the hub (102), person information
// (60), the negotiations (22, 23, 62), scouts (37), the transfer list (47)
// and the transfer logs (24, 93, 117). One class serves them all;
// g_nScreenId at construction says which. Its set-up builds the page from
// the screen tables; the pages address their labels, buttons and lists by
// their order among the page's rows of that kind.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "soccerclasses/personidentity.h"
#include "ui/xmessagedisplay.h"

class CClub;
class CCountry;
class CPlayer;

class CPlayerScreen : public CSectionHub {
public:
    static constexpr int kPurchasePage = 22, kSalePage = 23, kClubTransfersPage = 24, kScoutsPage = 37,
                         kTransferListPage = 47, kPersonPage = 60, kContractPage = 62, kHistoryPage = 93,
                         kHubPage = 102, kBidsPage = 117;
    // Page 60's sub-pages.
    enum SubPage { kRatings = 0, kScoutComments = 1, kPlayerComment = 2, kRecord = 3, kClubHistory = 4 };
    // Page 60's rows in their kinds' order.
    static constexpr int kTitleLabel = 0, kNameLabel = 1, kFirstDetail = 2, kDetails = 10, kFirstSkill = 22,
                         kSkills = 13, kNoDataLabel = 48, kSubHeading = 49, kFirstGroupHead = 50;
    enum Detail { kAge, kRating, kPosition, kNationality, kWage, kPrev, kStatus, kContract, kPrice, kFoot };
    static constexpr int kRenewButton = 0, kReleaseButton = 1, kActionButton = 2, kFirstPanelButton = 3;
    static constexpr platform::win::Rect kPersonPanelRect{86, 276, 570, 396};
    static constexpr int kPersonFaceX = 38, kPersonFaceY = 122;
    static constexpr int kFaceX93 = 465, kFaceY93 = 4;

    CPlayerScreen();
    ~CPlayerScreen() override;

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    void SetPageParams(const PageParams& params) override;
    // The subject by identity (index, owner, list kind); made again from it,
    // a page whose identity names nobody shows "No Data Available".
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;
    // Help tells a loan from a transfer (22) and the person's kind (60).
    void GetHelpModes(HelpModes& modes) const override;
    void OnTreeSelect(const TreeNotice* item) override;
    bool GetToolTipText(int index, std::string& text) override;

    int GetPage() const { return m_nPage; }

    // ---- Page 60 ----
    void SetupSubScreens(bool rebuild);
    void ShowSubPage(int subPage);
    int GetSubPage() const { return m_nSubPage; }
    CXStatic* GetDetailValue(int detail);
    CXStatic* GetDetailLabel(int detail);
    CXStatic* GetSkillValue(int skill);
    CXStatic* GetPageLabel(int i) { return i < GetLabelCount() ? &GetLabel(i) : nullptr; }
    CXButton* GetPageButton(int i) { return i < GetButtonCount() ? &GetButton(i) : nullptr; }
    CListControl* GetPageList(int i) { return i < GetListCount() ? &GetList(i) : nullptr; }
    CXMessageDisplay& GetPersonPanel() { return m_PersonPanel; }
    const std::vector<std::string>& GetPersonPanelLines() const { return m_PanelLines; }
    bool IsListedShown() const { return m_bListed != 0; }
    // The action buttons' tips as the person's kind and the page's state give them.
    unsigned GetActionTipId() const;
    const std::string& GetBackgroundName() const { return m_Background; }

    // ---- Pages 24, 93, 117 ----
    // Page 24's view: 0 players sold, 1 players bought.
    void ShowClubTransfers(int view);
    int GetClubTransfersView() const { return m_nTransfersView; }
    CClub* GetTransfersClub() const;

    // The subject: the person shown, a value that travels with him (a
    // contract's fee, a sale's bid) and his kind (the person list kinds).
    void* m_pSubject = nullptr;
    intptr_t m_nSubjectValue = 0;
    int m_nSubjectKind = 0;
    // The offer: 1 a loan; the seller's or the agreed sell-on; the buyer (23).
    uint8_t m_bOfferMode = 0;
    uint8_t m_nSellOn = 0;
    intptr_t m_nBuyingClub = -1;
    PersonIdentity m_SubjectId;
    // Made again from an entry whose identity names nobody.
    bool m_bSubjectGone = false;

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kHubPage; }
    int ToolboxButton() const override { return 3; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    // The user's club (null while he has none) and the country whose money
    // the pages show.
    static CClub* UserClub();
    const CCountry* MoneyCountry(const CClub* personClub) const;
    std::string MoneyText(double amount, const CClub* personClub) const;
    bool IsModalPage() const;
    void SetBackgroundPicture(const std::string& name);
    void SetLabel(CXStatic* label, const std::string& text);
    void ShowLabel(int i, bool show);

    // Page 60.
    void InitialisePersonPage();
    void ResetPersonTexts();
    void ShowPlayer(CPlayer& player, bool rebuild);
    void ShowPlayerPanel(CPlayer& player);
    void ShowSkills(const class CSoccerPlayer& football, const class CPerson& person);
    void ShowEmployee(class CEmployee* employee, class CAvailableEmployee* market);
    void ShowYouth(class CPerson& person, class CSoccerPlayer& football, bool ofClub);
    void ShowReferee(class CSoccerReferee& referee);
    void ShowStaffComments(class CEmployee& employee);
    void ShowPersonFace(const class CPerson& person);
    void SetSubPageControls(bool skills, bool panel, int list, bool groupHeads);
    void SetPlayerButtons(CPlayer& player);
    void SetEmployeeButtons(class CEmployee* employee);
    void SetPanelButtons(int enabledMask);
    void FillRecordList(CListControl& list, const CPlayer& player);
    void FillClubHistoryList(CListControl& list, const CPlayer& player);
    void AddPanelLine(const std::string& line);

    // Pages 24, 93, 117 and the hub's openers.
    void BuildClubTransfersPage();
    void BuildHistoryPage();
    void BuildBidsPage();
    bool OpenPlayerSection(uint32_t command);
    void ShowListOrNoData(CListControl* list, int noDataLabel);

    int m_nPage = 0;
    int m_nSubPage = 0;
    int m_nTransfersView = 0;
    uint8_t m_bListed = 0;
    uint8_t m_bListingAllowed = 0;
    std::string m_Background;
    CXMessageDisplay m_PersonPanel;
    std::vector<std::string> m_PanelLines;
    // The tree selection page 24 shows (a club) and page 93 (a player).
    uintptr_t m_TreeData = 0;
    int m_nTreeKind = -1;
};

void RegisterPlayerScreen();
