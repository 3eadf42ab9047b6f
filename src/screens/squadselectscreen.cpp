#include "screens/squadselectscreen.h"

#include <algorithm>
#include <cstdio>

#include "platform/gfx/canvas.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "screens/squadscreen_fit.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"
#include "ui/tree.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr unsigned kPageTitle = 10005;  // "Team Selection"
constexpr unsigned kSquadTab = 19432;   // "Squad"
constexpr unsigned kFormationTab = 45055;
constexpr unsigned kNoData = 735;
constexpr unsigned kShortHeadings = 45070;  // "No." .. "En."
constexpr unsigned kLongHeadings = 45090;   // "Shirt number" .. "Energy"
constexpr unsigned kHoldingTip = 48100;
constexpr unsigned kPrintTitle = 48101;  // "Current Squad"
constexpr unsigned kFilterTexts[5] = {48102, 48076, 48077, 48078, 48079};
constexpr int kColumnStart[CSquadSelectScreen::kColumns] = {0,   38,  150, 178, 206, 234, 262,
                                                            290, 318, 346, 374, 402, 430};
constexpr const char* kFilterPictures[5] = {"all", "keeper", "def", "mid", "strike"};
constexpr int kFilterX = 23, kFilterY = 144, kFilterStep = 37, kFilterW = 64, kFilterH = 30;
// Drags redraw only the part of the page they can touch.
constexpr Rect kDragArea = Rect::XYWH(16, 101, 574, 359);
constexpr SurfaceRgb kPositionColours[4] = {{159, 255, 142}, {128, 255, 255}, {255, 179, 131}, {132, 205, 255}};
constexpr SurfaceRgb kUnavailable{128, 128, 128};
// The goalkeeper's kit: plain green shirt, white trim.
constexpr CKits kKeeperKit{{0, 0, 0, 3, 3, 15, 15, 15}};

CScreen* MakeSquadSelectScreen() { return new CSquadSelectScreen(); }

std::string SelectNumber(const char* format, int v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

}  // namespace

void RegisterSquadSelectScreen() { RegisterPageFactory(PageClass::SquadSelect, &MakeSquadSelectScreen); }

PageFactory CSquadSelectScreen::GetPageFactory() const { return &MakeSquadSelectScreen; }

CSquadSelectScreen::CSquadSelectScreen() {
    m_bDirectDrawPage = 1;
    SetBackground("gfx\\backgrounds\\7.bmp");
    SetTitle(platform::LoadString(kPageTitle));
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    CClub* club = world ? world->GetCurrentClub() : nullptr;
    if (!club || !user || !user->IsEmployed()) {
        m_bNoClub = 1;
        return;
    }
    m_club = club;
    m_readOnly = 0;
    m_substitutes = std::clamp(club->GetSubstitutesForNextMatch(), 0, kShirts - 11);
    CompleteNumbering(*club, *user, m_substitutes);
    FillTable();
}

CSquadSelectScreen::~CSquadSelectScreen() = default;

CHumanManager* CSquadSelectScreen::User() const {
    CWorldData* world = GetWorldData();
    return world ? world->GetCurrentUser() : nullptr;
}

CPlayer* CSquadSelectScreen::PlayerOfSlot(int slot) const {
    if (!m_club || slot < 0 || slot >= kSquadSlots) return nullptr;
    const uint16_t id = m_club->GetPlayerId(slot);
    return id == kEmptySlot ? nullptr : GetWorldData()->GetPlayer(id);
}

void CSquadSelectScreen::CompleteNumbering(CClub& club, CHumanManager& user, int substitutes) {
    for (bool gave = true; gave;) {
        gave = false;
        for (int n = 1; n <= 11 + substitutes; ++n) {
            bool worn = false;
            for (int s = 0; s < kSquadSlots && !worn; ++s) worn = club.PlayerInSlot(s) && user.GetSelectedPlayer(s) == n;
            if (worn) continue;
            for (int s = 0; s < kSquadSlots; ++s) {
                const CPlayer* p = club.PlayerInSlot(s);
                if (p && p->IsAvailable() && user.GetSelectedPlayer(s) == 0) {
                    user.SetSelectedPlayer(s, n);
                    gave = true;
                    break;
                }
            }
        }
    }
}

int CSquadSelectScreen::NumberOfSlot(int slot) const {
    if (!m_club || !m_club->PlayerInSlot(slot)) return 0;
    if (!m_readOnly) {
        const CHumanManager* user = User();
        return user ? user->GetSelectedPlayer(slot) : 0;
    }
    int place = 0;
    for (int s = 0; s <= slot; ++s)
        if (m_club->PlayerInSlot(s)) ++place;
    return place > 11 + m_substitutes ? 0 : place;
}

void CSquadSelectScreen::FillTable() {
    m_rows.clear();
    if (!m_club) return;
    int subs = m_club->GetSubstitutesForNextMatch();
    if (subs > kShirts - 11) {
        platform::TraceF("Team selection: %d substitutes served as %d\n", subs, kShirts - 11);
        subs = kShirts - 11;
    }
    m_substitutes = std::max(0, subs);
    const CHumanManager* user = User();
    m_filledSlots = 0;
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = m_club->PlayerInSlot(s);
        if (!p) continue;
        const int place = ++m_filledSlots;
        if (m_filter != 0 && p->GetPosition() != m_filter - 1) continue;
        Row row;
        row.slot = s;
        if (!m_readOnly)
            row.number = user ? user->GetSelectedPlayer(s) : 0;
        else
            row.number = place > 11 + m_substitutes ? kNoNumber : place;
        if (row.number == 0) row.number = kNoNumber;
        row.colour = p->IsAvailable() ? kPositionColours[std::clamp(p->GetPosition(), 0, 3)] : kUnavailable;
        row.cells[0] = SelectNumber("%03d", row.number);
        row.cells[1] = p->GetName();
        const int rating = p->GetKnownAbility(false);
        row.cells[2] = m_readOnly && rating == 0 ? std::string("?") : SelectNumber("%d", rating);
        const CSoccerPlayer& f = p->Football();
        const int skills[10] = {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Dribbling, f.m_Shooting,
                                f.m_Heading,  f.m_Pace,     f.m_Strength, f.m_Flair,  f.m_Energy};
        for (int k = 0; k < 10; ++k) row.cells[size_t(3 + k)] = m_readOnly ? std::string("-") : SelectNumber("%d", skills[k]);
        m_rows.push_back(std::move(row));
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) { return a.number < b.number; });
    m_bar.Init(557, kTableTop, 26, kTableHeight, static_cast<int>(m_rows.size()), kRowHeight);
    m_table.Init(kTableX, kTableTop, kTableWidth, kTableHeight, kColumns, static_cast<int>(m_rows.size()), kRowHeight);
    m_table.headerTop = kHeaderTop;
    m_table.sortable = 0;
    for (int c = 0; c < kColumns; ++c) {
        m_table.SetColumn(platform::LoadString(kShortHeadings + unsigned(c)), platform::LoadString(kLongHeadings + unsigned(c)),
                          c, 0, kAlignLeft);
        m_table.columnStart[size_t(c)] = kColumnStart[c];
    }
    WriteCells();
}

void CSquadSelectScreen::WriteCells() {
    for (size_t r = 0; r < m_rows.size() && r < size_t(SurfaceTable::kMaxRows); ++r)
        for (int c = 0; c < kColumns; ++c) {
            SurfaceTableCell& cell = m_table.cells[r][size_t(c)];
            cell.text = m_rows[r].cells[size_t(c)];
            cell.normal = m_rows[r].colour;
            cell.highlight = {255, 0, 0};
        }
}

void CSquadSelectScreen::Initialise() {
    BuildScreen(kScreen);
    for (uint32_t* t : {&m_timer, &m_repeatTimer})
        if (*t) KillTimer(*t), *t = 0;
    BuildSurfaces();
    CreateFonts(m_pWork.get());
    for (int k = 0; k < 5; ++k) {
        SurfaceButton& b = m_filters[size_t(k)];
        b = SurfaceButton{};
        b.x = kFilterX;
        b.y = kFilterY + kFilterStep * k;
        b.flags = kSbPicture | kSbToggle2;
        b.state = k == m_filter ? 1 : 0;
        b.caption = b.tip = platform::LoadString(kFilterTexts[k]);
        std::unique_ptr<Surface> normal, lit;
        BuildSurfaceFromBitmap(std::string("gfx\\buttons\\") + kFilterPictures[k] + ".bmp", normal);
        BuildSurfaceFromBitmap(std::string("gfx\\buttons\\") + kFilterPictures[k] + "_lo.bmp", lit);
        b.released = std::shared_ptr<Surface>(std::move(normal));
        b.pressed = std::shared_ptr<Surface>(std::move(lit));
    }
    m_timer = StartPageTimer(kTickTimer, kTickMs);
}

void CSquadSelectScreen::BuildSurfaces() {
    const char* backs[2] = {"gfx\\backgrounds\\5a.BMP", "gfx\\backgrounds\\5b.BMP"};
    for (int i = 0; i < 2; ++i)
        if (BuildSurfaceFromBitmap(backs[i], m_pBack[size_t(i)]) != 0 || !m_pBack[size_t(i)])
            m_pBack[size_t(i)] = std::make_unique<Surface>(kWidth, kHeight);
    CopySurface(m_pBack[0].get(), m_pWork);
    m_pNamePlate = std::make_unique<Surface>(100, 23);
    for (int n = 1; n <= 24; ++n) {
        BuildSurfaceFromBitmap("gfx\\match\\surfaces\\redcross" + std::to_string(n) + ".bmp", m_pInjury[size_t(n - 1)]);
        BuildSurfaceFromBitmap("gfx\\match\\surfaces\\red" + std::to_string(n) + ".bmp", m_pSuspension[size_t(n - 1)]);
    }
    BuildKits();
}

void CSquadSelectScreen::BuildKits() {
    for (auto& k : m_pKits) k.reset();
    m_pClubKit.reset();
    if (!m_club) return;
    for (int n = 1; n <= kShirts; ++n) {
        std::unique_ptr<Surface>& kit = m_pKits[size_t(n - 1)];
        BuildKitSurface(kit, kKitTiny, n == 1 ? kKeeperKit : m_club->GetHomeKit());
        if (!kit) continue;
        std::unique_ptr<Surface> number;
        if (BuildSurfaceFromBitmap(SelectNumber("gfx\\kits\\tinykits\\number%02d.bmp", n), number) == 0 && number)
            BlitSurfaceKeyedAt(0, 0, number.get(), kit.get());
    }
    BuildKitSurface(m_pClubKit, kKitFull, m_club->GetHomeKit());
}

void CSquadSelectScreen::Close() {
    for (uint32_t* t : {&m_timer, &m_repeatTimer})
        if (*t) KillTimer(*t), *t = 0;
    DeleteFonts();
    m_pWork.reset();
    for (auto& s : m_pBack) s.reset();
    m_pNamePlate.reset();
    for (auto& s : m_pKits) s.reset();
    for (auto& s : m_pInjury) s.reset();
    for (auto& s : m_pSuspension) s.reset();
    m_pClubKit.reset();
    for (SurfaceButton& b : m_filters) b.released.reset(), b.pressed.reset();
    CScreensInfo::Close();
}

void CSquadSelectScreen::SetClub(CClub* club) {
    const CHumanManager* user = User();
    m_club = club;
    m_bNoClub = club ? 0 : 1;
    const bool own = user && user->IsEmployed() && user->GetClub() == club;
    m_readOnly = own ? 0 : 1;
    m_dragging = 0;
    m_heldNumber = 0;
    m_heldSlot = -1;
    // A computer club shows the team it would pick.
    if (club && m_readOnly && !club->IsHumanManaged()) club->SelectTeam(5);
    BuildKits();
    FillTable();
}

void CSquadSelectScreen::OnTreeSelect(const TreeNotice* item) {
    CScreensInfo::OnTreeSelect(item);
    if (!item || item->kind != kContextClub || !item->data) return;
    SetClub(reinterpret_cast<CClub*>(item->data));
    Redraw(true);
}

int CSquadSelectScreen::RowAt(int x, int y) const {
    if (x < kTableX || x >= kTableX + kTableWidth || y < kTableTop || y >= kTableTop + kTableHeight) return -1;
    const int index = m_bar.position + (y - kTableTop) / kRowHeight;
    return index >= 0 && index < static_cast<int>(m_rows.size()) ? index : -1;
}

// --- drawing ---------------------------------------------------------------

void CSquadSelectScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Redraw(true);
}

void CSquadSelectScreen::DrawKit(int number, int x, int y) {
    if (number < 1 || number > kShirts || !m_pKits[size_t(number - 1)]) return;
    BlitSurfaceKeyedAt(x, y, m_pKits[size_t(number - 1)].get(), m_pWork.get());
}

bool CSquadSelectScreen::ShowsShirt(const Row& row) const {
    return row.number >= 1 && row.number <= kShirts && m_pKits[size_t(row.number - 1)] &&
           !(m_heldNumber != 0 && row.number == m_heldNumber);
}

void CSquadSelectScreen::Compose() {
    Surface* work = m_pWork.get();
    Surface* back = m_pBack[size_t(m_page)].get();
    if (!work || !back) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, back, work);
    if (m_pClubKit) BlitSurfaceKeyed(524, 31, 48, 48, m_pClubKit.get(), work);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kPageTitle), 32, 22);
    if (m_club) DrawShadowText(4, platform::gfx::TA_LEFT, work, FitName(4, m_club->GetName(), kTitleWidth), 32, 61);
    if (!m_club) {
        DrawShadowText(2, platform::gfx::TA_CENTER, work, platform::LoadString(kNoData), 300, 220);
        DrawToolTip(work);
        return;
    }
    const int grey[2] = {m_page == 0 ? 255 : 128, m_page == 1 ? 255 : 128};
    DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kSquadTab), 30, 114, grey[0], grey[0], grey[0]);
    DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kFormationTab), 330, 114, grey[1], grey[1],
                   grey[1]);
    if (m_page == 0)
        ComposeSquadTab();
    else
        ComposeFormationTab();
    DrawToolTip(work);
}

Surface* CSquadSelectScreen::RowIcon(const Row& row) const {
    const int weeks = m_club->GetSlotInjuryEstimate(row.slot);
    if (weeks > 0) return m_pInjury[size_t(std::min(weeks, 24) - 1)].get();
    const int banned = m_club->GetSlotSuspension(row.slot);
    if (banned > 0) return m_pSuspension[size_t(std::min(banned, 24) - 1)].get();
    return nullptr;
}

std::string CSquadSelectScreen::ShownName(int index) const {
    const Row& row = m_rows[size_t(index)];
    const int room = kColumnStart[2] - kColumnStart[1] - 10;
    return FitName(0, row.cells[1], RowIcon(row) ? room - kIconWidth : room);
}

void CSquadSelectScreen::ComposeSquadTab() {
    Surface* work = m_pWork.get();
    // A row's shirt carries its number, so the number's text is left out
    // under it; it shows only while the shirt is parked or for a player
    // without one. A name keeps clear of the injury or suspension icon
    // at the end of its column.
    struct Kept {
        int index;
        std::string number, name;
    };
    std::vector<Kept> kept;
    for (int r = 0; r < m_table.visibleRows; ++r) {
        const int index = m_bar.position + r;
        if (index < 0 || index >= static_cast<int>(m_rows.size()) || index >= SurfaceTable::kMaxRows) break;
        auto& cells = m_table.cells[size_t(index)];
        Kept k{index, cells[0].text, cells[1].text};
        if (ShowsShirt(m_rows[size_t(index)])) cells[0].text.clear();
        cells[1].text = ShownName(index);
        kept.push_back(std::move(k));
    }
    m_table.Draw(*this, work, m_bar);
    for (Kept& k : kept) {
        m_table.cells[size_t(k.index)][0].text = std::move(k.number);
        m_table.cells[size_t(k.index)][1].text = std::move(k.name);
    }
    m_bar.Draw(*this, work);
    for (int r = 0; r < m_table.visibleRows; ++r) {
        const int index = m_bar.position + r;
        if (index < 0 || index >= static_cast<int>(m_rows.size())) break;
        const Row& row = m_rows[size_t(index)];
        const int top = kTableTop + r * kRowHeight;
        if (ShowsShirt(row)) DrawKit(row.number, kTableX + kShirtInset, top);
        if (Surface* icon = RowIcon(row)) BlitSurfaceKeyedAt(kTableX + kColumnStart[2] - kIconWidth, top, icon, work);
    }
    DrawSurfaceButtons(work, m_filters.data(), 5);
    if (m_heldNumber) DrawKit(m_heldNumber, kHeldX, kHeldY);
    if (!m_dragging) return;
    if (m_dragKind == kDragName)
        BlitSurfaceKeyedAt(m_dragX - 30, m_dragY - 11, m_pNamePlate.get(), work);
    else
        DrawKit(m_dragNumber, m_dragX - 11, m_dragY - 11);
}

Point CSquadSelectScreen::FormationPlace(int number) const {
    if (number == 1) return {138, 279};
    if (number >= 2 && number <= 11)
        return {33 * m_club->GetTacticPositionX(number - 2) + 138, 32 * m_club->GetTacticPositionY(number - 2) + 151};
    return {54, 187 + 40 * (number - 12)};
}

std::string CSquadSelectScreen::FormationName(int number) const {
    if (!m_club) return {};
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = m_club->PlayerInSlot(s); p && NumberOfSlot(s) == number) return p->GetName();
    return {};
}

void CSquadSelectScreen::ComposeFormationTab() {
    Surface* work = m_pWork.get();
    for (int number = 1; number <= 11 + m_substitutes; ++number) {
        const Point at = FormationPlace(number);
        DrawKit(number, at.x, at.y);
        DrawColourText(1, platform::gfx::TA_LEFT, work, FormationLabel(number), at.x, at.y + 24, 255, 255, 255);
    }
}

int CSquadSelectScreen::TextWidth(int font, const std::string& text) const { return PageTextWidth(*this, font, text); }

std::string CSquadSelectScreen::FitName(int font, std::string name, int width) const {
    return FitPageText(*this, font, name, width);
}

std::string CSquadSelectScreen::FormationLabel(int number) const {
    // Two players side by side on the pitch stand 66 pixels apart.
    return FitName(1, FormationName(number), number >= 12 ? kBenchNameWidth : kPitchNameWidth);
}

void CSquadSelectScreen::Redraw(bool full) {
    if (!m_pWork || !IsAlive()) return;
    Compose();
    if (full)
        BlitSurfaceToScreen(m_pWork.get(), 0, 0);
    else
        BlitSurfaceRectToScreen(m_pWork.get(), kDragArea.left, kDragArea.top, kDragArea.Width(), kDragArea.Height());
    ++m_nRedraws;
}

// --- the mouse --------------------------------------------------------------

void CSquadSelectScreen::OnLButtonDown(uint32_t /*flags*/, Point pt) { Press(pt, false); }

void CSquadSelectScreen::OnLButtonDblClk(uint32_t /*flags*/, Point pt) { Press(pt, true); }

void CSquadSelectScreen::Press(Point pt, bool doubleClick) {
    Ui::Get().SetCapture(this);
    if (!m_club) return;
    if (pt.y >= 110 && pt.y <= 132 && pt.x >= 14 && pt.x <= 585) {
        m_page = pt.x < 300 ? 0 : 1;
        Redraw(true);
        return;
    }
    if (m_page != 0) return;
    if (m_bar.HitTest(pt.x, pt.y) >= 0) {
        if (m_bar.OnClick(pt.x, pt.y) == 1 && !m_repeatTimer) m_repeatTimer = SetTimer(kRepeatTimer, kRepeatMs);
        Redraw(false);
        return;
    }
    if (pt.x >= kTableX && pt.x < kTableX + kTableWidth && pt.y >= kTableTop && pt.y < kTableTop + kTableHeight) {
        PressTable(pt, doubleClick);
        return;
    }
    for (int k = 0; k < 5; ++k) {
        const Rect r = Rect::XYWH(kFilterX, kFilterY + kFilterStep * k, kFilterW, kFilterH);
        if (!r.Contains(pt) || k == m_filter) continue;
        m_filter = k;
        for (int j = 0; j < 5; ++j) m_filters[size_t(j)].state = j == k ? 1 : 0;
        PlaySample(kSampleButtonPress, 0);
        FillTable();
        Redraw(false);
        return;
    }
    if (m_heldNumber && !m_readOnly && pt.x >= 38 && pt.x <= 62 && pt.y >= 400 && pt.y <= 420) {
        m_dragging = 1;
        m_dragKind = kDragHeld;
        m_dragSlot = -1;
        m_dragNumber = m_heldNumber;
        m_dragX = pt.x;
        m_dragY = pt.y;
        Redraw(false);
    }
}

void CSquadSelectScreen::PressTable(Point pt, bool doubleClick) {
    const int index = RowAt(pt.x, pt.y);
    // Below the last row there is nobody to select or drag.
    if (index < 0) return;
    m_table.selected.fill(0);
    m_table.selected[size_t(index)] = 1;
    PlaySample(kSampleRowClick, 0);
    const Row& row = m_rows[size_t(index)];
    const int column = m_table.ColumnAt(pt.x);
    if (column == 1 && doubleClick) {
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
            if (CPlayer* p = PlayerOfSlot(row.slot)) {
                Ui::Get().ReleaseCapture();
                manager->OpenScreenById(60, reinterpret_cast<intptr_t>(p), 0, 0, 0);
            }
        return;
    }
    if (m_readOnly) {
        Redraw(false);
        return;
    }
    if (column == 0 && row.number != kNoNumber && row.slot != m_heldSlot) {
        m_dragging = 1;
        m_dragKind = kDragShirt;
        m_dragSlot = row.slot;
        m_dragNumber = row.number;
    } else if (column == 1 && row.number != kNoNumber) {
        m_dragging = 1;
        m_dragKind = kDragName;
        m_dragSlot = row.slot;
        m_dragNumber = row.number;
        m_dragRow = index;
        StartNameDrag(row);
    }
    m_dragX = pt.x;
    m_dragY = pt.y;
    Redraw(false);
}

void CSquadSelectScreen::StartNameDrag(const Row& row) {
    // An opaque plate as wide as the name, so it reads over the rows it
    // passes.
    int width = kMinPlateWidth;
    {
        Surface measure(1, 1);
        platform::gfx::Canvas dc(measure);
        if (platform::gfx::FontRef font = GetPageFont(1)) dc.SelectFont(font);
        width = std::clamp(dc.GetTextExtent(row.cells[1]).cx + 10, kMinPlateWidth, kMaxPlateWidth);
    }
    m_pNamePlate = std::make_unique<Surface>(width, kRowHeight, platform::gfx::MakePixel(96, 150, 214));
    Surface* plate = m_pNamePlate.get();
    plate->FillRect(platform::gfx::Rect{1, 1, width - 1, kRowHeight - 1}, platform::gfx::MakePixel(14, 22, 44));
    DrawClippedText(width, 1, platform::gfx::TA_LEFT, plate, row.cells[1], 4, 2, row.colour.red, row.colour.green,
                    row.colour.blue);
}

void CSquadSelectScreen::OnMouseMove(uint32_t flags, Point pt) {
    if (!m_club || m_page != 0) {
        CScreensInfo::OnMouseMove(flags, pt);
        return;
    }
    if (m_dragging) {
        const bool name = m_dragKind == kDragName;
        m_dragX = std::clamp(pt.x, name ? 62 : 32, name ? 530 : 570);
        m_dragY = std::clamp(pt.y, 112, 452);
        const int row = RowAt(pt.x, pt.y);
        m_table.selected.fill(0);
        if (row >= 0) m_table.selected[size_t(row)] = 1;
        Redraw(false);
        return;
    }
    if (m_bar.OnDrag(pt.x, pt.y)) Redraw(false);
    SurfaceToolTip& tip = SurfaceWidgets().tip;
    if (!TrackSurfaceTableHeaderTip(m_table, pt.x, pt.y, 100) && !HoverSurfaceButtons(m_filters.data(), 5, pt.x, pt.y, 200) &&
        kHoldingArea.Contains(pt)) {
        tip.candidate = platform::LoadString(kHoldingTip);
        tip.candidateSource = 300;
    }
    TrackToolTip(pt.x, pt.y);
    CScreensInfo::OnMouseMove(flags, pt);
}

void CSquadSelectScreen::OnLButtonUp(uint32_t /*flags*/, Point pt) {
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    if (m_repeatTimer) KillTimer(m_repeatTimer), m_repeatTimer = 0;
    if (!m_club) return;
    if (m_dragging) {
        Drop(pt);
    } else {
        m_bar.EndDrag();
        ClearCurrentSurfaceButton();
    }
    Redraw(false);
}

void CSquadSelectScreen::Drop(Point pt) {
    m_dragging = 0;
    const int index = RowAt(pt.x, pt.y);
    if (m_page != 0) return;
    switch (m_dragKind) {
        case kDragShirt: DropShirt(index, kHoldingArea.Contains(pt)); break;
        case kDragName: DropName(index); break;
        case kDragHeld: DropHeld(index); break;
        default: break;
    }
    m_dragKind = kDragNone;
    m_dragRow = -1;
}

void CSquadSelectScreen::DropShirt(int index, bool overHoldingArea) {
    if (index < 0) {
        // Off the rows the shirt can only be parked.
        if (overHoldingArea && !m_heldNumber) {
            m_heldNumber = m_dragNumber;
            m_heldSlot = m_dragSlot;
        }
        return;
    }
    Row& target = m_rows[size_t(index)];
    const CPlayer* p = PlayerOfSlot(target.slot);
    if (!p || p->IsInjured() || target.slot == m_dragSlot) return;
    CHumanManager* user = User();
    if (!user) return;
    user->SetSelectedPlayer(target.slot, m_dragNumber);
    const int old = target.number;
    for (Row& r : m_rows)
        if (r.slot == m_dragSlot) {
            r.number = old;
            r.cells[0] = SelectNumber("%03d", old);
        }
    target.number = m_dragNumber;
    target.cells[0] = SelectNumber("%03d", m_dragNumber);
    FollowHeldShirt();
    WriteCells();
}

void CSquadSelectScreen::DropName(int index) {
    if (index < 0 || index == m_dragRow || m_dragRow < 0) return;
    Row& target = m_rows[size_t(index)];
    const CPlayer* dragged = PlayerOfSlot(m_dragSlot);
    const CPlayer* p = PlayerOfSlot(target.slot);
    if (!dragged || !p || p->IsInjured()) return;
    if (dragged->IsInjured() && target.number != kNoNumber) return;
    CHumanManager* user = User();
    if (!user) return;
    user->SetSelectedPlayer(target.slot, m_dragNumber);
    // The players change rows; the numbers stay where they are.
    Row& source = m_rows[size_t(m_dragRow)];
    std::swap(source.slot, target.slot);
    std::swap(source.colour, target.colour);
    for (int c = 1; c < kColumns; ++c) std::swap(source.cells[size_t(c)], target.cells[size_t(c)]);
    FollowHeldShirt();
    WriteCells();
}

void CSquadSelectScreen::DropHeld(int index) {
    if (index < 0) return;
    Row& target = m_rows[size_t(index)];
    if (target.slot == m_heldSlot) {
        m_heldNumber = 0;
        m_heldSlot = -1;
        return;
    }
    const CPlayer* p = PlayerOfSlot(target.slot);
    if (!p || p->IsInjured() || target.number != kNoNumber) return;
    CHumanManager* user = User();
    if (!user) return;
    user->SetSelectedPlayer(target.slot, m_heldNumber);
    for (Row& r : m_rows)
        if (r.slot == m_heldSlot) {
            r.number = kNoNumber;
            r.cells[0] = SelectNumber("%03d", kNoNumber);
        }
    target.number = m_heldNumber;
    target.cells[0] = SelectNumber("%03d", m_heldNumber);
    m_heldNumber = 0;
    m_heldSlot = -1;
    WriteCells();
}

void CSquadSelectScreen::FollowHeldShirt() {
    if (!m_heldNumber) return;
    const CHumanManager* user = User();
    m_heldSlot = -1;
    for (int s = 0; s < kSquadSlots && user; ++s)
        if (m_club->PlayerInSlot(s) && user->GetSelectedPlayer(s) == m_heldNumber) {
            m_heldSlot = s;
            return;
        }
    m_heldNumber = 0;
}

void CSquadSelectScreen::OnRButtonDown(uint32_t flags, Point pt) {
    const bool leftDown = (flags & MK_LBUTTON) != 0;
    const int index = m_club && m_page == 0 ? RowAt(pt.x, pt.y) : -1;
    if (index >= 0) {
        if (!m_readOnly && m_table.ColumnAt(pt.x) == 1)
            if (CPlayer* p = PlayerOfSlot(m_rows[size_t(index)].slot))
                ShowContextMenu(kPlayerMenuCode, pt.x, pt.y, reinterpret_cast<uintptr_t>(p));
    } else if (!leftDown) {
        ShowContextMenu(kScreen, pt.x, pt.y, 0);
    }
    CScreensInfo::OnRButtonDown(flags, pt);
}

void CSquadSelectScreen::OnTimerTick(uint32_t id) {
    if (id == kTickTimer) {
        if (StepToolTip()) Redraw(true);
        return;
    }
    if (id == kRepeatTimer) {
        if ((m_bar.upPressed || m_bar.downPressed) && m_bar.OnClick(m_bar.x + 1, m_bar.upPressed ? m_bar.y + 5 : m_bar.y + m_bar.height - 10) == 1)
            Redraw(false);
        return;
    }
    CScreensInfo::OnTimerTick(id);
}

// --- printing ---------------------------------------------------------------

void CSquadSelectScreen::GetHeadings(std::string& title, std::string& heading1, std::string& heading2,
                                     std::string& heading3) {
    CWorldData* world = GetWorldData();
    title = platform::LoadString(kPrintTitle);
    heading1 = m_club ? m_club->GetName() : std::string();
    heading2 = world ? world->GetDateText() : std::string();
    heading3 = m_club ? m_club->GetManagerNameOrNone() : std::string();
}

void CSquadSelectScreen::Print(platform::gfx::Canvas* dc, PrintInfo* /*info*/) {
    if (!dc || !m_club) return;
    std::string lines[4];
    GetHeadings(lines[0], lines[1], lines[2], lines[3]);
    BeginPrintedPage(dc, lines, 150);
    m_table.Print(*this, dc, {150, -520});
    dc->RestoreDC(-1);
}
