#pragma once
// Injuries and absences off the field. A player holds the index of one
// record in the world's injury list (-1 for none); the list reuses slots.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct CInjuryKind {
    uint8_t threshold;  // cumulative chance
    uint8_t group;
    uint8_t baseTime;
    uint8_t extraTime;
    uint8_t noArticle;
    uint8_t surgery;
    uint8_t severity;
    uint8_t spread;
    uint32_t nameId;
};

struct CAbsenceKind {
    uint8_t threshold;
    uint8_t baseTime;
    uint8_t extraTime;
    uint32_t messageId;
    int8_t becomesKind;  // football kind it heals as, or -1
    bool newspaper;
};

class CInjury {
public:
    static constexpr int kFootballKinds = 30;
    static constexpr int kAbsenceKinds = 14;
    static const CInjuryKind kFootball[kFootballKinds];
    static const CAbsenceKind kAbsences[kAbsenceKinds];

    // What the day's step has to tell the human manager.
    struct DayNews {
        int surgeryTextId = -1;  // 793..796, or -1
        int recoveryTextId = -1; // when the injury has just ended
        bool footballInjury = false;
    };

    uint8_t m_Kind = 0;
    uint8_t m_Severity = 0;
    uint8_t m_TimeLeft = 0;
    uint8_t m_DaysOut = 0;
    uint8_t m_SurgeryCountdown = 0;
    int32_t m_SurgeryMessage = -1;
    int8_t m_RecoveryModifier = 0;
    uint8_t m_ShownInLists = 1;
    uint8_t m_Absence = 0;

    double GetFactor() const;
    uint8_t GetSeverity() const { return m_Severity; }
    void SetSeverity(uint8_t s);
    uint8_t GetWeeks() const { return m_TimeLeft; }
    bool IsOut() const { return m_Severity >= 100; }
    // Weeks still to go, as the texts show them.
    uint8_t GetWeeksEstimate() const;
    uint8_t GetTotalWeeks() const;

    const CInjuryKind& FootballKind() const;
    // The injury's name, or an absence's message when `full`.
    std::string GetText(bool full) const;
    std::string GetNameCapitalised() const;
    std::string GetTimeText() const;
    std::string GetTotalTimeText() const;
    std::string GetStatusText() const;

    // Fills a football injury of a group (0..3; 4 any) for a club whose
    // physio has `physio` ability (0 without one).
    void MakeFootballInjury(int group, int physio);
    // Fills an absence; the kinds that heal as football injuries become them.
    // Returns the absence message id.
    uint32_t MakeAbsence(bool* newspaper);
    // One day step of an injury that keeps its player out.
    DayNews DayStep();
    static int RecoveryTextId(int modifier);

    void Save(FILE* file) const;
    void Load(FILE* file);
};

class CInjuryList {
public:
    CInjuryList() = default;
    CInjuryList(const CInjuryList&) = delete;
    CInjuryList& operator=(const CInjuryList&) = delete;

    int GetSize() const { return static_cast<int>(slots_.size()); }
    CInjury* GetAt(int i) const;
    // A blank record in the first empty slot, or appended.
    int NewInjury();
    void Remove(int index);
    void RemoveAll() { slots_.clear(); }

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CInjury>> slots_;
};
