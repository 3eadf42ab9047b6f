#pragma once
// A league of a country: a block of consecutive clubs of the world's club
// list and a season calendar of 106 match-day slots. The competitions build
// the whole of it; this is what the world and the countries need of it now.
#include <cstdint>
#include <string>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CDivision {
public:
    CDivision() { m_Calendar.SetSizeAndFill(106, 200); }

    const CExtString& GetName() const { return m_Name; }
    uint8_t GetCountry() const { return m_Country; }
    int32_t GetFirstClub() const { return m_FirstClub; }
    uint8_t GetClubCount() const { return m_ClubCount; }
    uint8_t GetCalendarSlot(int slot) const { return m_Calendar.GetAt(slot); }

    void SetName(const std::string& name) { m_Name = name; }
    void SetCountry(uint8_t country) { m_Country = country; }
    void SetClubRange(int32_t firstClub, uint8_t clubCount) {
        m_FirstClub = firstClub;
        m_ClubCount = clubCount;
    }
    void SetCalendarSlot(int slot, uint8_t code) { m_Calendar.SetAt(slot, code); }

    // Gives every club of the division its accounts and full records when
    // its country becomes followed; the clubs' side lands with the clubs.
    void ActivateClubs() {}

private:
    CExtString m_Name;
    CExtByteArray m_Calendar;
    int32_t m_FirstClub = 0;
    uint8_t m_Country = 0;
    uint8_t m_ClubCount = 0;
};

class CDivisionList : public OwningList<CDivision> {};
