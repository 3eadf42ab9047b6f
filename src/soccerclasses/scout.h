#pragma once
// One of a club's seven scout slots with its 100 report entries.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

class CClub;
class CListRows;
class CPlayer;

class CScout {
public:
    static constexpr uint8_t kFree = 254, kDone = 253;
    static constexpr int kEntries = 100;
    static constexpr int kMaxPlayers = 10;
    struct Entry {
        int32_t player = 0;
        uint8_t state = kFree;
        std::string text;
        uint8_t estimate = 0;
    };
    // What an assignment request came to; the reply text says it to the user.
    enum AssignResult { kAssignAway, kAssignNoPlayers, kAssignNoMoney, kAssignAsk, kAssignDone };

    CScout() = default;
    void Init(int32_t employee, int32_t clubIndex);
    void Init(int32_t employee, const CClub* club);
    bool IsAssigned() const { return employee_ != -1; }
    bool IsAway() const { return away_ == 1; }
    void SetAway(bool away) { away_ = away ? 1 : 0; }
    int32_t GetEmployee() const { return employee_; }
    void SetEmployee(int32_t e) { employee_ = e; }
    int32_t GetClubIndex() const { return club_; }
    // The ability of the scout behind the slot; 0 without one.
    int GetAbility() const;

    // Sends the scout to watch up to ten players: unconfirmed, the reply is
    // the question with the cost and the time it takes; confirmed, the club
    // pays and the watch begins. Away, without players or without the money
    // the reply says so.
    AssignResult MakeAssignment(std::string& reply, CPlayer* const players[kMaxPlayers], bool confirmed);
    // The half-week's work: each watch comes a half-week nearer its end; a
    // watch that ends files the estimate and tells the club's human manager.
    void ProcessHalfWeek(CClub& club);
    // The entries in use as rows: name, nationality, "Scouting" or the
    // report's date. A finished report the current user no longer holds as
    // scouted is forgotten instead.
    void FillList(CListRows& list);

    // The estimate of the first finished entry for the player; 0 when none.
    uint8_t GetEstimate(int32_t player) const;
    // Whether any entry, running or done, is about the player.
    bool HasEntryFor(int32_t player) const;
    // What the scout says of the player: his report when it is done and the
    // current user has him as scouted, how long the watch still takes while
    // it runs, else nothing.
    std::string MakeReport(const CPlayer& player) const;
    // The rating of a finished report as a number; empty when none.
    std::string GetGradeText(const CPlayer& player) const;
    // For change: the world's index of clubs naming players is dropped.
    std::array<Entry, kEntries>& Entries();
    // Every entry in use about the player becomes free.
    void ForgetPlayer(int32_t player);
    const std::array<Entry, kEntries>& Entries() const { return entries_; }
    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    std::string MakeFullReport(const CPlayer& player, uint8_t estimate) const;
    // The oldest entry goes; its player loses his scouted mark unless
    // another of the club's scouts still has him.
    void DropOldestEntry(CClub* club);

    int32_t club_ = -1;
    int32_t employee_ = -1;
    uint8_t away_ = 0;
    std::array<Entry, kEntries> entries_;
};
