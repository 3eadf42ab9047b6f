#include "screens/youthscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeYouthScreen() { return new CYouthScreen(); }

}  // namespace

void CYouthScreen::Initialise() { BuildScreen(g_nScreenId); }

int CYouthScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CYouthScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CYouthScreen::GetPageFactory() const { return &MakeYouthScreen; }

void RegisterYouthScreen() { RegisterPageFactory(PageClass::Youth, &MakeYouthScreen); }
