// The edit field, the spin field and the meter on a page.
#include <gtest/gtest.h>

#include <memory>

#include "page_fixture.h"
#include "platform/gfx/font.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/worlddata.h"
#include "ui/xedit.h"
#include "ui/xmeter.h"
#include "ui/xspinedit.h"

using namespace platform::win;

namespace {

// A window that records the notices of the fields it owns.
class NoticeWnd : public Window {
public:
    std::vector<std::pair<uint32_t, uintptr_t>> seen;  // message (WM_COMMAND: its wParam), w
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == WM_COMMAND) {
            seen.push_back({static_cast<uint32_t>(w), static_cast<uintptr_t>(l)});
            return 0;
        }
        return Window::WindowProc(msg, w, l);
    }
};

class EditTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        ASSERT_TRUE(notify.Create(page.get(), Rect{0, 0, 1, 1}, WS_CHILD));
    }
    void TearDown() override {
        edit.reset();
        notify.Destroy();
        uitest::PageTest::TearDown();
    }
    CXEdit& Make(uint32_t flags, int width = 200) {
        edit = std::make_unique<CXEdit>();
        EXPECT_TRUE(edit->Create(WS_VISIBLE, Rect::XYWH(100, 100, width, 24), page.get(), 9, 0, flags, "", 0xFFFFFF,
                                 &notify));
        edit->SetFont("Arial", 10, false, false, false);
        return *edit;
    }
    void Type(const std::string& s) {
        for (char c : s) edit->Send(WM_CHAR, static_cast<uint8_t>(c), 1);
    }
    void Key(uint32_t vk) { edit->Send(WM_KEYDOWN, vk, 1); }
    static int Width(const std::string& s) {
        platform::gfx::LogFont lf;
        lf.face = "Arial";
        lf.height = -platform::gfx::MulDiv(10, platform::gfx::kLogPixelsY, 72);
        return platform::gfx::Font::Create(lf)->Measure(s);
    }

    NoticeWnd notify;
    std::unique_ptr<CXEdit> edit;
};

TEST_F(EditTest, ALoneNoughtIsReplacedAndNoNumberStartsWithOne) {
    CXEdit& e = Make(kEditDigits);
    e.SetText("0");
    Ui::Get().SetFocus(&e);
    ASSERT_TRUE(e.IsEditing());
    EXPECT_EQ(e.GetCaretIndex(), 1);
    Type("0");
    EXPECT_EQ(e.GetText(), "0");
    Type("5");
    EXPECT_EQ(e.GetText(), "5");
    EXPECT_EQ(e.GetCaretIndex(), 1);
    Key(VK_HOME);
    Type("0");
    EXPECT_EQ(e.GetText(), "5");  // "05" refused
    Type("x ");                   // not digits
    EXPECT_EQ(e.GetText(), "5");
    Key(VK_END);
    Type("07");
    EXPECT_EQ(e.GetText(), "507");
    Key(VK_LEFT);
    Key(VK_BACK);
    EXPECT_EQ(e.GetText(), "57");
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(e.GetText(), "7");
}

TEST_F(EditTest, LettersOfWindows1252AndBlanks) {
    CXEdit& e = Make(kEditLetters);
    Ui::Get().SetFocus(&e);
    Type("Jos\xE9 M\xFCller 9\xD7\xF7");
    EXPECT_EQ(e.GetText(), "Jos\xE9 M\xFCller ");
    for (uint8_t ch : {uint8_t(0x8A), uint8_t(0x9F), uint8_t(0xC0), uint8_t(0xFF)}) EXPECT_TRUE(CXEdit::IsLetter(ch));
    for (uint8_t ch : {uint8_t('1'), uint8_t(0xD7), uint8_t(0xF7), uint8_t(0xA3), uint8_t(0xBF)})
        EXPECT_FALSE(CXEdit::IsLetter(ch));
}

TEST_F(EditTest, AFullWidthFieldTakesNoMore) {
    CXEdit& e = Make(kEditDigits, 50);
    Ui::Get().SetFocus(&e);
    Type(std::string(30, '8'));
    const std::string t = e.GetText();
    ASSERT_GT(t.size(), 2u);
    EXPECT_LT(t.size(), 30u);
    EXPECT_LT(Width(t) + 5, 50);
    EXPECT_GE(Width(t + "8") + 5, 50);
    // SetText cuts a text that does not fit to the longest beginning that does.
    e.SetText(std::string(30, '8'));
    EXPECT_EQ(e.GetText(), t);
}

TEST_F(EditTest, EnterTwiceNotifiesOnceAndLeavingNotifiesAChange) {
    CXEdit& e = Make(kEditDigits);
    e.SetText("12");
    Ui::Get().SetFocus(&e);
    Type("3");
    Key(VK_RETURN);
    Key(VK_RETURN);
    ASSERT_EQ(notify.seen.size(), 1u);
    EXPECT_EQ(notify.seen[0].first, kEditConfirmed);
    EXPECT_EQ(notify.seen[0].second, 0u);
    Type("4");
    Ui::Get().SetFocus(page.get());
    EXPECT_EQ(notify.seen.size(), 2u);
    EXPECT_FALSE(e.IsEditing());
    Ui::Get().SetFocus(&e);
    Ui::Get().SetFocus(page.get());  // nothing changed
    EXPECT_EQ(notify.seen.size(), 2u);
}

TEST_F(EditTest, AClickedFieldTakesTheFocusAndTheKeys) {
    CXEdit& e = Make(kEditLetters);
    Ui::Get().SetFocus(page.get());
    e.Send(WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(Ui::Get().GetFocus(), &e);
    EXPECT_TRUE(e.IsEditing());
    Type("Kit");
    EXPECT_EQ(e.GetText(), "Kit");
    // A read-only field leaves the focus where it was.
    CXEdit other;
    ASSERT_TRUE(other.Create(WS_VISIBLE, Rect::XYWH(100, 140, 200, 24), page.get(), 10, 0, kEditReadOnly, "", 0xFFFFFF,
                             &notify));
    other.Send(WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(Ui::Get().GetFocus(), &e);
}

TEST_F(EditTest, AReadOnlyFieldTakesNeitherFocusHandlingNorTyping) {
    CXEdit& e = Make(kEditDigits | kEditReadOnly);
    e.SetText("42");
    Ui::Get().SetFocus(&e);
    EXPECT_FALSE(e.IsEditing());
    e.Send(WM_LBUTTONDOWN, 0, 0);
    Type("7");
    Key(VK_BACK);
    EXPECT_EQ(e.GetText(), "42");
}

TEST_F(EditTest, TheCaretSitsAfterTheTextBeforeItInBothAlignments) {
    CXEdit& left = Make(kEditDigits);
    left.SetText("1234");
    Ui::Get().SetFocus(&left);
    Key(VK_LEFT);
    EXPECT_EQ(left.GetCaretPoint().x, 5 + Width("123"));
    EXPECT_EQ(Ui::Get().CaretPos().x, 5 + Width("123"));
    CXEdit& right = Make(kEditDigits | kEditRight);
    right.SetText("1234");
    Ui::Get().SetFocus(&right);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(right.GetCaretPoint().x, 200 - 5 - Width("34"));
}

// ---- the spin field ----

class SpinTest : public uitest::PageTest {
protected:
    struct SpinPage : CScreen {
        std::vector<uint32_t> seen;
        intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override {
            if (msg == kMsgSpinStepped || msg == kMsgSpinTyped) seen.push_back(msg);
            return CScreen::OnMessage(msg, w, l);
        }
        int Count(uint32_t m) const { return static_cast<int>(std::count(seen.begin(), seen.end(), m)); }
    };
    void SetUp() override {
        uitest::PageTest::SetUp();
        page.reset();
        spy = new SpinPage;
        page.reset(spy);
        spy->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(spy->Create(&main));
        spy->Show();
        spy->Enable();
        Drain();
    }
    void TearDown() override {
        spin.reset();
        SetWorldData(nullptr);
        uitest::PageTest::TearDown();
    }
    CXSpinedit& Make(int minimum, int maximum, int initial, double step, const CCountry* country = nullptr) {
        spin = std::make_unique<CXSpinedit>();
        EXPECT_TRUE(spin->Create("spin", WS_VISIBLE, Rect::XYWH(100, 300, 160, 26), spy, 40, "gfx\\scroll\\leftarrow.bmp",
                                 "gfx\\scroll\\rightarrow.bmp", minimum, maximum, country, 4, initial, step, "Arial", 10,
                                 country ? "" : "Age"));
        return *spin;
    }
    Point Down() { return {3, 5}; }
    Point Up() { return {160 - 4, 5}; }
    void Press(Point p) { spin->Send(WM_LBUTTONDOWN, 0, MakePointParam(p)); }
    void Release(Point p) { spin->Send(WM_LBUTTONUP, 0, MakePointParam(p)); }

    SpinPage* spy = nullptr;
    std::unique_ptr<CXSpinedit> spin;
};

TEST_F(SpinTest, HoldingTheIncreaseArrowSpeedsUpAndStopsAtTheMaximum) {
    CXSpinedit& s = Make(0, 300, 0, 1);
    Press(Up());
    RunFor(310);
    EXPECT_EQ(s.GetShownValue(), 1);  // one step in the first 300 ms
    for (int tick = 1; tick < 6; ++tick) s.Send(WM_TIMER, CXSpinedit::kRepeatTimer);
    EXPECT_EQ(s.GetShownValue(), 6);  // six ticks by 1
    s.Send(WM_TIMER, CXSpinedit::kRepeatTimer);
    EXPECT_EQ(s.GetShownValue(), 12);  // then by 6
    EXPECT_EQ(s.GetMultiplier(), 6);
    for (int tick = 7; tick < 36; ++tick) s.Send(WM_TIMER, CXSpinedit::kRepeatTimer);
    EXPECT_EQ(s.GetShownValue(), 6 + 30 * 6);
    s.Send(WM_TIMER, CXSpinedit::kRepeatTimer);  // the 36th tick on: by 36
    EXPECT_EQ(s.GetShownValue(), 186 + 36);
    for (int tick = 0; tick < 10; ++tick) s.Send(WM_TIMER, CXSpinedit::kRepeatTimer);
    EXPECT_EQ(s.GetShownValue(), 300);
    EXPECT_EQ(s.GetEdit().GetText(), "300");
    EXPECT_EQ(spy->Count(kMsgSpinStepped), 0);  // the repeat tells nothing
    // Capture lost: the repeat stops.
    Ui::Get().ReleaseCapture();
    EXPECT_FALSE(s.IsButtonDown());
    s.SetValue(10, true);
    RunFor(1000);
    EXPECT_EQ(s.GetShownValue(), 10);
}

TEST_F(SpinTest, AClickMakesOneStepAndOneNotice) {
    CXSpinedit& s = Make(0, 50, 20, 5);
    Press(Up());
    Release(Up());
    EXPECT_EQ(s.GetShownValue(), 25);
    EXPECT_EQ(spy->Count(kMsgSpinStepped), 1);
    EXPECT_TRUE(Played(0));
    Press(Down());
    Release(Down());
    Press(Down());
    Release({80, 5});  // released off the arrow: no step
    EXPECT_EQ(s.GetShownValue(), 20);
    EXPECT_EQ(spy->Count(kMsgSpinStepped), 2);
}

TEST_F(SpinTest, TypedValuesAreBoundAndAnEmptyTextStartsFromTheMinimum) {
    CXSpinedit& s = Make(10, 50, 20, 1);
    CXEdit& e = s.GetEdit();
    EXPECT_EQ(e.m_nMaxLength, 2);
    Ui::Get().SetFocus(&e);
    e.Send(WM_KEYDOWN, VK_BACK, 1);
    e.Send(WM_KEYDOWN, VK_BACK, 1);
    e.Send(WM_CHAR, '9', 1);
    e.Send(WM_CHAR, '9', 1);
    e.Send(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(s.GetShownValue(), 50);
    EXPECT_EQ(e.GetText(), "50");
    EXPECT_EQ(spy->Count(kMsgSpinTyped), 1);

    e.Send(WM_KEYDOWN, VK_BACK, 1);
    e.Send(WM_KEYDOWN, VK_BACK, 1);
    ASSERT_EQ(e.GetText(), "");
    Press(Up());
    Release(Up());
    EXPECT_EQ(s.GetShownValue(), 11);
}

TEST_F(SpinTest, ArrowIdsTellTheArrowsApartAndADisabledFieldAnswersMinusOne) {
    CXSpinedit& s = Make(0, 99, 5, 1);
    EXPECT_EQ(s.GetMin(), 0);
    EXPECT_EQ(s.GetMax(), 99);
    EXPECT_NE(s.GetDownArrowId(), s.GetUpArrowId());
    EXPECT_NE(s.GetDownArrowId(), static_cast<int>(s.Id()));
    for (auto [pt, id] : {std::pair{Down(), s.GetDownArrowId()}, std::pair{Up(), s.GetUpArrowId()}}) {
        const int spot = s.HotSpotFromPoint(&pt);
        ASSERT_GE(spot, 0);
        EXPECT_EQ(static_cast<int>(s.GetHotSpot(spot)->Id()), id);
    }
    s.Enable(false);
    EXPECT_EQ(s.GetMin(), -1);
    EXPECT_EQ(s.GetMax(), -1);
    EXPECT_EQ(s.GetDownArrowId(), -1);
    EXPECT_EQ(s.GetUpArrowId(), -1);
    Press(Up());
    Release(Up());
    EXPECT_EQ(s.GetShownValue(), 5);
}

TEST_F(SpinTest, MoneyStepsOnTheTidyLadderInThousandsWhereTheCurrencyAbbreviates) {
    CWorldData world{CWorldData::Empty{}};
    SetWorldData(&world);
    world.GetCurrencyList().Add(std::make_unique<CCurrency>(0, "\xA3", 0, 0, 1.0, 0));
    world.GetCurrencyList().Add(std::make_unique<CCurrency>(1, "F", 1, 0, 1.0, 1));
    CountryRecord r;
    r.currency = 0;
    CCountry plain(r);
    r.currency = 1;
    CCountry abbreviating(r);

    CXSpinedit& s = Make(0, 1000, 100, 1, &plain);
    Press(Up());
    Release(Up());
    EXPECT_EQ(s.GetShownValue(), 110);
    s.SetValue(100, true);
    Press(Down());
    Release(Down());
    EXPECT_EQ(s.GetShownValue(), 95);
    EXPECT_EQ(s.GetValue(), 95);

    CXSpinedit& k = Make(0, 5'000'000, 250'000, 1, &abbreviating);
    EXPECT_EQ(k.GetShownValue(), 250);
    EXPECT_EQ(k.GetEdit().GetText(), "250");
    EXPECT_EQ(k.GetValue(), 250'000);
    EXPECT_EQ(k.GetText(), "250000");
    EXPECT_EQ(k.GetMax(), 5000);
    SetWorldData(nullptr);
}

TEST_F(SpinTest, TheNumberIsDrawnOnThePageInsideTheField) {
    CXSpinedit& s = Make(0, 99, 7, 1);
    s.Redraw();
    const Rect field = s.WindowRect();
    const Rect inner = s.GetEdit().WindowRect().Offset(field.left, field.top);
    auto white = [&](const Rect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const uint32_t p = spy->GetWorkBuffer().Get(x, y);
                n += ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 200 && (p & 0xFF) > 200;
            }
        return n;
    };
    auto differs = [&](const Rect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += (spy->GetWorkBuffer().Get(x, y) & 0xFFFFFF) != (spy->GetBackBuffer().Get(x, y) & 0xFFFFFF);
        return n;
    };
    // Right-aligned light digits in the edit's place on the page, nothing
    // at the page's own corner where the edit's rectangle would land unmoved.
    const int seven = differs(inner);
    EXPECT_GT(seven, 10);
    const Rect corner = s.GetEdit().WindowRect();
    EXPECT_EQ(differs(corner), 0);
    Press(Up());
    Release(Up());
    EXPECT_EQ(s.GetEdit().GetText(), "8");
    EXPECT_GT(differs(inner), 10);
    s.SetValue(88, true);
    EXPECT_GT(white(inner), 0);
    EXPECT_GT(differs(inner), seven) << "two digits cover more than one";
    // A repaint of the page's window shows the same digits there.
    page->Invalidate(true);
    main.UpdateNow();
    int shown = 0;
    for (int y = inner.top; y < inner.bottom; ++y)
        for (int x = inner.left; x < inner.right; ++x)
            shown += (At(page->WindowRect().left + x, page->WindowRect().top + y) & 0xFFFFFF) ==
                     (spy->GetWorkBuffer().Get(x, y) & 0xFFFFFF);
    EXPECT_EQ(shown, inner.Width() * inner.Height());
    EXPECT_GT(differs(inner), seven) << "the digits are still there after the repaint";
    // A repaint of the field alone keeps them too.
    s.Invalidate(true);
    main.UpdateNow();
    EXPECT_GT(differs(inner), seven);
    int onWindow = 0;
    for (int y = inner.top; y < inner.bottom; ++y)
        for (int x = inner.left; x < inner.right; ++x)
            onWindow += (At(page->WindowRect().left + x, page->WindowRect().top + y) & 0xFFFFFF) !=
                        (spy->GetBackBuffer().Get(x, y) & 0xFFFFFF);
    EXPECT_GT(onWindow, seven);
}

// ---- the meter ----

class MeterTest : public uitest::PageTest {
protected:
    void TearDown() override {
        meter.Destroy();
        uitest::PageTest::TearDown();
    }
    void Place() {
        ASSERT_TRUE(meter.Create(page.get(), Rect::XYWH(300, 300, 80, 50), WS_CHILD | WS_VISIBLE));
        page->InvalidateRect(Rect::XYWH(300, 300, 80, 50), true);
        main.UpdateNow();
    }
    CXMeter meter;
};

TEST_F(MeterTest, ClimbsOneUnitPerTickToItsTarget) {
    meter.m_nTarget = 5;
    Place();
    ASSERT_TRUE(meter.IsStarted());
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), 0.55);
    for (int tick = 1; tick <= 5; ++tick) {
        meter.Send(WM_TIMER, CXMeter::kTimer);
        EXPECT_EQ(meter.m_nShown, tick);
    }
    EXPECT_TRUE(meter.TimerRunning());
    meter.Send(WM_TIMER, CXMeter::kTimer);
    EXPECT_FALSE(meter.TimerRunning());
    EXPECT_NEAR(meter.NeedleAngle(), 5 * 2.15 / 100 + 0.55, 1e-9);
}

TEST_F(MeterTest, ATargetOfNoughtStopsAtTheFirstTick) {
    Place();
    RunFor(40);
    EXPECT_FALSE(meter.TimerRunning());
    EXPECT_EQ(meter.m_nShown, 0);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), 0.55);
}

TEST_F(MeterTest, EqualBoundsAndASmallerTargetAreSafe) {
    meter.m_nMinimum = meter.m_nMaximum = 10;
    meter.m_nTarget = 3;
    meter.m_dwFlags = kMeterMarker;
    Place();
    for (int i = 0; i < 3; ++i) meter.Send(WM_TIMER, CXMeter::kTimer);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), 0.55);
    EXPECT_EQ(meter.MarkerX(), 305);
    meter.m_nTarget = 1;  // below the needle: shown at once, and the climb ends
    meter.Send(WM_TIMER, CXMeter::kTimer);
    EXPECT_EQ(meter.m_nShown, 1);
    EXPECT_FALSE(meter.TimerRunning());
}

TEST_F(MeterTest, TheNeedleTurnsToTheHighColourPastTheThreshold) {
    meter.m_dwFlags = kMeterThreshold;
    meter.m_crLow = platform::gfx::RGB(20, 250, 30);
    meter.m_crHigh = platform::gfx::RGB(250, 20, 240);
    meter.m_nThreshold = 2;
    meter.m_nTarget = 4;
    meter.m_nPenWidth = 3;
    Place();
    auto count = [&](uint32_t colour) {
        int n = 0;
        const auto want = platform::gfx::ToPixel(colour) & 0xFFFFFF;
        for (int y = 300; y < 350; ++y)
            for (int x = 300; x < 380; ++x) n += (page->GetWorkBuffer().Get(x, y) & 0xFFFFFF) == want;
        return n;
    };
    meter.Send(WM_TIMER, CXMeter::kTimer);
    meter.Send(WM_TIMER, CXMeter::kTimer);
    EXPECT_GT(count(meter.m_crLow), 10);
    EXPECT_EQ(count(meter.m_crHigh), 0);
    meter.Send(WM_TIMER, CXMeter::kTimer);  // 3: past the threshold
    EXPECT_GT(count(meter.m_crHigh), 10);
    EXPECT_EQ(count(meter.m_crLow), 0);
}

}  // namespace
