#include "platform/cp1252.h"

namespace platform {
namespace {

// 0x80..0x9F; the rest of 1252 equals Latin-1.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ToCodePoint(uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

std::optional<uint8_t> CodePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<uint8_t>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, Cp1252ToCodePoint(static_cast<uint8_t>(c)));
    return out;
}

std::optional<char32_t> DecodeUtf8(std::string_view s, size_t& pos) {
    if (pos >= s.size()) return std::nullopt;
    uint8_t b0 = static_cast<uint8_t>(s[pos]);
    int len;
    char32_t cp;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + len > s.size()) return std::nullopt;
    for (int i = 1; i < len; ++i) {
        uint8_t b = static_cast<uint8_t>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += len;
    return cp;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8, size_t* badOffset) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t start = pos;
        auto cp = DecodeUtf8(utf8, pos);
        std::optional<uint8_t> b = cp ? CodePointToCp1252(*cp) : std::nullopt;
        if (!b) {
            if (badOffset) *badOffset = start;
            return std::nullopt;
        }
        out += static_cast<char>(*b);
    }
    return out;
}

uint8_t Cp1252ToUpper(uint8_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
        case 0x9A: return 0x8A;  // s caron
        case 0x9C: return 0x8C;  // oe
        case 0x9E: return 0x8E;  // z caron
        case 0xFF: return 0x9F;  // y diaeresis
        default: return c;
    }
}

uint8_t Cp1252ToLower(uint8_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

std::string Cp1252Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(Cp1252ToUpper(static_cast<uint8_t>(c)));
    return out;
}

std::string Cp1252Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(Cp1252ToLower(static_cast<uint8_t>(c)));
    return out;
}

int Cp1252CompareNoCase(std::string_view a, std::string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int ca = Cp1252ToLower(static_cast<uint8_t>(a[i]));
        int cb = Cp1252ToLower(static_cast<uint8_t>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace platform
