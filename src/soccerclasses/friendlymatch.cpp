#include "soccerclasses/friendlymatch.h"

#include <cstdlib>

#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchuser.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/worldlinks.h"

namespace {

// The message code by the result for the club and the popularity gap: rows
// won, lost, level; columns close (below 10), winner's index higher, lower.
constexpr uint8_t kFriendlyCodes[3][3] = {{214, 213, 215}, {217, 218, 216}, {220, 219, 221}};

}  // namespace

void CFriendlyMatchList::AddFriendly(int16_t home, int16_t away, uint8_t matchDay) {
    if (!AddFixture(CFixture::kFriendly, home, away, 5, 5, 0, 0)) return;
    m_MatchDays.Add(matchDay);
}

void CFriendlyMatchList::RemoveClubFriendlies(int club) {
    for (int i = GetSize() - 1; i >= 0; --i) {
        if (!GetAt(i)->IsClubInvolved(club)) continue;
        ReturnPooledFixture(Detach(i));
        if (i < m_MatchDays.GetSize()) m_MatchDays.RemoveAt(i);
    }
}

void CFriendlyMatchList::Save(FILE* file) const {
    m_MatchDays.Save(file);
    CFixtureList::Save(file);
}

void CFriendlyMatchList::Load(FILE* file) {
    m_MatchDays.Load(file);
    CFixtureList::Load(file);
    // The two arrays run side by side; a damaged file must not part them.
    m_MatchDays.SetSize(GetSize());
}

std::string CFriendlyMatchList::GetFriendlyResultText(int club, uint8_t matchDay) const {
    for (int i = 0; i < GetSize() && i < m_MatchDays.GetSize(); ++i)
        if (m_MatchDays.GetAt(i) == matchDay && GetAt(i)->IsClubInvolved(club)) return GetAt(i)->GetScoreText(120);
    return std::string();
}

void CFriendlyMatchList::PlayTodaysFriendlies(int withScreen) {
    CWorldData* w = GetWorldData();
    if (!w) return;
    const int today = w->GetMatchDay();
    for (int i = 0; i < GetSize() && i < m_MatchDays.GetSize(); ++i) {
        if (m_MatchDays.GetAt(i) != today) continue;
        CFixture* f = GetAt(i);
        f->SetMatchVarsClubs();
        if (f->IsHumanInvolved() && withScreen == 1) {
            const CMatchUserScope user(*f);
            const CClub* home = f->GetHomeClub();
            w->GetMatchPlay()->PlayFriendly(f, home ? home->GetStadiumName() : std::string());
        } else {
            f->Play(today);
        }
        SendResultMessages(*f);
    }
}

void CFriendlyMatchList::SendResultMessages(const CFixture& f) {
    CClub* clubs[2] = {f.GetHomeClub(), f.GetAwayClub()};
    if (!clubs[0] || !clubs[1]) return;
    const int d = std::abs(clubs[0]->GetPopularityIndex() - clubs[1]->GetPopularityIndex());
    const int winnerSide = f.GetWinnerIndex() == f.m_Home ? 0 : 1;
    for (int side = 0; side < 2; ++side) {
        CHumanManager* h = clubs[side]->GetHumanManager();
        if (!h) continue;
        const int row = f.IsDraw() ? 2 : side == winnerSide ? 0 : 1;
        // The columns are read from the winner's side (for a level score the
        // side GetWinner gives): a favourite's win is 213 for him and 218 for
        // the club he beat.
        const int winnerPop = clubs[winnerSide]->GetPopularityIndex();
        const int loserPop = clubs[1 - winnerSide]->GetPopularityIndex();
        const int column = d < 10 ? 0 : winnerPop > loserPop ? 1 : 2;
        h->AddMessage(kFriendlyCodes[row][column], clubs[1 - side]->GetName(), "", "", -1);
    }
}
