#include "soccerclasses/extbytearray.h"

#include <cassert>

#include "soccerclasses/arrayfield.h"
#include "soccerclasses/globals.h"

void CExtByteArray::Save(FILE* file) const { arrayfield::Save(file, *this); }
void CExtByteArray::Load(FILE* file) { arrayfield::Load(file, *this); }
void CExtByteArray::LoadFixed(FILE* file, int n) { arrayfield::LoadFixed(file, *this, n); }

void CExtByteArray::SetSizeAndFill(int n, uint8_t v) {
    v_.assign(n > 0 ? static_cast<size_t>(n) : 0, v);
}

void CExtByteArray::FillFrom(uint8_t v, int start) {
    for (int i = std::max(start, 0); i < GetSize(); ++i) v_[i] = v;
}

void CExtByteArray::FillRange(uint8_t v, int start, int count) {
    int end = std::min(start + count, GetSize());
    for (int i = std::max(start, 0); i < end; ++i) v_[i] = v;
}

void CExtByteArray::AddWithoutOverflow(uint8_t v, int start) {
    for (int i = std::max(start, 0); i < GetSize(); ++i)
        if (v_[i] + v <= 255) v_[i] = static_cast<uint8_t>(v_[i] + v);
}

void CExtByteArray::SubtractWithoutUnderflow(uint8_t v, int start) {
    for (int i = std::max(start, 0); i < GetSize(); ++i)
        if (v_[i] >= v) v_[i] = static_cast<uint8_t>(v_[i] - v);
}

void CExtByteArray::DecrementNonZero() {
    for (auto& b : v_)
        if (b > 0) --b;
}

void CExtByteArray::Swap(int i, int j) { std::swap(v_.at(i), v_.at(j)); }

int CExtByteArray::Find(uint8_t v, int start) const {
    for (int i = std::max(start, 0); i < GetSize(); ++i)
        if (v_[i] == v) return i;
    return -1;
}

int CExtByteArray::FindSmallestAtLeast(uint8_t v) const {
    int best = -1;
    for (int i = 0; i < GetSize(); ++i)
        if (v_[i] >= v && (best < 0 || v_[i] < v_[best])) best = i;
    return best;
}

int CExtByteArray::RandomIndexOf(uint8_t v) const {
    if (Find(v) < 0) return -1;
    for (;;) {
        int j = Random(GetSize() - 1);
        if (v_[j] == v) return j;
    }
}

int CExtByteArray::Sum() const {
    int s = 0;
    for (uint8_t b : v_) s += b;
    return s;
}

int CExtByteArray::IndexOfRunningSum(int v) const {
    int s = 0;
    for (int i = 0; i < GetSize(); ++i) {
        s += v_[i];
        if (s >= v) return i;
    }
    return GetSize();
}

uint8_t CExtByteArray::AverageNonZero(uint8_t n) const {
    int count = n == 0 ? GetSize() % 256 : n;
    count = std::min(count, GetSize());
    int sum = 0, nonZero = 0;
    for (int i = 0; i < count; ++i)
        if (v_[i] > 0) {
            sum += v_[i];
            ++nonZero;
        }
    return nonZero ? static_cast<uint8_t>(sum / nonZero) : 0;
}

int CExtByteArray::CountBetweenZeroAnd(uint8_t v) const {
    int c = 0;
    for (uint8_t b : v_)
        if (b > 0 && b < v) ++c;
    return c;
}

int CExtByteArray::CountZero() const { return Count(0); }

int CExtByteArray::Count(uint8_t v) const {
    int c = 0;
    for (uint8_t b : v_)
        if (b == v) ++c;
    return c;
}
