// The friendlies page over a real game: picking a day and an opponent, the
// checks in their order, the computer club's rule, a human opponent asked,
// and refusals remembered.
#include <algorithm>
#include <vector>

#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "screens/competitions_fixture.h"
#include "screens/fixturescreen.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/globals.h"
#include "ui/listcontrol.h"
#include "ui/xbutton.h"
#include "ui/xstatic.h"

namespace competitionstest {
namespace {

class FriendliesPage : public CompetitionPages {
protected:
    CFixtureScreen* OpenFriendlies() {
        return Open<CFixtureScreen>(PageClass::Fixture, CFixtureScreen::kFriendliesPage);
    }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    // Another club taken by a second human manager (user slot 1).
    CClub* HumanOpponent() {
        CClub* other = ClubOf(1);
        if (!other) return nullptr;
        const int index = W().GetManagerList().AddManager(Scotland());
        W().GetUser(1)->SetManager(index);
        W().GetUser(1)->JoinClub(W().GetClubList().GetIndex(other));
        return other;
    }
    // A computer club of division `d` of Scotland, the n-th found.
    CClub* ClubOf(int d, int n = 0) {
        CDivision* division = Scotland().GetDivision(d);
        for (int i = 0; division && i < W().GetClubList().GetSize(); ++i) {
            CClub* c = W().GetClub(i);
            if (c != club && c->GetDivision() == division && c->GetManagerKind() == 0 && n-- == 0) return c;
        }
        return nullptr;
    }
    // Seeds the generator so that the next Random(100) is above (or not
    // above) `threshold`.
    void SeedDraw(bool above, int threshold) {
        for (uint32_t s = 1;; ++s) {
            platform::SeedRandom(s);
            if ((Random(100) > threshold) == above) {
                platform::SeedRandom(s);
                return;
            }
        }
    }
    int FirstOpenRow(CFixtureScreen& page) {
        for (int slot = 0; slot < CFixtureScreen::kFriendlySlots; ++slot)
            if (!page.FriendlyDayPassed(slot) && club->GetFriendlyOpponentName(slot).empty()) return slot;
        return -1;
    }
    bool ArrangeActive(CFixtureScreen& page) {
        CXButton* b = page.GetArrangeButton(true);
        return b && b->IsEnabled();
    }
};

TEST_F(FriendliesPage, AComputerClubAnswersByTheDivisionsDifference) {
    struct Case {
        int difference, draw;
        bool accepted;
    };
    const Case cases[] = {{0, 90, true},  {0, 91, false}, {1, 80, true},  {1, 81, false}, {2, 40, true},
                          {2, 41, false}, {3, 20, true},  {3, 21, false}, {4, 100, true}, {7, 100, true},
                          {-1, 100, true}, {-3, 99, true}};
    for (const Case& c : cases)
        EXPECT_EQ(CFixtureScreen::FriendlyAccepted(c.difference, c.draw), c.accepted) << c.difference << " " << c.draw;
    CClub* same = ClubOf(0);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(CFixtureScreen::FriendlyDifference(*club, *same), 1) << "the same division counts as 1";
    if (CClub* lower = ClubOf(1)) {
        EXPECT_EQ(CFixtureScreen::FriendlyDifference(*club, *lower),
                  club->GetDivisionStrengthIndex() - lower->GetDivisionStrengthIndex());
    }
}

TEST_F(FriendliesPage, TheListShowsTheFourDaysAndAPickNeedsAnOpenDay) {
    CFixtureScreen* page = OpenFriendlies();
    ASSERT_NE(page, nullptr);
    CListControl* list = page->GetFixtureList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetRowCount(), 4);
    EXPECT_EQ(page->GetHeading()->GetText(), club->GetName());
    EXPECT_FALSE(ArrangeActive(*page));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(std::string(list->GetItemText(row, 0)), page->FriendlyDateText(row));
        EXPECT_FALSE(page->FriendlyDateText(row).empty());
    }
    for (int i = 0; i < 4; ++i) ASSERT_NE(page->GetDetailValue(i), nullptr);
    EXPECT_EQ(page->GetDetailValue(1)->GetText(), "-");
    const int row = FirstOpenRow(*page);
    ASSERT_GE(row, 0);
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(std::string(list->GetItemText(row, col)), "") << "an open day";
    page->PickFriendlyRow(row);
    EXPECT_EQ(page->GetFriendlyPick(), row);
    EXPECT_EQ(page->GetArrangeDay(), club->GetFriendlyDay(row));
    EXPECT_FALSE(ArrangeActive(*page)) << "no opponent yet";
    page->PickFriendlyRow(row);
    EXPECT_EQ(page->GetFriendlyPick(), -1) << "the picked row again unpicks it";
    // The own club chosen in the tree is no opponent.
    ASSERT_TRUE(Select(club));
    EXPECT_EQ(page->GetOpponent(), nullptr);
    CClub* other = ClubOf(1);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(Select(other));
    EXPECT_EQ(page->GetOpponent(), other);
    EXPECT_EQ(page->GetDetailValue(1)->GetText(), other->GetName());
    EXPECT_EQ(page->GetDetailValue(2)->GetText(), other->GetStadiumName());
    page->PickFriendlyRow(row);
    EXPECT_TRUE(ArrangeActive(*page));
}

TEST_F(FriendliesPage, ArrangingChecksInOrderAndRefillsThePage) {
    CFixtureScreen* page = OpenFriendlies();
    ASSERT_NE(page, nullptr);
    int before = boxes;
    EXPECT_FALSE(page->ArrangeFriendly(true)) << "no opponent: 781";
    EXPECT_EQ(boxes, before + 1);
    CClub* other = ClubOf(1);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(Select(other));
    before = boxes;
    EXPECT_FALSE(page->ArrangeFriendly(true)) << "no day picked: 298";
    EXPECT_EQ(boxes, before + 1);
    const int row = FirstOpenRow(*page);
    ASSERT_GE(row, 0);
    page->PickFriendlyRow(row);
    const int d = CFixtureScreen::FriendlyDifference(*club, *other);
    SeedDraw(false, d == 0 ? 90 : d == 1 ? 80 : d == 2 ? 40 : 20);
    EXPECT_TRUE(page->ArrangeFriendly(true));
    const int otherIndex = W().GetClubList().GetIndex(other);
    EXPECT_EQ(club->GetFriendlyOpponent(row), static_cast<uint32_t>(otherIndex));
    EXPECT_EQ(club->GetFriendlyVenueName(row), club->GetStadiumName()) << "at home";
    CListControl* list = page->GetFixtureList();
    EXPECT_EQ(std::string(list->GetItemText(row, 1)), club->GetName());
    EXPECT_EQ(std::string(list->GetItemText(row, 3)), other->GetName());
    EXPECT_EQ(static_cast<intptr_t>(list->GetItemData2(row)), otherIndex);
    EXPECT_EQ(page->GetFriendlyPick(), -1);
    EXPECT_EQ(page->GetOpponent(), nullptr);
    EXPECT_FALSE(ArrangeActive(*page));
    EXPECT_EQ(page->GetDetailValue(1)->GetText(), "-");
    // A row with an opponent is not picked; the same club again is 944.
    page->PickFriendlyRow(row);
    EXPECT_EQ(page->GetFriendlyPick(), -1);
    const int next = FirstOpenRow(*page);
    ASSERT_GE(next, 0);
    page->PickFriendlyRow(next);
    ASSERT_TRUE(Select(other));
    before = boxes;
    EXPECT_FALSE(page->ArrangeFriendly(false));
    EXPECT_EQ(boxes, before + 1);
    EXPECT_TRUE(club->GetFriendlyOpponentName(next).empty());
}

TEST_F(FriendliesPage, ARefusalIsRememberedAndAnsweredWithoutANewDraw) {
    CFixtureScreen* page = OpenFriendlies();
    CClub* rival = ClubOf(0);
    ASSERT_NE(rival, nullptr);
    page->PickFriendlyRow(FirstOpenRow(*page));
    ASSERT_TRUE(Select(rival));
    SeedDraw(true, 80);  // the same division: 81 and above refuse
    EXPECT_FALSE(page->ArrangeFriendly(false));
    EXPECT_TRUE(User().HasFriendlyRefusal(rival));
    // Asked again: refused at once, the generator untouched.
    platform::SeedRandom(99);
    const int expected = Random(100);
    platform::SeedRandom(99);
    page->PickFriendlyRow(FirstOpenRow(*page));
    ASSERT_TRUE(Select(rival));
    const int before = boxes;
    EXPECT_FALSE(page->ArrangeFriendly(true));
    EXPECT_EQ(boxes, before + 1);
    EXPECT_EQ(Random(100), expected);
    EXPECT_EQ(club->CountFreeFriendlyDays(), 4);
}

// A human opponent is asked: Accept arranges the away friendly.
TEST_F(FriendliesPage, AHumanOpponentIsAskedAndHisAnswerDecides) {
    CClub* other = HumanOpponent();
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(other->GetManagerKind(), 1);
    CFixtureScreen* page = OpenFriendlies();
    const int row = FirstOpenRow(*page);
    page->PickFriendlyRow(row);
    ASSERT_TRUE(Select(other));
    const int before = boxes;
    EXPECT_TRUE(page->ArrangeFriendly(false));
    EXPECT_EQ(boxes, before + 1) << "one question, no draw's box";
    EXPECT_EQ(club->GetFriendlyVenueName(row), other->GetStadiumName()) << "away";
    EXPECT_FALSE(User().HasFriendlyRefusal(other));
}

// The second button of the question refuses, at home (No) and away
// (Decline), with 298; nothing is arranged and nothing remembered.
TEST_F(FriendliesPage, AHumanOpponentDecliningRefusesTheFriendly) {
    CClub* other = HumanOpponent();
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(other->GetManagerKind(), 1);
    CFixtureScreen* page = OpenFriendlies();
    ASSERT_NE(page, nullptr);
    boxButton = 1;
    for (bool home : {true, false}) {
        SCOPED_TRACE(home ? "No at home" : "Decline away");
        const int row = FirstOpenRow(*page);
        ASSERT_GE(row, 0);
        page->PickFriendlyRow(row);
        ASSERT_TRUE(Select(other));
        const int before = boxes;
        EXPECT_FALSE(page->ArrangeFriendly(home));
        EXPECT_EQ(boxes, before + 2) << "the question, then 298";
        EXPECT_TRUE(club->GetFriendlyOpponentName(row).empty());
        EXPECT_EQ(club->CountFreeFriendlyDays(), 4);
        EXPECT_FALSE(User().HasFriendlyRefusal(other)) << "only a computer club's refusal is remembered";
        page->PickFriendlyRow(row);  // unpicks, for the next round
    }
    boxButton = -1;
}

// A computer club of a country not followed in detail always refuses,
// whatever the draw, and the refusal is remembered.
TEST_F(FriendliesPage, AClubOfACountryNotFollowedRefuses) {
    CClub* far = nullptr;
    for (int i = 0; i < W().GetClubList().GetSize() && !far; ++i) {
        CClub* c = W().GetClub(i);
        if (c->GetCountry() && !c->GetCountry()->IsFollowed() && c->GetManagerKind() == 0) far = c;
    }
    ASSERT_NE(far, nullptr);
    CFixtureScreen* page = OpenFriendlies();
    ASSERT_NE(page, nullptr);
    const int row = FirstOpenRow(*page);
    page->PickFriendlyRow(row);
    // Such a club is chosen as a club node of the tree sends it.
    CTreeNode* own = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    ASSERT_NE(own, nullptr);
    TreeNotice notice;
    notice.text = far->GetName();
    notice.level = own->GetLevel();
    notice.data = reinterpret_cast<uintptr_t>(far);
    manager->OnTreeSelect(&notice);
    Drain();
    ASSERT_EQ(page->GetOpponent(), far);
    // A draw of 0 accepts at every difference: only the country refuses.
    SeedDraw(false, 0);
    const int before = boxes;
    EXPECT_FALSE(page->ArrangeFriendly(true));
    EXPECT_EQ(boxes, before + 1);
    EXPECT_TRUE(club->GetFriendlyOpponentName(row).empty());
    EXPECT_TRUE(User().HasFriendlyRefusal(far));
}

// The page opens the tree at the own club: every ancestor expanded, the
// country marked.
TEST_F(FriendliesPage, TheTreeOpensAtTheClubWithItsCountryMarked) {
    manager->CollapseTree();
    CTreeNode* node = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    ASSERT_NE(node, nullptr);
    ASSERT_NE(node->parent, nullptr);
    ASSERT_EQ(node->parent->expanded, 0) << "collapsed before the page opens";
    ASSERT_NE(OpenFriendlies(), nullptr);
    node = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(club), 0);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->expanded, 1);
    for (CTreeNode* p = node->parent; p; p = p->parent) EXPECT_EQ(p->expanded, 1) << p->text;
    CTreeNode* country = manager->FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(&Scotland()), 0);
    ASSERT_NE(country, nullptr);
    EXPECT_EQ(country->selected, 1);
}

// Each failed check says its own text, in the checks' order: no club
// chosen (781), no day picked (298), the opponent's day taken (957), the
// two clubs already meeting (944).
TEST_F(FriendliesPage, EachCheckSaysItsOwnText) {
    CFixtureScreen* page = OpenFriendlies();
    ASSERT_NE(page, nullptr);
    const int row = FirstOpenRow(*page);
    ASSERT_GE(row, 0);
    const int day = club->GetFriendlyDay(row);
    // Three clubs free that day: the opponent, the club that takes his
    // day, and one the own club already meets on another day.
    std::vector<CClub*> free;
    for (int n = 0; free.size() < 3; ++n) {
        CClub* c = ClubOf(1, n);
        ASSERT_NE(c, nullptr);
        if (c->IsFriendlyDay(day) && c->IsFriendlyDayFree(day)) free.push_back(c);
    }
    CClub* other = free[0];
    CClub* blocker = free[1];
    CClub* third = free[2];
    boxTexts.clear();
    EXPECT_FALSE(page->ArrangeFriendly(true));
    ASSERT_TRUE(Select(other));
    EXPECT_FALSE(page->ArrangeFriendly(true));
    // The opponent's day is given to another club.
    ASSERT_TRUE(W().GetClubList().ArrangeFriendly(day, W().GetClubList().GetIndex(other),
                                                  W().GetClubList().GetIndex(blocker)));
    page->PickFriendlyRow(row);
    EXPECT_FALSE(page->ArrangeFriendly(true));
    // The third club has already agreed another day with the own club.
    const int next = [&] {
        for (int s = 0; s < CFixtureScreen::kFriendlySlots; ++s)
            if (s != row && !page->FriendlyDayPassed(s) && club->GetFriendlyOpponentName(s).empty()) return s;
        return -1;
    }();
    ASSERT_GE(next, 0);
    const int nextDay = club->GetFriendlyDay(next);
    ASSERT_TRUE(W().GetClubList().ArrangeFriendly(nextDay, W().GetClubList().GetIndex(club),
                                                  W().GetClubList().GetIndex(third)));
    page->Refresh();
    ASSERT_EQ(page->GetFriendlyPick(), row) << "the pick outlives a refusal";
    ASSERT_TRUE(Select(third));
    EXPECT_FALSE(page->ArrangeFriendly(false));
    const std::vector<std::string> expected = {
        platform::LoadString(781), platform::FormatMessageId(298, {std::string(other->GetName())}),
        platform::FormatMessageId(957, {std::string(other->GetName()), page->FriendlyDateText(row)}),
        platform::FormatMessageId(944, {std::string(third->GetName())})};
    EXPECT_EQ(boxTexts, expected);
}

TEST_F(FriendliesPage, WithAllFourDaysArrangedNothingCanBePicked) {
    CFixtureScreen* page = OpenFriendlies();
    for (int slot = 0, n = 0; slot < 4; ++slot) {
        CClub* other = nullptr;
        while (!other || !other->IsFriendlyDayFree(club->GetFriendlyDay(slot))) other = ClubOf(1, n++);
        ASSERT_TRUE(W().GetClubList().ArrangeFriendly(club->GetFriendlyDay(slot), W().GetClubList().GetIndex(club),
                                                      W().GetClubList().GetIndex(other)));
    }
    EXPECT_EQ(club->CountFreeFriendlyDays(), 0);
    page->Refresh();
    ASSERT_TRUE(Select(ClubOf(1)));
    for (int row = 0; row < 4; ++row) {
        page->PickFriendlyRow(row);
        EXPECT_EQ(page->GetFriendlyPick(), -1);
        EXPECT_FALSE(ArrangeActive(*page));
    }
}

}  // namespace
}  // namespace competitionstest
