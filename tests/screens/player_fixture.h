#pragma once
// A headless session with the screen manager over the small two-club world:
// one human manager at "Harwick Albion" (user slot 0); "Port Ellis" is the
// other club. The player section's pages are opened as the game opens them.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/playerscreen.h"
#include "shell/archive.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/clubs_world.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/scriptedport.h"
#include "people_pages_fixture.h"
#include "support/test_env.h"
#include "support/ui_loop.h"

namespace playertest {

using namespace platform::win;

class PlayerPages : public pagesfixture::PeoplePages {
protected:
    void SetUp() override {
        PeoplePages::SetUp();
        if (HasFatalFailure()) return;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionLevel = 0;
    }
    CClub& Other() { return *world.GetClub(1); }
    CEmployee* Hire(CClub& club, uint8_t kind, const std::string& surname, int years = 3) {
        auto e = std::make_unique<CEmployee>();
        e->m_JobKind = kind;
        e->m_Ability = 64;
        e->Person().Set("J", surname, 45, 1);
        e->Person().SetContractYears(static_cast<uint8_t>(years));
        CEmployee* raw = e.get();
        club.Staff().Add(std::move(e));
        return raw;
    }
    // A player of the position in the club's next squad slot.
    CPlayer* Sign(CClub& club, int position, const std::string& surname) {
        const uint16_t id = AddPlayer(position);
        CPlayer* p = world.GetPlayer(id);
        p->Person().SetSurname(surname);
        EXPECT_TRUE(club.AddPlayerToSquad(id));
        return p;
    }
    // Opens a page of the class; page 60 and the negotiation pages with
    // their subject as the screen manager's openers give it.
    CPlayerScreen* Open(int screen, void* subject = nullptr, int kind = 0, bool record = true) {
        g_nScreenId = screen;
        auto* page = new CPlayerScreen();
        if (subject) {
            PersonPageParams p;
            p.subject = subject;
            p.kind = kind;
            page->SetPageParams(p);
        }
        manager.SetScreen(page, true, record, false, true, false);
        Drain();
        return Page();
    }
    CPlayerScreen* Page() { return dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage()); }
    std::string Text(int label) { return Page()->GetPageLabel(label)->GetText(); }
    std::string Detail(int d) { return Page()->GetDetailValue(d)->GetText(); }
};

}  // namespace playertest
