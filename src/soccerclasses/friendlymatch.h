#pragma once
// The world's friendlies (competitions code).
#include "soccerclasses/fixture.h"

class CFriendlyMatchList : public CFixtureList {};
