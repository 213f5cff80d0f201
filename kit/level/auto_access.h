// The access a painted tile gives its square by default.
#pragma once

#include <array>
#include <cstdint>

// Per tile number 0..2394: the automatic access tile is 1292 + the value.
extern const std::array<int16_t, 2395> AutoAccessTable;
