#include "soccerclasses/availableyouth.h"

#include "platform/stringtable.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/club.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

namespace {

// The position of a random existing player of the country; any position
// when the country has none.
int RandomPositionOf(const CCountry& country) {
    const CPlayer* p = country.GetRandomPlayer();
    return p ? p->GetPosition() : Random(3);
}

}  // namespace

void CAvailableYouth::Generate(const CCountry& country, const CPopularity& row, uint8_t entry) {
    m_Person.InitRandomYoungster(country);
    m_Football.Reset();
    m_Football.GenerateForCountry(m_Person.GetAge(), RandomPositionOf(country), row, entry);
    m_WeeksOnMarket = 0;
}

void CAvailableYouth::Save(FILE* f) const {
    m_Person.Save(f);
    m_Football.Save(f);
    SaveByte(f, m_WeeksOnMarket);
}

void CAvailableYouth::Load(FILE* f) {
    m_Person.Load(f);
    m_Football.Load(f);
    m_WeeksOnMarket = LoadByte(f);
}

CAvailableYouth* CAvailableYouthList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return entries_[static_cast<size_t>(i)].get();
}

void CAvailableYouthList::Update(const CCountry& country, const CPopularity& row, uint8_t level,
                                 uint8_t youthDevelopment) {
    for (size_t i = 0; i < entries_.size();) {
        CAvailableYouth& y = *entries_[i];
        if (y.m_WeeksOnMarket < 6 && Random(4) != 3) {
            ++y.m_WeeksOnMarket;
            y.m_Football.TrainAvailableYouth(y.m_Person.GetAge(), youthDevelopment);
            ++i;
            continue;
        }
        if (Random(4) != 2) {
            auto fresh = std::make_unique<CAvailableYouth>();
            fresh->Generate(country, row, level);
            entries_[i] = std::move(fresh);
            ++i;
        } else {
            entries_.erase(entries_.begin() + static_cast<long>(i));
        }
    }
    if (GetSize() < kRefillBelow) {
        const int add = Random(26 - GetSize());
        for (int k = 0; k < add; ++k) {
            auto y = std::make_unique<CAvailableYouth>();
            y->Generate(country, row, level);
            entries_.push_back(std::move(y));
        }
    }
}

void CAvailableYouthList::EndOfSeason() {
    for (size_t i = 0; i < entries_.size();) {
        entries_[i]->m_Person.EndSeason();
        if (entries_[i]->m_Person.GetAge() >= 19)
            entries_.erase(entries_.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

void CAvailableYouthList::RemoveAt(int i) {
    if (i >= 0 && i < GetSize()) entries_.erase(entries_.begin() + i);
}

int CAvailableYouthList::FindIndex(const CAvailableYouth* y) const {
    for (int i = 0; i < GetSize(); ++i)
        if (entries_[static_cast<size_t>(i)].get() == y) return i;
    return 0xFFFF;
}

void CAvailableYouthList::FillList(CListRows& list) const {
    list.ResetContent();
    CWorldData* w = GetWorldData();
    for (int i = 0; i < GetSize(); ++i) {
        const CAvailableYouth& y = *entries_[static_cast<size_t>(i)];
        const CSoccerPlayer& f = y.m_Football;
        const int row = list.AddRow(y.m_Person.GetName(), 0, reinterpret_cast<uintptr_t>(&y), static_cast<uintptr_t>(i));
        int col = 1;
        list.SetItemNumber(row, col++, y.m_Person.GetAge());
        list.SetItem(row, col++, platform::LoadString(f.GetPositionLetterId()));
        for (int v : {int(f.m_Ability), int(f.m_Handling), int(f.m_Tackling), int(f.m_Passing), int(f.m_Dribbling),
                      int(f.m_Shooting), int(f.m_Heading), int(f.m_Pace), int(f.m_Strength), int(f.m_Flair)})
            list.SetItemNumber(row, col++, v);
        if (w) list.SetRowColour(row, w->GetListColour(f.GetPosition()));
    }
}

void CAvailableYouthList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& y : entries_) y->Save(f);
}

void CAvailableYouthList::Load(FILE* f) {
    const int32_t n = LoadCount(f, 100);
    while (GetSize() > n) entries_.pop_back();
    while (GetSize() < n) entries_.push_back(std::make_unique<CAvailableYouth>());
    for (const auto& y : entries_) {
        if (GameFileDamaged()) break;
        y->Load(f);
    }
    if (GameFileDamaged()) entries_.clear();
}
