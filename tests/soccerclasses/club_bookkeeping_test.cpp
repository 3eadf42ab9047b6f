#include <gtest/gtest.h>

#include <algorithm>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/news.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Harwick Albion (followed) with a human manager in user slot 0.
class Bookkeeping : public PeopleWorld {
protected:
    void SetUp() override {
        PeopleWorld::SetUp();
        MakeHuman(Club());
        world.GetUser(0)->SetManagerIndex(Club().GetManager());
        world.GetCountry(1)->AddDivision(0);
    }
    CHumanManager& User() { return *world.GetUser(0); }
    CManager& Manager() { return *Club().GetManagerObject(); }
    uint16_t Sign(int slot, int position) {
        const uint16_t id = AddPlayer(position);
        Club().SetPlayerId(slot, id);
        return id;
    }
    ScriptedUserPort port;
};

TEST_F(Bookkeeping, PopularityMovesTellTheHumanManagerOfTheNewMoney) {
    Club().SetPopularityIndex(2);
    ASSERT_EQ(User().GetInbox().size(), 1u);
    EXPECT_EQ(User().GetInbox()[0].code, 124);  // the index grows: less popular
    Club().SetPopularityIndex(0);
    ASSERT_EQ(User().GetInbox().size(), 2u);
    const auto up = User().GetInbox()[1];
    EXPECT_EQ(up.code, 125);  // the index shrinks
    EXPECT_FALSE(up.text1.empty());  // television money
    EXPECT_FALSE(up.text2.empty());  // sponsorship money
    Club().SetPopularityIndex(0);  // no move, no message
    EXPECT_EQ(User().GetInbox().size(), 2u);
    EXPECT_EQ(Club().GetPopularityIndex(), 0);
    // A computer club's moves are silent.
    world.GetClub(1)->SetPopularityIndex(2);
    EXPECT_EQ(world.GetClub(1)->GetPopularityIndex(), 2);
    EXPECT_EQ(User().GetInbox().size(), 2u);
}

TEST_F(Bookkeeping, HonoursReachTheManagersRecord) {
    Club().AddLeagueTitle("First League", 3);
    EXPECT_EQ(Manager().m_Titles[0], 1);
    ASSERT_FALSE(User().GetNews().IsEmpty());
    EXPECT_EQ(std::string(User().GetNews().GetAt(User().GetNews().GetSize() - 1)->GetText()).rfind("Harwick Albion, First League champions (", 0), 0u);
    // The top division's title is told at once, never held back as well.
    EXPECT_FALSE(User().HasDeferredMessage());
    ASSERT_TRUE(User().HasMessage(201));
    EXPECT_EQ(User().GetInbox().back().code, 201);
    EXPECT_EQ(User().GetInbox().back().text1, "Harwick Albion");
    Club().AddCupWin("Harwick Cup", 2);
    EXPECT_EQ(Manager().m_Cups[1], 1);
    // Places in the table move his rating; the season's move up or down
    // counts as a promotion or relegation.
    const double rating = Manager().GetRating();
    Club().RecordPromotion();
    EXPECT_EQ(Manager().GetRating(), std::min(99.0, rating + 2));
    EXPECT_EQ(Manager().m_Promotions[1], 0);
    Club().SeasonEndMoveUp();
    EXPECT_EQ(Manager().m_Promotions[1], 1);
    Club().RecordRelegation();
    EXPECT_EQ(Manager().m_Relegations[1], 0);
    Club().SeasonEndMoveDown();
    EXPECT_EQ(Manager().m_Relegations[1], 1);
}

// The user is found by his slot in the list, whichever slot it is.
TEST_F(Bookkeeping, AResultsOnlyClubsNewPlayersAreKnownToItsOwnUser) {
    CClub& other = *world.GetClub(1);  // Port Ellis, followed by results only
    MakeHuman(other);
    world.GetUser(5)->SetManagerIndex(other.GetManager());
    std::vector<int> empty;
    for (int s = 0; s < 22; ++s)
        if (other.GetPlayerId(s) == kEmptySlot) empty.push_back(s);
    ASSERT_FALSE(empty.empty());
    other.FillResultsOnlySquad();
    for (int s : empty) {
        const CPlayer* p = world.GetPlayer(other.GetPlayerId(s));
        ASSERT_NE(p, nullptr) << s;
        EXPECT_TRUE(p->Football().IsKnownBy(5)) << s;
        EXPECT_EQ(p->Football().GetKnownState(0), 0) << s;
    }
}

TEST_F(Bookkeeping, LeagueResultsEnterTheHumanManagersForm) {
    Club().RecordHomeLeagueResult(2, 0, 3, 1);
    Club().RecordAwayLeagueResult(2, 0, 3, 1);
    Club().RecordAwayLeagueResult(1, 1, 3, 1);
    const auto& r = User().GetResults();
    EXPECT_EQ(r[0], 4);  // home win
    EXPECT_EQ(r[1], 1);  // away defeat
    EXPECT_EQ(r[2], 5);  // draw
    for (int i = 0; i < 9; ++i) Club().RecordAwayLeagueResult(0, 3, 3, 1);
    // Eleven kept: the oldest goes.
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[10], 2);
}

TEST_F(Bookkeeping, ARidiculousFormationIsWarnedOnceThenSacks) {
    CSoccerTactic& custom = *User().GetTactic(10);
    ASSERT_EQ(custom.m_Custom, 1);
    for (int i = 0; i < CSoccerTactic::kPlayers; ++i) custom.m_Width[size_t(i)] = 4;  // everyone in the centre
    ASSERT_TRUE(custom.IsInvalid());
    const uint8_t familiarity = User().GetTactic(0)->m_Familiarity;

    Club().ProcessAfterMatch(3, 0, 1, 1, nullptr, 0);  // a sound formation: no word from the board
    EXPECT_TRUE(port.Boxes().empty());
    EXPECT_EQ(User().GetTactic(0)->m_Familiarity, familiarity);
    EXPECT_EQ(User().GetTactic(0)->m_Tenths, 2);  // a draw's step

    Club().ProcessAfterMatch(3, 10, 2, 0, nullptr, 0);
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_NE(port.Boxes()[0].text.find("ridiculous tactic"), std::string::npos);
    EXPECT_EQ(User().GetInbox().back().code, 46);
    EXPECT_TRUE(Club().HasManager());

    Club().ProcessAfterMatch(3, 10, 2, 0, nullptr, 0);
    ASSERT_EQ(port.Boxes().size(), 2u);
    EXPECT_NE(port.Boxes()[1].text.find("you have been sacked"), std::string::npos);
    EXPECT_FALSE(Club().HasManager());
}

TEST_F(Bookkeeping, AfterTheMatchOnlyThoseWhoPlayedAreUpdated) {
    const uint16_t played = Sign(0, 1);
    const uint16_t benched = Sign(20, 1);  // with 3 substitutes, slots 0..13 took part
    for (uint16_t id : {played, benched}) world.GetPlayer(id)->m_MatchStatus = CPlayer::kMatchSentOff;
    Club().ProcessAfterMatch(3, 0, 0, 1, nullptr, 0);
    EXPECT_EQ(world.GetPlayer(played)->m_Suspension, 1);
    EXPECT_EQ(world.GetPlayer(benched)->m_Suspension, 0);
    EXPECT_EQ(world.GetPlayer(benched)->m_MatchStatus, 0);
}

TEST_F(Bookkeeping, TheWeeksTwoMatchesTakeTheirScoresFromTheReceipts) {
    CClub& club = *world.GetClub(1);
    club.SetReputation(50);
    club.SetHomeReceipt1(5000, 0, 3, 0, 10.0, 0);
    club.SetAwayReceipt2(5000, 0, 4, 0, 10.0, 0);
    club.ProcessAfterMatch1(3, 0, nullptr, 0);
    EXPECT_EQ(club.GetReputation(), 80);  // won 3-0 at home
    club.ProcessAfterMatch2(3, 0, 99, nullptr, 1);
    EXPECT_EQ(club.GetReputation(), 45);  // lost 4-0 away
}

TEST_F(Bookkeeping, ResignationLeavesThePostEmpty) {
    const int manager = Club().GetManager();
    Club().ManagerResigns();
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_NE(port.Boxes()[0].text.find("Harwick Albion"), std::string::npos);
    EXPECT_FALSE(Club().HasManager());
    EXPECT_FALSE(world.GetManagerList().GetAt(manager)->IsEmployed());
    const std::string news = world.GetManagerList().GetAt(manager)->GetName() +
                             " has handed in his resignation as manager of Harwick Albion.";
    ASSERT_FALSE(User().GetNews().IsEmpty());
    EXPECT_EQ(std::string(User().GetNews().GetAt(User().GetNews().GetSize() - 1)->GetText()), news);
    CNewsList& countryNews = world.GetCountry(1)->GetNews();
    ASSERT_GT(countryNews.GetSize(), 0);
    const auto* item = countryNews.GetAt(countryNews.GetSize() - 1);
    EXPECT_EQ(item->GetText(), news);
    EXPECT_EQ(item->GetCategory(), 6);
}

TEST_F(Bookkeeping, SquadQueries) {
    EXPECT_EQ(Club().GetRandomSquadPlayer(), kEmptySlot);  // nobody to draw
    const uint16_t a = Sign(7, 2);
    EXPECT_EQ(Club().GetRandomSquadPlayer(), a);
    const uint16_t b = Sign(3, 2);
    SetAbility(b, 70);  // at least the row's band-A level of 60
    EXPECT_EQ(Club().CountPlayersAtLevel(), 1);
    world.GetPlayer(b)->Football().m_Flair = 90;
    world.GetPlayer(a)->Football().m_Flair = 86;
    EXPECT_EQ(Club().CountStrongMidfielders(), 2);
    Injure(a);
    EXPECT_EQ(Club().CountStrongMidfielders(), 1);
    Club().OfferTargets().push_back(44);
    Club().LoanDeals().push_back(45);
    EXPECT_TRUE(Club().HasBidForPlayer(44));
    EXPECT_FALSE(Club().HasBidForPlayer(45));
    EXPECT_TRUE(Club().HasLoanDealForPlayer(45));

    CPopularity crowded = *world.GetPopularityList().GetAt(0);
    crowded.m_BaseCount = 25001;
    world.GetPopularityList().Add(crowded);
    CClub& other = *world.GetClub(1);
    EXPECT_FALSE(other.HasLargeSupport());
    other.SetPopularityIndex(4);
    EXPECT_TRUE(other.HasLargeSupport());
}

TEST_F(Bookkeeping, ANewHumanManagerFindsNobodyListedAndAYouthSquad) {
    const uint16_t id = Sign(0, 0);
    world.GetPlayer(id)->ListAtPrice(50000.0, *world.GetCountry(1));
    ASSERT_TRUE(world.GetPlayer(id)->IsListed());
    ASSERT_EQ(Club().Youths().GetSize(), 0);
    Club().PrepareForNewHumanManager();
    EXPECT_FALSE(world.GetPlayer(id)->IsListed());
    EXPECT_GT(Club().Youths().GetSize(), 0);
}

TEST_F(Bookkeeping, TheSecondDesignatedPlayersSlot) {
    for (int s = 0; s < 12; ++s) Sign(s, s == 0 ? 0 : 2);
    Club().ChooseDesignatedPlayers();
    const int slot = Club().GetDesignatedPlayerSlot();
    ASSERT_GE(slot, 5);
    ASSERT_LE(slot, 11);
    EXPECT_EQ(Club().GetPlayerId(slot), Club().GetDesignatedPlayer(1));
    Club().RemoveFromSquad(slot);  // he has left the squad
    EXPECT_EQ(Club().GetDesignatedPlayerSlot(), kEmptySlot);
}

TEST_F(Bookkeeping, PickWeightsFollowPositionAndTemperament) {
    const uint16_t keeper = Sign(0, 0);
    const uint16_t back = Sign(1, 1);
    const uint16_t forward = Sign(9, 3);
    world.GetPlayer(keeper)->Person().SetTemperament(2);
    world.GetPlayer(back)->Person().SetTemperament(3);
    world.GetPlayer(forward)->Person().SetTemperament(9);
    std::vector<uint8_t> weights{99};
    Club().BuildFirstElevenPickWeights(weights);
    EXPECT_EQ(weights, (std::vector<uint8_t>{99, 2, 13, 14}));
}

TEST_F(Bookkeeping, StaffQueries) {
    const int coach = Club().HireNewEmployee(0);
    const int physio = Club().HireNewEmployee(1);
    Club().HireNewEmployee(2);
    Club().HireNewEmployee(2);
    ASSERT_GE(physio, 0);
    EXPECT_EQ(Club().FindEmployeeOfType(0), coach);
    EXPECT_EQ(Club().GetCoach(), Club().Staff().GetAt(coach));
    EXPECT_EQ(Club().FindEmployeeOfType(7), -1);
    EXPECT_EQ(Club().GetPhysioAbility(), Club().Staff().GetAt(physio)->m_Ability);
    EXPECT_EQ(Club().CountScouts(), 2);
    EXPECT_EQ(world.GetClub(1)->GetPhysioAbility(), 0);
}

TEST_F(Bookkeeping, TicketPriceTexts) {
    Club().SetTicketPrice(12.6);
    EXPECT_EQ(Club().FormatTicketPrice(false), "13");
    EXPECT_EQ(Club().FormatTicketPrice(true).rfind("\xA3", 0), 0u);  // in the country's currency
}

TEST_F(Bookkeeping, SeasonSeriesOfAnInactiveCountryHoldNothing) {
    Club().SetLeaguePositionAfterGame(3, 5);
    Club().SetGameSeries1(2, 30000);
    Club().SetGameSeries1(4, -5);  // refused
    EXPECT_EQ(Club().GetLeaguePositionAfterGame(3), 5);
    EXPECT_EQ(Club().GetLeaguePositionAfterGame(4), 255);
    EXPECT_EQ(Club().GetGameSeries1(2), 30000);
    EXPECT_EQ(Club().GetGameSeries1(4), 0);
    EXPECT_EQ(Club().GetGraphScale(), 30000);
    Club().SetGameSeries1(2, 10);
    EXPECT_EQ(Club().GetGraphScale(), world.GetPopularityList().GetBaseCount(Club().GetPopularityIndex()));
    CClub& inactive = *world.GetClub(1);
    inactive.SetLeaguePositionAfterGame(3, 5);
    inactive.SetGameSeries1(2, 30000);
    EXPECT_EQ(inactive.GetLeaguePositionAfterGame(3), 0);
    EXPECT_EQ(inactive.GetGameSeries1(2), 0);
}

TEST_F(Bookkeeping, MatchRecordsOfHomeAndAwayClubs) {
    CFixture f(1, 0, 1, 5, 3, 0);
    f.m_HomeGoals = 4;
    f.m_AwayGoals = 0;
    f.m_Attendance = Club().GetStadiumCapacity() - 1;
    Club().UpdateRecordsFromMatch(f);
    EXPECT_EQ(Club().Records().GetHighestGate(), Club().GetStadiumCapacity() - 1);
    world.GetClub(1)->UpdateRecordsFromAwayMatch(f);
    for (int over : {0, 1}) {  // a full house, and a figure beyond the ground's places
        f.m_Attendance = Club().GetStadiumCapacity() + over;
        f.m_HomeGoals = 0;
        f.m_AwayGoals = 1;
        Club().UpdateRecordsFromMatch(f);
        EXPECT_EQ(Club().Records().GetHighestGate(), Club().GetStadiumCapacity() - 1);
    }
    EXPECT_EQ(Club().Records().GetBiggestWinText(), "4 - 0");
    EXPECT_EQ(Club().Records().GetHeaviestDefeatText(), "0 - 1");
    EXPECT_EQ(world.GetClub(1)->Records().GetHeaviestDefeatText(), "0 - 4");
    EXPECT_EQ(world.GetClub(1)->Records().GetBiggestWinText(), "-");  // none
}

TEST_F(Bookkeeping, YouthPromotionTakesTheFirstEmptySlot) {
    const CCountry& country = *world.GetCountry(1);
    Club().Youths().AddRandomYouth(country, *Club().GetPopularity(), 0);
    Club().Youths().AddRandomYouth(country, *Club().GetPopularity(), 0);
    const std::string name = Club().Youths().GetAt(1)->GetName();
    Sign(0, 0);
    const int id = Club().PromoteYouth(1, 3);
    ASSERT_GE(id, 0);
    EXPECT_EQ(Club().GetPlayerId(1), id);
    EXPECT_EQ(world.GetPlayer(id)->GetName(), name);
    EXPECT_EQ(world.GetPlayer(id)->Person().GetContractYears(), 3);
    EXPECT_TRUE(world.GetPlayer(id)->Football().IsKnownBy(0));  // the human manager knows him
    EXPECT_EQ(Club().Youths().GetSize(), 1);
    for (int s = 2; s < kSquadSlots; ++s) Sign(s, 1);
    EXPECT_EQ(Club().PromoteYouth(0, 3), -1);  // no room
    EXPECT_EQ(Club().Youths().GetSize(), 1);
}

TEST_F(Bookkeeping, ResultsOnlyClubsGetAFullSquadForAFederationCup) {
    CClub& club = *world.GetClub(1);
    const int before = world.GetPlayerList().CountPlayers();
    club.PrepareForFederationCup();
    EXPECT_EQ(world.GetPlayerList().CountPlayers(), before + 22);
    const int positions[22] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3};
    for (int s = 0; s < 22; ++s) EXPECT_EQ(club.PlayerInSlot(s)->GetPosition(), positions[s]) << s;
    EXPECT_EQ(club.GetPlayerId(22), kEmptySlot);
    // The non-league slot's players go again after their match.
    club.DeleteSquadPlayers();
    EXPECT_EQ(world.GetPlayerList().CountPlayers(), before);
    EXPECT_EQ(club.CountFilledSlots(), 0);
    // A followed club keeps its own squad.
    Club().PrepareForFederationCup();
    EXPECT_EQ(Club().CountFilledSlots(), 0);
}

TEST_F(Bookkeeping, SeasonEndLetsRetiredPlayersAndGrownYouthsGo) {
    const uint16_t veteran = Sign(4, 1);
    const uint16_t regular = Sign(5, 1);
    CPlayer& v = *world.GetPlayer(veteran);
    v.Person().SetAge(35);
    v.Person().SetContractYears(1);
    v.Person().SetStatus(CPerson::kStatusRetiring);
    world.GetPlayer(regular)->Person().SetContractYears(3);
    const CCountry& country = *world.GetCountry(1);
    Club().Youths().AddRandomYouth(country, *Club().GetPopularity(), 0);
    Club().Youths().AddRandomYouth(country, *Club().GetPopularity(), 0);
    Club().Youths().GetAt(0)->m_Person.SetAge(18);
    Club().Youths().GetAt(1)->m_Person.SetAge(16);
    Club().EndOfSeason();
    EXPECT_EQ(Club().FindSlotOfPlayer(veteran), -1);
    EXPECT_EQ(world.GetPlayer(veteran), nullptr);
    EXPECT_EQ(Club().FindSlotOfPlayer(regular), 4);  // the squad closes up
    EXPECT_EQ(Club().CountFilledSlots(), 1);
    EXPECT_EQ(world.GetPlayer(regular)->Person().GetContractYears(), 2);
    ASSERT_EQ(Club().Youths().GetSize(), 1);
    EXPECT_EQ(Club().Youths().GetAt(0)->m_Person.GetAge(), 17);
}

TEST_F(Bookkeeping, NewSeasonClearsTheSeasonsFigures) {
    const uint16_t id = Sign(0, 3);
    world.GetPlayer(id)->m_SeasonGoals = 12;
    Manager().m_SeasonWins = 9;
    Club().AddAttendance(15000);
    Club().StartNewSeason();
    EXPECT_EQ(world.GetPlayer(id)->m_SeasonGoals, 0);
    EXPECT_EQ(world.GetPlayer(id)->m_LastSeasonGoals, 12);
    EXPECT_EQ(Manager().m_SeasonWins, 0);
    EXPECT_EQ(Club().GetAverageAttendance(), 0);
}

}  // namespace
}  // namespace clubtest
