#pragma once
// The popularity table: what a club of each standing has and attracts.
// Least form for the club code; the people code owns it.
#include <cstddef>
#include <cstdint>
#include <vector>

class CPopularity {
public:
    double baseValue = 1000000.0;
    double managerWageBase = 50000.0, managerWageSpread = 10000.0;
    double youthWage = 1.0;
    double ticketBase = 10.0, ticketSpread = 5.0;
    double balanceBase = 1000000.0, balanceSpread = 100000.0;
    double generalWagesBase = 10000.0, generalWagesSpread = 1000.0;
    int32_t baseCount = 10000;
    double runningCostBase = 5000.0, runningCostSpread = 1000.0;
    double sponsorshipBase = 10000.0, sponsorshipSpread = 1000.0;
    double televisionBase = 10000.0, televisionSpread = 1000.0;
    double merchandisingRate = 100.0;
    int32_t downwardStep = 1, upwardStep = 1;
    int32_t crowdBase = 5000;

    // base + Random(spread), scaled by a percentage.
    double GetValue(uint8_t percent) const;
    double GetBudget(uint8_t percent) const;
    double GetBaseValue() const { return baseValue; }
    bool IsBaseCountOver25000() const { return baseCount > 25000; }
};

class CPopularityList {
public:
    std::vector<CPopularity> rows;
    int GetSize() const { return static_cast<int>(rows.size()); }
    const CPopularity* GetAt(int i) const {
        return i >= 0 && i < GetSize() ? &rows[static_cast<size_t>(i)] : nullptr;
    }
};
