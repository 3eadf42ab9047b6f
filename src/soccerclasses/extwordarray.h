#pragma once
// The 16-bit array of the record format.
#include <cstdint>
#include <cstdio>

#include "soccerclasses/valuearray.h"

class CExtWordArray : public ValueArray<uint16_t> {
public:
    using ValueArray::ValueArray;

    void Save(FILE* file) const;
    void Load(FILE* file);
    void Copy(const CExtWordArray& other);
    void Fill(uint16_t v);
    void SetSizeAndFill(int n, uint16_t v);
    int Find(uint16_t v, int start = 0) const;
};
