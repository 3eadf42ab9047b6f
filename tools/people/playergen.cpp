#include "playergen.h"

#include <algorithm>
#include <sstream>

#include "../common/toolio.h"
#include "platform/random.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"

namespace playergen {

const NameRegion* Names::For(int country) const {
    auto it = regionOfCountry.find(country);
    return it == regionOfCountry.end() ? nullptr : &regions[static_cast<size_t>(it->second)];
}

Names LoadNames(const std::filesystem::path& assets) {
    const std::filesystem::path file = assets / "people" / "names.txt";
    Names names;
    for (const auto& l : toolio::ReadAssetLines(file)) {
        const std::string text = toolio::ToCp1252(file, l.number, l.text);
        std::istringstream in(text);
        std::string key;
        in >> key;
        auto fail = [&](const std::string& why) {
            toolio::Fail(file.string() + ":" + std::to_string(l.number) + ": " + why);
        };
        if (key == "region") {
            NameRegion r;
            std::string word;
            in >> r.name >> word >> r.initials;
            if (word != "initials" || r.initials.empty()) fail("expected: region <name> initials <letters>");
            if (in >> word) {
                if (word != "single" || !(in >> r.singlePercent)) fail("expected: single <percent>");
            }
            names.regions.push_back(r);
            continue;
        }
        if (names.regions.empty()) fail("a list before its region");
        NameRegion& r = names.regions.back();
        std::string word;
        if (key == "surnames" || key == "singles") {
            while (in >> word) {
                std::replace(word.begin(), word.end(), '_', ' ');
                (key == "surnames" ? r.surnames : r.singles).push_back(word);
            }
        } else if (key == "single") {
            if (!(in >> r.singlePercent)) fail("expected: single <percent>");
        } else if (key == "countries") {
            int id;
            while (in >> id) {
                if (!names.regionOfCountry.emplace(id, static_cast<int>(names.regions.size() - 1)).second)
                    fail("country " + std::to_string(id) + " is in two regions");
            }
        } else {
            fail("unknown line " + key);
        }
    }
    for (const NameRegion& r : names.regions) {
        if (r.surnames.size() < 20) toolio::Fail(file.string() + ": region " + r.name + " has too few surnames");
        if (r.singlePercent > 0 && r.singles.empty())
            toolio::Fail(file.string() + ": region " + r.name + " has no single names");
    }
    return names;
}

namespace {

template <class T>
const T& Pick(const std::vector<T>& v) {
    return v[static_cast<size_t>(Random(static_cast<int>(v.size()) - 1))];
}

// 17 to 36, most between 22 and 30.
int DrawAge() { return 17 + (Random(19) + Random(19) + 1) / 2; }

// Positions of a squad of n: two or three keepers, then defenders,
// midfielders and attackers in the proportions of a 4-4-2 squad.
std::vector<int> Positions(int n) {
    const int keepers = n >= 25 ? 3 : 2;
    const int rest = n - keepers;
    const int defenders = rest * 36 / 100 + 1;
    const int midfielders = rest * 36 / 100;
    std::vector<int> p(static_cast<size_t>(keepers), 0);
    p.insert(p.end(), static_cast<size_t>(defenders), 1);
    p.insert(p.end(), static_cast<size_t>(midfielders), 2);
    p.insert(p.end(), static_cast<size_t>(rest - defenders - midfielders), 3);
    return p;
}

// The share of foreigners: rich top divisions buy abroad.
int ForeignPercent(const ClubSpec& c, int wageFactor) {
    if (c.strength == 0 && wageFactor >= 75) return 22;
    if (c.strength == 0 && wageFactor >= 50) return 12;
    if (c.strength == 0) return 6;
    return c.strength == 1 ? 4 : 2;
}

void Name(CPerson& p, const NameRegion& r) {
    if (r.singlePercent > 0 && Random(99) < r.singlePercent) {
        p.SetForename("@");
        p.SetSurname(Pick(r.singles));
        return;
    }
    std::string initials(1, r.initials[static_cast<size_t>(Random(static_cast<int>(r.initials.size()) - 1))]);
    if (Random(99) < 6)
        initials += r.initials[static_cast<size_t>(Random(static_cast<int>(r.initials.size()) - 1))];
    p.SetForename(initials);
    p.SetSurname(Pick(r.surnames));
}

}  // namespace

int WritePlayers(FILE* f, const std::vector<ClubSpec>& clubs, const std::map<int, CountrySpec>& countries,
                 const Names& names, const CPopularityList& popularity) {
    if (static_cast<int>(clubs.size()) > kMaxClubs)
        toolio::Fail("more than " + std::to_string(kMaxClubs) + " clubs: player indexes would reach the empty mark");
    std::vector<int> leagueCountries;
    for (const auto& [id, c] : countries) leagueCountries.push_back(id);

    // Squads first, so the record count comes before the records.
    std::vector<int> sizes;
    platform::SeedRandom(1999);
    for (size_t i = 0; i < clubs.size(); ++i) sizes.push_back(22 + Random(8));
    int total = 0;
    for (int s : sizes) total += s;
    if (total > CPlayerList::DatabaseSlots(static_cast<int>(clubs.size())))
        toolio::Fail("more players than the player list has slots");
    SaveInt32(f, total);

    for (size_t i = 0; i < clubs.size(); ++i) {
        const ClubSpec& club = clubs[i];
        const CountrySpec& home = countries.at(club.country);
        const CPopularity* row = popularity.GetAt(club.popularity);
        if (!row) toolio::Fail("club " + std::to_string(club.index) + " has no popularity row");
        for (int position : Positions(sizes[i])) {
            CPlayer p;
            int nationality = club.country;
            if (Random(99) < ForeignPercent(club, home.wageFactor) && leagueCountries.size() > 1) {
                do nationality = Pick(leagueCountries);
                while (nationality == club.country);
            }
            const CountrySpec& from = countries.at(nationality);
            const NameRegion* region = names.For(nationality);
            if (!region) toolio::Fail("country " + std::to_string(nationality) + " has no names");

            const int age = DrawAge();
            // Abilities of the division's band, a little lower for the
            // youngest and the oldest.
            int ability = row->GetRandomAbility(club.strength);
            if (age < 21) ability -= (21 - age) * 2;
            if (age > 31) ability -= (age - 31);
            p.m_Football.Generate(age, static_cast<uint8_t>(position), static_cast<uint8_t>(std::clamp(ability, 10, 99)));

            CPerson& person = p.m_Person;
            Name(person, *region);
            person.Set(person.GetForename(), person.GetSurname(), static_cast<uint8_t>(age),
                       static_cast<uint8_t>(nationality));
            person.SetContractYears(static_cast<uint8_t>(age > 32 ? 1 + Random(1) : 1 + Random(3)));
            person.SetTemperament(static_cast<uint8_t>(Random(9)));
            person.Face().Generate(from.raceRow, true);

            const int seasons = std::max(0, age - 18);
            const int apps = seasons * (10 + Random(25)) + Random(20);
            const int rate = position == 3 ? 30 : position == 2 ? 12 : position == 1 ? 4 : 0;
            p.m_CareerAppearances = static_cast<uint16_t>(std::min(900, apps));
            p.m_CareerGoals = static_cast<uint16_t>(p.m_CareerAppearances * (rate ? Random(rate) : 0) / 100);
            p.m_ClubAppearances = static_cast<uint16_t>(p.m_CareerAppearances * Random(100) / 100);
            p.m_ClubGoals = static_cast<uint16_t>(std::min<int>(p.m_CareerGoals, p.m_ClubAppearances * rate / 100));
            p.m_LastSeasonAppearances = static_cast<uint8_t>(seasons ? Random(40) : 0);
            p.m_LastSeasonGoals = static_cast<uint8_t>(p.m_LastSeasonAppearances * (rate ? Random(rate) : 0) / 100);

            SaveByte(f, 0);
            SaveInt32(f, club.index);
            p.WriteDatabase(f);
        }
    }
    return total;
}

}  // namespace playergen
