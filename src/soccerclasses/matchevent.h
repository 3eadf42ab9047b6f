#pragma once
// The notable moments of one match: goals, cards and scored shoot-out kicks.
// Odd types belong to the home side, even types to the away side.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CMatchEvent {
public:
    enum Type : uint8_t {
        kHomeGoal = 1, kAwayGoal = 2,
        kHomeBooking = 3, kAwayBooking = 4,
        kHomeSendingOff = 5, kAwaySendingOff = 6,
        kHomeOwnGoal = 7, kAwayOwnGoal = 8,
        kHomePenaltyGoal = 9, kAwayPenaltyGoal = 10,
        kHomeShootoutGoal = 163, kAwayShootoutGoal = 164,
    };
    static constexpr uint8_t kShootoutMinute = 255;

    CMatchEvent() = default;
    CMatchEvent(uint8_t minute, uint8_t type, const std::string& name) : m_Minute(minute), m_Type(type), m_Name(name) {}

    bool IsGoal() const;
    bool IsHomeGoal() const { return m_Type == kHomeGoal || m_Type == kHomeOwnGoal || m_Type == kHomePenaltyGoal; }
    bool IsAwayGoal() const { return m_Type == kAwayGoal || m_Type == kAwayOwnGoal || m_Type == kAwayPenaltyGoal; }

    uint8_t m_Minute = 0;
    uint8_t m_Type = 0;
    CExtString m_Name;
};

class CMatchEventList : public OwningList<CMatchEvent> {
public:
    // A list never holds more; play cannot produce as many.
    static constexpr int kMaxEvents = 149;

    // False (and nothing added) when the list is full.
    bool Add(int minute, int type, const std::string& name);

    int CountHomeBookings() const { return CountType(CMatchEvent::kHomeBooking); }
    int CountAwayBookings() const { return CountType(CMatchEvent::kAwayBooking); }
    int CountHomeSendingsOff() const { return CountType(CMatchEvent::kHomeSendingOff); }
    int CountAwaySendingsOff() const { return CountType(CMatchEvent::kAwaySendingOff); }
    int CountHomeShootoutGoals() const { return CountType(CMatchEvent::kHomeShootoutGoal); }
    int CountAwayShootoutGoals() const { return CountType(CMatchEvent::kAwayShootoutGoal); }
    int CountHomeGoals(int minute) const;
    int CountAwayGoals(int minute) const;
    bool HasShootout() const { return CountHomeShootoutGoals() + CountAwayShootoutGoals() > 0; }
    bool IsGoalInMinute(int minute) const;
    // 0 when the home side scored more kicks, else 1.
    int GetShootoutWinner() const { return CountHomeShootoutGoals() > CountAwayShootoutGoals() ? 0 : 1; }

    bool IsHomeGoalPenalty(int n) const;
    bool IsAwayGoalPenalty(int n) const;
    bool IsHomeGoalOwnGoal(int n) const;
    bool IsAwayGoalOwnGoal(int n) const;

    std::string GetHomeGoalText(int n) const { return GoalText(NthGoal(true, n)); }
    std::string GetAwayGoalText(int n) const { return GoalText(NthGoal(false, n)); }
    std::string GetHomeBookingText(int n) const { return CardText(NthOfType(CMatchEvent::kHomeBooking, n)); }
    std::string GetAwayBookingText(int n) const { return CardText(NthOfType(CMatchEvent::kAwayBooking, n)); }
    std::string GetHomeSendingOffText(int n) const { return CardText(NthOfType(CMatchEvent::kHomeSendingOff, n)); }
    std::string GetAwaySendingOffText(int n) const { return CardText(NthOfType(CMatchEvent::kAwaySendingOff, n)); }
    std::string GetShootoutText(const std::string& homeName, const std::string& awayName) const;

    void Save(FILE* file) const;
    // Reuses events of the world's pool for a longer list and returns the
    // surplus of a shorter one to it.
    void Load(FILE* file);

private:
    int CountType(uint8_t type) const;
    const CMatchEvent* NthGoal(bool home, int n) const;
    const CMatchEvent* NthOfType(uint8_t type, int n) const;
    std::string GoalText(const CMatchEvent* e) const;
    std::string CardText(const CMatchEvent* e) const;
};

// The texts the match events are written with.
inline constexpr unsigned kGoalTextId = 63000;         // "%s %d"
inline constexpr unsigned kCardTextId = 63001;         // "%s (%d) "
inline constexpr unsigned kOwnGoalSuffixId = 63002;    // " (OG)"
inline constexpr unsigned kPenaltySuffixId = 63003;    // " (Pen)"
inline constexpr unsigned kShootoutTextId = 63004;     // "%1!s! won %2!d! - %3!d! after a penalty shootout."
