// What a page shows over its background: overlays and lines composed into
// the work buffer (afresh on the next paint after any of them changes, so
// nothing of a removed one stays), the six small pictures drawn after every
// paint, the context pictures of a tree item, and a video in a child window.
#include <cstdio>

#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/screen.h"
#include "shell/toolbox_draw.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::Surface;

namespace {

// The key colour of every overlay, as the pictures are drawn.
constexpr platform::gfx::ColourRef kOverlayKey = 0x8F00FF;

std::string Numbered(const char* format, int n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, n);
    return buf;
}

// "/" stands for "\" and doubled separators for one, as the archives read
// paths (the world overlay's path is written with "//").
std::string ArchivePath(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;
        out += c;
    }
    return out;
}

}  // namespace

Rect PictureSlotRect(int slot) {
    switch (slot) {
        case kSlotKit: return Rect::XYWH(524, 31, 48, 48);
        case kSlotBadge: return Rect::XYWH(464, 137, 100, 100);
        case kSlotFace: return Rect::XYWH(520, 20, 68, 68);
        case kSlotEurope: return Rect::XYWH(530, 35, 50, 50);
        case kSlotFlag: return Rect::XYWH(518, 34, 60, 40);
        case kSlotTrophy: return Rect::XYWH(517, 24, 62, 62);
        default: return {};
    }
}

int CScreen::AddOverlayBitmap(const std::string& name, int x, int y) {
    auto o = std::make_unique<OverlayBitmap>();
    o->bitmap.Load(ArchivePath(name));
    o->x = x;
    o->y = y;
    m_Overlays.push_back(std::move(o));
    m_bWorkBuilt = 0;
    return GetOverlayCount() - 1;
}

void CScreen::SetOverlayBitmap(const std::string& name, int x, int y, int index) {
    if (index < 0 || index >= GetOverlayCount()) return;
    OverlayBitmap& o = *m_Overlays[static_cast<size_t>(index)];
    if (!o.bitmap.Load(ArchivePath(name))) o.bitmap.Clear();
    o.x = x;
    o.y = y;
    m_bWorkBuilt = 0;
}

void CScreen::ShowOverlayBitmap(int index, bool show) {
    if (index < 0 || index >= GetOverlayCount()) return;
    m_Overlays[static_cast<size_t>(index)]->hidden = show ? 0 : 1;
    m_bWorkBuilt = 0;
}

void CScreen::ShowAllOverlayBitmaps(bool show) {
    for (auto& o : m_Overlays) o->hidden = show ? 0 : 1;
    m_bWorkBuilt = 0;
}

void CScreen::RemoveOverlayBitmapsFrom(int index) {
    if (index < 0) index = 0;
    if (index < GetOverlayCount()) m_Overlays.erase(m_Overlays.begin() + index, m_Overlays.end());
    m_Lines.clear();
    m_bWorkBuilt = 0;
}

const OverlayBitmap* CScreen::GetOverlay(int index) const {
    return index >= 0 && index < GetOverlayCount() ? m_Overlays[static_cast<size_t>(index)].get() : nullptr;
}

int CScreen::AddLine(int x1, int y1, int x2, int y2, platform::gfx::ColourRef colour, int width) {
    m_Lines.push_back({colour, width, x1, y1, x2, y2, 0});
    m_bWorkBuilt = 0;
    return GetLineCount() - 1;
}

void CScreen::ShowLine(int index, bool show) {
    if (index < 0 || index >= GetLineCount()) return;
    m_Lines[static_cast<size_t>(index)].hidden = show ? 0 : 1;
    m_bWorkBuilt = 0;
}

void CScreen::ShowAllLines(bool show) {
    for (auto& l : m_Lines) l.hidden = show ? 0 : 1;
    m_bWorkBuilt = 0;
}

const LineRecord* CScreen::GetLine(int index) const {
    return index >= 0 && index < GetLineCount() ? &m_Lines[static_cast<size_t>(index)] : nullptr;
}

void CScreen::DrawOverlaysAndLines() {
    if (m_Work.IsEmpty()) return;
    Canvas dc(m_Work);
    for (const auto& o : m_Overlays)
        if (!o->hidden && o->bitmap.IsLoaded())
            DrawTransparentBitmap(&dc, &o->bitmap.GetSurface(), o->x, o->y, kOverlayKey, -1, -1);
    for (const LineRecord& l : m_Lines) {
        if (l.hidden) continue;
        dc.SelectPen(platform::gfx::Pen::Solid(l.colour, l.width));
        dc.MoveTo(l.x1, l.y1);
        dc.LineTo(l.x2, l.y2);
    }
}

Surface* CScreen::GetPictureSurface(int slot) const {
    if (slot < 0 || slot >= kPictureSlotCount) return nullptr;
    const PictureSlotRecord& p = m_Pictures[static_cast<size_t>(slot)];
    return p.present ? p.surface.get() : nullptr;
}

bool CScreen::IsPicturePresent(int slot) const {
    return GetPictureSurface(slot) != nullptr;
}

void CScreen::SetPictureSurface(int slot, std::unique_ptr<Surface> surface) {
    if (slot < 0 || slot >= kPictureSlotCount) return;
    PictureSlotRecord& p = m_Pictures[static_cast<size_t>(slot)];
    p.surface = std::move(surface);
    p.present = p.surface && !p.surface->IsEmpty() ? 1 : 0;
}

void CScreen::ReleasePictureSurface(int slot) {
    if (slot < 0 || slot >= kPictureSlotCount) return;
    PictureSlotRecord& p = m_Pictures[static_cast<size_t>(slot)];
    p.surface.reset();
    p.present = 0;
}

bool CScreen::LoadPictureSurface(int slot, const std::string& path) {
    std::unique_ptr<Surface> s;
    if (BuildSurfaceFromBitmap(path, s) != 0 || !s) return false;
    SetPictureSurface(slot, std::move(s));
    return true;
}

void CScreen::DrawPictureSlots() {
    // Keyed and fitted to the slot: a picture of another size (the full-size
    // kit) is stretched into it rather than spilling over the page.
    for (int slot = 0; slot < kPictureSlotCount; ++slot) {
        Surface* s = GetPictureSurface(slot);
        if (!s) continue;
        const Rect r = PictureSlotRect(slot);
        BlitSurfaceToScreenKeyed(s, r.left, r.top, r.Width(), r.Height());
    }
}

void CScreen::ShowFlagPicture(int n) {
    LoadPictureSurface(kSlotFlag, Numbered("gfx\\flags\\flag%02d.bmp", n));
}

void CScreen::ShowCupTrophy(int n) {
    LoadPictureSurface(kSlotTrophy, Numbered("gfx\\trophies\\cup\\trophy%02d.bmp", n));
}

void CScreen::ShowDivisionTrophy(int n) {
    LoadPictureSurface(kSlotTrophy, Numbered("gfx\\trophies\\division\\trophy%02d.bmp", n));
}

void CScreen::ShowContextPicture(int kind, uintptr_t data, bool releaseFirst, int mode) {
    if (releaseFirst) {
        for (int slot : {kSlotKit, kSlotEurope, kSlotFlag, kSlotTrophy}) ReleasePictureSurface(slot);
        RemoveOverlayBitmapsFrom(0);
    }
    const auto* cup = reinterpret_cast<const CCup*>(data);
    switch (kind) {
        case kContextWorld:
            AddOverlayBitmap("gfx//tree//context//world.bmp", 530, 35);
            break;
        case kContextFederation: {
            const auto* fed = reinterpret_cast<const CFederation*>(data);
            LoadPictureSurface(kSlotEurope, fed && fed->GetId() != 0 ? "gfx\\tree\\context\\restofworld.bmp"
                                                                     : "gfx\\tree\\context\\europe.bmp");
            break;
        }
        case kContextCountry:
            if (mode == 1) {
                if (cup) ShowCupTrophy(cup->m_PictureNumber);
            } else if (const auto* country = reinterpret_cast<const CCountry*>(data)) {
                ShowFlagPicture(country->GetId());
            }
            break;
        case kContextDivision:
            if (mode == 1) {
                if (cup) ShowCupTrophy(cup->m_PictureNumber);
            } else if (const auto* division = reinterpret_cast<const CDivision*>(data)) {
                ShowDivisionTrophy(division->GetPictureNumber());
            }
            break;
        case kContextClub:
            if (mode == 1) {
                if (cup) ShowCupTrophy(cup->m_PictureNumber);
            } else if (data) {
                BuildClubKitSurface(data);
            }
            break;
        default:
            break;
    }
}

bool CScreen::PlayVideo(const std::string& path, std::unique_ptr<ClipSource> clip) {
    StopVideo();
    m_pVideo.reset();
    if (!clip) {
        platform::TraceF("CScreen::PlayVideo - no clip for %s\n", path.c_str());
        return false;
    }
    const Size s = clip->FrameSize();
    const Rect c = ClientRect();
    const int x = std::max(0, (c.Width() - s.cx) / 2), y = std::max(0, (c.Height() - s.cy) / 2);
    auto video = std::make_unique<VideoWindow>();
    if (!video->Open(this, Rect::XYWH(x, y, s.cx, s.cy), std::move(clip))) {
        platform::TraceF("CScreen::PlayVideo - cannot open %s\n", path.c_str());
        return false;
    }
    m_pVideo = std::move(video);
    m_pVideo->Play();
    m_bVideoPlaying = 1;
    return true;
}

int CScreen::CheckVideoFinished() {
    if (m_pVideo && !m_pVideo->IsStopped()) return 0;
    if (m_pVideo) {
        m_pVideo->Destroy();
        m_pVideo.reset();
    }
    m_bVideoPlaying = 0;
    return 1;
}

void CScreen::StopVideo() {
    if (m_pVideo) m_pVideo->Stop();
    m_bVideoPlaying = 0;
}

void CScreen::EnableToolboxButton(int index, bool enable) {
    if (Window* parent = Parent())
        parent->Send(ui::kMsgButtonState, static_cast<uintptr_t>(index), enable ? 1 : 0);
    else
        platform::Trace("CScreen::EnableToolboxButton without a parent\n");
}

void CScreen::NotifyToolboxState(bool enable) {
    if (Window* parent = Parent())
        parent->Send(ui::kMsgAllButtons, enable ? 1 : 0, 0);
    else
        platform::Trace("CScreen::NotifyToolboxState without a parent\n");
}
