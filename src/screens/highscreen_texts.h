#pragma once
// The match-day page's texts in the string table (our block 45000-45999).
namespace hstext {
inline constexpr unsigned kMatch = 45000, kHomeTeam = 45001, kAwayTeam = 45002, kProceed = 45003, kPress = 45004;
inline constexpr unsigned kResult = 45005, kScores = 45006, kStatistics = 45007, kVs = 45008, kFirstLegGoals = 45009;
inline constexpr unsigned kAttendance = 45010, kReferee = 45011, kManOfMatch = 45012;
// The fifteen level tips: aggression, then bias, then passing style.
inline constexpr unsigned kLevelTips = 45020;
inline constexpr unsigned kSecondLegScore = 45040, kExtraTime = 45041, kLatestScore = 45042, kContinueMatch = 45043,
                          kPauseMatch = 45044, kSkipToEnd = 45045;
// The eight section names of the control strip.
inline constexpr unsigned kSections = 45050;
inline constexpr unsigned kNoTimers = 45060;
// The team sheets' thirteen short headers, then the thirteen long ones.
inline constexpr unsigned kSheetHeaders = 45070, kSheetLongHeaders = 45090;
inline constexpr unsigned kTeam = 45110, kTeamName = 45111, kGoalsShort = 45112, kGoalsLong = 45113;
// The player card's buttons and the tactics view's first check box.
inline constexpr unsigned kPreviousPlayer = 45120, kNextPlayer = 45121, kTakePenalty = 45122, kPraise = 45123,
                          kEncourage = 45124, kDiscipline = 45125, kUseOffsideTrap = 45126;
}  // namespace hstext
