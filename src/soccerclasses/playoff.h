#pragma once
// The league play-offs (competitions code).
#include "soccerclasses/owninglist.h"

class CPlayOff {};
class CPlayOffList : public OwningList<CPlayOff> {};
