#pragma once
// The world's managers (people code).
#include "soccerclasses/owninglist.h"

class CManager {};
class CManagerList : public OwningList<CManager> {};
