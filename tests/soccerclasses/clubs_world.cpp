#include "clubs_world.h"

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "support/test_env.h"

namespace clubtest {

void ClubWorld::SetUp() {
    platform::SetInstallFolder(testenv::GameDir());
    paths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
    money = std::make_unique<CSkillMoneyValueList>(CSkillMoneyValueList::kFile);
    world.ClearGame();
    // After the new game's own draws (the users' training levels).
    platform::SeedRandom(7);
    SetWorldData(&world);
    world.GetCurrencyList().Add(std::make_unique<CCurrency>(0, "\xA3", 0, 0, 1.0, 1));
    for (int i = 0; i < 3; ++i) {
        CountryRecord r;
        r.id = uint8_t(i);
        r.name = "Country " + std::to_string(i);
        r.followLevel = i == 1 ? kFollowed : kNotFollowed;
        world.GetCountryList().Add(std::make_unique<CCountry>(r));
    }
    for (int d = 0; d < 2; ++d) {
        auto div = std::make_unique<CDivision>();
        div->SetName(d == 0 ? "First League" : "Premier Division");
        div->SetCountry(uint8_t(1 + d));
        world.GetDivisionList().Add(std::move(div));
    }
    for (int i = 0; i < 4; ++i) {
        CPopularity p;
        p.m_BaseValue = 1000000.0;
        p.m_ManagerWageBase = 50000.0;
        p.m_ManagerWageSpread = 10000.0;
        p.m_YouthWage = 1.0;
        p.m_TicketPriceBase = 10.0;
        p.m_TicketPriceSpread = 5.0;
        p.m_BalanceBase = 2000000.0 / (i + 1);
        p.m_BalanceSpread = 100000.0;
        p.m_GeneralWagesBase = 10000.0;
        p.m_GeneralWagesSpread = 1000.0;
        p.m_BaseCount = 20000 / (i + 1);
        p.m_RunningCostBase = 5000.0;
        p.m_RunningCostSpread = 1000.0;
        p.m_SponsorshipBase = 10000.0;
        p.m_SponsorshipSpread = 1000.0;
        p.m_TelevisionBase = 10000.0;
        p.m_TelevisionSpread = 1000.0;
        p.m_MerchandisingRate = 100.0;
        p.m_CrowdBase = 20000 / (i + 1);
        p.m_AbilityBase.fill(1);
        p.m_BandA.fill(60);
        p.m_BandB.fill(39);
        world.GetPopularityList().Add(p);
    }
    for (int i = 0; i < 3; ++i) {
        auto s = std::make_unique<CStadium>();
        s->name = "Ground " + std::to_string(i);
        s->stands.totalCapacity = 10000 * (i + 1);
        world.GetStadiumList().Add(std::move(s));
    }
    InstallPeopleTables(paths.get(), money.get(), &world.GetPopularityList());
}

void ClubWorld::TearDown() {
    InstallPeopleTables(nullptr, nullptr, nullptr);
    platform::ResetFolders();
    ResetGameFileChannel();
    SetWorldData(nullptr);
}

ClubFileRecord ClubWorld::Record(const std::string& name, int division, uint8_t popularity) {
    ClubFileRecord r;
    r.name = name;
    r.secondName = name.substr(0, 3);
    r.stadium = division;
    r.popularity = r.secondPopularity = popularity;
    r.areaCode = 10 + division;
    r.division = division;
    r.yearFounded = 1890;
    r.managerFlag = 50;
    r.manager.initial = "J";
    r.manager.surname = "Halloran";
    r.manager.country = uint8_t(1 + division);
    r.homeKit = {1, 2, 3, 4, 5, 6, 7, 8};
    r.awayKit = {3, 4, 5, 15, 14, 13, 12, 11};
    return r;
}

void ClubWorld::MakeUser(CClub& club, int slot) {
    MakeHuman(club);
    world.GetUserList().GetAt(slot)->SetManagerIndex(club.GetManager());
}

int ClubWorld::SlotsHolding(uint16_t player) {
    CClubList& clubs = world.GetClubList();
    int n = 0;
    for (int c = 0; c < clubs.GetRealCount(); ++c)
        for (int s = 0; s < kSquadSlots; ++s) n += clubs.GetAt(c)->GetPlayerId(s) == player;
    return n;
}

CDivision& ClubWorld::SixClubLeague(const std::vector<uint8_t>& pairings) {
    std::vector<ClubFileRecord> records;
    for (int i = 0; i < 6; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
    world.GetClubList().ReadFile(WriteClubs(records));
    for (uint8_t b : pairings) schedule.Add(b);
    CDivision& div = *world.GetDivision(0);
    div.SetClubRange(0, 6);
    div.SetUp(&schedule);
    div.SetCalendarSlot(10, 1);
    return div;
}

std::string ClubWorld::WriteClubs(const std::vector<ClubFileRecord>& clubs) {
    const std::string path = (testenv::TestFolder() / "Clubs.bin").string();
    EXPECT_TRUE(WriteClubsFile(path, clubs));
    return path;
}

uint16_t ClubWorld::AddPlayer(int position, double wage) {
    auto p = std::make_unique<CPlayer>();
    p->Football().SetPosition(position, false);
    p->Person().SetWeeklyWage(wage);
    p->Person().SetSurname("Player" + std::to_string(world.GetPlayerList().GetSize()));
    p->Person().SetAge(25);
    const uint16_t id = uint16_t(world.GetPlayerList().Add(std::move(p)));
    SetAbility(id, 50);
    return id;
}

void ClubWorld::SetAbility(uint16_t id, int ability) {
    CSoccerPlayer& f = world.GetPlayer(id)->Football();
    f.m_Handling = f.m_Tackling = f.m_Passing = f.m_Shooting = uint8_t(ability);
    f.RecalculateAbility();
}

void ClubWorld::Injure(uint16_t id) {
    const int i = world.GetInjuryList().NewInjury();
    world.GetInjuryList().GetAt(i)->SetSeverity(100);
    world.GetPlayer(id)->m_Injury = i;
}

void ClubWorld::Heal(uint16_t id) {
    CPlayer& p = *world.GetPlayer(id);
    if (p.m_Injury >= 0) world.GetInjuryList().Remove(p.m_Injury);
    p.m_Injury = -1;
}

void ClubWorld::MakeHuman(CClub& club) { world.GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1; }

void PeopleWorld::SetUp() {
    ClubWorld::SetUp();
    platform::SetInstallFolder(testenv::GameDir());
    paths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
    money = std::make_unique<CSkillMoneyValueList>(CSkillMoneyValueList::kFile);
    table = std::make_unique<CPopularityList>(CPopularityList::kFile);
    InstallPeopleTables(paths.get(), money.get(), table.get());
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 1)}));
}

void PeopleWorld::TearDown() {
    InstallPeopleTables(nullptr, nullptr, nullptr);
    platform::ResetFolders();
    ClubWorld::TearDown();
}

}  // namespace clubtest
