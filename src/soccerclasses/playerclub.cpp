// A player's club as the world's squads hold it, and the texts about it.
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/worldlinks.h"

CClub* CPlayer::GetClub() const {
    CWorldData* w = GetWorldData();
    if (!w) return nullptr;
    const int index = w->GetPlayerList().FindIndex(this);
    if (index < 0 || index >= kNoPlayer) return nullptr;
    return w->GetClubList().FindClubOfPlayer(static_cast<uint16_t>(index));
}

CCountry* CPlayer::GetClubCountry() const {
    const CClub* club = GetClub();
    return club ? club->GetCountry() : nullptr;
}

std::string CPlayer::GetClubName() const {
    const CClub* club = GetClub();
    return club ? club->GetName() : std::string();
}

std::string CPlayer::GetClubNameConverted() const {
    const CClub* club = GetClub();
    return club ? club->GetNameConverted() : std::string();
}

int CPlayer::GetClubUser() const {
    const CClub* club = GetClub();
    if (!club || !club->IsHumanManaged()) return -1;
    const CUserList& users = GetWorldData()->GetUserList();
    for (int u = 0; u < CUserList::kSlots; ++u)
        if (users.GetAt(u)->GetManagerIndex() == club->GetManager()) return u;
    return -1;
}

void CPlayerList::FillList(CListRows& list, uint16_t extra, const std::vector<uint16_t>& ids,
                           const RowFiller& filler) const {
    for (int i = 0; i < GetSize(); ++i) {
        const CPlayer* p = GetAt(i);
        if (!p) continue;
        const size_t at = static_cast<size_t>(i);
        filler(*p, list, extra, at < ids.size() ? ids[at] : CPlayer::kNoPlayer);
    }
}
