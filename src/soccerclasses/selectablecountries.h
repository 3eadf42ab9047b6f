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
    int16_t flagX = 0, flagY = 0;  // the flag's top-left corner on its map
    uint8_t order = 0;             // its place in its map's table (and flag sheet)
};

// In id order.
const std::vector<SelectableCountry>& GetSelectableCountries();
// One map's countries in their table order.
std::vector<SelectableCountry> GetMapCountries(SelectableCountry::Map map);
// The ids of the default selection, and of every selectable country.
std::vector<uint8_t> DefaultCountrySelection();
std::vector<uint8_t> AllSelectableCountries();
