// Moving the hero to another square or level.
#pragma once

#include <cstdint>

// The exit level that means a flight from a battle; no level is loaded for it.
constexpr int16_t kFleeBattleLevel = 999;

// Puts the hero on (x, y) of the level, loading it and its encounters when it differs from the
// current one; unless noCheck, a solid target square kills the hero. The second word is unused.
// A square off the map, or a level that cannot be loaded, changes nothing.
void TeleportHero(int16_t level, int16_t unused, int16_t x, int16_t y, int16_t noCheck);
// 1 when TeleportHero can place the hero on (x, y) of the level: a square of the map, on the
// current level or on one whose file is there. Otherwise 0, after the sound "No" and, for a level
// that cannot be loaded, the loader's box "  Level does not exist!"; callers then keep what the
// journey would have cost.
int CheckArrival(int16_t level, int16_t x, int16_t y);
// The hero presses against edge 0 north, 1 south, 2 east or 3 west. 1 when the exit leads to
// kFleeBattleLevel: the caller asks whether to flee.
int ExitLevelAtEdge(int16_t edge);
