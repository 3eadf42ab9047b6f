#include "soccerclasses/peopledeletion.h"

#include <algorithm>

#include "soccerclasses/club.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/worlddata.h"

void ForgetPlayerIndex(int player) {
    if (player < 0) return;
    if (CWorldData* w = GetWorldData()) {
        w->GetContractClauseList().RemovePlayerClauses(static_cast<uint32_t>(player));
        CClubList& clubs = w->GetClubList();
        for (int c = 0; c < clubs.GetSize(); ++c) clubs.GetAt(c)->ForgetPlayer(static_cast<uint32_t>(player));
    }
    std::erase_if(PeopleNewspaperEvents(), [player](const NewspaperEvent& e) { return e.player == player; });
    for (PeopleMessage& m : PeopleMessages())
        if (m.id == player) m.id = -1;
}
