#pragma once
// The person and transfer-market pages: the hub (102), person information
// (60), the negotiations (22, 23, 62), scouts (37), the transfer list (47)
// and the transfer logs (24, 93, 117). One class serves them all;
// g_nScreenId at construction says which. Its set-up builds the page from
// the screen tables.
#include "shell/screensinfo.h"
#include "soccerclasses/personidentity.h"

class CPlayerScreen : public CScreensInfo {
public:
    void Initialise() override;
    void SetPageParams(const PageParams& params) override;
    // The subject by identity (index, owner, list kind); made again from it,
    // a page whose identity names nobody shows "No Data Available".
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;
    // Help tells a loan from a transfer (22) and the person's kind (60).
    void GetHelpModes(HelpModes& modes) const override;

    // The subject: the person shown, a value that travels with him (a
    // contract's fee, a sale's bid) and his kind (the person list kinds).
    void* m_pSubject = nullptr;
    intptr_t m_nSubjectValue = 0;
    int m_nSubjectKind = 0;
    // The offer: 1 a loan; the seller's or the agreed sell-on; the buyer (23).
    uint8_t m_bOfferMode = 0;
    uint8_t m_nSellOn = 0;
    intptr_t m_nBuyingClub = -1;
    PersonIdentity m_SubjectId;
    // Made again from an entry whose identity names nobody.
    bool m_bSubjectGone = false;
};
