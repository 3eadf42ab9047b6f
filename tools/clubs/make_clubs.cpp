// Writes "Data\\Stadiums.bin", "Data\\Plans.bin" and "Data\\Clubs.bin" from
// the world table, sized by the popularity table the people tool wrote.
#include <filesystem>

#include "../common/toolio.h"
#include "clubgen.h"
#include "platform/files.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/stadium.h"
#include "worldtable/worldtable.h"

namespace {

std::string Target(const std::filesystem::path& gameDir, const char* gamePath) {
    auto path = platform::MapPath(gameDir, gamePath);
    std::filesystem::create_directories(path.parent_path());
    return path.string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_clubs <assets dir> <game dir>");
    const worldtable::World world = worldtable::Load(argv[1]);
    const std::filesystem::path gameDir = argv[2];

    CPopularityList popularity;
    std::string why;
    if (!popularity.LoadFile(platform::MapPath(gameDir, CPopularityList::kFile).string(), &why))
        toolio::Fail("make_clubs needs the popularity table: " + why);

    std::vector<clubgen::CountryPlaces> countries;
    for (const auto& c : world.countries) {
        if (!c.HasLeague()) continue;
        clubgen::CountryPlaces cp;
        cp.id = c.id;
        cp.name = c.name;
        cp.strength = c.divisions.front().strength;
        int tier = 0;
        for (const auto& d : c.divisions) {
            clubgen::DivisionPlaces dp;
            dp.index = d.index;
            dp.tier = tier++;
            for (const auto& club : d.clubs) {
                clubgen::ClubPlace place;
                place.name = club.name;
                auto town = club.fields.find("town");
                place.town = town != club.fields.end() ? town->second : clubgen::TownOfClubName(club.name);
                auto area = club.fields.find("area");
                if (area != club.fields.end()) place.area = std::stoi(area->second);
                dp.clubs.push_back(std::move(place));
            }
            cp.divisions.push_back(std::move(dp));
        }
        countries.push_back(std::move(cp));
    }

    const clubgen::Output out = clubgen::Generate(countries, popularity);
    if (static_cast<int>(out.clubs.size()) != world.ClubCount()) toolio::Fail("club count differs from the world table");
    if (!WriteStadiumsFile(Target(gameDir, kStadiumsFile), out.stadiums) ||
        !WritePlansFile(Target(gameDir, kPlansFile), out.plans) ||
        !WriteClubsFile(Target(gameDir, kClubsFile), out.clubs))
        toolio::Fail("cannot write the club files");
    return 0;
}
