// The title loop: start-up, the title menu and the exit checks.
#pragma once

#include <array>
#include <cstdint>

// Set by the adventure loop (Ctrl+Q) to end the program from play.
extern uint32_t QuitProgram;
// Each 666 from the start; the exit names any that changed.
extern std::array<int32_t, 17> GuardWords;

// The whole program between the window's creation and the release of the display.
void RunTitle();
void DrawTitleMenu();
// The menu's loop until Quit (or QuitProgram); the caller runs the exit sequence.
void RunTitleMenu();
