#pragma once
// A one-line tip in the system's tool-tip colours, shown under a point;
// lists use it for cell texts that do not fit.
#include <string>

#include "platform/gfx/font.h"
#include "ui/xwnd.h"

class CXToolTip : public CXWnd {
public:
    virtual bool Create(platform::win::Window* owner);
    // Shows `text` under (x, y), screen coordinates.
    virtual void Show(int x, int y, const std::string& text);
    virtual void Hide();

    // Where a tip with a text of `extent` goes for the point (x, y).
    static platform::win::Rect TipRect(int x, int y, platform::win::Size extent);
    static platform::gfx::FontRef TipFont();
    const std::string& GetText() const { return m_strText; }

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnKillFocus(platform::win::Window* next) override;

private:
    void PassOn(uint32_t msg, uint32_t flags, platform::win::Point pt);
    void PassOnAt(uint32_t msg, uint32_t flags, platform::win::Point screen);

    platform::win::Window* m_pOwner = nullptr;
    std::string m_strText;
    platform::win::Rect m_Rect;
};
