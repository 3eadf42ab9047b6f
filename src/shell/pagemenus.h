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

#include <string>
#include <vector>

class CBasicEmployee;
class CClub;
class CHumanManager;
class CPlayer;

// The person and the member of staff the last right click picked are the
// screen globals g_pSelectedPlayer and g_pSelectedEmployee (screenglobals.h);
// the person commands of the pop-up act on them.

// What the enable rules look at: the current user and the person picked.
struct PageMenuSubject {
    bool employed = false;  // the current user's manager has a club
    CClub* userClub = nullptr;
    const CHumanManager* user = nullptr;
    CPlayer* player = nullptr;            // sub-menu 11
    CBasicEmployee* employee = nullptr;   // sub-menu 12
};

struct PageMenuChoice {
    uint32_t id = 0;
    std::string text;  // empty: a separator
    bool disabled = false;
};

// The items sub-menu `group` of resource 131 shows, in order, enabled or
// greyed by command; empty when no menu opens (no such group, a contact,
// or a short sub-menu that is not the tree's).
std::vector<PageMenuChoice> BuildPageMenuItems(int group, const PageMenuSubject& subject);
