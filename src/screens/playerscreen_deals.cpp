// The negotiation pages: the purchase page (22) with its bid and loan
// answers, the contract page (62) for players, staff and youths, the sale
// page (23) with the amount gauge, and the person page's own actions.
#include <algorithm>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "screens/playerscreen.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/youth.h"

using namespace platform::win;

namespace {

constexpr uint32_t kWhite = platform::gfx::RGB(255, 255, 255);
constexpr const char* kLeftArrow = "gfx\\scroll\\leftarrow.bmp";
constexpr const char* kRightArrow = "gfx\\scroll\\rightarrow.bmp";
constexpr int kMaxLoansIn = 3;
constexpr int kMaxPendingPurchases = 6;
constexpr int kMaxBid = 2147483647;
constexpr unsigned kExitScreen = 580;

// The reply panels.
constexpr Rect kReplyRect{28, 149, 568, 259};
constexpr Rect kSaleReplyRect{28, 150, 568, 326};
// Between the title band and the reply panel, clear of the face.
constexpr Rect kGaugeRect{28, 106, 456, 144};

// The fields' places and ranges.
constexpr Rect kAmountRect{333, 289, 576, 315}, kSellOnRect{333, 312, 576, 338};
constexpr Rect kFeeRect{333, 289, 577, 315}, kWageRect{333, 313, 574, 336}, kYearsRect{333, 336, 574, 359},
    kRelocationRect{333, 359, 574, 382};

// Page 22's and 62's labels in their order.
// (kDealFunds is not the class's kFundsValue, which is page 47's.)
constexpr int kDealFunds = 3, kAmountLabel = 4, kSellOnLabel = 5, kSellOnNone = 6;
constexpr int kFeeLabel62 = 5, kRelocationLabel62 = 8, kRelocationNone62 = 9;

// The sale page's reluctance: thresholds, and the table by band and sell-on step.
constexpr int kThresholds[9] = {80, 70, 50, 35, 25, 15, 10, 5, 0};
constexpr int kReluctance[9][5] = {{0, 0, 1, 1, 2}, {1, 1, 2, 2, 3}, {2, 2, 3, 3, 4}, {3, 3, 4, 4, 5}, {4, 4, 5, 5, 6},
                                   {5, 5, 6, 6, 7}, {6, 6, 7, 7, 8}, {7, 7, 8, 8, 8}, {8, 8, 8, 8, 8}};

int RoundLimit() { return std::max(8, Random(12)); }

bool Willing(const std::string& refusal) { return refusal.empty() || refusal == "T"; }

std::string Fmt(unsigned id, std::initializer_list<platform::MsgArg> args) {
    return platform::FormatMessageId(id, args);
}

}  // namespace

// ---- Shared ----

void CPlayerScreen::CreateDealField(int f, uint32_t id, const Rect& rect, int minimum, int maximum, double step,
                                    bool money, double base) {
    MoneyField& m = m_Fields[static_cast<size_t>(f)];
    const CCountry* country = money ? MoneyCountry(nullptr) : nullptr;
    m.money = money;
    m.base = base;
    m.field.Create("", WS_VISIBLE, rect, this, id, kLeftArrow, kRightArrow, minimum, maximum, country, 4,
                   static_cast<int>(std::clamp(base, double(minimum), double(maximum))), step, "Arial Narrow", 12, "");
    m.shown = m.field.GetShownValue();
    m.field.Enable(true);
}

double CPlayerScreen::ReadField(int f) const {
    const MoneyField& m = m_Fields[static_cast<size_t>(f)];
    if (!m.field.IsAlive()) return 0;
    // Unchanged: the amount the page put in, exactly.
    if (m.field.GetShownValue() == m.shown) return m.base;
    const double value = m.field.GetValue();
    if (!m.money) return value;
    const CCountry* country = MoneyCountry(nullptr);
    return country ? country->ToBaseMoney(value) : value;
}

void CPlayerScreen::AddReply(const std::string& line, bool clear) {
    if (clear) {
        m_ReplyLines.clear();
        if (m_Reply.IsAlive()) m_Reply.Clear();
    }
    if (line.empty()) return;
    m_ReplyLines.push_back(line);
    if (m_Reply.IsAlive()) {
        m_Reply.AddLine(line);
        m_Reply.Redraw();
    }
}

// Ends the innermost modal run when the page may; false when there is none.
bool CPlayerScreen::EndModalRun(int result) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    CBrixholmView* view = manager ? manager->GetView() : nullptr;
    if (!view || !view->ModalBusy() || !m_bMayEndModal) return false;
    view->EndScreenModal(0, result);
    return true;
}

void CPlayerScreen::LeaveNegotiation(int backSteps) {
    if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) manager->GoBack(backSteps);
}

void CPlayerScreen::OpenNegotiation(int screen, void* person, int kind, intptr_t amount, uint8_t loan) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return;
    PersonPageParams p;
    p.subject = person;
    p.kind = kind;
    p.value = amount;
    p.loan = loan;
    g_nScreenId = screen;
    CScreen* page = MakePage(PageClass::Player);
    page->SetPageParams(p);
    manager->SetScreen(page, true, false, false, false, false);
}

// ---- Page 22: the purchase panel and the bid ----

void CPlayerScreen::SetupPurchasePanel(bool refresh) {
    auto* player = static_cast<CPlayer*>(m_pSubject);
    CClub* own = UserClub();
    if (!player || m_SubjectId.index < 0 || !own || !player->GetClub() || player->GetClub() == own) {
        ShowNoDataAvailable();
        return;
    }
    m_pSeller = player->GetClub();
    m_nPlayerIndex = WorldIndexOf(*player);
    if (!refresh) {
        SetLabel(GetPageLabel(1), Fmt(47066, {player->GetName(), m_pSeller->GetName()}));
        SetLabel(GetPageLabel(kDealFunds), MoneyText(own->GetTransferBudget(), own));
        m_Reply.Create("", WS_CHILD | WS_VISIBLE, kReplyRect, this, 23244, "Arial Narrow", 18, kWhite, 0, 0);
        AddReply("", true);
        m_bTalksEnded = 0;
        m_nOffersMade = 0;
        ShowPersonFace(player->Person());
        m_nRoundLimit = RoundLimit();
        player->GetContractDemands(m_Demands, *own, m_pSeller);
        if (own->GetLoansThisSeason() >= kMaxPendingPurchases)
            if (CXButton* make = GetPageButton(1)) make->Enable(false);
    }
    const double price = player->m_AskingPrice > -1.0 ? std::floor(player->m_AskingPrice) : 0.0;
    if (m_bOfferMode) {
        SetLabel(GetPageLabel(0), platform::LoadString(10231));
        SetLabel(GetPageLabel(kAmountLabel), platform::LoadString(588));
        ShowLabel(kSellOnLabel, false);
        ShowLabel(kSellOnNone, false);
        CreateDealField(kAmountField, 23242, kAmountRect, 4, 8, 1, false, 4);
        if (refresh && GetDealField(kSellOnField).IsAlive()) {
            GetDealField(kSellOnField).Enable(false);
            GetDealField(kSellOnField).Show(false);
        }
        AddReply(Fmt(1057, {m_pSeller->GetName(), player->GetName()}), true);
        return;
    }
    SetLabel(GetPageLabel(kAmountLabel), platform::LoadString(504));
    ShowLabel(kSellOnLabel, true);
    CreateDealField(kAmountField, 23242, kAmountRect, 0, 99999999, 1000, true, price);
    if (player->m_AskingPrice <= -1.0) {
        m_nSellOn = 0;
    } else {
        m_nSellOn = m_pSeller->GetSellOnDemand(*player, false);
    }
    CreateDealField(kSellOnField, 23252, kSellOnRect, 0, 20, 5, false, m_nSellOn);
    const bool none = player->m_AskingPrice > -1.0 && m_nSellOn == 0;
    GetDealField(kSellOnField).Enable(!none);
    GetDealField(kSellOnField).Show(!none);
    ShowLabel(kSellOnNone, none);
    std::string line;
    const std::string club = m_pSeller->GetName(), name = player->GetName();
    if (player->m_AskingPrice <= -1.0) line = Fmt(1168, {club, name});
    else if (price == 0) line = Fmt(1058, {club, name});
    else if (m_nSellOn > 0) line = Fmt(1055, {club, name, MoneyText(price, m_pSeller), int(m_nSellOn)});
    else line = Fmt(1056, {club, name, MoneyText(price, m_pSeller)});
    AddReply(line, true);
}

// The talks are over on this panel: only "Exit Screen" is left.
void CPlayerScreen::EndPurchaseTalks() {
    for (int f : {kAmountField, kSellOnField})
        if (GetDealField(f).IsAlive()) {
            GetDealField(f).Enable(false);
            GetDealField(f).Show(false);
        }
    ShowLabel(kSellOnNone, false);
    if (CXButton* off = GetPageButton(0)) off->Enable(false);
    if (CXButton* make = GetPageButton(1)) {
        make->SetTextId(kExitScreen);
        make->Enable(true);
        make->Redraw();
    }
    m_bTalksEnded = 1;
}

void CPlayerScreen::EvaluateOffer() {
    auto* player = static_cast<CPlayer*>(m_pSubject);
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (m_bDealAgreed || m_bTalksEnded) {
        if (!EndModalRun(1)) LeaveNegotiation(1);
        return;
    }
    if (!player || !own || !m_pSeller || !w) return;
    const std::string name = player->GetName(), club = m_pSeller->GetName();
    if (m_bOfferMode) {
        const int weeks = static_cast<int>(ReadField(kAmountField));
        if (weeks < 4 || weeks > 8) {
            Repaint(0);
            return;
        }
        const std::string reply = own->GetPlayersOnLoanHere() >= kMaxLoansIn
                                      ? platform::LoadString(964)
                                      : m_pSeller->EvaluateLoanRequest(player, *own, weeks);
        if (reply == "T") {
            AddReply(Fmt(591, {name}), true);
            const int sellerIndex = w->GetClubIndex(m_pSeller);
            m_pSeller->LoanOutPlayer(static_cast<uint16_t>(m_nPlayerIndex));
            own->LoanInPlayer(static_cast<uint16_t>(m_nPlayerIndex));
            player->StartLoan(sellerIndex, weeks);
            const std::string weeksText = platform::StrPrintf("%d", weeks);
            if (CHumanManager* seller = m_pSeller->GetHumanManager())
                seller->AddMessage(93, name, own->GetName(), weeksText, m_nPlayerIndex);
            if (CHumanManager* buyer = own->GetHumanManager())
                buyer->AddMessage(92, name, club, weeksText, m_nPlayerIndex);
        } else {
            AddReply(reply, true);
            own->AddLoanTarget(*player);
        }
        EndPurchaseTalks();
        Repaint(0);
        return;
    }
    const bool humanSeller = m_pSeller->GetHumanManager() != nullptr;
    // A bid in a weak currency can pass what an int holds: clamp in base money.
    const double amount = std::clamp(std::floor(ReadField(kAmountField)), 0.0, double(kMaxBid));
    const CCountry* sellerCountry = m_pSeller->GetCountry();
    if (!own->CanAfford(amount)) {
        AddReply(platform::LoadString(400), true);
        m_bRefusedBefore = 1;
        Repaint(0);
        return;
    }
    if (sellerCountry && player->IsAboveValue(amount, *sellerCountry)) {
        AddReply(Fmt(592, {name}), true);
        m_bRefusedBefore = 1;
        Repaint(0);
        return;
    }
    // Only a bid that reaches the seller uses a round: one refused for the
    // club's funds or by its board never does.
    if (m_bRefusedBefore) m_bRefusedBefore = 0;
    if (!humanSeller) ++m_nOffersMade;
    const CCountry* current = w->GetCurrentCountry() ? w->GetCurrentCountry() : sellerCountry;
    const double asking = player->m_AskingPrice > -1.0
                              ? std::floor(player->m_AskingPrice)
                              : double(player->GetAdjustedValue(current ? current->GetWageFactor() : 100));
    const int sellOn = GetDealField(kSellOnField).IsAlive() && GetDealField(kSellOnField).IsSpinEnabled()
                           ? static_cast<int>(ReadField(kSellOnField))
                           : 0;
    int kind = -1;
    if (humanSeller) {
        m_nRejections = 0;
    } else if (amount < asking * 0.5) {
        kind = 0;
        platform::TraceF("Amount Offered = %d, AskingPrice * 0.5 = %.0f\n", int(amount), asking * 0.5);
    } else if (sellOn < m_nLastSellOn || amount < m_dLastAmount) {
        kind = 1;
    } else if (sellOn != m_nSellOn && sellOn == m_nLastSellOn && amount != asking && amount == m_dLastAmount) {
        kind = 2;
    } else {
        m_nRejections = 0;
    }
    std::string reply;
    bool secondRejection = false;
    if (kind >= 0) {
        ++m_nRejections;
        static constexpr unsigned kFirst[3] = {1089, 1090, 1091}, kSecond[3] = {1092, 1093, 1094};
        secondRejection = m_nRejections >= 2;
        reply = Fmt(secondRejection ? kSecond[kind] : kFirst[kind], {name});
        if (secondRejection) m_nOffersMade = m_nRoundLimit;
    } else {
        const double reference = m_dHighestAmount;
        if (m_bFirstOffer) {
            reply = m_pSeller->EvaluateFirstBid(player, amount, uint8_t(sellOn), m_nSellOn, *own, reference);
            m_dHighestAmount = current ? player->GetTransferFee(*current) : amount;
            m_nHighestSellOn = sellOn;
            m_bFirstOffer = 0;
        } else {
            reply = m_pSeller->EvaluateRevisedBid(player, amount, uint8_t(sellOn), m_nSellOn, *own, reference);
            m_dHighestAmount = std::max(m_dHighestAmount, amount);
            m_nHighestSellOn = std::max(m_nHighestSellOn, sellOn);
        }
        m_dLastAmount = amount;
        m_nLastSellOn = sellOn;
    }
    if (reply == "T") {
        AddReply(Fmt(594, {club, name}), true);
        if (CHumanManager* user = w->GetCurrentUser()) {
            std::string started;
            user->StartNegotiation(started, m_nPlayerIndex, int(amount), m_pSeller, uint8_t(sellOn));
            AddReply(started, false);
        }
        own->AddBidTarget(*player);
        m_bDealAgreed = 1;
        m_nOffersMade = 0;
        m_nRoundLimit = RoundLimit();
        EndPurchaseTalks();
    } else if (reply == "F") {
        AddReply(Fmt(65, {club, name}), true);
        own->AddBidTarget(*player);
        m_nOffersMade = m_nRoundLimit;
        EndPurchaseTalks();
    } else if (m_nOffersMade < m_nRoundLimit && !secondRejection) {
        AddReply(reply, true);
    } else {
        AddReply(secondRejection ? reply : Fmt(593, {club}), true);
        m_nOffersMade = m_nRoundLimit;
        own->AddBidTarget(*player);
        EndPurchaseTalks();
    }
    Repaint(0);
}

// ---- Page 62: the contract panel and the offers ----

void CPlayerScreen::SetupContractPanel() {
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (!m_pSubject || m_SubjectId.index < 0 || !own || !w) {
        ShowNoDataAvailable();
        return;
    }
    const CCountry* country = MoneyCountry(own);
    const CPerson* person = nullptr;
    m_Demands = {};
    switch (m_nSubjectKind) {
        case kPersonListPlayers: {
            auto* player = static_cast<CPlayer*>(m_pSubject);
            person = &player->Person();
            m_pSeller = player->GetClub() == own ? nullptr : player->GetClub();
            // His own club's player is renewed, whatever the opener passed;
            // another club's never is.
            if (player->GetClub() == own) m_nSubjectValue = -1;
            else if (m_nSubjectValue < 0) m_nSubjectValue = 0;
            m_nPlayerIndex = WorldIndexOf(*player);
            player->GetContractDemands(m_Demands, *own, player->GetClub());
            break;
        }
        case kPersonListStaff:
        case kPersonListStaffMarket: {
            const auto* e = static_cast<const CBasicEmployee*>(
                m_nSubjectKind == kPersonListStaff ? static_cast<CBasicEmployee*>(static_cast<CEmployee*>(m_pSubject))
                                                   : static_cast<CBasicEmployee*>(static_cast<CAvailableEmployee*>(m_pSubject)));
            person = &e->Person();
            if (country) e->MakeContractDemand(m_Demands, *country);
            break;
        }
        case kPersonListYouths: {
            auto* youth = static_cast<CYouth*>(m_pSubject);
            person = &youth->m_Person;
            youth->GetContractDemands(m_Demands, *own);
            break;
        }
        default:
            ShowNoDataAvailable();
            return;
    }
    ShowPersonFace(*person);
    // "Break Off Negotiations" is the longest caption of the small push
    // button: a point smaller, it fits the 126-pixel picture.
    if (CXButton* off = GetPageButton(0)) off->SetFont("Arial Narrow", 10, true);
    SetLabel(GetPageLabel(1), Fmt(47066, {person->GetName(), own->GetName()}));
    SetLabel(GetPageLabel(kDealFunds), MoneyText(own->GetTransferBudget(), own));
    m_Reply.Create("", WS_CHILD | WS_VISIBLE, kReplyRect, this, 23238, "Arial Narrow", 18, kWhite, 0, 0);
    AddReply("", true);
    const bool staff = m_nSubjectKind == kPersonListStaff || m_nSubjectKind == kPersonListStaffMarket;
    if (!staff)
        CreateDealField(kFeeField, 23239, kFeeRect, 0, 100000000, 1000, true, m_Demands.m_SigningOnFee);
    ShowLabel(kFeeLabel62, !staff);
    const bool relocation = m_Demands.m_Relocation > 0 && m_nSubjectKind != kPersonListYouths;
    if (relocation)
        CreateDealField(kRelocationField, 23429, kRelocationRect, 0, 1000000, 100, true, m_Demands.m_Relocation);
    ShowLabel(kRelocationNone62, !relocation);
    CreateDealField(kYearsField, 23240, kYearsRect, 1, 10, 1, false, m_Demands.m_Years);
    GetDealField(kYearsField).SetStyle(1);
    CreateDealField(kWageField, 23241, kWageRect, 0, 100000, 50, true, m_Demands.m_WeeklyWage);
    // A deal needs the player where it left him.
    if (m_nSubjectKind == kPersonListPlayers && m_nSubjectValue >= 0) {
        auto* player = static_cast<CPlayer*>(m_pSubject);
        if (m_pSeller == nullptr && m_nSubjectValue > 0) {
            AddReply(Fmt(47063, {player->GetName(), std::string()}), true);
            EndContractTalks(false);
            return;
        }
    }
    if (m_nSubjectKind == kPersonListPlayers) {
        const std::string fee = MoneyText(m_Demands.m_SigningOnFee, own), wage = MoneyText(m_Demands.m_WeeklyWage, own);
        const std::string name = person->GetName();
        if (m_Demands.m_Relocation > 0)
            AddReply(Fmt(829, {name, m_Demands.m_Years, wage, fee, MoneyText(m_Demands.m_Relocation, own)}), true);
        else
            AddReply(Fmt(832, {name, m_Demands.m_Years, wage, fee}), true);
    }
    m_nOffersMade = 0;
    m_nRoundLimit = RoundLimit();
}

void CPlayerScreen::HideContractFields() {
    for (int f : {kFeeField, kWageField, kYearsField, kRelocationField})
        if (GetDealField(f).IsAlive()) {
            GetDealField(f).Enable(false);
            GetDealField(f).Show(false);
        }
}

void CPlayerScreen::EndContractTalks(bool signedUp) {
    HideContractFields();
    if (CXButton* off = GetPageButton(0)) off->Enable(false);
    if (CXButton* make = GetPageButton(1)) {
        make->SetTextId(kExitScreen);
        make->Enable(true);
        make->Redraw();
    }
    m_bTalksEnded = 1;
    m_bDealAgreed = signedUp ? 1 : 0;
}

void CPlayerScreen::OnMakeContractOffer() {
    if (m_bTalksEnded) {
        if (!EndModalRun(1)) LeaveNegotiation(1);
        return;
    }
    switch (m_nSubjectKind) {
        case kPersonListPlayers: OfferPlayerContract(); break;
        case kPersonListStaff: OfferEmployeeRenewal(); break;
        case kPersonListStaffMarket: OfferEmployeeContract(); break;
        case kPersonListYouths: OfferYouthContract(); break;
        default: break;
    }
    Repaint(0);
}

void CPlayerScreen::OfferPlayerContract() {
    auto* player = static_cast<CPlayer*>(m_pSubject);
    CClub* own = UserClub();
    if (!player || !own) return;
    CContractOffer offer;
    offer.m_WeeklyWage = ReadField(kWageField);
    offer.m_SigningOnFee = ReadField(kFeeField);
    offer.m_Years = static_cast<int32_t>(ReadField(kYearsField));
    offer.m_Relocation = GetDealField(kRelocationField).IsAlive() ? ReadField(kRelocationField) : 0;
    if (!own->CanAfford(offer.m_SigningOnFee + offer.m_Relocation)) {
        AddReply(platform::LoadString(400), true);
        return;
    }
    ++m_nOffersMade;
    const bool renewal = m_nSubjectValue == -1;
    const std::string refusal = player->GetRefusalText(*own, renewal);
    if (!Willing(refusal)) {
        player->GetContractDemands(m_Demands, *own, player->GetClub());
        AddReply(refusal, true);
        own->AddBidTarget(*player);
        EndContractTalks(false);
        return;
    }
    // A transfer needs the player still with the club that sold him.
    if (!renewal && m_pSeller && player->GetClub() != m_pSeller) {
        AddReply(Fmt(47063, {player->GetName(), m_pSeller->GetName()}), true);
        EndContractTalks(false);
        return;
    }
    const std::string answer = player->AnswerOffer(m_Demands, *own, offer);
    if (answer == "T" || answer.empty()) {
        AddReply(Fmt(26, {player->GetName(), offer.m_Years, own->GetName()}), true);
        if (renewal) {
            player->Person().ApplyContract(offer);
            own->PayForSigning(0, offer);
        } else {
            CompleteSigning(*player);
            // The signing's terms are what was agreed.
            player->Person().SetWeeklyWage(std::max(1.0, offer.m_WeeklyWage));
        }
        m_nOffersMade = 0;
        m_nRoundLimit = RoundLimit();
        EndContractTalks(true);
        return;
    }
    if (m_nOffersMade >= m_nRoundLimit) {
        AddReply(Fmt(38, {player->GetName()}), true);
        own->AddBidTarget(*player);
        EndContractTalks(false);
        return;
    }
    AddReply(answer, true);
}

// The buyer's side first (it keeps the agreed clause), then the seller's.
void CPlayerScreen::CompleteSigning(CPlayer& player) {
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (!own || !w) return;
    CContractOffer offer;
    offer.m_WeeklyWage = ReadField(kWageField);
    offer.m_SigningOnFee = ReadField(kFeeField);
    offer.m_Years = static_cast<int32_t>(ReadField(kYearsField));
    offer.m_Relocation = GetDealField(kRelocationField).IsAlive() ? ReadField(kRelocationField) : 0;
    const uint16_t index = static_cast<uint16_t>(m_nPlayerIndex);
    const double fee = double(std::max<intptr_t>(0, m_nSubjectValue));
    if (m_pSeller) {
        AddReply(own->SignPlayerFromHumanDeal(index, fee, &offer, *m_pSeller, m_nSellOn), false);
        m_pSeller->SellPlayer(index, fee, *own, false, false);
    } else {
        // A free player: no fee, no seller, no clause.
        own->PayForSigning(0, offer);
        own->AddSignedPlayer(index, 0, offer, std::string());
    }
    std::string welcome;
    own->FansWelcomeSigning(welcome, player, false);
    AddReply(welcome, false);
    // His new club's own bookkeeping: no bid of its own waits for him, and he
    // is no longer a target.
    if (CHumanManager* user = w->GetCurrentUser()) {
        CTransferNegotiationList& bids = user->GetNegotiations();
        for (int i = bids.GetSize() - 1; i >= 0; --i)
            if (bids.GetAt(i)->m_Player == m_nPlayerIndex) bids.RemoveAt(i);
    }
    auto& targets = own->OfferTargets();
    targets.erase(std::remove(targets.begin(), targets.end(), static_cast<uint32_t>(m_nPlayerIndex)), targets.end());
}

void CPlayerScreen::OfferEmployeeRenewal() {
    auto* e = static_cast<CEmployee*>(m_pSubject);
    CClub* own = UserClub();
    if (!e || !own) return;
    CContractOffer offer;
    offer.m_WeeklyWage = ReadField(kWageField);
    offer.m_Years = static_cast<int32_t>(ReadField(kYearsField));
    const std::string coded = e->RespondToOffer(m_Demands, *own, offer);
    const char code = coded.empty() ? '0' : coded[0];
    const std::string reply = coded.size() > 1 ? coded.substr(1) : std::string();
    if (code == '1') {
        AddReply(reply, true);
        e->Person().ApplyContract(offer);
        EndContractTalks(true);
        return;
    }
    if (m_nOffersMade >= m_nRoundLimit) {
        AddReply(Fmt(402, {e->GetName()}), true);
        EndContractTalks(false);
        return;
    }
    ++m_nOffersMade;
    AddReply(reply, true);
}

void CPlayerScreen::OfferEmployeeContract() {
    auto* e = static_cast<CAvailableEmployee*>(m_pSubject);
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    const CCountry* country = w ? w->GetCurrentCountry() : nullptr;
    if (!e || !own || !country) return;
    CContractOffer offer;
    offer.m_WeeklyWage = ReadField(kWageField);
    offer.m_Years = static_cast<int32_t>(ReadField(kYearsField));
    const std::string reply = e->RespondToOffer(m_Demands, offer, *country);
    if (reply == "T" || reply.empty()) {
        if (e->m_JobKind != CBasicEmployee::kScout) {
            for (int i = 0; i < own->Staff().GetSize(); ++i) {
                CEmployee* held = own->Staff().GetAt(i);
                if (!held || held->m_JobKind != e->m_JobKind) continue;
                const double cost = held->Person().GetContractCost(true, w->GetWeek());
                AddReply(Fmt(1157, {held->GetName(), MoneyText(cost, own)}), true);
                if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) {
                    const PersonIdentity id = IdentifyPerson(held, kPersonListStaff);
                    manager->RemoveHistoryEntries({id.index, id.owner, id.kind});
                }
                own->DismissEmployee(i, cost);
                break;
            }
        }
        if (own->Staff().GetSize() >= CEmployeeList::kMaxEmployees) {
            AddReply(Fmt(47064, {own->GetName()}), false);
            EndContractTalks(false);
            return;
        }
        AddReply(Fmt(329, {e->GetName(), offer.m_Years, own->GetName()}), false);
        CAvailableEmployee hired = *e;
        hired.Person().SetWeeklyWage(std::max(1.0, offer.m_WeeklyWage));
        hired.Person().SetContractYears(static_cast<uint8_t>(std::max(1, offer.m_Years)));
        own->AddEmployee(hired);
        m_pSubject = nullptr;
        if (CAvailableEmployeeList* market = country->GetStaffMarket()) {
            const int at = w->FindAvailableEmployee(e);
            if (at >= 0) market->RemoveAt(at);
        }
        EndContractTalks(true);
        return;
    }
    if (m_nOffersMade < m_nRoundLimit && reply != "F") {
        ++m_nOffersMade;
        AddReply(reply, true);
        return;
    }
    AddReply(Fmt(402, {e->GetName()}), true);
    own->AddApproachedEmployee(*e);
    EndContractTalks(false);
}

void CPlayerScreen::OfferYouthContract() {
    auto* youth = static_cast<CYouth*>(m_pSubject);
    CClub* own = UserClub();
    if (!youth || !own) return;
    const int32_t refusal = own->CanSignPlayer(youth->m_Football.GetPosition());
    if (refusal != 0) {
        AddReply(platform::LoadString(static_cast<unsigned>(refusal)), true);
        EndContractTalks(false);
        return;
    }
    CContractOffer offer;
    offer.m_WeeklyWage = ReadField(kWageField);
    offer.m_Years = static_cast<int32_t>(ReadField(kYearsField));
    offer.m_SigningOnFee = ReadField(kFeeField);
    if (!own->CheckFundsForPlayer(offer.m_SigningOnFee)) {
        AddReply(platform::LoadString(400), true);
        EndContractTalks(false);
        return;
    }
    const std::string coded = youth->AnswerContractOffer(m_Demands, *own, offer);
    const char code = coded.empty() ? '0' : coded[0];
    AddReply(coded.size() > 1 ? coded.substr(1) : std::string(), true);
    if (code != '1') return;
    m_Demands = offer;
    const int at = own->Youths().FindIndex(youth);
    if (at >= 0) own->PromoteYouth(at, 0);
    m_pSubject = nullptr;
    EndContractTalks(true);
}

void CPlayerScreen::OnBreakOffNegotiations() {
    CClub* own = UserClub();
    switch (m_nSubjectKind) {
        case kPersonListPlayers:
            // Page 62 has no loan mode: a bid target, whatever the last purchase page left.
            if (own && m_pSubject) own->AddBidTarget(*static_cast<CPlayer*>(m_pSubject));
            if (!EndModalRun(1)) LeaveNegotiation(1);
            break;
        case kPersonListStaffMarket:
            if (own && m_pSubject) own->AddApproachedEmployee(*static_cast<CAvailableEmployee*>(m_pSubject));
            if (!EndModalRun(1)) LeaveNegotiation(1);
            break;
        default:
            if (!EndModalRun(1)) LeaveNegotiation(1);
            break;
    }
}

// ---- Page 23: another club's bid for the user's player ----

void CPlayerScreen::SetupSalePanel() {
    auto* player = static_cast<CPlayer*>(m_pSubject);
    CWorldData* w = GetWorldData();
    CClub* buyer = w && m_nBuyingClub >= 0 ? w->GetClub(static_cast<int>(m_nBuyingClub)) : nullptr;
    if (!player || m_SubjectId.index < 0 || !buyer) {
        ShowNoDataAvailable();
        return;
    }
    m_nPlayerIndex = WorldIndexOf(*player);
    m_pSeller = player->GetClub();
    m_nBid = static_cast<int>(std::clamp<intptr_t>(m_nSubjectValue, 0, kMaxBid));
    SetLabel(GetPageLabel(1), Fmt(1110, {buyer->GetName(), player->GetName()}));
    m_Reply.Create("", WS_CHILD | WS_VISIBLE, kSaleReplyRect, this, 23244, "Arial Narrow", 18, kWhite, 0, 0);
    AddReply("", true);
    ShowPersonFace(player->Person());
    for (int b = 3; b < 7; ++b)
        if (CXButton* check = GetPageButton(b)) check->SetTicked(b == 6);
    m_nReason = 4;
    const CCountry* country = w->GetCurrentCountry() ? w->GetCurrentCountry() : player->GetClubCountry();
    m_dReference = country ? player->GetTransferFee(*country) : 0;
    m_GaugeDisplay.Create(this, kGaugeRect, 0);
    ShowGauge();
    const std::string bid = MoneyText(m_nBid, m_pSeller);
    if (m_nSellOn > 0) AddReply(Fmt(1118, {buyer->GetName(), bid, int(m_nSellOn), player->GetName()}), true);
    else AddReply(Fmt(1125, {buyer->GetName(), bid, player->GetName()}), true);
}

// ---- The amount gauge ----

namespace {
constexpr int kGaugeCaptionWidth = 146, kCellWidth = 28, kCellGap = 3, kCellHeight = 16;
constexpr int kPipWidth = 20, kPipGap = 4, kPipHeight = 9, kPipTop = 25;
constexpr unsigned kGaugeCaption = 58200, kSellOnCaption = 58201;
}  // namespace

bool CSaleGauge::Create(Window* parent, const Rect& rect, uint32_t id) {
    if (!parent) return false;
    m_pPage = parent;
    m_Rect = rect;
    platform::gfx::LogFont lf;
    lf.height = 16;
    lf.weight = 400;
    lf.face = "Arial Narrow";
    m_pFont = platform::gfx::Font::Create(lf);
    return Window::Create(parent, rect, WS_CHILD | WS_VISIBLE, id);
}

Rect CSaleGauge::CellRect(int band) const {
    const int x = m_Rect.left + kGaugeCaptionWidth + band * (kCellWidth + kCellGap);
    return {x, m_Rect.top + 3, x + kCellWidth, m_Rect.top + 3 + kCellHeight};
}

Rect CSaleGauge::PipRect(int step) const {
    const int x = m_Rect.left + kGaugeCaptionWidth + step * (kPipWidth + kPipGap);
    return {x, m_Rect.top + kPipTop, x + kPipWidth, m_Rect.top + kPipTop + kPipHeight};
}

uint32_t CSaleGauge::CellColour(int band, bool lit) {
    // Red through amber at the value to green; an unlit cell is a dim shade.
    struct C {
        int r, g, b;
    };
    constexpr C kLow{200, 40, 30}, kMid{235, 175, 30}, kHigh{40, 195, 70};
    const int i = std::clamp(band, 0, kCells - 1);
    const C& a = i <= 4 ? kLow : kMid;
    const C& b = i <= 4 ? kMid : kHigh;
    const int t = i <= 4 ? i : i - 4;
    const int r = a.r + (b.r - a.r) * t / 4, g = a.g + (b.g - a.g) * t / 4, bl = a.b + (b.b - a.b) * t / 4;
    if (lit) return platform::gfx::RGB(r, g, bl);
    return platform::gfx::RGB(20 + r / 4, 28 + g / 4, 40 + bl / 4);
}

uint32_t CSaleGauge::PipColour(bool lit) {
    return lit ? platform::gfx::RGB(120, 200, 230) : platform::gfx::RGB(30, 55, 70);
}

void CSaleGauge::Set(int band, int step) {
    m_nBand = std::clamp(band, 0, kCells - 1);
    m_nStep = std::clamp(step, 0, kPips);
    Redraw();
}

void CSaleGauge::Redraw() {
    if (IsAlive() && IsVisible()) Draw(nullptr, true);
}

void CSaleGauge::OnPaint(const PaintContext& pc) {
    if (IsVisible()) Draw(&pc, false);
}

void CSaleGauge::Draw(const PaintContext* pc, bool invalidate) {
    if (!m_pPage) return;
    auto* dc = reinterpret_cast<platform::gfx::Canvas*>(m_pPage->Send(ui::kMsgGetWorkDC));
    if (!dc) {
        m_pPage->Send(ui::kMsgDrawingDone);
        return;
    }
    Rect wr = WindowRect();
    m_pPage->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&wr), 0);
    dc->SaveDC();
    dc->SelectFont(m_pFont);
    dc->SetBkMode(platform::gfx::TRANSPARENT);
    dc->SetTextColor(platform::gfx::RGB(170, 205, 195));
    dc->TextOut(m_Rect.left + 2, m_Rect.top + 2, platform::LoadString(kGaugeCaption));
    dc->TextOut(m_Rect.left + 2, m_Rect.top + kPipTop - 4, platform::LoadString(kSellOnCaption));
    for (int i = 0; i < kCells; ++i) {
        const Rect r = CellRect(i);
        dc->FillSolidRect(r, CellColour(i, i == m_nBand));
        if (i == m_nBand) dc->FrameRect(r.Inflate(1, 1), platform::gfx::RGB(255, 255, 255));
    }
    // The value's own cell is marked beneath, whichever band is lit.
    const Rect mid = CellRect(4);
    dc->FillSolidRect({mid.left + kCellWidth / 2 - 1, mid.bottom + 1, mid.left + kCellWidth / 2 + 1, mid.bottom + 4},
                      platform::gfx::RGB(235, 175, 30));
    for (int s = 0; s < kPips; ++s) dc->FillSolidRect(PipRect(s), PipColour(s < m_nStep));
    dc->RestoreDC(-1);
    if (pc) {
        platform::gfx::Canvas out = pc->MakeCanvas();
        out.BitBlt(0, 0, wr.Width(), wr.Height(), dc->Target(), wr.left, wr.top);
    }
    if (invalidate) m_pPage->InvalidateRect(wr, false);
    m_pPage->Send(ui::kMsgDrawingDone);
}

void CPlayerScreen::ShowGauge() {
    const Gauge g = ComputeGauge(m_nBid, m_dReference, m_nSellOn);
    m_GaugeDisplay.Set(g.band, g.step);
}

CPlayerScreen::Gauge CPlayerScreen::ComputeGauge(double bid, double reference, int sellOn) {
    Gauge g;
    if (reference <= 0) {
        g.band = bid <= 0 ? 4 : 8;
    } else {
        const double percent = std::clamp(bid * 100.0 / reference, -1000.0, 1000.0);
        g.difference = static_cast<int>(percent) - 100;
        const int d = g.difference;
        g.band = d < -20 ? 0 : d <= -15 ? 1 : d <= -10 ? 2 : d <= -5 ? 3 : d <= 4 ? 4 : d <= 9 ? 5 : d <= 14 ? 6
               : d <= 20 ? 7 : 8;
    }
    g.step = std::clamp(sellOn / 5, 0, 4);
    g.reluctance = kReluctance[g.band][g.step];
    return g;
}

void CPlayerScreen::SetRejectionReason(int reason) {
    m_nReason = std::clamp(reason, 1, 4);
    for (int b = 3; b < 7; ++b)
        if (CXButton* check = GetPageButton(b)) {
            check->SetTicked(b - 2 == m_nReason);
            check->Redraw();
        }
}

void CPlayerScreen::EndSaleTalks(int result) {
    m_nDealResult = static_cast<uint8_t>(result);
    m_bDecided = 1;
    if (CXButton* first = GetPageButton(0)) {
        first->SetTextId(kExitScreen);
        first->Redraw();
    }
    for (int b = 1; b <= 2; ++b)
        if (CXButton* button = GetPageButton(b)) button->Enable(false);
}

void CPlayerScreen::OnRejectOffer() {
    auto* player = static_cast<CPlayer*>(m_pSubject);
    CWorldData* w = GetWorldData();
    CClub* buyer = w && m_nBuyingClub >= 0 ? w->GetClub(static_cast<int>(m_nBuyingClub)) : nullptr;
    if (m_bDecided || !player || !buyer) return;
    const Gauge g = ComputeGauge(m_nBid, m_dReference, m_nSellOn);
    const int r = Random(99), threshold = kThresholds[g.reluctance];
    if (m_bFinalOffer) {
        AddReply(platform::LoadString(1123), true);
        EndSaleTalks(0);
        Repaint(0);
        return;
    }
    auto raiseBid = [&] {
        if (m_nBid > m_dReference) m_dReference = m_nBid;
        // A raise raises: a bid too small to grow by 5% grows by 5% of the value.
        const int64_t step = int64_t(m_nBid) * 5 / 100;
        const int64_t rise = step >= 1 ? step : std::max<int64_t>(1000, int64_t(m_dReference * 5 / 100));
        m_nBid = static_cast<int>(std::min<int64_t>(kMaxBid, int64_t(m_nBid) + rise));
    };
    auto raiseSellOn = [&] { m_nSellOn = static_cast<uint8_t>(std::min(20, m_nSellOn + 5)); };
    unsigned reply = 0;
    bool final = false;
    int reason = m_nReason;
    if (reason == 4) {
        if (r < 25) final = true;
        else reason = 3;
    }
    if (!final) {
        switch (reason) {
            case 1:
                if (r > threshold) final = true;
                else raiseBid(), reply = 1120;
                break;
            case 2:
                if (r > threshold || m_nSellOn >= 20) final = true;
                else raiseSellOn(), reply = 1121;
                break;
            default: {
                const bool a = r + 5 > threshold;
                const bool b = Random(99) + 5 > threshold;
                if (a && b) final = true;
                else if (a) {
                    if (m_nSellOn < 20) raiseSellOn(), reply = 1121;
                    else final = true;
                } else if (b) {
                    raiseBid(), reply = 1120;
                } else {
                    raiseBid();
                    if (m_nSellOn < 20) raiseSellOn();
                    reply = 1122;
                }
                break;
            }
        }
    }
    if (final) {
        m_bFinalOffer = 1;
        reply = 1119;
        if (Random(100) > 75) {
            AddReply(platform::LoadString(1123), true);
            EndSaleTalks(0);
            Repaint(0);
            return;
        }
    }
    AddReply(platform::LoadString(reply), true);
    ShowGauge();
    if (!m_bFinalOffer) {
        const std::string bid = MoneyText(m_nBid, m_pSeller);
        if (m_nSellOn > 0) AddReply(Fmt(1124, {buyer->GetName(), bid, int(m_nSellOn), player->GetName()}), false);
        else AddReply(Fmt(1126, {buyer->GetName(), bid, player->GetName()}), false);
    }
    Repaint(0);
}

void CPlayerScreen::OnAcceptOffer() {
    if (m_bDecided) return;
    EndSaleTalks(1);
    AddReply(platform::LoadString(34422), true);
    Repaint(0);
}

void CPlayerScreen::OnBreakOffTalks() {
    if (!m_bDecided) {
        EndSaleTalks(0);
        AddReply(platform::LoadString(34422), true);
        Repaint(0);
        return;
    }
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    CBrixholmView* view = manager ? manager->GetView() : nullptr;
    if (!view || !view->ModalBusy()) return;
    if (!m_bMayEndModal) {
        LeaveNegotiation(1);
        return;
    }
    if (m_nDealResult == 1)
        if (auto* player = static_cast<CPlayer*>(m_pSubject)) {
            // The completion takes the terms agreed here.
            player->m_SparePrice = m_nBid;
            player->m_SpareSellOn = static_cast<int8_t>(m_nSellOn);
        }
    view->EndScreenModal(0, m_nDealResult);
}

// ---- Page 60's actions ----

void CPlayerScreen::OnApproachOrRelease() {
    if (IsModalPage()) {
        if (!EndModalRun(1)) LeaveNegotiation(1);
        return;
    }
    switch (m_nSubjectKind) {
        case kPersonListPlayers:
            if (auto* player = static_cast<CPlayer*>(m_pSubject)) ApproachPlayer(*player);
            break;
        case kPersonListStaff:
            if (auto* e = static_cast<CEmployee*>(m_pSubject)) ReleaseEmployee(*e);
            break;
        case kPersonListStaffMarket:
            if (auto* e = static_cast<CAvailableEmployee*>(m_pSubject)) ApproachEmployee(*e);
            break;
        case kPersonListYouths:
        case kPersonListYouthMarket:
            HireOrReleaseYouth();
            break;
        default:
            break;
    }
}

void CPlayerScreen::ApproachPlayer(CPlayer& p) {
    CClub* own = UserClub();
    if (!own) return;
    if (p.GetClub() == own) {
        if (m_bListingAllowed) ToggleListing(p);
        return;
    }
    const Approach a = CheckApproach(p, kPersonPage);
    if (a == Approach::kFree) OpenNegotiation(kContractPage, &p, kPersonListPlayers, 0, 0);
    else if (a == Approach::kTransfer) OpenNegotiation(kPurchasePage, &p, kPersonListPlayers, 0, 0);
}

void CPlayerScreen::ToggleListing(CPlayer& p) {
    CWorldData* w = GetWorldData();
    const CCountry* country = w ? w->GetCurrentCountry() : nullptr;
    CClub* own = UserClub();
    if (!country || !own) return;
    CXButton* action = GetPageButton(kActionButton);
    if (!m_bListed) {
        if (p.m_AskingPrice >= 1) return;
        if (!p.SetTransferPrice(-1, *country) && !p.IsListed()) return;
        SetLabel(GetDetailValue(kStatus), platform::LoadString(975));
        if (p.IsListed()) SetLabel(GetDetailValue(kPrice), p.GetAskingPriceText(*country));
        if (action) action->SetTextId(598);
        m_bListed = 1;
    } else {
        p.RemoveFromTransferList();
        if (action) {
            action->SetTextId(597);
            if (own->CountAvailablePlayers() - own->GetPlayersOutsideSlots() <= 18) action->Enable(false);
        }
        SetLabel(GetDetailValue(kStatus), platform::LoadString(485));
        SetLabel(GetDetailValue(kPrice), platform::LoadString(485));
        m_bListed = 0;
    }
    if (action) action->Redraw();
    Repaint(0);
}

void CPlayerScreen::OnReleasePlayer() {
    if (m_nSubjectKind != kPersonListPlayers) return;
    auto* player = static_cast<CPlayer*>(m_pSubject);
    CClub* own = UserClub();
    if (!player || !own || player->GetClub() != own || player->IsOnLoan()) return;
    if (IsModalPage()) {
        player->RemoveFromTransferList();
        SetLabel(GetDetailValue(kStatus), platform::LoadString(485));
        if (CXButton* release = GetPageButton(kReleaseButton)) release->Enable(false);
        m_bListed = 0;
        Repaint(0);
        return;
    }
    const double cost = player->GetRemainingWages();
    if (cost > 0 && cost > own->GetBankBalance()) {
        UserMessageBox(18, kBoxNotice, -1);
        return;
    }
    if (!player->IsWithinClubStanding(*own)) {
        UserMessageBoxText(Fmt(19, {player->GetName()}), kBoxNotice, WorldIndexOf(*player));
        return;
    }
    if (cost > 0) {
        const CCountry* country = own->GetCountry();
        const std::string text = country ? player->GetPayOffText(*country) : std::string();
        if (UserMessageBoxText(text, kBoxYesNo, WorldIndexOf(*player)) != kAnswerYes) return;
    }
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    const PersonIdentity id = IdentifyPerson(player, kPersonListPlayers);
    if (manager) manager->RemoveHistoryEntries({id.index, id.owner, id.kind});
    ReleaseKitSurface(false);
    own->ReleasePlayer(static_cast<uint16_t>(id.index), cost);
    if (manager) manager->GoBack(1);
}

void CPlayerScreen::ReleaseEmployee(CEmployee& e) {
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (!own || !w || e.GetClub() != own) return;
    const int index = own->Staff().FindIndex(&e);
    if (index < 0) return;
    const double cost = e.Person().GetContractCost(false, w->GetWeek());
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (cost > 0) {
        const std::string text = Fmt(425, {e.GetName(), MoneyText(cost, own)});
        if (UserMessageBoxText(text, kBoxYesNo, -1) != kAnswerYes) return;
    }
    const PersonIdentity id = IdentifyPerson(&e, kPersonListStaff);
    if (manager) manager->RemoveHistoryEntries({id.index, id.owner, id.kind});
    own->DismissEmployee(index, cost);
    if (manager) manager->GoBack(1);
}

void CPlayerScreen::ApproachEmployee(CAvailableEmployee& e) {
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    if (!own || !w) return;
    const int at = w->FindAvailableEmployee(&e);
    const auto& approached = own->ApproachedEmployees();
    if (at >= 0 && std::find(approached.begin(), approached.end(), static_cast<uint32_t>(at)) != approached.end()) {
        UserMessageBoxText(Fmt(1169, {e.GetName(), own->GetName()}), kBoxNotice, -1);
        return;
    }
    if (own->Staff().GetSize() >= CEmployeeList::kMaxEmployees) {
        UserMessageBoxText(Fmt(47064, {own->GetName()}), kBoxNotice, -1);
        return;
    }
    if (own->ConfirmHireEmployee(e.m_JobKind) != 1) return;
    if (!own->AcceptsLevel(e.m_Ability)) {
        UserMessageBoxText(Fmt(835, {e.GetName(), own->GetName()}), kBoxNotice, -1);
        return;
    }
    OpenNegotiation(kContractPage, &e, kPersonListStaffMarket, 0, 0);
}

void CPlayerScreen::HireOrReleaseYouth() {
    CClub* own = UserClub();
    CWorldData* w = GetWorldData();
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!own || !w || !m_pSubject) return;
    const PersonIdentity id = m_SubjectId;
    if (m_nSubjectKind == kPersonListYouths) {
        auto* youth = static_cast<CYouth*>(m_pSubject);
        const int at = own->Youths().FindIndex(youth);
        if (at < 0) return;
        if (UserMessageBoxText(Fmt(842, {youth->GetName()}), kBoxYesNo, -1) != kAnswerYes) return;
        if (manager) manager->RemoveHistoryEntries({id.index, id.owner, id.kind});
        own->Youths().DeleteAt(at);
    } else {
        auto* youth = static_cast<CAvailableYouth*>(m_pSubject);
        if (own->Youths().GetSize() >= CYouthList::kCapacity) {
            UserMessageBox(47065, kBoxNotice, -1);
            return;
        }
        CCountry* country = w->GetCurrentCountry();
        CAvailableYouthList* market = country ? country->GetYouthMarket() : nullptr;
        const int at = market ? market->FindIndex(youth) : -1;
        if (at < 0) return;
        if (manager) manager->RemoveHistoryEntries({id.index, id.owner, id.kind});
        own->Youths().Add(std::make_unique<CYouth>(*youth));
        market->RemoveAt(at);
    }
    m_pSubject = nullptr;
    if (manager) manager->GoBack(1);
}

void CPlayerScreen::OnRenewContract() {
    CClub* own = UserClub();
    if (!own || !m_pSubject || IsModalPage()) return;
    switch (m_nSubjectKind) {
        case kPersonListPlayers: {
            auto* player = static_cast<CPlayer*>(m_pSubject);
            if (player->GetClub() != own) return;
            if (own->HasBidForPlayer(static_cast<uint32_t>(WorldIndexOf(*player)))) return;
            const uint8_t status = player->Person().GetStatus();
            if (status == 3 || status == 10) {
                UserMessageBoxText(Fmt(949, {player->GetName()}), kBoxNotice, WorldIndexOf(*player));
                return;
            }
            if (status == CPerson::kStatusRetiring) {
                UserMessageBoxText(Fmt(951, {player->GetName()}), kBoxNotice, WorldIndexOf(*player));
                return;
            }
            if (!player->AskToRenewContract(*own)) return;
            OpenNegotiation(kContractPage, player, kPersonListPlayers, -1, 0);
            break;
        }
        case kPersonListStaff:
        case kPersonListYouths:
            OpenNegotiation(kContractPage, m_pSubject, m_nSubjectKind, 0, 0);
            break;
        default:
            break;
    }
}
