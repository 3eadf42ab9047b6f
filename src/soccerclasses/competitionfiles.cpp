#include "soccerclasses/competitionfiles.h"

#include <algorithm>
#include <string>

#include "soccerclasses/charityshield.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/division.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/startupfile.h"
#include "soccerclasses/worlddata.h"

void ReadDivisionsIntoWorld(CWorldData& world) {
    CDivisionList& divisions = world.GetDivisionList();
    // A new game reads the divisions before the clubs; the clubs' reader then
    // checks their divisions. Until then the limit is the most clubs a world
    // can hold (a player index must stay below 65535).
    int clubs = world.GetClubList().GetRealCount();
    CDivisionList::Limits limits{clubs > 0 ? clubs : kMaxWorldClubs, world.GetCountryList().GetSize(),
                                 world.GetDivisionStrengthList() ? world.GetDivisionStrengthList()->GetSize() : 0};
    divisions.ReadFile(CDivisionList::kFileName, limits, [&](int n) { return world.GetSchedule(n); });
    for (int i = 0; i < divisions.GetSize(); ++i) {
        CDivision* d = divisions.GetAt(i);
        CCountry* c = world.GetCountry(d->GetCountry());
        c->AddDivision(static_cast<uint32_t>(i));
        for (int32_t id : {d->m_PromotionPlayOff, d->m_RelegationPlayOff})
            if (id != 0 && id != -1) c->AddPlayOff(static_cast<uint8_t>(id));
    }
}

void ReadRefereesIntoWorld(CWorldData& world) {
    world.GetRefereeList().ReadFile(CSoccerRefereeList::kFileName, world.GetDivisionList(),
                                    world.GetCountryList().GetSize());
    // Each country keeps its own referees, for its rotation and its lists.
    for (int i = 0; i < world.GetRefereeList().GetSize(); ++i)
        if (const CDivision* d = world.GetDivision(world.GetRefereeList().GetAt(i)->GetDivision()))
            if (CCountry* c = world.GetCountry(d->GetCountry())) c->AddReferee(static_cast<uint32_t>(i));
}

namespace {

// The smallest cup definition: a name's length, no non-league clubs, the
// previous results, venues, five bytes, two int32 and the round count.
constexpr size_t kMinCupDefinitionBytes = 4 + 1 + 16 + 32 + 5 + 8 + 1;

CCup::Limits CupLimits(CWorldData& world) {
    const CStadiumList& stadiums = world.GetStadiumList();
    return {stadiums.GetSize(), [&stadiums](int i) {
                const CStadium* s = stadiums.GetAt(i);
                return s ? s->GetCapacity() : 0;
            }};
}

// The clubs read so far bound a club index; before the clubs, the most a
// world can hold.
int ClubLimit(CWorldData& world) {
    const int n = world.GetClubList().GetRealCount();
    return n > 0 ? n : kMaxWorldClubs;
}

std::function<int(const CupNonLeagueRecord&)> NonLeagueAdder(CWorldData& world, const CCountry& country) {
    return [&world, &country](const CupNonLeagueRecord& r) {
        CKits home, away;
        home.bytes = r.homeKit;
        away.bytes = r.awayKit;
        return world.AddNonLeagueClub(r.name, r.stadium, country, home, away);
    };
}

}  // namespace

void ReadPlayOffsIntoWorld(CWorldData& world) {
    FILE* f = OpenDataFile(kPlayOffsFile);
    const int32_t n = LoadCount(f, 4 + kMinCupDefinitionBytes);
    CPlayOffList& playOffs = world.GetPlayOffList();
    playOffs.RemoveAll();
    const CCup::Limits limits = CupLimits(world);
    const int countries = world.GetCountryList().GetSize();
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto p = std::make_unique<CPlayOff>();
        const char* why = p->ReadRecord(f, countries, limits, [&](const CupNonLeagueRecord& r) {
            const CCountry* c = world.GetCountry(p->m_CountryIndex);
            return c ? NonLeagueAdder(world, *c)(r) : -1;
        });
        if (GameFileDamaged()) break;
        if (!why && p->GetRoundCount() == 0) why = "a play-off without rounds";
        if (!why && playOffs.FindById(p->m_Id)) why = "a play-off id given twice";
        if (why) RefuseDataFile(f, kPlayOffsFile, "play-off " + std::to_string(i) + ": " + why);
        playOffs.Add(std::move(p));
    }
    CloseDataFile(f, kPlayOffsFile);
}

void ReadShieldsIntoWorld(CWorldData& world) {
    FILE* f = OpenDataFile(kShieldsFile);
    const int32_t n = LoadCount(f, 4 + 8 + 1 + kMinCupDefinitionBytes);
    CCharityShieldList& shields = world.GetCharityShieldList();
    shields.RemoveAll();
    const CCup::Limits limits = CupLimits(world);
    const int countries = world.GetCountryList().GetSize();
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto s = std::make_unique<CCharityShield>();
        const char* why = s->ReadRecord(f, countries, ClubLimit(world), limits, [&](const CupNonLeagueRecord& r) {
            const CCountry* c = world.GetCountry(s->m_CountryIndex);
            return c ? NonLeagueAdder(world, *c)(r) : -1;
        });
        if (GameFileDamaged()) break;
        if (!why && shields.GetByIndex(s->m_Index)) why = "a shield index given twice";
        if (why) RefuseDataFile(f, kShieldsFile, "shield " + std::to_string(i) + ": " + why);
        shields.Add(std::move(s));
    }
    CloseDataFile(f, kShieldsFile);
}

void ReadFederationCupsIntoWorld(CWorldData& world) {
    FILE* f = OpenDataFile(kFederationCupsFile);
    const int32_t n = LoadCount(f, 1 + 4 + 2 + 12 + 8 + kMinCupDefinitionBytes);
    CFederationCupList& cups = world.GetFederationCupList();
    cups.RemoveAll();
    for (const auto& fed : world.GetFederationList()) fed->RemoveCups();
    const CCup::Limits limits = CupLimits(world);
    const int federations = world.GetFederationList().GetSize();
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto cup = std::make_unique<CFederationCup>();
        // A federation cup is between league clubs only.
        const char* why = cup->ReadRecord(f, federations, ClubLimit(world), limits,
                                          [](const CupNonLeagueRecord&) { return -1; });
        if (GameFileDamaged()) break;
        if (!why && !cup->m_NonLeagueClubs.IsEmpty()) why = "a federation cup with non-league clubs";
        if (why) RefuseDataFile(f, kFederationCupsFile, "federation cup " + std::to_string(i) + ": " + why);
        world.GetFederation(cup->m_Federation)->AddCup(static_cast<uint8_t>(cups.GetSize()));
        cups.Add(std::move(cup));
    }
    CloseDataFile(f, kFederationCupsFile);
}

void NumberCompetitionPictures(CWorldData& world) {
    int next = 0;
    for (const auto& c : world.GetCountryList())
        for (const auto& cup : c->GetCups()) next = std::max(next, cup->m_PictureNumber + 1);
    for (const auto& s : world.GetCharityShieldList()) s->m_PictureNumber = static_cast<uint8_t>(next++);
    for (const auto& p : world.GetPlayOffList()) p->m_PictureNumber = static_cast<uint8_t>(next++);
    for (const auto& c : world.GetFederationCupList()) c->m_PictureNumber = static_cast<uint8_t>(next++);
}

void ReadCupsIntoWorld(CWorldData& world) {
    FILE* f = OpenDataFile(kCupsFile);
    int32_t n = LoadCount(f, 1 + kMinCupDefinitionBytes);
    const CCup::Limits limits = CupLimits(world);
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        int country = LoadByte(f);
        if (GameFileDamaged()) break;
        CCountry* c = world.GetCountry(country);
        if (!c) RefuseDataFile(f, kCupsFile, "cup " + std::to_string(i) + ": no such country");
        const char* why = c->AddCupFromFile(f, limits, NonLeagueAdder(world, *c));
        if (GameFileDamaged()) break;
        if (why) RefuseDataFile(f, kCupsFile, "cup " + std::to_string(i) + ": " + why);
        CCup* cup = c->GetCups().GetAt(c->GetCups().GetSize() - 1);
        cup->m_PictureNumber = static_cast<uint8_t>(i);
        StoreLastSeasonCupResults(*c, c->GetCups().GetSize() - 1, cup->m_PreviousResults);
    }
    CloseDataFile(f, kCupsFile);
}

void StoreLastSeasonCupResults(CCountry& c, int cupPosition, const std::array<int32_t, 4>& r) {
    switch (cupPosition) {
        case 0:
            c.SetCupFinalistA(r[0]);
            c.SetCupFinalistB(r[1]);
            c.SetCupQualifier(0, r[2]);
            c.SetCupQualifier(1, r[3]);
            break;
        case 1:
            c.SetSecondCupFinalistA(r[0]);
            c.SetSecondCupFinalistB(r[1]);
            break;
        case 3:  // the fourth cup's finalists
            c.SetCupPairFirst(r[0]);
            c.SetCupPairSecond(r[1]);
            break;
        default:
            break;
    }
}
