#pragma once
// A league of a country: a block of consecutive clubs of the world's club
// list, a season calendar of 106 match-day slots and the double round robin
// its club count selects. Its start-up record comes from "Data\\Division.bin".
//
// Of the record's open values: record byte 0 is the picture number (trophy
// picture and description text), byte 1 the abroad-search percentage, byte 2
// the tier value (the relegation count the description shows; 0 hides it),
// byte 3 the shield-qualification flag, byte 4 the play-off kind flag. The
// two further bytes, the last byte, the three record values and the two
// dropped values are spare and 0 in our data.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/managerofthemonth.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/owninglist.h"
#include "soccerclasses/teamoftheweek.h"

class CListRows;
class CPlayOff;
class CClub;
class CPlayer;
class CPlayerList;
class CPlayerSearch;
class CMatchTime;
class CDivisionStrength;
class CSoccerResultList;

class CDivision {
public:
    static constexpr int kSlots = 106;
    enum Code : uint8_t {
        kNoMatch = 200, kSeasonLast = 201, kSeasonFirst = 202, kLeagueEnd = 203, kFriendly0 = 208, kFriendly3 = 211
    };

    CDivision();
    CDivision(const CDivision&) = delete;
    CDivision& operator=(const CDivision&) = delete;

    // Reads the start-up record; nullptr when it can be used, else what is
    // wrong with it. The schedule is attached afterwards.
    const char* ReadRecord(FILE* file);
    void WriteRecord(FILE* file) const;
    // Takes the schedule for the club count (not owned) and makes the blank
    // season: E x L fixtures, E the club count rounded down to even and L the
    // number of league slots.
    void SetUp(const CExtByteArray* schedule);

    // The calendar code is known to the game.
    static bool IsKnownCode(uint8_t code);
    // Club counts that have a schedule.
    static bool HasScheduleFor(int clubCount);
    // Schedule days: 2(n - 1) for an even count n, 2n for an odd one.
    static int ScheduleMatchDays(int clubCount);

    // Calendar and schedule.
    uint8_t GetCalendarSlot(int slot) const;
    void SetCalendarSlot(int slot, uint8_t code) { m_Calendar.SetAt(slot, code); }
    // Byte position of the slot's match day in the schedule, wrapped into
    // it; -1 for a slot without a league match.
    int GetFixtureIndexForSlot(int slot) const;
    int GetMatchesPerRound() const { return m_ClubCount & ~1; }
    int GetScheduleLastIndex() const { return m_Schedule ? m_Schedule->GetSize() - 1 : -1; }
    bool IsSeasonEndSlot(int slot) const { return GetCalendarSlot(slot) == kLeagueEnd; }
    static int GetCalendarMarkerIndex(uint8_t code) { return code >= kFriendly0 && code <= kFriendly3 ? code - kFriendly0 : 65535; }
    // The first slot coded 208 + k; -1 when the calendar has none.
    int FindMarkerSlot(int k) const;
    // Match days from `slot` to the first friendly day after it, within the
    // season; -1 when none follows.
    int CountMatchDaysToFriendlyDay(int slot) const;
    // 0 on the last slot; else the match days to the league's end (203) or
    // the season's last slot (201), divided by 4. -1 when neither follows.
    int CountToSeasonEnd(int slot) const;
    // The index in the fixture list of the slot's match whose home club is
    // `club`; -1 when none.
    int GetFixtureIndexOfClub(int slot, int club) const;
    // The (home, away) club pairs of a league slot in schedule order.
    std::vector<std::pair<int, int>> GetPairsForSlot(int slot) const;
    int CountLeagueSlots() const;

    // Rules and places.
    bool AllowsDraws() const { return m_PointsRule < 255; }
    int GetPromotionPlaces() const { return m_ExchangeCount; }
    uint8_t GetAutoPromotionPlaces() const { return m_AutoPromotion; }
    // Play-off ids 0 and -1 both mean none.
    bool HasPlayOff() const { return m_PromotionPlayOff != 0 && m_PromotionPlayOff != -1; }
    bool HasRelegationPlayOff() const { return m_RelegationPlayOff != 0 && m_RelegationPlayOff != -1; }
    // The world's play-off of each id (the last one of that id); null for
    // none.
    CPlayOff* GetPlayOff() const;
    CPlayOff* GetRelegationPlayOff() const;
    // Places the promotion play-off adds; 0 without one.
    int GetPlayOffExtraPlaces() const;
    // The clubs this division sends to play-off `id`: the places after its
    // automatic promotion places, and those just above its direct
    // relegation places, by table position.
    void CollectPlayOffClubs(uint8_t id, CExtDWordArray& out) const;
    // The exchange count plus what the next division's play-off adds.
    int GetRelegationPlaces(const CDivision* next) const {
        return m_ExchangeCount + (next ? next->GetPlayOffExtraPlaces() : 0);
    }

    const CExtString& GetName() const { return m_Name; }
    void SetName(const std::string& name) { m_Name = name; }
    uint8_t GetCountry() const { return m_Country; }
    void SetCountry(uint8_t country) { m_Country = country; }
    int32_t GetFirstClub() const { return m_FirstClub; }
    uint8_t GetClubCount() const { return m_ClubCount; }
    void SetClubRange(int32_t firstClub, uint8_t clubCount) {
        m_FirstClub = firstClub;
        m_ClubCount = clubCount;
    }
    bool HoldsClub(int club) const { return club >= m_FirstClub && club < m_FirstClub + m_ClubCount; }
    uint8_t GetStrengthIndex() const { return m_StrengthIndex; }
    uint8_t GetPictureNumber() const { return m_RecordBytes[0]; }
    uint8_t GetAbroadSearchPercent() const { return m_RecordBytes[1]; }
    void SetAbroadSearchPercent(uint8_t percent) { m_RecordBytes[1] = percent; }
    uint8_t GetTierValue() const { return m_RecordBytes[2]; }
    uint8_t GetShieldQualification() const { return m_RecordBytes[3]; }
    uint8_t GetPlayOffKindFlag() const { return m_RecordBytes[4]; }
    void SetChampion(int club) { m_Champion = club; }
    int GetChampion() const { return m_Champion; }
    void SetRunnerUp(int club) { m_RunnerUp = club; }
    const CPlayerOfTheWeek* GetWeeklyBestEntry(int i) const { return m_TeamOfTheWeek->GetEntry(i); }
    void AddClubsTo(CExtDWordArray& out) const {
        for (int c = 0; c < m_ClubCount; ++c) out.Add(static_cast<uint32_t>(m_FirstClub + c));
    }

    // Table and club queries over the world's clubs.
    int GetClubIndexAtPosition(int position) const;
    int GetPointsAtPosition(int position) const;
    int GetPointsGapToSafety(int club) const;
    int GetBottomClubIndex() const { return GetClubIndexAtPosition(m_ClubCount - 1); }
    // A random club other than `notClub`; -1 when the division has no other.
    int GetRandomOtherClub(int notClub) const;
    // A random club that is neither `notClub` nor human-managed; -1 after 50
    // failed draws.
    int GetRandomNonHumanClub(int notClub) const;
    bool IsTopDivision() const;
    // Up to 12 draws of a non-human club other than `notClub`; the first
    // that wants the player at the fee, or -1.
    int FindBuyerClub(int player, int notClub, double fee) const;
    // Each club's weekly step.
    void ProcessClubsWeekly(bool quiet);
    // Each club but the seller, on an even chance, approaches for the
    // player, until one signs him. The number of clubs that tried.
    int OfferPlayerToClubs(uint32_t player, int sellerClub);

    // Keeping the transfer market stocked (followed countries only): each
    // club reviews its list, then computer clubs list players at random
    // until the division's clubs hold 12 listed or out of contract.
    void StockTransferMarket();
    void StockTransferMarketOnly();
    int CountListedOrUncontractedPlayers() const;

    // Rows for the screens' lists, added without clearing the list.
    // A manager row per managed club.
    void FillManagerList(CListRows& rows) const;
    // Players of managed clubs other than the current user's who match.
    void FillPlayerSearchList(CListRows& rows, const CPlayerSearch& search) const;
    // Squad players of clubs that have played a league game.
    void FillDisciplineList(CListRows& rows) const;
    // Outfield players with two goals or more.
    void FillTopScorerList(CListRows& rows) const;
    // Players named man of the match this season.
    void FillPlayerCountList(CListRows& rows) const;
    void FillManagerOfTheMonthList(CListRows& rows) const { m_ManagersOfTheMonth.FillList(rows); }
    // Rows of the league table, coloured by promotion, relegation and
    // play-off places. `next` is the country's division below, if any.
    void FillLeagueTable(CListRows& rows, const CDivision* next) const;
    // The club's rounds of the division's promotion play-off, then of its
    // relegation play-off; the two play-offs' current ties likewise.
    void FillPlayOffLists(CListRows& rows, int club) const;
    void FillPlayOffTies(CListRows& rows, int club) const;

    // The calendar from the world's clock.
    int CountToSeasonEnd() const;
    int CountMatchDaysToFriendlyDay() const;
    // The world's strength record of the division's level; null outside the list.
    const CDivisionStrength* GetDivisionStrength() const;
    // Appends every club whose club value equals `value`.
    void CollectClubsByValue(uint32_t value, CExtDWordArray& out) const {
        for (int i = 0; i < m_ClubCount && i < m_ClubValues.GetSize(); ++i)
            if (m_ClubValues.GetAt(i) == value) out.Add(static_cast<uint32_t>(m_FirstClub + i));
    }
    // The first match day from today whose slot is friendly day k; false
    // when none follows within the season.
    bool GetMarkerDate(CMatchTime& out, int k) const;
    std::string GetMarkerDateText(int k) const;
    // One match day on, unless the position is on the season's last slot.
    void StepForward(CMatchTime& t) const;
    // One match day back, unless on the season's first slot (before the
    // first season has fixtures: only while above match day 0).
    void StepBack(CMatchTime& t) const;
    // A result line per match of a league slot, scored when played.
    void GetResultsForSlot(int slot, CSoccerResultList& out) const;

    // Season work.
    // Season start today; fixtures blank; each club starts at its place.
    void StartNewSeason();
    // Each club's season end; true when one of them has a human manager.
    bool EndOfSeason();
    // Each club's row starts again at its place; the awards are emptied.
    void ResetClubSeasonRecords();
    // Orders the clubs by their current form and gives each its rank.
    void RankByForm();
    // Names the best manager of the month just ended, by his campaign
    // points and then his campaign goals; every manager's counters restart.
    // The winner's index, or -1.
    int AwardManagerOfTheMonth();

    // Gives every club of the division its accounts and full records when
    // its country becomes followed; the clubs' side lands with the clubs.
    void ActivateClubs() {}

    // The fair-play table: each club's discipline row that has played,
    // named with its division (withDivision) or its country (withCountry).
    void FillClubInfoList(CListRows& rows, int withDivision, int withCountry) const;
    // Each club's attendance row.
    void FillClubList(CListRows& rows) const;
    // Each club's form row at its form place (clubs of a country followed in
    // detail only), in the play-off colour.
    void FillFormTable(CListRows& rows) const;
    // Each club puts Random(3) of its players on the transfer list.
    void ListRandomPlayers();
    // Every club but the excluded one is searched on an even chance: its
    // players into `players`, its name into `names`, the matches as rows.
    void SearchClubsForPlayers(const CPlayerSearch& search, CPlayerList& players, int excludedClub,
                               std::vector<std::string>& names, CListRows* rows) const;
    template <typename Row>
    void ForEachSquadPlayer(Row&& row) const;

    // --- League match days ---
    // The day's league matches of a slot: 1 when the slot is a league match
    // day, else 0. Human managers' matches wait and are played through the
    // match engine's screen entry when withScreen is 1.
    int PlayMatchDay(int divisionIndex, int withScreen, int slot);
    // The day's matches with random scores; with scoreOnly 0 they are also
    // prepared, settled and posted.
    void PlayMatchDayQuick(int slot, uint8_t scoreOnly);
    // Everything that follows a played league match.
    void PostResult(CFixture* fixture);
    // The table order after the day; each club's position history.
    void RecordPositions();
    // Replays the season from its first slot up to today.
    void PlayUpToToday(int divisionIndex, int arg);
    // A human club's first league match tells both clubs' human managers
    // how it went (the winner's first, else the loser's).
    void SendFirstMatchMessages(const CFixture& fixture) const;
    // The club's players of the match to the weekly best eleven; the others
    // record a missed match.
    void OfferToTeamOfTheWeek(const CClub& club);

    // The division's part of a saved game.
    void Save(FILE* file) const;
    void Load(FILE* file);

    CFixtureList m_Fixtures;
    int32_t m_SeasonStart = 0;  // seconds since 1970 of the season's first day
    // One slot per club, in table order once the match day ranks them.
    std::vector<CClub*> m_ClubPointers;
    CManagerOfTheMonthList m_ManagersOfTheMonth;
    CExtString m_Name;
    const CExtByteArray* m_Schedule = nullptr;
    CExtByteArray m_Calendar;
    CExtDWordArray m_ClubValues;
    CNewsPaperEvents m_NewsPaperEvents;
    int32_t m_Champion = -1;
    int32_t m_RunnerUp = -1;
    std::unique_ptr<CTeamOfTheWeek> m_TeamOfTheWeek;
    int32_t m_NextFixture = 0;
    int32_t m_FirstClub = 0;
    std::array<int32_t, 2> m_DroppedValues{};
    std::array<int32_t, 3> m_RecordValues{};
    int32_t m_PromotionPlayOff = 0;
    int32_t m_RelegationPlayOff = 0;
    uint8_t m_PointsRule = 3;
    uint8_t m_StrengthIndex = 0;
    uint8_t m_AutoPromotion = 0;
    uint8_t m_ExchangeCount = 0;
    uint8_t m_Country = 0;
    uint8_t m_DaysSinceAward = 0;
    uint8_t m_ClubCount = 0;
    uint8_t m_SubsNamed = 5;
    uint8_t m_SubsAllowed = 3;
    std::array<uint8_t, 5> m_RecordBytes{};
    std::array<uint8_t, 2> m_RecordBytes2{};
    uint8_t m_PromotionPlayOffClubs = 0;
    uint8_t m_RelegationPlayOffClubs = 0;
    uint8_t m_LastRecordByte = 0;

private:
    CFixture* TakeNextFixture(int home, int away);
    void SetMatchVarsFor(const CFixture& fixture);
    void SettleLevelScore(CFixture& fixture) const;
};

class CDivisionList : public OwningList<CDivision> {
public:
    static constexpr const char* kFileName = "Data\\Division.bin";

    // What the rest of the world's start-up files allow.
    struct Limits {
        int clubCount;      // league clubs in the club list
        int countryCount;   // countries in the country list
        int strengthCount;  // records of the division-strength list
    };
    // Reads the divisions of `relPath`; throws DataFileError when it is
    // missing, damaged or holds a division the game cannot run (no schedule
    // for its club count, an unknown calendar code, a club block outside the
    // club list or over another one, an index outside its list). `schedule`
    // gives the world's schedule for a club count.
    void ReadFile(const char* relPath, const Limits& limits,
                  const std::function<const CExtByteArray*(int clubCount)>& schedule);
    // The start-up file for a list of divisions, as the data tool writes it.
    static void WriteFile(FILE* file, const std::vector<const CDivision*>& divisions);

    // Every division's league matches of today; true when any played.
    bool PlayTodaysMatches(int withScreen);
    // Every division's clubs for play-off `id`, in list order.
    void CollectPlayOffClubs(uint8_t id, CExtDWordArray& out) const {
        for (const auto& d : *this) d->CollectPlayOffClubs(id, out);
    }
    // Every division starts its season (a new game).
    void StartNewSeason() {
        for (const auto& d : *this) d->StartNewSeason();
    }
    // On the last match day of a month, every division names its manager.
    void AwardManagersOfTheMonth(bool lastMatchDayOfMonth) {
        if (!lastMatchDayOfMonth) return;
        for (const auto& d : *this) d->AwardManagerOfTheMonth();
    }

    void Save(FILE* file) const;
    void Load(FILE* file);
};
