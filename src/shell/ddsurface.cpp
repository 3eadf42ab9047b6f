#include "shell/ddsurface.h"

#include "platform/trace.h"

DesktopFormat g_desktopFormat = platform::gfx::ReportedDesktopFormat();

void ReadDesktopFormat(int bpp, uint32_t redMask, uint32_t greenMask, uint32_t blueMask) {
    if (bpp == 16)
        platform::TraceF("Desktop pixel format : Red %d  Green %d  Blue %d\n", static_cast<int>(redMask),
                         static_cast<int>(greenMask), static_cast<int>(blueMask));
    g_desktopFormat = platform::gfx::DesktopFormatFromMasks(bpp, redMask, greenMask, blueMask);
}

void BuildBitmapSurface(const uint8_t* pixels, Surface* surface, const uint8_t* palette, int width,
                        int height) {
    if (!surface || !pixels || !palette || width <= 0 || height <= 0) return;
    auto bits = surface->Lock();
    if (!bits) {
        platform::Trace("DDLock Error BuildBitmapSurface\n");
        return;
    }
    platform::gfx::WriteBitmap8(platform::gfx::ReportedDesktopFormat(), platform::gfx::FromLocked(*bits), pixels, palette, width,
                                height);
    surface->Unlock();
}

void BuildBitmapSurface(const uint8_t* pixels, Surface* surface, int width, int height) {
    if (!surface || !pixels || width <= 0 || height <= 0) return;
    auto bits = surface->Lock();
    if (!bits) {
        platform::Trace("DDLock Error BuildBitmapSurface\n");
        return;
    }
    platform::gfx::WriteBitmap24(platform::gfx::ReportedDesktopFormat(), platform::gfx::FromLocked(*bits), pixels, width, height);
    surface->Unlock();
}

int CreatePlainSurface(std::unique_ptr<Surface>& surface, int width, int height) {
    surface.reset();
    if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
    auto made = Surface::Make(width, height);
    if (!made) return DDERR_OUTOFMEMORY;
    surface = std::make_unique<Surface>(std::move(*made));
    return DD_OK;
}

int SetSurfaceColourKeyRGB(Surface* surface, int red, int green, int blue) {
    if (!surface || surface->IsEmpty()) return DDERR_INVALIDPARAMS;
    // Our surfaces hold 32-bit pixels whatever the desktop's format, so the
    // key is kept in theirs.
    surface->SetColourKey(platform::gfx::MakePixel(red, green, blue));
    return DD_OK;
}

void BlitFade(int x, int y, int alpha, Surface* source, Surface* destination) {
    if (!source || !destination) return;
    auto src = source->Lock();
    if (!src) {
        platform::Trace("DDLock Error in BlitFade1\n");
        return;
    }
    auto dst = destination->Lock();
    if (!dst) {
        platform::Trace("DDLock Error in BlitFade2\n");
        source->Unlock();
        return;
    }
    platform::gfx::FadeBits(platform::gfx::ReportedDesktopFormat(), x, y, alpha,
                            platform::gfx::FromLocked(*src), platform::gfx::FromLocked(*dst));
    destination->Unlock();
    source->Unlock();
}

const char* DirectDrawErrorName(int result) {
    switch (result) {
        case DD_OK: return "DD_OK";
        case DDERR_INVALIDPARAMS: return "DDERR_INVALIDPARAMS";
        case DDERR_OUTOFMEMORY: return "DDERR_OUTOFMEMORY";
        case DDERR_SURFACELOST: return "DDERR_SURFACELOST";
        case DDERR_INVALIDRECT: return "DDERR_INVALIDRECT";
        default: return "Unknown Error";
    }
}

void ReportDirectDrawError(int result, const char* file, int line) {
    platform::TraceF("DirectDraw Error %s\nin file %s at line %d\n", DirectDrawErrorName(result),
                     file ? file : "", line);
}
