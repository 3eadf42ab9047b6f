#pragma once
// Honours of a club. Least form for the club code; the competition records own it.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CTrophyHistory {
public:
    std::string title, detail, extra;
    uint8_t kind = 0;
    uint8_t picture = 0;
};

class CTrophyHistoryList {
public:
    void AddWinnerHonour(const std::string& title, const std::string& extra, const std::string& detail,
                         uint8_t picture, uint8_t isCup);
    void AddRunnerUpHonour(const std::string& title, const std::string& extra, const std::string& detail,
                           uint8_t picture, uint8_t isCup);
    int GetSize() const { return static_cast<int>(honours_.size()); }
    const CTrophyHistory& GetAt(int i) const { return honours_.at(static_cast<size_t>(i)); }
    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    std::vector<CTrophyHistory> honours_;
};
