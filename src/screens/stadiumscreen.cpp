#include "screens/stadiumscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeStadiumScreen() { return new CStadiumScreen(); }

}  // namespace

void CStadiumScreen::Initialise() { BuildScreen(g_nScreenId); }

int CStadiumScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CStadiumScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CStadiumScreen::GetPageFactory() const { return &MakeStadiumScreen; }

void RegisterStadiumScreen() { RegisterPageFactory(PageClass::Stadium, &MakeStadiumScreen); }
