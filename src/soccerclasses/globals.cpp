#include "soccerclasses/globals.h"

#include <cmath>

#include "platform/random.h"

int Random(int n) {
    int r = platform::Rand();
    if (n <= 0) return 0;
    return static_cast<int>(r / 32767.0 * n);
}

int RandomByte(int n) {
    int r = platform::Rand();
    if (n < 2) return 0;
    int v = ((r >> 4) & 255) * n / 256;
    return v < n - 1 ? v : n - 1;
}

int BitNot(int v) { return ~v; }

double CalcLoanRepayment(double rate, double principal, double years, double perYear) {
    double r = 1.0 + rate / 100.0;
    double p = std::exp(std::log(r) / perYear);
    double q = std::exp(std::log(r) * years);
    return (p - 1.0) * q * principal / (q - 1.0);
}

namespace {

struct Rung {
    double upTo;  // exclusive upper bound of the range
    double step;
};
constexpr Rung kLadder[] = {
    {20, 1},          {100, 5},         {250, 10},          {500, 25},
    {1000, 50},       {10000, 100},     {100000, 500},      {1000000, 5000},
    {5000000, 50000}, {10000000, 100000}, {INFINITY, 250000},
};

// Ranges closed below: [0,20) steps by 1, [20,100) by 5, …
double StepBelow(double x) {
    for (const Rung& r : kLadder)
        if (x < r.upTo) return r.step;
    return kLadder[std::size(kLadder) - 1].step;
}

// Ranges closed above: up to 20 by 1, above 20 up to 100 by 5, …
double StepAbove(double x) {
    for (const Rung& r : kLadder)
        if (x <= r.upTo) return r.step;
    return kLadder[std::size(kLadder) - 1].step;
}

}  // namespace

double RoundToNiceAmount(double x) {
    if (x < 0) return 0;
    if (x < 20) {
        x = std::floor(x + 0.5);
        if (x < 20) return x;
    }
    double step = StepBelow(x);
    return step * std::trunc((x + step / 2) / step);
}

double NextNiceAmountUp(double x) {
    double r = RoundToNiceAmount(x);
    if (r > x) return r;
    return r + StepBelow(r);
}

double NextNiceAmountDown(double x) {
    double r = RoundToNiceAmount(x);
    if (r < x) return r;
    double v = r - StepAbove(r);
    return v < 0 ? 0 : v;
}

const char* const kWeekdayNames[8] = {"", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kDayOfMonthTexts[32] = {
    "",   "01", "02", "03", "04", "05", "06", "07", "08", "09", "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "30", "31"};
const char* const kShortMonthNames[13] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
