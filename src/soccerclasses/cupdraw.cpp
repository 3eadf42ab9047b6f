// The cups' draws: which clubs enter a round, their random order, the ties
// they make, the rounds that follow from a draw, and what managers and the
// news are told.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kDrawNewsText = 267;    // "The draw for the %1!s! has been announced"
constexpr unsigned kDrawHeadline = 581;    // "%1!s! draw!"
constexpr unsigned kDrawnBoxText = 536;    // "The %1!s! has been drawn :- \n    %2!s!"

bool CupDrawIsReverseKind(uint8_t kind) {
    switch (kind) {
        case 5: case 6: case 8: case 9: case 18: case 19: case 21: case 22: return true;
        default: return false;
    }
}

bool CupDrawIsFirstLegKind(uint8_t kind) { return CCupRound::IsFirstLegKind(kind); }

// The draws reseed from the clock, as the game always has.
void CupDrawReseed() { platform::SeedRandomFromTime(); }

std::string CupDrawTeamName(int club) {
    CWorldData* w = GetWorldData();
    return w ? w->GetTeamName(club) : std::string();
}

int CupDrawVenueCapacity(const CCup& cup) {
    CWorldData* w = GetWorldData();
    if (!w || cup.m_Venues.IsEmpty()) return 0;
    const CStadium* s = w->GetStadium(static_cast<int>(cup.m_Venues.GetAt(0)));
    return s ? s->GetCapacity() : 0;
}

}  // namespace

int CCup::GetRoundDrawnToday() const {
    CWorldData* w = GetWorldData();
    if (!w) return -1;
    for (int i = 0; i < GetRoundCount(); ++i)
        if (GetRound(i)->m_DrawSlot == w->GetMatchDay()) return i;
    return -1;
}

void CCup::AnnounceDrawNews(int i) {
    const std::string stage = m_Name + " " + platform::LoadString(GetRound(i)->m_ShortNameId);
    if (m_CountryIndex != -1)
        if (CWorldData* w = GetWorldData())
            w->GetCountryList().AddNews(m_CountryIndex, platform::FormatMessageId(kDrawNewsText, {stage}));
    m_NewsPaperEvents.SetDrawText(platform::FormatMessageId(kDrawHeadline, {stage}));
}

void CCup::CollectHeldBackClubs() {
    m_HeldBack.RemoveAll();
    CWorldData* w = GetWorldData();
    const CCountry* country = GetCountry();
    if (!w || !country) return;
    if (CFederation* fed = w->GetFederation(country->GetFederation())) fed->PassCountryClubRange(*country, m_HeldBack);
    for (int i = 0; i < m_HeldBack.GetSize(); ++i)
        if (int at = m_Pool.Find(m_HeldBack.GetAt(i)); at >= 0) m_Pool.RemoveAt(at);
}

void CCup::SizeRoundsForHeldBackClubs() {
    struct Row { int n, nonLeague, r0, r2, r4; };
    static constexpr Row kRows[] = {
        {7, 24, 46, 36, 18}, {8, 18, 40, 32, 16}, {9, 12, 34, 28, 14}, {10, 6, 28, 24, 12}, {11, 0, 22, 20, 10}};
    for (const Row& r : kRows) {
        if (r.n != m_HeldBack.GetSize() || GetRoundCount() < 5) continue;
        GetRound(0)->m_NonLeagueEntrants = static_cast<uint8_t>(r.nonLeague);
        SetRoundEntrants(0, r.r0);
        SetRoundEntrants(2, r.r2);
        SetRoundEntrants(4, r.r4);
    }
}

void CCup::DrawToday() {
    const int i = GetRoundDrawnToday();
    if (i < 0) return;
    CCupRound* r = GetRound(i);
    if (CupDrawIsReverseKind(r->m_Kind)) return;
    platform::Trace(GetRoundFullName(i) + " Draw\n");
    AnnounceDrawNews(i);
    CExtDWordArray entrants;
    if (i == 0) {
        if (m_ReEntryRound != 0) CollectHeldBackClubs();
        if (r->m_Groups == 2) {
            if (DrawTwoRegionFirstRound(*r, entrants)) return;
            platform::Trace("Two-region first round without two full regions: drawn as an ordinary round\n");
        }
        switch (m_EntryScheme) {
            case 1: {
                const int n = m_HeldBack.GetSize();
                if (n >= 5 && n <= 12) {
                    SetRoundEntrants(0, 2 * n + 56);
                    if (GetRoundCount() > 2) SetRoundEntrants(2, 64 - 2 * n);
                }
                break;
            }
            case 2:
                r->m_NonLeagueEntrants = static_cast<uint8_t>(std::max(0, 52 - m_Pool.GetSize()));
                break;
            case 3: SizeRoundsForHeldBackClubs(); break;
            default: break;
        }
        r->MakeDraw(*this, nullptr, entrants);
    } else {
        CCupRound* p = GetRound(i - 1);
        if (r->m_Groups == 2 && p->m_Replays.GetSize() > 0) {
            DrawAfterTwoRegionRound(*r, *p, entrants);
            return;
        }
        if (i == m_ReEntryRound) {
            m_Pool.Append(m_HeldBack);
            m_HeldBack.RemoveAll();
        }
        if (p->m_Kind == 10 || p->m_Kind == 31) {
            int wanted = r->m_Entrants;
            if (m_EntryScheme == 2) {
                entrants.Append(m_Pool);
                m_Pool.RemoveAll();
                wanted = (p->m_Kind == 10 ? 32 : 16) - entrants.GetSize();
            }
            GetGroupQualifiers(entrants, std::max(0, wanted));
            if (entrants.IsEmpty()) platform::Trace("Cup draw: no group qualifiers\n");
            ApplySeeding(r->m_Kind, entrants);
            r->AnnounceDraw(entrants, *this);
            r->MakePairings(*this, entrants);
        } else if (p->m_Kind == 12) {
            DrawSecondGroupPhase(i, entrants);
            const int half = entrants.GetSize() / 2;
            if (half > 1) {
                entrants.ShuffleRange(0, half - 1);
                if (entrants.GetSize() - half > 1) entrants.ShuffleRange(half, entrants.GetSize() - 1);
            }
            r->MakePairings(*this, entrants);
        } else {
            r->MakeDraw(*this, p, entrants);
        }
    }
    ScheduleFollowingRounds(*r, entrants);
}

bool CCup::DrawTwoRegionFirstRound(CCupRound& round, CExtDWordArray& entrants) {
    static constexpr uint8_t kRegionOrder[] = {
        1,  2,  3,  4,  5,  82, 91, 99, 101, 102, 103, 11, 107, 8,  7,  9,   10,  81, 85, 87, 92, 6,  12, 13, 14, 15, 71, 72,
        74, 89, 93, 95, 17, 18, 78, 84, 16, 73, 76,  79,  80,  86, 88, 90, 104, 105, 106, 75, 77, 83, 94, 98, 100, 96, 97};
    constexpr int kPerRegion = 24;
    CWorldData* w = GetWorldData();
    const CCountry* country = GetCountry();
    if (!w || !country || country->GetDivisionCount() < 4) return false;
    CExtDWordArray regions[2];
    for (uint8_t code : kRegionOrder)
        for (int d = 2; d <= 3; ++d) {
            const CDivision* division = country->GetDivision(d);
            for (int c = division->GetFirstClub(); c < division->GetFirstClub() + division->GetClubCount(); ++c) {
                const CClub* club = w->GetClub(c);
                if (!club || (club->GetAreaCode() & 0xFF) != code) continue;
                regions[regions[0].GetSize() < kPerRegion ? 0 : 1].Add(static_cast<uint32_t>(c));
            }
        }
    if (regions[0].GetSize() != kPerRegion || regions[1].GetSize() != kPerRegion) return false;
    CupDrawReseed();
    for (CExtDWordArray& region : regions) {
        region.Shuffle();
        entrants.Append(region);
    }
    m_Pool.RemoveAll();
    m_HeldBack.RemoveAll();
    round.m_Entrants = 2 * kPerRegion;
    round.MakePairings(*this, entrants);
    round.m_Entrants = 32;
    // Eight pairings go straight through: ties 8 to 11, then the last four
    // from the last backwards.
    std::vector<const CFixture*> through;
    for (int t : {8, 9, 10, 11, 23, 22, 21, 20}) through.push_back(round.m_Ties.GetAt(t));
    for (const CFixture* f : through) {
        const int at = round.m_Ties.IndexOf(f);
        if (at >= 0) round.m_Replays.Add(round.m_Ties.Detach(at));
    }
    if (round.m_Ties.GetSize() != 16) platform::Trace(m_Name + ": a two-region round without 16 ties\n");
    round.AnnounceDraw(entrants, *this);
    return true;
}

void CCup::DrawAfterTwoRegionRound(CCupRound& round, CCupRound& previous, CExtDWordArray& entrants) {
    CupDrawReseed();
    CExtDWordArray losers;
    round.CollectEntrants(entrants, losers, *this, &previous);
    CExtDWordArray through;
    for (int t = 0; t < 8 && t < previous.m_Replays.GetSize(); ++t) {
        through.Add(static_cast<uint32_t>(static_cast<int32_t>(previous.m_Replays.GetAt(t)->m_Home)));
        through.Add(static_cast<uint32_t>(static_cast<int32_t>(previous.m_Replays.GetAt(t)->m_Away)));
    }
    // Pairings 0 to 3 stand at places 8 to 15, pairings 4 to 7 at the end.
    for (int k = 0; k < 8 && k < through.GetSize(); ++k)
        entrants.InsertAt(std::min(8 + k, entrants.GetSize()), through.GetAt(k));
    for (int k = 8; k < through.GetSize(); ++k) entrants.Add(through.GetAt(k));
    platform::Trace(platform::StrPrintf("Two-region second round entrants : - %d\n", entrants.GetSize()));
    if (entrants.HasDuplicates()) platform::Trace(m_Name + ": a club entered twice\n");
    const int block = round.m_Groups ? round.m_Entrants / round.m_Groups : 0;
    for (int start = 0; block > 1 && start < entrants.GetSize(); start += block)
        entrants.ShuffleRange(start, std::min(start + block, entrants.GetSize()) - 1);
    round.AnnounceDraw(entrants, *this);
    round.MakePairings(*this, entrants);
}

void CCup::ApplySeeding(uint8_t kind, CExtDWordArray& e) {
    auto swap = [&](int a, int b) {
        if (a < e.GetSize() && b < e.GetSize()) e.Swap(a, b);
    };
    switch (kind) {
        case 26: case 28: swap(1, 3); swap(2, 3); break;
        case 27: swap(2, 3); break;
        case 29: swap(1, 3); break;
        case 30: swap(1, 4); swap(3, 6); break;
        default:
            if (e.GetSize() > 1) e.Shuffle();
            break;
    }
}

void CCup::NewSeason() {
    platform::Trace(m_Name + " New Season\n");
    m_Pool.RemoveAll();
    if (CCountry* c = GetCountry()) m_Pool.Copy(c->GetClubRanking());
    if (m_Pool.HasDuplicates()) platform::Trace(m_Name + ": the club ranking holds a club twice\n");
}

void CCup::ScheduleFollowingRounds(CCupRound& round, const CExtDWordArray& entrants) {
    if (CupDrawIsFirstLegKind(round.m_Kind)) {
        CCupRound* next = m_Rounds.GetNextRound(&round);
        if (!next) {
            platform::Trace(m_Name + ": a first leg without a second\n");
            return;
        }
        const bool neutral = CCupRound::IsNeutralKind(next->m_Kind);
        for (int t = 0; t < round.m_Ties.GetSize(); ++t) {
            const CFixture* f = round.m_Ties.GetAt(t);
            next->m_Ties.AddFixture(neutral ? CFixture::kNeutral : CFixture::kCupHome, f->m_Away, f->m_Home,
                                   m_SubsNamed, m_SubsAllowed, 0, 0);
        }
    } else if (round.m_Kind == 10 || round.m_Kind == 30 || round.m_Kind == 31) {
        ScheduleGroups(round, entrants);
    }
}

void CCupRound::MakeDraw(CCup& cup, CCupRound* previous, CExtDWordArray& entrants) {
    if (HasFixtures() || m_Replays.GetSize() > 0) {
        platform::Trace(cup.m_Name + ": a round drawn twice\n");
        return;
    }
    CupDrawReseed();
    CExtDWordArray losers;
    CollectEntrants(entrants, losers, cup, previous);
    DrawEntrants(cup, entrants);
}

void CCupRound::DrawEntrants(CCup& cup, CExtDWordArray& entrants) {
    if (entrants.GetSize() < 2) {
        platform::Trace(cup.m_Name + ": fewer than two entrants, no ties this season\n");
        return;
    }
    if (entrants.HasDuplicates()) platform::Trace(cup.m_Name + ": a club entered twice\n");
    if (m_Groups >= 2) {
        const int block = m_Entrants / m_Groups;
        for (int start = 0; block > 1 && start < entrants.GetSize(); start += block)
            entrants.ShuffleRange(start, std::min(start + block, entrants.GetSize()) - 1);
    } else {
        entrants.Shuffle();
    }
    AnnounceDraw(entrants, cup);
    MakePairings(cup, entrants);
}

void CCupRound::CollectEntrants(CExtDWordArray& entrants, CExtDWordArray& losers, CCup& cup, CCupRound* previous) {
    if (previous) {
        previous->ResolveTies(entrants, losers, 0, cup.m_Name, 0, cup);
        return;
    }
    int k = m_NonLeagueEntrants;
    if (k == 0 && cup.m_EntryScheme == 0) k = cup.m_NonLeagueClubs.GetSize();
    CWorldData* w = GetWorldData();
    const bool firstSeason = !w || w->GetSeason() == 0;
    if (cup.m_Format == 0 && !firstSeason) k = 32;
    // Never more than the cup brought in.
    k = std::min(k, cup.m_NonLeagueClubs.GetSize());
    platform::Trace(platform::StrPrintf("Non league clubs to be added : - %d\n", k));
    for (int i = 0; i < k; ++i) entrants.Add(static_cast<uint32_t>(-1 - static_cast<int>(cup.m_NonLeagueClubs.GetAt(i))));
    if (cup.m_Format == 0) {
        if (firstSeason) m_Entrants = 84;
        else if (w && w->GetSeason() == 1) m_Entrants = 80;
    }
    const int missing = m_Entrants - entrants.GetSize();
    if (missing > 0 && !cup.m_Pool.IsEmpty()) {
        const int n = std::min(missing, cup.m_Pool.GetSize());
        if (n < missing) platform::Trace(cup.m_Name + ": the pool holds too few clubs\n");
        entrants.TakeLast(cup.m_Pool, n);
    }
}

void CCupRound::MakePairings(const CCup& cup, const CExtDWordArray& e) {
    const bool neutral = IsNeutralKind(m_Kind);
    const uint8_t kind = neutral ? CFixture::kNeutral : CFixture::kCupHome;
    const int attendance = neutral ? CupDrawVenueCapacity(cup) : 0;
    auto tie = [&](int a, int b) {
        const auto home = static_cast<int16_t>(static_cast<int32_t>(e.GetAt(a)));
        const auto away = static_cast<int16_t>(static_cast<int32_t>(e.GetAt(b)));
        if (!m_Ties.AddFixture(kind, home, away, cup.m_SubsNamed, cup.m_SubsAllowed, attendance, 0))
            platform::Trace(cup.m_Name + ": a club drawn against itself\n");
    };
    const int n = std::min<int>(m_Entrants, e.GetSize());
    if (m_Kind == 10 && m_GroupSize == 5) {
        for (int start = 0; start + 3 < n; start += 5) {
            tie(start, start + 1);
            tie(start + 2, start + 3);
        }
        return;
    }
    for (int k = 0; k + 1 < n; k += 2) tie(k, k + 1);
    if (n % 2) platform::Trace(cup.m_Name + ": an odd entrant left without a tie\n");
}

void CCupRound::AnnounceDraw(const CExtDWordArray& entrants, const CCup& cup) {
    if (IsGroupKind(m_Kind)) return;
    CWorldData* w = GetWorldData();
    if (!w) return;
    const int n = entrants.GetSize();
    const uint8_t code = n == 8 ? 15 : n == 4 ? 18 : n == 2 ? 21 : 24;
    const std::string title = cup.m_Name + " " + platform::LoadString(m_ShortNameId);
    for (int i = 0; i < n; ++i) {
        const auto club = static_cast<int32_t>(entrants.GetAt(i));
        CClub* c = club >= 0 && club < w->GetClubCount() ? w->GetClub(club) : nullptr;
        CHumanManager* h = c ? c->GetHumanManager() : nullptr;
        if (!h) continue;
        h->AddMessage(code, title, "", "", -1);
        if (n == 2) continue;
        const int partner = i % 2 ? i - 1 : i + 1;
        if (partner >= n) continue;
        const int home = static_cast<int32_t>(entrants.GetAt(std::min(i, partner)));
        const int away = static_cast<int32_t>(entrants.GetAt(std::max(i, partner)));
        UserMessageBoxText(platform::FormatMessageId(kDrawnBoxText, {title, CupDrawTeamName(home) + " - " + CupDrawTeamName(away)}),
                           0, 0);
    }
}
