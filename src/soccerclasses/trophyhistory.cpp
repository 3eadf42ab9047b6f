#include "soccerclasses/trophyhistory.h"

#include "platform/msgformat.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/listrows.h"

std::string CTrophyHistory::GetPicturePath() const {
    return platform::StrPrintf(IsCup() ? "gfx\\trophies\\cup\\trophy%02d.bmp" : "gfx\\trophies\\division\\trophy%02d.bmp",
                               m_Picture);
}

void CTrophyHistoryList::AddWinnerHonour(const std::string& title, const std::string& extra, const std::string& detail,
                                         uint8_t picture, uint8_t isCup) {
    m_Items.push_back(std::make_unique<CTrophyHistory>(title, extra, detail, picture,
                                                       isCup == 1 ? CTrophyHistory::kCupWin : CTrophyHistory::kLeagueTitle));
}

void CTrophyHistoryList::AddRunnerUpHonour(const std::string& title, const std::string& extra,
                                           const std::string& detail, uint8_t picture, uint8_t isCup) {
    m_Items.push_back(std::make_unique<CTrophyHistory>(
        title, extra, detail, picture, isCup == 1 ? CTrophyHistory::kCupRunnerUp : CTrophyHistory::kLeagueRunnerUp));
}

void CTrophyHistoryList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& h : m_Items) {
        h->m_Title.Save(f);
        h->m_Detail.Save(f);
        h->m_Extra.Save(f);
        SaveByte(f, h->m_Picture);
        SaveByte(f, h->m_Kind);
    }
}

void CTrophyHistoryList::Load(FILE* f) {
    int32_t n = LoadCount(f, 14);
    if (n < 1) {
        m_Items.clear();
        return;
    }
    m_Items.resize(static_cast<size_t>(n));
    for (auto& h : m_Items) {
        if (!h) h = std::make_unique<CTrophyHistory>();
        h->m_Title.Load(f);
        h->m_Detail.Load(f);
        h->m_Extra.Load(f);
        h->m_Picture = LoadByte(f);
        h->m_Kind = LoadByte(f);
        // Kinds beyond the four have no picture folder or column.
        if (h->m_Kind > CTrophyHistory::kCupRunnerUp) MarkGameFileDamaged("honour kind");
    }
}

void CTrophyHistoryList::FillListControl(CListRows& rows) const {
    rows.ResetContent();
    // Rows tall enough for the trophy pictures.
    if (!m_Items.empty()) rows.SetRowSetting(5);
    for (const auto& h : m_Items) {
        int row = rows.AddRow("", 0, 0, 0);
        rows.SetRowColour(row, 0xFFFFFF);
        rows.SetItemBitmap(row, 0, h->GetPicturePath());
        rows.SetItem(row, 1, h->m_Title);
        bool won = h->m_Kind == CTrophyHistory::kLeagueTitle || h->m_Kind == CTrophyHistory::kCupWin;
        rows.SetItem(row, won ? 2 : 3, h->m_Detail);
    }
}
