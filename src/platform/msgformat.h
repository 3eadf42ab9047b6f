#pragma once
// Message formatting as the game's texts expect it: numbered inserts
// "%1!s!" … "%99!s!" with a printf conversion between the bangs ("%2!d!",
// "%3!.2d!"), a bare "%1" as a string, "%%" for a percent sign, plus the
// printf-style texts some entries hold.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

class MsgArg {
public:
    MsgArg(std::string_view s) : kind_(kText), text_(s) {}
    MsgArg(const std::string& s) : kind_(kText), text_(s) {}
    MsgArg(const char* s) : kind_(kText), text_(s ? s : "") {}
    MsgArg(int v) : kind_(kInt), int_(v) {}
    MsgArg(long v) : kind_(kInt), int_(v) {}
    MsgArg(long long v) : kind_(kInt), int_(v) {}
    MsgArg(unsigned v) : kind_(kInt), int_(v) {}
    MsgArg(unsigned long v) : kind_(kInt), int_(static_cast<int64_t>(v)) {}
    MsgArg(double v) : kind_(kReal), real_(v) {}

    // The insert rendered with a printf conversion such as "s", "d", ".2d", "5.1f".
    std::string Render(std::string_view spec) const;

private:
    enum Kind { kText, kInt, kReal } kind_;
    std::string text_;
    int64_t int_ = 0;
    double real_ = 0;
};

std::string FormatMessage(std::string_view format, std::initializer_list<MsgArg> args);
// The string-table text `id`, formatted.
std::string FormatMessageId(uint32_t id, std::initializer_list<MsgArg> args);

std::string StrPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
