#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/matchtime.h"
#include "support/test_env.h"

namespace {

CMatchTime NewGameClock() {
    CMatchTime t;
    t.Set(0, 0, 0, 1999, 7, 3, 0, 0, 0);
    return t;
}

std::string DateText(const CMatchTime& t) {
    std::string s;
    t.GetDateText(s);
    return s;
}

TEST(MatchTime, DefaultIsUnsetAndNewGameStartsOnASaturday) {
    CMatchTime t;
    EXPECT_TRUE(t.IsUnset());
    CMatchTime c = NewGameClock();
    EXPECT_FALSE(c.IsUnset());
    EXPECT_TRUE(c.IsSaturday());
    EXPECT_EQ(DateText(c), "Sat 03 Jul 99");
    std::string s;
    c.GetDayMonthYearText(s);
    EXPECT_EQ(s, "03 Jul 99");
}

TEST(MatchTime, FirstStepsOfTheGame) {
    CMatchTime c = NewGameClock();
    c.NextMatchDay();
    EXPECT_EQ(DateText(c), "Tue 06 Jul 99");
    EXPECT_EQ(c.GetMatchDay(), 1);
    EXPECT_EQ(c.GetWeek(), 0);
    c.NextMatchDay();
    EXPECT_EQ(DateText(c), "Sat 10 Jul 99");
    EXPECT_EQ(c.GetMatchDay(), 2);
    EXPECT_EQ(c.GetWeek(), 1);
}

TEST(MatchTime, WalksSixSeasonsByTheRules) {
    // 1999 to 2005 holds a leap year (2000, 2004), seasons starting on a
    // Saturday (2000), on a Tuesday (2003) and on other weekdays.
    CMatchTime c = NewGameClock();
    int seasonStarts = 0;
    while (c.GetYear() < 2005 || c.GetMonth() < 7 || c.GetDay() < 10) {
        CMatchTime before = c;
        c.NextMatchDay();
        ASSERT_TRUE(c.IsSaturday() || c.IsTuesday());
        int gap = c.GetDays() - before.GetDays();
        ASSERT_EQ(gap, before.IsSaturday() ? 3 : 4);
        bool crossed = false;
        for (int d = before.GetDays() + 1; d <= c.GetDays(); ++d) {
            CMatchTime probe;
            probe.AddDays(d);
            if (probe.GetMonth() == 7 && probe.GetDay() == 1) crossed = true;
        }
        if (crossed) {
            ++seasonStarts;
            EXPECT_EQ(c.GetSeason(), before.GetSeason() + 1) << DateText(c);
            EXPECT_EQ(c.GetWeek(), 0);
            EXPECT_EQ(c.GetMatchDay(), c.IsSaturday() ? 1 : 0) << DateText(c);
        } else {
            EXPECT_EQ(c.GetSeason(), before.GetSeason());
            EXPECT_EQ(c.GetMatchDay(), before.GetMatchDay() + 1);
            EXPECT_LE(c.GetMatchDay(), 105);
            EXPECT_EQ(c.GetWeek(), before.GetWeek() + (c.IsSaturday() ? 1 : 0));
        }
        // Every season has match days 1 to 103.
        if (crossed) {
            EXPECT_GE(before.GetMatchDay(), 103) << DateText(before);
        }
        // Stepping back undoes the step's date.
        CMatchTime back = c;
        uint8_t crossedBack = back.PreviousMatchDay();
        EXPECT_EQ(back.GetDays(), before.GetDays());
        EXPECT_EQ(crossedBack, crossed ? 1 : 0);
        if (!crossed) {
            EXPECT_EQ(back, before) << DateText(before);
        }
    }
    EXPECT_EQ(seasonStarts, 6);
    EXPECT_EQ(c.GetSeason(), 6);
}

TEST(MatchTime, SeasonChangeEdgeCases) {
    CMatchTime c;
    c.Set(51, 103, 0, 2000, 6, 27);
    ASSERT_TRUE(c.IsTuesday());
    c.NextMatchDay();
    EXPECT_EQ(DateText(c), "Sat 01 Jul 00");
    EXPECT_EQ(c.GetSeason(), 1);
    EXPECT_EQ(c.GetWeek(), 0);
    EXPECT_EQ(c.GetMatchDay(), 1);

    // Back over 1 July from a Tuesday in July lands on a Tuesday or a Saturday in June.
    CMatchTime t;
    t.Set(0, 0, 4, 2003, 7, 1);  // 1 July 2003 is a Tuesday
    ASSERT_TRUE(t.IsTuesday());
    EXPECT_EQ(t.PreviousMatchDay(), 1);
    EXPECT_EQ(DateText(t), "Sat 28 Jun 03");
    EXPECT_EQ(t.GetMatchDay(), 104);
    EXPECT_EQ(t.GetWeek(), 52);
    EXPECT_EQ(t.GetSeason(), 3);
    CMatchTime s;
    s.Set(0, 1, 2, 2001, 7, 3);  // Tuesday; 1 July 2001 was a Sunday
    EXPECT_EQ(s.PreviousMatchDay(), 1);
    EXPECT_EQ(DateText(s), "Sat 30 Jun 01");
    EXPECT_EQ(s.GetMatchDay(), 104);
    s.PreviousMatchDay();
    EXPECT_EQ(s.GetMatchDay(), 103);
    EXPECT_TRUE(s.IsTuesday());
}

TEST(MatchTime, Texts) {
    struct Case {
        int y, m, d;
        const char* season0;
        const char* season1;
        const char* previousMonth;
        const char* date;
    };
    const Case cases[] = {
        {1999, 7, 3, "99-00", "1999", "June", "Sat 03 Jul 99"},
        {2000, 6, 1, "99-00", "1999", "May", "Thu 01 Jun 00"},
        {1999, 11, 20, "99-00", "1999", "October", "Sat 20 Nov 99"},
        {2000, 1, 4, "99-00", "1999", "December", "Tue 04 Jan 00"},
        {2009, 8, 1, "09-10", "2009", "July", "Sat 01 Aug 09"},
    };
    for (const Case& c : cases) {
        CMatchTime t;
        t.Set(0, 0, 0, c.y, c.m, c.d);
        std::string s;
        t.GetSeasonText(s, 0);
        EXPECT_EQ(s, c.season0);
        t.GetSeasonText(s, 1);
        EXPECT_EQ(s, c.season1);
        t.GetPreviousMonthName(s);
        EXPECT_EQ(s, c.previousMonth);
        t.FormatDate(s);
        EXPECT_EQ(s, c.date);
    }
}

TEST(MatchTime, FirstMatchDayOfMonth) {
    CMatchTime t;
    t.Set(0, 0, 0, 1999, 8, 3);  // Tue 3 Aug; previous match day Sat 31 Jul
    EXPECT_TRUE(t.IsFirstMatchDayOfMonth());
    t.NextMatchDay();  // Sat 7 Aug
    EXPECT_FALSE(t.IsFirstMatchDayOfMonth());
}

TEST(MatchTime, StepsAndCalendarWalks) {
    CMatchTime c = NewGameClock();
    c.StepToMatchDay(10, 0);
    EXPECT_EQ(c.GetMatchDay(), 10);
    c.StepToMatchDay(4, 1);
    EXPECT_EQ(c.GetMatchDay(), 4);
    CMatchTime same = c;
    c.StepToMatchDay(4, 0);
    EXPECT_EQ(c, same);

    CExtByteArray cal;
    cal.SetSizeAndFill(106, 200);
    cal[2] = 202;
    for (int d = 3; d < 8; ++d) cal[d] = 205;
    cal[8] = 1;
    cal[9] = 201;
    CMatchTime w = NewGameClock();
    w.StepToMatchDay(3, 0);
    EXPECT_EQ(w.AdvanceToLeagueDay(cal), 1);
    EXPECT_EQ(w.GetMatchDay(), 8);
    w.RewindToMarker202(cal);
    EXPECT_EQ(w.GetMatchDay(), 2);

    // A calendar without the code looked for does not hold the game.
    CExtByteArray none;
    none.SetSizeAndFill(106, 205);
    // The search gives up after a lap of 106 match days, in the next
    // season; the rewind gives up after the same lap back.
    const CMatchTime start = NewGameClock();
    CMatchTime lap = start, back;
    for (int i = 0; i < 106; ++i) lap.NextMatchDay();
    back = lap;
    for (int i = 0; i < 106; ++i) back.PreviousMatchDay();
    CMatchTime x = start;
    EXPECT_EQ(x.AdvanceToLeagueDay(none), 205);
    EXPECT_EQ(x, lap);
    EXPECT_EQ(x.GetSeason(), start.GetSeason() + 1);
    x.RewindToMarker202(none);
    EXPECT_EQ(x, back);
    EXPECT_EQ(x.GetSeason(), start.GetSeason());
}

TEST(MatchTime, SavesTheSameInAnyTimeZone) {
    std::string path = (testenv::TestFolder() / "clock.bin").string();
    std::vector<std::vector<uint8_t>> files;
    for (const char* tz : {"UTC", "America/Los_Angeles", "Asia/Tokyo", "Europe/London"}) {
        setenv("TZ", tz, 1);
        tzset();
        CMatchTime c = NewGameClock();
        c.StepToMatchDay(50, 0);
        FILE* f = OpenGameFile(path, "wb");
        c.Save(f);
        ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
        std::ifstream in(path, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        f = OpenGameFile(path, "rb");
        CMatchTime back;
        back.Load(f);
        EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
        EXPECT_EQ(back, c);
    }
    unsetenv("TZ");
    tzset();
    ASSERT_EQ(files[0].size(), 16u);
    for (const auto& f : files) EXPECT_EQ(f, files[0]);
    // 3 July 1999 midnight UTC is 930960000 seconds after 1970.
    CMatchTime c = NewGameClock();
    FILE* f = OpenGameFile(path, "wb");
    c.Save(f);
    CloseGameFile(f);
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> b(std::istreambuf_iterator<char>(in), {});
    uint32_t secs = b[12] | b[13] << 8 | b[14] << 16 | uint32_t(b[15]) << 24;
    EXPECT_EQ(secs, 930960000u);
}

}  // namespace
