// The manager section over a real game: the hub's bank manager, doctor and
// job agency, Manager of the Month for a division and the honours list.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/competitions_fixture.h"
#include "screens/managerscreen.h"
#include "screens/statsscreen.h"
#include "soccerclasses/employee.h"
#include "ui/listcontrol.h"

namespace competitionstest {
namespace {

class ManagerPages : public CompetitionPages {
protected:
    CManagerScreen* OpenManager(int screen) { return Open<CManagerScreen>(PageClass::Manager, screen); }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    int CountMessages(uint8_t code) {
        int n = 0;
        for (int s = 0; s < CHumanManager::kInboxSlots; ++s) n += User().GetMessage(s).code == code;
        return n;
    }
    CEmployee* StaffOfKind(CManagerScreen& hub, uint8_t kind) {
        CListControl* list = hub.GetStaffList();
        for (int r = 0; list && r < list->GetRowCount(); ++r)
            if (auto* e = reinterpret_cast<CEmployee*>(list->GetItemData(r)); e && e->m_JobKind == kind) return e;
        return nullptr;
    }
    std::vector<std::string> Ask(CManagerScreen& hub, CEmployee* e) {
        hub.SelectAdvisor(e);
        return hub.GetAdvisorLines();
    }
};

TEST_F(ManagerPages, TheAdvisersReadTheirCodesAndTheAgencyFallsBackOnce) {
    CManagerScreen* hub = OpenManager(CManagerScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CEmployee* bank = StaffOfKind(*hub, CManagerScreen::kBankManager);
    CEmployee* doctor = StaffOfKind(*hub, CManagerScreen::kDoctor);
    CEmployee* agency = StaffOfKind(*hub, CManagerScreen::kJobAgency);
    ASSERT_NE(agency, nullptr) << "the user's own contacts";
    for (int pass = 0; pass < 2; ++pass) EXPECT_EQ(Ask(*hub, agency), std::vector<std::string>{platform::LoadString(33310)});
    EXPECT_EQ(CountMessages(238), 1) << "stored once";
    User().AddMessage(147, "Kestrel Vale", "", "", -1);
    EXPECT_EQ(Ask(*hub, agency), std::vector<std::string>{platform::FormatMessageId(33181, {"Kestrel Vale"})});

    struct Case {
        CEmployee* who;
        uint8_t code;
        unsigned text;
    };
    std::vector<Case> cases;
    for (int c = 48; c <= 53; ++c) cases.push_back({bank, static_cast<uint8_t>(c), 32961u + unsigned(c - 48)});
    for (int c = 54; c <= 59; ++c) cases.push_back({doctor, static_cast<uint8_t>(c), 32967u + unsigned(c - 54)});
    for (const Case& c : cases) {
        if (!c.who) continue;
        SCOPED_TRACE(int(c.code));
        User().AddMessage(c.code, "1,000", "", "", -1);
        const auto lines = Ask(*hub, c.who);
        EXPECT_NE(std::find(lines.begin(), lines.end(), platform::FormatMessageId(c.text, {"1,000"})), lines.end());
    }
}

// Out of work, the hub still lists his own contacts: the job agency is there
// to be asked.
TEST_F(ManagerPages, AManagerOutOfWorkCanStillAskTheJobAgency) {
    CManager* m = W().GetCurrentManager();
    const int clubIndex = m->GetClubIndex();
    m->SetClubIndex(-1);
    CManagerScreen* hub = OpenManager(CManagerScreen::kHubPage);
    CEmployee* agency = StaffOfKind(*hub, CManagerScreen::kJobAgency);
    ASSERT_NE(agency, nullptr);
    EXPECT_EQ(StaffOfKind(*hub, CBasicEmployee::kAssistantManager), nullptr) << "no club staff";
    EXPECT_EQ(Ask(*hub, agency), std::vector<std::string>{platform::LoadString(33310)});
    m->SetClubIndex(clubIndex);
}

TEST_F(ManagerPages, EmptyListsShowNoDataAvailableAndADivisionPickedFillsTheMonthPage) {
    CManagerScreen* month = OpenManager(CManagerScreen::kMonthPage);
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->GetDivision(), top);
    EXPECT_EQ(month->GetHeading()->GetText(), std::string(top->GetName()));
    EXPECT_FALSE(month->GetPageList()->IsVisible()) << "no month has ended yet";
    EXPECT_TRUE(month->GetNoDataLabel()->IsVisible());
    EXPECT_EQ(month->GetNoDataLabel()->GetText(), "No Data Available");
    // Country and federation rows change nothing; a division is taken.
    ASSERT_TRUE(Select(&Scotland()));
    EXPECT_EQ(month->GetDivision(), top);
    CDivision* second = Scotland().GetDivision(1);
    ASSERT_TRUE(Select(second));
    EXPECT_EQ(month->GetDivision(), second);
    EXPECT_EQ(month->GetHeading()->GetText(), std::string(second->GetName()));

    CManagerScreen* honours = OpenManager(CManagerScreen::kHonoursPage);
    EXPECT_EQ(honours->GetHeading()->GetText(), User().GetManagerName());
    EXPECT_EQ(honours->GetPageList()->GetRowCount(), 0);
    EXPECT_TRUE(honours->GetNoDataLabel()->IsVisible());
}

TEST_F(ManagerPages, TheSectionButtonsAndTheMenuOpenTheirPages) {
    struct Case {
        uint32_t command;
        int screen;
    };
    for (const Case& c : {Case{CManagerScreen::kMonth, CManagerScreen::kMonthPage},
                          Case{CManagerScreen::kHonoursMenu, CManagerScreen::kHonoursPage},
                          Case{CManagerScreen::kRatings, CStatsScreen::kManagerRatingsPage}}) {
        SCOPED_TRACE(c.command);
        OpenManager(CManagerScreen::kHubPage);
        PageCommand(c.command);
        EXPECT_EQ(g_nCurrentScreen, c.screen);
    }
}

}  // namespace
}  // namespace competitionstest
