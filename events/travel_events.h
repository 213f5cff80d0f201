// Travel and signal events.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunTeleXYEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunRuneRiddleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunCoachEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunSmokeSignalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// The target test of the TELEXY modes: off the map, a square only flyers (or nobody) reach, a
// chasm, water without Water Walk, or a square with an event plays "Curse" and answers 0;
// otherwise "Spell" and the hero is put there (1).
int TryTeleXY(int16_t x, int16_t y);
