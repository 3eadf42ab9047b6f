// The clip palette recoloured with the two clubs' kit colours, and the
// substitution and extra clips the match page asks for, on a world of
// clubs whose kits the test sets.
#include <gtest/gtest.h>

#include <array>

#include "flc_fixture.h"
#include "shell/kitcolours.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "support/match_world.h"

namespace flctest {
namespace {

constexpr int kHomeShirt = 7, kHomeShorts = 15, kAwayShorts = 0;
// A second-kit shirt the home shirt does not clash with, so the away side wears it.
int AwayShirt() {
    for (int c = 15; c >= 0; --c)
        if (c != kHomeShirt && CWorldData::IsPositionCompatible(kHomeShirt, c)) return c;
    return -1;
}
const int kAwayShirt = AwayShirt();

class FlcKitTest : public FlcPageTest {
protected:
    void SetUp() override {
        FlcPageTest::SetUp();
        world = std::make_unique<testsupport::MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        const int division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        CWorldData& w = world->World();
        first = w.GetDivision(division)->GetFirstClub();
        home = w.GetClub(first);
        away = w.GetClub(first + 1);
        ASSERT_GE(kAwayShirt, 0);
        home->HomeKit().bytes[3] = kHomeShirt;
        home->HomeKit().bytes[6] = kHomeShorts;
        away->AwayKit().bytes[3] = static_cast<uint8_t>(kAwayShirt);
        away->AwayKit().bytes[6] = kAwayShorts;
        w.GetMatchVars()->SetClubs(first, first + 1);
        for (CClub* c : {home, away}) w.GetManagerList().GetAt(c->GetManager())->m_IsHuman = 0;
    }
    void TearDown() override {
        FlcPageTest::TearDown();
        world.reset();
    }
    void SetHuman(CClub* c, bool human) {
        world->World().GetManagerList().GetAt(c->GetManager())->m_IsHuman = human ? 1 : 0;
    }
    // The converted palette of a clip shown for a side.
    std::array<uint8_t, 1024> Convert(int clip, int side, const std::array<uint8_t, 1024>& clipPalette) {
        page->FlcState().clip = clip;
        page->FlcState().side = side;
        std::array<uint8_t, 1024> out{};
        page->ConvertFlcPalette(clipPalette.data(), out.data());
        return out;
    }

    std::unique_ptr<testsupport::MatchWorld> world;
    int first = 0;
    CClub* home = nullptr;
    CClub* away = nullptr;
};

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::ostream& operator<<(std::ostream& o, const Rgb& c) { return o << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

Rgb EntryOf(const std::array<uint8_t, 1024>& p, int i) {
    return {p[static_cast<size_t>(4 * i + 2)], p[static_cast<size_t>(4 * i + 1)], p[static_cast<size_t>(4 * i)]};
}

// Entry k of a ramp from the colour: the colour less k thirty-seconds of it.
Rgb RampOf(KitColour c, int k) {
    const double f = 1.0 - k / 32.0;
    return {static_cast<int>(c.red * f), static_cast<int>(c.green * f), static_cast<int>(c.blue * f)};
}

TEST_F(FlcKitTest, ClipsAreRecolouredWithTheSidesKitsCardsAndRamps) {
    Install();
    page->SetFlcMatch(world->World().GetMatchPlay());
    std::array<uint8_t, 1024> clipPal;
    for (int i = 0; i < 1024; ++i) clipPal[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 13 + 5);
    const KitColour hs = KitColourAt(kHomeShirt), hp = KitColourAt(kHomeShorts), as = KitColourAt(kAwayShirt),
                    ap = KitColourAt(kAwayShorts), yellow{255, 255, 0}, red{255, 0, 0};
    struct Case {
        const char* what;
        int clip, side;
        KitColour r128, r160;
        const KitColour* r192;  // null: the clip's own entries stay
        const KitColour* r224;
    };
    const Case cases[] = {
        {"ordinary, home side", 1, 0, hs, hp, &as, &ap},
        {"ordinary, away side", 1, 1, as, ap, &hs, &hp},
        {"booking", 320, 1, as, ap, &yellow, nullptr},
        {"sending-off", 324, 0, hs, hp, &red, nullptr},
        {"corner, away side", 74, 1, as, ap, &hs, nullptr},
        {"penalty, as an ordinary clip", 346, 1, as, ap, &hs, &hp},
        {"substitution, as an ordinary clip", 652, 0, hs, hp, &as, &ap},
    };
    for (const Case& c : cases) {
        const auto out = Convert(c.clip, c.side, clipPal);
        for (int i = 0; i < 64; ++i) ASSERT_EQ(EntryOf(out, i), EntryOf(clipPal, i)) << c.what << " " << i;
        for (int k = 0; k < 32; ++k) {
            EXPECT_EQ(EntryOf(out, 64 + k), (Rgb{0, 128 - 4 * k, 0})) << c.what;
            EXPECT_EQ(EntryOf(out, 96 + k), (Rgb{0, 0, 0})) << c.what;
            EXPECT_EQ(EntryOf(out, 128 + k), RampOf(c.r128, k)) << c.what << " shirt " << k;
            EXPECT_EQ(EntryOf(out, 160 + k), RampOf(c.r160, k)) << c.what << " shorts " << k;
            EXPECT_EQ(EntryOf(out, 192 + k), c.r192 ? RampOf(*c.r192, k) : EntryOf(clipPal, 192 + k)) << c.what << " " << k;
            EXPECT_EQ(EntryOf(out, 224 + k), c.r224 ? RampOf(*c.r224, k) : EntryOf(clipPal, 224 + k)) << c.what << " " << k;
        }
    }
    // The referee's assistant: only the card ramps, the rest is the clip's.
    const auto flag = Convert(383, 0, clipPal);
    for (int i = 0; i < 192; ++i) ASSERT_EQ(EntryOf(flag, i), EntryOf(clipPal, i)) << i;
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(EntryOf(flag, 192 + k), RampOf(red, k));
        EXPECT_EQ(EntryOf(flag, 224 + k), RampOf(yellow, k));
    }
    EXPECT_EQ(EntryOf(flag, 255), (Rgb{7, 7, 0}));  // 31 steps down from yellow
}

TEST_F(FlcKitTest, AClipsColoursDoNotDependOnTheClipBefore) {
    Install();
    page->SetFlcMatch(world->World().GetMatchPlay());
    std::array<uint8_t, 1024> clipPal;
    clipPal.fill(77);
    page->PushFlcEvent(1, 0);
    ASSERT_EQ(page->StartFlcClip(), 0);  // an ordinary clip paints 224-255
    // The booking clip is converted into the palette the ordinary clip left.
    FlcPlayerState& f = page->FlcState();
    ASSERT_NE(EntryOf(f.palette, 240), (Rgb{77, 77, 77}));
    f.clip = 320;
    page->ConvertFlcPalette(clipPal.data(), f.palette.data());
    EXPECT_EQ(EntryOf(f.palette, 240), (Rgb{77, 77, 77}));
}

TEST_F(FlcKitTest, PendingSubstitutionsAreQueuedOnceLastFirstWithTheInjuryOnTheFirstTaken) {
    Install();
    page->SetFlcMatch(world->World().GetMatchPlay());
    ASSERT_TRUE(page->AddFlcSubstitution(2 | 1, 1));  // left, away, defender
    ASSERT_TRUE(page->AddFlcSubstitution(0, 3));      // right, home, attacker
    page->SetFlcInjury(true);
    ASSERT_EQ(page->StartFlcClip(), 0);
    // The last entry is taken first and is the injury's: right, attacker.
    EXPECT_EQ(page->FlcState().clip, 662 + 3);
    EXPECT_EQ(page->FlcState().side, 0);
    EXPECT_FALSE(page->FlcState().injury);
    EXPECT_TRUE(page->FlcState().pending.empty());
    for (int i = 0; i < 2; ++i) ASSERT_EQ(page->NextFlcFrame(), -1);
    EXPECT_EQ(page->NextFlcFrame(), 665);
    EXPECT_EQ(page->FlcState().clip, 650 + 1);  // left, defender
    EXPECT_EQ(page->FlcState().side, 1);
    for (int i = 0; i < 2; ++i) ASSERT_EQ(page->NextFlcFrame(), -1);
    // The list was used once: nothing more to play.
    EXPECT_EQ(page->NextFlcFrame(), 651 + 1000);
    // Without the injury flag, the left injury clip is never chosen.
    page->AddFlcSubstitution(2, 0);
    ASSERT_EQ(page->StartFlcClip(), 0);
    EXPECT_EQ(page->FlcState().clip, 650);
    // The list holds ten.
    int kept = 0;
    for (int i = 0; i < 12; ++i) kept += page->AddFlcSubstitution(0, 0);
    EXPECT_EQ(kept, 10);
}

TEST_F(FlcKitTest, TheExtraClipCarriesItsGivenSideElseTheEnginesHumanSide) {
    Install();
    page->SetFlcMatch(world->World().GetMatchPlay());
    struct Case {
        int given;
        bool homeHuman, awayHuman;
        int side;
    };
    const Case cases[] = {
        {1, true, true, 1},    // the away panel's clip with two human managers
        {0, false, true, 0},
        {-1, true, false, 0},  // no side given: the engine's home human
        {-1, false, true, 1},
    };
    for (const Case& c : cases) {
        SetHuman(home, c.homeHuman);
        SetHuman(away, c.awayHuman);
        page->SetFlcExtraClip(1, c.given);
        ASSERT_EQ(page->StartFlcClip(), 0);
        EXPECT_EQ(page->FlcState().clip, 1);
        EXPECT_EQ(page->FlcState().side, c.side) << c.given << " " << c.homeHuman;
        EXPECT_EQ(page->FlcState().extraClip, -1);
        page->CloseFlc(true);
    }
    EXPECT_EQ(page->StartFlcClip(), -1);
}

}  // namespace
}  // namespace flctest
