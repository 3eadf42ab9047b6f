#pragma once
// The fixtures section: the hub (104), the cup and league schedules (1, 2, 17, 18), the cup route (75) and the friendlies (53).
// One class serves these pages; g_nScreenId at construction says which.
// Its set-up builds the page from the screen tables.
#include "shell/screensinfo.h"

class CFixtureScreen : public CScreensInfo {
public:
    void Initialise() override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
