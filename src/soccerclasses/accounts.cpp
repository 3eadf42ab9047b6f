#include "soccerclasses/accounts.h"

#include <cassert>

#include "platform/stringtable.h"
#include "soccerclasses/clubfile.h"

using namespace clubfile;

namespace {
constexpr uint32_t kCategoryNames[CAccountsItemList::kItems] = {379, 381, 382, 383, 384, 385, 386, 387, 388,
                                                                 389, 390, 391, 392, 393, 394, 748, 945};
}

CAccountsItemList::CAccountsItemList() {
    for (int i = 0; i < kItems; ++i) items_[static_cast<size_t>(i)].category = static_cast<uint8_t>(i);
}

uint32_t CAccountsItemList::GetCategoryName(int category) { return kCategoryNames[category]; }
std::string CAccountsItemList::StatementName(uint32_t id) { return platform::LoadString(id); }

void CAccountsItemList::AddToItem(int category, double amount) {
    assert(category >= 0 && category < kItems);
    if (category < 0 || category >= kItems) return;
    items_[static_cast<size_t>(category)].weekFigure += amount;
    items_[static_cast<size_t>(category)].seasonFigure += amount;
}

void CAccountsItemList::ResetWeek() {
    for (auto& i : items_) i.weekFigure = 0.0;
}

void CAccountsItemList::ResetSeason() {
    for (auto& i : items_) i.seasonFigure = 0.0;
}

double CAccountsItemList::GetSeasonFigure(int category) const { return items_.at(static_cast<size_t>(category)).seasonFigure; }
double CAccountsItemList::GetWeekFigure(int category) const { return items_.at(static_cast<size_t>(category)).weekFigure; }

int CAccountsItemList::CountIncomeItems() const {
    int n = 0;
    for (const auto& i : items_) n += i.income != 0;
    return n;
}

int CAccountsItemList::CountExpenditureItems() const { return kItems - CountIncomeItems(); }

const CAccountsItem* CAccountsItemList::NthItem(int n, bool income) const {
    for (const auto& i : items_)
        if ((i.income != 0) == income && n-- == 0) return &i;
    return nullptr;
}

uint32_t CAccountsItemList::GetIncomeItemName(int n) const {
    const CAccountsItem* i = NthItem(n, true);
    assert(i);
    return i ? kCategoryNames[i->category] : 0;
}

uint32_t CAccountsItemList::GetExpenditureItemName(int n) const {
    const CAccountsItem* i = NthItem(n, false);
    assert(i);
    return i ? kCategoryNames[i->category] : 0;
}

void CAccountsItemList::CopyOut(double* out, bool income, bool season) const {
    assert(out);
    for (const auto& i : items_)
        if ((i.income != 0) == income) *out++ = season ? i.seasonFigure : i.weekFigure;
}

void CAccountsItemList::GetWeekIncome(double* out) const { CopyOut(out, true, false); }
void CAccountsItemList::GetWeekExpenditure(double* out) const { CopyOut(out, false, false); }
void CAccountsItemList::GetSeasonIncome(double* out) const { CopyOut(out, true, true); }
void CAccountsItemList::GetSeasonExpenditure(double* out) const { CopyOut(out, false, true); }

void CAccountsItemList::Save(FILE* f) const {
    for (const auto& i : items_) {
        PutU8(f, i.category);
        PutF64(f, i.weekFigure);
        PutF64(f, i.seasonFigure);
        PutU8(f, i.income);
    }
}

void CAccountsItemList::Load(FILE* f) {
    for (auto& i : items_) {
        i.category = GetU8(f);
        i.weekFigure = GetF64(f);
        i.seasonFigure = GetF64(f);
        i.income = GetU8(f);
    }
}
