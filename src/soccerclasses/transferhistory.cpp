#include "soccerclasses/transferhistory.h"

#include "platform/stringtable.h"
#include "soccerclasses/country.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {
std::string Money(const CCountry* country, double amount) {
    std::string out;
    if (country) country->FormatMoney(out, amount);
    else out = std::to_string(static_cast<long long>(amount));
    return out;
}
constexpr unsigned kFreeTransferText = 63040;  // "Free Transfer"
constexpr unsigned kFreeText = 834;            // "FREE"
}  // namespace

std::string CTransferHistory::GetFeeText(const CCountry* country) const {
    return IsFree() ? platform::LoadString(kFreeTransferText) : Money(country, m_Fee);
}

void CTransferHistory::AddToList(CListRows& rows, const CCountry* country) const {
    uintptr_t data = 0;
    if (CWorldData* w = GetWorldData())
        if (const CPlayer* p = w->GetPlayer(m_PlayerIndex); p && p->Person().GetName() == m_Player)
            data = reinterpret_cast<uintptr_t>(p);
    int row = rows.AddRow("", 0, data, 0);
    rows.SetRowColour(row, 0xFFFFFF);
    rows.SetItem(row, 0, m_ToClub, 0, data, 0);
    rows.SetItem(row, 1, m_Player);
    rows.SetItem(row, 2, m_FromClub);
    rows.SetItem(row, 3, GetFeeText(country));
}

void CPlayerTransferHistoryList::FillListControl(CListRows& rows, const CCountry* country) const {
    rows.ResetContent();
    for (const auto& t : m_Items) {
        int row = rows.AddRow("", 0, 0, 0);
        rows.SetItem(row, 0, t->m_Date);
        rows.SetItem(row, 1, t->m_Club);
        rows.SetItem(row, 2, t->m_Fee == 0 ? platform::LoadString(kFreeText) : Money(country, t->m_Fee));
        rows.SetRowColour(row, 0x0080FF);  // red 255, green 128, blue 0
    }
}

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
