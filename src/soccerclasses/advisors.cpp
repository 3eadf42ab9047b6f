// The advisors' report of one match day: what the assistant, the chairman,
// the fans, the doctor, the bank manager and the directors have to say,
// posted to the user's inbox by code.
#include <algorithm>
#include <cmath>

#include "soccerclasses/globals.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/inboxcodes.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kFriendlySlotCount = 4;
constexpr uint16_t kNoFriendly = 0xFFFF;

// The first of a row of eight codes by a 0..100 confidence, best first.
uint8_t ConfidenceCode(uint8_t first, int value) {
    static constexpr int kFloors[] = {91, 81, 71, 61, 51, 41, 31};
    for (int i = 0; i < 7; ++i)
        if (value >= kFloors[i]) return uint8_t(first + i);
    return uint8_t(first + 7);
}

// A counter that stands exactly on 20, 10 or 5 (or the given marks) picks
// the first, second or third code of its row; -1 otherwise.
int MilestoneCode(int first, int value, int high, int mid, int low) {
    if (value == high) return first;
    if (value == mid) return first + 1;
    if (value == low) return first + 2;
    return -1;
}

// Real arithmetic: in whole numbers n / 100 would be 0 for every division.
int TopBand(int clubs) { return static_cast<int>(clubs * 20.0 / 100.0); }
int BottomBand(int clubs) { return static_cast<int>(clubs * 80.0 / 100.0); }

struct StreakCounts {
    int defeats = 0, wins = 0, homeDefeats = 0, homeWins = 0, awayDefeats = 0, awayWins = 0;
};

// 1 away defeat, 2 away win, 3 home defeat, 4 home win, 5 draw, 0 none;
// newest last.
StreakCounts CountStreaks(const std::array<uint8_t, 11>& results) {
    StreakCounts c;
    bool defeats = true, wins = true, homeDefeats = true, homeWins = true, awayDefeats = true, awayWins = true;
    for (int i = 10; i >= 0; --i) {
        const uint8_t r = results[size_t(i)];
        if (r == 0) continue;
        const bool defeat = r == 1 || r == 3, win = r == 2 || r == 4;
        if (defeats && defeat) ++c.defeats;
        else defeats = false;
        if (wins && win) ++c.wins;
        else wins = false;
        if (homeDefeats) {
            if (r == 3) ++c.homeDefeats;
            else if (r == 4) homeDefeats = false;
        }
        if (homeWins) {
            if (r == 4) ++c.homeWins;
            else if (r == 3) homeWins = false;
        }
        if (awayDefeats) {
            if (r == 1) ++c.awayDefeats;
            else if (r == 2) awayDefeats = false;
        }
        if (awayWins) {
            if (r == 2) ++c.awayWins;
            else if (r == 1) awayWins = false;
        }
    }
    return c;
}

}  // namespace

void CHumanManager::AdvanceTraining() {
    for (int k = 0; k < 4; ++k) {
        uint8_t& level = m_TrainLevel[size_t(k)];
        double& progress = m_TrainProgress[size_t(k)];
        if (level <= 30) continue;
        progress -= level <= 50 ? 0.05 : level <= 70 ? 0.1 : level <= 90 ? 0.15 : 0.2;
        if (progress < 0.0) {
            progress = 1.0;
            --level;
        }
    }
    for (int k = 0; k < 4; ++k) {
        uint8_t& level = m_TrainLevel[size_t(k)];
        double& progress = m_TrainProgress[size_t(k)];
        const uint8_t load = m_TrainLoad[size_t(k)];
        if (level >= 99 || load == 0) continue;
        progress += 0.25;
        if (load > 2) {
            const double f = level <= 30 ? 0.0 : level <= 50 ? 0.2 : level <= 70 ? 0.15 : level <= 90 ? 0.1 : 0.05;
            progress += (load - 2) * f;
        }
        if (progress > 1.0) {
            progress = 0.0;
            ++level;
        }
    }
}

void CHumanManager::PostResultStreaks() {
    const StreakCounts c = CountStreaks(m_Results);
    if (c.defeats == 4) AddMessage(inbox::kPoorRun, "", "", "", -1);
    if (c.defeats == 10) AddMessage(inbox::kTenWithoutWin, "", "", "", -1);
    if (c.wins == 4) AddMessage(inbox::kGoodRun, "", "", "", -1);
    if (c.wins == 10) AddMessage(inbox::kTenWins, "", "", "", -1);
    if (c.homeDefeats == 10) AddMessage(inbox::kTenHomeWithoutWin, "", "", "", -1);
    if (c.homeWins == 10) AddMessage(inbox::kTenHomeWins, "", "", "", -1);
    if (c.awayDefeats == 10) AddMessage(inbox::kTenAwayWithoutWin, "", "", "", -1);
    if (c.awayWins == 10) AddMessage(inbox::kTenAwayWins, "", "", "", -1);
}

void CHumanManager::PostLeaguePosition(const CClub& club) {
    const CDivision* division = club.GetDivision();
    if (!division || club.LeagueRow().GetPlayed() <= 5) return;
    const int n = division->GetClubCount();
    const int p = club.GetTablePosition();
    if (p == 0) AddMessage(inbox::kLeagueTop, "", "", "", -1);
    else if (p == 1) AddMessage(inbox::kLeagueSecond, "", "", "", -1);
    else if (p > 2 && p <= TopBand(n)) AddMessage(inbox::kLeagueStrong, "", "", "", -1);
    else if (p == n - 1) AddMessage(inbox::kLeagueBottom, "", "", "", -1);
    else if (p >= BottomBand(n)) AddMessage(inbox::kLeagueLow, "", "", "", -1);
}

void CHumanManager::PostManagerState(const CManager& m, const CClub& club) {
    AddMessage(ConfidenceCode(inbox::kBoardFirst, m.GetBoardConfidence()), "", "", "", -1);
    AddMessage(ConfidenceCode(inbox::kFansFirst, m.GetFanConfidence()), "", "", "", -1);
    const int stress = m.GetDiscontent();
    const int band = stress < 52 ? 0 : std::min((stress - 52) / 10 + 1, 5);
    AddMessage(uint8_t(inbox::kStressFirst + band), "", "", "", -1);

    const int balance = m.m_Savings;
    const double yearly = m.Person().GetWeeklyWage() * 12 / 100;
    if (balance < -(yearly * 70)) return;
    uint8_t code = inbox::kBankInCredit;
    if (balance < -(yearly * 50)) code = inbox::kBankDeepOverdrawn;
    else if (balance < -(yearly * 20)) code = inbox::kBankOverdrawn;
    else if (balance < 0 && m.m_PreviousSavings >= 0) code = inbox::kBankJustOverdrawn;
    else if (balance > 0 && m.m_PreviousSavings <= 0) code = inbox::kBankBackInCredit;
    AddMessage(code, club.FormatMoney(balance), "", "", -1);
}

// The first counter is the season's goals, the fourth his man-of-the-match
// awards and the fifth his suspensions: what a manager would want to hear of.
void CHumanManager::PostSquadNotes(const CClub& club, int user) {
    CWorldData* w = GetWorldData();
    for (int s = 0; s < kSquadSlots; ++s) {
        const uint16_t id = club.GetPlayerId(s);
        CPlayer* p = id == 0xFFFF ? nullptr : w->GetPlayer(id);
        if (!p) continue;
        if (user >= 0) p->Football().SetKnownBy(uint8_t(user));
        const std::string name = p->GetName();
        bool posted = false;
        auto post = [&](int code) {
            if (code < 0) return;
            AddMessage(uint8_t(code), name, "", "", id);
            posted = true;
        };
        if (p->m_MissedRun == 20) post(inbox::kMissedTwenty);
        else if (p->m_MissedRun == 10) post(inbox::kMissedTen);
        const int counters[5] = {p->m_SeasonGoals, p->m_SeasonSendingsOff, p->m_SeasonBookings, p->m_SeasonMotm,
                                 p->m_SeasonSuspensions};
        for (int k = 0; k < 5; ++k) post(MilestoneCode(inbox::kSeasonCounterFirst + 3 * k, counters[k], 20, 10, 5));
        post(MilestoneCode(inbox::kAppearanceRunFirst, p->m_AppearanceRun, 10, 5, 3));
        post(MilestoneCode(inbox::kSeasonAppearancesFirst, p->m_SeasonAppearances, 20, 10, 5));
        if (p->m_Suspension > 0) {
            post(inbox::kSuspended);
        } else if (!posted) {
            const int fitness = p->Football().m_Fitness;
            post(fitness <= 10 ? inbox::kFitnessWorst : inbox::kFitnessBest + (fitness > 90 ? 0 : (100 - fitness) / 10));
        }
    }
}

void CHumanManager::PostClubFinances(const CClub& club) {
    const CPopularity* row = club.GetPopularity();
    const CCountry* country = club.GetCountry();
    if (!row || !country) return;
    const double p = row->GetValue(country->GetWageFactor());
    const double b = club.GetBankBalance();
    uint8_t code = 0;
    if (b > 1.5 * p) code = inbox::kClubVeryRich;
    else if (b > p) code = inbox::kClubRich;
    else if (b > p / 2) code = inbox::kClubComfortable;
    else if (b > 0) code = inbox::kClubInCredit;
    else if (b > -p / 2) code = inbox::kClubOverdrawn;
    else if (b > -0.9 * p) code = inbox::kClubDeepOverdrawn;
    if (code) AddMessage(code, club.FormatMoney(b), "", "", -1);
}

void CHumanManager::PostTodaysMatch(const CManager& m, const CClub& club) {
    CWorldData* w = GetWorldData();
    CFixtureInfo match;
    if (!m.FindMatchOn(w->GetMatchDay(), match)) return;
    AddMessage(inbox::kTodaysMatch, "", "", "", -1);
    const int self = w->GetClubIndex(&club);
    const int opponent = match.home == self ? match.away : match.home;
    const std::string opponentName = match.home == self ? match.awayName : match.homeName;
    const CClub* other = opponent >= 0 ? w->GetClub(opponent) : nullptr;
    const CNonLeagueClub* nonLeague = opponent < 0 ? w->GetNonLeagueClub(-opponent - 1) : nullptr;
    const int otherLevel = other ? other->GetPopularityIndex() : nonLeague ? nonLeague->m_Popularity : 0;
    const int d = club.GetPopularityIndex() - otherLevel;
    const bool league = match.leagueFlag == 1 && other;

    if (league && club.LeagueRow().GetPlayed() > 5) {
        const CDivision* division = other->GetDivision();
        const int n = division ? division->GetClubCount() : 0;
        const int q = other->GetTablePosition();
        uint8_t code = 0;
        if (q == 0) code = inbox::kOpponentLeaders;
        else if (q <= TopBand(n)) code = inbox::kOpponentTop;
        else if (q == n - 1) code = inbox::kOpponentLast;
        else if (q >= BottomBand(n)) code = inbox::kOpponentLow;
        if (code) {
            AddMessage(code, opponentName, "", "", -1);
            return;
        }
        if (other->LeagueRow().GetPlayed() >= 6) {
            const int wins = other->GetFormWins(), losses = other->GetFormLosses();
            const int band = wins >= 6 ? 3 : wins >= 3 ? 2 : wins >= 1 ? 1 : 0;
            AddMessage(uint8_t(inbox::kOpponentFormFirst + band), opponentName, std::to_string(wins),
                       std::to_string(losses), -1);
            return;
        }
    }
    static constexpr int kFloors[] = {40, 20, 10, -10, -20, -30};
    int band = 0;  // 140 down to 134
    while (band < 6 && d <= kFloors[band]) ++band;
    AddMessage(uint8_t(inbox::kOpponentStrengthFirst + 6 - band), match.competition, opponentName, "", -1);
}

void CHumanManager::PostDayNotes(const CClub& club) {
    CWorldData* w = GetWorldData();
    CFixtureInfo league;
    if (club.LeagueRow().GetPlayed() == 0 && club.GetLeagueFixture(league, w->GetMatchDay()) == 1) {
        const int self = w->GetClubIndex(&club);
        AddMessage(inbox::kOpeningGame, league.home == self ? league.awayName : league.homeName, "", "", -1);
    }
    const int remark = Random(10);
    AddMessage(remark >= 9 ? 151 : remark >= 7 ? 152 : remark >= 4 ? 153 : 154, "", "", "", -1);

    const int slot = club.GetFriendlySlot(w->GetMatchDay());
    if (slot >= 0 && slot < kFriendlySlotCount) {
        bool earlier = false;
        for (int k = 0; k < slot; ++k) earlier = earlier || club.GetFriendlyOpponent(k) != kNoFriendly;
        if (club.GetFriendlyOpponent(slot) != kNoFriendly && !earlier)
            AddMessage(inbox::kFriendlyToday, club.GetFriendlyOpponentName(slot), "", "", -1);
        if (club.CountFreeFriendlySlots() == kFriendlySlotCount) {
            if (slot == 2) AddMessage(inbox::kNoFriendliesSlot2, "", "", "", -1);
            if (slot == 3) AddMessage(inbox::kNoFriendliesSlot3, "", "", "", -1);
        }
    }

    // The first day of a game: each user in play is welcomed once, to his
    // own club, however many reports run that day.
    if (w->GetSeason() != 0 || w->GetWeek() != 0) return;
    const uint8_t welcome = w->IsSaturday() ? inbox::kWelcomeSaturday : inbox::kWelcomeMidweek;
    CUserList& users = w->GetUserList();
    for (int i = 0; i < CUserList::kSlots; ++i) {
        CHumanManager* h = users.GetAt(i);
        if (!h->HasManager() || h->HasMessage(inbox::kWelcomeSaturday) || h->HasMessage(inbox::kWelcomeMidweek))
            continue;
        h->AddMessage(welcome, h->GetClubName(), "", "", -1);
    }
}

void CHumanManager::UpdateAdvisors() {
    CManager* m = GetManager();
    CClub* club = m && m->IsEmployed() ? m->GetClub() : nullptr;
    if (!club) return;
    CWorldData* w = GetWorldData();
    const int user = w->GetUserList().IndexOf(this);
    AdvanceTraining();
    PostResultStreaks();
    PostLeaguePosition(*club);
    PostManagerState(*m, *club);
    PostSquadNotes(*club, user);
    PostClubFinances(*club);
    PostTodaysMatch(*m, *club);
    PostDayNotes(*club);
}
