#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class RecordedLines : public CMessageLines {
public:
    void AddLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

std::vector<uint8_t> CareerFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int32_t CareerI32At(const std::vector<uint8_t>& b, size_t at) {
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

// Club 0 ("Harwick Albion") is user 0's, with 22 players: positions in turn
// keeper, defender, midfielder, attacker.
class Career : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0)}));
        world.GetCountryList().GetAt(1)->AddDivision(0);
        world.GetDivisionList().GetAt(0)->SetClubRange(0, 2);
        for (int i = 0; i < 22; ++i) Own().AddPlayerToSquad(AddPlayer(i % 4));
        MakeUser(Own(), 0);
    }
    CClub& Own() { return *world.GetClub(0); }
    CHumanManager& User() { return *world.GetUser(0); }
    std::string Path(const char* name) { return ::testing::TempDir() + name; }
    std::vector<uint16_t> Squad() {
        std::vector<uint16_t> s;
        for (int i = 0; i < 30; ++i) s.push_back(Own().GetPlayerId(i));
        return s;
    }
    std::string Name(int slot) { return world.GetPlayer(Own().GetPlayerId(slot))->GetName(); }
};

TEST_F(Career, TheInboxKeepsTheNewest110InTheOrderPosted) {
    for (int i = 1; i <= 111; ++i) User().AddMessage(uint8_t(1 + i % 200), std::to_string(i), "", "", i);
    EXPECT_EQ(User().GetMessage(0).text1, "2") << "the first message is gone";
    EXPECT_EQ(User().GetMessage(109).text1, "111");
    EXPECT_EQ(User().GetInbox().size(), 110u);
    User().ClearMessages();
    EXPECT_TRUE(User().GetInbox().empty());
    EXPECT_EQ(User().GetMessage(5).id, -1);
}

TEST_F(Career, TheAdvisorsReadTheirCodesWithTheirOwnTexts) {
    User().AddMessage(60, "Smith", "3", "", 17);
    User().AddMessage(60, "Jones", "2", "", 18);
    User().AddMessage(85, "", "", "", -1);
    User().AddMessage(85, "", "", "", -1);
    RecordedLines all, one, none, scout, absent;
    EXPECT_TRUE(User().GetMessages(60, 37004, all));
    EXPECT_EQ(all.lines.size(), 2u);
    EXPECT_TRUE(User().GetMessages(60, 863, one, nullptr, 18));
    ASSERT_EQ(one.lines.size(), 1u);
    EXPECT_EQ(one.lines[0], "Jones will discuss personal terms on 2");
    EXPECT_TRUE(User().GetMessages(60, 863, none, nullptr, 99)) << "the code is there though no line is";
    EXPECT_TRUE(none.lines.empty());
    EXPECT_TRUE(User().GetMessages(85, 863, scout));
    ASSERT_EQ(scout.lines.size(), 1u) << "the scout's note shows once";
    EXPECT_EQ(scout.lines[0], "%1!s! will discuss personal terms on %2!s!") << "unformatted";
    EXPECT_FALSE(User().GetMessages(61, 863, absent));
}

TEST_F(Career, TodaysMatchMessageShowsTheSuggestedEleven) {
    User().AddMessage(197, "", "", "", -1);
    RecordedLines lines;
    EXPECT_TRUE(User().GetMessages(197, 863, lines));
    ASSERT_EQ(lines.lines.size(), 1u);
    EXPECT_EQ(lines.lines[0], User().BuildSuggestedTeam());
    EXPECT_EQ(lines.lines[0].rfind("For our next match I would suggest the following players", 0), 0u);
}

TEST_F(Career, ResultsAreCodedAndTheEleventhPushesTheOldestOut) {
    struct Case {
        bool home;
        int h, a;
        uint8_t code;
    };
    const Case cases[] = {{true, 2, 2, 5}, {false, 0, 0, 5}, {true, 3, 1, 4}, {true, 0, 1, 3},
                          {false, 0, 2, 2}, {false, 2, 0, 1}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        User().AddResult(cases[i].home, cases[i].h, cases[i].a);
        EXPECT_EQ(User().GetResults()[i], cases[i].code) << i;
    }
    for (int i = 0; i < 5; ++i) User().AddResult(true, 1, 0);
    EXPECT_EQ(User().GetResults()[0], 5);
    User().AddResult(false, 1, 0);
    EXPECT_EQ(User().GetResults()[0], 5) << "the second result, a draw, is now the oldest";
    EXPECT_EQ(User().GetResults()[10], 1);
}

TEST_F(Career, SaturdaysCountWeeksAndRecordTheRating) {
    CManager& m = *Own().GetManagerObject();
    m.m_Rating = 57.8;
    for (int i = 0; i < 25; ++i) User().AddNews("item " + std::to_string(i));
    world.GetUserList().WeeklyStep();
    EXPECT_EQ(User().GetWeeks(), 1);
    EXPECT_EQ(User().GetWageHistory()[0], 57);
    EXPECT_EQ(User().GetNews().GetSize(), 20);
    EXPECT_EQ(std::string(User().GetNews().GetAt(0)->GetText()), "item 5");
    for (int i = 0; i < 10; ++i) {
        m.m_Rating = 60 + i;
        world.GetUserList().WeeklyStep();
    }
    EXPECT_EQ(User().GetWageHistory()[0], 60) << "the first week has gone";
    EXPECT_EQ(User().GetWageHistory()[9], 69);
    // Unemployed, his weeks and ratings still go on; his news stays.
    Own().ManagerLeaves(0);
    for (int i = 0; i < 25; ++i) User().AddNews("later");
    m.m_Rating = 40;
    world.GetUserList().WeeklyStep();
    EXPECT_EQ(User().GetWeeks(), 12);
    EXPECT_EQ(User().GetWageHistory()[9], 40);
    EXPECT_GT(User().GetNews().GetSize(), 20);
}

TEST_F(Career, AManagerWithNoClubGivesEmptyAnswers) {
    const int index = world.GetManagerList().AddManager(*world.GetCountry(1));
    CHumanManager& u = *world.GetUser(3);
    u.SetManager(index);
    EXPECT_TRUE(u.HasManager());
    EXPECT_FALSE(u.IsEmployed());
    EXPECT_EQ(u.GetClub(), nullptr);
    EXPECT_EQ(u.GetClubName(), "");
    EXPECT_EQ(u.GetPreviousClubName(), "");
    EXPECT_EQ(u.GetMoneyText5(), "");
    EXPECT_EQ(u.GetClubCountryIndex(), -1);
    EXPECT_EQ(u.GetClubPopularityIndex(), -1);
    EXPECT_EQ(u.GetClubDivision(), -1);
    EXPECT_EQ(u.GetRankedPlayerName(0, 0), "");
    EXPECT_NE(u.GetManagerName(), "");
    RecordingListRows rows;
    u.GetNegotiations().Add(Own().GetPlayerId(3), 100, 0, 0, 1);
    u.FillNegotiationList(rows);
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(rows.Rows()[0].cells[2], "100") << "no club, no currency";
    u.RollTransferFlag();
    EXPECT_EQ(u.GetNegotiations().GetSize(), 1) << "no club decides his bids";
    EXPECT_TRUE(world.GetManagerList().GetAt(index)->IsHuman());
    // His former club is his club once he has left one.
    EXPECT_EQ(User().GetClub(), &Own());
    Own().ManagerLeaves(0);
    EXPECT_FALSE(User().IsEmployed());
    EXPECT_EQ(User().GetClub(), &Own());
    EXPECT_EQ(User().GetClubName(), "");
    EXPECT_EQ(User().GetPreviousClubName(), "Harwick Albion");
}

// The lifestyle follows the weekly wage: four fifths of it against the
// thresholds, each reached inclusively.
TEST_F(Career, TheWealthLevelCountsTheThresholdsOfFourFifthsOfTheWage) {
    struct Case {
        double weekly;
        int level;
    };
    const Case cases[] = {{0, 0},     {624, 0},    {625, 1},      {1250, 2},     {2499, 2},   {2500, 3},
                          {5000, 4},  {8750, 5},   {13750, 6},    {20000, 7},    {27500, 8},  {37499, 8},
                          {37500, 9}, {90000, 9}};
    CManager& m = *Own().GetManagerObject();
    for (const Case& c : cases) {
        m.Person().SetWeeklyWage(c.weekly);
        EXPECT_EQ(User().GetWealthLevel(), c.level) << c.weekly;
    }
    EXPECT_EQ(world.GetUser(5)->GetWealthLevel(), 0) << "a slot not in play";
}

TEST_F(Career, AFriendlyRefusalIsRememberedByClubUntilTheRecordIsLoaded) {
    CClub& town = *world.GetClub(1);
    EXPECT_FALSE(User().HasFriendlyRefusal(&town));
    User().AddFriendlyRefusal(&town);
    User().AddFriendlyRefusal(&town);
    EXPECT_TRUE(User().HasFriendlyRefusal(&town));
    EXPECT_FALSE(User().HasFriendlyRefusal(&Own()));
    EXPECT_FALSE(User().HasFriendlyRefusal(nullptr));
    EXPECT_FALSE(world.GetUser(1)->HasFriendlyRefusal(&town)) << "each user has his own";
    // Not part of the saved record: a load forgets it.
    FILE* f = OpenGameFile(Path("refusals.bin"), "wb");
    User().Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    f = OpenGameFile(Path("refusals.bin"), "rb");
    User().Load(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_FALSE(User().HasFriendlyRefusal(&town));
}

TEST_F(Career, TheRecordIsSavedFieldByFieldWithoutTheInbox) {
    CHumanManager& u = User();
    CManager& m = *Own().GetManagerObject();
    m.m_Rating = 33;
    u.WeeklyStep();
    u.AddResult(true, 1, 0);
    u.SetDeferredMessage(203, "a", "bb", "ccc", 42);
    u.AddNews("a headline");
    u.SetTransferFlag(1);
    u.GetNegotiations().Add(7, 500, 1, 2, 3);
    u.MarkPlayer(11);
    u.GetHonours().AddWinnerHonour("First League", "1999", "Harwick Albion", 3, 0);
    u.SetSelection(0, 9);
    u.ApplySelectionToClub(Own(), 5);
    u.m_TableA[19] = 77;
    u.m_TableB[0] = 66;
    u.m_Instructions[2][29][9] = 5;
    u.m_Instructions[0][0][0] = 4;
    u.m_TrainLevel = {61, 62, 63, 64};
    u.m_TrainLoad = {1, 2, 3, 4};
    u.m_TrainProgress = {0.25, 0.5, 0.75, 0.125};
    u.m_TacticSliders = {1, 2, 3, 4, 5};
    u.AddMessage(60, "kept", "", "", 3);

    FILE* f = OpenGameFile(Path("record.bin"), "wb");
    u.Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(u.GetInbox().size(), 1u) << "saving leaves the inbox";
    const std::vector<uint8_t> b = CareerFileBytes(Path("record.bin"));
    EXPECT_EQ(CareerI32At(b, 0), u.GetManagerIndex());
    EXPECT_EQ(b[4], 0);                    // reserved byte
    EXPECT_EQ(CareerI32At(b, 5), 0);       // reserved word
    EXPECT_EQ(CareerI32At(b, 9), 1);       // weeks
    EXPECT_EQ(b[13], 4);                   // the home win
    EXPECT_EQ(CareerI32At(b, 24), 33);     // the first week's rating
    EXPECT_EQ(b[64], 203);                 // the deferred code
    EXPECT_EQ(CareerI32At(b, 65), 1);      // its first text's length
    EXPECT_EQ(b[69], 'a');
    // The tail: sliders, progress, levels and loads from the end backwards.
    const size_t n = b.size();
    EXPECT_EQ(CareerI32At(b, n - 4), 5);
    EXPECT_EQ(CareerI32At(b, n - 20), 1);
    EXPECT_EQ(b[n - 20 - 32 - 8], 61);
    EXPECT_EQ(b[n - 20 - 32 - 1], 4);
    // The instruction tables: 300 cells of three, the last cell's third value first before the bytes.
    EXPECT_EQ(CareerI32At(b, n - 20 - 32 - 8 - 4), 5);
    EXPECT_EQ(CareerI32At(b, n - 20 - 32 - 8 - 3600), 4);
    EXPECT_EQ(CareerI32At(b, n - 20 - 32 - 8 - 3600 - 8), 77) << "table A's last cell";
    EXPECT_EQ(CareerI32At(b, n - 20 - 32 - 8 - 3600 - 160 + 4), 66) << "table B's first cell";

    // A record with no message is the same size: the inbox is not written.
    u.ClearMessages();
    f = OpenGameFile(Path("record2.bin"), "wb");
    u.Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(CareerFileBytes(Path("record2.bin")), b);

    CHumanManager back;
    back.AddMessage(1, "", "", "", -1);
    f = OpenGameFile(Path("record.bin"), "rb");
    back.Load(f);
    EXPECT_EQ(GameFileBytesLeft(), 0u);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_TRUE(back.GetInbox().empty()) << "a loaded record starts with an empty inbox";
    EXPECT_EQ(back.GetDeferredMessage().text3, "ccc");
    EXPECT_EQ(back.GetDeferredMessage().id, 42);
    EXPECT_EQ(back.GetTransferFlag(), 1);
    EXPECT_EQ(back.GetNews().GetSize(), 1);
    EXPECT_TRUE(back.IsNegotiatingForIndex(7));
    EXPECT_TRUE(back.IsMarked(11));
    EXPECT_EQ(back.GetHonours().GetSize(), 1);
    EXPECT_TRUE(back.IsSquadInSelectionOrder());
    EXPECT_EQ(back.GetSelection(0), 9);
    EXPECT_EQ(back.GetSavedSquadOrder(), u.GetSavedSquadOrder());
    EXPECT_EQ(back.m_TableA, u.m_TableA);
    EXPECT_EQ(back.m_TableB, u.m_TableB);
    EXPECT_EQ(back.m_Instructions, u.m_Instructions);
    EXPECT_EQ(back.m_TrainProgress, u.m_TrainProgress);
    EXPECT_EQ(back.m_TacticSliders, u.m_TacticSliders);
    // Saved again it gives the same bytes.
    f = OpenGameFile(Path("record3.bin"), "wb");
    back.Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(CareerFileBytes(Path("record3.bin")), b);
}

TEST_F(Career, TheUserListSavesEightMarkedSlotsAndRefusesDamage) {
    MakeUser(*world.GetClub(1), 2);
    world.GetUser(5)->SetManager(world.GetManagerList().AddManager(*world.GetCountry(1)));
    FILE* f = OpenGameFile(Path("users.bin"), "wb");
    world.GetUserList().Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    const std::vector<uint8_t> b = CareerFileBytes(Path("users.bin"));
    EXPECT_EQ(CareerI32At(b, 0), 8);
    EXPECT_EQ(CareerI32At(b, 4), 6);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 14), "SYNC 0");
    const std::string text(b.begin(), b.end());
    size_t at = 0;
    for (int i = 0; i < 8; ++i) {
        const size_t found = text.find("SYNC " + std::to_string(i), at);
        ASSERT_NE(found, std::string::npos) << i;
        at = found + 6;
    }
    CUserList back;
    f = OpenGameFile(Path("users.bin"), "rb");
    back.Load(f);
    EXPECT_FALSE(GameFileDamaged());
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(back.CountInPlay(), 3);
    EXPECT_EQ(back.GetAt(2)->GetManagerIndex(), world.GetClub(1)->GetManager());
    f = OpenGameFile(Path("users2.bin"), "wb");
    back.Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_EQ(CareerFileBytes(Path("users2.bin")), b);

    // A list of three: its markers and records, read back as eight slots.
    {
        f = OpenGameFile(Path("three.bin"), "wb");
        SaveInt32(f, 3);
        for (int i = 0; i < 3; ++i) {
            const std::string marker = "SYNC " + std::to_string(i);
            SaveInt32(f, int32_t(marker.size()));
            WriteGameFile(marker.data(), 1, marker.size(), f);
            world.GetUser(i)->Save(f);
        }
        ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
        CUserList three;
        f = OpenGameFile(Path("three.bin"), "rb");
        three.Load(f);
        EXPECT_FALSE(GameFileDamaged());
        CloseGameFile(f);
        EXPECT_EQ(three.GetSize(), 8);
        EXPECT_EQ(three.CountInPlay(), 2);
        EXPECT_EQ(three.GetAt(7)->GetManagerIndex(), -1);
    }
    // Damage: a wrong marker, counts of 0 and 9, a short file.
    auto damaged = [&](std::vector<uint8_t> bytes) {
        {
            std::ofstream out(Path("bad.bin"), std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        CUserList bad;
        FILE* in = OpenGameFile(Path("bad.bin"), "rb");
        bad.Load(in);
        const bool d = GameFileDamaged();
        CloseGameFile(in);
        return d;
    };
    std::vector<uint8_t> marker = b;
    marker[13] = '1';
    EXPECT_TRUE(damaged(marker));
    std::vector<uint8_t> zero = b, nine = b;
    zero[0] = 0;
    nine[0] = 9;
    EXPECT_TRUE(damaged(zero));
    EXPECT_TRUE(damaged(nine));
    EXPECT_TRUE(damaged(std::vector<uint8_t>(b.begin(), b.end() - 3)));
    EXPECT_FALSE(damaged(b));
}

TEST_F(Career, TheSelectionStartsWithSixteenAndExchangesPositions) {
    for (int p = 0; p < 30; ++p) EXPECT_EQ(User().GetSelectedPlayer(p), p < 16 ? p + 1 : 0) << p;
    User().SetSelectedPlayer(3, User().GetSelection(7));
    EXPECT_EQ(User().GetSelection(3), 8);
    EXPECT_EQ(User().GetSelection(7), 4);
    User().SetSelectedPlayer(20, 2);
    EXPECT_EQ(User().GetSelection(20), 2);
    EXPECT_EQ(User().GetSelection(1), 0) << "slot 20 had no position";
    // In selection order the squad slots change places instead.
    User().ResetSelection();
    User().ApplySelectionToClub(Own(), 5);
    const std::vector<uint16_t> before = Squad();
    EXPECT_EQ(User().GetSelectedPlayer(20), 21);
    User().SetSelectedPlayer(2, 10);
    EXPECT_EQ(Own().GetPlayerId(2), before[9]);
    EXPECT_EQ(Own().GetPlayerId(9), before[2]);
    User().SetSelectedPlayer(4, 0);
    EXPECT_EQ(Own().GetPlayerId(4), before[4]) << "0 names no slot";
}

TEST_F(Career, ApplyingAndRestoringTheSelectionLeavesTheSquadAsItWas) {
    const std::vector<uint16_t> original = Squad();
    User().SetSelectedPlayer(0, 5);  // slots 0 and 4 exchange
    User().ApplySelectionToClub(Own(), 5);
    EXPECT_EQ(Own().GetPlayerId(0), original[4]);
    EXPECT_EQ(Own().GetPlayerId(4), original[0]);
    User().RestoreClubSquadOrder(Own());
    EXPECT_EQ(Squad(), original);

    // A player has left slot 4; a selected slot is empty: the eleven is
    // still whole and fit players fill the gaps first.
    Own().RemoveFromSquad(4);
    const std::vector<uint16_t> shorter = Squad();
    User().ResetSelection();
    User().SetSelection(25, 3);  // position 3 on an empty slot
    User().SetSelection(2, 0);
    Injure(Own().GetPlayerId(16));
    User().ApplySelectionToClub(Own(), 5);
    for (int s = 0; s < 11; ++s) EXPECT_NE(Own().GetPlayerId(s), kEmptySlot) << s;
    EXPECT_TRUE(world.GetPlayer(Own().GetPlayerId(2))->IsAvailable()) << "the gap takes a fit man";
    User().RestoreClubSquadOrder(Own());
    EXPECT_EQ(Squad(), shorter);
    EXPECT_FALSE(User().IsSquadInSelectionOrder());
}

TEST_F(Career, ASlotEmptiedByASaleMovesTheSelectionUpAndTheFormationsForget) {
    for (int i = 0; i < User().GetTacticCount(); ++i) User().GetTactic(uint8_t(i))->m_Familiarity = 60;
    User().SetSelectedPlayer(0, 5);
    const uint16_t sold = Own().GetPlayerId(0);
    int decayed = 0;
    for (int round = 0; round < 1 && decayed == 0; ++round) {
        world.GetClub(0)->SellPlayer(sold, 1000, *world.GetClub(1), false, false);
        for (int i = 0; i < User().GetTacticCount(); ++i) decayed += User().GetTactic(uint8_t(i))->m_Familiarity < 60;
    }
    EXPECT_GT(decayed, 0);
    EXPECT_EQ(User().GetSelection(0), 2) << "slot 1's position moved up";
    EXPECT_EQ(User().GetSelection(3), 1) << "slot 4 held position 1";
    EXPECT_EQ(User().GetSelection(29), 0);
}

TEST_F(Career, TheSuggestedElevenFollowsTheFormation) {
    struct Case {
        int formation, d, m, a;
    };
    const Case cases[] = {{0, 4, 4, 2}, {1, 4, 3, 3}, {2, 4, 2, 4}, {3, 5, 3, 2}, {4, 5, 2, 3}, {5, 5, 4, 1},
                          {6, 4, 5, 1}, {7, 3, 3, 4}, {8, 3, 5, 2}, {9, 3, 4, 3}, {12, 4, 4, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formation);
        User().SetCurrentTactic(uint8_t(c.formation));
        std::vector<std::string> names{User().GetRankedPlayerName(0, 0)};
        for (int r = 0; r < c.d; ++r) names.push_back(User().GetRankedPlayerName(r, 1));
        for (int r = 0; r < c.m; ++r) names.push_back(User().GetRankedPlayerName(r, 2));
        for (int r = 0; r < c.a; ++r) names.push_back(User().GetRankedPlayerName(r, 3));
        std::string expected = "For our next match I would suggest the following players are looking good at the moment.";
        for (const auto& n : names) expected += " " + n;
        EXPECT_EQ(User().BuildSuggestedTeam(), expected);
    }
}

TEST_F(Career, RankedNamesTakeTheFirstTenFitPlayersOfAGroupBestFirst) {
    // 12 midfielders: the squad's 5 and 7 more; the last two are the best.
    std::vector<uint16_t> mids;
    for (int s = 0; s < 30; ++s)
        if (const CPlayer* p = Own().PlayerInSlot(s); p && p->GetPosition() == 2) mids.push_back(Own().GetPlayerId(s));
    while (mids.size() < 12) {
        mids.push_back(AddPlayer(2));
        Own().AddPlayerToSquad(mids.back());
    }
    for (size_t i = 0; i < mids.size(); ++i) SetAbility(mids[i], i >= 10 ? 95 : int(30 + 3 * i));
    auto ability = [&](uint16_t id) { return world.GetPlayer(id)->GetMatchAbility(); };
    std::vector<uint16_t> expected(mids.begin(), mids.begin() + 10);
    std::stable_sort(expected.begin(), expected.end(), [&](uint16_t x, uint16_t y) { return ability(x) > ability(y); });
    for (int r = 0; r < 10; ++r) {
        const std::string name = User().GetRankedPlayerName(r, 2);
        EXPECT_EQ(name, world.GetPlayer(expected[size_t(r)])->GetName()) << r;
        EXPECT_NE(name, world.GetPlayer(mids[10])->GetName());
        EXPECT_NE(name, world.GetPlayer(mids[11])->GetName());
    }
    // A man who cannot play is passed over: the eleventh takes his place.
    Injure(mids[0]);
    bool eleventh = false;
    for (int r = 0; r < 10; ++r) {
        const std::string name = User().GetRankedPlayerName(r, 2);
        EXPECT_NE(name, world.GetPlayer(mids[0])->GetName());
        eleventh |= name == world.GetPlayer(mids[10])->GetName();
    }
    EXPECT_TRUE(eleventh);
    // Two keepers in the squad: a third rank names nobody, not slot 0.
    EXPECT_EQ(User().GetRankedPlayerName(6, 0), "");
    EXPECT_EQ(User().GetRankedPlayerName(25, 1), "");
}

}  // namespace
}  // namespace clubtest
