#pragma once
// Least form of the text field until the world's lands.
#include <cstdio>
#include <string>

class CExtString : public std::string {
public:
    using std::string::string;
    CExtString() = default;
    CExtString(const std::string& s) : std::string(s) {}
    CExtString& operator=(const std::string& s) {
        std::string::operator=(s);
        return *this;
    }
    void Save(FILE* file) const;
    void Load(FILE* file);
};
