#include "soccerclasses/availableyouth.h"

#include "soccerclasses/gamefile.h"

void CAvailableYouthList::Save(FILE* file) const { SaveInt32(file, GetSize()); }

void CAvailableYouthList::Load(FILE* file) {
    // Entries cannot be read until the people code knows their record.
    if (LoadCount(file, 1) != 0) MarkGameFileDamaged("youth market entries");
}
