// The cheat menu: the running game's values edited in place, and its switches, which live
// outside the saved game.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The flag number the flag monitor shows; -1 none.
extern int16_t MonitoredFlag;
// 1 while monsters do not act.
extern uint32_t FreezeMonsters;
// The flag the Functions page shows; kept from one opening of the menu to the next.
extern int16_t CheatFlagNumber;

inline constexpr std::array<std::string_view, 2> NoYesLabels{"NO", "YES"};

// The cheat menu (Ctrl+U in play); the hero is recomputed on leaving.
void RunCheatMenu();
// The whole screen on a page 0..6; spare is handed through and not shown.
void DrawCheatMenu(int16_t page, int16_t teleportLevel, int16_t spare, int16_t teleportX, int16_t teleportY,
                   int16_t questNumber, uint32_t flip);
// An existing level picked on the level list's pages, or current when cancelled.
int16_t ChooseCheatLevel(int16_t current);

// The browsers of the Functions page: the item instances with where each lies, and the
// encounters of the level.
void ShowHeroCarryList();
void DrawHeroCarryList(int16_t index, uint32_t flip);
void ShowEncounterList();
void DrawEncounterList(int16_t index, uint32_t flip);
