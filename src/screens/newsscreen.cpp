#include "screens/newsscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeNewsScreen() { return new CNewsScreen(); }

}  // namespace

void CNewsScreen::Initialise() { BuildScreen(g_nScreenId); }

int CNewsScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CNewsScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CNewsScreen::GetPageFactory() const { return &MakeNewsScreen; }

void RegisterNewsScreen() { RegisterPageFactory(PageClass::News, &MakeNewsScreen); }
