#pragma once
// The tab control of the tree window: an 8-point font, right clicks passed
// to the parent in its coordinates, and a change of tab reported to the
// tree window.
#include "platform/window/commonctrls.h"

class CTreeWindow;

class CXTabCtrl : public platform::win::TabCtrl {
public:
    bool Create(platform::win::Window* parent, const platform::win::Rect& rect, uint32_t id);

protected:
    bool OnSelChange() override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
};
