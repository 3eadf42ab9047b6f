#include "screens/infoscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakeInfoScreen() { return new CInfoScreen(); }

}  // namespace

void CInfoScreen::Initialise() { BuildScreen(g_nScreenId); }

void CInfoScreen::SetPageParams(const PageParams& params) {
    const auto* p = std::get_if<MatchSummaryParams>(&params);
    if (!p) return;
    if (p->first != 0)
        m_nSummaryFirst = p->first;
    else
        m_nSummaryLast = p->last;
    m_strSummaryText = p->text;
    m_nSummaryA = p->a;
    m_nSummaryB = p->b;
    m_nSummaryC = p->c;
    m_nSummaryD = p->d;
    m_SummaryDate = p->date;
}

int CInfoScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CInfoScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

PageFactory CInfoScreen::GetPageFactory() const { return &MakeInfoScreen; }

void RegisterInfoScreen() { RegisterPageFactory(PageClass::Info, &MakeInfoScreen); }
