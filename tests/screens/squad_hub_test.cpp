// The squad hub (page 100) and the section hub it is built on: the staff
// list, the advisor panel's table and fallbacks, the section buttons.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/playerscreen.h"
#include "screens/squad_fixture.h"
#include "shell/history.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "ui/listcontrol.h"

namespace squadtest {
namespace {

class SquadHub : public SquadPages {
protected:
    void SetUp() override {
        SquadPages::SetUp();
        HireSquadStaff();
    }
    CEmployee* Staff(uint8_t kind) { return Club().Staff().FindKind(kind); }
    // The advisor's lines for a kind, the panel rebuilt `visits` times.
    std::vector<std::string> Advise(uint8_t kind, int visits = 1) {
        CSquadScreen* page = Page() ? Page() : Open(CSquadScreen::kHubPage);
        for (int i = 0; i < visits; ++i) page->SelectAdvisor(Staff(kind));
        return page->GetAdvisorLines();
    }
    int InboxCount(uint8_t code) {
        const auto inbox = User().GetInbox();
        return static_cast<int>(std::count_if(inbox.begin(), inbox.end(), [code](const auto& m) { return m.code == code; }));
    }
    CInjury& InjureFor(uint16_t player, int timeOut, bool absence) {
        Injure(player);
        CInjury& in = *world.GetInjuryList().GetAt(world.GetPlayer(player)->m_Injury);
        in.m_TimeLeft = static_cast<uint8_t>(timeOut);
        in.m_Absence = absence ? 1 : 0;
        in.m_Kind = 5;
        return in;
    }
    static std::string Text(unsigned id, std::initializer_list<platform::MsgArg> args) {
        return platform::FormatMessageId(id, args);
    }
};

TEST_F(SquadHub, BuildsItsNineControlsAtTheirPlaces) {
    CSquadScreen* page = Open(CSquadScreen::kHubPage);
    ASSERT_NE(page, nullptr);
    struct Want {
        uint32_t id;
        int x;
    };
    const Want buttons[] = {{10005, 23}, {10041, 121}, {10036, 219}, {10037, 317}, {10027, 415}, {10181, 513}};
    ASSERT_EQ(page->GetButtonCount(), 6);
    for (int i = 0; i < 6; ++i) {
        const Rect r = page->GetButton(i).WindowRect();
        EXPECT_EQ(page->GetButton(i).Id(), buttons[i].id);
        EXPECT_EQ(r, Rect::XYWH(buttons[i].x, 378, 84, 84));
        EXPECT_EQ(page->GetButton(i).GetFrameCount(), 8) << "every frame of the section button loads";
    }
    ASSERT_EQ(page->GetListCount(), 1);
    EXPECT_EQ(page->GetList(0).WindowRect(), Rect::XYWH(23, 233, 553, 112));
    EXPECT_EQ(page->GetList(0).GetColumnCount(), 3);
    EXPECT_EQ(page->GetList(0).GetColumnFormat(1) & kColumnNumber, kColumnNumber);
    ASSERT_NE(page->GetAdvisorLabel(), nullptr);
    EXPECT_EQ(page->GetLabel(1).GetText(), "Squad Screens");
    const Rect panel = page->GetAdvisorPanel().WindowRect();
    EXPECT_EQ(panel.left, CSectionHub::kPanelRect.left);
    EXPECT_EQ(panel.top, CSectionHub::kPanelRect.top);
    EXPECT_EQ(panel.bottom, CSectionHub::kPanelRect.bottom);
}

TEST_F(SquadHub, ListsTheSquadStaffAndShowsTheFirstAsAdvisor) {
    CSquadScreen* page = Open(CSquadScreen::kHubPage);
    CListControl& list = page->GetList(0);
    ASSERT_EQ(list.GetRowCount(), 4);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_STREQ(list.GetItemText(0, 1), "70");
    CEmployee* coach = Staff(CBasicEmployee::kHeadCoach);
    EXPECT_EQ(page->GetAdvisor(), coach);
    EXPECT_EQ(page->GetAdvisorLabel()->GetText(), Text(48001, {coach->GetName(), coach->GetJobTitle()}));
    bool face = false;
    for (int i = 0; i < page->GetOverlayCount(); ++i)
        face |= page->GetOverlay(i)->x == CSectionHub::kFaceX && page->GetOverlay(i)->y == CSectionHub::kFaceY;
    EXPECT_TRUE(face) << "the advisor's face stands at (39, 104)";
    Save("squad-hub");
}

TEST_F(SquadHub, OutOfWorkTheListIsEmptyAndNoSectionOpens) {
    world.GetManagerList().GetAt(Club().GetManager())->m_History[0].m_Club = -1;
    CSquadScreen* page = Open(CSquadScreen::kHubPage);
    EXPECT_EQ(page->GetList(0).GetRowCount(), 0);
    EXPECT_EQ(page->GetAdvisor(), nullptr);
    EXPECT_TRUE(page->GetAdvisorLines().empty());
    const int entries = manager.GetHistory().GetCount();
    EXPECT_TRUE(page->OpenSection(CSquadScreen::kPhysio));
    EXPECT_EQ(Page(), page);
    EXPECT_EQ(manager.GetHistory().GetCount(), entries);
}

TEST_F(SquadHub, EachSectionButtonOpensItsPageAndRecordsIt) {
    struct Case {
        uint32_t command;
        int screen;
    };
    const Case cases[] = {{10005, 4}, {10041, 40}, {10036, 35}, {10037, 36}, {10027, 26}, {10181, 80}};
    for (const Case& c : cases) {
        Open(CSquadScreen::kHubPage);
        const int before = manager.GetHistory().GetCount();
        ASSERT_TRUE(Page()->OpenSection(c.command));
        Drain();
        EXPECT_EQ(g_nCurrentScreen, c.screen);
        EXPECT_EQ(manager.GetHistory().GetAt(manager.GetHistory().GetCurrent())->screenId, c.screen);
        EXPECT_GE(manager.GetHistory().GetCount(), std::min(before + 1, CHistory::kMaxEntries));
    }
}

TEST_F(SquadHub, AClickOnTheSectionButtonOpensThePhysio) {
    Open(CSquadScreen::kHubPage);
    Click(317 + 42, 378 + 42);
    EXPECT_EQ(g_nCurrentScreen, CSquadScreen::kPhysioPage);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), CSquadScreen::kPhysioPage);
}

TEST_F(SquadHub, AClickOnAStaffRowChangesTheAdvisor) {
    CSquadScreen* page = Open(CSquadScreen::kHubPage);
    Click(60, 233 + 23 + 23 * 2 + 10);  // the third row, under the header
    EXPECT_EQ(page->GetAdvisor(), Staff(CBasicEmployee::kYouthCoach));
    EXPECT_EQ(page->GetAdvisorLines(), std::vector<std::string>{platform::LoadString(48032)});
}

// Two presses of the real mouse on a staff row: his page opens, as hired
// staff (mode 1).
TEST_F(SquadHub, ADoubleClickOnAStaffRowOpensHisPage) {
    Open(CSquadScreen::kHubPage);
    CListControl& staff = *Page()->GetStaffList();
    const Point row = OnListRow(staff, 2);
    ASSERT_GE(row.y, 0);
    auto* shown = reinterpret_cast<CEmployee*>(staff.GetItemData(2));
    ASSERT_NE(shown, nullptr);
    Click(row.x, row.y, true);
    auto* person = dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    ASSERT_NE(person, nullptr) << "the player screen opened";
    EXPECT_EQ(g_nScreenId, 60);
    EXPECT_EQ(person->m_pSubject, shown);
    EXPECT_EQ(person->m_nSubjectKind, 1);
}

TEST_F(SquadHub, TheHeadCoachGreetsFromTheInboxElseStoresHisFallbackOnce) {
    User().AddMessage(198, Club().GetName(), "", "", -1);
    EXPECT_EQ(Advise(CBasicEmployee::kHeadCoach), std::vector<std::string>{Text(48010, {Club().GetName()})});
    User().ClearMessages();
    const std::vector<std::string> fallback{platform::LoadString(48014)};
    EXPECT_EQ(Advise(CBasicEmployee::kHeadCoach), fallback);
    EXPECT_EQ(InboxCount(190), 1);
    EXPECT_EQ(Advise(CBasicEmployee::kHeadCoach, 2), fallback) << "the second visit shows the stored line";
    EXPECT_EQ(InboxCount(190), 1);
}

TEST_F(SquadHub, ThePhysioReportsWhoIsOutAndForHowLong) {
    struct Case {
        const char* what;
        int timeOut;
        const char* weeks;
    };
    const Case cases[] = {{"seven halves to three", 7, "3"}, {"one is a week", 1, "1"}, {"nothing left is a week", 0, "1"}};
    for (const Case& c : cases) {
        User().ClearMessages();
        const uint16_t id = Sign(CSoccerPlayer::kDefender, std::string("Hurt") + c.weeks + c.what[0]);
        CInjury& in = InjureFor(id, c.timeOut, false);
        const std::string line = Text(48026, {world.GetPlayer(id)->GetName(), in.GetText(false), c.weeks});
        EXPECT_EQ(Advise(CBasicEmployee::kHeadPhysio), std::vector<std::string>{line}) << c.what;
        Heal(id);
        Club().RemoveFromSquad(Club().FindSlotOfPlayer(id));
    }
}

TEST_F(SquadHub, ThePhysioWithEveryoneFitSaysSoAndKeepsTheLine) {
    Sign(CSoccerPlayer::kDefender, "Fit");
    const std::vector<std::string> fit{platform::LoadString(48025)};
    EXPECT_EQ(Advise(CBasicEmployee::kHeadPhysio), fit);
    EXPECT_EQ(Advise(CBasicEmployee::kHeadPhysio, 2), fit);
    EXPECT_EQ(InboxCount(63), 1);
}

TEST_F(SquadHub, AnInjuryWithoutANameIsReportedOnceHoweverOftenThePanelIsBuilt) {
    const uint16_t id = Sign(CSoccerPlayer::kMidfielder, "Absent");
    InjureFor(id, 4, true);
    const std::string line = Text(48027, {world.GetPlayer(id)->GetName(), "2"});
    EXPECT_EQ(Advise(CBasicEmployee::kHeadPhysio, 3), std::vector<std::string>{line});
    EXPECT_EQ(InboxCount(249), 1);
}

TEST_F(SquadHub, AStoredInjuryNewsLineWinsOverThePhysiosReport) {
    const uint16_t id = Sign(CSoccerPlayer::kMidfielder, "Knock");
    InjureFor(id, 6, false);
    User().AddMessage(60, "A.Smith", "4", "broken toe", -1);
    EXPECT_EQ(Advise(CBasicEmployee::kHeadPhysio), std::vector<std::string>{Text(48023, {"A.Smith", "4", "broken toe"})});
    EXPECT_EQ(InboxCount(62), 0);
}

TEST_F(SquadHub, TheYouthCoachAndTheAssistantShowTheirCodesElseTheirFallbacks) {
    User().AddMessage(64, "R.Young", "is coming on well.", "", -1);
    User().AddMessage(65, "T.Small", "has slowed down.", "", -1);
    EXPECT_EQ(Advise(CBasicEmployee::kYouthCoach),
              (std::vector<std::string>{"R.Young is coming on well.", "T.Small has slowed down."}));
    User().ClearMessages();
    EXPECT_EQ(Advise(CBasicEmployee::kYouthCoach), std::vector<std::string>{platform::LoadString(48032)});

    User().ClearMessages();
    User().AddMessage(213, "", "", "", -1);
    EXPECT_EQ(Advise(CBasicEmployee::kAssistantManager), std::vector<std::string>{platform::LoadString(48043)});
    User().ClearMessages();
    User().AddMessage(197, "", "", "", -1);
    const auto suggested = Advise(CBasicEmployee::kAssistantManager);
    ASSERT_EQ(suggested.size(), 1u);
    EXPECT_EQ(suggested[0], User().BuildSuggestedTeam());
    User().ClearMessages();
    EXPECT_EQ(Advise(CBasicEmployee::kAssistantManager), std::vector<std::string>{platform::LoadString(48059)});
}

TEST_F(SquadHub, AnyOtherKindShowsNothing) {
    CEmployee* scout = Hire(CBasicEmployee::kScout, "Looker");
    CSquadScreen* page = Open(CSquadScreen::kHubPage);
    page->SelectAdvisor(scout);
    EXPECT_TRUE(page->GetAdvisorLines().empty());
    EXPECT_EQ(page->GetAdvisorPanel().GetLineCount(), 0);
}

// A hub of its own table: two kinds, a later group asked only while nothing
// was shown, and a fallback stored once over two visits.
class TestHub : public CSectionHub {
public:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override {
        static const std::vector<HubAdvisorRule> kRules = {
            {CBasicEmployee::kScout, {{{11, 48013}, {12, 48013}}, {{13, 48013}}}, {14, 48013}},
            {CBasicEmployee::kBankManager, {{{21, 48013}}}, {22, 48013}},
        };
        return kRules;
    }
    const std::vector<HubSection>& Sections() const override {
        static const std::vector<HubSection> kNone;
        return kNone;
    }
    int StaffGroup() const override { return 0; }
    int ToolboxButton() const override { return 3; }
};

TEST_F(SquadHub, ASectionHubAsksItsCodesInOrderAndStoresItsFallbackOnce) {
    const auto& rules = TestHub().AdvisorRules();
    struct Case {
        const char* what;
        std::vector<std::pair<uint8_t, std::string>> inbox;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"the first group in its order", {{12, "b"}, {11, "a"}, {13, "c"}}, {"a ", "b "}},
        {"the later group only when the first said nothing", {{13, "c"}}, {"c "}},
        {"the fallback", {}, {" "}},
    };
    for (const Case& c : cases) {
        User().ClearMessages();
        for (const auto& [code, text] : c.inbox) User().AddMessage(code, text, "", "", -1);
        HubPanelLines lines(nullptr);
        EXPECT_TRUE(CSectionHub::AskRule(User(), rules[0], lines));
        EXPECT_EQ(lines.Lines(), c.lines) << c.what;
    }
    User().ClearMessages();
    for (int visit = 0; visit < 2; ++visit) {
        HubPanelLines lines(nullptr);
        CSectionHub::AskRule(User(), rules[1], lines);
        EXPECT_EQ(lines.Count(), 1) << "visit " << visit;
    }
    EXPECT_EQ(InboxCount(22), 1);
}

}  // namespace
}  // namespace squadtest
