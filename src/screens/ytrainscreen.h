#pragma once
// Youth training (pages 80 and 94): the youth squad's weekly timetable on
// the same board as the senior schedule, with six kinds of its own. Every
// drop writes the club's youth training hours at once.
#include <array>
#include <cstdint>
#include <memory>

#include "shell/screensinfo.h"

class CClub;
class CHumanManager;

class CYTrainScreen : public CScreensInfo {
public:
    static constexpr int kKinds = 6;
    static constexpr uint32_t kTickTimer = 2, kRepeatTimer = 3;
    static constexpr int kTickMs = 55;

    // The youth training hours a timetable gives: two for every session
    // that is not free time (unknown kinds count as free time).
    static int YouthHours(const std::array<int32_t, 20>& table);

    CYTrainScreen();
    ~CYTrainScreen() override;

    void Initialise() override;
    void Show() override {}
    void Close() override;
    void OnTimerTick(uint32_t id) override;
    bool GetToolTipText(int index, std::string& text) override;
    PageFactory GetPageFactory() const override;

    CClub* GetClub() const { return m_club; }
    int GetScreen() const { return m_nScreen; }
    bool IsDragging() const { return m_dragging != 0; }

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    CHumanManager* User() const;
    void WriteHours();
    void Redraw();

    int m_nScreen = 80;
    uint32_t m_timer = 0;
    CClub* m_club = nullptr;
    int m_dragging = 0;
    int m_dragKind = 0;
    int m_offsetX = 0, m_offsetY = 0;
    int m_mouseX = 0, m_mouseY = 0;
    std::unique_ptr<platform::gfx::Surface> m_pWork;
    std::unique_ptr<platform::gfx::Surface> m_pBack;
    std::array<std::unique_ptr<platform::gfx::Surface>, kKinds> m_pKinds;
    std::unique_ptr<platform::gfx::Surface> m_pClubKit;
};

void RegisterYTrainScreen();
