// Our data: menu resource 131 and the widgets' pictures in the archives.
#include <gtest/gtest.h>

#include "platform/stringtable.h"

#include <set>

#include "shell/archive.h"
#include "ui/xbitmap.h"
#include "ui/xmenu.h"

namespace {

TEST(MenuResource, HasAllTwentyOneSubMenusWithTheirIds) {
    const auto& subs = MenuResource131();
    ASSERT_EQ(subs.size(), 21u);
    const char* names[21] = {"Tree Menus", "Screen Manager Menus", "TB_MANAGER Menu", "TB_SQUAD Menu",
                             "TB_EMPLOYEE Menu", "TB_PLAYER Menu", "TB_FINANCES Menu", "TB_FIXTURES Menu",
                             "TB_INFO Menu", "TB_NEWS Menu", "TB_DISCIPLINE Menu", "Player Information Menu",
                             "Employee Information Menu", "TB_OPTIONS Menu", "TB_BACK Menu", "TB_LOADSAVE Menu",
                             "TB_HELP Menu", "TB_PLAYMATCH Menu", "TB_NEXTMATCH Menu", "TB_FORWARD", "TB_NEXTMAN"};
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(subs[i].name, names[i]) << i;
        EXPECT_LE(subs[i].items.size(), 20u) << i;
    }
    using Items = std::vector<std::pair<uint32_t, std::string>>;
    auto items = [&](int i) {
        Items out;
        for (auto& it : subs[i].items) out.push_back({it.id, it.text});
        return out;
    };
    EXPECT_EQ(items(0), (Items{{32771, "Toggle Tree"}, {32830, "Hide Background Bitmap"}, {32832, "Add Shortcut"}}));
    EXPECT_EQ(items(1), (Items{{32772, "Back"}, {32773, "Forwards"}}));
    EXPECT_EQ(items(2), (Items{{32795, "Manager Profile"}, {32791, "Manager of the Month"}, {32792, "Manager Honours"},
                               {32777, "Manager Ratings"}, {32841, "Manager Vacancies"}}));
    EXPECT_EQ(items(3), (Items{{32778, "Team Selection"}, {32799, "Youth Squad"}, {32797, "Training"},
                               {32798, "Physio"}, {32796, "Tactics Editor"}, {32977, "Youth Training"}}));
    std::vector<std::string> player, employee;
    for (auto& it : subs[11].items) player.push_back(it.text);
    for (auto& it : subs[12].items) employee.push_back(it.text);
    EXPECT_EQ(player, (std::vector<std::string>{"Information", "Release", "Renew Contract", "Loan", "Buy", "Scout",
                                                "Transfer List"}));
    EXPECT_EQ(employee, (std::vector<std::string>{"Information", "Sack", "Renew Contract", "Offer Contract"}));
    // The person items by command: the player menu's "Transfer List" sends
    // the command the router handles, not a string id.
    std::vector<uint32_t> playerIds, employeeIds;
    for (auto& it : subs[11].items) playerIds.push_back(it.id);
    for (auto& it : subs[12].items) employeeIds.push_back(it.id);
    EXPECT_EQ(playerIds, (std::vector<uint32_t>{32897, 32898, 32904, 32899, 32900, 32901, 34510}));
    EXPECT_EQ(employeeIds, (std::vector<uint32_t>{32902, 32903, 32905, 32906}));
    EXPECT_EQ(GetSubMenu(21), nullptr);
    EXPECT_EQ(GetSubMenu(-1), nullptr);
}

// Every text the tool bar, the tree, its panels and the role sort take from
// the string table, as the game has them.
TEST(WidgetStrings, TheToolBarTreePanelAndRoleTexts) {
    const std::pair<unsigned, const char*> texts[] = {
        {19410, "Manager\nManager"},
        {19411, "Squad\nSquad"},
        {19412, "Club\nClub"},
        {19413, "Player\nPlayer"},
        {19414, "Finances\nFinances"},
        {19415, "Fixtures\nFixtures"},
        {19416, "Information\nInformation"},
        {19417, "News\nNews"},
        {19418, "Discipline\nDiscipline"},
        {19419, "Options\nOptions"},
        {19420, "Move back to the previous screen.\nBack"},
        {19421, "Save\nSave"},
        {19422, "Display help\nHelp"},
        {19423, "Move Half Week Ahead"},
        {19424, "Skip to Next Match Date"},
        {19425, "Move forward to next screen\nForward"},
        {19426, "Manager Selection"},
        {19430, "Play Match"},
        {19431, "Get Result"},
        {19432, "Squad"},
        {19433, "Tactics Editor"},
        {19434, "Physio"},
        {19435, "Kit Editor"},
        {19436, "Manager Honours"},
        {19437, "Top Scorers"},
        {19438, "Cup Fixtures"},
        {19439, "Player Discipline"},
        {19440, "Highest Paid"},
        {805, "World"},
        {784, "Europe"},
        {1083, "America"},
        {1084, "Asia"},
        {1085, "Africa"},
        {1086, "Oceania"},
        {372, "Tree To Left"},
        {373, "Tree To Right"},
        {374, "Hide Background Bitmap"},
        {375, "Show Background Bitmap"},
        {23351, "Remove Shortcut"},
        {21534, "League Table"},
        {424, "No Information Available"},
        {606, "Club"},
        {607, "Pld"},
        {608, "Pts"},
        {601, "Today's Match"},
        {599, "No Match Today"},
        {395, "G"},
        {21, "Goalkeeper"},
        {35, "Head Coach"},
        {396, "D"},
        {22, "Defender"},
        {36, "Head Physio"},
        {397, "M"},
        {23, "Midfielder"},
        {398, "F"},
        {24, "Attacker"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(platform::LoadString(id), text) << id;
}

TEST(MenuColours, ByScreenForIndexZeroAndByIndexOtherwise) {
    using platform::gfx::RGB;
    bool none = false;
    EXPECT_EQ(MenuColourFor(0, 4, &none), RGB(158, 140, 208));
    EXPECT_EQ(MenuColourFor(0, 120, &none), RGB(198, 198, 198));
    EXPECT_EQ(MenuColourFor(0, 999, &none), RGB(57, 198, 165));
    EXPECT_FALSE(none);
    MenuColourFor(0, 122, &none);
    EXPECT_TRUE(none);
    EXPECT_EQ(MenuColourFor(14, 4, &none), RGB(37, 146, 229));
    EXPECT_EQ(MenuColourFor(40, 4, &none), RGB(57, 198, 165));  // outside the table: entry 0
    // The one list of commands greyed for a manager without a club.
    const uint32_t needClub[] = {32778, 32781, 32796, 32797, 32798, 32799, 32804, 32806, 32809, 32810,
                                 32812, 32817, 32822, 32831, 32834, 32839, 32840, 32859, 32977, 33217};
    for (uint32_t id : needClub) EXPECT_TRUE(CommandNeedsClub(id)) << id;
    for (uint32_t id : {32795u, 32800u, 32802u, 32807u, 34510u, 32898u}) EXPECT_FALSE(CommandNeedsClub(id)) << id;
}

TEST(MenuDrawing, HighlightWidthSeparatorsAndGreyItems) {
    using namespace platform::gfx;
    CXMenu menu(RGB(250, 240, 100));
    EXPECT_EQ(menu.HighlightColour(), RGB(250, 255, 117));  // each channel stops at 255, red untouched
    menu.AppendItem(1, "Short", "", false);
    menu.AppendItem(2, "", "", false);
    menu.AppendItem(3, std::string(60, 'W'), "", true);
    for (int i = 4; i <= 20; ++i) EXPECT_TRUE(menu.AppendItem(i, "x", "", false));
    EXPECT_FALSE(menu.AppendItem(21, "one too many", "", false));
    Surface s(400, 25 * 3);
    Canvas dc(s);
    EXPECT_EQ(menu.GetMenuWidth(), 200);
    menu.DrawItem(dc, 1, {0, 0, 400, 25}, true, false, false);
    menu.DrawItem(dc, 3, {0, 50, 400, 75}, true, false, false);
    EXPECT_GT(menu.GetMenuWidth(), 200);  // grown to the widest text drawn
    menu.DrawItem(dc, 2, {0, 25, 400, 50}, false, true, true);
    EXPECT_EQ(menu.GetHighlighted(), -1);  // a separator is never highlighted
    EXPECT_EQ(s.Get(10, 37), MakePixel(0, 0, 0));
    EXPECT_EQ(s.Get(10, 38), MakePixel(255, 255, 255));
    menu.DrawItem(dc, 1, {0, 0, 400, 25}, false, true, true);
    EXPECT_EQ(menu.GetHighlighted(), 0);
    EXPECT_EQ(s.Get(300, 12), ToPixel(menu.HighlightColour()));
    EXPECT_EQ(s.Get(300, 0), MakePixel(255, 255, 255));
    EXPECT_EQ(s.Get(300, 24), MakePixel(0, 0, 0));
    int grey = 0;
    for (int x = 0; x < 400; ++x)
        for (int y = 50; y < 75; ++y) grey += s.Get(x, y) == MakePixel(128, 128, 128);
    EXPECT_GT(grey, 50);
}

class WidgetArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadArchiveIndexes(table_)); }
    static void TearDownTestSuite() { FreeArchiveIndexes(table_); }
    static ArchiveTable table_;
};
ArchiveTable WidgetArt::table_;

TEST_F(WidgetArt, EveryNamedPictureLoadsAndKeyedOnesUseTheExactKey) {
    struct Pic {
        std::string path;
        bool keyed;
        int w = 0, h = 0;
    };
    std::vector<Pic> pics = {
        {"gfx\\scroll\\uparrow.bmp", true, 14, 14},        {"gfx\\scroll\\downarrow.bmp", true, 14, 14},
        {"gfx\\scroll\\scrollball.bmp", true, 14, 14},     {"gfx\\scroll\\leftarrow.bmp", true, 14, 14},
        {"gfx\\scroll\\rightarrow.bmp", true, 14, 14},     {"gfx\\match\\surfaces\\radio_on.bmp", true},
        {"gfx\\match\\surfaces\\radio_off.bmp", true},     {"gfx\\buttons\\check_on.bmp", true},
        {"gfx\\buttons\\check_off.bmp", true},             {"gfx\\buttons\\check_dis.bmp", true},
        {"gfx\\messagebox\\message_box_pic.bmp", false},   {"gfx\\messagebox\\message_box_text.bmp", false},
        {"gfx\\messagebox\\button.bmp", true, 151, 28},    {"gfx\\messagebox\\4button.bmp", true, 115, 28},
        {"gfx\\messagebox\\3upmiddle.bmp", true, 157, 45}, {"gfx\\messagebox\\3downmiddle.bmp", true, 157, 45},
        {"gfx\\messagebox\\3upright.bmp", true, 157, 45},  {"gfx\\messagebox\\3downright.bmp", true, 157, 45},
        {"gfx\\buttons\\widget_base.bmp", true},           {"gfx\\buttons\\widget_base_grey.bmp", true},
        {"gfx\\buttons\\widget_overlay.bmp", true},        {"gfx\\buttons\\widget_overlay_down.bmp", true},
        {"gfx\\buttons\\widget_overlay_grey.bmp", true},   {"gfx\\buttons\\widget_two0.bmp", true},
        {"gfx\\buttons\\widget_two1.bmp", true},           {"gfx\\trophies\\cup\\trophy01.bmp", true},
        {"gfx\\trophies\\division\\trophy01.bmp", true},   {"gfx\\animation\\widget_anim00.bmp", true},
        {"gfx\\animation\\widget_anim07.bmp", true},
    };
    const uint32_t key = 0xFF008F;
    for (const Pic& p : pics) {
        SCOPED_TRACE(p.path);
        CXBitmap b;
        ASSERT_TRUE(b.Load(p.path, table_));
        if (p.w) {
            EXPECT_EQ(b.GetWidth(), p.w);
            EXPECT_EQ(b.GetHeight(), p.h);
        }
        int exact = 0, near = 0;
        const auto& s = b.GetSurface();
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                uint32_t px = s.Get(x, y) & 0xFFFFFF;
                if (px == key) {
                    ++exact;
                } else {
                    int r = px >> 16, g = (px >> 8) & 255, bl = px & 255;
                    near += std::abs(r - 255) + g + std::abs(bl - 143) < 24;
                }
            }
        EXPECT_EQ(near, 0);  // nothing almost the key
        if (p.keyed) EXPECT_GT(exact, 0);
        else EXPECT_EQ(exact, 0);
    }
}

TEST_F(WidgetArt, NamesCompareWithTheirCaseAndDamagedEntriesAreRefused) {
    CXBitmap b;
    EXPECT_FALSE(b.Load("gfx\\scroll\\UPARROW.BMP", table_));
    EXPECT_FALSE(b.Load("gfx\\SCROLL\\uparrow.bmp", table_));
    EXPECT_FALSE(b.Load("gfx\\scroll", table_));
    EXPECT_FALSE(b.IsLoaded());
    std::vector<uint8_t> dib;
    uint32_t offset = 0;
    ASSERT_EQ(CXBitmap::LoadFromFile("gfx\\scroll\\uparrow.bmp", dib, offset, table_), 0);
    EXPECT_GE(offset, 54u);
    EXPECT_LT(offset - 14, dib.size());
    EXPECT_EQ(CXBitmap::LoadFromFile("gfx\\nosuch\\x.bmp", dib, offset, table_), 1);
}

}  // namespace
