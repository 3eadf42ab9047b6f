// Writes "Data\\Currency.bin", "Data\\fed.bin", "Data\\Country.bin" and
// "Data\\fixtures.bin" from the world table, through the game's own channel
// and record code.
#include <array>
#include <filesystem>
#include <functional>

#include "../common/toolio.h"
#include "platform/files.h"
#include "schedules.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"
#include "worldtable.h"

namespace {

void Write(const std::filesystem::path& gameDir, const std::string& gamePath, const std::function<void(FILE*)>& body) {
    auto path = platform::MapPath(gameDir, gamePath);
    std::filesystem::create_directories(path.parent_path());
    FILE* f = OpenGameFile(path.string(), "wb");
    if (!f) toolio::Fail("cannot write " + path.string());
    body(f);
    if (CloseGameFile(f) != kGameFileClosed) toolio::Fail("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_world <assets dir> <game dir>");
    worldtable::World w = worldtable::Load(argv[1]);
    std::filesystem::path gameDir = argv[2];

    CCurrencyList currencies{CCurrencyList::Empty{}};
    for (const auto& c : w.currencies)
        currencies.Add(std::make_unique<CCurrency>(static_cast<uint8_t>(c.index), c.symbol,
                                                   static_cast<uint8_t>(c.symbolAfter), c.separator, c.rate,
                                                   c.abbreviate));
    Write(gameDir, kCurrencyFile, [&](FILE* f) { currencies.WriteStartupFile(f); });

    CFederationList federations{CFederationList::Empty{}};
    for (const auto& f : w.federations)
        federations.Add(std::make_unique<CFederation>(static_cast<uint8_t>(f.id), f.name, f.secondName));
    Write(gameDir, kFederationFile, [&](FILE* f) { federations.WriteStartupFile(f); });

    CCountryList countries{CCountryList::Empty{}};
    for (const auto& c : w.countries) {
        CountryRecord r;
        r.id = static_cast<uint8_t>(c.id);
        r.name = c.name;
        r.thirdName = c.code;
        r.secondName = c.nationality;
        r.federation = static_cast<uint8_t>(c.federation);
        r.currency = static_cast<uint8_t>(c.currency);
        r.followLevel = kNotFollowed;
        r.wageFactor = static_cast<uint8_t>(c.wageFactor);
        r.boardReviewSwitch = static_cast<uint8_t>(c.boardSwitch);
        r.federationRank = static_cast<uint8_t>(c.federationRank);
        r.seasonKind = 0;
        r.seasonStartDay = static_cast<uint8_t>(c.seasonStart);
        r.seasonEndDay = static_cast<uint8_t>(c.seasonEnd);
        r.baseRaceRow = static_cast<uint8_t>(c.raceRow);
        for (int d : c.deadlines) r.deadlineDays.push_back(static_cast<uint8_t>(d));
        countries.Add(std::make_unique<CCountry>(r));
    }
    Write(gameDir, kCountryFile, [&](FILE* f) { countries.WriteStartupFile(f); });

    std::array<CExtByteArray, kScheduleCount> smallestFirst;
    for (int i = 0; i < kScheduleCount; ++i) {
        int clubs = kScheduleClubCounts[kScheduleCount - 1 - i];
        for (uint8_t b : worldtable::MakeDoubleRoundRobin(clubs)) smallestFirst[static_cast<size_t>(i)].Add(b);
    }
    Write(gameDir, kFixturesFile, [&](FILE* f) { CWorldData::WriteSchedules(f, smallestFirst); });
    return 0;
}
