#pragma once
// The staff job market of a country followed in detail.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/employee.h"

class CAvailableEmployee : public CBasicEmployee {
public:
    CAvailableEmployee() = default;
    // A newcomer to the market: 35 to 59, out of contract, of a hired-staff kind.
    CAvailableEmployee(const CCountry& country, const CPopularity& row);
    explicit CAvailableEmployee(const CBasicEmployee& other) : CBasicEmployee(other) {}

    // "T" when accepted, else the answer to show.
    std::string RespondToOffer(CContractOffer& demand, const CContractOffer& offer, const CCountry& country);

    void Save(FILE* file) const;
    void Load(FILE* file);

    uint8_t m_WeeksOnMarket = 0;
};

class CAvailableEmployeeList {
public:
    static constexpr int kRefillBelow = 10;

    CAvailableEmployeeList() = default;
    CAvailableEmployeeList(const CAvailableEmployeeList&) = delete;
    CAvailableEmployeeList& operator=(const CAvailableEmployeeList&) = delete;

    int GetSize() const { return static_cast<int>(entries_.size()); }
    CAvailableEmployee* GetAt(int i) const;
    void Update(const CCountry& country, const CPopularity& row);
    void EndOfSeason();
    void AddCopy(const CBasicEmployee& e);
    void RemoveAt(int i);
    void RemoveAll() { entries_.clear(); }
    int FindIndex(const CAvailableEmployee* e) const;
    CAvailableEmployee* PickEmployee(uint8_t kind, int lowest, int highest) const;
    void FillList(CListRows& list, uint8_t kindFilter) const;

    // int32 count, then the entries.
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CAvailableEmployee>> entries_;
};
