#pragma once
// A football nation: its names, currency, federation, divisions (top
// first), cups, news and, when followed in detail, its job markets.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/availableemployee.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/news.h"
#include "soccerclasses/owninglist.h"

class CCharityShield;
class CDivision;
class CListRows;
class CPlayOff;
struct CFixtureInfo;
class CPlayer;
class CPlayerList;
class CPlayerSearch;
class CPopularity;
class CClub;
class CFederationList;

inline constexpr const char* kCountryFile = "Data\\Country.bin";
inline constexpr int kCountrySelectionSize = 255;

inline constexpr uint8_t kFollowed = 0;     // followed in detail
inline constexpr uint8_t kNotFollowed = 2;  // results only

// Everything a start-up record holds, for the tools that write one.
struct CountryRecord {
    uint8_t id = 0;
    std::string name, thirdName, secondName;
    uint8_t federation = 0;
    int32_t firstFileValue = 0;
    uint8_t currency = 0;
    uint8_t thirdFileByte = 0;
    uint8_t followLevel = kNotFollowed;
    uint8_t wageFactor = 100;
    uint8_t boardReviewSwitch = 0;
    uint8_t federationRank = 0;
    int32_t seasonKind = 0;
    uint8_t seasonStartDay = 1;
    uint8_t seasonEndDay = 103;
    uint8_t baseRaceRow = 0;
    std::string text1, text2, text3;
    uint8_t firstFileByte = 0, secondFileByte = 0;
    std::vector<uint8_t> deadlineDays;
};

class CCountry {
public:
    CCountry() = default;
    explicit CCountry(const CountryRecord& record);
    ~CCountry();
    CCountry(const CCountry&) = delete;
    CCountry& operator=(const CCountry&) = delete;

    // One record of "Data\\Country.bin", the follow level as the file has it.
    void ReadStartupRecord(FILE* file);
    void WriteStartupRecord(FILE* file) const;
    // The saved-game record; a country without divisions writes and reads nothing.
    void Save(FILE* file) const;
    void Load(FILE* file);

    // Makes a country that is not followed followed in detail.
    void Activate();
    // Changes the follow level, creating or deleting the markets and giving
    // or taking the clubs' detailed records.
    void SetFollowLevel(uint8_t level);
    // As read from Country.bin, before any club exists: markets only.
    void SetInitialFollowLevel(uint8_t level);

    uint8_t GetId() const { return m_Id; }
    const CExtString& GetName() const { return m_Name; }
    const CExtString& GetSecondName() const { return m_SecondName; }
    const CExtString& GetThirdName() const { return m_ThirdName; }
    // The nationality word ("English").
    const CExtString& GetNationalityName() const { return m_SecondName; }
    uint8_t GetFederation() const { return m_Federation; }
    uint8_t GetCurrency() const { return m_Currency; }
    uint8_t GetFollowLevel() const { return m_FollowLevel; }
    bool IsFollowed() const { return m_FollowLevel == kFollowed; }
    uint8_t GetWageFactor() const { return m_WageFactor; }
    uint8_t GetBoardReviewSwitch() const { return m_BoardReviewSwitch; }
    uint8_t GetFederationRank() const { return m_FederationRank; }
    int32_t GetSeasonKind() const { return m_SeasonKind; }
    bool IsCalendarYearSeason() const { return m_SeasonKind != 0; }
    uint8_t GetSeasonStartDay() const { return m_SeasonStartDay; }
    uint8_t GetSeasonEndDay() const { return m_SeasonEndDay; }
    uint8_t GetBaseRaceRow() const { return m_BaseRaceRow; }
    uint8_t GetTransferWindow() const { return m_TransferWindow; }
    void SetTransferWindow(uint8_t open) { m_TransferWindow = open; }
    const CExtByteArray& GetDeadlineDays() const { return m_DeadlineDays; }
    void AddDeadlineDay(uint8_t day) { m_DeadlineDays.Add(day); }
    const CExtString& GetSeasonText() const { return m_SeasonText; }
    void RefreshSeasonText();
    const CExtString& GetRefereeNote() const { return m_RefereeNote; }
    void SetRefereeNote(const std::string& note) { m_RefereeNote = note; }
    CExtDWordArray& GetClubRanking() { return m_ClubRanking; }
    // The working club order (the ranking shuffled) and the newspaper's
    // headline text; neither is saved.
    const CExtDWordArray& GetWorkingClubOrder() const { return m_WorkingClubOrder; }
    void ReshuffleDivisionOrder();
    const std::string& GetPaperStory() const { return m_PaperStory; }
    // The country's newspaper: text 1 and 2 its front masthead, text 3 its
    // back page's title (i from 1; empty for another i); its emblem, 1 to
    // 23 for a league country; its colour scheme, 0 to 3.
    std::string GetNewspaperText(int i) const;
    uint8_t GetNewspaperLogo() const { return m_FirstFileByte; }
    uint8_t GetNewspaperScheme() const { return m_SecondFileByte; }
    void SetPaperStory(const std::string& text) { m_PaperStory = text; }

    int GetInterestRate() const { return 20; }
    double GetWeeklyInterestRate() const { return 0.003512338; }
    bool IsSeasonStartDay() const;

    // Divisions, top first, as indexes into the world's division list.
    void AddDivision(uint32_t division) { m_Divisions.Add(division); }
    int GetDivisionCount() const { return m_Divisions.GetSize(); }
    uint32_t GetDivisionIndex(int i) const { return m_Divisions.GetAt(i); }
    CDivision* GetDivision(int i) const;
    bool IsTopDivision(const CDivision* division) const;
    // -1 when the country has no division.
    int GetLastDivision() const;
    int FirstClubIndex() const;
    int LastClubIndex() const;

    // A random player of a random club of a random division; NULL, without
    // drawing further, when the country has no division or the drawn club
    // has no player (callers then take a name from a league country).
    CPlayer* GetRandomPlayer() const;

    // Play-offs, by the ids its divisions name them with.
    int AddPlayOff(uint8_t playOff);
    const CExtDWordArray& GetPlayOffs() const { return m_PlayOffs; }

    // Cups, play-offs, the shield and the transfer list
    // The world's shield of this country; NULL when it has none.
    CCharityShield* GetCharityShield() const;
    // Play-off i of the country's play-offs; NULL outside them.
    CPlayOff* GetPlayOff(int i) const;
    bool OwnsCup(const CCup* cup) const;
    // Whether the cup is one of the country's play-offs, and which.
    bool OwnsPlayOffCup(const CCup* cup) const { return GetPlayOffOfCup(cup) != nullptr; }
    CPlayOff* GetPlayOffOfCup(const CCup* cup) const;
    // The clubs the promotion play-off of the division below this one sends
    // up; 0 below the lowest division or for a division not of this country.
    uint8_t PlayOffKindBelow(const CDivision* division) const;
    // The first club of the order that the play-off of the division at
    // position i gives; once that play-off is cleared for the next season,
    // the division's recorded champion. -1 when there is neither.
    int GetPlayOffWinner(int i) const;
    // The club that takes a federation-cup berth of this kind (0 champion,
    // 1 runner-up, 2 cup finalist or qualifier, 3 second cup's winner, 4 the
    // first club of the ranking not yet entered, 7 the cup pair), the
    // country ranked r + 1 in its federation; -1 when every club is entered.
    int GetFederationCupEntrant(uint8_t kind, int rank) const;
    // The club's tie in one of the country's cups on the day; 0 when none.
    uint8_t FindCupFixture(int day, int club, CFixtureInfo& info) const;
    // The players on the country's transfer list (not owned).
    void AddTransferListedPlayer(CPlayer* player);
    const std::vector<CPlayer*>& GetTransferListedPlayers() const { return m_TransferListed; }
    // A deleted player must not stay listed.
    void RemoveTransferListedPlayer(const CPlayer* player);

    CCupList& GetCups() { return m_Cups; }
    const CCupList& GetCups() const { return m_Cups; }
    // The season text is refreshed, then one cup record of "Data\\cups.bin"
    // (after its country byte) is read and appended. nullptr when usable,
    // else what is wrong with the record, and nothing is appended.
    const char* AddCupFromFile(FILE* file, const CCup::Limits& limits,
                               const std::function<int(const CupNonLeagueRecord&)>& addNonLeague);

    // Referees, as indexes into the world's referee list.
    void AddReferee(uint32_t referee) { m_Referees.Add(referee); }
    int GetRefereeCount() const { return m_Referees.GetSize(); }
    // The day's rotation of referees: all of them, shuffled.
    void RefillRefereeRotation();
    // A referee of the division (world division index) from the rotation,
    // taken out of it; another referee of the rotation when none of the
    // division is left. An empty rotation is refilled first; -1 only for a
    // country without referees.
    int PickReferee(uint16_t divisionKey);
    int PickRefereeForTopDivision();
    int GetRotationSize() const { return m_RefereeRotation.GetSize(); }
    void FillRefereeList(CListRows& rows) const;
    // A division near the given one (world division index) for a squad
    // search: the one below on a draw of 0, the one above on 1 or 2, else
    // the same one. NULL for a country without divisions.
    CDivision* PickNearbyDivision(int division) const;

    // The day step's and the season's work.
    bool IsDeadlineDay(int day) const { return m_DeadlineDays.Find(static_cast<uint8_t>(day)) >= 0; }
    // On a deadline day the transfer window flips, and the news says which way.
    void CheckTransferDeadline(int day);
    // Today's season end, when today is the country's season end day:
    // titles, promotion and relegation, the club ranking. True when the
    // season ended.
    bool EndOfSeason();
    // The ranking: every club, top division first, in table order.
    void BuildClubRanking();
    // Only the referees whose filter value equals `filter`.
    void FillRefereeListFiltered(CListRows& rows, int filter) const;

    // Each calls the division's own filler on every division, top first.
    void FillClubInfoList(CListRows& rows, int withDivision, int withCountry) const;
    void FillDisciplineList(CListRows& rows) const;
    void FillClubList(CListRows& rows) const;
    void FillFixtureList(CListRows& rows) const;
    void FillTopScorerList(CListRows& rows) const;
    void FillPlayerCountList(CListRows& rows) const;
    void FillManagerList(CListRows& rows) const;
    void FillPlayerSearchList(CListRows& rows, const CPlayerSearch& search) const;
    void SearchClubsForPlayers(const CPlayerSearch& search, CPlayerList& players, int excludedClub,
                               std::vector<std::string>& names, CListRows* rows) const;

    // The job markets. Each gives none or does nothing for a country that is
    // not followed, where the markets do not exist.
    CAvailableYouth* GetAvailableYouth(int i) const;
    int FindAvailableYouth(const CAvailableYouth* youth) const;
    void RemoveAvailableYouth(int i);
    void FillAvailableYouthList(CListRows& rows) const;
    // The index of the n-th youngster (from 0) of that position, -1 for any
    // position; -1 when there are fewer.
    int FindAvailableYouthByPosition(int position, int n) const;
    CAvailableEmployee* GetAvailableEmployee(int i) const;
    CAvailableEmployee* PickAvailableEmployee(uint8_t kind, int lowest, int highest) const;
    void AddAvailableEmployee(const CBasicEmployee& employee);
    int FindAvailableEmployee(const CAvailableEmployee* employee) const;
    void RemoveAvailableEmployee(const CAvailableEmployee* employee);
    void FillAvailableEmployeeList(CListRows& rows, uint8_t kindFilter) const;
    void ClearMarkets();
    void UpdateStaffLists(const CPopularity& row, uint8_t divisionLevel, const CClub& club);
    // The clubs' approaches name places in the staff market: after entry
    // `removed` leaves they follow it; -1 when the market turned over.
    void StaffMarketChanged(int removed);
    CNewsList& GetNews() { return m_News; }
    CAvailableYouthList* GetYouthMarket() const { return m_YouthMarket.get(); }
    CAvailableEmployeeList* GetStaffMarket() const { return m_StaffMarket.get(); }

    void AddNews(const std::string& text, uint8_t category);
    void AddNewsById(unsigned textId, uint8_t category);
    void FillNewsStrings(std::vector<std::string>& out, const std::string& date) const;

    void SetCupFinalistA(int32_t club) { m_CupFinalistA = club; }
    void SetCupFinalistB(int32_t club) { m_CupFinalistB = club; }
    void SetCupQualifier(int slot, int32_t club) {
        if (slot == 0 || slot == 1) m_CupQualifiers[slot] = club;
    }
    void SetSecondCupFinalistA(int32_t club) { m_SecondCupFinalistA = club; }
    void SetSecondCupFinalistB(int32_t club) { m_SecondCupFinalistB = club; }
    void SetCupPairFirst(int32_t club) { m_CupPairFirst = club; }
    void SetCupPairSecond(int32_t club) { m_CupPairSecond = club; }
    int32_t GetCupFinalistA() const { return m_CupFinalistA; }
    int32_t GetCupFinalistB() const { return m_CupFinalistB; }
    int32_t GetCupQualifier(int slot) const { return m_CupQualifiers[slot & 1]; }
    int32_t GetSecondCupFinalistA() const { return m_SecondCupFinalistA; }
    int32_t GetSecondCupFinalistB() const { return m_SecondCupFinalistB; }
    int32_t GetCupPairFirst() const { return m_CupPairFirst; }
    int32_t GetCupPairSecond() const { return m_CupPairSecond; }
    void SwapClubIndexes(int32_t a, int32_t b);

    double ToBaseMoney(double amount) const;
    double ToLocalMoney(double amount) const;
    int32_t ToBaseWhole(uint32_t amount) const;
    void FormatMoney(std::string& out, double amount) const;
    void FormatMoneyDecimals(std::string& out, double amount) const;

private:
    void CreateMarkets();
    void DeleteMarkets();

    CExtString m_Name;
    CExtString m_SecondName;
    CExtString m_ThirdName;
    CExtDWordArray m_ClubRanking;
    CExtDWordArray m_WorkingClubOrder;
    std::string m_PaperStory;
    CExtString m_SeasonText;
    CExtString m_Text1, m_Text2, m_Text3;
    CExtString m_RefereeNote;
    CExtDWordArray m_Divisions;
    CExtDWordArray m_PlayOffs;
    std::vector<CPlayer*> m_TransferListed;  // not saved
    CExtDWordArray m_Referees;
    CExtDWordArray m_RefereeRotation;
    CExtByteArray m_DeadlineDays;
    CCupList m_Cups;
    std::unique_ptr<CAvailableYouthList> m_YouthMarket;
    std::unique_ptr<CAvailableEmployeeList> m_StaffMarket;
    CNewsList m_News;
    int32_t m_FirstFileValue = 0;
    int32_t m_CupFinalistA = -1, m_CupFinalistB = -1;
    int32_t m_CupQualifiers[2] = {-1, -1};
    int32_t m_SecondCupFinalistA = -1, m_SecondCupFinalistB = -1;
    int32_t m_CupPairFirst = -1, m_CupPairSecond = -1;
    int32_t m_SeasonKind = 0;
    int32_t m_FixedValue = 11;
    uint8_t m_BoardReviewSwitch = 0;
    uint8_t m_TransferWindow = 1;
    uint8_t m_SeasonStartDay = 0;
    uint8_t m_SeasonEndDay = 0;
    uint8_t m_BaseRaceRow = 0;
    uint8_t m_FirstFileByte = 0;
    uint8_t m_SecondFileByte = 0;
    uint8_t m_Id = 0;
    uint8_t m_Currency = 0;
    uint8_t m_Federation = 0;
    uint8_t m_FollowLevel = kNotFollowed;
    uint8_t m_WageFactor = 100;
    uint8_t m_FederationRank = 0;
    uint8_t m_ThirdFileByte = 0;
};

// Gives a country's clubs their accounts and full records when it becomes
// followed (true), or takes them away when it stops (false). The clubs code
// installs it; until then nothing happens.
using ClubActivationHook = std::function<void(CCountry& country, bool followed)>;
void SetClubActivationHook(ClubActivationHook hook);

class CCountryList : public OwningList<CCountry> {
public:
    // Reads "Data\\Country.bin" against the world's currencies, federations
    // and country selection; throws DataFileError when missing or damaged.
    CCountryList();
    struct Empty {};
    explicit CCountryList(Empty) {}

    // Reads the records of an open channel file. A record whose id is not
    // its index, or which names a currency or federation that does not
    // exist, or has a wage factor of 0, marks the file damaged. Each country
    // joins its federation's members; it is followed when its own non-zero
    // id occurs in `selection`.
    void Read(FILE* file, int currencyCount, CFederationList& federations, const uint8_t* selection);
    void WriteStartupFile(FILE* file) const;
    // Every country in order, with no count.
    void Save(FILE* file) const;
    void Load(FILE* file);

    int FindByName(const std::string& name) const;
    // A random followed country with divisions; NULL without drawing when none.
    CCountry* GetRandomLeagueCountry() const;
    // To one country, or to every country with -1.
    void AddNews(int country, const std::string& text);

    // The day step's loops over every country.
    // Seasons that start today start; every rotation of referees is refilled.
    void StartDay();
    // Every country's cup ties of today (its season text refreshed first);
    // what the last country's cups gave, a when there is no country.
    int PlayCupDay(int a);
    // Every country's cup draws of today.
    void DrawCups();
    // Saturdays: news trimmed, and for followed countries the clubs' weekly
    // work, the transfer market, the deadline check and the weeks listed.
    void ProcessWeek(int a);
    // The other match day: news trimmed, the deadline check, the market.
    void ProcessMidweek();
    // True when some country ended its season today.
    bool EndOfSeasonAll();
    // The new game's loops: the transfer lists stocked, the club rankings.
    void PrepareDivisions();
    void BuildClubRankings();
    // The countries whose season follows the calendar year replay theirs
    // from its start up to today, league and cups.
    void StartCalendarYearSeasons();
};

// News items a country keeps from week to week.
inline constexpr int kCountryNewsKept = 40;
// The news of a deadline day: the window has closed, or opened again.
inline constexpr unsigned kDeadlinePassedText = 578;
inline constexpr unsigned kWindowOpenedText = 38000;
