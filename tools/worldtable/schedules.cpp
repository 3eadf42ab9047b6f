#include "schedules.h"

#include <utility>

namespace worldtable {

// The circle method with Berger's venue rule: the fixed club alternates
// between home and away by round; in the other pairs the venue alternates
// with the pair's distance on the circle. An odd count plays a ghost, whose
// opponent rests.
std::vector<uint8_t> MakeDoubleRoundRobin(int clubs) {
    int m = clubs % 2 ? clubs + 1 : clubs;  // with the ghost
    int ghost = clubs % 2 ? m - 1 : -1;
    std::vector<std::vector<std::pair<int, int>>> rounds;
    for (int r = 0; r < m - 1; ++r) {
        std::vector<std::pair<int, int>> day;
        day.push_back(r % 2 == 0 ? std::make_pair(r, m - 1) : std::make_pair(m - 1, r));
        for (int i = 1; i < m / 2; ++i) {
            int x = (r + i) % (m - 1);
            int y = (r - i + m - 1) % (m - 1);
            day.push_back(i % 2 == 1 ? std::make_pair(x, y) : std::make_pair(y, x));
        }
        std::erase_if(day, [ghost](const auto& p) { return p.first == ghost || p.second == ghost; });
        rounds.push_back(day);
    }
    std::vector<uint8_t> bytes;
    for (int half = 0; half < 2; ++half)
        for (const auto& day : rounds)
            for (auto [home, away] : day) {
                if (half == 1) std::swap(home, away);
                bytes.push_back(static_cast<uint8_t>(home + 1));
                bytes.push_back(static_cast<uint8_t>(away + 1));
            }
    return bytes;
}

}  // namespace worldtable
