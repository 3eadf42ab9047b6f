#pragma once
// The base of every custom-drawn window that hit-tests: pages, the tool bar,
// lists, the tree and the tool-tip window. It keeps up to 35 rectangular hot
// spots and turns the mouse into enter/leave, click, press and drag-and-drop
// calls, picks the cursor, and opens the right-button menu.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gfx/font.h"
#include "platform/window/window.h"
#include "ui/xmessages.h"

class CFlyingWindow;
class CListControl;
class CXMenu;
class CXToolTip;
namespace platform::win {
class ToolTipTiming;
struct Menu;
}

class CHotSpot {
public:
    static constexpr int kMaxSources = 50;

    CHotSpot(const platform::win::Rect& rect, uint32_t flags, uint32_t id) : m_dwFlags(flags), m_Rect(rect), m_nId(id) {}
    virtual ~CHotSpot() = default;

    const platform::win::Rect& GetRect() const { return m_Rect; }
    bool Contains(platform::win::Point p) const { return m_Rect.Contains(p); }
    uint32_t m_dwFlags;
    uint32_t Id() const { return m_nId; }
    // True when `source` is among the accepted drag sources.
    bool AcceptsDragFrom(const platform::win::Window* source) const;
    // Adds a source to the first free entry; false when all 50 are taken.
    bool AddAcceptedSource(const platform::win::Window* source);

private:
    platform::win::Rect m_Rect;
    uint32_t m_nId;
    std::array<platform::win::WindowHandle, kMaxSources> m_Sources{};
};

// What OnDrop is told.
struct DropInfo {
    platform::win::Window* source = nullptr;
    platform::win::Window* target = nullptr;
    int32_t sourceId = -1;
    int32_t targetId = -1;
    uint32_t itemAndRow = 0;  // low word: the source's item, high word: the target's row
};

// Hot-spot flags.
inline constexpr uint32_t kSpotDragSource = 0x1;
inline constexpr uint32_t kSpotDropTarget = 0x2;
inline constexpr uint32_t kSpotPress = 0x4;
inline constexpr uint32_t kSpotHover = 0x8;
inline constexpr uint32_t kSpotToolTip = 0x10;
inline constexpr uint32_t kSpotClick = 0x400000;

// Set when the application comes back to the front; a page's next paint
// takes the focus and clears it.
extern int g_bFocusRequest;

class CXWnd : public platform::win::Window {
public:
    static constexpr int kMaxHotSpots = 35;
    static constexpr int kCursorCount = 11;

    CXWnd();
    ~CXWnd() override;

    bool CreateChild(const platform::win::Rect& rect, platform::win::Window* parent);
    void SetMenuIndex(int index) { m_nMenuIndex = index; }
    int GetMenuIndex() const { return m_nMenuIndex; }

    int AddHotSpot(const platform::win::Rect& rect, uint32_t flags, uint32_t id);
    bool RemoveHotSpot(int index);
    void RemoveAllHotSpots();
    bool GetHotSpotRect(int index, platform::win::Rect* rect) const;
    int FindHotSpot(const platform::win::Rect& rect, uint32_t id) const;
    int HotSpotFromPoint(const platform::win::Point* pt) const;
    int HotSpotFromId(uint32_t id) const;
    CHotSpot* GetHotSpot(int index) const;
    bool IsDropTargetAt(int x, int y) const;
    void SetHoverIndex(const int* index);
    static int GetHotSpotKind(const uint32_t* flags);

    int GetHoverIndex() const { return m_nHoverIndex; }
    int GetPressedIndex() const { return m_nPressedIndex; }
    int GetDragSourceId() const { return m_nDragSourceId; }
    bool IsDragging() const { return m_bDragging != 0; }
    int GetCursorState() const { return m_nCursorState; }
    int GetToolTipIndex() const { return m_nToolTipIndex; }

    // Overridables.
    virtual void Refresh() {}
    virtual bool OnHotSpotEnter(int index);
    virtual bool OnHotSpotLeave(int index);
    virtual std::string GetItemText(uint32_t id);
    virtual platform::gfx::FontRef GetItemFont();
    virtual bool GetToolTipText(int index, std::string& text);
    virtual bool GetHotSpotMenu(int index, int* menuIndex);
    virtual bool FillPopupMenu(platform::win::Menu* menu, int menuIndex);
    virtual void OnHotSpotClick(int /*index*/) {}
    virtual void OnHotSpotPressed(int /*index*/) {}
    virtual void OnDrop(const DropInfo* /*info*/) {}

    // The tool under a point for the tool-tip window: the spot's index, or -1.
    int ToolHitTest(platform::win::Point pt, platform::win::Rect* toolRect);

    // The hot-spot tool tip shown now, or null.
    CXToolTip* GetShownToolTip() const;
    static constexpr uint32_t kToolTipDelayMs = 500;  // the layer's initial tip delay

    // The layer's cursor id of a cursor state (0 the arrow).
    static int CursorOf(int state);

protected:
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnSize(int cx, int cy) override;
    bool OnEraseBackground(const platform::win::PaintContext&) override { return true; }
    void OnKillFocus(platform::win::Window* next) override;
    void OnActivateApp(bool active) override;
    void OnDestroy() override;

    void SetCursorState(int state);

private:
    void EndDrag();
    void TrackToolTip(platform::win::Point pt);
    void HideToolTip();
    bool ShowSpotToolTip(int index);
    void FlyBack();
    void SetDragOverList(CListControl* list);

    std::array<std::unique_ptr<CHotSpot>, kMaxHotSpots> m_HotSpots;
    int m_nMenuIndex = -1;
    int m_nDragSourceId = -1;
    int m_nPressedIndex = -1;
    int m_nToolTipIndex = -1;
    uint8_t m_bDragging = 0;
    std::unique_ptr<CFlyingWindow> m_pDragImage;
    platform::win::Point m_LastDragPos;
    platform::win::Point m_PressPoint;
    int m_nHoverIndex = -1;
    int m_nCursorState = 0;
    uint8_t m_bToolTips = 0;
    std::unique_ptr<CXToolTip> m_pToolTip;
    platform::win::WindowHandle m_hDragOverList = 0;
    std::unique_ptr<platform::win::ToolTipTiming> m_pToolTipTiming;  // the layer's, as the framework's tips
};
