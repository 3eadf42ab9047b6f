#pragma once
// The game's fixed name tables: menu pictures, weather folders of the
// animation clips, graphics archive names, the new-game set-up texts and the
// surname tables of the countries whose people get typical surnames.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "soccerclasses/extwordarray.h"
#include "soccerclasses/matchtime.h"

inline constexpr int kMenuPictureCount = 81;
struct MenuPicture {
    unsigned commandId;
    const char* picture;
};
extern const MenuPicture kMenuPictures[kMenuPictureCount];
// "gfx\\menu\\" + the command's picture; empty when the command has none.
std::string GetMenuPicturePath(unsigned commandId);

// Index = weather: "", "dry\\", "rain\\", "snow\\".
extern const char* const kWeatherFolders[4];
// Index = archive number.
inline constexpr int kArchiveCount = 18;
extern const std::array<const char*, kArchiveCount> kArchiveNames;

// The new-game set-up's shared values: ten texts (the second and third "-"),
// a date, a name and a word list.
struct SetUpState {
    std::string texts[10] = {"", "-", "-", "", "", "", "", "", "", ""};
    CMatchTime date;
    std::string name;
    CExtWordArray words;
};
SetUpState& GetSetUpState();

// The surname table of a country (Windows-1252); empty for a country
// without one. England's ends with one empty entry, which the person code
// skips by drawing again.
const std::vector<std::string>& GetSurnameTable(int countryId);
// The countries that have a table.
std::vector<int> SurnameTableCountries();
// Every line of the compiled-in tables that could not be read; empty when well.
const std::vector<std::string>& SurnameTableErrors();
