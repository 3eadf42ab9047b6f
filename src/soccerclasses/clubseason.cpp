// A club's season: results and reputation, honours, popularity moves,
// the new-season reset and the season's end.
#include <algorithm>

#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/peopledeletion.h"
#include "platform/msgformat.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

namespace {
constexpr uint8_t kMaxReputation = 99;
}

void CClub::ChangeReputation(int delta) {
    reputation_ = static_cast<uint8_t>(std::clamp(reputation_ + delta, 0, int(kMaxReputation)));
}

void CClub::RaiseReputation(uint8_t n) { ChangeReputation(n); }
void CClub::LowerReputation(uint8_t n) { ChangeReputation(-int(n)); }

void CClub::RecordHomeLeagueResult(int homeGoals, int awayGoals, uint8_t a, int b, uint8_t homeWonShootout) {
    leagueRow_.AddHomeResult(homeGoals, awayGoals, a, b, homeWonShootout);
    if (!form_) return;
    form_->AddResult(static_cast<int8_t>(homeGoals), static_cast<int8_t>(awayGoals), a, b);
    if (CHumanManager* h = GetHumanManager()) h->AddResult(true, homeGoals, awayGoals);
}

void CClub::RecordAwayLeagueResult(int homeGoals, int awayGoals, uint8_t a, int b, uint8_t homeWonShootout) {
    leagueRow_.AddAwayResult(homeGoals, awayGoals, a, b, homeWonShootout);
    if (!form_) return;
    form_->AddResult(static_cast<int8_t>(awayGoals), static_cast<int8_t>(homeGoals), a, b);
    if (CHumanManager* h = GetHumanManager()) h->AddResult(false, homeGoals, awayGoals);
}

void CClub::ProcessAfterMatch(int goalsFor, int goalsAgainst) {
    const int margin = goalsFor - goalsAgainst;
    if (margin > 0) ChangeReputation(margin >= 4 ? 35 : 30);
    else if (margin == 0) ChangeReputation(10);
    else ChangeReputation(margin <= -4 ? -35 : -30);
}

void CClub::AddAttendance(uint32_t crowd) {
    totalGate_ += static_cast<int32_t>(crowd);
    ++homeGames_;
    if (lowestGate_ == 0 || static_cast<int32_t>(crowd) < lowestGate_) lowestGate_ = static_cast<int32_t>(crowd);
}

int CClub::GetBestInLine(int position, bool asSlot) const {
    int best = -1, bestSkill = -1;
    for (int s = 0; s <= 10; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (!p || p->GetPosition() != position) continue;
        const int skill = p->Football().GetPositionSkill();
        if (skill > bestSkill) {
            bestSkill = skill;
            best = s;
        }
    }
    if (best < 0) return kEmptySlot;
    return asSlot ? best : squad_[size_t(best)];
}

int CClub::GetRandomFitInLine(int position, bool asSlot) const {
    CExtDWordArray fit;
    for (int s = 0; s <= 10; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (p && p->GetPosition() == position && CanPlayerPlay(*p)) fit.Add(asSlot ? uint32_t(s) : squad_[size_t(s)]);
    }
    if (fit.GetSize() == 0) return kEmptySlot;
    fit.Shuffle();
    return static_cast<int>(fit.GetAt(0));
}

void CClub::AddHonour(const std::string& competition, uint8_t picture, bool winner, bool isCup) {
    // League places are league honours (division trophy); cups, shields and
    // play-offs are cup honours. A human manager's own history follows.
    if (winner) AddWinHonour(competition, picture, isCup ? 1 : 0);
    else AddRunnerUpHonour(competition, picture, isCup ? 1 : 0);
}

void CClub::AddLeagueTitle(const std::string& division, uint8_t picture) {
    ChangeReputation(40);
    AddHonour(division, picture, true, false);
    const CCountry* c = GetCountry();
    const bool top = c && c->IsTopDivision(GetDivision());
    if (CManager* m = GetManagerObject()) m->AddLeagueTitle(top);
    if (CHumanManager* h = GetHumanManager()) {
        const std::string season = c ? GetWorldData()->GetSeasonText(c->GetSeasonKind()) : std::string();
        h->AddNews(platform::FormatMessageId(60, {name_, division, season}));
        h->OnChampions(division, top, name_);
    }
}

void CClub::AddLeagueRunnerUp(const std::string& division, uint8_t picture) {
    ChangeReputation(20);
    AddHonour(division, picture, false, false);
}

void CClub::RecordPromotion() {
    ChangeReputation(20);
    if (CManager* m = GetManagerObject()) m->AddTopPlaces();
    if (CHumanManager* h = GetHumanManager()) h->OnPromoted();
}

void CClub::RecordRelegation() {
    ChangeReputation(-20);
    // The board's own reviews act on the confidence this costs him.
    if (CManager* m = GetManagerObject()) m->AddBottomPlaces(leagueRow_.GetPlayed());
    if (CHumanManager* h = GetHumanManager()) h->OnRelegated();
}

void CClub::RecordBottomPlace() {
    ChangeReputation(-10);
    if (CManager* m = GetManagerObject()) m->AddLastPlace();
    if (CHumanManager* h = GetHumanManager()) h->OnBottomOfLeague();
}

void CClub::AddPlayOffWin(const std::string& name, uint8_t picture) {
    ChangeReputation(20);
    AddHonour(name, picture, true, true);
}

void CClub::AddPlayOffRunnerUp(const std::string& name, uint8_t picture) {
    ChangeReputation(10);
    AddHonour(name, picture, false, true);
}

void CClub::AddCupWin(const std::string& cup, uint8_t picture) {
    ChangeReputation(40);
    AddHonour(cup, picture, true, true);
    if (CManager* m = GetManagerObject(); m && HasManager()) m->AddCupWin(picture);
    if (CHumanManager* h = GetHumanManager()) h->OnCupWon(cup);
}

void CClub::AddCupRunnerUp(const std::string& cup, uint8_t picture) {
    ChangeReputation(20);
    AddHonour(cup, picture, false, true);
}

// A shield brings no reputation: only its place in the honours.
void CClub::AddShieldWin(const std::string& shield, uint8_t picture) { AddShieldWinHonour(shield, picture, 1); }

void CClub::AddShieldRunnerUp(const std::string& shield, uint8_t picture) { AddRunnerUpHonour(shield, picture, 1); }

void CClub::SetPopularityIndexTo(int index) {
    const int size = GetWorldData()->GetPopularityList().GetSize();
    SetPopularityIndex(static_cast<uint8_t>(std::clamp(index, 0, std::max(size - 1, 0))));
}

void CClub::SetPopularityIndex(uint8_t index) {
    CWorldData* w = GetWorldData();
    const CCountry* c = GetCountry();
    const CPopularity* row = w && index < w->GetPopularityList().GetSize() ? w->GetPopularityList().GetAt(index)
                                                                            : nullptr;
    if (index != popularity_ && row && c && IsHumanManaged()) {
        const double s = c->GetWageFactor();
        const double tv = row->m_TelevisionBase / 100.0 * s + Random(static_cast<int>(row->m_TelevisionSpread / 100.0 * s));
        const double sponsor =
            row->m_SponsorshipBase / 100.0 * s + Random(static_cast<int>(row->m_SponsorshipSpread / 100.0 * s));
        // 124 when the index grows (a less popular club), 125 when it shrinks.
        AddInboxMessage(index > popularity_ ? 124 : 125, FormatMoney(tv), FormatMoney(sponsor), "", -1);
    }
    popularity_ = index;
}

void CClub::NewTicketPrice() {
    if (const CPopularity* p = GetPopularity())
        ticketPrice_ = p->m_TicketPriceBase + Random(static_cast<int>(p->m_TicketPriceSpread));
}

// The name of the division `step` places below the club's own in its
// country (above when negative): where it moves at the season's end. Its
// own name when there is none.
std::string CClub::GetNeighbourDivisionName(int step) const {
    const CDivision* own = GetDivision();
    const CCountry* c = GetCountry();
    if (!own || !c) return {};
    for (int i = 0; i < c->GetDivisionCount(); ++i) {
        if (c->GetDivision(i) != own) continue;
        const CDivision* next = i + step >= 0 && i + step < c->GetDivisionCount() ? c->GetDivision(i + step) : nullptr;
        return next ? next->GetName() : own->GetName();
    }
    return own->GetName();
}

// Going down makes a club less popular: a higher index, by the downward step.
void CClub::SeasonEndMoveDown() {
    if (CManager* m = GetManagerObject()) m->AddRelegation();
    if (CHumanManager* h = GetHumanManager()) h->OnRelegatedByDivision(GetNeighbourDivisionName(1));
    const CPopularity* row = GetPopularity();
    SetPopularityIndexTo(popularity_ + (row ? std::max(row->m_DownwardStep, 0) : 0));
    NewTicketPrice();
}

// Going up makes it more popular: a lower index, by the upward step.
void CClub::SeasonEndMoveUp(bool skipHumanStep) {
    if (CHumanManager* h = GetHumanManager(); h && !skipHumanStep) h->OnPromotedByDivision(GetNeighbourDivisionName(-1));
    if (CManager* m = GetManagerObject()) m->AddPromotion();
    if (CWorldData* w = GetWorldData())
        for (int s = 0; s < kSquadSlots; ++s)
            if (CPlayer* p = w->GetPlayer(squad_[size_t(s)])) p->LiftMorale();
    // Not the real season end: nobody ages a second time.
    staff_.EndOfSeason(false, *this);
    const CPopularityList& table = GetWorldData()->GetPopularityList();
    const CPopularity* row = GetPopularity();
    SetPopularityIndexTo(popularity_ - (row ? std::max(row->m_UpwardStep, 0) : 0));
    NewTicketPrice();
    if (!IsHumanManaged()) {
        const int32_t base = table.GetBaseCount(popularity_);
        if (CStadium* s = GetStadium(); s && s->GetCapacity() < base) s->IncreaseCapacity(base + base / 10 - s->GetCapacity());
    }
}

void CClub::StartNewSeason() {
    ClearSeasonArrays();
    leagueRow_.Reset(leagueRow_.m_Position);
    disciplinePoints_ = bookings_ = sendingsOff_ = 0;
    if (CManager* m = GetManagerObject(); m && HasManager()) m->ResetRecord();
    lowestGate_ = 0;
    if (accounts_) accounts_->ResetSeason();
    NewTicketPrice();
    homeGames_ = totalGate_ = 0;
    if (CWorldData* w = GetWorldData())
        for (int s = 0; s < kSquadSlots; ++s)
            if (CPlayer* p = w->GetPlayer(squad_[size_t(s)])) p->StartNewSeason();
    loansOutSeason_ = 0;
    // Funds requests are measured in weeks of one season.
    SetLastFundsRequestWeek(kNoRequest);
    SetLastGrantedRequestWeek(kNoRequest);
}

void CClub::EndOfSeason() {
    CWorldData* world = GetWorldData();
    RecordSeasonInRecords();
    const int youthsBefore = youths_.GetSize(), staffBefore = staff_.GetSize();
    youths_.SeasonEnd();
    staff_.EndOfSeason(IsHumanManaged(), *this);
    if (youths_.GetSize() != youthsBefore) ForgetListPlaces(kPersonListYouths, *this);
    if (staff_.GetSize() != staffBefore) ForgetListPlaces(kPersonListStaff, *this);
    for (int s = kSquadSlots - 1; s >= 0; --s) {
        const uint16_t id = squad_[size_t(s)];
        CPlayer* p = world->GetPlayer(id == kEmptySlot ? -1 : id);
        if (!p) continue;
        const bool borrowed = p->IsOnLoan() && p->m_LoanClub >= 0;
        CClub* lender = borrowed ? world->GetClub(p->m_LoanClub) : nullptr;
        const bool leaves = p->EndSeason(*this);
        // A borrowed man who retires here, or whom the season end replaced
        // by a youngster of this club, is no longer his club's man on loan.
        if (lender && lender != this && (leaves || p->m_LoanClub < 0)) {
            if (lender->playersOutside_ > 0) --lender->playersOutside_;
            if (loansOutNow_ > 0) --loansOutNow_;
        }
        if (leaves) {
            RemoveFromSquad(s);
            ForgetPlayerIndex(id);
            world->GetPlayerList().DeleteAt(id);
            DecayHumanFamiliarity();
        } else if (borrowed && p->m_LoanClub >= 0 && p->Person().GetContractYears() == 0) {
            ProcessLoanEnd(s);
        }
    }
    // Computer clubs keep a squad to play with and a balance to trade with.
    if (!IsHumanManaged()) {
        const CCountry* c = GetCountry();
        if (c && c->GetFollowLevel() < 2 && GetSquadSize() < 18)
            AddGeneratedPlayers(18 - static_cast<int>(GetSquadSize()) + Random(3));
        if (const CPopularity* p = GetPopularity(); p && c) {
            const double v = p->GetValue(c->GetWageFactor());
            if (balance_ < 100000.0 || balance_ < 4 * v) balance_ = v;
        }
    }
    for (int i = staff_.GetSize() - 1; i >= 0; --i)
        if (CEmployee* e = staff_.GetAt(i); e && e->m_Person.GetContractYears() == 0) DismissEmployee(i, 0.0);
    ReviewManagerAtSeasonEnd();
    if (IsCountryActive()) {
        // Played friendlies leave the world's list with the slots, or they
        // would be played again on the same day of every later season.
        ResetFriendlies();
        world->GetFriendlyMatchList().RemoveClubFriendlies(world->GetClubList().GetIndex(this));
    }
    WorldEndOfSeasonHook();
}

// The manager's own season end may retire a computer manager; a contract
// with less than a year to run goes before the board.
void CClub::ReviewManagerAtSeasonEnd() {
    if (!HasManager()) return;
    const bool retire = GetWorldData()->GetManagerList().SeasonEndFor(manager_);
    if (retire && !IsHumanManaged()) RetireManager();
    if (const CManager* m = HasManager() ? GetManagerObject() : nullptr; m && m->Person().GetContractYears() < 1)
        ReviewExpiredContract();
}

// The world's own season end for a club; nothing of the world needs it yet.
void CClub::WorldEndOfSeasonHook() {}

void CClub::RecordSeasonInRecords() {
    const CDivision* d = GetDivision();
    if (!d) return;
    const CCountry* c = GetCountry();
    const std::string season = c ? GetWorldData()->GetSeasonText(c->GetSeasonKind()) : std::string();
    const auto div = static_cast<uint8_t>(division_);
    const uint8_t position = leagueRow_.m_Position;
    records_.SetBestDivision(div, season);
    records_.SetBestFinish(position, div, season);
    records_.SetLowestDivision(div, season);
    records_.SetWorstFinish(position, div, season);
    records_.SetMostPoints(leagueRow_.m_Points, season, d->GetName());
}
