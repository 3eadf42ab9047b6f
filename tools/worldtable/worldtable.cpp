#include "worldtable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>

#include "../common/toolio.h"

namespace worldtable {
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

std::string Where(const fs::path& file, int line) { return file.string() + ":" + std::to_string(line); }

int ToInt(const std::string& s, const std::string& where) {
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0') toolio::Fail(where + ": expected a whole number, not \"" + s + "\"");
    return static_cast<int>(v);
}

double ToDouble(const std::string& s, const std::string& where) {
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') toolio::Fail(where + ": expected a number, not \"" + s + "\"");
    return v;
}

// Splits off trailing key=value fields.
Fields TakeFields(std::vector<std::string>& parts, size_t fixed, const std::string& where) {
    Fields f;
    for (size_t i = fixed; i < parts.size(); ++i) {
        auto eq = parts[i].find('=');
        if (eq == std::string::npos) toolio::Fail(where + ": expected key=value, not \"" + parts[i] + "\"");
        f[parts[i].substr(0, eq)] = parts[i].substr(eq + 1);
    }
    parts.resize(std::min(parts.size(), fixed));
    return f;
}

void ReadCurrencies(const fs::path& dir, World& w) {
    fs::path file = dir / "currencies.txt";
    for (const auto& l : toolio::ReadAssetLines(file)) {
        std::string at = Where(file, l.number);
        auto p = Split(l.text, '|');
        if (p.size() != 7) toolio::Fail(at + ": expected 7 fields");
        Currency c;
        c.index = static_cast<int>(w.currencies.size());
        c.code = p[0];
        c.name = toolio::ToCp1252(file, l.number, p[1]);
        c.symbol = toolio::ToCp1252(file, l.number, p[2]);
        c.symbolAfter = ToInt(p[3], at);
        c.separator = ToInt(p[4], at);
        c.rate = ToDouble(p[5], at);
        c.abbreviate = ToInt(p[6], at);
        w.currencies.push_back(c);
    }
}

void ReadFederations(const fs::path& dir, World& w) {
    fs::path file = dir / "federations.txt";
    for (const auto& l : toolio::ReadAssetLines(file)) {
        std::string at = Where(file, l.number);
        auto p = Split(l.text, '|');
        if (p.size() != 3) toolio::Fail(at + ": expected 3 fields");
        Federation f;
        f.id = ToInt(p[0], at);
        if (f.id != static_cast<int>(w.federations.size())) toolio::Fail(at + ": ids must run 0, 1, 2 …");
        f.name = toolio::ToCp1252(file, l.number, p[1]);
        f.secondName = toolio::ToCp1252(file, l.number, p[2]);
        w.federations.push_back(f);
    }
}

void ReadCountries(const fs::path& dir, World& w) {
    fs::path file = dir / "countries.txt";
    for (const auto& l : toolio::ReadAssetLines(file)) {
        std::string at = Where(file, l.number);
        auto p = Split(l.text, '|');
        if (p.size() < 12) toolio::Fail(at + ": expected 12 fields");
        Fields extra = TakeFields(p, 12, at);
        Country c;
        c.id = ToInt(p[0], at);
        if (c.id != static_cast<int>(w.countries.size())) toolio::Fail(at + ": ids must run 0, 1, 2 …");
        c.name = toolio::ToCp1252(file, l.number, p[1]);
        c.code = p[2];
        c.nationality = toolio::ToCp1252(file, l.number, p[3]);
        c.federation = ToInt(p[4], at);
        const Currency* cur = w.FindCurrency(p[5]);
        if (!cur) toolio::Fail(at + ": no currency " + p[5]);
        c.currency = cur->index;
        c.wageFactor = ToInt(p[6], at);
        c.boardSwitch = ToInt(p[7], at);
        c.raceRow = ToInt(p[8], at);
        c.map = p[9] == "-" ? "" : p[9];
        c.group = ToInt(p[10], at);
        c.defaultSelected = p[11] == "yes";
        if (extra.count("start")) c.seasonStart = ToInt(extra["start"], at);
        if (extra.count("end")) c.seasonEnd = ToInt(extra["end"], at);
        if (extra.count("deadlines")) {
            c.deadlines.clear();
            std::istringstream in(extra["deadlines"]);
            std::string d;
            while (in >> d) c.deadlines.push_back(ToInt(d, at));
        }
        c.fields = extra;
        w.countries.push_back(c);
    }
}

void ReadLeagues(const fs::path& dir, World& w) {
    int club = 0, division = 0;
    for (Country& c : w.countries) {
        fs::path file = dir / "leagues" / (c.code + ".txt");
        if (!fs::exists(file)) continue;
        for (const auto& l : toolio::ReadAssetLines(file)) {
            std::string at = Where(file, l.number);
            auto p = Split(l.text, '|');
            if (p[0] == "division") {
                if (p.size() < 3) toolio::Fail(at + ": expected division|name|strength");
                Fields extra = TakeFields(p, 3, at);
                Division d;
                d.index = division++;
                d.country = c.id;
                d.name = toolio::ToCp1252(file, l.number, p[1]);
                d.strength = ToInt(p[2], at);
                d.fields = extra;
                c.divisions.push_back(d);
                continue;
            }
            if (c.divisions.empty()) toolio::Fail(at + ": a club before the first division line");
            Fields extra = TakeFields(p, 1, at);
            Club k;
            k.index = club++;
            k.country = c.id;
            k.division = c.divisions.back().index;
            k.name = toolio::ToCp1252(file, l.number, p[0]);
            k.fields = extra;
            k.source = at;
            c.divisions.back().clubs.push_back(k);
        }
    }
    // Every league file must belong to a country.
    if (fs::exists(dir / "leagues"))
        for (const auto& e : fs::directory_iterator(dir / "leagues")) {
            std::string stem = e.path().stem().string();
            bool known = std::any_of(w.countries.begin(), w.countries.end(),
                                     [&](const Country& c) { return c.code == stem; });
            if (!known) toolio::Fail(e.path().string() + ": no country has the flag code " + stem);
        }
}

// Within each federation: countries with leagues first, by wage factor,
// then by id; the placeholder keeps rank 0.
void AssignRanks(World& w) {
    for (const Federation& f : w.federations) {
        std::vector<Country*> members;
        for (Country& c : w.countries)
            if (c.federation == f.id && c.id != 0) members.push_back(&c);
        std::stable_sort(members.begin(), members.end(), [](const Country* a, const Country* b) {
            if (a->HasLeague() != b->HasLeague()) return a->HasLeague();
            if (a->wageFactor != b->wageFactor) return a->wageFactor > b->wageFactor;
            return a->id < b->id;
        });
        for (size_t i = 0; i < members.size(); ++i) members[i]->federationRank = static_cast<int>(i) + 1;
    }
}

}  // namespace

bool HasSchedule(int clubs) { return clubs == 6 || (clubs >= 8 && clubs <= 20) || clubs == 22 || clubs == 24 || clubs == 26; }

int World::ClubCount() const {
    int n = 0;
    for (const Country& c : countries)
        for (const Division& d : c.divisions) n += d.ClubCount();
    return n;
}

int World::DivisionCount() const {
    int n = 0;
    for (const Country& c : countries) n += static_cast<int>(c.divisions.size());
    return n;
}

std::vector<const Division*> World::Divisions() const {
    std::vector<const Division*> out;
    for (const Country& c : countries)
        for (const Division& d : c.divisions) out.push_back(&d);
    return out;
}

std::vector<const Club*> World::Clubs() const {
    std::vector<const Club*> out;
    for (const Country& c : countries)
        for (const Division& d : c.divisions)
            for (const Club& k : d.clubs) out.push_back(&k);
    return out;
}

const Currency* World::FindCurrency(const std::string& code) const {
    for (const Currency& c : currencies)
        if (c.code == code) return &c;
    return nullptr;
}

std::vector<std::string> CheckRules(const World& w) {
    std::vector<std::string> faults;
    auto fault = [&](const std::string& s) { faults.push_back(s); };
    for (const Currency& c : w.currencies)
        if (!(std::isfinite(c.rate) && c.rate > 0)) fault("currency " + c.code + ": rate must be positive");
    if (w.countries.size() > 255) fault("more than 255 countries");
    if (w.countries.empty() || w.countries[0].HasLeague()) fault("country 0 must be the placeholder without a league");
    int selectedByDefault = 0, onMaps = 0;
    std::map<int, std::set<int>> ranks;
    std::set<std::string> codes;
    for (const Country& c : w.countries) {
        std::string who = "country " + std::to_string(c.id) + " (" + c.name + ")";
        if (c.federation < 0 || c.federation >= static_cast<int>(w.federations.size())) fault(who + ": no such federation");
        if (c.wageFactor < 1 || c.wageFactor > 160) fault(who + ": wage factor must be 1 to 160");
        if (c.raceRow < 0 || c.raceRow > 4) fault(who + ": race row must be 0 to 4");
        if (c.boardSwitch != 0 && c.boardSwitch != 1) fault(who + ": board switch must be 0 or 1");
        if (!codes.insert(c.code).second) fault(who + ": flag code used twice");
        for (char ch : c.code)
            if (ch < 'a' || ch > 'z') fault(who + ": flag code must be lower-case letters");
        if (c.code.size() != 3) fault(who + ": flag code must have three letters");
        if (c.id != 0 && !ranks[c.federation].insert(c.federationRank).second) fault(who + ": federation rank twice");
        if (c.seasonStart < 1 || c.seasonStart > 103 || c.seasonEnd < 1 || c.seasonEnd > 103 ||
            c.seasonStart >= c.seasonEnd)
            fault(who + ": season start and end must lie within 1..103, start first");
        if (c.deadlines.size() % 2 != 0) fault(who + ": deadline days come in pairs");
        for (int d : c.deadlines)
            if (d < 1 || d > 103) fault(who + ": deadline days must lie within 1..103");
        if (!c.map.empty()) {
            ++onMaps;
            if (!c.HasLeague()) fault(who + ": a map country needs a league");
        } else if (c.HasLeague()) {
            fault(who + ": only the countries of the maps have leagues");
        }
        if (c.defaultSelected) ++selectedByDefault;
        if (c.federation == 1 && c.HasLeague()) fault(who + ": federation 1 has no node for a league");
        for (const Division& d : c.divisions) {
            if (!HasSchedule(d.ClubCount()))
                fault(who + ": division " + d.name + " has " + std::to_string(d.ClubCount()) +
                      " clubs; no schedule has that many");
            if (d.strength < 0 || d.strength > 3) fault(who + ": division " + d.name + ": strength class 0..3");
        }
    }
    if (onMaps != 71) fault("the new-game maps need 71 countries, the table has " + std::to_string(onMaps));
    if (selectedByDefault != 27) fault("the default selection needs 27 countries, not " + std::to_string(selectedByDefault));
    if (w.ClubCount() > 2181) fault("more than 2,181 clubs");
    if (w.DivisionCount() > 255) fault("255 divisions or more");
    return faults;
}

World Load(const fs::path& assetsDir) {
    fs::path dir = assetsDir / "world";
    World w;
    ReadCurrencies(dir, w);
    ReadFederations(dir, w);
    ReadCountries(dir, w);
    ReadLeagues(dir, w);
    AssignRanks(w);
    auto faults = CheckRules(w);
    if (!faults.empty()) {
        std::string all;
        for (const auto& f : faults) all += "\n  " + f;
        toolio::Fail("the world table breaks its rules:" + all);
    }
    return w;
}

}  // namespace worldtable
