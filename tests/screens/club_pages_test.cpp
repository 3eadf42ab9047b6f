// The club section: the hub (101) with its two advisors, Club Information
// (9) with the record modes and Club Honours (71).
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/club_fixture.h"
#include "screens/youthscreen.h"
#include "shell/helpwindow.h"
#include "shell/history.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"

namespace clubpagetest {
namespace {

class ClubHub : public ClubPages {
protected:
    void SetUp() override {
        ClubPages::SetUp();
        chairman = Hire(7, "Boardman");
        fans = Hire(15, "Terrace");
    }
    CYouthScreen* Open(int screen) { return OpenAs<CYouthScreen>(screen); }
    CYouthScreen* Page() { return dynamic_cast<CYouthScreen*>(manager.GetCurrentPage()); }
    std::vector<std::string> Advise(CEmployee* who) {
        CYouthScreen* page = Page() && Page()->GetPage() == CYouthScreen::kHubPage ? Page() : Open(101);
        page->SelectAdvisor(who);
        return page->GetAdvisorLines();
    }
    static std::string Text(unsigned id, std::initializer_list<platform::MsgArg> args = {}) {
        return platform::FormatMessageId(id, args);
    }
    CEmployee* chairman = nullptr;
    CEmployee* fans = nullptr;
};

TEST_F(ClubHub, BuildsItsSectionButtonsStaffListAndHeading) {
    CYouthScreen* page = Open(101);
    ASSERT_NE(page, nullptr);
    const uint32_t ids[] = {22201, 22202, 22203, 22204, 23324};
    ASSERT_EQ(page->GetButtonCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(page->GetButton(i).Id(), ids[i]);
        EXPECT_EQ(page->GetButton(i).WindowRect(), Rect::XYWH(23 + 98 * i, 378, 84, 84));
        EXPECT_EQ(page->GetButton(i).GetFrameCount(), 8) << "every frame of the club hub's button loads";
    }
    ASSERT_EQ(page->GetListCount(), 1);
    EXPECT_EQ(page->GetList(0).WindowRect().left, 23);
    EXPECT_EQ(page->GetList(0).WindowRect().top, 233);
    EXPECT_EQ(page->GetList(0).GetRowCount(), 2);
    EXPECT_EQ(page->GetAdvisor(), chairman) << "the chairman, listed first, advises on the first visit";
    EXPECT_EQ(page->FindLabel(30, 22)->GetText(), "Club Screens");
    Save("club-hub");
}

TEST_F(ClubHub, TheChairmanIsTooBusyOnceAndTheInboxKeepsOneMessage) {
    const auto lines = Advise(chairman);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "The Chairman is too busy to see you at the moment.");
    EXPECT_EQ(InboxCount(236), 1);
    Advise(chairman);
    EXPECT_EQ(InboxCount(236), 1) << "a second visit stores no second message";
}

TEST_F(ClubHub, TheFansSecretaryIsQuietOnceAndNeverHearsTheChairmansCode) {
    User().AddMessage(199, "Harwick Albion", "", "", -1);
    const auto lines = Advise(fans);
    ASSERT_EQ(lines.size(), 1u) << "code 199 is the chairman's alone";
    EXPECT_EQ(lines[0], Text(33322));
    EXPECT_EQ(InboxCount(237), 1);
    Advise(fans);
    EXPECT_EQ(InboxCount(237), 1);
}

TEST_F(ClubHub, AdviceComesInTheOrderAskedAndConfidenceOnlyWhenNothingElseSpoke) {
    struct Case {
        const char* name;
        std::vector<uint8_t> codes;  // stored in this order
        bool chairmanAsked;          // else the fans' secretary
        std::vector<unsigned> texts;
    };
    const Case cases[] = {
        {"season start before stadium and transfers", {86, 67, 198}, true, {33229, 33027, 33065}},
        {"confidence alone", {70}, true, {33058}},
        {"confidence held back by a tactics line", {70, 46}, true, {33075}},
        {"personal and tactics", {47, 51}, true, {33053, 33076}},
        {"fans: season start and stadium", {68, 198}, false, {33241, 33141}},
        {"fans: confidence alone", {84}, false, {33127}},
        {"fans: confidence held back", {84, 211}, false, {33254}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        User().ClearMessages();
        for (uint8_t code : c.codes) User().AddMessage(code, "Harwick Albion", "12", "£1,000", -1);
        const auto lines = Advise(c.chairmanAsked ? chairman : fans);
        ASSERT_EQ(lines.size(), c.texts.size());
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], Text(c.texts[i], {"Harwick Albion", "12", "£1,000"}));
        EXPECT_EQ(InboxCount(236), 0) << "nothing stored while a line shows";
    }
}

TEST_F(ClubHub, CupWordsFollowTheUsersDivision) {
    User().AddMessage(14, "National", "", "", -1);
    User().AddMessage(23, "National", "", "", -1);
    const auto lower = Advise(chairman);
    ASSERT_EQ(lower.size(), 2u);
    EXPECT_EQ(lower[0], Text(33039, {"National"}));
    EXPECT_EQ(lower[1], Text(33046, {"National"}));
    world.GetCountry(1)->AddDivision(0);
    ASSERT_TRUE(Club().GetDivision()->IsTopDivision());
    const auto top = Advise(chairman);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0], Text(33030, {"National"}));
    EXPECT_EQ(top[1], Text(33037, {"National"}));
}

TEST_F(ClubHub, OutOfWorkOnlyInformationAndTransfersOpen) {
    SackUser();
    CYouthScreen* page = Open(101);
    EXPECT_EQ(page->GetList(0).GetRowCount(), 0);
    EXPECT_EQ(page->GetAdvisor(), nullptr);
    EXPECT_TRUE(page->GetAdvisorLines().empty());
    for (uint32_t refused : {22202u, 22203u, 22204u}) {
        page->Send(WM_COMMAND, refused, 0);
        Drain();
        EXPECT_EQ(Page(), page) << refused << " does nothing without a club";
    }
    page->Send(WM_COMMAND, CYouthScreen::kClubInformation, 0);
    Drain();
    EXPECT_EQ(g_nCurrentScreen, 9);
    Open(101)->Send(WM_COMMAND, CYouthScreen::kClubTransfers, 0);
    Drain();
    EXPECT_EQ(g_nCurrentScreen, 24);
}

TEST_F(ClubHub, EmployedTheSectionsOpenTheirPages) {
    struct Case {
        uint32_t command;
        int screen;
    };
    for (const Case c : {Case{22201, 9}, Case{22202, 34}, Case{22203, 71}, Case{22204, 72},
                         Case{CYouthScreen::kClubTransfers, 24}}) {
        Open(101)->Send(WM_COMMAND, c.command, 0);
        Drain();
        EXPECT_EQ(g_nCurrentScreen, c.screen) << c.command;
    }
}

class ClubInformation : public ClubHub {
protected:
    std::string At(int x, int y) {
        CXStatic* l = Page()->FindLabel(x, y);
        return l ? l->GetText() : "<none>";
    }
    CYouthScreen* OpenOn(CClub* club) {
        return OpenAs<CYouthScreen>(9, [club](CYouthScreen& page) { page.SetShownClub(club); });
    }
};

TEST_F(ClubInformation, ShowsTheFactsAndGatesOfTheShownClub) {
    Club().Records().AddGate(23456, "Port Ellis", "3 Sep 1999");
    CYouthScreen* page = Open(9);
    EXPECT_EQ(page->GetShownClub(), &Club());
    EXPECT_EQ(At(30, 61), "Harwick Albion");
    EXPECT_EQ(At(305, 160), "1890");
    EXPECT_EQ(At(260, 194), Club().GetStadiumName());
    EXPECT_EQ(At(181, 228), std::to_string(Club().GetStadiumCapacity()));
    EXPECT_EQ(At(460, 228), Club().FormatTicketPrice(true));
    EXPECT_EQ(At(86, 277), "Record Gates");
    EXPECT_EQ(At(86, 310), "Highest Gate");
    EXPECT_EQ(At(305, 308), "23456");
    EXPECT_EQ(At(86, 342), "Port Ellis (3 Sep 1999)");
    EXPECT_TRUE(page->FindButton(23137)->IsTicked());
    EXPECT_FALSE(page->FindButton(23138)->IsTicked());
    EXPECT_TRUE(Page()->IsPicturePresent(kSlotKit)) << "the club's kit in the corner";
    Save("club-information-gates");
}

TEST_F(ClubInformation, EachModeHasItsLabelsAndAClubWithoutRecordsShowsDashes) {
    struct Case {
        uint32_t command;
        const char* heading;
        const char* first;
        const char* second;
    };
    const Case cases[] = {{23138, "Record Results", "Biggest Victory", "Biggest Defeat"},
                          {23139, "Record Transfers", "Record Paid", "Record Received"},
                          {23137, "Record Gates", "Highest Gate", "Lowest Gate"}};
    CYouthScreen* page = Open(9);
    for (const Case& c : cases) {
        page->Send(WM_COMMAND, c.command, 0);
        EXPECT_EQ(At(86, 277), c.heading);
        EXPECT_EQ(At(86, 310), c.first);
        EXPECT_EQ(At(86, 378), c.second);
        EXPECT_EQ(At(305, 308), "-");
        EXPECT_EQ(At(305, 376), "-");
        EXPECT_EQ(At(86, 342), "");
        EXPECT_EQ(At(86, 410), "");
        for (uint32_t b : {23137u, 23138u, 23139u}) EXPECT_EQ(page->FindButton(b)->IsTicked(), b == c.command);
    }
}

TEST_F(ClubInformation, ResultsShowTheBiggestVictoryAndTheHeaviestDefeatWithTheirOpponentsAndDates) {
    Club().Records().AddWin(6, 0, "Old Town", "Kingsmead Park", "6 - 0", "12 Mar 1998");
    Club().Records().AddWin(3, 1, "Port Ellis", "Ellis Road", "3 - 1", "2 Feb 1999");  // no bigger: kept out
    Club().Records().AddDefeat(1, 5, "Port Ellis", "Ellis Road", "1 - 5", "9 Oct 1997");
    CYouthScreen* page = Open(9);
    page->Send(WM_COMMAND, 23138, 0);
    EXPECT_EQ(At(86, 277), "Record Results");
    EXPECT_EQ(At(305, 308), "6 - 0");
    EXPECT_EQ(At(86, 342), "Old Town (12 Mar 1998)");
    EXPECT_EQ(At(305, 376), "1 - 5");
    EXPECT_EQ(At(86, 410), "Port Ellis (9 Oct 1997)");
    Save("club-information-results");
}

TEST_F(ClubInformation, RecordFeesAreInTheUsersMoneyAndTheModeStartsAtGatesEachTime) {
    Club().Records().SetTransferPaid("A.Striker", "Port Ellis", 1500000.0, "1 Jul 1999");
    Club().Records().SetTransferReceived("B.Winger", "Old Town", 2250000.0, "30 Aug 1999");
    CYouthScreen* page = Open(9);
    page->Send(WM_COMMAND, 23139, 0);
    std::string money;
    Club().GetCountry()->FormatMoney(money, 1500000.0);
    EXPECT_EQ(At(305, 308), money);
    EXPECT_EQ(At(86, 342), "A.Striker - Port Ellis (1 Jul 1999)");
    Save("club-information-transfers");
    EXPECT_EQ(CYouthScreen::GetRecordMode(), 2);
    Open(9);
    EXPECT_EQ(CYouthScreen::GetRecordMode(), 0);
    EXPECT_EQ(At(86, 277), "Record Gates");
}

TEST_F(ClubInformation, YearZeroReadsUnknown) {
    OpenOn(&OldTown());
    EXPECT_EQ(At(30, 61), "Old Town");
    EXPECT_EQ(At(305, 160), "UNKNOWN");
}

TEST_F(ClubInformation, AClubChosenInTheTreeFillsThePageAndARecordButtonKeepsIt) {
    CYouthScreen* page = Open(9);
    TreeNotice item;
    item.kind = kContextClub;
    item.level = 3;
    item.data = reinterpret_cast<uintptr_t>(&PortEllis());
    page->OnTreeSelect(&item);
    EXPECT_EQ(page->GetShownClub(), &PortEllis());
    EXPECT_EQ(At(30, 61), "Port Ellis");
    page->Send(WM_COMMAND, 23138, 0);
    EXPECT_EQ(At(30, 61), "Port Ellis");
    EXPECT_EQ(g_nTreeSelectionData, reinterpret_cast<uintptr_t>(&PortEllis()));
    TreeNotice country;
    country.kind = 1;
    country.data = 7;
    page->OnTreeSelect(&country);
    EXPECT_EQ(page->GetShownClub(), &PortEllis()) << "a world or continent item is ignored";
}

TEST_F(ClubInformation, BackReopensThePageOnTheClubItShowed) {
    CYouthScreen* page = Open(9);
    TreeNotice item;
    item.kind = kContextClub;
    item.data = reinterpret_cast<uintptr_t>(&PortEllis());
    page->OnTreeSelect(&item);
    Open(101);
    ASSERT_TRUE(manager.GoBack(1));
    Drain();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), 9);
    EXPECT_EQ(Page()->GetShownClub(), &PortEllis());
    EXPECT_EQ(At(30, 61), "Port Ellis");
}

TEST_F(ClubInformation, WithoutAClubThePageShowsDashesAndGreysTheRecords) {
    SackUser();
    CYouthScreen* page = Open(9);
    EXPECT_EQ(page->GetShownClub(), nullptr);
    EXPECT_EQ(At(260, 125), "-");
    EXPECT_EQ(At(305, 308), "-");
    for (uint32_t b : {23137u, 23138u, 23139u}) EXPECT_TRUE(page->FindButton(b)->IsGreyed());
    EXPECT_FALSE(page->IsPicturePresent(kSlotKit));
}

TEST_F(ClubInformation, HonoursListTheTrophiesOrSayNoDataAvailable) {
    CYouthScreen* page = Open(71);
    ASSERT_NE(page->GetHonoursList(), nullptr);
    ASSERT_NE(page->GetNoHonoursLabel(), nullptr);
    EXPECT_EQ(page->GetNoHonoursLabel()->GetText(), "No Data Available");
    EXPECT_TRUE(page->GetNoHonoursLabel()->IsVisible());
    EXPECT_FALSE(page->GetHonoursList()->IsVisible());
    EXPECT_EQ(At(30, 61), "Harwick Albion");
    Club().Trophies().AddWinnerHonour("First League", "", "1998/99", 1, 0);
    Club().Trophies().AddRunnerUpHonour("Association Cup", "", "1996/97", 2, 1);
    page = Open(71);
    ASSERT_EQ(page->GetHonoursList()->GetRowCount(), 2);
    EXPECT_EQ(std::string(page->GetHonoursList()->GetItemText(0, 2)), "1998/99") << "a title won";
    EXPECT_EQ(std::string(page->GetHonoursList()->GetItemText(1, 3)), "1996/97") << "a cup final lost";
    EXPECT_EQ(std::string(page->GetHonoursList()->GetItemText(1, 2)), "");
    EXPECT_TRUE(page->GetHonoursList()->IsVisible());
    EXPECT_FALSE(page->GetNoHonoursLabel()->IsVisible());
    Save("club-honours");
}

}  // namespace
}  // namespace clubpagetest

namespace clubpagetest {
namespace {

// Every text the club, ground, kit and money pages ask for by number is in
// the string table (the gaps in the ranges are numbers no page uses), and every help context of their pages has its own topic.
TEST_F(ClubPages, EveryTextAndHelpTopicOfThePagesExists) {
    std::vector<uint32_t> ids = {21602, 22201, 22202, 22203, 22204, 23324, 23137, 23138, 23139, 19999, 33140, 33141,
                                 33321, 33322, 32860, 19998, 21505, 29184, 29021, 21604, 21714, 29008, 29009, 32911,
                                 100, 101, 32914, 32915, 33163, 33167, 33170, 33171, 33176, 34423, 34434, 768, 334,
                                 32909, 1003, 425, 835, 379, 748, 945, 483, 484, 401, 23376, 23377};
    const std::pair<uint32_t, uint32_t> ranges[] = {
        {33027, 33047}, {33052, 33076}, {33120, 33127}, {33229, 33241}, {33243, 33254}, {23332, 23336}, {23386, 23400}, {23403, 23413},
        {23415, 23428}, {20000, 20005}, {29190, 29194}, {23320, 23325}, {32924, 32926}, {33148, 33155},
        {33296, 33299}, {34504, 34509}, {32916, 32919}, {995, 999},     {381, 394},     {33158, 33162},
        {33164, 33166}, {33168, 33169}, {33172, 33175}, {34424, 34433}, {34435, 34438}};
    for (const auto& [first, last] : ranges)
        for (uint32_t id = first; id <= last; ++id) ids.push_back(id);
    for (uint32_t id : ids) EXPECT_FALSE(platform::LoadString(id).empty()) << "string " << id;
    EXPECT_EQ(platform::LoadString(33234), platform::LoadString(33235));
    EXPECT_EQ(platform::LoadString(19999), "UNKNOWN");
    for (int context : {102, 10, 72, 35, 110, 73, 104, 8, 22, 26, 39, 29, 34, 114}) {
        const HelpTopic& topic = HelpTopicFor(context);
        EXPECT_NE(&topic, &HelpTopicFor(1)) << "help context " << context;
        EXPECT_FALSE(topic.text.empty()) << "help context " << context;
    }
}

TEST_F(ClubPages, TheUsersManagerRatingIsHisManagersRating) {
    world.GetManagerList().GetAt(Club().GetManager())->m_Rating = 63.5;
    EXPECT_DOUBLE_EQ(User().GetManagerRating(), 63.5);
    EXPECT_DOUBLE_EQ(world.GetUserList().GetAt(3)->GetManagerRating(), 0.0) << "a slot without a manager";
}

}  // namespace
}  // namespace clubpagetest

namespace clubpagetest {
namespace {

TEST_F(ClubPages, BuildingWorkIsPaidInBaseMoneyAndBookedOnlyForAFollowedClub) {
    ASSERT_TRUE(Club().IsCountryActive());
    const double before = Club().GetBankBalance();
    EXPECT_DOUBLE_EQ(Club().PayBuildingCost(250000.0), 250000.0);
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), before - 250000.0);
    EXPECT_DOUBLE_EQ(Club().GetAccounts()->GetWeekFigure(15), 250000.0) << "under \"Building work\"";
    CClub& abroad = PortEllis();
    ASSERT_FALSE(abroad.IsCountryActive());
    const double kept = abroad.GetBankBalance();
    EXPECT_DOUBLE_EQ(abroad.PayBuildingCost(250000.0), 0.0);
    EXPECT_DOUBLE_EQ(abroad.GetBankBalance(), kept);
}

TEST_F(ClubPages, FundsRequestWeeksStartAsNoneAndANewSeasonForgetsThem) {
    EXPECT_EQ(Club().GetLastFundsRequestWeek(), CClub::kNoRequest);
    EXPECT_EQ(Club().GetLastGrantedRequestWeek(), CClub::kNoRequest);
    Club().SetLastFundsRequestWeek(12);
    Club().SetLastGrantedRequestWeek(9);
    EXPECT_EQ(Club().GetLastFundsRequestWeek(), 12);
    EXPECT_EQ(Club().GetLastGrantedRequestWeek(), 9);
    Club().StartNewSeason();
    EXPECT_EQ(Club().GetLastFundsRequestWeek(), CClub::kNoRequest);
    EXPECT_EQ(Club().GetLastGrantedRequestWeek(), CClub::kNoRequest);
}

}  // namespace
}  // namespace clubpagetest
