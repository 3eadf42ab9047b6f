#pragma once
// Loads the generated start-up tables through the game's readers and
// installs them, so people code finds the figures the game will use.
#include <gtest/gtest.h>

#include <memory>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/peopletables.h"
#include "support/test_env.h"

class PeopleTablesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        popularity = std::make_unique<CPopularityList>(CPopularityList::kFile);
        paths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
        money = std::make_unique<CSkillMoneyValueList>(CSkillMoneyValueList::kFile);
        InstallPeopleTables(paths.get(), money.get(), popularity.get());
        platform::SeedRandom(12345);
    }
    void TearDown() override {
        InstallPeopleTables(nullptr, nullptr, nullptr);
        ResetGameFileChannel();
        platform::ResetFolders();
    }

    std::unique_ptr<CPopularityList> popularity;
    std::unique_ptr<CSoccerPlayerCareerPathList> paths;
    std::unique_ptr<CSkillMoneyValueList> money;
};
