#pragma once
// Career paths: how fast a player gains and loses at each age from 16 to 40.
// Goalkeepers draw from the first group, outfield players from the second.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct CSoccerPlayerCareerPath {
    static constexpr int kAges = 25;  // 16 to 40
    static constexpr size_t kFileBytes = 1 + 2 * kAges * 8;

    uint8_t m_Weight = 0;
    std::array<double, kAges> m_Gain{};
    std::array<double, kAges> m_Loss{};

    void Read(FILE* file);
    void Write(FILE* file) const;
};

class CSoccerPlayerCareerPathList {
public:
    static constexpr const char* kFile = "Data\\CareerPaths.bin";

    CSoccerPlayerCareerPathList() = default;
    // Reads the start-up file; throws DataFileError when it is missing or
    // fails the reading checks.
    explicit CSoccerPlayerCareerPathList(const std::string& gamePath);
    ~CSoccerPlayerCareerPathList();
    CSoccerPlayerCareerPathList(const CSoccerPlayerCareerPathList&) = delete;
    CSoccerPlayerCareerPathList& operator=(const CSoccerPlayerCareerPathList&) = delete;
    CSoccerPlayerCareerPathList(CSoccerPlayerCareerPathList&&) = default;
    CSoccerPlayerCareerPathList& operator=(CSoccerPlayerCareerPathList&&) = default;

    // A second-group start outside the list, or a group whose weights do not
    // reach 100, marks the file damaged: the draw would run off its group.
    bool Load(FILE* file);
    bool LoadFile(const std::string& path, std::string* why = nullptr);
    void Save(FILE* file) const;

    int GetSize() const { return static_cast<int>(paths_.size()); }
    int GetSecondGroupStart() const { return m_SecondGroupStart; }
    void SetSecondGroupStart(int start) { m_SecondGroupStart = start; }
    void Add(const CSoccerPlayerCareerPath& p) { paths_.push_back(std::make_unique<CSoccerPlayerCareerPath>(p)); }
    const CSoccerPlayerCareerPath* GetAt(int i) const;

    double GetGainFactor(int path, uint8_t age) const;
    double GetLossFactor(int path, uint8_t age) const;
    uint8_t PickCareerPath() const;
    uint8_t PickCareerPathFromSecondGroup() const;
    // True when `path` belongs to the goalkeepers' group.
    bool IsFirstGroup(int path) const { return path >= 0 && path < m_SecondGroupStart; }

    // Empty when both groups are sound, else what is wrong.
    std::string Check() const;

private:
    uint8_t PickFrom(int first, int end) const;
    const CSoccerPlayerCareerPath& Path(int path) const;

    std::vector<std::unique_ptr<CSoccerPlayerCareerPath>> paths_;
    int32_t m_SecondGroupStart = 0;
};
