#include "soccerclasses/transferhistory.h"

#include "soccerclasses/gamefile.h"

void CTransferHistoryList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& t : m_Items) {
        t->m_Player.Save(f);
        t->m_FromClub.Save(f);
        SaveDouble(f, t->m_Fee);
        SaveInt32(f, t->m_PlayerIndex);
        t->m_ToClub.Save(f);
    }
}

void CTransferHistoryList::Load(FILE* f) {
    m_Items.clear();
    int32_t n = LoadCount(f, 24);
    for (int32_t i = 0; i < n; ++i) {
        auto t = std::make_unique<CTransferHistory>();
        t->m_Player.Load(f);
        t->m_FromClub.Load(f);
        t->m_Fee = LoadDouble(f);
        t->m_PlayerIndex = LoadInt32(f);
        t->m_ToClub.Load(f);
        m_Items.push_back(std::move(t));
    }
}

void CPlayerTransferHistoryList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& t : m_Items) {
        t->m_Date.Save(f);
        SaveDouble(f, t->m_Fee);
        t->m_Club.Save(f);
    }
}

void CPlayerTransferHistoryList::Load(FILE* f) {
    m_Items.clear();
    int32_t n = LoadCount(f, 16);
    for (int32_t i = 0; i < n; ++i) {
        auto t = std::make_unique<CPlayerTransferHistory>();
        t->m_Date.Load(f);
        t->m_Fee = LoadDouble(f);
        t->m_Club.Load(f);
        m_Items.push_back(std::move(t));
    }
}
