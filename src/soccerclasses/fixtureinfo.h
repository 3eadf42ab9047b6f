#pragma once
// How a competition describes a club's match on a date.
#include <cstdint>
#include <string>

class CCup;
class CFixture;

struct CFixtureInfo {
    int32_t home = -1;
    int32_t away = -1;
    std::string homeName;
    std::string awayName;
    int32_t homeCountry = 0;  // the country's id + 1
    int32_t awayCountry = 0;
    std::string competition;
    int32_t leagueFlag = 0;
    // The venue: 0 the home club's ground, 1 a neutral venue, 14 a
    // non-league ground.
    int32_t extraFlag = 0;
    int32_t substitutes = 5;
    int16_t substitutions = 3;
    std::string stadium;
    int32_t spare = 0;
    // The division's fixture of the pairing: its index among the division's
    // fixtures, -1 when there is none; the object when the caller has it.
    int32_t fixtureIndex = -1;
    CFixture* fixture = nullptr;
    // A cup match's title (the cup and the round) and its cup.
    std::string title;
    const CCup* cup = nullptr;
};
