#include "soccerclasses/contractclause.h"

#include "soccerclasses/gamefile.h"

CContractClauseList::~CContractClauseList() { RemoveAll(); }

void CContractClauseList::RemoveAll() {
    while (!clauses_.empty()) clauses_.pop_back();
}

CContractClause* CContractClauseList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return clauses_[static_cast<size_t>(i)].get();
}

void CContractClauseList::Add(uint32_t player, uint8_t percentage, uint32_t club) {
    clauses_.push_back(std::make_unique<CContractClause>(player, percentage, club));
}

void CContractClauseList::RemovePlayerClauses(uint32_t player) {
    for (int i = GetSize() - 1; i >= 0; --i)
        if (clauses_[static_cast<size_t>(i)]->m_Player == player) clauses_.erase(clauses_.begin() + i);
}

CContractClause* CContractClauseList::Find(uint32_t player) const {
    for (const auto& c : clauses_)
        if (c->m_Player == player) return c.get();
    return nullptr;
}

void CContractClauseList::SwapClubIndexes(uint32_t a, uint32_t b) {
    for (const auto& c : clauses_) {
        if (c->m_Club == a)
            c->m_Club = b;
        else if (c->m_Club == b)
            c->m_Club = a;
    }
}

void CContractClauseList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& c : clauses_) {
        SaveUInt32(f, c->m_Player);
        SaveByte(f, c->m_Percentage);
        SaveUInt32(f, c->m_Club);
    }
}

void CContractClauseList::Load(FILE* f) {
    RemoveAll();
    const int32_t n = LoadCount(f, 9);
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        uint32_t player = LoadUInt32(f);
        uint8_t percentage = LoadByte(f);
        uint32_t club = LoadUInt32(f);
        Add(player, percentage, club);
    }
    if (GameFileDamaged()) RemoveAll();
}
