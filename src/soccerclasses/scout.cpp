#include "soccerclasses/scout.h"

#include <algorithm>
#include <set>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/inboxcodes.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

using namespace clubfile;

namespace {

constexpr unsigned kScoutingText = 34194;
constexpr unsigned kWeeksToGoText = 34195;
constexpr unsigned kHalfWeeksToGoText = 37010;
constexpr unsigned kHalfAWeekToGoText = 37011;
constexpr unsigned kAwayText = 37005;
constexpr unsigned kSelectPlayersText = 1047;
constexpr unsigned kNoMoneyText = 37006;
constexpr unsigned kAskHalfAWeekText = 37007;
constexpr unsigned kAskHalfWeeksText = 37008;
constexpr unsigned kAskWeeksText = 37009;
constexpr unsigned kOnMyWayText = 32933;
// Eleven verdicts per age group, worst first.
constexpr unsigned kVerdictTexts = 34198;
// Four grades per skill group, then three each for pace, strength and
// fitness, then four for temperament.
constexpr unsigned kSkillTexts = 34233;
constexpr unsigned kPaceTexts = 34261, kStrengthTexts = 34264, kFitnessTexts = 34267, kTemperamentTexts = 34270;
constexpr unsigned kBalancedText = 34274;
constexpr int kAccountsItem = 4;

// Half-weeks and base cost by clubs watched (1 to 5 or more) and foreign
// countries visited (up to 1, 2, 3, 4, 5 or more).
struct Duty {
    uint8_t halfWeeks;
    int16_t cost;
};
constexpr Duty kDuties[5][5] = {
    {{1, 500}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{1, 500}, {2, 1250}, {3, 1750}, {4, 2000}, {5, 2250}},
    {{2, 750}, {2, 1250}, {3, 1750}, {4, 2000}, {5, 2250}},
    {{2, 750}, {3, 1500}, {4, 2000}, {5, 2250}, {6, 2250}},
    {{3, 1250}, {4, 1750}, {5, 2250}, {6, 2500}, {7, 2750}},
};

// The verdict's bounds on the player's known ability less his position's
// average in the squad.
constexpr int kVerdictBounds[11] = {-20, -16, -11, -6, -2, -1, 2, 6, 11, 16, 20};

// The skills a scout weighs for each position, as kinds of the comparison
// with the squad: 1 tackling, 2 heading, 3 passing, 4 dribbling, 5 shooting,
// 6 flair, 7 handling. Defending, midfield and attacking are tackling,
// passing and shooting; the two further ones heading and dribbling.
const std::vector<int>& ConsideredSkills(int position) {
    static const std::vector<int> kByPosition[4] = {{7}, {1, 3, 2, 4}, {1, 3, 2, 5, 4}, {3, 5, 2, 4}};
    return kByPosition[std::clamp(position, 0, 3)];
}

// Below -15, below -6, the middle (nothing said), below 15, 15 and above.
int SkillGrade(int difference) {
    if (difference < -15) return 0;
    if (difference < -6) return 1;
    if (difference < 5) return -1;
    if (difference < 15) return 2;
    return 3;
}

// A physical value graded low, high or outstanding; -1 for the ordinary.
int PhysicalGrade(int value, int low, int high, int outstanding) {
    if (value < low) return 0;
    if (value >= outstanding) return 2;
    if (value >= high) return 1;
    return -1;
}

// Very calm, calm, fiery, hot-headed; -1 for the even-tempered.
int TemperamentGrade(int temperament) {
    if (temperament <= 1) return 0;
    if (temperament <= 3) return 1;
    if (temperament <= 5) return -1;
    if (temperament <= 7) return 2;
    return 3;
}

int AverageAbilityOfPosition(const CClub& club, int position) {
    CWorldData* w = GetWorldData();
    int sum = 0, count = 0;
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = w->GetPlayer(club.GetPlayerId(s));
        if (!p || p->GetPosition() != position) continue;
        sum += p->GetAbility();
        ++count;
    }
    return count ? sum / count : 0;
}

void AddSentence(std::string& out, const std::string& sentence) {
    if (!out.empty()) out += ' ';
    out += sentence;
}

}  // namespace

void CScout::Init(int32_t employee, int32_t clubIndex) {
    club_ = clubIndex;
    away_ = 0;
    employee_ = employee;
    entries_.fill(Entry{});
}

void CScout::Init(int32_t employee, const CClub* club) {
    CWorldData* w = GetWorldData();
    Init(employee, club && w ? w->GetClubList().GetIndex(club) : -1);
}

int CScout::GetAbility() const {
    CWorldData* w = GetWorldData();
    const CClub* club = w ? w->GetClub(club_) : nullptr;
    const CEmployee* e = club ? club->Staff().GetAt(employee_) : nullptr;
    return e ? e->m_Ability : 0;
}

uint8_t CScout::GetEstimate(int32_t player) const {
    for (const Entry& e : entries_)
        if (e.player == player && e.state == kDone) return e.estimate;
    return 0;
}

std::array<CScout::Entry, CScout::kEntries>& CScout::Entries() {
    if (CWorldData* w = GetWorldData()) w->GetClubList().DropNamedPlayerIndex();
    return entries_;
}

void CScout::ForgetPlayer(int32_t player) {
    for (Entry& e : entries_)
        if (e.state != kFree && e.player == player) e = Entry{};
}

bool CScout::HasEntryFor(int32_t player) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [player](const Entry& e) { return e.state != kFree && e.player == player; });
}

CScout::AssignResult CScout::MakeAssignment(std::string& reply, CPlayer* const players[kMaxPlayers], bool confirmed) {
    if (IsAway()) {
        reply = platform::LoadString(kAwayText);
        return kAssignAway;
    }
    CWorldData* w = GetWorldData();
    CClub* own = w ? w->GetClub(club_) : nullptr;
    const CCountry* ownCountry = own ? own->GetCountry() : nullptr;
    int count = 0;
    bool otherFederation = false;
    std::set<const CClub*> clubs;
    std::set<int> countries;
    for (int i = 0; i < kMaxPlayers; ++i) {
        if (!players[i]) continue;
        ++count;
        const CClub* club = players[i]->GetClub();
        if (!club) continue;
        clubs.insert(club);
        const CCountry* country = club->GetCountry();
        if (club->GetCountryIndex() != (own ? own->GetCountryIndex() : -1)) countries.insert(club->GetCountryIndex());
        if (country && ownCountry && country->GetFederation() != ownCountry->GetFederation()) otherFederation = true;
    }
    if (count == 0) {
        reply = platform::LoadString(kSelectPlayersText);
        return kAssignNoPlayers;
    }
    const int cl = std::clamp(static_cast<int>(clubs.size()) - 1, 0, 4);
    const int k = std::clamp(static_cast<int>(countries.size()) - 1, 0, 4);
    const Duty duty = kDuties[cl][k];
    const int q = (100 - GetAbility()) / 4;
    double cost = duty.cost + 10.0 * q;
    if (k > 0) cost += (5.0 * q + 150) * 2;
    if (otherFederation) cost += (5.0 * q + 375) * 2;
    if (!own || own->GetTransferBudget() < cost) {
        reply = platform::LoadString(kNoMoneyText);
        return kAssignNoMoney;
    }
    if (!confirmed) {
        const std::string money = own->FormatMoney(cost);
        const int h = duty.halfWeeks;
        if (h <= 1) reply = platform::FormatMessageId(kAskHalfAWeekText, {money});
        else if (h % 2 == 1) reply = platform::FormatMessageId(kAskHalfWeeksText, {money, h / 2});
        else reply = platform::FormatMessageId(kAskWeeksText, {money, h / 2});
        return kAssignAsk;
    }

    away_ = 1;
    own->SetBankBalance(own->GetBankBalance() - cost);
    own->Book(kAccountsItem, cost);
    for (int i = 0; i < kMaxPlayers; ++i) {
        if (!players[i]) continue;
        const Entry entry{WorldIndexOf(*players[i]), duty.halfWeeks, platform::LoadString(kScoutingText), 0};
        w->GetClubList().NoteNamedPlayer(entry.player, own);
        auto free = std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.state == kFree; });
        if (free != entries_.end()) {
            *free = entry;
            continue;
        }
        DropOldestEntry(own);
        entries_.back() = entry;
    }
    reply = platform::LoadString(kOnMyWayText);
    return kAssignDone;
}

void CScout::DropOldestEntry(CClub* club) {
    const Entry dropped = entries_.front();
    std::move(entries_.begin() + 1, entries_.end(), entries_.begin());
    entries_.back() = Entry{};
    if (!club) return;
    for (const CScout& other : club->Scouts())
        if (other.HasEntryFor(dropped.player)) return;
    const int user = club->GetHumanManagerIndex();
    if (const CPlayer* p = GetWorldData()->GetPlayer(dropped.player); p && user >= 0)
        p->Football().ClearScouted(uint8_t(user));
}

void CScout::ProcessHalfWeek(CClub& club) {
    CWorldData* w = GetWorldData();
    const int ability = GetAbility();
    const int user = club.GetHumanManagerIndex();
    for (Entry& e : entries_) {
        if (e.state == kFree || e.state == kDone) continue;
        if (e.state > 1) {
            --e.state;
            continue;
        }
        e.state = kDone;
        CPlayer* p = w->GetPlayer(e.player);
        // The error is worked out in whole numbers and the estimate kept to
        // 1..99: 0 would read as no report at all.
        int estimate = p ? p->GetAbility() : 0;
        const int r = Random(99);
        if (r > ability) {
            const int error = (r - ability) / 5;
            estimate += Random(99) < 51 ? error : -error;
        }
        e.estimate = uint8_t(std::clamp(estimate, 1, 99));
        if (p && user >= 0) p->Football().SetScouted(uint8_t(user));
        e.text = w->GetDayMonthYearText();
        away_ = 0;
        if (CHumanManager* h = club.GetHumanManager()) h->AddMessage(inbox::kScoutReport, "", "", "", -1);
    }
}

void CScout::FillList(CListRows& list) {
    CWorldData* w = GetWorldData();
    const int user = w->GetCurrentUserIndex();
    list.ResetContent();
    for (Entry& e : entries_) {
        if (e.state == kFree) continue;
        const CPlayer* p = w->GetPlayer(e.player);
        if (e.state == kDone && (!p || !p->Football().IsScoutedBy(user))) {
            const int32_t forgotten = e.player;
            for (Entry& other : entries_)
                if (other.player == forgotten) other = Entry{};
            continue;
        }
        if (!p) continue;
        const int row = list.AddRow(p->GetName(), 0, reinterpret_cast<uintptr_t>(p), 0);
        list.SetItem(row, 1, p->Person().GetNationalityText());
        list.SetItem(row, 2, e.text);
        list.SetRowColour(row, w->GetListColour(p->GetPosition()));
    }
}

void CScout::Save(FILE* f) const {
    PutI32(f, club_);
    PutI32(f, employee_);
    PutU8(f, away_);
    for (const Entry& e : entries_) {
        PutI32(f, e.player);
        PutU8(f, e.state);
        PutText(f, e.text);
        PutU8(f, e.estimate);
    }
}

void CScout::Load(FILE* f) {
    club_ = GetI32(f);
    employee_ = GetI32(f);
    away_ = GetU8(f);
    for (Entry& e : entries_) {
        e.player = GetI32(f);
        e.state = GetU8(f);
        e.text = GetText(f);
        e.estimate = GetU8(f);
    }
}

std::string CScout::MakeReport(const CPlayer& player) const {
    const int index = WorldIndexOf(player);
    if (index < 0) return {};
    CWorldData* w = GetWorldData();
    const int user = w->GetCurrentUserIndex();
    const uint8_t estimate = GetEstimate(index);
    if (player.Football().GetKnownState(user) >= 2 && estimate > 0) return MakeFullReport(player, estimate);
    for (const Entry& e : entries_) {
        if (e.player != index || e.state == kFree || e.state == kDone || e.state == 0) continue;
        if (e.state == 1) return platform::LoadString(kHalfAWeekToGoText);
        return platform::FormatMessageId(e.state % 2 == 0 ? kWeeksToGoText : kHalfWeeksToGoText, {e.state / 2});
    }
    return {};
}

std::string CScout::MakeFullReport(const CPlayer& player, uint8_t estimate) const {
    CWorldData* w = GetWorldData();
    const CClub* club = w->GetClub(club_);
    const CCountry* country = club ? club->GetCountry() : nullptr;
    const int position = player.GetPosition();
    const int d = player.GetKnownAbility(false) - (club ? AverageAbilityOfPosition(*club, position) : 0);
    int band = 10;
    for (int i = 0; i < 11; ++i)
        if (d < kVerdictBounds[i]) {
            band = i;
            break;
        }
    const int age = player.GetAge();
    const int group = age <= 21 ? 0 : age <= 29 ? 1 : 2;
    const double value =
        player.Football().GetValue(age, player.Person().GetTemperament(), 100, estimate);
    std::string price;
    if (country) country->FormatMoney(price, RoundMoney(value, country));
    else price = platform::StrPrintf("%d", static_cast<int>(value));
    std::string out = platform::FormatMessageId(kVerdictTexts + 11 * group + band,
                                                {platform::StrPrintf("%d", estimate), price,
                                                 player.Football().GetPositionText(), player.GetName()});

    std::string skills;
    for (int kind : ConsideredSkills(position)) {
        const int grade = SkillGrade(player.CompareWithSquad(club, kind));
        if (grade >= 0) AddSentence(skills, platform::LoadString(kSkillTexts + 4 * (kind % 7) + grade));
    }
    if (skills.empty()) skills = platform::FormatMessageId(kBalancedText, {player.GetName()});
    const CSoccerPlayer& f = player.Football();
    if (int g = PhysicalGrade(f.m_Pace, 60, 80, 90); g >= 0) AddSentence(skills, platform::LoadString(kPaceTexts + g));
    if (int g = PhysicalGrade(f.m_Strength, 60, 80, 90); g >= 0)
        AddSentence(skills, platform::LoadString(kStrengthTexts + g));
    if (int g = PhysicalGrade(f.m_Fitness, 70, 90, 97); g >= 0)
        AddSentence(skills, platform::LoadString(kFitnessTexts + g));
    if (int g = TemperamentGrade(player.Person().GetTemperament()); g >= 0)
        AddSentence(skills, platform::LoadString(kTemperamentTexts + g));
    AddSentence(out, skills);
    return out;
}

std::string CScout::GetGradeText(const CPlayer& player) const {
    const int index = WorldIndexOf(player);
    const uint8_t estimate = index < 0 ? 0 : GetEstimate(index);
    return estimate ? platform::StrPrintf("%d", estimate) : std::string();
}
