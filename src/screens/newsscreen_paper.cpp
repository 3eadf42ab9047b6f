// The newspaper page (86) of the news section: a country's paper, laid out
// afresh once per game day, paged through its front page, a fixtures and a
// table spread per division, and its back page.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/services.h"
#include "screens/newsscreen.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::ColourRef;

namespace {

constexpr int kEngland = 55;
constexpr int kPageSample = 19;
constexpr int kFront = 1, kBack = 2, kTableBase = 10, kFixturesBase = 20;
constexpr int kShortCount = 10, kFeatureCount = 10, kLongCount = 24, kWordCount = 4;
// Filler kinds: their first string id and how many there are.
constexpr unsigned kFillerFirst[4] = {20200, 20400, 20016, 20600};
constexpr int kFillerTop[4] = {34, 42, 77, 10};

constexpr ColourRef kHeadlineText = 0x4F4957;
constexpr ColourRef kHeadlineShadow = 0x595361;
constexpr ColourRef kTableText = 0x322F36;
constexpr ColourRef kNumberText = 0x635D6B;
constexpr ColourRef kBlack = 0x000000;
constexpr ColourRef kSchemeFirst[4] = {0x0000CE, 0x987B0A, 0x565656, 0x565656};
constexpr ColourRef kSchemeSecond[4] = {0x565656, 0x565656, 0x0000CE, 0x987B0A};

constexpr unsigned kMatchFixtures = 49030, kMatchResults = 49031, kTeamOfTheWeek = 49032, kPlayerHeading = 49033,
                   kClubHeading = 49034, kBy = 49035, kThisCan = 49036, kTableHeading = 49037,
                   kScorerHeading = 49038;
// A story above a short list: the room its columns' words take, and the
// room a side photograph (72 px high) needs beneath them.
constexpr int kSpreadColumnText = 64, kSpreadPhotoRoom = 72 + 12;
// The line under a fixtures or results heading with nothing to list.
constexpr unsigned kNoFixtures = 58400, kNoResults = 58401;
constexpr unsigned kGossipFirst = 49020;
constexpr unsigned kLocalNewsAddress = 49060;

const char* const kJournalists[21] = {
    "Mick Harrow",    "Dave Pellow",   "Terry Vance",   "Sandra Cole",  "Phil Roarke",   "Gary Lomax",
    "Steve Maddox",   "Alan Brierley", "Karen Tully",   "Rob Kessler",  "Ian Dunmore",   "Jim Catterall",
    "Tony Fairbrass", "Nigel Ashdown", "Pete Quinlan",  "Carl Wyman",   "Lynn Marchant", "Bob Stannard",
    "Ray Holloway",   "Sue Penrose",   "Martin Kearns",
};

const char* const kFillerLines[20] = {
    "the ball was played wide to the winger who crossed for the header",
    "the manager said after the match that his players gave everything",
    "supporters packed the terraces long before the kick off on saturday",
    "a late goal settled a tense afternoon in front of a big crowd",
    "the keeper made a string of fine saves to keep his side in the game",
    "the midfield battle was won by the visitors in the second half",
    "the referee awarded a penalty after a clumsy challenge in the box",
    "the chairman promised money for new players before the deadline",
    "injuries have left the squad short of cover at the back this week",
    "the young striker scored twice on his first start for the club",
    "fans sang throughout the match and applauded the team off the pitch",
    "the board met on monday to discuss the future of the training ground",
    "a free kick curled over the wall and into the top corner of the net",
    "the coach praised the attitude of his players after a hard week",
    "ticket sales for the cup tie have been the best for many seasons",
    "the defender was booked for a late tackle and will miss the next game",
    "scouts from several clubs watched the match from the main stand",
    "the home side pressed hard but could not find a way through",
    "a corner was headed clear and the counter attack ended in a goal",
    "the captain lifted the spirits of the dressing room at half time",
};

// The paper's faces as the label pool's font choices.
int FontChoice(int face) {
    switch (face) {
        case CNewsScreen::kHaettenschweiler: return 0;
        case CNewsScreen::kArial: return 6;
        case CNewsScreen::kArialBlack: return 2;
        case CNewsScreen::kTimes: return 3;
        case CNewsScreen::kSansSerif: return 4;
        default: return 5;
    }
}

// Heights on the paper are pixel heights; the pool's labels take points.
int PaperPoints(int height) { return std::max(1, (height * 72 + 48) / 96); }

std::string Padded(const std::string& s, size_t width, char pad) {
    std::string out = s.substr(0, width);
    out.append(width - out.size(), pad);
    return out;
}

std::string Cut(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

NewspaperRolls& RawRolls() {
    static NewspaperRolls rolls;
    return rolls;
}

}  // namespace

// ---- rules ----

int CNewsScreen::FoldRoll(int roll, int k, int top) {
    int v = roll + k;
    while (v > top) v -= top;
    return v < 1 ? 1 : v;
}

int CNewsScreen::FoldVariantByte(int roll, int k) {
    int v = roll + k;
    while (v > 9) v -= 9;
    return v;
}

int CNewsScreen::FoldPageVariant(int roll, int k) {
    int v = roll + k;
    while (v > 4) v -= 4;
    return v;
}

int CNewsScreen::PictureNumber(int n, int top) { return n < 1 || n > top ? 1 : n; }

std::vector<int> CNewsScreen::PageButtonPositions(int n) {
    std::vector<int> xs;
    if (n < 1 || n > kPaperButtons) return xs;
    // Centred on x 301 when even, 272 when odd, 60 px apart.
    const int first = (n % 2 == 0) ? 301 - 60 * (n / 2) : 272 - 60 * (n / 2);
    for (int i = 0; i < n; ++i) xs.push_back(first + 60 * i);
    return xs;
}

std::string CNewsScreen::LogoPicture(int logo, bool backPage) {
    if (logo == 23) return backPage ? "gfx\\newspaper\\tlogo23b.bmp" : "gfx\\newspaper\\tlogo23.bmp";
    const int n = logo < 1 ? 1 : (logo > 23 ? 22 : logo);
    return "gfx\\newspaper\\tlogo" + std::to_string(n) + ".bmp";
}

int CNewsScreen::BylineIndex(const uint8_t (&v)[20], int j) {
    const int index = v[j % 20] + v[(j + 1) % 20];
    return index > 20 ? 4 : index;
}

const NewspaperRolls& CNewsScreen::GetRawRolls() { return RawRolls(); }

CCountry* CNewsScreen::ChooseNewspaperCountry() {
    CWorldData* world = GetWorldData();
    if (!world) return nullptr;
    auto has = [](const CCountry* c) { return c && c->GetDivisionCount() > 0; };
    if (CCountry* c = CountryOfTreeItem(g_nTreeSelectionLevel, g_nTreeSelectionKind, g_nTreeSelectionData); has(c)) return c;
    if (CCountry* c = world->GetCurrentCountry(); has(c)) return c;
    if (kEngland < world->GetCountryList().GetSize() && has(world->GetCountry(kEngland)))
        return world->GetCountry(kEngland);
    for (int i = 0; i < world->GetCountryList().GetSize(); ++i)
        if (has(world->GetCountry(i))) return world->GetCountry(i);
    return nullptr;
}

const std::vector<NewspaperRow>& CNewsScreen::GetFixtureRows(int slot, bool cup) const {
    return m_Fixtures[cup ? 1 : 0][std::clamp(slot, 0, 3)];
}

const std::vector<NewspaperRow>& CNewsScreen::GetResultRows(int slot, bool cup) const {
    return m_Results[cup ? 1 : 0][std::clamp(slot, 0, 3)];
}

// ---- the build ----

void CNewsScreen::CreatePageButtons() {
    for (int i = 0; i < kPaperButtons; ++i) {
        CXButton& b = m_PageButtons[static_cast<size_t>(i)];
        const uint32_t id = kFrontPage + static_cast<uint32_t>(i);
        const Rect r{60 * i + 10, 431, 60 * i + 70, 467};
        b.Create(platform::LoadString(id), 0x5000000B, r, this, id, 0xF);
        const char* normal = i == 0 ? "gfx\\newspaper\\new\\newsright.bmp"
                                    : (i == 1 ? "gfx\\newspaper\\new\\newsleft.bmp" : "gfx\\newspaper\\new\\newsdouble.bmp");
        const char* pressed = i == 0 ? "gfx\\newspaper\\new\\newsright1.bmp"
                                     : (i == 1 ? "gfx\\newspaper\\new\\newsleft1.bmp" : "gfx\\newspaper\\new\\newsdouble1.bmp");
        b.SetBitmaps(normal, pressed, nullptr, nullptr, nullptr, normal);
        b.SetColours(platform::gfx::RGB(255, 255, 255), 0);
        // The captions are wider than a button: they wrap into the 20 px
        // under the page icon, in a face small enough for two lines.
        b.SetFont("Arial", PaperPoints(9), true);
        b.SetTextBox(Rect{0, 15, 60, 35});
        b.Show(false);
    }
}

void CNewsScreen::DrawRolls() {
    NewspaperRolls& r = RawRolls();
    r.frontVariant = static_cast<uint8_t>(Random(49) / 10);
    r.backVariant = static_cast<uint8_t>(Random(49) / 10);
    for (uint8_t& p : r.percent) p = static_cast<uint8_t>(Random(100));
    r.big[0] = Random(108);
    r.side[0] = Random(103);
    r.small[0] = Random(101);
    // The back page's pictures differ from the front page's.
    do r.big[1] = Random(108); while (r.big[1] == r.big[0]);
    do r.side[1] = Random(103); while (r.side[1] == r.side[0]);
    do r.small[1] = Random(101); while (r.small[1] == r.small[0]);
    for (uint8_t& b : r.perDivision) b = static_cast<uint8_t>(Random(101));
    r.fillerOffset[0] = Random(34);
    r.fillerOffset[1] = Random(42);
    r.fillerOffset[2] = Random(77);
    r.fillerOffset[3] = Random(10);
    for (uint8_t& v : r.variant) v = static_cast<uint8_t>(Random(9));
}

void CNewsScreen::MakeGossip() {
    CWorldData* world = GetWorldData();
    if (!world || !m_pCountry) return;
    if (Random(30) != 7) return;
    const CDivision* top = m_pCountry->GetDivision(0);
    if (!top || top->GetClubCount() == 0) return;
    const CClub* club = world->GetClub(top->GetRandomOtherClub(-1));
    const CPlayer* player = club ? club->GetRandomPlayer() : nullptr;
    if (!player) return;
    const int age = player->Person().GetAge();
    if (age < 20 || age > 25) return;
    const unsigned text = kGossipFirst + static_cast<unsigned>(std::min(Random(5), 4));
    m_pCountry->SetPaperStory(platform::FormatMessageId(text, {platform::Cp1252Upper(player->Person().GetSurname())}));
}

void CNewsScreen::AddToPool(const std::string& text) {
    if (!text.empty() && static_cast<int>(m_Pool.size()) < kPoolSize) m_Pool.push_back(text);
}

std::string CNewsScreen::TakeFromPool(size_t maxLength) {
    for (auto it = m_Pool.begin(); it != m_Pool.end(); ++it)
        if (!it->empty() && it->size() <= maxLength) {
            std::string s = *it;
            m_Pool.erase(it);
            return s;
        }
    return {};
}

std::string CNewsScreen::Filler(int kind) {
    int n = m_Folded.fillerOffset[kind] + m_FillerUsed[kind]++ + m_nPaperK;
    const int count = kFillerTop[kind] + 1;
    while (n >= count) n -= count;
    return platform::LoadString(kFillerFirst[kind] + static_cast<unsigned>(std::max(n, 0)));
}

void CNewsScreen::AddDivisionHeadlines(const CDivision& division, int d) {
    const CNewsPaperEvents& e = division.m_NewsPaperEvents;
    const CFixtureList& f = division.m_Fixtures;
    const uint8_t* v = m_Folded.variant;
    auto wrap = [](int x) { return x % 10; };
    for (int i = 0, var = v[12]; i < e.m_Sacked.GetSize(); ++i, var = wrap(var + 1))
        AddToPool(e.GetManagerSackedHeadline(var, i));
    for (int i = 0, var = v[14]; i < e.m_NewManagers.GetSize(); ++i, var = wrap(var + 1))
        AddToPool(e.GetNewManagerHeadline(var, i));
    AddToPool(e.GetManagerOfTheMonthHeadline(v[d + 10]));
    AddToPool(e.GetChampionsHeadline(v[d + 4]));
    AddToPool(e.GetShockWinHeadline(v[d + 2], f));
    AddToPool(e.GetCupUpsetHeadline(v[d + 3], f));
    AddToPool(e.GetBigWinHeadline(v[d], f));
    AddToPool(e.GetDrawHeadline(v[d + 1], f));
    AddToPool(e.GetSuspensionHeadline(v[d + 8]));
    AddToPool(e.GetInjuryHeadline(v[d + 6]));
    AddToPool(e.GetTransferHeadline(v[d + 10]));
    AddToPool(e.GetReturnFromInjuryHeadline(v[d + 7]));
    AddToPool(e.GetTopScorerHeadline(v[d + 9]));
    AddToPool(e.GetPlayerOfTheSeasonHeadline(v[d + 11]));
    AddToPool(e.GetRunnersUpHeadline(v[d + 5]));
}

namespace {

NewspaperRow PaperRowOf(const CSoccerResult& r) {
    NewspaperRow row;
    row.home = r.m_HomeName;
    row.away = r.m_AwayName;
    if (r.HasScore()) {
        row.homeGoals = r.m_HomeGoals;
        row.awayGoals = r.m_AwayGoals;
    }
    return row;
}

void PaperAddCapped(std::vector<NewspaperRow>& table, NewspaperRow row) {
    if (static_cast<int>(table.size()) < CNewsScreen::kResultCap) table.push_back(std::move(row));
}

}  // namespace

void CNewsScreen::CollectLeagueMatches(const CDivision& division, int d) {
    CWorldData* world = GetWorldData();
    if (!world) return;
    CMatchTime previous = world->GetMatchTime();
    previous.PreviousMatchDay();
    for (int slot : {world->GetMatchDay(), previous.GetMatchDay()}) {
        if (slot < 0 || slot >= CMatchTime::kSlotsPerSeason || division.GetCalendarSlot(slot) >= 200) continue;
        CSoccerResultList results;
        division.GetResultsForSlot(slot, results);
        for (int i = 0; i < results.GetSize(); ++i) {
            const CSoccerResult& r = *results.GetAt(i);
            PaperAddCapped(r.HasScore() ? m_Results[0][d] : m_Fixtures[0][d], PaperRowOf(r));
        }
    }
}

void CNewsScreen::CollectCupMatches() {
    CWorldData* world = GetWorldData();
    if (!world || !m_pCountry) return;
    CMatchTime previous = world->GetMatchTime();
    previous.PreviousMatchDay();
    auto collect = [&](const CCup& cup) {
        for (int slot : {world->GetMatchDay(), previous.GetMatchDay()}) {
            const std::string round = cup.GetRoundNameForDay(slot);
            if (round.empty()) continue;
            CSoccerResultList results;
            cup.FillDayGrid(slot, results);
            bool headed[2] = {false, false};
            for (int i = 0; i < results.GetSize(); ++i) {
                const CSoccerResult& r = *results.GetAt(i);
                if (r.m_HomeCountry != m_pCountry && r.m_AwayCountry != m_pCountry) continue;
                const int played = r.HasScore() ? 1 : 0;
                auto& table = played ? m_Results[1][0] : m_Fixtures[1][0];
                if (!headed[played]) {
                    NewspaperRow heading;
                    heading.heading = round;
                    PaperAddCapped(table, heading);
                    headed[played] = true;
                }
                PaperAddCapped(table, PaperRowOf(r));
            }
        }
    };
    for (int i = 0; i < m_pCountry->GetCups().GetSize(); ++i)
        if (const CCup* cup = m_pCountry->GetCups().GetAt(i)) collect(*cup);
    // Then the federation's cups, where the country's clubs play abroad.
    if (m_pCountry->GetFederation() < world->GetFederationList().GetSize())
        if (const CFederation* fed = world->GetFederation(m_pCountry->GetFederation()))
            for (int i = 0; i < fed->GetCupCount(); ++i)
                if (const CCup* cup = fed->GetCup(i)) collect(*cup);
}

void CNewsScreen::FillStoryTables() {
    m_Short.clear();
    m_Feature.clear();
    m_Long.clear();
    m_Words.clear();
    std::fill(std::begin(m_FillerUsed), std::end(m_FillerUsed), 0);
    for (int i = 0; i < kShortCount; ++i) {
        std::string s = TakeFromPool(23);
        m_Short.push_back(s.empty() ? Filler(0) : s);
    }
    for (int i = 0; i < kFeatureCount; ++i) m_Feature.push_back(Filler(1));
    for (int i = 0; i < kLongCount; ++i) {
        std::string s = TakeFromPool(49);
        m_Long.push_back(s.empty() ? Filler(2) : s);
    }
    for (int i = 0; i < kWordCount; ++i) m_Words.push_back(Filler(3));
}

void CNewsScreen::BuildNewspaper() {
    CWorldData* world = GetWorldData();
    ClearPage();
    for (CXStatic*& m : m_Mast) {
        if (m && m->IsAlive()) m->Destroy();
        m = nullptr;
    }
    m_PageList.clear();
    m_Pool.clear();
    m_Gossip.clear();
    for (auto& byKind : m_Fixtures)
        for (auto& t : byKind) t.clear();
    for (auto& byKind : m_Results)
        for (auto& t : byKind) t.clear();
    for (auto& t : m_TeamOfWeek) t.clear();
    m_PaperNews.clear();
    if (!world || !m_pCountry || m_pCountry->GetDivisionCount() == 0) {
        platform::Trace("CNewsScreen: no country with divisions for the paper\n");
        return;
    }
    std::string today;
    world->GetMatchTime().GetDateText(today);
    m_pCountry->FillNewsStrings(m_PaperNews, today);
    const CDivision* first = m_pCountry->GetDivision(0);
    m_nPaperK = first ? first->GetCountry() : 0;

    if (g_bNewspaperRefresh) {
        DrawRolls();
        MakeGossip();
        g_bNewspaperRefresh = 0;
    }
    const NewspaperRolls& raw = RawRolls();
    const int k = m_nPaperK;
    m_Folded.frontVariant = static_cast<uint8_t>(FoldPageVariant(raw.frontVariant, k));
    m_Folded.backVariant = static_cast<uint8_t>(FoldPageVariant(raw.backVariant, k));
    for (int i = 0; i < 6; ++i) m_Folded.percent[i] = static_cast<uint8_t>(FoldRoll(raw.percent[i], k, 100));
    for (int i = 0; i < 2; ++i) {
        m_Folded.big[i] = FoldRoll(raw.big[i], k, 108);
        m_Folded.side[i] = FoldRoll(raw.side[i], k, 103);
        m_Folded.small[i] = FoldRoll(raw.small[i], k, 101);
    }
    for (int i = 0; i < 4; ++i) {
        m_Folded.perDivision[i] = static_cast<uint8_t>(FoldRoll(raw.perDivision[i], k, 10));
        m_Folded.fillerOffset[i] = raw.fillerOffset[i];
    }
    for (int i = 0; i < 20; ++i) m_Folded.variant[i] = static_cast<uint8_t>(FoldVariantByte(raw.variant[i], k));
    m_nBylineStep = 0;
    m_nBodyWalk = 0;

    for (CXButton& b : m_PageButtons)
        if (b.IsAlive()) b.Show(false);
    RemoveAllHotSpots();

    CollectCupMatches();
    m_PageList.push_back(kFront);
    const int divisions = std::min(m_pCountry->GetDivisionCount(), 4);
    for (int d = 0; d < divisions; ++d) {
        const CDivision* division = m_pCountry->GetDivision(d);
        if (!division) continue;
        for (int i = 0; i < CTeamOfTheWeek::kPlaces; ++i)
            if (const CPlayerOfTheWeek* e = division->GetWeeklyBestEntry(i))
                m_TeamOfWeek[d].emplace_back(e->m_Player, e->m_Club);
        if (!m_pCountry->GetPaperStory().empty() && m_Gossip.empty()) m_Gossip = m_pCountry->GetPaperStory();
        AddDivisionHeadlines(*division, d);
        CollectLeagueMatches(*division, d);
        const bool matches = !m_Fixtures[0][d].empty() || !m_Results[0][d].empty() ||
                             (d == 0 && (!m_Fixtures[1][0].empty() || !m_Results[1][0].empty()));
        if (matches) m_PageList.push_back(kFixturesBase + d);
        int leagueDays = 0;
        for (int s = 0; s < CMatchTime::kSlotsPerSeason; ++s) {
            const uint8_t c = division->GetCalendarSlot(s);
            if (c >= 1 && c <= 199) ++leagueDays;
        }
        const CClub* top = world->GetClub(division->GetFirstClub());
        const int played = top ? top->GetGamesPlayed() : 0;
        if (played >= 1 && played < leagueDays) m_PageList.push_back(kTableBase + d);
    }
    m_PageList.push_back(kBack);
    PlacePageButtons();

    m_Folded.big[0] = PictureNumber(m_Folded.big[0], 108);
    RemoveOverlayBitmapsFrom(0);
    m_PictureNames.clear();
    PaperPicture("gfx\\newspaper\\new\\fr4.bmp", 145, 5);
    PaperPicture("gfx\\newspaper\\new\\in4.bmp", 3, 5);
    PaperPicture(LogoPicture(m_pCountry->GetNewspaperLogo(), false), 159, 20);
    FillStoryTables();
    MakeMastheads();
    m_nPaperPage = 0;
    m_nPendingWipe = 3;
    ShowPaperPage(0);
}

void CNewsScreen::PlacePageButtons() {
    const std::vector<int> xs = PageButtonPositions(static_cast<int>(m_PageList.size()));
    for (size_t i = 0; i < m_PageList.size() && i < xs.size(); ++i) {
        const int code = m_PageList[i];
        uint32_t id = kFrontPage;
        if (code == kBack) id = kBackPage;
        else if (code >= kFixturesBase) id = 20652 + 2 * static_cast<uint32_t>(code - kFixturesBase);
        else if (code >= kTableBase) id = 20653 + 2 * static_cast<uint32_t>(code - kTableBase);
        CXButton& b = m_PageButtons[id - kFrontPage];
        if (!b.IsAlive()) continue;
        b.Move(Rect{xs[i], 431, xs[i] + 60, 467}, false);
        b.Show(true);
        AddHotSpot(Rect{xs[i], 431, xs[i] + 56, 467}, kSpotToolTip, id);
    }
}

void CNewsScreen::MakeMastheads() {
    const int scheme = m_pCountry->GetNewspaperScheme() & 3;
    const ColourRef first = kSchemeFirst[scheme], second = kSchemeSecond[scheme];
    const bool odd = m_nPaperK % 2 != 0;
    const std::string t1 = m_pCountry->GetNewspaperText(1), t2 = m_pCountry->GetNewspaperText(2),
                      t3 = m_pCountry->GetNewspaperText(3);
    std::string date;
    if (CWorldData* world = GetWorldData()) world->GetMatchTime().GetDateText(date);
    std::string price;
    m_pCountry->FormatMoney(price, 1);
    auto make = [&](int l, int t, int r, int b, int h, ColourRef c, bool bold, bool italic, const std::string& s) {
        CXStatic* label = AddStatic(l, t, r, b, PaperPoints(h), c, bold, italic, false, kLabelNoRestore | kLabelSingleLine, s,
                                    FontChoice(kTimes));
        if (!label) platform::TraceF("Ran out of Text Memory!! %d\n", kLabels);
        return label;
    };
    m_Mast[0] = make(203, 16, 411, 62, 39, first, true, odd, t1);
    m_Mast[1] = odd ? make(283, 31, 391, 54, 26, second, true, true, t2) : make(293, 31, 401, 54, 26, second, true, false, t2);
    m_Mast[2] = make(192, 13, 392, 57, 44, first, true, true, t3);
    m_Mast[3] = make(159, 69, 444, 80, 9, kHeadlineText, false, false, date);
    const std::string running = t1 + " " + t2 + " - " + date;
    m_Mast[4] = make(11, 20, 296, 31, 9, kHeadlineText, false, false, running);
    m_Mast[5] = make(309, 20, 594, 31, 9, kHeadlineText, false, false, running);
    m_Mast[6] = make(384, 69, 444, 80, 9, kHeadlineText, false, false, price);
    for (CXStatic* m : m_Mast)
        if (m) m->Show(false);
}

// ---- page building ----

void CNewsScreen::ClearPage() {
    for (CXStatic* l : m_PageLabels)
        if (l && l->IsAlive()) l->Destroy();
    m_PageLabels.clear();
    if (GetOverlayCount() > 3) RemoveOverlayBitmapsFrom(3);
    else RemoveOverlayBitmapsFrom(GetOverlayCount());
    if (m_PictureNames.size() > 3) m_PictureNames.resize(3);
}

void CNewsScreen::PaperPicture(const std::string& name, int x, int y) {
    AddOverlayBitmap(name, x, y);
    m_PictureNames.push_back(name);
}

void CNewsScreen::PaperLogo(const std::string& name) {
    SetOverlayBitmap(name, 159, 20, 2);
    if (m_PictureNames.size() > 2) m_PictureNames[2] = name;
}

CXStatic* CNewsScreen::PaperLabel(int l, int t, int r, int b, int height, ColourRef colour, bool bold, bool italic,
                                  const std::string& text, int face) {
    // The page's pictures lie under the text: it draws over them as they are.
    CXStatic* label =
        AddStatic(l, t, r, b, PaperPoints(height), colour, bold, italic, false, kLabelNoRestore, text, FontChoice(face));
    if (!label) {
        platform::TraceF("Ran out of Text Memory!! %d\n", kLabels);
        return nullptr;
    }
    m_PageLabels.push_back(label);
    return label;
}

int CNewsScreen::LeadFace() {
    const int byte = m_Folded.variant[m_nBodyWalk % 20];
    return byte < 3 ? kArial : kHaettenschweiler;
}

int CNewsScreen::HeadlineBox(const std::string& text, int l, int t, int r, int boxHeight, int face) {
    std::vector<std::string> lines;
    if (text.size() < 31) {
        lines.push_back(text);
    } else {
        size_t cut = text.find(' ', text.size() / 2);
        if (cut == std::string::npos) cut = text.rfind(' ');
        if (cut == std::string::npos) lines.push_back(text);
        else {
            lines.push_back(text.substr(0, cut));
            lines.push_back(text.substr(cut + 1));
        }
    }
    const int height = lines.size() == 1 ? boxHeight : (boxHeight + 6) / 2;
    // The shadow first, a pixel down and right, so the headline prints over it.
    std::vector<std::pair<CXStatic*, CXStatic*>> made;  // label, shadow
    for (const std::string& line : lines) {
        CXStatic* shadow = PaperLabel(l + 1, t + 1, r, t + height + 5, height, kHeadlineShadow, true, false, line, face);
        CXStatic* label = PaperLabel(l, t, r, t + height + 4, height, kHeadlineText, true, false, line, face);
        if (!label || !shadow) return t;
        made.emplace_back(label, shadow);
    }
    // The size steps down until every line fits the box; the lines share
    // it, so that the second keeps its place under the first.
    int h = height;
    for (auto& [label, shadow] : made)
        for (; h > 12 && label->GetTextExtent().cx > r - l; --h)
            label->SetFont(label->GetFont()->Requested().face, PaperPoints(h - 1), true);
    // The second line stands 6 px closer at the box's own size, less as the
    // size steps down.
    const int closer = lines.size() > 1 ? 6 * h / height : 0;
    int y = t;
    for (auto& [label, shadow] : made) {
        if (h != height) {
            label->SetFont(label->GetFont()->Requested().face, PaperPoints(h), true);
            shadow->SetFont(label->GetFont()->Requested().face, PaperPoints(h), true);
        }
        const int measured = label->GetTextExtent().cy;
        label->Move(Rect{l, y, r, y + measured}, false);
        shadow->Move(Rect{l + 1, y + 1, r, y + 1 + measured}, false);
        y += measured - closer;
    }
    return y + closer;
}

int CNewsScreen::Byline(int x, int y) {
    const int index = BylineIndex(m_Folded.variant, m_nBylineStep);
    m_nBylineStep = (m_nBylineStep + 1) % 20;
    const std::string text = platform::LoadString(kBy) + " " + kJournalists[index];
    PaperLabel(x, y, x + 170, y + 11, 9, kHeadlineText, true, true, text, kArial);
    return y + 11;
}

int CNewsScreen::BodyColumns(int left, int top, int right, int bottom, int count, bool frontPage, bool firstOpens) {
    const uint8_t* v = m_Folded.variant;
    const int words = (right - left) / 4 - 2;
    const bool barHere = frontPage ? m_Folded.percent[5] < 50 : m_Folded.percent[5] >= 50;
    int x = left;
    for (int c = 0; c < count && x + 56 <= std::max(right, left + 56); ++c, x += 58) {
        int colTop = top;
        // A block narrower than a column keeps its text to itself.
        const int colRight = right > x ? std::min(x + 56, right) : x + 56;
        if (c == 0 && firstOpens) {
            PaperLabel(x, colTop, colRight, colTop + 8, 7, kBlack, true, false, platform::LoadString(kThisCan), kArial);
            colTop += 9;
        }
        int colBottom = bottom;
        // Only a full-width column that runs to the text bottom makes room for the bar.
        if (barHere && colTop <= 377 && bottom >= kTextBottom && colRight - x >= 56) {
            colBottom = 378;
            PaperPicture("gfx\\newspaper\\new\\bar1.bmp", x, 381);
        }
        if (colBottom - colTop < 4) continue;
        // The words walk through the filler lines by the variant bytes.
        std::string text;
        int n = 0;
        int walk = (m_nPaperK + m_nBodyWalk) % 20;
        while (n < std::max(words, 1)) {
            const std::string line = kFillerLines[(walk + v[walk]) % 20];
            text += line + " ";
            n += static_cast<int>(std::count(line.begin(), line.end(), ' ')) + 1;
            walk = (walk + 1) % 20;
        }
        text += kFillerLines[walk];
        m_nBodyWalk = (m_nBodyWalk + 1) % 20;
        PaperLabel(x, colTop, colRight, colBottom, 3, kBlack, false, false, text, kArial);
    }
    return x;
}

void CNewsScreen::BuildStoryPage(bool back) {
    const int set = back ? 1 : 0;
    const int variant = back ? m_Folded.backVariant : m_Folded.frontVariant;
    const std::string lead = !back && !m_Gossip.empty() ? m_Gossip : m_Long[back ? 2 : 0];
    const int big = PictureNumber(m_Folded.big[set], 108), side = PictureNumber(m_Folded.side[set], 103);
    const int small = PictureNumber(m_Folded.small[set], 101), small2 = PictureNumber(m_Folded.small[set] + 1, 101);

    // The lead story.
    const int h = HeadlineBox(lead, 159, 79, 444, 64, LeadFace()) - 79;
    const bool pictureLeft = m_Folded.percent[0] < 51;
    PaperPicture("gfx\\newspaper\\big\\" + std::to_string(big) + ".bmp", pictureLeft ? 159 : 333, h + 78);
    const int colLeft = pictureLeft ? 275 : 159;
    const int by = Byline(colLeft, h + 76);
    BodyColumns(colLeft, by, colLeft + 3 * 58 - 2, h + 231, 3, !back, true);
    AddLine(159, h + 234, 444, h + 234, kHeadlineText, 1);

    const int under = h + 236;
    if (variant < 2) {
        const std::string second = m_Long[back ? 3 : 1];
        const int face = under < 340 ? (m_Folded.variant[(m_nBodyWalk + 3) % 20] < 5 ? kArial : kTimes) : kArialBlack;
        const int hb = HeadlineBox(second, 159, under, 444, 32, face);
        const int by2 = Byline(159, hb);
        if (variant == 0) {
            BodyColumns(159, by2, 444, kTextBottom, 5, !back, true);
        } else {
            const bool left = m_Folded.percent[1] < 51;
            const int px = left ? 159 : 333;
            PaperPicture("gfx\\newspaper\\side\\" + std::to_string(side) + ".bmp", px, by2);
            const int cx = left ? 275 : 159;
            BodyColumns(cx, by2, cx + 3 * 58 - 2, kTextBottom, 3, !back, true);
            if (by2 + 72 < kTextBottom - 20 && under < 324)
                BodyColumns(px, by2 + 74, px + 110, kTextBottom, 2, !back, false);
        }
        return;
    }
    const bool narrowLeft = m_Folded.percent[2] < 13;
    const int ruleX = narrowLeft ? 273 : 330;
    AddLine(ruleX, under, ruleX, 420, kHeadlineText, 1);
    const int secondX = narrowLeft ? 278 : 159, thirdX = narrowLeft ? 159 : 333;
    struct Story {
        std::string text;
        int x, width, picture;
        bool pictureRight;
    };
    const Story stories[2] = {
        {m_Short[back ? 1 : 0], secondX, 169, small, m_Folded.percent[3] >= 51},
        {m_Feature[back ? 1 : 0], thirdX, 111, small2, m_Folded.percent[4] >= 51},
    };
    for (const Story& s : stories) {
        const int right = std::min(s.x + s.width, 444);
        const int hb = HeadlineBox(s.text, s.x, under, right, 32, kArialBlack);
        const int px = s.pictureRight ? right - 52 : s.x;
        PaperPicture("gfx\\newspaper\\small\\" + std::to_string(s.picture) + ".bmp", px, hb + 2);
        const int colX = s.pictureRight ? s.x : s.x + 56;
        if (right - colX >= 56) BodyColumns(colX, hb + 2, right, kTextBottom, (right - colX + 2) / 58, !back, true);
        BodyColumns(s.x, hb + 48, right, kTextBottom, std::max(1, (right - s.x + 2) / 58), !back, false);
    }
}

void CNewsScreen::BuildFrontPage() {
    BuildStoryPage(false);
    if (m_pCountry->GetNewspaperLogo() == 23) PaperLogo(LogoPicture(23, false));
}

void CNewsScreen::BuildBackPage() {
    if (!m_PaperNews.empty()) {
        std::string block;
        for (size_t i = 0; i < m_PaperNews.size() && i < 10; ++i) block += m_PaperNews[i] + " ** ";
        PaperLabel(159, 84, 444, kTextBottom, 10, kBlack, false, false, block, kArial);
    } else {
        BuildStoryPage(true);
    }
    PaperLogo(LogoPicture(m_pCountry->GetNewspaperLogo(), true));
}

NewspaperListLayout CNewsScreen::ListLayout(int count, bool results) {
    NewspaperListLayout l;
    const bool twoColumns = count >= 32;
    l.height = !twoColumns ? 9 : (results && count >= 64 ? 7 : 8);
    l.step = l.height + 1;
    l.columns = twoColumns ? 2 : 1;
    // The rows stand between y 63 and the text bottom; an empty list keeps
    // one row's room for the line that says so.
    const int perColumn = std::max(1, (kTextBottom - 63) / l.step);
    l.shown = std::clamp(count, 0, perColumn * l.columns);
    l.rowsTall = std::max(1, (l.shown + l.columns - 1) / l.columns);
    l.headingY = kTextBottom - l.rowsTall * l.step - 16;
    return l;
}

int CNewsScreen::ListRows(const std::vector<NewspaperRow>& rows, int left, int right, bool results, unsigned heading) {
    const NewspaperListLayout layout = ListLayout(static_cast<int>(rows.size()), results);
    const int height = layout.height, step = layout.step, shown = layout.shown, rowsTall = layout.rowsTall,
              headingY = layout.headingY;
    const int columnWidth = layout.columns == 2 ? 140 : 285;
    PaperLabel(left, headingY, right, headingY + 16, 14, kHeadlineText, true, false, platform::LoadString(heading), kArial);
    // A heading never stands alone: an empty list says there is nothing.
    if (shown == 0)
        PaperLabel(left, headingY + 16, right, headingY + 16 + step, height, kTableText, true, true,
                   platform::LoadString(results ? kNoResults : kNoFixtures), kArial);
    const size_t maxChars = static_cast<size_t>(columnWidth / 6);
    for (int i = 0; i < shown; ++i) {
        const NewspaperRow& r = rows[static_cast<size_t>(i)];
        const int col = i / rowsTall, at = i % rowsTall;
        const int x = left + col * 145, y = headingY + 16 + at * step;
        std::string text;
        if (!r.heading.empty()) {
            text = r.heading;
        } else if (r.homeGoals >= 0) {
            const std::string mid = " " + std::to_string(r.homeGoals) + " - " + std::to_string(r.awayGoals) + " ";
            const size_t room = maxChars > mid.size() ? (maxChars - mid.size()) / 2 : 1;
            text = Cut(r.home, room) + mid + Cut(r.away, room);
        } else {
            const size_t room = maxChars > 3 ? (maxChars - 3) / 2 : 1;
            text = Cut(r.home, room) + " v " + Cut(r.away, room);
        }
        PaperLabel(x, y, x + columnWidth, y + step, height, kTableText, true, false, text, kCourier);
    }
    return headingY;
}

void CNewsScreen::BuildFixturesSpread(int d) {
    std::vector<NewspaperRow> fixtures, results;
    auto append = [](std::vector<NewspaperRow>& to, const std::vector<NewspaperRow>& from) {
        to.insert(to.end(), from.begin(), from.end());
    };
    const CDivision* division = m_pCountry->GetDivision(d);
    if (d == 0) {
        append(fixtures, m_Fixtures[1][0]);
        append(results, m_Results[1][0]);
    }
    NewspaperRow heading;
    heading.heading = division ? std::string(division->GetName()) : std::string();
    if (!m_Fixtures[0][d].empty()) fixtures.push_back(heading);
    if (!m_Results[0][d].empty()) results.push_back(heading);
    append(fixtures, m_Fixtures[0][d]);
    append(results, m_Results[0][d]);
    struct Side {
        const std::vector<NewspaperRow>& rows;
        int left, right;
        bool results;
        unsigned heading;
    };
    for (const Side& s : {Side{fixtures, 11, 296, false, kMatchFixtures}, Side{results, 309, 594, true, kMatchResults}}) {
        const int headingY = ListRows(s.rows, s.left, s.right, s.results, s.heading);
        if (headingY > 63 + 40) {
            const int side = s.results ? 1 : 0;
            const int hb = HeadlineBox(m_Long[(4 + 2 * d + side) % m_Long.size()], s.left, 35, s.right, 32,
                                       m_Folded.variant[(m_nBodyWalk + 5) % 20] < 5 ? kArial : kHaettenschweiler);
            // The columns' few words leave a short list's page half empty:
            // a press photograph stands in the room between them and the list.
            int columnsBottom = headingY - 4;
            if (columnsBottom - (hb + 2) >= kSpreadColumnText + kSpreadPhotoRoom) {
                columnsBottom = hb + 2 + kSpreadColumnText;
                const int room = headingY - 4 - columnsBottom;
                const int photo = PictureNumber(m_Folded.side[1] + 1 + 2 * d + side, 103);
                PaperPicture("gfx\\newspaper\\side\\" + std::to_string(photo) + ".bmp", s.left + (s.right - s.left - 111) / 2,
                             columnsBottom + (room - 72) / 2);
            }
            if (columnsBottom - hb > 12) BodyColumns(s.left, hb + 2, s.right, columnsBottom, 5, false, true);
        }
    }
}

void CNewsScreen::BuildTableSpread(int d) {
    CWorldData* world = GetWorldData();
    const CDivision* division = m_pCountry->GetDivision(d);
    if (!world || !division) return;
    HeadlineBox(platform::LoadString(20653) + " " + std::string(division->GetName()), 11, 35, 240, 32, kArialBlack);
    PaperLabel(243, 35, 296, 57, 14, kHeadlineText, true, false, m_Words[static_cast<size_t>(d) % m_Words.size()],
               kArialBlack);
    PaperPicture("gfx\\newspaper\\small\\" + std::to_string(PictureNumber(m_Folded.perDivision[d], 101)) + ".bmp",
                     243, 58);
    BodyColumns(243, 104, 296, kTextBottom, 1, false, false);

    // The table, position by position.
    PaperLabel(11, 70, 240, 82, 9, kTableText, true, false, platform::LoadString(kTableHeading), kCourier);
    std::vector<const CClub*> order;
    for (int i = 0; i < division->GetClubCount(); ++i)
        if (const CClub* c = world->GetClub(division->GetFirstClub() + i)) order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](const CClub* a, const CClub* b) { return a->GetTablePosition() < b->GetTablePosition(); });
    int y = 83;
    for (const CClub* c : order) {
        if (y + 10 > kTextBottom) break;
        char numbers[32];
        std::snprintf(numbers, sizeof numbers, "%2d %3d ", std::min(c->GetGamesPlayed(), 99), static_cast<int>(c->GetPoints()));
        PaperLabel(11, y, 240, y + 10, 9, kTableText, true, false,
                   Padded(c->GetName(), 19, '.') + numbers + c->GetFormText(), kCourier);
        y += 10;
    }

    // The right page: the team of the week, or a story on a day without results.
    if (m_Results[0][d].empty() && m_Results[1][d].empty()) {
        const int hb = HeadlineBox(m_Long[(12 + d) % m_Long.size()], 309, 35, 594, 22, kArial);
        BodyColumns(309, hb + 2, 594, 200, 5, false, true);
        return;
    }
    // The rows start under the team photo, so no club's name runs beneath it.
    const int hb = HeadlineBox(platform::LoadString(kTeamOfTheWeek), 309, 35, 594, 14, kArial);
    PaperPicture("gfx\\newspaper\\teamweek.bmp", 494, hb + 2);
    const int heads = hb + 2 + 60 + 3;
    PaperLabel(330, heads, 450, heads + 12, 10, kTableText, true, false, platform::LoadString(kPlayerHeading), kArial);
    PaperLabel(450, heads, 594, heads + 12, 10, kTableText, true, false, platform::LoadString(kClubHeading), kArial);
    int row = heads + 14;
    for (size_t i = 0; i < m_TeamOfWeek[d].size(); ++i, row += 12) {
        PaperLabel(309, row, 328, row + 12, 8, kNumberText, true, false, std::to_string(i + 1), kArial);
        PaperLabel(330, row, 450, row + 12, 9, kTableText, false, false, m_TeamOfWeek[d][i].first, kArial);
        PaperLabel(450, row, 594, row + 12, 9, kTableText, false, false, m_TeamOfWeek[d][i].second, kArial);
    }
    const int below = std::max(row + 8, 240);
    const int hf = HeadlineBox(m_Feature[(2 + d) % m_Feature.size()], 309, below, 420, 20, kArialBlack);
    BodyColumns(309, hf + 2, 420, kTextBottom, 1, false, true);
    const std::vector<NewspaperScorer> scorers = LeadingScorers(*division);
    if (scorers.empty()) return;
    PaperLabel(425, below, 594, below + 10, 9, kTableText, true, false, platform::LoadString(kScorerHeading), kCourier);
    int sy = below + 11;
    for (const NewspaperScorer& sc : scorers) {
        if (sy + 10 > kTextBottom) break;
        PaperLabel(425, sy, 594, sy + 10, 9, kTableText, true, false, ScorerRow(sc), kCourier);
        sy += 10;
    }
}

std::vector<NewspaperScorer> CNewsScreen::LeadingScorers(const CDivision& division) {
    RecordingListRows rows;
    division.FillTopScorerList(rows);
    std::vector<NewspaperScorer> out;
    for (const RecordingListRows::Row& r : rows.Rows()) {
        const auto* player = reinterpret_cast<const CPlayer*>(r.data1);
        if (!player || r.cells.size() < 6) continue;
        NewspaperScorer sc;
        sc.surname = player->Person().GetSurname();
        sc.league = std::atoi(r.cells[3].c_str());
        sc.cup = std::atoi(r.cells[4].c_str());
        sc.total = std::atoi(r.cells[5].c_str());
        out.push_back(std::move(sc));
    }
    std::stable_sort(out.begin(), out.end(), [](const NewspaperScorer& a, const NewspaperScorer& b) {
        return a.total != b.total ? a.total > b.total : a.league > b.league;
    });
    if (out.size() > 12) out.resize(12);
    return out;
}

std::string CNewsScreen::ScorerRow(const NewspaperScorer& s) {
    // The numbers end under the heading's L, C and T.
    char row[64];
    std::snprintf(row, sizeof row, "%-15.14s%2d%3d%4d", s.surname.c_str(), std::clamp(s.league, 0, 99),
                  std::clamp(s.cup, 0, 99), std::clamp(s.total, 0, 999));
    return row;
}

std::vector<CXStatic*> CNewsScreen::GetShownPaperLabels() {
    std::vector<CXStatic*> out;
    for (CXStatic* m : m_Mast)
        if (m && m->IsAlive() && m->IsShownFlag()) out.push_back(m);
    for (CXStatic* l : m_PageLabels)
        if (l && l->IsAlive()) out.push_back(l);
    return out;
}

void CNewsScreen::FinishPaperPage() {
    const bool single = m_nPaperPage == 0 || m_nPaperPage == 9;
    ShowOverlayBitmap(0, single);
    ShowOverlayBitmap(1, !single);
    ShowOverlayBitmap(2, single);
    const bool visible[7] = {m_nPaperPage == 0, m_nPaperPage == 0, m_nPaperPage == 9, single,
                             !single,           !single,           m_nPaperPage == 0};
    for (int i = 0; i < 7; ++i)
        if (m_Mast[i] && m_Mast[i]->IsAlive()) m_Mast[i]->Show(visible[i]);
    Repaint(m_nPendingWipe);
}

void CNewsScreen::ShowPaperPage(int page) {
    if (!m_pCountry) return;
    ClearPage();
    m_nPaperPage = page;
    // Each page starts its bylines and body walks at a place of its own, so
    // it reads the same whenever it is turned to: the back page's bylines
    // follow the front page's two.
    m_nBylineStep = page == 9 ? 2 : 0;
    m_nBodyWalk = (7 * page) % 20;
    if (page == 0) BuildFrontPage();
    else if (page == 9) BuildBackPage();
    else if (page % 2 == 1) BuildFixturesSpread((page - 1) / 2);
    else BuildTableSpread((page - 2) / 2);
    FinishPaperPage();
}

void CNewsScreen::OnPageCommand(uint32_t id) {
    const int page = id == kBackPage ? 9 : (id == kFrontPage ? 0 : static_cast<int>(id - 20651));
    if (page == m_nPaperPage) return;
    PlaySample(kPageSample, 0);
    m_nPendingWipe = (id == kBackPage || page > m_nPaperPage) ? 4 : 3;
    ShowPaperPage(page);
}

std::string CNewsScreen::LocalNewsAddress() {
    const auto path = platform::MapPath(platform::InstallFolder(), platform::LoadString(kLocalNewsAddress));
    return "file://" + path.string();
}

bool CNewsScreen::OpenLocalNewsPage() {
    if (!m_pCountry || m_pCountry->GetNewspaperLogo() != 23) return false;
    platform::win::OpenUrl(LocalNewsAddress());
    return true;
}
