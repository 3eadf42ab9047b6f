#include "screens/statsscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeStatsScreen() { return new CStatsScreen(); }

}  // namespace

void CStatsScreen::Initialise() { BuildScreen(g_nScreenId); }

int CStatsScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CStatsScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CStatsScreen::GetPageFactory() const { return &MakeStatsScreen; }

void RegisterStatsScreen() { RegisterPageFactory(PageClass::Stats, &MakeStatsScreen); }
