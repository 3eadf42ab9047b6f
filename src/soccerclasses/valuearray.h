#pragma once
// The growable arrays of plain values that the model's byte, word and dword
// arrays are built on, with the element operations the game code uses.
#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class ValueArray {
public:
    using value_type = T;

    ValueArray() = default;
    ValueArray(std::initializer_list<T> values) : v_(values) {}
    virtual ~ValueArray() = default;
    ValueArray(const ValueArray&) = default;
    ValueArray& operator=(const ValueArray&) = default;

    int GetSize() const { return static_cast<int>(v_.size()); }
    bool IsEmpty() const { return v_.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }
    void SetSize(int n) { v_.resize(n > 0 ? static_cast<size_t>(n) : 0); }
    void RemoveAll() { v_.clear(); }

    T GetAt(int i) const { return v_.at(static_cast<size_t>(i)); }
    void SetAt(int i, T value) { v_.at(static_cast<size_t>(i)) = value; }
    T& operator[](int i) { return v_.at(static_cast<size_t>(i)); }
    T operator[](int i) const { return v_.at(static_cast<size_t>(i)); }
    T* GetData() { return v_.data(); }
    const T* GetData() const { return v_.data(); }

    int Add(T value) {
        v_.push_back(value);
        return GetSize() - 1;
    }
    void InsertAt(int i, T value, int count = 1) {
        v_.insert(v_.begin() + i, static_cast<size_t>(count), value);
    }
    void RemoveAt(int i, int count = 1) { v_.erase(v_.begin() + i, v_.begin() + i + count); }
    void Append(const ValueArray& other) { v_.insert(v_.end(), other.v_.begin(), other.v_.end()); }

    auto begin() { return v_.begin(); }
    auto end() { return v_.end(); }
    auto begin() const { return v_.begin(); }
    auto end() const { return v_.end(); }

    bool operator==(const ValueArray& o) const { return v_ == o.v_; }

protected:
    std::vector<T> v_;
};
