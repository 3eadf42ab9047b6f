#include "soccerclasses/clubsdata.h"

#include "platform/msgformat.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"

FILE* OpenStartupPath(const std::string& path) {
    FILE* f = OpenGameFile(path, "rb");
    if (!f) throw DataFileError(DataFileError::kMissing, path, platform::StrPrintf(kCannotFindFileText, path.c_str()));
    return f;
}
