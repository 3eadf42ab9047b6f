#pragma once
// A person named by the list that holds him rather than by his address, so
// a page or a history entry never outlives him: his index in that list,
// and the club or country that holds the list (-1 for the world's lists).
// The list kinds are the person pages' subject kinds.
#include <cstdint>

#include "soccerclasses/userport.h"

struct PersonIdentity {
    int kind = kPersonListPlayers;
    int owner = -1;
    int index = -1;
    bool operator==(const PersonIdentity&) const = default;
};

// The identity of a person object of that kind; index -1 when the world
// holds no such person.
PersonIdentity IdentifyPerson(const void* person, int kind);
// The person an identity names (a CPlayer, CEmployee, CAvailableEmployee,
// CYouth, CAvailableYouth or CSoccerReferee by kind); null when none.
void* FindPerson(const PersonIdentity& id);

class CClub;
class CCountry;
// A club's or country's list of that kind closed up or gave a place to
// someone new: every page made on any of its places is told to go, since
// those places may now name someone else.
void ForgetListPlaces(int kind, const CClub& club);
void ForgetListPlaces(int kind, const CCountry& country);
