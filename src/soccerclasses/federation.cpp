#include "soccerclasses/federation.h"

#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/worlddata.h"

void CFederation::ReadStartupRecord(FILE* file) {
    m_Id = LoadByte(file);
    m_Name.Load(file);
    m_SecondName.Load(file);
}

void CFederation::WriteStartupRecord(FILE* file) const {
    SaveByte(file, m_Id);
    m_Name.Save(file);
    m_SecondName.Save(file);
}

void CFederation::Save(FILE* file) const {
    WriteStartupRecord(file);
    m_Members.Save(file);
    m_Cups.Save(file);
}

void CFederation::Load(FILE* file) {
    ReadStartupRecord(file);
    m_Members.Load(file);
    m_Cups.Load(file);
}

CCountry* CFederation::GetCountryByRank(uint8_t rank) const {
    CCountry* found = nullptr;
    const CCountryList& countries = GetWorldData()->GetCountryList();
    for (uint32_t id : m_Members) {
        CCountry* c = countries.GetAt(static_cast<int>(id));
        if (c && c->GetFederationRank() == rank) found = c;
    }
    return found;
}

bool CFederation::IsClubEntered(int club) const {
    for (int i = 0; i < m_Cups.GetSize(); ++i)
        if (const CFederationCup* cup = GetCup(i); cup && cup->HasEntrant(club)) return true;
    return false;
}

void CFederation::PassCountryClubRange(const CCountry& country, CExtDWordArray& out) const {
    const int first = country.FirstClubIndex(), last = country.LastClubIndex();
    if (first < 0 || last < first) return;
    for (int i = 0; i < m_Cups.GetSize(); ++i) {
        const CFederationCup* cup = GetCup(i);
        if (!cup) continue;
        for (int e = 0; e < cup->m_Entrants.GetSize(); ++e) {
            const auto club = static_cast<int32_t>(cup->m_Entrants.GetAt(e));
            if (club >= first && club <= last && out.Find(static_cast<uint32_t>(club)) < 0)
                out.Add(static_cast<uint32_t>(club));
        }
    }
}

CCountry* CFederation::GetRandomOtherCountry(const CCountry* a, const CCountry* b) const {
    const CCountryList& countries = GetWorldData()->GetCountryList();
    auto suitable = [&](uint32_t id) {
        const CCountry* c = countries.GetAt(static_cast<int>(id));
        return c && c != a && c != b && c->GetDivisionCount() > 0;
    };
    bool any = false;
    for (uint32_t id : m_Members) any = any || suitable(id);
    if (!any) return nullptr;
    for (;;) {
        uint32_t id = m_Members.GetRandomElement();
        if (suitable(id)) return countries.GetAt(static_cast<int>(id));
    }
}

CFederationList::CFederationList() {
    FILE* f = OpenDataFile(kFederationFile);
    Read(f);
    CloseDataFile(f, kFederationFile);
}

void CFederationList::Read(FILE* file) {
    RemoveAll();
    int32_t n = LoadCount(file, 1 + 4 + 4);
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto fed = std::make_unique<CFederation>();
        fed->ReadStartupRecord(file);
        Add(std::move(fed));
    }
}

void CFederationList::WriteStartupFile(FILE* file) const {
    SaveInt32(file, GetSize());
    for (const auto& f : *this) f->WriteStartupRecord(file);
}

void CFederationList::AddCountry(uint32_t country, int federation) {
    if (CFederation* f = GetAt(federation)) f->AddMember(country);
}

void CFederationList::Save(FILE* file) const {
    for (const auto& f : *this) f->Save(file);
}

void CFederationList::Load(FILE* file) {
    for (const auto& f : *this) f->Load(file);
}

CFederationCup* CFederation::GetCup(int i) const {
    CWorldData* w = GetWorldData();
    if (!w || i < 0 || i >= m_Cups.GetSize()) return nullptr;
    return w->GetFederationCup(m_Cups.GetAt(i));
}
