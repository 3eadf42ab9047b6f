#pragma once
// A small list of (index, value) pairs, sorted by value for rankings.
#include <cstddef>
#include <cstdint>
#include <vector>

class CIndexedIntArray {
public:
    struct Pair {
        int32_t index;
        int32_t value;
    };

    void Add(int32_t index, int32_t value) { pairs_.push_back({index, value}); }
    int GetSize() const { return static_cast<int>(pairs_.size()); }
    int32_t GetIndexAt(int i) const { return pairs_.at(static_cast<size_t>(i)).index; }
    int32_t GetValueAt(int i) const { return pairs_.at(static_cast<size_t>(i)).value; }
    void RemoveAll() { pairs_.clear(); }
    // Largest value first; equal values keep their order.
    void SortDescending();

private:
    std::vector<Pair> pairs_;
};
