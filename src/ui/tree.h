#pragma once
// The navigator tree: rows with connector lines, an expand box, an icon and
// a text, drawn into its own buffer. Nodes carry a model object (a pointer
// or an index) and a kind byte given by whoever inserts them; the tree
// knows nothing of the game. Shortcuts stand beside the root and lead to
// another node. The parent hears of selections, expansions and right
// clicks.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/gfx/surface.h"
#include "ui/titletip.h"
#include "ui/xbitmap.h"
#include "ui/xwnd.h"

// To the parent, w a TreeNotice* that lives for the call.
inline constexpr uint32_t kMsgTreeSelected = 0x5FF;
inline constexpr uint32_t kMsgTreeExpanded = 0x60E;
inline constexpr uint32_t kMsgTreeCollapsed = 0x60F;

inline constexpr uint8_t kTreeKindCompetition = 14;
inline constexpr uint8_t kTreeKindRoot = 255;

struct TreeNotice {
    std::string text;
    int level = 0;
    int depth = 0;
    int word = 0;  // 2 for the expand and collapse notices
    uintptr_t data = 0;
    int kind = 0;
};

class CTreeNode {
public:
    int GetLevel() const;
    // The next sibling that is shown, or null.
    CTreeNode* NextVisible() const;
    CTreeNode* FirstVisibleChild() const;
    bool HasVisibleChildren() const { return FirstVisibleChild() != nullptr; }

    std::string text;
    uintptr_t data = 0;
    uint8_t kind = 0;
    CTreeNode* next = nullptr;
    CTreeNode* prev = nullptr;
    CTreeNode* parent = nullptr;
    CTreeNode* firstChild = nullptr;
    CTreeNode* target = nullptr;
    uint8_t disabled = 0, expanded = 0, selected = 0, shortcut = 0, selectable = 0, visible = 1, expandable = 1;
    int32_t rowCount = 0;
    int32_t icon = 0;
    uint32_t colour = 0xFFFFFF;
};

class CTree : public CXWnd {
public:
    static constexpr int kRowsFit = 28;
    static constexpr int kPage = 10;
    static constexpr int kMaxRows = 100;
    static constexpr uint32_t kTitleTipTimer = 1;
    static constexpr uint32_t kTitleTipMs = 50;

    struct Row {
        CTreeNode* node = nullptr;
        platform::win::Rect rect;
    };

    CTree();
    ~CTree() override;

    using platform::win::Window::Create;
    bool Create(const platform::win::Rect& rect, platform::win::Window* parent, uint32_t id);
    CTreeNode* InsertItem(const std::string& text, int icon, CTreeNode* parent, uintptr_t data, uint8_t kind,
                          uint32_t colour = 0xFFFFFF);
    CTreeNode* InsertItem(unsigned stringId, int icon, CTreeNode* parent, uintptr_t data, uint8_t kind,
                          uint32_t colour = 0xFFFFFF);
    void SetFont(const std::string& face, int height, bool bold, bool italic, bool underline);
    bool SetBackground(const std::string& path, bool tiled, const std::string& suffix);
    int AddIcon(const std::string& path);
    void ClearIcons();

    CTreeNode* FindItem(uintptr_t data, uint8_t kind) const;
    uintptr_t GetParentData(uintptr_t data) const;
    CTreeNode* SelectItem(uintptr_t data, uint8_t kind);
    void DisableItem(CTreeNode* node, uintptr_t data, uint8_t kind, bool following);
    void DeleteChildren(CTreeNode* node);
    // Deletes the whole tree, shortcuts included.
    void DeleteAll();
    void PruneExpanded(uintptr_t data, uint8_t kind);
    void SetExpandLimit(bool clicksEnabled, int level);
    void SetSelectableLevel(CTreeNode* start, int level, uint8_t value, bool alsoAbove);
    void ClearSelectable(CTreeNode* start, bool alsoDisabled);
    void SetSelectableWhere(CTreeNode* start, uintptr_t data, uint8_t kind, int level, uint8_t value);
    void SetExpandableWhere(CTreeNode* start, uintptr_t data, uint8_t kind, int level, uint8_t value);
    void CollapseLevel(CTreeNode* start, int level);
    void SetDisabledByText(const std::string& text, uint8_t value);
    void ShowWhere(uintptr_t data, uint8_t kind, CTreeNode* start, uint8_t show, int level, uint8_t showOthers);
    void SetItemVisible(CTreeNode* node, bool visible);
    void ToggleShortcut();
    void ClearSelection(CTreeNode* node);
    void UpdateScrollBar(bool reset);
    void HideTitleTip();
    // Brings an expanded node's children into view; a null node does nothing.
    void BringIntoView(CTreeNode* node);
    // A walk down by texts: the root first, then a child of the current node
    // found by its text, opened (or closed) and selected; it becomes current.
    void SetCurrent();
    CTreeNode* SelectChildByText(const std::string& text);
    CTreeNode* DeselectChildByText(const std::string& text);
    CTreeNode* GetCurrent() const { return m_pCurrent; }

    std::string GetItemText(uint32_t row) override;
    platform::gfx::FontRef GetItemFont() override;
    void OnHotSpotClick(int index) override;

    CTreeNode* GetRoot() const { return m_pRoot; }
    CTreeNode* GetTopRow() const { return m_pTopRow; }
    int GetScrollIndex() const { return m_nScrollIndex; }
    int GetTotalRows() const { return m_nTotalRows; }
    int GetRowsDrawn() const { return m_nRows; }
    const Row& GetRow(int i) const { return m_Rows[static_cast<size_t>(i)]; }
    int GetSelectionDepth() const { return m_nSelectionDepth; }
    int GetExpandLimit() const { return m_nExpandLimit; }
    int GetRightClickRow() const { return m_nRightClickRow; }
    CTreeNode* GetRightClickShortcut() const { return m_pRightClickShortcut; }
    CTreeNode* GetHotSpotNode(int index) const;
    int GetTitleTipRow() const { return m_nTitleTipRow; }
    platform::win::Rect GetTitleTipRect() const { return m_TitleTipRect; }
    bool IsTitleTipShown() const { return m_bTitleTipShown != 0; }
    const CTitleTip* GetTitleTip() const { return m_pTitleTip.get(); }
    // Counts what the rows would show now.
    int CountTotal();
    // Repaints into the buffer now (a paint without the window).
    void PaintBuffer();
    const platform::gfx::Surface& GetBuffer() const { return m_Buffer; }

    // The information panels painted while the tree is switched off.
    struct TableRow {
        std::string name;
        int played = -1;
        int points = -1;
        int club = -1;
    };
    static constexpr int kTableRows = 30;
    void SetPanelMode(int mode) { m_nPanelMode = mode; }
    int GetPanelMode() const { return m_nPanelMode; }
    // The background picture last asked for, and whether it is tiled.
    const std::string& GetBackgroundPath() const { return m_strBackgroundPath; }
    bool IsBackgroundTiled() const { return m_bTiled != 0; }
    const std::string& GetPanelSuffix() const { return m_strPanelSuffix; }
    void RefreshTable(int mode);
    bool IsTableCacheValid() const { return m_bCacheValid != 0; }
    int GetTableCacheDay() const { return m_nCacheDay; }
    int GetTableCacheBuilds() const { return m_nCacheBuilds; }
    const TableRow& GetTableCacheRow(int i) const { return m_Cache[static_cast<size_t>(i)]; }
    // Where the table's first row and each next one are drawn, for a division of `clubs`.
    static int TableRowTop(int row, int clubs);
    const std::string& GetLoadedFlag() const { return m_strFlagLoaded; }
    int GetPanelRowsDrawn() const { return m_nPanelRows; }

    uint32_t m_crLine = 0x000000;
    uint32_t m_crSelectedText = 0x000000;
    uint32_t m_crSelectedBack = 0x80FFFF;
    uint32_t m_crDisabled = 0x00FFFF;
    uint32_t m_crBackground = 0xC0C0C0;
    uint8_t m_bShowPicture = 1;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnTimer(uint32_t id) override;
    void OnKillFocus(platform::win::Window* next) override;
    void OnScroll(bool vertical, uint32_t code, int pos, platform::win::Window* bar) override;
    void OnSize(int cx, int cy) override;

private:
    template <class F>
    static void Walk(CTreeNode* start, F&& f);  // a node, its children, its following siblings
    int RowsUnder(CTreeNode* node, bool evenClosed);
    CTreeNode* NextRow(CTreeNode* node) const;
    CTreeNode* PrevRow(CTreeNode* node) const;
    void ScrollDown(int rows);
    void ScrollUp(int rows);
    void ScrollTo(int index);
    CTreeNode* ChildByText(const std::string& text, bool expand);
    void ToggleSelect(CTreeNode* node, int row);
    void GoToTarget(CTreeNode* shortcut);
    void ExpandAncestors(CTreeNode* node);
    void Notify(uint32_t msg, CTreeNode* node);
    int RowAt(platform::win::Point pt) const;
    void DeleteSubtree(CTreeNode* node, std::vector<CTreeNode*>& gone);
    void ForgetDeleted(const std::vector<CTreeNode*>& gone);
    void MakeFont();
    void DrawRows(platform::gfx::Canvas& dc);
    void DrawRow(platform::gfx::Canvas& dc, CTreeNode* node, int top, int rowHeight);
    void Repaint();
    void DrawPanel(platform::gfx::Canvas& dc);
    void DrawTable(platform::gfx::Canvas& dc);
    void DrawClubCard(platform::gfx::Canvas& dc, bool withMatch);
    void PanelText(platform::gfx::Canvas& dc, const platform::gfx::FontRef& font, uint32_t colour, unsigned align,
                   int x, int y, const std::string& text);
    platform::gfx::FontRef PanelFont(bool bold, int points);
    const CXBitmap* IconOf(const CTreeNode* n) const;
    int IndentOf(const CTreeNode* n) const;

    CTreeNode* m_pRoot = nullptr;
    CTreeNode* m_pTopRow = nullptr;
    CTreeNode* m_pCurrent = nullptr;
    int m_nScrollIndex = 0;
    std::vector<std::unique_ptr<CXBitmap>> m_Icons;
    CXBitmap m_Expandable, m_Expanded, m_ShortcutBox;
    std::array<Row, kMaxRows> m_Rows{};
    int m_nRows = 0;
    std::array<CTreeNode*, kMaxHotSpots> m_SpotNodes{};
    int m_nTotalRows = 0;
    platform::gfx::LogFont m_LogFont;
    int m_nFontHeight = 8;
    platform::gfx::FontRef m_pFont;
    uint8_t m_bFontDirty = 1;
    int m_nTextHeight = 0;
    CXBitmap m_Background;
    uint8_t m_bTiled = 0;
    platform::gfx::Surface m_Buffer;
    int m_nSelectionDepth = 0;
    int m_nExpandLimit = -1;
    uint8_t m_bClicksEnabled = 1;
    int m_nRightClickRow = -1;
    CTreeNode* m_pRightClickShortcut = nullptr;
    int m_nTitleTipRow = -1;
    uint8_t m_bTitleTipShown = 0;
    uint8_t m_bTitleTipTimer = 0;
    platform::win::Rect m_TitleTipRect;
    // Made on first need; a pop-up over the page, never a child of the tree.
    std::unique_ptr<CTitleTip> m_pTitleTip;
    std::string m_strPanelSuffix;
    std::string m_strBackgroundPath;
    int m_nPanelMode = 0;
    std::array<TableRow, kTableRows> m_Cache{};
    uint8_t m_bCacheValid = 0;
    int m_nCacheDay = -1;
    int m_nCacheBuilds = 0;
    CXBitmap m_TableBack, m_TableRow, m_Flag;
    std::string m_strFlagLoaded;
    int m_nPanelRows = 0;
};

// The name of the current manager's opponent today (found by club index);
// false when he has no match.
bool TodaysOpponent(std::string& out);
