#pragma once
// The competition descriptions the information page reads: which
// competitions get a file, and the text of each, from the loaded world.
#include <map>
#include <string>
#include <vector>

class CCup;
class CDivision;
class CWorldData;

namespace competitiontexts {

inline constexpr size_t kMaxBytes = 4096;

// Every division and every cup (domestic cups, shields, play-offs and
// federation cups) by picture number.
struct Catalogue {
    std::map<int, std::vector<const CDivision*>> divisions;
    std::map<int, std::vector<const CCup*>> cups;
};
Catalogue Collect(CWorldData& world);

// Windows-1252 text, CR LF line ends, paragraphs apart by an empty line:
// the competition's character, then its format as the data give it.
std::string DivisionText(CWorldData& world, const CDivision& division);
std::string CupText(CWorldData& world, const CCup& cup);

}  // namespace competitiontexts
