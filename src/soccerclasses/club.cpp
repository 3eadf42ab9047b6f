#include "soccerclasses/club.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using namespace clubfile;

namespace {

constexpr uint8_t kTacticDraw[11] = {0, 1, 0, 1, 0, 7, 1, 1, 9, 3, 3};
constexpr int kLeaguePositions = 46;
constexpr int kSeriesLength = 23;
constexpr int kFriendlySlots = 4;
constexpr uint8_t kNotPlayed = 255;
constexpr int kPositionLimit[4] = {6, 10, 10, 10};
// The weekly rate that compounds to 20 per cent over 52 weeks.
constexpr double kWeeklyLoanRate = 0.003512338;

int TruncRandom(double x) { return Random(static_cast<int>(x)); }

}  // namespace

std::string& CClub::AccountsDate() {
    static std::string date;
    return date;
}

CClub::CClub() {
    ResetClub();
    ticketPrice_ = 10.0;
    instructions_ = {5, 5, 0, 0, 0};
    manager_ = -1;
    training_ = std::make_unique<CSoccerSquadTraining>();
    youthTrainingLoad_ = 10;
    // A blank club offers the terms its standing gives; a club read from
    // the file takes its manager's own terms instead.
    if (CWorldData* w = GetWorldData(); w && w->GetPopularityList().GetSize() > 0) RenewManagerTerms();
}

CClub::~CClub() = default;

void CClub::ResetClub() {
    leagueRow_.Reset(0);
    squad_.assign(kSquadSlots, kEmptySlot);
    designated_ = {kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
    lastGrantedRequest_ = -2;
    lastRequest_ = 254;
    weekOpeningBalance_ = weekNet_ = 0.0;
    loan_ = weeklyRepayment_ = 0.0;
    loanWeeks_ = 0;
    lowestGate_ = totalGate_ = homeGames_ = lastHomeCrowd_ = 0;
    disciplinePoints_ = bookings_ = sendingsOff_ = 0;
    loansOutSeason_ = 0;
    playersOutside_ = loansOutNow_ = 0;
    positionFigures_ = {};
    receipt1_.Clear();
    receipt2_.Clear();
}

std::string CClub::ReadFromFile(FILE* f, int32_t index) {
    CWorldData* world = GetWorldData();
    ResetClub();
    name_ = GetText(f);
    secondName_ = GetText(f);
    stadium_ = GetI32(f);
    popularity_ = GetU8(f);
    secondPopularity_ = GetU8(f);
    areaCode_ = GetI32(f);
    division_ = GetI32(f);
    yearFounded_ = GetI16(f);
    if (GameFileDamaged()) return "damaged";
    if (name_.empty()) return "no name";
    if (popularity_ >= world->GetPopularityList().GetSize() || secondPopularity_ >= world->GetPopularityList().GetSize())
        return "popularity outside the table";
    if (!world->GetDivision(division_)) return "division outside the list";
    if (!world->GetStadiumList().GetAt(stadium_)) return "stadium outside the list";
    if (!world->GetCountry(world->GetDivision(division_)->GetCountry())) return "division of no country";

    if (IsCountryActive()) ActivateCountry();
    training_ = std::make_unique<CSoccerSquadTraining>();
    youthTrainingLoad_ = 10;

    // The manager flag carries the manager's age; every club has one.
    const uint8_t managerFlag = GetU8(f);
    if (managerFlag == 0) return "no manager";
    if (managerFlag >= 65) return "manager flag of 65 or more";
    manager_ = world->GetManagerList().ReadFromClubsFile(f, index, managerFlag, GetPopularity());
    managerYears_ = 0;
    managerBonus_ = 0;
    // The offered wage must be positive for the manager to join: it is his own.
    managerWage_ = GetManagerObject()->Person().GetWeeklyWage() * 52.0;

    instructions_ = {5, 5, 0, 0, 5};
    tactic_ = kTacticDraw[Random(10)];
    if (CHumanManager* h = GetHumanManager()) h->SetCurrentTactic(tactic_);
    const CCountry* country = GetCountry();
    balance_ = GetPopularity()->GetValue(country->GetWageFactor());
    budgetPercentage_ = GetManagerObject()->GetRating();
    reputation_ = popularity_;
    ticketPrice_ = GetPopularity()->m_TicketPriceBase + TruncRandom(GetPopularity()->m_TicketPriceSpread);
    squad_.assign(kSquadSlots, kEmptySlot);
    homeKit_.Load(f);
    awayKit_.Load(f);
    return GameFileDamaged() ? "damaged" : "";
}

void CClub::CreateAccounts() {
    accounts_ = std::make_unique<CAccountsItemList>();
    for (int c : {0, 2, 5, 9, 10, 16}) accounts_->GetItem(c).income = 1;
}

void CClub::ActivateCountry() {
    CreateAccounts();
    form_ = std::make_unique<CCurrentForm>();
    friendlyOpponents_.assign(kFriendlySlots, kEmptySlot);
    friendlyVenues_.assign(kFriendlySlots, 0);
    series1_.assign(kSeriesLength, 0);
    series2_.assign(kSeriesLength, 0);
    leaguePositions_.assign(kLeaguePositions, kNotPlayed);
}

void CClub::DeactivateCountry() {
    accounts_.reset();
    form_.reset();
    friendlyOpponents_.clear();
    friendlyVenues_.clear();
    series1_.clear();
    series2_.clear();
    leaguePositions_.clear();
}

void CClub::ClearSeasonArrays() {
    if (!IsCountryActive()) return;
    series1_.assign(kSeriesLength, 0);
    series2_.assign(kSeriesLength, 0);
    leaguePositions_.assign(kLeaguePositions, kNotPlayed);
}

void CClub::Save(FILE* f) const {
    PutText(f, name_);
    PutText(f, secondName_);
    PutI32(f, stadium_);
    youths_.Save(f);
    staff_.Save(f);
    records_.Save(f);
    leagueRow_.Save(f);
    transfers1_.Save(f);
    transfers2_.Save(f);
    trophies_.Save(f);
    if (IsCountryActive()) {
        accounts_->Save(f);
        form_->Save(f);
        PutDWords(f, friendlyOpponents_);
        PutBytes(f, friendlyVenues_);
        PutDWords(f, approachedStaff_);
        PutDWords(f, offerTargets_);
        PutDWords(f, loanDeals_);
        for (const CScout& s : scouts_) s.Save(f);
    }
    PutU8(f, tactic_);
    PutI32(f, manager_);
    PutI32(f, areaCode_);
    PutU8(f, popularity_);
    PutU8(f, reputation_);
    PutI32(f, disciplinePoints_);
    PutI32(f, bookings_);
    PutI32(f, sendingsOff_);
    for (int i : {0, 2, 3, 4, 1}) PutU8(f, instructions_[static_cast<size_t>(i)]);
    for (int32_t d : designated_) PutI32(f, d);
    receipt1_.Save(f);
    receipt2_.Save(f);
    PutI32(f, totalGate_);
    PutI32(f, homeGames_);
    PutI32(f, lastHomeCrowd_);
    PutF64(f, loan_);
    PutF64(f, weeklyRepayment_);
    PutI32(f, loanWeeks_);
    PutF64(f, ticketPrice_);
    PutF64(f, balance_);
    PutF64(f, budgetPercentage_);
    PutI8(f, lastGrantedRequest_);
    PutU8(f, lastRequest_);
    PutF64(f, weekOpeningBalance_);
    PutF64(f, weekNet_);
    PutI32(f, division_);
    PutI16(f, yearFounded_);
    PutI32(f, lowestGate_);
    PutWords(f, squad_);
    homeKit_.Save(f);
    awayKit_.Save(f);
    PutBytes(f, leaguePositions_);
    PutDWords(f, series1_);
    PutDWords(f, series2_);
    for (uint8_t b : positionFigures_) PutU8(f, b);
    PutF64(f, managerWage_);
    PutI32(f, managerYears_);
    PutI32(f, managerBonus_);
    PutI32(f, loansOutSeason_);
    PutU8(f, playersOutside_);
    PutU8(f, loansOutNow_);
    training_->Save(f);
    PutU8(f, youthTrainingLoad_);
}

void CClub::Load(FILE* f) {
    name_ = GetText(f);
    secondName_ = GetText(f);
    stadium_ = GetI32(f);
    youths_.Load(f);
    staff_.Load(f);
    records_.Load(f);
    leagueRow_.Load(f);
    transfers1_.Load(f);
    transfers2_.Load(f);
    // The lines read name players the world's index has not seen.
    if (CWorldData* w = GetWorldData()) w->GetClubList().DropNamedPlayerIndex();
    trophies_.Load(f);
    if (IsCountryActive()) {
        if (!accounts_) CreateAccounts();
        if (!form_) form_ = std::make_unique<CCurrentForm>();
        accounts_->Load(f);
        form_->Load(f);
        friendlyOpponents_ = GetDWords(f);
        friendlyVenues_ = GetBytes(f);
        approachedStaff_ = GetDWords(f);
        offerTargets_ = GetDWords(f);
        loanDeals_ = GetDWords(f);
        for (CScout& s : scouts_) s.Load(f);
    }
    tactic_ = GetU8(f);
    manager_ = GetI32(f);
    areaCode_ = GetI32(f);
    popularity_ = GetU8(f);
    reputation_ = GetU8(f);
    disciplinePoints_ = GetI32(f);
    bookings_ = GetI32(f);
    sendingsOff_ = GetI32(f);
    for (int i : {0, 2, 3, 4, 1}) instructions_[static_cast<size_t>(i)] = GetU8(f);
    for (int32_t& d : designated_) d = GetI32(f);
    receipt1_.Load(f);
    receipt2_.Load(f);
    totalGate_ = GetI32(f);
    homeGames_ = GetI32(f);
    lastHomeCrowd_ = GetI32(f);
    loan_ = GetF64(f);
    weeklyRepayment_ = GetF64(f);
    loanWeeks_ = GetI32(f);
    ticketPrice_ = GetF64(f);
    balance_ = GetF64(f);
    budgetPercentage_ = GetF64(f);
    lastGrantedRequest_ = GetI8(f);
    lastRequest_ = GetU8(f);
    weekOpeningBalance_ = GetF64(f);
    weekNet_ = GetF64(f);
    division_ = GetI32(f);
    yearFounded_ = GetI16(f);
    lowestGate_ = GetI32(f);
    squad_ = GetWords(f);
    if (squad_.size() != kSquadSlots) {
        MarkGameFileDamaged("squad of other than 30 slots");
        squad_.assign(kSquadSlots, kEmptySlot);
    }
    homeKit_.Load(f);
    awayKit_.Load(f);
    leaguePositions_ = GetBytes(f);
    series1_ = GetDWords(f);
    series2_ = GetDWords(f);
    for (uint8_t& b : positionFigures_) b = GetU8(f);
    managerWage_ = GetF64(f);
    managerYears_ = GetI32(f);
    managerBonus_ = GetI32(f);
    loansOutSeason_ = GetI32(f);
    playersOutside_ = GetU8(f);
    loansOutNow_ = GetU8(f);
    training_->Load(f);
    youthTrainingLoad_ = GetU8(f);
}

CDivision* CClub::GetDivision() const { return GetWorldData()->GetDivision(division_); }

CCountry* CClub::GetCountry() const {
    const CDivision* d = GetDivision();
    return d ? GetWorldData()->GetCountry(d->GetCountry()) : nullptr;
}

int CClub::GetCountryIndex() const {
    const CDivision* d = GetDivision();
    return d ? d->GetCountry() : -1;
}

bool CClub::IsCountryActive() const {
    const CCountry* c = GetCountry();
    return c && c->IsFollowed();
}

const CPopularity* CClub::GetPopularity() const { return GetWorldData()->GetPopularityList().GetAt(popularity_); }
CStadium* CClub::GetStadium() const { return GetWorldData()->GetStadiumList().GetAt(stadium_); }

std::string CClub::GetStadiumName() const {
    const CStadium* s = GetStadium();
    return s ? s->name : std::string();
}

int32_t CClub::GetStadiumCapacity() const {
    const CStadium* s = GetStadium();
    return s ? s->GetCapacity() : 0;
}

CManager* CClub::GetManagerObject() const {
    return manager_ >= 0 ? GetWorldData()->GetManagerList().GetAt(manager_) : nullptr;
}

bool CClub::IsHumanManaged() const {
    const CManager* m = GetManagerObject();
    return m && m->IsHuman();
}

std::string CClub::GetFoundedYearText() const {
    return yearFounded_ == 0 ? platform::LoadString(19999) : platform::StrPrintf("%d", yearFounded_);
}

double CClub::GetTransferBudget() const { return std::max(0.0, balance_ * budgetPercentage_ / 100.0); }

void CClub::Book(int category, double amount) {
    if (accounts_) accounts_->AddToItem(category, amount);
}

uint32_t CClub::RequestFunds(double amount, int years) {
    if (balance_ < 0.0) return 100;
    const CCountry* country = GetCountry();
    const double request = country ? country->ToBaseMoney(amount) : amount;
    const double budget = budgetPercentage_ / 100.0 * balance_;
    const double wanted = budget + request;
    if (wanted < balance_) {
        const double share = wanted / balance_ * 100.0;
        const uint8_t r = static_cast<uint8_t>(Random(95));
        if (r >= share) {
            budgetPercentage_ = share;
            return 32924;
        }
        if (r > budgetPercentage_) {
            budgetPercentage_ = r;
            return 32925;
        }
        return 32926;
    }
    // A zero percentage could never cover anything: ask for the whole wish.
    const double needed = budgetPercentage_ > 0.0 ? wanted / budgetPercentage_ * 100.0 - balance_ : wanted;
    const double room = GetPopularity()->m_BaseValue - loan_;
    if (needed > room) return 32914;
    static constexpr int kChance[11] = {60, 55, 50, 45, 40, 35, 30, 20, 10, 5, 0};
    const int decile = std::clamp(static_cast<int>(needed / room * 100.0) / 10, 0, 10);
    if (Random(100) > kChance[decile]) return 32915;
    TakeLoan(needed, years);
    return 101;
}

namespace {
// The game's loan formula: the weekly payment that repays the loan over the term.
double LoanRepayment(double rate, double loan, int years, double periods) {
    const double n = years * periods;
    const double i = rate / 100.0 / periods;
    if (n <= 0) return loan;
    if (i <= 0) return loan / n;
    return loan * i / (1.0 - std::pow(1.0 + i, -n));
}
}  // namespace

void CClub::TakeLoan(double amount, int years) {
    loan_ += amount;
    weeklyRepayment_ = LoanRepayment(20.0, loan_, years, 52.0);
    balance_ += amount;
    loanWeeks_ = years * 52;
}

double CClub::PayBuildingWork(double amount) {
    const CCountry* country = GetCountry();
    const double base = country ? country->ToBaseMoney(amount) : amount;
    Book(kBuildingWork, base);
    balance_ -= base;
    return base;
}

void CClub::SetReceipt(CMatchReceipt& r, bool home, int32_t crowd, int16_t kind, uint8_t homeGoals,
                       uint8_t awayGoals, double price, uint8_t b) {
    if (!r.Fill(home, crowd, kind, homeGoals, awayGoals, price, b)) {
        platform::Trace("Match receipt refused: no crowd or negative takings\n");
        return;
    }
    if (home && kind != 4 && kind != 7) lastHomeCrowd_ = crowd;
}

void CClub::SetHomeReceipt1(int32_t c, int16_t k, uint8_t h, uint8_t a, double p, uint8_t b) { SetReceipt(receipt1_, true, c, k, h, a, p, b); }
void CClub::SetAwayReceipt1(int32_t c, int16_t k, uint8_t h, uint8_t a, double p, uint8_t b) { SetReceipt(receipt1_, false, c, k, h, a, p, b); }
void CClub::SetHomeReceipt2(int32_t c, int16_t k, uint8_t h, uint8_t a, double p, uint8_t b) { SetReceipt(receipt2_, true, c, k, h, a, p, b); }
void CClub::SetAwayReceipt2(int32_t c, int16_t k, uint8_t h, uint8_t a, double p, uint8_t b) { SetReceipt(receipt2_, false, c, k, h, a, p, b); }

void CClub::ClearReceipts() {
    receipt1_.Clear();
    receipt2_.Clear();
}

void CClub::ProcessWeeklyAccounts() {
    if (!IsHumanManaged()) return;
    if (!IsCountryActive() || !accounts_) {
        platform::Trace("Weekly accounts asked of a club that is not followed\n");
        return;
    }
    CWorldData* world = GetWorldData();
    const CPopularity& p = *GetPopularity();
    const double s = GetCountry()->GetWageFactor();

    AccountsDate() = world->GetDayMonthYearText();
    weekOpeningBalance_ = balance_;
    double net = 0.0;

    double security = 0.0;
    for (const CMatchReceipt* r : {&receipt1_, &receipt2_})
        if (r->side == CMatchReceipt::kHome)
            security += (r->crowd + Random(std::max(r->crowd / 10, 1))) * 0.7;
    Book(kSecurityCharges, security);
    net -= security;

    const double television = p.m_TelevisionBase / 100.0 * s + TruncRandom(p.m_TelevisionSpread / 100.0 * s);
    Book(kTelevisionIncome, television);
    net += television;
    const double merchandising = p.m_MerchandisingRate / 100.0 * s / 100.0 * reputation_;
    Book(kMerchandisingIncome, merchandising);
    net += merchandising;
    const double sponsorship = p.m_SponsorshipBase / 100.0 * s + TruncRandom(p.m_SponsorshipSpread / 100.0 * s);
    Book(kSponsorship, sponsorship);
    net += sponsorship;

    double costs = 0.0;
    const double general = p.GetBudget(static_cast<uint8_t>(s));
    Book(kGeneralWages, general);
    costs += general;
    if (const CManager* m = GetManagerObject()) {
        Book(kManagerWages, m->Person().GetWeeklyWage());
        costs += m->Person().GetWeeklyWage();
    }
    double playerWages = 0.0;
    for (uint16_t id : squad_)
        if (const CPlayer* pl = world->GetPlayerList().GetAt(id == kEmptySlot ? -1 : id)) playerWages += pl->Person().GetWeeklyWage();
    Book(kPlayerWages, playerWages);
    costs += playerWages;
    const double staffWages = staff_.GetWageTotal();
    Book(kEmployeeWages, staffWages);
    costs += staffWages;
    // The youth squad's week of training comes before its wages are paid.
    if (youths_.GetSize() > 0) youths_.TrainAll(*this);
    const double youthWages = youths_.GetSize() * 125 * p.m_YouthWage;
    Book(kYouthSquadWages, youthWages);
    costs += youthWages;

    net += receipt1_.receipts + receipt2_.receipts - costs;

    const double running = (TruncRandom(p.m_RunningCostSpread) + p.m_RunningCostBase) / 100.0 * s;
    Book(kRunningCosts, running);
    net -= running;
    if (Random(40) < 8) net += 2 * running + TruncRandom(running);

    if (loan_ > 0.0) {
        --loanWeeks_;
        loan_ += loan_ * kWeeklyLoanRate;
        const double repayment = std::min(loan_, weeklyRepayment_);
        Book(kLoanRepayments, repayment);
        net -= repayment;
        loan_ -= repayment;
    } else {
        weeklyRepayment_ = 0.0;
        loanWeeks_ = 0;
    }

    const double interest = balance_ * 0.1 / 100.0;
    Book(kBankInterest, interest);
    net += interest;
    balance_ += net;
    weekNet_ = net;

    Book(kGateReceipts, receipt1_.receipts + receipt2_.receipts);
    ClearReceipts();
}

void CClub::SetPlayerId(int slot, uint16_t player) {
    assert(slot >= 0 && slot < kSquadSlots);
    squad_.at(static_cast<size_t>(slot)) = player;
    MarkKnownToHuman(player);
}

// A human manager knows every man who stands in his squad.
void CClub::MarkKnownToHuman(uint16_t player) const {
    if (player == kEmptySlot || !IsHumanManaged()) return;
    CPlayer* p = GetWorldData()->GetPlayer(player);
    const int user = p ? GetHumanManagerIndex() : -1;
    if (user >= 0) p->Football().SetKnownBy(static_cast<uint8_t>(user));
}

bool CClub::AddPlayerToSquad(uint16_t player) {
    if (GetSquadSize() >= kSquadSlots || FindSlotOfPlayer(player) >= 0) {
        platform::Trace("Squad has no room for the player, or he already stands in it\n");
        return false;
    }
    for (auto& s : squad_)
        if (s == kEmptySlot) {
            s = player;
            MarkKnownToHuman(player);
            // A new face: the side's formations are less well drilled.
            DecayHumanFamiliarity();
            return true;
        }
    return false;
}

void CClub::SwapSquadSlots(int a, int b) {
    std::swap(squad_.at(static_cast<size_t>(a)), squad_.at(static_cast<size_t>(b)));
    MarkKnownToHuman(squad_[size_t(a)]);
    MarkKnownToHuman(squad_[size_t(b)]);
}

void CClub::RemoveFromSquad(int slot) {
    assert(slot >= 0 && slot < kSquadSlots);
    if (slot < 0 || slot >= kSquadSlots) return;
    int gap = slot;
    if (!IsHumanManaged() && slot < 11) {
        const CPlayerList& players = GetWorldData()->GetPlayerList();
        const CPlayer* leaving = players.GetAt(squad_[size_t(slot)] == kEmptySlot ? -1 : squad_[size_t(slot)]);
        for (int k = 11; leaving && k < kSquadSlots; ++k) {
            const CPlayer* p = players.GetAt(squad_[size_t(k)] == kEmptySlot ? -1 : squad_[size_t(k)]);
            if (p && p->GetPosition() == leaving->GetPosition()) {
                squad_[size_t(slot)] = squad_[size_t(k)];
                gap = k;
                break;
            }
        }
    }
    for (int k = gap; k < kSquadSlots - 1; ++k) squad_[size_t(k)] = squad_[size_t(k + 1)];
    squad_[kSquadSlots - 1] = kEmptySlot;
    if (IsHumanManaged()) {
        for (int k = gap; k < kSquadSlots - 1; ++k) MarkKnownToHuman(squad_[size_t(k)]);
        ShiftHumanSelection(gap);
    }
}

int CClub::FindSlotOfPlayer(uint16_t player) const {
    for (int i = 0; i < kSquadSlots; ++i)
        if (squad_[size_t(i)] == player) return i;
    return -1;
}

int CClub::CountFilledSlots() const {
    return static_cast<int>(std::count_if(squad_.begin(), squad_.end(), [](uint16_t s) { return s != kEmptySlot; }));
}

uint32_t CClub::GetSquadSize() const { return static_cast<uint32_t>(CountFilledSlots() + playersOutside_); }

int CClub::CountPlayersInPosition(int position) const {
    int n = 0;
    for (uint16_t id : squad_)
        if (const CPlayer* p = GetWorldData()->GetPlayerList().GetAt(id == kEmptySlot ? -1 : id))
            n += p->GetPosition() == position;
    return n;
}

int32_t CClub::CanSignPlayer(int position) const {
    if (GetSquadSize() >= kSquadSlots) return 600;
    if (position >= 0 && position < 4 && CountPlayersInPosition(position) >= kPositionLimit[position]) return 32862;
    return 0;
}

int32_t CClub::CanSignPlayer(const CPlayer* player, bool show) const {
    const int32_t refusal = CanSignPlayer(player ? player->GetPosition() : -1);
    if (refusal == 0 || !show) return refusal;
    UserMessageBox(static_cast<unsigned>(refusal), kBoxNotice, manager_);
    return -1;
}

void CClub::LoanOutPlayer(uint16_t player) {
    const int slot = FindSlotOfPlayer(player);
    if (slot < 0) return;
    ++playersOutside_;
    RemoveFromSquad(slot);
    DecayHumanFamiliarity();
}

void CClub::LoanInPlayer(uint16_t player) {
    ++loansOutSeason_;
    ++loansOutNow_;
    AddPlayerToSquad(player);
}

uint32_t CClub::GetFriendlyOpponent(int slot) const {
    return slot >= 0 && slot < int(friendlyOpponents_.size()) ? friendlyOpponents_[size_t(slot)] : kEmptySlot;
}

void CClub::SwapFriendlyOpponents(int a, int b) {
    for (uint32_t& o : friendlyOpponents_) {
        if (o == static_cast<uint32_t>(a)) o = static_cast<uint32_t>(b);
        else if (o == static_cast<uint32_t>(b)) o = static_cast<uint32_t>(a);
    }
}

uint8_t CClub::GetFriendlyVenue(int slot) const {
    return slot >= 0 && slot < int(friendlyVenues_.size()) ? friendlyVenues_[size_t(slot)] : 0;
}

void CClub::SetFriendly(int slot, uint32_t opponent, uint8_t venue) {
    if (slot < 0 || slot >= int(friendlyOpponents_.size())) return;
    friendlyOpponents_[size_t(slot)] = opponent;
    friendlyVenues_[size_t(slot)] = venue;
}

int CClub::CountFreeFriendlySlots() const {
    return static_cast<int>(std::count(friendlyOpponents_.begin(), friendlyOpponents_.end(), uint32_t{kEmptySlot}));
}
