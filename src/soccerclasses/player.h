#pragma once
// Players and the world's player list. The people code fills them in; the
// world needs the list's count and element access now.
#include "soccerclasses/owninglist.h"

class CPlayer {};
class CPlayerList : public OwningList<CPlayer> {};
