#include "soccerclasses/scout.h"

#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

using namespace clubfile;

void CScout::Init(int32_t employee, int32_t clubIndex) {
    club_ = clubIndex;
    away_ = 0;
    employee_ = employee;
    entries_.fill(Entry{});
}

uint8_t CScout::GetEstimate(int32_t player) const {
    for (const Entry& e : entries_)
        if (e.player == player && e.state == kDone) return e.estimate;
    return 0;
}

void CScout::Save(FILE* f) const {
    PutI32(f, club_);
    PutI32(f, employee_);
    PutU8(f, away_);
    for (const Entry& e : entries_) {
        PutI32(f, e.player);
        PutU8(f, e.state);
        PutText(f, e.text);
        PutU8(f, e.estimate);
    }
}

void CScout::Load(FILE* f) {
    club_ = GetI32(f);
    employee_ = GetI32(f);
    away_ = GetU8(f);
    for (Entry& e : entries_) {
        e.player = GetI32(f);
        e.state = GetU8(f);
        e.text = GetText(f);
        e.estimate = GetU8(f);
    }
}

// The full report compares the player with the club's squad in words; until
// those texts exist the finished report gives the rating and the price.
std::string CScout::MakeReport(const CPlayer& player) const {
    const int index = WorldIndexOf(player);
    if (index < 0) return {};
    CWorldData* w = GetWorldData();
    const int user = w->GetCurrentUserIndex();
    const uint8_t estimate = GetEstimate(index);
    if (player.Football().GetKnownState(user) >= 2 && estimate > 0) {
        const CClub* club = w->GetClub(club_);
        const CCountry* country = club ? club->GetCountry() : nullptr;
        const double value = player.Football().GetValue(player.GetAge(), player.Person().GetTemperament(), 100, estimate);
        std::string price;
        if (country) country->FormatMoney(price, RoundMoney(value, country));
        else price = platform::StrPrintf("%d", static_cast<int>(value));
        return platform::FormatMessageId(62500, {platform::StrPrintf("%d", estimate), price,
                                                 player.Football().GetPositionText(), player.GetName()});
    }
    for (const Entry& e : entries_) {
        if (e.player != index || e.state == kFree || e.state == kDone || e.state == 0) continue;
        const int weeks = e.state / 2;
        if (e.state == 1) return "I am currently scouting this player boss. I will have the report ready for you in half a weeks time.";
        if (e.state % 2 == 0)
            return platform::StrPrintf("I am currently scouting this player boss. I will have the report ready for you in %d weeks time.", weeks);
        return platform::StrPrintf("I am currently scouting this player boss. I will have the report ready for you in %d and a half weeks time.", weeks);
    }
    return {};
}

std::string CScout::GetGradeText(const CPlayer& player) const {
    const int index = WorldIndexOf(player);
    const uint8_t estimate = index < 0 ? 0 : GetEstimate(index);
    return estimate ? platform::StrPrintf("%d", estimate) : std::string();
}
