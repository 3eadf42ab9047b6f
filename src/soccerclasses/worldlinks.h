#pragma once
// What the competition records ask of the world, in one place.
//
// The world's free pools of fixtures and match events: loads that need more
// objects take them from the pools, loads that need fewer give them back.
#include <functional>
#include <memory>
#include <string>

class CFixture;
class CMatchEvent;
class CSubstitutionVars;

std::unique_ptr<CFixture> TakePooledFixture();
void ReturnPooledFixture(std::unique_ptr<CFixture> fixture);
std::unique_ptr<CMatchEvent> TakePooledMatchEvent();
void ReturnPooledMatchEvent(std::unique_ptr<CMatchEvent> event);
// The world's substitution record, which every fixture reset clears; null
// when no world is installed.
CSubstitutionVars* WorldSubstitutionVars();

// A player's surname in capitals, and the world index of his club; empty
// and -1 when there is no such player or club.
std::string PlayerSurnameUpper(int player);
int ClubOfPlayer(int player);
// A club's popularity row (a higher row, a smaller club); -1 for no club.
int ClubPopularityRow(int club);
int PlayerSeasonGoals(int player);
// Weeks his injury is expected to keep him out, and matches he is banned for.
int PlayerInjuryTimeEstimate(int player);
int PlayerMatchesSuspended(int player);
// A manager's surname in capitals, and his club (his previous one when he
// has none now); empty and -1 when unknown.
std::string ManagerSurnameUpper(int manager);
int ManagerClub(int manager, bool orPrevious);
int ManagerPreviousClub(int manager);

// A club's name in capitals; for a negative number v, non-league club -1 - v.
std::string ClubNameConverted(int club);
// Replaces the world's club names (for tests); an empty function restores them.
void SetClubNameSource(std::function<std::string(int)> source);
