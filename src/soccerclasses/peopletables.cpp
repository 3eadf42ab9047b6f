#include "soccerclasses/peopletables.h"

#include <stdexcept>

#include "soccerclasses/worlddata.h"

namespace {
const CSoccerPlayerCareerPathList* g_paths = nullptr;
const CSkillMoneyValueList* g_money = nullptr;
const CPopularityList* g_popularity = nullptr;
}  // namespace

void InstallPeopleTables(const CSoccerPlayerCareerPathList* paths, const CSkillMoneyValueList* money,
                         const CPopularityList* popularity) {
    g_paths = paths;
    g_money = money;
    g_popularity = popularity;
}

const CSoccerPlayerCareerPathList& CareerPathTable() {
    if (g_paths) return *g_paths;
    if (CWorldData* w = GetWorldData()) return w->GetCareerPathList();
    throw std::logic_error("no career paths installed");
}

const CSkillMoneyValueList& SkillMoneyTable() {
    if (g_money) return *g_money;
    if (CWorldData* w = GetWorldData()) return w->GetSkillMoneyValueList();
    throw std::logic_error("no skill-money table installed");
}

const CPopularityList& PopularityTable() {
    if (g_popularity) return *g_popularity;
    if (CWorldData* w = GetWorldData()) return w->GetPopularityList();
    throw std::logic_error("no popularity table installed");
}
