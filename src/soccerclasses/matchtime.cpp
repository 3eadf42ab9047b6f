#include "soccerclasses/matchtime.h"

#include <chrono>

#include "platform/msgformat.h"
#include "soccerclasses/division.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

namespace chr = std::chrono;

const char* const kMonthNames[13] = {"",        "January",  "February", "March",  "April",
                                     "May",     "June",     "July",     "August", "September",
                                     "October", "November", "December"};

namespace {

chr::year_month_day Civil(int32_t days) { return chr::year_month_day(chr::sys_days(chr::days(days))); }

int32_t DaysOf(int year, int month, int day) {
    chr::year_month_day ymd{chr::year(year), chr::month(static_cast<unsigned>(month)),
                            chr::day(static_cast<unsigned>(day))};
    return static_cast<int32_t>(chr::sys_days(ymd).time_since_epoch().count());
}

constexpr int32_t kSecondsPerDay = 86400;

// A calendar code of a slot outside the season reads as "no league match".
uint8_t SlotOf(const CExtByteArray& calendar, int matchDay) {
    return matchDay >= 0 && matchDay < calendar.GetSize() ? calendar.GetAt(matchDay) : 200;
}

}  // namespace

void CMatchTime::Set(int week, int matchDay, int season, int year, int month, int day, int, int, int) {
    m_Week = week;
    m_MatchDay = matchDay;
    m_Season = season;
    m_Days = DaysOf(year, month, day);
}

void CMatchTime::Save(FILE* file) const {
    SaveInt32(file, m_Week);
    SaveInt32(file, m_MatchDay);
    SaveInt32(file, m_Season);
    SaveInt32(file, static_cast<int32_t>(static_cast<int64_t>(m_Days) * kSecondsPerDay));
}

void CMatchTime::Load(FILE* file) {
    m_Week = LoadInt32(file);
    m_MatchDay = LoadInt32(file);
    m_Season = LoadInt32(file);
    int32_t seconds = LoadInt32(file);
    // Floor division, so a date before 1970 stays on its day.
    m_Days = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
}

int CMatchTime::GetYear() const { return static_cast<int>(Civil(m_Days).year()); }
int CMatchTime::GetMonth() const { return static_cast<int>(static_cast<unsigned>(Civil(m_Days).month())); }
int CMatchTime::GetDay() const { return static_cast<int>(static_cast<unsigned>(Civil(m_Days).day())); }
int CMatchTime::GetDayOfWeek() const {
    return static_cast<int>(chr::weekday(chr::sys_days(chr::days(m_Days))).c_encoding()) + 1;
}

void CMatchTime::NextMatchDay() {
    bool crossed = false;
    do {
        ++m_Days;
        if (IsFirstOfJuly()) crossed = true;
    } while (!IsMatchWeekday());
    ++m_MatchDay;
    if (IsSaturday()) ++m_Week;
    if (!crossed && m_MatchDay != kSlotsPerSeason) return;
    ++m_Season;
    m_MatchDay = IsSaturday() ? 1 : 0;
    m_Week = 0;
}

uint8_t CMatchTime::PreviousMatchDay() {
    bool crossed = false;
    // The week counts Saturdays reached, so it drops when a Saturday is left:
    // stepping back then undoes exactly what stepping forward did.
    bool leftSaturday = IsSaturday();
    do {
        if (IsFirstOfJuly()) crossed = true;
        --m_Days;
    } while (!IsMatchWeekday());
    --m_MatchDay;
    if (leftSaturday) --m_Week;
    if (!crossed) return 0;
    --m_Season;
    m_MatchDay = IsSaturday() ? 104 : 105;
    m_Week = 52;
    return 1;
}

void CMatchTime::StepToMatchDay(int matchDay, uint8_t backwards) {
    // An index a season never reaches would walk for ever; two seasons is plenty.
    for (int steps = 0; m_MatchDay != matchDay && steps < 2 * kSlotsPerSeason; ++steps) {
        if (backwards == 1)
            PreviousMatchDay();
        else
            NextMatchDay();
    }
}

uint8_t CMatchTime::AdvanceToLeagueDay(const std::function<uint8_t(int)>& slot) {
    for (int steps = 0; slot(m_MatchDay) >= 201 && steps < kSlotsPerSeason; ++steps) NextMatchDay();
    return slot(m_MatchDay);
}

void CMatchTime::RewindToMarker202(const std::function<uint8_t(int)>& slot) {
    for (int steps = 0; slot(m_MatchDay) != 202 && steps < kSlotsPerSeason; ++steps)
        if (PreviousMatchDay() && slot(0) == 202) return;
}

uint8_t CMatchTime::AdvanceToLeagueDay(const CDivision* division) {
    if (!division) return 200;
    return AdvanceToLeagueDay([division](int d) {
        return d >= 0 && d < kSlotsPerSeason ? division->GetCalendarSlot(d) : uint8_t(200);
    });
}

uint8_t CMatchTime::AdvanceToLeagueDay(const CExtByteArray& calendar) {
    return AdvanceToLeagueDay([&calendar](int d) { return SlotOf(calendar, d); });
}

void CMatchTime::RewindToMarker202(const CDivision* division) {
    if (!division) return;
    RewindToMarker202([division](int d) {
        return d >= 0 && d < kSlotsPerSeason ? division->GetCalendarSlot(d) : uint8_t(200);
    });
}

void CMatchTime::RewindToMarker202(const CExtByteArray& calendar) {
    RewindToMarker202([&calendar](int d) { return SlotOf(calendar, d); });
}

bool CMatchTime::IsFirstMatchDayOfMonth() const {
    CMatchTime prev = *this;
    do {
        prev.AddDays(-1);
    } while (!prev.IsMatchWeekday());
    return prev.GetMonth() != GetMonth();
}

void CMatchTime::GetPreviousMonthName(std::string& out) const {
    int month = GetMonth() == 1 ? 12 : GetMonth() - 1;
    out = kMonthNames[month];
}

void CMatchTime::GetSeasonText(std::string& out, int kind) const {
    int year = GetYear();
    bool firstHalf = GetMonth() <= 6;
    if (kind != 0) {
        // A one-year season is named by its year; only its tail after the
        // new year belongs to the year before. A title won in November 1999
        // is the 1999 title, never 1998's.
        out = platform::StrPrintf("%d", firstHalf ? year - 1 : year);
        return;
    }
    int from = firstHalf ? year - 1 : year;
    std::string full = platform::StrPrintf("%d-%d", from, from + 1);
    out = full.substr(2, 3) + full.substr(full.size() - 2);
}

void CMatchTime::GetDateText(std::string& out) const {
    out = platform::FormatMessage(kLongDateFormat, {kWeekdayNames[GetDayOfWeek()], kDayOfMonthTexts[GetDay()],
                                                    kShortMonthNames[GetMonth()], GetYear() % 100});
}

void CMatchTime::GetDayMonthYearText(std::string& out) const {
    out = platform::FormatMessage(kShortDateFormat,
                                  {kDayOfMonthTexts[GetDay()], kShortMonthNames[GetMonth()], GetYear() % 100});
}
