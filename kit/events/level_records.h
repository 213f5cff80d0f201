// New events with their type's starting values, and the release of a level's records.
#pragma once

#include <cstdint>

// Frees the event of square (x, y), if any: the one way a record of the level is released,
// so that the level editor's clipboard is emptied when it names that record.
void ReleaseEvent(int16_t x, int16_t y);
// The record of square (x, y) with the type's defaults; a record already there is replaced.
// Squares outside the map are ignored.
void CreateEvent(int16_t x, int16_t y, int16_t type);
// Mode 0 releases events and scripts (with their line texts), 1 only the scripts, 2 only
// the events; any other mode does nothing.
void FreeLevelEventsAndScripts(int16_t mode);
