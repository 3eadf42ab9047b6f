#include "shell/screensinfo.h"

#include <algorithm>
#include <cstdio>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/screentables.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::ColourRef;
using platform::gfx::RGB;
namespace st = screentables;

namespace {

int g_nCreatedScreenId = -1;

ColourRef Colour(const st::RGBWords& c) { return RGB(c.r, c.g, c.b); }

const char* Face(int index) {
    return index >= 0 && index < st::kFaceSlots ? st::kFaceNames[index] : "";
}

std::string Numbered(const char* format, int n) {
    char buf[160];
    std::snprintf(buf, sizeof buf, format, n);
    return buf;
}

const char* Bitmap(int index) {
    return index >= 0 && index < st::kBitmapSlots && st::kBitmapNames[index][0] ? st::kBitmapNames[index] : nullptr;
}

}  // namespace

CScreensInfo::CScreensInfo() {
    g_nCreatedScreenId = g_nScreenId;
}

CScreensInfo::~CScreensInfo() = default;

int CScreensInfo::GetCreatedScreenId() { return g_nCreatedScreenId; }

PageFactory CScreensInfo::GetPageFactory() const {
    return [] { return static_cast<CScreen*>(new CScreensInfo()); };
}

void CScreensInfo::OnTreeSelect(const TreeNotice* item) {
    if (!item) return;
    g_nTreeSelectionLevel = item->level;
    g_nTreeSelectionData = item->data;
    g_nTreeSelectionKind = item->kind;
}

CXStatic* CScreensInfo::AddStatic(int left, int top, int right, int bottom, int points, ColourRef colour, bool bold,
                                  bool italic, bool underline, uint32_t labelStyle, const std::string& text,
                                  int fontChoice) {
    static constexpr const char* kChoices[7] = {"Haettenschweiler", "Arial Narrow",   "Arial Black", "Times New Roman",
                                                "MS Sans Serif",    "Courier New",    "Arial"};
    for (CXStatic& label : m_Labels) {
        if (label.IsAlive()) continue;
        if (!label.Create(text, WS_CHILD | WS_VISIBLE, Rect{left, top, right, bottom}, this, 0)) return nullptr;
        label.SetColours(colour, 0);
        label.SetFont(fontChoice >= 0 && fontChoice < 7 ? kChoices[fontChoice] : "Arial", points, bold, italic,
                      underline);
        label.SetLabelStyle(labelStyle);
        return &label;
    }
    return nullptr;
}

CXStatic* CScreensInfo::ShowNoDataAvailable() {
    for (CListControl& list : m_ListBoxes)
        if (list.IsAlive()) list.platform::win::Window::Show(false);
    for (CXButton& button : m_Buttons)
        if (button.IsAlive()) button.Enable(false);
    if (!m_pNoData)
        m_pNoData = AddStatic(0, 230, 599, 260, 16, RGB(255, 255, 255), true, false, false,
                              kLabelCentred | kLabelSingleLine, platform::LoadString(735), 1);
    return m_pNoData;
}

void CScreensInfo::BuildScreen(int page) {
    if (page < 0 || page >= st::kPageCount) {
        platform::TraceF("CScreensInfo::BuildScreen - no page %d\n", page);
        return;
    }
    const st::ScreenRow& screen = st::kScreens[page];
    SetTitle(platform::LoadString(static_cast<uint32_t>(screen.caption)));
    if (auto* frame = dynamic_cast<CMainFrame*>(Ui::Get().MainWindow())) {
        char version[32];
        std::snprintf(version, sizeof version, "Ver %.2f", static_cast<double>(kVersion));
        frame->GetStatusBar().SetPaneText(0, version);
        frame->SetTitle(platform::LoadString(843));
    }
    if (screen.background != st::kNoBackground && screen.background >= 0 && screen.background < st::kBackgroundSlots)
        SetBackground(st::kBackgroundNames[screen.background]);

    const int first = st::FirstControlRow(page);
    BuildRows(st::kControls + first, std::min(screen.controlCount, st::kControlCount - first));

    SetUpTree(page);
    if (page >= 96 || page == 6) {
        if (Window* parent = Parent())
            parent->Send(ui::kMsgTreeColour, st::kColourTable[screen.colour >= 0 && screen.colour < st::kColours
                                                                  ? screen.colour
                                                                  : 0]);
    }
}

void CScreensInfo::BuildRows(const st::ControlRow* rows, int count) {
    for (int r = 0; r < count; ++r) {
        const st::ControlRow& row = rows[r];
        const uint32_t flags = row.flags;
        const uint32_t id = static_cast<uint32_t>(row.stringId);
        auto rectOf = [&](int w, int h) { return Rect{row.x, row.y, row.x + w, row.y + h}; };

        if (flags & 0x40) {
            const st::ListDefinition* d = st::FindList(row.definition);
            if (!d) {
                platform::TraceF("Failed to find List Box!! %d\n", row.definition);
                continue;
            }
            if (m_nLists >= kLists) {
                platform::TraceF("Ran out of List Box Memory!! %d\n", m_nLists);
                continue;
            }
            CListControl& list = m_ListBoxes[static_cast<size_t>(m_nLists++)];
            list.m_nRowHeight = d->rowHeight;
            list.Create(rectOf(d->width, d->height), this, id, d->barLeft, d->barTop, d->barHeight, d->barWidth,
                        d->listFlags, false);
            for (int c = 0; c < st::kMaxColumns && d->columns[c].format; ++c) {
                const st::ColumnDefinition& col = d->columns[c];
                const char* picture = nullptr;
                if ((col.format & 0x6) && col.headerBitmap >= 0 && col.headerBitmap < st::kHeaderSlots)
                    picture = st::kHeaderNames[col.headerBitmap];
                list.AddColumn(platform::LoadString(static_cast<uint32_t>(col.heading)), col.format, picture);
                list.SetColumnText2FromString(c, platform::LoadString(static_cast<uint32_t>(col.text2)).c_str());
                list.SetColumnWidth(c, col.width);
            }
            list.m_nColumnGap = d->gap;
            list.SetRowFont(Face(d->rowFace), d->rowSize, d->rowStyle & 1, d->rowStyle & 2, d->rowStyle & 4);
            list.m_crSelected = Colour(d->selectedColour);
            list.SetHeaderFont(Face(d->headerFace), d->headerSize, d->headerStyle & 1, d->headerStyle & 2,
                               d->headerStyle & 4);
            list.m_crHeader = Colour(d->headerColour);
            for (int i = 0; i < list.GetRowCount(); ++i) list.SetRowColour(i, Colour(d->rowColour));
            list.Show(true);
        } else if (flags & 0x200) {
            const st::EditDefinition* d = st::FindEdit(row.definition);
            if (!d) {
                platform::TraceF("Failed to find Edit Box!! %d\n", row.definition);
                continue;
            }
            if (m_nEdits >= kEdits) {
                platform::TraceF("Ran out of Edit Box Memory!! %d\n", m_nEdits);
                continue;
            }
            const char* initial = row.stringId ? st::FindEditText(row.stringId) : nullptr;
            const std::string text = initial ? initial : "";
            uint32_t style = WS_CHILD | WS_VISIBLE;
            if (d->style & 0x100) style |= 0x800;  // read-only
            CXEdit& edit = m_EditBoxes[static_cast<size_t>(m_nEdits++)];
            edit.Create(style, rectOf(d->width, d->height), this, static_cast<uint32_t>(d->controlId),
                        static_cast<uint32_t>(d->unused), d->style, text, Colour(d->textColour), nullptr);
            edit.SetText(text);
            edit.m_crText = Colour(d->textColour);
            edit.m_crBackground = Colour(d->background);
            edit.SetFont(Face(d->face), d->size, d->fontStyle & 1, d->fontStyle & 2, d->fontStyle & 4);
            if (d->further > 0) edit.m_nMaxLength = d->further;
        } else if ((flags & 0x1) && !(flags & 0x2)) {
            const st::TextDefinition* d = st::FindText(row.definition);
            if (!d) {
                platform::TraceF("Failed to find Text!! %d\n", row.definition);
                continue;
            }
            const std::string text = platform::LoadString(id);
            if (flags & 0x4) {
                if (m_nButtons >= kButtons) {
                    platform::TraceF("Ran out of Buttons Memory!! %d\n", m_nButtons);
                    continue;
                }
                CXButton& b = m_Buttons[static_cast<size_t>(m_nButtons++)];
                b.Create(text, 0x5000000B, rectOf(d->width, d->height), this, id, flags);
                b.SetColours(Colour(d->colour), Colour(d->background));
                b.SetFont(Face(d->face), d->size, d->fontStyle & 1, d->fontStyle & 2, d->fontStyle & 4);
            } else {
                if (m_nLabels >= kLabels) {
                    platform::TraceF("Ran out of Text Memory!! %d\n", m_nLabels);
                    continue;
                }
                CXStatic& label = m_Labels[static_cast<size_t>(m_nLabels++)];
                label.Create(text, WS_CHILD | WS_VISIBLE, rectOf(d->width, d->height), this, 0);
                label.SetColours(Colour(d->colour), Colour(d->background));
                label.SetFont(Face(d->face), d->size, d->fontStyle & 1, d->fontStyle & 2, d->fontStyle & 4);
                label.SetLabelStyle(d->labelStyle);
            }
        } else {
            if (m_nRecords >= kRecords) {
                platform::TraceF("Ran out of Buttons Memory!! %d\n", m_nRecords);
                continue;
            }
            const bool makesButton = (flags & 0x2) || (flags & (0x10 | 0x400));
            if (makesButton && m_nButtons >= kButtons) {
                platform::TraceF("Ran out of Buttons Memory!! %d\n", m_nButtons);
                continue;
            }
            ControlRecord rec;
            rec.id = id;
            rec.flags = flags;
            rec.rect = rectOf(0, 0);
            auto makeButton = [&](const std::string& text, int w, int h) -> CXButton& {
                rec.rect = rectOf(w, h);
                rec.button = m_nButtons;
                CXButton& b = m_Buttons[static_cast<size_t>(m_nButtons++)];
                b.Create(text, 0x5000000B, rec.rect, this, id, flags);
                return b;
            };
            if (flags & (0x10 | 0x400)) {
                const st::AnimButtonDefinition* d = st::FindAnimButton(row.definition);
                if (!d) {
                    platform::TraceF("Failed to find Anim Button!! %d\n", row.definition);
                    continue;
                }
                CXButton& b = makeButton("", d->width, d->height);
                if (const char* format = Bitmap(row.definition))
                    for (int f = 0; f < d->frames; ++f) b.AddFrame(Numbered(format, f));
                b.SetLoopPause(static_cast<uint32_t>(d->pauseMs));
                b.SetDuration(static_cast<uint32_t>(d->passMs));
            } else if (!(flags & 0x2)) {
                // Only a tool-tip area.
            } else if (flags & 0x100) {
                const st::PushButtonDefinition* d = st::FindCheckButton(row.definition);
                if (!d) {
                    platform::TraceF("Failed to find Check Button!! %d\n", row.definition);
                    continue;
                }
                CXButton& b = makeButton("", d->width, d->height);
                const char* p[3] = {Bitmap(d->number), Bitmap(d->second), Bitmap(d->third)};
                for (int i = 0; i < 3; ++i) rec.bitmaps[static_cast<size_t>(i)] = p[i] ? p[i] : "";
                b.SetBitmaps(p[2], p[1], p[2], nullptr, nullptr, p[0]);
            } else if (flags & 0x4) {
                const st::PushButtonDefinition* d = st::FindPushButton(row.definition);
                if (!d) {
                    platform::TraceF("Failed to find Push Button!! %d\n", row.definition);
                    continue;
                }
                CXButton& b = makeButton((flags & 0x1) ? platform::LoadString(id) : "", d->width, d->height);
                const char* p[3] = {Bitmap(d->number), Bitmap(d->second), Bitmap(d->third)};
                for (int i = 0; i < 3; ++i) rec.bitmaps[static_cast<size_t>(i)] = p[i] ? p[i] : "";
                b.SetBitmaps(p[0], p[1], nullptr, nullptr, nullptr, p[2]);
                if (flags & 0x1) {
                    if (const st::TextDefinition* t = st::FindText(row.definition)) {
                        b.SetColours(Colour(t->colour), Colour(t->background));
                        b.SetFont(Face(t->face), t->size, t->fontStyle & 1, t->fontStyle & 2, t->fontStyle & 4);
                    }
                }
            } else {
                const st::NormalButtonDefinition* d = st::FindNormalButton(row.definition);
                if (!d) {
                    platform::TraceF("Failed to find Norm Button!! %d\n", row.definition);
                    continue;
                }
                CXButton& b = makeButton("", d->width, d->height);
                const char* p = Bitmap(d->number);
                rec.bitmaps[0] = p ? p : "";
                b.SetBitmaps(p);
            }
            AddHotSpot(rec.rect, kSpotToolTip, id);
            m_Records[static_cast<size_t>(m_nRecords++)] = std::move(rec);
        }
    }
}

void CScreensInfo::BeginPrintedPage(platform::gfx::Canvas* dc, const std::string (&lines)[4], int left) {
    const platform::gfx::Surface& page = dc->Target();
    dc->SaveDC();
    dc->SetMapMode(platform::gfx::MapMode::Anisotropic);
    dc->SetWindowExt({2100, -2100 * page.Height() / std::max(1, page.Width())});
    dc->SetViewportExt({page.Width(), page.Height()});
    dc->SetWindowOrg({0, 0});
    dc->SetViewportOrg({0, 0});
    dc->SetBkMode(platform::gfx::TRANSPARENT);
    dc->SetTextColor(platform::gfx::RGB(0, 0, 0));
    dc->SetTextAlign(platform::gfx::TA_LEFT | platform::gfx::TA_TOP);
    dc->SelectFont(platform::gfx::Font::Create("Arial", -60, 700));
    for (int i = 0; i < 4; ++i) dc->TextOut(left, -120 - 80 * i, lines[i]);
}
