#pragma once
// The byte array of the record format, the model's container for small
// counters, flags and schedules.
#include <cstdint>
#include <cstdio>

#include "soccerclasses/valuearray.h"

class CExtByteArray : public ValueArray<uint8_t> {
public:
    using ValueArray::ValueArray;

    void Save(FILE* file) const;
    void Load(FILE* file);
    void LoadFixed(FILE* file, int n);

    void SetSizeAndFill(int n, uint8_t v);
    void FillFrom(uint8_t v, int start);
    void FillRange(uint8_t v, int start, int count);
    void AddWithoutOverflow(uint8_t v, int start);
    void SubtractWithoutUnderflow(uint8_t v, int start);
    void DecrementNonZero();
    void Swap(int i, int j);
    int Find(uint8_t v, int start = 0) const;
    int FindSmallestAtLeast(uint8_t v) const;
    // A random index holding v, drawn until one is hit; -1 without drawing
    // when no byte holds v.
    int RandomIndexOf(uint8_t v) const;
    int Sum() const;
    int IndexOfRunningSum(int v) const;
    uint8_t AverageNonZero(uint8_t n) const;
    int CountBetweenZeroAnd(uint8_t v) const;
    int CountZero() const;
    int Count(uint8_t v) const;
};
