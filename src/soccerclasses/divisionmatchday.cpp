// A division's league match day: the day's pairs from the schedule, played
// out (or given random scores), settled by the points rule and posted to the
// table rows, records, best eleven and human managers; then the positions.
#include <string>
#include <utility>
#include <vector>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchuser.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {

CClub* LeagueDayClub(int i) {
    CWorldData* w = GetWorldData();
    return w && i >= 0 && i < w->GetClubCount() ? w->GetClub(i) : nullptr;
}

constexpr uint8_t kRuleShootout = 254;   // level matches stay draws, a shoot-out is held
constexpr uint8_t kRuleNoDraws = 255;    // extra time, then a shoot-out
constexpr uint8_t kFirstMatchWon = 225, kFirstMatchLost = 226, kFirstMatchLevel = 227;
constexpr uint8_t kSupportersView = 248;
constexpr unsigned kSupportersText = 33336;
constexpr int kGateSeriesGames = 23;

// The supporters' band of the popularity gap, home minus away.
int LeagueDaySupportersBand(int d) {
    if (d > 30) return 0;
    if (d > 15) return 1;
    if (d > 5) return 2;
    if (d > -5) return 3;
    if (d > -15) return 4;
    if (d < -29) return 6;
    return 5;
}

// The result from the home side: 0 won by 3 or more, 1 won, 2 level, 3 lost,
// 4 lost by 3 or more.
int LeagueDayResultCategory(int home, int away) {
    const int m = home - away;
    if (m >= 3) return 0;
    if (m >= 1) return 1;
    if (m == 0) return 2;
    if (m >= -2) return 3;
    return 4;
}

}  // namespace

CFixture* CDivision::TakeNextFixture(int home, int away) {
    if (m_NextFixture < 0 || m_NextFixture >= m_Fixtures.GetSize()) {
        platform::Trace("League day: the season's fixtures are used up in " + m_Name + "\n");
        return nullptr;
    }
    CFixture* f = m_Fixtures.GetAt(m_NextFixture++);
    if (!f->Set(CFixture::kLeague, static_cast<int16_t>(home), static_cast<int16_t>(away), m_SubsNamed, m_SubsAllowed,
                0))
        return nullptr;
    return f;
}

void CDivision::SetMatchVarsFor(const CFixture& f) {
    CMatchVars* mv = GetWorldData()->GetMatchVars();
    mv->SetDivision(this);
    mv->SetClubs(f.m_Home, f.m_Away);
}

void CDivision::SettleLevelScore(CFixture& f) const {
    if (!f.IsDraw()) return;
    if (m_PointsRule == kRuleShootout) {
        f.PlayPenaltyShootout();
    } else if (m_PointsRule == kRuleNoDraws) {
        f.PlayExtraTime();
        if (f.IsDraw()) f.PlayPenaltyShootout();
    }
}

int CDivision::PlayMatchDay(int divisionIndex, int withScreen, int slot) {
    (void)divisionIndex;
    CWorldData* w = GetWorldData();
    m_NewsPaperEvents.Reset();
    const uint8_t code = GetCalendarSlot(slot);
    if (code == 0 || code >= kNoMatch) {
        if (code > 234) platform::Trace("League day: an unknown calendar code\n");
        return 0;
    }
    const CCountry* country = w->GetCountry(m_Country);
    if (country && country->GetFollowLevel() == kNotFollowed) {
        PlayMatchDayQuick(slot, 1);
        return 1;
    }
    if (!w->GetGameInProgress()) {
        PlayMatchDayQuick(slot, 0);
        return 1;
    }
    m_TeamOfTheWeek->Reset();
    ++m_DaysSinceAward;
    std::vector<CFixture*> heldBack;
    for (auto [home, away] : GetPairsForSlot(slot)) {
        CFixture* f = TakeNextFixture(home, away);
        if (!f) continue;
        SetMatchVarsFor(*f);
        if (f->IsHumanInvolved() && withScreen == 1) {
            heldBack.push_back(f);
            continue;
        }
        f->Play(slot);
        SettleLevelScore(*f);
        PostResult(f);
        SendFirstMatchMessages(*f);
    }
    for (CFixture* f : heldBack) {
        SetMatchVarsFor(*f);
        const CClub* home = f->GetHomeClub();
        const CMatchUserScope user(*f);
        // The engine settles a level score by the points rule itself.
        w->GetMatchPlay()->PlayLeagueMatch(f, this, home ? home->GetStadiumName() : std::string());
        PostResult(f);
        SendFirstMatchMessages(*f);
    }
    // The match-day screen covered the day step's progress line.
    if (!heldBack.empty()) w->ShowProgressPhase3();
    RecordPositions();
    return 1;
}

void CDivision::PlayMatchDayQuick(int slot, uint8_t scoreOnly) {
    ++m_DaysSinceAward;
    if (GetFixtureIndexForSlot(slot) < 0) {
        platform::Trace("League day: no schedule position for the slot\n");
        return;
    }
    if (!scoreOnly) m_TeamOfTheWeek->Reset();
    for (auto [home, away] : GetPairsForSlot(slot)) {
        CFixture* f = TakeNextFixture(home, away);
        if (!f) continue;
        if (scoreOnly) {
            f->SetRandomScore();
            continue;
        }
        SetMatchVarsFor(*f);
        f->PrepareMatch(slot, nullptr);
        f->SetRandomScore();
        // A random score is settled without playing: a level score under
        // the no-draws rule goes to a shoot-out of random kicks.
        SettleLevelScore(*f);
        PostResult(f);
        RecordPositions();
    }
}

void CDivision::SendFirstMatchMessages(const CFixture& f) const {
    CClub* home = f.GetHomeClub();
    CClub* away = f.GetAwayClub();
    if (!home || !away) return;
    const bool homeWon = f.GetWinnerIndex() == f.m_Home;
    CClub* winner = homeWon ? home : away;
    CClub* loser = homeWon ? away : home;
    auto firstMatch = [](const CClub* c) { return c->LeagueRow().GetPlayed() == 1; };
    const bool send = winner->IsHumanManaged() ? firstMatch(winner)
                                               : loser->IsHumanManaged() && firstMatch(loser);
    if (!send) return;
    for (int side = 0; side < 2; ++side) {
        CClub* own = side == 0 ? home : away;
        CClub* other = side == 0 ? away : home;
        CHumanManager* h = own->GetHumanManager();
        if (!h) continue;
        const uint8_t code = f.IsDraw() ? kFirstMatchLevel : own == winner ? kFirstMatchWon : kFirstMatchLost;
        h->AddMessage(code, other->GetName(), "", "", -1);
    }
}

void CDivision::OfferToTeamOfTheWeek(const CClub& club) {
    const CHumanManager* h = club.GetHumanManager();
    for (int s = 0; s < CHumanManager::kSquadSlots; ++s) {
        CPlayer* p = GetWorldData()->GetPlayer(club.GetPlayerId(s));
        if (!p) continue;
        // A human manager's players take the place of their selection
        // position; a computer club's first eleven take their slot's place.
        int place = -1;
        if (h) {
            const int position = h->GetSelection(s);
            if (position >= 1 && position <= CTeamOfTheWeek::kPlaces) place = position - 1;
        } else if (s < CTeamOfTheWeek::kPlaces) {
            place = s;
        }
        if (place >= 0 && p->GetPosition() == CTeamOfTheWeek::LineOfPlace(place))
            m_TeamOfTheWeek->Consider(place, s, club);
        else
            p->RecordNonAppearance();
    }
}

void CDivision::PostResult(CFixture* f) {
    CClub* home = f ? f->GetHomeClub() : nullptr;
    CClub* away = f ? f->GetAwayClub() : nullptr;
    if (!home || !away) return;
    OfferToTeamOfTheWeek(*home);
    OfferToTeamOfTheWeek(*away);

    uint8_t winPoints = m_PointsRule;
    uint8_t homeWonShootout = 0;
    // Under both rules a level score has gone to a shoot-out.
    const bool shootout = f->IsDraw();
    if (m_PointsRule == kRuleShootout || m_PointsRule == kRuleNoDraws) {
        winPoints = m_PointsRule == kRuleNoDraws && f->WentToExtraTime() ? 2 : 3;
        if (shootout) {
            winPoints = 1;
            homeWonShootout = f->GetShootoutWinner() == 0 ? 1 : 0;
        }
    }
    const int drawPoints = AllowsDraws() ? 1 : 0;

    const int homePop = home->GetPopularityIndex(), awayPop = away->GetPopularityIndex();
    for (int side = 0; side < 2; ++side) {
        CClub* own = side == 0 ? home : away;
        CManager* m = own->GetManagerObject();
        if (!m) continue;
        const int gf = side == 0 ? f->m_HomeGoals : f->m_AwayGoals;
        const int ga = side == 0 ? f->m_AwayGoals : f->m_HomeGoals;
        const bool sacked = m->RecordLeagueResult(gf, ga, winPoints, drawPoints, side == 0 ? homePop : awayPop,
                                                  side == 0 ? awayPop : homePop, own->LeagueRow().GetPlayed());
        if (sacked) own->ManagerLeaves(1);
    }

    home->RecordHomeLeagueResult(f->m_HomeGoals, f->m_AwayGoals, winPoints, drawPoints, homeWonShootout);
    away->RecordAwayLeagueResult(f->m_HomeGoals, f->m_AwayGoals, winPoints, drawPoints, homeWonShootout);

    if (f->m_Attendance > 0) home->AddAttendance(static_cast<uint32_t>(f->m_Attendance));
    const int homeGames = home->LeagueRow().m_HomePlayed;
    if (homeGames >= 1 && homeGames <= kGateSeriesGames) home->SetGameSeries1(homeGames - 1, f->m_Attendance);
    home->UpdateRecordsFromMatch(*f);
    away->UpdateRecordsFromAwayMatch(*f);

    for (int i = 0; i < m_Fixtures.GetSize(); ++i)
        if (m_Fixtures.GetAt(i) == f) {
            m_NewsPaperEvents.SetResult(i, m_Fixtures);
            break;
        }

    if (!home->IsHumanManaged() && !away->IsHumanManaged()) return;
    const int b = LeagueDaySupportersBand(homePop - awayPop);
    const int r = LeagueDayResultCategory(f->m_HomeGoals, f->m_AwayGoals);
    if (CHumanManager* h = home->GetHumanManager())
        h->AddMessage(kSupportersView, platform::LoadString(kSupportersText + 5 * b + r), "", "", -1);
    if (CHumanManager* h = away->GetHumanManager())
        h->AddMessage(kSupportersView, platform::LoadString(kSupportersText + 5 * (6 - b) + (4 - r)), "", "", -1);
}

void CDivision::RecordPositions() {
    m_ClubPointers.clear();
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (CClub* club = LeagueDayClub(c)) m_ClubPointers.push_back(club);
    // Insertion into the table order: a row moves above every row it ranks
    // above, so level rows end in the reverse of their club order.
    for (size_t i = 1; i < m_ClubPointers.size(); ++i)
        for (size_t j = i; j > 0 && m_ClubPointers[j]->LeagueRow().RanksAbove(m_ClubPointers[j - 1]->LeagueRow()); --j)
            std::swap(m_ClubPointers[j - 1], m_ClubPointers[j]);
    for (size_t i = 0; i < m_ClubPointers.size(); ++i) {
        CClub* club = m_ClubPointers[i];
        club->LeagueRow().m_Position = static_cast<uint8_t>(i);
        const int played = club->LeagueRow().GetPlayed();
        if (played >= 1) club->SetLeaguePositionAfterGame(played - 1, static_cast<uint8_t>(i));
    }
    m_ClubPointers.assign(m_ClubCount, nullptr);
}

void CDivision::PlayUpToToday(int divisionIndex, int arg) {
    CWorldData* w = GetWorldData();
    const int today = w->GetMatchDay();
    w->GetClock().RewindToMarker202(this);
    if (w->GetMatchDay() == today) return;
    CCountry* country = w->GetCountry(m_Country);
    // One season at most: the clock always comes back to the day it left.
    for (int step = 0; w->GetMatchDay() != today && step < kSlots; ++step) {
        if (country) country->ReshuffleDivisionOrder();
        PlayMatchDay(divisionIndex, 0, w->GetMatchDay());
        if (w->IsLastMatchDayOfMonth()) AwardManagerOfTheMonth();
        w->NextMatchDay();
        for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
            if (CClub* club = LeagueDayClub(c)) club->ProcessDay(w->IsSaturday(), arg != 0);
    }
}

bool CDivisionList::PlayTodaysMatches(int withScreen) {
    CWorldData* w = GetWorldData();
    bool any = false;
    for (int i = 0; i < GetSize(); ++i) any |= GetAt(i)->PlayMatchDay(i, withScreen, w->GetMatchDay()) != 0;
    return any;
}
