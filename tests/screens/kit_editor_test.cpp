// The kit editor (72): both kits stepped pattern by pattern and colour by
// colour, written into the club at once.
#include "screens/club_fixture.h"
#include "screens/kitscreen.h"
#include "shell/brixholmapp.h"
#include "soccerclasses/clubrecords.h"

namespace clubpagetest {
namespace {

CKits KitOf(std::array<uint8_t, 8> bytes) {
    CKits k;
    k.bytes = bytes;
    return k;
}

TEST(KitEditorButtons, EachButtonStepsItsByteWithWrappingAndTheMainColoursNeverMeet) {
    const int sleeves = CKitScreen::PatternCount(CKits::kSleeves);
    const int shirts = CKitScreen::PatternCount(CKits::kShirt);
    struct Case {
        const char* what;
        std::array<uint8_t, 8> home, away;
        int button;
        int byte;          // of the kit the button belongs to
        int expected;
    };
    const uint8_t lastSleeves = static_cast<uint8_t>(sleeves - 1);
    const Case cases[] = {
        {"previous sleeves from 0 wraps to the last", {0, 0, 0, 1, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 0, 0, sleeves - 1},
        {"next sleeves from the last wraps to 0", {lastSleeves, 0, 0, 1, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 1, 0, 0},
        {"next shirt", {0, 4, 0, 1, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 3, 1, 5 % shirts},
        {"a stored pattern past its count steps as 0", {0, 0, 250, 1, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 5, 2,
         1 % CKitScreen::PatternCount(CKits::kShorts)},
        {"home main colour skips the away main colour", {0, 0, 0, 6, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 7, 3, 8},
        {"away main colour skips the home one going down", {0, 0, 0, 6, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 22, 3, 5},
        {"main colour wraps below 0 and skips", {0, 0, 0, 0, 2, 3, 4, 5}, {0, 0, 0, 15, 2, 3, 4, 5}, 6, 3, 14},
        {"trim colour wraps above 15", {0, 0, 0, 1, 2, 15, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 5}, 11, 5, 0},
        {"secondary shorts of the away kit, unrestricted", {0, 0, 0, 1, 2, 3, 4, 5}, {0, 0, 0, 7, 2, 3, 4, 1}, 31, 7, 2},
    };
    for (const Case& c : cases) {
        CKits home = KitOf(c.home), away = KitOf(c.away);
        ASSERT_TRUE(CKitScreen::ApplyButton(home, away, c.button)) << c.what;
        const CKits& changed = c.button < 16 ? home : away;
        EXPECT_EQ(changed.bytes[size_t(c.byte)], c.expected) << c.what;
        EXPECT_NE(home.bytes[3], away.bytes[3]) << c.what;
    }
    CKits home, away;
    EXPECT_FALSE(CKitScreen::ApplyButton(home, away, 32));
    EXPECT_FALSE(CKitScreen::ApplyButton(home, away, -1));
}

TEST(KitEditorButtons, ACountOfNothingIsTakenAsOnePattern) {
    const int saved = NumberOfShorts;
    NumberOfShorts = 0;
    CKits home = KitOf({0, 0, 3, 1, 2, 3, 4, 5}), away = KitOf({0, 0, 0, 7, 2, 3, 4, 5});
    EXPECT_TRUE(CKitScreen::ApplyButton(home, away, 4));
    EXPECT_EQ(home.bytes[2], 0);
    NumberOfShorts = saved;
}

class KitEditor : public ClubPages {
protected:
    CKitScreen* Open() { return OpenAs<CKitScreen>(72); }
    // A point of the page in the program window's client.
    Point OnWindow(const SurfaceButton& b) {
        const auto r = b.HitRect();
        const Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p));
    }
    void Run(uint64_t ms) { testsupport::RunVirtualTime(*backend, main, ms); }
};

TEST_F(KitEditor, ThePagePlacesItsThirtyTwoArrowsAndDrawsTheClubsKits) {
    CKitScreen* page = Open();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetClub(), &Club());
    EXPECT_EQ(page->GetSurfaceButton(0).x, 24);
    EXPECT_EQ(page->GetSurfaceButton(0).y, 194);
    EXPECT_EQ(page->GetSurfaceButton(7).x, 275);
    EXPECT_EQ(page->GetSurfaceButton(7).y, 328);
    EXPECT_EQ(page->GetSurfaceButton(9).y, 351);
    EXPECT_EQ(page->GetSurfaceButton(16).x, 342);
    EXPECT_EQ(page->GetSurfaceButton(31).x, 553);
    EXPECT_EQ(page->GetSurfaceButton(31).y, 420);
    EXPECT_EQ(page->GetSurfaceButton(6).tip, "Previous main shirt colour");
    EXPECT_NE(page->GetCornerKit(), nullptr);
    Save("kit-editor");
}

TEST_F(KitEditor, AClickWritesTheClubAtOnceAndHoldingRepeatsUntilRelease) {
    CKitScreen* page = Open();
    ASSERT_NE(page, nullptr);
    Club().AwayKit().bytes[3] = 15;
    Club().HomeKit().bytes[5] = 2;
    const int builds = page->GetCornerBuilds();
    // Home trim colour, next: pressed, then held for three repeat ticks.
    const Point p = OnWindow(page->GetSurfaceButton(11));
    backend->Press(p);
    Run(60);
    EXPECT_EQ(Club().GetHomeKit().bytes[5], 3) << "written into the club at once";
    EXPECT_EQ(page->GetPressedButton(), 11);
    EXPECT_GT(page->GetCornerBuilds(), builds) << "the corner kit follows the home kit";
    Run(400);  // held: a step every 125 ms, three more by now
    EXPECT_EQ(Club().GetHomeKit().bytes[5], 6);
    backend->Release(p);
    Run(60);
    EXPECT_EQ(page->GetPressedButton(), -1);
    Run(500);
    EXPECT_EQ(Club().GetHomeKit().bytes[5], 6) << "released, the button stops";
    // An away change leaves the corner's home kit alone.
    const int before = page->GetCornerBuilds();
    const uint8_t sleeves = Club().GetAwayKit().bytes[0];
    backend->Click(OnWindow(page->GetSurfaceButton(17)), MouseButton::Left, 20);
    Run(100);
    EXPECT_EQ(Club().GetAwayKit().bytes[0], (sleeves + 1) % CKitScreen::PatternCount(CKits::kSleeves));
    EXPECT_EQ(page->GetCornerBuilds(), before);
}

// Without a timer the editor cannot run: holding an arrow once the page runs,
// or opening the page, says so and ends the program.
TEST_F(KitEditor, WithoutATimerThePageSaysSoAndTheProgramEnds) {
    const std::string text = platform::LoadString(44000);
    ASSERT_EQ(text, "No more timers available");
    const auto told = [&] {
        const auto& boxes = backend->Boxes();
        return std::count_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.text == text; });
    };
    CKitScreen* page = Open();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(told(), 0);
    ASSERT_FALSE(Ui::Get().QuitRequested());
    Club().HomeKit().bytes[5] = 2;
    Ui::Get().SetTimersFail(true);
    const Point p = OnWindow(page->GetSurfaceButton(11));
    backend->Press(p);
    Run(60);
    EXPECT_EQ(Club().GetHomeKit().bytes[5], 3) << "the press itself is taken";
    EXPECT_EQ(told(), 1) << "no repeat timer";
    EXPECT_TRUE(Ui::Get().QuitRequested());
    backend->Release(p);
    Run(60);
    EXPECT_NE(Open(), nullptr);
    EXPECT_EQ(told(), 2) << "no tool-tip timer";
    Ui::Get().SetTimersFail(false);
}

}  // namespace
}  // namespace clubpagetest
