#pragma once
// The world's referees (competitions code).
#include "soccerclasses/owninglist.h"

class CSoccerReferee {};
class CSoccerRefereeList : public OwningList<CSoccerReferee> {};
