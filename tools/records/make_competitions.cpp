// Writes "Data\\Division.bin", "Data\\Referees.bin", "Data\\cups.bin",
// "Data\\Shields.bin", "Data\\PlayOffs.bin" and "Data\\FedCups.bin" from the
// world table (assets/world/) and assets/records/competitions.txt.
#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "../common/toolio.h"
#include "platform/random.h"
#include "recio.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/referee.h"
#include "worldtable/worldtable.h"

namespace {

struct Settings {
    std::vector<int> cupMatchSlots;
    std::vector<int> leagueCupMatchSlots;
    std::set<int> leagueCupCountries;
    int subsNamed = 5, subsAllowed = 3, winPoints = 3;
    std::vector<int> abroadSearch;
    std::map<int, std::pair<std::vector<std::string>, std::vector<std::string>>> refereeNames;
    std::map<int, std::string> shieldNames;
};

// The shield opens the season: drawn the day after the season starts and
// played on the first slot after the four friendlies, before the league.
int ShieldDrawSlot(const worldtable::Country& c) { return c.seasonStart + 1; }
int ShieldMatchSlot(const worldtable::Country& c) { return c.seasonStart + 5; }

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::vector<int> Numbers(const std::string& s) {
    std::vector<int> out;
    for (auto& w : Words(s)) out.push_back(std::stoi(w));
    return out;
}

Settings ReadSettings(const std::filesystem::path& file) {
    Settings s;
    for (const auto& l : toolio::ReadAssetLines(file)) {
        auto eq = l.text.find('=');
        if (eq == std::string::npos) toolio::Fail(file.string() + ":" + std::to_string(l.number) + ": expected key=value");
        std::string key = l.text.substr(0, eq), value = l.text.substr(eq + 1);
        if (key == "cup_match_slots") s.cupMatchSlots = Numbers(value);
        else if (key == "league_cup_match_slots") s.leagueCupMatchSlots = Numbers(value);
        else if (key == "league_cup_countries") {
            for (int id : Numbers(value)) s.leagueCupCountries.insert(id);
        }
        else if (key == "subs_named") s.subsNamed = std::stoi(value);
        else if (key == "subs_allowed") s.subsAllowed = std::stoi(value);
        else if (key == "win_points") s.winPoints = std::stoi(value);
        else if (key == "abroad_search") s.abroadSearch = Numbers(value);
        else if (key.rfind("shield_name_", 0) == 0) s.shieldNames[std::stoi(key.substr(12))] = value;
        else if (key.rfind("referee_names_", 0) == 0) {
            auto bar = value.find('|');
            if (bar == std::string::npos) toolio::Fail(file.string() + ": referee names need first parts|endings");
            s.refereeNames[std::stoi(key.substr(14))] = {Words(value.substr(0, bar)), Words(value.substr(bar + 1))};
        } else toolio::Fail(file.string() + ":" + std::to_string(l.number) + ": unknown key " + key);
    }
    if (s.cupMatchSlots.empty() || s.abroadSearch.size() != 4) toolio::Fail(file.string() + ": incomplete");
    if (!s.leagueCupCountries.empty() && s.leagueCupMatchSlots.empty())
        toolio::Fail(file.string() + ": league cup countries without league cup slots");
    return s;
}

// The slots a country keeps free of league matches for its cups: the main
// cup's draw, match and replay days, the league cup's draw and match days
// where the country has one (its ties are settled on the day), and the
// shield's match day.
std::set<int> CupSlots(const Settings& s, const worldtable::Country& c) {
    const int country = c.id;
    std::set<int> reserved{ShieldMatchSlot(c)};
    for (int m : s.cupMatchSlots) reserved.insert({m - 2, m, m + 1});
    if (s.leagueCupCountries.count(country))
        for (int m : s.leagueCupMatchSlots) reserved.insert({m - 2, m});
    return reserved;
}

void FillCalendar(CDivision& d, const worldtable::Country& c, const std::set<int>& cupSlots) {
    for (int s = 0; s < CDivision::kSlots; ++s) d.SetCalendarSlot(s, CDivision::kNoMatch);
    int start = c.seasonStart, end = c.seasonEnd;
    d.SetCalendarSlot(start, CDivision::kSeasonFirst);
    for (int k = 0; k < 4; ++k) d.SetCalendarSlot(start + 1 + k, static_cast<uint8_t>(CDivision::kFriendly0 + k));
    std::vector<int> free;
    for (int s = start + 5; s <= end - 2; ++s)
        if (!cupSlots.count(s)) free.push_back(s);
    int days = CDivision::ScheduleMatchDays(d.GetClubCount());
    if (static_cast<int>(free.size()) < days)
        toolio::Fail(c.name + ": its season has no room for " + std::to_string(days) + " league days");
    int last = 0;
    for (int m = 0; m < days; ++m) {
        // Spread the league days evenly over the free slots.
        int slot = free[static_cast<size_t>(days == 1 ? 0 : m * (static_cast<int>(free.size()) - 1) / (days - 1))];
        d.SetCalendarSlot(slot, static_cast<uint8_t>(m + 1));
        last = slot;
    }
    d.SetCalendarSlot(last + 1, CDivision::kLeagueEnd);
    d.SetCalendarSlot(end, CDivision::kSeasonLast);
}

std::string RefereeSurname(const Settings& s, int raceRow, uint32_t n) {
    auto it = s.refereeNames.find(raceRow);
    if (it == s.refereeNames.end()) it = s.refereeNames.begin();
    const auto& [firsts, ends] = it->second;
    return firsts[n % firsts.size()] + ends[(n / firsts.size()) % ends.size()];
}

enum class CupKind { kMain, kLeague };

// A knock-out of the league clubs: a first round of the largest power of two
// they allow, halving to a final at the neutral venue. The main cup brings
// in non-league clubs (an eighth of the first round from 16 entrants up) and
// replays its numbered rounds; the league cup is for league clubs only and
// settles every tie on the day. The league cup enters no shield (-1).
void WriteCup(FILE* f, const worldtable::Country& c, const Settings& settings, CupKind kind, int shield) {
    const bool main = kind == CupKind::kMain;
    const std::vector<int>& slots = main ? settings.cupMatchSlots : settings.leagueCupMatchSlots;
    int leagueClubs = 0;
    for (const auto& d : c.divisions) leagueClubs += d.ClubCount();
    int first = 2;
    while (first * 2 <= leagueClubs && first * 2 < 200) first *= 2;
    const int nonLeague = main && first >= 16 ? first / 8 : 0;
    int rounds = 0;
    for (int e = first; e >= 2; e /= 2) ++rounds;
    if (rounds > static_cast<int>(slots.size())) toolio::Fail(c.name + ": too many cup rounds");
    const worldtable::Division& top = c.divisions.front();
    const worldtable::Division& bottom = c.divisions.back();
    CCup cup;
    cup.m_Name = c.name + (main ? " Cup" : " League Cup");
    // Last season's finalists: the top two clubs in the main cup, the next
    // two (where there are) in the league cup.
    const int offset = main || top.ClubCount() < 4 ? 0 : 2;
    cup.m_PreviousResults = {top.FirstClub() + offset, top.FirstClub() + offset + 1, -1, -1};
    cup.m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(top.FirstClub()));
    cup.m_SubsNamed = static_cast<uint8_t>(settings.subsNamed);
    cup.m_SubsAllowed = static_cast<uint8_t>(settings.subsAllowed);
    cup.m_EntryScheme = 0;
    cup.m_Format = 1;
    cup.m_ReEntryRound = 0;
    cup.m_ShieldIndex = shield;
    cup.m_RecordRole = main ? 4 : 1;
    std::vector<uint8_t> names;
    std::vector<CupNonLeagueRecord> clubs;
    for (int k = 0; k < nonLeague; ++k) {
        CupNonLeagueRecord nl;
        nl.name = RefereeSurname(settings, c.raceRow, static_cast<uint32_t>(c.id * 31 + k)) + (k % 2 ? " Amateurs" : " Town");
        nl.stadium = bottom.clubs.back().index;
        nl.homeKit = {1, static_cast<uint8_t>(k % 16), 0, 0, 0, 0, 0, 0};
        nl.awayKit = {2, static_cast<uint8_t>((k + 5) % 16), 0, 0, 0, 0, 0, 0};
        clubs.push_back(nl);
    }
    size_t slot = slots.size() - static_cast<size_t>(rounds);
    int stage = 0;
    for (int e = first; e >= 2; e /= 2, ++stage, ++slot) {
        auto r = std::make_unique<CCupRound>();
        r->m_Entrants = static_cast<uint8_t>(e);
        int m = slots[slot];
        r->m_MatchSlot = static_cast<uint8_t>(m);
        r->m_DrawSlot = static_cast<uint8_t>(m - 2);
        uint8_t nameIndex;
        if (e == 2) {
            nameIndex = 45;                       // the final, at the neutral venue
            r->m_Kind = 24;
        } else if (e <= 8) {
            nameIndex = e == 4 ? 41 : 37;         // semi and quarter finals, settled on the day
            r->m_Kind = 1;
        } else if (main) {
            nameIndex = static_cast<uint8_t>(5 + 4 * stage);  // numbered rounds, with replays
            r->m_Kind = 0;
            r->m_ReplaySlot = static_cast<uint8_t>(m + 1);
        } else {
            nameIndex = static_cast<uint8_t>(5 + 4 * stage);  // numbered rounds, settled on the day
            r->m_Kind = 1;
        }
        names.push_back(nameIndex);
        cup.m_Rounds.Add(std::move(r));
    }
    cup.WriteDefinition(f, clubs, names);
}

// The season-opening shield of a league country: last season's champion
// against the main cup's winner (the runner-up when the champion won the
// cup too), one final at the cup's ground.
void WriteShield(FILE* f, const worldtable::Country& c, const Settings& settings, int index) {
    const worldtable::Division& top = c.divisions.front();
    const int champion = top.FirstClub();
    // The main cup's first previous result, as WriteCup gives it.
    const int cupWinner = top.FirstClub();
    const int second = cupWinner != champion ? cupWinner : top.FirstClub() + 1;
    CCharityShield shield;
    shield.m_Index = index;
    shield.m_CountryIndex = c.id;
    auto name = settings.shieldNames.find(c.id);
    shield.m_Name = name != settings.shieldNames.end() ? name->second : c.name + " Super Cup";
    shield.m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(top.FirstClub()));
    shield.m_SubsNamed = static_cast<uint8_t>(settings.subsNamed);
    shield.m_SubsAllowed = static_cast<uint8_t>(settings.subsAllowed);
    shield.m_EntryScheme = 0;
    shield.m_Format = 1;
    shield.m_ReEntryRound = 0;
    shield.m_ShieldIndex = -1;
    shield.m_RecordRole = 0;
    auto r = std::make_unique<CCupRound>();
    r->m_Entrants = 2;
    r->m_Kind = 24;
    r->m_DrawSlot = static_cast<uint8_t>(ShieldDrawSlot(c));
    r->m_MatchSlot = static_cast<uint8_t>(ShieldMatchSlot(c));
    shield.m_Rounds.Add(std::move(r));
    shield.WriteRecord(f, champion, second, {45});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_competitions <assets dir> <game dir>");
    std::filesystem::path assets = argv[1];
    worldtable::World world = worldtable::Load(assets);
    Settings settings = ReadSettings(assets / "records" / "competitions.txt");
    platform::SeedRandom(1999);

    // Divisions.
    std::vector<std::unique_ptr<CDivision>> divisions;
    for (const auto& c : world.countries) {
        for (size_t i = 0; i < c.divisions.size(); ++i) {
            const auto& wd = c.divisions[i];
            const worldtable::Division* below = i + 1 < c.divisions.size() ? &c.divisions[i + 1] : nullptr;
            const worldtable::Division* above = i > 0 ? &c.divisions[i - 1] : nullptr;
            auto exchange = [](const worldtable::Division& up, const worldtable::Division& down) {
                return up.ClubCount() >= 16 && down.ClubCount() >= 16 ? 3 : 2;
            };
            auto d = std::make_unique<CDivision>();
            d->SetName(wd.name);
            d->SetClubRange(wd.FirstClub(), static_cast<uint8_t>(wd.ClubCount()));
            d->SetCountry(static_cast<uint8_t>(c.id));
            d->m_PointsRule = static_cast<uint8_t>(settings.winPoints);
            d->m_StrengthIndex = static_cast<uint8_t>(wd.strength);
            d->m_ExchangeCount = static_cast<uint8_t>(below ? exchange(wd, *below) : 0);
            d->m_AutoPromotion = static_cast<uint8_t>(above ? exchange(*above, wd) : 0);
            d->m_SubsNamed = static_cast<uint8_t>(settings.subsNamed);
            d->m_SubsAllowed = static_cast<uint8_t>(settings.subsAllowed);
            d->m_RecordBytes = {static_cast<uint8_t>(wd.index),
                                static_cast<uint8_t>(settings.abroadSearch[static_cast<size_t>(wd.strength)]),
                                d->m_ExchangeCount, static_cast<uint8_t>(i == 0 ? 1 : 0), 0};
            FillCalendar(*d, c, CupSlots(settings, c));
            divisions.push_back(std::move(d));
        }
    }
    std::vector<const CDivision*> divisionRecords;
    for (auto& d : divisions) divisionRecords.push_back(d.get());
    FILE* f = recio::OpenForWriting(argv[2], CDivisionList::kFileName);
    CDivisionList::WriteFile(f, divisionRecords);
    recio::Finish(f, CDivisionList::kFileName);

    // Referees: enough for every match of a league day, and two to spare.
    std::vector<std::unique_ptr<CSoccerReferee>> referees;
    uint32_t nameSeed = 0;
    for (const auto& c : world.countries) {
        for (size_t i = 0; i < c.divisions.size(); ++i) {
            const auto& wd = c.divisions[i];
            for (int k = 0; k < wd.ClubCount() / 2 + 2; ++k) {
                auto r = std::make_unique<CSoccerReferee>();
                std::string initial(1, static_cast<char>('A' + (nameSeed * 7 + 3) % 26));
                r->m_Person.Set(initial, RefereeSurname(settings, c.raceRow, nameSeed * 2654435761u >> 7),
                                static_cast<uint8_t>(28 + Random(15)), static_cast<uint8_t>(c.id));
                r->m_Person.Face().Generate(c.raceRow, true);
                r->m_RecordBytes = {static_cast<uint8_t>(i), 0};
                r->m_Division = static_cast<uint16_t>(wd.index);
                referees.push_back(std::move(r));
                ++nameSeed;
            }
        }
    }
    std::vector<const CSoccerReferee*> refereeRecords;
    for (auto& r : referees) refereeRecords.push_back(r.get());
    f = recio::OpenForWriting(argv[2], CSoccerRefereeList::kFileName);
    CSoccerRefereeList::WriteFile(f, refereeRecords);
    recio::Finish(f, CSoccerRefereeList::kFileName);

    // Each league country's cup, and after it the league cup where the
    // country had one in 1999.
    f = recio::OpenForWriting(argv[2], "Data\\cups.bin");
    int cups = 0;
    for (const auto& c : world.countries)
        if (c.HasLeague()) cups += 1 + static_cast<int>(settings.leagueCupCountries.count(c.id));
    SaveInt32(f, cups);
    int shield = 0;
    for (const auto& c : world.countries) {
        if (!c.HasLeague()) continue;
        SaveByte(f, static_cast<uint8_t>(c.id));
        WriteCup(f, c, settings, CupKind::kMain, shield++);
        if (!settings.leagueCupCountries.count(c.id)) continue;
        SaveByte(f, static_cast<uint8_t>(c.id));
        WriteCup(f, c, settings, CupKind::kLeague, -1);
    }
    recio::Finish(f, "Data\\cups.bin");

    // The shields, in the order of the main cups' shield indexes.
    f = recio::OpenForWriting(argv[2], kShieldsFile);
    SaveInt32(f, shield);
    int index = 0;
    for (const auto& c : world.countries)
        if (c.HasLeague()) WriteShield(f, c, settings, index++);
    recio::Finish(f, kShieldsFile);
    return 0;
}
