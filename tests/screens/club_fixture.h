#pragma once
// A headless session with the screen manager over a small world: one human
// manager at "Harwick Albion" (top division of country 1) in user slot 0,
// "Port Ellis" in a division of its own, and "Old Town" beside Harwick with
// no year founded. Club pages are opened as the game opens them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/archive.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "soccerclasses/clubs_world.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/stadium.h"
#include "people_pages_fixture.h"
#include "support/test_env.h"
#include "support/ui_loop.h"

namespace clubpagetest {

using namespace platform::win;

class ClubPages : public pagesfixture::PeoplePages {
protected:
    void PrepareWorld() override {
        auto oldTown = Record("Old Town", 0);
        oldTown.yearFounded = 0;
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), oldTown, Record("Port Ellis", 1)}));
        // Names a player could meet, on the pages and in their pictures.
        const char* grounds[] = {"Kingsmead Park", "Ellis Road"};
        for (int i = 0; i < 2; ++i)
            if (CStadium* s = world.GetStadiumList().GetAt(i)) s->name = grounds[i];
    }
    void SetUp() override {
        PeoplePages::SetUp();
        if (HasFatalFailure()) return;
        ForgetReportedPictures();
    }
    CClub& OldTown() { return *world.GetClub(1); }
    CClub& PortEllis() { return *world.GetClub(2); }
    CEmployee* Hire(uint8_t kind, const std::string& surname) {
        auto e = std::make_unique<CEmployee>();
        e->m_JobKind = kind;
        e->m_Ability = 70;
        e->Person().Set("J", surname, 45, 1);
        CEmployee* raw = e.get();
        Club().Staff().Add(std::move(e));
        return raw;
    }
    void SackUser() { world.GetManagerList().GetAt(Club().GetManager())->m_History[0].m_Club = -1; }
    int InboxCount(uint8_t code) {
        const auto inbox = User().GetInbox();
        return static_cast<int>(std::count_if(inbox.begin(), inbox.end(), [code](const auto& m) { return m.code == code; }));
    }
    // Opens page `screen` of a class as the section buttons do: the page is
    // made once the screen number is set, as its constructor reads it.
    template <typename Page, typename Prepare>
    Page* OpenAs(int screen, Prepare prepare) {
        g_nScreenId = screen;
        auto* made = new Page();
        prepare(*made);
        manager.SetScreen(made, true, true, false, true, false);
        Drain();
        return dynamic_cast<Page*>(manager.GetCurrentPage());
    }
    template <typename Page>
    Page* OpenAs(int screen) {
        return OpenAs<Page>(screen, [](Page&) {});
    }
};

}  // namespace clubpagetest
