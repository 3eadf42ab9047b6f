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
inline constexpr unsigned kZoneInformation = 45130, kPenaltyShootout = 45131, kHome = 45132, kAway = 45133,
                          kPercent = 45139;
// The power series: goal, defence, midfield, attack, overall.
inline constexpr unsigned kSeriesNames = 45134;
inline constexpr unsigned kStatisticsRows[10] = {45140, 45141, 45142, 45143, 45144,
                                                 45145, 45146, 45147, 45148, kGoalsLong};
inline constexpr unsigned kStatisticsTitle = kStatistics, kSubstitutionsTitle = kSections + 7;
inline constexpr unsigned kFormationColumn = kSections + 5, kRating = 45092, kFormationsAvailable = 45150,
                          kRatingInFormation = 45151, kHomeFormation = 45152, kAwayFormation = 45153,
                          kHomeTactic = 45154, kAwayTactic = 45155, kPlayOnTheBreak = 45160;
// The tactics view's labels, top to bottom.
inline constexpr unsigned kTacticsLabels[9] = {45156, 45157, 45158, 45159, 45160, 45161, 45162, 45163, 45164};
// The player card: attribute labels, positions, sides, match counts, tabs.
inline constexpr unsigned kAttributeLabels[7] = {45073, 45074, 45075, 45170, 45077, 45078, 45079};
inline constexpr unsigned kPositionNames[4] = {45171, 45172, 45173, 45174};
inline constexpr unsigned kLeftSide = 45175, kRightSide = 45176;
inline constexpr unsigned kHomeCounts[4] = {kGoalsLong, 45147, 45148, 45142};
inline constexpr unsigned kAwayCounts[4] = {kGoalsLong, 45177, 45178, 45142};
inline constexpr unsigned kPerformance = 45179, kTactics = kSections + 6, kPercentSign = 1172;
}  // namespace hstext
