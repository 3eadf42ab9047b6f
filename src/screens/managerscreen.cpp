#include "screens/managerscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeManagerScreen() { return new CManagerScreen(); }

}  // namespace

void CManagerScreen::Initialise() { BuildScreen(g_nScreenId); }

void CManagerScreen::SetPageParams(const PageParams& params) {
    if (const auto* p = std::get_if<VacancyPageParams>(&params)) m_pVacancyClub = p->club;
}

int CManagerScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CManagerScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CManagerScreen::GetPageFactory() const { return &MakeManagerScreen; }

void RegisterManagerScreen() { RegisterPageFactory(PageClass::Manager, &MakeManagerScreen); }
