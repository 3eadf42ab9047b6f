// The navigator's set-up for each page, chosen by the page's caption.
#include <string_view>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "shell/screentables.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/worlddata.h"

namespace {

enum class TreeNode { None, Division, Club, Country, ViewedClub };

constexpr const char* kManagerIcon = "gfx\\tree\\manager.bmp";
constexpr const char* kSquadIcon = "gfx\\tree\\squad.bmp";
constexpr const char* kClubIcon = "gfx\\tree\\club.bmp";
constexpr const char* kPlayerIcon = "gfx\\tree\\player.bmp";
constexpr const char* kFinancialIcon = "gfx\\tree\\financial.bmp";
constexpr const char* kFixturesIcon = "gfx\\tree\\fixtures.bmp";
constexpr const char* kInfoIcon = "gfx\\tree\\info.bmp";
constexpr const char* kNewsIcon = "gfx\\tree\\news.bmp";
constexpr const char* kDisciplineIcon = "gfx\\tree\\discipline.bmp";
constexpr const char* kIntroIcon = "gfx\\tree\\intro.bmp";
// The one picture drawn once rather than tiled.
constexpr const char* kIntroLogo = "gfx\\tree\\intro_logo.bmp";

struct TreeSetUp {
    int mode;  // -1: the mode stays
    int kind;  // the depth the tree allows; 0 switches it off for the panels
    const char* icon;
    const char* suffix;
    TreeNode node;
    bool expanded;
    int dataFlag;
};

struct TreeSetUpRow {
    std::string_view caption;
    TreeSetUp setUp;
};

constexpr TreeSetUp kManagerTab{-1, 0, kManagerIcon, "manager", TreeNode::None, false, 1};
constexpr TreeSetUp kManagerTabMode0{0, 0, kManagerIcon, "manager", TreeNode::None, false, 1};
constexpr TreeSetUp kSquadTab{-1, 0, kSquadIcon, "squad", TreeNode::None, false, 1};
constexpr TreeSetUp kClubTab{-1, 0, kClubIcon, "club", TreeNode::None, false, 1};
constexpr TreeSetUp kPlayerTab{-1, 0, kPlayerIcon, "player", TreeNode::None, false, 1};
constexpr TreeSetUp kFinancialTab{-1, 0, kFinancialIcon, "financial", TreeNode::None, false, 1};
constexpr TreeSetUp kFixturesTab{-1, 0, kFixturesIcon, "fixtures", TreeNode::None, false, 1};
constexpr TreeSetUp kLogoTab{-1, 0, kIntroLogo, "", TreeNode::None, false, 0};
constexpr TreeSetUp kLogoTabMode0{0, 0, kIntroLogo, "", TreeNode::None, false, 0};

constexpr TreeSetUpRow kTreeSetUps[] = {
    {"Manager Screen", kManagerTab},
    {"Manager Profile", kManagerTabMode0},
    {"Manager Honours", kManagerTabMode0},
    {"Squad Screen", kSquadTab},
    {"Youth Training", kSquadTab},
    {"Youth Team Coach", kSquadTab},
    {"Tactics Editor", kSquadTab},
    {"Training", kSquadTab},
    {"Physio", kSquadTab},
    {"Youth Squad", kSquadTab},
    {"Title", {0, 0, kSquadIcon, "squad", TreeNode::None, false, 1}},
    {"Club Screen", kClubTab},
    {"Stand Development", kClubTab},
    {"Kit Editor", kClubTab},
    {"Player Screen", kPlayerTab},
    {"Player Transfer History", kPlayerTab},
    {"Transfer Negotiations", kPlayerTab},
    {"Player Purchase Negotiations", kPlayerTab},
    {"Player Sale Negotiations", kPlayerTab},
    {"Scouts", kPlayerTab},
    {"Financial Screen", kFinancialTab},
    {"Accounts Chart", kFinancialTab},
    {"Payroll", kFinancialTab},
    {"Manager Funding", kFinancialTab},
    {"Accounts", kFinancialTab},
    {"Job Centre", kFinancialTab},
    {"Contract Negotiations", kFinancialTab},
    {"Fixtures Screen", kFixturesTab},
    {"Match Results", {0, 0, kFixturesIcon, "fixtures", TreeNode::None, false, 1}},
    {"Match Summary", {0, 0, kFixturesIcon, "fixtures", TreeNode::None, false, 1}},
    {"Information Screen", {-1, 0, kInfoIcon, "info", TreeNode::None, false, 1}},
    {"News Screen", {-1, 0, kNewsIcon, "news", TreeNode::None, false, 1}},
    {"Club Messages", {-1, 0, kNewsIcon, "news", TreeNode::None, false, 1}},
    {"Discipline Screen", {-1, 0, kDisciplineIcon, "discipline", TreeNode::None, false, 1}},
    {"Options Screen", kLogoTab},
    {"Language Selection Screen", kLogoTab},
    {"Game Options", kLogoTab},
    {"Credits", kLogoTab},
    {"Manager Confirmation", kLogoTabMode0},
    {"Manager Selection", kLogoTabMode0},
    {"Progress", kLogoTab},
    {"Cup Schedule", {2, 3, kFixturesIcon, "", TreeNode::None, false, 0}},
    {"Cup Fixtures", {2, 3, kFixturesIcon, "", TreeNode::None, false, 0}},
    {"Next 7 Day Fixtures", {-1, 3, kFixturesIcon, "", TreeNode::Division, false, 0}},
    {"League Fixtures", {-1, 3, kFixturesIcon, "", TreeNode::Division, false, 0}},
    {"Cup Route", {-1, 4, kFixturesIcon, "", TreeNode::Club, false, 0}},
    {"League Schedule", {-1, 4, kFixturesIcon, "", TreeNode::Club, false, 0}},
    {"Friendlies", {-1, 4, kFixturesIcon, "", TreeNode::None, false, 0}},
    {"Team Selection", {-1, 4, kSquadIcon, "", TreeNode::Club, false, 0}},
    {"Club Information", {-1, 4, kClubIcon, "", TreeNode::Club, false, 0}},
    {"Club Transfers", {-1, 4, kClubIcon, "", TreeNode::Club, false, 0}},
    {"Stadium Development", {-1, 4, kClubIcon, "", TreeNode::Club, false, 0}},
    {"Club Honours", {-1, 4, kClubIcon, "", TreeNode::Club, false, 1}},
    {"View Stadium", {-1, 4, kClubIcon, "", TreeNode::ViewedClub, false, 0}},
    {"Manager Ratings", {0, 3, kManagerIcon, "", TreeNode::Division, false, 0}},
    {"Manager of the Month", {0, 3, kManagerIcon, "", TreeNode::Division, false, 0}},
    {"Manager Vacancies", {0, 4, kManagerIcon, "", TreeNode::Division, false, 0}},
    {"Leading Goal Scorers", {-1, 4, kPlayerIcon, "", TreeNode::Division, true, 0}},
    {"Transfer List", {-1, 4, kPlayerIcon, "", TreeNode::Division, true, 0}},
    {"Man of the Match", {-1, 4, kPlayerIcon, "", TreeNode::Division, true, 0}},
    {"Highest Gates", {0, 3, kInfoIcon, "", TreeNode::Division, true, 0}},
    {"Average Gates", {0, 3, kInfoIcon, "", TreeNode::Division, true, 0}},
    {"Attendance Graph", {-1, 4, kInfoIcon, "", TreeNode::Club, false, 0}},
    {"League Graph", {-1, 4, kInfoIcon, "", TreeNode::Club, false, 0}},
    {"League Table", {5, 4, kInfoIcon, "", TreeNode::Division, false, 0}},
    {"Cup & League Information", {5, 3, kInfoIcon, "", TreeNode::Division, false, 0}},
    {"Player Discipline", {-1, 4, kDisciplineIcon, "", TreeNode::Club, true, 0}},
    {"Club Discipline", {-1, 3, kDisciplineIcon, "", TreeNode::Division, true, 0}},
    {"Referee Tables", {-1, 3, kDisciplineIcon, "", TreeNode::Division, true, 0}},
    {"Referee Information", {1, 3, kDisciplineIcon, "", TreeNode::Division, false, 0}},
    {"League Messages", {-1, 2, kNewsIcon, "", TreeNode::Country, false, 0}},
    {"Newspaper", {-1, 2, kNewsIcon, "", TreeNode::Country, false, 0}},
    {"Employee Information", {-1, 4, kFinancialIcon, "", TreeNode::None, false, 0}},
    {"Club Negotiation", {0, 4, kIntroIcon, "", TreeNode::None, false, 0}},
    {"Manager Generation", {4, 2, kIntroIcon, "", TreeNode::None, false, 0}},
    {"Person Information", {-1, 5, kPlayerIcon, "", TreeNode::None, false, 0}},
};

const TreeSetUp* FindTreeSetUp(std::string_view caption) {
    for (const TreeSetUpRow& row : kTreeSetUps)
        if (row.caption == caption) return &row.setUp;
    return nullptr;
}

CClub* SelectedClub(CWorldData& world) {
    if (g_nTreeSelectionData == 0) return nullptr;
    for (int i = 0; i < world.GetClubList().GetSize(); ++i)
        if (CClub* club = world.GetClub(i); reinterpret_cast<uintptr_t>(club) == g_nTreeSelectionData) return club;
    return nullptr;
}

uintptr_t TreeNodeData(TreeNode node) {
    CWorldData* world = GetWorldData();
    if (!world) return 0;
    switch (node) {
        case TreeNode::Division: return reinterpret_cast<uintptr_t>(world->GetCurrentDivision());
        case TreeNode::Club: return reinterpret_cast<uintptr_t>(world->GetCurrentClub());
        case TreeNode::Country: return reinterpret_cast<uintptr_t>(world->GetCurrentCountry());
        case TreeNode::ViewedClub: {
            if (CClub* selected = SelectedClub(*world)) return reinterpret_cast<uintptr_t>(selected);
            // The current club then stands as the selection the stadium page reads.
            const uintptr_t current = reinterpret_cast<uintptr_t>(world->GetCurrentClub());
            g_nTreeSelectionData = current;
            return current;
        }
        case TreeNode::None: break;
    }
    return 0;
}

}  // namespace

void CScreensInfo::SetUpTree(int page) {
    if (page < 0 || page >= screentables::kPageCount) return;
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) {
        platform::TraceF("CScreensInfo::SetUpTree - page %d has no screen manager\n", page);
        return;
    }
    const std::string caption =
        platform::LoadString(static_cast<uint32_t>(screentables::kScreens[page].caption));
    const TreeSetUp* setUp = FindTreeSetUp(caption);
    if (!setUp) return;

    CBrixholmView* view = manager->GetView();
    const bool modelWaits = view && view->ModalBusy();
    if (caption == "Manager Vacancies") {
        CWorldData* world = GetWorldData();
        if (modelWaits || !world || !world->GetCurrentClub()) setUp = &kManagerTab;
    } else if (caption == "Person Information" && modelWaits) {
        setUp = &kPlayerTab;
    }

    if (setUp->mode >= 0) manager->SetTreeMode(setUp->mode);
    const std::string icon = setUp->icon;
    manager->ShowTreeBranch(setUp->kind, icon, icon != kIntroLogo, setUp->suffix, TreeNodeData(setUp->node),
                            setUp->expanded ? 1 : 0);
    manager->SetTreeTabData(setUp->dataFlag);
    if (caption == "Progress") manager->RefreshTree(g_bGameInProgress);
    if (caption == "Manager Vacancies" && setUp != &kManagerTab) manager->SetTreeRootFlag(255);
    if (caption == "Manager Selection") AddManagerSlots();
}
