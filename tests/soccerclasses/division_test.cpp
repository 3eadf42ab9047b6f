#include "soccerclasses/division.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/random.h"
#include "records_roundtrip.h"
#include "soccerclasses/datafile.h"

namespace {

// A season calendar: 202 on slot 1, friendlies on 3 to 6, league days from 8
// every slot, 203 after the last, 201 on slot 103.
void FillCalendar(CDivision& d, int leagueDays) {
    for (int s = 0; s < CDivision::kSlots; ++s) d.SetCalendarSlot(s, CDivision::kNoMatch);
    d.SetCalendarSlot(1, CDivision::kSeasonFirst);
    for (int k = 0; k < 4; ++k) d.SetCalendarSlot(3 + k, static_cast<uint8_t>(208 + k));
    for (int m = 1; m <= leagueDays; ++m) d.SetCalendarSlot(7 + m, static_cast<uint8_t>(m));
    d.SetCalendarSlot(8 + leagueDays, CDivision::kLeagueEnd);
    d.SetCalendarSlot(103, CDivision::kSeasonLast);
}

std::unique_ptr<CDivision> MakeDivision(int clubs, int firstClub = 0, int leagueDays = -1) {
    auto d = std::make_unique<CDivision>();
    d->SetName("Test League");
    d->SetClubRange(firstClub, static_cast<uint8_t>(clubs));
    d->m_RecordBytes = {7, 20, 3, 1, 0};
    FillCalendar(*d, leagueDays < 0 ? CDivision::ScheduleMatchDays(clubs) : leagueDays);
    return d;
}

std::map<int, CExtByteArray>& Schedules() {
    static std::map<int, CExtByteArray> s;
    if (s.empty())
        for (int n : {6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24, 26}) s[n] = recordtest::RoundRobin(n);
    return s;
}

const CExtByteArray* ScheduleFor(int n) {
    auto it = Schedules().find(n);
    return it == Schedules().end() ? nullptr : &it->second;
}

TEST(Division, TestSchedulesAreWholeDoubleRoundRobins) {
    for (auto& [n, s] : Schedules()) EXPECT_EQ(s.GetSize(), 2 * n * (n - 1)) << n;
}

TEST(Division, EveryPairMeetsOnceAtEachGroundAndNoClubPlaysTwiceADay) {
    for (int n : {6, 9, 17, 20, 26}) {
        auto d = MakeDivision(n, 100);
        d->SetUp(ScheduleFor(n));
        EXPECT_EQ(d->m_Fixtures.GetSize(), (n & ~1) * CDivision::ScheduleMatchDays(n));
        std::set<std::pair<int, int>> met;
        for (int s = 0; s < CDivision::kSlots; ++s) {
            std::set<int> today;
            for (auto [h, a] : d->GetPairsForSlot(s)) {
                EXPECT_TRUE(d->HoldsClub(h) && d->HoldsClub(a));
                EXPECT_TRUE(today.insert(h).second && today.insert(a).second) << n << " slot " << s;
                EXPECT_TRUE(met.insert({h, a}).second) << n;
            }
        }
        EXPECT_EQ(met.size(), static_cast<size_t>(n * (n - 1))) << n;
    }
}

TEST(Division, ScheduleArithmetic) {
    auto nine = MakeDivision(9);
    nine->SetUp(ScheduleFor(9));
    EXPECT_EQ(nine->GetMatchesPerRound(), 8);
    EXPECT_EQ(nine->GetPairsForSlot(8).size(), 4u);  // one club rests
    EXPECT_EQ(nine->m_Fixtures.GetSize(), 8 * nine->CountLeagueSlots());
    EXPECT_EQ(nine->m_ClubPointers, std::vector<CClub*>(9, nullptr));  // a slot per club, all empty

    auto twenty = MakeDivision(20);
    twenty->SetUp(ScheduleFor(20));
    twenty->SetCalendarSlot(60, 37);
    EXPECT_EQ(twenty->GetFixtureIndexForSlot(60), 720);

    auto six = MakeDivision(6, 0, 12);  // two more days than the schedule's ten
    six->SetUp(ScheduleFor(6));
    EXPECT_EQ(six->GetScheduleLastIndex(), 59);
    EXPECT_EQ(six->GetFixtureIndexForSlot(7 + 11), 0);  // match day 11 starts again
    EXPECT_EQ(six->GetFixtureIndexForSlot(3), -1);      // a friendly day
    EXPECT_EQ(CDivision::GetCalendarMarkerIndex(210), 2);
    EXPECT_EQ(CDivision::GetCalendarMarkerIndex(203), 65535);
}

TEST(Division, CalendarWalksStayInsideTheSeason) {
    auto d = MakeDivision(10);
    d->SetUp(ScheduleFor(10));
    EXPECT_EQ(d->FindMarkerSlot(0), 3);
    EXPECT_EQ(d->FindMarkerSlot(3), 6);
    EXPECT_EQ(d->CountMatchDaysToFriendlyDay(1), 2);
    EXPECT_EQ(d->CountToSeasonEnd(103), 0);
    int end = 8 + CDivision::ScheduleMatchDays(10);
    EXPECT_EQ(d->CountToSeasonEnd(0), end / 4);
    // A calendar without the code looked for: the walk ends and says so.
    d->SetCalendarSlot(5, CDivision::kNoMatch);
    EXPECT_EQ(d->FindMarkerSlot(2), -1);
    EXPECT_EQ(d->CountMatchDaysToFriendlyDay(7), -1);
    d->SetCalendarSlot(end, CDivision::kNoMatch);
    d->SetCalendarSlot(103, CDivision::kNoMatch);
    EXPECT_EQ(d->CountToSeasonEnd(10), -1);
}

TEST(Division, PlayOffIdsZeroAndMinusOneMeanNone) {
    auto d = MakeDivision(12);
    for (int id : {0, -1}) {
        d->m_PromotionPlayOff = id;
        d->m_RelegationPlayOff = id;
        EXPECT_FALSE(d->HasPlayOff());
        EXPECT_FALSE(d->HasRelegationPlayOff());
        EXPECT_EQ(d->GetPlayOffExtraPlaces(), 0);
    }
    d->m_ExchangeCount = 3;
    auto below = MakeDivision(12, 12);
    EXPECT_EQ(d->GetRelegationPlaces(below.get()), 3);
    EXPECT_EQ(d->GetRelegationPlaces(nullptr), 3);
}

std::vector<uint8_t> FileOf(const std::vector<const CDivision*>& ds) {
    return recordtest::Write([&](FILE* f) { CDivisionList::WriteFile(f, ds); });
}

TEST(Division, StartupFileReadsBackAndUnusableOnesAreRefused) {
    auto a = MakeDivision(20, 0), b = MakeDivision(9, 20);
    b->m_Country = 3;
    b->m_StrengthIndex = 1;
    auto good = FileOf({a.get(), b.get()});
    EXPECT_EQ(good.size(), 4 + 2 * (4 + 11 + 5 + 106 + 8 + 4 + 8 + 12 + 2 + 8 + 3));
    CDivisionList::Limits limits{29, 5, 4};
    recordtest::InstallGameFile(CDivisionList::kFileName, good);
    CDivisionList list;
    list.ReadFile(CDivisionList::kFileName, limits, ScheduleFor);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetAt(1)->GetName(), "Test League");
    EXPECT_EQ(list.GetAt(1)->GetPictureNumber(), 7);
    EXPECT_EQ(list.GetAt(1)->GetAbroadSearchPercent(), 20);
    EXPECT_EQ(list.GetAt(1)->GetTierValue(), 3);
    EXPECT_EQ(list.GetAt(1)->m_Fixtures.GetSize(), 8 * 18);
    std::vector<const CDivision*> back{list.GetAt(0), list.GetAt(1)};
    EXPECT_EQ(FileOf(back), good);

    struct Bad { const char* what; std::function<void(CDivision&)> change; CDivisionList::Limits limits; } bad[] = {
        {"club count 21", [](CDivision& d) { d.SetClubRange(20, 21); }, limits},
        {"calendar code 0", [](CDivision& d) { d.SetCalendarSlot(50, 0); }, limits},
        {"calendar code 240", [](CDivision& d) { d.SetCalendarSlot(50, 240); }, limits},
        {"block past the clubs", [](CDivision&) {}, {28, 5, 4}},
        {"overlapping blocks", [](CDivision& d) { d.SetClubRange(19, 9); }, limits},
        {"country", [](CDivision&) {}, {29, 3, 4}},
        {"strength", [](CDivision&) {}, {29, 5, 1}},
        {"substitutes", [](CDivision& d) { d.m_SubsAllowed = 0; }, limits},
    };
    for (auto& c : bad) {
        auto changed = MakeDivision(9, 20);
        changed->m_Country = 3;
        changed->m_StrengthIndex = 1;
        c.change(*changed);
        recordtest::InstallGameFile(CDivisionList::kFileName, FileOf({a.get(), changed.get()}));
        CDivisionList l;
        EXPECT_THROW(l.ReadFile(CDivisionList::kFileName, c.limits, ScheduleFor), DataFileError) << c.what;
        EXPECT_EQ(l.GetSize(), 0) << c.what;
    }
    recordtest::InstallGameFile(CDivisionList::kFileName, std::vector<uint8_t>(good.begin(), good.end() - 3));
    CDivisionList cut;
    EXPECT_THROW(cut.ReadFile(CDivisionList::kFileName, limits, ScheduleFor), DataFileError);
}

TEST(Division, SavedSectionRoundTrips) {
    auto d = MakeDivision(10);
    d->SetUp(ScheduleFor(10));
    platform::SeedRandom(3);
    auto pairs = d->GetPairsForSlot(8);
    for (size_t i = 0; i < pairs.size(); ++i) {
        CFixture* f = d->m_Fixtures.GetAt(static_cast<int>(i));
        ASSERT_TRUE(f->Set(0, static_cast<int16_t>(pairs[i].first), static_cast<int16_t>(pairs[i].second), 5, 3, 0));
        f->SetRandomScore();
        f->m_Events.Add(30, 1, "Scorer");
    }
    d->m_NextFixture = 5;
    d->m_DaysSinceAward = 4;
    d->m_SeasonStart = 931046400;
    d->m_ManagersOfTheMonth.Add("Aug 99", "A. Manager", "Club");
    d->m_NewsPaperEvents.SetResult(0, d->m_Fixtures);
    d->m_TeamOfTheWeek->Reset();
    EXPECT_EQ(d->GetFixtureIndexOfClub(8, pairs[2].first), 2);
    EXPECT_EQ(d->GetFixtureIndexOfClub(8, pairs[2].second), -1);
    auto bytes = recordtest::Write([&](FILE* f) { d->Save(f); });
    auto other = MakeDivision(10);
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { other->Load(f); }));
    EXPECT_EQ(other->m_Fixtures.GetSize(), d->m_Fixtures.GetSize());
    EXPECT_EQ(other->m_NextFixture, 5);
    EXPECT_EQ(other->m_ManagersOfTheMonth.GetAt(0)->m_Month, "Aug 99");
    EXPECT_EQ(recordtest::Write([&](FILE* f) { other->Save(f); }), bytes);
}

TEST(TeamOfTheWeek, PlacesAreTakenByBetterPlayersOnly) {
    CTeamOfTheWeek team;
    team.Reset();
    platform::SeedRandom(11);
    int taken = 0;
    for (int i = 0; i < 100 && !taken; ++i) taken = team.Consider(3, "Smith", "Town", 60, 70);
    ASSERT_TRUE(taken);
    for (int i = 0; i < 200; ++i) EXPECT_FALSE(team.Consider(3, "Jones", "City", 80, 60));  // lower skill
    for (int i = 0; i < 200; ++i) EXPECT_FALSE(team.Consider(3, "Brown", "City", 50, 90));  // lower ability
    EXPECT_EQ(team.GetEntry(3)->m_Player, "Smith");
    EXPECT_EQ(CTeamOfTheWeek::LineOfPlace(0), 0);
    EXPECT_EQ(CTeamOfTheWeek::LineOfPlace(4), 1);
    EXPECT_EQ(CTeamOfTheWeek::LineOfPlace(7), 2);
    EXPECT_EQ(CTeamOfTheWeek::LineOfPlace(10), 3);
    auto bytes = recordtest::Write([&](FILE* f) { team.Save(f); });
    EXPECT_EQ(bytes.size(), 11u * (8 + 2) + 5 + 4);
    CTeamOfTheWeek back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
    EXPECT_EQ(back.GetEntry(0)->m_Ability, -10);
    EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
}

}  // namespace

#include "soccerclasses/country.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

namespace {

TEST(Division, PlayOffsAreFoundByTheirIdsLastFirst) {
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    const struct {
        uint8_t id, extra;
    } playOffs[] = {{0, 7}, {5, 1}, {255, 7}, {5, 2}, {6, 4}};
    for (const auto& p : playOffs) {
        auto playOff = std::make_unique<CPlayOff>();
        playOff->m_Id = p.id;
        playOff->m_ExtraPlaces = p.extra;
        world.GetPlayOffList().Add(std::move(playOff));
    }
    auto d = MakeDivision(12);
    d->m_ExchangeCount = 3;
    auto below = MakeDivision(12, 12);
    const struct {
        int32_t id;
        int found;  // index in the world's list, -1 none
    } cases[] = {{5, 3}, {6, 4}, {0x106, 4}, {0, -1}, {-1, -1}, {9, -1}};
    for (const auto& c : cases) {
        below->m_PromotionPlayOff = c.id;
        below->m_RelegationPlayOff = c.id;
        CPlayOff* expected = c.found < 0 ? nullptr : world.GetPlayOffList().GetAt(c.found);
        EXPECT_EQ(below->GetPlayOff(), expected) << c.id;
        EXPECT_EQ(below->GetRelegationPlayOff(), expected) << c.id;
        const int extra = expected ? expected->m_ExtraPlaces : 0;
        EXPECT_EQ(below->GetPlayOffExtraPlaces(), extra) << c.id;
        EXPECT_EQ(d->GetRelegationPlaces(below.get()), 3 + extra) << c.id;
    }
}

TEST(Division, TheCountryGivesThePlacesOfThePlayOffBelow) {
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    auto playOff = std::make_unique<CPlayOff>();
    playOff->m_Id = 5;
    playOff->m_ExtraPlaces = 2;
    world.GetPlayOffList().Add(std::move(playOff));
    for (int i = 0; i < 4; ++i) world.GetDivisionList().Add(MakeDivision(12, 12 * i));
    world.GetDivisionList().GetAt(1)->m_PromotionPlayOff = 5;
    CCountry country;
    for (uint32_t i = 0; i < 3; ++i) country.AddDivision(i);  // the fourth is another country's
    const struct {
        int division;
        uint8_t places;
    } cases[] = {{0, 2}, {1, 0}, {2, 0}, {3, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(country.PlayOffKindBelow(world.GetDivisionList().GetAt(c.division)), c.places) << c.division;
}

}  // namespace
