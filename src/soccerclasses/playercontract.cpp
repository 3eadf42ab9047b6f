// The player's side of the transfer market and of contracts: fees, listing,
// willingness, demands, answers, renewals and loans.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

std::string Money(const CCountry& c, double amount) {
    std::string s;
    c.FormatMoney(s, amount);
    return s;
}

}  // namespace

double CPlayer::YearsFactor(double amount) const {
    if (m_Person.GetStatus() == CPerson::kStatusRenewalAgreed) return amount;
    if (m_Person.GetContractYears() == 1) return amount * 0.9;
    if (m_Person.GetContractYears() == 2) return amount * 0.8;
    return amount;
}

double CPlayer::GetTransferFee(const CCountry& country) const {
    const double fee = YearsFactor(m_Football.GetTransferFee(GetAge(), m_Person.GetTemperament(), MoneyScaleOf(&country)));
    if (IsFreeAgent()) return 0.0;
    if (m_AskingPrice >= 1.0 && m_AskingPrice * 1.3 <= fee)
        return RoundMoney(m_AskingPrice * 0.9 + Random(static_cast<int>(m_AskingPrice * 0.2)), &country);
    return fee;
}

double CPlayer::GetAskingPrice(const CCountry& country) const {
    if (m_AskingPrice >= 1.0) return m_AskingPrice;
    if (IsFreeAgent()) return 0.0;
    return YearsFactor(m_Football.GetTransferFee(GetAge(), m_Person.GetTemperament(), MoneyScaleOf(&country)));
}

int CPlayer::GetAdjustedValue(uint8_t percent) const {
    return static_cast<int>(YearsFactor(m_Football.GetValue(GetAge(), m_Person.GetTemperament(), percent)));
}

std::string CPlayer::GetAskingPriceText(const CCountry& country) const {
    assert(m_AskingPrice > -1.0);
    return Money(country, m_AskingPrice);
}

double CPlayer::GetWageDemand(const CClub& club) const {
    return m_Football.GetWageDemand(GetAge(), MoneyScaleOf(club.GetCountry()));
}

double CPlayer::GetRemainingWages() const {
    if (m_Person.GetContractYears() == 0) return 0.0;
    const int week = GetWorldData() ? GetWorldData()->GetWeek() : 0;
    // Never below nothing: a clock past week 52 (or not yet set, week 107)
    // would otherwise turn a release's compensation into money for the club.
    return std::max(0, m_Person.GetContractYears() * 52 - week) * m_Person.GetWeeklyWage();
}

std::string CPlayer::GetPayOffText(const CCountry& country) const {
    assert(m_Person.GetContractYears() > 0);
    return platform::FormatMessageId(355, {GetName(), Money(country, GetRemainingWages())});
}

bool CPlayer::SetTransferPrice(int price, const CCountry& country) {
    const MoneyScale m = MoneyScaleOf(&country);
    double amount = price == -1 ? GetAdjustedValue(country.GetWageFactor()) : price;
    const double upper = m_Football.GetMaximumFee(GetAge(), m_Person.GetTemperament(), m);
    const double lower = m_Football.GetMinimumFee(GetAge(), m_Person.GetTemperament(), m);
    if (upper < amount) {
        UserMessageBoxText(platform::FormatMessageId(47, {GetName(), Money(country, upper)}), kBoxNotice, WorldIndexOf(*this));
        ListAtPrice(upper, country);
        return false;
    }
    if (amount < lower) {
        UserMessageBoxText(platform::FormatMessageId(48, {GetName(), Money(country, lower)}), kBoxNotice, WorldIndexOf(*this));
        ListAtPrice(lower, country);
        return false;
    }
    ListAtPrice(amount, country);
    return true;
}

void CPlayer::ListAtPrice(double amount, const CCountry& country) {
    assert(!IsOnLoan());
    const MoneyScale m = MoneyScaleOf(&country);
    m_AskingPrice = RoundMoney(amount, &country);
    int years = Random(3) + 2;
    if (GetAge() > 32) years /= 2;
    m_Person.SetPendingYears(static_cast<uint8_t>(years));
    m_SigningOnDemand = m_Football.GetSigningFeeDemand(GetAge(), IsFreeAgent(), m);
    m_Person.SetPendingWage(m_Football.GetWageDemand(GetAge(), m));
    m_Person.SetStatus(CPerson::kStatusListed);
    m_WeeksListed = 0;
}

void CPlayer::RemoveFromTransferList() {
    m_AskingPrice = -1.0;
    m_WeeksListed = 0;
}

bool CPlayer::ListAtComputedFee(const CCountry& country) {
    m_Person.SetStatus(CPerson::kStatusListed);
    m_Person.LowerMorale(10);
    if (m_AskingPrice != -1.0) return false;
    const double fee = IsFreeAgent() ? 0.0 : GetTransferFee(country);
    m_AskingPrice = fee;
    return fee == 0.0;
}

void CPlayer::WithdrawFromList() {
    m_Person.SetStatus(0);
    m_AskingPrice = -1.0;
    m_Person.RaiseMorale(5);
}

void CPlayer::Unsettle() {
    for (int k = 0; k < 3; ++k) m_Football.Decline(1);
    m_Person.LowerMorale(15);
}

bool CPlayer::CanBeApproached() const {
    if (m_AskingPrice > -1.0) return IsWillingToMove();
    return IsFreeAgent();
}

bool CPlayer::IsWillingToMove() const {
    if (m_Person.GetWeeksAtClub() < 6) {
        platform::TraceF("Player Not Willing to transfer :- MINWEEKSATCLUB (%d)\n", m_Person.GetWeeksAtClub());
        return false;
    }
    if (m_Person.GetStatus() == CPerson::kStatusRetiring) {
        platform::Trace("Player Not Willing to transfer :- RETIRING\n");
        return false;
    }
    if (IsOnLoan()) {
        platform::TraceF("Player Not Willing to transfer :- ONLOAN (%d)\n", m_LoanWeeks);
        return false;
    }
    if (IsInjured()) {
        platform::Trace("Player Not Willing to transfer :- INJURED\n");
        return false;
    }
    return IsAvailable();
}

bool CPlayer::FitsClub(const CClub& club) const {
    // A player joins a club whose standing fits his ability: the asking
    // club's popularity row, banded by its division's strength.
    const CPopularity* row = club.GetPopularity();
    return !row || m_Football.FitsPopularity(*row, GetAge(), StrengthClass(club));
}

std::string CPlayer::GetRefusalText(const CClub& club, bool renewal) const {
    if (m_Person.GetStatus() == CPerson::kStatusRetiring) return platform::FormatMessageId(40, {GetName()});
    if (FitsClub(club)) return "T";
    return platform::FormatMessageId(renewal ? 331 : 41, {GetName()});
}

bool CPlayer::IsWillingToSignFor(const CClub& club, bool show) const {
    const uint8_t status = m_Person.GetStatus();
    if (status == 1 || status == 3 || status == 10) return false;
    if (status == CPerson::kStatusRetiring) {
        if (show) UserMessageBoxText(platform::FormatMessageId(40, {GetName()}), kBoxNotice, WorldIndexOf(*this));
        return false;
    }
    if (FitsClub(club)) return true;
    if (show) UserMessageBoxText(platform::FormatMessageId(41, {GetName()}), kBoxNotice, WorldIndexOf(*this));
    return false;
}

bool CPlayer::IsAboveValue(double amount, const CCountry& country) const {
    return amount > RoundMoney(1.25 * m_Football.GetValue(GetAge(), m_Person.GetTemperament(), country.GetWageFactor()),
                               &country);
}

bool CPlayer::IsWithinClubStanding(const CClub& club) const {
    const CPopularity* row = club.GetPopularity();
    return row && row->m_StandingByte >= GetAbility();
}

bool CPlayer::AgeChanceTest() const {
    static constexpr int kThresholds[5][11] = {
        {0, 0, 0, 5, 20, 45, 60, 70, 75, 80, 0}, {0, 0, 0, 0, 5, 25, 40, 50, 55, 60, 0},
        {0, 0, 0, 0, 0, 5, 20, 30, 35, 40, 0},   {0, 0, 0, 0, 0, 0, 5, 10, 15, 20, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 5, 10, 0}};
    const int r = Random(10);
    const int age = GetAge();
    int band = -1;
    if (age >= 16 && age <= 18) band = 0;
    else if (age <= 20 && age >= 19) band = 1;
    else if (age <= 22 && age >= 21) band = 2;
    else if (age <= 24 && age >= 23) band = 3;
    else if (age <= 26 && age >= 25) band = 4;
    const int threshold = band < 0 ? 100 : kThresholds[band][std::clamp(r, 0, 10)];
    return Random(100) < threshold;
}

void CPlayer::GetContractDemands(CContractOffer& offer, const CClub& buyer, const CClub* current) const {
    offer.m_Relocation = 0.0;
    bool moves = false;
    if (current && current->GetCountryIndex() != buyer.GetCountryIndex())
        moves = Random(100) < 80;
    else if (current && current->GetAreaCode() != buyer.GetAreaCode())
        moves = Random(100) < 20;
    if (moves) {
        CWorldData* w = GetWorldData();
        const CDivisionStrengthList* strengths = w ? w->GetDivisionStrengthList() : nullptr;
        const CDivisionStrength* s = strengths ? strengths->GetAt(StrengthClass(buyer)) : nullptr;
        if (s) offer.m_Relocation = RoundMoney(s->GetRelocationFigure(), buyer.GetCountry());
    }
    m_Football.GetContractDemands(offer, GetAge(), IsFreeAgent(), MoneyScaleOf(buyer.GetCountry()));
}

std::string CPlayer::AnswerOffer(const CContractOffer& d, const CClub& club, const CContractOffer& o) const {
    const std::string name = GetName();
    if (o == d) return "T";
    const CCountry* country = club.GetCountry();
    const uint8_t percent = country ? country->GetWageFactor() : 100;
    const int id = m_Football.CheckOffer(d, GetAge(), o, percent, IsFreeAgent());
    if (id >= 0) return platform::FormatMessageId(static_cast<uint32_t>(id), {name});
    if (o.m_Years < d.m_Years) return platform::FormatMessageId(28, {name});
    if (o.m_Years >= 7 || (o.m_Years > d.m_Years && Random(o.m_Years + 1) > o.m_Years - d.m_Years) ||
        (GetAge() >= 34 && o.m_Years >= 4))
        return platform::FormatMessageId(27, {name});
    if (o.m_Relocation < d.m_Relocation) {
        const double ratio = d.m_Relocation > 0 ? o.m_Relocation / d.m_Relocation : 1.0;
        const int chance = ratio > 0.89 ? 80 : ratio > 0.79 ? 60 : ratio > 0.69 ? 40 : ratio > 0.59 ? 20 : ratio > 0.49 ? 10 : 5;
        if (Random(100) > chance) return platform::FormatMessageId(933, {name});
    }
    return "T";
}

bool CPlayer::AskToRenewContract(const CClub& club) {
    AnnounceRetirement(club);
    const CPopularity* row = club.GetPopularity();
    bool refuse = false;
    if (GetAge() < 26 && row && GetAbility() > row->m_RenewalByte && Random(100) >= 61) {
        m_Person.SetStatus(CPerson::kStatusListed);
        refuse = true;
    } else if (m_ClubAppearances < m_Person.GetWeeksAtClub() / 10 || Random(40) == 1) {
        m_Person.SetStatus(CPerson::kStatusNoTalks);
        refuse = true;
    }
    if (!refuse) return true;
    const std::string text = platform::FormatMessageId(32, {GetName(), club.GetName()});
    SendTextToHuman(club, text);
    UserMessageBoxText(text, kBoxNotice, WorldIndexOf(*this));
    return false;
}

void CPlayer::CompleteMove(const CContractOffer& offer) {
    assert(offer.m_WeeklyWage > 0);
    m_ClubAppearances = m_ClubGoals = 0;
    m_SeasonClubAppearances = m_SeasonClubGoals = 0;
    m_Person.ClearPendingRenewal();
    m_Person.SetWeeksAtClub(0);
    m_Person.SetWeeklyWage(offer.m_WeeklyWage);
    m_Person.SetContractYears(static_cast<uint8_t>(std::max(0, offer.m_Years)));
    m_AskingPrice = m_SigningOnDemand = -1.0;
    m_ClubMotm = m_ClubBookings = m_ClubSendingsOff = 0;
    m_WeeksListed = 0;
}

void CPlayer::StartLoan(int lendingClub, int weeks) {
    assert(lendingClub >= 0 && weeks >= 1 && weeks <= 8);
    m_LoanWeeks = static_cast<uint8_t>(std::clamp(weeks, 1, 8));
    m_LoanClub = lendingClub;
}

bool CPlayer::LoanWeekPasses() {
    assert(m_LoanClub >= 0);
    if (m_LoanWeeks > 0) --m_LoanWeeks;
    return m_LoanWeeks == 0;
}

std::string CPlayer::GetLoanRefusal(const CClub& club, int slotAtClub) const {
    const std::string refusal = platform::FormatMessageId(46, {GetName()});
    if (!IsAvailable() || m_DisciplinePoints > 22 - Random(11)) return refusal;
    if (slotAtClub >= 11 && FitsClub(club) && Random(10) != 1) return "T";
    return refusal;
}

bool CPlayer::IsLoanCandidate() const {
    return !IsOnLoan() && m_AskingPrice <= -1.0 && m_MissedRun >= 10 && m_ClubAppearances >= 10 && !IsInjured() &&
           GetAge() >= 21 && GetAge() <= 33 && m_Person.GetStatus() == 0 && m_Person.GetContractYears() >= 2;
}

namespace {

constexpr int kPlayerInfoScreen = 60;
constexpr int kContractScreen = 62;

// The attribute a scout report compares: 1 tackling, 2 heading, 3 passing,
// 4 dribbling, 5 shooting, 6 flair, 7 handling.
int Attribute(const CSoccerPlayer& f, int kind) {
    switch (kind) {
        case 1: return f.m_Tackling;
        case 2: return f.m_Heading;
        case 3: return f.m_Passing;
        case 4: return f.m_Dribbling;
        case 5: return f.m_Shooting;
        case 6: return f.m_Flair;
        case 7: return f.m_Handling;
        default: return 0;
    }
}


}  // namespace

bool CPlayer::RequestContractRenewal(CClub& club) {
    // Nobody to ask at a computer club: its renewals are drawn at the season end.
    if (!club.IsHumanManaged()) return false;
    if (IsOnLoan() || m_Person.GetContractYears() != 1) return false;
    if (Random(5) != 1) return false;
    if (!IsWillingToSignFor(club, false) || m_Person.GetStatus() != 0) return false;
    const std::string text = platform::FormatMessageId(39, {club.GetName(), GetName()});
    SendTextToHuman(club, text);
    for (;;) {
        const int answer =
            UserMessageBoxTextEx(text, kBoxThreeButtons, 0, platform::LoadString(940), platform::LoadString(521),
                                 platform::LoadString(522), WorldIndexOf(*this), -1, 1, "");
        if (answer == 2) {
            GetUserPort().RunScreenModal(kPlayerInfoScreen, this, 0, 0, 0);
            continue;
        }
        if (answer == kAnswerYes) GetUserPort().RunScreenModal(kContractScreen, this, 0, 0, 0);
        return true;
    }
}

CCountry* CPlayer::PickDestinationCountry(CCountry* home, const CCountryList& countries) const {
    if (GetAge() != 22) return home;
    const uint8_t years = m_Person.GetContractYears();
    bool abroad;
    if (years == 0)
        abroad = Random(4) == 2;
    else if (years == 1)
        abroad = Random(8) == 2;
    else
        abroad = Random(6) == 2;
    if (!abroad) return home;
    CCountry* away = countries.GetRandomLeagueCountry();
    return away ? away : home;
}

int CPlayer::CompareWithSquad(const CClub* club, int kind) const {
    if (!club) club = CurrentUserClub();
    CWorldData* w = GetWorldData();
    if (!club || !w || kind < 0 || kind > 7) return 0;
    int sum = 0, count = 0;
    for (int slot = 0; slot < kSquadSlots; ++slot) {
        const uint16_t id = club->GetPlayerId(slot);
        const CPlayer* p = id == kEmptySlot ? nullptr : w->GetPlayer(id);
        if (!p || p->GetPosition() != GetPosition()) continue;
        sum += kind == 0 ? p->GetKnownAbility(false) : Attribute(p->m_Football, kind);
        ++count;
    }
    // A squad without his position gives no average to set him against.
    if (count == 0) return 0;
    const int average = sum / count;
    const int known = GetKnownAbility(false);
    if (kind == 0) return known - average;
    return Attribute(m_Football, kind) + (GetAbility() - known) - average;
}
