#pragma once
// The base of every game page: a page whose widgets come from the screen
// tables. BuildScreen takes them from pools the page carries, by its page
// number's rows, and gives the page its caption, background and colour.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "shell/screen.h"
#include "shell/screentables.h"
#include "ui/listcontrol.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"
#include "ui/xstatic.h"

// A row that makes no widget of its own or a button: its pictures, id,
// rectangle and flags, and the pool button it made (-1 none).
struct ControlRecord {
    std::array<std::string, 3> bitmaps;
    uint32_t id = 0;
    platform::win::Rect rect;
    uint32_t flags = 0;
    int button = -1;
};

class CScreensInfo : public CScreen {
public:
    static constexpr int kButtons = 60;
    static constexpr int kRecords = 1000;
    static constexpr int kLabels = 500;
    static constexpr int kLists = 8;
    static constexpr int kEdits = 20;
    static constexpr float kVersion = 5.27f;

    // Records g_nScreenId as the page being built.
    CScreensInfo();
    ~CScreensInfo() override;

    // Builds page `page`'s widgets from the tables (after Create).
    void BuildScreen(int page);
    // The widgets of control rows, in order (BuildScreen's work, open to tests).
    void BuildRows(const screentables::ControlRow* rows, int count);
    // A label made in code from the first pool label not in use; null when
    // all are. Fonts: 0 "Haettenschweiler", 1 "Arial Narrow", 2 "Arial
    // Black", 3 "Times New Roman", 4 "MS Sans Serif", 5 "Courier New",
    // 6 "Arial" (the newspaper's plain face).
    CXStatic* AddStatic(int left, int top, int right, int bottom, int points, platform::gfx::ColourRef colour,
                        bool bold, bool italic, bool underline, uint32_t labelStyle, const std::string& text,
                        int fontChoice);

    // Sets a printed page up in tenths of a millimetre with y upwards and
    // prints the four heading lines from `left`; the caller draws the rest and
    // then calls RestoreDC(-1).
    static void BeginPrintedPage(platform::gfx::Canvas* dc, const std::string (&lines)[4], int left);

    // A page whose subject no longer exists: every list hidden, every button
    // disabled, and 735 "No Data Available" across the page. Null when no
    // label was free.
    CXStatic* ShowNoDataAvailable();
    bool ShowsNoData() const { return m_pNoData != nullptr; }

    // The tree as the page wants it; pages without a tree tab leave it.
    virtual void SetUpTree(int page);
    // Remembers the item as the tree selection; pages call this first.
    void OnTreeSelect(const TreeNotice* item) override;

    PageFactory GetPageFactory() const override;

    // The right-click menu of page (or person code) `page` at a point of the
    // page; `person` (a list row's data word, 0 for none) overrides the row
    // under the point. Opens only while the tool bar is enabled and for a
    // page with a menu group; the chosen command goes to the screen manager
    // and is returned (0 when none).
    uint32_t ShowContextMenu(int page, int x, int y, uintptr_t person);
    // The row of the page's first or second list at a point, -1 elsewhere;
    // and that row's data word, 0 elsewhere.
    int HitTestListRow(int x, int y);
    uintptr_t GetListRowData(int x, int y);
    // Gives button `user` the name of that user's manager; a slot without a
    // manager keeps its text.
    void AddManagerNameLabels(int x, int y, int user, int captionId = 0);
    // The eight manager slots of Manager Selection: faces and names.
    void AddManagerSlots();

    // The id recorded by the last page constructed.
    static int GetCreatedScreenId();

    int GetButtonCount() const { return m_nButtons; }
    int GetRecordCount() const { return m_nRecords; }
    int GetLabelCount() const { return m_nLabels; }
    int GetListCount() const { return m_nLists; }
    int GetEditCount() const { return m_nEdits; }
    CXButton& GetButton(int i) { return m_Buttons[static_cast<size_t>(i)]; }
    const ControlRecord& GetRecord(int i) const { return m_Records[static_cast<size_t>(i)]; }
    CXStatic& GetLabel(int i) { return m_Labels[static_cast<size_t>(i)]; }
    CListControl& GetList(int i) { return m_ListBoxes[static_cast<size_t>(i)]; }
    CXEdit& GetEdit(int i) { return m_EditBoxes[static_cast<size_t>(i)]; }

private:

    std::array<CXButton, kButtons> m_Buttons;
    std::array<ControlRecord, kRecords> m_Records;
    std::array<CXStatic, kLabels> m_Labels;
    std::array<CListControl, kLists> m_ListBoxes;
    std::array<CXEdit, kEdits> m_EditBoxes;
    CXStatic* m_pNoData = nullptr;
    int m_nButtons = 0, m_nRecords = 0, m_nLabels = 0, m_nLists = 0, m_nEdits = 0;
};
