#include "soccerclasses/currency.h"

#include <cmath>
#include <cstdlib>

#include "platform/msgformat.h"
#include "platform/profile.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

namespace {

CurrencyDisplay& Display() {
    static CurrencyDisplay display;
    return display;
}

bool OwnCurrency() { return Display().option == 1; }

std::string WithSymbol(const CCurrency& c, const std::string& figure) {
    std::string symbol;
    c.GetSymbol(symbol);
    return c.IsSymbolAfter() == 0 ? symbol + figure : figure + symbol;
}

}  // namespace

CurrencyDisplay& GetCurrencyDisplay() { return Display(); }
void ResetCurrencyDisplay() { Display() = CurrencyDisplay(); }

void ReadCurrencyOptions() {
    CurrencyDisplay& d = Display();
    d.option = platform::GetProfileInt("Options", "Currency", 1) != 0 ? 1 : 0;
    int choice = platform::GetProfileInt("Options", "Exchange", 1);
    d.exchangeChoice = static_cast<uint8_t>(choice < 0 ? 0 : choice > 9 ? 9 : choice);
}

void WriteCurrencyOptions() {
    platform::WriteProfileInt("Options", "Currency", Display().option);
    platform::WriteProfileInt("Options", "Exchange", Display().exchangeChoice);
}

void SetDisplayCurrency(const CCurrency& c) {
    CurrencyDisplay& d = Display();
    d.rate = c.GetOwnRate() != 0 ? c.GetOwnRate() : 1.0;
    c.GetOwnSymbol(d.symbol);
    d.symbolAfter = c.IsOwnSymbolAfter();
    d.separatorFlag = c.GetOwnSeparatorFlag();
    d.abbreviate = c.GetOwnAbbreviate();
    d.suffix = "t";
}

CCurrency::CCurrency(uint8_t id, std::string symbol, uint8_t symbolAfter, int32_t separatorFlag, double rate,
                     int32_t abbreviate)
    : m_Id(id),
      m_Symbol(std::move(symbol)),
      m_SymbolAfter(symbolAfter),
      m_SeparatorFlag(separatorFlag),
      m_Rate(rate),
      m_Abbreviate(abbreviate) {}

CCurrency::CCurrency(FILE* file) {
    m_Id = LoadByte(file);
    m_Symbol.Load(file);
    m_SymbolAfter = LoadByte(file);
    m_SeparatorFlag = LoadInt32(file);
    m_Rate = LoadDouble(file);
    m_Abbreviate = LoadInt32(file);
    // The list keeps the file's rates as they are: the display rate applies
    // only where money is shown, so changing it never drifts a rate.
    if (!(std::isfinite(m_Rate) && m_Rate > 0)) {
        MarkGameFileDamaged("currency rate");
        m_Rate = 1.0;
    }
}

void CCurrency::WriteStartupRecord(FILE* file) const {
    SaveByte(file, m_Id);
    m_Symbol.Save(file);
    SaveByte(file, m_SymbolAfter);
    SaveInt32(file, m_SeparatorFlag);
    SaveDouble(file, m_Rate);
    SaveInt32(file, m_Abbreviate);
}

void CCurrency::GetSymbol(std::string& out) const { out = OwnCurrency() ? static_cast<const std::string&>(m_Symbol) : Display().symbol; }
uint8_t CCurrency::IsSymbolAfter() const { return OwnCurrency() ? m_SymbolAfter : Display().symbolAfter; }
int32_t CCurrency::GetAbbreviate() const { return OwnCurrency() ? m_Abbreviate : Display().abbreviate; }
int32_t CCurrency::GetSeparatorFlag() const { return OwnCurrency() ? m_SeparatorFlag : Display().separatorFlag; }
void CCurrency::GetSuffix(std::string& out) const { out = OwnCurrency() ? static_cast<const std::string&>(m_Suffix) : Display().suffix; }
double CCurrency::GetRate() const { return OwnCurrency() ? m_Rate : Display().rate; }

void CCurrency::FormatMoney(std::string& out, double amount) const {
    std::string printed = platform::StrPrintf("%.0f", amount * GetRate());
    char separator = GetSeparatorFlag() == 0 ? ',' : '.';
    std::string grouped;
    int digits = 0;
    for (auto it = printed.rbegin(); it != printed.rend(); ++it) {
        if (*it >= '0' && *it <= '9') {
            if (++digits == 4) {
                digits = 1;
                grouped += separator;
            }
        }
        grouped += *it;
    }
    std::string text(grouped.rbegin(), grouped.rend());
    if (text.size() > 7 && GetAbbreviate() == 1) {
        std::string millions = std::string("000") + separator + "000";
        if (text.compare(text.size() - 7, 7, millions) == 0)
            text = text.substr(0, text.size() - 8) + "m";
        else
            text = text.substr(0, text.size() - 4) + "t";
    }
    out = WithSymbol(*this, text);
}

void CCurrency::FormatMoneyDecimals(std::string& out, double amount) const {
    out = WithSymbol(*this, platform::StrPrintf("%.2f", amount * GetRate()));
}

double CCurrency::ThousandsOf(double amount) {
    std::string printed = platform::StrPrintf("%.0f", amount);
    if (printed.size() <= 3) return 0.0;
    return static_cast<double>(std::atoi(printed.substr(0, printed.size() - 3).c_str()));
}

CCurrencyList::CCurrencyList() {
    FILE* f = OpenDataFile(kCurrencyFile);
    Read(f);
    CloseDataFile(f, kCurrencyFile);
}

void CCurrencyList::Read(FILE* file) {
    RemoveAll();
    // A record is at least an id, an empty symbol, the flags and the rate.
    int32_t n = LoadCount(file, 1 + 4 + 1 + 4 + 8 + 4);
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) Add(std::make_unique<CCurrency>(file));
}

void CCurrencyList::WriteStartupFile(FILE* file) const {
    SaveInt32(file, GetSize());
    for (const auto& c : *this) c->WriteStartupRecord(file);
}

const CCurrency& CCurrencyList::At(int currency) const {
    const CCurrency* c = GetAt(currency);
    // Country.bin is checked against this list when read, so a miss is a bug.
    if (!c) throw std::out_of_range("currency index " + std::to_string(currency));
    return *c;
}

double CCurrencyList::ToBaseMoney(int currency, double amount) const { return amount / At(currency).GetRate(); }
double CCurrencyList::ToLocalMoney(int currency, double amount) const { return amount * At(currency).GetRate(); }
int32_t CCurrencyList::ToBaseWhole(int currency, uint32_t amount) const {
    return static_cast<int32_t>(std::trunc(amount / At(currency).GetRate()));
}
void CCurrencyList::FormatMoney(std::string& out, int currency, double amount) const {
    At(currency).FormatMoney(out, amount);
}
void CCurrencyList::FormatMoneyDecimals(std::string& out, int currency, double amount) const {
    At(currency).FormatMoneyDecimals(out, amount);
}

double RoundMoney(double amount, const CCountry* country) {
    if (!country) return amount;
    return country->ToBaseMoney(RoundToNiceAmount(country->ToLocalMoney(amount)));
}
