#include "screens/graphscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeGraphScreen() { return new CGraphScreen(); }

}  // namespace

void CGraphScreen::Initialise() { BuildScreen(g_nScreenId); }

int CGraphScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CGraphScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CGraphScreen::GetPageFactory() const { return &MakeGraphScreen; }

void RegisterGraphScreen() { RegisterPageFactory(PageClass::Graph, &MakeGraphScreen); }
