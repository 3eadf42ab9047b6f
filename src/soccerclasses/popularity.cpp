#include "soccerclasses/popularity.h"

#include "soccerclasses/globals.h"

double CPopularity::GetValue(uint8_t percent) const {
    return (balanceBase + Random(static_cast<int>(balanceSpread))) / 100.0 * percent;
}

double CPopularity::GetBudget(uint8_t percent) const {
    return (generalWagesBase + Random(static_cast<int>(generalWagesSpread))) / 100.0 * percent;
}
