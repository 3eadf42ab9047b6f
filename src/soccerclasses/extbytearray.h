#pragma once
// Least form of the byte array until the world's lands.
#include <cstdint>
#include <cstdio>
#include <vector>

class CExtByteArray : public std::vector<uint8_t> {
public:
    void Save(FILE* file) const;
    void Load(FILE* file);
    int GetSize() const { return static_cast<int>(size()); }
    uint8_t GetAt(int i) const { return at(static_cast<size_t>(i)); }
    void SetSizeAndFill(int n, uint8_t v) { assign(static_cast<size_t>(n), v); }
};
