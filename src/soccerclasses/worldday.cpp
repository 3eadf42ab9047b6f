// The day step: the world moves from one match day to the next in nine
// phases, each shown as a progress line.
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kDayPhases = 9;
constexpr int kProgressPageScreen = 114;
constexpr unsigned kEndOfGameText = 32871;

// The current user's club's match on the day; false without one.
bool CurrentUserMatch(CWorldData& w, int day, CFixtureInfo& info) {
    const CManager* m = w.GetCurrentManager();
    return m && m->FindMatchOn(day, info);
}

}  // namespace

void CWorldData::StepDayProgress(int k) {
    UserPort& port = GetUserPort();
    if (port.GetCurrentScreenId() == kProgressPageScreen)
        port.StepProgress();
    else
        ShowProgress(kDayPhases, GetDateText(), k, 1);
}

void CWorldData::ShowProgressPhase3() { ShowProgress(kDayPhases, GetDateText(), 3, 1); }
void CWorldData::ShowProgressPhase5() { ShowProgress(kDayPhases, GetDateText(), 5, 1); }

int CWorldData::ProcessDay(int a, int b) {
    int stop = 0;
    const int seasonBefore = GetSeason();
    // Phase 1: the countries' season starts and their referees.
    ShowProgress(kDayPhases, GetDateText(), 0, 1);
    m_Countries->StartDay();

    // Phase 2: the users' daily check, the federation cups' start check, the
    // clubs' midweek, then the federation cups', shields' and play-offs' ties.
    StepDayProgress(1);
    if (m_Users->DailyStep()) stop = 1;
    StartFederationCupSeason();
    if (!IsSaturday()) m_Clubs->StartMidweek();
    platform::SeedRandomFromTime();
    PlayKnockOutCompetitionsToday(a);

    // Phase 3: the countries' cup ties.
    StepDayProgress(2);
    m_Countries->PlayCupDay(a);

    // Phase 4: the divisions' league matches, then the friendlies.
    StepDayProgress(3);
    m_Divisions->PlayTodaysMatches(a);
    m_Friendlies->PlayTodaysFriendlies(a);

    // Phase 5: the human managers' matches, the draws, the clock.
    bool humanMatch = false;
    CMatchTime matchDate;
    CFixtureInfo match;
    if (a == 1) {
        ShowProgress(kDayPhases, GetDateText(), 4, 1);
    } else {
        StepDayProgress(4);
        if (b == 1) {
            for (int i = 0; i < CUserList::kSlots; ++i) {
                if (!SetCurrentUser(i)) continue;
                CFixtureInfo info;
                if (CurrentUserMatch(*this, GetMatchDay(), info)) {
                    matchDate = m_Clock;
                    match = info;
                    humanMatch = true;
                }
            }
            ResetCurrentUser();
        }
    }
    // The draws, before the clock moves: cups, then play-offs, federation
    // cups and shields.
    m_Countries->DrawCups();
    DrawKnockOutCompetitions();
    m_Clock.NextMatchDay();

    // Phase 6: every real club's day.
    StepDayProgress(5);
    m_Clubs->ProcessDay();

    // Phase 7: the managers of the month.
    StepDayProgress(6);
    m_Divisions->AwardManagersOfTheMonth(IsLastMatchDayOfMonth());

    // Phase 8: the week's or midweek's work, the advisors, the season's end.
    StepDayProgress(7);
    if (IsSaturday()) {
        m_Countries->ProcessWeek(1);
        m_Users->WeeklyStep();
        m_Managers->WeeklyStepAll();
    } else {
        m_Countries->ProcessMidweek();
    }
    m_Users->UpdateAdvisors();
    if (m_Countries->EndOfSeasonAll()) RefreshTree();

    // Phase 9: the federation cups' closing work of the day.
    StepDayProgress(8);
    CloseFederationCupDay();

    UserPort& port = GetUserPort();
    if (a == 0 && b == 1) {
        if (!humanMatch) {
            port.SendViewCommand(kCommandNewspaper);
        } else if (IsHumanMatchDay(matchDate)) {
            port.SendViewCommand(kCommandMultiPlayerResults);
        } else {
            GetCurrentManager();
            const CClub* club = GetCurrentClub();
            const CDivision* division = club ? club->GetDivision() : nullptr;
            const void* competition = match.cup ? static_cast<const void*>(match.cup) : division;
            port.OpenMatchDayScreen("", matchDate, competition, division);
        }
    }

    g_bHumanMatchToday = 0;
    if (GetCurrentManager()) {
        CFixtureInfo info;
        g_bHumanMatchToday = CurrentUserMatch(*this, GetMatchDay(), info) ? 1 : 0;
    } else {
        stop = 1;
    }
    port.UpdateStatusBar();

    // The game ends once, on the step that starts its last season.
    if (GetSeason() == kLastSeason && seasonBefore < kLastSeason) {
        UserMessageBoxEx(kEndOfGameText, kBoxNotice, 0, "", "", "", -1, 1, -1, 1);
        m_Users->EndGame();
        return 1;
    }
    return stop;
}

void CWorldData::Continue() {
    UserPort& port = GetUserPort();
    do {
        g_bNewspaperRefresh = 1;
        // The inbox holds what happened since the user last moved on.
        for (int i = 0; i < CUserList::kSlots; ++i)
            if (m_Users->GetAt(i)->HasManager()) m_Users->GetAt(i)->ClearMessages();
        if (!GetCurrentUser() || !GetCurrentUser()->HasManager()) SelectFirstHumanUser();
        if (ProcessDay(0, 0) == 1) break;
        CFixtureInfo match;
        if (m_Users->IsHumanMatchDay(m_Clock, match)) break;
    } while (GetCurrentUser() && GetCurrentUser()->IsEmployed());
    port.SetTreeMode(0);
    port.SendViewCommand(kCommandNewspaper);
}
