#include "platform/window/video.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class Bars : public ClipSource {
public:
    int* soundStarts;
    explicit Bars(int* starts) : soundStarts(starts) {}
    Size FrameSize() const override { return {20, 10}; }
    int FrameCount() const override { return 10; }
    uint32_t FrameMs() const override { return 40; }
    bool DecodeFrame(int index, Picture& target) override {
        target.Fill(Rgb(uint8_t(index * 20), 0, 0));
        return true;
    }
    void StartSound() override { ++*soundStarts; }
};

TEST_F(WindowTest, VideoPlaysOnTheClockAndStops) {
    int starts = 0;
    VideoWindow video;
    ASSERT_TRUE(video.Open(&main, {10, 10, 30, 20}, std::make_unique<Bars>(&starts)));
    video.Play();
    EXPECT_FALSE(video.IsStopped());
    int seenAt200 = -1;
    Ui::Get().StartPeriodicTimer(200, [&] {
        if (seenAt200 < 0) seenAt200 = video.CurrentFrame();
    });
    backend->SetTimeLimit(1000);
    RunToEnd();
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(seenAt200, 5);
    EXPECT_TRUE(video.IsStopped());  // 10 frames of 40 ms
    EXPECT_EQ(video.CurrentFrame(), 9);
    EXPECT_EQ(backend->LastFrame().Get(15, 15), Rgb(180, 0, 0));
}

TEST_F(WindowTest, VideoStopsWhenAsked) {
    int starts = 0;
    VideoWindow video;
    ASSERT_TRUE(video.Open(&main, {0, 0, 20, 10}, std::make_unique<Bars>(&starts)));
    video.Play();
    video.Stop();
    EXPECT_TRUE(video.IsStopped());
    EXPECT_FALSE(video.Open(&main, {0, 0, 1, 1}, nullptr));
}

}  // namespace
}  // namespace wintest
