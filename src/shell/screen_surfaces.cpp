// The page's surface services: building, copying and blitting surfaces,
// fills, and the match-state banner over the animation. Every blit is
// clipped to both surfaces; blits to the window go into the frame's picture
// at the page's client position, cut to the client.
#include <cstdio>

#include "platform/gfx/blit.h"
#include "platform/gfx/pixelformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/ddsurface.h"
#include "shell/screen.h"
#include "shell/view.h"

using platform::gfx::kKeyPixel;
using platform::gfx::Surface;
using platform::win::Rect;

namespace {

// The transparent colour as the source key of a keyed blit.
void SetTransparentKey(Surface* source) {
    SetSurfaceColourKeyRGB(source, 255, 0, 143);
}

bool Usable(const Surface* s) {
    return s && !s->IsEmpty();
}

// The string-table texts of the banner.
constexpr uint32_t kBannerTextBase = 29229;
enum BannerText : uint32_t {
    kTextPaused = 0,
    kTextHalfTime,
    kTextFullTime,
    kTextInjury,
    kTextPenalty,
    kTextExtraTime,
    kTextShootout,
    kTextFullTimeAet,
    kTextPressPlay,
    kTextChooseTaker,
    kTextChooseFive,
};
constexpr int kNoText = -1;

struct BannerLines {
    int first;
    int second;
    int firstY;
};

BannerLines BannerFor(int state) {
    switch (state) {
        case kBannerPaused: return {kTextPaused, kNoText, 90};
        case kBannerHalfTime: return {kTextHalfTime, kTextPressPlay, 80};
        case kBannerFullTime: return {kTextFullTime, kTextPressPlay, 80};
        case kBannerInjury: return {kTextInjury, kTextPressPlay, 80};
        case kBannerPenalty: return {kTextPenalty, kTextChooseTaker, 80};
        case kBannerExtraTime: return {kTextExtraTime, kTextPressPlay, 80};
        case kBannerShootout: return {kTextShootout, kTextChooseFive, 80};
        case kBannerFullTimeAet: return {kTextFullTimeAet, kTextPressPlay, 80};
        default: return {kNoText, kNoText, 0};
    }
}

}  // namespace

void CScreen::BuildMixBitmapSurface(const uint8_t* pixels, Surface* surface, const uint8_t* palette, int width,
                                    int height) {
    if (!surface || !pixels || !palette || width <= 0 || height <= 0) return;
    auto bits = surface->Lock();
    if (!bits) {
        platform::Trace("DDLock Error BuildMixBitmapSurface\n");
        return;
    }
    platform::gfx::WriteBitmap8(platform::gfx::ReportedDesktopFormat(), platform::gfx::FromLocked(*bits), pixels,
                                palette, width, height, m_nTransparentIndex);
    surface->Unlock();
}

void CScreen::CopySurface(Surface* source, std::unique_ptr<Surface>& destination) {
    destination.reset();
    if (!Usable(source)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    if (int r = CreatePlainSurface(destination, source->Width(), source->Height()); r != DD_OK) {
        ReportDirectDrawError(r, __FILE__, __LINE__);
        return;
    }
    platform::gfx::Blit(*destination, 0, 0, *source, source->Bounds());
}

void CScreen::PresentToWindow(const Surface& source, const Rect& from, const Rect& to, bool keyed) {
    platform::win::Point origin;
    platform::win::Picture* picture = PaintPicture(&origin);
    if (!picture) {
        ReportDirectDrawError(DDERR_SURFACELOST, __FILE__, __LINE__);
        return;
    }
    // The client as far as it shows, in the picture's pixels: a blit is cut
    // at the client's edges and the source shrinks with it.
    const Rect clip = VisibleClient().Offset(origin.x, origin.y);
    if (clip.IsEmpty()) return;
    const Rect target = to.Offset(origin.x, origin.y);
    const std::optional<platform::gfx::Pixel> key =
        keyed ? std::optional<platform::gfx::Pixel>(kKeyPixel) : std::nullopt;
    if (target.Width() == from.Width() && target.Height() == from.Height()) {
        if (keyed)
            platform::gfx::BlitKeyed(*picture, target.left, target.top, source, from, kKeyPixel, clip);
        else
            platform::gfx::Blit(*picture, target.left, target.top, source, from, platform::gfx::RasterOp::SrcCopy,
                                clip);
    } else {
        platform::gfx::StretchBlit(*picture, target, source, from, key, clip);
    }
    platform::win::Ui::Get().MarkDirty();
}

void CScreen::BlitSurfaceToScreen(Surface* surface, int x, int y) {
    if (!Usable(surface)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    PresentToWindow(*surface, surface->Bounds(), Rect::XYWH(x, y, surface->Width(), surface->Height()), false);
}

void CScreen::BlitSurfaceRectToScreen(Surface* surface, int x, int y, int w, int h) {
    if (!Usable(surface) || w < 0 || h < 0) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    const Rect r = Rect::XYWH(x, y, w, h);
    PresentToWindow(*surface, r, r, false);
}

void CScreen::BlitSurfaceToScreenKeyed(Surface* surface, int x, int y, int w, int h) {
    if (!Usable(surface) || w < 0 || h < 0) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    SetTransparentKey(surface);
    PresentToWindow(*surface, surface->Bounds(), Rect::XYWH(x, y, w, h), true);
}

void CScreen::BlitSurfaceToSurface(int x, int y, Surface* source, Surface* destination) {
    if (!Usable(source) || !Usable(destination)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    platform::gfx::Blit(*destination, x, y, *source, source->Bounds());
}

void CScreen::CopySurfaceRect(int left, int top, int right, int bottom, Surface* source, Surface* destination) {
    if (!Usable(source) || !Usable(destination)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    platform::gfx::Blit(*destination, left, top, *source, Rect{left, top, right, bottom});
}

void CScreen::CopySurfaceRectTo(int x, int y, int w, int h, Surface* source, int dx, int dy, Surface* destination) {
    if (!Usable(source) || !Usable(destination)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    platform::gfx::Blit(*destination, dx, dy, *source, Rect::XYWH(x, y, w, h));
}

void CScreen::BlitSurfaceKeyedAt(int x, int y, Surface* source, Surface* destination) {
    if (!Usable(source) || !Usable(destination)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    SetTransparentKey(source);
    platform::gfx::BlitKeyed(*destination, x, y, *source, source->Bounds(), *source->ColourKey());
}

void CScreen::BlitSurfaceRectKeyed(int dx, int dy, int sx, int sy, int w, int h, Surface* source,
                                   Surface* destination) {
    if (!Usable(source) || !Usable(destination)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    SetTransparentKey(source);
    platform::gfx::BlitKeyed(*destination, dx, dy, *source, Rect::XYWH(sx, sy, w, h), *source->ColourKey());
}

void CScreen::BlitSurfaceFastKeyed(int x, int y, Surface* source, Surface* destination) {
    BlitSurfaceKeyedAt(x, y, source, destination);
}

void CScreen::BlitSurfaceKeyed(int x, int y, int h, int w, Surface* source, Surface* destination) {
    if (!Usable(source) || !Usable(destination) || w < 0 || h < 0) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    SetTransparentKey(source);
    platform::gfx::StretchBlit(*destination, Rect::XYWH(x, y, w, h), *source, source->Bounds(),
                               *source->ColourKey());
}

int CScreen::FillSurfaceRect(Surface* surface, int x, int y, int w, int h, int red, int green, int blue) {
    if (!Usable(surface)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return 0;
    }
    if (w <= 0 || h <= 0) return 0;
    surface->FillRect(Rect::XYWH(x, y, w, h), platform::gfx::MakePixel(red, green, blue));
    return 0;
}

void CScreen::DrawMatchStateBanner() {
    Surface* scratch = g_pScratchSurface.get();
    if (!Usable(scratch)) {
        ReportDirectDrawError(DDERR_INVALIDPARAMS, __FILE__, __LINE__);
        return;
    }
    const BannerLines lines = BannerFor(m_nMatchState);
    if (lines.first != kNoText)
        DrawShadowText(2, platform::gfx::TA_CENTER, scratch, platform::LoadString(kBannerTextBase + lines.first), 160,
                       lines.firstY);
    if (lines.second != kNoText)
        DrawShadowText(1, platform::gfx::TA_CENTER, scratch, platform::LoadString(kBannerTextBase + lines.second),
                       160, 100);
    if (!m_bEnlargedView) {
        BlitSurfaceToScreen(scratch, 454, 13);
        return;
    }
    char minute[16];
    std::snprintf(minute, sizeof minute, "%d", m_nMatchMinute);
    DrawShadowText(1, platform::gfx::TA_LEFT, scratch, minute, 4, 4);
    DrawShadowText(3, platform::gfx::TA_LEFT, scratch, m_strBanner[0] + " " + m_strBanner[1], 8, 186);
    DrawShadowText(3, platform::gfx::TA_LEFT, scratch, m_strBanner[2] + " " + m_strBanner[3], 160, 186);
    const Rect client = ClientRect();
    PresentToWindow(*scratch, scratch->Bounds(), {0, 0, client.Width(), client.Height()}, false);
}
