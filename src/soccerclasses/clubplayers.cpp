#include "soccerclasses/clubplayers.h"

#include "soccerclasses/club.h"
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
