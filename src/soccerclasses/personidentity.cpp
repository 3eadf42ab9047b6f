#include "soccerclasses/personidentity.h"

#include "soccerclasses/availableemployee.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/youth.h"

namespace {

template <class List>
int PersonIndexIn(const List* list, const void* person) {
    if (!list) return -1;
    for (int i = 0; i < list->GetSize(); ++i)
        if (list->GetAt(i) == person) return i;
    return -1;
}

// The person at `index` of the owner's list of that kind, or when `person`
// is given, his index there (-1 none): one walk for both directions.
void* PersonInOwnerList(CWorldData& w, int kind, int owner, int index, const void* person, int* found) {
    auto pick = [&](const auto* list) -> void* {
        if (person) {
            *found = PersonIndexIn(list, person);
            return nullptr;
        }
        return list ? static_cast<void*>(list->GetAt(index)) : nullptr;
    };
    if (kind == kPersonListStaff || kind == kPersonListYouths) {
        CClub* club = w.GetClubList().GetAt(owner);
        if (!club) return nullptr;
        if (kind == kPersonListStaff) return pick(&club->Staff());
        return pick(&club->Youths());
    }
    CCountry* country = w.GetCountryList().GetAt(owner);
    if (!country) return nullptr;
    if (kind == kPersonListStaffMarket) return pick(country->GetStaffMarket());
    return pick(country->GetYouthMarket());
}

bool IsOwnedListKind(int kind) {
    return kind == kPersonListStaff || kind == kPersonListYouths || kind == kPersonListStaffMarket ||
           kind == kPersonListYouthMarket;
}

}  // namespace

PersonIdentity IdentifyPerson(const void* person, int kind) {
    PersonIdentity id;
    id.kind = kind;
    CWorldData* w = GetWorldData();
    if (!w || !person) return id;
    if (kind == kPersonListPlayers) {
        id.index = CClub::FindWorldIndex(*static_cast<const CPlayer*>(person));
    } else if (kind == kPersonListReferees) {
        id.index = w->GetRefereeList().IndexOf(static_cast<const CSoccerReferee*>(person));
    } else if (IsOwnedListKind(kind)) {
        const int owners = kind == kPersonListStaff || kind == kPersonListYouths ? w->GetClubList().GetSize()
                                                                                   : w->GetCountryList().GetSize();
        for (int owner = 0; owner < owners && id.index < 0; ++owner) {
            int found = -1;
            PersonInOwnerList(*w, kind, owner, -1, person, &found);
            if (found >= 0) {
                id.owner = owner;
                id.index = found;
            }
        }
    }
    return id;
}

void ForgetListPlaces(int kind, const CClub& club) {
    CWorldData* w = GetWorldData();
    const int owner = w ? w->GetClubList().GetIndex(&club) : -1;
    if (owner >= 0) GetUserPort().PersonDeleted(kind, owner, -1);
}

void ForgetListPlaces(int kind, const CCountry& country) {
    CWorldData* w = GetWorldData();
    if (!w) return;
    const CCountryList& countries = w->GetCountryList();
    for (int i = 0; i < countries.GetSize(); ++i)
        if (countries.GetAt(i) == &country) {
            GetUserPort().PersonDeleted(kind, i, -1);
            return;
        }
}

void* FindPerson(const PersonIdentity& id) {
    CWorldData* w = GetWorldData();
    if (!w || id.index < 0) return nullptr;
    if (id.kind == kPersonListPlayers) return id.owner == -1 ? w->GetPlayer(id.index) : nullptr;
    if (id.kind == kPersonListReferees) return id.owner == -1 ? w->GetRefereeList().GetAt(id.index) : nullptr;
    if (IsOwnedListKind(id.kind)) return PersonInOwnerList(*w, id.kind, id.owner, id.index, nullptr, nullptr);
    return nullptr;
}
