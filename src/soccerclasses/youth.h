#pragma once
// A club's youth squad. Least form for the club code; the people code owns it.
#include <cstdint>
#include <cstdio>

class CYouthList {
public:
    int GetSize() const { return 0; }
    void Save(FILE* f) const;
    void Load(FILE* f);
};
