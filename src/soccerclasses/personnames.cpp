// The person initialisers that need the world: names drawn from the players
// of a country, faces from its race row, and the texts in its money.
#include <algorithm>

#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/statictables.h"
#include "soccerclasses/worlddata.h"

namespace {

// The country whose players lend the names: a results-only country borrows
// those of a random followed league country.
const CCountry* NameCountry(const CCountry& country) {
    if (country.GetFollowLevel() != kNotFollowed) return &country;
    CWorldData* world = GetWorldData();
    const CCountry* other = world ? world->GetRandomLeagueCountry() : nullptr;
    return other ? other : &country;
}

}  // namespace

void CPerson::DrawNames(const CCountry& country) {
    const CCountry* from = NameCountry(country);
    const CPlayer* p = from->GetRandomPlayer();
    if (!p) {
        // No player to borrow from: the names of a random league country.
        if (const CCountry* other = GetWorldData() ? GetWorldData()->GetRandomLeagueCountry() : nullptr) {
            from = other;
            p = from->GetRandomPlayer();
        }
    }
    m_Forename = p ? p->m_Person.GetForename() : std::string();
    m_Surname.clear();
    // The countries with a surname table of their own draw from it.
    const std::vector<std::string>& table = GetSurnameTable(from->GetId());
    if (!table.empty()) m_Surname = table[static_cast<size_t>(Random(static_cast<int>(table.size()) - 1))];
    for (int tries = 0; m_Surname.empty() && tries < 50; ++tries) {
        const CPlayer* q = from->GetRandomPlayer();
        if (!q) break;
        m_Surname = q->m_Person.GetSurname();
    }
    // A world without players anywhere (a bare test world) still names him.
    if (m_Surname.empty()) m_Surname = table.empty() ? "Smith" : table.front();
}

void CPerson::InitRandomYoungster(const CCountry& country) {
    ClearNumbers();
    m_Age = static_cast<uint8_t>(16 + Random(2));
    m_ContractYears = 0;
    m_Temperament = static_cast<uint8_t>(Random(9));
    m_Face.Generate(country.GetBaseRaceRow(), false);
    m_Country = country.GetId();
    m_WeeklyWage = 125.0;
    DrawNames(country);
}

void CPerson::InitRandomAdult(double weeklyWage, const CCountry& country) {
    ClearNumbers();
    const int r = Random(99);
    m_ContractYears = r < 20 ? 1 : r < 50 ? 2 : r < 90 ? 3 : 4;
    m_Age = static_cast<uint8_t>(19 + Random(15));
    m_Temperament = static_cast<uint8_t>(Random(9));
    m_Face.Generate(country.GetBaseRaceRow(), false);
    m_Country = country.GetId();
    m_WeeklyWage = weeklyWage;
    DrawNames(country);
}

void CPerson::InitGiven(uint8_t age, uint8_t contractYears, const CCountry& country, bool beardAllowed) {
    ClearNumbers();
    SetAge(age);
    m_ContractYears = contractYears;
    m_Temperament = static_cast<uint8_t>(Random(9));
    m_Face.Generate(country.GetBaseRaceRow(), beardAllowed);
    m_Country = country.GetId();
}

std::string CPerson::GetNationalityText() const {
    const CCountry* c = GetWorldData() ? GetWorldData()->GetCountry(m_Country) : nullptr;
    return c ? std::string(c->GetNationalityName()) : std::string();
}

std::string CPerson::GetWageText(const CCountry& country) const {
    std::string s;
    country.FormatMoney(s, m_WeeklyWage);
    return s;
}

std::string CPerson::GetYearlyWageText(const CCountry& country) const {
    std::string s;
    country.FormatMoney(s, m_WeeklyWage * 52.0);
    return s;
}

std::string CPerson::FormatContractMoney(const CCountry& country, uint32_t stringId, bool capped) const {
    const int week = GetWorldData() ? GetWorldData()->GetWeek() : 0;
    std::string money;
    country.FormatMoney(money, GetContractCost(capped, week));
    if (stringId == 0xFFFFFFFFu) return money;
    return platform::FormatMessageId(stringId, {GetName(), money});
}
