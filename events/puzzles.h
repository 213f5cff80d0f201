// Puzzles: devices with a screen of their own that open something when solved.
#pragma once

#include <cstdint>

// The golem's state, shared by the processor, the power conduit and the module's scripts:
// -1 the processor is not assembled, 0 assembled, 1 the power just supplied, 2 finished.
constexpr int16_t GolemFlag = 2140;

// Bump handler (the dispatcher's shape): the screen of the kind in word 2; a success adds 1
// to the flag of word 3. The hero never enters.
void RunPuzzleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// The kinds' screens on the PUZZLE EVENT of (x, y); 1 when solved. Every visit starts from
// the kind's first position.
int RunStrangeDevice(int16_t x, int16_t y);
int RunAlienPanel(int16_t x, int16_t y);
int RunStoneTablet(int16_t x, int16_t y);
// The golem's two screens change the flags themselves and never report a success.
int RunPowerConduit(int16_t x, int16_t y);
int RunProcessor(int16_t x, int16_t y);
int RunBalance(int16_t x, int16_t y);
int RunWaterJars(int16_t x, int16_t y);
