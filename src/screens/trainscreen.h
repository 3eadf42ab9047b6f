#pragma once
// Training (page 35): the senior squad's weekly timetable filled by dragging
// session kinds onto the week, each player's split of his individual
// training over eight categories with locks, and the formation the squad
// practises with the set-piece ratings. The timetable is condensed into the
// club's training settings at every drop, so a day step taken from this
// page trains with what the page shows.
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

// The week's timetable as both training pages draw it: 5 days x 4 slots,
// index day x 4 + slot.
namespace timetable {
inline constexpr int kDays = 5, kSlots = 4, kCells = kDays * kSlots;
inline constexpr int kPictureW = 74, kPictureH = 22;
// The slot under a point of the page, -1 off the board. Each slot takes
// its drawn picture and half of each gap around it.
int SlotAt(int x, int y);
platform::win::Point CellPlace(int index);
// The heading, day names and session times.
void DrawFrame(CScreen& page, platform::gfx::Surface* surface);
// Each cell's session picture (a kind outside the pictures shows as kind
// 0), then the picture being dragged, if any, at (dragX, dragY).
void DrawCells(CScreen& page, platform::gfx::Surface* surface, const std::array<int32_t, kCells>* table,
               const std::unique_ptr<platform::gfx::Surface>* kinds, int kindCount, platform::gfx::Surface* dragged,
               int dragX, int dragY);
}  // namespace timetable

class CTrainScreen : public CScreensInfo {
public:
    static constexpr int kScreen = 35;
    static constexpr int kKinds = 8;
    static constexpr int kCategories = 8;
    static constexpr int kLocks = 6;
    static constexpr int kButtons = 29;
    static constexpr uint32_t kTickTimer = 2, kRepeatTimer = 3;
    static constexpr int kTickMs = 55, kRepeatMs = 125;
    enum Page : int { kSchedule = 0, kIndividual = 1, kTeam = 2 };

    // The club's training settings 1 to 8 and the four set-piece hours a
    // timetable gives. Kinds outside the table count as free time.
    struct Condensed {
        std::array<uint8_t, 8> settings{};
        std::array<uint8_t, 4> setPieceHours{};
    };
    static Condensed Condense(const std::array<int32_t, 20>& table);
    // The word for a set-piece rating.
    static std::string RatingWord(int rating);

    CTrainScreen();
    ~CTrainScreen() override;

    void Initialise() override;
    void Show() override {}
    void Close() override;
    void OnTimerTick(uint32_t id) override;
    bool GetToolTipText(int index, std::string& text) override;
    PageFactory GetPageFactory() const override;

    CClub* GetClub() const { return m_club; }
    int GetTab() const { return m_page; }
    int GetFilter() const { return m_filter; }
    int GetCurrentSlot() const { return m_currentSlot; }
    int GetShare(int category) const { return m_shares[size_t(category)]; }
    const std::array<int, kLocks>& GetLocks() const { return m_locks; }
    bool IsLocked(int category) const;
    int GetShownFormation() const { return m_formation; }
    const SurfaceTable& GetGrid() const { return m_grid; }
    const SurfaceScrollBar& GetGridBar() const { return m_gridBar; }
    const std::vector<int>& GetGridSlots() const { return m_gridSlots; }
    const SurfaceTable& GetFormations() const { return m_formations; }
    const SurfaceButton& GetButton(int i) const { return m_buttons[size_t(i)]; }
    bool IsDragging() const { return m_dragging != 0; }
    // Where the dragged picture's top-left corner is drawn.
    platform::win::Point GetDragCorner() const { return {m_mouseX - m_offsetX, m_mouseY - m_offsetY}; }
    // Where the Team Training pitch draws outfield player i (0..9) of the
    // shown formation.
    platform::win::Point PitchPlace(int player) const;
    // The shares' steps, as the arrows and locks make them.
    void ChangeShare(int category, bool up);
    void ToggleLock(int category);

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
    void BuildSurfaces();
    void BuildButtons();
    void FillGrid();
    void FillFormations();
    void LoadShares(int slot);
    void WriteShares();
    void WriteTimetable();
    void SetLockStates();
    void Press(platform::win::Point pt, bool doubleClick);
    void PressSchedule(platform::win::Point pt);
    void PressIndividual(platform::win::Point pt, bool doubleClick);
    void PressTeam(platform::win::Point pt, bool doubleClick);
    bool PressButton(platform::win::Point pt, bool repeat);
    void Compose();
    void ComposeSchedule();
    void ComposeIndividual();
    void ComposeTeam();
    void Redraw();

    uint32_t m_timer = 0;
    uint32_t m_repeatTimer = 0;
    int m_repeatKind = 0;  // 1 the formation bar, 2 the grid bar, 3 the arrow pressed
    int m_repeatButton = -1;
    CClub* m_club = nullptr;
    int m_page = kSchedule;
    int m_pressPage = kSchedule;
    int m_dragging = 0;
    int m_dragKind = 0;
    int m_offsetX = 0, m_offsetY = 0;
    int m_mouseX = 0, m_mouseY = 0;
    std::array<int, kCategories> m_shares{0, 0, 0, 0, 0, 0, 0, 100};
    std::array<int, kLocks> m_locks{};
    int m_filter = 0;
    int m_currentSlot = -1;
    int m_formation = 0;
    std::vector<int> m_gridSlots;

    SurfaceTable m_grid;
    SurfaceScrollBar m_gridBar;
    SurfaceTable m_formations;
    SurfaceScrollBar m_formationBar;
    std::array<SurfaceButton, kButtons> m_buttons;

    std::unique_ptr<platform::gfx::Surface> m_pWork;
    std::array<std::unique_ptr<platform::gfx::Surface>, 3> m_pBack;
    std::array<std::unique_ptr<platform::gfx::Surface>, kKinds> m_pKinds;
    std::unique_ptr<platform::gfx::Surface> m_pKeeperKit;
    std::array<std::unique_ptr<platform::gfx::Surface>, 10> m_pKits;
    std::unique_ptr<platform::gfx::Surface> m_pClubKit;
};

void RegisterTrainScreen();
