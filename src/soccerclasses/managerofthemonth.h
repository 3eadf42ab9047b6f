#pragma once
// A division's manager-of-the-month awards of the season.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/extstring.h"

class CListRows;

struct CManagerOfTheMonth {
    CExtString m_Month;
    CExtString m_Manager;
    CExtString m_Club;
};

class CManagerOfTheMonthList {
public:
    CManagerOfTheMonthList() = default;
    ~CManagerOfTheMonthList() { RemoveAll(); }
    CManagerOfTheMonthList(const CManagerOfTheMonthList&) = delete;
    CManagerOfTheMonthList& operator=(const CManagerOfTheMonthList&) = delete;

    int GetSize() const { return static_cast<int>(rows_.size()); }
    const CManagerOfTheMonth* GetAt(int i) const;
    // The club's manager's full name (or its no-manager text) and its name.
    void Add(const std::string& month, const std::string& manager, const std::string& club);
    void RemoveAll();
    // One white row per award: month, manager, club.
    void FillList(CListRows& list) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CManagerOfTheMonth>> rows_;
};
