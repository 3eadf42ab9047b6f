#pragma once
// Federations group countries and own the international club cups.
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CCountry;
class CFederationCup;
class CListRows;
class CPlayerSearch;

inline constexpr const char* kFederationFile = "Data\\fed.bin";

class CFederation {
public:
    CFederation() = default;
    CFederation(uint8_t id, std::string name, std::string secondName)
        : m_Id(id), m_Name(std::move(name)), m_SecondName(std::move(secondName)) {}

    // "Data\\fed.bin": id, name, second name.
    void ReadStartupRecord(FILE* file);
    void WriteStartupRecord(FILE* file) const;
    // Saved game: the same, then members and cups.
    void Save(FILE* file) const;
    void Load(FILE* file);

    uint8_t GetId() const { return m_Id; }
    const CExtString& GetName() const { return m_Name; }
    const CExtString& GetSecondName() const { return m_SecondName; }

    int GetCupCount() const { return m_Cups.GetSize(); }
    uint8_t GetCupIndex(int i) const { return m_Cups.GetAt(i); }
    // The world's federation cup named by cups[i]; NULL outside the cups.
    CFederationCup* GetCup(int i) const;
    void AddCup(uint8_t cup) { m_Cups.Add(cup); }
    void RemoveCups() { m_Cups.RemoveAll(); }
    int GetCountryCount() const { return m_Members.GetSize(); }
    uint32_t GetCountryIndex(int i) const { return m_Members.GetAt(i); }
    void AddMember(uint32_t country) { m_Members.Add(country); }
    const CExtDWordArray& GetMembers() const { return m_Members; }

    // The member with that federation rank (the last when several have it);
    // NULL when none has it.
    CCountry* GetCountryByRank(uint8_t rank) const;
    // Club entries need the federation cups; none enter one yet.
    bool IsClubEntered(int club) const;
    // The country's clubs that stand among the entrants of this federation's
    // cups, appended in cup order (a domestic cup holds them back).
    void PassCountryClubRange(const CCountry& country, CExtDWordArray& out) const;
    // A random member other than a and b that has a division; NULL without
    // drawing when there is none.
    CCountry* GetRandomOtherCountry(const CCountry* a, const CCountry* b) const;

    // The screens' lists over every member country, each through the
    // country's own filler; the fair-play rows are named with the country
    // when `withCountry` is set.
    void FillPlayerSearchList(CListRows& rows, const CPlayerSearch& search) const;
    void FillClubInfoList(CListRows& rows, int withCountry) const;
    void FillDisciplineList(CListRows& rows) const;
    void FillRefereeList(CListRows& rows) const;
    void FillClubList(CListRows& rows) const;
    void FillFixtureList(CListRows& rows) const;
    void FillTopScorerList(CListRows& rows) const;
    void FillPlayerCountList(CListRows& rows) const;
    void FillManagerList(CListRows& rows) const;

private:
    uint8_t m_Id = 0;
    CExtString m_Name;
    CExtString m_SecondName;
    CExtDWordArray m_Members;
    CExtByteArray m_Cups;
};

class CFederationList : public OwningList<CFederation> {
public:
    // Reads "Data\\fed.bin"; throws DataFileError when it is missing or damaged.
    CFederationList();
    struct Empty {};
    explicit CFederationList(Empty) {}

    void Read(FILE* file);
    void WriteStartupFile(FILE* file) const;
    void AddCountry(uint32_t country, int federation);
    // Every member of every federation: the world's fair-play table (named
    // with the country), the players' discipline and the referees.
    void FillClubInfoList(CListRows& rows) const;
    void FillDisciplineList(CListRows& rows) const;
    void FillRefereeList(CListRows& rows) const;
    // Every federation in order, with no count.
    void Save(FILE* file) const;
    void Load(FILE* file);
};
