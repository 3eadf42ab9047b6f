#include "screens/playerscreen.h"

#include "screens/pages.h"
#include "shell/screenmanager.h"

namespace {

CScreen* MakePlayerScreen() { return new CPlayerScreen(); }

}  // namespace

void CPlayerScreen::Initialise() {
    BuildScreen(g_nScreenId);
    if (m_bSubjectGone) ShowNoDataAvailable();
}

void CPlayerScreen::SetPageParams(const PageParams& params) {
    const auto* p = std::get_if<PersonPageParams>(&params);
    if (!p) return;
    m_pSubject = p->subject;
    m_nSubjectValue = p->value;
    m_nSubjectKind = p->kind;
    m_bOfferMode = p->loan;
    m_nSellOn = p->sellOn;
    m_nBuyingClub = p->club;
    m_SubjectId = IdentifyPerson(m_pSubject, m_nSubjectKind);
    m_bSubjectGone = false;
}

int CPlayerScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = {m_SubjectId.index, m_SubjectId.owner, m_SubjectId.kind};
    return 0;
}

void CPlayerScreen::SetHistoryParams(const HistoryState* block) {
    if (!block) return;
    m_SubjectId = {static_cast<int>(block->kind), static_cast<int>(block->owner), static_cast<int>(block->identity)};
    m_nSubjectKind = m_SubjectId.kind;
    m_pSubject = FindPerson(m_SubjectId);
    m_bSubjectGone = m_SubjectId.index >= 0 && !m_pSubject;
}

void CPlayerScreen::GetHelpModes(HelpModes& modes) const {
    modes.negotiationSecondMode = m_bOfferMode;
    modes.personKind = m_nSubjectKind;
}

PageFactory CPlayerScreen::GetPageFactory() const { return &MakePlayerScreen; }

void RegisterPlayerScreen() { RegisterPageFactory(PageClass::Player, &MakePlayerScreen); }
