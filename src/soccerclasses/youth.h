#pragma once
// A club's youth squad: up to 12 youngsters who train each week, are
// reported on by the youth coach and offered a contract at 18.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/person.h"
#include "soccerclasses/soccerplayer.h"

class CClub;
class CCountry;
class CListRows;
class CPlayer;
class CPopularity;

class CAvailableYouth;

class CYouth {
public:
    CYouth() = default;
    explicit CYouth(const CPlayer& player);
    // A youth of the country's market joining a club's youth squad.
    explicit CYouth(const CAvailableYouth& youth);

    void Save(FILE* file) const;
    void Load(FILE* file);

    std::string GetName() const { return m_Person.GetName(); }
    void FillListRow(CListRows& list, uintptr_t data) const;
    void GetContractDemands(CContractOffer& offer, const CClub& club) const;
    // A decimal code, then the message.
    std::string AnswerContractOffer(CContractOffer& demands, const CClub& club, CContractOffer& offer) const;
    // Trains a week; the coach's report kinds (0 none, 1 skills, 2 physical,
    // 3 both) of improvements and declines.
    void Train(const CClub& club, int& improved, int& declined);
    // The weekly pass's throttle on reports of youths whose skills did not
    // move: the gate is drawn on the first such youth of the pass.
    struct ReportGate {
        int gate = -1;
        int& quietCount;
    };
    // Trains a week and tells a human manager what the coach saw.
    void TrainAndReport(const CClub& club, ReportGate& gate);
    // At 18, with room in the squad, the human manager may offer him terms.
    void OfferContractPrompt(const CClub& club, int squadSize);

    CPerson m_Person;
    CSoccerPlayer m_Football;
};

class CYouthList {
public:
    static constexpr int kCapacity = 12;

    CYouthList() = default;
    CYouthList(const CYouthList&) = delete;
    CYouthList& operator=(const CYouthList&) = delete;

    int GetSize() const { return static_cast<int>(youths_.size()); }
    CYouth* GetAt(int i) const;
    int Add(std::unique_ptr<CYouth> youth);
    void AddRandomYouth(const CCountry& country, const CPopularity& row, int position);
    void GenerateYouths(const CCountry& country, const CPopularity& row, int position);
    void TrainAll(const CClub& club);
    void OfferContracts(const CClub& club, int squadSize);
    void SeasonEnd();
    // Takes a youth out of the list without deleting him.
    std::unique_ptr<CYouth> RemoveAt(int index);
    void DeleteAt(int index);
    int FindIndex(const CYouth* youth) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CYouth>> youths_;
    int quietCount_ = 0;  // youths without news, counted across weeks
};
