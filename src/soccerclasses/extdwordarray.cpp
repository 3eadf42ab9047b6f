#include "soccerclasses/extdwordarray.h"

#include <set>

#include "soccerclasses/arrayfield.h"
#include "soccerclasses/globals.h"

void CExtDWordArray::Save(FILE* file) const { arrayfield::Save(file, *this); }
void CExtDWordArray::Load(FILE* file) { arrayfield::Load(file, *this); }
void CExtDWordArray::LoadFixed(FILE* file, int n) { arrayfield::LoadFixed(file, *this, n); }
void CExtDWordArray::SaveFixed(FILE* file) const { arrayfield::SaveElements(file, *this); }

void CExtDWordArray::Copy(const CExtDWordArray& other) { v_ = other.v_; }
void CExtDWordArray::Fill(uint32_t v) { v_.assign(v_.size(), v); }
void CExtDWordArray::SetSizeAndFill(int n, uint32_t v) { v_.assign(n > 0 ? static_cast<size_t>(n) : 0, v); }

void CExtDWordArray::FillFrom(uint32_t v, int start) {
    for (int i = std::max(start, 0); i < GetSize(); ++i) v_[i] = v;
}

void CExtDWordArray::AddFrom(uint32_t v, int start) {
    for (int i = std::max(start, 0); i < GetSize(); ++i) v_[i] += v;
}

void CExtDWordArray::Swap(int i, int j) { std::swap(v_.at(i), v_.at(j)); }

int CExtDWordArray::Find(uint32_t v, int start) const {
    for (int i = std::max(start, 0); i < GetSize(); ++i)
        if (v_[i] == v) return i;
    return -1;
}

int CExtDWordArray::FindSmallestAtLeast(uint32_t v) const {
    int best = -1;
    for (int i = 0; i < GetSize(); ++i)
        if (v_[i] >= v && (best < 0 || v_[i] <= v_[best])) best = i;
    return best;
}

uint32_t CExtDWordArray::Max() const {
    uint32_t m = 0;
    for (uint32_t e : v_) m = std::max(m, e);
    return m;
}

bool CExtDWordArray::HasDuplicates() const {
    std::set<uint32_t> seen;
    for (uint32_t e : v_)
        if (!seen.insert(e).second) return true;
    return false;
}

void CExtDWordArray::Shuffle() {
    int n = GetSize();
    for (int i = 0; i < n; ++i)
        if (n > 1) Swap(i, Random(n - 1));
}

void CExtDWordArray::ShuffleRange(int a, int b) {
    if (a < 0 || a >= b || b >= GetSize()) return;
    int d = b - a;
    for (int i = a; i <= b; ++i)
        if (d > 1) Swap(i, a + Random(d));
}

uint32_t CExtDWordArray::GetRandomElement() const {
    if (v_.empty()) return kNone;
    if (v_.size() == 1) return v_[0];
    return v_[Random(GetSize() - 1)];
}

int CExtDWordArray::RandomIndex() const { return GetSize() < 2 ? 0 : Random(GetSize() - 1); }

void CExtDWordArray::RemoveEach(const CExtDWordArray& other) {
    for (uint32_t e : other.v_) {
        int at = Find(e);
        if (at >= 0) RemoveAt(at);
    }
}

void CExtDWordArray::TakeLast(CExtDWordArray& other, int n) {
    for (int k = 0; k < n && !other.v_.empty(); ++k) {
        v_.push_back(other.v_.back());
        other.v_.pop_back();
    }
}

void CExtDWordArray::CopyInRange(uint32_t low, uint32_t high, CExtDWordArray& out) const {
    for (uint32_t e : v_)
        if (low <= e && e <= high) out.v_.push_back(e);
}
