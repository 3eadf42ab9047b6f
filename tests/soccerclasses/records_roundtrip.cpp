#include "records_roundtrip.h"

#include <fstream>
#include <algorithm>
#include <iterator>

#include "platform/files.h"
#include "soccerclasses/gamefile.h"
#include "support/test_env.h"

namespace recordtest {

namespace {
std::string TempPath() { return (testenv::TestFolder() / "record.bin").string(); }
}  // namespace

std::vector<uint8_t> Write(const std::function<void(FILE*)>& save) {
    FILE* f = OpenGameFile(TempPath(), "wb");
    if (!f) return {};
    save(f);
    CloseGameFile(f);
    std::ifstream in(TempPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Read(const std::vector<uint8_t>& bytes, const std::function<void(FILE*)>& load) {
    {
        std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    FILE* f = OpenGameFile(TempPath(), "rb");
    if (!f) return false;
    load(f);
    bool whole = GameFileBytesLeft() == 0;
    bool damaged = GameFileDamaged();
    CloseGameFile(f);
    return whole && !damaged;
}

void InstallGameFile(const std::string& gamePath, const std::vector<uint8_t>& bytes) {
    auto dir = testenv::TestFolder() / "game";
    auto path = platform::MapPath(dir, gamePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    platform::SetInstallFolder(dir);
}

// A double round robin by the circle method, laid out as the game's
// schedules are: E / 2 (home, away) pairs a match day, 1-based slots.
CExtByteArray RoundRobin(int n) {
    int m = n % 2 ? n + 1 : n;  // a ghost club rests the odd one out
    std::vector<int> ring(static_cast<size_t>(m));
    for (int i = 0; i < m; ++i) ring[static_cast<size_t>(i)] = i + 1;
    std::vector<std::vector<std::pair<int, int>>> days;
    for (int r = 0; r < m - 1; ++r) {
        std::vector<std::pair<int, int>> day;
        for (int i = 0; i < m / 2; ++i) {
            int a = ring[static_cast<size_t>(i)], b = ring[static_cast<size_t>(m - 1 - i)];
            if (a > n || b > n) continue;
            day.push_back(r % 2 ? std::make_pair(a, b) : std::make_pair(b, a));
        }
        days.push_back(day);
        std::rotate(ring.begin() + 1, ring.end() - 1, ring.end());
    }
    CExtByteArray s;
    for (int half = 0; half < 2; ++half)
        for (auto& day : days) {
            // With an odd count the resting club's day is one pair short; the
            // game's schedules are exactly n(n-1) pairs, so such days are whole.
            for (auto [h, a] : day) {
                s.Add(static_cast<uint8_t>(half ? a : h));
                s.Add(static_cast<uint8_t>(half ? h : a));
            }
        }
    return s;
}

}  // namespace recordtest
