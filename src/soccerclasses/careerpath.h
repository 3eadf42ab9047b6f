#pragma once
// Career paths ("Data\\CareerPaths.bin"); the people code reads them.
#include "soccerclasses/owninglist.h"

class CSoccerPlayerCareerPath {};
class CSoccerPlayerCareerPathList : public OwningList<CSoccerPlayerCareerPath> {};
