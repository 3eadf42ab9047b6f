#pragma once
// Knock-out competitions: a named list of rounds, each drawn on one match day
// and played on another, with an optional replay day and a kind that says
// how its ties are played. A country's domestic cups come from
// "Data\\cups.bin"; the shield, the play-offs and the federation cups reuse
// the same object.
//
// The definition carries no picture number and no reward byte: the picture
// number (trophy and "text\\cup\\%d.dat") is the cup's place in the file, and
// the reward of a cup win is the record role.
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/owninglist.h"

class CListRows;
class CMatchTime;
class CCountry;
class CCharityShield;
class CSoccerResultList;
class CTableDataList;
class CClub;
class CCup;
struct CFixtureInfo;

class CCupRound {
public:
    static constexpr uint8_t kMaxEntrants = 199;
    static constexpr uint8_t kMaxKind = 31;
    static constexpr uint8_t kNoReplay = 255;
    static constexpr uint8_t kPlaceholderKind = 25;

    // Name index 0..119 to its full and short string ids.
    static bool NameIdsOfIndex(int nameIndex, uint32_t& fullId, uint32_t& shortId);
    // The replay's name for a full name id; 0 when the round has none.
    static uint32_t ReplayNameId(uint32_t fullId);
    static bool IsGroupKind(uint8_t kind) { return kind == 10 || kind == 12 || kind == 30 || kind == 31; }
    static bool IsNeutralKind(uint8_t kind) { return kind == 11 || kind == 23 || kind == 24; }
    // Second legs: they take the reversed pairings and are never drawn.
    static bool IsReverseKind(uint8_t kind) {
        return kind == 5 || kind == 6 || kind == 8 || kind == 9 || kind == 18 || kind == 19 || kind == 21 || kind == 22;
    }
    // First legs: the round after one plays the same ties reversed.
    static bool IsFirstLegKind(uint8_t kind) {
        return kind == 4 || kind == 7 || kind == 17 || kind == 20 || kind == 26 || kind == 27;
    }
    // Whether this round's ties are the second legs of `previous`'s (the
    // round before it in its cup; null for a first round). The round's own
    // kind does not say it: the first leg's does.
    bool IsReplayOfPrevious(const CCupRound* previous) const {
        return previous && previous != this && IsFirstLegKind(previous->m_Kind);
    }
    // A tie that gives no winner (a first leg, a group match, a level tie
    // without its replay).
    static constexpr int kNoWinner = 0x7FFFFFFF;

    // The 13 bytes of a round's definition, the first being its name index.
    // nullptr when usable, else what is wrong.
    const char* ReadDefinition(FILE* file);
    void WriteDefinition(FILE* file, uint8_t nameIndex) const;

    bool HasReplaySlot() const { return m_ReplaySlot != kNoReplay; }
    // Whether the tie must go on after ninety minutes: a level score, or
    // level aggregates with a first leg (away goals counting double for the
    // kinds that use them). Some kinds never need it.
    bool NeedsExtraTime(const CFixture* firstLeg, const CFixture& fixture) const;
    bool HasFixtures() const { return m_Ties.GetSize() > 0; }
    // The first tie played and, when there are replays, the first replay.
    bool IsComplete() const;
    CFixture* GetClubFixture(int club) const { return m_Ties.GetClubFixture(0, club); }
    // The club's goals in the first fixture of the list that has it.
    static int GetClubGoals(const CFixtureList& list, int club);
    // The calendar position of the match (or replay) slot, stepping from
    // today back when the round has been played, else forward; false when
    // the slot is not met within a season.
    bool GetFirstLegDate(CMatchTime& out) const { return GetSlotDate(m_MatchSlot, out); }
    bool GetSecondLegDate(CMatchTime& out) const { return HasReplaySlot() && GetSlotDate(m_ReplaySlot, out); }
    std::string GetFirstLegDateText() const;
    std::string GetSecondLegDateText() const;
    // One row per tie (red for a human manager's club); in group rounds a
    // blue "Group %d" row before each group.
    void FillFixtureListControl(CListRows& rows) const;
    // The same for the replays, human clubs' rows yellow.
    void FillReplayListControl(CListRows& rows) const;
    // The other matches being played today (no human manager's club): the
    // ties on the match day, else the replays on the replay day.
    void FillTodaysFixtures(std::vector<CFixture*>& out, int today, const std::string& todayText) const;
    void FillTodaysFixtures(std::vector<CFixture*>& out) const;

    // --- The draw ---
    // The ordinary draw: entrants collected, shuffled (in blocks when the
    // round has groups), announced and paired.
    void MakeDraw(CCup& cup, CCupRound* previous, CExtDWordArray& entrants);
    // The winners of the previous round, or for a first round the cup's
    // non-league clubs and then the pool's last clubs, the last first.
    void CollectEntrants(CExtDWordArray& entrants, CExtDWordArray& losers, CCup& cup, CCupRound* previous);
    // Collected entrants shuffled (in blocks when the round has groups),
    // announced and paired; fewer than two make no tie.
    void DrawEntrants(CCup& cup, CExtDWordArray& entrants);
    // Entrant k at home to k + 1, while both exist within the round's
    // entrants; groups of five leave their fifth club resting.
    void MakePairings(const CCup& cup, const CExtDWordArray& entrants);
    // Human managers' messages (and a box unless it is a final).
    void AnnounceDraw(const CExtDWordArray& entrants, const CCup& cup);

    // --- Results ---
    // The aggregates of each second leg into its substitute fields.
    void ComputeAggregates(const CCupRound& firstLegs);
    // The winner of tie i (kNoWinner for none); the loser is appended to
    // `losers`; human managers are told unless `quiet`.
    int ResolveTie(int i, CExtDWordArray& losers, const std::string& cupName, int quiet, CCup& cup);
    void ResolveTies(CExtDWordArray& winners, CExtDWordArray& losers, int start, const std::string& cupName,
                     int quiet, CCup& cup);
    // Every tie resolved; result 1 becomes the other club of tie 0.
    void GetFinalists(CExtDWordArray& results, CExtDWordArray& losers, const std::string& cupName, int quiet,
                      CCup& cup);
    void NotifyLoser(int club, const std::string& cupName) const;
    void NotifyWinner(int club, const std::string& cupName) const;

    // --- Groups ---
    int GetGroupCount() const;
    // Group g's clubs in draw order (for groups of five, the club that rested
    // on the first day from the next round).
    void CollectGroupClubs(int g, CExtDWordArray& clubs, const CCupRound* next) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

    // A club's match on a calendar day: a tie on the match slot or a replay
    // on the replay slot; null when none. `replay` tells which.
    CFixture* FindFixture(int day, int club, bool* replay = nullptr) const;

    CFixtureList m_Ties;
    CFixtureList m_Replays;
    uint32_t m_FullNameId = 0;
    uint32_t m_ShortNameId = 0;
    uint8_t m_Entrants = 0;
    uint8_t m_NonLeagueEntrants = 0;
    uint8_t m_Kind = 0;
    uint8_t m_Groups = 0;
    uint8_t m_GroupSize = 0;
    uint8_t m_Legs = 0;
    uint8_t m_Reserved = 0;
    uint8_t m_MatchSlot = 0;
    uint8_t m_DrawSlot = 0;
    uint8_t m_ReplaySlot = kNoReplay;
    std::array<uint8_t, 3> m_Reserved3{};

private:
    bool GetSlotDate(int slot, CMatchTime& out) const;
    void FillRows(const CFixtureList& list, CListRows& rows, uint32_t humanColour) const;
};

class CCupRoundList : public OwningList<CCupRound> {
public:
    int CountReplayRounds() const;
    CCupRound* GetFirstGroupRound() const;
    // The round after this one; null for the last or a stranger.
    CCupRound* GetNextRound(const CCupRound* round) const;
    // Group g's results of the stage into the table, with the cup's share of
    // league points.
    void BuildGroupTable(const CCup& cup, int g, CTableDataList& table, int count, const CCupRound* groupRound) const;
    void Save(FILE* file) const;
    void Load(FILE* file);
};

// A non-league club as a cup definition brings it in: name, ground, kits.
struct CupNonLeagueRecord {
    CExtString name;
    int32_t stadium = 0;
    std::array<uint8_t, 8> homeKit{}, awayKit{};
    void Read(FILE* file);
    void Write(FILE* file) const;
};

class CCup {
public:
    static constexpr int kVenues = 8;
    static constexpr int kMaxRounds = 49;

    // What the rest of the start-up files allow a definition.
    struct Limits {
        int stadiumCount;
        // Capacity of a stadium; a neutral round needs a ground with seats.
        std::function<int(int stadium)> capacity;
    };

    CCup() = default;

    // Reads a definition (after its country byte). Each non-league club it
    // brings in is handed to `addNonLeague`, which gives its index in the
    // world's list. nullptr when usable, else what is wrong.
    const char* ReadDefinition(FILE* file, int countryIndex, const Limits& limits,
                               const std::function<int(const CupNonLeagueRecord&)>& addNonLeague);
    void WriteDefinition(FILE* file, const std::vector<CupNonLeagueRecord>& nonLeague,
                         const std::vector<uint8_t>& roundNameIndexes) const;

    CCupRound* GetRound(int i) const { return m_Rounds.GetAt(i); }
    int GetRoundCount() const { return m_Rounds.GetSize(); }
    int GetRoundIndex(const CCupRound* round) const { return m_Rounds.IndexOf(round); }
    CCupRound* GetPreviousRound(const CCupRound* round) const;
    // Titles: the cup's name, a blank and the round's name.
    std::string GetRoundFullName(int i) const;
    std::string GetRoundName(int i) const;
    std::string GetReplayName(int i) const;
    // Rounds shown (not placeholders) plus the rounds with replays.
    int CountDisplayRounds() const;
    // The round whose ties or replays hold the fixture; null when none.
    CCupRound* FindRoundOfFixture(const CFixture* fixture) const;
    void SetRoundEntrants(int i, int n) {
        if (CCupRound* r = GetRound(i); r && n > 0) r->m_Entrants = static_cast<uint8_t>(n);
    }
    CCountry* GetCountry() const;
    // Shown rounds in order, each with flag 0, and again with flag 1 when it
    // has a replay day and replays.
    std::vector<std::pair<int, int>> ListRoundsForDisplay() const;
    // The first round played on the slot (its replay title on its replay
    // day); empty when none.
    std::string GetRoundNameForDay(int slot) const;
    int GetRoundIndexForSlot(int slot) const;
    int GetRoundIndexForDate(const CMatchTime& date) const;
    // The season text of the cup's country; empty without one.
    std::string GetSeasonLabel() const;
    int GetLastRoundIndexOnDay(int slot) const;
    // A white row per shown round: match date and full name (row data the
    // round index), and for a replay day a second row (row data -1).
    void FillRoundsListControl(CListRows& rows) const;
    // A result line per tie of the first round played on the slot (per
    // replay on its replay day), scored once played. False, adding nothing,
    // when the list is not empty.
    bool FillDayGrid(int slot, CSoccerResultList& out) const;
    // The world's shield of the cup's shield index; null when none.
    CCharityShield* GetShield() const;
    void ClearFixtures();
    // Clubs a and b exchanged their places in the world's club list: the
    // pool, the held-back clubs, last season's results and every tie follow
    // the clubs.
    void SwapClubIndexes(int a, int b);
    // The reward byte of a cup win.
    uint8_t GetRewardByte() const { return static_cast<uint8_t>(m_RecordRole); }
    // A club's match on a calendar day, described as the screens and the
    // match squad need it; false when the cup has none.
    bool FindFixture(int day, int club, CFixtureInfo& info) const;

    // --- The draw ---
    // The first round whose draw slot is today; -1 for none.
    int GetRoundDrawnToday() const;
    // Today's draw, if a round is drawn today.
    void DrawToday();
    void AnnounceDrawNews(int round);
    // The country's clubs in its federation's cups leave the pool until the
    // re-entry round.
    void CollectHeldBackClubs();
    void SizeRoundsForHeldBackClubs();
    static void ApplySeeding(uint8_t kind, CExtDWordArray& entrants);
    // The pool becomes the country's club ranking.
    void NewSeason();
    // After a draw: a first leg's second legs, a group's later match days.
    void ScheduleFollowingRounds(CCupRound& round, const CExtDWordArray& entrants);
    void ScheduleGroups(const CCupRound& group, const CExtDWordArray& entrants);
    // Qualifiers of the first group stage: `wanted` in all (the best of the
    // next-placed clubs make up the rest), or every club when 0.
    void GetGroupQualifiers(CExtDWordArray& out, int wanted) const;
    void GetSecondPhaseQualifiers(CExtDWordArray& out, int wanted, bool withNextPlaced) const;
    void DrawSecondGroupPhase(int roundIndex, CExtDWordArray& entrants) const;
    // A first round of two regions (groups byte 2): the clubs of the third
    // and fourth divisions by area code, 24 a region; 16 ties are played and
    // 8 pairings, kept in the round's replays, go through to the next round.
    // False, drawing nothing, when the regions do not each hold 24 clubs.
    bool DrawTwoRegionFirstRound(CCupRound& round, CExtDWordArray& entrants);
    // The round after it: the winners of its ties with the clubs of the
    // pairings that went through, shuffled in blocks.
    void DrawAfterTwoRegionRound(CCupRound& round, CCupRound& previous, CExtDWordArray& entrants);

    // --- Play ---
    // Today's round; true when one was played.
    bool PlayToday(bool live);
    void PlayRound(CCupRound& round, bool live, int index);
    // Today's replays; true when there were any.
    bool PlayReplaysToday(bool live, uint8_t fixtureKind);
    void ScheduleReplays(CCupRound& round, int index);
    // Records, managers' results and appearances after a match.
    void RecordMatch(const CCupRound& round, const CFixture& fixture);
    void RecordAppearances(const CClub& club);
    // The finalists of the last round, with notices; kNoWinner for none.
    int GetWinner();
    int GetRunnerUp();
    // Results, the shield entrant, honours and the country's finalists;
    // then every tie goes.
    void EndOfSeason(bool honours);

    void Save(FILE* file) const;
    void Load(FILE* file);

    CExtString m_Name;
    CCupRoundList m_Rounds;
    CExtDWordArray m_NonLeagueClubs;
    CExtDWordArray m_Venues;
    CExtDWordArray m_Pool;
    CExtDWordArray m_HeldBack;
    CNewsPaperEvents m_NewsPaperEvents;
    std::array<int32_t, 4> m_PreviousResults{-1, -1, -1, -1};
    int32_t m_CountryIndex = -1;
    int32_t m_ShieldIndex = -1;
    int32_t m_RecordRole = 0;
    uint8_t m_EntryScheme = 0;
    uint8_t m_SubsNamed = 5;
    uint8_t m_SubsAllowed = 3;
    uint8_t m_Format = 1;
    uint8_t m_ReEntryRound = 0;
    uint8_t m_LeaguePointsShare = 0;
    uint8_t m_PictureNumber = 0;  // not saved: set from the file order

private:
    void CollectQualifiers(CExtDWordArray& out, int wanted, const CCupRound* group, bool withNextPlaced) const;
};

class CCupList : public OwningList<CCup> {
public:
    // The cups in file order, without a count.
    void Save(FILE* file) const {
        for (const auto& c : *this) c->Save(file);
    }
    void Load(FILE* file) {
        for (const auto& c : *this) c->Load(file);
    }
    // The club's tie on a match slot in any cup; null when none.
    CFixture* FindFixture(int slot, int club) const;
    // The first cup that has a match of the club on the day fills the record.
    bool FindFixture(int day, int club, CFixtureInfo& info) const;

    void DrawToday() {
        for (const auto& c : *this) c->DrawToday();
    }
    // Each cup's round of the day, then its replays; true when any played.
    bool PlayToday(bool live);
    void EndOfSeason() {
        for (const auto& c : *this) c->EndOfSeason(true);
    }
    void NewSeason() {
        for (const auto& c : *this) c->NewSeason();
    }
    // Each cup from the country's season start up to today, with random
    // scores; today itself is neither played nor drawn.
    void CatchUpToToday();
};
