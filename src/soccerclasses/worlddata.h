#pragma once
// The one game world: it owns every list of the game model, the 17 league
// schedules, the clock, the object pools and the current human manager.
// Model code reaches it only through GetWorldData().
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "soccerclasses/gameflags.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/division.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/stadium.h"

struct CAggression;
class CAggressionList;
class CDivisionStrength;
class CPopularity;
struct CSkillMoneyValue;
class CAvailableEmployee;
class CListRows;
class CPlayerSearch;
class CDivisionStrengthList;
class CFixture;
class CFixtureList;
class CFriendlyMatchList;
class CMatchEvent;
class CMatchEventList;
class CMatchPlay;
class CMatchVars;
class CPopularityList;
class CSkillMoneyValueList;
class CSoccerPlayerCareerPathList;
class CSubstitutionVars;
class UserPort;

inline constexpr const char* kFixturesFile = "Data\\fixtures.bin";
inline constexpr int kScheduleCount = 17;
// The club counts of the schedules, as the world keeps them (largest first).
inline constexpr int kScheduleClubCounts[kScheduleCount] = {26, 24, 22, 20, 19, 18, 17, 16, 15,
                                                            14, 13, 12, 11, 10, 9,  8,  6};
// A double round robin of n clubs: 2n(n − 1) bytes.
constexpr int ScheduleBytes(int clubs) { return 2 * clubs * (clubs - 1); }

class CWorldData {
public:
    // Builds the world from the start-up files; throws DataFileError when one
    // is missing or damaged.
    CWorldData();
    // A world without files, for tests and tools: empty tables and schedules.
    struct Empty {};
    explicit CWorldData(Empty);
    ~CWorldData();
    CWorldData(const CWorldData&) = delete;
    CWorldData& operator=(const CWorldData&) = delete;

    // Deletes the lists of a game; the tables the constructor read stay.
    void ClearGame();

    // The schedules of "Data\\fixtures.bin" (no header, smallest first).
    void ReadSchedules(FILE* file);
    static void WriteSchedules(FILE* file, const std::array<CExtByteArray, kScheduleCount>& smallestFirst);
    // The schedule for a club count; NULL when no schedule has that count.
    const CExtByteArray* GetSchedule(int clubs) const;

    CPlayerList& GetPlayerList() { return *m_Players; }
    CInjuryList& GetInjuryList() { return *m_Injuries; }
    CContractClauseList& GetContractClauseList() { return *m_ContractClauses; }
    CSoccerRefereeList& GetRefereeList() { return *m_Referees; }
    CPlayOffList& GetPlayOffList() { return *m_PlayOffs; }
    CCharityShieldList& GetCharityShieldList() { return *m_Shields; }
    CClubList& GetClubList() { return *m_Clubs; }
    CCountryList& GetCountryList() { return *m_Countries; }
    const CCountryList& GetCountryList() const { return *m_Countries; }
    CFederationList& GetFederationList() { return *m_Federations; }
    CFriendlyMatchList& GetFriendlyMatchList() { return *m_Friendlies; }
    CFederationCupList& GetFederationCupList() { return *m_FederationCups; }
    CManagerList& GetManagerList() { return *m_Managers; }
    CCurrencyList& GetCurrencyList() { return *m_Currencies; }
    const CCurrencyList& GetCurrencyList() const { return *m_Currencies; }
    CDivisionList& GetDivisionList() { return *m_Divisions; }
    const CDivisionList& GetDivisionList() const { return *m_Divisions; }
    CDivisionStrengthList* GetDivisionStrengthList() { return m_DivisionStrengths.get(); }
    CPopularityList& GetPopularityList() { return *m_Popularity; }
    CAggressionList& GetAggressionList() { return *m_Aggression; }
    CUserList& GetUserList() { return *m_Users; }
    CSoccerPlayerCareerPathList& GetCareerPathList() { return *m_CareerPaths; }
    CSkillMoneyValueList& GetSkillMoneyValueList() { return *m_SkillMoney; }
    CStadiumList& GetStadiumList() { return *m_Stadiums; }
    CStadiumPlanList& GetStadiumPlanList() { return *m_StadiumPlans; }
    CNonLeagueClubList& GetNonLeagueClubList() { return *m_NonLeagueClubs; }
    CMatchPlay* GetMatchPlay() { return m_MatchPlay.get(); }
    CMatchVars* GetMatchVars() { return m_MatchVars.get(); }
    CSubstitutionVars* GetSubstitutionVars() { return m_SubstitutionVars.get(); }

    CClub* GetClub(int i) const { return m_Clubs->GetAt(i); }
    CCountry* GetCountry(int i) const { return m_Countries->GetAt(i); }
    CDivision* GetDivision(int i) const { return m_Divisions->GetAt(i); }
    CFederation* GetFederation(int i) const { return m_Federations->GetAt(i); }
    CCurrency* GetCurrency(int i) const { return m_Currencies->GetAt(i); }
    CHumanManager* GetUser(int i) { return m_Users->GetAt(i); }
    // NULL outside the list.
    CPlayer* GetPlayer(int i) const { return m_Players->GetAt(i); }
    CNonLeagueClub* GetNonLeagueClub(int i) const { return m_NonLeagueClubs->GetAt(i); }
    // Club i for i >= 0, non-league club -i - 1 otherwise; empty when none.
    std::string GetTeamName(int i) const;

    // Element i of a list; NULL outside it.
    CSoccerReferee* GetReferee(int i) const;
    CFederationCup* GetFederationCup(int i) const;
    CStadium* GetStadium(int i) const;
    CManager* GetManager(int i) const;
    CDivisionStrength* GetDivisionStrength(int i) const;
    CPopularity* GetPopularity(int i) const;
    CAggression* GetAggression(int i) const;
    CInjury* GetInjury(int i) const;
    CPlayOff* GetPlayOff(int i) const;
    CCharityShield* GetCharityShield(int i) const;
    // The skill-money row of a skill, and its middle value.
    const CSkillMoneyValue& GetSkillMoneyValueEntry(int skill) const;
    int GetSkillMoneyValue(int skill) const;
    uint8_t PickCareerPath() const;
    uint8_t PickCareerPathFromSecondGroup() const;
    // 65535 when the player is not in the list.
    int FindPlayerIndex(const CPlayer* player) const;
    // -1 when the club is not in the list.
    int GetClubIndex(const CClub* club) const;
    // A blank injury in the first free slot; its index.
    int NewInjury();
    // Every user slot that holds the manager is left without one.
    void RemoveManagerFromUsers(int32_t manager);
    // Appends a non-league club of the country; its index.
    int AddNonLeagueClub(const std::string& name, int32_t stadium, const CCountry& country, const CKits& home,
                         const CKits& away);
    void AddFriendly(int home, int away, uint8_t matchDay);
    // Every friendly the club plays in goes.
    void RemoveFriendlies(int club);
    // The friendly of home against away; NULL when none was arranged.
    CFixture* FindFriendly(int home, int away) const;
    // The clock's date: days since 1970.
    int32_t GetTime() const { return m_Clock.GetDays(); }
    // "03 Jul 99".
    std::string GetShortDateString() const;
    // The view the screens show, reached through the port.
    UserPort& GetActiveView() const;

    // The clock.
    CMatchTime& GetClock() { return m_Clock; }
    CMatchTime GetMatchTime() const { return m_Clock; }
    int GetWeek() const { return m_Clock.GetWeek(); }
    int GetMatchDay() const { return m_Clock.GetMatchDay(); }
    int GetSeason() const { return m_Clock.GetSeason(); }
    int GetMonth() const { return m_Clock.GetMonth(); }
    bool IsSaturday() const { return m_Clock.IsSaturday(); }
    void NextMatchDay() { m_Clock.NextMatchDay(); }
    uint8_t PreviousMatchDay() { return m_Clock.PreviousMatchDay(); }
    std::string GetDateText() const;
    std::string GetDayMonthYearText() const;
    std::string GetMonthEndText() const;
    bool IsLastMatchDayOfMonth() const { return m_Clock.IsFirstMatchDayOfMonth(); }
    std::string GetSeasonText(int kind) const;
    std::string GetFutureDateText(int n) const;

    int32_t GetClubCount() const { return m_ClubCount; }
    void SetClubCount(int32_t n) { m_ClubCount = n; }
    unsigned GetFinanceCategoryStringId(int i) const { return m_FinanceIds.GetAt(i); }
    uint32_t GetListColour(int i) const { return m_Colours.at(static_cast<size_t>(i)); }
    static bool IsPositionCompatible(int a, int b);
    // 1 once a game has been set up or loaded; 0 while a new game replays
    // its first season up to its start date (matches then get random scores).
    // The program's one game-in-progress flag (gameflags.h).
    uint8_t GetGameInProgress() const { return g_bGameInProgress; }
    void SetGameInProgress(uint8_t v) { g_bGameInProgress = v; }
    uint8_t GetNewGameFlag() const { return m_NewGameFlag; }
    void SetNewGameFlag(uint8_t v) { m_NewGameFlag = v; }
    const CExtString& GetSaveMarker() const { return m_SaveMarker; }
    const CExtString& GetHeaderString() const { return m_HeaderString; }
    const std::string& GetStartFolder() const { return m_StartFolder; }

    // The new game's choice of countries: byte i is i when country i takes part.
    uint8_t* GetCountrySelection() { return m_CountrySelection.data(); }
    const uint8_t* GetCountrySelection() const { return m_CountrySelection.data(); }
    void SelectCountry(int id, bool selected);
    void ClearCountrySelection() { m_CountrySelection.fill(0); }

    // Reads "Data\\fed.bin" and "Data\\Country.bin" into new lists; the
    // countries are followed as the selection says.
    void ReadFederationsAndCountries();
    void ReadFederations();
    void ReadCountries();

    // One day step, from this match day to the next, with all the day's,
    // week's, month's and season's work. a = 1 holds a human manager's
    // matches back for the match-day screen; (0, 1) looks for the human
    // managers' matches and hands the day to the view. 1 when the run of
    // days must stop.
    int ProcessDay(int a, int b);
    // Days run one after another until one stops (a notice for the user,
    // nobody left in play), a human manager's club plays, or the current
    // user has no job; the inboxes start empty each day. Then the newspaper.
    void Continue();
    // The progress line of step k of the day (1 to 8).
    void StepDayProgress(int k);
    void ShowProgressPhase3();
    void ShowProgressPhase5();
    // The day step's parts for the shields, play-offs and federation cups:
    // the federation cups' season start (phase 2), the day's ties of the
    // three with `a` passed on (phase 2, true when any played), their draws
    // after the countries' (phase 5), and the federation cups' closing work
    // (phase 9).
    void StartFederationCupSeason();
    bool PlayKnockOutCompetitionsToday(int a);
    void DrawKnockOutCompetitions();
    void CloseFederationCupDay();
    // The season in which the game ends.
    static constexpr int kLastSeason = 30;

    // A new game, one stage (0 to 6) at a time, from the country selection;
    // any other stage does nothing. A missing or damaged start-up file
    // throws DataFileError. The game-in-progress flag stays 0 throughout.
    void NewGame(int stage);
    // The replay flag: 1 only while the new game replays the season's
    // opening days (the computer clubs neither hire nor trade then).
    bool IsReplayingNewGame() const { return m_NewGameFlag != 0; }

    // Saving and loading a game (".qzs" files in the save folder).
    // The save goes to a temporary file that replaces the old one only when
    // fully written; any failure shows 406 and leaves the old file. True
    // when the game was written.
    bool SaveGame(const std::string& path) const;
    // Builds a fresh world from the file's country selection, reads the
    // file into it and, only when the whole file read well, makes it the
    // world (AdoptWorld). 1 when loaded; 0, with 410 or 411 shown and the
    // running game untouched, otherwise.
    static int LoadGame(const std::string& path);
    // The save dialog ("qzs" appended when the extension is not exactly
    // that; 405 before overwriting, No asks again). True when saved.
    bool SaveGameDialog() const;
    // The open dialog only: 1 with the chosen path, 0 when cancelled.
    static int ChooseSavedGame(std::string& path);
    // Choose and load; a path whose extension is not exactly "qzs" is
    // refused with 411. LoadGame's result, 0 when nothing was loaded.
    static int LoadGameDialog();
    // The whole saved game after it was opened, into this world's lists:
    // false when the file is damaged in any way (this world is then spoilt).
    bool ReadSavedGame(FILE* file);
    // The saved game's sections after the clock, in their order.
    void SaveSections(FILE* file) const;
    // False when a marker differs or the file is damaged.
    bool LoadSections(FILE* file);
    CCountry* GetRandomLeagueCountry() const { return m_Countries->GetRandomLeagueCountry(); }
    void AddCountryToFederation(uint32_t country, int federation) { m_Federations->AddCountry(country, federation); }
    // The display currency becomes the currency of exchange-table country of
    // the exchange choice; nothing while that country does not exist.
    void SetDisplayCurrencyFromExchange();
    // The options screen's change: under option 1 the exchange choice goes
    // back to 1; the display currency follows the choice and both options
    // are written to the profile. The currency list is not re-read.
    void ChangeCurrencyOptions(uint8_t option, uint8_t exchangeChoice);

    // The current user: a user slot 0..7, -1 for none.
    int32_t GetCurrentUserIndex() const { return m_CurrentUser; }
    bool SetCurrentUser(int i);
    void SelectFirstHumanUser();
    // Moves the user slots without a manager behind those with one; each
    // player's knowledge bit moves with its slot, and the bits of the
    // emptied slots are cleared.
    void CompactUsers();
    void SetCurrentUserByManager(int32_t manager);
    void ResetCurrentUser();
    // Puts back a current user remembered earlier, -1 included.
    void RestoreCurrentUser(int32_t user);
    CHumanManager* GetCurrentUser();
    // The current user's data, after making sure the current slot has a
    // manager (the first slot with one otherwise): NULL when none.
    CManager* GetCurrentManager();
    CCountry* GetCurrentCountry();
    CDivision* GetCurrentDivision();
    // The current user's data as it stands: NULL or empty when the current
    // user is -1 or its slot has no manager.
    CClub* GetCurrentClub();
    std::string GetCurrentManagerName();
    std::string GetCurrentClubName();
    // The index of the club with that name; 65535 when none has it.
    int FindClubByName(const std::string& name) const;
    int GetHumanManagerCount() const { return m_Users->GetManagerCount(); }
    bool HasHumanManager() const { return m_Users->FindFirstWithManager() >= 0; }
    // The current user's club's country's staff market, after re-selection;
    // NULL when there is none or i is outside it.
    CAvailableEmployee* GetAvailableEmployee(int i);
    int FindAvailableEmployee(const CAvailableEmployee* employee);
    // The tactics screen's choice for the current user's club; nothing when
    // the current user is -1.
    void QueryCurrentClub(int tactic);
    // Moves two clubs into each other's places and divisions; every list
    // that names them follows.
    void SwapClubs(int a, int b);
    // The shields' qualified clubs and the federation cups' holders and
    // entrants follow two clubs that exchange their slots.
    void SwapCompetitionClubIndexes(int a, int b);
    // Exchanges the table positions of two clubs; nothing for one club.
    void SwapClubOrderBytes(int a, int b);
    // The custom byte of the current user's formation i: non-zero for the
    // twenty formations of his own; 0 without a current user.
    uint8_t GetTacticSettingByte(int i);
    // The current user's transfer search; null without a current user.
    CPlayerSearch* GetCurrentPlayerSearch();
    // The discipline screen's lists: every member country of every
    // federation passes the list to each of its divisions or referees.
    void FillDivisionRowsA(CListRows& rows, int flagA, int flagB);
    void FillDivisionRowsB(CListRows& rows);
    void FillRefereeRows(CListRows& rows);
    // True when two human managers' clubs play on the date in different
    // fixtures. The selected user slot is current again afterwards.
    bool IsHumanMatchDay(const CMatchTime& date);
    // The saved game's closing sections: a marker, the divisions, the
    // friendlies and the stadiums. Loading reads into the lists that stand
    // and gives false when the marker is wrong.
    void SaveCompetitionSections(FILE* file) const;
    bool LoadCompetitionSections(FILE* file);
    // The current user's formations; none, 0 or empty when there is no
    // current user. The settings are those of the current formation.
    int GetTacticCount();
    int GetCurrentTactic();
    std::string GetTacticName(int i);
    void SetTacticName(int i, const std::string& name);
    std::string GetTacticLabel(int i);
    uint8_t GetTacticLevelA();  // attack or defence, 0..9
    uint8_t GetTacticLevelB();  // passing style, 0..9
    uint8_t GetTacticLevelC();  // team aggression, 0..9
    uint8_t GetTacticFlagA();   // attack on the break
    uint8_t GetTacticFlagB();   // offside trap
    void SetTacticLevelA(uint8_t v);
    void SetTacticLevelB(uint8_t v);
    void SetTacticLevelC(uint8_t v);
    void SetTacticFlagA(uint8_t v);
    void SetTacticFlagB(uint8_t v);
    // The screens' selected user slot, which ResetCurrentUser restores.
    static uint8_t& SelectedUserSlot();

    void RefreshTree();
    void ShowProgress(int total, const std::string& text, int step, int flag);

    // Pools of idle objects.
    std::unique_ptr<CFixture> NewFixture();
    void FreeFixture(std::unique_ptr<CFixture> fixture);
    std::unique_ptr<CMatchEvent> NewMatchEvent();
    void FreeMatchEvent(std::unique_ptr<CMatchEvent> event);
    int GetFixturePoolSize() const;
    int GetMatchEventPoolSize() const;

private:
    void BuildTables();
    void CreateGameLists();

    std::unique_ptr<CMatchPlay> m_MatchPlay;
    std::unique_ptr<CMatchVars> m_MatchVars;
    std::unique_ptr<CSubstitutionVars> m_SubstitutionVars;
    int32_t m_ClubCount = 0;
    std::array<CExtByteArray, kScheduleCount> m_Schedules;
    std::unique_ptr<CFriendlyMatchList> m_Friendlies;
    std::unique_ptr<CFederationList> m_Federations;
    std::unique_ptr<CDivisionStrengthList> m_DivisionStrengths;
    std::unique_ptr<CCountryList> m_Countries;
    std::unique_ptr<CDivisionList> m_Divisions;
    std::unique_ptr<CClubList> m_Clubs;
    std::unique_ptr<CStadiumList> m_Stadiums;
    std::unique_ptr<CPlayerList> m_Players;
    std::unique_ptr<CManagerList> m_Managers;
    std::unique_ptr<CSoccerRefereeList> m_Referees;
    std::unique_ptr<CCurrencyList> m_Currencies;
    std::unique_ptr<CPopularityList> m_Popularity;
    std::unique_ptr<CAggressionList> m_Aggression;
    std::unique_ptr<CFederationCupList> m_FederationCups;
    std::unique_ptr<CInjuryList> m_Injuries;
    std::unique_ptr<CUserList> m_Users;
    std::unique_ptr<CStadiumPlanList> m_StadiumPlans;
    std::unique_ptr<CPlayOffList> m_PlayOffs;
    std::unique_ptr<CCharityShieldList> m_Shields;
    std::unique_ptr<CNonLeagueClubList> m_NonLeagueClubs;
    CMatchTime m_Clock;
    std::unique_ptr<CContractClauseList> m_ContractClauses;
    std::unique_ptr<CSoccerPlayerCareerPathList> m_CareerPaths;
    std::unique_ptr<CSkillMoneyValueList> m_SkillMoney;
    std::unique_ptr<CFixtureList> m_FixturePool;
    std::unique_ptr<CMatchEventList> m_MatchEventPool;
    CExtString m_SaveMarker;
    CExtString m_HeaderString;
    std::string m_StartFolder;
    uint8_t m_NewGameFlag = 0;
    int32_t m_CurrentUser = -1;
    int32_t m_PreviousUser = -1;
    CExtDWordArray m_FinanceIds;
    std::array<uint32_t, 21> m_Colours{};
    std::array<uint8_t, kCountrySelectionSize> m_CountrySelection{};
};

// The world the application installed; NULL before one is.
CWorldData* GetWorldData();
void SetWorldData(CWorldData* world);

// Installs a world for its lifetime and puts back the one before.
class ScopedWorld {
public:
    explicit ScopedWorld(CWorldData* world) : m_Previous(GetWorldData()) { SetWorldData(world); }
    ~ScopedWorld() { SetWorldData(m_Previous); }
    ScopedWorld(const ScopedWorld&) = delete;
    ScopedWorld& operator=(const ScopedWorld&) = delete;

private:
    CWorldData* m_Previous;
};

// Who owns the world the program runs: a load hands its fresh world here.
// The application installs its own owner; without one, the world is kept
// here (deleting the one kept before) and installed.
using WorldOwner = std::function<void(std::unique_ptr<CWorldData>)>;
void SetWorldOwner(WorldOwner owner);
void AdoptWorld(std::unique_ptr<CWorldData> world);

// Puts every module-wide state back as at start-up: the channel, the
// display currency, the generator, the installed world and the port.
void ResetModuleState();

// Start-up: reads the currency options and builds the world from the
// start-up files. A missing or damaged file is shown through the port
// ("ERROR! Cannot find file : %s") and gives NULL; the program then ends
// with a non-zero exit code.
std::unique_ptr<CWorldData> StartWorld();
