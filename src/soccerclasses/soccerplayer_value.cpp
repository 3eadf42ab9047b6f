// Value, fees, wages and contract judgements of a footballer, from the
// skill-money table.
#include <algorithm>
#include <cassert>

#include "platform/msgformat.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/skillmoneyvalue.h"
#include "soccerclasses/soccerplayer.h"

namespace {

constexpr double kPositionFactor[4] = {0.75, 0.9, 1.0, 1.1};
constexpr double kVariation[10] = {1.011, 0.989, 1.03, 0.97, 1.017, 0.983, 1.008, 0.992, 1.013, 0.987};

double PaceFactor(int pace) {
    if (pace >= 96) return 1.06;
    if (pace >= 91) return 1.04;
    if (pace >= 86) return 1.02;
    if (pace >= 81) return 1.0;
    if (pace >= 71) return 0.98;
    if (pace >= 61) return 0.96;
    if (pace >= 51) return 0.92;
    return 0.84;
}

// A human club can keep a player past 44; figures then use the last age.
int ClampAge(int age) { return std::clamp(age, 16, 44); }

constexpr double kMinimumFee = 5000;

}  // namespace

MoneyScale MoneyScaleOf(const CCountry* country) {
    MoneyScale m;
    m.percent = country ? country->GetWageFactor() : 100;
    m.country = country;
    m.round = country ? &RoundMoney : nullptr;
    return m;
}

double MoneyScale::Round(double v) const { return round ? round(v, country) : RoundToNiceAmount(v); }

const CSkillMoneyValue& CSoccerPlayer::MoneyRow(int age) const {
    ClampAge(age);
    return SkillMoneyTable().GetEntry(m_Ability);
}

int CSoccerPlayer::GetValue(int age, uint8_t temperament, uint8_t percent, uint8_t skill) const {
    ClampAge(age);
    double v = SkillMoneyTable().GetValue(skill ? skill : m_Ability);
    v *= kPositionFactor[ClampedPosition()];
    v *= PaceFactor(m_Pace);
    v *= kVariation[std::min<int>(temperament, 9)];
    v /= 100;
    v *= percent;
    return static_cast<int>(v);
}

double CSoccerPlayer::GetMinimumFee(int age, uint8_t temperament, const MoneyScale& m) const {
    if (ClampAge(age) >= 32) return 0.0;
    return m.Round(0.75 * GetValue(age, temperament, m.percent));
}

double CSoccerPlayer::GetMaximumFee(int age, uint8_t temperament, const MoneyScale& m) const {
    return m.Round(1.25 * GetValue(age, temperament, m.percent));
}

bool CSoccerPlayer::IsAboveMaximumFee(double price, int age, uint8_t temperament,
                                      const MoneyScale& m) const {
    return GetMaximumFee(age, temperament, m) < price;
}

double CSoccerPlayer::GetTransferFee(int age, uint8_t temperament, const MoneyScale& m) const {
    const double low = GetMinimumFee(age, temperament, m) / 100.0 * m.percent;
    const double high = GetMaximumFee(age, temperament, m);
    double fee = m.Round(Random(static_cast<int>(high - low)) + low);
    return fee < kMinimumFee ? 0.0 : fee;
}

double CSoccerPlayer::GetWageDemand(int age, const MoneyScale& m) const {
    const CSkillMoneyValue& r = MoneyRow(age);
    double wage = m.Round(m.Scaled(static_cast<int64_t>(Random(r.m_WageSpread)) + r.m_WageBase));
    assert(wage > 0);
    return wage;
}

double CSoccerPlayer::GetMinimumWage(int age, const MoneyScale& m) const {
    return m.Round(m.Scaled(MoneyRow(age).m_WageBase));
}

double CSoccerPlayer::GetMaximumWage(int age, const MoneyScale& m) const {
    const CSkillMoneyValue& r = MoneyRow(age);
    return m.Round(m.Scaled(static_cast<int64_t>(r.m_WageBase) + r.m_WageSpread));
}

double CSoccerPlayer::GetSigningFeeDemand(int age, bool freeAgent, const MoneyScale& m) const {
    const CSkillMoneyValue& r = MoneyRow(age);
    double fee = m.Round(m.Scaled(static_cast<int64_t>(Random(r.m_FeeSpread)) + r.m_FeeBase));
    return freeAgent ? fee * 3 : fee;
}

double CSoccerPlayer::GetMinimumSigningFee(int age, bool freeAgent, const MoneyScale& m) const {
    double fee = m.Round(m.Scaled(MoneyRow(age).m_FeeBase));
    return freeAgent ? fee * 3 : fee;
}

double CSoccerPlayer::GetMaximumSigningFee(int age, bool freeAgent, const MoneyScale& m) const {
    const CSkillMoneyValue& r = MoneyRow(age);
    double fee = m.Round(m.Scaled(static_cast<int64_t>(r.m_FeeBase) + r.m_FeeSpread));
    return freeAgent ? fee * 3 : fee;
}

void CSoccerPlayer::GetContractDemands(CContractOffer& offer, int age, bool freeAgent,
                                       const MoneyScale& m) const {
    offer.m_WeeklyWage = GetWageDemand(age, m);
    offer.m_SigningOnFee = GetSigningFeeDemand(age, freeAgent, m);
    int years = Random(4) + 1;
    if (age > 32) years = std::min(years, 2);
    offer.m_Years = years;
}

int CSoccerPlayer::CheckOffer(const CContractOffer& demands, int age, const CContractOffer& offer,
                              uint8_t percent, bool freeAgent) const {
    const CSkillMoneyValue& r = MoneyRow(age);
    const double maxWage = static_cast<double>(((static_cast<int64_t>(r.m_WageBase) + r.m_WageSpread) / 100) * percent);
    if (offer.m_WeeklyWage < demands.m_WeeklyWage && offer.m_WeeklyWage < r.m_WageBase) return 14;
    // The board's limit holds whatever the player asked for.
    if (offer.m_WeeklyWage > maxWage) return 15;
    if (offer.m_SigningOnFee >= demands.m_SigningOnFee) return -1;
    const int mult = freeAgent ? 3 : 1;
    const double lo = static_cast<double>((r.m_FeeBase / 100) * percent) * mult;
    const double hi = static_cast<double>(((static_cast<int64_t>(r.m_FeeBase) + r.m_FeeSpread) / 100) * percent) * mult;
    if (offer.m_SigningOnFee < lo) return 16;
    if (offer.m_SigningOnFee > hi) return 17;
    return -1;
}

std::string CSoccerPlayer::GetOfferReply(const CContractOffer& demands, int age,
                                         const CContractOffer& offer, uint8_t percent,
                                         bool freeAgent, const std::string& name) const {
    int id = CheckOffer(demands, age, offer, percent, freeAgent);
    if (id < 0) return "T";
    return platform::FormatMessageId(static_cast<uint32_t>(id), {name});
}

bool CSoccerPlayer::FitsPopularity(const CPopularity& row, int age, int position) const {
    ClampAge(age);
    return row.FitsAbility(m_Ability, position);
}
