// The club's lookups through the world, its formation as a manager sees
// it, honours, the non-league opponent, the match engine's pickers and the
// remaining rows of the list screens.
#include <algorithm>

#include "platform/cp1252.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

namespace {
constexpr uint32_t kWhite = 16777215;
constexpr uint32_t kRed = 255;
constexpr uint32_t kOrange = 1085951;
constexpr int kNonLeagueMinimum = 17;
constexpr uint8_t kManagingUser = 255;
constexpr int kLeagueCodes = 200;
}  // namespace

// Lookups.

std::string CClub::GetNameConverted() const { return platform::Cp1252Upper(name_); }

uint8_t CClub::IsCountryInactive() const {
    const CCountry* c = GetCountry();
    return c ? c->GetFollowLevel() : kNotFollowed;
}

const CDivisionStrength* CClub::GetDivisionStrength() const {
    const CDivision* d = GetDivision();
    return d ? d->GetDivisionStrength() : nullptr;
}

CFederation* CClub::GetFederation() const {
    const CCountry* c = GetCountry();
    CWorldData* w = GetWorldData();
    return c && w && c->GetFederation() < w->GetFederationList().GetSize() ? w->GetFederation(c->GetFederation())
                                                                           : nullptr;
}

uint8_t CClub::GetCountryMoneyScale() const {
    const CCountry* c = GetCountry();
    return c ? c->GetWageFactor() : 0;
}

int CClub::CountStandsInWork() const {
    const CStadium* s = GetStadium();
    return s ? s->CountStandsInWork() : 0;
}

void CClub::ReduceStadiumCapacity(int32_t n) {
    CStadium* s = GetStadium();
    if (!s || n < 0) return;
    s->stands.totalCapacity = std::max(0, s->stands.totalCapacity - n);
}

CNewsPaperEvents* CClub::GetDivisionNewsEvents() const {
    CDivision* d = GetDivision();
    return d ? &d->m_NewsPaperEvents : nullptr;
}

double CClub::GetSeasonTransferIncome() const { return accounts_ ? accounts_->GetSeasonFigure(2) : 0.0; }
double CClub::GetSeasonTransferSpending() const { return accounts_ ? accounts_->GetSeasonFigure(3) : 0.0; }

void CClub::SetManager(int32_t manager) {
    manager_ = manager;
    if (!IsHumanManaged()) return;
    CCountry* c = GetCountry();
    const CPopularity* row = GetPopularity();
    if (c && row) c->UpdateStaffLists(*row, static_cast<uint8_t>(GetDivisionStrengthIndex()), *this);
}

void CClub::MarkSquadKnownToUser(uint8_t user) {
    if (user == kManagingUser) {
        const CHumanManager* human = GetHumanManager();
        CUserList& users = GetWorldData()->GetUserList();
        for (int u = 0; human && u < CUserList::kSlots; ++u)
            if (users.GetAt(u) == human) user = static_cast<uint8_t>(u);
        if (user == kManagingUser) {
            platform::Trace("squad made known to the managing user of a club without one: " + name_);
            return;
        }
    }
    if (user >= CUserList::kSlots) return;
    for (int s = 0; s < kSquadSlots; ++s)
        if (squad_[size_t(s)] != kEmptySlot)
            if (CPlayer* p = GetWorldData()->GetPlayer(squad_[size_t(s)])) p->Football().SetKnownBy(user);
}

// Scouts of the current user's club.

CScout* CClub::FindFreeScout() {
    CClub* club = GetWorldData()->GetCurrentClub();
    if (!club) return nullptr;
    for (CScout& s : club->scouts_)
        if (s.IsAssigned() && !s.IsAway()) return &s;
    return nullptr;
}

std::string CClub::GetScoutReport(const CPlayer& player) {
    const CClub* club = GetWorldData()->GetCurrentClub();
    for (int i = 0; club && i < static_cast<int>(club->scouts_.size()); ++i)
        if (std::string report = club->scouts_[size_t(i)].MakeReport(player); !report.empty()) return report;
    return {};
}

bool CClub::IsPlayerScouted(const CPlayer& player) { return !GetScoutReport(player).empty(); }

std::string CClub::GetScoutGrade(const CPlayer& player) {
    const CClub* club = GetWorldData()->GetCurrentClub();
    for (int i = 0; club && i < static_cast<int>(club->scouts_.size()); ++i)
        if (std::string grade = club->scouts_[size_t(i)].GetGradeText(player); !grade.empty()) return grade;
    return "-";
}

// Tactics.

namespace {

// The formation list the club plays from: its human manager's, or user 0's.
CSoccerTacticList* TacticListFor(const CClub& club) {
    if (CHumanManager* human = club.GetHumanManager()) return &human->GetTacticList();
    CHumanManager* first = GetWorldData()->GetUser(0);
    return first ? &first->GetTacticList() : nullptr;
}

}  // namespace

uint8_t CClub::GetTacticIndex() const {
    if (const CHumanManager* human = GetHumanManager()) return human->GetCurrentTactic();
    return tactic_;
}

void CClub::SetTacticIndex(uint8_t t) {
    if (CHumanManager* human = GetHumanManager()) human->SetCurrentTactic(t);
    tactic_ = t;
}

CSoccerTactic* CClub::GetTacticByIndex(int i) const {
    const CSoccerTacticList* list = TacticListFor(*this);
    return list && i >= 0 && i < list->GetSize() ? list->GetAt(i) : nullptr;
}

CSoccerTactic* CClub::GetTacticObject() const { return GetTacticByIndex(GetTacticIndex()); }

std::string CClub::GetTacticName() const {
    const CSoccerTactic* t = GetTacticObject();
    return t ? std::string(t->m_Name) : std::string();
}

int CClub::GetTacticPositionX(int i) const {
    const CSoccerTactic* t = GetTacticObject();
    return t && i >= 0 && i < CSoccerTactic::kPlayers ? t->m_Depth[size_t(i)] : 0;
}

int CClub::GetTacticPositionY(int i) const {
    const CSoccerTactic* t = GetTacticObject();
    return t && i >= 0 && i < CSoccerTactic::kPlayers ? t->m_Width[size_t(i)] : 0;
}

// Honours.

namespace {

std::string SeasonTextOf(const CClub& club) {
    const CCountry* c = club.GetCountry();
    return c ? GetWorldData()->GetSeasonText(c->GetSeasonKind()) : std::string();
}

}  // namespace

void CClub::AddWinHonour(const std::string& competition, uint8_t kind, uint8_t flag) {
    const std::string season = SeasonTextOf(*this);
    trophies_.AddWinnerHonour(competition, name_, season, kind, flag);
    if (CHumanManager* human = GetHumanManager()) {
        if (flag == 1) human->AddCupHonour(competition, name_, season, kind);
        else human->AddDivisionHonour(competition, name_, season, kind);
    }
}

void CClub::AddRunnerUpHonour(const std::string& competition, uint8_t kind, uint8_t flag) {
    const std::string season = SeasonTextOf(*this);
    trophies_.AddRunnerUpHonour(competition, name_, season, kind, flag);
    if (CHumanManager* human = GetHumanManager())
        human->GetHonours().AddRunnerUpHonour(competition, name_, season, kind, flag);
}

// A shield counts twice in the manager's own history: as a win of the club
// and as his own shield.
void CClub::AddShieldWinHonour(const std::string& competition, uint8_t kind, uint8_t flag) {
    AddWinHonour(competition, kind, flag);
    if (CHumanManager* human = GetHumanManager())
        human->AddCupHonour(competition, name_, SeasonTextOf(*this), kind);
}

// The non-league opponent. Of the non-league club's open fields the tactic
// is setting byte 1, the area code the first word; its popularity index is
// both popularity and reputation, as for a league club at its start.
bool CClub::SetFromNonLeagueClub(const CNonLeagueClub* club, int32_t division) {
    if (!club) return false;
    CWorldData* w = GetWorldData();
    division_ = division;
    name_ = club->GetName();
    stadium_ = club->GetStadium();
    areaCode_ = club->m_FirstWord;
    const int popularity = std::min<int>(club->m_Popularity, 255);
    popularity_ = static_cast<uint8_t>(popularity);
    reputation_ = static_cast<uint8_t>(std::min(popularity, 99));
    homeKit_ = club->m_HomeKit;
    awayKit_ = club->m_AwayKit;
    SetTacticIndex(static_cast<uint8_t>(club->m_Settings[0] % CSoccerTacticList::kBuiltIn));
    positionFigures_ = {0, 0, 0, 0};
    std::fill(squad_.begin(), squad_.end(), kEmptySlot);
    const CCountry* country = GetCountry();
    if (!country || country->GetFollowLevel() >= kNotFollowed) return true;
    int slot = 0;
    for (int i = 0; i < club->m_Squad.GetSize() && slot < kSquadSlots; ++i) {
        const CNonLeaguePlayer* source = club->m_Squad.GetAt(i);
        if (!source) continue;
        auto player = std::make_unique<CPlayer>();
        player->Person() = source->m_Person;
        player->Football() = source->m_Football;
        const int index = w->GetPlayerList().Add(std::move(player));
        if (index < 0 || index >= kEmptySlot) break;
        squad_[size_t(slot++)] = static_cast<uint16_t>(index);
    }
    if (slot < kNonLeagueMinimum) {
        platform::Trace("non-league club with too few players for a tie: " + name_);
        return false;
    }
    return true;
}

// Rows.

int CClub::FindYouthByPosition(int position, int n) const {
    for (int i = 0; i < youths_.GetSize(); ++i) {
        const CYouth* y = youths_.GetAt(i);
        if (!y || (position != -1 && y->m_Football.GetPosition() != position)) continue;
        if (n-- == 0) return i;
    }
    return -1;
}

void CClub::AddPlayerCountRows(CListRows& list) const {
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) p->AddManOfTheMatchRow(list, GetName());
}

void CClub::AddMatchingPlayers(const CPlayerSearch& search, CPlayerList& players, std::vector<std::string>& names,
                               CListRows* list) const {
    for (int s = 0; s < kSquadSlots; ++s) {
        CPlayer* p = squad_[size_t(s)] == kEmptySlot ? nullptr : GetWorldData()->GetPlayer(squad_[size_t(s)]);
        if (!p) continue;
        players.Append(p);
        names.push_back(name_);
        if (list) p->AddTransferRow(*list, name_, false, search);
    }
}

void CClub::FillEmployeeRowsSummary(CListRows& list) const { staff_.FillScoutList(list); }
void CClub::FillEmployeeRowsCompact(CListRows& list) const { staff_.FillScoutNameList(list); }

void CClub::AddLeagueTableRow(CListRows& list, uint32_t normalColour, uint32_t promotionColour,
                              uint32_t relegationColour, uint8_t promotionPlayOffClubs, uint8_t relegationPlayOffClubs,
                              uint32_t playOffColour) const {
    const CDivision* d = GetDivision();
    if (!d) return;
    const int p = leagueRow_.m_Position;
    const int row = list.InsertRow(p, "", 0, reinterpret_cast<uintptr_t>(this), 0);
    const char* picture = "gfx\\listcontrol\\pos_same.bmp";
    const int games = leagueRow_.GetPlayed();
    if (games > 1 && static_cast<size_t>(games - 2) < leaguePositions_.size()) {
        const int q = leaguePositions_[size_t(games - 2)];
        if (q != 255 && p < q) picture = "gfx\\listcontrol\\pos_up.bmp";
        else if (q != 255 && p > q) picture = "gfx\\listcontrol\\pos_down.bmp";
    }
    // The table row fills its columns at the row of its position. A list
    // still shorter than that took the row at its end: the columns are made
    // aside and copied there.
    auto fill = [&](CListRows& target) {
        leagueRow_.AddToListControl(target, normalColour, promotionColour, relegationColour,
                                    d->GetAutoPromotionPlaces(), d->GetTierValue(), d->GetClubCount(), picture,
                                    promotionPlayOffClubs, relegationPlayOffClubs, playOffColour);
    };
    if (row == p) {
        fill(list);
    } else {
        RecordingListRows aside;
        for (int i = 0; i <= p; ++i) aside.AddRow("", 0, 0, 0);
        fill(aside);
        const RecordingListRows::Row& made = aside.Rows()[size_t(p)];
        for (size_t c = 0; c < made.cells.size(); ++c)
            if (!made.cells[c].empty()) list.SetItem(row, static_cast<int>(c), made.cells[c]);
        list.SetRowColour(row, made.colour);
    }
    // Setting a cell's text sets its data too: the row's club is given
    // again once its cells are written.
    list.SetItemBitmap(row, 1, picture);
    list.SetItem(row, 2, name_);
    list.SetRowData(row, reinterpret_cast<uintptr_t>(this), 0);
    if (IsHumanManaged()) list.SetRowColour(row, kRed);
}

void CClub::FillLeagueFixtureList(CListRows& list) const {
    list.ResetContent();
    const CDivision* d = GetDivision();
    CWorldData* w = GetWorldData();
    if (!d || !w) return;
    CMatchTime t = w->GetMatchTime();
    t.RewindToMarker202(d);
    const int today = w->GetMatchDay();
    size_t played = 0;
    // One season has at most 106 match days; the walk never goes round twice.
    for (int step = 0; step < CDivision::kSlots; ++step) {
        const int day = t.GetMatchDay();
        const uint8_t code =
            day >= 0 && day < CDivision::kSlots ? d->GetCalendarSlot(day) : uint8_t(CDivision::kSeasonLast);
        CFixtureInfo info;
        if (code < kLeagueCodes && GetLeagueFixture(info, day)) {
            std::string date;
            t.GetDateText(date);
            const int row = list.AddRow(date, 0, 0, static_cast<uintptr_t>(day));
            const bool home = info.home == w->GetClubList().GetIndex(this);
            list.SetRowColour(row, home ? kWhite : kOrange);
            list.SetItemFromId(row, 1, home ? 52 : 53);
            list.SetItem(row, 2, home ? info.awayName : info.homeName);
            const CFixture* f = info.fixtureIndex >= 0 ? d->m_Fixtures.GetAt(info.fixtureIndex) : nullptr;
            if (day < today && f && f->m_Home == info.home && f->m_Away == info.away) {
                list.SetItem(row, 3, platform::StrPrintf("%d - %d", f->m_HomeGoals, f->m_AwayGoals));
                const int position = played < leaguePositions_.size() && leaguePositions_[played] != 255
                                         ? leaguePositions_[played] + 1
                                         : 0;
                ++played;
                list.SetItemNumber(row, 4, position);
                list.SetItemNumber(row, 5, f->m_Attendance);
            }
        }
        // The season's play-off rows come here once play-offs are played.
        if (code == CDivision::kSeasonLast) break;
        d->StepForward(t);
    }
}

// Pickers.

int CClub::GetRandomFirstTeamSlot(int position) const {
    if (position >= 4) return -1;
    CExtDWordArray slots;
    for (int s = 0; s <= 10; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (p && (position == -1 || p->GetPosition() == position) && CanPlayerPlay(*p))
            slots.Add(static_cast<uint32_t>(s));
    }
    if (slots.GetSize() == 0) return -1;
    return static_cast<int>(slots.GetRandomElement());
}

namespace {

// The weakest first; a player hurt beyond a knock goes off first.
int PickFromFit(const CClub& club, int n, int position) {
    CPlayerList fit(false);
    std::vector<uint16_t> ids;
    for (int s = 0; s < kSquadSlots; ++s) ids.push_back(club.GetPlayerId(s));
    fit.AddFitPlayers(ids, GetWorldData()->GetPlayerList(), position);
    fit.SortByMatchAbility();
    const CPlayer* chosen = nullptr;
    for (int i = 0; i < fit.GetSize() && !chosen; ++i)
        if (fit.GetAt(i)->GetInjurySeverity() > 10) chosen = fit.GetAt(i);
    if (!chosen) {
        if (n < 0 || n >= fit.GetSize()) return -1;
        chosen = fit.GetAt(n);
    }
    const int index = GetWorldData()->GetPlayerList().FindIndex(chosen);
    const int slot = index < 0 ? -1 : club.FindSlotOfPlayer(static_cast<uint16_t>(index));
    return slot < 0 ? kEmptySlot : slot;
}

}  // namespace

int CClub::PickPlayerToReplace(int n) const { return PickFromFit(*this, n, -1); }

int CClub::PickPlayerToReplaceInPosition(int n, int position) const { return PickFromFit(*this, n, position); }
