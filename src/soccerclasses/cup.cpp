#include "soccerclasses/cup.h"

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/gamefile.h"

bool CCupRound::NameIdsOfIndex(int i, uint32_t& full, uint32_t& shortId) {
    auto block = [&](int first, uint32_t base) {
        full = base + static_cast<uint32_t>(i - first);
        shortId = base + 4 * static_cast<uint32_t>((i - first) / 4);
    };
    if (i == 0) full = shortId = 0;
    else if (i <= 4) {
        static const uint32_t kQualifying[4] = {178, 180, 181, 182};
        full = kQualifying[i - 1];
        shortId = 178;
    } else if (i <= 48) block(5, 183);
    else if (i <= 51) full = 227 + static_cast<uint32_t>(i - 49), shortId = 246;
    else if (i <= 67) block(52, 230);
    else if (i <= 71) block(68, 724);
    else if (i <= 79) block(72, 736);
    else if (i <= 95) block(80, 749);
    else if (i <= 107) block(96, 34275);
    else if (i <= 113) full = 34410 + static_cast<uint32_t>(i - 108), shortId = 34513;
    else if (i <= 119) full = 34416 + static_cast<uint32_t>(i - 114), shortId = 34514;
    else return false;
    return true;
}

uint32_t CCupRound::ReplayNameId(uint32_t id) {
    if (id == 178 || id == 182) return 180;
    if (id >= 183 && id <= 226) {
        uint32_t stage = 183 + (id - 183) / 4 * 4;
        return id == stage || id == stage + 3 ? stage + 1 : 0;
    }
    if (id == 230 || id == 232 || id == 233) return 231;
    if (id == 234 || id == 236 || id == 237) return 235;
    return 0;
}

const char* CCupRound::ReadDefinition(FILE* f) {
    uint8_t nameIndex = LoadByte(f);
    m_Entrants = LoadByte(f);
    m_Kind = LoadByte(f);
    m_Groups = LoadByte(f);
    m_GroupSize = LoadByte(f);
    m_Legs = LoadByte(f);
    m_Reserved = LoadByte(f);
    m_DrawSlot = LoadByte(f);
    m_MatchSlot = LoadByte(f);
    m_ReplaySlot = LoadByte(f);
    for (auto& b : m_Reserved3) b = LoadByte(f);
    m_NonLeagueEntrants = 0;
    // Every build takes a kind beyond the table as the last kind.
    if (m_Kind > kMaxKind) m_Kind = kMaxKind;
    if (!NameIdsOfIndex(nameIndex, m_FullNameId, m_ShortNameId)) return "an unknown round name";
    if (m_Entrants > kMaxEntrants) return "200 or more entrants";
    if (m_MatchSlot >= 106 || m_DrawSlot >= 106 || (m_ReplaySlot >= 106 && m_ReplaySlot != kNoReplay))
        return "a round day outside the season";
    return nullptr;
}

void CCupRound::WriteDefinition(FILE* f, uint8_t nameIndex) const {
    for (uint8_t b : {nameIndex, m_Entrants, m_Kind, m_Groups, m_GroupSize, m_Legs, m_Reserved, m_DrawSlot,
                      m_MatchSlot, m_ReplaySlot, m_Reserved3[0], m_Reserved3[1], m_Reserved3[2]})
        SaveByte(f, b);
}

void CCupRound::Save(FILE* f) const {
    SaveUInt32(f, m_FullNameId);
    SaveUInt32(f, m_ShortNameId);
    for (uint8_t b : {m_Entrants, m_Kind, m_NonLeagueEntrants, m_Groups, m_GroupSize, m_Legs, m_Reserved,
                      m_MatchSlot, m_DrawSlot, m_ReplaySlot, m_Reserved3[0], m_Reserved3[1], m_Reserved3[2]})
        SaveByte(f, b);
    m_Ties.Save(f);
    m_Replays.Save(f);
}

void CCupRound::Load(FILE* f) {
    m_FullNameId = LoadUInt32(f);
    m_ShortNameId = LoadUInt32(f);
    for (uint8_t* b : {&m_Entrants, &m_Kind, &m_NonLeagueEntrants, &m_Groups, &m_GroupSize, &m_Legs, &m_Reserved,
                       &m_MatchSlot, &m_DrawSlot, &m_ReplaySlot, &m_Reserved3[0], &m_Reserved3[1], &m_Reserved3[2]})
        *b = LoadByte(f);
    if (m_Kind > kMaxKind) m_Kind = kMaxKind;
    m_Ties.Load(f);
    m_Replays.Load(f);
}

int CCupRoundList::CountReplayRounds() const {
    int n = 0;
    for (const auto& r : *this) n += r->HasReplaySlot() && r->m_Replays.GetSize() > 0;
    return n;
}

CCupRound* CCupRoundList::GetFirstGroupRound() const {
    for (const auto& r : *this)
        if (CCupRound::IsGroupKind(r->m_Kind)) return r.get();
    return nullptr;
}

void CCupRoundList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& r : *this) r->Save(f);
}

void CCupRoundList::Load(FILE* f) {
    int32_t n = LoadCount(f, 8 + 13 + 8);
    if (n > CCup::kMaxRounds) {
        MarkGameFileDamaged("cup rounds");
        n = 0;
    }
    while (GetSize() > n) RemoveAt(GetSize() - 1);
    while (GetSize() < n) Add(std::make_unique<CCupRound>());
    for (const auto& r : *this) r->Load(f);
}

void CupNonLeagueRecord::Read(FILE* f) {
    name.Load(f);
    stadium = LoadInt32(f);
    ReadGameFile(homeKit.data(), homeKit.size(), f);
    ReadGameFile(awayKit.data(), awayKit.size(), f);
}

void CupNonLeagueRecord::Write(FILE* f) const {
    name.Save(f);
    SaveInt32(f, stadium);
    WriteGameFile(homeKit.data(), 1, homeKit.size(), f);
    WriteGameFile(awayKit.data(), 1, awayKit.size(), f);
}

const char* CCup::ReadDefinition(FILE* f, int countryIndex, const Limits& limits,
                                 const std::function<int(const CupNonLeagueRecord&)>& addNonLeague) {
    m_CountryIndex = countryIndex;
    m_Name.Load(f);
    uint8_t n = LoadByte(f);
    m_NonLeagueClubs.RemoveAll();
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        CupNonLeagueRecord club;
        club.Read(f);
        if (GameFileDamaged()) return nullptr;
        if (club.name.empty()) return "a non-league club without a name";
        if (club.stadium < 0 || club.stadium >= limits.stadiumCount) return "a non-league ground outside the stadium list";
        m_NonLeagueClubs.Add(static_cast<uint32_t>(addNonLeague ? addNonLeague(club) : i));
    }
    for (auto& v : m_PreviousResults) v = LoadInt32(f);
    m_Venues.SetSizeAndFill(kVenues, 0);
    for (int i = 0; i < kVenues; ++i) m_Venues.SetAt(i, LoadUInt32(f));
    m_SubsNamed = LoadByte(f);
    m_SubsAllowed = LoadByte(f);
    m_EntryScheme = LoadByte(f);
    m_Format = LoadByte(f);
    m_ReEntryRound = LoadByte(f);
    m_ShieldIndex = LoadInt32(f);
    m_RecordRole = LoadInt32(f);
    uint8_t rounds = LoadByte(f);
    if (GameFileDamaged()) return nullptr;
    if (m_SubsNamed == 0 || m_SubsNamed > 5) return "substitutes named of 0 or above 5";
    if (m_SubsAllowed == 0 || m_SubsAllowed > m_SubsNamed) return "substitutes allowed of 0 or above those named";
    for (uint32_t v : m_Venues)
        if (static_cast<int32_t>(v) < 0 || static_cast<int32_t>(v) >= limits.stadiumCount)
            return "a venue outside the stadium list";
    if (rounds > kMaxRounds) return "50 or more rounds";
    m_Rounds.RemoveAll();
    for (int i = 0; i < rounds; ++i) {
        auto r = std::make_unique<CCupRound>();
        const char* why = r->ReadDefinition(f);
        if (GameFileDamaged()) return nullptr;
        if (why) return why;
        m_Rounds.Add(std::move(r));
    }
    m_NewsPaperEvents.Reset();
    m_LeaguePointsShare = 0;
    return nullptr;
}

void CCup::WriteDefinition(FILE* f, const std::vector<CupNonLeagueRecord>& nonLeague,
                           const std::vector<uint8_t>& roundNameIndexes) const {
    m_Name.Save(f);
    SaveByte(f, static_cast<uint8_t>(nonLeague.size()));
    for (const auto& c : nonLeague) c.Write(f);
    for (int32_t v : m_PreviousResults) SaveInt32(f, v);
    for (int i = 0; i < kVenues; ++i) SaveUInt32(f, i < m_Venues.GetSize() ? m_Venues.GetAt(i) : 0);
    for (uint8_t b : {m_SubsNamed, m_SubsAllowed, m_EntryScheme, m_Format, m_ReEntryRound}) SaveByte(f, b);
    SaveInt32(f, m_ShieldIndex);
    SaveInt32(f, m_RecordRole);
    SaveByte(f, static_cast<uint8_t>(m_Rounds.GetSize()));
    for (int i = 0; i < m_Rounds.GetSize(); ++i)
        m_Rounds.GetAt(i)->WriteDefinition(f, i < static_cast<int>(roundNameIndexes.size()) ? roundNameIndexes[static_cast<size_t>(i)] : 0);
}

CCupRound* CCup::GetPreviousRound(const CCupRound* round) const {
    int i = GetRoundIndex(round);
    return i > 0 ? GetRound(i - 1) : nullptr;
}

namespace {
std::string Title(const std::string& cup, uint32_t id) { return cup + " " + (id ? platform::LoadString(id) : std::string()); }
}  // namespace

std::string CCup::GetRoundFullName(int i) const {
    const CCupRound* r = GetRound(i);
    return r ? Title(m_Name, r->m_FullNameId) : std::string();
}

std::string CCup::GetRoundName(int i) const {
    const CCupRound* r = GetRound(i);
    return r ? Title(m_Name, r->m_ShortNameId) : std::string();
}

std::string CCup::GetReplayName(int i) const {
    const CCupRound* r = GetRound(i);
    return r ? Title(m_Name, CCupRound::ReplayNameId(r->m_FullNameId)) : std::string();
}

int CCup::CountDisplayRounds() const {
    int n = GetRoundCount();
    if (n > 0 && GetRound(n - 1)->m_Kind == CCupRound::kPlaceholderKind) --n;
    return n + m_Rounds.CountReplayRounds();
}

void CCup::SwapClubIndexes(int a, int b) {
    auto swapped = [a, b](int32_t club) { return club == a ? b : club == b ? a : club; };
    for (CExtDWordArray* clubs : {&m_Pool, &m_HeldBack})
        for (int i = 0; i < clubs->GetSize(); ++i)
            clubs->SetAt(i, static_cast<uint32_t>(swapped(static_cast<int32_t>(clubs->GetAt(i)))));
    for (int32_t& r : m_PreviousResults) r = swapped(r);
    for (const auto& r : m_Rounds) {
        r->m_Ties.SwapClubIndexes(a, b);
        r->m_Replays.SwapClubIndexes(a, b);
    }
}

void CCup::ClearFixtures() {
    for (const auto& r : m_Rounds) {
        r->m_Ties.RemoveAll();
        r->m_Replays.RemoveAll();
    }
}

void CCup::Save(FILE* f) const {
    m_Name.Save(f);
    SaveByte(f, m_EntryScheme);
    SaveInt32(f, m_CountryIndex);
    SaveByte(f, m_SubsNamed);
    SaveByte(f, m_SubsAllowed);
    m_NonLeagueClubs.Save(f);
    m_Rounds.Save(f);
    m_Venues.Save(f);
    m_NewsPaperEvents.Write(f);
    m_Pool.Save(f);
    m_HeldBack.Save(f);
    SaveByte(f, m_Format);
    SaveByte(f, m_ReEntryRound);
    SaveInt32(f, m_ShieldIndex);
    SaveInt32(f, m_RecordRole);
}

void CCup::Load(FILE* f) {
    m_Name.Load(f);
    m_EntryScheme = LoadByte(f);
    m_CountryIndex = LoadInt32(f);
    m_SubsNamed = LoadByte(f);
    m_SubsAllowed = LoadByte(f);
    m_NonLeagueClubs.Load(f);
    m_Rounds.Load(f);
    m_Venues.Load(f);
    m_NewsPaperEvents.Read(f);
    m_Pool.Load(f);
    m_HeldBack.Load(f);
    m_Format = LoadByte(f);
    m_ReEntryRound = LoadByte(f);
    m_ShieldIndex = LoadInt32(f);
    m_RecordRole = LoadInt32(f);
    m_LeaguePointsShare = 0;
}

CFixture* CCupList::FindFixture(int slot, int club) const {
    for (const auto& cup : *this)
        for (const auto& r : cup->m_Rounds) {
            const CFixtureList* list = r->m_MatchSlot == slot ? &r->m_Ties
                                       : r->HasReplaySlot() && r->m_ReplaySlot == slot ? &r->m_Replays
                                                                                       : nullptr;
            if (!list) continue;
            for (const auto& fx : *list)
                if (fx->IsClubInvolved(club)) return fx.get();
        }
    return nullptr;
}

bool CCupRound::IsComplete() const {
    if (m_Ties.GetSize() == 0 || !m_Ties.GetAt(0)->HasBeenPrepared()) return false;
    return m_Replays.GetSize() == 0 || m_Replays.GetAt(0)->HasBeenPrepared();
}

int CCupRound::GetClubGoals(const CFixtureList& list, int club) {
    const CFixture* f = list.GetClubFixture(0, club);
    if (!f) return 0;
    return f->m_Home == club ? f->m_HomeGoals : f->m_AwayGoals;
}

bool CCupRound::GetSlotDate(int slot, CMatchTime& out) const {
    CWorldData* w = GetWorldData();
    if (!w) return false;
    CMatchTime t = w->GetMatchTime();
    bool back = m_Ties.GetSize() > 0 && m_Ties.GetAt(0)->HasBeenPrepared();
    // Within one season: a slot the calendar never reaches must not hold the game.
    for (int step = 0; step <= CMatchTime::kSlotsPerSeason; ++step) {
        if (t.GetMatchDay() == slot) {
            out = t;
            return true;
        }
        if (back) t.PreviousMatchDay();
        else t.NextMatchDay();
    }
    return false;
}

std::string CCupRound::GetFirstLegDateText() const {
    CMatchTime t;
    std::string text;
    if (GetFirstLegDate(t)) t.GetDateText(text);
    return text;
}

std::string CCupRound::GetSecondLegDateText() const {
    CMatchTime t;
    std::string text;
    if (GetSecondLegDate(t)) t.GetDateText(text);
    return text;
}

void CCupRound::FillRows(const CFixtureList& list, CListRows& rows, uint32_t humanColour) const {
    int perGroup = IsGroupKind(m_Kind) && m_GroupSize >= 2 ? m_GroupSize / 2 : 0;
    for (int i = 0; i < list.GetSize(); ++i) {
        if (perGroup && i % perGroup == 0) {
            int header = rows.AddRow("", 0, 0, 0);
            rows.SetItem(header, 0, platform::StrPrintf(platform::LoadString(330).c_str(), i / perGroup + 1));
            rows.SetRowColour(header, 0xFF0000);
        }
        const CFixture* f = list.GetAt(i);
        int row = rows.AddRow("", 0, reinterpret_cast<uintptr_t>(f), 0);
        rows.SetItem(row, 0, f->GetHomeTeamName(), 0, reinterpret_cast<uintptr_t>(f), 0);
        rows.SetItem(row, 1, f->HasBeenPrepared() ? platform::StrPrintf("%d - %d", f->m_HomeGoals, f->m_AwayGoals)
                                                   : std::string("-"));
        rows.SetItem(row, 2, f->GetAwayTeamName());
        rows.SetItem(row, 3, f->GetAttendanceText());
        rows.SetRowColour(row, f->IsHumanInvolved() ? humanColour : 0xFFFFFFu);
    }
}

void CCupRound::FillFixtureListControl(CListRows& rows) const { FillRows(m_Ties, rows, 0xFF); }
void CCupRound::FillReplayListControl(CListRows& rows) const { FillRows(m_Replays, rows, 0xFFFF); }

CCupRound* CCup::FindRoundOfFixture(const CFixture* fixture) const {
    for (const auto& r : m_Rounds)
        if (r->m_Ties.IndexOf(fixture) >= 0 || r->m_Replays.IndexOf(fixture) >= 0) return r.get();
    return nullptr;
}

CCountry* CCup::GetCountry() const {
    CWorldData* w = GetWorldData();
    return w && m_CountryIndex >= 0 ? w->GetCountry(m_CountryIndex) : nullptr;
}

std::vector<std::pair<int, int>> CCup::ListRoundsForDisplay() const {
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < GetRoundCount(); ++i) {
        const CCupRound* r = GetRound(i);
        if (r->m_Kind == CCupRound::kPlaceholderKind) continue;
        out.emplace_back(i, 0);
        if (r->HasReplaySlot() && r->m_Replays.GetSize() > 0) out.emplace_back(i, 1);
    }
    return out;
}

int CCup::GetRoundIndexForDate(const CMatchTime& date) const { return GetRoundIndexForSlot(date.GetMatchDay()); }

std::string CCup::GetSeasonLabel() const {
    const CCountry* c = GetCountry();
    return c ? std::string(c->GetSeasonText()) : std::string();
}

int CCup::GetRoundIndexForSlot(int slot) const {
    for (int i = 0; i < GetRoundCount(); ++i) {
        const CCupRound* r = GetRound(i);
        if (r->m_Kind != CCupRound::kPlaceholderKind && (r->m_MatchSlot == slot || (r->HasReplaySlot() && r->m_ReplaySlot == slot)))
            return i;
    }
    return -1;
}

std::string CCup::GetRoundNameForDay(int slot) const {
    int i = GetRoundIndexForSlot(slot);
    if (i < 0) return {};
    return GetRound(i)->m_MatchSlot == slot ? GetRoundFullName(i) : GetReplayName(i);
}

int CCup::GetLastRoundIndexOnDay(int slot) const {
    for (int i = GetRoundCount() - 1; i >= 0; --i)
        if (GetRound(i)->m_MatchSlot == slot) return i;
    return -1;
}

void CCup::FillRoundsListControl(CListRows& rows) const {
    for (int i = 0; i < GetRoundCount(); ++i) {
        const CCupRound* r = GetRound(i);
        if (r->m_Kind == CCupRound::kPlaceholderKind) continue;
        int row = rows.AddRow("", 0, static_cast<uintptr_t>(i), 0);
        rows.SetRowColour(row, 0xFFFFFF);
        rows.SetItem(row, 0, r->GetFirstLegDateText(), 0, static_cast<uintptr_t>(i), 0);
        rows.SetItem(row, 1, GetRoundFullName(i));
        if (r->HasReplaySlot()) {
            int replay = rows.AddRow("", 0, static_cast<uintptr_t>(-1), 0);
            rows.SetRowColour(replay, 0xFFFFFF);
            rows.SetItem(replay, 0, r->GetSecondLegDateText(), 0, static_cast<uintptr_t>(-1), 0);
            rows.SetItem(replay, 1, GetReplayName(i));
        }
    }
}

CCharityShield* CCup::GetShield() const {
    CWorldData* w = GetWorldData();
    return w && m_ShieldIndex >= 0 ? w->GetCharityShieldList().GetByIndex(m_ShieldIndex) : nullptr;
}

bool CCup::FillDayGrid(int slot, CSoccerResultList& out) const {
    if (out.GetSize() > 0) return false;
    const int i = GetRoundIndexForSlot(slot);
    if (i < 0) return true;
    const CCupRound* r = GetRound(i);
    const CFixtureList& list = r->m_MatchSlot == slot ? r->m_Ties : r->m_Replays;
    CWorldData* w = GetWorldData();
    const bool played = w && slot < w->GetMatchDay();
    const CCountry* cupCountry = GetCountry();
    for (const auto& f : list) {
        auto line = std::make_unique<CSoccerResult>();
        // A non-league club plays for the cup's country.
        auto side = [&](int club, auto set) {
            const CClub* c = w && club >= 0 ? w->GetClub(club) : nullptr;
            (line.get()->*set)(w ? w->GetTeamName(club) : std::string(), c && c->IsHumanManaged(),
                               c ? c->GetCountry() : cupCountry);
        };
        side(f->m_Home, &CSoccerResult::SetHome);
        side(f->m_Away, &CSoccerResult::SetAway);
        if (played) line->SetFixture(f.get());
        out.Add(std::move(line));
    }
    return true;
}

CCupRound* CCupRoundList::GetNextRound(const CCupRound* round) const {
    const int i = IndexOf(round);
    return i >= 0 && i + 1 < GetSize() ? GetAt(i + 1) : nullptr;
}

void CCupRound::FillTodaysFixtures(std::vector<CFixture*>& out, int today, const std::string& todayText) const {
    if (m_MatchSlot == today)
        m_Ties.CollectTodaysOtherFixtures(out, todayText);
    else if (HasReplaySlot() && m_ReplaySlot == today)
        m_Replays.CollectTodaysOtherFixtures(out, todayText);
}

void CCupRound::FillTodaysFixtures(std::vector<CFixture*>& out) const {
    if (const CWorldData* w = GetWorldData()) FillTodaysFixtures(out, w->GetMatchDay(), w->GetDateText());
}

bool CCupRound::NeedsExtraTime(const CFixture* firstLeg, const CFixture& f) const {
    switch (m_Kind) {
        case 0: case 4: case 7: case 10: case 11: case 12: case 13: case 15: case 17: case 20: case 23: case 26:
        case 27: case 30: case 31:
            return false;
        default: break;
    }
    if (!firstLeg) return f.m_HomeGoals == f.m_AwayGoals;
    // The sums are kept in bytes, as the aggregates are stored.
    const uint8_t home = static_cast<uint8_t>(f.m_HomeGoals + firstLeg->m_AwayGoals);
    const uint8_t away = static_cast<uint8_t>(firstLeg->m_HomeGoals + f.m_AwayGoals);
    if (home != away) return false;
    if (m_Kind == 8 || m_Kind == 9 || m_Kind == 21 || m_Kind == 22) {
        const uint8_t homeAway = static_cast<uint8_t>(2 * firstLeg->m_AwayGoals + f.m_HomeGoals);
        const uint8_t awayAway = static_cast<uint8_t>(2 * f.m_AwayGoals + firstLeg->m_HomeGoals);
        return homeAway == awayAway;
    }
    return true;
}
