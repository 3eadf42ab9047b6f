#pragma once
// A human manager's match is played with him as the current user: the
// manager of the home club, else of the away club, for the scope's length.
// The screens' selected slot follows, since preparing a human side's team
// sheet returns the current user to it.
#include <cstdint>

class CFixture;

class CMatchUserScope {
public:
    explicit CMatchUserScope(const CFixture& fixture);
    ~CMatchUserScope();
    CMatchUserScope(const CMatchUserScope&) = delete;
    CMatchUserScope& operator=(const CMatchUserScope&) = delete;

private:
    int32_t m_PreviousUser = -1;
    uint8_t m_PreviousSelected = 0;
};
