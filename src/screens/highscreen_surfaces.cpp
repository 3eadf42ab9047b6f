// The match-day page's pictures and samples, loaded at its three moments:
// the intro page's at set-up, the match page's at "Proceed", the result
// page's when the match is over.
#include <algorithm>
#include <cstdio>

#include "platform/gfx/colour.h"
#include "platform/trace.h"
#include "screens/highscreen.h"
#include "shell/archive.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/worlddata.h"

using platform::gfx::MakePixel;
using platform::gfx::Surface;
using namespace highscreen;

namespace {

constexpr platform::gfx::Pixel kHsKey = MakePixel(255, 0, 143);

// A panel in the style of the page backgrounds: dark blue-grey with a steel
// bevel, for a picture the archive does not hold.
void HsDrawPanel(Surface& s) {
    const int w = s.Width(), h = s.Height();
    for (int y = 0; y < h; ++y) {
        const int shade = 30 + (18 * y) / std::max(1, h);
        const platform::gfx::Pixel p = MakePixel(shade - 6, shade, shade + 14);
        for (int x = 0; x < w; ++x) s.Set(x, y, p);
    }
    const platform::gfx::Pixel light = MakePixel(168, 176, 190), dark = MakePixel(52, 56, 66);
    for (int x = 0; x < w; ++x) {
        s.Set(x, 0, light);
        s.Set(x, h - 1, dark);
    }
    for (int y = 0; y < h; ++y) {
        s.Set(0, y, light);
        s.Set(w - 1, y, dark);
    }
}

}  // namespace

void CHighScreen::LoadMatchPicture(const char* name, SurfacePtr& surface, int width, int height, bool keyed) {
    char path[160];
    std::snprintf(path, sizeof path, "gfx\\match\\surfaces\\%s.bmp", name);
    ArchiveEntryRef entry;
    if (OpenArchiveEntry(path, entry) == 0 && BuildSurfaceFromBitmap(path, surface) == 0 && surface) {
        if (keyed) surface->SetColourKey(kHsKey);
        return;
    }
    surface = std::make_unique<Surface>(width, height);
    HsDrawPanel(*surface);
    if (keyed) surface->SetColourKey(kHsKey);
}

void CHighScreen::LoadIntroSurfaces() {
    m_pPage = std::make_unique<Surface>(CScreen::kWidth, CScreen::kHeight);
    LoadMatchPicture("intro", m_pIntroBack, CScreen::kWidth, CScreen::kHeight, false);
    LoadMatchPicture("squad", m_pSheetBack, CScreen::kWidth, CScreen::kHeight, false);
    SurfacePtr released, pressed;
    LoadMatchPicture("intro1", released, 144, 24, true);
    LoadMatchPicture("introl1", pressed, 144, 24, true);
    m_pIntroButton = std::move(released);
    m_pIntroButtonPressed = std::move(pressed);
    static constexpr const char* kIcons[4] = {"yellow", "injured", "injuredyellow", "red"};
    for (int i = 0; i < 4; ++i) LoadMatchPicture(kIcons[i], m_pStatusIcon[static_cast<size_t>(i)], 12, 14, true);
    // The competition's trophy: cup ids from 10000, division ids below.
    const int id = m_pMatchPlay ? m_pMatchPlay->GetCompetitionId() : -1;
    m_pCompetition.reset();
    if (id >= 0) {
        char path[96];
        if (id >= 10000)
            std::snprintf(path, sizeof path, "gfx\\trophies\\cup\\trophy%02d.bmp", (id - 10000) % 24);
        else
            std::snprintf(path, sizeof path, "gfx\\trophies\\division\\trophy%02d.bmp", id % 24);
        ArchiveEntryRef entry;
        if (OpenArchiveEntry(path, entry) == 0 && BuildSurfaceFromBitmap(path, m_pCompetition) == 0 && m_pCompetition)
            m_pCompetition->SetColourKey(kHsKey);
    }
    for (int side = 0; side < 2; ++side) {
        const CClub* club = SideClub(side);
        if (!club || !m_pMatchPlay) continue;
        CKits kit;
        for (int k = 0; k < 8; ++k)
            kit.bytes[static_cast<size_t>(k)] =
                side == 0 ? m_pMatchPlay->GetHomeKitByte(k) : m_pMatchPlay->GetAwayKitByte(k);
        BuildKitSurface(m_pKit[static_cast<size_t>(side)], kKitFull, kit);
        BuildKitSurface(m_pSmallKit[static_cast<size_t>(side)], 0, kit);
    }
}

void CHighScreen::LoadMatchPageSurfaces() {
    LoadMatchPicture("score panel", m_pScoreBack, 440, 225, false);
    m_pScore = std::make_unique<Surface>(440, 225);
    LoadMatchPicture("control strip", m_pStripUnlit, 365, 57, false);
    LoadMatchPicture("control strip lit", m_pStripLit, 365, 57, false);
    if (m_pStripLit && !m_pStripLit->IsEmpty()) {
        // The drawn strip lights its section in a brighter steel.
        ArchiveEntryRef entry;
        if (OpenArchiveEntry("gfx\\match\\surfaces\\control strip lit.bmp", entry) != 0)
            for (int y = 2; y < m_pStripLit->Height() - 2; ++y)
                for (int x = 0; x < m_pStripLit->Width(); ++x) m_pStripLit->Set(x, y, MakePixel(70, 92, 128));
    }
    m_pStrip = std::make_unique<Surface>(365, 57);
    LoadMatchPicture("action box", m_pClipFrame, 348, 225, false);
    LoadMatchPicture("players_left", m_pPanelBack[0], 210, 325, false);
    LoadMatchPicture("players_right", m_pPanelBack[1], 213, 325, false);
    LoadMatchPicture("playerperf_left", m_pCardBack[0], 210, 325, false);
    LoadMatchPicture("playerperf_right", m_pCardBack[1], 213, 325, false);
    m_pPanel[0] = std::make_unique<Surface>(210, 325);
    m_pPanel[1] = std::make_unique<Surface>(213, 325);
    LoadMatchPicture("performance", m_pPerformanceBack, 365, 268, false);
    m_pPerformance = std::make_unique<Surface>(365, 268);
    LoadMatchPicture("button play light", m_pPlay, 48, 50, true);
    LoadMatchPicture("button pause light", m_pPause, 48, 50, true);
    LoadMatchPicture("button pause dark", m_pPauseDark, 48, 50, true);
    LoadMatchPicture("button exit light", m_pExit, 48, 50, true);
    LoadMatchPicture("button exit dark", m_pExitDark, 48, 50, true);
    SetUpCardButtons();
    LoadMatchSamples();
    m_bMatchSurfaces = 1;
}

void CHighScreen::LoadMatchSamples() {
    static constexpr const char* kLoops[7] = {"loop 02", "loop 09", "loop 10", "loop 19",
                                              "loop 25", "loop 35", "loop 36"};
    static constexpr const char* kHomeReactions[3] = {"reaction 09", "reaction 10", "reaction 11"};
    static constexpr const char* kAwayReactions[3] = {"reaction 08", "reaction 15", "reaction 16"};
    auto load = [](int slot, const char* name) {
        char path[64];
        std::snprintf(path, sizeof path, "SND\\MAT\\%s.wav", name);
        LoadSample(slot, path);
    };
    // The draws in slot order: 20, 21, 26, 27.
    load(kCrowdHomeSlot, kLoops[RandomByte(7)]);
    load(kCrowdAwaySlot, kLoops[RandomByte(7)]);
    load(22, "kick 15");
    load(23, "kick 12");
    load(24, "whistle 04");
    load(25, "kick 28");
    load(26, kHomeReactions[RandomByte(3)]);
    load(27, kAwayReactions[RandomByte(3)]);
    m_nCrowdLevel = {10, 10};
    PlaySample(kCrowdHomeSlot, 1);
    SetSamplePan(kCrowdHomeSlot, -1000);
    SetSampleVolume(kCrowdHomeSlot, -1000);
    PlaySample(kCrowdAwaySlot, 1);
    SetSamplePan(kCrowdAwaySlot, 1000);
    SetSampleVolume(kCrowdAwaySlot, -1000);
}

void CHighScreen::LoadResultSurfaces() {
    LoadMatchPicture("result", m_pResultBack, CScreen::kWidth, CScreen::kHeight, false);
    LoadMatchPicture("scores", m_pScoresBack, CScreen::kWidth, CScreen::kHeight, false);
    LoadMatchPicture("match stats", m_pStatsBack, CScreen::kWidth, CScreen::kHeight, false);
    StopSample(kCrowdHomeSlot);
    StopSample(kCrowdAwaySlot);
}
