#include "screens/disciplinescreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeDisciplineScreen() { return new CDisciplineScreen(); }

}  // namespace

void CDisciplineScreen::Initialise() { BuildScreen(g_nScreenId); }

int CDisciplineScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CDisciplineScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CDisciplineScreen::GetPageFactory() const { return &MakeDisciplineScreen; }

void RegisterDisciplineScreen() { RegisterPageFactory(PageClass::Discipline, &MakeDisciplineScreen); }
