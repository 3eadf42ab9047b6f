#include "soccerclasses/extbytearray.h"

#include "soccerclasses/gamefile.h"

void CExtByteArray::Save(FILE* file) const {
    SaveInt32(file, static_cast<int32_t>(size()));
    if (!empty()) WriteGameFile(data(), 1, size(), file);
}

void CExtByteArray::Load(FILE* file) {
    int32_t n = LoadCount(file, 1);
    assign(static_cast<size_t>(n), 0);
    if (n) ReadGameFile(data(), size(), file);
}
