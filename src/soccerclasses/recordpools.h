#pragma once
// The world's free pools of fixtures and match events: loads that need more
// objects take them from the pools, loads that need fewer give them back.
#include <memory>

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
