#pragma once
// A club's log of transfers. Least form for the club code; the career code owns it.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CTransferHistory {
public:
    std::string player, fromClub;
    double fee = 0.0;
    std::string toClub;
    int32_t playerIndex = 0;
};

class CTransferHistoryList {
public:
    void Add(const std::string& player, const std::string& fromClub, double fee, const std::string& toClub,
             int32_t playerIndex) {
        lines_.push_back({player, fromClub, fee, toClub, playerIndex});
    }
    int GetSize() const { return static_cast<int>(lines_.size()); }
    const CTransferHistory& GetAt(int i) const { return lines_.at(static_cast<size_t>(i)); }
    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    std::vector<CTransferHistory> lines_;
};
