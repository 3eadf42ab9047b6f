#include "soccerclasses/managerofthemonth.h"

#include "soccerclasses/gamefile.h"
#include "soccerclasses/listrows.h"

const CManagerOfTheMonth* CManagerOfTheMonthList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return rows_[static_cast<size_t>(i)].get();
}

void CManagerOfTheMonthList::Add(const std::string& month, const std::string& manager,
                                 const std::string& club) {
    auto row = std::make_unique<CManagerOfTheMonth>();
    row->m_Month = month;
    row->m_Manager = manager;
    row->m_Club = club;
    rows_.push_back(std::move(row));
}

void CManagerOfTheMonthList::RemoveAll() {
    while (!rows_.empty()) rows_.pop_back();
}

void CManagerOfTheMonthList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& r : rows_) {
        r->m_Month.Save(f);
        r->m_Manager.Save(f);
        r->m_Club.Save(f);
    }
}

void CManagerOfTheMonthList::Load(FILE* f) {
    const int32_t n = LoadCount(f, 12);
    while (GetSize() > n) rows_.pop_back();
    while (GetSize() < n) rows_.push_back(std::make_unique<CManagerOfTheMonth>());
    for (auto& r : rows_) {
        r->m_Month.Load(f);
        r->m_Manager.Load(f);
        r->m_Club.Load(f);
    }
    if (GameFileDamaged()) RemoveAll();
}

void CManagerOfTheMonthList::FillList(CListRows& list) const {
    for (const auto& r : rows_) {
        const int row = list.AddRow(r->m_Month, 0, 0, 0);
        list.SetItem(row, 1, r->m_Manager);
        list.SetItem(row, 2, r->m_Club);
        list.SetRowColour(row, 16777215u);
    }
}
