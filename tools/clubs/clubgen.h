#pragma once
// Builds the clubs' start-up data from the world table: an invented club
// for every club place of every division, named in the manner of its
// country and town, with a stadium that fits its standing, two kits that
// do not clash, and a manager.
#include <cstdint>
#include <string>
#include <vector>

#include "soccerclasses/clubsdata.h"

class CPopularityList;

namespace clubgen {

struct ClubPlace {
    std::string town;   // a real town of the country
    std::string name;   // the club's name when the table gives one; else invented
    int32_t area = -1;  // neighbouring clubs share it; -1: one per town
};

struct DivisionPlaces {
    int32_t index = 0;  // the division's index in Division.bin
    int tier = 0;       // 0 the country's top division
    std::vector<ClubPlace> clubs;
};

struct CountryPlaces {
    int id = 0;
    std::string name;
    int strength = 0;  // the top division's strength class 0..3
    std::vector<DivisionPlaces> divisions;
};

// Behind the league clubs' grounds (ground i is club i's), each league
// country in table order has a national stadium for its cup finals and then
// grounds for the non-league clubs of its cups.
inline constexpr int kNonLeagueGrounds = 8;
inline constexpr int kVenuesPerCountry = 1 + kNonLeagueGrounds;
inline int NationalStadium(int clubCount, int countryOrder) { return clubCount + countryOrder * kVenuesPerCountry; }
inline int NonLeagueGround(int clubCount, int countryOrder, int n) {
    return NationalStadium(clubCount, countryOrder) + 1 + n % kNonLeagueGrounds;
}

// The town in a club's name: the name without the words clubs add to it.
std::string TownOfClubName(const std::string& name);

struct Output {
    std::vector<StadiumFileRecord> stadiums;
    std::vector<PlanFileRecord> plans;
    std::vector<ClubFileRecord> clubs;
};

// Countries in table order: their divisions' clubs become consecutive
// blocks of Clubs.bin. Deterministic for a given table.
Output Generate(const std::vector<CountryPlaces>& countries, const CPopularityList& popularity);

// The popularity row of the club at `place` of `count` in a division.
uint8_t PickPopularity(int countryId, int tier, int place, int count, int rows);

// The naming manner of a country.
enum class Manner { kEnglish, kScottish, kGerman, kSpanish, kItalian, kFrench, kPortuguese, kDutch, kSlavic,
                    kNordic, kGreek, kTurkish, kOther };
Manner MannerOf(int countryId);

// Whether two kit colours look alike on the pitch (the 16-colour groups).
bool ColoursAlike(int a, int b);

// Pattern counts the installation carries.
inline constexpr int kShirtPatterns = 50, kShortsPatterns = 34, kSleevePatterns = 30;

}  // namespace clubgen
