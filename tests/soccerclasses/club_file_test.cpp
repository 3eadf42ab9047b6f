#include <gtest/gtest.h>

#include "clubs_world.h"
#include "records_roundtrip.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"

namespace clubtest {
namespace {

using ClubFile = ClubWorld;

TEST_F(ClubFile, ReadsTheRealClubsAndAddsTwoBlankOnes) {
    const auto path = WriteClubs({Record("Harwick Albion", 0, 0), Record("Harwick Town", 0, 2),
                                  Record("Port Ellis", 1, 3)});
    CClubList list;
    list.ReadFile(path);
    ASSERT_EQ(list.GetSize(), 5);
    EXPECT_EQ(list.GetRealCount(), 3);
    EXPECT_EQ(world.GetClubCount(), 3);
    EXPECT_EQ(list.GetAt(3)->GetName(), "");
    EXPECT_EQ(list.GetAt(4)->GetManager(), -1);

    const CClub& a = *list.GetAt(0);
    EXPECT_EQ(a.GetName(), "Harwick Albion");
    EXPECT_EQ(a.GetSecondName(), "Har");
    EXPECT_EQ(a.GetYearFounded(), 1890);
    EXPECT_EQ(a.GetReputation(), a.GetPopularityIndex());
    EXPECT_GE(a.GetManager(), 0);
    EXPECT_GT(a.GetManagerWage(), 0.0);
    EXPECT_EQ(world.GetManagerList().GetAt(a.GetManager())->Person().GetSurname(), "Halloran");
    EXPECT_EQ(world.GetManagerList().GetAt(a.GetManager())->Person().GetName(), "J.Halloran");
    EXPECT_EQ(world.GetManagerList().GetAt(a.GetManager())->Person().GetAge(), 50);
    EXPECT_EQ(a.GetBudgetPercentage(), world.GetManagerList().GetAt(a.GetManager())->GetRating());
    EXPECT_EQ(a.GetHomeKit().bytes, (std::array<uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(a.GetAwayKit().bytes[3], 15);
    EXPECT_EQ(a.GetSquadSize(), 0u);
    EXPECT_NE(a.GetAccounts(), nullptr);
    EXPECT_NE(a.GetCurrentForm(), nullptr);
    EXPECT_GT(a.GetBankBalance(), 0.0);

    // A club of a country played by results only is read in full, kits too.
    const CClub& c = *list.GetAt(2);
    EXPECT_EQ(c.GetAccounts(), nullptr);
    EXPECT_EQ(c.GetCurrentForm(), nullptr);
    EXPECT_EQ(c.GetAwayKit().bytes[7], 11);
    EXPECT_EQ(list.FindByName("Port Ellis"), 2);
    EXPECT_EQ(list.FindByName("Nowhere"), 65535);
    EXPECT_EQ(list.FindByName(""), 65535);
}

TEST_F(ClubFile, RefusesRecordsThatBreakTheRulesOfTheFile) {
    struct Case {
        const char* what;
        std::function<void(std::vector<ClubFileRecord>&)> spoil;
    };
    const std::vector<Case> cases = {
        {"popularity outside the table", [](auto& c) { c[1].popularity = 4; }},
        {"second popularity outside the table", [](auto& c) { c[1].secondPopularity = 200; }},
        {"no manager", [](auto& c) { c[0].managerFlag = 0; }},
        {"manager flag of 65", [](auto& c) { c[0].managerFlag = 65; }},
        {"division outside the list", [](auto& c) { c[2].division = 2; }},
        {"stadium outside the list", [](auto& c) { c[2].stadium = 3; }},
        {"negative stadium", [](auto& c) { c[2].stadium = -1; }},
        {"empty name", [](auto& c) { c[1].name.clear(); }},
        {"club outside its division's block", [](auto& c) { c.push_back(ClubWorld::Record("Late Arrivals", 0)); }},
    };
    for (const auto& c : cases) {
        std::vector<ClubFileRecord> clubs = {Record("A", 0), Record("B", 0), Record("C", 1)};
        c.spoil(clubs);
        const auto path = WriteClubs(clubs);
        CClubList list;
        EXPECT_THROW(list.ReadFile(path), DataFileError) << c.what;
        EXPECT_EQ(list.GetSize(), 0) << c.what;
        ResetGameFileChannel();
    }
}

TEST_F(ClubFile, RefusesATruncatedFile) {
    const auto path = WriteClubs({Record("A", 0), Record("B", 1)});
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 5);
    CClubList list;
    try {
        list.ReadFile(path);
        FAIL();
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.GetKind(), DataFileError::kDamaged);
        EXPECT_NE(std::string(e.what()).find("ERROR! Damaged file : "), std::string::npos);
    }
}

// Every real club saves and reloads to the same bytes, with and without the
// rows of a followed country.
TEST_F(ClubFile, SaveAndReloadGiveTheSameBytes) {
    const auto path = WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 1)});
    CClubList list;
    list.ReadFile(path);
    CClub& a = *list.GetAt(0);
    a.SetPlayerId(0, AddPlayer(0));
    a.SetPlayerId(1, AddPlayer(1));
    a.Records().AddGate(15000, "Sat 03 Jul 99", "Port Ellis");
    a.GetCurrentForm()->AddResult(2, 1, 3, 1);
    a.Book(kGateReceipts, 1234.5);
    a.SetHomeReceipt2(15000, 0, 2, 1, 12.0, 9);
    a.TakeLoan(50000.0, 3);
    a.AddBooking();
    a.Trophies().AddWinnerHonour("First League", "Harwick Albion", "1999/00", 1, 0);
    a.TransferHistory(1).Add("A. Nother", "Harwick Albion", 5000.0, "Port Ellis", 1);
    a.Scouts()[2].Init(0, 0);
    a.OfferTargets().push_back(77);
    list.GetAt(1)->AddSendingOff();

    const auto bytes = recordtest::Write([&](FILE* f) { list.Save(f); });
    CClubList other;
    other.ReadFile(path);
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { other.Load(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { other.Save(f); }), bytes);
    EXPECT_EQ(other.GetAt(0)->GetPlayerId(1), 1);
    EXPECT_EQ(other.GetAt(0)->GetReceipt(1).crowd, 15000);
    EXPECT_EQ(other.GetAt(0)->GetLoan(), a.GetLoan());

    // The inactive club's record has no accounts, form, friendlies or scouts.
    const auto inactive = recordtest::Write([&](FILE* f) { list.GetAt(1)->Save(f); });
    const auto active = recordtest::Write([&](FILE* f) { list.GetAt(0)->Save(f); });
    EXPECT_LT(inactive.size() + 7 * 100 * 10, active.size());
}

TEST_F(ClubFile, ATruncatedSaveIsDamaged) {
    const auto path = WriteClubs({Record("Harwick Albion", 0)});
    CClubList list;
    list.ReadFile(path);
    auto bytes = recordtest::Write([&](FILE* f) { list.Save(f); });
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(recordtest::Read(bytes, [&](FILE* f) { list.Load(f); }));
}

TEST_F(ClubFile, CMatchReceiptPaddingIsZero) {
    CMatchReceipt r;
    r.Fill(true, 100, 0, 1, 0, 10.0, 3);
    const auto bytes = recordtest::Write([&](FILE* f) { r.Save(f); });
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(bytes[12], 0);
    EXPECT_EQ(bytes[15], 0);
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(ClubWorld, CountriesGiveAndTakeTheirClubsRecords) {
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 1)}));
    CClub& ellis = *world.GetClubList().GetAt(1);
    EXPECT_EQ(ellis.GetAccounts(), nullptr);
    world.GetCountry(2)->SetFollowLevel(kFollowed);
    ASSERT_NE(ellis.GetAccounts(), nullptr);
    EXPECT_NE(ellis.GetCurrentForm(), nullptr);
    EXPECT_EQ(ellis.LeaguePositions().size(), 46u);
    world.GetCountry(1)->SetFollowLevel(kNotFollowed);
    EXPECT_EQ(world.GetClubList().GetAt(0)->GetAccounts(), nullptr);
    EXPECT_NE(ellis.GetAccounts(), nullptr);
}

}  // namespace
}  // namespace clubtest
