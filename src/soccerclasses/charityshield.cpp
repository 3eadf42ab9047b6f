// The season-opening shields: their start-up records, the pairing of the
// qualified clubs, the final with its honours and headline, and their place
// in a saved game.
#include "soccerclasses/charityshield.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kShieldHeadline = 609;  // "%1!s! BEAT %2!s! IN %3!s!"

CClub* ShieldLeagueClub(int club) {
    CWorldData* w = GetWorldData();
    return w && club >= 0 && club < w->GetClubCount() ? w->GetClub(club) : nullptr;
}

// A league club's name converted to capitals, a non-league club's own.
std::string ShieldCapitalName(int club) {
    if (const CClub* c = ShieldLeagueClub(club)) return c->GetNameConverted();
    CWorldData* w = GetWorldData();
    const CNonLeagueClub* n = w && club < 0 ? w->GetNonLeagueClub(-club - 1) : nullptr;
    return n ? std::string(n->GetName()) : std::string();
}

}  // namespace

const char* CCharityShield::ReadRecord(FILE* f, int countryCount, int clubCount, const Limits& limits,
                                       const std::function<int(const CupNonLeagueRecord&)>& addNonLeague) {
    m_Index = LoadInt32(f);
    const int32_t first = LoadInt32(f);
    const int32_t second = LoadInt32(f);
    const uint8_t country = LoadByte(f);
    if (GameFileDamaged()) return "the file ends inside a shield";
    if (m_Index < 0) return "a negative shield index";
    if (country >= countryCount) return "a shield's country outside the country list";
    m_Entrants.RemoveAll();
    for (int32_t club : {first, second}) {
        if (club == -1) continue;
        if (club < 0 || club >= clubCount) return "a shield entrant that is not a club";
        AddEntrant(club);
    }
    const char* why = ReadDefinition(f, country, limits, addNonLeague);
    if (GameFileDamaged()) return "the file ends inside a shield";
    if (!why && GetRoundCount() == 0) why = "a shield without rounds";
    // The shield keeps no results of its own in its country.
    m_PreviousResults.fill(-1);
    return why;
}

void CCharityShield::WriteRecord(FILE* f, int32_t firstEntrant, int32_t secondEntrant,
                                 const std::vector<uint8_t>& roundNameIndexes) const {
    SaveInt32(f, m_Index);
    SaveInt32(f, firstEntrant);
    SaveInt32(f, secondEntrant);
    SaveByte(f, static_cast<uint8_t>(m_CountryIndex));
    WriteDefinition(f, {}, roundNameIndexes);
}

void CCharityShield::DrawToday() {
    if (GetRoundDrawnToday() < 0) return;
    ClearFixtures();
    if (m_EntryScheme == 4) {
        m_Entrants.RemoveAll();
        return;
    }
    if (m_EntryScheme == 5) {
        // The leaders of the top two divisions, whatever qualified before.
        m_Entrants.RemoveAll();
        if (const CCountry* c = GetCountry())
            for (int d = 0; d < 2; ++d)
                if (const int club = c->GetPlayOffWinner(d); club >= 0) AddEntrant(club);
    }
    CCupRound* first = GetRound(0);
    if (m_Entrants.GetSize() < 2) {
        platform::Trace(m_Name + ": fewer than two entrants, no shield this season\n");
    } else {
        first->MakePairings(*this, m_Entrants);
        ScheduleFollowingRounds(*first, m_Entrants);
    }
    m_Entrants.RemoveAll();
}

bool CCharityShield::PlayToday(bool live) {
    if (!CCup::PlayToday(live)) return false;
    CCupRound* last = GetRound(GetRoundCount() - 1);
    if (!last->IsComplete()) return true;
    CExtDWordArray results, losers;
    last->GetFinalists(results, losers, m_Name, 0, *this);
    if (results.GetSize() < 2) return true;
    const int winner = static_cast<int32_t>(results.GetAt(0));
    const int loser = static_cast<int32_t>(results.GetAt(1));
    if (CClub* c = ShieldLeagueClub(winner)) c->AddShieldWin(m_Name, m_PictureNumber);
    if (CClub* c = ShieldLeagueClub(loser)) c->AddShieldRunnerUp(m_Name, m_PictureNumber);
    if (CCountry* c = GetCountry())
        c->SetPaperStory(platform::FormatMessageId(kShieldHeadline,
                                                    {ShieldCapitalName(winner), ShieldCapitalName(loser), m_Name}));
    return true;
}

CCharityShield* CCharityShieldList::GetByIndex(int index) const {
    for (const auto& s : *this)
        if (s->m_Index == index) return s.get();
    return nullptr;
}

CCharityShield* CCharityShieldList::GetByCountry(int country) const {
    for (const auto& s : *this)
        if (s->m_CountryIndex == country) return s.get();
    return nullptr;
}

bool CCharityShieldList::PlayToday(bool live) {
    bool any = false;
    for (const auto& s : *this) any = s->PlayToday(live) || any;
    return any;
}

void CCharityShieldList::Save(FILE* f) const {
    for (const auto& s : *this) {
        SaveInt32(f, s->m_Index);
        s->m_Entrants.Save(f);
        s->CCup::Save(f);
    }
}

void CCharityShieldList::Load(FILE* f) {
    for (const auto& s : *this) {
        s->m_Index = LoadInt32(f);
        s->m_Entrants.Load(f);
        s->CCup::Load(f);
    }
}
