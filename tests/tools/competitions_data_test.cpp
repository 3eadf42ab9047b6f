// The competitions' start-up files as the tools wrote them, read back through
// the game's own readers and checked against the rules of our data.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/country.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kMaxClubs = 2181;

class CompetitionFiles : public ::testing::Test {
protected:
    void SetUp() override {
        world.ReadFederationsAndCountries();
        CDivisionList::Limits limits{kMaxClubs, world.GetCountryList().GetSize(),
                                     world.GetDivisionStrengthList()->GetSize()};
        divisions.ReadFile(CDivisionList::kFileName, limits,
                           [this](int n) { return world.GetSchedule(n); });
    }
    const CCountry* Country(int id) { return world.GetCountry(id); }
    std::vector<const CDivision*> DivisionsOf(int country) {
        std::vector<const CDivision*> out;
        for (const auto& d : divisions)
            if (d->GetCountry() == country) out.push_back(d.get());
        return out;
    }

    CWorldData world;
    ScopedWorld installed{&world};
    CDivisionList divisions;
};

TEST_F(CompetitionFiles, DivisionsHaveProperSeasons) {
    ASSERT_GT(divisions.GetSize(), 0);
    for (const auto& d : divisions) {
        SCOPED_TRACE(d->GetName());
        const CCountry* c = Country(d->GetCountry());
        ASSERT_NE(c, nullptr);
        int n = d->GetClubCount();
        int L = CDivision::ScheduleMatchDays(n);
        int first202 = -1, last = -1, end203 = -1, end201 = -1;
        std::vector<int> friendlies;
        int expectDay = 1;
        for (int s = 0; s < CDivision::kSlots; ++s) {
            uint8_t code = d->GetCalendarSlot(s);
            if (code == CDivision::kNoMatch) continue;
            EXPECT_GE(s, 1);
            EXPECT_LE(s, 103);
            if (code < CDivision::kNoMatch) {
                EXPECT_EQ(code, expectDay++);
                last = s;
            } else if (code == CDivision::kSeasonFirst) first202 = s;
            else if (code == CDivision::kSeasonLast) end201 = s;
            else if (code == CDivision::kLeagueEnd) end203 = s;
            else if (code >= 208 && code <= 211) {
                EXPECT_EQ(code, 208 + static_cast<int>(friendlies.size()));
                friendlies.push_back(s);
            } else ADD_FAILURE() << "code " << int(code);
        }
        EXPECT_EQ(expectDay - 1, L);
        EXPECT_EQ(first202, c->GetSeasonStartDay());
        EXPECT_EQ(end201, c->GetSeasonEndDay());
        ASSERT_EQ(friendlies.size(), 4u);
        int firstLeague = -1;
        for (int s = 0; s < CDivision::kSlots && firstLeague < 0; ++s)
            if (d->GetCalendarSlot(s) == 1) firstLeague = s;
        for (int s : friendlies) {
            EXPECT_GT(s, first202);
            EXPECT_LT(s, firstLeague);
        }
        EXPECT_GT(end203, last);
        EXPECT_LT(end203, end201);
        // Only a division below another has a promotion play-off.
        if (d->GetAutoPromotionPlaces() == 0) {
            EXPECT_EQ(d->m_PromotionPlayOff, 0);
        }
    }
}

TEST_F(CompetitionFiles, EveryPairMeetsOnceAndNoClubPlaysTwiceADay) {
    for (const auto& d : divisions) {
        SCOPED_TRACE(d->GetName());
        int n = d->GetClubCount();
        EXPECT_EQ(d->m_Fixtures.GetSize(), (n & ~1) * CDivision::ScheduleMatchDays(n));
        std::set<std::pair<int, int>> met;
        for (int s = 0; s < CDivision::kSlots; ++s) {
            std::set<int> today;
            auto pairs = d->GetPairsForSlot(s);
            if (d->GetFixtureIndexForSlot(s) >= 0) {
                EXPECT_EQ(pairs.size(), static_cast<size_t>(n / 2));
            }
            for (auto [h, a] : pairs) {
                ASSERT_TRUE(d->HoldsClub(h) && d->HoldsClub(a));
                EXPECT_TRUE(today.insert(h).second && today.insert(a).second);
                EXPECT_TRUE(met.insert({h, a}).second);
            }
        }
        EXPECT_EQ(met.size(), static_cast<size_t>(n * (n - 1)));
    }
}

TEST_F(CompetitionFiles, ClubBlocksAndPromotion) {
    int nextClub = 0, lastCountry = -1;
    int maxClub = 0;
    for (int i = 0; i < divisions.GetSize(); ++i) {
        const CDivision* d = divisions.GetAt(i);
        EXPECT_EQ(d->GetFirstClub(), nextClub) << "blocks follow one another, country by country";
        EXPECT_GE(d->GetCountry(), lastCountry);
        lastCountry = d->GetCountry();
        nextClub = d->GetFirstClub() + d->GetClubCount();
        maxClub = std::max(maxClub, nextClub);
        const CDivision* below = i + 1 < divisions.GetSize() && divisions.GetAt(i + 1)->GetCountry() == d->GetCountry()
                                     ? divisions.GetAt(i + 1) : nullptr;
        if (below) {
            EXPECT_EQ(d->m_ExchangeCount, below->m_AutoPromotion) << d->GetName();
            EXPECT_GE(d->m_ExchangeCount, 2);
        } else {
            EXPECT_EQ(d->m_ExchangeCount, 0);
        }
        EXPECT_EQ(d->GetTierValue(), d->m_ExchangeCount);
        EXPECT_LT(d->GetStrengthIndex(), 4);
    }
    EXPECT_LE(maxClub, kMaxClubs);
}

TEST_F(CompetitionFiles, EnoughRefereesForEveryLeagueDay) {
    CSoccerRefereeList referees;
    referees.ReadFile(CSoccerRefereeList::kFileName, divisions, world.GetCountryList().GetSize());
    std::map<int, int> perDivision;
    for (const auto& r : referees) {
        ++perDivision[r->GetDivision()];
        EXPECT_GE(r->m_Person.GetAge(), 28);
        EXPECT_LE(r->m_Person.GetAge(), 43);
        EXPECT_FALSE(r->m_Person.GetSurname().empty());
    }
    for (int i = 0; i < divisions.GetSize(); ++i)
        EXPECT_GE(perDivision[i], divisions.GetAt(i)->GetClubCount() / 2 + 2) << divisions.GetAt(i)->GetName();
}

TEST_F(CompetitionFiles, CupsFitTheirCountries) {
    FILE* f = OpenDataFile("Data\\cups.bin");
    int32_t count = LoadInt32(f);
    int nonLeagueSeen = 0;
    std::set<int> cupCountries;
    std::map<int, std::set<int>> matchDays;  // a country's cup match and replay slots so far
    int leagueCups = 0;
    for (int i = 0; i < count; ++i) {
        int country = LoadByte(f);
        CCup cup;
        const char* why = cup.ReadDefinition(f, country, {kMaxClubs, [](int) { return 1; }},
                                             [&](const CupNonLeagueRecord&) { return nonLeagueSeen++; });
        ASSERT_EQ(why, nullptr) << i;
        SCOPED_TRACE(cup.m_Name);
        const CCountry* c = Country(country);
        ASSERT_NE(c, nullptr);
        // The main cup comes first; a second cup of the country is its
        // league cup, and no country has a third.
        const bool mainCup = cupCountries.insert(country).second;
        EXPECT_EQ(cup.m_RecordRole, mainCup ? 4 : 1);
        if (!mainCup) {
            ++leagueCups;
            EXPECT_EQ(cup.m_NonLeagueClubs.GetSize(), 0);
            EXPECT_EQ(cup.m_ShieldIndex, -1);
            EXPECT_NE(cup.m_Name, "");
            EXPECT_FALSE(matchDays[country].empty());  // its main cup came before it
        } else {
            EXPECT_GE(cup.m_ShieldIndex, 0);
        }
        auto divs = DivisionsOf(country);
        ASSERT_FALSE(divs.empty());
        int leagueClubs = 0;
        std::set<int> leagueSlots;
        for (const CDivision* d : divs) {
            leagueClubs += d->GetClubCount();
            for (int s = 0; s < CDivision::kSlots; ++s)
                if (d->GetCalendarSlot(s) >= 1 && d->GetCalendarSlot(s) < CDivision::kNoMatch) leagueSlots.insert(s);
        }
        auto isClubOfCountry = [&](int club) { return club >= divs.front()->GetFirstClub() &&
                                                      club < divs.back()->GetFirstClub() + divs.back()->GetClubCount(); };
        EXPECT_NE(cup.m_Format, 0);
        EXPECT_NE(cup.m_Format, 3);
        EXPECT_EQ(cup.m_EntryScheme, 0);
        EXPECT_EQ(cup.m_ReEntryRound, 0);
        for (int32_t v : cup.m_PreviousResults) EXPECT_TRUE(v == -1 || isClubOfCountry(v)) << v;
        for (uint32_t v : cup.m_Venues) EXPECT_TRUE(isClubOfCountry(static_cast<int>(v)));
        int fromPool = 0, winners = 0;
        for (int r = 0; r < cup.GetRoundCount(); ++r) {
            const CCupRound* round = cup.GetRound(r);
            EXPECT_EQ(round->m_Entrants % 2, 0);
            EXPECT_LT(round->m_Entrants, 200);
            if (r == 0) {
                EXPECT_LE(round->m_Groups, 1);
                EXPECT_GE(round->m_Entrants, cup.m_NonLeagueClubs.GetSize());
                fromPool += round->m_Entrants - cup.m_NonLeagueClubs.GetSize();
            } else {
                EXPECT_GE(round->m_Entrants, winners);
                fromPool += round->m_Entrants - winners;
            }
            winners = round->m_Entrants / 2;
            EXPECT_LT(round->m_DrawSlot, round->m_MatchSlot);
            if (round->HasReplaySlot()) {
                EXPECT_LE(round->m_MatchSlot, round->m_ReplaySlot);
                EXPECT_NE(CCupRound::ReplayNameId(round->m_FullNameId), 0u);
            }
            // A draw may fall on a league day; a match never does.
            for (int s : {int(round->m_DrawSlot), int(round->m_MatchSlot), round->HasReplaySlot() ? int(round->m_ReplaySlot) : 1}) {
                EXPECT_GE(s, 1);
                EXPECT_LE(s, 103);
            }
            for (int s : {int(round->m_MatchSlot), round->HasReplaySlot() ? int(round->m_ReplaySlot) : -1})
                EXPECT_FALSE(leagueSlots.count(s)) << "slot " << s;
            EXPECT_LT(round->m_MatchSlot, c->GetSeasonEndDay());
            if (round->HasReplaySlot()) {
                EXPECT_LT(round->m_ReplaySlot, c->GetSeasonEndDay());  // a final's replay too
            }
            // A club in both cups never has two ties on one day.
            for (int s : {int(round->m_MatchSlot), round->HasReplaySlot() ? int(round->m_ReplaySlot) : -1})
                if (s >= 0) {
                    EXPECT_TRUE(matchDays[country].insert(s).second) << "slot " << s << " played twice";
                }
        }
        EXPECT_LE(fromPool, leagueClubs);
        const CCupRound* last = cup.GetRound(cup.GetRoundCount() - 1);
        EXPECT_EQ(last->m_Entrants, 2);
        EXPECT_NE(last->m_Kind, CCupRound::kPlaceholderKind);
    }
    CloseDataFile(f, "Data\\cups.bin");
    EXPECT_GT(nonLeagueSeen, 0);
    EXPECT_GT(leagueCups, 0);
    EXPECT_LT(leagueCups, static_cast<int>(cupCountries.size()));
    EXPECT_EQ(count, static_cast<int>(cupCountries.size()) + leagueCups);
}

}  // namespace

namespace {

// A world with every start-up table, countries, and blank clubs and grounds
// standing in for Clubs.bin and Stadiums.bin.
class CompetitionFilesInWorld : public ::testing::Test {
protected:
    void SetUp() override {
        world.ReadFederationsAndCountries();
        for (int i = 0; i < kMaxClubs; ++i) {
            world.GetClubList().AddRealClub(std::make_unique<CClub>());
            auto s = std::make_unique<CStadium>();
            s->stands.totalCapacity = 8000;
            world.GetStadiumList().Add(std::move(s));
        }
        world.SetClubCount(kMaxClubs);
    }
    CWorldData world;
    ScopedWorld installed{&world};
};

TEST_F(CompetitionFilesInWorld, DivisionsRefereesAndCupsJoinTheirCountries) {
    ReadDivisionsIntoWorld(world);
    ReadRefereesIntoWorld(world);
    ReadCupsIntoWorld(world);
    const CDivisionList& divisions = world.GetDivisionList();
    ASSERT_GT(divisions.GetSize(), 0);
    int leagueCountries = 0;
    for (int id = 0; id < world.GetCountryList().GetSize(); ++id) {
        CCountry* c = world.GetCountry(id);
        if (!c || c->GetDivisionCount() == 0) continue;
        ++leagueCountries;
        for (int k = 0; k < c->GetDivisionCount(); ++k) {
            const CDivision* d = c->GetDivision(k);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->GetCountry(), id);
            EXPECT_EQ(d->IsTopDivision(), k == 0);
        }
        // The main cup, and in England the league cup after it.
        ASSERT_GE(c->GetCups().GetSize(), 1) << c->GetName();
        ASSERT_LE(c->GetCups().GetSize(), 2) << c->GetName();
        if (id == 55) {
            EXPECT_EQ(c->GetCups().GetSize(), 2);
        }
        const CCup* cup = c->GetCups().GetAt(0);
        EXPECT_EQ(cup->m_RecordRole, 4);
        EXPECT_EQ(c->GetCupFinalistA(), cup->m_PreviousResults[0]);
        if (c->GetCups().GetSize() == 2) {
            EXPECT_EQ(c->GetCups().GetAt(1)->m_RecordRole, 1);
        }
        for (const auto& each : c->GetCups())
            for (uint32_t nl : each->m_NonLeagueClubs)
                EXPECT_FALSE(world.GetNonLeagueClub(static_cast<int>(nl))->GetName().empty());
    }
    EXPECT_EQ(leagueCountries, 71);
    EXPECT_GT(world.GetRefereeList().GetSize(), divisions.GetSize() * 4);
}

TEST_F(CompetitionFilesInWorld, DivisionsBeyondTheClubListAreRefused) {
    CWorldData small;
    ScopedWorld s{&small};
    small.ReadFederationsAndCountries();
    for (int i = 0; i < 10; ++i) small.GetClubList().AddRealClub(std::make_unique<CClub>());
    EXPECT_THROW(ReadDivisionsIntoWorld(small), DataFileError);
    EXPECT_EQ(small.GetDivisionList().GetSize(), 0);
}

}  // namespace

namespace {

// The same files beside the clubs' own: Clubs.bin and Stadiums.bin.
TEST(CompetitionFilesAcrossFiles, BlocksVenuesAndGroundsAgreeWithClubsAndStadiums) {
    CWorldData world;
    ScopedWorld installed{&world};
    world.ReadFederationsAndCountries();
    world.GetStadiumList().ReadDataFile();
    ReadDivisionsIntoWorld(world);
    world.GetClubList().ReadDataFile();
    world.SetClubCount(world.GetClubList().GetRealCount());
    ASSERT_LE(world.GetClubCount(), kMaxClubs);
    ReadRefereesIntoWorld(world);
    ReadCupsIntoWorld(world);
    const CDivisionList& divisions = world.GetDivisionList();
    int covered = 0;
    for (int i = 0; i < divisions.GetSize(); ++i) {
        const CDivision* d = divisions.GetAt(i);
        for (int c = d->GetFirstClub(); c < d->GetFirstClub() + d->GetClubCount(); ++c) {
            const CClub* club = world.GetClub(c);
            ASSERT_NE(club, nullptr);
            EXPECT_EQ(club->GetDivisionIndex(), i) << club->GetName();
            ++covered;
        }
    }
    EXPECT_EQ(covered, world.GetClubCount());  // every league club in exactly one division
    const CStadiumList& stadiums = world.GetStadiumList();
    for (int id = 0; id < world.GetCountryList().GetSize(); ++id) {
        CCountry* c = world.GetCountry(id);
        if (!c) continue;
        for (const auto& cup : c->GetCups()) {
            SCOPED_TRACE(cup->m_Name);
            for (uint32_t v : cup->m_Venues) ASSERT_NE(stadiums.GetAt(static_cast<int>(v)), nullptr);
            bool neutral = false;
            for (const auto& r : cup->m_Rounds) neutral |= CCupRound::IsNeutralKind(r->m_Kind);
            if (neutral) {
                EXPECT_GE(stadiums.GetAt(static_cast<int>(cup->m_Venues.GetAt(0)))->GetCapacity(), 1);
            }
            for (uint32_t nl : cup->m_NonLeagueClubs) {
                const CNonLeagueClub* club = world.GetNonLeagueClub(static_cast<int>(nl));
                ASSERT_NE(club, nullptr);
                EXPECT_NE(stadiums.GetAt(club->GetStadium()), nullptr);
            }
        }
    }
}

}  // namespace

namespace {

// The generated world's competitions read as a new game reads them.
class CompetitionFilesInFullWorld : public ::testing::Test {
protected:
    void SetUp() override {
        world.ReadFederationsAndCountries();
        world.GetStadiumList().ReadDataFile();
        ReadDivisionsIntoWorld(world);
        world.GetClubList().ReadDataFile();
        world.SetClubCount(world.GetClubList().GetRealCount());
        ReadCupsIntoWorld(world);
        ReadShieldsIntoWorld(world);
        NumberCompetitionPictures(world);
    }
    // The league slots of every division of the country.
    std::set<int> LeagueSlots(const CCountry& c) {
        std::set<int> out;
        for (int k = 0; k < c.GetDivisionCount(); ++k)
            for (int s = 0; s < CDivision::kSlots; ++s)
                if (c.GetDivision(k)->GetCalendarSlot(s) >= 1 && c.GetDivision(k)->GetCalendarSlot(s) <= 199) out.insert(s);
        return out;
    }
    CWorldData world;
    ScopedWorld installed{&world};
};

TEST_F(CompetitionFilesInFullWorld, EveryLeagueCountryHasItsShieldBetweenLastSeasonsWinners) {
    const CCharityShieldList& shields = world.GetCharityShieldList();
    int leagueCountries = 0;
    for (int id = 0; id < world.GetCountryList().GetSize(); ++id) {
        CCountry* c = world.GetCountry(id);
        if (!c || c->GetDivisionCount() == 0) continue;
        SCOPED_TRACE(std::string(c->GetName()));
        ++leagueCountries;
        const CCharityShield* s = c->GetCharityShield();
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(shields.GetByCountry(id), s);
        // The main cup, the top division's flag and the shield agree.
        const CCup* cup = c->GetCups().GetAt(0);
        EXPECT_EQ(cup->m_ShieldIndex, s->m_Index);
        EXPECT_EQ(shields.GetByIndex(cup->m_ShieldIndex), s);
        EXPECT_EQ(cup->GetShield(), s);
        EXPECT_EQ(c->GetDivision(0)->GetShieldQualification(), 1);
        for (int k = 1; k < c->GetDivisionCount(); ++k) EXPECT_EQ(c->GetDivision(k)->GetShieldQualification(), 0);
        // Last season's champion and the cup's winner, or the runner-up.
        const CDivision* top = c->GetDivision(0);
        ASSERT_EQ(s->m_Entrants.GetSize(), 2);
        const int a = static_cast<int32_t>(s->m_Entrants.GetAt(0)), b = static_cast<int32_t>(s->m_Entrants.GetAt(1));
        EXPECT_EQ(a, top->GetFirstClub());
        EXPECT_EQ(b, cup->m_PreviousResults[0] != a ? cup->m_PreviousResults[0] : top->GetFirstClub() + 1);
        EXPECT_NE(a, b);
        EXPECT_TRUE(top->HoldsClub(b));
        // One final at the shield's ground, before the league starts.
        EXPECT_EQ(s->m_NonLeagueClubs.GetSize(), 0);
        for (int32_t v : s->m_PreviousResults) EXPECT_EQ(v, -1);
        EXPECT_EQ(s->m_ShieldIndex, -1);
        EXPECT_EQ(s->m_RecordRole, 0);
        EXPECT_EQ(s->m_EntryScheme, 0);
        EXPECT_NE(s->m_Format, 0);
        EXPECT_NE(s->m_Format, 3);
        EXPECT_EQ(s->m_SubsNamed, top->m_SubsNamed);
        EXPECT_EQ(s->m_SubsAllowed, top->m_SubsAllowed);
        EXPECT_GE(world.GetStadiumList().GetAt(static_cast<int>(s->m_Venues.GetAt(0)))->GetCapacity(), 100);
        ASSERT_EQ(s->GetRoundCount(), 1);
        const CCupRound* r = s->GetRound(0);
        EXPECT_EQ(r->m_FullNameId, 223u);
        EXPECT_EQ(r->m_Entrants, 2);
        EXPECT_EQ(r->m_Kind, 24);
        EXPECT_EQ(r->m_Groups, 0);
        EXPECT_FALSE(r->HasReplaySlot());
        EXPECT_GT(r->m_DrawSlot, c->GetSeasonStartDay());
        EXPECT_LT(r->m_DrawSlot, r->m_MatchSlot);
        const std::set<int> league = LeagueSlots(*c);
        ASSERT_FALSE(league.empty());
        EXPECT_LT(r->m_MatchSlot, *league.begin());
        // Not a friendly day of its clubs either.
        for (int k = 0; k < c->GetDivisionCount(); ++k) {
            const uint8_t code = c->GetDivision(k)->GetCalendarSlot(r->m_MatchSlot);
            EXPECT_TRUE(code == CDivision::kNoMatch) << int(code);
        }
        for (const auto& each : c->GetCups())
            for (const auto& round : each->m_Rounds) {
                EXPECT_NE(round->m_MatchSlot, r->m_MatchSlot);
                if (round->HasReplaySlot()) {
                    EXPECT_NE(round->m_ReplaySlot, r->m_MatchSlot);
                }
            }
    }
    EXPECT_EQ(shields.GetSize(), leagueCountries);
    for (int i = 0; i < shields.GetSize(); ++i) EXPECT_EQ(shields.GetAt(i)->m_Index, i);
}

TEST_F(CompetitionFilesInFullWorld, PictureNumbersAreUniqueAndFollowTheCups) {
    std::set<int> seen;
    int cups = 0;
    for (const auto& c : world.GetCountryList())
        for (const auto& cup : c->GetCups()) {
            EXPECT_TRUE(seen.insert(cup->m_PictureNumber).second);
            ++cups;
        }
    EXPECT_EQ(*seen.rbegin(), cups - 1);
    int next = cups;
    for (const auto& s : world.GetCharityShieldList()) {
        EXPECT_EQ(s->m_PictureNumber, next++);
        EXPECT_TRUE(seen.insert(s->m_PictureNumber).second);
    }
    for (const auto& p : world.GetPlayOffList()) EXPECT_EQ(p->m_PictureNumber, next++);
    for (const auto& f : world.GetFederationCupList()) EXPECT_EQ(f->m_PictureNumber, next++);
    EXPECT_LT(next, 256);
}

}  // namespace

namespace {

TEST_F(CompetitionFilesInFullWorld, PlayOffsDecideThePlacesAfterTheDirectExchange) {
    ReadPlayOffsIntoWorld(world);
    NumberCompetitionPictures(world);
    const CPlayOffList& playOffs = world.GetPlayOffList();
    ASSERT_GE(playOffs.GetSize(), 2);
    std::set<int> ids;
    bool knockOut = false, groups = false;
    for (const auto& p : playOffs) {
        SCOPED_TRACE(p->m_Name);
        EXPECT_GT(p->m_Id, 0);
        EXPECT_TRUE(ids.insert(p->m_Id).second);
        EXPECT_EQ(p->m_Spare, 0);
        CCountry* c = world.GetCountry(p->m_CountryIndex);
        ASSERT_NE(c, nullptr);
        // Exactly one division L names it for promotion; the one above may
        // name it for relegation.
        int lower = -1;
        for (int k = 0; k < c->GetDivisionCount(); ++k)
            if (c->GetDivision(k)->m_PromotionPlayOff == p->m_Id) {
                EXPECT_EQ(lower, -1);
                lower = k;
            }
        ASSERT_GE(lower, 1);
        const CDivision& L = *c->GetDivision(lower);
        const CDivision& U = *c->GetDivision(lower - 1);
        EXPECT_EQ(L.GetPlayOff(), p.get());
        EXPECT_EQ(c->GetPlayOffOfCup(p.get()), p.get());
        for (int k = 0; k < c->GetDivisionCount(); ++k)
            if (k != lower - 1) {
                EXPECT_NE(c->GetDivision(k)->m_RelegationPlayOff, p->m_Id);
            }
        const bool relegation = U.m_RelegationPlayOff == p->m_Id;
        const int entrants = L.m_PromotionPlayOffClubs + (relegation ? U.m_RelegationPlayOffClubs : 0);
        EXPECT_EQ(p->GetRound(0)->m_Entrants, entrants);
        EXPECT_EQ(L.GetAutoPromotionPlaces() + p->m_ExtraPlaces, U.GetRelegationPlaces(&L));
        EXPECT_EQ(L.GetPlayOffExtraPlaces(), p->m_ExtraPlaces);
        EXPECT_GE(L.GetClubCount(), L.GetAutoPromotionPlaces() + L.m_PromotionPlayOffClubs);
        // Every round after the last league day of every division that
        // enters, before the season's end, and on a day no club of the
        // country plays anything else.
        int lastLeague = 0;
        for (const CDivision* d : {&L, &U})
            if (d == &L || relegation)
                for (int s = 0; s < CDivision::kSlots; ++s)
                    if (d->GetCalendarSlot(s) >= 1 && d->GetCalendarSlot(s) <= 199) lastLeague = std::max(lastLeague, s);
        std::set<int> busy = LeagueSlots(*c);
        for (const auto& cup : c->GetCups())
            for (const auto& r : cup->m_Rounds) {
                busy.insert(r->m_MatchSlot);
                if (r->HasReplaySlot()) busy.insert(r->m_ReplaySlot);
            }
        busy.insert(c->GetCharityShield()->GetRound(0)->m_MatchSlot);
        for (const auto& r : p->m_Rounds) {
            EXPECT_GT(r->m_DrawSlot, lastLeague);
            EXPECT_LT(r->m_DrawSlot, r->m_MatchSlot);
            EXPECT_LT(r->m_MatchSlot, c->GetSeasonEndDay());
            EXPECT_FALSE(busy.count(r->m_MatchSlot)) << int(r->m_MatchSlot);
        }
        const CCupRound* last = p->GetRound(p->GetRoundCount() - 1);
        if (last->m_Kind == 24) {
            knockOut = true;
            EXPECT_EQ(p->m_ExtraPlaces, 1);
            EXPECT_EQ(p->GetRound(0)->m_Kind, 4);
            EXPECT_EQ(p->GetRound(1)->m_Kind, 8);
            EXPECT_EQ(p->GetRound(1)->m_DrawSlot, p->GetRound(0)->m_DrawSlot);
            EXPECT_EQ(last->m_Entrants, 2);
            EXPECT_GE(world.GetStadiumList().GetAt(static_cast<int>(p->m_Venues.GetAt(0)))->GetCapacity(), 100);
        } else if (last->m_Kind == 10) {
            groups = true;
            EXPECT_TRUE(relegation);
            EXPECT_EQ(p->m_ExtraPlaces, 2);
            EXPECT_EQ(p->GetRound(0)->GetGroupCount(), 2);
            EXPECT_EQ(p->GetRoundCount(), 6);
            for (const auto& r : p->m_Rounds) {
                EXPECT_EQ(r->m_Kind, 10);
                EXPECT_EQ(r->m_DrawSlot, p->GetRound(0)->m_DrawSlot);
            }
        }
    }
    EXPECT_TRUE(knockOut);
    EXPECT_TRUE(groups);
}

TEST_F(CompetitionFilesInFullWorld, EuropeHasTwoFederationCupsThatLeaguesAndCupsMakeRoomFor) {
    ReadFederationCupsIntoWorld(world);
    const CFederationCupList& cups = world.GetFederationCupList();
    ASSERT_EQ(cups.GetSize(), 2);
    const CFederationCup& champions = *cups.GetAt(0);
    const CFederationCup& second = *cups.GetAt(1);
    EXPECT_EQ(champions.m_Kind, 0);
    EXPECT_EQ(second.m_Kind, 1);
    // The record's own name and its definition's agree.
    {
        FILE* f = OpenDataFile(kFederationCupsFile);
        LoadInt32(f);
        LoadByte(f);
        CExtString name;
        name.Load(f);
        CloseGameFile(f);
        EXPECT_EQ(name, champions.m_Name);
    }
    const CFederation* europe = world.GetFederation(0);
    ASSERT_EQ(europe->GetCupCount(), 2);
    EXPECT_EQ(europe->GetCup(0), &champions);
    // Every federation ranks its league countries first, from 1.
    for (const auto& fed : world.GetFederationList()) {
        int leagues = 0;
        for (uint32_t id : fed->GetMembers()) leagues += world.GetCountry(static_cast<int>(id))->GetDivisionCount() > 0;
        for (uint32_t id : fed->GetMembers()) {
            const CCountry* c = world.GetCountry(static_cast<int>(id));
            if (c->GetId() == 0) continue;
            if (c->GetDivisionCount() > 0) {
                EXPECT_LE(c->GetFederationRank(), leagues) << c->GetName();
            } else {
                EXPECT_GT(c->GetFederationRank(), leagues) << c->GetName();
            }
        }
    }
    int europeanLeagues = 0;
    for (int rank = 1; rank <= 49; ++rank) {
        const CCountry* c = europe->GetCountryByRank(static_cast<uint8_t>(rank));
        ASSERT_NE(c, nullptr) << rank;
        europeanLeagues += c->GetDivisionCount() > 0;
    }
    EXPECT_EQ(europeanLeagues, 49);
    // The berths: one descriptor each, element 49 the holders'.
    for (const CFederationCup* cup : {&champions, &second}) {
        SCOPED_TRACE(cup->m_Name);
        ASSERT_EQ(cup->m_BerthsByRank.GetSize(), 50);
        EXPECT_EQ(cup->m_BerthsByRank.GetAt(49), 0);
        int berths = 0;
        for (uint8_t b : cup->m_BerthsByRank) berths += b;
        EXPECT_EQ(cup->m_BerthDescriptors.GetSize(), berths + (cup->m_Kind == 0 ? 1 : 2));
        for (uint8_t d : cup->m_BerthDescriptors) {
            if (cup->m_Kind == 1) {
                EXPECT_TRUE(d >= 2 && d <= 4) << int(d);
            }
        }
        EXPECT_EQ(cup->m_EntryRounds.GetSize(), cup->m_Kind == 0 ? 72 : 144);
        ASSERT_GE(cup->m_Holder, 0);
        EXPECT_EQ(world.GetClub(cup->m_Holder)->GetCountry()->GetFederation(), 0);
        const CCupRound* final = cup->GetRound(cup->GetRoundCount() - 1);
        EXPECT_EQ(final->m_Kind, 24);
        EXPECT_EQ(final->m_Entrants, 2);
        EXPECT_GE(world.GetStadiumList().GetAt(static_cast<int>(cup->m_Venues.GetAt(0)))->GetCapacity(), 100);
        for (int r = 0; r < cup->GetRoundCount(); ++r) {
            const CCupRound* round = cup->GetRound(r);
            EXPECT_LT(round->m_DrawSlot, round->m_MatchSlot);
            EXPECT_GE(round->m_DrawSlot, 1);
            EXPECT_LE(round->m_MatchSlot, 103);
            if (r > 0) {
                const CCupRound* before = cup->GetRound(r - 1);
                EXPECT_GT(round->m_MatchSlot, before->m_MatchSlot);
                if (CCupRound::IsReverseKind(round->m_Kind)) {
                    EXPECT_EQ(round->m_DrawSlot, before->m_DrawSlot);
                } else if (round->m_Kind != 10 || before->m_Kind != 10) {
                    EXPECT_GT(round->m_DrawSlot, before->m_MatchSlot);
                }
            }
            EXPECT_LE(round->m_MatchSlot, champions.GetRound(champions.GetRoundCount() - 1)->m_MatchSlot);
        }
    }
    // The clubs the champions' cup passes on join the second cup after it.
    EXPECT_GT(second.GetRound(2)->m_DrawSlot, champions.GetRound(6)->m_DrawSlot);
    EXPECT_GT(second.GetRound(2)->m_MatchSlot, champions.GetRound(5)->m_MatchSlot);
    EXPECT_GT(second.GetRound(6)->m_DrawSlot, champions.GetRound(12)->m_DrawSlot);
    EXPECT_GT(second.GetRound(6)->m_MatchSlot, champions.GetRound(11)->m_MatchSlot);
    // No European league, cup or shield plays on a federation-cup day.
    for (uint32_t id : europe->GetMembers()) {
        const CCountry* c = world.GetCountry(static_cast<int>(id));
        if (c->GetDivisionCount() == 0) continue;
        SCOPED_TRACE(std::string(c->GetName()));
        std::set<int> busy = LeagueSlots(*c);
        for (const auto& cup : c->GetCups())
            for (const auto& r : cup->m_Rounds) {
                busy.insert(r->m_MatchSlot);
                if (r->HasReplaySlot()) busy.insert(r->m_ReplaySlot);
            }
        busy.insert(c->GetCharityShield()->GetRound(0)->m_MatchSlot);
        for (const CFederationCup* cup : {&champions, &second})
            for (const auto& r : cup->m_Rounds) EXPECT_FALSE(busy.count(r->m_MatchSlot)) << int(r->m_MatchSlot);
    }
}

}  // namespace
