#pragma once
// Stadiums with their eight stands, and the stadium plans.
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A stand's layout bytes: size 0-5, roof 0-3, seating 0-2, boxes 0-1 (the
// floodlight grade on a corner stand).
struct StandLayout {
    uint8_t size = 0, roof = 0, seating = 0, boxes = 0;
    bool operator==(const StandLayout&) const = default;
};

// Stand kinds of the price tables: 0 end, 1 side, 2 corner.
enum StandKind : int { kEndStand = 0, kSideStand = 1, kCornerStand = 2 };
StandKind GetStandKind(int stand);  // stand 0..7
// The two neighbours of a corner stand, which it may not outgrow.
std::array<int, 2> GetCornerNeighbours(int stand);
// The places a stand of this kind gains by growing to `size` from size - 1.
int32_t GetPlacesPerStep(int kind, int size);
// Places a stand of this layout holds: the places added per size step up to
// its size, standing room (seating 0) counting 1.3 times.
int32_t GetStandPlaces(int stand, const StandLayout& layout);
// Empty when the stand may have this layout next to its neighbours; else why not.
std::string CheckStandLayout(int stand, const std::array<StandLayout, 8>& stands, bool taylorReport);

class CStand {
public:
    virtual ~CStand() = default;
    int32_t seatsBeingAdded = 0;
    int32_t secondFigure = 0;
    StandLayout layout;
    uint8_t weeksLeft = 0;
    uint8_t workState = 0;
    StandLayout newLayout;
};

class CStandList {
public:
    CStandList();
    std::array<std::unique_ptr<CStand>, 8> stands;
    int32_t totalCapacity = 0;
    CStand& operator[](int i) { return *stands.at(static_cast<size_t>(i)); }
    const CStand& operator[](int i) const { return *stands.at(static_cast<size_t>(i)); }
};

class CStadium {
public:
    int32_t firstFigure = 0;
    std::string name;
    CStandList stands;

    int32_t GetCapacity() const { return stands.totalCapacity; }
    void ReduceCapacity(int32_t n);
    void IncreaseCapacity(int32_t n);
    int CountStandsInWork() const;
    // The weekly step of the building works; true when some work finished.
    bool AdvanceWorks();
    // The sum of the places of the eight present layouts.
    int32_t GetPlacesOfStands() const;
};

class CStadiumList {
public:
    CStadiumList() = default;
    // Reads "Data\\Stadiums.bin"; a missing or damaged file throws DataFileError.
    void ReadDataFile();
    void ReadFile(const std::string& path);

    int GetSize() const { return static_cast<int>(stadiums_.size()); }
    CStadium* GetAt(int i) { return i >= 0 && i < GetSize() ? stadiums_[static_cast<size_t>(i)].get() : nullptr; }
    const CStadium* GetAt(int i) const {
        return i >= 0 && i < GetSize() ? stadiums_[static_cast<size_t>(i)].get() : nullptr;
    }
    void Add(std::unique_ptr<CStadium> s) { stadiums_.push_back(std::move(s)); }

    // The saved game has no count: the list already stands when it is loaded.
    void Save(FILE* f) const;
    void Load(FILE* f);

private:
    void Read(FILE* f, const std::string& name);
    std::vector<std::unique_ptr<CStadium>> stadiums_;
};

class CStadiumPlan {
public:
    int32_t firstFigure = 0;
    std::vector<uint8_t> bytes;
};

class CStadiumPlanList {
public:
    void ReadDataFile();
    void ReadFile(const std::string& path);
    int GetSize() const { return static_cast<int>(plans_.size()); }
    const CStadiumPlan* GetAt(int i) const {
        return i >= 0 && i < GetSize() ? plans_[static_cast<size_t>(i)].get() : nullptr;
    }

private:
    void Read(FILE* f, const std::string& name);
    std::vector<std::unique_ptr<CStadiumPlan>> plans_;
};

inline constexpr const char* kStadiumsFile = "Data\\Stadiums.bin";
inline constexpr const char* kPlansFile = "Data\\Plans.bin";
