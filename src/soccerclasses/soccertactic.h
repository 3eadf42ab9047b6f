#pragma once
// Formations: where the ten outfield players stand on a 13 x 9 grid (depth
// from the own goal, width across), the side's instructions, and how well
// the squad knows the formation.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

struct CPositionProfile {
    uint8_t keeper, defence, midfield, attack, left, centre, right, depthFactor1, depthFactor2, role;
};

class CSoccerTactic {
public:
    static constexpr int kPlayers = 10;
    static constexpr int kMaxDepth = 12;
    static constexpr int kMaxWidth = 8;

    CSoccerTactic();
    // positions: depth and width of each player in turn.
    CSoccerTactic(unsigned nameId, const int positions[20], uint8_t familiarity, uint8_t custom);

    std::string GetFamiliarityText() const;
    std::string GetLabel() const;
    // 1 for a custom formation whose layout breaks the rules of a team shape.
    int IsInvalid() const;
    // 0 (well known) to 6, and 7 for an invalid custom formation.
    int GetFamiliarityBand() const;
    void AddFamiliarityLarge() { AddTenths(4); }
    void AddFamiliaritySmall() { AddTenths(2); }
    void NormaliseFamiliarity() { AddTenths(0); }
    void Train(uint8_t level);
    CPositionProfile GetPositionProfile(int player) const;
    // Players of both formations standing on the same spot, counted in pairs.
    int CountSharedPositions(const CSoccerTactic& other) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

    CExtString m_Name;
    CExtByteArray m_Roles;
    std::array<int32_t, kPlayers> m_Depth{};
    std::array<int32_t, kPlayers> m_Width{};
    std::array<uint8_t, 4> m_Instructions{4, 4, 0, 0};
    uint8_t m_Aggression = 4;
    uint8_t m_Familiarity = 0;
    uint8_t m_Tenths = 0;
    uint8_t m_Custom = 0;
    uint8_t m_Spare = 0;

private:
    void AddTenths(int n);
};

class CSoccerTacticList : public OwningList<CSoccerTactic> {
public:
    static constexpr int kBuiltIn = 10;
    static constexpr int kCustom = 20;

    // The ten built-in formations and twenty custom ones.
    CSoccerTacticList();

    void SetInitialFamiliarity();
    void RecomputeFamiliarity(int k);
    int GetCurrent() const { return m_Current; }
    void SetCurrent(int i) { m_Current = i; }
    CSoccerTactic* GetCurrentTactic() const { return GetAt(m_Current); }
    void SetPositionDepth(int player, int value);
    void SetPositionWidth(int player, int value);
    int GetPositionDepth(int player, int formation) const;
    int GetPositionWidth(int player, int formation) const;
    CPositionProfile GetPositionProfile(int player) const { return GetCurrentTactic()->GetPositionProfile(player); }
    void Rename(int formation, const std::string& name) { GetAt(formation)->m_Name = name; }
    std::string GetName(int i) const { return GetAt(i)->m_Name; }
    std::string GetFamiliarityText(int i) const { return GetAt(i)->GetFamiliarityText(); }
    std::string GetLabel(int i) const { return GetAt(i)->GetLabel(); }
    void DecayFamiliarity();

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    int32_t m_Current = 0;
};

// Formation names: the built-in ones, then "Custom 1" to "Custom 20".
inline constexpr unsigned kFormationNameIds = 63010;
