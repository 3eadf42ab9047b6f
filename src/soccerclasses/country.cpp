#include "soccerclasses/country.h"

#include "soccerclasses/club.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/worlddata.h"

namespace {

ClubActivationHook& Hook() {
    static ClubActivationHook hook;
    return hook;
}

void RunHook(CCountry& c, bool followed) {
    if (Hook()) Hook()(c, followed);
}

const char* const kMarkers[17] = {"",       "TEST1",  "TEST2",  "TEST3",  "TEST4",  "TEST5",
                                  "TEST6",  "TEST7",  "TEST8",  "TEST9",  "TEST10", "TEST11",
                                  "TEST12", "TEST13", "TEST14", "TEST15", "TEST16"};

}  // namespace

void SetClubActivationHook(ClubActivationHook hook) { Hook() = std::move(hook); }

CCountry::CCountry(const CountryRecord& r)
    : m_Name(r.name),
      m_SecondName(r.secondName),
      m_ThirdName(r.thirdName),
      m_Text1(r.text1),
      m_Text2(r.text2),
      m_Text3(r.text3),
      m_FirstFileValue(r.firstFileValue),
      m_SeasonKind(r.seasonKind),
      m_BoardReviewSwitch(r.boardReviewSwitch),
      m_SeasonStartDay(r.seasonStartDay),
      m_SeasonEndDay(r.seasonEndDay),
      m_BaseRaceRow(r.baseRaceRow),
      m_FirstFileByte(r.firstFileByte),
      m_SecondFileByte(r.secondFileByte),
      m_Id(r.id),
      m_Currency(r.currency),
      m_Federation(r.federation),
      m_FollowLevel(r.followLevel),
      m_WageFactor(r.wageFactor),
      m_FederationRank(r.federationRank),
      m_ThirdFileByte(r.thirdFileByte) {
    for (uint8_t d : r.deadlineDays) m_DeadlineDays.Add(d);
    if (IsFollowed()) CreateMarkets();
}

CCountry::~CCountry() = default;

void CCountry::ReadStartupRecord(FILE* file) {
    m_Id = LoadByte(file);
    m_Name.Load(file);
    m_ThirdName.Load(file);
    m_SecondName.Load(file);
    m_Federation = LoadByte(file);
    m_FirstFileValue = LoadInt32(file);
    m_Currency = LoadByte(file);
    m_ThirdFileByte = LoadByte(file);
    m_FollowLevel = LoadByte(file);
    m_WageFactor = LoadByte(file);
    m_BoardReviewSwitch = LoadByte(file);
    m_FederationRank = LoadByte(file);
    m_SeasonKind = LoadInt32(file);
    LoadInt32(file);  // a value the game never used
    m_SeasonStartDay = LoadByte(file);
    m_SeasonEndDay = LoadByte(file);
    m_BaseRaceRow = LoadByte(file);
    m_Text1.Load(file);
    m_Text2.Load(file);
    m_Text3.Load(file);
    m_FirstFileByte = LoadByte(file);
    m_SecondFileByte = LoadByte(file);
    m_DeadlineDays.Load(file);
    m_FixedValue = 11;
    m_TransferWindow = 1;
}

void CCountry::WriteStartupRecord(FILE* file) const {
    SaveByte(file, m_Id);
    m_Name.Save(file);
    m_ThirdName.Save(file);
    m_SecondName.Save(file);
    SaveByte(file, m_Federation);
    SaveInt32(file, m_FirstFileValue);
    SaveByte(file, m_Currency);
    SaveByte(file, m_ThirdFileByte);
    SaveByte(file, m_FollowLevel);
    SaveByte(file, m_WageFactor);
    SaveByte(file, m_BoardReviewSwitch);
    SaveByte(file, m_FederationRank);
    SaveInt32(file, m_SeasonKind);
    SaveInt32(file, 0);
    SaveByte(file, m_SeasonStartDay);
    SaveByte(file, m_SeasonEndDay);
    SaveByte(file, m_BaseRaceRow);
    m_Text1.Save(file);
    m_Text2.Save(file);
    m_Text3.Save(file);
    SaveByte(file, m_FirstFileByte);
    SaveByte(file, m_SecondFileByte);
    m_DeadlineDays.Save(file);
}

void CCountry::Save(FILE* file) const {
    if (GetDivisionCount() == 0) return;
    SaveMarker(file, kMarkers[1]);
    SaveByte(file, m_FollowLevel);
    m_ClubRanking.Save(file);
    if (IsFollowed()) {
        SaveMarker(file, kMarkers[2]);
        m_YouthMarket->Save(file);
        SaveMarker(file, kMarkers[3]);
        m_StaffMarket->Save(file);
    }
    SaveMarker(file, kMarkers[4]);
    m_Cups.Save(file);
    SaveMarker(file, kMarkers[5]);
    m_News.Save(file);
    SaveMarker(file, kMarkers[6]);
    m_DeadlineDays.Save(file);
    SaveMarker(file, kMarkers[7]);
    m_RefereeNote.Save(file);
    SaveMarker(file, kMarkers[8]);
    SaveByte(file, m_TransferWindow);
    SaveMarker(file, kMarkers[9]);
    SaveByte(file, m_FederationRank);
    SaveMarker(file, kMarkers[10]);
    SaveInt32(file, m_CupFinalistA);
    SaveMarker(file, kMarkers[11]);
    SaveInt32(file, m_CupFinalistB);
    SaveMarker(file, kMarkers[12]);
    SaveInt32(file, m_CupQualifiers[0]);
    SaveInt32(file, m_CupQualifiers[1]);
    SaveMarker(file, kMarkers[13]);
    SaveInt32(file, m_SecondCupFinalistA);
    SaveMarker(file, kMarkers[14]);
    SaveInt32(file, m_SecondCupFinalistB);
    SaveMarker(file, kMarkers[15]);
    SaveInt32(file, m_CupPairFirst);
    SaveMarker(file, kMarkers[16]);
    SaveInt32(file, m_CupPairSecond);
}

void CCountry::Load(FILE* file) {
    if (GetDivisionCount() == 0) return;
    if (!LoadMarker(file, kMarkers[1])) return;
    uint8_t level = LoadByte(file);
    if (level != kFollowed && level != kNotFollowed) {
        MarkGameFileDamaged("follow level");
        return;
    }
    SetFollowLevel(level);
    m_ClubRanking.Load(file);
    if (IsFollowed()) {
        if (!LoadMarker(file, kMarkers[2])) return;
        m_YouthMarket->Load(file);
        if (!LoadMarker(file, kMarkers[3])) return;
        m_StaffMarket->Load(file);
    }
    if (!LoadMarker(file, kMarkers[4])) return;
    m_Cups.Load(file);
    if (!LoadMarker(file, kMarkers[5])) return;
    m_News.Load(file);
    if (!LoadMarker(file, kMarkers[6])) return;
    m_DeadlineDays.Load(file);
    if (!LoadMarker(file, kMarkers[7])) return;
    m_RefereeNote.Load(file);
    if (!LoadMarker(file, kMarkers[8])) return;
    m_TransferWindow = LoadByte(file);
    if (!LoadMarker(file, kMarkers[9])) return;
    m_FederationRank = LoadByte(file);
    if (!LoadMarker(file, kMarkers[10])) return;
    m_CupFinalistA = LoadInt32(file);
    if (!LoadMarker(file, kMarkers[11])) return;
    m_CupFinalistB = LoadInt32(file);
    if (!LoadMarker(file, kMarkers[12])) return;
    m_CupQualifiers[0] = LoadInt32(file);
    m_CupQualifiers[1] = LoadInt32(file);
    if (!LoadMarker(file, kMarkers[13])) return;
    m_SecondCupFinalistA = LoadInt32(file);
    if (!LoadMarker(file, kMarkers[14])) return;
    m_SecondCupFinalistB = LoadInt32(file);
    if (!LoadMarker(file, kMarkers[15])) return;
    m_CupPairFirst = LoadInt32(file);
    if (!LoadMarker(file, kMarkers[16])) return;
    m_CupPairSecond = LoadInt32(file);
}

void CCountry::CreateMarkets() {
    m_YouthMarket = std::make_unique<CAvailableYouthList>();
    m_StaffMarket = std::make_unique<CAvailableEmployeeList>();
}

void CCountry::DeleteMarkets() {
    m_YouthMarket.reset();
    m_StaffMarket.reset();
}

void CCountry::SetFollowLevel(uint8_t level) {
    bool was = IsFollowed();
    m_FollowLevel = level;
    if (was == IsFollowed()) return;
    // A country that stops being followed takes its clubs' detailed records
    // away; one that starts gives them.
    if (IsFollowed())
        CreateMarkets();
    else
        DeleteMarkets();
    RunHook(*this, IsFollowed());
}

void CCountry::SetInitialFollowLevel(uint8_t level) {
    m_FollowLevel = level;
    if (IsFollowed())
        CreateMarkets();
    else
        DeleteMarkets();
}

void CCountry::Activate() {
    if (IsFollowed()) return;
    SetFollowLevel(kFollowed);
    for (int i = 0; i < GetDivisionCount(); ++i)
        if (CDivision* d = GetDivision(i)) d->ActivateClubs();
}

void CCountry::RefreshSeasonText() {
    if (CWorldData* w = GetWorldData()) m_SeasonText = w->GetSeasonText(m_SeasonKind);
}

bool CCountry::IsSeasonStartDay() const {
    const CWorldData* w = GetWorldData();
    return w && m_SeasonStartDay == w->GetMatchDay();
}

CDivision* CCountry::GetDivision(int i) const {
    CWorldData* w = GetWorldData();
    if (!w || i < 0 || i >= GetDivisionCount()) return nullptr;
    return w->GetDivision(static_cast<int>(m_Divisions.GetAt(i)));
}

bool CCountry::IsTopDivision(const CDivision* division) const { return division && division == GetDivision(0); }

int CCountry::GetLastDivision() const {
    return GetDivisionCount() ? static_cast<int>(m_Divisions.GetAt(GetDivisionCount() - 1)) : -1;
}

int CCountry::FirstClubIndex() const {
    const CDivision* top = GetDivision(0);
    return top ? top->GetFirstClub() : -1;
}

int CCountry::LastClubIndex() const {
    const CDivision* top = GetDivision(0);
    if (!top) return -1;
    int count = 0;
    for (int i = 0; i < GetDivisionCount(); ++i)
        if (const CDivision* d = GetDivision(i)) count += d->GetClubCount();
    return top->GetFirstClub() + count - 1;
}

std::string CCountry::GetNewspaperText(int i) const {
    switch (i) {
        case 1: return m_Text1;
        case 2: return m_Text2;
        case 3: return m_Text3;
        default: return {};
    }
}

CPlayer* CCountry::GetRandomPlayer() const {
    CWorldData* w = GetWorldData();
    if (!w || GetDivisionCount() == 0) return nullptr;
    const CDivision* d = w->GetDivision(static_cast<int>(m_Divisions.GetRandomElement()));
    if (!d || d->GetClubCount() == 0) return nullptr;
    const CClub* club = w->GetClub(d->GetFirstClub() + Random(d->GetClubCount() - 1));
    if (!club) return nullptr;
    auto playerIn = [&](int slot) -> CPlayer* {
        uint16_t id = club->GetPlayerId(slot);
        return id == kEmptySlot ? nullptr : w->GetPlayer(id);
    };
    bool any = false;
    for (int s = 0; s < kSquadSlots && !any; ++s) any = playerIn(s) != nullptr;
    if (!any) return nullptr;
    for (;;)
        if (CPlayer* p = playerIn(Random(kSquadSlots - 1))) return p;
}

int CCountry::AddPlayOff(uint8_t playOff) {
    int at = m_PlayOffs.Find(playOff);
    return at >= 0 ? at : m_PlayOffs.Add(playOff);
}

void CCountry::AddNews(const std::string& text, uint8_t category) {
    const CWorldData* w = GetWorldData();
    m_News.Add(text, category, w ? w->GetDateText() : std::string());
}

void CCountry::AddNewsById(unsigned textId, uint8_t category) {
    const CWorldData* w = GetWorldData();
    m_News.Add(textId, category, w ? w->GetDateText() : std::string());
}

void CCountry::FillNewsStrings(std::vector<std::string>& out, const std::string& date) const {
    m_News.GetLines(out, date);
}

void CCountry::SwapClubIndexes(int32_t a, int32_t b) {
    for (int32_t* f : {&m_CupFinalistA, &m_CupFinalistB, &m_CupQualifiers[0], &m_CupQualifiers[1],
                       &m_SecondCupFinalistA, &m_SecondCupFinalistB, &m_CupPairFirst, &m_CupPairSecond}) {
        if (*f == a)
            *f = b;
        else if (*f == b)
            *f = a;
    }
    for (const auto& c : m_Cups) c->SwapClubIndexes(a, b);
}

double CCountry::ToBaseMoney(double amount) const {
    return GetWorldData()->GetCurrencyList().ToBaseMoney(m_Currency, amount);
}
double CCountry::ToLocalMoney(double amount) const {
    return GetWorldData()->GetCurrencyList().ToLocalMoney(m_Currency, amount);
}
int32_t CCountry::ToBaseWhole(uint32_t amount) const {
    return GetWorldData()->GetCurrencyList().ToBaseWhole(m_Currency, amount);
}
void CCountry::FormatMoney(std::string& out, double amount) const {
    GetWorldData()->GetCurrencyList().FormatMoney(out, m_Currency, amount);
}
void CCountry::FormatMoneyDecimals(std::string& out, double amount) const {
    GetWorldData()->GetCurrencyList().FormatMoneyDecimals(out, m_Currency, amount);
}

CCountryList::CCountryList() {
    CWorldData* w = GetWorldData();
    FILE* f = OpenDataFile(kCountryFile);
    Read(f, w->GetCurrencyList().GetSize(), w->GetFederationList(), w->GetCountrySelection());
    CloseDataFile(f, kCountryFile);
}

void CCountryList::Read(FILE* file, int currencyCount, CFederationList& federations, const uint8_t* selection) {
    RemoveAll();
    // The fixed part of a record alone is 37 bytes.
    int32_t n = LoadCount(file, 37);
    if (n > kCountrySelectionSize) {
        MarkGameFileDamaged("more countries than the selection can name");
        return;
    }
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto c = std::make_unique<CCountry>();
        c->ReadStartupRecord(file);
        if (GameFileDamaged()) break;
        if (c->GetId() != i || c->GetCurrency() >= currencyCount || c->GetFederation() >= federations.GetSize() ||
            c->GetWageFactor() == 0) {
            MarkGameFileDamaged("country record");
            break;
        }
        federations.AddCountry(c->GetId(), c->GetFederation());
        bool selected = false;
        for (int s = 0; s < kCountrySelectionSize && selection; ++s)
            if (selection[s] != 0 && selection[s] == c->GetId()) selected = true;
        c->SetInitialFollowLevel(selected ? kFollowed : kNotFollowed);
        Add(std::move(c));
    }
}

void CCountryList::WriteStartupFile(FILE* file) const {
    SaveInt32(file, GetSize());
    for (const auto& c : *this) c->WriteStartupRecord(file);
}

void CCountryList::Save(FILE* file) const {
    for (const auto& c : *this) c->Save(file);
}

void CCountryList::Load(FILE* file) {
    for (const auto& c : *this) {
        if (GameFileDamaged()) return;
        c->Load(file);
    }
}

int CCountryList::FindByName(const std::string& name) const {
    for (int i = 0; i < GetSize(); ++i)
        if (GetAt(i)->GetName() == name) return i;
    return -1;
}

CCountry* CCountryList::GetRandomLeagueCountry() const {
    auto suitable = [](const CCountry* c) { return c && c->GetDivisionCount() > 0 && c->IsFollowed(); };
    bool any = false;
    for (const auto& c : *this) any = any || suitable(c.get());
    if (!any) return nullptr;
    for (;;) {
        CCountry* c = GetAt(Random(GetSize() - 1));
        if (suitable(c)) return c;
    }
}

void CCountryList::AddNews(int country, const std::string& text) {
    if (country >= 0) {
        if (CCountry* c = GetAt(country)) c->AddNews(text, 0);
        return;
    }
    for (const auto& c : *this) c->AddNews(text, 0);
}
