#include "soccerclasses/manager.h"

#include <algorithm>
#include <cstring>

#include "soccerclasses/clubfile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/popularity.h"

using namespace clubfile;

int32_t CManagerList::ReadFromClubsFile(FILE* f, int32_t club, uint8_t age, const CPopularity* popularity) {
    auto m = std::make_unique<CManager>();
    char initial[2] = {};
    ReadGameFile(initial, 2, f);
    m->forename.assign(initial, strnlen(initial, 2));
    m->surname = GetText(f);
    m->contractYears = GetU8(f);
    m->country = GetU8(f);
    m->race = GetU8(f) & 0x0F;
    for (uint8_t& b : m->face) b = GetU8(f);
    m->age = age;
    m->club = club;
    // Older managers have proved themselves more: 30 to 85 by age.
    m->rating = static_cast<uint8_t>(std::clamp(30 + (age - 30) + Random(20), 30, 85));
    if (popularity)
        m->weeklyWage = (popularity->m_ManagerWageBase + Random(static_cast<int>(popularity->m_ManagerWageSpread))) / 52.0;
    if (m->weeklyWage <= 0.0) m->weeklyWage = 100.0;
    return Add(std::move(m));
}

