#pragma once
// The countries a new game can be played with: the ones the new-game maps
// show, with their map, their button group and whether they are in the
// default selection. Compiled in from the world's country table.
#include <cstdint>
#include <string>
#include <vector>

struct SelectableCountry {
    enum Map : uint8_t { kEurope, kWorld };
    uint8_t id = 0;
    std::string name;
    Map map = kEurope;
    uint8_t group = 0;  // 1 "Top 10", 2 the next ten, 0 the others
    bool byDefault = false;
};

// In id order.
const std::vector<SelectableCountry>& GetSelectableCountries();
// The ids of the default selection, and of every selectable country.
std::vector<uint8_t> DefaultCountrySelection();
std::vector<uint8_t> AllSelectableCountries();
