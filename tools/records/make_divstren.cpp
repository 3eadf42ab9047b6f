// Writes "Data\\DivStren.bin" from assets/records/divstren.txt.
#include <cmath>
#include <sstream>

#include "../common/toolio.h"
#include "recio.h"
#include "soccerclasses/divisionstrength.h"

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_divstren <assets dir> <game dir>");
    auto src = std::filesystem::path(argv[1]) / "records" / "divstren.txt";
    std::vector<CDivisionStrength> records;
    for (const auto& l : toolio::ReadAssetLines(src)) {
        std::istringstream in(l.text);
        int base, spread, discontent, professional;
        double top, scale, floor;
        if (!(in >> base >> spread >> discontent >> professional >> top >> scale >> floor) || spread < 0 ||
            discontent < 0 || discontent > 255 || scale <= 0)
            toolio::Fail(src.string() + ":" + std::to_string(l.number) + ": expected base spread discontent professional top scale floor");
        CDivisionStrength r;
        r.m_Base = base;
        r.m_Spread = spread;
        r.m_Bytes[0] = static_cast<uint8_t>(discontent);
        r.m_Flag = professional ? 1 : 0;
        for (int x = 0; x < CDivisionStrength::kFactorCount; ++x)
            r.m_Factors[static_cast<size_t>(x)] = top * std::exp(-x / scale) + floor;
        if (const char* why = r.Problem()) toolio::Fail(src.string() + ":" + std::to_string(l.number) + ": " + why);
        records.push_back(r);
    }
    FILE* f = recio::OpenForWriting(argv[2], CDivisionStrengthList::kFileName);
    CDivisionStrengthList::WriteFile(f, records);
    recio::Finish(f, CDivisionStrengthList::kFileName);
    return 0;
}
