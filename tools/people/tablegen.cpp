// The people tables from their anchors: rows between anchors are
// interpolated, and each table passes the game's reading checks.
#include "tablegen.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "../common/toolio.h"

namespace fs = std::filesystem;

namespace {


std::vector<std::vector<double>> ReadNumbers(const fs::path& file, size_t columns,
                                             std::string* firstWord = nullptr) {
    std::vector<std::vector<double>> rows;
    for (const auto& l : toolio::ReadAssetLines(file)) {
        std::istringstream in(l.text);
        std::vector<double> row;
        std::string word;
        while (in >> word) {
            if (firstWord && row.empty() && !std::isdigit(static_cast<unsigned char>(word[0]))) {
                *firstWord += word[0];
                continue;
            }
            try {
                row.push_back(std::stod(word));
            } catch (...) {
                toolio::Fail(file.string() + ":" + std::to_string(l.number) + ": not a number: " + word);
            }
        }
        if (row.size() != columns)
            toolio::Fail(file.string() + ":" + std::to_string(l.number) + ": expected " +
                         std::to_string(columns) + " numbers");
        rows.push_back(row);
    }
    return rows;
}

// Anchors (x, y...) sorted by x; value of column c at x, geometric or linear.
double Interpolate(const std::vector<std::vector<double>>& anchors, double x, size_t c, bool geometric) {
    for (size_t i = 1; i < anchors.size(); ++i) {
        const auto& a = anchors[i - 1];
        const auto& b = anchors[i];
        if (x <= b[0]) {
            double t = (x - a[0]) / (b[0] - a[0]);
            if (geometric) return a[c] * std::pow(b[c] / a[c], t);
            return a[c] + (b[c] - a[c]) * t;
        }
    }
    return anchors.back()[c];
}

uint8_t Byte(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

CPopularity MakePopularityRow(const std::vector<std::vector<double>>& anchors, int i, int rows) {
    const double ability = Interpolate(anchors, i, 1, false);
    const double balance = Interpolate(anchors, i, 2, true);
    const double crowd = Interpolate(anchors, i, 3, true);
    const double manager = Interpolate(anchors, i, 4, true);
    const double ticket = Interpolate(anchors, i, 5, true);
    const double youth = Interpolate(anchors, i, 6, true);
    auto round = [](double v, double step) { return std::max(step, std::round(v / step) * step); };

    CPopularity r;
    r.m_BaseValue = round(balance * 0.5, 1000);
    r.m_ManagerWageBase = round(manager, 10);
    r.m_ManagerWageSpread = round(manager * 0.4, 10);
    r.m_YouthWage = std::round(youth * 100) / 100;
    r.m_TicketPriceBase = std::round(ticket);
    r.m_TicketPriceSpread = std::max(1.0, std::round(ticket * 0.4));
    r.m_BalanceBase = round(balance, 1000);
    r.m_BalanceSpread = round(balance * 0.5, 1000);
    r.m_GeneralWagesBase = round(balance * 0.002, 10);
    r.m_GeneralWagesSpread = round(balance * 0.0005, 10);
    r.m_BaseCount = static_cast<int32_t>(round(crowd * 1.2, 10));
    r.m_Value12 = round(balance * 0.1, 100);
    r.m_RunningCostBase = round(crowd * 1.5, 10);
    r.m_RunningCostSpread = round(crowd * 0.3, 10);
    r.m_LevelByte = Byte(std::min(99.0, ability + 10));
    r.m_Byte16 = Byte(ability);
    r.m_StandingByte = Byte(std::min(99.0, ability + 8));
    r.m_RenewalByte = Byte(std::min(99.0, ability + 2));
    r.m_SpendingFigure = round(balance * 0.15, 1000);
    r.m_TransferFigure = round(balance * 0.4, 1000);
    // Big clubs offer a house and a fine car, the smallest nothing at all.
    if (i < 5) {
        r.m_BonusBase = 0, r.m_BonusSpread = 1;
    } else if (i < 15) {
        r.m_BonusBase = 9, r.m_BonusSpread = 4;
    } else if (i < 50) {
        r.m_BonusBase = 3, r.m_BonusSpread = 5;
    } else if (i < 80) {
        r.m_BonusBase = 14, r.m_BonusSpread = 1;
    } else {
        r.m_BonusBase = 2, r.m_BonusSpread = 0;
    }
    r.m_DownwardStep = std::min(5, rows - 1 - i);
    r.m_UpwardStep = std::min(5, i);
    r.m_CrowdBase = static_cast<int32_t>(round(crowd, 10));
    r.m_StaffLevelMinimum = Byte(std::clamp(ability - 22, 10.0, 75.0));
    r.m_StaffLevelRange = Byte(std::min(30.0, 99.0 - r.m_StaffLevelMinimum));
    r.m_PercentageValue = -round(balance * 0.6, 1000);
    // Entries 0..3 serve both as positions (keeper .. attacker) and as
    // strength classes (top .. fourth division): each step down is a few
    // points weaker, which reads sensibly either way.
    for (int e = 0; e < CPopularity::kBands; ++e) {
        double c = ability - 3 * e;
        r.m_Regeneration[e] = static_cast<uint8_t>(6 - e);
        r.m_AbilityBase[e] = Byte(std::max(10.0, c - 14));
        r.m_AbilitySpread[e] = 18;
        r.m_BandA[e] = Byte(c - 4);
        r.m_BandB[e] = Byte(std::min(11.0, 99.0 - r.m_BandA[e]));
    }
    r.m_SponsorshipBase = round(balance * 0.004, 10);
    r.m_SponsorshipSpread = round(balance * 0.002, 10);
    r.m_TelevisionBase = round(balance * 0.003, 10);
    r.m_TelevisionSpread = round(balance * 0.0015, 10);
    r.m_MerchandisingRate = round(crowd * 2, 10);
    r.m_ManagerRatingThreshold = Byte(std::clamp(ability - 3, 10.0, 85.0));
    // About 60% for the biggest club, falling steadily to 15% for the smallest.
    r.m_UnlistedRefusalChance = Byte(std::round(60.0 - 45.0 * i / std::max(1, rows - 1)));
    return r;
}

CPopularityList BuildPopularityImpl(const fs::path& assets) {
    fs::path file = assets / "people" / "popularity.txt";
    int rows = 0;
    std::vector<std::vector<double>> anchors;
    for (const auto& l : toolio::ReadAssetLines(file)) {
        std::istringstream in(l.text);
        std::string first;
        in >> first;
        if (first == "rows") {
            in >> rows;
            continue;
        }
        std::vector<double> row{std::stod(first)};
        double v;
        while (in >> v) row.push_back(v);
        if (row.size() != 7) toolio::Fail(file.string() + ":" + std::to_string(l.number) + ": expected 7 numbers");
        anchors.push_back(row);
    }
    if (rows < 2 || anchors.empty() || anchors.front()[0] != 0 || anchors.back()[0] != rows - 1)
        toolio::Fail(file.string() + ": anchors must run from row 0 to the last row");
    CPopularityList list;
    for (int i = 0; i < rows; ++i) {
        CPopularity r = MakePopularityRow(anchors, i, rows);
        if (std::string why = r.CheckRow(); !why.empty())
            toolio::Fail("popularity row " + std::to_string(i) + ": " + why);
        list.Add(r);
    }
    return list;
}

CSkillMoneyValueList BuildPlayerValueImpl(const fs::path& assets) {
    auto anchors = ReadNumbers(assets / "people" / "playervalue.txt", 5);
    CSkillMoneyValueList list;
    for (int a = 0; a < CSkillMoneyValueList::kAbilities; ++a) {
        double value = Interpolate(anchors, a, 1, true);
        double fee = Interpolate(anchors, a, 2, true);
        double wage = Interpolate(anchors, a, 3, true);
        double staff = Interpolate(anchors, a, 4, true);
        CSkillMoneyValue v;
        v.m_ValueBase = static_cast<int32_t>(std::lround(value * 0.85));
        v.m_ValueSpread = static_cast<int32_t>(std::lround(value * 0.3));
        v.m_FeeBase = static_cast<int32_t>(std::lround(fee * 0.7));
        v.m_FeeSpread = static_cast<int32_t>(std::lround(fee * 0.6));
        v.m_WageBase = std::max<int32_t>(CSkillMoneyValueList::kMinimumWageBase,
                                         static_cast<int32_t>(std::lround(wage * 0.8)));
        v.m_WageSpread = static_cast<int32_t>(std::lround(wage * 0.4));
        v.m_StaffWageBase = static_cast<int32_t>(std::lround(staff * 0.8));
        v.m_StaffWageSpread = static_cast<int32_t>(std::lround(staff * 0.5));
        list.Add(v);
    }
    if (std::string why = list.Check(); !why.empty()) toolio::Fail("PlayerValue: " + why);
    return list;
}

CSoccerPlayerCareerPathList BuildCareerPathsImpl(const fs::path& assets) {
    std::string groups;
    auto lines = ReadNumbers(assets / "people" / "careerpaths.txt", 5, &groups);
    if (groups.size() != lines.size()) toolio::Fail("careerpaths.txt: every line needs its group");
    CSoccerPlayerCareerPathList list;
    int keepers = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (groups[i] == 'G') {
            if (keepers != static_cast<int>(i)) toolio::Fail("careerpaths.txt: goalkeepers come first");
            ++keepers;
        }
        const auto& l = lines[i];
        const double weight = l[0], gain16 = l[1], peak = l[2], lossFrom = l[3], loss40 = l[4];
        CSoccerPlayerCareerPath p;
        p.m_Weight = static_cast<uint8_t>(weight);
        for (int k = 0; k < CSoccerPlayerCareerPath::kAges; ++k) {
            double age = 16 + k;
            p.m_Gain[k] = age <= peak ? gain16 + (1.0 - gain16) * (age - 16) / (peak - 16)
                                      : 1.0 - 0.8 * (age - peak) / (40 - peak);
            p.m_Loss[k] = age <= lossFrom ? 0.5 + 0.5 * (age - 16) / (lossFrom - 16)
                                          : 1.0 + (loss40 - 1.0) * (age - lossFrom) / (40 - lossFrom);
            p.m_Gain[k] = std::round(p.m_Gain[k] * 1000) / 1000;
            p.m_Loss[k] = std::round(p.m_Loss[k] * 1000) / 1000;
        }
        list.Add(p);
    }
    list.SetSecondGroupStart(keepers);
    if (std::string why = list.Check(); !why.empty()) toolio::Fail("CareerPaths: " + why);
    return list;
}

}  // namespace

namespace peoplegen {

CPopularityList BuildPopularity(const fs::path& assets) { return BuildPopularityImpl(assets); }
CSoccerPlayerCareerPathList BuildCareerPaths(const fs::path& assets) { return BuildCareerPathsImpl(assets); }
CSkillMoneyValueList BuildPlayerValue(const fs::path& assets) { return BuildPlayerValueImpl(assets); }

}  // namespace peoplegen
