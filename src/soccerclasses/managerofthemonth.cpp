#include "soccerclasses/managerofthemonth.h"

#include "soccerclasses/gamefile.h"

void CManagerOfTheMonthList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& r : *this) {
        r->m_Month.Save(f);
        r->m_Manager.Save(f);
        r->m_Club.Save(f);
    }
}

void CManagerOfTheMonthList::Load(FILE* f) {
    int32_t n = LoadCount(f, 12);
    while (GetSize() > n) RemoveAt(GetSize() - 1);
    while (GetSize() < n) Add(std::make_unique<CManagerOfTheMonth>());
    for (const auto& r : *this) {
        r->m_Month.Load(f);
        r->m_Manager.Load(f);
        r->m_Club.Load(f);
    }
}
