// Writes "Data\\Currency.bin", "Data\\fed.bin", "Data\\Country.bin" and
// "Data\\fixtures.bin" from the world table, through the game's own channel
// and record code.
#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

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

// Each league country's newspaper (assets/newspaper/papers.txt), by flag code.
struct PaperFields {
    std::string text1, text2, text3;
    int logo = 0, scheme = 0;
};

std::map<std::string, PaperFields> ReadPapers(const std::filesystem::path& assetsDir) {
    const auto file = assetsDir / "newspaper" / "papers.txt";
    std::map<std::string, PaperFields> out;
    for (const toolio::AssetLine& l : toolio::ReadAssetLines(file)) {
        std::vector<std::string> p;
        std::string::size_type from = 0;
        for (;;) {
            const auto bar = l.text.find('|', from);
            p.push_back(l.text.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
            if (bar == std::string::npos) break;
            from = bar + 1;
        }
        const std::string at = file.string() + ":" + std::to_string(l.number);
        if (p.size() != 6) toolio::Fail(at + ": expected code|word|word|title|emblem|scheme");
        PaperFields f{toolio::ToCp1252(file, l.number, p[1]), toolio::ToCp1252(file, l.number, p[2]),
                      toolio::ToCp1252(file, l.number, p[3]), std::atoi(p[4].c_str()), std::atoi(p[5].c_str())};
        if (f.logo < 1 || f.logo > 23) toolio::Fail(at + ": the emblem is 1 to 23");
        if (f.scheme < 0 || f.scheme > 3) toolio::Fail(at + ": the colour scheme is 0 to 3");
        if (!out.emplace(p[0], f).second) toolio::Fail(at + ": a second paper for " + p[0]);
    }
    return out;
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

    const std::map<std::string, PaperFields> papers = ReadPapers(argv[1]);
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
        // Texts 1-3 and the first two file bytes are the country's newspaper.
        if (auto paper = papers.find(c.code); paper != papers.end()) {
            r.text1 = paper->second.text1;
            r.text2 = paper->second.text2;
            r.text3 = paper->second.text3;
            r.firstFileByte = static_cast<uint8_t>(paper->second.logo);
            r.secondFileByte = static_cast<uint8_t>(paper->second.scheme);
        } else if (c.HasLeague()) {
            toolio::Fail("assets/newspaper/papers.txt: no paper for " + c.code);
        }
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
