// The adventure: play on the current level with the hero held in the game state.
#pragma once

// Runs until the adventure ends; Ctrl+Q also sets QuitProgram, which ends the program.
void AdventureLoop();
