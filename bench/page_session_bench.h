#pragma once
// The game-page benchmarks' common set-up: a new game of the given
// countries with user 0 managing the first club of one of them, the page
// archives, and a headless main window holding a screen manager. Torn down
// in reverse when it goes.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "soccerclasses/country.h"
#include "soccerclasses/worlddata.h"
#include "support/game_driver.h"

class PageSessionBench {
public:
    // `scratch` names the run's own save folder under the temporary folder;
    // a `humanCountry` below 0 is the first country with divisions.
    PageSessionBench(const std::vector<uint8_t>& countries, int humanCountry, const std::string& scratch)
        : game(countries, VT_GAME_DIR, std::filesystem::temp_directory_path() / scratch) {
        using namespace platform::win;
        CWorldData& w = game.World();
        for (int i = 0; i < w.GetCountryList().GetSize() && humanCountry < 0; ++i)
            if (const CCountry* c = w.GetCountry(i); c && c->GetDivisionCount() > 0) humanCountry = i;
        club = game.HumanManagesTopClub(static_cast<uint8_t>(humanCountry));
        Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        LoadArchiveIndexes();
        main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE);
        Ui::Get().SetMainWindow(&main);
        manager.Create(&main, Rect::XYWH(2, 2, CScreen::kWidth, CScreen::kHeight));
    }
    ~PageSessionBench() {
        manager.Destroy();
        main.Destroy();
        platform::win::Ui::Get().Stop();
        FreeArchiveIndexes();
    }
    PageSessionBench(const PageSessionBench&) = delete;
    PageSessionBench& operator=(const PageSessionBench&) = delete;

    testsupport::GameDriver game;
    CClub* club = nullptr;  // the human manager's
    platform::win::Window main;
    CScreenManager manager;
};
