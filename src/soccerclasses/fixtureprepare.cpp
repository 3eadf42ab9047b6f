// Before a match: the clubs, teams, referee, script length and crowd; and
// each side's strengths and shooting weights.
#include <algorithm>
#include <cmath>

#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

void CFixture::SetMatchVarsClubs() { GetWorldData()->GetMatchVars()->SetClubs(m_Home, m_Away); }

namespace {

int PickMatchReferee(const CClub& home, const CClub& away) {
    CCountry* hc = home.GetCountry();
    CCountry* ac = away.GetCountry();
    if (!hc) return -1;
    if (hc == ac) {
        const int key = std::min(home.GetDivisionIndex(), away.GetDivisionIndex());
        if (key >= 0) return hc->PickReferee(static_cast<uint16_t>(key));
        return hc->PickRefereeForTopDivision();
    }
    // A match between countries gets a referee from neither.
    if (const CFederation* fed = home.GetFederation())
        if (CCountry* third = fed->GetRandomOtherCountry(hc, ac)) {
            const int r = third->PickRefereeForTopDivision();
            if (r >= 0) return r;
        }
    return hc->PickRefereeForTopDivision();
}

// Capacity less a random 0 to 30 seats, drawn afresh for each use.
int CapCrowd(int crowd, int capacity) {
    if (capacity - Random(30) < crowd) crowd = capacity - Random(30);
    return crowd;
}

}  // namespace

void CFixture::PrepareMatch(int slot, CExtByteArray* script) {
    CWorldData* w = GetWorldData();
    CMatchVars& mv = *w->GetMatchVars();
    mv.SetClubs(m_Home, m_Away);
    m_ExtraTime = 0;
    CClub* home = mv.GetHomeClub();
    CClub* away = mv.GetAwayClub();
    if (!home || !away || home == away) {
        platform::Trace("PrepareMatch: a fixture without two different clubs\n");
        return;
    }
    if (m_Kind == kLeague && !mv.GetDivision()) platform::Trace("PrepareMatch: a league match without a division\n");
    // A borrowed club in a spare slot draws its crowd as a level-3 club.
    const CDivisionStrength* strength = nullptr;
    CDivisionStrengthList* strengths = w->GetDivisionStrengthList();
    if (m_Home >= w->GetClubCount()) {
        if (strengths && strengths->GetSize() > 3) strength = strengths->GetAt(3);
    } else {
        strength = home->GetDivisionStrength();
    }
    mv.Reset();
    m_Referee = PickMatchReferee(*home, *away);
    m_ScriptLength = static_cast<uint8_t>(Random(4) + 91);
    m_Popularity = home->GetTicketPrice();

    home->PickMatchSquad(m_SubsNamed);
    if (home->IsHumanManaged()) {
        const int user = home->GetHumanManagerIndex();
        if (user >= 0) away->MarkSquadKnownToUser(static_cast<uint8_t>(user));
        home->RefreshMatchRoles();
    }
    mv.LoadHomeClubSettings();
    away->PickMatchSquad(m_SubsNamed);
    if (away->IsHumanManaged()) {
        const int user = away->GetHumanManagerIndex();
        if (user >= 0) home->MarkSquadKnownToUser(static_cast<uint8_t>(user));
        away->RefreshMatchRoles();
    }
    mv.LoadAwayClubSettings();
    if (script) script->SetSizeAndFill(m_ScriptLength, 0);
    if (slot == 999) return;

    m_Date = w->GetDateText();
    const int capacity = std::max<int>(1, home->GetStadiumCapacity());
    const double stored = strength ? strength->GetFactor(m_Popularity) : 0.0;
    const double factor = stored > 0 ? stored : 1.0;
    const uint8_t sameRegion = home->GetAreaCode() == away->GetAreaCode();
    const CPopularityList& pop = w->GetPopularityList();
    auto attendance = [&](int matchDay, int hp, int ap, int hn, int an) {
        return pop.GetAttendance(static_cast<uint8_t>(matchDay), static_cast<uint8_t>(hp), static_cast<uint8_t>(ap),
                                 static_cast<uint8_t>(hn), static_cast<uint8_t>(an), sameRegion, capacity,
                                 m_Popularity, mv.m_PopularityIndex[0], mv.m_PopularityIndex[1], factor);
    };
    switch (m_Kind) {
        case kLeague: {
            const CDivision* d = mv.GetDivision() ? mv.GetDivision() : home->GetDivision();
            const int n = d ? d->GetClubCount() : 20;
            const int day = d && slot >= 0 && slot < 106 ? d->GetCalendarSlot(slot) : 5;
            m_Attendance = attendance(day, home->GetTablePosition(), away->GetTablePosition(), n, n);
            break;
        }
        case kNeutral: {
            // The stored figure is the venue's expected crowd.
            const int a = m_Attendance;
            if (a < 4) {
                platform::Trace("PrepareMatch: a neutral venue without an expected crowd\n");
                m_Attendance = std::max(1, a);
            } else {
                m_Attendance = Random(a / 4) + 3 * (a / 4);
            }
            break;
        }
        case kFriendly:
            m_Attendance = CapCrowd(static_cast<int>(attendance(5, 10, 10, 10, 10) * 0.33), capacity);
            break;
        default:
            m_Attendance = attendance(5, 1, 1, 30, 30);
            break;
    }
    if (m_Kind == kLeague || m_Kind == kCupHome || m_Kind == kCupHome2) {
        m_Attendance = CapCrowd(m_Attendance, capacity);
        home->AddAttendance(static_cast<uint32_t>(std::max(0, m_Attendance)));
    }
}

namespace {

// The aggression and bias tables: how far a side's strengths move.
int AggressionChange(int level, int x) {
    switch (level) {
        case 0: return -x / 10;
        case 1: return -x / 20;
        case 2: return -x / 30;
        case 3: return -x / 75;
        case 6: return x / 75;
        case 7: return x / 30;
        case 8: return x / 20;
        case 9: return x / 10;
        default: return 0;
    }
}

int BiasDivisor(int bias) {
    static constexpr int kDivisor[10] = {10, 20, 30, 75, 0, 0, 75, 30, 20, 10};
    return bias >= 0 && bias <= 9 ? kDivisor[bias] : 0;
}

}  // namespace

void CFixture::SetUpSide(uint8_t side, int minute) {
    CWorldData* w = GetWorldData();
    CMatchVars& mv = *w->GetMatchVars();
    const int s = side & 1;
    mv.ClearWeights(s);
    CClub* club = mv.GetClub(s);
    if (!club) return;
    CSoccerPlayerPerformanceList& perf = mv.GetPerformanceList(s);
    const bool human = club->IsHumanManaged();
    const CSoccerTactic* tactic = human ? club->GetTacticObject() : nullptr;
    if (human && !tactic) platform::Trace("SetUpSide: a human club without a formation\n");

    const CPlayer* keeper = club->GetPlayer(0);
    // A keeper sent off keeps the side's keeper byte: nobody takes his place.
    int K = keeper ? keeper->GetMatchGoalkeeping() & 0xFF : 0;
    perf.SetFirstSlotRating(static_cast<uint8_t>(K), minute);

    int D = 0, M = 0, A = 0, temper = 0;
    int* sums = &mv.m_AttributeSums[static_cast<size_t>(s * 15)];
    for (int slot = 1; slot <= 10; ++slot) {
        const CPlayer* p = club->GetPlayer(slot);
        if (!p || !p->CanPlay()) {
            // An empty slot or a player who cannot play counts for nothing.
            if (!p) platform::Trace("SetUpSide: an empty slot in the first eleven\n");
            mv.AppendWeights(s, 0, 0);
            perf.SetRating(slot, 0, minute);
            continue;
        }
        double d = 0, m = 0, a = 0;
        const CSoccerPlayer& f = p->Football();
        if (tactic) {
            const CPositionProfile pr = tactic->GetPositionProfile(slot - 1);
            d = p->GetMatchDefending() / 100.0 * pr.defence;
            m = p->GetMatchMidfield() / 100.0 * pr.midfield;
            a = p->GetMatchAttacking() / 100.0 * pr.attack;
            if (d + m + a >= 100) platform::Trace("SetUpSide: a player's contributions reach 100\n");
            sums[0] += f.m_Pace;
            sums[3] += f.m_Fitness;
            // His own attacking bias makes him shoot less or more often.
            static constexpr double kOwnBias[6] = {1.0, 0.5, 0.75, 1.0, 1.25, 1.5};
            const double bias = kOwnBias[club->GetIndividualInstruction(1, slot)];
            mv.AppendWeights(s, static_cast<uint32_t>(p->GetMatchAttacking() * pr.depthFactor1 * bias),
                             static_cast<uint32_t>(p->GetMatchSkill68() * pr.depthFactor2));
        } else {
            const int v = p->GetMatchAbility();
            const int pos = p->GetPosition();
            if (pos < 1 || pos > 3) {
                mv.AppendWeights(s, 0, 0);
            } else {
                (pos == 1 ? d : pos == 2 ? m : a) = v;
                const int g = pos - 1;
                sums[0 + g] += f.m_Pace;
                sums[3 + g] += f.m_Fitness;
                sums[6 + g] += p->GetMatchSkill68();
                sums[9 + g] += p->GetMatchMidfield();
                sums[12 + g] += f.m_Heading;
                const int k = pos == 1 ? 1 : pos == 2 ? 2 : 8;
                mv.AppendWeights(s, static_cast<uint32_t>(p->GetMatchAttacking() * k),
                                 static_cast<uint32_t>(p->GetMatchSkill68() * k));
            }
        }
        perf.SetRating(slot, static_cast<uint8_t>(std::clamp(static_cast<int>(d + m + a), 0, 255)), minute);
        D = static_cast<int>(D + d);
        M = static_cast<int>(M + m);
        A = static_cast<int>(A + a);
        temper += p->Person().GetTemperament();
    }
    mv.m_TemperTotal[static_cast<size_t>(s)] = static_cast<uint8_t>(temper);
    if (mv.m_WeightSums[static_cast<size_t>(s)].GetSize() == 0 ||
        mv.m_WeightSums[static_cast<size_t>(s)].GetAt(9) == 0)
        platform::Trace("SetUpSide: a side without a shooter\n");

    const int L = mv.m_Aggression[static_cast<size_t>(s)];
    const int dK = AggressionChange(L, K), dD = AggressionChange(L, D), dM = AggressionChange(L, M),
              dA = AggressionChange(L, A);
    K += dK;
    D += dD;
    M += dM;
    A += dA;
    const int B = mv.m_Bias[static_cast<size_t>(s)];
    if (const int k = BiasDivisor(B)) {
        const int bd = D / k, bm = M / k, ba = A / k;
        if (B <= 3) {
            D += bd;
            M -= bm;
            A -= ba;
        } else {
            D -= bd;
            M -= bm;
            A += ba;
        }
    }
    perf.SetOffsets(K, D, M, A, minute);
    const auto keeperByte = static_cast<uint8_t>(K);
    const auto defence = static_cast<uint8_t>(std::clamp(D / 4, 10, 99));
    const auto midfield = static_cast<uint8_t>(std::clamp(M / 3, 10, 99));
    const auto attack = static_cast<uint8_t>(std::clamp(A / 3, 10, 99));
    const auto si = static_cast<size_t>(s);
    m_Strengths[0][si] = keeperByte;
    m_Strengths[1][si] = defence;
    m_Strengths[2][si] = midfield;
    m_Strengths[3][si] = attack;
    club->SetPositionFigures(keeperByte, defence, midfield, attack);
}
