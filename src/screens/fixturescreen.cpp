#include "screens/fixturescreen.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/infoscreen.h"
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
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr int kFixFanKind = 8;
constexpr unsigned kFixReplayFormat = 519;  // "%1!s! Replay %2!s!"
constexpr unsigned kFixCupFixturesCaption = 10020;
constexpr unsigned kFixCupScheduleCaption = 10002;
constexpr int kFixMatchSummaryScreen = 16;
// The match summary's competition kinds (its second value); 0 is the day
// step's "the current user's match".
constexpr int kFixSummaryLeague = 1, kFixSummaryCup = 2;

CScreen* MakeFixtureScreen() { return new CFixtureScreen(); }

bool FixIsCupNode(int kind) { return kind == kTreeKindCompetition; }

// The fan's texts: his codes in order, the cup codes with the top
// division's or the lower divisions' texts, then the season's.
struct FixFanText {
    uint8_t code;
    unsigned text;
};
constexpr FixFanText kFixFanFirst[] = {{46, 33146}, {47, 33147}, {2, 33077}, {4, 33078}, {1, 33079},
                                       {3, 33080},  {5, 33081},  {7, 33082}, {9, 33083}, {11, 33084}};
constexpr uint8_t kFixFanCupCodes[] = {13, 14, 15, 16, 17, 19, 20, 22, 23};
constexpr unsigned kFixFanTopCupText = 33085, kFixFanLowerCupText = 33094;
constexpr HubAdvisorText kFixFanFallback{240, 33312};

}  // namespace

CFixtureScreen::OpenRequest& CFixtureScreen::PendingRequest() {
    static OpenRequest request;
    return request;
}

CFixtureScreen::CFixtureScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\18.bmp");
    SetTitle(platform::LoadString(21605));
    CWorldData* world = GetWorldData();
    m_pClub = world ? world->GetCurrentClub() : nullptr;
    m_pDivision = world ? world->GetCurrentDivision() : nullptr;
    m_pCup = DefaultCup();
    m_nRoundPosition = m_pCup ? 0 : -1;
    OpenRequest& r = PendingRequest();
    if (r.club) m_pClub = r.club;
    if (r.division) m_pDivision = r.division;
    if (r.cup) m_pCup = r.cup;
    if (r.roundPosition >= 0) m_nRoundPosition = r.roundPosition;
    m_nOpenMatchDay = r.matchDay;
    m_bBackwards = r.backwards;
    r = OpenRequest{};
}

CFixtureScreen::~CFixtureScreen() = default;

PageFactory CFixtureScreen::GetPageFactory() const { return &MakeFixtureScreen; }

void RegisterFixtureScreen() { RegisterPageFactory(PageClass::Fixture, &MakeFixtureScreen); }

CCup* CFixtureScreen::DefaultCup() {
    CWorldData* world = GetWorldData();
    CCountry* country = world ? world->GetCurrentCountry() : nullptr;
    if (!country) return nullptr;
    if (country->GetCups().GetSize() > 0) return country->GetCups().GetAt(0);
    if (CCharityShield* shield = country->GetCharityShield()) return shield;
    if (country->GetPlayOffs().GetSize() > 0) return country->GetPlayOff(0);
    return nullptr;
}

const std::vector<HubAdvisorRule>& CFixtureScreen::AdvisorRules() const {
    static const std::vector<HubAdvisorRule> kRules = [] {
        std::vector<HubAdvisorRule> rules;
        HubAdvisorRule assistant;
        assistant.jobKind = CBasicEmployee::kAssistantManager;
        std::vector<HubAdvisorText> texts;
        for (int i = 0; i < 14; ++i) texts.push_back({static_cast<uint8_t>(126 + i), 32983u + static_cast<unsigned>(i)});
        texts.push_back({140, 33371});
        assistant.groups.push_back(texts);
        assistant.fallback = {243, 33315};
        rules.push_back(assistant);
        // The fan's texts depend on the club's division: his own fallback.
        HubAdvisorRule fan;
        fan.jobKind = kFixFanKind;
        rules.push_back(fan);
        return rules;
    }();
    return kRules;
}

const std::vector<HubSection>& CFixtureScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kLeagueSchedule, PageClass::Fixture, kLeagueSchedulePage}, {kCupSchedule, PageClass::Fixture, kCupSchedulePage},
        {kLeagueFixtures, PageClass::Fixture, kLeagueFixturesPage}, {kCupFixtures, PageClass::Fixture, kCupFixturesPage},
        {kFriendlies, PageClass::Fixture, kFriendliesPage},
    };
    return kSections;
}

void CFixtureScreen::AdvisorFallback(const CEmployee& advisor, CHumanManager& user, HubPanelLines& lines) {
    if (advisor.m_JobKind != kFixFanKind) return;
    for (const FixFanText& t : kFixFanFirst) user.GetMessages(t.code, t.text, lines);
    const CClub* club = GetWorldData() ? GetWorldData()->GetCurrentClub() : nullptr;
    const CDivision* division = club ? club->GetDivision() : nullptr;
    const unsigned cupText = division && division->IsTopDivision() ? kFixFanTopCupText : kFixFanLowerCupText;
    for (size_t i = 0; i < std::size(kFixFanCupCodes); ++i)
        user.GetMessages(kFixFanCupCodes[i], cupText + static_cast<unsigned>(i), lines);
    user.GetMessages(24, 33103, lines);
    for (int c = 212; c <= 221; ++c) user.GetMessages(static_cast<uint8_t>(c), 33255u + static_cast<unsigned>(c - 212), lines);
    for (int c = 225; c <= 227; ++c) user.GetMessages(static_cast<uint8_t>(c), 33267u + static_cast<unsigned>(c - 225), lines);
    user.GetMessages(223, 33265, lines);
    user.GetMessages(224, 33266, lines);
    for (int c = 25; c <= 39; ++c) user.GetMessages(static_cast<uint8_t>(c), 33104u + static_cast<unsigned>(c - 25), lines);
    user.GetMessages(41, 33119, lines);
    user.GetMessages(248, 33335, lines);
    if (lines.Count() == 0) AskFallback(user, kFixFanFallback, lines);
}

CScreenManager* CFixtureScreen::PageManager() const { return dynamic_cast<CScreenManager*>(Parent()); }

CXStatic* CFixtureScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CFixtureScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

CListControl* CFixtureScreen::GetFixtureList() { return m_nPage != kHubPage && GetListCount() > 0 ? &GetList(0) : nullptr; }
CXStatic* CFixtureScreen::GetHeading() { return FindLabel(30, 61); }
CXStatic* CFixtureScreen::GetCaption() { return FindLabel(30, 22); }
CXStatic* CFixtureScreen::GetDateLabel() { return FindLabel(58, 415); }
CXStatic* CFixtureScreen::GetNoDataLabel() { return FindLabel(0, 230); }
CXButton* CFixtureScreen::GetLeftButton() { return FindButton(kLeftDate); }
CXButton* CFixtureScreen::GetRightButton() { return FindButton(kRightDate); }

bool CFixtureScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

// ---- set-up and filling ----

void CFixtureScreen::Initialise() {
    BuildScreen(m_nPage);
    if (m_nPage == kHubPage) {
        SetUpHub();
        return;
    }
    if (CListControl* list = GetFixtureList()) list->m_bSelectable = 1;
    if (CXStatic* none = GetNoDataLabel()) none->Show(false);
    if (m_nPage == kFriendliesPage) SetUpFriendlies();
    if (m_nPage == kLeagueFixturesPage || m_nPage == kNextDaysPage)
        if (g_nTreeSelectionData)
            ShowContextPicture(std::min(g_nTreeSelectionLevel, static_cast<int>(kContextClub)), g_nTreeSelectionData,
                               true, FixIsCupNode(g_nTreeSelectionKind) ? 1 : 0);
}

void CFixtureScreen::Refresh() {
    CScreenManager* m = PageManager();
    CWorldData* world = GetWorldData();
    switch (m_nPage) {
        case kHubPage: ShowAdvisor(); return;
        case kCupSchedulePage:
        case kCupFixturesPage:
            if (m) {
                m->SetTreeLevelValue(3, 1, 0);
                m->SetAllTreeItemsValue(1);
                if (m_pCup) m->SelectTreeItem(reinterpret_cast<uintptr_t>(m_pCup), kTreeKindCompetition);
            }
            if (m_pCup) ShowContextPicture(kContextDivision, reinterpret_cast<uintptr_t>(m_pCup), true, 1);
            if (m_nPage == kCupFixturesPage && m_pCup) SetUpRoundNavigation();
            break;
        case kLeagueFixturesPage:
            if (m && m_pDivision) m->SelectTreeItem(reinterpret_cast<uintptr_t>(m_pDivision), 0);
            if (m_Date.IsUnset()) m_Date = m_HistoryTime;
            if (m_Date.IsUnset() && world) m_Date = world->GetMatchTime();
            if (m_nOpenMatchDay >= 0) {
                m_Date.StepToMatchDay(m_nOpenMatchDay, m_bBackwards);
                m_nOpenMatchDay = -1;
            }
            if (m_pDivision && CalendarCode() == CDivision::kSeasonFirst)
                if (CXButton* b = GetLeftButton()) b->Show(false);
            if (m_pDivision && CalendarCode() == CDivision::kNoMatch) {
                OnRightDate();
                return;
            }
            break;
        default: break;
    }
    FillPage();
    Repaint(0);
}

uint8_t CFixtureScreen::CalendarCode() const {
    if (!m_pDivision) return CDivision::kNoMatch;
    const int day = m_Date.GetMatchDay();
    return day >= 0 && day < CDivision::kSlots ? m_pDivision->GetCalendarSlot(day)
                                               : static_cast<uint8_t>(CDivision::kSeasonLast);
}

void CFixtureScreen::ShowListOrNoData(bool hasRows) {
    if (CListControl* list = GetFixtureList()) list->Show(hasRows);
    if (CXStatic* none = GetNoDataLabel()) none->Show(!hasRows);
}

void CFixtureScreen::FillPage() {
    switch (m_nPage) {
        case kLeagueSchedulePage: FillLeagueSchedule(); break;
        case kFriendliesPage: FillFriendlies(); break;
        case kLeagueFixturesPage: FillLeagueFixtures(); break;
        case kCupSchedulePage: FillCupSchedule(); break;
        case kCupFixturesPage: FillCupFixtures(); break;
        default: break;
    }
    if (CListControl* list = GetFixtureList()) list->Redraw();
}

void CFixtureScreen::FillLeagueSchedule() {
    CListControl* list = GetFixtureList();
    if (!list) return;
    list->ResetContent();
    if (CXStatic* h = GetHeading()) h->SetText(m_pClub ? m_pClub->GetName() : std::string());
    if (!m_pClub) {
        ShowListOrNoData(false);
        return;
    }
    m_pClub->FillLeagueFixtureList(*list);
    ShowListOrNoData(list->GetRowCount() > 0);
    ShowContextPicture(kContextClub, reinterpret_cast<uintptr_t>(m_pClub), true, 0);
}

void CFixtureScreen::FillLeagueFixtures() {
    CListControl* list = GetFixtureList();
    if (!list) return;
    list->ResetContent();
    if (CXStatic* h = GetHeading()) h->SetText(m_pDivision ? std::string(m_pDivision->GetName()) : std::string());
    if (!m_pDivision) {
        // Nothing remembered to show: no list and no browsing.
        for (CXButton* b : {GetLeftButton(), GetRightButton()})
            if (b) b->Show(false);
        if (CXStatic* d = GetDateLabel()) d->SetText("");
        ShowListOrNoData(false);
        return;
    }
    const int slot = m_Date.GetMatchDay();
    if (slot >= 0 && slot < CDivision::kSlots && CalendarCode() < CDivision::kNoMatch) {
        CSoccerResultList results;
        m_pDivision->GetResultsForSlot(slot, results);
        for (int i = 0; i < results.GetSize(); ++i) {
            const int row = list->AddRow("", 0, 0, 0);
            results.GetAt(i)->AddToListControl(*list, row);
            // The row's identity: the fixture's index in the division's list.
            const CFixture* f = results.GetAt(i)->m_Fixture;
            const int index = f ? m_pDivision->m_Fixtures.IndexOf(f) : -1;
            list->SetRowData(row, static_cast<uintptr_t>(static_cast<intptr_t>(index)), 0);
        }
    }
    std::string date;
    m_Date.GetDateText(date);
    if (CXStatic* d = GetDateLabel()) d->SetText(date);
    ShowListOrNoData(list->GetRowCount() > 0);
}

void CFixtureScreen::FillCupSchedule() {
    CListControl* list = GetFixtureList();
    if (!list) return;
    list->ResetContent();
    if (CXStatic* c = GetCaption()) c->SetText(platform::LoadString(kFixCupScheduleCaption));
    if (CXStatic* h = GetHeading()) h->SetText(m_pCup ? std::string(m_pCup->m_Name) : std::string());
    if (!m_pCup) {
        ShowListOrNoData(false);
        return;
    }
    m_pCup->FillRoundsListControl(*list);
    // Each row carries its round in its second word, -1 for a replay day.
    for (int r = 0; r < list->GetRowCount(); ++r) {
        const auto round = static_cast<intptr_t>(list->GetItemData(r));
        list->SetRowData2(r, static_cast<uintptr_t>(round));
    }
    ShowListOrNoData(list->GetRowCount() > 0);
}

void CFixtureScreen::SetUpRoundNavigation() {
    m_RoundDates = m_pCup ? m_pCup->ListRoundsForDisplay() : std::vector<std::pair<int, int>>{};
    if (m_Date.IsUnset() && !m_HistoryTime.IsUnset() && m_pCup) {
        m_Date = m_HistoryTime;
        const int round = m_pCup->GetRoundIndexForDate(m_Date);
        m_nRoundPosition = std::max(round, 0);
    }
    // A round index becomes its place among the shown dates.
    int position = 0;
    if (m_nRoundPosition > 0)
        for (size_t i = 0; i < m_RoundDates.size(); ++i)
            if (m_RoundDates[i].first == m_nRoundPosition && m_RoundDates[i].second == 0) {
                position = static_cast<int>(i);
                break;
            }
    m_nRoundPosition = m_RoundDates.empty() ? -1 : position;
    m_bReplayDate = m_nRoundPosition >= 0 ? static_cast<uint8_t>(m_RoundDates[size_t(m_nRoundPosition)].second) : 0;
    const int last = static_cast<int>(m_RoundDates.size()) - 1;
    if (CXButton* b = GetLeftButton()) b->Show(m_nRoundPosition > 0);
    if (CXButton* b = GetRightButton()) b->Show(m_nRoundPosition >= 0 && m_nRoundPosition < last);
}

void CFixtureScreen::FillCupFixtures() {
    CListControl* list = GetFixtureList();
    if (!list) return;
    list->ResetContent();
    if (CXStatic* c = GetCaption()) c->SetText(platform::LoadString(kFixCupFixturesCaption));
    if (!m_pCup || m_nRoundPosition < 0 || m_nRoundPosition >= static_cast<int>(m_RoundDates.size())) {
        list->Show(false);
        if (CXStatic* d = GetDateLabel()) d->Show(false);
        for (CXButton* b : {GetLeftButton(), GetRightButton()})
            if (b) b->Show(false);
        if (CXStatic* h = GetHeading()) h->SetText(m_pCup ? std::string(m_pCup->m_Name) : std::string());
        if (CXStatic* none = GetNoDataLabel()) none->Show(true);
        return;
    }
    if (CXStatic* h = GetHeading()) h->SetText(m_pCup->m_Name);
    const auto [roundIndex, replay] = m_RoundDates[size_t(m_nRoundPosition)];
    const CCupRound* round = m_pCup->GetRound(roundIndex);
    std::string dateText;
    if (replay) {
        dateText = platform::FormatMessageId(kFixReplayFormat, {m_pCup->GetRoundName(roundIndex), round->GetSecondLegDateText()});
        round->GetSecondLegDate(m_Date);
        round->FillReplayListControl(*list);
    } else {
        dateText = m_pCup->GetRoundName(roundIndex) + " " + round->GetFirstLegDateText();
        round->GetFirstLegDate(m_Date);
        round->FillFixtureListControl(*list);
    }
    // Each tie's row carries the tie's index in its list; headings -1.
    const CFixtureList& ties = replay ? round->m_Replays : round->m_Ties;
    for (int r = 0; r < list->GetRowCount(); ++r) {
        const auto* f = reinterpret_cast<const CFixture*>(list->GetItemData(r));
        list->SetRowData1(r, static_cast<uintptr_t>(static_cast<intptr_t>(f ? ties.IndexOf(f) : -1)));
    }
    if (CXStatic* d = GetDateLabel()) {
        d->SetText(dateText);
        d->Show(true);
    }
    ShowListOrNoData(list->GetRowCount() > 0);
}

// ---- browsing ----

void CFixtureScreen::OnLeftDate() {
    if (m_nPage == kLeagueFixturesPage && m_pDivision) {
        // Never stop on a day without league matches.
        for (int guard = 0; guard < CDivision::kSlots; ++guard) {
            m_pDivision->StepBack(m_Date);
            if (CalendarCode() != CDivision::kNoMatch) break;
        }
        const uint8_t code = CalendarCode();
        if (code == CDivision::kSeasonFirst) {
            if (CXButton* b = GetLeftButton()) b->Show(false);
        }
        if (code != CDivision::kSeasonLast)
            if (CXButton* b = GetRightButton()) b->Show(true);
        FillPage();
    } else if (m_nPage == kCupFixturesPage && m_nRoundPosition > 0) {
        --m_nRoundPosition;
        m_bReplayDate = static_cast<uint8_t>(m_RoundDates[size_t(m_nRoundPosition)].second);
        if (CXButton* b = GetLeftButton()) b->Show(m_nRoundPosition > 0);
        if (CXButton* b = GetRightButton())
            b->Show(m_nRoundPosition < static_cast<int>(m_RoundDates.size()) - 1);
        FillPage();
    }
    Repaint(0);
}

void CFixtureScreen::OnRightDate() {
    if (m_nPage == kLeagueFixturesPage && m_pDivision) {
        for (int guard = 0; guard < CDivision::kSlots; ++guard) {
            m_pDivision->StepForward(m_Date);
            const uint8_t code = CalendarCode();
            if (code != CDivision::kNoMatch && code != CDivision::kLeagueEnd) break;
        }
        const uint8_t code = CalendarCode();
        if (code == CDivision::kSeasonLast) {
            if (CXButton* b = GetRightButton()) b->Show(false);
        }
        if (code != CDivision::kSeasonFirst)
            if (CXButton* b = GetLeftButton()) b->Show(true);
        FillPage();
    } else if (m_nPage == kCupFixturesPage && m_nRoundPosition >= 0 &&
               m_nRoundPosition < static_cast<int>(m_RoundDates.size()) - 1) {
        ++m_nRoundPosition;
        m_bReplayDate = static_cast<uint8_t>(m_RoundDates[size_t(m_nRoundPosition)].second);
        if (CXButton* b = GetRightButton())
            b->Show(m_nRoundPosition < static_cast<int>(m_RoundDates.size()) - 1);
        if (CXButton* b = GetLeftButton()) b->Show(true);
        FillPage();
    }
    Repaint(0);
}

// ---- the tree, the mouse and the commands ----

void CFixtureScreen::OnTreeSelect(const TreeNotice* item) {
    if (!item || item->level < 1 || item->word != 0) return;
    CScreensInfo::OnTreeSelect(item);
    const bool cup = FixIsCupNode(item->kind);
    switch (m_nPage) {
        case kCupSchedulePage:
        case kCupFixturesPage:
            if (cup && item->level >= 2 && item->level <= 4 && item->data) {
                m_pCup = reinterpret_cast<CCup*>(item->data);
                m_nRoundPosition = 0;
                m_Date = CMatchTime{};
                if (m_nPage == kCupFixturesPage) SetUpRoundNavigation();
                FillPage();
            }
            break;
        case kFriendliesPage:
            if (item->level == 4 && !cup && item->data)
                ChooseOpponent(reinterpret_cast<CClub*>(item->data));
            else {
                m_bOpponentChosen = false;
                EnableArrangeButtons(false);
            }
            break;
        case kLeagueSchedulePage:
            if (item->level == 4 && !cup && item->data) {
                m_pClub = reinterpret_cast<CClub*>(item->data);
                FillLeagueSchedule();
            }
            break;
        case kLeagueFixturesPage:
            if (item->level == 3 && !cup && item->data) {
                m_pDivision = reinterpret_cast<CDivision*>(item->data);
                if (CWorldData* world = GetWorldData()) m_Date = world->GetMatchTime();
                for (CXButton* b : {GetLeftButton(), GetRightButton()})
                    if (b) b->Show(true);
                if (CalendarCode() == CDivision::kSeasonLast)
                    if (CXButton* b = GetRightButton()) b->Show(false);
                if (CalendarCode() == CDivision::kSeasonFirst)
                    if (CXButton* b = GetLeftButton()) b->Show(false);
                FillPage();
            }
            break;
        default: break;
    }
    if (item->data)
        ShowContextPicture(std::min(item->level, static_cast<int>(kContextClub)), item->data, true, cup ? 1 : 0);
    Repaint(0);
}

void CFixtureScreen::OpenPage(int screen) {
    CScreenManager* m = PageManager();
    if (!m) return;
    g_nScreenId = screen;
    m->SetScreen(MakePage(PageClass::Fixture), true, true, false, true, false);
}

void CFixtureScreen::OpenRow(int row) {
    CListControl* list = GetFixtureList();
    CScreenManager* m = PageManager();
    if (!list || !m || row < 0 || row >= list->GetRowCount()) return;
    auto cell = [&](int col) {
        const char* t = list->GetItemText(row, col);
        return std::string(t ? t : "");
    };
    switch (m_nPage) {
        case kCupSchedulePage: {
            const auto round = static_cast<intptr_t>(list->GetItemData2(row));
            if (round == -1 || !m_pCup) return;
            OpenRequest& r = PendingRequest();
            r.cup = m_pCup;
            r.roundPosition = static_cast<int>(round);
            r.division = m_pDivision;
            OpenPage(kCupFixturesPage);
            return;
        }
        case kCupFixturesPage: {
            const auto index = static_cast<intptr_t>(list->GetItemData(row));
            if (cell(3).empty() || index < 0 || !m_pCup || m_nRoundPosition < 0) return;
            const auto [roundIndex, replay] = m_RoundDates[size_t(m_nRoundPosition)];
            m->ShowMatchSummary(replay + 1, m_pCup->m_Name, kFixSummaryCup, CInfoScreen::CupIdentity(m_pCup),
                                roundIndex, m_Date, static_cast<int>(index), replay);
            return;
        }
        case kLeagueSchedulePage: {
            if (!m_pClub) return;
            OpenRequest& r = PendingRequest();
            r.matchDay = static_cast<int>(list->GetItemData2(row));
            r.backwards = cell(3).empty() ? 0 : 1;
            r.club = m_pClub;
            r.division = m_pClub->GetDivision();
            OpenPage(kLeagueFixturesPage);
            return;
        }
        case kLeagueFixturesPage: {
            const auto index = static_cast<intptr_t>(list->GetItemData(row));
            if (cell(3).empty() || index < 0 || !m_pDivision) return;
            // The division by its country and its place there.
            const CCountry* country = GetWorldData() ? GetWorldData()->GetCountry(m_pDivision->GetCountry()) : nullptr;
            int place = -1;
            for (int i = 0; country && i < country->GetDivisionCount(); ++i)
                if (country->GetDivision(i) == m_pDivision) place = i;
            m->ShowMatchSummary(1, m_pDivision->GetName(), kFixSummaryLeague, m_pDivision->GetCountry(), place, m_Date,
                                static_cast<int>(index), 0);
            return;
        }
        default: return;
    }
}

void CFixtureScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    CScreensInfo::OnLButtonDblClk(flags, pt);
    CListControl* list = GetFixtureList();
    if (!list || flags != ui::kRelayedFlags) return;
    OpenRow(list->GetPointerRow());
}

void CFixtureScreen::OnLButtonDown(uint32_t flags, Point pt) {
    CSectionHub::OnLButtonDown(flags, pt);
    // Only a click the friendly list passes on picks a day.
    CListControl* list = GetFixtureList();
    if (m_nPage == kFriendliesPage && list && flags == ui::kRelayedFlags) PickFriendlyRow(list->GetPointerRow());
}

void CFixtureScreen::OnRButtonDown(uint32_t flags, Point pt) {
    // The hub's staff rows have the employee menu; the other pages' rows
    // are matches and days, with the page's menu.
    PressForPageMenu(*this, flags, pt, m_nPage, m_nPage == kHubPage ? kEmployeeMenuCode : kNoRowMenu, m_bMenuShown,
                     [&] { CScreensInfo::OnRButtonDown(flags, pt); });
}

bool CFixtureScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kFriendliesPage && (id == kArrangeHome || id == kArrangeAway)) {
        ArrangeFriendly(id == kArrangeHome);
        return true;
    }
    if (id == kLeftDate || id == kRightDate) {
        if (id == kLeftDate)
            OnLeftDate();
        else
            OnRightDate();
        return true;
    }
    if (m_nPage == kHubPage) {
        // Only the friendlies need a club of the manager's own.
        if (id == kFriendlies && !HubManagerEmployed()) return true;
        for (const HubSection& s : Sections())
            if (s.command == id) {
                OpenPage(s.screen);
                return true;
            }
        if (id == kCupRoute) {
            OpenPage(kCupRoutePage);
            return true;
        }
    }
    return CSectionHub::OnCommand(id, code, control);
}

void CFixtureScreen::Close() {
    if (CScreenManager* m = PageManager(); m && m_nPage != kHubPage) {
        const bool cupPage = m_nPage == kCupSchedulePage || m_nPage == kCupFixturesPage;
        if (cupPage && g_nScreenId != kCupSchedulePage && g_nScreenId != kCupFixturesPage) m->SetTreeMode(0);
        if ((cupPage || m_nPage == kLeagueSchedulePage || m_nPage == kLeagueFixturesPage) && !m->IsOffHistory()) {
            m->MarkHistoryEntry(m_nRoundPosition, m_bReplayDate);
            if ((m_nPage == kCupFixturesPage || m_nPage == kLeagueFixturesPage) && !m_Date.IsUnset())
                m->SetHistoryFixture(m_Date);
        }
    }
    CSectionHub::Close();
}

int CFixtureScreen::GetHistoryParams(HistoryState* block) {
    CWorldData* world = GetWorldData();
    if (block) {
        *block = m_HistoryBlock;
        // The league schedule and fixtures keep whom they show by index.
        if (m_nPage == kLeagueSchedulePage && m_pClub && world)
            *block = {world->GetClubList().GetIndex(m_pClub), -1, kLeagueSchedulePage};
        if (m_nPage == kLeagueFixturesPage && m_pDivision && world) {
            CCountry* country = world->GetCountry(m_pDivision->GetCountry());
            for (int d = 0; country && d < country->GetDivisionCount(); ++d)
                if (country->GetDivision(d) == m_pDivision) *block = {d, m_pDivision->GetCountry(), kLeagueFixturesPage};
        }
    }
    return -1;
}

void CFixtureScreen::SetHistoryParams(const HistoryState* block) {
    if (!block) return;
    m_HistoryBlock = *block;
    CWorldData* world = GetWorldData();
    if (!world) return;
    if (block->kind == kLeagueSchedulePage && m_nPage == kLeagueSchedulePage)
        if (CClub* club = world->GetClub(static_cast<int>(block->identity))) m_pClub = club;
    if (block->kind == kLeagueFixturesPage && m_nPage == kLeagueFixturesPage)
        if (CCountry* country = world->GetCountry(static_cast<int>(block->owner)))
            if (CDivision* d = country->GetDivision(static_cast<int>(block->identity))) m_pDivision = d;
}
