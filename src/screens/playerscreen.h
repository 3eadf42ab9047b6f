#pragma once
// The person and transfer-market pages: the hub (102), person information
// (60), the negotiations (22, 23, 62), scouts (37), the transfer list (47)
// and the transfer logs (24, 93, 117). One class serves them all;
// g_nScreenId at construction says which. Its set-up builds the page from
// the screen tables; the pages address their labels, buttons and lists by
// their order among the page's rows of that kind.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "ui/xmessagedisplay.h"
#include "ui/xspinedit.h"

class CClub;
class CCountry;
class CPlayer;
class CEmployee;
class CScout;

// The sale page's amount gauge: nine cells from a bid far below the
// player's value (red) through the value itself (amber) to one far above
// it (green), the bid's band lit; beneath them four pips for the sell-on
// offered, one for each 5% up to 20%. It draws into its page's work
// buffer, as the page's other panels do.
class CSaleGauge : public platform::win::Window {
public:
    static constexpr int kCells = 9, kPips = 4;
    bool Create(platform::win::Window* parent, const platform::win::Rect& rect, uint32_t id);
    void Set(int band, int step);
    int GetBand() const { return m_nBand; }
    int GetStep() const { return m_nStep; }
    // In page coordinates.
    platform::win::Rect CellRect(int band) const;
    platform::win::Rect PipRect(int step) const;
    static uint32_t CellColour(int band, bool lit);
    static uint32_t PipColour(bool lit);
    void Redraw();

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;

private:
    void Draw(const platform::win::PaintContext* pc, bool invalidate);
    platform::win::Window* m_pPage = nullptr;
    platform::win::Rect m_Rect;
    platform::gfx::FontRef m_pFont;
    int m_nBand = -1, m_nStep = 0;
};

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
    // Page 60: a club node expanded shows its squad; collapsed, one player.
    void OnTreeNotify1(const TreeNotice* item) override;
    void OnTreeNotify2(const TreeNotice* item) override;
    // A tree node's kind as the pages read it: its level for the world's
    // nodes, -1 for the root and competitions.
    static int TreeNodeKind(int level, int kindByte);
    // Whether `data` is a federation, country, division, club or player of
    // the running world, as `kind` says; compared by address only, so a
    // stale selection is never read.
    static bool NamesWorldObject(int kind, uintptr_t data);
    const std::vector<uintptr_t>& GetExpandedClubs() const { return m_ExpandedClubs; }
    bool GetToolTipText(int index, std::string& text) override;
    // The tip's string id of a control by its id (0: no tip), and of a
    // spin field's arrow by its hot-spot id.
    unsigned GetTipId(unsigned id) const;
    bool GetArrowTip(unsigned arrowId, std::string& text) const;

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

    // ---- The negotiation pages (22, 62, 23) ----
    // A money field's value in base money: exactly what the page put in
    // while the user has not changed it.
    struct MoneyField {
        CXSpinedit field;
        double base = 0;
        double shown = 0;
        bool money = false;
    };
    enum DealField { kAmountField, kSellOnField, kFeeField, kWageField, kYearsField, kRelocationField, kDealFields };
    CXSpinedit& GetDealField(int f) { return m_Fields[static_cast<size_t>(f)].field; }
    double ReadField(int f) const;
    CXMessageDisplay& GetReplyPanel() { return m_Reply; }
    const std::vector<std::string>& GetReplyLines() const { return m_ReplyLines; }
    const CContractOffer& GetDemands() const { return m_Demands; }
    int GetOffersMade() const { return m_nOffersMade; }
    int GetRoundLimit() const { return m_nRoundLimit; }
    bool TalksEnded() const { return m_bTalksEnded != 0; }
    bool DealAgreed() const { return m_bDealAgreed != 0; }
    // The purchase page's "Make Offer".
    void EvaluateOffer();
    // The contract page's "Make Offer" and "Break Off Negotiations".
    void OnMakeContractOffer();
    void OnBreakOffNegotiations();
    // The sale page: the gauge's figures, and the answers.
    struct Gauge {
        int difference = 0, band = 0, step = 0, reluctance = 0;
    };
    static Gauge ComputeGauge(double bid, double reference, int sellOn);
    CSaleGauge& GetGaugeDisplay() { return m_GaugeDisplay; }
    void OnRejectOffer();
    void OnAcceptOffer();
    void OnBreakOffTalks();
    void SetRejectionReason(int reason);
    int GetBid() const { return m_nBid; }
    double GetReferenceValue() const { return m_dReference; }
    bool FinalOfferMade() const { return m_bFinalOffer != 0; }
    bool Decided() const { return m_bDecided != 0; }
    // Page 60's actions.
    void OnApproachOrRelease();
    void OnReleasePlayer();
    void OnRenewContract();

    // ---- Pages 24, 93, 117 ----
    // Page 24's view: 0 players sold, 1 players bought.
    void ShowClubTransfers(int view);
    int GetClubTransfersView() const { return m_nTransfersView; }
    CClub* GetTransfersClub() const;

    // ---- Page 47: the transfer list ----
    enum ViewMode { kFiltersView = 0, kScoutView = 1, kApproachView = 2 };
    // Page 47's rows in their kinds' order.
    static constexpr int kScopeLabel = 1, kFirstRangeLabel = 2, kFilterNameLabel = 6, kFiltersOnLabel = 7,
                         kFundsLabel = 8, kFundsValue = 9, kValuationLabel = 10, kValuationValue = 11,
                         kScoutedOnlyLabel = 12;
    static constexpr int kFirstPositionButton = 0, kViewLeftButton = 5, kViewRightButton = 6,
                         kApproachModeButton = 7, kFiltersModeButton = 8, kScoutModeButton = 9,
                         kFiltersOnButton = 10, kOkButton = 11, kBuyButton = 12, kScoutedOnlyButton = 13,
                         kLoanButton = 14;
    static constexpr int kSearchFields = 6;
    static constexpr platform::win::Rect kInfoPanelRect{89, 322, 362, 398}, kBuyPanelRect{88, 344, 575, 407};
    // A position button: -1 all players, else goalkeepers to attackers.
    void OnPositionButton(int position);
    void OnViewStep(bool right);
    void SetViewMode(int mode);
    void OnFiltersOn();
    void OnScoutedOnly();
    void OnBuyPlayer();
    void OnLoanPlayer();
    void OnConfirmScoutAssignment();
    // Puts the scope's players into the list with the criteria as they
    // stand; with `refill` the list is emptied first.
    void FillTransferList(bool refill);
    // The picture beside the title of the scope the list searches.
    void ShowScopePicture();
    // Pages 24 and 47: the scope into the history entry of the page on display.
    void MarkScopeEntry();
    // Posted to itself once the page's entry exists (WM_USER + 0x47).
    static constexpr uint32_t kMsgMarkScopeEntry = 0x447;
    int GetViewMode() const { return m_nViewMode; }
    int GetListFilter() const { return m_nListFilter; }
    int GetSortColumn() const { return m_nSortColumn; }
    bool BuyReady() const { return m_bBuyReady != 0; }
    bool LoanReady() const { return m_bLoanReady != 0; }
    uint8_t GetPositionFlag(int i) const { return m_Positions[static_cast<size_t>(i)]; }
    CXSpinedit& GetSearchField(int i) { return m_SearchFields[static_cast<size_t>(i)]; }
    const CPlayerList& GetSearchResults() const { return m_SearchResults; }
    const std::vector<std::string>& GetInfoLines() const { return m_InfoLines; }
    const std::vector<std::string>& GetBuyLines() const { return m_BuyLines; }

    // ---- Page 37: the scouts ----
    void RefreshScoutPanel(bool rebuild);
    void OnBuyScoutedPlayer();
    CEmployee* GetSelectedStaff() const { return m_pSelectedStaff; }
    CPlayer* GetSelectedPlayer() const { return m_pSelectedPlayer; }
    // The rows' clicks of pages 37 and 47.
    void OnListClick(CListControl* list, int row, int column) override;

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
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    // Takes a tree selection or a stored scope as the page's (none when it
    // names nothing of the running world).
    void AdoptScope(uintptr_t data, int kind);
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

    // The negotiation pages.
    void SetupPurchasePanel(bool refresh);
    void SetupContractPanel();
    void SetupSalePanel();
    void CreateDealField(int f, uint32_t id, const platform::win::Rect& rect, int minimum, int maximum, double step,
                         bool money, double base);
    void HideContractFields();
    void AddReply(const std::string& line, bool clear);
    void EndPurchaseTalks();
    void EndContractTalks(bool signedUp);
    void LeaveNegotiation(int backSteps);
    bool EndModalRun(int result);
    void OfferPlayerContract();
    void OfferEmployeeRenewal();
    void OfferEmployeeContract();
    void OfferYouthContract();
    void CompleteSigning(CPlayer& player);
    void EndSaleTalks(int result);
    void ShowGauge();
    void ApproachPlayer(CPlayer& player);
    void ToggleListing(CPlayer& player);
    void ReleaseEmployee(class CEmployee& employee);
    void ApproachEmployee(class CAvailableEmployee& employee);
    void HireOrReleaseYouth();
    void OpenNegotiation(int screen, void* person, int kind, intptr_t amount, uint8_t loan);
    // The approach checks of pages 60, 47 and 37: whether the talks are
    // granted, and whether as a free transfer (the contract page at once).
    enum class Approach { kRefused, kTransfer, kFree };
    Approach CheckApproach(CPlayer& p, int page);
    void SayRefusal(const std::string& text, int playerIndex);

    // Pages 47 and 37.
    void InitialiseTransferList();
    void CreateSearchFields();
    void OnSearchFieldChanged(CXSpinedit* field, bool stepped);
    void ApplyViewMode();
    void ShowSearchFields(bool show);
    void SetPositionPictures();
    void SetModePictures();
    void DisableBuyButtons();
    void AddInfoLine(const std::string& line, bool clear);
    void AddBuyLine(const std::string& line, bool clear);
    CPlayer* SelectedListPlayer() const;
    int CollectScoutPlayers(CPlayer* players[10]) const;
    CScout* ScoutRecordOf(const CEmployee* scout) const;
    CScout* SelectedScoutRecord(CEmployee** scout) const;
    void OnSearchListClick();
    void OnScoutListClick();
    void PreviewScoutAssignment();
    bool OnMarketCommand(uint32_t id);
    void InitialiseScoutsPage();
    void OpenPersonFromRow(CListControl* list, int row, int kindOverride);
    void FillClubNode(uintptr_t clubData, bool wholeSquad);
    void FillSubjectClubNode(const CPlayer& player);

    // Pages 24, 93, 117 and the hub's openers.
    void BuildClubTransfersPage();
    void BuildHistoryPage();
    void BuildBidsPage();
    bool OpenPlayerSection(uint32_t command);
    void ShowListOrNoData(CListControl* list, int noDataLabel);

    std::array<MoneyField, kDealFields> m_Fields;
    CXMessageDisplay m_Reply;
    std::vector<std::string> m_ReplyLines;
    CContractOffer m_Demands;
    CClub* m_pSeller = nullptr;
    int m_nPlayerIndex = -1;
    int m_nOffersMade = 0, m_nRoundLimit = 8, m_nRejections = 0;
    double m_dHighestAmount = -1.0, m_dLastAmount = -1.0;
    int m_nHighestSellOn = -1, m_nLastSellOn = -1;
    uint8_t m_bFirstOffer = 1, m_bRefusedBefore = 0, m_bDealAgreed = 0, m_bTalksEnded = 0;
    uint8_t m_bMayEndModal = 1;
    // The sale page.
    int m_nBid = 0;
    double m_dReference = 0;
    int m_nReason = 4;
    uint8_t m_bFinalOffer = 0, m_bDecided = 0, m_nDealResult = 0;
    CSaleGauge m_GaugeDisplay;

    int m_nPage = 0;
    int m_nSubPage = 0;
    int m_nTransfersView = 0;
    uint8_t m_bListed = 0;
    uint8_t m_bListingAllowed = 0;
    std::string m_Background;
    CXMessageDisplay m_PersonPanel;
    std::vector<std::string> m_PanelLines;
    // The tree selection pages 24 and 47 show (a club; a scope) and page 93
    // (a player); its kind is the node's level.
    uintptr_t m_TreeData = 0;
    int m_nTreeKind = -1;

    // Page 60: the club nodes it filled, by their data (never node handles).
    std::vector<uintptr_t> m_ExpandedClubs;
    // Page 47.
    std::array<CXSpinedit, kSearchFields> m_SearchFields;
    CPlayerList m_SearchResults{false};
    std::vector<std::string> m_SearchClubs;
    CXMessageDisplay m_InfoPanel, m_BuyPanel;
    std::vector<std::string> m_InfoLines, m_BuyLines;
    int m_nSortColumn = -1, m_nListFilter = 0, m_nViewMode = kApproachView;
    std::array<uint8_t, 4> m_Positions{1, 1, 1, 1};
    uint8_t m_bBuyReady = 0, m_bLoanReady = 0;
    // Page 37 (and the hub's adviser): at most one of them is set.
    CEmployee* m_pSelectedStaff = nullptr;
    CPlayer* m_pSelectedPlayer = nullptr;
};

void RegisterPlayerScreen();
