// Close door, disarm and dig: actions aimed at a neighbouring square.
#pragma once

#include <cstdint>
#include <string_view>

// 1 when the TRAP EVENT on (x, y) is armed and the hero has spotted it; no side effect.
int TrapSpotted(int16_t x, int16_t y);
// Mode 0 close door, 1 disarm trap, 2 dig: the prompt, a direction or leave, the act.
void DirectionAction(int16_t mode);

void DrawDirectionPrompt(int16_t mode);
// The action on the square (HeroX + dx, HeroY + dy).
void ActInDirection(int16_t dx, int16_t dy, int16_t mode);
// "no", then a short pause.
void PlayRefusal();

// 1 when the hero's Disarm Traps skill finds the shaft of the PIT EVENT on (x, y).
int ShaftFound(int16_t x, int16_t y);
void OpenShaftFromDisarm(int16_t x, int16_t y);
// One attempt on the spotted trap of (x, y), then its result until "Leave".
void RunDisarmTrap(int16_t x, int16_t y);
void DrawDisarmTrapResult(int16_t x, int16_t y);
// The trap kinds 0..7; empty outside them.
std::string_view TrapKindName(int16_t kind);

// The BURIED CACHE EVENT of (x, y) dug up, or its loot once it was.
void DigBuriedCache(int16_t x, int16_t y);
void DrawBuriedCacheFind(int16_t x, int16_t y);
void DrawDugNothing();
