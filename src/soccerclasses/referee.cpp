#include "soccerclasses/referee.h"

#include <string>

#include "platform/msgformat.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/startupfile.h"

int CSoccerReferee::GroupOfKind(uint8_t kind) {
    switch (kind) {
        case 0: return 0;
        case 1: case 2: case 4: case 5: return 1;
        case 3: case 6: return 2;
        default: return -1;
    }
}

void CSoccerReferee::ReadRecord(FILE* f) {
    CExtString forename, surname;
    forename.LoadFixed(f, 2);
    surname.Load(f);
    m_Person.SetForename(forename);
    m_Person.SetSurname(surname);
    m_Person.ReadDatabase(f);
    for (auto& b : m_RecordBytes) b = LoadByte(f);
    m_Division = LoadWord(f);
    m_Season = {};
    m_Career = {};
}

void CSoccerReferee::WriteRecord(FILE* f) const {
    char forename[2] = {0, 0};
    const std::string& fn = m_Person.GetForename();
    for (size_t i = 0; i < fn.size() && i < 2; ++i) forename[i] = fn[i];
    WriteGameFile(forename, 1, 2, f);
    CExtString(m_Person.GetSurname()).Save(f);
    m_Person.WriteDatabase(f);
    for (uint8_t b : m_RecordBytes) SaveByte(f, b);
    SaveWord(f, m_Division);
}

void CSoccerReferee::AddMatch(uint8_t bookings, uint8_t sendingsOff, uint8_t kind) {
    int g = GroupOfKind(kind);
    if (g < 0) return;
    Counts& s = m_Season[static_cast<size_t>(g)];
    s.bookings = static_cast<uint8_t>(s.bookings + bookings);
    s.sendingsOff = static_cast<uint8_t>(s.sendingsOff + sendingsOff);
    ++s.matches;
    CareerCounts& c = m_Career[static_cast<size_t>(g)];
    c.bookings = static_cast<uint16_t>(c.bookings + bookings);
    c.sendingsOff = static_cast<uint16_t>(c.sendingsOff + sendingsOff);
    ++c.matches;
}

bool CSoccerReferee::NewSeason(const CCountry* country) {
    m_Person.EndSeason();
    bool retires = m_Person.GetAge() >= kFirstRetirementAge + Random(5);
    if (retires) {
        // A new man: younger, with no record, and named as players of his
        // country are (the re-made person alone would keep the old names).
        uint8_t age = static_cast<uint8_t>(30 + Random(6));
        if (country) {
            m_Person.InitGiven(age, 0, *country, true);
            m_Person.SetForename("");
            m_Person.SetSurname("");
            m_Person.DrawNames(*country);
        } else {
            m_Person.SetAge(age);
        }
        m_Career = {};
    }
    m_Season = {};
    return retires;
}

int CSoccerReferee::GetSeasonBookings() const {
    int n = 0;
    for (const auto& s : m_Season) n += s.bookings;
    return n;
}

int CSoccerReferee::GetSeasonSendingsOff() const {
    int n = 0;
    for (const auto& s : m_Season) n += s.sendingsOff;
    return n;
}

bool CSoccerReferee::AddToListControl(CListRows& rows) const {
    if (GetSeasonBookings() + GetSeasonSendingsOff() == 0) return false;
    int row = rows.AddRow("", 0, reinterpret_cast<uintptr_t>(this), 0);
    rows.SetItem(row, 1, m_Person.GetName());
    rows.SetItemNumber(row, 2, GetSeasonBookings());
    rows.SetItemNumber(row, 3, GetSeasonSendingsOff());
    rows.SetItemNumber(row, 4, GetDisciplinaryPoints());
    return true;
}

void CSoccerReferee::Save(FILE* f) const {
    m_Person.Save(f);
    for (uint8_t b : m_RecordBytes) SaveByte(f, b);
    SaveWord(f, m_Division);
    for (const auto& s : m_Season) {
        SaveByte(f, s.bookings);
        SaveByte(f, s.sendingsOff);
        SaveByte(f, s.matches);
    }
    for (const auto& c : m_Career) {
        SaveWord(f, c.bookings);
        SaveWord(f, c.sendingsOff);
        SaveWord(f, c.matches);
    }
}

void CSoccerReferee::Load(FILE* f) {
    m_Person.Load(f);
    for (auto& b : m_RecordBytes) b = LoadByte(f);
    m_Division = LoadWord(f);
    for (auto& s : m_Season) {
        s.bookings = LoadByte(f);
        s.sendingsOff = LoadByte(f);
        s.matches = LoadByte(f);
    }
    for (auto& c : m_Career) {
        c.bookings = LoadWord(f);
        c.sendingsOff = LoadWord(f);
        c.matches = LoadWord(f);
    }
}

void CSoccerRefereeList::ReadFile(const char* relPath, const CDivisionList& divisions, int countryCount) {
    RemoveAll();
    FILE* f = OpenDataFile(relPath);
    int32_t n = LoadCount(f, 2 + 4 + 5 + 8 + 2 + 2);
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto r = std::make_unique<CSoccerReferee>();
        r->ReadRecord(f);
        if (GameFileDamaged()) break;
        const CDivision* d = divisions.GetAt(r->m_Division);
        uint8_t country = r->m_Person.GetCountry();
        if (country >= countryCount || !d || d->GetCountry() != country) {
            RemoveAll();
            RefuseDataFile(f, relPath, "referee " + std::to_string(i) + ": a division not of his country");
        }
        Add(std::move(r));
    }
    if (GameFileDamaged()) RemoveAll();
    CloseDataFile(f, relPath);
}

void CSoccerRefereeList::WriteFile(FILE* f, const std::vector<const CSoccerReferee*>& referees) {
    SaveInt32(f, static_cast<int32_t>(referees.size()));
    for (const CSoccerReferee* r : referees) r->WriteRecord(f);
}

void CSoccerRefereeList::Save(FILE* f) const {
    for (const auto& r : *this) r->Save(f);
}

void CSoccerRefereeList::Load(FILE* f) {
    for (const auto& r : *this) r->Load(f);
}

void CSoccerResult::SetHome(const std::string& name, uint8_t human, const CCountry* country) {
    m_HomeName = name;
    m_HomeHuman = human;
    m_HomeCountry = country;
}

void CSoccerResult::SetAway(const std::string& name, uint8_t human, const CCountry* country) {
    m_AwayName = name;
    m_AwayHuman = human;
    m_AwayCountry = country;
}

void CSoccerResult::SetFixture(const CFixture* fixture) {
    if (!fixture) return;
    m_Fixture = fixture;
    m_HomeGoals = fixture->m_HomeGoals;
    m_AwayGoals = fixture->m_AwayGoals;
    m_Attendance = fixture->m_Attendance;
}

void CSoccerResult::AddToListControl(CListRows& rows, int row) const {
    rows.SetRowColour(row, m_HomeHuman == 1 || m_AwayHuman == 1 ? 0xFFFF00u : 0xFFFFFFu);
    rows.SetItem(row, 0, m_HomeName);
    rows.SetItem(row, 2, m_AwayName);
    if (!HasScore()) {
        rows.SetItem(row, 1, "-");
    } else {
        rows.SetItem(row, 1, platform::StrPrintf("%d - %d", m_HomeGoals, m_AwayGoals));
        rows.SetItem(row, 3, platform::StrPrintf("%d", m_Attendance));
    }
    rows.SetRowData1(row, reinterpret_cast<uintptr_t>(m_Fixture));
}
