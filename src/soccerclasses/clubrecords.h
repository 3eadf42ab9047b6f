#pragma once
// A club's all-time records, its current form and its kits.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

class CClubRecords {
public:
    // True when the fee is a new record paid.
    int SetTransferPaid(const std::string& player, const std::string& club, double fee, const std::string& date);
    void SetTransferReceived(const std::string& player, const std::string& club, double fee, const std::string& date);
    void AddGate(int32_t crowd, const std::string& a, const std::string& b);
    void AddReceipts(double amount, const std::string& a, const std::string& b);
    void AddWin(uint8_t own, uint8_t opponent, const std::string& t1, const std::string& t2, const std::string& t3,
                const std::string& t4);
    void AddDefeat(uint8_t own, uint8_t opponent, const std::string& t1, const std::string& t2, const std::string& t3,
                   const std::string& t4);

    // Season records. Each one exists once its text is set; until then the
    // first season's figure is taken whatever it is.
    void SetBestDivision(uint8_t division, const std::string& text);
    void SetBestFinish(uint8_t position, uint8_t division, const std::string& text);
    void SetLowestDivision(uint8_t division, const std::string& text);
    void SetWorstFinish(uint8_t position, uint8_t division, const std::string& text);
    // Keeps the two best points totals: a new best pushes the old best down.
    void SetMostPoints(uint8_t points, const std::string& season, const std::string& division);

    std::string GetHighestGateText() const;
    std::string GetHighestGateDetail() const;
    std::string GetLowestGateText() const;
    std::string GetLowestGateDetail() const;
    std::string GetBiggestWinText() const;
    std::string GetBiggestWinDetail() const;
    std::string GetHeaviestDefeatText() const;
    std::string GetHeaviestDefeatDetail() const;
    std::string GetRecordFeePaidDetail() const;
    std::string GetRecordFeeReceivedDetail() const;
    bool HasRecordFeePaid() const { return !texts_[0].empty(); }
    bool HasRecordFeeReceived() const { return !texts_[3].empty(); }

    double GetRecordFeePaid() const { return feePaid_; }
    double GetRecordFeeReceived() const { return feeReceived_; }
    int32_t GetHighestGate() const { return highestGate_; }
    int32_t GetLowestGate() const { return lowestGate_; }
    double GetRecordReceipts() const { return receipts_; }
    uint8_t GetBestDivision() const { return bestDivision_; }
    uint8_t GetBestFinish() const { return bestFinish_; }
    uint8_t GetLowestDivision() const { return lowestDivision_; }
    uint8_t GetWorstFinish() const { return worstFinish_; }
    uint8_t GetMostPoints() const { return mostPoints_; }
    uint8_t GetSecondMostPoints() const { return secondMostPoints_; }
    uint8_t GetBiggestWinOwn() const { return winOwn_; }
    uint8_t GetBiggestWinAgainst() const { return winAgainst_; }
    uint8_t GetHeaviestDefeatOwn() const { return defeatOwn_; }
    uint8_t GetHeaviestDefeatAgainst() const { return defeatAgainst_; }
    // Texts 1..29 as numbered in the record layout.
    const std::string& Text(int number) const { return texts_.at(static_cast<size_t>(number - 1)); }

    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    std::array<std::string, 29> texts_;
    int16_t spare_ = 0;
    double feePaid_ = 0.0;
    double feeReceived_ = 0.0;
    int32_t highestGate_ = 0;
    int32_t lowestGate_ = 0;
    double receipts_ = 0.0;
    uint8_t bestDivision_ = 0;
    uint8_t bestFinish_ = 0;
    uint8_t bestFinishDivision_ = 0;
    uint8_t lowestDivision_ = 0;
    uint8_t worstFinish_ = 0;
    uint8_t worstFinishDivision_ = 0;
    uint8_t mostPoints_ = 0;
    uint8_t secondMostPoints_ = 0;
    uint8_t winOwn_ = 0, winAgainst_ = 0;
    uint8_t defeatOwn_ = 0, defeatAgainst_ = 0;
};

class CCurrentForm {
public:
    CCurrentForm();
    void AddResult(int8_t own, int8_t opponent, int32_t winPoints, int32_t drawPoints);
    int32_t GetGames() const;
    int32_t GetWins() const;
    int32_t GetDraws() const;
    int32_t GetLosses() const;
    int32_t GetPoints() const { return points_; }
    int32_t GetGoalsFor() const { return goalsFor_; }
    int32_t GetGoalsAgainst() const { return goalsAgainst_; }
    int32_t GetFormPosition() const { return formPosition_; }
    void SetFormPosition(int32_t position);
    // One letter per result, the newest at the right.
    std::string GetFormText() const;

    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    struct Result {
        int8_t own = -1;
        int8_t opponent = -1;
    };
    int32_t points_ = 0;
    int32_t formPosition_ = 0;
    int32_t goalsAgainst_ = 0;
    int32_t goalsFor_ = 0;
    std::array<Result, 6> results_;  // newest first
    void Recount(int32_t winPoints, int32_t drawPoints);
};

// One kit: sleeves, shirt and shorts pattern numbers, then five colours.
class CKits {
public:
    static constexpr int kSleeves = 0, kShirt = 1, kShorts = 2, kFirstColour = 3;
    std::array<uint8_t, 8> bytes{};

    void CopyFrom(const CKits& other) { bytes = other.bytes; }
    void Save(FILE* f) const;
    void Load(FILE* f);
    bool operator==(const CKits&) const = default;
};
