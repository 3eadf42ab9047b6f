// The page's animation player: the queue of clips, opening a clip through
// the clip table, decoding its frames, recolouring its palette with the
// clubs' kit colours, and composing each frame over its backdrop on the
// scratch surface, with the banner and the clip's sound cues.
#include <algorithm>
#include <cstdio>

#include "platform/trace.h"
#include "shell/flcclips.h"
#include "shell/flcdecode.h"
#include "shell/kitcolours.h"
#include "shell/screen.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "soccerclasses/matchplay.h"

using platform::gfx::Surface;

namespace {

constexpr int kFlcInjuryLeft = 658, kFlcInjuryRight = 662, kFlcSubLeft = 650, kFlcSubRight = 654;

bool FlcBetween(int v, int lo, int hi) { return v >= lo && v <= hi; }

// A 32-entry ramp from the colour down towards black: entry k holds the
// colour less k thirty-seconds of it.
void FlcRamp(uint8_t* palette, int first, KitColour c) {
    for (int k = 0; k < 32; ++k) {
        const double f = 1.0 - k / 32.0;
        uint8_t* e = palette + 4 * (first + k);
        e[0] = static_cast<uint8_t>(c.blue * f);
        e[1] = static_cast<uint8_t>(c.green * f);
        e[2] = static_cast<uint8_t>(c.red * f);
    }
}

}  // namespace

bool CScreen::PushFlcEvent(int clip, int side) {
    FlcPlayerState& f = m_Flc;
    // One slot stays free: a full ring would read as an empty one.
    if (f.QueueCount() >= FlcPlayerState::kQueueSize - 1) {
        platform::TraceF("FLC queue full: clip %d dropped\n", clip);
        return false;
    }
    f.queue[static_cast<size_t>(f.writeIndex)] = {clip, side};
    f.writeIndex = (f.writeIndex + 1) % FlcPlayerState::kQueueSize;
    return true;
}

bool CScreen::AddFlcSubstitution(int flags, int position) {
    if (static_cast<int>(m_Flc.pending.size()) >= FlcPlayerState::kMaxPendingSubstitutions) {
        platform::TraceF("FLC substitutions full: one dropped\n");
        return false;
    }
    m_Flc.pending.push_back({flags, position});
    return true;
}

void CScreen::SetFlcExtraClip(int clip, int side) {
    m_Flc.extraClip = clip;
    m_Flc.extraSide = side;
}

int CScreen::GetFlcClipKind(int clip) const {
    const FlcClipRow* row = FlcClipAt(clip);
    if (!row) return 0;
    return row->kind == kClipGoal ? 1 : (row->kind == kClipMiss ? 2 : 0);
}

bool CScreen::FlcFillQueue() {
    FlcPlayerState& f = m_Flc;
    if (!f.pending.empty()) {
        // From the last entry to the first; the list is used once.
        bool first = true;
        for (auto it = f.pending.rbegin(); it != f.pending.rend(); ++it) {
            const int position = std::clamp(it->position, 0, 3);
            const bool left = (it->flags & 2) != 0;
            int clip;
            if (first && f.injury) {
                clip = (left ? kFlcInjuryLeft : kFlcInjuryRight) + position;
                f.injury = 0;
            } else {
                clip = (left ? kFlcSubLeft : kFlcSubRight) + position;
            }
            first = false;
            PushFlcEvent(clip, it->flags & 1);
        }
        f.pending.clear();
        return true;
    }
    if (f.extraClip == -1) return false;
    int side = f.extraSide;
    if (side < 0) side = (f.match && f.match->GetManagerKind(0) != 0) ? 0 : 1;
    PushFlcEvent(f.extraClip, side);
    f.extraClip = -1;
    f.extraSide = -1;
    return true;
}

int CScreen::StartFlcClip() {
    FlcPlayerState& f = m_Flc;
    if (f.open) CloseFlc(false);
    for (;;) {
        if (f.QueueEmpty() && !FlcFillQueue()) return -1;
        const FlcQueueEntry e = f.queue[static_cast<size_t>(f.readIndex)];
        f.readIndex = (f.readIndex + 1) % FlcPlayerState::kQueueSize;
        f.clip = e.clip;
        f.side = e.side;
        const FlcClipRow* row = FlcClipAt(e.clip);
        if (!row) {
            platform::TraceF("FLC clip %d has no row in the clip table\n", e.clip);
            continue;
        }
        f.row = row;
        if (BuildSurfaceFromBitmap(FlcBackdropPath(*row), f.backdrop) != 0) {
            platform::TraceF("FLC clip %d skipped: no backdrop\n", e.clip);
            continue;
        }
        if (Surface* scratch = g_pScratchSurface.get()) BlitSurfaceToSurface(0, 0, f.backdrop.get(), scratch);
        const std::string path = FlcClipPath(*row);
        platform::TraceF("---FLC = %d03--- %s%s\n", e.clip, path.c_str(), e.side == 0 ? " -Home Side-" : " -Away Side- ");
        if (row->endColumn != -1) {
            f.endColumn = row->endColumn;
            f.endRow = row->endRow;
        }
        f.kind = row->kind;
        if (row->kind == kClipGoal || row->kind == kClipMiss) f.shot = 1;
        f.started = 1;
        if (OpenFlc(path)) return 0;
        platform::TraceF("FLC clip %d skipped\n", e.clip);
    }
}

bool CScreen::OpenFlc(const std::string& path) {
    FlcPlayerState& f = m_Flc;
    if (f.open) CloseFlc(false);
    auto bytes = LoadArchiveEntry(path);
    if (!bytes) {
        platform::TraceF("Cannot find file : %s\n", path.c_str());
        return false;
    }
    flc::Header h;
    if (!flc::ReadHeader(*bytes, h)) {
        platform::TraceF("FLC file %s refused: no frames, or larger than 320 x 200\n", path.c_str());
        return false;
    }
    Surface* scratch = g_pScratchSurface.get();
    if (!scratch || scratch->IsEmpty()) {
        platform::Trace("FLC: no scratch surface\n");
        return false;
    }
    f.file = std::move(*bytes);
    f.offset = flc::kFileHeaderSize;
    f.width = h.width;
    f.height = h.height;
    f.frame.assign(static_cast<size_t>(h.width) * static_cast<size_t>(h.height), 0);
    f.clipPalette.fill(0);
    flc::FrameTarget t{f.frame.data(), f.width, f.height, f.clipPalette.data(), &m_nTransparentIndex, false};
    const flc::FrameResult r = flc::DecodeFrame(f.file, f.offset, t, true);
    if (r == flc::FrameResult::Damaged || r == flc::FrameResult::NoFrame) {
        platform::TraceF("FLC file %s is damaged\n", path.c_str());
        f.file.clear();
        f.frame.clear();
        return false;
    }
    ConvertFlcPalette(f.clipPalette.data(), f.palette.data());
    BuildMixBitmapSurface(f.frame.data(), scratch, f.palette.data(), f.width, f.height);
    f.open = 1;
    f.cue = 0;
    f.framesLeft = h.frames;
    f.frameCounter = 0;
    FlcCueCheck();
    FlcCountFrame();
    return true;
}

void CScreen::FlcCueCheck() {
    FlcPlayerState& f = m_Flc;
    if (!f.row || f.cue >= f.row->cues.size()) return;
    const FlcCue& c = f.row->cues[f.cue];
    if (c.frame == -1 || c.frame != f.frameCounter) return;
    PlaySample(c.slot, 0);
    ++f.cue;
}

void CScreen::FlcCountFrame() {
    --m_Flc.framesLeft;
    ++m_Flc.frameCounter;
}

int CScreen::NextFlcFrame() {
    FlcPlayerState& f = m_Flc;
    Surface* scratch = g_pScratchSurface.get();
    if (f.open && f.framesLeft > 0 && scratch) {
        flc::FrameTarget t{f.frame.data(), f.width, f.height, f.clipPalette.data(), &m_nTransparentIndex, false};
        const flc::FrameResult r = flc::DecodeFrame(f.file, f.offset, t, false);
        if (r == flc::FrameResult::Damaged)
            platform::TraceF("FLC clip %d is damaged at frame %d: ended\n", f.clip, f.frameCounter);
        if (r == flc::FrameResult::Shown) {
            if (t.paletteChanged) ConvertFlcPalette(f.clipPalette.data(), f.palette.data());
            if (f.backdrop) BlitSurfaceToSurface(0, 0, f.backdrop.get(), scratch);
            BuildMixBitmapSurface(f.frame.data(), scratch, f.palette.data(), f.width, f.height);
            DrawMatchStateBanner();
            FlcCueCheck();
            FlcCountFrame();
            return -1;
        }
    }
    const int finished = f.clip;
    CloseFlc(false);
    if (StartFlcClip() == -1) return finished + 1000;
    DrawMatchStateBanner();
    return finished;
}

void CScreen::CloseFlc(bool resetQueue) {
    FlcPlayerState& f = m_Flc;
    f.file.clear();
    f.file.shrink_to_fit();
    f.frame.clear();
    f.offset = 0;
    f.open = 0;
    if (resetQueue) f.readIndex = f.writeIndex = 0;
}

void CScreen::ReadFlcPalette(int componentKind, const uint8_t* data, size_t size) {
    if (!data) return;
    flc::ReadPalette({data, size}, componentKind == flc::kColor64, m_Flc.clipPalette.data(), m_nTransparentIndex);
}

bool CScreen::DecodeFlcBrun(const uint8_t* data, size_t size, uint8_t* frame, int width, int height) {
    return data && frame && flc::DecodeBrun({data, size}, frame, width, height);
}

bool CScreen::DecodeFlcDelta(const uint8_t* data, size_t size, uint8_t* frame, int width, int height) {
    return data && frame && flc::DecodeDelta({data, size}, frame, width, height);
}

void ConvertFlcClipPalette(int clip, int side, const FlcSideKits& kits, const uint8_t* clipPalette, uint8_t* converted) {
    // Every entry starts as the clip's own, so no colour is left over from
    // the clip before.
    std::copy(clipPalette, clipPalette + 1024, converted);
    if (FlcBetween(clip, 382, 385)) {
        FlcRamp(converted, 192, {255, 0, 0});
        FlcRamp(converted, 224, {255, 255, 0});
        return;
    }
    for (int k = 0; k < 32; ++k) {
        uint8_t* grass = converted + 4 * (64 + k);
        grass[0] = 0;
        grass[1] = static_cast<uint8_t>(128 - 4 * k);
        grass[2] = 0;
        uint8_t* black = converted + 4 * (96 + k);
        black[0] = black[1] = black[2] = 0;
    }
    const KitColour homeShirt = KitColourAt(kits.homeShirt);
    const KitColour homeShorts = KitColourAt(kits.homeShorts);
    const KitColour awayShirt = KitColourAt(kits.awayShirt);
    const KitColour awayShorts = KitColourAt(kits.awayShorts);
    const bool home = side == 0;
    FlcRamp(converted, 128, home ? homeShirt : awayShirt);
    FlcRamp(converted, 160, home ? homeShorts : awayShorts);
    if (FlcBetween(clip, 320, 323)) {
        FlcRamp(converted, 192, {255, 255, 0});
    } else if (FlcBetween(clip, 324, 327)) {
        FlcRamp(converted, 192, {255, 0, 0});
    } else if (FlcBetween(clip, 74, 85)) {
        FlcRamp(converted, 192, homeShirt);
    } else {
        FlcRamp(converted, 192, home ? awayShirt : homeShirt);
        FlcRamp(converted, 224, home ? awayShorts : homeShorts);
    }
}

void CScreen::ConvertFlcPalette(const uint8_t* clipPalette, uint8_t* converted) {
    CMatchPlay* m = m_Flc.match;
    FlcSideKits kits;
    if (m) {
        kits.homeShirt = m->GetHomeKitByte(3);
        kits.homeShorts = m->GetHomeKitByte(6);
        kits.awayShirt = m->GetAwayKitByte(3);
        kits.awayShorts = m->GetAwayKitByte(6);
    }
    ConvertFlcClipPalette(m_Flc.clip, m_Flc.side, kits, clipPalette, converted);
}
