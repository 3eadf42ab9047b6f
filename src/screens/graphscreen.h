#pragma once
// The graphs: attendance (28), league positions (33) and the accounts chart (113).
// One class serves these pages; g_nScreenId at construction says which.
// Its set-up builds the page from the screen tables.
#include "shell/screensinfo.h"

class CGraphScreen : public CScreensInfo {
public:
    void Initialise() override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
