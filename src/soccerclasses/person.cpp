#include "soccerclasses/person.h"

#include <algorithm>
#include <cassert>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

namespace {

// Cumulative thresholds of the race columns per base-race row; 0 never
// matches, and column 5 means any race.
constexpr int kRaceTable[5][6] = {
    {55, 80, 84, 87, 90, 100},
    {10, 30, 0, 0, 90, 100},
    {5, 10, 20, 90, 0, 100},
    {30, 90, 0, 0, 0, 100},
    {10, 20, 90, 0, 0, 100},
};

constexpr uint32_t kTemperamentIds[10] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr uint32_t kMoraleIds[10] = {1, 2, 3, 976, 977, 978, 979, 980, 981, 982};

}  // namespace

void CFace::Generate(int baseRaceRow, bool beardAllowed) {
    assert(baseRaceRow >= 0 && baseRaceRow <= 4);
    const int* row = kRaceTable[std::clamp(baseRaceRow, 0, 4)];
    int r = Random(99);
    int race = 5;
    for (int c = 0; c < 6; ++c) {
        if (row[c] > r) {
            race = c;
            break;
        }
    }
    if (race == 5) race = Random(4);
    int colour = 0;
    switch (race) {
        case 0: colour = Random(4); break;
        case 1:
        case 2:
        case 3: colour = Random(1); break;
        default: colour = Random(2); break;
    }
    if (colour == 1) colour = 0;
    int beard = 0;
    if (beardAllowed && Random(100) > 95) beard = Random(7);
    m_Word1 = 0;
    m_Word2 = 0;
    SetRace(race);
    SetColour(colour);
    SetBeard(beard);
    SetHair(Random(44));
    SetMouth(Random(6));
    SetEye(Random(4));
    SetNose(Random(5));
    SetChin(Random(11));
    SetNinth(Random(6));
}

CPerson::CPerson(const CPerson& other) { *this = other; }

void CPerson::Set(const std::string& forename, const std::string& surname, uint8_t age,
                  uint8_t country) {
    m_Forename = forename;
    m_Surname = surname;
    SetAge(age);
    m_Country = country;
}

void CPerson::CopyIdentity(const CPerson& other) {
    m_Forename = other.m_Forename;
    m_Surname = other.m_Surname;
    m_Temperament = other.m_Temperament;
    m_Morale = other.m_Morale;
    m_Country = other.m_Country;
    m_WeeklyWage = other.m_WeeklyWage;
    SetAge(other.m_Age);
    m_Face = other.m_Face;
}

void CPerson::ClearNumbers() {
    m_Country = 0;
    m_Age = 0;
    m_ContractYears = 0;
    m_PendingYears = 0;
    m_Status = 0;
    m_Temperament = 0;
    m_Morale = 80;
    m_Face = CFace{};
    m_WeeksAtClub = 0;
    m_PendingWage = 0.0;
    m_WeeklyWage = 0.0;
}

void CPerson::Clear() { ClearNumbers(); }

void CPerson::SetAge(uint8_t age) {
    assert(age >= kMinimumAge);
    m_Age = age;
}

void CPerson::RaiseMorale(int by) { m_Morale = static_cast<uint8_t>(std::min(99, m_Morale + by)); }

void CPerson::LowerMorale(int by) { m_Morale = static_cast<uint8_t>(std::max(0, m_Morale - by)); }

std::string CPerson::GetName() const {
    assert(!m_Surname.empty());
    if (m_Forename.empty() || m_Forename == "@") return m_Surname;
    return m_Forename + "." + m_Surname;
}

std::string CPerson::GetAgeText() const { return platform::StrPrintf("%d", m_Age); }

std::string CPerson::GetContractYearsText() const {
    return platform::StrPrintf("%d", m_ContractYears);
}

std::string CPerson::GetTemperamentText() const {
    assert(m_Temperament < 10);
    return platform::LoadString(kTemperamentIds[std::min<int>(m_Temperament, 9)]);
}

int CPerson::MoraleTextId(uint8_t morale) {
    int level = static_cast<int>((morale - 0.5) / 10);
    return static_cast<int>(kMoraleIds[std::clamp(level, 0, 9)]);
}

std::string CPerson::GetMoraleText() const { return platform::LoadString(MoraleTextId(m_Morale)); }

double CPerson::GetContractCost(bool capped, int weekOfSeason) const {
    if (m_ContractYears == 0) return 0.0;
    int weeks = m_ContractYears * 52 - weekOfSeason;
    if (capped && weeks > 4) return 4 * m_WeeklyWage;
    return weeks * m_WeeklyWage;
}

void CPerson::FillOfferFromContract(CContractOffer& offer) const {
    assert(m_WeeklyWage > 0);
    offer.m_WeeklyWage = m_WeeklyWage;
    offer.m_Years = static_cast<int8_t>(m_ContractYears);
}

void CPerson::ApplyContract(const CContractOffer& offer) {
    assert(offer.m_WeeklyWage > 0);
    m_ContractYears = static_cast<uint8_t>(m_ContractYears + offer.m_Years);
    m_WeeklyWage = offer.m_WeeklyWage;
    ClearPendingRenewal();
}

void CPerson::ClearPendingRenewal() {
    m_PendingWage = 0.0;
    m_PendingYears = 0;
    m_Status = 0;
}

bool CPerson::EndSeason() {
    m_Age = static_cast<uint8_t>(std::min(255, m_Age + 1));
    auto years = static_cast<int8_t>(m_ContractYears - 1);
    m_ContractYears = static_cast<uint8_t>(years);
    if (m_Status == kStatusRenewalAgreed && years < 1) {
        assert(m_PendingWage > 0);
        m_ContractYears = m_PendingYears;
        m_WeeklyWage = m_PendingWage;
        ClearPendingRenewal();
    }
    return static_cast<int8_t>(m_ContractYears) < 1;
}

void CPerson::Save(FILE* f) const {
    m_Forename.Save(f);
    m_Surname.Save(f);
    SaveByte(f, m_Country);
    SaveDouble(f, m_WeeklyWage);
    SaveByte(f, m_Age);
    SaveByte(f, m_Temperament);
    SaveByte(f, m_Morale);
    SaveByte(f, m_ContractYears);
    SaveByte(f, m_PendingYears);
    SaveDouble(f, m_PendingWage);
    SaveByte(f, m_Status);
    SaveInt16(f, m_WeeksAtClub);
    SaveUInt32(f, m_Face.m_Word1);
    // Only the hair bits of the second word are the face's.
    SaveUInt32(f, m_Face.m_Word2 & 0x7F);
}

void CPerson::Load(FILE* f) {
    m_Forename.Load(f);
    m_Surname.Load(f);
    m_Country = LoadByte(f);
    m_WeeklyWage = LoadDouble(f);
    m_Age = LoadByte(f);
    m_Temperament = LoadByte(f);
    m_Morale = LoadByte(f);
    m_ContractYears = LoadByte(f);
    m_PendingYears = LoadByte(f);
    m_PendingWage = LoadDouble(f);
    m_Status = LoadByte(f);
    m_WeeksAtClub = LoadInt16(f);
    m_Face.m_Word1 = LoadUInt32(f);
    m_Face.m_Word2 = LoadUInt32(f) & 0x7F;
}

void CPerson::ReadFaceBytes(FILE* f) {
    m_Face.SetColour(LoadByte(f));
    m_Face.SetChin(LoadByte(f));
    m_Face.SetEye(LoadByte(f));
    m_Face.SetHair(LoadByte(f));
    m_Face.SetMouth(LoadByte(f));
    m_Face.SetNose(LoadByte(f));
    m_Face.SetBeard(LoadByte(f));
    m_Face.SetNinth(LoadByte(f));
}

void CPerson::WriteFaceBytes(FILE* f) const {
    SaveByte(f, m_Face.Colour());
    SaveByte(f, m_Face.Chin());
    SaveByte(f, m_Face.Eye());
    SaveByte(f, m_Face.Hair());
    SaveByte(f, m_Face.Mouth());
    SaveByte(f, m_Face.Nose());
    SaveByte(f, m_Face.Beard());
    SaveByte(f, m_Face.Ninth());
}

void CPerson::ReadDatabase(FILE* f) {
    m_Age = LoadByte(f);
    m_ContractYears = LoadByte(f);
    m_Temperament = LoadByte(f);
    m_Country = LoadByte(f);
    m_Face = CFace{};
    m_Face.SetRace(LoadByte(f));
    ReadFaceBytes(f);
    m_WeeksAtClub = 7;
}

void CPerson::WriteDatabase(FILE* f) const {
    SaveByte(f, m_Age);
    SaveByte(f, m_ContractYears);
    SaveByte(f, m_Temperament);
    SaveByte(f, m_Country);
    SaveByte(f, m_Face.Race());
    WriteFaceBytes(f);
}
