#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/news.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Twenty clubs of one followed division; club 0 is managed by user slot 0.
class Board : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 20; ++i) records.push_back(Record("Club " + std::to_string(i), 0, uint8_t(i % 4)));
        world.GetClubList().ReadFile(WriteClubs(records));
        Division().SetClubRange(0, 20);
        MakeUser(0, 0);
    }
    CClub& C(int i) { return *world.GetClubList().GetAt(i); }
    CDivision& Division() { return *world.GetDivision(0); }
    CCountry& Country() { return *world.GetCountry(1); }
    CHumanManager& User(int slot) { return *world.GetUserList().GetAt(slot); }
    CManager& ManagerOf(int club) { return *world.GetManagerList().GetAt(C(club).GetManager()); }
    void MakeUser(int club, int slot) {
        MakeHuman(C(club));
        User(slot).SetManagerIndex(C(club).GetManager());
    }
    std::vector<std::string> News() {
        std::vector<std::string> out;
        for (const auto& n : Country().GetNews()) out.push_back(n->GetText());
        return out;
    }
    bool NewsHas(const std::string& fragment) {
        for (const std::string& s : News())
            if (s.find(fragment) != std::string::npos) return true;
        return false;
    }
    bool InboxHas(int slot, uint8_t code) {
        for (const auto& m : User(slot).GetInbox())
            if (m.code == code) return true;
        return false;
    }
    // Played league games and a place with points.
    void SetRow(int club, int played, int position, int points) {
        CTableData& r = C(club).LeagueRow();
        r.m_HomePlayed = uint8_t(played / 2);
        r.m_AwayPlayed = uint8_t(played - played / 2);
        r.m_Position = uint8_t(position);
        r.m_Points = uint8_t(points);
    }
    void FillSquad(int club, int n) {
        for (int i = 0; i < n; ++i) {
            const uint16_t id = AddPlayer(i % 4);
            world.GetPlayer(id)->Football().m_Energy = 99;
            C(club).AddPlayerToSquad(id);
        }
    }
};

TEST_F(Board, ManagerAccessorsAnswerForEveryKindOfPost) {
    MakeUser(3, 2);
    C(2).ClearManager();
    C(4).SetManagerIndex(-2);  // talks running
    EXPECT_EQ(C(3).GetManagerKind(), 1);
    EXPECT_EQ(C(3).GetHumanManagerIndex(), 2);
    EXPECT_EQ(C(1).GetManagerKind(), 0);
    EXPECT_EQ(C(1).GetHumanManagerIndex(), -1);
    EXPECT_EQ(C(1).GetManagerNameOrNone(), ManagerOf(1).GetName());
    for (int c : {2, 4}) {
        EXPECT_FALSE(C(c).HasManager());
        EXPECT_EQ(C(c).GetManagerKind(), 0);
        EXPECT_EQ(C(c).GetManagerNameOrNone(), "");
        EXPECT_EQ(C(c).GetHumanManager(), nullptr);
    }
}

TEST_F(Board, RenewedTermsGrowAFewPerCentOrStartFromThePopularityTable) {
    for (uint32_t seed = 0; seed < 30; ++seed) {
        platform::SeedRandom(seed);
        C(1).SetManagerTerms(52000.0, 3);
        C(1).RenewManagerTerms();
        EXPECT_GE(C(1).GetManagerWage(), 52000.0);
        EXPECT_LE(C(1).GetManagerWage(), 52000.0 * 1.08);
        EXPECT_TRUE(C(1).GetManagerYears() == 3 || C(1).GetManagerYears() == 2);
        C(1).SetManagerTerms(52000.0, 1);
        C(1).RenewManagerTerms();
        EXPECT_EQ(C(1).GetManagerYears(), 1);  // never below one year
        C(1).SetManagerTerms(0.0, 0);
        C(1).RenewManagerTerms();
        EXPECT_GT(C(1).GetManagerWage(), 0.0);
        EXPECT_EQ(C(1).GetManagerYears(), 4);
        EXPECT_GE(C(1).GetManagerBonus(), 155);
        EXPECT_LE(C(1).GetManagerBonus(), 170);
    }
    C(1).SetManagerTerms(30000.0, 4);
    EXPECT_EQ(C(1).CapManagerWage(40000.0), 30000.0);
    EXPECT_EQ(C(1).CapManagerWage(20000.0), 20000.0);
    EXPECT_EQ(C(1).CapManagerYears(5), 4);
    EXPECT_EQ(C(1).CapManagerYears(2), 2);
}

// Club 19 is last, its manager in his tenth week; the club at the safe
// place (13th of 20) is far ahead of it.
class Review : public Board {
protected:
    void Place(int lastPoints, int aboveLast) {
        for (int c = 0; c < 20; ++c) SetRow(c, 12, c, 40 - c);
        SetRow(18, 12, 18, aboveLast);
        SetRow(19, 12, 19, lastPoints);
        ManagerOf(19).Person().SetWeeksAtClub(10);
        C(19).SetTacticIndex(0);
    }
    struct Outcome {
        int reviews = 0, sackings = 0;
    };
    Outcome Run(int lastPoints, int aboveLast) {
        Outcome o;
        for (uint32_t seed = 0; seed < 300; ++seed) {
            platform::SeedRandom(seed);
            C(19).SetTacticIndex(0);
            if (!C(19).HasManager()) C(19).SetManagerIndex(world.GetManagerList().AddManager(Country(), 19, C(19)));
            Place(lastPoints, aboveLast);
            const int before = C(19).GetManager();
            C(19).BoardReview();
            if (!C(19).HasManager()) {
                ++o.sackings;
                EXPECT_FALSE(world.GetManagerList().GetAt(before)->IsEmployed());
            } else if (C(19).GetTactic() == 1) {
                ++o.reviews;
            }
        }
        return o;
    }
};

TEST_F(Review, AClubAdriftAtTheBottomKeepsItsManagerButChangesItsPlay) {
    const Outcome o = Run(5, 18);  // 13 points adrift
    EXPECT_GT(o.reviews, 50);
    EXPECT_EQ(o.sackings, 0);
    EXPECT_TRUE(InboxHas(0, 150));
    EXPECT_FALSE(InboxHas(0, 192));
}

TEST_F(Review, TwelvePointsAdriftIsNotAdrift) {
    const Outcome o = Run(6, 18);
    EXPECT_GT(o.sackings, 5);
    EXPECT_GT(o.reviews, 5);
    EXPECT_TRUE(InboxHas(0, 192));
    EXPECT_TRUE(NewsHas("Club 19"));
}

TEST_F(Review, NoReviewBeforeElevenGamesOrSevenWeeks) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        platform::SeedRandom(seed);
        Place(5, 18);
        SetRow(19, 10, 19, 5);
        C(19).BoardReview();
        Place(5, 18);
        ManagerOf(19).Person().SetWeeksAtClub(6);
        C(19).BoardReview();
        EXPECT_EQ(C(19).GetTactic(), 0);
        ASSERT_TRUE(C(19).HasManager());
    }
    // A human manager is never reviewed by this step.
    MakeUser(19, 1);
    for (uint32_t seed = 0; seed < 100; ++seed) {
        platform::SeedRandom(seed);
        Place(5, 18);
        C(19).BoardReview();
        EXPECT_EQ(C(19).GetTactic(), 0);
    }
}

TEST_F(Board, AComputerManagerLeavesWithNewsAndThePapersHearOfHim) {
    for (uint32_t seed = 0; seed < 40; ++seed) {
        platform::SeedRandom(seed);
        if (!C(1).HasManager()) C(1).SetManagerIndex(world.GetManagerList().AddManager(Country(), 1, C(1)));
        CManager& m = ManagerOf(1);
        const int index = C(1).GetManager();
        m.m_Savings = seed % 2 ? 1000 : 0;
        m.m_LivingCosts = 10;
        const std::string name = m.GetName();
        Division().m_NewsPaperEvents.m_Sacked.RemoveAll();
        C(1).ManagerLeaves(1);
        EXPECT_EQ(C(1).GetManager(), -1);
        EXPECT_FALSE(m.IsEmployed());
        EXPECT_EQ(m.GetPreviousClubIndex(), 1);
        EXPECT_TRUE(NewsHas(name));
        EXPECT_EQ(Division().m_NewsPaperEvents.m_Sacked.Find(uint32_t(index)) >= 0, seed % 2 == 1);
    }
}

TEST_F(Board, AHumanManagerLetGoHearsWhyAndLeavesASquadToPlayWith) {
    struct Case {
        int years;
        std::string fragment;
    };
    for (const Case& c : {Case{0, "your contract has run out"}, Case{2, "have sacked"}}) {
        if (!C(0).HasManager()) {
            C(0).SetManagerIndex(User(0).GetManagerIndex());
            world.GetManagerList().GetAt(C(0).GetManager())->SetClubIndex(0);
        }
        FillSquad(0, 10 - int(C(0).GetSquadSize()));
        ScriptedUserPort port;
        ManagerOf(0).Person().SetContractYears(uint8_t(c.years));
        C(0).ManagerLeaves(1);
        EXPECT_TRUE(port.AskedText(c.fragment)) << c.years;
        EXPECT_FALSE(C(0).HasManager());
        EXPECT_GE(C(0).GetSquadSize(), 18u);
        EXPECT_LE(C(0).GetSquadSize(), 21u);
        EXPECT_GT(port.StatusBarUpdates(), 0);
        EXPECT_FALSE(port.TreeFills().empty());
        EXPECT_FALSE(User(0).IsEmployed());
        while (C(0).GetSquadSize() > 0) C(0).RemoveFromSquad(0);
    }
}

TEST_F(Board, AComputerManagerWithAPerfectSeasonAlwaysStays) {
    SetRow(1, 30, 19, 10);  // last, but no game of his counted
    for (uint32_t seed = 0; seed < 50; ++seed) {
        platform::SeedRandom(seed);
        C(1).ReviewExpiredContract();
        ASSERT_TRUE(C(1).HasManager());
        EXPECT_LE(ManagerOf(1).Person().GetContractYears(), 5);
    }
    ManagerOf(1).m_SeasonLosses = 10;
    int gone = 0;
    for (uint32_t seed = 0; seed < 50 && !gone; ++seed) {
        platform::SeedRandom(seed);
        C(1).ReviewExpiredContract();
        gone += !C(1).HasManager();
    }
    EXPECT_EQ(gone, 1);
}

TEST_F(Board, AHumanManagersContractTalksEndInANewDealOrHisDeparture) {
    struct Case {
        int answer, screen;
        bool stays;
    };
    for (const Case& c : {Case{kAnswerYes, 1, true}, Case{kAnswerYes, 0, false}, Case{kAnswerNo, 1, false}}) {
        const int index = User(0).GetManagerIndex();
        C(0).SetManagerIndex(index);
        world.GetManagerList().GetAt(index)->SetClubIndex(0);
        ManagerOf(0).Person().SetContractYears(0);
        C(0).SetManagerTerms(52000.0, 3);
        world.RestoreCurrentUser(-1);
        ScriptedUserPort port;
        port.AnswerNext(c.answer);
        port.AnswerScreen(116, c.screen);
        C(0).OfferNewContractToHuman();
        EXPECT_TRUE(port.AskedText("your contract with Club 0 has run out"));
        EXPECT_EQ(port.Screens().size(), c.answer == kAnswerYes ? 1u : 0u);
        if (!port.Screens().empty()) {
            EXPECT_EQ(port.Screens()[0].object, &C(0));
        }
        EXPECT_EQ(world.GetCurrentUserIndex(), -1);
        if (c.stays) {
            EXPECT_EQ(C(0).GetManager(), index);
            EXPECT_EQ(world.GetManagerList().GetAt(index)->Person().GetContractYears(), 3);
        } else {
            EXPECT_NE(C(0).GetManager(), index);
            EXPECT_FALSE(world.GetManagerList().GetAt(index)->IsEmployed());
            EXPECT_TRUE(NewsHas("handed in his resignation"));
            EXPECT_TRUE(port.AskedText("Club 0"));
        }
    }
}

TEST_F(Board, ARetiringManagerLeavesNoIndexBehind) {
    const int index = C(2).GetManager();
    Division().m_NewsPaperEvents.AddNewManager(index);
    Division().m_NewsPaperEvents.AddSackedManager(index);
    const std::string name = ManagerOf(2).GetName();
    C(2).RetireManager();
    EXPECT_EQ(C(2).GetManager(), -1);
    EXPECT_EQ(world.GetManagerList().GetAt(index), nullptr);
    EXPECT_TRUE(NewsHas(name + " has retired as manager of Club 2"));
    EXPECT_EQ(Division().m_NewsPaperEvents.m_NewManagers.Find(uint32_t(index)), -1);
    EXPECT_EQ(Division().m_NewsPaperEvents.m_Sacked.Find(uint32_t(index)), -1);
}

TEST_F(Board, TheBoardLetsAManagerGoOnlyAfterSixWeeksAndInAGoodMood) {
    ManagerOf(0).Person().SetWeeksAtClub(5);
    User(0).SetTransferFlag(1);
    EXPECT_FALSE(C(0).BoardReleasesManager());
    ManagerOf(0).Person().SetWeeksAtClub(6);
    EXPECT_TRUE(C(0).BoardReleasesManager());
    User(0).SetTransferFlag(0);
    EXPECT_FALSE(C(0).BoardReleasesManager());
    // The daily mood is kinder the fewer years he has left.
    for (auto [years, low, high] : {std::tuple{0, 0.85, 0.95}, std::tuple{4, 0.64, 0.76}, std::tuple{9, 0.64, 0.76}}) {
        ManagerOf(0).Person().SetContractYears(uint8_t(years));
        int yes = 0;
        for (int i = 0; i < 3000; ++i) {
            User(0).RollTransferFlag();
            yes += User(0).GetTransferFlag();
        }
        EXPECT_GT(yes / 3000.0, low) << years;
        EXPECT_LT(yes / 3000.0, high) << years;
    }
}

// Appointments: club 5 is vacant.
class Appointment : public Board {
protected:
    void SetUp() override {
        Board::SetUp();
        // Rows enough for clubs far apart in popularity.
        while (world.GetPopularityList().GetSize() < 30) world.GetPopularityList().Add(*world.GetPopularityList().GetAt(3));
        const int old = C(5).GetManager();
        C(5).ManagerLeaves(0);
        // He would be refused anyway; out of the country he is not drawn.
        world.GetManagerList().GetAt(old)->Person().SetCountry(2);
    }
    // Days of attempts until the post is filled; -1 when it never is.
    int DaysToFill(int days) {
        for (int d = 0; d < days; ++d) {
            CClub::DayAppointments() = 0;
            C(5).AppointNewManager();
            if (C(5).HasManager()) return d;
        }
        return -1;
    }
};

TEST_F(Appointment, AnUnemployedManagerOrTheCoachTakesTheJob) {
    const int free = world.GetManagerList().AddManager(Country());
    world.GetManagerList().GetAt(free)->Person().SetCountry(1);
    C(5).SetManagerTerms(0.0, 0);
    ASSERT_GE(DaysToFill(50), 0);
    EXPECT_EQ(C(5).GetManager(), free);
    EXPECT_EQ(world.GetManagerList().GetAt(free)->GetClubIndex(), 5);
    EXPECT_TRUE(NewsHas("has been appointed as manager of Club 5"));
    EXPECT_GE(Division().m_NewsPaperEvents.m_NewManagers.Find(uint32_t(free)), 0);

    // The coach of a club nobody else wants steps up; he leaves the staff.
    C(6).ManagerLeaves(0);
    for (int i = 0; i < world.GetManagerList().GetSize(); ++i)
        if (CManager* m = world.GetManagerList().GetAt(i); m && !m->IsEmployed()) m->Person().SetCountry(2);
    C(6).HireNewEmployee(CBasicEmployee::kHeadCoach);
    const std::string coach = C(6).Staff().FindKind(CBasicEmployee::kHeadCoach)->GetName();
    for (int d = 0; d < 50 && !C(6).HasManager(); ++d) C(6).AppointNewManager();
    ASSERT_TRUE(C(6).HasManager());
    EXPECT_EQ(C(6).GetManagerName(), coach);
    EXPECT_EQ(C(6).Staff().FindKind(CBasicEmployee::kHeadCoach), nullptr);
    EXPECT_EQ(world.GetManagerList().GetAt(C(6).GetManager())->GetClubIndex(), 6);
}

TEST_F(Appointment, TheOfferedWageGrowsWhileThePostStaysVacant) {
    C(5).SetManagerTerms(52000.0, 4);
    double last = C(5).GetManagerWage();
    for (int d = 0; d < 10; ++d) {
        C(5).AppointNewManager();
        ASSERT_FALSE(C(5).HasManager());  // nobody to take it
        EXPECT_GT(C(5).GetManagerWage(), last);
        last = C(5).GetManagerWage();
    }
}

TEST_F(Appointment, AHumanManagerDoingWellElsewhereIsOfferedTheJob) {
    MakeUser(7, 3);
    CManager& him = ManagerOf(7);
    him.m_ClubWins = 7;
    C(7).SetPopularityIndex(25);  // far less popular: d = 6
    C(5).SetPopularityIndex(0);
    struct Case {
        int screen;
        bool moves;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}}) {
        ScriptedUserPort port;
        port.AnswerScreen(116, c.screen);
        int asked = -1;
        for (int d = 0; d < 300 && asked < 0; ++d) {
            CClub::DayAppointments() = 0;
            C(5).AppointNewManager();
            if (port.AskedText("would like to offer you their vacant manager's job")) asked = d;
        }
        ASSERT_GE(asked, 0);
        ASSERT_EQ(port.Screens().size(), 1u);
        EXPECT_EQ(port.Screens()[0].screen, 116);
        EXPECT_EQ(C(5).GetManager() == User(3).GetManagerIndex(), c.moves);
        EXPECT_EQ(C(7).HasManager(), !c.moves);
        EXPECT_EQ(him.GetClubIndex(), c.moves ? 5 : 7);
        if (c.moves) {
            // He joined through the career's own step: his new contacts, and
            // only the move itself in his inbox.
            EXPECT_EQ(User(3).GetContacts().GetSize(), 12);
            ASSERT_EQ(User(3).GetInbox().size(), 1u);
            EXPECT_EQ(User(3).GetInbox()[0].code, 200);
        }
    }
    EXPECT_TRUE(NewsHas("has been appointed as manager of Club 5"));
}

TEST_F(Appointment, NoOfferToTheUnemployedTheMorePopularOrOnAFullDay) {
    MakeUser(7, 3);
    ManagerOf(7).m_ClubWins = 7;
    C(5).SetPopularityIndex(0);
    ScriptedUserPort port;
    // His club is more popular than this one: never told, never asked.
    C(7).SetPopularityIndex(0);
    C(5).SetPopularityIndex(8);
    for (int d = 0; d < 300; ++d) {
        CClub::DayAppointments() = 0;
        C(5).AppointNewManager();
    }
    EXPECT_FALSE(InboxHas(3, 147));
    // Three offers made today already.
    C(7).SetPopularityIndex(25);
    C(5).SetPopularityIndex(0);
    for (int d = 0; d < 300; ++d) {
        CClub::DayAppointments() = 3;
        C(5).AppointNewManager();
    }
    // Out of work: no games at a present club.
    C(7).ManagerLeaves(0);
    for (int d = 0; d < 300; ++d) {
        CClub::DayAppointments() = 0;
        C(5).AppointNewManager();
    }
    EXPECT_TRUE(port.Boxes().empty());
}

TEST_F(Board, TheBoardNamesEveryMissingMemberOfStaff) {
    ScriptedUserPort port;
    for (int i = 0; i < 600; ++i) C(0).CheckStaffConcerns();
    for (const char* f : {"lack of a head coach", "no head physio", "no assistant manager", "lack of a youth coach",
                          "lack of any scouts"})
        EXPECT_TRUE(port.AskedText(f)) << f;
    EXPECT_FALSE(User(0).GetNews().IsEmpty());
    for (uint8_t kind : {0, 1, 2, 3, 4}) C(0).HireNewEmployee(kind);
    ScriptedUserPort quiet;
    for (int i = 0; i < 600; ++i) C(0).CheckStaffConcerns();
    EXPECT_TRUE(quiet.Boxes().empty());
}

TEST_F(Board, TheBoardWorriesAboutThinCoverASmallSquadAndTiredPlayers) {
    // One keeper, six of every other line: nineteen men.
    for (int pos : {0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3}) {
        const uint16_t id = AddPlayer(pos);
        world.GetPlayer(id)->Football().m_Energy = 99;
        C(0).AddPlayerToSquad(id);
    }
    world.GetPlayer(C(0).GetPlayerId(3))->Football().m_Energy = 30;
    ScriptedUserPort port;
    for (int i = 0; i < 400; ++i) C(0).CheckSquadConcerns();
    EXPECT_TRUE(port.AskedText("buy a Goalkeeper"));
    EXPECT_FALSE(port.AskedText("buy a Defender"));
    EXPECT_TRUE(port.AskedText("size of the squad needs increasing"));
    EXPECT_TRUE(port.AskedText(world.GetPlayer(C(0).GetPlayerId(3))->GetName() + " (Club 0) is very tired"));
    // Thirty available players: nothing to say.
    while (C(0).GetSquadSize() > 0) C(0).RemoveFromSquad(0);
    FillSquad(0, 30);
    ScriptedUserPort quiet;
    for (int i = 0; i < 400; ++i) C(0).CheckSquadConcerns();
    EXPECT_TRUE(quiet.Boxes().empty());
}

// The disciplinary table: club 0 is placed at a rank among n clubs.
class Discipline : public Board {
protected:
    void Rank(int n, int rank) {
        Division().SetClubRange(0, uint8_t(n));
        for (int c = 0; c < 20; ++c) C(c).ClearSeasonArrays();
        for (int c = 0; c < 20; ++c) {
            C(c).StartNewSeason();
            for (int k = 0; k < c; ++k) C(c).AddBooking();  // 3c points
        }
        // Club 0 ties with the club it should rank above, which is listed
        // after it.
        for (int k = 0; k < n - 1 - rank; ++k) C(0).AddBooking();
        SetRow(0, 10, 0, 0);
    }
    void SetUp() override {
        Board::SetUp();
        for (int s = 0; s < 38; ++s) Division().SetCalendarSlot(s, uint8_t(s + 1));
    }
};

TEST_F(Discipline, TheRankDecidesTheBoardsWordsAndTheAdvisorsNote) {
    struct Case {
        int n, rank;
        const char* fragment;  // "" for no box
        uint8_t code;          // 0 for none
    };
    const Case cases[] = {
        {20, 0, "worst disciplinary record", 163}, {20, 3, "the Chairman", 164}, {20, 4, "the Chairman", 164},
        {20, 7, "calm things down", 0},            {20, 12, "", 0},             {20, 15, "", 165},
        {20, 19, "", 166},                         {10, 9, "calm things down", 0}, {10, 5, "calm things down", 0},
    };
    for (const Case& c : cases) {
        Rank(c.n, c.rank);
        const size_t inbox = User(0).GetInbox().size();
        ScriptedUserPort port;
        C(0).ReviewDiscipline();
        if (*c.fragment) {
            ASSERT_EQ(port.Boxes().size(), 1u) << c.n << "/" << c.rank;
            EXPECT_TRUE(port.AskedText(c.fragment)) << c.n << "/" << c.rank;
            EXPECT_TRUE(port.AskedText(ManagerOf(0).GetName()));
        } else {
            EXPECT_TRUE(port.Boxes().empty()) << c.n << "/" << c.rank;
        }
        const auto& box = User(0).GetInbox();
        if (c.code) {
            ASSERT_EQ(box.size(), inbox + 1) << c.n << "/" << c.rank;
            EXPECT_EQ(box.back().code, c.code);
        } else {
            EXPECT_EQ(box.size(), inbox) << c.n << "/" << c.rank;
        }
    }
}

TEST_F(Discipline, EqualPointsKeepClubOrderAndTheReviewWaitsForItsGames) {
    Division().SetClubRange(0, 20);
    SetRow(0, 10, 0, 0);  // every club on 0 points: club 0 listed first
    {
        ScriptedUserPort port;
        C(0).ReviewDiscipline();
        EXPECT_TRUE(port.AskedText("worst disciplinary record"));
    }
    for (auto [played, slots] : {std::pair{5, 38}, std::pair{36, 38}}) {
        for (int s = 0; s < 106; ++s) Division().SetCalendarSlot(s, s < slots ? uint8_t(s + 1) : uint8_t(200));
        SetRow(0, played, 0, 0);
        ScriptedUserPort port;
        C(0).ReviewDiscipline();
        EXPECT_TRUE(port.Boxes().empty()) << played;
    }
}

// Loans: club 1 lends a player to club 0 (human).
class LoanEnd : public Board {
protected:
    uint16_t Lend(int years) {
        const uint16_t id = AddPlayer(2);
        world.GetPlayer(id)->Person().SetContractYears(uint8_t(years));
        C(1).AddPlayerToSquad(id);
        C(1).LoanOutPlayer(id);
        C(0).LoanInPlayer(id);
        world.GetPlayer(id)->StartLoan(1, 1);
        return id;
    }
    // Back at his club, whose count of men away has dropped by one.
    void ExpectBack(uint16_t id, int awayBefore) {
        EXPECT_LT(C(0).FindSlotOfPlayer(id), 0);
        EXPECT_GE(C(1).FindSlotOfPlayer(id), 0);
        EXPECT_EQ(C(1).GetPlayersOutsideSlots(), awayBefore - 1);
        EXPECT_EQ(world.GetPlayer(id)->m_LoanClub, -1);
        EXPECT_EQ(world.GetPlayer(id)->m_LoanWeeks, 0);
        EXPECT_NE(std::find(C(0).LoanDeals().begin(), C(0).LoanDeals().end(), id), C(0).LoanDeals().end());
    }
};

TEST_F(LoanEnd, APlayerOutOfContractIsNeverKept) {
    const uint16_t id = Lend(0);
    const int away = C(1).GetPlayersOutsideSlots();
    ScriptedUserPort port;
    EXPECT_TRUE(C(0).ProcessLoanEnd(C(0).FindSlotOfPlayer(id)));
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_TRUE(port.AskedText("are not prepared to extend his loan"));
    EXPECT_TRUE(std::string(User(0).GetNews().GetAt(User(0).GetNews().GetSize() - 1)->GetText()).find("has returned to Club 1") != std::string::npos);
    ExpectBack(id, away);
}

TEST_F(LoanEnd, TwoHumanManagersAgreeOrNotOnFourMoreWeeks) {
    MakeUser(1, 1);
    struct Case {
        int lender, borrower;
        bool back;
        std::vector<const char*> boxes;
    };
    const Case cases[] = {
        {kAnswerYes, kAnswerYes, false, {"Are you willing to extend", "Do you accept?"}},
        {kAnswerYes, kAnswerNo, true, {"Are you willing to extend", "Do you accept?", "has returned to Club 1"}},
        {kAnswerNo, 0, true, {"Are you willing to extend", "are not prepared to extend"}},
    };
    for (const Case& c : cases) {
        const uint16_t id = Lend(2);
        const int away = C(1).GetPlayersOutsideSlots();
        ScriptedUserPort port;
        port.AnswerNext(c.lender);
        if (c.borrower) port.AnswerNext(c.borrower);
        const bool back = C(0).ProcessLoanEnd(C(0).FindSlotOfPlayer(id));
        EXPECT_EQ(back, c.back);
        ASSERT_EQ(port.Boxes().size(), c.boxes.size());
        for (size_t i = 0; i < c.boxes.size(); ++i)
            EXPECT_NE(port.Boxes()[i].text.find(c.boxes[i]), std::string::npos) << c.boxes[i];
        if (back) {
            ExpectBack(id, away);
        } else {
            EXPECT_EQ(world.GetPlayer(id)->m_LoanWeeks, 4);
            EXPECT_GE(C(0).FindSlotOfPlayer(id), 0);
            EXPECT_EQ(C(1).GetPlayersOutsideSlots(), away);
        }
    }
}

TEST_F(LoanEnd, TheWeeklyStepSendsABorrowedPlayerBackWhenHisWeeksRunOut) {
    FillSquad(0, 20);
    const uint16_t id = Lend(0);
    const int away = C(1).GetPlayersOutsideSlots();
    world.GetPlayer(id)->m_LoanWeeks = 2;
    ScriptedUserPort port;
    C(0).ProcessWeekSquad(true);
    EXPECT_GE(C(0).FindSlotOfPlayer(id), 0);
    EXPECT_EQ(world.GetPlayer(id)->m_LoanWeeks, 1);
    C(0).ProcessWeekSquad(true);
    ExpectBack(id, away);
}

TEST_F(Board, AHumanClubsDayLeavesTheCurrentUserAsItFoundIt) {
    FillSquad(0, 22);
    for (int cur : {-1, 0}) {
        world.RestoreCurrentUser(cur);
        ScriptedUserPort port;
        for (int d = 0; d < 20; ++d) C(0).ProcessDay(false, true);
        EXPECT_EQ(world.GetCurrentUserIndex(), cur);
    }
}

// Near the league's end, with little break and a rough team: the day step
// asks about contracts and lets the board look at the discipline.
TEST_F(Board, AHumanClubsDayRunsTheBoardsBusinessNearTheSeasonsEnd) {
    for (int s = 0; s < 106; ++s) Division().SetCalendarSlot(s, s < 10 ? uint8_t(s + 1) : s == 10 ? 203 : 200);
    FillSquad(0, 22);
    world.GetPlayer(C(0).GetPlayerId(4))->Person().SetContractYears(1);
    const std::string lastYear = world.GetPlayer(C(0).GetPlayerId(4))->GetName();
    C(0).SetMatchInstructions({5, 5, 0, 0, 9});
    SetRow(0, 6, 0, 0);
    ManagerOf(0).Person().SetContractYears(4);
    ScriptedUserPort port;
    int moods = 0;
    for (int d = 0; d < 60; ++d) {
        C(0).ProcessDay(false, true);
        moods += User(0).GetTransferFlag();
        SetRow(0, 6, 0, 0);
    }
    EXPECT_TRUE(port.AskedText("worst disciplinary record"));
    EXPECT_TRUE(InboxHas(0, 163));
    EXPECT_TRUE(port.AskedText(lastYear + " is approaching the end"));
    EXPECT_GT(moods, 20);  // drawn every day
    EXPECT_LT(moods, 60);
}

// Now and then a human manager's player is away ill or hurt off the field;
// a computer club that is not running away with its league has no such days.
TEST_F(Board, OnlyAHumanClubsPlayersGoAbsentOffTheField) {
    FillSquad(0, 22);
    FillSquad(1, 22);
    auto absent = [&](int club) {
        int n = 0;
        for (int s = 0; s < kSquadSlots; ++s)
            if (const CPlayer* p = C(club).PlayerInSlot(s)) n += p->m_Injury >= 0;
        return n;
    };
    int humanDays = 0, computerDays = 0;
    ScriptedUserPort port;
    for (int d = 0; d < 300; ++d) {
        C(0).ProcessDay(false, true);
        C(1).ProcessDay(false, true);
        humanDays += absent(0) > 0;
        computerDays += absent(1) > 0;
    }
    EXPECT_GT(humanDays, 0);
    EXPECT_EQ(computerDays, 0);
}

TEST_F(Board, AComputerClubWithoutACoachHiresOneFromTheMarket) {
    CPopularity& row = *world.GetPopularityList().GetAt(C(1).GetPopularityIndex());
    row.m_StaffLevelMinimum = 20;
    row.m_StaffLevelRange = 40;
    ASSERT_NE(Country().GetStaffMarket(), nullptr);
    Country().GetStaffMarket()->RemoveAll();
    for (int ability : {10, 35, 70}) {
        CBasicEmployee e;
        e.m_JobKind = CBasicEmployee::kHeadCoach;
        e.m_Ability = uint8_t(ability);
        e.Person().SetSurname("Coach" + std::to_string(ability));
        Country().AddAvailableEmployee(e);
    }
    for (int d = 0; d < 50 && !C(1).Staff().FindKind(0); ++d) C(1).HireMissingCoach();
    const CEmployee* coach = C(1).Staff().FindKind(CBasicEmployee::kHeadCoach);
    ASSERT_NE(coach, nullptr);
    EXPECT_EQ(coach->m_Ability, 35);  // the one in the club's band
    EXPECT_GE(coach->Person().GetContractYears(), 1);
    EXPECT_LE(coach->Person().GetContractYears(), 5);
    EXPECT_EQ(Country().GetStaffMarket()->GetSize(), 2);
    C(1).HireMissingCoach();  // one is enough
    EXPECT_EQ(C(1).Staff().GetSize(), 1);
}

TEST_F(Board, TheBoardSellsToAComputerClubAtThePriceAgreedBefore) {
    Country().AddDivision(0);
    for (int c = 0; c < 20; ++c) FillSquad(c, 20);
    int sales = 0;
    for (uint32_t seed = 0; seed < 400 && sales < 3; ++seed) {
        platform::SeedRandom(seed);
        std::vector<uint16_t> before;
        for (int s = 0; s < kSquadSlots; ++s) before.push_back(C(1).GetPlayerId(s));
        for (uint16_t id : before)
            if (id != kEmptySlot) world.GetPlayer(id)->m_SparePrice = 123456.0;
        const double income = C(1).GetAccounts()->GetSeasonFigure(kTransferIncome);
        C(1).SellPlayerToOtherClub(false);
        for (uint16_t id : before) {
            if (id == kEmptySlot || C(1).FindSlotOfPlayer(id) >= 0) continue;
            ++sales;
            CClub* buyer = world.GetClubList().FindClubOfPlayer(id);
            ASSERT_NE(buyer, nullptr);
            EXPECT_NE(buyer, &C(0));  // never to a human manager's club
            EXPECT_EQ(world.GetPlayer(id)->m_SparePrice, -1.0);
            EXPECT_GT(C(1).GetAccounts()->GetSeasonFigure(kTransferIncome), income);
        }
        if (C(1).GetSquadSize() < 19) FillSquad(1, 2);
    }
    EXPECT_GT(sales, 0);
}

// Near ruin the board sells only when more than 18 of the club's own men
// are fit: two borrowed players at a squad of 17 own do not make it 19.
TEST_F(Board, BorrowedPlayersNeverTipTheBoardIntoAForcedSale) {
    Country().AddDivision(0);
    // Buyers with money and nobody in any position.
    for (int c = 1; c < 20; ++c) C(c).SetBankBalance(1e12);
    FillSquad(0, 17);
    for (int i = 0; i < 2; ++i) {
        const uint16_t id = AddPlayer(2);
        world.GetPlayer(id)->Football().m_Energy = 99;
        C(1).AddPlayerToSquad(id);
        C(1).LoanOutPlayer(id);
        C(0).LoanInPlayer(id);
        world.GetPlayer(id)->StartLoan(1, 8);
    }
    ASSERT_EQ(C(0).CountAvailablePlayers(), 19);
    world.GetPopularityList().GetAt(C(0).GetPopularityIndex())->m_PercentageValue = -5000.0;
    const double ruin = world.GetPopularityList().GetPercentValue(C(0).GetPopularityIndex(), Country().GetWageFactor());
    ASSERT_LT(ruin, 0.0);
    // Below half the ruin line, yet above it: a warning and a draw for a sale.
    auto runDays = [&](int days) {
        int sold = 0;
        platform::SeedRandom(7);
        for (int d = 0; d < days; ++d) {
            ScriptedUserPort port;
            C(0).SetWeekOpeningBalance(0.0);
            C(0).SetBankBalance(ruin * 0.75);
            const int before = int(C(0).GetSquadSize());
            C(0).ProcessHumanFinances();
            EXPECT_TRUE(C(0).IsHumanManaged());
            sold += before - int(C(0).GetSquadSize());
        }
        return sold;
    };
    EXPECT_EQ(runDays(200), 0);
    // Two more of its own and the board does sell.
    FillSquad(0, 2);
    EXPECT_GT(runDays(200), 0);
}

TEST_F(Board, PlayersInAHumanSquadAreKnownToHim) {
    MakeUser(2, 5);
    const uint16_t a = AddPlayer(1), b = AddPlayer(2), c = AddPlayer(3);
    C(2).SetPlayerId(0, a);
    C(1).SetPlayerId(0, b);
    EXPECT_TRUE(world.GetPlayer(a)->Football().IsKnownBy(5));
    EXPECT_FALSE(world.GetPlayer(b)->Football().IsKnownBy(5));
    EXPECT_EQ(world.GetPlayer(b)->Football().m_KnownMask, 0);
    C(2).SetPlayerId(1, kEmptySlot);
    world.GetPlayer(a)->Football().m_KnownMask = 0;
    C(2).SetPlayerId(1, c);
    world.GetPlayer(c)->Football().m_KnownMask = 0;
    C(2).SwapSquadSlots(0, 1);
    EXPECT_TRUE(world.GetPlayer(a)->Football().IsKnownBy(5));
    EXPECT_TRUE(world.GetPlayer(c)->Football().IsKnownBy(5));
}

TEST_F(Board, AnAbilityWithNoReportBehindItClearsOnlyTheReadersScoutedMark) {
    const uint16_t id = AddPlayer(2);
    C(3).AddPlayerToSquad(id);
    CSoccerPlayer& f = world.GetPlayer(id)->Football();
    f.SetScouted(0);
    f.SetScouted(1);
    world.RestoreCurrentUser(0);
    EXPECT_EQ(world.GetPlayer(id)->GetKnownAbility(false), 0);
    EXPECT_FALSE(f.IsScoutedBy(0));
    EXPECT_TRUE(f.IsScoutedBy(1));
}

}  // namespace
}  // namespace clubtest
