// The widest club and player names of the generated world, laid over the
// match-day pictures in the page's own fonts: each stays inside the part of
// its panel that is left for it, clear of the scores, kits and figures
// beside it.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <set>
#include <string>
#include <vector>

#include "screens/highscreen_fixture.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/matchevent.h"
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
            {"intro page, home", intro(0), &Club(0), 128, 183, 232, 696},
            {"intro page, away", intro(0), &Club(1), 336, 391, 232, 696},
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

// The result page's goal, booking and sending-off lines with the widest
// generated player name, and with a name of many widest surnames that no
// font fits: each line stays in its side's room, clear of
// the other side's icons and of the panel's edge, and keeps its minute and
// mark whole.
TEST_F(HighScreenNames, TheResultPagesEventLinesKeepTheirMinuteInsideTheirRoom) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        p.ShowResultPage();
        p.m_nView = 0;
        std::string widest, widestSurname;
        int best = -1, bestSurname = -1;
        CPlayerList& players = W().GetPlayerList();
        for (int i = 0; i < players.GetSize(); ++i)
            if (const CPlayer* pl = players.GetAt(i)) {
                const int w = p.GetPageFont(3)->Measure(pl->GetName());
                if (w > best) best = w, widest = pl->GetName();
                const int ws = p.GetPageFont(3)->Measure(pl->Person().GetSurname());
                if (ws > bestSurname) bestSurname = ws, widestSurname = pl->Person().GetSurname();
            }
        ASSERT_FALSE(widest.empty());
        // Our names are short: a name of many widest surnames makes the
        // narrow font too wide, so that the name must be cut.
        std::string many = widestSurname;
        while (p.GetPageFont(1)->Measure(many) <= CHighScreen::kResultLineRoom) many += "-" + widestSurname;

        CFixture& f = *p.m_pFixture;
        for (const std::string& name : {widest, many}) {
            SCOPED_TRACE(name);
            const int events = f.m_Events.GetSize(), homeGoals = f.m_HomeGoals, awayGoals = f.m_AwayGoals;
            // The other events leave the lists; the page is drawn without them.
            std::vector<std::tuple<int, int, std::string>> kept;
            for (int i = 0; i < events; ++i) {
                const CMatchEvent* e = f.m_Events.GetAt(i);
                kept.emplace_back(e->m_Minute, e->m_Type, std::string(e->m_Name.c_str()));
            }
            while (f.m_Events.GetSize() > 0) f.m_Events.RemoveAt(0);
            f.m_HomeGoals = f.m_AwayGoals = 0;
            p.DrawResultPage();
            const Surface bare = *p.PageSurface();
            f.m_Events.Add(120, CMatchEvent::kHomePenaltyGoal, name);
            f.m_Events.Add(118, CMatchEvent::kHomeBooking, name);
            f.m_Events.Add(119, CMatchEvent::kAwayOwnGoal, name);
            f.m_Events.Add(117, CMatchEvent::kAwaySendingOff, name);
            f.m_HomeGoals = 1;
            f.m_AwayGoals = 1;
            const std::vector<CHighScreen::ResultLine> lines[2] = {p.ResultPageLines(0), p.ResultPageLines(1)};
            p.DrawResultPage();
            const Surface named = *p.PageSurface();
            while (f.m_Events.GetSize() > 0) f.m_Events.RemoveAt(0);
            for (const auto& [minute, type, who] : kept) f.m_Events.Add(minute, type, who);
            f.m_HomeGoals = homeGoals;
            f.m_AwayGoals = awayGoals;

            const char* marks[2][2] = {{" 120 (Pen)", " (118) "}, {" 119 (OG)", " (117) "}};
            for (int side = 0; side < 2; ++side) {
                ASSERT_EQ(lines[side].size(), 2u);
                const int left = side == 0 ? 104 : 404, right = (side == 0 ? 130 : 430) + CHighScreen::kResultLineRoom;
                for (size_t k = 0; k < 2; ++k) {
                    SCOPED_TRACE(lines[side][k].text);
                    const auto [font, text] = p.FitEventLine(lines[side][k].text, CHighScreen::kResultLineRoom);
                    EXPECT_LE(p.GetPageFont(font)->Measure(text), CHighScreen::kResultLineRoom);
                    const std::string mark = marks[side][k];
                    ASSERT_GE(text.size(), mark.size());
                    EXPECT_EQ(text.substr(text.size() - mark.size()), mark) << "the minute shows whole";
                    EXPECT_EQ(text.compare(0, 2, name, 0, 2), 0) << "the name starts the line";
                    const int y = lines[side][k].y;
                    std::set<int> ink;
                    for (int x : Differing(bare, named, y - 2, y + 16))
                        if (x >= (side == 0 ? 0 : 398) && x < (side == 0 ? 398 : 788)) ink.insert(x);
                    ASSERT_FALSE(ink.empty()) << "the line was drawn";
                    EXPECT_GE(*ink.begin(), left);
                    EXPECT_LE(*ink.rbegin(), right);
                }
            }
        }
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
        InspectOnce(
            [&](CHighScreen& p) {
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
            },
            &done),
        [&] { Engine().PlayCupTie(cupFixture.get(), nullptr, cupRound.get(), "Cup"); });
    EXPECT_TRUE(done);
}

}  // namespace
}  // namespace hstest
