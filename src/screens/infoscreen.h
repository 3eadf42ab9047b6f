#pragma once
// The information section: the hub (105), Highest Gates (77), Man of the
// Match (78), the match summary (16), the day's results (118) and a
// competition's description (119). One class serves these pages;
// g_nScreenId at construction says which. Its set-up builds the page from
// the screen tables.
#include <string>

#include "shell/screensinfo.h"
#include "soccerclasses/matchtime.h"

class CInfoScreen : public CScreensInfo {
public:
    void Initialise() override;
    void SetPageParams(const PageParams& params) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    // The match to summarise (16), as the day step gives it: the first
    // value, or else the last, the competition's text, four values and
    // the date.
    int m_nSummaryFirst = 0;
    int m_nSummaryLast = 0;
    std::string m_strSummaryText;
    int m_nSummaryA = 0, m_nSummaryB = 0, m_nSummaryC = 0, m_nSummaryD = 0;
    CMatchTime m_SummaryDate;
    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
