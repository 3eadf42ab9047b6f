#pragma once
// The international club cups (competitions code): cups whose entrants hold
// berths of their federation's countries.
#include <cstdint>
#include <cstdio>

#include "soccerclasses/cup.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/owninglist.h"

class CFixture;
class CFederationCupList;

inline constexpr const char* kFederationCupsFile = "Data\\FedCups.bin";

class CFederationCup : public CCup {
public:
    // The champions' cup (kind 0) keeps its holder out of the berths and
    // moves berths down a round while its holder flag is set; the second
    // cup (kind 1) takes its holder only while the holder switch is set.
    static constexpr uint8_t kChampionsCup = 0;
    static constexpr uint8_t kSecondCup = 1;
    // The ranks that can hand the champions' cup its own holder.
    static constexpr int kHolderRanks = 9;
    // The element of the berths by rank that opens the holder's places.
    static constexpr int kHolderBerths = 49;

    uint8_t m_Kind = 0;
    int32_t m_Holder = -1;     // last winner's club index
    uint16_t m_Federation = 0;
    CExtByteArray m_BerthsByRank;
    CExtByteArray m_BerthDescriptors;
    CExtByteArray m_EntryRounds;
    CExtDWordArray m_Entrants;  // this season's, holder first

    // One record of "Data\\FedCups.bin": the kind, the name, the
    // federation, the three byte arrays, the holder, a dropped int32 and the
    // cup's definition. nullptr when usable, else what is wrong.
    const char* ReadRecord(FILE* file, int federationCount, int clubCount, const Limits& limits,
                           const std::function<int(const CupNonLeagueRecord&)>& addNonLeague);
    // `fileKind` is the kind byte as the file stores it.
    void WriteRecord(FILE* file, uint8_t fileKind, const std::vector<uint8_t>& roundNameIndexes) const;

    bool HasEntrant(int club) const { return club >= 0 && m_Entrants.Find(static_cast<uint32_t>(club)) >= 0; }
    void ReplaceEntrant(int oldClub, int newClub);
    // The holder first, then every berth's club by the federation's ranking;
    // a berth that finds no club stays empty.
    void GatherEntrants(CFederationCupList& list);
    // The draw of the round whose draw slot is today (never a second leg).
    void Draw(CFederationCupList& list);
    // Where the walk over the entrants starts: after the holder's place.
    int WalkStart(const CFederationCupList& list) const;
    // The club stands in a tie or a replay of any round.
    bool IsClubInvolved(int club) const;
};

class CFederationCupList : public OwningList<CFederationCup> {
public:
    // The champions' cup's holder needs a place of his own beyond the
    // berths (he did not qualify through one); the second cup's holder has
    // his place (he is not in the champions' cup).
    uint8_t m_HolderFlag = 0;
    uint8_t m_HolderSwitch = 0;

    // The club's federation-cup match on the day; false, and *out untouched, when none.
    bool FindFixture(int day, int club, CFixture** out) const;
    bool IsClubInvolved(int club) const;
    // On the day the first cup's first round is drawn: every cup's
    // entrants, and the first round's size by the holders' places.
    void StartSeason();
    void DrawAll() {
        for (const auto& c : *this) c->Draw(*this);
    }
    // Each cup's round of the day, then its replays; true when any played.
    bool PlayToday(bool live);
    // Once the first cup's last round is complete: new holders, honours,
    // and every cup cleared for the next season.
    void EndOfSeason();
    // Per cup in list order: the cup, its entrants, its three byte arrays
    // and its holder; then the holder flag and switch. No count.
    void Save(FILE* file) const;
    void Load(FILE* file);
};
