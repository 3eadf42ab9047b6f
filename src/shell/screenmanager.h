#pragma once
// The screen manager: the child of the view that holds the one page on
// display and the screen history. Every change of page goes through
// SetScreen, which owns the page from then on.
#include <cstdint>
#include <string>

#include "shell/history.h"
#include "shell/pageparams.h"
#include "shell/screenglobals.h"
#include "ui/xwnd.h"

class CBrixholmView;
class CListControl;
class CMatchPlay;
class CScreen;
class CTreeNode;
class CTreeWindow;
struct TreeNotice;

// The page classes the shell opens; the page files register a factory for
// each at start-up (the shell never includes them). Without one, a plain
// table-built page stands in.
enum class PageClass : int {
    Title, Manager, Squad, Youth, Player, Finance, Fixture, Info, News, Discipline, Option, SquadSelect, Tact,
    Train, YTrain, Kit, Stats, Graph, ManProf, Stadium, High, Count
};
void RegisterPageFactory(PageClass kind, PageFactory factory);
PageFactory GetPageFactory(PageClass kind);
// A new page of the class for g_nScreenId.
CScreen* MakePage(PageClass kind);
// The match-day page for a match the engine plays; the match-day page
// class registers it. Without one a table-built page stands in.
using MatchPageFactory = CScreen* (*)(CMatchPlay* engine);
void RegisterMatchPageFactory(MatchPageFactory factory);

class CScreenManager : public CXWnd {
public:
    CScreenManager();
    ~CScreenManager() override;

    using platform::win::Window::Create;
    bool Create(platform::win::Window* parent, const platform::win::Rect& rect);

    // Installs `page` (g_nScreenId set by the caller), closing the old one.
    bool SetScreen(CScreen* page, bool create, bool addToHistory, bool fullPage, bool enableToolBar,
                   bool fromHistory);
    void ShowHistoryEntry(int index);
    bool GoBack(int n);
    // The pages model code waits on: 23, 60, 62, 116 and the command 32778.
    void OpenScreenById(int id, intptr_t a, intptr_t b, intptr_t c, intptr_t d);
    // Whether `id` is a command the manager handles (the view forwards those).
    static bool HandlesCommand(uint32_t id);

    // A new game: the world reset under the progress page, then the
    // new-game page (91).
    void StartNewGame();
    // The progress page (114) with its caption, text and flag; returned so
    // the caller can step it (null when its class gives no progress).
    ProgressPage* ShowProgressScreen(int caption, const std::string& text, uint8_t flag);
    // The progress page while it is on display, else null.
    ProgressPage* GetProgressPage() const;
    // The match-day page (64) for the engine's match.
    void StartMatchScreen(CMatchPlay* engine);
    // The match summary (16) of one match of the day.
    void ShowMatchSummary(int first, const std::string& text, int a, int b, int c, const CMatchTime& date, int d,
                          int last);

    // The Job Centre's (38) selected row: its data (0 none) and index (-1).
    intptr_t GetJobCentreSelection(int screen) const;
    int GetJobCentreRow(int screen) const;
    // The Referee Tables' (87) selected referee: the first list's, else the
    // second's; 0 none.
    intptr_t GetRefereeSelection(int screen) const;

    // --- relays to the tree window (through the view); more below ---
    CTreeWindow* GetTreeWindow() const;
    void SetTreeLevelValue(int depth, int value, int extra);
    void CollapseTree();
    void SetTreeListValue(uint32_t value, int flag);
    void ColourVacantClubs(uint32_t colour, int mode) { SetTreeListValue(colour, mode); }
    bool SetTreeNodeColour(CTreeNode* node, uintptr_t data, int kind, uint32_t colour);
    CTreeNode* FindTreeNodeByRecord(uintptr_t record, int value);
    void MarkTreeItems(uintptr_t data, int kind, int level, int value);
    void ClearTreeMarks();
    void SetTreeMarkLevel(int depth);
    void SetTreeContent(int operation, const std::string& text = "");
    void DeleteTreeChildren(CTreeNode* node);
    CTreeNode* InsertTreeItem(const std::string& text, int icon, CTreeNode* parent, uintptr_t data, int kind);
    CTreeNode* FindTreeItem(uintptr_t data);
    uintptr_t GetTreeParentData(uintptr_t data, int kind);
    bool SelectTreeNode(CTreeNode* node);
    bool SelectTreeItem(uintptr_t data, int kind);
    void SetTreeItemsValue(CTreeNode* start, uintptr_t data, int kind, int level, int value);
    void SetAllTreeItemsValue(int value);
    // Marks the node expanded (with `chain`, its first children's chain
    // too) and brings it into view.
    void ExpandTreeItem(CTreeNode* node, bool chain);
    void ExpandTreeItem(uintptr_t data, int kind, bool chain);
    bool MarkTreeNode(const std::string& picture, bool tiled, const std::string& suffix);
    void RedrawTree();

    // --- relays to the tool bar ---
    void SetToolBarSet(int set);

    // The tree's notices, for the page on display.
    void OnTreeSelect(const TreeNotice* item);
    void OnTreeNotify1(const TreeNotice* item);
    void OnTreeNotify2(const TreeNotice* item);

    CScreen* GetCurrentPage() const { return m_pCurrent; }
    CHistory& GetHistory() { return m_History; }
    const CHistory& GetHistory() const { return m_History; }
    uint8_t IsOffHistory() const { return m_bOffHistory; }

    void MarkHistoryEntry(intptr_t value, uint8_t sub) { m_History.MarkCurrentEntry(value, sub); }
    void SetHistoryFixture(const CMatchTime& time) { m_History.SetCurrentFixture(time); }
    void SetHistoryState(const HistoryState& state) { m_History.SetCurrentState(state); }
    void ClearHistory() { m_History.ClearAll(); }
    // Removes a person's entries (or a whole list's); true when the page on
    // display was among them and is to be shown again.
    bool RemoveHistoryEntries(const HistoryState& person, bool wholeList = false);

    static int GetCommandForScreen(int screenId);

    // Tree relays: each reaches the tree window of the view (nothing without one).
    void SetTreeMode(int mode);
    // Refills the tree and goes back to mode 0; the panels' table follows
    // the day when `value` is not 0 (0: an empty world).
    void RefreshTree(int value);
    void SetTreeTabData(int value);
    void SetTreeRootFlag(int value);
    // Limits the tree to `depth`, lays the background (picture, tiled, colour
    // suffix) and, for `data`, selects that node and brings it into view;
    // `flag` leaves it collapsed.
    void ShowTreeBranch(int depth, const std::string& picture, bool tiled, const std::string& suffix,
                        uintptr_t data, int flag);
    // Whether the tool bar's buttons are enabled (pages open menus only then).
    bool IsToolBarFlagSet() const;

    CBrixholmView* GetView() const;

protected:
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnPaint(const platform::win::PaintContext& pc) override;

private:
    void DropCurrentPage();
    // Sets g_nScreenId, makes a page of the class (given the values) and
    // installs it.
    void OpenPage(PageClass kind, int screen, bool record, bool enableToolBar, const PageParams& params = {});
    void OnToolboxCommand(uint32_t id);
    // Back as the tool box does it; true when a page was shown.
    bool Back();
    // The person actions of the pop-up menus.
    void OnPersonCommand(uint32_t id);
    void ReleasePlayer();
    void LoanPlayer();
    void BuyPlayer();
    void ScoutPlayer();
    void SackEmployee();
    void RenewPlayerContract();
    void OfferEmployeeContract();
    void ToggleTransferList();
    // Save, help, and making the game move on.
    void SaveGame();
    void ShowHelp();
    void MoveHalfWeekAhead();
    void SkipToNextMatchDate();
    // The first user slot whose team must be made ready before the day is
    // played; -1 when every team is ready. `needsMatch` counts only teams
    // that play on the clock's date.
    int FindUnreadyUser(bool needsMatch);
    void OpenTeamSelectionFor();
    // The list of the page on display (0 or 1), when it is a table page.
    CListControl* GetPageList(int index) const;

    CScreen* m_pCurrent = nullptr;
    CHistory m_History;
    uint8_t m_bOffHistory = 0;
};
