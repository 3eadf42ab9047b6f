// Writes "Data\\players.bin" from the world table: a squad for every club
// of every league country, with the club's index in Clubs.bin.
#include <map>

#include "../clubs/clubgen.h"
#include "../common/toolio.h"
#include "../worldtable/worldtable.h"
#include "playergen.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "tablegen.h"

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_players <assets dir> <game dir>");
    const std::filesystem::path assets = argv[1], gameDir = argv[2];
    const worldtable::World world = worldtable::Load(assets);
    const CPopularityList popularity = peoplegen::BuildPopularity(assets);
    const CSoccerPlayerCareerPathList paths = peoplegen::BuildCareerPaths(assets);
    const CSkillMoneyValueList money = peoplegen::BuildPlayerValue(assets);
    InstallPeopleTables(&paths, &money, &popularity);
    const playergen::Names names = playergen::LoadNames(assets);

    std::map<int, playergen::CountrySpec> countries;
    std::vector<playergen::ClubSpec> clubs;
    for (const worldtable::Country& c : world.countries) {
        if (!c.HasLeague()) continue;
        countries[c.id] = {c.id, c.raceRow, c.wageFactor};
        for (size_t tier = 0; tier < c.divisions.size(); ++tier) {
            const worldtable::Division& d = c.divisions[tier];
            for (int place = 0; place < d.ClubCount(); ++place) {
                const worldtable::Club& club = d.clubs[static_cast<size_t>(place)];
                clubs.push_back({club.index, c.id, d.strength,
                                 clubgen::PickPopularity(c.id, static_cast<int>(tier), place, d.ClubCount(),
                                                         popularity.GetSize())});
            }
        }
    }
    for (size_t i = 0; i < clubs.size(); ++i)
        if (clubs[i].index != static_cast<int>(i)) toolio::Fail("the world table's clubs are not in index order");
    peoplegen::WriteGameData(gameDir, CPlayerList::kDatabaseFile,
                             [&](FILE* f) { playergen::WritePlayers(f, clubs, countries, names, popularity); });
    InstallPeopleTables(nullptr, nullptr, nullptr);
    return 0;
}
