#pragma once
// A vertical scroll bar drawn from three pictures over the page: arrows
// with auto-repeat, paging on the track and a thumb to drag. It tells its
// notification window through WM_VSCROLL.
#include <cstdint>
#include <string>

#include "platform/window/notify.h"
#include "platform/window/window.h"
#include "ui/xbitmap.h"

// The window layer's scroll codes, one set for every scroll bar.
using platform::win::SB_LINEDOWN;
using platform::win::SB_LINEUP;
using platform::win::SB_PAGEDOWN;
using platform::win::SB_PAGEUP;
using platform::win::SB_THUMBPOSITION;
using platform::win::SB_THUMBTRACK;

class CXScroll : public platform::win::Window {
public:
    static constexpr uint32_t kRepeatTimer = 1;
    static constexpr uint32_t kRepeatMs = 300;

    bool Create(const std::string& name, uint32_t style, const platform::win::Rect& rect,
                platform::win::Window* parent, uint32_t id, const char* up, const char* down, const char* thumb,
                platform::win::Window* notify = nullptr);
    // Returns the thumb before it is capped at the track's end.
    int SetScrollInfo(int minimum, int maximum, int position, int page, int trackPosition);
    void SetPos(int pos) { m_nPos = pos; }
    int GetPos() const { return m_nPos; }
    int GetMin() const { return m_nMin; }
    int GetMax() const { return m_nMax; }
    int GetPage() const { return m_nPage; }
    int GetTrackPos() const { return m_nTrackPos; }
    int GetThumb() const { return m_nThumb; }
    int GetArrowHeight() const { return m_nArrowHeight; }
    double GetPixelsPerStep() const { return m_dPixelsPerStep; }
    void EnableBar(bool enable);
    bool IsBarEnabled() const { return m_bEnabled != 0; }
    void Redraw();

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    bool OnEraseBackground(const platform::win::PaintContext&) override { return true; }
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnTimer(uint32_t id) override;

private:
    int ThumbFor(int position) const;
    void Notify(uint32_t code);
    void LineUp();
    void LineDown();
    void Layout();
    bool Under(platform::win::Point pt);
    // Draws into the page's work buffer; with `pc`, also shows it.
    void DrawBar(const platform::win::PaintContext* pc);
    int TrackEnd() const { return m_nClientHeight - 2 * m_nArrowHeight; }

    platform::win::Window* m_pNotify = nullptr;
    CXBitmap m_Up, m_Down, m_Thumb;
    int m_nMin = 0, m_nMax = 0, m_nPage = 0, m_nPos = 0, m_nTrackPos = 0;
    int m_nThumb = 0;
    int m_nArrowWidth = 0, m_nArrowHeight = 0;
    double m_dPixelsPerStep = 0;
    uint8_t m_bDragging = 0;
    platform::win::Point m_LastPoint{-1, -1};
    int m_nPressX = 0, m_nDragRef = 0;
    uint8_t m_bUpPressed = 0, m_bDownPressed = 0;
    platform::win::Rect m_UpRect, m_DownRect, m_ThumbRect;
    int m_nClientHeight = 0, m_nClientRight = 0;
    uint8_t m_bEnabled = 1;
    uint32_t m_nTimer = 0;
};
