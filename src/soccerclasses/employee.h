#pragma once
// A club's staff and contacts: coaches, physios, scouts and the people a
// manager deals with. At most 20 to a club.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/person.h"

class CClub;
class CCountry;
class CListRows;
class CPopularity;

class CBasicEmployee {
public:
    enum Kind : uint8_t {
        kHeadCoach = 0, kHeadPhysio = 1, kScout = 2, kYouthCoach = 3, kAssistantManager = 4,
        kBankManager = 5, kKinds = 17
    };
    static constexpr uint8_t kRetiredAge = 255;

    CBasicEmployee() = default;
    virtual ~CBasicEmployee() = default;
    CBasicEmployee(const CBasicEmployee&) = default;
    CBasicEmployee& operator=(const CBasicEmployee&) = default;

    void Reset() { m_JobKind = m_Ability = m_Spare = 0; }
    std::string GetJobTitle() const;
    static std::string JobTitle(uint8_t kind);
    // The staff wage base of his ability's row, and that plus its spread.
    double GetMinimumWage() const;
    double GetMaximumWage() const;
    void MakeContractDemand(CContractOffer& offer, const CCountry& country) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

    CPerson& Person() { return m_Person; }
    const CPerson& Person() const { return m_Person; }
    std::string GetName() const { return m_Person.GetName(); }

    bool operator==(const CBasicEmployee& o) const {
        return m_Person == o.m_Person && m_JobKind == o.m_JobKind && m_Ability == o.m_Ability && m_Spare == o.m_Spare;
    }

    CPerson m_Person;
    uint8_t m_JobKind = 0;
    uint8_t m_Ability = 0;
    uint8_t m_Spare = 0;
};

class CEmployee : public CBasicEmployee {
public:
    CEmployee() = default;
    // A new member of staff of the kind for a club of the popularity row.
    CEmployee(uint8_t kind, const CCountry& country, const CPopularity& row);
    explicit CEmployee(const CBasicEmployee& other) : CBasicEmployee(other) {}

    bool IsContact() const { return m_JobKind > kAssistantManager; }
    // 1 when he is ready to talk about a new contract.
    int DecideFuture(const std::string& clubName, bool notify);
    // 1 when he leaves (his contract has ended without a new one).
    uint8_t ContractExpires(const CClub& club, bool notify);
    // The club whose staff holds him; NULL when none.
    CClub* GetClub() const;
    // With one year left he may ask the human manager for new terms.
    void CheckContract(const CClub& club);
    // Asks the human manager until he negotiates or rejects; asking for
    // information shows the person and asks again.
    void AskHuman(const std::string& text);
    void EndOfSeason(bool real);
    // A coded answer: a digit, then the message.
    std::string RespondToOffer(CContractOffer& demand, const CClub& club, const CContractOffer& offer);

    void AddStaffRow(CListRows& list, uintptr_t index, uint8_t kindFilter) const;
    void AddScoutNameRow(CListRows& list) const;
    // Name and ability; grey while he is away on an assignment for the
    // current human manager's club.
    void AddScoutRow(CListRows& list) const;
    void AddGroupRow(CListRows& list, int group) const;
};

class CEmployeeList {
public:
    static constexpr int kMaxEmployees = 20;

    CEmployeeList() = default;
    CEmployeeList(const CEmployeeList&) = delete;
    CEmployeeList& operator=(const CEmployeeList&) = delete;

    int GetSize() const { return static_cast<int>(slots_.size()); }
    CEmployee* GetAt(int i) const;
    int Add(std::unique_ptr<CEmployee> e);
    void RemoveAt(int i);
    int FindIndex(const CEmployee* e) const;
    // True when no slot is empty.
    bool CheckAllPresent() const;
    // The first of the kind, or none.
    CEmployee* FindKind(uint8_t kind) const;
    int32_t GetTotalWages() const;
    double GetWageTotal() const { return GetTotalWages(); }

    void EndOfSeason(bool real, CClub& club);
    void Release(int index, CClub& club);
    void CheckContracts(CClub& club);

    void FillStaffList(CListRows& list, uint8_t kindFilter) const;
    void FillGroupList(CListRows& list, int group) const;
    void FillScoutNameList(CListRows& list) const;
    void FillScoutList(CListRows& list) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CEmployee>> slots_;
};
