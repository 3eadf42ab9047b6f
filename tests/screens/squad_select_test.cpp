// Team selection (page 4): the numbering completed at opening, shirts and
// names dragged with the real mouse, the holding area, the filters, the
// Formation tab, another club read-only, printing.
#include <cstdlib>
#include <filesystem>

#include "platform/stringtable.h"
#include "platform/window/print.h"
#include "screens/squad_fixture.h"
#include "screens/squadselectscreen.h"
#include "shell/view.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "ui/tree.h"

namespace squadtest {
namespace {

using Select = CSquadSelectScreen;

class TeamSelection : public SquadPages {
protected:
    // A squad of keepers, defenders, midfielders and attackers, in slots 0 up.
    std::vector<uint16_t> SignSquad(int players) {
        static const int kPositions[4] = {CSoccerPlayer::kGoalkeeper, CSoccerPlayer::kDefender,
                                          CSoccerPlayer::kMidfielder, CSoccerPlayer::kAttacker};
        std::vector<uint16_t> ids;
        for (int i = 0; i < players; ++i) {
            const int pos = i == 0 || i == 20 ? kPositions[0] : kPositions[1 + i % 3];
            ids.push_back(Sign(pos, "Squad" + std::to_string(i)));
        }
        return ids;
    }
    void ClearNumbers() {
        for (int s = 0; s < 30; ++s) User().SetSelection(s, 0);
    }
    std::array<uint8_t, 30> Numbers() {
        std::array<uint8_t, 30> n{};
        for (int s = 0; s < 30; ++s) n[size_t(s)] = User().GetSelection(s);
        return n;
    }
    Select* OpenSelect() {
        g_nScreenId = Select::kScreen;
        manager.SetScreen(new Select(), true, true, false, true, false);
        Drain();
        return SelectPage();
    }
    Select* SelectPage() { return dynamic_cast<Select*>(manager.GetCurrentPage()); }
    int NumberOf(uint16_t id) { return User().GetSelectedPlayer(Club().FindSlotOfPlayer(id)); }
    // The page row showing the player, and its centre in column `column`.
    int RowOf(uint16_t id) {
        const int slot = Club().FindSlotOfPlayer(id);
        const auto& rows = SelectPage()->GetRows();
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r].slot == slot) return static_cast<int>(r);
        return -1;
    }
    Point CellPoint(uint16_t id, int column) {
        const int row = RowOf(id) - SelectPage()->GetScrollBar().position;
        EXPECT_GE(row, 0);
        const int x = Select::kTableX + (column == 0 ? 11 : 60);
        return {x, Select::kTableTop + row * Select::kRowHeight + 11};
    }
    Point ToMain(Point p) { return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p)); }
    // A press, a few moves and a release with the real mouse, well apart
    // from the last press so no double click is made.
    // `shot`: a picture for people to look at, taken half-way.
    void Drag(Point from, Point to, const char* shot = nullptr) {
        backend->Press(ToMain(from), MouseButton::Left, 700);
        const Point mid{(from.x + to.x) / 2, (from.y + to.y) / 2};
        backend->MoveTo(ToMain(mid), 30);
        if (shot) backend->Call([this, shot] { Save(shot); }, 10);
        backend->MoveTo(ToMain(to), 30);
        backend->Release(ToMain(to), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
    }
    void ClickAt(Point p) {
        backend->Click(ToMain(p), MouseButton::Left, 700);
        testsupport::RunVirtualTime(*backend, main, 800);
    }
    // Pixels of table row `row` from x `left`, `width` wide, in the row's
    // text colour, leaving out those a picture drawn at x `overX` covers.
    int TextPixels(int row, int left, int width, const platform::gfx::Surface* over, int overX) {
        Select* page = SelectPage();
        const Select::Row& r = page->GetRows()[size_t(row)];
        const int top = Select::kTableTop + (row - page->GetScrollBar().position) * Select::kRowHeight;
        Point origin;
        Picture* pic = page->PaintPicture(&origin);
        if (!pic) return -1;
        int count = 0;
        for (int y = top; y < top + Select::kRowHeight; ++y)
            for (int x = left; x < left + width; ++x) {
                const int ox = x - overX, oy = y - top;
                if (over && ox >= 0 && oy >= 0 && ox < over->Width() && oy < over->Height() &&
                    over->Get(ox, oy) != platform::gfx::kKeyPixel)
                    continue;
                const platform::gfx::Pixel p = pic->Get(origin.x + x, origin.y + y);
                count += std::abs(platform::gfx::PixelR(p) - r.colour.red) < 40 &&
                         std::abs(platform::gfx::PixelG(p) - r.colour.green) < 40 &&
                         std::abs(platform::gfx::PixelB(p) - r.colour.blue) < 40;
            }
        return count;
    }
    static Point FilterPoint(int filter) { return {23 + 32, 144 + 37 * filter + 15}; }
};

TEST_F(TeamSelection, TheNumberingIsCompletedUpToTheBench) {
    struct Case {
        int substitutes;
        int highest;
    };
    const auto ids = SignSquad(20);
    Injure(ids[3]);
    for (const Case c : {Case{5, 16}, Case{3, 14}, Case{0, 11}}) {
        SCOPED_TRACE(c.substitutes);
        ClearNumbers();
        // A number above the bench that a player holds stays his.
        User().SetSelectedPlayer(Club().FindSlotOfPlayer(ids[19]), 20);
        Select::CompleteNumbering(Club(), User(), c.substitutes);
        std::vector<int> holders(21, 0);
        for (uint16_t id : ids) ++holders[size_t(NumberOf(id))];
        for (int n = 1; n <= c.highest; ++n) EXPECT_EQ(holders[size_t(n)], 1) << n;
        for (int n = c.highest + 1; n < 20; ++n) EXPECT_EQ(holders[size_t(n)], 0) << n;
        EXPECT_EQ(NumberOf(ids[19]), 20);
        EXPECT_EQ(NumberOf(ids[3]), 0) << "an injured player is given no number";
        // The slot order decides who gets the free numbers.
        EXPECT_EQ(NumberOf(ids[0]), 1);
        EXPECT_EQ(NumberOf(ids[4]), 4);
    }
}

TEST_F(TeamSelection, TheTableShowsThirteenColumnsSortedByNumber) {
    const auto ids = SignSquad(18);
    Injure(ids[2]);
    ClearNumbers();
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    ASSERT_FALSE(page->IsReadOnly());
    ASSERT_EQ(page->GetSubstitutes(), 5);
    const auto& rows = page->GetRows();
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(page->GetTable().columnCount, 13);
    EXPECT_EQ(page->GetTable().columns[12].header, "En.");
    EXPECT_EQ(page->GetTable().columnStart[12], 430);
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(rows[size_t(n - 1)].number, n);
    // Numberless players last, as "050"; the injured one greyed.
    EXPECT_EQ(rows[16].cells[0], "050");
    EXPECT_EQ(rows[17].cells[0], "050");
    const int injuredRow = RowOf(ids[2]);
    ASSERT_GE(injuredRow, 16);
    EXPECT_EQ(rows[size_t(injuredRow)].colour.red, 128);
    const CPlayer& keeper = *world.GetPlayer(ids[0]);
    EXPECT_EQ(rows[0].cells[1], keeper.GetName());
    EXPECT_EQ(rows[0].cells[3], std::to_string(keeper.Football().m_Handling));
    EXPECT_EQ(rows[0].cells[12], std::to_string(keeper.Football().m_Energy));
    EXPECT_EQ(rows[0].colour.green, 255);
    Save("team-selection");
}

// A held scroll arrow steps the table every 125 ms; letting go stops it.
TEST_F(TeamSelection, AHeldScrollArrowRepeatsUntilLetGo) {
    SignSquad(30);
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->GetScrollBar().Scrolls());
    const Point down = ToMain({557 + 10, 164 + 276 - 12});
    int held = -1, afterRelease = -1, later = -1;
    backend->Press(down, MouseButton::Left, 700);
    backend->Call([&] { held = page->GetScrollBar().position; }, 640);
    backend->Release(down, MouseButton::Left, 10);
    backend->Call([&] { afterRelease = page->GetScrollBar().position; }, 10);
    backend->Call([&] { later = page->GetScrollBar().position; }, 600);
    testsupport::RunVirtualTime(*backend, main, 3000);
    EXPECT_EQ(held, 1 + 5) << "the press and a step at 125, 250, 375, 500 and 625 ms";
    EXPECT_EQ(afterRelease, held);
    EXPECT_EQ(later, held) << "no step after the button is up";
}

TEST_F(TeamSelection, ExactlyTwelveRowsShowNoScrollBarAndThirteenDo) {
    SignSquad(12);
    Select* page = OpenSelect();
    EXPECT_FALSE(page->GetScrollBar().Scrolls());
    EXPECT_EQ(page->GetTable().visibleRows, 12);
    SignSquad(1);
    Drain();
    ClickAt(FilterPoint(1));
    ClickAt(FilterPoint(0));
    page = SelectPage();
    ASSERT_EQ(page->GetRows().size(), 13u);
    EXPECT_TRUE(page->GetScrollBar().Scrolls());
    // A click on the down arrow scrolls one row.
    ClickAt({557 + 10, 164 + 276 - 12});
    EXPECT_EQ(page->GetScrollBar().position, 1);
}

// While a shirt is dragged only the table's part of the page goes to the
// window: the title, the club's badge and the frame outside it stay.
TEST_F(TeamSelection, ADragRedrawsOnlyTheTablesPart) {
    const std::vector<uint16_t> ids = SignSquad(16);
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    const std::vector<Point> points = {
        {16, 101}, {589, 459}, {300, 300},  // the part's corners and middle
        {15, 200}, {590, 200}, {300, 100}, {300, 460},  // just outside it
        {40, 30}, {548, 55},  // the title and the badge
    };
    const std::vector<bool> painted =
        PaintedByADragMove(CellPoint(ids[1], 0), {300, 250}, {320, 260}, points);
    for (size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(painted[i], i < 3) << points[i].x << "," << points[i].y;
}

TEST_F(TeamSelection, AShirtDraggedOntoARowGivesItsNumber) {
    const auto ids = SignSquad(22);
    Injure(ids[21]);
    Select* page = OpenSelect();
    ClickAt(FilterPoint(2));  // the defenders: 4, 7, 10, 13, 16 and two reserves
    const uint16_t reserve = ids[18];
    ASSERT_EQ(NumberOf(ids[6]), 7);
    ASSERT_EQ(NumberOf(reserve), 0);
    Drag(CellPoint(ids[6], 0), CellPoint(reserve, 1));
    EXPECT_EQ(NumberOf(reserve), 7);
    EXPECT_EQ(NumberOf(ids[6]), 0);
    EXPECT_EQ(page->GetRows()[size_t(RowOf(reserve))].cells[0], "007");
    EXPECT_EQ(page->GetRows()[size_t(RowOf(ids[6]))].cells[0], "050");
    // Onto an injured player: nothing changes.
    Drag(CellPoint(reserve, 0), CellPoint(ids[21], 1));
    EXPECT_EQ(NumberOf(reserve), 7);
    EXPECT_EQ(NumberOf(ids[21]), 0);
    // Below the last row nothing is hit and nothing parked.
    Drag(CellPoint(reserve, 0), {200, Select::kTableTop + 9 * Select::kRowHeight + 5});
    EXPECT_EQ(NumberOf(reserve), 7);
    EXPECT_EQ(page->GetHeldNumber(), 0);
    EXPECT_EQ(page->GetDragKind(), Select::kDragNone);
}

TEST_F(TeamSelection, ANameDragMovesThePlayerAndKeepsTheNumbersInPlace) {
    const auto ids = SignSquad(20);
    const uint16_t starter = ids[4], reserve = ids[16], numbered = ids[7];
    Injure(starter);
    Select* page = OpenSelect();
    ClickAt(FilterPoint(3));  // the midfielders: 2, 5, 8, 11, 14 and reserves 16 and 19
    // The injured starter onto a numbered player is refused.
    Drag(CellPoint(starter, 1), CellPoint(numbered, 1));
    EXPECT_EQ(NumberOf(starter), 5);
    EXPECT_EQ(NumberOf(numbered), 8);
    // Onto a fit reserve: he takes the number, the injured man has none.
    const int starterRow = RowOf(starter);
    const int reserveRow = RowOf(reserve);
    Drag(CellPoint(starter, 1), CellPoint(reserve, 1), "team-selection-dragging");
    EXPECT_EQ(NumberOf(reserve), 5);
    EXPECT_EQ(NumberOf(starter), 0);
    // The rows keep their numbers; the players, their colours and slots moved.
    const auto& rows = page->GetRows();
    EXPECT_EQ(rows[size_t(starterRow)].cells[0], "005");
    EXPECT_EQ(rows[size_t(starterRow)].cells[1], world.GetPlayer(reserve)->GetName());
    EXPECT_EQ(rows[size_t(starterRow)].slot, Club().FindSlotOfPlayer(reserve));
    EXPECT_NE(rows[size_t(starterRow)].colour.red, 128);
    EXPECT_EQ(rows[size_t(reserveRow)].cells[1], world.GetPlayer(starter)->GetName());
    EXPECT_EQ(rows[size_t(reserveRow)].colour.red, 128);
    // A later drag from the moved row takes the player it shows.
    Drag(CellPoint(reserve, 1), CellPoint(ids[19], 1));
    EXPECT_EQ(NumberOf(ids[19]), 5);
    EXPECT_EQ(NumberOf(reserve), 0);
}

// A parked shirt is drawn in the holding area and no more on its row; back
// on its row, both look as they did.
TEST_F(TeamSelection, AParkedShirtIsDrawnInTheHoldingAreaNotOnItsRow) {
    const auto ids = SignSquad(20);
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    const uint16_t owner = ids[4];
    const auto pixels = [&](Point at) {
        Point origin;
        std::vector<platform::gfx::Pixel> v;
        if (Picture* pic = page->PaintPicture(&origin))
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 22; ++x) v.push_back(pic->Get(origin.x + at.x + x, origin.y + at.y + y));
        return v;
    };
    const Point held{Select::kHeldX, Select::kHeldY};
    const auto rowKit = [&] {
        const Point c = CellPoint(owner, 0);
        return Point{Select::kTableX + Select::kShirtInset, c.y - 11};
    };
    // The row chosen first, as the drop back onto it leaves it.
    Drag(CellPoint(owner, 1), CellPoint(owner, 1));
    const auto emptyArea = pixels(held), kitOnRow = pixels(rowKit());
    Drag(CellPoint(owner, 0), {48, 410});
    ASSERT_EQ(page->GetHeldNumber(), NumberOf(owner));
    EXPECT_NE(pixels(held), emptyArea) << "the shirt in the area";
    EXPECT_NE(pixels(rowKit()), kitOnRow) << "no shirt on its row";
    Drag({48, 410}, CellPoint(owner, 1));
    ASSERT_EQ(page->GetHeldNumber(), 0);
    EXPECT_EQ(pixels(held), emptyArea);
    EXPECT_EQ(pixels(rowKit()), kitOnRow);
}

// The number column shows a row's number once: on its shirt, with no
// digits of the number's text beside it or showing through around it. A
// parked shirt leaves the number written on its row.
TEST_F(TeamSelection, ARowsNumberIsItsShirtWithNoTextAroundIt) {
    const auto ids = SignSquad(20);
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    const auto textPixels = [&](int row) {
        const int shown = page->GetHeldNumber() == page->GetRows()[size_t(row)].number ? 0
                                                                                        : page->GetRows()[size_t(row)].number;
        return TextPixels(row, Select::kTableX, page->GetTable().columnStart[1], page->GetKit(shown),
                          Select::kTableX + Select::kShirtInset);
    };
    for (int row = 0; row < page->GetTable().visibleRows; ++row) {
        SCOPED_TRACE(row);
        ASSERT_NE(page->GetKit(page->GetRows()[size_t(row)].number), nullptr);
        EXPECT_EQ(textPixels(row), 0);
    }
    const uint16_t owner = ids[9];
    ASSERT_EQ(NumberOf(owner), 10);
    Drag(CellPoint(owner, 0), {48, 410});
    ASSERT_EQ(page->GetHeldNumber(), 10);
    EXPECT_GT(textPixels(RowOf(owner)), 10) << "the parked shirt's number written on its row";
}

// A name too long for its column is shortened to fit it, and on a row with
// an injury or suspension icon it stops short of the icon.
TEST_F(TeamSelection, ALongNameStopsShortOfItsRowsIcon) {
    const auto ids = SignSquad(12);
    world.GetPlayer(ids[3])->Person().SetSurname("Featherstonehaugh-Smythe");
    world.GetPlayer(ids[5])->Person().SetSurname("Vandenbroucke-Whitcombe");
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    const std::string whole = world.GetPlayer(ids[3])->GetName();
    const int column = page->GetTable().columnStart[2] - page->GetTable().columnStart[1];
    EXPECT_EQ(page->ShownName(RowOf(ids[0])), world.GetPlayer(ids[0])->GetName()) << "a name that fits, whole";
    const std::string fitted = page->ShownName(RowOf(ids[3]));
    EXPECT_EQ(fitted.back(), '.');
    EXPECT_LE(page->TextWidth(0, fitted), column - 10);
    EXPECT_EQ(page->ShownName(RowOf(ids[5])), "Vandenbroucke.") << "no dash left before the stop";
    world.GetPlayer(ids[3])->m_Suspension = 2;
    page = OpenSelect();
    const int row = RowOf(ids[3]);
    const platform::gfx::Surface* icon = page->GetRowIcon(row);
    ASSERT_NE(icon, nullptr);
    EXPECT_LT(page->ShownName(row).size(), fitted.size());
    EXPECT_EQ(page->GetRows()[size_t(row)].cells[1], whole) << "the table keeps the whole name";
    const auto& starts = page->GetTable().columnStart;
    const int iconX = Select::kTableX + starts[2] - Select::kIconWidth;
    EXPECT_EQ(TextPixels(row, iconX - 2, Select::kIconWidth + 2, icon, iconX), 0) << "no letters beside or under the icon";
    EXPECT_GT(TextPixels(row, Select::kTableX + starts[1], 40, nullptr, 0), 20) << "the name is there";
    EXPECT_GT(TextPixels(RowOf(ids[5]), iconX - 2, Select::kIconWidth + 2, nullptr, 0), 0)
        << "a long name without an icon runs on";
    Save("team-selection-long-names");
}

// A dragged name rides on an opaque plate as wide as the name, so it reads
// over the rows it crosses instead of mixing with their names.
TEST_F(TeamSelection, ADraggedNameIsDrawnOnAnOpaquePlateFittingTheName) {
    const auto ids = SignSquad(10);
    const uint16_t longName = Sign(CSoccerPlayer::kDefender, "Featherstonehaugh-Smythe");
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    struct Plate {
        int width = 0;
        int keyed = -1;
        int kind = 0;
    };
    // The plate as it is half-way through a drag that ends on its own row.
    const auto plateWhileDragging = [&](uint16_t id) {
        Plate plate;
        const Point from = CellPoint(id, 1), away{from.x, from.y < 300 ? from.y + 46 : from.y - 46};
        backend->Press(ToMain(from), MouseButton::Left, 700);
        backend->MoveTo(ToMain(away), 30);
        backend->Call(
            [&] {
                plate.kind = page->GetDragKind();
                const platform::gfx::Surface* s = page->GetNamePlate();
                if (!s) return;
                plate.width = s->Width();
                plate.keyed = 0;
                for (int y = 0; y < s->Height(); ++y)
                    for (int x = 0; x < s->Width(); ++x) plate.keyed += s->Get(x, y) == platform::gfx::kKeyPixel;
            },
            10);
        backend->MoveTo(ToMain(from), 30);
        backend->Release(ToMain(from), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
        return plate;
    };
    const Plate shortPlate = plateWhileDragging(ids[3]);
    EXPECT_EQ(shortPlate.kind, Select::kDragName);
    EXPECT_EQ(shortPlate.keyed, 0) << "nothing of the rows shows through";
    EXPECT_EQ(shortPlate.width, Select::kMinPlateWidth);
    const Plate longPlate = plateWhileDragging(longName);
    EXPECT_EQ(longPlate.kind, Select::kDragName);
    EXPECT_EQ(longPlate.keyed, 0);
    EXPECT_GT(longPlate.width, 100) << "the whole of a long name";
    EXPECT_LE(longPlate.width, Select::kMaxPlateWidth);
    EXPECT_EQ(NumberOf(ids[3]), 4) << "dropped back on its own row";
}

// Every pixel `picture` shows (its key left out) stands in the work
// picture with its corner at (x, y).
int MisplacedPixels(const platform::gfx::Surface& work, const platform::gfx::Surface& picture, int x, int y) {
    int wrong = 0;
    for (int j = 0; j < picture.Height(); ++j)
        for (int i = 0; i < picture.Width(); ++i)
            if (picture.Get(i, j) != platform::gfx::kKeyPixel && work.Get(x + i, y + j) != picture.Get(i, j)) ++wrong;
    return wrong;
}

// Where the page draws what it lays over its table: the dragged shirt with
// its corner 11 px up and left of the pointer, the name plate 30 px left
// and 11 px up, each row's injury or suspension icon 22 px left of column 2.
TEST_F(TeamSelection, TheDraggedShirtThePlateAndTheIconsStandAtTheirPlaces) {
    const auto ids = SignSquad(12);
    Injure(ids[2]);
    CInjury& injury = *world.GetInjuryList().GetAt(world.GetPlayer(ids[2])->m_Injury);
    injury.m_TimeLeft = 14;
    injury.m_Kind = 3;
    world.GetPlayer(ids[4])->m_Suspension = 3;
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    const auto& starts = page->GetTable().columnStart;
    for (uint16_t id : {ids[2], ids[4]}) {
        const int row = RowOf(id);
        const platform::gfx::Surface* icon = page->GetRowIcon(row);
        ASSERT_NE(icon, nullptr);
        const int x = Select::kTableX + starts[2] - Select::kIconWidth;
        const int y = Select::kTableTop + (row - page->GetScrollBar().position) * Select::kRowHeight;
        EXPECT_EQ(MisplacedPixels(*page->GetWork(), *icon, x, y), 0) << "row " << row;
        EXPECT_GT(MisplacedPixels(*page->GetWork(), *icon, x + 1, y), 0) << "the check sees a shift";
    }
    struct Case {
        const char* what;
        int column;  // 0 picks up the shirt, 1 the name
        int dx, dy;  // the picture's corner from the pointer
    };
    for (const Case& c : {Case{"shirt", 0, -11, -11}, Case{"name", 1, -30, -11}}) {
        SCOPED_TRACE(c.what);
        const Point from = CellPoint(ids[7], c.column);
        const Point at{from.x + 37, from.y + 50};
        int wrong = -1, shifted = -1, kind = 0;
        backend->Press(ToMain(from), MouseButton::Left, 700);
        backend->MoveTo(ToMain({from.x + 20, from.y + 25}), 30);
        backend->MoveTo(ToMain(at), 30);
        backend->Call(
            [&] {
                kind = page->GetDragKind();
                const platform::gfx::Surface* picture =
                    c.column == 0 ? page->GetKit(NumberOf(ids[7])) : page->GetNamePlate();
                if (!picture) return;
                wrong = MisplacedPixels(*page->GetWork(), *picture, at.x + c.dx, at.y + c.dy);
                shifted = MisplacedPixels(*page->GetWork(), *picture, at.x + c.dx + 1, at.y + c.dy + 1);
            },
            10);
        backend->MoveTo(ToMain(from), 30);
        backend->Release(ToMain(from), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
        EXPECT_EQ(kind, c.column == 0 ? Select::kDragShirt : Select::kDragName);
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(shifted, 0);
    }
}

TEST_F(TeamSelection, TheHoldingAreaKeepsAShirtAcrossTabsAndFilters) {
    const auto ids = SignSquad(20);
    Select* page = OpenSelect();
    const uint16_t owner = ids[4];
    ASSERT_EQ(NumberOf(owner), 5);
    Drag(CellPoint(owner, 0), {48, 410});
    EXPECT_EQ(page->GetHeldNumber(), 5);
    EXPECT_EQ(page->GetHeldSlot(), Club().FindSlotOfPlayer(owner));
    EXPECT_EQ(NumberOf(owner), 5) << "parking changes no number";
    // Back onto its own row: the area empties, nothing else changes.
    Drag({48, 410}, CellPoint(owner, 1));
    EXPECT_EQ(page->GetHeldNumber(), 0);
    EXPECT_EQ(NumberOf(owner), 5);

    Drag(CellPoint(owner, 0), {48, 410});
    ClickAt({400, 120});  // Formation
    EXPECT_EQ(page->GetTab(), 1);
    ClickAt({100, 120});  // Squad
    ClickAt(FilterPoint(2));  // Defenders
    EXPECT_EQ(page->GetFilter(), 2);
    for (const auto& row : page->GetRows())
        EXPECT_EQ(world.GetPlayer(Club().GetPlayerId(row.slot))->GetPosition(), CSoccerPlayer::kDefender);
    uint16_t freeDefender = 0;
    for (uint16_t id : ids)
        if (NumberOf(id) == 0 && world.GetPlayer(id)->GetPosition() == CSoccerPlayer::kDefender) freeDefender = id;
    ASSERT_NE(freeDefender, 0);
    Drag({48, 410}, CellPoint(freeDefender, 1));
    EXPECT_EQ(NumberOf(freeDefender), 5);
    EXPECT_EQ(NumberOf(owner), 0);
    EXPECT_EQ(page->GetHeldNumber(), 0);
}

TEST_F(TeamSelection, AParkedShirtFollowsANameDropOntoItsOwner) {
    const auto ids = SignSquad(18);
    Select* page = OpenSelect();
    ClickAt(FilterPoint(3));
    Drag(CellPoint(ids[4], 0), {48, 410});
    ASSERT_EQ(page->GetHeldNumber(), 5);
    // Number 5's player's name onto a reserve: the reserve wears 5 now.
    Drag(CellPoint(ids[4], 1), CellPoint(ids[16], 1));
    EXPECT_EQ(NumberOf(ids[16]), 5);
    EXPECT_EQ(page->GetHeldSlot(), Club().FindSlotOfPlayer(ids[16]));
    // Dropping it "back" on that player changes nothing.
    Drag({48, 410}, CellPoint(ids[16], 1));
    EXPECT_EQ(NumberOf(ids[16]), 5);
    EXPECT_EQ(page->GetHeldNumber(), 0);
}

TEST_F(TeamSelection, TheFormationTabPlacesTheElevenAndTheBench) {
    const auto ids = SignSquad(18);
    Select* page = OpenSelect();
    ClickAt({400, 120});
    ASSERT_EQ(page->GetTab(), 1);
    EXPECT_EQ(page->FormationPlace(1), (Point{138, 279}));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(page->FormationPlace(i + 2),
                  (Point{33 * Club().GetTacticPositionX(i) + 138, 32 * Club().GetTacticPositionY(i) + 151}));
    EXPECT_EQ(page->FormationPlace(12), (Point{54, 187}));
    EXPECT_EQ(page->FormationPlace(16), (Point{54, 347}));
    EXPECT_EQ(page->FormationName(1), world.GetPlayer(ids[0])->GetName());
    EXPECT_EQ(page->FormationName(7), world.GetPlayer(ids[6])->GetName());
    Save("team-selection-formation");
    // A number nobody wears has no name.
    User().SetSelection(Club().FindSlotOfPlayer(ids[6]), 0);
    EXPECT_EQ(page->FormationName(7), "");
}

// Names on the pitch keep to the room beside their neighbours (66 pixels
// apart in a row): a long one gives up its initials, then its last letters.
TEST_F(TeamSelection, TheFormationTabFitsLongNamesBesideTheirNeighbours) {
    const auto ids = SignSquad(16);
    world.GetPlayer(ids[0])->Person().SetSurname("Featherstonehaugh");
    world.GetPlayer(ids[2])->Person().SetSurname("Vandenbroucke-Smythe");
    world.GetPlayer(ids[13])->Person().SetSurname("Oyelaran-Whitcombe");
    Select* page = OpenSelect();
    ClickAt({400, 120});
    ASSERT_EQ(page->GetTab(), 1);
    for (int n = 1; n <= 11 + page->GetSubstitutes(); ++n) {
        SCOPED_TRACE(n);
        const std::string label = page->FormationLabel(n);
        const std::string name = page->FormationName(n);
        ASSERT_FALSE(label.empty());
        EXPECT_LE(page->TextWidth(1, label), n >= 12 ? Select::kBenchNameWidth : Select::kPitchNameWidth);
        if (page->TextWidth(1, name) <= (n >= 12 ? Select::kBenchNameWidth : Select::kPitchNameWidth))
            EXPECT_EQ(label, name) << "a name that fits is written whole";
        else
            EXPECT_NE(label, name);
    }
    EXPECT_EQ(page->FormationLabel(5), "Squad4");
    const std::string keeper = page->FormationLabel(1);
    EXPECT_EQ(keeper.back(), '.');
    EXPECT_EQ(keeper.substr(0, 6), "Feathe") << "the surname's start kept";
    Save("team-selection-formation-long-names");
}

TEST_F(TeamSelection, AnotherClubIsShownReadOnlyAndTheOwnClubEditableAgain) {
    SignSquad(14);
    CClub& other = *world.GetClub(1);
    for (int i = 0; i < 13; ++i) {
        const uint16_t id = AddPlayer(i == 0 ? CSoccerPlayer::kGoalkeeper : CSoccerPlayer::kMidfielder);
        ASSERT_TRUE(other.AddPlayerToSquad(id));
    }
    Select* page = OpenSelect();
    TreeNotice item;
    item.kind = kContextClub;
    item.data = reinterpret_cast<uintptr_t>(&other);
    page->OnTreeSelect(&item);
    EXPECT_EQ(page->GetClub(), &other);
    EXPECT_TRUE(page->IsReadOnly());
    const auto& rows = page->GetRows();
    ASSERT_EQ(static_cast<int>(rows.size()), other.CountFilledSlots());
    for (const auto& row : rows)
        for (int c = 3; c < 13; ++c) EXPECT_EQ(row.cells[size_t(c)], "-");
    // Numbers come from the slot order: 1..16 after the pick, none after.
    EXPECT_EQ(rows[0].cells[0], "001");
    EXPECT_EQ(rows[12].cells[0], "013");
    if (rows.size() > 16) {
        EXPECT_EQ(rows[16].cells[0], "050");
    }
    bool unknown = false;
    for (const auto& row : rows) unknown = unknown || row.cells[2] == "?";
    EXPECT_TRUE(unknown);
    // A drag does nothing here.
    const auto before = Numbers();
    Drag({Select::kTableX + 11, Select::kTableTop + 11}, {Select::kTableX + 60, Select::kTableTop + 11 + 23 * 11});
    EXPECT_EQ(Numbers(), before);

    item.data = reinterpret_cast<uintptr_t>(&Club());
    page->OnTreeSelect(&item);
    EXPECT_FALSE(page->IsReadOnly());
    EXPECT_EQ(page->GetRows()[0].cells[3], std::to_string(world.GetPlayer(Club().GetPlayerId(0))->Football().m_Handling));
}

// Chosen in the tree, a computer club picks its team again, as it does
// before a match; the club of another human manager keeps his order.
TEST_F(TeamSelection, AComputerClubShownPicksItsTeamAndAHumanClubKeepsItsOrder) {
    SignSquad(14);
    Select* page = OpenSelect();
    for (const bool human : {false, true}) {
        SCOPED_TRACE(human ? "another human manager's club" : "a computer club");
        CClub& other = *world.GetClub(human ? 2 : 1);
        // The keeper stands last, behind twelve midfielders.
        for (int i = 0; i < 13; ++i) {
            const uint16_t id = AddPlayer(i == 12 ? CSoccerPlayer::kGoalkeeper : CSoccerPlayer::kMidfielder);
            ASSERT_TRUE(other.AddPlayerToSquad(id));
        }
        if (human) {
            if (other.GetManager() < 0) {
                auto m = std::make_unique<CManager>();
                m->m_Person.Set("A", "Rival", 45, 1);
                m->SetClubIndex(world.GetClubList().GetIndex(&other));
                other.SetManagerIndex(world.GetManagerList().Add(std::move(m)));
            }
            MakeUser(other, 1);
            ASSERT_TRUE(other.IsHumanManaged());
        } else {
            ASSERT_FALSE(other.IsHumanManaged());
        }
        std::array<uint16_t, 30> before{};
        for (int s = 0; s < 30; ++s) before[size_t(s)] = other.GetPlayerId(s);
        TreeNotice item;
        item.kind = kContextClub;
        item.data = reinterpret_cast<uintptr_t>(&other);
        page->OnTreeSelect(&item);
        ASSERT_EQ(page->GetClub(), &other);
        EXPECT_TRUE(page->IsReadOnly());
        std::array<uint16_t, 30> after{};
        for (int s = 0; s < 30; ++s) after[size_t(s)] = other.GetPlayerId(s);
        if (human) {
            EXPECT_EQ(after, before);
        } else {
            EXPECT_EQ(world.GetPlayer(after[0])->GetPosition(), CSoccerPlayer::kGoalkeeper) << "the keeper picked";
        }
    }
}

TEST_F(TeamSelection, WithoutAClubThePageShowsNoDataAndChangesNothing) {
    SignSquad(12);
    const auto before = Numbers();
    CManager& boss = *User().GetManager();
    const int club = boss.GetClubIndex();
    boss.SetClubIndex(-1);  // out of work
    Select* page = OpenSelect();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetClub(), nullptr);
    EXPECT_TRUE(page->GetRows().empty());
    Drag({Select::kTableX + 11, Select::kTableTop + 11}, {Select::kTableX + 60, Select::kTableTop + 40});
    ClickAt(FilterPoint(2));
    EXPECT_EQ(page->GetFilter(), 0);
    boss.SetClubIndex(club);
    EXPECT_EQ(Numbers(), before);
}

TEST_F(TeamSelection, TheHoldingAreaAndHeadingsGiveToolTips) {
    SignSquad(12);
    Select* page = OpenSelect();
    backend->MoveTo(ToMain({45, 420}), 700);
    testsupport::RunVirtualTime(*backend, main, 2000);
    const SurfaceToolTip& tip = page->SurfaceWidgets().tip;
    EXPECT_EQ(tip.text, platform::LoadString(48100));
    EXPECT_TRUE(tip.shown);
    backend->MoveTo(ToMain({Select::kTableX + 180, 150}), 50);
    testsupport::RunVirtualTime(*backend, main, 2000);
    EXPECT_EQ(tip.text, "Handling");
}

TEST_F(TeamSelection, PrintingWritesTheHeadingsAndTheTable) {
    SignSquad(12);
    Select* page = OpenSelect();
    std::string title, club, date, manager;
    page->GetHeadings(title, club, date, manager);
    EXPECT_EQ(title, "Current Squad");
    EXPECT_EQ(club, Club().GetName());
    EXPECT_EQ(date, world.GetDateText());
    EXPECT_EQ(manager, Club().GetManagerNameOrNone());
    platform::win::PrintJob job("Team Selection");
    platform::gfx::Canvas& dc = job.StartPage();
    dc.SetMapMode(platform::gfx::MapMode::Anisotropic);
    page->Print(&dc, nullptr);
    job.EndPage();
    const platform::gfx::Surface& printed = job.Page(0);
    int dark = 0;
    for (int y = 0; y < printed.Height(); ++y)
        for (int x = 0; x < printed.Width(); ++x) dark += platform::gfx::PixelR(printed.Get(x, y)) < 100;
    EXPECT_GT(dark, 500);
}

}  // namespace
}  // namespace squadtest
