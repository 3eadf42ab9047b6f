#include "soccerclasses/clubrecords.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/clubfile.h"

using namespace clubfile;
using platform::FormatMessage;

int CClubRecords::SetTransferPaid(const std::string& player, const std::string& club, double fee,
                                  const std::string& date) {
    if (fee <= feePaid_) return 0;
    feePaid_ = fee;
    texts_[0] = player;
    texts_[1] = club;
    texts_[2] = date;
    return 1;
}

void CClubRecords::SetTransferReceived(const std::string& player, const std::string& club, double fee,
                                       const std::string& date) {
    if (fee <= feeReceived_) return;
    feeReceived_ = fee;
    texts_[3] = player;
    texts_[4] = club;
    texts_[5] = date;
}

void CClubRecords::AddGate(int32_t crowd, const std::string& a, const std::string& b) {
    if (crowd > highestGate_) {
        highestGate_ = crowd;
        texts_[7] = a;
        texts_[8] = b;
    }
    if (crowd < lowestGate_ || lowestGate_ == 0) {
        lowestGate_ = crowd;
        texts_[9] = a;
        texts_[10] = b;
    }
}

void CClubRecords::AddReceipts(double amount, const std::string& a, const std::string& b) {
    if (amount <= receipts_) return;
    receipts_ = amount;
    texts_[11] = a;
    texts_[12] = b;
}

void CClubRecords::AddWin(uint8_t own, uint8_t opponent, const std::string& t1, const std::string& t2,
                          const std::string& t3, const std::string& t4) {
    if (int(own) - int(opponent) <= int(winOwn_) - int(winAgainst_)) return;
    winOwn_ = own;
    winAgainst_ = opponent;
    texts_[21] = t1;
    texts_[22] = t2;
    texts_[23] = t3;
    texts_[24] = t4;
}

void CClubRecords::AddDefeat(uint8_t own, uint8_t opponent, const std::string& t1, const std::string& t2,
                             const std::string& t3, const std::string& t4) {
    if (int(opponent) - int(own) <= int(defeatAgainst_) - int(defeatOwn_)) return;
    defeatOwn_ = own;
    defeatAgainst_ = opponent;
    texts_[25] = t1;
    texts_[26] = t2;
    texts_[27] = t3;
    texts_[28] = t4;
}

void CClubRecords::SetBestDivision(uint8_t division, const std::string& text) {
    if (!texts_[13].empty() && division >= bestDivision_) return;
    bestDivision_ = division;
    texts_[13] = text;
}

void CClubRecords::SetBestFinish(uint8_t position, uint8_t division, const std::string& text) {
    // A finish counts as better in a higher division, then by position.
    if (!texts_[14].empty() &&
        std::pair(division, position) >= std::pair(bestFinishDivision_, bestFinish_))
        return;
    bestFinish_ = position;
    bestFinishDivision_ = division;
    texts_[14] = text;
}

void CClubRecords::SetLowestDivision(uint8_t division, const std::string& text) {
    if (!texts_[15].empty() && division <= lowestDivision_) return;
    lowestDivision_ = division;
    texts_[15] = text;
}

void CClubRecords::SetWorstFinish(uint8_t position, uint8_t division, const std::string& text) {
    if (!texts_[16].empty() &&
        std::pair(division, position) <= std::pair(worstFinishDivision_, worstFinish_))
        return;
    worstFinish_ = position;
    worstFinishDivision_ = division;
    texts_[16] = text;
}

void CClubRecords::SetMostPoints(uint8_t points, const std::string& season, const std::string& division) {
    if (texts_[17].empty() || points >= mostPoints_) {
        if (!texts_[17].empty()) {
            secondMostPoints_ = mostPoints_;
            texts_[19] = texts_[17];
            texts_[20] = texts_[18];
        }
        mostPoints_ = points;
        texts_[17] = season;
        texts_[18] = division;
    } else if (texts_[19].empty() || points >= secondMostPoints_) {
        secondMostPoints_ = points;
        texts_[19] = season;
        texts_[20] = division;
    }
}

namespace {
std::string Pair(const std::string& a, const std::string& b) { return FormatMessage("%1!s! (%2!s!)", {a, b}); }
}  // namespace

std::string CClubRecords::GetHighestGateText() const {
    return highestGate_ > 0 ? FormatMessage("%1!d!", {highestGate_}) : "-";
}
std::string CClubRecords::GetHighestGateDetail() const {
    return highestGate_ > 0 ? Pair(texts_[7], texts_[8]) : "";
}
std::string CClubRecords::GetLowestGateText() const {
    return lowestGate_ > 0 ? FormatMessage("%1!d!", {lowestGate_}) : "-";
}
std::string CClubRecords::GetLowestGateDetail() const {
    return lowestGate_ > 0 ? Pair(texts_[9], texts_[10]) : "";
}
std::string CClubRecords::GetBiggestWinText() const {
    return texts_[21].empty() ? "-" : FormatMessage("%1!d! - %2!d!", {int(winOwn_), int(winAgainst_)});
}
std::string CClubRecords::GetBiggestWinDetail() const {
    return texts_[21].empty() ? "" : Pair(texts_[21], texts_[24]);
}
std::string CClubRecords::GetHeaviestDefeatText() const {
    return texts_[25].empty() ? "-" : FormatMessage("%1!d! - %2!d!", {int(defeatOwn_), int(defeatAgainst_)});
}
std::string CClubRecords::GetHeaviestDefeatDetail() const {
    return texts_[25].empty() ? "" : Pair(texts_[25], texts_[28]);
}
std::string CClubRecords::GetRecordFeePaidDetail() const {
    return texts_[0].empty() ? "" : FormatMessage("%1!s! - %2!s! (%3!s!)", {texts_[0], texts_[1], texts_[2]});
}
std::string CClubRecords::GetRecordFeeReceivedDetail() const {
    return texts_[3].empty() ? "" : FormatMessage("%1!s! - %2!s! (%3!s!)", {texts_[3], texts_[4], texts_[5]});
}

void CClubRecords::Save(FILE* f) const {
    PutText(f, texts_[0]);
    PutText(f, texts_[1]);
    PutF64(f, feePaid_);
    PutText(f, texts_[2]);
    PutText(f, texts_[3]);
    PutText(f, texts_[4]);
    PutF64(f, feeReceived_);
    PutText(f, texts_[5]);
    PutText(f, texts_[6]);
    PutI16(f, spare_);
    PutI32(f, highestGate_);
    PutText(f, texts_[7]);
    PutText(f, texts_[8]);
    PutI32(f, lowestGate_);
    PutText(f, texts_[9]);
    PutText(f, texts_[10]);
    PutF64(f, receipts_);
    PutText(f, texts_[11]);
    PutText(f, texts_[12]);
    PutU8(f, bestDivision_);
    PutText(f, texts_[13]);
    PutU8(f, bestFinish_);
    PutU8(f, bestFinishDivision_);
    PutText(f, texts_[14]);
    PutU8(f, lowestDivision_);
    PutText(f, texts_[15]);
    PutU8(f, worstFinish_);
    PutU8(f, worstFinishDivision_);
    PutText(f, texts_[16]);
    PutU8(f, mostPoints_);
    PutText(f, texts_[17]);
    PutText(f, texts_[18]);
    PutU8(f, secondMostPoints_);
    PutText(f, texts_[19]);
    PutText(f, texts_[20]);
    PutU8(f, winOwn_);
    PutU8(f, winAgainst_);
    for (int i = 21; i <= 24; ++i) PutText(f, texts_[i]);
    PutU8(f, defeatOwn_);
    PutU8(f, defeatAgainst_);
    for (int i = 25; i <= 28; ++i) PutText(f, texts_[i]);
}

void CClubRecords::Load(FILE* f) {
    texts_[0] = GetText(f);
    texts_[1] = GetText(f);
    feePaid_ = GetF64(f);
    texts_[2] = GetText(f);
    texts_[3] = GetText(f);
    texts_[4] = GetText(f);
    feeReceived_ = GetF64(f);
    texts_[5] = GetText(f);
    texts_[6] = GetText(f);
    spare_ = GetI16(f);
    highestGate_ = GetI32(f);
    texts_[7] = GetText(f);
    texts_[8] = GetText(f);
    lowestGate_ = GetI32(f);
    texts_[9] = GetText(f);
    texts_[10] = GetText(f);
    receipts_ = GetF64(f);
    texts_[11] = GetText(f);
    texts_[12] = GetText(f);
    bestDivision_ = GetU8(f);
    texts_[13] = GetText(f);
    bestFinish_ = GetU8(f);
    bestFinishDivision_ = GetU8(f);
    texts_[14] = GetText(f);
    lowestDivision_ = GetU8(f);
    texts_[15] = GetText(f);
    worstFinish_ = GetU8(f);
    worstFinishDivision_ = GetU8(f);
    texts_[16] = GetText(f);
    mostPoints_ = GetU8(f);
    texts_[17] = GetText(f);
    texts_[18] = GetText(f);
    secondMostPoints_ = GetU8(f);
    texts_[19] = GetText(f);
    texts_[20] = GetText(f);
    winOwn_ = GetU8(f);
    winAgainst_ = GetU8(f);
    for (int i = 21; i <= 24; ++i) texts_[i] = GetText(f);
    defeatOwn_ = GetU8(f);
    defeatAgainst_ = GetU8(f);
    for (int i = 25; i <= 28; ++i) texts_[i] = GetText(f);
}

CCurrentForm::CCurrentForm() = default;

void CCurrentForm::AddResult(int8_t own, int8_t opponent, int32_t winPoints, int32_t drawPoints) {
    std::rotate(results_.rbegin(), results_.rbegin() + 1, results_.rend());
    results_[0] = {own, opponent};
    Recount(winPoints, drawPoints);
}

void CCurrentForm::Recount(int32_t winPoints, int32_t drawPoints) {
    points_ = goalsFor_ = goalsAgainst_ = 0;
    for (const Result& r : results_) {
        if (r.own < 0) continue;
        goalsFor_ += r.own;
        goalsAgainst_ += r.opponent;
        if (r.own > r.opponent) points_ += winPoints;
        else if (r.own == r.opponent) points_ += drawPoints;
    }
}

int32_t CCurrentForm::GetGames() const {
    return static_cast<int32_t>(std::count_if(results_.begin(), results_.end(), [](const Result& r) { return r.own >= 0; }));
}
int32_t CCurrentForm::GetWins() const {
    return static_cast<int32_t>(std::count_if(results_.begin(), results_.end(),
                                              [](const Result& r) { return r.own >= 0 && r.own > r.opponent; }));
}
int32_t CCurrentForm::GetDraws() const {
    return static_cast<int32_t>(std::count_if(results_.begin(), results_.end(),
                                              [](const Result& r) { return r.own >= 0 && r.own == r.opponent; }));
}
int32_t CCurrentForm::GetLosses() const {
    return static_cast<int32_t>(std::count_if(results_.begin(), results_.end(),
                                              [](const Result& r) { return r.own >= 0 && r.own < r.opponent; }));
}

void CCurrentForm::SetFormPosition(int32_t position) { formPosition_ = std::max(position, 0); }

std::string CCurrentForm::GetFormText() const {
    std::string text;
    for (auto it = results_.rbegin(); it != results_.rend(); ++it) {
        uint32_t id = 32880;
        if (it->own >= 0) id = it->own > it->opponent ? 32877 : it->own == it->opponent ? 32878 : 32879;
        text += platform::LoadString(id);
    }
    return text;
}

void CCurrentForm::Save(FILE* f) const {
    PutI32(f, points_);
    PutI32(f, formPosition_);
    for (const Result& r : results_) {
        PutI8(f, r.own);
        PutI8(f, r.opponent);
    }
    PutI32(f, goalsAgainst_);
    PutI32(f, goalsFor_);
}

void CCurrentForm::Load(FILE* f) {
    points_ = GetI32(f);
    formPosition_ = GetI32(f);
    for (Result& r : results_) {
        r.own = GetI8(f);
        r.opponent = GetI8(f);
    }
    goalsAgainst_ = GetI32(f);
    goalsFor_ = GetI32(f);
}

void CKits::Save(FILE* f) const {
    for (uint8_t b : bytes) PutU8(f, b);
}
void CKits::Load(FILE* f) {
    for (uint8_t& b : bytes) b = GetU8(f);
}
