// The negotiation pages: the purchase page's opening lines and the bid's
// judgement (22), the contract page's talks and the completed signing (62),
// the sale page's gauge and answers (23), and the model's side of an
// accepted bid for a human manager's player.
#include <cmath>
#include <functional>
#include <memory>

#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "screens/player_fixture.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/youth.h"
#include "soccerclasses/country.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/transfernegotiation.h"

namespace playertest {
namespace {

std::string DealText(unsigned id) { return platform::LoadString(id); }

class DealPages : public PlayerPages {
protected:
    void SetUp() override {
        PlayerPages::SetUp();
        Club().SetBankBalance(50000000);
        Club().SetBudgetPercentage(100);
        Other().SetBankBalance(5000000);
        // A seller with men to spare in every position.
        for (int pos = 0; pos < 4; ++pos)
            for (int i = 0; i < 6; ++i) Sign(Other(), pos, "Depth" + std::to_string(pos * 10 + i));
        target = Sign(Other(), CSoccerPlayer::kMidfielder, "Target");
        target->Person().SetContractYears(3);
        target->Person().SetWeeksAtClub(40);
    }
    CPlayerScreen* OpenWith(int screen, const PersonPageParams& params) {
        g_nScreenId = screen;
        auto* page = new CPlayerScreen();
        page->SetPageParams(params);
        manager.SetScreen(page, true, false, false, false, false);
        Drain();
        return Page();
    }
    CPlayerScreen* OpenDeal(int screen, CPlayer* p, intptr_t value = 0, uint8_t loan = 0, uint8_t sellOn = 0,
                            intptr_t club = -1) {
        PersonPageParams params;
        params.subject = p;
        params.kind = 0;
        params.value = value;
        params.loan = loan;
        params.sellOn = sellOn;
        params.club = club;
        return OpenWith(screen, params);
    }
    // Contract talks (page 62) with a person of the list kind.
    CPlayerScreen* OpenContractTalks(void* who, int kind) {
        PersonPageParams params;
        params.subject = who;
        params.kind = kind;
        return OpenWith(62, params);
    }
    void Press(uint32_t id) {
        Page()->Send(WM_COMMAND, id, 0);
        Drain();
    }
    std::string LastReply() { return Page()->GetReplyLines().empty() ? "" : Page()->GetReplyLines().front(); }

    CPlayer* target = nullptr;
};

// ---- Page 22 ----

TEST_F(DealPages, PurchaseOpeningLinesFollowTheAskingPrice) {
    struct Case {
        double price;
        uint8_t loan;
        unsigned line;
        double amount;  // the amount field's value
    };
    const Case cases[] = {
        {-1.0, 0, 1168, 0},
        {0.0, 0, 1058, 0},
        {400000.0, 0, 1056, 400000},
        {-1.0, 1, 1057, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        target->m_AskingPrice = c.price;
        CPlayerScreen* page = OpenDeal(22, target, 0, c.loan);
        ASSERT_FALSE(page->ShowsNoData());
        const std::string line = LastReply();
        EXPECT_EQ(line.substr(0, Other().GetName().size()), Other().GetName());
        EXPECT_NE(line.find(target->GetName()), std::string::npos);
        EXPECT_NE(DealText(c.line).find(" are prepared to "), std::string::npos);
        EXPECT_DOUBLE_EQ(page->ReadField(CPlayerScreen::kAmountField), c.amount);
        if (c.loan) {
            EXPECT_EQ(page->GetDealField(CPlayerScreen::kAmountField).GetMin(), 4);
            EXPECT_EQ(page->GetDealField(CPlayerScreen::kAmountField).GetMax(), 8);
            EXPECT_EQ(page->GetPageLabel(0)->GetText(), DealText(10231));
        }
        EXPECT_GE(page->GetRoundLimit(), 8);
        EXPECT_LE(page->GetRoundLimit(), 12);
        Save("purchase-" + std::to_string(c.line));
        EXPECT_EQ(Text(3), "\xA3" "50m") << "the funds beside their label";
    }
}

TEST_F(DealPages, ABidBelowHalfTheAskingPriceIsTooLowAndTwoRejectionsEndTheTalks) {
    target->m_AskingPrice = 400000;
    CPlayerScreen* page = OpenDeal(22, target);
    CXSpinedit& amount = page->GetDealField(CPlayerScreen::kAmountField);
    amount.SetValue(amount.GetShownValue() / 2 - 1000, false);
    Press(503);
    EXPECT_EQ(LastReply(), DealText(1089));
    EXPECT_FALSE(page->TalksEnded());
    Press(503);
    EXPECT_EQ(LastReply(), platform::FormatMessageId(1092, {target->GetName()}));
    EXPECT_TRUE(page->TalksEnded());
    EXPECT_EQ(page->GetOffersMade(), page->GetRoundLimit());
    EXPECT_TRUE(Club().HasBidForPlayer(uint32_t(WorldIndexOf(*target))));
    EXPECT_EQ(page->GetPageButton(1)->Text(), DealText(580));
    EXPECT_FALSE(page->GetDealField(CPlayerScreen::kAmountField).IsVisible());
    EXPECT_FALSE(page->GetDealField(CPlayerScreen::kSellOnField).IsVisible()) << "the sell-on closes with the talks";
}

// Bids the seller will not take, offered again and again: the talks end
// either when the club walks away ("F": 65) or at the round limit (593);
// the player becomes a bid target and both fields close.
TEST_F(DealPages, StubbornBidsEndWithTheClubWalkingAwayOrTheLimit) {
    target->m_AskingPrice = 400000;
    CPlayerScreen* page = OpenDeal(22, target);
    CXSpinedit& amount = page->GetDealField(CPlayerScreen::kAmountField);
    amount.SetValue(amount.GetShownValue() * 0.6, false);
    const std::string walkedAway = platform::FormatMessageId(65, {Other().GetName(), target->GetName()});
    const std::string limit = platform::FormatMessageId(593, {Other().GetName()});
    int offers = 0;
    while (!page->TalksEnded() && offers < 20) {
        Press(503);
        ++offers;
        if (!page->TalksEnded()) {
            EXPECT_NE(LastReply(), walkedAway);
            EXPECT_NE(LastReply(), limit);
        }
    }
    ASSERT_TRUE(page->TalksEnded());
    EXPECT_FALSE(page->DealAgreed());
    EXPECT_TRUE(LastReply() == walkedAway || LastReply() == limit) << LastReply();
    if (LastReply() == limit) {
        EXPECT_EQ(offers, page->GetRoundLimit()) << "the last round's answer is the limit";
    }
    EXPECT_LE(offers, 13);
    EXPECT_TRUE(Club().HasBidForPlayer(uint32_t(WorldIndexOf(*target))));
    EXPECT_FALSE(page->GetDealField(CPlayerScreen::kAmountField).IsVisible());
    EXPECT_FALSE(page->GetDealField(CPlayerScreen::kSellOnField).IsVisible());
    EXPECT_FALSE(page->GetDealField(CPlayerScreen::kSellOnField).IsSpinEnabled());
    EXPECT_EQ(User().GetNegotiations().GetSize(), 0) << "no talks started";
}

// Six players borrowed this season (the club's row 51) close the purchase
// page's "Make Offer"; five leave it open.
TEST_F(DealPages, MakeOfferClosesAtTheSixthLoanOfTheSeason) {
    target->m_AskingPrice = 400000;
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        Club().LoanInPlayer(AddPlayer(CSoccerPlayer::kDefender));
        ASSERT_EQ(Club().GetLoansThisSeason(), n);
        CPlayerScreen* page = OpenDeal(22, target);
        EXPECT_EQ(page->GetPageButton(1)->IsEnabled(), n < 6);
    }
}

TEST_F(DealPages, ABidTheClubCannotPayIsNotCounted) {
    target->m_AskingPrice = 400000;
    Club().SetBankBalance(1000);
    CPlayerScreen* page = OpenDeal(22, target);
    Press(503);
    EXPECT_EQ(LastReply(), DealText(400));
    EXPECT_EQ(page->GetOffersMade(), 0);
    Press(503);
    EXPECT_EQ(page->GetOffersMade(), 0);
    EXPECT_FALSE(page->TalksEnded());
}

TEST_F(DealPages, AnAcceptedBidStartsTheTalksWithTheFeeAndTheSellOn) {
    // An asking price the board finds him worth.
    const double price = std::floor(target->GetAdjustedValue(Club().GetCountry()->GetWageFactor()));
    ASSERT_GT(price, 0);
    target->m_AskingPrice = price;
    CPlayerScreen* page = nullptr;
    // The seller's answer draws: try seeds until one accepts the asking price.
    for (uint32_t seed = 1; seed < 40; ++seed) {
        platform::SeedRandom(seed);
        page = OpenDeal(22, target);
        Press(503);
        if (page->DealAgreed()) break;
    }
    ASSERT_TRUE(page->DealAgreed()) << page->GetReplyLines().front();
    EXPECT_EQ(page->GetReplyLines()[0], platform::FormatMessageId(594, {Other().GetName(), target->GetName()}));
    const CTransferNegotiationList& bids = User().GetNegotiations();
    ASSERT_EQ(bids.GetSize(), 1);
    EXPECT_EQ(bids.GetAt(0)->m_Player, WorldIndexOf(*target));
    EXPECT_EQ(bids.GetAt(0)->m_Fee, int(price));
    EXPECT_EQ(bids.GetAt(0)->m_Kind, uint8_t(page->ReadField(CPlayerScreen::kSellOnField)));
    EXPECT_EQ(page->GetPageButton(1)->Text(), DealText(580));
}

TEST_F(DealPages, LoansAskForFourToEightWeeksAndStopAtThreeBorrowed) {
    CPlayerScreen* page = OpenDeal(22, target, 0, 1);
    CXSpinedit& weeks = page->GetDealField(CPlayerScreen::kAmountField);
    weeks.SetValue(3, false);
    EXPECT_EQ(page->ReadField(CPlayerScreen::kAmountField), 4) << "never 3 weeks";
    weeks.SetValue(9, false);
    EXPECT_EQ(page->ReadField(CPlayerScreen::kAmountField), 8) << "never 9 weeks";
    for (int i = 0; i < 3; ++i) {
        CPlayer* lent = Sign(Other(), CSoccerPlayer::kDefender, "Lent" + std::to_string(i));
        const uint16_t idx = uint16_t(WorldIndexOf(*lent));
        Other().LoanOutPlayer(idx);
        Club().LoanInPlayer(idx);
    }
    page = OpenDeal(22, target, 0, 1);
    Press(503);
    EXPECT_EQ(LastReply(), DealText(964));
    EXPECT_TRUE(page->TalksEnded());
    EXPECT_EQ(target->GetClub(), &Other());
}

// The pound abbreviates: the amount shows in thousands. Left alone it reads
// back the asking price to the unit; changed, the thousands shown are read
// times 1000.
TEST_F(DealPages, MoneyFieldsReadBackTheirBaseAmountUntilChanged) {
    target->m_AskingPrice = 400123;
    CPlayerScreen* page = OpenDeal(22, target);
    CXSpinedit& amount = page->GetDealField(CPlayerScreen::kAmountField);
    EXPECT_EQ(amount.GetShownValue(), 400);
    EXPECT_EQ(page->ReadField(CPlayerScreen::kAmountField), 400123) << "the asking price, to the unit";
    amount.SetValue(401, false);
    EXPECT_EQ(page->ReadField(CPlayerScreen::kAmountField), 401000);
    amount.SetValue(400, false);
    EXPECT_EQ(page->ReadField(CPlayerScreen::kAmountField), 400123) << "back to the shown value: the price again";
}

TEST_F(DealPages, AHugeBidInAWeakCurrencyIsReadWithoutOverflow) {
    target->m_AskingPrice = 400000;
    CPlayerScreen* page = OpenDeal(22, target);
    CXSpinedit& amount = page->GetDealField(CPlayerScreen::kAmountField);
    amount.SetValue(99999999, false);
    const double read = page->ReadField(CPlayerScreen::kAmountField);
    EXPECT_GT(read, 0);
    EXPECT_LT(read, 1e12);
}

// ---- Page 62 ----

TEST_F(DealPages, EqualDemandsSignThePlayerAndTheClauseIsKept) {
    target->m_AskingPrice = 400000;
    const int index = WorldIndexOf(*target);
    User().GetNegotiations().Add(index, 400000, 1, 10, 0);
    Club().OfferTargets().push_back(uint32_t(index));
    const double balance = Club().GetBankBalance();
    OpenDeal(62, target, 400000, 0, 10);
    ASSERT_FALSE(Page()->ShowsNoData());
    const std::string opening = LastReply();
    EXPECT_NE(opening.find(target->GetName()), std::string::npos);
    const CContractOffer demands = Page()->GetDemands();
    Save("contract-player");
    Press(515);
    EXPECT_EQ(LastReply(), platform::FormatMessageId(26, {target->GetName(), demands.m_Years, Club().GetName()}));
    EXPECT_EQ(target->GetClub(), &Club());
    EXPECT_EQ(SlotsHolding(uint16_t(index)), 1);
    EXPECT_LT(Club().GetBankBalance(), balance - 400000 + 1);
    const CContractClause* clause = world.GetContractClauseList().Find(uint32_t(index));
    ASSERT_NE(clause, nullptr);
    EXPECT_EQ(clause->m_Percentage, 10);
    EXPECT_EQ(clause->m_Club, 1u);
    EXPECT_EQ(User().GetNegotiations().GetSize(), 0);
    EXPECT_TRUE(Club().OfferTargets().empty());
    EXPECT_EQ(target->m_TransferHistory.GetSize(), 1);
    EXPECT_TRUE(Page()->TalksEnded());
}

// Staff and youths talk terms on page 62 too: with the fields as they open
// (their own demands) a club's employee renews, a market employee joins the
// staff and leaves the market, and a youth of the club signs as a player.
TEST_F(DealPages, EqualDemandsAreAcceptedFromStaffMarketStaffAndYouths) {
    struct Case {
        const char* name;
        int kind;
        std::function<void*()> make;
        std::function<void(void*, const CContractOffer&)> check;
        const char* shot;
    };
    CAvailableEmployeeList& staffMarket = *Club().GetCountry()->GetStaffMarket();
    const std::vector<Case> cases = {
        {"an employee of the club renews", kPersonListStaff,
         [&]() -> void* { return Hire(Club(), CBasicEmployee::kScout, "Renewer", 1); },
         [&](void* who, const CContractOffer& d) {
             auto* e = static_cast<CEmployee*>(who);
             EXPECT_EQ(e->GetClub(), &Club());
             EXPECT_EQ(e->Person().GetContractYears() + e->Person().GetPendingYears(), 1 + d.m_Years);
         },
         "contract-employee"},
        {"a market employee joins the staff", kPersonListStaffMarket,
         [&]() -> void* {
             CBasicEmployee e;
             e.m_JobKind = CBasicEmployee::kScout;
             e.m_Ability = 55;
             e.Person().Set("M", "Newcomer", 41, 1);
             staffMarket.AddCopy(e);
             return staffMarket.GetAt(staffMarket.GetSize() - 1);
         },
         [&](void*, const CContractOffer& d) {
             bool hired = false;
             for (int i = 0; i < Club().Staff().GetSize(); ++i)
                 if (CEmployee* e = Club().Staff().GetAt(i); e && e->GetName() == "M.Newcomer") {
                     hired = true;
                     EXPECT_EQ(e->Person().GetContractYears(), d.m_Years);
                 }
             EXPECT_TRUE(hired);
             for (int i = 0; i < staffMarket.GetSize(); ++i)
                 EXPECT_NE(staffMarket.GetAt(i)->GetName(), "M.Newcomer") << "still on the market";
         },
         "contract-market-employee"},
        {"a youth of the club signs", kPersonListYouths,
         [&]() -> void* {
             auto y = std::make_unique<CYouth>();
             y->m_Person.Set("Y", "Promoted", 17, 1);
             y->m_Football.SetPosition(CSoccerPlayer::kMidfielder, false);
             CYouth* raw = y.get();
             Club().Youths().Add(std::move(y));
             return raw;
         },
         [&](void*, const CContractOffer&) {
             for (int i = 0; i < Club().Youths().GetSize(); ++i)
                 EXPECT_NE(Club().Youths().GetAt(i)->m_Person.GetName(), "Y.Promoted") << "still a youth";
             bool signed_ = false;
             for (int s = 0; s < kSquadSlots; ++s)
                 if (const CPlayer* p = Club().PlayerInSlot(s); p && p->GetName() == "Y.Promoted") signed_ = true;
             EXPECT_TRUE(signed_);
         },
         "contract-youth"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        void* who = c.make();
        OpenContractTalks(who, c.kind);
        ASSERT_FALSE(Page()->ShowsNoData());
        const CContractOffer demands = Page()->GetDemands();
        EXPECT_GT(demands.m_Years, 0);
        EXPECT_EQ(Page()->ReadField(CPlayerScreen::kWageField), demands.m_WeeklyWage);
        Save(c.shot);
        // The funds beside their label; the relocation's "None" left as it is.
        EXPECT_EQ(Page()->GetPageLabel(3)->GetText(), "\xA3" "50m");
        if (c.kind != kPersonListYouths && demands.m_Relocation <= 0) {
            EXPECT_EQ(Page()->GetPageLabel(9)->GetText(), DealText(47050));
        }
        Press(515);
        EXPECT_TRUE(Page()->TalksEnded());
        EXPECT_TRUE(Page()->DealAgreed()) << LastReply();
        c.check(who, demands);
    }
}

// A market coach hired replaces the club's coach, who goes for his
// contract capped at four weeks' wage (1157); a market employee below the
// club's level will not talk (835).
TEST_F(DealPages, AHiredCoachReplacesTheOldOneAtFourWeeksWage) {
    CEmployee* old = Hire(Club(), CBasicEmployee::kHeadCoach, "Oldcoach", 4);
    old->Person().SetWeeklyWage(1000);
    CAvailableEmployeeList& staffMarket = *Club().GetCountry()->GetStaffMarket();
    CBasicEmployee e;
    e.m_JobKind = CBasicEmployee::kHeadCoach;
    e.m_Ability = 50;
    e.Person().Set("M", "Newcoach", 44, 1);
    staffMarket.AddCopy(e);
    OpenContractTalks(staffMarket.GetAt(staffMarket.GetSize() - 1), kPersonListStaffMarket);
    const double balance = Club().GetBankBalance();
    Press(515);
    ASSERT_TRUE(Page()->DealAgreed()) << LastReply();
    ASSERT_FALSE(Page()->GetReplyLines().empty());
    EXPECT_EQ(Page()->GetReplyLines().front().rfind("J.Oldcoach has been sacked at a cost of ", 0), 0u)
        << Page()->GetReplyLines().front();
    EXPECT_NE(Page()->GetReplyLines().front().find("4,000"), std::string::npos) << "four weeks' wage";
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), balance - 4000);
    int coaches = 0;
    for (int i = 0; i < Club().Staff().GetSize(); ++i)
        if (CEmployee* s = Club().Staff().GetAt(i); s && s->m_JobKind == CBasicEmployee::kHeadCoach) {
            ++coaches;
            EXPECT_EQ(s->GetName(), "M.Newcoach");
        }
    EXPECT_EQ(coaches, 1);

    // A club of this row takes staff from level 30 up.
    ASSERT_NE(Club().GetPopularity(), nullptr);
    const_cast<CPopularity*>(Club().GetPopularity())->m_StaffLevelMinimum = 30;
    CBasicEmployee low;
    low.m_JobKind = CBasicEmployee::kYouthCoach;
    low.m_Ability = 20;
    low.Person().Set("M", "Lowly", 44, 1);
    staffMarket.AddCopy(low);
    CAvailableEmployee* lowly = staffMarket.GetAt(staffMarket.GetSize() - 1);
    Open(60, lowly, kPersonListStaffMarket);
    Press(537);
    EXPECT_TRUE(port.AskedText(platform::FormatMessageId(835, {lowly->GetName(), Club().GetName()})));
    EXPECT_EQ(Page()->GetPage(), 60);
}

// A youth hears offers without limit; an employee's renewal ends after its
// round limit.
TEST_F(DealPages, AYouthTalksWithoutLimitAndAnEmployeeUpToHisRounds) {
    auto y = std::make_unique<CYouth>();
    y->m_Person.Set("Y", "Patient", 17, 1);
    y->m_Football.SetPosition(CSoccerPlayer::kDefender, false);
    CYouth* youth = y.get();
    Club().Youths().Add(std::move(y));
    CEmployee* scout = Hire(Club(), CBasicEmployee::kScout, "Haggler", 1);
    struct Case {
        void* who;
        int kind;
        bool limited;
    };
    for (const Case c : {Case{youth, kPersonListYouths, false}, Case{scout, kPersonListStaff, true}}) {
        SCOPED_TRACE(c.kind);
        OpenContractTalks(c.who, c.kind);
        // Ten years and a wage of nothing: never taken.
        Page()->GetDealField(CPlayerScreen::kWageField).SetValue(0, false);
        Page()->GetDealField(CPlayerScreen::kYearsField).SetValue(10, false);
        int offers = 0;
        while (!Page()->TalksEnded() && offers < 20) {
            Press(515);
            ++offers;
        }
        EXPECT_FALSE(Page()->DealAgreed());
        if (c.limited) {
            EXPECT_TRUE(Page()->TalksEnded());
            EXPECT_EQ(offers, Page()->GetRoundLimit() + 1);
            EXPECT_GE(offers, 9);
            EXPECT_LE(offers, 13);
        } else {
            EXPECT_FALSE(Page()->TalksEnded()) << "a youth never walks away";
        }
    }
}

TEST_F(DealPages, TheUsersOwnPlayerIsRenewedWhateverTheOpenerPassed) {
    CPlayer* own = Sign(Club(), CSoccerPlayer::kDefender, "Stayer");
    own->Person().SetContractYears(1);
    OpenDeal(62, own, 250000);
    const CContractOffer demands = Page()->GetDemands();
    Press(515);
    EXPECT_EQ(own->GetClub(), &Club());
    EXPECT_EQ(own->Person().GetContractYears(), 1 + demands.m_Years);
    EXPECT_EQ(SlotsHolding(uint16_t(WorldIndexOf(*own))), 1);
}

TEST_F(DealPages, SevenYearsAreAlwaysRefusedAndTheLimitEndsTheTalks) {
    OpenDeal(62, target, 0);
    CPlayerScreen* page = Page();
    page->GetDealField(CPlayerScreen::kYearsField).SetValue(7, false);
    int presses = 0;
    while (!page->TalksEnded() && presses < 20) {
        Press(515);
        ++presses;
    }
    EXPECT_TRUE(page->TalksEnded());
    EXPECT_GE(presses, 8);
    EXPECT_LE(presses, 12);
    EXPECT_EQ(LastReply(), platform::FormatMessageId(38, {target->GetName()}));
    EXPECT_EQ(target->GetClub(), &Other());
}

// The length of a contract: a player refuses 7 years, and more than 3 once
// he is past 33; staff follow their own rule, which takes up to 9 years at
// any age, and no more.
TEST_F(DealPages, ContractLengthLimitsFollowWhoIsOffered) {
    CAvailableEmployeeList& staffMarket = *Club().GetCountry()->GetStaffMarket();
    CBasicEmployee basic;
    basic.m_JobKind = CBasicEmployee::kScout;
    basic.m_Ability = 55;
    basic.Person().Set("M", "Marketman", 52, 1);
    staffMarket.AddCopy(basic);
    CAvailableEmployee* market = staffMarket.GetAt(staffMarket.GetSize() - 1);
    CEmployee* staff = Hire(Club(), CBasicEmployee::kHeadCoach, "Staffman", 1);
    staff->Person().SetAge(58);
    CPlayer* veteran = Sign(Other(), CSoccerPlayer::kDefender, "Veteran");
    veteran->Person().SetContractYears(2);
    veteran->Person().SetWeeksAtClub(40);
    veteran->Person().SetAge(34);
    struct Case {
        const char* name;
        void* who;
        int kind;
        int years;
        bool accepted;
        std::vector<unsigned> replies;  // one of them, with the man's name
    };
    const Case cases[] = {
        {"a player, seven years", target, kPersonListPlayers, 7, false, {27}},
        {"a player past 33, four years", veteran, kPersonListPlayers, 4, false, {27}},
        {"a club's coach of 58, seven years", staff, kPersonListStaff, 7, true, {}},
        {"a club's coach, ten years", staff, kPersonListStaff, 10, false, {27}},
        {"a market scout, ten years", market, kPersonListStaffMarket, 10, false, {27, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenContractTalks(c.who, c.kind);
        ASSERT_FALSE(Page()->ShowsNoData());
        if (c.accepted) {
            ASSERT_LE(Page()->GetDemands().m_Years, c.years) << "more years than he asks, never fewer";
        }
        Page()->GetDealField(CPlayerScreen::kYearsField).SetValue(c.years, false);
        ASSERT_EQ(Page()->ReadField(CPlayerScreen::kYearsField), c.years);
        Press(515);
        EXPECT_EQ(Page()->DealAgreed(), c.accepted) << LastReply();
        if (!c.accepted) {
            const std::string name = c.kind == kPersonListPlayers ? static_cast<CPlayer*>(c.who)->GetName()
                                     : c.kind == kPersonListStaff ? static_cast<CEmployee*>(c.who)->GetName()
                                                                  : static_cast<CAvailableEmployee*>(c.who)->GetName();
            bool known = false;
            for (unsigned id : c.replies) known = known || LastReply() == platform::FormatMessageId(id, {name});
            EXPECT_TRUE(known) << LastReply();
        }
    }
    EXPECT_EQ(staff->Person().GetContractYears() + staff->Person().GetPendingYears(), 8) << "renewed for seven more";
}

// The tips of the negotiation pages: each button's own until the talks are
// over, when "Make Offer" has become "Exit Screen"; each field's arrows
// tell decrease from increase.
TEST_F(DealPages, NegotiationTipsFollowTheButtonsAndTheArrows) {
    struct Case {
        int screen;
        std::vector<int> fields;
        unsigned breakOff, offer;
    };
    const Case cases[] = {
        {22, {CPlayerScreen::kAmountField, CPlayerScreen::kSellOnField}, 501, 503},
        {62, {CPlayerScreen::kFeeField, CPlayerScreen::kWageField, CPlayerScreen::kYearsField}, 513, 515},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        CPlayerScreen* page = OpenDeal(c.screen, target, 0);
        ASSERT_FALSE(page->ShowsNoData());
        EXPECT_EQ(page->GetTipId(c.breakOff), c.breakOff);
        EXPECT_EQ(page->GetTipId(c.offer), c.offer);
        for (int f : c.fields) {
            CXSpinedit& field = page->GetDealField(f);
            std::string down, up;
            ASSERT_TRUE(page->GetArrowTip(static_cast<unsigned>(field.GetDownArrowId()), down)) << f;
            ASSERT_TRUE(page->GetArrowTip(static_cast<unsigned>(field.GetUpArrowId()), up)) << f;
            EXPECT_EQ(down, DealText(333)) << f;
            EXPECT_EQ(up, DealText(332)) << f;
        }
        // The pointer over "Make Offer" finds its tip through the hot spot.
        std::string spotTip;
        for (int i = 0; page->GetHotSpot(i); ++i)
            if (page->GetHotSpot(i)->Id() == c.offer) page->GetToolTipText(i, spotTip);
        std::string want = DealText(c.offer);
        if (const size_t br = want.find('\n'); br != std::string::npos) want = want.substr(br + 1);
        EXPECT_EQ(spotTip, want);
        // Over: an equal contract signs him; a walk-out ends the purchase.
        if (c.screen == 62) {
            Press(c.offer);
            ASSERT_TRUE(page->DealAgreed()) << LastReply();
        } else {
            page->GetDealField(CPlayerScreen::kAmountField).SetValue(1, false);
            for (int presses = 0; presses < 20 && !page->TalksEnded(); ++presses) Press(c.offer);
            ASSERT_TRUE(page->TalksEnded());
        }
        EXPECT_EQ(page->GetTipId(c.offer), 580u) << "Exit Screen";
        EXPECT_EQ(page->GetTipId(c.breakOff), c.breakOff);
    }
}

// What the panels leave out: a human seller asks no sell-on (its field
// hidden, "None" in its place); staff sign on without a fee; a youth asks
// no relocation.
TEST_F(DealPages, PanelsLeaveOutTheTermsTheOtherSideNeverAsks) {
    target->m_AskingPrice = 400000;
    CPlayerScreen* page = OpenDeal(22, target, 0);
    ASSERT_FALSE(page->ShowsNoData());
    const bool asked = page->m_nSellOn > 0;
    EXPECT_EQ(page->GetDealField(CPlayerScreen::kSellOnField).IsShownFlag(), asked) << "a computer club's demand";
    EXPECT_EQ(page->GetPageLabel(6)->IsShownFlag(), !asked);
    MakeUser(Other(), 1);
    ASSERT_TRUE(Other().IsHumanManaged());
    page = OpenDeal(22, target, 0);
    ASSERT_FALSE(page->ShowsNoData());
    EXPECT_FALSE(page->GetDealField(CPlayerScreen::kSellOnField).IsShownFlag());
    EXPECT_EQ(page->ReadField(CPlayerScreen::kSellOnField), 0);
    EXPECT_TRUE(page->GetPageLabel(6)->IsShownFlag());
    EXPECT_EQ(page->GetPageLabel(6)->GetText(), DealText(47050));

    CAvailableEmployeeList& staffMarket = *Club().GetCountry()->GetStaffMarket();
    CBasicEmployee basic;
    basic.m_JobKind = CBasicEmployee::kScout;
    basic.m_Ability = 55;
    basic.Person().Set("M", "Feeless", 41, 1);
    staffMarket.AddCopy(basic);
    auto y = std::make_unique<CYouth>();
    y->m_Person.Set("Y", "Stayhome", 17, 1);
    y->m_Football.SetPosition(CSoccerPlayer::kMidfielder, false);
    CYouth* youth = y.get();
    Club().Youths().Add(std::move(y));
    struct Case {
        const char* name;
        void* who;
        int kind;
        bool fee, relocationField;
    };
    const Case cases[] = {
        {"a club's employee", Hire(Club(), CBasicEmployee::kScout, "Feeless", 1), kPersonListStaff, false, false},
        {"a market employee", staffMarket.GetAt(staffMarket.GetSize() - 1), kPersonListStaffMarket, false, false},
        {"a youth", youth, kPersonListYouths, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenContractTalks(c.who, c.kind);
        ASSERT_FALSE(Page()->ShowsNoData());
        const bool feeShown = Page()->GetDealField(CPlayerScreen::kFeeField).IsAlive() &&
                              Page()->GetDealField(CPlayerScreen::kFeeField).IsShownFlag();
        EXPECT_EQ(feeShown, c.fee);
        EXPECT_EQ(Page()->GetPageLabel(5)->IsShownFlag(), c.fee) << "the fee's label goes with it";
        if (c.kind == kPersonListYouths) {
            EXPECT_FALSE(Page()->GetDealField(CPlayerScreen::kRelocationField).IsAlive() &&
                         Page()->GetDealField(CPlayerScreen::kRelocationField).IsShownFlag());
            EXPECT_TRUE(Page()->GetPageLabel(9)->IsShownFlag());
        }
        EXPECT_TRUE(Page()->GetDealField(CPlayerScreen::kWageField).IsShownFlag());
        EXPECT_TRUE(Page()->GetDealField(CPlayerScreen::kYearsField).IsShownFlag());
    }
}

TEST_F(DealPages, APlayerWhoLeftTheSellerIsNoLongerTheDeals) {
    OpenDeal(62, target, 300000);
    Other().SellPlayer(uint16_t(WorldIndexOf(*target)), 0, *world.GetClub(0), false, true);
    // Moved elsewhere meanwhile: nothing is signed.
    Press(515);
    EXPECT_TRUE(Page()->TalksEnded());
    EXPECT_NE(LastReply().find("The deal is off"), std::string::npos);
}

// ---- Page 23 ----

TEST(PlayerGauge, BandsAndReluctanceFollowTheBidAgainstTheValue) {
    struct Case {
        double bid, reference;
        int sellOn, band, reluctance;
    };
    const Case cases[] = {
        {1000000, 1000000, 0, 4, 4},   {1000000, 1000000, 20, 4, 6},  {790000, 1000000, 0, 0, 0},
        {800000, 1000000, 0, 1, 1},    {1210000, 1000000, 0, 8, 8},   {1150000, 1000000, 5, 7, 7},
        {0, 0, 0, 4, 4},               {500000, 0, 0, 8, 8},          {30000000, 1000000, 10, 8, 8},
        {950000, 1000000, 25, 3, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bid);
        const CPlayerScreen::Gauge g = CPlayerScreen::ComputeGauge(c.bid, c.reference, c.sellOn);
        EXPECT_EQ(g.band, c.band);
        EXPECT_EQ(g.reluctance, c.reluctance);
        EXPECT_LE(g.step, 4);
    }
}

class SalePage : public DealPages {
protected:
    CPlayerScreen* OpenSale(CPlayer* p, int bid, uint8_t sellOn) { return OpenDeal(23, p, bid, 0, sellOn, 1); }
};

TEST_F(SalePage, OpensWithTheBidAndRaisesFromNothing) {
    CPlayer* mine = Sign(Club(), CSoccerPlayer::kAttacker, "Mine");
    CPlayerScreen* page = OpenSale(mine, 0, 0);
    ASSERT_FALSE(page->ShowsNoData());
    EXPECT_EQ(page->GetPageLabel(1)->GetText(), platform::FormatMessageId(1110, {Other().GetName(), mine->GetName()}));
    EXPECT_NE(LastReply().find("with no sell on clause"), std::string::npos);
    Save("sale");
    // Money too low, on seeds until the club raises rather than stops.
    for (uint32_t seed = 1; seed < 50 && page->GetBid() == 0; ++seed) {
        platform::SeedRandom(seed);
        page = OpenSale(mine, 0, 0);
        page->SetRejectionReason(1);
        Press(1112);
    }
    EXPECT_GE(page->GetBid(), 1000) << "a raise raises, even from nothing";
}

// The gauge as the window shows it: the bid's band lit in its own colour,
// the others dim, the sell-on pips lit up to the offer; a raise moves it.
TEST_F(SalePage, TheAmountGaugeShowsTheBidsBandAndTheSellOn) {
    CPlayer* mine = Sign(Club(), CSoccerPlayer::kAttacker, "Mine");
    mine->Person().SetContractYears(3);
    // The value the page measures against is drawn afresh on each opening:
    // the same seed gives the same value.
    platform::SeedRandom(7);
    CPlayerScreen* page = OpenSale(mine, 0, 0);
    const double value = page->GetReferenceValue();
    ASSERT_GT(value, 10000) << "the fixture's player has a value to measure against";
    auto pixel = [&](const Rect& r) {
        Ui::Get().PresentNow();
        const Point at = main.ScreenToClient(page->ClientToScreen(Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        return backend->LastFrame().Get(at.x, at.y);
    };
    struct Case {
        double bidOfValue;
        uint8_t sellOn;
        int band, pips;
    };
    const Case cases[] = {{0.0, 0, 0, 0}, {0.88, 5, 2, 1}, {1.0, 10, 4, 2}, {1.12, 15, 6, 3}, {1.5, 20, 8, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.band);
        platform::SeedRandom(7);
        page = OpenSale(mine, static_cast<int>(value * c.bidOfValue), c.sellOn);
        ASSERT_EQ(page->GetReferenceValue(), value);
        CSaleGauge& gauge = page->GetGaugeDisplay();
        ASSERT_EQ(gauge.GetBand(), c.band) << page->GetBid() << " against " << page->GetReferenceValue();
        for (int i = 0; i < CSaleGauge::kCells; ++i)
            EXPECT_EQ(pixel(gauge.CellRect(i)), platform::gfx::ToPixel(CSaleGauge::CellColour(i, i == c.band))) << i;
        for (int s = 0; s < CSaleGauge::kPips; ++s)
            EXPECT_EQ(pixel(gauge.PipRect(s)), platform::gfx::ToPixel(CSaleGauge::PipColour(s < c.pips))) << s;
    }
    // Every band has its own lit colour, and none is its dim one.
    for (int i = 0; i < CSaleGauge::kCells; ++i) {
        EXPECT_NE(CSaleGauge::CellColour(i, true), CSaleGauge::CellColour(i, false));
        if (i > 0) {
            EXPECT_NE(CSaleGauge::CellColour(i, true), CSaleGauge::CellColour(i - 1, true));
        }
    }
    // A rejection that raises the bid moves the lit cell up.
    int before = -1;
    for (uint32_t seed = 1; seed < 60; ++seed) {
        platform::SeedRandom(seed);
        page = OpenSale(mine, static_cast<int>(value * 0.88), 0);
        before = page->GetGaugeDisplay().GetBand();
        page->SetRejectionReason(1);
        Press(1112);
        if (!page->FinalOfferMade()) break;
    }
    ASSERT_FALSE(page->FinalOfferMade());
    const int after = page->GetGaugeDisplay().GetBand();
    EXPECT_EQ(after, CPlayerScreen::ComputeGauge(page->GetBid(), page->GetReferenceValue(), 0).band);
    EXPECT_GT(after, before);
    EXPECT_EQ(pixel(page->GetGaugeDisplay().CellRect(after)), platform::gfx::ToPixel(CSaleGauge::CellColour(after, true)));
    EXPECT_EQ(pixel(page->GetGaugeDisplay().CellRect(before)),
              platform::gfx::ToPixel(CSaleGauge::CellColour(before, false)));
}

TEST_F(SalePage, AfterAFinalOfferTheNextRejectionEndsTheTalks) {
    CPlayer* mine = Sign(Club(), CSoccerPlayer::kAttacker, "Mine");
    CPlayerScreen* page = nullptr;
    for (uint32_t seed = 1; seed < 80; ++seed) {
        platform::SeedRandom(seed);
        page = OpenSale(mine, 5000000, 20);
        page->SetRejectionReason(2);
        Press(1112);
        if (page->FinalOfferMade() && !page->Decided()) break;
    }
    ASSERT_TRUE(page->FinalOfferMade());
    ASSERT_FALSE(page->Decided());
    EXPECT_EQ(LastReply(), DealText(1119));
    Press(1112);
    EXPECT_TRUE(page->Decided());
    EXPECT_EQ(LastReply(), DealText(1123));
    EXPECT_FALSE(page->GetPageButton(1)->IsEnabled());
    EXPECT_EQ(page->GetPageButton(0)->Text(), DealText(580));
}

// The model's side: a completion after an accepted bid for a human
// manager's player takes the terms agreed on page 23.
TEST_F(DealPages, AnAcceptedBidIsCompletedOnTheTermsAgreedInTalks) {
    CPlayer* mine = Sign(Club(), CSoccerPlayer::kAttacker, "Mine");
    const uint16_t index = uint16_t(WorldIndexOf(*mine));
    mine->m_SparePrice = 750000;
    mine->m_SpareSellOn = 15;
    const double balance = Club().GetBankBalance();
    Club().CompleteAcceptedBid(index, *mine, 500000, 5, Other());
    EXPECT_EQ(mine->GetClub(), &Other());
    EXPECT_GT(Club().GetBankBalance(), balance + 400000) << "paid at the raised fee";
    const CContractClause* clause = world.GetContractClauseList().Find(index);
    ASSERT_NE(clause, nullptr);
    EXPECT_EQ(clause->m_Percentage, 15);
    EXPECT_EQ(clause->m_Club, 0u);
    EXPECT_EQ(mine->m_SparePrice, -1.0);
    EXPECT_EQ(mine->m_SpareSellOn, -1);
}

TEST_F(DealPages, AcceptingThroughTheBoxKeepsTheBidsOwnSellOn) {
    CPlayer* mine = Sign(Club(), CSoccerPlayer::kAttacker, "Mine");
    const uint16_t index = uint16_t(WorldIndexOf(*mine));
    mine->m_SparePrice = 123;  // left from an earlier bid: the box resets it
    mine->m_SpareSellOn = 20;
    port.AnswerNext(6);  // the box's "accept"
    ASSERT_TRUE(Club().OfferBidToHuman(*mine, 600000, Other(), 10));
    EXPECT_EQ(mine->m_SparePrice, -1.0);
    EXPECT_EQ(mine->m_SpareSellOn, -1);
    Club().CompleteAcceptedBid(index, *mine, 600000, 10, Other());
    const CContractClause* clause = world.GetContractClauseList().Find(index);
    ASSERT_NE(clause, nullptr);
    EXPECT_EQ(clause->m_Percentage, 10);
}

TEST_F(DealPages, TheDaysDecisionOpensTheContractPageWithTheAgreedSellOn) {
    const int index = WorldIndexOf(*target);
    User().GetNegotiations().Add(index, 300000, 1, 15, 1);
    port.AnswerNext(kAnswerYes);
    User().GetNegotiations().GetAt(0)->Decide(Club());
    ASSERT_FALSE(port.Screens().empty());
    EXPECT_EQ(port.Screens().back().screen, 62);
    EXPECT_EQ(port.Screens().back().value1, 300000);
    EXPECT_EQ(port.Screens().back().value3, 15);
}

TEST_F(DealPages, TheDaysDecisionDropsABidWhoseManHasLeft) {
    const int index = WorldIndexOf(*target);
    User().GetNegotiations().Add(index, 300000, 1, 15, 1);
    Other().SellPlayer(uint16_t(index), 0, *world.GetClub(0), false, true);
    const size_t boxes = port.Boxes().size();
    User().GetNegotiations().GetAt(0)->Decide(Club());
    EXPECT_EQ(port.Boxes().size(), boxes);
    EXPECT_TRUE(port.Screens().empty());
}

TEST_F(DealPages, BigClubsSeldomLetAnUnlistedPlayerGo) {
    ASSERT_NE(table, nullptr);
    ASSERT_GT(table->GetSize(), 1);
    for (int i = 0; i < table->GetSize(); ++i) {
        SCOPED_TRACE(i);
        const uint8_t chance = table->GetAt(i)->m_UnlistedRefusalChance;
        EXPECT_GE(chance, 1);
        EXPECT_LE(chance, 100);
        if (i > 0) {
            EXPECT_LE(chance, table->GetAt(i - 1)->m_UnlistedRefusalChance);
        }
    }
}

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

TEST_F(DealPages, TheMenusTransferListAlsoClosesWithTheWindow) {
    Open(102);
    Club().GetCountry()->SetTransferWindow(0);
    manager.Send(WM_COMMAND, 32806, 0);
    Drain();
    EXPECT_TRUE(port.Asked(578));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetPage(), 102);
}

TEST_F(DealPages, TheBoardStopsTheReleaseOfAPlayerAboveTheClubsStanding) {
    CPlayer* own = Sign(Club(), CSoccerPlayer::kDefender, "Leaver");
    own->Person().SetContractYears(4);
    own->Person().SetWeeklyWage(1000);
    SetAbility(uint16_t(WorldIndexOf(*own)), 99);
    Open(102);
    Open(60, own, 0);
    const double balance = Club().GetBankBalance();
    Press(538);
    EXPECT_TRUE(port.AskedText("The board refuse to allow you to sack"));
    EXPECT_EQ(own->GetClub(), &Club());
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), balance);
    EXPECT_EQ(Page()->GetPage(), 60);
}

// The person page's releases and refusals: each asks or says its text, a
// "No" changes nothing, a "Yes" pays and removes and goes back to the page
// before.
TEST_F(DealPages, ReleasesAskFirstPayAndGoBack) {
    // A player whose pay-off the club cannot meet: 18, nothing moves.
    CPlayer* dear = Sign(Club(), CSoccerPlayer::kDefender, "Dear");
    dear->Person().SetContractYears(4);
    dear->Person().SetWeeklyWage(1000000);
    Open(102);
    Open(60, dear, 0);
    Press(538);
    EXPECT_TRUE(port.Asked(18));
    EXPECT_EQ(dear->GetClub(), &Club());

    // A player released for his pay-off: asked first; "No" keeps him.
    CPlayer* leaver = Sign(Club(), CSoccerPlayer::kMidfielder, "Leaver");
    leaver->Person().SetContractYears(4);
    leaver->Person().SetWeeklyWage(2000);
    // The club's standing above his ability: the board lets him go.
    ASSERT_NE(Club().GetPopularity(), nullptr);
    const_cast<CPopularity*>(Club().GetPopularity())->m_StandingByte = 90;
    SetAbility(uint16_t(WorldIndexOf(*leaver)), 40);
    const double payOff = leaver->GetRemainingWages();
    ASSERT_GT(payOff, 0);
    const std::string question = leaver->GetPayOffText(*Club().GetCountry());
    Open(102);
    Open(60, leaver, 0);
    port.AnswerNext(kAnswerNo);
    Press(538);
    EXPECT_TRUE(port.AskedText(question));
    EXPECT_NE(question.find("to pay off " + leaver->GetName()), std::string::npos) << "355: " << question;
    EXPECT_EQ(leaver->GetClub(), &Club());
    EXPECT_EQ(Page()->GetPage(), 60);
    const double balance = Club().GetBankBalance();
    port.AnswerNext(kAnswerYes);
    Press(538);
    EXPECT_NE(leaver->GetClub(), &Club());
    EXPECT_NEAR(Club().GetBankBalance(), balance - payOff, 1.0) << "the compensation leaves the balance";
    EXPECT_EQ(Page()->GetPage(), 102) << "back to the page before";

    // An employee sacked: 425 names his contract money.
    CEmployee* coach = Hire(Club(), CBasicEmployee::kHeadCoach, "Sacked", 4);
    coach->Person().SetWeeklyWage(500);
    Open(102);
    Open(60, coach, kPersonListStaff);
    port.AnswerNext(kAnswerNo);
    Press(537);
    ASSERT_FALSE(port.Boxes().empty());
    const std::string sack = port.Boxes().back().text;
    EXPECT_EQ(sack.rfind("You will have to pay ", 0), 0u) << sack;
    EXPECT_NE(sack.find("wish to sack " + coach->GetName()), std::string::npos) << sack;
    EXPECT_GE(Club().Staff().FindIndex(coach), 0);
    const int staff = Club().Staff().GetSize();
    port.AnswerNext(kAnswerYes);
    Press(537);
    EXPECT_EQ(Club().Staff().GetSize(), staff - 1);
    EXPECT_EQ(Page()->GetPage(), 102);

    // A youth let go: 842, then he is gone.
    auto y = std::make_unique<CYouth>();
    y->m_Person.Set("Y", "Letgo", 17, 1);
    CYouth* youth = y.get();
    Club().Youths().Add(std::move(y));
    Open(102);
    Open(60, youth, kPersonListYouths);
    port.AnswerNext(kAnswerYes);
    Press(537);
    EXPECT_TRUE(port.AskedText(platform::FormatMessageId(842, {std::string("Y.Letgo")})));
    EXPECT_EQ(Club().Youths().GetSize(), 0);
    EXPECT_EQ(Page()->GetPage(), 102);
}

// Renewals refused by the player's status, and a market employee the club
// has already approached.
TEST_F(DealPages, RenewalsAndApproachesRefusedSayWhy) {
    struct Case {
        uint8_t status;
        unsigned text;
    };
    for (const Case c : {Case{3, 949}, Case{10, 949}, Case{CPerson::kStatusRetiring, 951}}) {
        SCOPED_TRACE(c.text);
        CPlayer* p = Sign(Club(), CSoccerPlayer::kDefender, "Status" + std::to_string(c.status));
        p->Person().SetContractYears(1);
        p->Person().SetStatus(c.status);
        Open(60, p, 0);
        Press(540);
        EXPECT_TRUE(port.AskedText(platform::FormatMessageId(c.text, {p->GetName()})));
        EXPECT_EQ(Page()->GetPage(), 60) << "no contract page";
    }
    CAvailableEmployeeList& staff = *Club().GetCountry()->GetStaffMarket();
    CBasicEmployee e;
    e.m_JobKind = CBasicEmployee::kYouthCoach;
    e.m_Ability = 40;
    e.Person().Set("M", "Again", 50, 1);
    staff.AddCopy(e);
    CAvailableEmployee* again = staff.GetAt(staff.GetSize() - 1);
    Club().AddApproachedEmployee(*again);
    Open(60, again, kPersonListStaffMarket);
    Press(537);
    EXPECT_TRUE(port.AskedText(platform::FormatMessageId(1169, {again->GetName(), Club().GetName()})));
    EXPECT_EQ(Page()->GetPage(), 60);
}

TEST_F(DealPages, TheListingToggleListsAndDelists) {
    CPlayer* own = Sign(Club(), CSoccerPlayer::kDefender, "Listable");
    for (int i = 0; i < 20; ++i) Sign(Club(), i % 4, "Squad" + std::to_string(i));
    own->Person().SetWeeksAtClub(40);
    CPlayerScreen* page = Open(60, own, 0);
    ASSERT_TRUE(page->GetPageButton(CPlayerScreen::kActionButton)->IsEnabled());
    Press(537);
    EXPECT_TRUE(own->IsListed());
    EXPECT_TRUE(page->IsListedShown());
    EXPECT_EQ(page->GetPageButton(CPlayerScreen::kActionButton)->Text(), DealText(598));
    Press(537);
    EXPECT_FALSE(own->IsListed());
    EXPECT_EQ(page->GetPageButton(CPlayerScreen::kActionButton)->Text(), DealText(597));
}

TEST_F(DealPages, FullListsTakeNoOneMore) {
    // A full youth squad takes no market youth.
    CAvailableYouthList& market = *Club().GetCountry()->GetYouthMarket();
    market.Update(*Club().GetCountry(), *table->GetAt(1), 0, 10);
    ASSERT_GT(market.GetSize(), 0);
    for (int i = 0; i < CYouthList::kCapacity; ++i) {
        auto y = std::make_unique<CYouth>();
        y->m_Person.Set("Y", "Full" + std::to_string(i), 17, 1);
        Club().Youths().Add(std::move(y));
    }
    const int before = market.GetSize();
    Open(60, market.GetAt(0), kPersonListYouthMarket);
    Press(537);
    EXPECT_TRUE(port.Asked(47065));
    EXPECT_EQ(market.GetSize(), before);
    EXPECT_EQ(Club().Youths().GetSize(), CYouthList::kCapacity);
    // A full staff list takes no market employee.
    for (int i = 0; i < CEmployeeList::kMaxEmployees; ++i) Hire(Club(), CBasicEmployee::kScout, "S" + std::to_string(i));
    CAvailableEmployeeList& staff = *Club().GetCountry()->GetStaffMarket();
    CBasicEmployee e;
    e.m_JobKind = CBasicEmployee::kHeadCoach;
    e.m_Ability = 40;
    e.Person().Set("M", "Waiting", 50, 1);
    staff.AddCopy(e);
    Open(60, staff.GetAt(staff.GetSize() - 1), kPersonListStaffMarket);
    Press(537);
    EXPECT_TRUE(port.AskedText("has no room on the staff"));
    EXPECT_EQ(Page()->GetPage(), 60);
}

}  // namespace
}  // namespace playertest
