// The country's referees for the day's matches.
#include "soccerclasses/country.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"

void CCountry::RefillRefereeRotation() {
    if (GetDivisionCount() == 0) return;
    m_RefereeRotation.Copy(m_Referees);
    m_RefereeRotation.Shuffle();
    m_RefereeNote = std::string();
}

int CCountry::PickReferee(uint16_t divisionKey) {
    // A busy day can use up the rotation; then referees take a second match.
    if (m_RefereeRotation.GetSize() == 0) {
        m_RefereeRotation.Copy(m_Referees);
        m_RefereeRotation.Shuffle();
    }
    if (m_RefereeRotation.GetSize() == 0) return -1;
    CWorldData* w = GetWorldData();
    // Every entry is a referee: referee 0 is as good as any other.
    for (int i = 0; i < m_RefereeRotation.GetSize(); ++i) {
        const uint32_t r = m_RefereeRotation.GetAt(i);
        const CSoccerReferee* ref = w ? w->GetReferee(static_cast<int>(r)) : nullptr;
        if (ref && ref->GetDivision() == divisionKey) {
            m_RefereeRotation.RemoveAt(i);
            return static_cast<int>(r);
        }
    }
    return static_cast<int>(m_RefereeRotation.GetAt(m_RefereeRotation.GetSize() - 1));
}

int CCountry::PickRefereeForTopDivision() {
    if (GetDivisionCount() == 0) return -1;
    return PickReferee(static_cast<uint16_t>(GetDivisionIndex(0)));
}
