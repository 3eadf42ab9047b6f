#include "soccerclasses/gameinfo.h"

#include "platform/bytes.h"
#include "platform/files.h"

namespace {
constexpr uint32_t kMagic = 0x49475456;  // "VTGI"

void WriteText(platform::ByteWriter& w, const std::string& s) {
    w.U16(static_cast<uint16_t>(s.size()));
    w.Raw(s);
}

bool ReadText(platform::ByteReader& r, std::string& s) {
    uint16_t n;
    return r.U16(n) && r.RawString(s, n);
}
}  // namespace

std::vector<uint8_t> EncodeGameInfo(const GameInfo& info) {
    platform::ByteWriter w;
    w.U32(kMagic);
    WriteText(w, info.title);
    WriteText(w, info.version);
    return w.Take();
}

std::optional<GameInfo> DecodeGameInfo(const std::vector<uint8_t>& bytes) {
    platform::ByteReader r(bytes);
    uint32_t magic;
    GameInfo info;
    if (!r.U32(magic) || magic != kMagic || !ReadText(r, info.title) || !ReadText(r, info.version) ||
        !r.AtEnd())
        return std::nullopt;
    return info;
}

std::optional<GameInfo> LoadGameInfo() {
    auto path = platform::FindGameFile(kGameInfoFile);
    if (!path) return std::nullopt;
    auto bytes = platform::ReadWholeFile(*path);
    if (!bytes) return std::nullopt;
    return DecodeGameInfo(*bytes);
}
