#include "screens/trainscreen.h"

#include <algorithm>
#include <cstdio>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/squadscreen_fit.h"
#include "screens/tactscreen.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr unsigned kTrainingTitle = 10036;
constexpr unsigned kTabs[3] = {48200, 48201, 48202};
constexpr int kTabX[3] = {108, 298, 490};
constexpr unsigned kNoData = 735;
constexpr unsigned kSessionsText = 48203;
constexpr unsigned kDayTexts = 48211;   // "Mon" .. "Fri"
constexpr unsigned kTimeTexts = 48216;  // the four session times
constexpr unsigned kKindTexts[8] = {48204, 48205, 48201, 45056, 48206, 48207, 48208, 48209};
constexpr const char* kKindPictures[8] = {"train_freetime", "train_5aside",   "train_individual",   "train_tactics",
                                          "train_setpiece", "train_corners", "train_offsidetrap", "train_penalties"};
constexpr unsigned kCategoryTexts[8] = {48220, 48221, 48222, 48223, 45099, 45100, 48224, 48225};
constexpr unsigned kShareFormat = 48226;
constexpr unsigned kArrowTips[8][2] = {{48230, 48231}, {48230, 48231}, {48230, 48231}, {48230, 48231},
                                       {48232, 48233}, {48234, 48235}, {48236, 48237}, {48238, 48239}};
constexpr unsigned kLockTips[8] = {48240, 48240, 48240, 48240, 48241, 48242, 48243, 48244};
constexpr unsigned kFilterTips[5] = {48102, 48076, 48077, 48078, 48079};
constexpr const char* kFilterPictures[5] = {"all", "keeper", "def", "mid", "strike"};
constexpr unsigned kGridHeads[12] = {45071, 48250, 48252, 45073, 45074, 45075, 45077, 45078, 45079, 45080, 48253, 45082};
constexpr unsigned kGridTips[12] = {45091, 48251, 45092, 45093, 45094, 45095, 45097, 45098, 45099, 45100, 48224, 45102};
constexpr int kGridStarts[12] = {0, 98, 131, 164, 197, 230, 263, 296, 329, 362, 395, 428};
constexpr unsigned kSetPieceTexts[4] = {48206, 48207, 48208, 48209};
constexpr unsigned kRatingWords[11] = {48260, 48260, 48261, 3, 8, 8, 978, 48262, 48263, 48263, 48263};
constexpr CKits kKeeperKit{{0, 0, 0, 3, 3, 15, 15, 15}};

CScreen* MakeTrainScreen() { return new CTrainScreen(); }

std::string TrainNumber(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", v);
    return buf;
}

Point KindPalettePlace(int kind) { return {kind < 4 ? 32 : 308, 168 + 32 * (kind % 4)}; }

}  // namespace

// --- the timetable board ----------------------------------------------------

namespace timetable {

int SlotAt(int x, int y) {
    if (x < 175 || x >= 580 || y < 321 || y >= 437) return -1;
    const int day = (x - 175) / 81, slot = (y - 321) / 29;
    return day < kDays && slot < kSlots ? day * kSlots + slot : -1;
}

Point CellPlace(int index) { return {178 + 81 * (index / kSlots), 324 + 29 * (index % kSlots)}; }

void DrawFrame(CScreen& page, Surface* surface) {
    page.DrawShadowText(1, platform::gfx::TA_LEFT, surface, platform::LoadString(kSessionsText), 34, 144);
    for (int d = 0; d < kDays; ++d)
        page.DrawShadowText(1, platform::gfx::TA_LEFT, surface, platform::LoadString(kDayTexts + unsigned(d)),
                            212 + 81 * d, 300);
    for (int s = 0; s < kSlots; ++s)
        page.DrawShadowText(1, platform::gfx::TA_LEFT, surface, platform::LoadString(kTimeTexts + unsigned(s)), 98,
                            325 + 29 * s);
}

void DrawCells(CScreen& page, Surface* surface, const std::array<int32_t, kCells>* table,
               const std::unique_ptr<Surface>* kinds, int kindCount, Surface* dragged, int dragX, int dragY) {
    for (int i = 0; table && i < kCells; ++i) {
        int kind = (*table)[size_t(i)];
        if (kind < 0 || kind >= kindCount) kind = 0;
        const platform::win::Point at = CellPlace(i);
        if (kinds[kind]) page.BlitSurfaceKeyedAt(at.x, at.y, kinds[kind].get(), surface);
    }
    if (dragged) page.BlitSurfaceKeyedAt(dragX, dragY, dragged, surface);
}

}  // namespace timetable

// --- the model side ---------------------------------------------------------

CTrainScreen::Condensed CTrainScreen::Condense(const std::array<int32_t, 20>& table) {
    std::array<int, kKinds> count{};
    bool damaged = false;
    for (int32_t kind : table) {
        if (kind < 0 || kind >= kKinds) {
            damaged = true;
            kind = 0;
        }
        ++count[size_t(kind)];
    }
    if (damaged) platform::TraceF("Training: a session of an unknown kind counted as free time\n");
    Condensed c;
    const int team = 2 * (count[1] + count[3] + count[4] + count[5] + count[6] + count[7]);
    c.settings[0] = static_cast<uint8_t>(team);
    c.settings[1] = static_cast<uint8_t>(2 * count[2]);
    const int kinds[6] = {1, 3, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i)
        c.settings[size_t(2 + i)] = team ? static_cast<uint8_t>(2 * count[size_t(kinds[i])] * (100.0 / team)) : 0;
    for (int i = 0; i < 4; ++i) c.setPieceHours[size_t(i)] = static_cast<uint8_t>(2 * count[size_t(4 + i)]);
    return c;
}

std::string CTrainScreen::RatingWord(int rating) {
    return platform::LoadString(kRatingWords[std::clamp(rating, 0, 100) / 10]);
}

CTrainScreen::CTrainScreen() {
    m_bDirectDrawPage = 1;
    SetBackground("gfx\\backgrounds\\36a.bmp");
    SetTitle(platform::LoadString(kTrainingTitle));
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (!world || !user || !user->IsEmployed() || !world->GetCurrentClub()) return;
    m_club = world->GetCurrentClub();
    const CSoccerSquadTraining* t = m_club->GetSquadTraining();
    m_formation = t ? t->GetSetting(9) : 0;
    if (m_formation >= user->GetTacticCount()) {
        platform::TraceF("Training: practised formation %d shown as formation 0\n", m_formation);
        m_formation = 0;
    }
    FillFormations();
    FillGrid();
    if (PlayerOfSlot(0)) LoadShares(0);
}

CTrainScreen::~CTrainScreen() = default;

PageFactory CTrainScreen::GetPageFactory() const { return &MakeTrainScreen; }

void RegisterTrainScreen() { RegisterPageFactory(PageClass::Train, &MakeTrainScreen); }

bool CTrainScreen::GetToolTipText(int /*index*/, std::string& text) {
    text.clear();
    return true;
}

CHumanManager* CTrainScreen::User() const {
    CWorldData* world = GetWorldData();
    return m_club && world ? world->GetCurrentUser() : nullptr;
}

CPlayer* CTrainScreen::PlayerOfSlot(int slot) const {
    if (!m_club || slot < 0 || slot >= kSquadSlots) return nullptr;
    const uint16_t id = m_club->GetPlayerId(slot);
    return id == kEmptySlot ? nullptr : GetWorldData()->GetPlayer(id);
}

void CTrainScreen::FillGrid() {
    m_gridSlots.clear();
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerOfSlot(s); p && (m_filter == 0 || p->GetPosition() == m_filter - 1))
            m_gridSlots.push_back(s);
    const int rows = std::min(static_cast<int>(m_gridSlots.size()), SurfaceTable::kMaxRows);
    m_gridBar.Init(557, 298, 26, 144, rows, 24);
    m_grid.Init(90, 301, 460, 144, 12, rows, 24);
    m_grid.headerTop = 280;
    m_grid.sortable = 0;
    for (int c = 0; c < 12; ++c) {
        m_grid.SetColumn(platform::LoadString(kGridHeads[c]), platform::LoadString(kGridTips[c]), c, 0, kAlignLeft);
        m_grid.columnStart[size_t(c)] = kGridStarts[c];
    }
    m_grid.columns[1].movement = 1;
    for (int r = 0; r < rows; ++r) {
        const CPlayer* p = PlayerOfSlot(m_gridSlots[size_t(r)]);
        const CSoccerPlayer& f = p->Football();
        const int colour = p->IsAvailable() ? 1 + std::clamp(p->GetPosition(), 0, 3) : 5;
        const std::string moving = f.HasImproved() ? "U" : f.HasDeclined() ? "D" : "";
        const int values[9] = {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Shooting, f.m_Heading,
                               f.m_Pace,     f.m_Strength, f.m_Fitness, f.m_Energy};
        // The cell is clipped at the column's edge; a long name ends with "." before it.
        SetSurfaceTableCell(m_grid, 0, r, FitPageText(*this, 0, p->GetName(), kGridStarts[1] - kGridStarts[0] - 6),
                            colour);
        SetSurfaceTableCell(m_grid, 1, r, moving, colour);
        SetSurfaceTableCell(m_grid, 2, r, TrainNumber(p->GetKnownAbility(false)), colour);
        for (int k = 0; k < 9; ++k) SetSurfaceTableCell(m_grid, 3 + k, r, TrainNumber(values[k]), colour);
    }
}

void CTrainScreen::FillFormations() {
    const CHumanManager* user = User();
    const int count = user ? std::min(user->GetTacticCount(), SurfaceTable::kMaxRows) : 0;
    m_formations.Init(26, 164, 249, 161, 2, count, 23);
    m_formations.headerTop = 141;
    m_formations.sortable = 0;
    m_formations.SetColumn(platform::LoadString(48111), platform::LoadString(48112), 0, 0, kAlignLeft);
    m_formations.SetColumn(platform::LoadString(45092), platform::LoadString(48113), 1, 0, kAlignLeft);
    m_formations.columnStart = {0, 188};
    m_formationBar.Init(281, 163, 26, 161, count, 23);
    m_formationBar.position = std::clamp(m_formation, 0, std::max(0, count - m_formationBar.page));
    m_formationBar.PlaceThumb();
    for (int r = 0; r < count; ++r) {
        const CSoccerTactic* t = user->GetTactic(static_cast<uint8_t>(r));
        const int colour = r < CSoccerTacticList::kBuiltIn ? 0 : 2;
        SetSurfaceTableCell(m_formations, 0, r, user->GetTacticName(r), colour);
        SetSurfaceTableCell(m_formations, 1, r, t ? t->GetFamiliarityText() : std::string(), colour);
    }
    m_formations.selected.fill(0);
    if (m_formation < count) m_formations.selected[size_t(m_formation)] = 1;
}

void CTrainScreen::LoadShares(int slot) {
    const CPlayer* p = PlayerOfSlot(slot);
    if (!p) return;
    m_currentSlot = slot;
    int sum = 0;
    for (int k = 0; k < 7; ++k) sum += m_shares[size_t(k)] = p->Football().m_Training[size_t(k)];
    m_shares[7] = std::max(0, 100 - sum);
}

void CTrainScreen::WriteShares() {
    CPlayer* p = PlayerOfSlot(m_currentSlot);
    if (!p) return;
    for (int k = 0; k < 7; ++k) p->Football().m_Training[size_t(k)] = static_cast<uint8_t>(m_shares[size_t(k)]);
}

void CTrainScreen::WriteTimetable() {
    CHumanManager* user = User();
    if (!user || !m_club) return;
    const Condensed c = Condense(user->m_TableA);
    if (CSoccerSquadTraining* t = m_club->SquadTraining())
        for (int n = 0; n < 8; ++n) t->SetSetting(n + 1, c.settings[size_t(n)]);
    user->m_TrainLoad = c.setPieceHours;
}

bool CTrainScreen::IsLocked(int category) const {
    const int bit = 1 << category;
    return std::find(m_locks.begin(), m_locks.end(), bit) != m_locks.end();
}

void CTrainScreen::ChangeShare(int k, bool up) {
    if (m_currentSlot < 0 || IsLocked(k)) return;
    int locked = 0;
    for (int j = 0; j < kCategories; ++j)
        if (j != k && IsLocked(j)) locked += m_shares[size_t(j)];
    int& share = m_shares[size_t(k)];
    int step = 0;
    if (up) {
        step = share + 12 > 100 - locked ? 100 - locked - share : 12;
        step = std::max(0, step);
        share += step;
    } else {
        step = std::min(12, share);
        share -= step;
    }
    // The step goes back to (or comes from) the other free categories, one
    // point each in category order, pass after pass.
    for (bool changed = true; step > 0 && changed;) {
        changed = false;
        for (int j = 0; j < kCategories && step > 0; ++j) {
            if (j == k || IsLocked(j)) continue;
            int& other = m_shares[size_t(j)];
            if (!up && other < 100) {
                ++other;
                --step;
                changed = true;
            } else if (up && other > 0) {
                --other;
                --step;
                changed = true;
            }
        }
    }
    WriteShares();
}

void CTrainScreen::ToggleLock(int k) {
    const int bit = 1 << k;
    auto it = std::find(m_locks.begin(), m_locks.end(), bit);
    if (it != m_locks.end()) {
        // The later entries close up, so the list stays newest first.
        std::copy(it + 1, m_locks.end(), it);
        m_locks.back() = 0;
    } else {
        std::copy_backward(m_locks.begin(), m_locks.end() - 1, m_locks.end());
        m_locks.front() = bit;
    }
    SetLockStates();
}

void CTrainScreen::SetLockStates() {
    for (int k = 0; k < kCategories; ++k) m_buttons[size_t(16 + k)].state = IsLocked(k) ? 1 : 0;
}

// --- set-up -----------------------------------------------------------------

void CTrainScreen::Initialise() {
    BuildScreen(kScreen);
    for (uint32_t* t : {&m_timer, &m_repeatTimer})
        if (*t) KillTimer(*t), *t = 0;
    BuildSurfaces();
    CreateFonts(m_pWork.get());
    if (m_club) FillGrid();  // again, its names fitted in the fonts made just now
    BuildButtons();
    m_timer = StartPageTimer(kTickTimer, kTickMs);
}

void CTrainScreen::BuildSurfaces() {
    const char* backs[3] = {"gfx\\backgrounds\\36a.bmp", "gfx\\backgrounds\\36b.bmp", "gfx\\backgrounds\\36c.bmp"};
    for (int i = 0; i < 3; ++i)
        if (BuildSurfaceFromBitmap(backs[i], m_pBack[size_t(i)]) != 0 || !m_pBack[size_t(i)])
            m_pBack[size_t(i)] = std::make_unique<Surface>(kWidth, kHeight);
    CopySurface(m_pBack[0].get(), m_pWork);
    for (int k = 0; k < kKinds; ++k)
        BuildSurfaceFromBitmap(std::string("gfx\\buttons\\") + kKindPictures[k] + ".bmp", m_pKinds[size_t(k)]);
    if (!m_club) return;
    BuildKitSurface(m_pKeeperKit, kKitTiny, kKeeperKit);
    for (int i = 0; i < 10; ++i) {
        BuildKitSurface(m_pKits[size_t(i)], kKitTiny, m_club->GetHomeKit());
        char path[64];
        std::snprintf(path, sizeof path, "gfx\\kits\\tinykits\\number%02d.bmp", i + 2);
        std::unique_ptr<Surface> number;
        if (m_pKits[size_t(i)] && BuildSurfaceFromBitmap(path, number) == 0 && number)
            BlitSurfaceKeyedAt(0, 0, number.get(), m_pKits[size_t(i)].get());
    }
    BuildKitSurface(m_pClubKit, kKitFull, m_club->GetHomeKit());
}

void CTrainScreen::BuildButtons() {
    auto picture = [this](const std::string& path) {
        std::unique_ptr<Surface> s;
        BuildSurfaceFromBitmap(path, s);
        return std::shared_ptr<Surface>(std::move(s));
    };
    const auto left = picture("gfx\\scroll\\leftarrow.bmp"), right = picture("gfx\\scroll\\rightarrow.bmp");
    const auto off = picture("gfx\\match\\surfaces\\radio_off.bmp"), on = picture("gfx\\match\\surfaces\\radio_on.bmp");
    for (SurfaceButton& b : m_buttons) b = SurfaceButton{};
    for (int k = 0; k < kCategories; ++k) {
        const int x = k < 4 ? 180 : 458, y = 159 + 23 * (k % 4);
        for (int up = 0; up < 2; ++up) {
            SurfaceButton& b = m_buttons[size_t(2 * k + up)];
            b.x = x + 73 * up;
            b.y = y;
            b.flags = kSbPicture;
            b.released = b.pressed = up ? right : left;
            b.tip = platform::LoadString(kArrowTips[k][up]);
        }
        SurfaceButton& lock = m_buttons[size_t(16 + k)];
        lock.x = k < 4 ? 282 : 560;
        lock.y = 164 + 23 * (k % 4);
        lock.flags = kSbPicture | kSbToggle;
        lock.released = off;
        lock.pressed = on;
        lock.tip = platform::LoadString(kLockTips[k]);
    }
    for (int f = 0; f < 5; ++f) {
        SurfaceButton& b = m_buttons[size_t(24 + f)];
        b.x = 24;
        b.y = f < 3 ? 275 + 33 * f : 375 + 33 * (f - 3);
        b.flags = kSbPicture;
        b.released = picture(std::string("gfx\\buttons\\") + kFilterPictures[f] + ".bmp");
        b.pressed = picture(std::string("gfx\\buttons\\") + kFilterPictures[f] + "_lo.bmp");
        b.tip = platform::LoadString(kFilterTips[f]);
        b.state = f == m_filter ? 1 : 0;
    }
    SetLockStates();
}

void CTrainScreen::Close() {
    for (uint32_t* t : {&m_timer, &m_repeatTimer})
        if (*t) KillTimer(*t), *t = 0;
    DeleteFonts();
    m_pWork.reset();
    for (auto& s : m_pBack) s.reset();
    for (auto& s : m_pKinds) s.reset();
    for (auto& s : m_pKits) s.reset();
    m_pKeeperKit.reset();
    m_pClubKit.reset();
    for (SurfaceButton& b : m_buttons) b.released.reset(), b.pressed.reset();
    WriteTimetable();
    CScreensInfo::Close();
}

// --- drawing ----------------------------------------------------------------

Point CTrainScreen::PitchPlace(int player) const {
    const CHumanManager* user = User();
    const CSoccerTactic* t = user ? user->GetTactic(static_cast<uint8_t>(m_formation)) : nullptr;
    if (!t) return {0, 0};
    const int x = std::clamp(int(t->m_Depth[size_t(player)]), 0, 12), y = std::clamp(int(t->m_Width[size_t(player)]), 0, 8);
    return {305 + 21 * x, 139 + 20 * y};
}

void CTrainScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Redraw();
}

void CTrainScreen::ComposeSchedule() {
    Surface* work = m_pWork.get();
    timetable::DrawFrame(*this, work);
    for (int k = 0; k < kKinds; ++k) {
        const Point at = KindPalettePlace(k);
        if (m_pKinds[size_t(k)]) BlitSurfaceKeyedAt(at.x, at.y, m_pKinds[size_t(k)].get(), work);
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kKindTexts[k]), k < 4 ? 130 : 400,
                       171 + 32 * (k % 4));
    }
    const CHumanManager* user = User();
    timetable::DrawCells(*this, work, user ? &user->m_TableA : nullptr, m_pKinds.data(), kKinds,
                         m_dragging ? m_pKinds[size_t(m_dragKind)].get() : nullptr, m_mouseX - m_offsetX,
                         m_mouseY - m_offsetY);
}

void CTrainScreen::ComposeIndividual() {
    Surface* work = m_pWork.get();
    for (int k = 0; k < kCategories; ++k) {
        const int y = 162 + 23 * (k % 4);
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kCategoryTexts[k]), k < 4 ? 30 : 308, y);
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::FormatMessageId(kShareFormat, {m_shares[size_t(k)]}),
                       k < 4 ? 227 : 504, y);
    }
    m_grid.Draw(*this, work, m_gridBar);
    m_gridBar.Draw(*this, work);
    DrawSurfaceButtons(work, m_buttons.data(), kButtons);
}

void CTrainScreen::ComposeTeam() {
    Surface* work = m_pWork.get();
    if (m_pKeeperKit) BlitSurfaceKeyedAt(305, 219, m_pKeeperKit.get(), work);
    for (int i = 0; i < 10; ++i) {
        const Point at = PitchPlace(i);
        if (m_pKits[size_t(i)]) BlitSurfaceKeyedAt(at.x, at.y, m_pKits[size_t(i)].get(), work);
    }
    m_formations.Draw(*this, work, m_formationBar);
    m_formationBar.Draw(*this, work);
    const CHumanManager* user = User();
    for (int k = 0; k < 4; ++k) {
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kSetPieceTexts[k]), 40, 353 + 23 * k);
        if (user) {
            const int rating = user->m_TrainLevel[size_t(k)];
            DrawShadowText(1, platform::gfx::TA_LEFT, work, RatingWord(rating), 504, 353 + 23 * k);
        }
    }
}

void CTrainScreen::Compose() {
    Surface* work = m_pWork.get();
    Surface* back = m_pBack[size_t(m_page)].get();
    if (!work || !back) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, back, work);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kTrainingTitle), 32, 22);
    if (!m_club) {
        DrawShadowText(2, platform::gfx::TA_CENTER, work, platform::LoadString(kNoData), 300, 220);
        return;
    }
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kTabs[m_page]), 32, 61);
    if (m_pClubKit) BlitSurfaceKeyed(524, 31, 48, 48, m_pClubKit.get(), work);
    for (int i = 0; i < 3; ++i) {
        const int c = i == m_page ? 255 : 128;
        DrawColourText(1, platform::gfx::TA_CENTER, work, platform::LoadString(kTabs[i]), kTabX[i], 112, c, c, c);
    }
    switch (m_page) {
        case kSchedule: ComposeSchedule(); break;
        case kIndividual: ComposeIndividual(); break;
        default: ComposeTeam(); break;
    }
    DrawToolTip(work);
}

void CTrainScreen::Redraw() {
    if (!m_pWork || !IsAlive()) return;
    Compose();
    BlitSurfaceToScreen(m_pWork.get(), 0, 0);
}

// --- the mouse --------------------------------------------------------------

void CTrainScreen::OnLButtonDown(uint32_t /*flags*/, Point pt) { Press(pt, false); }

void CTrainScreen::OnLButtonDblClk(uint32_t /*flags*/, Point pt) { Press(pt, true); }

void CTrainScreen::Press(Point pt, bool doubleClick) {
    m_mouseX = pt.x;
    m_mouseY = pt.y;
    Ui::Get().SetCapture(this);
    if (!m_club) return;
    m_pressPage = m_page;
    if (pt.y >= 110 && pt.y <= 132 && pt.x >= 14 && pt.x <= 585) {
        m_page = pt.x <= 201 ? kSchedule : pt.x <= 393 ? kIndividual : kTeam;
        m_pressPage = m_page;
        Redraw();
        return;
    }
    switch (m_page) {
        case kSchedule: PressSchedule(pt); break;
        case kIndividual: PressIndividual(pt, doubleClick); break;
        default: PressTeam(pt, doubleClick); break;
    }
    Redraw();
}

void CTrainScreen::PressSchedule(Point pt) {
    for (int k = 0; k < kKinds; ++k) {
        const Point at = KindPalettePlace(k);
        if (pt.x < at.x || pt.x >= at.x + timetable::kPictureW || pt.y < at.y || pt.y >= at.y + timetable::kPictureH)
            continue;
        m_dragging = 1;
        m_dragKind = k;
        m_offsetX = pt.x - at.x;
        m_offsetY = pt.y - at.y;
        return;
    }
}

void CTrainScreen::PressIndividual(Point pt, bool doubleClick) {
    if (m_gridBar.HitTest(pt.x, pt.y) >= 0) {
        if (m_gridBar.OnClick(pt.x, pt.y) == 1 && !m_repeatTimer) {
            m_repeatKind = 2;
            m_repeatTimer = SetTimer(kRepeatTimer, kRepeatMs);
        }
        return;
    }
    if (m_grid.OnClick(m_gridBar, pt.x, pt.y, 0, 0) == 1) {
        const int row = m_gridBar.position + (pt.y - m_grid.bodyTop) / m_grid.rowHeight;
        if (row < 0 || row >= static_cast<int>(m_gridSlots.size())) return;
        const int slot = m_gridSlots[size_t(row)];
        CPlayer* p = PlayerOfSlot(slot);
        if (doubleClick) {
            if (auto* manager = dynamic_cast<CScreenManager*>(Parent()); manager && p) {
                Ui::Get().ReleaseCapture();
                manager->OpenScreenById(60, reinterpret_cast<intptr_t>(p), 0, 0, 0);
            }
            return;
        }
        // Injured or suspended players keep their shares as they are.
        if (p && p->IsAvailable()) LoadShares(slot);
        return;
    }
    if (PressButton(pt, false)) {
        m_repeatKind = 3;
        if (!m_repeatTimer) m_repeatTimer = SetTimer(kRepeatTimer, kRepeatMs);
    }
}

// One button at the point; on a repeat only the arrow first pressed acts.
bool CTrainScreen::PressButton(Point pt, bool repeat) {
    for (int i = 0; i < kButtons; ++i) {
        const SurfaceButton& b = m_buttons[size_t(i)];
        const int w = b.released ? b.released->Width() : (i < 16 ? 14 : i < 24 ? 16 : 64);
        const int h = b.released ? b.released->Height() : (i < 16 ? 14 : i < 24 ? 16 : 30);
        if (!Rect::XYWH(b.x, b.y, w, h).Contains(pt)) continue;
        if (repeat && (i >= 16 || i != m_repeatButton)) return false;
        if (!repeat) PlaySample(kSampleButtonPress, 0);
        m_repeatButton = i;
        if (i < 16) {
            ChangeShare(i / 2, i % 2 == 1);
        } else if (i < 24) {
            ToggleLock(i - 16);
        } else if (i - 24 != m_filter) {
            m_filter = i - 24;
            for (int f = 0; f < 5; ++f) m_buttons[size_t(24 + f)].state = f == m_filter ? 1 : 0;
            FillGrid();
            m_grid.selected.fill(0);
            // An empty list keeps the player shown.
            if (!m_gridSlots.empty()) {
                m_grid.selected[0] = 1;
                LoadShares(m_gridSlots[0]);
            }
        }
        return true;
    }
    return false;
}

void CTrainScreen::PressTeam(Point pt, bool doubleClick) {
    if (m_formationBar.HitTest(pt.x, pt.y) >= 0) {
        if (m_formationBar.OnClick(pt.x, pt.y) == 1 && !m_repeatTimer) {
            m_repeatKind = 1;
            m_repeatTimer = SetTimer(kRepeatTimer, kRepeatMs);
        }
        return;
    }
    if (m_formations.OnClick(m_formationBar, pt.x, pt.y, 0, 0) != 1) return;
    const int row = m_formationBar.position + (pt.y - m_formations.bodyTop) / m_formations.rowHeight;
    if (row < 0 || row >= m_formations.rowCount) return;
    if (doubleClick && m_formations.ColumnAt(pt.x) == 0) {
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) {
            Ui::Get().ReleaseCapture();
            g_nScreenId = CTactScreen::kScreen;
            manager->SetScreen(new CTactScreen(), true, true, false, true, false);
        }
        return;
    }
    m_formation = row;
    if (CSoccerSquadTraining* t = m_club->SquadTraining()) t->SetSetting(9, static_cast<uint8_t>(row));
}

void CTrainScreen::OnMouseMove(uint32_t flags, Point pt) {
    m_mouseX = pt.x;
    m_mouseY = pt.y;
    if (!m_club) {
        CScreensInfo::OnMouseMove(flags, pt);
        return;
    }
    if (m_dragging) {
        m_mouseX = std::clamp(pt.x - m_offsetX, 23, 512) + m_offsetX;
        m_mouseY = std::clamp(pt.y - m_offsetY, 164, 425) + m_offsetY;
        Redraw();
        return;
    }
    if (m_pressPage == kIndividual && m_page == kIndividual && m_gridBar.OnDrag(pt.x, pt.y)) {
        Redraw();
    } else if (m_page == kTeam && m_formationBar.OnDrag(pt.x, pt.y)) {
        Redraw();
    } else if (m_page == kIndividual) {
        if (!TrackSurfaceTableHeaderTip(m_grid, pt.x, pt.y, 100)) HoverSurfaceButtons(m_buttons.data(), kButtons, pt.x, pt.y, 200);
    } else if (m_page == kTeam) {
        TrackSurfaceTableHeaderTip(m_formations, pt.x, pt.y, 300);
    }
    TrackToolTip(pt.x, pt.y);
    CScreensInfo::OnMouseMove(flags, pt);
}

void CTrainScreen::OnLButtonUp(uint32_t /*flags*/, Point pt) {
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    if (m_repeatTimer) KillTimer(m_repeatTimer), m_repeatTimer = 0;
    m_repeatKind = 0;
    m_repeatButton = -1;
    if (!m_club) return;
    if (m_dragging) {
        m_dragging = 0;
        const int index = timetable::SlotAt(pt.x, pt.y);
        CHumanManager* user = User();
        if (index >= 0 && user) {
            user->m_TableA[size_t(index)] = m_dragKind;
            WriteTimetable();
        }
    }
    m_gridBar.EndDrag();
    m_formationBar.EndDrag();
    Redraw();
}

void CTrainScreen::OnRButtonDown(uint32_t flags, Point pt) {
    if (!(flags & MK_LBUTTON)) ShowContextMenu(kScreen, pt.x, pt.y, 0);
    CScreensInfo::OnRButtonDown(flags, pt);
}

void CTrainScreen::OnTimerTick(uint32_t id) {
    if (id == kTickTimer) {
        if (StepToolTip()) Redraw();
        return;
    }
    if (id == kRepeatTimer) {
        bool changed = false;
        if (m_repeatKind == 1 && (m_formationBar.upPressed || m_formationBar.downPressed))
            changed = m_formationBar.OnClick(m_mouseX, m_mouseY) == 1;
        else if (m_repeatKind == 2 && (m_gridBar.upPressed || m_gridBar.downPressed))
            changed = m_gridBar.OnClick(m_mouseX, m_mouseY) == 1;
        else if (m_repeatKind == 3)
            changed = PressButton({m_mouseX, m_mouseY}, true);
        if (changed) Redraw();
        return;
    }
    CScreensInfo::OnTimerTick(id);
}
