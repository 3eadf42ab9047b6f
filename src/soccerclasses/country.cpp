#include "soccerclasses/country.h"

#include "platform/msgformat.h"

std::string CCountry::FormatMoney(double amount) const { return platform::StrPrintf("%.0f", amount); }
