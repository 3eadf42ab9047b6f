#pragma once
// The international club cups (competitions code).
#include "soccerclasses/owninglist.h"

class CFederationCup {};
class CFederationCupList : public OwningList<CFederationCup> {};
