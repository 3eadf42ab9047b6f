#include "shell/pagemenus.h"

#include <array>

#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "ui/xmenu.h"

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


namespace {

constexpr uint32_t kCmdToggleTreeItem = 32771;
constexpr uint32_t kCmdRelease = 32898, kCmdLoan = 32899, kCmdBuy = 32900, kCmdScout = 32901;
constexpr uint32_t kCmdSack = 32903, kCmdRenewPlayer = 32904, kCmdRenewEmployee = 32905, kCmdOfferContract = 32906;
constexpr uint32_t kOffTransferListText = 598;

// The user's own player, not one borrowed from another club.
bool PopupOwnsPlayer(const PageMenuSubject& s) {
    return s.player && s.userClub && s.player->GetClub() == s.userClub && !s.player->IsOnLoan();
}

bool PopupMaySignPlayer(const PageMenuSubject& s) {
    const CPlayer* p = s.player;
    if (!p || !s.userClub) return false;
    const CClub* seller = p->GetClub();
    if (seller == s.userClub) return false;
    if (s.userClub->CanSignPlayer(p, false) != 0) return false;
    if (!(p->m_AskingPrice > 0.0 || p->m_AskingPrice == -1.0)) return false;
    if (s.user && s.user->IsNegotiatingFor(p)) return false;
    const int index = CClub::FindWorldIndex(*p);
    if (index >= 0 && s.userClub->HasBidForPlayer(static_cast<uint32_t>(index))) return false;
    const bool spare = seller && seller->CountFitPlayersInPosition(p->GetPosition()) >
                                     CClub::GetMinPlayersInPosition(p->GetPosition());
    if (!spare && !p->IsFreeAgent()) return false;
    return p->GetRefusalText(*s.userClub, false) == "T";
}

CEmployee* PopupStaff(const PageMenuSubject& s) { return dynamic_cast<CEmployee*>(s.employee); }

bool PopupWorksForUser(const PageMenuSubject& s) {
    const CEmployee* e = PopupStaff(s);
    return e && s.userClub && e->GetClub() == s.userClub;
}

}  // namespace

std::vector<PageMenuChoice> BuildPageMenuItems(int group, const PageMenuSubject& subject) {
    std::vector<PageMenuChoice> out;
    const MenuResourceSub* sub = group >= 0 ? GetSubMenu(group) : nullptr;
    if (!sub) return out;
    if (group == 12) {
        if (const CEmployee* e = PopupStaff(subject); e && e->IsContact()) return out;
    }
    if (sub->items.size() < 2 && !(sub->items.size() == 1 && sub->items[0].id == kCmdToggleTreeItem)) return out;
    const bool personMenu = group == 11 || group == 12;
    for (const MenuResourceItem& item : sub->items) {
        PageMenuChoice c{item.id, item.text, false};
        if (item.text.empty() || (subject.employed && !personMenu)) {
            out.push_back(c);
            continue;
        }
        switch (item.id) {
            case kCmdRelease: c.disabled = !PopupOwnsPlayer(subject); break;
            case kCmdRenewPlayer:
                c.disabled = !(PopupOwnsPlayer(subject) && subject.player->Person().GetContractYears() <= 4);
                break;
            case kTransferListCommand:
                c.disabled = !PopupOwnsPlayer(subject);
                if (subject.player && subject.player->m_AskingPrice >= 0.0)
                    c.text = platform::LoadString(kOffTransferListText);
                break;
            case kCmdLoan:
            case kCmdBuy: c.disabled = !PopupMaySignPlayer(subject); break;
            case kCmdScout: {
                const CClub* owner = subject.player ? subject.player->GetClub() : nullptr;
                c.disabled = !(owner && subject.userClub && owner != subject.userClub && CClub::FindFreeScout());
                break;
            }
            case kCmdSack: c.disabled = !PopupWorksForUser(subject); break;
            case kCmdRenewEmployee: {
                const CEmployee* e = PopupStaff(subject);
                c.disabled = !(PopupWorksForUser(subject) && e->m_JobKind <= 2 && e->m_Spare == 0);
                break;
            }
            case kCmdOfferContract:
                if (!subject.employee) {
                    c.disabled = true;
                } else if (!subject.userClub || !subject.userClub->AcceptsLevel(subject.employee->m_Ability)) {
                    continue;
                }
                break;
            default: c.disabled = !subject.employed && CommandNeedsClub(item.id); break;
        }
        out.push_back(std::move(c));
    }
    return out;
}
