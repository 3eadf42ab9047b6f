#include "soccerclasses/startupfile.h"

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"

void RefuseDataFile(FILE* file, const std::string& gamePath, const std::string& why) {
    CloseGameFile(file);
    std::string text = platform::StrPrintf(platform::LoadString(kDamagedFileStringId).c_str(), gamePath.c_str());
    throw DataFileError(DataFileError::kDamaged, gamePath, text + " (" + why + ")");
}
