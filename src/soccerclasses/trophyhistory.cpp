#include "soccerclasses/trophyhistory.h"

#include "soccerclasses/clubfile.h"
#include "soccerclasses/globals.h"

using namespace clubfile;

void CTrophyHistoryList::AddWinnerHonour(const std::string& title, const std::string& extra,
                                         const std::string& detail, uint8_t picture, uint8_t isCup) {
    honours_.push_back({title, detail, extra, static_cast<uint8_t>(isCup == 1 ? 2 : 0), picture});
}

void CTrophyHistoryList::AddRunnerUpHonour(const std::string& title, const std::string& extra,
                                           const std::string& detail, uint8_t picture, uint8_t isCup) {
    honours_.push_back({title, detail, extra, static_cast<uint8_t>(isCup == 1 ? 3 : 1), picture});
}

void CTrophyHistoryList::Save(FILE* f) const {
    PutI32(f, static_cast<int32_t>(honours_.size()));
    for (const auto& h : honours_) {
        PutText(f, h.title);
        PutText(f, h.detail);
        PutText(f, h.extra);
        PutU8(f, h.picture);
        PutU8(f, h.kind);
    }
}

void CTrophyHistoryList::Load(FILE* f) {
    int32_t n = GetI32(f);
    if (n > 100000) {
        MarkGameFileDamaged();
        n = 0;
    }
    honours_.assign(static_cast<size_t>(n < 1 ? 0 : n), {});
    for (auto& h : honours_) {
        h.title = GetText(f);
        h.detail = GetText(f);
        h.extra = GetText(f);
        h.picture = GetU8(f);
        h.kind = GetU8(f);
        if (IsGameFileDamaged()) break;
    }
}
