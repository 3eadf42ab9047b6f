// The widest club and player names of the generated world, laid over the
// match-day pictures in the page's own fonts: each stays inside the part of
// its panel that is left for it, clear of the scores, kits and figures
// beside it.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "screens/highscreen_fixture.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/player.h"

namespace hstest {
namespace {

using platform::gfx::Surface;

class HighScreenNames : public HighScreenPage {
protected:
    // The generated name that is widest in the page's font.
    std::string WidestClubName(CHighScreen& p, int font) {
        std::string widest;
        int best = -1;
        CClubList& clubs = W().GetClubList();
        for (int i = 0; i < clubs.GetSize(); ++i)
            if (const CClub* c = clubs.GetAt(i)) {
                const int w = p.GetPageFont(font)->Measure(c->GetName());
                if (w > best) best = w, widest = c->GetName();
            }
        return widest;
    }
    std::pair<std::string, std::string> WidestPlayerName(CHighScreen& p, int font) {
        std::pair<std::string, std::string> widest;
        int best = -1;
        CPlayerList& players = W().GetPlayerList();
        for (int i = 0; i < players.GetSize(); ++i)
            if (const CPlayer* pl = players.GetAt(i)) {
                const int w = p.GetPageFont(font)->Measure(pl->GetName());
                if (w > best) best = w, widest = {pl->Person().GetForename(), pl->Person().GetSurname()};
            }
        return widest;
    }
    // The columns of rows y0..y1 in which two pictures of a surface differ.
    static std::set<int> Differing(const Surface& a, const Surface& b, int y0, int y1) {
        std::set<int> columns;
        for (int y = std::max(0, y0); y < std::min(a.Height(), y1); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.Get(x, y) != b.Get(x, y)) columns.insert(x);
        return columns;
    }
};

TEST_F(HighScreenNames, TheWidestGeneratedNamesStayInsideTheirPanels) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        const std::string wideClub = WidestClubName(p, 5);
        const auto widePlayer = WidestPlayerName(p, 1);
        CPlayer* player = Club(0).GetPlayer(0);
        ASSERT_NE(player, nullptr);

        auto intro = [&](int view) {
            return [&, view] {
                p.m_nView = view;
                if (view > 0) p.SetUpTeamSheet(view - 1);
                p.DrawIntroPage();
                return p.PageSurface();
            };
        };
        auto panel = [&](int which) {
            return [&, which] {
                p.m_bDirty[static_cast<size_t>(which)] = 1;
                if (which == kScorePanel) {
                    p.PaintScorePanel(false);
                    return p.ScoreSurface();
                }
                p.PaintPlayersPanel(which == kHomePanel ? 0 : 1, false);
                return p.PanelSurface(which == kHomePanel ? 0 : 1);
            };
        };
        auto squad = [&](int side) {
            return [&, side, paint = panel(side == 0 ? kHomePanel : kAwayPanel)] {
                p.m_nPanelView[static_cast<size_t>(side)] = 0;
                return paint();
            };
        };
        auto card = [&, paint = panel(kHomePanel)] {
            p.m_nPanelView[0] = 1;
            p.m_nCardPlayer[0] = 0;
            return paint();
        };
        auto result = [&](int view) {
            return [&, view] {
                p.m_nView = view;
                p.DrawResultPage();
                return p.PageSurface();
            };
        };
        struct Case {
            const char* what;
            std::function<const Surface*()> paint;  // paints the view and gives its surface
            CClub* club;                            // whose name; none: the card player's
            int y0, y1, left, right;                // the name's rows; its room
        };
        // The rooms: inside the panel the name stands on, clear of the kits
        // (the intro page's end at x 229), of the scores ("(9) 10" at most)
        // and of the goals.
        const Case introCases[] = {
            {"intro page, home", intro(0), &Club(0), 160, 215, 232, 696},
            {"intro page, away", intro(0), &Club(1), 344, 399, 232, 696},
            {"team sheet", intro(1), &Club(0), 100, 125, 28, 534},
        };
        const Case matchCases[] = {
            {"score panel, home", panel(kScorePanel), &Club(0), 36, 62, 118, 350},
            {"score panel, away", panel(kScorePanel), &Club(1), 69, 95, 118, 350},
            {"home squad list", squad(0), &Club(0), 4, 26, 0, 208},
            {"away squad list", squad(1), &Club(1), 4, 26, 0, 211},
            {"player card", card, nullptr, 6, 26, 66, 208},
        };
        const Case resultCases[] = {
            {"result, home", result(0), &Club(0), 104, 132, 98, 330},
            {"result, away", result(0), &Club(1), 104, 132, 398, 630},
            {"statistics, home", result(2), &Club(0), 133, 152, 16, 226},
            {"statistics, away", result(2), &Club(1), 133, 152, 570, 774},
        };
        auto check = [&](const Case& c) {
            SCOPED_TRACE(c.what);
            const std::string name = c.club ? c.club->GetName() : std::string();
            const std::string forename = player->Person().GetForename(), surname = player->Person().GetSurname();
            auto set = [&](bool wide) {
                if (c.club) {
                    c.club->SetName(wide ? wideClub : "");
                } else {
                    player->Person().SetForename(wide ? widePlayer.first : "");
                    player->Person().SetSurname(wide ? widePlayer.second : " ");
                }
            };
            set(false);
            const Surface bare = *c.paint();
            set(true);
            const Surface named = *c.paint();
            if (c.club) c.club->SetName(name);
            player->Person().SetForename(forename);
            player->Person().SetSurname(surname);
            const std::set<int> ink = Differing(bare, named, c.y0, c.y1);
            ASSERT_FALSE(ink.empty()) << "the name was drawn";
            EXPECT_GE(*ink.begin(), c.left);
            EXPECT_LE(*ink.rbegin(), c.right);
        };
        for (const Case& c : introCases) check(c);
        p.Proceed();
        for (const Case& c : matchCases) check(c);
        {
            // The shoot-out board: a chosen kicker's name beside the board's marks.
            SCOPED_TRACE("shoot-out board");
            const std::string forename = player->Person().GetForename(), surname = player->Person().GetSurname();
            player->Person().SetForename(widePlayer.first);
            player->Person().SetSurname(widePlayer.second);
            const std::string wide = player->GetName();
            player->Person().SetForename(forename);
            player->Person().SetSurname(surname);
            p.m_nChoiceState = 1;
            p.m_nTakersChosen = 1;
            auto board = [&](const std::string& name) {
                p.m_Takers[0].name = name;
                p.m_bDirty[kPerformance] = 1;
                p.DrawPerformancePanel(false);
                return *p.PerformanceSurface();
            };
            const Surface bare = board(""), named = board(wide);
            p.m_nChoiceState = 0;
            p.m_nTakersChosen = 0;
            p.m_Takers[0] = {};
            const std::set<int> ink = Differing(bare, named, 57, 80);
            ASSERT_FALSE(ink.empty());
            EXPECT_GE(*ink.begin(), 28);
            EXPECT_LE(*ink.rbegin(), 192);
        }
        p.ShowResultPage();
        for (const Case& c : resultCases) check(c);
    });
}

// The latest scores of the other ties: the widest name on either side of
// the score stays between the panel's edge and the goals.
TEST_F(HighScreenNames, TheWidestNamesOfTheOtherMatchesStayBesideTheirGoals) {
    MakeHuman(Club(0));
    platform::SeedRandom(5);
    world->RefillRotations();
    cupRound = std::make_unique<CCupRound>();
    cupRound->m_Kind = 1;
    cupRound->m_ReplaySlot = CCupRound::kNoReplay;
    const int16_t first = static_cast<int16_t>(Div().GetFirstClub());
    cupFixture = std::make_unique<CFixture>(CFixture::kCupHome, first, static_cast<int16_t>(first + 1), 5, 3, 0);
    ASSERT_TRUE(cupRound->m_Ties.AddFixture(CFixture::kCupHome, static_cast<int16_t>(first + 2),
                                            static_cast<int16_t>(first + 3), 5, 3, 0, 0));
    bool done = false;
    PlayOnPage(
        [&](CHighScreen& p) {
            if (done) return;
            done = true;
            p.Proceed();
            ASSERT_EQ(p.GetMatchPlay()->GetRelatedFixtures().size(), 1u);
            const std::string wide = WidestClubName(p, 1);
            struct Case {
                const char* what;
                CClub* club;
                int left, right;  // the goals stand from x 150 to 214
            };
            const Case cases[] = {{"home", &Club(2), 2, 144}, {"away", &Club(3), 220, 363}};
            p.m_nSection = 4;
            p.m_nTickerPosition = 0;
            for (const Case& c : cases) {
                SCOPED_TRACE(c.what);
                const std::string name = c.club->GetName();
                c.club->SetName("");
                p.DrawLatestScores(false);
                const Surface bare = *p.PerformanceSurface();
                c.club->SetName(wide);
                p.DrawLatestScores(false);
                const Surface named = *p.PerformanceSurface();
                c.club->SetName(name);
                const std::set<int> ink = Differing(bare, named, 30, 54);
                ASSERT_FALSE(ink.empty()) << "the name was drawn";
                EXPECT_GE(*ink.begin(), c.left);
                EXPECT_LE(*ink.rbegin(), c.right);
            }
            p.GetMatchPlay()->SetState(CMatchPlay::kLeft);
        },
        [&] { Engine().PlayCupTie(cupFixture.get(), nullptr, cupRound.get(), "Cup"); });
    EXPECT_TRUE(done);
}

}  // namespace
}  // namespace hstest
