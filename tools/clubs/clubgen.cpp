#include "clubgen.h"

#include <algorithm>
#include <array>
#include <map>
#include <cctype>
#include <set>

#include "platform/random.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/popularity.h"

namespace clubgen {
namespace {

struct MannerText {
    std::vector<const char*> clubs;     // "%s" is the town
    std::vector<const char*> grounds;   // "%s" is the town, "%n" a surname
    std::vector<const char*> surnames;  // managers and grounds
    int foundedFrom;
};

const MannerText& TextOf(Manner m) {
    static const std::map<Manner, MannerText> texts = {
        {Manner::kEnglish,
         {{"%s United", "%s City", "%s Town", "%s Rovers", "%s Athletic", "%s Albion", "%s Wanderers", "%s County",
           "%s Borough", "%s Villa", "%s Rangers", "%s Argyle", "%s Harriers", "%s Orient"},
          {"%s Park", "%n Road", "%n Lane", "The %n Ground", "Victoria Park", "%n Park", "The Dell", "Meadow Lane",
           "Station Road", "Recreation Ground"},
          {"Halloran", "Whitcombe", "Pritchard", "Ashworth", "Bellamy", "Thorne", "Hargreaves", "Coulson", "Dunmore",
           "Felton", "Radcliffe", "Sandford", "Marlow", "Kettering", "Oakes", "Brindley"},
          1867}},
        {Manner::kScottish,
         {{"%s Thistle", "%s Athletic", "%s Rovers", "%s United", "%s Academicals", "%s Albion", "Queen of %s",
           "%s Rangers", "%s Saint Mirren", "%s Hearts"},
          {"%s Park", "%n Park", "Firhill", "Broomfield", "%n Road", "East End Park"},
          {"MacAulay", "Drummond", "Fraser", "MacLeish", "Kerr", "Buchanan", "Lennox", "Rattray", "Strachan",
           "Muir"},
          1870}},
        {Manner::kGerman,
         {{"FC %s", "SV %s", "VfB %s", "1. FC %s", "TSV %s", "SC %s", "Borussia %s", "Eintracht %s", "SpVgg %s",
           "VfL %s", "FSV %s", "Fortuna %s", "Union %s", "Kickers %s"},
          {"%s Stadion", "Waldstadion", "Stadion am %n", "Sportpark %s", "%n-Kampfbahn", "Stadion %s",
           "Parkstadion", "%n-Sportplatz"},
          {"Brenner", "Hollmann", "Kessler", "Lindemann", "Vogt", "Reinholz", "Zeller", "Ostermann", "Brandt",
           "Huber", "Kuhnert", "Wiesner"},
          1888}},
        {Manner::kSpanish,
         {{"Real %s", "CD %s", "%s CF", "UD %s", "Atletico %s", "Deportivo %s", "Racing %s", "SD %s",
           "Club %s", "CA %s", "Sporting %s", "Union %s"},
          {"Estadio %n", "Campo Municipal de %s", "Estadio de %s", "Estadio %n", "Nuevo Estadio %s",
           "Estadio El %n"},
          {"Ferrandiz", "Olmedo", "Carrasco", "Ibarra", "Valverde", "Quintana", "Arroyo", "Sarmiento",
           "Bustos", "Echeverri", "Lozano", "Robledo"},
          1898}},
        {Manner::kItalian,
         {{"AC %s", "US %s", "%s Calcio", "AS %s", "SS %s", "Unione Sportiva %s", "Pro %s", "Sporting %s",
           "Polisportiva %s", "Virtus %s"},
          {"Stadio Comunale %s", "Stadio %n", "Stadio Comunale", "Stadio Civico %s", "Campo %n"},
          {"Bellandi", "Castagnoli", "Ferraris", "Lombardo", "Marchetti", "Orsini", "Pellegatti", "Rinaldi",
           "Salvatori", "Tornaghi", "Vezzosi"},
          1899}},
        {Manner::kFrench,
         {{"FC %s", "AS %s", "Olympique %s", "Stade %s", "RC %s", "US %s", "SC %s", "AJ %s", "En Avant %s",
           "Racing %s", "Union %s", "Red Star %s"},
          {"Stade %n", "Stade Municipal de %s", "Stade de %s", "Parc des Sports de %s", "Stade %n"},
          {"Delorme", "Aubry", "Fontaine", "Marchand", "Lacroix", "Besnard", "Charpentier", "Garnier", "Perrin",
           "Roussel", "Vallet"},
          1894}},
        {Manner::kPortuguese,
         {{"SC %s", "FC %s", "Sporting %s", "Academica %s", "Uniao %s", "Desportivo %s", "CD %s", "Atletico %s",
           "Esporte Clube %s", "Gremio %s", "Associacao %s"},
          {"Estadio %n", "Estadio Municipal de %s", "Estadio da %n", "Estadio %s", "Campo %n"},
          {"Almeida", "Barroso", "Carvalho", "Damasceno", "Figueira", "Gouveia", "Macedo", "Nogueira", "Pimentel",
           "Queiroz", "Teixeira"},
          1900}},
        {Manner::kDutch,
         {{"%s FC", "SC %s", "FC %s", "Sparta %s", "VV %s", "Go Ahead %s", "Fortuna %s", "Quick %s", "%s Boys",
           "SV %s"},
          {"%s Stadion", "Sportpark %n", "Stadion De %n", "Sportpark %s"},
          {"de Graaf", "van Dijkhuis", "Verhoeven", "Bakker", "Jansma", "Kooistra", "Mulder", "van Leeuwen",
           "Smeets", "Hoekstra"},
          1900}},
        {Manner::kSlavic,
         {{"FK %s", "Dinamo %s", "Lokomotiv %s", "Spartak %s", "Slavia %s", "%s FK", "Torpedo %s", "NK %s",
           "Metalurg %s", "Rudar %s", "Sloboda %s", "Zenit %s"},
          {"Stadion %s", "Gradski Stadion %s", "Stadion %n", "Central Stadium %s", "Stadion Mladost"},
          {"Petrovic", "Novak", "Kovalenko", "Dvorak", "Horvat", "Sokolov", "Zielinski", "Marinov", "Popescu",
           "Kovacs", "Lukic", "Volkov"},
          1905}},
        {Manner::kNordic,
         {{"%s BK", "%s IF", "%s FF", "IK %s", "%s IL", "%s BK 1909", "FC %s", "%s SK", "%s AIK"},
          {"%s Stadion", "%s Idrottsplats", "%s Arena", "%sparken", "%n Stadion"},
          {"Lindqvist", "Sorensen", "Haugland", "Nyberg", "Virtanen", "Dahl", "Eklund", "Rasmussen", "Solberg",
           "Holm"},
          1896}},
        {Manner::kGreek,
         {{"%s FC", "AE %s", "PAS %s", "Aris %s", "Apollon %s", "Iraklis %s", "Ethnikos %s", "Panionios %s",
           "Olympiakos %s", "Atromitos %s"},
          {"Stadio %s", "Dimotiko Stadio %s", "Stadio %n"},
          {"Papadakis", "Karamanlis", "Georgiou", "Nikolaidis", "Stavrou", "Vlachos", "Kostopoulos",
           "Antoniou"},
          1908}},
        {Manner::kTurkish,
         {{"%sspor", "%s Belediyespor", "%s Genclik", "%s Idman Yurdu", "%s Demirspor", "%s Sekerspor"},
          {"%s Ataturk Stadi", "%s Sehir Stadi", "%n Stadi"},
          {"Yilmaz", "Kaya", "Demir", "Sahin", "Celik", "Aydin", "Ozturk", "Arslan"},
          1910}},
        {Manner::kOther,
         {{"%s FC", "FC %s", "%s Sporting", "Club %s", "%s United", "Athletic %s", "%s City", "Real %s",
           "%s Stars", "%s Rangers"},
          {"%s Stadium", "Municipal Stadium %s", "%n Stadium", "National Ground %s", "%s Sports Park"},
          {"Okafor", "Tanaka", "Park", "Mensah", "Haddad", "Chen", "Nakamura", "Osei", "Levi", "Kim"},
          1910}},
    };
    return texts.at(m);
}

std::string Fill(const char* pattern, const std::string& town, const std::string& surname) {
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') out += town, ++p;
        else if (p[0] == '%' && p[1] == 'n') out += surname, ++p;
        else out += *p;
    }
    return out;
}

template <typename T>
const T& Pick(const std::vector<T>& v) {
    return v[static_cast<size_t>(RandomByte(static_cast<int>(v.size())))];
}

// Rows 0..97 are for league clubs; the last rows are left to non-league clubs.
constexpr int kLeagueRows = 98;

int CountryBase(int id) {
    switch (id) {
        case 55: case 67: case 86: case 160: return 0;
        case 62: case 121: case 137: case 24: case 6: return 5;
        case 150: case 17: case 142: case 176: case 69: case 44: case 47: case 48: case 10: case 166:
        case 165: case 128: case 136: case 141: case 114: case 88: case 190: return 16;
        default: return 28;
    }
}

// The groups of look-alike kit colours.
constexpr int kColourGroup[16] = {0, 0, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 5, 5};
constexpr int kColourDark = 0, kColourWhite = 15;
// Favourite home colours, the commoner ones more than once.
constexpr int kHomeColours[] = {7, 7, 7, 8, 11, 11, 10, 12, 15, 15, 3, 2, 4, 5, 6, 9, 13, 0, 14, 1};

std::array<uint8_t, 8> MakeKit(int shirt, int second) {
    std::array<uint8_t, 8> k{};
    k[0] = static_cast<uint8_t>(RandomByte(kSleevePatterns));
    k[1] = static_cast<uint8_t>(RandomByte(kShirtPatterns));
    k[2] = static_cast<uint8_t>(RandomByte(kShortsPatterns));
    // Shirt, shirt trim, sleeves, shorts, socks.
    const int shorts = Random(2) ? (ColoursAlike(shirt, kColourWhite) ? kColourDark : kColourWhite) : second;
    k[3] = static_cast<uint8_t>(shirt);
    k[4] = static_cast<uint8_t>(second);
    k[5] = static_cast<uint8_t>(Random(3) ? shirt : second);
    k[6] = static_cast<uint8_t>(shorts);
    k[7] = static_cast<uint8_t>(Random(2) ? shirt : shorts);
    return k;
}

int PickOtherColour(int notLike) {
    int c;
    do c = kHomeColours[RandomByte(int(std::size(kHomeColours)))];
    while (ColoursAlike(c, notLike));
    return c;
}

// Stands sized until they hold at least `target`, kept to the stand rules.
std::array<StandLayout, 8> BuildStands(int32_t target, int tier, bool allSeated) {
    std::array<StandLayout, 8> s{};
    for (auto& l : s) l.size = 1;
    const bool seated = allSeated || tier == 0;
    auto layout = [&](int i, StandLayout& l) {
        const bool corner = GetStandKind(i) == kCornerStand;
        const bool small = l.size == 0 || (corner && l.size < 2);
        l.seating = small ? 0 : (seated || l.size >= 4) ? (tier == 0 && l.size == 5 ? 2 : 1) : 0;
        l.roof = small ? 0 : static_cast<uint8_t>(std::clamp(3 - tier, 1, 3) - (l.size < 3 ? 1 : 0));
        if (corner) l.boxes = tier == 0 ? 1 : 0;
        else l.boxes = (l.size >= 3 && tier == 0) ? 1 : 0;
    };
    auto total = [&] {
        int32_t sum = 0;
        for (int i = 0; i < 8; ++i) {
            layout(i, s[size_t(i)]);
            sum += GetStandPlaces(i, s[size_t(i)]);
        }
        return sum;
    };
    // Grow the smallest side or end stand first, then the corners.
    const int order[4] = {1, 6, 3, 4};
    while (total() < target) {
        int best = -1;
        for (int i : order)
            if (s[size_t(i)].size < 5 && (best < 0 || s[size_t(i)].size < s[size_t(best)].size)) best = i;
        if (best < 0) {
            for (int c : {0, 2, 5, 7}) {
                const auto n = GetCornerNeighbours(c);
                if (s[size_t(c)].size < std::min(s[size_t(n[0])].size, s[size_t(n[1])].size)) {
                    best = c;
                    break;
                }
            }
        }
        if (best < 0) break;
        ++s[size_t(best)].size;
    }
    // Corners follow their neighbours a step behind, so grounds look filled in.
    for (int c : {0, 2, 5, 7}) {
        const auto n = GetCornerNeighbours(c);
        const int room = std::min(s[size_t(n[0])].size, s[size_t(n[1])].size);
        s[size_t(c)].size = static_cast<uint8_t>(std::max<int>(s[size_t(c)].size, std::max(1, room - 1)));
    }
    total();
    return s;
}

StadiumFileRecord MakeStadium(const std::string& name, int32_t target, int tier, bool allSeated, int16_t founded) {
    StadiumFileRecord st;
    st.name = name;
    st.firstFigure = std::min(1998, founded + Random(40));
    st.stands = BuildStands(target, tier, allSeated);
    for (int i = 0; i < 8; ++i) st.capacity += GetStandPlaces(i, st.stands[size_t(i)]);
    return st;
}

// The design ladder of the stand pages: 36 steps of (roof, seating, boxes, size).
std::vector<uint8_t> DesignLadder() {
    std::vector<uint8_t> bytes = {0, 0, 0, 0};
    const uint8_t steps[7][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {2, 1, 0}, {2, 2, 0}, {3, 2, 0}, {3, 2, 1}};
    for (uint8_t size = 1; size <= 5; ++size)
        for (const auto& s : steps) bytes.insert(bytes.end(), {s[0], s[1], s[2], size});
    return bytes;
}

}  // namespace

Manner MannerOf(int id) {
    switch (id) {
        case 55: case 187: case 127: case 140: case 9: case 123: case 181: case 87: case 159: case 126: case 81:
        case 78: return Manner::kEnglish;
        case 150: return Manner::kScottish;
        case 67: case 10: case 166: case 104: return Manner::kGerman;
        case 160: case 6: case 36: case 39: case 114: case 133: case 182: case 3: return Manner::kSpanish;
        case 86: case 111: return Manner::kItalian;
        case 62: case 17: case 2: case 30: case 116: return Manner::kFrench;
        case 137: case 24: return Manner::kPortuguese;
        case 121: return Manner::kDutch;
        case 47: case 44: case 142: case 136: case 26: case 155: case 156: case 22: case 190: case 63: case 179:
        case 16: case 115: case 97: case 103: case 57: case 7: case 11: case 66: case 79: case 141: case 1:
            return Manner::kSlavic;
        case 48: case 128: case 165: case 61: case 80: case 59: return Manner::kNordic;
        case 69: case 46: return Manner::kGreek;
        case 176: return Manner::kTurkish;
        default: return Manner::kOther;
    }
}

bool ColoursAlike(int a, int b) { return kColourGroup[a & 15] == kColourGroup[b & 15]; }

std::string TownOfClubName(const std::string& name) {
    static const std::set<std::string> affixes = {
        "FC", "SV", "VfB", "1.", "TSV", "SC", "Borussia", "Eintracht", "SpVgg", "VfL", "FSV", "Fortuna", "Union",
        "Kickers", "VfR", "SG", "SpVg", "TuS", "Real", "CD", "CF", "UD", "Atletico", "Atl\xe9tico", "Deportivo",
        "Racing", "SD", "Club", "CA", "Sporting", "AC", "US", "Calcio", "AS", "SS", "Unione", "Sportiva", "Pro",
        "Polisportiva", "Virtus", "Olympique", "Stade", "RC", "AJ", "En", "Avant", "Red", "Star", "Academica",
        "Uniao", "Uni\xe3o", "Desportivo", "Esporte", "Clube", "Gremio", "Gr\xeamio", "Associacao", "Sport", "Sparta",
        "VV", "Go", "Ahead", "Quick", "Boys", "FK", "Dinamo", "Dynamo", "Lokomotiv", "Spartak", "Slavia", "Torpedo",
        "NK", "Metalurg", "Rudar", "Sloboda", "Zenit", "BK", "IF", "FF", "IK", "IL", "SK", "AIK", "AE", "PAS",
        "Aris", "Apollon", "Iraklis", "Ethnikos", "Panionios", "Olympiakos", "Atromitos", "Belediyespor",
        "Genclik", "United", "City", "Town", "Rovers", "Athletic", "Albion", "Wanderers", "County", "Borough",
        "Villa", "Rangers", "Argyle", "Harriers", "Orient", "Thistle", "Academicals", "Hearts", "Stars", "Sports",
        "Queen", "of", "the", "Celtic", "Hotspur", "Alexandra", "Athletico", "Sportif", "Sportive", "KV", "KSC",
        "RSC", "Standard", "Royal", "Cercle", "Lierse", "SK.", "Vitoria", "Vit\xf3ria", "Nacional", "Palmeiras",
        "Internacional", "Botafogo", "Juventude", "Atletico-", "Deportes", "Universidad", "Cat\xf3lica", "CSKA",
        "Levski", "Slavija", "Hajduk", "Partizan", "Crvena", "Zvezda", "Lech", "Legia", "Wisla", "Gornik",
        "Ruch", "Steaua", "Rapid", "Petrolul", "Ferencv\xe1ros", "Honv\xe9" "d", "Vasas", "\xdajpest"};
    std::string town, word;
    std::vector<std::string> words;
    for (char c : name + " ") {
        if (c == ' ') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    for (const std::string& w : words) {
        if (affixes.count(w)) continue;
        // Initials such as "KS", "USM" or "A.E.K." are part of the club, not the town.
        const bool initials = w.size() <= 4 && std::all_of(w.begin(), w.end(), [](char ch) {
            return std::isupper(static_cast<unsigned char>(ch)) || ch == '.';
        });
        if (initials && words.size() > 1) continue;
        if (!w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) || w.back() == '.')) continue;
        // "Bremen's" style and "spor" endings keep their town.
        std::string t = w;
        if (t.size() > 4 && t.compare(t.size() - 4, 4, "spor") == 0) t.resize(t.size() - 4);
        town += (town.empty() ? "" : " ") + t;
    }
    return town.empty() ? name : town;
}

uint8_t PickPopularity(int countryId, int tier, int place, int count, int rows) {
    const int last = std::min(kLeagueRows, rows) - 1;
    const int span = tier == 0 ? 14 : 10;
    const int p = CountryBase(countryId) + tier * 14 + (count > 1 ? place * span / (count - 1) : 0);
    return static_cast<uint8_t>(std::clamp(p, 0, std::max(last, 0)));
}

Output Generate(const std::vector<CountryPlaces>& countries, const CPopularityList& popularity) {
    platform::SeedRandom(2000);
    Output out;
    for (const CountryPlaces& country : countries) {
        const Manner manner = MannerOf(country.id);
        const MannerText& text = TextOf(manner);
        std::map<std::string, int32_t> townAreas;
        std::set<std::string> names;
        std::set<std::string> grounds;
        for (const DivisionPlaces& division : country.divisions) {
            const int count = static_cast<int>(division.clubs.size());
            for (int place = 0; place < count; ++place) {
                const ClubPlace& cp = division.clubs[size_t(place)];
                ClubFileRecord c;
                std::string name = cp.name;
                for (int tries = 0; name.empty() || names.count(name); ++tries)
                    name = tries < 40 ? Fill(Pick(text.clubs), cp.town, "")
                                      : Fill(Pick(text.clubs), cp.town, "") + " " + std::to_string(tries - 38);
                names.insert(name);
                c.name = name;
                c.secondName = cp.town;
                c.popularity = PickPopularity(country.id, division.tier, place, count, popularity.GetSize());
                c.secondPopularity = c.popularity;
                if (cp.area >= 0) c.areaCode = cp.area;
                else {
                    auto [it, added] = townAreas.emplace(cp.town, int32_t(townAreas.size() % 255 + 1));
                    c.areaCode = it->second;
                }
                c.division = division.index;
                c.yearFounded = static_cast<int16_t>(text.foundedFrom + Random(90));
                // A manager of 38 to 62, his age carried in the flag.
                c.managerFlag = static_cast<uint8_t>(38 + Random(24));
                // The initial alone: the name adds the dot between it and the surname.
                c.manager.initial = std::string(1, char('A' + RandomByte(26)));
                c.manager.surname = Pick(text.surnames);
                c.manager.contractYears = static_cast<uint8_t>(1 + Random(3));
                c.manager.country = static_cast<uint8_t>(country.id);
                c.manager.race = static_cast<uint8_t>(RandomByte(4));
                for (auto& b : c.manager.face) b = static_cast<uint8_t>(RandomByte(8));
                const int home = kHomeColours[RandomByte(int(std::size(kHomeColours)))];
                c.homeKit = MakeKit(home, PickOtherColour(home));
                const int away = PickOtherColour(home);
                c.awayKit = MakeKit(away, PickOtherColour(away));

                const CPopularity* row = popularity.GetAt(c.popularity);
                const int32_t crowd = row ? row->m_CrowdBase : 1000;
                const int32_t target = static_cast<int32_t>(crowd * (1.15 + Random(60) / 100.0));
                std::string ground;
                for (int tries = 0; ground.empty() || grounds.count(ground); ++tries)
                    ground = tries < 30 ? Fill(Pick(text.grounds), cp.town, Pick(text.surnames))
                                        : cp.town + " Ground " + std::to_string(tries - 29);
                grounds.insert(ground);
                const bool taylor = country.id == 55 && division.tier <= 1;
                c.stadium = static_cast<int32_t>(out.stadiums.size());
                out.stadiums.push_back(MakeStadium(ground, target, division.tier, taylor, c.yearFounded));
                out.clubs.push_back(std::move(c));
            }
        }
    }
    for (const CountryPlaces& country : countries) {
        if (country.divisions.empty()) continue;
        const MannerText& text = TextOf(MannerOf(country.id));
        out.stadiums.push_back(MakeStadium(country.name.empty() ? "National Stadium" : country.name + " National Stadium",
                                           50000, 0, true, 1920));
        // Non-league grounds stand in the towns of the country's smaller clubs.
        const auto& small = country.divisions.back().clubs;
        std::set<std::string> used;
        for (int n = 0; n < kNonLeagueGrounds; ++n) {
            const std::string town = small.empty() ? country.name : small[size_t(RandomByte(int(small.size())))].town;
            std::string ground;
            for (int tries = 0; ground.empty() || used.count(ground); ++tries)
                ground = tries < 20 ? Fill(Pick(text.grounds), town, Pick(text.surnames))
                                    : town + " Recreation Ground " + std::to_string(tries - 19);
            used.insert(ground);
            out.stadiums.push_back(MakeStadium(ground, 1500, 3, country.id == 55,
                                               static_cast<int16_t>(1900 + Random(80))));
        }
    }
    for (int32_t stand = 1; stand <= 8; ++stand) out.plans.push_back({stand, DesignLadder()});
    return out;
}

}  // namespace clubgen
