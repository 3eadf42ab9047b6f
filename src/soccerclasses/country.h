#pragma once
// A country of the world. Least form for the club code; the world core owns it.
#include <cstdint>
#include <string>

class CCountry {
public:
    uint8_t id = 0;
    std::string name;
    uint8_t followLevel = 2;  // 0 followed in detail
    uint8_t wageFactor = 100;

    bool IsActive() const { return followLevel == 0; }
    uint8_t GetInactiveFlag() const { return followLevel; }
    std::string FormatMoney(double amount) const;
    double ToBaseMoney(double local) const { return local; }
    double ToLocalMoney(double base) const { return base; }
};
