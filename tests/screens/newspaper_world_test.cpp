// England's paper in the largest world (every selectable country): on a
// day when all four divisions have matches and tables the ten page buttons
// fill the row from x 1 to 541, and every page, the fullest spread
// included, keeps its labels inside its frame and within the label pool;
// when a division's last league day is played its table spread goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/png.h"
#include "platform/trace.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/newsscreen.h"
#include "screens/pages.h"
#include "shell/archive.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/selectablecountries.h"
#include "soccerclasses/worlddata.h"
#include "support/game_driver.h"
#include "support/test_env.h"
#include "support/ui_loop.h"
#include "ui/xbitmap.h"
#include "ui/xbutton.h"

namespace {

using namespace platform::win;

constexpr uint8_t kLargestEngland = 55;

class LargestWorldPaper : public ::testing::Test {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(AllSelectableCountries());
        ASSERT_NE(game->HumanManagesTopClub(kLargestEngland), nullptr);
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(manager.Create(&main, Rect::XYWH(2, 2, CScreen::kWidth, CScreen::kHeight)));
        RegisterGamePages();
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionLevel = 0;
    }
    void TearDown() override {
        manager.Destroy();
        main.Destroy();
        Ui::Get().Stop();
        FreeArchiveIndexes();
        game.reset();
    }
    CWorldData& W() { return game->World(); }
    CNewsScreen* OpenPaper() {
        g_bNewspaperRefresh = 1;
        g_nScreenId = CNewsScreen::kPaperPage;
        manager.SetScreen(new CNewsScreen(), true, true, false, true, false);
        testsupport::DrainMessages(main);
        auto* page = dynamic_cast<CNewsScreen*>(manager.GetCurrentPage());
        EXPECT_NE(page, nullptr);
        if (page) {
            EXPECT_EQ(page->GetShownCountry(), W().GetCountry(kLargestEngland));
        }
        return page;
    }
    // The number of league days of a division's calendar.
    static int LeagueDays(const CDivision& d) {
        int n = 0;
        for (int s = 0; s < CMatchTime::kSlotsPerSeason; ++s) n += d.GetCalendarSlot(s) >= 1 && d.GetCalendarSlot(s) <= 199;
        return n;
    }

    // Pictures for people to look at; never the check.
    void Save(const std::string& name) {
        Ui::Get().PresentNow();
        auto dir = testenv::BuildDir() / "page-shots";
        std::filesystem::create_directories(dir);
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }

    std::unique_ptr<testsupport::GameDriver> game;
    HeadlessBackend* backend = nullptr;
    Window main;
    CScreenManager manager;
};

TEST_F(LargestWorldPaper, TenPagesFillTheRowAndEveryPageKeepsToItsFrameAndPool) {
    ASSERT_EQ(W().GetCountry(kLargestEngland)->GetDivisionCount(), 4);
    CNewsScreen* page = nullptr;
    int days = 0;
    for (; days < 80; ++days) {
        page = OpenPaper();
        ASSERT_NE(page, nullptr);
        if (page->GetPageList().size() == 10) break;
        game->RunDays(1);
    }
    ASSERT_EQ(page->GetPageList().size(), 10u) << "no day of four divisions with matches and tables in " << days;
    std::vector<int> xs;
    for (int i = 0; i < CNewsScreen::kPaperButtons; ++i) {
        CXButton& b = page->GetPageButton(i);
        ASSERT_TRUE(b.IsShownFlag()) << i;
        xs.push_back(b.WindowRect().left);
    }
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(xs.front(), 1);
    EXPECT_EQ(xs.back(), 541);
    EXPECT_EQ(xs, CNewsScreen::PageButtonPositions(10));

    platform::TraceCapture trace;
    int fullest = 0;
    for (int p = 0; p <= 9; ++p) {
        page->ShowPaperPage(p);
        testsupport::DrainMessages(main);
        if (p == 1) Save("newspaper-fixtures-spread");
        if (p == 2) Save("newspaper-table-spread");
        if (p == 9) Save("newspaper-back-largest");
        const bool single = p == 0 || p == 9;
        const Rect frame = single ? Rect{145, 5, 459, 427} : Rect{3, 5, 599, 427};
        const std::vector<CXStatic*> labels = page->GetShownPaperLabels();
        fullest = std::max(fullest, static_cast<int>(labels.size()));
        if (p == 0) {
            // The lead headline's lines share one size, each fits the box
            // and the second stands below the first.
            std::vector<CXStatic*> lead;
            for (CXStatic* l : labels)
                if (l->WindowRect().left == 159 && l->WindowRect().top >= 79 && l->WindowRect().top < 150 &&
                    l->GetText().rfind("By ", 0) != 0)
                    lead.push_back(l);
            ASSERT_FALSE(lead.empty());
            for (CXStatic* l : lead) {
                EXPECT_EQ(l->GetFont()->Requested().height, lead[0]->GetFont()->Requested().height) << l->GetText();
                EXPECT_LE(l->GetTextExtent().cx, 444 - 159) << l->GetText();
            }
            if (lead.size() == 2) {
                EXPECT_GE(lead[1]->WindowRect().top, lead[0]->WindowRect().top + lead[0]->GetTextExtent().cy * 5 / 6);
            }
        }
        EXPECT_LE(labels.size(), 300u) << "page " << p;
        for (CXStatic* l : labels) {
            const Rect r = l->WindowRect();
            EXPECT_TRUE(r.left >= frame.left && r.right <= frame.right && r.top >= frame.top && r.bottom <= frame.bottom)
                << "page " << p << ": " << l->GetText().substr(0, 30);
        }
        // No text stands on an advert bar or the team photo.
        for (int i = 3; i < page->GetOverlayCount(); ++i) {
            const std::string& name = page->GetPictureNames()[size_t(i)];
            if (name.find("bar1") == std::string::npos && name.find("teamweek") == std::string::npos) continue;
            const OverlayBitmap* o = page->GetOverlay(i);
            const Rect box = Rect::XYWH(o->x, o->y, o->bitmap.GetWidth(), o->bitmap.GetHeight());
            for (CXStatic* l : labels)
                EXPECT_TRUE(l->WindowRect().Intersect(box).IsEmpty())
                    << "page " << p << ": " << l->GetText().substr(0, 30) << " over " << name;
        }
        for (int i = 3; i < page->GetOverlayCount(); ++i) {
            const OverlayBitmap* o = page->GetOverlay(i);
            ASSERT_TRUE(o->bitmap.IsLoaded()) << page->GetPictureNames()[size_t(i)];
            EXPECT_TRUE(o->x >= frame.left && o->y >= frame.top && o->x + o->bitmap.GetWidth() <= frame.right &&
                        o->y + o->bitmap.GetHeight() <= frame.bottom)
                << "page " << p << ": " << page->GetPictureNames()[size_t(i)];
        }
    }
    EXPECT_GT(fullest, 60) << "a spread of four tables of matches fills its pages";

    // The top division's table spread: the rows in the padded format, in
    // table order; on the right page, with the division's results of the
    // day, the team of the week and the leading scorers.
    page->ShowPaperPage(2);
    const CDivision& top = *W().GetCountry(kLargestEngland)->GetDivision(0);
    std::vector<std::string> texts;
    for (CXStatic* l : page->GetShownPaperLabels()) texts.push_back(l->GetText());
    auto has = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has("Team                P Pts   Form"));
    for (int i = 0; i < top.GetClubCount(); ++i) {
        const CClub* c = W().GetClub(top.GetFirstClub() + i);
        std::string name = c->GetName().substr(0, 19);
        name.append(19 - name.size(), '.');
        const std::string games = std::to_string(c->GetGamesPlayed()), points = std::to_string(c->GetPoints());
        const std::string row = name + std::string(2 - games.size(), ' ') + games + " " +
                                std::string(3 - points.size(), ' ') + points + " " + c->GetFormText();
        EXPECT_TRUE(has(row)) << row;
    }
    ASSERT_FALSE(page->GetResultRows(0, false).empty());
    EXPECT_TRUE(has("Team of the Week"));
    EXPECT_TRUE(has("Player          L  C   T"));
    const std::vector<std::string>& names = page->GetPictureNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "gfx\\newspaper\\teamweek.bmp"), names.end());
    for (int n = 1; n <= 11; ++n) EXPECT_TRUE(has(std::to_string(n))) << "team of the week row " << n;
    // Every player's and club's name is whole: none is cut by its label's
    // edge, which stops short of the team photo.
    int teamRows = 0;
    for (CXStatic* l : page->GetShownPaperLabels()) {
        const Rect r = l->WindowRect();
        if ((r.left != 330 && r.left != 450) || r.top < 35 || r.top > 300) continue;
        ++teamRows;
        EXPECT_LE(l->GetTextExtent().cx, r.Width()) << l->GetText();
    }
    EXPECT_EQ(teamRows, 24) << "the two headings and 11 rows of two names";
    EXPECT_FALSE(trace.Contains("Ran out"));
    EXPECT_FALSE(trace.Contains("Failed to find"));
}

// With all ten page buttons shown, every caption's lines lie inside their
// button, below its page icon, and no two captions meet.
TEST_F(LargestWorldPaper, EveryPageButtonsCaptionFitsItsButtonBesideItsIcon) {
    CNewsScreen* page = nullptr;
    for (int days = 0; days < 80; ++days) {
        page = OpenPaper();
        ASSERT_NE(page, nullptr);
        if (page->GetPageList().size() == 10) break;
        game->RunDays(1);
    }
    ASSERT_EQ(page->GetPageList().size(), 10u);
    // The icon: the pictures' pixels that are not the key colour.
    auto iconBox = [](const char* path) {
        CXBitmap b;
        EXPECT_TRUE(b.Load(path)) << path;
        Rect box{};
        const platform::gfx::Surface& s = b.GetSurface();
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                if (s.Row(y)[x] != platform::gfx::kKeyPixel) box = box.Union(Rect{x, y, x + 1, y + 1});
        return box;
    };
    // Pressed, the text moves one pixel as the button does and the pressed
    // picture's icon lies one pixel lower still.
    const Rect single = iconBox("gfx\\newspaper\\new\\newsright.bmp")
                            .Union(iconBox("gfx\\newspaper\\new\\newsright1.bmp"))
                            .Union(iconBox("gfx\\newspaper\\new\\newsleft.bmp"))
                            .Union(iconBox("gfx\\newspaper\\new\\newsleft1.bmp"));
    const Rect spread =
        iconBox("gfx\\newspaper\\new\\newsdouble.bmp").Union(iconBox("gfx\\newspaper\\new\\newsdouble1.bmp"));
    ASSERT_FALSE(single.IsEmpty());
    ASSERT_FALSE(spread.IsEmpty());
    std::vector<std::pair<Rect, std::string>> captions;
    for (int i = 0; i < CNewsScreen::kPaperButtons; ++i) {
        CXButton& b = page->GetPageButton(i);
        ASSERT_TRUE(b.IsShownFlag()) << i;
        const Rect button = b.WindowRect();
        ASSERT_EQ(button.Width(), 60);
        ASSERT_EQ(button.Height(), 36);
        const Rect text = b.GetTextRect();
        ASSERT_FALSE(text.IsEmpty()) << b.Text();
        // The shadow draws one pixel further; the button's clip would hide
        // what passes its edge.
        EXPECT_TRUE(text.left >= 0 && text.top >= 0 && text.right + 1 <= 60 && text.bottom + 1 <= 36)
            << b.Text() << ": " << text.left << "," << text.top << "-" << text.right << "," << text.bottom;
        const Rect icon = i < 2 ? single : spread;
        EXPECT_TRUE(text.Intersect(icon).IsEmpty()) << b.Text() << " is drawn over its icon";
        captions.emplace_back(text.Offset(button.left, button.top), b.Text());
    }
    for (size_t i = 0; i < captions.size(); ++i)
        for (size_t j = i + 1; j < captions.size(); ++j)
            EXPECT_TRUE(captions[i].first.Offset(1, 1).Union(captions[i].first).Intersect(captions[j].first).IsEmpty())
                << captions[i].second << " meets " << captions[j].second;
}

// On a day of English cup ties the top division's spread lists them first,
// under their round's name, then the division's own matches under its name.
TEST_F(LargestWorldPaper, CupTiesComeFirstOnTheTopDivisionsSpread) {
    CCountry& england = *W().GetCountry(kLargestEngland);
    auto cupDay = [&] {
        CMatchTime previous = W().GetMatchTime();
        previous.PreviousMatchDay();
        for (int i = 0; i < england.GetCups().GetSize(); ++i)
            for (int slot : {W().GetMatchDay(), previous.GetMatchDay()})
                if (!england.GetCups().GetAt(i)->GetRoundNameForDay(slot).empty()) return true;
        return false;
    };
    int days = 0;
    for (; days < 200 && !cupDay(); ++days) game->RunDays(1);
    ASSERT_TRUE(cupDay()) << "no English cup day in " << days << " days";
    CNewsScreen* page = OpenPaper();
    ASSERT_NE(page, nullptr);
    const bool results = !page->GetResultRows(0, true).empty();
    const std::vector<NewspaperRow>& cup = results ? page->GetResultRows(0, true) : page->GetFixtureRows(0, true);
    ASSERT_FALSE(cup.empty()) << "the cup's ties were collected";
    EXPECT_FALSE(cup.front().heading.empty()) << "a round's name heads its ties";
    page->ShowPaperPage(1);
    // The list's rows, top to bottom, on the page of the collected kind.
    const int left = results ? 309 : 11;
    std::vector<std::pair<int, std::string>> rows;
    for (CXStatic* l : page->GetShownPaperLabels())
        if ((l->WindowRect().left == left || l->WindowRect().left == left + 145) && l->GetFont() &&
            l->GetFont()->Requested().face == "Courier New")
            rows.emplace_back(l->WindowRect().left * 1000 + l->WindowRect().top, l->GetText());
    std::sort(rows.begin(), rows.end());
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().second, cup.front().heading) << "the cup's round first";
    const std::string division = england.GetDivision(0)->GetName();
    const auto own = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.second == division; });
    if (!(results ? page->GetResultRows(0, false) : page->GetFixtureRows(0, false)).empty()) {
        ASSERT_NE(own, rows.end()) << "the division's own heading";
        EXPECT_GT(own - rows.begin(), static_cast<long>(0)) << "after the cup's ties";
    }
}

// A division whose last league day is played loses its "League Table"
// button; the paper keeps the others.
TEST_F(LargestWorldPaper, AFinishedLeagueLosesItsTableButton) {
    const CCountry& england = *W().GetCountry(kLargestEngland);
    const CDivision& top = *england.GetDivision(0);
    const CClub* first = W().GetClub(top.GetFirstClub());
    const int season = W().GetSeason();
    for (int days = 0; days < 400 && first->GetGamesPlayed() < LeagueDays(top) && W().GetSeason() == season; ++days)
        game->RunDays(1);
    ASSERT_EQ(first->GetGamesPlayed(), LeagueDays(top)) << "the top division's first club played its season";
    CNewsScreen* page = OpenPaper();
    ASSERT_NE(page, nullptr);
    const std::vector<int>& list = page->GetPageList();
    EXPECT_EQ(std::count(list.begin(), list.end(), 10), 0) << "no table spread for the finished league";
    EXPECT_FALSE(page->GetPageButton(20653 - CNewsScreen::kFrontPage).IsShownFlag());
    EXPECT_EQ(list.front(), 1);
    EXPECT_EQ(list.back(), 2);
}

}  // namespace
