#include "soccerclasses/transfernegotiation.h"

#include <vector>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kNoRoomText = 37000;
constexpr unsigned kProceedText = 37001;
constexpr unsigned kBlockedText = 37002;
constexpr unsigned kSignedElsewhereText = 37003;
constexpr unsigned kBreakOffButton = 37004;
constexpr unsigned kNegotiateButton = 940;
constexpr unsigned kPlayerInfoButton = 522;
constexpr int kPlayerInfoScreen = 60;
constexpr int kContractTalksScreen = 62;
constexpr int kAnswerPlayerInfo = 2;
constexpr int kFullSquad = 30;

const CPerson* NegotiationManagerFace(const CClub& club) {
    const CManager* m = club.GetManagerObject();
    return m ? &m->Person() : nullptr;
}

std::string NegotiationManagerName(const CClub& club) {
    const CManager* m = club.GetManagerObject();
    return m ? m->GetName() : std::string();
}

void NegotiationNotice(const std::string& text, const CPerson* face) {
    MessageBoxRequest r;
    r.text = text;
    r.type = kBoxNotice;
    r.person = face;
    GetUserPort().ShowMessageBox(r);
}

}  // namespace

void CTransferNegotiation::Decide(CClub& ownClub) {
    if (m_Days > 0) --m_Days;
    if (m_Days != 0) return;
    CWorldData* world = GetWorldData();
    CPlayer* player = world->GetPlayer(m_Player);
    if (!player) return;
    // Everything the boxes need is taken now: the screens can delete this bid.
    const int32_t fee = m_Fee;
    const uint8_t sellOn = m_Kind;
    const CClub* seller = world->GetClub(m_Club);
    // A player who has left the bid's club is no longer this deal's.
    if (seller && player->GetClub() != seller) return;
    const std::string sellerName = seller ? seller->GetName() : std::string();
    const std::string managerName = NegotiationManagerName(ownClub);
    const std::string playerName = player->GetName();
    if (static_cast<int>(ownClub.GetSquadSize()) >= kFullSquad) {
        NegotiationNotice(platform::FormatMessageId(kNoRoomText, {managerName, playerName, sellerName}),
                          NegotiationManagerFace(ownClub));
        return;
    }
    if (static_cast<double>(fee) > ownClub.GetBankBalance()) {
        NegotiationNotice(platform::FormatMessageId(kBlockedText, {managerName, playerName, sellerName}),
                          NegotiationManagerFace(ownClub));
        return;
    }
    std::string money;
    if (const CCountry* country = world->GetCurrentCountry()) country->FormatMoney(money, fee);
    else money = ownClub.FormatMoney(fee);
    const std::string question = platform::FormatMessageId(kProceedText, {managerName, playerName, sellerName, money});
    for (;;) {
        MessageBoxRequest r;
        r.text = question;
        r.type = kBoxThreeButtons;
        r.person = &player->Person();
        r.buttons = {platform::LoadString(kNegotiateButton), platform::LoadString(kBreakOffButton),
                     platform::LoadString(kPlayerInfoButton)};
        const int answer = GetUserPort().ShowMessageBox(r);
        if (answer == kAnswerPlayerInfo) {
            GetUserPort().RunScreenModal(kPlayerInfoScreen, player, 0, 0, 0);
            continue;
        }
        if (answer == kAnswerYes) GetUserPort().RunScreenModal(kContractTalksScreen, player, fee, 0, sellOn);
        return;
    }
}

void CTransferNegotiationList::Add(int32_t player, int32_t fee, int32_t club, uint8_t kind, uint8_t days) {
    auto bid = std::make_unique<CTransferNegotiation>(player, fee, club, kind, days);
    bid->m_Serial = m_NextSerial++;
    OwningList::Add(std::move(bid));
}

int CTransferNegotiationList::FindSerial(uint32_t serial) const {
    for (int i = 0; i < GetSize(); ++i)
        if (GetAt(i)->m_Serial == serial) return i;
    return -1;
}

void CTransferNegotiationList::ProcessAll(CClub& ownClub) {
    std::vector<uint32_t> serials;
    for (const auto& bid : *this) serials.push_back(bid->m_Serial);
    for (auto it = serials.rbegin(); it != serials.rend(); ++it) {
        int i = FindSerial(*it);
        if (i < 0) continue;  // cancelled while an earlier bid was on screen
        GetAt(i)->Decide(ownClub);
        i = FindSerial(*it);
        if (i >= 0 && GetAt(i)->m_Days == 0) RemoveAt(i);
    }
}

void CTransferNegotiationList::CancelForPlayer(int32_t player, const CClub* buyer, const CClub* ownClub) {
    if (!ownClub || buyer == ownClub || !HasPlayerIndex(player)) return;
    CWorldData* world = GetWorldData();
    const CPlayer* p = world->GetPlayer(player);
    const std::string text = platform::FormatMessageId(
        kSignedElsewhereText,
        {NegotiationManagerName(*ownClub), p ? p->GetName() : std::string(), buyer ? buyer->GetName() : std::string()});
    NegotiationNotice(text, NegotiationManagerFace(*ownClub));
    for (int i = GetSize() - 1; i >= 0; --i)
        if (GetAt(i)->m_Player == player) RemoveAt(i);
}

void CTransferNegotiationList::SwapClubs(int32_t a, int32_t b) {
    for (const auto& bid : *this) {
        if (bid->m_Club == a) bid->m_Club = b;
        else if (bid->m_Club == b) bid->m_Club = a;
    }
}

bool CTransferNegotiationList::HasPlayerIndex(int32_t player) const {
    for (const auto& bid : *this)
        if (bid->m_Player == player) return true;
    return false;
}

bool CTransferNegotiationList::HasPlayer(const CPlayer* player) const {
    if (!player) return false;
    CWorldData* world = GetWorldData();
    for (const auto& bid : *this)
        if (world->GetPlayer(bid->m_Player) == player) return true;
    return false;
}

void CTransferNegotiationList::FillList(CListRows& list, const CClub* moneyClub) const {
    list.ResetContent();
    CWorldData* world = GetWorldData();
    const CCountry* country = moneyClub ? moneyClub->GetCountry() : nullptr;
    for (const auto& bid : *this) {
        CPlayer* player = world->GetPlayer(bid->m_Player);
        const CClub* club = world->GetClub(bid->m_Club);
        const int row = list.AddRow(player ? player->GetName() : std::string(), 0,
                                    reinterpret_cast<uintptr_t>(player), 0);
        list.SetItem(row, 1, club ? club->GetName() : std::string());
        std::string money;
        if (country) country->FormatMoney(money, bid->m_Fee);
        else money = platform::StrPrintf("%d", bid->m_Fee);
        list.SetItem(row, 2, money);
        list.SetItem(row, 3, world->GetFutureDateText(bid->m_Days));
        if (player) list.SetRowColour(row, world->GetListColour(player->GetPosition()));
    }
}

void CTransferNegotiationList::Save(FILE* file) const {
    SaveInt32(file, GetSize());
    for (const auto& bid : *this) {
        SaveInt32(file, bid->m_Player);
        SaveInt32(file, bid->m_Fee);
        SaveInt32(file, bid->m_Club);
        SaveByte(file, bid->m_Kind);
        SaveByte(file, bid->m_Days);
    }
}

void CTransferNegotiationList::Load(FILE* file) {
    RemoveAll();
    const int32_t n = LoadCount(file, 14);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t player = LoadInt32(file);
        const int32_t fee = LoadInt32(file);
        const int32_t club = LoadInt32(file);
        const uint8_t kind = LoadByte(file);
        const uint8_t days = LoadByte(file);
        Add(player, fee, club, kind, days);
    }
}
