#pragma once
// A headless session with the screen manager over a small world: one human
// manager at "Harwick Albion", in user slot 0, with the four staff who report
// on the squad. Pages are opened as the game opens them, through SetScreen.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/squadscreen.h"
#include "shell/archive.h"
#include "shell/screenmanager.h"
#include "soccerclasses/clubs_world.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/scriptedport.h"
#include "people_pages_fixture.h"
#include "support/test_env.h"
#include "support/ui_loop.h"
#include "ui/listcontrol.h"

namespace squadtest {

using namespace platform::win;

class SquadPages : public pagesfixture::PeoplePages {
protected:
    void SetUp() override {
        PeoplePages::SetUp();
        if (HasFatalFailure()) return;
        ForgetReportedPictures();
    }
    // A member of the club's staff of the kind.
    CEmployee* Hire(uint8_t kind, const std::string& surname) {
        auto e = std::make_unique<CEmployee>();
        e->m_JobKind = kind;
        e->m_Ability = 70;
        e->Person().Set("J", surname, 45, 1);
        CEmployee* raw = e.get();
        Club().Staff().Add(std::move(e));
        return raw;
    }
    void HireSquadStaff() {
        Hire(CBasicEmployee::kHeadCoach, "Coachman");
        Hire(CBasicEmployee::kHeadPhysio, "Medway");
        Hire(CBasicEmployee::kYouthCoach, "Younger");
        Hire(CBasicEmployee::kAssistantManager, "Deputy");
    }
    // A player of the position in the club's next squad slot.
    uint16_t Sign(int position, const std::string& surname) {
        const uint16_t id = AddPlayer(position);
        world.GetPlayer(id)->Person().SetSurname(surname);
        EXPECT_TRUE(Club().AddPlayerToSquad(id));
        return id;
    }
    // Opens page `screen` of the class as the section buttons do.
    CSquadScreen* Open(int screen) {
        g_nScreenId = screen;
        manager.SetScreen(new CSquadScreen(), true, true, false, true, false);
        Drain();
        return Page();
    }
    CSquadScreen* Page() { return dynamic_cast<CSquadScreen*>(manager.GetCurrentPage()); }

    // During a drag from `from` through `via` to `to`: which of the page's
    // points the move to `to` painted over. The points are marked in the
    // window's picture before that move.
    std::vector<bool> PaintedByADragMove(Point from, Point via, Point to, const std::vector<Point>& points) {
        constexpr platform::gfx::Pixel kMark = 0x010203;
        auto toMain = [this](Point p) { return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p)); };
        std::vector<bool> painted(points.size(), false);
        backend->Press(toMain(from), MouseButton::Left, 700);
        backend->MoveTo(toMain(via), 30);
        backend->Call([&] {
            Point origin;
            if (Picture* pic = manager.GetCurrentPage()->PaintPicture(&origin))
                for (const Point& p : points) pic->Set(origin.x + p.x, origin.y + p.y, kMark);
        }, 10);
        backend->MoveTo(toMain(to), 30);
        backend->Call([&] {
            Point origin;
            if (Picture* pic = manager.GetCurrentPage()->PaintPicture(&origin))
                for (size_t i = 0; i < points.size(); ++i)
                    painted[i] = pic->Get(origin.x + points[i].x, origin.y + points[i].y) != kMark;
        }, 10);
        backend->Release(toMain(to), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1500);
        return painted;
    }
    // Presses at `from`, moves in two steps and lets go at `to`, with the
    // real mouse path.
    void Drag(Point from, Point to) {
        auto toMain = [this](Point p) { return main.ScreenToClient(manager.GetCurrentPage()->ClientToScreen(p)); };
        backend->Press(toMain(from), MouseButton::Left, 700);
        backend->MoveTo(toMain({(from.x + to.x) / 2, (from.y + to.y) / 2}), 30);
        backend->MoveTo(toMain(to), 30);
        backend->Release(toMain(to), MouseButton::Left, 30);
        testsupport::RunVirtualTime(*backend, main, 1500);
    }
    // A point on the first column of a shown row of a page list, found
    // through the list's own row-at-point answer; {-1, -1} when not shown.
    Point OnListRow(CListControl& list, int row, int dx = 12) {
        const Rect r = list.WindowRect();
        for (int y = r.top; y < r.bottom; ++y)
            if (Page()->HitTestListRow(r.left + dx, y) == row) return {r.left + dx, y + 4};
        return {-1, -1};
    }
};

}  // namespace squadtest
