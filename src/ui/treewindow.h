#pragma once
// The navigator pane: one tree filled from the world, switched by the mode
// the page asks for, with a small pop-up menu, and the tree's notices
// passed on to the view.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/tree.h"
#include "ui/xtabctrl.h"
#include "ui/xwnd.h"

// Commands of the tree's pop-up menu.
inline constexpr uint32_t kCmdToggleTree = 32771;
inline constexpr uint32_t kCmdToggleBackground = 32830;
inline constexpr uint32_t kCmdToggleShortcut = 32832;

class CTreeWindow : public CXWnd {
public:
    static constexpr int kFirstFlagIcon = 12;

    CTreeWindow();
    ~CTreeWindow() override;

    bool Create(platform::win::Window* parent, const platform::win::Rect& rect, uint32_t id);

    void FillTree(int kind);
    void SetMode(int mode);
    int GetCurrentFill() const { return m_nCurrentFill; }
    // The mode last set (-1 before any).
    int GetMode() const { return m_nMode; }
    CTreeNode* InsertItem(const std::string& text, int icon, CTreeNode* parent, uintptr_t data, uint8_t kind);
    void DeleteChildren(CTreeNode* node);
    CTreeNode* FindItem(uintptr_t data) const { return m_Tree.FindItem(data, 0); }
    uintptr_t GetParentData(uintptr_t data) const { return m_Tree.GetParentData(data); }
    CTreeNode* SelectItem(uintptr_t data, uint8_t kind);
    bool SetItemColour(CTreeNode* node, uintptr_t data, uint8_t kind, uint32_t colour);
    void SetCompetitionsSelectable(uint8_t value);
    void PruneCompetitions() { m_Tree.PruneExpanded(0, kTreeKindCompetition); }
    void SetRootExpanded(bool expanded);
    // What the view asks of the tree in use, applied from its root.
    void BringIntoView(CTreeNode* node) { m_Tree.BringIntoView(node); }
    void SetItemVisible(CTreeNode* node, bool visible) { m_Tree.SetItemVisible(node, visible); }
    void DisableItem(CTreeNode* node, uintptr_t data, uint8_t kind, bool following) {
        m_Tree.DisableItem(node, data, kind, following);
    }
    void SetDisabledByText(const std::string& text, uint8_t value) { m_Tree.SetDisabledByText(text, value); }
    void SetSelectableLevel(int level, uint8_t value, bool alsoAbove) {
        m_Tree.SetSelectableLevel(m_Tree.GetRoot(), level, value, alsoAbove);
    }
    void SetSelectableWhere(CTreeNode* start, uintptr_t data, uint8_t kind, int level, uint8_t value) {
        m_Tree.SetSelectableWhere(start, data, kind, level, value);
    }
    void ClearSelectable(bool alsoDisabled) { m_Tree.ClearSelectable(m_Tree.GetRoot(), alsoDisabled); }
    void ClearSelection() { m_Tree.ClearSelection(m_Tree.GetRoot()); }
    void SetExpandableWhere(uintptr_t data, uint8_t kind, int level, uint8_t value) {
        m_Tree.SetExpandableWhere(m_Tree.GetRoot(), data, kind, level, value);
    }
    void CollapseLevel(int level) { m_Tree.CollapseLevel(m_Tree.GetRoot(), level); }
    void SetExpandLimit(bool clicksEnabled, int level) { m_Tree.SetExpandLimit(clicksEnabled, level); }
    bool SetBackground(const std::string& path, bool tiled, const std::string& suffix) {
        return m_Tree.SetBackground(path, tiled, suffix);
    }
    void UpdateScrollBar(bool reset) { m_Tree.UpdateScrollBar(reset); }
    // 0 the root becomes current, 1 opens and selects its child of that
    // text, 2 repaints, 3 closes and selects it.
    void Navigate(int operation, const std::string& text);
    void ColourVacantClubs(uint32_t colour, bool reset);
    bool SetCurrentTab(int index);
    int GetCurrentTab() const { return m_nCurrentTab; }
    // The view's tree side, which the pop-up's first label names.
    void SetTreeOnLeft(bool left) { m_bTreeOnLeft = left ? 1 : 0; }
    CTree& GetTree() { return m_Tree; }
    CXTabCtrl& GetTabs() { return m_Tabs; }
    void HideTitleTip() { m_Tree.HideTitleTip(); }
    void SetPanelMode(int mode) { m_Tree.SetPanelMode(mode); }
    void RefreshTable(int mode) { m_Tree.RefreshTable(mode); }

    void Refresh() override;
    bool FillPopupMenu(platform::win::Menu* menu, int menuIndex) override;

protected:
    int OnCreate() override;
    void OnSize(int cx, int cy) override;
    void OnKillFocus(platform::win::Window* next) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    void AddIcons();
    void FillWorld();
    void AddFederation(int federation, unsigned textId, int icon);

    CXTabCtrl m_Tabs;
    CTree m_Tree;
    std::array<std::string, 5> m_Captions;
    int m_nCurrentTab = -1;
    int m_nTreeIndex = 0;
    int m_nCurrentFill = 0;
    int m_nMode = -1;
    uint8_t m_bTreeOnLeft = 0;
};
