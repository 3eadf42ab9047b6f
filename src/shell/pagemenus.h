#pragma once
// The right-click menus of the pages: which sub-menu of menu resource 131 a
// page (or a person code) opens. Pages outside the table have no menu.
#include <cstdint>

// The person codes pages pass in place of a page number.
inline constexpr int kPlayerMenuCode = 120;
inline constexpr int kEmployeeMenuCode = 121;
inline constexpr int kOptionsMenuCode = 122;
// The command the player menu's "Transfer List" item sends (the menu data
// once carried a string id there).
inline constexpr uint32_t kTransferListCommand = 34510;

// The sub-menu index for pages 1..122, -1 for every other number.
int PageMenuGroup(int page);
