#pragma once
// The small generated world the competitions' play tests share: one league
// country followed in full, its first division, the clock ten match days into
// the 1999 season and a game in progress.
#include <gtest/gtest.h>

#include <memory>

#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/worlddata.h"
#include "support/match_world.h"

class CompetitionWorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<testsupport::MatchWorld>(13, [](int id) { return id == 9; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        W().GetClock().Set(0, 0, 0, 1999, 7, 3);
        for (int i = 0; i < 10; ++i) W().NextMatchDay();
        W().SetGameInProgress(1);
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CDivision& Div() { return *W().GetDivision(division); }
    int ClubIndex(int offset) { return Div().GetFirstClub() + offset; }
    CClub& Club(int offset) { return *W().GetClub(ClubIndex(offset)); }

    std::unique_ptr<testsupport::MatchWorld> world;
    int division = -1;
};
