// What the match page's panels put on the window, read back pixel by
// pixel: the squad list's bars and a substituted player's grey number, the
// card's graph stopping at ninety, the control strip's last section, the
// latest-scores ticker, and the enlarged view's score lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/gfx/colour.h"
#include "screens/highscreen_fixture.h"
#include "shell/view.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/playerperformance.h"

namespace hstest {
namespace {

using namespace highscreen;
using platform::gfx::MakePixel;
using platform::gfx::Pixel;

class HighScreenPixels : public HighScreenPage {
protected:
    // A rectangle of the page as the window shows it now, row by row.
    std::vector<std::vector<Pixel>> PixGrab(int x0, int y0, int w, int h) {
        Ui::Get().PresentNow();
        const platform::gfx::Surface& frame = backend->LastFrame();
        std::vector<std::vector<Pixel>> rows(static_cast<size_t>(h), std::vector<Pixel>(static_cast<size_t>(w)));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Point at = OnMain(x0 + x, y0 + y);
                rows[size_t(y)][size_t(x)] = frame.Get(at.x, at.y);
            }
        return rows;
    }
    // The columns (from the grab's left) in which two grabs differ.
    static std::set<int> PixDifferingColumns(const std::vector<std::vector<Pixel>>& a,
                                             const std::vector<std::vector<Pixel>>& b) {
        std::set<int> columns;
        for (size_t y = 0; y < a.size(); ++y)
            for (size_t x = 0; x < a[y].size(); ++x)
                if (a[y][x] != b[y][x]) columns.insert(static_cast<int>(x));
        return columns;
    }
    static CSoccerPlayerPerformanceList& PixRatings(CWorldData& w, int side) {
        return w.GetMatchVars()->GetPerformanceList(side);
    }
    // The home card open on the second man's graph, his ratings set for
    // every minute, in normal or extra time.
    void ShowCardGraph(CHighScreen& p, bool extraTime) {
        for (int m = 0; m < CSoccerPlayerPerformance::kMinutes; ++m)
            PixRatings(W(), 0).Slot(1).m_Minutes.SetAt(m, static_cast<uint8_t>(40 + m % 20));
        p.m_nPanelView[0] = 1;
        p.m_nCardPlayer[0] = 1;
        p.m_nCardTab[0] = 0;
        p.m_bExtraTimeShown = extraTime ? 1 : 0;
    }
    // The card's graph drawn at a minute, as the window shows it.
    std::vector<std::vector<Pixel>> PaintCardAt(CHighScreen& p, int minute) {
        p.m_nMinute = minute;
        p.m_bDirty[kHomePanel] = 1;
        p.PaintHomePlayersPanel(true);
        return PixGrab(0, 225 + 230, 210, 80);
    }
};

// A value of 1 gives no bar, 200 a bar of 99 pixels (on the home list from
// x 150, cut by the panel's edge; on the away list from x 11); the bench
// has none.
TEST_F(HighScreenPixels, TheSquadListsBarsRunFromNothingToNinetyNinePixels) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        p.m_nPanelView[0] = 0;
        p.m_nMinute = 10;
        auto paint = [&](int slot, int value) {
            PixRatings(W(), 0).Slot(slot).m_Minutes.SetAt(10, static_cast<uint8_t>(value));
            p.m_bDirty[kHomePanel] = 1;
            p.PaintHomePlayersPanel(true);
            return PixGrab(0, 225 + 36 + 17 * slot, 210, 11);
        };
        const auto none = paint(3, 0);
        EXPECT_TRUE(PixDifferingColumns(none, paint(3, 1)).empty()) << "a value of 1 draws no bar";
        const std::set<int> bar = PixDifferingColumns(none, paint(3, 200));
        ASSERT_FALSE(bar.empty());
        EXPECT_EQ(*bar.begin(), 150);
        EXPECT_EQ(*bar.rbegin(), 209) << "cut at the panel's edge";
        // The away list's bar starts at x 11, where all 99 pixels show.
        auto paintAway = [&](int slot, int value) {
            PixRatings(W(), 1).Slot(slot).m_Minutes.SetAt(10, static_cast<uint8_t>(value));
            p.m_bDirty[kAwayPanel] = 1;
            p.PaintAwayPlayersPanel(true);
            return PixGrab(575, 225 + 36 + 17 * slot, 213, 11);
        };
        const auto awayNone = paintAway(4, 0);
        EXPECT_TRUE(PixDifferingColumns(awayNone, paintAway(4, 1)).empty());
        const std::set<int> awayBar = PixDifferingColumns(awayNone, paintAway(4, 200));
        ASSERT_FALSE(awayBar.empty());
        EXPECT_EQ(*awayBar.begin(), 11);
        EXPECT_EQ(*awayBar.rbegin(), 11 + 98) << "99 pixels and no more";
        EXPECT_EQ(awayBar.size(), 99u);
        const std::set<int> awayHalf = PixDifferingColumns(awayNone, paintAway(4, 99));
        ASSERT_FALSE(awayHalf.empty());
        EXPECT_EQ(*awayHalf.rbegin(), 11 + 48) << "a value is halved";
        // A bench row shows no bar whatever its value.
        const auto bench = paint(12, 0);
        EXPECT_TRUE(PixDifferingColumns(bench, paint(12, 200)).empty());
    });
}

// The player who went off keeps his row with his number in grey.
TEST_F(HighScreenPixels, ASubstitutedPlayersNumberTurnsGrey) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        p.m_nPanelView[0] = 0;
        const Pixel grey = MakePixel(192, 192, 192);
        auto greyRows = [&] {
            p.m_bDirty[kHomePanel] = 1;
            p.PaintHomePlayersPanel(true);
            std::vector<int> rows;
            for (int slot = 0; slot < p.GetSquadCount(0); ++slot) {
                const auto number = PixGrab(10, 225 + 35 + 17 * slot, 30, 16);
                bool found = false;
                for (const auto& row : number) found = found || std::count(row.begin(), row.end(), grey) > 0;
                if (found) rows.push_back(slot);
            }
            return rows;
        };
        EXPECT_TRUE(greyRows().empty()) << "nobody went off yet";
        ASSERT_EQ(p.GetMatchPlay()->Substitute(0, 6, 12), 1);
        std::vector<int> off;
        for (int slot = 0; slot < p.GetSquadCount(0); ++slot)
            if (p.GetMatchPlay()->IsHomePlayerSubstituted(slot)) off.push_back(slot);
        ASSERT_EQ(off.size(), 1u);
        EXPECT_EQ(greyRows(), off) << "only the player who went off is grey";
    });
}

// The card's graph runs one point a minute and stops at ninety in normal
// time, however long the stoppage runs; before the first minute there is
// none.
TEST_F(HighScreenPixels, TheCardsGraphStopsAtNinetyInNormalTime) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        ShowCardGraph(p, false);
        auto paint = [&](int minute) { return PaintCardAt(p, minute); };
        const auto empty = paint(0);
        const std::set<int> at60 = PixDifferingColumns(empty, paint(60));
        const std::set<int> at95 = PixDifferingColumns(empty, paint(95));
        const std::set<int> at90 = PixDifferingColumns(empty, paint(90));
        ASSERT_FALSE(at60.empty()) << "a graph is drawn";
        EXPECT_LE(*at60.rbegin(), 22 + 60 * 19 / 10 + 1);
        EXPECT_GE(*at95.rbegin(), 22 + 90 * 19 / 10 - 1) << "ninety minutes reach the right";
        EXPECT_LE(*at95.rbegin(), 22 + 90 * 19 / 10 + 1) << "nothing past ninety";
        EXPECT_EQ(at95, at90) << "the stoppage adds nothing";
    });
}

// Once "E-T" shows, the card's graph shows minutes 91 to the displayed one
// (at most 120) at 5.86 pixels a minute, so thirty minutes fill the width
// that ninety take in normal time.
TEST_F(HighScreenPixels, TheCardsGraphShowsExtraTimeOverTheWholeWidth) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        ASSERT_GE(CSoccerPlayerPerformance::kMinutes, 121);
        ShowCardGraph(p, true);
        auto paint = [&](int minute) { return PaintCardAt(p, minute); };
        const auto empty = paint(0);
        const std::set<int> at105 = PixDifferingColumns(empty, paint(105));
        const std::set<int> at120 = PixDifferingColumns(empty, paint(120));
        const std::set<int> at125 = PixDifferingColumns(empty, paint(125));
        p.m_bExtraTimeShown = 0;
        ASSERT_FALSE(at105.empty());
        EXPECT_GE(*at105.begin(), 21);
        EXPECT_NEAR(*at105.rbegin(), 22 + 14 * 5.86, 2);
        EXPECT_NEAR(*at120.rbegin(), 22 + 29 * 5.86, 2) << "thirty minutes fill the width";
        EXPECT_EQ(at125, at120) << "nothing past 120";
    });
}

// The "Take Penalty" bar's caption is written on the bar (y 138 to 155 of
// the card), whole and over it, not above it and half covered.
TEST_F(HighScreenPixels, TheTakePenaltyCaptionStandsOnItsBar) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        p.m_nPanelView[0] = 1;
        p.m_nCardPlayer[0] = 1;
        SurfaceButton& b = p.m_CardButtons[0][2];
        b.flags &= ~kSbHidden;
        const std::string caption = b.caption;
        ASSERT_FALSE(caption.empty());
        auto paint = [&](const std::string& text) {
            b.caption = text;
            p.m_bDirty[kHomePanel] = 1;
            p.PaintHomePlayersPanel(false);
            return *p.PanelSurface(0);
        };
        const platform::gfx::Surface bare = paint(""), written = paint(caption);
        std::set<int> rows;
        for (int y = 0; y < bare.Height(); ++y)
            for (int x = 0; x < bare.Width(); ++x)
                if (bare.Get(x, y) != written.Get(x, y)) rows.insert(y);
        ASSERT_FALSE(rows.empty()) << "the caption shows";
        EXPECT_GE(*rows.begin(), b.y);
        EXPECT_LT(*rows.rbegin(), b.y + 18);
        EXPECT_GE(static_cast<int>(rows.size()), 8) << "the whole height of the words shows";
    });
}

// Section 7 lights x 318 to 364 of the strip, and nothing else changes
// when the light moves there from section 6.
TEST_F(HighScreenPixels, TheStripsLastSectionLightsFrom318To364) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        auto paint = [&](int section) {
            p.m_nSection = section;
            p.m_bDirty[kStrip] = 1;
            p.PaintControlStrip(true);
            return PixGrab(210, 493, 365, 57);
        };
        const auto six = paint(6), seven = paint(7), zero = paint(0);
        const std::set<int> moved = PixDifferingColumns(six, seven);
        ASSERT_FALSE(moved.empty());
        EXPECT_GE(*moved.begin(), 274);
        EXPECT_EQ(*moved.rbegin(), 364);
        std::set<int> lit;
        for (int x : PixDifferingColumns(zero, seven))
            if (x >= 49) lit.insert(x);
        ASSERT_FALSE(lit.empty());
        EXPECT_EQ(*lit.begin(), 318);
        EXPECT_EQ(*lit.rbegin(), 364);
    });
}

// Each kit on the intro page stands inside its team's band: under every
// pixel of its cloth, and a pixel round it, the picture shows the band's
// inside, never its rim or the backdrop; the team's name stays clear of it.
TEST_F(HighScreenPixels, TheIntroPagesKitsStandInsideTheirTeamsBands) {
    OpenAndInspect([&](CHighScreen& p) {
        p.m_nView = 0;
        p.DrawIntroPage();
        const platform::gfx::Surface *page = p.PageSurface(), *back = p.IntroBackSurface();
        ASSERT_TRUE(page && back);
        // The band's inside is dark, with more blue than green; its rim is
        // steel or near black, the backdrop green-grey.
        auto inside = [&](int x, int y) {
            const Pixel c = back->Get(x, y);
            const int r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
            return r < 60 && b < 90 && b - g >= 11;
        };
        for (int side = 0; side < 2; ++side) {
            SCOPED_TRACE(side);
            const platform::gfx::Surface* kit = p.KitSurface(side);
            ASSERT_TRUE(kit && kit->ColourKey());
            const Pixel key = *kit->ColourKey() & 0xFFFFFF;
            const int left = CHighScreen::kIntroKitLeft, top = CHighScreen::kIntroKitTop[side];
            int x0 = kit->Width(), y0 = kit->Height(), x1 = -1, y1 = -1, cloth = 0, shown = 0;
            for (int y = 0; y < kit->Height(); ++y)
                for (int x = 0; x < kit->Width(); ++x) {
                    if ((kit->Get(x, y) & 0xFFFFFF) == key) continue;
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                    ++cloth;
                    shown += (page->Get(left + x, top + y) & 0xFFFFFF) == (kit->Get(x, y) & 0xFFFFFF);
                }
            ASSERT_GT(cloth, 1000);
            EXPECT_GT(shown, cloth * 9 / 10) << "the kit is drawn where the page says";
            int outside = 0;
            for (int y = top + y0 - 1; y <= top + y1 + 1; ++y)
                for (int x = left + x0 - 1; x <= left + x1 + 1; ++x) outside += !inside(x, y);
            EXPECT_EQ(outside, 0) << "cloth rows " << top + y0 << ".." << top + y1;
            // The name's room begins right of the kit, on the same band.
            EXPECT_LT(left + x1, 232);
            const int nameRow = side == 0 ? 150 : 358;
            for (int y = std::min(nameRow, top + y0); y <= std::max(nameRow, top + y1); ++y)
                EXPECT_TRUE(inside(400, y)) << "row " << y;
        }
    });
}

// Up to seven other matches stand still on the latest-scores view; eight
// scroll up by a pixel each tick.
TEST_F(HighScreenPixels, SevenLatestScoresStandStillAndEightScroll) {
    for (int others : {7, 8}) {
        SCOPED_TRACE(others);
        MakeHuman(Club(0));
        platform::SeedRandom(5);
        world->RefillRotations();
        cupRound = std::make_unique<CCupRound>();
        cupRound->m_Kind = 1;
        cupRound->m_ReplaySlot = CCupRound::kNoReplay;
        const int16_t first = static_cast<int16_t>(Div().GetFirstClub());
        cupFixture = std::make_unique<CFixture>(CFixture::kCupHome, first, static_cast<int16_t>(first + 1), 5, 3, 0);
        for (int k = 0; k < others; ++k)
            ASSERT_TRUE(cupRound->m_Ties.AddFixture(CFixture::kCupHome, static_cast<int16_t>(first + 2 + k % 9),
                                                    static_cast<int16_t>(first + 2 + (k + 1) % 9), 5, 3, 0, 0));
        bool done = false;
        PlayOnPage(
            InspectOnce(
                [&](CHighScreen& p) {
                    p.Proceed();
                    EXPECT_EQ(static_cast<int>(p.GetMatchPlay()->GetRelatedFixtures().size()), others);
                    p.m_nSection = 4;
                    p.m_nTickerPosition = 0;
                    p.DrawLatestScores(true);
                    const auto before = PixGrab(210, 225, 365, 268);
                    p.AdvanceScoresTicker();
                    p.DrawLatestScores(true);
                    const auto after = PixGrab(210, 225, 365, 268);
                    if (others < 8) {
                        EXPECT_TRUE(PixDifferingColumns(before, after).empty()) << "the rows stand still";
                    } else {
                        EXPECT_FALSE(PixDifferingColumns(before, after).empty()) << "the rows move";
                        // The names' white lines moved up by one pixel.
                        auto profile = [](const std::vector<std::vector<Pixel>>& g) {
                            std::vector<int> rows(g.size());
                            for (size_t y = 0; y < g.size(); ++y)
                                for (size_t x = 10; x < 142; ++x) rows[y] += g[y][x] == MakePixel(255, 255, 255);
                            return rows;
                        };
                        const std::vector<int> a = profile(before), b = profile(after);
                        int text = 0;
                        for (int y = 40; y < 250; ++y) {
                            text += a[size_t(y + 1)];
                            EXPECT_EQ(b[size_t(y)], a[size_t(y + 1)]) << "row " << y;
                        }
                        EXPECT_GT(text, 0) << "the names are white";
                    }
                },
                &done),
            [&] { Engine().PlayCupTie(cupFixture.get(), nullptr, cupRound.get(), "Cup"); });
    }
}

class HighScreenPixelClips : public HighScreenPixels {
protected:
    HighScreenPixelClips() { shortClips = true; }
};

// The enlarged view's frames carry both teams' names and scores at their
// foot from the first frame on.
TEST_F(HighScreenPixelClips, TheEnlargedViewShowsTheScoreLinesFromItsFirstFrame) {
    MakeHuman(Club(0));
    int stage = 0;
    bool wasOpen = false;
    PlayThrough(5, [&](CHighScreen& p) {
        const bool open = p.FlcState().open != 0;
        if (stage == 0 && p.m_nPhase == 1 && p.GetMatchPlay()->GetMinute() >= 3 && !p.m_bPaused && open) {
            for (char key : std::string("REPLAYF")) p.Send(WM_KEYDOWN, static_cast<uintptr_t>(key), 0);
            ASSERT_EQ(p.m_bEnlargedView, 1);
            stage = 1;
        } else if (stage == 1 && wasOpen && open) {
            // This tick drew a frame over the whole page: its foot holds
            // the two lines in white over their shadow.
            stage = 2;
            platform::gfx::Surface* frame = g_pScratchSurface.get();
            ASSERT_NE(frame, nullptr);
            // The home line's text: light pixels where the grass of the
            // foot has only a few line marks.
            int light = 0;
            for (int y = 184; y < frame->Height(); ++y)
                for (int x = 8; x < 150; ++x) {
                    const Pixel c = frame->Get(x, y);
                    light += platform::gfx::PixelR(c) > 200 && platform::gfx::PixelG(c) > 200 &&
                             platform::gfx::PixelB(c) > 200;
                }
            EXPECT_GT(light, 100) << "the home score line at the foot";
            EXPECT_EQ(p.m_strBanner[0], p.GetMatchPlay()->GetHomeTeamName());
            EXPECT_EQ(p.m_strBanner[1], p.DisplayedScoreText(0));
            EXPECT_EQ(p.m_strBanner[3], p.DisplayedScoreText(1));
            p.Send(WM_KEYDOWN, 'F', 0);
        }
        wasOpen = open;
    });
    EXPECT_EQ(stage, 2) << "the enlarged view showed a frame";
}

}  // namespace
}  // namespace hstest
