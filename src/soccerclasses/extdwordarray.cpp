#include "soccerclasses/extdwordarray.h"

#include <algorithm>

#include "soccerclasses/gamefile.h"

void CExtDWordArray::Save(FILE* file) const {
    SaveInt32(file, static_cast<int32_t>(size()));
    for (uint32_t v : *this) SaveUInt32(file, v);
}

void CExtDWordArray::Load(FILE* file) {
    int32_t n = LoadCount(file, 4);
    clear();
    for (int32_t i = 0; i < n; ++i) push_back(LoadUInt32(file));
}
