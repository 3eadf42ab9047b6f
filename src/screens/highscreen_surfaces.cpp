// The match-day page's pictures and samples, loaded at its three moments:
// the intro page's at set-up, the match page's at "Proceed", the result
// page's when the match is over.
#include <algorithm>
#include <cstdio>

#include "platform/gfx/colour.h"
#include "platform/trace.h"
#include "screens/highscreen.h"
#include "shell/archive.h"
#include "shell/ddsurface.h"
#include "shell/kitcolours.h"
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
    LoadPicture(std::string("gfx\\match\\surfaces\\") + name + ".bmp", surface, width, height, keyed);
}

void CHighScreen::LoadPicture(const std::string& path, SurfacePtr& surface, int width, int height, bool keyed) {
    ArchiveEntryRef entry;
    if (OpenArchiveEntry(path, entry) == 0 && BuildSurfaceFromBitmap(path, surface) == 0 && surface) {
        if (keyed) surface->SetColourKey(kHsKey);
        return;
    }
    surface = std::make_unique<Surface>(width, height);
    if (keyed) {
        // A keyed picture that is missing shows a plain plate with a rim.
        surface->Fill(kHsKey);
        for (int y = 1; y + 1 < height; ++y)
            for (int x = 1; x + 1 < width; ++x) surface->Set(x, y, MakePixel(70, 92, 128));
        surface->SetColourKey(kHsKey);
        return;
    }
    HsDrawPanel(*surface);
}

void CHighScreen::LoadRecolouredPicture(const std::string& path, SurfacePtr& surface, uint8_t red, uint8_t green,
                                        uint8_t blue) {
    std::array<uint8_t, 1024> palette{};
    std::vector<uint8_t> pixels;
    int width = 0, height = 0;
    ArchiveEntryRef entry;
    if (OpenArchiveEntry(path, entry) == 0 && LoadBitmap8(path, palette.data(), pixels, &width, &height) == 0 &&
        width > 0 && height > 0) {
        palette[255 * 4] = blue;
        palette[255 * 4 + 1] = green;
        palette[255 * 4 + 2] = red;
        surface = std::make_unique<Surface>(width, height);
        BuildBitmapSurface(pixels.data(), surface.get(), palette.data(), width, height);
    } else {
        // A ball in the colour on the key, with a dark rim.
        surface = std::make_unique<Surface>(20, 20);
        surface->Fill(kHsKey);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const int d = (x - 10) * (x - 10) + (y - 10) * (y - 10);
                if (d <= 64) surface->Set(x, y, d >= 49 ? MakePixel(20, 20, 20) : MakePixel(red, green, blue));
            }
    }
    surface->SetColourKey(kHsKey);
}

std::string CHighScreen::TrophyPath(int competitionId) {
    // Cup ids from 10000, division ids below; none for no competition.
    if (competitionId < 0) return {};
    char path[96];
    if (competitionId >= 10000)
        std::snprintf(path, sizeof path, "gfx\\trophies\\cup\\trophy%02d.bmp", (competitionId - 10000) % 24);
    else
        std::snprintf(path, sizeof path, "gfx\\trophies\\division\\trophy%02d.bmp", competitionId % 24);
    return path;
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
    m_pCompetition.reset();
    const std::string trophy = TrophyPath(m_pMatchPlay ? m_pMatchPlay->GetCompetitionId() : -1);
    if (!trophy.empty()) {
        ArchiveEntryRef entry;
        if (OpenArchiveEntry(trophy, entry) == 0 && BuildSurfaceFromBitmap(trophy, m_pCompetition) == 0 &&
            m_pCompetition)
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
        BuildKitSurface(m_pDimKit[static_cast<size_t>(side)], kKitDimmed, kit);
    }
    BuildNumberedShirts();
}

void CHighScreen::LoadMatchPageSurfaces() {
    LoadMatchPicture("players_left", m_pPanelBack[0], 210, 325, false);
    LoadMatchPicture("playerperf_left", m_pCardBack[0], 210, 325, false);
    LoadMatchPicture("playerperf_left2", m_pCardTabBack[0], 210, 325, false);
    LoadMatchPicture("players_right", m_pPanelBack[1], 213, 325, false);
    LoadMatchPicture("playerperf_right", m_pCardBack[1], 213, 325, false);
    LoadMatchPicture("playerperf_right2", m_pCardTabBack[1], 213, 325, false);
    m_pPanel[0] = std::make_unique<Surface>(210, 325);
    m_pPanel[1] = std::make_unique<Surface>(213, 325);
    SetUpCardButtons();
    LoadMatchPicture("button play light", m_pPlay, 48, 50, true);
    LoadMatchPicture("button pause light", m_pPause, 48, 50, true);
    LoadMatchPicture("button pause dark", m_pPauseDark, 48, 50, true);
    LoadMatchPicture("button exit light", m_pExit, 48, 50, true);
    LoadMatchPicture("button exit dark", m_pExitDark, 48, 50, true);
    LoadMatchPicture("top box", m_pScoreBack, 440, 225, false);
    m_pScore = std::make_unique<Surface>(440, 225);
    LoadMatchPicture("action box", m_pClipFrame, 348, 225, false);
    LoadMatchPicture("buttons dark", m_pStripUnlit, 365, 57, false);
    LoadMatchPicture("buttons light", m_pStripLit, 365, 57, false);
    {
        // Drawn strips light their section in a brighter steel.
        ArchiveEntryRef entry;
        m_bStripPictures = OpenArchiveEntry("gfx\\match\\surfaces\\buttons light.bmp", entry) == 0 ? 1 : 0;
        if (!m_bStripPictures)
            for (int y = 2; y < m_pStripLit->Height() - 2; ++y)
                for (int x = 0; x < m_pStripLit->Width(); ++x) m_pStripLit->Set(x, y, MakePixel(70, 92, 128));
    }
    m_pStrip = std::make_unique<Surface>(365, 57);
    static constexpr const char* kCentre[10] = {"centre zones",       "centre manmarking",     "centre territory light",
                                                "centre territory dark", "centre statistics",  "centre formation",
                                                "centresubstitutions", "centre playing styles", "centre motivation",
                                                "centre latest scores"};
    for (int i = 0; i < 10; ++i) LoadMatchPicture(kCentre[i], m_pCentre[static_cast<size_t>(i)], 365, 268, false);
    if (!m_pCentre[kCentreTerritoryLight]->IsEmpty() && !m_pCentre[kCentreTerritoryDark]->IsEmpty()) {
        ArchiveEntryRef entry;
        if (OpenArchiveEntry("gfx\\match\\surfaces\\centre territory light.bmp", entry) != 0)
            for (int y = 42; y < 247; ++y)
                for (int x = 35; x < 331; ++x) m_pCentre[kCentreTerritoryLight]->Set(x, y, MakePixel(40, 110, 50));
    }
    m_pPerformance = std::make_unique<Surface>(365, 268);
    for (int side = 0; side < 2; ++side) {
        const KitColour c = KitColourAt(side == 0 ? m_pMatchPlay->GetHomeKitByte(3) : m_pMatchPlay->GetAwayKitByte(3));
        LoadRecolouredPicture("gfx\\match\\surfaces\\ball1.bmp", m_pBall[static_cast<size_t>(side)], c.red, c.green,
                              c.blue);
    }
    LoadMatchPicture("pen-goal", m_pPenGoal, 24, 24, true);
    LoadMatchPicture("pen-miss", m_pPenMiss, 24, 24, true);
    SetUpPanelButtons();
    for (int side = 0; side < 2; ++side) FillFormationTable(side);
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
    static constexpr const char* kIcons[3] = {"res_ball", "res_yellow", "res_red"};
    for (int i = 0; i < 3; ++i) LoadMatchPicture(kIcons[i], m_pResultIcon[static_cast<size_t>(i)], 16, 16, true);
    StopSample(kCrowdHomeSlot);
    StopSample(kCrowdAwaySlot);
}

void CHighScreen::BuildNumberedShirts() {
    // The keepers wear the fixed green and white kit.
    CKits keeper;
    keeper.bytes = {0, 0, 0, 3, 3, 15, 15, 15};
    auto numbered = [this](SurfacePtr& out, const SurfacePtr& shirt, int number, bool tiny) {
        if (!shirt) return;
        CopySurface(shirt.get(), out);
        if (!out) return;
        char path[64];
        std::snprintf(path, sizeof path, "gfx\\kits\\%s\\number%02d.bmp", tiny ? "tinykits" : "smallkits", number);
        SurfacePtr figure;
        ArchiveEntryRef entry;
        if (OpenArchiveEntry(path, entry) == 0 && BuildSurfaceFromBitmap(path, figure) == 0 && figure) {
            figure->SetColourKey(kHsKey);
            BlitSurfaceFastKeyed(0, 0, figure.get(), out.get());
        } else {
            char text[8];
            std::snprintf(text, sizeof text, "%d", number);
            DrawShadowText(tiny ? 3 : 1, platform::gfx::TA_CENTER, out.get(), text, out->Width() / 2,
                           out->Height() / 2 - 6);
        }
    };
    for (int side = 0; side < 2; ++side) {
        const size_t sd = static_cast<size_t>(side);
        CKits kit;
        for (int k = 0; k < 8; ++k)
            kit.bytes[static_cast<size_t>(k)] =
                m_pMatchPlay ? (side == 0 ? m_pMatchPlay->GetHomeKitByte(k) : m_pMatchPlay->GetAwayKitByte(k)) : 0;
        SurfacePtr small, tiny, keeperSmall, keeperTiny;
        BuildKitSurface(small, 0, kit);
        BuildKitSurface(tiny, kKitTiny, kit);
        BuildKitSurface(keeperSmall, 0, keeper);
        BuildKitSurface(keeperTiny, kKitTiny, keeper);
        for (int n = 1; n <= kMaxSquadSlots; ++n) {
            const size_t i = static_cast<size_t>(n - 1);
            numbered(m_pSmallShirt[sd][i], n == 1 ? keeperSmall : small, n, false);
            numbered(m_pTinyShirt[sd][i], n == 1 ? keeperTiny : tiny, n, true);
        }
        if (side == 0)
            for (int n = 1; n <= 11; ++n) numbered(m_pTakerShirt[static_cast<size_t>(n - 1)], tiny, n, true);
    }
}
