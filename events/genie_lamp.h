// The genie lamp and its four wishes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// What the third wish raises, by word 6 (13 and 14, the unspent points, have no name).
extern const std::array<std::string_view, 15> WishStatNames;

void RunLampEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
