#pragma once
// The popularity table ("Data\\popularity.bin"). The people code reads it;
// the world constructs it in its place in the build order.
#include "soccerclasses/owninglist.h"

class CPopularity {};
class CPopularityList : public OwningList<CPopularity> {};
