// The federation cups: their start-up records, the berths walked over the
// federation's ranking, the draws that take in the holder, the berth clubs
// and the clubs passed on from the champions' cup, the season's end with
// new holders, and their place in a saved game.
#include "soccerclasses/federationcup.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kNoPlace = -1;

CClub* FedCupLeagueClub(int club) {
    CWorldData* w = GetWorldData();
    return w && club >= 0 && club < w->GetClubCount() ? w->GetClub(club) : nullptr;
}

// The entry-round elements that the holders' places move a round down.
constexpr int kChampionsMoved[] = {27, 39, 50, 51, 52};
constexpr uint8_t kChampionsMovedTo[] = {4, 2, 0, 0, 0};
constexpr uint8_t kChampionsMovedFrom[] = {6, 4, 2, 2, 2};
constexpr int kSecondMoved[] = {50, 53, 56, 59};

// The champions' cup's holder plays from its first group phase, the second
// cup's from its first round.
constexpr int kChampionsHolderRound = 6;
constexpr int kSecondHolderRound = 2;
// The champions' cup's rounds whose draws pass clubs to the second cup.
constexpr int kThirdQualifyingLosersRound = 6;
constexpr int kFirstGroupPhaseEndRound = 12;
constexpr int kSecondGroupPhaseEndRound = 18;

}  // namespace

const char* CFederationCup::ReadRecord(FILE* f, int federationCount, int clubCount, const Limits& limits,
                                       const std::function<int(const CupNonLeagueRecord&)>& addNonLeague) {
    const uint8_t fileKind = LoadByte(f);
    CExtString name;
    name.Load(f);
    m_Federation = LoadWord(f);
    m_BerthsByRank.Load(f);
    m_BerthDescriptors.Load(f);
    m_EntryRounds.Load(f);
    m_Holder = LoadInt32(f);
    LoadInt32(f);  // read and dropped
    if (GameFileDamaged()) return "the file ends inside a federation cup";
    if (fileKind < 3 || fileKind > 5) return "a kind byte outside 3 to 5";
    m_Kind = static_cast<uint8_t>(fileKind - 3 == 2 ? 1 : fileKind - 3);
    if (m_Federation >= federationCount) return "a federation outside the federation list";
    if (m_BerthsByRank.GetSize() <= kHolderBerths) return "berths by rank without the holders' element";
    const int rewritten = m_Kind == kChampionsCup ? 52 : 59;
    if (m_EntryRounds.GetSize() <= rewritten) return "too few entry rounds for the holders' places";
    if (m_Holder != -1 && (m_Holder < 0 || m_Holder >= clubCount)) return "a holder that is not a club";
    const char* why = ReadDefinition(f, -1, limits, addNonLeague);
    if (GameFileDamaged()) return "the file ends inside a federation cup";
    if (why) return why;
    for (uint8_t r : m_EntryRounds)
        if (r >= GetRoundCount()) return "an entry round naming a round that does not exist";
    if (m_Kind == kChampionsCup && GetRoundCount() <= kSecondGroupPhaseEndRound)
        return "a champions' cup without its group phases";
    if (m_Kind == kSecondCup && GetRoundCount() <= kSecondHolderRound) return "a second cup without its first round";
    m_PreviousResults.fill(-1);
    m_Entrants.RemoveAll();
    return nullptr;
}

void CFederationCup::WriteRecord(FILE* f, uint8_t fileKind, const std::vector<uint8_t>& roundNameIndexes) const {
    SaveByte(f, fileKind);
    m_Name.Save(f);
    SaveWord(f, m_Federation);
    m_BerthsByRank.Save(f);
    m_BerthDescriptors.Save(f);
    m_EntryRounds.Save(f);
    SaveInt32(f, m_Holder);
    SaveInt32(f, 0);
    WriteDefinition(f, {}, roundNameIndexes);
}

void CFederationCup::ReplaceEntrant(int oldClub, int newClub) {
    for (int i = 0; i < m_Entrants.GetSize(); ++i)
        if (static_cast<int32_t>(m_Entrants.GetAt(i)) == oldClub) m_Entrants.SetAt(i, static_cast<uint32_t>(newClub));
}

int CFederationCup::WalkStart(const CFederationCupList& list) const {
    if (m_Kind == kChampionsCup) return m_Holder != -1 ? 1 : 0;
    return list.m_HolderSwitch ? 1 : 0;
}

void CFederationCup::GatherEntrants(CFederationCupList& list) {
    CWorldData* w = GetWorldData();
    const CFederation* fed = w ? w->GetFederation(m_Federation) : nullptr;
    m_Entrants.RemoveAll();
    if (!fed) return;
    if (m_Holder != -1) {
        platform::Trace(platform::StrPrintf("Winners added %s \n", w->GetTeamName(m_Holder).c_str()));
        m_Entrants.Add(static_cast<uint32_t>(m_Holder));
        if (CClub* c = FedCupLeagueClub(m_Holder)) c->PrepareForFederationCup();
    }
    // Without a holder the champions' cup needs no place beyond the berths.
    if (m_Kind == kChampionsCup) list.m_HolderFlag = m_Holder != -1 ? 1 : 0;
    const int start = m_Entrants.GetSize();
    const int limit = m_EntryRounds.GetSize();
    int descriptor = 0;
    auto walked = [&]() { return m_Entrants.GetSize() - start; };
    auto berth = [&](int rank) {
        const uint8_t d = descriptor < m_BerthDescriptors.GetSize() ? m_BerthDescriptors.GetAt(descriptor) : 4;
        ++descriptor;
        CCountry* c = fed->GetCountryByRank(static_cast<uint8_t>(rank + 1));
        platform::Trace(platform::StrPrintf("%s Berth %d Descriptor %d ", c ? c->GetName().c_str() : "-", rank, d));
        const int club = c ? c->GetFederationCupEntrant(d, rank) : -1;
        if (club < 0) {
            // An empty berth keeps its place, so later clubs keep their rounds.
            m_Entrants.Add(static_cast<uint32_t>(kNoPlace));
            platform::Trace(" none\n");
            return;
        }
        if (rank < kHolderRanks && m_Kind == kChampionsCup && club == m_Holder) {
            // The holder keeps his own place; his berth stays empty.
            m_Entrants.Add(static_cast<uint32_t>(kNoPlace));
            list.m_HolderFlag = 0;
            platform::Trace(" the holder\n");
            return;
        }
        platform::Trace(platform::StrPrintf(" Added %s \n", w->GetTeamName(club).c_str()));
        m_Entrants.Add(static_cast<uint32_t>(club));
        if (CClub* cl = FedCupLeagueClub(club)) cl->PrepareForFederationCup();
    };
    for (int r = 0; r < kHolderBerths && walked() < limit; ++r) {
        if (m_BerthsByRank.GetAt(r) == 0) platform::Trace(platform::StrPrintf("%d %d \n", r, 0));
        for (int b = 0; b < m_BerthsByRank.GetAt(r) && walked() < limit; ++b) berth(r);
    }
    // The holders' places: the lowest-ranked countries, the last first.
    const int places = m_Kind == kChampionsCup ? 1 : 2;
    const bool open = m_Kind == kChampionsCup ? list.m_HolderFlag != 0 : list.m_HolderSwitch != 0;
    m_BerthsByRank.SetAt(kHolderBerths, static_cast<uint8_t>(open ? places : 0));
    int lastRank = 0;
    for (int r = 0; r < kHolderBerths; ++r)
        if (fed->GetCountryByRank(static_cast<uint8_t>(r + 1))) lastRank = r;
    for (int p = 0; p < places && walked() < limit; ++p) {
        const int before = m_Entrants.GetSize();
        if (open) berth(std::max(0, lastRank - p));
        if (m_Entrants.GetSize() == before) m_Entrants.Add(static_cast<uint32_t>(kNoPlace));
    }
    m_BerthsByRank.SetAt(kHolderBerths, 0);
}

void CFederationCup::Draw(CFederationCupList& list) {
    const int i = GetRoundDrawnToday();
    if (i < 0) return;
    CCupRound* r = GetRound(i);
    if (CCupRound::IsReverseKind(r->m_Kind)) return;
    if (r->HasFixtures() || r->m_Replays.GetSize() > 0) {
        platform::Trace(m_Name + ": a round drawn twice\n");
        return;
    }
    platform::Trace(GetRoundFullName(i) + " Draw\n");
    AnnounceDrawNews(i);
    const bool champions = m_Kind == kChampionsCup;
    if (champions && list.m_HolderFlag)
        for (size_t k = 0; k < std::size(kChampionsMoved); ++k) m_EntryRounds.SetAt(kChampionsMoved[k], kChampionsMovedTo[k]);
    if (!champions && list.m_HolderSwitch)
        for (int e : kSecondMoved) m_EntryRounds.SetAt(e, 0);

    CExtDWordArray pool;
    const int start = WalkStart(list);
    for (int e = start; e < m_Entrants.GetSize(); ++e) {
        const int j = e - start;
        if (j >= m_EntryRounds.GetSize()) break;
        platform::Trace(platform::StrPrintf(" Berth enters %d \n", m_EntryRounds.GetAt(j)));
        const auto club = static_cast<int32_t>(m_Entrants.GetAt(e));
        if (m_EntryRounds.GetAt(j) != i || club == kNoPlace) continue;
        platform::Trace(platform::StrPrintf("%d Added to draw %s \n", j, GetWorldData()->GetTeamName(club).c_str()));
        pool.Add(static_cast<uint32_t>(club));
    }
    if (start == 1 && !m_Entrants.IsEmpty() && i == (champions ? kChampionsHolderRound : kSecondHolderRound))
        if (const auto holder = static_cast<int32_t>(m_Entrants.GetAt(0)); holder != kNoPlace) pool.Add(static_cast<uint32_t>(holder));

    CFederationCup* second = list.GetSize() > 1 ? list.GetAt(1) : nullptr;
    if (i > 0) {
        CCupRound* p = GetRound(i - 1);
        if (champions && i == kSecondGroupPhaseEndRound) {
            GetSecondPhaseQualifiers(pool, 8, false);
        } else if (champions && i == kFirstGroupPhaseEndRound) {
            CExtDWordArray qualifiers;
            GetSecondPhaseQualifiers(qualifiers, 16, true);
            // Each group gives its two qualifiers, then its third-placed
            // club, who plays on in the second cup.
            for (int k = 0; k < qualifiers.GetSize(); ++k) {
                if (k % 3 == 2) {
                    if (second && second != this) second->m_Entrants.Add(qualifiers.GetAt(k));
                } else {
                    pool.Add(qualifiers.GetAt(k));
                }
            }
        } else if (p->m_Kind == 10) {
            GetGroupQualifiers(pool, r->m_Entrants);
        } else {
            CExtDWordArray winners, losers;
            p->ResolveTies(winners, losers, 0, m_Name, 0, *this);
            for (uint32_t c : winners)
                if (static_cast<int32_t>(c) != CCupRound::kNoWinner) pool.Add(c);
            if (champions && i == kThirdQualifyingLosersRound && second && second != this)
                second->m_Entrants.Append(losers);
        }
    }

    if (champions && list.m_HolderFlag)
        for (size_t k = 0; k < std::size(kChampionsMoved); ++k) m_EntryRounds.SetAt(kChampionsMoved[k], kChampionsMovedFrom[k]);
    if (!champions && list.m_HolderSwitch)
        for (int e : kSecondMoved) m_EntryRounds.SetAt(e, 2);

    if (pool.IsEmpty()) {
        platform::Trace(m_Name + ": nobody to draw\n");
        return;
    }
    r->DrawEntrants(*this, pool);
    ScheduleFollowingRounds(*r, pool);
}

bool CFederationCup::IsClubInvolved(int club) const {
    for (int i = 0; i < GetRoundCount(); ++i) {
        const CCupRound* r = GetRound(i);
        for (const CFixtureList* list : {&r->m_Ties, &r->m_Replays})
            for (int t = 0; t < list->GetSize(); ++t)
                if (list->GetAt(t)->m_Home == club || list->GetAt(t)->m_Away == club) return true;
    }
    return false;
}

bool CFederationCupList::IsClubInvolved(int club) const {
    return std::any_of(begin(), end(), [club](const auto& c) { return c->IsClubInvolved(club); });
}

void CFederationCupList::StartSeason() {
    if (IsEmpty() || GetAt(0)->GetRoundDrawnToday() != 0) return;
    m_HolderSwitch = 1;
    for (int i = 0; i < GetSize(); ++i) {
        CFederationCup& cup = *GetAt(i);
        for (int k = 0; k < i; ++k)
            if (cup.m_Holder != -1 && GetAt(k)->HasEntrant(cup.m_Holder)) {
                m_HolderSwitch = 0;
                cup.m_Holder = -1;
            }
        // A second cup without a holder keeps no place for one.
        if (cup.m_Kind == CFederationCup::kSecondCup && cup.m_Holder == -1) m_HolderSwitch = 0;
        cup.GatherEntrants(*this);
        if (cup.m_Kind == CFederationCup::kSecondCup) cup.SetRoundEntrants(0, m_HolderSwitch ? 82 : 76);
        else cup.SetRoundEntrants(0, m_HolderFlag ? 22 : 18);
    }
}

bool CFederationCupList::PlayToday(bool live) {
    bool any = false;
    for (const auto& c : *this) {
        any = c->PlayToday(live) || any;
        any = c->PlayReplaysToday(live, 2) || any;
    }
    return any;
}

void CFederationCupList::EndOfSeason() {
    if (IsEmpty()) return;
    CFederationCup& first = *GetAt(0);
    if (first.GetRoundCount() == 0 || !first.GetRound(first.GetRoundCount() - 1)->HasFixtures() ||
        !first.GetRound(first.GetRoundCount() - 1)->IsComplete())
        return;
    for (const auto& c : *this) {
        c->m_Entrants.RemoveAll();
        CExtDWordArray results, losers;
        // One resolution of the final, quiet: its notices were given when
        // it was played.
        if (c->GetRoundCount() > 0) c->GetRound(c->GetRoundCount() - 1)->GetFinalists(results, losers, c->m_Name, 1, *c);
        if (!results.IsEmpty() && static_cast<int32_t>(results.GetAt(0)) != CCupRound::kNoWinner) {
            const auto winner = static_cast<int32_t>(results.GetAt(0));
            c->m_Holder = winner;
            if (CClub* club = FedCupLeagueClub(winner)) club->AddCupWin(c->m_Name, c->m_PictureNumber);
            if (results.GetSize() > 1)
                if (CClub* club = FedCupLeagueClub(static_cast<int32_t>(results.GetAt(1))))
                    club->AddCupRunnerUp(c->m_Name, c->m_PictureNumber);
        }
        c->ClearFixtures();
    }
}

void CFederationCupList::Save(FILE* f) const {
    for (const auto& c : *this) {
        c->CCup::Save(f);
        c->m_Entrants.Save(f);
        c->m_BerthsByRank.Save(f);
        c->m_BerthDescriptors.Save(f);
        c->m_EntryRounds.Save(f);
        SaveInt32(f, c->m_Holder);
    }
    SaveByte(f, m_HolderFlag);
    SaveByte(f, m_HolderSwitch);
}

void CFederationCupList::Load(FILE* f) {
    for (const auto& c : *this) {
        c->CCup::Load(f);
        c->m_Entrants.Load(f);
        c->m_BerthsByRank.Load(f);
        c->m_BerthDescriptors.Load(f);
        c->m_EntryRounds.Load(f);
        c->m_Holder = LoadInt32(f);
    }
    m_HolderFlag = LoadByte(f);
    m_HolderSwitch = LoadByte(f);
}
