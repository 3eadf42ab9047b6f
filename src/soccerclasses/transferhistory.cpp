#include "soccerclasses/transferhistory.h"

#include "soccerclasses/clubfile.h"
#include "soccerclasses/globals.h"

using namespace clubfile;

void CTransferHistoryList::Save(FILE* f) const {
    PutI32(f, static_cast<int32_t>(lines_.size()));
    for (const auto& l : lines_) {
        PutText(f, l.player);
        PutText(f, l.fromClub);
        PutF64(f, l.fee);
        PutI32(f, l.playerIndex);
        PutText(f, l.toClub);
    }
}

void CTransferHistoryList::Load(FILE* f) {
    lines_.clear();
    const int32_t n = GetI32(f);
    if (n < 0 || n > 100000) {
        MarkGameFileDamaged();
        return;
    }
    for (int32_t i = 0; i < n && !IsGameFileDamaged(); ++i) {
        CTransferHistory l;
        l.player = GetText(f);
        l.fromClub = GetText(f);
        l.fee = GetF64(f);
        l.playerIndex = GetI32(f);
        l.toClub = GetText(f);
        lines_.push_back(std::move(l));
    }
}
