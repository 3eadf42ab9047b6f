#pragma once
// What people code tells a human manager (inbox messages by code, and texts
// for his news), the country news and the division's newspaper events. Each
// goes on to the club's human, the country or the division's newspaper.
#include <cstdint>
#include <string>

class CClub;
class CCountry;

// Only a human-managed club's manager is told.
void SendMessageToHuman(const CClub& club, int code, const std::string& t1 = "", const std::string& t2 = "",
                        const std::string& t3 = "", int id = -1);
void SendTextToHuman(const CClub& club, const std::string& text);
void PostCountryNews(const CClub& club, const std::string& text);
// The longest injury of the match day stays; of two suspended players the
// one with the higher own-position skill stays.
void TellNewspaperInjury(const CClub& club, int player, int weeks);
void TellNewspaperSuspension(const CClub& club, int player);

// The current user's manager's club, or none.
CClub* CurrentUserClub();
// The country of the current human manager's club, whose money the screens
// show; none without a current manager.
const CCountry* CurrentUserCountry();
