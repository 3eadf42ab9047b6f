#pragma once
// The one vocabulary of the advisors' inbox: every code any model code
// posts, and what the advisors' texts for it say. Inbox codes are not
// string ids; each advisor screen picks its own text for a code.
#include <cstdint>

namespace inbox {

// Result streaks.
inline constexpr uint8_t kTenWithoutWin = 1, kPoorRun = 2, kTenWins = 3, kGoodRun = 4;
inline constexpr uint8_t kTenHomeWins = 5, kTenAwayWins = 7, kTenHomeWithoutWin = 9, kTenAwayWithoutWin = 11;
// Cup draws: semi-final, final, any other round.
inline constexpr uint8_t kDrawnSemiFinal = 18, kDrawnFinal = 21, kDrawnRound = 24;
// League position: top, second, strong, near the bottom, bottom.
inline constexpr uint8_t kLeagueTop = 25, kLeagueSecond = 26, kLeagueStrong = 27, kLeagueLow = 28,
                         kLeagueBottom = 29;
// The season's end.
inline constexpr uint8_t kPromoted = 33, kChampions = 34, kAutoPromoted = 35, kBottomOfAll = 38,
                         kBottomRelegated = 39, kRelegatedByDivision = 40;
// The manager's own bank account: overdrawn a lot, overdrawn, just
// overdrawn, back in credit, in credit.
inline constexpr uint8_t kBankJustOverdrawn = 48, kBankOverdrawn = 49, kBankDeepOverdrawn = 50,
                         kBankBackInCredit = 52, kBankInCredit = 53;
// His health, calm (54) to breaking down (59).
inline constexpr uint8_t kStressFirst = 54;
inline constexpr uint8_t kBoardFirst = 69, kBoardSacked = 76, kFansFirst = 77;
inline constexpr uint8_t kScoutReport = 85;
inline constexpr uint8_t kMissedTen = 104, kMissedTwenty = 105;
// Fitness: 106 the worst, then 107 the best down to 115.
inline constexpr uint8_t kFitnessWorst = 106, kFitnessBest = 107;
// The club's bank balance, rich to deep in debt.
inline constexpr uint8_t kClubVeryRich = 116, kClubRich = 117, kClubComfortable = 118, kClubInCredit = 119,
                         kClubOverdrawn = 122, kClubDeepOverdrawn = 123;
inline constexpr uint8_t kPopularityDown = 124, kPopularityUp = 125;
// Today's league opponents: leaders, top, bottom part, last; by form:
// no wins, few, some, many.
inline constexpr uint8_t kOpponentLeaders = 126, kOpponentTop = 127, kOpponentLow = 128, kOpponentLast = 129,
                         kOpponentFormFirst = 130;
// Any other opponents by strength, far stronger (134) to far weaker (140).
inline constexpr uint8_t kOpponentStrengthFirst = 134;
inline constexpr uint8_t kRemarkFirst = 151;
inline constexpr uint8_t kSuspended = 161, kDisciplineNineteen = 168;
// Season counters of a player, three per counter (20, 10, 5).
inline constexpr uint8_t kSeasonCounterFirst = 169, kAppearanceRunFirst = 184, kSeasonAppearancesFirst = 187;
inline constexpr uint8_t kManagerSacked = 192;
inline constexpr uint8_t kTodaysMatch = 197, kWelcomeSaturday = 198, kWelcomeMidweek = 199;
// Held back for the next season: champions, promoted, play-offs won,
// relegated, relegated by the division.
inline constexpr uint8_t kNextSeasonChampions = 201, kNextSeasonPromoted = 203, kNextSeasonPlayOffs = 205,
                         kNextSeasonRelegated = 206, kNextSeasonDivisionDown = 207;
inline constexpr uint8_t kFriendlyToday = 212, kNoFriendliesSlot2 = 222, kNoFriendliesSlot3 = 223;
inline constexpr uint8_t kOpeningGame = 224;
inline constexpr uint8_t kSupportersView = 248;

// A run of codes and what the advisors' texts for them say.
struct CodeRange {
    uint8_t first, last;
    const char* meaning;
};

// The whole vocabulary, in code order; codes between ranges are unused.
extern const CodeRange kCodes[];
extern const int kCodeRangeCount;
// The range holding the code; NULL for an unused code.
const CodeRange* FindCode(uint8_t code);

}  // namespace inbox
