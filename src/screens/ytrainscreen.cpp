#include "screens/ytrainscreen.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/trainscreen.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr unsigned kTitle = 10181;     // "Youth Training"
constexpr unsigned kSchedule = 48200;  // "Schedule"
constexpr unsigned kNoData = 735;
constexpr unsigned kKindTexts[6] = {48204, 48205, 48210, 45056, 45099, 45100};
constexpr const char* kKindPictures[6] = {"train_freetime", "train_5aside", "train_individual",
                                          "train_tactics",  "train_pace",   "train_strength"};

CScreen* MakeYTrainScreen() { return new CYTrainScreen(); }

Point YouthPalettePlace(int kind) { return {kind < 3 ? 32 : 308, 168 + 32 * (kind % 3)}; }

}  // namespace

void RegisterYTrainScreen() { RegisterPageFactory(PageClass::YTrain, &MakeYTrainScreen); }

PageFactory CYTrainScreen::GetPageFactory() const { return &MakeYTrainScreen; }

int CYTrainScreen::YouthHours(const std::array<int32_t, 20>& table) {
    int sessions = 0;
    for (int32_t kind : table) {
        if (kind < 0 || kind >= kKinds) {
            platform::TraceF("Youth training: a session of kind %d counted as free time\n", kind);
            continue;
        }
        sessions += kind != 0;
    }
    return 2 * sessions;
}

CYTrainScreen::CYTrainScreen() : m_nScreen(g_nScreenId == 94 ? 94 : 80) {
    m_bDirectDrawPage = 1;
    SetBackground("gfx\\backgrounds\\81.bmp");
    SetTitle(platform::LoadString(kTitle));
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (world && user && user->IsEmployed()) m_club = world->GetCurrentClub();
}

CYTrainScreen::~CYTrainScreen() = default;

bool CYTrainScreen::GetToolTipText(int /*index*/, std::string& text) {
    text.clear();
    return true;
}

CHumanManager* CYTrainScreen::User() const {
    CWorldData* world = GetWorldData();
    return m_club && world ? world->GetCurrentUser() : nullptr;
}

void CYTrainScreen::WriteHours() {
    if (CHumanManager* user = User()) m_club->SetYouthDevelopment(static_cast<uint8_t>(YouthHours(user->m_TableB)));
}

void CYTrainScreen::Initialise() {
    BuildScreen(m_nScreen);
    if (m_timer) KillTimer(m_timer), m_timer = 0;
    if (BuildSurfaceFromBitmap("gfx\\backgrounds\\81.bmp", m_pBack) != 0 || !m_pBack)
        m_pBack = std::make_unique<Surface>(kWidth, kHeight);
    CopySurface(m_pBack.get(), m_pWork);
    for (int k = 0; k < kKinds; ++k)
        BuildSurfaceFromBitmap(std::string("gfx\\buttons\\") + kKindPictures[k] + ".bmp", m_pKinds[size_t(k)]);
    if (m_club) BuildKitSurface(m_pClubKit, kKitFull, m_club->GetHomeKit());
    CreateFonts(m_pWork.get());
    m_timer = StartPageTimer(kTickTimer, kTickMs);
}

void CYTrainScreen::Close() {
    if (m_timer) KillTimer(m_timer), m_timer = 0;
    DeleteFonts();
    m_pWork.reset();
    m_pBack.reset();
    for (auto& s : m_pKinds) s.reset();
    m_pClubKit.reset();
    WriteHours();
    CScreensInfo::Close();
}

void CYTrainScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Redraw();
}

void CYTrainScreen::Redraw() {
    Surface* work = m_pWork.get();
    if (!work || !m_pBack || !IsAlive()) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, m_pBack.get(), work);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kTitle), 32, 22);
    if (!m_club) {
        DrawShadowText(2, platform::gfx::TA_CENTER, work, platform::LoadString(kNoData), 300, 220);
    } else {
        DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kSchedule), 32, 61);
        if (m_pClubKit) BlitSurfaceKeyed(524, 31, 48, 48, m_pClubKit.get(), work);
        timetable::DrawFrame(*this, work);
        for (int k = 0; k < kKinds; ++k) {
            const Point at = YouthPalettePlace(k);
            if (m_pKinds[size_t(k)]) BlitSurfaceKeyedAt(at.x, at.y, m_pKinds[size_t(k)].get(), work);
            DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kKindTexts[k]), k < 3 ? 130 : 400,
                           171 + 32 * (k % 3));
        }
        const CHumanManager* user = User();
        timetable::DrawCells(*this, work, user ? &user->m_TableB : nullptr, m_pKinds.data(), kKinds,
                             m_dragging ? m_pKinds[size_t(m_dragKind)].get() : nullptr, m_mouseX - m_offsetX,
                             m_mouseY - m_offsetY);
    }
    DrawToolTip(work);
    BlitSurfaceToScreen(work, 0, 0);
}

void CYTrainScreen::OnLButtonDown(uint32_t /*flags*/, Point pt) { OnLButtonDblClk(0, pt); }

void CYTrainScreen::OnLButtonDblClk(uint32_t /*flags*/, Point pt) {
    m_mouseX = pt.x;
    m_mouseY = pt.y;
    Ui::Get().SetCapture(this);
    if (!m_club) return;
    for (int k = 0; k < kKinds; ++k) {
        const Point at = YouthPalettePlace(k);
        if (pt.x < at.x || pt.x >= at.x + timetable::kPictureW || pt.y < at.y || pt.y >= at.y + timetable::kPictureH)
            continue;
        m_dragging = 1;
        m_dragKind = k;
        m_offsetX = pt.x - at.x;
        m_offsetY = pt.y - at.y;
        Redraw();
        return;
    }
}

void CYTrainScreen::OnMouseMove(uint32_t flags, Point pt) {
    if (m_dragging) {
        m_mouseX = std::clamp(pt.x - m_offsetX, 23, 512) + m_offsetX;
        m_mouseY = std::clamp(pt.y - m_offsetY, 164, 425) + m_offsetY;
        Redraw();
        return;
    }
    CScreensInfo::OnMouseMove(flags, pt);
}

void CYTrainScreen::OnLButtonUp(uint32_t /*flags*/, Point pt) {
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    if (!m_dragging) return;
    m_dragging = 0;
    const int index = timetable::SlotAt(pt.x, pt.y);
    if (CHumanManager* user = User(); user && index >= 0) {
        user->m_TableB[size_t(index)] = m_dragKind;
        WriteHours();
    }
    Redraw();
}

void CYTrainScreen::OnRButtonDown(uint32_t flags, Point pt) {
    if (!(flags & MK_LBUTTON)) ShowContextMenu(m_nScreen, pt.x, pt.y, 0);
    CScreensInfo::OnRButtonDown(flags, pt);
}

void CYTrainScreen::OnTimerTick(uint32_t id) {
    if (id == kTickTimer) {
        if (StepToolTip()) Redraw();
        return;
    }
    if (id == kRepeatTimer) return;
    CScreensInfo::OnTimerTick(id);
}
