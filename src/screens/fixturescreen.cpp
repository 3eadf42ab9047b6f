#include "screens/fixturescreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeFixtureScreen() { return new CFixtureScreen(); }

}  // namespace

void CFixtureScreen::Initialise() { BuildScreen(g_nScreenId); }

int CFixtureScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CFixtureScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CFixtureScreen::GetPageFactory() const { return &MakeFixtureScreen; }

void RegisterFixtureScreen() { RegisterPageFactory(PageClass::Fixture, &MakeFixtureScreen); }
