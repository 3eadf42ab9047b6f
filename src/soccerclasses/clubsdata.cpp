#include "soccerclasses/clubsdata.h"

#include "platform/msgformat.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"

using namespace clubfile;

FILE* OpenStartupPath(const std::string& path) {
    FILE* f = OpenGameFile(path, "rb");
    if (!f) throw DataFileError(DataFileError::kMissing, path, platform::StrPrintf(kCannotFindFileText, path.c_str()));
    return f;
}

bool WriteStadiumsFile(const std::string& path, const std::vector<StadiumFileRecord>& stadiums) {
    FILE* f = OpenGameFile(path, "wb");
    if (!f) return false;
    PutI32(f, static_cast<int32_t>(stadiums.size()));
    for (const auto& s : stadiums) {
        PutText(f, s.name);
        PutI32(f, s.firstFigure);
        PutI32(f, s.capacity);
        for (const auto& st : s.stands) {
            PutU8(f, st.size);
            PutU8(f, st.roof);
            PutU8(f, st.seating);
            PutU8(f, st.boxes);
        }
    }
    return CloseGameFile(f) == kGameFileClosed;
}

bool WritePlansFile(const std::string& path, const std::vector<PlanFileRecord>& plans) {
    FILE* f = OpenGameFile(path, "wb");
    if (!f) return false;
    PutI32(f, static_cast<int32_t>(plans.size()));
    for (const auto& p : plans) {
        PutI32(f, p.firstFigure);
        PutBytes(f, p.bytes);
    }
    return CloseGameFile(f) == kGameFileClosed;
}

bool WriteClubsFile(const std::string& path, const std::vector<ClubFileRecord>& clubs) {
    FILE* f = OpenGameFile(path, "wb");
    if (!f) return false;
    PutI32(f, static_cast<int32_t>(clubs.size()));
    for (const auto& c : clubs) {
        PutText(f, c.name);
        PutText(f, c.secondName);
        PutI32(f, c.stadium);
        PutU8(f, c.popularity);
        PutU8(f, c.secondPopularity);
        PutI32(f, c.areaCode);
        PutI32(f, c.division);
        PutI16(f, c.yearFounded);
        PutU8(f, c.managerFlag);
        if (c.managerFlag != 0) {
            char initial[2] = {};
            for (size_t i = 0; i < 2 && i < c.manager.initial.size(); ++i) initial[i] = c.manager.initial[i];
            WriteGameFile(initial, 1, 2, f);
            PutText(f, c.manager.surname);
            PutU8(f, c.manager.contractYears);
            PutU8(f, c.manager.country);
            PutU8(f, c.manager.race);
            for (uint8_t b : c.manager.face) PutU8(f, b);
        }
        for (uint8_t b : c.homeKit) PutU8(f, b);
        for (uint8_t b : c.awayKit) PutU8(f, b);
    }
    return CloseGameFile(f) == kGameFileClosed;
}
