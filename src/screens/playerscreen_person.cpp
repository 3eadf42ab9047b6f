// Page 60, person information: a player, a club's employee, a job-market
// employee, a youth of the user's squad, a market youth or a referee, with
// the player's five sub-pages and the staff's comments.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "screens/playerscreen.h"
#include "shell/screenmanager.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/youth.h"
#include "ui/listcontrol.h"

using namespace platform::win;

namespace {

constexpr unsigned kDash = 485;
constexpr uint32_t kWhite = platform::gfx::RGB(255, 255, 255);
constexpr uint32_t kRecordFigures = platform::gfx::RGB(255, 214, 64);

// The sub-pages' headings and backgrounds.
constexpr unsigned kSubHeadings[5] = {257, 969, 971, 972, 973};
const char* const kSubBackgrounds[5] = {"gfx\\backgrounds\\61.bmp", "gfx\\backgrounds\\61b.bmp",
                                        "gfx\\backgrounds\\61b.bmp", "gfx\\backgrounds\\61c.bmp",
                                        "gfx\\backgrounds\\61a.bmp"};
constexpr const char* kCommentsBackground = "gfx\\backgrounds\\61b.bmp";

// A player's own words, by the inbox code stored for him.
struct PlayerWords {
    uint8_t code;
    unsigned textId;
};
constexpr PlayerWords kPlayerWords[] = {
    {87, 33194},  {89, 33195},  {92, 33196},  {94, 33197},  {95, 33198},  {98, 33199},  {99, 33200},
    {100, 33201}, {101, 33202}, {102, 33203}, {103, 33204}, {104, 33205}, {105, 33206}, {106, 33207},
    {107, 33208}, {108, 33209}, {109, 33210}, {110, 33211}, {111, 33212}, {112, 33213}, {113, 33214},
    {114, 33215}, {115, 33216},
};

// What each job says on the person page, and its default.
struct StaffComments {
    uint8_t job;
    unsigned heading;
    std::vector<PlayerWords> codes;
    PlayerWords fallback;  // code 0: none
};

const std::vector<StaffComments>& StaffCommentRules() {
    static const std::vector<StaffComments> kRules = [] {
        std::vector<StaffComments> r;
        r.push_back({CBasicEmployee::kHeadCoach,
                     1066,
                     {{198, 33221}, {200, 33222}, {223, 33223}, {42, 33323}, {43, 33324}},
                     {190, 33387}});
        r.push_back({CBasicEmployee::kHeadPhysio,
                     1067,
                     {{198, 33224}, {200, 33225}, {223, 33226}, {60, 32973}, {61, 32974}},
                     {0, 0}});
        r.push_back({CBasicEmployee::kScout, 969, {{85, 34193}}, {241, 33313}});
        r.push_back({CBasicEmployee::kYouthCoach, 1069, {{198, 33227}, {200, 33228}, {64, 33323}, {65, 33324}},
                     {66, 33334}});
        StaffComments assistant{CBasicEmployee::kAssistantManager, 970, {{197, 34312}}, {239, 33311}};
        for (uint8_t c = 198; c <= 200; ++c) assistant.codes.push_back({c, 33270u + (c - 198u)});
        for (uint8_t c = 213; c <= 221; ++c) assistant.codes.push_back({c, 33273u + (c - 213u)});
        for (uint8_t c = 225; c <= 227; ++c) assistant.codes.push_back({c, 33282u + (c - 225u)});
        assistant.codes.push_back({1, 32979});
        assistant.codes.push_back({2, 32978});
        assistant.codes.push_back({3, 32982});
        assistant.codes.push_back({4, 32981});
        for (uint8_t c = 126; c <= 139; ++c) assistant.codes.push_back({c, 32983u + (c - 126u)});
        assistant.codes.push_back({140, 33371});
        r.push_back(assistant);
        return r;
    }();
    return kRules;
}

// Passes an advisor's lines to the page's panel.
class PersonPanelLines : public CMessageLines {
public:
    explicit PersonPanelLines(std::vector<std::string>& out) : m_Out(out) {}
    void AddLine(const std::string& line) override { m_Out.push_back(line); }

private:
    std::vector<std::string>& m_Out;
};

std::string Number(int n) { return platform::StrPrintf("%d", n); }

}  // namespace

CXStatic* CPlayerScreen::GetDetailLabel(int detail) { return GetPageLabel(kFirstDetail + 2 * detail); }
CXStatic* CPlayerScreen::GetDetailValue(int detail) { return GetPageLabel(kFirstDetail + 2 * detail + 1); }
CXStatic* CPlayerScreen::GetSkillValue(int skill) { return GetPageLabel(kFirstSkill + 2 * skill + 1); }

void CPlayerScreen::InitialisePersonPage() {
    m_PersonPanel.Create("", WS_CHILD, kPersonPanelRect, this, 1064, "Arial Narrow", 21, kWhite, 0, 0);
    m_nSubPage = kRatings;
    SetupSubScreens(true);
    // The player's squad under his club's node, taken back on Close.
    if (m_nSubjectKind == kPersonListPlayers && m_pSubject && !m_bSubjectGone)
        FillSubjectClubNode(*static_cast<const CPlayer*>(m_pSubject));
}

unsigned CPlayerScreen::GetActionTipId() const {
    if (IsModalPage()) return 580;
    switch (m_nSubjectKind) {
        case kPersonListPlayers: {
            const auto* player = static_cast<const CPlayer*>(m_pSubject);
            CClub* own = UserClub();
            if (!player || !own || player->GetClub() != own) return 542;
            return m_bListed ? 598 : 597;
        }
        case kPersonListStaff: return 20;
        case kPersonListStaffMarket: return 542;
        case kPersonListYouths: return 20;
        case kPersonListYouthMarket: return 544;
        default: return 20;
    }
}

void CPlayerScreen::ResetPersonTexts() {
    for (int d = 0; d < kDetails; ++d) SetLabel(GetDetailValue(d), platform::LoadString(kDash));
    for (int s = 0; s < kSkills; ++s) SetLabel(GetSkillValue(s), platform::LoadString(kDash));
    m_PanelLines.clear();
    if (m_PersonPanel.IsAlive()) m_PersonPanel.Clear();
}

void CPlayerScreen::AddPanelLine(const std::string& line) {
    m_PanelLines.push_back(line);
    if (m_PersonPanel.IsAlive()) m_PersonPanel.AddLine(line);
}

// Which of the sub-page's controls show: the skill grid, the adviser
// panel, a list (0 history, 1 record, -1 none) and the record's group heads.
void CPlayerScreen::SetSubPageControls(bool skills, bool panel, int list, bool groupHeads) {
    for (int i = kFirstSkill; i < kFirstSkill + 2 * kSkills; ++i) ShowLabel(i, skills);
    for (int i = kFirstGroupHead; i < kFirstGroupHead + 3; ++i) ShowLabel(i, groupHeads);
    ShowLabel(kNoDataLabel, false);
    if (m_PersonPanel.IsAlive()) m_PersonPanel.Show(panel);
    for (int l = 0; l < 2; ++l)
        if (CListControl* lc = GetPageList(l)) lc->Show(l == list);
}

void CPlayerScreen::SetPanelButtons(int enabledMask) {
    for (int b = 0; b < 5; ++b) {
        CXButton* button = GetPageButton(kFirstPanelButton + b);
        if (!button) continue;
        button->Enable((enabledMask >> b) & 1);
        button->SetTicked(b == m_nSubPage && ((enabledMask >> b) & 1));
        button->Redraw();
    }
}

void CPlayerScreen::ShowPersonFace(const CPerson& person) {
    const CFace& f = person.GetFace();
    const int x = m_nPage == kPersonPage ? kPersonFaceX : kFaceX93;
    const int y = m_nPage == kPersonPage ? kPersonFaceY : kFaceY93;
    AddFaceOverlay(0, false, x, y, f.Race(), f.Colour(), f.Hair(), f.Eye(), f.Nose(), f.Chin(), f.Mouth(), f.Beard(),
                   -1);
}

void CPlayerScreen::ShowSubPage(int subPage) {
    if (subPage < 0 || subPage > 4) return;
    m_nSubPage = subPage;
    SetupSubScreens(true);
    Repaint(0);
}

void CPlayerScreen::SetupSubScreens(bool rebuild) {
    ResetPersonTexts();
    for (int b = 0; b < 3; ++b)
        if (CXButton* button = GetPageButton(b)) button->Enable(false);
    // Only a person the world holds in a list of the subject's kind is
    // shown; anything else is nobody.
    if (!m_pSubject || m_SubjectId.index < 0) {
        ShowNoDataAvailable();
        return;
    }
    switch (m_nSubjectKind) {
        case kPersonListPlayers:
            ShowPlayer(*static_cast<CPlayer*>(m_pSubject), rebuild);
            break;
        case kPersonListStaff:
            ShowEmployee(static_cast<CEmployee*>(m_pSubject), nullptr);
            break;
        case kPersonListStaffMarket:
            ShowEmployee(nullptr, static_cast<CAvailableEmployee*>(m_pSubject));
            break;
        case kPersonListYouths: {
            auto* youth = static_cast<CYouth*>(m_pSubject);
            ShowYouth(youth->m_Person, youth->m_Football, true);
            break;
        }
        case kPersonListYouthMarket: {
            auto* youth = static_cast<CAvailableYouth*>(m_pSubject);
            ShowYouth(youth->m_Person, youth->m_Football, false);
            break;
        }
        case kPersonListReferees:
            ShowReferee(*static_cast<CSoccerReferee*>(m_pSubject));
            break;
        default:
            break;
    }
    if (m_PersonPanel.IsAlive()) {
        m_PersonPanel.ScrollToTop();
        m_PersonPanel.Redraw();
    }
    Repaint(0);
}

// ---- Kind 0: a player ----

void CPlayerScreen::ShowPlayer(CPlayer& player, bool rebuild) {
    CClub* club = player.GetClub();
    CClub* own = UserClub();
    const bool ours = own && club == own;
    SetLabel(GetPageLabel(kTitleLabel), platform::LoadString(481));
    SetLabel(GetPageLabel(kNameLabel), player.GetName());
    SetLabel(GetDetailValue(kAge), player.Person().GetAgeText());
    const std::string rating = player.GetKnownAbilityText(ours);
    if (!rating.empty()) SetLabel(GetDetailValue(kRating), rating);
    SetLabel(GetDetailValue(kPosition), player.GetPositionText());
    SetLabel(GetDetailValue(kNationality), player.Person().GetNationalityText());
    if (const CCountry* money = MoneyCountry(club)) {
        SetLabel(GetDetailValue(kWage), player.Person().GetWageText(*money));
        if (player.IsListed()) SetLabel(GetDetailValue(kPrice), player.GetAskingPriceText(*money));
    }
    const std::string prev = player.m_TransferHistory.GetFirstDate();
    if (!prev.empty()) SetLabel(GetDetailValue(kPrev), prev);
    m_bListed = player.IsListed() ? 1 : 0;
    if (player.IsListed()) SetLabel(GetDetailValue(kStatus), platform::LoadString(975));
    else if (!club) SetLabel(GetDetailValue(kStatus), platform::LoadString(59));
    SetLabel(GetDetailValue(kContract), player.Person().GetContractYearsText());
    SetLabel(GetDetailValue(kFoot), player.GetFootText());

    // Player Comment: his own words for his club's manager, a scout's
    // report for anyone else's.
    const bool commentOpen = ours || (own && CClub::IsPlayerScouted(player));
    int mask = 0x1F;
    if (!commentOpen) mask &= ~(1 << kPlayerComment);
    if (!(mask >> m_nSubPage & 1)) m_nSubPage = kRatings;
    SetPanelButtons(mask);
    SetPlayerButtons(player);
    (void)rebuild;

    SetBackgroundPicture(kSubBackgrounds[m_nSubPage]);
    SetLabel(GetPageLabel(kSubHeading), platform::LoadString(kSubHeadings[m_nSubPage]));
    ShowPlayerPanel(player);

    platform::Trace("Setup Screen 61 - Person Face\n");
    ShowPersonFace(player.Person());
    platform::Trace("Setup Screen 61 - Team Shirt\n");
    if (club) BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    else ReleaseKitSurface(false);
    platform::Trace("Setup Screen 61 - End of Routine\n");
}

void CPlayerScreen::ShowPlayerPanel(CPlayer& player) {
    CClub* own = UserClub();
    const bool ours = own && player.GetClub() == own;
    switch (m_nSubPage) {
        case kRatings:
            SetSubPageControls(true, false, -1, false);
            if (ours) ShowSkills(player.Football(), player.Person());
            break;
        case kScoutComments: {
            SetSubPageControls(false, true, -1, false);
            SetLabel(GetPageLabel(kSubHeading), platform::LoadString(ours ? 970 : 969));
            std::string report;
            if (!ours && own && own->CountScouts() > 0) report = CClub::GetScoutReport(player);
            AddPanelLine(report.empty() ? platform::LoadString(424) : report);
            break;
        }
        case kPlayerComment: {
            SetSubPageControls(false, true, -1, false);
            CWorldData* w = GetWorldData();
            CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
            if (!ours) {
                // Another club's player speaks only through the scouts.
                const std::string report = CClub::GetScoutReport(player);
                AddPanelLine(report.empty() ? platform::LoadString(424) : report);
                break;
            }
            if (!user) break;
            PersonPanelLines lines(m_PanelLines);
            const int index = WorldIndexOf(player);
            for (const PlayerWords& words : kPlayerWords) user->GetMessages(words.code, words.textId, lines, nullptr, index);
            for (const std::string& line : m_PanelLines)
                if (m_PersonPanel.IsAlive()) m_PersonPanel.AddLine(line);
            break;
        }
        case kRecord:
            SetSubPageControls(false, false, 1, true);
            if (CListControl* list = GetPageList(1)) FillRecordList(*list, player);
            break;
        case kClubHistory:
            SetSubPageControls(false, false, 0, false);
            if (CListControl* list = GetPageList(0)) FillClubHistoryList(*list, player);
            break;
        default:
            break;
    }
}

void CPlayerScreen::ShowSkills(const CSoccerPlayer& f, const CPerson& person) {
    const int numbers[kSkills] = {f.m_Handling, f.m_Tackling, f.m_Fitness, f.m_Shooting, f.m_Heading, -1, f.m_Strength,
                                  f.m_Passing,  f.m_Flair,    f.m_Dribbling, f.m_Energy, -2, f.m_Pace};
    for (int s = 0; s < kSkills; ++s) {
        std::string text;
        if (numbers[s] == -1) text = person.GetTemperamentText();
        else if (numbers[s] == -2) text = person.GetMoraleText();
        else text = Number(numbers[s]);
        SetLabel(GetSkillValue(s), text);
    }
}

void CPlayerScreen::FillRecordList(CListControl& list, const CPlayer& p) {
    list.ResetContent();
    list.m_bSelectable = 0;
    const std::string dash = platform::LoadString(kDash);
    struct Row {
        unsigned label;
        int career, club, seasonLeague, seasonCup, season;
    };
    const int cupApps = p.m_KindsTally, cupGoals = p.m_SeasonKindGoals;
    const Row rows[5] = {
        {122, static_cast<int16_t>(p.m_CareerAppearances), static_cast<int16_t>(p.m_ClubAppearances),
         p.m_SeasonAppearances - cupApps, cupApps, p.m_SeasonAppearances},
        {247, static_cast<int16_t>(p.m_CareerGoals), static_cast<int16_t>(p.m_ClubGoals), p.m_SeasonGoals - cupGoals,
         cupGoals, p.m_SeasonGoals},
        {248, static_cast<int16_t>(p.m_CareerMotm), static_cast<int16_t>(p.m_ClubMotm), -1, -1, p.m_SeasonMotm},
        {249, static_cast<int16_t>(p.m_CareerBookings), static_cast<int16_t>(p.m_ClubBookings), -1, -1,
         p.m_SeasonBookings},
        {250, static_cast<int16_t>(p.m_CareerSendingsOff), static_cast<int16_t>(p.m_ClubSendingsOff), -1, -1,
         p.m_SeasonSendingsOff},
    };
    for (const Row& r : rows) {
        const int row = list.AddRow(platform::LoadString(r.label), 0, 0, 0);
        const std::string cells[9] = {dash,
                                      dash,
                                      Number(r.career),
                                      dash,
                                      dash,
                                      Number(r.club),
                                      r.seasonLeague < 0 ? dash : Number(r.seasonLeague),
                                      r.seasonCup < 0 ? dash : Number(r.seasonCup),
                                      Number(r.season)};
        for (int c = 0; c < 9; ++c) list.SetItem(row, c + 1, cells[c]);
        list.SetRowColour(row, kRecordFigures);
        list.SetItemColour(row, 0, kWhite);
    }
    list.Redraw();
}

void CPlayerScreen::FillClubHistoryList(CListControl& list, const CPlayer& player) {
    list.ResetContent();
    list.m_bSelectable = 0;
    player.m_TransferHistory.FillListControl(list, MoneyCountry(player.GetClub()));
    list.Redraw();
}

// The person menus' rules: see the decisions on page 60's buttons.
void CPlayerScreen::SetPlayerButtons(CPlayer& player) {
    CClub* club = player.GetClub();
    CClub* own = UserClub();
    const bool ours = own && club == own;
    const bool loan = player.IsOnLoan();
    CXButton* renew = GetPageButton(kRenewButton);
    CXButton* release = GetPageButton(kReleaseButton);
    CXButton* action = GetPageButton(kActionButton);
    if (!renew || !release || !action) return;
    renew->SetTextId(540);
    release->SetTextId(20);
    m_bListingAllowed = 0;
    if (IsModalPage()) {
        action->SetTextId(580);
        action->Enable(true);
        release->SetTextId(598);
        release->Enable(ours);
        renew->Enable(false);
        return;
    }
    if (!own || !club || loan) {
        renew->Enable(false);
        release->Enable(false);
        action->SetTextId(542);
        action->Enable(false);
        return;
    }
    if (!ours) {
        action->SetTextId(542);
        action->Enable(true);
        return;
    }
    renew->Enable(player.Person().GetContractYears() <= 4);
    release->Enable(true);
    m_bListingAllowed = 1;
    action->SetTextId(m_bListed ? 598 : 597);
    action->Enable(true);
}

// ---- Kinds 1 and 2: employees ----

void CPlayerScreen::ShowEmployee(CEmployee* employee, CAvailableEmployee* market) {
    const CBasicEmployee& e = employee ? static_cast<const CBasicEmployee&>(*employee) : *market;
    const CPerson& person = e.Person();
    SetLabel(GetPageLabel(kTitleLabel), platform::LoadString(489));
    SetLabel(GetPageLabel(kNameLabel), e.GetName());
    SetLabel(GetDetailValue(kAge), person.GetAgeText());
    SetLabel(GetDetailValue(kRating), Number(e.m_Ability));
    SetLabel(GetDetailValue(kPosition), e.GetJobTitle());
    SetLabel(GetDetailValue(kNationality), person.GetNationalityText());
    CClub* club = employee ? employee->GetClub() : nullptr;
    if (club) {
        if (const CCountry* money = MoneyCountry(club)) SetLabel(GetDetailValue(kWage), person.GetWageText(*money));
        SetLabel(GetDetailValue(kContract), person.GetContractYearsText());
    }
    SetBackgroundPicture(kCommentsBackground);
    // The comments are what an employee's page shows: their button is the chosen one.
    if (employee) m_nSubPage = kPlayerComment;
    SetPanelButtons(employee ? 1 << kPlayerComment : 0);
    SetEmployeeButtons(employee);
    if (employee) {
        SetSubPageControls(false, true, -1, false);
        ShowStaffComments(*employee);
    } else {
        SetSubPageControls(false, false, -1, false);
        SetLabel(GetPageLabel(kSubHeading), "");
        SetLabel(GetPageLabel(kNoDataLabel), platform::LoadString(735));
        ShowLabel(kNoDataLabel, true);
        if (CXButton* action = GetPageButton(kActionButton)) {
            action->SetTextId(542);
            action->Enable(!IsModalPage() && UserClub());
        }
    }
    ShowPersonFace(person);
    if (club) BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    else ReleaseKitSurface(false);
}

void CPlayerScreen::SetEmployeeButtons(CEmployee* employee) {
    CXButton* renew = GetPageButton(kRenewButton);
    CXButton* release = GetPageButton(kReleaseButton);
    CXButton* action = GetPageButton(kActionButton);
    if (!renew || !release || !action || !employee) return;
    CClub* own = UserClub();
    const bool ours = own && employee->GetClub() == own;
    const bool modal = IsModalPage();
    renew->SetTextId(540);
    renew->Enable(!modal && ours && employee->Person().GetContractYears() < 2 &&
                  employee->Person().GetPendingYears() == 0);
    release->SetTextId(538);
    release->Enable(false);
    action->SetTextId(modal ? 580 : 20);
    action->Enable(modal || ours);
}

// The comments of the employee's job: his stored lines, else the job's
// default, stored once so that visits do not fill the inbox.
void CPlayerScreen::ShowStaffComments(CEmployee& employee) {
    const auto& rules = StaffCommentRules();
    auto rule = std::find_if(rules.begin(), rules.end(),
                             [&](const StaffComments& r) { return r.job == employee.m_JobKind; });
    SetLabel(GetPageLabel(kSubHeading), platform::LoadString(rule == rules.end() ? 1081 : rule->heading));
    CWorldData* w = GetWorldData();
    CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
    if (rule == rules.end() || !user) return;
    PersonPanelLines lines(m_PanelLines);
    for (const PlayerWords& c : rule->codes) user->GetMessages(c.code, c.textId, lines);
    if (m_PanelLines.empty()) {
        PlayerWords fallback = rule->fallback;
        std::string t1, t2, t3;
        if (employee.m_JobKind == CBasicEmployee::kHeadPhysio) {
            // The first injured player's recovery, or everyone fit.
            fallback = {63, 32976};
            if (const CClub* club = employee.GetClub())
                for (int s = 0; s < CHumanManager::kSquadSlots; ++s) {
                    const CPlayer* p = club->PlayerInSlot(s);
                    const CInjury* injury = p && p->IsInjured() ? p->GetInjury() : nullptr;
                    if (!injury) continue;
                    fallback = {62, 32975};
                    t1 = p->GetName();
                    t2 = injury->GetText(false);
                    t3 = Number(std::max(1, injury->GetWeeks() / 2));
                    break;
                }
        }
        if (fallback.code != 0) {
            if (!user->HasMessage(fallback.code)) user->AddMessage(fallback.code, t1, t2, t3, -1);
            user->GetMessages(fallback.code, fallback.textId, lines);
        }
    }
    for (const std::string& line : m_PanelLines)
        if (m_PersonPanel.IsAlive()) m_PersonPanel.AddLine(line);
}

// ---- Kinds 3 and 4: youths ----

void CPlayerScreen::ShowYouth(CPerson& person, CSoccerPlayer& football, bool ofClub) {
    SetLabel(GetPageLabel(kTitleLabel), platform::LoadString(482));
    SetLabel(GetPageLabel(kNameLabel), person.GetName());
    SetLabel(GetDetailValue(kAge), person.GetAgeText());
    SetLabel(GetDetailValue(kRating), Number(football.GetAbility()));
    SetLabel(GetDetailValue(kPosition), football.GetPositionText());
    SetLabel(GetDetailValue(kNationality), person.GetNationalityText());
    CClub* own = UserClub();
    if (ofClub) {
        if (const CCountry* money = MoneyCountry(own)) SetLabel(GetDetailValue(kWage), person.GetWageText(*money));
        // Youth terms run to 19; an older youth has none left.
        SetLabel(GetDetailValue(kContract), Number(std::max(0, 19 - person.GetAge())));
    }
    m_nSubPage = kRatings;
    SetPanelButtons(ofClub ? 1 << kRatings : 0);
    SetBackgroundPicture(ofClub ? kSubBackgrounds[kRatings] : kCommentsBackground);
    if (ofClub) {
        SetSubPageControls(true, false, -1, false);
        SetLabel(GetPageLabel(kSubHeading), platform::LoadString(258));
        ShowSkills(football, person);
    } else {
        SetSubPageControls(false, false, -1, false);
        SetLabel(GetPageLabel(kSubHeading), "");
    }
    if (CXButton* action = GetPageButton(kActionButton)) {
        const bool modal = IsModalPage();
        action->SetTextId(modal ? 580 : ofClub ? 20 : 544);
        action->Enable(modal || own);
    }
    if (CXButton* renew = GetPageButton(kRenewButton)) {
        renew->SetTextId(543);
        renew->Enable(ofClub && own && !IsModalPage());
    }
    ShowPersonFace(person);
    if (ofClub && own) BuildClubKitSurface(reinterpret_cast<uintptr_t>(own));
    else ReleaseKitSurface(false);
}

// ---- Kind 5: a referee ----

void CPlayerScreen::ShowReferee(CSoccerReferee& referee) {
    SetLabel(GetPageLabel(kTitleLabel), platform::LoadString(516));
    SetLabel(GetPageLabel(kNameLabel), referee.m_Person.GetName());
    SetLabel(GetDetailValue(kPosition), platform::LoadString(23054));
    SetLabel(GetDetailValue(kAge), referee.m_Person.GetAgeText());
    SetLabel(GetDetailValue(kNationality), referee.m_Person.GetNationalityText());
    SetLabel(GetDetailValue(kRating), Number(referee.GetGrade()));
    SetBackgroundPicture(kCommentsBackground);
    SetPanelButtons(0);
    SetSubPageControls(false, false, -1, false);
    SetLabel(GetPageLabel(kSubHeading), "");
    if (IsModalPage())
        if (CXButton* action = GetPageButton(kActionButton)) {
            action->SetTextId(580);
            action->Enable(true);
        }
    ShowPersonFace(referee.m_Person);
    ReleaseKitSurface(false);
}
