#include "soccerclasses/peopletables.h"

#include <stdexcept>

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
    if (!g_paths) throw std::logic_error("no career paths installed");
    return *g_paths;
}

const CSkillMoneyValueList& SkillMoneyTable() {
    if (!g_money) throw std::logic_error("no skill-money table installed");
    return *g_money;
}

const CPopularityList& PopularityTable() {
    if (!g_popularity) throw std::logic_error("no popularity table installed");
    return *g_popularity;
}
