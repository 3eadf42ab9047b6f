// The transfer market's two list pages: the transfer list (47) with its
// search over the tree's scope, the three views, the first presses of buy
// and loan and the players handed to a scout; and the scouts page (37) with
// each scout's reports. The approach checks that pages 60, 47 and 37 share
// live here too.
#include <algorithm>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/playerscreen.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/xspinedit.h"

using namespace platform::win;

namespace {

constexpr uint32_t kMarketWhite = platform::gfx::RGB(255, 255, 255);
constexpr const char* kMarketLeftArrow = "gfx\\scroll\\leftarrow.bmp";
constexpr const char* kMarketRightArrow = "gfx\\scroll\\rightarrow.bmp";
// Tree levels the scope is read by.
constexpr int kScopeFederation = 1, kScopeCountry = 2, kScopeDivision = 3, kScopeClub = 4;
constexpr int kDefaultSortColumn = 4;
constexpr int kRatingColumn = 2;
constexpr unsigned kUnknownRating = 58202;
constexpr int kScoutSelectable = 10;
// The list filter's names, 0 to 3.
constexpr unsigned kFilterNames[4] = {179, 354, 251, 252};
constexpr uint32_t kFieldIds[CPlayerScreen::kSearchFields] = {23243, 23245, 23247, 23249, 23251, 23253};
// The three range rows: minimum and maximum fields.
constexpr int kRangeRowY[3] = {324, 352, 380};
constexpr int kMaxSearchValue = 99999999;
// Page 37's rows.
constexpr int kScoutTitleLabel = 0, kReportHeading = 2;
constexpr Rect kReportPanelRect{25, 148, 570, 260};

std::string MarketFmt(unsigned id, std::initializer_list<platform::MsgArg> args) {
    return platform::FormatMessageId(id, args);
}

bool MarketWilling(const std::string& refusal) { return refusal.empty() || refusal == "T"; }

CPlayerSearch& MarketSearch() {
    CWorldData* w = GetWorldData();
    if (CPlayerSearch* s = w ? w->GetCurrentPlayerSearch() : nullptr) return *s;
    // Without a user the page still searches, with the defaults.
    static CPlayerSearch fallback;
    return fallback;
}

void MarketButtonPictures(CXButton* b, const std::string& name) {
    if (!b) return;
    const std::string path = "gfx\\buttons\\" + name + ".bmp";
    b->SetBitmaps(path.c_str());
    b->Redraw();
}

}  // namespace

// ---- The approach checks (pages 60, 47, 37) ----

void CPlayerScreen::SayRefusal(const std::string& text, int playerIndex) {
    if (m_nPage == kTransferListPage) AddBuyLine(text, false);
    else UserMessageBoxText(text, kBoxNotice, playerIndex);
}

CPlayerScreen::Approach CPlayerScreen::CheckApproach(CPlayer& p, int page) {
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (!own || !w) return Approach::kRefused;
    CClub* his = p.GetClub();
    if (his == own) return Approach::kRefused;
    const std::string name = p.GetName();
    const int index = WorldIndexOf(p);
    // Borrowed players are not traded.
    if (p.IsOnLoan()) {
        SayRefusal(MarketFmt(837, {name, own->GetName()}), index);
        return Approach::kRefused;
    }
    const bool free = p.IsFreeAgent() || !his;
    const double price = p.m_AskingPrice > -1.0 ? std::floor(p.m_AskingPrice) : -1.0;
    const CCountry* current = w->GetCurrentCountry();
    if (!free && !p.IsListed() && current && !own->CanAfford(0.6 * p.GetTransferFee(*current))) {
        SayRefusal(platform::LoadString(10203), -1);
        return Approach::kRefused;
    }
    if (own->CanSignPlayer(&p, true) != 0) return Approach::kRefused;
    const uint32_t id = static_cast<uint32_t>(index);
    if (price == 0 || !his) {
        if (own->HasBidForPlayer(id)) {
            if (page == kPersonPage) SayRefusal(MarketFmt(839, {name}), index);
            return Approach::kRefused;
        }
        return Approach::kFree;
    }
    CHumanManager* user = w->GetCurrentUser();
    if (user && user->IsNegotiatingFor(&p)) {
        SayRefusal(MarketFmt(840, {name}), index);
        return Approach::kRefused;
    }
    const bool unlistedOrFree = !p.IsListed() || free;
    if (own->HasBidForPlayer(id) && (page == kScoutsPage || !his->GetHumanManager())) {
        if (page == kPersonPage) SayRefusal(MarketFmt(839, {name}), index);
        else if (price > 0) SayRefusal(MarketFmt(838, {his->GetName(), name}), index);
        else if (unlistedOrFree) SayRefusal(MarketFmt(837, {name, own->GetName()}), index);
        return Approach::kRefused;
    }
    if (!p.IsListed() && !free) {
        const CPopularity* row = his->GetPopularity();
        if (row && Random(100) <= row->m_UnlistedRefusalChance) {
            SayRefusal(MarketFmt(837, {name, own->GetName()}), index);
            return Approach::kRefused;
        }
    }
    const int position = p.GetPosition();
    if (!free && his->CountAvailableInPosition(position) <= CClub::GetMinPlayersInPosition(position)) {
        SayRefusal(MarketFmt(838, {his->GetName(), name}), index);
        return Approach::kRefused;
    }
    const std::string refusal = p.GetRefusalText(*own, false);
    if (!MarketWilling(refusal)) {
        if (price > 0) SayRefusal(MarketFmt(838, {his->GetName(), name}), index);
        else if (!p.IsListed() || (free && page != kScoutsPage))
            SayRefusal(MarketFmt(837, {name, own->GetName()}), index);
        return Approach::kRefused;
    }
    return free ? Approach::kFree : Approach::kTransfer;
}

// ---- Page 47: set-up ----

void CPlayerScreen::InitialiseTransferList() {
    CPlayerSearch& search = MarketSearch();
    for (int i = 0; i < 4; ++i) m_Positions[static_cast<size_t>(i)] = search.GetPositionFlag(i) ? 1 : 0;
    // A filter from an old saved search outside the four names counts as the first.
    m_nListFilter = search.GetOption1() >= 0 && search.GetOption1() <= 3 ? search.GetOption1() : 0;
    search.m_Option1 = m_nListFilter;
    SetPositionPictures();
    SetModePictures();
    if (CXButton* b = GetPageButton(kFiltersOnButton)) b->SetTicked(search.GetOption4() == 1);
    if (CXButton* b = GetPageButton(kScoutedOnlyButton)) b->SetTicked(search.m_Option3 != 0);
    for (int b : {kOkButton, kBuyButton, kLoanButton})
        if (CXButton* button = GetPageButton(b)) button->Enable(false);
    SetLabel(GetPageLabel(kFilterNameLabel), platform::LoadString(kFilterNames[m_nListFilter]));
    CreateSearchFields();
    CClub* own = UserClub();
    SetLabel(GetPageLabel(kFundsValue), own ? MoneyText(own->GetTransferBudget(), own) : platform::LoadString(485));
    SetLabel(GetPageLabel(kValuationValue), platform::LoadString(485));
    // Made again from the history: the scope the page showed; else the tree's.
    if (m_bHistoryValueSet)
        AdoptScope(static_cast<uintptr_t>(m_nHistoryValue), m_nHistorySubValue == 255 ? 0 : m_nHistorySubValue);
    else
        AdoptScope(g_nTreeSelectionData, TreeNodeKind(g_nTreeSelectionLevel, g_nTreeSelectionKind));
    if (auto* manager = dynamic_cast<CScreenManager*>(Parent()); manager && m_bHistoryValueSet && m_TreeData)
        if (CTreeNode* node = manager->FindTreeItem(m_TreeData)) manager->SelectTreeNode(node);
    m_InfoPanel.Create("", WS_CHILD | WS_VISIBLE, kInfoPanelRect, this, 23254, "Arial Narrow", 14, kMarketWhite, 0, 0);
    m_BuyPanel.Create("", WS_CHILD | WS_VISIBLE, kBuyPanelRect, this, 23255, "Arial Narrow", 14, kMarketWhite, 0, 0);
    if (CListControl* list = GetPageList(0)) {
        list->m_bSelectable = 1;
        list->m_nMarkedSlotCount = 1;
    }
    if (CListControl* scouts = GetPageList(1)) scouts->m_bSelectable = 1;
    FillTransferList(true);
}

void CPlayerScreen::CreateSearchFields() {
    const CPlayerSearch& search = MarketSearch();
    const CCountry* country = MoneyCountry(nullptr);
    const int values[kSearchFields] = {static_cast<int>(std::min<double>(search.GetMinValue(), kMaxSearchValue)),
                                       static_cast<int>(std::min<double>(search.GetMaxValue(), kMaxSearchValue)),
                                       search.GetMinSkill(),
                                       search.GetMaxSkill(),
                                       search.GetMinAge(),
                                       search.GetMaxAge()};
    for (int i = 0; i < kSearchFields; ++i) {
        const int row = i / 2;
        const Rect r = i % 2 == 0 ? Rect{130, kRangeRowY[row], 300, kRangeRowY[row] + 22}
                                  : Rect{310, kRangeRowY[row], 480, kRangeRowY[row] + 22};
        const bool money = row == 0;
        const int minimum = money ? 0 : row == 1 ? 10 : 15;
        const int maximum = money ? kMaxSearchValue : row == 1 ? 99 : 45;
        m_SearchFields[static_cast<size_t>(i)].Create("", WS_VISIBLE, r, this, kFieldIds[i], kMarketLeftArrow,
                                                       kMarketRightArrow, minimum, maximum,
                                                       money ? country : nullptr, 4, values[i], money ? 10000 : 1,
                                                       "Arial Narrow", 11, "");
    }
    // Each field limits its partner.
    for (int row = 0; row < 3; ++row) {
        CXSpinedit& lo = m_SearchFields[static_cast<size_t>(2 * row)];
        CXSpinedit& hi = m_SearchFields[static_cast<size_t>(2 * row + 1)];
        const double loValue = lo.GetShownValue(), hiValue = hi.GetShownValue();
        lo.SetShownRange(lo.GetShownMin(), hiValue);
        hi.SetShownRange(loValue, hi.GetShownMax());
    }
}

// ---- Page 47: filling ----

void CPlayerScreen::FillTransferList(bool refill) {
    CListControl* list = GetPageList(0);
    CWorldData* w = GetWorldData();
    if (!list || !w) return;
    const CPlayerSearch& search = MarketSearch();
    if (refill) list->ResetContent();
    std::string scopeName;
    if (m_SearchResults.GetSize() == 0) {
        const CClub* own = UserClub();
        // Computer clubs of a division; a club scope lists its squad, never the user's own.
        auto addClub = [&](const CClub* club, bool computerOnly) {
            if (!club || club == own) return;
            if (computerOnly && (!club->HasManager() || club->IsHumanManaged())) return;
            club->AddMatchingPlayers(search, m_SearchResults, m_SearchClubs, list);
        };
        auto addDivision = [&](const CDivision* d) {
            if (!d) return;
            for (int k = 0; k < d->GetClubCount(); ++k) addClub(w->GetClub(d->GetFirstClub() + k), true);
        };
        auto addCountry = [&](const CCountry* c) {
            if (!c) return;
            for (int i = 0; i < c->GetDivisionCount(); ++i) addDivision(c->GetDivision(i));
        };
        const CCountry* fallback = w->GetCurrentCountry();
        switch (m_TreeData ? m_nTreeKind : -1) {
            case kScopeFederation: {
                const auto* f = reinterpret_cast<const CFederation*>(m_TreeData);
                for (int i = 0; i < f->GetCountryCount(); ++i)
                    addCountry(w->GetCountry(static_cast<int>(f->GetCountryIndex(i))));
                scopeName = f->GetName();
                break;
            }
            case kScopeCountry: {
                const auto* c = reinterpret_cast<const CCountry*>(m_TreeData);
                addCountry(c);
                scopeName = c->GetName();
                break;
            }
            case kScopeDivision: {
                const auto* d = reinterpret_cast<const CDivision*>(m_TreeData);
                addDivision(d);
                scopeName = d->GetName();
                break;
            }
            case kScopeClub: {
                const auto* club = reinterpret_cast<const CClub*>(m_TreeData);
                addClub(club, false);
                scopeName = club->GetName();
                break;
            }
            default:
                addCountry(fallback);
                if (fallback) scopeName = fallback->GetName();
                break;
        }
    } else {
        for (int i = 0; i < m_SearchResults.GetSize(); ++i)
            if (const CPlayer* p = m_SearchResults.GetAt(i))
                p->AddTransferRow(*list, m_SearchClubs[static_cast<size_t>(i)], false, search);
        if (CXStatic* scope = GetPageLabel(kScopeLabel)) {
            const std::string& t = scope->GetText();
            const size_t sep = t.rfind(" - ");
            scopeName = sep == std::string::npos ? t : t.substr(0, sep);
        }
    }
    SetLabel(GetPageLabel(kScopeLabel), scopeName + " - " + platform::LoadString(kFilterNames[m_nListFilter]));
    for (int r = 0; r < list->GetRowCount(); ++r) {
        list->SetRowData2(r, kPersonListPlayers);
        // A rating no scout has reported is unknown, not missing.
        const char* rating = list->GetItemText(r, kRatingColumn);
        if (!rating || !*rating) list->SetItem(r, kRatingColumn, platform::LoadString(kUnknownRating));
    }
    list->Sort(m_nSortColumn < 0 ? kDefaultSortColumn : m_nSortColumn);
    ApplyViewMode();
    if (refill) list->Redraw();
    Repaint(0);
}

void CPlayerScreen::ShowSearchFields(bool show) {
    for (CXSpinedit& f : m_SearchFields)
        if (f.IsAlive()) f.Enable(show);
    for (int l = kFirstRangeLabel; l < kFirstRangeLabel + 3; ++l) ShowLabel(l, show);
    ShowLabel(kFiltersOnLabel, show);
    ShowLabel(kScoutedOnlyLabel, show);
    for (int b : {kFiltersOnButton, kScoutedOnlyButton})
        if (CXButton* button = GetPageButton(b)) {
            button->Show(show);
            button->Enable(show);
        }
}

void CPlayerScreen::ApplyViewMode() {
    const bool filters = m_nViewMode == kFiltersView, scout = m_nViewMode == kScoutView,
               buying = m_nViewMode == kApproachView;
    ShowSearchFields(filters);
    if (CXButton* ok = GetPageButton(kOkButton)) {
        ok->Show(scout);
        ok->Enable(false);
    }
    if (CListControl* scouts = GetPageList(1)) {
        scouts->ResetContent();
        if (scout)
            if (CClub* own = UserClub()) own->FillEmployeeRowsSummary(*scouts);
        for (int r = 0; r < scouts->GetRowCount(); ++r) scouts->SetRowData2(r, kPersonListStaff);
        scouts->Show(scout);
    }
    if (m_InfoPanel.IsAlive()) m_InfoPanel.Show(scout);
    AddInfoLine(scout ? platform::LoadString(1047) : std::string(), true);
    for (int l : {kFundsLabel, kFundsValue, kValuationLabel, kValuationValue}) ShowLabel(l, buying);
    for (int b : {kBuyButton, kLoanButton})
        if (CXButton* button = GetPageButton(b)) button->Show(buying);
    if (m_BuyPanel.IsAlive()) m_BuyPanel.Show(buying);
    AddBuyLine("", true);
}

void CPlayerScreen::SetPositionPictures() {
    static const char* const kNames[5] = {"all", "keeper", "def", "mid", "strike"};
    const bool all = std::all_of(m_Positions.begin(), m_Positions.end(), [](uint8_t v) { return v != 0; });
    int chosen = all ? 0 : -1;
    if (!all)
        for (int i = 0; i < 4; ++i)
            if (m_Positions[static_cast<size_t>(i)]) chosen = chosen == -1 ? i + 1 : chosen;
    // The position pictures are the squad pages' own: "_lo" is their lit look.
    for (int b = 0; b < 5; ++b)
        MarketButtonPictures(GetPageButton(kFirstPositionButton + b),
                             std::string(kNames[b]) + (b == chosen ? "_lo" : ""));
}

void CPlayerScreen::SetModePictures() {
    static const char* const kNames[3] = {"approach", "search", "scout"};
    static const int kModeOf[3] = {kApproachView, kFiltersView, kScoutView};
    for (int b = 0; b < 3; ++b)
        MarketButtonPictures(GetPageButton(kApproachModeButton + b),
                             std::string(kNames[b]) + (kModeOf[b] == m_nViewMode ? "" : "_lo"));
}

void CPlayerScreen::DisableBuyButtons() {
    m_bBuyReady = m_bLoanReady = 0;
    if (CXButton* buy = GetPageButton(kBuyButton)) {
        buy->SetTextId(1046);
        buy->Enable(false);
        if (m_nViewMode == kApproachView) buy->Redraw();
    }
    if (CXButton* loan = GetPageButton(kLoanButton)) {
        loan->SetTextId(492);
        loan->Enable(false);
        if (m_nViewMode == kApproachView) loan->Redraw();
    }
}

void CPlayerScreen::AddInfoLine(const std::string& line, bool clear) {
    if (clear) {
        m_InfoLines.clear();
        if (m_InfoPanel.IsAlive()) m_InfoPanel.Clear();
    }
    if (!line.empty()) {
        m_InfoLines.push_back(line);
        if (m_InfoPanel.IsAlive()) m_InfoPanel.AddLine(line);
    }
    if (m_InfoPanel.IsAlive()) m_InfoPanel.Redraw();
}

void CPlayerScreen::AddBuyLine(const std::string& line, bool clear) {
    if (clear) {
        m_BuyLines.clear();
        if (m_BuyPanel.IsAlive()) m_BuyPanel.Clear();
    }
    if (!line.empty()) {
        m_BuyLines.push_back(line);
        if (m_BuyPanel.IsAlive()) m_BuyPanel.AddLine(line);
    }
    if (m_BuyPanel.IsAlive()) m_BuyPanel.Redraw();
}

// ---- Page 47: the commands ----

void CPlayerScreen::OnPositionButton(int position) {
    for (int i = 0; i < 4; ++i) m_Positions[static_cast<size_t>(i)] = position < 0 || position == i ? 1 : 0;
    CPlayerSearch& search = MarketSearch();
    for (int i = 0; i < 4; ++i) search.SetPositionFlag(i, m_Positions[static_cast<size_t>(i)]);
    SetPositionPictures();
    DisableBuyButtons();
    // The results hold the scope's whole squads: the new criteria filter them again.
    FillTransferList(true);
}

void CPlayerScreen::OnViewStep(bool right) {
    m_nListFilter = right ? (m_nListFilter + 1) % 4 : (m_nListFilter + 3) % 4;
    MarketSearch().m_Option1 = m_nListFilter;
    SetLabel(GetPageLabel(kFilterNameLabel), platform::LoadString(kFilterNames[m_nListFilter]));
    m_SearchResults.SetSize(0);
    m_SearchClubs.clear();
    FillTransferList(true);
}

void CPlayerScreen::SetViewMode(int mode) {
    static const char* const kBackgrounds[3] = {"gfx\\backgrounds\\48b.bmp", "gfx\\backgrounds\\48a.bmp",
                                                "gfx\\backgrounds\\50.bmp"};
    if (mode < kFiltersView || mode > kApproachView) return;
    m_nViewMode = mode;
    SetBackgroundPicture(kBackgrounds[mode]);
    SetModePictures();
    if (CListControl* list = GetPageList(0)) {
        list->ClearSelected();
        list->m_nMarkedSlotCount = mode == kScoutView ? kScoutSelectable : 1;
    }
    DisableBuyButtons();
    FillTransferList(true);
}

void CPlayerScreen::OnFiltersOn() {
    CPlayerSearch& search = MarketSearch();
    search.m_Option4 = search.GetOption4() == 1 ? 0 : 1;
    if (CXButton* b = GetPageButton(kFiltersOnButton)) {
        b->SetTicked(search.GetOption4() == 1);
        b->Redraw();
    }
    DisableBuyButtons();
    FillTransferList(true);
}

void CPlayerScreen::OnScoutedOnly() {
    CPlayerSearch& search = MarketSearch();
    search.m_Option3 = search.m_Option3 ? 0 : 1;
    if (CXButton* b = GetPageButton(kScoutedOnlyButton)) {
        b->SetTicked(search.m_Option3 != 0);
        b->Redraw();
    }
    DisableBuyButtons();
    FillTransferList(true);
}

void CPlayerScreen::OnSearchFieldChanged(CXSpinedit* field, bool stepped) {
    int i = 0;
    while (i < kSearchFields && &m_SearchFields[static_cast<size_t>(i)] != field) ++i;
    if (i == kSearchFields) return;
    CXSpinedit& partner = m_SearchFields[static_cast<size_t>(i ^ 1)];
    const double shown = field->GetShownValue();
    if (i % 2 == 0) partner.SetShownRange(shown, partner.GetShownMax());
    else partner.SetShownRange(partner.GetShownMin(), shown);
    CPlayerSearch& search = MarketSearch();
    const auto byte = static_cast<uint8_t>(std::clamp(shown, 1.0, 255.0));
    switch (i) {
        case 0:
        case 1: {
            const CCountry* country = MoneyCountry(nullptr);
            const double local = field->GetValue();
            const auto base = static_cast<float>(std::trunc(country ? country->ToBaseMoney(local) : local));
            if (i == 0) search.SetMinValue(std::max(0.0f, base));
            else search.SetMaxValue(std::max(0.0f, base));
            break;
        }
        case 2: search.SetMinSkill(std::clamp<uint8_t>(byte, 10, 99)); break;
        case 3: search.SetMaxSkill(std::clamp<uint8_t>(byte, 10, 99)); break;
        case 4: search.SetMinAge(byte); break;
        default: search.SetMaxAge(byte); break;
    }
    // A typed limit waits for the next refill.
    if (stepped) {
        DisableBuyButtons();
        FillTransferList(true);
    }
}

CPlayer* CPlayerScreen::SelectedListPlayer() const {
    CListControl* list = const_cast<CPlayerScreen*>(this)->GetPageList(0);
    if (!list || list->GetSelectedCount() == 0) return nullptr;
    const int row = list->GetSelected(0);
    if (row < 0 || row >= list->GetRowCount()) return nullptr;
    return reinterpret_cast<CPlayer*>(list->GetItemData(row));
}

void CPlayerScreen::OnBuyPlayer() {
    CPlayer* p = SelectedListPlayer();
    if (!p) return;
    if (m_bBuyReady) {
        m_bBuyReady = 0;
        const bool free = p->IsFreeAgent() || !p->GetClub() || p->m_AskingPrice == 0.0;
        if (free) OpenNegotiation(kContractPage, p, kPersonListPlayers, 0, 0);
        else OpenNegotiation(kPurchasePage, p, kPersonListPlayers, 0, 0);
        return;
    }
    AddBuyLine("", true);
    const Approach a = CheckApproach(*p, kTransferListPage);
    CXButton* buy = GetPageButton(kBuyButton);
    if (a == Approach::kRefused) {
        m_bBuyReady = 0;
        if (buy) buy->Enable(false);
        return;
    }
    const CClub* his = p->GetClub();
    if (a == Approach::kFree) AddBuyLine(MarketFmt(1051, {p->GetName()}), false);
    else AddBuyLine(MarketFmt(1050, {his ? his->GetName() : std::string(), p->GetName()}), false);
    if (buy) {
        buy->SetTextId(1101);
        buy->Enable(true);
        buy->Redraw();
    }
    m_bBuyReady = 1;
}

void CPlayerScreen::OnLoanPlayer() {
    CPlayer* p = SelectedListPlayer();
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (!p || !own || !w) return;
    if (m_bLoanReady) {
        m_bLoanReady = 0;
        OpenNegotiation(kPurchasePage, p, kPersonListPlayers, 0, 1);
        return;
    }
    AddBuyLine("", true);
    CXButton* loan = GetPageButton(kLoanButton);
    auto refuse = [&](const std::string& text) {
        if (!text.empty()) AddBuyLine(text, false);
        m_bLoanReady = 0;
        if (loan) loan->Enable(false);
    };
    const std::string name = p->GetName();
    CClub* his = p->GetClub();
    // Borrowed, clubless and own players are not lent.
    if (p->IsOnLoan() || !his) return refuse(MarketFmt(837, {name, own->GetName()}));
    if (his == own) return refuse("");
    if (own->CanSignPlayer(p, true) != 0) return refuse("");
    const uint32_t id = static_cast<uint32_t>(WorldIndexOf(*p));
    CHumanManager* user = w->GetCurrentUser();
    if (user && user->IsNegotiatingFor(p)) return refuse(MarketFmt(840, {name}));
    if (own->HasLoanDealForPlayer(id) || own->HasBidForPlayer(id)) return refuse(MarketFmt(836, {name}));
    AddBuyLine(MarketFmt(1103, {his->GetName(), name}), false);
    if (loan) {
        loan->SetTextId(1102);
        loan->Enable(true);
        loan->Redraw();
    }
    m_bLoanReady = 1;
}

// ---- Page 47: handing players to a scout ----

int CPlayerScreen::CollectScoutPlayers(CPlayer* players[10]) const {
    for (int i = 0; i < CScout::kMaxPlayers; ++i) players[i] = nullptr;
    CListControl* list = const_cast<CPlayerScreen*>(this)->GetPageList(0);
    if (!list) return 0;
    int n = 0;
    for (int i = 0; i < std::min(list->GetSelectedCount(), CScout::kMaxPlayers); ++i) {
        const int row = list->GetSelected(i);
        if (row >= 0 && row < list->GetRowCount())
            if (auto* p = reinterpret_cast<CPlayer*>(list->GetItemData(row))) players[n++] = p;
    }
    return n;
}

CScout* CPlayerScreen::ScoutRecordOf(const CEmployee* scout) const {
    CClub* own = UserClub();
    if (!own || !scout) return nullptr;
    const int index = own->Staff().FindIndex(scout);
    if (index < 0) return nullptr;
    for (CScout& s : own->Scouts())
        if (s.IsAssigned() && s.GetEmployee() == index) return &s;
    return nullptr;
}

CScout* CPlayerScreen::SelectedScoutRecord(CEmployee** scout) const {
    *scout = nullptr;
    CListControl* scouts = const_cast<CPlayerScreen*>(this)->GetPageList(1);
    if (!scouts || scouts->GetSelectedCount() == 0) return nullptr;
    const int row = scouts->GetSelected(0);
    if (row < 0 || row >= scouts->GetRowCount()) return nullptr;
    *scout = reinterpret_cast<CEmployee*>(scouts->GetItemData(row));
    return ScoutRecordOf(*scout);
}

void CPlayerScreen::PreviewScoutAssignment() {
    CPlayer* players[CScout::kMaxPlayers];
    CollectScoutPlayers(players);
    CEmployee* employee = nullptr;
    CScout* record = SelectedScoutRecord(&employee);
    CXButton* ok = GetPageButton(kOkButton);
    AddInfoLine("", true);
    if (ok) ok->Enable(false);
    // A scout without a record takes no assignment.
    if (!record) return;
    std::string reply;
    const CScout::AssignResult result = record->MakeAssignment(reply, players, false);
    AddInfoLine(reply, false);
    if (ok) {
        ok->Enable(result == CScout::kAssignAsk);
        ok->Redraw();
    }
}

void CPlayerScreen::OnConfirmScoutAssignment() {
    CPlayer* players[CScout::kMaxPlayers];
    CollectScoutPlayers(players);
    CEmployee* employee = nullptr;
    CScout* record = SelectedScoutRecord(&employee);
    if (!record) return;
    std::string reply;
    const CScout::AssignResult result = record->MakeAssignment(reply, players, true);
    AddInfoLine(result == CScout::kAssignDone ? platform::LoadString(32933) : reply, true);
    if (CListControl* scouts = GetPageList(1)) {
        scouts->ResetContent();
        if (CClub* own = UserClub()) own->FillEmployeeRowsSummary(*scouts);
        for (int r = 0; r < scouts->GetRowCount(); ++r) scouts->SetRowData2(r, kPersonListStaff);
        scouts->Redraw();
    }
    if (CListControl* list = GetPageList(0)) {
        list->ClearSelected();
        list->Redraw();
    }
    if (CXButton* ok = GetPageButton(kOkButton)) {
        ok->Enable(false);
        ok->Redraw();
    }
}

void CPlayerScreen::OnSearchListClick() {
    CListControl* list = GetPageList(0);
    if (!list) return;
    CPlayer* p = SelectedListPlayer();
    if (!p) {
        DisableBuyButtons();
        if (m_nViewMode == kScoutView) {
            AddInfoLine(platform::LoadString(1047), true);
            if (CXButton* ok = GetPageButton(kOkButton)) ok->Enable(false);
        }
        return;
    }
    std::string valuation;
    if (CClub* own = UserClub())
        for (const CScout& s : own->Scouts())
            if (valuation.empty()) valuation = s.GetGradeText(*p);
    SetLabel(GetPageLabel(kValuationValue), valuation.empty() ? platform::LoadString(485) : valuation);
    if (m_nViewMode == kScoutView) {
        CListControl* scouts = GetPageList(1);
        CXButton* ok = GetPageButton(kOkButton);
        if (!scouts || scouts->GetRowCount() == 0) {
            AddInfoLine(platform::LoadString(1087), true);
            if (ok) ok->Enable(false);
        } else if (scouts->GetSelectedCount() > 0) {
            PreviewScoutAssignment();
        } else {
            AddInfoLine(platform::LoadString(1088), true);
            if (ok) ok->Enable(false);
        }
        return;
    }
    if (m_nViewMode == kApproachView) {
        m_bBuyReady = m_bLoanReady = 0;
        AddBuyLine("", true);
        for (int b : {kBuyButton, kLoanButton})
            if (CXButton* button = GetPageButton(b)) {
                button->SetTextId(b == kBuyButton ? 1046 : 492);
                button->Enable(true);
                button->Redraw();
            }
    }
}

void CPlayerScreen::OnScoutListClick() {
    if (m_nViewMode != kScoutView) return;
    CListControl* list = GetPageList(0);
    CListControl* scouts = GetPageList(1);
    const bool players = list && list->GetSelectedCount() > 0;
    const bool scout = scouts && scouts->GetSelectedCount() > 0;
    CXButton* ok = GetPageButton(kOkButton);
    if (players && scout) {
        PreviewScoutAssignment();
        return;
    }
    AddInfoLine(platform::LoadString(players ? 1088 : 1047), true);
    if (ok) ok->Enable(false);
}

// ---- Page 37: the scouts ----

void CPlayerScreen::InitialiseScoutsPage() {
    m_Reply.Create("", WS_CHILD | WS_VISIBLE, kReportPanelRect, this, 23256, "Arial Narrow", 21, kMarketWhite, 0, 0);
    CListControl* scouts = GetPageList(0);
    if (!scouts) return;
    scouts->m_bSelectable = 1;
    scouts->ResetContent();
    if (CClub* own = UserClub()) own->FillEmployeeRowsSummary(*scouts);
    for (int r = 0; r < scouts->GetRowCount(); ++r) scouts->SetRowData2(r, kPersonListStaff);
    if (CListControl* reports = GetPageList(1)) reports->m_bSelectable = 1;
    m_pSelectedStaff = nullptr;
    m_pSelectedPlayer = nullptr;
    if (scouts->GetRowCount() > 0) {
        scouts->ClearSelected();
        scouts->AddSelected(0);
        scouts->SetSelection(0);
        m_pSelectedStaff = reinterpret_cast<CEmployee*>(scouts->GetItemData(0));
    }
    RefreshScoutPanel(true);
}

void CPlayerScreen::RefreshScoutPanel(bool rebuild) {
    CListControl* scouts = GetPageList(0);
    CListControl* reports = GetPageList(1);
    if (!scouts || !reports) return;
    CScout* record = nullptr;
    if (m_pSelectedStaff) record = ScoutRecordOf(m_pSelectedStaff);
    AddReply("", true);
    CXButton* buy = GetPageButton(0);
    const bool reportChosen = reports->GetSelectedCount() > 0 && m_pSelectedPlayer;
    if (!reportChosen || rebuild) {
        if (rebuild) {
            reports->ResetContent();
            if (record) record->FillList(*reports);
            for (int r = 0; r < reports->GetRowCount(); ++r) reports->SetRowData2(r, kPersonListPlayers);
            reports->Sort(2);
            m_pSelectedPlayer = nullptr;
        }
        SetLabel(GetPageLabel(kReportHeading), platform::LoadString(34197));
        if (buy) buy->Enable(false);
    } else {
        SetLabel(GetPageLabel(kReportHeading),
                 MarketFmt(47066, {platform::LoadString(34197), m_pSelectedPlayer->GetName()}));
        if (record) AddReply(record->MakeReport(*m_pSelectedPlayer), false);
        if (buy) buy->Enable(true);
    }
    if (m_pSelectedStaff) {
        ShowPersonFace(m_pSelectedStaff->Person());
        SetLabel(GetPageLabel(kScoutTitleLabel),
                 MarketFmt(47066, {m_pSelectedStaff->GetName(), m_pSelectedStaff->GetJobTitle()}));
    } else {
        SetLabel(GetPageLabel(kScoutTitleLabel), platform::LoadString(47052));
    }
    if (buy) buy->Redraw();
    scouts->Redraw();
    reports->Redraw();
    Repaint(0);
}

void CPlayerScreen::OnBuyScoutedPlayer() {
    CPlayer* p = m_pSelectedPlayer;
    if (!p) return;
    const Approach a = CheckApproach(*p, kScoutsPage);
    if (a == Approach::kFree) OpenNegotiation(kContractPage, p, kPersonListPlayers, 0, 0);
    else if (a == Approach::kTransfer) OpenNegotiation(kPurchasePage, p, kPersonListPlayers, 0, 0);
}

// ---- Clicks and notices of pages 47 and 37 ----

void CPlayerScreen::OnListClick(CListControl* list, int row, int column) {
    CSectionHub::OnListClick(list, row, column);
    if (m_nPage == kTransferListPage) {
        if (list == GetPageList(0)) OnSearchListClick();
        else if (list == GetPageList(1)) OnScoutListClick();
        return;
    }
    if (m_nPage != kScoutsPage || !list || row < 0 || row >= list->GetRowCount()) return;
    if (list == GetPageList(0)) {
        // Another scout: his reports.
        m_pSelectedStaff = reinterpret_cast<CEmployee*>(list->GetItemData(row));
        m_pSelectedPlayer = nullptr;
        RefreshScoutPanel(true);
    } else if (list == GetPageList(1)) {
        m_pSelectedPlayer = reinterpret_cast<CPlayer*>(list->GetItemData(row));
        RefreshScoutPanel(false);
    }
}

intptr_t CPlayerScreen::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    if (msg == kMsgMarkScopeEntry) {
        MarkScopeEntry();
        return 1;
    }
    if (msg == kMsgSpinArrowTip) {
        auto* text = reinterpret_cast<std::string*>(l);
        return text && GetArrowTip(static_cast<unsigned>(w), *text) ? 1 : 0;
    }
    if (m_nPage == kTransferListPage && (msg == kMsgSpinStepped || msg == kMsgSpinTyped)) {
        OnSearchFieldChanged(reinterpret_cast<CXSpinedit*>(w), msg == kMsgSpinStepped);
        return 1;
    }
    if (msg == kMsgListSorted) {
        if (m_nPage == kTransferListPage && GetPageList(0) && static_cast<uint32_t>(w) == GetPageList(0)->Id())
            m_nSortColumn = static_cast<int>(l);
        return 1;
    }
    return CSectionHub::OnMessage(msg, w, l);
}

bool CPlayerScreen::OnMarketCommand(uint32_t id) {
    if (m_nPage == kScoutsPage) {
        if (id != 456) return false;
        OnBuyScoutedPlayer();
        return true;
    }
    switch (id) {
        case 532: OnPositionButton(-1); return true;
        case 445: OnPositionButton(0); return true;
        case 446: OnPositionButton(1); return true;
        case 447: OnPositionButton(2); return true;
        case 448: OnPositionButton(3); return true;
        case 533: OnViewStep(false); return true;
        case 576: OnViewStep(true); return true;
        case 1034: SetViewMode(kFiltersView); return true;
        case 1035: SetViewMode(kScoutView); return true;
        case 1036: SetViewMode(kApproachView); return true;
        case 1037: OnFiltersOn(); return true;
        case 1082: OnScoutedOnly(); return true;
        case 1039: OnConfirmScoutAssignment(); return true;
        case 1046: OnBuyPlayer(); return true;
        case 492: OnLoanPlayer(); return true;
        default: return false;
    }
}

void CPlayerScreen::OpenPersonFromRow(CListControl* list, int row, int kindOverride) {
    if (!list || row < 0 || row >= list->GetRowCount()) return;
    const uintptr_t person = list->GetItemData(row);
    if (!person) return;
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return;
    PersonPageParams p;
    p.subject = reinterpret_cast<void*>(person);
    p.kind = kindOverride >= 0 ? kindOverride : static_cast<int>(list->GetItemData2(row));
    g_nScreenId = kPersonPage;
    CScreen* page = MakePage(PageClass::Player);
    page->SetPageParams(p);
    manager->SetScreen(page, true, true, false, true, false);
}
