#include "recio.h"

#include "../common/toolio.h"
#include "platform/files.h"
#include "soccerclasses/gamefile.h"

namespace recio {

FILE* OpenForWriting(const std::filesystem::path& gameDir, const std::string& gamePath) {
    auto path = platform::MapPath(gameDir, gamePath);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    FILE* f = OpenGameFile(path.string(), "wb");
    if (!f) toolio::Fail("cannot write " + path.string());
    return f;
}

void Finish(FILE* file, const std::string& gamePath) {
    if (CloseGameFile(file) != kGameFileClosed) toolio::Fail("writing " + gamePath + " failed");
}

}  // namespace recio
