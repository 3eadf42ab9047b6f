#include "soccerclasses/nonleagueclub.h"

#include <algorithm>
#include <cassert>

#include "soccerclasses/country.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

void CNonLeaguePlayer::Make(const std::string& forename, const std::string& surname, int position, int baseRaceRow) {
    m_Person.Clear();
    m_Football.Reset();
    const int age = 16 + Random(20);
    m_Person.Set(forename, surname, static_cast<uint8_t>(age), m_Person.GetCountry());
    m_Person.Face().Generate(baseRaceRow, true);
    m_Football.Generate(age, static_cast<uint8_t>(std::clamp(position, 0, 3)), static_cast<uint8_t>(10 + Random(2)));
}

CNonLeaguePlayer* CNonLeaguePlayerList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return slots_[static_cast<size_t>(i)].get();
}

void CNonLeaguePlayerList::Generate(int count, const CCountry& country) {
    assert(count >= 1 && count <= 29);
    count = std::clamp(count, 1, 25);
    slots_.clear();
    for (int i = 0; i < count; ++i) {
        const CPlayer* a = country.GetRandomPlayer();
        const CPlayer* b = country.GetRandomPlayer();
        auto p = std::make_unique<CNonLeaguePlayer>();
        p->m_Person.SetCountry(country.GetId());
        p->Make(a ? a->m_Person.GetForename() : std::string(), b ? b->m_Person.GetSurname() : std::string("Smith"),
                kSquadOrder[i], country.GetBaseRaceRow());
        p->m_Person.SetCountry(country.GetId());
        slots_.push_back(std::move(p));
    }
}

void CNonLeaguePlayerList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& p : slots_) {
        SaveUInt32(f, p ? 1u : 0u);
        if (!p) continue;
        p->m_Person.Save(f);
        p->m_Football.Save(f);
    }
}

void CNonLeaguePlayerList::Load(FILE* f) {
    slots_.clear();
    const int32_t n = LoadCount(f, 4);
    if (n > 255) {
        MarkGameFileDamaged("a non-league squad beyond reason");
        return;
    }
    slots_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        if (!LoadUInt32(f)) continue;
        auto p = std::make_unique<CNonLeaguePlayer>();
        p->m_Person.Load(f);
        p->m_Football.Load(f);
        slots_[static_cast<size_t>(i)] = std::move(p);
    }
    if (GameFileDamaged()) slots_.clear();
}

void CNonLeagueClub::Create(const std::string& name, int32_t stadium, const CCountry& country, const CKits& home,
                            const CKits& away) {
    assert(!name.empty());
    m_Name = name;
    m_Stadium = stadium;
    Reset(country);
    m_HomeKit = home;
    m_AwayKit = away;
}

void CNonLeagueClub::Reset(const CCountry& country) {
    m_FirstWord = 0;
    m_Country = country.GetId();
    m_Status = 0;
    std::fill(std::begin(m_Settings), std::end(m_Settings), uint8_t{0});
    // The last row but one of the popularity table.
    CWorldData* w = GetWorldData();
    const int rows = w ? w->GetPopularityList().GetSize() : 0;
    m_Popularity = static_cast<uint16_t>(std::max(0, rows - 2));
    m_Squad.RemoveAll();
    if (country.GetFollowLevel() < kNotFollowed) m_Squad.Generate(kSquadSize, country);
}

std::string CNonLeagueClub::GetStadiumName() const {
    CWorldData* w = GetWorldData();
    const CStadium* s = w ? w->GetStadiumList().GetAt(m_Stadium) : nullptr;
    return s ? s->name : std::string();
}

void CNonLeagueClub::Save(FILE* f) const {
    m_Name.Save(f);
    SaveInt32(f, m_Stadium);
    SaveByte(f, m_Country);
    SaveWord(f, m_FirstWord);
    SaveByte(f, m_Status);
    m_HomeKit.Save(f);
    m_AwayKit.Save(f);
    SaveByte(f, m_Settings[0]);
    SaveWord(f, m_FirstWord);
    SaveWord(f, m_Popularity);
    SaveByte(f, m_Settings[1]);
    SaveByte(f, m_Settings[2]);
    m_Squad.Save(f);
}

void CNonLeagueClub::Load(FILE* f) {
    m_Name.Load(f);
    m_Stadium = LoadInt32(f);
    m_Country = LoadByte(f);
    m_FirstWord = LoadWord(f);
    m_Status = LoadByte(f);
    m_HomeKit.Load(f);
    m_AwayKit.Load(f);
    m_Settings[0] = LoadByte(f);
    m_FirstWord = LoadWord(f);  // the second copy is the one kept
    m_Popularity = LoadWord(f);
    m_Settings[1] = LoadByte(f);
    m_Settings[2] = LoadByte(f);
    m_Squad.Load(f);
}

void CNonLeagueClubList::Save(FILE* f) const {
    for (const auto& c : *this) c->Save(f);
}

void CNonLeagueClubList::Load(FILE* f) {
    for (const auto& c : *this) {
        if (GameFileDamaged()) break;
        c->Load(f);
    }
}
