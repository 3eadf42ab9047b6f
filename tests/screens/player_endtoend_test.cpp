// The transfer market in the running program, as a user works it: a listed
// player of a computer club found on the transfer list by his name, bid for
// on the purchase page, his contract agreed on the contract page that the
// day step opens, and signed; then a computer club's bid for one of the
// user's players answered on the sale page until he is sold. Every page is
// worked by mouse clicks on its own buttons; every box the day brings is
// answered by one self-rearming answerer, which takes the box it expects
// and turns down any other. The game saved, loaded and saved again gives
// the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/png.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/playerscreen.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/country.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"
#include "support/human_game_app.h"
#include "support/scripted_match_driver.h"
#include "support/test_env.h"
#include "ui/listcontrol.h"
#include "ui/usermessagebox.h"
#include "ui/xbutton.h"
#include "ui/xmenu.h"
#include "shell/pagemenus.h"
#include "soccerclasses/employee.h"

namespace {

using namespace platform::win;

constexpr uint8_t kMarketCountry = 150;
constexpr uint32_t kToolPlayer = 19413, kTransferListCmd = 23232, kMoveHalfWeek = 19423;

class TransferMarketInTheProgram : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kMarketCountry});
        club = game->HumanManagesTopClub(kMarketCountry);
        ASSERT_NE(club, nullptr);
        RegisterGamePages();
        StartApp();
        scope = std::make_unique<testsupport::ScopedMatchDriver>(&driver);
        answer = [this] {
            OnModal();
            backend->OnModalShown(answer);
        };
        backend->OnModalShown(answer);
        backend->SetEndWhenScriptDone(false);
        Command(19410);
    }
    void TearDown() override {
        StopApp();
        scope.reset();
        game.reset();
    }
    CWorldData& W() { return *GetWorldData(); }
    CHumanManager& User() { return *W().GetUser(0); }
    Window& Main() { return *app->GetMainFrame(); }
    CPlayerScreen* Page() { return dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage()); }
    void Run(uint64_t ms) { testsupport::RunVirtualTime(*backend, Main(), ms); }

    // What a modal loop shows: a box is answered by the script's wish for
    // it or turned down; a page the model waits on is worked by its script.
    void OnModal() {
        if (const CXMenu* m = CXMenu::Tracking()) {
            std::vector<uint32_t> ids;
            for (int i = 0; i < m->GetItemCount(); ++i) ids.push_back(m->GetItemId(i));
            menus.push_back(std::move(ids));
            backend->Key(VK_ESCAPE, 10);
            return;
        }
        if (auto* box = dynamic_cast<CUserMessageBoxDlg*>(Ui::Get().GetActiveWindow())) {
            boxes.push_back(box->ShownText());
            const std::vector<std::string>& labels = box->GetButtonLabels();
            int pick = -1;
            if (boxWish) pick = boxWish(box->ShownText(), labels);
            if (pick < 0) {
                // Not the script's: its reject or cancel button, and logged.
                unexpected.push_back(box->ShownText());
                pick = LabelIndex(labels, "Reject");
                if (pick < 0) pick = LabelIndex(labels, "Refuse");
                if (pick < 0 && labels.size() == 2) pick = 1;
                if (pick < 0) {
                    backend->Key(labels.size() > 1 ? VK_ESCAPE : VK_RETURN, 10);
                    return;
                }
            }
            const Rect r = box->GetButtonRects()[static_cast<size_t>(pick)];
            backend->Click(Main().ScreenToClient(box->ClientToScreen(Point{r.left + 20, r.top + 10})),
                           MouseButton::Left, 10);
            return;
        }
        CPlayerScreen* page = Page();
        if (!page) return;
        if (pageScript && pageScript(page)) {
            ++modalPages;
            return;
        }
        // A page the script does not expect is left at once.
        unexpected.push_back("page " + std::to_string(page->GetPage()));
        const int leave = page->GetPage() == CPlayerScreen::kPersonPage ? 2 : 0;
        Then([this, leave] { ClickButton(leave); });
    }
    // Runs `step` on the UI thread once the input before it is handled and
    // no box is up (a box's answer goes first).
    void Then(std::function<void()> step, int waits = 0) {
        backend->Call([this, step, waits] {
            if (auto* box = dynamic_cast<CUserMessageBoxDlg*>(Ui::Get().GetActiveWindow())) {
                // A box that stays up was not answered: turn it down.
                if (waits == 20) {
                    unexpected.push_back("stuck: " + box->ShownText());
                    backend->Key(VK_ESCAPE, 10);
                }
                if (waits < 40) Then(step, waits + 1);
                return;
            }
            step();
        }, 600);
    }
    // Pictures for people to look at (scripts/screenshots.sh); never the check.
    void Shot(const std::string& name) {
        Ui::Get().PresentNow();
        const auto dir = testenv::BuildDir() / "page-shots";
        std::filesystem::create_directories(dir);
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
    // Clicks button `b` of the page on display where it stands.
    void ClickButton(int b) {
        CPlayerScreen* page = Page();
        ASSERT_NE(page, nullptr);
        CXButton* button = page->GetPageButton(b);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsVisible() && button->IsEnabled()) << "button " << b << " of page " << page->GetPage();
        const Rect r = button->WindowRect();
        const Point at = Main().ScreenToClient(page->ClientToScreen(Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        backend->Click(at, MouseButton::Left, 20);
    }
    void PressButton(int b) {
        ClickButton(b);
        Run(600);  // past the double-click time: the next click is a click of its own
    }
    // Scrolls the page's first list to row `row` and clicks it.
    void ClickRow(int row) {
        CPlayerScreen* page = Page();
        CListControl* list = page->GetPageList(0);
        list->SetTopRow(row);
        Run(50);
        const Rect r = list->WindowRect();
        for (int y = r.top; y < r.bottom; ++y)
            if (page->HitTestListRow(r.left + 40, y) == row) {
                backend->Click(Main().ScreenToClient(page->ClientToScreen(Point{r.left + 40, y + 3})), MouseButton::Left, 20);
                Run(300);
                return;
            }
        ADD_FAILURE() << "row " << row << " is not shown";
    }
    // The sub-menu of resource 131 a shown menu held; -1 for none.
    static int MenuGroupOf(const std::vector<uint32_t>& ids) { return testsupport::MenuGroupHolding(ids); }
    // A press of `button` at a page point with the real mouse; a double
    // click when asked.
    void MouseAt(Point p, MouseButton button, bool dbl = false) {
        const Point at = Main().ScreenToClient(Page()->ClientToScreen(p));
        backend->Click(at, button, 20);
        if (dbl) backend->Click(at, button, 60);
        Run(400);
    }
    // A point on row `row` of the page's first list (scrolled into view).
    Point RowPoint(int row) {
        CListControl* list = Page()->GetPageList(0);
        list->SetTopRow(row);
        Run(50);
        const Rect r = list->WindowRect();
        for (int y = r.top; y < r.bottom; ++y)
            if (Page()->HitTestListRow(r.left + 40, y) == row) return {r.left + 40, y + 3};
        return {-1, -1};
    }
    int RowNamed(const std::string& name) {
        CListControl* list = Page()->GetPageList(0);
        for (int r = 0; r < list->GetRowCount(); ++r)
            if (name == list->GetItemText(r, 0)) return r;
        return -1;
    }
    static int LabelIndex(const std::vector<std::string>& labels, const std::string& part) {
        for (size_t i = 0; i < labels.size(); ++i)
            if (labels[i].find(part) != std::string::npos) return static_cast<int>(i);
        return -1;
    }
    int IndexOf(const CPlayer& p) { return CClub::FindWorldIndex(p); }
    int SlotsHolding(int index) {
        int n = 0;
        for (int c = 0; c < W().GetClubList().GetSize(); ++c)
            for (int s = 0; s < kSquadSlots; ++s)
                if (CClub* k = W().GetClub(c); k && k->GetPlayer(s) == W().GetPlayer(index)) ++n;
        return n;
    }
    // A listed player of a computer club, shown on the list, whom the seller
    // can spare and the user can afford and house.
    std::vector<CPlayer*> Candidates() {
        std::vector<CPlayer*> out;
        CListControl* list = Page()->GetPageList(0);
        for (int r = 0; r < list->GetRowCount(); ++r) {
            auto* p = reinterpret_cast<CPlayer*>(list->GetItemData(r));
            if (!p || !p->IsListed() || p->IsOnLoan()) continue;
            CClub* seller = p->GetClub();
            if (!seller || seller->IsHumanManaged() || seller->CountAvailablePlayers() <= 18) continue;
            const int pos = p->GetPosition();
            if (seller->CountAvailableInPosition(pos) <= CClub::GetMinPlayersInPosition(pos)) continue;
            const std::string refusal = p->GetRefusalText(*club, false);
            if (!p->IsWillingToMove() || !(refusal.empty() || refusal == "T")) continue;
            if (p->GetAskingPrice(*seller->GetCountry()) * 1.5 > club->GetTransferBudget()) continue;
            out.push_back(p);
        }
        return out;
    }

    std::unique_ptr<testsupport::GameDriver> game;
    testsupport::ScriptedMatchDriver driver;
    std::unique_ptr<testsupport::ScopedMatchDriver> scope;
    CClub* club = nullptr;
    std::function<void()> answer;
    std::function<int(const std::string&, const std::vector<std::string>&)> boxWish;
    // Works a page the model waits on; false when it is not the page expected.
    std::function<bool(CPlayerScreen*)> pageScript;
    std::vector<std::string> boxes, unexpected;
    std::vector<std::vector<uint32_t>> menus;
    int modalPages = 0;
};

TEST_F(TransferMarketInTheProgram, APlayerIsBoughtOnTheListAndAnotherSoldOnTheSalePage) {
    club->SetBankBalance(4e7);
    club->SetBudgetPercentage(100.0);
    const int clubIndex = W().GetClubList().GetIndex(club);

    // --- The transfer list: a listed player found by his name, bid for.
    Command(kToolPlayer);
    ASSERT_NE(Page(), nullptr);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kHubPage);
    ASSERT_EQ(Page()->GetPageButton(0)->Id(), kTransferListCmd);
    PressButton(0);
    ASSERT_NE(Page(), nullptr);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kTransferListPage);
    ASSERT_GT(Page()->GetPageList(0)->GetRowCount(), 0);
    CPlayer* bought = nullptr;
    CClub* seller = nullptr;
    double fee = 0;
    int sellOn = 0;
    const std::vector<CPlayer*> candidates = Candidates();
    for (CPlayer* p : candidates) {
        if (Page()->GetPage() != CPlayerScreen::kTransferListPage) break;
        const int row = RowNamed(p->GetName());
        if (row < 0) continue;
        ClickRow(row);
        PressButton(CPlayerScreen::kBuyButton);
        ASSERT_FALSE(Page()->GetBuyLines().empty());
        EXPECT_EQ(Page()->GetBuyLines()[0], platform::FormatMessageId(1050, {p->GetClub()->GetName(), p->GetName()}));
        EXPECT_EQ(Page()->GetPageButton(CPlayerScreen::kBuyButton)->Text(), platform::LoadString(1101));
        PressButton(CPlayerScreen::kBuyButton);
        ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kPurchasePage);
        ASSERT_EQ(Page()->m_pSubject, p);
        const double asking = Page()->ReadField(CPlayerScreen::kAmountField);
        EXPECT_EQ(asking, p->GetAskingPrice(*p->GetClub()->GetCountry()));
        PressButton(1);  // "Make Offer" with the fields as they are
        if (Page()->DealAgreed()) {
            Shot("game-purchase");
            bought = p;
            seller = p->GetClub();
            fee = asking;
            sellOn = static_cast<int>(Page()->ReadField(CPlayerScreen::kSellOnField));
            break;
        }
        // Turned down: back to the list for the next one.
        Command(kToolPlayer);
        PressButton(0);
    }
    ASSERT_NE(bought, nullptr) << "no seller took the asking price";
    const int boughtIndex = IndexOf(*bought);
    EXPECT_EQ(Page()->GetReplyLines()[0], platform::FormatMessageId(594, {seller->GetName(), bought->GetName()}));
    EXPECT_EQ(Page()->GetPageButton(1)->Text(), platform::LoadString(580));
    ASSERT_EQ(User().GetNegotiations().GetSize(), 1);
    EXPECT_EQ(User().GetNegotiations().GetAt(0)->m_Player, boughtIndex);
    EXPECT_EQ(User().GetNegotiations().GetAt(0)->m_Fee, static_cast<int>(fee));
    EXPECT_EQ(User().GetNegotiations().GetAt(0)->m_Kind, sellOn);
    PressButton(1);  // "Exit Screen"
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kTransferListPage);

    // --- The day step asks to talk terms; the contract page it opens signs him.
    const std::string question = bought->GetName();
    boxWish = [&](const std::string& text, const std::vector<std::string>& labels) {
        return text.find(question) != std::string::npos && text.find("contract") != std::string::npos
                   ? std::max(0, LabelIndex(labels, "egotiat"))
                   : -1;
    };
    double buyerBefore = 0, sellerBefore = 0, buyerAfter = 0, sellerAfter = 0;
    std::vector<std::string> contractReplies;
    CContractOffer demands;
    pageScript = [&](CPlayerScreen* page) {
        if (page->GetPage() != CPlayerScreen::kContractPage || page->m_pSubject != bought) return false;
        Then([&] {
            demands = Page()->GetDemands();
            Shot("game-contract");
            buyerBefore = club->GetBankBalance();
            sellerBefore = seller->GetBankBalance();
            ClickButton(1);  // "Make Offer" with the demands as they stand
            Then([&] {
                buyerAfter = club->GetBankBalance();
                sellerAfter = seller->GetBankBalance();
                contractReplies = Page()->GetReplyLines();
                ClickButton(1);  // "Exit Screen" ends the wait
            });
        });
        return true;
    };
    for (int step = 0; step < 3 && modalPages == 0; ++step) Command(kMoveHalfWeek);
    ASSERT_EQ(modalPages, 1) << "the contract page opened once";
    const std::string accepted = platform::FormatMessageId(26, {bought->GetName(), demands.m_Years, club->GetName()});
    EXPECT_NE(std::find(contractReplies.begin(), contractReplies.end(), accepted), contractReplies.end());
    EXPECT_EQ(bought->GetClub(), club);
    EXPECT_GE(club->FindSlotOfPlayer(static_cast<uint16_t>(boughtIndex)), 0);
    EXPECT_LT(seller->FindSlotOfPlayer(static_cast<uint16_t>(boughtIndex)), 0);
    EXPECT_EQ(SlotsHolding(boughtIndex), 1);
    // The seller keeps two thirds of the fee; the buyer pays it whole, with
    // the signing-on fee and the relocation.
    EXPECT_NEAR(sellerAfter - sellerBefore, 0.67 * fee, 1.0);
    EXPECT_NEAR(buyerBefore - buyerAfter, fee + demands.m_SigningOnFee + demands.m_Relocation, 1.0);
    EXPECT_GE(bought->m_TransferHistory.GetSize(), 1);
    auto logHolds = [&](const CClub& c, int log) {
        const auto& h = c.TransferHistory(log);
        for (int i = 0; i < h.GetSize(); ++i)
            if (h.GetAt(i)->m_PlayerIndex == boughtIndex) return true;
        return false;
    };
    EXPECT_TRUE(logHolds(*club, 0)) << "the buyer's log of players bought";
    EXPECT_TRUE(logHolds(*seller, 1)) << "the seller's log of players sold";
    const CContractClause* clause = W().GetContractClauseList().Find(static_cast<uint32_t>(boughtIndex));
    if (sellOn > 0) {
        ASSERT_NE(clause, nullptr);
        EXPECT_EQ(clause->m_Percentage, sellOn);
        EXPECT_EQ(static_cast<int>(clause->m_Club), W().GetClubList().GetIndex(seller));
    }
    EXPECT_EQ(User().GetNegotiations().GetSize(), 0);
    EXPECT_EQ(std::count(club->OfferTargets().begin(), club->OfferTargets().end(), uint32_t(boughtIndex)), 0);

    // --- A computer club's bid for one of his players, answered on page 23.
    CPlayer* sold = nullptr;
    for (int s = 0; s < kSquadSlots && !sold; ++s)
        if (CPlayer* p = club->GetPlayer(s); p && p != bought && p->IsWillingToMove() && !p->IsOnLoan()) sold = p;
    ASSERT_NE(sold, nullptr);
    const int soldIndex = IndexOf(*sold);
    std::vector<CClub*> buyers;
    for (int c = 0; c < W().GetClubList().GetSize(); ++c)
        if (CClub* k = W().GetClub(c); k && k != club && k != seller && !k->IsHumanManaged() && k->GetDivision() &&
                                       k->GetSquadSize() < kSquadSlots - 2)
            buyers.push_back(k);
    ASSERT_GE(buyers.size(), 2u);
    boxWish = [&](const std::string& text, const std::vector<std::string>& labels) {
        return text.find(sold->GetName()) != std::string::npos ? LabelIndex(labels, "egotiat") : -1;
    };
    int shownBid = -1, saleSellOn = 0;
    bool walkedAway = false;
    std::string heading, opening;
    double userBefore = 0;
    pageScript = [&](CPlayerScreen* page) {
        if (page->GetPage() != CPlayerScreen::kSalePage || page->m_pSubject != sold) return false;
        heading = page->GetPageLabel(1)->GetText();
        opening = page->GetReplyLines().empty() ? "" : page->GetReplyLines().front();
        userBefore = club->GetBankBalance();
        if (walkedAway) {  // the second club's bid: taken at once
            Then([&] {
                shownBid = Page()->GetBid();
                saleSellOn = Page()->m_nSellOn;
                ClickButton(1);  // "Accept Offer"
                Then([&] { ClickButton(0); });  // "Exit Screen"
            });
            return true;
        }
        Then([&] {
            Shot("game-sale");
            ClickButton(3);  // "Money too Low"
            Then([&] {
                ClickButton(2);  // "Reject Offer"
                Then([&] {
                    if (Page()->Decided()) {  // the club walked away
                        walkedAway = true;
                        ClickButton(0);
                        return;
                    }
                    shownBid = Page()->GetBid();
                    saleSellOn = Page()->m_nSellOn;
                    ClickButton(1);  // "Accept Offer"
                    Then([&] { ClickButton(0); });
                });
            });
        });
        return true;
    };
    int approaches = 0;
    for (CClub* buyer : buyers) {
        if (approaches == 2 || (approaches == 1 && !walkedAway)) break;
        const int pagesBefore = modalPages;
        bool approached = false;
        backend->Call([&] { approached = buyer->ApproachForPlayer(static_cast<uint32_t>(soldIndex), clubIndex); });
        Run(2000);
        if (modalPages == pagesBefore) continue;  // this club bid nothing
        ++approaches;
        EXPECT_EQ(heading, platform::FormatMessageId(1110, {buyer->GetName(), sold->GetName()}));
        EXPECT_TRUE(opening.find(platform::FormatMessageId(1118, {buyer->GetName()}).substr(0, 10)) == 0 ||
                    opening.find(buyer->GetName()) != std::string::npos)
            << opening;
        if (walkedAway && sold->GetClub() == club) {
            EXPECT_FALSE(approached) << "nothing moved when the club walked away";
            continue;
        }
        EXPECT_TRUE(approached);
        EXPECT_EQ(sold->GetClub(), buyer);
        EXPECT_EQ(SlotsHolding(soldIndex), 1);
        EXPECT_NEAR(club->GetBankBalance(), userBefore + 0.67 * shownBid, 1.0);
        EXPECT_EQ(sold->m_SparePrice, -1.0);
        EXPECT_EQ(sold->m_SpareSellOn, -1);
        if (saleSellOn > 0) {
            const CContractClause* kept = W().GetContractClauseList().Find(static_cast<uint32_t>(soldIndex));
            ASSERT_NE(kept, nullptr);
            EXPECT_EQ(kept->m_Percentage, saleSellOn);
            EXPECT_EQ(static_cast<int>(kept->m_Club), clubIndex);
        }
        break;
    }
    ASSERT_GE(approaches, 1) << "no computer club bid for him";
    ASSERT_NE(sold->GetClub(), club) << "the player was sold";
    EXPECT_GE(shownBid, 0);
    for (const std::string& u : unexpected) std::cout << "turned down: " << u << "\n";

    // --- Saved, loaded and saved again: the same bytes.
    const std::filesystem::path first = testenv::TestFolder() / "market-1.qzs";
    const std::filesystem::path again = testenv::TestFolder() / "market-2.qzs";
    ASSERT_TRUE(W().SaveGame(first.string()));
    ASSERT_EQ(CWorldData::LoadGame(first.string()), 1);
    ASSERT_TRUE(W().SaveGame(again.string()));
    auto bytes = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::vector<uint8_t>{std::istreambuf_iterator<char>(in), {}};
    };
    EXPECT_TRUE(bytes(first) == bytes(again));
}

// The transfer list with the real mouse: a right press on a row asks for
// the player menu for that row's man, one below the rows the page's own
// menu, and a double click on a row opens the person page with him.
TEST_F(TransferMarketInTheProgram, TheListsRowsAnswerTheMousesRightPressAndDoubleClick) {
    constexpr int kPlayerMenuGroup = 11;
    Command(kToolPlayer);
    PressButton(0);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kTransferListPage);
    CListControl* list = Page()->GetPageList(0);
    ASSERT_GE(list->GetRowCount(), 2);
    const Point row1 = RowPoint(1);
    ASSERT_GE(row1.y, 0);
    auto* man = reinterpret_cast<CPlayer*>(list->GetItemData(1));
    ASSERT_NE(man, nullptr);
    g_pSelectedPlayer = nullptr;
    MouseAt(row1, MouseButton::Right);
    ASSERT_EQ(menus.size(), 1u) << "one menu for one press";
    EXPECT_EQ(MenuGroupOf(menus.back()), kPlayerMenuGroup);
    EXPECT_EQ(g_pSelectedPlayer, man);

    // Below the last row (the list scrolled to its end leaves room).
    list->SetTopRow(list->GetRowCount() - 1);
    Run(50);
    const Rect r = list->WindowRect();
    const Point below{r.left + 40, r.bottom - 6};
    ASSERT_LT(Page()->HitTestListRow(below.x, below.y), 0);
    g_pSelectedPlayer = nullptr;
    MouseAt(below, MouseButton::Right);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_GE(MenuGroupOf(menus.back()), 0);
    EXPECT_NE(MenuGroupOf(menus.back()), kPlayerMenuGroup);
    EXPECT_EQ(g_pSelectedPlayer, nullptr);

    const Point again = RowPoint(1);
    MouseAt(again, MouseButton::Left, true);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kPersonPage);
    EXPECT_EQ(Page()->m_pSubject, man);
}

// Pages 24, 117 and 37 with the real mouse: on the club's transfers and the
// bids in progress a right press on a row asks for the player menu for that
// row's man and a double click opens his person page; on the scouts page a
// right press on a scout's row shows the page's own menu and picks nobody.
TEST_F(TransferMarketInTheProgram, TheLogsBidsAndScoutsPagesAnswerTheMousesRightPress) {
    constexpr int kPlayerMenuGroup = 11;
    constexpr uint32_t kClubTransfersCmd = 32805, kBidsCmd = 32859, kScoutsCmd = 33217;
    CPlayer* man = nullptr;
    CClub* other = nullptr;
    for (int c = 0; c < W().GetClubList().GetSize() && !man; ++c)
        if (CClub* k = W().GetClub(c); k && k != club)
            for (int s = 0; s < kSquadSlots && !man; ++s)
                if (CPlayer* p = k->GetPlayer(s)) {
                    man = p;
                    other = k;
                }
    ASSERT_NE(man, nullptr);
    const int index = IndexOf(*man);
    club->TransferHistory(1).Add(man->GetName(), club->GetName(), 250000, other->GetName(), index);
    User().GetNegotiations().Add(index, 300000, W().GetClubList().GetIndex(other), 0, 3);
    auto scout = std::make_unique<CEmployee>();
    scout->m_JobKind = CBasicEmployee::kScout;
    scout->m_Ability = 60;
    scout->Person().Set("R", "Lookout", 50, 1);
    scout->Person().SetContractYears(2);
    CEmployee* lookout = scout.get();
    club->Staff().Add(std::move(scout));
    g_nTreeSelectionData = 0;
    g_nTreeSelectionLevel = 0;
    g_nTreeSelectionKind = 0;

    struct LogCase {
        uint32_t command;
        int page;
    };
    for (const LogCase c : {LogCase{kClubTransfersCmd, CPlayerScreen::kClubTransfersPage},
                            LogCase{kBidsCmd, CPlayerScreen::kBidsPage}}) {
        SCOPED_TRACE(c.page);
        Command(c.command);
        ASSERT_NE(Page(), nullptr);
        ASSERT_EQ(Page()->GetPage(), c.page);
        ASSERT_EQ(Page()->GetPageList(0)->GetRowCount(), 1);
        const Point row = RowPoint(0);
        ASSERT_GE(row.y, 0);
        g_pSelectedPlayer = nullptr;
        const size_t before = menus.size();
        MouseAt(row, MouseButton::Right);
        ASSERT_EQ(menus.size(), before + 1) << "one menu for one press";
        EXPECT_EQ(MenuGroupOf(menus.back()), kPlayerMenuGroup);
        EXPECT_EQ(g_pSelectedPlayer, man);
        MouseAt(RowPoint(0), MouseButton::Left, true);
        ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kPersonPage);
        EXPECT_EQ(Page()->m_pSubject, man);
    }

    Command(kScoutsCmd);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kScoutsPage);
    CListControl* scouts = Page()->GetPageList(0);
    ASSERT_GE(scouts->GetRowCount(), 1);
    int row = -1;
    for (int r = 0; r < scouts->GetRowCount(); ++r)
        if (reinterpret_cast<CEmployee*>(scouts->GetItemData(r)) == lookout) row = r;
    ASSERT_GE(row, 0);
    scouts->SetTopRow(row);
    Run(50);
    Point at{-1, -1};
    const Rect r = scouts->WindowRect();
    for (int y = r.top; y < r.bottom && at.y < 0; ++y)
        if (Page()->HitTestListRow(r.left + 40, y) == row) at = {r.left + 40, y + 3};
    ASSERT_GE(at.y, 0);
    g_pSelectedEmployee = nullptr;
    g_pSelectedPlayer = nullptr;
    const size_t before = menus.size();
    MouseAt(at, MouseButton::Right);
    ASSERT_EQ(menus.size(), before + 1);
    EXPECT_EQ(MenuGroupOf(menus.back()), PageMenuGroup(CPlayerScreen::kScoutsPage));
    EXPECT_NE(MenuGroupOf(menus.back()), kPlayerMenuGroup);
    EXPECT_EQ(g_pSelectedEmployee, nullptr);
    EXPECT_EQ(g_pSelectedPlayer, nullptr);
    EXPECT_EQ(Page()->GetPage(), CPlayerScreen::kScoutsPage);
}

// The person page the model opens from a computer club's bid ("Player
// Info."): its buttons and their tips are the modal page's, "Exit Screen"
// ends the wait, and the bid's box comes back to be answered.
TEST_F(TransferMarketInTheProgram, TheModalPersonPageTipsItsExitAndListingButtons) {
    const int clubIndex = W().GetClubList().GetIndex(club);
    CPlayer* mine = nullptr;
    for (int s = 0; s < kSquadSlots && !mine; ++s)
        if (CPlayer* p = club->GetPlayer(s); p && p->IsWillingToMove() && !p->IsOnLoan()) mine = p;
    ASSERT_NE(mine, nullptr);
    const int index = IndexOf(*mine);
    int infoAsked = 0, rejected = 0;
    boxWish = [&](const std::string& text, const std::vector<std::string>& labels) {
        if (text.find(mine->GetName()) == std::string::npos) return -1;
        if (infoAsked == 0) {
            ++infoAsked;
            return LabelIndex(labels, platform::LoadString(522));
        }
        ++rejected;
        return LabelIndex(labels, platform::LoadString(521));
    };
    struct Seen {
        bool modal = false;
        unsigned actionTip = 0, releaseTip = 0, renewTip = 0;
        std::string actionText, releaseText, hotSpotTip;
        bool actionOn = false, releaseOn = false, renewOn = true, expanded = false;
    } seen;
    pageScript = [&](CPlayerScreen* page) {
        if (page->GetPage() != CPlayerScreen::kPersonPage || page->m_pSubject != mine) return false;
        Then([&] {
            CPlayerScreen* p = Page();
            seen.modal = true;
            CXButton* action = p->GetPageButton(CPlayerScreen::kActionButton);
            CXButton* release = p->GetPageButton(CPlayerScreen::kReleaseButton);
            CXButton* renew = p->GetPageButton(CPlayerScreen::kRenewButton);
            seen.actionTip = p->GetTipId(action->Id());
            seen.releaseTip = p->GetTipId(release->Id());
            seen.renewTip = p->GetTipId(renew->Id());
            seen.actionText = action->Text();
            seen.releaseText = release->Text();
            seen.actionOn = action->IsEnabled();
            seen.releaseOn = release->IsEnabled();
            seen.renewOn = renew->IsEnabled();
            // The tip the pointer finds over the action button's hot spot.
            for (int i = 0; p->GetHotSpot(i); ++i)
                if (p->GetHotSpot(i)->Id() == action->Id()) p->GetToolTipText(i, seen.hotSpotTip);
            // The tree is filled again while the model waits on the page (as a
            // day step's end does): leaving the page then finds its nodes afresh.
            seen.expanded = !p->GetExpandedClubs().empty();
            manager->RefreshTree(0);
            ClickButton(CPlayerScreen::kActionButton);  // "Exit Screen"
        });
        return true;
    };
    CClub* buyer = nullptr;
    for (int c = 0; c < W().GetClubList().GetSize() && !buyer; ++c)
        if (CClub* k = W().GetClub(c); k && k != club && !k->IsHumanManaged() && k->GetDivision() &&
                                       k->GetSquadSize() < kSquadSlots - 2)
            buyer = k;
    ASSERT_NE(buyer, nullptr);
    bool approached = true;
    for (int tries = 0; tries < 6 && infoAsked == 0; ++tries) {
        backend->Call([&] { approached = buyer->ApproachForPlayer(static_cast<uint32_t>(index), clubIndex); });
        Run(2000);
    }
    ASSERT_EQ(infoAsked, 1) << "the club never bid";
    ASSERT_TRUE(seen.modal) << "the person page never showed";
    EXPECT_EQ(modalPages, 1);
    EXPECT_EQ(seen.actionText, platform::LoadString(580));
    EXPECT_EQ(seen.actionTip, 580u);
    EXPECT_EQ(seen.hotSpotTip, platform::LoadString(580));
    EXPECT_TRUE(seen.actionOn);
    EXPECT_EQ(seen.releaseText, platform::LoadString(598));
    EXPECT_EQ(seen.releaseTip, 598u) << "his own club's player: off the list";
    EXPECT_TRUE(seen.releaseOn);
    EXPECT_FALSE(seen.renewOn) << "a renewal would replace the page the model waits on";
    EXPECT_EQ(seen.renewTip, 540u);
    EXPECT_EQ(rejected, 1) << "the bid's box came back after the page";
    EXPECT_TRUE(seen.expanded) << "the page had filled his club's node";
    EXPECT_NE(manager->FindTreeItem(reinterpret_cast<uintptr_t>(club)), nullptr) << "the new tree holds the club";
    EXPECT_FALSE(approached);
    EXPECT_EQ(mine->GetClub(), club);
}

// The contract page the day step opens for an agreed bid, left by "Break
// Off Negotiations": the wait ends, the day goes on, the player stays with
// his club and becomes a bid target, and the program answers commands.
TEST_F(TransferMarketInTheProgram, BreakingOffTheContractTalksTheDayOpensEndsTheWait) {
    club->SetBankBalance(4e7);
    club->SetBudgetPercentage(100.0);
    Command(kToolPlayer);
    PressButton(0);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kTransferListPage);
    const std::vector<CPlayer*> candidates = Candidates();
    ASSERT_FALSE(candidates.empty());
    CPlayer* wanted = candidates.front();
    CClub* seller = wanted->GetClub();
    const int index = IndexOf(*wanted);
    const int fee = static_cast<int>(wanted->GetAskingPrice(*seller->GetCountry()));
    backend->Call([&] {
        std::string reply;
        User().StartNegotiation(reply, index, fee, seller, 10);
    });
    Run(100);
    ASSERT_EQ(User().GetNegotiations().GetSize(), 1);
    boxWish = [&](const std::string& text, const std::vector<std::string>& labels) {
        return text.find(wanted->GetName()) != std::string::npos && text.find("contract") != std::string::npos
                   ? std::max(0, LabelIndex(labels, "egotiat"))
                   : -1;
    };
    bool brokeOff = false;
    // The modal page's tips: its buttons' own and its fields' arrows.
    std::vector<std::pair<unsigned, unsigned>> tips;
    std::vector<std::string> arrowTips;
    pageScript = [&](CPlayerScreen* page) {
        if (page->GetPage() != CPlayerScreen::kContractPage || page->m_pSubject != wanted) return false;
        Then([&] {
            EXPECT_EQ(Page()->m_nSellOn, 10) << "the agreed sell-on came with the page";
            for (unsigned id : {513u, 515u}) tips.push_back({id, Page()->GetTipId(id)});
            for (int f : {CPlayerScreen::kFeeField, CPlayerScreen::kWageField, CPlayerScreen::kYearsField}) {
                CXSpinedit& field = Page()->GetDealField(f);
                for (int arrow : {field.GetDownArrowId(), field.GetUpArrowId()}) {
                    std::string t;
                    Page()->GetArrowTip(static_cast<unsigned>(arrow), t);
                    arrowTips.push_back(t);
                }
            }
            brokeOff = true;
            ClickButton(0);  // "Break Off Negotiations"
        });
        return true;
    };
    for (int step = 0; step < 3 && modalPages == 0; ++step) Command(kMoveHalfWeek);
    ASSERT_EQ(modalPages, 1) << "the contract page opened once";
    EXPECT_TRUE(brokeOff);
    EXPECT_EQ(tips, (std::vector<std::pair<unsigned, unsigned>>{{513u, 513u}, {515u, 515u}}));
    const std::string down = platform::LoadString(333), up = platform::LoadString(332);
    EXPECT_EQ(arrowTips, (std::vector<std::string>{down, up, down, up, down, up}));
    Run(600);
    EXPECT_TRUE(Page() == nullptr || Page()->GetPage() != CPlayerScreen::kContractPage) << "the wait ended";
    EXPECT_EQ(wanted->GetClub(), seller);
    EXPECT_TRUE(club->HasBidForPlayer(static_cast<uint32_t>(index)));
    EXPECT_EQ(User().GetNegotiations().GetSize(), 0);
    // The tool bar answers again.
    Command(kToolPlayer);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), CPlayerScreen::kHubPage);
}

// The section page (102) with the real mouse: a right press on a staff row
// asks for the employee menu for him, a double click on a hired member of
// staff opens his person page, one on a contact opens nothing.
TEST_F(TransferMarketInTheProgram, TheSectionPagesStaffRowsAnswerTheMouse) {
    constexpr int kEmployeeMenuGroup = 12;
    auto hire = [&](uint8_t job, const std::string& surname) {
        auto e = std::make_unique<CEmployee>();
        e->m_JobKind = job;
        e->m_Ability = 60;
        e->Person().Set("R", surname, 50, 1);
        e->Person().SetContractYears(2);
        CEmployee* raw = e.get();
        club->Staff().Add(std::move(e));
        return raw;
    };
    CEmployee* scout = hire(CBasicEmployee::kScout, "Spyglass");
    CEmployee* editor = hire(16, "Inkwell");
    Command(kToolPlayer);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kHubPage);
    CListControl* list = nullptr;
    for (int l = 0; Page()->GetPageList(l); ++l) list = Page()->GetPageList(l);
    ASSERT_NE(list, nullptr);
    auto pointOf = [&](const CEmployee* who) {
        for (int r = 0; r < list->GetRowCount(); ++r)
            if (reinterpret_cast<const CEmployee*>(list->GetItemData(r)) == who) {
                list->SetTopRow(r);
                Run(50);
                const Rect rect = list->WindowRect();
                for (int y = rect.top; y < rect.bottom; ++y)
                    if (Page()->HitTestListRow(rect.left + 40, y) == r) return Point{rect.left + 40, y + 3};
            }
        return Point{-1, -1};
    };
    const Point scoutRow = pointOf(scout);
    ASSERT_GE(scoutRow.y, 0);
    g_pSelectedEmployee = nullptr;
    const size_t before = menus.size();
    MouseAt(scoutRow, MouseButton::Right);
    ASSERT_EQ(menus.size(), before + 1);
    EXPECT_EQ(MenuGroupOf(menus.back()), kEmployeeMenuGroup);
    EXPECT_EQ(g_pSelectedEmployee, scout);

    const Point editorRow = pointOf(editor);
    ASSERT_GE(editorRow.y, 0) << "the fanzine editor is among the section's advisers";
    MouseAt(editorRow, MouseButton::Left, true);
    EXPECT_EQ(Page()->GetPage(), CPlayerScreen::kHubPage) << "a contact has no person page";
    MouseAt(pointOf(scout), MouseButton::Left, true);
    ASSERT_EQ(Page()->GetPage(), CPlayerScreen::kPersonPage);
    EXPECT_EQ(Page()->m_pSubject, scout);
    EXPECT_EQ(Page()->m_nSubjectKind, kPersonListStaff);
}

}  // namespace
