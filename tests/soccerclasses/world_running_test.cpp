#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/files.h"
#include "platform/random.h"
#include "platform/trace.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/selectablecountries.h"
#include "soccerclasses/worlddata.h"
#include "support/game_driver.h"
#include "support/test_env.h"

namespace {

namespace fs = std::filesystem;

// A small league country of the default selection.
constexpr uint8_t kSmallCountry = 9;  // Australia

std::vector<uint8_t> RunningReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void RunningWriteBytes(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Where the marker's text field ("BXQT" after its length) starts.
std::vector<size_t> RunningMarkerOffsets(const std::vector<uint8_t>& b) {
    const uint8_t marker[8] = {4, 0, 0, 0, 'B', 'X', 'Q', 'T'};
    std::vector<size_t> at;
    for (size_t i = 0; i + 8 <= b.size(); ++i)
        if (std::equal(marker, marker + 8, b.begin() + static_cast<std::ptrdiff_t>(i))) at.push_back(i);
    return at;
}

class WorldRunning : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        platform::SetRandomClock([] { return int64_t(936000000); });
        port = std::make_unique<ScriptedUserPort>();
    }
    void TearDown() override {
        running.reset();
        port.reset();
        platform::SetRandomClock(nullptr);
        ResetModuleState();
        platform::ResetFolders();
    }

    // A new game of the countries, stage by stage; the running world.
    CWorldData& StartGame(const std::vector<uint8_t>& ids) {
        running = std::make_unique<CWorldData>();
        SetWorldData(running.get());
        for (uint8_t id : ids) running->SelectCountry(id, true);
        for (int stage = 0; stage <= 6; ++stage) {
            running->NewGame(stage);
            EXPECT_EQ(g_bGameInProgress, 0) << "stage " << stage;
        }
        g_bGameInProgress = 1;
        return *running;
    }
    fs::path SavePath(const std::string& name) { return testenv::TestFolder() / name; }
    std::vector<uint8_t> SavedBytes(const CWorldData& w, const std::string& name) {
        EXPECT_TRUE(w.SaveGame(SavePath(name).string()));
        return RunningReadBytes(SavePath(name));
    }

    std::unique_ptr<ScriptedUserPort> port;
    std::unique_ptr<CWorldData> running;
};

TEST(SelectableCountries, SeventyOneOnTwoMapsAndTheDefaultTwentySeven) {
    const auto& all = GetSelectableCountries();
    ASSERT_EQ(all.size(), 71u);
    int europe = 0;
    std::set<std::string> defaults;
    for (const SelectableCountry& c : all) {
        europe += c.map == SelectableCountry::kEurope;
        if (c.byDefault) defaults.insert(c.name);
        // The twenty of the Europe map's two groups are all in the default.
        if (c.group == 1 || c.group == 2) {
            EXPECT_TRUE(c.byDefault) << c.name;
            EXPECT_EQ(c.map, SelectableCountry::kEurope) << c.name;
        }
    }
    EXPECT_EQ(europe, 49);
    EXPECT_EQ(defaults.size(), 27u);
    for (const char* name : {"Brazil", "USA", "Nigeria", "South Africa", "China PR", "Japan", "Australia"})
        EXPECT_TRUE(defaults.count(name)) << name;
    EXPECT_EQ(DefaultCountrySelection().size(), 27u);
    EXPECT_EQ(AllSelectableCountries().size(), 71u);
}

TEST_F(WorldRunning, EverySelectableCountryIsALeagueCountryAndExactlyTheSelectionIsFollowed) {
    CWorldData& w = *(running = std::make_unique<CWorldData>());
    SetWorldData(&w);
    for (uint8_t id : AllSelectableCountries()) w.SelectCountry(id, true);
    w.NewGame(0);
    w.NewGame(1);
    const std::vector<uint8_t> ids = AllSelectableCountries();
    const std::set<uint8_t> selected(ids.begin(), ids.end());
    for (const auto& c : w.GetCountryList()) {
        const bool in = selected.count(c->GetId()) > 0;
        EXPECT_EQ(c->IsFollowed(), in) << c->GetName();
        EXPECT_EQ(c->GetStaffMarket() != nullptr, in) << c->GetName();
        if (in) {
            EXPECT_GT(c->GetDivisionCount(), 0) << c->GetName();
        }
    }
}

TEST_F(WorldRunning, NewGameStagesOneByOne) {
    CWorldData& w = *(running = std::make_unique<CWorldData>());
    SetWorldData(&w);
    w.SelectCountry(kSmallCountry, true);
    // Stages outside 0 to 6 change nothing.
    w.NewGame(-1);
    w.NewGame(7);
    EXPECT_EQ(w.GetCountryList().GetSize(), 0);
    EXPECT_EQ(w.GetClubList().GetSize(), 0);
    w.NewGame(0);
    EXPECT_EQ(w.GetMatchDay(), 0);
    EXPECT_TRUE(w.IsSaturday());
    EXPECT_GT(w.GetCountryList().GetSize(), 0);
    w.NewGame(1);
    EXPECT_GT(w.GetClubList().GetRealCount(), 0);
    w.NewGame(2);
    EXPECT_EQ(w.GetDateText(), "Tue 06 Jul 99");
    EXPECT_EQ(w.GetMatchDay(), 1);
    EXPECT_EQ(w.GetWeek(), 0);
    EXPECT_EQ(w.GetSeason(), 0);
    EXPECT_GT(w.GetPlayerList().GetSize(), 0);
    EXPECT_GT(w.GetRefereeList().GetSize(), 0);
    w.NewGame(3);
    w.NewGame(4);
    const CCountry* c = w.GetCountry(kSmallCountry);
    int clubs = 0;
    for (int i = 0; i < c->GetDivisionCount(); ++i) clubs += c->GetDivision(i)->GetClubCount();
    EXPECT_EQ(const_cast<CCountry*>(c)->GetClubRanking().GetSize(), clubs);
    w.NewGame(5);
    EXPECT_FALSE(w.IsReplayingNewGame());
    w.NewGame(6);
    EXPECT_EQ(g_bGameInProgress, 0);
    // A second new game in the same world starts from nothing.
    w.NewGame(0);
    EXPECT_EQ(w.GetClubList().GetSize(), 0);
    EXPECT_EQ(w.GetPlayerList().GetSize(), 0);
}

// Before a new game the shell clears the game and asks for no current user
// with SetCurrentUser (-1), which changes nothing by itself: the clearing
// must already have left no one current.
TEST_F(WorldRunning, ANewGameStartsWithNoCurrentUser) {
    CWorldData& w = StartGame({kSmallCountry});
    w.GetUser(1)->SetManagerIndex(0);
    ASSERT_TRUE(w.SetCurrentUser(1));
    ASSERT_NE(w.GetCurrentUser(), nullptr);
    EXPECT_FALSE(w.SetCurrentUser(-1));
    EXPECT_EQ(w.GetCurrentUserIndex(), 1) << "-1 alone changes nothing";

    w.ClearGame();
    EXPECT_FALSE(w.SetCurrentUser(-1));
    EXPECT_EQ(w.GetCurrentUserIndex(), -1);
    EXPECT_EQ(w.GetCurrentUser(), nullptr);
    EXPECT_EQ(g_bGameInProgress, 0);
    EXPECT_FALSE(w.GetUser(1)->HasManager()) << "the user slots are new";
}

TEST_F(WorldRunning, EveryStartUpFileIsOpenedOnceAndInTheNewGamesOrder) {
    // The new game's order; a file the data does not hold yet is left out.
    const char* const order[] = {"Data\\fed.bin",      "Data\\Stadiums.bin", "Data\\Country.bin",
                                 "Data\\Division.bin", "Data\\Clubs.bin",    "Data\\FedCups.bin",
                                 "Data\\players.bin",  "Data\\Referees.bin", "Data\\Plans.bin",
                                 "Data\\PlayOffs.bin", "Data\\Shields.bin",  "Data\\cups.bin"};
    std::vector<std::string> expected;
    for (const char* file : order)
        if (fs::exists(platform::MapPath(testenv::GameDir(), file))) expected.emplace_back(file);
    ASSERT_GE(expected.size(), 9u);
    running = std::make_unique<CWorldData>();
    SetWorldData(running.get());
    running->SelectCountry(kSmallCountry, true);
    std::vector<std::string> opened;
    {
        platform::TraceCapture trace;
        for (int stage = 0; stage <= 6; ++stage) running->NewGame(stage);
        const std::string prefix = "Start-up file ";
        for (const std::string& line : trace.Lines())
            if (line.rfind(prefix, 0) == 0) {
                std::string file = line.substr(prefix.size());
                while (!file.empty() && file.back() == '\n') file.pop_back();
                opened.push_back(file);
            }
    }
    EXPECT_EQ(opened, expected);
}

TEST_F(WorldRunning, SavedGameHoldsTheFrameAndTheTwelveMarkersAndLoadsBack) {
    CWorldData& w = StartGame({kSmallCountry});
    const std::vector<uint8_t> bytes = SavedBytes(w, "game.qzs");
    ASSERT_GT(bytes.size(), 8u + 255 + 4 + 16);
    // Marker, the selection as written, an empty header, the 16-byte clock.
    EXPECT_EQ(RunningMarkerOffsets(bytes).front(), 0u);
    for (int i = 0; i < 255; ++i) EXPECT_EQ(bytes[8 + size_t(i)], w.GetCountrySelection()[i]) << i;
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 263, bytes.begin() + 267), (std::vector<uint8_t>{0, 0, 0, 0}));
    const std::vector<size_t> markers = RunningMarkerOffsets(bytes);
    EXPECT_EQ(markers.size(), 12u);
    EXPECT_EQ(markers.back(), bytes.size() - 8);  // nothing after the closing marker
    EXPECT_EQ(port->ProgressTexts().back(), "Saving Game");

    const CMatchTime clock = w.GetMatchTime();
    ASSERT_EQ(CWorldData::LoadGame(SavePath("game.qzs").string()), 1);
    CWorldData* loaded = GetWorldData();
    ASSERT_NE(loaded, &w);
    EXPECT_EQ(loaded->GetMatchDay(), clock.GetMatchDay());
    EXPECT_EQ(loaded->GetTime(), clock.GetDays());
    EXPECT_EQ(loaded->GetSeason(), clock.GetSeason());
    EXPECT_TRUE(std::equal(w.GetCountrySelection(), w.GetCountrySelection() + 255, loaded->GetCountrySelection()));
    EXPECT_EQ(loaded->GetCurrentUserIndex(), -1);  // nobody manages a club
    EXPECT_EQ(g_bGameInProgress, 1);
    EXPECT_EQ(g_bGameLoaded, 1);
    // Saving the loaded game gives the same file.
    EXPECT_EQ(SavedBytes(*loaded, "again.qzs"), bytes);
}

TEST_F(WorldRunning, DamagedFilesAreRefusedAndTheRunningGameStaysAsItWas) {
    CWorldData& w = StartGame({kSmallCountry});
    const std::vector<uint8_t> good = SavedBytes(w, "good.qzs");
    const std::vector<size_t> markers = RunningMarkerOffsets(good);
    ASSERT_EQ(markers.size(), 12u);

    std::vector<std::pair<std::string, std::vector<uint8_t>>> damaged;
    for (size_t i = 0; i < markers.size(); ++i) {
        std::vector<uint8_t> b = good;
        b[markers[i] + 7] = 'X';  // "BXQX"
        damaged.emplace_back("marker " + std::to_string(i), b);
        damaged.emplace_back("cut at marker " + std::to_string(i),
                             std::vector<uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(markers[i])));
    }
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    damaged.emplace_back("a byte after the end", longer);
    std::vector<uint8_t> length = good;
    length[0] = 5;  // the first text's length is not 4
    damaged.emplace_back("first length", length);
    damaged.emplace_back("cut in the selection", std::vector<uint8_t>(good.begin(), good.begin() + 100));

    for (const auto& [what, bytes] : damaged) {
        RunningWriteBytes(SavePath("bad.qzs"), bytes);
        const size_t boxes = port->Boxes().size();
        EXPECT_EQ(CWorldData::LoadGame(SavePath("bad.qzs").string()), 0) << what;
        ASSERT_EQ(port->Boxes().size(), boxes + 1) << what;
        EXPECT_EQ(port->Boxes().back().stringId, 411u) << what;
        EXPECT_EQ(GetWorldData(), &w) << what;
        EXPECT_FALSE(GameFileIsOpen()) << what;
    }
    EXPECT_EQ(SavedBytes(w, "after.qzs"), good);
    // A file that is not there: 410.
    EXPECT_EQ(CWorldData::LoadGame(SavePath("none.qzs").string()), 0);
    EXPECT_EQ(port->Boxes().back().stringId, 410u);
}

TEST_F(WorldRunning, FailedSaveLeavesTheOldFileAndNoTemporaryOne) {
    CWorldData& w = StartGame({kSmallCountry});
    const fs::path target = SavePath("keep.qzs");
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    RunningWriteBytes(target, old);
    // Writes past a file-size limit fail at every stage of the file.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    for (rlim_t limit : {rlim_t(0), rlim_t(100), rlim_t(300), rlim_t(200000), rlim_t(2000000)}) {
        rlimit r = before;
        r.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &r), 0);
        const size_t boxes = port->Boxes().size();
        const bool saved = w.SaveGame(target.string());
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &before), 0);
        if (saved) continue;  // the whole game fits under this limit
        EXPECT_EQ(port->Boxes().size(), boxes + 1) << limit;
        EXPECT_EQ(port->Boxes().back().stringId, 406u) << limit;
        EXPECT_EQ(RunningReadBytes(target), old) << limit;
        EXPECT_FALSE(fs::exists(target.string() + ".tmp")) << limit;
    }
    std::signal(SIGXFSZ, SIG_DFL);
    // A target that cannot be replaced (a folder) fails the same way.
    fs::create_directory(SavePath("folder.qzs"));
    EXPECT_FALSE(w.SaveGame(SavePath("folder.qzs").string()));
    EXPECT_EQ(port->Boxes().back().stringId, 406u);
    EXPECT_FALSE(fs::exists(SavePath("folder.qzs.tmp")));
}

TEST_F(WorldRunning, SaveDialogAppendsTheExtensionAndAsksBeforeOverwriting) {
    CWorldData& w = StartGame({kSmallCountry});
    const fs::path folder = platform::SaveFolder();
    struct Case {
        std::string typed, written;
    } cases[] = {
        {"first", "first.qzs"},
        {"second.QZS", "second.QZS.qzs"},
        {"third.qzs", "third.qzs"},
    };
    for (const Case& k : cases) {
        port->AnswerFile((folder / k.typed).string());
        EXPECT_TRUE(w.SaveGameDialog()) << k.typed;
        EXPECT_TRUE(fs::exists(folder / k.written)) << k.typed;
    }
    const SaveFileRequest& r = port->FileDialogs().back();
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.title, "Save game to disk");
    EXPECT_EQ(r.folder, folder.string());

    // No to the overwrite question asks again; cancelling then saves nothing.
    RunningWriteBytes(folder / "first.qzs", {'x'});
    port->AnswerFile((folder / "first").string());
    port->AnswerFile("");
    port->AnswerId(405, kAnswerNo);
    const size_t dialogs = port->FileDialogs().size();
    EXPECT_FALSE(w.SaveGameDialog());
    EXPECT_EQ(port->FileDialogs().size(), dialogs + 2);
    EXPECT_TRUE(port->Asked(405));
    EXPECT_EQ(RunningReadBytes(folder / "first.qzs"), (std::vector<uint8_t>{'x'}));
    // Yes overwrites.
    port->AnswerFile((folder / "first").string());
    port->AnswerId(405, kAnswerYes);
    EXPECT_TRUE(w.SaveGameDialog());
    EXPECT_GT(RunningReadBytes(folder / "first.qzs").size(), 1u);

    // The in-game load takes only ".qzs" exactly.
    port->AnswerFile((folder / "second.QZS").string());
    fs::copy_file(folder / "third.qzs", folder / "second.QZS");
    EXPECT_EQ(CWorldData::LoadGameDialog(), 0);
    EXPECT_EQ(port->Boxes().back().text, "Not a valid save-game file. Please re-select.");
    EXPECT_EQ(GetWorldData(), &w);
    EXPECT_EQ(port->FileDialogs().back().title, "Continue Career");
    EXPECT_EQ(port->FileDialogs().back().defaultExt, "qzs");
    EXPECT_EQ(CWorldData::LoadGameDialog(), 0);  // cancelled
    port->AnswerFile((folder / "third.qzs").string());
    EXPECT_EQ(CWorldData::LoadGameDialog(), 1);
    EXPECT_NE(GetWorldData(), &w);
    std::string chosen;
    port->AnswerFile((folder / "first.qzs").string());
    EXPECT_EQ(CWorldData::ChooseSavedGame(chosen), 1);
    EXPECT_EQ(chosen, (folder / "first.qzs").string());
}

}  // namespace

namespace {

TEST(WorldDayStep, NinePhasesInOrderAndTheClockMovesToTheNextMatchDay) {
    testsupport::GameDriver game({kSmallCountry});
    CWorldData& w = game.World();
    ASSERT_EQ(w.GetDateText(), "Tue 06 Jul 99");
    // Nobody manages a club: the day asks to stop, and (1, 0) scans nobody
    // and tells the view nothing.
    EXPECT_EQ(w.ProcessDay(1, 0), 1);
    EXPECT_EQ(game.Port().ProgressLines(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(game.Port().ViewCommands().empty());
    EXPECT_EQ(w.GetDateText(), "Sat 10 Jul 99");
    EXPECT_EQ(g_bHumanMatchToday, 0);
    // (0, 1) without a human match: the newspaper.
    EXPECT_EQ(w.ProcessDay(0, 1), 1);
    EXPECT_EQ(game.Port().ViewCommands(), (std::vector<int>{kCommandNewspaper}));
    EXPECT_EQ(w.GetDateText(), "Tue 13 Jul 99");
    // On the progress page the lines after the first only step it.
    game.Port().SetCurrentScreenId(114);
    const size_t lines = game.Port().ProgressLines().size();
    const int steps = game.Port().ProgressSteps();
    w.ProcessDay(0, 0);
    EXPECT_EQ(game.Port().ProgressLines().size(), lines + 1);
    EXPECT_EQ(game.Port().ProgressSteps(), steps + 8);
}

TEST(WorldDayStep, DaysKeepTheInvariantsAndTwoRunsSaveTheSameGame) {
    std::vector<uint8_t> first;
    for (int run = 0; run < 2; ++run) {
        testsupport::GameDriver game({kSmallCountry});
        std::vector<std::string> problems;
        game.RunDays(12, [&](CWorldData& w) { testsupport::CheckWorldInvariants(w, problems); });
        EXPECT_TRUE(problems.empty()) << (problems.empty() ? std::string() : problems.front());
        EXPECT_EQ(game.DaySteps(), 12);
        const std::vector<uint8_t> saved = game.SavedGame();
        ASSERT_FALSE(saved.empty());
        if (run == 0) {
            first = saved;
        } else {
            EXPECT_EQ(saved, first);
        }
    }
}

}  // namespace
