#pragma once
// Sell-on clauses: a club that sold a player keeps a share of his next fee.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

class CContractClause {
public:
    CContractClause(uint32_t player, uint8_t percentage, uint32_t club)
        : m_Player(player), m_Club(club), m_Percentage(percentage) {}
    virtual ~CContractClause() = default;

    uint32_t m_Player;
    uint32_t m_Club;
    uint8_t m_Percentage;
};

class CContractClauseList {
public:
    CContractClauseList() = default;
    ~CContractClauseList();
    CContractClauseList(const CContractClauseList&) = delete;
    CContractClauseList& operator=(const CContractClauseList&) = delete;

    int GetSize() const { return static_cast<int>(clauses_.size()); }
    CContractClause* GetAt(int i) const;
    void Add(uint32_t player, uint8_t percentage, uint32_t club);
    void RemovePlayerClauses(uint32_t player);
    // The player's oldest clause, or none.
    CContractClause* Find(uint32_t player) const;
    void SwapClubIndexes(uint32_t a, uint32_t b);
    void RemoveAll();

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CContractClause>> clauses_;
};
