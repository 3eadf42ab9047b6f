// A person forgotten by the model is reported through the port, so the
// shell can drop the pages that showed him.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/scriptedport.h"

namespace {

class PeopleDeletedPort : public clubtest::ClubWorld {};

TEST_F(PeopleDeletedPort, ForgettingAPlayerTellsThePortWhoWentOnce) {
    ScriptedUserPort port;
    ForgetPlayerIndex(7);
    ForgetPlayerIndex(-1);  // nobody: nothing to tell
    ASSERT_EQ(port.DeletedPeople().size(), 1u);
    EXPECT_EQ(port.DeletedPeople()[0].kind, kPersonListPlayers);
    EXPECT_EQ(port.DeletedPeople()[0].owner, -1);
    EXPECT_EQ(port.DeletedPeople()[0].index, 7);
}

}  // namespace
