// Writes "Data\\popularity.bin", "Data\\CareerPaths.bin" and
// "Data\\PlayerValue.bin" from the anchor tables under assets/people/,
// through the game's own channel and record writers.
#include "../common/toolio.h"
#include "tablegen.h"

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_people_tables <assets dir> <game dir>");
    const std::filesystem::path assets = argv[1], gameDir = argv[2];
    const CPopularityList popularity = peoplegen::BuildPopularity(assets);
    peoplegen::WriteGameData(gameDir, CPopularityList::kFile, [&](FILE* f) { popularity.Save(f); });
    const CSoccerPlayerCareerPathList paths = peoplegen::BuildCareerPaths(assets);
    peoplegen::WriteGameData(gameDir, CSoccerPlayerCareerPathList::kFile, [&](FILE* f) { paths.Save(f); });
    const CSkillMoneyValueList money = peoplegen::BuildPlayerValue(assets);
    peoplegen::WriteGameData(gameDir, CSkillMoneyValueList::kFile, [&](FILE* f) { money.Save(f); });
    return 0;
}
