#pragma once
// News items: one finished line each, with its date text and a category.
// Only category 0 lines are shown; the others are kept, trimmed and saved.
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
    // The texts of the ordinary lines of `date` (every date when empty),
    // oldest first.
    void GetLines(std::vector<std::string>& out, const std::string& date) const;
    // Drops the oldest items beyond n; the number left.
    int Trim(int n);
    void DeleteAll() { RemoveAll(); }

    void Save(FILE* file) const;
    void Load(FILE* file);
};
