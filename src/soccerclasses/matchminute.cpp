// The one-minute step of a match on the screen and its event handlers.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchplayer.h"
#include "soccerclasses/matchtexts.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

namespace {

// Codes a long quiet spell turns into.
constexpr uint8_t kRandomCodes[14] = {11, 12, 13, 14, 19, 20, 17, 18, 19, 20, 21, 22, 23, 24};

int SideOfCode(int code) { return code >= 2 && code % 2 == 0 ? 1 : 0; }

int ZoneOfCode(int code) {
    switch (code) {
        case 1: case 7: case 9: case 17: case 19: case 23: return 12;
        default: return 0;
    }
}

CMatchVars& MinuteVars() { return *GetWorldData()->GetMatchVars(); }

// The class of a draw among rising thresholds: the first it does not exceed.
int ClassOf(const CExtByteArray& thresholds, int r) {
    for (int i = 0; i < thresholds.GetSize(); ++i)
        if (r <= thresholds.GetAt(i)) return i;
    return thresholds.GetSize() - 1;
}

}  // namespace

void CMatchPlay::Text(unsigned id, int side, const CPlayer* player) {
    const CClub* club = SideClub(side);
    m_Commentary = platform::FormatMessageId(id, {club ? club->GetName() : std::string(),
                                                   player ? player->GetName() : std::string()});
}

void CMatchPlay::AddScorerLine(int side, const CPlayer* player, bool ownGoal) {
    const std::string name = player ? player->GetName() : std::string();
    std::string item = platform::StrPrintf(platform::LoadString(matchtext::kScorerItem).c_str(), m_Minute, name.c_str());
    if (ownGoal) item += platform::LoadString(kOwnGoalSuffixId);
    m_ScorerLines[side & 1].push_back(item);
}

void CMatchPlay::SetGoalLine() {
    const CClub* h = SideClub(0);
    const CClub* a = SideClub(1);
    m_SecondLine = platform::FormatMessageId(matchtext::kGoalScoreLine,
                                             {h ? h->GetName() : "", int(m_Fixture->m_HomeGoals),
                                              int(m_Fixture->m_AwayGoals), a ? a->GetName() : ""});
}

void CMatchPlay::SavedFollowUp(int side, int slot) {
    ++m_Counts[kShotsOn][side & 1];
    if (CSoccerMatchPlayer* e = m_Squads[side & 1]->GetAt(slot)) ++e->m_ShotsOn;
    MinuteVars().GetPerformanceList(side).AddEvent(slot, 2, m_Minute);
}

void CMatchPlay::GoalFollowUp(int side, int slot) {
    ++m_Counts[kShotsOn][side & 1];
    if (CSoccerMatchPlayer* e = m_Squads[side & 1]->GetAt(slot)) {
        ++e->m_ShotsOn;
        ++e->m_Goals;
    }
}

void CMatchPlay::OffTargetFollowUp(int side, int slot) {
    ++m_Counts[kShotsOff][side & 1];
    if (CSoccerMatchPlayer* e = m_Squads[side & 1]->GetAt(slot)) ++e->m_ShotsOff;
    MinuteVars().GetPerformanceList(side).AddEvent(slot, 1, m_Minute);
}

bool CMatchPlay::PlayMinute() {
    m_Commentary.clear();
    m_CommentaryKind = -1;
    m_EventCode = 0;
    const int size = m_Script.GetSize();
    bool stoppage = false;
    if (m_Minute == 45 || m_Minute == 90 || m_Minute == 105 || m_Minute == 120) {
        if (m_StoppageLeft > 0) {
            --m_StoppageLeft;
            ++m_StoppagePlayed;
            stoppage = true;
            uint8_t code = 0;
            if (Random(10) >= 7) code = kRandomCodes[Random(13)];
            if (m_Minute == 120 && BothHuman() && MatchNeedsWinner()) code = Random(10) < 5 ? 2 : 1;
            if (m_Minute < size) m_Script.SetAt(m_Minute, code);
        } else if (m_Minute == 45) {
            m_HalfTime = 1;
            m_StepFlag = 1;
            m_HalfTimeGoals = {m_Fixture->m_HomeGoals, m_Fixture->m_AwayGoals};
            return true;
        } else if (m_Minute == 90) {
            EndOfNinety();
            return m_HalfTime != 0;
        } else if (m_Minute == 105) {
            m_HalfTime = 1;
            return true;
        } else {
            m_State = kShootout;
            ManOfTheMatch();
            if (MatchNeedsWinner() && ShootoutAfterExtraTime()) {
                SetUpShootout();
                if (m_Fast) PlayShootoutAtOnce();
            }
            m_Ended = true;
            return false;
        }
    }
    if (!stoppage) {
        ++m_Minute;
        // Two human managers settle a tie that must be won in the last minutes.
        if (BothHuman() && MatchNeedsWinner() &&
            (m_Minute > 115 || (m_Division && m_Division->m_PointsRule == 254 && m_Minute > 85)) && m_Minute < size)
            m_Script.SetAt(m_Minute, Random(10) < 5 ? 2 : 1);
    }
    if (m_Minute >= 130 || m_Minute >= size) {
        platform::Trace("PlayMinute: beyond the script\n");
        m_Ended = true;
        return false;
    }
    int code = m_Script.GetAt(m_Minute);
    if (code >= 25) code = 0;
    int zone = ZoneOfCode(code);
    if (m_Minute < m_ZoneOfMinute.GetSize()) m_ZoneOfMinute.SetAt(m_Minute, static_cast<uint8_t>(zone));
    m_SideInPossession = SideOfCode(code);
    m_PossessionMinutes[m_SideInPossession] += 1;
    if (m_QuietMinutes > 5 && code == 0) {
        code = kRandomCodes[Random(12)];
        m_QuietMinutes = 0;
    }
    m_EventCode = code;
    const int side = SideOfCode(code);
    auto setZone = [&](int z) {
        zone = z;
        if (m_Minute < m_ZoneOfMinute.GetSize()) m_ZoneOfMinute.SetAt(m_Minute, static_cast<uint8_t>(z));
    };
    switch (code) {
        case 0: {
            m_PossessionMinutes[m_SideInPossession] -= 1;
            const int mh = m_Fixture->m_Strengths[2][0], ma = m_Fixture->m_Strengths[2][1];
            const int r = Random(mh + ma);
            m_SideInPossession = r > mh ? 1 : 0;
            m_PossessionMinutes[m_SideInPossession] += 1;
            setZone(Random(4) + 2);
            m_Fixture->CreditPossession(m_SideInPossession, m_Minute);
            CheckInjuredPlayers();
            break;
        }
        case 1: case 2: GoalAttempt(side); break;
        case 3: case 4: BookPlayer(side); break;
        case 5: case 6: SendOffPlayer(side); break;
        case 7: case 8: case 9: case 10: m_EventCode = 0; break;
        case 11: case 12: {
            ++m_Counts[kOffsides][side];
            // The player caught offside; a side with nobody able to play names nobody.
            for (int k = 0; k < 100; ++k) {
                const int drawn = Random(9) + 1;
                if (!m_Fixture->SideCanPlay(side, drawn)) continue;
                m_CurrentSlot = drawn;
                m_CurrentPlayer = SidePlayer(side, drawn);
                break;
            }
            ++m_Counts[kFreeKicks][side];
            setZone(Random(4) + 2);
            m_EventCode = side == 0 ? matchevent::kOffsideOrFoulHome : matchevent::kOffsideOrFoulAway;
            Text(matchtext::kOffside, side, m_CurrentPlayer);
            break;
        }
        case 13: case 14: case 21: case 22: Foul(side); setZone(Random(4) + 2); break;
        case 15: case 16: Injury(side); break;
        case 17: case 18:
            m_EventCode = matchevent::kMissedAttempt + side + (Random(10) < 4 ? 2 : 0);
            SavedShot(side);
            break;
        case 19: case 20:
            m_EventCode = matchevent::kShotOffTarget + side;
            ShotOffTarget(side);
            break;
        case 23: case 24: Corner(side); break;
        default: break;
    }
    m_Squads[0]->Tick(m_Minute);
    m_Squads[1]->Tick(m_Minute);
    const int z = m_Minute < m_ZoneOfMinute.GetSize() ? m_ZoneOfMinute.GetAt(m_Minute) : zone;
    m_Zones[z < 3 ? 0 : z >= 9 ? 2 : 1] += 1;
    if (m_ReplanDelay > 0) --m_ReplanDelay;
    if (m_SubstitutionPause > 0) --m_SubstitutionPause;
    ++m_FormationMinutes[0];
    ++m_FormationMinutes[1];
    m_QuietMinutes = code != 0 ? 0 : static_cast<uint8_t>(m_QuietMinutes + 1);
    AfterMinuteUpdate();
    m_StepFlag = 1;
    return true;
}

void CMatchPlay::ManOfTheMatch() { m_Fixture->ChooseManOfTheMatch(GetWorldData()->GetMatchDay()); }

void CMatchPlay::EndOfNinety() {
    m_HalfTime = 0;
    m_State = kNinetyOver;
    if (!MatchNeedsWinner()) {
        ManOfTheMatch();
        m_Ended = true;
        return;
    }
    if (m_Division && m_Kind == CFixture::kLeague && m_Division->m_PointsRule == 254) {
        m_State = kShootout;
        SetUpShootout();
        if (m_Fast) PlayShootoutAtOnce();
        ManOfTheMatch();
        m_Ended = true;
        return;
    }
    m_HalfTime = 1;
    m_Fixture->m_ScriptLength = 125;
    m_Script.SetSize(125);
    m_ZoneOfMinute.SetSize(126);
    m_Fixture->SetExtraTimeFlag(30);
    m_Changed = 1;
    m_ReplanDelay = 0;
    AfterMinuteUpdate();
}

void CMatchPlay::SyncInstructions() {
    CMatchVars& mv = MinuteVars();
    for (int s = 0; s < 2; ++s) mv.LoadTacticSettings(*m_Tactics[s], s);
}

void CMatchPlay::AfterMinuteUpdate() {
    const int size = m_Script.GetSize();
    if (m_ReplanDelay != 0 || !m_Changed || m_Minute >= size) return;
    m_Changed = 0;
    m_ReplanDelay = 5;
    SyncInstructions();
    CFixture& f = *m_Fixture;
    const auto minute = static_cast<uint8_t>(m_Minute);
    f.SetUpSide(0, m_Minute);
    f.SetUpSide(1, m_Minute);
    f.FillScriptFrom(minute, &m_Script);
    // Predictions start from what the match has really produced so far.
    for (size_t s = 0; s < 2; ++s) {
        f.m_ShotsOn[s] = static_cast<uint8_t>(std::min(255, m_Counts[kShotsOn][s]));
        f.m_ShotsOff[s] = static_cast<uint8_t>(std::min(255, m_Counts[kShotsOff][s]));
        f.m_Corners[s] = static_cast<uint8_t>(std::min(255, m_Counts[kCorners][s]));
        f.m_Offsides[s] = static_cast<uint8_t>(std::min(255, m_Counts[kOffsides][s]));
    }
    f.m_FreeKicks = {static_cast<uint8_t>(std::min(255, m_Counts[kFreeKicks][1])),
                     static_cast<uint8_t>(std::min(255, m_Counts[kFreeKicks][0]))};
    f.CalcStatistics();
    auto place = [&](int predicted, uint8_t code) {
        const int have = m_Script.Count(code);
        for (int k = have; k < predicted; ++k) {
            if (Random(size) <= m_Minute) continue;
            const int p = m_Script.RandomIndexOf(0);
            if (p > m_Minute) m_Script.SetAt(p, code);
        }
    };
    place(f.m_ShotsOn[0], 17);
    place(f.m_ShotsOn[1], 18);
    place(f.m_ShotsOff[0], 19);
    place(f.m_ShotsOff[1], 20);
    place(f.m_Corners[0], 23);
    place(f.m_Corners[1], 24);
    place(f.m_Offsides[0], 11);
    place(f.m_Offsides[1], 12);
    const int homeFouls = f.m_FreeKicks[1] - f.m_Offsides[0] - m_Counts[kSendingsOff][0] - m_Counts[kBookings][0];
    const int awayFouls = f.m_FreeKicks[0] - f.m_Offsides[1] - m_Counts[kSendingsOff][1] - m_Counts[kBookings][1];
    place(homeFouls, 21);
    place(awayFouls, 22);
    CMatchVars& mv = MinuteVars();
    auto injuries = [&](int n, uint8_t code) {
        for (int k = 0; k < n; ++k) {
            const int p = m_Script.RandomIndexOf(0);
            if (p > m_Minute && p > 4) m_Script.SetAt(p, code);
        }
    };
    injuries(CFixture::GetChanceCount(mv.m_Aggression[1]), 15);
    injuries(CFixture::GetChanceCount(mv.m_Aggression[0]), 16);
}

void CMatchPlay::GoalAttempt(int side) {
    CFixture& f = *m_Fixture;
    const auto minute = static_cast<uint8_t>(m_Minute);
    m_LastSide = side;
    const int defender = f.RandomDefender(side ^ 1);
    if (defender >= 0 && f.TryOwnGoal(side, minute, defender)) {
        const CPlayer* p = SidePlayer(side ^ 1, defender);
        AddScorerLine(side, p, true);
        m_EventCode = side == 0 ? matchevent::kOwnGoalHomeAttempt : matchevent::kOwnGoalAwayAttempt;
        Text(matchtext::kOwnGoalFirst + static_cast<unsigned>(Random(5)), side ^ 1, p);
        ++m_Counts[kShotsOn][side];
        SetGoalLine();
        return;
    }
    const int shooter = f.PickShooter(side);
    if (shooter <= 0) {
        m_EventCode = 0;
        return;
    }
    m_CurrentSlot = shooter;
    m_CurrentPlayer = SidePlayer(side, shooter);
    const int goalsBefore = side == 0 ? f.m_HomeGoals : f.m_AwayGoals;
    if (f.TakeShot(static_cast<uint8_t>(side), shooter, minute, 1)) {
        m_EventCode = matchevent::kGoal + side + (Random(10) < 9 ? 2 : 0);
        Text(matchtext::kGoalFirst + static_cast<unsigned>(Random(5)), side, m_CurrentPlayer);
        AddScorerLine(side, m_CurrentPlayer, false);
        GoalFollowUp(side, shooter);
        SetGoalLine();
        (void)goalsBefore;
    } else {
        m_EventCode = matchevent::kMissedAttempt + side + (Random(10) < 4 ? 2 : 0);
        SavedShot(side);
    }
}

void CMatchPlay::SavedShot(int side) {
    const int shooter = m_Fixture->PickShooter(side);
    if (shooter <= 0) return;
    m_CurrentSlot = shooter;
    m_CurrentPlayer = SidePlayer(side, shooter);
    if (Random(30) == 1) {
        Text(matchtext::kDisallowedFirst + static_cast<unsigned>(Random(5)), side, m_CurrentPlayer);
        m_EventCode = matchevent::kDisallowedGoal + side + (Random(10) < 8 ? 0 : 2);
    } else {
        Text(matchtext::kSaveFirst + static_cast<unsigned>(Random(5)), side, m_CurrentPlayer);
    }
    SavedFollowUp(side, shooter);
}

void CMatchPlay::ShotOffTarget(int side) {
    const int shooter = m_Fixture->PickShooter(side);
    if (shooter <= 0) return;
    m_CurrentSlot = shooter;
    m_CurrentPlayer = SidePlayer(side, shooter);
    const int r = Random(5);
    Text(r == 0 ? matchtext::kOffTargetFirst : matchtext::kOffTargetFirst + 1 + static_cast<unsigned>(r), side,
         m_CurrentPlayer);
    if (Random(10) > 7) m_EventCode += 2;
    OffTargetFollowUp(side, shooter);
}

void CMatchPlay::Foul(int side) {
    ++m_Counts[kFouls][side];
    const CClub* club = SideClub(side);
    if (club) {
        static constexpr int kOffset[4] = {0, 10, 5, 5};
        int weights[11] = {}, total = 0;
        for (int s = 0; s <= 10; ++s) {
            const CPlayer* p = club->GetPlayer(s);
            if (p) weights[s] = kOffset[std::clamp(p->GetPosition(), 0, 3)] + p->Person().GetTemperament();
            total += weights[s];
        }
        for (int draw = 0; draw < 100 && total > 0; ++draw) {
            const int r = Random(total);
            int sum = 0, slot = -1;
            for (int s = 0; s <= 10 && slot < 0; ++s) {
                sum += weights[s];
                if (sum >= r && weights[s] > 0) slot = s;
            }
            if (slot >= 0 && club->GetPlayer(slot)->IsOnPitch()) {
                if (CSoccerMatchPlayer* e = m_Squads[side]->GetAt(slot)) ++e->m_Fouls;
                m_CurrentSlot = slot;
                m_CurrentPlayer = club->GetPlayer(slot);
                break;
            }
        }
    }
    ++m_Counts[kFreeKicks][side];
    m_EventCode = side == 0 ? matchevent::kOffsideOrFoulHome : matchevent::kOffsideOrFoulAway;
    Text(matchtext::kFoul, side, m_CurrentPlayer);
}

int CMatchPlay::UsePlannedEvent(int side, int cls, int firstPlannedClass) {
    // The planned shot, save or goal of the side happens now instead.
    static constexpr int kCodes[3] = {19, 17, 1};
    const int code = kCodes[cls - firstPlannedClass] + side;
    for (int m = m_Minute; m < m_Script.GetSize(); ++m)
        if (m_Script.GetAt(m) == code) {
            m_Script.SetAt(m, 0);
            return cls;
        }
    return -1;
}

void CMatchPlay::Corner(int side) {
    ++m_Counts[kCorners][side];
    const int t = Random(10) < 5 ? 0 : 2;
    const std::string where = platform::FormatMessageId(t == 0 ? matchtext::kTopCorner : matchtext::kBottomCorner, {});
    int cls = ClassOf(m_CornerThresholds, Random(100));
    if (cls >= 2 && UsePlannedEvent(side, cls, 2) < 0) cls = Random(10) < 6 ? 1 : 0;
    const unsigned line = (side == 0 ? matchtext::kHomeCornerFirst : matchtext::kAwayCornerFirst);
    CFixture& f = *m_Fixture;
    switch (cls) {
        case 0:
            m_EventCode = matchevent::kCornerDeflected + side + t;
            m_Commentary = platform::FormatMessageId(line + 0, {});
            break;
        case 1:
            m_EventCode = matchevent::kCornerCleared + side + t;
            m_Commentary = platform::FormatMessageId(line + 1, {});
            break;
        case 2:
            m_EventCode = matchevent::kCornerOffTarget + side + t;
            ShotOffTarget(side);
            m_Commentary = platform::FormatMessageId(line + 2, {});
            break;
        case 3: {
            const int shooter = f.PickShooter(side);
            m_CurrentSlot = shooter;
            m_CurrentPlayer = SidePlayer(side, shooter);
            m_CommentaryKind = 1;
            m_EventCode = matchevent::kCornerSaved + side + t;
            SavedShot(side);
            m_Commentary = platform::FormatMessageId(line + 3, {});
            break;
        }
        default: {
            const int shooter = f.PickShooter(side);
            if (shooter <= 0) {
                m_EventCode = matchevent::kCornerCleared + side + t;
                m_Commentary = platform::FormatMessageId(line + 1, {});
                break;
            }
            m_CurrentSlot = shooter;
            m_CurrentPlayer = SidePlayer(side, shooter);
            if (f.TakeShot(static_cast<uint8_t>(side), shooter, static_cast<uint8_t>(m_Minute), 1)) {
                AddScorerLine(side, m_CurrentPlayer, false);
                GoalFollowUp(side, shooter);
                m_EventCode = matchevent::kCornerGoal + side + t + (Random(10) < 9 ? 2 : 0);
                const CClub* club = SideClub(side);
                m_Commentary = platform::FormatMessageId(
                    matchtext::kCornerScores, {m_Minute, m_CurrentPlayer->GetName(), club ? club->GetName() : ""});
                SetGoalLine();
            } else {
                m_EventCode = matchevent::kCornerSaved + side + t;
                SavedFollowUp(side, shooter);
                m_Commentary = platform::FormatMessageId(line + 4, {});
            }
            break;
        }
    }
    (void)where;
}

void CMatchPlay::FreeKick(int side) {
    ++m_Counts[kFreeKicks][side ^ 1];
    int cls = ClassOf(m_FreeKickThresholds, Random(100));
    if (cls >= 3 && UsePlannedEvent(side, cls, 3) < 0) cls = Random(10) < 6 ? 2 : 1;
    CFixture& f = *m_Fixture;
    int shooter = f.PickShooter(side);
    if (shooter <= 0 && cls >= 3) cls = 1;
    // A human side's named takers step up: the attacking free-kick taker
    // for a shot at goal, the defensive one for the others.
    if (const CClub* club = SideClub(side)) {
        const int named = club->GetRolePlayerSlot(cls >= 3 ? 1 : 2);
        if (named > 0 && CanPlayerContinue(side, named)) shooter = named;
    }
    m_CurrentSlot = shooter;
    m_CurrentPlayer = SidePlayer(side, shooter);
    m_EventCode = matchevent::kFreeKick + side + 2 * cls;
    const auto setZone = [&](int z) {
        if (m_Minute < m_ZoneOfMinute.GetSize()) m_ZoneOfMinute.SetAt(m_Minute, static_cast<uint8_t>(z));
    };
    setZone(Random(4) + 2);
    switch (cls) {
        case 0:
            setZone(Random(12));
            Text(matchtext::kFreeKickFirst + 0, side, m_CurrentPlayer);
            break;
        case 1:
        case 2: Text(matchtext::kFreeKickFirst + static_cast<unsigned>(cls), side, m_CurrentPlayer); break;
        case 3:
            Text(matchtext::kFreeKickFirst + 3, side, m_CurrentPlayer);
            OffTargetFollowUp(side, shooter);
            break;
        case 4:
            Text(matchtext::kFreeKickFirst + 4, side, m_CurrentPlayer);
            m_CommentaryKind = 1;
            SavedFollowUp(side, shooter);
            break;
        default:
            f.ScoreFreeKickGoal(side, static_cast<uint8_t>(m_Minute), shooter);
            AddScorerLine(side, m_CurrentPlayer, false);
            GoalFollowUp(side, shooter);
            m_CommentaryKind = 0;
            Text(matchtext::kFreeKickGoalFirst + static_cast<unsigned>(Random(5)), side, m_CurrentPlayer);
            SetGoalLine();
            break;
    }
}

int CMatchPlay::TakePenalty(int side) {
    CFixture& f = *m_Fixture;
    const int taker = f.GetPenaltyTakerSlot(side);
    if (taker < 0) return -1;
    m_CurrentSlot = taker;
    m_CurrentPlayer = SidePlayer(side, taker);
    m_CommentaryKind = 2;
    const CClub* club = SideClub(side);
    const std::string clubName = club ? club->GetName() : "";
    if (Random(15) < 13) {
        const bool human = club && club->IsHumanManaged() && !m_Fast;
        if (human) {
            // The human manager chooses the taker on the screen.
            m_PendingPenaltySide = side;
            m_PendingPenaltyOutcome = 0;
            return 0;
        }
        const int scorer = f.AwardPenalty(side, static_cast<uint8_t>(m_Minute));
        if (scorer >= 0) {
            m_CurrentSlot = scorer;
            m_CurrentPlayer = SidePlayer(side, scorer);
            m_Commentary = platform::FormatMessageId(866, {m_Minute, m_CurrentPlayer->GetName(), clubName});
            AddScorerLine(side, m_CurrentPlayer, false);
            GoalFollowUp(side, scorer);
            SetGoalLine();
        }
        return 0;
    }
    const int outcome = Random(4) < 3 ? 1 : 2;
    m_Commentary = platform::FormatMessageId(outcome == 1 ? matchtext::kPenaltySaved : matchtext::kPenaltyOffTarget,
                                             {m_Minute, m_CurrentPlayer->GetName(), clubName});
    if (club && club->IsHumanManaged() && !m_Fast) {
        m_PendingPenaltySide = side;
        m_PendingPenaltyOutcome = outcome;
    }
    return outcome;
}

void CMatchPlay::BookPlayer(int side) {
    CFixture& f = *m_Fixture;
    const int slot = f.GiveCard(side, 0, static_cast<uint8_t>(m_Minute));
    if (slot < 0) {
        m_EventCode = 0;
        return;
    }
    ++m_Counts[kBookings][side];
    const CMatchVars& mv = MinuteVars();
    m_CurrentSlot = slot;
    m_CurrentPlayer = SidePlayer(side, slot);
    const std::string text = platform::FormatMessageId(matchtext::kBookingFirst + static_cast<unsigned>(Random(5)),
                                                       {mv.m_Names[2], mv.m_Names[3]});
    // The same draw picks the clip of the booking when no penalty follows.
    const int draw = Random(5);
    if (draw == 2) {
        const int outcome = TakePenalty(side ^ 1);
        if (outcome >= 0) {
            m_EventCode = matchevent::Penalty(matchevent::kPenaltyAfterBooking, side ^ 1, outcome);
            if (m_Commentary.empty()) m_Commentary = text;
            return;
        }
    }
    FreeKick(side ^ 1);
    m_EventCode += draw < 2 ? matchevent::kBookingAdds : matchevent::kBookingAddsOther;
    m_Commentary = text;
}

void CMatchPlay::SendOffPlayer(int side) {
    CFixture& f = *m_Fixture;
    const int slot = f.GiveCard(side, 1, static_cast<uint8_t>(m_Minute));
    if (slot < 0) {
        m_EventCode = 0;
        return;
    }
    ++m_Counts[kSendingsOff][side];
    m_Changed = 1;
    const CMatchVars& mv = MinuteVars();
    m_CurrentSlot = slot;
    m_CurrentPlayer = SidePlayer(side, slot);
    const std::string text = platform::FormatMessageId(
        matchtext::kSendingOffFirst + static_cast<unsigned>(Random(5)), {mv.m_Names[2], mv.m_Names[3]});
    const int draw = Random(5);
    if (draw == 2) {
        const int outcome = TakePenalty(side ^ 1);
        if (outcome >= 0) {
            m_EventCode = matchevent::Penalty(matchevent::kPenaltyAfterSendingOff, side ^ 1, outcome);
            if (m_Commentary.empty()) m_Commentary = text;
            return;
        }
    }
    FreeKick(side ^ 1);
    m_EventCode += draw < 2 ? matchevent::kSendingOffAdds : matchevent::kSendingOffAddsOther;
    m_Commentary = text;
}

void CMatchPlay::Injury(int side) {
    CFixture& f = *m_Fixture;
    if (!f.TryInjury(side)) {
        m_EventCode = 0;
        return;
    }
    const int slot = MinuteVars().m_InjuredSlot;
    CPlayer* p = SidePlayer(side, slot);
    const CClub* club = SideClub(side);
    if (!p || !club) {
        m_EventCode = 0;
        return;
    }
    CFixture::AddPerformance(slot, side, m_Minute);
    m_CurrentSlot = slot;
    m_CurrentPlayer = p;
    m_Commentary = platform::FormatMessageId(776, {p->GetName(), club->GetName()});
    const int outfield = slot == 0 || p->GetPosition() == 0 ? 0 : 1;
    const bool human = club->IsHumanManaged() && !m_Fast;
    const int severity = p->GetInjurySeverity();
    CSubstitutionVars& subs = *GetWorldData()->GetSubstitutionVars();
    if (severity >= 100 || (severity > 40 && !human)) {
        const int sub = subs.CanSubstitute(side) ? ChooseSubstitute(side, slot) : -1;
        const std::string injuredText = m_Commentary;
        if (sub >= 0 && DoSubstitute(side, slot, sub) == 1) {
            m_EventCode = matchevent::kInjuryReplaced + 4 * side + 2 * outfield;
            m_Commentary = injuredText + " " + m_Commentary;
        } else {
            m_EventCode = matchevent::kInjuryReplaced + 4 * side + 2 * outfield + 1;
            m_Commentary = injuredText + " " + platform::FormatMessageId(913, {club->GetName(), p->GetName()});
        }
        return;
    }
    if (human && subs.CanSubstitute(side))
        m_EventCode = matchevent::kInjuryPending + 4 * side + 2 * outfield;
    else
        m_EventCode = matchevent::kInjuryPlaysOn + 2 * side + outfield;
}

void CMatchPlay::CheckInjuredPlayers() {
    for (int side = 0; side < 2; ++side) {
        const CClub* club = SideClub(side);
        if (!club || (club->IsHumanManaged() && !m_Fast)) continue;
        for (int s = 0; s <= 10; ++s) {
            const CPlayer* p = club->GetPlayer(s);
            if (!p || !p->IsAvailable() || p->GetInjurySeverity() <= 30) continue;
            if (Random(20) >= 5) continue;
            if (Random(10) < 3) ComputerSubstitution(side, s);
            break;
        }
    }
    if (m_Minute >= 61 && m_SubstitutionPause == 0) {
        if (Random(100) < 35) ComputerSubstitution(0, 255);
        if (Random(100) < 35) ComputerSubstitution(1, 255);
    }
}

void CMatchPlay::ComputerSubstitution(int side, int slot) {
    const CClub* club = SideClub(side);
    if (!club || (club->IsHumanManaged() && !m_Fast)) return;
    const CSubstitutionVars& subs = *GetWorldData()->GetSubstitutionVars();
    if (!subs.CanSubstitute(side)) return;
    const int n = subs.CountUsed(side);
    const bool clubChooses = slot >= 12;
    if (clubChooses) slot = club->ChoosePlayerToTakeOff(n);
    if (slot < 0 || slot > 10) return;
    const int sub = ChooseSubstitute(side, slot);
    if (sub < 0) return;
    const CPlayer* in = club->GetPlayer(sub);
    if (clubChooses && in->GetPosition() != club->GetPlayer(slot)->GetPosition()) {
        const int again = club->ChoosePlayerToTakeOffByPosition(n, in->GetPosition());
        if (again >= 0) slot = again;
    }
    const int position = std::clamp(club->GetPlayer(slot)->GetPosition(), 0, 3);
    if (DoSubstitute(side, slot, sub) != 1) return;
    m_EventCode = matchevent::kSubstitution + side + 2 * position;
    m_SubstitutionPause = 8;
}

int CMatchPlay::ChooseSubstitute(int side, int slot) {
    const CClub* club = SideClub(side);
    if (!club) return -1;
    const CPlayer* out = club->GetPlayer(slot);
    if (!out) return -1;
    const CSubstitutionVars& subs = *GetWorldData()->GetSubstitutionVars();
    const int last = 10 + std::clamp<int>(m_Fixture->m_SubsNamed, 0, 5);
    auto usable = [&](int s) {
        const CPlayer* p = club->GetPlayer(s);
        return p && p->IsAvailable() && !subs.WasTakenOff(club->GetPlayerId(s));
    };
    if (out->GetPosition() == 0)
        for (int s = 11; s <= last; ++s)
            if (usable(s) && club->GetPlayer(s)->GetPosition() == 0) return s;
    std::vector<int> candidates;
    for (int s = 11; s <= last; ++s)
        if (usable(s) && club->GetPlayer(s)->GetPosition() != 0) candidates.push_back(s);
    if (candidates.empty()) return -1;
    if (candidates.size() == 1) return candidates[0];
    for (int s : candidates)
        if (club->GetPlayer(s)->GetPosition() == out->GetPosition()) return s;
    if (out->GetPosition() != 2)
        for (int s : candidates)
            if (club->GetPlayer(s)->GetPosition() == 2) return s;
    if (out->IsInjured()) {
        const int n = static_cast<int>(candidates.size());
        return candidates[static_cast<size_t>(std::min(Random(n), n - 1))];
    }
    return -1;
}

void CMatchPlay::SetUpShootout() {
    m_HomeKickers.RemoveAll();
    m_AwayKickers.RemoveAll();
    for (int side = 0; side < 2; ++side) {
        const CClub* club = SideClub(side);
        if (!club || (club->IsHumanManaged() && !m_Fast)) continue;
        CExtByteArray& list = side == 0 ? m_HomeKickers : m_AwayKickers;
        for (int s = 2; s < kSquadSlots && list.GetSize() < 5; ++s) {
            const CPlayer* p = club->GetPlayer(s);
            if (s <= 10 && p && p->GetPosition() != 0 && p->IsAvailable() && p->CanPlay()) list.Add(static_cast<uint8_t>(s));
        }
    }
}

void CMatchPlay::CompleteKickers(int side) {
    CExtByteArray& list = side == 0 ? m_HomeKickers : m_AwayKickers;
    const CClub* club = SideClub(side);
    if (!club) return;
    auto listed = [&](int s) { return list.Find(static_cast<uint8_t>(s)) >= 0; };
    for (int s = 2; s <= 10 && list.GetSize() < 5; ++s) {
        const CPlayer* p = club->GetPlayer(s);
        if (p && p->GetPosition() != 0 && p->IsAvailable() && p->CanPlay() && !listed(s)) list.Add(static_cast<uint8_t>(s));
    }
    for (int s = 0; s <= 10 && list.GetSize() < 5; ++s) {
        const CPlayer* p = club->GetPlayer(s);
        if (p && p->CanPlay() && !listed(s)) list.Add(static_cast<uint8_t>(s));
    }
    // A short list starts again from its first kicker.
    for (int i = 0; list.GetSize() > 0 && list.GetSize() < 5; ++i) list.Add(list.GetAt(i));
}

void CMatchPlay::DecideShootout() {
    CompleteKickers(0);
    CompleteKickers(1);
    const CPlayer* keepers[2] = {SidePlayer(0, 0), SidePlayer(1, 0)};
    auto kick = [&](int side, int k) -> uint8_t {
        const CExtByteArray& list = side == 0 ? m_HomeKickers : m_AwayKickers;
        if (k >= list.GetSize()) return 2;
        const CPlayer* kicker = SidePlayer(side, list.GetAt(k));
        if (!kicker) return 2;
        const CPlayer* keeper = keepers[side ^ 1];
        const int kv = keeper ? keeper->GetMatchGoalkeeping() : 0;
        const int roll = Random(kv + kicker->GetMatchAttacking() + 20);
        if (roll <= kv) return Random(10) < 9 ? 1 : 2;
        return 0;
    };
    for (int round = 0; round < 1000; ++round) {
        m_HomeKicks.SetSizeAndFill(5, 2);
        m_AwayKicks.SetSizeAndFill(5, 2);
        int scored[2] = {0, 0};
        for (int k = 0; k < 5; ++k) {
            const uint8_t h = kick(0, k);
            m_HomeKicks.SetAt(4 - k, h);
            scored[0] += h == 0;
            const uint8_t a = kick(1, k);
            m_AwayKicks.SetAt(4 - k, a);
            scored[1] += a == 0;
        }
        if (scored[0] != scored[1]) return;
    }
}

int CMatchPlay::PlayShootoutAtOnce() {
    DecideShootout();
    if (m_HomeKicks.GetSize() < 5 || m_AwayKicks.GetSize() < 5) return 0;
    int scored[2] = {0, 0}, taken[2] = {0, 0}, kicks = 0;
    for (int k = 0; k < 5; ++k) {
        for (int side = 0; side < 2; ++side) {
            const CExtByteArray& out = side == 0 ? m_HomeKicks : m_AwayKicks;
            const CExtByteArray& list = side == 0 ? m_HomeKickers : m_AwayKickers;
            ++taken[side];
            ++kicks;
            if (out.GetAt(4 - k) == 0) {
                ++scored[side];
                const CPlayer* p = k < list.GetSize() ? SidePlayer(side, list.GetAt(k)) : nullptr;
                m_Fixture->m_Events.Add(CMatchEvent::kShootoutMinute, CMatchEvent::kHomeShootoutGoal + side,
                                        p ? p->GetName() : std::string());
            }
            // Stop once one side's tally is out of the other's reach.
            if (scored[0] > scored[1] + (5 - taken[1]) || scored[1] > scored[0] + (5 - taken[0])) return kicks;
        }
    }
    return kicks;
}
