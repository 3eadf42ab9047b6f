#include "platform/msgformat.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/stringtable.h"
#include "platform/trace.h"

namespace platform {
namespace {

// Only the flags, width, precision and length of a conversion: anything else
// in the spec ("%n", stray '%') would make snprintf unsafe.
bool SafeSpec(std::string_view spec, char& conversion, std::string& cleaned) {
    if (spec.empty()) return false;
    conversion = spec.back();
    cleaned.clear();
    for (char c : spec.substr(0, spec.size() - 1)) {
        if (std::string_view("-+ #0123456789.").find(c) != std::string_view::npos) cleaned += c;
        else if (c != 'l' && c != 'h' && c != 'I' && c != '6' && c != '4') return false;
    }
    return std::string_view("sSdiuxXcfeEgGoc").find(conversion) != std::string_view::npos;
}

}  // namespace

std::string MsgArg::Render(std::string_view spec) const {
    char conv;
    std::string flags;
    if (!SafeSpec(spec, conv, flags)) {
        conv = 's';
        flags.clear();
    }
    std::string fmt = "%" + flags;
    switch (conv) {
        case 's':
        case 'S': {
            std::string text = kind_ == kText ? text_
                               : kind_ == kInt ? std::to_string(int_)
                                               : StrPrintf("%g", real_);
            return StrPrintf((fmt + "s").c_str(), text.c_str());
        }
        case 'c':
            return StrPrintf((fmt + "c").c_str(),
                            kind_ == kText ? (text_.empty() ? ' ' : text_[0])
                                           : static_cast<char>(int_));
        case 'f': case 'e': case 'E': case 'g': case 'G': {
            double v = kind_ == kReal ? real_ : kind_ == kInt ? static_cast<double>(int_)
                                                              : std::atof(text_.c_str());
            return StrPrintf((fmt + conv).c_str(), v);
        }
        default: {
            long long v = kind_ == kInt ? int_ : kind_ == kReal ? static_cast<long long>(real_)
                                                                : std::atoll(text_.c_str());
            return StrPrintf((fmt + "ll" + conv).c_str(), v);
        }
    }
}

std::string FormatMessage(std::string_view format, std::initializer_list<MsgArg> argList) {
    std::vector<const MsgArg*> args;
    for (const auto& a : argList) args.push_back(&a);
    std::string out;
    out.reserve(format.size() + 32);
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        char next = format[i + 1];
        if (next < '1' || next > '9') {
            switch (next) {
                case '%': out += '%'; break;
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case 'b': out += ' '; break;
                case 'r': break;
                case '.': out += '.'; break;
                case '!': out += '!'; break;
                case '0': return out;  // ends the message, as it always did
                default: out += c; out += next; break;
            }
            ++i;
            continue;
        }
        size_t j = i + 1;
        int index = 0;
        while (j < format.size() && j < i + 3 && format[j] >= '0' && format[j] <= '9')
            index = index * 10 + (format[j++] - '0');
        std::string_view spec = "s";
        if (j < format.size() && format[j] == '!') {
            size_t close = format.find('!', j + 1);
            if (close != std::string_view::npos) {
                spec = format.substr(j + 1, close - j - 1);
                j = close + 1;
            }
        }
        if (index > static_cast<int>(args.size())) {
            // A text may name more inserts than its message carries (a
            // message holds three): the missing ones read as empty.
            TraceF("message insert %%%d has no argument", index);
        } else {
            out += args[index - 1]->Render(spec);
        }
        i = j - 1;
    }
    return out;
}

std::string FormatMessageId(uint32_t id, std::initializer_list<MsgArg> args) {
    return FormatMessage(LoadString(id), args);
}

std::string StrPrintf(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, format, ap);
    va_end(ap);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, ap2);
    va_end(ap2);
    return out;
}

}  // namespace platform
