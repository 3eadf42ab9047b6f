#include <gtest/gtest.h>

#include "soccerclasses/player.h"

#include "records_roundtrip.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/news.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/worldlinks.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"

namespace {

TEST(News, LinesTrimAndCategories) {
    CNewsList news;
    for (int i = 0; i < 25; ++i) news.Add("line " + std::to_string(i), 0, i < 20 ? "Sat 03 Jul 99" : "Tue 06 Jul 99");
    news.Add("hidden", 5, "Tue 06 Jul 99");
    std::vector<std::string> today;
    news.GetLines(today, "Tue 06 Jul 99");
    EXPECT_EQ(today, (std::vector<std::string>{"line 20", "line 21", "line 22", "line 23", "line 24"}));
    std::vector<std::string> all;
    news.GetLines(all, "");
    EXPECT_EQ(all.size(), 25u);
    EXPECT_EQ(news.Trim(20), 20);
    EXPECT_EQ(news.GetAt(0)->GetText(), "line 6");
    EXPECT_EQ(news.GetAt(19)->GetCategory(), 5);  // counted and kept
    EXPECT_EQ(news.Trim(40), 20);
    CNews byId(547u, 0, "d");
    EXPECT_EQ(byId.GetText(), "%1!s! HAMMER %2!s!, %3!d! - %4!d!");
}

TEST(News, SaveAndLoadIntoLongerAndShorterLists) {
    CNewsList news;
    news.Add("One", 0, "Sat 03 Jul 99");
    news.Add("", 6, "");
    news.Add("Three", 0, "Tue 06 Jul 99");
    auto bytes = recordtest::Write([&](FILE* f) { news.Save(f); });
    EXPECT_EQ(bytes.size(), 4u + (4 + 3 + 1 + 4 + 13) + 9 + (4 + 5 + 1 + 4 + 13));
    for (int before : {0, 10}) {
        CNewsList back;
        for (int i = 0; i < before; ++i) back.Add("old", 1, "old");
        ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
        ASSERT_EQ(back.GetSize(), 3);
        EXPECT_EQ(back.GetAt(1)->GetText(), "");
        EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    }
    EXPECT_EQ(recordtest::Write([](FILE* f) { CNewsList().Save(f); }), (std::vector<uint8_t>{0, 0, 0, 0}));
}

class NewsPaper : public ::testing::Test {
protected:
    void SetUp() override {
        SetClubNameSource([](int c) { return std::string(1, static_cast<char>('A' + c)) + "TOWN"; });
    }
    void TearDown() override { SetClubNameSource({}); }
    int Result(int home, int away, int h, int a) {
        auto f = std::make_unique<CFixture>();
        f->Set(0, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, 0);
        f->m_HomeGoals = static_cast<uint8_t>(h);
        f->m_AwayGoals = static_cast<uint8_t>(a);
        return fixtures.Add(std::move(f));
    }
    CFixtureList fixtures;
    CNewsPaperEvents events;
};

TEST_F(NewsPaper, BigWinKeepsTheLargestMargin) {
    events.SetResult(Result(0, 1, 5, 0), fixtures);
    events.SetResult(Result(2, 3, 3, 0), fixtures);
    EXPECT_EQ(events.m_BigWin, 0);  // the 5-0 stays
    events.Reset();
    events.SetResult(Result(0, 1, 3, 0), fixtures);
    events.SetResult(Result(2, 3, 0, 5), fixtures);
    EXPECT_EQ(events.m_BigWin, 3);
    events.SetResult(Result(4, 5, 4, 1), fixtures);
    events.SetResult(Result(6, 7, 1, 4), fixtures);
    EXPECT_EQ(events.m_BigWin, 3);
    events.Reset();
    events.SetResult(4, fixtures);
    events.SetResult(5, fixtures);
    EXPECT_EQ(events.m_BigWin, 5);  // equal margins: the later
    EXPECT_EQ(events.GetBigWinHeadline(0, fixtures), "HTOWN HAMMER GTOWN, 4 - 1");
    EXPECT_EQ(events.GetBigWinHeadline(6, fixtures), "HTOWN 4  GTOWN 1");
}

TEST_F(NewsPaper, HighScoringDraws) {
    events.SetResult(Result(0, 1, 2, 2), fixtures);
    events.SetResult(Result(2, 3, 0, 0), fixtures);
    EXPECT_EQ(events.m_Draw, -1);
    events.SetResult(Result(4, 5, 3, 3), fixtures);
    EXPECT_EQ(events.m_Draw, 2);
    EXPECT_EQ(events.GetDrawHeadline(6, fixtures), "ETOWN DRAW 3 - 3 WITH FTOWN");
    EXPECT_EQ(events.m_BigWin, -1);
    EXPECT_EQ(events.GetBigWinHeadline(0, fixtures), "");
}

TEST_F(NewsPaper, InjuriesTransfersAndSuspensions) {
    events.SetInjury(10, 6);
    events.SetInjury(11, 4);
    EXPECT_EQ(events.m_InjuredPlayer, 10);
    events.SetInjury(12, 6);
    EXPECT_EQ(events.m_InjuredPlayer, 12);
    // The dearer transfer wins although its fee text sorts first.
    events.SetTransfer(20, 1, "900,000", 900000.0);
    events.SetTransfer(21, 2, "1,500,000", 1500000.0);
    EXPECT_EQ(events.m_TransferPlayer, 21);
    events.SetTransfer(22, 3, "950,000", 950000.0);
    EXPECT_EQ(events.m_TransferPlayer, 21);
    events.SetSuspension(30, 70);
    events.SetSuspension(31, 60);
    EXPECT_EQ(events.m_SuspendedPlayer, 30);
    events.SetSuspension(32, 70);
    EXPECT_EQ(events.m_SuspendedPlayer, 32);
}

TEST_F(NewsPaper, ShockWinVariantNineWrapsAndChampions) {
    events.m_ShockWin = Result(0, 1, 0, 1);
    EXPECT_EQ(events.GetShockWinHeadline(9, fixtures), events.GetShockWinHeadline(0, fixtures));
    EXPECT_EQ(events.GetShockWinHeadline(0, fixtures), "LOWLY BTOWN TOPPLE MIGHTY ATOWN");
    events.SetChampion(2);
    events.SetRunnerUp(3);
    EXPECT_EQ(events.GetChampionsHeadline(0), "CTOWN ARE CHAMPIONS");
    EXPECT_EQ(events.GetRunnersUpHeadline(1), "DTOWN COULDN'T CATCH CTOWN");
    events.Reset();
    EXPECT_EQ(events.GetChampionsHeadline(0), "");
    EXPECT_EQ(events.GetPlayerOfTheSeasonHeadline(0), "");
}

TEST_F(NewsPaper, SaveLoadKeepsFieldsButNotTheHiddenKeys) {
    events.SetResult(Result(0, 1, 4, 0), fixtures);
    events.SetInjury(5, 3);
    events.SetTransfer(6, 7, "250,000", 250000.0);
    events.SetSuspension(8, 90);
    events.AddSackedManager(3);
    events.AddNewManager(4);
    events.SetDrawText("FA Cup draw!");
    auto bytes = recordtest::Write([&](FILE* f) { events.Write(f); });
    // 9 int32, fee text, weeks, 4 int32, 11-entry list, int32, two lists, draw text
    EXPECT_EQ(bytes.size(), 9 * 4 + (4 + 7) + 1 + 16 + (4 + 44) + 4 + 8 + 8 + (4 + 12));
    CNewsPaperEvents back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Read(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Write(f); }), bytes);
    EXPECT_EQ(back.GetBigWinHeadline(0, fixtures), events.GetBigWinHeadline(0, fixtures));
    back.SetSuspension(9, 10);
    EXPECT_EQ(back.m_SuspendedPlayer, 9);
    back.SetTransfer(10, 1, "1", 1.0);
    EXPECT_EQ(back.m_TransferPlayer, 10);
}

}  // namespace

namespace {

class NewsPaperPeople : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            auto club = std::make_unique<CClub>();
            club->SetName("Club " + std::to_string(i));
            world.GetClubList().AddRealClub(std::move(club));
        }
        auto m = std::make_unique<CManager>();
        m->m_Person.Set("A", "Ferguson", 50, 1);
        m->SetClubIndex(1);
        manager = world.GetManagerList().Add(std::move(m));
    }
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    int manager = -1;
};

TEST_F(NewsPaperPeople, ManagerHeadlines) {
    CNewsPaperEvents e;
    EXPECT_EQ(e.GetManagerOfTheMonthHeadline(0), "");
    e.SetManagerOfTheMonth(manager);
    EXPECT_EQ(e.GetManagerOfTheMonthHeadline(0), "FERGUSON NAMED MANAGER OF THE MONTH");
    EXPECT_EQ(e.GetManagerOfTheMonthHeadline(1), "CLUB 1's FERGUSON IS MANAGER OF MONTH");
    e.AddNewManager(manager);
    EXPECT_EQ(e.GetNewManagerHeadline(0, 0), "FERGUSON IS NEW MANAGER OF CLUB 1");
    EXPECT_EQ(e.GetNewManagerHeadline(0, 1), "");
    e.AddSackedManager(manager);
    EXPECT_EQ(e.GetManagerSackedHeadline(0, 0), "- DISMISS FERGUSON AS MANAGER");  // no previous club
    e.Reset();
    EXPECT_EQ(e.GetNewManagerHeadline(0, 0), "");
}

TEST_F(NewsPaperPeople, PlayerHeadlinesNeedThePlayer) {
    CNewsPaperEvents e;
    e.SetInjury(7, 3);
    e.SetTransfer(7, 2, "250,000", 250000.0);
    // No player 7 in this world: nothing to say.
    EXPECT_EQ(e.GetInjuryHeadline(0), "");
    EXPECT_EQ(e.GetTransferHeadline(0), "");
}

TEST_F(NewsPaperPeople, ReturnAndSuspensionHeadlines) {
    auto p = std::make_unique<CPlayer>();
    p->m_Person.Set("J", "Smith", 25, 1);
    const int index = world.GetPlayerList().Add(std::move(p));
    world.GetClub(2)->SetPlayerId(0, static_cast<uint16_t>(index));
    CNewsPaperEvents e;
    EXPECT_EQ(e.GetReturnFromInjuryHeadline(0), "");
    EXPECT_EQ(e.GetSuspensionHeadline(0), "");
    e.SetReturningPlayer(index);
    EXPECT_EQ(e.GetReturnFromInjuryHeadline(0), "SMITH BACK FROM INJURY");
    EXPECT_EQ(e.GetReturnFromInjuryHeadline(11), "SMITH BACK FOR CLUB 2");
    // A fit player has no weeks to tell of: never "BACK AFTER 0 WEEK LAY OFF".
    EXPECT_EQ(e.GetReturnFromInjuryHeadline(7), "SMITH BACK FROM INJURY");
    EXPECT_EQ(e.GetReturnFromInjuryHeadline(17), "SMITH BACK FROM INJURY");
    EXPECT_EQ(e.GetReturnFromInjuryHeadline(8), "CLUB 2 DECLARE SMITH FIT");

    e.SetSuspension(index, 50);
    const struct {
        uint8_t matches;
        int variant;
        const char* text;
    } cases[] = {
        {3, 0, "CLUB 2's SMITH FACES 3 MATCH BAN"},
        {3, 1, "SMITH SUSPENDED FOR 3 MATCHES"},
        {1, 0, "SMITH GETS A 1 MATCH SUSPENSION"},  // one match: always this text
        {1, 5, "SMITH GETS A 1 MATCH SUSPENSION"},
    };
    for (const auto& c : cases) {
        world.GetPlayer(index)->m_Suspension = c.matches;
        EXPECT_EQ(e.GetSuspensionHeadline(c.variant), c.text) << int(c.matches) << " " << c.variant;
    }
    e.SetSuspension(index + 1, 60);  // a player the world does not have
    EXPECT_EQ(e.GetSuspensionHeadline(0), "");
}

}  // namespace

namespace {

TEST_F(NewsPaper, CupUpsetOnPenaltiesNamesTheShootoutWinner) {
    events.m_CupUpset = Result(0, 1, 1, 1);
    fixtures.GetAt(events.m_CupUpset)->m_Events.Add(255, CMatchEvent::kAwayShootoutGoal, "X");
    EXPECT_EQ(events.GetCupUpsetHeadline(0, fixtures), "BTOWN 1 ATOWN 1");
    EXPECT_EQ(events.GetCupUpsetHeadline(5, fixtures), "BTOWN DUMP ATOWN OUT OF CUP");
    events.m_CupUpset = Result(2, 3, 3, 1);  // a plain win: winner's goals first
    EXPECT_EQ(events.GetCupUpsetHeadline(4, fixtures), "CTOWN 3 DTOWN 1 IN CUP UPSET");
    events.m_CupUpset = Result(2, 3, 2, 2);  // level without a shoot-out: nobody to name
    EXPECT_EQ(events.GetCupUpsetHeadline(0, fixtures), "");
}

TEST_F(NewsPaper, NegativeVariantsWrapIntoTheTexts) {
    events.SetChampion(2);
    events.SetRunnerUp(3);
    EXPECT_EQ(events.GetChampionsHeadline(-10), events.GetChampionsHeadline(0));
    EXPECT_EQ(events.GetRunnersUpHeadline(-9), events.GetRunnersUpHeadline(1));
}

}  // namespace
