#pragma once
// The engine of a human manager's match: one simulated minute per tick of
// the match-day screen, which reads and changes the match through the
// operations below. The world makes one and reuses it for every match.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/extbytearray.h"

class CClub;
class CCup;
class CCupRound;
class CDivision;
class CFixture;
class CMatchPlay;
class CPlayer;
class CSoccerMatchPlayerList;
class CSoccerTactic;

// What runs a match on the screen: it opens the match screen for the
// engine and passes one message at a time to it. The match screen gives
// the real one; without it a match is played at once.
class CMatchDriver {
public:
    virtual ~CMatchDriver() = default;
    virtual void Open(CMatchPlay& engine) = 0;
    // One message; false when the program is quitting or the screen is gone.
    virtual bool PumpOne(CMatchPlay& engine) = 0;
};

// Plays the whole match the moment the screen would open.
class CInstantMatchDriver : public CMatchDriver {
public:
    void Open(CMatchPlay& engine) override;
    bool PumpOne(CMatchPlay& engine) override;
};

// The driver the engine uses; null restores the instant one.
void SetMatchDriver(CMatchDriver* driver);
CMatchDriver* GetMatchDriver();

// The event numbers the engine hands to the match screen, which animates
// them. One table: every handler takes its numbers from here.
namespace matchevent {
constexpr int kOffsideOrFoulHome = 28, kOffsideOrFoulAway = 27;
// A free kick after a foul: 27 + side + 2 x outcome (0 to 5).
constexpr int kFreeKick = 27;
// Added to the free kick when the foul brought a booking or a sending-off;
// each has two sets of clips.
constexpr int kBookingAdds = 12, kBookingAddsOther = 24, kSendingOffAdds = 36, kSendingOffAddsOther = 48;
constexpr int kCornerDeflected = 87, kCornerCleared = 91, kCornerOffTarget = 95, kCornerSaved = 99, kCornerGoal = 103;
constexpr int kSubstitution = 111;  // + side + 2 x position of the player going off
constexpr int kGoal = 119;          // + side, + 2 in nine cases of ten
// Penalties: six events a group (home and away for outcomes 1, 2, 0).
constexpr int kPenaltyAfterBooking = 127, kPenaltyAfterSendingOff = 133;
constexpr int kMissedAttempt = 151;  // + side, + 2 with a save
constexpr int kShotOffTarget = 155;  // + side
constexpr int kDisallowedGoal = 159; // + side, + 2 for the second clip
// Injuries: the player stays down waiting for his human manager's change
// (+ 4 x side, + 2 outfield), plays on (+ 2 x side, + 1 outfield), or was
// replaced by the engine or could not be (+ 4 x side, + 2 outfield, + 1
// without a substitute).
constexpr int kInjuryPending = 169, kInjuryPlaysOn = 177, kInjuryReplaced = 181;
constexpr int kOwnGoalHomeAttempt = 8, kOwnGoalAwayAttempt = 7;
int Penalty(int base, int side, int outcome);
}  // namespace matchevent

class CMatchPlay {
public:
    enum State : uint8_t { kNormalTime = 0, kNinetyOver = 1, kExtraTime = 2, kShootout = 3, kLeft = 4 };

    CMatchPlay();
    ~CMatchPlay();
    CMatchPlay(const CMatchPlay&) = delete;
    CMatchPlay& operator=(const CMatchPlay&) = delete;

    // --- The competitions' entries; each returns with the fixture complete ---
    void PlayLeagueMatch(CFixture* fixture, CDivision* division, const std::string& title, uint8_t callerByte = 0);
    void PlayCupTie(CFixture* fixture, CCup* cup, CCupRound* round, const std::string& title);
    void PlayCupSecondLeg(CFixture* fixture, CCup* cup, CCupRound* round, CFixture* firstLeg, const std::string& title);
    void PlayFriendly(CFixture* fixture, const std::string& title);
    void SetUp(CFixture* fixture, CDivision* division, uint8_t callerByte, CCup* cup, CCupRound* round,
               CFixture* firstLeg, const std::string& title);
    void Play();

    // --- Play ---
    void KickOff();
    void StartNextPeriod();
    void PlayToEnd();
    // False once the match is over or has reached its shoot-out.
    bool PlayMinute();
    void AfterMinuteUpdate();

    // --- The minute's handlers ---
    void GoalAttempt(int side);
    void BookPlayer(int side);
    void SendOffPlayer(int side);
    void FreeKick(int side);
    void Injury(int side);
    void SavedShot(int side);
    void ShotOffTarget(int side);
    void Foul(int side);
    void Corner(int side);
    // Outcome 0 scored, 1 saved, 2 off target; -1 when nobody could take it.
    int TakePenalty(int side);
    void ComputerSubstitution(int side, int slot);
    int ChooseSubstitute(int side, int slot);
    void CheckInjuredPlayers();
    void SetUpShootout();
    // Kicks the shoot-out and records its scored kicks; the kicks walked.
    int PlayShootoutAtOnce();
    void DecideShootout();

    // --- What the screen reads ---
    void GetCommentary(std::string& line, int* kind, int* extra) const;
    const std::string& GetCommentaryText() const { return m_Commentary; }
    std::string GetSecondCommentaryText() const { return m_SecondLine; }
    void ClearCommentary();
    int GetEventCode() const { return m_EventCode; }
    // The squad slot of the current event's player; -1 for none.
    int GetCurrentPlayerSlot() const { return m_CurrentSlot; }
    bool WentToExtraTime() const;
    bool NeedsExtraTime() const;
    bool IsSecondLegTie() const { return m_FirstLeg != nullptr; }
    // The side's goals in the first leg of a two-legged tie; 0 without one.
    int GetFirstLegGoals(int side) const { return m_FirstLegGoals[static_cast<size_t>(side & 1)]; }
    int GetHomePossession() const;
    int GetAwayPossession() const { return 100 - GetHomePossession(); }
    // The side with the ball in the last minute played (0 home, 1 away).
    int GetPossessionSide() const { return m_SideInPossession; }
    int GetHomeShootoutKick(int k) const { return Kick(m_HomeKicks, k); }
    int GetAwayShootoutKick(int k) const { return Kick(m_AwayKicks, k); }
    int GetHomeSubstitutesUsed() const;
    int GetAwaySubstitutesUsed() const;
    std::string GetHomeScorerLine(int i) const { return Line(m_ScorerLines[0], i); }
    std::string GetAwayScorerLine(int i) const { return Line(m_ScorerLines[1], i); }
    int GetScorerLineCount(int side) const { return static_cast<int>(m_ScorerLines[side & 1].size()); }
    std::string GetHomeScorers() const { return Joined(m_ScorerLines[0]); }
    std::string GetAwayScorers() const { return Joined(m_ScorerLines[1]); }
    // Line i of the side's substitutions; an index out of range leaves out as it was.
    void GetHomeSubstitutionText(std::string& out, int i) const { SubstitutionLine(0, out, i); }
    void GetAwaySubstitutionText(std::string& out, int i) const { SubstitutionLine(1, out, i); }
    std::string GetHomeTeamName() const;
    std::string GetAwayTeamName() const;
    // The title the competition handed in with the match.
    const std::string& GetFixtureTitle() const { return m_Title; }
    void AddShootoutKicker(int slot);
    std::string GetLatestScoresText() const;
    std::string GetRefereeName() const;
    std::string GetManOfTheMatchName() const;
    std::string GetHomeTacticName() const;
    std::string GetAwayTacticName() const;
    std::string GetShootoutText() const;
    uint32_t GetSidePerformance(int side, int minute) const;
    int GetHomeBias() const { return Setting(kBias, 0); }
    int GetAwayBias() const { return Setting(kBias, 1); }
    int GetHomePassingStyle() const { return Setting(kPassing, 0); }
    int GetAwayPassingStyle() const { return Setting(kPassing, 1); }
    int GetHomeAggression() const { return Setting(kAggressionSetting, 0); }
    int GetAwayAggression() const { return Setting(kAggressionSetting, 1); }
    int GetHomeOffsideTrap() const { return Setting(kOffsideTrap, 0); }
    int GetAwayOffsideTrap() const { return Setting(kOffsideTrap, 1); }
    int GetHomeOnTheBreak() const { return Setting(kOnTheBreak, 0); }
    int GetAwayOnTheBreak() const { return Setting(kOnTheBreak, 1); }
    CSoccerTactic* GetHomeTactic() const { return m_Tactics[0].get(); }
    CSoccerTactic* GetAwayTactic() const { return m_Tactics[1].get(); }
    CPlayer* GetHomePlayer(int slot) const { return SidePlayer(0, slot); }
    CPlayer* GetAwayPlayer(int slot) const { return SidePlayer(1, slot); }
    std::string GetHomeMatchPlayerName(int slot) const { return MatchPlayerName(0, slot); }
    std::string GetAwayMatchPlayerName(int slot) const { return MatchPlayerName(1, slot); }
    int GetHomeMatchPlayerPosition(int slot) const { return MatchPlayerPosition(0, slot); }
    int GetAwayMatchPlayerPosition(int slot) const { return MatchPlayerPosition(1, slot); }
    int GetManagerKind(int side) const;
    uint8_t GetHomeKitByte(int k) const;
    uint8_t GetAwayKitByte(int k) const;
    int GetHomePlayerMinuteValue(int slot, int minute) const { return MinuteValue(0, slot, minute); }
    int GetAwayPlayerMinuteValue(int slot, int minute) const { return MinuteValue(1, slot, minute); }
    int GetHomePlayerState(int slot) const { return PlayerState(0, slot); }
    int GetAwayPlayerState(int slot) const { return PlayerState(1, slot); }
    bool CanPlayerContinue(int side, int slot) const;
    bool IsHomePlayerSubstituted(int slot) const { return IsSubstituted(0, slot); }
    bool IsAwayPlayerSubstituted(int slot) const { return IsSubstituted(1, slot); }
    int GetCompetitionId() const;
    void GetCompetitionTitle(std::string& out) const;
    void GetCompetitionName(std::string& out) const;

    // --- What the screen changes (nothing while the match is finished fast) ---
    void SetHomeFormation(int i) { SetFormation(0, i); }
    void SetAwayFormation(int i) { SetFormation(1, i); }
    void SetHomeBias(int v) { Change(kBias, 0, v); }
    void SetAwayBias(int v) { Change(kBias, 1, v); }
    void SetHomePassingStyle(int v) { Change(kPassing, 0, v); }
    void SetAwayPassingStyle(int v) { Change(kPassing, 1, v); }
    void SetHomeAggression(int v) { Change(kAggressionSetting, 0, v); }
    void SetAwayAggression(int v) { Change(kAggressionSetting, 1, v); }
    void ToggleHomeOffsideTrap() { Change(kOffsideTrap, 0, !GetHomeOffsideTrap()); }
    void ToggleAwayOffsideTrap() { Change(kOffsideTrap, 1, !GetAwayOffsideTrap()); }
    void ToggleHomeOnTheBreak() { Change(kOnTheBreak, 0, !GetHomeOnTheBreak()); }
    void ToggleAwayOnTheBreak() { Change(kOnTheBreak, 1, !GetAwayOnTheBreak()); }
    // 0 refused; 1 a substitute came on; 2 two players on the pitch changed
    // places. The rows may come in either order.
    int Substitute(int side, int slotA, int slotB);
    void TakeHumanPenalty(int side, int slot);

    // --- State ---
    int GetMinute() const { return m_Minute; }
    uint8_t GetState() const { return m_State; }
    void SetState(uint8_t state) { m_State = state; }
    bool IsHalfTime() const { return m_HalfTime != 0; }
    bool IsFast() const { return m_Fast != 0; }
    bool HasKickedOff() const { return m_KickedOff; }
    bool HasEnded() const { return m_Ended; }
    // The match has reached its shoot-out and no kick has been recorded.
    bool IsShootoutDue() const;
    int GetHumanSide() const { return m_HumanSide; }
    CFixture* GetFixture() const { return m_Fixture; }
    const CExtByteArray& GetScript() const { return m_Script; }
    CExtByteArray& Script() { return m_Script; }
    // Which side must take the penalty the screen is waiting for; -1 none.
    int GetPendingPenaltySide() const { return m_PendingPenaltySide; }
    int GetPendingPenaltyOutcome() const { return m_PendingPenaltyOutcome; }
    int GetStoppageLeft() const { return m_StoppageLeft; }
    int GetStoppagePlayed() const { return m_StoppagePlayed; }
    uint8_t GetReplanDelay() const { return m_ReplanDelay; }
    uint8_t GetSubstitutionPause() const { return m_SubstitutionPause; }
    bool IsChanged() const { return m_Changed != 0; }
    int GetCurrentFormation(int side) const { return m_CurrentFormation[side & 1]; }
    int GetLongestFormation(int side) const { return m_LongestFormation[side & 1]; }
    CSoccerMatchPlayerList* GetSquad(int side) const { return m_Squads[side & 1].get(); }
    const std::vector<CFixture*>& GetRelatedFixtures() const { return m_Related; }
    // The engine's own counts of the match so far.
    int GetCount(int what, int side) const;
    enum Count { kCorners, kFreeKicks, kBookings, kSendingsOff, kOffsides, kFouls, kShotsOn, kShotsOff, kCounts };
    double GetPossessionMinutes(int side) const { return m_PossessionMinutes[side & 1]; }
    // The three zone counters (left, middle and right third of the pitch).
    double GetZoneCounter(int third) const { return m_Zones[static_cast<size_t>(std::clamp(third, 0, 2))]; }
    // The zone (0 to 12) of a minute of the match; -1 outside the match.
    int GetZoneOfMinute(int minute) const {
        return minute >= 0 && minute < m_ZoneOfMinute.GetSize() ? m_ZoneOfMinute.GetAt(minute) : -1;
    }
    // The side's share of the territory: the middle third counted half.
    int GetHomeTerritory() const { return GetHomePossession(); }
    int GetAwayTerritory() const { return 100 - GetHomeTerritory(); }
    int GetQuietMinutes() const { return m_QuietMinutes; }
    void SetQuietMinutes(int n) { m_QuietMinutes = static_cast<uint8_t>(n); }

private:
    static int Kick(const CExtByteArray& kicks, int k);
    static std::string Line(const std::vector<std::string>& lines, int i);
    static std::string Joined(const std::vector<std::string>& lines);
    void SubstitutionLine(int side, std::string& out, int i) const;
    // The side's instructions live in the engine's copy of its formation.
    enum SettingKind { kBias, kPassing, kOffsideTrap, kOnTheBreak, kAggressionSetting };
    int Setting(int which, int side) const;
    void Change(int which, int side, int v);
    void SetFormation(int side, int i);
    CPlayer* SidePlayer(int side, int slot) const;
    CClub* SideClub(int side) const;
    std::string MatchPlayerName(int side, int slot) const;
    int MatchPlayerPosition(int side, int slot) const;
    int MinuteValue(int side, int slot, int minute) const;
    int PlayerState(int side, int slot) const;
    bool IsSubstituted(int side, int slot) const;
    bool MatchNeedsWinner() const;
    bool ShootoutAfterExtraTime() const;
    bool BothHuman() const;
    void EndOfNinety();
    void ManOfTheMatch();
    void ResumeBreak();
    int DoSubstitute(int side, int slotA, int slotB);
    void Text(unsigned id, int side, const CPlayer* player);
    void AddScorerLine(int side, const CPlayer* player, bool ownGoal);
    void SetGoalLine();
    void GoalFollowUp(int side, int slot);
    void SavedFollowUp(int side, int slot);
    void OffTargetFollowUp(int side, int slot);
    int UsePlannedEvent(int side, int cls, int firstPlannedClass);
    void CompleteKickers(int side);
    void FinishUnplayed();
    void CopyTotalsToFixture();
    void SettleTakenOffPlayers(int& homeSubs, int& awaySubs);
    void ResetCounters();
    void SyncInstructions();

    int m_StepFlag = 0;
    uint8_t m_Kind = 0;
    int m_Minute = 0;
    int m_StoppagePlayed = 0;
    int m_EventCode = 0;
    std::array<std::unique_ptr<CSoccerMatchPlayerList>, 2> m_Squads;
    CExtByteArray m_Script;
    CExtByteArray m_HomeKicks, m_AwayKicks, m_HomeKickers, m_AwayKickers;
    std::string m_Commentary, m_SecondLine;
    int m_CommentaryKind = -1;
    int m_CurrentSlot = -1;
    CPlayer* m_CurrentPlayer = nullptr;
    std::string m_NameLine;
    std::array<std::array<int, 2>, kCounts> m_Counts{};
    std::array<double, 3> m_Zones{};
    std::array<double, 2> m_PossessionMinutes{}, m_PossessionPercent{};
    CFixture* m_Fixture = nullptr;
    CFixture* m_FirstLeg = nullptr;
    CDivision* m_Division = nullptr;
    CCup* m_Cup = nullptr;
    CCupRound* m_Round = nullptr;
    std::string m_Title;
    std::array<std::vector<std::string>, 2> m_ScorerLines, m_SubstitutionTexts;
    std::vector<CFixture*> m_Related;
    CExtByteArray m_ZoneOfMinute;
    std::array<std::string, 10> m_Names;
    std::array<std::unique_ptr<CSoccerTactic>, 2> m_Tactics;
    CExtByteArray m_FreeKickThresholds{35, 50, 65, 75, 80, 100};
    CExtByteArray m_CornerThresholds{15, 45, 53, 60, 100};
    std::array<int, 2> m_FirstLegGoals{}, m_HalfTimeGoals{};
    int m_LastSide = 0, m_SideInPossession = 0;
    std::array<int, 2> m_StartFormation{}, m_CurrentFormation{}, m_FormationMinutes{}, m_LongestFormation{},
        m_LongestMinutes{};
    uint8_t m_ReplanDelay = 0, m_QuietMinutes = 0, m_SubstitutionPause = 0, m_Changed = 1, m_StoppageLeft = 0,
            m_HalfTime = 0, m_HumanSide = 0, m_State = 0, m_Fast = 0, m_CallerByte = 0;
    bool m_KickedOff = false, m_Ended = false;
    int m_PendingPenaltySide = -1, m_PendingPenaltyOutcome = 0;
    // Who went off and who came on, and when, by side: player ids.
    std::array<std::vector<std::pair<uint16_t, int>>, 2> m_WentOff, m_CameOn;
};
