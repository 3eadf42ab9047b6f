#pragma once
// Least form of the 32-bit array until the world's lands.
#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <vector>

class CExtDWordArray : public std::vector<uint32_t> {
public:
    void Save(FILE* file) const;
    void Load(FILE* file);
    int GetSize() const { return static_cast<int>(size()); }
    uint32_t GetAt(int i) const { return at(static_cast<size_t>(i)); }
    void Add(uint32_t v) { push_back(v); }
    void SetSizeAndFill(int n, uint32_t v) { assign(static_cast<size_t>(n), v); }
    void Fill(uint32_t v) { std::fill(begin(), end(), v); }
};
