// The person page (60) for each kind of person, its sub-pages and the staff
// comments; the player section's page (102); the transfer logs (24, 93)
// and the user's bids (117).
#include <algorithm>
#include <functional>

#include "platform/trace.h"
#include "shell/screentables.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/surface.h"

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/player_fixture.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/country.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/youth.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"

namespace playertest {
namespace {

using L = platform::win::Rect;

std::string S(unsigned id) { return platform::LoadString(id); }

class PersonPage : public PlayerPages {
public:
    // The case table's makers build people through these.
    using PlayerPages::Club;
    using PlayerPages::Hire;
    using PlayerPages::Other;
    using PlayerPages::Sign;
    using clubtest::ClubWorld::AddPlayer;
    using clubtest::ClubWorld::world;
    using clubtest::PeopleWorld::table;
};

struct PersonCase {
    const char* name;
    int kind;
    unsigned title;
    unsigned actionTip;
    bool renew, release, action;
    int panelMask;  // the five sub-page buttons enabled
    std::function<void*(PersonPage&)> make;
};

TEST_F(PersonPage, EachKindShowsItsTitleTextsAndButtons) {
    const std::vector<PersonCase> cases = {
        {"listed player of the user's club", 0, 481, 598, true, true, true, 0x1F,
         [](PersonPage& t) -> void* {
             CPlayer* p = t.Sign(t.Club(), CSoccerPlayer::kDefender, "Listed");
             p->Person().SetContractYears(3);
             p->m_AskingPrice = 250000;
             return p;
         }},
        {"unlisted player of the user's club", 0, 481, 597, false, true, true, 0x1F,
         [](PersonPage& t) -> void* {
             CPlayer* p = t.Sign(t.Club(), CSoccerPlayer::kMidfielder, "Kept");
             p->Person().SetContractYears(5);
             return p;
         }},
        {"player without a club", 0, 481, 542, false, false, false, 0x1B,
         [](PersonPage& t) -> void* { return t.world.GetPlayer(t.AddPlayer(CSoccerPlayer::kAttacker)); }},
        {"player borrowed by the user's club", 0, 481, 597, false, false, false, 0x1F,
         [](PersonPage& t) -> void* {
             CPlayer* p = t.Sign(t.Club(), CSoccerPlayer::kAttacker, "Borrowed");
             p->m_LoanWeeks = 6;
             p->m_LoanClub = 1;
             return p;
         }},
        {"player of another club", 0, 481, 542, false, false, true, 0x1B,
         [](PersonPage& t) -> void* { return t.Sign(t.Other(), CSoccerPlayer::kGoalkeeper, "Rival"); }},
        {"employee of the user's club", 1, 489, 20, true, false, true, 0x4,
         [](PersonPage& t) -> void* { return t.Hire(t.Club(), CBasicEmployee::kHeadCoach, "Coachman", 1); }},
        {"employee of another club", 1, 489, 20, false, false, false, 0x4,
         [](PersonPage& t) -> void* { return t.Hire(t.Other(), CBasicEmployee::kHeadCoach, "Elsewhere", 1); }},
        {"employee on the job market", 2, 489, 542, false, false, true, 0,
         [](PersonPage& t) -> void* {
             CAvailableEmployeeList& market = *t.Club().GetCountry()->GetStaffMarket();
             CBasicEmployee e;
             e.m_JobKind = CBasicEmployee::kScout;
             e.m_Ability = 55;
             e.Person().Set("M", "Looking", 50, 1);
             market.AddCopy(e);
             return market.GetAt(market.GetSize() - 1);
         }},
        {"youth of the user's squad", 3, 482, 20, true, false, true, 0x1,
         [](PersonPage& t) -> void* {
             auto y = std::make_unique<CYouth>();
             y->m_Person.Set("Y", "Young", 17, 1);
             CYouth* raw = y.get();
             t.Club().Youths().Add(std::move(y));
             return raw;
         }},
        {"youth on the market", 4, 482, 544, false, false, true, 0,
         [](PersonPage& t) -> void* {
             CAvailableYouthList& market = *t.Club().GetCountry()->GetYouthMarket();
             market.Update(*t.Club().GetCountry(), *t.table->GetAt(1), 0, 10);
             EXPECT_GT(market.GetSize(), 0);
             return market.GetAt(0);
         }},
        {"referee", 5, 516, 20, false, false, false, 0,
         [](PersonPage& t) -> void* {
             auto* r = new CSoccerReferee();
             r->m_Person.Set("R", "Whistler", 40, 1);
             r->m_RecordBytes[0] = 7;
             t.world.GetRefereeList().Add(r);
             return r;
         }},
    };
    for (const PersonCase& c : cases) {
        SCOPED_TRACE(c.name);
        void* person = c.make(*this);
        CPlayerScreen* page = Open(60, person, c.kind);
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->ShowsNoData());
        EXPECT_EQ(Text(CPlayerScreen::kTitleLabel), S(c.title));
        EXPECT_FALSE(Text(CPlayerScreen::kNameLabel).empty());
        EXPECT_EQ(page->GetActionTipId(), c.actionTip);
        EXPECT_EQ(page->GetPageButton(CPlayerScreen::kRenewButton)->IsEnabled(), c.renew);
        EXPECT_EQ(page->GetPageButton(CPlayerScreen::kReleaseButton)->IsEnabled(), c.release);
        EXPECT_EQ(page->GetPageButton(CPlayerScreen::kActionButton)->IsEnabled(), c.action);
        int mask = 0;
        for (int b = 0; b < 5; ++b)
            if (page->GetPageButton(CPlayerScreen::kFirstPanelButton + b)->IsEnabled()) mask |= 1 << b;
        EXPECT_EQ(mask, c.panelMask);
        EXPECT_EQ(page->m_SubjectId.kind, c.kind);
        EXPECT_GE(page->m_SubjectId.index, 0);
    }
}

TEST_F(PersonPage, PlayerDetailsFollowHisListingClubAndRecord) {
    CPlayer* listed = Sign(Club(), CSoccerPlayer::kDefender, "Listed");
    listed->m_AskingPrice = 250000;
    listed->m_TransferHistory.Add("12 Aug 1998", 40000, "Port Ellis");
    Open(60, listed, 0);
    EXPECT_EQ(Detail(CPlayerScreen::kStatus), S(975));
    EXPECT_EQ(Detail(CPlayerScreen::kPrice), listed->GetAskingPriceText(*Club().GetCountry()));
    EXPECT_EQ(Detail(CPlayerScreen::kPrev), "12 Aug 1998");
    EXPECT_EQ(Detail(CPlayerScreen::kPosition), listed->GetPositionText());
    EXPECT_EQ(Detail(CPlayerScreen::kRating), platform::StrPrintf("%d", listed->GetAbility()));
    EXPECT_TRUE(Page()->IsListedShown());
    // His club's player: his skills on the ratings sub-page.
    EXPECT_EQ(Page()->GetSkillValue(0)->GetText(), platform::StrPrintf("%d", listed->Football().m_Handling));
    EXPECT_EQ(Page()->GetBackgroundName(), "gfx\\backgrounds\\61.bmp");

    CPlayer* free = world.GetPlayer(AddPlayer(CSoccerPlayer::kAttacker));
    Open(60, free, 0);
    EXPECT_EQ(Detail(CPlayerScreen::kStatus), S(59));
    EXPECT_EQ(Detail(CPlayerScreen::kPrice), S(485));
    EXPECT_EQ(Detail(CPlayerScreen::kPrev), S(485));
    // Anyone else's skills stay hidden behind dashes.
    EXPECT_EQ(Page()->GetSkillValue(0)->GetText(), S(485));
}

TEST_F(PersonPage, SubPagesSetTheirBackgroundHeadingAndControls) {
    CPlayer* p = Sign(Club(), CSoccerPlayer::kMidfielder, "Worker");
    p->m_CareerAppearances = 210;
    p->m_ClubAppearances = 31;
    p->m_SeasonAppearances = 12;
    p->m_KindsTally = 3;
    p->m_CareerGoals = 40;
    p->m_ClubGoals = 6;
    p->m_SeasonGoals = 5;
    p->m_SeasonKindGoals = 2;
    p->m_SeasonMotm = 1;
    CPlayerScreen* page = Open(60, p, 0);
    struct SubCase {
        int sub;
        const char* background;
        unsigned heading;
        int list;  // the list shown, -1 none
    };
    const SubCase cases[] = {
        {CPlayerScreen::kRatings, "gfx\\backgrounds\\61.bmp", 257, -1},
        {CPlayerScreen::kScoutComments, "gfx\\backgrounds\\61b.bmp", 970, -1},
        {CPlayerScreen::kPlayerComment, "gfx\\backgrounds\\61b.bmp", 971, -1},
        {CPlayerScreen::kRecord, "gfx\\backgrounds\\61c.bmp", 972, 1},
        {CPlayerScreen::kClubHistory, "gfx\\backgrounds\\61a.bmp", 973, 0},
    };
    for (const SubCase& c : cases) {
        SCOPED_TRACE(c.sub);
        // Through the sub-page button, as the user presses it.
        page->Send(WM_COMMAND, page->GetPageButton(CPlayerScreen::kFirstPanelButton + c.sub)->Id(), 0);
        Drain();
        EXPECT_EQ(page->GetSubPage(), c.sub);
        EXPECT_EQ(page->GetBackgroundName(), c.background);
        EXPECT_EQ(Text(CPlayerScreen::kSubHeading), S(c.heading));
        for (int l = 0; l < 2; ++l) EXPECT_EQ(page->GetPageList(l)->IsVisible(), l == c.list) << l;
        EXPECT_EQ(page->GetPersonPanel().IsVisible(), c.sub == 1 || c.sub == 2);
        EXPECT_EQ(page->GetSkillValue(0)->IsVisible(), c.sub == 0);
        for (int b = 0; b < 5; ++b)
            EXPECT_EQ(page->GetPageButton(CPlayerScreen::kFirstPanelButton + b)->IsTicked(), b == c.sub);
        Save("person-sub" + std::to_string(c.sub));
    }
    // The record: career and club totals, the season split into league and cups.
    page->ShowSubPage(CPlayerScreen::kRecord);
    CListControl& record = *page->GetPageList(1);
    ASSERT_EQ(record.GetRowCount(), 5);
    EXPECT_STREQ(record.GetItemText(0, 0), S(122).c_str());
    EXPECT_STREQ(record.GetItemText(0, 1), "-");
    EXPECT_STREQ(record.GetItemText(0, 3), "210");
    EXPECT_STREQ(record.GetItemText(0, 6), "31");
    EXPECT_STREQ(record.GetItemText(0, 7), "9");
    EXPECT_STREQ(record.GetItemText(0, 8), "3");
    EXPECT_STREQ(record.GetItemText(0, 9), "12");
    EXPECT_STREQ(record.GetItemText(1, 7), "3");
    EXPECT_STREQ(record.GetItemText(1, 8), "2");
    EXPECT_STREQ(record.GetItemText(2, 7), "-");
    EXPECT_STREQ(record.GetItemText(2, 9), "1");
    // A player who never moved has an empty history.
    page->ShowSubPage(CPlayerScreen::kClubHistory);
    EXPECT_EQ(page->GetPageList(0)->GetRowCount(), 0);
}

// The ratings background carries a well behind every skill value and none
// under the labels: against the club-history background, which has the same
// sheet and no grid, only the values' places are darker. Every skill value
// and its label fit inside the sheet, and a disabled button wears its
// greyed look.
TEST_F(PersonPage, TheRatingsSheetHasAWellBehindEachValueAndDisabledButtonsAreGreyed) {
    auto picture = [](const char* name) {
        auto bytes = LoadArchiveEntry(std::string("gfx\\backgrounds\\") + name + ".bmp");
        auto bitmap = bytes ? platform::gfx::DecodeBmp8(*bytes) : std::nullopt;
        EXPECT_TRUE(bitmap) << name;
        return bitmap ? platform::gfx::ToSurface(*bitmap) : platform::gfx::Surface(788, 550);
    };
    const platform::gfx::Surface ratings = picture("61"), plain = picture("61a");
    // The mean brightness of a 12 x 6 patch, which evens out the palette's dithering.
    auto sum = [](const platform::gfx::Surface& s, int x, int y) {
        int total = 0;
        for (int dy = -3; dy < 3; ++dy)
            for (int dx = 0; dx < 12; ++dx) {
                const uint32_t p = s.Get(x + dx, y + dy);
                total += int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
            }
        return total / 72;
    };
    CPlayer* p = Sign(Club(), CSoccerPlayer::kMidfielder, "Grid");
    CPlayerScreen* page = Open(60, p, 0);
    for (int s = 0; s < CPlayerScreen::kSkills; ++s) {
        SCOPED_TRACE(s);
        const L value = page->GetSkillValue(s)->WindowRect();
        const L label = page->GetPageLabel(CPlayerScreen::kFirstSkill + 2 * s)->WindowRect();
        const int vy = (value.top + value.bottom) / 2, ly = (label.top + label.bottom) / 2;
        EXPECT_LT(sum(ratings, value.left + 10, vy) + 12, sum(plain, value.left + 10, vy)) << "no well";
        EXPECT_NEAR(sum(ratings, label.left + 10, ly), sum(plain, label.left + 10, ly), 5) << "a well under the label";
        EXPECT_LE(value.right, label.left > value.left ? label.left : 580) << "the value runs into the next column";
        EXPECT_GE(value.top, 270);
        EXPECT_LE(value.bottom, 408);
    }
    // An employee of the user's club: "Release" open, the listing button
    // and every panel button but his comments closed and greyed.
    CEmployee* coach = Hire(Club(), CBasicEmployee::kHeadCoach, "Greyed");
    page = Open(60, coach, kPersonListStaff);
    for (int b = 0; b < CPlayerScreen::kFirstPanelButton + 5; ++b) {
        const CXButton* button = page->GetPageButton(b);
        EXPECT_EQ(button->IsGreyed(), !button->IsEnabled()) << b;
    }
    EXPECT_TRUE(page->GetPageButton(CPlayerScreen::kReleaseButton)->IsGreyed());
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kActionButton)->IsGreyed());
    EXPECT_TRUE(page->GetPageButton(CPlayerScreen::kFirstPanelButton + CPlayerScreen::kRatings)->IsGreyed());
    const CXButton* comments = page->GetPageButton(CPlayerScreen::kFirstPanelButton + CPlayerScreen::kPlayerComment);
    EXPECT_FALSE(comments->IsGreyed());
    EXPECT_TRUE(comments->IsTicked()) << "the comments shown are the chosen sub-page";
}

TEST_F(PersonPage, AnotherClubsPlayerHearsFromTheScoutsOrNothing) {
    CPlayer* rival = Sign(Other(), CSoccerPlayer::kAttacker, "Rival");
    CPlayerScreen* page = Open(60, rival, 0);
    page->ShowSubPage(CPlayerScreen::kScoutComments);
    EXPECT_EQ(Text(CPlayerScreen::kSubHeading), S(969));
    ASSERT_EQ(page->GetPersonPanelLines().size(), 1u);
    EXPECT_EQ(page->GetPersonPanelLines()[0], S(424));
    // Player Comment stays closed without a report.
    EXPECT_FALSE(page->GetPageButton(CPlayerScreen::kFirstPanelButton + CPlayerScreen::kPlayerComment)->IsEnabled());
}

TEST_F(PersonPage, APlayersOwnWordsAreHisAlone) {
    CPlayer* a = Sign(Club(), CSoccerPlayer::kDefender, "Alpha");
    CPlayer* b = Sign(Club(), CSoccerPlayer::kDefender, "Beta");
    User().AddMessage(87, a->GetName(), "100,000", "Port Ellis", WorldIndexOf(*a));
    User().AddMessage(104, b->GetName(), "", "", WorldIndexOf(*b));
    CPlayerScreen* page = Open(60, a, 0);
    page->ShowSubPage(CPlayerScreen::kPlayerComment);
    ASSERT_EQ(page->GetPersonPanelLines().size(), 1u);
    EXPECT_EQ(page->GetPersonPanelLines()[0], platform::FormatMessageId(33194, {a->GetName(), "100,000", "Port Ellis"}));
}

struct StaffCase {
    uint8_t job;
    unsigned heading;
    uint8_t defaultCode;  // 0 none
    unsigned defaultText;
};

TEST_F(PersonPage, StaffCommentsShowTheJobsLinesAndStoreADefaultOnce) {
    const StaffCase cases[] = {
        {CBasicEmployee::kHeadCoach, 1066, 190, 33387},
        {CBasicEmployee::kHeadPhysio, 1067, 63, 32976},
        {CBasicEmployee::kScout, 969, 241, 33313},
        {CBasicEmployee::kYouthCoach, 1069, 66, 33334},
        {CBasicEmployee::kAssistantManager, 970, 239, 33311},
        {CBasicEmployee::kBankManager, 1081, 0, 0},
    };
    for (const StaffCase& c : cases) {
        SCOPED_TRACE(int(c.job));
        User().ClearMessages();
        CEmployee* e = Hire(Club(), c.job, "Staff" + std::to_string(c.job));
        for (int visit = 0; visit < 3; ++visit) Open(60, e, 1);
        EXPECT_EQ(Text(CPlayerScreen::kSubHeading), S(c.heading));
        int stored = 0;
        for (const auto& m : User().GetInbox()) stored += m.code == c.defaultCode && c.defaultCode != 0;
        EXPECT_EQ(stored, c.defaultCode ? 1 : 0);
        const auto& lines = Page()->GetPersonPanelLines();
        if (c.defaultCode) {
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0], S(c.defaultText));
        } else {
            EXPECT_TRUE(lines.empty());
        }
        if (c.job == CBasicEmployee::kHeadCoach) Save("person-employee");
    }
}

TEST_F(PersonPage, ThePhysioReportsTheFirstInjuredPlayerAndAStoredLineWins) {
    CEmployee* physio = Hire(Club(), CBasicEmployee::kHeadPhysio, "Medway");
    CPlayer* hurt = Sign(Club(), CSoccerPlayer::kDefender, "Hurt");
    Injure(static_cast<uint16_t>(WorldIndexOf(*hurt)));
    ASSERT_TRUE(hurt->IsInjured());
    Open(60, physio, 1);
    const auto& lines = Page()->GetPersonPanelLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(hurt->GetName()), std::string::npos);

    User().ClearMessages();
    User().AddMessage(61, hurt->GetName(), "", "", -1);
    Open(60, physio, 1);
    ASSERT_EQ(Page()->GetPersonPanelLines().size(), 1u);
    EXPECT_EQ(Page()->GetPersonPanelLines()[0], platform::FormatMessageId(32974, {hurt->GetName()}));
}

TEST_F(PersonPage, BackShowsThePersonShownLastNotTheFirstOpened) {
    CPlayer* first = Sign(Club(), CSoccerPlayer::kDefender, "First");
    CPlayer* second = Sign(Club(), CSoccerPlayer::kDefender, "Second");
    CPlayerScreen* page = Open(60, first, 0);
    TreeNotice pick;
    pick.level = 5;
    pick.data = reinterpret_cast<uintptr_t>(second);
    page->OnTreeSelect(&pick);
    EXPECT_EQ(Text(CPlayerScreen::kNameLabel), second->GetName());
    Open(117);
    ASSERT_TRUE(manager.GoBack(1));
    Drain();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), 60);
    EXPECT_EQ(Page()->m_pSubject, second);
    EXPECT_EQ(Text(CPlayerScreen::kNameLabel), second->GetName());
}

TEST_F(PersonPage, SomeoneTheWorldDoesNotHoldIsNobody) {
    CEmployee stranger;
    stranger.Person().Set("N", "Nowhere", 40, 1);
    CPlayerScreen* page = Open(60, &stranger, 1);
    EXPECT_TRUE(page->ShowsNoData());
    for (int b = 0; b < page->GetButtonCount(); ++b) EXPECT_FALSE(page->GetButton(b).IsEnabled()) << b;
}

// ---- Page 102 ----

TEST_F(PlayerPages, SectionPageListsItsAdvisersAndTheScoutSpeaks) {
    Hire(Club(), CBasicEmployee::kScout, "Seeker");
    Hire(Club(), CBasicEmployee::kHeadCoach, "NotHere");
    CPlayerScreen* page = Open(102);
    CListControl* list = page->GetStaffList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetRowCount(), 1);
    EXPECT_NE(std::string(list->GetItemText(0, 0)).find("Seeker"), std::string::npos);
    ASSERT_EQ(page->GetAdvisorLines().size(), 1u);
    EXPECT_EQ(page->GetAdvisorLines()[0], S(33313));
    // The default is stored once however often the page opens.
    Open(102);
    int stored = 0;
    for (const auto& m : User().GetInbox()) stored += m.code == 241;
    EXPECT_EQ(stored, 1);
    User().AddMessage(85, "", "", "", -1);
    Open(102);
    ASSERT_EQ(Page()->GetAdvisorLines().size(), 1u);
    EXPECT_EQ(Page()->GetAdvisorLines()[0], S(34193));
    Save("player-hub");
}

TEST_F(PlayerPages, SectionCommandsNeedAClubAndTheTransferListAnOpenWindow) {
    CPlayerScreen* page = Open(102);
    Club().GetCountry()->SetTransferWindow(0);
    page->Send(WM_COMMAND, 23232, 0);
    Drain();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), 102);
    EXPECT_TRUE(port.Asked(578));
    Club().GetCountry()->SetTransferWindow(1);
    Page()->Send(WM_COMMAND, 32843, 0);
    Drain();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), 117);
}

// ---- Pages 24, 93 and 117 ----

TEST_F(PlayerPages, ClubTransfersShowBothLogsAndTheRecordFees) {
    Club().TransferHistory(1).Add("Gone Away", "Harwick Albion", 300000, "Port Ellis", -1);
    Club().TransferHistory(0).Add("Come Home", "Port Ellis", 120000, "Harwick Albion", -1);
    Club().TransferHistory(0).Add("Also Here", "Port Ellis", 0, "Harwick Albion", -1);
    CPlayerScreen* page = Open(24);
    EXPECT_EQ(Text(0), Club().GetName());
    EXPECT_EQ(Text(1), S(517));
    CListControl& list = *page->GetPageList(0);
    ASSERT_EQ(list.GetRowCount(), 1);
    EXPECT_STREQ(list.GetColumnHeader(3), S(729).c_str());
    EXPECT_STREQ(list.GetItemText(0, 1), "Gone Away");
    EXPECT_FALSE(page->GetPageButton(1)->IsEnabled());
    EXPECT_TRUE(page->GetPageButton(0)->IsEnabled());
    Save("club-transfers");
    page->Send(WM_COMMAND, 518, 0);
    Drain();
    EXPECT_EQ(Text(1), S(518));
    EXPECT_EQ(list.GetRowCount(), 2);
    EXPECT_STREQ(list.GetColumnHeader(3), S(728).c_str());
    EXPECT_TRUE(page->GetPageButton(1)->IsEnabled());
    EXPECT_FALSE(page->GetPageButton(0)->IsEnabled());
    EXPECT_TRUE(list.IsVisible());
    // Another club, chosen in the tree, with no transfers at all.
    TreeNotice pick;
    pick.level = 4;
    pick.data = reinterpret_cast<uintptr_t>(&Other());
    page->OnTreeSelect(&pick);
    EXPECT_EQ(Text(0), Other().GetName());
    EXPECT_FALSE(list.IsVisible());
    EXPECT_TRUE(page->GetPageLabel(6)->IsVisible());
    EXPECT_EQ(Text(6), S(735));
}

// Back to a club's transfers shows the club it showed: the one it opened on
// and the one chosen in the tree on it, whatever the tree holds since.
TEST_F(PlayerPages, BackReopensClubTransfersOnTheClubItShowed) {
    auto select = [](const CClub* club) {
        g_nTreeSelectionData = reinterpret_cast<uintptr_t>(club);
        g_nTreeSelectionLevel = 4;
        g_nTreeSelectionKind = 0;
    };
    select(&Other());
    Open(24);
    EXPECT_EQ(Text(0), Other().GetName());
    Open(117);
    select(&Club());
    ASSERT_TRUE(manager.GoBack(1));
    Drain();
    ASSERT_EQ(Page()->GetPage(), 24);
    EXPECT_EQ(Text(0), Other().GetName()) << "the club it opened on";

    TreeNotice pick;
    pick.level = 4;
    pick.data = reinterpret_cast<uintptr_t>(&Club());
    Page()->OnTreeSelect(&pick);
    Open(117);
    select(&Other());
    ASSERT_TRUE(manager.GoBack(1));
    Drain();
    EXPECT_EQ(Text(0), Club().GetName()) << "the club chosen on it";
}

// The tree selection is a raw address that can outlive its world (a game
// loaded or started since): a club or player it names that the running
// world does not hold is never read.
TEST_F(PlayerPages, ATreeSelectionFromAnotherWorldIsNoSelection) {
    CClub elsewhere;
    elsewhere.SetName("Elsewhere Rovers");
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(&elsewhere);
    g_nTreeSelectionLevel = 4;
    Open(24);
    EXPECT_EQ(Text(0), Club().GetName()) << "the user's club, not the stranger";

    CPlayer stranger;
    stranger.Person().SetSurname("Stranger");
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(&stranger);
    g_nTreeSelectionLevel = 5;
    CPlayerScreen* page = Open(93);
    EXPECT_EQ(Text(0), "");
    EXPECT_FALSE(page->GetPageList(0)->IsVisible());
    EXPECT_EQ(Text(2), S(735));

    // A club of the world is still taken.
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(&Other());
    g_nTreeSelectionLevel = 4;
    Open(24);
    EXPECT_EQ(Text(0), Other().GetName());
}

TEST_F(PlayerPages, TransferHistoryShowsTheTreesPlayerOnly) {
    CPlayer* mover = Sign(Club(), CSoccerPlayer::kDefender, "Mover");
    mover->m_TransferHistory.Add("01 Jul 1997", 50000, "Port Ellis");
    mover->m_TransferHistory.Add("01 Jul 1999", 0, "Harwick Albion");
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(mover);
    g_nTreeSelectionLevel = 5;
    CPlayerScreen* page = Open(93);
    EXPECT_EQ(Text(0), mover->GetName());
    EXPECT_EQ(page->GetPageList(0)->GetRowCount(), 2);
    EXPECT_TRUE(page->GetPageList(0)->IsVisible());
    Save("transfer-history");
    // A club node is not a player: no name, no list.
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(&Club());
    g_nTreeSelectionLevel = 4;
    page = Open(93);
    EXPECT_EQ(Text(0), "");
    EXPECT_FALSE(page->GetPageList(0)->IsVisible());
    EXPECT_EQ(Text(2), S(735));
    EXPECT_TRUE(page->GetPageLabel(2)->IsVisible());
}

TEST_F(PlayerPages, BidsInProgressShowNoDataWhenThereAreNone) {
    CPlayerScreen* page = Open(117);
    EXPECT_EQ(Text(0), Club().GetName());
    EXPECT_FALSE(page->GetPageList(0)->IsVisible());
    EXPECT_TRUE(page->GetPageLabel(2)->IsVisible());
    Save("bids");
}

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

// The pages build every row, and the rows come in the order the page
// addresses them by: (kind, id) with kind l label, p push, c check, t list.
TEST_F(PlayerPages, EachPageBuildsItsRowsInTheirOrder) {
    struct PageRows {
        int page;
        std::string kinds;  // one letter a row
        std::vector<uint32_t> buttonIds;
    };
    const PageRows pages[] = {
        {24, "lllllltlpp", {518, 517}},
        {93, "lllt", {}},
        {102, "llpppppt", {23232, 32843, 21531, 21536, 23230}},
        {117, "lllt", {}},
        {60, std::string(53, 'l') + "pppccccctt", {540, 538, 537, 798, 799, 800, 801, 539}},
        {47, "lltppppplllllppppplcptplllllcp",
         {532, 445, 446, 447, 448, 533, 576, 1036, 1034, 1035, 1037, 1039, 1046, 1082, 492}},
        {37, "lllptt", {456}},
    };
    CPlayer* p = Sign(Club(), CSoccerPlayer::kDefender, "Rows");
    for (const PageRows& r : pages) {
        SCOPED_TRACE(r.page);
        platform::TraceCapture trace;
        CPlayerScreen* page = Open(r.page, r.page == 60 ? p : nullptr, 0);
        EXPECT_FALSE(trace.Contains("Failed to find"));
        EXPECT_FALSE(trace.Contains("Ran out"));
        const int first = screentables::FirstControlRow(r.page);
        const int count = screentables::kScreens[r.page].controlCount;
        std::string kinds;
        for (int i = first; i < first + count; ++i) {
            const uint32_t f = screentables::kControls[i].flags;
            kinds += (f & 0x40) ? 't' : (f & 0x100) ? 'c' : (f & 0x2) ? 'p' : 'l';
        }
        EXPECT_EQ(kinds, r.kinds);
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 'l'), page->GetLabelCount());
        ASSERT_EQ(page->GetButtonCount(), static_cast<int>(r.buttonIds.size()));
        for (size_t b = 0; b < r.buttonIds.size(); ++b) EXPECT_EQ(page->GetButton(int(b)).Id(), r.buttonIds[b]) << b;
        EXPECT_EQ(page->GetListCount(), std::count(r.kinds.begin(), r.kinds.end(), 't'));
    }
}

}  // namespace
}  // namespace playertest
