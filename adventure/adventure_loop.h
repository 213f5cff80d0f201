// The adventure: play on the current level with the hero held in the game state.
#pragma once

#include <cstdint>

// 1 while the level editor's test play runs.
extern uint32_t TestPlayMode;
// 1 while the hero's idle thought is to be drawn.
extern uint32_t ShowIdleThought;

// Runs until the adventure ends; Ctrl+Q also sets QuitProgram, which ends the program.
void AdventureLoop();
// 1 when the zone is 3 or 4 and its condition-off flag holds its value (antimagic lifted).
int AntimagicExcused(int16_t zone);
