#include "soccerclasses/news.h"

#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"

CNews::CNews(unsigned textId, uint8_t category, const std::string& date)
    : m_Text(platform::LoadString(textId)), m_Date(date), m_Category(category) {}

void CNewsList::GetLines(std::vector<std::string>& out, const std::string& date) const {
    for (const auto& n : *this)
        if (n->m_Category == 0 && (date.empty() || n->m_Date == date)) out.push_back(n->m_Text);
}

int CNewsList::Trim(int n) {
    while (GetSize() > n && GetSize() > 0) RemoveAt(0);
    return GetSize();
}

void CNewsList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& n : *this) {
        n->m_Text.Save(f);
        SaveByte(f, n->m_Category);
        n->m_Date.Save(f);
    }
}

void CNewsList::Load(FILE* f) {
    int32_t n = LoadCount(f, 9);
    while (GetSize() > n) RemoveAt(GetSize() - 1);
    while (GetSize() < n) OwningList::Add(std::make_unique<CNews>());
    for (const auto& item : *this) {
        item->m_Text.Load(f);
        item->m_Category = LoadByte(f);
        item->m_Date.Load(f);
    }
}
