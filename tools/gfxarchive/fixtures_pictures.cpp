// The competition sections' pictures: the fixtures and discipline hubs'
// section buttons (on the shared hub-button generator) and the blank list
// header that picture columns without a heading show.
#include <algorithm>
#include <cmath>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr HubColour kFixturesColour{57, 198, 107};
constexpr HubColour kDisciplineColour{225, 203, 83};
constexpr HubColour kManagerColour{255, 173, 57};



// A wall calendar whose days are ticked off one by one, a ball on today.
void PaintLeagueSchedule(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(244, 244, 236));
    p.Box(16, 12, 52, 46);
    p.Fill(RGB(c.r, c.g, c.b));
    p.Box(16, 12, 52, 9);
    p.Fill(RGB(90, 90, 100));
    p.Ellipse(26, 9, 4, 6);
    p.Ellipse(54, 9, 4, 6);
    const int today = static_cast<int>(t * 12) % 12;
    for (int i = 0; i < 12; ++i) {
        const double x = 19 + (i % 4) * 12.2, y = 24 + (i / 4) * 11;
        p.Fill(RGB(214, 218, 226));
        p.Box(x, y, 10, 9);
        if (i < today) {
            p.Line(RGB(200, 40, 40), 1.2);
            p.Segment(x + 2, y + 2, x + 8, y + 7);
            p.Segment(x + 8, y + 2, x + 2, y + 7);
        } else if (i == today) {
            p.Fill(RGB(255, 255, 255));
            p.Ellipse(x + 1.5, y + 1, 7, 7);
            p.Line(RGB(30, 30, 30), 0.8);
            p.Ellipse(x + 1.5, y + 1, 7, 7);
            p.Fill(RGB(30, 30, 30));
            p.Ellipse(x + 4, y + 3.5, 2, 2);
        }
    }
}

// A knock-out bracket whose winners' lines light up round by round, to a cup.
void PaintCupSchedule(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    const int lit = static_cast<int>(t * 4) % 4;
    auto line = [&](int round) { return round < lit ? RGB(255, 220, 90) : RGB(170, 180, 200); };
    for (int i = 0; i < 4; ++i) {
        const double y = 12 + i * 12;
        p.Fill(RGB(220, 226, 236));
        p.Box(10, y, 14, 6);
        p.Line(line(0), 1.2);
        p.Segment(24, y + 3, 30, y + 3);
    }
    p.Line(line(0), 1.2);
    p.Segment(30, 15, 30, 27);
    p.Segment(30, 39, 30, 51);
    p.Line(line(1), 1.2);
    p.Segment(30, 21, 40, 21);
    p.Segment(30, 45, 40, 45);
    p.Segment(40, 21, 40, 45);
    p.Line(line(2), 1.2);
    p.Segment(40, 33, 50, 33);
    // The trophy.
    p.Fill(lit >= 3 ? RGB(255, 214, 64) : RGB(c.r, c.g, c.b));
    p.Poly({{52, 22}, {72, 22}, {69, 34}, {64, 38}, {60, 38}, {55, 34}});
    p.Box(60, 38, 4, 8);
    p.Box(55, 46, 14, 4);
    p.Line(RGB(60, 50, 20), 0.8);
    p.Ellipse(49, 24, 6, 7);
    p.Ellipse(69, 24, 6, 7);
}

// A results board: the rows of a match day, one score flipping over.
void PaintLeagueFixtures(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(24, 30, 40));
    p.Box(10, 10, 64, 48);
    p.Line(RGB(c.r, c.g, c.b), 1.5);
    p.Box(10, 10, 64, 48);
    const int flip = static_cast<int>(t * 5) % 5;
    for (int i = 0; i < 5; ++i) {
        const double y = 15 + i * 8.5;
        p.Fill(RGB(200, 210, 230));
        p.Box(14, y + 1, 20, 3);
        p.Box(50, y + 1, 20, 3);
        p.Fill(i == flip ? RGB(255, 220, 90) : RGB(240, 240, 240));
        p.Box(37, y - 0.5, 4, 6);
        p.Box(43, y - 0.5, 4, 6);
    }
}

// Two shields drawn together for a tie, a ball bouncing between them.
void PaintCupFixtures(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    auto shield = [&](double x, ColourRef fill) {
        p.Fill(fill);
        p.Poly({{x, 16}, {x + 22, 16}, {x + 22, 34}, {x + 11, 46}, {x, 34}});
        p.Line(RGB(250, 250, 250), 1.0);
        p.Poly({{x, 16}, {x + 22, 16}, {x + 22, 34}, {x + 11, 46}, {x, 34}});
    };
    shield(8, RGB(200, 50, 60));
    shield(54, RGB(50, 90, 200));
    const double bx = 32 + 10 * std::sin(2 * M_PI * t);
    const double by = 22 + 10 * std::fabs(std::cos(2 * M_PI * t));
    p.Fill(RGB(255, 255, 255));
    p.Ellipse(bx, by, 10, 10);
    p.Line(RGB(30, 30, 30), 0.8);
    p.Ellipse(bx, by, 10, 10);
    p.Fill(RGB(30, 30, 30));
    p.Ellipse(bx + 3.5, by + 3.5, 3, 3);
    p.Fill(RGB(c.r, c.g, c.b));
    p.Box(30, 50, 24, 4);
}

// Two hands meeting in a handshake over a ball: a friendly arranged.
void PaintFriendlies(Canvas& cv, double t, const HubColour&) {
    BigPen p{cv};
    const double shake = 2 * std::sin(2 * M_PI * t);
    p.Fill(RGB(200, 50, 60));
    p.Box(6, 30 + shake, 20, 10);
    p.Fill(RGB(50, 90, 200));
    p.Box(58, 30 + shake, 20, 10);
    p.Fill(RGB(236, 190, 150));
    p.Poly({{24, 28 + shake}, {44, 26 + shake}, {48, 34 + shake}, {40, 42 + shake}, {24, 42 + shake}});
    p.Fill(RGB(200, 150, 110));
    p.Poly({{60, 28 + shake}, {42, 30 + shake}, {38, 38 + shake}, {44, 44 + shake}, {60, 42 + shake}});
    p.Line(RGB(120, 80, 50), 0.8);
    p.Segment(40, 31 + shake, 46, 38 + shake);
    p.Fill(RGB(255, 255, 255));
    p.Ellipse(35, 8, 14, 14);
    p.Fill(RGB(30, 30, 30));
    p.Ellipse(40, 13, 4, 4);
}

// A referee's notebook with a yellow and a red card in turn.
void PaintClubDiscipline(Canvas& cv, double t, const HubColour&) {
    BigPen p{cv};
    p.Fill(RGB(40, 40, 48));
    p.Box(14, 12, 36, 46);
    p.Fill(RGB(240, 240, 232));
    p.Box(17, 15, 30, 40);
    p.Fill(RGB(150, 150, 170));
    for (int i = 0; i < 6; ++i) p.Box(20, 19 + i * 6, 24, 1.2);
    const bool red = t >= 0.5;
    const double lift = 6 * std::sin(M_PI * std::fmod(t * 2, 1.0));
    p.Fill(red ? RGB(220, 40, 40) : RGB(250, 210, 40));
    p.Poly({{50, 22 - lift}, {66, 18 - lift}, {70, 42 - lift}, {54, 46 - lift}});
    p.Line(RGB(60, 40, 20), 0.8);
    p.Poly({{50, 22 - lift}, {66, 18 - lift}, {70, 42 - lift}, {54, 46 - lift}});
}

// A player's shirt with a card held up beside it.
void PaintPlayerDiscipline(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(c.r / 2, c.g / 2, c.b));
    p.Poly({{12, 20}, {22, 12}, {44, 12}, {54, 20}, {48, 28}, {44, 25}, {44, 54}, {22, 54}, {22, 25}, {18, 28}});
    p.Fill(RGB(250, 250, 250));
    p.Box(28, 26, 10, 12);
    const double raise = 8 * std::fabs(std::sin(M_PI * t));
    p.Fill(RGB(250, 210, 40));
    p.Box(56, 22 - raise, 12, 18);
    p.Fill(RGB(236, 190, 150));
    p.Ellipse(57, 38 - raise, 10, 8);
    p.Box(59, 44 - raise, 6, 12);
}

// A whistle on its lanyard, puffs of air leaving it.
void PaintReferees(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Line(RGB(c.r, c.g, c.b), 1.5);
    p.Segment(12, 10, 30, 34);
    p.Segment(12, 10, 8, 40);
    p.Fill(RGB(200, 204, 214));
    p.Ellipse(24, 28, 22, 22);
    p.Box(36, 28, 18, 10);
    p.Fill(RGB(120, 124, 134));
    p.Ellipse(31, 35, 8, 8);
    for (int i = 0; i < 3; ++i) {
        const double k = std::fmod(t + i / 3.0, 1.0);
        const int grey = static_cast<int>(240 - 120 * k);
        p.Line(RGB(grey, grey, grey), 1.0);
        p.Ellipse(56 + 14 * k, 26 - 6 * k, 4 + 4 * k, 4 + 4 * k);
    }
}


// A manager's head and shoulders turning a little, a name card below.
void PaintProfile(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    const double turn = 2 * std::sin(2 * M_PI * t);
    p.Fill(RGB(40, 44, 70));
    p.Poly({{18, 56}, {24, 38}, {60, 38}, {66, 56}});
    p.Fill(RGB(236, 196, 160));
    p.Ellipse(30 + turn, 12, 24, 26);
    p.Fill(RGB(80, 56, 40));
    p.Poly({{30 + turn, 22}, {34 + turn, 11}, {50 + turn, 11}, {54 + turn, 22}, {50 + turn, 16}, {34 + turn, 16}});
    p.Fill(RGB(c.r, c.g, c.b));
    p.Poly({{38, 38}, {46, 38}, {42, 50}});
}

// A star that turns above a month's page.
void PaintManagerOfMonth(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(244, 244, 236));
    p.Box(20, 26, 44, 32);
    p.Fill(RGB(c.r, c.g, c.b));
    p.Box(20, 26, 44, 8);
    p.Fill(RGB(150, 150, 170));
    for (int i = 0; i < 3; ++i) p.Box(25, 38 + i * 6, 34, 2);
    const double a = 2 * M_PI * t / 5;
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 5.0 : 12.0, ang = a + i * M_PI / 5 - M_PI / 2;
        star.push_back({BigPen::Big(42 + r * std::cos(ang)), BigPen::Big(16 + r * std::sin(ang))});
    }
    p.Fill(RGB(255, 214, 64));
    cv.Polygon(star);
}

// A cup catching the light as it turns.
void PaintHonours(Canvas& cv, double t, const HubColour&) {
    BigPen p{cv};
    const double shine = 0.5 + 0.5 * std::sin(2 * M_PI * t);
    const int g = 180 + static_cast<int>(60 * shine);
    p.Fill(RGB(255, g, 40));
    p.Poly({{26, 10}, {58, 10}, {54, 30}, {46, 36}, {38, 36}, {30, 30}});
    p.Box(39, 36, 6, 10);
    p.Fill(RGB(120, 80, 40));
    p.Box(30, 46, 24, 8);
    p.Line(RGB(255, g, 40), 2.0);
    p.Ellipse(18, 12, 10, 12);
    p.Ellipse(56, 12, 10, 12);
    p.Fill(RGB(255, 255, 255));
    p.Ellipse(32 + 16 * shine, 14, 3, 8);
}

// Bars of a rating chart growing in turn.
void PaintRatings(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Line(RGB(200, 204, 214), 1.0);
    p.Segment(14, 56, 70, 56);
    p.Segment(14, 10, 14, 56);
    static const double kHeights[] = {18, 30, 24, 40};
    for (int i = 0; i < 4; ++i) {
        const double grow = std::min(1.0, std::max(0.0, t * 4 - i * 0.6 + 1));
        const double h = kHeights[i] * (0.4 + 0.6 * grow);
        p.Fill(i == 3 ? RGB(255, 214, 64) : RGB(c.r, c.g, c.b));
        p.Box(20 + i * 12, 56 - h, 8, h);
    }
}

// A club's door with a "vacancy" board swinging beside it.
void PaintVacancies(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(120, 80, 50));
    p.Box(14, 14, 26, 42);
    p.Fill(RGB(255, 214, 64));
    p.Ellipse(34, 34, 3, 3);
    const double swing = 3 * std::sin(2 * M_PI * t);
    p.Line(RGB(200, 200, 210), 1.0);
    p.Segment(56, 10, 50 + swing, 22);
    p.Segment(56, 10, 66 + swing, 22);
    p.Fill(RGB(244, 244, 236));
    p.Box(46 + swing, 22, 24, 16);
    p.Fill(RGB(c.r, c.g, c.b));
    p.Box(49 + swing, 26, 18, 3);
    p.Box(49 + swing, 31, 12, 3);
}

}  // namespace

std::vector<Picture> ManagerHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"manager profile", "Profile", &PaintProfile},
        {"manager of the month", "Of the Month", &PaintManagerOfMonth},
        {"manager honours", "Honours", &PaintHonours},
        {"manager ratings", "Ratings", &PaintRatings},
        {"manager vacancies", "Vacancies", &PaintVacancies},
    };
    return HubButtons("manager", kManagerColour, kButtons);
}

std::vector<Picture> FixturesHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"league schedule", "League Schedule", &PaintLeagueSchedule},
        {"cup schedule", "Cup Schedule", &PaintCupSchedule},
        {"league fixtures", "League Fixtures", &PaintLeagueFixtures},
        {"cup fixtures", "Cup Fixtures", &PaintCupFixtures},
        {"friendlies", "Friendlies", &PaintFriendlies},
    };
    return HubButtons("fixtures", kFixturesColour, kButtons);
}

std::vector<Picture> DisciplineHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"club discipline", "Club Discipline", &PaintClubDiscipline},
        {"player discipline", "Player Discipline", &PaintPlayerDiscipline},
        {"referee tables", "Referee Tables", &PaintReferees},
    };
    return HubButtons("discipline", kDisciplineColour, kButtons);
}

Bitmap8 BlankHeader() {
    Surface s(1, 1, kKeyPixel);
    return Quantise(s, true, false);
}

std::vector<Picture> CompetitionPictures() {
    std::vector<Picture> out = FixturesHubButtons();
    for (Picture& p : DisciplineHubButtons()) out.push_back(std::move(p));
    for (Picture& p : ManagerHubButtons()) out.push_back(std::move(p));
    out.push_back({"temp", "blank.bmp", true, BlankHeader()});
    for (Picture& p : LifestylePictures()) out.push_back(std::move(p));
    return out;
}

}  // namespace art
