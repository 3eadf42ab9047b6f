// Reading the world's players from "Data\\players.bin" at a new game. The
// file is checked as it is read: a record that would land outside the list,
// a club whose records are split, a squad too big or too small, or a field
// out of range makes the whole file damaged.
#include <set>

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {

bool Refuse(const char* why) {
    MarkGameFileDamaged(why);
    return false;
}

void SkipRecordRest(FILE* f) {
    SkipGameFile(nullptr, 2, f);
    const int32_t n = LoadInt32(f);
    if (n < 0 || n > CExtString::kMaxLength) {
        MarkGameFileDamaged("a text field out of range");
        return;
    }
    SkipGameFile(nullptr, static_cast<size_t>(n), f);
    SkipGameFile(nullptr, 35, f);
}

}  // namespace

bool CPlayerList::ReadDatabase(FILE* f, int clubCount) {
    CWorldData* world = GetWorldData();
    CClubList& clubs = world->GetClubList();
    const int slots = DatabaseSlots(clubCount);
    DeleteAll();
    SetSize(slots);

    const int32_t count = LoadCount(f, 5);
    if (count > slots) return Refuse("more players than the list has slots");

    int previous = -1;
    bool previousSkipped = false;
    int loaded = 0;  // players given to the current club
    std::set<int> seen;
    auto closeClub = [&]() {
        if (previous >= 0 && !previousSkipped && loaded < kMinSquad) return Refuse("a club with fewer than 16 players");
        return true;
    };

    for (int i = 0; i < count && !GameFileDamaged(); ++i) {
        LoadByte(f);
        const int32_t clubIndex = LoadInt32(f);
        if (clubIndex < 0 || clubIndex >= clubCount) {
            SkipRecordRest(f);
            continue;
        }
        if (clubIndex != previous) {
            if (!closeClub()) break;
            if (!seen.insert(clubIndex).second) {
                Refuse("a club's players are not together");
            break;
        }
            CClub* club = clubs.GetAt(clubIndex);
            if (!club) {
                Refuse("a player of a club that does not exist");
            break;
        }
            const CCountry* country = club->GetCountry();
            previous = clubIndex;
            previousSkipped = !country || country->GetFollowLevel() > 1;
            loaded = 0;
        }
        if (previousSkipped) {
            SkipRecordRest(f);
            continue;
        }
        auto player = std::make_unique<CPlayer>();
        player->ReadDatabase(f);
        if (GameFileDamaged()) break;
        const CPerson& person = player->m_Person;
        if (person.GetAge() < CPerson::kMinimumAge) {
                Refuse("a player younger than 16");
            break;
        }
        if (player->m_Football.GetPosition() > CSoccerPlayer::kAttacker) {
                Refuse("a position above 3");
            break;
        }
        if (!world->GetCountry(person.GetCountry())) {
                Refuse("a player of a country that does not exist");
            break;
        }
        if (player->m_Football.m_CareerPath >= CareerPathTable().GetSize())
            {
                Refuse("a career path that does not exist");
            break;
        }
        if (person.GetSurname().empty()) {
                Refuse("a player without a surname");
            break;
        }

        CClub* club = clubs.GetAt(clubIndex);
        const MoneyScale money = MoneyScaleOf(club->GetCountry());
        player->m_Person.SetWeeklyWage(player->m_Football.GetWageDemand(person.GetAge(), money));
        if (player->m_Person.GetWeeklyWage() <= 0) {
                Refuse("a player whose wage comes to nothing");
            break;
        }
        if (Random(150) == 2 && player->m_Person.GetAge() >= 24) player->m_Person.SetContractYears(0);

        if (!club->AddPlayerToSquad(static_cast<uint16_t>(i))) {
                Refuse("a club with more than 30 players");
            break;
        }
        Put(i, std::move(player));
        ++loaded;
    }
    if (!GameFileDamaged()) closeClub();
    if (GameFileDamaged()) {
        // Nothing of a refused file stays in the squads.
        for (int c = 0; c < clubCount; ++c)
            if (CClub* club = clubs.GetAt(c))
                for (int s = 0; s < kSquadSlots; ++s) club->SetPlayerId(s, kEmptySlot);
        DeleteAll();
        return false;
    }
    return true;
}

void CPlayerList::LoadDatabase(int clubCount) {
    FILE* f = OpenDataFile(kDatabaseFile);
    ReadDatabase(f, clubCount);
    CloseDataFile(f, kDatabaseFile);
}
