// The club's lookups, formations, honours, non-league opponent, pickers and
// the rows of the league table, fixture list and player lists.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/stadium.h"

namespace clubtest {
namespace {

TEST(ListRowsInsert, ANewRowPushesTheRestDown) {
    struct Case {
        int at;
        std::vector<std::string> expected;
        int index;
    };
    const Case cases[] = {
        {0, {"new", "a", "b", "c"}, 0},
        {1, {"a", "new", "b", "c"}, 1},
        {2, {"a", "b", "new", "c"}, 2},
        {3, {"a", "b", "c", "new"}, 3},   // at the end
        {9, {"a", "b", "c", "new"}, 3},   // beyond it
        {-1, {"a", "b", "c", "new"}, 3},  // negative
    };
    for (const Case& c : cases) {
        RecordingListRows list;
        for (const char* t : {"a", "b", "c"}) list.AddRow(t, 0, 0, 0);
        EXPECT_EQ(list.InsertRow(c.at, "new", 0, 7, 8), c.index) << c.at;
        std::vector<std::string> texts;
        for (const auto& r : list.Rows()) texts.push_back(r.cells[0]);
        EXPECT_EQ(texts, c.expected) << c.at;
        EXPECT_EQ(list.Rows()[size_t(c.index)].data1, 7u);
        EXPECT_EQ(list.Rows()[size_t(c.index)].data2, 8u);
    }
}

class ClubSummary : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 6; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
        records.push_back(Record("Port Ellis", 1));
        world.GetClubList().ReadFile(WriteClubs(records));
        world.GetDivision(0)->SetClubRange(0, 6);
        world.GetDivision(1)->SetClubRange(6, 1);
    }
    CClub& Club(int i = 0) { return *world.GetClubList().GetAt(i); }
    // Club i's manager takes user slot `slot`.
    CHumanManager& Human(int i, int slot) {
        MakeHuman(Club(i));
        CHumanManager& user = *world.GetUserList().GetAt(slot);
        user.SetManagerIndex(Club(i).GetManager());
        return user;
    }
    void Squad(int club, std::initializer_list<int> positions) {
        for (int p : positions) ASSERT_TRUE(Club(club).AddPlayerToSquad(AddPlayer(p)));
    }
    static std::vector<std::string> Column(const RecordingListRows& list, int c) {
        std::vector<std::string> out;
        for (const auto& r : list.Rows()) out.push_back(r.cells[size_t(c)]);
        return out;
    }
};

TEST_F(ClubSummary, LookupsThroughTheWorld) {
    EXPECT_EQ(Club(0).IsCountryInactive(), kFollowed);
    EXPECT_EQ(Club(6).IsCountryInactive(), kNotFollowed);
    EXPECT_EQ(Club(0).GetCountryMoneyScale(), world.GetCountry(1)->GetWageFactor());
    EXPECT_EQ(Club(0).GetDivisionNewsEvents(), &world.GetDivision(0)->m_NewsPaperEvents);
    const int capacity = Club(0).GetStadiumCapacity();
    Club(0).ReduceStadiumCapacity(2500);
    EXPECT_EQ(Club(0).GetStadiumCapacity(), capacity - 2500);
    Club(0).ReduceStadiumCapacity(-100);  // never grows
    EXPECT_EQ(Club(0).GetStadiumCapacity(), capacity - 2500);
    Club(0).GetAccounts()->AddToItem(2, 150000.0);
    Club(0).GetAccounts()->AddToItem(3, 90000.0);
    EXPECT_DOUBLE_EQ(Club(0).GetSeasonTransferIncome(), 150000.0);
    EXPECT_DOUBLE_EQ(Club(0).GetSeasonTransferSpending(), 90000.0);
    EXPECT_DOUBLE_EQ(Club(6).GetSeasonTransferIncome(), 0.0);  // a results-only club keeps no accounts
}

TEST_F(ClubSummary, FormationsComeFromTheHumanManagerOrUserSlotZero) {
    CHumanManager& first = *world.GetUserList().GetAt(0);
    first.GetTacticList().Rename(3, "Slot zero's three");
    CHumanManager& own = Human(1, 4);
    own.GetTacticList().Rename(6, "Own six");
    own.GetTacticList().GetAt(6)->m_Depth[2] = 9;
    own.GetTacticList().GetAt(6)->m_Width[2] = 1;

    Club(0).SetTacticIndex(3);
    EXPECT_EQ(Club(0).GetTacticIndex(), 3);
    EXPECT_EQ(Club(0).GetTacticName(), "Slot zero's three");
    EXPECT_EQ(Club(0).GetTacticObject(), first.GetTacticList().GetAt(3));

    Club(1).SetTacticIndex(6);
    EXPECT_EQ(own.GetCurrentTactic(), 6);
    EXPECT_EQ(Club(1).GetTactic(), 6);  // the byte follows
    EXPECT_EQ(Club(1).GetTacticName(), "Own six");
    EXPECT_EQ(Club(1).GetTacticPositionX(2), 9);
    EXPECT_EQ(Club(1).GetTacticPositionY(2), 1);
    EXPECT_EQ(Club(1).GetTacticByIndex(3), own.GetTacticList().GetAt(3));
    // The manager's own choice counts, whatever the byte says.
    own.SetCurrentTactic(2);
    EXPECT_EQ(Club(1).GetTacticIndex(), 2);
    EXPECT_EQ(Club(1).GetTacticByIndex(99), nullptr);
}

TEST_F(ClubSummary, HonoursReachAHumanManagersOwnHistory) {
    Club(0).AddWinHonour("First League", 3, 0);
    EXPECT_EQ(Club(0).Trophies().GetSize(), 1);
    CHumanManager& user = Human(1, 2);
    Club(1).AddWinHonour("First League", 3, 0);
    Club(1).AddRunnerUpHonour("Country 1 Cup", 5, 1);
    ASSERT_EQ(user.GetHonours().GetSize(), 2);
    EXPECT_EQ(user.GetHonours().GetAt(0)->m_Kind, CTrophyHistory::kLeagueTitle);
    EXPECT_EQ(user.GetHonours().GetAt(0)->m_Extra, "Club 1");
    EXPECT_EQ(user.GetHonours().GetAt(1)->m_Kind, CTrophyHistory::kCupRunnerUp);
    EXPECT_EQ(Club(1).Trophies().GetSize(), 2);
    Club(1).AddShieldWinHonour("Shield", 1, 1);
    EXPECT_EQ(Club(1).Trophies().GetSize(), 3);
    EXPECT_EQ(user.GetHonours().GetSize(), 4);  // the club's win and his own
    // The season's titles and cups reach him the same way.
    Club(1).AddCupWin("Country 1 Cup", 2);
    Club(1).AddLeagueRunnerUp("First League", 3);
    ASSERT_EQ(user.GetHonours().GetSize(), 6);
    EXPECT_EQ(user.GetHonours().GetAt(4)->m_Kind, CTrophyHistory::kCupWin);
    EXPECT_EQ(user.GetHonours().GetAt(5)->m_Kind, CTrophyHistory::kLeagueRunnerUp);
    EXPECT_EQ(world.GetUserList().GetAt(0)->GetHonours().GetSize(), 0);
}

TEST_F(ClubSummary, NonLeagueOpponentTakesTheBlankSlot) {
    CKits home, away;
    home.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    away.bytes = {8, 7, 6, 5, 4, 3, 2, 1};
    CNonLeagueClub visitors;
    visitors.Create("Ashby Wanderers", 2, *world.GetCountry(1), home, away);
    visitors.m_FirstWord = 31;
    visitors.m_Settings[0] = 4;
    CClub blank;
    const int before = world.GetPlayerList().CountPlayers();
    ASSERT_TRUE(blank.SetFromNonLeagueClub(&visitors, 0));
    EXPECT_EQ(blank.GetName(), "Ashby Wanderers");
    EXPECT_EQ(blank.GetStadiumIndex(), 2);
    EXPECT_EQ(blank.GetDivisionIndex(), 0);
    EXPECT_EQ(blank.GetAreaCode(), 31);
    EXPECT_EQ(blank.GetTactic(), 4);
    EXPECT_EQ(blank.GetPopularityIndex(), visitors.m_Popularity);
    EXPECT_EQ(blank.GetHomeKit().bytes, home.bytes);
    EXPECT_EQ(blank.GetAwayKit().bytes, away.bytes);
    EXPECT_EQ(world.GetPlayerList().CountPlayers(), before + 24);
    for (int s = 0; s < 24; ++s) {
        const CPlayer* p = world.GetPlayer(blank.GetPlayerId(s));
        ASSERT_NE(p, nullptr) << s;
        EXPECT_EQ(p->GetName(), visitors.m_Squad.GetAt(s)->m_Person.GetName());
    }
    EXPECT_EQ(blank.GetPlayerId(24), kEmptySlot);

    // A club of a results-only country comes without players.
    CNonLeagueClub far;
    far.Create("Kelso Rovers", 0, *world.GetCountry(2), home, away);
    EXPECT_TRUE(blank.SetFromNonLeagueClub(&far, 1));
    EXPECT_EQ(blank.GetPlayerId(0), kEmptySlot);
    EXPECT_EQ(blank.GetName(), "Kelso Rovers");

    // Sixteen players are too few for a tie: said, but the squad is filled.
    CNonLeagueClub small;
    small.Create("Tiny Town", 0, *world.GetCountry(1), home, away);
    small.m_Squad.RemoveAll();
    small.m_Squad.Generate(16, *world.GetCountry(1));
    EXPECT_FALSE(blank.SetFromNonLeagueClub(&small, 0));
    EXPECT_NE(blank.GetPlayerId(15), kEmptySlot);
    EXPECT_FALSE(blank.SetFromNonLeagueClub(nullptr, 0));
}

TEST_F(ClubSummary, YouthByPositionAndKnownSquads) {
    for (int pos : {1, 3, 1, 0}) {
        auto y = std::make_unique<CYouth>();
        y->m_Football.SetPosition(pos, false);
        Club(0).Youths().Add(std::move(y));
    }
    EXPECT_EQ(Club(0).FindYouthByPosition(1, 0), 0);
    EXPECT_EQ(Club(0).FindYouthByPosition(1, 1), 2);
    EXPECT_EQ(Club(0).FindYouthByPosition(1, 2), -1);
    EXPECT_EQ(Club(0).FindYouthByPosition(-1, 3), 3);
    EXPECT_EQ(Club(0).FindYouthByPosition(2, 0), -1);

    Squad(0, {0, 1});
    Club(0).MarkSquadKnownToUser(5);
    EXPECT_TRUE(world.GetPlayer(Club(0).GetPlayerId(1))->Football().IsKnownBy(5));
    EXPECT_FALSE(world.GetPlayer(Club(0).GetPlayerId(1))->Football().IsKnownBy(3));
    Club(0).MarkSquadKnownToUser(255);  // no managing user: nobody learns
    EXPECT_FALSE(world.GetPlayer(Club(0).GetPlayerId(0))->Football().IsKnownBy(0));
    Human(0, 3);
    Club(0).MarkSquadKnownToUser(255);
    EXPECT_TRUE(world.GetPlayer(Club(0).GetPlayerId(0))->Football().IsKnownBy(3));
}

TEST_F(ClubSummary, CountAndSearchRowsCarryTheClubsName) {
    Squad(0, {0, 1, 2});
    world.GetPlayer(Club(0).GetPlayerId(1))->m_SeasonMotm = 2;
    RecordingListRows counts;
    Club(0).AddPlayerCountRows(counts);
    ASSERT_EQ(counts.Rows().size(), 1u);  // only a player with an award
    EXPECT_EQ(counts.Rows()[0].cells[2], "Club 0");
    EXPECT_EQ(counts.Rows()[0].cells[3], "2");

    CPlayerSearch search;
    for (int i = 0; i < 4; ++i) search.SetPositionFlag(i, i == 2);
    CPlayerList players(false);
    std::vector<std::string> names;
    RecordingListRows rows;
    Club(0).AddMatchingPlayers(search, players, names, &rows);
    EXPECT_EQ(players.GetSize(), 3);  // every squad player
    EXPECT_EQ(names, std::vector<std::string>(3, "Club 0"));
    for (const auto& r : rows.Rows())
        EXPECT_EQ(reinterpret_cast<const CPlayer*>(r.data1)->GetPosition(), 2);
    Club(0).AddMatchingPlayers(search, players, names, nullptr);
    EXPECT_EQ(players.GetSize(), 6);
}

TEST_F(ClubSummary, ScoutLayoutsListOnlyScouts) {
    for (uint8_t kind : {0, 2, 1, 2}) Club(0).HireNewEmployee(kind);
    RecordingListRows summary, compact;
    summary.AddRow("stale", 0, 0, 0);
    Club(0).FillEmployeeRowsSummary(summary);
    Club(0).FillEmployeeRowsCompact(compact);
    ASSERT_EQ(summary.Rows().size(), 2u);
    ASSERT_EQ(compact.Rows().size(), 2u);
    const CEmployee* scout = Club(0).Staff().GetAt(1);
    EXPECT_EQ(summary.Rows()[0].cells[0], scout->GetName());
    EXPECT_EQ(summary.Rows()[0].cells[1], std::to_string(scout->m_Ability));
    EXPECT_EQ(compact.Rows()[0].cells[0], scout->GetName());
    EXPECT_EQ(compact.Rows()[0].cells[1], "");
}

TEST_F(ClubSummary, LeagueTableRowShowsTheLastMove) {
    struct Case {
        int games, recorded, position;
        const char* picture;
    };
    const Case cases[] = {
        {5, 4, 2, "gfx\\listcontrol\\pos_up.bmp"},
        {5, 1, 2, "gfx\\listcontrol\\pos_down.bmp"},
        {5, 2, 2, "gfx\\listcontrol\\pos_same.bmp"},
        {5, 255, 2, "gfx\\listcontrol\\pos_same.bmp"},  // no recorded position
        {1, 5, 2, "gfx\\listcontrol\\pos_same.bmp"},    // one game only
    };
    for (const Case& c : cases) {
        CClub& club = Club(3);
        club.LeagueRow().m_HomePlayed = uint8_t(c.games);
        club.LeagueRow().m_Position = uint8_t(c.position);
        club.LeagueRow().m_Points = 11;
        club.LeaguePositions().assign(46, 255);
        if (c.games >= 2) club.LeaguePositions()[size_t(c.games - 2)] = uint8_t(c.recorded);
        RecordingListRows list;
        list.AddRow("top", 0, 0, 0);
        list.AddRow("second", 0, 0, 0);
        list.AddRow("fourth", 0, 0, 0);
        club.AddLeagueTableRow(list, 0xFFFFFF, 65535, 65280, 0, 0, 0xFFFF00);
        ASSERT_EQ(list.Rows().size(), 4u);
        const auto& row = list.Rows()[2];
        EXPECT_EQ(row.cells[0], "3");
        EXPECT_EQ(row.cells[1], c.picture) << c.games << " " << c.recorded;
        EXPECT_EQ(row.cells[2], "Club 3");
        EXPECT_EQ(row.cells[3], std::to_string(c.games));
        EXPECT_EQ(row.cells[9], "11");
        EXPECT_EQ(row.data1, reinterpret_cast<uintptr_t>(&club));
        EXPECT_EQ(list.Rows()[3].cells[0], "fourth");
    }
    // A list still shorter than the position gets the row at its end, filled.
    {
        RecordingListRows shortList;
        Club(3).LeagueRow().m_Position = 5;
        Club(3).AddLeagueTableRow(shortList, 0xFFFFFF, 65535, 65280, 0, 0, 0xFFFF00);
        ASSERT_EQ(shortList.Rows().size(), 1u);
        EXPECT_EQ(shortList.Rows()[0].cells[0], "6");
        EXPECT_EQ(shortList.Rows()[0].cells[2], "Club 3");
        EXPECT_EQ(shortList.Rows()[0].cells[9], "11");
    }
    // Place colours, then red for a human manager's club.
    world.GetDivision(0)->m_AutoPromotion = 1;
    RecordingListRows list;
    Club(0).LeagueRow().m_Position = 0;
    Club(0).AddLeagueTableRow(list, 0xFFFFFF, 65535, 65280, 0, 0, 0xFFFF00);
    EXPECT_EQ(list.Rows()[0].colour, 65535u);
    Human(0, 1);
    Club(0).AddLeagueTableRow(list, 0xFFFFFF, 65535, 65280, 0, 0, 0xFFFF00);
    EXPECT_EQ(list.Rows()[0].colour, 255u);
}

TEST_F(ClubSummary, FormTableRowsGoInAtTheirFormPlaces) {
    const int places[6] = {4, 2, 0, 5, 1, 3};
    for (int i = 0; i < 6; ++i) Club(i).GetCurrentForm()->SetFormPosition(places[i]);
    RecordingListRows list;
    world.GetDivision(0)->FillFormTable(list);
    ASSERT_EQ(list.Rows().size(), 6u);
    EXPECT_EQ(Column(list, 2), (std::vector<std::string>{"Club 2", "Club 4", "Club 1", "Club 5", "Club 0", "Club 3"}));
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(list.Rows()[0].colour, 0xFFFF00u);
    // A single row lands at its place among rows already there.
    RecordingListRows other;
    for (int i = 0; i < 4; ++i) other.AddRow("x", 0, 0, 0);
    Club(1).AddFormTableRow(other, 1);
    EXPECT_EQ(other.Rows()[2].cells[2], "Club 1");
}

TEST_F(ClubSummary, DivisionTablesOfDisciplineAndAttendance) {
    Club(1).LeagueRow().m_HomePlayed = 2;
    Club(1).AddBooking();
    Club(4).LeagueRow().m_AwayPlayed = 1;
    Club(4).AddAttendance(9000);
    RecordingListRows fairPlay, gates;
    world.GetDivision(0)->FillClubInfoList(fairPlay, 0, 1);
    ASSERT_EQ(fairPlay.Rows().size(), 2u);  // only clubs that have played
    EXPECT_EQ(fairPlay.Rows()[0].cells[1], "Club 1 (Country 1)");
    EXPECT_EQ(fairPlay.Rows()[0].cells[5], "3");
    EXPECT_EQ(fairPlay.Rows()[1].cells[1], "Club 4 (Country 1)");
    world.GetDivision(0)->FillClubList(gates);
    ASSERT_EQ(gates.Rows().size(), 6u);
    EXPECT_EQ(gates.Rows()[4].cells[5], "9000");
}

// The world reaches the same tables through every member country of every
// federation.
TEST_F(ClubSummary, TheWorldsDisciplineListsReachTheDivisions) {
    auto fed = std::make_unique<CFederation>();
    fed->AddMember(1);
    world.GetCountry(1)->AddDivision(0);
    world.GetFederationList().Add(std::move(fed));
    Squad(2, {1});
    Club(2).LeagueRow().m_HomePlayed = 1;
    world.GetPlayer(Club(2).GetPlayerId(0))->m_SeasonBookings = 1;
    RecordingListRows clubs, players;
    world.FillDivisionRowsA(clubs, 1, 0);
    world.FillDivisionRowsB(players);
    ASSERT_EQ(clubs.Rows().size(), 1u);
    EXPECT_EQ(clubs.Rows()[0].cells[1], "Club 2 (First League)");
    ASSERT_EQ(players.Rows().size(), 1u);
    EXPECT_EQ(players.Rows()[0].cells[3], "1");
}

TEST_F(ClubSummary, FederationsFillOverTheirMembers) {
    auto north = std::make_unique<CFederation>(0, "North", "N");
    north->AddMember(1);
    auto south = std::make_unique<CFederation>(1, "South", "S");
    south->AddMember(2);
    south->AddMember(1);
    world.GetFederationList().Add(std::move(north));
    world.GetFederationList().Add(std::move(south));
    world.GetCountry(1)->AddDivision(0);
    world.GetCountry(2)->AddDivision(1);
    Club(5).LeagueRow().m_HomePlayed = 1;
    Club(6).LeagueRow().m_HomePlayed = 1;
    RecordingListRows fairPlay, plain, gates;
    world.GetFederationList().FillClubInfoList(fairPlay);
    EXPECT_EQ(Column(fairPlay, 1), (std::vector<std::string>{"Club 5 (Country 1)", "Port Ellis (Country 2)",
                                                             "Club 5 (Country 1)"}));
    world.GetFederation(1)->FillClubInfoList(plain, 0);
    EXPECT_EQ(Column(plain, 1), (std::vector<std::string>{"Port Ellis", "Club 5"}));
    world.GetFederation(0)->FillClubList(gates);
    EXPECT_EQ(gates.Rows().size(), 6u);
}

TEST_F(ClubSummary, SearchSkipsTheExcludedClub) {
    for (int c = 0; c < 6; ++c) Squad(c, {2});
    CPlayerSearch search;
    int searched = 0;
    for (int round = 0; round < 20; ++round) {
        CPlayerList players(false);
        std::vector<std::string> names;
        world.GetDivision(0)->SearchClubsForPlayers(search, players, 3, names, nullptr);
        EXPECT_EQ(players.GetSize(), int(names.size()));
        for (const std::string& n : names) EXPECT_NE(n, "Club 3");
        searched += players.GetSize();
    }
    // About half of the five others each time.
    EXPECT_GT(searched, 20);
    EXPECT_LT(searched, 80);
}

TEST_F(ClubSummary, ComputerClubsListSomePlayers) {
    for (int c : {0, 1})
        for (int i = 0; i < 25; ++i) {
            const uint16_t id = AddPlayer(i % 4);
            world.GetPlayer(id)->Person().SetContractYears(3);
            world.GetPlayer(id)->Person().SetWeeksAtClub(20);
            ASSERT_TRUE(Club(c).AddPlayerToSquad(id));
        }
    Human(1, 0);
    for (int round = 0; round < 6; ++round) world.GetDivision(0)->ListRandomPlayers();
    const int listed = Club(0).CountListedOrUncontractedPlayers();
    EXPECT_GT(listed, 0);
    // No more than the step allows: it stops once five stand listed.
    EXPECT_LE(listed, 5 + 3);
    // A human manager's club lists nobody.
    Club(1).TransferListRandomPlayers(7);
    EXPECT_EQ(Club(1).CountListedOrUncontractedPlayers(), 0);
}

TEST_F(ClubSummary, RandomFirstTeamSlotOfAPosition) {
    Squad(0, {0, 1, 1, 2, 2, 2, 3, 3, 1, 2, 3, 3, 3});
    Injure(Club(0).GetPlayerId(1));
    for (int i = 0; i < 30; ++i) {
        const int slot = Club(0).GetRandomFirstTeamSlot(1);
        EXPECT_TRUE(slot == 2 || slot == 8) << slot;
        const int any = Club(0).GetRandomFirstTeamSlot(-1);
        EXPECT_TRUE(any >= 0 && any <= 10 && any != 1) << any;
    }
    EXPECT_EQ(Club(0).GetRandomFirstTeamSlot(4), -1);
    EXPECT_EQ(Club(1).GetRandomFirstTeamSlot(-1), -1);  // no players
}

TEST_F(ClubSummary, TheWeakestOrAHurtPlayerGoesOff) {
    Squad(0, {0, 1, 1, 2, 2, 3, 3, 1, 2, 3, 1, 2});
    const int abilities[11] = {60, 55, 70, 40, 65, 80, 45, 50, 75, 85, 90};
    for (int s = 0; s < 11; ++s) SetAbility(Club(0).GetPlayerId(s), abilities[s]);
    // Outfield players by match ability: slots 3 (40), 6 (45), 7 (50), 1 ...
    const int weakest = Club(0).PickPlayerToReplace(0);
    const int second = Club(0).PickPlayerToReplace(1);
    EXPECT_LE(world.GetPlayer(Club(0).GetPlayerId(weakest))->GetMatchAbility(),
              world.GetPlayer(Club(0).GetPlayerId(second))->GetMatchAbility());
    EXPECT_NE(weakest, 0);  // never the goalkeeper
    EXPECT_EQ(Club(0).PickPlayerToReplace(10), -1);  // ten outfield players
    EXPECT_EQ(Club(0).PickPlayerToReplaceInPosition(0, 3), [&] {
        int best = -1;
        for (int s : {5, 6, 9})
            if (best < 0 || world.GetPlayer(Club(0).GetPlayerId(s))->GetMatchAbility() <
                                world.GetPlayer(Club(0).GetPlayerId(best))->GetMatchAbility())
                best = s;
        return best;
    }());
    // A knock beyond 10 goes off first, whatever n says.
    const int knock = world.GetInjuryList().NewInjury();
    world.GetInjuryList().GetAt(knock)->SetSeverity(30);
    world.GetPlayer(Club(0).GetPlayerId(9))->m_Injury = knock;
    EXPECT_EQ(Club(0).PickPlayerToReplace(4), 9);
    EXPECT_EQ(Club(0).PickPlayerToReplaceInPosition(1, 3), 9);
    // Out injured: off the field already, never picked.
    Injure(Club(0).GetPlayerId(3));
    for (int n = 0; n < 9; ++n) EXPECT_NE(Club(0).PickPlayerToReplace(n), 3);
}

TEST_F(ClubSummary, AHumanManagersAppointmentRefreshesTheJobMarkets) {
    CCountry& country = *world.GetCountry(1);
    ASSERT_NE(country.GetStaffMarket(), nullptr);
    const int manager = Club(0).GetManager();
    Club(0).SetManager(manager);  // a computer manager: the markets stay
    EXPECT_EQ(country.GetStaffMarket()->GetSize(), 0);
    EXPECT_EQ(country.GetYouthMarket()->GetSize(), 0);
    world.GetManagerList().GetAt(manager)->m_IsHuman = 1;
    Club(0).SetManager(manager);
    EXPECT_EQ(Club(0).GetManager(), manager);
    EXPECT_GT(country.GetStaffMarket()->GetSize(), 0);
    EXPECT_GT(country.GetYouthMarket()->GetSize(), 0);
}

TEST_F(ClubSummary, FederationAndStrengthOfTheClubsLeague) {
    EXPECT_EQ(Club(0).GetFederation(), nullptr);  // no federation list yet
    world.GetFederationList().Add(std::make_unique<CFederation>(0, "North", "N"));
    EXPECT_EQ(Club(0).GetFederation(), world.GetFederation(0));
    EXPECT_EQ(Club(0).GetDivisionStrength(), world.GetDivision(0)->GetDivisionStrength());
    EXPECT_EQ(Club(0).CountStandsInWork(), 0);
}

TEST_F(ClubSummary, TheWorldsForwardsToClubsAndTheCurrentUser) {
    Club(1).LeagueRow().m_Position = 1;
    Club(4).LeagueRow().m_Position = 4;
    world.SwapClubOrderBytes(1, 4);
    EXPECT_EQ(Club(1).LeagueRow().m_Position, 4);
    EXPECT_EQ(Club(4).LeagueRow().m_Position, 1);
    world.SwapClubOrderBytes(4, 4);
    world.SwapClubOrderBytes(4, 999);  // outside the list: nothing
    EXPECT_EQ(Club(4).LeagueRow().m_Position, 1);

    EXPECT_EQ(world.GetCurrentPlayerSearch(), nullptr);  // no current user
    EXPECT_EQ(world.GetTacticSettingByte(12), 0);
    CHumanManager& user = Human(2, 5);
    world.SetCurrentUser(5);
    ASSERT_EQ(world.GetCurrentPlayerSearch(), &user.GetPlayerSearch());
    world.GetCurrentPlayerSearch()->SetMinAge(21);
    EXPECT_EQ(user.GetPlayerSearch().GetMinAge(), 21);
    EXPECT_EQ(world.GetTacticSettingByte(3), 0);   // a built-in formation
    EXPECT_NE(world.GetTacticSettingByte(12), 0);  // one of his own
    EXPECT_EQ(world.GetTacticSettingByte(30), 0);  // beyond the list
}

TEST_F(ClubSummary, ScoutsOfTheCurrentUsersClub) {
    EXPECT_EQ(CClub::FindFreeScout(), nullptr);  // no current user
    Human(0, 2);
    world.SetCurrentUser(2);
    EXPECT_EQ(CClub::FindFreeScout(), nullptr);  // no scout hired
    Club(0).HireNewEmployee(2);
    Club(0).HireNewEmployee(2);
    auto& scouts = Club(0).Scouts();
    ASSERT_TRUE(scouts[0].IsAssigned());
    ASSERT_TRUE(scouts[1].IsAssigned());
    EXPECT_EQ(CClub::FindFreeScout(), &scouts[0]);
    scouts[0].SetAway(true);
    EXPECT_EQ(CClub::FindFreeScout(), &scouts[1]);

    const uint16_t id = AddPlayer(3);
    const CPlayer& player = *world.GetPlayer(id);
    EXPECT_FALSE(CClub::IsPlayerScouted(player));
    EXPECT_EQ(CClub::GetScoutReport(player), "");
    EXPECT_EQ(CClub::GetScoutGrade(player), "-");
    struct Case {
        uint8_t state;
        const char* report;
    };
    const Case running[] = {
        {1, "I am currently scouting this player boss. I will have the report ready for you in half a weeks time."},
        {4, "I am currently scouting this player boss. I will have the report ready for you in 2 weeks time."},
        {5, "I am currently scouting this player boss. I will have the report ready for you in 2 and a half weeks time."},
    };
    for (const Case& c : running) {
        scouts[1].Entries()[3] = {id, c.state, "Scouting", 0};
        EXPECT_EQ(CClub::GetScoutReport(player), c.report);
        EXPECT_TRUE(CClub::IsPlayerScouted(player));
        EXPECT_EQ(CClub::GetScoutGrade(player), "-");
    }
    // Done: the rating shows; the report only once he is marked scouted.
    scouts[1].Entries()[3] = {id, CScout::kDone, "01/09/99", 70};
    EXPECT_EQ(CClub::GetScoutGrade(player), "70");
    EXPECT_FALSE(CClub::IsPlayerScouted(player));
    world.GetPlayer(id)->Football().SetScouted(2);
    const std::string report = CClub::GetScoutReport(player);
    EXPECT_NE(report.find(" 70 "), std::string::npos) << report;
    EXPECT_NE(report.find(player.GetName()), std::string::npos) << report;
}

class ClubFixtureList : public ClubSummary {
protected:
    void SetUp() override {
        ClubSummary::SetUp();
        const uint8_t days[10][6] = {{1, 2, 3, 4, 5, 6}, {3, 1, 6, 2, 4, 5}, {1, 4, 2, 5, 3, 6},
                                     {5, 1, 6, 3, 4, 2}, {1, 6, 2, 3, 5, 4}, {2, 1, 4, 3, 6, 5},
                                     {1, 3, 2, 6, 5, 4}, {4, 1, 5, 2, 6, 3}, {1, 5, 3, 6, 2, 4},
                                     {6, 1, 3, 2, 4, 5}};
        for (const auto& d : days)
            for (uint8_t b : d) schedule.Add(b);
        CDivision& div = *world.GetDivision(0);
        for (int s = 0; s < CDivision::kSlots; ++s) div.SetCalendarSlot(s, CDivision::kNoMatch);
        div.SetCalendarSlot(2, CDivision::kSeasonFirst);
        for (int k = 0; k < 4; ++k) div.SetCalendarSlot(3 + k, uint8_t(208 + k));
        div.SetCalendarSlot(10, 1);
        div.SetCalendarSlot(14, 2);
        div.SetCalendarSlot(20, 3);
        div.SetCalendarSlot(24, CDivision::kLeagueEnd);
        div.SetCalendarSlot(30, CDivision::kSeasonLast);
        div.SetCalendarSlot(40, 4);  // beyond the season's last slot
        div.SetUp(&schedule);
        world.GetClock().Set(0, 0, 0, 1999, 7, 3);
        world.GetClock().StepToMatchDay(16, 0);
        // Match day 1: Club 2 beat Club 3 2-1 before 12345.
        div.m_Fixtures.GetAt(1)->Set(CFixture::kLeague, 2, 3, 5, 3, 0);
        div.m_Fixtures.GetAt(1)->m_HomeGoals = 2;
        div.m_Fixtures.GetAt(1)->m_AwayGoals = 1;
        div.m_Fixtures.GetAt(1)->m_Attendance = 12345;
        div.m_Fixtures.GetAt(5)->Set(CFixture::kLeague, 3, 4, 5, 3, 0);
        div.m_Fixtures.GetAt(5)->m_HomeGoals = 3;
        div.m_Fixtures.GetAt(5)->m_Attendance = 8000;
    }
    std::string DateOf(int day) {
        CMatchTime t = world.GetMatchTime();
        t.StepToMatchDay(day, day < t.GetMatchDay() ? 1 : 0);
        std::string out;
        t.GetDateText(out);
        return out;
    }
    CExtByteArray schedule;
};

TEST_F(ClubFixtureList, TheSeasonsLeagueMatchesWithTheResultsSoFar) {
    CClub& club = Club(3);
    club.LeaguePositions().assign(46, 255);
    club.LeaguePositions()[0] = 4;
    club.LeaguePositions()[1] = 1;
    RecordingListRows list;
    list.AddRow("stale", 0, 0, 0);
    club.FillLeagueFixtureList(list);
    ASSERT_EQ(list.Rows().size(), 3u);  // match days 1 to 3; none after the last slot
    const auto& first = list.Rows()[0];
    EXPECT_EQ(first.cells[0], DateOf(10));
    EXPECT_EQ(first.cells[1], "A");
    EXPECT_EQ(first.cells[2], "Club 2");
    EXPECT_EQ(first.cells[3], "2 - 1");
    EXPECT_EQ(first.cells[4], "5");
    EXPECT_EQ(first.cells[5], "12345");
    EXPECT_EQ(first.colour, 1085951u);
    EXPECT_EQ(first.data2, 10u);
    const auto& second = list.Rows()[1];
    EXPECT_EQ(second.cells[1], "H");
    EXPECT_EQ(second.cells[2], "Club 4");
    EXPECT_EQ(second.cells[3], "3 - 0");
    EXPECT_EQ(second.cells[4], "2");
    EXPECT_EQ(second.colour, 16777215u);
    const auto& third = list.Rows()[2];  // day 20 lies ahead: no result yet
    EXPECT_EQ(third.cells[0], DateOf(20));
    EXPECT_EQ(third.cells[3], "");
    EXPECT_EQ(third.data2, 20u);
}

TEST_F(ClubFixtureList, NoRecordedPositionsShowNone) {
    CClub& club = Club(3);
    club.LeaguePositions().clear();
    RecordingListRows list;
    club.FillLeagueFixtureList(list);
    ASSERT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Rows()[0].cells[4], "0");
    EXPECT_EQ(list.Rows()[1].cells[4], "0");
}

}  // namespace
}  // namespace clubtest
