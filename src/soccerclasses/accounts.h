#pragma once
// A club's accounts: 17 finance categories with a week and a season figure.
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <string>

enum AccountsCategory : uint8_t {
    kTelevisionIncome = 0,
    kLoanRepayments = 1,
    kTransferIncome = 2,
    kTransferExpenditure = 3,
    kGeneralExpenditure = 4,
    kGateReceipts = 5,
    kRunningCosts = 6,
    kSecurityCharges = 7,
    kGeneralWages = 8,
    kMerchandisingIncome = 9,
    kSponsorship = 10,
    kManagerWages = 11,
    kYouthSquadWages = 12,
    kEmployeeWages = 13,
    kPlayerWages = 14,
    kBuildingWork = 15,
    kBankInterest = 16,
};

struct CAccountsItem {
    uint8_t category = 0;
    uint8_t income = 0;
    double weekFigure = 0.0;
    double seasonFigure = 0.0;
};

class CAccountsItemList {
public:
    static constexpr int kItems = 17;
    CAccountsItemList();

    void AddToItem(int category, double amount);
    void ResetWeek();
    void ResetSeason();
    double GetSeasonFigure(int category) const;
    double GetWeekFigure(int category) const;
    CAccountsItem& GetItem(int category) { return items_.at(static_cast<size_t>(category)); }

    int CountIncomeItems() const;
    int CountExpenditureItems() const;
    // String id of the n-th income / expenditure category.
    uint32_t GetIncomeItemName(int n) const;
    uint32_t GetExpenditureItemName(int n) const;
    void GetWeekIncome(double* out) const;
    void GetWeekExpenditure(double* out) const;
    void GetSeasonIncome(double* out) const;
    void GetSeasonExpenditure(double* out) const;
    // The week or season statement as list rows: column 0 the name, column 1
    // income, column 2 expenditure; colour 0x00BBGGRR. Amounts are whole
    // numbers in the money `toLocal` converts to.
    struct StatementRow {
        std::string name;
        std::string income;
        std::string expenditure;
        uint32_t colour = 16777215;
    };
    template <typename ToLocal>
    std::vector<StatementRow> GetStatement(bool season, ToLocal toLocal) const;

    void Save(FILE* f) const;
    void Load(FILE* f);

    // String ids of the category names.
    static uint32_t GetCategoryName(int category);
    static std::string StatementName(uint32_t id);

private:
    std::array<CAccountsItem, kItems> items_;
    void CopyOut(double* out, bool income, bool season) const;
    const CAccountsItem* NthItem(int n, bool income) const;
};

template <typename ToLocal>
std::vector<CAccountsItemList::StatementRow> CAccountsItemList::GetStatement(bool season, ToLocal toLocal) const {
    std::vector<StatementRow> rows;
    long long income = 0, expenditure = 0, net = 0;
    auto amount = [&](const CAccountsItem& item) {
        return static_cast<long long>(toLocal(season ? item.seasonFigure : item.weekFigure));
    };
    auto name = [](int category) { return StatementName(GetCategoryName(category)); };
    for (const auto& item : items_) {
        if (!item.income) continue;
        const long long a = amount(item);
        rows.push_back({name(item.category), std::to_string(a), "", 16777215});
        income += a;
        net += a;
    }
    rows.push_back({StatementName(483), std::to_string(income), "", 65535});
    rows.push_back({});
    for (const auto& item : items_) {
        if (item.income) continue;
        const long long a = amount(item);
        rows.push_back({name(item.category), "", std::to_string(a), 16777215});
        expenditure += a;
        net -= a;
    }
    rows.push_back({StatementName(484), "", std::to_string(expenditure), 255});
    rows.push_back({});
    if (net < 0) rows.push_back({StatementName(401), "", std::to_string(net), 255});
    else rows.push_back({StatementName(401), std::to_string(net), "", 65535});
    return rows;
}
