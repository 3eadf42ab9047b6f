#include "screens/financescreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeFinanceScreen() { return new CFinanceScreen(); }

}  // namespace

void CFinanceScreen::Initialise() { BuildScreen(g_nScreenId); }

int CFinanceScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CFinanceScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CFinanceScreen::GetPageFactory() const { return &MakeFinanceScreen; }

void RegisterFinanceScreen() { RegisterPageFactory(PageClass::Finance, &MakeFinanceScreen); }
