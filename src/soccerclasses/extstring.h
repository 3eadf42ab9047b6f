#pragma once
// The text field of the record format: an int32 length (0 to 99,999) and
// that many Windows-1252 bytes, no terminator.
#include <cstdio>
#include <string>

class CExtString : public std::string {
public:
    using std::string::string;
    CExtString() = default;
    CExtString(const std::string& s) : std::string(s) {}
    CExtString(std::string&& s) : std::string(std::move(s)) {}

    static constexpr int kMaxLength = 99999;

    void Save(FILE* file) const;
    // A length that is negative or too long marks the file damaged. A length
    // of 0 gives the empty text: loads go into objects that already hold
    // something, and an empty saved text must not keep the old one.
    void Load(FILE* file);
    // Exactly n bytes; the text is what comes before the first NUL.
    void LoadFixed(FILE* file, int n);
    // "(23) A" given 67 and "A" becomes "(23, 67) A"; a new name is appended
    // as ", (40) B".
    void AppendNumbered(int number, const std::string& name);
};
