#pragma once
// The world's contract clauses (people code).
#include "soccerclasses/owninglist.h"

class CContractClause {};
class CContractClauseList : public OwningList<CContractClause> {};
