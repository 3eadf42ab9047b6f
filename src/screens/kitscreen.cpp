#include "screens/kitscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeKitScreen() { return new CKitScreen(); }

}  // namespace

void CKitScreen::Initialise() { BuildScreen(g_nScreenId); }

int CKitScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CKitScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CKitScreen::GetPageFactory() const { return &MakeKitScreen; }

void RegisterKitScreen() { RegisterPageFactory(PageClass::Kit, &MakeKitScreen); }
