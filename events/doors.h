// Doors: simple, complex (open, closed, locked or broken) and secret.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The states of a complex door, by the value of its status flag.
extern const std::array<std::string_view, 4> DoorStatusNames;
constexpr int16_t kDoorOpen = 0, kDoorBroken = 1, kDoorClosed = 2, kDoorLocked = 3;

void RunSimpleDoorEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunComplexDoorEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunSecretDoorEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
