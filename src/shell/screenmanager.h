#pragma once
// The screen manager: the child of the view that holds the one page on
// display and the screen history. Every change of page goes through
// SetScreen, which owns the page from then on.
#include <cstdint>

#include "shell/history.h"
#include "shell/screenglobals.h"
#include "ui/xwnd.h"

class CBrixholmView;
class CMatchPlay;
class CScreen;

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
// The match-day page is made with the match engine; its page file
// registers the maker.
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
    // The match-day page for the engine's match (page 64 over "65.bmp"),
    // full page and out of the history; false without a maker.
    bool StartMatchScreen(CMatchPlay* engine);

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

    CBrixholmView* GetView() const;

protected:
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnPaint(const platform::win::PaintContext& pc) override;

private:
    void DropCurrentPage();
    // Sets g_nScreenId, makes a page of the class and installs it.
    void OpenPage(PageClass kind, int screen, bool record, bool enableToolBar);
    void OnToolboxCommand(uint32_t id);
    // Back as the tool box does it; true when a page was shown.
    bool Back();

    CScreen* m_pCurrent = nullptr;
    CHistory m_History;
    uint8_t m_bOffHistory = 0;
};
