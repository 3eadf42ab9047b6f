#include "soccerclasses/employee.h"

#include "soccerclasses/clubfile.h"
#include "soccerclasses/globals.h"

using namespace clubfile;

double CEmployeeList::GetWageTotal() const {
    double sum = 0.0;
    for (const auto& e : employees) sum += e.weeklyWage;
    return sum;
}

void CEmployeeList::Save(FILE* f) const {
    PutI32(f, GetSize());
    for (const auto& e : employees) {
        PutU8(f, e.jobKind);
        PutF64(f, e.weeklyWage);
    }
}

void CEmployeeList::Load(FILE* f) {
    const int32_t n = GetI32(f);
    employees.clear();
    if (n < 0 || n > 20) {
        MarkGameFileDamaged("list count");
        return;
    }
    employees.resize(static_cast<size_t>(n));
    for (auto& e : employees) {
        e.jobKind = GetU8(f);
        e.weeklyWage = GetF64(f);
    }
}
