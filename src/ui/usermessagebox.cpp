#include "ui/usermessagebox.h"

#include <algorithm>
#include <cstdio>

#include "platform/gfx/canvas.h"
#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "soccerclasses/person.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::Font;
using platform::gfx::RGB;

namespace {

constexpr unsigned kWrap = platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX;
constexpr int kPageLimit = 206;  // a help page measures less than this

platform::gfx::FontRef TextFont() { return Font::Create("Arial Black", 20, 600); }
platform::gfx::FontRef MessageFont() { return Font::Create("AriBlk", 20, 400); }
platform::gfx::FontRef HelpFont() { return Font::Create("AriBlk", 18, 600); }
platform::gfx::FontRef ButtonFont() { return Font::Create("Arial Narrow", 20, 600); }
platform::gfx::FontRef HelpButtonFont() { return Font::Create("SSerife", 24, 600, true); }

int MeasureHeight(const platform::gfx::FontRef& f, const std::string& text, int width) {
    platform::gfx::Surface scratch(1, 1);
    Canvas c(scratch);
    c.SelectFont(f);
    Rect r{0, 0, width, 0};
    c.DrawText(text, r, kWrap | platform::gfx::DT_CALCRECT);
    return r.Height();
}

void DrawLabel(Canvas& dc, const platform::gfx::FontRef& f, const std::string& text, Rect r, bool pressed, int lift) {
    if (pressed) r = r.Offset(2, 2);
    dc.SelectFont(f);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(platform::gfx::TA_CENTER);
    const int y = r.top + r.Height() / 2 - f->Metrics().height / 2 - lift;
    const int x = r.left + r.Width() / 2;
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(x + 1, y, text);
    dc.SetTextColor(pressed ? RGB(128, 128, 128) : RGB(255, 255, 255));
    dc.TextOut(x, y, text);
    dc.SetTextAlign(platform::gfx::TA_LEFT);
}

}  // namespace

CUserMessageBoxDlg::CUserMessageBoxDlg(std::string text) : m_strText(std::move(text)) {
    m_bHadBusyCursor = Ui::Get().Started() && (Ui::Get().CurrentCursor() == 1 || Ui::Get().WaitCursorShown());
}

CUserMessageBoxDlg::~CUserMessageBoxDlg() {
    Ui& ui = Ui::Get();
    if (!ui.Started()) return;
    if (Window* main = ui.MainWindow()) {
        main->Invalidate(true);
        main->UpdateNow();
    }
    if (m_bHadBusyCursor) ui.SetCursor(1);
}

int CUserMessageBoxDlg::Run() {
    if (!Ui::Get().Started()) return -1;
    return DoModal(Ui::Get().MainWindow(), {kWidth, kHeight});
}

bool CUserMessageBoxDlg::OnInitDialog() {
    SetButtons();
    LayoutText();
    LoadBitmaps();
    Ui::Get().SetCursor(0);
    Invalidate(true);
    std::fill(m_Pressed.begin(), m_Pressed.end(), 0);
    return true;
}

void CUserMessageBoxDlg::LayoutText() {
    const int h = MeasureHeight(TextFont(), m_strText, m_bHasPicture ? 278 : 443);
    if (!m_bHasPicture) {
        m_TextRect = {32, 25, 476, 215};
    } else {
        int top = 61, bottom = 178;
        if (h > 117) {
            const int d = (h - 117) / 2;
            top = std::max(36, 61 - d);
            bottom = std::min(233, 178 + d);
        }
        m_TextRect = {194, top, 470, bottom};
    }
    m_ShadowRect = m_TextRect.Offset(1, 1);
}

void CUserMessageBoxDlg::LoadBitmaps() {
    m_strBackground = m_bHasPicture ? "gfx\\messagebox\\message_box_pic.bmp" : "gfx\\messagebox\\message_box_text.bmp";
    m_Background.Load(m_strBackground);
    const bool four = m_ButtonRects.size() == 4;
    m_Up.resize(m_ButtonRects.size());
    for (auto& b : m_Up) b.Load(four ? "gfx\\messagebox\\4button.bmp" : "gfx\\messagebox\\button.bmp");
    if (m_nTrophy != -1) {
        char path[64];
        std::snprintf(path, sizeof path, m_bDivisionTrophy ? "gfx\\trophies\\division\\trophy%02d.bmp"
                                                           : "gfx\\trophies\\cup\\trophy%02d.bmp",
                      m_nTrophy);
        m_Picture.Load(path);
    }
}

int CUserMessageBoxDlg::ButtonAt(Point pt) const {
    for (size_t i = 0; i < m_ButtonRects.size(); ++i)
        if (m_ButtonRects[i].Contains(pt)) return static_cast<int>(i);
    return -1;
}

void CUserMessageBoxDlg::DrawBackground(Canvas& dc) {
    if (!m_Background.IsLoaded()) {
        dc.FillSolidRect(ClientRect(), RGB(20, 30, 70));
        return;
    }
    const Rect c = ClientRect();
    const int bw = m_Background.GetWidth(), bh = m_Background.GetHeight();
    for (int row = 0; row <= c.Height() / bh; ++row)
        for (int col = 0; col <= c.Width() / bw; ++col) m_Background.Draw(dc, col * bw, row * bh);
}

void CUserMessageBoxDlg::DrawButtons(Canvas& dc) {
    for (size_t i = 0; i < m_ButtonRects.size(); ++i) {
        const Rect& r = m_ButtonRects[i];
        const int d = m_Pressed[i] ? 2 : 0;
        if (i < m_Up.size()) m_Up[i].DrawTransparent(dc, r.left + d, r.top + d, platform::gfx::kKeyColourRef);
        DrawLabel(dc, ButtonFont(), m_Labels[i], r, m_Pressed[i] != 0, 0);
    }
}

void CUserMessageBoxDlg::DrawMessage(Canvas& dc) {
    const std::string text = ShownText();
    if (text.empty()) return;
    auto f = MessageFont();
    dc.SelectFont(f);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(platform::gfx::TA_LEFT);
    // A little above the middle of the area, as the boxes always sat.
    const int h = MeasureHeight(f, text, m_ShadowRect.Width());
    const int shift = m_ShadowRect.Height() / 2 - h;
    if (shift > 0) {
        m_TextRect.top += shift;
        m_TextRect.bottom -= shift;
        m_ShadowRect.top += shift;
        m_ShadowRect.bottom -= shift;
    }
    Rect s = m_ShadowRect, t = m_TextRect;
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(text, s, kWrap | platform::gfx::DT_CENTER | platform::gfx::DT_NOCLIP);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.DrawText(text, t, kWrap | platform::gfx::DT_CENTER | platform::gfx::DT_NOCLIP);
}

void CUserMessageBoxDlg::OnPaint(const PaintContext& pc) {
    platform::gfx::Surface buffer(kWidth, kHeight);
    {
        Canvas dc(buffer);
        DrawBackground(dc);
        DrawButtons(dc);
        DrawMessage(dc);
        if (m_bHasFace)
            DrawPhotofitFace(dc, m_Face, 50, 58);
        else if (m_Picture.IsLoaded())
            m_Picture.DrawTransparent(dc, 57, 76, platform::gfx::kKeyColourRef);
    }
    Canvas out = pc.MakeCanvas();
    out.BitBlt(0, 0, kWidth, kHeight, buffer, 0, 0);
}

void CUserMessageBoxDlg::OnLButtonDown(uint32_t, Point pt) {
    const int i = ButtonAt(pt);
    if (i < 0) return;
    m_Pressed[i] = 1;
    Ui::Get().SetCapture(this);
    InvalidateRect(m_ButtonRects[i].Inflate(2, 2), false);
}

void CUserMessageBoxDlg::OnLButtonUp(uint32_t, Point pt) {
    const int i = ButtonAt(pt);
    std::fill(m_Pressed.begin(), m_Pressed.end(), 0);
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    Invalidate(false);
    if (i >= 0) Released(i);
}

void CUserMessageBoxDlg::OnKillFocus(Window*) { std::fill(m_Pressed.begin(), m_Pressed.end(), 0); }

// --- the OK box ---

void COkayUserMessageBoxDlg::SetButtons() {
    m_ButtonRects = {{343, 244, 494, 272}};
    m_Labels = {platform::LoadString(488)};
    m_Pressed.assign(1, 0);
}

void COkayUserMessageBoxDlg::OnLButtonDown(uint32_t flags, Point pt) {
    if (!m_bEnabled || ButtonAt(pt) != 0) return;
    PlaySample(0, 0);
    CUserMessageBoxDlg::OnLButtonDown(flags, pt);
}

void COkayUserMessageBoxDlg::Released(int button) {
    if (button != 0 || !m_bEnabled) return;
    m_bEnabled = false;
    EndDialog(1);
}

void COkayUserMessageBoxDlg::DrawButtons(Canvas& dc) {
    if (m_bEnabled) CUserMessageBoxDlg::DrawButtons(dc);
}

// --- the question box ---

CYesNoUserMessageBoxDlg::CYesNoUserMessageBoxDlg(std::string text, std::vector<std::string> labels)
    : CUserMessageBoxDlg(std::move(text)) {
    m_Labels = std::move(labels);
}

void CYesNoUserMessageBoxDlg::SetButtons() {
    switch (m_Labels.size()) {
        case 2: m_ButtonRects = {{181, 244, 332, 272}, {343, 244, 494, 272}}; break;
        case 3: m_ButtonRects = {{19, 244, 170, 272}, {181, 244, 332, 272}, {343, 244, 494, 272}}; break;
        default:
            m_Labels.resize(4);
            m_ButtonRects = {{19, 244, 134, 272}, {139, 244, 254, 272}, {259, 244, 374, 272}, {379, 244, 494, 272}};
            break;
    }
    m_Pressed.assign(m_ButtonRects.size(), 0);
}

// --- the help box ---

CHelpUserMessageBoxDlg::CHelpUserMessageBoxDlg(unsigned firstId, int count) : CUserMessageBoxDlg({}) {
    for (int i = 0; i < std::max(count, 1); ++i) {
        if (!m_strText.empty()) m_strText += " ";
        m_strText += platform::LoadString(firstId + static_cast<unsigned>(i));
    }
}

std::vector<std::string> CHelpUserMessageBoxDlg::MakePages(const std::string& text, int width) {
    auto f = HelpFont();
    std::vector<std::string> pages;
    std::string rest = text;
    while (!rest.empty() && MeasureHeight(f, rest, width) >= kPageLimit) {
        if (static_cast<int>(pages.size()) == kMaxPages - 1) break;  // the rest goes on the last page
        // The longest head that fits: after a full stop, else at a space,
        // else at the last character that fits.
        size_t fit = 0;
        for (size_t n = 1; n <= rest.size(); ++n) {
            if (MeasureHeight(f, rest.substr(0, n), width) >= kPageLimit) break;
            fit = n;
        }
        fit = std::max<size_t>(fit, 1);
        size_t cut = rest.rfind('.', fit - 1);
        if (cut != std::string::npos) {
            cut += 1;
        } else {
            cut = rest.rfind(' ', fit - 1);
            cut = (cut == std::string::npos || cut == 0) ? fit : cut;
        }
        pages.push_back(rest.substr(0, cut));
        rest = rest.substr(cut);
        rest.erase(0, rest.find_first_not_of(' ') == std::string::npos ? rest.size() : rest.find_first_not_of(' '));
    }
    if (!rest.empty() || pages.empty()) pages.push_back(rest);
    return pages;
}

std::string CHelpUserMessageBoxDlg::ShownText() const {
    if (m_Pages.empty()) return m_strText;
    return m_Pages[static_cast<size_t>(m_nPage)];
}

void CHelpUserMessageBoxDlg::SetButtons() {
    m_ButtonRects = {{180, 249, 337, 294}, {342, 249, 499, 294}};
    m_Labels = {platform::LoadString(604), platform::LoadString(488)};
    m_Pressed.assign(2, 0);
    m_Pages = MakePages(m_strText, 443);
    if (m_Pages.size() == 1) m_ButtonRects[0] = {};  // one page: no "More"
}

void CHelpUserMessageBoxDlg::LoadBitmaps() {
    m_strBackground = "gfx\\messagebox\\message_box_text.bmp";
    m_Background.Load(m_strBackground);
    m_Up.resize(2);
    m_Down.resize(2);
    m_Up[0].Load("gfx\\messagebox\\3upmiddle.bmp");
    m_Down[0].Load("gfx\\messagebox\\3downmiddle.bmp");
    m_Up[1].Load("gfx\\messagebox\\3upright.bmp");
    m_Down[1].Load("gfx\\messagebox\\3downright.bmp");
}

void CHelpUserMessageBoxDlg::DrawButtons(Canvas& dc) {
    for (size_t i = 0; i < 2; ++i) {
        const Rect& r = m_ButtonRects[i];
        if (r.IsEmpty()) continue;
        const CXBitmap& pic = m_Pressed[i] ? m_Down[i] : m_Up[i];
        pic.DrawTransparent(dc, r.left, r.top, platform::gfx::kKeyColourRef);
        DrawLabel(dc, HelpButtonFont(), m_Labels[i], r, m_Pressed[i] != 0, 5);
    }
}

void CHelpUserMessageBoxDlg::Released(int button) {
    if (button == 1) {
        EndDialog(1);
        return;
    }
    if (button != 0 || m_ButtonRects[0].IsEmpty()) return;
    const int last = GetPageCount() - 1;
    const bool back = m_Labels[0] == platform::LoadString(765);
    m_nPage = std::clamp(m_nPage + (back ? -1 : 1), 0, last);
    if (m_nPage == last) m_Labels[0] = platform::LoadString(765);
    if (m_nPage == 0) m_Labels[0] = platform::LoadString(604);
    LayoutText();
    Invalidate(true);
}

// --- the entry ---

int AnswerWhenNotShown(unsigned type) {
    switch (type & 0xF) {
        case 3:
        case 6: return 2;
        case 4: return 7;
        default: return 1;
    }
}

int ShowUserMessageBox(const MessageBoxRequest& r) {
    const unsigned kind = r.type & 0xF;
    std::unique_ptr<CUserMessageBoxDlg> box;
    if (kind == 3 || kind == 4 || kind == 6) {
        std::vector<std::string> labels = r.buttons;
        const size_t n = kind == 4 ? 2 : kind == 3 ? 3 : 4;
        labels.resize(n);
        if (labels[0].empty()) labels[0] = platform::LoadString(487);
        if (labels[1].empty()) labels[1] = platform::LoadString(486);
        box = std::make_unique<CYesNoUserMessageBoxDlg>(r.text, std::move(labels));
    } else if (kind == 5 && r.stringId != 0) {
        box = std::make_unique<CHelpUserMessageBoxDlg>(r.stringId, r.helpCount);
    } else {
        box = std::make_unique<COkayUserMessageBoxDlg>(r.text);
    }
    // A person shows his face; a trophy shows only when nobody is pictured.
    // A person named by number alone keeps the picture layout with the face
    // area empty.
    const bool person = r.picture >= 0 || r.person;
    box->m_bHasPicture = person || r.trophy != -1;
    if (r.person) {
        box->m_Face = PhotofitFace::FromFace(r.person->GetFace());
        box->m_bHasFace = true;
    }
    if (!person && r.trophy != -1) {
        box->m_nTrophy = r.trophy;
        box->m_bDivisionTrophy = r.leagueTrophyFlag != 0;
    }
    if (dynamic_cast<CHelpUserMessageBoxDlg*>(box.get())) box->m_bHasPicture = box->m_bHasFace = false;
    const int result = box->Run();
    if (result < 0) return AnswerWhenNotShown(r.type);
    if (kind == 3 || kind == 4 || kind == 6) {
        static constexpr int kAnswers[4] = {6, 7, 2, 9};
        return result >= 1 && result <= 4 ? kAnswers[result - 1] : AnswerWhenNotShown(r.type);
    }
    return result;
}
