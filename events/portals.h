// Portals: conditional portals, wild portals by the direction of approach, and dig portals.
#pragma once

#include <cstdint>

void RunPortalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// Applies the PORTAL EVENT's entry kind: the portal screen, or the page that refuses entry.
void CheckPortalAccess(int16_t x, int16_t y, int16_t dx, int16_t dy);
void RunWildPortalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunDigPortalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The hero's dig action on a DIG PORTAL square: dug free, then its screen.
void DigAtDigPortal(int16_t x, int16_t y, int16_t dx, int16_t dy);
