// Manager Vacancies over a real game: approaching clubs, the board's
// checks, bargaining, rejecting and accepting, and the renewal that model
// code opens the page for and waits on.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "screens/competitions_fixture.h"
#include "screens/managerscreen.h"
#include "shell/mainframe.h"
#include "shell/setupstate.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/userport.h"
#include "ui/xbutton.h"
#include "ui/xstatic.h"

namespace competitionstest {
namespace {

class VacanciesPage : public CompetitionPages {
protected:
    void SetUp() override {
        CompetitionPages::SetUp();
        g_SetupState.turnedDown.clear();
        Manager().m_Rating = 100;  // every board rates him
    }
    CManagerScreen* OpenVacancies() {
        return Open<CManagerScreen>(PageClass::Manager, CManagerScreen::kVacanciesPage);
    }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    CManager& Manager() { return *W().GetCurrentManager(); }
    // A club of the second division outside its table's top quarter, with
    // a computer manager.
    CClub* Lower(int skip = 0) {
        CDivision* d = Scotland().GetDivision(1);
        for (int i = 0; d && i < W().GetClubList().GetSize(); ++i) {
            CClub* c = W().GetClub(i);
            if (c->GetDivision() != d || c == club || c->GetManagerKind() != 0) continue;
            if (c->GetTablePosition() < int(d->GetClubCount()) / 4) continue;
            if (skip-- == 0) return c;
        }
        return nullptr;
    }
    // The manager out of work, his old club left without him.
    void Unemploy() {
        club->ManagerLeaves(0);
        ASSERT_FALSE(User().IsEmployed());
    }
    // The next draw of Random(3) is not 1: the board does not walk away.
    void SeedNoWithdrawal() {
        for (uint32_t s = 1;; ++s) {
            platform::SeedRandom(s);
            if (Random(3) != 1) {
                platform::SeedRandom(s);
                return;
            }
        }
    }
    // A post offered through the port as model code offers it: once the
    // page is shown `onPage` looks at it and Accept is clicked; the welcome
    // is answered and the same button, now "Exit Screen", ends the wait.
    int AcceptOffer(CManagerScreen& hub, CClub* target, bool& exitClicked,
                    const std::function<void(CManagerScreen&)>& onPage) {
        platform::win::Window& frame = *app->GetMainFrame();
        const platform::win::Point accept = frame.ScreenToClient(hub.ClientToScreen(platform::win::Point{455, 421}));
        SeedNoWithdrawal();
        backend->Call([this, accept, onPage] {
            if (auto* page = dynamic_cast<CManagerScreen*>(manager->GetCurrentPage())) onPage(*page);
            backend->Click(accept, platform::win::MouseButton::Left, 10);
        });
        exitClicked = false;
        answerBox = [this, accept, &exitClicked] {
            ++boxes;
            auto* box = dynamic_cast<CUserMessageBoxDlg*>(platform::win::Ui::Get().GetActiveWindow());
            if (box) boxTexts.push_back(box->ShownText());
            backend->Key(platform::win::VK_RETURN, 10);
            if (box && !exitClicked) {
                exitClicked = true;
                backend->Click(accept, platform::win::MouseButton::Left, 600);
            }
            backend->OnModalShown(answerBox);
        };
        const int agreed =
            GetUserPort().RunScreenModal(116, target, W().GetClubList().GetIndex(target), User().GetManagerIndex(), 0);
        Drain();
        return agreed;
    }
    std::string Contract(CManagerScreen& p) { return p.GetContractText() ? p.GetContractText()->GetText() : "?"; }
    bool Active(CManagerScreen& p, uint32_t id) {
        CXButton* b = p.GetVacancyButton(id);
        return b && b->IsEnabled();
    }
};

TEST_F(VacanciesPage, TheBoardKeepsANewManagerAndLetsASettledOneGoOnce) {
    CClub* target = Lower();
    ASSERT_NE(target, nullptr);
    CManagerScreen* page = OpenVacancies();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Select(target));
    EXPECT_EQ(page->GetTarget(), target);
    EXPECT_EQ(Contract(*page), platform::LoadString(53612));
    EXPECT_TRUE(Active(*page, CManagerScreen::kApproach));
    EXPECT_FALSE(Active(*page, CManagerScreen::kAccept));
    // Fewer than six weeks at his club: he is not released.
    Manager().Person().SetWeeksAtClub(3);
    User().SetTransferFlag(1);
    const int before = boxes;
    EXPECT_FALSE(page->Approach());
    EXPECT_EQ(boxes, before + 1);
    EXPECT_FALSE(page->IsOfferMade());
    // Settled, and the board in the mood: the disappointed box once a page.
    Manager().Person().SetWeeksAtClub(30);
    User().SetTransferFlag(0);
    EXPECT_FALSE(page->Approach()) << "the board's mood keeps him";
    User().SetTransferFlag(1);
    EXPECT_TRUE(page->Approach());
    EXPECT_TRUE(page->IsOfferMade());
    EXPECT_EQ(Contract(*page).rfind("The board at " + target->GetName(), 0), 0u);
    EXPECT_EQ(page->GetVacancyButton(CManagerScreen::kApproach)->Text(), platform::LoadString(53621));
    ASSERT_NE(page->GetClubNameLabel(), nullptr);
    EXPECT_EQ(page->GetClubNameLabel()->GetText(), target->GetName());
}

TEST_F(VacanciesPage, ClubsThatMayNotTakeHimSayTheyAreNotInterested) {
    Unemploy();
    CDivision* top2 = Scotland().GetDivision(1);
    CClub* leader = nullptr;
    for (int i = 0; i < W().GetClubList().GetSize() && !leader; ++i)
        if (W().GetClub(i)->GetDivision() == top2 && W().GetClub(i)->GetTablePosition() < int(top2->GetClubCount()) / 4)
            leader = W().GetClub(i);
    CManagerScreen* page = OpenVacancies();
    ASSERT_NE(page, nullptr);
    struct Case {
        const char* what;
        CClub* target;
        double rating;
    };
    const Case cases[] = {{"his former club", club, 100}, {"a club in the top quarter", leader, 100},
                          {"a club whose board rates him too low", Lower(), 0}};
    for (const Case& c : cases) {
        if (!c.target) continue;
        SCOPED_TRACE(c.what);
        Manager().m_Rating = c.rating;
        ASSERT_TRUE(Select(c.target));
        const int before = boxes;
        EXPECT_FALSE(page->Approach());
        EXPECT_EQ(boxes, before + 1);
        EXPECT_FALSE(page->IsOfferMade());
    }
}

TEST_F(VacanciesPage, RaisedOffersEndInWithdrawalByTheFifthAndTheClubThenRefuses) {
    Unemploy();
    CClub* target = Lower();
    ASSERT_NE(target, nullptr);
    CManagerScreen* page = OpenVacancies();
    ASSERT_TRUE(Select(target));
    ASSERT_TRUE(page->Approach());
    const double first = page->GetLastOffer();
    EXPECT_GT(first, 0);
    // Asking for less than is on the table changes nothing.
    SeedNoWithdrawal();
    page->GetSalaryField().SetValue(page->GetSalaryField().GetShownValue() - 1, false);
    const int before = boxes;
    page->Approach();
    EXPECT_EQ(boxes, before + 1);
    EXPECT_EQ(page->GetLastOffer(), first);
    EXPECT_TRUE(page->IsOfferMade());
    // Raise until the board walks away: never later than the fifth time.
    platform::SeedRandom(7);
    int raises = page->GetTalkCount();
    while (page->IsOfferMade() && raises < 10) {
        page->Approach();
        ++raises;
    }
    EXPECT_LE(raises, CManagerScreen::kMaxTalks);
    EXPECT_FALSE(page->IsOfferMade());
    EXPECT_TRUE(CManagerScreen::IsTurnedDown(W().GetClubList().GetIndex(target)));
    EXPECT_EQ(Contract(*page), platform::LoadString(497)) << "after Reject in a game";
    ASSERT_TRUE(Select(target));
    EXPECT_EQ(Contract(*page), platform::LoadString(53611));
    EXPECT_FALSE(Active(*page, CManagerScreen::kApproach));
}

TEST_F(VacanciesPage, AcceptingMovesTheManagerAndTheClubsOwnManagerLeaves) {
    Unemploy();
    g_SetupState.turnedDown.push_back(0);
    CClub* target = Lower();
    ASSERT_NE(target, nullptr);
    const int sitting = target->GetManager();
    ASSERT_GE(sitting, 0);
    const std::string sittingName = target->GetManagerName();
    CNewsList& news = target->GetCountry()->GetNews();
    const int newsBefore = news.GetSize();
    CManagerScreen* page = OpenVacancies();
    ASSERT_TRUE(Select(target));
    ASSERT_TRUE(page->Approach());
    const double wage = target->GetManagerWage();
    const int before = boxes;
    page->Accept();
    EXPECT_EQ(boxes, before + 1) << "the welcome";
    EXPECT_TRUE(User().IsEmployed());
    EXPECT_EQ(User().GetClub(), target);
    EXPECT_EQ(target->GetManager(), User().GetManagerIndex());
    EXPECT_NE(W().GetManagerList().GetAt(sitting)->GetClubIndex(), W().GetClubList().GetIndex(target));
    ASSERT_EQ(news.GetSize(), newsBefore + 1) << "the country hears that its manager went";
    EXPECT_NE(news.GetAt(news.GetSize() - 1)->GetText().find(sittingName), std::string::npos);
    EXPECT_TRUE(g_SetupState.turnedDown.empty()) << "a job accepted forgets the refusals";
    EXPECT_NEAR(Manager().Person().GetWeeklyWage() * 52, wage, 52.0);
    EXPECT_FALSE(Active(*page, CManagerScreen::kAccept));
}

// Another human manager's club is never approached, whatever his slot.
TEST_F(VacanciesPage, AClubWithAHumanManagerIsNotInterested) {
    CClub* other = Lower();
    ASSERT_NE(other, nullptr);
    const int index = W().GetManagerList().AddManager(Scotland());
    W().GetUser(1)->SetManager(index);
    W().GetUser(1)->JoinClub(W().GetClubList().GetIndex(other));
    ASSERT_EQ(other->GetManagerKind(), 1);
    Unemploy();
    CManagerScreen* page = OpenVacancies();
    ASSERT_TRUE(Select(other));
    page->Approach();
    EXPECT_EQ(Contract(*page), platform::LoadString(490));
    EXPECT_FALSE(page->IsClubSelected());
    EXPECT_EQ(other->GetHumanManager(), W().GetUser(1));
}

// The board's renewal waits on the page: the offer is shown at once,
// accepted, and the wait ended through "Exit Screen".
TEST_F(VacanciesPage, ARenewalAgreedAndEndedThroughExitScreenKeepsTheManager) {
    CManagerScreen* hub = Open<CManagerScreen>(PageClass::Manager, CManagerScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    platform::win::Window& frame = *app->GetMainFrame();
    // The pages all stand where the hub stands: Accept's middle, twice.
    const platform::win::Point accept = frame.ScreenToClient(hub->ClientToScreen(platform::win::Point{455, 421}));
    // The board's question is answered Yes; then Accept, and Exit Screen.
    std::function<void()> renewal = [&] {
        ++boxes;
        backend->Key(platform::win::VK_RETURN, 10);
        backend->Click(accept, platform::win::MouseButton::Left, 600);
        backend->Click(accept, platform::win::MouseButton::Left, 600);
        backend->OnModalShown(answerBox);
    };
    backend->OnModalShown(renewal);
    const int user = User().GetManagerIndex();
    club->OfferNewContractToHuman();
    Drain();
    EXPECT_EQ(club->GetManager(), user) << "he stays, under the new terms";
    EXPECT_TRUE(User().IsEmployed());
    EXPECT_EQ(User().GetClub(), club);
    auto* page = dynamic_cast<CManagerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->IsExitMode());
    EXPECT_EQ(std::count(boxTexts.begin(), boxTexts.end(), platform::LoadString(53620)), 0) << "a renewal has no welcome";
    EXPECT_EQ(Contract(*page).rfind("Based on your past performance the board at " + club->GetName(), 0), 0u)
        << Contract(*page);
}

// Model code opens the page for another club's post through the port: the
// page shows that club with its offer; Accept moves the manager there, his
// old club turns white and the new one yellow, the status bar names the new
// club, and "Exit Screen" ends the wait with an agreement.
TEST_F(VacanciesPage, AJobOfferSelectsTheOfferingClubAndAcceptingMovesHim) {
    CManagerScreen* hub = Open<CManagerScreen>(PageClass::Manager, CManagerScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CClub* target = Lower();
    ASSERT_NE(target, nullptr);
    target->ManagerLeaves(0);  // the post the board offers
    ASSERT_LT(target->GetManager(), 0);
    const int self = W().GetClubList().GetIndex(target);
    std::string shownName, shownContract;
    int shownTarget = -1, talks = -1;
    bool offered = false, acceptActive = false;
    bool exitClicked = false;
    const int agreed = AcceptOffer(*hub, target, exitClicked, [&](CManagerScreen& page) {
        shownTarget = W().GetClubList().GetIndex(page.GetTarget());
        shownName = page.GetClubNameLabel() ? page.GetClubNameLabel()->GetText() : "";
        shownContract = Contract(page);
        offered = page.IsOfferMade();
        talks = page.GetTalkCount();
        acceptActive = Active(page, CManagerScreen::kAccept);
    });
    EXPECT_EQ(shownTarget, self) << "the club the call names, not his own";
    EXPECT_EQ(shownName, target->GetName());
    EXPECT_TRUE(offered);
    EXPECT_EQ(talks, 0);
    EXPECT_TRUE(acceptActive);
    EXPECT_EQ(shownContract.rfind("The board at " + target->GetName() + " have considered your application", 0), 0u)
        << shownContract;
    EXPECT_TRUE(exitClicked) << "the welcome was shown";
    EXPECT_EQ(std::count(boxTexts.begin(), boxTexts.end(), platform::LoadString(53620)), 1);
    EXPECT_EQ(agreed, 1);
    EXPECT_EQ(User().GetClub(), target);
    EXPECT_EQ(target->GetManager(), User().GetManagerIndex());
    EXPECT_NE(club->GetManager(), User().GetManagerIndex()) << "his old club is left";
    auto* page = dynamic_cast<CManagerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->IsExitMode());
    CTreeNode* oldNode = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    CTreeNode* newNode = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(target), 0);
    ASSERT_NE(oldNode, nullptr);
    ASSERT_NE(newNode, nullptr);
    EXPECT_EQ(oldNode->colour, 0xFFFFFFu) << "vacant now, but his old club is shown white";
    EXPECT_EQ(newNode->colour, platform::gfx::RGB(255, 255, 0)) << "his new club yellow";
    EXPECT_EQ(app->GetMainFrame()->GetStatusBar().GetPaneText(2), target->GetName());
}

// The renewal turned down on the page: "Reject", then "Exit Screen". The
// wait reports no agreement and the board lets its manager go.
TEST_F(VacanciesPage, ARenewalRejectedLeavesTheManagerToResign) {
    CManagerScreen* hub = Open<CManagerScreen>(PageClass::Manager, CManagerScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    platform::win::Window& frame = *app->GetMainFrame();
    const platform::win::Point accept = frame.ScreenToClient(hub->ClientToScreen(platform::win::Point{455, 421}));
    const platform::win::Point reject = frame.ScreenToClient(hub->ClientToScreen(platform::win::Point{271, 421}));
    bool onPage = false;
    std::string afterReject;
    // The board's question is answered Yes by the fixture's answerer; on
    // the page, Reject and then the same button as Accept, now Exit Screen.
    answerBox = [&] {
        auto* box = dynamic_cast<CUserMessageBoxDlg*>(platform::win::Ui::Get().GetActiveWindow());
        if (box) {
            ++boxes;
            boxTexts.push_back(box->ShownText());
            backend->Key(platform::win::VK_RETURN, 10);
        } else if (!onPage) {
            onPage = true;
            backend->Click(reject, platform::win::MouseButton::Left, 600);
            backend->Call([&] {
                if (auto* page = dynamic_cast<CManagerScreen*>(manager->GetCurrentPage())) {
                    afterReject = page->GetVacancyButton(CManagerScreen::kAccept)->Text();
                }
                backend->Click(accept, platform::win::MouseButton::Left, 10);
            });
        }
        backend->OnModalShown(answerBox);
    };
    const int user = User().GetManagerIndex();
    club->OfferNewContractToHuman();
    Drain();
    EXPECT_TRUE(onPage) << "the page's wait was shown";
    EXPECT_EQ(afterReject, platform::LoadString(580)) << "Reject in a model call leaves only Exit Screen";
    EXPECT_NE(club->GetManager(), user) << "he resigned";
    EXPECT_FALSE(User().IsEmployed());
    EXPECT_TRUE(CManagerScreen::IsTurnedDown(W().GetClubList().GetIndex(club)));
}

// Two clubs of one name: the club picked is the one approached and joined.
TEST_F(VacanciesPage, OfTwoClubsOfOneNameThePickedOneIsJoined) {
    Unemploy();
    CClub* target = Lower(1);
    CClub* twin = Lower(0);
    ASSERT_NE(target, nullptr);
    ASSERT_NE(twin, nullptr);
    ASSERT_LT(W().GetClubList().GetIndex(twin), W().GetClubList().GetIndex(target)) << "the twin is found first";
    twin->SetName(target->GetName());
    const int twinManager = twin->GetManager();
    CManagerScreen* page = OpenVacancies();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Select(target));
    EXPECT_EQ(page->GetTarget(), target);
    ASSERT_TRUE(page->Approach());
    page->Accept();
    EXPECT_EQ(User().GetClub(), target);
    EXPECT_EQ(target->GetManager(), User().GetManagerIndex());
    EXPECT_EQ(twin->GetManager(), twinManager) << "the twin keeps its manager";
}

// A post in a country the game does not follow: the country is taken up
// before he joins, so its job markets can follow the change.
TEST_F(VacanciesPage, APostAbroadTakesUpItsCountryBeforeHeJoins) {
    CManagerScreen* hub = Open<CManagerScreen>(PageClass::Manager, CManagerScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CClub* target = nullptr;
    for (int i = 0; i < W().GetClubList().GetSize() && !target; ++i) {
        CClub* c = W().GetClub(i);
        if (c->GetCountry() && !c->GetCountry()->IsFollowed() && c->GetManagerKind() == 0) target = c;
    }
    ASSERT_NE(target, nullptr) << "a club of a country not followed";
    CCountry* country = target->GetCountry();
    bool exitClicked = false;
    bool followedOnPage = true;
    const int agreed =
        AcceptOffer(*hub, target, exitClicked, [&](CManagerScreen&) { followedOnPage = country->IsFollowed(); });
    EXPECT_FALSE(followedOnPage) << "not taken up by the offer alone";
    EXPECT_EQ(agreed, 1);
    EXPECT_TRUE(country->IsFollowed());
    EXPECT_EQ(User().GetClub(), target);
}

// Model code makes the offered user current before it opens the page: the
// page acts for him, and leaves the current user and the screens' slot as
// they were.
TEST_F(VacanciesPage, AnOfferToTheSecondUserMovesHimAndNoOtherUser) {
    CManagerScreen* hub = Open<CManagerScreen>(PageClass::Manager, CManagerScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CClub* target = Lower();
    ASSERT_NE(target, nullptr);
    target->ManagerLeaves(0);
    const int index = W().GetManagerList().AddManager(Scotland());
    W().GetUser(1)->SetManager(index);
    W().GetManagerList().GetAt(index)->m_Rating = 100;
    const uint8_t slot = CWorldData::SelectedUserSlot();
    ASSERT_TRUE(W().SetCurrentUser(1));
    bool exitClicked = false;
    const int agreed = AcceptOffer(*hub, target, exitClicked, [](CManagerScreen&) {});
    EXPECT_EQ(agreed, 1);
    EXPECT_EQ(W().GetUser(1)->GetClub(), target);
    EXPECT_EQ(target->GetManager(), index);
    EXPECT_EQ(W().GetUser(0)->GetClub(), club) << "the first user keeps his club";
    EXPECT_EQ(club->GetManager(), W().GetUser(0)->GetManagerIndex());
    EXPECT_EQ(W().GetCurrentUserIndex(), 1);
    EXPECT_EQ(CWorldData::SelectedUserSlot(), slot);
    W().ResetCurrentUser();
}

// While the page is open the clubs without a manager, their divisions and
// countries stand out in the tree; leaving it makes them white again.
TEST_F(VacanciesPage, VacantClubsAreColouredWhileThePageIsOpen) {
    Unemploy();
    CTreeNode* node = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    ASSERT_NE(node, nullptr);
    CClub* other = Lower();
    ASSERT_NE(other, nullptr);
    CTreeNode* taken = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(other), 0);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(node->colour, 0xFFFFFFu);
    ASSERT_NE(OpenVacancies(), nullptr);
    node = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    taken = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(other), 0);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->colour, CManagerScreen::kVacantClubColour) << "his old club has no manager";
    EXPECT_EQ(taken->colour, 0xFFFFFFu) << "a club with a manager";
    Open<CScreen>(PageClass::Manager, CManagerScreen::kHubPage);
    node = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->colour, 0xFFFFFFu);
}

}  // namespace
}  // namespace competitionstest
