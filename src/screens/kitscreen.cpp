#include "screens/kitscreen.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/brixholmapp.h"
#include "shell/kitcolours.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr const char* kBackground = "gfx\\backgrounds\\74.bmp";
constexpr const char* kPrevious = "gfx\\scroll\\leftarrow.bmp";
constexpr const char* kNext = "gfx\\scroll\\rightarrow.bmp";
constexpr unsigned kTitle = 29184, kPressTip = 29021, kHomeKit = 53340, kAwayKit = 53341, kSleeves = 53342,
                   kShirt = 53343, kShorts = 53344, kFirstTip = 53345, kFirstSwatchLabel = 29190;

// Each field's previous and next arrows, home then away.
struct KitButtonPlace {
    int homePrevX, homeNextX, awayPrevX, awayNextX, y;
};
constexpr KitButtonPlace kPlaces[8] = {
    {24, 230, 342, 546, 194}, {24, 230, 342, 546, 229}, {24, 230, 342, 546, 264}, {20, 275, 304, 553, 328},
    {20, 275, 304, 553, 351}, {20, 275, 304, 553, 374}, {20, 275, 304, 553, 397}, {20, 275, 304, 553, 420},
};
constexpr int kSwatchRows[5] = {332, 355, 378, 401, 424};

CScreen* MakeKitScreen() { return new CKitScreen(); }

int ShownColour(int stored) { return stored >= 0 && stored < CKitScreen::kColourCount ? stored : 0; }

}  // namespace

void RegisterKitScreen() { RegisterPageFactory(PageClass::Kit, &MakeKitScreen); }

PageFactory CKitScreen::GetPageFactory() const { return &MakeKitScreen; }

CKitScreen::CKitScreen() {
    SetBackground(kBackground);
    SetTitle(platform::LoadString(kTitle));
    if (CWorldData* w = GetWorldData()) m_pClub = w->GetCurrentClub();
}

CKitScreen::~CKitScreen() = default;

int CKitScreen::PatternCount(int part) {
    const int count = part == CKits::kSleeves ? NumberOfSleeves : part == CKits::kShirt ? NumberOfShirts : NumberOfShorts;
    return std::max(1, count);
}

bool CKitScreen::ApplyButton(CKits& home, CKits& away, int button) {
    if (button < 0 || button >= kButtons) return false;
    CKits& kit = button < 16 ? home : away;
    const CKits& other = button < 16 ? away : home;
    const int field = (button % 16) / 2;
    const int step = button % 2 ? 1 : -1;
    const int count = field < CKits::kFirstColour ? PatternCount(field) : kColourCount;
    int value = kit.bytes[size_t(field)];
    if (value >= count) value = 0;
    value = (value + step + count) % count;
    if (field == CKits::kFirstColour && value == ShownColour(other.bytes[size_t(CKits::kFirstColour)]))
        value = (value + step + count) % count;
    kit.bytes[size_t(field)] = static_cast<uint8_t>(value);
    return true;
}

void CKitScreen::Initialise() {
    BuildScreen(g_nScreenId);
    if (m_nTipTimer) KillTimer(m_nTipTimer), m_nTipTimer = 0;
    if (BuildSurfaceFromBitmap(kBackground, m_pBack) != 0 || !m_pBack)
        m_pBack = std::make_unique<Surface>(kWidth, kHeight);
    CopySurface(m_pBack.get(), m_pWork);
    BuildKits();
    CreateFonts(m_pWork.get());
    SetUpButtons();
    m_nTipTimer = StartPageTimer(kTipTimer, kTipMs);
}

void CKitScreen::Close() {
    if (m_nTipTimer) KillTimer(m_nTipTimer), m_nTipTimer = 0;
    if (m_nRepeatTimer) KillTimer(m_nRepeatTimer), m_nRepeatTimer = 0;
    DeleteFonts();
    for (SurfaceButton& b : m_Buttons) b.released.reset(), b.pressed.reset();
    m_pWork.reset();
    m_pBack.reset();
    m_pCorner.reset();
    m_pHome.reset();
    m_pAway.reset();
    CScreensInfo::Close();
}

void CKitScreen::SetUpButtons() {
    auto picture = [this](const char* path) {
        std::unique_ptr<Surface> s;
        BuildSurfaceFromBitmap(path, s);
        return std::shared_ptr<Surface>(std::move(s));
    };
    const auto previous = picture(kPrevious), next = picture(kNext);
    for (int b = 0; b < kButtons; ++b) {
        SurfaceButton& button = m_Buttons[size_t(b)];
        button = SurfaceButton{};
        const KitButtonPlace& p = kPlaces[(b % 16) / 2];
        const bool home = b < 16, isNext = b % 2 != 0;
        button.x = home ? (isNext ? p.homeNextX : p.homePrevX) : (isNext ? p.awayNextX : p.awayPrevX);
        button.y = p.y;
        button.released = button.pressed = isNext ? next : previous;
        button.Init("", 0, 0, 255, 255, 255, 255, 255, 255);
        button.flags = kSbPicture;
        // Made with the plain "Press", then given the field's own words.
        button.tip = platform::LoadString(kPressTip);
        button.tip = platform::LoadString(kFirstTip + static_cast<unsigned>(b % 16));
    }
}

void CKitScreen::BuildKits() {
    if (!m_pClub) return;
    BuildKitSurface(m_pHome, kKitFull, m_pClub->GetHomeKit());
    BuildKitSurface(m_pAway, kKitFull, m_pClub->GetAwayKit());
    BuildKitSurface(m_pCorner, kKitFull, m_pClub->GetHomeKit());
    ++m_nCornerBuilds;
}

void CKitScreen::DrawKit(Surface* work, const CKits& kit, bool home) {
    const std::unique_ptr<Surface>& picture = home ? m_pHome : m_pAway;
    if (picture) BlitSurfaceFastKeyed(home ? 77 : 393, 176, picture.get(), work);
    const int labelX = home ? 50 : 331, swatchX = home ? 234 : 512, lift = home ? 0 : 1;
    for (int i = 0; i < 5; ++i) {
        const KitColour c = KitColourAt(ShownColour(kit.bytes[size_t(CKits::kFirstColour + i)]));
        const int y = kSwatchRows[i] + lift;
        FillSurfaceRect(work, swatchX, y, 32, 17, 0, 0, 0);
        FillSurfaceRect(work, swatchX + 1, y + 1, 30, 15, c.red, c.green, c.blue);
        DrawShadowText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kFirstSwatchLabel + unsigned(i)), labelX,
                       kSwatchRows[i]);
    }
}

void CKitScreen::OnPaint(const PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    Compose();
}

void CKitScreen::Compose() {
    Surface* work = m_pWork.get();
    if (!work || !m_pBack || !IsAlive()) return;
    CopySurfaceRect(0, 0, kWidth, kHeight, m_pBack.get(), work);
    if (m_pCorner) BlitSurfaceKeyed(524, 31, 48, 48, m_pCorner.get(), work);
    DrawShadowText(4, platform::gfx::TA_LEFT, work, platform::LoadString(kTitle), 32, 22);
    if (m_pClub) DrawShadowText(4, platform::gfx::TA_LEFT, work, m_pClub->GetName(), 32, 61);
    const unsigned centre = platform::gfx::TA_CENTER;
    DrawShadowText(1, centre, work, platform::LoadString(kHomeKit), 141, 129);
    DrawShadowText(1, centre, work, platform::LoadString(kAwayKit), 456, 129);
    DrawShadowText(1, centre, work, platform::LoadString(kSleeves), 298, 198);
    DrawShadowText(1, centre, work, platform::LoadString(kShirt), 298, 233);
    DrawShadowText(1, centre, work, platform::LoadString(kShorts), 298, 268);
    DrawSurfaceButtons(work, m_Buttons.data(), kButtons);
    if (m_pClub) {
        DrawKit(work, m_pClub->GetHomeKit(), true);
        DrawKit(work, m_pClub->GetAwayKit(), false);
    }
    DrawToolTip(work);
    BlitSurfaceToScreen(work, 0, 0);
}

bool CKitScreen::Press(Point pt) {
    const int hit = HitTestSurfaceButtons(m_Buttons.data(), kButtons, pt.x, pt.y, false);
    if (hit < 0 || !m_pClub) return false;
    if (!ApplyButton(m_pClub->HomeKit(), m_pClub->AwayKit(), hit)) return false;
    m_nPressed = hit;
    BuildKitSurface(hit < 16 ? m_pHome : m_pAway, kKitFull, hit < 16 ? m_pClub->GetHomeKit() : m_pClub->GetAwayKit());
    if (hit < 16) {
        BuildKitSurface(m_pCorner, kKitFull, m_pClub->GetHomeKit());
        ++m_nCornerBuilds;
    }
    return true;
}

void CKitScreen::OnMouseMove(uint32_t flags, Point pt) {
    m_LastPoint = pt;
    ClearToolTipText();
    HoverSurfaceButtons(m_Buttons.data(), kButtons, pt.x, pt.y, 100);
    TrackToolTip(pt.x, pt.y);
    CScreensInfo::OnMouseMove(flags, pt);
}

void CKitScreen::OnLButtonDown(uint32_t flags, Point pt) { OnLButtonDblClk(flags, pt); }

void CKitScreen::OnLButtonDblClk(uint32_t /*flags*/, Point pt) {
    m_LastPoint = pt;
    Ui::Get().SetCapture(this);
    if (!Press(pt)) return;
    Compose();
    if (!m_nRepeatTimer) m_nRepeatTimer = StartPageTimer(kRepeatTimer, kRepeatMs);
}

void CKitScreen::OnLButtonUp(uint32_t /*flags*/, Point /*pt*/) {
    if (Ui::Get().GetCapture() == this) Ui::Get().ReleaseCapture();
    if (m_nRepeatTimer) KillTimer(m_nRepeatTimer), m_nRepeatTimer = 0;
    ReleaseSurfaceButtons(m_Buttons.data(), kButtons);
    m_nPressed = -1;
    Compose();
}

void CKitScreen::OnTimerTick(uint32_t id) {
    if (id == kTipTimer) {
        if (StepToolTip()) Compose();
        return;
    }
    if (id == kRepeatTimer) {
        // Held down, the button goes on stepping while the pointer stays on it.
        if (m_nPressed >= 0 && Press(m_LastPoint)) Compose();
        return;
    }
    CScreensInfo::OnTimerTick(id);
}

bool CKitScreen::GetToolTipText(int /*index*/, std::string& text) {
    text.clear();
    return true;
}

int CKitScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CKitScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}
