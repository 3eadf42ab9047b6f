#pragma once
// The game's shared helpers: the save-file channel and data-file lookup, the
// random draws, the loan formula, the date-name tables and the tidy-amount
// ladder of the money fields.
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"

// 0 to n inclusive; n itself comes once in 32,768 draws. n <= 0 still draws
// once (callers count on the sequence) and gives 0.
int Random(int n);
// 0 to n - 1, evenly. n < 2 draws once and gives 0.
int RandomByte(int n);
int BitNot(int v);

// The level payment per period that repays `principal` over years × perYear
// periods at `rate` percent a year.
double CalcLoanRepayment(double rate, double principal, double years, double perYear);

// Money figures a person would type: 52.5 → 55, 19.6 → 20, below 0 → 0.
double RoundToNiceAmount(double x);
double NextNiceAmountUp(double x);
double NextNiceAmountDown(double x);

// Slot 0 of each is empty; weekday 1 is Sunday, month 1 January.
extern const char* const kWeekdayNames[8];
extern const char* const kDayOfMonthTexts[32];
extern const char* const kShortMonthNames[13];
// Weekday, day, month, year % 100 ("Sat 03 Jul 99"); day, month, year % 100.
inline constexpr const char* kLongDateFormat = "%1!s! %2!s! %3!s! %4!.2d!";
inline constexpr const char* kShortDateFormat = "%1!s! %2!s! %3!.2d!";
