// A saved game of any bytes must be refused or read, never crash or read
// past its end. The lists read into a small world of a few records.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/country.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/fuzz_savegame_" + std::to_string(getpid()) + ".qzs";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed(&world);
    for (uint8_t id = 0; id < 2; ++id) {
        CountryRecord r;
        r.id = id;
        r.name = "Country";
        r.followLevel = id == 0 ? kFollowed : kNotFollowed;
        world.GetCountryList().Add(std::make_unique<CCountry>(r));
    }
    FILE* f = OpenGameFile(path, "rb");
    if (!f) return 0;
    world.ReadSavedGame(f);
    CloseGameFile(f);
    ResetGameFileChannel();
    return 0;
}
