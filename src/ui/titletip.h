#pragma once
// The pop-up that shows the whole text of an item that does not fit its
// place (the navigator tree's long names): the owner's item text over the
// item, in the tool-tip colours. Presses on it go on to the owner.
#include <cstdint>

#include "platform/gfx/font.h"
#include "ui/xwnd.h"

class CTitleTip : public CXWnd {
public:
    // Keeps the owner and makes the tip, hidden and of no size.
    virtual bool Create(CXWnd* owner);
    // Shows the owner's text of item `index` over `screenRect`, without
    // taking the activation.
    virtual void Show(const platform::win::Rect& screenRect, int index);
    virtual void Hide();

    int GetItemIndex() const { return m_nItemIndex; }
    CXWnd* GetOwnerWnd() const;
    // The face the tip draws in when its owner names none.
    static platform::gfx::FontRef DefaultFont();

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnKillFocus(platform::win::Window* next) override;

private:
    void PassOn(uint32_t msg, uint32_t flags, platform::win::Point pt);

    // By handle, so a tip that outlives its owner finds nothing rather
    // than a dead window.
    platform::win::WindowHandle m_hOwner = 0;
    int m_nItemIndex = -1;
    int m_nSecondIndex = -1;
};
