#pragma once
// Where an advisor's messages go as lines of text: the screens' message
// panel in the program, a recorder in the tests.
#include <string>

class CMessageLines {
public:
    virtual ~CMessageLines() = default;
    virtual void AddLine(const std::string& line) = 0;
};
