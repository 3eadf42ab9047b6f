#include "soccerclasses/youth.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/availableyouth.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kImprovedIds[4][3] = {
    {33325, 33326, 33327}, {33328, 33329, 33330}, {33331, 33332, 33333}, {33372, 33373, 33374}};
constexpr int kDeclinedIds[4][3] = {
    {33375, 33376, 33377}, {33378, 33379, 33380}, {33381, 33382, 33383}, {33384, 33385, 33386}};
constexpr int kYouthReportCode = 64;
constexpr int kYouthDeclineCode = 65;
constexpr unsigned kYouthInfoButton = 61018;

int ChangeKind(const std::array<int, 5>& a1, const std::array<int, 5>& b1, const std::array<int, 5>& a2,
               const std::array<int, 5>& b2, bool up) {
    auto moved = [up](const std::array<int, 5>& a, const std::array<int, 5>& b) {
        for (size_t i = 0; i < a.size(); ++i)
            if (up ? b[i] > a[i] : b[i] < a[i]) return true;
        return false;
    };
    return (moved(a1, b1) ? 1 : 0) + (moved(a2, b2) ? 2 : 0);
}

std::array<int, 5> SkillGroup(const CSoccerPlayer& f) {
    return {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Shooting, f.m_Heading};
}

std::array<int, 5> PhysicalGroup(const CSoccerPlayer& f) {
    return {f.m_Pace, f.m_Flair, f.m_Strength, f.m_Fitness, f.m_Energy};
}

}  // namespace

CYouth::CYouth(const CPlayer& player) {
    m_Person = player.m_Person;
    m_Football.CopyFrom(player.m_Football);
}

CYouth::CYouth(const CAvailableYouth& youth) {
    m_Person = youth.m_Person;
    m_Football.CopyFrom(youth.m_Football);
}

void CYouth::Save(FILE* f) const {
    m_Person.Save(f);
    m_Football.Save(f);
}

void CYouth::Load(FILE* f) {
    m_Person.Load(f);
    m_Football.Load(f);
}

void CYouth::FillListRow(CListRows& list, uintptr_t data) const {
    const CSoccerPlayer& f = m_Football;
    const int row = list.AddRow(GetName(), 0, reinterpret_cast<uintptr_t>(this), data);
    list.SetItemNumber(row, 1, m_Person.GetAge());
    list.SetItem(row, 2, platform::LoadString(f.GetPositionLetterId()));
    int col = 3;
    for (int v : {int(f.m_Ability), int(f.m_Handling), int(f.m_Tackling), int(f.m_Passing), int(f.m_Dribbling),
                  int(f.m_Shooting), int(f.m_Heading), int(f.m_Pace), int(f.m_Strength), int(f.m_Flair)})
        list.SetItemNumber(row, col++, v);
    if (CWorldData* w = GetWorldData()) list.SetRowColour(row, w->GetListColour(f.GetPosition()));
}

void CYouth::GetContractDemands(CContractOffer& offer, const CClub& club) const {
    m_Football.GetContractDemands(offer, m_Person.GetAge(), false, MoneyScaleOf(club.GetCountry()));
}

std::string CYouth::AnswerContractOffer(CContractOffer& d, const CClub& club, CContractOffer& o) const {
    const std::string name = GetName();
    const MoneyScale m = MoneyScaleOf(club.GetCountry());
    const int age = m_Person.GetAge();
    auto reply = [&](int code, unsigned id) { return platform::StrPrintf("%d", code) + platform::FormatMessageId(id, {name}); };
    auto accept = [&] {
        return std::string("1") + platform::FormatMessageId(26, {name, static_cast<int>(o.m_Years), club.GetName()});
    };
    if (o.m_WeeklyWage == d.m_WeeklyWage && o.m_Years == d.m_Years && o.m_SigningOnFee == d.m_SigningOnFee)
        return accept();
    const double minFee = m_Football.GetMinimumSigningFee(age, false, m);
    d.m_SigningOnFee = minFee + (d.m_SigningOnFee - minFee) / 2;
    if (o.m_SigningOnFee < minFee && o.m_SigningOnFee < d.m_SigningOnFee) return reply(4, 16);
    if (o.m_SigningOnFee > m_Football.GetMaximumSigningFee(age, false, m)) return reply(5, 17);
    if (o.m_Years > 9) {
        d.m_Years -= Random(d.m_Years);
        return reply(9, 27);
    }
    const double w = m_Football.GetMinimumWage(age, m);
    if (o.m_WeeklyWage < w) {
        d.m_WeeklyWage = w + (d.m_WeeklyWage - w) / 2;
        return reply(6, 14);
    }
    if (d.m_WeeklyWage < o.m_WeeklyWage && Random(10) < 7) {
        d.m_WeeklyWage = w + (d.m_WeeklyWage - w) / 2;
        return reply(7, 15);
    }
    const double W = m_Football.GetMaximumWage(age, m);
    if (o.m_WeeklyWage > W) {
        d.m_WeeklyWage = W;
        return reply(7, 15);
    }
    // Only a shorter offer than asked makes him ask for more seasons.
    if (o.m_Years != d.m_Years && (o.m_Years > Random(50) || o.m_Years < 1)) {
        o.m_Years += Random(o.m_Years);
        return reply(8, 28);
    }
    return accept();
}

void CYouth::Train(const CClub& club, int& improved, int& declined) {
    const auto skills = SkillGroup(m_Football);
    const auto physical = PhysicalGroup(m_Football);
    const CSoccerSquadTraining* t = club.GetSquadTraining();
    const double general = (t ? t->GetSetting(1) : 20) / 40.0;
    const double specific = (t ? t->GetSetting(2) : 10) / 40.0;
    m_Football.Train(m_Person.GetAge(), general, specific);
    improved = ChangeKind(skills, SkillGroup(m_Football), physical, PhysicalGroup(m_Football), true);
    declined = ChangeKind(skills, SkillGroup(m_Football), physical, PhysicalGroup(m_Football), false);
}

CYouth* CYouthList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return youths_[static_cast<size_t>(i)].get();
}

int CYouthList::Add(std::unique_ptr<CYouth> youth) {
    youths_.push_back(std::move(youth));
    return GetSize() - 1;
}

void CYouthList::AddRandomYouth(const CCountry& country, const CPopularity& row, int position) {
    if (GetSize() >= kCapacity) return;
    auto y = std::make_unique<CYouth>();
    y->m_Person.InitRandomYoungster(country);
    y->m_Football.Reset();
    // The youngster plays where a random player of the country plays; the
    // position given picks the row's ability entry.
    const CPlayer* model = country.GetRandomPlayer();
    const int plays = model ? model->GetPosition() : Random(3);
    y->m_Football.GenerateForCountry(y->m_Person.GetAge(), plays, row, static_cast<uint8_t>(std::clamp(position, 0, 3)));
    youths_.push_back(std::move(y));
}

void CYouthList::GenerateYouths(const CCountry& country, const CPopularity& row, int position) {
    for (int k = 0; k < 13; ++k)
        if (Random(10) < 7) AddRandomYouth(country, row, position);
}

void CYouth::TrainAndReport(const CClub& club, ReportGate& gate) {
    int improved = 0, declined = 0;
    Train(club, improved, declined);
    if (!club.IsHumanManaged()) return;
    // Youths whose skills did not move pass a throttle, so that the coach
    // does not report on every quiet week.
    const bool skillsMoved = (improved & 1) || (declined & 1);
    if (!skillsMoved) {
        if (gate.gate < 0) gate.gate = Random(std::max(1, static_cast<int>(club.GetSquadSize())) - 1) + 1;
        if (++gate.quietCount <= gate.gate) return;
        gate.gate = 255;
    }
    const int pos = std::min(m_Football.GetPosition(), 3);
    if (improved)
        SendMessageToHuman(club, kYouthReportCode, GetName(), platform::LoadString(kImprovedIds[pos][improved - 1]));
    else if (declined && m_Football.HasDeclined())
        SendMessageToHuman(club, kYouthDeclineCode, GetName(), platform::LoadString(kDeclinedIds[pos][declined - 1]));
}

void CYouth::OfferContractPrompt(const CClub& club, int squadSize) {
    if (squadSize >= 30 || m_Person.GetAge() != 18 || Random(5) != 1) return;
    const CManager* manager = club.GetManagerObject();
    const std::string managerName = manager ? manager->GetName() : std::string();
    const std::string text = platform::FormatMessageId(25, {managerName, GetName()});
    for (;;) {
        const int answer = UserMessageBoxTextEx(text, kBoxThreeButtons, 0, platform::LoadString(kYouthInfoButton),
                                                platform::LoadString(940), platform::LoadString(521), -1, -1, 1, "");
        if (answer == kAnswerYes) {
            GetUserPort().RunScreenModal(60, this, 0, 0, 0);
            continue;
        }
        if (answer == kAnswerNo) GetUserPort().RunScreenModal(62, this, 0, 0, 0);
        return;
    }
}

void CYouthList::TrainAll(const CClub& club) {
    // Only a human manager's youths are coached week by week.
    if (!club.IsHumanManaged()) return;
    CYouth::ReportGate gate{-1, quietCount_};
    for (const auto& y : youths_) y->TrainAndReport(club, gate);
}

void CYouthList::OfferContracts(const CClub& club, int squadSize) {
    if (!club.IsHumanManaged()) return;
    for (const auto& y : youths_) y->OfferContractPrompt(club, squadSize);
}

void CYouthList::SeasonEnd() {
    for (int i = GetSize() - 1; i >= 0; --i) {
        youths_[static_cast<size_t>(i)]->m_Person.EndSeason();
        if (youths_[static_cast<size_t>(i)]->m_Person.GetAge() > 18) youths_.erase(youths_.begin() + i);
    }
}

std::unique_ptr<CYouth> CYouthList::RemoveAt(int index) {
    if (index < 0 || index >= GetSize()) return nullptr;
    auto y = std::move(youths_[static_cast<size_t>(index)]);
    youths_.erase(youths_.begin() + index);
    return y;
}

void CYouthList::DeleteAt(int index) { RemoveAt(index); }

int CYouthList::FindIndex(const CYouth* youth) const {
    for (int i = 0; i < GetSize(); ++i)
        if (youths_[static_cast<size_t>(i)].get() == youth) return i;
    return 0xFFFF;
}

void CYouthList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& y : youths_) y->Save(f);
}

void CYouthList::Load(FILE* f) {
    youths_.clear();
    const int32_t n = LoadCount(f, 100);
    if (n > 255) {
        MarkGameFileDamaged("a youth squad beyond reason");
        return;
    }
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        auto y = std::make_unique<CYouth>();
        y->Load(f);
        youths_.push_back(std::move(y));
    }
    if (GameFileDamaged()) youths_.clear();
}
