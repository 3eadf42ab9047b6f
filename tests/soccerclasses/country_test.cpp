#include <gtest/gtest.h>

#include <fstream>

#include "platform/random.h"
#include "soccerclasses/country.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace {

std::string Path(const char* name) { return (testenv::TestFolder() / name).string(); }

std::vector<uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

template <class Saver>
std::vector<uint8_t> SaveToBytes(const char* name, Saver save) {
    FILE* f = OpenGameFile(Path(name), "wb");
    save(f);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
    return Bytes(Path(name));
}

class CountryTest : public ::testing::Test {
protected:
    void SetUp() override {
        installed = std::make_unique<ScopedWorld>(&world);
        world.GetCurrencyList().Add(std::make_unique<CCurrency>(0, "\xA3", 0, 0, 1.0, 1));
        auto* d = new CDivision;
        d->SetClubRange(40, 20);
        world.GetDivisionList().Add(d);
        auto* d2 = new CDivision;
        d2->SetClubRange(60, 24);
        world.GetDivisionList().Add(d2);
    }
    void TearDown() override {
        installed.reset();
        ResetModuleState();
    }

    static std::unique_ptr<CCountry> Sample(uint8_t follow) {
        CountryRecord r;
        r.id = 55;
        r.name = "England";
        r.secondName = "English";
        r.thirdName = "eng";
        r.followLevel = follow;
        r.deadlineDays = {16, 52, 60, 100};
        auto c = std::make_unique<CCountry>(r);
        c->AddDivision(0);
        c->AddDivision(1);
        c->GetClubRanking().Add(41);
        c->GetClubRanking().Add(40);
        c->SetRefereeNote("Mr Hollins, strict");
        c->SetTransferWindow(0);
        c->SetCupFinalistA(44);
        c->SetCupQualifier(1, 61);
        c->SetCupPairSecond(70);
        return c;
    }

    CWorldData world{CWorldData::Empty{}};
    std::unique_ptr<ScopedWorld> installed;
};

TEST_F(CountryTest, SavedRecordRoundTripsFollowedAndNot) {
    for (uint8_t follow : {kFollowed, kNotFollowed}) {
        auto c = Sample(follow);
        c->AddNews("Hollins signs for Gloucester", 0);
        c->AddNews("", 5);
        auto first = SaveToBytes("country1.bin", [&](FILE* f) { c->Save(f); });

        // Load into a country holding other values, then save again.
        auto other = Sample(follow == kFollowed ? kNotFollowed : kFollowed);
        other->SetRefereeNote("something else");
        other->AddNews("old", 0);
        other->AddNews("older", 0);
        other->AddNews("oldest", 0);
        FILE* f = OpenGameFile(Path("country1.bin"), "rb");
        other->Load(f);
        EXPECT_EQ(GameFileBytesLeft(), 0u);
        ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
        EXPECT_EQ(other->GetFollowLevel(), follow);
        EXPECT_EQ(other->GetYouthMarket() != nullptr, follow == kFollowed);
        EXPECT_EQ(other->GetRefereeNote(), "Mr Hollins, strict");
        EXPECT_EQ(other->GetNews().GetSize(), 2);
        EXPECT_EQ(other->GetNews().GetAt(1)->GetText(), "") << "an empty saved text is loaded as empty";
        auto second = SaveToBytes("country2.bin", [&](FILE* f2) { other->Save(f2); });
        EXPECT_EQ(first, second);
    }
}

TEST_F(CountryTest, CountryWithoutDivisionsWritesAndReadsNothing) {
    CountryRecord r;
    r.id = 1;
    CCountry c(r);
    auto bytes = SaveToBytes("none.bin", [&](FILE* f) {
        c.Save(f);
        SaveInt32(f, 7);
    });
    EXPECT_EQ(bytes.size(), 4u);
    FILE* f = OpenGameFile(Path("none.bin"), "rb");
    c.Load(f);
    EXPECT_EQ(LoadInt32(f), 7);
    EXPECT_EQ(CloseGameFile(f), kGameFileClosed);
}

TEST_F(CountryTest, DamagedRecordIsRefused) {
    auto c = Sample(kFollowed);
    auto bytes = SaveToBytes("good.bin", [&](FILE* f) { c->Save(f); });
    // A cut anywhere, or a wrong marker, marks the file damaged.
    for (size_t cut : {size_t(3), size_t(12), bytes.size() / 2, bytes.size() - 1}) {
        std::ofstream(Path("cut.bin"), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                               static_cast<std::streamsize>(cut));
        auto in = Sample(kFollowed);
        FILE* f = OpenGameFile(Path("cut.bin"), "rb");
        in->Load(f);
        EXPECT_EQ(CloseGameFile(f), kGameFileFailed) << cut;
    }
    auto marked = bytes;
    marked[8] = '9';  // "TEST1" → "TEST9"
    std::ofstream(Path("marker.bin"), std::ios::binary).write(reinterpret_cast<const char*>(marked.data()),
                                                              static_cast<std::streamsize>(marked.size()));
    auto in = Sample(kFollowed);
    FILE* f = OpenGameFile(Path("marker.bin"), "rb");
    in->Load(f);
    EXPECT_EQ(CloseGameFile(f), kGameFileFailed);
}

TEST_F(CountryTest, FollowChangesReachTheClubs) {
    std::vector<std::pair<int, bool>> calls;
    SetClubActivationHook([&](CCountry& c, bool followed) { calls.push_back({c.GetId(), followed}); });
    auto c = Sample(kNotFollowed);
    c->Activate();
    EXPECT_TRUE(c->IsFollowed());
    EXPECT_NE(c->GetStaffMarket(), nullptr);
    c->Activate();  // already followed: nothing more
    auto notFollowed = Sample(kNotFollowed);
    auto bytes = SaveToBytes("nf.bin", [&](FILE* f) { notFollowed->Save(f); });
    FILE* f = OpenGameFile(Path("nf.bin"), "rb");
    c->Load(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    EXPECT_FALSE(c->IsFollowed());
    EXPECT_EQ(c->GetStaffMarket(), nullptr);
    EXPECT_EQ(calls, (std::vector<std::pair<int, bool>>{{55, true}, {55, false}}))
        << "a country that stops being followed deactivates its clubs";
}

TEST_F(CountryTest, AccessorsAndSmallOperations) {
    auto c = Sample(kFollowed);
    EXPECT_EQ(c->FirstClubIndex(), 40);
    EXPECT_EQ(c->LastClubIndex(), 40 + 20 + 24 - 1);
    EXPECT_EQ(c->GetLastDivision(), 1);
    EXPECT_TRUE(c->IsTopDivision(world.GetDivision(0)));
    EXPECT_FALSE(c->IsTopDivision(world.GetDivision(1)));
    EXPECT_EQ(c->AddPlayOff(3), 0);
    EXPECT_EQ(c->AddPlayOff(5), 1);
    EXPECT_EQ(c->AddPlayOff(3), 0);
    EXPECT_EQ(c->GetPlayOffs().GetSize(), 2);
    c->SwapClubIndexes(44, 61);
    EXPECT_EQ(c->GetCupFinalistA(), 61);
    EXPECT_EQ(c->GetCupQualifier(1), 44);
    EXPECT_EQ(c->GetCupPairSecond(), 70) << "a field holding neither stays";
    EXPECT_EQ(c->GetInterestRate(), 20);
    CountryRecord none;
    EXPECT_EQ(CCountry(none).GetLastDivision(), -1);
}

TEST_F(CountryTest, RandomLeagueCountryDrawsOnlyWhenOneExists) {
    CCountryList& list = world.GetCountryList();
    for (int i = 0; i < 4; ++i) {
        CountryRecord r;
        r.id = static_cast<uint8_t>(i);
        list.Add(std::make_unique<CCountry>(r));
    }
    platform::SeedRandom(3);
    uint32_t before = platform::RandomState();
    EXPECT_EQ(list.GetRandomLeagueCountry(), nullptr);
    EXPECT_EQ(platform::RandomState(), before);
    list.GetAt(2)->AddDivision(0);
    list.GetAt(2)->Activate();
    list.GetAt(3)->AddDivision(1);  // not followed
    for (int i = 0; i < 20; ++i) EXPECT_EQ(list.GetRandomLeagueCountry(), list.GetAt(2));
    EXPECT_EQ(list.FindByName(""), 0);
    EXPECT_EQ(list.FindByName("Atlantis"), -1);
}

TEST_F(CountryTest, FederationRoundTripAndQueries) {
    CFederationList& feds = world.GetFederationList();
    feds.Add(std::make_unique<CFederation>(0, "European Football Union", "Europe"));
    feds.Add(std::make_unique<CFederation>(1, "World Football Council", "World"));
    CCountryList& list = world.GetCountryList();
    for (int i = 0; i < 4; ++i) {
        CountryRecord r;
        r.id = static_cast<uint8_t>(i);
        r.federationRank = static_cast<uint8_t>(i == 0 ? 0 : 4 - i);
        list.Add(std::make_unique<CCountry>(r));
        feds.AddCountry(static_cast<uint32_t>(i), i == 0 ? 1 : 0);
    }
    feds.GetAt(0)->AddCup(2);
    auto first = SaveToBytes("fed1.bin", [&](FILE* f) { feds.Save(f); });
    CFederationList other{CFederationList::Empty{}};
    other.Add(std::make_unique<CFederation>());
    other.Add(std::make_unique<CFederation>(9, "x", "y"));
    other.GetAt(1)->AddMember(77);
    FILE* f = OpenGameFile(Path("fed1.bin"), "rb");
    other.Load(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    auto second = SaveToBytes("fed2.bin", [&](FILE* f2) { other.Save(f2); });
    EXPECT_EQ(first, second);

    CFederation* europe = feds.GetAt(0);
    EXPECT_EQ(europe->GetCountryByRank(1), list.GetAt(3));
    EXPECT_EQ(europe->GetCountryByRank(9), nullptr);
    EXPECT_FALSE(europe->IsClubEntered(5));
    EXPECT_EQ(europe->GetRandomOtherCountry(nullptr, nullptr), nullptr) << "no member has a division";
    list.GetAt(1)->AddDivision(0);
    list.GetAt(2)->AddDivision(1);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(europe->GetRandomOtherCountry(list.GetAt(1), nullptr), list.GetAt(2));
    EXPECT_EQ(europe->GetRandomOtherCountry(list.GetAt(1), list.GetAt(2)), nullptr);
}

}  // namespace

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/player.h"

namespace {

TEST(CountryRandomPlayer, DrawsOnlyWhenAPlayerCanBeFound) {
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed(&world);
    for (int i = 0; i < 3; ++i) {
        auto club = std::make_unique<CClub>();
        club->SetName("Club " + std::to_string(i));
        world.GetClubList().AddRealClub(std::move(club));
    }
    auto* d = new CDivision;
    d->SetClubRange(0, 3);
    world.GetDivisionList().Add(d);
    CountryRecord r;
    r.id = 55;
    CCountry c(r);
    platform::SeedRandom(8);
    EXPECT_EQ(c.GetRandomPlayer(), nullptr) << "no division";
    c.AddDivision(0);
    uint32_t before = platform::RandomState();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(c.GetRandomPlayer(), nullptr) << "no club has a player";
    EXPECT_NE(platform::RandomState(), before) << "the division and club are still drawn";

    // Give every club one player in a late slot: the draw finds it.
    for (int k = 0; k < 3; ++k) {
        int id = world.GetPlayerList().AddNewPlayer();
        world.GetClub(k)->SetPlayerId(20 + k, static_cast<uint16_t>(id));
    }
    for (int i = 0; i < 10; ++i) {
        CPlayer* p = c.GetRandomPlayer();
        ASSERT_NE(p, nullptr);
        bool known = false;
        for (int k = 0; k < 3; ++k) known = known || p == world.GetPlayer(world.GetClub(k)->GetPlayerId(20 + k));
        EXPECT_TRUE(known);
    }
}

}  // namespace

#include "soccerclasses/federationcup.h"

namespace {

// A club already in one of the federation's cups cannot take a second berth.
TEST(FederationCups, AClubIsEnteredWhenOneOfTheFederationsCupsListsIt) {
    CWorldData world;
    ScopedWorld scope(&world);
    auto& cups = world.GetFederationCupList();
    for (int i = 0; i < 3; ++i) cups.Add(std::make_unique<CFederationCup>());
    cups.GetAt(0)->m_Entrants.Add(4);
    cups.GetAt(2)->m_Entrants.Add(9);
    cups.GetAt(2)->m_Entrants.Add(5);

    CFederation none(1, "x", "y");
    EXPECT_FALSE(none.IsClubEntered(5)) << "a federation with no cups";

    CFederation fed(2, "x", "y");
    fed.AddCup(1);
    fed.AddCup(2);
    fed.AddCup(7);  // no such cup: passed over
    struct Case {
        int club;
        bool entered;
    };
    for (const Case& c : {Case{5, true}, Case{9, true}, Case{4, false}, Case{0, false}, Case{-1, false}}) {
        SCOPED_TRACE(c.club);
        EXPECT_EQ(fed.IsClubEntered(c.club), c.entered);
    }
}

}  // namespace
