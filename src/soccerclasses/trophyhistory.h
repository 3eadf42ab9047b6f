#pragma once
// Honours: titles and runner-up places in leagues and cups.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/extstring.h"

class CTrophyHistory {
public:
    enum Kind : uint8_t { kLeagueTitle = 0, kLeagueRunnerUp = 1, kCupWin = 2, kCupRunnerUp = 3 };

    CTrophyHistory() = default;
    CTrophyHistory(const std::string& title, const std::string& extra, const std::string& detail, uint8_t picture,
                   uint8_t kind)
        : m_Title(title), m_Detail(detail), m_Extra(extra), m_Kind(kind), m_Picture(picture) {}
    virtual ~CTrophyHistory() = default;

    bool IsCup() const { return m_Kind == kCupWin || m_Kind == kCupRunnerUp; }
    // "gfx\\trophies\\division\\trophy07.bmp" or the cup one.
    std::string GetPicturePath() const;

    CExtString m_Title;
    CExtString m_Detail;
    CExtString m_Extra;
    uint8_t m_Kind = 0;
    uint8_t m_Picture = 0;
};

class CListRows;

class CTrophyHistoryList {
public:
    int GetSize() const { return static_cast<int>(m_Items.size()); }
    CTrophyHistory* GetAt(int i) const { return m_Items.at(static_cast<size_t>(i)).get(); }

    void AddWinnerHonour(const std::string& title, const std::string& extra, const std::string& detail,
                         uint8_t picture, uint8_t isCup);
    void AddRunnerUpHonour(const std::string& title, const std::string& extra, const std::string& detail,
                           uint8_t picture, uint8_t isCup);

    // One white row per honour: picture, title, and the detail in column 2
    // for a win or column 3 for a runner-up place.
    void FillListControl(CListRows& rows) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CTrophyHistory>> m_Items;
};
