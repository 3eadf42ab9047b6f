// The newspaper (page 86) over a small world: its page list and buttons,
// the day's rolls and their folding, the headline pool and story tables,
// paging with wipes, and the rules of its layout.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "platform/gfx/font.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "screens/newsscreen.h"
#include "screens/squad_fixture.h"
#include "shell/screenglobals.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/player.h"
#include "ui/tree.h"

namespace squadtest {
namespace {

class Newspaper : public SquadPages {
protected:
    void SetUp() override {
        SquadPages::SetUp();
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionLevel = 0;
        world.GetCountry(1)->AddDivision(0);
        world.GetCountry(2)->AddDivision(1);
        world.GetClock().Set(2, 5, 0, 2000, 7, 15);
        g_bNewspaperRefresh = 1;
    }
    void TearDown() override {
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionLevel = 0;
        SquadPages::TearDown();
    }
    CNewsScreen* OpenPaper() {
        g_nScreenId = CNewsScreen::kPaperPage;
        manager.SetScreen(new CNewsScreen(), true, true, false, true, false);
        Drain();
        return dynamic_cast<CNewsScreen*>(manager.GetCurrentPage());
    }
    static std::vector<std::string> Texts(CNewsScreen& page) {
        std::vector<std::string> out;
        for (CXStatic* l : page.GetShownPaperLabels()) out.push_back(l->GetText());
        return out;
    }
    static std::vector<std::string> Pictures(CNewsScreen& page) {
        EXPECT_EQ(static_cast<int>(page.GetPictureNames().size()), page.GetOverlayCount());
        return page.GetPictureNames();
    }
    std::vector<int> ShownButtonXs(CNewsScreen& page) {
        std::vector<int> xs;
        for (int i = 0; i < CNewsScreen::kPaperButtons; ++i)
            if (page.GetPageButton(i).IsShownFlag()) xs.push_back(page.GetPageButton(i).WindowRect().left);
        std::sort(xs.begin(), xs.end());
        return xs;
    }
};

// What the window shows of the page in a rectangle, row by row.
class NewspaperPixels : public Newspaper {
protected:
    using Grab = std::vector<std::vector<platform::gfx::Pixel>>;
    Grab Shown(const Rect& r) {
        platform::win::Ui::Get().PresentNow();
        const platform::gfx::Surface& frame = backend->LastFrame();
        Grab rows(size_t(r.Height()), std::vector<platform::gfx::Pixel>(size_t(r.Width())));
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const Point at = main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(Point{x, y}));
                rows[size_t(y - r.top)][size_t(x - r.left)] = frame.Get(at.x, at.y);
            }
        return rows;
    }
    static Grab Of(const platform::gfx::Surface& s, const Rect& r) {
        Grab rows(size_t(r.Height()), std::vector<platform::gfx::Pixel>(size_t(r.Width())));
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) rows[size_t(y - r.top)][size_t(x - r.left)] = s.Get(x, y);
        return rows;
    }
    static int Differing(const Grab& a, const Grab& b) {
        int n = 0;
        for (size_t y = 0; y < a.size(); ++y)
            for (size_t x = 0; x < a[y].size(); ++x) n += a[y][x] != b[y][x];
        return n;
    }
    void Turn(uint32_t id) {
        auto* page = dynamic_cast<CNewsScreen*>(manager.GetCurrentPage());
        page->OnPageCommand(id);
        Drain();
    }
};

// A page turn shows the new page alone: the desk beside the single page,
// the spread's centre fold and the single page's margin, where no label of
// their own page stands, show their pictures and nothing of the page before.
TEST_F(NewspaperPixels, APageTurnLeavesNothingOfThePageBefore) {
    CNewsScreen* page = OpenPaper();
    ASSERT_NE(page, nullptr);
    const OverlayBitmap* single = page->GetOverlay(0);
    const OverlayBitmap* spread = page->GetOverlay(1);
    ASSERT_TRUE(single && single->bitmap.IsLoaded() && spread && spread->bitmap.IsLoaded());
    // A part of an overlay's picture, in page coordinates.
    auto picture = [](const OverlayBitmap& o, const Rect& r) {
        return Of(o.bitmap.GetSurface(), Rect{r.left - o.x, r.top - o.y, r.right - o.x, r.bottom - o.y});
    };
    const Rect fold{297, 36, 309, 420};        // the front page's lead headline crosses it
    const Rect margin{146, 90, 158, 420};       // the spread's left page prints there
    const Rect desks[] = {{0, 0, 145, 430}, {460, 0, CScreen::kWidth, 430}};
    auto frontIsClean = [&](const char* when) {
        EXPECT_EQ(page->GetPaperPage(), 0);
        for (const Rect& desk : desks)
            EXPECT_EQ(Differing(Shown(desk), Of(page->GetBackBuffer(), desk)), 0) << when << ": the desk at x " << desk.left;
        EXPECT_EQ(Differing(Shown(margin), picture(*single, margin)), 0) << when << ": the single page's margin";
    };
    frontIsClean("opened");
    const Rect whole{0, 0, CScreen::kWidth, 430};
    const Grab opened = Shown(whole);
    Save("newspaper-turn-front");
    for (uint32_t spreadId : {20652u, 20653u}) {
        Turn(spreadId);
        EXPECT_EQ(Differing(Shown(fold), picture(*spread, fold)), 0) << "the centre fold of spread " << spreadId;
        Save("newspaper-turn-spread-" + std::to_string(spreadId));
        Turn(CNewsScreen::kFrontPage);
        frontIsClean("back from a spread");
        EXPECT_EQ(Differing(Shown(whole), opened), 0) << "the front page reads as it did when the paper opened";
    }
    Turn(CNewsScreen::kBackPage);
    EXPECT_EQ(Differing(Shown(margin), picture(*single, margin)), 0) << "the back page's margin";
    Turn(20652);
    EXPECT_EQ(Differing(Shown(fold), picture(*spread, fold)), 0) << "the fold after the back page";
    Save("newspaper-turn-spread-after-back");
}

TEST_F(Newspaper, ButtonPositionsForEveryCount) {
    const std::vector<std::vector<int>> want = {
        {241, 301},
        {212, 272, 332},
        {181, 241, 301, 361},
        {152, 212, 272, 332, 392},
        {121, 181, 241, 301, 361, 421},
        {92, 152, 212, 272, 332, 392, 452},
        {61, 121, 181, 241, 301, 361, 421, 481},
        {32, 92, 152, 212, 272, 332, 392, 452, 512},
        {1, 61, 121, 181, 241, 301, 361, 421, 481, 541},
    };
    for (int n = 2; n <= 10; ++n) EXPECT_EQ(CNewsScreen::PageButtonPositions(n), want[size_t(n - 2)]) << n;
}

TEST_F(Newspaper, RollsFoldIntoTheirRanges) {
    struct Case {
        const char* what;
        int got, want;
    };
    const Case cases[] = {
        {"a variant sum above 4 loses 4", CNewsScreen::FoldPageVariant(4, 3), 3},
        {"a variant sum of 9 loses 4 twice", CNewsScreen::FoldPageVariant(4, 5), 1},
        {"variant 0 stays 0", CNewsScreen::FoldPageVariant(0, 0), 0},
        {"a headline byte sum above 9 loses 9", CNewsScreen::FoldVariantByte(8, 5), 4},
        {"a headline byte of 9 stays", CNewsScreen::FoldVariantByte(9, 0), 9},
        {"a percentage past 100 folds", CNewsScreen::FoldRoll(99, 5, 100), 4},
        {"a big picture past 108 folds", CNewsScreen::FoldRoll(107, 55, 108), 54},
        {"a per-division byte folds into 1 to 10", CNewsScreen::FoldRoll(100, 0, 10), 10},
        {"a zero roll is 1", CNewsScreen::FoldRoll(0, 0, 101), 1},
        {"a small number + 1 past 101 is 1", CNewsScreen::PictureNumber(101 + 1, 101), 1},
        {"picture 0 is 1", CNewsScreen::PictureNumber(0, 103), 1},
        {"picture 103 stays", CNewsScreen::PictureNumber(103, 103), 103},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST_F(Newspaper, BylinesWalkTheTwentyVariantBytesRound) {
    uint8_t v[20];
    for (int i = 0; i < 20; ++i) v[i] = uint8_t(i % 10);
    v[19] = 3;
    v[0] = 5;
    EXPECT_EQ(CNewsScreen::BylineIndex(v, 19), 8) << "the 20th byline reads v[19] and v[0]";
    EXPECT_EQ(CNewsScreen::BylineIndex(v, 0), 5 + 1);
    v[4] = 9;
    v[5] = 9;
    EXPECT_EQ(CNewsScreen::BylineIndex(v, 4), 18);
    v[6] = 9;
    v[7] = 9;
    v[5] = 9;
    EXPECT_EQ(CNewsScreen::BylineIndex(v, 5), 18);
    EXPECT_EQ(CNewsScreen::BylineIndex(v, 6), 18);
}

TEST_F(Newspaper, TheEmblemPicture) {
    EXPECT_EQ(CNewsScreen::LogoPicture(0, false), "gfx\\newspaper\\tlogo1.bmp");
    EXPECT_EQ(CNewsScreen::LogoPicture(24, false), "gfx\\newspaper\\tlogo22.bmp");
    EXPECT_EQ(CNewsScreen::LogoPicture(7, true), "gfx\\newspaper\\tlogo7.bmp");
    EXPECT_EQ(CNewsScreen::LogoPicture(23, false), "gfx\\newspaper\\tlogo23.bmp");
    EXPECT_EQ(CNewsScreen::LogoPicture(23, true), "gfx\\newspaper\\tlogo23b.bmp");
}

// The story pages over many days' rolls: each variant places its stories,
// rules and pictures where the rolls put them. h is the lead headline's
// measured height, read from where the big picture stands.
TEST_F(Newspaper, TheStoryPagesPlaceTheirStoriesRulesAndPicturesByTheRolls) {
    struct Placed {
        std::string name;
        int x, y;
    };
    auto pictures = [](CNewsScreen& page) {
        std::vector<Placed> out;
        for (int i = 3; i < page.GetOverlayCount(); ++i)
            out.push_back({page.GetPictureNames()[size_t(i)], page.GetOverlay(i)->x, page.GetOverlay(i)->y});
        return out;
    };
    // A label at (x, y) that shows a line of `text`, or begins with it.
    auto labelAt = [](CNewsScreen& page, int x, int y, const std::string& text) {
        for (CXStatic* l : page.GetShownPaperLabels()) {
            const std::string& shown = l->GetText();
            if (l->WindowRect().left == x && l->WindowRect().top == y && !shown.empty() &&
                (text.rfind(shown, 0) == 0 || shown.rfind(text, 0) == 0))
                return true;
        }
        return false;
    };
    auto hasLine = [](CNewsScreen& page, int x1, int y1, int x2, int y2) {
        for (int i = 0; i < page.GetLineCount(); ++i) {
            const LineRecord* l = page.GetLine(i);
            if (l->x1 == x1 && l->y1 == y1 && l->x2 == x2 && l->y2 == y2) return true;
        }
        return false;
    };
    // A country whose first division is division 0 of the world: k is 0, so
    // that the page variant is the roll itself and every variant shows.
    world.GetDivision(0)->SetCountry(0);
    world.GetCountry(0)->AddDivision(0);
    g_nTreeSelectionLevel = kContextCountry;
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(world.GetCountry(0));
    CNewsScreen* page = OpenPaper();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->GetShownCountry(), world.GetCountry(0));
    ASSERT_EQ(page->GetPaperK(), 0);
    std::set<std::string> seen;
    for (uint32_t seed = 1; seed <= 150 && seen.size() < 11; ++seed) {
        platform::SeedRandom(seed);
        g_bNewspaperRefresh = 1;
        page->BuildNewspaper();
        const NewspaperRolls& r = page->GetFoldedRolls();
        for (bool back : {false, true}) {
            if (back) page->OnPageCommand(CNewsScreen::kBackPage);
            const int set = back ? 1 : 0;
            const int variant = back ? r.backVariant : r.frontVariant;
            SCOPED_TRACE(testing::Message() << "seed " << seed << (back ? " back" : " front") << " variant " << variant);
            ASSERT_LE(variant, 4);
            const std::vector<Placed> placed = pictures(*page);
            auto find = [&](const std::string& family) -> const Placed* {
                for (const Placed& p : placed)
                    if (p.name.find("\\" + family + "\\") != std::string::npos) return &p;
                return nullptr;
            };
            const Placed* big = find("big");
            ASSERT_NE(big, nullptr);
            EXPECT_EQ(big->name, "gfx\\newspaper\\big\\" + std::to_string(CNewsScreen::PictureNumber(r.big[set], 108)) + ".bmp");
            EXPECT_EQ(big->x, r.percent[0] < 51 ? 159 : 333);
            const int h = big->y - 78;
            EXPECT_GE(h, 12) << "the lead headline is measured";
            EXPECT_TRUE(labelAt(*page, 159, 79, page->GetLongHeadlines()[back ? 2 : 0]) || !page->GetGossip().empty());
            EXPECT_TRUE(hasLine(*page, 159, h + 234, 444, h + 234)) << "the rule under the lead story";
            EXPECT_TRUE(labelAt(*page, r.percent[0] < 51 ? 275 : 159, h + 76, "By ")) << "the lead story's byline";
            const Placed* side = find("side");
            int smalls = 0;
            for (const Placed& p : placed) smalls += p.name.find("\\small\\") != std::string::npos;
            if (variant < 2) {
                EXPECT_TRUE(labelAt(*page, 159, h + 236, page->GetLongHeadlines()[back ? 3 : 1])) << "the second story across";
                EXPECT_EQ(smalls, 0);
                if (variant == 0) {
                    EXPECT_EQ(side, nullptr);
                } else {
                    ASSERT_NE(side, nullptr);
                    EXPECT_EQ(side->name, "gfx\\newspaper\\side\\" +
                                              std::to_string(CNewsScreen::PictureNumber(r.side[set], 103)) + ".bmp");
                    EXPECT_EQ(side->x, r.percent[1] < 51 ? 159 : 333);
                    seen.insert(std::string("variant 1 picture ") + (r.percent[1] < 51 ? "left" : "right"));
                }
            } else {
                EXPECT_EQ(side, nullptr);
                EXPECT_EQ(smalls, 2);
                const bool narrowLeft = r.percent[2] < 13;
                const int ruleX = narrowLeft ? 273 : 330, secondX = narrowLeft ? 278 : 159, thirdX = narrowLeft ? 159 : 333;
                EXPECT_TRUE(hasLine(*page, ruleX, h + 236, ruleX, 420)) << "the rule between the stories";
                EXPECT_TRUE(labelAt(*page, secondX, h + 236, page->GetShortHeadlines()[size_t(set)]));
                EXPECT_TRUE(labelAt(*page, thirdX, h + 236, page->GetFeatureHeadlines()[size_t(set)]));
                // Each small picture at its story's left edge, or its right
                // edge when its percentage is 51 or more.
                const int secondRight = std::min(secondX + 169, 444), thirdRight = std::min(thirdX + 111, 444);
                const int small = CNewsScreen::PictureNumber(r.small[set], 101);
                const int small2 = CNewsScreen::PictureNumber(r.small[set] + 1, 101);
                std::vector<std::pair<std::string, int>> want = {
                    {"gfx\\newspaper\\small\\" + std::to_string(small) + ".bmp", r.percent[3] >= 51 ? secondRight - 52 : secondX},
                    {"gfx\\newspaper\\small\\" + std::to_string(small2) + ".bmp", r.percent[4] >= 51 ? thirdRight - 52 : thirdX},
                };
                std::vector<std::pair<std::string, int>> got;
                for (const Placed& p : placed)
                    if (p.name.find("\\small\\") != std::string::npos) got.push_back({p.name, p.x});
                EXPECT_EQ(got, want);
                seen.insert(std::string("rule at ") + std::to_string(ruleX));
            }
            seen.insert("variant " + std::to_string(variant));
            seen.insert(std::string("big picture ") + (r.percent[0] < 51 ? "left" : "right"));
        }
        // The back page's pictures are the second set, each unlike the front's.
        EXPECT_NE(r.big[0], r.big[1]);
        EXPECT_NE(r.side[0], r.side[1]);
        EXPECT_NE(r.small[0], r.small[1]);
    }
    EXPECT_EQ(seen.size(), 11u) << testing::PrintToString(seen);
}

// An odd k sets both front masthead texts in italics and moves the second
// to x 283; an even one keeps them upright, the second at x 293.
TEST_F(Newspaper, AnOddKSetsTheFrontMastheadInItalics) {
    CNewsScreen* page = OpenPaper();
    for (CCountry* country : {world.GetCountry(1), world.GetCountry(2)}) {
        TreeNotice n{"", kContextCountry, 2, 0, reinterpret_cast<uintptr_t>(country), 0};
        page->OnTreeSelect(&n);
        ASSERT_EQ(page->GetShownCountry(), country);
        const bool odd = page->GetPaperK() % 2 != 0;
        SCOPED_TRACE(page->GetPaperK());
        // The masthead labels come first among the shown ones: texts 1 and 2, the date line, the price.
        const std::vector<CXStatic*> labels = page->GetShownPaperLabels();
        ASSERT_GE(labels.size(), 4u);
        EXPECT_EQ(labels[0]->WindowRect().left, 203);
        EXPECT_EQ(labels[1]->WindowRect().left, odd ? 283 : 293);
        EXPECT_EQ(labels[1]->WindowRect().right, odd ? 391 : 401);
        for (int i : {0, 1}) EXPECT_EQ(labels[size_t(i)]->GetFont()->Requested().italic, odd) << i;
    }
}

TEST_F(Newspaper, ALeagueNotStartedShowsOnlyTheFrontAndBackPages) {
    CNewsScreen* page = OpenPaper();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetShownCountry(), Club().GetCountry());
    EXPECT_EQ(page->GetPageList(), (std::vector<int>{1, 2}));
    EXPECT_EQ(ShownButtonXs(*page), (std::vector<int>{241, 301}));
    EXPECT_TRUE(page->GetPageButton(0).IsShownFlag());
    EXPECT_TRUE(page->GetPageButton(1).IsShownFlag());
    EXPECT_EQ(page->GetPaperPage(), 0);
    EXPECT_EQ(page->GetPendingWipe(), 3);
    EXPECT_EQ(g_bNewspaperRefresh, 0) << "the rolls are drawn once for the day";
    // Each shown button has its tool-tip spot, 56 px wide, with its command.
    for (const auto& [command, x] : {std::pair<uint32_t, int>{CNewsScreen::kFrontPage, 241}, {CNewsScreen::kBackPage, 301}}) {
        const CHotSpot* spot = nullptr;
        for (int i = 0; i < CXWnd::kMaxHotSpots; ++i)
            if (page->GetHotSpot(i) && page->GetHotSpot(i)->Id() == command) spot = page->GetHotSpot(i);
        ASSERT_NE(spot, nullptr) << command;
        EXPECT_EQ(spot->GetRect(), (Rect{x, 431, x + 56, 467})) << command;
    }
    Save("newspaper-front");
}

TEST_F(Newspaper, ReopeningOnTheSameDayGivesTheSamePaperAndANewDayAnother) {
    CNewsScreen* page = OpenPaper();
    const auto texts = Texts(*page);
    const auto pictures = Pictures(*page);
    ASSERT_FALSE(texts.empty());
    page = OpenPaper();
    EXPECT_EQ(Texts(*page), texts);
    EXPECT_EQ(Pictures(*page), pictures);
    // Another day: the rolls are drawn again.
    std::vector<NewspaperRolls> seen;
    bool differs = false;
    for (int day = 0; day < 4 && !differs; ++day) {
        g_bNewspaperRefresh = 1;
        page = OpenPaper();
        differs = Texts(*page) != texts || Pictures(*page) != pictures;
    }
    EXPECT_TRUE(differs);
    Save("newspaper-front-next-day");
}

TEST_F(Newspaper, AnotherCountryOnTheSameDayGivesAnotherPaper) {
    CNewsScreen* page = OpenPaper();
    const auto pictures = Pictures(*page);
    const int k = page->GetPaperK();
    TreeNotice n{"", kContextCountry, 2, 0, reinterpret_cast<uintptr_t>(world.GetCountry(2)), 0};
    page->OnTreeSelect(&n);
    EXPECT_EQ(page->GetShownCountry(), world.GetCountry(2));
    EXPECT_NE(page->GetPaperK(), k);
    EXPECT_NE(Pictures(*page), pictures) << "the rolls are offset by the country's k";
    TreeNotice fed{"", kContextFederation, 2, 0, 99, 0};
    page->OnTreeSelect(&fed);
    EXPECT_EQ(page->GetShownCountry(), world.GetCountry(2)) << "a federation changes nothing";
    // A club node changes the paper to its country.
    TreeNotice club{"", kContextClub, 2, 0, reinterpret_cast<uintptr_t>(&Club()), 0};
    page->OnTreeSelect(&club);
    EXPECT_EQ(page->GetShownCountry(), Club().GetCountry());
    EXPECT_EQ(Pictures(*page), pictures) << "the first country's paper again, the same day";
}

TEST_F(Newspaper, PagingPlaysTheWipeOfItsDirectionAndTheCurrentPageDoesNothing) {
    CNewsScreen* page = OpenPaper();
    page->OnPageCommand(CNewsScreen::kBackPage);
    EXPECT_EQ(page->GetPaperPage(), 9);
    EXPECT_EQ(page->GetPendingWipe(), 4);
    const auto back = Texts(*page);
    page->OnPageCommand(CNewsScreen::kBackPage);
    EXPECT_EQ(page->GetPendingWipe(), 4);
    EXPECT_EQ(Texts(*page), back) << "pressing the page shown does nothing";
    page->OnPageCommand(CNewsScreen::kFrontPage);
    EXPECT_EQ(page->GetPaperPage(), 0);
    EXPECT_EQ(page->GetPendingWipe(), 3);
    page->OnPageCommand(20655);  // a table spread, from the front: forwards
    EXPECT_EQ(page->GetPendingWipe(), 4);
    EXPECT_EQ(page->GetPaperPage(), 4);
    page->OnPageCommand(20652);
    EXPECT_EQ(page->GetPendingWipe(), 3);
}

// From page 6 (the third division's table) back to page 3 (the second
// division's fixtures) the page comes in by wipe 3; forwards by wipe 4.
TEST_F(Newspaper, PagingBetweenSpreadsTakesTheWipeOfItsDirection) {
    CNewsScreen* page = OpenPaper();
    struct Case {
        uint32_t command;
        int page, wipe;
    };
    const Case cases[] = {{20657, 6, 4}, {20654, 3, 3}, {20657, 6, 4}, {20650, 0, 3}, {20654, 3, 4}, {20651, 9, 4}};
    for (const Case& c : cases) {
        page->OnPageCommand(c.command);
        EXPECT_EQ(page->GetPaperPage(), c.page) << c.command;
        EXPECT_EQ(page->GetPendingWipe(), c.wipe) << c.command;
    }
}

// The day's country news fills the back page as one block, cut after ten items.
TEST_F(Newspaper, TheBackPagesNewsBlockTakesAtMostTenItems) {
    std::string today;
    world.GetMatchTime().GetDateText(today);
    struct Case {
        int items, shown;
    };
    for (const Case c : {Case{20, 10}, Case{6, 6}, Case{3, 3}}) {
        Club().GetCountry()->GetNews().RemoveAll();
        for (int i = 0; i < c.items; ++i) Club().GetCountry()->GetNews().Add("Item " + std::to_string(i), 0, today);
        CNewsScreen* page = OpenPaper();
        page->OnPageCommand(CNewsScreen::kBackPage);
        std::string block;
        for (int i = 0; i < c.shown; ++i) block += "Item " + std::to_string(i) + " ** ";
        ASSERT_EQ(page->GetPageLabelCount(), 1) << c.items;
        bool found = false;
        for (CXStatic* l : page->GetShownPaperLabels()) found |= l->GetText() == block;
        EXPECT_TRUE(found) << c.items << " items";
    }
}

// A list runs in one column below 32 rows and in two from 32, at height 8,
// or 7 for 64 results or more; it stands at the foot of its page with its
// heading above it, and shows the rows that fit between y 63 and 416; an
// empty list keeps one row's room for the line that says so.
TEST_F(Newspaper, AListsColumnsAndRowHeightFollowItsLength) {
    struct Case {
        int count;
        bool results;
        int columns, height, shown, headingY;
    };
    const Case cases[] = {
        {0, true, 1, 9, 0, 390},       {1, false, 1, 9, 1, 390},     {31, true, 1, 9, 31, 90},
        {32, true, 2, 8, 32, 256},     {32, false, 2, 8, 32, 256},   {63, true, 2, 8, 63, 112},
        {64, true, 2, 7, 64, 144},     {64, false, 2, 8, 64, 112},   {65, true, 2, 7, 65, 136},
        {130, false, 2, 8, 78, 49},    {130, true, 2, 7, 88, 48},
    };
    for (const Case& c : cases) {
        const NewspaperListLayout l = CNewsScreen::ListLayout(c.count, c.results);
        SCOPED_TRACE(testing::Message() << c.count << (c.results ? " results" : " fixtures"));
        EXPECT_EQ(l.columns, c.columns);
        EXPECT_EQ(l.height, c.height);
        EXPECT_EQ(l.step, c.height + 1) << "rows one text height plus 1 px apart";
        EXPECT_EQ(l.shown, c.shown);
        EXPECT_EQ(l.headingY, c.headingY);
        EXPECT_GE(l.headingY + 16, 63) << "the first row stands no higher than y 63";
        EXPECT_LE(l.headingY + 16 + l.rowsTall * l.step, 416) << "the last row ends by the text bottom";
    }
}

// On a day whose matches are still to come the fixtures spread has no
// results: "MATCH RESULTS" then keeps its place at the foot of the right
// page with the line that says so under it, below the page's story, and
// the left page lists the fixtures with no such line. A press photograph
// fills the room between each story and its short list.
TEST_F(Newspaper, AnEmptyListSaysSoUnderItsHeading) {
    CDivision& d = *world.GetDivision(0);
    const uint8_t clubs = d.GetClubCount();
    const int32_t firstClub = d.GetFirstClub();
    ASSERT_GE(world.GetClubCount(), 2);
    d.SetClubRange(0, 2);
    // One round of the schedule, to be played today: the world's two clubs.
    CExtByteArray schedule;
    schedule.SetSizeAndFill(d.GetClubCount(), 0);
    for (int i = 0; i < d.GetClubCount(); ++i) schedule.SetAt(i, static_cast<uint8_t>(i + 1));
    d.m_Schedule = &schedule;
    d.SetCalendarSlot(world.GetMatchDay(), 1);
    CNewsScreen* page = OpenPaper();
    ASSERT_NE(page, nullptr);
    ASSERT_FALSE(page->GetFixtureRows(0, false).empty()) << "the day's league fixtures";
    ASSERT_TRUE(page->GetResultRows(0, false).empty());
    ASSERT_NE(std::find(page->GetPageList().begin(), page->GetPageList().end(), 20), page->GetPageList().end());
    page->OnPageCommand(20652);
    const std::string resultsHeading = platform::LoadString(49031);
    const std::string none = platform::LoadString(58401), noFixtures = platform::LoadString(58400);
    ASSERT_FALSE(none.empty());
    CXStatic *heading = nullptr, *line = nullptr;
    int fixtureRows = 0, storyBottom = 0;
    for (CXStatic* l : page->GetShownPaperLabels()) {
        const Rect r = l->WindowRect();
        if (l->GetText() == resultsHeading) heading = l;
        if (l->GetText() == none) line = l;
        EXPECT_NE(l->GetText(), noFixtures) << "the fixtures are listed";
        if (r.left < 296 && l->GetText().find(" v ") != std::string::npos) ++fixtureRows;
        if (r.left >= 309 && r.top > 40 && r.top < 300) storyBottom = std::max(storyBottom, r.bottom);
    }
    ASSERT_NE(heading, nullptr);
    ASSERT_NE(line, nullptr) << "the heading does not stand alone";
    EXPECT_GT(fixtureRows, 0);
    const Rect h = heading->WindowRect(), n = line->WindowRect();
    EXPECT_GE(n.left, 309);
    EXPECT_EQ(n.top, h.top + 16) << "right under the heading";
    EXPECT_LE(n.bottom, CNewsScreen::kTextBottom);
    EXPECT_GE(n.bottom, CNewsScreen::kTextBottom - 2) << "at the foot of the page";
    EXPECT_LE(storyBottom, h.top) << "the story ends above the heading";
    EXPECT_LE(line->GetTextExtent().cx, 594 - 309);
    // The room between the story's columns and the heading holds a press
    // photograph on either page, with no text on it.
    int photos = 0;
    for (int i = 3; i < page->GetOverlayCount(); ++i) {
        const std::string& name = page->GetPictureNames()[size_t(i)];
        if (name.find("\\side\\") == std::string::npos) continue;
        const OverlayBitmap* o = page->GetOverlay(i);
        ASSERT_TRUE(o->bitmap.IsLoaded()) << name;
        const Rect box = Rect::XYWH(o->x, o->y, o->bitmap.GetWidth(), o->bitmap.GetHeight());
        ++photos;
        if (box.left >= 309) {
            EXPECT_LT(box.bottom, h.top) << "above the heading";
        }
        EXPECT_TRUE(box.left >= 11 && box.right <= 594 && (box.right <= 296 || box.left >= 309)) << name;
        for (CXStatic* l : page->GetShownPaperLabels())
            EXPECT_TRUE(l->WindowRect().Intersect(box).IsEmpty()) << l->GetText().substr(0, 30) << " over " << name;
    }
    EXPECT_EQ(photos, 2);

    // No results for the slot: the table spread's right page carries a
    // story in place of the team of the week.
    page->OnPageCommand(20653);
    bool storyAtTop = false;
    for (CXStatic* l : page->GetShownPaperLabels()) {
        EXPECT_NE(l->GetText(), platform::LoadString(49032)) << "no team of the week";
        storyAtTop |= l->WindowRect().left == 309 && l->WindowRect().top == 35 && !l->GetText().empty();
    }
    EXPECT_TRUE(storyAtTop) << "a headline across the right page";
    for (const std::string& name : page->GetPictureNames()) EXPECT_EQ(name.find("teamweek"), std::string::npos);
    Save("newspaper-fixtures-no-results");
    d.m_Schedule = nullptr;
    d.SetClubRange(firstClub, clubs);
}

TEST_F(Newspaper, TheHeadlinePoolFollowsTheBuildersOrderAndFillersFillTheRest) {
    CNewsScreen* page = OpenPaper();
    CDivision& d = *world.GetDivision(0);
    auto f = std::make_unique<CFixture>();
    f->Set(0, 0, 1, 5, 3, 0);
    f->m_HomeGoals = 5;
    f->m_AwayGoals = 0;
    d.m_Fixtures.Add(std::move(f));
    auto g = std::make_unique<CFixture>();
    g->Set(0, 0, 1, 5, 3, 0);
    g->m_HomeGoals = 3;
    g->m_AwayGoals = 3;
    d.m_Fixtures.Add(std::move(g));
    d.m_NewsPaperEvents.Reset();
    d.m_NewsPaperEvents.SetResult(0, d.m_Fixtures);
    d.m_NewsPaperEvents.SetResult(1, d.m_Fixtures);
    const auto& v = page->GetFoldedRolls().variant;
    page->AddDivisionHeadlines(d, 0);
    const auto& pool = page->GetHeadlinePool();
    ASSERT_EQ(pool.size(), 2u) << "empty builders add nothing";
    EXPECT_EQ(pool[0], d.m_NewsPaperEvents.GetBigWinHeadline(v[0], d.m_Fixtures));
    EXPECT_EQ(pool[1], d.m_NewsPaperEvents.GetDrawHeadline(v[1], d.m_Fixtures));
    for (int i = 0; i < 60; ++i) page->AddDivisionHeadlines(d, 0);
    EXPECT_EQ(page->GetHeadlinePool().size(), 100u) << "the pool holds 100 texts";
    page->FillStoryTables();
    ASSERT_EQ(page->GetLongHeadlines().size(), 24u);
    ASSERT_EQ(page->GetShortHeadlines().size(), 10u);
    ASSERT_EQ(page->GetFeatureHeadlines().size(), 10u);
    ASSERT_EQ(page->GetOneWordLabels().size(), 4u);
    for (const std::string& s : page->GetShortHeadlines()) EXPECT_LE(s.size(), 23u) << s;
    for (const std::string& s : page->GetLongHeadlines()) EXPECT_LE(s.size(), 49u) << s;
    EXPECT_EQ(page->GetLongHeadlines()[0], pool.empty() ? "" : d.m_NewsPaperEvents.GetBigWinHeadline(v[0], d.m_Fixtures));
}

// Sacked managers come first, from v[12], each next one a variant on and 9
// wrapping to 0; then the new managers from v[14]; then the division's
// other events in their order.
TEST_F(Newspaper, SackedAndNewManagersLeadThePoolWithTheirVariantsWrapping) {
    CDivision& d = *world.GetDivision(0);
    const int manager = Club().GetManager();
    ASSERT_GE(manager, 0);
    d.m_NewsPaperEvents.Reset();
    for (int i = 0; i < 3; ++i) d.m_NewsPaperEvents.AddSackedManager(manager);
    for (int i = 0; i < 2; ++i) d.m_NewsPaperEvents.AddNewManager(manager);
    d.m_NewsPaperEvents.SetChampion(0);
    CNewsScreen* page = OpenPaper();
    bool wrapped = false;
    for (uint32_t seed = 1; seed <= 60 && !wrapped; ++seed) {
        platform::SeedRandom(seed);
        g_bNewspaperRefresh = 1;
        page->BuildNewspaper();
        const uint8_t* v = page->GetFoldedRolls().variant;
        SCOPED_TRACE(testing::Message() << "v[12] " << int(v[12]) << ", v[14] " << int(v[14]));
        // The pool as the build left it is emptied by the story tables: build it again.
        const size_t before = page->GetHeadlinePool().size();
        page->AddDivisionHeadlines(d, 0);
        const std::vector<std::string> pool(page->GetHeadlinePool().begin() + long(before), page->GetHeadlinePool().end());
        const CNewsPaperEvents& e = d.m_NewsPaperEvents;
        const std::vector<std::string> want = {
            e.GetManagerSackedHeadline(v[12], 0), e.GetManagerSackedHeadline((v[12] + 1) % 10, 1),
            e.GetManagerSackedHeadline((v[12] + 2) % 10, 2), e.GetNewManagerHeadline(v[14], 0),
            e.GetNewManagerHeadline((v[14] + 1) % 10, 1), e.GetChampionsHeadline(v[4]),
        };
        for (const std::string& w : want) ASSERT_FALSE(w.empty());
        EXPECT_EQ(pool, want);
        wrapped = v[12] >= 8;
    }
    EXPECT_TRUE(wrapped) << "no day's rolls put the sacked managers' variants past 9";
}

// The masthead labels each page shows: the front page its two texts, the
// date line and the price; the back page its own text and the date line;
// a spread the two running headers.
TEST_F(Newspaper, EachPageShowsItsOwnMastheadLabels) {
    CNewsScreen* page = OpenPaper();
    struct Case {
        uint32_t command;
        std::vector<std::pair<int, int>> at;  // the shown masthead labels' top-left corners
    };
    const Case cases[] = {
        {CNewsScreen::kBackPage, {{192, 13}, {159, 69}}},
        {20652, {{11, 20}, {309, 20}}},
        {CNewsScreen::kFrontPage, {{203, 16}, {page->GetPaperK() % 2 ? 283 : 293, 31}, {159, 69}, {384, 69}}},
    };
    for (const Case& c : cases) {
        page->OnPageCommand(c.command);
        std::set<std::pair<int, int>> shown;
        for (CXStatic* l : page->GetShownPaperLabels())
            if (l->WindowRect().top <= 69 && l->GetFont() && l->GetFont()->Requested().face == "Times New Roman")
                shown.insert({l->WindowRect().left, l->WindowRect().top});
        const std::set<std::pair<int, int>> want(c.at.begin(), c.at.end());
        EXPECT_EQ(shown, want) << c.command;
    }
}

// Every filler fits its box in each face the paper may set it in, split as
// a headline box splits it: the long ones 285 px across the page and the
// short ones 166 in "Arial Black" at 16 px or more; the features 111 px in
// "Arial Black" at no less than the 12 px a headline steps down to (at 16
// none but the shortest would fit); the one-word labels 53 px at 14.
TEST_F(Newspaper, EveryFillerFitsItsBoxInThePapersFaces) {
    using platform::gfx::Font;
    auto lines = [](const std::string& text) {
        if (text.size() < 31) return std::vector<std::string>{text};
        size_t cut = text.find(' ', text.size() / 2);
        if (cut == std::string::npos) cut = text.rfind(' ');
        if (cut == std::string::npos) return std::vector<std::string>{text};
        return std::vector<std::string>{text.substr(0, cut), text.substr(cut + 1)};
    };
    struct Kind {
        unsigned first;
        int count, width, height;
        size_t maxChars;
        std::vector<std::string> faces;
    };
    const Kind kinds[] = {
        {20016, 78, 285, 16, 49, {"Arial", "Haettenschweiler", "Times New Roman", "Arial Black"}},
        {20200, 35, 166, 16, 23, {"Arial Black"}},
        {20400, 43, 111, 12, 20, {"Arial Black"}},
        {20600, 11, 53, 14, 6, {"Arial Black"}},
    };
    for (const Kind& k : kinds)
        for (const std::string& face : k.faces) {
            const auto font = Font::Create(face, -k.height, 700);
            ASSERT_TRUE(font);
            for (int i = 0; i < k.count; ++i) {
                const std::string text = platform::LoadString(k.first + unsigned(i));
                ASSERT_FALSE(text.empty()) << k.first + i;
                EXPECT_LE(text.size(), k.maxChars) << text;
                for (const std::string& line : lines(text))
                    EXPECT_LE(font->Measure(line), k.width) << face << ": " << line;
            }
        }
}

TEST_F(Newspaper, FillersAreNumberedByOffsetUseAndK) {
    CNewsScreen* page = OpenPaper();
    page->FillStoryTables();  // an empty pool: fillers only
    const auto& r = page->GetFoldedRolls();
    const int k = page->GetPaperK();
    for (int i = 0; i < 4; ++i) {
        int n = (r.fillerOffset[0] + i + k) % 35;
        EXPECT_EQ(page->GetShortHeadlines()[size_t(i)], platform::LoadString(20200 + unsigned(n))) << i;
        n = (r.fillerOffset[2] + i + k) % 78;
        EXPECT_EQ(page->GetLongHeadlines()[size_t(i)], platform::LoadString(20016 + unsigned(n))) << i;
        n = (r.fillerOffset[1] + i + k) % 43;
        EXPECT_EQ(page->GetFeatureHeadlines()[size_t(i)], platform::LoadString(20400 + unsigned(n))) << i;
        n = (r.fillerOffset[3] + i + k) % 11;
        EXPECT_EQ(page->GetOneWordLabels()[size_t(i)], platform::LoadString(20600 + unsigned(n))) << i;
    }
}

TEST_F(Newspaper, ADayWithCountryNewsFillsTheBackPageCutToTenItems) {
    std::string today;
    world.GetMatchTime().GetDateText(today);
    for (int i = 0; i < 12; ++i) Club().GetCountry()->GetNews().Add("Item " + std::to_string(i), 0, today);
    CNewsScreen* page = OpenPaper();
    page->OnPageCommand(CNewsScreen::kBackPage);
    ASSERT_EQ(page->GetPageLabelCount(), 1);
    std::string block;
    for (int i = 0; i < 10; ++i) block += "Item " + std::to_string(i) + " ** ";
    bool found = false;
    for (CXStatic* l : page->GetShownPaperLabels()) found |= l->GetText() == block;
    EXPECT_TRUE(found);
    Save("newspaper-back-news");
}

TEST_F(Newspaper, EveryPageKeepsItsLabelsInsideThePaperAndThePool) {
    platform::TraceCapture trace;
    CNewsScreen* page = OpenPaper();
    for (uint32_t id : {CNewsScreen::kBackPage, CNewsScreen::kFrontPage, 20652u, 20653u}) {
        page->OnPageCommand(id);
        const bool single = page->GetPaperPage() == 0 || page->GetPaperPage() == 9;
        const Rect frame = single ? Rect{145, 5, 459, 427} : Rect{3, 5, 599, 427};
        for (CXStatic* l : page->GetShownPaperLabels()) {
            const Rect r = l->WindowRect();
            EXPECT_TRUE(r.left >= frame.left && r.right <= frame.right && r.top >= frame.top && r.bottom <= frame.bottom)
                << "page " << page->GetPaperPage() << ": " << l->GetText().substr(0, 30);
        }
    }
    EXPECT_FALSE(trace.Contains("Ran out"));
    EXPECT_FALSE(trace.Contains("Failed to find"));
}

TEST_F(Newspaper, TheToolTipOfASpreadNamesItsDivision) {
    CNewsScreen* page = OpenPaper();
    page->AddHotSpot(Rect{0, 0, 10, 10}, kSpotToolTip, 20652);
    std::string tip;
    for (int i = 0; i < 35; ++i)
        if (page->GetHotSpot(i) && page->GetHotSpot(i)->Id() == 20652) page->GetToolTipText(i, tip);
    EXPECT_EQ(tip, "Fixtures / Results " + std::string(world.GetDivision(0)->GetName()));
}

TEST_F(Newspaper, OnlyEmblem23OpensTheLocalNewsPage) {
    CNewsScreen* page = OpenPaper();
    EXPECT_FALSE(page->OpenLocalNewsPage()) << "emblem 0 has no page";
    EXPECT_TRUE(backend->Urls().empty());
    // The address names the page the tools ship in the installation.
    const std::string address = CNewsScreen::LocalNewsAddress();
    ASSERT_EQ(address.rfind("file://", 0), 0u) << address;
    const std::filesystem::path file = address.substr(7);
    EXPECT_EQ(file.filename(), "news.html");
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(html.find("<title>Vantorel 2000"), std::string::npos);
    EXPECT_NE(html.find("<h2>What is new in this version</h2>"), std::string::npos);
    EXPECT_NE(html.find("<h2>Credits</h2>"), std::string::npos);
    EXPECT_EQ(html.find("&lt;"), std::string::npos) << "nothing escaped that was not in the text";
}

TEST_F(Newspaper, LeadingScorersCountLeagueAndCupGoalsMostFirst) {
    CDivision* division = Club().GetDivision();
    ASSERT_NE(division, nullptr);
    ASSERT_EQ(world.GetClub(0), &Club());
    division->SetClubRange(0, 1);
    auto score = [&](int position, const std::string& surname, int season, int cup) {
        CPlayer* p = world.GetPlayer(Sign(position, surname));
        p->m_SeasonGoals = uint8_t(season);
        p->m_SeasonKindGoals = uint8_t(cup);
    };
    score(CSoccerPlayer::kAttacker, "Abernethy-Kilbride", 10, 4);
    score(CSoccerPlayer::kMidfielder, "Brook", 11, 0);
    score(CSoccerPlayer::kDefender, "Castle", 1, 1);       // one goal: not a leading scorer
    score(CSoccerPlayer::kGoalkeeper, "Dunmore", 6, 0);    // keepers are left out
    score(CSoccerPlayer::kAttacker, "Eastham", 10, 1);
    const std::vector<NewspaperScorer> top = CNewsScreen::LeadingScorers(*division);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].surname, "Brook");
    EXPECT_EQ(top[1].surname, "Eastham") << "on equal totals, more league goals first";
    EXPECT_EQ(top[2].surname, "Abernethy-Kilbride");
    EXPECT_EQ(top[2].league, 6);
    EXPECT_EQ(top[2].cup, 4);
    EXPECT_EQ(top[2].total, 10);

    // The numbers end under the heading's L, C and T; the name is cut to 14.
    const std::string heading = platform::LoadString(49038);
    const std::string row = CNewsScreen::ScorerRow(top[2]);
    EXPECT_EQ(row.substr(0, 15), "Abernethy-Kilb ");
    EXPECT_EQ(row[heading.find('L')], '6');
    EXPECT_EQ(row[heading.find('C')], '4');
    EXPECT_EQ(row.substr(heading.find('T') - 1, 2), "10");
    EXPECT_EQ(row.size(), heading.size());

    for (int i = 0; i < 14; ++i) score(CSoccerPlayer::kMidfielder, "Extra" + std::to_string(i), 2 + i % 3, 0);
    EXPECT_EQ(CNewsScreen::LeadingScorers(*division).size(), 12u) << "at most twelve rows";
}

TEST_F(Newspaper, EveryHeadlineLinePrintsOverItsShadow) {
    CNewsScreen* page = OpenPaper();
    for (uint32_t id : {CNewsScreen::kFrontPage, CNewsScreen::kBackPage, 20652u}) {
        page->OnPageCommand(id);
        const std::vector<CXStatic*> labels = page->GetShownPaperLabels();
        int pairs = 0;
        for (CXStatic* l : labels)
            for (CXStatic* s : labels) {
                const Rect a = l->WindowRect(), b = s->WindowRect();
                if (l != s && l->GetText() == s->GetText() && b.left == a.left + 1 && b.top == a.top + 1 &&
                    b.bottom == a.bottom + 1)
                    ++pairs;
            }
        EXPECT_GE(pairs, 2) << "page " << page->GetPaperPage();
        // A shadow stands for every lead headline line, so the front page's
        // first headline text appears exactly twice.
        if (id == CNewsScreen::kFrontPage) {
            std::map<std::string, int> seen;
            for (CXStatic* l : labels) ++seen[l->GetText()];
            int twice = 0;
            for (const auto& [text, n] : seen) twice += n == 2;
            EXPECT_GE(twice, pairs);
        }
    }
}

TEST_F(Newspaper, GossipAboutAYoungTopDivisionPlayerLeadsTheFrontPage) {
    // The top division's draw of a club all but always takes the first of
    // two, the user's club, whose squad is one player.
    CDivision* division = Club().GetDivision();
    ASSERT_NE(division, nullptr);
    ASSERT_EQ(world.GetClub(0), &Club());
    ASSERT_NE(world.GetClub(1), nullptr);
    division->SetClubRange(0, 2);
    for (int s = 0; s < kSquadSlots; ++s)
        if (Club().PlayerInSlot(s)) Club().RemoveFromSquad(s);
    CPlayer* player = world.GetPlayer(Sign(CSoccerPlayer::kAttacker, "Starling"));
    auto paperOf = [&](uint32_t seed, int age) {
        player->Person().SetAge(uint8_t(age));
        Club().GetCountry()->SetPaperStory("");
        g_bNewspaperRefresh = 1;
        platform::SeedRandom(seed);
        return OpenPaper();
    };
    // A seed whose draw of the gossip roll comes out at 7.
    uint32_t seed = 0;
    for (uint32_t s = 1; s <= 200 && seed == 0; ++s)
        if (!paperOf(s, 22)->GetGossip().empty()) seed = s;
    ASSERT_NE(seed, 0u) << "no gossip in 200 days";
    CNewsScreen* page = paperOf(seed, 22);
    const std::string gossip = page->GetGossip();
    EXPECT_NE(gossip.find("STARLING"), std::string::npos) << gossip;
    EXPECT_EQ(Club().GetCountry()->GetPaperStory(), gossip) << "the gossip becomes the country's headline text";
    bool lead = false;
    for (CXStatic* l : page->GetShownPaperLabels()) lead |= gossip.find(l->GetText()) == 0 && !l->GetText().empty();
    EXPECT_TRUE(lead) << "the gossip leads the front page";
    // The same draws over a player of 26 make no gossip; nor over one of 19.
    for (int age : {26, 19}) {
        page = paperOf(seed, age);
        EXPECT_TRUE(page->GetGossip().empty()) << age;
        EXPECT_TRUE(Club().GetCountry()->GetPaperStory().empty()) << age;
    }
}

}  // namespace
}  // namespace squadtest
