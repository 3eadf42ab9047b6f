#pragma once
// The youth job market of a country followed in detail. The people code
// fills it; until then it is an empty market that saves as one.
#include <cstdio>

class CAvailableYouthList {
public:
    int GetSize() const { return 0; }
    // int32 count, then the entries.
    void Save(FILE* file) const;
    void Load(FILE* file);
};
