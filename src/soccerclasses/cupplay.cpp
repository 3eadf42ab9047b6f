// Playing cup ties: the day's round and replays by the round's kind, extra
// time, penalties and replays, the winner of each tie with what the human
// managers are told, the records after a cup match, and the season's end.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchuser.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

namespace {

enum class CupPlayWay { kSingle, kDecided, kSecondLeg, kNone };

CupPlayWay CupPlayWayOf(uint8_t kind) {
    switch (kind) {
        case 0: case 2: case 4: case 7: case 10: case 11: case 12: case 13: case 15: case 17: case 20: case 23:
        case 26: case 27: case 30: case 31:
            return CupPlayWay::kSingle;
        case 1: case 3: case 14: case 16: case 24: case 28: case 29:
            return CupPlayWay::kDecided;
        case 5: case 6: case 8: case 9: case 18: case 19: case 21: case 22:
            return CupPlayWay::kSecondLeg;
        default:
            return CupPlayWay::kNone;
    }
}

bool CupPlayAwayGoalsDouble(uint8_t kind) { return kind == 8 || kind == 9 || kind == 21 || kind == 22; }

constexpr unsigned kBoardFirstText = 171;   // by division strength, 177 the final
constexpr unsigned kBoardFinalText = 177;
constexpr unsigned kCupWonText = 32869;
// A loop of random scores that never leaves a level tie stops here.
constexpr int kRandomScoreTries = 1000;

CClub* CupPlayLeagueClub(int club) {
    CWorldData* w = GetWorldData();
    return w && club >= 0 && club < w->GetClubCount() ? w->GetClub(club) : nullptr;
}

bool CupPlayClubResultsOnly(int club) {
    const CClub* c = CupPlayLeagueClub(club);
    const CCountry* country = c ? c->GetCountry() : nullptr;
    return country && country->GetFollowLevel() >= kNotFollowed;
}

// A domestic cup follows its country; a cup of no country (a federation
// cup) gives random scores where neither club's country is followed.
bool CupPlayResultsOnly(const CCup& cup, const CFixture& f) {
    if (const CCountry* c = cup.GetCountry()) return c->GetFollowLevel() >= kNotFollowed;
    if (cup.m_CountryIndex != -1) return false;
    return CupPlayClubResultsOnly(f.m_Home) && CupPlayClubResultsOnly(f.m_Away);
}

void CupPlayRandomUntilDecided(const CCupRound& round, const CFixture* firstLeg, CFixture& f) {
    for (int k = 0; k < kRandomScoreTries; ++k) {
        f.SetRandomScore();
        if (!round.NeedsExtraTime(firstLeg, f)) return;
    }
}

// Extra time and penalties after ninety minutes played without the screen:
// a non-league side borrows its spare slot again for them.
void CupPlayOnAfterNinety(const CCupRound& round, const CFixture* firstLeg, CFixture& f, bool penaltiesAnyway) {
    if (!round.NeedsExtraTime(firstLeg, f)) return;
    f.BorrowNonLeagueSlots();
    f.SetMatchVarsClubs();
    f.PlayExtraTime();
    if (round.NeedsExtraTime(firstLeg, f) && (penaltiesAnyway || !round.HasReplaySlot())) f.PlayPenaltyShootout();
    f.ReturnNonLeagueSlots();
}

// The side (0 home, 1 away) that a score decides: more goals, else the
// shoot-out's winner, the away side when none was held.
int CupPlaySideOfScore(const CFixture& f) {
    if (f.m_HomeGoals != f.m_AwayGoals) return f.m_HomeGoals > f.m_AwayGoals ? 0 : 1;
    return f.GetShootoutWinner();
}

}  // namespace

bool CCup::PlayToday(bool live) {
    m_NewsPaperEvents.Reset();
    CWorldData* w = GetWorldData();
    if (!w) return false;
    for (int i = 0; i < GetRoundCount(); ++i) {
        CCupRound* r = GetRound(i);
        if (r->m_MatchSlot != w->GetMatchDay() || r->m_Kind == CCupRound::kPlaceholderKind) continue;
        PlayRound(*r, live, i);
        return true;
    }
    return false;
}

void CCup::PlayRound(CCupRound& round, bool live, int index) {
    CWorldData* w = GetWorldData();
    const CupPlayWay way = CupPlayWayOf(round.m_Kind);
    if (way == CupPlayWay::kNone) {
        platform::Trace(m_Name + ": a round of a kind that is never played\n");
        return;
    }
    const CCupRound* previous = index > 0 ? GetRound(index - 1) : nullptr;
    if (way == CupPlayWay::kSecondLeg && !previous) {
        platform::Trace(m_Name + ": a second leg without a first\n");
        return;
    }
    std::vector<int> setAside;
    for (int t = 0; t < round.m_Ties.GetSize(); ++t) {
        CFixture* f = round.m_Ties.GetAt(t);
        const bool resultsOnly = CupPlayResultsOnly(*this, *f);
        const CFixture* firstLeg = way == CupPlayWay::kSecondLeg && t < previous->m_Ties.GetSize()
                                       ? previous->m_Ties.GetAt(t)
                                       : nullptr;
        if (live && f->IsHumanInvolved()) {
            setAside.push_back(t);
            continue;
        }
        if (resultsOnly) {
            CupPlayRandomUntilDecided(round, firstLeg, *f);
            continue;
        }
        if (way == CupPlayWay::kSingle && !w->GetGameInProgress()) {
            CupPlayRandomUntilDecided(round, firstLeg, *f);
        } else {
            f->Play(w->GetMatchDay());
            if (way == CupPlayWay::kDecided) CupPlayOnAfterNinety(round, nullptr, *f, false);
            if (way == CupPlayWay::kSecondLeg) CupPlayOnAfterNinety(round, firstLeg, *f, true);
        }
        RecordMatch(round, *f);
    }
    for (int t : setAside) {
        CFixture* f = round.m_Ties.GetAt(t);
        const CMatchUserScope user(*f);
        const std::string title = GetRoundFullName(index);
        if (way == CupPlayWay::kSecondLeg && t < previous->m_Ties.GetSize())
            w->GetMatchPlay()->PlayCupSecondLeg(f, this, &round, previous->m_Ties.GetAt(t), title);
        else
            w->GetMatchPlay()->PlayCupTie(f, this, &round, title);
        RecordMatch(round, *f);
    }
    ScheduleReplays(round, index);
}

bool CCup::PlayReplaysToday(bool live, uint8_t fixtureKind) {
    CWorldData* w = GetWorldData();
    if (!w) return false;
    for (int i = 0; i < GetRoundCount(); ++i) {
        CCupRound* r = GetRound(i);
        if (!r->HasReplaySlot() || r->m_ReplaySlot != w->GetMatchDay()) continue;
        if (r->m_Replays.GetSize() == 0) return false;
        for (int k = 0; k < r->m_Replays.GetSize(); ++k) {
            CFixture* f = r->m_Replays.GetAt(k);
            const bool resultsOnly = CupPlayResultsOnly(*this, *f);
            f->m_Kind = fixtureKind;
            if (live && f->IsHumanInvolved()) {
                const CMatchUserScope user(*f);
                w->GetMatchPlay()->PlayCupTie(f, this, r, GetReplayName(i));
            } else if (resultsOnly) {
                CupPlayRandomUntilDecided(*r, nullptr, *f);
            } else {
                f->Play(w->GetMatchDay());
                CupPlayOnAfterNinety(*r, nullptr, *f, true);
            }
            if (!resultsOnly) RecordMatch(*r, *f);
        }
        return true;
    }
    return false;
}

void CCup::ScheduleReplays(CCupRound& round, int index) {
    switch (round.m_Kind) {
        case 0: case 2: case 13: case 15:
        case 11: case 23: {
            const bool neutral = round.m_Kind == 11 || round.m_Kind == 23;
            if (neutral && !round.HasReplaySlot()) {
                platform::Trace(m_Name + ": a neutral replay in a round without a replay day\n");
                return;
            }
            int attendance = 0;
            if (neutral)
                if (CWorldData* w = GetWorldData(); w && !m_Venues.IsEmpty())
                    if (const CStadium* s = w->GetStadium(static_cast<int>(m_Venues.GetAt(0)))) attendance = s->GetCapacity();
            for (int t = 0; t < round.m_Ties.GetSize(); ++t) {
                const CFixture* f = round.m_Ties.GetAt(t);
                if (!f->IsDraw()) continue;
                round.m_Replays.AddFixture(neutral ? CFixture::kNeutral : CFixture::kCupHome, f->m_Away, f->m_Home,
                                           m_SubsNamed, m_SubsAllowed, attendance, 0);
            }
            break;
        }
        case 5: case 6: case 8: case 9: case 18: case 19: case 21: case 22:
            if (index > 0) round.ComputeAggregates(*GetRound(index - 1));
            break;
        default: break;
    }
}

void CCupRound::ComputeAggregates(const CCupRound& firstLegs) {
    for (int t = 0; t < m_Ties.GetSize() && t < firstLegs.m_Ties.GetSize(); ++t) {
        CFixture& f = *m_Ties.GetAt(t);
        const CFixture& first = *firstLegs.m_Ties.GetAt(t);
        auto home = static_cast<uint8_t>(f.m_HomeGoals + first.m_AwayGoals);
        auto away = static_cast<uint8_t>(first.m_HomeGoals + f.m_AwayGoals);
        if (home == away && CupPlayAwayGoalsDouble(m_Kind)) {
            home = static_cast<uint8_t>(2 * first.m_AwayGoals + f.m_HomeGoals);
            away = static_cast<uint8_t>(2 * f.m_AwayGoals + first.m_HomeGoals);
        }
        f.m_SubsNamed = home;
        f.m_SubsAllowed = away;
    }
}

int CCupRound::ResolveTie(int i, CExtDWordArray& losers, const std::string& cupName, int quiet, CCup& cup) {
    if (i < 0 || i >= m_Ties.GetSize()) return kNoWinner;
    CFixture& f = *m_Ties.GetAt(i);
    int side = -1;
    switch (m_Kind) {
        case 0: case 2: case 11: case 13: case 15: case 23: {
            if (!f.IsDraw()) {
                side = CupPlaySideOfScore(f);
                break;
            }
            const CFixture* replay = nullptr;
            for (int k = 0; k < m_Replays.GetSize(); ++k)
                if (m_Replays.GetAt(k)->m_Home == f.m_Away) replay = m_Replays.GetAt(k);
            if (!replay) {
                platform::Trace(cupName + ": a level tie without its replay\n");
                return kNoWinner;
            }
            // The replay's sides are the tie's reversed.
            side = 1 - CupPlaySideOfScore(*replay);
            break;
        }
        case 1: case 3: case 14: case 16: case 24: case 28: case 29:
            side = CupPlaySideOfScore(f);
            break;
        case 5: case 6: case 8: case 9: case 18: case 19: case 21: case 22: {
            const CCupRound* prev = cup.GetPreviousRound(this);
            if (!prev || i >= prev->m_Ties.GetSize()) {
                platform::Trace(cupName + ": a second leg without a first\n");
                return kNoWinner;
            }
            const CFixture& first = *prev->m_Ties.GetAt(i);
            int home = static_cast<uint8_t>(f.m_HomeGoals + first.m_AwayGoals);
            int away = static_cast<uint8_t>(first.m_HomeGoals + f.m_AwayGoals);
            f.m_SubsNamed = home;
            f.m_SubsAllowed = away;
            if (home == away && CupPlayAwayGoalsDouble(m_Kind)) {
                home += first.m_AwayGoals;
                away += f.m_AwayGoals;
            }
            if (home == away) (f.GetShootoutWinner() == 0 ? home : away) += 1;
            side = home > away ? 0 : 1;
            break;
        }
        default:
            platform::Trace(cupName + ": no winner in a round of this kind\n");
            return kNoWinner;
    }
    const int winner = side == 0 ? f.m_Home : f.m_Away;
    const int loser = side == 0 ? f.m_Away : f.m_Home;
    if (!quiet) {
        NotifyLoser(loser, cupName);
        NotifyWinner(winner, cupName);
    }
    losers.Add(static_cast<uint32_t>(loser));
    return winner;
}

void CCupRound::ResolveTies(CExtDWordArray& winners, CExtDWordArray& losers, int start, const std::string& cupName,
                            int quiet, CCup& cup) {
    for (int t = 0; t < m_Ties.GetSize(); ++t) {
        const int w = ResolveTie(t, losers, cupName, quiet, cup);
        if (w == kNoWinner) continue;
        if (winners.GetSize() < start + t) winners.SetSize(start + t);
        winners.Add(static_cast<uint32_t>(w));
    }
}

void CCupRound::GetFinalists(CExtDWordArray& results, CExtDWordArray& losers, const std::string& cupName, int quiet,
                             CCup& cup) {
    ResolveTies(results, losers, 0, cupName, quiet, cup);
    if (results.IsEmpty() || m_Ties.GetSize() == 0) return;
    const CFixture& f = *m_Ties.GetAt(0);
    const int other = static_cast<int32_t>(results.GetAt(0)) == f.m_Home ? f.m_Away : f.m_Home;
    if (results.GetSize() < 2) results.SetSize(2);
    results.SetAt(1, static_cast<uint32_t>(other));
}

void CCupRound::NotifyLoser(int club, const std::string& cupName) const {
    CClub* c = CupPlayLeagueClub(club);
    CHumanManager* h = c ? c->GetHumanManager() : nullptr;
    if (!h) return;
    struct Row { uint8_t code, reputation; };
    const Row row = m_Entrants == 2 ? Row{23, 30} : m_Entrants == 4 ? Row{20, 15} : m_Entrants == 8 ? Row{17, 8}
                                                                                                      : Row{14, 4};
    h->AddMessage(row.code, cupName, "", "", -1);
    if (m_Entrants == 2) h->SetDeferredMessage(210, cupName, "", "", -1);
    c->LowerReputation(row.reputation);
    unsigned text = kBoardFinalText;
    if (m_Entrants != 2) {
        const CDivision* d = c->GetDivision();
        text = kBoardFirstText + std::min<unsigned>(d ? d->GetStrengthIndex() : 0, 6);
    }
    c->SendMessageToHuman(platform::FormatMessageId(text, {cupName}));
}

void CCupRound::NotifyWinner(int club, const std::string& cupName) const {
    CClub* c = CupPlayLeagueClub(club);
    CHumanManager* h = c ? c->GetHumanManager() : nullptr;
    if (!h) return;
    struct Row { uint8_t code, reputation; };
    const Row row = m_Entrants == 2 ? Row{22, 30} : m_Entrants == 4 ? Row{19, 15} : m_Entrants == 8 ? Row{16, 8}
                                                                                                      : Row{13, 4};
    h->AddMessage(row.code, cupName, "", "", -1);
    c->RaiseReputation(row.reputation);
    if (m_Entrants != 2) return;
    h->SetDeferredMessage(209, cupName, "", "", -1);
    // Only the winner of the final has won the cup.
    c->SendMessageToHuman(platform::FormatMessageId(kCupWonText, {c->GetManagerName(), cupName}));
}

void CCup::RecordMatch(const CCupRound& round, const CFixture& f) {
    if (CCupRound::IsNeutralKind(round.m_Kind)) return;
    CClub* home = CupPlayLeagueClub(f.m_Home);
    CClub* away = CupPlayLeagueClub(f.m_Away);
    auto judge = [&](CClub* own, int gf, int ga, const CClub* other) {
        CManager* m = own->GetManagerObject();
        if (!m) return;
        const int otherPop = other ? other->GetPopularityIndex() : 0;
        if (m->RecordCupResult(gf, ga, own->GetPopularityIndex(), otherPop, own->LeagueRow().GetPlayed()))
            own->ManagerLeaves(1);
    };
    if (home) {
        home->UpdateRecordsFromMatch(f);
        judge(home, f.m_HomeGoals, f.m_AwayGoals, away);
    }
    if (away) {
        away->UpdateRecordsFromAwayMatch(f);
        judge(away, f.m_AwayGoals, f.m_HomeGoals, home);
    }
    if (home) RecordAppearances(*home);
    if (away) RecordAppearances(*away);
}

void CCup::RecordAppearances(const CClub& club) {
    CWorldData* w = GetWorldData();
    // A human club counts its own manager's team sheet; a computer club (and
    // every club before the game is in progress) its first eleven.
    const CHumanManager* h = w->GetGameInProgress() ? club.GetHumanManager() : nullptr;
    for (int s = 0; s < CHumanManager::kSquadSlots; ++s) {
        CPlayer* p = w->GetPlayer(club.GetPlayerId(s));
        if (!p) continue;
        const int position = h ? h->GetSelection(s) : s + 1;
        if (position >= 1 && position <= 11) p->RecordAppearance();
        else p->RecordNonAppearance();
    }
}

int CCup::GetWinner() {
    CExtDWordArray results, losers;
    if (GetRoundCount() == 0) return CCupRound::kNoWinner;
    GetRound(GetRoundCount() - 1)->GetFinalists(results, losers, m_Name, 0, *this);
    return results.IsEmpty() ? CCupRound::kNoWinner : static_cast<int32_t>(results.GetAt(0));
}

int CCup::GetRunnerUp() {
    CExtDWordArray results, losers;
    if (GetRoundCount() == 0) return CCupRound::kNoWinner;
    GetRound(GetRoundCount() - 1)->GetFinalists(results, losers, m_Name, 0, *this);
    return results.GetSize() < 2 ? CCupRound::kNoWinner : static_cast<int32_t>(results.GetAt(1));
}

void CCup::EndOfSeason(bool honours) {
    platform::Trace(m_Name + " End of Season\n");
    if (GetRoundCount() == 0) return;
    CCupRound* last = GetRound(GetRoundCount() - 1);
    if (last->m_Kind == CCupRound::kPlaceholderKind) platform::Trace(m_Name + ": the last round is a placeholder\n");
    CExtDWordArray results, losers;
    // A shield's final was announced when it was played.
    const int quiet = honours ? 0 : 1;
    if (last->m_Kind == 10 || last->m_Kind == 31) {
        const CCupRound* g = m_Rounds.GetFirstGroupRound();
        const int groups = g && g->m_GroupSize ? g->m_Entrants / g->m_GroupSize : 0;
        GetGroupQualifiers(results, groups);
    } else {
        last->GetFinalists(results, losers, m_Name, quiet, *this);
    }
    if (results.IsEmpty()) {
        ClearFixtures();
        return;
    }
    const int winner = static_cast<int32_t>(results.GetAt(0));
    const int runnerUp = results.GetSize() > 1 ? static_cast<int32_t>(results.GetAt(1)) : CCupRound::kNoWinner;
    if (CCharityShield* shield = GetShield()) shield->AddEntrant(winner);
    if (honours) {
        if (CClub* c = CupPlayLeagueClub(winner)) c->AddCupWin(m_Name, m_PictureNumber);
        if (runnerUp != CCupRound::kNoWinner)
            if (CClub* c = CupPlayLeagueClub(runnerUp)) c->AddCupRunnerUp(m_Name, m_PictureNumber);
    }
    CCountry* country = GetCountry();
    if (m_RecordRole == 4 && country) {
        const int lastIndex = GetRoundCount() - 1;
        const int semi = CCupRound::IsReverseKind(last->m_Kind) ? lastIndex - 2 : lastIndex - 1;
        CExtDWordArray semiWinners, semiLosers;
        if (semi >= 0) GetRound(semi)->ResolveTies(semiWinners, semiLosers, 0, m_Name, 1, *this);
        // Non-league finalists give way to the semi-final losers in order
        // until both places hold league clubs; a place left without one is -1.
        auto isLeague = [](int c) { return c >= 0 && c != CCupRound::kNoWinner; };
        int a = winner, b = runnerUp;
        int next = 0;
        auto takeLoser = [&]() {
            while (next < semiLosers.GetSize()) {
                const int c = static_cast<int32_t>(semiLosers.GetAt(next++));
                if (c >= 0) return c;
            }
            return -1;
        };
        if (!isLeague(a)) {
            a = b;
            b = -1;
        }
        if (!isLeague(a)) a = takeLoser();
        if (!isLeague(b)) b = takeLoser();
        country->SetCupFinalistA(a);
        country->SetCupFinalistB(b);
        int q = 0;
        while (next < semiLosers.GetSize() && q < 2) {
            const int c = static_cast<int32_t>(semiLosers.GetAt(next++));
            if (c != a && c != b) country->SetCupQualifier(q++, c);
        }
    } else if (m_RecordRole == 1 && country) {
        country->SetSecondCupFinalistA(winner);
        country->SetSecondCupFinalistB(runnerUp == CCupRound::kNoWinner ? -1 : runnerUp);
    }
    ClearFixtures();
}

bool CCupList::PlayToday(bool live) {
    bool any = false;
    for (const auto& c : *this) {
        any |= c->PlayToday(live);
        any |= c->PlayReplaysToday(live, CFixture::kCupHome2);
    }
    return any;
}

void CCupList::CatchUpToToday() {
    CWorldData* w = GetWorldData();
    if (!w) return;
    for (const auto& cup : *this) {
        CCountry* country = cup->GetCountry();
        if (!country) continue;
        const int today = w->GetMatchDay();
        const int start = country->GetSeasonStartDay();
        // Within one season's worth of match days either way.
        for (int step = 0; w->GetMatchDay() != start && step < CMatchTime::kSlotsPerSeason; ++step)
            w->PreviousMatchDay();
        cup->NewSeason();
        for (int step = 0; w->GetMatchDay() != today && step < CMatchTime::kSlotsPerSeason; ++step) {
            country->ReshuffleDivisionOrder();
            cup->PlayToday(false);
            // A level tie's replay is played too, or the next draw would
            // decide it for the away club.
            cup->PlayReplaysToday(false, CFixture::kCupHome2);
            cup->DrawToday();
            w->NextMatchDay();
        }
    }
}
