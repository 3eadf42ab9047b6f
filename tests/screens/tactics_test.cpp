// The tactics editor (page 26): the formation list, markers dragged on the
// pitch grid, run directions, individual instructions, renaming; and the
// team tactics page's buttons, checkboxes and set-piece roles. Driven with
// the real mouse and keys.
#include <map>

#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "screens/playerscreen.h"
#include "screens/squad_fixture.h"
#include "screens/tactscreen.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"

namespace squadtest {
namespace {

using Tact = CTactScreen;

class TacticsEditor : public SquadPages {
protected:
    void SetUp() override {
        SquadPages::SetUp();
        for (int i = 0; i < 16; ++i)
            ids.push_back(Sign(i == 0 ? CSoccerPlayer::kGoalkeeper : CSoccerPlayer::kMidfielder,
                               "Tact" + std::to_string(i)));
    }
    // Opens the editor with formation `formation` current.
    Tact* OpenTact(int formation = 0) {
        User().SetCurrentTactic(static_cast<uint8_t>(formation));
        Club().SetTacticIndex(static_cast<uint8_t>(formation));
        g_nScreenId = Tact::kScreen;
        manager.SetScreen(new Tact(), true, true, false, true, false);
        Drain();
        return TactPage();
    }
    Tact* TactPage() { return dynamic_cast<Tact*>(manager.GetCurrentPage()); }
    CSoccerTactic& Formation(int i) { return *User().GetTactic(static_cast<uint8_t>(i)); }
    Point ToMain(Point p) { return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p)); }
    static Point CellCentre(int x, int y) { return {282 + 22 * x + 11, 141 + 22 * y + 11}; }
    void ClickAt(Point p, bool dbl = false) {
        backend->Click(ToMain(p), MouseButton::Left, 700);
        if (dbl) backend->Click(ToMain(p), MouseButton::Left, 40);
        testsupport::RunVirtualTime(*backend, main, 800);
    }
    // `shot`: a picture for people to look at, taken half-way.
    void Drag(Point from, Point to, const char* shot = nullptr) {
        backend->Press(ToMain(from), MouseButton::Left, 700);
        backend->MoveTo(ToMain({(from.x + to.x) / 2, (from.y + to.y) / 2}), 30);
        if (shot) backend->Call([this, shot] { Save(shot); }, 10);
        backend->MoveTo(ToMain(to), 30);
        backend->Release(ToMain(to), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1000);
    }
    void ClickDirection(int bit) {
        static const Point kButtons[8] = {{501, 381}, {529, 381}, {556, 381}, {501, 408},
                                          {556, 408}, {501, 435}, {529, 435}, {556, 435}};
        int d = 0;
        while ((1 << d) != bit) ++d;
        ClickAt({kButtons[d].x + 5, kButtons[d].y + 5});
    }
    Point Cell(int formation, int player) {
        return {Formation(formation).m_Depth[size_t(player)], Formation(formation).m_Width[size_t(player)]};
    }
    int Moves(int formation, int player) { return Formation(formation).m_Roles.GetAt(player); }
    static Point TeamButton(int group, int k) { return {282 + 59 * k + 28, 141 + 39 * group + 18}; }
    static Point PlayerButton(int group, int k) { return {277 + 36 * k + 14, 394 + 21 * group + 8}; }

    std::vector<uint16_t> ids;
};

TEST_F(TacticsEditor, TheListShowsEveryFormationWithItsFamiliarity) {
    Tact* page = OpenTact(3);
    ASSERT_NE(page, nullptr);
    const SurfaceTable& list = page->GetList();
    ASSERT_EQ(list.rowCount, 30);
    EXPECT_EQ(list.cells[0][0].text, std::string(Formation(0).m_Name));
    EXPECT_EQ(list.cells[12][1].text, std::to_string(Formation(12).m_Familiarity));
    EXPECT_EQ(list.cells[12][0].normal.red, SurfaceCellColour(2).red);
    EXPECT_EQ(list.cells[2][0].normal.green, SurfaceCellColour(0).green);
    EXPECT_TRUE(list.selected[3]);
    // Number 2 is selected at the start; his name and role show.
    EXPECT_EQ(page->GetSelectedPlayer(), 0);
    EXPECT_EQ(page->GetSelectedName(), world.GetPlayer(ids[1])->GetName());
    const Point c = Cell(3, 0);
    EXPECT_EQ(page->GetSelectedRole(), page->RoleName(c.x, c.y));
    Save("tactics-formation");
}

TEST_F(TacticsEditor, RolesComeFromTheCellTable) {
    Tact* page = OpenTact();
    struct Case {
        int x, y;
        const char* role;
    };
    for (const Case c : {Case{12, 4, "Striker"}, Case{4, 0, "Left Defensive Midfielder"}, Case{0, 4, "Goalkeeper"},
                         Case{6, 8, "Right Midfielder"}, Case{2, 3, "Central Defender"}})
        EXPECT_EQ(page->RoleName(c.x, c.y), c.role) << c.x << "," << c.y;
    // Nobody wears number 5: the name line says so.
    for (int slot = 0; slot < 30; ++slot)
        if (User().GetSelection(slot) == 5) User().SetSelection(slot, 0);
    ClickAt(CellCentre(Cell(0, 3).x, Cell(0, 3).y));
    EXPECT_EQ(page->GetSelectedPlayer(), 3);
    EXPECT_EQ(page->GetSelectedName(), platform::LoadString(48114));
}

TEST_F(TacticsEditor, ABuiltInMarkerIsSelectedButNeverMoved) {
    Tact* page = OpenTact(0);
    const Point before = Cell(0, 5);
    Drag(CellCentre(before.x, before.y), CellCentre(12, 0));
    EXPECT_EQ(page->GetSelectedPlayer(), 5);
    EXPECT_EQ(Cell(0, 5), before);
    EXPECT_FALSE(page->IsDragging());
}

// While a marker is dragged only the pitch goes to the window: the list,
// the buttons and the tabs are left as they are.
TEST_F(TacticsEditor, ADragRedrawsOnlyThePitch) {
    Tact* page = OpenTact(10);
    ASSERT_NE(page, nullptr);
    const std::vector<Point> points = {
        {270, 134}, {576, 348}, {420, 240},  // the pitch's corners and middle
        {269, 200}, {577, 200}, {420, 133}, {420, 349},  // just outside it
        {100, 250}, {400, 120}, {300, 420},  // the list, the tabs, the buttons
    };
    const std::vector<bool> painted = PaintedByADragMove(CellCentre(6, 2), CellCentre(7, 1), CellCentre(8, 0), points);
    for (size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(painted[i], i < 3) << points[i].x << "," << points[i].y;
}

TEST_F(TacticsEditor, ACustomMarkerMovesOnlyToAFreeCell) {
    Tact* page = OpenTact(10);
    // The custom layout: 0 (2,0), 1 (2,2), 2 (2,4), 5 (6,2), 8 (10,3), 9 (10,5).
    ASSERT_EQ(Cell(10, 5), (Point{6, 2}));
    Formation(10).m_Familiarity = 55;
    Formation(10).m_Tenths = 7;
    // Its own cell: nothing is written, the familiarity stays.
    Drag(CellCentre(6, 2), CellCentre(6, 2));
    EXPECT_EQ(Formation(10).m_Familiarity, 55);
    EXPECT_EQ(Formation(10).m_Tenths, 7);
    struct Refused {
        int player, x, y;
        const char* why;
    };
    for (const Refused r : {Refused{2, 1, 4, "the keeper's cell"}, Refused{2, 0, 3, "the keeper's zone"},
                            Refused{5, 9, 4, "touching two players"}, Refused{5, 3, 1, "diagonal to a player"},
                            Refused{5, 6, 4, "on a player"}}) {
        const Point from = Cell(10, r.player);
        Drag(CellCentre(from.x, from.y), CellCentre(r.x, r.y));
        EXPECT_EQ(Cell(10, r.player), from) << r.why;
    }
    EXPECT_EQ(Formation(10).m_Familiarity, 55);
    Drag(CellCentre(6, 2), CellCentre(8, 0), "tactics-dragging");
    EXPECT_EQ(Cell(10, 5), (Point{8, 0}));
    // A real move recomputes the formation's familiarity and the list's rating.
    CSoccerTacticList copy;
    for (int i = 0; i < 30; ++i) *copy.GetAt(i) = Formation(i);
    copy.RecomputeFamiliarity(10);
    EXPECT_EQ(Formation(10).m_Familiarity, copy.GetAt(10)->m_Familiarity);
    EXPECT_EQ(page->GetList().cells[10][1].text, Formation(10).GetFamiliarityText());
    // Dragged beyond the pitch it ends in the last column and row.
    Drag(CellCentre(10, 5), {760, 520});
    EXPECT_EQ(Cell(10, 9), (Point{12, 8}));
    Save("tactics-moved");
}

TEST_F(TacticsEditor, DirectionsKeepTheLastTwoAndStayOnThePitch) {
    Tact* page = OpenTact(10);
    ClickAt(CellCentre(6, 2));  // player 5
    ASSERT_EQ(page->GetSelectedPlayer(), 5);
    ClickDirection(2);    // up
    ClickDirection(16);   // forward
    EXPECT_EQ(Moves(10, 5), 2 | 16);
    ClickDirection(8);    // back: the oldest goes
    EXPECT_EQ(Moves(10, 5), 16 | 8);
    EXPECT_EQ(page->GetFirstDirection(5), 16);
    EXPECT_EQ(page->GetSecondDirection(5), 8);
    ClickDirection(16);   // again: removed
    EXPECT_EQ(Moves(10, 5), 8);

    // Player 0 in (2, 0): no "up" directions; moved into column 0 he loses "back".
    ClickAt(CellCentre(2, 0));
    ASSERT_EQ(page->GetSelectedPlayer(), 0);
    ClickDirection(1);
    EXPECT_EQ(Moves(10, 0), 0) << "up-left leaves the pitch";
    ClickDirection(8);
    ClickDirection(16);
    ASSERT_EQ(Moves(10, 0), 8 | 16);
    Drag(CellCentre(2, 0), CellCentre(0, 0));
    ASSERT_EQ(Cell(10, 0), (Point{0, 0}));
    EXPECT_EQ(Moves(10, 0), 16);
    // A masked direction changes nothing, not even the older one.
    ClickDirection(32);
    ClickDirection(64);
    EXPECT_EQ(Moves(10, 0), 16 | 64);
    ClickDirection(8);
    EXPECT_EQ(Moves(10, 0), 16 | 64);
}

// Every pixel `picture` shows (its key left out) stands in the work
// picture with its corner at (x, y).
int MisplacedPixels(const platform::gfx::Surface& work, const platform::gfx::Surface* picture, int x, int y) {
    if (!picture) return -1;
    int wrong = 0;
    for (int j = 0; j < picture->Height(); ++j)
        for (int i = 0; i < picture->Width(); ++i)
            if (picture->Get(i, j) != platform::gfx::kKeyPixel && work.Get(x + i, y + j) != picture->Get(i, j)) ++wrong;
    return wrong;
}

// The selected marker wears its ring and its run arrows at their offsets;
// dragged over another marker it is drawn on top of it, ring and all.
TEST_F(TacticsEditor, TheSelectedMarkerIsDrawnOnTopWithItsRingAndArrows) {
    Tact* page = OpenTact(10);
    ClickAt(CellCentre(6, 2));  // player 5
    ASSERT_EQ(page->GetSelectedPlayer(), 5);
    const Point at = page->MarkerPlace(5);
    const platform::gfx::Surface& work = *page->GetWork();
    EXPECT_EQ(MisplacedPixels(work, page->GetOutline(), at.x, at.y), 0);
    EXPECT_GT(MisplacedPixels(work, page->GetOutline(), at.x + 1, at.y), 0) << "the check sees a shift";

    // Held over player 8's marker at (10, 3).
    const Point over = CellCentre(10, 3);
    int kitWrong = -1, ringWrong = -1;
    backend->Press(ToMain(CellCentre(6, 2)), MouseButton::Left, 700);
    backend->MoveTo(ToMain({(CellCentre(6, 2).x + over.x) / 2, over.y}), 30);
    backend->MoveTo(ToMain(over), 30);
    backend->Call(
        [&] {
            const platform::gfx::Surface& w = *page->GetWork();
            // The ring covers the kit's edge; inside it the kit shows.
            const platform::gfx::Surface* ring = page->GetOutline();
            const platform::gfx::Surface* kit = page->GetMarkerKit(5);
            kitWrong = 0;
            for (int j = 0; kit && ring && j < kit->Height(); ++j)
                for (int i = 0; i < kit->Width(); ++i)
                    if (kit->Get(i, j) != platform::gfx::kKeyPixel && ring->Get(i, j) == platform::gfx::kKeyPixel &&
                        w.Get(over.x - 11 + i, over.y - 11 + j) != kit->Get(i, j))
                        ++kitWrong;
            ringWrong = MisplacedPixels(w, ring, over.x - 11, over.y - 11);
        },
        10);
    backend->MoveTo(ToMain(CellCentre(6, 2)), 30);
    backend->Release(ToMain(CellCentre(6, 2)), MouseButton::Left, 30);
    testsupport::RunVirtualTime(*backend, main, 1000);
    EXPECT_EQ(kitWrong, 0) << "no pixel of player 8 shows through";
    EXPECT_EQ(ringWrong, 0);
    EXPECT_EQ(Cell(10, 5), (Point{6, 2})) << "back on its own cell";

    // The arrows go over the ring.
    ClickDirection(2);   // up: arrow 1 at (6, -10)
    ClickDirection(16);  // forward: arrow 4 at (20, 6)
    EXPECT_EQ(MisplacedPixels(*page->GetWork(), page->GetArrow(1), at.x + 6, at.y - 10), 0);
    EXPECT_EQ(MisplacedPixels(*page->GetWork(), page->GetArrow(4), at.x + 20, at.y + 6), 0);
    EXPECT_GT(MisplacedPixels(*page->GetWork(), page->GetArrow(4), at.x + 21, at.y + 6), 0);
}

// The goalkeeper's kit, built from the fixed bytes with pattern 0, is a
// plain green shirt: one green covers most of it, with no second colour
// in stripes or hoops.
TEST_F(TacticsEditor, TheGoalkeepersKitIsAPlainGreenShirt) {
    Tact* page = OpenTact(0);
    const platform::gfx::Surface* kit = page->GetKeeperKit();
    ASSERT_NE(kit, nullptr);
    std::map<platform::gfx::Pixel, int> counts;
    int shown = 0;
    for (int y = 0; y < kit->Height(); ++y)
        for (int x = 0; x < kit->Width(); ++x)
            if (const platform::gfx::Pixel p = kit->Get(x, y); p != platform::gfx::kKeyPixel) {
                ++counts[p];
                ++shown;
            }
    ASSERT_GT(shown, 100);
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second) most = it;
    const int r = platform::gfx::PixelR(most->first), g = platform::gfx::PixelG(most->first),
              b = platform::gfx::PixelB(most->first);
    EXPECT_GT(g, r + 50);
    EXPECT_GT(g, b + 50);
    EXPECT_GT(most->second * 2, shown) << "one plain colour over most of the kit";
    // Any other strong colour would be a pattern.
    for (const auto& [p, n] : counts) {
        const int pr = platform::gfx::PixelR(p), pg = platform::gfx::PixelG(p), pb = platform::gfx::PixelB(p);
        const bool greenish = pg >= pr && pg >= pb, greyish = std::abs(pr - pg) < 40 && std::abs(pg - pb) < 40;
        EXPECT_TRUE(greenish || greyish) << std::hex << p << " x" << std::dec << n;
    }
}

TEST_F(TacticsEditor, IndividualButtonsWriteTheSelectedPlayersInstructions) {
    Tact* page = OpenTact(10);
    ClickAt(CellCentre(6, 4));  // player 6
    ASSERT_EQ(page->GetSelectedPlayer(), 6);
    ClickAt(PlayerButton(0, 3));  // "Medium aggression"
    ClickAt(PlayerButton(1, 5));  // "Longest passing style"
    ClickAt(PlayerButton(2, 1));  // "Defensive bias"
    EXPECT_EQ(User().m_Instructions[Tact::kAggression][10][6], 3);
    EXPECT_EQ(User().m_Instructions[Tact::kPassing][10][6], 5);
    EXPECT_EQ(User().m_Instructions[Tact::kBias][10][6], 1);
    EXPECT_EQ(page->GetPlayerButton(2 + 3).state, 1);
    EXPECT_EQ(page->GetPlayerButton(2).state, 0);
    // Another player shows his own values; a damaged value reads as the team's.
    User().m_Instructions[Tact::kAggression][10][5] = 9;
    ClickAt(CellCentre(6, 2));
    EXPECT_EQ(page->GetPlayerButton(2).state, 1);
    EXPECT_EQ(page->GetPlayerButton(2 + 3).state, 0);
    EXPECT_EQ(page->GetPlayerButton(8 + 5).state, 0);
    // Choosing another formation in the list shows its values.
    User().m_Instructions[Tact::kPassing][11][5] = 4;
    ClickAt({100, 163 + 23 * 1 + 11});  // row 11 under the top row 10
    EXPECT_EQ(User().GetCurrentTactic(), 11);
    EXPECT_EQ(Club().GetTacticIndex(), 11);
    EXPECT_EQ(page->GetPlayerButton(8 + 4).state, 1);
}

TEST_F(TacticsEditor, OnlyACustomNameIsEditedAndReturnRenamesIt) {
    Tact* page = OpenTact(8);
    ClickAt({100, 163 + 11}, true);  // "3-5-2" or the like: built in
    EXPECT_FALSE(page->IsEditingName());
    ClickAt({100, 163 + 23 * 2 + 11}, true);  // row 10, "Custom 1"
    ASSERT_TRUE(page->IsEditingName());
    backend->Key(VK_END, 5);
    for (int i = 0; i < 16; ++i) backend->Key(VK_BACK, 5);
    testsupport::RunVirtualTime(*backend, main, 500);
    EXPECT_EQ(page->SurfaceWidgets().edit.text, "");
    backend->Type("ABCDEFGHIJKLMNOPQ", 5);
    testsupport::RunVirtualTime(*backend, main, 1000);
    EXPECT_EQ(page->SurfaceWidgets().edit.text, "ABCDEFGHIJKLMNOP") << "the 17th character is refused";
    backend->Key(VK_RETURN, 5);
    testsupport::RunVirtualTime(*backend, main, 500);
    EXPECT_FALSE(page->IsEditingName());
    EXPECT_EQ(std::string(Formation(10).m_Name), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(page->GetList().cells[10][0].text, "ABCDEFGHIJKLMNOP");
}

TEST_F(TacticsEditor, ADoubleClickOpensWhoeverWearsTheMarkersNumber) {
    OpenTact(10);
    // Number 3 given to the last player of the squad.
    User().SetSelectedPlayer(15, 3);
    ClickAt(CellCentre(2, 2), true);  // player 1 wears number 3
    auto* person = dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(g_nScreenId, 60);
    EXPECT_EQ(person->m_pSubject, world.GetPlayer(ids[15]));
}

TEST_F(TacticsEditor, TheGoalkeeperOpensNumberOne) {
    OpenTact(0);
    ClickAt({282 + 11, 229 + 11}, true);
    auto* person = dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->m_pSubject, world.GetPlayer(ids[0]));
}

TEST_F(TacticsEditor, TeamButtonsShowAndStoreTheFormationsInstructions) {
    Formation(10).m_Aggression = 3;
    Formation(10).m_Instructions[1] = 9;  // passing
    Formation(10).m_Instructions[0] = 0;  // bias
    Tact* page = OpenTact(10);
    ClickAt({400, 120});
    ASSERT_EQ(page->GetTab(), 1);
    EXPECT_EQ(page->GetTeamButton(1).state, 1) << "3 shows Low medium aggression";
    EXPECT_EQ(page->GetTeamButton(9).state, 1) << "passing 9";
    EXPECT_EQ(page->GetTeamButton(10).state, 1) << "bias 0";
    ClickAt(TeamButton(0, 2));
    EXPECT_EQ(Formation(10).m_Aggression, 5);
    ClickAt(TeamButton(2, 4));
    EXPECT_EQ(Formation(10).m_Instructions[0], 9);
    // Still pressed after a visit to the other page.
    ClickAt({100, 120});
    ClickAt(CellCentre(6, 4));
    ClickAt({400, 120});
    EXPECT_EQ(page->GetTeamButton(2).state, 1);
    EXPECT_EQ(page->GetTeamButton(1).state, 0);
    EXPECT_EQ(page->GetTeamButton(14).state, 1);
    // The offside trap twice gives the stored value back.
    ClickAt({559 + 8, 263 + 8});
    EXPECT_EQ(Formation(10).m_Instructions[2], 1);
    EXPECT_EQ(page->GetTeamButton(15).state, 1);
    ClickAt({559 + 8, 263 + 8});
    EXPECT_EQ(Formation(10).m_Instructions[2], 0);
    EXPECT_EQ(page->GetTeamButton(15).state, 0);
    ClickAt({559 + 8, 286 + 8});
    EXPECT_EQ(Formation(10).m_Instructions[3], 1);
    Save("tactics-team");
}

TEST_F(TacticsEditor, SetPieceRolesTakeTheColumnsNumber) {
    Tact* page = OpenTact(0);
    ClickAt({400, 120});
    ASSERT_EQ(page->GetTab(), 1);
    const Point keeperLeftCorner = Tact::SetPieceCell(Tact::kLeftCorner, 0);
    const int before = User().m_TacticSliders[Tact::kLeftCorner];
    ClickAt({keeperLeftCorner.x + 11, keeperLeftCorner.y + 11});
    EXPECT_EQ(User().m_TacticSliders[Tact::kLeftCorner], before) << "the keeper takes no corners";
    const Point keeperCaptain = Tact::SetPieceCell(Tact::kCaptain, 0);
    ClickAt({keeperCaptain.x + 11, keeperCaptain.y + 11});
    EXPECT_EQ(User().m_TacticSliders[Tact::kCaptain], 1);
    const Point four = Tact::SetPieceCell(Tact::kRightCorner, 3);
    ClickAt({four.x + 11, four.y + 11});
    EXPECT_EQ(User().m_TacticSliders[Tact::kRightCorner], 4);
}

// The tick of a set-piece row stands on the kit of the number chosen, and
// the grid's tips name the player who wears the column's number.
TEST_F(TacticsEditor, TheSetPieceGridTicksItsChoicesAndNamesItsPlayers) {
    Tact* page = OpenTact(0);
    ClickAt({400, 120});
    ASSERT_EQ(page->GetTab(), 1);
    const auto cellPixels = [&](int row, int column) {
        const Point c = Tact::SetPieceCell(row, column);
        Point origin;
        std::vector<platform::gfx::Pixel> pixels;
        if (Picture* pic = page->PaintPicture(&origin))
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 22; ++x) pixels.push_back(pic->Get(origin.x + c.x + x, origin.y + c.y + y));
        return pixels;
    };
    const auto pressCell = [&](int row, int column) {
        const Point c = Tact::SetPieceCell(row, column);
        ClickAt({c.x + 11, c.y + 11});
    };
    for (int row : {int(Tact::kCaptain), int(Tact::kDefensiveFreeKick)}) {
        SCOPED_TRACE(row);
        pressCell(row, 3);  // number 4
        ASSERT_EQ(User().m_TacticSliders[size_t(row)], 4);
        std::vector<std::vector<platform::gfx::Pixel>> before;
        for (int n = 0; n <= 10; ++n) before.push_back(cellPixels(row, n));
        pressCell(row, 6);  // number 7
        ASSERT_EQ(User().m_TacticSliders[size_t(row)], 7);
        for (int n = row == 0 ? 0 : 1; n <= 10; ++n)
            EXPECT_EQ(cellPixels(row, n) != before[size_t(n)], n == 3 || n == 6) << "column " << n;
    }

    const auto tipAt = [&](int row, int column) {
        backend->MoveTo(ToMain({100, 440}), 700);
        testsupport::RunVirtualTime(*backend, main, 500);
        const Point c = Tact::SetPieceCell(row, column);
        backend->MoveTo(ToMain({c.x + 11, c.y + 11}), 30);
        testsupport::RunVirtualTime(*backend, main, 2500);
        return page->SurfaceWidgets().tip.shown ? page->SurfaceWidgets().tip.text : std::string("(none)");
    };
    const auto wearer = [&](int number) {
        for (int s = 0; s < 30; ++s)
            if (Club().PlayerInSlot(s) && User().GetSelectedPlayer(s) == number)
                return Club().PlayerInSlot(s)->GetName();
        return std::string("(nobody)");
    };
    EXPECT_EQ(tipAt(Tact::kCaptain, 0), wearer(1)) << "the keeper's column of the captain's row";
    EXPECT_EQ(tipAt(Tact::kRightCorner, 8), wearer(9));
    EXPECT_EQ(tipAt(Tact::kLeftCorner, 0), "(none)") << "the keeper takes no corners";
}

// A held arrow of the formation list's bar steps it every 125 ms until the
// button is let go.
TEST_F(TacticsEditor, AHeldListArrowRepeatsUntilLetGo) {
    Tact* page = OpenTact(0);
    ASSERT_NE(page, nullptr);
    const Point down = ToMain({251 + 10, 165 + 184 - 12});
    int held = -1, later = -1;
    backend->Press(down, MouseButton::Left, 700);
    backend->Call([&] { held = page->GetScrollBar().position; }, 390);
    backend->Release(down, MouseButton::Left, 10);
    backend->Call([&] { later = page->GetScrollBar().position; }, 600);
    testsupport::RunVirtualTime(*backend, main, 3000);
    EXPECT_EQ(held, 1 + 3) << "the press and a step at 125, 250 and 375 ms";
    EXPECT_EQ(later, held);
}

TEST_F(TacticsEditor, WithoutAClubNoPressChangesAnything) {
    CManager& boss = *User().GetManager();
    const int club = boss.GetClubIndex();
    boss.SetClubIndex(-1);
    Tact* page = OpenTact(10);
    ASSERT_EQ(page->GetClub(), nullptr);
    const CSoccerTactic before = Formation(10);
    ClickAt({400, 120});
    EXPECT_EQ(page->GetTab(), 0);
    Drag(CellCentre(6, 2), CellCentre(8, 0));
    ClickAt(TeamButton(0, 4));
    boss.SetClubIndex(club);
    EXPECT_EQ(Formation(10).m_Depth, before.m_Depth);
    EXPECT_EQ(Formation(10).m_Aggression, before.m_Aggression);
}

}  // namespace
}  // namespace squadtest

namespace squadtest {
namespace {

// The words the buttons' tips give, by group: aggression, passing style,
// bias; the first says "use the team's", the rest rise from lowest.
const char* const kTactTipWords[3][6] = {
    {"Use team aggression", "Lowest aggression", "Low medium aggression", "Medium aggression",
     "Medium high aggression", "Highest aggression"},
    {"Use team passing style", "Shortest passing style", "Short medium passing style", "Medium passing style",
     "Medium long passing style", "Longest passing style"},
    {"Use team attack/defence bias", "Defensive bias", "Some defensive bias", "Equal bias", "Some attacking bias",
     "Attacking bias"},
};

// A team setting's word: 0 the lowest, 1-3, 4-6, 7-8 and 9 the highest.
const char* TactTeamWord(int group, int value) {
    const int step = value <= 0 ? 0 : value <= 3 ? 1 : value <= 6 ? 2 : value <= 8 ? 3 : 4;
    return kTactTipWords[group][step + 1];
}

// After every press, the one button of each group that shows pressed is the
// one whose tip names the value stored, and its tip is what the pointer
// brings up over it.
TEST_F(TacticsEditor, EachPressedButtonIsTheOneWhoseTipNamesTheStoredValue) {
    Tact* page = OpenTact(10);
    CSoccerTactic& t = Formation(10);
    // The individual buttons of the selected player (number 3's marker).
    static constexpr int kTables[3] = {0, 2, 1};  // aggression, passing, bias
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(testing::Message() << "player group " << g << " button " << k);
            ClickAt(PlayerButton(g, k));
            const int stored = User().m_Instructions[size_t(kTables[g])][10][size_t(page->GetSelectedPlayer())];
            ASSERT_GE(stored, 0);
            ASSERT_LE(stored, 5);
            for (int b = 0; b < 6; ++b) {
                const SurfaceButton& button = page->GetPlayerButton(2 + 6 * g + b);
                EXPECT_EQ(button.state == 1, button.tip == kTactTipWords[g][stored]) << b;
            }
        }
    ClickAt({400, 120});
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(testing::Message() << "team group " << g << " button " << k);
            ClickAt(TeamButton(g, k));
            const int stored = g == 0 ? t.m_Aggression : t.m_Instructions[g == 1 ? 1 : 0];
            for (int b = 0; b < 5; ++b) {
                const SurfaceButton& button = page->GetTeamButton(5 * g + b);
                EXPECT_EQ(button.state == 1, button.tip == TactTeamWord(g, stored)) << b;
            }
        }
    // The pointer resting on a pressed button shows its tip.
    backend->MoveTo(ToMain(TeamButton(1, 4)), 700);
    testsupport::RunVirtualTime(*backend, main, 2500);
    EXPECT_TRUE(page->SurfaceWidgets().tip.shown);
    EXPECT_EQ(page->SurfaceWidgets().tip.text, TactTeamWord(1, t.m_Instructions[1]));
}

}  // namespace
}  // namespace squadtest
