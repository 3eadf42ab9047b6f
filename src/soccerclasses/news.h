#pragma once
// News items: one finished line each, with its date text and a category.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CNews {
public:
    CNews() = default;
    CNews(const std::string& text, uint8_t category, const std::string& date)
        : m_Text(text), m_Date(date), m_Category(category) {}
    CNews(unsigned textId, uint8_t category, const std::string& date);

    const CExtString& GetText() const { return m_Text; }
    const CExtString& GetDate() const { return m_Date; }
    uint8_t GetCategory() const { return m_Category; }

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    CExtString m_Text;
    CExtString m_Date;
    uint8_t m_Category = 0;
};

class CNewsList : public OwningList<CNews> {
public:
    void Add(const std::string& text, uint8_t category, const std::string& date) {
        OwningList::Add(std::make_unique<CNews>(text, category, date));
    }
    void Add(unsigned textId, uint8_t category, const std::string& date) {
        OwningList::Add(std::make_unique<CNews>(textId, category, date));
    }
    // Category-0 texts of that date, oldest first; all dates when `date` is empty.
    void GetLines(std::vector<std::string>& out, const std::string& date) const;
    int Trim(int n);
    void DeleteAll() { RemoveAll(); }

    // int32 count, then per item its text, category byte and date.
    void Save(FILE* file) const;
    void Load(FILE* file);
};
