#include <string>

#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "ui/treewindow.h"
#include "ui/xtoolbar.h"

namespace {

CTreeWindow* RelayTree(const CScreenManager& manager) {
    CBrixholmView* view = manager.GetView();
    return view ? view->GetTreeWindow() : nullptr;
}

}  // namespace

void CScreenManager::SetTreeMode(int mode) {
    if (CTreeWindow* tree = RelayTree(*this)) tree->SetMode(mode);
}

void CScreenManager::RefreshTree(int value) {
    CTreeWindow* tree = RelayTree(*this);
    if (!tree) return;
    tree->FillTree(5);
    tree->SetMode(0);
    tree->RefreshTable(value != 0 ? 1 : 0);
}

void CScreenManager::SetTreeTabData(int value) {
    if (CTreeWindow* tree = RelayTree(*this)) tree->SetPanelMode(value);
}

void CScreenManager::SetTreeRootFlag(int value) {
    if (CTreeWindow* tree = RelayTree(*this)) tree->SetRootExpanded(value != 0);
}

void CScreenManager::ShowTreeBranch(int depth, const std::string& picture, bool tiled, const std::string& suffix,
                                    uintptr_t data, int flag) {
    CTreeWindow* tree = RelayTree(*this);
    if (!tree) return;
    tree->ClearSelectable(true);
    tree->SetRootExpanded(true);
    tree->SetExpandLimit(true, depth);
    tree->SetSelectableLevel(depth, 1, false);
    tree->SetBackground(picture, tiled, suffix);
    if (data == 0) {
        tree->Navigate(2, "");
        return;
    }
    CTreeNode* node = tree->FindItem(data);
    if (!node) return;
    g_nTreeSelectionLevel = node->GetLevel();
    g_nTreeSelectionData = node->data;
    g_nTreeSelectionKind = node->kind;
    tree->Navigate(0, "");
    tree->SelectItem(node->data, node->kind);
    tree->SetSelectableLevel(depth, 1, flag != 0);
    node->expanded = node->GetLevel() < depth && (flag & 0xFF) == 0 && node->expandable == 1 ? 1 : 0;
    node->visible = 1;
    tree->UpdateScrollBar(false);
    tree->Navigate(2, "");
    tree->BringIntoView(node);
}

bool CScreenManager::IsToolBarFlagSet() const {
    CBrixholmView* view = GetView();
    CXToolBar* bar = view ? view->GetToolBar() : nullptr;
    return bar && bar->GetState(0) != 0;
}
