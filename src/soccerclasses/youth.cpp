#include "soccerclasses/youth.h"

#include "soccerclasses/clubfile.h"
#include "soccerclasses/globals.h"

void CYouthList::Save(FILE* f) const { clubfile::PutI32(f, 0); }
void CYouthList::Load(FILE* f) {
    if (clubfile::GetI32(f) != 0) MarkGameFileDamaged("list count");
}
