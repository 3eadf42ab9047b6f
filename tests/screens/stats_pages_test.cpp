// The league tables and statistics pages (8, 32, 42, 49) over a real game:
// the table and the current form of a division, what a federation or a
// country shows, the top-50 lists of a scope, and the cup groups that the
// league table offers in the tree.
#include <algorithm>
#include <filesystem>

#include "platform/stringtable.h"
#include "screens/competitions_fixture.h"
#include "screens/statsscreen.h"
#include "shell/view.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/tabledata.h"
#include "ui/listcontrol.h"

namespace competitionstest {
namespace {

class StatsPages : public CompetitionPages {
protected:
    void SetUp() override {
        CompetitionPages::SetUp();
        CStatsScreen::FormMode() = 0;
    }
    void TearDown() override {
        CStatsScreen::FormMode() = 0;
        CompetitionPages::TearDown();
    }
    CStatsScreen* OpenStats(int screen) { return Open<CStatsScreen>(PageClass::Stats, screen); }
    CFederation* Federation() {
        for (int f = 0; f < W().GetFederationList().GetSize(); ++f) {
            CFederation* fed = W().GetFederation(f);
            for (int i = 0; fed && i < fed->GetCountryCount(); ++i)
                if (fed->GetCountryIndex(i) == kCompetitionsScotland) return fed;
        }
        return nullptr;
    }
};

TEST_F(StatsPages, TheLeagueTableListsEveryClubAtItsPlaceAndTheFormModeOutlivesThePage) {
    RunDays(40);
    CStatsScreen* page = OpenStats(CStatsScreen::kLeagueTablePage);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Select(top));
    CListControl& list = *page->GetStatsList();
    ASSERT_EQ(list.GetRowCount(), top->GetClubCount());
    for (int i = 0; i < top->GetClubCount(); ++i) {
        const CClub* c = W().GetClub(top->GetFirstClub() + i);
        const int p = c->LeagueRow().m_Position;
        SCOPED_TRACE(c->GetName());
        EXPECT_EQ(std::string(list.GetItemText(p, 2)), c->GetName());
        EXPECT_EQ(std::string(list.GetItemText(p, 0)), std::to_string(p + 1));
        EXPECT_EQ(std::string(list.GetItemText(p, 9)), std::to_string(c->LeagueRow().m_Points));
    }
    EXPECT_EQ(page->GetHeading()->GetText(), top->GetName());
    EXPECT_EQ(page->GetCaption()->GetText(), "League Table");
    EXPECT_FALSE(page->GetTableButton()->IsEnabled());
    EXPECT_TRUE(page->GetFormButton()->IsEnabled()) << "the country is followed";

    PageCommand(CStatsScreen::kCurrentForm);
    EXPECT_EQ(page->GetCaption()->GetText(), "Current Form");
    EXPECT_EQ(CStatsScreen::FormMode(), 1);
    EXPECT_FALSE(page->GetFormButton()->IsEnabled());
    EXPECT_TRUE(page->GetTableButton()->IsEnabled());
    EXPECT_EQ(list.GetRowCount(), top->GetClubCount());

    // Another page and back: the form table again.
    OpenStats(CStatsScreen::kScorersPage);
    page = OpenStats(CStatsScreen::kLeagueTablePage);
    ASSERT_TRUE(Select(top));
    EXPECT_EQ(page->GetCaption()->GetText(), "Current Form");
    PageCommand(CStatsScreen::kLeagueTable);
    EXPECT_EQ(CStatsScreen::FormMode(), 0);
    EXPECT_EQ(page->GetCaption()->GetText(), "League Table");
}

TEST_F(StatsPages, AFederationOrACountryShowsNoTableAndDisablesBothButtons) {
    CStatsScreen* page = OpenStats(CStatsScreen::kLeagueTablePage);
    ASSERT_TRUE(Select(top));
    ASSERT_GT(page->GetStatsList()->GetRowCount(), 0);
    for (const void* scope : {static_cast<const void*>(&Scotland()), static_cast<const void*>(Federation())}) {
        ASSERT_NE(scope, nullptr);
        ASSERT_TRUE(Select(scope));
        EXPECT_FALSE(page->GetFormButton()->IsEnabled());
        EXPECT_FALSE(page->GetTableButton()->IsEnabled());
    }
}

TEST_F(StatsPages, WithoutADivisionSelectedTheTableIsEmptyAndBothButtonsDisabled) {
    g_nTreeSelectionLevel = 0;
    g_nTreeSelectionData = 0;
    g_nTreeSelectionKind = 255;
    CStatsScreen* page = OpenStats(CStatsScreen::kLeagueTablePage);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Select(&Scotland()));
    page->BuildPage();
    EXPECT_EQ(page->GetStatsList()->GetRowCount(), 0);
    EXPECT_FALSE(page->GetFormButton()->IsEnabled());
    EXPECT_FALSE(page->GetTableButton()->IsEnabled());
}

TEST_F(StatsPages, ADivisionOfACountryNotFollowedNeverShowsTheFormTable) {
    CStatsScreen* page = OpenStats(CStatsScreen::kLeagueTablePage);
    ASSERT_TRUE(Select(top));
    PageCommand(CStatsScreen::kCurrentForm);
    ASSERT_EQ(CStatsScreen::FormMode(), 1);
    // The country stops being followed in detail; its division is picked.
    Scotland().SetFollowLevel(kNotFollowed);
    ASSERT_TRUE(Select(top));
    EXPECT_EQ(CStatsScreen::FormMode(), 0) << "selecting it switched the form mode off";
    EXPECT_EQ(page->GetCaption()->GetText(), "League Table");
    EXPECT_FALSE(page->GetFormButton()->IsEnabled());
    Scotland().SetFollowLevel(kFollowed);
}

TEST_F(StatsPages, AnEmptyScorerOrManagerListShowsNoDataAvailable) {
    // Before a ball is kicked nobody has scored twice.
    CStatsScreen* page = OpenStats(CStatsScreen::kScorersPage);
    ASSERT_TRUE(Select(top));
    EXPECT_EQ(page->GetStatsList()->GetRowCount(), 0);
    EXPECT_FALSE(page->GetStatsList()->IsVisible());
    ASSERT_NE(page->GetNoDataLabel(), nullptr);
    EXPECT_TRUE(page->GetNoDataLabel()->IsVisible());
    EXPECT_EQ(page->GetNoDataLabel()->GetText(), "No Data Available");

    page = OpenStats(CStatsScreen::kManagerRatingsPage);
    ASSERT_TRUE(Select(top));
    EXPECT_GT(page->GetStatsList()->GetRowCount(), 0) << "every club has a manager";
    EXPECT_TRUE(page->GetStatsList()->IsVisible());
    EXPECT_FALSE(page->GetNoDataLabel()->IsVisible());
}

// The lists rank the whole scope, then keep its top fifty.
TEST_F(StatsPages, TheTopListsHoldTheTopFiftyOfTheWholeScope) {
    RunDays(70);
    struct Case {
        int screen;
        int column;
    };
    for (const Case& c : {Case{CStatsScreen::kScorersPage, 5}, Case{CStatsScreen::kGatesPage, 5},
                          Case{CStatsScreen::kManagerRatingsPage, 3}}) {
        SCOPED_TRACE(c.screen);
        CStatsScreen* page = OpenStats(c.screen);
        ASSERT_TRUE(Select(&Scotland()));
        CListControl& list = *page->GetStatsList();
        ASSERT_GT(list.GetRowCount(), 0);
        EXPECT_EQ(page->GetHeading()->GetText(), Scotland().GetName());
        const int shown = std::min(list.GetRowCount(), CStatsScreen::kTopRows);
        EXPECT_EQ(list.m_nRowLimit, CStatsScreen::kTopRows);
        std::vector<int> all;
        for (int r = 0; r < list.GetRowCount(); ++r) all.push_back(std::atoi(list.GetItemText(r, c.column)));
        std::vector<int> best = all;
        std::sort(best.rbegin(), best.rend());
        for (int r = 0; r < shown; ++r) EXPECT_EQ(all[size_t(r)], best[size_t(r)]) << "row " << r;
    }
}

// A group round of a cup that has been played is offered as "Group n"
// entries under the cup; picking one shows its table.
TEST_F(StatsPages, PlayedCupGroupsAreOfferedInTheTreeAndGiveOneRowPerClub) {
    // The country's own cups play no groups; the federation's champions'
    // cup, which its top clubs enter, does.
    CCup* grouped = nullptr;
    for (auto& cup : Scotland().GetCups())
        if (cup->m_Rounds.GetFirstGroupRound()) grouped = cup.get();
    for (auto& cup : W().GetFederationCupList())
        if (!grouped && cup->m_Rounds.GetFirstGroupRound()) grouped = cup.get();
    ASSERT_NE(grouped, nullptr) << "the world has a cup with a group round";
    CMatchTime first;
    ASSERT_TRUE(grouped->m_Rounds.GetFirstGroupRound()->GetFirstLegDate(first));
    for (int d = 0; d < 200 && W().GetMatchDay() <= first.GetMatchDay(); ++d) RunDays(1);
    CStatsScreen* page = OpenStats(CStatsScreen::kLeagueTablePage);
    const auto& groups = page->GetGroupEntries();
    ASSERT_FALSE(groups.empty());
    const CStatsScreen::GroupEntry entry = groups.front();
    EXPECT_EQ(entry.node->text, "Group 1");
    ASSERT_TRUE(Select(entry.round, 0));
    EXPECT_TRUE(page->ShowsCupGroup());
    CExtDWordArray clubs;
    entry.round->CollectGroupClubs(0, clubs, grouped->m_Rounds.GetNextRound(entry.round));
    EXPECT_EQ(page->GetStatsList()->GetRowCount(), clubs.GetSize());
    EXPECT_EQ(page->GetHeading()->GetText(), "Group 1 - " + std::string(grouped->m_Name));
    EXPECT_FALSE(page->GetFormButton()->IsEnabled());
    SaveShot("tables-cup-group");
    // Leaving the page takes the entries away, and the selection with
    // them: the next page never reads the round as something else.
    OpenStats(CStatsScreen::kScorersPage);
    EXPECT_EQ(manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(entry.round), 0), nullptr);
    EXPECT_NE(g_nTreeSelectionData, reinterpret_cast<uintptr_t>(entry.round));
    EXPECT_NE(manager->FindTreeItem(g_nTreeSelectionData), nullptr);
}

TEST_F(StatsPages, PrintingTheLeagueTableDrawsItsHeadingsAndRows) {
    CStatsScreen* page = OpenStats(CStatsScreen::kLeagueTablePage);
    ASSERT_TRUE(Select(top));
    EXPECT_EQ(page->HasGraph(), 1);
    std::string title, h1, h2, h3;
    page->GetHeadings(title, h1, h2, h3);
    EXPECT_EQ(title, "League Table");
    EXPECT_EQ(h1, club->GetName());
    EXPECT_EQ(h2, W().GetDateText());
    EXPECT_EQ(h3, club->GetManagerNameOrNone());
    EXPECT_EQ(OpenStats(CStatsScreen::kScorersPage)->HasGraph(), 0);
}

}  // namespace
}  // namespace competitionstest
