// The country selection page (79): two maps of flags, the group buttons
// and "OK", which is usable only while some country is chosen.
#include <memory>

#include "platform/stringtable.h"
#include "screens/titlescreen.h"
#include "shell/setupstate.h"
#include "shell/soundengine.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;
using platform::gfx::Surface;

SurfaceButton CTitleScreen::s_ContinueButton[1];
SurfaceButton CTitleScreen::s_EuropeGroupButtons[kEuropeGroupCount];
SurfaceButton CTitleScreen::s_WorldGroupButtons[kWorldGroupCount];

namespace {

constexpr unsigned kCountryPageHints[2] = {34374, 34375};
constexpr unsigned kTabTexts[2] = {784, 805};  // Europe, World
constexpr int kTabCentres[2] = {80, 450};
// Group buttons in the order of GroupButton, at their x; all at y 518.
constexpr int kGroupButtonX[CTitleScreen::kEuropeGroupCount] = {80, 17, 143, 206};
constexpr unsigned kGroupButtonTexts[CTitleScreen::kEuropeGroupCount] = {34370, 34371, 34372, 34373};
constexpr int kGroupButtonY = 518;

const std::vector<SelectableCountry>& CountryMap(SelectableCountry::Map map) {
    static const std::vector<SelectableCountry> europe = GetMapCountries(SelectableCountry::kEurope);
    static const std::vector<SelectableCountry> world = GetMapCountries(SelectableCountry::kWorld);
    return map == SelectableCountry::kEurope ? europe : world;
}

std::shared_ptr<Surface> CountryButtonPicture(CTitleScreen& page, const char* path) {
    std::unique_ptr<Surface> s;
    if (page.BuildSurfaceFromBitmap(path, s) != 0 || !s) return nullptr;
    return std::shared_ptr<Surface>(std::move(s));
}

void PlaceCountryButton(SurfaceButton& b, int x, int y, unsigned text, const std::shared_ptr<Surface>& picture) {
    b = SurfaceButton{};
    b.x = x;
    b.y = y;
    b.flags = kSbPicture | kSbCaption;
    b.released = b.pressed = picture;
    const int w = picture ? picture->Width() : 60, h = picture ? picture->Height() : 24;
    b.Init(platform::LoadString(text), w / 2, h / 2, 255, 214, 90, 255, 255, 255);
}

}  // namespace

int CTitleScreen::FlagAt(SelectableCountry::Map map, int x, int y, const SelectableCountry** entry) {
    int id = -1;
    for (const SelectableCountry& c : CountryMap(map)) {
        if (c.flagX < x && x < c.flagX + kFlagWidth && c.flagY < y && y < c.flagY + kFlagHeight) {
            id = c.id;
            if (entry) *entry = &c;
        }
    }
    return id;
}

void CTitleScreen::SetDefaultCountrySelection(CWorldData& world) {
    world.ClearCountrySelection();
    for (uint8_t id : DefaultCountrySelection()) world.SelectCountry(id, true);
}

void CTitleScreen::ApplyGroupButton(CWorldData& world, SelectableCountry::Map map, int button) {
    for (const SelectableCountry& c : CountryMap(map)) {
        bool on = false;
        switch (button) {
            case kGroupAll: on = true; break;
            case kGroupTop10: on = c.group == 1; break;
            case kGroupTop20: on = c.group == 1 || c.group == 2; break;
            default: break;
        }
        world.SelectCountry(c.id, on);
    }
}

int CTitleScreen::CountSelectedCountries(const CWorldData& world) {
    int n = 0;
    for (const SelectableCountry& c : GetSelectableCountries()) n += world.GetCountrySelection()[c.id] != 0;
    return n;
}

void CTitleScreen::SetUpCountryPage() {
    for (int map = 0; map < 2; ++map) {
        const char* path = map == 0 ? "gfx\\backgrounds\\countryselectioneurope.BMP"
                                    : "gfx\\backgrounds\\countryselectionworld.BMP";
        if (BuildSurfaceFromBitmap(path, m_pMaps[map]) != 0 || !m_pMaps[map])
            m_pMaps[map] = std::make_unique<Surface>(kWidth, kHeight);
    }
    if (BuildSurfaceFromBitmap("gfx\\flags\\flags.BMP", m_pFlags) != 0) m_pFlags.reset();
    if (BuildSurfaceFromBitmap("gfx\\flags\\flagslo.BMP", m_pFlagsLo) != 0) m_pFlagsLo.reset();
    const auto ok = CountryButtonPicture(*this, "gfx\\buttons\\4upblank.bmp");
    const auto group = CountryButtonPicture(*this, "gfx\\buttons\\blankcountry.BMP");
    PlaceCountryButton(s_ContinueButton[0], 644, 50, 488, ok);
    for (int i = 0; i < kEuropeGroupCount; ++i)
        PlaceCountryButton(s_EuropeGroupButtons[i], kGroupButtonX[i], kGroupButtonY, kGroupButtonTexts[i], group);
    for (int i = 0; i < kWorldGroupCount; ++i)
        PlaceCountryButton(s_WorldGroupButtons[i], kGroupButtonX[i], kGroupButtonY, kGroupButtonTexts[i], group);
    m_nMapTab = 0;
    m_nHoveredCountry = -1;
    if (CWorldData* world = GetWorldData()) SetDefaultCountrySelection(*world);
    UpdateContinueButton();
}

void CTitleScreen::UpdateContinueButton() {
    const CWorldData* world = GetWorldData();
    if (world && CountSelectedCountries(*world) > 0)
        s_ContinueButton[0].flags &= ~kSbDisabled;
    else
        s_ContinueButton[0].flags |= kSbDisabled;
}

void CTitleScreen::DrawCountryPage() {
    CopySurface(m_pMaps[m_nMapTab].get(), m_pWork);
    Surface* work = m_pWork.get();
    if (!work) return;
    for (int tab = 0; tab < 2; ++tab) {
        if (tab == m_nMapTab)
            DrawColourText(2, platform::gfx::TA_CENTER, work, platform::LoadString(kTabTexts[tab]), kTabCentres[tab], 92,
                           192, 255, 255);
        else
            DrawColourText(2, platform::gfx::TA_CENTER, work, platform::LoadString(kTabTexts[tab]), kTabCentres[tab], 92,
                           96, 128, 128);
    }
    const auto map = m_nMapTab == 0 ? SelectableCountry::kEurope : SelectableCountry::kWorld;
    const CWorldData* world = GetWorldData();
    const int firstRow = m_nMapTab == 0 ? 0 : 7;
    for (const SelectableCountry& c : CountryMap(map)) {
        const bool selected = world && world->GetCountrySelection()[c.id] != 0;
        Surface* sheet = selected ? m_pFlags.get() : m_pFlagsLo.get();
        if (!sheet) continue;
        const int column = c.order % 7, row = firstRow + c.order / 7;
        CopySurfaceRectTo(column * 17, row * 13, kFlagWidth, kFlagHeight, sheet, c.flagX, c.flagY, work);
    }
    if (m_nMapTab == 0)
        DrawSurfaceButtons(work, s_EuropeGroupButtons, kEuropeGroupCount);
    else
        DrawSurfaceButtons(work, s_WorldGroupButtons, kWorldGroupCount);
    DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kCountryPageHints[0]), 50, 25, 0, 0, 0);
    DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(kCountryPageHints[1]), 50, 50, 0, 0, 0);
    DrawSurfaceButtons(work, s_ContinueButton, 1);
    if (m_nHoveredCountry > 0)
        DrawColourText(1, platform::gfx::TA_LEFT, work, platform::LoadString(34000u + unsigned(m_nHoveredCountry)),
                       m_nNameX, m_nNameY, 224, 0, 32);
}

void CTitleScreen::OnCountryPageClick(Point pt) {
    CWorldData* world = GetWorldData();
    if (!world) return;
    if (HitTestSurfaceButtons(s_ContinueButton, 1, pt.x, pt.y, false) == 0) {
        g_SetupState.busy = 1;
        OpenTitlePage(112, "gfx\\backgrounds\\titlescreen.bmp");
        return;
    }
    bool changed = false;
    if (m_nMapTab == 0) {
        const int b = HitTestSurfaceButtons(s_EuropeGroupButtons, kEuropeGroupCount, pt.x, pt.y, false);
        if (b >= 0) ApplyGroupButton(*world, SelectableCountry::kEurope, b), changed = true;
    } else {
        const int b = HitTestSurfaceButtons(s_WorldGroupButtons, kWorldGroupCount, pt.x, pt.y, false);
        if (b >= 0) ApplyGroupButton(*world, SelectableCountry::kWorld, b), changed = true;
    }
    if (!changed && pt.y >= 91 && pt.y <= 116) {
        int tab = -1;
        if (pt.x >= 25 && pt.x <= 397) tab = 0;
        if (pt.x >= 398 && pt.x <= 767) tab = 1;
        if (tab >= 0 && tab != m_nMapTab) {
            m_nMapTab = tab;
            m_nHoveredCountry = -1;
            PlaySample(kSampleButtonPress, 0);
        }
        changed = tab >= 0;
    } else if (!changed && pt.y > 116) {
        const int id = FlagAt(m_nMapTab == 0 ? SelectableCountry::kEurope : SelectableCountry::kWorld, pt.x, pt.y);
        if (id > 0) {
            world->SelectCountry(id, world->GetCountrySelection()[id] == 0);
            PlaySample(kSampleButtonPress, 0);
        }
        changed = true;
    }
    if (!changed) return;
    UpdateContinueButton();
    DrawPage();
}
