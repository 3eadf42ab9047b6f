#include "soccerclasses/availableemployee.h"

#include "soccerclasses/gamefile.h"

void CAvailableEmployeeList::Save(FILE* file) const { SaveInt32(file, GetSize()); }

void CAvailableEmployeeList::Load(FILE* file) {
    // Entries cannot be read until the people code knows their record.
    if (LoadCount(file, 1) != 0) MarkGameFileDamaged("employee market entries");
}
