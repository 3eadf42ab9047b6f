#include "screens/sectionhub.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/pagemenus.h"
#include "soccerclasses/club.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr int kPersonScreen = 60;
constexpr int kEmployeeMode = 1;

// Each kind of staff in a colour of its own, so the list reads at a glance.
uint32_t StaffRowColour(uint8_t kind) {
    switch (kind) {
        case CBasicEmployee::kHeadCoach: return platform::gfx::RGB(255, 214, 64);
        case CBasicEmployee::kHeadPhysio: return platform::gfx::RGB(255, 128, 120);
        case CBasicEmployee::kScout: return platform::gfx::RGB(120, 230, 140);
        case CBasicEmployee::kYouthCoach: return platform::gfx::RGB(110, 210, 255);
        case CBasicEmployee::kAssistantManager: return platform::gfx::RGB(236, 236, 244);
        default: return platform::gfx::RGB(200, 200, 210);
    }
}

}  // namespace

bool HubManagerEmployed() {
    CWorldData* w = GetWorldData();
    CManager* m = w ? w->GetCurrentManager() : nullptr;
    return m && m->IsEmployed();
}

void HubPanelLines::AddLine(const std::string& line) {
    ++m_nLines;
    m_Lines.push_back(line);
    if (m_pPanel && m_pPanel->IsAlive()) m_pPanel->AddLine(line);
}

void CSectionHub::AskFallback(CHumanManager& user, const HubAdvisorText& fallback, CMessageLines& lines) {
    if (user.GetMessages(fallback.code, fallback.textId, lines)) return;
    user.AddMessage(fallback.code, "", "", "", -1);
    user.GetMessages(fallback.code, fallback.textId, lines);
}

bool CSectionHub::AskRule(CHumanManager& user, const HubAdvisorRule& rule, HubPanelLines& lines) {
    for (size_t g = 0; g < rule.groups.size(); ++g) {
        if (g > 0 && lines.Count() > 0) break;
        for (const HubAdvisorText& t : rule.groups[g]) user.GetMessages(t.code, t.textId, lines);
    }
    if (lines.Count() > 0) return true;
    if (rule.fallback.code == 0) return false;
    AskFallback(user, rule.fallback, lines);
    return true;
}

CListControl* CSectionHub::GetStaffList() {
    if (!IsHubPage() || GetListCount() < 1) return nullptr;
    return &GetList(0);
}

CXStatic* CSectionHub::GetAdvisorLabel() {
    if (!IsHubPage()) return nullptr;
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (r.left == kNameX && r.top == kNameY) return &GetLabel(i);
    }
    return nullptr;
}

void CSectionHub::SetUpHub() {
    m_AdvisorPanel.Create("", WS_CHILD | WS_VISIBLE, kPanelRect, this, kPanelId, "Arial Narrow", 21,
                          platform::gfx::RGB(255, 255, 255), 0, 0);
    m_pAdvisor = nullptr;
    CListControl* list = GetStaffList();
    if (!list) return;
    list->m_bSelectable = 1;
    list->ResetContent();
    CWorldData* world = GetWorldData();
    const bool employed = HubManagerEmployed();
    if (world && employed)
        if (CClub* club = world->GetCurrentClub()) club->FillEmployeeGroupList(*list, StaffGroup());
    if (world && (employed || ListsOwnStaffAlways()))
        if (CHumanManager* user = world->GetCurrentUser()) user->FillStaffList(*list, StaffGroup());
    for (int r = 0; r < list->GetRowCount(); ++r) {
        list->SetRowData2(r, kEmployeeMode);
        if (const auto* e = reinterpret_cast<const CEmployee*>(list->GetItemData(r)))
            list->SetRowColour(r, StaffRowColour(e->m_JobKind));
    }
    if (list->GetRowCount() > 0) {
        list->SetSelection(0);
        m_pAdvisor = reinterpret_cast<CEmployee*>(list->GetItemData(0));
    }
}

void CSectionHub::ShowAdvisor() {
    m_AdvisorLines.clear();
    if (m_pAdvisor) {
        const CFace& f = m_pAdvisor->Person().GetFace();
        AddFaceOverlay(0, false, kFaceX, kFaceY, f.Race(), f.Colour(), f.Hair(), f.Eye(), f.Nose(), f.Chin(),
                       f.Mouth(), f.Beard(), -1);
        if (CXStatic* label = GetAdvisorLabel())
            label->SetText(platform::FormatMessageId(kNameFormat, {m_pAdvisor->GetName(), m_pAdvisor->GetJobTitle()}));
    }
    if (!m_AdvisorPanel.IsAlive()) return;
    m_AdvisorPanel.Clear();
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (m_pAdvisor && user) {
        const auto& rules = AdvisorRules();
        auto rule = std::find_if(rules.begin(), rules.end(),
                                 [this](const HubAdvisorRule& r) { return r.jobKind == m_pAdvisor->m_JobKind; });
        if (rule != rules.end()) {
            HubPanelLines lines(&m_AdvisorPanel);
            if (!AskRule(*user, *rule, lines)) AdvisorFallback(*m_pAdvisor, *user, lines);
            m_AdvisorLines = lines.Lines();
        }
    }
    m_AdvisorPanel.ScrollToTop();
    m_AdvisorPanel.Redraw();
    Repaint(0);
}

void CSectionHub::SelectAdvisor(CEmployee* e) {
    m_pAdvisor = e;
    ShowAdvisor();
}

bool CSectionHub::OpenSection(uint32_t command) {
    const auto& sections = Sections();
    auto s = std::find_if(sections.begin(), sections.end(), [command](const HubSection& h) { return h.command == command; });
    if (s == sections.end()) return false;
    if (s->needsClub && !HubManagerEmployed()) return true;
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) {
        platform::Trace("CSectionHub: no screen manager to open a section\n");
        return true;
    }
    g_nScreenId = s->screen;
    manager->SetScreen(MakePage(s->kind), true, true, false, true, false);
    return true;
}

void CSectionHub::Show() {
    CScreensInfo::Show();
    if (!IsHubPage()) return;
    // State 2 marks the section's button as the one in use.
    if (Window* parent = Parent()) parent->Send(ui::kMsgButtonState, static_cast<uintptr_t>(ToolboxButton()), 2);
}

void CSectionHub::OnListClick(CListControl* list, int row, int column) {
    CScreensInfo::OnListClick(list, row, column);
    if (!IsHubPage() || list != GetStaffList() || row < 0 || row >= list->GetRowCount()) return;
    if (auto* e = reinterpret_cast<CEmployee*>(list->GetItemData(row))) SelectAdvisor(e);
}

void CSectionHub::OnLButtonDblClk(uint32_t flags, Point pt) {
    CScreensInfo::OnLButtonDblClk(flags, pt);
    CListControl* list = GetStaffList();
    if (!list || flags != ui::kRelayedFlags) return;
    const int row = list->GetPointerRow();
    if (row < 0 || row >= list->GetRowCount()) return;
    auto* e = reinterpret_cast<CEmployee*>(list->GetItemData(row));
    if (!e || e->IsContact()) return;
    if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
        manager->OpenScreenById(kPersonScreen, reinterpret_cast<intptr_t>(e),
                                static_cast<intptr_t>(list->GetItemData2(row)), 0, 0);
}

void CSectionHub::OnHubRightPress(uint32_t flags, Point pt, int page) {
    const bool relayed = flags == ui::kRelayedFlags;
    if (!relayed) m_bHubMenuShown = 0;
    // The base first: a direct press on a list row comes back through it.
    if (!relayed) CScreensInfo::OnRButtonDown(flags, pt);
    if (!relayed && m_bHubMenuShown) return;
    m_bHubMenuShown = 1;
    uintptr_t employee = 0;
    if (IsHubPage() && HitTestListRow(pt.x, pt.y) >= 0 && HubManagerEmployed()) employee = GetListRowData(pt.x, pt.y);
    if (employee) ShowContextMenu(kEmployeeMenuCode, pt.x, pt.y, employee);
    else ShowContextMenu(page, pt.x, pt.y, 0);
    if (relayed) CScreensInfo::OnRButtonDown(flags, pt);
}

bool CSectionHub::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (IsHubPage() && OpenSection(id)) return true;
    return CScreensInfo::OnCommand(id, code, control);
}
