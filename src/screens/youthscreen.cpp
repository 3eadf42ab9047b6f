#include "screens/youthscreen.h"

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"

using namespace platform::win;

namespace {

constexpr uint8_t kChairman = 7;
constexpr uint8_t kFansSecretary = 15;
constexpr int kPersonScreen = 24;  // Club Transfers
constexpr unsigned kUnknown = 19999;
constexpr unsigned kNoData = 735;

// The fact and record labels of page 9 (ours).
constexpr unsigned kHighestGate = 50005, kLowestGate = 50006, kBiggestVictory = 50007, kBiggestDefeat = 50008,
                   kRecordPaid = 50009, kRecordReceived = 50010;

// Where page 9's value texts stand.
struct ClubInfoPlace {
    int x, y;
};
constexpr ClubInfoPlace kClubName{30, 61};
constexpr ClubInfoPlace kManagerValue{260, 125};
constexpr ClubInfoPlace kFoundedValue{305, 160};
constexpr ClubInfoPlace kGroundValue{260, 194};
constexpr ClubInfoPlace kCapacityValue{181, 228};
constexpr ClubInfoPlace kTicketValue{460, 228};
constexpr ClubInfoPlace kModeHeading{86, 277};
constexpr ClubInfoPlace kRecordLabels[2] = {{86, 310}, {86, 378}};
constexpr ClubInfoPlace kRecordFigures[2] = {{305, 308}, {305, 376}};
constexpr ClubInfoPlace kRecordDetails[2] = {{86, 342}, {86, 410}};
constexpr uint32_t kHonoursListId = 1068;

CScreen* MakeYouthScreen() { return new CYouthScreen(); }

unsigned PageCaption(int page) {
    switch (page) {
        case CYouthScreen::kInfoPage: return 10010;
        case CYouthScreen::kHonoursPage: return 10072;
        default: return 21602;
    }
}

// A record fee as money: the current user's country's, or the shown club's
// when no user's country is had (no user, or a manager out of work).
std::string ClubRecordFee(const CClub& club, double fee, bool has) {
    if (!has) return "-";
    CWorldData* w = GetWorldData();
    CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
    const CClub* own = user && user->IsEmployed() ? w->GetCurrentClub() : nullptr;
    const CCountry* country = own ? own->GetCountry() : nullptr;
    if (!country) return club.FormatMoney(fee);
    std::string out;
    country->FormatMoney(out, fee);
    return out;
}

}  // namespace

int CYouthScreen::s_nRecordMode = 0;

void RegisterYouthScreen() { RegisterPageFactory(PageClass::Youth, &MakeYouthScreen); }

PageFactory CYouthScreen::GetPageFactory() const { return &MakeYouthScreen; }

CYouthScreen::CYouthScreen() : m_nPage(g_nScreenId) {
    if (m_nPage != kInfoPage && m_nPage != kHonoursPage) m_nPage = kHubPage;
    SetBackground("gfx\\backgrounds\\40.bmp");
    SetTitle(platform::LoadString(PageCaption(m_nPage)));
    if (CWorldData* w = GetWorldData()) m_pClub = w->GetCurrentClub();
}

CYouthScreen::~CYouthScreen() = default;

const std::vector<HubAdvisorRule>& CYouthScreen::AdvisorRules() const {
    // The chairman's cup lines speak of the user's own club's cup runs in
    // the words of its level.
    bool top = true;
    if (CWorldData* w = GetWorldData())
        if (CHumanManager* user = w->GetCurrentUser())
            if (CClub* club = user->GetClub())
                if (CDivision* d = club->GetDivision()) top = d->IsTopDivision();
    static std::vector<HubAdvisorRule> rules;
    const unsigned cupBase = top ? 33029 : 33038;
    std::vector<HubAdvisorText> chairman = {{198, 33229}, {199, 33230}, {200, 33231}, {201, 33232},
                                            {202, 33233}, {203, 33234}, {204, 33235}, {205, 33236},
                                            {206, 33237}, {207, 33238}, {208, 33239}, {211, 33240},
                                            {67, 33027},  {68, 33028}};
    const uint8_t cupCodes[8] = {13, 14, 15, 16, 17, 19, 20, 22};
    for (int i = 0; i < 8; ++i) chairman.push_back({cupCodes[i], cupBase + static_cast<unsigned>(i)});
    chairman.push_back({23, top ? 33037u : 33046u});
    for (HubAdvisorText t : std::initializer_list<HubAdvisorText>{
             {196, 33047}, {50, 33052}, {51, 33053}, {58, 33054}, {59, 33055}, {123, 33056}, {86, 33065},
             {87, 33066}, {88, 33067}, {89, 33068}, {90, 33069}, {91, 33070}, {94, 33071}, {95, 33072},
             {96, 33073}, {97, 33074}, {46, 33075}, {47, 33076}})
        chairman.push_back(t);
    std::vector<HubAdvisorText> confidence, fansConfidence;
    for (uint8_t c = 69; c <= 76; ++c) confidence.push_back({c, 33057u + (c - 69u)});
    for (uint8_t c = 77; c <= 84; ++c) fansConfidence.push_back({c, 33120u + (c - 77u)});
    // Code 199 is the chairman's alone.
    std::vector<HubAdvisorText> fans = {{198, 33241}};
    for (uint8_t c = 200; c <= 211; ++c) fans.push_back({c, 33243u + (c - 200u)});
    fans.push_back({67, 33140});
    fans.push_back({68, 33141});
    rules = {
        {kChairman, {chairman, confidence}, {236, 33321}},
        {kFansSecretary, {fans, fansConfidence}, {237, 33322}},
    };
    return rules;
}

const std::vector<HubSection>& CYouthScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kClubInformation, PageClass::Youth, kInfoPage},
        {kStadiumDevelopment, PageClass::Stadium, 34},
        {kClubHonours, PageClass::Youth, kHonoursPage},
        {kKitEditor, PageClass::Kit, 72},
        {kClubTransfers, PageClass::Player, kPersonScreen},
    };
    return kSections;
}

bool CYouthScreen::OpenAlways(uint32_t command) {
    if (command != kClubInformation && command != kClubTransfers) return false;
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return true;
    g_nScreenId = command == kClubInformation ? kInfoPage : kPersonScreen;
    manager->SetScreen(MakePage(command == kClubInformation ? PageClass::Youth : PageClass::Player), true, true,
                       false, true, false);
    return true;
}

CXStatic* CYouthScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CYouthScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

CListControl* CYouthScreen::GetHonoursList() {
    if (m_nPage != kHonoursPage) return nullptr;
    for (int i = 0; i < GetListCount(); ++i)
        if (GetList(i).Id() == kHonoursListId) return &GetList(i);
    return nullptr;
}

CXStatic* CYouthScreen::GetNoHonoursLabel() { return m_nPage == kHonoursPage ? FindLabel(0, 244) : nullptr; }

void CYouthScreen::Initialise() {
    BuildScreen(m_nPage);
    if (m_nPage == kHubPage) {
        SetUpHub();
        return;
    }
    s_nRecordMode = 0;
    if (m_bHistoryValueSet && m_nHistorySubValue == kContextClub) {
        // Back to a page that showed a club: the entry keeps its index, as
        // the history's value is no pointer.
        CWorldData* w = GetWorldData();
        CClub* club = w && m_nHistoryValue >= 0 && m_nHistoryValue < w->GetClubList().GetSize()
                          ? w->GetClub(m_nHistoryValue)
                          : nullptr;
        if (club) {
            m_pClub = club;
            const auto data = reinterpret_cast<uintptr_t>(club);
            if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) manager->SelectTreeItem(data, kContextClub);
            g_nTreeSelectionData = data;
            g_nTreeSelectionKind = kContextClub;
        }
    }
}

void CYouthScreen::Refresh() {
    if (m_nPage == kHubPage) ShowAdvisor();
    if (m_nPage == kInfoPage) DrawClubInformation(false);
    if (m_nPage == kHonoursPage) DrawHonours();
}

void CYouthScreen::Close() {
    if (m_nPage != kHubPage && m_pClub)
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
            if (CWorldData* w = GetWorldData())
                // Back reopens the page on the club it showed.
                if (const int index = w->GetClubList().GetIndex(m_pClub); index >= 0)
                    manager->MarkHistoryEntry(index, kContextClub);
    RemoveOverlayBitmapsFrom(0);
    CSectionHub::Close();
}

bool CYouthScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

int CYouthScreen::GetHistoryParams(HistoryState* block) {
    // The shown club by its index (plus one; 0 none), safe across a load.
    CWorldData* w = GetWorldData();
    const int index = w && m_pClub ? w->GetClubList().GetIndex(m_pClub) : -1;
    if (block) *block = HistoryState{index + 1, 0, m_nPage};
    return 0;
}

void CYouthScreen::SetHistoryParams(const HistoryState* block) {
    CWorldData* w = GetWorldData();
    if (block && w && block->identity > 0)
        if (CClub* club = w->GetClub(static_cast<int>(block->identity - 1))) m_pClub = club;
}

void CYouthScreen::OnTreeSelect(const TreeNotice* item) {
    if (!item || item->kind == 0 || item->kind == 1) return;
    Ui::Get().BeginWaitCursor();
    CSectionHub::OnTreeSelect(item);
    if (item->kind == kContextClub && item->data) {
        if (m_nPage == kInfoPage) {
            m_pClub = reinterpret_cast<CClub*>(item->data);
            DrawClubInformation(true);
        } else if (m_nPage == kHonoursPage) {
            m_pClub = reinterpret_cast<CClub*>(item->data);
            DrawHonours();
        }
    }
    Ui::Get().EndWaitCursor();
}

void CYouthScreen::SetRecordMode(int mode) {
    if (mode < 0 || mode > 2) return;
    s_nRecordMode = mode;
    if (m_nPage == kInfoPage) DrawClubInformation(true);
}

void CYouthScreen::DrawClubInformation(bool inPlace) {
    CWorldData* world = GetWorldData();
    CClub* club = m_pClub;
    if (club && !inPlace && world && club != world->GetCurrentClub())
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
            manager->SelectTreeItem(reinterpret_cast<uintptr_t>(club), kContextClub);
    auto set = [this](ClubInfoPlace at, const std::string& text) {
        if (CXStatic* l = FindLabel(at.x, at.y)) l->SetText(text);
    };
    set(kClubName, club ? club->GetName() : "");
    if (club) {
        const std::string founded = club->GetFoundedYearText();
        set(kManagerValue, club->GetManagerNameOrNone());
        set(kFoundedValue, founded == "0" ? platform::LoadString(kUnknown) : founded);
        set(kGroundValue, club->GetStadiumName());
        set(kCapacityValue, std::to_string(club->GetStadiumCapacity()));
        set(kTicketValue, club->FormatTicketPrice(true));
    } else {
        for (ClubInfoPlace at : {kManagerValue, kFoundedValue, kGroundValue, kCapacityValue, kTicketValue}) set(at, "-");
    }
    const uint32_t buttons[3] = {kRecordGates, kRecordResults, kRecordTransfers};
    for (int i = 0; i < 3; ++i)
        if (CXButton* b = FindButton(buttons[i])) {
            b->SetGreyed(club == nullptr);
            b->SetTicked(club && i == s_nRecordMode);
            b->Redraw();
        }
    static const unsigned kLabels[3][2] = {{kHighestGate, kLowestGate},
                                           {kBiggestVictory, kBiggestDefeat},
                                           {kRecordPaid, kRecordReceived}};
    set(kModeHeading, platform::LoadString(buttons[s_nRecordMode]));
    std::string figures[2] = {"-", "-"}, details[2];
    if (club) {
        CClubRecords& r = club->Records();
        switch (s_nRecordMode) {
            case 0:
                figures[0] = r.GetHighestGateText();
                details[0] = r.GetHighestGateDetail();
                figures[1] = r.GetLowestGateText();
                details[1] = r.GetLowestGateDetail();
                break;
            case 1:
                figures[0] = r.GetBiggestWinText();
                details[0] = r.GetBiggestWinDetail();
                figures[1] = r.GetHeaviestDefeatText();
                details[1] = r.GetHeaviestDefeatDetail();
                break;
            default:
                figures[0] = ClubRecordFee(*club, r.GetRecordFeePaid(), r.HasRecordFeePaid());
                details[0] = r.GetRecordFeePaidDetail();
                figures[1] = ClubRecordFee(*club, r.GetRecordFeeReceived(), r.HasRecordFeeReceived());
                details[1] = r.GetRecordFeeReceivedDetail();
                break;
        }
    }
    for (int i = 0; i < 2; ++i) {
        set(kRecordLabels[i], platform::LoadString(kLabels[s_nRecordMode][i]));
        set(kRecordFigures[i], figures[i]);
        set(kRecordDetails[i], details[i]);
    }
    if (club)
        BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    else
        ReleaseKitSurface(false);
    RemoveOverlayBitmapsFrom(0);
    RebuildWorkBuffer();
    Repaint(0);
}

void CYouthScreen::DrawHonours() {
    CClub* club = m_pClub;
    if (CXStatic* name = FindLabel(kClubName.x, kClubName.y)) name->SetText(club ? club->GetName() : "");
    CListControl* list = GetHonoursList();
    if (list) {
        list->ResetContent();
        if (club) club->Trophies().FillListControl(*list);
    }
    if (club)
        BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    else
        ReleaseKitSurface(false);
    const bool none = !list || list->GetRowCount() == 0;
    if (CXStatic* label = GetNoHonoursLabel()) {
        label->SetText(platform::LoadString(kNoData));
        label->Show(none);
    }
    if (list) list->Show(!none);
    RebuildWorkBuffer();
    Repaint(0);
}

void CYouthScreen::OnRButtonDown(uint32_t flags, Point pt) {
    CSectionHub::OnRButtonDown(flags, pt);
    int key = m_nPage;
    uintptr_t person = 0;
    if (m_nPage == kHubPage && HitTestListRow(pt.x, pt.y) >= 0 && HubManagerEmployed()) {
        person = GetListRowData(pt.x, pt.y);
        if (person) {
            key = kEmployeeMenuCode;
            g_pSelectedEmployee = reinterpret_cast<CEmployee*>(person);
        }
    }
    ShowContextMenu(key, pt.x, pt.y, person);
}

bool CYouthScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kInfoPage && id >= kRecordGates && id <= kRecordTransfers) {
        SetRecordMode(static_cast<int>(id - kRecordGates));
        return true;
    }
    if (m_nPage == kHubPage && OpenAlways(id)) return true;
    return CSectionHub::OnCommand(id, code, control);
}
