#include "shell/aboutbox.h"

#include "platform/gfx/colour.h"
#include "platform/stringtable.h"
#include "platform/window/services.h"

using namespace platform::win;

int CAboutDlg::DoModal(Window* owner) {
    return Dialog::DoModal(owner, kSize, "About " + platform::LoadString(843));
}

bool CAboutDlg::OnInitDialog() {
    Rect c = ClientRect();
    return m_ok.CreateButton(platform::LoadString(64002), WS_VISIBLE | BS_DEFPUSHBUTTON,
                             Rect::XYWH(c.right - 85, c.bottom - 35, 75, 23), this, 1);
}

void CAboutDlg::OnPaint(const PaintContext& pc) {
    Dialog::OnPaint(pc);
    const uint32_t black = platform::gfx::MakePixel(0, 0, 0);
    PaintText(pc, {20, 35, 280, 55}, platform::LoadString(843), black);
    PaintText(pc, {20, 55, 280, 75}, platform::LoadString(64001), black);
}
