// Module access, elevators and the pentagram portals.
#pragma once

#include <cstdint>

void RunModuleAccessEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The module chooser over `count` module numbers; ends with the journey or on Cancel.
void ChooseModule(const int16_t modules[6], int16_t count);
void RunElevatorEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunPentaPortalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
