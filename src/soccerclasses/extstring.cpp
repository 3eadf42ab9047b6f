#include "soccerclasses/extstring.h"

#include "soccerclasses/gamefile.h"

void CExtString::Save(FILE* file) const {
    SaveInt32(file, static_cast<int32_t>(size()));
    if (!empty()) WriteGameFile(data(), 1, size(), file);
}

void CExtString::Load(FILE* file) {
    int32_t n = LoadInt32(file);
    if (n < 0 || n > 99999) {
        MarkGameFileDamaged("text field");
        clear();
        return;
    }
    std::string s(static_cast<size_t>(n), '\0');
    if (n) ReadGameFile(s.data(), s.size(), file);
    assign(s);
}
