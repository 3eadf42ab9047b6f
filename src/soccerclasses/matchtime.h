#pragma once
// A position in the game calendar: a civil date and the counters by which
// the competitions index their schedules. Match days are Tuesdays and
// Saturdays; a season begins when 1 July is crossed.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

class CDivision;
class CExtByteArray;

class CMatchTime {
public:
    static constexpr int32_t kUnsetWeek = 107;
    static constexpr int kSlotsPerSeason = 106;

    CMatchTime() = default;

    void Set(int week, int matchDay, int season, int year, int month, int day, int hour = 0,
             int minute = 0, int second = 0);
    // 16 bytes: week, match day, season, the date as days since 1970 × 86,400
    // (UTC midnight, so a save does not depend on the time zone).
    void Save(FILE* file) const;
    void Load(FILE* file);

    bool IsUnset() const { return m_Week == kUnsetWeek; }
    bool IsSaturday() const { return GetDayOfWeek() == 7; }
    bool IsTuesday() const { return GetDayOfWeek() == 3; }

    void NextMatchDay();
    // 1 when the step crossed back over a season start.
    uint8_t PreviousMatchDay();
    void StepToMatchDay(int matchDay, uint8_t backwards);
    // Both walks stay within one season's worth of match days, so a calendar
    // without the code looked for cannot hold the game.
    uint8_t AdvanceToLeagueDay(const CDivision* division);
    uint8_t AdvanceToLeagueDay(const CExtByteArray& calendar);
    void RewindToMarker202(const CDivision* division);
    void RewindToMarker202(const CExtByteArray& calendar);

    bool IsFirstMatchDayOfMonth() const;
    void GetPreviousMonthName(std::string& out) const;
    // Kind 0: "99-00". Other kinds (calendar-year seasons): the date's year
    // from July, the year before until June.
    void GetSeasonText(std::string& out, int kind) const;
    void GetDateText(std::string& out) const;
    void FormatDate(std::string& out) const { GetDateText(out); }
    void GetDayMonthYearText(std::string& out) const;

    int GetWeek() const { return m_Week; }
    int GetMatchDay() const { return m_MatchDay; }
    int GetSeason() const { return m_Season; }
    void SetWeek(int v) { m_Week = v; }
    void SetMatchDay(int v) { m_MatchDay = v; }
    void SetSeason(int v) { m_Season = v; }

    int GetYear() const;
    int GetMonth() const;       // 1 to 12
    int GetDay() const;         // 1 to 31
    int GetDayOfWeek() const;   // 1 Sunday to 7 Saturday
    int32_t GetDays() const { return m_Days; }  // since 1 January 1970
    void AddDays(int n) { m_Days += n; }

    // Same counters and day.
    bool operator==(const CMatchTime& o) const = default;
    bool IsSameDay(const CMatchTime& o) const { return m_Days == o.m_Days; }
    bool IsBefore(const CMatchTime& o) const { return m_Days < o.m_Days; }

private:
    uint8_t AdvanceToLeagueDay(const std::function<uint8_t(int)>& slot);
    void RewindToMarker202(const std::function<uint8_t(int)>& slot);
    bool IsFirstOfJuly() const { return GetMonth() == 7 && GetDay() == 1; }
    bool IsMatchWeekday() const { return IsSaturday() || IsTuesday(); }

    int32_t m_Week = kUnsetWeek;
    int32_t m_MatchDay = 0;
    int32_t m_Season = 0;
    int32_t m_Days = 0;
};

// Full English month names, slot 0 empty.
extern const char* const kMonthNames[13];
