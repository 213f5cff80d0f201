// Travel and signal events.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunTeleXYEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunRuneRiddleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunCoachEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunSmokeSignalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
