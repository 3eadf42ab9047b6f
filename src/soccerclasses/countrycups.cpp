// The country's cups, play-offs, shield and transfer list.
#include <algorithm>
#include <cassert>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

CCharityShield* CCountry::GetCharityShield() const {
    CWorldData* w = GetWorldData();
    if (!w) return nullptr;
    for (const auto& s : w->GetCharityShieldList())
        if (s->m_CountryIndex == m_Id) return s.get();
    return nullptr;
}

CPlayOff* CCountry::GetPlayOff(int i) const {
    CWorldData* w = GetWorldData();
    if (!w || i < 0 || i >= m_PlayOffs.GetSize()) return nullptr;
    // The country keeps the ids its divisions name, not list places.
    return w->GetPlayOffList().FindById(static_cast<uint8_t>(m_PlayOffs.GetAt(i)));
}

bool CCountry::OwnsCup(const CCup* cup) const {
    if (!cup) return false;
    for (const auto& c : m_Cups)
        if (c.get() == cup) return true;
    return false;
}

CPlayOff* CCountry::GetPlayOffOfCup(const CCup* cup) const {
    if (!cup) return nullptr;
    for (int i = 0; i < m_PlayOffs.GetSize(); ++i)
        if (CPlayOff* p = GetPlayOff(i); p && static_cast<const CCup*>(p) == cup) return p;
    return nullptr;
}

int CCountry::GetPlayOffWinner(int i) const {
    const CDivision* d = GetDivision(i);
    if (!d) return -1;
    if (CPlayOff* p = d->GetPlayOff()) {
        CExtDWordArray order;
        p->CollectOutcome(order);
        if (!order.IsEmpty()) return static_cast<int32_t>(order.GetAt(0));
    }
    return d->GetChampion();
}

uint8_t CCountry::PlayOffKindBelow(const CDivision* division) const {
    for (int i = 0; i < GetDivisionCount(); ++i) {
        if (GetDivision(i) != division) continue;
        const CDivision* below = GetDivision(i + 1);
        return below ? static_cast<uint8_t>(below->GetPlayOffExtraPlaces()) : 0;
    }
    platform::Trace("CCountry::PlayOffKindBelow: the division is not one of the country's\n");
    return 0;
}

int CCountry::GetFederationCupEntrant(uint8_t kind, int rank) const {
    CWorldData* w = GetWorldData();
    const CFederation* fed = w ? w->GetFederation(m_Federation) : nullptr;
    auto entered = [&](int club) { return fed && fed->IsClubEntered(club); };
    auto ranked = [&](int i) { return i < m_ClubRanking.GetSize() ? static_cast<int32_t>(m_ClubRanking.GetAt(i)) : -1; };
    // One walk over the ranking: a country whose clubs are all entered
    // leaves the berth empty.
    auto firstFree = [&]() {
        for (int i = 0; i < m_ClubRanking.GetSize(); ++i)
            if (!entered(ranked(i))) return ranked(i);
        return -1;
    };
    int club = -1;
    switch (kind) {
        case 0:
            club = ranked(0);
            if (rank >= 9 && entered(club)) club = ranked(1);
            break;
        case 1:
            club = ranked(1);
            if (rank >= 6 && entered(club)) club = ranked(2);
            break;
        case 2:
            for (int32_t c : {m_CupFinalistA, m_CupFinalistB, m_CupQualifiers[0], m_CupQualifiers[1]})
                if (c != -1 && !entered(c)) {
                    club = c;
                    break;
                }
            if (club == -1) club = firstFree();
            break;
        case 3: club = m_SecondCupFinalistA != -1 && !entered(m_SecondCupFinalistA) ? m_SecondCupFinalistA : firstFree(); break;
        case 4: club = firstFree(); break;
        case 7: club = entered(m_CupPairFirst) ? m_CupPairSecond : m_CupPairFirst; break;
        default:
            platform::Trace(platform::StrPrintf("CCountry::GetFederationCupEntrant: berth kind %d\n", kind));
            club = firstFree();
            break;
    }
    return club < 0 ? firstFree() : club;
}

uint8_t CCountry::FindCupFixture(int day, int club, CFixtureInfo& info) const {
    assert(club > -1);
    return m_Cups.FindFixture(day, club, info) ? 1 : 0;
}

void CCountry::AddTransferListedPlayer(CPlayer* player) {
    assert(player);
    if (player) m_TransferListed.push_back(player);
}

void CCountry::RemoveTransferListedPlayer(const CPlayer* player) { std::erase(m_TransferListed, player); }

void CCountry::ReshuffleDivisionOrder() {
    if (m_Divisions.IsEmpty()) return;
    m_WorkingClubOrder.RemoveAll();
    for (int i = 0; i < m_ClubRanking.GetSize(); ++i) m_WorkingClubOrder.Add(m_ClubRanking.GetAt(i));
    if (m_WorkingClubOrder.GetSize() > 1) m_WorkingClubOrder.Shuffle();
    m_PaperStory.clear();
}
