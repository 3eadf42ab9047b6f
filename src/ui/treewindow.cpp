#include "ui/treewindow.h"

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/menu.h"
#include "platform/window/ui.h"
#include "shell/screenglobals.h"
#include "shell/soundengine.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;

namespace {

constexpr const char* kIcons[12] = {"world", "europe", "restofworld", "division", "club", "player",
                                    "cup",   "fed_cup", "americas",   "afc",      "caf",  "ofc"};
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kYellow = 0x00FFFF;

// The current human manager's club, or -1.
int HumanClub(CWorldData* w) {
    if (!g_bGameInProgress || !w) return -1;
    CHumanManager* user = w->GetCurrentUser();
    if (!user || user->GetManagerIndex() < 0) return -1;
    CManager* m = w->GetManager(user->GetManagerIndex());
    return m ? m->GetClubIndex() : -1;
}

}  // namespace

CTreeWindow::CTreeWindow() {
    for (size_t i = 0; i < m_Captions.size(); ++i) m_Captions[i] = "Tab " + std::to_string(i + 1);
    SetMenuIndex(0);
}

CTreeWindow::~CTreeWindow() = default;

bool CTreeWindow::Create(Window* parent, const Rect& rect, uint32_t id) {
    return Window::Create(parent, rect, WS_CHILD | WS_VISIBLE, id, "Tree Window");
}

void CTreeWindow::AddIcons() {
    m_Tree.ClearIcons();
    for (const char* name : kIcons) m_Tree.AddIcon(std::string("gfx\\tree\\icons\\") + name + ".bmp");
}

int CTreeWindow::OnCreate() {
    const Rect c = ClientRect();
    if (m_Tabs.Create(this, Rect{0, 1, c.right, 26}, 1))
        for (int i = 0; i < 5; ++i) m_Tabs.InsertItem(i, m_Captions[static_cast<size_t>(i)]);
    m_Tree.SetBackground("gfx\\tree\\intro.bmp", true, "");
    AddIcons();
    m_Tree.m_crLine = kWhite;
    m_Tree.m_crSelectedText = 0;
    m_Tree.m_crSelectedBack = 0x80FFFF;
    m_Tree.m_crDisabled = kYellow;
    m_Tree.SetFont("Arial Narrow", 10, true, false, false);
    m_Tree.Create(Rect{0, 1, c.right, c.bottom}, this, 1);
    m_Tree.InsertItem(805, 0, nullptr, 0, kTreeKindRoot, kWhite);
    return 0;
}

void CTreeWindow::Refresh() {
    if (!m_Tree.IsAlive()) return;
    const Rect c = ClientRect();
    m_Tree.Move(Rect{0, 1, c.right, c.bottom}, true);
    m_Tree.Invalidate(false);
}

void CTreeWindow::OnSize(int cx, int cy) {
    Refresh();
    CXWnd::OnSize(cx, cy);
}

void CTreeWindow::OnKillFocus(Window* next) {
    CXWnd::OnKillFocus(next);
    m_Tree.HideTitleTip();
}

CTreeNode* CTreeWindow::InsertItem(const std::string& text, int icon, CTreeNode* parent, uintptr_t data,
                                   uint8_t kind) {
    return m_Tree.InsertItem(text, icon, parent, data, kind, kWhite);
}

namespace {

bool HoldsSelection(const CTreeNode* node) {
    for (const CTreeNode* c = node ? node->firstChild : nullptr; c; c = c->next)
        if ((c->data == g_nTreeSelectionData && c->kind == g_nTreeSelectionKind) || HoldsSelection(c)) return true;
    return false;
}

}  // namespace

void CTreeWindow::DeleteChildren(CTreeNode* node) {
    // A selection among the items that go would leave the pages reading a
    // record the tree no longer offers (a cup group's round read as a
    // division): it moves up to the item whose children go.
    const bool selectionGoes = g_nTreeSelectionData != 0 && HoldsSelection(node);
    m_Tree.SetRedraw(false);
    m_Tree.DeleteChildren(node);
    if (selectionGoes && node) {
        g_nTreeSelectionLevel = node->GetLevel();
        g_nTreeSelectionData = node->data;
        g_nTreeSelectionKind = node->kind;
        m_Tree.SelectItem(node->data, node->kind);
    }
    m_Tree.SetRedraw(true);
}

void CTreeWindow::FillTree(int kind) {
    Ui& ui = Ui::Get();
    ui.BeginWaitCursor();
    m_Tree.SetRedraw(false);
    m_Tree.Show(false);
    if (kind >= 0 && kind <= 5) {
        CTreeNode* root = m_Tree.GetRoot();
        if (root && root->firstChild) m_Tree.DeleteChildren(root);
        AddIcons();
        m_Tree.UpdateScrollBar(true);
        if (kind == 5) {
            FillWorld();
            m_nCurrentFill = 5;
        } else if (kind == 3) {
            m_nCurrentFill = 3;
        }
    }
    CTreeNode* root = m_Tree.GetRoot();
    g_nTreeSelectionLevel = 0;
    g_nTreeSelectionData = 0;
    g_nTreeSelectionKind = root ? root->kind : 255;
    m_Tree.SetRedraw(true);
    m_Tree.Show(true);
    m_Tree.Invalidate(false);
    ui.EndWaitCursor();
}

void CTreeWindow::FillWorld() {
    AddFederation(0, 784, 1);
    AddFederation(2, 1083, 8);
    AddFederation(3, 1084, 9);
    AddFederation(4, 1085, 10);
    AddFederation(5, 1086, 11);
}

void CTreeWindow::AddFederation(int federation, unsigned textId, int icon) {
    CWorldData* w = GetWorldData();
    CFederation* fed = w ? w->GetFederation(federation) : nullptr;
    if (!fed) return;
    CTreeNode* fedNode = m_Tree.InsertItem(textId, icon, m_Tree.GetRoot(), reinterpret_cast<uintptr_t>(fed), 0, kWhite);
    for (int i = 0; i < fed->GetCupCount(); ++i)
        if (CFederationCup* cup = fed->GetCup(i))
            m_Tree.InsertItem(cup->m_Name, 7, fedNode, reinterpret_cast<uintptr_t>(cup), kTreeKindCompetition, kWhite);
    const int human = HumanClub(w);
    for (int i = 0; i < fed->GetCountryCount(); ++i) {
        CCountry* country = w->GetCountry(static_cast<int>(fed->GetCountryIndex(i)));
        if (!country || country->GetDivisionCount() < 1 || country->GetFollowLevel() == kNotFollowed) continue;
        const int flag = m_Tree.AddIcon(std::string("gfx\\tree\\flags\\") + std::string(country->GetThirdName()) + ".bmp");
        CTreeNode* cNode = m_Tree.InsertItem(country->GetName(), flag, fedNode, reinterpret_cast<uintptr_t>(country), 0, kWhite);
        for (int d = 0; d < country->GetDivisionCount(); ++d) {
            CDivision* div = country->GetDivision(d);
            if (!div) continue;
            CTreeNode* dNode = m_Tree.InsertItem(div->GetName(), 3, cNode, reinterpret_cast<uintptr_t>(div), 0, kWhite);
            for (int k = 0; k < div->GetClubCount(); ++k) {
                const int index = div->GetFirstClub() + k;
                CClub* club = w->GetClub(index);
                if (!club) continue;
                CTreeNode* clubNode = m_Tree.InsertItem(club->GetName(), 4, dNode, reinterpret_cast<uintptr_t>(club), 0,
                                                        index == human ? kYellow : kWhite);
                if (club->GetPlayerId(0) != kEmptySlot) m_Tree.InsertItem("empty", 5, clubNode, 0, kTreeKindRoot, kWhite);
            }
        }
        for (auto& cup : country->GetCups())
            m_Tree.InsertItem(cup->m_Name, 6, cNode, reinterpret_cast<uintptr_t>(cup.get()), kTreeKindCompetition, kWhite);
        if (CCharityShield* shield = country->GetCharityShield())
            m_Tree.InsertItem(shield->m_Name, 6, cNode, reinterpret_cast<uintptr_t>(static_cast<CCup*>(shield)),
                              kTreeKindCompetition, kWhite);
        for (int p = 0; p < country->GetPlayOffs().GetSize(); ++p)
            if (CPlayOff* po = country->GetPlayOff(p))
                m_Tree.InsertItem(po->m_Name, 6, cNode, reinterpret_cast<uintptr_t>(static_cast<CCup*>(po)),
                                  kTreeKindCompetition, kWhite);
    }
}

void CTreeWindow::SetMode(int mode) {
    if (mode < 0 || mode > 6) return;
    m_nMode = mode;
    if (mode == 6) {
        m_Tree.Show(true);
        m_nCurrentFill = 6;
        g_nTreeSelectionLevel = 0;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionKind = 255;
        return;
    }
    const int fill = mode == 3 ? 3 : 5;
    if (m_nCurrentFill != fill) FillTree(fill);
    if (mode == 3) return;
    const uint8_t competitions = (mode == 2 || mode == 5) ? 1 : 0;
    const uint8_t divisions = mode == 2 ? 0 : 1;
    m_Tree.ShowWhere(0, kTreeKindCompetition, m_Tree.GetRoot(), competitions, 3, divisions);
    m_Tree.UpdateScrollBar(false);
    m_Tree.Invalidate(false);
}

CTreeNode* CTreeWindow::SelectItem(uintptr_t data, uint8_t kind) {
    CTreeNode* n = m_Tree.SelectItem(data, kind);
    if (n) {
        g_nTreeSelectionLevel = n->GetLevel();
        g_nTreeSelectionData = n->data;
        g_nTreeSelectionKind = n->kind;
    }
    return n;
}

bool CTreeWindow::SetItemColour(CTreeNode* node, uintptr_t data, uint8_t kind, uint32_t colour) {
    if (!node) {
        if (!data && !kind) return false;
        node = m_Tree.FindItem(data, kind);
    }
    if (!node) return false;
    node->colour = colour;
    return true;
}

void CTreeWindow::SetCompetitionsSelectable(uint8_t value) {
    m_Tree.SetSelectableWhere(m_Tree.GetRoot(), 0, kTreeKindCompetition, -1, value);
}

void CTreeWindow::SetRootExpanded(bool expanded) {
    if (CTreeNode* root = m_Tree.GetRoot()) root->expanded = expanded ? 1 : 0;
}

void CTreeWindow::ColourVacantClubs(uint32_t colour, bool reset) {
    CWorldData* w = GetWorldData();
    if (!w) return;
    const int clubs = w->GetClubList().GetSize();
    for (int i = 0; i + 2 < clubs; ++i) {
        CClub* club = w->GetClub(i);
        if (!club || club->HasManager()) continue;
        CTreeNode* n = m_Tree.FindItem(reinterpret_cast<uintptr_t>(club), 0);
        if (!n) continue;
        const uint32_t c = reset ? kWhite : colour;
        // The club, its division and its country: the levels below the federations.
        for (CTreeNode* p = n; p && p->GetLevel() >= 2; p = p->parent) p->colour = c;
    }
    m_Tree.Invalidate(false);
}

void CTreeWindow::Navigate(int operation, const std::string& text) {
    switch (operation) {
        case 0: m_Tree.SetCurrent(); break;
        case 1: m_Tree.SelectChildByText(text); break;
        case 2:
            if (m_Tree.IsAlive()) m_Tree.Invalidate(false);
            break;
        case 3: m_Tree.DeselectChildByText(text); break;
        default: break;
    }
}

bool CTreeWindow::SetCurrentTab(int index) {
    if (index < 0 || index > 4) return false;
    m_nCurrentTab = index;
    return true;
}

bool CTreeWindow::FillPopupMenu(Menu* menu, int) {
    if (!menu) return true;
    const int right = m_Tree.GetRightClickRow();
    if (MenuItem* it = menu->FindItem(kCmdToggleBackground))
        it->text = platform::LoadString(m_Tree.m_bShowPicture ? 374 : 375);
    if (MenuItem* it = menu->FindItem(kCmdToggleTree)) it->text = platform::LoadString(m_bTreeOnLeft ? 373 : 372);
    if (MenuItem* it = menu->FindItem(kCmdToggleShortcut)) {
        if (right == -2) it->text = platform::LoadString(23351);
        if (right == -1)
            it->flags |= MF_GRAYED;
        else
            it->flags &= ~MF_GRAYED;
    }
    return true;
}

bool CTreeWindow::OnCommand(uint32_t id, uint32_t code, Window* control) {
    switch (id) {
        case kCmdToggleTree:
            // The view moves the pane; it hears of it as the menu's command.
            m_bTreeOnLeft = m_bTreeOnLeft ? 0 : 1;
            if (Window* parent = Parent()) parent->Send(WM_COMMAND, MakeWParam(id, code), reinterpret_cast<intptr_t>(control));
            return true;
        case kCmdToggleBackground:
            m_Tree.m_bShowPicture = m_Tree.m_bShowPicture ? 0 : 1;
            m_Tree.Invalidate(false);
            return true;
        case kCmdToggleShortcut: m_Tree.ToggleShortcut(); return true;
        default: return false;
    }
}

intptr_t CTreeWindow::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    switch (msg) {
        case kMsgTreeSelected:
            PlaySample(7, 0);
            [[fallthrough]];
        case kMsgTreeExpanded:
        case kMsgTreeCollapsed:
            if (Window* parent = Parent()) return parent->Send(msg, w, l);
            return 0;
        case 0x5FE: return 0;
        default: return CXWnd::OnMessage(msg, w, l);
    }
}
