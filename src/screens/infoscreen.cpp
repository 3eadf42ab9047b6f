#include "screens/infoscreen.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "platform/files.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "screens/infopagemenus.h"
#include "screens/pages.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr unsigned kInfoTitle = 21606;
constexpr unsigned kInfoNoData = 735;
constexpr unsigned kInfoPenalty = 947, kInfoOwnGoal = 948;
constexpr unsigned kInfoShootoutWin = 116, kInfoExtraTimeWin = 113;
constexpr unsigned kInfoAggregateWin = 962, kInfoAwayGoalsWin = 963;
constexpr unsigned kInfoNoResultLine = 505;
constexpr unsigned kInfoHint = 53919;
constexpr int kInfoPersonScreen = 60;
constexpr int kInfoGraphAttendance = 28, kInfoGraphLeague = 33;
constexpr int kInfoStatsGates = 42, kInfoStatsTable = 49;
constexpr platform::win::Rect kInfoTextRect{27, 120, 576, 434};
constexpr uint32_t kInfoTextPanelId = 1065;
constexpr int kInfoTrophyX = 523, kInfoTrophyY = 18;
constexpr int kInfoHomeFlagX = 210, kInfoAwayFlagX = 487, kInfoFlagY = 125;

// The description's sentences, in their order.
enum InfoSentence : unsigned {
    kInfoClubs = 53900, kInfoMeetings, kInfoPromoted, kInfoRelegated, kInfoWinPoints, kInfoDrawPoints,
    kInfoExtraTimePoints, kInfoShootoutPoints, kInfoSubsNamed, kInfoSubsUsed, kInfoShieldEntry,
    kInfoPlayOffChampion, kInfoPlayOffPromotion, kInfoRelegationPlayOff, kInfoCupKind, kInfoRounds,
    kInfoCupShieldEntry, kInfoCarryOver, kInfoPlayOffPromotes,
};
constexpr unsigned kInfoKindFederation = 1145, kInfoKindShield = 1146, kInfoKindDomestic = 1147,
                   kInfoKindPlayOff = 1148;

CScreen* MakeInfoScreen() { return new CInfoScreen(); }

std::string InfoText(unsigned id, std::initializer_list<platform::MsgArg> args) {
    return platform::FormatMessageId(id, args);
}

// Every cup of the world in identity order.
std::vector<CCup*> InfoAllCups() {
    std::vector<CCup*> cups;
    CWorldData* w = GetWorldData();
    if (!w) return cups;
    for (const auto& c : w->GetCountryList())
        for (const auto& cup : c->GetCups()) cups.push_back(cup.get());
    for (const auto& s : w->GetCharityShieldList()) cups.push_back(s.get());
    for (const auto& p : w->GetPlayOffList()) cups.push_back(p.get());
    for (const auto& f : w->GetFederationCupList()) cups.push_back(f.get());
    return cups;
}

bool InfoIsFederationCup(const CCup& cup) {
    CWorldData* w = GetWorldData();
    if (!w) return false;
    for (const auto& f : w->GetFederationCupList())
        if (f.get() == &cup) return true;
    return false;
}

int InfoDivisionIndex(const CDivision& d) {
    CWorldData* w = GetWorldData();
    const CCountry* country = w ? w->GetCountry(d.GetCountry()) : nullptr;
    for (int i = 0; country && i < country->GetDivisionCount(); ++i)
        if (country->GetDivision(i) == &d) return i;
    return -1;
}

std::string InfoFlagPath(const CClub* club) {
    const CCountry* c = club ? club->GetCountry() : nullptr;
    return c ? "gfx\\tree\\flags\\" + std::string(c->GetThirdName()) + ".bmp" : std::string();
}

}  // namespace

CInfoScreen::CInfoScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\29.bmp");
    SetTitle(platform::LoadString(kInfoTitle));
}

CInfoScreen::~CInfoScreen() = default;

PageFactory CInfoScreen::GetPageFactory() const { return &MakeInfoScreen; }

void RegisterInfoScreen() { RegisterPageFactory(PageClass::Info, &MakeInfoScreen); }

const std::vector<HubAdvisorRule>& CInfoScreen::AdvisorRules() const {
    static const std::vector<HubAdvisorRule> kRules = [] {
        HubAdvisorRule assistant;
        assistant.jobKind = CBasicEmployee::kAssistantManager;
        std::vector<HubAdvisorText> texts;
        const uint8_t codes[] = {25, 26, 27, 28, 29, 193, 33, 34, 35, 194, 36, 38, 41};
        for (size_t i = 0; i < std::size(codes); ++i) texts.push_back({codes[i], 32997u + static_cast<unsigned>(i)});
        for (int c = 201; c <= 211; ++c)
            texts.push_back({static_cast<uint8_t>(c), 33285u + static_cast<unsigned>(c - 201)});
        assistant.groups.push_back(texts);
        assistant.fallback = {244, 33316};
        return std::vector<HubAdvisorRule>{assistant};
    }();
    return kRules;
}

const std::vector<HubSection>& CInfoScreen::Sections() const {
    // Everything here is about the world at large: no club needed.
    static const std::vector<HubSection> kSections = {
        {kAttendanceGraph, PageClass::Graph, kInfoGraphAttendance, false},
        {kLeagueGraph, PageClass::Graph, kInfoGraphLeague, false},
        {kAverageGates, PageClass::Stats, kInfoStatsGates, false},
        {kLeagueTable, PageClass::Stats, kInfoStatsTable, false},
        {kHighestGates, PageClass::Info, kGatesPage, false},
        {kCompetitionInfo, PageClass::Info, kDescriptionPage, false},
    };
    return kSections;
}

CScreenManager* CInfoScreen::PageManager() const { return dynamic_cast<CScreenManager*>(Parent()); }

CXStatic* CInfoScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CListControl* CInfoScreen::GetPageList() {
    return m_nPage != kHubPage && GetListCount() > 0 && GetList(0).IsAlive() ? &GetList(0) : nullptr;
}
CXStatic* CInfoScreen::GetHeading() { return FindLabel(30, 61); }
CXStatic* CInfoScreen::GetNoDataLabel() { return m_nPage == kSummaryPage ? FindLabel(0, 230) : FindLabel(0, 244); }

bool CInfoScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

void CInfoScreen::SetPageParams(const PageParams& params) {
    const auto* p = std::get_if<MatchSummaryParams>(&params);
    if (!p) return;
    if (p->first != 0)
        m_nSummaryFirst = p->first;
    else
        m_nSummaryLast = p->last;
    m_strSummaryText = p->text;
    m_nSummaryA = p->a;
    m_nSummaryB = p->b;
    m_nSummaryC = p->c;
    m_nSummaryD = p->d;
    m_SummaryDate = p->date;
}

int CInfoScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CInfoScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

// ---- identities ----

int CInfoScreen::CupIdentity(const CCup* cup) {
    if (!cup) return -1;
    const std::vector<CCup*> cups = InfoAllCups();
    const auto it = std::find(cups.begin(), cups.end(), cup);
    return it == cups.end() ? -1 : static_cast<int>(it - cups.begin());
}

CCup* CInfoScreen::CupOfIdentity(int identity) {
    const std::vector<CCup*> cups = InfoAllCups();
    return identity >= 0 && identity < static_cast<int>(cups.size()) ? cups[size_t(identity)] : nullptr;
}

// ---- set-up ----

void CInfoScreen::Initialise() {
    BuildScreen(m_nPage);
    if (m_nPage == kHubPage) {
        SetUpHub();
        return;
    }
    if (CListControl* list = GetPageList()) list->m_bSelectable = 1;
    if (CXStatic* none = GetNoDataLabel()) none->Show(false);
    if (m_nPage == kDescriptionPage)
        m_TextPanel.Create("", WS_CHILD | WS_VISIBLE, kInfoTextRect, this, kInfoTextPanelId, "Arial Narrow", 21,
                           platform::gfx::RGB(255, 255, 255), 0, 1);
    if (m_nPage == kSummaryPage) ResolveSummary();
}

void CInfoScreen::Refresh() {
    CScreenManager* m = PageManager();
    switch (m_nPage) {
        case kHubPage: ShowAdvisor(); return;
        case kGatesPage:
        case kMotmPage:
            m_nSelectionLevel = g_nTreeSelectionLevel;
            m_nSelectionData = g_nTreeSelectionData;
            if (m) m->SetTreeLevelValue(1, 1, 0);
            if (g_nTreeSelectionData && g_nTreeSelectionKind != kTreeKindCompetition)
                ShowContextPicture(std::clamp(g_nTreeSelectionLevel, 0, static_cast<int>(kContextClub)),
                                   g_nTreeSelectionData, true, 0);
            break;
        case kDescriptionPage:
            if (m) {
                m->SetTreeLevelValue(3, 1, 0);
                m->SetAllTreeItemsValue(1);
            }
            m_nSelectionLevel = g_nTreeSelectionLevel;
            m_nSelectionData = g_nTreeSelectionData;
            m_bCupSelected = g_nTreeSelectionKind == kTreeKindCompetition &&
                                     (g_nTreeSelectionLevel == 2 || g_nTreeSelectionLevel == 3)
                                 ? 1
                                 : 0;
            if (m_bCupSelected && m_nSelectionData)
                ShowContextPicture(kContextDivision, m_nSelectionData, true, 1);
            break;
        case kResultsPage:
            if (m_ResultsDate.IsUnset()) m_ResultsDate = m_HistoryTime;
            if (m_ResultsDate.IsUnset())
                if (CWorldData* w = GetWorldData()) m_ResultsDate = w->GetMatchTime();
            break;
        default: break;
    }
    FillPage();
    Repaint(0);
}

void CInfoScreen::FillPage() {
    switch (m_nPage) {
        case kGatesPage:
        case kMotmPage: FillScopeList(); break;
        case kSummaryPage: FillSummary(); break;
        case kResultsPage: FillResults(); break;
        case kDescriptionPage: FillDescription(); break;
        default: break;
    }
    if (CListControl* list = GetPageList()) list->Redraw();
}

// ---- 77 and 78 ----

void CInfoScreen::FillScopeList() {
    CListControl* list = GetPageList();
    if (!list) return;
    const int level = m_nSelectionData ? m_nSelectionLevel : 0;
    const uintptr_t data = m_nSelectionData;
    std::string name;
    list->m_nRowLimit = -1;
    list->ResetContent();
    const bool gates = m_nPage == kGatesPage;
    if (data && g_nTreeSelectionKind != kTreeKindCompetition) {
        switch (level) {
            case 1: {
                const auto* fed = reinterpret_cast<const CFederation*>(data);
                name = fed->GetName();
                gates ? fed->FillFixtureList(*list) : fed->FillPlayerCountList(*list);
                break;
            }
            case 2: {
                const auto* country = reinterpret_cast<const CCountry*>(data);
                name = country->GetName();
                gates ? country->FillFixtureList(*list) : country->FillPlayerCountList(*list);
                break;
            }
            case 3: {
                const auto* division = reinterpret_cast<const CDivision*>(data);
                name = division->GetName();
                gates ? division->m_Fixtures.FillListControl(*list) : division->FillPlayerCountList(*list);
                break;
            }
            case 4: {
                // A club has men of the match; its gates are its division's.
                const auto* club = reinterpret_cast<const CClub*>(data);
                name = club->GetName();
                if (!gates) club->AddPlayerCountRows(*list);
                break;
            }
            default: break;
        }
    }
    // Fixtures not yet played have had no crowd: they rank last and are
    // never shown.
    int shown = list->GetRowCount();
    if (gates) {
        shown = 0;
        for (int r = 0; r < list->GetRowCount(); ++r) {
            const char* gate = list->GetItemText(r, 1);
            shown += gate && std::atoi(gate) > 0;
        }
    }
    if (CXStatic* h = GetHeading()) h->SetText(name);
    const bool rows = shown > 0;
    if (rows) {
        list->Sort(gates ? 1 : 3);
        list->m_nRowLimit = std::min(shown, gates ? kTopGates : kTopMotm);
    }
    list->Show(rows);
    if (CXStatic* none = GetNoDataLabel()) none->Show(!rows);
}

// ---- 16 ----

void CInfoScreen::ResolveSummary() {
    m_pSummaryFixture = nullptr;
    m_pFirstLeg = nullptr;
    m_pSummaryCup = nullptr;
    m_pSummaryDivision = nullptr;
    CWorldData* w = GetWorldData();
    if (!w) return;
    switch (m_nSummaryA) {
        case kSummaryUsersMatch: FindUsersMatch(); break;
        case kSummaryLeague: {
            // Identities from elsewhere are checked before they are used.
            const CCountry* country = m_nSummaryB >= 0 && m_nSummaryB < w->GetCountryList().GetSize()
                                          ? w->GetCountry(m_nSummaryB)
                                          : nullptr;
            const CDivision* d = country && m_nSummaryC >= 0 && m_nSummaryC < country->GetDivisionCount()
                                     ? country->GetDivision(m_nSummaryC)
                                     : nullptr;
            if (!d || m_nSummaryD < 0 || m_nSummaryD >= d->m_Fixtures.GetSize()) return;
            m_pSummaryDivision = d;
            m_pSummaryFixture = d->m_Fixtures.GetAt(m_nSummaryD);
            break;
        }
        case kSummaryCup: {
            const CCup* cup = CupOfIdentity(m_nSummaryB);
            const CCupRound* round = cup && m_nSummaryC >= 0 && m_nSummaryC < cup->GetRoundCount()
                                         ? cup->GetRound(m_nSummaryC)
                                         : nullptr;
            if (!round) return;
            // The first value is 1 for a tie, 2 for its replay.
            const bool replay = m_nSummaryFirst == 2;
            const CFixtureList& list = replay ? round->m_Replays : round->m_Ties;
            if (m_nSummaryD < 0 || m_nSummaryD >= list.GetSize()) return;
            m_pSummaryCup = cup;
            m_pSummaryFixture = list.GetAt(m_nSummaryD);
            const CCupRound* previous = cup->GetPreviousRound(round);
            if (!replay && round->IsReplayOfPrevious(previous)) {
                // The earlier match of the pairing: the same clubs, reversed.
                for (int i = 0; i < previous->m_Ties.GetSize(); ++i) {
                    const CFixture* f = previous->m_Ties.GetAt(i);
                    if (f->m_Home == m_pSummaryFixture->m_Away && f->m_Away == m_pSummaryFixture->m_Home)
                        m_pFirstLeg = f;
                }
            }
            break;
        }
        default: break;
    }
    if (m_pSummaryFixture && m_pSummaryFixture->m_Home == -1) m_pSummaryFixture = nullptr;
}

bool CInfoScreen::FindClubMatch(int club, int day, ResultRecord& out) {
    CWorldData* w = GetWorldData();
    const CClub* c = w ? w->GetClub(club) : nullptr;
    if (!c) return false;
    if (const CDivision* d = c->GetDivision(); d && day >= 0 && day < CDivision::kSlots)
        for (auto [home, away] : d->GetPairsForSlot(day)) {
            if (home != club && away != club) continue;
            const int i = d->GetFixtureIndexOfClub(day, home);
            if (i < 0) break;
            out = ResultRecord{d->m_Fixtures.GetAt(i), d, nullptr, -1, 0, i, std::string(d->GetName())};
            return true;
        }
    for (CCup* cup : InfoAllCups())
        for (int r = 0; r < cup->GetRoundCount(); ++r) {
            bool replay = false;
            const CCupRound* round = cup->GetRound(r);
            const CFixture* f = round->FindFixture(day, club, &replay);
            if (!f) continue;
            const CFixtureList& list = replay ? round->m_Replays : round->m_Ties;
            out = ResultRecord{f, nullptr, cup, r, replay ? 1 : 0, list.IndexOf(f), std::string(cup->m_Name)};
            return true;
        }
    return false;
}

bool CInfoScreen::FindUsersMatch() {
    CWorldData* w = GetWorldData();
    const CManager* manager = w ? w->GetCurrentManager() : nullptr;
    if (!manager || !manager->IsEmployed()) return false;
    const int day = (m_SummaryDate.IsUnset() ? w->GetMatchTime() : m_SummaryDate).GetMatchDay();
    ResultRecord r;
    if (!FindClubMatch(manager->GetClubIndex(), day, r)) return false;
    if (r.division) {
        m_nSummaryA = kSummaryLeague;
        m_nSummaryB = r.division->GetCountry();
        m_nSummaryC = InfoDivisionIndex(*r.division);
        m_nSummaryFirst = 1;
    } else {
        m_nSummaryA = kSummaryCup;
        m_nSummaryB = CupIdentity(r.cup);
        m_nSummaryC = r.round;
        m_nSummaryFirst = 1 + r.replay;
    }
    m_nSummaryD = r.fixtureIndex;
    if (m_strSummaryText.empty()) m_strSummaryText = r.competition;
    ResolveSummary();
    return m_pSummaryFixture != nullptr;
}

std::string CInfoScreen::ResultLine(const CFixture& f, const CFixture* firstLeg, bool cup) {
    if (f.m_Events.HasShootout()) {
        if (!cup) {
            const bool homeWon = f.GetShootoutWinner() == 0;
            const int winner = homeWon ? f.CountHomeShootoutGoals() : f.CountAwayShootoutGoals();
            const int loser = homeWon ? f.CountAwayShootoutGoals() : f.CountHomeShootoutGoals();
            return InfoText(kInfoShootoutWin,
                            {homeWon ? f.GetHomeTeamName() : f.GetAwayTeamName(), winner, loser});
        }
        return f.GetShootoutText();
    }
    if (!cup) return {};
    // A second leg's aggregate: this match's goals and the other leg's.
    int homeTotal = f.m_HomeGoals, awayTotal = f.m_AwayGoals;
    int homeAway = 0, awayAway = f.m_AwayGoals;
    if (firstLeg) {
        homeTotal += firstLeg->m_AwayGoals;
        awayTotal += firstLeg->m_HomeGoals;
        homeAway = firstLeg->m_AwayGoals;
    }
    if (f.WentToExtraTime()) {
        // The tie's winner: on aggregate, then away goals, for a second leg.
        if (firstLeg && homeTotal == awayTotal && homeAway == awayAway) return {};
        const bool home = firstLeg ? (homeTotal != awayTotal ? homeTotal > awayTotal : homeAway > awayAway)
                                   : f.m_HomeGoals > f.m_AwayGoals;
        if (!firstLeg && f.m_HomeGoals == f.m_AwayGoals) return {};
        return InfoText(kInfoExtraTimeWin, {home ? f.GetHomeTeamName() : f.GetAwayTeamName()});
    }
    if (!firstLeg) return {};
    if (homeTotal != awayTotal) {
        const bool home = homeTotal > awayTotal;
        return InfoText(kInfoAggregateWin, {home ? f.GetHomeTeamName() : f.GetAwayTeamName(),
                                            home ? homeTotal : awayTotal, home ? awayTotal : homeTotal});
    }
    if (homeAway != awayAway)
        return InfoText(kInfoAwayGoalsWin, {homeAway > awayAway ? f.GetHomeTeamName() : f.GetAwayTeamName()});
    return {};
}

std::vector<CInfoScreen::EventRow> CInfoScreen::EventRows(const CFixture& f) {
    // One side's lines of each group, in the order they happened.
    struct SideLines {
        std::vector<std::string> goals, bookings, sendings;
    };
    auto collect = [&](bool home) {
        SideLines s;
        std::vector<std::string> scorers;
        std::map<std::string, std::string> minutes;
        for (int i = 0; i < f.m_Events.GetSize(); ++i) {
            const CMatchEvent* e = f.m_Events.GetAt(i);
            const std::string name = e->m_Name;
            if (home ? e->IsHomeGoal() : e->IsAwayGoal()) {
                std::string minute = std::to_string(e->m_Minute);
                if (e->m_Type == CMatchEvent::kHomePenaltyGoal || e->m_Type == CMatchEvent::kAwayPenaltyGoal)
                    minute += platform::LoadString(kInfoPenalty);
                if (e->m_Type == CMatchEvent::kHomeOwnGoal || e->m_Type == CMatchEvent::kAwayOwnGoal)
                    minute += platform::LoadString(kInfoOwnGoal);
                auto [it, added] = minutes.emplace(name, minute);
                if (added)
                    scorers.push_back(name);
                else
                    it->second += "," + minute;
            }
        }
        for (const std::string& n : scorers) s.goals.push_back(n + " (" + minutes[n] + ")");
        std::string text;
        for (int n = 0;; ++n) {
            home ? f.GetHomeBookingText(text, n) : f.GetAwayBookingText(text, n);
            if (text.empty()) break;
            s.bookings.push_back(text);
        }
        for (int n = 0;; ++n) {
            home ? f.GetHomeSendingOffText(text, n) : f.GetAwaySendingOffText(text, n);
            if (text.empty()) break;
            s.sendings.push_back(text);
        }
        return s;
    };
    const SideLines h = collect(true), a = collect(false);
    std::vector<EventRow> rows;
    auto group = [&](const std::vector<std::string>& home, const std::vector<std::string>& away,
                     const char* picture, uint32_t colour) {
        const size_t first = rows.size();
        rows.resize(first + std::max(home.size(), away.size()));
        for (size_t i = 0; i < home.size(); ++i) rows[first + i].home = {picture, home[i], colour};
        for (size_t i = 0; i < away.size(); ++i) rows[first + i].away = {picture, away[i], colour};
    };
    group(h.goals, a.goals, "gfx\\listcontrol\\res_ball.bmp", 0xFFFFFF);
    const bool cards = !h.bookings.empty() || !a.bookings.empty() || !h.sendings.empty() || !a.sendings.empty();
    if (!rows.empty() && cards) rows.emplace_back();
    group(h.bookings, a.bookings, "gfx\\listcontrol\\res_yellow.bmp", kCardColour);
    group(h.sendings, a.sendings, "gfx\\listcontrol\\res_red.bmp", kCardColour);
    return rows;
}

void CInfoScreen::FillSummary() {
    CListControl* list = GetPageList();
    if (CXStatic* h = GetHeading()) h->SetText(m_strSummaryText);
    const CFixture* f = m_pSummaryFixture;
    auto set = [&](int x, int y, const std::string& text) {
        if (CXStatic* l = FindLabel(x, y)) l->SetText(text);
    };
    if (list) list->ResetContent();
    if (!f) {
        for (auto [x, y] : {std::pair{33, 119}, {234, 119}, {310, 119}, {511, 119}, {130, 416}, {390, 416}})
            set(x, y, "");
        set(23, 152, "");
        if (list) list->Show(false);
        if (CXStatic* none = GetNoDataLabel()) none->Show(true);
        return;
    }
    set(33, 119, f->GetHomeTeamName());
    set(310, 119, f->GetAwayTeamName());
    if (m_pFirstLeg) {
        set(234, 119, "(" + std::to_string(m_pFirstLeg->m_AwayGoals) + ")" + std::to_string(f->m_HomeGoals));
        set(511, 119, "(" + std::to_string(m_pFirstLeg->m_HomeGoals) + ")" + std::to_string(f->m_AwayGoals));
    } else {
        set(234, 119, std::to_string(f->m_HomeGoals));
        set(511, 119, std::to_string(f->m_AwayGoals));
    }
    set(130, 416, f->GetAttendanceText());
    set(390, 416, f->GetRefereeName());
    const bool cup = m_pSummaryCup != nullptr;
    set(23, 152, ResultLine(*f, m_pFirstLeg, cup));
    RemoveOverlayBitmapsFrom(0);
    m_strTrophy.clear();
    if (cup && InfoIsFederationCup(*m_pSummaryCup)) {
        const std::string home = InfoFlagPath(f->GetHomeClub()), away = InfoFlagPath(f->GetAwayClub());
        if (!home.empty()) AddOverlayBitmap(home, kInfoHomeFlagX, kInfoFlagY);
        if (!away.empty()) AddOverlayBitmap(away, kInfoAwayFlagX, kInfoFlagY);
    }
    char trophy[64];
    if (cup)
        std::snprintf(trophy, sizeof trophy, "gfx\\trophies\\cup\\trophy%02d.bmp", m_pSummaryCup->m_PictureNumber);
    else if (m_pSummaryDivision && !f->m_Events.HasShootout())
        std::snprintf(trophy, sizeof trophy, "gfx\\trophies\\division\\trophy%02d.bmp",
                      m_pSummaryDivision->GetPictureNumber());
    else
        trophy[0] = 0;
    if (trophy[0]) {
        m_strTrophy = trophy;
        AddOverlayBitmap(trophy, kInfoTrophyX, kInfoTrophyY);
    }
    if (!list) return;
    for (const EventRow& r : EventRows(*f)) {
        const int row = list->AddRow("", 0, 0, 0);
        auto cell = [&](int col, const EventCell& c) {
            if (c.text.empty()) return;
            list->SetItemBitmap(row, col, c.picture);
            list->SetItem(row, col + 1, c.text);
            list->SetItemColour(row, col + 1, c.colour);
        };
        cell(0, r.home);
        cell(2, r.away);
    }
    list->Show(true);
    if (CXStatic* none = GetNoDataLabel()) none->Show(false);
}

// ---- 118 ----

void CInfoScreen::ShowResultsOf(const CMatchTime& date) {
    m_ResultsDate = date;
    FillPage();
    Repaint(0);
}

void CInfoScreen::FillResults() {
    CListControl* list = GetPageList();
    m_Results.clear();
    if (!list) return;
    list->ResetContent();
    CWorldData* w = GetWorldData();
    const int day = m_ResultsDate.GetMatchDay();
    for (int u = 0; w && u < w->GetUserList().GetSize() && static_cast<int>(m_Results.size()) < kMaxResults; ++u) {
        const CHumanManager* user = w->GetUser(u);
        const CManager* manager = user ? user->GetManager() : nullptr;
        if (!manager || !manager->IsEmployed()) continue;
        ResultRecord r;
        if (!FindClubMatch(manager->GetClubIndex(), day, r)) continue;
        // A match between two human managers' clubs is listed once.
        if (std::any_of(m_Results.begin(), m_Results.end(),
                        [&](const ResultRecord& seen) { return seen.fixture == r.fixture; }))
            continue;
        const int row = list->AddRow(r.fixture->GetHomeTeamName(), 0, static_cast<uintptr_t>(m_Results.size()), 0);
        list->SetItem(row, 1, platform::FormatMessage("%1!d! - %2!d!", {int(r.fixture->m_HomeGoals),
                                                                         int(r.fixture->m_AwayGoals)}));
        list->SetItem(row, 2, r.fixture->GetAwayTeamName());
        list->SetItem(row, 3, r.fixture->GetAttendanceText());
        list->SetRowColour(row, kResultColour);
        m_Results.push_back(r);
    }
    const bool rows = list->GetRowCount() > 0;
    list->Show(rows);
    if (CXStatic* none = GetNoDataLabel()) none->Show(!rows);
}

// ---- 119 ----

int CInfoScreen::MeetingsPerClub(int clubs, int leagueDays) {
    // One cycle is clubs - 1 rounds for an even count, clubs for an odd one.
    const int rounds = clubs + (clubs % 2) - 1;
    if (rounds <= 0) return -1;
    for (int k = 1; k <= 6; ++k)
        if (rounds * k == leagueDays) return k;
    return -1;
}

int CInfoScreen::CountDescriptionRounds(const CCup& cup) {
    const int all = cup.GetRoundCount();
    int withSecond = 0;
    for (int i = 0; i < all; ++i) withSecond += cup.GetRound(i)->m_Replays.GetSize() > 0;
    const int first = withSecond > 0 ? all - withSecond : all;
    int count = withSecond;
    for (int i = 0; i < first; ++i) {
        const CCupRound* r = cup.GetRound(i);
        count += r->m_Kind == 10 || r->m_Kind == 31 || r->m_MatchSlot <= 254;
    }
    return count;
}

std::string CInfoScreen::EndSentence(std::string text) {
    if (!text.empty() && text.back() != '.') text.replace(text.size() >= 2 ? text.size() - 2 : 0, 2, ".");
    return text;
}

std::string CInfoScreen::DivisionDescription(const CDivision& d) {
    std::string t = InfoText(kInfoClubs, {int(d.GetClubCount())});
    t += InfoText(kInfoMeetings, {MeetingsPerClub(d.GetClubCount(), d.CountLeagueSlots())});
    if (!d.IsTopDivision() && d.GetAutoPromotionPlaces() > 0)
        t += InfoText(kInfoPromoted, {int(d.GetAutoPromotionPlaces())});
    if (d.GetTierValue() != 0) t += InfoText(kInfoRelegated, {int(d.GetTierValue())});
    const int rule = d.m_PointsRule;
    t += InfoText(kInfoWinPoints, {rule < 254 ? rule : 3});
    if (rule < 254) t += InfoText(kInfoDrawPoints, {1});
    if (rule == 255) t += InfoText(kInfoExtraTimePoints, {2});
    if (rule >= 254) t += InfoText(kInfoShootoutPoints, {1});
    t += InfoText(kInfoSubsNamed, {int(d.m_SubsNamed)});
    t += InfoText(kInfoSubsUsed, {int(d.m_SubsAllowed)});
    CWorldData* w = GetWorldData();
    const CCountry* country = w ? w->GetCountry(d.GetCountry()) : nullptr;
    if (d.GetShieldQualification() && country && country->GetCharityShield())
        t += InfoText(kInfoShieldEntry, {std::string(country->GetCharityShield()->m_Name)});
    if (const CPlayOff* p = d.HasPlayOff() ? d.GetPlayOff() : nullptr)
        t += InfoText(d.GetPlayOffKindFlag() ? kInfoPlayOffChampion : kInfoPlayOffPromotion,
                      {int(d.m_PromotionPlayOffClubs), std::string(p->m_Name)});
    if (const CPlayOff* p = d.HasRelegationPlayOff() ? d.GetRelegationPlayOff() : nullptr)
        t += InfoText(kInfoRelegationPlayOff, {int(d.m_RelegationPlayOffClubs), std::string(p->m_Name)});
    return EndSentence(t);
}

std::string CInfoScreen::CupDescription(const CCup& cup, int level) {
    const CCountry* country = level == 2 ? nullptr : cup.GetCountry();
    const CPlayOff* playOff = nullptr;
    unsigned kind = kInfoKindFederation;
    if (country) {
        kind = kInfoKindDomestic;
        if (country->GetCharityShield() == &cup) kind = kInfoKindShield;
        for (int i = 0; i < country->GetPlayOffs().GetSize(); ++i)
            if (country->GetPlayOff(i) == &cup) {
                kind = kInfoKindPlayOff;
                playOff = country->GetPlayOff(i);
            }
    }
    std::string t = InfoText(kInfoCupKind, {platform::LoadString(kind)});
    t += InfoText(kInfoRounds, {CountDescriptionRounds(cup)});
    if (cup.m_ShieldIndex >= 0)
        if (const CCharityShield* shield = cup.GetShield())
            t += InfoText(kInfoCupShieldEntry, {std::string(shield->m_Name)});
    t += InfoText(kInfoSubsNamed, {int(cup.m_SubsNamed)});
    t += InfoText(kInfoSubsUsed, {int(cup.m_SubsAllowed)});
    if (playOff && level == 3) {
        if (playOff->m_LeaguePointsShare != 0) t += InfoText(kInfoCarryOver, {int(playOff->m_LeaguePointsShare)});
        t += InfoText(kInfoPlayOffPromotes, {int(playOff->m_ExtraPlaces)});
    }
    return EndSentence(t);
}

bool CInfoScreen::ReadDescriptionFile(const std::string& path, std::string& text) {
    text.clear();
    const std::optional<std::filesystem::path> found = platform::FindGameFile(path);
    FILE* file = found ? std::fopen(found->string().c_str(), "rb") : nullptr;
    if (!file) {
        platform::TraceF("Can't open file %s, error = %u\n", path.c_str(), static_cast<unsigned>(found ? errno : ENOENT));
        return false;
    }
    // One byte more than is shown, so the text always ends inside it.
    char buffer[kDescriptionLimit + 1] = {};
    const size_t n = std::fread(buffer, 1, kDescriptionLimit, file);
    std::fclose(file);
    text.assign(buffer, strnlen(buffer, n));
    return true;
}

void CInfoScreen::FillDescription() {
    m_TextPanel.Clear();
    m_strDescription.clear();
    std::string name;
    char path[64] = {};
    const uintptr_t data = m_nSelectionData;
    if (data && m_bCupSelected) {
        const auto* cup = reinterpret_cast<const CCup*>(data);
        name = cup->m_Name;
        std::snprintf(path, sizeof path, "text\\cup\\%d.dat", cup->m_PictureNumber);
        if (!ReadDescriptionFile(path, m_strDescription)) m_strDescription = CupDescription(*cup, m_nSelectionLevel);
    } else if (data && m_nSelectionLevel == 3 && g_nTreeSelectionKind != kTreeKindCompetition) {
        const auto* division = reinterpret_cast<const CDivision*>(data);
        name = division->GetName();
        std::snprintf(path, sizeof path, "text\\division\\%d.dat", division->GetPictureNumber());
        if (!ReadDescriptionFile(path, m_strDescription)) m_strDescription = DivisionDescription(*division);
    } else {
        m_strDescription = platform::LoadString(kInfoHint);
    }
    if (CXStatic* h = GetHeading()) h->SetText(name);
    m_TextPanel.AddLine(m_strDescription);
    m_TextPanel.Redraw();
}

// ---- the tree, the mouse and closing ----

void CInfoScreen::OnTreeSelect(const TreeNotice* item) {
    if (!item || item->word != 0) return;
    CScreensInfo::OnTreeSelect(item);
    if (m_nPage == kGatesPage || m_nPage == kMotmPage) {
        m_nSelectionLevel = item->level;
        m_nSelectionData = item->data;
        if (item->data && item->kind != kTreeKindCompetition)
            ShowContextPicture(std::clamp(item->level, 0, static_cast<int>(kContextClub)), item->data, true, 0);
    } else if (m_nPage == kDescriptionPage) {
        m_nSelectionLevel = item->level;
        m_nSelectionData = item->data;
        m_bCupSelected = item->kind == kTreeKindCompetition && (item->level == 2 || item->level == 3) ? 1 : 0;
        if (m_bCupSelected && item->data) ShowContextPicture(kContextDivision, item->data, true, 1);
    } else {
        return;
    }
    FillPage();
    Repaint(0);
}

void CInfoScreen::OpenRow(int row) {
    CListControl* list = GetPageList();
    CScreenManager* m = PageManager();
    if (!list || !m || row < 0 || row >= list->GetRowCount()) return;
    if (m_nPage == kMotmPage) {
        if (list->GetItemData(row))
            m->OpenScreenById(kInfoPersonScreen, static_cast<intptr_t>(list->GetItemData(row)),
                              static_cast<intptr_t>(list->GetItemData2(row)), 0, 0);
        return;
    }
    if (m_nPage != kResultsPage) return;
    const size_t i = list->GetItemData(row);
    if (i >= m_Results.size()) return;
    const ResultRecord r = m_Results[i];
    if (r.division)
        m->ShowMatchSummary(1, r.competition, kSummaryLeague, r.division->GetCountry(), InfoDivisionIndex(*r.division),
                            m_ResultsDate, r.fixtureIndex, 0);
    else if (r.cup)
        m->ShowMatchSummary(1 + r.replay, r.competition, kSummaryCup, CupIdentity(r.cup), r.round, m_ResultsDate,
                            r.fixtureIndex, r.replay);
}

void CInfoScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    CScreensInfo::OnLButtonDblClk(flags, pt);
    CListControl* list = GetPageList();
    if (!list || flags != ui::kRelayedFlags) return;
    OpenRow(list->GetPointerRow());
}

void CInfoScreen::OnRButtonDown(uint32_t flags, Point pt) {
    // The match pages have no menu.
    if (m_nPage == kSummaryPage || m_nPage == kResultsPage) {
        CScreensInfo::OnRButtonDown(flags, pt);
        return;
    }
    int rowMenu = kNoRowMenu;
    if (m_nPage == kHubPage) rowMenu = kEmployeeMenuCode;
    if (m_nPage == kMotmPage) rowMenu = kPlayerMenuCode;
    PressForPageMenu(*this, flags, pt, m_nPage, rowMenu, m_bMenuShown, [&] { CScreensInfo::OnRButtonDown(flags, pt); });
}

void CInfoScreen::Close() {
    if (CScreenManager* m = PageManager()) {
        if ((m_nPage == kGatesPage || m_nPage == kMotmPage) && !m->IsOffHistory())
            m->MarkHistoryEntry(static_cast<intptr_t>(g_nTreeSelectionData),
                                static_cast<uint8_t>(g_nTreeSelectionKind == 255 ? 0 : g_nTreeSelectionKind));
        if (m_nPage == kResultsPage && !m->IsOffHistory() && !m_ResultsDate.IsUnset())
            m->SetHistoryFixture(m_ResultsDate);
        if ((m_nPage == kResultsPage || m_nPage == kDescriptionPage) && g_nScreenId != kDescriptionPage)
            m->SetTreeMode(0);
    }
    CSectionHub::Close();
}
