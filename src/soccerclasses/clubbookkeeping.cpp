// A club's bookkeeping over its seasons: match records, the season series
// the graphs draw, squad helpers of the match engine, the season-end
// reviews and a human manager's resignation.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kSeriesLength = 23;
constexpr int kLeaguePositions = 46;
constexpr uint8_t kStrongMidfielder = 86;
constexpr int kFirstEleven = 11;

// Goalkeeper, 4 defenders, 3 midfielders, 3 attackers; then a goalkeeper,
// 3 defenders, 4 midfielders and 3 attackers on the bench.
constexpr int kResultsOnlyPositions[22] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3};

// The match's line for the records: opponent, ground, score, date.
struct MatchTexts {
    std::string ground, score, date;
};

MatchTexts TextsOf(const CFixture& f, const std::string& ground) {
    return {ground, platform::StrPrintf("%d - %d", f.m_HomeGoals, f.m_AwayGoals),
            GetWorldData()->GetDayMonthYearText()};
}

}  // namespace

void CClub::UpdateRecordsFromMatch(const CFixture& f) {
    const std::string date = GetWorldData()->GetDateText();
    const std::string opponent = f.GetAwayTeamName();
    // Only crowds below the ground's places are records: a sell-out's figure
    // is the capacity, not a count of who came.
    if (f.m_Attendance > 0 && f.m_Attendance < GetStadiumCapacity()) {
        records_.AddGate(f.m_Attendance, date, opponent);
        records_.AddReceipts(f.m_Attendance * ticketPrice_, date, opponent);
    }
    const MatchTexts t = TextsOf(f, GetStadiumName());
    if (f.m_HomeGoals > f.m_AwayGoals)
        records_.AddWin(f.m_HomeGoals, f.m_AwayGoals, opponent, t.ground, t.score, t.date);
    else if (f.m_HomeGoals < f.m_AwayGoals)
        records_.AddDefeat(f.m_HomeGoals, f.m_AwayGoals, opponent, t.ground, t.score, t.date);
}

void CClub::UpdateRecordsFromAwayMatch(const CFixture& f) {
    const CClub* home = f.m_Home >= 0 ? GetWorldData()->GetClub(f.m_Home) : nullptr;
    const MatchTexts t = TextsOf(f, home ? home->GetStadiumName() : std::string());
    const std::string opponent = f.GetHomeTeamName();
    if (f.m_HomeGoals > f.m_AwayGoals)
        records_.AddDefeat(f.m_AwayGoals, f.m_HomeGoals, opponent, t.ground, t.score, t.date);
    else if (f.m_AwayGoals > f.m_HomeGoals)
        records_.AddWin(f.m_AwayGoals, f.m_HomeGoals, opponent, t.ground, t.score, t.date);
}

uint8_t CClub::GetLeaguePositionAfterGame(int game) const {
    if (game < 0 || game >= static_cast<int>(leaguePositions_.size())) return 0;
    return leaguePositions_[size_t(game)];
}

void CClub::SetLeaguePositionAfterGame(int game, uint8_t position) {
    if (game >= 0 && game < static_cast<int>(leaguePositions_.size())) leaguePositions_[size_t(game)] = position;
}

int32_t CClub::GetGameSeries1(int i) const {
    if (i < 0 || i >= static_cast<int>(series1_.size())) return 0;
    return static_cast<int32_t>(series1_[size_t(i)]);
}

void CClub::SetGameSeries1(int i, int32_t value) {
    if (i >= 0 && i < static_cast<int>(series1_.size()) && value >= 0) series1_[size_t(i)] = uint32_t(value);
}

void CClub::SetGameSeries2(int i, int32_t value) {
    if (i >= 0 && i < static_cast<int>(series2_.size()) && value >= 0) series2_[size_t(i)] = uint32_t(value);
}

int32_t CClub::GetGraphScale() const {
    int32_t scale = GetWorldData()->GetPopularityList().GetBaseCount(popularity_);
    for (uint32_t v : series1_) scale = std::max(scale, static_cast<int32_t>(v));
    return scale;
}

std::string CClub::FormatTicketPrice(bool asMoney) const {
    return asMoney ? FormatMoney(ticketPrice_) : platform::StrPrintf("%.0f", ticketPrice_);
}

int CClub::CountStrongMidfielders() const {
    int n = 0;
    for (int s = 0; s < kFirstEleven; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (p && p->GetPosition() == 2 && CanPlayerPlay(*p) && p->Football().m_Flair >= kStrongMidfielder) ++n;
    }
    return n;
}

void CClub::DeleteSquadPlayers() {
    CWorldData* w = GetWorldData();
    for (int s = 0; s < kSquadSlots; ++s) {
        const uint16_t id = squad_[size_t(s)];
        if (id == kEmptySlot) continue;
        squad_[size_t(s)] = kEmptySlot;
        if (!w->GetPlayer(id)) continue;
        ForgetPlayerIndex(id);
        w->GetPlayerList().DeleteAt(id);
    }
}

void CClub::PrepareForNewHumanManager() {
    CWorldData* w = GetWorldData();
    for (int s = 0; s < kSquadSlots; ++s)
        if (CPlayer* p = w->GetPlayer(squad_[size_t(s)])) p->RemoveFromTransferList();
    const CCountry* c = GetCountry();
    if (const CPopularity* row = GetPopularity(); c && row)
        youths_.GenerateYouths(*c, *row, GetDivisionStrengthIndex());
    SelectTeam(5);
}

void CClub::PrepareForFederationCup() {
    if (CManager* m = GetManagerObject()) m->AddFederationCupEntry();
    const CCountry* c = GetCountry();
    if (c && c->GetFollowLevel() == 2) FillResultsOnlySquad();
}

void CClub::FillResultsOnlySquad() {
    CWorldData* w = GetWorldData();
    CHumanManager* human = GetHumanManager();
    const int user = w->GetUserList().IndexOf(human);
    for (int s = 0; s < 22; ++s) {
        if (squad_[size_t(s)] != kEmptySlot) continue;
        const int id = w->GetPlayerList().AddNewPlayer();
        CPlayer* p = w->GetPlayer(id);
        if (!p || id >= kEmptySlot) return;
        RegeneratePlayerForClub(*p, *this, kResultsOnlyPositions[s]);
        squad_[size_t(s)] = static_cast<uint16_t>(id);
        if (user >= 0) p->Football().SetKnownBy(static_cast<uint8_t>(user));
    }
}

int CClub::GetDivisionClubCount() const {
    const CDivision* d = GetDivision();
    return d ? d->GetClubCount() : 0;
}

void CClub::BuildFirstElevenPickWeights(std::vector<uint8_t>& weights) const {
    static constexpr uint8_t kOffset[4] = {0, 10, 5, 5};
    for (int s = 0; s < kFirstEleven; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (!p) continue;
        const int position = std::clamp(p->GetPosition(), 0, 3);
        weights.push_back(static_cast<uint8_t>(kOffset[position] + p->Person().GetTemperament()));
    }
}

void CClub::ResetForNewDivision(uint8_t position) {
    ClearSeasonArrays();
    leagueRow_.Reset(position);
    disciplinePoints_ = bookings_ = sendingsOff_ = 0;
    if (CManager* m = GetManagerObject(); m && HasManager()) m->ResetRecord();
    lowestGate_ = 0;
}

// A play-off winner going up.
void CClub::SeasonEndHumanReview() {
    if (CHumanManager* h = GetHumanManager()) h->OnPlayOffsWon(GetNeighbourDivisionName(-1));
    SeasonEndMoveUp(true);
}

// A play-off winner who stays where he is has avoided relegation.
void CClub::SeasonEndHumanNotice() {
    if (CHumanManager* h = GetHumanManager()) h->OnRelegationAvoided();
}
