// A person forgotten by the model is reported through the port, so the
// shell can drop the pages that showed him.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/youth.h"

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

// Lists that close up or hand places to newcomers name every place they
// hold afresh: the port hears of the whole list (index -1), once per change.
class ListPlacesPort : public clubtest::PeopleWorld {};

TEST_F(ListPlacesPort, EachListRemovalNamesItsKindAndOwner) {
    CClub& club = Club();
    CCountry* country = club.GetCountry();
    ASSERT_NE(country, nullptr);
    ASSERT_NE(country->GetStaffMarket(), nullptr) << "a followed country";
    int countryIndex = -1;
    for (int i = 0; i < world.GetCountryList().GetSize(); ++i)
        if (world.GetCountryList().GetAt(i) == country) countryIndex = i;
    ASSERT_GE(countryIndex, 0);
    const int clubIndex = world.GetClubList().GetIndex(&club);
    ASSERT_GE(clubIndex, 0);

    ScriptedUserPort port;
    auto heard = [&](int kind, int owner) {
        const auto& d = port.DeletedPeople();
        return !d.empty() && d.back().kind == kind && d.back().owner == owner && d.back().index == -1;
    };

    // Staff sacked.
    club.Staff().Add(std::make_unique<CEmployee>());
    const int staffIndex = club.Staff().GetSize() - 1;
    club.DismissEmployee(staffIndex, 0.0);
    EXPECT_TRUE(heard(kPersonListStaff, clubIndex));

    // A youth promoted to the squad leaves the youth list.
    club.Youths().Add(std::make_unique<CYouth>());
    const size_t before = port.DeletedPeople().size();
    ASSERT_GE(club.PromoteYouth(club.Youths().GetSize() - 1, 2), 0) << "the squad has a free slot";
    EXPECT_EQ(port.DeletedPeople().size(), before + 1);
    EXPECT_TRUE(heard(kPersonListYouths, clubIndex));

    // The country's staff market loses the man a club hires.
    country->AddAvailableEmployee(CBasicEmployee{});
    ASSERT_NE(country->GetAvailableEmployee(0), nullptr);
    country->RemoveAvailableEmployee(country->GetAvailableEmployee(0));
    EXPECT_TRUE(heard(kPersonListStaffMarket, countryIndex));

    // Both markets cleared at once.
    port.ClearDeletedPeople();
    country->ClearMarkets();
    ASSERT_EQ(port.DeletedPeople().size(), 2u);
    EXPECT_EQ(port.DeletedPeople()[0].kind, kPersonListYouthMarket);
    EXPECT_EQ(port.DeletedPeople()[1].kind, kPersonListStaffMarket);
    EXPECT_EQ(port.DeletedPeople()[1].owner, countryIndex);
}

TEST_F(ListPlacesPort, ARemovalThatFindsNobodyTellsNothing) {
    CClub& club = Club();
    CCountry* country = club.GetCountry();
    ASSERT_NE(country, nullptr);
    ASSERT_NE(country->GetStaffMarket(), nullptr) << "a followed country";
    ScriptedUserPort port;
    club.DismissEmployee(club.Staff().GetSize() + 3, 0.0);
    club.DismissEmployee(-1, 0.0);
    country->RemoveAvailableEmployee(nullptr);
    country->RemoveAvailableYouth(40);
    EXPECT_TRUE(port.DeletedPeople().empty());
}

}  // namespace
