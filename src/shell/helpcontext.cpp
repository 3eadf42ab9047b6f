#include "shell/helpcontext.h"

#include <algorithm>
#include <array>

int HelpContextFor(int s, const HelpModes& m) {
    static constexpr std::array<int, 11> kGeneral = {6, 59, 61, 79, 90, 91, 96, 97, 98, 111, 114};
    if (std::find(kGeneral.begin(), kGeneral.end(), s) != kGeneral.end()) return 1;
    switch (s) {
    case 22: return m.negotiationSecondMode == 1 ? 232 : 231;
    case 60:
        switch (m.personKind) {
        case 0: return 611;
        case 3:
        case 4: return 612;
        case 1:
        case 2:
        case 5: return 613;
        default: return 61;
        }
    case 62: return 62;
    case 64:
        if ((m.matchStateA == 0 || m.matchStateA == 2) && m.matchStateB >= 0 && m.matchStateB <= 2)
            return (m.matchStateA == 0 ? 6511 : 6521) + m.matchStateB;
        return 65;
    case 80: return 36;
    case 110: return 35;
    case 115: return m.titleFlag == 1 ? 113 : 1;
    default: return s + 1;
    }
}
