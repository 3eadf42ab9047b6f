// What a page shows over its background: overlays and lines in the work
// buffer, the six small pictures after each paint, context pictures, the
// video child, the pages that paint themselves, and what Close releases.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "shell/screenmanager.h"
#include "platform/window/video.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "ui/xmessages.h"
#include "ui/xstatic.h"
#include "ui/xwnd.h"

using namespace platform::win;
using platform::gfx::RGB;
using platform::gfx::Surface;

namespace {

constexpr const char* kTrophy = "gfx\\trophies\\cup\\trophy03.bmp";
constexpr uint32_t kKey = ui::kKeyPixel;

// A page that keeps timers of its own, as animated pages do.
class TimedPage : public CScreen {
public:
    void StartTimers() {
        m_nAnimationTimer = SetTimer(1, 55);
        m_nThirdTimer = SetTimer(2, 125);
    }
    uint32_t Animation() const { return m_nAnimationTimer; }
};

class ScreenPicturesTest : public uitest::PageTest {
protected:
    // The overlay picture's pixel, or the key when (x, y) lies outside it.
    static uint32_t Pixel(const CXBitmap& b, int x, int y) {
        if (x < 0 || y < 0 || x >= b.GetWidth() || y >= b.GetHeight()) return kKey;
        return b.GetSurface().Get(x, y);
    }
    // A surface of one colour with the key colour in its left half.
    static std::unique_ptr<Surface> HalfKeyed(int w, int h, uint32_t colour) {
        auto s = std::make_unique<Surface>(w, h, colour);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w / 2; ++x) s->Set(x, y, kKey);
        return s;
    }
    void Paint() {
        page->Invalidate(false);
        page->UpdateNow();
    }
};

TEST_F(ScreenPicturesTest, OverlaysAreKeyedInOrderAndLinesGoOnTopHiddenOnesLeftOut) {
    CXBitmap trophy;
    ASSERT_TRUE(trophy.Load(kTrophy));
    const int w = trophy.GetWidth(), h = trophy.GetHeight();
    EXPECT_EQ(page->AddOverlayBitmap(kTrophy, 100, 100), 0);
    EXPECT_EQ(page->AddOverlayBitmap(kTrophy, 100 + w / 2, 100), 1);  // overlaps the right half of the first
    EXPECT_EQ(page->AddOverlayBitmap(kTrophy, 300, 300), 2);
    page->ShowOverlayBitmap(2, false);
    EXPECT_EQ(page->AddLine(90, 100 + h / 2, 100 + 2 * w, 100 + h / 2, RGB(0, 255, 0), 1), 0);
    EXPECT_EQ(page->AddLine(10, 10, 60, 10, RGB(255, 0, 0), 1), 1);
    page->ShowLine(1, false);
    page->RebuildWorkBuffer();

    const Surface& work = page->GetWorkBuffer();
    int opaque = 0;
    for (int y = 0; y < h; ++y) {
        if (y == h / 2) continue;  // the line's row
        for (int x = 0; x < w + w / 2; ++x) {
            // The later overlay wins where it is opaque; the key shows what is under it.
            uint32_t want = Pixel(trophy, x - w / 2, y);
            if (want == kKey) want = Pixel(trophy, x, y);
            if (want == kKey) want = Back(100 + x, 100 + y);
            else ++opaque;
            ASSERT_EQ(work.Get(100 + x, 100 + y), want) << x << "," << y;
        }
    }
    EXPECT_GT(opaque, 100);
    for (int x = 90; x < 100 + 2 * w; ++x) EXPECT_EQ(work.Get(x, 100 + h / 2), 0x00FF00u) << x;
    // The hidden overlay and the hidden line left the background alone.
    for (int y = 300; y < 300 + h; ++y)
        for (int x = 300; x < 300 + w; ++x) ASSERT_EQ(work.Get(x, y), Back(x, y));
    for (int x = 10; x < 60; ++x) EXPECT_EQ(work.Get(x, 10), Back(x, 10));
}

TEST_F(ScreenPicturesTest, ANewBackgroundIsComposedWithTheOverlaysAtTheNextPaint) {
    CXBitmap trophy;
    ASSERT_TRUE(trophy.Load(kTrophy));
    page->AddOverlayBitmap(kTrophy, 40, 40);
    page->AddLine(0, 5, 50, 5, RGB(0, 0, 255), 3);
    page->SetBackground("gfx\\backgrounds\\no_such_picture.bmp");  // shows black
    Paint();
    const Surface& work = page->GetWorkBuffer();
    for (int y = 0; y < trophy.GetHeight(); ++y)
        for (int x = 0; x < trophy.GetWidth(); ++x) {
            const uint32_t p = trophy.GetSurface().Get(x, y);
            ASSERT_EQ(work.Get(40 + x, 40 + y), p == kKey ? 0u : p);
        }
    for (int y = 4; y <= 6; ++y) EXPECT_EQ(work.Get(20, y), 0x0000FFu) << "a 3-pixel pen at row " << y;
    EXPECT_EQ(work.Get(20, 8), 0u);
    EXPECT_EQ(At(20, 5), 0x0000FFu) << "and the window shows it";
}

TEST_F(ScreenPicturesTest, RemovingOverlaysTakesEveryLineWithThem) {
    for (int i = 0; i < 3; ++i) page->AddOverlayBitmap(kTrophy, 10 * i, 0);
    page->AddLine(0, 0, 5, 5, 0, 1);
    page->AddLine(0, 0, 5, 6, 0, 1);
    page->RemoveOverlayBitmapsFrom(1);
    EXPECT_EQ(page->GetOverlayCount(), 1);
    EXPECT_EQ(page->GetLineCount(), 0);
    page->AddLine(0, 0, 5, 5, 0, 1);
    page->RemoveOverlayBitmapsFrom(0);
    EXPECT_EQ(page->GetOverlayCount(), 0);
    EXPECT_EQ(page->GetLineCount(), 0);
    // Indexes past the end change nothing and take no overlay.
    page->ShowOverlayBitmap(5, false);
    page->SetOverlayBitmap(kTrophy, 0, 0, 0);
    EXPECT_EQ(page->GetOverlay(0), nullptr);
    // A missing picture still takes its place, so the page's indexes hold.
    EXPECT_EQ(page->AddOverlayBitmap("gfx\\trophies\\cup\\no_such.bmp", 0, 0), 0);
    EXPECT_EQ(page->AddOverlayBitmap(kTrophy, 0, 0), 1);
    EXPECT_FALSE(page->GetOverlay(0)->bitmap.IsLoaded());
}

// Overlays and lines changed after the page was composed show as they now
// are at the next paint; a whole repaint also takes the text a label that
// does not restore its background left behind.
TEST_F(ScreenPicturesTest, ChangedOverlaysShowAtTheNextPaintAndRemovedOnesLeaveNothing) {
    CXBitmap trophy;
    ASSERT_TRUE(trophy.Load(kTrophy));
    const Rect box{60, 60, 60 + trophy.GetWidth(), 60 + trophy.GetHeight()};
    auto differing = [&](const Rect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += At(x, y) != Back(x, y);
        return n;
    };
    Paint();
    ASSERT_EQ(differing(box), 0);
    page->AddOverlayBitmap(kTrophy, box.left, box.top);
    page->AddLine(0, 300, 200, 300, RGB(0, 255, 0), 1);
    Paint();
    EXPECT_GT(differing(box), 100) << "an overlay added after the page was composed";
    EXPECT_EQ(At(100, 300), 0x00FF00u);
    page->ShowOverlayBitmap(0, false);
    page->ShowLine(0, false);
    Paint();
    EXPECT_EQ(differing(box), 0) << "a hidden overlay";
    EXPECT_EQ(At(100, 300), Back(100, 300));
    page->ShowAllOverlayBitmaps(true);
    Paint();
    EXPECT_GT(differing(box), 100);
    page->RemoveOverlayBitmapsFrom(0);
    Paint();
    EXPECT_EQ(differing(box), 0) << "a removed overlay";

    const Rect text{100, 100, 400, 130};
    auto label = std::make_unique<CXStatic>();
    ASSERT_TRUE(label->Create("WWWWWWWW", WS_VISIBLE, text, page.get(), 10));
    label->SetLabelStyle(kLabelSingleLine | kLabelNoRestore);
    label->SetFont("Arial", 16, true);
    label->SetColours(RGB(255, 255, 0), RGB(0, 0, 0));
    label->Refresh();
    Drain();
    EXPECT_GT(differing(text), 100);
    label->Destroy();
    page->Repaint(0);
    EXPECT_EQ(differing(text), 0) << "the text of a label gone";
}

TEST_F(ScreenPicturesTest, PictureSlotsAreDrawnKeyedInsideTheirRectanglesAfterEveryPaint) {
    struct Case {
        int slot;
        Rect where;
    };
    const Case cases[] = {{kSlotKit, {524, 31, 572, 79}},     {kSlotBadge, {464, 137, 564, 237}},
                          {kSlotFace, {520, 20, 588, 88}},    {kSlotEurope, {530, 35, 580, 85}},
                          {kSlotFlag, {518, 34, 578, 74}},    {kSlotTrophy, {517, 24, 579, 86}}};
    for (const Case& c : cases) {
        SCOPED_TRACE("slot " + std::to_string(c.slot));
        EXPECT_EQ(PictureSlotRect(c.slot), c.where);
        // Twice the slot's size: the picture is fitted, never spilled.
        page->SetPictureSurface(c.slot, HalfKeyed(c.where.Width() * 2, c.where.Height() * 2, 0x123456));
        ASSERT_TRUE(page->IsPicturePresent(c.slot));
        Paint();
        const int midY = (c.where.top + c.where.bottom) / 2;
        EXPECT_EQ(At(c.where.right - 2, midY), 0x123456u);
        EXPECT_EQ(At(c.where.left + 1, midY), Back(c.where.left + 1, midY)) << "the key shows the page";
        EXPECT_EQ(At(c.where.right + 1, midY), Back(c.where.right + 1, midY)) << "nothing past the slot";
        EXPECT_EQ(page->GetWorkBuffer().Get(c.where.right - 2, midY), Back(c.where.right - 2, midY))
            << "the pictures stay out of the work buffer";
        page->ReleasePictureSurface(c.slot);
        EXPECT_FALSE(page->IsPicturePresent(c.slot));
        Paint();
        EXPECT_EQ(At(c.where.right - 2, midY), Back(c.where.right - 2, midY));
    }
}

TEST_F(ScreenPicturesTest, ContextPicturesFillTheirSlots) {
    CDivision division;
    CCup cup;
    cup.m_PictureNumber = 7;
    page->ShowContextPicture(kContextDivision, reinterpret_cast<uintptr_t>(&division), false, 0);
    EXPECT_TRUE(page->IsPicturePresent(kSlotTrophy));
    const Surface divisionTrophy = *page->GetPictureSurface(kSlotTrophy);
    page->ShowContextPicture(kContextCountry, reinterpret_cast<uintptr_t>(&cup), true, 1);
    ASSERT_TRUE(page->IsPicturePresent(kSlotTrophy));
    CXBitmap cupTrophy;
    ASSERT_TRUE(cupTrophy.Load("gfx\\trophies\\cup\\trophy07.bmp"));
    EXPECT_EQ(page->GetPictureSurface(kSlotTrophy)->Get(31, 31), cupTrophy.GetSurface().Get(31, 31));
    EXPECT_NE(page->GetPictureSurface(kSlotTrophy)->Get(31, 31), divisionTrophy.Get(31, 31));
    // Releasing first clears the pictures, overlays and lines of the last item.
    page->AddOverlayBitmap(kTrophy, 0, 0);
    page->AddLine(0, 0, 1, 1, 0, 1);
    page->ShowContextPicture(5, 0, true, 0);
    EXPECT_FALSE(page->IsPicturePresent(kSlotTrophy));
    EXPECT_EQ(page->GetOverlayCount(), 0);
    EXPECT_EQ(page->GetLineCount(), 0);
    // A club without its kit pictures shows nothing yet.
    page->ShowContextPicture(kContextClub, 0, false, 0);
    EXPECT_FALSE(page->IsPicturePresent(kSlotKit));
}

TEST_F(ScreenPicturesTest, TheWorldEuropeAndFlagPicturesResolve) {
    page->ShowContextPicture(kContextWorld, 0, true, 0);
    ASSERT_EQ(page->GetOverlayCount(), 1);
    EXPECT_TRUE(page->GetOverlay(0)->bitmap.IsLoaded()) << "the path with doubled slashes finds the picture";
    EXPECT_EQ(page->GetOverlay(0)->x, 530);
    page->ShowContextPicture(kContextFederation, 0, true, 0);
    ASSERT_TRUE(page->IsPicturePresent(kSlotEurope));
    EXPECT_EQ(page->GetPictureSurface(kSlotEurope)->Width(), 50);
    CXBitmap rest, flag;
    EXPECT_TRUE(rest.Load("gfx\\tree\\context\\restofworld.bmp"));
    ASSERT_TRUE(flag.Load("gfx\\flags\\flag10.bmp"));  // Austria
    EXPECT_EQ(flag.GetWidth(), 60);
    EXPECT_EQ(flag.GetHeight(), 40);
    page->ShowFlagPicture(10);
    EXPECT_TRUE(page->IsPicturePresent(kSlotFlag));
}

TEST_F(ScreenPicturesTest, APageThatPaintsItselfShowsOnlyWhatItBlitsAndStillTakesTheFocus) {
    auto self = std::make_unique<CScreen>();
    self->m_bDirectDrawPage = 1;
    self->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
    self->SetPictureSurface(kSlotTrophy, std::make_unique<Surface>(62, 62, 0x00FF00));
    ASSERT_TRUE(self->Create(&main));
    self->Show();
    self->Enable();
    page->platform::win::Window::Show(false);
    Drain();
    Ui::Get().MainPicture()->Fill(0x112233);
    g_bFocusRequest = 1;
    self->Invalidate(false);
    self->UpdateNow();
    EXPECT_EQ(Ui::Get().MainPicture()->Get(300, 300), 0x112233u) << "no background copied";
    EXPECT_EQ(Ui::Get().MainPicture()->Get(540, 50), 0x112233u) << "no picture slot drawn";
    EXPECT_EQ(Ui::Get().GetFocus(), self.get());
    EXPECT_EQ(g_bFocusRequest, 0);
    // It draws what it blits.
    Surface mine(10, 10, 0xABCDEF);
    self->BlitSurfaceToScreen(&mine, 5, 5);
    EXPECT_EQ(Ui::Get().MainPicture()->Get(7, 7), 0xABCDEFu);
}

TEST_F(ScreenPicturesTest, CloseKillsTheTimersAndReleasesThePictures) {
    auto timed = std::make_unique<TimedPage>();
    g_nCurrentScreen = 99;  // a page with an ambient set
    ASSERT_TRUE(timed->Create(&main));
    g_nCurrentScreen = 0;
    timed->StartTimers();
    ASSERT_NE(timed->Animation(), 0u);
    ASSERT_NE(timed->GetAmbientTimer(), 0u) << "the manager pages have an ambient set";
    const size_t before = Ui::Get().TimerCount();
    timed->SetPictureSurface(kSlotFlag, std::make_unique<Surface>(60, 40, 1));
    timed->Close();
    EXPECT_EQ(Ui::Get().TimerCount(), before - 3);
    EXPECT_EQ(timed->Animation(), 0u);
    EXPECT_EQ(timed->GetAmbientTimer(), 0u);
    EXPECT_FALSE(timed->IsPicturePresent(kSlotFlag));
    EXPECT_TRUE(timed->GetWorkBuffer().IsEmpty());
    timed->Close();  // twice is harmless
}

// A clip of ten 40-ms frames.
class TenFrames : public ClipSource {
public:
    Size FrameSize() const override { return {100, 60}; }
    int FrameCount() const override { return 10; }
    uint32_t FrameMs() const override { return 40; }
    bool DecodeFrame(int index, Picture& target) override {
        target.Fill(Rgb(uint8_t(20 * index), 0, 200));
        return true;
    }
};

TEST_F(ScreenPicturesTest, AVideoPlaysOnTheVirtualClockUntilItEndsOrIsStopped) {
    ASSERT_TRUE(page->PlayVideo("SND\\intro.vid", std::make_unique<TenFrames>()));
    EXPECT_TRUE(page->IsVideoPlaying());
    EXPECT_EQ(page->CheckVideoFinished(), 0);
    RunFor(200);
    EXPECT_EQ(page->CheckVideoFinished(), 0) << "still playing at 200 ms";
    EXPECT_EQ(At(394, 275), Rgb(100, 0, 200)) << "frame 5, centred on the page";
    RunFor(300);
    EXPECT_EQ(page->CheckVideoFinished(), 1);
    EXPECT_FALSE(page->IsVideoPlaying());
    EXPECT_EQ(page->CheckVideoFinished(), 1);

    ASSERT_TRUE(page->PlayVideo("SND\\intro.vid", std::make_unique<TenFrames>()));
    page->StopVideo();
    EXPECT_FALSE(page->IsVideoPlaying());
    EXPECT_EQ(page->CheckVideoFinished(), 1);
    EXPECT_FALSE(page->PlayVideo("SND\\none.vid", nullptr));
}

// A parent that records the tool-bar messages its page sends.
class RecordingParent : public Window {
public:
    std::vector<std::tuple<uint32_t, uintptr_t, intptr_t>> seen;

protected:
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override {
        seen.emplace_back(msg, w, l);
        return 1;
    }
};

TEST_F(ScreenPicturesTest, ToolBarRequestsGoToTheParentAndTheBackBufferIsLentOut) {
    RecordingParent parent;
    ASSERT_TRUE(parent.Create(&main, {0, 0, 788, 550}, WS_CHILD | WS_VISIBLE));
    CScreen child;
    child.SetBackground("gfx\\backgrounds\\titlescreen.bmp");
    ASSERT_TRUE(child.Create(&parent));
    child.EnableToolboxButton(15, false);
    child.NotifyToolboxState(true);
    ASSERT_EQ(parent.seen.size(), 2u);
    EXPECT_EQ(parent.seen[0], std::make_tuple(ui::kMsgButtonState, uintptr_t(15), intptr_t(0)));
    EXPECT_EQ(parent.seen[1], std::make_tuple(ui::kMsgAllButtons, uintptr_t(1), intptr_t(0)));

    // 0x5F5: the back buffer under a desktop rectangle, into the caller's canvas.
    Surface out(30, 20);
    platform::gfx::Canvas dc(out);
    const Rect onPage{200, 100, 230, 120};
    const Rect onDesktop = child.ClientToScreen(onPage);
    EXPECT_EQ(child.Send(ui::kMsgCopyBackBuffer, reinterpret_cast<uintptr_t>(&dc),
                         reinterpret_cast<intptr_t>(&onDesktop)),
              1);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(out.Get(x, y), child.GetBackBuffer().Get(200 + x, 100 + y));
    EXPECT_EQ(child.Send(ui::kMsgCopyBackBuffer, reinterpret_cast<uintptr_t>(&dc), 0), 0);
}

}  // namespace
