#include "soccerclasses/clubplayers.h"

#include <algorithm>

#include "soccerclasses/person.h"
#include "soccerclasses/soccerplayer.h"

#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

bool IsPlayerInjuredOut(const CPlayer& player) {
    if (player.m_Injury < 0) return false;
    const CInjury* injury = GetWorldData()->GetInjuryList().GetAt(player.m_Injury);
    return injury && injury->IsOut();
}

bool CanPlayerPlay(const CPlayer& player) {
    return !IsPlayerInjuredOut(player) && player.m_MatchStatus != CPlayer::kMatchSentOff;
}

bool IsPlayerAvailable(const CPlayer& player) { return CanPlayerPlay(player) && player.m_Suspension == 0; }

int GetPlayerMatchAbility(const CPlayer& player) { return player.GetAbility(); }

double GetPlayerWeeklyWage(const CPlayer& player) { return player.Person().GetWeeklyWage(); }

uint8_t GetPlayerSuspension(const CPlayer& player) { return player.m_Suspension; }

void RegeneratePlayerForClub(CPlayer& player, const CClub& club, int position) {
    const CCountry* country = club.GetCountry();
    const CPopularity* row = club.GetPopularity();
    CPerson& person = player.Person();
    person.SetAge(static_cast<uint8_t>(18 + Random(14)));
    person.SetContractYears(static_cast<uint8_t>(1 + Random(3)));
    if (country) person.SetCountry(country->GetId());
    // A name from a player of the club's country when one exists.
    const CPlayerList& players = GetWorldData()->GetPlayerList();
    for (int tries = 0; tries < 20 && players.GetSize() > 0; ++tries) {
        const CPlayer* other = players.GetAt(RandomByte(players.GetSize()));
        if (other && other != &player && !other->Person().GetSurname().empty() &&
            (!country || other->Person().GetCountry() == country->GetId())) {
            person.SetSurname(other->Person().GetSurname());
            break;
        }
    }
    if (person.GetSurname().empty()) person.SetSurname("Newman");
    if (row) player.Football().GenerateFromPopularity(player.GetAge(), *row, 0, static_cast<uint8_t>(position));
    else player.Football().Generate(player.GetAge(), static_cast<uint8_t>(position), 40);
}

namespace {
MoneyScale ScaleOf(const CClub& club) {
    MoneyScale m;
    if (const CCountry* c = club.GetCountry()) {
        m.percent = c->GetWageFactor();
        m.country = c;
    }
    return m;
}
}  // namespace

double GetPlayerTransferFee(const CPlayer& player, const CClub& club) {
    return player.Football().GetTransferFee(player.GetAge(), player.Person().GetTemperament(), ScaleOf(club));
}

void GetPlayerContractDemands(const CPlayer& player, const CClub& buyer, CContractOffer& offer) {
    player.Football().GetContractDemands(offer, player.GetAge(), IsPlayerFreeAgent(player), ScaleOf(buyer));
    if (offer.m_WeeklyWage <= 0) offer.m_WeeklyWage = std::max(1.0, player.Person().GetWeeklyWage());
    if (offer.m_Years <= 0) offer.m_Years = 1;
}

bool IsPlayerWillingToMove(const CPlayer& player) { return player.GetAge() < 34; }

bool IsPlayerFreeAgent(const CPlayer& player) { return player.IsFreeAgent(); }

void CompletePlayerMove(CPlayer& player, const CContractOffer& offer) {
    player.Person().SetWeeklyWage(offer.m_WeeklyWage);
    player.Person().SetContractYears(static_cast<uint8_t>(offer.m_Years));
    RemovePlayerFromTransferList(player);
}

void RemovePlayerFromTransferList(CPlayer& player) {
    player.m_AskingPrice = -1.0;
    player.m_WeeksListed = 0;
}

int StrengthClass(const CClub& club) {
    const CCountry* c = club.GetCountry();
    const CDivision* d = club.GetDivision();
    if (!c || !d) return 0;
    for (int i = 0; i < c->GetDivisionCount(); ++i)
        if (c->GetDivision(i) == d) return std::min(i, 3);
    return 0;
}
