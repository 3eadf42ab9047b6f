#include "soccerclasses/startupfile.h"

#include "platform/files.h"
#include "soccerclasses/gamefile.h"

FILE* OpenStartupFile(const char* relPath) {
    auto path = platform::FindGameFile(relPath);
    if (!path) throw StartupFileError(std::string("ERROR! Cannot find file : ") + relPath);
    FILE* f = OpenGameFile(path->string(), "rb");
    if (!f) throw StartupFileError(std::string("ERROR! Cannot find file : ") + relPath);
    return f;
}

void CloseStartupFile(FILE* file, const char* relPath) {
    bool damaged = GameFileDamaged();
    int rc = CloseGameFile(file);
    if (damaged || rc == kGameFileFailed) throw StartupFileError(std::string("ERROR! Damaged file : ") + relPath);
}

void RefuseStartupFile(FILE* file, const char* relPath, const std::string& why) {
    CloseGameFile(file);
    throw StartupFileError(std::string("ERROR! Damaged file : ") + relPath + " (" + why + ")");
}
