#pragma once
// Stadiums and stadium plans (clubs code).
#include "soccerclasses/owninglist.h"

class CStadium {};
class CStadiumList : public OwningList<CStadium> {};
class CStadiumPlan {};
class CStadiumPlanList : public OwningList<CStadiumPlan> {};
