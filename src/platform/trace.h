#pragma once
// Trace output: the diagnostic channel for developers. Quiet unless the
// VANTOREL_TRACE environment variable is set to a non-empty value other than
// "0"; a TraceCapture collects lines whatever the setting, for tests.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

void Trace(std::string_view text);
void TraceF(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// While alive, every trace line is also appended to Lines(). Captures nest;
// each sees the lines written during its own lifetime.
class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    const std::vector<std::string>& Lines() const { return lines_; }
    bool Contains(std::string_view fragment) const;

private:
    friend void Trace(std::string_view text);
    std::vector<std::string> lines_;
    TraceCapture* outer_;
};

}  // namespace platform
