#include "soccerclasses/careerpath.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <stdexcept>

#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

void CSoccerPlayerCareerPath::Read(FILE* f) {
    m_Weight = LoadByte(f);
    for (double& g : m_Gain) g = LoadDouble(f);
    for (double& l : m_Loss) l = LoadDouble(f);
}

void CSoccerPlayerCareerPath::Write(FILE* f) const {
    SaveByte(f, m_Weight);
    for (double g : m_Gain) SaveDouble(f, g);
    for (double l : m_Loss) SaveDouble(f, l);
}

CSoccerPlayerCareerPathList::~CSoccerPlayerCareerPathList() {
    while (!paths_.empty()) paths_.pop_back();
}

std::string CSoccerPlayerCareerPathList::Check() const {
    const int n = GetSize();
    if (m_SecondGroupStart < 1 || m_SecondGroupStart >= n)
        return "the second group does not start inside the list";
    auto groupReaches100 = [&](int first, int end) {
        int last = 0;
        for (int i = first; i < end; ++i) {
            if (paths_[i]->m_Weight < last) return false;
            last = paths_[i]->m_Weight;
        }
        return last >= 100;
    };
    if (!groupReaches100(0, m_SecondGroupStart) || !groupReaches100(m_SecondGroupStart, n))
        return "a group's weights do not rise to 100";
    for (const auto& p : paths_)
        for (int a = 0; a < CSoccerPlayerCareerPath::kAges; ++a)
            if (!std::isfinite(p->m_Gain[a]) || !std::isfinite(p->m_Loss[a]) || p->m_Gain[a] < 0 ||
                p->m_Loss[a] < 0)
                return "a factor is negative or not a number";
    return {};
}

bool CSoccerPlayerCareerPathList::Load(FILE* f) {
    paths_.clear();
    int32_t count = LoadCount(f, CSoccerPlayerCareerPath::kFileBytes);
    m_SecondGroupStart = LoadInt32(f);
    for (int i = 0; i < count && !GameFileDamaged(); ++i) {
        auto p = std::make_unique<CSoccerPlayerCareerPath>();
        p->Read(f);
        paths_.push_back(std::move(p));
    }
    if (!GameFileDamaged()) {
        if (std::string why = Check(); !why.empty()) MarkGameFileDamaged(why.c_str());
    }
    if (GameFileDamaged()) {
        paths_.clear();
        return false;
    }
    return true;
}

bool CSoccerPlayerCareerPathList::LoadFile(const std::string& path, std::string* why) {
    bool ok = ReadWholeGameFile(path, [this](FILE* f) { return Load(f); }, why);
    if (!ok) paths_.clear();
    return ok;
}

void CSoccerPlayerCareerPathList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    SaveInt32(f, m_SecondGroupStart);
    for (const auto& p : paths_) p->Write(f);
}

const CSoccerPlayerCareerPath* CSoccerPlayerCareerPathList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return paths_[static_cast<size_t>(i)].get();
}

const CSoccerPlayerCareerPath& CSoccerPlayerCareerPathList::Path(int path) const {
    assert(path >= 0 && path < GetSize());
    if (paths_.empty()) throw std::out_of_range("no career paths");
    return *paths_[static_cast<size_t>(std::clamp(path, 0, GetSize() - 1))];
}

namespace {
int AgeIndex(uint8_t age) { return std::clamp(static_cast<int>(age), 16, 40) - 16; }
}  // namespace

double CSoccerPlayerCareerPathList::GetGainFactor(int path, uint8_t age) const {
    return Path(path).m_Gain[AgeIndex(age)];
}

double CSoccerPlayerCareerPathList::GetLossFactor(int path, uint8_t age) const {
    return Path(path).m_Loss[AgeIndex(age)];
}

uint8_t CSoccerPlayerCareerPathList::PickFrom(int first, int end) const {
    int r = Random(99);
    for (int i = first; i < end; ++i)
        if (paths_[static_cast<size_t>(i)]->m_Weight > r) return static_cast<uint8_t>(i);
    // The reading checks make every group reach 100, so this is never hit.
    return static_cast<uint8_t>(std::max(first, end - 1));
}

uint8_t CSoccerPlayerCareerPathList::PickCareerPath() const {
    return PickFrom(0, m_SecondGroupStart);
}

uint8_t CSoccerPlayerCareerPathList::PickCareerPathFromSecondGroup() const {
    return PickFrom(m_SecondGroupStart, GetSize());
}

CSoccerPlayerCareerPathList::CSoccerPlayerCareerPathList(const std::string& gamePath) {
    FILE* f = OpenDataFile(gamePath);
    Load(f);
    CloseDataFile(f, gamePath);
}
