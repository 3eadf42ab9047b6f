#include "soccerclasses/division.h"

#include <string>

#include "platform/trace.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/startupfile.h"
#include "soccerclasses/worlddata.h"

CDivision::CDivision() : m_TeamOfTheWeek(std::make_unique<CTeamOfTheWeek>()) {
    m_Calendar.SetSizeAndFill(kSlots, kNoMatch);
}

bool CDivision::IsKnownCode(uint8_t code) { return code >= 1 && code <= 234; }

bool CDivision::HasScheduleFor(int n) { return n == 6 || (n >= 8 && n <= 20) || n == 22 || n == 24 || n == 26; }

int CDivision::ScheduleMatchDays(int n) { return n % 2 ? 2 * n : 2 * (n - 1); }

const char* CDivision::ReadRecord(FILE* f) {
    m_Name.Load(f);
    m_PointsRule = LoadByte(f);
    m_StrengthIndex = LoadByte(f);
    m_AutoPromotion = LoadByte(f);
    m_ExchangeCount = LoadByte(f);
    m_Country = LoadByte(f);
    m_Calendar.SetSize(kSlots);
    ReadGameFile(m_Calendar.GetData(), kSlots, f);
    for (auto& v : m_DroppedValues) v = LoadInt32(f);
    m_FirstClub = LoadInt32(f);
    m_ClubCount = LoadByte(f);
    m_SubsNamed = LoadByte(f);
    m_SubsAllowed = LoadByte(f);
    for (auto& b : m_RecordBytes) b = LoadByte(f);
    for (auto& v : m_RecordValues) v = LoadInt32(f);
    for (auto& b : m_RecordBytes2) b = LoadByte(f);
    m_PromotionPlayOff = LoadInt32(f);
    m_RelegationPlayOff = LoadInt32(f);
    m_PromotionPlayOffClubs = LoadByte(f);
    m_RelegationPlayOffClubs = LoadByte(f);
    m_LastRecordByte = LoadByte(f);
    if (GameFileDamaged()) return nullptr;  // the caller reports the truncation
    if (!HasScheduleFor(m_ClubCount)) return "a club count without a schedule";
    for (uint8_t c : m_Calendar)
        if (!IsKnownCode(c)) return "an unknown calendar code";
    if (m_SubsNamed > 5 || m_SubsAllowed < 1 || m_SubsAllowed > m_SubsNamed) return "impossible substitutes";
    if (m_FirstClub < 0) return "a negative first club";
    return nullptr;
}

void CDivision::WriteRecord(FILE* f) const {
    m_Name.Save(f);
    for (uint8_t b : {m_PointsRule, m_StrengthIndex, m_AutoPromotion, m_ExchangeCount, m_Country}) SaveByte(f, b);
    WriteGameFile(m_Calendar.GetData(), 1, kSlots, f);
    for (int32_t v : m_DroppedValues) SaveInt32(f, v);
    SaveInt32(f, m_FirstClub);
    for (uint8_t b : {m_ClubCount, m_SubsNamed, m_SubsAllowed}) SaveByte(f, b);
    for (uint8_t b : m_RecordBytes) SaveByte(f, b);
    for (int32_t v : m_RecordValues) SaveInt32(f, v);
    for (uint8_t b : m_RecordBytes2) SaveByte(f, b);
    SaveInt32(f, m_PromotionPlayOff);
    SaveInt32(f, m_RelegationPlayOff);
    for (uint8_t b : {m_PromotionPlayOffClubs, m_RelegationPlayOffClubs, m_LastRecordByte}) SaveByte(f, b);
}

int CDivision::CountLeagueSlots() const {
    int n = 0;
    for (uint8_t c : m_Calendar) n += c >= 1 && c < kNoMatch;
    return n;
}

void CDivision::SetUp(const CExtByteArray* schedule) {
    m_Schedule = schedule;
    m_DaysSinceAward = 0;
    m_ClubValues.SetSizeAndFill(m_ClubCount, 0);
    m_Fixtures.CreateBlank(GetMatchesPerRound() * CountLeagueSlots());
    m_NextFixture = 0;
    m_ClubPointers.assign(m_ClubCount, nullptr);
}

uint8_t CDivision::GetCalendarSlot(int slot) const {
    return slot >= 0 && slot < kSlots ? m_Calendar.GetAt(slot) : static_cast<uint8_t>(kNoMatch);
}

int CDivision::GetFixtureIndexForSlot(int slot) const {
    uint8_t code = GetCalendarSlot(slot);
    if (code == 0 || code >= kNoMatch || !m_Schedule || m_Schedule->IsEmpty()) return -1;
    int at = (code - 1) * GetMatchesPerRound();
    // A calendar may number more match days than the schedule holds: it
    // repeats the double round robin.
    while (at > GetScheduleLastIndex()) at -= m_Schedule->GetSize();
    return at;
}

std::vector<std::pair<int, int>> CDivision::GetPairsForSlot(int slot) const {
    std::vector<std::pair<int, int>> pairs;
    int at = GetFixtureIndexForSlot(slot);
    if (at < 0) return pairs;
    for (int m = 0; m < m_ClubCount / 2 && at + 2 * m + 1 < m_Schedule->GetSize(); ++m)
        pairs.emplace_back(m_FirstClub + m_Schedule->GetAt(at + 2 * m) - 1, m_FirstClub + m_Schedule->GetAt(at + 2 * m + 1) - 1);
    return pairs;
}

int CDivision::FindMarkerSlot(int k) const {
    if (k < 0 || k > 3) return -1;
    for (int s = 0; s < kSlots; ++s)
        if (m_Calendar.GetAt(s) == kFriendly0 + k) return s;
    return -1;
}

int CDivision::CountMatchDaysToFriendlyDay(int slot) const {
    for (int s = slot; s >= 0 && s < kSlots; ++s)
        if (GetCalendarMarkerIndex(m_Calendar.GetAt(s)) != 65535) return s - slot;
    return -1;
}

int CDivision::CountToSeasonEnd(int slot) const {
    if (GetCalendarSlot(slot) == kSeasonLast) return 0;
    for (int s = slot; s >= 0 && s < kSlots; ++s) {
        uint8_t c = m_Calendar.GetAt(s);
        if (c == kLeagueEnd || c == kSeasonLast) return (s - slot) / 4;
    }
    return -1;
}

int CDivision::GetFixtureIndexOfClub(int slot, int club) const {
    uint8_t code = GetCalendarSlot(slot);
    if (code == 0 || code >= kNoMatch) return -1;
    int first = GetMatchesPerRound() / 2 * (code - 1);
    for (int i = first; i < first + m_ClubCount / 2 && i < m_Fixtures.GetSize(); ++i)
        if (m_Fixtures.GetAt(i)->m_Home == club) return i;
    return -1;
}

void CDivision::Save(FILE* f) const {
    SaveByte(f, m_DaysSinceAward);
    SaveInt32(f, m_NextFixture);
    SaveInt32(f, m_SeasonStart);
    SaveByte(f, m_SubsNamed);
    SaveByte(f, m_SubsAllowed);
    m_Fixtures.Save(f);
    m_ManagersOfTheMonth.Save(f);
    m_NewsPaperEvents.Write(f);
    m_TeamOfTheWeek->Save(f);
}

void CDivision::Load(FILE* f) {
    m_DaysSinceAward = LoadByte(f);
    m_NextFixture = LoadInt32(f);
    m_SeasonStart = LoadInt32(f);
    m_SubsNamed = LoadByte(f);
    m_SubsAllowed = LoadByte(f);
    m_Fixtures.Load(f);
    m_ManagersOfTheMonth.Load(f);
    m_NewsPaperEvents.Read(f);
    m_TeamOfTheWeek->Load(f);
    if (m_NextFixture < 0 || m_NextFixture > m_Fixtures.GetSize()) MarkGameFileDamaged("division's next fixture");
}

void CDivisionList::ReadFile(const char* relPath, const Limits& limits,
                             const std::function<const CExtByteArray*(int)>& schedule) {
    RemoveAll();
    FILE* f = OpenDataFile(relPath);
    int32_t n = LoadCount(f, 4 + 5 + CDivision::kSlots + 8 + 4 + 8 + 12 + 2 + 8 + 3);
    std::vector<std::pair<int, int>> blocks;
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto d = std::make_unique<CDivision>();
        const char* why = d->ReadRecord(f);
        auto refuse = [&](const std::string& what) {
            RemoveAll();
            RefuseDataFile(f, relPath, "division " + std::to_string(i) + ": " + what);
        };
        if (GameFileDamaged()) break;
        if (why) refuse(why);
        if (d->m_FirstClub + d->m_ClubCount > limits.clubCount) refuse("clubs outside the club list");
        for (auto [first, count] : blocks)
            if (d->m_FirstClub < first + count && first < d->m_FirstClub + d->m_ClubCount) refuse("clubs of another division");
        if (d->m_Country >= limits.countryCount) refuse("a country outside the country list");
        if (d->m_StrengthIndex >= limits.strengthCount) refuse("a strength outside the strength list");
        const CExtByteArray* s = schedule ? schedule(d->m_ClubCount) : nullptr;
        if (!s || s->GetSize() != 2 * d->m_ClubCount * (d->m_ClubCount - 1)) refuse("no schedule for its club count");
        blocks.emplace_back(d->m_FirstClub, d->m_ClubCount);
        d->SetUp(s);
        Add(std::move(d));
    }
    if (GameFileDamaged()) RemoveAll();
    CloseDataFile(f, relPath);
}

void CDivisionList::WriteFile(FILE* f, const std::vector<const CDivision*>& divisions) {
    SaveInt32(f, static_cast<int32_t>(divisions.size()));
    for (const CDivision* d : divisions) d->WriteRecord(f);
}

void CDivisionList::Save(FILE* f) const {
    for (const auto& d : *this) d->Save(f);
}

void CDivisionList::Load(FILE* f) {
    for (const auto& d : *this) d->Load(f);
}

namespace {
// Ids 0 and -1 both mean none; a division names a play-off by the low byte
// of its id, and a later play-off of the same id wins.
CPlayOff* FindPlayOff(int32_t id) {
    CWorldData* w = GetWorldData();
    if (!w || id == 0 || id == -1) return nullptr;
    const CPlayOffList& list = w->GetPlayOffList();
    for (int i = list.GetSize() - 1; i >= 0; --i)
        if (list.GetAt(i)->m_Id == static_cast<uint8_t>(id & 0xFF)) return list.GetAt(i);
    return nullptr;
}
}  // namespace

CPlayOff* CDivision::GetPlayOff() const { return FindPlayOff(m_PromotionPlayOff); }
CPlayOff* CDivision::GetRelegationPlayOff() const { return FindPlayOff(m_RelegationPlayOff); }

void CDivision::CollectPlayOffClubs(uint8_t id, CExtDWordArray& out) const {
    if (id == 0) return;
    auto take = [&](int from, int n) {
        for (int pos = from; pos < from + n; ++pos)
            if (int club = GetClubIndexAtPosition(pos); club >= 0) out.Add(static_cast<uint32_t>(club));
            else platform::Trace("CDivision::CollectPlayOffClubs: no club at a play-off place\n");
    };
    if (HasPlayOff() && static_cast<uint8_t>(m_PromotionPlayOff & 0xFF) == id) take(m_AutoPromotion, m_PromotionPlayOffClubs);
    if (HasRelegationPlayOff() && static_cast<uint8_t>(m_RelegationPlayOff & 0xFF) == id)
        take(m_ClubCount - m_ExchangeCount - m_RelegationPlayOffClubs, m_RelegationPlayOffClubs);
}

int CDivision::GetPlayOffExtraPlaces() const {
    const CPlayOff* p = GetPlayOff();
    return p ? p->m_ExtraPlaces : 0;
}
