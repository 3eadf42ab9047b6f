#pragma once
// The picture of a dragged item, carried over the page while the pointer
// moves. It keeps the pixels it hides and moves itself by copying, so the
// page under it never repaints.
#include "platform/gfx/surface.h"
#include "platform/window/window.h"

class CFlyingWindow : public platform::win::Window {
public:
    // The source draws the item (it is asked its rectangle first, an empty
    // answer meaning the whole source window). x != 0 centres the image on
    // (x, y), screen coordinates.
    bool Create(platform::win::Window* source, platform::win::Window* owner, int x, int y);
    // Moves the top-left corner to (x, y); false when it is already there.
    bool MoveTo(int x, int y);
    platform::win::Point Origin() const { return m_Origin; }
    const platform::gfx::Surface& Image() const { return m_Image; }

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;

private:
    void PassOn(uint32_t msg, uint32_t flags, platform::win::Point pt);
    // The main picture and where a screen point lies in it.
    platform::win::Picture* Screen(platform::win::Point* offset);

    platform::gfx::Surface m_Image, m_Background, m_Work;
    platform::win::Point m_Origin;
    platform::win::Window* m_pOwner = nullptr;
};
