#pragma once
// The model's lists of objects: each list owns its elements, and other code
// refers to them by index, as the files do. GetAt gives NULL outside the list.
#include <memory>
#include <vector>

template <class T>
class OwningList {
public:
    OwningList() = default;
    virtual ~OwningList() = default;
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;
    OwningList(OwningList&&) = default;
    OwningList& operator=(OwningList&&) = default;

    int GetSize() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    T* GetAt(int i) const {
        return i >= 0 && i < GetSize() ? items_[static_cast<size_t>(i)].get() : nullptr;
    }
    T* operator[](int i) const { return GetAt(i); }

    int Add(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return GetSize() - 1;
    }
    int Add(T* item) { return Add(std::unique_ptr<T>(item)); }
    void InsertAt(int i, std::unique_ptr<T> item) { items_.insert(items_.begin() + i, std::move(item)); }
    // Deletes the element.
    void RemoveAt(int i) { items_.erase(items_.begin() + i); }
    // Hands the element over without deleting it.
    std::unique_ptr<T> Detach(int i) {
        std::unique_ptr<T> item = std::move(items_.at(static_cast<size_t>(i)));
        items_.erase(items_.begin() + i);
        return item;
    }
    std::unique_ptr<T> TakeLast() {
        if (items_.empty()) return nullptr;
        std::unique_ptr<T> item = std::move(items_.back());
        items_.pop_back();
        return item;
    }
    void RemoveAll() { items_.clear(); }
    int IndexOf(const T* item) const {
        for (int i = 0; i < GetSize(); ++i)
            if (items_[static_cast<size_t>(i)].get() == item) return i;
        return -1;
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};
