#include "ui/filedialogwnd.h"

#include <algorithm>
#include <cctype>

#include "platform/gfx/canvas.h"
#include "platform/gfx/colour.h"
#include "platform/gfx/font.h"
#include "platform/stringtable.h"
#include "platform/window/headless.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "ui/listcontrol.h"
#include "ui/xedit.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::RGB;

namespace {

namespace fs = std::filesystem;

constexpr unsigned kOkText = 488;
constexpr unsigned kCancelText = 38001;
constexpr unsigned kSaveText = 38002;
constexpr unsigned kOpenText = 38003;
constexpr uint32_t kFolderColour = 0x00FFFF;  // yellow, as 0x00BBGGRR
constexpr uint32_t kGameColour = 0xFFFFFF;
constexpr Rect kListRect{20, 58, 490, 198};
constexpr int kBarWidth = 14;
constexpr Rect kNameRect{20, 206, 490, 232};

platform::gfx::FontRef FileDialogTitleFont() { return platform::gfx::Font::Create("Arial Black", 20, 600); }
platform::gfx::FontRef FileDialogFolderFont() { return platform::gfx::Font::Create("Arial", 14, 400); }
platform::gfx::FontRef FileDialogButtonFont() { return platform::gfx::Font::Create("Arial Narrow", 20, 600); }

bool FileDialogSameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A game's name as the field shows it: without the extension the dialog
// would add again.
std::string FileDialogFieldName(const std::string& file, const std::string& defaultExt) {
    const fs::path p(file);
    const std::string ext = defaultExt.empty() || defaultExt[0] == '.' ? defaultExt : "." + defaultExt;
    if (!ext.empty() && FileDialogSameNoCase(p.extension().string(), ext)) return p.stem().string();
    return file;
}

}  // namespace

CFileDialogWnd::CFileDialogWnd(FileDialogRequest request) : m_Request(std::move(request)) {
    const std::vector<FileFilter> filters = ParseFileFilter(m_Request.filter);
    if (!filters.empty()) m_Filter = filters.front();
    m_Folder = m_Request.folder.empty() ? fs::current_path() : fs::path(m_Request.folder);
}

CFileDialogWnd::~CFileDialogWnd() {
    m_pName.reset();
    m_pList.reset();
    Ui& ui = Ui::Get();
    if (!ui.Started()) return;
    if (Window* main = ui.MainWindow()) {
        main->Invalidate(true);
        main->UpdateNow();
    }
}

std::optional<std::string> CFileDialogWnd::Run() {
    if (!Ui::Get().Started() || !Ui::Get().MainWindow()) return std::nullopt;
    if (DoModal(Ui::Get().MainWindow(), {kWidth, kHeight}) != 1) return std::nullopt;
    return m_Chosen;
}

bool CFileDialogWnd::OnInitDialog() {
    m_Labels[0] = platform::LoadString(m_Request.save ? kSaveText : kOpenText);
    if (m_Labels[0].empty()) m_Labels[0] = platform::LoadString(kOkText);
    m_Labels[1] = platform::LoadString(kCancelText);
    m_ButtonRects[0] = {181, 244, 332, 272};
    m_ButtonRects[1] = {343, 244, 494, 272};
    m_Background.Load("gfx\\messagebox\\message_box_text.bmp");
    m_Button.Load("gfx\\messagebox\\button.bmp");
    BuildBackground();

    m_pList = std::make_unique<CListControl>();
    if (!m_pList->Create(kListRect, this, kListId, kListRect.right - kBarWidth, kListRect.top, kListRect.Height(),
                         kBarWidth, 0, true))
        return false;
    m_pList->SetRowFont("Arial", 9, true, false, false);
    m_pList->SetHeaderFont("Arial", 9, true, false, false);
    m_pList->AddColumn("", 0);
    m_pList->SetColumnWidth(0, kListRect.Width() - kBarWidth - 4);
    m_pList->SetSortable(false);
    m_pList->m_bSelectable = 1;
    m_pList->m_bHoverSelects = 0;
    m_pList->Show(true);

    m_pName = std::make_unique<CXEdit>();
    if (!m_pName->Create(WS_VISIBLE, kNameRect, this, kNameId, 0, kEditDigits | kEditLetters, "", 0xFFFFFF, this))
        return false;
    m_pName->SetFont("Arial", 10, true, false, false);
    m_pName->m_crBackground = RGB(0, 0, 0);
    m_pName->m_nMaxLength = 40;

    ShowFolder(m_Folder);
    Ui::Get().SetCursor(0);
    Ui::Get().SetFocus(m_pName.get());
    Invalidate(true);
    return true;
}

void CFileDialogWnd::BuildBackground() {
    m_Back = platform::gfx::Surface(kWidth, kHeight);
    {
        Canvas dc(m_Back);
        if (m_Background.IsLoaded()) {
            const int bw = m_Background.GetWidth(), bh = m_Background.GetHeight();
            for (int y = 0; y < kHeight; y += bh)
                for (int x = 0; x < kWidth; x += bw) m_Background.Draw(dc, x, y);
        } else {
            dc.FillSolidRect(Rect{0, 0, kWidth, kHeight}, RGB(20, 30, 70));
        }
        dc.SetBkMode(platform::gfx::TRANSPARENT);
        dc.SelectFont(FileDialogTitleFont());
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(21, 11, m_Request.title);
        dc.SetTextColor(RGB(255, 255, 255));
        dc.TextOut(20, 10, m_Request.title);
        // The list and the field sit on dark panels.
        dc.FillSolidRect(kListRect.Inflate(2, 2), RGB(0, 0, 0));
        dc.FillSolidRect(kNameRect.Inflate(2, 2), RGB(0, 0, 0));
    }
    m_Work = m_Back;
    DrawButtons();
}

void CFileDialogWnd::DrawButtons() {
    if (m_Work.IsEmpty()) return;
    Canvas dc(m_Work);
    for (int i = 0; i < 2; ++i) {
        Rect r = m_ButtonRects[i];
        dc.BitBlt(r.left, r.top, r.Width() + 2, r.Height() + 2, m_Back, r.left, r.top);
        const int d = m_nPressed == i ? 2 : 0;
        if (m_Button.IsLoaded()) m_Button.DrawTransparent(dc, r.left + d, r.top + d, platform::gfx::kKeyColourRef);
        else dc.FillSolidRect(r.Offset(d, d), RGB(60, 60, 120));
        auto f = FileDialogButtonFont();
        dc.SelectFont(f);
        dc.SetBkMode(platform::gfx::TRANSPARENT);
        dc.SetTextAlign(platform::gfx::TA_CENTER);
        const int x = r.left + r.Width() / 2 + d, y = r.top + r.Height() / 2 - f->Metrics().height / 2 + d;
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(x + 1, y, m_Labels[i]);
        dc.SetTextColor(m_nPressed == i ? RGB(128, 128, 128) : RGB(255, 255, 255));
        dc.TextOut(x, y, m_Labels[i]);
        dc.SetTextAlign(platform::gfx::TA_LEFT);
    }
}

void CFileDialogWnd::ShowFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path shown = fs::weakly_canonical(folder, ec);
    if (ec) shown = folder;
    m_Folder = shown;
    m_Entries = ListFolder(m_Folder, m_Filter);
    if (!m_Work.IsEmpty()) {
        // The folder's path under the title, cut from the left to fit.
        Canvas dc(m_Work);
        const Rect line{20, 36, 490, 54};
        dc.BitBlt(line.left, line.top, line.Width(), line.Height(), m_Back, line.left, line.top);
        auto f = FileDialogFolderFont();
        dc.SelectFont(f);
        dc.SetBkMode(platform::gfx::TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        std::string text = m_Folder.string();
        while (text.size() > 4 && f->Measure(text) > line.Width()) text = "..." + text.substr(4);
        dc.TextOut(line.left, line.top, text);
        InvalidateRect(line, false);
    }
    if (!m_pList) return;
    m_pList->ResetContent();
    for (size_t i = 0; i < m_Entries.size(); ++i) {
        const FolderEntry& e = m_Entries[i];
        const int row = m_pList->AddRow(e.folder ? "[" + e.name + "]" : e.name, 0, i, 0);
        m_pList->SetRowColour(row, e.folder ? kFolderColour : kGameColour);
    }
    m_pList->ResetScroll();
    m_pList->Redraw();
}

void CFileDialogWnd::ClickRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= m_Entries.size()) return;
    const FolderEntry e = m_Entries[static_cast<size_t>(row)];
    if (e.folder) {
        ShowFolder(e.name == ".." ? m_Folder.parent_path() : m_Folder / e.name);
        return;
    }
    if (m_pName) {
        m_pName->SetText(FileDialogFieldName(e.name, m_Request.defaultExt));
        m_pName->Redraw();
    }
}

bool CFileDialogWnd::Choose() {
    std::string name = m_pName ? m_pName->GetText() : std::string();
    const int row = m_pList ? m_pList->GetCurSel() : -1;
    if (row >= 0 && static_cast<size_t>(row) < m_Entries.size() && !m_Entries[static_cast<size_t>(row)].folder) {
        // The selected game as it is named on disc, whatever case its
        // extension has, while the field still shows it.
        const std::string& file = m_Entries[static_cast<size_t>(row)].name;
        if (name.find_first_not_of(' ') == std::string::npos || name == FileDialogFieldName(file, m_Request.defaultExt))
            name = file;
    }
    const std::optional<std::string> path = ResolveChosenPath(m_Request, m_Folder, name);
    if (!path) return false;
    std::error_code ec;
    if (!m_Request.save && !fs::is_regular_file(*path, ec)) return false;
    m_Chosen = path;
    return true;
}

void CFileDialogWnd::OnOK() {
    if (Choose()) EndDialog(1);
}

int CFileDialogWnd::ButtonAt(Point pt) const {
    for (int i = 0; i < 2; ++i)
        if (m_ButtonRects[i].Contains(pt)) return i;
    return -1;
}

void CFileDialogWnd::OnLButtonDown(uint32_t flags, Point pt) {
    if (flags == ui::kRelayedFlags) {
        // The list tells of a click on one of its rows.
        if (m_pList) ClickRow(m_pList->RowFromPoint(pt.x, pt.y));
        return;
    }
    const int i = ButtonAt(pt);
    if (i < 0) return;
    PlaySample(0, 0);
    m_nPressed = i;
    Ui::Get().SetCapture(this);
    DrawButtons();
    InvalidateRect(m_ButtonRects[i].Inflate(2, 2), false);
}

void CFileDialogWnd::OnLButtonUp(uint32_t flags, Point pt) {
    if (flags == ui::kRelayedFlags) return;
    const int pressed = m_nPressed;
    m_nPressed = -1;
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    if (pressed < 0) return;
    DrawButtons();
    InvalidateRect(m_ButtonRects[pressed].Inflate(2, 2), false);
    if (ButtonAt(pt) != pressed) return;
    if (pressed == 0) OnOK();
    else OnCancel();
}

void CFileDialogWnd::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (flags != ui::kRelayedFlags || !m_pList) return;
    const int row = m_pList->RowFromPoint(pt.x, pt.y);
    if (row < 0 || static_cast<size_t>(row) >= m_Entries.size() || m_Entries[static_cast<size_t>(row)].folder) return;
    ClickRow(row);
    OnOK();
}

void CFileDialogWnd::OnPaint(const PaintContext& pc) {
    if (m_Work.IsEmpty()) return;
    Canvas out = pc.MakeCanvas();
    const Rect box = pc.clip;
    out.BitBlt(box.left, box.top, box.Width(), box.Height(), m_Work, box.left, box.top);
}

intptr_t CFileDialogWnd::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    switch (msg) {
        case ui::kMsgGetWorkDC:
            if (m_Work.IsEmpty()) return 0;
            m_WorkDCs.push_back(std::make_unique<Canvas>(m_Work));
            return reinterpret_cast<intptr_t>(m_WorkDCs.back().get());
        case ui::kMsgDrawingDone:
            if (!m_WorkDCs.empty()) m_WorkDCs.pop_back();
            return 1;
        case ui::kMsgRestoreBackground: {
            const auto* r = reinterpret_cast<const Rect*>(w);
            if (!r || m_Work.IsEmpty()) return 0;
            Canvas dc(m_Work);
            dc.BitBlt(r->left, r->top, r->Width(), r->Height(), m_Back, r->left, r->top);
            return 1;
        }
        default:
            return Dialog::OnMessage(msg, w, l);
    }
}

std::optional<std::string> RunGameFileDialog(const FileDialogRequest& request) {
    Ui& ui = Ui::Get();
    if (!ui.Started()) return std::nullopt;
    // A headless script that answers the next dialog speaks for the user.
    if (auto* headless = dynamic_cast<HeadlessBackend*>(&ui.GetBackend()); headless && headless->HasFileAnswer())
        return headless->ChooseFile(request);
    CFileDialogWnd dialog(request);
    return dialog.Run();
}

void InstallGameFileDialog(bool install) {
    SetFileDialogHandler(install ? std::function<std::optional<std::string>(const FileDialogRequest&)>(RunGameFileDialog)
                                 : nullptr);
}
