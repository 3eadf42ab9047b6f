#pragma once
// The week's noteworthy events of one competition, and the headlines the
// newspaper makes of them. Indexes name fixtures of the competition's list
// and clubs, players and managers of the world's lists; -1 means none.
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extstring.h"

class CFixtureList;

class CNewsPaperEvents {
public:
    CNewsPaperEvents() { Reset(); }
    virtual ~CNewsPaperEvents() = default;

    void Reset();

    // Keeps the biggest win (three goals or more; the later of equal ones)
    // and the latest high-scoring draw.
    void SetResult(int fixtureIndex, const CFixtureList& fixtures);
    // Keeps the longest injury; the later of equal ones.
    void SetInjury(int playerIndex, int weeks);
    // Keeps the dearest transfer by amount; the later of equal ones. The
    // amount is not saved: after a load the next transfer replaces the old.
    void SetTransfer(int playerIndex, int buyerClub, const std::string& feeText, double amount);
    // Keeps the most skilful suspended player; the later of equal ones.
    void SetSuspension(int playerIndex, int ownPositionSkill);
    // The latest player back from injury.
    void SetReturningPlayer(int playerIndex) { m_ReturningPlayer = playerIndex; }
    void SetDrawText(const std::string& text) { m_DrawText = text; }
    void SetChampion(int club) { m_Champion = club; }
    void SetRunnerUp(int club) { m_RunnerUp = club; }
    void SetManagerOfTheMonth(int manager) { m_ManagerOfTheMonth = manager; }
    void AddSackedManager(int manager) { m_Sacked.Add(static_cast<uint32_t>(manager)); }
    void AddNewManager(int manager) { m_NewManagers.Add(static_cast<uint32_t>(manager)); }

    // Headlines: empty when the event is not stored. `variant` 0 to 9.
    std::string GetBigWinHeadline(int variant, const CFixtureList& fixtures) const;
    std::string GetDrawHeadline(int variant, const CFixtureList& fixtures) const;
    std::string GetShockWinHeadline(int variant, const CFixtureList& fixtures) const;
    std::string GetCupUpsetHeadline(int variant, const CFixtureList& fixtures) const;
    std::string GetChampionsHeadline(int variant) const;
    std::string GetRunnersUpHeadline(int variant) const;
    std::string GetPlayerOfTheSeasonHeadline(int) const { return {}; }
    std::string GetInjuryHeadline(int variant) const;
    std::string GetReturnFromInjuryHeadline(int variant) const;
    // A one-match ban always reads "... GETS A 1 MATCH SUSPENSION".
    std::string GetSuspensionHeadline(int variant) const;
    std::string GetTransferHeadline(int variant) const;
    std::string GetTopScorerHeadline(int variant) const;
    std::string GetManagerOfTheMonthHeadline(int variant) const;
    // Entry i of the sacked or new managers.
    std::string GetManagerSackedHeadline(int variant, int i) const;
    std::string GetNewManagerHeadline(int variant, int i) const;

    void Write(FILE* file) const;
    void Read(FILE* file);

    int32_t m_BigWin, m_Draw, m_ShockWin, m_CupUpset, m_Champion, m_RunnerUp;
    int32_t m_InjuredPlayer;
    uint8_t m_InjuryWeeks;
    int32_t m_TransferPlayer, m_TransferClub;
    CExtString m_TransferFee;
    double m_TransferAmount;
    int32_t m_ReturningPlayer, m_SuspendedPlayer, m_SuspendedSkill, m_TopScorer, m_ManagerOfTheMonth;
    CExtDWordArray m_Reserved;
    int32_t m_ReservedValue;
    CExtDWordArray m_Sacked;
    CExtDWordArray m_NewManagers;
    CExtString m_DrawText;

private:
    std::string FixtureHeadline(int fixtureIndex, const CFixtureList& fixtures, unsigned firstId, int count,
                                int variant, bool winnerFirst) const;
};
