#include "screens/playerscreen.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "screens/pages.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "platform/window/ui.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

CScreen* MakePlayerScreen() { return new CPlayerScreen(); }

// Tree node kinds the pages read: a node's level (federation 1, country 2,
// division 3, club 4, player 5).
constexpr int kTreeClubNode = 4, kTreePlayerNode = 5;
// The country whose money shows when nobody else names one.
constexpr int kFallbackMoneyCountry = 55;
// The section's commands.
constexpr uint32_t kCmdScouts = 23230, kCmdTransferList = 23232, kCmdBids = 32843, kCmdScorers = 21531,
                   kCmdManOfMatch = 21536, kCmdPlayersSold = 517, kCmdPlayersBought = 518;
constexpr int kScorersPage = 32, kManOfMatchPage = 78;
// Page 24's, 93's and 117's "No Data Available" label: the third label.
constexpr int kLogNoDataLabel24 = 6, kLogNoDataLabel = 2;

}  // namespace

CPlayerScreen::CPlayerScreen() : m_nPage(g_nScreenId) {
    SetBackgroundPicture("gfx\\backgrounds\\23.bmp");
    SetTitle(platform::LoadString(21603));
}

CPlayerScreen::~CPlayerScreen() = default;

PageFactory CPlayerScreen::GetPageFactory() const { return &MakePlayerScreen; }

void RegisterPlayerScreen() { RegisterPageFactory(PageClass::Player, &MakePlayerScreen); }

// ---- Shared helpers ----

CClub* CPlayerScreen::UserClub() {
    CWorldData* w = GetWorldData();
    if (!w || !HubManagerEmployed()) return nullptr;
    return w->GetCurrentClub();
}

const CCountry* CPlayerScreen::MoneyCountry(const CClub* personClub) const {
    CWorldData* w = GetWorldData();
    if (!w) return nullptr;
    if (CHumanManager* user = w->GetCurrentUser())
        if (CClub* club = user->GetClub())
            if (const CCountry* c = club->GetCountry()) return c;
    if (personClub)
        if (const CCountry* c = personClub->GetCountry()) return c;
    return w->GetCountry(kFallbackMoneyCountry);
}

std::string CPlayerScreen::MoneyText(double amount, const CClub* personClub) const {
    std::string out;
    if (const CCountry* c = MoneyCountry(personClub)) c->FormatMoney(out, amount);
    return out;
}

bool CPlayerScreen::IsModalPage() const {
    const auto* manager = dynamic_cast<const CScreenManager*>(Parent());
    const CBrixholmView* view = manager ? dynamic_cast<const CBrixholmView*>(manager->Parent()) : nullptr;
    return view && view->ModalBusy();
}

void CPlayerScreen::SetBackgroundPicture(const std::string& name) {
    m_Background = name;
    SetBackground(name);
}

void CPlayerScreen::SetLabel(CXStatic* label, const std::string& text) {
    if (label) label->SetText(text);
}

void CPlayerScreen::ShowLabel(int i, bool show) {
    if (i < GetLabelCount()) GetLabel(i).Show(show);
}

void CPlayerScreen::ShowListOrNoData(CListControl* list, int noDataLabel) {
    const bool empty = !list || list->GetRowCount() == 0;
    if (list) list->Show(!empty);
    if (noDataLabel < GetLabelCount()) {
        GetLabel(noDataLabel).SetText(platform::LoadString(735));
        GetLabel(noDataLabel).Show(empty);
    }
}

// ---- Set-up ----

void CPlayerScreen::SetPageParams(const PageParams& params) {
    const auto* p = std::get_if<PersonPageParams>(&params);
    if (!p) return;
    m_pSubject = p->subject;
    m_nSubjectValue = p->value;
    m_nSubjectKind = p->kind;
    m_bOfferMode = p->loan;
    m_nSellOn = p->sellOn;
    m_nBuyingClub = p->club;
    m_SubjectId = IdentifyPerson(m_pSubject, m_nSubjectKind);
    m_bSubjectGone = false;
}

void CPlayerScreen::Initialise() {
    BuildScreen(m_nPage);
    if (m_bSubjectGone) {
        ShowNoDataAvailable();
        return;
    }
    switch (m_nPage) {
        case kHubPage:
            SetUpHub();
            break;
        case kClubTransfersPage:
            // A fresh open from the tree shows the tree's club; one from the
            // history the club it showed.
            if (m_bHistoryValueSet)
                AdoptScope(static_cast<uintptr_t>(m_nHistoryValue),
                           m_nHistorySubValue == 255 ? 0 : m_nHistorySubValue);
            else
                AdoptScope(g_nTreeSelectionData, TreeNodeKind(g_nTreeSelectionLevel, g_nTreeSelectionKind));
            BuildClubTransfersPage();
            break;
        case kHistoryPage:
            AdoptScope(g_nTreeSelectionData, TreeNodeKind(g_nTreeSelectionLevel, g_nTreeSelectionKind));
            BuildHistoryPage();
            break;
        case kBidsPage:
            BuildBidsPage();
            break;
        case kTransferListPage:
            InitialiseTransferList();
            break;
        case kScoutsPage:
            InitialiseScoutsPage();
            break;
        case kPersonPage:
            InitialisePersonPage();
            break;
        case kPurchasePage:
            SetupPurchasePanel(false);
            break;
        case kContractPage:
            SetupContractPanel();
            break;
        case kSalePage:
            SetupSalePanel();
            break;
        default:
            break;
    }
}

void CPlayerScreen::Refresh() {
    if (m_nPage == kHubPage) ShowAdvisor();
    if (m_nPage == kTransferListPage) ShowScopePicture();
    // The page's history entry is made once this open is done: the scope
    // it opened on is stored then.
    if (m_nPage == kTransferListPage || m_nPage == kClubTransfersPage) Post(kMsgMarkScopeEntry);
}

void CPlayerScreen::ShowScopePicture() {
    // A federation, country, division or club shows its own picture; no
    // scope (a player node among them) searches the current country, whose
    // flag shows.
    if (m_TreeData && m_nTreeKind >= kContextFederation && m_nTreeKind <= kContextClub) {
        ShowContextPicture(m_nTreeKind, m_TreeData, true, 0);
        return;
    }
    CWorldData* w = GetWorldData();
    const CCountry* country = w ? w->GetCurrentCountry() : nullptr;
    ShowContextPicture(kContextCountry, reinterpret_cast<uintptr_t>(country), true, 0);
}

void CPlayerScreen::MarkScopeEntry() {
    // Only the entry of the page on display keeps the scope: by the time a
    // page closes, Back may already have made another entry the current one.
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (manager && manager->GetCurrentPage() == this && !manager->IsOffHistory())
        manager->MarkHistoryEntry(static_cast<intptr_t>(m_TreeData), static_cast<uint8_t>(std::max(m_nTreeKind, 0)));
}

void CPlayerScreen::Close() {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (manager && m_nPage == kPersonPage) {
        // Each club node the page filled gets its placeholder back.
        for (uintptr_t data : m_ExpandedClubs)
            if (CTreeNode* node = manager->FindTreeItem(data)) {
                manager->DeleteTreeChildren(node);
                manager->InsertTreeItem("empty", 5, node, 0, kTreeKindRoot);
            }
        m_ExpandedClubs.clear();
    }
    CSectionHub::Close();
}

int CPlayerScreen::GetHistoryParams(HistoryState* block) {
    if (!block) return -1;
    if (m_nPage == kHistoryPage) {
        const auto* player = m_nTreeKind == kTreePlayerNode ? reinterpret_cast<const CPlayer*>(m_TreeData) : nullptr;
        *block = {player ? WorldIndexOf(*player) : -1, -1, kPersonListPlayers};
        return -1;
    }
    *block = {m_SubjectId.index, m_SubjectId.owner, m_SubjectId.kind};
    return -1;
}

void CPlayerScreen::SetHistoryParams(const HistoryState* block) {
    if (!block) return;
    if (m_nPage == kHistoryPage) {
        // The player goes back into the tree selection the page reads.
        CWorldData* w = GetWorldData();
        CPlayer* player = w && block->identity >= 0 ? w->GetPlayer(static_cast<int>(block->identity)) : nullptr;
        g_nTreeSelectionData = reinterpret_cast<uintptr_t>(player);
        g_nTreeSelectionLevel = player ? kTreePlayerNode : 0;
        g_nTreeSelectionKind = 0;
        return;
    }
    m_SubjectId = {static_cast<int>(block->kind), static_cast<int>(block->owner), static_cast<int>(block->identity)};
    m_nSubjectKind = m_SubjectId.kind;
    m_pSubject = FindPerson(m_SubjectId);
    m_bSubjectGone = m_SubjectId.index >= 0 && !m_pSubject;
}

void CPlayerScreen::GetHelpModes(HelpModes& modes) const {
    modes.negotiationSecondMode = m_bOfferMode;
    modes.personKind = m_nSubjectKind;
}

int CPlayerScreen::TreeNodeKind(int level, int kindByte) {
    // Competitions and the root carry kind bytes of their own; the world's
    // federations, countries, divisions, clubs and players carry 0.
    return kindByte == 0 ? level : -1;
}

bool CPlayerScreen::NamesWorldObject(int kind, uintptr_t data) {
    CWorldData* w = GetWorldData();
    if (!w || !data) return false;
    auto inList = [data](const auto& list) {
        for (int i = 0; i < list.GetSize(); ++i)
            if (reinterpret_cast<uintptr_t>(list.GetAt(i)) == data) return true;
        return false;
    };
    switch (kind) {
        case 1: return inList(w->GetFederationList());
        case 2: return inList(w->GetCountryList());
        case 3: return inList(w->GetDivisionList());
        case kTreeClubNode: return inList(w->GetClubList());
        case kTreePlayerNode: return inList(w->GetPlayerList());
        default: return false;
    }
}

void CPlayerScreen::AdoptScope(uintptr_t data, int kind) {
    // The tree selection and history values are raw addresses that outlive
    // a world (a loaded game, a new one): only one naming a thing of the
    // running world is taken, anything else counts as no selection.
    const bool known = NamesWorldObject(kind, data);
    m_TreeData = known ? data : 0;
    m_nTreeKind = known ? kind : 0;
}

void CPlayerScreen::OnTreeSelect(const TreeNotice* item) {
    CScreensInfo::OnTreeSelect(item);
    if (!item) return;
    const int kind = TreeNodeKind(item->level, item->kind);
    if (kind <= 0) return;
    if (m_nPage == kClubTransfersPage && kind == kTreeClubNode) {
        m_TreeData = item->data;
        m_nTreeKind = kind;
        MarkScopeEntry();
        BuildClubTransfersPage();
        Repaint(0);
        return;
    }
    if (m_nPage == kTransferListPage) {
        m_TreeData = item->data;
        m_nTreeKind = kind;
        MarkScopeEntry();
        ShowScopePicture();
        if (CListControl* list = GetPageList(0)) list->ClearSelected();
        DisableBuyButtons();
        m_SearchResults.SetSize(0);
        m_SearchClubs.clear();
        FillTransferList(true);
        return;
    }
    if (m_nPage == kPersonPage && kind == kTreePlayerNode && item->data) {
        m_pSubject = reinterpret_cast<void*>(item->data);
        m_nSubjectKind = kPersonListPlayers;
        m_SubjectId = IdentifyPerson(m_pSubject, m_nSubjectKind);
        m_bSubjectGone = false;
        m_bListed = m_bListingAllowed = 0;
        // Only the entry of the page on display takes the new subject.
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()); manager && manager->GetCurrentPage() == this &&
                                                                     !manager->IsOffHistory())
            manager->SetHistoryState({m_SubjectId.index, m_SubjectId.owner, m_SubjectId.kind});
        SetupSubScreens(true);
    }
}

// ---- Page 60's tree: the squad under the club node ----

void CPlayerScreen::FillClubNode(uintptr_t clubData, bool wholeSquad) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    CWorldData* w = GetWorldData();
    if (!manager || !w || !clubData) return;
    // Found again every time: a refill of the tree deletes every node.
    CTreeNode* node = manager->FindTreeItem(clubData);
    if (!node) return;
    const auto* club = reinterpret_cast<const CClub*>(clubData);
    manager->DeleteTreeChildren(node);
    for (int slot = 0; slot < kSquadSlots; ++slot) {
        const uint16_t id = club->GetPlayerId(slot);
        CPlayer* p = id == kEmptySlot ? nullptr : w->GetPlayer(id);
        if (!p) continue;
        manager->InsertTreeItem(p->GetName(), 5, node, reinterpret_cast<uintptr_t>(p), 0);
        if (!wholeSquad) break;
    }
}

void CPlayerScreen::OnTreeNotify1(const TreeNotice* item) {
    CSectionHub::OnTreeNotify1(item);
    if (m_nPage != kPersonPage || !item || TreeNodeKind(item->level, item->kind) != kTreeClubNode) return;
    Ui::Get().BeginWaitCursor();
    FillClubNode(item->data, true);
    if (std::find(m_ExpandedClubs.begin(), m_ExpandedClubs.end(), item->data) == m_ExpandedClubs.end())
        m_ExpandedClubs.push_back(item->data);
    Ui::Get().EndWaitCursor();
}

void CPlayerScreen::OnTreeNotify2(const TreeNotice* item) {
    CSectionHub::OnTreeNotify2(item);
    if (m_nPage != kPersonPage || !item || TreeNodeKind(item->level, item->kind) != kTreeClubNode) return;
    Ui::Get().BeginWaitCursor();
    // One child stays, so that the node can be expanded again.
    FillClubNode(item->data, false);
    std::erase(m_ExpandedClubs, item->data);
    Ui::Get().EndWaitCursor();
}

void CPlayerScreen::FillSubjectClubNode(const CPlayer& player) {
    const CClub* club = player.GetClub();
    if (!club) return;
    const auto data = reinterpret_cast<uintptr_t>(club);
    FillClubNode(data, true);
    if (std::find(m_ExpandedClubs.begin(), m_ExpandedClubs.end(), data) == m_ExpandedClubs.end())
        m_ExpandedClubs.push_back(data);
}

// ---- The section page (102) ----

const std::vector<HubAdvisorRule>& CPlayerScreen::AdvisorRules() const {
    static const std::vector<HubAdvisorRule> kRules = [] {
        std::vector<HubAdvisorRule> rules;
        rules.push_back({CBasicEmployee::kScout, {{{85, 34193}}}, {241, 33313}});
        HubAdvisorRule fanzine;
        fanzine.jobKind = 16;
        fanzine.groups.emplace_back();
        for (uint8_t code = 86; code <= 97; ++code)
            fanzine.groups[0].push_back({code, 33128u + (code - 86u)});
        fanzine.fallback = {242, 33314};
        rules.push_back(fanzine);
        return rules;
    }();
    return kRules;
}

const std::vector<HubSection>& CPlayerScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kCmdBids, PageClass::Player, kBidsPage},
        {kCmdScorers, PageClass::Stats, kScorersPage},
        {kCmdManOfMatch, PageClass::Info, kManOfMatchPage},
        {kCmdScouts, PageClass::Player, kScoutsPage},
    };
    return kSections;
}

bool CPlayerScreen::OpenPlayerSection(uint32_t command) {
    if (command != kCmdTransferList) return OpenSection(command);
    // Employment first: a manager between jobs has no country whose window counts.
    if (!HubManagerEmployed()) return true;
    CWorldData* w = GetWorldData();
    const CCountry* country = w ? w->GetCurrentCountry() : nullptr;
    if (!country || !country->GetTransferWindow()) {
        UserMessageBox(578, kBoxNotice, -1);
        return true;
    }
    if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) {
        g_nScreenId = kTransferListPage;
        manager->SetScreen(MakePage(PageClass::Player), true, true, false, true, false);
    }
    return true;
}

bool CPlayerScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kHubPage &&
        (id == kCmdTransferList || id == kCmdScouts || id == kCmdBids || id == kCmdScorers || id == kCmdManOfMatch))
        return OpenPlayerSection(id);
    if ((m_nPage == kTransferListPage || m_nPage == kScoutsPage) && OnMarketCommand(id)) return true;
    if (m_nPage == kClubTransfersPage && (id == kCmdPlayersSold || id == kCmdPlayersBought)) {
        ShowClubTransfers(id == kCmdPlayersBought ? 1 : 0);
        return true;
    }
    if (m_nPage == kPurchasePage && (id == 501 || id == 503)) {
        if (id == 503) {
            EvaluateOffer();
        } else {
            // Break Off Deal: the player is one this club has bid for.
            if (CClub* own = UserClub(); own && m_pSubject) {
                auto* player = static_cast<CPlayer*>(m_pSubject);
                if (m_bOfferMode) own->AddLoanTarget(*player);
                else own->AddBidTarget(*player);
            }
            if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) manager->GoBack(1);
        }
        return true;
    }
    if (m_nPage == kContractPage && (id == 513 || id == 515)) {
        if (id == 515) OnMakeContractOffer();
        else OnBreakOffNegotiations();
        return true;
    }
    if (m_nPage == kSalePage) {
        switch (id) {
            case 1117: OnBreakOffTalks(); return true;
            case 1111: OnAcceptOffer(); return true;
            case 1112: OnRejectOffer(); return true;
            case 1113: case 1114: case 1115: case 1116: SetRejectionReason(static_cast<int>(id - 1112)); return true;
            default: break;
        }
    }
    if (m_nPage == kPersonPage && (id == 537 || id == 538 || id == 540)) {
        if (id == 537) OnApproachOrRelease();
        else if (id == 538) OnReleasePlayer();
        else OnRenewContract();
        return true;
    }
    if (m_nPage == kPersonPage) {
        for (int b = 0; b < 5; ++b)
            if (GetButtonCount() > kFirstPanelButton + b && id == GetButton(kFirstPanelButton + b).Id()) {
                ShowSubPage(b);
                return true;
            }
    }
    return CSectionHub::OnCommand(id, code, control);
}

// ---- Page 24: club transfers ----

CClub* CPlayerScreen::GetTransfersClub() const {
    if (m_nTreeKind == kTreeClubNode && m_TreeData) return reinterpret_cast<CClub*>(m_TreeData);
    return UserClub();
}

void CPlayerScreen::ShowClubTransfers(int view) {
    m_nTransfersView = view;
    BuildClubTransfersPage();
    Repaint(0);
}

void CPlayerScreen::BuildClubTransfersPage() {
    CClub* club = GetTransfersClub();
    CListControl* list = GetPageList(0);
    if (!club || !list) {
        ShowNoDataAvailable();
        return;
    }
    SetLabel(GetPageLabel(0), club->GetName());
    SetLabel(GetPageLabel(1), platform::LoadString(m_nTransfersView ? 518 : 517));
    SetLabel(GetPageLabel(3), MoneyText(club->Records().GetRecordFeeReceived(), club));
    SetLabel(GetPageLabel(5), MoneyText(club->Records().GetRecordFeePaid(), club));
    list->SetColumnHeaderId(3, m_nTransfersView ? 728 : 729);
    list->m_bSelectable = 1;
    list->ResetContent();
    const CCountry* country = MoneyCountry(club);
    // The logs: transfers in (bought) and out (sold).
    club->TransferHistory(m_nTransfersView ? 0 : 1).FillList(*list, country);
    for (int r = 0; r < list->GetRowCount(); ++r) list->SetRowData2(r, kPersonListPlayers);
    if (CXButton* bought = GetPageButton(0)) bought->Enable(m_nTransfersView == 0);
    if (CXButton* sold = GetPageButton(1)) sold->Enable(m_nTransfersView == 1);
    BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    ShowListOrNoData(list, kLogNoDataLabel24);
}

// ---- Page 93: a player's transfer history ----

void CPlayerScreen::BuildHistoryPage() {
    CPlayer* player = m_nTreeKind == kTreePlayerNode ? reinterpret_cast<CPlayer*>(m_TreeData) : nullptr;
    CListControl* list = GetPageList(0);
    if (!list) return;
    list->ResetContent();
    if (!player) {
        SetLabel(GetPageLabel(0), "");
        ShowListOrNoData(list, kLogNoDataLabel);
        return;
    }
    SetLabel(GetPageLabel(0), player->GetName());
    player->m_TransferHistory.FillListControl(*list, MoneyCountry(player->GetClub()));
    ShowPersonFace(player->Person());
    ShowListOrNoData(list, kLogNoDataLabel);
}

// ---- Page 117: the user's bids in progress ----

void CPlayerScreen::BuildBidsPage() {
    CWorldData* w = GetWorldData();
    CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
    CClub* club = UserClub();
    CListControl* list = GetPageList(0);
    if (!list) return;
    list->m_bSelectable = 1;
    list->ResetContent();
    SetLabel(GetPageLabel(0), club ? club->GetName() : "");
    if (user) user->FillNegotiationList(*list);
    for (int r = 0; r < list->GetRowCount(); ++r) list->SetRowData2(r, kPersonListPlayers);
    if (club) BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    ShowListOrNoData(list, kLogNoDataLabel);
}

// ---- Clicks ----

void CPlayerScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    CScreensInfo::OnLButtonDblClk(flags, pt);
    if (flags != ui::kRelayedFlags) return;
    if (m_nPage != kClubTransfersPage && m_nPage != kBidsPage && m_nPage != kTransferListPage &&
        m_nPage != kScoutsPage)
        return;
    // The list under the pointer: page 37 asks its scouts first, then the reports.
    for (int l = 0; l < (m_nPage == kScoutsPage ? 2 : 1); ++l) {
        CListControl* list = GetPageList(l);
        if (!list || !list->IsVisible() || !list->WindowRect().Contains(pt)) continue;
        const int row = list->GetPointerRow();
        if (row < 0 || row >= list->GetRowCount() || !list->GetItemData(row)) continue;
        OpenPersonFromRow(list, row, l == 1 ? kPersonListPlayers : -1);
        return;
    }
}

void CPlayerScreen::OnRButtonDown(uint32_t flags, Point pt) {
    CSectionHub::OnRButtonDown(flags, pt);
    const int row = HitTestListRow(pt.x, pt.y);
    int key = m_nPage;
    uintptr_t person = 0;
    if (row >= 0 && (m_nPage == kClubTransfersPage || m_nPage == kBidsPage || m_nPage == kHubPage ||
                     (m_nPage == kTransferListPage && GetPageList(0) && GetPageList(0)->WindowRect().Contains(pt)))) {
        if (!HubManagerEmployed()) return;
        person = GetListRowData(pt.x, pt.y);
        if (!person) return;
        key = m_nPage == kHubPage ? 121 : 120;
        if (key == 120) g_pSelectedPlayer = reinterpret_cast<CPlayer*>(person);
        else g_pSelectedEmployee = reinterpret_cast<CEmployee*>(person);
    }
    ShowContextMenu(key, pt.x, pt.y, person);
}

unsigned CPlayerScreen::GetTipId(unsigned id) const {
    auto* self = const_cast<CPlayerScreen*>(this);
    auto buttonId = [&](int b) { return self->GetButtonCount() > b ? self->GetButton(b).Id() : 0u; };
    if (m_nPage == kPurchasePage && id == 503 && (m_bDealAgreed || m_bTalksEnded)) return 580;
    if (m_nPage == kContractPage && id == 515 && (m_bDealAgreed || m_bTalksEnded)) return 580;
    if (m_nPage != kPersonPage || m_bSubjectGone) return id;
    if (id == buttonId(kActionButton)) return GetActionTipId();
    switch (m_nSubjectKind) {
        case kPersonListPlayers: {
            const auto* player = static_cast<const CPlayer*>(m_pSubject);
            const CClub* own = UserClub();
            const bool ours = player && own && player->GetClub() == own;
            if (id == buttonId(kReleaseButton)) return ours ? (IsModalPage() ? 598 : 20) : 597;
            if (id == 799 && ours) return 970;
            return id;
        }
        case kPersonListStaff: {
            static constexpr unsigned kJobTips[15] = {1066, 1067, 969,  1069, 970,  1071, 1072, 1073,
                                                      1074, 1075, 1076, 1077, 1078, 1079, 1080};
            const auto* e = static_cast<const CEmployee*>(m_pSubject);
            if (id == 800 && e) return e->m_JobKind <= 14 ? kJobTips[e->m_JobKind] : 0;
            return id;
        }
        case kPersonListYouths: return id == buttonId(kRenewButton) ? 543 : id;
        default: return id;
    }
}

bool CPlayerScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    const unsigned id = GetTipId(spot->Id());
    text = id ? platform::LoadString(id) : std::string();
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

bool CPlayerScreen::GetArrowTip(unsigned arrowId, std::string& text) const {
    auto arrowOf = [&](const CXSpinedit& f) {
        if (!f.IsAlive()) return 0u;
        if (static_cast<int>(arrowId) == f.GetDownArrowId()) return 333u;
        if (static_cast<int>(arrowId) == f.GetUpArrowId()) return 332u;
        return 0u;
    };
    unsigned tip = 0;
    if (m_nPage == kPurchasePage || m_nPage == kContractPage)
        for (const MoneyField& m : m_Fields) tip = tip ? tip : arrowOf(m.field);
    if (m_nPage == kTransferListPage)
        for (const CXSpinedit& f : m_SearchFields) tip = tip ? tip : arrowOf(f);
    if (!tip) return false;
    text = platform::LoadString(tip);
    return true;
}
