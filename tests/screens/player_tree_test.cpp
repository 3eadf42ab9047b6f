// The person page's work in the navigator of the running program: the
// player's club node holds his squad while the page shows, expanding and
// collapsing rebuild it, and leaving the page puts the placeholder back,
// also after the tree was filled again underneath.
#include <gtest/gtest.h>

#include <memory>

#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/playerscreen.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"
#include "ui/tree.h"
#include "ui/treewindow.h"

using namespace platform::win;

namespace {

constexpr uint8_t kTreeTestScotland = 150;

class PersonPageTree : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kTreeTestScotland});
        CWorldData& w = game->World();
        const CDivision* top = w.GetCountry(kTreeTestScotland)->GetDivision(0);
        ASSERT_NE(top, nullptr);
        own = w.GetClub(top->GetFirstClub());
        other = w.GetClub(top->GetFirstClub() + 1);
        w.GetManagerList().GetAt(own->GetManager())->m_IsHuman = 1;
        w.GetUser(0)->SetManagerIndex(own->GetManager());
        w.RestoreCurrentUser(0);
        CWorldData::SelectedUserSlot() = 0;
        RegisterGamePages();
        StartApp();
        Command(19410);
        manager->RefreshTree(0);
        Drain();
    }
    void TearDown() override {
        StopApp();
        game.reset();
    }
    CPlayer* FirstPlayer(CClub* club) {
        for (int s = 0; s < kSquadSlots; ++s)
            if (CPlayer* p = club->GetPlayer(s)) return p;
        return nullptr;
    }
    CTreeNode* ClubNode(const CClub* club) { return manager->FindTreeItem(reinterpret_cast<uintptr_t>(club)); }
    int Children(const CTreeNode* node) {
        int n = 0;
        for (const CTreeNode* c = node ? node->firstChild : nullptr; c; c = c->next) ++n;
        return n;
    }
    void OpenPerson(CPlayer* p) {
        PersonPageParams params;
        params.subject = p;
        params.kind = kPersonListPlayers;
        g_nScreenId = CPlayerScreen::kPersonPage;
        CScreen* page = MakePage(PageClass::Player);
        page->SetPageParams(params);
        manager->SetScreen(page, true, true, false, true, false);
        Drain();
    }
    TreeNotice ClubNotice(const CClub* club) {
        TreeNotice n;
        n.level = 4;
        n.kind = 0;
        n.data = reinterpret_cast<uintptr_t>(club);
        n.word = 2;
        return n;
    }

    std::unique_ptr<testsupport::GameDriver> game;
    CClub* own = nullptr;
    CClub* other = nullptr;
};

TEST_F(PersonPageTree, TheClubNodeHoldsTheSquadWhileThePageShows) {
    CPlayer* p = FirstPlayer(other);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(ClubNode(other), nullptr);
    EXPECT_EQ(Children(ClubNode(other)), 1) << "the placeholder";
    OpenPerson(p);
    auto* page = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(page, nullptr);
    int filled = 0;
    for (int s = 0; s < kSquadSlots; ++s) filled += other->GetPlayer(s) != nullptr;
    ASSERT_GT(filled, 1);
    EXPECT_EQ(Children(ClubNode(other)), filled);
    EXPECT_NE(manager->FindTreeItem(reinterpret_cast<uintptr_t>(p)), nullptr) << "his own node";

    // Collapsed: one player stays, so that it can open again; expanded: the squad.
    const TreeNotice notice = ClubNotice(other);
    page->OnTreeNotify2(&notice);
    EXPECT_EQ(Children(ClubNode(other)), 1);
    EXPECT_NE(ClubNode(other)->firstChild->data, 0u);
    page->OnTreeNotify1(&notice);
    EXPECT_EQ(Children(ClubNode(other)), filled);

    // The tree filled again while the page shows: Close finds the new node.
    manager->RefreshTree(0);
    Drain();
    Command(19410);
    ASSERT_NE(ClubNode(other), nullptr);
    EXPECT_EQ(Children(ClubNode(other)), 1);
    EXPECT_EQ(ClubNode(other)->firstChild->data, 0u) << "the placeholder is back";
}

TEST_F(PersonPageTree, SelectingAPlayerNodeShowsHimAndLeavingRestoresThePlaceholder) {
    CPlayer* first = FirstPlayer(other);
    ASSERT_NE(first, nullptr);
    OpenPerson(first);
    auto* page = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(page, nullptr);
    CTreeNode* node = ClubNode(other);
    ASSERT_NE(node, nullptr);
    ASSERT_GE(Children(node), 2);
    const CTreeNode* second = node->firstChild->next;
    TreeNotice pick;
    pick.level = 5;
    pick.kind = 0;
    pick.data = second->data;
    page->OnTreeSelect(&pick);
    EXPECT_EQ(page->m_pSubject, reinterpret_cast<void*>(second->data));
    Command(19410);
    EXPECT_EQ(Children(ClubNode(other)), 1);
    EXPECT_EQ(ClubNode(other)->firstChild->data, 0u);
}

}  // namespace
