#include "platform/trace.h"

#include <gtest/gtest.h>

namespace {

TEST(Trace, CaptureReadsWhatWasWritten) {
    platform::TraceCapture outer;
    platform::Trace("first");
    {
        platform::TraceCapture inner;
        platform::TraceF("value %d", 42);
        EXPECT_EQ(inner.Lines(), (std::vector<std::string>{"value 42"}));
    }
    platform::Trace("last");
    EXPECT_EQ(outer.Lines(), (std::vector<std::string>{"first", "value 42", "last"}));
    EXPECT_TRUE(outer.Contains("lue 4"));
    EXPECT_FALSE(outer.Contains("absent"));
}

}  // namespace
