#pragma once
// One of a club's seven scout slots with its 100 report entries.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

class CPlayer;

class CScout {
public:
    static constexpr uint8_t kFree = 254, kDone = 253;
    struct Entry {
        int32_t player = 0;
        uint8_t state = kFree;
        std::string text;
        uint8_t estimate = 0;
    };
    CScout() = default;
    void Init(int32_t employee, int32_t clubIndex);
    bool IsAssigned() const { return employee_ != -1; }
    bool IsAway() const { return away_ == 1; }
    void SetAway(bool away) { away_ = away ? 1 : 0; }
    int32_t GetEmployee() const { return employee_; }
    void SetEmployee(int32_t e) { employee_ = e; }
    // The estimate of the first finished entry for the player; 0 when none.
    uint8_t GetEstimate(int32_t player) const;
    // What the scout says of the player: his report when it is done and the
    // current user has him as scouted, how long the watch still takes while
    // it runs, else nothing.
    std::string MakeReport(const CPlayer& player) const;
    // The rating of a finished report as a number; empty when none.
    std::string GetGradeText(const CPlayer& player) const;
    std::array<Entry, 100>& Entries() { return entries_; }
    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    int32_t club_ = -1;
    int32_t employee_ = -1;
    uint8_t away_ = 0;
    std::array<Entry, 100> entries_;
};
