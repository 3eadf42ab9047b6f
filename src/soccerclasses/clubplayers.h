#pragma once
// What the club code asks of a squad player: whether he can play, whether
// he is available, his match ability, his wage; and making a new player for
// a club. Kept in one place so the club code has one door to the players.
#include <cstdint>

class CClub;
class CPlayer;

bool IsPlayerInjuredOut(const CPlayer& player);
// Not injured out and not sent off in the match.
bool CanPlayerPlay(const CPlayer& player);
// Can play and is not suspended.
bool IsPlayerAvailable(const CPlayer& player);
int GetPlayerMatchAbility(const CPlayer& player);
double GetPlayerWeeklyWage(const CPlayer& player);
uint8_t GetPlayerSuspension(const CPlayer& player);
// How far down its country the club's division stands (0 for the top, at
// most 3): the class the popularity bands and strengths are indexed by.
int StrengthClass(const CClub& club);
// Makes the player a new player of the club in a position (0..3).
void RegeneratePlayerForClub(CPlayer& player, const CClub& club, int position);

struct CContractOffer;

// The fee the player's club would take, in base money, for the seller's country.
double GetPlayerTransferFee(const CPlayer& player, const CClub& club);
// His demands for joining the club.
void GetPlayerContractDemands(const CPlayer& player, const CClub& buyer, CContractOffer& offer);
// Whether he would move at all. Veterans of 34 and more stay where they are.
bool IsPlayerWillingToMove(const CPlayer& player);
bool IsPlayerFreeAgent(const CPlayer& player);
// The move's end on the player's side: the new terms, off the list.
void CompletePlayerMove(CPlayer& player, const CContractOffer& offer);
void RemovePlayerFromTransferList(CPlayer& player);
