#include "soccerclasses/newspaperevents.h"

#include "platform/msgformat.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worldlinks.h"

namespace {
unsigned Variant(unsigned first, int variant, int count) {
    return first + static_cast<unsigned>(((variant % count) + count) % count);
}

// A win is a shock when the winner's popularity row lies this far below the
// loser's: a much smaller club beat a much bigger one.
constexpr int kShockGap = 20;

// How many popularity rows the winner stands below the loser; 0 for a draw
// or a result between clubs of one size.
int ShockGap(const CFixture& f) {
    if (f.IsDraw() || f.m_Home < 0 || f.m_Away < 0) return 0;
    const int winner = ClubPopularityRow(f.GetWinnerIndex()), loser = ClubPopularityRow(f.GetLoserIndex());
    return winner < 0 || loser < 0 ? 0 : winner - loser;
}
}  // namespace

void CNewsPaperEvents::Reset() {
    m_BigWin = m_Draw = m_ShockWin = m_CupUpset = m_Champion = m_RunnerUp = -1;
    m_InjuredPlayer = -1;
    m_InjuryWeeks = 0xFF;
    m_TransferPlayer = m_TransferClub = -1;
    m_TransferFee.clear();
    m_TransferAmount = -1;
    m_ReturningPlayer = m_SuspendedPlayer = m_SuspendedSkill = m_TopScorer = m_ManagerOfTheMonth = -1;
    m_Reserved.SetSizeAndFill(11, 0xFFFFFFFFu);
    m_ReservedValue = -1;
    m_Sacked.RemoveAll();
    m_NewManagers.RemoveAll();
    m_DrawText.clear();
}

void CNewsPaperEvents::SetResult(int fixtureIndex, const CFixtureList& fixtures) {
    const CFixture* f = fixtures.GetAt(fixtureIndex);
    if (!f) return;
    int d = f->GetGoalDifference();
    if (d >= 3) {
        const CFixture* stored = m_BigWin >= 0 ? fixtures.GetAt(m_BigWin) : nullptr;
        if (!stored || stored->GetGoalDifference() <= d) m_BigWin = fixtureIndex;
    }
    if (d == 0 && f->m_HomeGoals >= 3) m_Draw = fixtureIndex;
    if (const int gap = ShockGap(*f); gap >= kShockGap) {
        const CFixture* stored = m_ShockWin >= 0 ? fixtures.GetAt(m_ShockWin) : nullptr;
        if (!stored || ShockGap(*stored) <= gap) m_ShockWin = fixtureIndex;
    }
}

void CNewsPaperEvents::SetInjury(int playerIndex, int weeks) {
    if (playerIndex < 0 || weeks <= 0) return;
    if (m_InjuredPlayer >= 0 && weeks < m_InjuryWeeks) return;
    m_InjuredPlayer = playerIndex;
    m_InjuryWeeks = static_cast<uint8_t>(weeks > 255 ? 255 : weeks);
}

void CNewsPaperEvents::SetTransfer(int playerIndex, int buyerClub, const std::string& feeText, double amount) {
    if (playerIndex < 0) return;
    if (m_TransferPlayer >= 0 && m_TransferAmount > amount) return;
    m_TransferPlayer = playerIndex;
    m_TransferClub = buyerClub;
    m_TransferFee = feeText;
    m_TransferAmount = amount;
}

void CNewsPaperEvents::SetSuspension(int playerIndex, int skill) {
    if (m_SuspendedPlayer >= 0 && skill < m_SuspendedSkill) return;
    m_SuspendedPlayer = playerIndex;
    m_SuspendedSkill = skill;
}

std::string CNewsPaperEvents::FixtureHeadline(int fixtureIndex, const CFixtureList& fixtures, unsigned firstId,
                                              int count, int variant, bool winnerFirst) const {
    if (fixtureIndex < 0) return {};
    const CFixture* f = fixtures.GetAt(fixtureIndex);
    if (!f) return {};
    // Variants beyond a kind's texts wrap into them.
    unsigned id = firstId + static_cast<unsigned>(((variant % count) + count) % count);
    if (winnerFirst) {
        // A tie settled on penalties still has its winner; only a plain draw
        // has none to name.
        if (f->IsDraw() && !f->m_Events.HasShootout()) return {};
        const bool homeWon = f->GetWinnerIndex() == f->m_Home;
        const int winnerGoals = homeWon ? f->m_HomeGoals : f->m_AwayGoals;
        const int loserGoals = homeWon ? f->m_AwayGoals : f->m_HomeGoals;
        return platform::FormatMessageId(id, {ClubNameConverted(f->GetWinnerIndex()), ClubNameConverted(f->GetLoserIndex()),
                                              winnerGoals, loserGoals});
    }
    return platform::FormatMessageId(
        id, {ClubNameConverted(f->m_Home), ClubNameConverted(f->m_Away), int(f->m_HomeGoals), int(f->m_AwayGoals)});
}

std::string CNewsPaperEvents::GetBigWinHeadline(int variant, const CFixtureList& fixtures) const {
    return FixtureHeadline(m_BigWin, fixtures, 547, 10, variant, true);
}
std::string CNewsPaperEvents::GetDrawHeadline(int variant, const CFixtureList& fixtures) const {
    return FixtureHeadline(m_Draw, fixtures, 557, 10, variant, false);
}
std::string CNewsPaperEvents::GetShockWinHeadline(int variant, const CFixtureList& fixtures) const {
    return FixtureHeadline(m_ShockWin, fixtures, 567, 9, variant, true);
}
std::string CNewsPaperEvents::GetCupUpsetHeadline(int variant, const CFixtureList& fixtures) const {
    return FixtureHeadline(m_CupUpset, fixtures, 613, 11, variant, true);
}

std::string CNewsPaperEvents::GetChampionsHeadline(int variant) const {
    if (m_Champion < 0) return {};
    return platform::FormatMessageId(Variant(624, variant, 10), {ClubNameConverted(m_Champion)});
}

std::string CNewsPaperEvents::GetRunnersUpHeadline(int variant) const {
    if (m_RunnerUp < 0) return {};
    return platform::FormatMessageId(Variant(634, variant, 10),
                                     {ClubNameConverted(m_RunnerUp), ClubNameConverted(m_Champion)});
}

void CNewsPaperEvents::Write(FILE* f) const {
    for (int32_t v : {m_BigWin, m_Draw, m_ShockWin, m_CupUpset, m_Champion, m_RunnerUp, m_InjuredPlayer})
        SaveInt32(f, v);
    SaveInt32(f, m_TransferPlayer);
    SaveInt32(f, m_TransferClub);
    m_TransferFee.Save(f);
    SaveByte(f, m_InjuryWeeks);
    for (int32_t v : {m_ReturningPlayer, m_SuspendedPlayer, m_TopScorer, m_ManagerOfTheMonth}) SaveInt32(f, v);
    m_Reserved.Save(f);
    SaveInt32(f, m_ReservedValue);
    m_Sacked.Save(f);
    m_NewManagers.Save(f);
    m_DrawText.Save(f);
}

void CNewsPaperEvents::Read(FILE* f) {
    for (int32_t* v : {&m_BigWin, &m_Draw, &m_ShockWin, &m_CupUpset, &m_Champion, &m_RunnerUp, &m_InjuredPlayer})
        *v = LoadInt32(f);
    m_TransferPlayer = LoadInt32(f);
    m_TransferClub = LoadInt32(f);
    m_TransferFee.Load(f);
    m_InjuryWeeks = LoadByte(f);
    for (int32_t* v : {&m_ReturningPlayer, &m_SuspendedPlayer, &m_TopScorer, &m_ManagerOfTheMonth}) *v = LoadInt32(f);
    m_Reserved.Load(f);
    m_ReservedValue = LoadInt32(f);
    m_Sacked.Load(f);
    m_NewManagers.Load(f);
    m_DrawText.Load(f);
    // Neither is saved, so the next of each replaces the loaded one.
    m_SuspendedSkill = -1;
    m_TransferAmount = -1;
}


std::string CNewsPaperEvents::GetInjuryHeadline(int variant) const {
    std::string name = PlayerSurnameUpper(m_InjuredPlayer);
    if (m_InjuredPlayer < 0 || name.empty()) return {};
    return platform::FormatMessageId(Variant(644, variant, 10),
                                     {name, ClubNameConverted(ClubOfPlayer(m_InjuredPlayer)), int(m_InjuryWeeks)});
}

std::string CNewsPaperEvents::GetReturnFromInjuryHeadline(int variant) const {
    std::string name = PlayerSurnameUpper(m_ReturningPlayer);
    if (m_ReturningPlayer < 0 || name.empty()) return {};
    const int weeks = PlayerInjuryTimeEstimate(m_ReturningPlayer);
    unsigned id = Variant(654, variant, 10);
    // The weeks are those still to go, none for a player who is back: the
    // lay-off text would read "0 WEEK", so he is simply back from injury.
    if (id == 661 && weeks < 1) id = 654;
    return platform::FormatMessageId(id, {name, ClubNameConverted(ClubOfPlayer(m_ReturningPlayer)), weeks});
}

std::string CNewsPaperEvents::GetSuspensionHeadline(int variant) const {
    std::string name = PlayerSurnameUpper(m_SuspendedPlayer);
    if (m_SuspendedPlayer < 0 || name.empty()) return {};
    const int matches = PlayerMatchesSuspended(m_SuspendedPlayer);
    // The other texts speak of matches in the plural.
    const unsigned id = matches == 1 ? 672u : Variant(664, variant, 10);
    return platform::FormatMessageId(id, {name, ClubNameConverted(ClubOfPlayer(m_SuspendedPlayer)), matches});
}

std::string CNewsPaperEvents::GetTransferHeadline(int variant) const {
    std::string name = PlayerSurnameUpper(m_TransferPlayer);
    if (m_TransferPlayer < 0 || name.empty()) return {};
    return platform::FormatMessageId(Variant(1158, variant, 10),
                                     {name, ClubNameConverted(m_TransferClub), m_TransferFee});
}

std::string CNewsPaperEvents::GetTopScorerHeadline(int variant) const {
    if (m_TopScorer < 0) return {};
    return platform::FormatMessageId(Variant(674, variant, 10),
                                     {PlayerSurnameUpper(m_TopScorer), ClubNameConverted(ClubOfPlayer(m_TopScorer)),
                                      PlayerSeasonGoals(m_TopScorer)});
}

std::string CNewsPaperEvents::GetManagerOfTheMonthHeadline(int variant) const {
    if (m_ManagerOfTheMonth < 0) return {};
    return platform::FormatMessageId(Variant(684, variant, 10),
                                     {ManagerSurnameUpper(m_ManagerOfTheMonth),
                                      ClubNameConverted(ManagerClub(m_ManagerOfTheMonth, true))});
}

std::string CNewsPaperEvents::GetManagerSackedHeadline(int variant, int i) const {
    if (i < 0 || i >= m_Sacked.GetSize()) return {};
    int manager = static_cast<int32_t>(m_Sacked.GetAt(i));
    int club = ManagerPreviousClub(manager);
    return platform::FormatMessageId(Variant(704, variant, 10),
                                     {ManagerSurnameUpper(manager), club >= 0 ? ClubNameConverted(club) : std::string("-")});
}

std::string CNewsPaperEvents::GetNewManagerHeadline(int variant, int i) const {
    if (i < 0 || i >= m_NewManagers.GetSize()) return {};
    int manager = static_cast<int32_t>(m_NewManagers.GetAt(i));
    return platform::FormatMessageId(Variant(714, variant, 10),
                                     {ManagerSurnameUpper(manager), ClubNameConverted(ManagerClub(manager, false))});
}
