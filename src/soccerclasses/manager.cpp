#include "soccerclasses/manager.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/userport.h"
#include "platform/msgformat.h"
#include "soccerclasses/popularity.h"

namespace {

constexpr int kRise[10] = {0, 0, 0, 1, 1, 1, 1, 1, 2, 2};
constexpr int kFall[10] = {0, 0, 1, 1, 1, 1, 1, 2, 2, 2};
constexpr int kDiscontent[10] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 3};

int Table(const int (&t)[10]) { return t[std::clamp(Random(9), 0, 9)]; }

uint8_t Clamp99(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 99)); }

template <class T>
void AddTo(T& counter, int n) {
    counter = static_cast<T>(std::clamp<int64_t>(static_cast<int64_t>(counter) + n, 0,
                                                 static_cast<int64_t>(std::numeric_limits<T>::max())));
}

constexpr uint32_t kSecondsPerDay = 86400;

}  // namespace

void CManager::Clear() {
    for (auto& h : m_History) h = CManagerHistory{};
    m_SeasonSales = m_SeasonPurchases = m_SeasonPoints = m_CareerPoints = 0;
    m_ClubWins = m_CareerWins = m_Savings = m_PreviousSavings = m_LivingCosts = 0;
    m_ClubDraws = m_CareerDraws = m_ClubLosses = m_CareerLosses = 0;
    m_ClubGoalsFor = m_CareerGoalsFor = m_ClubGoalsAgainst = m_CareerGoalsAgainst = 0;
    m_Rating = m_GoodMomentum = m_BadMomentum = 0;
    m_CampaignPoints = m_CampaignGoalsFor = m_CampaignGoalsAgainst = 0;
    m_MonthAwards = {};
    m_Titles = m_Promotions = m_Relegations = m_Cups = {};
    m_SeasonWins = m_SeasonDraws = m_SeasonLosses = m_SeasonGoalsFor = m_SeasonGoalsAgainst = 0;
    m_BoardConfidence = m_FanConfidence = m_Discontent = m_IsHuman = 0;
}

void CManager::ResetRecord() {
    m_SeasonPoints = 0;
    m_MonthAwards[1] = 0;
    m_SeasonWins = m_SeasonDraws = m_SeasonLosses = m_SeasonGoalsFor = m_SeasonGoalsAgainst = 0;
    m_SeasonSales = m_SeasonPurchases = 0;
}

int CManager::GetLastClubIndex() const {
    if (m_History[0].m_Club >= 0) return m_History[0].m_Club;
    return m_History[1].m_Club;
}

int CManager::GetWinPercentage() const {
    const int games = m_SeasonWins + m_SeasonDraws + m_SeasonLosses;
    if (games == 0) return 100;
    return m_SeasonWins * 100 / games + m_SeasonDraws * 50 / games;
}

int CManager::GetWageLevel() const {
    static constexpr int kSteps[9] = {500, 1000, 2000, 4000, 7000, 11000, 16000, 22000, 30000};
    const int v = static_cast<int>(m_Person.GetWeeklyWage() * 0.8);
    int level = 0;
    while (level < 9 && v >= kSteps[level]) ++level;
    return level;
}

void CManager::JoinClub(int club, int32_t today, double yearlyWage, uint8_t contractYears,
                        uint8_t startingDiscontent, uint8_t ratingThreshold) {
    CManagerHistory& h = m_History[0];
    h.m_Club = static_cast<int16_t>(club);
    h.m_JoinedDay = today;
    h.m_LeftDay = 0;
    h.m_Sales = h.m_Purchases = 0;
    const double wage = std::trunc(yearlyWage / 52);
    assert(wage > 0);
    m_Person.SetWeeklyWage(std::max(1.0, wage));
    m_LivingCosts = static_cast<int32_t>(m_Person.GetWeeklyWage() * 0.8);
    m_Person.SetWeeksAtClub(0);
    m_Person.SetContractYears(contractYears);
    m_ClubWins = 0;
    m_ClubDraws = m_ClubLosses = m_ClubGoalsFor = m_ClubGoalsAgainst = 0;
    m_MonthAwards[0] = m_Titles[0] = m_Promotions[0] = m_Relegations[0] = m_Cups[0] = 0;
    m_CampaignPoints = m_CampaignGoalsFor = m_CampaignGoalsAgainst = 0;
    m_Discontent = startingDiscontent;
    if (m_Rating == 0) m_Rating = std::min(95, ratingThreshold + 10);
    m_BoardConfidence = m_FanConfidence = static_cast<uint8_t>(std::clamp(m_Rating, 0.0, 99.0));
}

void CManager::LeaveClub(int32_t today) {
    m_History[2] = m_History[1];
    m_History[1] = m_History[0];
    m_History[1].m_LeftDay = today;
    m_History[0] = CManagerHistory{};
    m_Person.SetContractYears(0);
    m_ClubWins = 0;
    m_ClubDraws = m_ClubLosses = m_ClubGoalsFor = m_ClubGoalsAgainst = 0;
    m_MonthAwards[0] = m_Titles[0] = m_Promotions[0] = m_Relegations[0] = m_Cups[0] = 0;
}

void CManager::CountGoals(int f, int a) {
    AddTo(m_CampaignGoalsFor, f);
    AddTo(m_CampaignGoalsAgainst, a);
    AddTo(m_SeasonGoalsFor, f);
    AddTo(m_SeasonGoalsAgainst, a);
    AddTo(m_ClubGoalsFor, f);
    AddTo(m_ClubGoalsAgainst, a);
    AddTo(m_CareerGoalsFor, f);
    AddTo(m_CareerGoalsAgainst, a);
}

void CManager::Gain(double rating, double momentum) {
    m_Rating = std::min(99.0, m_Rating + rating);
    m_GoodMomentum += momentum;
    if (m_GoodMomentum > 1) ConfidenceUp();
}

bool CManager::Drop(double rating, double momentum, int clubGames) {
    m_Rating = std::max(5.0, m_Rating - rating);
    m_BadMomentum += momentum;
    return m_BadMomentum > 1 && ConfidenceDown(clubGames);
}

bool CManager::Win(double x) {
    Gain(x, 2 * x);
    return false;
}

bool CManager::Lose(double x, int clubGames) { return Drop(x, 2 * x, clubGames); }

bool CManager::Draw(int own, int other, int clubGames) {
    double d = (own - other) / 45.0;
    if (d > 0) {
        Gain(d, 2 * d);
    } else if (d < 0) {
        d = std::abs(std::trunc(d));
        return Drop(d, 2 * d, clubGames);
    }
    return false;
}

void CManager::CountWin() {
    ++m_ClubWins;
    ++m_CareerWins;
    AddTo(m_SeasonWins, 1);
}

void CManager::CountDraw() {
    AddTo(m_ClubDraws, 1);
    AddTo(m_CareerDraws, 1);
    AddTo(m_SeasonDraws, 1);
}

void CManager::CountLoss() {
    AddTo(m_ClubLosses, 1);
    AddTo(m_CareerLosses, 1);
    AddTo(m_SeasonLosses, 1);
}

bool CManager::RecordLeagueResult(int f, int a, int winPoints, int drawPoints, int own, int other,
                                  int clubGames) {
    CountGoals(f, a);
    if (f > a) {
        AddTo(m_CampaignPoints, winPoints);
        m_SeasonPoints += winPoints;
        m_CareerPoints += winPoints;
        CountWin();
        return Win(std::max(0.3, (own - other) / 15.0));
    }
    if (f == a) {
        AddTo(m_CampaignPoints, drawPoints);
        m_SeasonPoints += drawPoints;
        m_CareerPoints += drawPoints;
        CountDraw();
        return Draw(own, other, clubGames);
    }
    CountLoss();
    return Lose(std::max(0.3, (other - own) / 15.0), clubGames);
}

bool CManager::RecordCupResult(int f, int a, int own, int other, int clubGames) {
    CountGoals(f, a);
    if (f > a) {
        CountWin();
        return Win(std::max(0.3, (own - other) / 15.0));
    }
    if (f == a) {
        CountDraw();
        return Draw(own, other, clubGames);
    }
    CountLoss();
    return Lose(std::max(0.3, (other - own) / 15.0), clubGames);
}

void CManager::ConfidenceUp() {
    m_BoardConfidence = Clamp99(m_BoardConfidence + Table(kRise));
    m_FanConfidence = Clamp99(m_FanConfidence + Table(kRise));
    m_Discontent = Clamp99(m_Discontent - Table(kDiscontent));
}

bool CManager::ConfidenceDown(int clubGames) {
    const int r = Random(100);
    int board = m_BoardConfidence - Table(kFall);
    int fan = m_FanConfidence - Table(kFall);
    if (fan < board && ((fan < 30 && r < 75) || (fan >= 31 && fan < 40 && r < 50) ||
                        (fan >= 40 && fan < 60 && r < 25)))
        --board;
    m_BoardConfidence = Clamp99(board);
    m_FanConfidence = Clamp99(fan);
    m_Discontent = Clamp99(m_Discontent + Table(kDiscontent));
    return ShouldBeSacked(clubGames);
}

bool CManager::ShouldBeSacked(int clubGames) {
    const int r = Random(100);
    if (clubGames < kGamesBeforeSacking) return false;
    if (m_Person.GetWeeksAtClub() < kWeeksBeforeSacking) return false;
    const int b = m_BoardConfidence;
    if (b < 10) return true;
    if (b < 20) return r < 90;
    if (b < 30) return r < 30;
    if (b < 40) return r < 5;
    return false;
}

void CManager::AddMonthAward() {
    for (auto& c : m_MonthAwards) AddTo(c, 1);
    Gain(1, 2);
    m_Savings += 2000;
}

void CManager::AddLeagueTitle(bool top) {
    for (auto& c : m_Titles) AddTo(c, 1);
    const int x = top ? 4 : 3;
    Gain(x, 2 * x);
    m_Savings += static_cast<int32_t>(m_Person.GetWeeklyWage() * 52 * 0.1);
}

void CManager::AddCupWin(uint8_t reward) {
    for (auto& c : m_Cups) AddTo(c, 1);
    Gain(reward, 2.0 * reward);
    m_BoardConfidence = Clamp99(m_BoardConfidence + 2 + Random(2));
    m_FanConfidence = Clamp99(m_FanConfidence + 2 + Random(2));
    m_Savings += static_cast<int32_t>(m_Person.GetWeeklyWage() * 52 * 0.08);
}

void CManager::AddPromotion() {
    for (auto& c : m_Promotions) AddTo(c, 1);
    Gain(2, 4);
    m_BoardConfidence = Clamp99(m_BoardConfidence + 3 + Random(2));
    m_FanConfidence = Clamp99(m_FanConfidence + 3 + Random(2));
}

void CManager::AddTopPlaces() { Gain(2, 4); }

void CManager::AddRelegation() {
    for (auto& c : m_Relegations) AddTo(c, 1);
    m_Rating = std::max(5.0, m_Rating - 3);
    m_BadMomentum += 6;
    m_BoardConfidence = Clamp99(m_BoardConfidence - 3 - Random(2));
    m_FanConfidence = Clamp99(m_FanConfidence - 3 - Random(2));
    if (m_BadMomentum > 1) ConfidenceDown(0);
}

bool CManager::AddBottomPlaces(int clubGames) { return Drop(1, 2, clubGames); }

void CManager::AddLastPlace() { Drop(1, 2, 0); }

void CManager::AddFederationCupEntry() { Gain(2, 4); }

bool CManager::WeeklyStep() {
    m_Person.SetWeeksAtClub(static_cast<int16_t>(std::min(32767, m_Person.GetWeeksAtClub() + 1)));
    const bool employed = IsEmployed();
    const int income = employed ? static_cast<int>(m_Person.GetWeeklyWage()) : 0;
    if (employed) m_LivingCosts = static_cast<int32_t>(m_Person.GetWeeklyWage() * 0.8);
    m_PreviousSavings = m_Savings;
    m_Savings = m_Savings - m_LivingCosts + income;
    return IsHuman() && m_Savings < ((income * -12) / 100) * 70;
}

bool CManager::SeasonEnd() {
    m_Person.SetContractYears(static_cast<uint8_t>(std::max(0, m_Person.GetContractYears() - 1)));
    m_Person.SetAge(static_cast<uint8_t>(std::min(255, m_Person.GetAge() + 1)));
    m_CampaignPoints = m_CampaignGoalsFor = m_CampaignGoalsAgainst = 0;
    if (IsHuman()) HoldBackSeasonReview();
    return m_Person.GetAge() > 55 && Random(6) == 1;
}

void CManager::HoldBackSeasonReview() const {
    CWorldData* w = GetWorldData();
    const CClub* club = w ? w->GetClub(GetLastClubIndex()) : nullptr;
    // Only a club that played its season in a followed league, with a crowd
    // at home, has a season to review.
    if (!club || !club->IsCountryActive() || club->GetAverageAttendance() <= 0) return;
    const int index = w->GetManagerList().FindIndex(this);
    CUserList& users = w->GetUserList();
    for (int u = 0; u < CUserList::kSlots; ++u)
        if (index >= 0 && users.GetAt(u)->GetManagerIndex() == index)
            users.GetAt(u)->SetDeferredMessage(kSeasonReviewMessage, GetName(), club->GetName(), "", index);
}

void CManager::Save(FILE* f) const {
    m_Person.Save(f);
    for (const CManagerHistory& h : m_History) {
        SaveInt16(f, h.m_Club);
        SaveWord(f, 0);
        SaveUInt32(f, static_cast<uint32_t>(h.m_JoinedDay) * kSecondsPerDay);
        SaveUInt32(f, static_cast<uint32_t>(h.m_LeftDay) * kSecondsPerDay);
        SaveUInt32(f, 0);
        SaveDouble(f, h.m_Sales);
        SaveDouble(f, h.m_Purchases);
    }
    SaveInt32(f, m_SeasonPoints);
    SaveInt32(f, m_CareerPoints);
    for (uint8_t b : {m_CampaignPoints, m_CampaignGoalsFor, m_CampaignGoalsAgainst, m_MonthAwards[0],
                      m_MonthAwards[1], m_MonthAwards[2], m_Titles[0], m_Titles[1], m_Promotions[0],
                      m_Promotions[1], m_Relegations[0], m_Relegations[1]})
        SaveByte(f, b);
    SaveInt32(f, m_ClubWins);
    SaveByte(f, m_SeasonWins);
    SaveInt32(f, m_CareerWins);
    SaveWord(f, m_ClubDraws);
    SaveByte(f, m_SeasonDraws);
    SaveWord(f, m_CareerDraws);
    SaveWord(f, m_ClubLosses);
    SaveByte(f, m_SeasonLosses);
    SaveWord(f, m_CareerLosses);
    SaveWord(f, m_ClubGoalsFor);
    SaveByte(f, m_SeasonGoalsFor);
    SaveWord(f, m_CareerGoalsFor);
    SaveWord(f, m_ClubGoalsAgainst);
    SaveByte(f, m_SeasonGoalsAgainst);
    SaveWord(f, m_CareerGoalsAgainst);
    SaveInt32(f, m_SeasonSales);
    SaveInt32(f, m_SeasonPurchases);
    SaveByte(f, m_Cups[0]);
    SaveByte(f, m_Cups[1]);
    SaveDouble(f, m_Rating);
    SaveDouble(f, m_GoodMomentum);
    SaveDouble(f, m_BadMomentum);
    SaveByte(f, m_BoardConfidence);
    SaveByte(f, m_FanConfidence);
    SaveInt32(f, m_Savings);
    SaveInt32(f, m_PreviousSavings);
    SaveByte(f, m_Discontent);
    SaveInt32(f, m_LivingCosts);
    SaveByte(f, m_IsHuman);
}

void CManager::Load(FILE* f) {
    m_Person.Load(f);
    for (CManagerHistory& h : m_History) {
        h.m_Club = LoadInt16(f);
        LoadWord(f);
        h.m_JoinedDay = static_cast<int32_t>(LoadUInt32(f) / kSecondsPerDay);
        h.m_LeftDay = static_cast<int32_t>(LoadUInt32(f) / kSecondsPerDay);
        LoadUInt32(f);
        h.m_Sales = LoadDouble(f);
        h.m_Purchases = LoadDouble(f);
    }
    m_SeasonPoints = LoadInt32(f);
    m_CareerPoints = LoadInt32(f);
    for (uint8_t* b : {&m_CampaignPoints, &m_CampaignGoalsFor, &m_CampaignGoalsAgainst, &m_MonthAwards[0],
                       &m_MonthAwards[1], &m_MonthAwards[2], &m_Titles[0], &m_Titles[1], &m_Promotions[0],
                       &m_Promotions[1], &m_Relegations[0], &m_Relegations[1]})
        *b = LoadByte(f);
    m_ClubWins = LoadInt32(f);
    m_SeasonWins = LoadByte(f);
    m_CareerWins = LoadInt32(f);
    m_ClubDraws = LoadWord(f);
    m_SeasonDraws = LoadByte(f);
    m_CareerDraws = LoadWord(f);
    m_ClubLosses = LoadWord(f);
    m_SeasonLosses = LoadByte(f);
    m_CareerLosses = LoadWord(f);
    m_ClubGoalsFor = LoadWord(f);
    m_SeasonGoalsFor = LoadByte(f);
    m_CareerGoalsFor = LoadWord(f);
    m_ClubGoalsAgainst = LoadWord(f);
    m_SeasonGoalsAgainst = LoadByte(f);
    m_CareerGoalsAgainst = LoadWord(f);
    m_SeasonSales = LoadInt32(f);
    m_SeasonPurchases = LoadInt32(f);
    m_Cups[0] = LoadByte(f);
    m_Cups[1] = LoadByte(f);
    m_Rating = LoadDouble(f);
    m_GoodMomentum = LoadDouble(f);
    m_BadMomentum = LoadDouble(f);
    m_BoardConfidence = LoadByte(f);
    m_FanConfidence = LoadByte(f);
    m_Savings = LoadInt32(f);
    m_PreviousSavings = LoadInt32(f);
    m_Discontent = LoadByte(f);
    m_LivingCosts = LoadInt32(f);
    m_IsHuman = LoadByte(f);
}

CManager* CManagerList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return slots_[static_cast<size_t>(i)].get();
}

int CManagerList::Add(std::unique_ptr<CManager> manager) {
    for (int i = 0; i < GetSize(); ++i) {
        if (!slots_[static_cast<size_t>(i)]) {
            slots_[static_cast<size_t>(i)] = std::move(manager);
            return i;
        }
    }
    slots_.push_back(std::move(manager));
    return GetSize() - 1;
}

void CManagerList::RemoveAt(int index) {
    if (index >= 0 && index < GetSize()) slots_[static_cast<size_t>(index)].reset();
}

int CManagerList::FindIndex(const CManager* manager) const {
    for (int i = 0; i < GetSize(); ++i)
        if (slots_[static_cast<size_t>(i)].get() == manager) return i;
    return -1;
}

void CManagerList::AddSales(int index, int amount) {
    assert(amount >= 0);
    CManager* m = GetAt(index);
    if (!m || !m->IsEmployed() || amount < 0) return;
    m->m_SeasonSales += amount;
    m->m_History[0].m_Sales += amount;
}

void CManagerList::AddPurchases(int index, int amount) {
    assert(amount >= 0);
    CManager* m = GetAt(index);
    if (!m || !m->IsEmployed() || amount < 0) return;
    m->m_SeasonPurchases += amount;
    m->m_History[0].m_Purchases += amount;
}

void CManagerList::SwapClubIndexes(int a, int b) {
    for (const auto& m : slots_) {
        if (!m) continue;
        for (CManagerHistory& h : m->m_History) {
            if (h.m_Club == a)
                h.m_Club = static_cast<int16_t>(b);
            else if (h.m_Club == b)
                h.m_Club = static_cast<int16_t>(a);
        }
    }
}

void CManagerList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& m : slots_) {
        SaveInt32(f, m ? 1 : 0);
        if (m) m->Save(f);
    }
}

void CManagerList::Load(FILE* f) {
    slots_.clear();
    const int32_t n = LoadCount(f, 4);
    if (n >= 65535) {
        MarkGameFileDamaged("more manager slots than indexes");
        return;
    }
    slots_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        if (!LoadInt32(f)) continue;
        auto m = std::make_unique<CManager>();
        m->Load(f);
        slots_[static_cast<size_t>(i)] = std::move(m);
    }
    if (GameFileDamaged()) slots_.clear();
}

int32_t CManagerList::ReadFromClubsFile(FILE* f, int32_t club, uint8_t age, const CPopularity* popularity) {
    auto m = std::make_unique<CManager>();
    CPerson& p = m->Person();
    CExtString forename, surname;
    forename.LoadFixed(f, 2);
    surname.Load(f);
    p.SetForename(forename);
    p.SetSurname(surname);
    p.SetContractYears(LoadByte(f));
    p.SetCountry(LoadByte(f));
    p.Face() = CFace{};
    p.Face().SetRace(LoadByte(f));
    p.ReadFaceBytes(f);
    p.SetAge(std::max<uint8_t>(age, CPerson::kMinimumAge));
    m->SetClubIndex(club);
    // Older managers have proved themselves more: 30 to 85 by age.
    m->m_Rating = std::clamp(30 + (age - 30) + Random(20), 30, 85);
    m->m_BoardConfidence = m->m_FanConfidence = static_cast<uint8_t>(m->m_Rating);
    double wage = 0;
    if (popularity)
        wage = std::trunc((popularity->m_ManagerWageBase + Random(static_cast<int>(popularity->m_ManagerWageSpread))) / 52.0);
    p.SetWeeklyWage(wage > 0 ? wage : 100.0);
    m->m_LivingCosts = static_cast<int32_t>(p.GetWeeklyWage() * 0.8);
    return Add(std::move(m));
}

void CManager::FillListRow(CListRows& list) const {
    const int row = list.AddRow("", 0, reinterpret_cast<uintptr_t>(this), 0);
    list.SetItem(row, 1, GetName());
    CWorldData* w = GetWorldData();
    const CClub* club = w ? w->GetClub(GetLastClubIndex()) : nullptr;
    list.SetItem(row, 2, club ? club->GetName() : std::string());
    list.SetItemNumber(row, 3, static_cast<int>(std::clamp(m_Rating, 0.0, 100.0)));
    list.SetRowColour(row, IsHuman() ? 255u : 16777215u);
}

int CManagerList::AddManager(const CCountry& country) {
    auto m = std::make_unique<CManager>();
    m->Person().InitRandomAdult(1.0, country);
    m->Person().SetAge(static_cast<uint8_t>(38 + Random(24)));
    m->Person().SetWeeklyWage(0);
    return Add(std::move(m));
}

std::vector<int> CManagerList::CollectUnemployed(uint8_t nationality) const {
    std::vector<int> out;
    for (int i = 0; i < GetSize(); ++i) {
        const CManager* m = GetAt(i);
        if (m && !m->IsHuman() && !m->IsEmployed() && m->Person().GetCountry() == nationality) out.push_back(i);
    }
    return out;
}

void CManagerList::WeeklyStepAll() {
    CWorldData* w = GetWorldData();
    for (int i = GetSize() - 1; i >= 0; --i) {
        CManager* m = GetAt(i);
        if (!m || !m->WeeklyStep()) continue;
        if (m->IsEmployed()) {
            if (CClub* club = w ? w->GetClub(m->GetClubIndex()) : nullptr) {
                std::string savings = platform::StrPrintf("%d", m->m_Savings);
                if (const CCountry* c = club->GetCountry()) c->FormatMoney(savings, m->m_Savings);
                SendMessageToHuman(*club, 51, savings);
                club->SetManagerIndex(-1);
            }
        }
        UserMessageBoxText(platform::FormatMessageId(865, {m->GetName()}), kBoxNotice, -1);
        if (w) w->RemoveManagerFromUsers(i);
        CClub::ForgetManagerIndex(i);
        RemoveAt(i);
    }
}

bool CManagerList::SeasonEndFor(int index) {
    CManager* m = GetAt(index);
    return m && m->SeasonEnd();
}

CClub* CManager::GetClub() const {
    CWorldData* w = GetWorldData();
    return w ? w->GetClub(GetLastClubIndex()) : nullptr;
}

CClub* CManager::GetPreviousClub() const {
    CWorldData* w = GetWorldData();
    return w ? w->GetClub(GetPreviousClubIndex()) : nullptr;
}

std::string CManager::GetLastClubName() const {
    const CClub* club = GetClub();
    return club ? club->GetName() : std::string();
}

std::string CManager::GetPreviousClubName() const {
    const CClub* club = GetPreviousClub();
    return club ? club->GetName() : std::string("-");
}
