// The discipline section over a real game: the hub's advisers, and the
// fair-play, player and referee tables for the scope of the tree.
#include <algorithm>
#include <cstdlib>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/competitions_fixture.h"
#include "screens/disciplinescreen.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/player.h"
#include "ui/listcontrol.h"

namespace competitionstest {
namespace {

class DisciplinePages : public CompetitionPages {
protected:
    CDisciplineScreen* OpenDiscipline(int screen) { return Open<CDisciplineScreen>(PageClass::Discipline, screen); }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    int CountMessages(uint8_t code) {
        int n = 0;
        for (int s = 0; s < CHumanManager::kInboxSlots; ++s) n += User().GetMessage(s).code == code;
        return n;
    }
    CEmployee* StaffOfKind(CDisciplineScreen& hub, uint8_t kind) {
        CListControl* list = hub.GetStaffList();
        for (int r = 0; list && r < list->GetRowCount(); ++r)
            if (auto* e = reinterpret_cast<CEmployee*>(list->GetItemData(r)); e && e->m_JobKind == kind) return e;
        return nullptr;
    }
    std::vector<int> Column(CListControl& list, int col) {
        std::vector<int> out;
        for (int r = 0; r < list.GetRowCount(); ++r) out.push_back(std::atoi(list.GetItemText(r, col)));
        return out;
    }
};

// Each adviser reads the codes 163 to 166 in his own words, and falls back
// on a line stored once.
TEST_F(DisciplinePages, TheAdvisersSpeakInTheirOwnWordsAndFallBackOnceEach) {
    CDisciplineScreen* hub = OpenDiscipline(CDisciplineScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CEmployee* assistant = StaffOfKind(*hub, CBasicEmployee::kAssistantManager);
    CEmployee* secretary = StaffOfKind(*hub, CDisciplineScreen::kLeagueSecretary);
    if (!assistant) {
        club->HireNewEmployee(CBasicEmployee::kAssistantManager);
        hub = OpenDiscipline(CDisciplineScreen::kHubPage);
        assistant = StaffOfKind(*hub, CBasicEmployee::kAssistantManager);
        secretary = StaffOfKind(*hub, CDisciplineScreen::kLeagueSecretary);
    }
    ASSERT_NE(assistant, nullptr);
    for (int pass = 0; pass < 2; ++pass) {
        hub->SelectAdvisor(assistant);
        EXPECT_EQ(hub->GetAdvisorLines(), std::vector<std::string>{platform::LoadString(51114)});
    }
    EXPECT_EQ(CountMessages(246), 1);
    if (secretary) {
        for (int pass = 0; pass < 2; ++pass) {
            hub->SelectAdvisor(secretary);
            EXPECT_EQ(hub->GetAdvisorLines(),
                      std::vector<std::string>{"The League Secretary is too busy to speak to you at the moment."});
        }
        EXPECT_EQ(CountMessages(235), 1);
    }
    struct Case {
        uint8_t code;
        unsigned assistantText, secretaryText;
    };
    for (const Case& c : {Case{163, 51109, 51122}, Case{164, 51110, 51123}, Case{165, 51111, 51124},
                          Case{166, 51112, 51125}}) {
        SCOPED_TRACE(int(c.code));
        User().AddMessage(c.code, "", "", "", -1);
        hub->SelectAdvisor(assistant);
        const auto& a = hub->GetAdvisorLines();
        EXPECT_NE(std::find(a.begin(), a.end(), platform::LoadString(c.assistantText)), a.end());
        if (secretary) {
            hub->SelectAdvisor(secretary);
            const auto& s = hub->GetAdvisorLines();
            EXPECT_NE(std::find(s.begin(), s.end(), platform::LoadString(c.secretaryText)), s.end());
        }
    }
}

// A message carries three texts; the four-name line leaves its fourth empty.
TEST_F(DisciplinePages, FourPlayersSentOffLeavesTheFourthNameEmpty) {
    CDisciplineScreen* hub = OpenDiscipline(CDisciplineScreen::kHubPage);
    CEmployee* assistant = StaffOfKind(*hub, CBasicEmployee::kAssistantManager);
    if (!assistant) {
        club->HireNewEmployee(CBasicEmployee::kAssistantManager);
        hub = OpenDiscipline(CDisciplineScreen::kHubPage);
        assistant = StaffOfKind(*hub, CBasicEmployee::kAssistantManager);
    }
    ASSERT_NE(assistant, nullptr);
    User().AddMessage(160, "Ames", "Bell", "Cole", -1);
    hub->SelectAdvisor(assistant);
    const std::string want =
        "Four players sent off in the last game boss Ames, Bell, Cole and . I think you're going to have to have a "
        "real go at them as we can't be expected to do well with just 7 men on the pitch.";
    const auto& lines = hub->GetAdvisorLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), want), lines.end());
}

TEST_F(DisciplinePages, PlayerDisciplineOpensOnlyForAnEmployedManager) {
    CDisciplineScreen* hub = OpenDiscipline(CDisciplineScreen::kHubPage);
    CManager* m = W().GetCurrentManager();
    const int clubIndex = m->GetClubIndex();
    m->SetClubIndex(-1);
    PageCommand(CDisciplineScreen::kPlayerDiscipline);
    EXPECT_EQ(manager->GetCurrentPage(), hub);
    m->SetClubIndex(clubIndex);
    PageCommand(CDisciplineScreen::kPlayerDiscipline);
    EXPECT_EQ(g_nCurrentScreen, CDisciplineScreen::kPlayerPage);
}

TEST_F(DisciplinePages, TheTablesRankTheWholeScopeOnPointsAndAClubScopeHasNoFairPlayOrReferees) {
    RunDays(60);
    struct Case {
        int screen;
        int points;
    };
    for (const Case& c : {Case{CDisciplineScreen::kClubPage, 5}, Case{CDisciplineScreen::kPlayerPage, 5},
                          Case{CDisciplineScreen::kRefereePage, 4}}) {
        SCOPED_TRACE(c.screen);
        CDisciplineScreen* page = OpenDiscipline(c.screen);
        ASSERT_TRUE(Select(&Scotland()));
        EXPECT_EQ(page->GetScopeLabel()->GetText(), Scotland().GetName());
        CListControl& list = *page->GetDisciplineList();
        ASSERT_GT(list.GetRowCount(), 0);
        EXPECT_TRUE(list.IsVisible());
        EXPECT_EQ(list.m_nRowLimit, CDisciplineScreen::kTopRows);
        const std::vector<int> points = Column(list, c.points);
        std::vector<int> best = points;
        std::sort(best.rbegin(), best.rend());
        const size_t shown = std::min<size_t>(points.size(), CDisciplineScreen::kTopRows);
        for (size_t r = 0; r < shown; ++r) EXPECT_EQ(points[r], best[r]) << "row " << r;

        ASSERT_TRUE(Select(club));
        if (c.screen == CDisciplineScreen::kPlayerPage) {
            EXPECT_GT(list.GetRowCount(), 0);
        } else {
            EXPECT_EQ(list.GetRowCount(), 0);
            EXPECT_FALSE(list.IsVisible());
            EXPECT_TRUE(page->GetNoDataLabel()->IsVisible());
            EXPECT_EQ(page->GetNoDataLabel()->GetText(), "No Data Available");
        }
    }
}

TEST_F(DisciplinePages, PlayerPointsAreThreeAPerBookingAndSixPerSendingOff) {
    RunDays(60);
    CDisciplineScreen* page = OpenDiscipline(CDisciplineScreen::kPlayerPage);
    ASSERT_TRUE(Select(top));
    CListControl& list = *page->GetDisciplineList();
    ASSERT_GT(list.GetRowCount(), 0);
    for (int r = 0; r < std::min(list.GetRowCount(), 50); ++r) {
        const int yellow = std::atoi(list.GetItemText(r, 3)), red = std::atoi(list.GetItemText(r, 4));
        EXPECT_EQ(std::atoi(list.GetItemText(r, 5)), (yellow + 2 * red) * 3) << "row " << r;
    }
}

TEST_F(DisciplinePages, TheWorldScopeIsHeadedRestOfTheWorldAndPage88ShowsTheScopeAsItsTitle) {
    EXPECT_EQ(CDisciplineScreen::ScopeName(0, 0, 0), "Rest of the World");
    CDisciplineScreen* page = OpenDiscipline(CDisciplineScreen::kRefereeInfoPage);
    ASSERT_TRUE(Select(top));
    EXPECT_EQ(page->GetScopeLabel()->GetText(), std::string(top->GetName()));
    EXPECT_EQ(page->GetDisciplineList(), nullptr);
}

}  // namespace
}  // namespace competitionstest
