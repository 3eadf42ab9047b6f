#pragma once
// The world's players. Least form for the club code; the people code owns it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CPlayer {
public:
    std::string surname;
    double weeklyWage = 0.0;
    uint8_t position = 0;  // 0 goalkeeper .. 3 attacker
    uint8_t age = 25;
    int GetPosition() const { return position & 0x7F; }
};

class CPlayerList {
public:
    int GetSize() const { return static_cast<int>(players_.size()); }
    CPlayer* GetAt(int i) { return i >= 0 && i < GetSize() ? players_[static_cast<size_t>(i)].get() : nullptr; }
    const CPlayer* GetAt(int i) const {
        return i >= 0 && i < GetSize() ? players_[static_cast<size_t>(i)].get() : nullptr;
    }
    int32_t Add(std::unique_ptr<CPlayer> p) {
        players_.push_back(std::move(p));
        return GetSize() - 1;
    }

private:
    std::vector<std::unique_ptr<CPlayer>> players_;
};
