#pragma once
// A world built from the generated start-up files for playing matches: the
// chosen countries followed, every club with its squad and manager, the
// referees read and each country's rotation filled. Installed as the
// world for the object's lifetime.
#include <functional>
#include <initializer_list>
#include <memory>

#include "soccerclasses/worlddata.h"

class CDivision;
class CFixture;

namespace testsupport {

class MatchWorld {
public:
    MatchWorld(uint32_t seed, const std::function<bool(int)>& followed);
    ~MatchWorld();
    MatchWorld(const MatchWorld&) = delete;
    MatchWorld& operator=(const MatchWorld&) = delete;

    CWorldData& World() { return *m_World; }
    // The first division (world index) of a followed country with clubs.
    int FirstLeagueDivision() const;
    // A league fixture between two clubs of the division, set up as the
    // league day sets it up (the division in the match variables).
    CFixture& LeagueFixture(int division, int homeOffset, int awayOffset);
    void RefillRotations();

private:
    std::unique_ptr<CWorldData> m_World;
    std::unique_ptr<ScopedWorld> m_Scope;
    std::unique_ptr<CFixture> m_Fixture;
};

// How many of the fixture's events are of one of these types.
int CountEvents(const CFixture& f, std::initializer_list<int> types);

}  // namespace testsupport
