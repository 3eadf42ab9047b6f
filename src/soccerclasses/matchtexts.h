#pragma once
// The string ids of the match commentary.
namespace matchtext {
constexpr unsigned kInjured = 776;
constexpr unsigned kPenaltyGoal = 866;
constexpr unsigned kOwnGoalFirst = 881;       // six lines
constexpr unsigned kGoalFirst = 887;          // six lines
constexpr unsigned kFreeKickGoalFirst = 894;  // six lines
constexpr unsigned kDisallowedFirst = 900;    // six lines
constexpr unsigned kSaveFirst = 906;          // six lines
constexpr unsigned kNoSubstitute = 913;
constexpr unsigned kSubstitution = 961;
constexpr unsigned kOffTargetFirst = 32881;   // 32881, then 32883 to 32887
constexpr unsigned kScorerItem = 35000;       // "(%d) %s"
constexpr unsigned kGoalScoreLine = 35001;
constexpr unsigned kTopCorner = 35002;
constexpr unsigned kBottomCorner = 35003;
constexpr unsigned kCornerScores = 35004;
constexpr unsigned kHomeCornerFirst = 35010;  // deflected, cleared, off target, on target, saved
constexpr unsigned kAwayCornerFirst = 35015;
constexpr unsigned kBookingFirst = 35020;     // six lines
constexpr unsigned kSendingOffFirst = 35030;  // six lines
constexpr unsigned kPenaltySaved = 35040;
constexpr unsigned kPenaltyOffTarget = 35041;
constexpr unsigned kFreeKickFirst = 35050;    // classes 0 to 4
constexpr unsigned kFoul = 35060;
constexpr unsigned kOffside = 35061;
}  // namespace matchtext
