#pragma once
// The picture tool bar along the top of the main window. Its buttons are
// hot spots drawn from the toolbar archive: a strip showing every button
// in its normal look, and per button a highlighted, a disabled and, for
// the day and match buttons, an alternative picture. A press posts the
// button's command to the main window; a right click opens its section
// menu, the Back button's lists the screen history.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/surface.h"
#include "ui/xbitmap.h"
#include "ui/xwnd.h"

struct ToolBarButton {
    std::string highlighted, disabled, alternative;  // picture paths; an alternative of 0 or 1 character: none
    uint32_t command = 0;                             // a string id, whose text is the tool tip
    platform::win::Rect rect;                         // tool-bar coordinates
};

// The nineteen buttons of layout 0 (the sections) or 1 (the shortcuts).
std::vector<ToolBarButton> ToolBarLayout(int set);
inline constexpr const char* kToolBarStrips[2] = {"gfx\\toolbar\\toolbar.bmp", "gfx\\toolbar\\toolbar2.bmp"};

class CXToolBar : public CXWnd {
public:
    static constexpr int kMaxButtons = 19;
    static constexpr uint32_t kHistoryCommand = 0xF000;
    static constexpr int kBackMenu = 14;

    CXToolBar();
    ~CXToolBar() override;

    using platform::win::Window::Create;
    bool Create(platform::win::Window* parent, const platform::win::Rect& rect);
    void SetButtons(const std::string& strip, const ToolBarButton* records, int count);
    bool SetButtonState(int button, uint8_t state);
    void SetAllButtonStates(uint8_t state);
    bool GetButtonState(int button) const;
    uint8_t GetState(int button) const { return button >= 0 && button < kMaxButtons ? m_States[button] : 0; }
    int GetButtonCount() const { return m_nButtonCount; }
    bool IsHovered(int button) const { return button >= 0 && button < kMaxButtons && m_Hover[button]; }
    uint32_t GetCommand(int button) const { return button >= 0 && button < kMaxButtons ? m_Commands[button] : 0; }
    // What the button shows: its own pictures, or on a match day for 13
    // and 14 those of 17 and 18.
    int PictureOf(int button) const;

    bool OnHotSpotEnter(int index) override;
    bool OnHotSpotLeave(int index) override;
    std::string GetItemText(uint32_t id) override;
    bool GetToolTipText(int index, std::string& text) override;
    bool GetHotSpotMenu(int index, int* menuIndex) override;
    bool FillPopupMenu(platform::win::Menu* menu, int menuIndex) override;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;

private:
    void DrawButton(platform::gfx::Canvas& dc, int button);
    void ShowButton(int button);

    CXBitmap m_Background;
    platform::gfx::Surface m_Composition;
    std::array<CXBitmap, kMaxButtons> m_Highlighted, m_Alternative, m_Disabled;
    std::array<uint32_t, kMaxButtons> m_Commands;
    std::array<uint8_t, kMaxButtons> m_States{};
    int32_t m_nButtonCount = 0;
    uint8_t m_bCreated = 0;
    std::array<uint8_t, kMaxButtons> m_Hover{};
    std::array<std::string, kMaxButtons> m_Paths;
};
