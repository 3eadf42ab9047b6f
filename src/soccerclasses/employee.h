#pragma once
// A club's staff. Least form for the club code; the people code owns it.
#include <cstdint>
#include <cstdio>
#include <vector>

class CEmployee {
public:
    uint8_t jobKind = 0;
    double weeklyWage = 0.0;
};

class CEmployeeList {
public:
    std::vector<CEmployee> employees;
    int GetSize() const { return static_cast<int>(employees.size()); }
    double GetWageTotal() const;
    void Save(FILE* f) const;
    void Load(FILE* f);
};
