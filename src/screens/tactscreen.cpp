#include "screens/tactscreen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/squadscreen_fit.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr unsigned kPageTitle = 10027;  // "Tactics Editor"
constexpr unsigned kFormationTab = 45055;
constexpr unsigned kTeamTacticsTab = 48110;
constexpr unsigned kNoData = 735;
constexpr unsigned kTacticHeading = 48111, kTacticTip = 48112, kRatingHeading = 45092, kRatingTip = 48113;
constexpr unsigned kNotAssigned = 48114;
constexpr unsigned kPlayerLabels[3] = {48115, 48116, 48117};
constexpr unsigned kTeamLabels[3] = {48180, 48181, 48117};
constexpr unsigned kFlagLabels[2] = {48182, 48183};
constexpr unsigned kSetPieceLabels[5] = {48184, 48185, 48186, 48187, 48188};
constexpr unsigned kFlagTips[2] = {48189, 48183};
constexpr unsigned kDirectionTips[8] = {48140, 48141, 48142, 48143, 48160, 48145, 48146, 48147};
// Role names in index order; three are the position names.
constexpr unsigned kRoleIds[24] = {48150, 48151, 48152, 48153, 48154, 48155, 22,    48157,
                                   23,    48159, 48160, 48161, 48162, 48163, 48164, 48165,
                                   48166, 21,    48168, 48169, 48170, 48171, 48172, 48173};
constexpr uint8_t kRoleTable[9][13] = {
    {0, 0, 0, 1, 2, 3, 3, 3, 4, 5, 5, 5, 5},
    {0, 0, 0, 1, 2, 3, 3, 3, 4, 5, 5, 5, 5},
    {6, 6, 6, 6, 7, 8, 8, 8, 9, 10, 10, 11, 11},
    {12, 12, 12, 12, 13, 14, 14, 14, 15, 16, 16, 11, 11},
    {17, 12, 12, 12, 13, 14, 14, 14, 15, 16, 16, 11, 11},
    {12, 12, 12, 12, 13, 14, 14, 14, 15, 16, 16, 11, 11},
    {6, 6, 6, 6, 7, 8, 8, 8, 9, 10, 10, 11, 11},
    {18, 18, 18, 19, 20, 21, 21, 21, 22, 23, 23, 23, 23},
    {18, 18, 18, 19, 20, 21, 21, 21, 22, 23, 23, 23, 23},
};
// The run directions: arrow button and the arrow's offset from a marker.
struct TactDirection {
    int buttonX, buttonY, arrowX, arrowY;
};
constexpr TactDirection kDirections[8] = {
    {501, 381, -8, -8}, {529, 381, 6, -10}, {556, 381, 22, -8}, {501, 408, -8, 6},
    {556, 408, 20, 6},  {501, 435, -8, 20}, {529, 435, 6, 22},  {556, 435, 20, 20},
};
// The individual buttons: pictures by group (aggression, passing, bias),
// "use the team setting" first.
constexpr const char* kPlayerPictures[3][6] = {
    {"teamagg1", "a-lowaggress", "a-belowavaggress", "a-avaggress", "a-abovavaggress", "a-hiaggress"},
    {"teamagg3", "a-shortpass", "a-mainlyshort", "a-mixpass", "a-mainlong", "a-allongpass"},
    {"teamagg2", "a-verydefens", "a-defensive", "a-Avdefens", "a-attacking", "a-alloutattack"},
};
constexpr const char* kTeamPictures[3][5] = {
    {"lowaggress", "belowavaggress", "avaggress", "abovavaggress", "hiaggress"},
    {"shortpass", "mainlyshort", "mixpass", "mainlong", "allongpass"},
    {"verydefens", "defensive", "Avdefens", "attacking", "alloutattack"},
};
constexpr unsigned kPlayerTips[3] = {48120, 48126, 48132};
constexpr int kLevels[5] = {0, 2, 5, 7, 9};
// The button groups' instruction tables: aggression, passing, bias.
constexpr int kGroupTable[3] = {CTactScreen::kAggression, CTactScreen::kPassing, CTactScreen::kBias};
constexpr int kSetPieceY[5] = {313, 340, 369, 397, 425};
constexpr Rect kDragArea = Rect::XYWH(16, 101, 584, 359);
constexpr Rect kPitchArea = Rect::XYWH(270, 134, 307, 215);
constexpr CKits kKeeperKit{{0, 0, 0, 3, 3, 15, 15, 15}};

CScreen* MakeTactScreen() { return new CTactScreen(); }

std::shared_ptr<Surface> TactPicture(CScreen& page, const std::string& path) {
    std::unique_ptr<Surface> s;
    page.BuildSurfaceFromBitmap(path, s);
    return std::shared_ptr<Surface>(std::move(s));
}

int HighestBit(int v) {
    for (int b = 128; b; b >>= 1)
        if (v & b) return b;
    return 0;
}

}  // namespace

void RegisterTactScreen() { RegisterPageFactory(PageClass::Tact, &MakeTactScreen); }

PageFactory CTactScreen::GetPageFactory() const { return &MakeTactScreen; }

CTactScreen::CTactScreen() {
    m_bDirectDrawPage = 1;
    SetBackground("gfx\\backgrounds\\33.bmp");
    SetTitle(platform::LoadString(kPageTitle));
    for (int i = 0; i < 24; ++i) m_roleNames[size_t(i)] = platform::LoadString(kRoleIds[i]);
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (!world || !user || !user->IsEmployed() || !world->GetCurrentClub()) return;
    m_club = world->GetCurrentClub();
    ReadFormation();
    FillList();
}

CTactScreen::~CTactScreen() = default;

CHumanManager* CTactScreen::User() const {
    CWorldData* world = GetWorldData();
    return m_club && world ? world->GetCurrentUser() : nullptr;
}

int CTactScreen::CurrentIndex() const {
    const CHumanManager* user = User();
    return user ? user->GetCurrentTactic() : 0;
}

CSoccerTactic* CTactScreen::Current() const {
    const CHumanManager* user = User();
    return user ? user->GetCurrentTacticObject() : nullptr;
}

bool CTactScreen::IsEditingName() const {
    return const_cast<CTactScreen*>(this)->SurfaceWidgets().edit.active != 0;
}

int CTactScreen::DirectionMask(int x, int y) {
    int mask = 0xFF;
    if (x <= 0) mask &= 0xD6;
    if (x >= kColumns - 1) mask &= 0x6B;
    if (y <= 0) mask &= 0xF8;
    if (y >= kRows - 1) mask &= 0x1F;
    return mask;
}

int CTactScreen::LevelButton(int v) {
    if (v <= 0) return 0;
    if (v <= 3) return 1;
    if (v <= 6) return 2;
    if (v <= 8) return 3;
    return 4;
}

// The team instructions and the directions of the current formation.
void CTactScreen::ReadFormation() {
    const CSoccerTactic* t = Current();
    if (!t) return;
    m_teamBias = t->m_Instructions[0];
    m_teamPassing = t->m_Instructions[1];
    m_offsideTrap = t->m_Instructions[2];
    m_attackOnBreak = t->m_Instructions[3];
    m_teamAggression = t->m_Aggression;
    for (int i = 0; i < kPlayers; ++i) {
        const int moves = i < t->m_Roles.GetSize() ? t->m_Roles.GetAt(i) : 0;
        m_firstDirection[size_t(i)] = HighestBit(moves);
        m_secondDirection[size_t(i)] = moves & ~m_firstDirection[size_t(i)];
    }
}

void CTactScreen::StoreDirections(int player) {
    CSoccerTactic* t = Current();
    if (!t || player < 0 || player >= t->m_Roles.GetSize()) return;
    t->m_Roles.SetAt(player, static_cast<uint8_t>(m_firstDirection[size_t(player)] | m_secondDirection[size_t(player)]));
}

int CTactScreen::Instruction(int table, int player) const {
    const CHumanManager* user = User();
    if (!user || player < 0 || player >= kPlayers) return 0;
    const int v = user->m_Instructions[size_t(table)][size_t(CurrentIndex())][size_t(player)];
    if (v < 0 || v > 5) {
        platform::TraceF("Tactics editor: instruction %d read as the team setting\n", v);
        return 0;
    }
    return v;
}

void CTactScreen::FillList() {
    const CHumanManager* user = User();
    const int count = user ? std::min(user->GetTacticCount(), SurfaceTable::kMaxRows) : 0;
    m_list.Init(28, 163, 213, 184, 2, count, 23);
    m_list.headerTop = 141;
    m_list.sortable = 0;
    m_list.SetColumn(platform::LoadString(kTacticHeading), platform::LoadString(kTacticTip), 0, 0, kAlignLeft);
    m_list.SetColumn(platform::LoadString(kRatingHeading), platform::LoadString(kRatingTip), 1, 0, kAlignLeft);
    m_list.columnStart = {0, 156};
    m_bar.Init(251, 165, 26, 184, count, 23);
    const int current = CurrentIndex();
    m_bar.position = std::clamp(current, 0, std::max(0, count - m_bar.page));
    m_bar.PlaceThumb();
    m_list.selected.fill(0);
    if (current < count) m_list.selected[size_t(current)] = 1;
    FillRatings();
}

void CTactScreen::FillRatings() {
    const CHumanManager* user = User();
    if (!user) return;
    for (int r = 0; r < m_list.rowCount; ++r) {
        const CSoccerTactic* t = user->GetTactic(static_cast<uint8_t>(r));
        const int colour = t && t->m_Custom ? 2 : 0;
        SetSurfaceTableCell(m_list, 0, r, user->GetTacticName(r), colour);
        SetSurfaceTableCell(m_list, 1, r, t ? t->GetFamiliarityText() : std::string(), colour);
    }
}

void CTactScreen::Initialise() {
    BuildScreen(kScreen);
    for (uint32_t* t : {&m_timer, &m_repeatTimer})
        if (*t) KillTimer(*t), *t = 0;
    BuildSurfaces();
    CreateFonts(m_pWork.get());
    BuildButtons();
    SetPressedStates();
    m_timer = StartPageTimer(kTickTimer, kTickMs);
}

void CTactScreen::BuildSurfaces() {
    const char* backs[2] = {"gfx\\backgrounds\\33.bmp", "gfx\\backgrounds\\27b.bmp"};
    for (int i = 0; i < 2; ++i)
        if (BuildSurfaceFromBitmap(backs[i], m_pBack[size_t(i)]) != 0 || !m_pBack[size_t(i)])
            m_pBack[size_t(i)] = std::make_unique<Surface>(kWidth, kHeight);
    CopySurface(m_pBack[0].get(), m_pWork);
    BuildSurfaceFromBitmap("gfx\\match\\surfaces\\tiny outline.bmp", m_pOutline);
    BuildSurfaceFromBitmap("gfx\\match\\surfaces\\tiny tick.bmp", m_pTick);
    for (int d = 0; d < 8; ++d)
        BuildSurfaceFromBitmap("gfx\\match\\surfaces\\warrow" + std::to_string(d + 1) + ".bmp", m_pArrows[size_t(d)]);
    if (!m_club) return;
    BuildKitSurface(m_pKeeperKit, kKitTiny, kKeeperKit);
    for (int i = 0; i < kPlayers; ++i) {
        BuildKitSurface(m_pKits[size_t(i)], kKitTiny, m_club->GetHomeKit());
        char path[64];
        std::snprintf(path, sizeof path, "gfx\\kits\\tinykits\\number%02d.bmp", i + 2);
        std::unique_ptr<Surface> number;
        if (m_pKits[size_t(i)] && BuildSurfaceFromBitmap(path, number) == 0 && number)
            BlitSurfaceKeyedAt(0, 0, number.get(), m_pKits[size_t(i)].get());
    }
    BuildKitSurface(m_pClubKit, kKitFull, m_club->GetHomeKit());
}

void CTactScreen::BuildButtons() {
    const std::string folder = "gfx\\buttons\\tactics\\";
    for (SurfaceButton& b : m_playerButtons) b = SurfaceButton{};
    for (int k = 0; k < 2; ++k) {
        SurfaceButton& b = m_playerButtons[size_t(k)];
        b.x = k == 0 ? 271 : 469;
        b.y = 369;
        b.flags = kSbPicture | kSbHidden;
    }
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 6; ++k) {
            SurfaceButton& b = m_playerButtons[size_t(2 + 6 * g + k)];
            b.x = 277 + 36 * k;
            b.y = 394 + 21 * g;
            b.flags = kSbPicture | kSbToggle2;
            b.tip = platform::LoadString(kPlayerTips[g] + unsigned(k));
            const std::string name = kPlayerPictures[g][k];
            b.released = TactPicture(*this, folder + name + ".bmp");
            const std::string lit = k == 0 ? name + " hi" : "a-hi" + name.substr(2);
            b.pressed = TactPicture(*this, folder + lit + ".bmp");
        }
    for (int d = 0; d < 8; ++d) {
        SurfaceButton& b = m_playerButtons[size_t(20 + d)];
        b.x = kDirections[d].buttonX;
        b.y = kDirections[d].buttonY;
        b.flags = kSbPicture;
        b.tip = platform::LoadString(kDirectionTips[d]);
        b.released = b.pressed = TactPicture(*this, "gfx\\match\\surfaces\\warrow" + std::to_string(d + 1) + ".bmp");
    }
    for (SurfaceButton& b : m_teamButtons) b = SurfaceButton{};
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 5; ++k) {
            SurfaceButton& b = m_teamButtons[size_t(5 * g + k)];
            b.x = 282 + 59 * k;
            b.y = 141 + 39 * g;
            b.flags = kSbPicture | kSbToggle2;
            b.tip = platform::LoadString(kPlayerTips[g] + unsigned(k + 1));
            b.released = TactPicture(*this, folder + kTeamPictures[g][k] + ".bmp");
            b.pressed = TactPicture(*this, folder + "hi" + kTeamPictures[g][k] + ".bmp");
        }
    for (int k = 0; k < 2; ++k) {
        SurfaceButton& b = m_teamButtons[size_t(15 + k)];
        b.x = 559;
        b.y = 263 + 23 * k;
        b.flags = kSbPicture | kSbToggle;
        b.tip = platform::LoadString(kFlagTips[k]);
        b.released = TactPicture(*this, "gfx\\buttons\\check_off.bmp");
        b.pressed = TactPicture(*this, "gfx\\buttons\\check_on.bmp");
    }
}

void CTactScreen::SetPressedStates() {
    for (int g = 0; g < 3; ++g) {
        const int v = Instruction(kGroupTable[g], m_selectedPlayer);
        for (int k = 0; k < 6; ++k) m_playerButtons[size_t(2 + 6 * g + k)].state = k == v ? 1 : 0;
    }
    const int team[3] = {m_teamAggression, m_teamPassing, m_teamBias};
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 5; ++k) m_teamButtons[size_t(5 * g + k)].state = k == LevelButton(team[g]) ? 1 : 0;
    m_teamButtons[15].state = m_offsideTrap ? 1 : 0;
    m_teamButtons[16].state = m_attackOnBreak ? 1 : 0;
}

void CTactScreen::Close() {
    for (uint32_t* t : {&m_timer, &m_repeatTimer})
        if (*t) KillTimer(*t), *t = 0;
    DeleteFonts();
    m_pWork.reset();
    for (auto& s : m_pBack) s.reset();
    m_pKeeperKit.reset();
    for (auto& s : m_pKits) s.reset();
    m_pClubKit.reset();
    m_pOutline.reset();
    m_pTick.reset();
    for (auto& s : m_pArrows) s.reset();
    for (SurfaceButton& b : m_playerButtons) b.released.reset(), b.pressed.reset();
    for (SurfaceButton& b : m_teamButtons) b.released.reset(), b.pressed.reset();
    CScreensInfo::Close();
}

// --- queries ----------------------------------------------------------------

Point CTactScreen::MarkerPlace(int player) const {
    const CSoccerTactic* t = Current();
    if (!t) return {0, 0};
    int x = t->m_Depth[size_t(player)], y = t->m_Width[size_t(player)];
    if (x < 0 || x >= kColumns || y < 0 || y >= kRows) {
        platform::TraceF("Tactics editor: cell (%d, %d) drawn at the nearest cell\n", x, y);
        x = std::clamp(x, 0, kColumns - 1);
        y = std::clamp(y, 0, kRows - 1);
    }
    return {kPitchX + kCell * x, kPitchY + kCell * y};
}

Rect CTactScreen::ListRowRect(int row) const {
    return Rect::XYWH(m_list.x, m_list.bodyTop + (row - m_bar.position) * m_list.rowHeight, m_list.width,
                      m_list.rowHeight);
}

Point CTactScreen::SetPieceCell(int row, int column) { return {284 + 26 * column, kSetPieceY[row]}; }

std::string CTactScreen::RoleName(int x, int y) const {
    x = std::clamp(x, 0, kColumns - 1);
    y = std::clamp(y, 0, kRows - 1);
    return m_roleNames[kRoleTable[y][x]];
}

CPlayer* CTactScreen::PlayerWearing(int number) const {
    const CHumanManager* user = User();
    if (!user || !m_club) return nullptr;
    for (int s = 0; s < kSquadSlots; ++s) {
        const uint16_t id = m_club->GetPlayerId(s);
        if (id != kEmptySlot && user->GetSelectedPlayer(s) == number) return GetWorldData()->GetPlayer(id);
    }
    return nullptr;
}

std::string CTactScreen::GetSelectedName() const {
    const CPlayer* p = PlayerWearing(m_selectedPlayer + 2);
    return p ? p->GetName() : platform::LoadString(kNotAssigned);
}

std::string CTactScreen::GetSelectedRole() const {
    const CSoccerTactic* t = Current();
    if (!t) return {};
    return RoleName(t->m_Depth[size_t(m_selectedPlayer)], t->m_Width[size_t(m_selectedPlayer)]);
}

int CTactScreen::MarkerAt(int cellX, int cellY) const {
    const CSoccerTactic* t = Current();
    int hit = -1;
    for (int i = 0; t && i < kPlayers; ++i)
        if (t->m_Depth[size_t(i)] == cellX && t->m_Width[size_t(i)] == cellY) hit = i;
    return hit;
}

// --- drawing ----------------------------------------------------------------

void CTactScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Redraw(true);
}

void CTactScreen::DrawMarker(int player, int x, int y, bool outline) {
    Surface* work = m_pWork.get();
    if (Surface* kit = m_pKits[size_t(player)].get()) BlitSurfaceKeyedAt(x, y, kit, work);
    if (outline && m_pOutline) BlitSurfaceKeyedAt(x, y, m_pOutline.get(), work);
    const int moves = m_firstDirection[size_t(player)] | m_secondDirection[size_t(player)];
    for (int d = 0; d < 8; ++d)
        if ((moves & (1 << d)) && m_pArrows[size_t(d)])
            BlitSurfaceKeyedAt(x + kDirections[d].arrowX, y + kDirections[d].arrowY, m_pArrows[size_t(d)].get(), work);
}

void CTactScreen::DrawPitch() {
    if (m_pKeeperKit) BlitSurfaceKeyedAt(kKeeperX, kKeeperY, m_pKeeperKit.get(), m_pWork.get());
    const int selected = m_selectedMarker ? m_selectedPlayer : -1;
    for (int i = 0; i < kPlayers; ++i) {
        if (i == selected) continue;
        const Point at = MarkerPlace(i);
        DrawMarker(i, at.x, at.y, false);
    }
    if (m_dragging)
        DrawMarker(m_selectedPlayer, m_dragX, m_dragY, true);
    else if (selected >= 0) {
        const Point at = MarkerPlace(selected);
        DrawMarker(selected, at.x, at.y, true);
    }
}

void CTactScreen::ComposeFormation() {
    Surface* work = m_pWork.get();
    DrawPitch();
    m_list.Draw(*this, work, m_bar);
    DrawSurfaceEdit(work);
    m_bar.Draw(*this, work);
    if (m_pKits[size_t(m_selectedPlayer)]) BlitSurfaceKeyedAt(522, 402, m_pKits[size_t(m_selectedPlayer)].get(), work);
    DrawShadowText(1, platform::gfx::TA_LEFT, work, GetSelectedName(), 100, 371);
    DrawShadowText(1, platform::gfx::TA_LEFT, work, GetSelectedRole(), 320, 371);
    for (int g = 0; g < 3; ++g)
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kPlayerLabels[g]), 30, 395 + 21 * g);
    DrawSurfaceButtons(work, m_playerButtons.data(), kPlayerButtons);
}

void CTactScreen::ComposeTeamTactics() {
    Surface* work = m_pWork.get();
    for (int g = 0; g < 3; ++g)
        DrawShadowText(0, platform::gfx::TA_LEFT, work, platform::LoadString(kTeamLabels[g]), 30, 148 + 39 * g);
    DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kFlagLabels[0]), 30, 265);
    DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kFlagLabels[1]), 30, 288);
    const CHumanManager* user = User();
    for (int row = 0; row < 5; ++row) {
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kSetPieceLabels[row]), 30,
                       row == 0 ? 318 : 346 + 28 * (row - 1));
        for (int n = row == 0 ? 0 : 1; n <= 10; ++n) {
            Surface* kit = n == 0 ? m_pKeeperKit.get() : m_pKits[size_t(n - 1)].get();
            if (kit) BlitSurfaceKeyedAt(284 + 26 * n, kSetPieceY[row], kit, work);
        }
        const int p = user ? user->m_TacticSliders[size_t(row)] : 0;
        if (p >= (row == 0 ? 1 : 2) && p <= 11 && m_pTick)
            BlitSurfaceKeyedAt(258 + 26 * p, kSetPieceY[row], m_pTick.get(), work);
    }
    DrawSurfaceButtons(work, m_teamButtons.data(), kTeamButtons);
}

void CTactScreen::Compose() {
    Surface* work = m_pWork.get();
    Surface* back = m_pBack[size_t(m_page)].get();
    if (!work || !back) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, back, work);
    if (m_pClubKit) BlitSurfaceKeyed(524, 31, 48, 48, m_pClubKit.get(), work);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kPageTitle), 32, 22);
    if (!m_club) {
        DrawShadowText(2, platform::gfx::TA_CENTER, work, platform::LoadString(kNoData), 300, 220);
        return;
    }
    // From x 32 the name ends short of the club kit at 524.
    DrawShadowText(4, platform::gfx::TA_LEFT, work, FitPageText(*this, 4, m_club->GetName(), 490), 32, 61);
    const int grey[2] = {m_page == 0 ? 255 : 128, m_page == 1 ? 255 : 128};
    DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kFormationTab), 30, 114, grey[0], grey[0],
                   grey[0]);
    DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kTeamTacticsTab), 330, 114, grey[1], grey[1],
                   grey[1]);
    if (m_page == 0)
        ComposeFormation();
    else
        ComposeTeamTactics();
    DrawToolTip(work);
}

void CTactScreen::Redraw(bool full) {
    if (!m_pWork || !IsAlive()) return;
    Compose();
    if (full)
        BlitSurfaceToScreen(m_pWork.get(), 0, 0);
    else if (m_dragging)
        BlitSurfaceRectToScreen(m_pWork.get(), kPitchArea.left, kPitchArea.top, kPitchArea.Width(), kPitchArea.Height());
    else
        BlitSurfaceRectToScreen(m_pWork.get(), kDragArea.left, kDragArea.top, kDragArea.Width(), kDragArea.Height());
}

// --- the mouse and keys -----------------------------------------------------

void CTactScreen::OnLButtonDown(uint32_t /*flags*/, Point pt) { Press(pt, false); }

void CTactScreen::OnLButtonDblClk(uint32_t /*flags*/, Point pt) { Press(pt, true); }

void CTactScreen::Press(Point pt, bool doubleClick) {
    m_lastX = pt.x;
    m_lastY = pt.y;
    Ui::Get().SetCapture(this);
    Ui::Get().SetFocus(this);
    if (!m_club || IsEditingName()) return;
    if (pt.y >= 110 && pt.y < 133 && pt.x >= 14 && pt.x < 586) {
        m_page = pt.x < 300 ? 0 : 1;
        Redraw(true);
        return;
    }
    if (m_page == 0) {
        if (pt.x >= 283 && pt.x < 567 && pt.y >= 142 && pt.y < 338)
            PressPitch(pt, doubleClick);
        else if (m_bar.HitTest(pt.x, pt.y) >= 0) {
            if (m_bar.OnClick(pt.x, pt.y) == 1 && !m_repeatTimer) m_repeatTimer = SetTimer(kRepeatTimer, kRepeatMs);
        } else if (m_list.OnClick(m_bar, pt.x, pt.y, 0, 0) == 1)
            PressList(pt, doubleClick);
        else
            PressPlayerButtons(pt);
    } else {
        PressTeamTactics(pt);
    }
    Redraw(false);
}

void CTactScreen::OpenPlayer(CPlayer* player) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!player || !manager) return;
    Ui::Get().ReleaseCapture();
    manager->OpenScreenById(60, reinterpret_cast<intptr_t>(player), 0, 0, 0);
}

void CTactScreen::PressPitch(Point pt, bool doubleClick) {
    const int cx = (pt.x - 283) / kCell, cy = (pt.y - 142) / kCell;
    const int hit = MarkerAt(cx, cy);
    if (doubleClick) {
        // The marker opens whoever wears its number now.
        if (cx == 0 && cy == 4 && hit < 0)
            OpenPlayer(PlayerWearing(1));
        else if (hit >= 0)
            OpenPlayer(PlayerWearing(hit + 2));
        return;
    }
    if (hit < 0) return;
    PlaySample(kSampleRowClick, 0);
    m_selectedPlayer = hit;
    m_selectedMarker = hit + 1;
    if (CurrentIndex() >= CSoccerTacticList::kBuiltIn) {
        m_dragging = 1;
        m_dragX = pt.x - 11;
        m_dragY = pt.y - 11;
    }
    SetPressedStates();
}

void CTactScreen::PressList(Point pt, bool doubleClick) {
    const int row = m_bar.position + (pt.y - m_list.bodyTop) / m_list.rowHeight;
    CHumanManager* user = User();
    if (!user || row < 0 || row >= m_list.rowCount) return;
    const CSoccerTactic* t = user->GetTactic(static_cast<uint8_t>(row));
    if (doubleClick) {
        if (m_list.ColumnAt(pt.x) == 0 && t && t->m_Custom) {
            m_editRow = row;
            BeginSurfaceTableEdit(m_list, m_bar, 0, row);
        }
        return;
    }
    GetWorldData()->QueryCurrentClub(row);
    user->SetCurrentTactic(static_cast<uint8_t>(row));
    ReadFormation();
    SetPressedStates();
}

bool CTactScreen::PressPlayerButtons(Point pt) {
    for (int i = 2; i < kPlayerButtons; ++i) {
        const SurfaceButton& b = m_playerButtons[size_t(i)];
        const Rect r = b.released ? Rect::XYWH(b.x, b.y, b.released->Width(), b.released->Height())
                                  : Rect::XYWH(b.x, b.y, i < 20 ? 28 : 10, i < 20 ? 17 : 10);
        if (!r.Contains(pt)) continue;
        PlaySample(kSampleButtonPress, 0);
        if (i >= 20) {
            ToggleDirection(1 << (i - 20));
            return true;
        }
        const int group = (i - 2) / 6, value = (i - 2) % 6;
        if (CHumanManager* user = User())
            user->m_Instructions[size_t(kGroupTable[group])][size_t(CurrentIndex())][size_t(m_selectedPlayer)] = value;
        SetPressedStates();
        return true;
    }
    return false;
}

void CTactScreen::ToggleDirection(int bit) {
    const CSoccerTactic* t = Current();
    if (!t) return;
    const int p = m_selectedPlayer;
    const int d = bit & DirectionMask(t->m_Depth[size_t(p)], t->m_Width[size_t(p)]);
    // A direction off the pitch is no click at all.
    if (!d) return;
    int& first = m_firstDirection[size_t(p)];
    int& second = m_secondDirection[size_t(p)];
    if (first == 0)
        first = d;
    else if (first == d)
        first = second, second = 0;
    else if (second == d)
        second = 0;
    else if (second == 0)
        second = d;
    else
        first = second, second = d;
    StoreDirections(p);
}

bool CTactScreen::PressTeamTactics(Point pt) {
    CHumanManager* user = User();
    CSoccerTactic* t = Current();
    if (!user || !t) return false;
    if (pt.x >= 280 && pt.x < 565 && pt.y >= 312 && pt.y < 449) {
        const int n = (pt.x - 280) / 26, row = (pt.y - 312) / 28;
        if (row == 0 || n > 0) user->m_TacticSliders[size_t(row)] = n + 1;
        return true;
    }
    for (int i = 0; i < kTeamButtons; ++i) {
        const SurfaceButton& b = m_teamButtons[size_t(i)];
        const Rect r = b.released ? Rect::XYWH(b.x, b.y, b.released->Width(), b.released->Height())
                                  : Rect::XYWH(b.x, b.y, i < 15 ? 56 : 16, i < 15 ? 36 : 16);
        if (!r.Contains(pt)) continue;
        PlaySample(kSampleButtonPress, 0);
        const int level = i < 15 ? kLevels[i % 5] : 0;
        switch (i / 5) {
            case 0: t->m_Aggression = static_cast<uint8_t>(m_teamAggression = level); break;
            case 1: t->m_Instructions[1] = static_cast<uint8_t>(m_teamPassing = level); break;
            case 2: t->m_Instructions[0] = static_cast<uint8_t>(m_teamBias = level); break;
            default:
                if (i == 15) t->m_Instructions[2] = m_offsideTrap = m_offsideTrap == 0 ? 1 : 0;
                if (i == 16) t->m_Instructions[3] = m_attackOnBreak = m_attackOnBreak ^ 1;
                break;
        }
        SetPressedStates();
        return true;
    }
    return false;
}

void CTactScreen::OnMouseMove(uint32_t flags, Point pt) {
    m_lastX = pt.x;
    m_lastY = pt.y;
    if (!m_club || IsEditingName()) {
        CScreensInfo::OnMouseMove(flags, pt);
        return;
    }
    ClearToolTipText();
    SurfaceToolTip& tip = SurfaceWidgets().tip;
    if (m_page == 0 && m_dragging) {
        const int x = std::clamp(pt.x, 283, 565), y = std::clamp(pt.y, 145, 336);
        m_dragX = x - 11;
        m_dragY = y - 11;
        Redraw(false);
        return;
    }
    if (m_page == 0) {
        if (m_bar.OnDrag(pt.x, pt.y)) {
            Redraw(false);
        } else if (TrackSurfaceTableHeaderTip(m_list, pt.x, pt.y, 100)) {
        } else if (HoverSurfaceButtons(m_playerButtons.data(), kPlayerButtons, pt.x, pt.y, 200)) {
        } else if (pt.x >= 283 && pt.x <= 566 && pt.y >= 142 && pt.y <= 337) {
            const int cx = (pt.x - 283) / kCell, cy = (pt.y - 142) / kCell;
            const int hit = MarkerAt(cx, cy);
            if (hit >= 0 || (cx == 0 && cy == 4)) {
                const int number = hit >= 0 ? hit + 2 : 1;
                const CPlayer* p = PlayerWearing(number);
                tip.candidate = p ? p->GetName() : platform::LoadString(kNotAssigned);
                tip.candidateSource = 300 + number;
            }
        }
    } else if (!HoverSurfaceButtons(m_teamButtons.data(), kTeamButtons, pt.x, pt.y, 400) && pt.x >= 280 &&
               pt.x <= 564 && pt.y >= 312 && pt.y <= 448) {
        const int n = (pt.x - 280) / 26, row = (pt.y - 312) / 28;
        if (row == 0 || n > 0)
            if (const CPlayer* p = PlayerWearing(n + 1)) {
                tip.candidate = p->GetName();
                tip.candidateSource = 500 + n;
            }
    }
    TrackToolTip(pt.x, pt.y);
    CScreensInfo::OnMouseMove(flags, pt);
}

void CTactScreen::OnLButtonUp(uint32_t /*flags*/, Point /*pt*/) {
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    if (m_repeatTimer) KillTimer(m_repeatTimer), m_repeatTimer = 0;
    if (!m_club) return;
    if (m_page == 0 && m_dragging)
        Drop();
    else
        m_bar.EndDrag();
    ClearCurrentSurfaceButton();
    Redraw(false);
}

void CTactScreen::Drop() {
    m_dragging = 0;
    CHumanManager* user = User();
    CSoccerTactic* t = Current();
    if (!user || !t) return;
    const int p = m_selectedPlayer;
    const int cx = std::clamp((m_dragX + 11 - 283) / kCell, 0, kColumns - 1);
    const int cy = std::clamp((m_dragY + 11 - 142) / kCell, 0, kRows - 1);
    // The same cell again: nothing moved, the familiarity stays.
    if (cx == t->m_Depth[size_t(p)] && cy == t->m_Width[size_t(p)]) return;
    if (cx <= 1 && cy >= 3 && cy <= 5) return;
    for (int i = 0; i < kPlayers; ++i)
        if (i != p && std::abs(t->m_Depth[size_t(i)] - cx) <= 1 && std::abs(t->m_Width[size_t(i)] - cy) <= 1) return;
    user->GetTacticList().SetPositionDepth(p, cx);
    user->GetTacticList().SetPositionWidth(p, cy);
    const int mask = DirectionMask(cx, cy);
    int first = m_firstDirection[size_t(p)] & mask, second = m_secondDirection[size_t(p)] & mask;
    if (!first) first = second, second = 0;
    m_firstDirection[size_t(p)] = first;
    m_secondDirection[size_t(p)] = second;
    StoreDirections(p);
    FillRatings();
}

void CTactScreen::OnRButtonDown(uint32_t flags, Point pt) {
    if (!(flags & MK_LBUTTON)) ShowContextMenu(kScreen, pt.x, pt.y, 0);
    CScreensInfo::OnRButtonDown(flags, pt);
}

void CTactScreen::OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) {
    if (!IsEditingName()) {
        CScreensInfo::OnKeyDown(vk, repeatCount, flags);
        return;
    }
    OnSurfaceEditKey(vk, repeatCount, static_cast<uint32_t>(flags), false);
    if (!IsEditingName() && vk == VK_RETURN && m_editRow >= 0) {
        if (CHumanManager* user = User())
            user->GetTacticList().Rename(m_editRow, SurfaceWidgets().edit.text);
        m_editRow = -1;
        FillRatings();
    }
    Redraw(false);
}

void CTactScreen::OnChar(uint8_t ch, uint32_t repeatCount) {
    if (!IsEditingName()) {
        CScreensInfo::OnChar(ch, repeatCount);
        return;
    }
    // Space comes as a key; the character would add it twice.
    if (ch != ' ') OnSurfaceEditKey(ch, repeatCount, 0, true);
    Redraw(false);
}

void CTactScreen::OnTimerTick(uint32_t id) {
    if (id == kTickTimer) {
        if (StepToolTip()) Redraw(true);
        return;
    }
    if (id == kRepeatTimer) {
        if ((m_bar.upPressed || m_bar.downPressed) && m_bar.OnClick(m_lastX, m_lastY) == 1) Redraw(false);
        return;
    }
    CScreensInfo::OnTimerTick(id);
}
