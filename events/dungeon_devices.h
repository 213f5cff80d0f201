// Small dungeon devices: mushrooms, bridges, riddles, push resets, alternate tiles, beds.
#pragma once

#include <cstdint>

#include "data/level.h"

// Whether a bridge stands on the square: a normal bridge while its condition holds, an ice or a
// lily bridge once its status flag is 1. Sight, the hero's step, falls, boats, pushed objects and
// the monsters' paths all ask this. False for any other event and for no event.
bool BridgeOpen(const EventRecord* e);

// Bump handlers (the dispatcher's shape).
void RunMushroomEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunBridgeEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunGetAnswerEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunResetPushEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunAltTileEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunBedEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
