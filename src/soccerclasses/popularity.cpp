#include "soccerclasses/popularity.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <stdexcept>

#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

namespace {

void ReadBands(FILE* f, std::array<uint8_t, CPopularity::kBands>& bands) {
    ReadGameFile(bands.data(), bands.size(), f);
}

void WriteBands(FILE* f, const std::array<uint8_t, CPopularity::kBands>& bands) {
    WriteGameFile(bands.data(), 1, bands.size(), f);
}

}  // namespace

const int CPopularityList::kManagerBonusIds[kBonusTableSize] = {
    167, 156, 155, 157, 158, 160, 161, 162, 163, 166, 165, 168, 169, 170, 159, 164};

void CPopularity::Read(FILE* f) {
    m_BaseValue = LoadDouble(f);
    m_ManagerWageBase = LoadDouble(f);
    m_ManagerWageSpread = LoadDouble(f);
    m_YouthWage = LoadDouble(f);
    m_TicketPriceBase = LoadDouble(f);
    m_TicketPriceSpread = LoadDouble(f);
    m_BalanceBase = LoadDouble(f);
    m_BalanceSpread = LoadDouble(f);
    m_GeneralWagesBase = LoadDouble(f);
    m_GeneralWagesSpread = LoadDouble(f);
    m_BaseCount = LoadInt32(f);
    m_Value12 = LoadDouble(f);
    m_RunningCostBase = LoadDouble(f);
    m_RunningCostSpread = LoadDouble(f);
    m_LevelByte = LoadByte(f);
    m_Byte16 = LoadByte(f);
    m_StandingByte = LoadByte(f);
    m_RenewalByte = LoadByte(f);
    m_SpendingFigure = LoadDouble(f);
    m_TransferFigure = LoadDouble(f);
    m_BonusBase = LoadInt32(f);
    m_BonusSpread = LoadInt32(f);
    m_DownwardStep = LoadInt32(f);
    m_UpwardStep = LoadInt32(f);
    m_CrowdBase = LoadInt32(f);
    m_StaffLevelMinimum = LoadByte(f);
    m_StaffLevelRange = LoadByte(f);
    m_PercentageValue = LoadDouble(f);
    ReadBands(f, m_Regeneration);
    ReadBands(f, m_BandA);
    ReadBands(f, m_BandB);
    ReadBands(f, m_AbilityBase);
    ReadBands(f, m_AbilitySpread);
    m_SponsorshipBase = LoadDouble(f);
    m_SponsorshipSpread = LoadDouble(f);
    m_TelevisionBase = LoadDouble(f);
    m_TelevisionSpread = LoadDouble(f);
    m_MerchandisingRate = LoadDouble(f);
    m_ManagerRatingThreshold = LoadByte(f);
    m_UnlistedRefusalChance = LoadByte(f);
}

void CPopularity::Write(FILE* f) const {
    SaveDouble(f, m_BaseValue);
    SaveDouble(f, m_ManagerWageBase);
    SaveDouble(f, m_ManagerWageSpread);
    SaveDouble(f, m_YouthWage);
    SaveDouble(f, m_TicketPriceBase);
    SaveDouble(f, m_TicketPriceSpread);
    SaveDouble(f, m_BalanceBase);
    SaveDouble(f, m_BalanceSpread);
    SaveDouble(f, m_GeneralWagesBase);
    SaveDouble(f, m_GeneralWagesSpread);
    SaveInt32(f, m_BaseCount);
    SaveDouble(f, m_Value12);
    SaveDouble(f, m_RunningCostBase);
    SaveDouble(f, m_RunningCostSpread);
    SaveByte(f, m_LevelByte);
    SaveByte(f, m_Byte16);
    SaveByte(f, m_StandingByte);
    SaveByte(f, m_RenewalByte);
    SaveDouble(f, m_SpendingFigure);
    SaveDouble(f, m_TransferFigure);
    SaveInt32(f, m_BonusBase);
    SaveInt32(f, m_BonusSpread);
    SaveInt32(f, m_DownwardStep);
    SaveInt32(f, m_UpwardStep);
    SaveInt32(f, m_CrowdBase);
    SaveByte(f, m_StaffLevelMinimum);
    SaveByte(f, m_StaffLevelRange);
    SaveDouble(f, m_PercentageValue);
    WriteBands(f, m_Regeneration);
    WriteBands(f, m_BandA);
    WriteBands(f, m_BandB);
    WriteBands(f, m_AbilityBase);
    WriteBands(f, m_AbilitySpread);
    SaveDouble(f, m_SponsorshipBase);
    SaveDouble(f, m_SponsorshipSpread);
    SaveDouble(f, m_TelevisionBase);
    SaveDouble(f, m_TelevisionSpread);
    SaveDouble(f, m_MerchandisingRate);
    SaveByte(f, m_ManagerRatingThreshold);
    SaveByte(f, m_UnlistedRefusalChance);
}

std::string CPopularity::CheckRow() const {
    const double positives[] = {m_BaseValue,         m_ManagerWageBase,   m_ManagerWageSpread,
                                m_YouthWage,         m_TicketPriceBase,   m_TicketPriceSpread,
                                m_BalanceBase,       m_BalanceSpread,     m_GeneralWagesBase,
                                m_GeneralWagesSpread, m_Value12,          m_RunningCostBase,
                                m_RunningCostSpread, m_SpendingFigure,    m_TransferFigure,
                                m_SponsorshipBase,   m_SponsorshipSpread, m_TelevisionBase,
                                m_TelevisionSpread,  m_MerchandisingRate};
    for (double v : positives)
        if (!(v > 0) || !std::isfinite(v)) return "a money figure is not positive";
    if (!std::isfinite(m_PercentageValue)) return "the percentage value is not a number";
    if (m_BaseCount < 1 || m_CrowdBase < 1) return "a count is below 1";
    if (!m_LevelByte || !m_Byte16 || !m_StandingByte || !m_RenewalByte || !m_StaffLevelRange ||
        !m_ManagerRatingThreshold || !m_UnlistedRefusalChance)
        return "a level byte is 0";
    if (!m_BandA[0] || !m_BandB[0] || !m_AbilityBase[0] || !m_AbilitySpread[0])
        return "an ability band starts with 0";
    if (m_BonusBase < 0 || m_BonusSpread < 0 ||
        m_BonusBase + m_BonusSpread >= CPopularityList::kBonusTableSize)
        return "the manager bonus lies outside its table";
    if (m_StaffLevelMinimum + m_StaffLevelRange > 100) return "the staff levels pass 100";
    for (int i = 0; i < kBands; ++i)
        if (m_BandA[i] + m_BandB[i] > 255) return "an upper ability bound passes 255";
    if (m_DownwardStep < 0 || m_UpwardStep < 0) return "a step is negative";
    return {};
}

int CPopularity::Band(int position) { return std::clamp(position, 0, kBands - 1); }

double CPopularity::GetValue(uint8_t percent) const {
    return (Random(static_cast<int>(m_BalanceSpread)) + m_BalanceBase) / 100.0 * percent;
}

double CPopularity::GetBudget(uint8_t percent) const {
    return (Random(static_cast<int>(m_GeneralWagesSpread)) + m_GeneralWagesBase) / 100.0 * percent;
}

int CPopularity::GetRandomAbility(int position) const {
    int b = Band(position);
    return Random(m_AbilitySpread[b]) + m_AbilityBase[b];
}

bool CPopularity::IsAbilityInBand(uint8_t value, int position) const {
    int b = Band(position);
    auto upper = static_cast<uint8_t>(m_BandA[b] + m_BandB[b]);
    return value >= m_AbilityBase[b] && value <= upper;
}

int CPopularity::GetAbilityUpperBound(int position) const {
    int b = Band(position);
    return m_BandA[b] + m_BandB[b];
}

uint8_t CPopularity::GetBandA(int position) const { return m_BandA[Band(position)]; }

uint8_t CPopularity::GetRegenerationByte(int position) const {
    return m_Regeneration[Band(position)];
}

bool CPopularity::FitsAbility(uint8_t ability, int position) const {
    int b = Band(position);
    return ability >= m_AbilityBase[b] - 10 && ability <= m_BandA[b] + m_BandB[b] + 5;
}

int CPopularity::GetTicketPrice() const {
    return static_cast<int>(m_TicketPriceBase) + Random(static_cast<int>(m_TicketPriceSpread));
}

CPopularityList::~CPopularityList() {
    while (!rows_.empty()) rows_.pop_back();
}

bool CPopularityList::Load(FILE* f) {
    rows_.clear();
    int32_t count = LoadCount(f, CPopularity::kFileBytes);
    std::vector<std::unique_ptr<CPopularity>> rows;
    for (int i = 0; i < count && !GameFileDamaged(); ++i) {
        auto row = std::make_unique<CPopularity>();
        row->Read(f);
        if (GameFileDamaged()) break;
        if (std::string why = row->CheckRow(); !why.empty()) {
            MarkGameFileDamaged(why.c_str());
            break;
        }
        rows.push_back(std::move(row));
    }
    if (!GameFileDamaged()) {
        if (count < 1) {
            MarkGameFileDamaged("the popularity table is empty");
        } else {
            // The steps must keep every index inside the table.
            for (int i = 0; i < count; ++i) {
                if (i + rows[i]->m_DownwardStep >= count || i - rows[i]->m_UpwardStep < 0) {
                    MarkGameFileDamaged("a popularity step leaves the table");
                    break;
                }
            }
        }
    }
    if (GameFileDamaged()) return false;
    rows_ = std::move(rows);
    return true;
}

bool CPopularityList::LoadFile(const std::string& path, std::string* why) {
    bool ok = ReadWholeGameFile(path, [this](FILE* f) { return Load(f); }, why);
    if (!ok) rows_.clear();
    return ok;
}

void CPopularityList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& r : rows_) r->Write(f);
}

CPopularity* CPopularityList::GetAt(int index) const {
    if (index < 0 || index >= GetSize()) return nullptr;
    return rows_[static_cast<size_t>(index)].get();
}

const CPopularity& CPopularityList::Row(int index) const {
    assert(index >= 0 && index < GetSize());
    // A bad index reads the nearest row rather than past the table.
    index = std::clamp(index, 0, std::max(0, GetSize() - 1));
    if (rows_.empty()) throw std::out_of_range("popularity table is empty");
    return *rows_[static_cast<size_t>(index)];
}

int CPopularityList::GetStaffLevelMaximum(int index) const {
    const CPopularity& r = Row(index);
    return r.m_StaffLevelMinimum + r.m_StaffLevelRange;
}

int CPopularityList::GetDownwardStep(int index) const {
    int step = Row(index).m_DownwardStep;
    assert(index + step < GetSize());
    return std::min(step, GetSize() - 1 - index);
}

int CPopularityList::GetUpwardStep(int index) const {
    int step = Row(index).m_UpwardStep;
    assert(index - step >= 0);
    return std::min(step, index);
}

double CPopularityList::GetPercentValue(int index, uint8_t percent) const {
    return Row(index).m_PercentageValue / 100.0 * percent;
}

double CPopularityList::GetManagerWage(int index, uint8_t wageFactor, double (*round)(double)) const {
    const CPopularity& r = Row(index);
    double weekly = (Random(static_cast<int>(r.m_ManagerWageSpread)) + r.m_ManagerWageBase) / 100.0 *
                    wageFactor;
    if (round) weekly = round(weekly);
    return weekly * 52;
}

int CPopularityList::GetManagerBonus(int index) const {
    const CPopularity& r = Row(index);
    int i = std::clamp(r.m_BonusBase + Random(r.m_BonusSpread), 0, kBonusTableSize - 1);
    return kManagerBonusIds[i];
}

int CPopularityList::GetAttendance(uint8_t k, uint8_t hp, uint8_t ap, uint8_t hn, uint8_t an,
                                   uint8_t b, int capacity, double x, int hi, int ai,
                                   double factor) const {
    assert(capacity >= 1);
    assert(x > -1.0);
    (void)capacity;
    if (x > 99.9) return 1;
    const int H = GetCrowdBase(hi);
    const int A = GetCrowdBase(ai);
    int a = Random(H / 4) + H / 2 + Random(A / 5) + static_cast<int>(A / 2.5);
    if (k <= 2) {
        a += Random(a / 10);
    } else {
        if (hp == 2 || hp == 3) a += H / 10;
        if (hp == 1) a += H / 5;
        if (ap < 4) a += A / 6;
        if (hp > hn - 3) a -= H / 10;
        if (ap > an - 3) a -= A / 6;
        if (hp < 4 && ap < 4) a += a / 10;
        if (ap == 1) a += A / 10;
    }
    a += Random(a / 5) * b;
    if (hi > ai) a -= Random(a / 10);
    assert(factor > 0);
    return static_cast<int>(factor * a);
}

CPopularityList::CPopularityList(const std::string& gamePath) {
    FILE* f = OpenDataFile(gamePath);
    Load(f);
    CloseDataFile(f, gamePath);
}
