#include "screens/stadiumscreen.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "shell/stadiumparts.h"
#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/tree.h"

using namespace platform::win;
namespace parts = stadiumparts;

namespace {

constexpr int kFallbackClub = 55;
constexpr int kHoverSample = 17, kSelectSample = 18;
constexpr uint32_t kViewStadium = 23332, kCancel = 23333, kImprove = 23334, kStandOk = 23335, kReverseView = 23415,
                   kCutView = 23427, kSideOk = 21505, kBrowseLast = 23412, kBrowseNext = 23413;
constexpr unsigned kFullView = 32860, kNormalView = 23428, kCapacityLabel = 53000, kWeeksText = 53009,
                   kBoxesLabel = 53007, kFloodLightsLabel = 53008;
// Overlays of the plan: the pitch, the eight stands, then the two marks.
constexpr int kPitchOverlay = 0, kSelectedMark = 9, kHoveredMark = 10;
constexpr int kWipeReverse = 5;

CScreen* MakeStadiumScreen() { return new CStadiumScreen(); }

unsigned PageCaption(int page) {
    switch (page) {
        case CStadiumScreen::kStandPage: return 10110;
        case CStadiumScreen::kSidePage: return 10111;
        default: return 10035;
    }
}

// The club the pages show: the tree's club, else the user's, else the
// fallback (55 when the world has one, else the first club).
CClub* ChooseShownClub() {
    CWorldData* w = GetWorldData();
    if (!w) return nullptr;
    if (g_nTreeSelectionKind == kContextClub && g_nTreeSelectionData)
        return reinterpret_cast<CClub*>(g_nTreeSelectionData);
    if (CClub* own = w->GetCurrentClub()) return own;
    const int n = w->GetClubList().GetSize();
    if (n == 0) return nullptr;
    return w->GetClub(n > kFallbackClub ? kFallbackClub : 0);
}

CClub* UserClub() {
    CWorldData* w = GetWorldData();
    if (!w) return nullptr;
    CHumanManager* user = w->GetCurrentUser();
    return user && user->IsEmployed() ? w->GetCurrentClub() : nullptr;
}

// The level texts of the planned values.
unsigned SizeText(int v) { return 23386u + static_cast<unsigned>(std::clamp(v, 0, 5)); }
unsigned RoofText(int v) { return 23392u + static_cast<unsigned>(std::clamp(v, 0, 3)); }
unsigned SeatingText(int v) { return 23398u + static_cast<unsigned>(std::clamp(v, 0, 2)); }
unsigned BoxesText(int v, bool corner) {
    return corner ? 23403u + static_cast<unsigned>(std::clamp(v, 0, 1)) : 23396u + static_cast<unsigned>(std::clamp(v, 0, 1));
}

}  // namespace

int CStadiumScreen::s_nSelected = 0;
bool CStadiumScreen::s_bReverse = false;
bool CStadiumScreen::s_bCut = false;
StandPlan CStadiumScreen::s_Plan;

void RegisterStadiumScreen() { RegisterPageFactory(PageClass::Stadium, &MakeStadiumScreen); }

PageFactory CStadiumScreen::GetPageFactory() const { return &MakeStadiumScreen; }

CStadiumScreen::CStadiumScreen() : m_nPage(g_nScreenId) {
    if (m_nPage != kStandPage && m_nPage != kSidePage) m_nPage = kPlanPage;
    SetBackground("gfx\\backgrounds\\35.bmp");
    SetTitle(platform::LoadString(PageCaption(m_nPage)));
}

CStadiumScreen::~CStadiumScreen() = default;

CXStatic* CStadiumScreen::FindLabelAt(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CStadiumScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

void CStadiumScreen::Initialise() {
    Ui::Get().BeginWaitCursor();
    BuildScreen(m_nPage);
    Ui::Get().EndWaitCursor();
    if (m_nPage == kPlanPage) {
        m_pHoverText = AddStatic(226, 176, 596, 200, 13, platform::gfx::RGB(255, 255, 255), true, false, false, 0x2, "", 1);
        if (m_pHoverText) m_pHoverText->Show(false);
    } else if (m_nPage == kStandPage) {
        m_pMessage = AddStatic(26, 121, 256, 167, 12, platform::gfx::RGB(255, 255, 255), true, false, false, 0x2, "", 1);
    }
}

void CStadiumScreen::Refresh() {
    m_pClub = ChooseShownClub();
    if (g_nTreeSelectionKind == kContextClub && g_nTreeSelectionData)
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
            manager->SelectTreeItem(g_nTreeSelectionData, kContextClub);
    if (m_nPage == kPlanPage) {
        m_nHovered = 0;
        s_nSelected = 0;
        if (CXButton* b = FindButton(kImprove)) b->Enable(false);
    }
}

void CStadiumScreen::Show() {
    CScreensInfo::Show();
    if (m_nPage == kPlanPage) DrawPlan();
    if (m_nPage == kStandPage) DrawStandPage();
    if (m_nPage == kSidePage) DrawSideView(false);
}

void CStadiumScreen::Close() {
    if (m_nPage == kPlanPage)
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
            if (CWorldData* w = GetWorldData())
                if (const int index = m_pClub ? w->GetClubList().GetIndex(m_pClub) : -1; index >= 0)
                    manager->MarkHistoryEntry(index, kContextClub);
    RemoveOverlayBitmapsFrom(0);
    CScreensInfo::Close();
}

int CStadiumScreen::GetHistoryParams(HistoryState* block) {
    CWorldData* w = GetWorldData();
    const int index = w && m_pClub ? w->GetClubList().GetIndex(m_pClub) : -1;
    if (block) *block = HistoryState{index + 1, 0, m_nPage};
    return 0;
}

void CStadiumScreen::SetHistoryParams(const HistoryState* block) {
    CWorldData* w = GetWorldData();
    if (block && w && block->identity > 0)
        if (CClub* club = w->GetClub(static_cast<int>(block->identity - 1))) m_pClub = club;
}

bool CStadiumScreen::GetToolTipText(int index, std::string& text) {
    text.clear();
    if (m_nPage == kSidePage) return true;
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    uint32_t id = spot->Id();
    if (m_nPage == kStandPage && s_Plan.IsCorner() && (id == 23410 || id == 23411)) id = id == 23410 ? 23417 : 23418;
    text = platform::LoadString(id);
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

void CStadiumScreen::OnTreeSelect(const TreeNotice* item) {
    if (!item) return;
    CScreensInfo::OnTreeSelect(item);
    // Another kind of item leaves the page on its club.
    if (item->kind != kContextClub || !item->data) return;
    m_pClub = reinterpret_cast<CClub*>(item->data);
    RemoveOverlayBitmapsFrom(0);
    if (m_nPage == kPlanPage) {
        m_nHovered = 0;
        s_nSelected = 0;
        DrawPlan();
    } else if (m_nPage == kStandPage) {
        DrawStandPage();
    } else {
        DrawSideView(false);
    }
}

// ---- the plan -----------------------------------------------------------------

bool CStadiumScreen::IsUnderDevelopment(int stand) const {
    const CStadium* s = m_pClub ? m_pClub->GetStadium() : nullptr;
    return s && stand >= 1 && stand <= 8 && s->stands[stand - 1].workState != 0;
}

std::string CStadiumScreen::GetOverlayName(int index) const {
    return index >= 0 && index < static_cast<int>(m_OverlayNames.size()) ? m_OverlayNames[static_cast<size_t>(index)] : "";
}

bool CStadiumScreen::IsOverlayShown(int index) const {
    const OverlayBitmap* o = GetOverlay(index);
    return o && !o->hidden;
}

void CStadiumScreen::SetOverlay(int index, const std::string& entry, int x, int y) {
    while (GetOverlayCount() <= index) {
        AddOverlayBitmap("", 0, 0);
        m_OverlayNames.emplace_back();
    }
    m_OverlayNames[static_cast<size_t>(index)] = entry;
    if (entry.empty()) {
        ShowOverlayBitmap(index, false);
        return;
    }
    SetOverlayBitmap(parts::PicturePath(entry), x, y, index);
    ShowOverlayBitmap(index, true);
}

void CStadiumScreen::PlacePlanParts() {
    const CStadium* stadium = m_pClub ? m_pClub->GetStadium() : nullptr;
    bool dark = false;
    for (int stand = 1; stand <= 8; ++stand) {
        const StandLayout l = stadium ? stadium->stands[stand - 1].layout : StandLayout{};
        const bool dev = IsUnderDevelopment(stand);
        const parts::PlanRect env = parts::GetEnvelope(stand);
        SetOverlay(stand, parts::PlanPartEntry(stand, l, dev), kPlanX + env.left, kPlanY + env.top);
        if (stand == m_nHovered && dev) dark = true;
    }
    const parts::PlanRect pitch = parts::GetPlanRect(0, 0);
    SetOverlay(kPitchOverlay, parts::PlanPitchEntry(dark), kPlanX + pitch.left, kPlanY + pitch.top);
    auto mark = [&](int index, int stand, bool selected) {
        if (stand < 1 || stand > 8 || !stadium) {
            SetOverlay(index, "", 0, 0);
            return;
        }
        const int size = stadium->stands[stand - 1].layout.size;
        const parts::PlanRect r = parts::GetMarkRect(stand, size);
        SetOverlay(index, parts::MarkEntry(stand, size, selected), kPlanX + r.left, kPlanY + r.top);
    };
    mark(kSelectedMark, s_nSelected, true);
    mark(kHoveredMark, m_nHovered != s_nSelected && !IsUnderDevelopment(m_nHovered) ? m_nHovered : 0, false);
}

void CStadiumScreen::DrawPlan() {
    m_bOwnClub = m_pClub && m_pClub == UserClub();
    if (CXStatic* name = FindLabelAt(20, 5)) name->SetText(m_pClub ? m_pClub->GetName() : "");
    const CStadium* stadium = m_pClub ? m_pClub->GetStadium() : nullptr;
    if (CXStatic* cap = FindLabelAt(500, 5)) cap->SetText(stadium ? std::to_string(stadium->GetCapacity()) : "-");
    if (CXButton* b = FindButton(kImprove)) b->Enable(m_bOwnClub && s_nSelected >= 1 && s_nSelected <= 8);
    // The stands' hot spots take the rectangles of their present sizes.
    for (int stand = 1; stand <= 8; ++stand) {
        const int at = HotSpotFromId(static_cast<uint32_t>(9 + stand));
        if (at >= 0) RemoveHotSpot(at);
        const parts::PlanRect r = parts::GetPlanRect(stand, stadium ? stadium->stands[stand - 1].layout.size : 0);
        if (r.Width() > 0 && r.Height() > 0)
            AddHotSpot(Rect{kPlanX + r.left, kPlanY + r.top, kPlanX + r.right, kPlanY + r.bottom}, 0,
                       static_cast<uint32_t>(9 + stand));
    }
    PlacePlanParts();
    RebuildWorkBuffer();
    Repaint(0);
}

int CStadiumScreen::StandAt(Point pt) const {
    if (m_nPage != kPlanPage) return 0;
    const CStadium* stadium = m_pClub ? m_pClub->GetStadium() : nullptr;
    if (!stadium) return 0;
    for (int stand = 1; stand <= 8; ++stand) {
        const parts::PlanRect r = parts::GetPlanRect(stand, stadium->stands[stand - 1].layout.size);
        if (r.Contains(pt.x - kPlanX, pt.y - kPlanY)) return stand;
    }
    return 0;
}

void CStadiumScreen::SetHovered(int stand) {
    if (stand == m_nHovered) return;
    m_nHovered = stand;
    if (stand) {
        ++m_nHoverSounds;
        PlaySample(kHoverSample, 0);
    }
    const CStadium* stadium = m_pClub ? m_pClub->GetStadium() : nullptr;
    if (m_pHoverText) {
        if (stand && IsUnderDevelopment(stand) && stadium) {
            m_pHoverText->SetText(platform::LoadString(23376) + std::to_string(stadium->stands[stand - 1].weeksLeft) +
                                  platform::LoadString(23377));
            m_pHoverText->Show(true);
        } else {
            m_pHoverText->Show(false);
        }
    }
    PlacePlanParts();
    RebuildWorkBuffer();
    Repaint(0);
}

void CStadiumScreen::ClickStand(int stand) {
    if (stand < 1 || stand > 8 || IsUnderDevelopment(stand)) return;
    ++m_nSelectSounds;
    PlaySample(kSelectSample, 0);
    s_nSelected = s_nSelected == stand ? 0 : stand;
    if (CXButton* b = FindButton(kImprove)) {
        b->Enable(s_nSelected != 0);
        b->Redraw();
    }
    PlacePlanParts();
    RebuildWorkBuffer();
    Repaint(0);
}

void CStadiumScreen::OnMouseMove(uint32_t flags, Point pt) {
    CScreensInfo::OnMouseMove(flags, pt);
    if (m_nPage == kPlanPage && m_bOwnClub) SetHovered(StandAt(pt));
}

void CStadiumScreen::OnLButtonDown(uint32_t flags, Point pt) {
    if (m_nPage == kPlanPage && m_bOwnClub) ClickStand(StandAt(pt));
    CScreensInfo::OnLButtonDown(flags, pt);
}

void CStadiumScreen::OnRButtonDown(uint32_t flags, Point pt) {
    ShowContextMenu(m_nPage, pt.x, pt.y, 0);
    CScreensInfo::OnRButtonDown(flags, pt);
}

// ---- the side view ---------------------------------------------------------------

void CStadiumScreen::DrawSideView(bool wipe) {
    const CStadium* stadium = m_pClub ? m_pClub->GetStadium() : nullptr;
    if (CXStatic* name = FindLabelAt(20, 390)) name->SetText(stadium ? stadium->name : "");
    SetOverlay(0, parts::SideViewPitchEntry(), parts::kSideX, parts::kSideY);
    for (int i = 1; i <= 8; ++i) {
        // Seen from the other side, overlay i shows the stand opposite.
        const int source = s_bReverse ? 9 - i : i;
        const StandLayout l = stadium ? stadium->stands[source - 1].layout : StandLayout{};
        SetOverlay(i, parts::SideViewEntry(i, l, IsUnderDevelopment(source)), parts::kSideX, parts::kSideY);
    }
    if (s_bCut)
        for (int hidden : {4, 7, 8}) ShowOverlayBitmap(hidden, false);
    if (CXButton* b = FindButton(kCutView)) {
        b->SetText(platform::LoadString(s_bCut ? kFullView : kCutView));
        b->Redraw();
    }
    if (CXButton* b = FindButton(kReverseView)) {
        b->SetText(platform::LoadString(s_bReverse ? kNormalView : kReverseView));
        b->Redraw();
    }
    RebuildWorkBuffer();
    if (!wipe) {
        Repaint(0);
        return;
    }
    const uint8_t fade = g_bFade;
    g_bFade = 1;
    Repaint(kWipeReverse);
    g_bFade = fade;
}

// ---- commands ------------------------------------------------------------------------

void CStadiumScreen::OpenPage(int page) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return;
    g_nScreenId = page;
    manager->SetScreen(MakePage(PageClass::Stadium), true, true, false, page == kPlanPage, false);
}

bool CStadiumScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    switch (id) {
        case kViewStadium:
            if (m_nPage != kPlanPage) break;
            s_bReverse = s_bCut = false;
            OpenPage(kSidePage);
            return true;
        case kImprove:
            if (m_nPage != kPlanPage) break;
            if (m_bOwnClub && s_nSelected >= 1 && s_nSelected <= 8) OpenPage(kStandPage);
            return true;
        case kCancel:
        case kSideOk:
            if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) manager->GoBack(1);
            return true;
        case kReverseView:
            if (m_nPage != kSidePage) break;
            s_bReverse = !s_bReverse;
            DrawSideView(true);
            return true;
        case kCutView:
            if (m_nPage != kSidePage) break;
            s_bCut = !s_bCut;
            DrawSideView(true);
            return true;
        default:
            break;
    }
    if (m_nPage == kStandPage && m_pClub) {
        const CClub& club = *m_pClub;
        switch (id) {
            case 23416: s_Plan.Change(0, -1, club); ShowPlanned(); return true;
            case 23405: s_Plan.Change(0, 1, club); ShowPlanned(); return true;
            case 23406: s_Plan.Change(1, -1, club); ShowPlanned(); return true;
            case 23407: s_Plan.Change(1, 1, club); ShowPlanned(); return true;
            case 23408: s_Plan.Change(2, -1, club); ShowPlanned(); return true;
            case 23409: s_Plan.Change(2, 1, club); ShowPlanned(); return true;
            case 23410: s_Plan.Change(3, -1, club); ShowPlanned(); return true;
            case 23411: s_Plan.Change(3, 1, club); ShowPlanned(); return true;
            case kBrowseLast: s_Plan.Browse(-1, club); ShowPlanned(); return true;
            case kBrowseNext: s_Plan.Browse(1, club); ShowPlanned(); return true;
            case kStandOk: OnOk(); return true;
            default: break;
        }
    }
    return CScreensInfo::OnCommand(id, code, control);
}

// ---- Stand Development -------------------------------------------------------------------

void CStadiumScreen::DrawStandPage() {
    // Works are planned for the user's own ground.
    if (CClub* own = UserClub()) m_pClub = own;
    if (!m_pClub) return;
    const int stand = s_nSelected >= 1 && s_nSelected <= 8 ? s_nSelected : 1;
    BuildClubKitSurface(reinterpret_cast<uintptr_t>(m_pClub));
    if (CXStatic* title = FindLabelAt(30, 61)) title->SetText(platform::LoadString(23418u + static_cast<unsigned>(stand)));
    if (CXStatic* boxes = FindLabelAt(26, 360))
        boxes->SetText(platform::LoadString(parts::IsCorner(stand) ? kFloodLightsLabel : kBoxesLabel));
    s_Plan.SetUp(*m_pClub, stand);
    ShowPlanned();
}

void CStadiumScreen::ShowPlanned() {
    const StandPlan& p = s_Plan;
    const platform::gfx::ColourRef white = platform::gfx::RGB(255, 255, 255), grey = platform::gfx::RGB(128, 128, 128);
    auto value = [this](int y, const std::string& text, platform::gfx::ColourRef colour) {
        if (CXStatic* l = FindLabelAt(302, y)) {
            l->SetText(text);
            l->SetColours(colour, platform::gfx::RGB(0, 0, 0));
            l->Refresh();
        }
    };
    value(270, platform::LoadString(SizeText(p.size)), white);
    value(300, platform::LoadString(RoofText(p.roof)), p.roofSeatingGreyed ? grey : white);
    value(330, platform::LoadString(SeatingText(p.seating)), p.roofSeatingGreyed ? grey : white);
    value(360, platform::LoadString(BoxesText(p.boxes, p.IsCorner())), p.boxesGreyed ? grey : white);
    for (uint32_t id : {23406u, 23407u, 23408u, 23409u})
        if (CXButton* b = FindButton(id)) b->Enable(!p.roofSeatingGreyed);
    for (uint32_t id : {23410u, 23411u})
        if (CXButton* b = FindButton(id)) b->Enable(!p.boxesGreyed);
    if (m_pMessage) m_pMessage->SetText(p.objection ? platform::LoadString(p.objection) : "");
    auto figure = [this](int y, const std::string& text, platform::gfx::ColourRef colour) {
        if (CXStatic* l = FindLabelAt(444, y)) {
            l->SetText(text);
            l->SetColours(colour, platform::gfx::RGB(0, 0, 0));
            l->Refresh();
        }
    };
    figure(123, std::to_string(p.capacity + p.places), white);
    figure(161, std::to_string(p.weeks) + " " + platform::LoadString(kWeeksText), white);
    figure(199, m_pClub ? m_pClub->FormatMoney(p.cost) : "", p.overBudget ? platform::gfx::RGB(255, 255, 0) : white);
    figure(236, m_pClub ? m_pClub->FormatTransferBudget() : "", white);
    m_strElevation = parts::ElevationEntry(p.stand, p.Planned());
    SetOverlay(0, m_strElevation, parts::kElevationX, parts::kElevationY);
    RebuildWorkBuffer();
    Repaint(0);
}

void CStadiumScreen::OnOk() {
    if (!m_pClub) return;
    if (const unsigned refusal = s_Plan.CheckOk(*m_pClub)) {
        UserMessageBox(refusal, MB_OK, -1);
        return;
    }
    const std::string question =
        platform::FormatMessageId(kStandOk + 1, {s_Plan.weeks, m_pClub->FormatMoney(s_Plan.cost)});
    if (UserMessageBoxText(question, MB_YESNO | MB_ICONQUESTION, -1) != IDYES) return;
    s_Plan.StartWorks(*m_pClub);
    s_nSelected = 0;
    OpenPage(kPlanPage);
}
