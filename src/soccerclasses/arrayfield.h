#pragma once
// The array fields of the record format: an int32 count, then the elements,
// little-endian. One array's data stays below one channel block.
#include <cstdint>
#include <cstring>
#include <vector>

#include "soccerclasses/gamefile.h"
#include "soccerclasses/valuearray.h"

namespace arrayfield {

template <class T>
void SaveElements(FILE* file, const ValueArray<T>& a) {
    std::vector<uint8_t> bytes(a.GetSize() * sizeof(T));
    for (int i = 0; i < a.GetSize(); ++i) {
        uint64_t v = a.GetAt(i);
        for (size_t b = 0; b < sizeof(T); ++b) bytes[i * sizeof(T) + b] = static_cast<uint8_t>(v >> (8 * b));
    }
    if (!bytes.empty()) WriteGameFile(bytes.data(), 1, bytes.size(), file);
}

template <class T>
void LoadElements(FILE* file, ValueArray<T>& a, int n) {
    a.SetSize(n);
    std::vector<uint8_t> bytes(static_cast<size_t>(n) * sizeof(T));
    if (!bytes.empty()) ReadGameFile(bytes.data(), bytes.size(), file);
    for (int i = 0; i < n; ++i) {
        uint64_t v = 0;
        for (size_t b = 0; b < sizeof(T); ++b) v |= uint64_t(bytes[i * sizeof(T) + b]) << (8 * b);
        a.SetAt(i, static_cast<T>(v));
    }
}

template <class T>
bool FitsOneBlock(int64_t n) {
    return n >= 0 && static_cast<uint64_t>(n) * sizeof(T) < kGameFileBlock;
}

template <class T>
void Save(FILE* file, const ValueArray<T>& a) {
    if (!FitsOneBlock<T>(a.GetSize())) {
        // No reader would take it back; the whole write is reported failed.
        MarkGameFileDamaged("array too large to save");
        SaveInt32(file, 0);
        return;
    }
    SaveInt32(file, a.GetSize());
    SaveElements(file, a);
}

template <class T>
void Load(FILE* file, ValueArray<T>& a) {
    a.RemoveAll();
    int32_t n = LoadCount(file, sizeof(T));
    if (!FitsOneBlock<T>(n)) {
        MarkGameFileDamaged("array count");
        return;
    }
    LoadElements(file, a, n);
}

template <class T>
void LoadFixed(FILE* file, ValueArray<T>& a, int n) {
    if (n < 0) n = 0;
    if (static_cast<uint64_t>(n) * sizeof(T) > GameFileBytesLeft()) {
        MarkGameFileDamaged("fixed array past the end");
        a.RemoveAll();
        return;
    }
    LoadElements(file, a, n);
}

}  // namespace arrayfield
