// Page 40: the club's youth squad beside the country's available youths.
#include <memory>
#include <utility>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "screens/squadscreen.h"
#include "screens/squadscreen_fit.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/youth.h"
#include "ui/listcontrol.h"

using namespace platform::win;

namespace {

constexpr unsigned kHireText = 48081;
constexpr unsigned kSackText = 48080;
constexpr unsigned kSelectFirst = 48082;
constexpr unsigned kOfferQuestion = 48083;
constexpr unsigned kSackQuestion = 48084;
constexpr unsigned kHireQuestion = 48085;
constexpr unsigned kPositionNames = 21;  // 21 to 24
constexpr int kContractScreen = 62;
constexpr intptr_t kClubYouthMode = kPersonListYouths;

// A Yes/No question about a youth, his face in the box.
bool AskYes(unsigned textId, const CPerson& youth) {
    MessageBoxRequest r;
    r.text = platform::FormatMessageId(textId, {youth.GetName()});
    r.type = MB_YESNO;
    r.person = &youth;
    return GetUserPort().ShowMessageBox(r) == IDYES;
}

// The row a click chose: its mark. The list's current row is its hover
// highlight, which follows the pointer on its way to the buttons.
int ChosenRow(const CListControl& list) {
    const int row = list.GetSelectedCount() > 0 ? list.GetSelected(0) : -1;
    return row < list.GetRowCount() ? row : -1;
}

void Unchoose(CListControl& list) {
    list.ClearSelected();
    list.ClearSelection();
}

}  // namespace

CListControl* CSquadScreen::GetCurrentYouthList() {
    if (m_nPage != kYouthPage) return nullptr;
    for (int i = 0; i < GetListCount(); ++i)
        if (GetList(i).Id() == kCurrentYouthList) return &GetList(i);
    return nullptr;
}

CListControl* CSquadScreen::GetAvailableYouthList() {
    if (m_nPage != kYouthPage) return nullptr;
    for (int i = 0; i < GetListCount(); ++i)
        if (GetList(i).Id() == kAvailableYouthList) return &GetList(i);
    return nullptr;
}

CXButton* CSquadScreen::GetOfferButton() { return m_nPage == kYouthPage ? FindButton(kOfferContract) : nullptr; }
CXButton* CSquadScreen::GetSackHireButton() { return m_nPage == kYouthPage ? FindButton(kSackHire) : nullptr; }
CXButton* CSquadScreen::GetFilterButton(int position) {
    return m_nPage == kYouthPage ? FindButton(kFilterAll + static_cast<uint32_t>(position + 1)) : nullptr;
}

void CSquadScreen::SetSackHire(unsigned textId, bool enable) {
    m_nSackHireText = textId;
    if (CXButton* b = GetSackHireButton()) {
        b->SetTextId(textId);
        b->Enable(enable);
        b->Redraw();
    }
}

void CSquadScreen::TickFilter(int position) {
    for (int p = -1; p <= 3; ++p)
        if (CXButton* b = GetFilterButton(p)) {
            b->SetTicked(p == position);
            b->Redraw();
        }
}

void CSquadScreen::InitialiseYouthPage() {
    m_youthFilter = -1;
    m_availableFilter = -1;
    CListControl* current = GetCurrentYouthList();
    CListControl* available = GetAvailableYouthList();
    for (CListControl* list : {current, available})
        if (list) {
            list->m_bSelectable = 1;
            list->m_bFitText = 1;
        }
    // Each list is a source of drags and takes the drops of the other.
    if (current && available) {
        for (auto [list, other] : {std::pair{current, available}, std::pair{available, current}}) {
            const int spot = AddHotSpot(list->WindowRect(), kSpotDragSource | kSpotDropTarget, list->Id());
            if (CHotSpot* s = GetHotSpot(spot)) s->AddAcceptedSource(other);
        }
    }
    if (CXButton* offer = GetOfferButton()) offer->Enable(false);
    SetSackHire(kHireText, false);
}

void CSquadScreen::FillCurrentYouths() {
    CListControl* list = GetCurrentYouthList();
    if (!list) return;
    list->ResetContent();
    Unchoose(*list);
    if (const CClub* club = CurrentClub()) club->FillYouthListControl(*list, m_youthFilter);
}

// Builds the page; the radio row shows the filter the Current Youth List
// is filled with.
void CSquadScreen::BuildYouthPage() {
    CClub* club = CurrentClub();
    if (CXStatic* name = FindLabel(30, 61)) SetFittedLabelText(*name, club ? club->GetName() : platform::LoadString(735));
    TickFilter(m_youthFilter);
    if (club) BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    FillCurrentYouths();
    if (CListControl* available = GetAvailableYouthList()) {
        available->ResetContent();
        Unchoose(*available);
        if (const CCountry* country = club ? club->GetCountry() : nullptr) country->FillAvailableYouthList(*available);
        available->Redraw();
    }
    Repaint(0);
}

void CSquadScreen::OnYouthFilter(int position) {
    m_youthFilter = position;
    if (CListControl* available = GetAvailableYouthList()) {
        Unchoose(*available);
        available->Redraw();
    }
    if (CXButton* offer = GetOfferButton()) offer->Enable(false);
    SetSackHire(kHireText, false);
    TickFilter(position);
    FillCurrentYouths();
    Repaint(0);
}

void CSquadScreen::OnListSorted(uint32_t listId, int column) {
    if (listId == kCurrentYouthList)
        m_youthSortColumn = column;
    else
        m_availableSortColumn = column;
}

void CSquadScreen::OnOfferContract() {
    CListControl* list = GetCurrentYouthList();
    CClub* club = CurrentClub();
    if (!list || !club) return;
    const int row = ChosenRow(*list);
    if (row < 0) {
        UserMessageBox(kSelectFirst, MB_OK, -1);
        return;
    }
    const auto* youth = reinterpret_cast<const CYouth*>(list->GetItemData(row));
    if (!youth) return;
    const std::string position = platform::LoadString(kPositionNames + youth->m_Football.GetPosition());
    MessageBoxRequest r;
    r.text = platform::FormatMessageId(kOfferQuestion, {youth->GetName(), position});
    r.type = MB_YESNO;
    r.person = &youth->m_Person;
    if (GetUserPort().ShowMessageBox(r) != IDYES) return;
    if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
        manager->OpenScreenById(kContractScreen, reinterpret_cast<intptr_t>(youth), 0, kClubYouthMode, 0);
}

// A youth who leaves his list takes the history entries of that list with
// him: they name youths by their place in it, and the places behind his
// close up.
bool CSquadScreen::SackYouth(int index) {
    CClub* club = CurrentClub();
    CYouth* youth = club ? club->Youths().GetAt(index) : nullptr;
    if (!youth || !AskYes(kSackQuestion, youth->m_Person)) return false;
    const PersonIdentity id = IdentifyPerson(youth, kPersonListYouths);
    club->Youths().DeleteAt(index);
    if (id.index >= 0) GetUserPort().PersonDeleted(id.kind, id.owner, id.index);
    return true;
}

bool CSquadScreen::HireYouth(int index) {
    CClub* club = CurrentClub();
    CCountry* country = club ? club->GetCountry() : nullptr;
    const CAvailableYouth* youth = country ? country->GetAvailableYouth(index) : nullptr;
    if (!youth || !AskYes(kHireQuestion, youth->m_Person)) return false;
    club->Youths().Add(std::make_unique<CYouth>(*youth));
    // The market tells the history itself that its places moved.
    country->RemoveAvailableYouth(index);
    return true;
}

void CSquadScreen::AfterYouthChange() {
    BuildYouthPage();
    for (auto [list, column] : {std::pair{GetCurrentYouthList(), m_youthSortColumn},
                                std::pair{GetAvailableYouthList(), m_availableSortColumn}}) {
        if (!list) continue;
        if (column >= 0 && list->GetRowCount() > 0) list->Sort(column);
        Unchoose(*list);
        list->Redraw();
    }
    if (CXButton* offer = GetOfferButton()) {
        offer->Enable(false);
        offer->Redraw();
    }
    SetSackHire(kHireText, false);
    Repaint(0);
}

void CSquadScreen::OnSackHirePlayer() {
    CListControl* current = GetCurrentYouthList();
    CListControl* available = GetAvailableYouthList();
    if (!current || !available) return;
    bool done = false;
    if (const int row = ChosenRow(*current); row >= 0)
        done = SackYouth(static_cast<int>(current->GetItemData2(row)));
    else if (const int arow = ChosenRow(*available); arow >= 0)
        done = HireYouth(static_cast<int>(available->GetItemData2(arow)));
    if (done) AfterYouthChange();
}

void CSquadScreen::OnDrop(const DropInfo* info) {
    if (m_nPage != kYouthPage || !info) return;
    CListControl* current = GetCurrentYouthList();
    CListControl* available = GetAvailableYouthList();
    CClub* club = CurrentClub();
    if (!club || !current || !available) return;
    // The dragged row's place in the order its list's rows were added.
    int added = static_cast<int>(info->itemAndRow & 0xFFFF);
    // The list gives its shown row unless a heading was pressed; after the
    // page sorts a refilled list again by its saved column that row is not
    // the added place, and another youth would go. The row picked up knows
    // its place.
    if (auto* source = dynamic_cast<CListControl*>(info->source)) {
        const int row = source->GetDropRow();
        if (const CListCell* cell = row >= 0 && row < source->GetRowCount() ? source->GetCell(row, 0) : nullptr)
            added = cell->rowAtInsertion;
    }
    bool done = false;
    if (info->source == available && info->target == current) {
        const CCountry* country = club->GetCountry();
        const int index = country ? country->FindAvailableYouthByPosition(m_availableFilter, added) : -1;
        done = index >= 0 && HireYouth(index);
    } else if (info->source == current && info->target == available) {
        const int index = club->FindYouthByPosition(m_youthFilter, added);
        done = index >= 0 && SackYouth(index);
    }
    if (done) AfterYouthChange();
}

// A click a list passes back: the buttons follow the selection.
void CSquadScreen::OnYouthListClick(CListControl* list, int row) {
    CListControl* current = GetCurrentYouthList();
    CListControl* available = GetAvailableYouthList();
    CXButton* offer = GetOfferButton();
    if (!current || !available || !offer) return;
    // A click on the chosen youth keeps him chosen (the list's mark would
    // go), so he can be dragged as well.
    if ((list == current || list == available) && row >= 0 && row < list->GetRowCount()) {
        list->ClearSelected();
        list->AddSelected(row);
    }
    if (list == current) {
        if (ChosenRow(*current) < 0) {
            offer->Enable(false);
            SetSackHire(kHireText, false);
        } else {
            Unchoose(*available);
            offer->Enable(true);
            SetSackHire(kSackText, true);
        }
    } else if (list == available) {
        const CClub* club = CurrentClub();
        if (ChosenRow(*available) < 0) {
            SetSackHire(kHireText, false);
        } else if (club && club->Youths().GetSize() >= kYouthLimit) {
            Unchoose(*available);
            Unchoose(*current);
            SetSackHire(kHireText, false);
        } else {
            Unchoose(*current);
            SetSackHire(kHireText, true);
        }
        offer->Enable(false);
    } else {
        return;
    }
    offer->Redraw();
    current->Redraw();
    available->Redraw();
    Repaint(0);
}
