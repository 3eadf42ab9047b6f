#pragma once
// The club section: the hub (101), Club Information (9) and Club Honours (71).
// One class serves these pages; g_nScreenId at construction says which.
// Its set-up builds the page from the screen tables.
#include "shell/screensinfo.h"

class CYouthScreen : public CScreensInfo {
public:
    void Initialise() override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
