#include "soccerclasses/fixture.h"

#include "platform/msgformat.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/club.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/worldlinks.h"

namespace {
void ResetWorldSubstitutions(int allowed) {
    if (CSubstitutionVars* subs = WorldSubstitutionVars()) subs->Reset(allowed);
}
}  // namespace

CFixture::CFixture() { Reset(); }

CFixture::CFixture(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed, int referee) {
    if (!Init(kind, home, away, subsNamed, subsAllowed, 0, referee)) Reset();
}

bool CFixture::Init(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed, int attendance,
                    int referee) {
    if (home == away || subsNamed < 0 || subsNamed > 5 || subsAllowed < 1 || subsAllowed > subsNamed) return false;
    m_SubsNamed = subsNamed;
    m_Referee = referee;
    m_SubsAllowed = subsAllowed;
    Reset();
    m_Kind = kind;
    m_Home = home;
    m_Away = away;
    m_Attendance = attendance;
    return true;
}

void CFixture::Reset() {
    // A fixture of 0 allowed cannot have come from Init; a blank one allows 5.
    if (m_SubsAllowed < 1) m_SubsAllowed = 1;
    ResetWorldSubstitutions(m_SubsAllowed);
    m_Home = m_Away = -1;
    m_Events.RemoveAll();
    m_Kind = 0;
    m_HomePossession = m_AwayPossession = 0;
    m_Bookings = m_SendingsOff = m_ShotsOn = m_ShotsOff = m_Corners = m_FreeKicks = m_Offsides = {0, 0};
    m_ManOfTheMatch = 0;
    m_HomeGoals = m_AwayGoals = 0;
    m_ScriptLength = 0;
    m_Attendance = 0;
    for (auto& s : m_Strengths) s = {0, 0};
    m_Injuries = {0, 0};
}

void CFixture::SetRandomScore() {
    m_HomeGoals = static_cast<uint8_t>(std::max(0, Random(6)));
    m_AwayGoals = static_cast<uint8_t>(std::max(0, Random(5)));
    // A match never prepared still counts as played: lists show its score
    // and its round is complete.
    if (!HasBeenPrepared()) {
        if (CWorldData* w = GetWorldData()) m_Date = w->GetDateText();
        m_ScriptLength = 90;
    }
}

int CFixture::GetWinnerIndex() const {
    if (m_HomeGoals != m_AwayGoals) return m_HomeGoals > m_AwayGoals ? m_Home : m_Away;
    return GetShootoutWinner() == 0 ? m_Home : m_Away;
}

int CFixture::GetLoserIndex() const {
    if (m_HomeGoals != m_AwayGoals) return m_HomeGoals > m_AwayGoals ? m_Away : m_Home;
    return GetShootoutWinner() == 0 ? m_Away : m_Home;
}

namespace {
CClub* LeagueClub(int index) {
    CWorldData* w = GetWorldData();
    if (!w || index < 0 || index >= w->GetClubList().GetSize()) return nullptr;
    return w->GetClub(index);
}

// Headlines name league clubs only; a side without one reads as empty.
std::string ConvertedName(int index) { return index >= 0 ? ClubNameConverted(index) : std::string(); }
}  // namespace

CClub* CFixture::GetHomeClub() const { return LeagueClub(m_Home); }
CClub* CFixture::GetAwayClub() const { return LeagueClub(m_Away); }
CClub* CFixture::GetWinner() const { return LeagueClub(GetWinnerIndex()); }
CClub* CFixture::GetLoser() const { return LeagueClub(GetLoserIndex()); }
std::string CFixture::GetHomeClubNameConverted() const { return ConvertedName(m_Home); }
std::string CFixture::GetAwayClubNameConverted() const { return ConvertedName(m_Away); }
std::string CFixture::GetWinnerNameConverted() const { return ConvertedName(GetWinnerIndex()); }
std::string CFixture::GetLoserNameConverted() const { return ConvertedName(GetLoserIndex()); }

std::string CFixture::GetAttendanceText() const { return platform::StrPrintf("%d", m_Attendance); }

std::string CFixture::GetScoreText(int minute) const {
    return platform::FormatMessage("%1!d! - %2!d!", {m_Events.CountHomeGoals(minute), m_Events.CountAwayGoals(minute)});
}

int CFixture::GetTacticGoalTerm(int side, uint8_t instruction) const {
    if (instruction > 9) return 0;
    int own = side & 1, opp = own ^ 1;
    auto defence = [&](int s) { return m_Strengths[1][static_cast<size_t>(s)]; };
    auto mid = [&](int s) { return m_Strengths[2][static_cast<size_t>(s)]; };
    auto att = [&](int s) { return m_Strengths[3][static_cast<size_t>(s)]; };
    auto defAtt = [&](int step) {
        int t = 0;
        if (defence(own) > att(opp)) t += step;
        if (att(own) < defence(opp)) t -= step;
        return t;
    };
    auto midfield = [&](int step) { return mid(own) > mid(opp) ? step : mid(own) < mid(opp) ? -step : 0; };
    switch (instruction / 2) {
        case 0: return defAtt(2);
        case 1: return defAtt(1);
        case 2: return 0;
        case 3: return midfield(1);
        default: return midfield(2);
    }
}

void CFixture::Save(FILE* f) const {
    m_Date.Save(f);
    SaveByte(f, m_Kind);
    SaveByte(f, m_ScriptLength);
    SaveByte(f, m_ExtraTime);
    SaveInt16(f, m_Home);
    SaveInt16(f, m_Away);
    SaveByte(f, m_HomeGoals);
    SaveByte(f, m_AwayGoals);
    SaveInt32(f, m_Attendance);
    SaveDouble(f, m_Popularity);
    SaveDouble(f, m_HomePossession);
    SaveDouble(f, m_AwayPossession);
    for (const auto* pair : {&m_Bookings, &m_SendingsOff, &m_ShotsOn, &m_ShotsOff, &m_Corners, &m_FreeKicks})
        for (uint8_t b : *pair) SaveByte(f, b);
    m_Events.Save(f);
    for (uint8_t b : m_Offsides) SaveByte(f, b);
    SaveInt32(f, m_ManOfTheMatch);
    SaveInt32(f, m_SubsNamed);
    SaveInt32(f, m_SubsAllowed);
    for (const auto& s : m_Strengths)
        for (uint8_t b : s) SaveByte(f, b);
    SaveInt32(f, m_Referee);
    for (uint8_t b : m_Injuries) SaveByte(f, b);
}

void CFixture::Load(FILE* f) {
    m_Date.Load(f);
    m_Kind = LoadByte(f);
    m_ScriptLength = LoadByte(f);
    m_ExtraTime = LoadByte(f);
    m_Home = LoadInt16(f);
    m_Away = LoadInt16(f);
    m_HomeGoals = LoadByte(f);
    m_AwayGoals = LoadByte(f);
    m_Attendance = LoadInt32(f);
    m_Popularity = LoadDouble(f);
    m_HomePossession = LoadDouble(f);
    m_AwayPossession = LoadDouble(f);
    for (auto* pair : {&m_Bookings, &m_SendingsOff, &m_ShotsOn, &m_ShotsOff, &m_Corners, &m_FreeKicks})
        for (uint8_t& b : *pair) b = LoadByte(f);
    m_Events.Load(f);
    for (uint8_t& b : m_Offsides) b = LoadByte(f);
    m_ManOfTheMatch = LoadInt32(f);
    m_SubsNamed = LoadInt32(f);
    m_SubsAllowed = LoadInt32(f);
    for (auto& s : m_Strengths)
        for (uint8_t& b : s) b = LoadByte(f);
    m_Referee = LoadInt32(f);
    for (uint8_t& b : m_Injuries) b = LoadByte(f);
}

bool CFixtureList::AddFixture(uint8_t kind, int16_t home, int16_t away, int subsNamed, int subsAllowed,
                              int attendance, int referee) {
    auto fx = std::make_unique<CFixture>();
    if (!fx->Init(kind, home, away, subsNamed, subsAllowed, attendance, referee)) return false;
    Add(std::move(fx));
    return true;
}

void CFixtureList::CreateBlank(int n) {
    while (GetSize() > n) ReturnPooledFixture(TakeLast());
    for (int i = 0; i < GetSize(); ++i) {
        Detach(i);
        InsertAt(i, std::make_unique<CFixture>());
    }
    while (GetSize() < n) Add(std::make_unique<CFixture>());
}

void CFixtureList::ResetAll() {
    for (const auto& f : *this) f->Reset();
}

void CFixtureList::DeleteAll() {
    for (int i = 0; i < GetSize(); ++i) {
        Detach(i);
        InsertAt(i, std::make_unique<CFixture>());
    }
}

CFixture* CFixtureList::GetClubFixture(int n, int club) const {
    for (const auto& f : *this)
        if (f->IsClubInvolved(club) && n-- == 0) return f.get();
    return nullptr;
}

void CFixtureList::SwapClubIndexes(int a, int b) {
    auto swapped = [a, b](int16_t club) { return static_cast<int16_t>(club == a ? b : club == b ? a : club); };
    for (const auto& f : *this) {
        f->m_Home = swapped(f->m_Home);
        f->m_Away = swapped(f->m_Away);
    }
}

CFixture* CFixtureList::FindFixture(int home, int away) const {
    for (int i = GetSize() - 1; i >= 0; --i)
        if (GetAt(i)->m_Home == home && GetAt(i)->m_Away == away) return GetAt(i);
    return nullptr;
}

void CFixtureList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& fx : *this) fx->Save(f);
}

void CFixtureList::Load(FILE* f) {
    int32_t n = LoadCount(f, 85);
    while (GetSize() > n) ReturnPooledFixture(TakeLast());
    while (GetSize() < n) Add(TakePooledFixture());
    for (const auto& fx : *this) fx->Load(f);
}

namespace {
std::string TeamName(int club) {
    CWorldData* w = GetWorldData();
    return w ? w->GetTeamName(club) : std::string();
}
bool IsHuman(int club) {
    CWorldData* w = GetWorldData();
    const CClub* c = w && club >= 0 ? w->GetClub(club) : nullptr;
    return c && c->IsHumanManaged();
}
}  // namespace

std::string CFixture::GetHomeTeamName() const { return TeamName(m_Home); }
std::string CFixture::GetAwayTeamName() const { return TeamName(m_Away); }
std::string CFixture::GetWinnerName() const { return TeamName(GetWinnerIndex()); }
std::string CFixture::GetLoserName() const { return TeamName(GetLoserIndex()); }
bool CFixture::IsHumanInvolved() const { return IsHuman(m_Home) || IsHuman(m_Away); }

std::string CFixture::GetScoreTextIfGoalInMinute(int minute) const {
    if (!m_Events.IsGoalInMinute(minute)) return {};
    return platform::FormatMessage("%1!s! %2!d! - %3!d! %4!s!", {GetHomeTeamName(), m_Events.CountHomeGoals(minute),
                                                                 m_Events.CountAwayGoals(minute), GetAwayTeamName()});
}

void CFixture::AddToListControl(CListRows& rows) const {
    int row = rows.AddRow("", 0, 0, 0);
    rows.SetItem(row, 1, GetAttendanceText());
    rows.SetItem(row, 2, GetHomeTeamName());
    rows.SetItem(row, 3, GetAwayTeamName());
    rows.SetItem(row, 4, m_Date);
    rows.SetRowColour(row, IsHumanInvolved() ? 255u : 0xFFFFFFu);
}

void CFixtureList::FillListControl(CListRows& rows) const {
    for (const auto& f : *this)
        if (f->m_Home != -1) f->AddToListControl(rows);
}

void CFixture::AddToListIfToday(std::vector<CFixture*>& out, const std::string& today) const {
    if (m_Date == today && !IsHumanInvolved()) out.push_back(const_cast<CFixture*>(this));
}

void CFixtureList::CollectTodaysOtherFixtures(std::vector<CFixture*>& out, const std::string& today) const {
    for (int i = GetSize() - 1; i >= 0; --i) GetAt(i)->AddToListIfToday(out, today);
}

void CFixtureList::CollectTodaysOtherFixtures(std::vector<CFixture*>& out) const {
    if (const CWorldData* w = GetWorldData()) CollectTodaysOtherFixtures(out, w->GetDateText());
}

std::string CFixtureList::GetGoalFlashText(int minute) const {
    if (minute < 1) return {};
    for (int i = GetSize() - 1; i >= 0; --i) {
        std::string text = GetAt(i)->GetScoreTextIfGoalInMinute(minute);
        if (!text.empty()) return text;
    }
    return {};
}

void CFixture::FillMatchInfo(CFixtureInfo& info) const {
    CWorldData* w = GetWorldData();
    info.home = m_Home;
    info.away = m_Away;
    info.substitutes = m_SubsNamed;
    info.substitutions = static_cast<int16_t>(m_SubsAllowed);
    info.extraFlag = 0;
    // Non-league clubs (negative numbers) are named by the cup that brings
    // them in.
    if (const CClub* h = w && m_Home >= 0 ? w->GetClub(m_Home) : nullptr) {
        info.homeName = h->GetName();
        info.stadium = h->GetStadiumName();
    }
    if (const CClub* a = w && m_Away >= 0 ? w->GetClub(m_Away) : nullptr) info.awayName = a->GetName();
}
