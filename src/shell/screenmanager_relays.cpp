// The screen manager's relays: pages reach the navigator tree and the tool
// bar only through it, by a call or by one of the private messages.
#include "platform/trace.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "ui/xmessages.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

constexpr int kDeepestTreeLevel = 5;

std::string TextOrEmpty(intptr_t l) { return l ? std::string(reinterpret_cast<const char*>(l)) : std::string(); }

}  // namespace

CTreeWindow* CScreenManager::GetTreeWindow() const {
    CBrixholmView* view = GetView();
    CTreeWindow* tree = view ? view->GetTreeWindow() : nullptr;
    return tree && tree->IsAlive() ? tree : nullptr;
}

void CScreenManager::SetTreeLevelValue(int depth, int value, int extra) {
    if (CTreeWindow* t = GetTreeWindow()) t->SetSelectableLevel(depth, static_cast<uint8_t>(value), extra != 0);
}

void CScreenManager::CollapseTree() {
    // The root stays open.
    if (CTreeWindow* t = GetTreeWindow())
        for (int level = 1; level <= kDeepestTreeLevel; ++level) t->CollapseLevel(level);
}

void CScreenManager::SetTreeListValue(uint32_t value, int flag) {
    if (CTreeWindow* t = GetTreeWindow()) t->ColourVacantClubs(value, flag != 0);
}

bool CScreenManager::SetTreeNodeColour(CTreeNode* node, uintptr_t data, int kind, uint32_t colour) {
    CTreeWindow* t = GetTreeWindow();
    return t && t->SetItemColour(node, data, static_cast<uint8_t>(kind), colour);
}

CTreeNode* CScreenManager::FindTreeNodeByRecord(uintptr_t record, int value) {
    CTreeWindow* t = GetTreeWindow();
    return t ? t->GetTree().FindItem(record, static_cast<uint8_t>(value)) : nullptr;
}

void CScreenManager::MarkTreeItems(uintptr_t data, int kind, int level, int value) {
    if (CTreeWindow* t = GetTreeWindow())
        t->SetExpandableWhere(data, static_cast<uint8_t>(kind), level, static_cast<uint8_t>(value));
}

void CScreenManager::ClearTreeMarks() {
    if (CTreeWindow* t = GetTreeWindow()) t->PruneCompetitions();
}

void CScreenManager::SetTreeMarkLevel(int depth) {
    if (CTreeWindow* t = GetTreeWindow()) t->CollapseLevel(depth);
}

void CScreenManager::SetTreeContent(int operation, const std::string& text) {
    if (CTreeWindow* t = GetTreeWindow()) t->Navigate(operation, text);
}

void CScreenManager::DeleteTreeChildren(CTreeNode* node) {
    CTreeWindow* t = GetTreeWindow();
    if (!t) return;
    t->SetRedraw(false);
    t->DeleteChildren(node);
    t->SetRedraw(true);
}

CTreeNode* CScreenManager::InsertTreeItem(const std::string& text, int icon, CTreeNode* parent, uintptr_t data,
                                          int kind) {
    CTreeWindow* t = GetTreeWindow();
    return t ? t->InsertItem(text, icon, parent, data, static_cast<uint8_t>(kind)) : nullptr;
}

CTreeNode* CScreenManager::FindTreeItem(uintptr_t data) {
    CTreeWindow* t = GetTreeWindow();
    return t ? t->FindItem(data) : nullptr;
}

uintptr_t CScreenManager::GetTreeParentData(uintptr_t data, int kind) {
    if (!data && !kind) {
        platform::Trace("CScreenManager::GetTreeParentData - no data and no kind\n");
        return 0;
    }
    CTreeNode* node = FindTreeNodeByRecord(data, kind);
    return node && node->parent ? node->parent->data : 0;
}

bool CScreenManager::SelectTreeNode(CTreeNode* node) {
    return node && SelectTreeItem(node->data, node->kind);
}

bool CScreenManager::SelectTreeItem(uintptr_t data, int kind) {
    if (!data && !kind) {
        platform::Trace("CScreenManager::SelectTreeItem - no data and no kind\n");
        return false;
    }
    CTreeWindow* t = GetTreeWindow();
    return t && t->SelectItem(data, static_cast<uint8_t>(kind)) != nullptr;
}

void CScreenManager::SetTreeItemsValue(CTreeNode* start, uintptr_t data, int kind, int level, int value) {
    if (CTreeWindow* t = GetTreeWindow())
        t->SetSelectableWhere(start ? start : t->GetTree().GetRoot(), data, static_cast<uint8_t>(kind), level,
                              static_cast<uint8_t>(value));
}

void CScreenManager::SetAllTreeItemsValue(int value) {
    if (CTreeWindow* t = GetTreeWindow()) t->SetCompetitionsSelectable(static_cast<uint8_t>(value));
}

void CScreenManager::ExpandTreeItem(CTreeNode* node, bool chain) {
    CTreeWindow* t = GetTreeWindow();
    if (!t || !node) return;
    node->expanded = 1;
    if (chain)
        for (CTreeNode* n = node->firstChild; n; n = n->firstChild) n->expanded = 1;
    t->UpdateScrollBar(false);
    t->BringIntoView(node);
}

void CScreenManager::ExpandTreeItem(uintptr_t data, int kind, bool chain) {
    ExpandTreeItem(FindTreeNodeByRecord(data, kind), chain);
}

bool CScreenManager::MarkTreeNode(const std::string& picture, bool tiled, const std::string& suffix) {
    CTreeWindow* t = GetTreeWindow();
    return t && t->SetBackground(picture, tiled, suffix);
}

void CScreenManager::RedrawTree() {
    CTreeWindow* t = GetTreeWindow();
    if (!t) return;
    t->SetRedraw(true);
    t->Invalidate(false);
    t->GetTree().Invalidate(false);
    t->UpdateNow();
}

void CScreenManager::SetToolBarSet(int set) {
    if (Window* parent = Parent()) parent->Send(ui::kMsgButtonSet, static_cast<uintptr_t>(set), 0);
}

void CScreenManager::OnTreeSelect(const TreeNotice* item) {
    if (m_pCurrent) m_pCurrent->OnTreeSelect(item);
}

void CScreenManager::OnTreeNotify1(const TreeNotice* item) {
    if (m_pCurrent) m_pCurrent->OnTreeNotify1(item);
}

void CScreenManager::OnTreeNotify2(const TreeNotice* item) {
    if (m_pCurrent) m_pCurrent->OnTreeNotify2(item);
}

intptr_t CScreenManager::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    Window* parent = Parent();
    switch (msg) {
        case ui::kMsgButtonState:
        case ui::kMsgAllButtons:
        case ui::kMsgTreeColour:
        case ui::kMsgButtonSet:
            if (!parent) {
                platform::Trace("CScreenManager: no view for a tool-bar or tree message\n");
                return 0;
            }
            return parent->Send(msg, w, l);
        case ui::kMsgTreeExpandLimit:
            if (CTreeWindow* t = GetTreeWindow()) t->SetExpandLimit(w != 0, static_cast<int>(l));
            return 1;
        case ui::kMsgTreeNavigate:
            SetTreeContent(static_cast<int>(w), TextOrEmpty(l));
            return 1;
        case ui::kMsgTreeSelectable:
            SetTreeLevelValue(static_cast<int>(w), 1, 0);
            return 1;
        case ui::kMsgTreeBackground:
            MarkTreeNode(TextOrEmpty(static_cast<intptr_t>(w)), l != 0, "");
            return 1;
        case ui::kMsgTreeItemVisible:
            if (CTreeWindow* t = GetTreeWindow()) t->SetItemVisible(reinterpret_cast<CTreeNode*>(w), l != 0);
            return 1;
        default:
            return CXWnd::OnMessage(msg, w, l);
    }
}
