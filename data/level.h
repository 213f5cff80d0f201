// The current level. Placeholder until the level file is built: only the fields the
// screen toolkit reads.
#pragma once

#include <cstdint>

struct LevelRecord {
    int16_t ZoneLayer[2500];  // zone 0..5 of each square, x*50 + y
    int16_t ZoneTunes[6];     // tune of each zone, 0 = none
};

extern LevelRecord CurrentLevel;
