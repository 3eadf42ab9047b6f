#pragma once
// The about box (dialog 100): the program's title with its version and one
// OK button.
#include "platform/window/button.h"
#include "platform/window/dialog.h"

class CAboutDlg : public platform::win::Dialog {
public:
    static constexpr platform::win::Size kSize{300, 120};
    int DoModal(platform::win::Window* owner);
    platform::win::Button& OkButton() { return m_ok; }

protected:
    bool OnInitDialog() override;
    void OnPaint(const platform::win::PaintContext& pc) override;

private:
    platform::win::Button m_ok;
};
