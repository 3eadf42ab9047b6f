#pragma once
// The world's clubs: the real ones of "Data\\Clubs.bin", then two blank
// clubs into which a non-league cup opponent is copied.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "soccerclasses/club.h"

class CClubList {
public:
    CClubList() = default;

    // Reads "Data\\Clubs.bin"; a missing or damaged file, or one that breaks
    // the rules of the file, throws DataFileError.
    void ReadDataFile();
    void ReadFile(const std::string& path);

    int GetSize() const { return static_cast<int>(clubs_.size()); }
    // The number of real clubs (the blank ones follow them).
    int GetRealCount() const { return realCount_; }
    CClub* GetAt(int i) { return i >= 0 && i < GetSize() ? clubs_[static_cast<size_t>(i)].get() : nullptr; }
    const CClub* GetAt(int i) const { return i >= 0 && i < GetSize() ? clubs_[static_cast<size_t>(i)].get() : nullptr; }
    // Appends a real club in front of the blank ones (tests and tools).
    void AddRealClub(std::unique_ptr<CClub> club);

    void Save(FILE* f) const;
    void Load(FILE* f);

    void StartMidweek();
    // New game: the first staff of every followed club, and the position figures.
    void CreateInitialStaff();
    void UpdatePositionFigures();
    // Every real club's daily step, in index order.
    void ProcessDay();
    CClub* FindClubOfPlayer(uint16_t player);
    // The club whose staff (youth squad) holds that very object; null when none.
    CClub* FindClubOfEmployee(const CEmployee* employee);
    CClub* FindClubOfYouth(const CYouth* youth);
    int GetIndex(const CClub* club) const;
    // 65535 when no club bears the name.
    int FindByName(const std::string& name) const;
    void SwapSlots(int a, int b);
    void SwapTablePositions(int a, int b);
    // Moves two clubs between divisions: each takes the other's place, its
    // division and its table position, and every list that names them follows.
    void SwapClubs(int a, int b);
    // Sorts the clubs of one division into league order.
    void SortByTable();
    // A friendly on calendar day `day`; false (nothing changed) when the day
    // is no friendly day of either club or either slot is taken.
    bool ArrangeFriendly(int day, int home, int away);

    // A player who leaves the world: every club forgets its bids, loans and
    // designated men for him, and the clubs whose transfer logs or scouts'
    // lists name him forget him there too.
    void ForgetPlayer(uint32_t player);
    // The logs and scouts' lists grow all game long, so the clubs that name
    // a player are kept in an index rather than found by walking them all.
    // It is built when first needed; a new log line or scout's entry of a
    // club of this list is noted in it, and a club's lists handed out for
    // change, or read from a file, drop it until it is needed again.
    void NoteNamedPlayer(int32_t player, CClub* club);
    void DropNamedPlayerIndex() {
        namedBy_.clear();
        namedByBuilt_ = false;
    }
    // The clubs that name the player in the index (building it); tests
    // check it against the clubs' own lists.
    std::vector<const CClub*> ClubsNamingPlayer(uint32_t player);

private:
    void Read(FILE* f, const std::string& name);
    void BuildNamedPlayerIndex();
    std::vector<std::unique_ptr<CClub>> clubs_;
    int realCount_ = 0;
    std::unordered_map<uint32_t, std::vector<CClub*>> namedBy_;
    bool namedByBuilt_ = false;
};

// Lets the countries give their clubs, or take away, the records of a
// followed country when their follow level changes.
void InstallClubActivation();

inline constexpr const char* kClubsFile = "Data\\Clubs.bin";
