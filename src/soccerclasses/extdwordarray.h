#pragma once
// The 32-bit array of the record format. Elements are unsigned; -1 stands
// for all bits set.
#include <cstdint>
#include <cstdio>

#include "soccerclasses/valuearray.h"

class CExtDWordArray : public ValueArray<uint32_t> {
public:
    using ValueArray::ValueArray;
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    void Save(FILE* file) const;
    void Load(FILE* file);
    void LoadFixed(FILE* file, int n);
    // Fixed arrays are written without a count.
    void SaveFixed(FILE* file) const;

    void Copy(const CExtDWordArray& other);
    void Fill(uint32_t v);
    void SetSizeAndFill(int n, uint32_t v);
    void FillFrom(uint32_t v, int start);
    void AddFrom(uint32_t v, int start);
    void Swap(int i, int j);
    int Find(uint32_t v, int start = 0) const;
    int FindSmallestAtLeast(uint32_t v) const;
    uint32_t Max() const;
    bool HasDuplicates() const;
    void Shuffle();
    void ShuffleRange(int a, int b);
    uint32_t GetRandomElement() const;
    int RandomIndex() const;
    void RemoveEach(const CExtDWordArray& other);
    void TakeLast(CExtDWordArray& other, int n);
    void CopyInRange(uint32_t low, uint32_t high, CExtDWordArray& out) const;
};
