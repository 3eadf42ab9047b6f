#include "soccerclasses/selectablecountries.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

extern const unsigned char vt_countries_txt[];
extern const unsigned long vt_countries_txt_size;

namespace {

std::vector<std::string> SelectableSplit(const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '|')) out.push_back(field);
    if (!line.empty() && line.back() == '|') out.emplace_back();
    return out;
}

std::vector<SelectableCountry> ReadSelectableCountries() {
    std::vector<SelectableCountry> out;
    std::istringstream in(std::string(reinterpret_cast<const char*>(vt_countries_txt), vt_countries_txt_size));
    std::string line;
    // id|name|flag|nationality|federation|currency|wage|board|race|map|group|default[|key=value...]
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f = SelectableSplit(line);
        if (f.size() < 12 || (f[9] != "Europe" && f[9] != "World")) continue;
        SelectableCountry c;
        c.id = static_cast<uint8_t>(std::atoi(f[0].c_str()));
        c.name = f[1];
        c.map = f[9] == "Europe" ? SelectableCountry::kEurope : SelectableCountry::kWorld;
        c.group = static_cast<uint8_t>(std::atoi(f[10].c_str()));
        c.byDefault = f[11] == "yes";
        for (size_t k = 12; k < f.size(); ++k) {
            if (f[k].rfind("flag=", 0) == 0)
                std::sscanf(f[k].c_str() + 5, "%hd,%hd", &c.flagX, &c.flagY);
            else if (f[k].rfind("order=", 0) == 0)
                c.order = static_cast<uint8_t>(std::atoi(f[k].c_str() + 6));
        }
        out.push_back(std::move(c));
    }
    return out;
}

}  // namespace

const std::vector<SelectableCountry>& GetSelectableCountries() {
    static const std::vector<SelectableCountry> table = ReadSelectableCountries();
    return table;
}

std::vector<uint8_t> DefaultCountrySelection() {
    std::vector<uint8_t> ids;
    for (const SelectableCountry& c : GetSelectableCountries())
        if (c.byDefault) ids.push_back(c.id);
    return ids;
}

std::vector<uint8_t> AllSelectableCountries() {
    std::vector<uint8_t> ids;
    for (const SelectableCountry& c : GetSelectableCountries()) ids.push_back(c.id);
    return ids;
}

std::vector<SelectableCountry> GetMapCountries(SelectableCountry::Map map) {
    std::vector<SelectableCountry> out;
    for (const SelectableCountry& c : GetSelectableCountries())
        if (c.map == map) out.push_back(c);
    std::stable_sort(out.begin(), out.end(),
                     [](const SelectableCountry& a, const SelectableCountry& b) { return a.order < b.order; });
    return out;
}
