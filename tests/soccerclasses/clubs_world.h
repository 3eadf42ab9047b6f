#pragma once
// A small world for the club tests: country 1 followed in detail, country 2
// played by results only, one division each, four popularity rows and
// three stadiums; installed as the world for the test's lifetime.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/club.h"
#include "soccerclasses/clubsdata.h"
#include "soccerclasses/careerpath.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/skillmoneyvalue.h"
#include "soccerclasses/worlddata.h"

namespace clubtest {

class ClubWorld : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A club record for division d (0 followed, 1 results only).
    static ClubFileRecord Record(const std::string& name, int division, uint8_t popularity = 1);
    // Writes the records as Clubs.bin in the test folder and returns its path.
    std::string WriteClubs(const std::vector<ClubFileRecord>& clubs);
    // Makes a player of the position with a weekly wage and returns his index.
    uint16_t AddPlayer(int position, double wage = 100.0);
    void SetAbility(uint16_t id, int ability);
    void Injure(uint16_t id);
    void Heal(uint16_t id);
    // Makes the club's manager human.
    void MakeHuman(CClub& club);
    // Makes the club's manager human and puts him in user slot `slot`.
    void MakeUser(CClub& club, int slot);
    // How many squad slots of all real clubs hold the player (1 when sound).
    int SlotsHolding(uint16_t player);
    // "Club 0" to "Club 5" in the followed division, playing `pairings` (three
    // pairs of 1-based club numbers a match day), match day 1 on day 10.
    CDivision& SixClubLeague(const std::vector<uint8_t>& pairings);

    CWorldData world{CWorldData::Empty{}};
    std::unique_ptr<CSoccerPlayerCareerPathList> paths;
    std::unique_ptr<CSkillMoneyValueList> money;
    CExtByteArray schedule;  // the six-club league's
};

// Two clubs ("Harwick Albion" followed, "Port Ellis" results only) with the
// built game's career-path, skill-money and popularity tables installed.
class PeopleWorld : public ClubWorld {
protected:
    void SetUp() override;
    void TearDown() override;
    CClub& Club() { return *world.GetClub(0); }

    std::unique_ptr<CPopularityList> table;
};

}  // namespace clubtest
