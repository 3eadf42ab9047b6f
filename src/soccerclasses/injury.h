#pragma once
// The world's injuries (people code).
#include "soccerclasses/owninglist.h"

class CInjury {};
class CInjuryList : public OwningList<CInjury> {};
