#pragma once
// The manager section: the hub (99), Manager of the Month (45), Manager
// Honours (70) and Manager Vacancies (116). One class serves these pages;
// g_nScreenId at construction says which. Its set-up builds the page from
// the screen tables.
#include "shell/screensinfo.h"

class CManagerScreen : public CScreensInfo {
public:
    void Initialise() override;
    void SetPageParams(const PageParams& params) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    // The club whose post model code offers (116), while it waits.
    void* m_pVacancyClub = nullptr;
    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
