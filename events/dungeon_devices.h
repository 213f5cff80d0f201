// Small dungeon devices: mushrooms, bridges, riddles, push resets, alternate tiles, beds.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunMushroomEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunBridgeEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunGetAnswerEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunResetPushEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunAltTileEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunBedEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
