#pragma once
// Team selection (page 4): the user gives shirt numbers to his squad by
// dragging shirts and names on a table, parks a shirt in a holding area
// while he looks elsewhere, and sees the eleven and the bench on a pitch.
// Everything is composed on the page's own surfaces. Another club chosen
// in the tree is shown read-only.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/screensinfo.h"
#include "shell/surfacewidgets.h"

class CClub;
class CHumanManager;
class CPlayer;

class CSquadSelectScreen : public CScreensInfo {
public:
    static constexpr int kScreen = 4;
    static constexpr int kColumns = 13;
    static constexpr int kShirts = 16;  // so at most 5 substitutes
    static constexpr int kNoNumber = 50;
    static constexpr uint32_t kTickTimer = 2, kRepeatTimer = 3;
    static constexpr int kTickMs = 55, kRepeatMs = 125;
    // The table and the areas the page hit-tests.
    static constexpr int kTableX = 90, kTableTop = 164, kTableWidth = 458, kTableHeight = 276, kRowHeight = 23;
    static constexpr int kHeaderTop = 141;
    // A row's shirt sits in the middle of the number column.
    static constexpr int kShirtInset = 8;
    // The plate a dragged name is drawn on.
    static constexpr int kMinPlateWidth = 60, kMaxPlateWidth = 160;
    static constexpr int kHeldX = 38, kHeldY = 400;
    static constexpr platform::win::Rect kHoldingArea{25, 389, 71, 437};
    // Drags.
    enum DragKind : int { kDragNone = 0, kDragShirt = 1, kDragName = 2, kDragHeld = 3 };

    struct Row {
        int number = kNoNumber;
        int slot = -1;
        std::array<std::string, kColumns> cells;
        SurfaceRgb colour;
    };

    CSquadSelectScreen();
    ~CSquadSelectScreen() override;

    void Initialise() override;
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    void OnTimerTick(uint32_t id) override;
    void Print(platform::gfx::Canvas* dc, PrintInfo* info) override;
    void GetHeadings(std::string& title, std::string& heading1, std::string& heading2,
                     std::string& heading3) override;
    PageFactory GetPageFactory() const override;

    // What the page shows, for tests and the screenshots.
    CClub* GetClub() const { return m_club; }
    bool IsReadOnly() const { return m_readOnly != 0; }
    int GetTab() const { return m_page; }
    int GetFilter() const { return m_filter; }
    int GetSubstitutes() const { return m_substitutes; }
    const std::vector<Row>& GetRows() const { return m_rows; }
    int GetHeldNumber() const { return m_heldNumber; }
    int GetHeldSlot() const { return m_heldSlot; }
    int GetDragKind() const { return m_dragging ? m_dragKind : kDragNone; }
    const SurfaceTable& GetTable() const { return m_table; }
    const SurfaceScrollBar& GetScrollBar() const { return m_bar; }
    const platform::gfx::Surface* GetWork() const { return m_pWork.get(); }
    int GetRedraws() const { return m_nRedraws; }
    // The table row drawn at a point of the page, -1 where there is none.
    int RowAt(int x, int y) const;
    const platform::gfx::Surface* GetNamePlate() const { return m_pNamePlate.get(); }
    // The injury or suspension icon of table row `index`, null for none.
    const platform::gfx::Surface* GetRowIcon(int index) const { return RowIcon(m_rows[size_t(index)]); }
    // The shirt drawn for `number` (1..16), null when there is none.
    const platform::gfx::Surface* GetKit(int number) const {
        return number >= 1 && number <= kShirts ? m_pKits[size_t(number - 1)].get() : nullptr;
    }
    // Where the Formation tab puts the kit of shirt `number` (1..16), and
    // the name it writes under it (empty for a number nobody wears).
    platform::win::Point FormationPlace(int number) const;
    std::string FormationName(int number) const;
    // The name as the tab writes it, fitted to the room beside its
    // neighbours.
    std::string FormationLabel(int number) const;
    static constexpr int kPitchNameWidth = 62, kBenchNameWidth = 74;
    // The name the Squad tab writes on table row `index`, fitted to its
    // column, and shorter on a row whose injury or suspension icon ends
    // the column.
    std::string ShownName(int index) const;
    static constexpr int kIconWidth = 22;
    static constexpr int kTitleWidth = 490;  // from x 32, short of the club kit at 524
    int TextWidth(int font, const std::string& text) const;
    // A name fitted to `width` pixels: it gives up its initials first,
    // then its last letters.
    std::string FitName(int font, std::string name, int width) const;
    // The number the page gives squad slot `slot` (0 none).
    int NumberOfSlot(int slot) const;
    // Numbers left free are given to available players without one; the
    // pass repeats while it gives numbers out.
    static void CompleteNumbering(CClub& club, CHumanManager& user, int substitutes);

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    CHumanManager* User() const;
    CPlayer* PlayerOfSlot(int slot) const;
    void SetClub(CClub* club);
    void BuildSurfaces();
    void BuildKits();
    void FillTable();
    void WriteCells();
    void Press(platform::win::Point pt, bool doubleClick);
    void PressTable(platform::win::Point pt, bool doubleClick);
    void Drop(platform::win::Point pt);
    void DropShirt(int target, bool overHoldingArea);
    void DropName(int target);
    void DropHeld(int target);
    // After an accepted drop the parked shirt stays with whoever wears it.
    void FollowHeldShirt();
    void StartNameDrag(const Row& row);
    void Compose();
    void ComposeSquadTab();
    void ComposeFormationTab();
    void DrawKit(int number, int x, int y);
    // Whether the row's number is shown by its shirt rather than as text.
    bool ShowsShirt(const Row& row) const;
    platform::gfx::Surface* RowIcon(const Row& row) const;
    // Composes and shows the whole page or only the area drags change.
    void Redraw(bool full);

    uint32_t m_timer = 0;
    uint32_t m_repeatTimer = 0;
    CClub* m_club = nullptr;
    int m_readOnly = 1;
    int m_page = 0;
    int m_filter = 0;
    int m_filledSlots = 0;
    int m_substitutes = 0;
    int m_dragging = 0;
    int m_dragKind = kDragNone;
    int m_dragSlot = -1;
    int m_dragNumber = 0;
    int m_dragRow = -1;
    int m_dragX = 0, m_dragY = 0;
    int m_heldNumber = 0;
    int m_heldSlot = -1;
    int m_nRedraws = 0;
    uint8_t m_bNoClub = 0;

    std::vector<Row> m_rows;
    SurfaceTable m_table;
    SurfaceScrollBar m_bar;
    std::array<SurfaceButton, 5> m_filters;

    std::unique_ptr<platform::gfx::Surface> m_pWork;
    std::array<std::unique_ptr<platform::gfx::Surface>, 2> m_pBack;
    std::unique_ptr<platform::gfx::Surface> m_pNamePlate;
    std::array<std::unique_ptr<platform::gfx::Surface>, kShirts> m_pKits;
    std::array<std::unique_ptr<platform::gfx::Surface>, 24> m_pInjury;
    std::array<std::unique_ptr<platform::gfx::Surface>, 24> m_pSuspension;
    std::unique_ptr<platform::gfx::Surface> m_pClubKit;
};

void RegisterSquadSelectScreen();
