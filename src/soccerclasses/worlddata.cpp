#include "soccerclasses/worlddata.h"

#include <unistd.h>

#include "platform/random.h"
#include "soccerclasses/careerpath.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/skillmoneyvalue.h"
#include "soccerclasses/userport.h"

namespace {

CWorldData*& Installed() {
    static CWorldData* world = nullptr;
    return world;
}

constexpr unsigned kFinanceIds[17] = {379, 381, 382, 383, 384, 385, 386, 387, 388,
                                      389, 390, 391, 392, 393, 394, 748, 945};

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

constexpr uint32_t kColours[21] = {
    Rgb(142, 255, 159), Rgb(255, 255, 128), Rgb(131, 175, 255), Rgb(255, 205, 132), Rgb(255, 221, 240),
    Rgb(221, 250, 255), Rgb(248, 248, 160), Rgb(150, 210, 150), Rgb(250, 180, 100), Rgb(255, 221, 240),
    Rgb(221, 250, 255), Rgb(248, 248, 160), Rgb(150, 210, 150), Rgb(250, 180, 100), Rgb(255, 221, 240),
    Rgb(21, 250, 255),  Rgb(248, 248, 160), Rgb(150, 210, 150), Rgb(250, 180, 100), Rgb(150, 220, 100),
    Rgb(250, 180, 100),
};

constexpr uint8_t kPositionMatrix[16][16] = {
    {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1}, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1},
    {1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1},
    {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1},
    {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0},
};

}  // namespace

CWorldData* GetWorldData() { return Installed(); }
void SetWorldData(CWorldData* world) { Installed() = world; }

namespace {

WorldOwner& InstalledOwner() {
    static WorldOwner owner;
    return owner;
}

std::unique_ptr<CWorldData>& KeptWorld() {
    static std::unique_ptr<CWorldData> world;
    return world;
}

}  // namespace

void SetWorldOwner(WorldOwner owner) { InstalledOwner() = std::move(owner); }

void AdoptWorld(std::unique_ptr<CWorldData> world) {
    CWorldData* raw = world.get();
    SetWorldData(raw);
    if (InstalledOwner())
        InstalledOwner()(std::move(world));
    else
        KeptWorld() = std::move(world);
    SetWorldData(raw);
}

void ResetModuleState() {
    ResetGameFileChannel();
    ResetCurrencyDisplay();
    platform::ClearRandomScript();
    SetMatchDriver(nullptr);
    platform::SeedRandom(1);
    SetWorldData(nullptr);
    KeptWorld().reset();
    SetWorldData(nullptr);
    InstalledOwner() = nullptr;
    SetUserPort(nullptr);
    SetClubActivationHook(nullptr);
    ResetGameFlags();
}

void CWorldData::BuildTables() {
    m_CurrentUser = -1;
    m_MatchPlay = std::make_unique<CMatchPlay>();
    m_MatchVars = std::make_unique<CMatchVars>();
    m_SubstitutionVars = std::make_unique<CSubstitutionVars>();
    m_SaveMarker = "BXQT";
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) m_StartFolder = cwd;
    for (unsigned id : kFinanceIds) m_FinanceIds.Add(id);
    std::copy(std::begin(kColours), std::end(kColours), m_Colours.begin());
    for (int i = 0; i < kScheduleCount; ++i)
        m_Schedules[static_cast<size_t>(i)].SetSizeAndFill(ScheduleBytes(kScheduleClubCounts[i]), 0);
    m_FixturePool = std::make_unique<CFixtureList>();
    m_MatchEventPool = std::make_unique<CMatchEventList>();
    CreateGameLists();
}

CWorldData::CWorldData() {
    BuildTables();
    // The order the tables were always built in.
    m_Currencies = std::make_unique<CCurrencyList>();
    m_DivisionStrengths = std::make_unique<CDivisionStrengthList>();
    m_Popularity = std::make_unique<CPopularityList>(CPopularityList::kFile);
    m_Aggression = std::make_unique<CAggressionList>();
    FILE* f = OpenDataFile(kFixturesFile);
    ReadSchedules(f);
    CloseDataFile(f, kFixturesFile);
    m_CareerPaths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
    m_SkillMoney = std::make_unique<CSkillMoneyValueList>(CSkillMoneyValueList::kFile);
}

CWorldData::CWorldData(Empty) {
    BuildTables();
    m_Currencies = std::make_unique<CCurrencyList>(CCurrencyList::Empty{});
    m_Popularity = std::make_unique<CPopularityList>();
    m_Aggression = std::make_unique<CAggressionList>();
    m_CareerPaths = std::make_unique<CSoccerPlayerCareerPathList>();
    m_SkillMoney = std::make_unique<CSkillMoneyValueList>();
}

CWorldData::~CWorldData() {
    if (Installed() == this) Installed() = nullptr;
}

void CWorldData::CreateGameLists() {
    m_Friendlies = std::make_unique<CFriendlyMatchList>();
    m_Federations = std::make_unique<CFederationList>(CFederationList::Empty{});
    m_Countries = std::make_unique<CCountryList>(CCountryList::Empty{});
    m_Divisions = std::make_unique<CDivisionList>();
    m_Clubs = std::make_unique<CClubList>();
    m_Stadiums = std::make_unique<CStadiumList>();
    m_Players = std::make_unique<CPlayerList>();
    m_Managers = std::make_unique<CManagerList>();
    m_Referees = std::make_unique<CSoccerRefereeList>();
    m_FederationCups = std::make_unique<CFederationCupList>();
    m_Injuries = std::make_unique<CInjuryList>();
    m_Users = std::make_unique<CUserList>();
    m_StadiumPlans = std::make_unique<CStadiumPlanList>();
    m_PlayOffs = std::make_unique<CPlayOffList>();
    m_Shields = std::make_unique<CCharityShieldList>();
    m_NonLeagueClubs = std::make_unique<CNonLeagueClubList>();
    m_ContractClauses = std::make_unique<CContractClauseList>();
    m_Clock = CMatchTime();
}

void CWorldData::ClearGame() {
    // Players go first: the other lists refer to them by index only.
    m_Players.reset();
    CreateGameLists();
    m_FixturePool = std::make_unique<CFixtureList>();
    m_MatchEventPool = std::make_unique<CMatchEventList>();
    m_CurrentUser = -1;
    m_NewGameFlag = 0;
    g_bGameInProgress = 0;
}

void CWorldData::ReadSchedules(FILE* file) {
    for (int i = kScheduleCount - 1; i >= 0; --i)
        m_Schedules[static_cast<size_t>(i)].LoadFixed(file, ScheduleBytes(kScheduleClubCounts[i]));
    // fixtures.bin holds exactly the schedules.
    if (GameFileBytesLeft() != 0) MarkGameFileDamaged("fixtures file longer than its schedules");
}

void CWorldData::WriteSchedules(FILE* file, const std::array<CExtByteArray, kScheduleCount>& smallestFirst) {
    for (const CExtByteArray& s : smallestFirst)
        if (s.GetSize() > 0) WriteGameFile(s.GetData(), 1, static_cast<size_t>(s.GetSize()), file);
}

const CExtByteArray* CWorldData::GetSchedule(int clubs) const {
    for (int i = 0; i < kScheduleCount; ++i)
        if (kScheduleClubCounts[i] == clubs) return &m_Schedules[static_cast<size_t>(i)];
    return nullptr;
}

std::string CWorldData::GetTeamName(int i) const {
    if (i >= 0) {
        const CClub* c = GetClub(i);
        return c ? std::string(c->GetName()) : std::string();
    }
    const CNonLeagueClub* n = GetNonLeagueClub(-i - 1);
    return n ? std::string(n->GetName()) : std::string();
}

std::string CWorldData::GetDateText() const {
    std::string s;
    m_Clock.GetDateText(s);
    return s;
}

std::string CWorldData::GetDayMonthYearText() const {
    std::string s;
    m_Clock.GetDayMonthYearText(s);
    return s;
}

std::string CWorldData::GetMonthEndText() const {
    std::string s;
    m_Clock.GetPreviousMonthName(s);
    return s;
}

std::string CWorldData::GetSeasonText(int kind) const {
    std::string s;
    m_Clock.GetSeasonText(s, kind);
    return s;
}

std::string CWorldData::GetFutureDateText(int n) const {
    CMatchTime t = m_Clock;
    for (int i = 0; i < n; ++i) t.NextMatchDay();
    std::string s;
    t.GetDateText(s);
    return s;
}

bool CWorldData::IsPositionCompatible(int a, int b) {
    if (a < 0 || a > 15 || b < 0 || b > 15) return false;
    return kPositionMatrix[a][b] == 0;
}

void CWorldData::SelectCountry(int id, bool selected) {
    if (id <= 0 || id >= kCountrySelectionSize) return;
    m_CountrySelection[static_cast<size_t>(id)] = selected ? static_cast<uint8_t>(id) : 0;
}

void CWorldData::ReadFederationsAndCountries() {
    ReadFederations();
    ReadCountries();
}

void CWorldData::ReadFederations() { m_Federations = std::make_unique<CFederationList>(); }

void CWorldData::ReadCountries() {
    FILE* f = OpenDataFile(kCountryFile);
    auto countries = std::make_unique<CCountryList>(CCountryList::Empty{});
    countries->Read(f, m_Currencies->GetSize(), *m_Federations, m_CountrySelection.data());
    CloseDataFile(f, kCountryFile);
    m_ClubCount = countries->GetSize();
    m_Countries = std::move(countries);
}

void CWorldData::SetDisplayCurrencyFromExchange() {
    const CurrencyDisplay& d = GetCurrencyDisplay();
    const CCountry* c = GetCountry(kExchangeTable[d.exchangeChoice % 10]);
    if (!c) return;
    if (const CCurrency* cur = GetCurrency(c->GetCurrency())) SetDisplayCurrency(*cur);
}

void CWorldData::ChangeCurrencyOptions(uint8_t option, uint8_t exchangeChoice) {
    CurrencyDisplay& d = GetCurrencyDisplay();
    d.option = option != 0 ? 1 : 0;
    d.exchangeChoice = d.option == 1 ? 1 : static_cast<uint8_t>(exchangeChoice > 9 ? 9 : exchangeChoice);
    SetDisplayCurrencyFromExchange();
    WriteCurrencyOptions();
}

uint8_t& CWorldData::SelectedUserSlot() { return g_nActiveUser; }

bool CWorldData::SetCurrentUser(int i) {
    if (i < 0 || i >= CUserList::kSlots) return false;
    if (m_Users->GetAt(i)->HasManager()) {
        m_CurrentUser = i;
        GetUserPort().UpdateStatusBar();
        return true;
    }
    int first = m_Users->FindFirstWithManager();
    if (first >= 0) SetCurrentUser(first);
    return false;
}

void CWorldData::SelectFirstHumanUser() {
    int first = m_Users->FindFirstWithManager();
    if (first < 0) return;
    m_CurrentUser = first;
    GetUserPort().UpdateStatusBar();
}

void CWorldData::SetCurrentUserByManager(int32_t manager) {
    m_PreviousUser = m_CurrentUser;
    if (manager < 0) return;
    for (int i = 0; i < CUserList::kSlots; ++i)
        if (m_Users->GetAt(i)->GetManagerIndex() == manager) m_CurrentUser = i;
}

// The walks over every user show each on the status bar as they pass; the
// bar must end on the user the screens have chosen.
void CWorldData::ResetCurrentUser() { RestoreCurrentUser(SelectedUserSlot()); }

void CWorldData::RestoreCurrentUser(int32_t user) {
    m_CurrentUser = user;
    GetUserPort().UpdateStatusBar();
}

CHumanManager* CWorldData::GetCurrentUser() { return m_Users->GetAt(m_CurrentUser); }

namespace {

// The manager of a user slot; NULL without one.
CManager* ManagerOf(CWorldData& w, const CHumanManager* user) {
    return user && user->HasManager() ? w.GetManagerList().GetAt(user->GetManagerIndex()) : nullptr;
}

}  // namespace

CManager* CWorldData::GetCurrentManager() {
    const CHumanManager* user = GetCurrentUser();
    if (!user || !user->HasManager()) {
        int first = m_Users->FindFirstWithManager();
        if (first < 0) return nullptr;
        SetCurrentUser(first);
    }
    return ManagerOf(*this, GetCurrentUser());
}

CCountry* CWorldData::GetCurrentCountry() {
    const CManager* m = GetCurrentManager();
    const CClub* club = m ? GetClub(m->GetClubIndex()) : nullptr;
    return club ? club->GetCountry() : nullptr;
}

CDivision* CWorldData::GetCurrentDivision() {
    const CManager* m = GetCurrentManager();
    const CClub* club = m ? GetClub(m->GetClubIndex()) : nullptr;
    return club ? club->GetDivision() : nullptr;
}

CClub* CWorldData::GetCurrentClub() {
    const CManager* m = ManagerOf(*this, GetCurrentUser());
    return m ? GetClub(m->GetClubIndex()) : nullptr;
}

std::string CWorldData::GetCurrentManagerName() {
    const CManager* m = ManagerOf(*this, GetCurrentUser());
    return m ? m->GetName() : std::string();
}

std::string CWorldData::GetCurrentClubName() {
    const CClub* c = GetCurrentClub();
    return c ? std::string(c->GetName()) : std::string();
}

int CWorldData::FindClubByName(const std::string& name) const {
    int i = m_Clubs->FindByName(name);
    return i >= 0 ? i : 65535;
}

void CWorldData::RefreshTree() {
    GetUserPort().FillTree(5);
    GetUserPort().SetTreeMode(0);
}

void CWorldData::ShowProgress(int total, const std::string& text, int step, int flag) {
    GetUserPort().ShowProgress(total, text, step, flag);
}

std::unique_ptr<CFixture> CWorldData::NewFixture() {
    if (auto f = m_FixturePool->TakeLast()) return f;
    return std::make_unique<CFixture>();
}

void CWorldData::FreeFixture(std::unique_ptr<CFixture> fixture) {
    if (fixture) m_FixturePool->OwningList<CFixture>::Add(std::move(fixture));
}

std::unique_ptr<CMatchEvent> CWorldData::NewMatchEvent() {
    if (auto e = m_MatchEventPool->TakeLast()) return e;
    return std::make_unique<CMatchEvent>();
}

void CWorldData::FreeMatchEvent(std::unique_ptr<CMatchEvent> event) {
    if (event) m_MatchEventPool->OwningList<CMatchEvent>::Add(std::move(event));
}

int CWorldData::GetFixturePoolSize() const { return m_FixturePool->GetSize(); }
int CWorldData::GetMatchEventPoolSize() const { return m_MatchEventPool->GetSize(); }

std::unique_ptr<CWorldData> StartWorld() {
    ReadCurrencyOptions();
    try {
        return std::make_unique<CWorldData>();
    } catch (const DataFileError& e) {
        ResetGameFileChannel();
        UserMessageBoxText(e.what(), kBoxNotice, -1);
        return nullptr;
    }
}

CAvailableEmployee* CWorldData::GetAvailableEmployee(int i) {
    const CCountry* c = GetCurrentCountry();
    return c ? c->GetAvailableEmployee(i) : nullptr;
}

int CWorldData::FindAvailableEmployee(const CAvailableEmployee* employee) {
    const CCountry* c = GetCurrentCountry();
    return c ? c->FindAvailableEmployee(employee) : -1;
}

void CWorldData::QueryCurrentClub(int tactic) {
    if (CClub* c = GetCurrentClub()) c->SetTacticIndex(static_cast<uint8_t>(tactic));
}

void CWorldData::SwapClubs(int a, int b) {
    const int n = m_Clubs->GetRealCount();
    if (a == b || a < 0 || b < 0 || a >= n || b >= n) return;
    m_Clubs->SwapClubs(a, b);
    // Last season's cup finalists and qualifiers are kept by index.
    for (const auto& c : *m_Countries) c->SwapClubIndexes(a, b);
    SwapCompetitionClubIndexes(a, b);
}

namespace {

// Every member country of every federation, in federation order.
template <typename Visit>
void EachMemberCountry(CWorldData& w, Visit visit) {
    for (int f = 0; f < w.GetFederationList().GetSize(); ++f) {
        const CFederation* fed = w.GetFederation(f);
        for (int i = 0; fed && i < fed->GetCountryCount(); ++i)
            if (CCountry* c = w.GetCountry(static_cast<int>(fed->GetCountryIndex(i)))) visit(*c);
    }
}

}  // namespace

void CWorldData::FillDivisionRowsA(CListRows& rows, int flagA, int flagB) {
    EachMemberCountry(*this, [&](CCountry& c) {
        for (int i = 0; i < c.GetDivisionCount(); ++i)
            if (const CDivision* d = c.GetDivision(i)) d->FillClubInfoList(rows, flagA, flagB);
    });
}

void CWorldData::FillDivisionRowsB(CListRows& rows) {
    EachMemberCountry(*this, [&](CCountry& c) {
        for (int i = 0; i < c.GetDivisionCount(); ++i)
            if (const CDivision* d = c.GetDivision(i)) d->FillDisciplineList(rows);
    });
}

void CWorldData::FillRefereeRows(CListRows& rows) {
    EachMemberCountry(*this, [&](CCountry& c) { c.FillRefereeList(rows); });
}

bool CWorldData::IsHumanMatchDay(const CMatchTime& date) {
    m_PreviousUser = m_CurrentUser;
    bool result = false;
    int32_t firstHome = -1;
    bool seen = false;
    for (int i = 0; i < CUserList::kSlots; ++i) {
        // An empty slot (a manager's game over) hides nobody behind it.
        if (!m_Users->GetAt(i)->HasManager()) continue;
        SetCurrentUser(i);
        const CManager* manager = GetCurrentManager();
        CFixtureInfo info;
        if (!manager || !manager->FindMatchOn(date.GetMatchDay(), info)) continue;
        if (!seen) {
            firstHome = info.home;
            seen = true;
        } else if (info.home != firstHome) {
            result = true;
            break;
        }
    }
    ResetCurrentUser();
    return result;
}

namespace {

CSoccerTacticList* TacticsOf(CHumanManager* user) { return user ? &user->GetTacticList() : nullptr; }

CSoccerTactic* CurrentFormation(CHumanManager* user) {
    CSoccerTacticList* t = TacticsOf(user);
    return t ? t->GetCurrentTactic() : nullptr;
}

}  // namespace

int CWorldData::GetTacticCount() {
    CSoccerTacticList* t = TacticsOf(GetCurrentUser());
    return t ? t->GetSize() : 0;
}

int CWorldData::GetCurrentTactic() {
    CSoccerTacticList* t = TacticsOf(GetCurrentUser());
    return t ? t->GetCurrent() : 0;
}

std::string CWorldData::GetTacticName(int i) {
    CSoccerTacticList* t = TacticsOf(GetCurrentUser());
    const CSoccerTactic* f = t ? t->GetAt(i) : nullptr;
    return f ? std::string(f->m_Name) : std::string();
}

void CWorldData::SetTacticName(int i, const std::string& name) {
    CSoccerTacticList* t = TacticsOf(GetCurrentUser());
    if (t && t->GetAt(i)) t->Rename(i, name);
}

std::string CWorldData::GetTacticLabel(int i) {
    CSoccerTacticList* t = TacticsOf(GetCurrentUser());
    const CSoccerTactic* f = t ? t->GetAt(i) : nullptr;
    return f ? f->GetLabel() : std::string();
}

uint8_t CWorldData::GetTacticLevelA() {
    const CSoccerTactic* f = CurrentFormation(GetCurrentUser());
    return f ? f->m_Instructions[0] : 0;
}
uint8_t CWorldData::GetTacticLevelB() {
    const CSoccerTactic* f = CurrentFormation(GetCurrentUser());
    return f ? f->m_Instructions[1] : 0;
}
uint8_t CWorldData::GetTacticLevelC() {
    const CSoccerTactic* f = CurrentFormation(GetCurrentUser());
    return f ? f->m_Aggression : 0;
}
uint8_t CWorldData::GetTacticFlagA() {
    const CSoccerTactic* f = CurrentFormation(GetCurrentUser());
    return f ? f->m_Instructions[2] : 0;
}
uint8_t CWorldData::GetTacticFlagB() {
    const CSoccerTactic* f = CurrentFormation(GetCurrentUser());
    return f ? f->m_Instructions[3] : 0;
}
void CWorldData::SetTacticLevelA(uint8_t v) {
    if (CSoccerTactic* f = CurrentFormation(GetCurrentUser())) f->m_Instructions[0] = v;
}
void CWorldData::SetTacticLevelB(uint8_t v) {
    if (CSoccerTactic* f = CurrentFormation(GetCurrentUser())) f->m_Instructions[1] = v;
}
void CWorldData::SetTacticLevelC(uint8_t v) {
    if (CSoccerTactic* f = CurrentFormation(GetCurrentUser())) f->m_Aggression = v;
}
void CWorldData::SetTacticFlagA(uint8_t v) {
    if (CSoccerTactic* f = CurrentFormation(GetCurrentUser())) f->m_Instructions[2] = v;
}
void CWorldData::SetTacticFlagB(uint8_t v) {
    if (CSoccerTactic* f = CurrentFormation(GetCurrentUser())) f->m_Instructions[3] = v;
}
