#pragma once
// The three start-up tables that people's figures come from: the world's,
// unless a test or a tool has installed its own.
#include "soccerclasses/careerpath.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/skillmoneyvalue.h"

void InstallPeopleTables(const CSoccerPlayerCareerPathList* paths, const CSkillMoneyValueList* money,
                         const CPopularityList* popularity);
const CSoccerPlayerCareerPathList& CareerPathTable();
const CSkillMoneyValueList& SkillMoneyTable();
const CPopularityList& PopularityTable();
