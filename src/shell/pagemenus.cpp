#include "shell/pagemenus.h"

#include <array>

namespace {

struct MenuGroupRow {
    int group;
    std::array<int, 9> pages;  // 0 ends a short row
};

constexpr MenuGroupRow kMenuGroups[] = {
    {2, {8, 45, 70, 95, 99, 116}},             // manager
    {3, {4, 26, 35, 36, 40, 80, 94, 100}},     // squad
    {4, {9, 24, 34, 71, 72, 101, 109, 110}},   // club
    {5, {22, 32, 37, 47, 60, 78, 93, 102, 117}},  // player
    {6, {7, 21, 25, 38, 62, 103, 113}},        // finances
    {7, {1, 2, 17, 18, 53, 104}},              // fixtures
    {8, {28, 33, 42, 49, 77, 105, 119}},       // information
    {9, {10, 13, 86, 106}},                    // news
    {10, {43, 84, 87, 107}},                   // discipline
    {11, {kPlayerMenuCode}},
    {12, {kEmployeeMenuCode}},
    {13, {kOptionsMenuCode}},
};

}  // namespace

int PageMenuGroup(int page) {
    if (page < 1 || page > 122) return -1;
    for (const MenuGroupRow& row : kMenuGroups)
        for (int p : row.pages)
            if (p == page) return row.group;
    return -1;
}
