#include "soccerclasses/extwordarray.h"

#include "soccerclasses/arrayfield.h"

void CExtWordArray::Save(FILE* file) const { arrayfield::Save(file, *this); }
void CExtWordArray::Load(FILE* file) { arrayfield::Load(file, *this); }
void CExtWordArray::Copy(const CExtWordArray& other) { v_ = other.v_; }
void CExtWordArray::Fill(uint16_t v) { v_.assign(v_.size(), v); }
void CExtWordArray::SetSizeAndFill(int n, uint16_t v) { v_.assign(n > 0 ? static_cast<size_t>(n) : 0, v); }

int CExtWordArray::Find(uint16_t v, int start) const {
    for (int i = std::max(start, 0); i < GetSize(); ++i)
        if (v_[i] == v) return i;
    return -1;
}
