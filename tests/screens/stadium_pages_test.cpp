// The stadium plan (34), Stand Development (109) and the side view (110):
// the planner's ladder, options, prices and checks, the works it starts,
// and the pages as the user drives them.
#include <gtest/gtest.h>

#include <string>

#include "club_fixture.h"
#include "screens/stadiumscreen.h"
#include "screens/standplan.h"
#include "shell/stadiumparts.h"
#include "soccerclasses/accounts.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/stadium.h"
#include "ui/tree.h"

namespace clubpagetest {
namespace {

using platform::win::Point;
namespace parts = stadiumparts;

class StadiumPages : public ClubPages {
protected:
    void SetUp() override {
        ClubPages::SetUp();
        if (HasFatalFailure()) return;
        g_nTreeSelectionKind = 255;
        g_nTreeSelectionData = 0;
        Club().SetBankBalance(50'000'000.0);
        Club().SetBudgetPercentage(100.0);
    }
    CStadium& Ground() { return *Club().GetStadium(); }
    CStand& StandOf(int stand) { return Ground().stands[stand - 1]; }
    void Lay(int stand, StandLayout l) { StandOf(stand).layout = l; }
    // Every stand at a plain medium size that keeps the stand rules.
    void LayMediumGround() {
        for (int s = 1; s <= 8; ++s) Lay(s, StandLayout{3, 0, 1, 0});
    }
    StandPlan PlanFor(int stand) {
        StandPlan p;
        p.SetUp(Club(), stand);
        return p;
    }
    static void Plan(StandPlan& p, int size, int roof, int seating, int boxes, const CClub& club) {
        p.size = size, p.roof = roof, p.seating = seating, p.boxes = boxes;
        p.ApplyOptionRules();
        p.Price(club);
    }
    CStadiumScreen* OpenPlan() { return OpenAs<CStadiumScreen>(CStadiumScreen::kPlanPage); }
    static Point CentreOf(int stand, int size) {
        const parts::PlanRect r = parts::GetPlanRect(stand, size);
        return {CStadiumScreen::kPlanX + (r.left + r.right) / 2, CStadiumScreen::kPlanY + (r.top + r.bottom) / 2};
    }
};

// ---- the planner ----------------------------------------------------------------

struct PriceCase {
    const char* what;
    int stand;
    StandLayout present;
    int size, roof, seating, boxes;
    double cost;
    int weeks;
    int32_t places;
    unsigned objection;
};

TEST_F(StadiumPages, PlansArePricedByKindSizeRoofSeatingAndBoxes) {
    const PriceCase cases[] = {
        {"an end stand raised from nothing, seated under a basic roof", 4, {0, 0, 0, 0}, 3, 1, 1, 0,
         60000 + 100000 + 450.0 * 5000, 23, 5000, 0},
        {"a standing side extension gains 30 % more places, truncated", 2, {2, 0, 0, 0}, 3, 0, 0, 0, 400.0 * 1300,
         16, 1690, 0},
        {"a corner grown one size under a basic roof", 1, {2, 1, 0, 0}, 3, 1, 0, 0, 100000 + 400.0 * 450, 12, 585,
         0},
        {"a better roof alone costs only the roof", 2, {3, 1, 0, 0}, 3, 2, 0, 0, 140000, 9, 0, 0},
        {"boxes on a medium side stand", 7, {3, 0, 1, 0}, 3, 0, 1, 1, 60000, 7, 0, 0},
        {"luxury seats and boxes on a very large end stand", 5, {4, 0, 1, 0}, 5, 0, 2, 1,
         130000 + 0 + 140000 + 500.0 * 5000, 23, 5000, 0},
        {"a plan equal to the stand costs nothing", 2, {3, 1, 0, 0}, 3, 1, 0, 0, 0, 0, 0, 20000},
        {"a smaller stand is refused", 4, {4, 0, 1, 0}, 3, 0, 1, 0, 0, 0, 0, 20005},
    };
    for (const PriceCase& c : cases) {
        SCOPED_TRACE(c.what);
        LayMediumGround();
        Lay(c.stand, c.present);
        StandPlan p = PlanFor(c.stand);
        Plan(p, c.size, c.roof, c.seating, c.boxes, Club());
        EXPECT_DOUBLE_EQ(p.cost, c.cost);
        EXPECT_EQ(p.weeks, c.weeks);
        EXPECT_EQ(p.places, c.places);
        EXPECT_EQ(p.objection, c.objection);
    }
}

TEST_F(StadiumPages, BuildingTimeBandsChangeAtTheirLimits) {
    const std::pair<double, int> bands[] = {{0, 0},          {1, 5},           {39999, 5},     {40000, 6},
                                            {59998, 6},      {59999, 7},       {99998, 8},     {99999, 9},
                                            {1999999, 20},   {2000000, 23},    {5999999, 32},  {6000000, 35},
                                            {99999998, 35}};
    for (auto [cost, weeks] : bands) EXPECT_EQ(StandWorksWeeks(cost), weeks) << cost;
}

TEST_F(StadiumPages, TheLadderWrapsBothWaysAndSkipsStepsAStandCannotTake) {
    const StandPlan::LadderStep last = StandPlan::Ladder(StandPlan::kLadderSteps - 1);
    EXPECT_EQ(last.size, 5);
    EXPECT_EQ(last.roof, 3);
    EXPECT_EQ(last.boxes, 1);
    LayMediumGround();
    Lay(4, StandLayout{0, 0, 0, 0});
    StandPlan end = PlanFor(4);
    end.Browse(-1, Club());
    EXPECT_EQ(end.ladderStep, StandPlan::kLadderSteps - 1) << "back from step 0 reaches the last step";
    EXPECT_EQ(end.size, 5);
    EXPECT_EQ(end.boxes, 1);
    end.Browse(1, Club());
    EXPECT_EQ(end.ladderStep, 0) << "past the last step returns to step 0";
    EXPECT_EQ(end.size, 0);

    // An end stand below size 3 steps over the step with boxes.
    Lay(4, StandLayout{1, 3, 0, 0});
    StandPlan small = PlanFor(4);
    small.Browse(1, Club());
    EXPECT_EQ(small.ladderStep, 8);
    EXPECT_EQ(small.size, 2);
    EXPECT_EQ(small.boxes, 0);

    // A corner never lands on a roofed size 1 step.
    Lay(1, StandLayout{1, 0, 0, 0});
    StandPlan corner = PlanFor(1);
    corner.Browse(1, Club());
    EXPECT_EQ(corner.ladderStep, 8);
    EXPECT_EQ(corner.size, 2);
    corner.Browse(-1, Club());
    EXPECT_EQ(corner.ladderStep, 7) << "the last size 1 step: its roof and seats fall away, the floodlights stay";
    EXPECT_EQ(corner.size, 1);
    EXPECT_EQ(corner.roof, 0);
    EXPECT_EQ(corner.boxes, 1);
    corner.Browse(-1, Club());
    EXPECT_EQ(corner.ladderStep, 0);
    EXPECT_EQ(corner.size, 1) << "a corner is never planned at size 0";
}

TEST_F(StadiumPages, OptionRulesKeepCornersAtSizeOneAndGreyWhatASizeCannotHave) {
    LayMediumGround();
    Lay(1, StandLayout{0, 0, 0, 0});
    StandPlan corner = PlanFor(1);
    EXPECT_EQ(corner.size, 1) << "a corner of size 0 starts at size 1";
    corner.Change(0, -1, Club());
    EXPECT_EQ(corner.size, 1);
    corner.Change(1, 1, Club());
    EXPECT_EQ(corner.roof, 0);
    EXPECT_TRUE(corner.roofSeatingGreyed);
    EXPECT_FALSE(corner.boxesGreyed) << "a corner's floodlights are open at every size";
    corner.Change(0, 1, Club());
    EXPECT_FALSE(corner.roofSeatingGreyed);

    Lay(2, StandLayout{2, 0, 0, 0});
    StandPlan side = PlanFor(2);
    side.Change(3, 1, Club());
    EXPECT_EQ(side.boxes, 0);
    EXPECT_TRUE(side.boxesGreyed);
    side.Change(0, 1, Club());
    side.Change(3, 1, Club());
    EXPECT_EQ(side.boxes, 1);
    side.Change(1, 9, Club());
    EXPECT_EQ(side.roof, 3) << "clamped";
}

TEST_F(StadiumPages, ACornerAboveANeighbourIsRefusedPlanningPermissionAlsoByOk) {
    LayMediumGround();
    Lay(2, StandLayout{2, 0, 1, 0});  // north
    Lay(5, StandLayout{3, 0, 1, 0});  // west
    Lay(1, StandLayout{1, 0, 0, 0});
    StandPlan p = PlanFor(1);
    Plan(p, 3, 0, 1, 0, Club());
    EXPECT_EQ(p.objection, 20001u);
    EXPECT_EQ(p.CheckOk(Club()), 20001u);
    Plan(p, 2, 0, 1, 0, Club());
    EXPECT_EQ(p.objection, 0u) << "equal to the smaller neighbour is allowed";
    EXPECT_EQ(p.CheckOk(Club()), 0u);
}

TEST_F(StadiumPages, OkChecksComeInTheirOrder) {
    LayMediumGround();
    StandPlan p = PlanFor(2);
    EXPECT_EQ(p.CheckOk(Club()), 20000u) << "nothing planned";
    StandOf(4).workState = 1;
    StandOf(5).workState = 1;
    StandOf(2).workState = 1;
    EXPECT_EQ(p.CheckOk(Club()), 20003u) << "two stands in work refuse before any other check";
    StandOf(4).workState = 0;
    StandOf(5).workState = 2;
    EXPECT_EQ(p.CheckOk(Club()), 20004u) << "floodlight works do not count as a stand in work";
    StandOf(2).workState = 0;
    Plan(p, 2, 0, 1, 0, Club());
    EXPECT_EQ(p.CheckOk(Club()), 20005u);
    Plan(p, 4, 0, 0, 0, Club());
    EXPECT_EQ(p.CheckOk(Club()), 0u);
    Club().GetDivision()->SetCountry(55);
    EXPECT_EQ(Club().GetCountryIndex(), 55);
    EXPECT_EQ(p.CheckOk(Club()), 19998u) << "a large standing terrace under the Taylor report";
    Plan(p, 4, 0, 1, 0, Club());
    EXPECT_EQ(p.CheckOk(Club()), 0u);
}

TEST_F(StadiumPages, StartingWorksPaysClosesCapacityWritesTheRecordAndTellsTheManager) {
    LayMediumGround();
    Lay(4, StandLayout{3, 0, 1, 0});
    Ground().stands.totalCapacity = 30000;
    StandPlan p = PlanFor(4);
    Plan(p, 4, 2, 1, 0, Club());
    ASSERT_EQ(p.CheckOk(Club()), 0u);
    const double balance = Club().GetBankBalance();
    const double booked = Club().GetAccounts()->GetWeekFigure(15);
    const int messages = InboxCount(67);
    p.StartWorks(Club());
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), balance - p.cost);
    EXPECT_DOUBLE_EQ(Club().GetAccounts()->GetWeekFigure(15), booked + p.cost);
    const int32_t closed = 1500 + 1500 + 2000;
    EXPECT_EQ(Ground().GetCapacity(), 30000 - closed);
    const CStand& st = StandOf(4);
    EXPECT_EQ(st.workState, 1);
    EXPECT_EQ(st.weeksLeft, p.weeks);
    EXPECT_EQ(st.newLayout, (StandLayout{4, 2, 1, 0}));
    EXPECT_EQ(st.secondFigure, static_cast<int32_t>(p.cost));
    EXPECT_EQ(st.seatsBeingAdded, closed + 3000);
    EXPECT_EQ(InboxCount(67), messages + 1);
    EXPECT_EQ(Ground().CountStandsInWork(), 1);
    for (int week = 1; week < p.weeks; ++week) {
        Ground().AdvanceWorks();
        EXPECT_EQ(StandOf(4).workState, 1);
    }
    Ground().AdvanceWorks();
    EXPECT_EQ(StandOf(4).workState, 0);
    EXPECT_EQ(StandOf(4).layout, (StandLayout{4, 2, 1, 0}));
    EXPECT_EQ(Ground().GetCapacity(), 30000 + 3000) << "the stand's places come back with the new ones";
}

TEST_F(StadiumPages, AStandAsLargeAsTheGroundLeavesAHundredPlacesWhileBuilt) {
    LayMediumGround();
    Ground().stands.totalCapacity = 3000;
    StandPlan p = PlanFor(4);
    Plan(p, 4, 0, 1, 0, Club());
    p.StartWorks(Club());
    EXPECT_EQ(Ground().GetCapacity(), 100);
    EXPECT_EQ(StandOf(4).seatsBeingAdded, 2900 + 3000);
}

TEST_F(StadiumPages, FloodlightsReachTheOtherCornersFreeWithoutClosingPlaces) {
    for (int s = 1; s <= 8; ++s) Lay(s, StandLayout{2, 0, 1, 0});
    StandOf(6).workState = 1;
    StandOf(6).weeksLeft = 4;
    StandOf(6).newLayout = StandLayout{2, 1, 0, 0};
    Ground().stands.totalCapacity = 20000;
    StandPlan p = PlanFor(1);
    Plan(p, 2, 0, 1, 1, Club());
    EXPECT_DOUBLE_EQ(p.cost, 100000);
    ASSERT_EQ(p.CheckOk(Club()), 0u);
    const double balance = Club().GetBankBalance();
    const int messages = InboxCount(67);
    p.StartWorks(Club());
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), balance - 100000) << "the other corners are not charged";
    EXPECT_EQ(Ground().GetCapacity(), 20000 - 600) << "only the main stand closes";
    for (int corner : {3, 8}) {
        SCOPED_TRACE(corner);
        const CStand& c = StandOf(corner);
        EXPECT_EQ(c.workState, 2);
        EXPECT_EQ(c.weeksLeft, 9);
        EXPECT_EQ(c.newLayout, (StandLayout{2, 0, 1, 1}));
        EXPECT_EQ(c.seatsBeingAdded, 0);
        EXPECT_EQ(c.secondFigure, 100000);
    }
    EXPECT_EQ(StandOf(6).workState, 1) << "a corner in work keeps its own works";
    EXPECT_EQ(StandOf(6).weeksLeft, 13);
    EXPECT_EQ(StandOf(6).newLayout.boxes, 1);
    EXPECT_EQ(InboxCount(67), messages + 3) << "the main stand and the two corners that started works";
    EXPECT_EQ(Ground().CountStandsInWork(), 2);
    for (int week = 0; week < 9; ++week) Ground().AdvanceWorks();
    EXPECT_EQ(StandOf(3).layout.boxes, 1);
    EXPECT_EQ(StandOf(3).workState, 0);
    EXPECT_EQ(Ground().GetCapacity(), 20000 - 600 + 600 + 0) << "floodlight works return no places";
}

// ---- the pages --------------------------------------------------------------------

TEST_F(StadiumPages, ThePlanShowsTheOwnGroundAndImproveWaitsForASelection) {
    LayMediumGround();
    CStadiumScreen* page = OpenPlan();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetShownClub(), &Club());
    EXPECT_TRUE(page->IsOwnClub());
    ASSERT_NE(page->FindButton(23334), nullptr);
    ASSERT_NE(page->FindButton(23332), nullptr);
    EXPECT_FALSE(page->FindButton(23334)->IsEnabled());
    EXPECT_EQ(page->FindLabelAt(500, 5)->GetText(), std::to_string(Ground().GetCapacity()));
    EXPECT_EQ(page->GetOverlayName(0), "plans\\pitch.bmp");
    EXPECT_EQ(page->GetOverlayName(2), parts::PlanPartEntry(2, StandLayout{3, 0, 1, 0}, false));
    for (int i = 0; i <= 8; ++i) {
        const OverlayBitmap* o = page->GetOverlay(i);
        ASSERT_NE(o, nullptr);
        EXPECT_TRUE(o->bitmap.IsLoaded()) << page->GetOverlayName(i);
    }
    page->OnLButtonDown(0, CentreOf(2, 3));
    EXPECT_EQ(CStadiumScreen::GetSelectedStand(), 2);
    EXPECT_EQ(page->GetSelectSoundCount(), 1);
    EXPECT_TRUE(page->FindButton(23334)->IsEnabled());
    EXPECT_EQ(page->GetOverlayName(9), parts::MarkEntry(2, 3, true));
    Save("stadium-plan-selected");
    page->OnLButtonDown(0, CentreOf(2, 3));
    EXPECT_EQ(CStadiumScreen::GetSelectedStand(), 0) << "a second click clears the selection";
    EXPECT_FALSE(page->FindButton(23334)->IsEnabled());
    page->OnCommand(23334, 0, nullptr);
    Drain();
    EXPECT_EQ(manager.GetCurrentPage(), page) << "Improve without a selected stand does nothing";
}

TEST_F(StadiumPages, HoveringAStandInWorkShowsItsWeeksOnTheDarkPitch) {
    LayMediumGround();
    StandOf(7).workState = 1;
    StandOf(7).weeksLeft = 6;
    CStadiumScreen* page = OpenPlan();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetOverlayName(7), "plans\\plan_s_devs.bmp");
    page->OnMouseMove(0, CentreOf(7, 3));
    page->OnMouseMove(0, CentreOf(7, 3));
    EXPECT_EQ(page->GetHoveredStand(), 7);
    EXPECT_EQ(page->GetHoverSoundCount(), 1) << "once per change of stand";
    ASSERT_NE(page->GetHoverText(), nullptr);
    EXPECT_TRUE(page->GetHoverText()->IsVisible());
    EXPECT_EQ(page->GetHoverText()->GetText(), "The stand has a further  6 week(s) of development remaining.");
    EXPECT_EQ(page->GetOverlayName(0), "plans\\darkpitch.bmp");
    Save("stadium-plan-works-hovered");
    page->OnMouseMove(0, Point{300, 230});
    EXPECT_EQ(page->GetHoveredStand(), 0);
    EXPECT_EQ(page->GetOverlayName(0), "plans\\pitch.bmp");
    EXPECT_FALSE(page->GetHoverText()->IsVisible());
    page->OnMouseMove(0, CentreOf(2, 3));
    EXPECT_EQ(page->GetHoverSoundCount(), 2);
    EXPECT_EQ(page->GetOverlayName(10), parts::MarkEntry(2, 3, false));
    Save("stadium-plan-hovered");
    page->OnLButtonDown(0, CentreOf(7, 3));
    EXPECT_EQ(CStadiumScreen::GetSelectedStand(), 0) << "a stand in work cannot be selected";
}

TEST_F(StadiumPages, AnotherClubCanBeViewedButNotSelectedAndNoUserShowsTheFallback) {
    LayMediumGround();
    CStadiumScreen* page = OpenPlan();
    ASSERT_NE(page, nullptr);
    TreeNotice pick{};
    pick.kind = kContextClub;
    pick.data = reinterpret_cast<uintptr_t>(&PortEllis());
    page->OnTreeSelect(&pick);
    EXPECT_EQ(page->GetShownClub(), &PortEllis());
    EXPECT_FALSE(page->IsOwnClub());
    page->OnMouseMove(0, CentreOf(2, 0));
    page->OnLButtonDown(0, CentreOf(5, 0));
    EXPECT_EQ(page->GetHoverSoundCount(), 0);
    EXPECT_EQ(CStadiumScreen::GetSelectedStand(), 0);
    EXPECT_FALSE(page->FindButton(23334)->IsEnabled());

    SackUser();
    g_nTreeSelectionKind = 255;
    g_nTreeSelectionData = 0;
    CStadiumScreen* fallback = OpenPlan();
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->GetShownClub(), world.GetClub(0)) << "a small world has no club 55";
    EXPECT_FALSE(fallback->IsOwnClub());
}

TEST_F(StadiumPages, TheSideViewReversesAndCutsAway) {
    for (int s = 1; s <= 8; ++s) Lay(s, StandLayout{static_cast<uint8_t>(s % 2 ? 2 : 4), 0, 1, 0});
    StandOf(8).workState = 1;
    CStadiumScreen* plan = OpenPlan();
    ASSERT_NE(plan, nullptr);
    plan->OnCommand(23332, 0, nullptr);
    Drain();
    auto* side = dynamic_cast<CStadiumScreen*>(manager.GetCurrentPage());
    ASSERT_NE(side, nullptr);
    ASSERT_EQ(side->GetPage(), CStadiumScreen::kSidePage);
    EXPECT_EQ(side->GetOverlayName(0), "stad3d\\pitch.bmp");
    EXPECT_EQ(side->GetOverlayName(2), parts::SideViewEntry(2, StandOf(2).layout, false));
    EXPECT_EQ(side->GetOverlayName(8), "stad3d\\stad_se_dev.bmp");
    Save("stadium-view-normal");
    // Both views come in with a wipe, which runs on the clock.
    const uint8_t fade = g_bFade;
    g_bFade = 1;
    uint64_t before = Ui::Get().NowMs();
    side->OnCommand(23415, 0, nullptr);
    EXPECT_GT(Ui::Get().NowMs(), before) << "the reverse view is wiped in";
    EXPECT_TRUE(CStadiumScreen::IsReversed());
    EXPECT_EQ(side->FindButton(23415)->Text(), "Normal View");
    Save("stadium-view-reversed");
    for (int i = 1; i <= 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(side->GetOverlayName(i), parts::SideViewEntry(i, StandOf(9 - i).layout, 9 - i == 8));
        EXPECT_TRUE(side->IsOverlayShown(i));
    }
    before = Ui::Get().NowMs();
    side->OnCommand(23427, 0, nullptr);
    EXPECT_GT(Ui::Get().NowMs(), before) << "the cut view is wiped in";
    g_bFade = fade;
    EXPECT_TRUE(CStadiumScreen::IsCut());
    EXPECT_TRUE(CStadiumScreen::IsReversed()) << "cutting keeps the reverse view";
    EXPECT_EQ(side->FindButton(23427)->Text(), "Full View");
    Save("stadium-view-reversed-cut");
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(side->IsOverlayShown(i), i != 4 && i != 7 && i != 8) << i;
    side->OnCommand(23415, 0, nullptr);
    EXPECT_FALSE(CStadiumScreen::IsReversed());
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(side->IsOverlayShown(i), i != 4 && i != 7 && i != 8) << i;
    EXPECT_EQ(side->GetOverlayName(1), parts::SideViewEntry(1, StandOf(1).layout, false));
    Save("stadium-view-cut");
    side->OnCommand(23427, 0, nullptr);
    EXPECT_EQ(side->FindButton(23427)->Text(), "Cut View");
    for (int i = 1; i <= 8; ++i) EXPECT_TRUE(side->IsOverlayShown(i));
}

TEST_F(StadiumPages, ImprovePlansTheSelectedStandAndOkStartsTheWorks) {
    LayMediumGround();
    Ground().stands.totalCapacity = 40000;
    CStadiumScreen* plan = OpenPlan();
    ASSERT_NE(plan, nullptr);
    plan->OnLButtonDown(0, CentreOf(2, 3));
    plan->OnCommand(23334, 0, nullptr);
    Drain();
    auto* stand = dynamic_cast<CStadiumScreen*>(manager.GetCurrentPage());
    ASSERT_NE(stand, nullptr);
    ASSERT_EQ(stand->GetPage(), CStadiumScreen::kStandPage);
    EXPECT_EQ(stand->FindLabelAt(30, 61)->GetText(), "North Stand");
    EXPECT_EQ(stand->FindLabelAt(26, 360)->GetText(), "Stand Boxes");
    for (uint32_t id : {23412u, 23413u, 23416u, 23405u, 23406u, 23407u, 23408u, 23409u, 23410u, 23411u, 23333u, 23335u})
        EXPECT_NE(stand->FindButton(id), nullptr) << id;
    ASSERT_NE(stand->GetMessageLine(), nullptr);
    EXPECT_EQ(stand->GetMessageLine()->GetText(), platform::LoadString(20000));
    stand->OnCommand(23335, 0, nullptr);
    ASSERT_FALSE(port.Boxes().empty());
    EXPECT_EQ(port.Boxes().back().stringId, 20000u) << "nothing planned yet";

    stand->OnCommand(23405, 0, nullptr);  // larger
    stand->OnCommand(23407, 0, nullptr);  // better roof
    EXPECT_EQ(stand->FindLabelAt(302, 270)->GetText(), "Large");
    EXPECT_EQ(stand->FindLabelAt(302, 300)->GetText(), "Basic");
    EXPECT_EQ(stand->GetMessageLine()->GetText(), "");
    const StandPlan& planned = CStadiumScreen::GetPlan();
    EXPECT_EQ(stand->GetOverlayName(0), parts::ElevationEntry(2, StandLayout{4, 1, 1, 0}));
    EXPECT_EQ(stand->FindLabelAt(444, 123)->GetText(), std::to_string(40000 + 2100));
    Save("stand-development");
    const double cost = planned.cost;
    const double balance = Club().GetBankBalance();
    port.AnswerNext(platform::win::IDNO);
    stand->OnCommand(23335, 0, nullptr);
    Drain();
    EXPECT_EQ(StandOf(2).workState, 0) << "No leaves everything";
    port.AnswerNext(platform::win::IDYES);
    stand->OnCommand(23335, 0, nullptr);
    Drain();
    EXPECT_NE(port.Boxes().back().text.find(std::to_string(planned.weeks) + " weeks"), std::string::npos);
    EXPECT_EQ(StandOf(2).workState, 1);
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), balance - cost);
    auto* back = dynamic_cast<CStadiumScreen*>(manager.GetCurrentPage());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetPage(), CStadiumScreen::kPlanPage);
    EXPECT_EQ(back->GetOverlayName(2), "plans\\plan_n_devs.bmp");
}

TEST_F(StadiumPages, ACornerStandsPageNamesItsFloodlights) {
    LayMediumGround();
    Lay(3, StandLayout{2, 0, 1, 0});
    CStadiumScreen* plan = OpenPlan();
    ASSERT_NE(plan, nullptr);
    plan->OnLButtonDown(0, CentreOf(3, 2));
    ASSERT_EQ(CStadiumScreen::GetSelectedStand(), 3);
    plan->OnCommand(23334, 0, nullptr);
    Drain();
    auto* stand = dynamic_cast<CStadiumScreen*>(manager.GetCurrentPage());
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(stand->FindLabelAt(26, 360)->GetText(), "Flood Lights");
    EXPECT_EQ(stand->FindLabelAt(302, 360)->GetText(), "Average");
    stand->OnCommand(23411, 0, nullptr);
    EXPECT_EQ(stand->FindLabelAt(302, 360)->GetText(), "Luxury Floodlights");
    EXPECT_EQ(stand->GetOverlayName(0), "stan3d\\stand_nw_s_lf_nr_cs.bmp");
}

}  // namespace
}  // namespace clubpagetest
