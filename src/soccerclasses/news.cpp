#include "soccerclasses/news.h"

#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"

CNews::CNews(unsigned textId, uint8_t category, const std::string& date)
    : m_Text(platform::LoadString(textId)), m_Date(date), m_Category(category) {}

void CNews::Save(FILE* file) const {
    m_Text.Save(file);
    SaveByte(file, m_Category);
    m_Date.Save(file);
}

void CNews::Load(FILE* file) {
    m_Text.Load(file);
    m_Category = LoadByte(file);
    m_Date.Load(file);
}

void CNewsList::GetLines(std::vector<std::string>& out, const std::string& date) const {
    for (const auto& n : *this)
        if (n->GetCategory() == 0 && (date.empty() || n->GetDate() == date)) out.push_back(n->GetText());
}

int CNewsList::Trim(int n) {
    while (GetSize() > n) RemoveAt(0);
    return GetSize();
}

void CNewsList::Save(FILE* file) const {
    SaveInt32(file, GetSize());
    for (const auto& n : *this) n->Save(file);
}

void CNewsList::Load(FILE* file) {
    // Each item takes at least two lengths and its category.
    int32_t n = LoadCount(file, 9);
    while (GetSize() > n) RemoveAt(GetSize() - 1);
    while (GetSize() < n) OwningList::Add(std::make_unique<CNews>());
    for (int i = 0; i < n && !GameFileDamaged(); ++i) GetAt(i)->Load(file);
}
