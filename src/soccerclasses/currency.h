#pragma once
// Currencies and money text. All money is held in one base unit (the pound
// sterling); a currency converts it for display and back.
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CCountry;

inline constexpr const char* kCurrencyFile = "Data\\Currency.bin";

class CCurrency {
public:
    CCurrency() = default;
    CCurrency(uint8_t id, std::string symbol, uint8_t symbolAfter, int32_t separatorFlag, double rate,
              int32_t abbreviate);
    // One record of "Data\\Currency.bin"; a rate that is not a positive,
    // finite number marks the file damaged.
    explicit CCurrency(FILE* file);
    void WriteStartupRecord(FILE* file) const;

    uint8_t GetId() const { return m_Id; }
    void GetSymbol(std::string& out) const;
    void GetOwnSymbol(std::string& out) const { out = m_Symbol; }
    uint8_t IsSymbolAfter() const;
    uint8_t IsOwnSymbolAfter() const { return m_SymbolAfter; }
    int32_t GetAbbreviate() const;
    int32_t GetOwnAbbreviate() const { return m_Abbreviate; }
    int32_t GetSeparatorFlag() const;
    int32_t GetOwnSeparatorFlag() const { return m_SeparatorFlag; }
    void GetSuffix(std::string& out) const;
    double GetRate() const;          // effective
    double GetOwnRate() const { return m_Rate; }

    void FormatMoney(std::string& out, double amount) const;
    void FormatMoneyDecimals(std::string& out, double amount) const;
    static double ThousandsOf(double amount);

private:
    uint8_t m_Id = 0;
    CExtString m_Symbol;
    uint8_t m_SymbolAfter = 0;
    int32_t m_SeparatorFlag = 0;
    double m_Rate = 1.0;
    int32_t m_Abbreviate = 0;
    CExtString m_Suffix = "t";
};

class CCurrencyList : public OwningList<CCurrency> {
public:
    // Reads "Data\\Currency.bin"; throws DataFileError when it is missing or damaged.
    CCurrencyList();
    struct Empty {};
    explicit CCurrencyList(Empty) {}

    // Reads the records of an open channel file (count first).
    void Read(FILE* file);
    void WriteStartupFile(FILE* file) const;

    double ToBaseMoney(int currency, double amount) const;
    double ToLocalMoney(int currency, double amount) const;
    int32_t ToBaseWhole(int currency, uint32_t amount) const;
    void FormatMoney(std::string& out, int currency, double amount) const;
    void FormatMoneyDecimals(std::string& out, int currency, double amount) const;

private:
    const CCurrency& At(int currency) const;
};

// The amount rounded to a tidy figure of the country's currency, in base money.
double RoundMoney(double amount, const CCountry* country);

// The display currency: under the "Currency" option 0, all money shows in it.
struct CurrencyDisplay {
    uint8_t option = 1;          // 1: each country's own currency
    uint8_t exchangeChoice = 1;  // 0..9 into kExchangeTable
    double rate = 1.0;
    std::string symbol = "\xA3";
    uint8_t symbolAfter = 0;
    int32_t separatorFlag = 0;
    int32_t abbreviate = 0;
    std::string suffix = "t";
};

// The countries whose currencies the exchange choice picks.
inline constexpr int kExchangeTable[10] = {181, 55, 62, 67, 86, 160, 121, 137, 69, 142};

CurrencyDisplay& GetCurrencyDisplay();
void ResetCurrencyDisplay();
// Reads "Options"/"Currency" and "Options"/"Exchange" from the profile; the
// exchange choice is clamped to 0..9. The display rate stays as it is (1.0
// until countries exist): an exchange index is not a rate.
void ReadCurrencyOptions();
void WriteCurrencyOptions();
// The display currency becomes `currency` (its file rate, symbol and flags).
void SetDisplayCurrency(const CCurrency& currency);
