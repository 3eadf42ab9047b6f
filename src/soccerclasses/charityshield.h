#pragma once
// The season-opening shields (competitions code).
#include "soccerclasses/owninglist.h"

class CCharityShield {};
class CCharityShieldList : public OwningList<CCharityShield> {};
