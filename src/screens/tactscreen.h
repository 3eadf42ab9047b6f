#pragma once
// The tactics editor (page 26): the user's formations in a list, the
// chosen one's outfield players moved on a 13 x 9 pitch grid (custom
// formations only), their run directions and individual instructions; and
// on the "Team Tactics" page the formation's team instructions and the
// set-piece roles. Every change goes straight into the human manager's
// formation list. Everything is composed on the page's own surfaces.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "shell/screensinfo.h"
#include "shell/surfacewidgets.h"

class CClub;
class CHumanManager;
class CPlayer;
class CSoccerTactic;

class CTactScreen : public CScreensInfo {
public:
    static constexpr int kScreen = 26;
    static constexpr int kPlayers = 10;
    static constexpr int kPlayerButtons = 28;
    static constexpr int kTeamButtons = 17;
    static constexpr uint32_t kTickTimer = 2, kRepeatTimer = 3;
    static constexpr int kTickMs = 55, kRepeatMs = 125;
    // The pitch grid.
    static constexpr int kPitchX = 282, kPitchY = 141, kCell = 22, kColumns = 13, kRows = 9;
    static constexpr int kKeeperX = 282, kKeeperY = 229;
    // The individual instruction tables of the human manager, by name.
    enum Instruction : int { kAggression = 0, kBias = 1, kPassing = 2 };
    // The set-piece roles in the order the human manager keeps them.
    enum SetPiece : int { kCaptain = 0, kAttackingFreeKick, kDefensiveFreeKick, kLeftCorner, kRightCorner };

    CTactScreen();
    ~CTactScreen() override;

    void Initialise() override;
    void Close() override;
    void OnTimerTick(uint32_t id) override;
    PageFactory GetPageFactory() const override;

    // What the page shows, for tests and screenshots.
    CClub* GetClub() const { return m_club; }
    int GetTab() const { return m_page; }
    int GetSelectedPlayer() const { return m_selectedPlayer; }
    bool IsDragging() const { return m_dragging != 0; }
    bool IsEditingName() const;
    const SurfaceTable& GetList() const { return m_list; }
    const SurfaceScrollBar& GetScrollBar() const { return m_bar; }
    const SurfaceButton& GetPlayerButton(int i) const { return m_playerButtons[size_t(i)]; }
    const SurfaceButton& GetTeamButton(int i) const { return m_teamButtons[size_t(i)]; }
    const platform::gfx::Surface* GetWork() const { return m_pWork.get(); }
    // The marker pictures: outfield player i's kit, the ring, arrow d (bit 1 << d).
    const platform::gfx::Surface* GetMarkerKit(int player) const { return m_pKits[size_t(player)].get(); }
    const platform::gfx::Surface* GetOutline() const { return m_pOutline.get(); }
    const platform::gfx::Surface* GetArrow(int d) const { return m_pArrows[size_t(d)].get(); }
    const platform::gfx::Surface* GetTick() const { return m_pTick.get(); }
    const platform::gfx::Surface* GetKeeperKit() const { return m_pKeeperKit.get(); }
    // The name line's texts: the selected player's name (or "Not assigned")
    // and the role of his cell.
    std::string GetSelectedName() const;
    std::string GetSelectedRole() const;
    // Where outfield marker i is drawn, and the screen rectangles of the
    // formation list's row r, a set-piece cell and a timetable-free point.
    platform::win::Point MarkerPlace(int player) const;
    platform::win::Rect ListRowRect(int row) const;
    static platform::win::Point SetPieceCell(int row, int column);
    // The role name of a cell; the player wearing a team-sheet number.
    std::string RoleName(int x, int y) const;
    CPlayer* PlayerWearing(int number) const;
    // The first and second run directions of outfield player i.
    int GetFirstDirection(int player) const { return m_firstDirection[size_t(player)]; }
    int GetSecondDirection(int player) const { return m_secondDirection[size_t(player)]; }
    // The masks that keep a cell's directions on the pitch.
    static int DirectionMask(int x, int y);
    // The team button pressed for a stored level.
    static int LevelButton(int value);

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    void OnChar(uint8_t ch, uint32_t repeatCount) override;

private:
    CHumanManager* User() const;
    CSoccerTactic* Current() const;
    int CurrentIndex() const;
    void BuildSurfaces();
    void BuildButtons();
    void FillList();
    void FillRatings();
    void ReadFormation();
    void SetPressedStates();
    int Instruction(int table, int player) const;
    void Press(platform::win::Point pt, bool doubleClick);
    void PressPitch(platform::win::Point pt, bool doubleClick);
    void PressList(platform::win::Point pt, bool doubleClick);
    bool PressPlayerButtons(platform::win::Point pt);
    bool PressTeamTactics(platform::win::Point pt);
    void ToggleDirection(int bit);
    void StoreDirections(int player);
    void Drop();
    int MarkerAt(int cellX, int cellY) const;
    void OpenPlayer(CPlayer* player);
    void Compose();
    void ComposeFormation();
    void ComposeTeamTactics();
    void DrawPitch();
    void DrawMarker(int player, int x, int y, bool outline);
    void Redraw(bool full);

    uint32_t m_timer = 0;
    uint32_t m_repeatTimer = 0;
    CClub* m_club = nullptr;
    int m_page = 0;
    int m_selectedPlayer = 0;
    int m_selectedMarker = 1;
    int m_dragging = 0;
    int m_dragX = 0, m_dragY = 0;
    int m_lastX = 0, m_lastY = 0;
    int m_editRow = -1;
    std::array<int, kPlayers> m_firstDirection{};
    std::array<int, kPlayers> m_secondDirection{};
    int m_teamAggression = 4, m_teamBias = 4, m_teamPassing = 4;
    uint8_t m_offsideTrap = 0, m_attackOnBreak = 0;
    std::array<std::string, 24> m_roleNames;

    SurfaceTable m_list;
    SurfaceScrollBar m_bar;
    std::array<SurfaceButton, kPlayerButtons> m_playerButtons;
    std::array<SurfaceButton, kTeamButtons> m_teamButtons;

    std::unique_ptr<platform::gfx::Surface> m_pWork;
    std::array<std::unique_ptr<platform::gfx::Surface>, 2> m_pBack;
    std::unique_ptr<platform::gfx::Surface> m_pKeeperKit;
    std::array<std::unique_ptr<platform::gfx::Surface>, kPlayers> m_pKits;
    std::unique_ptr<platform::gfx::Surface> m_pClubKit;
    std::unique_ptr<platform::gfx::Surface> m_pOutline, m_pTick;
    std::array<std::unique_ptr<platform::gfx::Surface>, 8> m_pArrows;
};

void RegisterTactScreen();
