#pragma once
// The skill-money table ("Data\\PlayerValue.bin"); the people code reads it.
#include "soccerclasses/owninglist.h"

class CSkillMoneyValue {};
class CSkillMoneyValueList : public OwningList<CSkillMoneyValue> {};
