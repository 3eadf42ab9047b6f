#include "soccerclasses/soccerplayer.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/peopletables.h"

namespace {

constexpr std::array<uint8_t, CSoccerPlayer::kTrainingSlots> kDefaultTraining = {5, 5, 5, 5, 40, 40, 0};

uint8_t ClampByte(int v, int lo, int hi) { return static_cast<uint8_t>(std::clamp(v, lo, hi)); }

}  // namespace

void CPlayerRating::Init(uint8_t ability) {
    assert(ability != 0);
    m_Ratings.fill(ability);
}

void CPlayerRating::Add(uint8_t rating) {
    assert(rating >= 1 && rating <= 100);
    for (size_t i = m_Ratings.size() - 1; i > 0; --i) m_Ratings[i] = m_Ratings[i - 1];
    m_Ratings[0] = rating;
}

int CPlayerRating::GetAverage() const {
    int sum = 0;
    for (uint8_t r : m_Ratings) sum += r;
    return std::clamp(sum / 6, 10, 99);
}

void CPlayerRating::Save(FILE* f) const { WriteGameFile(m_Ratings.data(), 1, m_Ratings.size(), f); }

void CPlayerRating::Load(FILE* f) { ReadGameFile(m_Ratings.data(), m_Ratings.size(), f); }

CSoccerPlayer::CSoccerPlayer() {
    m_Training = kDefaultTraining;
    m_Fitness = static_cast<uint8_t>(81 + Random(18));
    m_Energy = static_cast<uint8_t>(81 + Random(18));
}

void CSoccerPlayer::Reset() {
    m_Rating.Reset();
    m_Progress.fill(0.0);
    m_Position = m_Ability = m_PreviousAbility = 0;
    m_Handling = m_Tackling = m_Passing = m_Shooting = 0;
    m_Pace = m_PaceUpTicks = m_PaceDownTicks = m_Strength = m_StrengthTicks = 0;
    m_Heading = m_Fitness = m_Energy = m_Flair = m_Dribbling = 0;
    m_CareerPath = 0;
    m_Training = kDefaultTraining;
    m_ScoutedMask = m_KnownMask = 0;
}

int CSoccerPlayer::ClampedPosition() const {
    assert(GetPosition() <= kAttacker);
    return std::min(GetPosition(), static_cast<int>(kAttacker));
}

void CSoccerPlayer::SetPosition(int position, bool leftFoot) {
    assert(position >= 0 && position <= kAttacker);
    m_Position = static_cast<uint8_t>(std::clamp(position, 0, 3) | (leftFoot ? kLeftFoot : 0));
}

void CSoccerPlayer::ClampSkills() {
    for (uint8_t* s : {&m_Handling, &m_Tackling, &m_Passing, &m_Shooting}) {
        assert(*s < 250);
        *s = ClampByte(*s, 10, 99);
    }
}

void CSoccerPlayer::RecalculateAbility() {
    ClampSkills();
    const double H = m_Handling, T = m_Tackling, P = m_Passing, S = m_Shooting;
    const double str = m_Strength, pace = m_Pace, head = m_Heading, flair = m_Flair;
    double sum = 0;
    switch (ClampedPosition()) {
        case kGoalkeeper:
            sum = 0.8 * H + 0.05 * (str + T + P) + 0.02 * (head + pace) + 0.01 * flair;
            break;
        case kDefender:
            sum = 0.8 * T + 0.05 * (head + P) + 0.03 * (flair + str) + 0.04 * pace;
            break;
        case kMidfielder:
            sum = 0.8 * P + 0.03 * (flair + head + str + S) + 0.04 * (pace + T);
            break;
        default:
            sum = 0.7 * S + 0.05 * (P + T) + 0.03 * (flair + str) + 0.04 * pace + 0.1 * head;
            break;
    }
    m_Ability = ClampByte(static_cast<int>(sum + 0.5), 10, 99);
}

uint8_t CSoccerPlayer::GetPositionSkill() const {
    switch (ClampedPosition()) {
        case kGoalkeeper: return m_Handling;
        case kDefender: return m_Tackling;
        case kMidfielder: return m_Passing;
        default: return m_Shooting;
    }
}

uint8_t& CSoccerPlayer::SkillOfGroup(int group) {
    if (group < 0) group = ClampedPosition();
    switch (group) {
        case 0: return m_Handling;
        case 1: return m_Tackling;
        case 2: return m_Passing;
        default: return m_Shooting;
    }
}

std::string CSoccerPlayer::GetPositionText() const {
    return platform::LoadString(21 + static_cast<uint32_t>(ClampedPosition()));
}

double CSoccerPlayer::GetFormFactor() const {
    return m_Ability ? static_cast<double>(m_Rating.GetAverage()) / m_Ability : 1.0;
}

void CSoccerPlayer::SetBit(uint8_t& mask, uint8_t user, bool on) {
    if (user > 7) return;
    if (on)
        mask = static_cast<uint8_t>(mask | (1u << user));
    else
        mask = static_cast<uint8_t>(mask & ~(1u << user));
}

int CSoccerPlayer::GetKnownState(int user) const {
    return (IsKnownBy(user) ? 1 : 0) + (IsScoutedBy(user) ? 2 : 0);
}

void CSoccerPlayer::ReadDatabase(FILE* f) {
    uint8_t b[12];
    ReadGameFile(b, sizeof b, f);
    m_Ability = b[0];
    m_Handling = b[1];
    m_Tackling = b[2];
    m_Passing = b[3];
    m_Shooting = b[4];
    m_Pace = std::min<uint8_t>(b[5], 99);
    m_Position = static_cast<uint8_t>((b[6] & 0x7F) | (b[7] ? kLeftFoot : 0));
    m_Heading = std::min<uint8_t>(b[8], 99);
    m_Strength = std::min<uint8_t>(b[9], 99);
    m_Flair = std::min<uint8_t>(b[10], 99);
    m_CareerPath = b[11];
    // Dribbling follows flair; a low flair must not wrap below 0.
    m_Dribbling = ClampByte(m_Flair - 5 + Random(10), 0, 99);
    if (GetPosition() > kAttacker) return;  // the loader refuses the record
    RecalculateAbility();
    m_Rating.Init(m_Ability);
    m_PreviousAbility = m_Ability;
}

void CSoccerPlayer::WriteDatabase(FILE* f) const {
    const uint8_t b[12] = {m_Ability,  m_Handling, m_Tackling, m_Passing,
                           m_Shooting, m_Pace,     static_cast<uint8_t>(GetPosition()),
                           static_cast<uint8_t>(IsLeftFooted() ? 1 : 0),
                           m_Heading,  m_Strength, m_Flair,    m_CareerPath};
    WriteGameFile(b, 1, sizeof b, f);
}

void CSoccerPlayer::Save(FILE* f) const {
    for (double p : m_Progress) SaveDouble(f, p);
    for (uint8_t v : {m_Ability, m_Handling, m_Tackling, m_Passing, m_Shooting, m_Strength, m_Pace,
                      m_StrengthTicks, m_PaceUpTicks, m_PaceDownTicks, m_Position, m_Heading,
                      m_Flair, m_Dribbling, m_Fitness, m_Energy, m_CareerPath})
        SaveByte(f, v);
    WriteGameFile(m_Training.data(), 1, m_Training.size(), f);
    SaveByte(f, m_PreviousAbility);
    m_Rating.Save(f);
    SaveByte(f, m_ScoutedMask);
    SaveByte(f, m_KnownMask);
}

void CSoccerPlayer::Load(FILE* f) {
    for (double& p : m_Progress) p = LoadDouble(f);
    for (uint8_t* v : {&m_Ability, &m_Handling, &m_Tackling, &m_Passing, &m_Shooting, &m_Strength,
                       &m_Pace, &m_StrengthTicks, &m_PaceUpTicks, &m_PaceDownTicks, &m_Position,
                       &m_Heading, &m_Flair, &m_Dribbling, &m_Fitness, &m_Energy, &m_CareerPath})
        *v = LoadByte(f);
    ReadGameFile(m_Training.data(), m_Training.size(), f);
    m_PreviousAbility = LoadByte(f);
    m_Rating.Load(f);
    m_ScoutedMask = LoadByte(f);
    m_KnownMask = LoadByte(f);
    if (GetPosition() > kAttacker) MarkGameFileDamaged("a player's position is not 0 to 3");
}

// ---------------------------------------------------------------- generation

namespace {

// C(x): x clamped to 10..99, then truncated.
uint8_t C(double x) { return static_cast<uint8_t>(std::clamp(x, 10.0, 99.0)); }

int Floor(double x) { return static_cast<int>(x); }

}  // namespace

void CSoccerPlayer::Generate(int age, uint8_t position, uint8_t ability) {
    // A human club can keep a player past 44: such ages count as 44.
    assert(position <= kAttacker);
    assert(ability >= 10 && ability <= 99);
    age = std::clamp(age, 16, 44);
    m_Ability = ClampByte(ability, 10, 99);
    m_Position = std::min<uint8_t>(position, kAttacker);
    if (Random(10) < 2) m_Position |= kLeftFoot;
    const CSoccerPlayerCareerPathList& paths = CareerPathTable();
    m_CareerPath = GetPosition() == kGoalkeeper
                       ? paths.PickCareerPath()
                       : paths.PickCareerPathFromSecondGroup();
    GenerateSkills();
    if (age < 21) AdjustForYouth();
    if (age > 30) AdjustForVeteran();
    RecalculateAbility();
    m_Rating.Init(m_Ability);
    m_PreviousAbility = m_Ability;
}

void CSoccerPlayer::GenerateSkills() {
    assert(m_Ability >= 10 && m_Ability <= 99);
    const double a = m_Ability / 100.0;
    m_Strength = static_cast<uint8_t>(Floor((Random(30) + 21) * a + 50));
    m_Pace = static_cast<uint8_t>(Floor((Random(30) + 21) * a + 50));
    m_Flair = static_cast<uint8_t>(Floor((Random(60) + 1) * a + 25));
    m_Dribbling = static_cast<uint8_t>(Floor((Random(60) + 1) * a + 25));
    m_Progress.fill(0.0);
    m_PaceUpTicks = m_PaceDownTicks = m_StrengthTicks = 0;
    auto draw = [a](double spread, double base) { return C(Random(Floor(spread * a)) + base * a); };
    switch (ClampedPosition()) {
        case kGoalkeeper:
            m_Handling = m_Ability;
            m_Tackling = draw(20, 30);
            m_Passing = draw(20, 30);
            m_Shooting = draw(30, 20);
            m_Heading = draw(30, 20);
            break;
        case kDefender:
            m_Handling = 10;
            m_Tackling = m_Ability;
            m_Passing = draw(30, 30);
            m_Shooting = draw(30, 30);
            m_Heading = draw(20, 20);
            break;
        case kMidfielder:
            m_Handling = 10;
            m_Tackling = draw(30, 30);
            m_Passing = m_Ability;
            m_Shooting = draw(30, 30);
            m_Heading = draw(30, 30);
            break;
        default:
            m_Handling = 10;
            m_Tackling = draw(20, 30);
            m_Passing = draw(30, 30);
            m_Shooting = m_Ability;
            m_Heading = draw(10, 90);
            break;
    }
    RecalculateAbility();
    m_PreviousAbility = m_Ability;
}

void CSoccerPlayer::AdjustForYouth() {
    m_Strength = static_cast<uint8_t>(29 + Random(40));
    m_Pace = static_cast<uint8_t>(29 + Random(40));
    m_Flair = static_cast<uint8_t>(29 + Random(40));
    m_Dribbling = static_cast<uint8_t>(29 + Random(40));
    for (uint8_t* s : {&m_Handling, &m_Tackling, &m_Passing, &m_Shooting})
        *s = static_cast<uint8_t>(std::max(10, Floor(0.8 * *s)));
}

void CSoccerPlayer::AdjustForVeteran() {
    m_Pace = static_cast<uint8_t>(24 + Random(50));
    for (uint8_t* s : {&m_Handling, &m_Tackling, &m_Passing, &m_Shooting})
        *s = static_cast<uint8_t>(std::min(99, Floor(1.2 * *s)));
}

void CSoccerPlayer::GenerateForCountry(int age, int position, const CPopularity& row, uint8_t entry) {
    static constexpr int kK[4] = {22, 18, 14, 12};
    int e = std::min<int>(entry, 3);
    int drop = Random(kK[e]);
    int ability = 6 - drop + row.GetRandomAbility(e);
    Generate(age, static_cast<uint8_t>(std::clamp(position, 0, 3)), ClampByte(ability, 10, 99));
    m_Fitness = 95;
}

void CSoccerPlayer::GenerateFromPopularity(int age, const CPopularity& row, uint8_t abilityEntry,
                                           uint8_t position) {
    int ability = std::max(10, row.GetRandomAbility(abilityEntry));
    Generate(age, position, ClampByte(ability, 10, 99));
    m_Fitness = 95;
}

void CSoccerPlayer::GenerateStar() {
    m_Pace = static_cast<uint8_t>(70 + Random(30));
    m_Ability = static_cast<uint8_t>(92 + Random(7));
    GenerateSkills();
}

// ---------------------------------------------------------- development

namespace {

int AgeGroup(int age) {
    if (age <= 18) return 0;
    if (age <= 21) return 1;
    if (age <= 24) return 2;
    if (age <= 27) return 3;
    if (age <= 31) return 4;
    return 5;
}

constexpr uint8_t kPaceUp[6][11] = {
    {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4}, {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3},
    {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3}, {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
constexpr uint8_t kPaceDown[6][11] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {3, 3, 2, 2, 1, 1, 0, 0, 0, 0, 0}, {4, 4, 3, 3, 2, 2, 0, 0, 0, 0, 0}};
constexpr uint8_t kStrengthUp[6][11] = {
    {0, 0, 0, 0, 2, 2, 2, 2, 3, 3, 3}, {0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 3},
    {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
constexpr uint8_t kFitnessCost[11] = {0, 3, 6, 9, 16, 19, 22, 25, 28, 31, 34};
constexpr int kFitnessChange[11] = {-2, -1, 0, 1, 2, 2, 3, 3, 4, 4, 5};
constexpr uint8_t kMatchEnergyCost[6] = {0, 5, 10, 15, 20, 25};
constexpr uint8_t kMatchFitnessGain[6] = {0, 1, 2, 3, 4, 5};

// Spill-over ranges [lo, hi] per group for tackling, passing, shooting,
// heading and handling; lo > hi never matches.
struct Range {
    int lo, hi;
    bool Holds(int r) const { return r >= lo && r <= hi; }
};
constexpr Range kNever{1, 0};
constexpr Range kSpill[4][5] = {
    {{25, 49}, {50, 75}, kNever, {75, 100}, {0, 23}},
    {{0, 4}, {5, 59}, {60, 69}, {70, 100}, kNever},
    {{0, 39}, {40, 44}, {46, 69}, {70, 100}, kNever},
    {{0, 19}, {20, 54}, {55, 63}, {64, 100}, kNever},
};

int Intensity(uint8_t allocation, double factor) {
    return std::min(10, std::max(0, Floor(allocation * factor)));
}

}  // namespace

int CSoccerPlayer::MinutesBracket(int m) {
    // 70 minutes counts with the longer stints, 106 with full time and stoppages.
    if (m <= 20) return 0;
    if (m <= 45) return 1;
    if (m <= 69) return 2;
    if (m <= 94) return 3;
    if (m <= 106) return 4;
    return 5;
}

int CSoccerPlayer::EnergyRecovery(int age) {
    if (age <= 19) return 28;
    if (age <= 23) return 26;
    if (age <= 27) return 24;
    if (age <= 31) return 22;
    if (age <= 34) return 20;
    if (age <= 38) return 18;
    if (age <= 43) return 16;
    return 0;  // 44, and the ages past the table's end
}

void CSoccerPlayer::SpillOver(int group, int r, int delta) {
    const Range* row = kSpill[std::clamp(group, 0, 3)];
    uint8_t* skills[5] = {&m_Tackling, &m_Passing, &m_Shooting, &m_Heading, &m_Handling};
    for (int i = 0; i < 5; ++i) {
        if (!row[i].Holds(r)) continue;
        // Heading has no clamp after it, so it is kept in 0..99 here.
        int top = i == 3 ? 99 : 255;
        *skills[i] = ClampByte(*skills[i] + delta, 0, top);
    }
}

void CSoccerPlayer::ApplyGains(double& p, double f, int group) {
    if (p < 0.8) return;
    const int r = Random(100);
    const int t = static_cast<int>(f);
    const int spillGroup = group < 0 ? ClampedPosition() : group;
    while (p >= 0.8) {
        p -= 0.8;
        uint8_t& skill = SkillOfGroup(group);
        skill = ClampByte(skill + 1, 0, 249);
        if (t >= 1) SpillOver(spillGroup, r, +1);
        if (Random(3) < t && m_Flair < 99) ++m_Flair;
        if (Random(3) < t && m_Dribbling < 99) ++m_Dribbling;
    }
}

void CSoccerPlayer::ApplyLosses(double& p, double f) {
    if (p > -0.8) return;
    const int s = Random(3);
    const int r = Random(100);
    const int t = static_cast<int>(f);
    while (p <= -0.8) {
        p += 0.8;
        uint8_t& skill = SkillOfGroup(-1);
        skill = ClampByte(skill - 1, 0, 255);
        if (s < t) SpillOver(ClampedPosition(), r, -1);
    }
}

void CSoccerPlayer::DevelopGroup(double amount, int age, int group) {
    const double f = CareerPathTable().GetGainFactor(m_CareerPath, ClampByte(age, 0, 255));
    double& p = m_Progress[static_cast<size_t>(std::clamp(group, -1, 3) + 1)];
    p += f * amount;
    ApplyGains(p, f, group);
    RecalculateAbility();
}

void CSoccerPlayer::Train(int age, double general, double specific) {
    m_PreviousAbility = m_Ability;
    DevelopGroup(general, age, -1);
    for (int g = 0; g < 4; ++g) DevelopGroup(m_Training[static_cast<size_t>(g)] * specific * 0.025, age, g);

    const int group = AgeGroup(age);
    int i = Intensity(m_Training[4], specific);
    for (int t = 0; t < kPaceUp[group][i]; ++t) {
        if (Random(140) > m_Pace) {
            ++m_PaceUpTicks;
            break;
        }
    }
    for (int t = 0; t < kPaceDown[group][i]; ++t) {
        if (Random(140) > m_Pace) {
            ++m_PaceDownTicks;
            break;
        }
    }
    if (m_PaceUpTicks >= 8 && m_Pace < 99) {
        ++m_Pace;
        m_PaceUpTicks = 0;
    }
    if (m_PaceDownTicks >= 8 && m_Pace > 0) {
        --m_Pace;
        m_PaceDownTicks = 0;
    }

    i = Intensity(m_Training[5], specific);
    for (int t = 0; t < kStrengthUp[group][i]; ++t) {
        if (Random(140) > m_Strength) {
            ++m_StrengthTicks;
            break;
        }
    }
    if (m_StrengthTicks >= 10 && m_Strength < 99) {
        ++m_Strength;
        m_StrengthTicks = 0;
    }

    i = Intensity(m_Training[6], specific);
    m_Energy = ClampByte(m_Energy - kFitnessCost[i], 30, 99);
    m_Fitness = ClampByte(m_Fitness + kFitnessChange[i], 30, 99);
    RecalculateAbility();
}

void CSoccerPlayer::TrainAvailableYouth(int age, uint8_t youthDevelopment) {
    m_PreviousAbility = m_Ability;
    DevelopGroup(youthDevelopment * 0.05, age, -1);
    RecalculateAbility();
}

void CSoccerPlayer::Develop(int age, uint8_t rating) {
    int r = std::clamp<int>(rating, m_Ability - 10, m_Ability + 10);
    r = std::clamp(r, 10, 99);
    m_Rating.Add(static_cast<uint8_t>(r));
    const int d = (m_Rating.GetLatest() - m_Ability) / 10;
    const uint8_t a = ClampByte(age, 0, 255);
    const double gain = CareerPathTable().GetGainFactor(m_CareerPath, a);
    if (d > 0) {
        m_Progress[0] += gain * d;
        ApplyGains(m_Progress[0], gain, -1);
    } else if (d < 0) {
        m_Progress[0] -= -d * CareerPathTable().GetLossFactor(m_CareerPath, a);
        ApplyLosses(m_Progress[0], gain);
    }
    RecalculateAbility();
}

void CSoccerPlayer::AfterMatchCondition(uint8_t minutes) {
    const int b = MinutesBracket(minutes);
    if (GetPosition() != kGoalkeeper) m_Energy = ClampByte(m_Energy - kMatchEnergyCost[b], 30, 255);
    m_Fitness = ClampByte(m_Fitness + kMatchFitnessGain[b], 0, 99);
}

void CSoccerPlayer::Rest(uint8_t age) { m_Energy = ClampByte(m_Energy + EnergyRecovery(age), 30, 99); }

void CSoccerPlayer::RerollCondition() {
    m_Fitness = static_cast<uint8_t>(81 + Random(18));
    m_Energy = static_cast<uint8_t>(81 + Random(18));
}

void CSoccerPlayer::Decline(int n) {
    assert(n >= 1);
    if (Random(n) != 1) return;
    const int own = ClampedPosition();
    uint8_t* skills[4] = {&m_Handling, &m_Tackling, &m_Passing, &m_Shooting};
    if (*skills[own] > 10) --*skills[own];
    for (int i = 0; i < 4; ++i) {
        if (i == own) continue;
        if (Random(2) == 1 && *skills[i] > 10) --*skills[i];
    }
    RecalculateAbility();
}
