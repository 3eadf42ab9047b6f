// The squad section's list pages: the physio's injury list (page 36) and the
// youth squad beside the country's available youths (page 40).
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "shell/screentables.h"
#include "screens/playerscreen.h"
#include "screens/squad_fixture.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/country.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/youth.h"
#include "ui/listcontrol.h"
#include "ui/xbutton.h"
#include "ui/xstatic.h"

namespace squadtest {
namespace {

class PhysioPage : public SquadPages {
protected:
    CInjury& Hurt(uint16_t id, int timeLeft) {
        Injure(id);
        CInjury& in = *world.GetInjuryList().GetAt(world.GetPlayer(id)->m_Injury);
        in.m_TimeLeft = static_cast<uint8_t>(timeLeft);
        in.m_Kind = 3;
        return in;
    }
};

TEST_F(PhysioPage, NobodyInjuredShowsOnlyTheNoInjuriesLine) {
    Sign(CSoccerPlayer::kDefender, "Fit");
    CSquadScreen* page = Open(CSquadScreen::kPhysioPage);
    ASSERT_NE(page->GetNoInjuriesLabel(), nullptr);
    EXPECT_TRUE(page->GetNoInjuriesLabel()->IsVisible());
    EXPECT_EQ(page->GetNoInjuriesLabel()->GetText(), "No Injuries");
    EXPECT_EQ(page->GetNoInjuriesLabel()->WindowRect().left, 0);
    EXPECT_FALSE(page->GetInjuryList()->IsVisible());
    EXPECT_EQ(page->GetInjuryReport()->GetText(), "");
    EXPECT_EQ(page->GetInjuryReport()->WindowRect(), Rect::XYWH(26, 338, 550, 100));
}

TEST_F(PhysioPage, ListsTheReportedInjuriesInSlotOrderAndReportsOnAClick) {
    const uint16_t a = Sign(CSoccerPlayer::kGoalkeeper, "Keeper");
    Sign(CSoccerPlayer::kDefender, "Fit");
    const uint16_t c = Sign(CSoccerPlayer::kAttacker, "Striker");
    const uint16_t hidden = Sign(CSoccerPlayer::kMidfielder, "Quiet");
    Hurt(c, 6);
    Hurt(a, 2);
    Hurt(hidden, 4).m_ShownInLists = 0;
    CSquadScreen* page = Open(CSquadScreen::kPhysioPage);
    CListControl& list = *page->GetInjuryList();
    EXPECT_TRUE(list.IsVisible());
    EXPECT_FALSE(page->GetNoInjuriesLabel()->IsVisible());
    ASSERT_EQ(list.GetRowCount(), 2);
    const CInjury& in = *world.GetPlayer(a)->GetInjury();
    EXPECT_EQ(list.GetItemText(0, 0), world.GetPlayer(a)->GetName());
    EXPECT_EQ(list.GetItemText(0, 1), in.GetNameCapitalised());
    EXPECT_EQ(list.GetItemText(0, 2), in.GetTotalTimeText());
    EXPECT_EQ(list.GetItemText(0, 3), in.GetTimeText());
    EXPECT_EQ(list.GetItemText(1, 0), world.GetPlayer(c)->GetName());
    EXPECT_EQ(list.GetCell(0, 0)->colour, world.GetListColour(CSoccerPlayer::kGoalkeeper));
    Save("physio");

    // Beside the rows with nothing selected the report stays as it is.
    Click(300, 118 + 23 + 23 * 3);
    EXPECT_EQ(page->GetInjuryReport()->GetText(), "");
    Click(60, 118 + 23 + 23 + 10);
    const CPlayer& striker = *world.GetPlayer(c);
    EXPECT_EQ(page->GetInjuryReport()->GetText(), striker.GetName() + " " + striker.GetInjury()->GetStatusText());
}

// A double click on an injury row reports on him as a click does; the page
// opens nothing.
TEST_F(PhysioPage, ADoubleClickOnAnInjuryRowReportsAndStays) {
    const uint16_t a = Sign(CSoccerPlayer::kGoalkeeper, "Keeper");
    Hurt(a, 2);
    CSquadScreen* page = Open(CSquadScreen::kPhysioPage);
    CListControl& list = *page->GetInjuryList();
    const Point row = OnListRow(list, 0);
    ASSERT_GE(row.y, 0);
    Click(row.x, row.y, true);
    EXPECT_EQ(manager.GetCurrentPage(), page);
    EXPECT_EQ(g_nScreenId, CSquadScreen::kPhysioPage);
    const CPlayer& keeper = *world.GetPlayer(a);
    EXPECT_EQ(page->GetInjuryReport()->GetText(), keeper.GetName() + " " + keeper.GetInjury()->GetStatusText());
}

// The club's kit stays in sight beside the title lines: no control of the
// physio's or the youth squad's page lies over its corner.
TEST_F(SquadPages, TheListPagesLeaveTheClubKitUncovered) {
    Sign(CSoccerPlayer::kDefender, "Fit");
    for (const int screen : {CSquadScreen::kPhysioPage, CSquadScreen::kYouthPage}) {
        SCOPED_TRACE(screen);
        CSquadScreen* page = Open(screen);
        ASSERT_NE(page, nullptr);
        ASSERT_NE(page->GetPictureSurface(kSlotKit), nullptr);
        const Rect kit = PictureSlotRect(kSlotKit);
        int titles = 0;
        for (const platform::win::Window* w : page->Children()) {
            if (!w->IsVisible()) continue;
            const Rect r = w->WindowRect();
            titles += r.left == 30 && (r.top == 22 || r.top == 61);
            EXPECT_TRUE(r.Intersect(kit).IsEmpty()) << "a control at " << r.left << "," << r.top << " over the kit";
        }
        EXPECT_EQ(titles, 2);
    }
}

// The title definition that many pages share ends short of the club's kit,
// and every title it is given, on any page, fits in it whole.
TEST_F(SquadPages, EveryTitleOfTheSharedTitleDefinitionFitsShortOfTheKit) {
    namespace st = screentables;
    constexpr int kTitleDefinition = 119;
    const st::TextDefinition* d = st::FindText(kTitleDefinition);
    ASSERT_NE(d, nullptr);
    CSquadScreen* page = Open(CSquadScreen::kPhysioPage);
    ASSERT_NE(page, nullptr);
    CXStatic* title = nullptr;
    for (platform::win::Window* w : page->Children())
        if (auto* label = dynamic_cast<CXStatic*>(w); label && label->WindowRect().left == 30 && label->WindowRect().top == 22)
            title = label;
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->WindowRect().Width(), d->width);
    EXPECT_LE(30 + d->width, PictureSlotRect(kSlotKit).left);

    std::vector<std::string> texts;
    for (int i = 0; i < st::kControlCount; ++i) {
        const st::ControlRow& row = st::kControls[i];
        if (row.definition == kTitleDefinition && (row.flags & 0x7) == 0x1)
            texts.push_back(platform::LoadString(static_cast<unsigned>(row.stringId)));
    }
    EXPECT_GT(texts.size(), 40u);
    for (const std::string& text : texts) {
        title->SetText(text);
        EXPECT_LE(title->GetTextExtent().cx, d->width) << text;
    }
}

// A club name too long for the title line ends with "." short of the kit.
TEST_F(SquadPages, ALongClubNameEndsWithADotShortOfTheKit) {
    Club().SetName("Vestmannaeyjar \xC3\x8D\xC3\xBE\xC3\xB3ttabandalag Reserves");
    for (const int screen : {CSquadScreen::kPhysioPage, CSquadScreen::kYouthPage}) {
        SCOPED_TRACE(screen);
        CSquadScreen* page = Open(screen);
        CXStatic* name = nullptr;
        for (platform::win::Window* w : page->Children())
            if (auto* label = dynamic_cast<CXStatic*>(w); label && label->WindowRect().left == 30 && label->WindowRect().top == 61)
                name = label;
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->GetText().back(), '.') << name->GetText();
        EXPECT_EQ(name->GetText().rfind("Vestmannaeyjar ", 0), 0u) << name->GetText();
        EXPECT_LE(name->GetTextExtent().cx, name->WindowRect().Width());
        EXPECT_LE(name->WindowRect().right, PictureSlotRect(kSlotKit).left);
    }
}

class YouthPage : public SquadPages {
protected:
    void SetUp() override {
        SquadPages::SetUp();
        CCountry& country = *Club().GetCountry();
        ASSERT_NE(country.GetYouthMarket(), nullptr);
        country.AddDivision(0);
        const CPopularity& row = *table->GetAt(1);
        for (int i = 0; i < 40 && country.GetYouthMarket()->GetSize() < 5; ++i)
            country.GetYouthMarket()->Update(country, row, 0, 10);
        ASSERT_GE(country.GetYouthMarket()->GetSize(), 5);
        for (int pos : {CSoccerPlayer::kDefender, CSoccerPlayer::kAttacker, CSoccerPlayer::kDefender,
                        CSoccerPlayer::kGoalkeeper, CSoccerPlayer::kDefender}) {
            Club().Youths().AddRandomYouth(country, row, pos);
            CYouth& y = *Club().Youths().GetAt(Club().Youths().GetSize() - 1);
            y.m_Football.SetPosition(pos, false);
            y.m_Person.SetSurname("Youth" + std::to_string(Club().Youths().GetSize()));
        }
    }
    CAvailableYouthList& Market() { return *Club().GetCountry()->GetYouthMarket(); }
    // A click the list passes back on a row (its place in the displayed order).
    void ClickRow(CListControl& list, int row) {
        ASSERT_TRUE(list.SetSelection(row));
        list.ClearSelected();
        list.AddSelected(row);
        Page()->OnListClick(&list, row, 0);
    }
    // The row a click chose, -1 for none.
    static int Chosen(const CListControl& list) { return list.GetSelectedCount() > 0 ? list.GetSelected(0) : -1; }
    void MovePointer(Point p) {
        backend->MoveTo(main.ScreenToClient(Page()->ClientToScreen(p)), 30);
        testsupport::RunVirtualTime(*backend, main, 100);
    }
    static Point Middle(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
};

TEST_F(YouthPage, StartsWithEveryYouthShownAndBothButtonsDisabled) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    EXPECT_EQ(page->GetYouthFilter(), -1);
    EXPECT_EQ(page->GetAvailableFilter(), -1);
    EXPECT_TRUE(page->GetFilterButton(-1)->IsTicked());
    for (int p = 0; p <= 3; ++p) EXPECT_FALSE(page->GetFilterButton(p)->IsTicked());
    EXPECT_FALSE(page->GetOfferButton()->IsEnabled());
    EXPECT_FALSE(page->GetSackHireButton()->IsEnabled());
    EXPECT_EQ(page->GetSackHireButton()->Text(), "Hire Player");
    EXPECT_EQ(page->GetCurrentYouthList()->GetRowCount(), 5);
    EXPECT_EQ(page->GetAvailableYouthList()->GetRowCount(), Market().GetSize());
    EXPECT_EQ(page->GetCurrentYouthList()->WindowRect(), Rect::XYWH(90, 118, 491, 156));
    EXPECT_EQ(page->GetAvailableYouthList()->WindowRect(), Rect::XYWH(28, 287, 550, 110));
    Save("youth-squad");
}

// The two push buttons write their captions in their middle, clear of the
// frame on both sides.
TEST_F(YouthPage, TheButtonsCentreTheirCaptions) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    for (CXButton* b : {page->GetOfferButton(), page->GetSackHireButton()}) {
        SCOPED_TRACE(b->Text());
        const Rect r = b->WindowRect();
        Point origin;
        Picture* pic = page->PaintPicture(&origin);
        ASSERT_NE(pic, nullptr);
        // The caption's light, colourless pixels.
        int first = r.right, last = r.left - 1;
        for (int y = r.top + 4; y < r.bottom - 4; ++y)
            for (int x = r.left + 4; x < r.right - 4; ++x) {
                const platform::gfx::Pixel p = pic->Get(origin.x + x, origin.y + y);
                const int red = platform::gfx::PixelR(p), green = platform::gfx::PixelG(p),
                          blue = platform::gfx::PixelB(p);
                if (red > 100 && std::abs(red - green) < 24 && std::abs(green - blue) < 24) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        ASSERT_LT(first, last) << "a caption drawn";
        EXPECT_GE(first - r.left, 8);
        EXPECT_NEAR(first - r.left, r.right - 1 - last, 4);
    }
}

// A double click on a youth opens his page: mode 3 for one of the club's,
// mode 4 for one of the country's.
TEST_F(YouthPage, ADoubleClickOpensTheYouthsPage) {
    for (const bool current : {true, false}) {
        SCOPED_TRACE(current ? "the club's youth" : "an available youth");
        CSquadScreen* page = Open(CSquadScreen::kYouthPage);
        CListControl& list = current ? *page->GetCurrentYouthList() : *page->GetAvailableYouthList();
        const Point row = OnListRow(list, 1);
        ASSERT_GE(row.y, 0);
        const uintptr_t shown = list.GetItemData(1);
        ASSERT_NE(shown, 0u);
        Click(row.x, row.y, true);
        auto* person = dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
        ASSERT_NE(person, nullptr) << "the person page opened";
        EXPECT_EQ(g_nScreenId, 60);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(person->m_pSubject), shown);
        EXPECT_EQ(person->m_nSubjectKind, current ? 3 : 4);
    }
}

TEST_F(YouthPage, AFilterRefillsTheCurrentListAndResetsTheButtons) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    ClickRow(*page->GetCurrentYouthList(), 0);
    ASSERT_TRUE(page->GetSackHireButton()->IsEnabled());
    Click(24 + 32, 181 + 15);  // "Defenders"
    EXPECT_EQ(page->GetYouthFilter(), CSoccerPlayer::kDefender);
    EXPECT_EQ(page->GetCurrentYouthList()->GetRowCount(), 3);
    EXPECT_TRUE(page->GetFilterButton(CSoccerPlayer::kDefender)->IsTicked());
    EXPECT_FALSE(page->GetFilterButton(-1)->IsTicked());
    EXPECT_FALSE(page->GetOfferButton()->IsEnabled());
    EXPECT_FALSE(page->GetSackHireButton()->IsEnabled());
    EXPECT_EQ(page->GetSackHireButton()->Text(), "Hire Player");
}

TEST_F(YouthPage, ListClicksKeepTheButtonsInStepWithTheSelection) {
    struct Case {
        const char* what;
        bool current;  // a row of the Current Youth List, else of the Available
        int youths;    // in the club's squad
        bool offer, sackHire;
        const char* text;
        int currentSel, availableSel;  // -1 none, 0 the row clicked
    };
    const Case cases[] = {
        {"a current youth", true, 5, true, true, "Sack Player", 0, -1},
        {"an available youth with room", false, 5, false, true, "Hire Player", -1, 0},
        {"an available youth with twelve", false, 12, false, false, "Hire Player", -1, -1},
    };
    for (const Case& c : cases) {
        while (Club().Youths().GetSize() < c.youths)
            Club().Youths().AddRandomYouth(*Club().GetCountry(), *table->GetAt(1), CSoccerPlayer::kMidfielder);
        CSquadScreen* page = Open(CSquadScreen::kYouthPage);
        CListControl& other = c.current ? *page->GetAvailableYouthList() : *page->GetCurrentYouthList();
        other.SetSelection(1);
        other.AddSelected(1);
        ClickRow(c.current ? *page->GetCurrentYouthList() : *page->GetAvailableYouthList(), 0);
        EXPECT_EQ(page->GetOfferButton()->IsEnabled(), c.offer) << c.what;
        EXPECT_EQ(page->GetSackHireButton()->IsEnabled(), c.sackHire) << c.what;
        EXPECT_EQ(page->GetSackHireButton()->Text(), c.text) << c.what;
        std::string tip;
        page->GetToolTipText(page->HotSpotFromId(CSquadScreen::kSackHire), tip);
        EXPECT_EQ(tip, c.text) << c.what;
        EXPECT_EQ(Chosen(*page->GetCurrentYouthList()), c.currentSel) << c.what;
        EXPECT_EQ(Chosen(*page->GetAvailableYouthList()), c.availableSel) << c.what;
    }
}

TEST_F(YouthPage, OfferContractAsksFirstForAYouth) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    page->OnOfferContract();
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].stringId, 48082u);
    EXPECT_EQ(Club().Youths().GetSize(), 5);
    EXPECT_EQ(g_nCurrentScreen, CSquadScreen::kYouthPage);

    ClickRow(*page->GetCurrentYouthList(), 0);
    const CYouth& first = *reinterpret_cast<const CYouth*>(page->GetCurrentYouthList()->GetItemData(0));
    port.AnswerNext(IDNO);
    page->OnOfferContract();
    ASSERT_EQ(port.Boxes().size(), 2u);
    EXPECT_EQ(port.Boxes()[1].text, platform::FormatMessageId(48083, {first.GetName(),
                                                                      platform::LoadString(21 + first.m_Football.GetPosition())}));
    EXPECT_EQ(port.Boxes()[1].person, &first.m_Person);
}

TEST_F(YouthPage, SackAndHireByButtonAskThenChangeTheSquadAndTheMarket) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    CListControl& current = *page->GetCurrentYouthList();
    ClickRow(current, 1);
    const int index = static_cast<int>(current.GetItemData2(1));
    const std::string name = Club().Youths().GetAt(index)->GetName();
    port.AnswerNext(IDNO);
    page->OnSackHirePlayer();
    EXPECT_EQ(Club().Youths().GetSize(), 5) << "No keeps him";
    port.AnswerNext(IDYES);
    page->OnSackHirePlayer();
    EXPECT_EQ(port.Boxes().back().text, platform::FormatMessageId(48084, {name}));
    ASSERT_EQ(Club().Youths().GetSize(), 4);
    // The history hears which list lost whom, to drop that list's entries.
    ASSERT_EQ(port.DeletedPeople().size(), 1u);
    EXPECT_EQ(port.DeletedPeople()[0].kind, kPersonListYouths);
    EXPECT_EQ(port.DeletedPeople()[0].owner, 0);
    EXPECT_EQ(port.DeletedPeople()[0].index, index);
    EXPECT_EQ(current.GetRowCount(), 4);
    EXPECT_EQ(Chosen(current), -1);
    EXPECT_FALSE(page->GetSackHireButton()->IsEnabled());

    const int market = Market().GetSize();
    CListControl& available = *page->GetAvailableYouthList();
    ClickRow(available, 2);
    const CAvailableYouth* chosen = Market().GetAt(static_cast<int>(available.GetItemData2(2)));
    const std::string hired = chosen->m_Person.GetName();
    port.AnswerNext(IDYES);
    page->OnSackHirePlayer();
    EXPECT_EQ(port.Boxes().back().text, platform::FormatMessageId(48085, {hired}));
    ASSERT_EQ(Club().Youths().GetSize(), 5);
    EXPECT_EQ(Club().Youths().GetAt(4)->GetName(), hired);
    EXPECT_EQ(Market().GetSize(), market - 1);
    ASSERT_EQ(port.DeletedPeople().size(), 2u);
    EXPECT_EQ(port.DeletedPeople()[1].kind, kPersonListYouthMarket);
    EXPECT_EQ(available.GetRowCount(), market - 1);
    EXPECT_EQ(page->GetSackHireButton()->Text(), "Hire Player");
}

// With the mouse: the buttons ask about the row a click chose, not the row
// the pointer crossed on its way to them (the list's hover highlight), nor
// a row of the other list it passed over.
TEST_F(YouthPage, TheButtonsActOnTheClickedRowNotTheOneThePointerCrossed) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    CListControl& current = *page->GetCurrentYouthList();
    CListControl& available = *page->GetAvailableYouthList();
    auto youthAtRow = [&](int row) {
        return Club().Youths().GetAt(static_cast<int>(current.GetItemData2(row)))->GetName();
    };
    auto pressButton = [&](CXButton* b) {
        const Point at = Middle(b->WindowRect());
        MovePointer(at);
        Click(at.x, at.y);
    };
    struct Case {
        const char* what;
        bool fromCurrent;  // the clicked row's list
        int clicked, crossedCurrent, crossedAvailable;
        bool offer;        // press "Offer Contract", else "Sack/Hire Player"
        unsigned question;  // asked on "Sack/Hire Player"
    };
    const Case cases[] = {
        {"sack", true, 1, 3, 0, false, 48084},
        {"offer a contract", true, 2, 0, 1, true, 0},
        {"hire", false, 1, 0, 0, false, 48085},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CListControl& list = c.fromCurrent ? current : available;
        const Point row = OnListRow(list, c.clicked);
        ASSERT_GE(row.y, 0);
        MovePointer(row);
        Click(row.x, row.y);
        ASSERT_EQ(Chosen(list), c.clicked);
        MovePointer(OnListRow(current, c.crossedCurrent));
        MovePointer(OnListRow(available, c.crossedAvailable));
        const std::string name =
            c.fromCurrent ? youthAtRow(c.clicked)
                          : Market().GetAt(static_cast<int>(available.GetItemData2(c.clicked)))->m_Person.GetName();
        const size_t asked = port.Boxes().size();
        port.AnswerNext(IDNO);
        pressButton(c.offer ? page->GetOfferButton() : page->GetSackHireButton());
        ASSERT_EQ(port.Boxes().size(), asked + 1);
        const std::string& text = port.Boxes().back().text;
        // The offer names the position too; every question names the youth.
        if (!c.offer) {
            EXPECT_EQ(text, platform::FormatMessageId(c.question, {name}));
        }
        EXPECT_NE(text.find(name), std::string::npos) << text;
        EXPECT_EQ(Club().Youths().GetSize(), 5);
        EXPECT_EQ(Chosen(list), c.clicked) << "No leaves the youth chosen";
    }
}

TEST_F(YouthPage, ADropSacksTheYouthOfItsAddedPlaceWhateverTheSort) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    page->OnYouthFilter(CSoccerPlayer::kDefender);
    CListControl& current = *page->GetCurrentYouthList();
    current.Sort(0);
    // The second defender added is the club's youth 2.
    const std::string second = Club().Youths().GetAt(2)->GetName();
    DropInfo drop;
    drop.source = &current;
    drop.target = page->GetAvailableYouthList();
    drop.itemAndRow = 1;
    port.AnswerNext(IDYES);
    page->OnDrop(&drop);
    ASSERT_EQ(Club().Youths().GetSize(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_NE(Club().Youths().GetAt(i)->GetName(), second);
    EXPECT_EQ(page->GetYouthFilter(), CSoccerPlayer::kDefender) << "the filter chosen stays";
    EXPECT_TRUE(page->GetFilterButton(CSoccerPlayer::kDefender)->IsTicked());
    EXPECT_EQ(current.GetRowCount(), 2);
}

TEST_F(YouthPage, ADropOntoTheSquadHiresEvenWithTwelveAndOtherPairsDoNothing) {
    while (Club().Youths().GetSize() < 12)
        Club().Youths().AddRandomYouth(*Club().GetCountry(), *table->GetAt(1), CSoccerPlayer::kMidfielder);
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    DropInfo drop;
    drop.source = page->GetCurrentYouthList();
    drop.target = page->GetCurrentYouthList();
    page->OnDrop(&drop);
    EXPECT_TRUE(port.Boxes().empty());
    const std::string first = Market().GetAt(0)->m_Person.GetName();
    drop.source = page->GetAvailableYouthList();
    drop.itemAndRow = 0;
    port.AnswerNext(IDYES);
    page->OnDrop(&drop);
    ASSERT_EQ(Club().Youths().GetSize(), 13);
    EXPECT_EQ(Club().Youths().GetAt(12)->GetName(), first);
}

// The same drops made with the mouse: a name dragged from one list to the
// other asks, and Yes sacks or hires the youth of the row picked up, also
// after the list was sorted by its heading and after the page refilled it.
TEST_F(YouthPage, AYouthDraggedByTheMouseBetweenTheListsIsSackedOrHired) {
    CSquadScreen* page = Open(CSquadScreen::kYouthPage);
    CListControl& current = *page->GetCurrentYouthList();
    CListControl& available = *page->GetAvailableYouthList();
    const Point market = OnListRow(available, 1);
    ASSERT_GE(market.y, 0);
    auto dragYouth = [&](int row) {
        const Point from = OnListRow(current, row);
        ASSERT_GE(from.y, 0);
        Drag(from, market);
    };
    auto youthAtRow = [&](int row) {
        return Club().Youths().GetAt(static_cast<int>(current.GetItemData2(row)))->GetName();
    };

    // No: nothing changes, and the picked-up row is back in its list.
    std::string picked = youthAtRow(1);
    port.AnswerNext(IDNO);
    dragYouth(1);
    ASSERT_EQ(port.Boxes().size(), 1u) << "the drop asked";
    EXPECT_EQ(Club().Youths().GetSize(), 5);

    port.AnswerNext(IDYES);
    dragYouth(1);
    ASSERT_EQ(Club().Youths().GetSize(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_NE(Club().Youths().GetAt(i)->GetName(), picked);

    // Sorted by the heading, then refilled by the page after a sack.
    const Point heading{current.WindowRect().left + 20, current.WindowRect().top + 8};
    Click(heading.x, heading.y);
    Click(heading.x, heading.y);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        picked = youthAtRow(0);
        const int before = Club().Youths().GetSize();
        port.AnswerNext(IDYES);
        dragYouth(0);
        ASSERT_EQ(Club().Youths().GetSize(), before - 1);
        for (int i = 0; i < Club().Youths().GetSize(); ++i) EXPECT_NE(Club().Youths().GetAt(i)->GetName(), picked);
    }

    // From the market onto the squad.
    const std::string hired = Market().GetAt(static_cast<int>(available.GetItemData2(0)))->m_Person.GetName();
    const int before = Club().Youths().GetSize();
    port.AnswerNext(IDYES);
    Drag(OnListRow(available, 0), OnListRow(current, 0));
    ASSERT_EQ(Club().Youths().GetSize(), before + 1);
    EXPECT_EQ(Club().Youths().GetAt(before)->GetName(), hired);
}

TEST_F(YouthPage, OutOfWorkThePhysioAndYouthPagesShowNoDataAndChangeNothing) {
    CManager& boss = *User().GetManager();
    const int club = boss.GetClubIndex();
    boss.SetClubIndex(-1);
    const int youths = Club().Youths().GetSize(), market = Market().GetSize();
    for (int screen : {CSquadScreen::kPhysioPage, CSquadScreen::kYouthPage}) {
        SCOPED_TRACE(screen);
        CSquadScreen* page = Open(screen);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->ShowsNoClub());
        EXPECT_TRUE(page->ShowsNoData());
        Click(303 + 60, 410 + 14);  // where "Sack/Hire Player" stands
        Click(24 + 32, 181 + 15);   // and "Defenders"
    }
    boss.SetClubIndex(club);
    EXPECT_EQ(Club().Youths().GetSize(), youths);
    EXPECT_EQ(Market().GetSize(), market);
    EXPECT_TRUE(port.Boxes().empty());
}

}  // namespace
}  // namespace squadtest
