#include "soccerclasses/friendlymatch.h"

#include "soccerclasses/worldlinks.h"

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
