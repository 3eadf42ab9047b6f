#include "platform/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

TraceCapture* g_capture = nullptr;

bool EchoEnabled() {
    static const bool enabled = [] {
        const char* v = std::getenv("VANTOREL_TRACE");
        return v && *v && std::strcmp(v, "0") != 0;
    }();
    return enabled;
}

}  // namespace

void Trace(std::string_view text) {
    for (TraceCapture* c = g_capture; c; c = c->outer_) c->lines_.emplace_back(text);
    if (EchoEnabled()) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
    }
}

void TraceF(const char* fmt, ...) {
    char buf[2048];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    Trace(buf);
}

TraceCapture::TraceCapture() : outer_(g_capture) { g_capture = this; }

TraceCapture::~TraceCapture() {
    // Captures are scoped objects, so they end in reverse order of creation.
    g_capture = outer_;
}

bool TraceCapture::Contains(std::string_view fragment) const {
    for (const auto& l : lines_)
        if (l.find(fragment) != std::string::npos) return true;
    return false;
}

}  // namespace platform
