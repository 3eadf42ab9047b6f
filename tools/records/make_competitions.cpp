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
#include "soccerclasses/federationcup.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/playoff.h"
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

// The European federation's two cups, round by round: (draw, match) slots.
// A second leg carries its first leg's draw slot; the two cups share match
// days (no club is in both at once: the clubs the champions' cup passes on
// join the second cup after their last match in it).
struct FedRound {
    int draw, match, entrants, kind, nameIndex;
};
constexpr FedRound kChampionsRounds[] = {
    {3, 9, 18, 4, 98},    {3, 11, 18, 8, 99},                                    // first qualifying round
    {13, 14, 28, 4, 102}, {13, 16, 28, 8, 103},                                  // second qualifying round
    {17, 18, 32, 4, 106}, {17, 22, 32, 8, 107},                                  // third qualifying round
    {23, 26, 32, 10, 108}, {23, 28, 32, 10, 109}, {23, 30, 32, 10, 110},         // first group phase
    {23, 34, 32, 10, 111}, {23, 38, 32, 10, 112}, {23, 40, 32, 10, 113},
    {41, 42, 16, 10, 114}, {41, 46, 16, 10, 115}, {41, 50, 16, 10, 116},         // second group phase
    {41, 52, 16, 10, 117}, {41, 54, 16, 10, 118}, {41, 58, 16, 10, 119},
    {59, 62, 8, 4, 39},   {59, 64, 8, 8, 40},                                    // quarter-finals
    {65, 68, 4, 4, 43},   {65, 72, 4, 8, 44},                                    // semi-finals
    {80, 90, 2, 24, 45},                                                         // final
};
constexpr FedRound kSecondRounds[] = {
    {3, 9, 76, 4, 3},    {3, 11, 76, 8, 4},     // qualifying round
    {25, 28, 96, 4, 7},  {25, 30, 96, 8, 8},    // first round
    {31, 34, 48, 4, 11}, {31, 38, 48, 8, 12},   // second round
    {43, 46, 32, 4, 15}, {43, 50, 32, 8, 16},   // third round
    {51, 52, 16, 4, 19}, {51, 54, 16, 8, 20},   // fourth round
    {59, 62, 8, 4, 39},  {59, 64, 8, 8, 40},    // quarter-finals
    {65, 68, 4, 4, 43},  {65, 72, 4, 8, 44},    // semi-finals
    {73, 78, 2, 24, 45},                        // final
};
constexpr int kEurope = 0;

// The play-offs of 1999: England's three knock-outs (two-legged semi-finals
// and a final at a neutral ground, one place) and Spain's promotion groups
// (the top division's two clubs above the drop and six of the second
// division, two groups of four home and away, two places). Each is the
// promotion play-off of division `lower` of its country; a group play-off is
// also the relegation play-off of the division above. The division above
// sends down `exchange` clubs directly.
struct PlayOffPlan {
    std::string country;  // flag code
    int lower;            // the division's place in its country, top 0
    int id, exchange, extraPlaces, promotionClubs, relegationClubs;
    bool groups;
};
const PlayOffPlan kPlayOffs[] = {
    {"eng", 1, 1, 2, 1, 4, 0, false},
    {"eng", 2, 2, 2, 1, 4, 0, false},
    {"eng", 3, 3, 3, 1, 4, 0, false},
    {"esp", 1, 4, 2, 2, 6, 2, true},
};
// Knock-out: semi-finals drawn on 97 and played on 98 and 99, the final
// drawn on 100 and played on 101. Groups: drawn on 87, six match days
// around the cup final and the champions' cup's final.
constexpr FedRound kKnockOutPlayOffRounds[] = {{97, 98, 4, 4, 43}, {97, 99, 4, 8, 44}, {100, 101, 2, 24, 45}};
constexpr FedRound kGroupPlayOffRounds[] = {{87, 88, 8, 10, 108}, {87, 89, 8, 10, 109}, {87, 91, 8, 10, 110},
                                           {87, 92, 8, 10, 111}, {87, 93, 8, 10, 112}, {87, 94, 8, 10, 113}};

const PlayOffPlan* PlayOffOf(const worldtable::Country& c, int division) {
    for (const PlayOffPlan& p : kPlayOffs)
        if (p.country == c.code && p.lower == division) return &p;
    return nullptr;
}

// The last slot a division may play a league match on: before the draw of
// the country's first play-off, so no club of the country plays a league
// match once the play-offs begin.
int LastLeagueSlot(const worldtable::Country& c, int /*division*/) {
    int last = c.seasonEnd - 2;
    for (const PlayOffPlan& p : kPlayOffs)
        if (p.country == c.code)
            last = std::min(last, (p.groups ? kGroupPlayOffRounds[0].draw : kKnockOutPlayOffRounds[0].draw) - 1);
    return last;
}

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

enum class CupKind { kMain, kLeague };

// A knock-out of the league clubs starts with the largest power of two they
// allow; its rounds take the last slots of the cup's list, the final last.
int CupFirstRound(const worldtable::Country& c) {
    int leagueClubs = 0;
    for (const auto& d : c.divisions) leagueClubs += d.ClubCount();
    int first = 2;
    while (first * 2 <= leagueClubs && first * 2 < 200) first *= 2;
    return first;
}

int CupRoundCount(const worldtable::Country& c) {
    int rounds = 0;
    for (int e = CupFirstRound(c); e >= 2; e /= 2) ++rounds;
    return rounds;
}

// The main cup replays its numbered rounds (more than eight clubs) the next
// slot; the league cup settles every tie on the day.
bool CupRoundHasReplay(CupKind kind, int entrants) { return kind == CupKind::kMain && entrants > 8; }

// The slots a country keeps free of league matches: its cups' match and
// replay days (the league cup's where it has one), the shield's match day
// and, in Europe, the federation cups' match days.
std::set<int> CupSlots(const Settings& s, const worldtable::Country& c) {
    std::set<int> reserved{ShieldMatchSlot(c)};
    // Every European league country has berths in both federation cups.
    if (c.federation == kEurope) {
        for (const FedRound& r : kChampionsRounds) reserved.insert(r.match);
        for (const FedRound& r : kSecondRounds) reserved.insert(r.match);
    }
    const int rounds = CupRoundCount(c);
    auto add = [&](const std::vector<int>& slots, CupKind kind) {
        size_t slot = slots.size() - std::min(slots.size(), static_cast<size_t>(rounds));
        for (int e = CupFirstRound(c); e >= 2 && slot < slots.size(); e /= 2, ++slot) {
            reserved.insert(slots[slot]);
            if (CupRoundHasReplay(kind, e)) reserved.insert(slots[slot] + 1);
        }
    };
    add(s.cupMatchSlots, CupKind::kMain);
    if (s.leagueCupCountries.count(c.id)) add(s.leagueCupMatchSlots, CupKind::kLeague);
    return reserved;
}

void FillCalendar(CDivision& d, const worldtable::Country& c, const std::set<int>& cupSlots, int lastSlot) {
    for (int s = 0; s < CDivision::kSlots; ++s) d.SetCalendarSlot(s, CDivision::kNoMatch);
    int start = c.seasonStart, end = c.seasonEnd;
    d.SetCalendarSlot(start, CDivision::kSeasonFirst);
    for (int k = 0; k < 4; ++k) d.SetCalendarSlot(start + 1 + k, static_cast<uint8_t>(CDivision::kFriendly0 + k));
    std::vector<int> free;
    for (int s = start + 5; s <= lastSlot; ++s)
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

// A knock-out of the league clubs: a first round of the largest power of two
// they allow, halving to a final at the neutral venue. The main cup brings
// in non-league clubs (an eighth of the first round from 16 entrants up) and
// replays its numbered rounds; the league cup is for league clubs only and
// settles every tie on the day. The league cup enters no shield (-1).
void WriteCup(FILE* f, const worldtable::Country& c, const Settings& settings, CupKind kind, int shield) {
    const bool main = kind == CupKind::kMain;
    const std::vector<int>& slots = main ? settings.cupMatchSlots : settings.leagueCupMatchSlots;
    const int first = CupFirstRound(c);
    const int nonLeague = main && first >= 16 ? first / 8 : 0;
    const int rounds = CupRoundCount(c);
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
        } else if (CupRoundHasReplay(kind, e)) {
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

const worldtable::Country* ByFederationRank(const worldtable::World& world, int federation, int rank) {
    for (const auto& c : world.countries)
        if (c.federation == federation && c.federationRank == rank && c.HasLeague()) return &c;
    return nullptr;
}

// A berth of the walk: the descriptor (which club of the country) and the
// round the club enters.
struct Berth {
    uint8_t descriptor, round;
};

// The champions' cup's berths by rank (1-based) in walk order: the
// strongest countries' champions and runners-up straight into the first
// group phase, the others through up to three qualifying rounds.
std::vector<Berth> ChampionsBerths(int rank) {
    if (rank <= 2) return {{0, 6}, {1, 6}, {4, 4}, {4, 4}};
    if (rank <= 4) return {{0, 6}, {1, 6}, {4, 4}};
    if (rank <= 9) return {{0, 6}, {4, 4}};
    if (rank == 10) return {{0, 6}};
    if (rank == 11) return {{0, 6}, {4, 4}};
    if (rank == 12) return {{0, 6}, {4, 2}};
    if (rank <= 18) return {{0, 4}, {4, 2}};
    if (rank <= 30) return {{0, 2}};
    if (rank <= 48) return {{0, 0}};
    return {};
}

// The second cup's berths: the cup winners first, the league cups' winners
// next, then the best-placed clubs not yet entered.
int SecondCupBerthCount(int rank) { return rank <= 6 ? 4 : rank <= 15 ? 3 : rank <= 48 ? 2 : rank == 49 ? 1 : 0; }

void WriteFederationCup(FILE* f, const worldtable::World& world, const Settings& settings, bool champions) {
    CFederationCup cup;
    cup.m_Name = champions ? "Union Champions' Cup" : "Union Cup";
    cup.m_Kind = champions ? 0 : 1;
    cup.m_Federation = kEurope;
    std::vector<uint8_t> rounds, descriptors;
    int position = 0;
    for (int rank = 1; rank <= CFederationCup::kHolderBerths; ++rank) {
        if (champions) {
            const auto berths = ChampionsBerths(rank);
            cup.m_BerthsByRank.Add(static_cast<uint8_t>(berths.size()));
            for (const Berth& b : berths) {
                descriptors.push_back(b.descriptor);
                rounds.push_back(b.round);
            }
        } else {
            const int n = SecondCupBerthCount(rank);
            cup.m_BerthsByRank.Add(static_cast<uint8_t>(n));
            for (int k = 0; k < n; ++k, ++position) {
                descriptors.push_back(static_cast<uint8_t>(k == 0 ? 2 : k == 1 ? 3 : 4));
                // The strongest countries' clubs, and the places the second
                // cup's holder moves down a round, start in the first round.
                const bool firstRound = position < 38 || position == 50 || position == 53 || position == 56 || position == 59;
                rounds.push_back(firstRound ? 2 : 0);
            }
        }
    }
    cup.m_BerthsByRank.Add(0);  // the holders' places, opened each season
    if (champions) {
        descriptors.push_back(0);  // the lowest-ranked country's champion
        rounds.push_back(0);
    } else {
        descriptors.insert(descriptors.end(), {4, 4});
        rounds.insert(rounds.end(), {0, 0});
        rounds.insert(rounds.end(), 16, 2);  // the champions' cup's third qualifying round losers
        rounds.insert(rounds.end(), 8, 6);   // its first group phase's third-placed clubs
    }
    for (uint8_t d : descriptors) cup.m_BerthDescriptors.Add(d);
    for (uint8_t r : rounds) cup.m_EntryRounds.Add(r);
    // Last season's winners: the top country's champion took the champions'
    // cup, a club of the third country outside its berths the second cup.
    const worldtable::Country* holderCountry = ByFederationRank(world, kEurope, champions ? 1 : 3);
    if (!holderCountry) toolio::Fail("the European federation has too few league countries");
    const worldtable::Division& top = holderCountry->divisions.front();
    if (top.ClubCount() < 6) toolio::Fail(holderCountry->name + ": too few clubs for a federation cup holder");
    cup.m_Holder = champions ? top.FirstClub() : top.FirstClub() + 4;
    // The final's ground: the top club's of another strong country.
    const worldtable::Country* host = ByFederationRank(world, kEurope, champions ? 4 : 5);
    cup.m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(host->divisions.front().FirstClub()));
    cup.m_SubsNamed = static_cast<uint8_t>(settings.subsNamed);
    cup.m_SubsAllowed = static_cast<uint8_t>(settings.subsAllowed);
    cup.m_EntryScheme = 0;
    cup.m_Format = champions ? 3 : 1;
    cup.m_ReEntryRound = 0;
    cup.m_ShieldIndex = -1;
    cup.m_RecordRole = 0;
    std::vector<uint8_t> names;
    const auto add = [&](const FedRound& fr) {
        auto r = std::make_unique<CCupRound>();
        r->m_Entrants = static_cast<uint8_t>(fr.entrants);
        r->m_Kind = static_cast<uint8_t>(fr.kind);
        r->m_DrawSlot = static_cast<uint8_t>(fr.draw);
        r->m_MatchSlot = static_cast<uint8_t>(fr.match);
        if (fr.kind == 10) {
            r->m_GroupSize = 4;
            r->m_Legs = 2;
        }
        names.push_back(static_cast<uint8_t>(fr.nameIndex));
        cup.m_Rounds.Add(std::move(r));
    };
    if (champions)
        for (const FedRound& r : kChampionsRounds) add(r);
    else
        for (const FedRound& r : kSecondRounds) add(r);
    cup.WriteRecord(f, champions ? 3 : 4, names);
}

void WritePlayOff(FILE* f, const worldtable::Country& c, const PlayOffPlan& plan, const Settings& settings) {
    const worldtable::Division& lower = c.divisions.at(static_cast<size_t>(plan.lower));
    CPlayOff p;
    p.m_Name = lower.name + " Play-offs";
    p.m_Id = static_cast<uint8_t>(plan.id);
    p.m_CountryIndex = c.id;
    p.m_Spare = 0;
    p.m_ExtraPlaces = static_cast<uint8_t>(plan.extraPlaces);
    // The final's ground: the top division's first club's.
    p.m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(c.divisions.front().FirstClub()));
    p.m_SubsNamed = static_cast<uint8_t>(settings.subsNamed);
    p.m_SubsAllowed = static_cast<uint8_t>(settings.subsAllowed);
    p.m_EntryScheme = 0;
    p.m_Format = 1;
    p.m_ShieldIndex = -1;
    p.m_RecordRole = 0;
    std::vector<uint8_t> names;
    auto add = [&](const FedRound& fr) {
        auto r = std::make_unique<CCupRound>();
        r->m_Entrants = static_cast<uint8_t>(fr.entrants);
        r->m_Kind = static_cast<uint8_t>(fr.kind);
        r->m_DrawSlot = static_cast<uint8_t>(fr.draw);
        r->m_MatchSlot = static_cast<uint8_t>(fr.match);
        if (fr.kind == 10) {
            r->m_GroupSize = 4;
            r->m_Legs = 2;
        }
        names.push_back(static_cast<uint8_t>(fr.nameIndex));
        p.m_Rounds.Add(std::move(r));
    };
    if (plan.groups)
        for (const FedRound& r : kGroupPlayOffRounds) add(r);
    else
        for (const FedRound& r : kKnockOutPlayOffRounds) add(r);
    p.WriteRecord(f, {}, names);
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
            const PlayOffPlan* playOff = PlayOffOf(c, static_cast<int>(i));
            const PlayOffPlan* playOffBelow = PlayOffOf(c, static_cast<int>(i) + 1);
            // A play-off decides the places after the direct exchange.
            auto exchange = [&](const worldtable::Division& up, const worldtable::Division& down, const PlayOffPlan* p) {
                if (p) return p->exchange;
                return up.ClubCount() >= 16 && down.ClubCount() >= 16 ? 3 : 2;
            };
            auto d = std::make_unique<CDivision>();
            d->SetName(wd.name);
            d->SetClubRange(wd.FirstClub(), static_cast<uint8_t>(wd.ClubCount()));
            d->SetCountry(static_cast<uint8_t>(c.id));
            d->m_PointsRule = static_cast<uint8_t>(settings.winPoints);
            d->m_StrengthIndex = static_cast<uint8_t>(wd.strength);
            d->m_ExchangeCount = static_cast<uint8_t>(below ? exchange(wd, *below, playOffBelow) : 0);
            d->m_AutoPromotion = static_cast<uint8_t>(above ? exchange(*above, wd, playOff) : 0);
            if (playOff) {
                d->m_PromotionPlayOff = playOff->id;
                d->m_PromotionPlayOffClubs = static_cast<uint8_t>(playOff->promotionClubs);
            }
            if (playOffBelow && playOffBelow->groups) {
                d->m_RelegationPlayOff = playOffBelow->id;
                d->m_RelegationPlayOffClubs = static_cast<uint8_t>(playOffBelow->relegationClubs);
            }
            d->m_SubsNamed = static_cast<uint8_t>(settings.subsNamed);
            d->m_SubsAllowed = static_cast<uint8_t>(settings.subsAllowed);
            d->m_RecordBytes = {static_cast<uint8_t>(wd.index),
                                static_cast<uint8_t>(settings.abroadSearch[static_cast<size_t>(wd.strength)]),
                                d->m_ExchangeCount, static_cast<uint8_t>(i == 0 ? 1 : 0), 0};
            FillCalendar(*d, c, CupSlots(settings, c), LastLeagueSlot(c, static_cast<int>(i)));
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

    // The play-offs, in id order.
    f = recio::OpenForWriting(argv[2], kPlayOffsFile);
    SaveInt32(f, static_cast<int32_t>(std::size(kPlayOffs)));
    for (const PlayOffPlan& plan : kPlayOffs) {
        const worldtable::Country* c = nullptr;
        for (const auto& each : world.countries)
            if (each.code == plan.country) c = &each;
        if (!c || static_cast<int>(c->divisions.size()) <= plan.lower || plan.lower < 1)
            toolio::Fail("a play-off of a division that does not exist: " + plan.country);
        WritePlayOff(f, *c, plan, settings);
    }
    recio::Finish(f, kPlayOffsFile);

    // The European federation's champions' cup, then its second cup.
    f = recio::OpenForWriting(argv[2], kFederationCupsFile);
    SaveInt32(f, 2);
    WriteFederationCup(f, world, settings, true);
    WriteFederationCup(f, world, settings, false);
    recio::Finish(f, kFederationCupsFile);
    return 0;
}
