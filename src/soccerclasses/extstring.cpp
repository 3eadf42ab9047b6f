#include "soccerclasses/extstring.h"

#include <vector>

#include "platform/msgformat.h"
#include "soccerclasses/gamefile.h"

void CExtString::Save(FILE* file) const {
    int32_t length = static_cast<int32_t>(size());
    if (size() > static_cast<size_t>(kMaxLength)) {
        // Never write a field no reader would accept.
        MarkGameFileDamaged("text field too long");
        length = kMaxLength;
    }
    SaveInt32(file, length);
    if (length > 0) WriteGameFile(data(), 1, static_cast<size_t>(length), file);
}

void CExtString::Load(FILE* file) {
    int32_t length = LoadInt32(file);
    clear();
    if (length < 0 || length > kMaxLength) {
        MarkGameFileDamaged("text field length");
        return;
    }
    if (static_cast<uint64_t>(length) > GameFileBytesLeft()) {
        MarkGameFileDamaged("text field past the end");
        return;
    }
    resize(static_cast<size_t>(length));
    if (length > 0) ReadGameFile(data(), static_cast<size_t>(length), file);
}

void CExtString::LoadFixed(FILE* file, int n) {
    clear();
    if (n <= 0) return;
    std::vector<char> bytes(static_cast<size_t>(n));
    ReadGameFile(bytes.data(), bytes.size(), file);
    size_t end = 0;
    while (end < bytes.size() && bytes[end] != '\0') ++end;
    assign(bytes.data(), end);
}

void CExtString::AppendNumbered(int number, const std::string& name) {
    std::string item = platform::StrPrintf("(%d) %s", number, name.c_str());
    if (empty()) {
        assign(item);
        return;
    }
    size_t p = find(name);
    if (p == npos || p == 0 || p < 2) {
        append(", ");
        append(item);
        return;
    }
    std::string merged = substr(0, p - 2);
    merged += platform::StrPrintf(", %d) ", number);
    merged += substr(p);
    assign(merged);
}
