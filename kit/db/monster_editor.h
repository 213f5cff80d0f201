// The monster editor (RunMonsterEditor is declared with the other database editors) and the
// experience autocalculation.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 4> MonsterSpeedLabels;
extern const std::array<std::string_view, 12> MonsterPowerLabels;
extern const std::array<std::string_view, 11> AfflictionLabels;
extern const std::array<std::string_view, 8> MissileTypeLabels;
extern const std::array<std::string_view, 5> OnDeathLabels;
extern const std::array<std::string_view, 8> XpMultiplierLabels;

// The screen on a monster and tab (0 Stats .. 4 On Death), with the copy source marked
// (-1 none); flip 1 presents it.
void DrawMonsterEditor(int16_t monster, int16_t tab, int16_t flip, int16_t copySource);

// Recomputes the experience award of the monsters first..last from their other fields, the
// hero's level and record 0's universal multiplier; records of type 0 keep theirs.
void CalcMonsterXp(int16_t first, int16_t last);
