#pragma once
// One match between two clubs, and the lists competitions keep them in.
// Club numbers: a world club index when 0 or more, -1 - i for non-league
// club i, -1 in a fixture that has been reset.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "soccerclasses/extstring.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/owninglist.h"

class CClub;
class CExtByteArray;
class CListRows;
class CPlayer;
class CSoccerReferee;
struct CFixtureInfo;

class CFixture {
public:
    enum Kind : uint8_t { kLeague = 0, kCupHome = 1, kCupHome2 = 2, kNeutral = 4, kFriendly = 7 };

    // A blank fixture: five substitutes allowed, then reset.
    CFixture();
    CFixture(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed, int referee);

    // False (and nothing changed) for two clubs the same or impossible
    // substitute numbers.
    bool Init(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed, int attendance, int referee);
    bool Set(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed, int referee) {
        return Init(kind, home, away, subsNamed, subsAllowed, 0, referee);
    }
    void Reset();
    // The score of a match that is not played out (home 0 to 6, away 0 to
    // 5); an unprepared fixture gets today's date and a 90-minute length.
    void SetRandomScore();

    bool IsDraw() const { return m_HomeGoals == m_AwayGoals; }
    int GetGoalDifference() const { return m_HomeGoals > m_AwayGoals ? m_HomeGoals - m_AwayGoals : m_AwayGoals - m_HomeGoals; }
    int GetWinningScore() const { return m_HomeGoals > m_AwayGoals ? m_HomeGoals : m_AwayGoals; }
    int GetLosingScore() const { return m_HomeGoals > m_AwayGoals ? m_AwayGoals : m_HomeGoals; }
    // The side with more goals; on a draw, the side that won the shoot-out.
    int GetWinnerIndex() const;
    int GetLoserIndex() const;
    bool WentToExtraTime() const { return m_ExtraTime != 0; }
    bool HasBeenPrepared() const { return m_ScriptLength >= 1; }
    bool IsClubInvolved(int club) const { return m_Home == club || m_Away == club; }
    int GetShootoutWinner() const { return m_Events.GetShootoutWinner(); }
    int CountHomeShootoutGoals() const { return m_Events.CountHomeShootoutGoals(); }
    int CountAwayShootoutGoals() const { return m_Events.CountAwayShootoutGoals(); }
    std::string GetAttendanceText() const;
    // Side names; a negative number names a non-league club.
    std::string GetHomeTeamName() const;
    std::string GetAwayTeamName() const;
    std::string GetWinnerName() const;
    std::string GetLoserName() const;
    // The league clubs of the sides; null for a non-league or empty side.
    CClub* GetHomeClub() const;
    CClub* GetAwayClub() const;
    CClub* GetWinner() const;
    CClub* GetLoser() const;
    // Names in capitals, for headlines.
    std::string GetHomeClubNameConverted() const;
    std::string GetAwayClubNameConverted() const;
    std::string GetWinnerNameConverted() const;
    std::string GetLoserNameConverted() const;
    // True when either (league) club has a human manager.
    bool IsHumanInvolved() const;
    std::string GetShootoutText() const { return m_Events.GetShootoutText(GetHomeTeamName(), GetAwayTeamName()); }
    // The n-th goal, booking or sending-off of a side ("%s %d", "%s (%d) "),
    // counted from 0 in the order they happened; empty past the last.
    std::string& GetHomeGoalText(std::string& out, int n) const { return out = m_Events.GetHomeGoalText(n); }
    std::string& GetAwayGoalText(std::string& out, int n) const { return out = m_Events.GetAwayGoalText(n); }
    std::string& GetHomeBookingText(std::string& out, int n) const { return out = m_Events.GetHomeBookingText(n); }
    std::string& GetAwayBookingText(std::string& out, int n) const { return out = m_Events.GetAwayBookingText(n); }
    std::string& GetHomeSendingOffText(std::string& out, int n) const { return out = m_Events.GetHomeSendingOffText(n); }
    std::string& GetAwaySendingOffText(std::string& out, int n) const { return out = m_Events.GetAwaySendingOffText(n); }
    // "Home 1 - 0 Away" with the score up to a minute in which a goal fell;
    // empty otherwise.
    std::string GetScoreTextIfGoalInMinute(int minute) const;
    // Appends the fixture when it was prepared on `today` and no human
    // manager's club plays in it.
    void AddToListIfToday(std::vector<CFixture*>& out, const std::string& today) const;
    // Attendance, home, away and date; red when a human manager's club plays.
    void AddToListControl(CListRows& rows) const;
    // The clubs, their names, the home ground and the substitute numbers
    // into a match-information record; the venue flag cleared.
    void FillMatchInfo(CFixtureInfo& info) const;
    // "%1!d! - %2!d!" with the goals up to that minute.
    std::string GetScoreText(int minute) const;
    // A goal adjustment for a side's team instruction.
    int GetTacticGoalTerm(int side, uint8_t instruction) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

    // --- The match engine: preparation and side strengths ---
    void SetMatchVarsClubs();
    // Slot: the calendar slot of the match day, or 999 to prepare without a
    // crowd or a date.
    void PrepareMatch(int slot, CExtByteArray* script);
    void SetUpSide(uint8_t side, int minute);

    // --- Goal planning: the per-minute script ---
    void FillScriptFrom(uint8_t minute, CExtByteArray* script);
    void SetGoalTargets(uint8_t fromMinute, CExtByteArray* script);
    void PlaceGoalsInScript(uint8_t fromMinute, CExtByteArray* script);
    void AddAggressionEvents(uint8_t fromMinute, CExtByteArray* script);

    // --- A match played without the screen ---
    void Play(int slot);
    void PlayScript(CExtByteArray* script, int length);
    bool TakeShot(uint8_t side, int slot, uint8_t minute, uint8_t openPlay);
    // Squad slot 1 to 10 of a shooter who can play; 0 when the side has none.
    int PickShooter(int side);
    int TryOwnGoal(int side, uint8_t minute, int defenderSlot);
    void ScoreGoal(int side, uint8_t minute, int slot, uint8_t penalty, int margin);
    // A goal scored from a free kick: no assistant.
    void ScoreFreeKickGoal(int side, uint8_t minute, int slot);
    // The penalty taker's slot, or -1 when the side has nobody to take it.
    int AwardPenalty(int side, uint8_t minute);
    int GiveCard(int side, int red, uint8_t minute);
    int PickSetPieceTaker(int side, uint8_t mode);
    int PickOtherPlayer(int side, int slot);
    // The club's penalty taker when he plays, else a shooter; -1 for none.
    int GetPenaltyTakerSlot(int side);
    void PlayExtraTime();
    void PlayPenaltyShootout();
    void CalcStatistics();
    void ChooseManOfTheMatch(int matchDay);
    static int GetChanceCount(uint8_t level);
    int TryInjury(int side);
    // n: substitutions made by each side (the bench slots 11.. that took part).
    void FinishMatch(int matchDay, uint8_t homeTactic, uint8_t awayTactic, int homeSubstitutions = 0,
                     int awaySubstitutions = 0);
    std::string GetManOfTheMatchName() const;
    std::string GetRefereeName() const;
    CSoccerReferee* GetReferee() const;
    // A bad moment (a card, an injury) in the rating of the player in the
    // slot of the side at the minute.
    static void AddPerformance(int slot, int side, int minute);
    // A player of the side who can play gets the ball.
    void CreditPossession(int side, int minute);
    // The match goes into extra time of `minutes`.
    void SetExtraTimeFlag(int minutes);
    // Non-league sides borrow the spare club slots for the match and give
    // them back afterwards, the fixture keeping its negative numbers.
    void BorrowNonLeagueSlots();
    void ReturnNonLeagueSlots();

    CExtString m_Date;
    CMatchEventList m_Events;
    int16_t m_Home = -1;
    int16_t m_Away = -1;
    int32_t m_Attendance = 0;
    int32_t m_ManOfTheMatch = 0;
    int32_t m_SubsNamed = 0;
    int32_t m_SubsAllowed = 5;
    int32_t m_Referee = 0;
    double m_Popularity = 0;
    double m_HomePossession = 0;
    double m_AwayPossession = 0;
    uint8_t m_Kind = 0;
    uint8_t m_ScriptLength = 0;
    uint8_t m_ExtraTime = 0;
    uint8_t m_HomeGoals = 0;
    uint8_t m_AwayGoals = 0;
    // Pairs are (home, away), except free kicks conceded: (away, home).
    std::array<uint8_t, 2> m_Bookings{}, m_SendingsOff{}, m_ShotsOn{}, m_ShotsOff{}, m_Corners{}, m_FreeKicks{},
        m_Offsides{};
    // Keeper, defence, midfield, attack: each a (home, away) pair.
    std::array<std::array<uint8_t, 2>, 4> m_Strengths{};
    std::array<uint8_t, 2> m_Injuries{};

    // The engine's helpers: a side's player in a squad slot, whether he
    // can play, and a random first-eleven defender (else midfielder, else
    // attacker) who can play (-1 for none).
    CPlayer* SidePlayer(int side, int slot) const;
    bool SideCanPlay(int side, int slot) const;
    int RandomDefender(int side) const;
    void RecordScorer(int side, uint8_t minute, int slot, uint8_t type);

private:
    // The negative club numbers while their clubs stand in the spare slots.
    int16_t m_BorrowedHome = 0, m_BorrowedAway = 0;
};

class CFixtureList : public OwningList<CFixture> {
public:
    // Appends a new fixture; false when Init refuses it.
    bool AddFixture(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed, int attendance,
                    int referee);
    // n blank fixtures (a league season).
    void CreateBlank(int n);
    void ResetAll();
    // Every fixture made blank again; the size stays and no slot is empty.
    void DeleteAll();
    // The n-th fixture (from 0) in which the club plays; null when fewer.
    CFixture* GetClubFixture(int n, int club) const;
    // The last fixture with that home and away club; null when none.
    CFixture* FindFixture(int home, int away) const;
    // Clubs a and b exchanged their places in the world's club list.
    void SwapClubIndexes(int a, int b);

    // A row per fixture that has clubs.
    void FillListControl(CListRows& rows) const;
    // Today's fixtures without a human manager, last first.
    void CollectTodaysOtherFixtures(std::vector<CFixture*>& out, const std::string& today) const;
    // The same for the world's today; nothing without a world.
    void CollectTodaysOtherFixtures(std::vector<CFixture*>& out) const;
    // The latest score of another match that had a goal in this minute.
    std::string GetGoalFlashText(int minute) const;

    void Save(FILE* file) const;
    // Reuses fixtures of the world's pool for a longer list and returns the
    // surplus of a shorter one to it.
    void Load(FILE* file);
};
