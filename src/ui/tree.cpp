#include "ui/tree.h"

#include <algorithm>
#include <functional>

#include "platform/gfx/canvas.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"

using namespace platform::win;
using platform::gfx::Canvas;

namespace {
constexpr int kSampleSelect = 7;
constexpr int kSampleExpand = 8;
constexpr int kSampleCollapse = 9;
constexpr int kSampleScroll = 10;
}  // namespace

// ---- nodes ----

int CTreeNode::GetLevel() const {
    int level = 0;
    for (const CTreeNode* p = parent; p; p = p->parent) ++level;
    return level;
}

CTreeNode* CTreeNode::NextVisible() const {
    CTreeNode* n = next;
    while (n && !n->visible) n = n->next;
    return n;
}

CTreeNode* CTreeNode::FirstVisibleChild() const {
    CTreeNode* n = firstChild;
    while (n && !n->visible) n = n->next;
    return n;
}

template <class F>
void CTree::Walk(CTreeNode* start, F&& f) {
    for (CTreeNode* n = start; n;) {
        CTreeNode* following = n->next;
        f(n);
        if (n->firstChild) Walk(n->firstChild, f);
        n = following;
    }
}

// ---- the tree ----

CTree::CTree() {
    m_LogFont.face = "Arial";
    m_Expandable.Load("gfx\\tree\\expandable.bmp");
    m_Expanded.Load("gfx\\tree\\expanded.bmp");
    m_ShortcutBox.Load("gfx\\tree\\shortcut.bmp");
}

CTree::~CTree() { DeleteAll(); }

bool CTree::Create(const Rect& rect, Window* parent, uint32_t id) {
    if (!Window::Create(parent, rect, WS_CHILD | WS_VSCROLL | WS_HSCROLL, id, "Tree Control")) return false;
    ShowScrollBar(SB_VERT, false);
    ShowScrollBar(SB_HORZ, false);
    const Rect c = ClientRect();
    m_Buffer = platform::gfx::Surface(std::max(c.Width(), 1), std::max(c.Height(), 1));
    return true;
}

void CTree::OnSize(int cx, int cy) {
    CXWnd::OnSize(cx, cy);
    if (cx != m_Buffer.Width() || cy != m_Buffer.Height())
        m_Buffer = platform::gfx::Surface(std::max(cx, 1), std::max(cy, 1));
}

CTreeNode* CTree::InsertItem(const std::string& text, int icon, CTreeNode* parent, uintptr_t data, uint8_t kind,
                             uint32_t colour) {
    auto* n = new CTreeNode;
    n->text = text;
    n->icon = icon;
    n->data = data;
    n->kind = kind;
    n->colour = colour;
    if (!m_pRoot) {
        m_pRoot = m_pTopRow = n;
        m_nScrollIndex = 0;
        return n;
    }
    CTreeNode* p = parent ? parent : m_pRoot;
    n->parent = p;
    if (!p->firstChild) {
        p->firstChild = n;
        return n;
    }
    // After the run of shown children, ahead of any hidden ones.
    CTreeNode* at = p->firstChild;
    while (at->next && at->next->visible) at = at->next;
    n->prev = at;
    n->next = at->next;
    if (at->next) at->next->prev = n;
    at->next = n;
    return n;
}

CTreeNode* CTree::InsertItem(unsigned stringId, int icon, CTreeNode* parent, uintptr_t data, uint8_t kind,
                             uint32_t colour) {
    return InsertItem(platform::LoadString(stringId), icon, parent, data, kind, colour);
}

void CTree::SetFont(const std::string& face, int height, bool bold, bool italic, bool underline) {
    m_LogFont = {};
    m_LogFont.face = face.substr(0, 31);
    m_LogFont.weight = bold ? 700 : 400;
    m_LogFont.italic = italic;
    m_LogFont.underline = underline;
    m_nFontHeight = height;
    m_bFontDirty = 1;
}

void CTree::MakeFont() {
    if (!m_bFontDirty && m_pFont) return;
    platform::gfx::LogFont lf = m_LogFont;
    int h = m_nFontHeight;
    if (platform::gfx::kLogPixelsY == 120) h -= 2;
    lf.height = platform::gfx::MulDiv(h, -platform::gfx::kLogPixelsY, 72);
    m_pFont = platform::gfx::Font::Create(lf);
    m_nTextHeight = m_pFont->Metrics().height;
    m_bFontDirty = 0;
}

platform::gfx::FontRef CTree::GetItemFont() {
    MakeFont();
    return m_pFont;
}

bool CTree::SetBackground(const std::string& path, bool tiled, const std::string& suffix) {
    m_Background.Clear();
    m_bTiled = tiled ? 1 : 0;
    m_strBackgroundPath = path;
    const bool ok = m_Background.Load(path);
    if (ok && !suffix.empty()) {
        m_strPanelSuffix = suffix;
        m_TableRow.Load("gfx\\tree\\table\\row_" + suffix + ".bmp");
        m_TableBack.Load("gfx\\tree\\table\\backg_" + suffix + ".bmp");
    }
    Invalidate(false);
    return ok;
}

int CTree::AddIcon(const std::string& path) {
    auto b = std::make_unique<CXBitmap>();
    b->Load(path);
    m_Icons.push_back(std::move(b));
    return static_cast<int>(m_Icons.size()) - 1;
}

void CTree::ClearIcons() { m_Icons.clear(); }

CTreeNode* CTree::FindItem(uintptr_t data, uint8_t kind) const {
    CTreeNode* found = nullptr;
    Walk(m_pRoot, [&](CTreeNode* n) {
        if (!found && n->data == data && (kind == 0 || n->kind == kind)) found = n;
    });
    return found;
}

uintptr_t CTree::GetParentData(uintptr_t data) const {
    CTreeNode* n = FindItem(data, 0);
    return n && n->parent ? n->parent->data : 0;
}

void CTree::ClearSelection(CTreeNode* node) {
    Walk(node, [](CTreeNode* n) { n->selected = 0; });
}

void CTree::ExpandAncestors(CTreeNode* node) {
    for (CTreeNode* p = node->parent; p; p = p->parent) p->expanded = 1;
}

CTreeNode* CTree::SelectItem(uintptr_t data, uint8_t kind) {
    CTreeNode* n = FindItem(data, kind);
    if (!n) return nullptr;
    ClearSelection(m_pRoot);
    n->selected = 1;
    ExpandAncestors(n);
    ScrollUp(m_nScrollIndex);
    BringIntoView(n);
    UpdateScrollBar(false);
    return n;
}

void CTree::DisableItem(CTreeNode* node, uintptr_t data, uint8_t kind, bool following) {
    if (!node) {
        if (!data && !kind) return;
        node = FindItem(data, kind);
    }
    if (!node) return;
    node->disabled = 1;
    if (following)
        for (CTreeNode* n = node->next; n; n = n->next) n->disabled = 1;
}

void CTree::DeleteSubtree(CTreeNode* node, std::vector<CTreeNode*>& gone) {
    for (CTreeNode* c = node->firstChild; c;) {
        CTreeNode* following = c->next;
        DeleteSubtree(c, gone);
        gone.push_back(c);
        c = following;
    }
    node->firstChild = nullptr;
}

void CTree::ForgetDeleted(const std::vector<CTreeNode*>& gone) {
    if (gone.empty()) return;
    // Shortcuts to a deleted node go with it; nothing remembered may point
    // at a node that is no more.
    auto isGone = [&](const CTreeNode* n) { return std::find(gone.begin(), gone.end(), n) != gone.end(); };
    for (CTreeNode* s = m_pRoot ? m_pRoot->next : nullptr; s;) {
        CTreeNode* following = s->next;
        if (s->shortcut && isGone(s->target)) {
            if (s->prev) s->prev->next = s->next;
            if (s->next) s->next->prev = s->prev;
            delete s;
        }
        s = following;
    }
    if (isGone(m_pTopRow)) {
        m_pTopRow = m_pRoot;
        m_nScrollIndex = 0;
    }
    if (isGone(m_pCurrent)) m_pCurrent = nullptr;
    for (CTreeNode* n : gone) delete n;
    m_nRows = 0;
    m_Rows.fill({});
    m_SpotNodes.fill(nullptr);
    RemoveAllHotSpots();
    m_nRightClickRow = -1;
    m_pRightClickShortcut = nullptr;
    HideTitleTip();
    if (IsAlive()) Invalidate(false);
}

void CTree::DeleteChildren(CTreeNode* node) {
    if (!node || !node->firstChild) return;
    std::vector<CTreeNode*> gone;
    DeleteSubtree(node, gone);
    ForgetDeleted(gone);
}

void CTree::DeleteAll() {
    if (!m_pRoot) return;
    std::vector<CTreeNode*> gone;
    for (CTreeNode* n = m_pRoot; n;) {
        CTreeNode* following = n->next;
        DeleteSubtree(n, gone);
        gone.push_back(n);
        n = following;
    }
    m_pRoot = m_pTopRow = m_pCurrent = nullptr;
    m_nScrollIndex = 0;
    for (CTreeNode* n : gone) delete n;
    m_nRows = 0;
    m_Rows.fill({});
    m_SpotNodes.fill(nullptr);
    m_nRightClickRow = -1;
    m_pRightClickShortcut = nullptr;
    m_nTitleTipRow = -1;
}

void CTree::PruneExpanded(uintptr_t data, uint8_t kind) {
    std::vector<CTreeNode*> gone;
    // Depth first, into the children that remain and along the siblings.
    std::function<void(CTreeNode*)> visit = [&](CTreeNode* start) {
        for (CTreeNode* n = start; n; n = n->next) {
            const bool match = (data == 0 && n->kind == kind) || (kind == 0 && n->data == data) ||
                               (data != 0 && kind != 0 && n->data == data && n->kind == kind);
            if (match && n->expanded && RowsUnder(n, false) > 0)
                DeleteSubtree(n, gone);
            else if (n->firstChild)
                visit(n->firstChild);
        }
    };
    if (m_pRoot) visit(m_pRoot);
    ForgetDeleted(gone);
}

void CTree::SetExpandLimit(bool clicksEnabled, int level) {
    m_bClicksEnabled = clicksEnabled ? 1 : 0;
    m_nExpandLimit = level;
    Walk(m_pRoot, [&](CTreeNode* n) {
        if (level >= 0 && n->GetLevel() >= level) n->expanded = 0;
        n->selected = 0;
    });
    m_pTopRow = m_pRoot;
    m_nScrollIndex = 0;
    Repaint();
}

void CTree::SetSelectableLevel(CTreeNode* start, int level, uint8_t value, bool alsoAbove) {
    m_nSelectionDepth = level == 0 ? -1 : level;
    Walk(start, [&](CTreeNode* n) {
        const int l = n->GetLevel();
        if (l == level || (alsoAbove && l < level)) n->selectable = value;
    });
}

void CTree::ClearSelectable(CTreeNode* start, bool alsoDisabled) {
    Walk(start, [&](CTreeNode* n) {
        n->selectable = 0;
        if (alsoDisabled) n->disabled = 0;
    });
}

namespace {
bool Matches(const CTreeNode* n, uintptr_t data, uint8_t kind) {
    return (n->data == data && kind == 0) || (n->kind == kind && (data == 0 || n->data == data));
}
}  // namespace

void CTree::SetSelectableWhere(CTreeNode* start, uintptr_t data, uint8_t kind, int level, uint8_t value) {
    Walk(start, [&](CTreeNode* n) {
        if (level == -1 ? Matches(n, data, kind) : n->GetLevel() == level) n->selectable = value;
    });
}

void CTree::SetExpandableWhere(CTreeNode* start, uintptr_t data, uint8_t kind, int level, uint8_t value) {
    std::function<void(CTreeNode*)> visit = [&](CTreeNode* first) {
        for (CTreeNode* n = first; n; n = n->next) {
            const int l = n->GetLevel();
            if (l == level) {
                if ((n->data != data && kind == 0) || (n->kind != kind && (data == 0 || n->data != data)))
                    n->expandable = value;
            }
            if (n->firstChild && l < level) visit(n->firstChild);
        }
    };
    if (start) visit(start);
}

void CTree::CollapseLevel(CTreeNode* start, int level) {
    Walk(start, [&](CTreeNode* n) {
        if (n->GetLevel() == level) n->expanded = 0;
    });
}

void CTree::SetDisabledByText(const std::string& text, uint8_t value) {
    Walk(m_pRoot, [&](CTreeNode* n) {
        if (n->text != text) return;
        n->disabled = value;
        if (value) n->expanded = 0;
    });
    UpdateScrollBar(false);
}

void CTree::ShowWhere(uintptr_t data, uint8_t kind, CTreeNode* start, uint8_t show, int level, uint8_t showOthers) {
    Walk(start, [&](CTreeNode* n) {
        if (Matches(n, data, kind))
            n->visible = show;
        else if (n->GetLevel() == level && n->kind != kind && (data == 0 || n->data != data))
            n->visible = showOthers;
    });
}

void CTree::SetItemVisible(CTreeNode* node, bool visible) {
    if (!node) return;
    node->visible = visible ? 1 : 0;
    UpdateScrollBar(false);
    Repaint();
}

void CTree::ToggleShortcut() {
    if (m_nRightClickRow == -2 && m_pRightClickShortcut) {
        CTreeNode* s = m_pRightClickShortcut;
        if (s->prev) s->prev->next = s->next;
        if (s->next) s->next->prev = s->prev;
        // Shortcuts are rows after the tree: the top row may be this one.
        if (m_pTopRow == s) {
            m_pTopRow = m_pRoot;
            m_nScrollIndex = 0;
        }
        HideTitleTip();
        delete s;
        m_pRightClickShortcut = nullptr;
        m_nRightClickRow = -1;
        m_nRows = 0;
        m_SpotNodes.fill(nullptr);
    } else if (m_nRightClickRow >= 0 && m_nRightClickRow < m_nRows && m_pRoot) {
        CTreeNode* of = m_Rows[static_cast<size_t>(m_nRightClickRow)].node;
        CTreeNode* last = m_pRoot;
        while (last->next) last = last->next;
        auto* s = new CTreeNode;
        s->text = of->text;
        s->icon = of->icon;
        s->target = of;
        s->shortcut = 1;
        s->colour = 0xFFFFFF;
        s->prev = last;
        last->next = s;
    }
    Repaint();
}

void CTree::SetCurrent() {
    if (m_pRoot) m_pRoot->expanded = 1;
    m_pCurrent = m_pRoot;
}

CTreeNode* CTree::ChildByText(const std::string& text, bool expand) {
    if (!m_pCurrent) return nullptr;
    CTreeNode* c = m_pCurrent->firstChild;
    while (c && c->text != text) c = c->next;
    if (!c) return nullptr;
    c->expanded = expand ? 1 : 0;
    ClearSelection(m_pRoot);
    c->selected = 1;
    m_pCurrent = c;
    Repaint();
    return c;
}

CTreeNode* CTree::SelectChildByText(const std::string& text) { return ChildByText(text, true); }

CTreeNode* CTree::DeselectChildByText(const std::string& text) { return ChildByText(text, false); }

// ---- rows and scrolling ----

int CTree::RowsUnder(CTreeNode* node, bool evenClosed) {
    if (!node) return 0;
    int count = 0;
    if (node->expanded || evenClosed) {
        for (CTreeNode* c = node->firstChild; c; c = c->next) {
            if (!c->visible) continue;
            ++count;
            if (c->firstChild && c->expanded) count += RowsUnder(c, false);
        }
    }
    node->rowCount = count;
    return count;
}

int CTree::CountTotal() {
    m_nTotalRows = m_pRoot ? 1 + (m_pRoot->expanded ? RowsUnder(m_pRoot, false) : 0) : 0;
    return m_nTotalRows;
}

CTreeNode* CTree::NextRow(CTreeNode* node) const {
    if (!node) return nullptr;
    if (node->expanded)
        if (CTreeNode* c = node->FirstVisibleChild()) return c;
    for (const CTreeNode* n = node; n; n = n->parent)
        if (CTreeNode* s = n->NextVisible()) return s;
    return nullptr;
}

CTreeNode* CTree::PrevRow(CTreeNode* node) const {
    if (!node) return nullptr;
    CTreeNode* p = node->prev;
    while (p && !p->visible) p = p->prev;
    if (!p) return node->parent;
    // The deepest last shown row under the previous sibling.
    while (p->expanded && p->HasVisibleChildren()) {
        CTreeNode* c = p->FirstVisibleChild();
        while (CTreeNode* s = c->NextVisible()) c = s;
        p = c;
    }
    return p;
}

void CTree::ScrollDown(int rows) {
    for (int i = 0; i < rows && m_nScrollIndex < m_nTotalRows - kRowsFit + 1; ++i) {
        CTreeNode* n = NextRow(m_pTopRow);
        if (!n) break;
        m_pTopRow = n;
        ++m_nScrollIndex;
    }
}

void CTree::ScrollUp(int rows) {
    for (int i = 0; i < rows && m_pTopRow && m_pTopRow != m_pRoot; ++i) {
        CTreeNode* p = PrevRow(m_pTopRow);
        if (!p) break;
        m_pTopRow = p;
        --m_nScrollIndex;
    }
    if (m_pTopRow == m_pRoot) m_nScrollIndex = 0;
}

void CTree::ScrollTo(int index) {
    if (index > m_nScrollIndex)
        ScrollDown(index - m_nScrollIndex);
    else
        ScrollUp(m_nScrollIndex - index);
}

void CTree::UpdateScrollBar(bool reset) {
    if (reset) ScrollUp(m_nScrollIndex);
    CountTotal();
    if (!IsAlive()) return;
    if (m_nTotalRows < m_nRows || m_nSelectionDepth == -1 || m_nTotalRows <= kRowsFit) {
        ShowScrollBar(SB_VERT, false);
        m_nScrollIndex = 0;
        m_pTopRow = m_pRoot;
        return;
    }
    ScrollInfo info;
    info.min = 0;
    info.max = m_nTotalRows - kRowsFit + kPage;
    info.page = kPage;
    info.pos = m_nScrollIndex;
    SetScrollInfo(SB_VERT, info, true);
    ShowScrollBar(SB_VERT, true);
}

void CTree::BringIntoView(CTreeNode* node) {
    if (!node) return;
    Repaint();
    CountTotal();
    if (m_nTotalRows < kRowsFit + 1) {
        m_pTopRow = m_pRoot;
        m_nScrollIndex = 0;
    } else {
        const int under = RowsUnder(node, false);
        if (under <= m_nRows || under < kRowsFit + 1) {
            int index = 0;
            for (CTreeNode* r = m_pTopRow; r && r != node; r = NextRow(r)) ++index;
            const int down = index + under - (kRowsFit - 1);
            if (down > 0) ScrollDown(down);
        } else {
            int index = 0;
            for (CTreeNode* r = m_pRoot; r && r != node; r = NextRow(r)) ++index;
            m_pTopRow = node;
            m_nScrollIndex = index;
        }
    }
    if (IsAlive() && HasScrollBar(SB_VERT)) SetScrollPos(SB_VERT, m_nScrollIndex, true);
    Repaint();
    UpdateScrollBar(false);
}

void CTree::OnScroll(bool vertical, uint32_t code, int pos, Window*) {
    if (!vertical) return;
    HideTitleTip();
    PlaySample(kSampleScroll, 0);
    CountTotal();
    switch (code) {
        case 0: ScrollUp(1); break;        // SB_LINEUP
        case 1: ScrollDown(1); break;      // SB_LINEDOWN
        case 2: ScrollUp(kPage); break;    // SB_PAGEUP
        case 3: ScrollDown(kPage); break;  // SB_PAGEDOWN
        case 5: ScrollTo(pos); break;      // SB_THUMBTRACK
        default: return;
    }
    SetScrollPos(SB_VERT, m_nScrollIndex, true);
    Repaint();
}

// ---- the mouse ----

int CTree::RowAt(Point pt) const {
    for (int i = 0; i < m_nRows; ++i)
        if (m_Rows[static_cast<size_t>(i)].rect.Contains(pt)) return i;
    return -1;
}

void CTree::Notify(uint32_t msg, CTreeNode* node) {
    Window* parent = Parent();
    if (!parent || !node) return;
    TreeNotice notice;
    notice.text = node->text;
    notice.level = node->GetLevel();
    notice.depth = m_nSelectionDepth;
    notice.word = msg == kMsgTreeSelected ? 0 : 2;
    notice.data = node->data;
    notice.kind = node->kind;
    parent->Send(msg, reinterpret_cast<uintptr_t>(&notice), 0);
}

void CTree::ToggleSelect(CTreeNode* node, int row) {
    if (!node->selected) ClearSelection(m_pRoot);
    PlaySample(kSampleSelect, 0);
    node->selected = node->selected ? 0 : 1;
    if (node->selected) Notify(kMsgTreeSelected, node);
    if (row >= 0 && IsAlive()) InvalidateRect(m_Rows[static_cast<size_t>(row)].rect, false);
}

void CTree::GoToTarget(CTreeNode* shortcut) {
    CTreeNode* t = shortcut->target;
    if (!t) return;
    ClearSelection(m_pRoot);
    ExpandAncestors(t);
    if (m_pRoot) m_pRoot->expanded = 1;
    t->selected = 1;
    UpdateScrollBar(false);
    Repaint();
}

void CTree::OnLButtonDown(uint32_t flags, Point pt) {
    if (!m_bClicksEnabled) return;
    const int row = RowAt(pt);
    if (row >= 0) {
        CTreeNode* n = m_Rows[static_cast<size_t>(row)].node;
        if (n->disabled) return;
        if (n->shortcut || n->selectable) {
            ToggleSelect(n, row);
            return;
        }
        BringIntoView(n);
    }
    CXWnd::OnLButtonDown(flags, pt);
}

void CTree::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (!m_bClicksEnabled) return;
    const int row = RowAt(pt);
    if (row < 0) return;
    CTreeNode* n = m_Rows[static_cast<size_t>(row)].node;
    if (n->disabled) return;
    if (m_nExpandLimit != -1 && n->GetLevel() >= m_nExpandLimit) {
        CXWnd::OnLButtonDblClk(flags, pt);
        return;
    }
    if (n->expandable) {
        if (n->shortcut) {
            GoToTarget(n);
        } else {
            n->expanded = n->expanded ? 0 : 1;
            const int under = RowsUnder(n, true);
            if (under > 0 && n->GetLevel() < m_nExpandLimit) {
                PlaySample(n->expanded ? kSampleExpand : kSampleCollapse, 0);
                Notify(n->expanded ? kMsgTreeExpanded : kMsgTreeCollapsed, n);
            }
            UpdateScrollBar(false);
            BringIntoView(n);
        }
    }
    CXWnd::OnLButtonDblClk(flags, pt);
}

void CTree::OnHotSpotClick(int index) {
    CTreeNode* n = GetHotSpotNode(index);
    if (!n) return;
    // Without a limit every level may open.
    if (m_nExpandLimit != -1 && n->GetLevel() >= m_nExpandLimit) return;
    if (n->shortcut) {
        GoToTarget(n);
        return;
    }
    if (n->expanded) {
        PlaySample(kSampleCollapse, 0);
        n->expanded = 0;
        Notify(kMsgTreeCollapsed, n);
    } else {
        PlaySample(kSampleExpand, 0);
        n->expanded = 1;
        Notify(kMsgTreeExpanded, n);
    }
    UpdateScrollBar(false);
    BringIntoView(n);
}

CTreeNode* CTree::GetHotSpotNode(int index) const {
    return index >= 0 && index < kMaxHotSpots ? m_SpotNodes[static_cast<size_t>(index)] : nullptr;
}

void CTree::OnRButtonDown(uint32_t, Point pt) {
    const int row = RowAt(pt);
    m_pRightClickShortcut = nullptr;
    if (row < 0) {
        m_nRightClickRow = -1;
    } else {
        CTreeNode* n = m_Rows[static_cast<size_t>(row)].node;
        if (n->selectable) ToggleSelect(n, row);
        if (n->shortcut && n != m_pRoot) {
            m_nRightClickRow = -2;
            m_pRightClickShortcut = n;
        } else {
            m_nRightClickRow = row;
        }
    }
    if (Window* parent = Parent())
        parent->Send(WM_RBUTTONDOWN, 0, MakePointParam(parent->ScreenToClient(ClientToScreen(pt))));
}

void CTree::OnMouseMove(uint32_t flags, Point pt) {
    CXWnd::OnMouseMove(flags, pt);
    const int row = RowAt(pt);
    if (row < 0) {
        HideTitleTip();
        return;
    }
    MakeFont();
    const Row& r = m_Rows[static_cast<size_t>(row)];
    const std::string text = r.node->text;
    const int width = m_pFont->Measure(text);
    const CTreeNode* parent = r.node->parent;
    const int parentIndent = parent && parent->parent ? IndentOf(parent) : 0;
    const CXBitmap* icon = IconOf(r.node);
    const int iconWidth = icon ? icon->GetWidth() : 0;
    const int start = parentIndent + iconWidth / 2 + 10 + iconWidth + 24;
    const Rect c = ClientRect();
    if (start + width + 5 > c.right) {
        if (row == m_nTitleTipRow && (m_bTitleTipShown || m_bTitleTipTimer)) return;
        HideTitleTip();
        m_TitleTipRect = ClientToScreen(Rect{c.right - width - 7, r.rect.top, c.right, r.rect.bottom + 3});
        m_nTitleTipRow = row;
        if (SetTimer(kTitleTipTimer, kTitleTipMs)) m_bTitleTipTimer = 1;
    } else {
        HideTitleTip();
    }
}

void CTree::OnTimer(uint32_t id) {
    if (id != kTitleTipTimer) return;
    KillTimer(kTitleTipTimer);
    m_bTitleTipTimer = 0;
    if (m_nTitleTipRow < 0) return;
    if (!m_pTitleTip) {
        auto tip = std::make_unique<CTitleTip>();
        if (!tip->Create(this)) return;
        m_pTitleTip = std::move(tip);
    }
    m_pTitleTip->Show(m_TitleTipRect, m_nTitleTipRow);
    m_bTitleTipShown = 1;
}

void CTree::HideTitleTip() {
    if (m_bTitleTipTimer) KillTimer(kTitleTipTimer);
    m_bTitleTipTimer = 0;
    m_bTitleTipShown = 0;
    m_nTitleTipRow = -1;
    if (m_pTitleTip) m_pTitleTip->Hide();
}

void CTree::OnKillFocus(Window* next) {
    HideTitleTip();
    CXWnd::OnKillFocus(next);
}

std::string CTree::GetItemText(uint32_t row) {
    return static_cast<int>(row) < m_nRows && m_Rows[row].node ? m_Rows[row].node->text : std::string();
}

// ---- painting ----

void CTree::Repaint() {
    if (!IsAlive()) return;
    Invalidate(false);
    UpdateNow();
}

void CTree::PaintBuffer() {
    if (m_Buffer.IsEmpty()) return;
    RemoveAllHotSpots();
    m_SpotNodes.fill(nullptr);
    MakeFont();
    Canvas dc(m_Buffer);
    const Rect c{0, 0, m_Buffer.Width(), m_Buffer.Height()};
    const bool picture = m_bShowPicture && m_Background.IsLoaded();
    // Whatever the picture leaves uncovered shows the background colour,
    // not the last paint.
    if (!picture || !m_bTiled) dc.FillSolidRect(c, m_crBackground);
    if (picture) {
        if (m_bTiled) {
            for (int y = 0; y < c.bottom; y += m_Background.GetHeight())
                for (int x = 0; x < c.right; x += m_Background.GetWidth()) m_Background.Draw(dc, x, y);
        } else {
            m_Background.Draw(dc, 0, 0);
        }
    }
    m_nRows = 0;
    if (m_pRoot && m_nSelectionDepth != -1)
        DrawRows(dc);
    else
        DrawPanel(dc);
    UpdateScrollBar(false);
}

void CTree::OnPaint(const PaintContext& pc) {
    const Rect before = ClientRect();
    PaintBuffer();
    // Showing or hiding the scroll bar changed the client: draw again for it.
    if (!(ClientRect() == before)) PaintBuffer();
    Canvas out = pc.MakeCanvas();
    out.BitBlt(0, 0, m_Buffer.Width(), m_Buffer.Height(), m_Buffer, 0, 0);
}

void CTree::DrawRows(Canvas& dc) {
    CTreeNode* first = m_pTopRow ? m_pTopRow : m_pRoot;
    int rowHeight = std::max(m_nTextHeight, m_Expandable.GetHeight());
    if (first->icon >= 0 && first->icon < static_cast<int>(m_Icons.size()))
        rowHeight = std::max(rowHeight, m_Icons[static_cast<size_t>(first->icon)]->GetHeight());
    rowHeight = std::max(rowHeight, 1);
    const int bottom = m_Buffer.Height();
    int top = 0;
    for (CTreeNode* n = first; n && top < bottom && m_nRows < kMaxRows; n = NextRow(n)) {
        if (!n->visible) continue;
        DrawRow(dc, n, top, rowHeight);
        top += rowHeight;
    }
}

const CXBitmap* CTree::IconOf(const CTreeNode* n) const {
    return n && n->icon >= 0 && n->icon < static_cast<int>(m_Icons.size()) ? m_Icons[static_cast<size_t>(n->icon)].get()
                                                                           : nullptr;
}

int CTree::IndentOf(const CTreeNode* n) const {
    const CXBitmap* pi = IconOf(n->parent ? n->parent : n);
    return n->GetLevel() * ((pi ? pi->GetWidth() : 16) / 2 + 10);
}

void CTree::DrawRow(Canvas& dc, CTreeNode* node, int top, int rowHeight) {
    auto iconOf = [&](const CTreeNode* n) { return IconOf(n); };
    auto indentOf = [&](const CTreeNode* n) { return IndentOf(n); };
    const int left = 5;
    const int indent = left + indentOf(node);
    const int mid = top + rowHeight / 2;
    dc.SelectPen(platform::gfx::Pen::Solid(m_crLine, 1));
    // Lines through the row for every ancestor with a later shown sibling.
    for (const CTreeNode* a = node->parent; a; a = a->parent) {
        if (!a->NextVisible()) continue;
        const int x = left + indentOf(a);
        dc.MoveTo(x, top);
        dc.LineTo(x, top + rowHeight);
    }
    dc.MoveTo(indent, top);
    dc.LineTo(indent, mid);
    dc.LineTo(indent + 10, mid);
    if (node->NextVisible()) {
        dc.MoveTo(indent, mid);
        dc.LineTo(indent, top + rowHeight);
    }
    const bool box = (RowsUnder(node, true) > 0 || node->shortcut) && node->GetLevel() < m_nSelectionDepth &&
                     !node->disabled && node->expandable;
    if (box) {
        const CXBitmap& pic = node->shortcut ? m_ShortcutBox : node->expanded ? m_Expanded : m_Expandable;
        const int bx = indent - 4, by = mid - 4;
        pic.Draw(dc, bx, by);
        const int spot = AddHotSpot(Rect::XYWH(bx, by, 9, 9), kSpotClick, 0);
        if (spot >= 0) m_SpotNodes[static_cast<size_t>(spot)] = node;
    }
    const CXBitmap* icon = iconOf(node);
    int textX = indent + 14;
    if (icon) {
        icon->DrawTransparent(dc, indent + 14, mid - icon->GetHeight() / 2, platform::gfx::kKeyColourRef);
        textX += icon->GetWidth();
    }
    dc.SelectFont(m_pFont);
    dc.SetTextAlign(platform::gfx::TA_LEFT | platform::gfx::TA_TOP);
    const int ty = mid - m_nTextHeight / 2;
    if (node->disabled) {
        dc.SetBkMode(platform::gfx::TRANSPARENT);
        dc.SetTextColor(m_crDisabled);
    } else if (node->selected) {
        dc.SetBkMode(platform::gfx::OPAQUE);
        dc.SetBkColor(m_crSelectedBack);
        dc.SetTextColor(m_crSelectedText);
    } else {
        dc.SetBkMode(platform::gfx::TRANSPARENT);
        dc.SetTextColor(node->colour);
    }
    dc.TextOut(textX, ty, node->text);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    m_Rows[static_cast<size_t>(m_nRows)] = {node, Rect{textX, top, m_Buffer.Width(), top + rowHeight}};
    ++m_nRows;
}
