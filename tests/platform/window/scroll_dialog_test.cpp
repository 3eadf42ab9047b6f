#include "platform/window/notify.h"
#include "platform/window/sdl_backend.h"
#include "platform/window/services.h"
#include "support/test_env.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class ScrollTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(list.Create(&main, {0, 0, 116, 216}, WS_CHILD | WS_VISIBLE | WS_VSCROLL));
        list.SetScrollInfo(SB_VERT, {0, 99, 10, 0, 0});
    }
    std::vector<std::pair<uint32_t, int>> Scrolls() const {
        std::vector<std::pair<uint32_t, int>> out;
        for (auto& s : list.seen)
            if (s.msg == WM_VSCROLL) out.emplace_back(LowWord(s.w), int16_t(HighWord(s.w)));
        return out;
    }
    Recorder list;
};

TEST_F(ScrollTest, BarGeometry) {
    EXPECT_EQ(list.ClientRect(), (Rect{0, 0, 100, 216}));
    EXPECT_EQ(list.ScrollBarRect(SB_VERT), (Rect{100, 0, 116, 216}));
    // A 184-px track, a tenth of the range a page: an 18-px thumb at the top.
    EXPECT_EQ(list.ScrollThumbRect(SB_VERT), (Rect{100, 16, 116, 34}));
    list.SetScrollPos(SB_VERT, 500);
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 90);  // the last page
    EXPECT_EQ(list.ScrollThumbRect(SB_VERT).bottom, 200);
    list.ShowScrollBar(SB_VERT, false);
    EXPECT_EQ(list.ClientRect(), (Rect{0, 0, 116, 216}));
    EXPECT_TRUE(list.ScrollBarRect(SB_VERT).IsEmpty());
}

TEST_F(ScrollTest, ArrowsPagesAndHeldRepeat) {
    backend->Click({108, 210});           // the lower arrow
    backend->Click({108, 100}, MouseButton::Left, 50);  // below the thumb
    backend->Press({108, 5}, MouseButton::Left, 50);    // the upper arrow, held 760 ms
    backend->Release({108, 5}, MouseButton::Left, 760);
    RunToEnd();
    auto s = Scrolls();
    ASSERT_GE(s.size(), 6u);
    EXPECT_EQ(s[0].first, SB_LINEDOWN);
    EXPECT_EQ(s[1].first, SB_ENDSCROLL);
    EXPECT_EQ(s[2].first, SB_PAGEDOWN);
    EXPECT_EQ(s[3].first, SB_ENDSCROLL);
    int ups = 0;
    for (auto& p : s) ups += p.first == SB_LINEUP;
    EXPECT_EQ(ups, 1 + 3);  // the press, then repeats at 500, 600 and 700 ms
    EXPECT_EQ(s.back().first, SB_ENDSCROLL);
    EXPECT_EQ(Ui::Get().GetCapture(), nullptr);
}

TEST_F(ScrollTest, ThumbDrag) {
    backend->Press({108, 20});
    backend->MoveTo({108, 20 + 83}, 20);  // half the free track down
    backend->Release({108, 20 + 83}, MouseButton::Left, 20);
    RunToEnd();
    auto s = Scrolls();
    ASSERT_GE(s.size(), 3u);
    EXPECT_EQ(s[0], (std::pair<uint32_t, int>{SB_THUMBTRACK, 45}));
    EXPECT_EQ(s[1], (std::pair<uint32_t, int>{SB_THUMBPOSITION, 45}));
    EXPECT_EQ(s[2].first, SB_ENDSCROLL);
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 0);  // the window moves it itself when it likes
}

TEST(FileDialogTest, ScriptedAnswersAndFolderCheck) {
    auto b = std::make_unique<HeadlessBackend>();
    HeadlessBackend* backend = b.get();
    Ui::Get().Start(std::move(b));
    std::string existing = (testenv::TestFolder() / "game.qzs").string();
    backend->QueueFilePath(existing);
    backend->QueueFilePath("/no/such/folder/game.qzs");
    backend->QueueFilePath(std::nullopt);
    FileDialogRequest req;
    req.save = true;
    req.title = "Save";
    EXPECT_EQ(RunFileDialog(req), existing);
    EXPECT_EQ(RunFileDialog(req), std::nullopt);  // the path's folder must exist
    EXPECT_EQ(RunFileDialog(req), std::nullopt);  // cancelled
    ASSERT_EQ(backend->FileDialogs().size(), 3u);
    EXPECT_TRUE(backend->FileDialogs()[0].save);
    SetFileDialogHandler([](const FileDialogRequest&) { return std::optional<std::string>("x.qzs"); });
    EXPECT_EQ(RunFileDialog(req), "x.qzs");
    SetFileDialogHandler(nullptr);
    OpenUrl("https://example.org/");
    EXPECT_EQ(backend->Urls(), (std::vector<std::string>{"https://example.org/"}));
    Ui::Get().Stop();
}

TEST(SdlBackendTest, WholeScaleFactor) {
    struct Case {
        Size usable;
        int scale;
    };
    for (const Case& c : {Case{{800, 600}, 1}, Case{{1599, 1200}, 1}, Case{{1600, 1200}, 2},
                          Case{{3840, 2160}, 3}, Case{{640, 480}, 1}}) {
        EXPECT_EQ(WholeScale(c.usable, {800, 600}), c.scale) << c.usable.cx << "x" << c.usable.cy;
    }
}

}  // namespace
}  // namespace wintest
