// The world's forwards to the club list and to the current user's
// formations and transfer search.
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

void CWorldData::SwapClubOrderBytes(int a, int b) {
    const int n = GetClubList().GetSize();
    if (a == b || a < 0 || b < 0 || a >= n || b >= n) return;
    GetClubList().SwapTablePositions(a, b);
}

uint8_t CWorldData::GetTacticSettingByte(int i) {
    CHumanManager* user = GetCurrentUser();
    const CSoccerTacticList* list = user ? &user->GetTacticList() : nullptr;
    const CSoccerTactic* t = list && i >= 0 && i < list->GetSize() ? list->GetAt(i) : nullptr;
    return t ? t->m_Custom : 0;
}

CPlayerSearch* CWorldData::GetCurrentPlayerSearch() {
    CHumanManager* user = GetCurrentUser();
    return user ? &user->GetPlayerSearch() : nullptr;
}
