// The transfer list (47) and the scouts page (37) over a three-club world:
// the user at "Harwick Albion" and "Port Ellis" share the first division of
// country 1; "Dunmore Rovers" plays in country 2.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "player_fixture.h"
#include "soccerclasses/division.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/scout.h"
#include "support/test_env.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xspinedit.h"

namespace playertest {
namespace {

std::string MarketText(unsigned id) { return platform::LoadString(id); }

class MarketPages : public PlayerPages {
protected:
    void SetUp() override {
        PlayerPages::SetUp();
        world.GetClubList().ReadFile(
            WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 0), Record("Dunmore Rovers", 1)}));
        world.GetDivision(0)->SetClubRange(0, 2);
        world.GetDivision(1)->SetClubRange(2, 1);
        world.GetCountry(1)->AddDivision(0);
        world.GetCountry(2)->AddDivision(1);
        MakeUser(Club(), 0);
        world.SetCurrentUser(0);
        Club().SetBankBalance(50000000);
        Club().SetBudgetPercentage(100);
        // Sellers with men to spare in every position.
        for (CClub* seller : {&Other(), &Far()})
            for (int pos = 0; pos < 4; ++pos)
                for (int i = 0; i < 6; ++i)
                    Sign(*seller, pos, "Depth" + std::to_string(pos * 10 + i))->Person().SetContractYears(2);
        keeper = Listed(Other(), CSoccerPlayer::kGoalkeeper, "Keeperman", 300000);
        back = Listed(Other(), CSoccerPlayer::kDefender, "Backman", 900000);
        abroad = Listed(Far(), CSoccerPlayer::kAttacker, "Farman", 500000);
        own = Listed(Club(), CSoccerPlayer::kMidfielder, "Homeman", 100000);
    }
    CClub& Far() { return *world.GetClub(2); }
    CPlayer* Listed(CClub& club, int position, const std::string& surname, double price) {
        CPlayer* p = Sign(club, position, surname);
        p->Person().SetContractYears(3);
        p->Person().SetWeeksAtClub(40);
        p->m_AskingPrice = price;
        return p;
    }
    CPlayerScreen* OpenList() { return Open(CPlayerScreen::kTransferListPage); }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        CListControl* list = Page()->GetPageList(0);
        for (int r = 0; r < list->GetRowCount(); ++r) out.push_back(list->GetItemText(r, 0));
        return out;
    }
    bool Lists(const CPlayer* p) {
        const auto names = Names();
        return std::find(names.begin(), names.end(), p->GetName()) != names.end();
    }
    int RowOf(const CPlayer* p) {
        CListControl* list = Page()->GetPageList(0);
        for (int r = 0; r < list->GetRowCount(); ++r)
            if (list->GetItemData(r) == reinterpret_cast<uintptr_t>(p)) return r;
        return -1;
    }
    // A click on a row as the list passes it to the page.
    void Pick(int listIndex, int row, bool add = false) {
        CListControl* list = Page()->GetPageList(listIndex);
        if (!add) list->ClearSelected();
        if (row >= 0) list->AddSelected(row);
        Page()->OnListClick(list, row, 0);
        Drain();
    }
    void Press(uint32_t id) {
        Page()->Send(WM_COMMAND, id, 0);
        Drain();
    }
    CEmployee* HireScout(const std::string& surname) {
        CEmployee* e = Hire(Club(), CBasicEmployee::kScout, surname);
        const int index = Club().Staff().FindIndex(e);
        for (CScout& s : Club().Scouts())
            if (!s.IsAssigned()) {
                s.Init(index, &Club());
                break;
            }
        return e;
    }
    CPlayerSearch& Search() { return *world.GetCurrentPlayerSearch(); }

    CPlayer *keeper = nullptr, *back = nullptr, *abroad = nullptr, *own = nullptr;
};

TEST_F(MarketPages, EachScopeListsItsOtherClubsPlayersAndNeverTheUsersOwn) {
    struct Case {
        const char* name;
        uintptr_t data;
        int level;
        std::vector<const CPlayer*> listed, unlisted;
        std::string scope;
    };
    const std::vector<Case> cases = {
        {"no scope: the current country", 0, 0, {keeper, back}, {abroad, own}, "Country 1"},
        {"the other country", reinterpret_cast<uintptr_t>(world.GetCountry(2)), 2, {abroad}, {keeper, own}, "Country 2"},
        {"a division", reinterpret_cast<uintptr_t>(world.GetDivision(1)), 3, {abroad}, {keeper, own}, "Premier Division"},
        {"a club", reinterpret_cast<uintptr_t>(&Other()), 4, {keeper, back}, {abroad, own}, "Port Ellis"},
        {"the user's own club", reinterpret_cast<uintptr_t>(&Club()), 4, {}, {keeper, back, own}, "Harwick Albion"},
        {"a player node counts as no scope", reinterpret_cast<uintptr_t>(abroad), 5, {keeper, back}, {abroad},
         "Country 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_nTreeSelectionData = c.data;
        g_nTreeSelectionLevel = c.level;
        g_nTreeSelectionKind = 0;
        CPlayerScreen* page = OpenList();
        for (const CPlayer* p : c.listed) EXPECT_TRUE(Lists(p)) << p->GetName();
        for (const CPlayer* p : c.unlisted) EXPECT_FALSE(Lists(p)) << p->GetName();
        EXPECT_EQ(Text(CPlayerScreen::kScopeLabel), c.scope + " - " + MarketText(179));
        // The results hold every squad player of the scope, matching or not.
        EXPECT_GE(page->GetSearchResults().GetSize(), static_cast<int>(c.listed.size()));
    }
    // A competition node is no scope either.
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(world.GetCountry(2));
    g_nTreeSelectionLevel = 2;
    g_nTreeSelectionKind = kTreeKindCompetition;
    OpenList();
    EXPECT_TRUE(Lists(keeper));
    EXPECT_FALSE(Lists(abroad));
}

// The picture beside the title is the scope's: the current country's flag
// without one (a player node among them), a club's kit for a club. Back to
// the list searches the scope it showed, whatever the tree holds since, and
// shows its picture again.
TEST_F(MarketPages, BackRestoresTheScopeAndItsPicture) {
    auto pick = [&](uintptr_t data, int level) {
        TreeNotice n;
        n.level = level;
        n.data = data;
        Page()->OnTreeSelect(&n);
        Drain();
    };
    CPlayerScreen* page = OpenList();
    EXPECT_TRUE(page->IsPicturePresent(kSlotFlag)) << "the current country's flag";
    EXPECT_FALSE(page->IsPicturePresent(kSlotKit));
    pick(reinterpret_cast<uintptr_t>(&Other()), 4);
    EXPECT_TRUE(page->IsPicturePresent(kSlotKit));
    EXPECT_FALSE(page->IsPicturePresent(kSlotFlag));
    // A player node is no scope: never a club's kit drawn from a player.
    pick(reinterpret_cast<uintptr_t>(abroad), 5);
    EXPECT_FALSE(page->IsPicturePresent(kSlotKit));
    EXPECT_TRUE(page->IsPicturePresent(kSlotFlag));
    EXPECT_EQ(Text(CPlayerScreen::kScopeLabel), "Country 1 - " + MarketText(179));
    pick(reinterpret_cast<uintptr_t>(&Far()), 4);
    EXPECT_TRUE(Lists(abroad));
    EXPECT_FALSE(Lists(keeper));

    Open(CPlayerScreen::kClubTransfersPage);
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(world.GetCountry(1));
    g_nTreeSelectionLevel = 2;
    g_nTreeSelectionKind = 0;
    manager.GoBack(1);
    Drain();
    page = Page();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->GetPage(), CPlayerScreen::kTransferListPage);
    EXPECT_EQ(Text(CPlayerScreen::kScopeLabel), "Dunmore Rovers - " + MarketText(179));
    EXPECT_TRUE(Lists(abroad));
    EXPECT_FALSE(Lists(keeper));
    EXPECT_TRUE(page->IsPicturePresent(kSlotKit)) << "the stored scope's picture";
    EXPECT_FALSE(page->IsPicturePresent(kSlotFlag));
}

// The "View" box (its frame in each view's background, round the filter's
// name and arrows) and whichever scope picture the page shows (a flag, a
// kit, a trophy or Europe) stand apart: neither covers the other.
TEST_F(MarketPages, TheViewBoxAndTheScopePictureDoNotOverlap) {
    CPlayerScreen* page = OpenList();
    Rect controls = page->GetPageLabel(CPlayerScreen::kFilterNameLabel)->WindowRect();
    int arrows = 0;
    for (int i = 0; i < page->GetButtonCount(); ++i)
        if (page->GetButton(i).Id() == 533 || page->GetButton(i).Id() == 576) {
            controls = controls.Union(page->GetButton(i).WindowRect());
            ++arrows;
        }
    ASSERT_EQ(arrows, 2);
    std::ifstream in(testenv::SourceDir() / "assets" / "screens" / "backgrounds.txt");
    ASSERT_TRUE(in);
    int views = 0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream row(line);
        std::string name, word;
        row >> name;
        if (name != "\"48a.bmp\"" && name != "\"48b.bmp\"" && name != "\"50.bmp\"") continue;
        SCOPED_TRACE(name);
        ++views;
        Rect box;
        while (row >> word) {
            if (word != "panel") continue;
            int x = 0, y = 0, w = 0, h = 0;
            row >> x >> y >> w >> h;
            if (Rect::XYWH(x, y, w, h).Contains(controls)) box = Rect::XYWH(x, y, w, h);
        }
        ASSERT_FALSE(box.IsEmpty()) << "a frame round the view's controls";
        for (int slot : {kSlotFlag, kSlotKit, kSlotTrophy, kSlotEurope}) {
            const Rect picture = PictureSlotRect(slot);
            EXPECT_TRUE(box.Intersect(picture).IsEmpty())
                << "slot " << slot << " at " << picture.left << "," << picture.top << " on the box at " << box.left
                << "," << box.top << " to " << box.right << "," << box.bottom;
        }
    }
    EXPECT_EQ(views, 3);
}

TEST_F(MarketPages, APositionButtonFiltersAtOnceAndAllPlayersBringsEveryPositionBack) {
    CPlayerScreen* page = OpenList();
    ASSERT_TRUE(Lists(keeper) && Lists(back));
    Press(445);
    EXPECT_TRUE(Lists(keeper));
    EXPECT_FALSE(Lists(back));
    EXPECT_EQ(Search().GetPositionFlag(0), 1);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(Search().GetPositionFlag(i), 0) << i;
    Press(446);
    EXPECT_FALSE(Lists(keeper));
    EXPECT_TRUE(Lists(back));
    Press(532);
    EXPECT_TRUE(Lists(keeper) && Lists(back));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Search().GetPositionFlag(i), 1) << i;
        EXPECT_EQ(page->GetPositionFlag(i), 1) << i;
    }
}

TEST_F(MarketPages, TheViewArrowsWrapThroughTheFourFiltersAndSearchAgain) {
    CPlayerScreen* page = OpenList();
    Press(533);
    EXPECT_EQ(page->GetListFilter(), 3);
    EXPECT_EQ(Search().GetOption1(), 3);
    EXPECT_EQ(Text(CPlayerScreen::kFilterNameLabel), MarketText(252));
    // Unlisted players: the listed ones go, the contracted unlisted depth comes.
    EXPECT_FALSE(Lists(keeper));
    EXPECT_GT(page->GetPageList(0)->GetRowCount(), 0);
    Press(576);
    EXPECT_EQ(page->GetListFilter(), 0);
    EXPECT_EQ(Text(CPlayerScreen::kFilterNameLabel), MarketText(179));
    EXPECT_TRUE(Lists(keeper));
    // A filter outside the four names from an old search counts as the first.
    Search().m_Option1 = 9;
    page = OpenList();
    EXPECT_EQ(page->GetListFilter(), 0);
    EXPECT_EQ(Text(CPlayerScreen::kFilterNameLabel), MarketText(179));
}

TEST_F(MarketPages, ArrowStepsLimitThePartnerAndRefilterWhileATypedLimitWaits) {
    CPlayerScreen* page = OpenList();
    Press(1034);
    ASSERT_EQ(page->GetViewMode(), CPlayerScreen::kFiltersView);
    CXSpinedit& minValue = page->GetSearchField(0);
    CXSpinedit& maxValue = page->GetSearchField(1);
    EXPECT_TRUE(minValue.IsSpinEnabled());
    // The test world's pound abbreviates: the fields show thousands.
    // The minimum price typed above the keeper's: set, but nothing refilled.
    minValue.SetValue(400, false);
    page->Send(kMsgSpinTyped, reinterpret_cast<uintptr_t>(&minValue), 0);
    Drain();
    EXPECT_FLOAT_EQ(Search().GetMinValue(), 400000.0f);
    EXPECT_EQ(maxValue.GetShownMin(), 400.0);
    EXPECT_TRUE(Lists(keeper));
    // An arrow step re-filters at once.
    page->Send(kMsgSpinStepped, reinterpret_cast<uintptr_t>(&minValue), 0);
    Drain();
    EXPECT_FALSE(Lists(keeper));
    EXPECT_TRUE(Lists(back));
    // The maximum can never go below the minimum, nor the minimum above it.
    maxValue.SetValue(100, false);
    EXPECT_EQ(maxValue.GetShownValue(), 400.0);
    maxValue.SetValue(800, false);
    page->Send(kMsgSpinStepped, reinterpret_cast<uintptr_t>(&maxValue), 0);
    Drain();
    EXPECT_FLOAT_EQ(Search().GetMaxValue(), 800000.0f);
    EXPECT_EQ(minValue.GetShownMax(), 800.0);
    EXPECT_FALSE(Lists(back));
    // The skill and age fields set their own criteria.
    CXSpinedit& minAge = page->GetSearchField(4);
    minAge.SetValue(30, false);
    page->Send(kMsgSpinTyped, reinterpret_cast<uintptr_t>(&minAge), 0);
    Drain();
    EXPECT_EQ(Search().GetMinAge(), 30);
    EXPECT_EQ(page->GetSearchField(5).GetShownMin(), 30.0);
}

TEST_F(MarketPages, TheListSortsByPriceUnlessTheUserChoseAnotherColumn) {
    CPlayerScreen* page = OpenList();
    CListControl* list = page->GetPageList(0);
    ASSERT_GE(list->GetRowCount(), 2);
    auto order = [&] {
        std::vector<uintptr_t> out;
        for (int r = 0; r < list->GetRowCount(); ++r) out.push_back(list->GetItemData(r));
        return out;
    };
    const auto byPrice = order();
    EXPECT_NE(std::find(byPrice.begin(), byPrice.end(), reinterpret_cast<uintptr_t>(keeper)), byPrice.end());
    // The two listed players are in price order (either direction) and the default column is the price.
    const auto k = std::find(byPrice.begin(), byPrice.end(), reinterpret_cast<uintptr_t>(keeper));
    const auto b = std::find(byPrice.begin(), byPrice.end(), reinterpret_cast<uintptr_t>(back));
    EXPECT_NE(k, b);
    EXPECT_EQ(page->GetSortColumn(), 4);
    // A header click stores its column, which the next refill keeps.
    list->Sort(0);
    Drain();
    EXPECT_EQ(page->GetSortColumn(), 0);
    Press(532);
    std::vector<std::string> names = Names();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()) || std::is_sorted(names.rbegin(), names.rend()));
}

TEST_F(MarketPages, BuyPlayerAsksFirstAndNegotiatesOnTheSecondPress) {
    OpenList();
    Pick(0, RowOf(back));
    CXButton* buy = Page()->GetPageButton(CPlayerScreen::kBuyButton);
    EXPECT_TRUE(buy->IsEnabled());
    EXPECT_EQ(Text(CPlayerScreen::kValuationValue), MarketText(485));
    Press(1046);
    ASSERT_EQ(Page()->GetBuyLines().size(), 1u);
    EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(1050, {Other().GetName(), back->GetName()}));
    EXPECT_EQ(buy->Text(), MarketText(1101));
    EXPECT_TRUE(Page()->BuyReady());
    Press(1046);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kPurchasePage);
    EXPECT_EQ(Page()->m_pSubject, back);
}

TEST_F(MarketPages, AFreeAgentIsOfferedAContractOnTheSecondPress) {
    CPlayer* free = Sign(Other(), CSoccerPlayer::kMidfielder, "Freeman");
    free->Person().SetContractYears(0);
    free->Person().SetAge(29);
    OpenList();
    ASSERT_GE(RowOf(free), 0);
    Pick(0, RowOf(free));
    Press(1046);
    ASSERT_EQ(Page()->GetBuyLines().size(), 1u);
    EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(1051, {free->GetName()}));
    Press(1046);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kContractPage);
    EXPECT_EQ(Page()->m_pSubject, free);
}

TEST_F(MarketPages, RefusedFirstPressesSayWhyAndLeaveTheButtonOff) {
    OpenList();
    // Already bid for: the club will not talk to the user again.
    Club().AddBidTarget(*back);
    Pick(0, RowOf(back));
    Press(1046);
    ASSERT_EQ(Page()->GetBuyLines().size(), 1u);
    EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(838, {Other().GetName(), back->GetName()}));
    EXPECT_FALSE(Page()->GetPageButton(CPlayerScreen::kBuyButton)->IsEnabled());
    EXPECT_FALSE(Page()->BuyReady());
    // Nor lend him.
    Pick(0, RowOf(back));
    Press(492);
    ASSERT_EQ(Page()->GetBuyLines().size(), 1u);
    EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(836, {back->GetName()}));
    EXPECT_FALSE(Page()->GetPageButton(CPlayerScreen::kLoanButton)->IsEnabled());
    // A player whose transfer talks are under way is not lent either (840).
    User().GetNegotiations().Add(WorldIndexOf(*abroad), 500000, 2, 0, 2);
    Pick(0, -1);
    TreeNotice far;
    far.level = 4;
    far.data = reinterpret_cast<uintptr_t>(&Far());
    Page()->OnTreeSelect(&far);
    Drain();
    ASSERT_GE(RowOf(abroad), 0);
    Pick(0, RowOf(abroad));
    Press(492);
    ASSERT_EQ(Page()->GetBuyLines().size(), 1u);
    EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(840, {abroad->GetName()}));
    EXPECT_FALSE(Page()->GetPageButton(CPlayerScreen::kLoanButton)->IsEnabled());
    TreeNotice home;
    home.level = 4;
    home.data = reinterpret_cast<uintptr_t>(&Other());
    Page()->OnTreeSelect(&home);
    Drain();
    // The keeper may be borrowed: asked first, talks on the second press.
    Pick(0, RowOf(keeper));
    Press(492);
    ASSERT_EQ(Page()->GetBuyLines().size(), 1u);
    EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(1103, {Other().GetName(), keeper->GetName()}));
    EXPECT_EQ(Page()->GetPageButton(CPlayerScreen::kLoanButton)->Text(), MarketText(1102));
    Press(492);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kPurchasePage);
    EXPECT_EQ(Page()->m_bOfferMode, 1);
}

TEST_F(MarketPages, ViewModesShowTheirControlsAndTheScoutViewTakesTenPlayers) {
    CPlayerScreen* page = OpenList();
    EXPECT_EQ(page->GetViewMode(), CPlayerScreen::kApproachView);
    EXPECT_TRUE(page->GetPageButton(CPlayerScreen::kBuyButton)->IsVisible());
    EXPECT_FALSE(page->GetSearchField(0).IsSpinEnabled());
    EXPECT_EQ(page->GetPageList(0)->m_nMarkedSlotCount, 1);
    Press(1035);
    EXPECT_EQ(page->GetBackgroundName(), "gfx\\backgrounds\\48a.bmp");
    EXPECT_EQ(page->GetPageList(0)->m_nMarkedSlotCount, 10);
    EXPECT_TRUE(page->GetPageButton(CPlayerScreen::kOkButton)->IsVisible());
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kOkButton)->IsEnabled());
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kBuyButton)->IsVisible());
    ASSERT_EQ(page->GetInfoLines().size(), 1u);
    EXPECT_EQ(page->GetInfoLines()[0], MarketText(1047));
    Press(1034);
    EXPECT_EQ(page->GetBackgroundName(), "gfx\\backgrounds\\48b.bmp");
    EXPECT_EQ(page->GetPageList(0)->m_nMarkedSlotCount, 1);
    EXPECT_TRUE(page->GetSearchField(0).IsSpinEnabled());
    EXPECT_TRUE(page->GetPageLabel(CPlayerScreen::kFirstRangeLabel)->IsVisible());
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kOkButton)->IsVisible());
    Save("transfer-list-filters");
    // The two toggles re-filter: scouted only leaves nobody the user has not had watched.
    Press(1082);
    EXPECT_EQ(Search().m_Option3, 1);
    EXPECT_EQ(page->GetPageList(0)->GetRowCount(), 0);
    Press(1082);
    EXPECT_GT(page->GetPageList(0)->GetRowCount(), 0);
    Press(1037);
    EXPECT_EQ(Search().GetOption4(), 1);
    Press(1036);
    EXPECT_EQ(page->GetBackgroundName(), "gfx\\backgrounds\\50.bmp");
    Save("transfer-list-approach");
}

TEST_F(MarketPages, HandingPlayersToAScoutFollowsTheClickTable) {
    CPlayerScreen* page = OpenList();
    Press(1035);
    // No scouts: picking players only ever says so.
    Pick(0, RowOf(keeper));
    ASSERT_EQ(page->GetInfoLines().size(), 1u);
    EXPECT_EQ(page->GetInfoLines()[0], MarketText(1087));
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kOkButton)->IsEnabled());

    CEmployee* scout = HireScout("Spotter");
    Press(1034);
    Press(1035);
    ASSERT_EQ(page->GetPageList(1)->GetRowCount(), 1);
    // A scout first, with no player picked: the players first.
    Pick(1, 0);
    EXPECT_EQ(page->GetInfoLines()[0], MarketText(1047));
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kOkButton)->IsEnabled());
    // A player while no scout is chosen: choose the scout.
    Pick(1, -1);
    Pick(0, RowOf(keeper));
    EXPECT_EQ(page->GetInfoLines()[0], MarketText(1088));
    // Two players, then the scout: his cost question, and OK.
    Pick(0, RowOf(back), true);
    EXPECT_EQ(page->GetPageList(0)->GetSelectedCount(), 2);
    Pick(1, 0);
    ASSERT_EQ(page->GetInfoLines().size(), 1u);
    EXPECT_NE(page->GetInfoLines()[0], MarketText(1047));
    EXPECT_TRUE(page->GetPageButton(CPlayerScreen::kOkButton)->IsEnabled());
    Save("transfer-list-scout");
    Press(1039);
    ASSERT_EQ(page->GetInfoLines().size(), 1u);
    EXPECT_EQ(page->GetInfoLines()[0], MarketText(32933));
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kOkButton)->IsEnabled());
    EXPECT_EQ(page->GetPageList(0)->GetSelectedCount(), 0);
    CScout* record = nullptr;
    for (CScout& s : Club().Scouts())
        if (s.IsAssigned() && s.GetEmployee() == Club().Staff().FindIndex(scout)) record = &s;
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->HasEntryFor(WorldIndexOf(*keeper)));
    EXPECT_TRUE(record->HasEntryFor(WorldIndexOf(*back)));
}

TEST_F(MarketPages, AnAwayScoutsRefusalIsShownAndOkStaysOff) {
    HireScout("Traveller");
    for (CScout& s : Club().Scouts())
        if (s.IsAssigned()) s.SetAway(true);
    CPlayerScreen* page = OpenList();
    Press(1035);
    Pick(0, RowOf(keeper));
    Pick(1, 0);
    ASSERT_EQ(page->GetInfoLines().size(), 1u);
    EXPECT_NE(page->GetInfoLines()[0], MarketText(1047));
    EXPECT_NE(page->GetInfoLines()[0], MarketText(32933));
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kOkButton)->IsEnabled());
}

// ---- Page 37 ----

TEST_F(MarketPages, TheScoutsPageShowsTheChosenScoutsReports) {
    CEmployee* first = HireScout("Spotter");
    CEmployee* second = HireScout("Watcher");
    // The first scout watched the keeper and reported.
    CScout* record = nullptr;
    for (CScout& s : Club().Scouts())
        if (s.IsAssigned() && s.GetEmployee() == Club().Staff().FindIndex(first)) record = &s;
    ASSERT_NE(record, nullptr);
    CPlayer* watched[CScout::kMaxPlayers] = {keeper};
    std::string reply;
    ASSERT_EQ(record->MakeAssignment(reply, watched, true), CScout::kAssignDone);
    CPlayerScreen* page = Open(CPlayerScreen::kScoutsPage);
    CListControl* scouts = page->GetPageList(0);
    CListControl* reports = page->GetPageList(1);
    ASSERT_EQ(scouts->GetRowCount(), 2);
    EXPECT_EQ(page->GetSelectedStaff(), reinterpret_cast<CEmployee*>(scouts->GetItemData(0)));
    CEmployee* shown = page->GetSelectedStaff();
    EXPECT_EQ(Text(0), platform::FormatMessageId(47066, {shown->GetName(), shown->GetJobTitle()}));
    EXPECT_EQ(Text(2), MarketText(34197));
    EXPECT_FALSE(page->GetPageButton(0)->IsEnabled());
    // Choose the first scout: his report list.
    const int firstRow = scouts->GetItemData(0) == reinterpret_cast<uintptr_t>(first) ? 0 : 1;
    Pick(0, firstRow);
    ASSERT_EQ(reports->GetRowCount(), 1);
    EXPECT_EQ(reports->GetItemData(0), reinterpret_cast<uintptr_t>(keeper));
    // A report row: the player chosen, the report shown, the scout's title kept, Buy on.
    Pick(1, 0);
    EXPECT_EQ(page->GetSelectedPlayer(), keeper);
    EXPECT_EQ(page->GetSelectedStaff(), first);
    EXPECT_EQ(Text(2), platform::FormatMessageId(47066, {MarketText(34197), keeper->GetName()}));
    EXPECT_EQ(Text(0), platform::FormatMessageId(47066, {first->GetName(), first->GetJobTitle()}));
    EXPECT_EQ(page->GetReplyLines().size(), 1u);
    EXPECT_TRUE(page->GetPageButton(0)->IsEnabled());
    Save("scouts");
    // Another report keeps the list; another scout rebuilds it.
    Pick(1, 0);
    EXPECT_EQ(reports->GetRowCount(), 1);
    Pick(0, 1 - firstRow);
    EXPECT_EQ(page->GetSelectedStaff(), second);
    EXPECT_EQ(page->GetSelectedPlayer(), nullptr);
    EXPECT_EQ(reports->GetRowCount(), 0);
    EXPECT_FALSE(page->GetPageButton(0)->IsEnabled());
}

TEST_F(MarketPages, BuyingAScoutedPlayerRunsTheApproachChecks) {
    CEmployee* first = HireScout("Spotter");
    for (CScout& s : Club().Scouts())
        if (s.IsAssigned() && s.GetEmployee() == Club().Staff().FindIndex(first)) {
            CPlayer* watched[CScout::kMaxPlayers] = {back};
            std::string reply;
            ASSERT_EQ(s.MakeAssignment(reply, watched, true), CScout::kAssignDone);
        }
    Open(CPlayerScreen::kScoutsPage);
    Pick(1, 0);
    ASSERT_EQ(Page()->GetSelectedPlayer(), back);
    // Bid for before: the scouts page refuses whoever manages the club.
    Club().AddBidTarget(*back);
    Press(456);
    EXPECT_EQ(Page()->GetPage(), CPlayerScreen::kScoutsPage);
    ASSERT_FALSE(port.Boxes().empty());
    EXPECT_EQ(port.Boxes().back().text, platform::FormatMessageId(838, {Other().GetName(), back->GetName()}));
}

TEST_F(MarketPages, AUserWithoutAClubSeesNoScouts) {
    HireScout("Spotter");
    world.GetManagerList().GetAt(Club().GetManager())->SetClubIndex(-1);
    CPlayerScreen* page = Open(CPlayerScreen::kScoutsPage);
    EXPECT_EQ(page->GetPageList(0)->GetRowCount(), 0);
    EXPECT_EQ(page->GetSelectedStaff(), nullptr);
    EXPECT_EQ(page->GetPageList(1)->GetRowCount(), 0);
}

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

TEST_F(MarketPages, TipsFollowThePageThePersonAndTheArrowUnderThePointer) {
    // The spin arrows of page 47 ask the page, which names decrease and increase.
    CPlayerScreen* page = OpenList();
    Press(1034);
    CXSpinedit& field = page->GetSearchField(3);
    std::string tip;
    ASSERT_TRUE(page->GetArrowTip(static_cast<unsigned>(field.GetDownArrowId()), tip));
    EXPECT_EQ(tip, MarketText(333));
    ASSERT_TRUE(page->GetArrowTip(static_cast<unsigned>(field.GetUpArrowId()), tip));
    EXPECT_EQ(tip, MarketText(332));
    EXPECT_FALSE(page->GetArrowTip(12345, tip));
    // Through the field's own hot spots, as the pointer finds them.
    std::vector<std::string> spotTips;
    for (int i = 0; i < 2; ++i) {
        std::string t;
        if (field.GetToolTipText(i, t)) spotTips.push_back(t);
    }
    EXPECT_EQ(spotTips, (std::vector<std::string>{MarketText(333), MarketText(332)}));
    // A disabled field shows no tip.
    Press(1036);
    std::string hidden;
    EXPECT_FALSE(field.GetToolTipText(0, hidden));

    struct Case {
        const char* name;
        void* person;
        int kind;
        unsigned control, tip;
    };
    CEmployee* scout = Hire(Club(), CBasicEmployee::kScout, "Spotter");
    CEmployee* coach = Hire(Club(), CBasicEmployee::kHeadCoach, "Drillman");
    CEmployee* editor = Hire(Club(), 16, "Penman");
    const std::vector<Case> cases = {
        {"own player's release button", own, 0, 538, 20},
        {"own player's scout comments", own, 0, 799, 970},
        {"another club's player: transfer list", keeper, 0, 538, 597},
        {"another club's player: scout comments unchanged", keeper, 0, 799, 799},
        {"another club's player: approach", keeper, 0, 537, 542},
        {"own player: transfer list toggle", own, 0, 537, 598},
        {"a scout's comments", scout, 1, 800, 969},
        {"a coach's comments", coach, 1, 800, 1066},
        {"a job above 14 has no tip", editor, 1, 800, 0},
        {"an employee's release", coach, 1, 537, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPlayerScreen* person = Open(CPlayerScreen::kPersonPage, c.person, c.kind);
        EXPECT_EQ(person->GetTipId(c.control), c.tip);
    }
}

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

// The approach checks in their order, on each of the three pages that run
// them: the person page's action button, the transfer list's first "Buy
// Player" and the scouts page's "Buy Player" over a scout's report.
struct ApproachOutcome {
    int opens;      // the page the talks open on (0: none)
    unsigned text;  // the message shown (0: none); box or transfer-list panel
};
constexpr ApproachOutcome kNotThere{-1, 0};  // the page never offers him
struct ApproachCase {
    const char* name;
    ApproachOutcome person, list, scouts;
};
const ApproachCase kApproachCases[] = {
    {"Borrowed", {0, 837}, kNotThere, {0, 837}},
    {"UnlistedBeyondTheFunds", {0, 10203}, {0, 10203}, {0, 10203}},
    {"NoRoomInTheSquad", {0, 32862}, {0, 32862}, {0, 32862}},
    {"ListedFree", {62, 0}, {62, 1051}, {62, 0}},
    {"ListedFreeAlreadyBidFor", {0, 839}, {0, 0}, {0, 0}},
    {"AlreadyNegotiating", {0, 840}, {0, 840}, {0, 840}},
    {"AlreadyBidFor", {0, 839}, {0, 838}, {0, 838}},
    {"UnlistedAndTheClubRefuses", {0, 837}, {0, 837}, {0, 837}},
    {"TheClubsLastInHisPosition", {0, 838}, {0, 838}, {0, 838}},
    // The search never lists a man about to retire.
    {"UnwillingToTalk", {0, 838}, kNotThere, {0, 838}},
    {"Granted", {22, 0}, {22, 1050}, {22, 0}},
    {"Clubless", {62, 0}, kNotThere, {62, 0}},
    {"TheUsersOwn", {0, 0}, kNotThere, {0, 0}},
};
constexpr int kApproachPages[] = {CPlayerScreen::kPersonPage, CPlayerScreen::kTransferListPage,
                                  CPlayerScreen::kScoutsPage};

class ApproachChecks : public MarketPages, public ::testing::WithParamInterface<int> {
protected:
    const ApproachCase& Case() const { return kApproachCases[GetParam() / 3]; }
    int PageId() const { return kApproachPages[GetParam() % 3]; }
    // The case's man, the world set as the case says.
    CPlayer* Arrange(const std::string& name) {
        if (name == "Borrowed") {
            keeper->m_LoanWeeks = 4;
            return keeper;
        }
        if (name == "UnlistedBeyondTheFunds" || name == "UnlistedAndTheClubRefuses") {
            CPlayer* p = Listed(Other(), CSoccerPlayer::kMidfielder, "Quietman", -1);
            if (name == "UnlistedBeyondTheFunds") {
                broke = true;
            } else {
                CPopularity* row = world.GetPopularityList().GetAt(Other().GetPopularityIndex());
                EXPECT_NE(row, nullptr);
                if (row) row->m_UnlistedRefusalChance = 100;
            }
            return p;
        }
        if (name == "NoRoomInTheSquad") {
            for (int i = 0; i < 40 && Club().CanSignPlayer(CSoccerPlayer::kGoalkeeper) == 0; ++i)
                Sign(Club(), CSoccerPlayer::kGoalkeeper, "Glove" + std::to_string(i));
            EXPECT_EQ(Club().CanSignPlayer(CSoccerPlayer::kGoalkeeper), 32862);
            return keeper;
        }
        if (name == "ListedFree" || name == "ListedFreeAlreadyBidFor") {
            keeper->m_AskingPrice = 0;
            if (name == "ListedFreeAlreadyBidFor") Club().AddBidTarget(*keeper);
            return keeper;
        }
        if (name == "AlreadyNegotiating") {
            User().GetNegotiations().Add(WorldIndexOf(*back), 500000, 2, 0, 2);
            return back;
        }
        if (name == "AlreadyBidFor") {
            Club().AddBidTarget(*back);
            return back;
        }
        if (name == "TheClubsLastInHisPosition") {
            // Far keeps the five attackers it must: Farman is one of them.
            int moved = 0;
            for (int s = 0; s < kSquadSlots && moved < 2; ++s) {
                const CPlayer* p = Far().PlayerInSlot(s);
                if (p && p != abroad && p->GetPosition() == CSoccerPlayer::kAttacker) {
                    Far().SellPlayer(uint16_t(WorldIndexOf(*p)), 0, Other(), false, true);
                    ++moved;
                }
            }
            EXPECT_EQ(Far().CountAvailableInPosition(CSoccerPlayer::kAttacker), 5);
            return abroad;
        }
        if (name == "UnwillingToTalk") {
            back->Person().SetStatus(CPerson::kStatusRetiring);
            return back;
        }
        if (name == "Granted") return back;
        if (name == "Clubless") {
            CPlayer* p = world.GetPlayer(AddPlayer(CSoccerPlayer::kDefender));
            p->Person().SetSurname("Loneman");
            p->Person().SetContractYears(0);
            p->Person().SetAge(29);
            return p;
        }
        return own;
    }
    bool broke = false;
    double balance = 0;
    std::string Expected(unsigned id, const CPlayer& p) {
        const std::string his = p.GetClub() ? p.GetClub()->GetName() : std::string();
        switch (id) {
            case 837: return platform::FormatMessageId(837, {p.GetName(), Club().GetName()});
            case 838:
            case 1050: return platform::FormatMessageId(id, {his, p.GetName()});
            case 839:
            case 840:
            case 1051: return platform::FormatMessageId(id, {p.GetName()});
            default: return MarketText(id);
        }
    }
    // Just before the press: the balance then, emptied when the case is broke
    // (after a scout was paid for his report).
    void BeforePress() {
        if (broke) Club().SetBankBalance(0);
        balance = Club().GetBankBalance();
    }
    // Puts him before the page as a user would and presses its approach.
    // False when the page never offers him.
    bool Approach(CPlayer* p) {
        switch (PageId()) {
            case CPlayerScreen::kPersonPage:
                Open(CPlayerScreen::kPersonPage, p, kPersonListPlayers);
                BeforePress();
                Press(537);
                return true;
            case CPlayerScreen::kTransferListPage: {
                if (p->GetClub()) {
                    TreeNotice node;
                    node.level = 4;
                    node.data = reinterpret_cast<uintptr_t>(p->GetClub());
                    g_nTreeSelectionData = node.data;
                    g_nTreeSelectionLevel = 4;
                }
                OpenList();
                // The view that lists him: listed, free, out of contract or unlisted.
                for (int step = 0; step < 4 && RowOf(p) < 0; ++step) Page()->OnViewStep(true);
                if (RowOf(p) < 0) return false;
                Pick(0, RowOf(p));
                BeforePress();
                Press(1046);
                return true;
            }
            default: {
                HireScout("Spotter");
                for (CScout& s : Club().Scouts())
                    if (s.IsAssigned()) {
                        CPlayer* watched[CScout::kMaxPlayers] = {p};
                        std::string reply;
                        EXPECT_EQ(s.MakeAssignment(reply, watched, true), CScout::kAssignDone) << reply;
                        break;
                    }
                Open(CPlayerScreen::kScoutsPage);
                Pick(1, 0);
                if (Page()->GetSelectedPlayer() != p) return false;
                BeforePress();
                Press(456);
                return true;
            }
        }
    }
};

TEST_P(ApproachChecks, FollowTheirOrderOnEachPage) {
    const ApproachCase& c = Case();
    const ApproachOutcome want = PageId() == CPlayerScreen::kPersonPage       ? c.person
                                 : PageId() == CPlayerScreen::kTransferListPage ? c.list
                                                                                : c.scouts;
    CPlayer* p = Arrange(c.name);
    ASSERT_NE(p, nullptr);
    const std::string pName = p->GetName();
    const size_t boxes = port.Boxes().size();
    const bool offered = Approach(p);
    if (want.opens < 0) {
        EXPECT_FALSE(offered) << "the page never offers him";
        return;
    }
    ASSERT_TRUE(offered);
    std::string shown;
    if (port.Boxes().size() > boxes) shown = port.Boxes().back().text;
    else if (PageId() == CPlayerScreen::kTransferListPage && !Page()->GetBuyLines().empty())
        shown = Page()->GetBuyLines().front();
    EXPECT_EQ(shown, want.text ? Expected(want.text, *p) : std::string());
    if (PageId() == CPlayerScreen::kTransferListPage && Page()->GetPage() == CPlayerScreen::kTransferListPage) {
        // Granted: the button asks again; its second press opens the talks.
        CXButton* buy = Page()->GetPageButton(CPlayerScreen::kBuyButton);
        EXPECT_EQ(Page()->BuyReady(), want.opens != 0);
        EXPECT_EQ(buy->IsEnabled(), want.opens != 0);
        if (want.opens) {
            EXPECT_EQ(buy->Text(), MarketText(1101));
            Press(1046);
        }
    }
    const int expectedPage = want.opens ? want.opens : PageId();
    ASSERT_EQ(Page()->GetPage(), expectedPage);
    if (want.opens) {
        EXPECT_EQ(Page()->m_pSubject, p);
        if (want.opens == CPlayerScreen::kContractPage) {
            EXPECT_EQ(Page()->m_nSubjectValue, 0) << "a free signing has no fee";
        }
    }
    EXPECT_EQ(Club().GetBankBalance(), balance) << "an approach costs nothing";
    EXPECT_EQ(p->GetName(), pName);
}

std::string ApproachName(const ::testing::TestParamInfo<int>& info) {
    static const char* pages[] = {"Person", "TransferList", "Scouts"};
    return std::string(kApproachCases[info.param / 3].name) + "On" + pages[info.param % 3];
}

INSTANTIATE_TEST_SUITE_P(Steps, ApproachChecks,
                         ::testing::Range(0, static_cast<int>(std::size(kApproachCases)) * 3), ApproachName);

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

TEST_F(MarketPages, ARatingNoScoutReportedShowsAsUnknown) {
    back->Football().SetKnownBy(0);
    OpenList();
    CListControl* list = Page()->GetPageList(0);
    ASSERT_GE(RowOf(keeper), 0);
    ASSERT_GE(RowOf(back), 0);
    EXPECT_STREQ(list->GetItemText(RowOf(keeper), 2), "?");
    EXPECT_EQ(list->GetItemText(RowOf(back), 2), std::to_string(back->GetAbility()));
}

}  // namespace
}  // namespace playertest
