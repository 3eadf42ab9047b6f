#include "screens/manprofscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeManProfScreen() { return new CManProfScreen(); }

}  // namespace

void CManProfScreen::Initialise() { BuildScreen(g_nScreenId); }

int CManProfScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CManProfScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CManProfScreen::GetPageFactory() const { return &MakeManProfScreen; }

void RegisterManProfScreen() { RegisterPageFactory(PageClass::ManProf, &MakeManProfScreen); }
