#include "soccerclasses/peoplemessages.h"

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {

int IndexOf(const CClub& club) {
    CWorldData* w = GetWorldData();
    return w ? w->GetClubList().GetIndex(&club) : -1;
}

// The world's own club object, through which messages reach the human.
CClub* WorldClub(const CClub& club) {
    CWorldData* w = GetWorldData();
    return w ? w->GetClub(IndexOf(club)) : nullptr;
}

}  // namespace

void SendMessageToHuman(const CClub& club, int code, const std::string& t1, const std::string& t2,
                        const std::string& t3, int id) {
    if (!club.IsHumanManaged()) return;
    CClub* own = WorldClub(club);
    if (!own) return;
    if (code < 0)
        own->SendMessageToHuman(t1);
    else
        own->AddInboxMessage(static_cast<uint8_t>(code), t1, t2, t3, id);
}

void SendTextToHuman(const CClub& club, const std::string& text) { SendMessageToHuman(club, -1, text); }

void PostCountryNews(const CClub& club, const std::string& text) {
    if (CClub* own = WorldClub(club)) own->PostCountryNews(text);
}

void TellNewspaperInjury(const CClub& club, int player, int weeks) {
    if (CDivision* d = club.GetDivision()) d->m_NewsPaperEvents.SetInjury(player, weeks);
}

void TellNewspaperSuspension(const CClub& club, int player) {
    if (CDivision* d = club.GetDivision()) {
        CWorldData* w = GetWorldData();
        const CPlayer* p = w ? w->GetPlayer(player) : nullptr;
        d->m_NewsPaperEvents.SetSuspension(player, p ? p->m_Football.GetPositionSkill() : 0);
    }
}

CClub* CurrentUserClub() {
    CWorldData* w = GetWorldData();
    CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
    if (!user || !user->HasManager()) return nullptr;
    const CManager* m = w->GetManagerList().GetAt(user->GetManagerIndex());
    return m ? w->GetClub(m->GetClubIndex()) : nullptr;
}

const CCountry* CurrentUserCountry() {
    CWorldData* w = GetWorldData();
    CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
    if (!user || !user->HasManager()) return nullptr;
    const CManager* m = w->GetManagerList().GetAt(user->GetManagerIndex());
    const CClub* club = m ? w->GetClub(m->GetLastClubIndex()) : nullptr;
    return club ? club->GetCountry() : nullptr;
}

