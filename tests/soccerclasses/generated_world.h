#pragma once
// The world as a new game builds it from the generated start-up files:
// countries, divisions, stadiums, clubs and their squads.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "soccerclasses/worlddata.h"

namespace worldtest {

class GeneratedWorld : public ::testing::Test {
protected:
    // `followed(id)` says which countries are played in detail.
    void Build(uint32_t seed, const std::function<bool(int)>& followed);
    void TearDown() override;

    std::unique_ptr<CWorldData> world;
    std::unique_ptr<ScopedWorld> scope;
};

}  // namespace worldtest
